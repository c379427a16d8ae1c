// The names of language codes, for the language list: English and native names of every
// two-letter ISO 639-1 code, from the built-in "languages.xml".
#pragma once

#include <map>
#include <string>

struct TLanguage {
  std::string iso;
  std::string language;  // English name
  std::string native;    // the name in the language itself; may be empty
};

class TLanguages {
 public:
  // The native name when native is non-zero (the English one when there is no native name),
  // otherwise the English name. An unknown code gives the code itself.
  static std::string GetLanguage(const std::string& code, int native);
  // Loads the table from a location (the built-in one by default); the number of entries.
  static int Load(const std::string& location = "incbin::languages.xml");
  static const std::map<std::string, TLanguage>& All();
};
