// One key's translations: a text and an integer per language code.
#pragma once

#include <map>
#include <string>

struct TLocalePart {
  std::string text;
  int value = 0;
};

struct TLocalizedText {
  std::string tag;
  std::map<std::string, TLocalePart> locales;

  // The part for lang, or null.
  const TLocalePart* Find(const std::string& lang) const;
};
