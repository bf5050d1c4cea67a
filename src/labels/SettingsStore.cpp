#include "labels/SettingsStore.h"

#include "core/Property.h"
#include "labels/LabelProperties.h"

#include <array>

namespace labels {

namespace {

constexpr std::array<const char*, 6> accessNames = {
    "keyQueryValue", "keySetValue", "keyCreateSubKey", "keyEnumerateSubKeys", "keyNotify", "keyCreateLink",
};

} // namespace

void SettingsStore::setPath(const std::string& value) {
    if (m_path != value) {
        m_path = value;
        m_needsReopen = true;
    }
}

void SettingsStore::setPathType(SettingsPathType value) {
    if (m_pathType != value) {
        m_pathType = value;
        m_needsReopen = true;
    }
}

void SettingsStore::setRegKey(SettingsRegKey value) {
    if (m_regKey != value) {
        m_regKey = value;
        m_needsReopen = true;
    }
}

void SettingsStore::setRegAccess(uint8_t value) {
    value &= allAccess;
    if (m_regAccess != value) {
        m_regAccess = value;
        m_needsReopen = true;
    }
}

bool SettingsStore::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "Path") {
        setPath(value.asString());
    } else if (name == "PathType") {
        setPathType(readEnum(value, settingsPathTypeFromName));
    } else if (name == "RegKey") {
        setRegKey(readEnum(value, settingsRegKeyFromName));
    } else if (name == "RegAccess") {
        uint8_t access = 0;
        for (const std::string& right : value.asSet()) {
            size_t i = 0;
            while (i < accessNames.size() && right != accessNames[i])
                ++i;
            if (i == accessNames.size())
                value.fail("'" + right + "' is not a valid value");
            access |= uint8_t(1u << i);
        }
        setRegAccess(access);
    } else {
        return core::Component::setProperty(name, value);
    }
    return true;
}

void SettingsStore::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    if (!m_path.empty())
        out.writeString("Path", m_path);
    if (m_pathType != SettingsPathType::ptIniFile)
        out.writeIdent("PathType", std::string(settingsPathTypeName(m_pathType)));
    if (m_regKey != SettingsRegKey::hkeyCurrentUser)
        out.writeIdent("RegKey", std::string(settingsRegKeyName(m_regKey)));
    if (m_regAccess != allAccess) {
        std::vector<std::string> names;
        for (size_t i = 0; i < accessNames.size(); ++i)
            if (m_regAccess & (1u << i))
                names.emplace_back(accessNames[i]);
        out.writeSet("RegAccess", names);
    }
}

} // namespace labels
