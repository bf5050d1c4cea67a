#include "WindowTestSupport.h"
#include "core/BmpCodec.h"
#include "core/Error.h"
#include "gui/Bevel.h"
#include "gui/Form.h"
#include "gui/GroupBox.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "gui/SpeedButton.h"
#include "gui/StandardClasses.h"
#include "layout/LayoutReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace gui;
using namespace testing_support;
using core::Color;

namespace {

Color sys(Color c) {
    return core::colorToRgb(c);
}

// A test bitmap whose pixel (x, y) has red x and green y (blue 0), with a magenta bottom-left pixel.
core::FBitmap gradient(int w, int h) {
    core::FBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, core::rgb(uint8_t(x * 10), uint8_t(y * 10), 0));
    b.setPixel(0, h - 1, core::rgb(255, 0, 255));
    return b;
}

struct FormFixture : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<Form>();
        form->setBounds(80, 80, 320, 260);
        form->setBorderStyle(BorderStyle::bsSingle);
        panel = new Panel(form.get());
        panel->setParent(form.get());
        panel->setBevelOuter(PanelBevel::bvNone);
        panel->setAlign(Align::alClient);
    }
    std::unique_ptr<Form> form;
    Panel* panel = nullptr;
};

} // namespace

// --- Speed button ---------------------------------------------------------------------------------

TEST(SpeedButtonLayout, GlyphAboveCaptionCentredAsAPair) {
    // 113 x 113 button, 70 x 80 glyph, 60 x 13 caption, spacing 4: the pair is 97 high.
    const ButtonGlyphLayout l =
        layoutButtonGlyph({113, 113}, {70, 80}, {60, 13}, ButtonLayout::blGlyphTop, -1, 4);
    EXPECT_EQ(l.glyph, (core::Point{22, 8}));
    EXPECT_EQ(l.text, (core::Rect{27, 92, 87, 105}));

    // Without a caption the glyph is centred alone; spacing does not count.
    const ButtonGlyphLayout g =
        layoutButtonGlyph({100, 100}, {20, 30}, {0, 0}, ButtonLayout::blGlyphTop, -1, 4);
    EXPECT_EQ(g.glyph, (core::Point{40, 35}));

    // A fixed margin on the right.
    const ButtonGlyphLayout r =
        layoutButtonGlyph({100, 40}, {16, 16}, {30, 13}, ButtonLayout::blGlyphRight, 5, 4);
    EXPECT_EQ(r.glyph.x, 100 - 5 - 16);
    EXPECT_EQ(r.text.right, r.glyph.x - 4);
}

// Real mouse input: press and release over the button clicks it exactly once; a press that leaves
// the button before the release does not click.
TEST_F(FormFixture, SpeedButtonClickedWithTheRealMouseFiresOnce) {
    auto* button = new SpeedButton(form.get());
    button->setParent(panel);
    button->setBounds(25, 31, 113, 113);
    button->setCaption("安装数据库");
    button->setLayout(ButtonLayout::blGlyphTop);
    int clicks = 0;
    button->onClick = [&](core::Component* sender) {
        EXPECT_EQ(sender, button);
        ++clicks;
    };
    form->show();
    SetForegroundWindow(form->handle());
    pumpFor(100);

    const core::Point centre = button->clientToScreen({56, 56});
    sendMouseMove(centre.x, centre.y);
    pumpFor(50);
    sendMouseButton(true);
    ASSERT_TRUE(pumpUntil([&] { return button->isPressed(); }));
    sendMouseButton(false);
    ASSERT_TRUE(pumpUntil([&] { return clicks > 0; }));
    pumpFor(100);
    EXPECT_EQ(clicks, 1);

    sendMouseButton(true);
    ASSERT_TRUE(pumpUntil([&] { return button->isPressed(); }));
    const core::Point outside = button->clientToScreen({200, 56});
    sendMouseMove(outside.x, outside.y);
    ASSERT_TRUE(pumpUntil([&] { return !button->isPressed(); }));
    sendMouseButton(false);
    pumpFor(100);
    EXPECT_EQ(clicks, 1);
}

// The glyph is drawn without its transparent colour (its bottom-left pixel), over the button face.
TEST_F(FormFixture, SpeedButtonDrawsGlyphTransparently) {
    auto* button = new SpeedButton(form.get());
    button->setParent(panel);
    button->setBounds(0, 0, 40, 40);
    core::FBitmap glyph(10, 10);
    glyph.fill(core::rgb(255, 0, 255));
    glyph.fillRect({2, 2, 8, 8}, core::rgb(0, 0, 200));
    button->glyph().setPixels(std::move(glyph));
    form->show();
    const core::FBitmap shown = renderClient(*panel);
    // Glyph centred: at (15, 15).
    EXPECT_EQ(shown.pixel(15 + 4, 15 + 4), core::rgb(0, 0, 200));
    EXPECT_EQ(shown.pixel(15, 15), sys(core::clBtnFace)); // transparent corner shows the face
}

// --- Label ---------------------------------------------------------------------------------------

TEST_F(FormFixture, LabelSizesItselfToItsLines) {
    auto* one = new Label(form.get());
    one->setParent(panel);
    one->setCaption("安装数据库时如果提示重新");
    auto* two = new Label(form.get());
    two->setParent(panel);
    two->setCaption("安装数据库时如果提示重新\r\n启动，请重新启动电脑后再");
    EXPECT_GT(one->width(), 20);
    EXPECT_EQ(two->height(), 2 * one->height()); // CR LF breaks the line
    EXPECT_EQ(two->width(), one->width());

    // A right-aligned label keeps its right edge while it grows.
    auto* right = new Label(form.get());
    right->setParent(panel);
    right->setAlignment(Alignment::taRightJustify);
    right->setBounds(100, 10, 50, 13);
    const int32_t rightEdge = right->boundsRect().right;
    right->setCaption("a much longer caption");
    EXPECT_EQ(right->boundsRect().right, rightEdge);

    // Without autoSize the bounds stay as set.
    auto* fixed = new Label(form.get());
    fixed->setParent(panel);
    fixed->setAutoSize(false);
    fixed->setBounds(10, 10, 30, 10);
    fixed->setCaption("longer than thirty pixels for sure");
    EXPECT_EQ(fixed->boundsRect(), (core::Rect{10, 10, 40, 20}));
}

TEST_F(FormFixture, TransparentLabelLeavesTheBackgroundAndOpaqueLabelFillsIt) {
    panel->setColor(core::clWhite);
    auto* label = new Label(form.get());
    label->setParent(panel);
    label->setAutoSize(false);
    label->setBounds(10, 10, 60, 20);
    label->setCaption(".");
    label->setColor(core::clRed);
    form->show();
    EXPECT_EQ(renderClient(*panel).pixel(60, 5 + 10), core::clRed);
    label->setTransparent(true);
    EXPECT_EQ(renderClient(*panel).pixel(60, 5 + 10), core::clWhite);
}

// --- Bevel, group box, image ----------------------------------------------------------------------

TEST_F(FormFixture, BevelShapesDrawTheirLines) {
    panel->setColor(core::clWhite);
    auto* bevel = new Bevel(form.get());
    bevel->setParent(panel);
    bevel->setBounds(16, 20, 100, 3);
    bevel->setShape(BevelShape::bsTopLine);
    form->show();
    core::FBitmap shown = renderClient(*panel);
    EXPECT_EQ(shown.pixel(50, 20), sys(core::clBtnShadow));
    EXPECT_EQ(shown.pixel(50, 21), sys(core::clBtnHighlight));
    EXPECT_EQ(shown.pixel(50, 22), core::clWhite);
    EXPECT_EQ(shown.pixel(15, 20), core::clWhite);

    bevel->setBounds(16, 20, 10, 10);
    bevel->setShape(BevelShape::bsBox);
    bevel->setStyle(BevelStyle::bsRaised);
    shown = renderClient(*panel);
    EXPECT_EQ(shown.pixel(16, 20), sys(core::clBtnHighlight)); // top-left corner: light when raised
    EXPECT_EQ(shown.pixel(25, 20), sys(core::clBtnShadow));    // top-right corner takes the dark colour
    EXPECT_EQ(shown.pixel(20, 29), sys(core::clBtnShadow));
    EXPECT_EQ(shown.pixel(20, 25), core::clWhite);
}

TEST_F(FormFixture, ImageDrawsUnscaledFromTheTopLeftAndIsCut) {
    auto* image = new Image(form.get());
    image->setParent(panel);
    image->setBounds(56, 147, 12, 5); // the picture is 12 x 8: the bottom 3 rows are cut off
    image->picture().setPixels(gradient(12, 8));
    form->show();
    const core::FBitmap shown = renderClient(*panel);
    EXPECT_EQ(shown.pixel(56 + 3, 147 + 4), core::rgb(30, 40, 0));
    EXPECT_EQ(shown.pixel(56 + 11, 147 + 0), core::rgb(110, 0, 0));
    EXPECT_EQ(shown.pixel(56 + 3, 147 + 5), sys(core::clBtnFace)); // below the control: not drawn
}

TEST(PictureData, AcceptsTheStoredFormsAndRejectsGarbage) {
    const std::vector<uint8_t> file = core::encodeBmp(gradient(3, 2));
    auto withCount = [](std::vector<uint8_t> bytes) {
        std::vector<uint8_t> out(4);
        const uint32_t n = uint32_t(bytes.size());
        std::memcpy(out.data(), &n, 4);
        out.insert(out.end(), bytes.begin(), bytes.end());
        return out;
    };
    std::vector<uint8_t> prefixed = {7, 'T', 'B', 'i', 't', 'm', 'a', 'p'};
    const std::vector<uint8_t> counted = withCount(file);
    prefixed.insert(prefixed.end(), counted.begin(), counted.end());

    for (const std::vector<uint8_t>& data : {file, counted, prefixed}) {
        Bitmap b;
        loadPictureData(b, data);
        EXPECT_EQ(b.width(), 3);
        EXPECT_EQ(b.pixels().pixel(2, 0), core::rgb(20, 0, 0));
    }
    Bitmap source;
    source.setPixels(gradient(3, 2));
    Bitmap b;
    loadPictureData(b, pictureData(source));
    EXPECT_EQ(b.height(), 2);

    std::vector<uint8_t> lyingCount = counted;
    lyingCount[0] = 0xFF;
    lyingCount[1] = 0xFF;
    EXPECT_THROW(loadPictureData(b, lyingCount), core::Error);
    EXPECT_THROW(loadPictureData(b, {1, 2}), core::Error);
    std::vector<uint8_t> otherClass = {7, 'T', 'J', 'P', 'E', 'G', 'x', 'y', 0, 0, 0, 0};
    EXPECT_THROW(loadPictureData(b, otherClass), core::Error);
}

// --- Layouts --------------------------------------------------------------------------------------

// A layout builds the standard controls with their parents, properties and bound events.
TEST(StandardClassesLayout, LayoutBuildsControlsInsideTheirParents) {
    layout::ClassRegistry registry;
    registerStandardClasses(registry);

    struct LayoutForm : Form {
        const char* className() const override { return "TForm1"; }
        int clicks = 0;
        std::function<void(core::Component*)> findMethod(const std::string& name) override {
            if (name == "SpeedButton1Click")
                return [this](core::Component*) { ++clicks; };
            return {};
        }
    } form;
    const char* text = R"(object Form1: TForm1
  Left = 263
  Top = 177
  BorderIcons = []
  Caption = 'Velmora安装向导'
  ClientHeight = 390
  ClientWidth = 425
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 4
    Top = 5
    Width = 417
    Height = 385
    TabOrder = 0
    object GroupBox1: TGroupBox
      Left = 9
      Top = 9
      Width = 160
      Height = 324
      Caption = '安装模块'
      TabOrder = 0
      object SpeedButton1: TSpeedButton
        Left = 25
        Top = 31
        Width = 113
        Height = 113
        Caption = '安装数据库'
        Layout = blGlyphTop
        OnClick = SpeedButton1Click
      end
    end
    object Bevel1: TBevel
      Left = 16
      Top = 336
      Width = 378
      Height = 3
      Shape = bsTopLine
    end
    object Label6: TLabel
      Left = 16
      Top = 272
      Width = 187
      Height = 16
      Caption = '全部安装完后须重启电脑'
      Font.Charset = ANSI_CHARSET
      Font.Color = clRed
      Font.Height = -16
      Font.Name = '新宋体'
      Font.Style = [fsBold]
      ParentFont = False
      Transparent = True
    end
  end
end
)";
    layout::readLayout(form, text, "test.layout", registry);
    auto* panel = dynamic_cast<Panel*>(form.findComponent("Panel1"));
    auto* box = dynamic_cast<GroupBox*>(form.findComponent("GroupBox1"));
    auto* button = dynamic_cast<SpeedButton*>(form.findComponent("SpeedButton1"));
    auto* bevel = dynamic_cast<Bevel*>(form.findComponent("Bevel1"));
    auto* label = dynamic_cast<Label*>(form.findComponent("Label6"));
    ASSERT_TRUE(panel && box && button && bevel && label);
    EXPECT_EQ(panel->parent(), &form);
    EXPECT_EQ(box->parent(), panel);
    EXPECT_EQ(button->parent(), box);
    EXPECT_EQ(bevel->parent(), panel);
    EXPECT_EQ(form.caption(), "Velmora安装向导");
    EXPECT_TRUE(form.borderIcons().isEmpty());
    EXPECT_EQ(button->layout(), ButtonLayout::blGlyphTop);
    EXPECT_EQ(label->font().name(), "新宋体");
    EXPECT_EQ(label->font().color(), core::clRed);
    EXPECT_FALSE(label->parentFont());
    EXPECT_EQ(button->font().name(), "MS Sans Serif"); // through its parents
    EXPECT_TRUE(label->isTransparent());

    form.show();
    EXPECT_EQ(form.clientWidth(), 425);
    EXPECT_EQ(form.clientHeight(), 390);
    EXPECT_EQ(box->boundsRect(), (core::Rect{9, 9, 169, 333}));
    button->performClick();
    EXPECT_EQ(form.clicks, 1);
}
