#include "frontend/gui/gadget_types.h"

namespace {

std::vector<TGadgetType> MakeTypes() {
  return {{"panel", kui_MakePanel},           {"button", kui_MakeButton},
          {"imagebutton", kui_MakeImageButton}, {"textfield", kui_MakeTextField},
          {"scrollbar", kui_MakeScrollBar},   {"label", kui_MakeLabel},
          {"checkbox", kui_MakeCheckBox},     {"progressbar", kui_MakeProgressBar},
          {"combobox", kui_MakeComboBox},     {"comboitem", kui_MakeComboItem},
          {"image", kui_MakeImage},           {"table", kui_MakeTable},
          {"tablecolumn", kui_MakeTableColumn}, {"searchbox", kui_MakeSearchBox},
          {"canvas", kui_MakeCanvas},         {"date", kui_MakeDate},
          {"slider", kui_MakeSlider},         {"group", kui_MakeGroup}};
}

}  // namespace

const std::vector<TGadgetType>& kui_GadgetTypes() {
  static const std::vector<TGadgetType> types = MakeTypes();
  return types;
}

const TGadgetType* kui_FindGadgetType(const std::string& elementName) {
  for (const TGadgetType& type : kui_GadgetTypes()) {
    if (type.gName == elementName) return &type;
  }
  return nullptr;
}
