#include "core/Error.h"
#include "core/Property.h"
#include "labels/FrameController.h"
#include "labels/LabelProperties.h"
#include "labels/SettingsStore.h"

#include <gtest/gtest.h>
#include <map>

using namespace labels;

namespace {

// A control that publishes a few of the controller's settings and records what it receives.
class PlainControl : public core::Component {
public:
    using core::Component::Component;
    std::vector<std::string> received;
    core::Color color = 0;
    std::string frameStyle;
    std::vector<std::string> frameSides;

    bool setProperty(const std::string& name, core::PropertyReader& value) override {
        if (name == "Color")
            color = value.asColor();
        else if (name == "FrameStyle")
            frameStyle = value.asIdent();
        else if (name == "FrameSides")
            frameSides = value.asSet();
        else if (name == "FlatButtons")
            value.asInt(); // published with another type: the controller must skip it
        else if (name != "ParentColor" && name != "FocusColor" && name != "FrameVisible" &&
                 name != "FrameHotTrack")
            return false;
        received.push_back(name);
        return true;
    }
};

class FramedControl : public core::Component, public CustomFraming {
public:
    using core::Component::Component;
    int notified = 0;
    FrameStyle lastStyle = FrameStyle::fsNone;
    void customFramingChanged(FrameController& controller) override {
        ++notified;
        lastStyle = controller.frameStyle();
    }
};

core::PropertyReader ident(const std::string& name, const std::string& text) {
    return makeIdentReader(name, text);
}

} // namespace

TEST(FrameController, RegisteringPushesEverySettingTheControlPublishes) {
    FrameController fc;
    PlainControl c;
    fc.addControl(&c);
    EXPECT_EQ(c.received, (std::vector<std::string>{"ParentColor", "Color", "FocusColor", "FrameHotTrack",
                                                    "FrameSides", "FrameStyle", "FrameVisible"}));
    EXPECT_EQ(c.color, core::clWindow);
    EXPECT_EQ(c.frameStyle, "fsFlat");
    EXPECT_EQ(c.frameSides, (std::vector<std::string>{"sdLeft", "sdTop", "sdRight", "sdBottom"}));
}

TEST(FrameController, OneChangePushesOnlyItsSettingsAndSuspensionDefersEverything) {
    FrameController fc;
    PlainControl c;
    fc.addControl(&c);
    c.received.clear();

    fc.setFrameStyle(FrameStyle::fsGroove);
    EXPECT_EQ(c.received, (std::vector<std::string>{"FrameStyle"}));
    EXPECT_EQ(c.frameStyle, "fsGroove");

    c.received.clear();
    fc.beginUpdate();
    fc.beginUpdate();
    fc.setFrameStyle(FrameStyle::fsBump);
    fc.setFrameColor(core::clRed);
    fc.endUpdate();
    EXPECT_TRUE(c.received.empty());
    fc.endUpdate();
    EXPECT_EQ(c.received.size(), 7u);
    EXPECT_EQ(c.frameStyle, "fsBump");
    fc.endUpdate(); // unbalanced: ignored
    EXPECT_FALSE(fc.isUpdating());
}

TEST(FrameController, ColourAndParentColourAndHotTrackCarryTheirCompanions) {
    FrameController fc;
    PlainControl c;
    fc.setParentColor(true);
    fc.addControl(&c);
    EXPECT_EQ(std::count(c.received.begin(), c.received.end(), "Color"), 0) << "no Color while ParentColor";

    fc.setColor(core::clRed);
    EXPECT_EQ(fc.focusColor(), core::clRed) << "FocusColor matched the old colour";
    EXPECT_FALSE(fc.parentColor());
    EXPECT_EQ(c.color, core::clRed);

    fc.setFocusColor(core::clBlue);
    fc.setColor(core::clWhite);
    EXPECT_EQ(fc.focusColor(), core::clBlue);

    fc.setFrameSides(Sides{Side::sdTop});
    fc.setFrameHotTrack(true);
    EXPECT_TRUE(fc.frameVisible());
    EXPECT_EQ(fc.frameSides(), Sides::all());

    FrameController loading;
    loading.setLoading(true);
    loading.setFrameSides(Sides{Side::sdTop});
    loading.setFrameHotTrack(true);
    EXPECT_EQ(loading.frameSides(), Sides{Side::sdTop}) << "stored sides stand while loading";
}

TEST(FrameController, CustomFramingControlsAreOnlyNotified) {
    FrameController fc;
    FramedControl c;
    fc.addControl(&c);
    EXPECT_EQ(c.notified, 1);
    fc.setFrameStyle(FrameStyle::fsRaised);
    EXPECT_EQ(c.notified, 2);
    EXPECT_EQ(c.lastStyle, FrameStyle::fsRaised);
    fc.removeControl(&c);
    fc.setFrameStyle(FrameStyle::fsFlat);
    EXPECT_EQ(c.notified, 2);
}

TEST(FrameController, DestroyedControlsAndStoresAreForgotten) {
    FrameController fc;
    auto* c = new PlainControl;
    fc.addControl(c);
    auto* store = new SettingsStore;
    fc.setRegIniFile(store);
    delete c;
    delete store;
    EXPECT_EQ(fc.controlCount(), 0);
    EXPECT_EQ(fc.regIniFile(), nullptr);
    fc.setFrameStyle(FrameStyle::fsBump); // would touch the freed control
}

TEST(FrameController, ReadsCurrentAndOlderLayoutProperties) {
    FrameController fc;
    fc.setLoading(true);
    auto flat = makeBoolReader("FrameFlat", true);
    EXPECT_TRUE(fc.setProperty("FrameFlat", flat));
    EXPECT_TRUE(fc.frameHotTrack());
    EXPECT_EQ(fc.frameStyle(), FrameStyle::fsStatus);
    EXPECT_EQ(fc.frameHotStyle(), FrameStyle::fsLowered);

    auto focus = ident("FrameFocusStyle", "fsGroove");
    EXPECT_TRUE(fc.setProperty("FrameFocusStyle", focus));
    EXPECT_EQ(fc.frameHotStyle(), FrameStyle::fsGroove);
    auto ignored = ident("FrameFlatStyle", "fsWhatever");
    EXPECT_TRUE(fc.setProperty("FrameFlatStyle", ignored));

    auto rounded = ident("FrameStyle", "fsFlatRounded");
    EXPECT_THROW(fc.setProperty("FrameStyle", rounded), core::Error);
    auto unknown = ident("FrameStyle", "fsPlaid");
    EXPECT_THROW(fc.setProperty("FrameStyle", unknown), core::Error);
    auto sides = makeSidesReader("FrameSides", Sides{Side::sdLeft, Side::sdRight});
    EXPECT_TRUE(fc.setProperty("FrameSides", sides));
    EXPECT_EQ(fc.frameSides(), (Sides{Side::sdLeft, Side::sdRight}));
    auto other = ident("Bogus", "x");
    EXPECT_FALSE(fc.setProperty("Bogus", other));
}

TEST(SettingsStore, ChangesAskForReopening) {
    SettingsStore s;
    s.markOpened();
    s.setPath("Software\\Velmora");
    EXPECT_TRUE(s.needsReopen());
    s.markOpened();
    s.setPath("Software\\Velmora");
    EXPECT_FALSE(s.needsReopen()) << "same value";
    core::PropertyValue v;
    v.kind = core::PropertyValue::Kind::Set;
    v.names = {"keyQueryValue", "keySetValue"};
    core::PropertyReader access("RegAccess", v);
    EXPECT_TRUE(s.setProperty("RegAccess", access));
    EXPECT_EQ(s.regAccess(), SettingsStore::keyQueryValue | SettingsStore::keySetValue);
    EXPECT_TRUE(s.needsReopen());
    auto key = makeIdentReader("RegKey", "hkeyLocalMachine");
    EXPECT_TRUE(s.setProperty("RegKey", key));
    EXPECT_EQ(s.regKey(), SettingsRegKey::hkeyLocalMachine);
}
