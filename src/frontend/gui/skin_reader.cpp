#include "frontend/gui/skin_reader.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "frontend/gui/button.h"
#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui_state.h"
#include "frontend/gui/skin_file.h"
#include "frontend/gui/table.h"
#include "frontend/locale.h"
#include "platform/debug_output.h"
#include "platform/dir_listing.h"
#include "platform/file_system.h"

namespace {

kui_TSkinElement ReadElement(xmlTextReaderPtr r, kui_TGadget* parent) {
  kui_TSkinElement e;
  e.name = XmlAttribute(r, "name");
  e.x = kui_ToInt(XmlAttribute(r, "x"));
  e.y = kui_ToInt(XmlAttribute(r, "y"));
  e.w = kui_ToInt(XmlAttribute(r, "w"));
  e.h = kui_ToInt(XmlAttribute(r, "h"));
  const std::string key = XmlAttribute(r, "text");
  if (!key.empty()) e.text = TLocale::getText(key);
  e.parent = parent;
  e.reader = r;
  return e;
}

// The attributes every element may carry. A table's go to the rows of its first column.
void ApplyCommonAttributes(kui_TGadget* g, xmlTextReaderPtr r) {
  const int column = dynamic_cast<kui_TTable*>(g) ? 0 : -1;
  if (kui_HasAttribute(r, "colour")) g->HexColour(XmlAttribute(r, "colour"), 0, column);
  if (kui_HasAttribute(r, "textcolour")) g->HexTextColour(XmlAttribute(r, "textcolour"), 0, column);
  if (kui_HasAttribute(r, "alpha")) g->SetAlpha(kui_ToFloat(XmlAttribute(r, "alpha")), 0, column);
  if (kui_HasAttribute(r, "textalpha")) g->SetTextAlpha(kui_ToFloat(XmlAttribute(r, "textalpha")), 0, column);
  if (XmlAttribute(r, "hide") == "true") g->Hide();
  if (kui_HasAttribute(r, "font")) g->SetFont(XmlAttribute(r, "font"));
}

kui_TGadget* CreateFromElement(xmlTextReaderPtr r, kui_TGadget* parent) {
  const kui_TSkinElement element = ReadElement(r, parent);
  const TGadgetType* type = kui_FindGadgetType(XmlName(r));
  kui_TGadget* gadget = type ? type->fFunction(element) : nullptr;
  if (gadget) {
    ApplyCommonAttributes(gadget, r);
    DebugLog("Created gadget: " + gadget->gName);
  }
  return gadget;
}

// Reads sibling elements until the end tag that closes them (or the file ends).
void ReadGadgets(xmlTextReaderPtr r, kui_TGadget* parent) {
  int code = xmlTextReaderRead(r);
  if (code != 1) {
    DebugLog("Problem: VAL = " + std::to_string(code));
    return;
  }
  while (xmlTextReaderNodeType(r) != XML_READER_TYPE_END_ELEMENT) {
    if (xmlTextReaderNodeType(r) == XML_READER_TYPE_ELEMENT) {
      const bool empty = xmlTextReaderIsEmptyElement(r) == 1;
      kui_TGadget* gadget = CreateFromElement(r, parent);
      if (!empty) ReadGadgets(r, gadget);
    }
    if (xmlTextReaderRead(r) != 1) return;
  }
}

bool HasXmlExtension(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  std::string ext = name.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return ext == "xml";
}

void WalkFolder(const std::string& folder, const std::function<void(const std::string&)>& readFile) {
  DirListingPtr listing = ReadDir(folder);
  if (!listing) return;
  for (std::string name = NextFile(listing.get()); !name.empty(); name = NextFile(listing.get())) {
    const std::string path = folder + "/" + name;
    if (FileType(path) == 2) {
      WalkFolder(path, readFile);
    } else if (HasXmlExtension(name)) {
      readFile(path);
    }
  }
}

// The first element, or false when the file has none.
bool ReadToFirstElement(xmlTextReaderPtr r) {
  while (xmlTextReaderRead(r) == 1) {
    if (xmlTextReaderNodeType(r) == XML_READER_TYPE_ELEMENT) return true;
  }
  return false;
}

void ReadScreenPanels(xmlTextReaderPtr r, kui_TScreen* screen) {
  while (xmlTextReaderRead(r) == 1 && xmlTextReaderNodeType(r) != XML_READER_TYPE_END_ELEMENT) {
    if (xmlTextReaderNodeType(r) != XML_READER_TYPE_ELEMENT || XmlName(r) != "panel") continue;
    kui_TGadget* panel = kui_GUI::GetPanel(XmlAttribute(r, "name"));
    if (panel) screen->AddPanel(panel);
  }
}

}  // namespace

int kui_LoadPanelFile(const std::string& path) {
  const std::unique_ptr<XmlReader> reader = kui_OpenSkinFile(path);
  if (!reader) return 0;
  ReadGadgets(reader->get(), nullptr);
  return 1;
}

int kui_LoadScreenFile(const std::string& path) {
  const std::unique_ptr<XmlReader> reader = kui_OpenSkinFile(path);
  if (!reader) return 0;
  xmlTextReaderPtr r = reader->get();
  if (!ReadToFirstElement(r) || XmlName(r) != "screen") return 0;
  const std::string name = XmlAttribute(r, "name");
  if (name.empty()) return 0;
  kui_TScreen* screen = kui_TScreen::Create(name, XmlAttribute(r, "family"));
  if (xmlTextReaderIsEmptyElement(r) != 1) ReadScreenPanels(r, screen);
  return 1;
}

void kui_LoadPanelFolder(const std::string& folder) {
  WalkFolder(folder, [](const std::string& path) { kui_LoadPanelFile(path); });
}

void kui_LoadScreenFolder(const std::string& folder) {
  WalkFolder(folder, [](const std::string& path) { kui_LoadScreenFile(path); });
}

void kui_RecordLink(kui_TGadget* button, const std::string& screen) {
  kui_State().links.push_back(kui_TLink{button, screen});
}

void kui_ResolveLinks() {
  for (const kui_TLink& link : kui_State().links) {
    if (auto* button = dynamic_cast<kui_TButton*>(link.gadget)) button->SetNameLink(link.screen);
  }
  kui_State().links.clear();
}
