// The files of a project folder: the numbered BMP files of the picture slots that cannot be
// remade from the parts library, in the order they are written and read, the three text files,
// and the files the project manifest adds so that a loaded project rebuilds the same skin.
#pragma once

#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "document/slot.h"

namespace pelterra {

// A run of picture slots saved as word + index + ".bmp" ("MainData11.bmp").
struct ProjectPictureRun {
    std::string_view word;
    SlotName slot;
    int first, last;
};

// Written and read in this order; EQData6.bmp comes twice (the same slot both times).
inline constexpr ProjectPictureRun kProjectPictures[] = {
    {"MainData", pic::picData, 11, 16},           // untouched copies of the recoloured main parts
    {"MainData", pic::picData, 6, 10},            // frame, number, text, layer 1, layer 2
    {"MainMask", pic::picMask, 0, 8},             // masks of the main-window positions 0..8
    {"EQData", pic::picEQData, 6, 9},             // layer 2 and the untouched copies
    {"EQData", pic::picEQData, 1, 1},             // frame
    {"EQData", pic::picEQData, 5, 5},             // layer 1
    {"EQData", pic::picEQData, 6, 6},             // layer 2 again
    {"EQMask", pic::picEQMask, 0, 6},             // masks of the seven equalizer positions
    {"PLParts", pic::picPLPartsData, 0, 43},      // playlist parts
    {"PLButton", pic::picPLButton, 0, 9},         // playlist buttons
    {"PLButtonBack", pic::picPLButtonBack, 0, 4}, // playlist button backgrounds
};
static_assert(std::size(kProjectPictures) == 11, "eleven runs of project pictures");

// The text files, written on save and not read on load.
inline constexpr std::string_view kProjectPledit = "pledit.txt";
inline constexpr std::string_view kProjectMaron = "maron.txt";
inline constexpr std::string_view kProjectViscolor = "viscolor.txt";

// The manifest beside the pictures.
inline constexpr std::string_view kProjectManifest = "project.ini";

// One picture the manifest carries beyond the described set: a slot the build reads and the
// project otherwise leaves out. Array slots are named like the described files.
struct ManifestPicture {
    std::string_view file;
    SlotRef slot;
};

inline constexpr ManifestPicture kManifestPictures[] = {
    {"Picture1.bmp", {pic::Picture1, -1}},                 // main face (upper band)
    {"Picture2.bmp", {pic::Picture2, -1}},                 // second band
    {"PreEQMainData.bmp", {pic::PreEQMainData, -1}},       // equalizer face from the picture
    {"PreEQMainData2.bmp", {pic::PreEQMainData2, -1}},     // equalizer face opened by itself
    {"picPrePLmain0.bmp", {pic::picPrePLmain, 0}},         // playlist faces
    {"picPrePLmain1.bmp", {pic::picPrePLmain, 1}},
    {"PreSliderData.bmp", {pic::PreSliderData, -1}},       // equalizer slider Data
    {"PreSliderMask.bmp", {pic::PreSliderMask, -1}},       // equalizer slider Mask
    {"EQSliderBackColor.bmp", {pic::EQSliderBackColor, -1}},  // equalizer slider back colour
    {"MainMask9.bmp", {pic::picMask, 9}},                  // layer 1 Mask
    {"MainMask10.bmp", {pic::picMask, 10}},                // layer 2 Mask
    {"EQData10.bmp", {pic::picEQData, 10}},                // untouched copy of the preset button
    {"PLButtonBack5.bmp", {pic::picPLButtonBack, 5}},      // composed playlist button groups
    {"PLButtonBack6.bmp", {pic::picPLButtonBack, 6}},
    {"PLButtonBack7.bmp", {pic::picPLButtonBack, 7}},
    {"PLButtonBack8.bmp", {pic::picPLButtonBack, 8}},
    {"PLButtonBack9.bmp", {pic::picPLButtonBack, 9}},
};
static_assert(std::size(kManifestPictures) == 17, "seventeen pictures carried by the manifest");

// A described picture file and its slot, in the order of the save and the load.
struct ProjectPictureFile {
    std::string file;  // "MainData11.bmp"
    SlotRef slot;
};

// The 93 entries of kProjectPictures, run by run.
std::vector<ProjectPictureFile> ProjectPictureFiles();

}  // namespace pelterra
