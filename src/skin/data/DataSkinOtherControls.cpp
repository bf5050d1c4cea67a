#include "skin/data/DataSkinOtherControls.h"

#include "skin/data/SkinIniFields.h"

namespace skin {

void DataSkinExPanelControl::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    fields.rect("rollhskinrect", rollHSkinRect);
    fields.rect("rollvskinrect", rollVSkinRect);
    fields.integer("rollleftoffset", rollLeftOffset);
    fields.integer("rollrightoffset", rollRightOffset);
    fields.integer("rolltopoffset", rollTopOffset);
    fields.integer("rollbottomoffset", rollBottomOffset);
    fields.rect("rollvcaptionrect", rollVCaptionRect);
    fields.rect("rollhcaptionrect", rollHCaptionRect);
    fields.rect("closebuttonrect", closeButtonRect);
    fields.rect("closebuttonactiverect", closeButtonActiveRect);
    fields.rect("closebuttondownrect", closeButtonDownRect);
    fields.rect("hrollbuttonrect", hRollButtonRect);
    fields.rect("hrollbuttonactiverect", hRollButtonActiveRect);
    fields.rect("hrollbuttondownrect", hRollButtonDownRect);
    fields.rect("hrestorebuttonrect", hRestoreButtonRect);
    fields.rect("hrestorebuttonactiverect", hRestoreButtonActiveRect);
    fields.rect("hrestorebuttondownrect", hRestoreButtonDownRect);
    fields.rect("vrollbuttonrect", vRollButtonRect);
    fields.rect("vrollbuttonactiverect", vRollButtonActiveRect);
    fields.rect("vrollbuttondownrect", vRollButtonDownRect);
    fields.rect("vrestorebuttonrect", vRestoreButtonRect);
    fields.rect("vrestorebuttonactiverect", vRestoreButtonActiveRect);
    fields.rect("vrestorebuttondownrect", vRestoreButtonDownRect);
    fields.rect("captionrect", captionRect);
    exchangeFont(fields);
}

void DataSkinCheckRadioControl::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    exchangeFont(fields);
    fields.color("activefontcolor", activeFontColor);
    fields.color("unenabledfontcolor", unenabledFontColor);
    fields.color("framefontcolor", frameFontColor);
    fields.rect("activeskinrect", activeSkinRect);
    fields.rect("checkimagearea", checkImageArea);
    fields.rect("textarea", textArea);
    fields.rect("checkimagerect", checkImageRect);
    fields.rect("uncheckimagerect", uncheckImageRect);
    fields.rect("activecheckimagerect", activeCheckImageRect);
    fields.rect("activeuncheckimagerect", activeUncheckImageRect);
    fields.rect("unenabledcheckimagerect", unenabledCheckImageRect);
    fields.rect("unenableduncheckimagerect", unenabledUncheckImageRect);
    fields.flag("morphing", morphing);
    fields.morphKind("morphkind", morphKind);
}

void DataSkinGaugeControl::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    fields.rect("progressarea", progressArea);
    fields.rect("progressrect", progressRect);
    fields.integer("beginoffset", beginOffset);
    fields.integer("endoffset", endOffset);
    fields.flag("vertical", vertical);
    exchangeFont(fields);
    fields.flag("progresstransparent", progressTransparent);
    fields.color("progresstransparentcolor", progressTransparentColor);
}

void DataSkinTrackBarControl::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    fields.rect("trackarea", trackArea);
    fields.rect("buttonrect", buttonRect);
    fields.rect("activebuttonrect", activeButtonRect);
    fields.flag("vertical", vertical);
    fields.flag("buttontransparent", buttonTransparent);
    fields.color("buttontransparentcolor", buttonTransparentColor);
}

void DataSkinUpDownControl::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    exchangeUpDownButtons(fields);
}

void DataSkinControlBar::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    fields.rect("itemrect", itemRect);
    fields.pictureIndex("bgpictureindex", bgPictureIndex);
}

void DataSkinEditControl::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    fields.rect("activeskinrect", activeSkinRect);
    exchangeFont(fields);
    fields.color("disabledfontcolor", disabledFontColor);
    fields.color("activefontcolor", activeFontColor);
    exchangeButtons(fields);
}

void DataSkinMemoControl::exchangeFields(SkinIniFields& fields) {
    DataSkinEditControl::exchangeFields(fields);
    fields.color("bgcolor", bgColor);
    fields.color("activebgcolor", activeBgColor);
}

void DataSkinListBox::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    fields.rect("itemrect", itemRect);
    fields.rect("activeitemrect", activeItemRect);
    fields.rect("focusitemrect", focusItemRect);
    exchangeItemOffsets(fields);
    fields.rect("itemtextrect", itemTextRect);
    exchangeFont(fields);
    fields.color("activefontcolor", activeFontColor);
    fields.color("focusfontcolor", focusFontColor);
    fields.rect("captionrect", captionRect);
    fields.font("caption", captionFontName, captionFontHeight, captionFontStyle, captionFontColor);
    exchangeUpDownButtons(fields);
    fields.rect("checkbuttonrect", checkButtonRect);
    fields.rect("activecheckbuttonrect", activeCheckButtonRect);
    fields.rect("downcheckbuttonrect", downCheckButtonRect);
    fields.text("vscrollbarname", vScrollBarName, "vscrollbar");
    fields.text("hscrollbarname", hScrollBarName, "hscrollbar");
    fields.text("bothhscrollbarname", bothHScrollBarName, "bothhscrollbar");
}

void DataSkinCheckListBox::exchangeFields(SkinIniFields& fields) {
    DataSkinListBox::exchangeFields(fields);
    fields.rect("itemcheckrect", itemCheckRect);
    fields.rect("checkimagerect", checkImageRect);
    fields.rect("uncheckimagerect", uncheckImageRect);
}

void DataSkinComboBox::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    fields.rect("itemrect", itemRect);
    fields.rect("focusitemrect", focusItemRect);
    exchangeItemOffsets(fields);
    fields.rect("itemtextrect", itemTextRect);
    exchangeFont(fields);
    fields.color("focusfontcolor", focusFontColor);
    fields.text("listboxname", listBoxName);
    exchangeButtons(fields);
}

void DataSkinScrollBarControl::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    fields.rect("trackarea", trackArea);
    exchangeUpDownButtons(fields);
    fields.rect("thumbrect", thumbRect);
    fields.rect("activethumbrect", activeThumbRect);
    fields.rect("downthumbrect", downThumbRect);
    fields.integer("thumboffset1", thumbOffset1);
    fields.integer("thumboffset2", thumbOffset2);
    fields.flag("thumbtransparent", thumbTransparent);
    fields.color("thumbtransparentcolor", thumbTransparentColor);
    fields.rect("glyphrect", glyphRect);
    fields.rect("activeglyphrect", activeGlyphRect);
    fields.rect("downglyphrect", downGlyphRect);
}

void DataSkinSpinEditControl::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    fields.rect("activeskinrect", activeSkinRect);
    exchangeFont(fields);
    fields.color("activefontcolor", activeFontColor);
    fields.color("disabledfontcolor", disabledFontColor);
    exchangeUpDownButtons(fields);
}

void DataSkinScrollBoxControl::exchangeFields(SkinIniFields& fields) {
    DataSkinCustomControl::exchangeFields(fields);
    fields.pictureIndex("bgpictureindex", bgPictureIndex);
}

void DataSkinViewControl::exchangeFields(SkinIniFields& fields) {
    DataSkinControl::exchangeFields(fields);
    exchangeFont(fields);
    fields.color("bgcolor", bgColor);
}

void DataSkinSlider::exchangeFields(SkinIniFields& fields) {
    DataSkinControl::exchangeFields(fields);
    fields.color("bgcolor", bgColor);
    fields.rect("hrulerrect", hRulerRect);
    fields.rect("hthumbrect", hThumbRect);
    fields.rect("vrulerrect", vRulerRect);
    fields.rect("vthumbrect", vThumbRect);
    fields.integer("edgesize", edgeSize);
    fields.color("pointscolor", pointsColor);
}

void DataSkinMainMenuBar::exchangeFields(SkinIniFields& fields) {
    DataSkinControl::exchangeFields(fields);
    fields.rect("itemsrect", itemsRect);
    fields.text("menubaritem", menuBarItem);
    fields.text("closebutton", closeButton);
    fields.text("minbutton", minButton);
    fields.text("maxbutton", maxButton);
    fields.text("sysmenubutton", sysMenuButton);
    fields.color("trackmarkcolor", trackMarkColor);
    fields.color("trackmarkactivecolor", trackMarkActiveColor);
}

void DataSkinTabControl::exchangeFields(SkinIniFields& fields) {
    DataSkinControl::exchangeFields(fields);
    fields.rect("tabrect", tabRect);
    fields.rect("activetabrect", activeTabRect);
    fields.rect("focustabrect", focusTabRect);
    fields.rect("mouseintabrect", mouseInTabRect);
    fields.rect("clientrect", clientRect);
    fields.pictureIndex("bgpictureindex", bgPictureIndex);
    exchangeCornerPoints(fields);
    fields.integer("tableftoffset", tabLeftOffset);
    fields.integer("tabrightoffset", tabRightOffset);
    fields.rect("tabsbgrect", tabsBgRect);
    exchangeFont(fields);
    fields.color("activefontcolor", activeFontColor);
    fields.color("focusfontcolor", focusFontColor);
    fields.color("mouseinfontcolor", mouseInFontColor);
    fields.text("updown", upDown);
}

void DataSkinGridControl::exchangeFields(SkinIniFields& fields) {
    DataSkinControl::exchangeFields(fields);
    fields.rect("fixedcellrect", fixedCellRect);
    fields.rect("selectcellrect", selectCellRect);
    fields.rect("focuscellrect", focusCellRect);
    fields.integer("fixedcellleftoffset", fixedCellLeftOffset);
    fields.integer("fixedcellrightoffset", fixedCellRightOffset);
    fields.rect("fixedcelltextrect", fixedCellTextRect);
    fields.integer("cellleftoffset", cellLeftOffset);
    fields.integer("cellrightoffset", cellRightOffset);
    fields.rect("celltextrect", cellTextRect);
    fields.color("linescolor", linesColor);
    fields.color("bgcolor", bgColor);
    exchangeFont(fields);
    fields.color("selectfontcolor", selectFontColor);
    fields.color("focusfontcolor", focusFontColor);
    fields.font("fixed", fixedFontName, fixedFontHeight, fixedFontStyle, fixedFontColor);
}

} // namespace skin
