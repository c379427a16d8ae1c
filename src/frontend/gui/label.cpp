#include "frontend/gui/label.h"

#include <memory>
#include <sstream>

#include "frontend/gui/draw_state_saver.h"
#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/skin_file.h"
#include "platform/draw.h"
#include "platform/draw_state.h"

kui_TLabel* kui_TLabel::Create(const std::string& name, const std::string& text, float x, float y, float w, float h,
                               int xAlign, int yAlign, kui_TGadget* parent) {
  kui_TLabel* label = kui_GUI::Adopt(std::make_unique<kui_TLabel>());
  label->PopulateGadget(name, x, y, w, h, parent);
  label->gXAlign = xAlign;
  label->gYAlign = yAlign;
  label->SetText(text);
  return label;
}

void kui_TLabel::SetText(const std::string& text) {
  gOrigText = text;
  Refresh();
}

void kui_TLabel::SetXAlign(int align) {
  gXAlign = align;
  Refresh();
}

void kui_TLabel::SetYAlign(int align) {
  gYAlign = align;
  Refresh();
}

void kui_TLabel::SetBackground(int flag) {
  gBackground = flag;
  Refresh();
}

void kui_TLabel::SetDimensions(float w, float h) {
  gW = w;
  gH = h;
  Refresh();
}

void kui_TLabel::WrapLines(int limit) {
  gText.clear();
  if (int(gW) == 0) {
    gText.push_back(gOrigText);
    return;
  }
  std::istringstream words(gOrigText);
  std::string line, word;
  while (std::getline(words, word, ' ')) {
    if (line.empty()) {
      line = word;
    } else if (TextWidth(line + " " + word) <= limit) {
      line += " " + word;
    } else {
      gText.push_back(line);
      line = word;
    }
  }
  gText.push_back(line);
}

void kui_TLabel::Refresh() {
  const kui_FontScope font(gFont);
  const int b = gBackground ? 2 : 0;
  const int lh = TextHeight("");
  WrapLines(gBackground ? int(gW) - 4 : int(gW));
  const int lines = int(gText.size());
  const int total = (lh + 3) * lines - 3;
  int y0 = b;
  if (gYAlign == 1) y0 = int(gH / 2 - float(total / 2));
  if (gYAlign == 2) y0 = int(gH - float(total + b));
  gTX.assign(size_t(lines), b);
  gTY.assign(size_t(lines), 0);
  for (int i = 0; i < lines; ++i) {
    const int width = TextWidth(gText[size_t(i)]);
    gTY[size_t(i)] = y0 + (lh + 3) * i;
    if (gXAlign == 1) gTX[size_t(i)] = int(gW / 2) - width / 2;
    if (gXAlign == 2) gTX[size_t(i)] = int(gW - float(b + width));
  }
}

void kui_TLabel::Render(float parentX, float parentY) {
  if (gHidden) return;
  const float x = float(int(parentX + gX)), y = float(int(parentY + gY));
  if (gBackground) {
    SetColor(gColour[0], gColour[1], gColour[2]);
    ::SetAlpha(gAlpha);
    DrawRect(x, y, float(int(gW)), float(int(gH)));
  }
  UseFont();
  SetColor(gTextColour[0], gTextColour[1], gTextColour[2]);
  ::SetAlpha(gTextAlpha);
  for (size_t i = 0; i < gText.size(); ++i) DrawText(gText[i], x + float(gTX[i]), y + float(gTY[i]));
  kui_TGadget::Render(parentX, parentY);
}

kui_TGadget* kui_MakeLabel(const kui_TSkinElement& e) {
  xmlTextReaderPtr r = e.reader;
  kui_TLabel* label = kui_TLabel::Create(e.name, e.text, float(e.x), float(e.y), float(e.w), float(e.h),
                                         kui_ToInt(XmlAttribute(r, "xalign")), kui_ToInt(XmlAttribute(r, "yalign")),
                                         e.parent);
  if (XmlAttribute(r, "background") == "true") label->SetBackground(1);
  return label;
}
