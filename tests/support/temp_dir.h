// A scratch directory removed with its contents when the test ends.
#pragma once

#include <cstdlib>
#include <string>

class temp_dir {
 public:
  temp_dir() {
    char pattern[] = "/tmp/vandrel-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    path_ = made ? made : "";
  }
  ~temp_dir() {
    if (!path_.empty()) {
      std::string command = "rm -rf '" + path_ + "'";
      int rc = system(command.c_str());
      (void)rc;
    }
  }
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};
