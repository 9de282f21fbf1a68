#include "region/region_editor.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "fs/program_path.h"
#include "image/drawing.h"
#include "image/picture_file.h"
#include "text/quote.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

constexpr int kW = kRegionImageWidth;
constexpr int kH = kRegionImageHeight;

// One channel of the key colour: its scroll bar and its text box.
struct KeyChannel {
    ControlName bar;
    ControlName box;
    Wording name;
};
constexpr KeyChannel kKeyChannels[] = {
    {ctl::HsRed, ctl::RegionRed, CoreMessage::wording("red")},
    {ctl::HsGreen, ctl::RegionGreen, CoreMessage::wording("green")},
    {ctl::HsBlue, ctl::RegionBlue, CoreMessage::wording("blue")},
};
static_assert(std::size(kKeyChannels) == 3);

bool isOneWindow(int width, int height) { return width == kW && height == kH; }
bool isTwoWindows(int width, int height) { return width == kW && height == 2 * kH; }
bool isOneWindow(const Bitmap& p) { return isOneWindow(p.width(), p.height()); }
bool isTwoWindows(const Bitmap& p) { return isTwoWindows(p.width(), p.height()); }

// Draws the source rows top..top+height-1 of the picture onto an area at (1, 1), scaled to one
// 275 x 116 window (1:1 when they are that size already).
void drawOntoArea(Document& doc, int item, const Bitmap& picture, int top, int height) {
    PaintPicture(doc.slot(pic::RegionArea, item), picture, 1, 1, kW, kH, 0, top, picture.width(), std::max(1, height));
    doc.slotChanged(pic::RegionArea, item);
}

void setEqRegionFlag(Document& doc, int flag) { doc.setValue(ctl::EqRegionFlag, flag); }

void showEqArea(Document& doc, bool shown) {
    doc.setVisible(ctl::RegionArea, 1, shown);
    doc.setEnabled(ctl::RegionArea, 1, shown);
}

void loadOneWindow(Document& doc, const Bitmap& picture, int height) {
    drawOntoArea(doc, 0, picture, 0, height);
    showEqArea(doc, false);
    setEqRegionFlag(doc, 0);
}

void loadTwoWindows(Document& doc, const Bitmap& picture) {
    const int half = picture.height() / 2;
    drawOntoArea(doc, 0, picture, 0, half);
    drawOntoArea(doc, 1, picture, std::min(half, picture.height() - 1), picture.height() - half);
    showEqArea(doc, true);
    setEqRegionFlag(doc, 1);
}

Error needsDialogError() {
    return Error{"",
                 CoreMessage::wording(
                     "the region picture is not 275*116 or 275*232 and there is no dialog to ask how to convert it")};
}

// The size answers a run without the dialog can give: 0 and 1 draw the picture into the areas.
// 2 (cancel) would trace nothing, and 3 keeps the areas as an earlier region picture left them,
// which such a run does not have: it would outline an empty window.
Status checkFitAnswer(std::optional<int> fit, std::string_view fitOption) {
    if (!fit || *fit == static_cast<int>(HowFormAnswer::Stretch) || *fit == static_cast<int>(HowFormAnswer::SplitInHalves))
        return ok();
    const std::string option(fitOption);
    if (*fit == static_cast<int>(HowFormAnswer::SplitInThirds))
        return Error{"",
                     CoreMessage::wording(
                         "%1 3 keeps the picture areas as an earlier region picture left them, and there is none here: "
                         "the trace would outline an empty window. Give %1 0 (stretch to one window) or "
                         "%1 1 (two windows)"),
                     {option}};
    return Error{
        "",
        CoreMessage::wording("%1 %2 is not a way to fit a region picture: give %1 0 (stretch to one window) or %1 1 "
                             "(two windows)"),
        {option, *fit}};
}

// A key colour box's text as a channel value: a whole number from 0 to 255, spaces around it
// allowed.
bool parseChannel(std::string_view text, int& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty() && value >= 0 && value <= 255;
}

}  // namespace

void ReloadCutOutResults(Document& doc, const fs::path& programFolder) {
    Bitmap background;
    if (auto path = resolveProgramPath(programFolder, kRegionBackgroundTail)) {
        if (auto picture = LoadPicture(path->string())) background = std::move(*picture);
    }
    doc.assignSlot(pic::RegionSource, 0, background);
    doc.assignSlot(pic::RegionSource, 1, background);
}

Result<int> LoadRegionPicture(Document& doc, const fs::path& programFolder, Bitmap given,
                              const HowFormDialog& howForm) {
    if (given.empty())
        return Error{"", CoreMessage::wording("the region picture is empty: it has no pixels to trace")};
    const bool askSize = !isOneWindow(given) && !isTwoWindows(given);
    if (askSize && !howForm) return needsDialogError();
    // The dialog is asked before anything changes, so that an answer it cannot give leaves the
    // page as it was.
    const int syori = askSize ? howForm() : -1;
    if (askSize && (syori < 0 || syori > 3))
        return Error{"",
                     CoreMessage::wording(
                         "the picture-size dialog gave the answer %1, which is none of its four buttons (0 to 3)"),
                     {syori}};

    // Form3.Picture1 keeps the picture; the areas are drawn from it there, so that a large
    // picture is held once.
    doc.work.form3Picture1 = std::move(given);
    const Bitmap& picture = doc.work.form3Picture1;
    doc.setValue(ctl::RegionCheck, 0);
    doc.setEnabled(ctl::RegionCheck, -1, false);
    doc.setEnabled(ctl::BtnMakeRegion, -1, true);

    if (isOneWindow(picture)) {
        loadOneWindow(doc, picture, kH);
    } else if (isTwoWindows(picture)) {
        loadTwoWindows(doc, picture);
    } else {
        if (Status answered = AnswerHowForm(doc, syori); !answered) return answered.error();
        switch (static_cast<HowFormAnswer>(syori)) {
            case HowFormAnswer::Cancel: return syori;  // the areas stay as they were
            case HowFormAnswer::Stretch: loadOneWindow(doc, picture, picture.height()); break;
            case HowFormAnswer::SplitInHalves:
                loadTwoWindows(doc, picture);
                doc.setVisible(ctl::Picture2, -1, true);
                doc.setVisible(ctl::EqUporDown, -1, true);
                doc.setEnabled(ctl::EqUporDown, -1, true);
                break;
            case HowFormAnswer::SplitInThirds: break;  // draws nothing
        }
    }
    ReloadCutOutResults(doc, programFolder);
    return syori;
}

Result<int> LoadRegion(Document& doc, const fs::path& programFolder, const std::string& filePath,
                       const HowFormDialog& howForm) {
    if (filePath.empty()) return -1;
    Result<Bitmap> picture = LoadPicture(filePath);
    if (!picture) return picture.error();
    Result<int> loaded = LoadRegionPicture(doc, programFolder, std::move(*picture), howForm);
    if (!loaded) return loaded.error().withPath(filePath);
    return loaded;
}

Status PasteRegionArea(Document& doc, int item, const std::optional<Bitmap>& clipboard) {
    if (!clipboard) return Error{"", CoreMessage::wording("the clipboard holds no picture to paste")};
    doc.assignSlot(pic::RegionArea, item, *clipboard);
    return ok();
}

void SetRegionKeyColour(Document& doc, Colour key) {
    const int channels[3] = {GetRed(key), GetGreen(key), GetBlue(key)};
    for (int i = 0; i < 3; ++i) {
        doc.setValue(kKeyChannels[i].bar, channels[i]);
        doc.setText(kKeyChannels[i].box, std::to_string(channels[i]));
    }
}

void PickRegionKeyColour(Document& doc, int item, double x, double y) {
    const Bitmap& area = doc.slot(pic::RegionArea, item);
    const long px = std::lround(x);
    const long py = std::lround(y);
    if (px < 0 || py < 0 || px >= area.width() || py >= area.height()) return;
    SetRegionKeyColour(doc, area.at(static_cast<int>(px), static_cast<int>(py)));
}

void RegionKeyBarChanged(Document& doc, ControlName bar) {
    for (const KeyChannel& c : kKeyChannels)
        if (c.bar == bar) doc.setText(c.box, std::to_string(doc.value(c.bar)));
}

Result<Colour> ReadRegionKeyColour(const Document& doc) {
    int channels[3] = {};
    for (int i = 0; i < 3; ++i) {
        const KeyChannel& c = kKeyChannels[i];
        if (!parseChannel(doc.text(c.box), channels[i]))
            return Error{"",
                         CoreMessage::wording("%1: the key colour's %2 value %3 is not a whole number from 0 to 255"),
                         {std::string(c.box.written()), c.name, QuoteForMessage(doc.text(c.box))}};
    }
    return RGB(channels[0], channels[1], channels[2]);
}

Result<RegionTrace> MakeRegion(Document& doc, const fs::path& programFolder, const RegionProgress& progress,
                               WorkFileNeed workFiles) {
    auto key = ReadRegionKeyColour(doc);
    if (!key) return key.error();
    ReloadCutOutResults(doc, programFolder);
    for (int item = 0; item < 2; ++item) {
        Line(doc.slot(pic::RegionArea, item), 0, 0, kW + 1, kH + 1, *key, LineForm::Box);
        doc.slotChanged(pic::RegionArea, item);
    }
    auto trace = TraceRegionAreas(doc, *key, progress, workFiles);
    if (!trace) return trace.error();
    doc.setEnabled(ctl::RegionCheck, -1, true);
    return trace;
}

Result<RegionPictureTrace> TraceRegionPicture(Document& doc, const fs::path& programFolder,
                                              const std::string& picturePath, Colour key, std::optional<int> fit,
                                              std::string_view fitOption, const RegionProgress& progress) {
    if (picturePath.empty()) return Error{"", CoreMessage::wording("no region picture was named")};
    if (Status answer = checkFitAnswer(fit, fitOption); !answer) return answer.error();
    // The size is read from the header, and a picture that needs a fit answer without one is
    // refused before anything is decoded: the refusal costs nothing however large the picture.
    Result<std::vector<std::uint8_t>> bytes = ReadPictureFile(picturePath);
    if (!bytes) return bytes.error();
    Result<PictureSize> size = ReadPictureSize(*bytes, picturePath);
    if (!size) return size.error();
    if (!isOneWindow(size->width, size->height) && !isTwoWindows(size->width, size->height) && !fit)
        return Error{picturePath,
                     CoreMessage::wording(
                         "the region picture is %1*%2, neither 275*116 nor 275*232: say how to fit it with %3 0 "
                         "(stretch it to one window) or %3 1 (split it into two windows)"),
                     {size->width, size->height, std::string(fitOption)}};
    Result<Bitmap> picture = DecodePicture(*bytes, picturePath);
    if (!picture) return picture.error();
    bytes = std::vector<std::uint8_t>{};  // the file's bytes are no longer needed beside its pixels
    const int combinedPictureFlag = doc.combinedPictureFlag;
    const std::string syori = doc.text(ctl::Syori);
    HowFormDialog howForm;
    if (fit) howForm = [answer = *fit] { return answer; };
    Result<int> loaded = LoadRegionPicture(doc, programFolder, std::move(*picture), howForm);
    if (!loaded) return loaded.error().withPath(picturePath);
    if (doc.combinedPictureFlag != combinedPictureFlag) {
        doc.combinedPictureFlag = combinedPictureFlag;
        doc.notify({ChangeEvent::Kind::Flags, {}});
    }
    doc.setText(ctl::Syori, syori);

    SetRegionKeyColour(doc, key);
    auto trace = MakeRegion(doc, programFolder, progress, WorkFileNeed::Optional);
    if (!trace) return trace.error();
    auto text = WriteRegionText(doc, trace->workFilesSkipped);
    if (!text) return text.error();
    doc.setValue(ctl::RegionCheck, 1);
    trace->workFilesSkipped = text->workCopySkipped;
    return RegionPictureTrace{*trace, *text};
}

}  // namespace pelterra
