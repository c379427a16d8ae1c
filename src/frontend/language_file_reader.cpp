#include "frontend/language_file_reader.h"

#include <libxml/xmlreader.h>

#include <charconv>
#include <memory>

#include "platform/xml_reader.h"

namespace {

int ParseValue(const std::string& text) {
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() ? value : 0;
}

// The text content of the current element, up to its end.
std::string ReadElementText(xmlTextReaderPtr reader) {
  if (xmlTextReaderIsEmptyElement(reader)) return std::string();
  std::string text;
  const int depth = xmlTextReaderDepth(reader);
  while (xmlTextReaderRead(reader) == 1) {
    const int type = xmlTextReaderNodeType(reader);
    if (type == XML_READER_TYPE_END_ELEMENT && xmlTextReaderDepth(reader) == depth) break;
    if (type == XML_READER_TYPE_TEXT || type == XML_READER_TYPE_CDATA ||
        type == XML_READER_TYPE_SIGNIFICANT_WHITESPACE || type == XML_READER_TYPE_WHITESPACE) {
      text += XmlValue(reader);
    }
  }
  return text;
}

}  // namespace

bool ReadLanguageFile(const std::string& bytes, LanguageFileContent& content) {
  XmlReader reader(bytes);
  if (!reader) return false;
  LanguageFileContent read;
  std::string currentTag;
  bool inTag = false;
  int status = 0;
  while ((status = xmlTextReaderRead(reader.get())) == 1) {
    if (xmlTextReaderNodeType(reader.get()) != XML_READER_TYPE_ELEMENT) continue;
    const int depth = xmlTextReaderDepth(reader.get());
    const std::string name = XmlName(reader.get());
    if (depth == 0) {
      read.defaultLang = XmlAttribute(reader.get(), "default");
    } else if (depth == 1) {
      inTag = name == "tag";
      currentTag = inTag ? XmlAttribute(reader.get(), "name") : std::string();
    } else if (depth == 2 && inTag && name == "trans") {
      LanguageFileEntry entry;
      entry.tag = currentTag;
      entry.lang = XmlAttribute(reader.get(), "lang");
      entry.value = ParseValue(XmlAttribute(reader.get(), "value"));
      entry.text = ReadElementText(reader.get());
      read.entries.push_back(std::move(entry));
    }
  }
  if (status != 0) return false;
  content = std::move(read);
  return true;
}
