// The client's own lag-8 multiply-with-carry generator.
#pragma once

#include <cstdint>

class quor_random {
 public:
  quor_random() { initialise(); }
  void initialise();
  uint32_t random_next();
  void random_seed(uint32_t seed);
  void random_restart();
  // 0 .. n-1 from the low 16 bits of the next value.
  int random_below(int n);
  // A value in [0, 1).
  double random_fraction();

 private:
  struct state {
    uint32_t index;
    uint32_t carry;
    uint32_t table[8];
  };
  state current;
  state restart_point;
};

// Background patterns reseed this one for repeatable drawings.
extern quor_random pattern_random;
// Everything else (uuid, sky bar, automap, stress fill); seeded with the time at start-up.
extern quor_random general_random;
