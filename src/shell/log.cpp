#include "shell/log.h"

#include <cstdio>

#include "platform/open_stream.h"
#include "platform/program_path.h"

namespace {

int logEnabled = 0;
LogHookFn logHook;
StreamPtr logFile;
bool logFileTried = false;
std::string logFilePath;
std::function<void(const std::string&, bool)> dialogHandler;

// The log file is truncated on the first message of each run; a failure to create it
// leaves standard output and the hook.
TStream* LogStream() {
  if (!logFileTried) {
    logFileTried = true;
    const std::string path = logFilePath.empty() ? ReplaceExtension(ProgramPath(), ".log") : logFilePath;
    if (!path.empty() && path != ".log") logFile = WriteStream(path);
  }
  return logFile.get();
}

}  // namespace

void SetLogging(int enabled, LogHookFn hook) {
  if (!enabled && logEnabled) Log("Logging stopped");
  logEnabled = enabled ? 1 : 0;
  logHook = std::move(hook);
  if (logEnabled) Log("Logging started");
}

int LoggingEnabled() { return logEnabled; }

void Log(const std::string& message, int flags) {
  if (!logEnabled) return;
  TStream* file = LogStream();
  if ((flags & kLogDialog) && dialogHandler) dialogHandler(message, (flags & kLogError) != 0);
  std::string text = (flags & kLogError) ? "Error: " + message : message;
  if (!(flags & kLogNoNewline)) text += "\r\n";
  if (file) {
    file->Write(text.data(), text.size());
    file->Flush();  // what was logged survives a crash
  }
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  if (logHook) logHook(text);
}

void SetLogFilePath(const std::string& path) { logFilePath = path; }

void CloseLogFile() {
  if (logFile) logFile->Close();
  logFile.reset();
  logFileTried = false;
}

void SetLogDialogHandler(std::function<void(const std::string&, bool)> handler) {
  dialogHandler = std::move(handler);
}
