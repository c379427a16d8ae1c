#include "platform/graphics.h"

#include <SDL.h>

#include <cstdio>
#include <memory>

#include "platform/draw_state.h"
#include "platform/frame_pacer.h"
#include "platform/render_driver.h"
#include "platform/sdl_video.h"

namespace {

// The open window with its context, closed by its destructor.
class TGraphicsContext {
 public:
  TGraphicsContext(SDL_Window* window, SDL_GLContext context) : window_(window), context_(context) {}
  ~TGraphicsContext() {
    SDL_GL_DeleteContext(context_);
    SDL_DestroyWindow(window_);
    ReleaseSdlVideo();
  }
  TGraphicsContext(const TGraphicsContext&) = delete;
  TGraphicsContext& operator=(const TGraphicsContext&) = delete;
  SDL_Window* Window() const { return window_; }

 private:
  SDL_Window* window_;
  SDL_GLContext context_;
};

struct TGraphicsState {
  std::unique_ptr<TGraphicsContext> context;
  std::unique_ptr<TRenderDriver> driver;
  std::unique_ptr<TRenderDriver> headlessDriver = MakeHeadlessDriver();
  bool open = false;
  bool headless = false;
  bool pacing = true;
  bool vsyncRefused = false;
  int swapInterval = -2;  // unknown
  int width = 0, height = 0, depth = 0, hertz = 0;
  int seq = 0;
  std::string title;
  std::function<void()> flipHook;
  TFramePacer pacer;
};

// Never destroyed: images held in the game's globals release their textures at exit.
TGraphicsState& State() {
  static TGraphicsState* state = new TGraphicsState;
  return *state;
}

SDL_Window* OpenWindow(int width, int height, int depth, int hertz) {
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN;
  if (depth != 0) flags |= SDL_WINDOW_FULLSCREEN;
  SDL_Window* window = SDL_CreateWindow(State().title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        width, height, flags);
  if (window && depth != 0) {
    SDL_DisplayMode wanted{SDL_PIXELFORMAT_UNKNOWN, width, height, hertz, nullptr};
    SDL_DisplayMode closest;
    if (SDL_GetClosestDisplayMode(0, &wanted, &closest)) SDL_SetWindowDisplayMode(window, &closest);
  }
  return window;
}

// Sets the swap interval when it changes; false when the driver refuses it.
bool UseSwapInterval(int interval) {
  TGraphicsState& s = State();
  if (interval == s.swapInterval) return true;
  if (interval == 1 && s.vsyncRefused) return false;
  if (SDL_GL_SetSwapInterval(interval) != 0) {
    if (interval == 1) s.vsyncRefused = true;
    return false;
  }
  s.swapInterval = interval;
  return true;
}

int DisplayRefreshRate() {
  TGraphicsState& s = State();
  if (s.hertz > 0) return s.hertz;
  SDL_DisplayMode mode;
  if (s.context && SDL_GetWindowDisplayMode(s.context->Window(), &mode) == 0 && mode.refresh_rate > 0) {
    return mode.refresh_rate;
  }
  return 60;
}

bool OpenContext(int width, int height, int depth, int hertz) {
  TGraphicsState& s = State();
  if (!AcquireSdlVideo()) {
    std::fprintf(stderr, "Graphics: no video: %s\n", SDL_GetError());
    return false;
  }
  SDL_Window* window = OpenWindow(width, height, depth, hertz);
  SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
  if (!context) {
    std::fprintf(stderr, "Graphics: cannot open a %dx%d OpenGL window: %s\n", width, height, SDL_GetError());
    if (window) SDL_DestroyWindow(window);
    ReleaseSdlVideo();
    return false;
  }
  s.context = std::make_unique<TGraphicsContext>(window, context);
  SDL_GL_GetDrawableSize(window, &s.width, &s.height);
  s.driver = MakeGLDriver(s.width, s.height);
  if (depth != 0) SDL_WarpMouseInWindow(window, s.width / 2, s.height / 2);
  return true;
}

}  // namespace

int Graphics(int width, int height, int depth, int hertz, int /*flags*/) {
  EndGraphics();
  TGraphicsState& s = State();
  s.width = width;
  s.height = height;
  s.depth = depth;
  s.hertz = hertz;
  s.vsyncRefused = false;
  s.swapInterval = -2;
  s.pacer.Reset();
  ++s.seq;
  if (!s.headless && !OpenContext(width, height, depth, hertz)) return 0;
  s.open = true;
  ResetDrawState(s.width, s.height);
  return 1;
}

void EndGraphics() {
  TGraphicsState& s = State();
  s.driver.reset();
  s.context.reset();
  s.open = false;
  ++s.seq;
}

int GraphicsWidth() { return State().width; }
int GraphicsHeight() { return State().height; }
int GraphicsDepth() { return State().depth; }
int GraphicsHertz() { return State().hertz; }
int GraphicsOpen() { return State().open ? 1 : 0; }

void Flip(int sync) {
  TGraphicsState& s = State();
  if (s.flipHook) s.flipHook();
  if (!s.context) return;
  bool retrace = false;
  int paceHertz = 0;
  if (s.pacing && sync == 1) {
    retrace = true;
  } else if (s.pacing && sync == -1 && s.hertz > 0) {
    retrace = s.depth != 0;
    if (!retrace) paceHertz = s.hertz;
  }
  // Where the driver refuses to wait for the retrace (Xvfb does), pace to the refresh rate
  // instead of spinning through frames nobody sees.
  if (retrace && !UseSwapInterval(1)) {
    retrace = false;
    paceHertz = DisplayRefreshRate();
  }
  if (!retrace) UseSwapInterval(0);
  if (paceHertz > 0) s.pacer.Wait(paceHertz);
  SDL_GL_SwapWindow(s.context->Window());
}

void SetHeadlessGraphics(bool headless) { State().headless = headless; }
bool HeadlessGraphics() { return State().headless; }
void SetFramePacing(bool enabled) { State().pacing = enabled; }
void SetGraphicsTitle(const std::string& title) { State().title = title; }
void SetFlipHook(std::function<void()> hook) { State().flipHook = std::move(hook); }

TRenderDriver& RenderDriver() {
  TGraphicsState& s = State();
  return s.driver ? *s.driver : *s.headlessDriver;
}

int GraphicsSeq() { return State().seq; }

uint32_t GraphicsWindowId() {
  const TGraphicsState& s = State();
  return s.context ? SDL_GetWindowID(s.context->Window()) : 0;
}
