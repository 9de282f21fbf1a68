// "Save" of the preview window: writes the skin file set into a new folder, or packs it into
// one archive. Every file is written under a temporary name first and put in place only when
// all of them were written, so a save that fails leaves the earlier files of a skin intact. An
// archive is packed from the files made in memory; nothing is written into PartsData.
#pragma once

#include <filesystem>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "output/destination.h"
#include "fs/output_set.h"
#include "result.h"
#include "text/words.h"

namespace pelterra {

struct SavedSkin {
    Destination destination;
    std::filesystem::path folder;     // the skin folder, or the folder that holds the archive
    std::vector<std::string> files;   // the written file names, in the archive's order
};

// The skin files the save writes, by name, in the order they are packed.
std::vector<std::string> SkinFileList(const Document& doc);

// The sheets every player needs: Audacious refuses a skin that lacks any of them and shows its
// own instead (balance.bmp falls back to volume.bmp; the others replace a missing sheet with
// their built-in one).
inline constexpr std::string_view kFilesPlayersNeed[] = {
    "main.bmp",
    "cbuttons.bmp",
    "titlebar.bmp",
    "shufrep.bmp",
    "text.bmp",
    "volume.bmp",
    "monoster.bmp",
    "playpaus.bmp",
    "numbers.bmp",
    "posbar.bmp",
    "eqmain.bmp",
    "pledit.bmp",
};
static_assert(std::size(kFilesPlayersNeed) == 12);

// The files of kFilesPlayersNeed, in that order, that a save of this document would not write
// ("EQ部分だけ出力する" leaves out the main window's, a clear "PLを出力する" pledit.bmp).
std::vector<std::string> MissingPlayerFiles(const Document& doc);

// The warning to give before such a save, naming the missing files; none when nothing is missing.
std::optional<Words> MissingPlayerFilesWarning(const Document& doc);

// One file of the set as the save gathers it: a sheet (the document's picture, written as a
// 24-bit BMP) or a text file (its bytes, made when asked for).
struct SkinFileSource {
    std::string name;
    const Bitmap* sheet = nullptr;
    std::function<Result<std::string>()> text;
};

// Whether gathering region.txt also leaves its copy in the work folder, as the save does.
enum class RegionWorkCopy { Write, Leave };

// The files of the save, in the archive's order (the sheets must have been built); the player
// view reads these, so it shows exactly what a save would write.
Result<std::vector<SkinFileSource>> GatherSkinFiles(Document& doc, RegionWorkCopy workCopy);

// The text files a save may write, beside the sheets of kSkinSheets.
inline constexpr std::string_view kSkinTextFiles[] = {"pledit.txt", "maron.txt", "region.txt", "viscolor.txt", "asp.txt"};
static_assert(std::size(kSkinTextFiles) == 5);

// Sheets this program does not write that players draw in preference to ones it does (the
// digits, the shaded equalizer): left in a skin folder from an earlier skin they would show.
inline constexpr std::string_view kSheetsPlayersPrefer[] = {"nums_ex.bmp", "eq_ex.bmp"};

// Whether a file of this name in a skin folder belongs to the skin a save replaces (any letter
// case): the save's own files and those above. Other files of the folder are the user's and stay.
bool IsSkinFileName(std::string_view name);

// Makes the skin's files and stages them in `outputs` (see fs/output_set.h) without putting
// anything in place: the caller commits them together with its other outputs.
Result<SavedSkin> StageSkin(Document& doc, const Destination& destination, OutputSet& outputs);

// Writes the skin (the sheets must have been built). With "Zip圧縮して保存する" the files are
// packed into base\name.zip; else written into a new folder that replaces base\name as a whole
// (files of an earlier skin gone, the user's own files kept). A failed save changes nothing. Failures name the file and what went wrong.
Result<SavedSkin> SaveSkin(Document& doc, const std::filesystem::path& programFolder);

// The same save to a destination chosen by the caller (the command line's -o).
Result<SavedSkin> SaveSkinTo(Document& doc, const std::filesystem::path& programFolder,
                             const Destination& destination);

}  // namespace pelterra
