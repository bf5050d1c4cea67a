#pragma once
// Classes in this file: FrameStyleEx, Side, Sides, FramingPreference, SettingsPathType, SettingsRegKey,
// Rotation, TextStyle, CenterPoint, CondenseCaption — the enumerations the label components share,
// with their layout names.
#include "core/Color.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace labels {

// Frame styles a label or a frame controller can draw, in their stored order (0..11).
enum class FrameStyleEx : uint8_t {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
    fsFlatBold,
    fsFlatRounded,
};
// The frame controller's styles: every style but fsFlatRounded.
using FrameStyle = FrameStyleEx;

enum class Side : uint8_t { sdLeft, sdTop, sdRight, sdBottom };

// A set of sides as a 4-bit mask: left 1, top 2, right 4, bottom 8.
class Sides {
public:
    constexpr Sides() = default;
    constexpr Sides(std::initializer_list<Side> sides) {
        for (Side s : sides)
            m_mask |= bit(s);
    }
    static constexpr Sides all() { return fromMask(0x0F); }
    static constexpr Sides fromMask(uint8_t mask) {
        Sides s;
        s.m_mask = mask & 0x0F;
        return s;
    }

    constexpr uint8_t mask() const { return m_mask; }
    constexpr bool has(Side s) const { return (m_mask & bit(s)) != 0; }
    constexpr bool isEmpty() const { return m_mask == 0; }
    constexpr Sides with(Side s) const { return fromMask(m_mask | bit(s)); }
    constexpr Sides without(Side s) const { return fromMask(m_mask & ~bit(s)); }
    friend constexpr bool operator==(Sides, Sides) = default;

private:
    static constexpr uint8_t bit(Side s) { return uint8_t(1u << unsigned(s)); }
    uint8_t m_mask = 0;
};

enum class FramingPreference : uint8_t { fpCustomFraming, fpXPThemes };
enum class SettingsPathType : uint8_t { ptIniFile, ptRegistry };
enum class SettingsRegKey : uint8_t {
    hkeyClassesRoot,
    hkeyCurrentUser,
    hkeyLocalMachine,
    hkeyUsers,
    hkeyPerformanceData,
    hkeyCurrentConfig,
    hkeyDynData,
};

// How a styled label lays its caption out: straight, rotated as one string, or along an arc.
enum class Rotation : uint8_t { roNone, roFlat, roCurve };
enum class TextStyle : uint8_t { tsNormal, tsRaised, tsRecessed, tsShadow };
// Anchor point of arc text.
enum class CenterPoint : uint8_t {
    cpUpperLeft,
    cpUpperCenter,
    cpUpperRight,
    cpLeftCenter,
    cpCenter,
    cpRightCenter,
    cpLowerLeft,
    cpLowerCenter,
    cpLowerRight,
};
// Shortening of an over-long caption: none, an ellipsis at the end, or inside a path.
enum class CondenseCaption : uint8_t { ccNone, ccAtEnd, ccWithinPath };

// clPurple of the framework's colour names.
constexpr core::Color clPurple = core::rgb(128, 0, 128);

// Layout names of the enumerators; the parsers compare exactly and return nothing for unknown names.
std::string_view frameStyleName(FrameStyleEx style);
std::optional<FrameStyleEx> frameStyleFromName(std::string_view name);
std::string_view sideName(Side side);
std::optional<Side> sideFromName(std::string_view name);
std::string_view framingPreferenceName(FramingPreference value);
std::optional<FramingPreference> framingPreferenceFromName(std::string_view name);
std::string_view settingsPathTypeName(SettingsPathType value);
std::optional<SettingsPathType> settingsPathTypeFromName(std::string_view name);
std::string_view settingsRegKeyName(SettingsRegKey value);
std::optional<SettingsRegKey> settingsRegKeyFromName(std::string_view name);
std::string_view rotationName(Rotation value);
std::optional<Rotation> rotationFromName(std::string_view name);
std::string_view textStyleName(TextStyle value);
std::optional<TextStyle> textStyleFromName(std::string_view name);
std::string_view centerPointName(CenterPoint value);
std::optional<CenterPoint> centerPointFromName(std::string_view name);
std::string_view condenseCaptionName(CondenseCaption value);
std::optional<CondenseCaption> condenseCaptionFromName(std::string_view name);

} // namespace labels
