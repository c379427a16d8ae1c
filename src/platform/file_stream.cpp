#include "platform/file_stream.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/file_system.h"

std::unique_ptr<TCStream> TCStream::Open(const std::string& path, bool readable, bool writeable) {
  if (!readable && !writeable) return nullptr;
  const std::string native = NormalisePath(path);
  if (native.empty()) return nullptr;
  // A folder opens with fopen on Linux; a stream over it would only fail later.
  if (FileType(native) == 2) return nullptr;
  std::FILE* file = nullptr;
  if (readable && writeable) {
    file = std::fopen(native.c_str(), "r+b");
    if (!file) file = std::fopen(native.c_str(), "w+b");
  } else {
    file = std::fopen(native.c_str(), writeable ? "wb" : "rb");
  }
  if (!file) return nullptr;
  auto stream = std::unique_ptr<TCStream>(new TCStream(file, readable, writeable));
  struct stat info {};
  if (fstat(fileno(file), &info) == 0) stream->size_ = info.st_size;
  return stream;
}

TCStream::TCStream(std::FILE* file, bool readable, bool writeable)
    : file_(file), readable_(readable), writeable_(writeable) {}

TCStream::~TCStream() { Close(); }

size_t TCStream::Read(void* buffer, size_t count) {
  if (!file_ || !readable_ || count == 0) return 0;
  const size_t got = std::fread(buffer, 1, count, file_);
  pos_ += static_cast<int64_t>(got);
  return got;
}

size_t TCStream::Write(const void* buffer, size_t count) {
  if (!file_ || !writeable_) {
    if (count > 0) MarkFailed();
    return 0;
  }
  const size_t put = std::fwrite(buffer, 1, count, file_);
  if (put != count) MarkFailed();
  pos_ += static_cast<int64_t>(put);
  size_ = std::max(size_, pos_);
  return put;
}

int64_t TCStream::Pos() const { return pos_; }

int64_t TCStream::Size() const { return size_; }

bool TCStream::Seek(int64_t position) {
  if (!file_ || position < 0) return false;
  if (std::fseek(file_, static_cast<long>(position), SEEK_SET) != 0) return false;
  pos_ = position;
  return true;
}

void TCStream::Flush() {
  if (file_ && writeable_ && std::fflush(file_) != 0) MarkFailed();
}

void TCStream::Close() {
  if (!file_) return;
  // A full disk often shows only when the buffered data is flushed.
  if (writeable_ && std::fflush(file_) != 0) MarkFailed();
  if (std::fclose(file_) != 0 && writeable_) MarkFailed();
  file_ = nullptr;
}
