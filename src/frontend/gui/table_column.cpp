#include "frontend/gui/table_column.h"

#include "frontend/gui/draw_state_saver.h"
#include "platform/draw.h"
#include "platform/image.h"

int kui_CentredCellX(int width, int textWidth, bool withImage, int imageWidth) {
  int x = width / 2 - textWidth / 2;
  if (withImage) x -= (imageWidth + 3) / 2;
  return x;
}

std::unique_ptr<kui_TTableColumn> kui_TTableColumn::Create(int width, const std::string& heading, TImage* image,
                                                           int imageWidth, int centre) {
  auto column = std::make_unique<kui_TTableColumn>();
  column->gWidth = width < 0 ? 0 : width;
  column->gHeading = heading;
  column->gImage = image;
  column->gImageWidth = imageWidth < 0 ? 0 : imageWidth;
  column->gCentre = centre;
  return column;
}

void kui_TTableColumn::Refresh(int rowHeight, TImageFont* font) {
  gImageShown = 0;
  if (gImage) {
    gImageY = rowHeight / 2 - ImageHeight(gImage) / 2;
    gImageShown = (gImageWidth >= ImageWidth(gImage) && gImageY >= 2) ? 1 : 0;
  }
  if (!gCentre) {
    gX = 2;
    return;
  }
  const kui_FontScope scope(font);
  gX = kui_CentredCellX(GetWidth(), TextWidth(gHeading), gImageShown != 0, gImageWidth);
}

void kui_TTableColumn::SetColour(int r, int g, int b, int set) {
  if (ValidSet(set)) gColour[size_t(set)] = kui_RGB{r, g, b};
}

void kui_TTableColumn::SetTextColour(int r, int g, int b, int set) {
  if (ValidSet(set)) gTextColour[size_t(set)] = kui_RGB{r, g, b};
}

void kui_TTableColumn::SetAlpha(float alpha, int set) {
  if (ValidSet(set)) gAlpha[size_t(set)] = alpha;
}

void kui_TTableColumn::SetTextAlpha(float alpha, int set) {
  if (ValidSet(set)) gTextAlpha[size_t(set)] = alpha;
}

void kui_TTableColumn::ResetColours(int set) {
  if (!ValidSet(set)) return;
  gColour[size_t(set)].reset();
  gTextColour[size_t(set)].reset();
  gAlpha[size_t(set)] = -1;
  gTextAlpha[size_t(set)] = -1;
}
