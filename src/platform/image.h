// Images: drawable pictures of one or more frames, each frame a texture made on first draw.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/image_flags.h"
#include "platform/pixmap.h"

// One frame's texture in the context it was made in.
class TGLImageFrame {
 public:
  TGLImageFrame() = default;
  TGLImageFrame(const TGLImageFrame&) = delete;
  TGLImageFrame& operator=(const TGLImageFrame&) = delete;
  ~TGLImageFrame();

  float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
  float uscale = 1, vscale = 1;  // image size / texture size
  unsigned name = 0;
  int seq = 0;
  int texture_width = 0, texture_height = 0;

  // Draws the source rectangle (sx, sy, sw, sh) of a width x height frame as the quad
  // (x0, y0) .. (x1, y1), put through the current transform and placed at (tx, ty).
  void Draw(float x0, float y0, float x1, float y1, float tx, float ty, float sx, float sy, float sw, float sh,
            int frameWidth, int frameHeight);
};

class TImage {
 public:
  TImage(int width, int height, int frames, int flags);
  TImage(const TImage&) = delete;
  TImage& operator=(const TImage&) = delete;

  int width = 0;
  int height = 0;
  int flags = 0;
  int mask_r = 0, mask_g = 0, mask_b = 0;
  float handle_x = 0, handle_y = 0;
  std::vector<std::unique_ptr<TPixmap>> pixmaps;
  std::vector<std::unique_ptr<TGLImageFrame>> frames;
  std::vector<int> seqs;

  int FrameCount() const { return static_cast<int>(pixmaps.size()); }
  // The frame's texture, made from its pixmap when missing or stale; null for a bad index.
  TGLImageFrame* Frame(int index);
  // The frame's pixels for writing; the texture is remade on the next draw.
  TPixmap* Lock(int frame);
  // Replaces a frame's pixels (converted to the image's size when it differs).
  void SetPixmap(int frame, const TPixmap& pixmap);
  // The pixels as uploaded: RGBA, with the mask colour made transparent where it applies.
  TPixmap UploadPixels(int frame) const;
};

using ImagePtr = std::unique_ptr<TImage>;

// A one-frame image from a PNG, JPEG or BMP location; null when missing or unreadable.
ImagePtr LoadImage(const std::string& location, int flags = -1);
ImagePtr LoadImage(const TPixmap& pixmap, int flags = -1);
// count frames of cellWidth x cellHeight cut row by row from cell index first; null when
// the sheet has fewer cells than first + count.
ImagePtr LoadAnimImage(const std::string& location, int cellWidth, int cellHeight, int first, int count,
                       int flags = -1);
ImagePtr LoadAnimImage(const TPixmap& sheet, int cellWidth, int cellHeight, int first, int count, int flags = -1);
// Transparent frames to draw into.
ImagePtr CreateImage(int width, int height, int frames = 1, int flags = -1);
// Reads back a rectangle of the back buffer (y from the top).
TPixmap GrabPixmap(int x, int y, int width, int height);

int ImageWidth(const TImage* image);
int ImageHeight(const TImage* image);
void SetImageHandle(TImage* image, float x, float y);
void MidHandleImage(TImage* image);
