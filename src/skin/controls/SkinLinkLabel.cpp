#include "skin/controls/SkinLinkLabel.h"

#include "core/Error.h"
#include "core/Property.h"
#include "core/Utf8.h"
#include "gui/Canvas.h"
#include "gui/Cursors.h"
#include "skin/controls/SkinDataReference.h"
#include "skin/data/DataSkinControls.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"

#include <shellapi.h>
#include <windows.h>

namespace skin {

namespace {

SkinLinkLabel::UrlOpener g_urlOpener = &SkinLinkLabel::shellOpen;
const std::string oneSpace = " ";

} // namespace

SkinLinkLabel::SkinLinkLabel(core::Component* owner) : gui::CustomLabel(owner) {
    setTransparent(true);
    m_defaultFont.setName("Arial");
    m_defaultFont.setHeight(14);
    m_defaultFont.setStyle(gui::FontStyle::fsUnderline);
    setFont(m_defaultFont);
    setCursor(gui::crHandPoint);
}

SkinLinkLabel::~SkinLinkLabel() {
    beginDestroy();
}

SkinLinkLabel::UrlOpener SkinLinkLabel::setUrlOpener(UrlOpener opener) {
    const UrlOpener previous = g_urlOpener;
    g_urlOpener = opener ? opener : &SkinLinkLabel::shellOpen;
    return previous;
}

void SkinLinkLabel::shellOpen(const std::string& url) {
    // The result is not reported: a failed open shows nothing.
    ShellExecuteW(nullptr, L"open", core::utf8ToWide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void SkinLinkLabel::setUseSkinFont(bool value) {
    m_useSkinFont = value;
    adjustSize();
    invalidate();
}

void SkinLinkLabel::setDefaultActiveFontColor(core::Color value) {
    m_defaultActiveFontColor = value;
    if (m_mouseInside)
        invalidate();
}

void SkinLinkLabel::setSkinData(SkinData* store) {
    if (m_skinData && m_skinData != store)
        removeFreeNotification(m_skinData);
    m_skinData = store;
    if (store) {
        freeNotification(store);
        skinChanged();
    }
}

void SkinLinkLabel::notification(core::Component* component, core::Operation operation) {
    gui::CustomLabel::notification(component, operation);
    if (operation == core::Operation::Remove && component == m_skinData) {
        m_skinData = nullptr;
        m_skinIndex = -1;
    }
}

void SkinLinkLabel::readSkinRecord() {
    m_skinIndex = m_skinData && !m_skinData->isSkinEmpty() ? m_skinData->findSkinControl(m_skinDataName) : -1;
    if (m_skinIndex < 0)
        return;
    if (const auto* record =
            dynamic_cast<const DataSkinStdLabelControl*>(m_skinData->skinControl(m_skinIndex))) {
        m_skin.fontName = record->fontName;
        m_skin.fontHeight = record->fontHeight;
        m_skin.fontStyle = record->fontStyle.bits();
        m_skin.fontColor = record->fontColor;
        m_skin.activeFontColor = record->activeFontColor;
    }
}

void SkinLinkLabel::skinChanged() {
    readSkinRecord();
    adjustSize();
    invalidate();
}

void SkinLinkLabel::doDrawText(gui::Canvas& canvas, core::Rect& r, UINT flags) {
    readSkinRecord();
    // An empty label still measures one line high.
    const bool blank = caption().empty() || (showAccelChar() && caption() == "&");
    const std::string& text = (flags & DT_CALCRECT) && blank ? oneSpace : caption();
    gui::Font& f = canvas.font();
    const uint8_t charset = m_skinData && m_skinData->resourceStrData()
                                ? m_skinData->resourceStrData()->charSet()
                                : m_defaultFont.charset();
    if (!isSkinned()) {
        f.assign(m_useSkinFont ? m_defaultFont : font());
        f.setCharset(charset);
        if (m_mouseInside)
            f.setColor(m_defaultActiveFontColor);
        f.setStyle(f.style() | gui::FontStyle::fsUnderline);
    } else {
        f.assign(font());
        if (m_useSkinFont) {
            f.setName(m_skin.fontName);
            f.setHeight(m_skin.fontHeight);
            f.setStyle(gui::FontStyles::fromBits(m_skin.fontStyle) | gui::FontStyle::fsUnderline);
        }
        f.setCharset(charset);
        f.setColor(m_mouseInside ? m_skin.activeFontColor : m_skin.fontColor);
    }
    canvas.brush().setStyle(gui::BrushStyle::bsClear);
    if (flags & DT_CALCRECT) {
        canvas.drawText(text, r, flags);
        return;
    }
    if (!isEnabled()) {
        core::Rect shadow = r.translated(1, 1);
        f.setColor(core::clBtnHighlight);
        canvas.drawText(text, shadow, flags);
        f.setColor(core::clBtnShadow);
    }
    canvas.drawText(text, r, flags);
}

void SkinLinkLabel::click() {
    gui::CustomLabel::click();
    g_urlOpener(m_url);
}

void SkinLinkLabel::mouseEnter() {
    gui::CustomLabel::mouseEnter();
    if (isDesigning())
        return;
    m_mouseInside = true;
    invalidate();
}

void SkinLinkLabel::mouseLeave() {
    gui::CustomLabel::mouseLeave();
    if (isDesigning())
        return;
    m_mouseInside = false;
    invalidate();
}

bool SkinLinkLabel::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "UseSkinFont")
        setUseSkinFont(value.asBool());
    else if (name == "DefaultActiveFontColor")
        setDefaultActiveFontColor(value.asColor());
    else if (name == "URL")
        setUrl(value.asString());
    else if (name.starts_with("DefaultFont."))
        return m_defaultFont.setProperty(std::string_view(name).substr(12), value);
    else if (name == "SkinDataName")
        setSkinDataName(value.asString());
    else if (name == "SkinData")
        readSkinDataReference(value, [this](SkinData* store) { setSkinData(store); });
    else
        return gui::CustomLabel::setProperty(name, value);
    return true;
}

void SkinLinkLabel::writeProperties(core::PropertyWriter& out) const {
    out.writeBool("UseSkinFont", m_useSkinFont);
    out.writeColor("DefaultActiveFontColor", m_defaultActiveFontColor);
    out.writeString("URL", m_url);
    m_defaultFont.writeProperties(out, "DefaultFont");
    out.writeReference("SkinData", m_skinData);
    out.writeString("SkinDataName", m_skinDataName);
    gui::CustomLabel::writeProperties(out);
}

} // namespace skin
