#include "platform/sdl_events.h"

#include <string>

#include "platform/utf8.h"
#include "platform/key_codes.h"

namespace {

bool FromOtherWindow(uint32_t eventWindow, uint32_t ours) { return ours != 0 && eventWindow != 0 && eventWindow != ours; }

int GameButton(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
  }
}

int HeldButton(Uint32 state) {
  if (state & SDL_BUTTON_LMASK) return 1;
  if (state & SDL_BUTTON_RMASK) return 2;
  if (state & SDL_BUTTON_MMASK) return 3;
  return 0;
}

// The characters a key types besides text: the editing keys send control codes.
int ControlCharacter(int code) {
  switch (code) {
    case 8: case 9: case 13: case 27: return code;
    default: return 0;
  }
}

void TranslateKey(const SDL_KeyboardEvent& key, std::vector<TInputEvent>& out) {
  const int code = VirtualKeyCode(key.keysym.scancode, key.keysym.sym);
  if (code <= 0 || code > 255) return;
  if (key.type == SDL_KEYUP) {
    out.push_back({kEventKeyUp, code, 0, 0});
    return;
  }
  out.push_back({key.repeat ? kEventKeyRepeat : kEventKeyDown, code, 0, 0});
  if (const int character = ControlCharacter(code)) out.push_back({kEventKeyChar, character, 0, 0});
}

void TranslateWindow(const SDL_WindowEvent& window, std::vector<TInputEvent>& out) {
  switch (window.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST: out.push_back({kEventAppSuspend, 0, 0, 0}); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: out.push_back({kEventAppResume, 0, 0, 0}); break;
    case SDL_WINDOWEVENT_CLOSE: out.push_back({kEventAppTerminate, 0, 0, 0}); break;
    default: break;
  }
}

}  // namespace

std::vector<int> Utf16Units(const char* utf8) {
  std::vector<int> units;
  for (const char32_t code : DecodeText(utf8 ? std::string(utf8) : std::string())) {
    if (code >= 0x10000) {
      units.push_back(int(0xD800 + ((code - 0x10000) >> 10)));
      units.push_back(int(0xDC00 + ((code - 0x10000) & 0x3FF)));
    } else {
      units.push_back(int(code));
    }
  }
  return units;
}

void TranslateSdlEvent(const SDL_Event& event, uint32_t windowId, std::vector<TInputEvent>& out) {
  switch (event.type) {
    case SDL_QUIT: out.push_back({kEventAppTerminate, 0, 0, 0}); break;
    case SDL_WINDOWEVENT:
      if (!FromOtherWindow(event.window.windowID, windowId)) TranslateWindow(event.window, out);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (!FromOtherWindow(event.key.windowID, windowId)) TranslateKey(event.key, out);
      break;
    case SDL_TEXTINPUT:
      if (FromOtherWindow(event.text.windowID, windowId)) break;
      for (const int unit : Utf16Units(event.text.text)) out.push_back({kEventKeyChar, unit, 0, 0});
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (FromOtherWindow(event.button.windowID, windowId)) break;
      if (const int button = GameButton(event.button.button)) {
        out.push_back({event.type == SDL_MOUSEBUTTONDOWN ? kEventMouseDown : kEventMouseUp, button, event.button.x,
                       event.button.y});
      }
      break;
    case SDL_MOUSEMOTION:
      if (FromOtherWindow(event.motion.windowID, windowId)) break;
      out.push_back({kEventMouseMove, HeldButton(event.motion.state), event.motion.x, event.motion.y});
      break;
    case SDL_MOUSEWHEEL: {
      if (FromOtherWindow(event.wheel.windowID, windowId)) break;
      const int steps = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
      int x = 0, y = 0;
      SDL_GetMouseState(&x, &y);
      if (steps != 0) out.push_back({kEventMouseWheel, steps, x, y});
      break;
    }
    default: break;
  }
}
