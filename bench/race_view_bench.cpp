// Runs the windowed race (Ruze, twelve ships, software OpenGL under Xvfb, pacing off) at
// 800 x 600 and at 1920 x 1080 and prints the median and 95th-percentile frame time of the
// race view and the time from program start to the first race frame.
// Each size runs in a child process of its own, as the game does, from the folder that holds
// its data; without a display the child runs inside xvfb-run.
#include <GL/gl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "shell/command_line.h"
#include "shell/game_main.h"

namespace {

using Clock = std::chrono::steady_clock;

// Frames before this much time after the first frame are measured; then the child ends.
constexpr double kMeasureSeconds = 14;
constexpr const char* kTrack = "Ruze";

struct TFrameLog {
  Clock::time_point start;
  std::vector<double> frameMs;
  Clock::time_point first, last;
  bool seen = false;
};

TFrameLog& FrameLog() {
  static TFrameLog log;
  return log;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t index = std::min(values.size() - 1, size_t(fraction * double(values.size() - 1) + 0.5));
  return values[index];
}

void PrintAndEnd() {
  const TFrameLog& log = FrameLog();
  std::printf("frames %zu median %.2f p95 %.2f first %.0f\n", log.frameMs.size(), Percentile(log.frameMs, 0.5),
              Percentile(log.frameMs, 0.95), Ms(log.first - log.start));
  std::fflush(stdout);
  std::_Exit(0);
}

// Called by every flip just before the frame is shown: the frame is finished on the GPU first,
// so the time includes its drawing.
void OnFlip() {
  glFinish();
  TFrameLog& log = FrameLog();
  const Clock::time_point now = Clock::now();
  if (!log.seen) {
    log.seen = true;
    log.first = now;
  } else {
    log.frameMs.push_back(Ms(now - log.last));
  }
  log.last = now;
  if (Ms(now - log.first) > kMeasureSeconds * 1000) PrintAndEnd();
}

int RunChild(const std::string& size, bool player) {
  FrameLog().start = Clock::now();
  if (chdir(QX_GAME_DIR) != 0) return 1;
  std::vector<std::string> args = {"--race", kTrack, "--windowed", "--size", size, "--no-vsync", "--seed", "1"};
  args.insert(args.end(), {"--ship", player ? "1" : "0"});
  const CommandLineResult parsed = ParseCommandLine(args);
  if (!parsed.error.empty()) return 1;
  SetFlipHook(OnFlip);
  return Main(parsed.options);
}

std::string SelfPath() {
  char path[4096] = {};
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  return n > 0 ? std::string(path, size_t(n)) : std::string();
}

std::string RunSize(const std::string& size, bool player) {
  char home[] = "/tmp/quorvex-bench-XXXXXX";
  if (!mkdtemp(home)) return "";
  const std::string display = std::getenv("DISPLAY") ? "" : "xvfb-run -a -s '-screen 0 1920x1080x24' ";
  const std::string command = std::string("XDG_DATA_HOME=") + home +
                              " ALSOFT_DRIVERS=null ALSOFT_LOGLEVEL=0 SDL_AUDIODRIVER=dummy " + display + "'" +
                              SelfPath() + "' --child " + size + (player ? " player" : "") + " 2>/dev/null";
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, pipe)) {
      if (std::string(line).rfind("frames ", 0) == 0) output = line;
    }
    pclose(pipe);
  }
  std::system((std::string("rm -rf '") + home + "'").c_str());
  return output;
}

void Report(const std::string& size, bool player) {
  const std::string line = RunSize(size, player);
  size_t frames = 0;
  double median = 0, p95 = 0, first = 0;
  if (line.empty() || std::sscanf(line.c_str(), "frames %zu median %lf p95 %lf first %lf", &frames, &median, &p95,
                                  &first) != 4) {
    std::printf("race view %-9s %-9s: no figures (the race did not run)\n", size.c_str(), player ? "player" : "watch");
    return;
  }
  std::printf("race view %-9s %-9s: %5zu frames, median %6.2f ms, 95th percentile %6.2f ms, first frame %5.0f ms\n",
              size.c_str(), player ? "player" : "watch", frames, median, p95, first);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == "--child") return RunChild(argv[2], argc >= 4);
  std::printf("Race view on %s, %g s of racing from the first frame, pacing off\n", kTrack, kMeasureSeconds);
  std::printf("(watch: the computer drives all twelve and the view follows ship 1;\n"
              " player: ship 1 waits on the grid under the player's HUD)\n");
  for (const char* size : {"800x600", "1920x1080"}) {
    Report(size, false);
    Report(size, true);
  }
  return 0;
}
