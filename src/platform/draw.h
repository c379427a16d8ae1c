// The drawing calls: images, shapes and text in window pixels (y down, (0, 0) top left),
// all taking the current drawing state.
#pragma once

#include <string>

class TImage;

// The frame as a quad from (-handle) to (size - handle), transformed and placed at (x, y).
void DrawImage(TImage* image, float x, float y, int frame = 0);
// The same with the whole frame stretched to w x h.
void DrawImageRect(TImage* image, float x, float y, float w, float h, int frame = 0);
void DrawRect(float x, float y, float w, float h);
// With lastPixel the end point is plotted too.
void DrawLine(float x, float y, float x2, float y2, bool lastPixel = true);
// A filled ellipse inside the w x h box.
void DrawOval(float x, float y, float w, float h);
// One pixel at the position plus the origin; not transformed.
void Plot(float x, float y);
void DrawText(const std::string& text, float x, float y);
// The sum of the glyph advances, truncated after each addition.
int TextWidth(const std::string& text);
// The font's line height.
int TextHeight(const std::string& text);

// The number of outline points DrawOval uses for a w x h box.
int OvalPointCount(float w, float h);
