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
    {ctl::lstData, 11},
    {ctl::lstMask, 9},
    {ctl::chkCbuttonsLink, 0}, {ctl::chkShufrepLink, 0}, {ctl::chkMonosterLink, 0}, {ctl::chkPlaypausLink, 0},
    {ctl::chkSliderLink, 0},   {ctl::chkTitlebarLink, 0}, {ctl::chkFrameLink, 0},   {ctl::chkLinkLayer1, 0},
    {ctl::chkLinkLayer2, 0},
    {ctl::lblCbuttonsMask, 0}, {ctl::lblShufrepMask, 0}, {ctl::lblMonosterMask, 0}, {ctl::lblPlaypausMask, 0},
    {ctl::lblSliderMask, 0},   {ctl::lblTitlebarMask, 0}, {ctl::lblFrameMask, 0},   {ctl::lblLayer1, 0},
    {ctl::lblLayer2, 0},
    {ctl::CbuttonsCheck, 0}, {ctl::CbuttonsCheck2, 0}, {ctl::ShufrepCheck, 0},  {ctl::ShufrepCheck2, 0},
    {ctl::MonosterCheck, 0}, {ctl::MonosterCheck2, 0}, {ctl::PlaypausCheck, 0}, {ctl::PlaypausCheck2, 0},
    {ctl::PosbarCheck, 0},   {ctl::PosbarCheck2, 0},   {ctl::VolumeCheck, 0},   {ctl::VolumeCheck2, 0},
    {ctl::BalanceCheck, 0},  {ctl::BalanceCheck2, 0},  {ctl::FrameCheck, 0},    {ctl::FrameCheck2, 0},
    {ctl::TitleBarCheck, 0}, {ctl::TitleBarCheck2, 0}, {ctl::EQCheck, 0},       {ctl::EQCheck2, 0},
    {ctl::EQFrameCheck, 0},  {ctl::EQFrameCheck2, 0},  {ctl::OnAutoCheck, 0},   {ctl::OnAutoCheck2, 0},
    {ctl::ImageCheck, 0},    {ctl::ImageCheck2, 0},    {ctl::PresetCheck, 0},   {ctl::PresetCheck2, 0},
};

constexpr NamedControls kColourAndMixControls[] = {
    {ctl::hscR, 10},     {ctl::hscG, 10},     {ctl::hscB, 10},
    {ctl::lblRed, 10},   {ctl::lblGreen, 10}, {ctl::lblBlue, 10},
    {ctl::optPelterra, 8}, {ctl::optSeken, 8}, {ctl::optEQPelterra, 8}, {ctl::optEQSeken, 8},
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
        std::string name;
        int index = -1;
        ASSERT_TRUE(parseControlName(written, name, index));
        const std::string wanted = newValueFor(doc.control(name, index));
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
        std::string name;
        int index = -1;
        ASSERT_TRUE(parseControlName(key, name, index)) << key;
        EXPECT_EQ(controlKey(name, index), key);
        EXPECT_TRUE(doc.hasSlot(name, index)) << key;
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
