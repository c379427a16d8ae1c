#include "frontend/languages.h"

#include "platform/open_stream.h"
#include "platform/xml_reader.h"

namespace {

std::map<std::string, TLanguage>& Names() {
  static std::map<std::string, TLanguage> names;
  return names;
}

bool loaded = false;

}  // namespace

int TLanguages::Load(const std::string& location) {
  loaded = true;
  StreamPtr file = ReadStream(location);
  if (!file) return 0;
  XmlReader reader(file->ReadAll());
  if (!reader) return 0;
  auto& names = Names();
  while (xmlTextReaderRead(reader.get()) == 1) {
    if (xmlTextReaderNodeType(reader.get()) != XML_READER_TYPE_ELEMENT || XmlName(reader.get()) != "lang") continue;
    TLanguage language{XmlAttribute(reader.get(), "iso"), XmlAttribute(reader.get(), "language"),
                       XmlAttribute(reader.get(), "native")};
    if (!language.iso.empty()) names[language.iso] = language;
  }
  return static_cast<int>(names.size());
}

const std::map<std::string, TLanguage>& TLanguages::All() {
  if (!loaded) Load();
  return Names();
}

std::string TLanguages::GetLanguage(const std::string& code, int native) {
  const auto& names = All();
  const auto found = names.find(code);
  if (found == names.end()) return code;
  const TLanguage& language = found->second;
  if (native && !language.native.empty()) return language.native;
  return language.language;
}
