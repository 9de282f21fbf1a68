#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "image/drawing.h"
#include "image/picture_file.h"
#include "region/preview_shape.h"
#include "region/region_editor.h"
#include "region_pictures.h"

using namespace pelterra;
using namespace pelterra::region_test;
using pelterra::test_support::readFileBytes;
namespace fs = std::filesystem;

namespace {

constexpr Colour kChecker = RGB(236, 236, 236);

// A picture whose every pixel says where it came from, so a copy can be checked pixel by pixel.
Bitmap numberedPicture(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.at(x, y) = RGB(x % 256, y % 256, (x / 256) * 16 + y / 256);
    return b;
}

void writeCheckerboard(const ProgramFolder& program) {
    ASSERT_TRUE(SavePicture(Bitmap(280, 120, kChecker), (program.path() / "PartsData" / "cg.bmp").string()).ok());
}

HowFormDialog answering(int answer, int* asked = nullptr) {
    return [answer, asked] {
        if (asked) ++*asked;
        return answer;
    };
}

bool keptPixelAt55(int u, int v) { return !(u == 5 && v == 5); }

}  // namespace

TEST(LoadRegionPicture, OneWindowGoesToTheMainAreaAtOneOneAndHidesTheEqualizerArea) {
    ProgramFolder program;
    writeCheckerboard(program);
    Document doc;
    doc.setValue(ctl::RegionCheck, 1);
    doc.setEnabled(ctl::RegionCheck, -1, true);
    const Bitmap picture = numberedPicture(275, 116);
    auto loaded = LoadRegionPicture(doc, program.path(), picture, {});
    ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
    EXPECT_EQ(*loaded, -1);
    const Bitmap& area = doc.slot(pic::RegionArea, 0);
    EXPECT_EQ(area.at(1, 1), picture.at(0, 0));
    EXPECT_EQ(area.at(275, 116), picture.at(274, 115));
    EXPECT_EQ(area.at(0, 0), kWhite);  // the frame place keeps what the area showed
    EXPECT_EQ(doc.value(ctl::EqRegionFlag), 0);
    EXPECT_FALSE(doc.control(ctl::RegionArea, 1).visible);
    EXPECT_FALSE(doc.control(ctl::RegionArea, 1).enabled);
    EXPECT_EQ(doc.value(ctl::RegionCheck), 0);
    EXPECT_FALSE(doc.control(ctl::RegionCheck).enabled);
    EXPECT_TRUE(doc.control(ctl::BtnMakeRegion).enabled);
    EXPECT_EQ(doc.work.form3Picture1, picture);
    EXPECT_EQ(doc.slot(pic::RegionSource, 0).at(276, 117), kChecker);
    EXPECT_EQ(doc.slot(pic::RegionSource, 1).at(0, 0), kChecker);
}

TEST(LoadRegionPicture, TwoWindowsGoOneIntoEachArea) {
    ProgramFolder program;
    Document doc;
    doc.setVisible(ctl::RegionArea, 1, false);
    const Bitmap picture = numberedPicture(275, 232);
    ASSERT_TRUE(LoadRegionPicture(doc, program.path(), picture, {}).ok());
    EXPECT_EQ(doc.slot(pic::RegionArea, 0).at(1, 1), picture.at(0, 0));
    EXPECT_EQ(doc.slot(pic::RegionArea, 0).at(275, 116), picture.at(274, 115));
    EXPECT_EQ(doc.slot(pic::RegionArea, 1).at(1, 1), picture.at(0, 116));
    EXPECT_EQ(doc.slot(pic::RegionArea, 1).at(275, 116), picture.at(274, 231));
    EXPECT_EQ(doc.value(ctl::EqRegionFlag), 1);
    EXPECT_TRUE(doc.control(ctl::RegionArea, 1).visible);
    // Without cg.bmp the Cut-out results are cleared to white.
    EXPECT_EQ(doc.slot(pic::RegionSource, 0).at(10, 10), kWhite);
}

TEST(LoadRegionPicture, OtherSizesFollowTheSizeDialogsAnswer) {
    ProgramFolder program;
    const Bitmap picture(550, 232, RGB(1, 2, 3));
    {
        Document doc;
        int asked = 0;
        auto loaded = LoadRegionPicture(doc, program.path(), picture, answering(0, &asked));
        ASSERT_TRUE(loaded.ok());
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(*loaded, 0);
        EXPECT_EQ(doc.slot(pic::RegionArea, 0).at(1, 1), RGB(1, 2, 3));
        EXPECT_EQ(doc.slot(pic::RegionArea, 0).at(275, 116), RGB(1, 2, 3));
        EXPECT_EQ(doc.value(ctl::EqRegionFlag), 0);
        EXPECT_EQ(doc.combinedPictureFlag, 0);
        EXPECT_EQ(doc.text(ctl::Syori), "0");
    }
    {
        Document doc;
        Bitmap halves(550, 232, RGB(1, 1, 1));
        Line(halves, 0, 116, 549, 231, RGB(2, 2, 2), LineForm::FilledBox);
        ASSERT_TRUE(LoadRegionPicture(doc, program.path(), halves, answering(1)).ok());
        EXPECT_EQ(doc.slot(pic::RegionArea, 0).at(275, 116), RGB(1, 1, 1));
        EXPECT_EQ(doc.slot(pic::RegionArea, 1).at(1, 1), RGB(2, 2, 2));
        EXPECT_EQ(doc.value(ctl::EqRegionFlag), 1);
        EXPECT_EQ(doc.combinedPictureFlag, 1);
        EXPECT_TRUE(doc.control(ctl::EqUporDown).visible);
        EXPECT_TRUE(doc.control(ctl::EqUporDown).enabled);
        EXPECT_TRUE(doc.control(ctl::Picture2).visible);
    }
    {
        Document doc;
        doc.setValue(ctl::EqRegionFlag, 1);
        ASSERT_TRUE(LoadRegionPicture(doc, program.path(), picture, answering(3)).ok());
        EXPECT_EQ(doc.slot(pic::RegionArea, 0).at(1, 1), kWhite);  // nothing drawn
        EXPECT_EQ(doc.value(ctl::EqRegionFlag), 1);
        EXPECT_EQ(doc.value(ctl::RegionCheck), 0);
    }
}

TEST(LoadRegionPicture, CancelLeavesTheAreasButRegionCheckIsAlreadyOff) {
    ProgramFolder program;
    writeCheckerboard(program);
    Document doc;
    doc.setValue(ctl::RegionCheck, 1);
    Bitmap marked = doc.slot(pic::RegionSource, 0);
    marked.at(3, 3) = kMarkRed;
    doc.assignSlot(pic::RegionSource, 0, marked);
    auto loaded = LoadRegionPicture(doc, program.path(), Bitmap(10, 10, kKey), answering(2));
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(*loaded, 2);
    EXPECT_EQ(doc.slot(pic::RegionArea, 0).at(1, 1), kWhite);
    EXPECT_EQ(doc.slot(pic::RegionSource, 0).at(3, 3), kMarkRed);  // not reloaded
    EXPECT_EQ(doc.value(ctl::RegionCheck), 0);
}

TEST(LoadRegionPicture, RefusesWithoutChangingAnything) {
    ProgramFolder program;
    Document doc;
    doc.setValue(ctl::RegionCheck, 1);
    EXPECT_FALSE(LoadRegionPicture(doc, program.path(), Bitmap(), {}).ok());
    EXPECT_FALSE(LoadRegionPicture(doc, program.path(), Bitmap(10, 10), {}).ok());  // no dialog
    EXPECT_FALSE(LoadRegionPicture(doc, program.path(), Bitmap(10, 10), answering(7)).ok());
    EXPECT_EQ(doc.value(ctl::RegionCheck), 1);
    EXPECT_FALSE(doc.control(ctl::BtnMakeRegion).enabled);
}

TEST(LoadRegion, AnEmptyNameDoesNothingAndAnUnreadableFileIsNamed) {
    ProgramFolder program;
    Document doc;
    auto none = LoadRegion(doc, program.path(), "", {});
    ASSERT_TRUE(none.ok());
    EXPECT_FALSE(doc.control(ctl::BtnMakeRegion).enabled);
    const fs::path bad = program.path() / "broken.bmp";
    std::ofstream(bad) << "not a picture";
    auto failed = LoadRegion(doc, program.path(), bad.string(), {});
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().path, bad.string());
}

TEST(RegionKeyColour, PickedFromAPixelIntoTheBarsAndBoxes) {
    Document doc;
    Bitmap area(277, 118, kWhite);
    area.at(12, 8) = RGB(10, 200, 30);
    doc.assignSlot(pic::RegionArea, 1, area);
    PickRegionKeyColour(doc, 1, 11.6, 7.5);  // rounds to (12, 8)
    EXPECT_EQ(doc.value(ctl::HsRed), 10);
    EXPECT_EQ(doc.value(ctl::HsGreen), 200);
    EXPECT_EQ(doc.value(ctl::HsBlue), 30);
    EXPECT_EQ(doc.text(ctl::RegionGreen), "200");
    EXPECT_EQ(*ReadRegionKeyColour(doc), RGB(10, 200, 30));
    PickRegionKeyColour(doc, 1, -3, 500);  // outside: nothing changes
    EXPECT_EQ(doc.text(ctl::RegionRed), "10");

    doc.setValue(ctl::HsBlue, 99);
    RegionKeyBarChanged(doc, ctl::HsBlue);
    EXPECT_EQ(doc.text(ctl::RegionBlue), "99");
}

TEST(RegionKeyColour, ABoxThatIsNotAChannelValueIsNamed) {
    Document doc;
    doc.setText(ctl::RegionGreen, " 12 ");
    EXPECT_EQ(*ReadRegionKeyColour(doc), RGB(0, 12, 0));
    for (const char* bad : {"", "abc", "256", "-1", "1.5", "12x"}) {
        doc.setText(ctl::RegionGreen, bad);
        auto key = ReadRegionKeyColour(doc);
        ASSERT_FALSE(key.ok()) << bad;
        EXPECT_NE(key.error().message.find("RegionGreen"), std::string::npos);
    }
}

TEST(MakeRegion, DrawsTheKeyFrameTracesAndEnablesRegionCheck) {
    ProgramFolder program;
    Document doc;
    ASSERT_TRUE(LoadRegionPicture(doc, program.path(), pictureOf(keptPixelAt55), {}).ok());
    SetRegionKeyColour(doc, kKey);
    auto trace = MakeRegion(doc, program.path());
    ASSERT_TRUE(trace.ok()) << trace.error().describe();
    EXPECT_EQ(trace->mainOutlines, 1);
    EXPECT_TRUE(doc.control(ctl::RegionCheck).enabled);
    EXPECT_EQ(doc.value(ctl::RegionCheck), 0);  // enabled, not checked
    for (int item : {0, 1}) {
        EXPECT_EQ(doc.slot(pic::RegionArea, item).at(0, 0), kKey);
        EXPECT_EQ(doc.slot(pic::RegionArea, item).at(276, 117), kKey);
        EXPECT_EQ(doc.slot(pic::RegionArea, item).at(0, 60), kKey);
    }
    EXPECT_EQ(readFileBytes(program.work() / "region1.txt"), "12,");
}

TEST(MakeRegion, AFailedTraceLeavesRegionCheckDisabled) {
    ProgramFolder program;
    Document doc;
    ASSERT_TRUE(LoadRegionPicture(doc, program.path(), pictureOf(keptPixelAt55), {}).ok());
    doc.setText(ctl::RegionRed, "red");
    EXPECT_FALSE(MakeRegion(doc, program.path()).ok());
    EXPECT_FALSE(doc.control(ctl::RegionCheck).enabled);
    doc.setText(ctl::RegionRed, "255");
    doc.setText(ctl::RegionBlue, "255");
    fs::create_directory(program.work() / "region1.txt");
    EXPECT_FALSE(MakeRegion(doc, program.path()).ok());
    EXPECT_FALSE(doc.control(ctl::RegionCheck).enabled);
}

TEST(TraceRegionPicture, FromAFileToRegionTextWithRegionChecked) {
    ProgramFolder program;
    const fs::path file = program.path() / "shape.bmp";
    ASSERT_TRUE(SavePicture(pictureOf(keptPixelAt55), file.string()).ok());
    Document doc;
    doc.combinedPictureFlag = 1;
    auto traced = TraceRegionPicture(doc, program.path(), file.string(), kKey);
    ASSERT_TRUE(traced.ok()) << traced.error().describe();
    EXPECT_EQ(traced->trace.mainOutlines, 1);
    EXPECT_EQ(traced->text.outlines, 1);
    EXPECT_EQ(traced->text.path, program.work() / "region.txt");
    EXPECT_TRUE(doc.isChecked(ctl::RegionCheck));
    EXPECT_EQ(doc.combinedPictureFlag, 1);
    EXPECT_EQ(readFileBytes(program.work() / "region.txt"),
              "[Normal]\r\nNumPoints=12,\r\nPointList=4,5,4,5,5,5,5,6,5,6,5,6,6,5,6,5,6,5,5,4,5,4,5,4,");
    EXPECT_EQ(traced->text.bytes, readFileBytes(program.work() / "region.txt"));
    EXPECT_TRUE(fs::is_empty(program.system()));  // the library is only read
}

TEST(TraceRegionPicture, OtherSizesNeedAFitAnswerThatDoesNotTouchTheBasePicturesFlag) {
    ProgramFolder program;
    const fs::path file = program.path() / "big.bmp";
    Bitmap big(550, 232, kKept);
    ASSERT_TRUE(SavePicture(big, file.string()).ok());
    Document doc;
    auto refused = TraceRegionPicture(doc, program.path(), file.string(), kKey, std::nullopt, "--region-fit");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().message,
              "the region picture is 550*232, neither 275*116 nor 275*232: say how to fit it with --region-fit 0 "
              "(stretch it to one window) or --region-fit 1 (split it into two windows)");
    EXPECT_FALSE(TraceRegionPicture(doc, program.path(), file.string(), kKey, 2).ok());

    doc.combinedPictureFlag = 0;
    auto halves = TraceRegionPicture(doc, program.path(), file.string(), kKey, 1);
    ASSERT_TRUE(halves.ok()) << halves.error().describe();
    EXPECT_EQ(halves->trace.mainOutlines, 1);  // each window is kept whole: the frame's outline
    EXPECT_EQ(halves->trace.eqOutlines, 1);
    EXPECT_EQ(doc.combinedPictureFlag, 0);
}

// A region picture of the wrong size was decoded whole (a quarter of a gigabyte for 8000 x 8000)
// before it was refused. Each file here states 8000 x 8000 in its header and holds no pixels:
// the refusal names the size, so it came from the header, not from a decode. With a fit answer
// the picture is decoded, and the missing pixels are found then.
TEST(TraceRegionPicture, PicturesOfOtherSizesAreRefusedFromTheirHeadersBeforeDecoding) {
    using Bytes = std::vector<std::uint8_t>;
    Bytes bmp = EncodeBmp24(Bitmap(1, 1));
    bmp.resize(54);  // the two headers only
    for (const std::size_t field : {std::size_t{18}, std::size_t{22}}) {
        bmp[field] = 8000 & 0xFF;
        bmp[field + 1] = 8000 >> 8;
    }
    const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                       0,    0,   0x1F, 0x40, 0, 0, 0x1F, 0x40, 8, 2, 0, 0, 0, 0, 0, 0, 0};
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 0x40, 0x1F, 0x40, 0x1F, 0, 0, 0, 0x3B};
    const Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xC0, 0, 11, 8, 0x1F, 0x40, 0x1F, 0x40, 1, 1, 0x11, 0, 0xFF, 0xD9};
    const struct {
        const char* name;
        const Bytes& bytes;
    } headersOnly[] = {{"large.bmp", bmp}, {"large.png", png}, {"large.gif", gif}, {"large.jpg", jpeg}};

    ProgramFolder program;
    for (const auto& picture : headersOnly) {
        const fs::path file = program.path() / picture.name;
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(picture.bytes.data()),
                                                    static_cast<std::streamsize>(picture.bytes.size()));
        Document doc;
        auto refused = TraceRegionPicture(doc, program.path(), file.string(), kKey);
        ASSERT_FALSE(refused.ok()) << picture.name;
        EXPECT_EQ(refused.error().path, file.string());
        EXPECT_EQ(refused.error().message,
                  "the region picture is 8000*8000, neither 275*116 nor 275*232: say how to fit it with --fit 0 "
                  "(stretch it to one window) or --fit 1 (split it into two windows)")
            << picture.name;
        EXPECT_FALSE(doc.regionOutlines().traced) << picture.name;
    }
    Document doc;
    auto stretched = TraceRegionPicture(doc, program.path(), (program.path() / "large.bmp").string(), kKey, 0);
    ASSERT_FALSE(stretched.ok());
    EXPECT_EQ(stretched.error().message, "the picture data is cut short or damaged");
}

// The answer 3 keeps the areas as an earlier picture left them; a run of its own has none, and
// tracing the empty areas once gave a frame outline with success.
TEST(TraceRegionPicture, TheAnswerThatKeepsTheAreasIsRefusedBeforeAnythingIsTraced) {
    ProgramFolder program;
    const fs::path file = program.path() / "big.bmp";
    ASSERT_TRUE(SavePicture(Bitmap(550, 232, kKept), file.string()).ok());
    Document doc;
    auto refused = TraceRegionPicture(doc, program.path(), file.string(), kKey, 3);
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().message.find("--fit 3 keeps the picture areas as an earlier region picture left them"),
              std::string::npos)
        << refused.error().message;
    EXPECT_FALSE(doc.regionOutlines().traced);
    EXPECT_FALSE(doc.isChecked(ctl::RegionCheck));
    EXPECT_FALSE(fs::exists(program.work() / "region1.txt"));
}

TEST(ApplyPreviewRegion, WithoutRegionTheWholePictureIsPutBack) {
    Document doc;
    const PreviewWindowLayout layout{300, 300, {8, 8, 275, 116}};
    auto shape = ApplyPreviewRegion(doc, 1, layout);
    ASSERT_TRUE(shape.ok());
    ASSERT_EQ(shape->pieces.size(), 3u);
    EXPECT_EQ(shape->pieces[0].combine, ShapeCombine::Start);
    EXPECT_EQ(shape->pieces[0].rect, (Rect{0, 0, 300, 300}));
    EXPECT_EQ(shape->pieces[1].combine, ShapeCombine::Xor);
    EXPECT_EQ(shape->pieces[1].rect, (Rect{11, 30, 275, 232}));
    EXPECT_EQ(shape->pieces[2].combine, ShapeCombine::Union);
    EXPECT_EQ(shape->pieces[2].rect, (Rect{11, 30, 275, 232}));
}

TEST(ApplyPreviewRegion, TracedOutlinesAreXoredOverTheirWindows) {
    Document doc;
    // The first outline closes on its first point, which is then left out.
    doc.setRegionOutlines({.traced = true,
                           .main = {{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}, {{5, 5}, {20, 5}, {20, 20}, {5, 20}}},
                           .equalizer = {{{1, 1}, {2, 1}, {2, 2}, {1, 2}}}});
    doc.setValue(ctl::MainOutlineCount, 2);
    doc.setValue(ctl::EqOutlineCount, 1);
    const PreviewWindowLayout layout{300, 300, {0, 0, 275, 116}};

    auto mainOnly = ApplyPreviewRegion(doc, 0, layout);
    ASSERT_TRUE(mainOnly.ok()) << mainOnly.error().describe();
    ASSERT_EQ(mainOnly->pieces.size(), 4u);
    const ShapePiece& first = mainOnly->pieces[2];
    EXPECT_TRUE(first.isPolygon);
    EXPECT_EQ(first.combine, ShapeCombine::Xor);
    EXPECT_EQ(first.polygon, (std::vector<Point>{{3, 22}, {13, 22}, {13, 32}, {3, 32}}));
    EXPECT_EQ(mainOnly->pieces[3].polygon.front(), (Point{8, 27}));  // overlapping: xor cancels

    doc.setValue(ctl::EqRegionFlag, 1);
    auto both = ApplyPreviewRegion(doc, 0, layout);
    ASSERT_TRUE(both.ok());
    ASSERT_EQ(both->pieces.size(), 5u);
    EXPECT_EQ(both->pieces[4].polygon.front(), (Point{4, 22 + 116 + 1}));  // the lower window

    // A count beyond the held outlines is no shape of the trace.
    doc.setValue(ctl::EqOutlineCount, 2);
    EXPECT_FALSE(ApplyPreviewRegion(doc, 0, layout).ok());
    doc.setRegionOutlines({});
    EXPECT_FALSE(ApplyPreviewRegion(doc, 0, layout).ok());
}
