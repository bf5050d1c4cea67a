// The launcher window as its layout builds it: component tree, creation order, parents, bounds,
// texts, fonts and images.
#include "gui/Application.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/SpeedButton.h"
#include "gui/StandardClasses.h"
#include "gui/WinControl.h"
#include "labels/win32/URLLabel.h"
#include "launcher/LauncherClasses.h"
#include "launcher/LauncherWindow.h"
#include "layout/ClassRegistry.h"
#include "layout/LayoutReader.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/controls/SkinLinkLabel.h"
#include "skin/controls/SkinPanel.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class LauncherWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gui::application().initialize();
        launcher::registerLauncherClasses();
    }

    void SetUp() override { form = std::make_unique<launcher::LauncherWindow>(nullptr); }

    template <typename T = gui::Control> T* find(const std::string& name) {
        auto* c = dynamic_cast<T*>(form->findComponent(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    std::unique_ptr<launcher::LauncherWindow> form;
};

struct Expected {
    const char* name;
    const char* className;
    const char* parent;
    int left, top, width, height;
    // Labels that size themselves to their text keep their place; their size follows the font.
    bool sizeFollowsText = false;
};

const Expected expectedTree[] = {
    {"SkinPanel1", "TSkinPanel", "Form1", 4, 5, 417, 385},
    {"SkinBevel1", "TSkinBevel", "SkinPanel1", 16, 336, 378, 3},
    {"SkinGroupBox1", "TSkinGroupBox", "SkinPanel1", 9, 9, 160, 324},
    {"SpeedButton1", "TSpeedButton", "SkinGroupBox1", 25, 31, 113, 113},
    {"SpeedButton2", "TSpeedButton", "SkinGroupBox1", 24, 213, 121, 107},
    {"Image1", "TImage", "SkinGroupBox1", 56, 147, 49, 61},
    {"SkinGroupBox2", "TSkinGroupBox", "SkinPanel1", 184, 10, 217, 323},
    {"Label1", "TLabel", "SkinGroupBox2", 23, 200, 168, 52, true},
    {"Label2", "TLabel", "SkinGroupBox2", 51, 56, 118, 33},
    {"Label3", "TLabel", "SkinGroupBox2", 11, 104, 200, 16, true},
    {"Label4", "TLabel", "SkinGroupBox2", 11, 128, 144, 16, true},
    {"Label5", "TLabel", "SkinGroupBox2", 11, 152, 36, 16, true},
    {"SkinLinkLabel1", "TSkinLinkLabel", "SkinGroupBox2", 88, 152, 3, 14},
    {"URLLabel1", "TURLLabel", "SkinGroupBox2", 51, 152, 161, 13, true},
    {"Label6", "TLabel", "SkinGroupBox2", 16, 272, 187, 16, true},
};

} // namespace

TEST_F(LauncherWindow, HasTheDesignedTreeInCreationOrder) {
    EXPECT_EQ(form->name(), "Form1");
    EXPECT_STREQ(form->className(), "TForm1");
    const auto& owned = form->components();
    const size_t n = std::size(expectedTree);
    ASSERT_GE(owned.size(), n);
    for (size_t i = 0; i < n; ++i) {
        const Expected& e = expectedTree[i];
        SCOPED_TRACE(e.name);
        auto* c = dynamic_cast<gui::Control*>(owned[i]);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->name(), e.name);
        EXPECT_STREQ(c->className(), e.className);
        ASSERT_NE(c->parent(), nullptr);
        EXPECT_EQ(c->parent()->name(), e.parent);
        EXPECT_EQ(c->left(), e.left);
        EXPECT_EQ(c->top(), e.top);
        if (!e.sizeFollowsText) {
            EXPECT_EQ(c->width(), e.width);
            EXPECT_EQ(c->height(), e.height);
        } else {
            EXPECT_GT(c->width(), 0);
            EXPECT_GT(c->height(), 0);
        }
    }
    // The skin components come last, once their classes take part.
    const char* const skinComponents[][2] = {{"SkinForm1", "TSkinForm"},
                                             {"SkinData1", "TSkinData"},
                                             {"CompressedStoredSkin1", "TCompressedStoredSkin"}};
    // Until the skinned form takes part, the store and its package come without it.
    const size_t extra = owned.size() - n;
    ASSERT_TRUE(extra == 0 || extra == 2 || extra == 3) << owned.size();
    const size_t first = 3 - extra;
    for (size_t i = n; i < owned.size(); ++i) {
        EXPECT_EQ(owned[i]->name(), skinComponents[first + i - n][0]);
        EXPECT_STREQ(owned[i]->className(), skinComponents[first + i - n][1]);
    }
}

TEST_F(LauncherWindow, LayoutsMayGiveTheStoreAStringTable) {
    // The skin library's classes include the string table, so a program's layout can carry one.
    struct OtherForm : gui::Form {
        const char* className() const override { return "TForm2"; }
    } other;
    layout::readLayout(other, R"(object Form2: TForm2
  object ResourceStrData1: TResourceStrData
    ResStrings.Strings = (
      'CLOSEBUTTON_HINT=Schlie'#223'en')
  end
  object SkinData1: TSkinData
    ResourceStrData = ResourceStrData1
  end
end
)",
                       "Unit2");
    auto* store = dynamic_cast<skin::SkinData*>(other.findComponent("SkinData1"));
    ASSERT_NE(store, nullptr);
    ASSERT_NE(store->resourceStrData(), nullptr);
    EXPECT_EQ(store->resourceStrData()->lookUpString("closebutton_hint"), "Schlie\xC3\x9F"
                                                                          "en");
}

TEST_F(LauncherWindow, WindowPropertiesAndTabOrder) {
    EXPECT_EQ(form->caption(), "Velmora安装向导");
    EXPECT_EQ(form->left(), 263);
    EXPECT_EQ(form->top(), 177);
    // The skinned frame keeps the window's designed size; its client area is what the skin's frame
    // leaves of it (8 + 5 pixels of side borders, a 28-pixel top and a 7-pixel bottom band).
    EXPECT_EQ(form->clientWidth(), form->width() - 8 - 5);
    EXPECT_EQ(form->clientHeight(), form->height() - 28 - 7);
    EXPECT_TRUE(form->borderIcons().isEmpty());
    EXPECT_EQ(form->color(), core::clBtnFace);
    EXPECT_EQ(form->font().name(), "MS Sans Serif");
    EXPECT_EQ(form->font().height(), -11);
    EXPECT_EQ(form->font().charset(), 1);

    EXPECT_EQ(find<gui::WinControl>("SkinPanel1")->tabOrder(), 0);
    EXPECT_EQ(find<gui::WinControl>("SkinGroupBox1")->tabOrder(), 0);
    EXPECT_EQ(find<gui::WinControl>("SkinGroupBox2")->tabOrder(), 1);

    // The window must exist for the handlers' owner handle; building it must not fail.
    EXPECT_NE(form->handle(), nullptr);
}

TEST_F(LauncherWindow, TextsFontsAndImages) {
    EXPECT_EQ(find("SkinGroupBox1")->caption(), "安装模块");
    EXPECT_EQ(find("SkinGroupBox2")->caption(), "联系方式");
    EXPECT_EQ(find("SpeedButton1")->caption(), "安装数据库");
    EXPECT_EQ(find("SpeedButton2")->caption(), "安装应用程序");
    EXPECT_EQ(find("Label1")->caption(), "安装数据库时如果提示重新　　\r\n启动，请重新启动电脑后再　　\r\n"
                                         "点安装数据库，然后再安装　　\r\n应用程序！");
    EXPECT_EQ(find("Label2")->caption(), "Velmora");
    EXPECT_EQ(find("Label3")->caption().rfind("邮箱：", 0), 0u);
    EXPECT_EQ(find("Label4")->caption().rfind("电话：", 0), 0u);
    EXPECT_EQ(find("Label5")->caption(), "网站：");
    EXPECT_EQ(find("Label6")->caption(), "全部安装完后须重启电脑");
    EXPECT_EQ(find("SkinLinkLabel1")->caption(), "");
    EXPECT_FALSE(find("URLLabel1")->caption().empty());

    // Label1 takes the window's font; the others have their own.
    EXPECT_EQ(find("Label1")->font().name(), "MS Sans Serif");
    const gui::Font& label2 = find("Label2")->font();
    EXPECT_EQ(label2.name(), "汉鼎简黑变");
    EXPECT_EQ(label2.height(), -29);
    EXPECT_EQ(label2.charset(), 134); // GB2312
    const gui::Font& label6 = find("Label6")->font();
    EXPECT_EQ(label6.name(), "新宋体");
    EXPECT_EQ(label6.color(), core::clRed);
    EXPECT_TRUE(label6.style().has(gui::FontStyle::fsBold));
    const gui::Font& url = find("URLLabel1")->font();
    EXPECT_EQ(url.color(), core::clHighlight);
    EXPECT_TRUE(url.style().has(gui::FontStyle::fsUnderline));
    // The web address is the label library's URL label, turning blue under the mouse.
    auto* urlLabel = find<labels::URLLabel>("URLLabel1");
    ASSERT_NE(urlLabel, nullptr);
    EXPECT_EQ(urlLabel->flyByColor(), core::clBlue);
    EXPECT_TRUE(urlLabel->flyByEnabled());
    EXPECT_EQ(urlLabel->url(), urlLabel->caption());

    for (const char* name : {"SpeedButton1", "SpeedButton2"}) {
        SCOPED_TRACE(name);
        gui::Bitmap& glyph = find<gui::SpeedButton>(name)->glyph();
        EXPECT_EQ(glyph.width(), 70);
        EXPECT_EQ(glyph.height(), 80);
        EXPECT_EQ(glyph.bitsPerPixel(), 8);
        EXPECT_EQ(find<gui::SpeedButton>(name)->layout(), gui::ButtonLayout::blGlyphTop);
        EXPECT_TRUE(find<gui::SpeedButton>(name)->onClick);
    }
    const gui::Bitmap& picture = find<gui::Image>("Image1")->picture();
    EXPECT_EQ(picture.width(), 49);
    EXPECT_EQ(picture.height(), 64);
    EXPECT_EQ(picture.bitsPerPixel(), 8);
}

// The stored skin loads while the window is built and reaches the panel and group boxes; the bevel
// and the link label have no store and keep their unskinned look.
TEST_F(LauncherWindow, StoredSkinIsInForceOnceTheWindowIsBuilt) {
    auto* store = dynamic_cast<skin::SkinData*>(form->findComponent("SkinData1"));
    ASSERT_NE(store, nullptr);
    EXPECT_FALSE(store->isSkinEmpty());
    for (const char* name : {"SkinPanel1", "SkinGroupBox1", "SkinGroupBox2"}) {
        auto* panel = find<skin::SkinPanel>(name);
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(panel->isSkinned()) << name;
        EXPECT_EQ(panel->skinData(), store) << name;
    }
    EXPECT_EQ(find<skin::SkinGroupBox>("SkinGroupBox1")->captionRectForSize(), (core::Rect{6, 4, 154, 20}));
    EXPECT_EQ(find<skin::SkinBevel>("SkinBevel1")->skinData(), nullptr);
    EXPECT_FALSE(find<skin::SkinLinkLabel>("SkinLinkLabel1")->isSkinned());
}
