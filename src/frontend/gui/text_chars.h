// Texts as characters for caret arithmetic: the game keeps UTF-8, the caret counts characters.
#pragma once

#include <string>

std::u32string kui_Chars(const std::string& text);
std::string kui_Utf8(const std::u32string& chars);
