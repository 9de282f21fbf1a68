#include <gtest/gtest.h>

#include <set>
#include <string>

#include "document/document.h"
#include "document/names.h"

using namespace pelterra;

namespace {

// A string literal does not stand for a control or a slot: only the handles of names.h do.
template <class D>
concept TakesWrittenControl = requires(D& d) { d.value("chkASP"); };
template <class D>
concept TakesWrittenSlot = requires(D& d) { d.slot("picData", 3); };
template <class D>
concept TakesHandles = requires(D& d) {
    d.value(ctl::chkASP);
    d.slot(pic::picData, 3);
};
static_assert(!TakesWrittenControl<Document>);
static_assert(!TakesWrittenSlot<Document>);
static_assert(TakesHandles<Document>);
static_assert(!std::is_convertible_v<const char*, ControlName>);
static_assert(!std::is_convertible_v<const char*, SlotName>);

// The names a document builds, without their indexes.
std::set<std::string> baseNames(const Document& doc, const std::vector<std::string>& keys, bool slots) {
    std::set<std::string> names;
    for (const std::string& key : keys) {
        const std::string_view name =
            slots ? doc.slotByWritten(key)->name.written() : doc.controlByWritten(key)->name.written();
        names.insert(std::string(name));
    }
    return names;
}

template <class Tag, std::size_t N>
std::set<std::string> handleNames(const DocumentName<Tag> (&all)[N]) {
    std::set<std::string> names;
    for (const DocumentName<Tag>& n : all) EXPECT_TRUE(names.insert(std::string(n.written())).second) << n;
    return names;
}

}  // namespace

TEST(Names, EveryControlTheDocumentBuildsHasAHandleAndEveryHandleAControl) {
    const Document doc;
    EXPECT_EQ(baseNames(doc, doc.controlKeys(), false), handleNames(ctl::kAllNames));
    EXPECT_EQ(std::size(ctl::kAllNames), 180u);  // with StyleCombo, the whole-skin style
}

TEST(Names, EverySlotTheDocumentBuildsHasAHandleAndEveryHandleASlot) {
    const Document doc;
    EXPECT_EQ(baseNames(doc, doc.slotKeys(), true), handleNames(pic::kAllNames));
    EXPECT_EQ(pic::frmMakeFramePicData.written(), "frmMakeFrame.picData");
}

TEST(Names, TheRegistryTurnsWrittenNamesIntoHandles) {
    const Document doc;
    EXPECT_EQ(doc.controlByWritten("hscR(3)"), (ControlRef{ctl::hscR, 3}));
    EXPECT_EQ(doc.controlByWritten("hscR_3"), (ControlRef{ctl::hscR, 3}));
    EXPECT_EQ(doc.controlByWritten("chkASP"), (ControlRef{ctl::chkASP, -1}));
    EXPECT_EQ(doc.controlByWritten("hscR(10)"), std::nullopt);  // hscR has indexes 0..9
    EXPECT_EQ(doc.controlByWritten("chkAPS"), std::nullopt);
    EXPECT_EQ(doc.controlByWritten("picData(3)"), std::nullopt);  // a slot, not a control
    EXPECT_EQ(doc.slotByWritten("picData(3)"), (SlotRef{pic::picData, 3}));
    EXPECT_EQ(doc.slotByWritten("frmMakeFrame.picData"), (SlotRef{pic::frmMakeFramePicData, -1}));
    EXPECT_EQ(doc.slotByWritten("RegionArea(1)"), (SlotRef{pic::RegionArea, 1}));
    EXPECT_EQ(doc.slotByWritten("chkASP"), std::nullopt);
}
