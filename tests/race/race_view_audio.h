// An audio driver that remembers what the race asked of it: every channel made, what was
// played on it, its volume and rate, and whether it was stopped.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/audio_driver.h"

struct ChannelLog {
  float volume = -1;
  float rate = -1;
  int plays = 0;
  bool stopped = false;
};

class LoggedChannel : public TChannel {
 public:
  explicit LoggedChannel(ChannelLog& log) : log_(log) {}
  void Stop() override { log_.stopped = true; }
  void SetPaused(int) override {}
  void SetVolume(float volume) override { log_.volume = volume; }
  void SetPan(float) override {}
  void SetDepth(float) override {}
  void SetRate(float rate) override { log_.rate = rate; }
  int Playing() override { return 0; }
  ChannelLog& log() { return log_; }

 private:
  ChannelLog& log_;
};

// A sound that counts its starts and marks the channel it was played on.
class LoggedSound : public TSound {
 public:
  TChannel* Play(TChannel* channel) override {
    ++plays;
    if (auto* logged = dynamic_cast<LoggedChannel*>(channel)) ++logged->log().plays;
    return channel;
  }
  TChannel* Cue(TChannel* channel) override { return channel; }
  int plays = 0;
};

class LoggingDriver : public TAudioDriver {
 public:
  explicit LoggingDriver(std::vector<std::unique_ptr<ChannelLog>>& logs) : logs_(logs) {}
  std::string Name() const override { return "RaceViewLog"; }
  int Startup() override { return 1; }
  void Shutdown() override {}
  std::unique_ptr<TSound> CreateSound(TAudioSample, int) override { return std::make_unique<LoggedSound>(); }
  std::unique_ptr<TChannel> AllocChannel() override {
    logs_.push_back(std::make_unique<ChannelLog>());
    return std::make_unique<LoggedChannel>(*logs_.back());
  }

 private:
  std::vector<std::unique_ptr<ChannelLog>>& logs_;
};
