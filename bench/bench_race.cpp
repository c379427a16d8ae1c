// Runs headless five-lap races on Ruze, all twelve ships computer-driven, and prints the
// simulated updates per second and the heap allocations made per update once the race runs.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include <unistd.h>

#include "platform/clock.h"
#include "platform/graphics.h"
#include "race/car.h"
#include "race/race_control.h"
#include "shell/command_line.h"
#include "shell/game_state.h"
#include "shell/game_time.h"
#include "shell/race_session.h"
#include "shell/random.h"
#include "shell/start_up.h"
#include "track/track.h"

namespace {
long long g_allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

constexpr int kRaces = 5;

struct RaceFigures {
  long long updates = 0;
  long long runningUpdates = 0;
  long long runningAllocations = 0;
  long long updatesWithAllocations = 0;
  double seconds = 0;
};

RaceFigures RunOneRace(const std::string& track, int seed) {
  SeedRnd(static_cast<uint64_t>(seed));
  RaceOptions options;
  options.track = track;
  options.laps = 5;
  RaceFigures figures;
  if (!PrepareRace(options)) return figures;
  const auto start = std::chrono::steady_clock::now();
  while (!AllShipsDone() && figures.updates < 200000) {
    RefreshGameTime();
    const bool running = Track->racestatus == 1;
    const long long before = g_allocations;
    StepRace();
    if (running) {
      figures.runningAllocations += g_allocations - before;
      if (g_allocations != before) ++figures.updatesWithAllocations;
      ++figures.runningUpdates;
    }
    UpdateStartSequence();
    AdvanceVirtualClock(UpdateInterval);
    ++figures.updates;
  }
  figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  QuitRace();
  return figures;
}

}  // namespace

int main() {
  if (chdir(QX_GAME_DIR) != 0) {
    std::fprintf(stderr, "bench_race: cannot enter %s\n", QX_GAME_DIR);
    return 1;
  }
  const std::string save = "/tmp/quorvex-bench-race-" + std::to_string(getpid());
  setenv("XDG_DATA_HOME", save.c_str(), 1);
  UseVirtualClock(0);
  SetHeadlessGraphics(true);
  CommandLineOptions options;
  options.headless = true;
  options.seed = 1;
  if (!StartUp(options)) return 1;

  RaceFigures total;
  for (int race = 0; race < kRaces; ++race) {
    const RaceFigures one = RunOneRace("Ruze", race + 1);
    total.updates += one.updates;
    total.runningUpdates += one.runningUpdates;
    total.runningAllocations += one.runningAllocations;
    total.updatesWithAllocations += one.updatesWithAllocations;
    total.seconds += one.seconds;
  }
  std::printf("race simulation, Ruze, 12 ships, %d five-lap races: %lld updates in %.3f s\n", kRaces, total.updates,
              total.seconds);
  std::printf("  updates per second: %.0f (target at least 50000)\n", double(total.updates) / total.seconds);
  std::printf("  seconds per five-lap race: %.3f\n", total.seconds / kRaces);
  std::printf("  heap allocations while racing: %lld in %lld updates (%.4f per update)\n", total.runningAllocations,
              total.runningUpdates, double(total.runningAllocations) / double(total.runningUpdates ? total.runningUpdates : 1));
  std::printf("  updates that allocated at all: %lld (a new terrain-sound channel when a ship changes surface, fired weapons; nothing else)\n",
              total.updatesWithAllocations);
  std::string cleanup = "rm -rf '" + save + "'";
  return std::system(cleanup.c_str()) == 0 ? 0 : 0;
}
