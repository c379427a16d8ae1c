// A table: rows under a row of column headings, with a vertical scroll bar beside it that
// appears when the rows do not fit. Releasing over a row selects it.
#pragma once

#include <any>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "frontend/gui/gadget.h"
#include "frontend/gui/table_column.h"
#include "frontend/gui/table_item.h"

class kui_TScrollBar;

class kui_TTable : public kui_TGadget {
 public:
  static constexpr int ROWS_SET = 0, SELECTION_SET = 1, HEADING_SET = 2;
  static constexpr int SELECTED_ROW = -2;

  std::vector<std::unique_ptr<kui_TTableColumn>> gColumns;
  std::vector<std::unique_ptr<kui_TTableItem>> gItems;
  int gIH = 20;
  int gHeader = 1;
  kui_TScrollBar* gScroll = nullptr;
  int gSelected = -1;
  kui_TTableItem* gSelectedItem = nullptr;
  int gOY = 0;
  int gHiRow = 0, gHiColumn = 0;
  int gOZ = 0;
  std::array<kui_RGB, 3> gColourSets{kui_RGB{255, 255, 255}, kui_RGB{0, 0, 0}, kui_RGB{255, 255, 255}};
  std::array<kui_RGB, 3> gTextColourSets{kui_RGB{0, 0, 0}, kui_RGB{255, 255, 255}, kui_RGB{0, 0, 0}};
  std::array<float, 3> gAlphaSets{1, 1, 1};
  std::array<float, 3> gTextAlphaSets{1, 1, 1};
  std::array<int, 2> gBackground{1, 1};

  void AddColumn(int width, const std::string& heading, TImage* image, int imageWidth, int centre);
  int CountColumns() const { return int(gColumns.size()); }
  void SetColumnWidth(int column, int width);
  void SetColumnWidthAll(const std::vector<int>& widths);
  void SetColumnTextAll(const std::vector<std::string>& headings);
  void SetColumnHeading(int column, const std::string& text);
  void CentreColumn(int column, int flag);
  void SetImageWidth(int column, int width);
  void SetItemHighlight(int set, const kui_RGB& colour, float alpha);
  void SetBackground(int index, int flag);
  void SetHeader(int flag);
  void AddItem(std::vector<std::string> texts, int data = 0, std::any extra = {}, std::vector<TImage*> images = {});
  void RemoveItem(int row);
  kui_TTableItem* GetItem(int row) const;
  int CountItems() const { return int(gItems.size()); }
  void ClearItems();
  // Selects the row; outside the rows selects none. No event.
  void SelectItem(int row);
  // Scrolls so that the row is at the top.
  void ShowItem(int row);
  int SelectedItem() const { return gSelected; }
  std::string GetText(int row, int column) const;
  std::vector<std::string> GetAllText(int row) const;
  TImage* GetImage(int row, int column) const;
  std::vector<TImage*> GetAllImages(int row) const;
  int GetImageY(int row, int column) const;
  int GetData(int row) const;
  std::any GetExtra(int row) const;
  void SetText(int row, int column, const std::string& text);
  void SetAllText(int row, const std::vector<std::string>& texts);
  void SetImage(int row, int column, TImage* image);
  void SetAllImages(int row, const std::vector<TImage*>& images);
  void SetData(int row, int data);
  void SetExtra(int row, std::any extra);
  // The first row at or after from whose data is data; -1 when none.
  int FindData(int data, int from = 0) const;
  static kui_TTable* Create(const std::string& name, float x, float y, float h, const std::string& heading,
                            int width, TImage* image, int imageWidth, int rowHeight, int header, kui_TGadget* parent);

  // index picks the set (0 rows, 1 selection, 2 heading); extra a column, -1 the table's own.
  void SetColour(int r, int g, int b, int index = 0, int extra = -1) override;
  void HexColour(const std::string& hex, int index = 0, int extra = -1) override;
  void SetTextColour(int r, int g, int b, int index = 0, int extra = -1) override;
  void HexTextColour(const std::string& hex, int index = 0, int extra = -1) override;
  void SetAlpha(float alpha, int index = 0, int extra = -1) override;
  void SetTextAlpha(float alpha, int index = 0, int extra = -1) override;
  void Hide() override;
  void Show() override;
  void MoveGadget(float dx, float dy) override;
  void Refresh() override;
  void Render(float parentX, float parentY) override;
  void Update(float parentX, float parentY) override;
  void UpdateMouseOver() override;
  void UpdateMouseDown() override;
  void UpdateMouseRelease() override;

 private:
  int RowIndex(int row) const { return row == SELECTED_ROW ? gSelected : row; }
  bool ValidRow(int row) const { return row >= 0 && row < CountItems(); }
  bool ValidColumn(int column) const { return column >= 0 && column < CountColumns(); }
  int RowsTop() const { return (gIH + 2) * gHeader; }
  bool MouseInRows() const;
  void ShareReduction(bool scrollShown);
  void RenderHeading(float x, float y);
  void RenderRows(float x, float y);
  void RenderCell(const kui_TTableColumn& column, const kui_TTableItem& item, size_t c, float cx, float top,
                  bool selected);
};
