#include "labels/FrameController.h"

#include "core/Error.h"
#include "core/Property.h"
#include "labels/LabelProperties.h"
#include "labels/SettingsStore.h"

#include <algorithm>

namespace labels {

FrameController::FrameController(core::Component* owner) : core::Component(owner) {}

FrameController::~FrameController() {
    // Registered controls hear of the end while the settings are still readable.
    beginDestroy();
}

void FrameController::setColor(core::Color value) {
    if (m_color == value)
        return;
    uint32_t settings = ColorSetting;
    if (m_focusColor == m_color) {
        m_focusColor = value;
        settings |= FocusColorSetting;
    }
    m_color = value;
    if (m_parentColor) {
        m_parentColor = false;
        settings |= ParentColorSetting;
    }
    changed(settings);
}

void FrameController::setDisabledColor(core::Color value) {
    if (m_disabledColor != value) {
        m_disabledColor = value;
        changed(DisabledColorSetting);
    }
}

void FrameController::setFlatButtonColor(core::Color value) {
    if (m_flatButtonColor != value) {
        m_flatButtonColor = value;
        changed(FlatButtonColorSetting);
    }
}

void FrameController::setFlatButtons(bool value) {
    if (m_flatButtons != value) {
        m_flatButtons = value;
        changed(FlatButtonsSetting);
    }
}

void FrameController::setFocusColor(core::Color value) {
    if (m_focusColor != value) {
        m_focusColor = value;
        changed(FocusColorSetting);
    }
}

void FrameController::setFrameColor(core::Color value) {
    if (m_frameColor != value) {
        m_frameColor = value;
        changed(FrameColorSetting);
    }
}

void FrameController::setFrameHotColor(core::Color value) {
    if (m_frameHotColor != value) {
        m_frameHotColor = value;
        changed(FrameHotColorSetting);
    }
}

void FrameController::setFrameHotStyle(FrameStyle value) {
    if (m_frameHotStyle != value) {
        m_frameHotStyle = value;
        changed(FrameHotStyleSetting);
    }
}

void FrameController::setFrameHotTrack(bool value) {
    if (m_frameHotTrack == value)
        return;
    m_frameHotTrack = value;
    uint32_t settings = FrameHotTrackSetting;
    if (value) {
        m_frameVisible = true;
        settings |= FrameVisibleSetting;
        if (!isLoading()) {
            m_frameSides = Sides::all();
            settings |= FrameSidesSetting;
        }
    }
    changed(settings);
}

void FrameController::setFrameSides(Sides value) {
    if (m_frameSides != value) {
        m_frameSides = value;
        changed(FrameSidesSetting);
    }
}

void FrameController::setFrameStyle(FrameStyle value) {
    if (m_frameStyle != value) {
        m_frameStyle = value;
        changed(FrameStyleSetting);
    }
}

void FrameController::setFrameVisible(bool value) {
    if (m_frameVisible != value) {
        m_frameVisible = value;
        changed(FrameVisibleSetting);
    }
}

void FrameController::setFramingPreference(FramingPreference value) {
    if (m_framingPreference != value) {
        m_framingPreference = value;
        changed(FramingPreferenceSetting);
    }
}

void FrameController::setParentColor(bool value) {
    if (m_parentColor == value)
        return;
    m_parentColor = value;
    changed(value ? ParentColorSetting : ParentColorSetting | ColorSetting);
}

void FrameController::setRegIniFile(SettingsStore* store) {
    if (m_regIniFile == store)
        return;
    m_regIniFile = store;
    if (store)
        freeNotification(store);
}

void FrameController::addControl(core::Component* control) {
    if (!control)
        return;
    if (std::find(m_controls.begin(), m_controls.end(), control) == m_controls.end()) {
        m_controls.push_back(control);
        freeNotification(control);
    }
    applyTo(control, AllSettings);
}

void FrameController::removeControl(core::Component* control) {
    // The free-notification link stays: it is shared with the control's own link to this controller,
    // and a stale one is harmless.
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), control), m_controls.end());
}

void FrameController::beginUpdate() {
    ++m_updateCount;
}

void FrameController::endUpdate() {
    if (m_updateCount == 0)
        return;
    if (--m_updateCount == 0)
        changed(AllSettings);
}

void FrameController::notification(core::Component* component, core::Operation operation) {
    core::Component::notification(component, operation);
    if (operation != core::Operation::Remove)
        return;
    if (component == m_regIniFile)
        m_regIniFile = nullptr;
    removeControl(component);
}

void FrameController::changed(uint32_t settings) {
    if (m_updateCount > 0)
        return;
    // A control may leave the list while it is being updated.
    std::vector<core::Component*> controls = m_controls;
    for (core::Component* control : controls)
        if (std::find(m_controls.begin(), m_controls.end(), control) != m_controls.end())
            applyTo(control, settings);
}

void FrameController::applyTo(core::Component* control, uint32_t settings) {
    if (auto* custom = dynamic_cast<CustomFraming*>(control)) {
        custom->customFramingChanged(*this);
        return;
    }
    // Other controls get each setting written to their property of the same name; properties they
    // do not publish, or publish with another type, are skipped.
    auto push = [&](uint32_t setting, core::PropertyReader reader) {
        if (!(settings & setting))
            return;
        try {
            control->setProperty(reader.propertyName(), reader);
        } catch (const core::Error&) {
        }
    };
    push(ParentColorSetting, makeBoolReader("ParentColor", m_parentColor));
    if (!m_parentColor)
        push(ColorSetting, makeColorReader("Color", m_color));
    push(DisabledColorSetting, makeColorReader("DisabledColor", m_disabledColor));
    push(FocusColorSetting, makeColorReader("FocusColor", m_focusColor));
    push(FlatButtonColorSetting, makeColorReader("FlatButtonColor", m_flatButtonColor));
    push(FlatButtonsSetting, makeBoolReader("FlatButtons", m_flatButtons));
    push(FrameColorSetting, makeColorReader("FrameColor", m_frameColor));
    push(FrameHotColorSetting, makeColorReader("FrameHotColor", m_frameHotColor));
    push(FrameHotTrackSetting, makeBoolReader("FrameHotTrack", m_frameHotTrack));
    push(FrameHotStyleSetting, makeIdentReader("FrameHotStyle", frameStyleName(m_frameHotStyle)));
    push(FrameSidesSetting, makeSidesReader("FrameSides", m_frameSides));
    push(FrameStyleSetting, makeIdentReader("FrameStyle", frameStyleName(m_frameStyle)));
    push(FrameVisibleSetting, makeBoolReader("FrameVisible", m_frameVisible));
    push(FramingPreferenceSetting,
         makeIdentReader("FramingPreference", framingPreferenceName(m_framingPreference)));
}

namespace {

// TFrameStyle has no fsFlatRounded.
FrameStyle readFrameStyle(const core::PropertyReader& value) {
    FrameStyleEx style = readEnum(value, frameStyleFromName);
    if (style == FrameStyleEx::fsFlatRounded)
        value.fail("'" + value.asIdent() + "' is not a valid value");
    return style;
}

} // namespace

bool FrameController::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Color")
        setColor(value.asColor());
    else if (name == "DisabledColor")
        setDisabledColor(value.asColor());
    else if (name == "FlatButtonColor")
        setFlatButtonColor(value.asColor());
    else if (name == "FlatButtons")
        setFlatButtons(value.asBool());
    else if (name == "FocusColor")
        setFocusColor(value.asColor());
    else if (name == "FrameColor")
        setFrameColor(value.asColor());
    else if (name == "FrameHotColor")
        setFrameHotColor(value.asColor());
    else if (name == "FrameHotStyle" || name == "FrameFocusStyle") // the older name of the same setting
        setFrameHotStyle(readFrameStyle(value));
    else if (name == "FrameHotTrack")
        setFrameHotTrack(value.asBool());
    else if (name == "FrameSides")
        setFrameSides(readSides(value));
    else if (name == "FrameStyle")
        setFrameStyle(readFrameStyle(value));
    else if (name == "FrameVisible")
        setFrameVisible(value.asBool());
    else if (name == "FramingPreference")
        setFramingPreference(readEnum(value, framingPreferenceFromName));
    else if (name == "ParentColor")
        setParentColor(value.asBool());
    else if (name == "RegIniFile") {
        value.resolveReference([this, property = value.propertyName()](core::Component* c) {
            auto* store = dynamic_cast<SettingsStore*>(c);
            if (c && !store)
                throw core::Error("Property " + property + ": '" + c->name() + "' is not a TSettingsStore");
            setRegIniFile(store);
        });
    } else if (name == "FrameFlat") {
        // Older layouts: a flat frame meant hot tracking with a status frame that lowers when hot.
        if (value.asBool()) {
            setFrameHotTrack(true);
            setFrameStyle(FrameStyle::fsStatus);
            setFrameHotStyle(FrameStyle::fsLowered);
        }
    } else if (name == "FrameFlatStyle") {
        (void)value.asIdent(); // older layouts; no longer has a meaning
    } else {
        return core::Component::setProperty(name, value);
    }
    return true;
}

void FrameController::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    if (m_color != core::clWindow)
        out.writeColor("Color", m_color);
    if (m_disabledColor != core::clBtnFace)
        out.writeColor("DisabledColor", m_disabledColor);
    if (m_flatButtonColor != core::clBtnFace)
        out.writeColor("FlatButtonColor", m_flatButtonColor);
    if (!m_flatButtons)
        out.writeBool("FlatButtons", m_flatButtons);
    if (m_focusColor != core::clWindow)
        out.writeColor("FocusColor", m_focusColor);
    if (m_frameColor != core::clBtnShadow)
        out.writeColor("FrameColor", m_frameColor);
    if (m_frameHotColor != core::clBtnShadow)
        out.writeColor("FrameHotColor", m_frameHotColor);
    if (m_frameHotStyle != FrameStyle::fsFlatBold)
        out.writeIdent("FrameHotStyle", std::string(frameStyleName(m_frameHotStyle)));
    if (m_frameHotTrack)
        out.writeBool("FrameHotTrack", m_frameHotTrack);
    if (m_frameSides != Sides::all())
        writeSides(out, "FrameSides", m_frameSides);
    if (m_frameStyle != FrameStyle::fsFlat)
        out.writeIdent("FrameStyle", std::string(frameStyleName(m_frameStyle)));
    if (m_frameVisible)
        out.writeBool("FrameVisible", m_frameVisible);
    if (m_framingPreference != FramingPreference::fpXPThemes)
        out.writeIdent("FramingPreference", std::string(framingPreferenceName(m_framingPreference)));
    if (m_parentColor)
        out.writeBool("ParentColor", m_parentColor);
    out.writeReference("RegIniFile", m_regIniFile);
}

} // namespace labels
