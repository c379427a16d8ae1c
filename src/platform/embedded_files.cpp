#include "platform/embedded_files.h"

#include <map>

namespace {

std::map<std::string, EmbeddedFile>& Registry() {
  static std::map<std::string, EmbeddedFile> registry;
  return registry;
}

}  // namespace

int RegisterEmbeddedFile(const std::string& name, const unsigned char* bytes, size_t size) {
  if (name.empty()) return 0;
  return Registry().emplace(name, EmbeddedFile{bytes, size}).second ? 1 : 0;
}

const EmbeddedFile* FindEmbeddedFile(const std::string& name) {
  const auto& registry = Registry();
  const auto found = registry.find(name);
  return found == registry.end() ? nullptr : &found->second;
}

bool IsEmbeddedLocation(const std::string& location) { return location.starts_with(kEmbeddedPrefix); }

std::string EmbeddedName(const std::string& location) {
  return IsEmbeddedLocation(location) ? location.substr(std::string(kEmbeddedPrefix).size()) : std::string();
}

int EmbeddedFileCount() { return static_cast<int>(Registry().size()); }
