// Draws a race-like frame (2,000 textured additive quads, 200 glow lines, 50 texts) and
// prints the median and 95th-percentile frame time at 800 x 600 and 1920 x 1080.
// Each frame is read back before the clock is read, so the figures include the drawing.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "built_in_files.h"
#include "platform/clock.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/glow_line.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/image_font.h"
#include "shell/random.h"

namespace {

constexpr int kQuads = 2000, kLines = 200, kTexts = 50;
constexpr int kWarmUpFrames = 5, kFrames = 60;

ImagePtr MakeSpark() {
  TPixmap spark(48, 48, kPixelRGBA8888);
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 48; ++x) {
      const float d = std::hypot(float(x) - 23.5f, float(y) - 23.5f) / 24.0f;
      spark.WritePixel(x, y, uint32_t(std::max(0.0f, 1.0f - d) * 255.0f) << 24 | 0xFFFFFF);
    }
  }
  return LoadImage(spark, -1);  // the flags the game loads its pictures with
}

struct TScene {
  ImagePtr spark = MakeSpark();
  ImageFontPtr font = LoadImageFont("incbin::Inc/trebucbd.ttf", 22, kSmoothFont);
};

void DrawQuads(const TScene& scene, int width, int height) {
  SetBlend(kBlendLight);
  MidHandleImage(scene.spark.get());
  for (int i = 0; i < kQuads; ++i) {
    SetColor(Rand(64, 255), Rand(64, 255), Rand(64, 255));
    SetRotation(Rnd(0, 360));
    DrawImage(scene.spark.get(), Rnd(0, float(width)), Rnd(0, float(height)));
  }
  SetTransform(0, 1, 1);
}

void DrawGlowLines(const TScene& scene, int width, int height) {
  SetBlend(kBlendLight);
  SetColor(255, 255, 255);
  for (int i = 0; i < kLines; ++i) {
    TPoly::Line(scene.spark.get(), 0, Rnd(0, float(width)), Rnd(0, float(height)), 0xFF00FF66u, Rnd(0, float(width)),
                Rnd(0, float(height)), 0xFF0066FFu, 8, true, false);
  }
}

void DrawTexts(const TScene& scene, int width, int height) {
  SetBlend(kBlendAlpha);
  SetImageFont(scene.font.get());
  for (int i = 0; i < kTexts; ++i) DrawText("Lap 2 / 3  01:23:45", Rnd(0, float(width - 200)), Rnd(0, float(height - 30)));
  SetImageFont(nullptr);
}

// Milliseconds the drawing took, waiting for it to reach the back buffer.
int Timed(void (*draw)(const TScene&, int, int), const TScene& scene, int width, int height) {
  const int start = MilliSecs();
  draw(scene, width, height);
  GrabPixmap(0, 0, 1, 1);
  return MilliSecs() - start;
}

int Percentile(std::vector<int> times, double fraction) {
  std::sort(times.begin(), times.end());
  const size_t index = std::min(times.size() - 1, size_t(fraction * double(times.size() - 1) + 0.5));
  return times[index];
}

bool Measure(int width, int height) {
  if (!Graphics(width, height, 0, 0)) return false;
  const TScene scene;
  std::vector<int> frames, quads, lines, texts;
  for (int frame = 0; frame < kWarmUpFrames + kFrames; ++frame) {
    SeedRnd(uint64_t(frame));
    const int start = MilliSecs();
    Cls();
    const int quadMs = Timed(DrawQuads, scene, width, height);
    const int lineMs = Timed(DrawGlowLines, scene, width, height);
    const int textMs = Timed(DrawTexts, scene, width, height);
    const int frameMs = MilliSecs() - start;
    Flip(0);
    if (frame < kWarmUpFrames) continue;
    frames.push_back(frameMs);
    quads.push_back(quadMs);
    lines.push_back(lineMs);
    texts.push_back(textMs);
  }
  std::printf("bench_draw %dx%d: median %d ms, 95th percentile %d ms per frame (%d frames; %d quads, %d glow lines, "
              "%d texts)\n",
              width, height, Percentile(frames, 0.5), Percentile(frames, 0.95), kFrames, kQuads, kLines, kTexts);
  std::printf("bench_draw %dx%d: medians by part: quads %d ms, glow lines %d ms, texts %d ms\n", width, height,
              Percentile(quads, 0.5), Percentile(lines, 0.5), Percentile(texts, 0.5));
  EndGraphics();
  return true;
}

}  // namespace

int main() {
  RegisterBuiltInFiles();
  SetFramePacing(false);
  SetGraphicsTitle("bench_draw");
  for (const auto& [width, height] : {std::pair{800, 600}, std::pair{1920, 1080}}) {
    if (!Measure(width, height)) {
      std::printf("bench_draw: no display for a %dx%d window; run it under xvfb-run\n", width, height);
      return 0;
    }
  }
  return 0;
}
