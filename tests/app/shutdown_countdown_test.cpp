#include "app/shutdown_countdown.h"

#include <gtest/gtest.h>

namespace {

using step = shutdown_countdown::step_result;

TEST(ShutdownCountdown, ClosesOnNinthTickAndForcesOnTenth) {
  shutdown_countdown countdown;
  EXPECT_EQ(countdown.step(), step::nothing) << "no request, nothing happens";
  countdown.request();
  for (int tick = 1; tick <= 8; tick++) EXPECT_EQ(countdown.step(), step::nothing) << "tick " << tick;
  EXPECT_EQ(countdown.step(), step::close_now);
  EXPECT_EQ(countdown.value(), 1);
  EXPECT_EQ(countdown.step(), step::force_exit);
}

TEST(ShutdownCountdown, SecondRequestRestartsAtTen) {
  shutdown_countdown countdown;
  countdown.request();
  for (int tick = 0; tick < 5; tick++) countdown.step();
  countdown.request();
  EXPECT_EQ(countdown.value(), 10);
  for (int tick = 1; tick <= 8; tick++) EXPECT_EQ(countdown.step(), step::nothing);
  EXPECT_EQ(countdown.step(), step::close_now);
}

}  // namespace
