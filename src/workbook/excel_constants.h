// The automation constants the workbook model understands, with Excel's
// values, so that code written against the model reads like Excel code.
#pragma once

namespace schemist::excel {

// Alignment.
inline constexpr int xlGeneral = 1;
inline constexpr int xlLeft = -4131;
inline constexpr int xlCenter = -4108;
inline constexpr int xlRight = -4152;
inline constexpr int xlTop = -4160;
inline constexpr int xlBottom = -4107;

// Borders: the index of Range.Borders is the edge number.
inline constexpr int xlEdgeLeft = 7;
inline constexpr int xlEdgeTop = 8;
inline constexpr int xlEdgeBottom = 9;
inline constexpr int xlEdgeRight = 10;
inline constexpr int xlInsideVertical = 11;
inline constexpr int xlInsideHorizontal = 12;

// Border.LineStyle.
inline constexpr int xlContinuous = 1;
inline constexpr int xlDash = -4115;
inline constexpr int xlDot = -4118;
inline constexpr int xlDouble = -4119;
inline constexpr int xlLineStyleNone = -4142;

// Border.Weight. 3 is accepted as medium too.
inline constexpr int xlHairline = 1;
inline constexpr int xlThin = 2;
inline constexpr int xlMedium = -4138;
inline constexpr int xlThick = 4;

// Number formats as NumberFormatLocal spells them in Japanese Excel.
inline constexpr const char* kGeneralFormatLocal = "G/標準";
inline constexpr const char* kTextFormat = "@";

}  // namespace schemist::excel
