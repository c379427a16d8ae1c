// A stream over a file on disk.
#pragma once

#include <cstdio>
#include <string>

#include "platform/stream.h"

class TCStream : public TStream {
 public:
  // Opens path; readable and writeable as asked. Null when the file cannot be opened,
  // or when reading is asked of something that is not a regular file.
  static std::unique_ptr<TCStream> Open(const std::string& path, bool readable, bool writeable);
  ~TCStream() override;

  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;
  int64_t Pos() const override;
  int64_t Size() const override;
  bool Seek(int64_t position) override;
  void Flush() override;
  void Close() override;

 private:
  TCStream(std::FILE* file, bool readable, bool writeable);

  std::FILE* file_;
  bool readable_;
  bool writeable_;
  int64_t pos_ = 0;
  int64_t size_ = 0;
};
