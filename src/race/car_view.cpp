// How the ships look in the race view: each ship's picture with its shield glows, the
// fading copies it leaves behind at speed, and its marker on the race map.
#include <algorithm>

#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/render_driver.h"
#include "race/car.h"
#include "race/race_tunables.h"
#include "shell/colour.h"
#include "shell/draw_helpers.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "shell/random.h"
#include "track/track.h"

namespace {

// Ships and copies this far outside the window are not drawn.
constexpr float kMargin = 32;
// A copy fades and shrinks every update until it is too faint or too small to see.
constexpr float kBlurFade = 0.85f;
constexpr float kBlurShrink = 0.9f;
constexpr float kBlurMinAlpha = 0.05f;
constexpr float kBlurMinScale = 0.1f;
// The race map draws a 256-pixel tile as 16 pixels.
constexpr float kMapDivisor = 16;

float ViewScale() { return Track ? Track->scale : 1.0f; }

bool NearScreen(float px, float py) {
  return px > -kMargin && px < float(ScreenW) + kMargin && py > -kMargin && py < float(ScreenH) + kMargin;
}

void SetShipColour(const std::string& colour) {
  int r = 255, g = 255, b = 255;
  ParseColour(colour, r, g, b);
  SetColor(r, g, b);
}

}  // namespace

void TCar::DrawAll(float tween) {
  for (TCar* ship : list()) ship->Draw(tween);
  for (TCar* ship : list()) ship->DrawBlur(tween);
  SetScale(1, 1);
  SetRotation(0);
}

void TCar::Draw(float tween) {
  const float s = ViewScale();
  SetScale(s, s);
  const float wx = x * tween + oldx * (1 - tween);
  const float wy = y * tween + oldy * (1 - tween);
  const float prevx = Track ? Track->prevcamerax : CameraX;
  const float prevy = Track ? Track->prevcameray : CameraY;
  const float px = CameraX * tween + prevx * (1 - tween) + wx * s;
  const float py = CameraY * tween + prevy * (1 - tween) + wy * s;

  SetDrawState(255, 255, 255, 1, kBlendLight);
  SetRotation(direction);
  if (damage < 100 && NearScreen(px, py)) DrawImage(img.get(), px, py);

  // The glow shows even for a destroyed or off-screen ship.
  if (weaponshieldalpha > 0) {
    SetColor(Rand(1, 255), Rand(1, 255), Rand(1, 255));
    SetAlpha(weaponshieldalpha);
    SetScale(s * 1.2f, s * 1.2f);
    DrawImage(ImgShield.get(), px, py);
    SetColor(255, 255, 255);
    SetScale(s, s);
  } else if (shieldalpha > 0) {
    SetShipColour(colour);
    SetAlpha(shieldalpha);
    SetScale(s, s);
    DrawImage(ImgShield.get(), px, py);
    SetColor(255, 255, 255);
  }

  SetRotation(0);
  SetDrawState(255, 255, 255, 1, kBlendLight);
  if (RaceTune.showcollcircles) {
    for (const TCollCircle* circle : {&coll_fleft, &coll_fright, &coll_left, &coll_right}) circle->Draw();
  }
  SetAlpha(1);
}

void TCar::UpdateBlur() {
  const float standard = RaceTune.topspeed_standard;
  if (standard > 0 && GameTime > lastblur && speed > standard * 0.5f) {
    float f = 0.2f;
    if (kers > 0) f += kers / 100;
    l_blur.push_back(TBlur::CreateBlur(int(x), int(y), f * speed / standard, direction));
    lastblur = GameTime;
  }
  for (TBlur& copy : l_blur) {
    copy.a *= kBlurFade;
    copy.s *= kBlurShrink;
  }
  std::erase_if(l_blur, [](const TBlur& copy) { return copy.a < kBlurMinAlpha || copy.s < kBlurMinScale; });
}

// Copies stand where the ship was at the current camera: they do not move between updates.
void TCar::DrawBlur(float) {
  const float s = ViewScale();
  SetColor(255, 255, 255);
  for (const TBlur& copy : l_blur) {
    SetAlpha(copy.a);
    SetRotation(copy.r);
    SetScale(copy.s * s, copy.s * s);
    const float px = float(int(CameraX + copy.x * s));
    const float py = float(int(CameraY + copy.y * s));
    if (NearScreen(px, py)) DrawImage(img.get(), px, py);
  }
  SetScale(1, 1);
}

void TCar::DrawAllMini() {
  SetScale(0.5f, 0.5f);
  SetDrawState(255, 255, 255, 1, kBlendLight);
  for (TCar* ship : list()) ship->DrawMini();
  SetScale(1, 1);
  SetRotation(0);
}

void TCar::DrawMini() {
  const float ox = Track ? float(Track->mapoffsetx) : 0;
  const float oy = Track ? float(Track->mapoffsety) : 0;
  const float mx = ox + x / kMapDivisor;
  const float my = oy + y / kMapDivisor;
  SetAlpha(damage >= 100 ? 0.25f : 1.0f);
  if (IsHuman()) {
    SetScale(0.3f, 0.3f);
    SetShipColour(colour);
    DrawImage(ImgShield.get(), mx, my);
    SetColor(255, 255, 255);
  }
  SetRotation(direction);
  SetScale(0.4f, 0.4f);
  DrawImage(img.get(), mx, my);
}

// In world pixels, drawn through the current camera and zoom.
void TCollCircle::Draw() const {
  const float s = ViewScale();
  const float radius = mysize * s;
  SetScale(1, 1);
  SetAlpha(0.5f);
  if (mystate) {
    SetColor(255, 0, 0);
  } else {
    SetColor(255, 255, 255);
  }
  DrawOval(CameraX + float(myx) * s - radius, CameraY + float(myy) * s - radius, radius * 2, radius * 2);
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetScale(s, s);
}
