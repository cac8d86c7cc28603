#include "platform/backends/headless/png_writer.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace platform::headless {
namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

void fillRow(const gdi::Surface& surface, int y, png_byte* row) {
  const uint32_t* pixels = surface.row(y);
  for (int x = 0; x < surface.width(); ++x) {
    row[x * 3] = static_cast<png_byte>(pixels[x] >> 16);
    row[x * 3 + 1] = static_cast<png_byte>(pixels[x] >> 8);
    row[x * 3 + 2] = static_cast<png_byte>(pixels[x]);
  }
}

// libpng reports errors by longjmp, so nothing with a destructor may be
// made here: the row buffer belongs to the caller.
bool encode(png_structp png, png_infop info, FILE* file, const gdi::Surface& surface, png_byte* row) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, surface.width(), surface.height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < surface.height(); ++y) {
    fillRow(surface, y, row);
    png_write_row(png, row);
  }
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool writePng(const gdi::Surface& surface, const std::string& path) {
  if (surface.width() <= 0 || surface.height() <= 0) return false;
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  std::vector<png_byte> row(static_cast<size_t>(surface.width()) * 3);
  bool ok = info && encode(png, info, file.get(), surface, row.data());
  png_destroy_write_struct(&png, info ? &info : nullptr);
  return ok;
}

}  // namespace platform::headless
