// What the drawing layer asks of a back end: the OpenGL one draws into the window, the
// headless one accepts every call and draws nothing.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/pixmap.h"

// A corner of a drawn shape: window position, texture coordinate and colour.
struct TDrawVertex {
  float x = 0, y = 0;
  float u = 0, v = 0;
  uint8_t r = 255, g = 255, b = 255, a = 255;
};

// The size a texture of a width x height picture got, and the name it has (0 headless).
// u1, v1: where the picture ends in the texture (below 1 when the texture is larger).
struct TTextureInfo {
  unsigned name = 0;
  int width = 0;
  int height = 0;
  float u1 = 1;
  float v1 = 1;
};

inline constexpr int kBlendMask = 1;
inline constexpr int kBlendSolid = 2;
inline constexpr int kBlendAlpha = 3;
inline constexpr int kBlendLight = 4;
inline constexpr int kBlendShade = 5;

class TRenderDriver {
 public:
  virtual ~TRenderDriver() = default;
  virtual bool Headless() const = 0;

  virtual void SetBlend(int mode) = 0;
  // Clip rectangle in window pixels, y from the top; off when enabled is false.
  virtual void SetScissor(bool enabled, int x, int y, int w, int h) = 0;
  virtual void SetLineWidth(float width) = 0;
  virtual void Clear(int r, int g, int b) = 0;

  // texture 0 draws untextured. Quads take corners in drawing order.
  virtual void DrawQuad(unsigned texture, const TDrawVertex corners[4]) = 0;
  virtual void DrawTriangleStrip(unsigned texture, const TDrawVertex* vertices, int count) = 0;
  virtual void DrawPolygon(const TDrawVertex* vertices, int count) = 0;
  virtual void DrawLine(const TDrawVertex& from, const TDrawVertex& to) = 0;
  virtual void DrawPoint(const TDrawVertex& point) = 0;

  // Uploads a picture (with its mip levels when mipmapped) into a texture whose size is
  // the picture's rounded up to powers of two.
  virtual TTextureInfo CreateTexture(const TPixmap& rgba, int flags) = 0;
  virtual void DeleteTexture(unsigned name) = 0;
  // Reads a rectangle of the back buffer (y from the top) as RGB.
  virtual TPixmap ReadPixels(int x, int y, int w, int h) = 0;
};

// The driver that draws nothing.
std::unique_ptr<TRenderDriver> MakeHeadlessDriver();
// The OpenGL 1.x driver for the current context of a width x height window.
std::unique_ptr<TRenderDriver> MakeGLDriver(int width, int height);

// The next power of two at or above n (1 for n < 1).
int NextPowerOfTwo(int n);
