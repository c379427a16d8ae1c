// The translation table: every text the player reads is looked up here by its key.
// Texts are UTF-8. A key with no translation reads as "@" followed by the key, so that
// untranslated texts stand out on screen.
#pragma once

#include <string>
#include <vector>

#include "frontend/localized_text.h"

class TLocale {
 public:
  // Loads (adds to) the table from a language file or "incbin::" location.
  // 1 on success; 0 when the file does not parse (nothing changes); -1 when it is missing,
  // with LastError() saying "blf file '<path>' not found".
  static int LoadFromBLF(const std::string& path);
  static const std::string& LastError();

  // The translation for lang (the current language when empty), falling back to the default.
  static std::string getText(const std::string& tag, const std::string& lang = "");
  // The translation's integer; 0 when there is none.
  static int getValue(const std::string& tag, const std::string& lang = "");

  static void SetCurrentLocale(const std::string& code);
  static const std::string& GetCurrentLocale();
  static void SetDefaultLocale(const std::string& code);
  static const std::string& GetDefaultLocale();
  // The language codes found in the loaded files, in ascending order.
  static std::vector<std::string> getLocales();

  // Adds one translation; an empty lang means the default language.
  static void AddText(const std::string& tag, const std::string& text, const std::string& lang, int value);
  // Forgets every translation and goes back to "en" for both languages.
  static void Clear();

 private:
  static const TLocalePart* FindPart(const std::string& tag, const std::string& lang);
};
