#include "shell/controls.h"

#include <algorithm>
#include <array>

#include "platform/input.h"
#include "platform/joystick.h"
#include "shell/game_state.h"

namespace {

constexpr float kAxisThreshold = 0.4f;

TextLookup& Lookup() {
  static TextLookup lookup;
  return lookup;
}

std::string Text(const std::string& key) { return Lookup() ? Lookup()(key) : key; }

int Binding(int control) { return control >= 0 && control < kControlCount ? Controls[control] : 0; }

int AxisBindingDown(int code) {
  switch (code) {
    case -100: return JoyX(0) < -kAxisThreshold;
    case -101: return JoyX(0) > kAxisThreshold;
    case -102: return JoyY(0) < -kAxisThreshold;
    case -103: return JoyY(0) > kAxisThreshold;
    case -104:
    case -105: {
      // A Z axis reading -1.1 or lower is not there at all.
      const float z = JoyZ(0);
      if (!(z > -1.1f)) return 0;
      return code == -104 ? z < -kAxisThreshold : z > kAxisThreshold;
    }
    default: return 0;
  }
}

// Whether each control's axis binding was active when its hit was last asked.
std::array<int, kControlCount>& AxisSeenDown() {
  static std::array<int, kControlCount> seen{};
  return seen;
}

struct KeyName {
  int code;
  const char* key;
};

constexpr KeyName kNamedKeys[] = {
    {1, "key_LeftMouseButton"}, {2, "key_RightMouseButton"}, {4, "key_MiddleMouseButton"}, {8, "key_Backspace"},
    {9, "key_Tab"}, {12, "key_Clear"}, {13, "key_Enter"}, {16, "key_Shift"}, {17, "key_Control"}, {18, "key_Alt"},
    {19, "key_Pause"}, {20, "key_CapsLock"}, {27, "key_Escape"}, {32, "key_Space"}, {33, "key_PageUp"},
    {34, "key_PageDown"}, {35, "key_End"}, {36, "key_Home"}, {37, "key_CursorLeft"}, {38, "key_CursorUp"},
    {39, "key_CursorRight"}, {40, "key_CursorDown"}, {41, "key_Select"}, {42, "key_Print"}, {43, "key_Execute"},
    {44, "key_Screen"}, {45, "key_Insert"}, {46, "key_Delete"}, {47, "key_Help"}, {91, "key_SyskeyLeft"},
    {92, "key_SyskeyRight"}, {106, "key_Numpad*"}, {107, "key_Numpad+"}, {108, "key_Numpad/"}, {109, "key_Numpad-"},
    {110, "key_Numpad."}, {111, "key_Numpad/"}, {144, "key_NumLock"}, {145, "key_ScrollLock"},
    {160, "key_ShiftLeft"}, {161, "key_ShiftRight"}, {162, "key_ControlLeft"}, {163, "key_ControlRight"},
    {164, "key_AltKeyLeft"}, {165, "key_AltKeyRight"}, {186, "key_Semi-Colon"}, {187, "key_Equals"},
    {188, "key_Comma"}, {189, "key_Minus"}, {190, "key_Period"}, {191, "key_Slash"}, {192, "key_Tilde"},
    {219, "key_BracketOpen"}, {221, "key_BracketClose"}, {222, "key_Quote"}, {226, "key_Backslash"},
};

std::string AxisName(int code) {
  static const char* const kAxes[] = {" X", " Y", " Z", " R", " U"};
  if (code <= -100 && code >= -109) return Text("tla_JoyAxis") + kAxes[(-100 - code) / 2];
  static const char* const kHat[] = {"Up", "Right", "Down", "Left"};
  if (code <= -110 && code >= -113) return Text("tla_JoyHat") + " " + Text(kHat[-110 - code]);
  return std::string();
}

}  // namespace

int ControlDown(int control) {
  const int code = Binding(control);
  if (code <= -100) return AxisBindingDown(code);
  if (code < 0) return JoyDown(-code - 1, 0);
  return KeyDown(code);
}

int ControlHit(int control) {
  const int code = Binding(control);
  if (code <= -100) {
    // An axis has no presses of its own: a hit is the axis moving into its direction
    // since the control was last asked.
    const int down = AxisBindingDown(code);
    const int hit = down && !AxisSeenDown()[size_t(control)];
    AxisSeenDown()[size_t(control)] = down;
    return hit;
  }
  if (code < 0) return JoyHit(std::clamp(-code - 1, 0, 15), 0) > 0 ? 1 : 0;
  return KeyHit(code) > 0 ? 1 : 0;
}

std::string ControlName(int control) {
  const int code = Binding(control);
  if (code < -99) return AxisName(code);
  if (code < 0) return Text("tla_JoyButton") + " " + std::to_string(-code);
  return code < kKeyNameCount ? KeyNames[code] : std::string();
}

void SetControlTextLookup(TextLookup lookup) { Lookup() = std::move(lookup); }

std::string KeyNameKey(int code) {
  if (code >= 48 && code <= 57) return "key_" + std::to_string(code - 48);
  if (code >= 65 && code <= 90) return std::string("key_") + char(code);
  if (code >= 96 && code <= 105) return "key_Numpad" + std::to_string(code - 96);
  if (code >= 112 && code <= 123) return "key_F" + std::to_string(code - 111);
  for (const KeyName& named : kNamedKeys) {
    if (named.code == code) return named.key;
  }
  return std::string();
}

void BuildKeyNames(const TextLookup& lookup) {
  for (int code = 0; code < kKeyNameCount; ++code) {
    const std::string key = KeyNameKey(code);
    KeyNames[code] = key.empty() ? std::string() : (lookup ? lookup(key) : key);
  }
}
