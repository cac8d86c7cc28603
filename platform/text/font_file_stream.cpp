#include "platform/text/font_file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform::text {
namespace {

// FreeType's read call: count bytes at offset into buffer, answering how many
// were read. A count of 0 is a seek, which answers 0 when it succeeds.
unsigned long readAt(FT_Stream stream, unsigned long offset, unsigned char* buffer, unsigned long count) {
  if (count == 0) return offset <= stream->size ? 0 : 1;
  int fd = static_cast<int>(stream->descriptor.value);
  unsigned long done = 0;
  while (done < count) {
    ssize_t got = pread(fd, buffer + done, count - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<unsigned long>(got);
  }
  return done;
}

}  // namespace

std::unique_ptr<FontFileStream> FontFileStream::open(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  std::unique_ptr<FontFileStream> file(new FontFileStream);
  file->stream_.descriptor.value = fd;
  file->stream_.read = readAt;
  struct stat status {};
  if (fstat(fd, &status) != 0) return nullptr;
  file->stream_.size = static_cast<unsigned long>(status.st_size);
  return file;
}

FontFileStream::~FontFileStream() { ::close(static_cast<int>(stream_.descriptor.value)); }

}  // namespace platform::text
