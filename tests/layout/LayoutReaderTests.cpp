#include "FakeComponents.h"
#include "layout/LayoutError.h"
#include "layout/LayoutReader.h"

#include <gtest/gtest.h>

using namespace layout;
using namespace layout::test;

namespace {

class LayoutReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        eventLog().clear();
        liveControls() = 0;
    }
    void TearDown() override { EXPECT_EQ(liveControls(), int(form.components().size())); }

    FakeControl* control(const std::string& name) {
        return dynamic_cast<FakeControl*>(form.findComponent(name));
    }

    void read(const std::string& text) { readLayout(form, text, "Unit1", registry); }

    // Reads text expecting a failure whose message starts with prefix; nothing may stay behind.
    void expectFailure(const std::string& text, const std::string& prefix) {
        SCOPED_TRACE(text);
        try {
            read(text);
            ADD_FAILURE() << "no error";
        } catch (const LayoutError& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, prefix.size()), prefix);
        }
        EXPECT_EQ(form.componentCount(), 0);
        EXPECT_EQ(liveControls(), 0);
        EXPECT_FALSE(form.isLoading());
    }

    ClassRegistry registry = fakeRegistry();
    FakeForm form;
};

} // namespace

TEST_F(LayoutReaderTest, BuildsTheTreeInListedOrderAndAppliesProperties) {
    read("object Form1: TFakeForm\n"
         "  Left = 263\n"
         "  Caption = 'Velmora安装向导'\n"
         "  object Panel1: TFakeControl\n"
         "    Left = 4\n"
         "    Font.Name = 'MS Sans Serif'\n"
         "    Color = clRed\n"
         "    Style = [fsBold]\n"
         "    Data = {0102}\n"
         "    Visible = False\n"
         "    object Label1: TFakeControl\n"
         "      Caption = 'a'#13#10'b'\n"
         "    end\n"
         "  end\n"
         "  object Panel2: TFakeControl\n"
         "  end\n"
         "end\n");
    EXPECT_EQ(form.name(), "Form1");
    EXPECT_EQ(form.left, 263);
    EXPECT_EQ(form.caption, "Velmora安装向导");
    ASSERT_EQ(form.componentCount(), 3);
    EXPECT_EQ(form.components()[0]->name(), "Panel1");
    EXPECT_EQ(form.components()[1]->name(), "Label1");
    EXPECT_EQ(form.components()[2]->name(), "Panel2");

    FakeControl* panel = control("Panel1");
    EXPECT_EQ(panel->parent, &form);
    EXPECT_EQ(control("Label1")->parent, panel);
    EXPECT_EQ(control("Panel2")->parent, &form);
    EXPECT_EQ(panel->left, 4);
    EXPECT_EQ(panel->fontName, "MS Sans Serif");
    EXPECT_EQ(panel->color, core::clRed);
    EXPECT_EQ(panel->style, std::vector<std::string>{"fsBold"});
    EXPECT_EQ(panel->data, (std::vector<uint8_t>{1, 2}));
    EXPECT_FALSE(panel->visible);
    EXPECT_EQ(control("Label1")->caption, "a\r\nb");

    // Properties arrive while loading; loaded() follows creation order, root first.
    EXPECT_TRUE(panel->wasLoadingWhenSet);
    EXPECT_FALSE(panel->isLoading());
    EXPECT_FALSE(form.isLoading());
    EXPECT_EQ(eventLog(),
              (std::vector<std::string>{"loaded Form1", "loaded Panel1", "loaded Label1", "loaded Panel2"}));
}

TEST_F(LayoutReaderTest, ResolvesEarlierReferencesAtOnceAndLaterOnesBeforeLoaded) {
    read("object Form1: TFakeForm\n"
         "  object A: TFakeControl\n"
         "    Buddy = C\n"
         "  end\n"
         "  object B: TFakeControl\n"
         "    Buddy = A\n"
         "  end\n"
         "  object C: TFakeControl\n"
         "    Buddy = nil\n"
         "  end\n"
         "  object D: TFakeControl\n"
         "    Buddy = Form1.b\n"
         "  end\n"
         "end\n");
    EXPECT_EQ(control("A")->buddy, control("C"));
    EXPECT_EQ(control("B")->buddy, control("A"));
    EXPECT_EQ(control("C")->buddy, nullptr);
    EXPECT_EQ(control("D")->buddy, control("B"));
    // B's and C's and D's are set while reading; A's forward reference waits for the end.
    EXPECT_EQ(eventLog(),
              (std::vector<std::string>{"buddy B -> A", "buddy C -> nil", "buddy D -> B", "buddy A -> C",
                                        "loaded Form1", "loaded A", "loaded B", "loaded C", "loaded D"}));
}

TEST_F(LayoutReaderTest, BindsEventsToTheRootsMethods) {
    read("object Form1: TFakeForm\n"
         "  object Button1: TFakeControl\n"
         "    OnClick = Button1Click\n"
         "  end\n"
         "end\n");
    FakeControl* button = control("Button1");
    ASSERT_TRUE(button->onClick);
    button->onClick(button);
    button->onClick(button);
    EXPECT_EQ(form.clicks, 2);
}

TEST_F(LayoutReaderTest, FailuresNameLayoutLineAndPropertyAndFreeEverythingBuilt) {
    const std::string head = "object Form1: TFakeForm\n"
                             "  object A: TFakeControl\n"
                             "    object B: TFakeControl\n"
                             "    end\n"
                             "  end\n";
    expectFailure(head + "  object X: TMissing\n  end\nend\n", "Unit1, line 6: class TMissing not found");
    expectFailure(head + "  object X: TFakeControl\n    Width = 3\n  end\nend\n",
                  "Unit1, line 7, property Width: unknown property of TFakeControl");
    expectFailure(head + "  object X: TFakeControl\n    Left = 'x'\n  end\nend\n",
                  "Unit1, line 7, property Left: expected an integer, found a string");
    expectFailure(head + "  object X: TFakeControl\n    Left = 4294967296\n  end\nend\n",
                  "Unit1, line 7, property Left: 4294967296 is out of range");
    expectFailure(head + "  object X: TFakeControl\n    Visible = Yes\n  end\nend\n",
                  "Unit1, line 7, property Visible: 'Yes' is not True or False");
    expectFailure(head + "  object X: TFakeControl\n    Color = clPink\n  end\nend\n",
                  "Unit1, line 7, property Color: 'clPink' is not a colour name");
    expectFailure(head + "  object X: TFakeControl\n    Buddy = Nowhere\n  end\nend\n",
                  "Unit1, line 7, property Buddy: component 'Nowhere' not found");
    expectFailure(head + "  object X: TFakeControl\n    Buddy = Form1\n  end\nend\n",
                  "Unit1, line 7, property Buddy: Buddy must be a TFakeControl");
    expectFailure(head + "  object X: TFakeControl\n    OnClick = Nothing\n  end\nend\n",
                  "Unit1, line 7, property OnClick: method Nothing not found");
    expectFailure(head + "  object b: TFakeControl\n  end\nend\n",
                  "Unit1, line 6: a component named b already");
    expectFailure("object Form1: TOther\nend\n", "Unit1, line 1: the layout describes a TOther");
    expectFailure(head + "  object X: TFakeControl\n    Left = 1.5\n  end\nend\n", "Unit1, line 7: '1.5'");
}

TEST_F(LayoutReaderTest, ComponentErrorsOfOtherClassesPassThroughUnchanged) {
    try {
        read("object Form1: TFakeForm\n  object A: TFakeControl\n    Fail = 1\n  end\nend\n");
        FAIL() << "no error";
    } catch (const LayoutError&) {
        FAIL() << "wrapped";
    } catch (const core::StreamError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    EXPECT_EQ(form.componentCount(), 0);
}

TEST_F(LayoutReaderTest, FactoriesThatIgnoreTheOwnerAreRefused) {
    registry.add("TStray",
                 [](core::Component*, core::Component* parent) { return new FakeControl(nullptr, parent); });
    expectFailure("object Form1: TFakeForm\n  object A: TStray\n  end\nend\n",
                  "Unit1, line 2: class TStray was created without");
}
