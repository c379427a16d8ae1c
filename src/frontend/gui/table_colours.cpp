// The table's colour sets: rows, selection and heading, for the table or one column.
#include "frontend/gui/table.h"

void kui_TTable::SetColour(int r, int g, int b, int index, int extra) {
  if (!kui_TTableColumn::ValidSet(index)) return;
  if (extra >= 0) {
    if (ValidColumn(extra)) gColumns[size_t(extra)]->SetColour(r, g, b, index);
    return;
  }
  gColourSets[size_t(index)] = {r, g, b};
  if (index == ROWS_SET) gColour = {r, g, b};
}

void kui_TTable::HexColour(const std::string& hex, int index, int extra) {
  kui_RGB rgb;
  if (kui_ParseHexColour(hex, rgb)) SetColour(rgb[0], rgb[1], rgb[2], index, extra);
}

void kui_TTable::SetTextColour(int r, int g, int b, int index, int extra) {
  if (!kui_TTableColumn::ValidSet(index)) return;
  if (extra >= 0) {
    if (ValidColumn(extra)) gColumns[size_t(extra)]->SetTextColour(r, g, b, index);
    return;
  }
  gTextColourSets[size_t(index)] = {r, g, b};
  if (index == ROWS_SET) gTextColour = {r, g, b};
}

void kui_TTable::HexTextColour(const std::string& hex, int index, int extra) {
  kui_RGB rgb;
  if (kui_ParseHexColour(hex, rgb)) SetTextColour(rgb[0], rgb[1], rgb[2], index, extra);
}

void kui_TTable::SetAlpha(float alpha, int index, int extra) {
  if (!kui_TTableColumn::ValidSet(index)) return;
  if (extra >= 0) {
    if (ValidColumn(extra)) gColumns[size_t(extra)]->SetAlpha(alpha, index);
    return;
  }
  gAlphaSets[size_t(index)] = alpha;
  if (index == ROWS_SET) gAlpha = alpha;
}

void kui_TTable::SetTextAlpha(float alpha, int index, int extra) {
  if (!kui_TTableColumn::ValidSet(index)) return;
  if (extra >= 0) {
    if (ValidColumn(extra)) gColumns[size_t(extra)]->SetTextAlpha(alpha, index);
    return;
  }
  gTextAlphaSets[size_t(index)] = alpha;
  if (index == ROWS_SET) gTextAlpha = alpha;
}
