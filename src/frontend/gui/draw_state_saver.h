// Keeps the drawing state of its creation and puts it back when it goes, so a gadget can
// change colour, clipping and font freely while it draws.
#pragma once

class TImageFont;

class kui_DrawStateSaver {
 public:
  kui_DrawStateSaver();
  ~kui_DrawStateSaver();
  kui_DrawStateSaver(const kui_DrawStateSaver&) = delete;
  kui_DrawStateSaver& operator=(const kui_DrawStateSaver&) = delete;

 private:
  int r_ = 255, g_ = 255, b_ = 255;
  float alpha_ = 1;
  int blend_ = 1;
  int vx_ = 0, vy_ = 0, vw_ = 0, vh_ = 0;
  float originX_ = 0, originY_ = 0;
  float handleX_ = 0, handleY_ = 0;
  float rotation_ = 0, scaleX_ = 1, scaleY_ = 1;
  TImageFont* font_ = nullptr;
};

// Narrows the clip rectangle to (x, y, w, h) within the current one.
void kui_ClipTo(int x, int y, int w, int h);
// Sets colour and alpha in one go.
void kui_SetDrawColour(const int rgb[3], float alpha);

// Selects a font for measuring text and puts the previous one back when it goes.
class kui_FontScope {
 public:
  explicit kui_FontScope(TImageFont* font);
  ~kui_FontScope();
  kui_FontScope(const kui_FontScope&) = delete;
  kui_FontScope& operator=(const kui_FontScope&) = delete;

 private:
  TImageFont* previous_ = nullptr;
};
