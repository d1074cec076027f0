#include "platform/gerador.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

TEST(Gerador, TheSameSeedGivesTheSameSequenceAndValuesSpreadOverTheUnitInterval) {
  Gerador a, b;
  a.Semear(43200.25);
  b.Semear(43200.25);
  int buckets[10] = {};
  for (int i = 0; i < 100000; ++i) {
    const double r = a.Proximo();
    ASSERT_EQ(r, b.Proximo());
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    ++buckets[static_cast<int>(r * 10)];
  }
  for (int n : buckets) EXPECT_NEAR(n, 10000, 500);
  b.Semear(43200.26);
  a.Semear(43200.25);
  EXPECT_NE(a.Proximo(), b.Proximo());
}

}  // namespace
}  // namespace quillora
