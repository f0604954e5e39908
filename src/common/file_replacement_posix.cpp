#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "common/file_replacement.h"
#include "common/path.h"
#include "common/system_error.h"

// The name starts with "." and carries the process and a counter, and the
// file is made only if no file of that name exists, so two writers never
// share one.
FileReplacement::FileReplacement(const std::string& target) : target(target) {
  static std::atomic<unsigned> counter{0};
  const auto separator = LastSeparator(target);
  const std::string folder =
      separator == std::string::npos ? std::string() : target.substr(0, separator + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = folder + "." + FilePart(target) + "." + std::to_string(getpid()) +
                             "-" + std::to_string(counter.fetch_add(1)) + ".tmp";
    const int descriptor = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0) {
      close(descriptor);
      temporary = name;
      return;
    }
    if (errno != EEXIST) break;
  }
  failure = LastSystemErrorText();
}

FileReplacement::~FileReplacement() {
  if (Created() && !committed) unlink(temporary.c_str());
}

bool FileReplacement::Commit() {
  committed = Created() && std::rename(temporary.c_str(), target.c_str()) == 0;
  if (Created() && !committed) failure = LastSystemErrorText();
  return committed;
}
