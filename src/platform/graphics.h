// The game window and its OpenGL 1.x context, and showing each finished frame.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class TRenderDriver;

// Opens the window: depth 0 a window, any other depth full screen at the display mode
// nearest width x height (the pointer then goes to the screen centre). hertz is the
// refresh rate frames are paced to. Any open window is closed first. Returns 1 when a
// window (or, headless, its stand-in) is open; on failure drawing goes to the headless driver.
int Graphics(int width, int height, int depth = 0, int hertz = 60, int flags = 0);
void EndGraphics();
int GraphicsWidth();
int GraphicsHeight();
int GraphicsDepth();
int GraphicsHertz();
// 1 while a window or its headless stand-in is open.
int GraphicsOpen();

// Shows the back buffer. 1: wait for the vertical retrace (paced by the layer itself where
// the driver refuses vsync); 0: at once; -1: paced by the layer in a window with a refresh
// rate, the retrace in full screen.
void Flip(int sync = -1);

// Headless: Graphics opens no window, and every drawing call is accepted and does nothing.
void SetHeadlessGraphics(bool headless);
bool HeadlessGraphics();
// Off lifts all pacing and retrace waits (for benchmarks).
void SetFramePacing(bool enabled);
// The window title used by the next Graphics.
void SetGraphicsTitle(const std::string& title);
// Called by every Flip just before the back buffer is shown (screenshots are taken there).
void SetFlipHook(std::function<void()> hook);

// The driver drawing goes to now: OpenGL while a window is open, else the headless one.
TRenderDriver& RenderDriver();
// A stamp that changes with every context: textures of another stamp are gone.
int GraphicsSeq();
// SDL's id of the game window, 0 when none is open.
uint32_t GraphicsWindowId();
