// Slots and controls of the playlist pages: the playlist part slots picPLPartsData(0..43), the
// button images picPLButton and picPLButtonBack, and the check boxes and options of the pages
// "Playlist", "SorabePL互換１", "Sorabe互換２" and "Sorabe互換３". The part Masks start black, so that a
// ticked box whose part nobody has filled leaves its area as the source picture has it.
#include <iterator>

#include "document/tables.h"

namespace pelterra::tables {

namespace {

constexpr SlotSpec kPlaylistSlots[] = {
    // Part Data slots 0..9; the Mask of Data slot d is slot d + 10.
    {pic::picPLPartsData, 0, 0, 25, 20},    // top-left corner
    {pic::picPLPartsData, 1, 1, 25, 20},    // top frame tile
    {pic::picPLPartsData, 2, 2, 100, 20},   // title bar
    {pic::picPLPartsData, 3, 3, 25, 20},    // top-right corner
    {pic::picPLPartsData, 4, 4, 25, 29},    // left frame
    {pic::picPLPartsData, 5, 5, 25, 29},    // right frame
    {pic::picPLPartsData, 6, 6, 125, 38},   // bottom-left block with the buttons
    {pic::picPLPartsData, 7, 7, 25, 38},    // bottom frame tile
    {pic::picPLPartsData, 8, 8, 75, 38},    // analyser area
    {pic::picPLPartsData, 9, 9, 150, 38},   // bottom-right control block
    {pic::picPLPartsData, 10, 10, 25, 20, kBlack},  // Masks of 0..9
    {pic::picPLPartsData, 11, 11, 25, 20, kBlack},
    {pic::picPLPartsData, 12, 12, 100, 20, kBlack},
    {pic::picPLPartsData, 13, 13, 25, 20, kBlack},
    {pic::picPLPartsData, 14, 14, 25, 29, kBlack},
    {pic::picPLPartsData, 15, 15, 25, 29, kBlack},
    {pic::picPLPartsData, 16, 16, 125, 38, kBlack},
    {pic::picPLPartsData, 17, 17, 25, 38, kBlack},
    {pic::picPLPartsData, 18, 18, 75, 38, kBlack},
    {pic::picPLPartsData, 19, 19, 150, 38, kBlack},
    // Inactive top row, Data / Mask.
    {pic::picPLPartsData, 20, 20, 25, 20},           // top-right corner
    {pic::picPLPartsData, 21, 21, 25, 20, kBlack},
    {pic::picPLPartsData, 22, 22, 100, 20},          // title bar
    {pic::picPLPartsData, 23, 23, 100, 20, kBlack},
    {pic::picPLPartsData, 24, 24, 25, 20},           // top frame tile
    {pic::picPLPartsData, 25, 25, 25, 20, kBlack},
    {pic::picPLPartsData, 26, 26, 25, 20},           // top-left corner
    {pic::picPLPartsData, 27, 27, 25, 20, kBlack},
    // Shade bar, Data / Mask.
    {pic::picPLPartsData, 28, 28, 25, 14},           // left end
    {pic::picPLPartsData, 29, 29, 25, 14, kBlack},
    {pic::picPLPartsData, 30, 30, 25, 14},           // middle tile
    {pic::picPLPartsData, 31, 31, 25, 14, kBlack},
    {pic::picPLPartsData, 32, 32, 50, 14},           // right end, both rows
    {pic::picPLPartsData, 33, 33, 50, 14, kBlack},
    // Small pieces.
    {pic::picPLPartsData, 34, 34, 17, 18},   // scroll handle at x 0, pressed at x 9, each 8x18
    {pic::picPLPartsData, 35, 37, 9, 9},     // small buttons, pressed
    // Layout sheets of the other format and the button sheets.
    {pic::picPLPartsData, 38, 38, 375, 174}, // playlist layout sheet
    {pic::picPLPartsData, 39, 39, 375, 29},  // shade bar sheet
    {pic::picPLPartsData, 40, 41, 252, 72},  // button background sheet, button text sheet
    {pic::picPLPartsData, 42, 42, 19, 59},   // small-button sheet, 9x9 cells
    {pic::picPLPartsData, 43, 43, 252, 72},  // second button text sheet
    // Button foregrounds of the five groups (add, remove, select, misc, list); group 1 has four
    // rows. Indexes 5..9 are kept with the project and take the sizes of 0..4.
    {pic::picPLButton, 0, 0, 22, 54},
    {pic::picPLButton, 1, 1, 22, 72},
    {pic::picPLButton, 2, 4, 22, 54},
    {pic::picPLButton, 5, 5, 22, 54},
    {pic::picPLButton, 6, 6, 22, 72},
    {pic::picPLButton, 7, 9, 22, 54},
    // Button backgrounds (bar plus one column), then the composed groups (bar, normal, pressed).
    {pic::picPLButtonBack, 0, 0, 25, 54},
    {pic::picPLButtonBack, 1, 1, 25, 72},
    {pic::picPLButtonBack, 2, 4, 25, 54},
    {pic::picPLButtonBack, 5, 5, 47, 54},
    {pic::picPLButtonBack, 6, 6, 47, 72},
    {pic::picPLButtonBack, 7, 9, 47, 54},
};
static_assert(std::size(kPlaylistSlots) == 53);

constexpr ControlSpec kPlaylistControls[] = {
    {ctl::chkPLMake, 0, ControlKind::Check},       // "PLを出力する"
    // "左上", "上の枠", "タイトルバー", "右上", "左の枠", "右の枠", "ボタン", "下の枠", "スペアナ",
    // "コントロール部分"
    {ctl::chkPLParts, 10, ControlKind::Check},
    {ctl::chkPLShade, 0, ControlKind::Check},      // "ShadeModeパーツを出力する"
    {ctl::chkPLActive, 0, ControlKind::Check},     // "NotActiveパーツを出力する"
    // Option arrays: a row of count n makes indexes 0..n-1 clear; the row of count 1 after it
    // makes index 0 again, selected, so that each group starts with its first option.
    // "ActivePartsと同じ画像を出力" / "元画像を出力"
    {ctl::optPLNotActive, 2, ControlKind::Option, 0},
    {ctl::optPLNotActive, 1, ControlKind::Option, 1},
    // "こっちを使う" (the face of the main picture import) / "これを使う" (cmdLoadPL)
    {ctl::optPLPic, 2, ControlKind::Option, 0},
    {ctl::optPLPic, 1, ControlKind::Option, 1},
    // "白を透過", "黒を透過", "マスクを使用"
    {ctl::optPLButton, 3, ControlKind::Option, 0},
    {ctl::optPLButton, 1, ControlKind::Option, 1},
    // "背景を切り出す", "文字を切り出す", "マスクを切り出す"
    {ctl::optMoePLButton, 3, ControlKind::Option, 0},
    {ctl::optMoePLButton, 1, ControlKind::Option, 1},
    // The playlist style of the parts library: its sheets fill the slots and every part is cut from them.
    {ctl::PLStyleCombo, 0, ControlKind::List},
};
static_assert(std::size(kPlaylistControls) == 13);

}  // namespace

std::span<const SlotSpec> playlistSlots() { return kPlaylistSlots; }
std::span<const ControlSpec> playlistControls() { return kPlaylistControls; }

}  // namespace pelterra::tables
