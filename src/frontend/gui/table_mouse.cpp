// The table and the mouse: the row and column under it, the wheel, and choosing a row.
#include "frontend/gui/gui.h"
#include "frontend/gui/gui_input.h"
#include "frontend/gui/scroll_bar.h"
#include "frontend/gui/table.h"

bool kui_TTable::MouseInRows() const {
  kui_TInput& input = kui_GUI::Input();
  const int x = int(gScreenX), top = int(gScreenY) + RowsTop();
  const int mx = input.MouseX(), my = input.MouseY();
  return mx >= x && mx < x + int(gW) && my >= top && my < int(gScreenY) + int(gH);
}

void kui_TTable::Update(float parentX, float parentY) {
  gOY = -gScroll->GetValue();
  kui_TGadget::Update(parentX, parentY);
  // Away from the table the wheel scrolls nothing here.
  if (gState != MOUSEOVER_STATE) gOZ = kui_GUI::Input().MouseZ();
}

void kui_TTable::UpdateMouseOver() {
  kui_TGadget::UpdateMouseOver();
  kui_TInput& input = kui_GUI::Input();
  gHiRow = -1;
  gHiColumn = -1;
  if (MouseInRows()) {
    gHiRow = (input.MouseY() - (int(gScreenY) + RowsTop() + gOY)) / (gIH + 2);
    int spanEnd = int(gScreenX) - 1;
    for (int c = 0; c < CountColumns(); ++c) {
      if (gColumns[size_t(c)]->gWidth <= 0) continue;
      spanEnd += gColumns[size_t(c)]->GetWidth() + 3;
      if (spanEnd >= input.MouseX()) {
        gHiColumn = c;
        break;
      }
    }
  }
  if (gHiRow >= 0 && gHiRow < CountItems()) kui_GUI::SetCursor(1);
  // However far the wheel turned, one frame scrolls one row.
  const int z = input.MouseZ();
  if (z > gOZ) gScroll->ApplyPart(kui_TScrollBar::DEC_PART);
  if (z < gOZ) gScroll->ApplyPart(kui_TScrollBar::INC_PART);
  gOZ = z;
  gOY = -gScroll->GetValue();
}

void kui_TTable::UpdateMouseDown() {
  if (gHiRow >= 0 && gHiRow < CountItems()) kui_GUI::SetCursor(2);
  kui_TGadget::UpdateMouseDown();
}

void kui_TTable::UpdateMouseRelease() {
  kui_TGadget::UpdateMouseRelease();
  if (!MouseInRows() || gHiRow < 0 || gHiRow >= CountItems()) return;
  SelectItem(gHiRow);
  kui_PostEvent(KUI_EVENT_GADGETSELECT, this, GetData(gHiRow), gHiColumn, gHiRow, GetText(gHiRow, gHiColumn));
}
