// Where the five button groups of the playlist window lie in the three pictures that hold them:
// the 252x72 button sheets (picPLPartsData 40, 41, 43), the composed groups picPLButtonBack(5..9)
// and the button rows of pledit.bmp (rows 111..185). The playlist sheet, the cut-out commands and
// the rearranging of a 280x75 button-row picture all read this one table.
#pragma once

#include <array>
#include <iterator>

#include "image/bitmap.h"

namespace pelterra::playlist {

// Part slot numbers of picPLPartsData.
inline constexpr int kLayoutSheetSlot = 38;      // 375x174 playlist layout sheet of the other format
inline constexpr int kShadeSheetSlot = 39;       // 375x29 shade bar sheet
inline constexpr int kButtonBackSheetSlot = 40;  // 252x72 button background sheet
inline constexpr int kButtonTextSheetSlot = 41;  // 252x72 button text sheet
inline constexpr int kSmallButtonSheetSlot = 42; // 19x59 small-button sheet
inline constexpr int kComposedGroupBase = 5;     // picPLButtonBack(5 + g) is group g composed

// A composed group is the bar (x 0..2), the normal column (x 3..24) and the pressed column
// (x 25..46); in the button sheets the pressed column lies one pixel further right.
inline constexpr int kBarWidth = 3;
inline constexpr int kCellWidth = 22;
inline constexpr int kCellHeight = 18;
inline constexpr int kComposedNormalX = 3;
inline constexpr int kComposedPressedX = 25;
inline constexpr int kSheetPressedOffset = 26;  // from the bar of a group in a button sheet

// The button rows of pledit.bmp: cell row j lies at y = 111 + 19 j.
inline constexpr int kButtonRowsTop = 111;
inline constexpr int kButtonRowPitch = 19;
inline constexpr int kButtonRowsWidth = 280;   // a picture of the button rows alone is 280x75
inline constexpr int kButtonRowsHeight = 75;

struct ButtonGroup {
    int sheetX;            // bar of the group in a button sheet
    int sheetY;            // top of the group in a button sheet
    int height;            // 54, or 72 for the group with four cells
    int cells;             // 3 or 4
    std::array<int, 4> cellY;  // y of the composed group's cell shown in pledit row j
    Point barAt;           // the bar in pledit.bmp
    int normalX;           // the normal column in pledit.bmp
    int pressedX;          // the pressed column in pledit.bmp
};

inline constexpr ButtonGroup kButtonGroups[] = {
    {  0, 18, 54, 3, {0, 18, 36, 0},  { 48, 111},   0,  23},  // 0: add
    { 54,  0, 72, 4, {18, 36, 54, 0}, {100, 111},  54,  77},  // 1: remove, its y 0 cell shown last
    {104, 18, 54, 3, {0, 18, 36, 0},  {150, 111}, 104, 127},  // 2: select
    {154, 18, 54, 3, {0, 18, 36, 0},  {200, 111}, 154, 177},  // 3: misc
    {204, 18, 54, 3, {0, 18, 36, 0},  {250, 111}, 204, 227},  // 4: list
};
static_assert(std::size(kButtonGroups) == 5);
inline constexpr int kButtonGroupCount = static_cast<int>(std::size(kButtonGroups));

}  // namespace pelterra::playlist
