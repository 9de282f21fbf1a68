#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/document.h"
#include "sheets/skin_sheets.h"

using namespace pelterra;

namespace {

bool inside(const Blit& b, const SkinSheet& sheet) {
    const Point at = b.destination;
    return at.x >= 0 && at.y >= 0 && at.x + b.source.w <= sheet.width && at.y + b.source.h <= sheet.height;
}

std::vector<std::string> writtenSlots(const Document& doc, SheetWindow window) {
    std::vector<std::string> slots;
    for (const SkinSheet* s : WrittenSheets(doc, window))
        slots.push_back(std::string(s->file) + "<-" + std::string(s->slot.name.written()) +
                        (s->slot.index < 0 ? "" : "(" + std::to_string(s->slot.index) + ")"));
    return slots;
}

}  // namespace

TEST(SkinSheets, EverySheetHasTheSizeOfItsDocumentSlotAndItsCutsLieInsideIt) {
    const Document doc;
    for (const SkinSheet& sheet : kSkinSheets) {
        const Bitmap& slot = doc.slot(sheet.slot.name, sheet.slot.index);
        EXPECT_EQ(slot.width(), sheet.width) << sheet.slot.name;
        EXPECT_EQ(slot.height(), sheet.height) << sheet.slot.name;
        for (const Blit& cut : sheet.cuts) EXPECT_TRUE(inside(cut, sheet)) << sheet.slot.name;
        for (int k = 0; k < sheet.frames.count; ++k)
            EXPECT_TRUE(inside(sheet.frames.at(k), sheet)) << sheet.slot.name << " frame " << k;
    }
}

TEST(SkinSheets, EachMainWindowFileIsWrittenFromTheSheetItsBoxChooses) {
    Document doc;
    doc.setValue(ctl::PosbarCheck, 1);
    doc.setValue(ctl::VolumeCheck, 1);
    doc.setValue(ctl::BalanceCheck, 0);
    EXPECT_EQ(writtenSlots(doc, SheetWindow::Main),
              (std::vector<std::string>{"main.bmp<-Main", "cbuttons.bmp<-cbuttons", "balance.bmp<-BalanceNo",
                                        "monoster.bmp<-monoster", "numbers.bmp<-number", "playpaus.bmp<-playpaus",
                                        "posbar.bmp<-posbar", "shufrep.bmp<-shufrep", "text.bmp<-picData(8)",
                                        "titlebar.bmp<-titlebar", "volume.bmp<-volume"}));
    doc.setValue(ctl::PosbarCheck, 0);
    doc.setValue(ctl::VolumeCheck, 0);
    doc.setValue(ctl::BalanceCheck, 1);
    const auto slots = writtenSlots(doc, SheetWindow::Main);
    ASSERT_EQ(slots.size(), 11u);
    EXPECT_EQ(slots[2], "balance.bmp<-balance");
    EXPECT_EQ(slots[6], "posbar.bmp<-PosbarNo");
    EXPECT_EQ(slots[10], "volume.bmp<-VolumeNo");
}

TEST(SkinSheets, EqualizerAndPlaylistSheetsFollowTheirBoxes) {
    Document doc;
    doc.setValue(ctl::EQModeCheck, 1);
    doc.setValue(ctl::chkPLMake, 0);
    EXPECT_EQ(writtenSlots(doc, SheetWindow::Equalizer), (std::vector<std::string>{"eqmain.bmp<-EQ"}));
    EXPECT_TRUE(writtenSlots(doc, SheetWindow::Playlist).empty());
    doc.setValue(ctl::EQModeCheck, 0);
    doc.setValue(ctl::chkPLMake, 1);
    EXPECT_EQ(writtenSlots(doc, SheetWindow::Equalizer), (std::vector<std::string>{"eqmain.bmp<-eqmain"}));
    EXPECT_EQ(writtenSlots(doc, SheetWindow::Playlist), (std::vector<std::string>{"pledit.bmp<-picPL"}));
}
