// The names of the document's controls and picture slots, written once. Everything else reaches a
// control or slot through a handle of this header (ctl::chkASP, pic::picData), so a misspelt name
// does not compile. The written names stay the stable interface of --set, `pelterra-cli controls`
// and project.ini; only the registry (Document::controlByWritten, setByName, getByName, the walks
// over controlKeys()/slotKeys()) turns text into a handle. The lists follow the order of the tables
// the document is built from; a control array has one handle, indexed at the call.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace pelterra {

// A handle: a written name typed by what it names. Explicit, so that a string literal does not
// turn into one by accident where a call expects a control or a slot.
template <class Tag>
class DocumentName {
public:
    constexpr DocumentName() = default;  // no name: an empty column of a table
    explicit constexpr DocumentName(std::string_view written) : m_written(written) {}
    constexpr std::string_view written() const { return m_written; }
    constexpr bool empty() const { return m_written.empty(); }
    constexpr bool operator==(const DocumentName&) const = default;
    // Prints the written name (test messages, logs); a template so that no stream header is needed.
    template <class Stream>
    friend Stream& operator<<(Stream& out, DocumentName name) {
        out << name.m_written;
        return out;
    }

private:
    std::string_view m_written;
};

using ControlName = DocumentName<struct ControlNameTag>;
using SlotName = DocumentName<struct SlotNameTag>;

// One control of the document: the name and, for a control array, the index (-1 otherwise).
struct ControlRef {
    ControlName name;
    int index = -1;
    constexpr bool operator==(const ControlRef&) const = default;
};

#define PELTERRA_CONTROL_NAMES(X) \
    /* main window */ \
    X(lstData) X(lstMask) X(chkCbuttonsLink) X(chkShufrepLink) X(chkMonosterLink) X(chkPlaypausLink) \
    X(chkSliderLink) X(chkTitlebarLink) X(chkFrameLink) X(chkLinkLayer1) X(chkLinkLayer2) \
    X(lblCbuttonsMask) X(lblShufrepMask) X(lblMonosterMask) X(lblPlaypausMask) X(lblSliderMask) \
    X(lblTitlebarMask) X(lblFrameMask) X(lblLayer1) X(lblLayer2) X(CbuttonsCheck) X(CbuttonsCheck2) \
    X(ShufrepCheck) X(ShufrepCheck2) X(MonosterCheck) X(MonosterCheck2) X(PlaypausCheck) \
    X(PlaypausCheck2) X(PosbarCheck) X(PosbarCheck2) X(VolumeCheck) X(VolumeCheck2) X(BalanceCheck) \
    X(BalanceCheck2) X(FrameCheck) X(FrameCheck2) X(TitleBarCheck) X(TitleBarCheck2) X(hscR) X(hscG) \
    X(hscB) X(lblRed) X(lblGreen) X(lblBlue) X(chkSkinMode) X(EqUporDown) X(chkASP) X(chkPLFont) \
    X(SaveOp1) X(SaveOp2) X(optSaveOp1) X(optSaveOp2) X(ZipCheck) X(ArchiveWsz) X(AskBeforeReplacing) X(SaveDirText) X(txtSaveFolda) \
    X(MaronCombo1) X(MaronCombo2) X(StyleCombo) \
    /* boxes only the skin build reads */ \
    X(chkLayer1) X(chkLayer2) X(chkNumberParency) X(VolumeRegionCheck) X(BalanceRegionCheck) \
    /* equalizer pages */ \
    X(lstEQData) X(lstEQMask) X(lblEQMask) X(chkOnAutoLink) X(chkEQFrameLink) X(chkEQTitlebarLink) \
    X(chkImageLink) X(chkPresetLink) X(chkLinkEQLayer1) X(chkLinkEQLayer2) X(OnAutoCheck) \
    X(OnAutoCheck2) X(EQFrameCheck) X(EQFrameCheck2) X(EQCheck) X(EQCheck2) X(ImageCheck) \
    X(ImageCheck2) X(PresetCheck) X(PresetCheck2) X(chkEQLayer1) X(chkEQLayer2) X(EQModeCheck) \
    X(fraEqCheck) X(chkEQOnly) X(UseSliderBack) X(OpEqMain1) X(OpEqMain2) X(SliderCombo) \
    X(BackColorCombo) X(EasyCombo) X(EasyEQMainCheck) X(EasySliderCheck) X(EasyOnAutoCheck) \
    X(EasyPresetCheck) X(EasyImageCheck) X(EasyEQCheck) X(EasyEQFrameCheck) X(Syori) X(Picture2) \
    /* playlist pages */ \
    X(chkPLMake) X(chkPLParts) X(chkPLShade) X(chkPLActive) X(optPLNotActive) X(optPLPic) \
    X(optPLButton) X(optMoePLButton) X(PLStyleCombo) \
    /* Mix-mode window */ \
    X(optPelterra) X(optSeken) X(optEQPelterra) X(optEQSeken) \
    /* frame maker */ \
    X(lbldata) X(lblMask) X(lblDataGra1) X(lblDataGra2) X(lblMaskGra1) X(lblMaskGra2) X(lblBig1) \
    X(lblBig2) X(Optframe) X(optToData) X(optToMask) X(optMainUp) X(optEqUp) \
    /* slider maker */ \
    X(LblSliderDataHi) X(LblSliderDataTop) X(LblSliderDataShadow) X(LblSliderDataFrame) \
    X(LblSliderMaskHi) X(LblSliderMaskTop) X(LblSliderMaskShadow) X(LblSliderMaskFrame) \
    X(OpSliderOff) X(OpSliderOn) \
    /* background base maker */ \
    X(lblcolor) \
    /* glyph colours */ \
    X(NumberColor) X(PicText) \
    /* project */ \
    X(txtProject) \
    /* region page */ \
    X(HsRed) X(HsGreen) X(HsBlue) X(RegionRed) X(RegionGreen) X(RegionBlue) X(RegionArea) \
    X(RegionSource) X(LoadRegion) X(BtnMakeRegion) X(Areay) X(MainOutlineCount) X(EqOutlineCount) \
    X(EqRegionFlag) \
    /* text-file pages and the preview window */ \
    X(PicPleditNormal) X(PicPleditNormalBG) X(PicPleditSelectedBG) X(PicPleditCurrent) \
    X(PleditFonts) X(Text1) X(Text2) X(PleditCheck) X(MaronText) X(MaronVScroll) X(MaronCheck1) \
    X(MaronCheck2) X(MaronCheck3) X(MaronCheck) X(ViscolorBack) X(ViscolorSpec) X(ViscolorOsc) \
    X(ViscolorPeak) X(ViscolorCheck) X(RegionCheck) X(Label2)

#define PELTERRA_SLOT_NAMES(X, NAMED) \
    /* main window */ \
    X(picData) X(picMask) X(Picture1) X(Picture2) X(Picture3) \
    /* equalizer pages */ \
    X(picEQData) X(picEQMask) X(PreEQMainData) X(PreEQMainData2) X(picPrePLmain) X(PreSliderData) \
    X(PreSliderMask) X(EQSliderBackColor) X(PreEasyImage) X(PreEasyData) \
    /* playlist pages */ \
    X(picPLPartsData) X(picPLButton) X(picPLButtonBack) \
    /* main window sheets */ \
    X(Main) X(cbuttons) X(balance) X(BalanceNo) X(monoster) X(number) X(playpaus) X(posbar) \
    X(PosbarNo) X(shufrep) X(titlebar) X(volume) X(VolumeNo) \
    /* equalizer sheets */ \
    X(EQ) X(eqmain) X(DefaultBackWhite) \
    /* playlist sheet */ \
    X(picPL) \
    /* generators and glyph colours */ \
    X(picMakeFrameData) X(PicMakeFrameMask) NAMED(frmMakeFramePicData, "frmMakeFrame.picData") \
    NAMED(frmMakeFramePicMask, "frmMakeFrame.picMask") X(picBigData) X(SliderData) X(SliderMask) \
    X(picSBase) X(picBack) X(PreNumberMask) X(PreTextMask) \
    /* region page */ \
    X(RegionArea) X(RegionSource) \
    /* preview window */ \
    X(PreView) X(EQPreView) X(PreViewPL)


namespace ctl {
#define PELTERRA_CONTROL_HANDLE(id) inline constexpr ControlName id{#id};
PELTERRA_CONTROL_NAMES(PELTERRA_CONTROL_HANDLE)
#undef PELTERRA_CONTROL_HANDLE

// Every control handle, in list order.
#define PELTERRA_CONTROL_ENTRY(id) id,
inline constexpr ControlName kAllNames[] = {PELTERRA_CONTROL_NAMES(PELTERRA_CONTROL_ENTRY)};
#undef PELTERRA_CONTROL_ENTRY
}  // namespace ctl

namespace pic {
#define PELTERRA_SLOT_HANDLE(id) inline constexpr SlotName id{#id};
#define PELTERRA_NAMED_SLOT_HANDLE(id, written) inline constexpr SlotName id{written};
PELTERRA_SLOT_NAMES(PELTERRA_SLOT_HANDLE, PELTERRA_NAMED_SLOT_HANDLE)
#undef PELTERRA_SLOT_HANDLE
#undef PELTERRA_NAMED_SLOT_HANDLE

// Every slot handle, in list order.
#define PELTERRA_SLOT_ENTRY(id) id,
#define PELTERRA_NAMED_SLOT_ENTRY(id, written) id,
inline constexpr SlotName kAllNames[] = {PELTERRA_SLOT_NAMES(PELTERRA_SLOT_ENTRY, PELTERRA_NAMED_SLOT_ENTRY)};
#undef PELTERRA_SLOT_ENTRY
#undef PELTERRA_NAMED_SLOT_ENTRY
}  // namespace pic

// The handle whose written name this is, or none (for the registry's lookups).
template <class Tag, std::size_t N>
constexpr std::optional<DocumentName<Tag>> nameByWritten(const DocumentName<Tag> (&all)[N], std::string_view written) {
    for (const DocumentName<Tag>& n : all)
        if (n.written() == written) return n;
    return std::nullopt;
}

}  // namespace pelterra
