// The particle list: the "maxparticles" limit, the low-detail switch, what one update does
// to each kind, and the one-pass removal of faded particles.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "effects_fixture.h"
#include "support/temp_folder.h"

namespace {

using ParticleLimit = EffectsTest;

void MakeFlares(int count) {
  for (int k = 0; k < count; ++k) TParticle::CreateParticle(0, 0, 0, 1, 1, 1, 255, 255, 255, 1, 0);
}

TEST_F(ParticleLimit, OneMoreThanTheLimitIsMadeThenNoneUntilSomeFade) {
  TParticle::MaxParticles = 100;
  MakeFlares(100);
  ASSERT_EQ(TParticle::list().size(), 100u);
  MakeFlares(1);
  EXPECT_EQ(TParticle::list().size(), 101u) << "the test is 'more than' the limit";
  MakeFlares(5);
  EXPECT_EQ(TParticle::list().size(), 101u);

  // The oldest one fades out in the next update, which makes room for one.
  TParticle::list().front().a = 0.101f;
  TParticle::UpdateParticlesAll();
  ASSERT_EQ(TParticle::list().size(), 100u);
  MakeFlares(2);
  EXPECT_EQ(TParticle::list().size(), 101u);
}

TEST_F(ParticleLimit, LowDetailMakesNone) {
  DetailLevel = 0;
  MakeFlares(3);
  TParticle::Explosion(10, 10, "$FFFFFFFF", 2, 1);
  EXPECT_TRUE(TParticle::list().empty());
}

TEST_F(ParticleLimit, SetUpReadsTheLimitOnceAndReservesTheList) {
  TempFolder data;
  data.Write("Settings/Engine.ini", "maxparticles=150\r\n");
  const std::string savedRoot = DataRoot;
  DataRoot = data.path();
  TParticle::SetUpParticleImage();
  // Nothing is read per particle: the file may go and the limit stays.
  std::filesystem::remove(data / "Settings/Engine.ini");
  DataRoot = savedRoot;
  EXPECT_EQ(TParticle::MaxParticles, 150);
  EXPECT_EQ(TParticle::img_Flare, nullptr) << "missing pictures are null handles";

  const TParticle* storage = TParticle::list().data();
  MakeFlares(400);
  EXPECT_EQ(TParticle::list().size(), 151u);
  EXPECT_EQ(TParticle::list().data(), storage) << "the list grew during play";
  for (int step = 0; step < 5; ++step) TParticle::UpdateParticlesAll();
  EXPECT_EQ(TParticle::list().data(), storage);
}

TEST_F(ParticleLimit, CreateTakesPositionVelocityAndBirth) {
  GameTime = 1234;
  TParticle::CreateParticle(10, 20, 90, 4, 1.2f, 0.5f, 1, 2, 3, 2, 0);
  ASSERT_EQ(TParticle::list().size(), 1u);
  const TParticle& p = TParticle::list().front();
  EXPECT_FLOAT_EQ(p.x, 10);
  EXPECT_FLOAT_EQ(p.y, 20);
  EXPECT_NEAR(p.xvel, 0, 1e-5);
  EXPECT_NEAR(p.yvel, 4, 1e-5) << "90 degrees points down the screen";
  EXPECT_FLOAT_EQ(p.a, 1.2f);
  EXPECT_FLOAT_EQ(p.scale, 0.5f);
  EXPECT_EQ(p.r + p.g * 10 + p.b * 100, 321);
  EXPECT_EQ(p.typ, 2);
  EXPECT_EQ(p.birth, 1234);
}

TEST_F(ParticleLimit, ShipKindWithoutShipsHasNoPicture) {
  TParticle::CreateParticle(0, 0, 0, 1, 1, 1, 255, 255, 255, 16, 0);
  ASSERT_EQ(TParticle::list().size(), 1u);
  EXPECT_EQ(TParticle::list().front().img_Ship, nullptr);
  EXPECT_EQ(TParticle::list().front().Picture(), nullptr);
}

struct UpdateCase {
  const char* name;
  int typ;
  int age;  // ms since birth at the update
  float velocityFactor, alphaFactor, scaleFactor;
};

void PrintTo(const UpdateCase& c, std::ostream* out) { *out << c.name; }

class ParticleUpdate : public EffectsTest, public testing::WithParamInterface<UpdateCase> {};

TEST_P(ParticleUpdate, MovesThenSlowsFadesAndGrowsByKind) {
  const UpdateCase& c = GetParam();
  GameTime = 5000;
  TParticle p;
  p.typ = c.typ;
  p.birth = GameTime - c.age;
  p.x = 10, p.y = 20, p.xvel = 2, p.yvel = -4, p.a = 1, p.scale = 1;
  EXPECT_TRUE(p.UpdateParticle());
  EXPECT_FLOAT_EQ(p.x, 12) << "moved by the velocity before slowing";
  EXPECT_FLOAT_EQ(p.y, 16);
  EXPECT_FLOAT_EQ(p.xvel, 2 * c.velocityFactor);
  EXPECT_FLOAT_EQ(p.yvel, -4 * c.velocityFactor);
  EXPECT_FLOAT_EQ(p.a, c.alphaFactor);
  EXPECT_FLOAT_EQ(p.scale, c.scaleFactor);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ParticleUpdate,
    testing::Values(UpdateCase{"Flare", 1, 0, 0.97f, 0.96f, 1}, UpdateCase{"Spark", 2, 0, 0.97f, 0.94f, 1},
                    UpdateCase{"BitsYoung", 4, 1000, 0.97f, 1, 1}, UpdateCase{"BitsOld", 4, 1001, 0.97f, 0.95f, 1},
                    UpdateCase{"RingYoung", 8, 1000, 1, 0.94f, 1.1f},
                    UpdateCase{"RingOld", 8, 1001, 1, 0.94f * 0.95f, 1.1f},
                    UpdateCase{"Ship", 16, 0, 0.99f, 0.96f, 1}, UpdateCase{"OtherKind", 3, 5000, 1, 1, 1}),
    [](const testing::TestParamInfo<UpdateCase>& kind) { return std::string(kind.param.name); });

using ParticleRemoval = EffectsTest;

TEST_F(ParticleRemoval, FadedParticlesLeaveAndTheRestKeepTheirOrder) {
  struct Start {
    int typ;
    float a;
  };
  // Below 0.1 after the update leaves; exactly at it stays.
  const std::vector<Start> starts = {{2, 1}, {2, 0.106f}, {1, 0.5f}, {4, 0.05f}, {1, 0.1f / 0.96f + 1e-6f}, {3, 0.3f}};
  for (size_t k = 0; k < starts.size(); ++k) {
    TParticle p;
    p.typ = starts[k].typ;
    p.a = starts[k].a;
    p.im = int(k);
    TParticle::list().push_back(p);
  }
  TParticle::UpdateParticlesAll();
  std::vector<int> left;
  for (const TParticle& p : TParticle::list()) left.push_back(p.im);
  EXPECT_EQ(left, (std::vector<int>{0, 2, 4, 5}));
}

TEST_F(ParticleRemoval, ClearAllEmptiesTheList) {
  MakeFlares(3);
  TParticle::ClearAll();
  EXPECT_TRUE(TParticle::list().empty());
}

}  // namespace
