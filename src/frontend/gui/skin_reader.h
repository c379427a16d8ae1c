// Reading the skin's panel and screen files.
#pragma once

#include <string>

class kui_TGadget;

// Creates the gadget tree of one panel file; 0 when the file cannot be read.
int kui_LoadPanelFile(const std::string& path);
// Creates the screen of one screen file from panels already loaded; 0 when none is made.
int kui_LoadScreenFile(const std::string& path);
// Reads every ".xml" file under the folder, sub-folders included, in name order.
void kui_LoadPanelFolder(const std::string& folder);
void kui_LoadScreenFolder(const std::string& folder);
// A link button waiting for its screen; resolved once every screen is read.
void kui_RecordLink(kui_TGadget* button, const std::string& screen);
void kui_ResolveLinks();
