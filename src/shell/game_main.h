// Main: the start-up sequence, the menu loop and the exit.
#pragma once

struct CommandLineOptions;

int Main(const CommandLineOptions& options);
