// Lap and race times as the player reads them.
#pragma once

#include <string>

// Long form "01:23:456" (minutes, seconds, thousandths); short form "23:45"; "--:--:--"
// for no time.
std::string FormatTime(int ms, int shortForm);
