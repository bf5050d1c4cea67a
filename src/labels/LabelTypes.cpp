#include "labels/LabelTypes.h"

#include <array>

namespace labels {

namespace {

// Names in declaration order, so that the index is the enumerator's value.
constexpr std::array<std::string_view, 12> frameStyleNames = {
    "fsNone",   "fsFlat",     "fsGroove", "fsBump",  "fsLowered",  "fsButtonDown",
    "fsRaised", "fsButtonUp", "fsStatus", "fsPopup", "fsFlatBold", "fsFlatRounded",
};
constexpr std::array<std::string_view, 4> sideNames = {"sdLeft", "sdTop", "sdRight", "sdBottom"};
constexpr std::array<std::string_view, 2> framingPreferenceNames = {"fpCustomFraming", "fpXPThemes"};
constexpr std::array<std::string_view, 2> settingsPathTypeNames = {"ptIniFile", "ptRegistry"};
constexpr std::array<std::string_view, 7> settingsRegKeyNames = {
    "hkeyClassesRoot",     "hkeyCurrentUser",   "hkeyLocalMachine", "hkeyUsers",
    "hkeyPerformanceData", "hkeyCurrentConfig", "hkeyDynData",
};
constexpr std::array<std::string_view, 3> rotationNames = {"roNone", "roFlat", "roCurve"};
constexpr std::array<std::string_view, 4> textStyleNames = {"tsNormal", "tsRaised", "tsRecessed", "tsShadow"};
constexpr std::array<std::string_view, 9> centerPointNames = {
    "cpUpperLeft",   "cpUpperCenter", "cpUpperRight",  "cpLeftCenter", "cpCenter",
    "cpRightCenter", "cpLowerLeft",   "cpLowerCenter", "cpLowerRight",
};
constexpr std::array<std::string_view, 3> condenseCaptionNames = {"ccNone", "ccAtEnd", "ccWithinPath"};

template <typename Enum, size_t N>
std::optional<Enum> lookup(const std::array<std::string_view, N>& names, std::string_view name) {
    for (size_t i = 0; i < N; ++i)
        if (names[i] == name)
            return Enum(i);
    return std::nullopt;
}

template <typename Enum, size_t N>
std::string_view nameOf(const std::array<std::string_view, N>& names, Enum value) {
    size_t i = size_t(value);
    return i < N ? names[i] : std::string_view();
}

} // namespace

#define LABELS_ENUM_NAMES(Enum, fn, table)                                                                   \
    std::string_view fn##Name(Enum value) {                                                                  \
        return nameOf(table, value);                                                                         \
    }                                                                                                        \
    std::optional<Enum> fn##FromName(std::string_view name) {                                                \
        return lookup<Enum>(table, name);                                                                    \
    }

LABELS_ENUM_NAMES(FrameStyleEx, frameStyle, frameStyleNames)
LABELS_ENUM_NAMES(Side, side, sideNames)
LABELS_ENUM_NAMES(FramingPreference, framingPreference, framingPreferenceNames)
LABELS_ENUM_NAMES(SettingsPathType, settingsPathType, settingsPathTypeNames)
LABELS_ENUM_NAMES(SettingsRegKey, settingsRegKey, settingsRegKeyNames)
LABELS_ENUM_NAMES(Rotation, rotation, rotationNames)
LABELS_ENUM_NAMES(TextStyle, textStyle, textStyleNames)
LABELS_ENUM_NAMES(CenterPoint, centerPoint, centerPointNames)
LABELS_ENUM_NAMES(CondenseCaption, condenseCaption, condenseCaptionNames)

#undef LABELS_ENUM_NAMES

} // namespace labels
