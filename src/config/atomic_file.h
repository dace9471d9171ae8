// A file that replaces its old version only when it has been written completely: the text goes
// to a temporary file in the same directory, which is flushed, synced and renamed over the old one.
#pragma once

#include <cstdio>
#include <string>

class atomic_file {
 public:
  explicit atomic_file(const std::string& path);
  // Without a commit the temporary file is removed and the old file stays as it was.
  ~atomic_file();
  atomic_file(const atomic_file&) = delete;
  atomic_file& operator=(const atomic_file&) = delete;

  // Null when the temporary file could not be created.
  FILE* file() const { return stream; }
  // Flushes, syncs, closes and renames; false (old file untouched) if any step fails.
  bool commit();
  // A write into the file failed: log why and drop the temporary file.
  void discard_after_write_error();

 private:
  void discard();

  std::string path;
  std::string temporary_path;
  FILE* stream = nullptr;
};
