#include "util/random.h"

quor_random pattern_random;
quor_random general_random;

void quor_random::initialise() {
  uint32_t x = 123456789u;
  for (int i = 0; i < 8; i++) {
    current.table[i] = x;
    x = x * 1664525u + 1013904223u;
  }
  current.carry = 362436u;
  current.index = 0;
  restart_point = current;
}

uint32_t quor_random::random_next() {
  uint64_t t = (uint64_t)current.table[current.index] * 809430660u + current.carry;
  current.carry = (uint32_t)(t >> 32);
  current.table[current.index] = (uint32_t)t;
  current.index = (current.index + 1) & 7;
  return (uint32_t)t;
}

void quor_random::random_seed(uint32_t seed) {
  for (int i = 0; i < 8; i++) {
    seed = seed * 1664525u + 1013904223u;
    current.table[i] ^= seed;
  }
  for (int i = 0; i < 8; i++) random_next();
}

void quor_random::random_restart() { current = restart_point; }

int quor_random::random_below(int n) {
  return (int)(((int64_t)n * (int64_t)(random_next() & 0xffff)) >> 16);
}

double quor_random::random_fraction() { return (double)(random_next() >> 1) / 2147483648.0; }
