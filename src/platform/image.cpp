#include "platform/image.h"

#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "platform/render_driver.h"

TGLImageFrame::~TGLImageFrame() {
  // A texture of an earlier context went with that context.
  if (name != 0 && seq == GraphicsSeq()) RenderDriver().DeleteTexture(name);
}

TImage::TImage(int w, int h, int frameCount, int imageFlags) : width(w), height(h), flags(imageFlags) {
  GetMaskColor(mask_r, mask_g, mask_b);
  for (int i = 0; i < frameCount; ++i) {
    pixmaps.push_back(std::make_unique<TPixmap>(w, h, kPixelRGBA8888));
    frames.push_back(nullptr);
    seqs.push_back(0);
  }
}

TPixmap TImage::UploadPixels(int frame) const {
  const TPixmap& source = *pixmaps[size_t(frame)];
  if (source.HasAlpha()) return source.Convert(kPixelRGBA8888);
  TPixmap rgba = source.Convert(kPixelRGBA8888);
  if (!(flags & kMaskedImage)) return rgba;
  const uint32_t mask = 0xFF000000u | uint32_t(mask_r) << 16 | uint32_t(mask_g) << 8 | uint32_t(mask_b);
  for (int y = 0; y < rgba.height; ++y) {
    for (int x = 0; x < rgba.width; ++x) {
      if (rgba.ReadPixel(x, y) == mask) rgba.WritePixel(x, y, mask & 0x00FFFFFFu);
    }
  }
  return rgba;
}

TGLImageFrame* TImage::Frame(int index) {
  if (index < 0 || index >= FrameCount()) return nullptr;
  const size_t i = size_t(index);
  if (frames[i] && seqs[i] == GraphicsSeq()) return frames[i].get();
  auto frame = std::make_unique<TGLImageFrame>();
  const TTextureInfo info = RenderDriver().CreateTexture(UploadPixels(index), flags);
  frame->name = info.name;
  frame->seq = GraphicsSeq();
  frame->texture_width = info.width;
  frame->texture_height = info.height;
  frame->u1 = frame->uscale = info.u1;
  frame->v1 = frame->vscale = info.v1;
  frames[i] = std::move(frame);
  seqs[i] = GraphicsSeq();
  return frames[i].get();
}

TPixmap* TImage::Lock(int frame) {
  if (frame < 0 || frame >= FrameCount()) return nullptr;
  seqs[size_t(frame)] = 0;
  return pixmaps[size_t(frame)].get();
}

void TImage::SetPixmap(int frame, const TPixmap& pixmap) {
  if (frame < 0 || frame >= FrameCount()) return;
  const TPixmap sized = pixmap.width == width && pixmap.height == height ? pixmap : pixmap.Resized(width, height);
  pixmaps[size_t(frame)] = std::make_unique<TPixmap>(sized);
  seqs[size_t(frame)] = 0;
}

ImagePtr LoadImage(const TPixmap& pixmap, int flags) {
  if (pixmap.width <= 0 || pixmap.height <= 0) return nullptr;
  auto image = std::make_unique<TImage>(pixmap.width, pixmap.height, 1, ResolveImageFlags(flags));
  image->pixmaps[0] = std::make_unique<TPixmap>(pixmap);
  return image;
}

ImagePtr LoadImage(const std::string& location, int flags) {
  const PixmapPtr pixmap = LoadPixmap(location);
  return pixmap ? LoadImage(*pixmap, flags) : nullptr;
}

ImagePtr LoadAnimImage(const TPixmap& sheet, int cellWidth, int cellHeight, int first, int count, int flags) {
  if (cellWidth <= 0 || cellHeight <= 0 || first < 0 || count <= 0) return nullptr;
  const int across = sheet.width / cellWidth;
  const int cells = across * (sheet.height / cellHeight);
  if (cells < first + count) return nullptr;
  auto image = std::make_unique<TImage>(cellWidth, cellHeight, count, ResolveImageFlags(flags));
  for (int i = 0; i < count; ++i) {
    const int cell = first + i;
    image->pixmaps[size_t(i)] = std::make_unique<TPixmap>(
        sheet.Window((cell % across) * cellWidth, (cell / across) * cellHeight, cellWidth, cellHeight));
  }
  return image;
}

ImagePtr LoadAnimImage(const std::string& location, int cellWidth, int cellHeight, int first, int count,
                       int flags) {
  const PixmapPtr sheet = LoadPixmap(location);
  return sheet ? LoadAnimImage(*sheet, cellWidth, cellHeight, first, count, flags) : nullptr;
}

ImagePtr CreateImage(int width, int height, int frames, int flags) {
  if (width <= 0 || height <= 0 || frames <= 0) return nullptr;
  return std::make_unique<TImage>(width, height, frames, ResolveImageFlags(flags));
}

TPixmap GrabPixmap(int x, int y, int width, int height) { return RenderDriver().ReadPixels(x, y, width, height); }

int ImageWidth(const TImage* image) { return image ? image->width : 0; }
int ImageHeight(const TImage* image) { return image ? image->height : 0; }

void SetImageHandle(TImage* image, float x, float y) {
  if (!image) return;
  image->handle_x = x;
  image->handle_y = y;
}

void MidHandleImage(TImage* image) {
  if (image) SetImageHandle(image, float(image->width) * 0.5f, float(image->height) * 0.5f);
}
