// The Region page: loading a region picture into the two picture areas (main window half and
// equalizer half), the key colour (bars, boxes, picked from a pixel), the trace command
// "画像切り取り", and TraceRegionPicture, which does the whole road from a picture file to
// region.txt for the command line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document/document.h"
#include "equalizer/picture_import.h"
#include "image/bitmap.h"
#include "region/region_text.h"
#include "region/region_trace.h"
#include "result.h"

namespace pelterra {

inline constexpr std::string_view kRegionBackgroundTail = "\\PartsData\\cg.bmp";

// Reloads both Cut-out results from PartsData\cg.bmp. Without a readable cg.bmp they are cleared
// to white: the picture is only a background for the marks, which work on any background.
void ReloadCutOutResults(Document& doc, const std::filesystem::path& programFolder);

// Loads a picture into the areas (the "画像読みこみ" steps after the file is read): it becomes
// Form3.Picture1, "Region.txtを出力する" is unchecked and disabled, "画像切り取り" enabled; then
//  - 275 x 116: the picture goes to RegionArea(0) at (1, 1); RegionArea(1) is hidden and
//    disabled; EQ region flag 0;
//  - 275 x 232: the upper half to RegionArea(0), the lower half to RegionArea(1), both at (1, 1);
//    RegionArea(1) shown and enabled; flag 1;
//  - another size: HowForm is asked (the answer also sets Syori and the combined-picture flag,
//    as for the base picture): 0 stretches the whole picture to 275 x 116 into RegionArea(0)
//    (flag 0), 1 stretches each half into its area (flag 1; Picture2, "EQが下" and RegionArea(1)
//    shown), 3 draws nothing, 2 (cancel) stops before the Cut-out results are reloaded.
// Last, the Cut-out results are reloaded from cg.bmp. Returns the HowForm answer acted on, or -1
// when the size needed none. Fails, changing nothing, for an empty picture, for a size that needs
// the dialog when none is given, or for an answer outside 0..3.
// The picture is taken by value: a caller that hands it over with std::move costs no copy.
Result<int> LoadRegionPicture(Document& doc, const std::filesystem::path& programFolder, Bitmap picture,
                              const HowFormDialog& howForm);

// "画像読みこみ" with the file chosen in the open dialog: an empty name (the dialog was cancelled)
// changes nothing and gives -1; a file that cannot be read is an error naming it.
Result<int> LoadRegion(Document& doc, const std::filesystem::path& programFolder, const std::string& filePath,
                       const HowFormDialog& howForm);

// "貼りつけ" of the pop-up menu on RegionArea(item): the clipboard's picture replaces the area's
// picture at (0, 0), as "コピー" hands the whole area out. An empty clipboard is an error.
Status PasteRegionArea(Document& doc, int item, const std::optional<Bitmap>& clipboard);

// The key colour from the pixel of RegionArea(item) under the mouse (rounded to whole pixels):
// the bars HsRed/HsGreen/HsBlue and the boxes RegionRed/RegionGreen/RegionBlue take its channels.
// A position outside the picture changes nothing.
void PickRegionKeyColour(Document& doc, int item, double x, double y);

// Sets the bars and boxes to a colour's channels.
void SetRegionKeyColour(Document& doc, Colour key);

// A change of HsRed, HsGreen or HsBlue: the box of the same channel takes the value as text.
void RegionKeyBarChanged(Document& doc, ControlName bar);

// The key colour from the three boxes. A box that does not hold a whole number from 0 to 255 is
// an error naming the box.
Result<Colour> ReadRegionKeyColour(const Document& doc);

// "画像切り取り": reads the key colour, reloads the Cut-out results from cg.bmp, draws the key
// colour frame (the box (0, 0)-(276, 117)) on both areas, runs TraceRegionAreas and enables
// "Region.txtを出力する". On an error (a key colour box, a work file the trace needs) the box
// stays disabled.
Result<RegionTrace> MakeRegion(Document& doc, const std::filesystem::path& programFolder,
                               const RegionProgress& progress = {},
                               WorkFileNeed workFiles = WorkFileNeed::Required);

struct RegionPictureTrace {
    RegionTrace trace;       // its workFilesSkipped also tells when region.txt's work copy was not written
    RegionTextWritten text;  // region.txt in the work folder (no path when it could not be written)
};

// The whole road for the command line: loads the region picture file, sets the key colour,
// traces it (the outlines go into the document), writes region.txt into the work folder and
// checks "Region.txtを出力する" so that a skin saved afterwards carries it. `fit` answers the size
// dialog for pictures that are neither 275 x 116 nor 275 x 232: 0 stretches the picture to one
// window, 1 splits it into two. Without it such a picture is an error, and so are the dialog's
// other answers (2 cancels; 3 keeps the areas as an earlier picture left them, and a run of its
// own has none); the messages name the caller's option `fitOption`. Unlike the dialog, the
// answer does not change the combined-picture flag or Syori: those belong to the base picture
// of the skin. The work files are optional here (WorkFileNeed::Optional): a per-user folder that
// cannot be written leaves them out, and RegionTrace::workFilesSkipped says why. A picture that
// needs `fit` without one is refused from the size its header states, before it is decoded.
Result<RegionPictureTrace> TraceRegionPicture(Document& doc, const std::filesystem::path& programFolder,
                                              const std::string& picturePath, Colour key,
                                              std::optional<int> fit = std::nullopt,
                                              std::string_view fitOption = "--fit",
                                              const RegionProgress& progress = {});

}  // namespace pelterra
