// The race engine: a fixed-rate simulation loop with interpolated drawing, run for races
// and the track editor. The collaborators of each pass come through RaceEngineClient, so
// that the loop's timing is its own and can be driven by a virtual clock.
#pragma once

class RaceEngineClient {
 public:
  virtual ~RaceEngineClient() = default;
  // One simulation step: the track, and while racing the ships, weapons and particles.
  virtual void Step() = 0;
  // Drains the interface events; 1 leaves the engine.
  virtual int ProcessEvents() = 0;
  // The track's input (pause, test-drive keys, debug keys).
  virtual void CheckInput() = 0;
  // Draws one frame, interpolated by tween (0 <= tween < 1), and flips.
  virtual void Render(float tween) = 0;
};

// The pacing of a headless run on the virtual clock: nothing is drawn, and each pass moves
// the clock on by exactly one interval, so every pass runs one step and a race runs as fast
// as the processor allows, the same for the same seed.
class HeadlessRaceEngineClient : public RaceEngineClient {
 public:
  void Render(float tween) override;
};

// The longest stall the engine catches up on: after a longer one (a blocking dialog, a
// debugger) the simulation resumes instead of racing through hundreds of queued steps.
inline constexpr int kMaxCatchUpMs = 1000;

// Runs passes until ProcessEvents returns 1. Accumulator keeps its remainder for the next run.
void RaceEngine(RaceEngineClient& client);
