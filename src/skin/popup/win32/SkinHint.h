#pragma once
// Classes in this file: SkinHint, SkinHintWindow.
// Hints drawn in the skin's hint style. A SkinHint makes SkinHintWindow the application's hint window
// class, so every control hint uses it, and shows hints of its own at the cursor (the skinned form's
// object hints). Of the SkinHints on the main form, the first active one styles the hints; activating
// one deactivates the others.
#include "core/FBitmap.h"
#include "core/HintGeometry.h"
#include "gui/Font.h"
#include "gui/HintWindow.h"
#include "gui/Timer.h"

#include <memory>
#include <string>

namespace skin {

class DataSkinHintWindow;
class SkinData;
class SkinHint;

class SkinHintWindow : public gui::HintWindow {
public:
    // own: the SkinHint whose own hints this window shows; null for the application's control hints,
    // which take the first active SkinHint of the main form.
    explicit SkinHintWindow(SkinHint* own = nullptr);

    void activateHint(const core::Rect& rect, const std::string& text) override;
    // The SkinHint that styled the last hint, or null.
    SkinHint* styler() const { return m_styler; }
    bool isSkinned() const { return m_record != nullptr; }

protected:
    void paint(HDC dc) override;

private:
    void applyTranslucency(const SkinHint& styler);

    SkinHint* m_own;
    SkinHint* m_styler = nullptr;
    const DataSkinHintWindow* m_record = nullptr;
    const core::FBitmap* m_picture = nullptr;
    core::HintLayout m_layout;
    gui::Font m_textFont;
    core::Color m_textColor = 0;
    bool m_layered = false;
    uint8_t m_alpha = 0;
};

class SkinHint : public core::Component {
public:
    explicit SkinHint(core::Component* owner = nullptr);
    ~SkinHint() override;
    const char* className() const override { return "TSkinHint"; }

    SkinData* skinData() const { return m_skinData; }
    void setSkinData(SkinData* skin);
    bool isActive() const { return m_active; }
    void setActive(bool active);
    bool alphaBlend() const { return m_alphaBlend; }
    void setAlphaBlend(bool v) { m_alphaBlend = v; }
    uint8_t alphaBlendValue() const { return m_alphaBlendValue; }
    void setAlphaBlendValue(uint8_t v) { m_alphaBlendValue = v; }
    gui::Font& defaultFont() { return m_defaultFont; }
    bool useSkinFont() const { return m_useSkinFont; }
    void setUseSkinFont(bool v) { m_useSkinFont = v; }
    // Forwarded from the application's show-hint event while this component is the active one.
    gui::ShowHintEvent onShowHint;

    // Shows text at the cursor after the application's hint pause, for the hint hide pause.
    void showHintText(const std::string& text);
    // Hides that hint at once.
    void hideHint();
    // This component's own hint window.
    SkinHintWindow& window() { return *m_window; }

    // The first active SkinHint among the main form's components, or null.
    static SkinHint* activeHint();

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void notification(core::Component* component, core::Operation operation) override;

private:
    void routeShowHint();
    void hintTimer();

    SkinData* m_skinData = nullptr;
    bool m_active = true;
    bool m_alphaBlend = false;
    uint8_t m_alphaBlendValue = 0;
    bool m_useSkinFont = true;
    gui::Font m_defaultFont;
    std::unique_ptr<SkinHintWindow> m_window;
    std::unique_ptr<gui::Timer> m_timer;
    std::string m_pendingText;
    bool m_pendingShown = false;
    bool m_counted = false; // among the live run-time SkinHints
};

} // namespace skin
