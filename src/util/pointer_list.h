// Growable pointer list with 64 inline slots; doubles its storage when full.
#pragma once

class pointer_list {
 public:
  pointer_list() = default;
  ~pointer_list();
  pointer_list(const pointer_list&) = delete;
  pointer_list& operator=(const pointer_list&) = delete;

  bool append(void* item);
  int count() const { return used; }
  void* at(int i) const { return (i >= 0 && i < used) ? storage[i] : nullptr; }
  void** items() { return storage; }
  void clear() { used = 0; }

 private:
  void* inline_slots[64];
  void** storage = inline_slots;
  int capacity = 64;
  int used = 0;
};
