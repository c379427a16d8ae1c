// The emitters: how many particles each makes, of which kind, colour and spread.
#include <cmath>
#include <ostream>
#include <set>
#include <string>

#include "effects_fixture.h"

namespace {

using ParticleEmitters = EffectsTest;

float Speed(const TParticle& p) { return std::hypot(p.xvel, p.yvel); }

struct ExplosionCase {
  int typ;
  size_t count;
};

void PrintTo(const ExplosionCase& c, std::ostream* out) { *out << "kind " << c.typ; }

class ExplosionCount : public EffectsTest, public testing::WithParamInterface<ExplosionCase> {};

TEST_P(ExplosionCount, SparksComeEightyAtATimeOtherKindsForty) {
  const ExplosionCase& c = GetParam();
  TParticle::Explosion(100, 200, "$FF10E0F0", c.typ, 2);
  ASSERT_EQ(TParticle::list().size(), c.count);
  for (const TParticle& p : TParticle::list()) {
    EXPECT_EQ(p.typ, c.typ);
    EXPECT_FLOAT_EQ(p.x, 100);
    EXPECT_FLOAT_EQ(p.y, 200);
    EXPECT_EQ(p.r, 0x10);
    EXPECT_EQ(p.g, 0xE0);
    EXPECT_EQ(p.b, 0xF0);
    EXPECT_GE(Speed(p), 6 - 1e-4);
    EXPECT_LE(Speed(p), 16 + 1e-4);
    EXPECT_GE(p.a, 1);
    EXPECT_LE(p.a, 1.5);
    EXPECT_GE(p.scale, 3) << "scaled by the size";
    EXPECT_LE(p.scale, 6);
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ExplosionCount,
                         testing::Values(ExplosionCase{1, 40}, ExplosionCase{2, 80}, ExplosionCase{4, 40}),
                         [](const testing::TestParamInfo<ExplosionCase>& kind) {
                           return "Kind" + std::to_string(kind.param.typ);
                         });

TEST_F(ParticleEmitters, RingIsOneStillWhiteQuarterSizeRingWhateverTheColour) {
  TParticle::Ring(5, 6, "$FFFF0000", 0.8f);
  ASSERT_EQ(TParticle::list().size(), 1u);
  const TParticle& p = TParticle::list().front();
  EXPECT_EQ(p.typ, 8);
  EXPECT_FLOAT_EQ(Speed(p), 0);
  EXPECT_FLOAT_EQ(p.a, 0.8f);
  EXPECT_FLOAT_EQ(p.scale, 0.25f);
  EXPECT_EQ(p.r + p.g + p.b, 3 * 255);
}

TEST_F(ParticleEmitters, EnergizeStartsOnTheCircleAndMovesToItsCentre) {
  for (int k = 0; k < 50; ++k) TParticle::Energize(500, 400, 2, 64, "$FF00FF00", 1.5f);
  ASSERT_EQ(TParticle::list().size(), 50u);
  for (const TParticle& p : TParticle::list()) {
    const float dx = p.x - 500, dy = p.y - 400;
    EXPECT_NEAR(std::hypot(dx, dy), 64, 1.5) << "positions are whole pixels";
    // Moving inwards: the velocity points back along the radius.
    EXPECT_LT(dx * p.xvel + dy * p.yvel, 0);
    EXPECT_GE(Speed(p), 0.3 - 1e-4);
    EXPECT_LE(Speed(p), 1.5 + 1e-4);
    EXPECT_FLOAT_EQ(p.scale, 1.5f);
    EXPECT_EQ(p.g, 255);
  }
}

TEST_F(ParticleEmitters, CollisionScattersFiveToTenBitsIgnoringTheSpeedGiven) {
  std::set<size_t> counts;
  for (int hit = 0; hit < 40; ++hit) {
    TParticle::list().clear();
    TParticle::Collision(0, 0, 45, 100, "$FFFFFFFF");
    counts.insert(TParticle::list().size());
    for (const TParticle& p : TParticle::list()) {
      EXPECT_EQ(p.typ, 4);
      EXPECT_GE(p.im, 0);
      EXPECT_LE(p.im, 3);
      EXPECT_GE(Speed(p), 3 - 1e-4);
      EXPECT_LE(Speed(p), 5 + 1e-4);
      EXPECT_FLOAT_EQ(p.a, 1);
    }
  }
  EXPECT_GE(*counts.begin(), 5u);
  EXPECT_LE(*counts.rbegin(), 10u);
  EXPECT_GT(counts.size(), 1u) << "the count is drawn afresh each time";
}

struct ColourCase {
  const char* colour;
  bool random;
  int r, g, b;
};

void PrintTo(const ColourCase& c, std::ostream* out) { *out << (c.random ? "empty" : c.colour); }

class SmokeColour : public EffectsTest, public testing::WithParamInterface<ColourCase> {};

TEST_P(SmokeColour, EmptyColourGivesRandomOnesElseTheColourText) {
  const ColourCase& c = GetParam();
  for (int k = 0; k < 20; ++k) {
    TParticle::Smoke(0, 0, c.colour, 0, 2, 1);
    TParticle::Trail(0, 0, c.colour, 0, 2, 1, 0.5f, 16);
  }
  ASSERT_EQ(TParticle::list().size(), 40u);
  std::set<int> reds;
  for (const TParticle& p : TParticle::list()) {
    reds.insert(p.r);
    if (c.random) {
      for (int channel : {p.r, p.g, p.b}) {
        EXPECT_GE(channel, 1);
        EXPECT_LE(channel, 255);
      }
    } else {
      EXPECT_EQ(p.r, c.r);
      EXPECT_EQ(p.g, c.g);
      EXPECT_EQ(p.b, c.b);
    }
  }
  EXPECT_EQ(reds.size() > 1, c.random);
}

INSTANTIATE_TEST_SUITE_P(Colours, SmokeColour,
                         testing::Values(ColourCase{"", true, 0, 0, 0}, ColourCase{"$FF204060", false, 32, 64, 96}),
                         [](const testing::TestParamInfo<ColourCase>& colour) {
                           return std::string(colour.param.random ? "Empty" : "Given");
                         });

TEST_F(ParticleEmitters, SmokeIsAFlareOfSizeOneToTwoAndTrailKeepsItsKindAndSize) {
  TParticle::Smoke(1, 2, "$FFFFFFFF", 180, 2, 0.7f);
  TParticle::Trail(1, 2, "$FFFFFFFF", 180, 2, 22, 1.75f, 16);
  ASSERT_EQ(TParticle::list().size(), 2u);
  const TParticle& smoke = TParticle::list()[0];
  EXPECT_EQ(smoke.typ, 1);
  EXPECT_GE(smoke.scale, 1);
  EXPECT_LE(smoke.scale, 2);
  EXPECT_FLOAT_EQ(smoke.a, 0.7f);
  EXPECT_NEAR(smoke.xvel, -2, 1e-5);
  const TParticle& trail = TParticle::list()[1];
  EXPECT_EQ(trail.typ, 16);
  EXPECT_FLOAT_EQ(trail.scale, 1.75f);
  EXPECT_FLOAT_EQ(trail.a, 22);
}

}  // namespace
