#include "SkinControlTestSupport.h"
#include "gui/Form.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinChangeRelay.h"
#include "skin/controls/SkinPanel.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinNotifier.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skin_testing;

namespace {

class CountingPanel : public skin::SkinPanel {
public:
    using skin::SkinPanel::SkinPanel;
    void skinChanging() override {
        ++changing;
        skin::SkinPanel::skinChanging();
    }
    void skinChanged() override {
        ++changed;
        skin::SkinPanel::skinChanged();
    }
    int changing = 0;
    int changed = 0;
};

class SkinNotificationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gui::application().initialize(); }
};

struct Received {
    gui::CustomForm* form;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// Records the store's notifications arriving at a form's window.
class Recorder {
public:
    Recorder(gui::CustomForm& form, std::vector<Received>& log)
        : m_hook([&form, &log](gui::Message& m, const std::function<void(gui::Message&)>& previous) {
              if ((m.msg >= 1225 && m.msg <= 1227) || m.msg == 1274)
                  log.push_back({&form, m.msg, m.wParam, m.lParam});
              previous(m);
          }) {
        form.installHook(&m_hook);
    }

private:
    gui::FunctionHook m_hook;
};

} // namespace

TEST_F(SkinNotificationTest, SkinChangeReachesExactlyTheControlsOfTheSendingStore) {
    skin::CompressedStoredSkin packageA, packageB;
    fillVelmora(packageA);
    fillVelmora(packageB);
    skin::SkinData storeA, storeB;
    gui::Form form;
    skin::SkinChangeRelayHook relay;
    form.installHook(&relay);

    CountingPanel onA(&form), onB(&form), none(&form);
    for (CountingPanel* p : {&onA, &onB, &none})
        p->setParent(&form);
    CountingPanel nestedOnA(&form); // inside a control of the other store: the walk goes deep
    nestedOnA.setParent(&onB);
    onA.setSkinData(&storeA);
    nestedOnA.setSkinData(&storeA);
    onB.setSkinData(&storeB);
    skin::SkinBevel bevel(&form);
    bevel.setParent(&onA);
    bevel.setSkinData(&storeA);
    EXPECT_EQ(bevel.lightColor(), core::clBtnHighlight);

    storeA.setCompressedStoredSkin(&packageA);
    for (CountingPanel* p : {&onA, &nestedOnA}) {
        EXPECT_EQ(p->changing, 1);
        EXPECT_EQ(p->changed, 1);
        EXPECT_TRUE(p->isSkinned());
    }
    for (CountingPanel* p : {&onB, &none}) {
        EXPECT_EQ(p->changing, 0);
        EXPECT_EQ(p->changed, 0);
        EXPECT_FALSE(p->isSkinned());
    }
    EXPECT_EQ(bevel.lightColor(), 16777215);
    EXPECT_EQ(bevel.darkColor(), 8421504);

    storeB.setCompressedStoredSkin(&packageB);
    EXPECT_EQ(onB.changed, 1);
    EXPECT_TRUE(onB.isSkinned());
    EXPECT_EQ(onA.changed, 1);
    EXPECT_EQ(none.changed, 0);

    // A store with no skin any more leaves its controls unskinned.
    relaySkinChange(form, &storeA, skin::wmBeforeChangeSkinData);
    storeA.clearSkin();
    relaySkinChange(form, &storeA, skin::wmChangeSkinData);
    EXPECT_FALSE(onA.isSkinned());
    EXPECT_EQ(bevel.lightColor(), core::clBtnHighlight);
}

TEST_F(SkinNotificationTest, OwnerFormHearsFirstThenEveryOtherFormIncludingLaterOnes) {
    skin::CompressedStoredSkin package;
    fillVelmora(package);
    std::vector<Received> log;
    gui::Form first, owner;
    Recorder r1(first, log), r2(owner, log);
    auto* store = new skin::SkinData(&owner);

    store->setCompressedStoredSkin(&package);
    const WPARAM self = WPARAM(store);
    ASSERT_EQ(log.size(), 6u);
    const UINT order[] = {1225, 1225, 1226, 1226, 1227, 1227};
    for (size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log[i].msg, order[i]);
        EXPECT_EQ(log[i].form, i % 2 == 0 ? &owner : &first) << i;
        EXPECT_EQ(log[i].wParam, self);
        EXPECT_EQ(log[i].lParam, 1000);
    }

    log.clear();
    gui::Form later;
    Recorder r3(later, log);
    store->loadFromPackage(package);
    int toLater = 0;
    for (const Received& r : log)
        toLater += r.form == &later;
    EXPECT_EQ(toLater, 3);
    EXPECT_EQ(log.front().form, &owner);
}

TEST_F(SkinNotificationTest, StoreMadeInCodeReachesFormsWithoutAnyRegistration) {
    // Nothing in this test program registers layout classes or installs a broadcast: a store made in
    // code still reaches every form, its owner first.
    std::vector<Received> log;
    gui::Form other, owner;
    Recorder r1(other, log), r2(owner, log);
    skin::SkinData store(&owner);
    skin::ResourceStrData strings;
    store.setResourceStrData(&strings);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].form, &owner);
    EXPECT_EQ(log[1].form, &other);
    for (const Received& r : log) {
        EXPECT_EQ(r.msg, 1274u);
        EXPECT_EQ(r.wParam, WPARAM(&store));
        EXPECT_EQ(r.lParam, 1000);
    }
    store.setResourceStrData(nullptr);
    EXPECT_EQ(log.size(), 4u);
}
