#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "util/random.h"
#include "util/strings.h"

namespace {

std::vector<uint32_t> draw(quor_random& generator, int n) {
  std::vector<uint32_t> values;
  for (int i = 0; i < n; i++) values.push_back(generator.random_next());
  return values;
}

TEST(Random, FirstValueFollowsTheRecurrence) {
  quor_random generator;
  // table[0] = 123456789, carry 362436: t = 123456789 * 809430660 + 362436.
  uint64_t t = 123456789ull * 809430660ull + 362436ull;
  EXPECT_EQ(generator.random_next(), (uint32_t)t);
}

TEST(Random, RestartAndSeedGiveRepeatableSequences) {
  quor_random generator;
  generator.random_restart();
  generator.random_seed(77);
  std::vector<uint32_t> first = draw(generator, 50);
  generator.random_restart();
  generator.random_seed(77);
  EXPECT_EQ(draw(generator, 50), first);
  generator.random_restart();
  generator.random_seed(78);
  EXPECT_NE(draw(generator, 50), first);
}

TEST(Random, BelowAndFractionStayInRange) {
  quor_random generator;
  generator.random_seed(5);
  for (int i = 0; i < 2000; i++) {
    int v = generator.random_below(7);
    EXPECT_GE(v, 0);
    EXPECT_LT(v, 7);
    double f = generator.random_fraction();
    EXPECT_GE(f, 0.0);
    EXPECT_LT(f, 1.0);
  }
}

uint32_t reference_hash(const std::string& s) {
  uint32_t h = 1564184925u;
  for (unsigned char b : s) {
    h += b;
    h *= 1025u;
    h ^= h >> 6;
  }
  uint32_t n = (uint32_t)s.size();
  for (int i = 0; i < 4; i++) {
    h = (h + ((n >> (8 * i)) & 0xffu)) * 1025u;
    h ^= h >> 6;
  }
  h *= 9u;
  h ^= h >> 11;
  return h * 32769u;
}

TEST(StringHash, MatchesTheDefinitionIncludingLength) {
  for (std::string s : {std::string(""), std::string("a"), std::string("sounds/door.ogg"), std::string(300, 'z')})
    EXPECT_EQ(string_hash(s.c_str()), reference_hash(s)) << s;
  EXPECT_NE(string_hash("ab"), string_hash("ba"));
}

TEST(VectorAngle, Quadrants) {
  struct {
    double dx, dy;
    int angle;
  } cases[] = {
      {0, 0, 90}, {1, 0, 0}, {0, 1, 90}, {-1, 0, 180}, {0, -1, 270}, {1, 1, 45}, {-1, 1, 135}, {-1, -1, 225}, {1, -1, 315},
  };
  for (const auto& c : cases) EXPECT_EQ(vector_angle(c.dx, c.dy), c.angle) << c.dx << "," << c.dy;
}

}  // namespace
