// SDL's video subsystem, counted: opened by the first user, closed by the last.
#pragma once

// True when the video subsystem is running (it may fail without a display).
bool AcquireSdlVideo();
void ReleaseSdlVideo();
// True when a window can be opened at all (a display, or SDL's offscreen driver).
bool DisplayAvailable();
