#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/document.h"

using namespace pelterra;

namespace {

// Every control of the part pages, the make boxes, the colour change and the Mix-mode window, by
// the names the user interface gives them. Frames, menus, timers and buttons hold no value and
// are not in the registry.
struct NamedControls {
    std::string_view name;
    int count;  // 0: a single control; n: indexes 0..n-1
};

constexpr NamedControls kPartPageControls[] = {
    {"lstData", 11},
    {"lstMask", 9},
    {"chkCbuttonsLink", 0}, {"chkShufrepLink", 0}, {"chkMonosterLink", 0}, {"chkPlaypausLink", 0},
    {"chkSliderLink", 0},   {"chkTitlebarLink", 0}, {"chkFrameLink", 0},   {"chkLinkLayer1", 0},
    {"chkLinkLayer2", 0},
    {"lblCbuttonsMask", 0}, {"lblShufrepMask", 0}, {"lblMonosterMask", 0}, {"lblPlaypausMask", 0},
    {"lblSliderMask", 0},   {"lblTitlebarMask", 0}, {"lblFrameMask", 0},   {"lblLayer1", 0},
    {"lblLayer2", 0},
    {"CbuttonsCheck", 0}, {"CbuttonsCheck2", 0}, {"ShufrepCheck", 0},  {"ShufrepCheck2", 0},
    {"MonosterCheck", 0}, {"MonosterCheck2", 0}, {"PlaypausCheck", 0}, {"PlaypausCheck2", 0},
    {"PosbarCheck", 0},   {"PosbarCheck2", 0},   {"VolumeCheck", 0},   {"VolumeCheck2", 0},
    {"BalanceCheck", 0},  {"BalanceCheck2", 0},  {"FrameCheck", 0},    {"FrameCheck2", 0},
    {"TitleBarCheck", 0}, {"TitleBarCheck2", 0}, {"EQCheck", 0},       {"EQCheck2", 0},
    {"EQFrameCheck", 0},  {"EQFrameCheck2", 0},  {"OnAutoCheck", 0},   {"OnAutoCheck2", 0},
    {"ImageCheck", 0},    {"ImageCheck2", 0},    {"PresetCheck", 0},   {"PresetCheck2", 0},
};

constexpr NamedControls kColourAndMixControls[] = {
    {"hscR", 10},     {"hscG", 10},     {"hscB", 10},
    {"lblRed", 10},   {"lblGreen", 10}, {"lblBlue", 10},
    {"optPelterra", 8}, {"optSeken", 8}, {"optEQPelterra", 8}, {"optEQSeken", 8},
};

std::vector<std::string> writtenNames() {
    std::vector<std::string> names;
    auto add = [&](const NamedControls& c) {
        if (c.count == 0) names.emplace_back(c.name);
        for (int i = 0; i < c.count; ++i) names.push_back(std::string(c.name) + "(" + std::to_string(i) + ")");
    };
    for (const auto& c : kPartPageControls) add(c);
    for (const auto& c : kColourAndMixControls) add(c);
    return names;
}

// A value each kind accepts that differs from its start value where the kind allows.
std::string newValueFor(const Control& c) {
    switch (c.kind) {
        case ControlKind::Check: return c.value == 1 ? "0" : "1";
        case ControlKind::Option: return "1";
        case ControlKind::Scroll: return std::to_string(c.value == c.max ? c.min : c.max);
        case ControlKind::List: return c.entries.empty() ? "-1" : std::to_string(c.entries.size() - 1);
        case ControlKind::Text: return "walked";
        case ControlKind::Swatch: return "123456";
    }
    return {};
}

TEST(RegistryWalk, EveryPartPageColourAndMixControlIsReadAndSetByName) {
    Document doc;
    const std::vector<std::string> names = writtenNames();
    EXPECT_EQ(names.size(), 11u + 9 + 9 + 9 + 28 + 60 + 32);
    for (const std::string& written : names) {
        const auto before = doc.getByName(written);
        ASSERT_TRUE(before.ok()) << written << ": " << before.error().describe();
        const auto ref = doc.controlByWritten(written);
        ASSERT_TRUE(ref) << written;
        const std::string wanted = newValueFor(doc.control(ref->name, ref->index));
        const Status set = doc.setByName(written, wanted);
        ASSERT_TRUE(set.ok()) << written << " = " << wanted << ": " << set.error().describe();
        EXPECT_EQ(doc.getByName(written).value(), wanted) << written;
    }
}

TEST(RegistryWalk, EveryControlKeyOfTheDocumentReadsBackByItsOwnName) {
    Document doc;
    for (const std::string& key : doc.controlKeys()) {
        const auto value = doc.getByName(key);
        EXPECT_TRUE(value.ok()) << key;
    }
}

TEST(RegistryWalk, EverySlotKeyParsesBackToItsSlot) {
    Document doc;
    for (const std::string& key : doc.slotKeys()) {
        const auto ref = doc.slotByWritten(key);
        ASSERT_TRUE(ref) << key;
        EXPECT_EQ(controlKey(ref->name, ref->index), key);
    }
    std::string name;
    int index = -1;
    EXPECT_FALSE(parseControlName(".picData", name, index));
    EXPECT_FALSE(parseControlName("frmMakeFrame.", name, index));
}

TEST(RegistryWalk, WrongKindsOfValueAreRefusedAndChangeNothing) {
    Document doc;
    EXPECT_FALSE(doc.setByName("chkFrameLink", "yes").ok());
    EXPECT_FALSE(doc.setByName("lstMask(9)", "0").ok());    // lstMask has indexes 0..8
    EXPECT_FALSE(doc.setByName("optEQSeken(8)", "1").ok());
    EXPECT_FALSE(doc.setByName("hscB(0)", "1.5").ok());
    EXPECT_EQ(doc.value(ctl::chkFrameLink), 0);
    EXPECT_EQ(doc.value(ctl::hscB, 0), 0);
}

}  // namespace
