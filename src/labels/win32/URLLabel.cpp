#include "labels/win32/URLLabel.h"

#include "core/Property.h"
#include "core/Utf8.h"
#include "labels/LinkTarget.h"
#include "labels/win32/LabelCursors.h"

#include <shellapi.h>

namespace labels {

URLLabel::URLLabel(core::Component* owner) : StyledLabel(owner) {
    registerHandCursor();
    setCursor(crHandCursor);
    setTextStyle(TextStyle::tsNormal);
    font().setColor(core::clHighlight);
    font().setStyle(gui::FontStyle::fsUnderline);
}

void URLLabel::linkColorChanged() {
    // A stored font colour stands while a layout is read.
    if (!isLoading())
        applyLinkColor();
    invalidate();
}

void URLLabel::setVisited(bool value) {
    if (m_visited != value) {
        m_visited = value;
        linkColorChanged();
    }
}

void URLLabel::setUnvisitedColor(core::Color value) {
    if (m_unvisitedColor != value) {
        m_unvisitedColor = value;
        linkColorChanged();
    }
}

void URLLabel::setVisitedColor(core::Color value) {
    if (m_visitedColor != value) {
        m_visitedColor = value;
        linkColorChanged();
    }
}

void URLLabel::applyLinkColor() {
    const core::Color link = m_visited ? m_visitedColor : m_unvisitedColor;
    font().setColor(link);
    // Under the mouse with the fly-by colour, the link colour is what leaving must bring back;
    // otherwise a link clicked while hovered would show as unvisited again once the mouse left.
    if (isFlyByShowing())
        setFlyBySavedColor(link);
}

void URLLabel::click() {
    StyledLabel::click();
    const std::string target = linkTarget(m_url, caption());
    if (target.empty())
        return;
    if (openTarget(target))
        setVisited(true);
    else if (isWebPageTarget(target))
        offerWebPageProgram();
}

bool URLLabel::openTarget(const std::string& target) {
    std::wstring file = core::utf8ToWide(target);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_FLAG_DDEWAIT | SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = nullptr;
    info.lpVerb = L"Open";
    info.lpFile = file.c_str();
    info.lpParameters = nullptr;
    info.lpDirectory = nullptr;
    info.nShow = SW_SHOWNORMAL;
    const bool opened = ShellExecuteExW(&info) != FALSE;
    if (info.hProcess)
        CloseHandle(info.hProcess);
    return opened;
}

void URLLabel::offerWebPageProgram() {
    WinExec("RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", SW_SHOWNORMAL);
}

bool URLLabel::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == "URL")
        setUrl(value.asString());
    else if (name == "UnvisitedColor")
        setUnvisitedColor(value.asColor());
    else if (name == "Visited")
        setVisited(value.asBool());
    else if (name == "VisitedColor")
        setVisitedColor(value.asColor());
    else
        return StyledLabel::setProperty(name, value);
    return true;
}

void URLLabel::writeProperties(core::PropertyWriter& out) const {
    StyledLabel::writeProperties(out);
    if (!m_url.empty())
        out.writeString("URL", m_url);
    if (m_unvisitedColor != core::clHighlight)
        out.writeColor("UnvisitedColor", m_unvisitedColor);
    if (m_visited)
        out.writeBool("Visited", true);
    if (m_visitedColor != clPurple)
        out.writeColor("VisitedColor", m_visitedColor);
}

} // namespace labels
