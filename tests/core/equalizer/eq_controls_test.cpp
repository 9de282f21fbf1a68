#include <gtest/gtest.h>

#include "document/document.h"

using namespace pelterra;

namespace {

// Every check box of the equalizer pages, the Easy import page and the combined-picture import.
const char* const kEqualizerChecks[] = {
    "chkOnAutoLink", "chkEQFrameLink", "chkEQTitlebarLink", "chkImageLink", "chkPresetLink",
    "chkLinkEQLayer1", "chkLinkEQLayer2",
    "OnAutoCheck", "OnAutoCheck2", "EQFrameCheck", "EQFrameCheck2", "EQCheck", "EQCheck2",
    "ImageCheck", "ImageCheck2", "PresetCheck", "PresetCheck2", "chkEQLayer1", "chkEQLayer2",
    "EQModeCheck", "chkEQOnly", "UseSliderBack",
    "EasyEQMainCheck", "EasySliderCheck", "EasyOnAutoCheck", "EasyPresetCheck", "EasyImageCheck",
    "EasyEQCheck", "EasyEQFrameCheck", "chkSkinMode", "EqUporDown",
};

}  // namespace

TEST(EqualizerControls, EveryCheckBoxIsReadAndSetByName) {
    Document doc;
    for (const char* name : kEqualizerChecks) ASSERT_EQ(doc.getByName(name).value(), "0") << name;
    for (const char* name : kEqualizerChecks) {
        ASSERT_TRUE(doc.setByName(name, "1").ok()) << name;
        EXPECT_TRUE(doc.isChecked(name)) << name;
        EXPECT_FALSE(doc.setByName(name, "3").ok()) << name;
    }
}

TEST(EqualizerControls, ListsPagesOptionsAndTheHowFormAnswerByName) {
    Document doc;
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(doc.getByName(controlKey("lstEQData", i)).value(), "-1");
        EXPECT_EQ(doc.getByName(controlKey("lstEQMask", i)).value(), "-1");
        EXPECT_FALSE(doc.control("lstEQMask", i).visible);
    }
    for (const char* combo : {"EasyCombo", "SliderCombo", "BackColorCombo"}) {
        EXPECT_EQ(doc.getByName(combo).value(), "-1") << combo;
        EXPECT_FALSE(doc.setByName(combo, "0").ok()) << combo;  // empty list
    }
    EXPECT_TRUE(doc.isSelected("OpEqMain1"));
    ASSERT_TRUE(doc.setByName("OpEqMain2", "1").ok());
    EXPECT_FALSE(doc.isSelected("OpEqMain1"));
    EXPECT_EQ(doc.getByName("Syori").value(), "0");
}

TEST(EqualizerControls, SlotsHaveTheSizesOfTheirSkinPieces) {
    Document doc;
    const struct { const char* name; int index, w, h; } sizes[] = {
        {"picEQData", 0, 235, 12}, {"picEQData", 1, 275, 116}, {"picEQData", 2, 275, 47},
        {"picEQData", 3, 116, 21}, {"picEQData", 4, 44, 25},   {"picEQData", 6, 275, 116},
        {"picEQData", 7, 235, 12}, {"picEQData", 8, 275, 47},  {"picEQData", 9, 116, 21},
        {"picEQData", 10, 44, 25}, {"picEQMask", 4, 44, 25},   {"PreEQMainData", -1, 275, 116},
        {"PreEQMainData2", -1, 275, 116}, {"picPrePLmain", 1, 275, 116},
    };
    for (const auto& s : sizes) {
        EXPECT_EQ(doc.slot(s.name, s.index).width(), s.w) << s.name << s.index;
        EXPECT_EQ(doc.slot(s.name, s.index).height(), s.h) << s.name << s.index;
    }
}
