// The headless driver: no window, every call accepted, nothing drawn. Pictures are still
// loaded and measured, so the race runner and the tests read the same sizes as the game.
#include "platform/render_driver.h"

namespace {

class THeadlessDriver : public TRenderDriver {
 public:
  bool Headless() const override { return true; }
  void SetBlend(int) override {}
  void SetScissor(bool, int, int, int, int) override {}
  void SetLineWidth(float) override {}
  void Clear(int, int, int) override {}
  void DrawQuad(unsigned, const TDrawVertex*) override {}
  void DrawTriangleStrip(unsigned, const TDrawVertex*, int) override {}
  void DrawPolygon(const TDrawVertex*, int) override {}
  void DrawLine(const TDrawVertex&, const TDrawVertex&) override {}
  void DrawPoint(const TDrawVertex&) override {}
  TTextureInfo CreateTexture(const TPixmap& rgba, int) override {
    TTextureInfo info{0, NextPowerOfTwo(rgba.width), NextPowerOfTwo(rgba.height)};
    info.u1 = float(rgba.width) / float(info.width);
    info.v1 = float(rgba.height) / float(info.height);
    return info;
  }
  void DeleteTexture(unsigned) override {}
  // A black picture: screenshots of a headless run are still written.
  TPixmap ReadPixels(int, int, int w, int h) override { return TPixmap(w, h, kPixelRGB888); }
};

}  // namespace

std::unique_ptr<TRenderDriver> MakeHeadlessDriver() { return std::make_unique<THeadlessDriver>(); }

int NextPowerOfTwo(int n) {
  int size = 1;
  while (size < n && size < (1 << 30)) size <<= 1;
  return size;
}
