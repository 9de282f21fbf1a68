// The background base maker frmBackColor ("MakeBackColor"): a three-stop vertical gradient drawn
// into a narrow strip, and 28 overlapping windows of that strip laid side by side into the
// equalizer slider back-colour sheet; "適用" hands the sheet to EQSliderBackColor.
#pragma once

#include <string_view>

#include "document/document.h"

namespace pelterra {

namespace back_base_maker {
inline constexpr SlotName kStrip = pic::picSBase;  // drawn in columns 0..12, rows 0..118
inline constexpr SlotName kSheet = pic::picBack;   // 209 x 130
}  // namespace back_base_maker

// The strip from lblcolor(0) "Top" through lblcolor(1) "Middle" to lblcolor(2) "Bottom": two
// segments of 60 rows (0..59 and 59..118) with whole-number steps of (end - start) / 59 rounded
// half to even; row 59 is drawn twice and the second segment's first row wins.
void MakeSBase(Document& doc);

// The sheet from the strip: cell (row a, column i) of 14 x 64 at (15i, 66a) shows the strip
// from row 24a + 2i.
void MakeBackSheet(Document& doc);

// btnMake "作成": MakeSBase, then the sheet.
void MakeBackColor(Document& doc);

// btnCopy "適用": EQSliderBackColor takes picBack.
void ApplyBackColor(Document& doc);

}  // namespace pelterra
