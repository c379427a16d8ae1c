#include "shell/settings.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "platform/debug_output.h"
#include "platform/file_system.h"
#include "platform/open_stream.h"
#include "shell/game_state.h"
#include "shell/log.h"

namespace {

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// The rest of the last line matching key; nullopt when the file is missing or no line
// matches (each case with its log line).
std::optional<std::string> FindValue(const std::string& rawPath, const std::string& key, bool keepCase) {
  const std::string path = ResolveDataPath(rawPath);
  StreamPtr file = ReadStream(path);
  if (!file) {
    Log("Could not open file: " + path + ": " + key);
    return std::nullopt;
  }
  std::optional<std::string> value;
  while (!file->Eof()) {
    const std::string line = file->ReadLine();
    const std::string lower = LowerCase(line);
    if (!lower.starts_with(key)) continue;
    const size_t rest = key.size() + 1;
    const std::string& source = keepCase ? line : lower;
    value = rest < source.size() ? source.substr(rest) : std::string();
  }
  file->Close();
  if (!value) Log("Could not load variable: " + key);
  return value;
}

// Leading blanks and a plus sign are allowed; anything that is not a finite number is 0.
float ParseNumber(const std::string& text) {
  size_t at = text.find_first_not_of(" \t");
  if (at == std::string::npos) return 0;
  if (text[at] == '+') ++at;
  float value = 0;
  const auto result = std::from_chars(text.data() + at, text.data() + text.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return 0;
  return value;
}

}  // namespace

float LoadVariable(const std::string& path, const std::string& key, float min, float max) {
  const std::string lowerKey = LowerCase(key);
  Log("Load variable: " + lowerKey);
  DebugLog("Load variable: " + lowerKey);
  float value = 0;
  if (const auto text = FindValue(path, lowerKey, false)) value = ParseNumber(*text);
  if (value < min) value = min;
  if (value > max) value = max;
  return value;
}

std::string LoadTextVariable(const std::string& path, const std::string& key) {
  const std::string lowerKey = LowerCase(key);
  Log("Load variable: " + lowerKey);
  return FindValue(path, lowerKey, false).value_or(std::string());
}

std::string LoadTextVariableKeepCase(const std::string& path, const std::string& key) {
  const std::string lowerKey = LowerCase(key);
  Log("Load variable: " + lowerKey);
  return FindValue(path, lowerKey, true).value_or(std::string());
}

std::string SettingsPath() { return SaveFolder + "Settings/Settings.ini"; }

std::string EnginePath() { return DataRoot + "Settings/Engine.ini"; }

int WriteDefaultSettings() {
  return WriteLinesSafely(SettingsPath(), {"screenw=800", "screenh=600", "bitdepth=32", "hertz=60",
                                           "fullscreen=1", "language=en", "detail=1", "debug=0"});
}

int WriteLinesSafely(const std::string& path, const std::vector<std::string>& lines) {
  const std::string temporary = path + ".new";
  StreamPtr file = WriteStream(temporary);
  if (!file) {
    Log("Could not write file: " + path);
    return 0;
  }
  for (const std::string& line : lines) file->WriteLine(line);
  file->Close();
  if (file->Failed() || !RenameFile(temporary, path)) {
    DeleteFile(temporary);
    Log("Could not write file: " + path);
    return 0;
  }
  return 1;
}
