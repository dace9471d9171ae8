#include "util/file_utils.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "support/log_capture.h"
#include "support/temp_dir.h"
#include "util/strings.h"
#include "util/text_buffer.h"

namespace {

bool is_directory(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

TEST(RecursiveMkdir, CreatesOnlyComponentsFollowedBySeparator) {
  temp_dir dir;
  std::string base = dir.path();
  EXPECT_TRUE(quor_recursive_mkdir((base + "/a/b/c").c_str(), 0700, nullptr));
  EXPECT_TRUE(is_directory(base + "/a/b"));
  EXPECT_FALSE(is_directory(base + "/a/b/c"));
  EXPECT_TRUE(quor_recursive_mkdir((base + "/x//y/").c_str(), 0700, nullptr));
  EXPECT_TRUE(is_directory(base + "/x/y"));
  EXPECT_TRUE(quor_recursive_mkdir((base + "\\w\\").c_str(), 0700, nullptr)) << "backslash separates too";
  EXPECT_TRUE(is_directory(base + "/w"));
  EXPECT_TRUE(quor_recursive_mkdir((base + "/x/y/").c_str(), 0700, nullptr)) << "existing is not an error";

  std::ofstream(base + "/file") << "x";
  auto failure = std::make_unique<text_buffer>();
  EXPECT_FALSE(quor_recursive_mkdir((base + "/file/sub/").c_str(), 0700, failure.get()));
  EXPECT_EQ(std::string(failure->contents()), base + "/file/sub");

  log_capture log;
  EXPECT_FALSE(quor_recursive_mkdir(nullptr, 0700, nullptr));
  EXPECT_TRUE(log.contains("Error in quor_recursive_mkdir(), NULL path."));
}

TEST(WriteableDirectory, CreatesChecksAndCleansUp) {
  temp_dir dir;
  std::string target = dir.path() + "/deep/er";
  EXPECT_TRUE(quor_create_and_check_writeable_directory(target.c_str(), 0700, nullptr));
  EXPECT_TRUE(is_directory(target));
  EXPECT_NE(access((target + "/xx-rw-test.qqq").c_str(), F_OK), 0) << "test file must be removed";

  if (geteuid() != 0) {
    chmod(target.c_str(), 0500);
    auto failure = std::make_unique<text_buffer>();
    EXPECT_FALSE(quor_create_and_check_writeable_directory(target.c_str(), 0700, failure.get()));
    EXPECT_EQ(std::string(failure->contents()), target + "/xx-rw-test.qqq");
    chmod(target.c_str(), 0700);
  }
  log_capture log;
  EXPECT_FALSE(quor_create_and_check_writeable_directory(nullptr, 0700, nullptr));
  EXPECT_TRUE(log.contains("NULL path."));
}

TEST(FgetLine, DropsCarriageReturnsAndSplitsOverlongLines) {
  temp_dir dir;
  std::string path = dir.file("lines");
  {
    std::ofstream out(path, std::ios::binary);
    out << "ab\r\ncd\nabcdefghij\nlast";
  }
  FILE* f = fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  char buffer[6];
  EXPECT_EQ(fget_line(f, buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "ab");
  EXPECT_EQ(fget_line(f, buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "cd");
  {
    log_capture log;
    EXPECT_EQ(fget_line(f, buffer, sizeof buffer), 6);
    EXPECT_STREQ(buffer, "abcde");
    EXPECT_TRUE(log.contains("Warning in fget_line(), string overflow.  String was:abcde"));
  }
  EXPECT_EQ(fget_line(f, buffer, sizeof buffer), 6);
  EXPECT_STREQ(buffer, "fghij");
  EXPECT_EQ(fget_line(f, buffer, sizeof buffer), 5);
  EXPECT_STREQ(buffer, "last");
  EXPECT_EQ(fget_line(f, buffer, sizeof buffer), 0);
  fclose(f);
}

TEST(LockFile, SecondLockIsRefusedUntilUnlocked) {
  temp_dir dir;
  std::string path = dir.file("download.lck");
  int first = lock_file(path.c_str());
  ASSERT_GE(first, 0);
  struct stat info;
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  // lockf locks belong to a process, so the contender must be another process.
  pid_t child = fork();
  if (child == 0) _exit(lock_file(path.c_str()) < 0 ? 0 : 1);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the lock must be refused while held";
  EXPECT_TRUE(unlock_file(first));
  EXPECT_FALSE(unlock_file(-1));
  child = fork();
  if (child == 0) _exit(lock_file(path.c_str()) >= 0 ? 0 : 1);
  waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the lock is free after unlock";
}

TEST(SafeStrcpy, FaultsAreLoggedAndReported) {
  char dest[5];
  EXPECT_TRUE(safe_strcpy(dest, "abcd", sizeof dest));
  EXPECT_STREQ(dest, "abcd");
  log_capture log;
  EXPECT_FALSE(safe_strcpy(dest, "abcdef", sizeof dest));
  EXPECT_STREQ(dest, "abcd");
  EXPECT_TRUE(log.contains("Error in safe_strcpy(), src overflow. String was: ->abcdef<-"));
  EXPECT_FALSE(safe_strcpy(dest, nullptr, sizeof dest));
  EXPECT_STREQ(dest, "");
  EXPECT_TRUE(log.contains("Error in safe_strcpy(), NULL src."));
  EXPECT_FALSE(safe_strcpy(nullptr, "a", 5));
  EXPECT_TRUE(log.contains("Error in safe_strcpy(), NULL dest."));
  EXPECT_FALSE(safe_strcpy(dest, "a", 0));
  EXPECT_TRUE(log.contains("Error in safe_strcpy(), dest too short."));
}

}  // namespace
