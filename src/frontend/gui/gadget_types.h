// The gadget types a skin element can name, each with the factory that makes it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/xml_reader.h"

class kui_TGadget;

struct kui_TSkinElement {
  std::string name;
  int x = 0, y = 0, w = 0, h = 0;
  std::string text;  // already localized
  kui_TGadget* parent = nullptr;
  xmlTextReaderPtr reader = nullptr;  // on the element, for the type's own attributes
};

class TGadgetType {
 public:
  std::string gName;
  std::function<kui_TGadget*(const kui_TSkinElement&)> fFunction;
};

// The registered types (registered on first use).
const std::vector<TGadgetType>& kui_GadgetTypes();
const TGadgetType* kui_FindGadgetType(const std::string& elementName);

// The factories, one family per file.
kui_TGadget* kui_MakePanel(const kui_TSkinElement& e);
kui_TGadget* kui_MakeButton(const kui_TSkinElement& e);
kui_TGadget* kui_MakeImageButton(const kui_TSkinElement& e);
kui_TGadget* kui_MakeTextField(const kui_TSkinElement& e);
kui_TGadget* kui_MakeLabel(const kui_TSkinElement& e);
kui_TGadget* kui_MakeCheckBox(const kui_TSkinElement& e);
kui_TGadget* kui_MakeImage(const kui_TSkinElement& e);
kui_TGadget* kui_MakeScrollBar(const kui_TSkinElement& e);
kui_TGadget* kui_MakeSlider(const kui_TSkinElement& e);
kui_TGadget* kui_MakeTable(const kui_TSkinElement& e);
kui_TGadget* kui_MakeTableColumn(const kui_TSkinElement& e);
kui_TGadget* kui_MakeComboBox(const kui_TSkinElement& e);
kui_TGadget* kui_MakeComboItem(const kui_TSkinElement& e);
kui_TGadget* kui_MakeProgressBar(const kui_TSkinElement& e);
kui_TGadget* kui_MakeCanvas(const kui_TSkinElement& e);
kui_TGadget* kui_MakeGroup(const kui_TSkinElement& e);
kui_TGadget* kui_MakeDate(const kui_TSkinElement& e);
kui_TGadget* kui_MakeSearchBox(const kui_TSkinElement& e);
