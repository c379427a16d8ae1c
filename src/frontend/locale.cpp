#include "frontend/locale.h"

#include <map>
#include <set>

#include "frontend/language_file_reader.h"
#include "platform/embedded_files.h"
#include "platform/file_system.h"
#include "platform/open_stream.h"

namespace {

struct LocaleTable {
  std::map<std::string, TLocalizedText> texts;
  std::set<std::string> codes;
  std::string defaultLocale = "en";
  std::string currentLocale = "en";
  std::string lastError;
};

LocaleTable& Table() {
  static LocaleTable table;
  return table;
}

}  // namespace

int TLocale::LoadFromBLF(const std::string& path) {
  LocaleTable& table = Table();
  const bool embedded = path.starts_with("incbin");
  StreamPtr file = (embedded || FileType(path) == 1) ? ReadStream(path) : nullptr;
  if (!file) {
    table.lastError = "blf file '" + path + "' not found";
    return -1;
  }
  LanguageFileContent content;
  if (!ReadLanguageFile(file->ReadAll(), content)) {
    table.lastError = "blf file '" + path + "' is not well-formed XML";
    return 0;
  }
  if (!content.defaultLang.empty()) {
    table.defaultLocale = content.defaultLang;
    table.currentLocale = content.defaultLang;
  }
  for (const LanguageFileEntry& entry : content.entries) AddText(entry.tag, entry.text, entry.lang, entry.value);
  return 1;
}

const std::string& TLocale::LastError() { return Table().lastError; }

void TLocale::AddText(const std::string& tag, const std::string& text, const std::string& lang, int value) {
  LocaleTable& table = Table();
  const std::string code = lang.empty() ? table.defaultLocale : lang;
  TLocalizedText& entry = table.texts[tag];
  entry.tag = tag;
  entry.locales[code] = TLocalePart{text, value};
  if (!lang.empty()) table.codes.insert(lang);
}

const TLocalePart* TLocale::FindPart(const std::string& tag, const std::string& lang) {
  const LocaleTable& table = Table();
  const auto found = table.texts.find(tag);
  if (found == table.texts.end()) return nullptr;
  const std::string code = lang.empty() ? table.currentLocale : lang;
  if (const TLocalePart* part = found->second.Find(code)) return part;
  if (code != table.defaultLocale) return found->second.Find(table.defaultLocale);
  return nullptr;
}

std::string TLocale::getText(const std::string& tag, const std::string& lang) {
  const TLocalePart* part = FindPart(tag, lang);
  return part ? part->text : "@" + tag;
}

int TLocale::getValue(const std::string& tag, const std::string& lang) {
  const TLocalePart* part = FindPart(tag, lang);
  return part ? part->value : 0;
}

void TLocale::SetCurrentLocale(const std::string& code) { Table().currentLocale = code; }

const std::string& TLocale::GetCurrentLocale() { return Table().currentLocale; }

void TLocale::SetDefaultLocale(const std::string& code) { Table().defaultLocale = code; }

const std::string& TLocale::GetDefaultLocale() { return Table().defaultLocale; }

std::vector<std::string> TLocale::getLocales() {
  const auto& codes = Table().codes;
  return std::vector<std::string>(codes.begin(), codes.end());
}

void TLocale::Clear() { Table() = LocaleTable(); }
