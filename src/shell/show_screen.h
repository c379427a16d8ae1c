// --show-screen NAME [--lang CODE]: a window that shows one screen of the interface skin with
// the toolkit running (hover, press, type, scroll), its tables and lists filled with examples,
// so that every screen can be looked at and, with --screenshot-after, shot in any language.
#pragma once

struct CommandLineOptions;

// Runs until Escape, the corner exit button or the window's close; returns the exit status.
int RunShowScreen(const CommandLineOptions& options);
