// The picture of each kind of list entry: the file its choice loads first.
#include <gtest/gtest.h>

#include "document/document.h"
#include "image/picture_file.h"
#include "parts/entry_picture.h"
#include "support/temp_dir.h"

using namespace pelterra;

namespace {

class EntryPicture : public ::testing::Test {
protected:
    // Entries "a" (single-folder form) and "b" (split form).
    void fill(ControlName list, int index) { doc.setListEntries(list, index, {"a", "b"}, 1); }
    std::string tail(ControlName list, int index, int entry) {
        return entryPictureTail(doc, list, index, entry).value_or("(none)");
    }

    Document doc;
};

TEST_F(EntryPicture, DataAndMaskListsShowTheirOwnRoleInEitherForm) {
    fill(ctl::lstData, 0);
    fill(ctl::lstMask, 6);
    fill(ctl::lstEQData, 2);
    fill(ctl::lstEQMask, 2);
    EXPECT_EQ(tail(ctl::lstData, 0, 0), "\\PartsData\\cbuttons\\a.data.bmp");
    EXPECT_EQ(tail(ctl::lstData, 0, 1), "\\PartsData\\cbuttons\\data\\b.bmp");
    EXPECT_EQ(tail(ctl::lstMask, 6, 0), "\\PartsData\\frame\\a.mask.bmp");
    EXPECT_EQ(tail(ctl::lstMask, 6, 1), "\\PartsData\\frame\\mask\\b.bmp");
    EXPECT_EQ(tail(ctl::lstEQData, 2, 1), "\\PartsData\\eq\\bar\\data\\b.bmp");
    EXPECT_EQ(tail(ctl::lstEQMask, 2, 0), "\\PartsData\\eq\\bar\\a.mask.bmp");
}

TEST_F(EntryPicture, NumberTextAndTheComboBoxesShowTheirOneFile) {
    doc.setListEntries(ctl::lstData, 7, {"digits"}, 1);
    doc.setListEntries(ctl::EasyCombo, -1, {"sample"}, 1);
    doc.setListEntries(ctl::SliderCombo, -1, {"round"}, 1);
    doc.setListEntries(ctl::BackColorCombo, -1, {"Spectrum"}, 1);
    doc.setListEntries(ctl::PLStyleCombo, -1, {"Plain"}, 1);
    EXPECT_EQ(tail(ctl::lstData, 7, 0), "\\PartsData\\number\\digits.bmp");
    EXPECT_EQ(tail(ctl::EasyCombo, -1, 0), "\\PartsData\\eq\\sample.bmp");
    EXPECT_EQ(tail(ctl::SliderCombo, -1, 0), "\\PartsData\\eq\\slider\\round.data.bmp");
    EXPECT_EQ(tail(ctl::BackColorCombo, -1, 0), "\\PartsData\\eq\\slider\\Spectrum.back.bmp");
    EXPECT_EQ(tail(ctl::PLStyleCombo, -1, 0), "\\PartsData\\playlist\\Plain\\layout.bmp");
}

TEST_F(EntryPicture, NoPictureForMissingEntriesOrOtherLists) {
    fill(ctl::lstData, 0);
    EXPECT_EQ(tail(ctl::lstData, 0, 2), "(none)");
    EXPECT_EQ(tail(ctl::lstData, 0, -1), "(none)");
    EXPECT_EQ(tail(ctl::MaronCombo1, -1, 0), "(none)");
    EXPECT_EQ(tail(ctl::chkASP, -1, 0), "(none)");
}

TEST_F(EntryPicture, TheFileIsReadIgnoringCaseAndAMissingOneIsNamed) {
    test_support::TempDir program;
    std::filesystem::create_directories(program / "PartsData" / "Cbuttons" / "DATA");
    ASSERT_TRUE(SavePicture(Bitmap(3, 2, RGB(1, 2, 3)), (program / "PartsData" / "Cbuttons" / "DATA" / "b.bmp").string()));
    fill(ctl::lstData, 0);
    Result<Bitmap> read = LoadEntryPicture(doc, program.path(), ctl::lstData, 0, 1);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, Bitmap(3, 2, RGB(1, 2, 3)));
    Result<Bitmap> missing = LoadEntryPicture(doc, program.path(), ctl::lstData, 0, 0);
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().describe().find("a.data.bmp"), std::string::npos) << missing.error().describe();
}

}  // namespace
