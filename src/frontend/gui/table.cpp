// The table's rows and columns: filling, choosing and reading.
#include "frontend/gui/table.h"

#include <algorithm>

#include "frontend/gui/gui.h"
#include "frontend/gui/scroll_bar.h"
#include "frontend/locale.h"

kui_TTable* kui_TTable::Create(const std::string& name, float x, float y, float h, const std::string& heading,
                               int width, TImage* image, int imageWidth, int rowHeight, int header,
                               kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TTable* table = kui_GUI::Adopt(std::make_unique<kui_TTable>());
  table->PopulateGadget(name, x, y, 0, h, parent);
  table->gIH = rowHeight == 0 ? 20 : rowHeight;
  table->gHeader = header ? 1 : 0;
  const float length = h - float(table->gIH) - 3;
  table->gScroll =
      kui_TScrollBar::Create(name + ":Scroll", x + 2, y + float(table->gIH) + 3, length, 0, 0, int(length), parent);
  table->gScroll->SetInc(table->gIH + 2);
  table->gScroll->SetBigInc(10 * table->gIH + 20);
  table->AddColumn(width, heading, image, imageWidth, 0);
  table->Refresh();
  return table;
}

void kui_TTable::AddColumn(int width, const std::string& heading, TImage* image, int imageWidth, int centre) {
  const std::string text = heading.empty() ? heading : TLocale::getText(heading);
  gColumns.push_back(kui_TTableColumn::Create(width, text, image, imageWidth, centre));
  for (auto& item : gItems) item->Fit(gColumns.size());
  Refresh();
}

void kui_TTable::SetColumnWidth(int column, int width) {
  if (!ValidColumn(column)) return;
  gColumns[size_t(column)]->gWidth = std::max(0, width);
  Refresh();
}

void kui_TTable::SetColumnWidthAll(const std::vector<int>& widths) {
  for (size_t i = 0; i < widths.size() && i < gColumns.size(); ++i) gColumns[i]->gWidth = std::max(0, widths[i]);
  Refresh();
}

void kui_TTable::SetColumnTextAll(const std::vector<std::string>& headings) {
  for (size_t i = 0; i < headings.size() && i < gColumns.size(); ++i) gColumns[i]->gHeading = headings[i];
  Refresh();
}

void kui_TTable::SetColumnHeading(int column, const std::string& text) {
  if (!ValidColumn(column)) return;
  gColumns[size_t(column)]->gHeading = text;
  Refresh();
}

void kui_TTable::CentreColumn(int column, int flag) {
  if (!ValidColumn(column)) return;
  gColumns[size_t(column)]->gCentre = flag ? 1 : 0;
  Refresh();
}

void kui_TTable::SetImageWidth(int column, int width) {
  if (!ValidColumn(column)) return;
  gColumns[size_t(column)]->gImageWidth = std::max(0, width);
  Refresh();
}

void kui_TTable::SetItemHighlight(int set, const kui_RGB& colour, float alpha) {
  SetColour(colour[0], colour[1], colour[2], set);
  SetAlpha(alpha, set);
}

void kui_TTable::SetBackground(int index, int flag) {
  if (index == 0 || index == 1) gBackground[size_t(index)] = flag ? 1 : 0;
}

void kui_TTable::SetHeader(int flag) {
  gHeader = flag ? 1 : 0;
  Refresh();
}

void kui_TTable::AddItem(std::vector<std::string> texts, int data, std::any extra, std::vector<TImage*> images) {
  gItems.push_back(kui_TTableItem::Create(std::move(texts), data, std::move(extra), std::move(images),
                                          gColumns.size()));
  Refresh();
}

void kui_TTable::RemoveItem(int row) {
  row = RowIndex(row);
  if (!ValidRow(row)) return;
  gItems.erase(gItems.begin() + row);
  if (gSelected == row) {
    SelectItem(-1);
  } else if (gSelected > row) {
    SelectItem(gSelected - 1);
  }
  Refresh();
}

kui_TTableItem* kui_TTable::GetItem(int row) const {
  row = RowIndex(row);
  return ValidRow(row) ? gItems[size_t(row)].get() : nullptr;
}

void kui_TTable::ClearItems() {
  gItems.clear();
  SelectItem(-1);
  Refresh();
}

void kui_TTable::SelectItem(int row) {
  gSelected = ValidRow(row) ? row : -1;
  gSelectedItem = gSelected >= 0 ? gItems[size_t(gSelected)].get() : nullptr;
}

void kui_TTable::ShowItem(int row) {
  gScroll->SetValue(row <= 0 ? 0 : row * gScroll->gInc);
  gOY = -gScroll->GetValue();
}

std::string kui_TTable::GetText(int row, int column) const {
  const kui_TTableItem* item = GetItem(row);
  return item ? item->GetText(column) : std::string();
}

std::vector<std::string> kui_TTable::GetAllText(int row) const {
  const kui_TTableItem* item = GetItem(row);
  return item ? item->gText : std::vector<std::string>();
}

TImage* kui_TTable::GetImage(int row, int column) const {
  const kui_TTableItem* item = GetItem(row);
  return item ? item->GetImage(column) : nullptr;
}

std::vector<TImage*> kui_TTable::GetAllImages(int row) const {
  const kui_TTableItem* item = GetItem(row);
  return item ? item->gImage : std::vector<TImage*>();
}

int kui_TTable::GetImageY(int row, int column) const {
  const kui_TTableItem* item = GetItem(row);
  return item && ValidColumn(column) ? item->gImageY[size_t(column)] : 0;
}

int kui_TTable::GetData(int row) const {
  const kui_TTableItem* item = GetItem(row);
  return item ? item->gData : 0;
}

std::any kui_TTable::GetExtra(int row) const {
  const kui_TTableItem* item = GetItem(row);
  return item ? item->gExtra : std::any();
}

void kui_TTable::SetText(int row, int column, const std::string& text) {
  kui_TTableItem* item = GetItem(row);
  if (!item || !ValidColumn(column)) return;
  item->gText[size_t(column)] = text;
  Refresh();
}

void kui_TTable::SetAllText(int row, const std::vector<std::string>& texts) {
  kui_TTableItem* item = GetItem(row);
  if (!item) return;
  item->gText = texts;
  Refresh();
}

void kui_TTable::SetImage(int row, int column, TImage* image) {
  kui_TTableItem* item = GetItem(row);
  if (!item || !ValidColumn(column)) return;
  item->gImage[size_t(column)] = image;
  Refresh();
}

void kui_TTable::SetAllImages(int row, const std::vector<TImage*>& images) {
  kui_TTableItem* item = GetItem(row);
  if (!item) return;
  item->gImage = images;
  Refresh();
}

void kui_TTable::SetData(int row, int data) {
  if (kui_TTableItem* item = GetItem(row)) item->gData = data;
}

void kui_TTable::SetExtra(int row, std::any extra) {
  if (kui_TTableItem* item = GetItem(row)) item->gExtra = std::move(extra);
}

int kui_TTable::FindData(int data, int from) const {
  for (int row = std::max(0, from); row < CountItems(); ++row) {
    if (gItems[size_t(row)]->gData == data) return row;
  }
  return -1;
}

void kui_TTable::Hide() {
  kui_TGadget::Hide();
  gScroll->gHidden = 1;
}

void kui_TTable::Show() {
  kui_TGadget::Show();
  Refresh();
}
