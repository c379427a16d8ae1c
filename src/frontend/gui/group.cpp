#include "frontend/gui/group.h"

#include <memory>

#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/skin_file.h"

namespace {

// Each next child's start along one axis.
float Place(int align, float start, float size, float& cursor, float childSize, float gap) {
  switch (align) {
    case 1: return start + size / 2 - childSize / 2;
    case 2: {
      cursor -= childSize;
      const float at = cursor;
      cursor -= gap;
      return at;
    }
    default: {
      const float at = cursor;
      cursor += childSize + gap;
      return at;
    }
  }
}

}  // namespace

kui_TGroup* kui_TGroup::Create(const std::string& name, float x, float y, float w, float h, kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TGroup* group = kui_GUI::Adopt(std::make_unique<kui_TGroup>());
  group->PopulateGadget(name, x, y, w, h, parent);
  return group;
}

void kui_TGroup::AddChild(kui_TGadget* child) {
  kui_TGadget::AddChild(child);
  Refresh();
}

void kui_TGroup::Refresh() {
  float cx = gXAlign == 2 ? gW : 0;
  float cy = gYAlign == 2 ? gH : 0;
  for (kui_TGadget* child : gChildren) {
    if (child->gHidden) continue;
    child->gX = Place(gXAlign, 0, gW, cx, child->gW, float(gXGap));
    child->gY = Place(gYAlign, 0, gH, cy, child->gH, float(gYGap));
  }
}

void kui_TGroup::Update(float parentX, float parentY) {
  // Children shown or hidden since the last frame close up.
  Refresh();
  kui_TGadget::Update(parentX, parentY);
}

kui_TGadget* kui_MakeGroup(const kui_TSkinElement& e) {
  kui_TGroup* group = kui_TGroup::Create(e.name, float(e.x), float(e.y), float(e.w), float(e.h), e.parent);
  if (!group) return nullptr;
  xmlTextReaderPtr r = e.reader;
  group->gXAlign = kui_ToInt(XmlAttribute(r, "xalign"));
  group->gYAlign = kui_ToInt(XmlAttribute(r, "yalign"));
  group->gXGap = kui_ToInt(XmlAttribute(r, "xgap"));
  group->gYGap = kui_ToInt(XmlAttribute(r, "ygap"));
  return group;
}
