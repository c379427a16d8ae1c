// The star field's layers: how many stars, at which depth and brightness.
#include "race/star_field.h"

#include <gtest/gtest.h>

namespace {

TEST(StarFieldCreate, NoneForZero) { EXPECT_TRUE(StarField::Create(0)->starList.empty()); }

TEST(StarFieldCreate, EightLayersOfNStarsDimmestFirst) {
  const auto field = StarField::Create(10);
  ASSERT_EQ(field->starList.size(), 80u);
  int points = 0;
  for (size_t k = 0; k < field->starList.size(); ++k) {
    const Star& star = field->starList[k];
    const int layer = int(k / 10) + 1;
    EXPECT_DOUBLE_EQ(star.intensity, 32 * layer - 1) << k;
    EXPECT_GE(star.z, 8 * layer - 4) << k;
    EXPECT_LE(star.z, 8 * layer + 4) << k;
    EXPECT_EQ(star.IsPicture(), layer >= 5) << k;
    if (!star.IsPicture()) ++points;
  }
  EXPECT_EQ(points, 40) << "layers 1 to 4 are single points";
}

}  // namespace
