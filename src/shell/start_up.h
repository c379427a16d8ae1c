// The start-up sequence: embedded files, the save folder and its first-run files, the
// settings, the log and the tunables the loops need.
#pragma once

#include <string>

struct CommandLineOptions;

// The save folder: saveloc from Engine.ini when it has at least 4 characters (blanks
// trimmed), else $XDG_DATA_HOME (or ~/.local/share) + "/Quorvex/".
std::string ChooseSaveFolder();
// Creates the save folder and its sub-folders and copies the first-run files into it.
// Returns 0 when Settings.ini cannot be created (the caller shows "Error 1").
int PrepareSaveFolder();
// Reads the credits text into CreditsLines; 0 when it cannot be opened.
int LoadCredits();
// The whole sequence; returns 1 when the game may run, 0 when it must end.
int StartUp(const CommandLineOptions& options);

// The text of the error box shown when the save folder cannot be written.
std::string SaveFolderErrorText();
