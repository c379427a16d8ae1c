// The OpenGL 1.x fixed-function driver: immediate-mode quads, lines and strips, with the
// blend mode, the bound texture and texturing remembered so that unchanged state costs nothing.
#include <SDL_opengl.h>

#include <algorithm>

#include "platform/image_flags.h"
#include "platform/render_driver.h"

namespace {

// A copy of the picture the size of the texture; the last column and row are repeated
// once beyond the picture so that filtering at its edge does not fade into black.
TPixmap PadToTexture(const TPixmap& rgba, int texWidth, int texHeight) {
  if (rgba.width > texWidth || rgba.height > texHeight) return rgba.Resized(texWidth, texHeight);
  TPixmap out(texWidth, texHeight, kPixelRGBA8888);
  const int copyW = std::min(rgba.width + 1, texWidth), copyH = std::min(rgba.height + 1, texHeight);
  for (int y = 0; y < copyH; ++y) {
    for (int x = 0; x < copyW; ++x) {
      out.WritePixel(x, y, rgba.ReadPixel(std::min(x, rgba.width - 1), std::min(y, rgba.height - 1)));
    }
  }
  return out;
}

bool SizeAccepted(int width, int height) {
  glTexImage2D(GL_PROXY_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  GLint got = 0;
  glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &got);
  return got != 0;
}

void SetFiltering(int flags) {
  const bool filtered = flags & kFilteredImage, mipmapped = flags & kMipmappedImage;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filtered ? GL_LINEAR : GL_NEAREST);
  GLint minFilter = filtered ? GL_LINEAR : GL_NEAREST;
  if (mipmapped) minFilter = filtered ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

void Upload(const TPixmap& level, int index) {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, index, GL_RGBA8, level.width, level.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               level.pixels.data());
}

void Emit(const TDrawVertex& v, bool textured) {
  glColor4ub(v.r, v.g, v.b, v.a);
  if (textured) glTexCoord2f(v.u, v.v);
  glVertex2f(v.x, v.y);
}

class TGLDriver : public TRenderDriver {
 public:
  TGLDriver(int width, int height) : height_(height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_SCISSOR_TEST);
    glShadeModel(GL_SMOOTH);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  }

  bool Headless() const override { return false; }

  void SetBlend(int mode) override {
    if (mode == blend_) return;
    blend_ = mode;
    glDisable(GL_ALPHA_TEST);
    switch (mode) {
      case kBlendMask:
        glDisable(GL_BLEND);
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GEQUAL, 0.5f);
        break;
      case kBlendAlpha: Blend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA); break;
      case kBlendLight: Blend(GL_SRC_ALPHA, GL_ONE); break;
      case kBlendShade: Blend(GL_DST_COLOR, GL_ZERO); break;
      default: glDisable(GL_BLEND); break;
    }
  }

  void SetScissor(bool enabled, int x, int y, int w, int h) override {
    if (!enabled) {
      glDisable(GL_SCISSOR_TEST);
      return;
    }
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, height_ - y - h, std::max(w, 0), std::max(h, 0));
  }

  void SetLineWidth(float width) override {
    if (width == lineWidth_) return;
    lineWidth_ = width;
    glLineWidth(width);
  }

  void Clear(int r, int g, int b) override {
    glClearColor(float(r) / 255.0f, float(g) / 255.0f, float(b) / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
  }

  void DrawQuad(unsigned texture, const TDrawVertex corners[4]) override {
    UseTexture(texture);
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) Emit(corners[i], texture != 0);
    glEnd();
  }

  void DrawTriangleStrip(unsigned texture, const TDrawVertex* vertices, int count) override {
    UseTexture(texture);
    glBegin(GL_TRIANGLE_STRIP);
    for (int i = 0; i < count; ++i) Emit(vertices[i], texture != 0);
    glEnd();
  }

  void DrawPolygon(const TDrawVertex* vertices, int count) override {
    UseTexture(0);
    glBegin(GL_POLYGON);
    for (int i = 0; i < count; ++i) Emit(vertices[i], false);
    glEnd();
  }

  void DrawLine(const TDrawVertex& from, const TDrawVertex& to) override {
    UseTexture(0);
    glBegin(GL_LINES);
    Emit(from, false);
    Emit(to, false);
    glEnd();
  }

  void DrawPoint(const TDrawVertex& point) override {
    UseTexture(0);
    glBegin(GL_POINTS);
    Emit(point, false);
    glEnd();
  }

  TTextureInfo CreateTexture(const TPixmap& rgba, int flags) override {
    TTextureInfo info{0, NextPowerOfTwo(rgba.width), NextPowerOfTwo(rgba.height)};
    while (!SizeAccepted(info.width, info.height) && (info.width > 1 || info.height > 1)) {
      info.width = std::max(info.width / 2, 1);
      info.height = std::max(info.height / 2, 1);
    }
    const bool shrunk = info.width < rgba.width || info.height < rgba.height;
    info.u1 = shrunk ? 1.0f : float(rgba.width) / float(info.width);
    info.v1 = shrunk ? 1.0f : float(rgba.height) / float(info.height);
    glGenTextures(1, &info.name);
    BindTexture(info.name);
    SetFiltering(flags);
    TPixmap level = PadToTexture(rgba, info.width, info.height);
    Upload(level, 0);
    for (int index = 1; (flags & kMipmappedImage) && (level.width > 1 || level.height > 1); ++index) {
      level = level.Halved();
      Upload(level, index);
    }
    return info;
  }

  void DeleteTexture(unsigned name) override {
    if (name == 0) return;
    if (bound_ == name) bound_ = 0;
    glDeleteTextures(1, &name);
  }

  TPixmap ReadPixels(int x, int y, int w, int h) override {
    TPixmap flipped(w, h, kPixelRGB888);
    if (flipped.width == 0 || flipped.height == 0) return flipped;
    TPixmap raw(w, h, kPixelRGB888);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, height_ - y - h, w, h, GL_RGB, GL_UNSIGNED_BYTE, raw.pixels.data());
    for (int row = 0; row < h; ++row) {
      std::copy_n(raw.Row(h - 1 - row), raw.pitch, flipped.Row(row));
    }
    return flipped;
  }

 private:
  void Blend(GLenum source, GLenum destination) {
    glEnable(GL_BLEND);
    glBlendFunc(source, destination);
  }

  void BindTexture(unsigned name) {
    if (name == bound_) return;
    bound_ = name;
    glBindTexture(GL_TEXTURE_2D, name);
  }

  void UseTexture(unsigned name) {
    const int wanted = name != 0 ? 1 : 0;
    if (wanted != texturing_) {
      texturing_ = wanted;
      if (wanted) {
        glEnable(GL_TEXTURE_2D);
      } else {
        glDisable(GL_TEXTURE_2D);
      }
    }
    if (name != 0) BindTexture(name);
  }

  int height_;
  int blend_ = -1;
  unsigned bound_ = 0;
  int texturing_ = 0;
  float lineWidth_ = 1.0f;
};

}  // namespace

std::unique_ptr<TRenderDriver> MakeGLDriver(int width, int height) { return std::make_unique<TGLDriver>(width, height); }
