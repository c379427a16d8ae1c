#include "race/particle.h"

#include <cmath>
#include <numbers>

#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/render_driver.h"
#include "race/car.h"
#include "race/geometry.h"
#include "shell/asset_loaders.h"
#include "shell/draw_helpers.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "shell/random.h"
#include "shell/settings.h"
#include "track/track.h"

// The tuning file's value, for a game that never ran its start-up (tools and tests).
int TParticle::MaxParticles = 2000;
ImagePtr TParticle::img_Flare, TParticle::img_Spark, TParticle::img_Bits, TParticle::img_Ring;
bool TParticle::listMade = false;

namespace {

constexpr int kFlare = 1, kSpark = 2, kBits = 4, kRing = 8, kShip = 16;
constexpr float kFadeLimit = 0.1f;
constexpr int kLateFadeMs = 1000;

ImagePtr LoadCentred(const std::string& path) {
  ImagePtr image = LoadImageChecked(path);
  if (image) MidHandleImage(image.get());
  return image;
}

float HeadingDegrees(float dy, float dx) { return std::atan2(dy, dx) * 180.0f / std::numbers::pi_v<float>; }

}  // namespace

std::vector<TParticle>& TParticle::list() {
  static std::vector<TParticle> particles;
  return particles;
}

void TParticle::SetUpParticleImage() {
  img_Flare = LoadCentred("Media/Weapons/Flare.png");
  img_Spark = LoadCentred("Media/Weapons/Spark.png");
  img_Bits = LoadAnimImageChecked("Media/Weapons/Bits.png", 4, 4, 0, 4);
  img_Ring = LoadCentred("Media/Weapons/Shield.png");
  MaxParticles = int(LoadVariable(EnginePath(), "maxparticles", 100, 10000));
  // The list never holds more than one past the limit: it never grows during a race.
  list().reserve(size_t(MaxParticles) + 1);
}

void TParticle::ClearAll() {
  if (!listMade) return;
  Log("TParticle.ClearAll");
  for (TParticle& particle : list()) particle.img_Ship = nullptr;
  list().clear();
}

void TParticle::CreateParticle(int x, int y, float angle, float speed, float alpha, float scale, int r, int g, int b,
                               int typ, int im) {
  if (DetailLevel == 0) return;
  std::vector<TParticle>& particles = list();
  // "More than": with the limit reached one more is still made.
  if (particles.size() > size_t(MaxParticles)) return;
  if (!listMade) {
    listMade = true;
    particles.reserve(size_t(MaxParticles) + 1);
  }
  TParticle particle;
  particle.x = float(x);
  particle.y = float(y);
  particle.xvel = CosDeg(angle) * speed;
  particle.yvel = SinDeg(angle) * speed;
  particle.a = alpha;
  particle.scale = scale;
  particle.r = r;
  particle.g = g;
  particle.b = b;
  particle.typ = typ;
  particle.im = im;
  particle.birth = GameTime;
  if (typ == kShip) {
    TCar* ship = TCar::SelectById(Rand(1, 12));
    particle.img_Ship = ship ? ship->img.get() : nullptr;
  }
  particles.push_back(particle);
}

void TParticle::UpdateParticlesAll() {
  // One pass: update each particle and close the gaps the faded ones leave.
  std::vector<TParticle>& particles = list();
  size_t kept = 0;
  for (size_t k = 0; k < particles.size(); ++k) {
    if (!particles[k].UpdateParticle()) continue;
    if (kept != k) particles[kept] = particles[k];
    ++kept;
  }
  particles.resize(kept);
}

bool TParticle::UpdateParticle() {
  x += xvel;
  y += yvel;
  const bool late = GameTime - birth > kLateFadeMs;
  const auto slow = [this](float factor) {
    xvel *= factor;
    yvel *= factor;
  };
  switch (typ) {
    case kFlare:
      slow(0.97f);
      a *= 0.96f;
      break;
    case kSpark:
      slow(0.97f);
      a *= 0.94f;
      break;
    case kBits:
      // Debris keeps its full brightness for a second before it fades.
      slow(0.97f);
      if (late) a *= 0.95f;
      break;
    case kRing:
      a *= 0.94f;
      scale *= 1.1f;
      if (late) a *= 0.95f;
      break;
    case kShip:
      slow(0.99f);
      a *= 0.96f;
      break;
    default:
      break;  // other kinds drift for ever
  }
  return a >= kFadeLimit;
}

void TParticle::DrawParticlesAll(float /*tween*/) {
  if (!listMade) return;
  if (DebugMode) {
    SetBlend(kBlendAlpha);
    SetRotation(0);
    DrawTextAligned("Particles:" + std::to_string(list().size()), 10, 600, 0, 0, 1, 1);
  }
  SetDrawState(255, 255, 255, 1.0f, kBlendLight);
  for (const TParticle& particle : list()) particle.DrawParticle();
  SetDrawState(255, 255, 255, 1.0f, kBlendLight);
}

TImage* TParticle::Picture() const {
  switch (typ) {
    case kFlare: return img_Flare.get();
    case kSpark: return img_Spark.get();
    case kBits: return img_Bits.get();
    case kRing: return img_Ring.get();
    case kShip: return img_Ship;
    default: return nullptr;
  }
}

void TParticle::DrawParticle() const {
  const float s = Track ? Track->scale : 1.0f;
  SetScale(s * scale, s * scale);
  SetRotation(HeadingDegrees(yvel, xvel));
  SetAlpha(a);
  if (typ == kShip) {
    SetColor(255, 255, 255);
  } else {
    SetColor(r, g, b);
  }
  DrawImage(Picture(), CameraX + x * s, CameraY + y * s, typ == kBits ? im : 0);
}
