#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>

#include "common/file_replacement.h"
#include "common/path.h"

// Made only if no file of that name exists, so two writers never share one.
FileReplacement::FileReplacement(const std::string& target) : target(target) {
  static std::atomic<unsigned long> counter{0};
  const auto separator = LastSeparator(target);
  const std::string folder =
      separator == std::string::npos ? std::string() : target.substr(0, separator + 1);
  RemoveLeftTemporaryFiles(folder);
  const auto process = static_cast<unsigned long>(getpid());
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name =
        folder + TemporaryFileName(FilePart(target), process, counter.fetch_add(1));
    const int descriptor = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0) {
      close(descriptor);
      temporary = name;
      return;
    }
    if (errno != EEXIST) break;
  }
  creation = FileResultFromErrno(errno, FileAccess::kWrite);
}

FileReplacement::~FileReplacement() {
  if (Created() && !committed) unlink(temporary.c_str());
}

FileResult FileReplacement::Commit() {
  if (!Created()) return creation;
  committed = std::rename(temporary.c_str(), target.c_str()) == 0;
  return committed ? FileResult() : FileResultFromErrno(errno, FileAccess::kWrite);
}

bool ProcessHasEnded(unsigned long process) {
  // 0 and what does not fit a pid would name a group of processes.
  if (process == 0 || process > static_cast<unsigned long>(INT_MAX)) return false;
  return kill(static_cast<pid_t>(process), 0) != 0 && errno == ESRCH;
}

void ForEachFileIn(const std::string& folder,
                   const std::function<void(const std::string&)>& visit) {
  DIR* entries = opendir(folder.empty() ? "." : folder.c_str());
  if (entries == nullptr) return;
  while (const dirent* entry = readdir(entries)) {
    struct stat info {};
    const bool file = entry->d_type == DT_REG ||
                      (entry->d_type == DT_UNKNOWN &&
                       fstatat(dirfd(entries), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                       S_ISREG(info.st_mode));
    if (file) visit(entry->d_name);
  }
  closedir(entries);
}
