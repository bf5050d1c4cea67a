#pragma once
// Cursor ids of the screen's cursor table. Negative ids are the platform's standard cursors; 0 means
// "the window class's cursor"; positive ids are free for applications (the URL label uses 26000).
// Layouts name them with the identifiers of core::identToCursor.
namespace gui {

constexpr int crDefault = 0;
constexpr int crNone = -1;
constexpr int crArrow = -2;
constexpr int crCross = -3;
constexpr int crIBeam = -4;
constexpr int crSizeNESW = -6;
constexpr int crSizeNS = -7;
constexpr int crSizeNWSE = -8;
constexpr int crSizeWE = -9;
constexpr int crUpArrow = -10;
constexpr int crHourGlass = -11;
constexpr int crDrag = -12;
constexpr int crNoDrop = -13;
constexpr int crHSplit = -14;
constexpr int crVSplit = -15;
constexpr int crMultiDrag = -16;
constexpr int crSQLWait = -17;
constexpr int crNo = -18;
constexpr int crAppStart = -19;
constexpr int crHelp = -20;
constexpr int crHandPoint = -21;
constexpr int crSizeAll = -22;

} // namespace gui
