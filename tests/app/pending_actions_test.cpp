#include "app/pending_actions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <memory>
#include <string>

#include "support/log_capture.h"
#include "util/browser.h"

namespace {

TEST(PendingUrl, HoldsOneAddressCutAt1023) {
  pending_url pending;
  std::string url;
  EXPECT_FALSE(pending.take(url));
  log_capture log;
  pending.open_url("http://first");
  pending.open_url("http://second");
  EXPECT_TRUE(log.contains("open_url() - 'http://second'.\n"));
  ASSERT_TRUE(pending.take(url));
  EXPECT_EQ(url, "http://second") << "two clicks in one tick open only the second";
  EXPECT_FALSE(pending.take(url)) << "taken once";
  pending.open_url(std::string(2000, 'u').c_str());
  ASSERT_TRUE(pending.take(url));
  EXPECT_EQ(url.size(), 1023u);
  pending.open_url(nullptr);
  EXPECT_FALSE(pending.take(url));
}

TEST(StartBrowserWithFallback, FailureQueuesTheAddressForThePlayer) {
  auto message = std::make_unique<pending_message>();
  launch_browser_set_program("/nonexistent/firefox");
  EXPECT_FALSE(start_browser_with_fallback("http://host/page", *message));
  launch_browser_set_program(nullptr);
  ASSERT_TRUE(message->is_waiting());
  EXPECT_STREQ(message->text(),
               "\n\nSorry, but I can't seem invoke the FireFox browser.  This is the only browser I currently trust.\n"
               "You can try to get to the link manually by going to:\n\nhttp://host/page\n\n");
  message->clear();
  EXPECT_FALSE(message->is_waiting());
  EXPECT_STREQ(message->text(), "");
}

TEST(StartBrowserWithFallback, SuccessQueuesNothing) {
  auto message = std::make_unique<pending_message>();
  launch_browser_set_program("true");
  EXPECT_TRUE(start_browser_with_fallback("http://host/page", *message));
  launch_browser_set_program(nullptr);
  EXPECT_FALSE(message->is_waiting());
}

}  // namespace
