// A maker that draws over a slot filled by a list choice leaves that list selecting nothing, so
// that no window, project or --get names a part the slot no longer shows.
#include <gtest/gtest.h>

#include "generators/back_base_maker.h"
#include "generators/frame_maker.h"
#include "generators/slider_maker.h"
#include "parts/part_loading.h"

using namespace pelterra;

namespace {

class MakerOverList : public ::testing::Test {
protected:
    // A list with two entries, the second chosen, as a list choice leaves it.
    void chosen(ControlName list, int index) {
        doc.setListEntries(list, index, {"Glass", "Metal"}, 2);
        doc.setValue(list, index, 1);
    }
    int value(ControlName list, int index = -1) const { return doc.value(list, index); }

    Document doc;
};

TEST_F(MakerOverList, FrameTransfersClearTheDataListOrTheMaskListThatFilledTheSlot) {
    for (ControlRef list : {ControlRef{ctl::lstData, 6}, {ctl::lstMask, 6}, {ctl::lstEQData, 1}, {ctl::lstEQMask, 1},
                            {ctl::lstData, 9}})
        chosen(list.name, list.index);
    doc.listChoicePictures["picData(6)"] = Bitmap(2, 2, kWhite);

    TransferFrame(doc, FrameTransfer::FrameDataToMain);
    EXPECT_EQ(value(ctl::lstData, 6), -1);
    EXPECT_FALSE(doc.listChoicePictures.contains("picData(6)"));
    EXPECT_EQ(value(ctl::lstMask, 6), 1);  // the Mask still is the part's
    EXPECT_EQ(value(ctl::lstData, 9), 1);  // a layer from the same folder is another list

    // With the link box clear the data list filled the Mask too; the mask list is left alone.
    chosen(ctl::lstData, 6);
    TransferFrame(doc, FrameTransfer::GradientMaskToMain);
    EXPECT_EQ(value(ctl::lstData, 6), -1);
    EXPECT_EQ(value(ctl::lstMask, 6), 1);

    // With it checked the mask list did.
    doc.setValue(ctl::chkEQFrameLink, 1);
    TransferFrame(doc, FrameTransfer::FrameMaskToEq);
    EXPECT_EQ(value(ctl::lstEQMask, 1), -1);
    EXPECT_EQ(value(ctl::lstEQData, 1), 1);
}

TEST_F(MakerOverList, TheBigGradientClearsBothWindowsFrameLists) {
    chosen(ctl::lstData, 6);
    chosen(ctl::lstEQData, 1);
    BigToDataMainUp(doc);
    EXPECT_EQ(value(ctl::lstData, 6), -1);
    EXPECT_EQ(value(ctl::lstEQData, 1), -1);
}

TEST_F(MakerOverList, TheSliderMakerClearsThePositionBarLists) {
    chosen(ctl::lstData, 4);
    chosen(ctl::lstMask, 4);
    doc.setValue(ctl::chkSliderLink, 1);
    ApplySlider(doc);
    EXPECT_EQ(value(ctl::lstData, 4), -1);
    EXPECT_EQ(value(ctl::lstMask, 4), -1);
}

TEST_F(MakerOverList, TheBackColourMakerClearsTheBackColourBoxButNotTheSliderBox) {
    chosen(ctl::BackColorCombo, -1);
    chosen(ctl::SliderCombo, -1);
    MakeBackColor(doc);
    EXPECT_EQ(value(ctl::BackColorCombo), 1);  // drawn in the maker only
    ApplyBackColor(doc);
    EXPECT_EQ(value(ctl::BackColorCombo), -1);
    EXPECT_EQ(value(ctl::SliderCombo), 1);
    EXPECT_EQ(doc.getByName("BackColorCombo").value(), "-1");
}

TEST_F(MakerOverList, SlotsNoListFillsAreLeftAlone) {
    chosen(ctl::lstData, 0);
    ForgetListChoice(doc, {pic::Picture1, -1});
    ForgetListChoice(doc, {pic::picData, 11});  // an untouched copy, no category
    EXPECT_EQ(value(ctl::lstData, 0), 1);
}

}  // namespace
