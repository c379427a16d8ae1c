#include "platform/dir_listing.h"

#include <dirent.h>

#include <algorithm>
#include <string_view>

#include "platform/embedded_files.h"
#include "platform/file_system.h"

std::string TDirListing::Next() { return next_ < names_.size() ? names_[next_++] : std::string(); }

DirListingPtr ReadDir(const std::string& path) {
  if (IsEmbeddedLocation(path)) return nullptr;
  const std::string native = NormalisePath(path);
  DIR* dir = opendir(native.empty() ? "." : native.c_str());
  if (!dir) return nullptr;
  std::vector<std::string> names;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name(entry->d_name);
    if (name != "." && name != "..") names.emplace_back(name);
  }
  closedir(dir);
  // Byte order, not the locale's collation: the tile numbering must not depend on it.
  std::sort(names.begin(), names.end());
  return std::make_unique<TDirListing>(std::move(names));
}

std::string NextFile(TDirListing* listing) { return listing ? listing->Next() : std::string(); }

void CloseDir(DirListingPtr& listing) { listing.reset(); }
