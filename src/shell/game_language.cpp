#include "shell/game_language.h"

#include <cstdio>

#include "frontend/locale.h"
#include "shell/game_state.h"
#include "shell/settings.h"

std::string ChooseLanguage(const std::string& requested) {
  if (!requested.empty()) return requested;
  const std::string saved = LoadTextVariable(SettingsPath(), "language");
  return saved.empty() ? "en" : saved;
}

void LoadLanguage(const std::string& code) {
  if (TLocale::LoadFromBLF(ResolveDataPath("Languages/QX.blf")) != 1) {
    std::fprintf(stderr, "quorvex: %s\n", TLocale::LastError().c_str());
  }
  TLocale::SetCurrentLocale(code);
}
