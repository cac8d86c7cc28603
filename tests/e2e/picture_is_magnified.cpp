// Whether one picture is another magnified pixel for pixel: each pixel of
// SMALL a whole-factor block of one colour in LARGE.
//
//   picture_is_magnified SMALL.png LARGE.png
//
// Exit status 0 when it is, 1 when LARGE has other detail, 2 for a file
// that cannot be read, 3 when the sizes are no whole multiple of each other.
#include <png.h>

#include <cstdio>
#include <vector>

namespace {

struct Picture {
  unsigned width = 0, height = 0;
  std::vector<png_byte> rgb;
  const png_byte* at(unsigned x, unsigned y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

bool read(const char* path, Picture& out) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path)) return false;
  image.format = PNG_FORMAT_RGB;
  out.width = image.width;
  out.height = image.height;
  out.rgb.resize(PNG_IMAGE_SIZE(image));
  return png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr) != 0;
}

bool samePixel(const png_byte* a, const png_byte* b) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; }

}  // namespace

int main(int argc, char** argv) {
  Picture small, large;
  if (argc != 3 || !read(argv[1], small) || !read(argv[2], large)) return 2;
  if (!small.width || large.width % small.width || large.height % small.height) return 3;
  unsigned factor = large.width / small.width;
  if (large.height / small.height != factor) return 3;
  for (unsigned y = 0; y < large.height; ++y)
    for (unsigned x = 0; x < large.width; ++x)
      if (!samePixel(large.at(x, y), small.at(x / factor, y / factor))) return 1;
  return 0;
}
