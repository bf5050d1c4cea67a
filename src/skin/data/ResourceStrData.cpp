#include "skin/data/ResourceStrData.h"

#include "core/Property.h"
#include "core/Utf8.h"

namespace skin {

namespace {
// A list of lines is stored as the "Strings" of the property, as layouts write string lists.
constexpr const char* resStringsProperty = "ResStrings.Strings";
} // namespace

ResourceStrData::ResourceStrData(core::Component* owner)
    : core::Component(owner), m_resStrings(defaultStrings()) {}

std::string ResourceStrData::lookUpString(std::string_view key) const {
    const std::string wanted = core::utf8ToUpper(key);
    for (const std::string& line : m_resStrings) {
        const size_t eq = line.find('=');
        // A line without "=" has no key and never answers.
        if (eq == std::string::npos)
            continue;
        if (core::utf8ToUpper(std::string_view(line).substr(0, eq)) == wanted)
            return line.substr(eq + 1);
    }
    return {};
}

bool ResourceStrData::setProperty(const std::string& name, core::PropertyReader& value) {
    if (name == resStringsProperty) {
        setResStrings(value.asStrings());
        return true;
    }
    if (name == "CharSet") {
        const int charSet = value.asCharset();
        if (charSet < 0 || charSet > 255)
            value.fail("Invalid property value");
        m_charSet = uint8_t(charSet);
        return true;
    }
    return core::Component::setProperty(name, value);
}

void ResourceStrData::writeProperties(core::PropertyWriter& out) const {
    core::Component::writeProperties(out);
    // The lines a new table starts with are not stored; any other list is, even an empty one.
    if (m_resStrings != defaultStrings())
        out.writeStrings(resStringsProperty, m_resStrings);
    out.writeCharset("CharSet", m_charSet);
}

const std::vector<std::string>& ResourceStrData::defaultStrings() {
    // "&" marks the accelerator letter.
    static const std::vector<std::string> lines = {
        "MI_MINCAPTION=Mi&nimize",
        "MI_MAXCAPTION=Ma&ximize",
        "MI_CLOSECAPTION=&Close",
        "MI_RESTORECAPTION=&Restore",
        "MI_MINTOTRAYCAPTION=Minimize to &Tray",
        "MI_ROLLUPCAPTION=Ro&llUp",
        "MINBUTTON_HINT=Minimize",
        "MAXBUTTON_HINT=Maximize",
        "CLOSEBUTTON_HINT=Close",
        "TRAYBUTTON_HINT=Minimize to Tray",
        "ROLLUPBUTTON_HINT=Roll Up",
        "MENUBUTTON_HINT=System menu",
        "EDIT_UNDO=Undo",
        "EDIT_COPY=Copy",
        "EDIT_CUT=Cut",
        "EDIT_PASTE=Paste",
        "EDIT_DELETE=Delete",
        "EDIT_SELECTALL=Select All",
        "MSG_BTN_YES=&Yes",
        "MSG_BTN_NO=&No",
        "MSG_BTN_OK=OK",
        "MSG_BTN_CANCEL=Cancel",
        "MSG_BTN_ABORT=&Abort",
        "MSG_BTN_RETRY=&Retry",
        "MSG_BTN_IGNORE=&Ignore",
        "MSG_BTN_ALL=&All",
        "MSG_BTN_NOTOALL=N&o to All",
        "MSG_BTN_YESTOALL=Yes to &All",
        "MSG_BTN_HELP=&Help",
        "MSG_BTN_OPEN=&Open",
        "MSG_BTN_SAVE=&Save",
        "MSG_BTN_CLOSE=Close",
        "MSG_BTN_BACK_HINT=Go to last folder visited",
        "MSG_BTN_UP_HINT=Up one level",
        "MSG_BTN_NEWFOLDER_HINT=Create new folder",
        "MSG_BTN_VIEWMENU_HINT=View menu",
        "MSG_BTN_STRETCH_HINT=Stretch picture",
        "MSG_FILENAME=File name:",
        "MSG_FILETYPE=File type:",
        "MSG_NEWFOLDER=New Folder",
        "MSG_LV_DETAILS=Details",
        "MSG_LV_ICON=Large icons",
        "MSG_LV_SMALLICON=Small icons",
        "MSG_LV_LIST=List",
        "MSG_PREVIEWSKIN=Skin preview",
        "MSG_PREVIEWBUTTON=Button",
        "MSG_CAP_WARNING=Warning",
        "MSG_CAP_ERROR=Error",
        "MSG_CAP_INFORMATION=Information",
        "MSG_CAP_CONFIRM=Confirm",
        "CALC_CAP=Calculator",
        "ERROR=Error",
        "COLORGRID_CAP=Basic colors",
        "CUSTOMCOLORGRID_CAP=Custom colors",
        "ADDCUSTOMCOLORBUTTON_CAP=Add to Custom Colors",
        "FONTDLG_COLOR=Color:",
        "FONTDLG_NAME=Name:",
        "FONTDLG_SIZE=Size:",
        "FONTDLG_HEIGHT=Height:",
        "FONTDLG_EXAMPLE=Example",
        "FONTDLG_STYLE=Style:",
        "FONTDLG_SCRIPT=Script:",
        "DB_DELETE_QUESTION=Delete record?",
        "DB_MULTIPLEDELETE_QUESTION=Delete all selected records?",
        "NODISKINDRIVE=There is no disk in Drive or Drive is not ready",
        "NOVALIDDRIVEID=Not a valid Drive ID",
        "FLV_NAME=Name",
        "FLV_SIZE=Size",
        "FLV_TYPE=Type",
        "FLV_LOOKIN=Look in:",
        "FLV_MODIFIED=Modified",
        "FLV_ATTRIBUTES=Attributes",
        "FLV_DISKSIZE=Disk size",
        "FLV_FREESPACE=Free space",
        "PRNDLG_NAME=Name:",
        "PRNDLG_PRINTER=Printer",
        "PRNDLG_PROPERTIES=Properties...",
        "PRNDLG_TYPE=Type:",
        "PRNDLG_STATUS=Status:",
        "PRNDLG_WHERE=Where:",
        "PRNDLG_COMMENT=Comment:",
        "PRNDLG_PRINTRANGE=Print range",
        "PRNDLG_COPIES=Copies",
        "PRNDLG_NUMCOPIES=Number of copies:",
        "PRNDLG_COLLATE=Collate",
        "PRNDLG_ALL=All",
        "PRNDLG_PAGES=Pages",
        "PRNDLG_SELECTION=Selection",
        "PRNDLG_PRINTTOFILE=Print to file",
        "PRNDLG_FROM=from:",
        "PRNDLG_TO=to:",
        "PRNDLG_ORIENTATION=Orientation",
        "PRNDLG_PAPER=Paper",
        "PRNDLG_PORTRAIT=Portrait",
        "PRNDLG_LANDSCAPE=Landscape",
        "PRNDLG_SOURCE=Source:",
        "PRNDLG_SIZE=Size:",
        "PRNDLG_MARGINS=Margins (millimeters)",
        "PRNDLG_MARGINS_INCHES=Margins (inches)",
        "PRNDLG_LEFT=Left:",
        "PRNDLG_RIGHT=Right:",
        "PRNDLG_TOP=Top:",
        "PRNDLG_BOTTOM=Bottom:",
        "PRNDLG_WARNING=There are no printers in your system!",
        "FIND_NEXT=Find Next",
        "FIND_WHAT=Find what:",
        "FIND_DIRECTION=Direction",
        "FIND_DIRECTIONUP=Up",
        "FIND_DIRECTIONDOWN=Down",
        "FIND_MATCH_CASE=Match case",
        "FIND_MATCH_WHOLE_WORD_ONLY=Match whole word only",
        "FIND_REPLACE_WITH=Replace with:",
        "FIND_REPLACE=Replace",
        "FIND_REPLACE_All=Replace All",
        "FIND_REPLACE_CLOSE=Close",
    };
    return lines;
}

} // namespace skin
