#pragma once
// The optional string table of skinned windows: "KEY=text" lines for system menu captions, caption
// button hints and dialog texts, and the character set their fonts take. The store announces a
// newly assigned table to every window; replacing the lines is not announced.
#include "core/Component.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

class ResourceStrData : public core::Component {
public:
    // The platform's DEFAULT_CHARSET.
    static constexpr uint8_t defaultCharSet = 1;

    explicit ResourceStrData(core::Component* owner = nullptr);

    const char* className() const override { return "TResourceStrData"; }

    const std::vector<std::string>& resStrings() const { return m_resStrings; }
    void setResStrings(std::vector<std::string> lines) { m_resStrings = std::move(lines); }

    uint8_t charSet() const { return m_charSet; }
    void setCharSet(uint8_t charSet) { m_charSet = charSet; }

    // The text after the first "=" of the first line whose key (before that "=") equals key
    // regardless of case; "" when no line matches.
    std::string lookUpString(std::string_view key) const;

    // The 115 lines a new table starts with, in order.
    static const std::vector<std::string>& defaultStrings();

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

private:
    std::vector<std::string> m_resStrings;
    uint8_t m_charSet = defaultCharSet;
};

} // namespace skin
