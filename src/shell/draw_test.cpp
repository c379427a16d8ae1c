#include "shell/draw_test.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/glow_line.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/image_font.h"
#include "platform/input.h"
#include "platform/joystick.h"
#include "shell/command_line.h"
#include "shell/controls.h"
#include "shell/draw_helpers.h"
#include "shell/game_state.h"
#include "shell/game_time.h"

namespace {

constexpr int kEscape = 27;

// A glow picture: bright along its middle row, fading to nothing at its top, bottom and right.
TPixmap MakeGlowPixmap() {
  TPixmap glow(64, 32, kPixelRGBA8888);
  for (int y = 0; y < glow.height; ++y) {
    for (int x = 0; x < glow.width; ++x) {
      const float across = 1.0f - std::fabs((float(y) + 0.5f) / 16.0f - 1.0f);
      const float along = x < 32 ? 1.0f : 1.0f - float(x - 32) / 32.0f;
      glow.WritePixel(x, y, uint32_t(across * along * 255.0f) << 24 | 0xFFFFFF);
    }
  }
  return glow;
}

// A small arrow-shaped ship with a red nose, pointing along +x.
TPixmap MakeShipPixmap() {
  TPixmap ship(48, 32, kPixelRGBA8888);
  for (int y = 0; y < ship.height; ++y) {
    for (int x = 0; x < ship.width; ++x) {
      const int halfHeight = 16 * (48 - x) / 48;
      if (std::abs(y - 16) <= halfHeight) ship.WritePixel(x, y, x > 32 ? 0xFFFF4020u : 0xFF40A0FFu);
    }
  }
  return ship;
}

struct TDrawTestMedia {
  ImagePtr glow = LoadImage(MakeGlowPixmap(), kFilteredImage);
  ImagePtr ship = LoadImage(MakeShipPixmap(), kFilteredImage | kMipmappedImage);
  ImageFontPtr sans = LoadImageFont("incbin::Inc/trebucbd.ttf", 22, kSmoothFont);
  ImageFontPtr techno = LoadImageFont("incbin::Inc/goodtime.ttf", 30, kSmoothFont);
};

struct TInputSeen {
  int lastKey = 0;
  std::string typed;
};

void DrawShapes(float t) {
  SetDrawState(255, 255, 255, 1.0f, kBlendAlpha);
  SetColor(200, 60, 60);
  DrawRect(40, 120, 120, 70);
  SetColor(60, 200, 90);
  DrawOval(190, 120, 120, 70);
  SetColor(250, 220, 60);
  SetLineWidth(2);
  DrawLine(340, 120, 460, 190);
  SetLineWidth(1);
  for (int i = 0; i < 40; ++i) Plot(340.0f + float(i) * 3.0f, 200.0f + 6.0f * std::sin(t * 4.0f + float(i) * 0.5f));
}

void DrawImages(const TDrawTestMedia& media, float t) {
  SetDrawState(255, 255, 255, 1.0f, kBlendAlpha);
  MidHandleImage(media.ship.get());
  for (int i = 0; i < 6; ++i) {
    SetRotation(t * 60.0f + float(i) * 60.0f);
    SetScale(1.0f + 0.3f * float(i % 3), 1.0f + 0.3f * float(i % 3));
    DrawImage(media.ship.get(), 560.0f + float(i % 3) * 80.0f, 150.0f + float(i / 3) * 80.0f);
  }
  SetTransform(0, 1, 1);
  SetBlend(kBlendLight);
  for (int i = 0; i < 5; ++i) {
    const float y = 320.0f + float(i) * 18.0f;
    TPoly::Line(media.glow.get(), 0, 60, y, 0xFF00FF66u, 360 + 40 * std::sin(t + float(i)), y + 20, 0xFF0066FFu,
                8, true, false);
  }
  TPoly::Line(media.glow.get(), 0, 420, 330, 0xFFFF6600u, 740, 400, 0x80FFFF00u, 12, false, false);
}

void DrawTexts(const TDrawTestMedia& media) {
  SetDrawState(255, 255, 255, 1.0f, kBlendAlpha);
  SetImageFont(media.techno.get());
  DrawTextAligned("QUORVEX DRAW TEST", float(GraphicsWidth() / 2), 20, 1, 0, 1, 1);
  SetImageFont(media.sans.get());
  SetColourText("$FFFFCC00");
  DrawTextAligned("Bold sans: the quick brown fox jumps over the lazy dog", 40, 450, 0, 0, 1, 1);
  SetImageFont(nullptr);
  SetColor(160, 255, 160);
  DrawTextAligned("Built-in font 0123456789 !?#$%&*()[]{}<>", 40, 485, 0, 0, 1, 1);
}

// Returns true when Escape was pressed.
bool ReadInput(TInputSeen& seen) {
  bool escape = false;
  for (int code = 1; code < 256; ++code) {
    if (!KeyHit(code)) continue;
    seen.lastKey = code;
    escape = escape || code == kEscape;
  }
  for (int c = GetChar(); c != 0; c = GetChar()) {
    if (c == 8) {
      if (!seen.typed.empty()) seen.typed.pop_back();
    } else if (c >= 32 && c < 127) {
      seen.typed += char(c);
    }
  }
  if (seen.typed.size() > 40) seen.typed.erase(0, seen.typed.size() - 40);
  return escape;
}

std::string Fixed(float value) {
  char text[16];
  std::snprintf(text, sizeof text, "%+.2f", double(value));
  return text;
}

void DrawInput(const TInputSeen& seen) {
  SetDrawState(255, 255, 255, 1.0f, kBlendAlpha);
  SetImageFont(nullptr);
  const float y = float(GraphicsHeight() - 90);
  DrawText("Key: " + std::to_string(seen.lastKey) + " " + KeyNames[seen.lastKey] + "   Typed: " + seen.typed, 20, y);
  DrawText("Mouse: " + std::to_string(MouseX()) + "," + std::to_string(MouseY()) + " wheel " +
               std::to_string(MouseZ()) + " buttons " + std::to_string(MouseDown(1)) + std::to_string(MouseDown(2)) +
               std::to_string(MouseDown(3)),
           20, y + 20);
  std::string buttons;
  for (int b = 0; b < 16; ++b) buttons += JoyDown(b) ? '1' : '0';
  DrawText("Joysticks: " + std::to_string(JoyCount()) + " X " + Fixed(JoyX()) + " Y " + Fixed(JoyY()) + " Z " +
               Fixed(JoyZ()) + " hat " + Fixed(JoyHat()) + " " + buttons,
           20, y + 40);
  SetColor(255, 255, 0);
  DrawLine(float(MouseX() - 8), float(MouseY()), float(MouseX() + 8), float(MouseY()));
  DrawLine(float(MouseX()), float(MouseY() - 8), float(MouseX()), float(MouseY() + 8));
}

}  // namespace

int RunDrawTest(const CommandLineOptions&) {
  if (HeadlessGraphics()) {
    // Headless frames take no time, so the test would never end.
    std::fprintf(stderr, "quorvex: --draw-test needs a window; leave out --headless\n");
    return 2;
  }
  SetGraphicsTitle(AppTitle + " draw test");
  if (!Graphics(ScreenW, ScreenH, 0, 60)) return 1;
  SetClsColor(10, 12, 30);
  BuildKeyNames();
  const TDrawTestMedia media;
  TInputSeen seen;
  bool quit = false;
  while (!quit && !AppTerminate()) {
    RefreshGameTime();
    const float t = float(GameTime) / 1000.0f;
    Cls();
    DrawShapes(t);
    DrawImages(media, t);
    DrawTexts(media);
    quit = ReadInput(seen);
    DrawInput(seen);
    Flip(1);
  }
  EndGraphics();
  return 0;
}
