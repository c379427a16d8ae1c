// One row of a table: a text and an optional image per column, with the row's data.
#pragma once

#include <any>
#include <memory>
#include <string>
#include <vector>

class TImage;
class TImageFont;
class kui_TTableColumn;

class kui_TTableItem {
 public:
  std::vector<std::string> gText;
  std::vector<TImage*> gImage;
  std::vector<int> gImageY;
  std::vector<int> gX;
  std::vector<int> gImageShown;  // 0 where the cell image does not fit its column
  int gData = 0;
  std::any gExtra;

  // The arrays are padded or cut to the number of columns.
  static std::unique_ptr<kui_TTableItem> Create(std::vector<std::string> texts, int data, std::any extra,
                                                std::vector<TImage*> images, size_t columns);
  void Fit(size_t columns);
  void Refresh(int rowHeight, const std::vector<std::unique_ptr<kui_TTableColumn>>& columns, TImageFont* font);
  std::string GetText(int column) const;
  TImage* GetImage(int column) const;
};
