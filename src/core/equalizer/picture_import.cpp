#include "equalizer/picture_import.h"

#include <algorithm>
#include <filesystem>

#include "equalizer/eq_parts.h"
#include "image/drawing.h"
#include "image/picture_file.h"

namespace pelterra {

namespace {

constexpr int kFaceWidth = 275;
constexpr int kFaceHeight = 116;

// Band k of n equal bands of the picture's height, stretched over the whole width to one face.
// Band edges are k*H/n rounded down, so the bands tile the picture without gaps; a picture lower
// than n rows still gives every band one row.
Bitmap stretchBand(const Bitmap& picture, int k, int n) {
    const int h = picture.height();
    const int top = std::min(static_cast<int>(static_cast<long long>(k) * h / n), h - 1);
    const int bottom = static_cast<int>(static_cast<long long>(k + 1) * h / n);
    const int height = std::max(1, bottom - top);
    Bitmap face(kFaceWidth, kFaceHeight, kWhite);
    PaintPicture(face, picture, 0, 0, kFaceWidth, kFaceHeight, 0, top, picture.width(), height);
    return face;
}

// Rows top..top+115 of a picture 275 wide, copied 1:1.
Bitmap cutFace(const Bitmap& picture, int top) {
    Bitmap face(kFaceWidth, kFaceHeight, kWhite);
    BitBlt(face, 0, 0, kFaceWidth, kFaceHeight, picture, 0, top, RasterOp::SRCCOPY);
    return face;
}

bool isStackOfFaces(int width, int height) {
    return width == kFaceWidth && (height == kFaceHeight || height == 2 * kFaceHeight || height == 3 * kFaceHeight);
}
bool isStackOfFaces(const Bitmap& picture) { return isStackOfFaces(picture.width(), picture.height()); }

void setCombinedPictureFlag(Document& doc, int flag) {
    if (doc.combinedPictureFlag == flag) return;
    doc.combinedPictureFlag = flag;
    doc.notify({ChangeEvent::Kind::Flags, {}});
}

void placeFaces(Document& doc, const Bitmap& upper, const Bitmap& lower, const Bitmap& playlist) {
    doc.assignSlot(pic::Picture1, -1, upper);
    doc.assignSlot(pic::Picture2, -1, lower);
    doc.assignSlot(pic::picPrePLmain, 0, playlist);
    doc.assignSlot(pic::PreEQMainData, -1, upper);
    // The backdrop is the last build's layered face of the previous picture: blank until the
    // next build, so that it never shows a picture that is no longer open.
    doc.assignSlot(pic::Picture3, -1, Bitmap{});
}

// A picture of the main window alone: "EQも出力" offered. The box keeps its value (the classic
// program cleared it, so a skin saved from one picture lacked eqmain.bmp, which one player
// refuses); the flag follows the box, as a click on it would set it.
void showSinglePicture(Document& doc) {
    doc.setVisible(ctl::Picture2, -1, false);
    doc.setVisible(ctl::chkSkinMode, -1, true);
    const bool eqToo = doc.isChecked(ctl::chkSkinMode);
    setCombinedPictureFlag(doc, eqToo ? 1 : 0);
    doc.setVisible(ctl::EqUporDown, -1, eqToo);
    doc.setEnabled(ctl::EqUporDown, -1, eqToo);
}

// A picture with an equalizer band: the user says with "EQが下" which band is the equalizer.
void showCombinedPicture(Document& doc) {
    doc.setVisible(ctl::Picture2, -1, true);
    doc.setValue(ctl::chkSkinMode, -1, 0);
    doc.setVisible(ctl::chkSkinMode, -1, false);
    setCombinedPictureFlag(doc, 1);
    doc.setVisible(ctl::EqUporDown, -1, true);
    doc.setEnabled(ctl::EqUporDown, -1, true);
}

Error noDialogError() {
    return Error{"",
                 CoreMessage::wording(
                     "the picture is not 275*116, 275*232 or 275*348 and there is no dialog to ask how to convert it")};
}

// The picture's path and title become BackgroundImagePath/Title before the import runs, so a
// cancelled dialog still leaves them behind; an import that fails (a dialog answer that is no
// button) takes them back.
Status importUnderName(Document& doc, const std::string& filePath, const std::function<Result<int>()>& import) {
    const std::string previousPath = doc.BackgroundImagePath, previousTitle = doc.BackgroundImageTitle;
    doc.BackgroundImagePath = filePath;
    doc.BackgroundImageTitle = std::filesystem::path(filePath).filename().string();
    Result<int> imported = import();
    if (!imported) {
        doc.BackgroundImagePath = previousPath;
        doc.BackgroundImageTitle = previousTitle;
        return imported.error().withPath(filePath);
    }
    return ok();
}

bool needsNoPixels(int syori) {
    return syori < 0 || syori > 3 || static_cast<HowFormAnswer>(syori) == HowFormAnswer::Cancel;
}

}  // namespace

Status AnswerHowForm(Document& doc, int syori) {
    if (syori < 0 || syori > 3)
        return Error{"",
                     CoreMessage::wording(
                         "the picture-size dialog gave the answer %1, which is none of its four buttons (0 to 3)"),
                     {syori}};
    doc.setText(ctl::Syori, -1, std::to_string(syori));
    switch (static_cast<HowFormAnswer>(syori)) {
        case HowFormAnswer::Stretch: setCombinedPictureFlag(doc, 0); break;
        case HowFormAnswer::SplitInHalves:
        case HowFormAnswer::SplitInThirds: setCombinedPictureFlag(doc, 1); break;
        case HowFormAnswer::Cancel: break;
    }
    return ok();
}

Result<int> ImportCombinedPicture(Document& doc, const Bitmap& picture, const HowFormDialog& howForm) {
    if (picture.empty()) return Error{"", CoreMessage::wording("the picture is empty: it has no pixels to import")};
    const int w = picture.width();
    const int h = picture.height();
    if (!isStackOfFaces(picture) && !howForm) return noDialogError();
    if (w == kFaceWidth && h == kFaceHeight) {
        placeFaces(doc, picture, picture, picture);
        showSinglePicture(doc);
        return -1;
    }
    if (w == kFaceWidth && (h == 2 * kFaceHeight || h == 3 * kFaceHeight)) {
        const Bitmap upper = cutFace(picture, 0);
        const Bitmap lower = cutFace(picture, kFaceHeight);
        // The playlist source is the third band, or the equalizer band when there is none.
        const Bitmap playlist = h == 3 * kFaceHeight ? cutFace(picture, 2 * kFaceHeight) : lower;
        placeFaces(doc, upper, lower, playlist);
        showCombinedPicture(doc);
        return -1;
    }

    const int syori = howForm();
    if (Status answered = AnswerHowForm(doc, syori); !answered) return answered.error();
    switch (static_cast<HowFormAnswer>(syori)) {
        case HowFormAnswer::Cancel:
            break;
        case HowFormAnswer::Stretch: {
            const Bitmap face = stretchBand(picture, 0, 1);
            placeFaces(doc, face, face, face);
            showSinglePicture(doc);
            break;
        }
        case HowFormAnswer::SplitInHalves: {
            const Bitmap upper = stretchBand(picture, 0, 2);
            placeFaces(doc, upper, stretchBand(picture, 1, 2), upper);
            showCombinedPicture(doc);
            break;
        }
        case HowFormAnswer::SplitInThirds:
            placeFaces(doc, stretchBand(picture, 0, 3), stretchBand(picture, 1, 3), stretchBand(picture, 2, 3));
            showCombinedPicture(doc);
            break;
    }
    return syori;
}

Status OpenCombinedPicture(Document& doc, const std::string& filePath, const HowFormDialog& howForm) {
    if (filePath.empty()) return ok();
    Result<std::vector<std::uint8_t>> bytes = ReadPictureFile(filePath);
    if (!bytes) return bytes.error();
    // The dialog is asked from the size in the header, before anything is decoded: a large
    // picture that is then cancelled or refused costs no memory.
    Result<PictureSize> size = ReadPictureSize(*bytes, filePath);
    if (!size) return size.error();
    HowFormDialog answer = howForm;
    if (!isStackOfFaces(size->width, size->height)) {
        if (!howForm) return noDialogError().withPath(filePath);
        const int syori = howForm();
        if (needsNoPixels(syori))
            return importUnderName(doc, filePath, [&]() -> Result<int> {
                if (Status answered = AnswerHowForm(doc, syori); !answered) return answered.error();
                return syori;
            });
        answer = [syori] { return syori; };
    }
    Result<Bitmap> picture = DecodePicture(*bytes, filePath);
    if (!picture) return picture.error();
    return importUnderName(doc, filePath, [&] { return ImportCombinedPicture(doc, *picture, answer); });
}

Status PasteCombinedPicture(Document& doc, const std::optional<Bitmap>& clipboard, const HowFormDialog& howForm) {
    if (!clipboard) return Error{"", CoreMessage::wording("the clipboard holds no picture to paste")};
    Result<int> imported = ImportCombinedPicture(doc, *clipboard, howForm);
    if (!imported) return imported.error();
    return ok();
}

void SetEqOutput(Document& doc, bool checked) {
    doc.setValue(ctl::chkSkinMode, -1, checked ? 1 : 0);
    setCombinedPictureFlag(doc, checked ? 1 : 0);
    doc.setVisible(ctl::EqUporDown, -1, checked);
    doc.setEnabled(ctl::EqUporDown, -1, checked);
    ChooseEqFace(doc);
}

}  // namespace pelterra
