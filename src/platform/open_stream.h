// Opening streams from location strings: a file path, or "incbin::NAME" for an embedded file.
#pragma once

#include <string>

#include "platform/stream.h"

// The general form. Embedded locations open for reading only; anything else gives null.
StreamPtr OpenStream(const std::string& location, bool readable, bool writeable);
// Opens for reading; null when absent.
StreamPtr ReadStream(const std::string& location);
// Creates or truncates a file for writing; null for embedded locations or on failure.
StreamPtr WriteStream(const std::string& location);
