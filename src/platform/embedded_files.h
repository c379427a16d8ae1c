// The registry of files linked into the program, served as "incbin::NAME".
#pragma once

#include <cstddef>
#include <string>

struct EmbeddedFile {
  const unsigned char* bytes = nullptr;
  size_t size = 0;
};

inline constexpr const char* kEmbeddedPrefix = "incbin::";

// Adds an entry; returns 1, or 0 when the name is taken already (the first entry stays).
int RegisterEmbeddedFile(const std::string& name, const unsigned char* bytes, size_t size);
// Exact, case-sensitive lookup; null when the name is not registered.
const EmbeddedFile* FindEmbeddedFile(const std::string& name);
// True when location begins with "incbin::".
bool IsEmbeddedLocation(const std::string& location);
// The name after "incbin::".
std::string EmbeddedName(const std::string& location);
int EmbeddedFileCount();
