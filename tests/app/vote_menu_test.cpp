#include "app/vote_menu.h"

#include <gtest/gtest.h>

#include <string>

#include "config/vconfig.h"
#include "support/log_capture.h"

namespace {

TEST(vote_menu, BadIndexesAreLoggedAndIgnored) {
  VConfig config{std::string()};
  for (const char* suffix : {"0", "17", "", "x", "-1", "99999999999"}) {
    log_capture log;
    setup_vote_menu(config, suffix, "Site\nhttp://example.test/");
    EXPECT_TRUE(log.contains("Warning in setup_vote_menu() - got bad index")) << suffix;
  }
  for (int i = 0; i < VConfig::vote_menu_entries; i++) EXPECT_STREQ(config.get_vote_menu_name(i), "");
}

TEST(vote_menu, EntriesAndSlotOneEmptiesTheRest) {
  VConfig config{std::string()};
  setup_vote_menu(config, "3", "Third\nhttp://three.test/ trailing words\nmore");
  setup_vote_menu(config, "16", "Last\n  http://last.test/");
  EXPECT_STREQ(config.get_vote_menu_name(2), "Third");
  EXPECT_STREQ(config.get_vote_menu_url(2), "http://three.test/");
  EXPECT_STREQ(config.get_vote_menu_url(15), "http://last.test/");
  setup_vote_menu(config, "1", "First\nhttp://one.test/");
  EXPECT_STREQ(config.get_vote_menu_name(0), "First");
  EXPECT_STREQ(config.get_vote_menu_name(2), "");
  EXPECT_STREQ(config.get_vote_menu_name(15), "");
}

TEST(vote_menu, EntryWithoutAddressLineIsNotStored) {
  VConfig config{std::string()};
  for (const char* data : {"Name only", "Name only\n", ""}) {
    log_capture log;
    setup_vote_menu(config, "2", data);
    EXPECT_TRUE(log.contains("Warning in setup_vote_menu() - missing url line from server.\n"));
    EXPECT_STREQ(config.get_vote_menu_name(1), "");
  }
}

TEST(vote_menu, LongTextsAreCut) {
  VConfig config{std::string()};
  std::string data = std::string(8000, 'n') + "\n" + std::string(8000, 'u');
  setup_vote_menu(config, "4", data.c_str());
  EXPECT_EQ(std::string(config.get_vote_menu_name(3)).size(), 5999u);
  EXPECT_EQ(std::string(config.get_vote_menu_url(3)).size(), 5999u);
}

TEST(vote_menu, MenuItems) {
  VConfig config{std::string()};
  EXPECT_TRUE(build_vote_menu(config).empty());
  setup_vote_menu(config, "2", "Two\nhttp://two.test/");
  setup_vote_menu(config, "5", "Five\nhttp://five.test/");
  config.set_voting_reminders(1);
  std::vector<vote_menu_item> items = build_vote_menu(config);
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[0].id, 6109);
  EXPECT_EQ(items[0].label, "Vote For All");
  EXPECT_EQ(items[1].kind, vote_menu_item::separator);
  EXPECT_EQ(items[2].id, 6094);
  EXPECT_EQ(items[2].label, "Two");
  EXPECT_EQ(items[3].id, 6097);
  EXPECT_EQ(items[4].kind, vote_menu_item::separator);
  EXPECT_EQ(items[5].kind, vote_menu_item::check);
  EXPECT_EQ(items[5].id, 6110);
  EXPECT_EQ(items[5].label, "Enable Voting Reminders");
  EXPECT_TRUE(items[5].checked);
  config.set_voting_reminders(0);
  EXPECT_FALSE(build_vote_menu(config)[5].checked);
}

}  // namespace
