#pragma once
// A styled label turned into a hyperlink: underlined, with the hand cursor, it opens its URL (or its
// caption when the URL is blank) through the shell when clicked, and then shows itself as visited.
#include "labels/win32/StyledLabel.h"

#include <string>

namespace labels {

class URLLabel : public StyledLabel {
public:
    explicit URLLabel(core::Component* owner = nullptr);

    const char* className() const override { return "TURLLabel"; }

    const std::string& url() const { return m_url; }
    void setUrl(const std::string& url) { m_url = url; }
    bool isVisited() const { return m_visited; }
    void setVisited(bool value);
    core::Color unvisitedColor() const { return m_unvisitedColor; }
    void setUnvisitedColor(core::Color value);
    core::Color visitedColor() const { return m_visitedColor; }
    void setVisitedColor(core::Color value);

    // Font colour := the visited or the unvisited colour.
    virtual void applyLinkColor();

    bool setProperty(const std::string& name, core::PropertyReader& value) override;
    void writeProperties(core::PropertyWriter& out) const override;

protected:
    // After the click event: opens the target; success marks the label visited.
    void click() override;
    // Hands the target to the shell; true when it was opened. Tests replace it.
    virtual bool openTarget(const std::string& target);
    // After a failed open of a web page: lets the user choose a program for web pages.
    virtual void offerWebPageProgram();

private:
    void linkColorChanged();

    std::string m_url;
    bool m_visited = false;
    core::Color m_unvisitedColor = core::clHighlight;
    core::Color m_visitedColor = clPurple;
};

} // namespace labels
