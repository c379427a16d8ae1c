#include "frontend/gui/text_field.h"

#include <algorithm>
#include <memory>

#include "frontend/gui/draw_state_saver.h"
#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/gui_input.h"
#include "frontend/gui/skin_file.h"
#include "frontend/gui/skin_images.h"
#include "frontend/gui/text_chars.h"
#include "platform/clock.h"
#include "platform/draw.h"
#include "platform/draw_state.h"

namespace {

constexpr const char* kFieldImage = "/graphics/textfield.png";
constexpr const char* kSearchImage = "/graphics/search.png";
constexpr int kKeyBackspace = 8, kKeyTab = 9, kKeyEnter = 13, kKeyEnd = 35, kKeyHome = 36;
constexpr int kKeyLeft = 37, kKeyRight = 39, kKeyDelete = 46;

}  // namespace

kui_TTextField* kui_TTextField::Create(const std::string& name, const std::string& text, float x, float y, float w,
                                       float h, int search, kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TTextField* field = kui_GUI::Adopt(std::make_unique<kui_TTextField>());
  field->PopulateGadget(name, x, y, w, h, parent);
  field->gSearch = search;
  field->SetText(text);
  return field;
}

void kui_TTextField::RefreshSkin() {
  kui_LoadSkinImage(kFieldImage, kui_Cut::NineSlice);
  kui_LoadSkinImage(kSearchImage, kui_Cut::Whole);
}

void kui_TTextField::SetText(const std::string& text) {
  gText = text;
  gCursor = std::min(gCursor, int(kui_Chars(gText).size()));
  Refresh();
}

void kui_TTextField::RemoveText(int from, int to) {
  std::u32string chars = kui_Chars(gText);
  from = std::clamp(from, 0, int(chars.size()));
  to = std::clamp(to, from, int(chars.size()));
  chars.erase(size_t(from), size_t(to - from));
  gText = kui_Utf8(chars);
  if (gCursor > to) {
    gCursor -= to - from;
  } else if (gCursor > from) {
    gCursor = from;
  }
  Refresh();
}

void kui_TTextField::TextBackspace() {
  if (gCursor > 0) RemoveText(gCursor - 1, gCursor);
}

void kui_TTextField::TextDelete() { RemoveText(gCursor, gCursor + 1); }

void kui_TTextField::SetCursor(int index) {
  gCursor = std::clamp(index, 0, int(kui_Chars(gText).size()));
  Refresh();
}

void kui_TTextField::SetMouseCursor(int x) {
  const kui_FontScope font(gFont);
  const int distance = x - int(gScreenX) - 3 - gTX;
  const std::u32string chars = kui_Chars(gText);
  if (distance >= TextWidth(gText)) {
    SetCursor(int(chars.size()));
    return;
  }
  // The boundary nearest to the click; on a tie the later one.
  int best = 0, bestGap = distance < 0 ? -distance : distance;
  for (int i = 1; i <= int(chars.size()); ++i) {
    const int gap = std::abs(TextWidth(kui_Utf8(chars.substr(0, size_t(i)))) - distance);
    if (gap <= bestGap) {
      best = i;
      bestGap = gap;
    }
  }
  SetCursor(best);
}

void kui_TTextField::Refresh() {
  const kui_FontScope font(gFont);
  gCX = TextWidth(kui_Utf8(kui_Chars(gText).substr(0, size_t(gCursor))));
  if (gCX + gTX > int(gW) - 5) gTX = int(gW - 5 - float(gCX));
  if (gCX + gTX < 0) gTX = -gCX;
}

void kui_TTextField::Insert(char32_t c) {
  std::u32string chars = kui_Chars(gText);
  chars.insert(size_t(gCursor), 1, c);
  gText = kui_Utf8(chars);
  SetCursor(gCursor + 1);
}

void kui_TTextField::Deactivate() {
  kui_GUI::ClearActiveGadget();
  gState = IDLE_STATE;
  gMode = IDLE_MODE;
  if (gSearchHandler) {
    gSearchHandler(gText);
  } else {
    kui_PostEvent(KUI_EVENT_GADGETACTION, this, 0, 0, 0, gText);
  }
}

bool kui_TTextField::OverSearchIcon() const {
  if (!gSearch) return false;
  kui_TInput& input = kui_GUI::Input();
  const int x = int(gScreenX + gW) - 17, y = int(gScreenY);
  return input.MouseX() >= x && input.MouseX() < x + 12 && input.MouseY() >= y && input.MouseY() < y + 17;
}

bool kui_TTextField::InTextArea() const {
  kui_TInput& input = kui_GUI::Input();
  const int right = int(gScreenX + gW) - (gSearch ? 20 : 0);
  return MouseInside() && input.MouseX() < right;
}

void kui_TTextField::UpdateMouseOver() {
  kui_GUI::SetCursor(OverSearchIcon() ? 1 : 3);
  kui_TGadget::UpdateMouseOver();
}

void kui_TTextField::UpdateMouseDown() {
  const bool pressedNow = gState != MOUSEDOWN_STATE;
  kui_TGadget::UpdateMouseDown();
  if (pressedNow && gMode == IDLE_MODE) kui_GUI::Input().FlushKeys();
  gMode = INPUT_MODE;
  gMillisecs = MilliSecs();
  if (InTextArea()) SetMouseCursor(kui_GUI::Input().MouseX());
  if (OverSearchIcon()) kui_GUI::SetCursor(2);
}

void kui_TTextField::UpdateMouseRelease() {
  if (gSearch && OverSearchIcon()) {
    Deactivate();
    return;
  }
  gState = MOUSERELEASE_STATE;
  if (MouseInside()) return;  // still editing: the field keeps the mouse and the keys
  gMode = IDLE_MODE;
  gState = IDLE_STATE;
  kui_GUI::ClearActiveGadget();
}

void kui_TTextField::HandleKeys() {
  kui_TInput& input = kui_GUI::Input();
  bool edited = false;
  const auto hit = [&](int code) { return input.KeyHit(code) ? (edited = true) : false; };
  if (hit(kKeyLeft)) SetCursor(gCursor - 1);
  if (hit(kKeyRight)) SetCursor(gCursor + 1);
  if (hit(kKeyEnd)) SetCursor(int(kui_Chars(gText).size()));
  if (hit(kKeyHome)) SetCursor(0);
  if (hit(kKeyBackspace)) TextBackspace();
  if (hit(kKeyDelete)) TextDelete();
  if (hit(kKeyEnter) || hit(kKeyTab)) {
    Deactivate();
    gMillisecs = MilliSecs();
    return;
  }
  for (int c = input.GetChar(); c != 0; c = input.GetChar()) {
    if (c < 32) continue;
    Insert(char32_t(c));
    edited = true;
  }
  if (edited) gMillisecs = MilliSecs();
}

void kui_TTextField::Update(float parentX, float parentY) {
  kui_TGadget::Update(parentX, parentY);
  if (gMode != INPUT_MODE) return;
  if (gState != MOUSEDOWN_STATE && kui_GUI::MousePressed()) UpdateMouseDown();
  if (gMode == INPUT_MODE) HandleKeys();
}

void kui_TTextField::Render(float parentX, float parentY) {
  if (gHidden) return;
  const float x = float(int(parentX + gX)), y = float(int(parentY + gY));
  SetColor(gColour[0], gColour[1], gColour[2]);
  ::SetAlpha(gAlpha);
  kui_DrawNineSlice(kui_SkinImage(kFieldImage), x, y, gW, gH);
  if (gSearch && kui_SkinImage(kSearchImage)) {
    DrawImage(kui_SkinImage(kSearchImage), x + gW - 16, y + float(int((gH - 2) / 2)) - 4);
  }
  {
    kui_DrawStateSaver saved;
    kui_ClipTo(int(x) + 2, int(y) + 2, int(gW) - (gSearch ? 20 : 4), int(gH) - 4);
    UseFont();
    SetColor(gTextColour[0], gTextColour[1], gTextColour[2]);
    ::SetAlpha(gTextAlpha);
    DrawText(gText, x + float(gTX) + 2, y + 3);
    if (gMode == INPUT_MODE && (MilliSecs() - gMillisecs) % 1000 < 500) {
      SetColor(0, 0, 0);
      const float cx = x + float(gCX + gTX) + 2;
      DrawLine(cx, y + 2, cx, y + gH - 4);
    }
  }
  kui_TGadget::Render(parentX, parentY);
}

kui_TGadget* kui_MakeTextField(const kui_TSkinElement& e) {
  const int search = XmlAttribute(e.reader, "search") == "true" ? 1 : 0;
  return kui_TTextField::Create(e.name, e.text, float(e.x), float(e.y), float(e.w), float(e.h), search, e.parent);
}
