#include "util/debug_log.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "util/file_utils.h"
#include "util/text_buffer.h"

int debug_level = 3;

namespace {

// Recursive: the lazy open logs its own result from inside debug_log.
std::recursive_mutex log_lock;
FILE* log_file = nullptr;
std::string log_file_path;
bool has_log_file_path = false;
std::string autoopen_name;
bool has_autoopen_name = false;
bool open_failed = false;
std::string tmp_directory = "/tmp/";
debug_log_observer observer_fn = nullptr;
void* observer_context = nullptr;

std::string config_directory;
bool has_config_directory = false;

bool open_by_path(const std::string& path) {
  log_file_path = path;
  has_log_file_path = true;
  quor_client_try_open_debug_logfile();
  return !open_failed;
}

void lazy_open() {
  if (log_file || open_failed) return;
  if (has_log_file_path)
    quor_client_try_open_debug_logfile();
  else if (has_autoopen_name)
    open_by_path(tmp_directory + autoopen_name);
}

}  // namespace

void debug_log(const char* format, ...) {
  char small[1024];
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int needed = vsnprintf(small, sizeof small, format, args);
  va_end(args);
  std::string large;
  const char* text = small;
  if (needed < 0) {
    text = "";
  } else if ((size_t)needed >= sizeof small) {
    large.resize((size_t)needed + 1);
    vsnprintf(&large[0], large.size(), format, copy);
    text = large.c_str();
  }
  va_end(copy);

  std::lock_guard<std::recursive_mutex> guard(log_lock);
  fputs(text, stdout);
  fflush(stdout);
  if (observer_fn) observer_fn(text, observer_context);
  lazy_open();
  if (log_file) {
    fputs(text, log_file);
    fflush(log_file);
  }
}

void debug_log_message(const char* text, int categories) {
  if (categories == 0) return;
  int needed = (categories & LOG_TRACE) ? 3 : 1;
  if (debug_level < needed) return;
  debug_log("%s\n", text ? text : "(null)");
}

void quor_client_set_autoopen_debug_logfile_name(const char* name) {
  std::lock_guard<std::recursive_mutex> guard(log_lock);
  if (log_file) {
    debug_log_message("Error in quor_client_set_autoopen_debug_logfile_name(), logfile already open.", LOG_ERROR);
    return;
  }
  has_log_file_path = false;
  log_file_path.clear();
  open_failed = false;
  has_autoopen_name = name != nullptr;
  autoopen_name = name ? name : "";
}

void quor_client_set_debug_logfile_name(const char* path) {
  std::lock_guard<std::recursive_mutex> guard(log_lock);
  if (log_file) {
    debug_log_message("Error in quor_client_set_debug_logfile_name(), logfile already open.", LOG_ERROR);
    return;
  }
  has_autoopen_name = false;
  autoopen_name.clear();
  open_failed = false;
  has_log_file_path = path != nullptr;
  log_file_path = path ? path : "";
}

void quor_client_try_open_debug_logfile() {
  std::lock_guard<std::recursive_mutex> guard(log_lock);
  if (log_file) {
    debug_log_message("Error in quor_client_try_open_debug_logfile(), logfile already open.", LOG_ERROR);
    return;
  }
  if (!has_log_file_path) {
    open_failed = true;
    return;
  }
  text_buffer line;
  FILE* f = fopen(log_file_path.c_str(), "ab");
  if (f) {
    log_file = f;
    open_failed = false;
    line.append("quor_client_try_open_debug_logfile() opened logfile '");
  } else {
    open_failed = true;
    line.append("quor_client_try_open_debug_logfile() failed to open logfile '");
  }
  line.append(log_file_path.c_str());
  line.append("'");
  debug_log_message(line.contents(), LOG_TRACE);
}

void quor_client_debug_logfile_close() {
  std::lock_guard<std::recursive_mutex> guard(log_lock);
  if (!log_file) {
    debug_log_message("Error in quor_client_debug_logfile_close(), no logfile open.", LOG_ERROR);
    return;
  }
  fclose(log_file);
  log_file = nullptr;
  has_log_file_path = false;
  log_file_path.clear();
  has_autoopen_name = false;
  autoopen_name.clear();
  open_failed = false;
}

bool quor_client_debug_logfile_is_open() {
  std::lock_guard<std::recursive_mutex> guard(log_lock);
  return log_file != nullptr;
}

const char* quor_client_get_debug_logfile_name() {
  std::lock_guard<std::recursive_mutex> guard(log_lock);
  lazy_open();
  return has_log_file_path ? log_file_path.c_str() : nullptr;
}

bool quor_client_debug_logfile_failed() {
  std::lock_guard<std::recursive_mutex> guard(log_lock);
  lazy_open();
  return open_failed;
}

void debug_log_set_observer(debug_log_observer observer, void* context) {
  std::lock_guard<std::recursive_mutex> guard(log_lock);
  observer_fn = observer;
  observer_context = context;
}

void debug_log_set_tmp_directory(const char* directory) {
  std::lock_guard<std::recursive_mutex> guard(log_lock);
  tmp_directory = directory ? directory : "/tmp/";
}

bool quor_client_check_config_directory(const char* path) {
  text_buffer line;
  line.append("Checking config directory: ");
  line.append(path);
  bool ok = quor_create_and_check_writeable_directory(path, 0700, nullptr);
  if (!ok) line.append(" [FAIL]");
  debug_log_message(line.contents(), LOG_TRACE);
  return ok;
}

int quor_client_set_up_config_directory(const char* base_name) {
  if (!base_name) return 0;
  if (has_config_directory) {
    debug_log_message(
        "Error in quor_client_set_up_config_directory(), attempt to change config directory path after initial "
        "configuration.",
        LOG_ERROR);
    text_buffer line;
    line.append("Old path '");
    line.append(config_directory.c_str());
    line.append("', new base name '");
    line.append(base_name);
    line.append("'");
    debug_log_message(line.contents(), LOG_TRACE);
  }
  const char* home = getenv("HOME");
  if (!home) {
    debug_log_message(
        "Error in quor_client_set_up_config_directory(), unable to fetch home directory - please set HOME "
        "environment variable and restart.",
        LOG_ERROR);
    return 0;
  }
  const std::string candidates[4] = {
      std::string(home) + "/." + base_name,
      std::string(".") + base_name,
      std::string("/tmp/") + base_name,
      std::string(base_name),
  };
  for (const std::string& candidate : candidates) {
    if (!quor_client_check_config_directory(candidate.c_str())) continue;
    config_directory = candidate;
    has_config_directory = true;
    text_buffer line;
    line.append("quor_client_set_up_config_directory() - got final config directory '");
    line.append(candidate.c_str());
    line.append("'");
    debug_log_message(line.contents(), LOG_TRACE);
    return 1;
  }
  debug_log_message("quor_client_set_up_config_directory() - Giving up.  Cannot create config directory.", 0x010);
  return 0;
}

const char* quor_client_get_config_directory() {
  return has_config_directory ? config_directory.c_str() : nullptr;
}
