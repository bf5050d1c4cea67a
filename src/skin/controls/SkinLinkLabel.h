#pragma once
// A label that is a hyperlink: its font comes from a "stdlabel" skin record (or DefaultFont without
// a skin), it changes colour under the mouse, is always underlined, and a click opens its URL with
// the shell.
#include "gui/Label.h"

#include <string>

namespace skin {

class SkinData;

class SkinLinkLabel : public gui::CustomLabel {
public:
    explicit SkinLinkLabel(core::Component* owner = nullptr);
    ~SkinLinkLabel() override;

    const char* className() const override { return "TSkinLinkLabel"; }

    bool useSkinFont() const { return m_useSkinFont; }
    void setUseSkinFont(bool value);
    // Text colour under the mouse when unskinned.
    core::Color defaultActiveFontColor() const { return m_defaultActiveFontColor; }
    void setDefaultActiveFontColor(core::Color value);
    const std::string& url() const { return m_url; }
    void setUrl(const std::string& url) { m_url = url; }
    // The unskinned font; setting it copies the attributes without repainting.
    gui::Font& defaultFont() { return m_defaultFont; }
    void setDefaultFont(const gui::Font& font) { m_defaultFont.assign(font); }
    SkinData* skinData() const { return m_skinData; }
    // Setting a store reads its record and repaints.
    void setSkinData(SkinData* store);
    const std::string& skinDataName() const { return m_skinDataName; }
    void setSkinDataName(const std::string& name) { m_skinDataName = name; }

    bool isSkinned() const { return m_skinIndex >= 0; }
    // Reads the record again (the store's 1226) and repaints.
    void skinChanged();

    // What a click does with the URL; the default asks the shell to open it. Fire and forget.
    using UrlOpener = void (*)(const std::string& url);
    static UrlOpener setUrlOpener(UrlOpener opener);
    static void shellOpen(const std::string& url);

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void doDrawText(gui::Canvas& canvas, core::Rect& r, UINT flags) override;
    void click() override;
    void mouseEnter() override;
    void mouseLeave() override;
    void notification(core::Component* component, core::Operation operation) override;

private:
    struct LabelSkin {
        std::string fontName;
        int32_t fontHeight = 14;
        uint8_t fontStyle = 0;
        core::Color fontColor = 0;
        core::Color activeFontColor = 0;
    };
    void readSkinRecord();

    bool m_useSkinFont = true;
    core::Color m_defaultActiveFontColor = core::clBlue;
    std::string m_url;
    gui::Font m_defaultFont;
    SkinData* m_skinData = nullptr;
    std::string m_skinDataName = "stdlabel";
    int m_skinIndex = -1;
    bool m_mouseInside = false;
    LabelSkin m_skin;
};

} // namespace skin
