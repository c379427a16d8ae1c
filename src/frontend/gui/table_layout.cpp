// The table's layout: the scroll bar beside the columns, and the columns' share of its room.
#include "frontend/gui/scroll_bar.h"
#include "frontend/gui/table.h"

namespace {
constexpr int kScrollRoom = 18;  // 15 for the bar, 3 for the gap
}

void kui_TTable::ShareReduction(bool scrollShown) {
  int positive = 0;
  for (const auto& column : gColumns) positive += column->gWidth > 0 ? 1 : 0;
  for (size_t i = 0; i < gColumns.size(); ++i) {
    kui_TTableColumn& column = *gColumns[i];
    column.gReduction = 0;
    // With no column of positive width there is nothing to take the room from.
    if (!scrollShown || positive == 0 || column.gWidth <= 0) continue;
    column.gReduction = kScrollRoom / positive + (int(i) < kScrollRoom % positive ? 1 : 0);
  }
}

// The scroll bar is a sibling: it is placed again from the table's new position.
void kui_TTable::MoveGadget(float dx, float dy) {
  kui_TGadget::MoveGadget(dx, dy);
  Refresh();
}

void kui_TTable::Refresh() {
  if (!gScroll) return;
  int total = -3;
  for (const auto& column : gColumns) total += column->gWidth > 0 ? column->gWidth + 3 : 0;
  const int length = int(gH - float((gIH + 3) * gHeader));
  gScroll->gX = float(int(gX + float(total) - 15));
  gScroll->gY = float(int(gY + float((gIH + 3) * gHeader)));
  gScroll->SetLength(float(length));
  gScroll->SetMaxAndRange(CountItems() * (gIH + 2) - 2, length);
  const bool scrollShown = gScroll->GetRange() < gScroll->GetMax();
  gScroll->gHidden = (scrollShown && !gHidden) ? 0 : 1;
  ShareReduction(scrollShown);
  if (scrollShown) total -= kScrollRoom;
  for (auto& column : gColumns) {
    if (column->gWidth > 0) column->Refresh(gIH, gFont);
  }
  gW = float(total);
  for (auto& item : gItems) item->Refresh(gIH, gColumns, gFont);
  gOY = -gScroll->GetValue();
}
