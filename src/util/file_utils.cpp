#include "util/file_utils.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "util/debug_log.h"
#include "util/text_buffer.h"

int fget_line(FILE* file, char* buffer, int size) {
  if (!file || !buffer || size <= 0) return 0;
  int c = fgetc(file);
  if (c == EOF) return 0;
  int stored = 0;
  bool overflow = false;
  while (c != EOF && c != '\n' && c != 0) {
    if (c != '\r') {
      if (stored >= size - 1) {
        // Leave the rest of the line for the next call.
        ungetc(c, file);
        overflow = true;
        break;
      }
      buffer[stored++] = (char)c;
    }
    c = fgetc(file);
  }
  buffer[stored] = 0;
  if (overflow) {
    text_buffer line;
    line.append("Warning in fget_line(), string overflow.  String was:");
    line.append(buffer);
    debug_log_message(line.contents(), LOG_WARNING);
  }
  return stored + 1;
}

bool quor_recursive_mkdir(const char* path, mode_t mode, text_buffer* failure_text) {
  if (!path) {
    debug_log_message("Error in quor_recursive_mkdir(), NULL path.", LOG_ERROR);
    return false;
  }
  std::string built;
  if (path[0] == '/' || path[0] == '\\') built = "/";
  std::string component;
  for (const char* p = path; *p; p++) {
    if (*p != '/' && *p != '\\') {
      component += *p;
      continue;
    }
    if (component.empty()) continue;
    if (!built.empty() && built.back() != '/') built += '/';
    built += component;
    component.clear();
    if (mkdir(built.c_str(), mode) != 0 && errno != EEXIST) {
      if (failure_text) failure_text->append(built.c_str());
      return false;
    }
  }
  return true;
}

bool quor_create_and_check_writeable_directory(const char* path, mode_t mode, text_buffer* failure_text) {
  if (!path) {
    debug_log_message("Error in quor_create_and_check_writeable_directory(), NULL path.", LOG_ERROR);
    return false;
  }
  std::string test_path;
  if (path[0]) {
    std::string directory = std::string(path) + "/";
    if (!quor_recursive_mkdir(directory.c_str(), mode, failure_text)) return false;
    test_path = directory;
  }
  test_path += "xx-rw-test.qqq";
  FILE* f = fopen(test_path.c_str(), "w");
  if (!f) {
    if (failure_text) failure_text->append(test_path.c_str());
    return false;
  }
  fclose(f);
  unlink(test_path.c_str());
  return true;
}

int lock_file(const char* path) {
  if (!path) return -1;
  int fd = open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  if (lockf(fd, F_TLOCK, 0) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

bool unlock_file(int fd) {
  if (fd < 0) return false;
  bool ok = lockf(fd, F_ULOCK, 0) == 0;
  close(fd);
  return ok;
}
