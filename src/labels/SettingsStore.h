#pragma once
// Describes where settings would be kept: an ini file or a registry key. Controls and frame
// controllers can refer to one; this system itself stores no settings through it.
#include "core/Component.h"
#include "labels/LabelTypes.h"

#include <string>

namespace labels {

class SettingsStore : public core::Component {
public:
    // The registry access rights of a key, as a set.
    enum AccessRight : uint8_t {
        keyQueryValue = 1 << 0,
        keySetValue = 1 << 1,
        keyCreateSubKey = 1 << 2,
        keyEnumerateSubKeys = 1 << 3,
        keyNotify = 1 << 4,
        keyCreateLink = 1 << 5,
    };
    static constexpr uint8_t allAccess = 0x3F;

    explicit SettingsStore(core::Component* owner = nullptr) : core::Component(owner) {}

    const char* className() const override { return "TSettingsStore"; }

    const std::string& path() const { return m_path; }
    SettingsPathType pathType() const { return m_pathType; }
    SettingsRegKey regKey() const { return m_regKey; }
    uint8_t regAccess() const { return m_regAccess; }
    void setPath(const std::string& value);
    void setPathType(SettingsPathType value);
    void setRegKey(SettingsRegKey value);
    void setRegAccess(uint8_t value);

    // Set when a setting changed since the store was last opened.
    bool needsReopen() const { return m_needsReopen; }
    void markOpened() { m_needsReopen = false; }

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

private:
    std::string m_path;
    SettingsPathType m_pathType = SettingsPathType::ptIniFile;
    SettingsRegKey m_regKey = SettingsRegKey::hkeyCurrentUser;
    uint8_t m_regAccess = allAccess;
    bool m_needsReopen = true;
};

} // namespace labels
