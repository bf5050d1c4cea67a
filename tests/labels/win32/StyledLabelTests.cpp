#include "LabelWindowSupport.h"
#include "gui/Canvas.h"
#include "labels/LabelColors.h"
#include "labels/win32/LabelFonts.h"
#include "labels/win32/StyledLabel.h"
#include "winbase/Handles.h"

#include <gtest/gtest.h>

using namespace labels;
using namespace labels::test;

namespace {

// The caption's size as the platform measures it in the label's font.
gui::Size measure(const StyledLabel& label) {
    winbase::WindowDC screen(nullptr);
    gui::Canvas canvas(screen.get());
    canvas.font().assign(label.font());
    core::Rect r{0, 0, 0, 0};
    canvas.drawText(label.caption(), r, DT_EXPANDTABS | DT_CALCRECT);
    return {r.width(), r.height()};
}

void useTrueTypeFont(StyledLabel& label) {
    label.font().setName("Arial");
    label.font().setHeight(-16);
    ASSERT_TRUE(isTrueTypeFont(label.font()));
}

} // namespace

TEST(StyledLabel, AnglesNormaliseAndRotationFollows) {
    StyledLabel label;
    useTrueTypeFont(label);
    label.setAngle(-90);
    EXPECT_EQ(label.angle(), 270);
    EXPECT_EQ(label.rotation(), Rotation::roFlat) << "a turned angle needs rotation";
    label.setAngle(450);
    EXPECT_EQ(label.angle(), 90);
    label.setAngle(-400);
    EXPECT_EQ(label.angle(), -40) << "only one turn is added";

    label.setRotation(Rotation::roNone);
    EXPECT_EQ(label.angle(), 0);
    label.setAngle(45);
    EXPECT_EQ(label.rotation(), Rotation::roFlat);

    label.setRotation(Rotation::roCurve);
    label.setCenterPoint(CenterPoint::cpLowerLeft);
    label.setAngle(30);
    EXPECT_EQ(label.rotation(), Rotation::roCurve) << "arc text keeps its start angle";
    label.setRotation(Rotation::roFlat);
    EXPECT_EQ(label.angle(), 0);
    EXPECT_EQ(label.centerPoint(), CenterPoint::cpCenter);
}

TEST(StyledLabel, RotationSwitchesToATrueTypeFontAndBack) {
    // A raster font of the system's; which ones exist depends on the installation.
    StyledLabel label;
    std::string raster;
    for (const char* name : {"System", "Fixedsys", "Terminal", "Small Fonts", "Courier", "MS Sans Serif"}) {
        label.font().setName(name);
        if (!isTrueTypeFont(label.font())) {
            raster = name;
            break;
        }
    }
    if (raster.empty())
        GTEST_SKIP() << "no raster font installed";
    label.setAngle(30);
    EXPECT_EQ(label.font().name(), "Verdana");
    ASSERT_TRUE(isTrueTypeFont(label.font()));
    EXPECT_EQ(label.angle(), 30);
    // A later change to a font that cannot turn puts the text upright again.
    label.font().setName(raster);
    EXPECT_EQ(label.angle(), 0);
}

TEST(StyledLabel, AutomaticSizeAllowsForShadowRotationAndFrames) {
    auto form = makeForm();
    auto* label = new StyledLabel(form.get());
    label->setParent(form.get());
    useTrueTypeFont(*label);
    label->setCaption("Velmora Setup");
    const gui::Size text = measure(*label);
    ASSERT_GT(text.width, text.height);
    EXPECT_EQ(label->width(), text.width);
    EXPECT_EQ(label->height(), text.height);

    label->setTextStyle(TextStyle::tsShadow);
    label->setShadowDepth(3);
    EXPECT_EQ(label->width(), text.width + 3);
    EXPECT_EQ(label->height(), text.height + 3);

    label->setTextStyle(TextStyle::tsNormal);
    label->setAngle(90);
    EXPECT_EQ(label->width(), text.height);
    EXPECT_EQ(label->height(), text.width);

    label->setRotation(Rotation::roNone);
    label->setBorderOuter(FrameStyleEx::fsFlatBold);
    EXPECT_EQ(label->width(), text.width + 4);
    EXPECT_EQ(label->height(), text.height + 4);

    // Right-aligned labels grow to the left.
    label->setAlignment(gui::Alignment::taRightJustify);
    const int32_t right = label->left() + label->width();
    label->setCaption("Velmora Setup Wizard");
    EXPECT_EQ(label->left() + label->width(), right);
    EXPECT_GT(label->width(), text.width + 4);
}

TEST(StyledLabel, RaisedAndRecessedTextDrawTheirCopies) {
    auto form = makeForm();
    auto* label = new StyledLabel(form.get());
    label->setParent(form.get());
    useTrueTypeFont(*label);
    label->font().setHeight(-24);
    label->font().setStyle(gui::FontStyle::fsBold);
    label->setCaption("Hi");
    label->setBounds(10, 10, 80, 40);
    label->setAutoSize(false);
    label->setTransparent(true);
    const core::Color text = core::rgb(0, 0, 200), shadow = core::rgb(200, 0, 0),
                      light = core::rgb(0, 200, 0);
    label->font().setColor(text);
    label->setShadowColor(shadow);
    label->setHighlightColor(light);
    const core::Rect area = label->boundsRect();

    struct Case {
        TextStyle style;
        bool lightOnly;
        bool shadowShown, lightShown;
    };
    const Case cases[] = {
        {TextStyle::tsNormal, false, false, false}, {TextStyle::tsRaised, false, true, true},
        {TextStyle::tsRaised, true, false, true},   {TextStyle::tsRecessed, false, true, true},
        {TextStyle::tsRecessed, true, false, true}, {TextStyle::tsShadow, false, true, false},
    };
    for (const Case& c : cases) {
        label->setTextStyle(c.style);
        label->setLightTextStyle(c.lightOnly);
        core::FBitmap shown = render(*form);
        EXPECT_GT(countPixels(shown, text, area), 20) << int(c.style);
        EXPECT_EQ(countPixels(shown, shadow, area) > 0, c.shadowShown) << int(c.style) << c.lightOnly;
        EXPECT_EQ(countPixels(shown, light, area) > 0, c.lightShown) << int(c.style) << c.lightOnly;
    }

    // Disabled: the embossed look in the system colours, no text style.
    label->setTextStyle(TextStyle::tsRaised);
    label->setEnabled(false);
    core::FBitmap disabled = render(*form);
    EXPECT_EQ(countPixels(disabled, text, area), 0);
    EXPECT_EQ(countPixels(disabled, light, area), 0);
    EXPECT_GT(countPixels(disabled, core::colorToRgb(core::clBtnShadow), area), 20);
}

TEST(StyledLabel, TurnedAndArcTextStayInsideTheLabel) {
    auto form = makeForm();
    auto* label = new StyledLabel(form.get());
    label->setParent(form.get());
    useTrueTypeFont(*label);
    label->setCaption("Velmora");
    label->font().setColor(core::rgb(0, 0, 200));
    label->setAngle(90);
    const core::Rect area = label->boundsRect();
    ASSERT_GT(area.height(), area.width());
    core::FBitmap turned = render(*form);
    EXPECT_GT(countPixels(turned, core::rgb(0, 0, 200), area), 30);
    EXPECT_EQ(countPixels(turned, core::rgb(0, 0, 200), {0, 0, 400, area.top}), 0);

    label->setAutoSize(false);
    label->setBounds(20, 20, 150, 150);
    label->setRotation(Rotation::roCurve);
    label->setCenterPoint(CenterPoint::cpCenter);
    core::FBitmap arc = render(*form);
    // Arc text starts at the top of the circle: ink in the upper half, none in the middle.
    EXPECT_GT(countPixels(arc, core::rgb(0, 0, 200), {20, 20, 170, 95}), 30);
    EXPECT_EQ(countPixels(arc, core::rgb(0, 0, 200), {75, 75, 115, 115}), 0);
}

TEST(StyledLabel, BlinkingAlternatesOnTheSharedClockAndStopsAtOnce) {
    auto form = makeForm();
    auto* label = new StyledLabel(form.get());
    label->setParent(form.get());
    auto* other = new StyledLabel(form.get());
    other->setParent(form.get());
    label->setCaption("Blink");
    label->font().setColor(core::clBlue);
    label->setBlinkColor(core::clRed);
    label->setBlinkIntervalOn(120);
    label->setBlinkIntervalOff(80);
    EXPECT_EQ(other->blinkIntervalOn(), 120) << "the intervals are process-wide";
    label->setBlinking(true);
    EXPECT_EQ(label->textColor(), core::clBlue) << "blinking starts with the next tick";

    int changes = 0;
    core::Color last = label->textColor();
    bool sawRed = false, sawBlue = false;
    pumpUntil(
        [&] {
            if (label->textColor() != last) {
                last = label->textColor();
                ++changes;
            }
            sawRed |= last == core::clRed;
            sawBlue |= last == core::clBlue;
            return changes >= 4;
        },
        4000);
    EXPECT_GE(changes, 4);
    EXPECT_TRUE(sawRed && sawBlue);
    EXPECT_EQ(other->textColor(), other->font().color()) << "only blinking labels change";

    // Stop in the on phase: the font colour shows at once.
    ASSERT_TRUE(pumpUntil([&] { return label->textColor() == core::clRed; }));
    label->setBlinking(false);
    EXPECT_EQ(label->textColor(), core::clBlue);
    core::FBitmap shown = render(*form);
    EXPECT_EQ(countPixels(shown, core::clRed, label->boundsRect()), 0);
    EXPECT_GT(countPixels(shown, core::clBlue, label->boundsRect()), 0);
    pumpFor(300);
    EXPECT_EQ(label->textColor(), core::clBlue);
}

TEST(StyledLabel, AnswersTheBlinkMessagesFromAnySender) {
    auto form = makeForm();
    auto* label = new StyledLabel(form.get());
    label->setParent(form.get());
    label->font().setColor(core::clBlue);
    label->setBlinkColor(core::clRed);
    EXPECT_EQ(label->perform(46056), 0) << "not blinking";
    label->perform(46057, 1);
    EXPECT_EQ(label->textColor(), core::clBlue) << "a label that does not blink ignores the state";

    label->setBlinking(true);
    EXPECT_EQ(label->perform(46056), 1);
    label->perform(46057, 1);
    EXPECT_EQ(label->textColor(), core::clRed);
    label->perform(46057, 0);
    EXPECT_EQ(label->textColor(), core::clBlue);
}

TEST(StyledLabel, FlyByColourFollowsTheRealMouse) {
    auto form = makeForm();
    auto* label = new StyledLabel(form.get());
    label->setParent(form.get());
    useTrueTypeFont(*label);
    label->setCaption("Hover here");
    label->setBounds(40, 40, 0, 0);
    label->font().setColor(core::clBlack);
    label->setFlyByColor(core::clBlue);
    label->setFlyByEnabled(true);
    int entered = 0, left = 0;
    label->onMouseEnter = [&](core::Component*) {
        EXPECT_EQ(label->font().color(), core::clBlue) << "fired after the fly-by colour is set";
        ++entered;
    };
    label->onMouseLeave = [&](core::Component*) { ++left; };

    moveMouseTo(form->clientToScreen({5, 200}));
    pumpFor(100);
    moveMouseTo(label->parent()->clientToScreen({label->left() + 5, label->top() + label->height() / 2}));
    ASSERT_TRUE(pumpUntil([&] { return entered == 1; }));
    EXPECT_EQ(label->font().color(), core::clBlue);
    EXPECT_EQ(label->textColor(), core::clBlue);

    moveMouseTo(form->clientToScreen({5, 200}));
    ASSERT_TRUE(pumpUntil([&] { return left == 1; }));
    EXPECT_EQ(label->font().color(), core::clBlack);

    // Turning fly-by off when the mouse is away keeps the colour the label has.
    label->font().setColor(core::clRed);
    label->setFlyByEnabled(false);
    EXPECT_EQ(label->font().color(), core::clRed);
}

TEST(StyledLabel, FlyByOffWithoutEverEnteringKeepsTheColour) {
    StyledLabel label;
    label.font().setColor(core::clRed);
    label.setFlyByEnabled(true);
    label.setFlyByEnabled(false);
    EXPECT_EQ(label.font().color(), core::clRed);

    // While the fly-by colour shows, turning it off takes the saved colour back.
    label.setFlyByEnabled(true);
    label.deliverMouseEnter();
    EXPECT_EQ(label.font().color(), core::clHighlight);
    label.setFlyByEnabled(false);
    EXPECT_EQ(label.font().color(), core::clRed);
}

TEST(StyledLabel, FrameControllerSettingsApplyWhenItShowsFrames) {
    FrameController controller;
    StyledLabel label;
    label.setFrameController(&controller);
    EXPECT_EQ(label.borderOuter(), FrameStyleEx::fsNone) << "FrameVisible is off";
    controller.setFrameStyle(FrameStyle::fsGroove);
    controller.setColor(core::rgb(200, 220, 240));
    controller.setFrameVisible(true);
    EXPECT_EQ(label.borderOuter(), FrameStyleEx::fsGroove);
    EXPECT_EQ(label.flatColorAdjustment(), 0);
    EXPECT_EQ(label.color(), core::rgb(200, 220, 240));
    EXPECT_EQ(label.borderHighlight(), lightenColor(core::rgb(200, 220, 240), 100));
    EXPECT_EQ(label.borderShadow(), darkenColor(core::rgb(200, 220, 240), 50));
}

TEST(StyledLabel, DestroyedFrameControllerIsForgotten) {
    auto* controller = new FrameController;
    auto* label = new StyledLabel;
    label->setFrameController(controller);
    delete controller;
    EXPECT_EQ(label->frameController(), nullptr);
    delete label;

    // And the other way round: a destroyed label leaves the controller.
    FrameController kept;
    auto* gone = new StyledLabel;
    gone->setFrameController(&kept);
    delete gone;
    EXPECT_EQ(kept.controlCount(), 0);
    kept.setFrameStyle(FrameStyle::fsBump);
}
