// The toolkit's fonts: registered by name (found ignoring case), and the skin's fonts file.
#include "frontend/gui/fonts.h"

#include "frontend/gui/gui_state.h"
#include "frontend/gui/skin_file.h"
#include "platform/debug_output.h"
#include "platform/xml_reader.h"

int kui_GUI::AddFont(const std::string& name, const std::string& url, int size) {
  if (name.empty()) return 0;
  ImageFontPtr font = LoadImageFont("incbin::Inc/" + url, size, kSmoothFont);
  if (!font) DebugLog("Cannot load font: " + url);
  kui_State().fonts.push_back(kui_TFont{font.get(), name});
  if (font) kui_State().ownedFonts.push_back(std::move(font));
  return 0;
}

int kui_GUI::AddFont(const std::string& name, TImageFont* font) {
  if (!name.empty()) kui_State().fonts.push_back(kui_TFont{font, name});
  return 0;
}

TImageFont* kui_GUI::GetFont(const std::string& name) {
  if (name.empty()) return nullptr;
  for (const kui_TFont& font : kui_State().fonts) {
    if (kui_SameName(font.gName, name)) return font.gFont;
  }
  return nullptr;
}

const std::vector<kui_TFont>& kui_GUI::Fonts() { return kui_State().fonts; }

int kui_LoadFontsFile(const std::string& path) {
  const std::unique_ptr<XmlReader> reader = kui_OpenSkinFile(path);
  if (!reader) return 0;
  xmlTextReaderPtr r = reader->get();
  // Fonts are empty elements inside one root: the first end tag ends the list.
  while (xmlTextReaderRead(r) == 1 && xmlTextReaderNodeType(r) != XML_READER_TYPE_END_ELEMENT) {
    if (xmlTextReaderNodeType(r) != XML_READER_TYPE_ELEMENT || XmlName(r) != "font") continue;
    const std::string name = XmlAttribute(r, "name");
    if (!name.empty()) kui_GUI::AddFont(name, XmlAttribute(r, "url"), kui_ToInt(XmlAttribute(r, "size")));
  }
  return 1;
}
