#pragma once
// The base of windowed skinned controls: ties the control to a skin store and to one control record
// in it (named by skinDataName), and paints through one off-screen bitmap with one routine for the
// unskinned look and one for the skinned look. The background is never erased separately.
#include "core/FBitmap.h"
#include "gui/CustomControl.h"

#include <string>

namespace skin {

class SkinData;

class SkinControl : public gui::CustomControl {
public:
    explicit SkinControl(core::Component* owner = nullptr);
    ~SkinControl() override;

    const char* className() const override { return "TSkinControl"; }

    // The store (not owned); cleared when the store is destroyed. Setting a loaded store applies
    // its skin at once.
    SkinData* skinData() const { return m_skinData; }
    virtual void setSkinData(SkinData* store);
    // The record's name. Setting it only stores it: the next paint or skin change reads it.
    const std::string& skinDataName() const { return m_skinDataName; }
    virtual void setSkinDataName(const std::string& name) { m_skinDataName = name; }

    // Position of the record in the store's control list; -1 while unskinned.
    int skinIndex() const { return m_skinIndex; }
    bool isSkinned() const { return m_skinIndex >= 0; }

    // The store is about to change skins (1225): forget the record.
    virtual void skinChanging();
    // The store has a new skin (1226): read the record again and repaint.
    virtual void skinChanged();

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    // Looks the record up (sets skinIndex); subclasses copy what they need from it.
    virtual void readSkinRecord();
    // Draw into the off-screen bitmap, which has the control's size.
    virtual void paintUnskinned(core::FBitmap& bitmap);
    virtual void paintSkinned(core::FBitmap& bitmap);
    // Re-reads the record, paints the bitmap and copies it to the window in one transfer.
    void paint(gui::Canvas& canvas) override;
    void notification(core::Component* component, core::Operation operation) override;

    int m_skinIndex = -1;

private:
    SkinData* m_skinData = nullptr;
    std::string m_skinDataName;
};

} // namespace skin
