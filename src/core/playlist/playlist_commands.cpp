#include "playlist/playlist_commands.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "document/part_masks.h"
#include "image/blit.h"
#include "image/drawing.h"
#include "image/picture_file.h"
#include "image/stretch.h"
#include "playlist/playlist_layout.h"

namespace pelterra {

namespace {

using namespace playlist;

constexpr SlotName kParts = pic::picPLPartsData;
constexpr SlotName kButtonBack = pic::picPLButtonBack;
constexpr SlotName kButton = pic::picPLButton;

// ---- cmdSynthesize ---------------------------------------------------------------------------

Colour transparentButtonColour(const Document& doc) {
    // "黒を透過" and "マスクを使用" both leave black out.
    return doc.isSelected(ctl::optPLButton, 0) ? kWhite : kBlack;
}

// Lays the foreground over the scratch group: its first three columns over the bar, and all 22
// columns over both the normal and the pressed column, leaving out the transparent colour.
void layForeground(Bitmap& scratch, const Bitmap& foreground, Colour transparent) {
    const int rows = std::min(foreground.height(), scratch.height());
    const int columns = std::min(foreground.width(), kCellWidth);
    for (int y = 0; y < rows; ++y) {
        const Colour* fg = foreground.row(y);
        Colour* out = scratch.row(y);
        for (int x = 0; x < std::min(columns, kBarWidth); ++x)
            if ((fg[x] & 0xFFFFFFu) != transparent) out[x] = fg[x] & 0xFFFFFFu;
        for (int x = 0; x < columns; ++x) {
            if ((fg[x] & 0xFFFFFFu) == transparent) continue;
            if (x + kComposedNormalX < scratch.width()) out[x + kComposedNormalX] = fg[x] & 0xFFFFFFu;
            if (x + kComposedPressedX < scratch.width()) out[x + kComposedPressedX] = fg[x] & 0xFFFFFFu;
        }
    }
}

// ---- cmdPLCopy -------------------------------------------------------------------------------

enum class CopyKind {
    Cut,               // a rectangle of a sheet slot into a part slot
    ButtonBackground,  // group `to` from the background sheet into picPLButtonBack(to + 5)
    ButtonChoice,      // as ButtonBackground, from the sheet ctl::optMoePLButton names
};

struct PLCopyCommand {
    std::string_view caption;
    CopyKind kind;
    int fromSlot;  // picPLPartsData index of the sheet
    int to;        // Cut: picPLPartsData index; buttons: group
    Blit copy;     // Cut: sheet rectangle -> point of the target (button rows take theirs from the group table)
};

constexpr PLCopyCommand kPLCopyCommands[] = {
    {"左上", CopyKind::Cut, 38, 0, {{0, 0, 25, 20}, {0, 0}}},
    {"左上", CopyKind::Cut, 38, 26, {{0, 0, 25, 20}, {0, 0}}},
    {"上の枠", CopyKind::Cut, 38, 1, {{325, 0, 25, 20}, {0, 0}}},
    {"上の枠", CopyKind::Cut, 38, 24, {{325, 0, 25, 20}, {0, 0}}},
    {"タイトルバー", CopyKind::Cut, 38, 2, {{137, 0, 100, 20}, {0, 0}}},
    {"タイトルバー", CopyKind::Cut, 38, 22, {{137, 0, 100, 20}, {0, 0}}},
    {"右上", CopyKind::Cut, 38, 3, {{350, 0, 25, 20}, {0, 0}}},
    {"右上", CopyKind::Cut, 38, 20, {{350, 0, 25, 20}, {0, 0}}},
    {"左の枠", CopyKind::Cut, 38, 4, {{0, 107, 12, 29}, {0, 0}}},
    {"下の枠", CopyKind::Cut, 38, 7, {{125, 136, 25, 38}, {0, 0}}},
    {"スペアナ", CopyKind::Cut, 38, 8, {{150, 136, 75, 38}, {0, 0}}},
    // The right frame slot lies at x 26 of the sheet and players read the right tile from x 31,
    // so the 20-pixel tile goes to the slot's right edge (x 5), not to x 0.
    {"右の枠", CopyKind::Cut, 38, 5, {{355, 107, 20, 29}, {5, 0}}},
    {"ボタン", CopyKind::Cut, 38, 6, {{0, 136, 125, 38}, {0, 0}}},
    {"コントロール", CopyKind::Cut, 38, 9, {{225, 136, 150, 38}, {0, 0}}},
    {"左端", CopyKind::Cut, 39, 28, {{0, 0, 25, 14}, {0, 0}}},
    {"真中", CopyKind::Cut, 39, 30, {{25, 0, 25, 14}, {0, 0}}},
    {"右端", CopyKind::Cut, 39, 32, {{325, 0, 50, 14}, {0, 0}}},
    {"ファイル追加", CopyKind::ButtonBackground, 40, 0, {}},
    {"ファイル削除", CopyKind::ButtonBackground, 40, 1, {}},
    {"ファイル選択", CopyKind::ButtonBackground, 40, 2, {}},
    {"Misc Opts", CopyKind::ButtonBackground, 40, 3, {}},
    {"ロード", CopyKind::ButtonBackground, 40, 4, {}},
    {"ファイル追加", CopyKind::ButtonChoice, 40, 0, {}},
    {"ファイル削除", CopyKind::ButtonChoice, 40, 1, {}},
    {"ファイル選択", CopyKind::ButtonChoice, 40, 2, {}},
    {"Misc Opts", CopyKind::ButtonChoice, 40, 3, {}},
    {"ロード", CopyKind::ButtonChoice, 40, 4, {}},
    {"Active1", CopyKind::Cut, 42, 3, {{0, 0, 9, 9}, {4, 3}}},
    {"Active2", CopyKind::Cut, 42, 3, {{10, 0, 9, 9}, {14, 3}}},
    {"NotActive1", CopyKind::Cut, 42, 20, {{0, 10, 9, 9}, {4, 3}}},
    {"NotActive2", CopyKind::Cut, 42, 20, {{10, 10, 9, 9}, {14, 3}}},
    {"押したとき１", CopyKind::Cut, 42, 36, {{0, 20, 9, 9}, {0, 0}}},
    {"押したとき２", CopyKind::Cut, 42, 35, {{10, 20, 9, 9}, {0, 0}}},
    {"ShadeActive1", CopyKind::Cut, 42, 32, {{0, 30, 9, 9}, {29, 3}}},
    {"ShadeActive2", CopyKind::Cut, 42, 32, {{10, 30, 9, 9}, {39, 3}}},
    {"ShadeNotAct1", CopyKind::Cut, 42, 32, {{0, 40, 9, 9}, {29, 3}}},
    {"ShadeNotAct2", CopyKind::Cut, 42, 32, {{10, 40, 9, 9}, {39, 3}}},
    {"押したとき３", CopyKind::Cut, 42, 37, {{0, 50, 9, 9}, {0, 0}}},
};
static_assert(std::size(kPLCopyCommands) == kPLCopyCommandCount);

}  // namespace

void CutPlaylistButtonGroup(Document& doc, int g, PLButtonSheet which) {
    const bool text = which == PLButtonSheet::Text;
    const int sheetSlot = text ? kButtonTextSheetSlot : kButtonBackSheetSlot;
    const RasterOp rop = text ? RasterOp::SRCAND : RasterOp::SRCCOPY;
    const ButtonGroup& group = kButtonGroups[g];
    const Bitmap& sheet = doc.slot(kParts, sheetSlot);
    Bitmap& target = doc.slot(kButtonBack, kComposedGroupBase + g);
    BitBlt(target, 0, 0, kBarWidth + kCellWidth, group.height, sheet, group.sheetX, group.sheetY, rop);
    BitBlt(target, kComposedPressedX, 0, kCellWidth, group.height, sheet,
           group.sheetX + kSheetPressedOffset, group.sheetY, rop);
    doc.slotChanged(kButtonBack, kComposedGroupBase + g);
}

namespace {

// ---- loading into a slot ---------------------------------------------------------------------

bool isPlaylistSlotName(SlotName name) {
    return name == kParts || name == kButtonBack || name == kButton;
}

bool takesButtonRows(SlotName name, int index) {
    return name == kParts && index >= kButtonBackSheetSlot && index <= kSmallButtonSheetSlot;
}

// The button rows of a pledit.bmp (its rows 111..185) laid out as a 252x72 button sheet.
void rearrangeButtonRows(const Bitmap& rows, Bitmap& slot) {
    slot.fill(kWhite);
    for (const ButtonGroup& group : kButtonGroups) {
        BitBlt(slot, group.sheetX, group.sheetY, kBarWidth, group.height, rows, group.barAt.x, 0,
               RasterOp::SRCCOPY);
        for (int j = 0; j < group.cells; ++j) {
            const int fromY = kButtonRowPitch * j;
            const int toY = group.sheetY + group.cellY[j];
            BitBlt(slot, group.sheetX + kComposedNormalX, toY, kCellWidth, kCellHeight, rows,
                   group.normalX, fromY, RasterOp::SRCCOPY);
            BitBlt(slot, group.sheetX + kSheetPressedOffset, toY, kCellWidth, kCellHeight, rows,
                   group.pressedX, fromY, RasterOp::SRCCOPY);
        }
    }
}

constexpr int kSourceWidth = 275;
constexpr int kSourceHeight = 116;

}  // namespace

Status cmdSynthesize(Document& doc, int i) {
    if (i < 0 || i >= kButtonGroupCount)
        return Error{"", CoreMessage::wording("there is no button group %1 (the groups are 0 to 4)"), {i}};
    const Colour transparent = transparentButtonColour(doc);
    Bitmap& scratch = doc.work.picTmp;
    scratch = doc.slot(kButtonBack, kComposedGroupBase + i);  // gives the scratch the group's size
    const Bitmap& background = doc.slot(kButtonBack, i);
    const Bitmap& foreground = doc.slot(kButton, i);
    const int h = foreground.height();
    BitBlt(scratch, 0, 0, kBarWidth + kCellWidth, h, background, 0, 0, RasterOp::SRCCOPY);
    BitBlt(scratch, kComposedPressedX, 0, kCellWidth, h, background, kBarWidth, 0, RasterOp::SRCCOPY);
    layForeground(scratch, foreground, transparent);
    doc.assignSlot(kButtonBack, kComposedGroupBase + i, scratch);
    return ok();
}

int PLCopyTarget(int k) {
    if (k < 0 || k >= kPLCopyCommandCount || kPLCopyCommands[k].kind != CopyKind::Cut) return -1;
    return kPLCopyCommands[k].to;
}

std::optional<PLCut> PLCopyCut(int k) {
    if (PLCopyTarget(k) < 0) return std::nullopt;
    const PLCopyCommand& c = kPLCopyCommands[k];
    return PLCut{c.fromSlot, c.to, c.copy};
}

std::string_view PLCopyCaption(int k) {
    if (k < 0 || k >= kPLCopyCommandCount) return {};
    return kPLCopyCommands[k].caption;
}

Status cmdPLCopy(Document& doc, int k) {
    if (k < 0 || k >= kPLCopyCommandCount)
        return Error{"", CoreMessage::wording("there is no cut-out command %1 (the commands are 0 to 37)"), {k}};
    const PLCopyCommand& c = kPLCopyCommands[k];
    switch (c.kind) {
        case CopyKind::Cut:
            PaintBlit(doc.slot(kParts, c.to), doc.slot(kParts, c.fromSlot), c.copy);
            doc.slotChanged(kParts, c.to);
            // Only what was cut is shown: the rest of a wider slot keeps the source picture.
            CoverIfMaskless(doc, {kParts, c.to},
                            Rect{c.copy.destination.x, c.copy.destination.y, c.copy.source.w, c.copy.source.h});
            break;
        case CopyKind::ButtonBackground:
            CutPlaylistButtonGroup(doc, c.to, PLButtonSheet::Background);
            break;
        case CopyKind::ButtonChoice:
            if (doc.isSelected(ctl::optMoePLButton, 0))  // "背景を切り出す"
                CutPlaylistButtonGroup(doc, c.to, PLButtonSheet::Background);
            else if (doc.isSelected(ctl::optMoePLButton, 1))  // "文字を切り出す"
                CutPlaylistButtonGroup(doc, c.to, PLButtonSheet::Text);
            // "マスクを切り出す" has no sheet to take from: nothing happens.
            break;
    }
    return ok();
}

Status LoadPlaylistSlotPicture(Document& doc, SlotName name, int index, const Bitmap& picture) {
    if (!isPlaylistSlotName(name) || !doc.hasSlot(name, index))
        return Error{"", CoreMessage::wording("there is no playlist picture slot %1"), {controlKey(name, index)}};
    if (picture.empty()) return Error{"", CoreMessage::wording("the picture is empty")};
    Bitmap& slot = doc.slot(name, index);
    if (takesButtonRows(name, index) && picture.width() == kButtonRowsWidth &&
        picture.height() == kButtonRowsHeight)
        rearrangeButtonRows(picture, slot);
    else
        StretchToSlot(doc.work, picture, slot);
    doc.slotChanged(name, index);
    CoverIfMaskless(doc, {name, index});
    return ok();
}

Status LoadPlaylistSlotFile(Document& doc, SlotName name, int index, const std::string& path) {
    if (!isPlaylistSlotName(name) || !doc.hasSlot(name, index))
        return Error{"", CoreMessage::wording("there is no playlist picture slot %1"), {controlKey(name, index)}};
    Result<Bitmap> picture = LoadPicture(path);
    if (!picture) return picture.error();
    return LoadPlaylistSlotPicture(doc, name, index, *picture);
}

Result<bool> LoadPlaylistPicture(Document& doc, const Bitmap& picture) {
    if (picture.empty()) return Error{"", CoreMessage::wording("the picture is empty")};
    const bool stretched = picture.width() != kSourceWidth || picture.height() != kSourceHeight;
    if (stretched) {
        StretchToSlot(doc.work, picture, doc.slot(pic::picPrePLmain, 1));
        doc.slotChanged(pic::picPrePLmain, 1);
    } else {
        doc.assignSlot(pic::picPrePLmain, 1, picture);
    }
    return stretched;
}

Result<bool> LoadPlaylistPictureFile(Document& doc, const std::string& path) {
    Result<Bitmap> picture = LoadPicture(path);
    if (!picture) return picture.error();
    return LoadPlaylistPicture(doc, *picture);
}

}  // namespace pelterra
