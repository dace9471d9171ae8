// Equal-sized records handed out from large blocks; memory is never returned to the system.
#pragma once

#include <cstddef>

// Returns the first of a linked run of free objects (linked through their first word).
void* quor_bulk_allocate(int object_size, const char* type_name, int block_bytes);
// Process-wide totals of what quor_bulk_allocate has taken.
long quor_bulk_allocated_bytes();
long quor_bulk_allocated_blocks();

class quor_object_pool {
 public:
  quor_object_pool(const char* type_name, int object_size, int block_bytes)
      : type_name(type_name), block_bytes(block_bytes), object_size(object_size) {}
  void* allocate();
  void release(void* object);

 private:
  void* free_head = nullptr;
  const char* type_name;
  int block_bytes;
  int object_size;
};
