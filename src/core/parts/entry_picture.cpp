#include "parts/entry_picture.h"

#include <array>

#include "equalizer/eq_parts.h"
#include "fs/program_path.h"
#include "image/picture_file.h"
#include "parts/catalogue.h"
#include "parts/categories.h"
#include "parts/easy_import.h"
#include "playlist/playlist_styles.h"

namespace pelterra {

namespace {

// The combo boxes: the file of entry X is folder + X + suffix.
struct ComboPicture {
    ControlName combo;
    std::string_view folder;
    std::string_view suffix;
};
constexpr ComboPicture kComboPictures[] = {
    {ctl::EasyCombo, kEasyFolder, ".bmp"},
    {ctl::SliderCombo, kEqSliderFolder, ".data.bmp"},
    {ctl::BackColorCombo, kEqSliderFolder, ".back.bmp"},
    {ctl::PLStyleCombo, kPlaylistStyleFolder, "\\layout.bmp"},
};
static_assert(std::size(kComboPictures) == 4);

std::optional<std::string> partListTail(const Control& c, CatalogueList kind, int index, int entry) {
    const ListRef ref{kind, index};
    const std::optional<std::string_view> folder = partFolderOf(ref);
    if (!folder) return std::nullopt;
    const std::string& name = c.entries[static_cast<std::size_t>(entry)];
    // Number and text hold one picture per entry, folder\X.bmp.
    if (kind == CatalogueList::lstData) {
        const MainCategory* category = mainCategory(index);
        if (category && category->maskList == kNone) return std::string(*folder) + name + ".bmp";
    }
    const bool mask = kind == CatalogueList::lstMask || kind == CatalogueList::lstEQMask;
    return partFileTail(*folder, name, entry, c.firstSectionCount, mask ? PartImage::Mask : PartImage::Data);
}

}  // namespace

std::optional<std::string> entryPictureTail(const Document& doc, ControlName list, int index, int entry) {
    if (!doc.hasControl(list, index)) return std::nullopt;
    const Control& c = doc.control(list, index);
    if (c.kind != ControlKind::List || entry < 0 || entry >= static_cast<int>(c.entries.size())) return std::nullopt;
    constexpr std::array kPartLists = {CatalogueList::lstData, CatalogueList::lstMask, CatalogueList::lstEQData,
                                       CatalogueList::lstEQMask};
    for (CatalogueList kind : kPartLists)
        if (controlName(kind) == list) return partListTail(c, kind, index, entry);
    for (const ComboPicture& row : kComboPictures)
        if (row.combo == list)
            return std::string(row.folder) + c.entries[static_cast<std::size_t>(entry)] + std::string(row.suffix);
    return std::nullopt;
}

Result<Bitmap> LoadEntryPicture(const Document& doc, const std::filesystem::path& programFolder, ControlName list,
                                int index, int entry) {
    const std::optional<std::string> tail = entryPictureTail(doc, list, index, entry);
    if (!tail)
        return Error{"",
                     CoreMessage::wording("entry %1 of %2 has no picture in the parts library"),
                     {entry, controlKey(list, index)}};
    Result<std::filesystem::path> path = resolveProgramPath(programFolder, *tail);
    if (!path) return path.error();
    return LoadPicture(path->string());
}

}  // namespace pelterra
