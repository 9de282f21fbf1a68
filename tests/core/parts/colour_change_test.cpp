#include <gtest/gtest.h>

#include "document/set_control.h"
#include "parts/colour_change.h"
#include "parts/mix_mode.h"

using namespace pelterra;

namespace {

// A picture whose pixels differ everywhere, extreme channels included.
Bitmap varied(int width, int height) {
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.at(x, y) = RGB((x * 37 + y) % 256, (x + y * 53) % 256, (x * y * 7) % 256);
    b.at(0, 0) = RGB(255, 255, 255);
    b.at(1, 0) = RGB(0, 0, 0);
    return b;
}

// A document whose colour bars have been widened as at start-up, with a part in picData(0..5)
// and its untouched copy.
class ColourChange : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 10; ++i)
            for (ControlName bar : {ctl::hscR, ctl::hscG, ctl::hscB}) doc.setRange(bar, i, -256, 256);
    }
    void loadPart(SlotRef data, SlotRef copy) {
        const Bitmap& slot = doc.slot(data.name, data.index);
        doc.assignSlot(data.name, data.index, varied(slot.width(), slot.height()));
        doc.copySlot(data.name, data.index, copy.name, copy.index);
    }
    Document doc;
};

TEST_F(ColourChange, RedToFortyAndBackRestoresTheSlotExactly) {
    loadPart({pic::picData, 0}, {pic::picData, 11});
    const Bitmap original = doc.slot(pic::picData, 0);
    ASSERT_TRUE(SetColourBar(doc, ColourBar::Red, 0, 40).ok());
    EXPECT_EQ(doc.text(ctl::lblRed, 0), "40");
    EXPECT_NE(doc.slot(pic::picData, 0), original);
    EXPECT_EQ(doc.slot(pic::picData, 0).at(5, 5), RGB(GetRed(original.at(5, 5)) + 40, GetGreen(original.at(5, 5)),
                                                    GetBlue(original.at(5, 5))));
    EXPECT_EQ(doc.slot(pic::picData, 0).at(0, 0), RGB(255, 255, 255));  // clamped
    ASSERT_TRUE(SetColourBar(doc, ColourBar::Red, 0, 0).ok());
    EXPECT_EQ(doc.text(ctl::lblRed, 0), "0");
    EXPECT_EQ(doc.slot(pic::picData, 0), doc.slot(pic::picData, 11));
    EXPECT_EQ(doc.slot(pic::picData, 0), original);
}

TEST_F(ColourChange, GreenAtTheEndsOfTheBarClampsEveryPixel) {
    loadPart({pic::picData, 3}, {pic::picData, 14});
    ASSERT_TRUE(SetColourBar(doc, ColourBar::Green, 3, -256).ok());
    for (Colour c : doc.slot(pic::picData, 3).pixels()) ASSERT_EQ(GetGreen(c), 0);
    ASSERT_TRUE(SetColourBar(doc, ColourBar::Green, 3, 256).ok());
    for (Colour c : doc.slot(pic::picData, 3).pixels()) ASSERT_EQ(GetGreen(c), 255);
    EXPECT_EQ(doc.text(ctl::lblGreen, 3), "256");
}

TEST_F(ColourChange, ShiftsDoNotAccumulate) {
    loadPart({pic::picData, 5}, {pic::picData, 16});
    ASSERT_TRUE(SetColourBar(doc, ColourBar::Blue, 5, 30).ok());
    const Bitmap once = doc.slot(pic::picData, 5);
    ASSERT_TRUE(ColorChange(doc, 5).ok());
    ASSERT_TRUE(ColorChange(doc, 5).ok());
    EXPECT_EQ(doc.slot(pic::picData, 5), once);
}

TEST_F(ColourChange, EqualizerGroupsRecolourTheirOwnSlots) {
    loadPart({pic::picEQData, 2}, {pic::picEQData, 8});
    loadPart({pic::picEQData, 0}, {pic::picEQData, 7});
    doc.slot(pic::picEQData, 2).fill(kBlack);  // the slot is rebuilt from its copy, not from itself
    doc.setValue(ctl::hscR, 7, 10);
    ASSERT_TRUE(ColorChange(doc, 7).ok());
    const Colour from = doc.slot(pic::picEQData, 8).at(3, 4);
    EXPECT_EQ(doc.slot(pic::picEQData, 2).at(3, 4), RGB(GetRed(from) + 10, GetGreen(from), GetBlue(from)));
    const Bitmap onAuto = doc.slot(pic::picEQData, 0);
    doc.setValue(ctl::hscB, 6, -300);  // held to -256
    EXPECT_EQ(doc.value(ctl::hscB, 6), -256);
    ASSERT_TRUE(ColorChange(doc, 6).ok());
    for (Colour c : doc.slot(pic::picEQData, 0).pixels()) ASSERT_EQ(GetBlue(c), 0);
    EXPECT_NE(doc.slot(pic::picEQData, 0), onAuto);
}

TEST_F(ColourChange, GroupsOutsideZeroToNineAreRefused) {
    EXPECT_FALSE(ColorChange(doc, 10).ok());
    EXPECT_FALSE(ColorChange(doc, -1).ok());
    EXPECT_FALSE(SetColourBar(doc, ColourBar::Red, 10, 5).ok());
}

TEST_F(ColourChange, AValueSetByNameTakesEffectAtOnce) {
    loadPart({pic::picData, 1}, {pic::picData, 12});
    ASSERT_TRUE(SetControl(doc, {}, "hscG(1)", "-20").ok());
    EXPECT_EQ(doc.text(ctl::lblGreen, 1), "-20");
    const Colour from = doc.slot(pic::picData, 12).at(7, 2);
    EXPECT_EQ(doc.slot(pic::picData, 1).at(7, 2),
              RGB(GetRed(from), GetGreen(from) < 20 ? 0 : GetGreen(from) - 20, GetBlue(from)));
}

// --- Mix modes ----------------------------------------------------------------------------------

TEST(MixModes, EveryPairStartsAtTheCommonStandard) {
    Document doc;
    for (int k = 0; k < kMixRowCount; ++k) {
        EXPECT_EQ(mixMode(doc, MixWindow::Main, k), MixMode::Additive) << k;
        EXPECT_EQ(mixMode(doc, MixWindow::Equalizer, k), MixMode::Additive) << k;
    }
    EXPECT_FALSE(doc.control(ctl::optEQPelterra, 7).enabled);
    EXPECT_FALSE(doc.control(ctl::optEQSeken, 7).enabled);
    EXPECT_TRUE(doc.control(ctl::optEQSeken, 6).enabled);
}

TEST(MixModes, SettingEveryModeSetsAllSixteenPairs) {
    Document doc;
    SetEveryMixMode(doc, MixMode::Bitwise);
    for (int k = 0; k < kMixRowCount; ++k) {
        EXPECT_TRUE(doc.isSelected(ctl::optPelterra, k) && !doc.isSelected(ctl::optSeken, k)) << k;
        EXPECT_TRUE(doc.isSelected(ctl::optEQPelterra, k) && !doc.isSelected(ctl::optEQSeken, k)) << k;
        EXPECT_TRUE(usesBitwise(doc, MixWindow::Main, k));
    }
    SetEveryMixMode(doc, MixMode::Additive);
    for (int k = 0; k < kMixRowCount; ++k) {
        EXPECT_TRUE(doc.isSelected(ctl::optSeken, k) && !doc.isSelected(ctl::optPelterra, k)) << k;
        EXPECT_TRUE(doc.isSelected(ctl::optEQSeken, k) && !doc.isSelected(ctl::optEQPelterra, k)) << k;
    }
}

TEST(MixModes, EachPositionFollowsItsOwnPair) {
    Document doc;
    SetMixMode(doc, MixWindow::Main, 1, MixMode::Bitwise);  // "Shufrep"
    EXPECT_TRUE(usesBitwise(doc, MixWindow::Main, 1));
    EXPECT_FALSE(usesBitwise(doc, MixWindow::Equalizer, 1));  // the equalizer "Frame"
    EXPECT_FALSE(usesBitwise(doc, MixWindow::Main, 0));
    SetMixMode(doc, MixWindow::Equalizer, 1, MixMode::Bitwise);
    SetMixMode(doc, MixWindow::Main, 1, MixMode::Additive);
    EXPECT_FALSE(usesBitwise(doc, MixWindow::Main, 1));
    EXPECT_TRUE(usesBitwise(doc, MixWindow::Equalizer, 1));
}

}  // namespace
