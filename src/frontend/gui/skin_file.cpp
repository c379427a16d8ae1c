#include "frontend/gui/skin_file.h"

#include <cstdlib>

#include "platform/debug_output.h"
#include "platform/open_stream.h"

std::unique_ptr<XmlReader> kui_OpenSkinFile(const std::string& path) {
  DebugLog("Parsing file: " + path);
  StreamPtr stream = ReadStream(path);
  if (!stream) return nullptr;
  auto reader = std::make_unique<XmlReader>(stream->ReadAll());
  if (!*reader) return nullptr;
  return reader;
}

int kui_ToInt(const std::string& text) { return static_cast<int>(std::strtol(text.c_str(), nullptr, 10)); }

float kui_ToFloat(const std::string& text) { return std::strtof(text.c_str(), nullptr); }

bool kui_HasAttribute(xmlTextReaderPtr reader, const char* name) {
  xmlChar* value = xmlTextReaderGetAttribute(reader, reinterpret_cast<const xmlChar*>(name));
  if (!value) return false;
  xmlFree(value);
  return true;
}
