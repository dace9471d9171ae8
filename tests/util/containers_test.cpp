#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "support/log_capture.h"
#include "util/object_pool.h"
#include "util/pointer_list.h"
#include "util/strings.h"
#include "util/void_pointer_hash_table.h"

namespace {

struct named_item {
  std::string name;
};

int item_hash(const void* item) { return (int)string_hash(static_cast<const named_item*>(item)->name.c_str()); }
int key_hash(const void* key) { return (int)string_hash(static_cast<const char*>(key)); }
bool key_compare(const void* item, const void* key) {
  return static_cast<const named_item*>(item)->name == static_cast<const char*>(key);
}
// Every item in one bucket, to exercise crowding.
int constant_hash(const void*) { return 7; }

TEST(HashTable, AddFindRemoveAndDuplicates) {
  VoidPointerHashTable table(item_hash, key_hash, key_compare);
  named_item a{"door"}, b{"door"}, c{"wind"};
  table.add(&a);
  {
    log_capture log;
    table.add(&a);
    EXPECT_TRUE(log.contains("Error in VoidPointerHashTable::add(), attempt to add duplicate thing."));
  }
  EXPECT_EQ(table.item_count(), 1);
  table.add(&b);
  EXPECT_EQ(table.find("door"), &b) << "equal keys: the last added is found";
  EXPECT_FALSE(table.remove(&c));
  EXPECT_EQ(table.item_count(), 2);
  EXPECT_TRUE(table.remove(&b));
  EXPECT_EQ(table.find("door"), &a);
  EXPECT_EQ(table.find("wind"), nullptr);
  table.clear();
  EXPECT_EQ(table.item_count(), 0);
  EXPECT_EQ(table.bucket_count(), 256);
  table.destroy();
  EXPECT_EQ(table.bucket_count(), 0);
  table.add(&a);  // a destroyed table ignores adds instead of crashing
  EXPECT_EQ(table.find("door"), nullptr);
}

TEST(HashTable, GrowsOnlyWhenCountExceedsHalf) {
  VoidPointerHashTable table(item_hash, key_hash, key_compare);
  std::vector<named_item> items(600);
  for (int i = 0; i < 600; i++) items[i].name = "item" + std::to_string(i);
  for (int i = 0; i < 129; i++) table.add(&items[i]);
  EXPECT_EQ(table.bucket_count(), 256) << "count 128 is not above 128";
  table.add(&items[129]);
  EXPECT_EQ(table.bucket_count(), 512);
  for (int i = 130; i < 600; i++) table.add(&items[i]);
  for (int i = 0; i < 600; i++) EXPECT_EQ(table.find(items[i].name.c_str()), &items[i]);
}

TEST(HashTable, CrowdedBucketIsReportedButAccepted) {
  VoidPointerHashTable table(constant_hash, constant_hash, key_compare);
  std::vector<named_item> items(53);
  log_capture log;
  for (auto& item : items) table.add(&item);
  EXPECT_EQ(table.item_count(), 53);
  EXPECT_TRUE(log.contains("Error in VoidPointerHashTable::add(), found 51 things in bucket 7."));
}

TEST(ObjectPool, BlockSizesAndReuse) {
  long blocks_before = quor_bulk_allocated_blocks();
  log_capture log;
  // Pool memory is never returned by design; static keeps it reachable for LeakSanitizer.
  static void* run = nullptr;
  static void* small_run = nullptr;
  run = quor_bulk_allocate(24, "chunk", 262144);
  EXPECT_TRUE(log.contains("Allocating  10922 objects of size     24 (   262128 bytes), type 'chunk'"));
  int linked = 0;
  for (void* p = run; p; p = *(void**)p) linked++;
  EXPECT_EQ(linked, 10922);
  log.clear();
  small_run = quor_bulk_allocate(10, "small", 120);
  EXPECT_NE(small_run, nullptr);
  if (sizeof(void*) == 4)
    EXPECT_TRUE(log.contains("Allocating     10 objects of size     12 (      120 bytes), type 'small'"));
  else
    EXPECT_TRUE(log.contains("Allocating      7 objects of size     16 (      112 bytes), type 'small'"));
  EXPECT_EQ(quor_bulk_allocated_blocks(), blocks_before + 2);

  static quor_object_pool pool("record", 16, 64);
  std::set<void*> seen;
  for (int i = 0; i < 4; i++) seen.insert(pool.allocate());
  EXPECT_EQ(seen.size(), 4u);
  void* released = *seen.begin();
  pool.release(released);
  EXPECT_EQ(pool.allocate(), released) << "released objects are reused first";
  static void* fresh = nullptr;
  fresh = pool.allocate();  // the first block is used up: a second one is taken
  EXPECT_EQ(seen.count(fresh), 0u);
  for (void* object : seen) pool.release(object);
}

TEST(PointerList, GrowsPastInlineSlots) {
  pointer_list list;
  std::vector<int> values(200);
  for (int i = 0; i < 200; i++) ASSERT_TRUE(list.append(&values[i]));
  EXPECT_EQ(list.count(), 200);
  for (int i = 0; i < 200; i++) EXPECT_EQ(list.at(i), &values[i]);
  EXPECT_EQ(list.at(200), nullptr);
}

}  // namespace
