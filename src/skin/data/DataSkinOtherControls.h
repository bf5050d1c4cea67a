#pragma once
// Classes in this file: DataSkinExPanelControl, DataSkinCheckRadioControl, DataSkinGaugeControl,
// DataSkinSplitterControl, DataSkinTrackBarControl, DataSkinUpDownControl, DataSkinControlBar,
// DataSkinEditControl, DataSkinMemoControl, DataSkinListBox, DataSkinCheckListBox, DataSkinComboBox,
// DataSkinScrollBarControl, DataSkinSpinEditControl, DataSkinScrollBoxControl, DataSkinViewControl
// (DataSkinTreeView, DataSkinListView, DataSkinRichEdit), DataSkinSlider, DataSkinMainMenuBar,
// DataSkinTabControl, DataSkinGridControl — control records for kinds that a skin may describe but
// that no control of this system draws yet. Which of their rects are relative to skinRect is for
// such a control to say.
#include "skin/data/DataSkinControl.h"

namespace skin {

// A panel that rolls up horizontally or vertically, with its own caption buttons.
class DataSkinExPanelControl : public DataSkinCustomControl, public SkinFontFields {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "expanel"; }

    core::Rect rollHSkinRect;
    core::Rect rollVSkinRect;
    int32_t rollLeftOffset = 0;
    int32_t rollRightOffset = 0;
    int32_t rollTopOffset = 0;
    int32_t rollBottomOffset = 0;
    core::Rect rollVCaptionRect;
    core::Rect rollHCaptionRect;
    core::Rect closeButtonRect;
    core::Rect closeButtonActiveRect;
    core::Rect closeButtonDownRect;
    core::Rect hRollButtonRect;
    core::Rect hRollButtonActiveRect;
    core::Rect hRollButtonDownRect;
    core::Rect hRestoreButtonRect;
    core::Rect hRestoreButtonActiveRect;
    core::Rect hRestoreButtonDownRect;
    core::Rect vRollButtonRect;
    core::Rect vRollButtonActiveRect;
    core::Rect vRollButtonDownRect;
    core::Rect vRestoreButtonRect;
    core::Rect vRestoreButtonActiveRect;
    core::Rect vRestoreButtonDownRect;
    core::Rect captionRect;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinCheckRadioControl : public DataSkinCustomControl, public SkinFontFields {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "checkradio"; }

    core::Color activeFontColor = 0;
    core::Color unenabledFontColor = 0;
    core::Color frameFontColor = 0;
    core::Rect activeSkinRect;
    core::Rect checkImageArea;
    core::Rect textArea;
    core::Rect checkImageRect;
    core::Rect uncheckImageRect;
    core::Rect activeCheckImageRect;
    core::Rect activeUncheckImageRect;
    core::Rect unenabledCheckImageRect;
    core::Rect unenabledUncheckImageRect;
    bool morphing = false;
    MorphKind morphKind = MorphKind::mkDefault;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinGaugeControl : public DataSkinCustomControl, public SkinFontFields {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "gauge"; }

    core::Rect progressArea;
    core::Rect progressRect;
    int32_t beginOffset = 0;
    int32_t endOffset = 0;
    bool vertical = false;
    bool progressTransparent = false;
    core::Color progressTransparentColor = 0;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinSplitterControl : public DataSkinCustomControl {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "splitter"; }
};

class DataSkinTrackBarControl : public DataSkinCustomControl {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "trackbar"; }

    core::Rect trackArea;
    core::Rect buttonRect;
    core::Rect activeButtonRect;
    bool vertical = false;
    bool buttonTransparent = false;
    core::Color buttonTransparentColor = 0;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinUpDownControl : public DataSkinCustomControl, public SkinUpDownButtonRects {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "updown"; }

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinControlBar : public DataSkinCustomControl {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "controlbar"; }

    core::Rect itemRect;
    int32_t bgPictureIndex = -1;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinEditControl : public DataSkinCustomControl, public SkinFontFields, public SkinButtonRects {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "edit"; }

    core::Rect activeSkinRect;
    core::Color disabledFontColor = 0;
    core::Color activeFontColor = 0;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinMemoControl : public DataSkinEditControl {
public:
    using DataSkinEditControl::DataSkinEditControl;
    const char* kind() const override { return "memo"; }

    core::Color bgColor = 0;
    core::Color activeBgColor = 0;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinListBox : public DataSkinCustomControl,
                        public SkinFontFields,
                        public SkinUpDownButtonRects,
                        public SkinItemOffsets {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "listbox"; }

    core::Rect itemRect;
    core::Rect activeItemRect;
    core::Rect focusItemRect;
    core::Rect itemTextRect;
    core::Color activeFontColor = 0;
    core::Color focusFontColor = 0;
    core::Rect captionRect;
    std::string captionFontName = "Arial";
    int32_t captionFontHeight = 14;
    FontStyles captionFontStyle;
    core::Color captionFontColor = 0;
    core::Rect checkButtonRect;
    core::Rect activeCheckButtonRect;
    core::Rect downCheckButtonRect;
    // idNames of the scroll bar records.
    std::string vScrollBarName = "vscrollbar";
    std::string hScrollBarName = "hscrollbar";
    std::string bothHScrollBarName = "bothhscrollbar";

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinCheckListBox : public DataSkinListBox {
public:
    using DataSkinListBox::DataSkinListBox;
    const char* kind() const override { return "checklistbox"; }

    core::Rect itemCheckRect;
    core::Rect checkImageRect;
    core::Rect uncheckImageRect;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinComboBox : public DataSkinCustomControl,
                         public SkinFontFields,
                         public SkinButtonRects,
                         public SkinItemOffsets {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "combobox"; }

    core::Rect itemRect;
    core::Rect focusItemRect;
    core::Rect itemTextRect;
    core::Color focusFontColor = 0;
    std::string listBoxName; // idName of the drop-down list's record

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinScrollBarControl : public DataSkinCustomControl, public SkinUpDownButtonRects {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "scrollbar"; }

    core::Rect trackArea;
    core::Rect thumbRect;
    core::Rect activeThumbRect;
    core::Rect downThumbRect;
    int32_t thumbOffset1 = 0;
    int32_t thumbOffset2 = 0;
    bool thumbTransparent = false;
    core::Color thumbTransparentColor = 0;
    core::Rect glyphRect;
    core::Rect activeGlyphRect;
    core::Rect downGlyphRect;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinSpinEditControl : public DataSkinCustomControl,
                                public SkinFontFields,
                                public SkinUpDownButtonRects {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "spinedit"; }

    core::Rect activeSkinRect;
    core::Color activeFontColor = 0;
    core::Color disabledFontColor = 0;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinScrollBoxControl : public DataSkinCustomControl {
public:
    using DataSkinCustomControl::DataSkinCustomControl;
    const char* kind() const override { return "scrollbox"; }

    int32_t bgPictureIndex = -1;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

// A control that takes only its font and background colour from the skin.
class DataSkinViewControl : public DataSkinControl, public SkinFontFields {
public:
    using DataSkinControl::DataSkinControl;

    core::Color bgColor = 0;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinTreeView : public DataSkinViewControl {
public:
    using DataSkinViewControl::DataSkinViewControl;
    const char* kind() const override { return "treeview"; }
};

class DataSkinListView : public DataSkinViewControl {
public:
    using DataSkinViewControl::DataSkinViewControl;
    const char* kind() const override { return "listview"; }
};

class DataSkinRichEdit : public DataSkinViewControl {
public:
    using DataSkinViewControl::DataSkinViewControl;
    const char* kind() const override { return "richedit"; }
};

class DataSkinSlider : public DataSkinControl {
public:
    using DataSkinControl::DataSkinControl;
    const char* kind() const override { return "slider"; }

    core::Color bgColor = 0;
    core::Rect hRulerRect;
    core::Rect hThumbRect;
    core::Rect vRulerRect;
    core::Rect vThumbRect;
    int32_t edgeSize = 0;
    core::Color pointsColor = 0;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

// The skinned main-menu bar; its items and buttons are form skin object records named here.
class DataSkinMainMenuBar : public DataSkinControl {
public:
    using DataSkinControl::DataSkinControl;
    const char* kind() const override { return "mainmenubar"; }

    core::Rect itemsRect;
    std::string menuBarItem;
    std::string closeButton;
    std::string minButton;
    std::string maxButton;
    std::string sysMenuButton;
    core::Color trackMarkColor = 0;
    core::Color trackMarkActiveColor = 0;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

// Has its own corner points and client rect (it is not a custom control).
class DataSkinTabControl : public DataSkinControl, public SkinFontFields, public SkinCornerPoints {
public:
    using DataSkinControl::DataSkinControl;
    const char* kind() const override { return "tab"; }

    core::Rect tabRect;
    core::Rect activeTabRect;
    core::Rect focusTabRect;
    core::Rect mouseInTabRect;
    core::Rect clientRect;
    int32_t bgPictureIndex = -1;
    int32_t tabLeftOffset = 0;
    int32_t tabRightOffset = 0;
    core::Rect tabsBgRect;
    core::Color activeFontColor = 0;
    core::Color focusFontColor = 0;
    core::Color mouseInFontColor = 0;
    std::string upDown; // idName of the up-down record for scrolling tabs

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

class DataSkinGridControl : public DataSkinControl, public SkinFontFields {
public:
    using DataSkinControl::DataSkinControl;
    const char* kind() const override { return "grid"; }

    core::Rect fixedCellRect;
    core::Rect selectCellRect;
    core::Rect focusCellRect;
    int32_t fixedCellLeftOffset = 0;
    int32_t fixedCellRightOffset = 0;
    core::Rect fixedCellTextRect;
    int32_t cellLeftOffset = 0;
    int32_t cellRightOffset = 0;
    core::Rect cellTextRect;
    core::Color linesColor = 0;
    core::Color bgColor = 0;
    core::Color selectFontColor = 0;
    core::Color focusFontColor = 0;
    std::string fixedFontName = "Arial";
    int32_t fixedFontHeight = 14;
    FontStyles fixedFontStyle;
    core::Color fixedFontColor = 0;

protected:
    void exchangeFields(SkinIniFields& fields) override;
};

} // namespace skin
