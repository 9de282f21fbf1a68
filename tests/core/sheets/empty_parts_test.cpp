// A part slot that nothing has filled changes nothing where it is laid: a ticked make box or
// playlist box over an empty part builds the same sheet as the clear box, in both Mix modes,
// never a white area.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/initial_state.h"
#include "playlist/playlist_sheet.h"
#include "sheets/build_driver.h"
#include "build_fixture.h"

using namespace pelterra;
using namespace pelterra::build_test;

namespace {

// Every picture of the document, by slot key, after a build.
std::vector<std::pair<std::string, Bitmap>> allSlots(Document& doc) {
    std::vector<std::pair<std::string, Bitmap>> slots;
    for (const std::string& key : doc.slotKeys()) {
        const std::optional<SlotRef> ref = doc.slotByWritten(key);
        if (ref) slots.emplace_back(key, doc.slot(ref->name, ref->index));
    }
    return slots;
}

struct MixCase {
    const char* name;
    ControlName option;  // selected at every position
};

class EmptyParts : public ::testing::TestWithParam<MixCase> {
protected:
    // A start with no library parts: every part slot is empty (the start-up reports the missing
    // library pictures and carries on).
    void start(Document& doc) {
        (void)InitialiseDocument(doc, program.path());
        prepareDocument(doc);
        for (int k = 0; doc.hasControl(GetParam().option, k); ++k) doc.select(GetParam().option, k);
    }
    std::vector<std::pair<std::string, Bitmap>> build(Document& doc) {
        EXPECT_TRUE(BuildSkinImages(doc, program.path()).ok());
        return allSlots(doc);
    }
    // Builds once with `boxes` cleared and once ticked: over empty parts both must give the same sheets.
    void expectTickedBoxesChangeNothing(std::initializer_list<ControlName> boxes) {
        Document cleared, ticked;
        start(cleared);
        start(ticked);
        for (ControlName box : boxes) {
            cleared.setValue(box, 0);
            ticked.setValue(box, 1);
        }
        const auto expected = build(cleared);
        const auto actual = build(ticked);
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(actual[i].second, expected[i].second) << actual[i].first;
    }
    ProgramFolder program;
};

TEST_P(EmptyParts, MainWindowBoxesOverEmptyPartsBuildTheBareFace) {
    expectTickedBoxesChangeNothing({ctl::CbuttonsCheck, ctl::ShufrepCheck, ctl::MonosterCheck,
                                    ctl::PlaypausCheck, ctl::TitleBarCheck, ctl::FrameCheck});
}

TEST_P(EmptyParts, EqualizerBoxesOverEmptyPartsBuildTheBareFace) {
    expectTickedBoxesChangeNothing({ctl::EQCheck, ctl::OnAutoCheck, ctl::ImageCheck, ctl::PresetCheck});
}

INSTANTIATE_TEST_SUITE_P(BothMixModes, EmptyParts,
                         ::testing::Values(MixCase{"Additive", ctl::optSeken}, MixCase{"Bitwise", ctl::optPelterra}),
                         [](const auto& info) { return std::string(info.param.name); });

// The pledit.bmp rectangles a part is laid over: the top row and its inactive copy, the left and
// right frame, the two bottom blocks and the four pieces of the shade bar.
constexpr Rect kOverlaidAreas[] = {
    {0, 0, 25, 20},   {26, 0, 100, 20},  {127, 0, 25, 20}, {153, 0, 25, 20},
    {0, 21, 25, 20},  {26, 21, 100, 20}, {127, 21, 25, 20}, {153, 21, 25, 20},
    {0, 42, 25, 29},  {26, 42, 25, 29},  {0, 72, 125, 38},  {126, 72, 150, 38},
    {72, 42, 25, 14}, {99, 42, 50, 14},  {99, 57, 50, 14},  {72, 57, 25, 14},
};

int whitePixelsIn(const Bitmap& sheet, const Rect& r) {
    int white = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) white += (sheet.at(x, y) & 0xFFFFFFu) == kWhite ? 1 : 0;
    return white;
}

TEST(EmptyPlaylistParts, EveryBoxTickedOverEmptySlotsBuildsThePlainSourceCopy) {
    const auto startWithSource = [](Document& doc) {
        test_support::TempDir noLibrary;
        (void)InitialiseDocument(doc, noLibrary.path());
        doc.assignSlot(pic::picPrePLmain, 0, distinctPicture(275, 116, 5));
    };
    Document ticked, plain;
    startWithSource(ticked);
    startWithSource(plain);
    for (int i = 0; i < 10; ++i) ticked.setValue(ctl::chkPLParts, i, 1);
    ticked.setValue(ctl::chkPLShade, 1);
    ticked.setValue(ctl::chkPLActive, 1);
    plain.select(ctl::optPLNotActive, 1);  // "元画像を出力": the inactive row as the source has it

    BuildPlaylistSheet(ticked);
    BuildPlaylistSheet(plain);

    const Bitmap& sheet = ticked.slot(pic::picPL);
    EXPECT_EQ(sheet, plain.slot(pic::picPL));
    for (const Rect& area : kOverlaidAreas)
        EXPECT_EQ(whitePixelsIn(sheet, area), 0) << area.x << ',' << area.y;
}

}  // namespace
