// Drawing a table: the heading row, then only the rows that can be seen.
#include "frontend/gui/draw_state_saver.h"
#include "frontend/gui/scroll_bar.h"
#include "frontend/gui/table.h"
#include "platform/draw.h"
#include "platform/draw_state.h"

namespace {

struct TCellColours {
  kui_RGB fill, text;
  float fillAlpha, textAlpha;
};

TCellColours ColoursOf(const kui_TTable& table, const kui_TTableColumn& column, int set) {
  const size_t s = size_t(set);
  return {column.HasColour(set) ? *column.gColour[s] : table.gColourSets[s],
          column.HasTextColour(set) ? *column.gTextColour[s] : table.gTextColourSets[s],
          column.HasAlpha(set) ? column.gAlpha[s] : table.gAlphaSets[s],
          column.HasTextAlpha(set) ? column.gTextAlpha[s] : table.gTextAlphaSets[s]};
}

void Fill(const TCellColours& c, float x, float y, float w, float h) {
  kui_SetDrawColour(c.fill.data(), c.fillAlpha);
  DrawRect(x, y, w, h);
}

}  // namespace

void kui_TTable::Render(float parentX, float parentY) {
  if (gHidden) {
    gScroll->gHidden = 1;
    return;
  }
  const float x = float(int(parentX + gX)), y = float(int(parentY + gY));
  kui_DrawStateSaver saved;
  UseFont();
  if (gHeader) RenderHeading(x, y);
  RenderRows(x, y);
  kui_TGadget::Render(parentX, parentY);
}

void kui_TTable::RenderHeading(float x, float y) {
  float cx = 0;
  for (const auto& columnPtr : gColumns) {
    const kui_TTableColumn& column = *columnPtr;
    if (column.gWidth <= 0) continue;
    const float width = float(column.GetWidth());
    const TCellColours colours = ColoursOf(*this, column, HEADING_SET);
    if (gBackground[1]) Fill(colours, x + cx, y, width, float(gIH));
    kui_DrawStateSaver cell;
    kui_ClipTo(int(x + cx), int(y), int(width), gIH);
    float move = 0;
    if (column.gImage && column.gImageShown && column.gImageWidth > 0) {
      SetColor(255, 255, 255);
      ::SetAlpha(1);
      DrawImage(column.gImage, x + cx + 3 + float(column.gX), y + float(column.gImageY));
      move = float(column.gImageWidth + 3);
    }
    kui_SetDrawColour(colours.text.data(), colours.textAlpha);
    DrawText(column.gHeading, x + cx + 1 + float(column.gX) + move, y + 3);
    cx += width + 3;
  }
}

void kui_TTable::RenderCell(const kui_TTableColumn& column, const kui_TTableItem& item, size_t c, float cx, float top,
                            bool selected) {
  const float width = float(column.GetWidth());
  const TCellColours colours = ColoursOf(*this, column, selected ? SELECTION_SET : ROWS_SET);
  if (gBackground[0]) Fill(colours, cx, top, width, float(gIH));
  kui_DrawStateSaver cell;
  kui_ClipTo(int(cx), int(top), int(width), gIH);
  float move = 0;
  if (item.gImage[c] && item.gImageShown[c] && column.gImageWidth > 0) {
    SetColor(255, 255, 255);
    ::SetAlpha(1);
    DrawImage(item.gImage[c], cx + 3 + float(item.gX[c]), top + float(item.gImageY[c]));
  }
  if (column.gImageWidth > 0 && item.gImage[c]) move = float(column.gImageWidth + 3);
  kui_SetDrawColour(colours.text.data(), colours.textAlpha);
  DrawText(item.gText[c], cx + 1 + float(item.gX[c]) + move, top + 3);
}

void kui_TTable::RenderRows(float x, float y) {
  const float rowsTop = y + float(RowsTop());
  const float rowsHeight = gH - float(RowsTop());
  kui_DrawStateSaver saved;
  kui_ClipTo(int(x), int(rowsTop), int(gW), int(rowsHeight));
  for (int r = 0; r < CountItems(); ++r) {
    const float top = y + float((gIH + 2) * (r + gHeader) + gOY);
    // Only the rows that can be seen cost anything.
    if (top + float(gIH) < rowsTop || top >= rowsTop + rowsHeight) continue;
    const kui_TTableItem& item = *gItems[size_t(r)];
    float cx = 0;
    for (size_t c = 0; c < gColumns.size(); ++c) {
      const kui_TTableColumn& column = *gColumns[c];
      if (column.gWidth <= 0) continue;
      RenderCell(column, item, c, x + cx, top, r == gSelected);
      cx += float(column.GetWidth() + 3);
    }
  }
}
