// The combined picture import: the base picture the user opens with "PictureOpen" (or pastes on
// Picture1) holds the main window face alone (275x116), main window and equalizer stacked
// (275x232), or main window, equalizer and playlist stacked (275x348). The import splits it into
// Picture1, Picture2, PreEQMainData and the playlist source picPrePLmain(0), keeps the
// combined-picture flag and shows or hides "EQが下" and "EQも出力". Any other size asks the
// picture-size dialog HowForm, whose answer the caller supplies.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "document/document.h"
#include "image/bitmap.h"
#include "result.h"

namespace pelterra {

// The four answers of HowForm, as the digit its buttons write into the label Syori.
enum class HowFormAnswer : int {
    Stretch = 0,        // Command1 "275*116に無理やり変換"
    SplitInHalves = 1,  // Command2 "EQ部分も使って275*232に変換"
    Cancel = 2,         // Command3 "キャンセル"
    SplitInThirds = 3,  // Command4 "PLまで使ってしまう（275*348）"
};

// Shows HowForm modally and returns the Syori digit 0..3 of the button pressed. The GUI answers
// with the dialog, the command line with an option, the tests with a fixed digit.
using HowFormDialog = std::function<int()>;

// What HowForm's buttons do before the dialog hides: Syori takes the digit and the
// combined-picture flag is set as the button says (0 for Stretch, 1 for either split, unchanged
// for Cancel). The region editor's picture loading shares this. Fails for a digit outside 0..3,
// changing nothing.
Status AnswerHowForm(Document& doc, int syori);

// Splits a picture by its size into the faces and blanks the backdrop Picture3 (the previous
// picture's build) until the next build. Returns the Syori digit acted on (-1 when the
// size needed no dialog). Fails, changing nothing, when the picture is empty, when a dialog is
// needed and none was given, or when the dialog answers something other than 0..3.
Result<int> ImportCombinedPicture(Document& doc, const Bitmap& picture, const HowFormDialog& howForm);

// "PictureOpen": an empty file name (the dialog was cancelled) does nothing. Otherwise the file
// is read; when it cannot be read or decoded the error names it and nothing changes. A picture
// whose size needs the dialog is asked about from the size its header states, before it is
// decoded: "キャンセル" or an answer that is no button then decodes nothing, so declining a
// huge picture costs no memory. The picture's path and title become BackgroundImagePath/Title,
// then it is imported.
Status OpenCombinedPicture(Document& doc, const std::string& filePath, const HowFormDialog& howForm);

// "貼りつけ" on Picture1: imports the clipboard's picture; an empty clipboard (nullopt) is an
// error and nothing changes.
Status PasteCombinedPicture(Document& doc, const std::optional<Bitmap>& clipboard,
                            const HowFormDialog& howForm);

// Sets "EQも出力" (chkSkinMode): the flag takes the box's value, "EQが下" (EqUporDown) is shown
// and enabled when it is checked, hidden and disabled when not, and the equalizer face follows.
void SetEqOutput(Document& doc, bool checked);

}  // namespace pelterra
