#include "platform/draw.h"
#include "platform/draw_transform.h"
#include "platform/image.h"

void TGLImageFrame::Draw(float x0, float y0, float x1, float y1, float tx, float ty, float sx, float sy, float sw,
                         float sh, int frameWidth, int frameHeight) {
  const float fw = frameWidth > 0 ? float(frameWidth) : 1.0f, fh = frameHeight > 0 ? float(frameHeight) : 1.0f;
  const float u0s = u0 + sx / fw * uscale, v0s = v0 + sy / fh * vscale;
  const float u1s = u0 + (sx + sw) / fw * uscale, v1s = v0 + (sy + sh) / fh * vscale;
  const TDrawVertex corners[4] = {PlaceVertex(x0, y0, tx, ty, u0s, v0s), PlaceVertex(x1, y0, tx, ty, u1s, v0s),
                                  PlaceVertex(x1, y1, tx, ty, u1s, v1s), PlaceVertex(x0, y1, tx, ty, u0s, v1s)};
  PrepareDriver().DrawQuad(name, corners);
}

namespace {

void DrawFrameQuad(TImage* image, float x, float y, float w, float h, int frame) {
  if (!image) return;
  TGLImageFrame* texture = image->Frame(frame);
  if (!texture) return;
  const float x0 = -image->handle_x, y0 = -image->handle_y;
  texture->Draw(x0, y0, x0 + w, y0 + h, x, y, 0, 0, float(image->width), float(image->height), image->width,
                image->height);
}

}  // namespace

void DrawImage(TImage* image, float x, float y, int frame) {
  if (image) DrawFrameQuad(image, x, y, float(image->width), float(image->height), frame);
}

void DrawImageRect(TImage* image, float x, float y, float w, float h, int frame) {
  DrawFrameQuad(image, x, y, w, h, frame);
}
