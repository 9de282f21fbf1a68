#include "parts/catalogue.h"

#include "fs/program_path.h"
#include "parts/categories.h"
#include "parts/list_part_files.h"

namespace pelterra {

namespace {

using enum CatalogueList;

enum class StepKind {
    Paired,        // data and mask list, single-folder parts then data\ and mask\ subfolders
    Single,        // one list of X.bmp files (number, text, Easy pictures)
    SliderAndBack  // X.data.bmp into the first list, X.back.bmp into the second
};

struct FillStep {
    std::string_view partName;  // the name its progress line gives the parts
    StepKind kind;
    std::string_view folder;  // as the start-up routine writes it
    ListRef first;
    ListRef second;
};

inline constexpr ListRef kNoList{lstData, -1};

// The start-up fill, one row per progress line, in the order the splash window shows them.
inline constexpr FillStep kFillSteps[] = {
    {"cbutton", StepKind::Paired, "\\PartsData\\Cbuttons", {lstData, 0}, {lstMask, 0}},
    {"Shufrep", StepKind::Paired, "\\PartsData\\shufrep", {lstData, 1}, {lstMask, 1}},
    {"Monoster", StepKind::Paired, "\\PartsData\\monoster", {lstData, 2}, {lstMask, 2}},
    {"Playpaus", StepKind::Paired, "\\PartsData\\playpaus", {lstData, 3}, {lstMask, 3}},
    {"Posbar", StepKind::Paired, "\\PartsData\\slider", {lstData, 4}, {lstMask, 4}},
    {"Number", StepKind::Single, "\\PartsData\\number", {lstData, 7}, kNoList},
    {"TEXT", StepKind::Single, "\\PartsData\\text", {lstData, 8}, kNoList},
    {"Titlebar", StepKind::Paired, "\\PartsData\\titlebar", {lstData, 5}, {lstMask, 5}},
    {"Frame", StepKind::Paired, "\\PartsData\\frame", {lstData, 6}, {lstMask, 6}},
    {"Layer1", StepKind::Paired, "\\PartsData\\frame", {lstData, 9}, {lstMask, 7}},
    {"Layer2", StepKind::Paired, "\\PartsData\\frame", {lstData, 10}, {lstMask, 8}},
    {"Easy", StepKind::Single, "\\PartsData\\eq", {EasyCombo}, kNoList},
    {"Slider", StepKind::SliderAndBack, "\\PartsData\\eq\\slider", {SliderCombo}, {BackColorCombo}},
    {"OnAuto", StepKind::Paired, "\\PartsData\\eq\\onauto", {lstEQData, 0}, {lstEQMask, 0}},
    {"EQ Frame", StepKind::Paired, "\\PartsData\\eq\\frame", {lstEQData, 1}, {lstEQMask, 1}},
    {"EQ Titlebar", StepKind::Paired, "\\PartsData\\eq\\bar", {lstEQData, 2}, {lstEQMask, 2}},
    {"image", StepKind::Paired, "\\PartsData\\eq\\image", {lstEQData, 3}, {lstEQMask, 3}},
    {"Preset", StepKind::Paired, "\\PartsData\\eq\\preset", {lstEQData, 4}, {lstEQMask, 4}},
    {"EQ Layer1", StepKind::Paired, "\\PartsData\\eq\\frame", {lstEQData, 5}, {lstEQMask, 5}},
    {"EQ Layer2", StepKind::Paired, "\\PartsData\\eq\\frame", {lstEQData, 6}, {lstEQMask, 6}},
};
static_assert(std::size(kFillSteps) == 20);

struct ComboFolder {
    CatalogueList combo;
    std::string_view folder;  // as the loaders write it
};

// Where the combo boxes' entries are loaded from; the part lists' folders are columns of the
// category tables.
inline constexpr ComboFolder kComboFolders[] = {
    {EasyCombo, "\\PartsData\\eq\\"},
    {SliderCombo, "\\PartsData\\eq\\slider\\"},
    {BackColorCombo, "\\PartsData\\eq\\slider\\"},
};
static_assert(std::size(kComboFolders) == 3);

struct ControlInfo {
    CatalogueList list;
    ControlName name;
    int size;  // number of controls in the array; 0 for a single control
};

inline constexpr ControlInfo kControls[] = {
    {lstData, ctl::lstData, 11},     {lstMask, ctl::lstMask, 9},         {lstEQData, ctl::lstEQData, 7},
    {lstEQMask, ctl::lstEQMask, 7},  {EasyCombo, ctl::EasyCombo, 0},     {SliderCombo, ctl::SliderCombo, 0},
    {BackColorCombo, ctl::BackColorCombo, 0},
};
static_assert(std::size(kControls) == 7);

// kControls is looked up by enumerator value, so its rows must follow the enumeration.
constexpr bool controlsFollowEnumeration() {
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
        if (static_cast<std::size_t>(kControls[i].list) != i) return false;
    }
    return true;
}
static_assert(controlsFollowEnumeration());

const ControlInfo& infoOf(CatalogueList list) { return kControls[static_cast<int>(list)]; }

bool validIndex(const ControlInfo& info, int index) {
    return info.size == 0 ? (index == -1 || index == 0) : (index >= 0 && index < info.size);
}

bool sameList(ListRef a, ListRef b) {
    const bool single = infoOf(a.list).size == 0;
    return a.list == b.list && (single || a.index == b.index);
}

// The folders of the library that are there but cannot be read, each once. A missing folder
// only leaves its lists empty, as the library may lack a category or its data and mask subfolders.
class UnreadableFolders {
public:
    void note(const Status& listed) {
        if (listed || isNotFound(listed.error())) return;
        for (const Error& known : m_errors)
            if (known.path == listed.error().path) return;
        m_errors.push_back(listed.error());
    }
    std::vector<Error> take() { return std::move(m_errors); }

private:
    std::vector<Error> m_errors;
};

// The four calls of a category with a data and a mask list.
void fillPaired(PartsCatalogue& catalogue, const std::filesystem::path& programFolder, const FillStep& step,
                UnreadableFolders& unreadable) {
    PartList& data = catalogue.at(step.first);
    PartList& mask = catalogue.at(step.second);
    const std::string folder(step.folder);
    unreadable.note(ListPartFiles(data, programFolder, folder, ".data.bmp"));
    unreadable.note(ListPartFiles(mask, programFolder, folder, ".mask.bmp"));
    data.firstSectionCount = data.count();
    mask.firstSectionCount = mask.count();
    unreadable.note(ListPartFiles(data, programFolder, folder + "\\data", ".bmp"));
    unreadable.note(ListPartFiles(mask, programFolder, folder + "\\mask", ".bmp"));
}

// Lists without subfolders: every entry is a single-folder one, so the count is the whole list.
void fillSingle(PartList& list, const std::filesystem::path& programFolder, std::string_view folder,
                std::string_view suffix, UnreadableFolders& unreadable) {
    unreadable.note(ListPartFiles(list, programFolder, folder, suffix));
    list.firstSectionCount = list.count();
}

void runStep(PartsCatalogue& catalogue, const std::filesystem::path& programFolder, const FillStep& step,
             UnreadableFolders& unreadable) {
    switch (step.kind) {
    case StepKind::Paired:
        fillPaired(catalogue, programFolder, step, unreadable);
        break;
    case StepKind::Single:
        fillSingle(catalogue.at(step.first), programFolder, step.folder, ".bmp", unreadable);
        break;
    case StepKind::SliderAndBack:
        fillSingle(catalogue.at(step.first), programFolder, step.folder, ".data.bmp", unreadable);
        fillSingle(catalogue.at(step.second), programFolder, step.folder, ".back.bmp", unreadable);
        break;
    }
}

Words progressWords(const FillStep& step) {
    return Words(CoreMessage::wording("Loading the %1 parts"), {std::string(step.partName)});
}

std::string joinTail(std::string_view folder, std::string_view rest) {
    std::string tail(folder);
    if (tail.empty() || tail.back() != '\\') tail += '\\';
    tail += rest;
    return tail;
}

}  // namespace

ControlName controlName(CatalogueList list) { return infoOf(list).name; }

std::string controlLabel(ListRef ref) {
    std::string label(controlName(ref.list).written());
    if (infoOf(ref.list).size > 0) {
        label += '(';
        label += std::to_string(ref.index);
        label += ')';
    }
    return label;
}

PartList* PartsCatalogue::find(ControlName name, int index) {
    for (const ControlInfo& info : kControls) {
        if (info.name == name) return validIndex(info, index) ? &at({info.list, index}) : nullptr;
    }
    return nullptr;
}

const PartList* PartsCatalogue::find(ControlName name, int index) const {
    return const_cast<PartsCatalogue*>(this)->find(name, index);
}

PartList& PartsCatalogue::at(ListRef ref) {
    switch (ref.list) {
    case CatalogueList::lstData: return lstData.at(static_cast<std::size_t>(ref.index));
    case CatalogueList::lstMask: return lstMask.at(static_cast<std::size_t>(ref.index));
    case CatalogueList::lstEQData: return lstEQData.at(static_cast<std::size_t>(ref.index));
    case CatalogueList::lstEQMask: return lstEQMask.at(static_cast<std::size_t>(ref.index));
    case CatalogueList::EasyCombo: return EasyCombo;
    case CatalogueList::SliderCombo: return SliderCombo;
    case CatalogueList::BackColorCombo: return BackColorCombo;
    }
    return EasyCombo;  // unreachable: every enumerator is handled above
}

const PartList& PartsCatalogue::at(ListRef ref) const { return const_cast<PartsCatalogue*>(this)->at(ref); }

std::vector<ListRef> PartsCatalogue::allLists() {
    std::vector<ListRef> refs;
    for (const ControlInfo& info : kControls) {
        if (info.size == 0) refs.push_back({info.list, -1});
        for (int i = 0; i < info.size; ++i) refs.push_back({info.list, i});
    }
    return refs;
}

FilledCatalogue readPartsCatalogue(const std::filesystem::path& programFolder, const CatalogueProgress& progress) {
    FilledCatalogue filled;
    UnreadableFolders unreadable;
    for (const FillStep& step : kFillSteps) {
        if (progress) progress(progressWords(step));
        runStep(filled.lists, programFolder, step, unreadable);
    }
    filled.unreadableFolders = unreadable.take();
    return filled;
}

PartsCatalogue fillPartsCatalogue(const std::filesystem::path& programFolder, const CatalogueProgress& progress) {
    return readPartsCatalogue(programFolder, progress).lists;
}

std::vector<Words> catalogueProgress() {
    std::vector<Words> lines;
    for (const FillStep& step : kFillSteps) lines.push_back(progressWords(step));
    return lines;
}

std::vector<std::string> catalogueProgressLines() {
    std::vector<std::string> lines;
    for (const Words& line : catalogueProgress()) lines.push_back(line.english());
    return lines;
}

std::string partFileTail(std::string_view folder, std::string_view entry, int index, int firstSectionCount,
                         PartImage image) {
    const bool singleFolderForm = index < firstSectionCount;
    const std::string name(entry);
    if (singleFolderForm) return joinTail(folder, name + (image == PartImage::Data ? ".data.bmp" : ".mask.bmp"));
    return joinTail(folder, (image == PartImage::Data ? "data\\" : "mask\\") + name + ".bmp");
}

std::optional<std::string> partFileTail(std::string_view folder, const PartList& list, int index, PartImage image) {
    if (index < 0 || index >= list.count()) return std::nullopt;
    return partFileTail(folder, list.entries[static_cast<std::size_t>(index)], index, list.firstSectionCount, image);
}

std::string defaultMaskTail(std::string_view folder) { return joinTail(folder, "Default_white.mask.bmp"); }

std::optional<std::string_view> partFolderOf(ListRef ref) {
    switch (ref.list) {
        case lstData:
            if (const MainCategory* c = mainCategory(ref.index)) return c->folder;
            return std::nullopt;
        case lstMask:
            for (const MainCategory& c : kMainCategories)
                if (c.maskList != kNone && c.maskList == ref.index) return c.folder;
            return std::nullopt;
        case lstEQData:
        case lstEQMask:
            if (const EqCategory* c = eqCategory(ref.index)) return c->folder;
            return std::nullopt;
        default:
            for (const ComboFolder& row : kComboFolders)
                if (row.combo == ref.list) return row.folder;
            return std::nullopt;
    }
}

}  // namespace pelterra
