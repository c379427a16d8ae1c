// Places as the player reads them: "1st", "2nd", "3rd", "4th" ... "11th", "21st".
#pragma once

#include <string>

std::string Ordinal(int n);
