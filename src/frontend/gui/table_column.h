// One column of a table: heading, width, room for images and its own colour overrides.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "frontend/gui/gadget.h"

class TImage;
class TImageFont;

class kui_TTableColumn {
 public:
  std::string gHeading;
  TImage* gImage = nullptr;
  int gCentre = 0;
  int gWidth = 0;
  int gReduction = 0;
  int gX = 0;
  int gImageY = 0;
  int gImageWidth = 0;
  int gImageShown = 0;  // 0 when the heading image does not fit
  std::array<std::optional<kui_RGB>, 3> gColour;
  std::array<std::optional<kui_RGB>, 3> gTextColour;
  std::array<float, 3> gAlpha{-1, -1, -1};
  std::array<float, 3> gTextAlpha{-1, -1, -1};

  static std::unique_ptr<kui_TTableColumn> Create(int width, const std::string& heading, TImage* image,
                                                  int imageWidth, int centre);
  void Refresh(int rowHeight, TImageFont* font);
  int GetWidth() const { return gWidth - gReduction; }
  void SetColour(int r, int g, int b, int set);
  void SetTextColour(int r, int g, int b, int set);
  void SetAlpha(float alpha, int set);
  void SetTextAlpha(float alpha, int set);
  void ResetColours(int set);
  bool HasColour(int set) const { return ValidSet(set) && gColour[size_t(set)].has_value(); }
  bool HasTextColour(int set) const { return ValidSet(set) && gTextColour[size_t(set)].has_value(); }
  bool HasAlpha(int set) const { return ValidSet(set) && gAlpha[size_t(set)] >= 0; }
  bool HasTextAlpha(int set) const { return ValidSet(set) && gTextAlpha[size_t(set)] >= 0; }

  static bool ValidSet(int set) { return set >= 0 && set < 3; }
};

// Where a centred text starts in a cell: half the width less half the text, less half the
// image room when an image is shown.
int kui_CentredCellX(int width, int textWidth, bool withImage, int imageWidth);
