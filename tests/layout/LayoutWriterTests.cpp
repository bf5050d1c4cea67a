#include "FakeComponents.h"
#include "layout/LayoutReader.h"
#include "layout/LayoutWriter.h"

#include <gtest/gtest.h>

using namespace layout;
using namespace layout::test;

namespace {

WriteOptions nesting() {
    WriteOptions options;
    options.parentOf = [](const core::Component* c) -> const core::Component* {
        auto* control = dynamic_cast<const FakeControl*>(c);
        return control ? control->parent : nullptr;
    };
    return options;
}

std::string reread(const std::string& text) {
    ClassRegistry registry = fakeRegistry();
    FakeForm form;
    readLayout(form, text, "t", registry);
    return writeLayout(form, nesting());
}

} // namespace

TEST(LayoutWriter, WritesCanonicalTextThatReadsBackTheSame) {
    std::vector<uint8_t> blob(70);
    for (size_t i = 0; i < blob.size(); ++i)
        blob[i] = uint8_t(i * 37);
    std::string longCaption = "安装数据库时如果提示重新　　\r\n启动，请重新启动电脑后再　　\r\n点安装数据库，"
                              "然后再安装　　\r\n应用程序！";

    ClassRegistry registry = fakeRegistry();
    FakeForm form;
    form.setName("Form1");
    form.left = -5;
    form.caption = "It's";
    auto* panel = new FakeControl(&form, &form);
    panel->setName("Panel1");
    panel->fontName = "新宋体";
    panel->color = core::rgb(1, 2, 3);
    panel->style = {"fsBold", "fsUnderline"};
    panel->data = blob;
    auto* label = new FakeControl(&form, panel);
    label->setName("Label1");
    label->caption = longCaption;
    label->color = core::clHighlight;
    label->visible = false;
    label->buddy = panel;
    auto* other = new FakeControl(&form, &form);
    other->setName("Other");

    const std::string text = writeLayout(form, nesting());
    EXPECT_EQ(text.substr(0, 65), "object Form1: TFakeForm\n  Left = -5\n  Caption = 'It''s'\n  object ");
    EXPECT_NE(text.find("    Font.Name = '新宋体'\n"), std::string::npos);
    EXPECT_NE(text.find("    Color = 197121\n"), std::string::npos);
    EXPECT_NE(text.find("    Style = [fsBold, fsUnderline]\n"), std::string::npos);
    EXPECT_NE(text.find("    Data = {\n      00254A6F"), std::string::npos);
    EXPECT_NE(text.find("      Color = clHighlight\n"), std::string::npos);
    EXPECT_NE(text.find("#13#10"), std::string::npos);
    EXPECT_NE(text.find("      Buddy = Panel1\n"), std::string::npos);
    EXPECT_NE(text.find("    end\n  end\n  object Other: TFakeControl\n  end\nend\n"), std::string::npos);
    // No line grows without bound, and long strings are cut between characters, not inside one.
    size_t lineStart = 0;
    while (lineStart < text.size()) {
        size_t lineEnd = text.find('\n', lineStart);
        EXPECT_LE(lineEnd - lineStart, 100u) << text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
    }

    FakeForm copy;
    readLayout(copy, text, "t", registry);
    auto* copiedLabel = dynamic_cast<FakeControl*>(copy.findComponent("Label1"));
    ASSERT_NE(copiedLabel, nullptr);
    EXPECT_EQ(copiedLabel->caption, longCaption);
    EXPECT_EQ(copiedLabel->parent, copy.findComponent("Panel1"));
    EXPECT_EQ(copiedLabel->buddy, copy.findComponent("Panel1"));
    EXPECT_EQ(dynamic_cast<FakeControl*>(copy.findComponent("Panel1"))->data, blob);
    EXPECT_EQ(writeLayout(copy, nesting()), text);
}

TEST(LayoutWriter, HandWrittenTextSettlesAfterOneRoundTrip) {
    const std::string hand = "object Form1: TFakeForm\n"
                             "  Left = $10\n"
                             "  Caption = 'a' + 'b'\n"
                             "  object P: TFakeControl\n"
                             "    Color = $FF\n"
                             "    Data = {}\n"
                             "    Style = []\n"
                             "  end\n"
                             "end\n";
    const std::string once = reread(hand);
    EXPECT_EQ(once, "object Form1: TFakeForm\n"
                    "  Left = 16\n"
                    "  Caption = 'ab'\n"
                    "  object P: TFakeControl\n"
                    "    Color = clRed\n"
                    "  end\n"
                    "end\n");
    EXPECT_EQ(reread(once), once);
}

TEST(LayoutWriter, EmptyBinaryAndEmptyStringsSurvive) {
    struct Holder : core::Component {
        const char* className() const override { return "THolder"; }
        std::vector<uint8_t> bytes;
        std::string text = "x";
        bool setProperty(const std::string& name, core::PropertyReader& v) override {
            if (name == "CompressedData")
                bytes = v.asBytes();
            else if (name == "FileName")
                text = v.asString();
            else
                return false;
            return true;
        }
        void writeProperties(core::PropertyWriter& out) const override {
            out.writeString("FileName", text);
            out.writeBytes("CompressedData", bytes);
        }
    };
    Holder holder;
    holder.text = "";
    const std::string text = writeLayout(holder);
    EXPECT_EQ(text, "object THolder\n  FileName = ''\n  CompressedData = {}\nend\n");
    Holder copy;
    copy.bytes = {1};
    readLayout(copy, text, "t");
    EXPECT_TRUE(copy.bytes.empty());
    EXPECT_EQ(copy.text, "");
}
