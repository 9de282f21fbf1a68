#include "playlist/playlist_styles.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <system_error>

#include "document/part_masks.h"
#include "fs/ignore_case.h"
#include "fs/program_path.h"
#include "fs/system_reason.h"
#include "image/blit.h"
#include "image/picture_file.h"
#include "image/stretch.h"
#include "parts/part_loading.h"
#include "playlist/playlist_commands.h"
#include "playlist/playlist_layout.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

constexpr SlotName kParts = pic::picPLPartsData;

// The cut-outs a style runs, in table order so that a small button lands on its corner or shade
// bar after that piece was cut: the frame, the inactive row and the shade bar (0..16), the small
// buttons of the active and inactive corners and their pressed states (27..32), the active shade
// bar's buttons (33, 34; both shade rows are laid from that one slot) and the third pressed button
// (37). The button groups are cut separately, with their captions.
constexpr int kStyleCuts[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                              14, 15, 16, 27, 28, 29, 30, 31, 32, 33, 34, 37};

bool isVisibleFolder(const fs::directory_entry& entry) {
    std::error_code error;
    const std::string name = entry.path().filename().string();
    return !name.empty() && name.front() != '.' && name.find('\\') == std::string::npos &&
           entry.is_directory(error);
}

struct StyleSheet {
    int slot;
    Bitmap picture;
};

struct StyleExtra {
    const PlaylistStyleExtra* kind;
    Bitmap picture;
};

struct StyleSheets {
    std::vector<StyleSheet> sheets;
    std::vector<StyleExtra> extras;
};

Result<Bitmap> readStyleFile(const fs::path& programFolder, const std::string& style, std::string_view name) {
    const std::string tail = std::string(kPlaylistStyleFolder) + style + "\\" + std::string(name);
    Result<fs::path> path = resolveProgramPath(programFolder, tail);
    if (!path) return path.error();
    return LoadPicture(path->string());
}

Result<StyleSheets> readStyle(const fs::path& programFolder, const std::string& style) {
    StyleSheets read;
    for (const PlaylistStyleFile& file : kPlaylistStyleFiles) {
        Result<Bitmap> picture = readStyleFile(programFolder, style, file.name);
        if (!picture) return picture.error();
        read.sheets.push_back({file.slot, std::move(*picture)});
    }
    for (const PlaylistStyleExtra& extra : kPlaylistStyleExtras) {
        const std::string tail = std::string(kPlaylistStyleFolder) + style + "\\" + std::string(extra.name);
        if (!programFileExists(programFolder, tail)) continue;
        Result<Bitmap> picture = readStyleFile(programFolder, style, extra.name);
        if (!picture) return picture.error();
        read.extras.push_back({&extra, std::move(*picture)});
    }
    return read;
}

// The Masks of every part the style cuts start black again, so that each covers exactly what its
// cut-outs write and a part of an earlier style or file shows nowhere.
void clearCutPartMasks(Document& doc) {
    for (const int k : kStyleCuts) {
        const std::optional<SlotRef> mask = PartMaskOf({kParts, PLCopyTarget(k)});
        if (!mask) continue;
        doc.slot(mask->name, mask->index).fill(kBlack);
        doc.slotChanged(mask->name, mask->index);
    }
}

bool isInactivePart(int slot) { return slot == 20 || slot == 22 || slot == 24 || slot == 26; }

// The extra sheets stretched to their sheet slot's width (and, for a mask, its height), as the
// sheets themselves were, so that the cut-out rectangles fit them alike.
std::vector<StyleExtra> sizedExtras(Document& doc, const std::vector<StyleExtra>& extras) {
    std::vector<StyleExtra> sized;
    for (const StyleExtra& extra : extras) {
        const Bitmap& sheet = doc.slot(kParts, extra.kind->sheetSlot);
        const bool topRow = extra.kind->use == PlaylistStyleExtraUse::InactiveTopRow;
        Bitmap picture(sheet.width(), topRow ? extra.picture.height() : sheet.height());
        StretchToSlot(doc.work, extra.picture, picture);
        sized.push_back({extra.kind, std::move(picture)});
    }
    return sized;
}

// The style's extra sheets laid over what cut-out `cut` just wrote, with the same rectangle: the
// inactive top row into an inactive part, a mask sheet into the part's Mask.
void applyExtras(Document& doc, const std::vector<StyleExtra>& extras, const PLCut& cut) {
    for (const StyleExtra& extra : extras) {
        if (extra.kind->sheetSlot != cut.fromSlot) continue;
        if (extra.kind->use == PlaylistStyleExtraUse::InactiveTopRow) {
            if (!isInactivePart(cut.to)) continue;
            PaintBlit(doc.slot(kParts, cut.to), extra.picture, cut.copy);
            doc.slotChanged(kParts, cut.to);
            continue;
        }
        const std::optional<SlotRef> mask = PartMaskOf({kParts, cut.to});
        if (!mask) continue;
        PaintBlit(doc.slot(mask->name, mask->index), extra.picture, cut.copy);
        doc.slotChanged(mask->name, mask->index);
    }
}

Status putStyle(Document& doc, const StyleSheets& style) {
    for (const StyleSheet& sheet : style.sheets)
        if (Status put = LoadPlaylistSlotPicture(doc, kParts, sheet.slot, sheet.picture); !put) return put;
    clearCutPartMasks(doc);
    const std::vector<StyleExtra> extras = sizedExtras(doc, style.extras);
    for (const int k : kStyleCuts) {
        if (Status cut = cmdPLCopy(doc, k); !cut) return cut;
        if (const std::optional<PLCut> piece = PLCopyCut(k)) applyExtras(doc, extras, *piece);
    }
    for (int g = 0; g < playlist::kButtonGroupCount; ++g) {
        CutPlaylistButtonGroup(doc, g, PLButtonSheet::Background);
        CutPlaylistButtonGroup(doc, g, PLButtonSheet::Text);
    }
    return ok();
}

}  // namespace

Result<std::vector<std::string>> ListPlaylistStyles(const fs::path& programFolder) {
    const Result<fs::path> folder = resolveProgramPath(programFolder, kPlaylistStyleFolder);
    if (!folder) return folder.error();
    std::error_code error;
    fs::directory_iterator walk(*folder, error);
    std::vector<std::string> styles;
    for (; !error && walk != fs::directory_iterator(); walk.increment(error))
        if (isVisibleFolder(*walk)) styles.push_back(walk->path().filename().string());
    if (error)
        return Error{folder->string(), CoreMessage::wording("cannot read the folder: %1"), {SystemReason(error)}};
    std::sort(styles.begin(), styles.end(),
              [](const std::string& a, const std::string& b) { return lessIgnoringCase(a, b); });
    return styles;
}

Status FillPlaylistStyleList(Document& doc, const fs::path& programFolder) {
    Result<std::vector<std::string>> styles = ListPlaylistStyles(programFolder);
    std::vector<std::string> entries = styles ? std::move(*styles) : std::vector<std::string>{};
    const int count = static_cast<int>(entries.size());
    doc.setListEntries(ctl::PLStyleCombo, -1, std::move(entries), count);
    if (!styles && !isNotFound(styles.error())) return styles.error();
    return ok();
}

Status ChoosePlaylistStyle(Document& doc, const fs::path& programFolder, int entry) {
    return SelectAndLoad(doc, {ctl::PLStyleCombo, -1}, entry, [&]() -> Status {
        Result<StyleSheets> sheets = readStyle(programFolder, doc.selectedEntry(ctl::PLStyleCombo));
        if (!sheets) return sheets.error();
        return putStyle(doc, *sheets);
    });
}

}  // namespace pelterra
