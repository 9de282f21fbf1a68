#include <gtest/gtest.h>

#include "equalizer/eq_parts.h"
#include "generators/frame_maker.h"
#include "image/drawing.h"

using namespace pelterra;

namespace {

constexpr Colour kBright = RGB(250, 250, 250), kMiddle = RGB(128, 128, 128), kDark = RGB(20, 20, 20),
                 kBody = RGB(60, 90, 120);

class FrameMaker : public ::testing::Test {
protected:
    void setFrameColours(ControlName row, Colour b, Colour m, Colour d, Colour f) {
        doc.setSwatch(row, 0, b);
        doc.setSwatch(row, 1, m);
        doc.setSwatch(row, 2, d);
        doc.setSwatch(row, 3, f);
    }
    void setGradient(Colour top, Colour bottom) {
        doc.setSwatch(ctl::lblDataGra1, -1, top);
        doc.setSwatch(ctl::lblDataGra2, -1, bottom);
    }
    const Bitmap& gradient() const { return doc.slot(frame_maker::kGradientData); }

    Document doc;
};

TEST_F(FrameMaker, BlackToWhiteStopsAt230OnTheLastRow) {
    setGradient(kBlack, kWhite);
    MakeGra(doc);
    EXPECT_EQ(gradient().at(0, 0), kBlack);
    EXPECT_EQ(gradient().at(274, 1), RGB(2, 2, 2));
    EXPECT_EQ(gradient().at(0, 115), RGB(230, 230, 230));
    EXPECT_EQ(gradient().at(274, 115), RGB(230, 230, 230));
}

TEST_F(FrameMaker, NegativeChannelsAreDrawnAsZero) {
    // -174/116 = -1.5 rounds to -2: 174 - 2*87 = 0 at row 87, and below zero afterwards.
    setGradient(RGB(174, 0, 0), kBlack);
    MakeGra(doc);
    EXPECT_EQ(gradient().at(10, 86), RGB(2, 0, 0));
    EXPECT_EQ(gradient().at(10, 87), kBlack);
    EXPECT_EQ(gradient().at(10, 115), kBlack);
}

TEST_F(FrameMaker, ChannelsAbove255AreDrawnAs255) {
    // 174/116 = 1.5 rounds to the even 2: row 115 would be 81 + 230 = 311.
    setGradient(RGB(81, 0, 0), RGB(255, 0, 0));
    MakeGra(doc);
    EXPECT_EQ(gradient().at(0, 1), RGB(83, 0, 0));
    EXPECT_EQ(gradient().at(0, 87), RGB(255, 0, 0));
    EXPECT_EQ(gradient().at(0, 115), RGB(255, 0, 0));
}

TEST_F(FrameMaker, EqualColoursGiveAUniformPictureAndEachGradientHasItsOwnSwatches) {
    setGradient(RGB(1, 2, 3), RGB(1, 2, 3));
    doc.setSwatch(ctl::lblMaskGra1, -1, kWhite);
    doc.setSwatch(ctl::lblMaskGra2, -1, kWhite);
    doc.setSwatch(ctl::lblBig1, -1, kBlack);
    doc.setSwatch(ctl::lblBig2, -1, RGB(0, 0, 232));  // 232/232: step 1
    MakeGra(doc);
    MakeGra2(doc);
    MakeBigGra(doc);
    EXPECT_EQ(gradient(), Bitmap(275, 116, RGB(1, 2, 3)));
    EXPECT_EQ(doc.slot(frame_maker::kGradientMask), Bitmap(275, 116, kWhite));
    const Bitmap& big = doc.slot(frame_maker::kBigGradient);
    EXPECT_EQ(big.at(0, 0), kBlack);
    EXPECT_EQ(big.at(274, 231), RGB(0, 0, 231));
}

TEST_F(FrameMaker, NormalFrameCornersTakeTheLaterLines) {
    setFrameColours(ctl::lbldata, kBright, kMiddle, kDark, kBody);
    NormalFrameMake(doc);
    const Bitmap& f = doc.slot(frame_maker::kFrameData);
    EXPECT_EQ(f.at(0, 0), kBright);
    EXPECT_EQ(f.at(273, 0), kBright);
    EXPECT_EQ(f.at(274, 0), kDark);   // line 8 over line 1
    EXPECT_EQ(f.at(0, 114), kBright);
    EXPECT_EQ(f.at(0, 115), kDark);   // line 7 over line 2
    EXPECT_EQ(f.at(1, 1), kMiddle);
    EXPECT_EQ(f.at(273, 113), kMiddle);
    EXPECT_EQ(f.at(273, 114), kMiddle);  // line 6 starts there
    EXPECT_EQ(f.at(1, 114), kWhite);     // end of line 6, and line 4 ends above it
    EXPECT_EQ(f.at(2, 2), kBody);
    EXPECT_EQ(f.at(272, 113), kBody);
    EXPECT_EQ(f.at(274, 115), kDark);
}

TEST_F(FrameMaker, TheMaskFrameUsesItsOwnColoursAndStylesFollowTheOption) {
    setFrameColours(ctl::lbldata, kBright, kMiddle, kDark, kBody);
    setFrameColours(ctl::lblMask, kWhite, kWhite, kBlack, kWhite);

    doc.select(ctl::Optframe, 2);  // 上無し
    FrameMakeByStyle(doc);
    const Bitmap& data = doc.slot(frame_maker::kFrameData);
    const Bitmap& mask = doc.slot(frame_maker::kFrameMask);
    EXPECT_EQ(data.at(100, 0), kBody);  // no top edge: the body reaches row 0
    EXPECT_EQ(data.at(1, 0), kMiddle);
    EXPECT_EQ(data.at(0, 0), kBright);
    EXPECT_EQ(data.at(274, 0), kDark);
    EXPECT_EQ(mask.at(100, 0), kWhite);
    EXPECT_EQ(mask.at(100, 115), kBlack);

    doc.select(ctl::Optframe, 1);  // 下無し
    FrameMakeByStyle(doc);
    EXPECT_EQ(data.at(100, 0), kBright);
    EXPECT_EQ(data.at(100, 115), kBody);  // the body reaches the bottom row
    EXPECT_EQ(data.at(1, 115), kMiddle);
    EXPECT_EQ(data.at(0, 115), kBright);
    EXPECT_EQ(data.at(274, 115), kDark);
}

TEST_F(FrameMaker, SingleTransfersCopyTheWholePictureAndClearBothFrameFlags) {
    setGradient(RGB(10, 20, 30), RGB(10, 20, 30));
    MakeGra(doc);
    TransferFrame(doc, FrameTransfer::GradientDataToEq);
    EXPECT_EQ(doc.slot(pic::picEQData, 1), Bitmap(275, 116, RGB(10, 20, 30)));
    EXPECT_EQ(doc.slot(pic::picData, 6), Bitmap(275, 116, kWhite));

    setFrameColours(ctl::lblMask, kBlack, kBlack, kBlack, kBlack);
    NormalFrameMake(doc);
    TransferFrame(doc, FrameTransfer::FrameMaskToMain);
    EXPECT_EQ(doc.slot(pic::picMask, 6), doc.slot(frame_maker::kFrameMask));
    EXPECT_EQ(doc.slot(pic::picMask, 6).at(100, 50), kBlack);
    EXPECT_EQ(doc.slot(pic::picMask, 6).at(1, 114), kWhite);  // the frame's one undrawn pixel
}

// The tall gradient with one distinct colour per row: row y is RGB(0, y, 0) for y < 256.
class TallTransfer : public FrameMaker {
protected:
    void SetUp() override {
        doc.setSwatch(ctl::lblBig1, -1, kBlack);
        doc.setSwatch(ctl::lblBig2, -1, RGB(0, 232, 0));
        MakeBigGra(doc);
    }
    static Colour row(int y) { return RGB(0, y, 0); }
    void expectRows(SlotRef slot, int firstRow) {
        const Bitmap& b = doc.slot(slot.name, slot.index);
        EXPECT_EQ(b.at(0, 0), row(firstRow)) << slot.name;
        EXPECT_EQ(b.at(274, 115), row(firstRow + 115)) << slot.name;
    }
};

TEST_F(TallTransfer, DataWithEqAboveSendsTheUpperHalfToTheEqualizer) {
    doc.select(ctl::optToData);
    doc.select(ctl::optEqUp);
    Command8(doc);
    expectRows({pic::picEQData, 1}, 0);
    expectRows({pic::picData, 6}, 116);
    EXPECT_EQ(doc.slot(pic::picMask, 6), Bitmap(275, 116, kBlack));  // the Mask stays blank
}

TEST_F(TallTransfer, EachOptionPairPicksItsMethod) {
    doc.select(ctl::optToData);
    doc.select(ctl::optMainUp);
    Command8(doc);
    expectRows({pic::picData, 6}, 0);
    expectRows({pic::picEQData, 1}, 116);

    doc.select(ctl::optToMask);
    Command8(doc);  // optMainUp still selected
    expectRows({pic::picMask, 6}, 0);
    expectRows({pic::picEQMask, 1}, 116);

    doc.select(ctl::optEqUp);
    Command8(doc);
    expectRows({pic::picEQMask, 1}, 0);
    expectRows({pic::picMask, 6}, 116);
}

TEST_F(TallTransfer, TheEqualizerSlotIsDrawnFirst) {
    std::vector<std::string> order;
    doc.addListener([&](const ChangeEvent& e) {
        if (e.kind == ChangeEvent::Kind::Slot) order.push_back(e.key);
    });
    BigToMaskMainUp(doc);
    EXPECT_EQ(order, (std::vector<std::string>{"picEQMask(1)", "picMask(6)"}));
}

}  // namespace
