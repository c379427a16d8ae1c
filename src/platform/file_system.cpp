#include "platform/file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/embedded_files.h"
#include "platform/open_stream.h"

std::string NormalisePath(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

int FileType(const std::string& path) {
  if (path.empty() || IsEmbeddedLocation(path)) return 0;
  std::string native = NormalisePath(path);
  // "Tracks/" names the folder Tracks.
  while (native.size() > 1 && native.back() == '/') native.pop_back();
  struct stat info {};
  if (stat(native.c_str(), &info) != 0) return 0;
  if (S_ISDIR(info.st_mode)) return 2;
  if (S_ISREG(info.st_mode)) return 1;
  return 0;
}

int CreateDir(const std::string& path, bool recurse) {
  std::string native = NormalisePath(path);
  while (native.size() > 1 && native.back() == '/') native.pop_back();
  if (native.empty() || IsEmbeddedLocation(native)) return 0;
  if (FileType(native) == 2) return 1;
  if (recurse) {
    const size_t slash = native.find_last_of('/');
    if (slash != std::string::npos && slash > 0) CreateDir(native.substr(0, slash), true);
  }
  if (mkdir(native.c_str(), 0755) != 0 && errno != EEXIST) return 0;
  return FileType(native) == 2 ? 1 : 0;
}

int CopyFile(const std::string& source, const std::string& destination) {
  StreamPtr in = ReadStream(source);
  if (!in) return 0;
  StreamPtr out = WriteStream(destination);
  if (!out) return 0;
  char block[4096];
  bool ok = true;
  size_t got = 0;
  while (ok && (got = in->Read(block, sizeof block)) > 0) ok = out->Write(block, got) == got;
  ok = ok && in->Eof();
  in->Close();
  out->Close();
  ok = ok && !out->Failed();
  // Half a database is worse than none: the next start would take it for a good copy.
  if (!ok) DeleteFile(destination);
  return ok ? 1 : 0;
}

int DeleteFile(const std::string& path) {
  if (IsEmbeddedLocation(path)) return 0;
  const std::string native = NormalisePath(path);
  if (FileType(native) == 1) unlink(native.c_str());
  return FileType(native) == 1 ? 0 : 1;
}

int RenameFile(const std::string& from, const std::string& to) {
  if (IsEmbeddedLocation(from) || IsEmbeddedLocation(to)) return 0;
  return std::rename(NormalisePath(from).c_str(), NormalisePath(to).c_str()) == 0 ? 1 : 0;
}
