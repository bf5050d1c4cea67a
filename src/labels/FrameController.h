#pragma once
// A non-visual component that holds one set of frame settings and pushes them to every control
// registered with it, so a whole form's controls can be framed alike.
#include "core/Color.h"
#include "core/Component.h"
#include "labels/LabelTypes.h"

#include <vector>

namespace labels {

class FrameController;
class SettingsStore;

// Controls that read a frame controller's settings themselves are only told that they changed.
class CustomFraming {
public:
    virtual ~CustomFraming() = default;
    virtual void customFramingChanged(FrameController& controller) = 0;
};

class FrameController : public core::Component {
public:
    explicit FrameController(core::Component* owner = nullptr);
    ~FrameController() override;

    const char* className() const override { return "TFrameController"; }

    core::Color color() const { return m_color; }
    core::Color disabledColor() const { return m_disabledColor; }
    core::Color flatButtonColor() const { return m_flatButtonColor; }
    bool flatButtons() const { return m_flatButtons; }
    core::Color focusColor() const { return m_focusColor; }
    core::Color frameColor() const { return m_frameColor; }
    core::Color frameHotColor() const { return m_frameHotColor; }
    FrameStyle frameHotStyle() const { return m_frameHotStyle; }
    bool frameHotTrack() const { return m_frameHotTrack; }
    Sides frameSides() const { return m_frameSides; }
    FrameStyle frameStyle() const { return m_frameStyle; }
    bool frameVisible() const { return m_frameVisible; }
    FramingPreference framingPreference() const { return m_framingPreference; }
    bool parentColor() const { return m_parentColor; }
    SettingsStore* regIniFile() const { return m_regIniFile; }

    // Setting Color also moves FocusColor along when it matched the old colour, and clears ParentColor.
    void setColor(core::Color value);
    void setDisabledColor(core::Color value);
    void setFlatButtonColor(core::Color value);
    void setFlatButtons(bool value);
    void setFocusColor(core::Color value);
    void setFrameColor(core::Color value);
    void setFrameHotColor(core::Color value);
    void setFrameHotStyle(FrameStyle value);
    // Turning hot tracking on makes the frame visible and, outside loading, puts it on all four sides.
    void setFrameHotTrack(bool value);
    void setFrameSides(Sides value);
    void setFrameStyle(FrameStyle value);
    void setFrameVisible(bool value);
    void setFramingPreference(FramingPreference value);
    // Turning ParentColor off gives the controls Color again.
    void setParentColor(bool value);
    void setRegIniFile(SettingsStore* store);

    // Registering applies every setting to the control at once; a control destroyed while registered
    // is dropped by itself.
    void addControl(core::Component* control);
    void removeControl(core::Component* control);
    int controlCount() const { return int(m_controls.size()); }

    // While updates are suspended, changes are not pushed; ending the last suspension pushes everything.
    void beginUpdate();
    void endUpdate();
    bool isUpdating() const { return m_updateCount > 0; }

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    void notification(core::Component* component, core::Operation operation) override;

private:
    // One bit per pushed setting, so a change pushes only what it touched.
    enum Setting : uint32_t {
        ParentColorSetting = 1u << 0,
        ColorSetting = 1u << 1,
        DisabledColorSetting = 1u << 2,
        FocusColorSetting = 1u << 3,
        FlatButtonColorSetting = 1u << 4,
        FlatButtonsSetting = 1u << 5,
        FrameColorSetting = 1u << 6,
        FrameHotColorSetting = 1u << 7,
        FrameHotTrackSetting = 1u << 8,
        FrameHotStyleSetting = 1u << 9,
        FrameSidesSetting = 1u << 10,
        FrameStyleSetting = 1u << 11,
        FrameVisibleSetting = 1u << 12,
        FramingPreferenceSetting = 1u << 13,
        AllSettings = (1u << 14) - 1,
    };

    void changed(uint32_t settings);
    void applyTo(core::Component* control, uint32_t settings);

    core::Color m_color = core::clWindow;
    core::Color m_disabledColor = core::clBtnFace;
    core::Color m_flatButtonColor = core::clBtnFace;
    bool m_flatButtons = true;
    core::Color m_focusColor = core::clWindow;
    core::Color m_frameColor = core::clBtnShadow;
    core::Color m_frameHotColor = core::clBtnShadow;
    FrameStyle m_frameHotStyle = FrameStyle::fsFlatBold;
    bool m_frameHotTrack = false;
    Sides m_frameSides = Sides::all();
    FrameStyle m_frameStyle = FrameStyle::fsFlat;
    bool m_frameVisible = false;
    FramingPreference m_framingPreference = FramingPreference::fpXPThemes;
    bool m_parentColor = false;
    SettingsStore* m_regIniFile = nullptr;

    std::vector<core::Component*> m_controls; // registered, not owned
    int m_updateCount = 0;
};

} // namespace labels
