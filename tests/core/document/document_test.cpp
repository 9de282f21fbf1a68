#include <gtest/gtest.h>

#include "document/document.h"

using namespace pelterra;

TEST(DocumentSlots, EverySlotHasItsFixedSize) {
    Document doc;
    EXPECT_EQ(doc.slot(pic::picData, 0).width(), 136);
    EXPECT_EQ(doc.slot(pic::picMask, 2).height(), 33);
    EXPECT_EQ(doc.slot(pic::picMask, 7).width(), 117);
    EXPECT_EQ(doc.slot(pic::picData, 16).width(), 344);
}

TEST(DocumentSlots, AssignCutsThePictureToTheSlot) {
    Document doc;
    Bitmap big(500, 500, RGB(1, 2, 3));
    doc.assignSlot(pic::picData, 0, big);
    EXPECT_EQ(doc.slot(pic::picData, 0).width(), 136);
    EXPECT_EQ(doc.slot(pic::picData, 0).at(135, 35), RGB(1, 2, 3));
}

TEST(DocumentOptions, SelectingOneOptionClearsItsPartner) {
    Document doc;
    EXPECT_TRUE(doc.isSelected(ctl::optSeken, 3));
    doc.select(ctl::optPelterra, 3);
    EXPECT_TRUE(doc.isSelected(ctl::optPelterra, 3));
    EXPECT_FALSE(doc.isSelected(ctl::optSeken, 3));
    EXPECT_TRUE(doc.isSelected(ctl::optSeken, 2));  // other pairs untouched
}

TEST(DocumentRegistry, ReadsAndWritesControlsByWrittenName) {
    Document doc;
    ASSERT_TRUE(doc.setByName("hscR(3)", "40").ok());
    EXPECT_EQ(doc.value(ctl::hscR, 3), 40);
    EXPECT_EQ(doc.getByName("hscR_3").value(), "40");
    ASSERT_TRUE(doc.setByName("txtSaveFolda", "My skin").ok());
    EXPECT_EQ(doc.text(ctl::txtSaveFolda), "My skin");
    ASSERT_TRUE(doc.setByName("optPelterra(2)", "1").ok());
    EXPECT_EQ(doc.getByName("optSeken(2)").value(), "0");
}

TEST(DocumentRegistry, RefusesUnknownNamesAndWrongValues) {
    Document doc;
    EXPECT_FALSE(doc.setByName("hscQ(3)", "1").ok());
    EXPECT_FALSE(doc.setByName("hscR(10)", "1").ok());
    EXPECT_FALSE(doc.setByName("hscR(3)", "forty").ok());
    EXPECT_FALSE(doc.setByName("hscR(3)", "257").ok());
    EXPECT_FALSE(doc.setByName("chkASP", "3").ok());
    EXPECT_FALSE(doc.setByName("optSeken(1)", "0").ok());
    EXPECT_FALSE(doc.setByName("lstData(0)", "0").ok());  // the list is empty
    EXPECT_FALSE(doc.getByName("(3)").ok());
    EXPECT_EQ(doc.value(ctl::hscR, 3), 0);
}

TEST(DocumentNotifications, ListenersHearWhatChanged) {
    Document doc;
    std::vector<std::string> heard;
    doc.addListener([&](const ChangeEvent& e) { heard.push_back(e.key); });
    doc.setValue(ctl::hscG, 1, 12);
    doc.setValue(ctl::hscG, 1, 12);  // no change, no event
    doc.assignSlot(pic::picMask, 4, Bitmap(3, 3, kBlack));
    EXPECT_EQ(heard, (std::vector<std::string>{"hscG(1)", "picMask(4)"}));
}

// Start-up defers reading the first parts; the deferred fill must run before any use of its
// slots, once, so that later writes stand.
TEST(DocumentSlots, ADeferredFillRunsOnceBeforeTheFirstUseOfAnyOfItsSlots) {
    Document doc;
    int runs = 0;
    const SlotRef slots[] = {{pic::picData, 0}, {pic::picData, 11}};
    doc.deferSlotFill(slots, [&runs](Document& d) {
        ++runs;
        d.assignSlot(pic::picData, 0, Bitmap(136, 36, RGB(1, 1, 1)));
        d.assignSlot(pic::picData, 11, Bitmap(136, 36, RGB(2, 2, 2)));
    });
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(doc.slot(pic::picData, 1).at(0, 0), kWhite);  // another slot does not run it
    EXPECT_EQ(runs, 0);
    doc.assignSlot(pic::picData, 11, Bitmap(136, 36, RGB(9, 9, 9)));  // a write runs it first
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(doc.slot(pic::picData, 11).at(0, 0), RGB(9, 9, 9));
    EXPECT_EQ(doc.slot(pic::picData, 0).at(0, 0), RGB(1, 1, 1));
    EXPECT_EQ(runs, 1);
}
