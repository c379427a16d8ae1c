#include "synth/effects.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "synth/filter.h"

namespace synth {

void Saturate(Mono& signal, float drive) {
  const float makeup = 1.0f / std::tanh(drive);
  for (float& sample : signal) sample = std::tanh(sample * drive) * makeup;
}

void Echo(Mono& signal, double delay_seconds, float feedback, float mix) {
  const size_t delay = std::max<size_t>(1, Frames(delay_seconds));
  Mono line(delay, 0.0f);
  size_t at = 0;
  for (float& sample : signal) {
    const float echoed = line[at];
    line[at] = sample + echoed * feedback;
    sample += echoed * mix;
    at = (at + 1) % delay;
  }
}

void PingPong(Stereo& signal, double delay_seconds, float feedback, float mix, double damping_hz) {
  const size_t delay = std::max<size_t>(1, Frames(delay_seconds));
  Mono left_line(delay, 0.0f), right_line(delay, 0.0f);
  OnePole left_damp(damping_hz), right_damp(damping_hz);
  size_t at = 0;
  for (size_t i = 0; i < signal.frames(); ++i) {
    const float from_left = left_line[at];
    const float from_right = right_line[at];
    const float mono_in = 0.5f * (signal.left[i] + signal.right[i]);
    left_line[at] = left_damp.Low(mono_in + from_right * feedback);
    right_line[at] = right_damp.Low(from_left * feedback);
    signal.left[i] += from_left * mix;
    signal.right[i] += from_right * mix;
    at = (at + 1) % delay;
  }
}

namespace {

class Comb {
 public:
  explicit Comb(size_t length) : line_(length, 0.0f) {}
  float Process(float input, float feedback, float damping) {
    const float out = line_[at_];
    filtered_ = out * (1.0f - damping) + filtered_ * damping;
    line_[at_] = input + filtered_ * feedback;
    at_ = (at_ + 1) % line_.size();
    return out;
  }

 private:
  Mono line_;
  size_t at_ = 0;
  float filtered_ = 0.0f;
};

class AllPass {
 public:
  explicit AllPass(size_t length) : line_(length, 0.0f) {}
  float Process(float input) {
    const float delayed = line_[at_];
    const float out = delayed - input;
    line_[at_] = input + delayed * 0.5f;
    at_ = (at_ + 1) % line_.size();
    return out;
  }

 private:
  Mono line_;
  size_t at_ = 0;
};

// The classic tunings at 44.1 kHz; the right side is spread a little.
constexpr std::array<size_t, 8> kCombLengths = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<size_t, 4> kAllPassLengths = {556, 441, 341, 225};

Mono ReverbSide(const Mono& input, size_t spread, float room_size, float damping) {
  std::vector<Comb> combs;
  for (size_t length : kCombLengths) combs.emplace_back(length + spread);
  std::vector<AllPass> passes;
  for (size_t length : kAllPassLengths) passes.emplace_back(length + spread);
  const float feedback = 0.7f + 0.28f * room_size;
  Mono wet(input.size(), 0.0f);
  for (size_t i = 0; i < input.size(); ++i) {
    const float in = input[i] * 0.015f;
    float sum = 0.0f;
    for (Comb& comb : combs) sum += comb.Process(in, feedback, damping);
    for (AllPass& pass : passes) sum = pass.Process(sum);
    wet[i] = sum;
  }
  return wet;
}

}  // namespace

void Reverb(Stereo& signal, float room_size, float damping, float mix) {
  Mono mono(signal.frames());
  for (size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5f * (signal.left[i] + signal.right[i]);
  const Mono wet_left = ReverbSide(mono, 0, room_size, damping);
  const Mono wet_right = ReverbSide(mono, 23, room_size, damping);
  MixInto(signal.left, wet_left, 0, mix);
  MixInto(signal.right, wet_right, 0, mix);
}

Stereo ReverbOf(const Stereo& send, float room_size, float damping) {
  Mono mono(send.frames());
  for (size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5f * (send.left[i] + send.right[i]);
  Stereo wet;
  wet.left = ReverbSide(mono, 0, room_size, damping);
  wet.right = ReverbSide(mono, 23, room_size, damping);
  return wet;
}

void Reverb(Mono& signal, float room_size, float damping, float mix) {
  const Mono wet = ReverbSide(signal, 0, room_size, damping);
  MixInto(signal, wet, 0, mix);
}

namespace {

class GainComputer {
 public:
  GainComputer(double threshold_db, double ratio, double attack_s, double release_s)
      : threshold_db_(threshold_db),
        ratio_(ratio),
        attack_(std::exp(-1.0 / (attack_s * kRate))),
        release_(std::exp(-1.0 / (release_s * kRate))) {}

  float Gain(float level) {
    const double coefficient = level > envelope_ ? attack_ : release_;
    envelope_ = coefficient * envelope_ + (1.0 - coefficient) * level;
    const double db = 20.0 * std::log10(std::max(envelope_, 1e-6));
    if (db <= threshold_db_) return 1.0f;
    const double reduced = threshold_db_ + (db - threshold_db_) / ratio_;
    return static_cast<float>(DbToGain(reduced - db));
  }

 private:
  double threshold_db_, ratio_, attack_, release_;
  double envelope_ = 0.0;
};

}  // namespace

void Compress(Mono& signal, double threshold_db, double ratio, double attack_s, double release_s) {
  GainComputer computer(threshold_db, ratio, attack_s, release_s);
  for (float& sample : signal) sample *= computer.Gain(std::fabs(sample));
}

void Compress(Stereo& signal, double threshold_db, double ratio, double attack_s, double release_s) {
  GainComputer computer(threshold_db, ratio, attack_s, release_s);
  for (size_t i = 0; i < signal.frames(); ++i) {
    const float gain = computer.Gain(std::max(std::fabs(signal.left[i]), std::fabs(signal.right[i])));
    signal.left[i] *= gain;
    signal.right[i] *= gain;
  }
}

void CompressLoop(Stereo& signal, double threshold_db, double ratio, double attack_s, double release_s,
                  double warm_seconds) {
  GainComputer computer(threshold_db, ratio, attack_s, release_s);
  auto level = [&signal](size_t i) { return std::max(std::fabs(signal.left[i]), std::fabs(signal.right[i])); };
  const size_t warm = std::min(signal.frames(), Frames(warm_seconds));
  for (size_t i = signal.frames() - warm; i < signal.frames(); ++i) computer.Gain(level(i));
  for (size_t i = 0; i < signal.frames(); ++i) {
    const float gain = computer.Gain(level(i));
    signal.left[i] *= gain;
    signal.right[i] *= gain;
  }
}

void FadeIn(Mono& signal, double seconds) {
  const size_t count = std::min(signal.size(), Frames(seconds));
  for (size_t i = 0; i < count; ++i) signal[i] *= static_cast<float>(i) / static_cast<float>(count);
}

void FadeOut(Mono& signal, double seconds) {
  const size_t count = std::min(signal.size(), Frames(seconds));
  for (size_t i = 0; i < count; ++i) {
    signal[signal.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(count);
  }
}

namespace {

float Peak(const Mono& signal) {
  float peak = 0.0f;
  for (float sample : signal) peak = std::max(peak, std::fabs(sample));
  return peak;
}

}  // namespace

void NormalizePeak(Mono& signal, double peak_db) {
  const float peak = Peak(signal);
  if (peak > 0.0f) Scale(signal, static_cast<float>(DbToGain(peak_db) / peak));
}

void NormalizePeak(Stereo& signal, double peak_db) {
  const float peak = std::max(Peak(signal.left), Peak(signal.right));
  if (peak <= 0.0f) return;
  const auto gain = static_cast<float>(DbToGain(peak_db) / peak);
  Scale(signal.left, gain);
  Scale(signal.right, gain);
}

void CrossfadeLoop(Mono& signal, size_t overlap) {
  if (overlap == 0 || overlap >= signal.size()) return;
  const size_t length = signal.size() - overlap;
  for (size_t i = 0; i < overlap; ++i) {
    // Equal-power blend: the rendered continuation fades out as the original start fades in.
    const double t = (static_cast<double>(i) + 0.5) / static_cast<double>(overlap);
    const auto in = static_cast<float>(std::sin(t * kPi / 2.0));
    const auto out = static_cast<float>(std::cos(t * kPi / 2.0));
    signal[i] = signal[i] * in + signal[length + i] * out;
  }
  signal.resize(length);
}

void WrapTail(Stereo& signal, size_t length) {
  for (size_t i = length; i < signal.frames(); ++i) {
    signal.left[i % length] += signal.left[i];
    signal.right[i % length] += signal.right[i];
  }
  signal.left.resize(length);
  signal.right.resize(length);
}

Mono Upsample2x(const Mono& signal) {
  constexpr int kTaps = 16;  // each side of the new sample
  std::array<double, 2 * kTaps> kernel{};
  for (int k = 0; k < 2 * kTaps; ++k) {
    const double x = (k - kTaps + 0.5);  // distance from the half-way point, in input samples
    const double window = 0.5 + 0.5 * std::cos(kPi * x / (kTaps + 0.5));
    kernel[static_cast<size_t>(k)] = std::sin(kPi * x) / (kPi * x) * window;
  }
  Mono out(signal.size() * 2, 0.0f);
  const auto count = static_cast<long>(signal.size());
  for (long i = 0; i < count; ++i) {
    out[static_cast<size_t>(2 * i)] = signal[static_cast<size_t>(i)];
    double sum = 0.0;
    for (int k = 0; k < 2 * kTaps; ++k) {
      const long at = i + k - kTaps + 1;
      if (at >= 0 && at < count) sum += signal[static_cast<size_t>(at)] * kernel[static_cast<size_t>(k)];
    }
    out[static_cast<size_t>(2 * i + 1)] = static_cast<float>(sum);
  }
  return out;
}

Mono TrimSilence(const Mono& signal, double threshold_db, double lead_seconds, double tail_seconds) {
  const auto threshold = static_cast<float>(DbToGain(threshold_db));
  size_t first = signal.size(), last = 0;
  for (size_t i = 0; i < signal.size(); ++i) {
    if (std::fabs(signal[i]) > threshold) {
      first = std::min(first, i);
      last = i;
    }
  }
  if (first > last) return {};
  const size_t begin = first - std::min(first, Frames(lead_seconds));
  const size_t end = std::min(signal.size(), last + 1 + Frames(tail_seconds));
  Mono out(signal.begin() + static_cast<long>(begin), signal.begin() + static_cast<long>(end));
  out.resize(out.size() + Frames(tail_seconds) - (end - last - 1), 0.0f);
  return out;
}

}  // namespace synth
