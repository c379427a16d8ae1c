#include "frontend/localized_text.h"

const TLocalePart* TLocalizedText::Find(const std::string& lang) const {
  const auto found = locales.find(lang);
  return found == locales.end() ? nullptr : &found->second;
}
