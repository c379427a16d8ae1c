// The skin's pictures, loaded from the skin folder by each gadget type and drawn from there.
#pragma once

#include <string>

class TImage;

enum class kui_Cut {
  Whole,      // one frame
  NineSlice,  // 15 x 15 cut into nine 5 x 5 tiles, row by row
  TwoFrames,  // a strip of two 15 x 15 frames
};

// Loads SkinPath() + name (replacing an earlier load); null when missing.
TImage* kui_LoadSkinImage(const std::string& name, kui_Cut cut);
// The picture loaded under that name, or null.
TImage* kui_SkinImage(const std::string& name);

// A nine-slice background over (x, y, w, h) in the current colour; without a border the
// centre tile covers everything. Nothing when the picture is missing.
void kui_DrawNineSlice(TImage* slices, float x, float y, float w, float h, bool border = true);

// A thumb picture cut into its two ends (three pixels each) and the middle line that is
// stretched between them: 15 x 7 for a vertical thumb, 7 x 15 for a horizontal one.
void kui_LoadSkinThumb(const std::string& name, bool vertical);
// Draws the thumb over length pixels from (x, y) along its axis.
void kui_DrawThumb(const std::string& name, bool vertical, float x, float y, float length);
