// The base of every interface gadget: a rectangle in a tree, drawn parent first and
// updated topmost child first, with colours, a font and a mouse state.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "frontend/gui/event.h"

class TImageFont;

using kui_RGB = std::array<int, 3>;

class kui_TGadget {
 public:
  static constexpr int IDLE_STATE = 0;
  static constexpr int MOUSEOVER_STATE = 1;
  static constexpr int MOUSEDOWN_STATE = 2;
  static constexpr int MOUSERELEASE_STATE = 3;
  static constexpr int BOUNDARY = 2;
  static constexpr int DOUBLEBOUNDARY = 4;

  kui_TGadget() = default;
  kui_TGadget(const kui_TGadget&) = delete;
  kui_TGadget& operator=(const kui_TGadget&) = delete;
  virtual ~kui_TGadget() = default;

  std::string gName;
  float gX = 0, gY = 0;
  float gW = 0, gH = 0;
  kui_TGadget* gParent = nullptr;
  std::vector<kui_TGadget*> gChildren;  // owned by the toolkit, in drawing order
  kui_RGB gColour{255, 255, 255};
  kui_RGB gTextColour{0, 0, 0};
  float gAlpha = 1.0f;
  float gTextAlpha = 1.0f;
  TImageFont* gFont = nullptr;  // null: the built-in font
  int gHidden = 0;
  int gState = IDLE_STATE;
  std::vector<kui_TEvent> gChildEvents;
  int gHasChildEvents = 0;
  int gRenderBoundaries = 1;

  // Where the gadget stood on screen at its last update (its parent's position plus its own).
  float gScreenX = 0, gScreenY = 0;
  // 1 for a caption that lets the mouse through to the gadget it labels.
  int gMouseThrough = 0;

  virtual void PopulateGadget(const std::string& name, float x, float y, float w, float h, kui_TGadget* parent);
  virtual void Render(float parentX, float parentY);
  virtual void Update(float parentX, float parentY);
  virtual void UpdateMouseOver();
  virtual void UpdateMouseDown();
  virtual void UpdateMouseRelease();
  virtual float AbsoluteX() const;
  virtual float AbsoluteY() const;
  virtual void PositionGadget(float x, float y);
  virtual void SetTopLeft(float x, float y);
  virtual void MoveGadget(float dx, float dy);
  virtual void SetDimensions(float w, float h);
  virtual void ChangeDimensions(float dw, float dh);
  virtual void SetColour(int r, int g, int b, int index = 0, int extra = -1);
  virtual void HexColour(const std::string& hex, int index = 0, int extra = -1);
  virtual void SetTextColour(int r, int g, int b, int index = 0, int extra = -1);
  virtual void HexTextColour(const std::string& hex, int index = 0, int extra = -1);
  virtual void SetAlpha(float alpha, int index = 0, int extra = -1);
  virtual void SetTextAlpha(float alpha, int index = 0, int extra = -1);
  virtual void SetFont(const std::string& name);
  virtual void Hide();
  virtual void Show();
  virtual void ToggleDisplay();
  virtual kui_TGadget* GetPanel();
  virtual void AddChild(kui_TGadget* child);
  virtual kui_TGadget* GetChild(const std::string& name);
  virtual void Refresh();
  virtual void AddChildEvent(const kui_TEvent& event);
  virtual void SetChildEvents(int flag);

  // Panels route the mouse; the toolkit asks.
  virtual bool IsPanel() const { return false; }
  // True when ancestor is this gadget or one of its parents.
  bool DescendsFrom(const kui_TGadget* ancestor) const;

 protected:
  // The mouse test at the gadget's screen position; round gadgets override it.
  virtual bool MouseInside() const;
  // The base part of Update and Render: the children, at this gadget's position.
  void UpdateChildren();
  void RenderChildren(float x, float y);
  // Sets the drawing font to the gadget's.
  void UseFont() const;
};

// Parses "RRGGBB" (a leading "$" or "#" is allowed); false when it is not six hex digits.
bool kui_ParseHexColour(const std::string& hex, kui_RGB& out);
// Equal ignoring ASCII case.
bool kui_SameName(const std::string& a, const std::string& b);
