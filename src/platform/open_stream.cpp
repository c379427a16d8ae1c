#include "platform/open_stream.h"

#include "platform/embedded_files.h"
#include "platform/file_stream.h"
#include "platform/ram_stream.h"

StreamPtr OpenStream(const std::string& location, bool readable, bool writeable) {
  if (IsEmbeddedLocation(location)) {
    if (writeable || !readable) return nullptr;
    const EmbeddedFile* entry = FindEmbeddedFile(EmbeddedName(location));
    if (!entry) return nullptr;
    return std::make_unique<TRamStream>(entry->bytes, entry->size);
  }
  return TCStream::Open(location, readable, writeable);
}

StreamPtr ReadStream(const std::string& location) { return OpenStream(location, true, false); }

StreamPtr WriteStream(const std::string& location) { return OpenStream(location, false, true); }
