#include "util/threads.h"

#include <ctime>

#include "util/debug_log.h"

namespace {

struct thread_start_record {
  quor_thread_entry entry;
  void* argument;
};

void* thread_main(void* raw) {
  thread_start_record* record = (thread_start_record*)raw;
  record->entry(record->argument);
  delete record;
  return nullptr;
}

}  // namespace

bool quor_thread_create(const char* name, quor_thread_entry entry, void* argument) {
  (void)name;
  thread_start_record* record = new thread_start_record{entry, argument};
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  pthread_t thread;
  int rc = pthread_create(&thread, &attributes, thread_main, record);
  pthread_attr_destroy(&attributes);
  if (rc != 0) {
    delete record;
    debug_log_message("Error in quor_thread_create(), thread create failed?", LOG_RESOURCE);
    return false;
  }
  return true;
}

quor_thread_blocker::quor_thread_blocker() {
  pthread_mutex_init(&mutex, nullptr);
  pthread_cond_init(&condition, nullptr);
}

quor_thread_blocker::~quor_thread_blocker() {
  if (unblock_counter != 0) {
    // A thread may still be using the primitives; leaking them is the safe choice.
    debug_log_message("Error in ~quor_thread_blocker(), unblock counter was nonzero on destruct?", LOG_WARNING);
    return;
  }
  pthread_cond_destroy(&condition);
  pthread_mutex_destroy(&mutex);
}

void quor_thread_blocker::unblock() {
  pthread_mutex_lock(&mutex);
  pthread_cond_signal(&condition);
  unblock_counter++;
  pthread_mutex_unlock(&mutex);
}

void quor_thread_blocker::block() {
  pthread_mutex_lock(&mutex);
  while (unblock_counter <= 0) pthread_cond_wait(&condition, &mutex);
  unblock_counter--;
  pthread_mutex_unlock(&mutex);
}

void sleep_ms(int ms) {
  if (ms <= 0) return;
  struct timespec duration;
  duration.tv_sec = ms / 1000;
  duration.tv_nsec = (long)(ms % 1000) * 1000000L;
  nanosleep(&duration, nullptr);
}
