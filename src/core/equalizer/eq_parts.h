// Equalizer parts and slider choice: which list of the equalizer pages loads which slot from
// which PartsData folder, the slider graphic with its mask and the slider back colour, the
// equalizer face that follows "EQが下", and single pictures put into the equalizer slots by
// double-click or paste, the 275x116 face import included.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document/document.h"
#include "image/bitmap.h"
#include "result.h"

namespace pelterra {

// The equalizer pages of TabStrip2 (EQFrame(0..9)).
enum class EqPage : int {
    EqMain = 0,    // "EQ Main"
    Slider = 1,    // "Slider"
    OnAuto = 2,    // "on,auto"
    Frame = 3,     // "EQ Frame"
    TitleBar = 4,  // "TitleBar"
    Image = 5,     // "image"
    Preset = 6,    // "Preset"
    Easy = 7,      // "取りこみ"
    Layer1 = 8,    // "レイヤ―1"
    Layer2 = 9,    // "レイヤー2"
};

// One equalizer part position: its page, its slot index (picEQData / picEQMask / lstEQData /
// lstEQMask share it), link box, library folder, untouched copy and preview refresh group.
struct EqPartPosition {
    EqPage page;
    int slot;
    std::string_view linkBox;
    std::string_view folder;
    int untouchedCopy;  // picEQData index of the unrecoloured copy, -1 when there is none
    std::string_view refreshGroup;
};

// Preview refresh groups of the equalizer.
inline constexpr std::string_view kEqMainGroup = "eqmain";
inline constexpr std::string_view kEqSliderGroup = "eqslider";
inline constexpr std::string_view kEqOnAutoGroup = "eqonauto";
inline constexpr std::string_view kEqTitleBarGroup = "eqtitlebar";
inline constexpr std::string_view kEqImageGroup = "eqimage";
inline constexpr std::string_view kEqPresetGroup = "eqpreset";

inline constexpr EqPartPosition kEqPartPositions[] = {
    {EqPage::OnAuto, 0, "chkOnAutoLink", "\\PartsData\\eq\\onauto\\", 7, kEqOnAutoGroup},
    {EqPage::Frame, 1, "chkEQFrameLink", "\\PartsData\\eq\\frame\\", -1, kEqMainGroup},
    {EqPage::TitleBar, 2, "chkEQTitlebarLink", "\\PartsData\\eq\\bar\\", 8, kEqTitleBarGroup},
    {EqPage::Image, 3, "chkImageLink", "\\PartsData\\eq\\image\\", 9, kEqImageGroup},
    {EqPage::Preset, 4, "chkPresetLink", "\\PartsData\\eq\\preset\\", 10, kEqPresetGroup},
    {EqPage::Layer1, 5, "chkLinkEQLayer1", "\\PartsData\\eq\\frame\\", -1, kEqMainGroup},
    {EqPage::Layer2, 6, "chkLinkEQLayer2", "\\PartsData\\eq\\frame\\", -1, kEqMainGroup},
};
static_assert(std::size(kEqPartPositions) == 7);

inline constexpr std::string_view kEqSliderFolder = "\\PartsData\\eq\\slider\\";
inline constexpr std::string_view kDefaultSliderMask = "\\PartsData\\eq\\slider\\DefaultMiniWhite.mask.bmp";
inline constexpr std::string_view kEqMainSizeMessage = "画像の大きさが２７５＊１１６では有りません。無理矢理変換します";

// The part position of a slot index 0..6; nullptr for any other index.
const EqPartPosition* eqPartPosition(int slot);

// --- the equalizer part check (Timer1 runs it after the main-window check) -----------------
// The equalizer face follows "EQが下", then the current page (TabStrip2) is checked: a list
// whose selection differs from the index it had when its slot was last loaded loads the new
// entry. A file that is missing or cannot be decoded leaves its slot as it was; the error names
// it (and every further failure of the same check).
Status CheckEqPartChoice(Document& doc, const std::filesystem::path& programFolder);
// The same for a given page, whatever TabStrip2 shows.
Status CheckEqPageChoice(Document& doc, const std::filesystem::path& programFolder, EqPage page);

// Start-up: every data list and combo box of the equalizer takes entry count + 1 as its
// previous index, so that the next check loads its selection; the mask lists take 0.
void ResetEqPreviousIndexes(Document& doc);
// Start-up: resets the previous indexes and checks every equalizer page, so that the first
// entry of every list is loaded. TabStrip2 is left as it was. Failures are collected.
Status LoadEveryEqPart(Document& doc, const std::filesystem::path& programFolder);

// The main window's part loader (LoadPart) on lstEQData(slot): the selected entry's Data file
// into picEQData(slot); with the link box clear, its Mask file (or the folder's Default_white
// mask) into picEQMask(slot); then the untouched copy takes the new Data image. When a file
// fails nothing changes and the error names it.
Status LoadEqPart(Document& doc, const std::filesystem::path& programFolder, int slot);
// The selected entry of lstEQMask(slot) into picEQMask(slot): folder\X.mask.bmp below the
// list's first-section count, folder\mask\X.bmp from it on.
Status LoadEqMask(Document& doc, const std::filesystem::path& programFolder, int slot);

// SliderCombo: PreSliderData takes X.data.bmp; PreSliderMask takes X.mask.bmp when it exists,
// else DefaultMiniWhite.mask.bmp. When either file fails neither slot changes.
Status ChooseSlider(Document& doc, const std::filesystem::path& programFolder);
// BackColorCombo: EQSliderBackColor takes X.back.bmp.
Status ChooseBackColor(Document& doc, const std::filesystem::path& programFolder);
// "EQが下": while "EQも出力" is hidden (a combined picture was imported) and the box changed
// since the face was last chosen, PreEQMainData takes the band the build uses as the equalizer
// face: Picture2 when "EQが下" is checked, Picture1 when it is clear.
void ChooseEqFace(Document& doc);
// The value of "EQが下" when the equalizer face was last chosen, and setting it.
int RememberedEqBelow(const Document& doc);
void RememberEqBelow(Document& doc, int value);

// Link box click: the mask list lstEQMask(slot) and its "MaskList" label show with the box.
void EqLinkClick(Document& doc, int slot);
// "EQ Slider" click: the frame fraEqCheck shows with the box.
void EqModeClick(Document& doc);

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
Result<std::optional<std::string>> PutEqPicture(Document& doc, std::string_view name, int index,
                                                const Bitmap& picture);
// Double-click: an empty file name (dialog cancelled) does nothing; a file that cannot be loaded
// changes nothing and the error names it.
Result<std::optional<std::string>> LoadEqPictureFile(Document& doc, std::string_view name, int index,
                                                     const std::string& filePath);
// "貼りつけ": an empty clipboard (nullopt) is an error and nothing changes.
Result<std::optional<std::string>> PasteEqPicture(Document& doc, std::string_view name, int index,
                                                  const std::optional<Bitmap>& clipboard);

}  // namespace pelterra
