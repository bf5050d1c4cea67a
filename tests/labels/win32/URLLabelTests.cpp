#include "LabelWindowSupport.h"
#include "core/Utf8.h"
#include "gui/Screen.h"
#include "labels/win32/LabelClasses.h"
#include "labels/win32/LabelCursors.h"
#include "labels/win32/URLLabel.h"
#include "layout/LayoutReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace labels;
using namespace labels::test;

namespace {

// A URL scheme of the test's own: opening "velmora-labels-test:x" runs cmd, which writes the URL into
// a file the test reads. Nothing reaches the network. Registered in the classes root, as the test
// prefix's shell does not look at per-user classes for URL schemes.
class TestScheme : public ::testing::Test {
protected:
    static constexpr const wchar_t* scheme = L"velmora-labels-test";

    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_marker = std::filesystem::path(temp) / L"velmora-labels-opened.txt";
        std::filesystem::remove(m_marker);
        const std::wstring base = scheme;
        setValue(base, L"", L"URL:Velmora label test");
        setValue(base, L"URL Protocol", L"");
        setValue(base + L"\\shell\\open\\command", L"",
                 L"C:\\windows\\system32\\cmd.exe /c echo %1>\"" + m_marker.wstring() + L"\"");
    }

    void TearDown() override {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, scheme);
        std::filesystem::remove(m_marker);
    }

    static void setValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
        HKEY k = nullptr;
        ASSERT_EQ(
            RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr),
            ERROR_SUCCESS);
        RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       DWORD((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(k);
    }

    // What the scheme's handler was given, once it has run.
    std::string opened() {
        pumpUntil(
            [&] { return std::filesystem::exists(m_marker) && std::filesystem::file_size(m_marker) > 0; },
            10000);
        std::ifstream in(m_marker);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path m_marker;
};

// Counts what the label hands to the shell without running anything.
class RecordingLabel : public URLLabel {
public:
    using URLLabel::URLLabel;
    std::vector<std::string> targets;
    int webPageOffers = 0;
    bool succeed = false;

protected:
    bool openTarget(const std::string& target) override {
        targets.push_back(target);
        return succeed;
    }
    void offerWebPageProgram() override { ++webPageOffers; }
};

} // namespace

TEST_F(TestScheme, ClickOpensTheUrlAndMarksTheLabelVisited) {
    URLLabel label;
    label.setCaption("www.example.com");
    label.setUrl("velmora-labels-test:from-url");
    EXPECT_EQ(label.font().color(), core::clHighlight);
    EXPECT_TRUE(label.font().style().has(gui::FontStyle::fsUnderline));
    int clicks = 0;
    label.onClick = [&](core::Component*) {
        EXPECT_FALSE(label.isVisited()) << "the click event runs first";
        ++clicks;
    };
    label.performClick();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(label.isVisited());
    EXPECT_EQ(label.font().color(), clPurple);
    EXPECT_NE(opened().find("velmora-labels-test:from-url"), std::string::npos);
}

TEST_F(TestScheme, BlankUrlOpensTheCaption) {
    URLLabel label;
    label.setUrl("   ");
    label.setCaption("velmora-labels-test:from-caption");
    label.performClick();
    EXPECT_TRUE(label.isVisited());
    EXPECT_NE(opened().find("velmora-labels-test:from-caption"), std::string::npos);
}

TEST(URLLabel, FailedOpenLeavesTheLabelUnvisited) {
    URLLabel label;
    label.setUrl("velmora-no-such-scheme:nothing");
    label.performClick();
    EXPECT_FALSE(label.isVisited());
    EXPECT_EQ(label.font().color(), core::clHighlight);
}

TEST(URLLabel, WhatAClickHandsToTheShell) {
    RecordingLabel label;
    int clicks = 0;
    label.onClick = [&](core::Component*) { ++clicks; };
    label.performClick(); // URL and caption blank: only the event
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(label.targets.empty());

    label.setUrl(" page.HTM ");
    label.performClick();
    EXPECT_EQ(label.targets, std::vector<std::string>{" page.HTM "}) << "opened untrimmed";
    EXPECT_EQ(label.webPageOffers, 0) << "the extension of the untrimmed target ends in a space";
    label.setUrl("C:\\site\\index.htm");
    label.performClick();
    EXPECT_EQ(label.webPageOffers, 1);
    label.setUrl("http://www.example.com/");
    label.performClick();
    EXPECT_EQ(label.webPageOffers, 1);
    EXPECT_FALSE(label.isVisited());
}

TEST(URLLabel, LinkColoursFollowTheVisitedState) {
    URLLabel label;
    label.setVisitedColor(core::clRed);
    EXPECT_EQ(label.font().color(), core::clHighlight);
    label.setVisited(true);
    EXPECT_EQ(label.font().color(), core::clRed);
    label.setUnvisitedColor(core::clBlue);
    EXPECT_EQ(label.font().color(), core::clRed) << "still visited";
    label.setVisited(false);
    EXPECT_EQ(label.font().color(), core::clBlue);
}

TEST(URLLabel, HoveredClickShowsVisitedAndLeavingKeepsIt) {
    // The launcher's web-address label: fly-by on.
    RecordingLabel label;
    label.succeed = true;
    label.setUrl("http://www.example.com/");
    label.setFlyByColor(core::clBlue);
    label.setFlyByEnabled(true);
    label.deliverMouseEnter();
    EXPECT_EQ(label.font().color(), core::clBlue);
    label.performClick();
    EXPECT_EQ(label.font().color(), clPurple) << "visited while still under the mouse";
    label.deliverMouseLeave();
    EXPECT_EQ(label.font().color(), clPurple) << "a visited link does not turn unvisited on leaving";
}

TEST(URLLabel, EveryLabelRegistersTheSharedHandCursor) {
    gui::screen().removeCursor(crHandCursor);
    URLLabel first;
    EXPECT_EQ(first.cursor(), crHandCursor);
    ASSERT_TRUE(gui::screen().hasRegisteredCursor(crHandCursor));
    gui::screen().setCursor(crHandCursor, LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)),
                            gui::CursorOwnership::Shared);
    URLLabel second;
    EXPECT_EQ(gui::screen().cursor(crHandCursor), LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));
}

TEST(URLLabel, OwnHandCursorOnlyWhereTheSystemHasNone) {
    EXPECT_TRUE(needsOwnHandCursor(0x05650004));  // NT 4.0
    EXPECT_TRUE(needsOwnHandCursor(0x04210003));  // NT 3.51
    EXPECT_FALSE(needsOwnHandCursor(0x08930005)); // 2000
    EXPECT_FALSE(needsOwnHandCursor(0x0A280106)); // XP
    EXPECT_TRUE(needsOwnHandCursor(0xC3B60004));  // 95
    EXPECT_FALSE(needsOwnHandCursor(0xC0000A04)); // 98
    // The resource itself: 32 x 32 with the hot spot at the tip of the finger.
    HCURSOR own = LoadCursorW(GetModuleHandleW(nullptr), L"LABELS_HANDCURSOR");
    ASSERT_NE(own, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(own, &info));
    EXPECT_EQ(info.xHotspot, 6u);
    EXPECT_EQ(info.yHotspot, 0u);
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64) << "monochrome: AND and XOR masks stacked";
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
}

TEST(URLLabel, ReadsTheLauncherPropertiesFromALayout) {
    registerLabelClasses();
    gui::Form form;
    layout::readLayout(form, R"(object Form1: TForm
  object URLLabel1: TURLLabel
    Left = 51
    Top = 152
    Width = 161
    Height = 13
    Caption = 'www.example.com'
    Font.Charset = ANSI_CHARSET
    Font.Color = clHighlight
    Font.Height = -13
    Font.Name = 'Arial'
    Font.Style = [fsUnderline]
    ParentFont = False
    Transparent = True
    FlyByColor = clBlue
    FlyByEnabled = True
    URL = 'http://www.example.com/'
    FrameSides = [sdLeft, sdTop]
  end
  object Styled: TStyledLabel
    Caption = 'Styled'
    TextStyle = tsRaised
    BorderOuter = fsFlatRounded
    BorderSides = [sdLeft, sdBottom]
    BlinkColor = clRed
    FrameController = Controller
  end
  object Controller: TFrameController
  end
end
)",
                       "test");
    auto* label = dynamic_cast<URLLabel*>(form.findComponent("URLLabel1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parent(), &form);
    EXPECT_EQ(label->url(), "http://www.example.com/");
    EXPECT_EQ(label->caption(), "www.example.com");
    EXPECT_EQ(label->left(), 51);
    EXPECT_EQ(label->top(), 152);
    EXPECT_TRUE(label->isTransparent());
    EXPECT_TRUE(label->flyByEnabled());
    EXPECT_EQ(label->flyByColor(), core::clBlue);
    EXPECT_FALSE(label->parentFont());
    EXPECT_EQ(label->font().height(), -13);
    EXPECT_EQ(label->normalColor(), core::clHighlight);
    EXPECT_EQ(label->cursor(), crHandCursor);

    auto* styled = dynamic_cast<StyledLabel*>(form.findComponent("Styled"));
    ASSERT_NE(styled, nullptr);
    EXPECT_EQ(styled->textStyle(), TextStyle::tsRaised);
    EXPECT_EQ(styled->borderOuter(), FrameStyleEx::fsFlatRounded);
    EXPECT_EQ(styled->borderSides(), (Sides{Side::sdLeft, Side::sdBottom}));
    EXPECT_EQ(styled->frameController(), form.findComponent("Controller"));
}
