#include "skin/controls/SkinControl.h"

#include "core/Error.h"
#include "core/Property.h"
#include "gui/Canvas.h"
#include "gui/DibStorage.h"
#include "skin/controls/SkinDataReference.h"
#include "skin/data/SkinData.h"

namespace skin {

SkinControl::SkinControl(core::Component* owner) : gui::CustomControl(owner) {
    // Off-screen bitmaps must be DIB sections so that text can be drawn on them.
    gui::installDibStorage();
}

SkinControl::~SkinControl() {
    beginDestroy();
}

void SkinControl::setSkinData(SkinData* store) {
    if (m_skinData && m_skinData != store)
        removeFreeNotification(m_skinData);
    m_skinData = store;
    if (store)
        freeNotification(store);
    if (store && !store->isSkinEmpty() && !isDesigning())
        skinChanged();
}

void SkinControl::notification(core::Component* component, core::Operation operation) {
    gui::CustomControl::notification(component, operation);
    if (operation == core::Operation::Remove && component == m_skinData) {
        m_skinData = nullptr;
        m_skinIndex = -1;
    }
}

void SkinControl::readSkinRecord() {
    if (!m_skinData || m_skinData->isSkinEmpty())
        m_skinIndex = -1;
    else
        m_skinIndex = m_skinData->findSkinControl(m_skinDataName);
}

void SkinControl::skinChanging() {
    m_skinIndex = -1;
}

void SkinControl::skinChanged() {
    readSkinRecord();
    invalidate();
}

void SkinControl::paintUnskinned(core::FBitmap&) {}

void SkinControl::paintSkinned(core::FBitmap&) {}

void SkinControl::paint(gui::Canvas& canvas) {
    if (width() <= 0 || height() <= 0)
        return;
    readSkinRecord();
    core::FBitmap buffer(width(), height());
    if (isSkinned())
        paintSkinned(buffer);
    else
        paintUnskinned(buffer);
    canvas.draw(0, 0, buffer);
}

bool SkinControl::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "SkinDataName") {
        setSkinDataName(value.asString());
        return true;
    }
    if (name == "SkinData") {
        readSkinDataReference(value, [this](SkinData* store) { setSkinData(store); });
        return true;
    }
    return gui::CustomControl::setProperty(name, value);
}

void SkinControl::writeProperties(core::PropertyWriter& out) const {
    gui::CustomControl::writeProperties(out);
    out.writeReference("SkinData", m_skinData);
    out.writeString("SkinDataName", m_skinDataName);
}

} // namespace skin
