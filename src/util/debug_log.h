// The process-wide debug log (standard output plus a lazily opened file)
// and the client's configuration directory.
#pragma once

// 0 silent, 1 serious failures, 2 warnings and life-cycle, 3 everything.
extern int debug_level;

// Category bits for debug_log_message; only the trace bit changes the gate.
enum : int {
  LOG_RESOURCE = 0x001,
  LOG_WARNING = 0x002,
  LOG_ERROR = 0x004,
  LOG_CONNECTION = 0x080,
  LOG_TRACE = 0x100,
};

void debug_log(const char* format, ...) __attribute__((format(printf, 1, 2)));
void debug_log_message(const char* text, int categories);

void quor_client_set_autoopen_debug_logfile_name(const char* name);
void quor_client_set_debug_logfile_name(const char* path);
void quor_client_try_open_debug_logfile();
void quor_client_debug_logfile_close();
bool quor_client_debug_logfile_is_open();
const char* quor_client_get_debug_logfile_name();
bool quor_client_debug_logfile_failed();

int quor_client_set_up_config_directory(const char* base_name);
const char* quor_client_get_config_directory();
bool quor_client_check_config_directory(const char* path);

// Test seam: every formatted log text is also handed to this observer.
typedef void (*debug_log_observer)(const char* text, void* context);
void debug_log_set_observer(debug_log_observer observer, void* context);
// Test seam: where "the directory under /tmp" lives (default "/tmp/").
void debug_log_set_tmp_directory(const char* directory);
