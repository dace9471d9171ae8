// Thin layer over POSIX threads: detached thread start, counting blocker, mutex, sleep.
#pragma once

#include <pthread.h>

typedef void (*quor_thread_entry)(void* argument);

// Starts a detached thread running entry(argument); the name only labels the caller's messages.
bool quor_thread_create(const char* name, quor_thread_entry entry, void* argument);

// Counting hand-over: an unblock that comes before its block is not lost.
class quor_thread_blocker {
 public:
  quor_thread_blocker();
  ~quor_thread_blocker();
  quor_thread_blocker(const quor_thread_blocker&) = delete;
  quor_thread_blocker& operator=(const quor_thread_blocker&) = delete;
  void unblock();
  void block();

 private:
  pthread_mutex_t mutex;
  pthread_cond_t condition;
  int unblock_counter = 0;
};

class quor_mutex {
 public:
  quor_mutex() { pthread_mutex_init(&mutex, nullptr); }
  ~quor_mutex() { pthread_mutex_destroy(&mutex); }
  quor_mutex(const quor_mutex&) = delete;
  quor_mutex& operator=(const quor_mutex&) = delete;
  void lock() { pthread_mutex_lock(&mutex); }
  void unlock() { pthread_mutex_unlock(&mutex); }

 private:
  pthread_mutex_t mutex;
};

// Holds a quor_mutex for one scope.
class quor_lock_guard {
 public:
  explicit quor_lock_guard(quor_mutex& m) : held(m) { held.lock(); }
  ~quor_lock_guard() { held.unlock(); }
  quor_lock_guard(const quor_lock_guard&) = delete;
  quor_lock_guard& operator=(const quor_lock_guard&) = delete;

 private:
  quor_mutex& held;
};

void sleep_ms(int ms);
