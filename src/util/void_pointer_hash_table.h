// Chained hash table of caller-owned items, found by key through caller functions.
#pragma once

class VoidPointerHashTable {
 public:
  typedef int (*item_hash_fn)(const void* item);
  typedef int (*key_hash_fn)(const void* key);
  typedef bool (*key_compare_fn)(const void* item, const void* key);

  VoidPointerHashTable(item_hash_fn item_hash, key_hash_fn key_hash, key_compare_fn key_compare);
  ~VoidPointerHashTable();
  VoidPointerHashTable(const VoidPointerHashTable&) = delete;
  VoidPointerHashTable& operator=(const VoidPointerHashTable&) = delete;

  void add(void* item);
  void* find(const void* key) const;
  bool remove(void* item);
  void clear();
  void destroy();

  int item_count() const { return count; }
  int bucket_count() const { return size; }

 private:
  struct node {
    int hash;
    void* item;
    node* next;
  };
  void expand_hash_table();

  node** buckets = nullptr;
  int size = 0;
  int mask = 0;
  int count = 0;
  item_hash_fn item_hash;
  key_hash_fn key_hash;
  key_compare_fn key_compare;
};
