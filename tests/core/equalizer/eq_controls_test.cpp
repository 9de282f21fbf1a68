#include <gtest/gtest.h>

#include "document/document.h"

using namespace pelterra;

namespace {

// Every check box of the equalizer pages, the Easy import page and the combined-picture import.
ControlName kEqualizerChecks[] = {
    ctl::chkOnAutoLink, ctl::chkEQFrameLink, ctl::chkEQTitlebarLink, ctl::chkImageLink, ctl::chkPresetLink,
    ctl::chkLinkEQLayer1, ctl::chkLinkEQLayer2,
    ctl::OnAutoCheck, ctl::OnAutoCheck2, ctl::EQFrameCheck, ctl::EQFrameCheck2, ctl::EQCheck, ctl::EQCheck2,
    ctl::ImageCheck, ctl::ImageCheck2, ctl::PresetCheck, ctl::PresetCheck2, ctl::chkEQLayer1, ctl::chkEQLayer2,
    ctl::EQModeCheck, ctl::chkEQOnly, ctl::UseSliderBack,
    ctl::EasyEQMainCheck, ctl::EasySliderCheck, ctl::EasyOnAutoCheck, ctl::EasyPresetCheck, ctl::EasyImageCheck,
    ctl::EasyEQCheck, ctl::EasyEQFrameCheck, ctl::chkSkinMode, ctl::EqUporDown,
};

}  // namespace

TEST(EqualizerControls, EveryCheckBoxIsReadAndSetByName) {
    Document doc;
    for (ControlName name : kEqualizerChecks) ASSERT_EQ(doc.getByName(name.written()).value(), "0") << name;
    for (ControlName name : kEqualizerChecks) {
        ASSERT_TRUE(doc.setByName(name.written(), "1").ok()) << name;
        EXPECT_TRUE(doc.isChecked(name)) << name;
        EXPECT_FALSE(doc.setByName(name.written(), "3").ok()) << name;
    }
}

TEST(EqualizerControls, ListsPagesOptionsAndTheHowFormAnswerByName) {
    Document doc;
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(doc.getByName(controlKey("lstEQData", i)).value(), "-1");
        EXPECT_EQ(doc.getByName(controlKey("lstEQMask", i)).value(), "-1");
        EXPECT_FALSE(doc.control(ctl::lstEQMask, i).visible);
    }
    for (ControlName combo : {ctl::EasyCombo, ctl::SliderCombo, ctl::BackColorCombo}) {
        EXPECT_EQ(doc.getByName(combo.written()).value(), "-1") << combo;
        EXPECT_FALSE(doc.setByName(combo.written(), "0").ok()) << combo;  // empty list
    }
    EXPECT_TRUE(doc.isSelected(ctl::OpEqMain1));
    ASSERT_TRUE(doc.setByName("OpEqMain2", "1").ok());
    EXPECT_FALSE(doc.isSelected(ctl::OpEqMain1));
    EXPECT_EQ(doc.getByName("Syori").value(), "0");
}

TEST(EqualizerControls, SlotsHaveTheSizesOfTheirSkinPieces) {
    Document doc;
    const struct { SlotName name; int index, w, h; } sizes[] = {
        {pic::picEQData, 0, 235, 12}, {pic::picEQData, 1, 275, 116}, {pic::picEQData, 2, 275, 47},
        {pic::picEQData, 3, 116, 21}, {pic::picEQData, 4, 44, 25},   {pic::picEQData, 6, 275, 116},
        {pic::picEQData, 7, 235, 12}, {pic::picEQData, 8, 275, 47},  {pic::picEQData, 9, 116, 21},
        {pic::picEQData, 10, 44, 25}, {pic::picEQMask, 4, 44, 25},   {pic::PreEQMainData, -1, 275, 116},
        {pic::PreEQMainData2, -1, 275, 116}, {pic::picPrePLmain, 1, 275, 116},
    };
    for (const auto& s : sizes) {
        EXPECT_EQ(doc.slot(s.name, s.index).width(), s.w) << s.name << s.index;
        EXPECT_EQ(doc.slot(s.name, s.index).height(), s.h) << s.name << s.index;
    }
}
