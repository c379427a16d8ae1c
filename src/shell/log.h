// The optional log: a text file named after the program, written only while logging is on.
#pragma once

#include <functional>
#include <string>

using LogHookFn = std::function<void(const std::string&)>;

inline constexpr int kLogError = 1;     // prefix "Error: "
inline constexpr int kLogNoNewline = 2; // no line end
inline constexpr int kLogDialog = 4;    // also show the message in a dialog box

// Switches the log on or off; the hook, when given, receives every written text.
void SetLogging(int enabled, LogHookFn hook = nullptr);
int LoggingEnabled();
void Log(const std::string& message, int flags = 0);
// Where the log file goes; by default the program's path with ".log" for its extension.
// Takes effect before the first logged message (or after CloseLogFile).
void SetLogFilePath(const std::string& path);
void CloseLogFile();
// Shows a dialog box for kLogDialog; set by the drawing layer once it can show one.
void SetLogDialogHandler(std::function<void(const std::string& text, bool serious)> handler);
