#include "frontend/gui/table_item.h"

#include "frontend/gui/draw_state_saver.h"
#include "frontend/gui/table_column.h"
#include "platform/draw.h"
#include "platform/image.h"

std::unique_ptr<kui_TTableItem> kui_TTableItem::Create(std::vector<std::string> texts, int data, std::any extra,
                                                       std::vector<TImage*> images, size_t columns) {
  auto item = std::make_unique<kui_TTableItem>();
  item->gText = std::move(texts);
  item->gImage = std::move(images);
  item->gData = data;
  item->gExtra = std::move(extra);
  item->Fit(columns);
  return item;
}

void kui_TTableItem::Fit(size_t columns) {
  gText.resize(columns);
  gImage.resize(columns, nullptr);
  gImageY.resize(columns, 0);
  gX.resize(columns, 2);
  gImageShown.resize(columns, 0);
}

void kui_TTableItem::Refresh(int rowHeight, const std::vector<std::unique_ptr<kui_TTableColumn>>& columns,
                             TImageFont* font) {
  Fit(columns.size());
  const kui_FontScope scope(font);
  for (size_t i = 0; i < columns.size(); ++i) {
    const kui_TTableColumn& column = *columns[i];
    gImageShown[i] = 0;
    if (gImage[i]) {
      gImageY[i] = rowHeight / 2 - ImageHeight(gImage[i]) / 2;
      gImageShown[i] = (ImageWidth(gImage[i]) <= column.gImageWidth && gImageY[i] >= 2) ? 1 : 0;
    }
    gX[i] = column.gCentre
                ? kui_CentredCellX(column.GetWidth(), TextWidth(gText[i]), gImage[i] != nullptr, column.gImageWidth)
                : 2;
  }
}

std::string kui_TTableItem::GetText(int column) const {
  return column >= 0 && size_t(column) < gText.size() ? gText[size_t(column)] : std::string();
}

TImage* kui_TTableItem::GetImage(int column) const {
  return column >= 0 && size_t(column) < gImage.size() ? gImage[size_t(column)] : nullptr;
}
