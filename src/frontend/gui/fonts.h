// The skin's fonts file: self-closing "font" elements (name, url, size) inside one root.
#pragma once

#include <string>

// Registers each font of the file; 0 when the file cannot be read.
int kui_LoadFontsFile(const std::string& path);
