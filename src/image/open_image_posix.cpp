#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

#include "image/file_decoders.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

using Decoder = std::unique_ptr<BufferImage> (*)(std::FILE*, const std::string&);

// The decoder for the file's signature; the extension plays no part.
Decoder DecoderFor(const unsigned char* head, std::size_t size) {
  auto starts = [&](const char* signature, std::size_t length) {
    return size >= length && std::memcmp(head, signature, length) == 0;
  };
  if (starts("\x89PNG\r\n\x1a\n", 8)) return DecodePng;
  if (starts("\xFF\xD8\xFF", 3)) return DecodeJpeg;
  if (starts("GIF87a", 6) || starts("GIF89a", 6)) return DecodeGif;
  if (starts("II*\0", 4) || starts("MM\0*", 4) || starts("II+\0", 4) || starts("MM\0+", 4)) {
    return DecodeTiff;
  }
  if (starts("BM", 2)) return DecodeBmp;
  return nullptr;
}

}  // namespace

std::unique_ptr<IImage> OpenImage(const std::string& path) {
  // Opened without blocking, so that a named pipe or a device does not hang
  // the caller; only regular files are read.
  const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) throw InvalidImageError(FileResultFromErrno(errno, FileAccess::kRead));
  struct stat info {};
  if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(descriptor);
    throw InvalidImageError();
  }
  std::unique_ptr<std::FILE, FileCloser> file(fdopen(descriptor, "rb"));
  if (!file) {
    close(descriptor);
    throw InvalidImageError();
  }

  unsigned char head[8] = {};
  const std::size_t size = std::fread(head, 1, sizeof head, file.get());
  const Decoder decode = DecoderFor(head, size);
  if (decode == nullptr || std::fseek(file.get(), 0, SEEK_SET) != 0) throw InvalidImageError();
  try {
    return decode(file.get(), path);
  } catch (const std::bad_alloc&) {
    throw InvalidImageError();  // within the limit, yet more than this machine has
  }
}

std::unique_ptr<IImage> CreateBlankImage(int width, int height) {
  return std::make_unique<BufferImage>(std::string(), width, height);
}
