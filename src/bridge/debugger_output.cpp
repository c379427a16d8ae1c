#include "bridge/debugger_output.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

void DebuggerOutput(const std::string& text) {
  const char* setting = std::getenv("ORVELINK_DEBUG");
  if (!setting || !*setting || std::strcmp(setting, "0") == 0) return;
  std::fputs(text.c_str(), stderr);
  if (text.empty() || text.back() != '\n') std::fputc('\n', stderr);
  std::fflush(stderr);
}
