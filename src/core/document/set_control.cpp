#include "document/set_control.h"

#include <iterator>

#include "equalizer/eq_parts.h"
#include "generators/back_base_maker.h"
#include "generators/frame_maker.h"
#include "generators/slider_maker.h"
#include "equalizer/picture_import.h"
#include "output/skin_text.h"
#include "parts/colour_change.h"
#include "parts/easy_import.h"
#include "parts/part_loading.h"
#include "parts/skin_style.h"
#include "playlist/playlist_styles.h"
#include "project/manifest.h"
#include "text/quote.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

// A control's command: runs with the value the control is to take.
using Command = Status (*)(Document& doc, const fs::path& programFolder, ControlName name, int index, int value);

Status choosePart(Document& doc, const fs::path& folder, ControlName, int k, int entry) {
    return ChoosePart(doc, folder, k, entry);
}
Status chooseMaskPart(Document& doc, const fs::path& folder, ControlName, int m, int entry) {
    return ChooseMaskPart(doc, folder, m, entry);
}
Status chooseEqPart(Document& doc, const fs::path& folder, ControlName, int slot, int entry) {
    return ChooseEqPart(doc, folder, slot, entry);
}
Status chooseEqMaskPart(Document& doc, const fs::path& folder, ControlName, int slot, int entry) {
    return ChooseEqMaskPart(doc, folder, slot, entry);
}
Status chooseSlider(Document& doc, const fs::path& folder, ControlName, int, int entry) {
    return ChooseSlider(doc, folder, entry);
}
Status chooseBackColor(Document& doc, const fs::path& folder, ControlName, int, int entry) {
    return ChooseBackColor(doc, folder, entry);
}
Status choosePlaylistStyle(Document& doc, const fs::path& folder, ControlName, int, int entry) {
    return ChoosePlaylistStyle(doc, folder, entry);
}
Status chooseSkinStyle(Document& doc, const fs::path& folder, ControlName, int, int entry) {
    return ChooseSkinStyle(doc, folder, entry);
}
Status chooseEasyPicture(Document& doc, const fs::path& folder, ControlName, int, int entry) {
    return SelectAndLoad(doc, {ctl::EasyCombo, -1}, entry, [&] { return ChooseEasyPicture(doc, folder); });
}
Status setColourBar(Document& doc, const fs::path&, ControlName name, int i, int value) {
    return SetColourBar(doc, *colourBarNamed(name), i, value);
}
Status setLinkBox(Document& doc, const fs::path&, ControlName name, int, int value) {
    return SetLinkBox(doc, name, value == 1);
}
Status setEqOutput(Document& doc, const fs::path&, ControlName, int, int value) {
    SetEqOutput(doc, value == 1);
    return ok();
}
Status setEqBelow(Document& doc, const fs::path&, ControlName name, int, int value) {
    doc.setValue(name, -1, value);
    ChooseEqFace(doc);
    return ok();
}
Status setEqSliderRows(Document& doc, const fs::path&, ControlName, int, int value) {
    SetEqSliderRows(doc, value == 1);
    return ok();
}
// A control whose picture or text is drawn again after every change: the playlist colours (the
// playlist texts) and the swatches and styles of the three makers (the maker's picture).
template <void (*Redraw)(Document&)>
Status setAndRedraw(Document& doc, const fs::path&, ControlName name, int index, int value) {
    doc.setValue(name, index, value);
    Redraw(doc);
    return ok();
}
// "Maron.txt": the ratio box shows the scroll bar's value.
Status setMaronRatio(Document& doc, const fs::path&, ControlName name, int, int value) {
    doc.setValue(name, -1, value);
    doc.setText(ctl::MaronText, std::to_string(doc.value(name)));
    return ok();
}

struct ControlCommand {
    ControlName name;
    Command run;
};

// Controls whose change does more than store a value. Any other control (make boxes, which the
// document keeps in step with their twins; options, which clear their group; plain check boxes
// and texts) only takes its value.
constexpr ControlCommand kControlCommands[] = {
    {ctl::lstData, choosePart},
    {ctl::lstMask, chooseMaskPart},
    {ctl::lstEQData, chooseEqPart},
    {ctl::lstEQMask, chooseEqMaskPart},
    {ctl::SliderCombo, chooseSlider},
    {ctl::BackColorCombo, chooseBackColor},
    {ctl::EasyCombo, chooseEasyPicture},
    {ctl::PLStyleCombo, choosePlaylistStyle},
    {ctl::StyleCombo, chooseSkinStyle},
    {ctl::hscR, setColourBar},
    {ctl::hscG, setColourBar},
    {ctl::hscB, setColourBar},
    {ctl::chkSkinMode, setEqOutput},
    {ctl::EqUporDown, setEqBelow},
    {ctl::EQModeCheck, setEqSliderRows},
    {ctl::PicPleditNormal, setAndRedraw<BuildPleditText>},
    {ctl::PicPleditNormalBG, setAndRedraw<BuildPleditText>},
    {ctl::PicPleditSelectedBG, setAndRedraw<BuildPleditText>},
    {ctl::PicPleditCurrent, setAndRedraw<BuildPleditText>},
    {ctl::MaronVScroll, setMaronRatio},
    {ctl::lbldata, setAndRedraw<FrameMakeByStyle>},
    {ctl::lblMask, setAndRedraw<FrameMakeByStyle>},
    {ctl::Optframe, setAndRedraw<FrameMakeByStyle>},
    {ctl::lblDataGra1, setAndRedraw<MakeGra>},
    {ctl::lblDataGra2, setAndRedraw<MakeGra>},
    {ctl::lblMaskGra1, setAndRedraw<MakeGra2>},
    {ctl::lblMaskGra2, setAndRedraw<MakeGra2>},
    {ctl::lblBig1, setAndRedraw<MakeBigGra>},
    {ctl::lblBig2, setAndRedraw<MakeBigGra>},
    {ctl::LblSliderDataHi, setAndRedraw<SliderColorChange>},
    {ctl::LblSliderDataTop, setAndRedraw<SliderColorChange>},
    {ctl::LblSliderDataShadow, setAndRedraw<SliderColorChange>},
    {ctl::LblSliderDataFrame, setAndRedraw<SliderColorChange>},
    {ctl::LblSliderMaskHi, setAndRedraw<SliderColorChange>},
    {ctl::LblSliderMaskTop, setAndRedraw<SliderColorChange>},
    {ctl::LblSliderMaskShadow, setAndRedraw<SliderColorChange>},
    {ctl::LblSliderMaskFrame, setAndRedraw<SliderColorChange>},
    {ctl::OpSliderOff, setAndRedraw<SliderColorChange>},
    {ctl::OpSliderOn, setAndRedraw<SliderColorChange>},
    {ctl::lblcolor, setAndRedraw<MakeSBase>},
};

Command commandOf(ControlName name) {
    for (const ControlCommand& c : kControlCommands)
        if (c.name == name) return c.run;
    if (isLinkBox(name)) return setLinkBox;
    return nullptr;
}

// Runs the control's command with the value the document parsed (and already holds), or leaves
// the value as it stands when the control has none.
Status runCommand(Document& doc, const fs::path& programFolder, ControlName name, int index, int previous) {
    const Command run = commandOf(name);
    if (!run) return ok();
    const int value = doc.value(name, index);
    // The command takes the value itself, so that a failure can leave everything as it was.
    doc.setValue(name, index, previous);
    return run(doc, programFolder, name, index, value);
}

Status unknownControl(std::string_view written) {
    return Error{"", CoreMessage::wording("there is no control named %1"), {QuoteForMessage(written)}};
}

}  // namespace

Status SetControl(Document& doc, const fs::path& programFolder, std::string_view written, std::string_view value) {
    const auto ref = doc.controlByWritten(written);
    if (!ref) return unknownControl(written);
    const auto [name, index] = *ref;
    if (doc.control(name, index).kind == ControlKind::Text)
        return SetControlText(doc, programFolder, *ref, UnescapeManifestValue(value));
    const int previous = doc.value(name, index);
    if (Status set = doc.setByName(written, value); !set) return set;
    return runCommand(doc, programFolder, name, index, previous);
}

Status SetControlValue(Document& doc, const fs::path& programFolder, std::string_view written, int value) {
    return SetControl(doc, programFolder, written, std::to_string(value));
}

Status SetControlValue(Document& doc, const fs::path& programFolder, ControlRef control, int value) {
    return SetControlValue(doc, programFolder, controlKey(control.name, control.index), value);
}

Status SetControlText(Document& doc, const fs::path& programFolder, std::string_view written, std::string text) {
    const auto ref = doc.controlByWritten(written);
    if (!ref) return unknownControl(written);
    return SetControlText(doc, programFolder, *ref, std::move(text));
}

Status SetControlText(Document& doc, const fs::path& /*programFolder: no text loads a file*/, ControlRef control,
                      std::string text) {
    doc.setText(control.name, control.index, std::move(text));
    if (control.name == ctl::PleditFonts) BuildPleditText(doc);  // the font is named in the playlist text
    return ok();
}

}  // namespace pelterra
