// Decoded PCM: the form every sound takes between its file and a driver.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// Sample formats: channels, bits and byte order of one frame.
inline constexpr int kSampleMono8 = 1;
inline constexpr int kSampleMono16LE = 2;
inline constexpr int kSampleMono16BE = 3;
inline constexpr int kSampleStereo8 = 4;
inline constexpr int kSampleStereo16LE = 5;
inline constexpr int kSampleStereo16BE = 6;

// 8-bit samples are unsigned (silence is 128); 16-bit ones are signed.
bool SampleFormatValid(int format);
int SampleFormatChannels(int format);
// Bytes in one frame; 0 for an unknown format.
int SampleFormatBytesPerFrame(int format);

class TAudioSample {
 public:
  uint8_t* samples = nullptr;  // length frames of format
  int length = 0;              // sample frames
  int hertz = 0;               // frames per second
  int format = 0;
  int capacity = 0;  // bytes the sample owns; -1 when it wraps memory of someone else's

  TAudioSample() = default;
  TAudioSample(TAudioSample&& other) noexcept;
  TAudioSample& operator=(TAudioSample&& other) noexcept;
  TAudioSample(const TAudioSample&) = delete;
  TAudioSample& operator=(const TAudioSample&) = delete;

  // Silent (zeroed) frames of its own; an unknown format gives no bytes.
  static TAudioSample Create(int length, int hertz, int format);
  // Takes over decoded bytes; a trailing part frame is dropped.
  static TAudioSample FromBytes(std::vector<uint8_t> bytes, int hertz, int format);
  // Wraps bytes owned elsewhere, which must outlive the sample and its moves.
  static TAudioSample CreateStatic(uint8_t* bytes, int length, int hertz, int format);

  int BytesPerFrame() const { return SampleFormatBytesPerFrame(format); }
  int64_t ByteCount() const { return static_cast<int64_t>(length) * BytesPerFrame(); }

  // A copy that owns its bytes.
  TAudioSample Copy() const;
  // The same sound in another format (channels mixed or doubled, bits and byte order changed).
  // Unknown formats log "Unimplemented sample format conversion" and give none.
  std::optional<TAudioSample> Convert(int to_format) const;

 private:
  void TakeFrom(TAudioSample& other) noexcept;

  std::vector<uint8_t> owned_;
};
