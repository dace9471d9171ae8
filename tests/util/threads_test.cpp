#include "util/threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "support/log_capture.h"

namespace {

struct hand_over {
  quor_thread_blocker started;
  quor_thread_blocker release;
  std::atomic<int> stage{0};
};

void worker(void* raw) {
  hand_over* h = static_cast<hand_over*>(raw);
  h->stage = 1;
  h->started.unblock();
  h->release.block();
  h->stage = 2;
  h->started.unblock();
}

TEST(ThreadBlocker, CountsUnblocksThatComeFirst) {
  quor_thread_blocker blocker;
  for (int i = 0; i < 3; i++) blocker.unblock();
  for (int i = 0; i < 3; i++) blocker.block();  // all return at once

  // A fourth block waits for the next unblock, which here comes from another thread.
  std::atomic<bool> returned{false};
  std::thread waiter([&] {
    blocker.block();
    returned = true;
  });
  sleep_ms(50);
  EXPECT_FALSE(returned.load());
  blocker.unblock();
  waiter.join();
  EXPECT_TRUE(returned.load());
}

TEST(ThreadCreate, DetachedThreadRunsEntry) {
  hand_over h;
  ASSERT_TRUE(quor_thread_create("test worker", worker, &h));
  h.started.block();
  EXPECT_EQ(h.stage.load(), 1);
  h.release.unblock();
  h.started.block();
  EXPECT_EQ(h.stage.load(), 2);
}

TEST(ThreadBlocker, DestroyWithPendingUnblockIsLogged) {
  log_capture log;
  {
    quor_thread_blocker blocker;
    blocker.unblock();
  }
  EXPECT_TRUE(log.contains("Error in ~quor_thread_blocker(), unblock counter was nonzero on destruct?"));
}

TEST(Mutex, GuardsACounter) {
  quor_mutex mutex;
  long counter = 0;
  auto add = [&] {
    for (int i = 0; i < 100000; i++) {
      quor_lock_guard guard(mutex);
      counter++;
    }
  };
  std::thread a(add), b(add);
  a.join();
  b.join();
  EXPECT_EQ(counter, 200000);
}

TEST(SleepMs, SleepsAtLeastTheTime) {
  auto start = std::chrono::steady_clock::now();
  sleep_ms(1500);
  auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  EXPECT_GE(elapsed.count(), 1500);
}

}  // namespace
