// A byte stream with a read position: the base of file and memory streams.
// The game's formats use only 32-bit little-endian integers and lines of 8-bit text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class TStream {
 public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream() = default;

  // Raw transfer; both return the number of bytes moved (short on end of stream or failure).
  virtual size_t Read(void* buffer, size_t count) = 0;
  virtual size_t Write(const void* buffer, size_t count) = 0;
  virtual int64_t Pos() const = 0;
  virtual int64_t Size() const = 0;
  virtual bool Seek(int64_t position) = 0;
  // Pushes buffered writes to their destination.
  virtual void Flush() {}
  // Flushes and releases the underlying resource; reads and writes fail afterwards.
  virtual void Close() = 0;

  // True once the read position has reached the stream's size.
  bool Eof() const { return Pos() >= Size(); }
  // True when a write, flush or close has failed: the data did not all arrive.
  bool Failed() const { return failed_; }

  // A 32-bit two's-complement integer, least significant byte first; 0 past the end.
  int ReadInt();
  void WriteInt(int value);
  // Bytes up to a line feed, a zero byte or the end; carriage returns are dropped.
  std::string ReadLine();
  // Each character as one byte, then CR LF.
  void WriteLine(const std::string& text);
  // The whole rest of the stream.
  std::string ReadAll();

 protected:
  void MarkFailed() { failed_ = true; }

 private:
  bool failed_ = false;
};

using StreamPtr = std::unique_ptr<TStream>;
