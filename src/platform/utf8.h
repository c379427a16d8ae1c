// Text as characters: UTF-8 where it is valid, single bytes as Latin-1 where not, so that
// no text is ever refused.
#pragma once

#include <string>

std::u32string DecodeText(const std::string& text);
