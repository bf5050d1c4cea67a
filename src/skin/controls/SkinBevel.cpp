#include "skin/controls/SkinBevel.h"

#include "core/Error.h"
#include "core/Property.h"
#include "gui/Canvas.h"
#include "skin/controls/SkinDataReference.h"
#include "skin/controls/core/BevelLines.h"
#include "skin/data/DataSkinControls.h"
#include "skin/data/SkinData.h"

namespace skin {

SkinBevel::SkinBevel(core::Component* owner) : gui::Bevel(owner) {}

SkinBevel::~SkinBevel() {
    beginDestroy();
}

void SkinBevel::setSkinData(SkinData* store) {
    if (m_skinData && m_skinData != store)
        removeFreeNotification(m_skinData);
    m_skinData = store;
    if (store)
        freeNotification(store);
    skinChanged();
}

void SkinBevel::notification(core::Component* component, core::Operation operation) {
    gui::Bevel::notification(component, operation);
    if (operation == core::Operation::Remove && component == m_skinData) {
        m_skinData = nullptr;
        m_skinIndex = -1;
    }
}

void SkinBevel::setDividerMode(bool value) {
    m_dividerMode = value;
    invalidate();
}

void SkinBevel::skinChanged() {
    m_skinIndex = m_skinData && !m_skinData->isSkinEmpty() ? m_skinData->findSkinControl(m_skinDataName) : -1;
    if (m_skinIndex < 0) {
        m_lightColor = core::clBtnHighlight;
        m_darkColor = core::clBtnShadow;
    } else if (const auto* record =
                   dynamic_cast<const DataSkinBevel*>(m_skinData->skinControl(m_skinIndex))) {
        m_lightColor = record->lightColor;
        m_darkColor = record->darkColor;
    }
    invalidate();
}

void SkinBevel::paint(gui::Canvas& canvas) {
    if (isDesigning() && shape() == gui::BevelShape::bsSpacer) {
        canvas.pen().setStyle(gui::PenStyle::psDot);
        canvas.pen().setColor(core::clBlack);
        canvas.brush().setStyle(gui::BrushStyle::bsClear);
        canvas.rectangle(0, 0, width(), height());
        return;
    }
    canvas.pen().setStyle(gui::PenStyle::psSolid);
    canvas.pen().setWidth(1);
    for (const BevelLine& line : bevelLines(BevelShape(shape()), BevelStyle(style()), m_dividerMode, width(),
                                            height(), m_lightColor, m_darkColor)) {
        canvas.pen().setColor(line.color);
        canvas.polyline(line.points);
    }
}

bool SkinBevel::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "SkinDataName")
        setSkinDataName(value.asString());
    else if (name == "DividerMode")
        setDividerMode(value.asBool());
    else if (name == "SkinData")
        readSkinDataReference(value, [this](SkinData* store) { setSkinData(store); });
    else
        return gui::Bevel::setProperty(name, value);
    return true;
}

void SkinBevel::writeProperties(core::PropertyWriter& out) const {
    gui::Bevel::writeProperties(out);
    out.writeReference("SkinData", m_skinData);
    out.writeString("SkinDataName", m_skinDataName);
    out.writeBool("DividerMode", m_dividerMode);
}

} // namespace skin
