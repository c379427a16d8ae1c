#include "race/star_field.h"

#include <cmath>

#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "shell/asset_loaders.h"
#include "shell/random.h"

std::unique_ptr<StarField> Stars;
ImagePtr Star::img_Star;
bool Star::pictureTried = false;

namespace {

constexpr int kLayers = 8;
// Far from zero, so that the positions wrapped round the screen never change sign.
constexpr double kScrollOffset = 10000;

// Where a star at coordinate p, moved by the scroll times its depth, wraps into 0..size.
double Wrapped(double size, double p) { return size - std::fabs(std::fmod(p, size)); }

}  // namespace

Star Star::Create(double x, double y, double z, double intensity) {
  if (!pictureTried) {
    pictureTried = true;
    img_Star = LoadImageChecked("Media/Interface/Star.png");
    if (img_Star) MidHandleImage(img_Star.get());
  }
  Star star;
  star.x = x;
  star.y = y;
  star.z = z;
  star.intensity = intensity;
  return star;
}

bool Star::IsPicture() const { return intensity / 512 > 0.25; }

void Star::render(double px, double py) const {
  const double w = GraphicsWidth(), h = GraphicsHeight();
  if (w <= 0 || h <= 0) return;
  SetAlpha(float(intensity / 255));
  const double sx = Wrapped(w, x + px * z);
  const double sy = Wrapped(h, y + py * z);
  if (IsPicture()) {
    const float size = float(intensity / 512);
    SetColor(255, 255, 255);
    SetScale(size, size);
    DrawImage(img_Star.get(), float(sx), float(sy));
  } else {
    const int grey = int(intensity);
    SetColor(grey, grey, grey);
    Plot(float(sx), float(sy));
  }
}

std::unique_ptr<StarField> StarField::Create(int n) {
  auto field = std::make_unique<StarField>();
  if (n <= 0) return field;
  field->starList.reserve(size_t(n) * kLayers);
  const float w = float(GraphicsWidth()), h = float(GraphicsHeight());
  for (int layer = 1; layer <= kLayers; ++layer) {
    for (int k = 0; k < n; ++k) {
      const double x = Rnd(0, w);
      const double y = Rnd(0, h);
      const double z = Rnd(float(8 * layer - 4), float(8 * layer + 4));
      field->starList.push_back(Star::Create(x, y, z, 32.0 * layer - 1));
    }
  }
  return field;
}

void StarField::draw(double x, double y, double zoom) const {
  const double px = std::fabs(x * zoom + kScrollOffset);
  const double py = std::fabs(y * zoom + kScrollOffset);
  for (const Star& star : starList) star.render(px, py);
  // What follows draws at full size and opacity, in white.
  SetScale(1, 1);
  SetAlpha(1);
  SetColor(255, 255, 255);
}
