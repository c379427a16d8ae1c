// Reads a language file: a root element (its "default" attribute naming the default
// language), "tag" elements with a "name", and "trans" elements inside them with "lang",
// an optional integer "value" and the text as content. Other elements are ignored.
#pragma once

#include <vector>
#include <string>

struct LanguageFileEntry {
  std::string tag, text, lang;
  int value = 0;
};

struct LanguageFileContent {
  std::string defaultLang;
  std::vector<LanguageFileEntry> entries;
};

// Parses the whole document first; false when it is not well-formed XML.
bool ReadLanguageFile(const std::string& bytes, LanguageFileContent& content);
