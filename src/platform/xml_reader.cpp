#include "platform/xml_reader.h"

#include <libxml/parser.h>

#include <cstdint>

namespace {

std::string TakeString(xmlChar* text) {
  if (!text) return std::string();
  std::string result(reinterpret_cast<const char*>(text));
  xmlFree(text);
  return result;
}

// Parse errors are answered by the reader's return codes; keep libxml2 off standard error.
void IgnoreXmlError(void*, const char*, ...) {}

}  // namespace

XmlReader::XmlReader(std::string bytes) : bytes_(std::move(bytes)) {
  if (bytes_.size() > static_cast<size_t>(INT32_MAX)) return;
  xmlSetGenericErrorFunc(nullptr, IgnoreXmlError);
  // No network, no entity expansion from outside the document.
  reader_ = xmlReaderForMemory(bytes_.data(), static_cast<int>(bytes_.size()), nullptr, nullptr,
                               XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
}

XmlReader::~XmlReader() {
  if (reader_) xmlFreeTextReader(reader_);
}

std::string XmlName(xmlTextReaderPtr reader) {
  const xmlChar* name = xmlTextReaderConstName(reader);
  return name ? reinterpret_cast<const char*>(name) : std::string();
}

std::string XmlAttribute(xmlTextReaderPtr reader, const char* name) {
  return TakeString(xmlTextReaderGetAttribute(reader, reinterpret_cast<const xmlChar*>(name)));
}

std::string XmlValue(xmlTextReaderPtr reader) {
  const xmlChar* value = xmlTextReaderConstValue(reader);
  return value ? reinterpret_cast<const char*>(value) : std::string();
}
