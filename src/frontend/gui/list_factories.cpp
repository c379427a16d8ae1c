// Skin elements of the tables and combo boxes.
#include "frontend/gui/combo_box.h"
#include "frontend/gui/gadget_types.h"
#include "frontend/gui/skin_file.h"
#include "frontend/gui/table.h"

namespace {

// headcolour, headtext, ... selecttextalpha onto the table's sets (column -1) or one column.
void ApplyHeadingAndSelection(kui_TTable* table, xmlTextReaderPtr r, int column) {
  struct TSetAttrs {
    const char *colour, *text, *alpha, *textAlpha;
    int set;
  };
  const TSetAttrs sets[2] = {{"headcolour", "headtext", "headalpha", "headtextalpha", kui_TTable::HEADING_SET},
                             {"selectcolour", "selecttext", "selectalpha", "selecttextalpha",
                              kui_TTable::SELECTION_SET}};
  for (const TSetAttrs& s : sets) {
    if (kui_HasAttribute(r, s.colour)) table->HexColour(XmlAttribute(r, s.colour), s.set, column);
    if (kui_HasAttribute(r, s.text)) table->HexTextColour(XmlAttribute(r, s.text), s.set, column);
    if (kui_HasAttribute(r, s.alpha)) table->SetAlpha(kui_ToFloat(XmlAttribute(r, s.alpha)), s.set, column);
    if (kui_HasAttribute(r, s.textAlpha)) {
      table->SetTextAlpha(kui_ToFloat(XmlAttribute(r, s.textAlpha)), s.set, column);
    }
  }
}

}  // namespace

kui_TGadget* kui_MakeTable(const kui_TSkinElement& e) {
  xmlTextReaderPtr r = e.reader;
  kui_TTable* table = kui_TTable::Create(e.name, float(e.x), float(e.y), float(e.h), XmlAttribute(r, "heading"), e.w,
                                         nullptr, kui_ToInt(XmlAttribute(r, "imagewidth")),
                                         kui_ToInt(XmlAttribute(r, "ih")), 1, e.parent);
  if (!table) return nullptr;
  ApplyHeadingAndSelection(table, r, -1);
  if (kui_HasAttribute(r, "background")) table->SetBackground(0, kui_ToInt(XmlAttribute(r, "background")));
  if (kui_HasAttribute(r, "headbackground")) table->SetBackground(1, kui_ToInt(XmlAttribute(r, "headbackground")));
  if (XmlAttribute(r, "header") == "false") table->SetHeader(0);
  return table;
}

kui_TGadget* kui_MakeTableColumn(const kui_TSkinElement& e) {
  auto* table = dynamic_cast<kui_TTable*>(e.parent);
  if (!table) return nullptr;
  xmlTextReaderPtr r = e.reader;
  table->AddColumn(e.w, XmlAttribute(r, "heading"), nullptr, kui_ToInt(XmlAttribute(r, "imagewidth")),
                   kui_ToInt(XmlAttribute(r, "centre")));
  const int column = table->CountColumns() - 1;
  ApplyHeadingAndSelection(table, r, column);
  if (kui_HasAttribute(r, "colour")) table->HexColour(XmlAttribute(r, "colour"), kui_TTable::ROWS_SET, column);
  if (kui_HasAttribute(r, "textcolour")) {
    table->HexTextColour(XmlAttribute(r, "textcolour"), kui_TTable::ROWS_SET, column);
  }
  if (kui_HasAttribute(r, "alpha")) table->SetAlpha(kui_ToFloat(XmlAttribute(r, "alpha")), 0, column);
  if (kui_HasAttribute(r, "textalpha")) table->SetTextAlpha(kui_ToFloat(XmlAttribute(r, "textalpha")), 0, column);
  return nullptr;
}

kui_TGadget* kui_MakeComboBox(const kui_TSkinElement& e) {
  xmlTextReaderPtr r = e.reader;
  kui_TComboBox* box = kui_TComboBox::Create(e.name, e.text, float(e.x), float(e.y), float(e.w), float(e.h),
                                             kui_ToInt(XmlAttribute(r, "mw")), kui_ToInt(XmlAttribute(r, "mh")),
                                             kui_ToInt(XmlAttribute(r, "ih")), e.parent);
  if (box && kui_HasAttribute(r, "iconwidth")) box->SetIconWidth(kui_ToInt(XmlAttribute(r, "iconwidth")));
  return box;
}

kui_TGadget* kui_MakeComboItem(const kui_TSkinElement& e) {
  if (auto* box = dynamic_cast<kui_TComboBox*>(e.parent)) {
    box->AddItem(e.text, kui_ToInt(XmlAttribute(e.reader, "data")), {}, nullptr);
  }
  return nullptr;
}
