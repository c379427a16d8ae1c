// The ranges channel settings are held to, shared by the drivers.
#pragma once

#include <algorithm>
#include <cmath>

// 0 to 1; louder requests play at full volume, and nonsense is silence.
inline float ClampVolume(float volume) {
  if (!std::isfinite(volume)) return volume > 0 ? 1.0f : 0.0f;
  return std::clamp(volume, 0.0f, 1.0f);
}

// A positive playback-rate factor; nonsense plays at normal rate.
inline constexpr float kMinimumRate = 0.01f;
inline constexpr float kMaximumRate = 16.0f;
inline float ClampRate(float rate) {
  if (!std::isfinite(rate)) return 1.0f;
  return std::clamp(rate, kMinimumRate, kMaximumRate);
}

// -1 (left) to 1 (right).
inline float ClampPan(float pan) {
  if (!std::isfinite(pan)) return 0.0f;
  return std::clamp(pan, -1.0f, 1.0f);
}
