// Folder listings in ascending order of name (the tile sets are numbered in this order).
#pragma once

#include <memory>
#include <string>
#include <vector>

class TDirListing {
 public:
  explicit TDirListing(std::vector<std::string> names) : names_(std::move(names)) {}
  // The next bare entry name, or the empty text once the listing is exhausted.
  std::string Next();

 private:
  std::vector<std::string> names_;
  size_t next_ = 0;
};

using DirListingPtr = std::unique_ptr<TDirListing>;

// Lists a folder ("." and ".." left out); null when it cannot be read.
DirListingPtr ReadDir(const std::string& path);
std::string NextFile(TDirListing* listing);
// Ends a listing early; a listing is also released when its pointer goes.
void CloseDir(DirListingPtr& listing);
