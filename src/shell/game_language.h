// Which language the player reads, and making it current.
#pragma once

#include <string>

// The requested code (--lang) when given, else the one saved in Settings.ini, else English.
std::string ChooseLanguage(const std::string& requested);
// Reads the language file and makes code the current language. Without the file the game
// still runs, every text showing as its marked key; the reason goes to standard error.
void LoadLanguage(const std::string& code);
