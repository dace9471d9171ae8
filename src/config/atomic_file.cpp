#include "config/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "util/debug_log.h"

namespace {

void log_failure(const char* step, const std::string& path) {
  if (debug_level > 0) debug_log("Error in atomic_file::%s(), '%s': %s.\n", step, path.c_str(), strerror(errno));
}

std::string directory_of(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

atomic_file::atomic_file(const std::string& path) : path(path) {
  // The random suffix keeps two client processes from writing into the same temporary file.
  std::vector<char> pattern(path.begin(), path.end());
  static const char suffix[] = ".tmp-XXXXXX";
  pattern.insert(pattern.end(), suffix, suffix + sizeof suffix);
  int fd = mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) {
    log_failure("atomic_file", path);
    return;
  }
  temporary_path = pattern.data();
  stream = fdopen(fd, "w");
  if (!stream) {
    log_failure("atomic_file", temporary_path);
    close(fd);
    unlink(temporary_path.c_str());
    temporary_path.clear();
  }
}

atomic_file::~atomic_file() { discard(); }

void atomic_file::discard() {
  if (stream) fclose(stream);
  stream = nullptr;
  if (!temporary_path.empty()) unlink(temporary_path.c_str());
  temporary_path.clear();
}

void atomic_file::discard_after_write_error() {
  log_failure("write", temporary_path);
  discard();
}

bool atomic_file::commit() {
  if (!stream) return false;
  if (fflush(stream) != 0 || ferror(stream)) {
    log_failure("commit", temporary_path);
    discard();
    return false;
  }
  if (fsync(fileno(stream)) != 0) {
    log_failure("commit", temporary_path);
    discard();
    return false;
  }
  int closed = fclose(stream);
  stream = nullptr;
  if (closed != 0) {
    log_failure("commit", temporary_path);
    discard();
    return false;
  }
  if (rename(temporary_path.c_str(), path.c_str()) != 0) {
    log_failure("commit", path);
    discard();
    return false;
  }
  temporary_path.clear();
  // The rename itself must reach the disk before the old contents count as replaced.
  int directory = open(directory_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory >= 0) {
    fsync(directory);
    close(directory);
  }
  return true;
}
