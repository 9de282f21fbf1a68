// The editing commands of the playlist pages. They change part slots and button images only,
// never the playlist sheet: button synthesis ("合成"), the cut-outs from layout sheets of the other
// format, loading a picture into a playlist slot, and opening the playlist source picture.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/document.h"
#include "image/bitmap.h"
#include "image/blit.h"
#include "result.h"

namespace pelterra {

// cmdSynthesize(i), "合成", i = 0..4: composes button group i into picPLButtonBack(i + 5) from the
// background picPLButtonBack(i) and the foreground picPLButton(i). Foreground pixels of the
// transparent colour (white with "白を透過", black with "黒を透過" and "マスクを使用") are skipped.
// An index outside 0..4 is refused with an error and changes nothing.
Status cmdSynthesize(Document& doc, int i);

// cmdPLCopy(k), k = 0..37: copies one rectangle of a layout sheet (picPLPartsData 38..42) into a
// part slot or composed button group. An index outside 0..37 is refused and changes nothing.
Status cmdPLCopy(Document& doc, int k);
inline constexpr int kPLCopyCommandCount = 38;

// The picPLPartsData slot cmdPLCopy(k) cuts into, or -1 for a button command or an index
// outside 0..37.
int PLCopyTarget(int k);

// The sheet slot, target slot and rectangle of a cut-out cmdPLCopy(k) that copies one rectangle
// into a part slot; none for a button command or an index outside 0..37. A playlist style cuts
// the parts' Masks from its mask sheets with these same rectangles.
struct PLCut {
    int fromSlot;  // picPLPartsData index of the sheet
    int to;        // picPLPartsData index of the part
    Blit copy;     // sheet rectangle -> point of the part
};
std::optional<PLCut> PLCopyCut(int k);

// The caption of the button cmdPLCopy(k), or empty for an index outside 0..37.
std::string_view PLCopyCaption(int k);

// The two button sheets a group is cut from: the backgrounds (slot 40), copied, and the captions
// (slot 41), dark on white and laid over the group with AND so that they only darken it.
enum class PLButtonSheet { Background, Text };
// Cuts button group g (0..4) from a button sheet into its composed group picPLButtonBack(g + 5):
// the bar and normal column, then the pressed column. What cmdPLCopy(17..26) does for one group.
void CutPlaylistButtonGroup(Document& doc, int g, PLButtonSheet sheet);

// Draws a chosen picture into a playlist slot (picPLPartsData, picPLButtonBack or picPLButton),
// stretched to the slot's size. Slots 40, 41 and 42 take a 280x75 picture as the button rows of a
// pledit.bmp and rearrange it into the button sheet layout instead (the slot is whitened first).
// An unknown slot or an empty picture is refused and changes nothing.
Status LoadPlaylistSlotPicture(Document& doc, SlotName name, int index, const Bitmap& picture);
// The same from a picture file; a file that cannot be read leaves the slot unchanged.
Status LoadPlaylistSlotFile(Document& doc, SlotName name, int index, const std::string& path);

// The message shown when the picture opened for the playlist is not 275x116.
inline constexpr std::string_view kPlaylistPictureSizeMessage =
    "画像の大きさが２７５＊１１６では有りません。無理矢理変換します";

// cmdLoadPL ("PictureOpen"): the opened picture becomes picPrePLmain(1), as it is when it is
// 275x116 and stretched to 275x116 otherwise. Answers true when it was stretched, so that the
// caller shows kPlaylistPictureSizeMessage. An empty picture is refused.
Result<bool> LoadPlaylistPicture(Document& doc, const Bitmap& picture);
Result<bool> LoadPlaylistPictureFile(Document& doc, const std::string& path);

}  // namespace pelterra
