#include "platform/stream.h"

#include <cstdint>

int TStream::ReadInt() {
  unsigned char bytes[4] = {0, 0, 0, 0};
  if (Read(bytes, 4) != 4) return 0;
  const uint32_t value = static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
                         (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
  return static_cast<int32_t>(value);
}

void TStream::WriteInt(int value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  const unsigned char bytes[4] = {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
                                  static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
  if (Write(bytes, 4) != 4) MarkFailed();
}

std::string TStream::ReadLine() {
  std::string line;
  unsigned char byte = 0;
  while (Read(&byte, 1) == 1) {
    if (byte == 10 || byte == 0) break;
    if (byte == 13) continue;
    line.push_back(static_cast<char>(byte));
  }
  return line;
}

void TStream::WriteLine(const std::string& text) {
  std::string bytes = text;
  bytes += "\r\n";
  if (Write(bytes.data(), bytes.size()) != bytes.size()) MarkFailed();
}

std::string TStream::ReadAll() {
  std::string data;
  char block[4096];
  size_t got = 0;
  while ((got = Read(block, sizeof block)) > 0) data.append(block, got);
  return data;
}
