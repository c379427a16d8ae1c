// A libxml2 text reader over bytes in memory, released when it goes.
#pragma once

#include <libxml/xmlreader.h>

#include <string>

class XmlReader {
 public:
  // Keeps its own copy of the bytes: the reader parses them as it goes.
  explicit XmlReader(std::string bytes);
  ~XmlReader();
  XmlReader(const XmlReader&) = delete;
  XmlReader& operator=(const XmlReader&) = delete;

  explicit operator bool() const { return reader_ != nullptr; }
  xmlTextReaderPtr get() const { return reader_; }

 private:
  std::string bytes_;
  xmlTextReaderPtr reader_ = nullptr;
};

std::string XmlName(xmlTextReaderPtr reader);
// The attribute's value, or the empty text when absent.
std::string XmlAttribute(xmlTextReaderPtr reader, const char* name);
std::string XmlValue(xmlTextReaderPtr reader);
