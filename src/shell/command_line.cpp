#include "shell/command_line.h"

#include <charconv>
#include <functional>

namespace {

struct OptionSpec {
  const char* name;
  const char* valueName;  // null for a switch
  const char* help;
  // Applies the option; returns an error text for a bad value, empty when it is fine.
  std::function<std::string(CommandLineOptions&, const std::string&)> apply;
  // Options taking several values get them joined by line feeds.
  int valueCount = 1;
};

std::string ParseSeed(CommandLineOptions& options, const std::string& value) {
  uint64_t seed = 0;
  const auto result = std::from_chars(value.data(), value.data() + value.size(), seed);
  if (value.empty() || result.ec != std::errc() || result.ptr != value.data() + value.size()) {
    return "--seed needs a whole number from 0 up, not '" + value + "'";
  }
  options.seed = seed;
  return {};
}

std::string ParseScreenshotAfter(CommandLineOptions& options, const std::string& value) {
  const size_t split = value.find('\n');
  const std::string ms = value.substr(0, split);
  const std::string file = split == std::string::npos ? std::string() : value.substr(split + 1);
  int after = 0;
  const auto result = std::from_chars(ms.data(), ms.data() + ms.size(), after);
  if (ms.empty() || result.ec != std::errc() || result.ptr != ms.data() + ms.size() || after < 0) {
    return "--screenshot-after needs milliseconds from 0 up, not '" + ms + "'";
  }
  if (file.empty()) return "--screenshot-after needs a file name after the milliseconds";
  options.screenshotAfterMs = after;
  options.screenshotFile = file;
  return {};
}

const std::vector<OptionSpec>& Options() {
  static const std::vector<OptionSpec> kOptions = {
      {"--help", nullptr, "show this help and exit",
       [](CommandLineOptions& o, const std::string&) { o.help = true; return std::string(); }},
      {"--version", nullptr, "print the version and exit",
       [](CommandLineOptions& o, const std::string&) { o.version = true; return std::string(); }},
      {"--headless", nullptr, "run without a window on a virtual clock (for tests and benchmarks)",
       [](CommandLineOptions& o, const std::string&) { o.headless = true; return std::string(); }},
      {"--seed", "N", "seed the random generator with N, so that a run repeats exactly", ParseSeed},
      {"--debug-output", nullptr, "print the debugger output to standard error",
       [](CommandLineOptions& o, const std::string&) { o.debugOutput = true; return std::string(); }},
      {"--draw-test", nullptr, "open a window that shows images, text, shapes, glow lines and the input",
       [](CommandLineOptions& o, const std::string&) { o.drawTest = true; return std::string(); }},
      {"--show-track", "NAME", "open a window that draws the built-in or saved track NAME (cursor keys scroll)",
       [](CommandLineOptions& o, const std::string& v) {
         o.showTrack = v;
         return v.empty() ? std::string("--show-track needs a track name") : std::string();
       }},
      {"--track-info", "NAME", "print the counts of the built-in or saved track NAME, one 'column: value' a line",
       [](CommandLineOptions& o, const std::string& v) {
         o.trackInfo = v;
         return v.empty() ? std::string("--track-info needs a track name") : std::string();
       }},
      {"--show-screen", "NAME", "open a window that shows the interface screen NAME of the skin, working",
       [](CommandLineOptions& o, const std::string& v) {
         o.showScreen = v;
         return v.empty() ? std::string("--show-screen needs a screen name") : std::string();
       }},
      {"--lang", "CODE", "show the interface in the language CODE (en, de, fr) instead of the saved one",
       [](CommandLineOptions& o, const std::string& v) {
         o.lang = v;
         return v.empty() ? std::string("--lang needs a language code") : std::string();
       }},
      {"--screenshot-after", "MS FILE", "after MS ms of game time save the window as a PNG to FILE and exit",
       ParseScreenshotAfter, 2},
      {"--race", "TRACK", "race on the built-in or saved track TRACK (with --headless: all computer ships, "
                          "results printed)",
       [](CommandLineOptions& o, const std::string& v) {
         o.race.track = v;
         return v.empty() ? std::string("--race needs a track name") : std::string();
       }},
      {"--ship", "ID", "drive ship ID (1..12, ship 1 unless given) in the --race race; 0 lets the computer drive all",
       [](CommandLineOptions& o, const std::string& v) { return ParseShip(v, o.race.ship); }},
      {"--type", "TYPE", "race type: normal, eliminator or survival",
       [](CommandLineOptions& o, const std::string& v) { return ParseRaceType(v, o.race.type); }},
      {"--difficulty", "LEVEL", "difficulty: easy, normal or hard",
       [](CommandLineOptions& o, const std::string& v) { return ParseDifficulty(v, o.race.difficulty); }},
      {"--laps", "N", "laps of a normal race (1..50)",
       [](CommandLineOptions& o, const std::string& v) { return ParseLaps(v, o.race.laps); }},
      {"--windowed", nullptr, "race in a window instead of full screen",
       [](CommandLineOptions& o, const std::string&) { o.race.windowed = true; return std::string(); }},
      {"--size", "WxH", "window size for the race, at least 800x600",
       [](CommandLineOptions& o, const std::string& v) { return ParseWindowSize(v, o.race.width, o.race.height); }},
      {"--no-vsync", nullptr, "do not wait for the display between frames (for benchmarks)",
       [](CommandLineOptions& o, const std::string&) { o.noVsync = true; return std::string(); }},
  };
  return kOptions;
}

const OptionSpec* FindOption(const std::string& name) {
  for (const OptionSpec& option : Options()) {
    if (name == option.name) return &option;
  }
  return nullptr;
}

}  // namespace

CommandLineResult ParseCommandLine(const std::vector<std::string>& args) {
  CommandLineResult result;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const OptionSpec* option = FindOption(name);
    if (!option) {
      result.error = "unknown option '" + arg + "' (see --help)";
      return result;
    }
    std::string value;
    if (option->valueName) {
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        result.error = name + " needs a value: " + name + " " + option->valueName;
        return result;
      }
    } else if (equals != std::string::npos) {
      result.error = name + " takes no value";
      return result;
    }
    for (int extra = 1; option->valueName && extra < option->valueCount; ++extra) {
      if (i + 1 >= args.size()) {
        result.error = name + " needs a value: " + name + " " + option->valueName;
        return result;
      }
      value += '\n' + args[++i];
    }
    result.error = option->apply(result.options, value);
    if (!result.error.empty()) return result;
  }
  return result;
}

std::string CommandLineHelp() {
  std::string text = "Usage: quorvex [options]\n\nQuorvex, a top-down combat racing game.\n\nOptions:\n";
  for (const OptionSpec& option : Options()) {
    std::string left = std::string("  ") + option.name + (option.valueName ? std::string(" ") + option.valueName : "");
    if (left.size() < 24) left.resize(24, ' ');
    text += left + " " + option.help + "\n";
  }
  return text;
}
