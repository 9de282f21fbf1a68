// What the generator draws, category by category. Each draw function makes one part of one
// style at its category's size; the add functions put every style's parts into the library.
#pragma once

#include "layout.h"
#include "library.h"
#include "sheets/skin_sheets.h"
#include "sprite.h"
#include "styles.h"

namespace partsgen {

// A category whose parts cover a whole sheet of the skin: the sheet's size.
constexpr Category sheetCategory(std::string_view folder, pelterra::SlotName sheetSlot) {
    const pelterra::SkinSheet& sheet = pelterra::SkinSheetOf(sheetSlot);
    return {folder, sheet.width, sheet.height};
}

// Main-window categories and the sizes of their parts. The shufrep part is the players' own
// 92 x 85, smaller than the sheet it is laid over.
inline constexpr Category kCbuttons = sheetCategory("PartsData/cbuttons", pelterra::pic::cbuttons);
inline constexpr Category kShufrep{"PartsData/shufrep", 92, 85};
inline constexpr Category kMonoster = sheetCategory("PartsData/monoster", pelterra::pic::monoster);
inline constexpr Category kPlaypaus = sheetCategory("PartsData/playpaus", pelterra::pic::playpaus);
inline constexpr Category kSlider{"PartsData/slider", 59, 22};
inline constexpr Category kTitlebar = sheetCategory("PartsData/titlebar", pelterra::pic::titlebar);
inline constexpr Category kFrame = sheetCategory("PartsData/frame", pelterra::pic::Main);
inline constexpr Category kNumber = sheetCategory("PartsData/number", pelterra::pic::number);
inline constexpr Category kText = sheetCategory("PartsData/text", pelterra::pic::picData);

// Equalizer categories.
inline constexpr Category kEqOnAuto{"PartsData/eq/onauto", 235, 12};
inline constexpr Category kEqFrame{"PartsData/eq/frame", 275, 116};
inline constexpr Category kEqBar{"PartsData/eq/bar", 275, 47};
inline constexpr Category kEqImage{"PartsData/eq/image", 116, 21};
inline constexpr Category kEqPreset{"PartsData/eq/preset", 44, 25};
inline constexpr Category kEqSlider{"PartsData/eq/slider", 27, 63};

// Playlist parts: one folder per style below kPlaylistFolder, each holding the layout sheets
// the playlist cut-out commands read and the scroll handle.
inline constexpr std::string_view kPlaylistFolder = "PartsData/playlist";
inline constexpr std::string_view kPlLayoutFile = "layout.bmp";               // 375 x 174, the whole window
inline constexpr std::string_view kPlShadeFile = "shade.bmp";                 // 375 x 29, the shade bar
inline constexpr std::string_view kPlButtonBackFile = "button_back.bmp";      // 252 x 72, the finished menu buttons
inline constexpr std::string_view kPlButtonTextFile = "button_text.bmp";      // 252 x 72, their captions on white
inline constexpr std::string_view kPlSmallButtonsFile = "small_buttons.bmp";  // 19 x 59
inline constexpr std::string_view kPlHandleFile = "scroll_handle.bmp";        // 17 x 18, normal and pressed
// White where the frame covers, black where the user's picture shows through.
inline constexpr std::string_view kPlLayoutMaskFile = "layout.mask.bmp";      // 375 x 174
inline constexpr std::string_view kPlShadeMaskFile = "shade.mask.bmp";        // 375 x 29
inline constexpr std::string_view kPlInactiveTopFile = "layout.inactive.bmp"; // 375 x 20, the top row unfocused

// The same style, dimmed, for inactive title bars and disabled strips.
Style faded(const Style& style);

Sprite drawCbuttons(const Style& style);
Sprite drawShufrep(const Style& style);
Sprite drawMonoster(const Style& style);
Sprite drawPlaypaus(const Style& style);
Sprite drawSliderKnobs(const Style& style);
Sprite drawTitlebar(const Style& style);
Sprite drawMainFrame(const Style& style);

Sprite drawEqOnAuto(const Style& style);
Sprite drawEqFrame(const Style& style);
Sprite drawEqBar(const Style& style);
Sprite drawEqImage(const Style& style);
Sprite drawEqPreset(const Style& style);
Sprite drawEqSlider(const Style& style);

Bitmap drawPlaylistLayout(const Style& style);
Bitmap drawPlaylistLayoutMask(const Style& style);
Bitmap drawPlaylistInactiveTopRow(const Style& style);
Bitmap drawPlaylistShadeBar(const Style& style);
Bitmap drawPlaylistShadeMask(const Style& style);
Bitmap drawPlaylistButtonBackground(const Style& style);
Bitmap drawPlaylistButtonText(const Style& style);
Bitmap drawPlaylistSmallButtons(const Style& style);
Bitmap drawPlaylistHandle(const Style& style);

// The glyph of a 9 x 9 title-bar button, on the main window's and the playlist's bars.
GlyphRows titleButtonGlyph(TitleButton button);

// The body of a whole-window frame, main window or equalizer: a border ring in the style's
// finish (bevelled for classic and metal) and the plain title strip, with no grip lines. The
// rest is open, for the picture; a style stored without masks gets its plain ground there in
// the Data, which the category's Default_white mask then shows.
void drawFrameBody(Sprite& s, const Style& style);

// A title strip with a caption, shared by the main window's and the equalizer's title bars.
void drawTitleStrip(Sprite& s, Rect r, const Style& style, std::string_view caption);

// A face background for the Easy-import pictures and the samples: a graded ground in the
// style's colours with fine diagonal brushing.
Bitmap faceGround(const Style& style, int width, int height);

// A photo-like picture of all three bands (275 x 348): what a user's own photo gives.
Bitmap drawPhotoSample();

// Lays a sprite over a picture by its Mask (grey mask pixels mix the two).
void composite(Bitmap& picture, const Sprite& s, Point at);

void addMainWindowParts(Library& library);
void addEqualizerParts(Library& library);
void addPlaylistParts(Library& library);
void addSystemFiles(Library& library);
void addSamples(Library& library);

// The contact sheet: every shown picture over a checkerboard through its Mask, labelled.
Bitmap drawContactSheet(const Library& library);
// Labelled pictures in one row, each under its label: the previews of several skins side by side.
Bitmap drawSideBySide(const std::vector<std::pair<std::string, Bitmap>>& pictures);

}  // namespace partsgen
