// The animation clock of the panels and the process-wide animation list.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "display/animation_list.h"

namespace {

TEST(AnimationCounter, SixteenStepsOf200msLast160Ticks) {
  animation_counter counter;
  counter.reset(16, 200);
  int ticks = 0;
  while (counter.active() && ticks < 1000) {
    counter.advance(20);
    ticks++;
  }
  EXPECT_EQ(ticks, 160);
  EXPECT_FALSE(counter.phase());
  // Finished animations stay finished.
  counter.advance(200);
  EXPECT_EQ(counter.steps_left, 0);
}

TEST(AnimationCounter, AStepShorterThanATickTakesOneStepPerTick) {
  animation_counter counter;
  counter.reset(5, 15);
  for (int expected = 4; expected >= 0; expected--) {
    counter.advance(20);
    EXPECT_EQ(counter.steps_left, expected);
    EXPECT_EQ(counter.elapsed_ms, 0);
  }
}

TEST(AnimationCounter, KeepsTheRemainderAndReportsChangesOnce) {
  animation_counter counter;
  EXPECT_EQ(counter.step_ms, 200);
  counter.reset(3, 50);
  EXPECT_TRUE(counter.changed());
  EXPECT_FALSE(counter.changed());
  EXPECT_TRUE(counter.phase());  // 3 left: lit
  counter.advance(30);
  counter.advance(30);  // 60 ms: one step, 10 ms carried
  EXPECT_EQ(counter.steps_left, 2);
  EXPECT_EQ(counter.elapsed_ms, 10);
  EXPECT_FALSE(counter.phase());
  EXPECT_TRUE(counter.changed());
  EXPECT_FALSE(counter.changed());
  counter.advance(40);
  EXPECT_EQ(counter.steps_left, 1);
  EXPECT_EQ(counter.elapsed_ms, 0);
}

class recorder : public animation_client {
 public:
  recorder(std::string name, std::vector<std::string>& log, int lifetime)
      : name(std::move(name)), calls(log), ticks_left(lifetime) {}
  bool animation_callback(int elapsed_ms) override {
    calls.push_back(name + ":" + std::to_string(elapsed_ms));
    if (on_call) on_call();
    return --ticks_left > 0;
  }
  std::string name;
  std::vector<std::string>& calls;
  int ticks_left;
  std::function<void()> on_call;
};

TEST(AnimationList, FrontInsertionListedOnceAndLeavesWhenDone) {
  std::vector<std::string> calls;
  recorder a("a", calls, 2), b("b", calls, 1);
  start_animation(&a);
  start_animation(&b);
  start_animation(&a);
  animation_tick(20);
  EXPECT_EQ(calls, (std::vector<std::string>{"b:20", "a:20"}));
  EXPECT_FALSE(animation_listed(&b));
  calls.clear();
  animation_tick(20);
  EXPECT_EQ(calls, (std::vector<std::string>{"a:20"}));
  EXPECT_FALSE(animation_listed(&a));
  calls.clear();
  animation_tick(20);
  EXPECT_TRUE(calls.empty());
}

TEST(AnimationList, StopAndDestructionUnlink) {
  std::vector<std::string> calls;
  recorder a("a", calls, 100);
  {
    recorder gone("gone", calls, 100);
    start_animation(&gone);
    start_animation(&a);
  }
  stop_animation(&a);
  stop_animation(&a);
  animation_tick(20);
  EXPECT_TRUE(calls.empty());
}

TEST(AnimationList, CallbacksMayStopOthersAndStartNewOnes) {
  std::vector<std::string> calls;
  recorder first("first", calls, 100), second("second", calls, 100), late("late", calls, 100);
  start_animation(&second);
  start_animation(&first);
  // The first stops the second before its turn and starts another, which waits for the next tick.
  first.on_call = [&] {
    stop_animation(&second);
    start_animation(&late);
  };
  animation_tick(20);
  EXPECT_EQ(calls, (std::vector<std::string>{"first:20"}));
  first.on_call = nullptr;
  calls.clear();
  animation_tick(20);
  EXPECT_EQ(calls, (std::vector<std::string>{"late:20", "first:20"}));
  stop_animation(&first);
  stop_animation(&late);
}

}  // namespace
