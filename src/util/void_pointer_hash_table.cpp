#include "util/void_pointer_hash_table.h"

#include <cstdio>
#include <cstdlib>

#include "util/debug_log.h"

VoidPointerHashTable::VoidPointerHashTable(item_hash_fn item_hash_in, key_hash_fn key_hash_in,
                                           key_compare_fn key_compare_in)
    : item_hash(item_hash_in), key_hash(key_hash_in), key_compare(key_compare_in) {
  buckets = (node**)calloc(256, sizeof(node*));
  if (!buckets) {
    debug_log_message("Error in VoidPointerHashTable(), initial table alloc failed.", LOG_RESOURCE);
    return;
  }
  size = 256;
  mask = size - 1;
}

VoidPointerHashTable::~VoidPointerHashTable() { destroy(); }

void VoidPointerHashTable::add(void* item) {
  if (!buckets || !item_hash) return;
  if (count > size / 2) expand_hash_table();
  int h = item_hash(item);
  int b = h & mask;
  int passed = 0;
  for (node* n = buckets[b]; n; n = n->next) {
    if (n->item == item) {
      debug_log_message("Error in VoidPointerHashTable::add(), attempt to add duplicate thing.", LOG_ERROR);
      return;
    }
    passed++;
  }
  if (passed > 50) {
    char line[128];
    snprintf(line, sizeof line, "Error in VoidPointerHashTable::add(), found %d things in bucket %d.", passed, b);
    debug_log_message(line, 0x008);
  }
  node* fresh = new node{h, item, buckets[b]};
  buckets[b] = fresh;
  count++;
}

void* VoidPointerHashTable::find(const void* key) const {
  if (!buckets || !key_hash) return nullptr;
  for (node* n = buckets[key_hash(key) & mask]; n; n = n->next)
    if (key_compare(n->item, key)) return n->item;
  return nullptr;
}

bool VoidPointerHashTable::remove(void* item) {
  if (!buckets || !item_hash) return false;
  node** link = &buckets[item_hash(item) & mask];
  for (; *link; link = &(*link)->next) {
    if ((*link)->item != item) continue;
    node* gone = *link;
    *link = gone->next;
    delete gone;
    count--;
    return true;
  }
  return false;
}

void VoidPointerHashTable::clear() {
  for (int b = 0; b < size; b++) {
    while (buckets[b]) {
      node* gone = buckets[b];
      buckets[b] = gone->next;
      delete gone;
    }
  }
  count = 0;
}

void VoidPointerHashTable::destroy() {
  item_hash = nullptr;
  key_hash = nullptr;
  key_compare = nullptr;
  if (buckets) {
    clear();
    free(buckets);
  }
  buckets = nullptr;
  size = 0;
  mask = 0;
}

void VoidPointerHashTable::expand_hash_table() {
  int new_size = size * 2;
  node** grown = (node**)calloc((size_t)new_size, sizeof(node*));
  if (!grown) {
    char line[160];
    snprintf(line, sizeof line,
             "Error in VoidPointerHashTable::expand_hash_table(), unable to allocate table of size %d.  Using old table.",
             new_size);
    debug_log_message(line, LOG_WARNING);
    return;
  }
  int new_mask = new_size - 1;
  for (int b = 0; b < size; b++) {
    while (buckets[b]) {
      node* moving = buckets[b];
      buckets[b] = moving->next;
      moving->next = grown[moving->hash & new_mask];
      grown[moving->hash & new_mask] = moving;
    }
  }
  free(buckets);
  buckets = grown;
  size = new_size;
  mask = new_mask;
}
