#include "frontend/gui/gadget.h"

#include <algorithm>
#include <cctype>

#include "frontend/gui/draw_state_saver.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/gui_input.h"
#include "platform/draw_state.h"

bool kui_SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool kui_ParseHexColour(const std::string& hex, kui_RGB& out) {
  std::string digits = hex;
  if (!digits.empty() && (digits[0] == '$' || digits[0] == '#')) digits.erase(0, 1);
  if (digits.size() != 6 || !std::all_of(digits.begin(), digits.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c)) != 0;
      })) {
    return false;
  }
  for (int i = 0; i < 3; ++i) out[size_t(i)] = std::stoi(digits.substr(size_t(i) * 2, 2), nullptr, 16);
  return true;
}

void kui_TGadget::PopulateGadget(const std::string& name, float x, float y, float w, float h, kui_TGadget* parent) {
  gName = name;
  gX = x;
  gY = y;
  gW = w;
  gH = h;
  gFont = kui_GUI::GetFont("default");
  if (parent) parent->AddChild(this);
}

void kui_TGadget::Render(float parentX, float parentY) {
  if (gHidden) return;
  RenderChildren(parentX + gX, parentY + gY);
}

void kui_TGadget::RenderChildren(float x, float y) {
  if (gChildren.empty()) return;
  kui_DrawStateSaver saved;
  const int inset = gRenderBoundaries ? BOUNDARY : 0;
  kui_ClipTo(int(x) + inset, int(y) + inset, int(gW) - 2 * inset, int(gH) - 2 * inset);
  for (kui_TGadget* child : gChildren) child->Render(x, y);
}

void kui_TGadget::Update(float parentX, float parentY) {
  gChildEvents.clear();
  gScreenX = parentX + gX;
  gScreenY = parentY + gY;
  kui_TInput& input = kui_GUI::Input();
  if (gState == MOUSEDOWN_STATE) {
    if (input.MouseDown(1)) {
      UpdateMouseDown();
    } else {
      UpdateMouseRelease();
    }
    return;
  }
  if (gHidden) return;
  UpdateChildren();
  gState = IDLE_STATE;
  if (gMouseThrough || !kui_GUI::ActiveGadget(this)) return;
  if (MouseInside()) {
    UpdateMouseOver();
    if (input.MouseDown(1)) UpdateMouseDown();
  }
}

void kui_TGadget::UpdateChildren() {
  // A copy: a child's handler may add gadgets.
  const std::vector<kui_TGadget*> children = gChildren;
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    (*it)->Update(gScreenX, gScreenY);
  }
}

void kui_TGadget::UpdateMouseOver() {
  gState = MOUSEOVER_STATE;
  kui_TInput& input = kui_GUI::Input();
  kui_GUI::SetMouseOver(this, input.MouseX() - int(gScreenX), input.MouseY() - int(gScreenY));
}

void kui_TGadget::UpdateMouseDown() {
  kui_GUI::SetActiveGadget(this);
  gState = MOUSEDOWN_STATE;
}

void kui_TGadget::UpdateMouseRelease() {
  kui_GUI::ClearActiveGadget();
  gState = MOUSERELEASE_STATE;
}

bool kui_TGadget::MouseInside() const {
  kui_TInput& input = kui_GUI::Input();
  const int x = int(gScreenX), y = int(gScreenY);
  const int mx = input.MouseX(), my = input.MouseY();
  return mx >= x && my >= y && mx < x + int(gW) && my < y + int(gH);
}

float kui_TGadget::AbsoluteX() const { return gParent ? gX + gParent->AbsoluteX() : 0; }
float kui_TGadget::AbsoluteY() const { return gParent ? gY + gParent->AbsoluteY() : 0; }

void kui_TGadget::PositionGadget(float x, float y) {
  gX = x;
  gY = y;
  Refresh();
}

void kui_TGadget::SetTopLeft(float x, float y) { PositionGadget(x, y); }

void kui_TGadget::MoveGadget(float dx, float dy) {
  gX += dx;
  gY += dy;
}

void kui_TGadget::SetDimensions(float w, float h) {
  gW = w;
  gH = h;
  Refresh();
}

void kui_TGadget::ChangeDimensions(float dw, float dh) { SetDimensions(gW + dw, gH + dh); }

void kui_TGadget::SetColour(int r, int g, int b, int, int) { gColour = {r, g, b}; }

void kui_TGadget::HexColour(const std::string& hex, int index, int extra) {
  kui_RGB rgb;
  if (kui_ParseHexColour(hex, rgb)) SetColour(rgb[0], rgb[1], rgb[2], index, extra);
}

void kui_TGadget::SetTextColour(int r, int g, int b, int, int) { gTextColour = {r, g, b}; }

void kui_TGadget::HexTextColour(const std::string& hex, int index, int extra) {
  kui_RGB rgb;
  if (kui_ParseHexColour(hex, rgb)) SetTextColour(rgb[0], rgb[1], rgb[2], index, extra);
}

void kui_TGadget::SetAlpha(float alpha, int, int) { gAlpha = alpha; }
void kui_TGadget::SetTextAlpha(float alpha, int, int) { gTextAlpha = alpha; }

void kui_TGadget::SetFont(const std::string& name) {
  gFont = kui_GUI::GetFont(name);
  Refresh();
}

void kui_TGadget::Hide() {
  gHidden = 1;
  kui_PostEvent(KUI_EVENT_HIDE, this);
}

void kui_TGadget::Show() {
  gHidden = 0;
  kui_PostEvent(KUI_EVENT_SHOW, this);
}

void kui_TGadget::ToggleDisplay() {
  if (gHidden) {
    Show();
  } else {
    Hide();
  }
}

kui_TGadget* kui_TGadget::GetPanel() {
  for (kui_TGadget* g = gParent; g; g = g->gParent) {
    if (g->IsPanel()) return g;
  }
  return nullptr;
}

void kui_TGadget::AddChild(kui_TGadget* child) {
  if (!child) return;
  gChildren.push_back(child);
  child->gParent = this;
}

kui_TGadget* kui_TGadget::GetChild(const std::string& name) {
  if (name.empty()) return nullptr;
  for (kui_TGadget* child : gChildren) {
    if (kui_SameName(child->gName, name)) return child;
  }
  return nullptr;
}

void kui_TGadget::Refresh() {}

void kui_TGadget::AddChildEvent(const kui_TEvent& event) {
  if (gHasChildEvents) gChildEvents.push_back(event);
}

void kui_TGadget::SetChildEvents(int flag) { gHasChildEvents = flag; }

bool kui_TGadget::DescendsFrom(const kui_TGadget* ancestor) const {
  for (const kui_TGadget* g = this; g; g = g->gParent) {
    if (g == ancestor) return true;
  }
  return false;
}

void kui_TGadget::UseFont() const { SetImageFont(gFont); }
