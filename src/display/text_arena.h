// Storage of the text windows: every byte of the backscroll lives once in a byte_arena,
// and the records that refer to it live in block_arrays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Append-only records in blocks of 65536: growing never copies or moves a record, and
// untouched parts of the last block cost no resident memory.
template <typename T>
class block_array {
 public:
  enum { block_shift = 16, block_size = 1 << block_shift };

  T& operator[](size_t i) { return blocks[i >> block_shift][i & (block_size - 1)]; }
  const T& operator[](size_t i) const { return blocks[i >> block_shift][i & (block_size - 1)]; }
  size_t size() const { return count; }
  bool empty() const { return count == 0; }
  T& back() { return (*this)[count - 1]; }
  const T& back() const { return (*this)[count - 1]; }
  void push_back(const T& value) {
    if (count == blocks.size() * (size_t)block_size) blocks.emplace_back(new T[block_size]);
    (*this)[count++] = value;
  }
  void clear() {
    blocks.clear();
    count = 0;
  }
  void swap(block_array& other) {
    blocks.swap(other.blocks);
    std::swap(count, other.count);
  }
  size_t allocated_bytes() const { return blocks.size() * sizeof(T) * (size_t)block_size; }

 private:
  std::vector<std::unique_ptr<T[]>> blocks;
  size_t count = 0;
};

// Contiguous append-only bytes addressed by 32-bit offsets (the offsets keep every record small).
// Growth goes through realloc, which for large buffers remaps pages instead of copying them.
class byte_arena {
 public:
  // Offsets stay below this; an append that would pass it is refused.
  static const uint32_t max_bytes = 0xfff00000u;

  byte_arena() = default;
  ~byte_arena();
  byte_arena(const byte_arena&) = delete;
  byte_arena& operator=(const byte_arena&) = delete;

  // Room for `extra` more bytes at the end; false when the arena is full or memory ran out.
  bool reserve_more(size_t extra);
  // The end, where the next bytes go (valid until the next reserve_more).
  char* end_pointer() { return bytes + used; }
  void commit(uint32_t count) { used += count; }
  bool append(const char* data, uint32_t count);

  const char* at(uint32_t offset) const { return bytes + offset; }
  char* at(uint32_t offset) { return bytes + offset; }
  uint32_t size() const { return used; }
  // Drops everything and gives the memory back.
  void release();

 private:
  char* bytes = nullptr;
  uint32_t used = 0;
  size_t capacity = 0;
};
