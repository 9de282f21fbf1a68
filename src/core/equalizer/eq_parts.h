// Equalizer parts and slider choice: a choice in an equalizer list loads its slot from the
// category's PartsData folder (the table is parts/categories.h), the slider graphic with its mask
// and the slider back colour, the equalizer face that follows "EQが下" and "EQも出力", and single
// pictures put into the equalizer slots by
// double-click or paste, the 275x116 face import included.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document/document.h"
#include "image/bitmap.h"
#include "parts/categories.h"
#include "result.h"

namespace pelterra {

inline constexpr std::string_view kEqSliderFolder = "\\PartsData\\eq\\slider\\";
inline constexpr std::string_view kDefaultSliderMask = "\\PartsData\\eq\\slider\\DefaultMiniWhite.mask.bmp";
inline constexpr std::string_view kEqMainSizeMessage = "画像の大きさが２７５＊１１６では有りません。無理矢理変換します";

// --- choosing parts ----------------------------------------------------------------------------
// A choice of entry `entry` in lstEQData(slot): the list selects it, then LoadEqPart runs. A file
// that fails leaves the list and every slot as they were; the error names it.
Status ChooseEqPart(Document& doc, const std::filesystem::path& programFolder, int slot, int entry);
// A choice in lstEQMask(slot): with the link box checked, LoadEqMask runs; with it clear the list
// only keeps the choice.
Status ChooseEqMaskPart(Document& doc, const std::filesystem::path& programFolder, int slot, int entry);

// The main window's part loader (LoadPart) on lstEQData(slot): the selected entry's Data file
// into picEQData(slot); with the link box clear, its Mask file (or the folder's Default_white
// mask) into picEQMask(slot); then the untouched copy takes the new Data image. When a file
// fails nothing changes and the error names it.
Status LoadEqPart(Document& doc, const std::filesystem::path& programFolder, int slot);
// The selected entry of lstEQMask(slot) into picEQMask(slot): folder\X.mask.bmp below the
// list's first-section count, folder\mask\X.bmp from it on.
Status LoadEqMask(Document& doc, const std::filesystem::path& programFolder, int slot);

// SliderCombo takes `entry`: PreSliderData takes X.data.bmp; PreSliderMask takes X.mask.bmp when
// it exists, else DefaultMiniWhite.mask.bmp. When either file fails nothing changes.
Status ChooseSlider(Document& doc, const std::filesystem::path& programFolder, int entry);
// BackColorCombo takes `entry`: EQSliderBackColor takes X.back.bmp.
Status ChooseBackColor(Document& doc, const std::filesystem::path& programFolder, int entry);
// The equalizer face after "EQが下" or "EQも出力" changed: while "EQも出力" is hidden (a combined
// picture was imported), PreEQMainData takes Picture2 when both "EQが下" and "EQも出力" are
// checked, Picture1 otherwise. While "EQも出力" shows, the face stays as the import left it.
void ChooseEqFace(Document& doc);

// Sets "EQ Slider": the frame fraEqCheck shows with the box.
void SetEqSliderRows(Document& doc, bool checked);

// --- single pictures: double-click with a chosen file, or paste ------------------------------
// The 275x116 face import for PreEQMainData2: a picture of exactly that size is taken as it is,
// any other is stretched, and the size message is returned for the caller to show.
std::optional<std::string> ImportEqMainImage(Document& doc, const Bitmap& picture);
// "PictureOpen" of the second face (OpenEQData): an empty name does nothing; a picture that
// cannot be loaded changes nothing; otherwise ExtraImagePath/Title keep the file and the
// picture goes through ImportEqMainImage. Returns the size message, if any.
Result<std::optional<std::string>> OpenEqMainImage(Document& doc, const std::string& filePath);

// Puts a picture into an equalizer image as a double-click does: picEQData(k) and picEQMask(k)
// stretched to the slot (picEQData 0, 2, 3, 4 also refresh their untouched copies 7, 8, 9, 10);
// PreSliderData, PreSliderMask, EQSliderBackColor taken unscaled; PreEQMainData stretched;
// PreEQMainData2 through ImportEqMainImage (its size message returned). Fails for an empty
// picture or a slot that is none of these, changing nothing.
Result<std::optional<std::string>> PutEqPicture(Document& doc, SlotName name, int index,
                                                const Bitmap& picture);
// Double-click: an empty file name (dialog cancelled) does nothing; a file that cannot be loaded
// changes nothing and the error names it.
Result<std::optional<std::string>> LoadEqPictureFile(Document& doc, SlotName name, int index,
                                                     const std::string& filePath);
// "貼りつけ": an empty clipboard (nullopt) is an error and nothing changes.
Result<std::optional<std::string>> PasteEqPicture(Document& doc, SlotName name, int index,
                                                  const std::optional<Bitmap>& clipboard);

}  // namespace pelterra
