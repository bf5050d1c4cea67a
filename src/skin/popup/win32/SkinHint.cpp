#include "skin/popup/win32/SkinHint.h"

#include "core/Error.h"
#include "core/Utf8.h"
#include "core/WatchReference.h"
#include "gui/Application.h"
#include "gui/ApplicationHints.h"
#include "gui/Form.h"
#include "gui/Graphics.h"
#include "skin/controls/SkinDataReference.h"
#include "skin/data/DataSkinWindows.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/render/SkinCompose.h"
#include "skin/render/win32/RegionHandle.h"
#include "skin/render/win32/ScreenHelpers.h"

#include <algorithm>

namespace skin {

namespace {

// The SkinHint that receives the application's show-hint event.
SkinHint* g_routed = nullptr;
// SkinHints alive at run time; when the last goes, control hints are plain again.
int g_liveHints = 0;

SkinFrame sourceFrame(const DataSkinHintWindow& s) {
    return {s.leftTopPoint, s.rightTopPoint, s.leftBottomPoint, s.rightBottomPoint, s.clientRect};
}

SkinFrame targetFrame(const core::HintLayout& l) {
    return {l.leftTop, l.rightTop, l.leftBottom, l.rightBottom, l.clientRect};
}

} // namespace

// --- SkinHintWindow --------------------------------------------------------------------------------

SkinHintWindow::SkinHintWindow(SkinHint* own) : m_own(own) {}

void SkinHintWindow::activateHint(const core::Rect& rect, const std::string& text) {
    m_styler = SkinHint::activeHint();
    if (!m_styler && m_own && m_own->isActive())
        m_styler = m_own;
    if (!m_styler)
        return;
    m_record = nullptr;
    m_picture = nullptr;
    SkinData* skin = m_styler->skinData();
    if (skin && !skin->isSkinEmpty()) {
        const DataSkinHintWindow& r = skin->hintWindowData();
        const auto& pictures = skin->activePictureList();
        if (r.windowPictureIndex >= 0 && r.windowPictureIndex < int32_t(pictures.size()) &&
            pictures[size_t(r.windowPictureIndex)].width() > 0) {
            m_record = &r;
            m_picture = &pictures[size_t(r.windowPictureIndex)];
        }
    }
    // Font and colour are taken now, so painting needs neither the component nor its skin record.
    m_textFont.assign(m_styler->defaultFont());
    m_textColor = core::clInfoText;
    if (m_record && m_styler->useSkinFont()) {
        m_textFont.setName(m_record->fontName);
        m_textFont.setHeight(m_record->fontHeight);
        m_textFont.setStyle(gui::FontStyles::fromBits(m_record->fontStyle.bits()));
    }
    if (m_record)
        m_textColor = m_record->fontColor;
    if (skin && skin->resourceStrData())
        m_textFont.setCharset(skin->resourceStrData()->charSet());
    font().assign(m_textFont);

    m_caption = text;
    const core::Point t = measureText(m_textFont.handle(), text);
    core::HintFrameMetrics frame;
    if (m_record) {
        frame.pictureWidth = m_picture->width();
        frame.pictureHeight = m_picture->height();
        frame.leftTop = m_record->leftTopPoint;
        frame.rightTop = m_record->rightTopPoint;
        frame.leftBottom = m_record->leftBottomPoint;
        frame.rightBottom = m_record->rightBottomPoint;
        frame.clientRect = m_record->clientRect;
    }
    m_layout = core::hintLayout(m_record ? &frame : nullptr, t.x, t.y);
    resize({m_layout.width, m_layout.height});
    const core::Rect placed = core::placeHint({rect.left, rect.top}, m_layout.width, m_layout.height,
                                              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    HWND window = handle();
    if (!window)
        return;
    applyTranslucency(*m_styler);
    const core::FBitmap* mask = nullptr;
    if (m_record && skin) {
        const auto& pictures = skin->activePictureList();
        const int32_t i = m_record->maskPictureIndex;
        if (i >= 0 && i < int32_t(pictures.size()) && pictures[size_t(i)].width() > 0)
            mask = &pictures[size_t(i)];
    }
    RegionHandle region;
    if (mask) {
        const SkinFrame source = sourceFrame(*m_record);
        region =
            composeMaskRegionHandle(source, targetFrame(m_layout), *mask, m_layout.width, m_layout.height);
    }
    // The window owns a region it was given and frees the one it replaces.
    if (SetWindowRgn(window, region.get(), FALSE))
        (void)region.release();
    showAt({placed.left, placed.top});
}

void SkinHintWindow::applyTranslucency(const SkinHint& styler) {
    if (!hasLayeredWindows())
        return;
    HWND window = handle();
    const LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE);
    bool newlyLayered = false;
    if (styler.alphaBlend() && !m_layered) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, ex | WS_EX_LAYERED);
        m_layered = newlyLayered = true;
    } else if (!styler.alphaBlend() && m_layered) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, ex & ~LONG_PTR(WS_EX_LAYERED));
        m_layered = false;
    }
    // A window that has just become layered shows nothing until its alpha is set, even when the value
    // is the one applied before the layering was last removed.
    if (styler.alphaBlend() && (newlyLayered || styler.alphaBlendValue() != m_alpha)) {
        setWindowAlpha(window, styler.alphaBlendValue());
        m_alpha = styler.alphaBlendValue();
    }
}

void SkinHintWindow::paint(HDC dc) {
    if (!m_record) {
        gui::HintWindow::paint(dc);
        return;
    }
    const int32_t w = m_layout.width, h = m_layout.height;
    core::FBitmap image(w, h);
    const SkinFrame source = sourceFrame(*m_record);
    composeSkinImage(
        source, targetFrame(m_layout), image, *m_picture, m_picture->bounds(), w, h, DrawClient::Yes,
        {m_record->leftStretch, m_record->topStretch, m_record->rightStretch, m_record->bottomStretch});
    drawTo(dc, 0, 0, image);
    HGDIOBJ old = SelectObject(dc, m_textFont.handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, gui::colorRef(m_textColor));
    const core::Point t = measureText(m_textFont.handle(), m_caption);
    const core::Point at = core::hintTextOrigin(m_layout.clientRect, t.x, t.y);
    const std::wstring wide = core::utf8ToWide(m_caption);
    RECT r{at.x, at.y, at.x + t.x, at.y + t.y};
    DrawTextW(dc, wide.c_str(), int(wide.size()), &r, DT_NOPREFIX | DT_NOCLIP);
    SelectObject(dc, old);
}

// --- SkinHint --------------------------------------------------------------------------------------

SkinHint::SkinHint(core::Component* owner) : core::Component(owner) {
    m_window = std::make_unique<SkinHintWindow>(this);
    if (isDesigning())
        return;
    ++g_liveHints;
    m_counted = true;
    gui::Application& app = gui::application();
    app.setHintWindowClass([] { return std::make_unique<SkinHintWindow>(); });
    // Turning hints off and on again drops the application's hint window, so the next one is of the
    // new class.
    app.setShowHint(!app.showHint());
    app.setShowHint(!app.showHint());
    routeShowHint();
    app.setHintShortPause(100);
}

SkinHint::~SkinHint() {
    beginDestroy();
    m_timer.reset();
    if (g_routed == this) {
        g_routed = nullptr;
        gui::application().onShowHint = nullptr;
    }
    // The application's window may be showing a hint styled by this component.
    gui::application().cancelHint();
    if (m_counted && --g_liveHints == 0) {
        gui::application().setHintWindowClass(nullptr);
        gui::application().hints().recreateWindow();
    }
}

void SkinHint::routeShowHint() {
    g_routed = this;
    gui::application().onShowHint = [this](std::string& text, bool& canShow, gui::HintInfo& info) {
        if (onShowHint)
            onShowHint(text, canShow, info);
    };
}

SkinHint* SkinHint::activeHint() {
    gui::CustomForm* form = gui::application().mainForm();
    if (!form)
        return nullptr;
    for (core::Component* c : form->components())
        if (auto* h = dynamic_cast<SkinHint*>(c); h && h->m_active)
            return h;
    return nullptr;
}

void SkinHint::setActive(bool active) {
    if (m_active == active)
        return;
    m_active = active;
    if (!active)
        return;
    if (gui::CustomForm* form = gui::application().mainForm())
        for (core::Component* c : form->components())
            if (auto* h = dynamic_cast<SkinHint*>(c); h && h != this)
                h->m_active = false;
    if (!isDesigning())
        routeShowHint();
}

void SkinHint::setSkinData(SkinData* skin) {
    core::watchReference(*this, m_skinData, skin);
}

void SkinHint::showHintText(const std::string& text) {
    m_timer.reset();
    m_pendingText = text;
    m_pendingShown = false;
    m_timer = std::make_unique<gui::Timer>();
    m_timer->setInterval(unsigned(std::max(gui::application().hintPause(), 1)));
    m_timer->onTimer = [this](core::Component*) { hintTimer(); };
}

void SkinHint::hintTimer() {
    if (m_pendingShown) {
        hideHint();
        return;
    }
    POINT p{};
    GetCursorPos(&p);
    const int32_t y = p.y + gui::HintWindow::cursorMargin();
    m_window->activateHint({p.x, y, p.x, y}, m_pendingText);
    m_pendingShown = true;
    m_timer->setInterval(unsigned(std::max(gui::application().hintHidePause(), 1)));
}

void SkinHint::hideHint() {
    // Called from the timer's own tick: the timer goes after the tick returns.
    if (m_timer) {
        m_timer->setEnabled(false);
        m_timer->onTimer = nullptr;
    }
    m_window->hideHint();
}

void SkinHint::notification(core::Component* component, core::Operation operation) {
    core::Component::notification(component, operation);
    if (operation == core::Operation::Remove && component == m_skinData) {
        m_skinData = nullptr;
        m_window->hideHint();
        gui::application().cancelHint();
    }
}

bool SkinHint::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "SkinData") {
        readSkinDataReference(value, [this](SkinData* skin) { setSkinData(skin); });
    } else if (name == "Active") {
        setActive(value.asBool());
    } else if (name == "AlphaBlend") {
        setAlphaBlend(value.asBool());
    } else if (name == "AlphaBlendValue") {
        const int32_t v = value.asInt();
        if (v < 0 || v > 255)
            throw core::Error("Invalid property value");
        setAlphaBlendValue(uint8_t(v));
    } else if (name == "UseSkinFont") {
        setUseSkinFont(value.asBool());
    } else {
        return core::Component::setProperty(name, value);
    }
    return true;
}

void SkinHint::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    if (m_skinData)
        out.writeReference("SkinData", m_skinData);
    out.writeBool("Active", m_active);
    out.writeBool("AlphaBlend", m_alphaBlend);
    out.writeInt("AlphaBlendValue", m_alphaBlendValue);
    out.writeBool("UseSkinFont", m_useSkinFont);
}

} // namespace skin
