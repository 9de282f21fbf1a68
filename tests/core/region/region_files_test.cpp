#include <gtest/gtest.h>
#include <zip.h>

#include <fstream>
#include <string>
#include <vector>

#include "document/document.h"
#include "image/picture_file.h"
#include "output/save_skin.h"
#include "region/region_editor.h"
#include "region/region_text.h"
#include "region/region_text_reader.h"
#include "region/region_trace.h"
#include "region/region_work_files.h"
#include "region_pictures.h"

using namespace pelterra;
using namespace pelterra::region_test;
using pelterra::test_support::readFileBytes;
namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

template <typename IsKey>
void putArea(Document& doc, int item, IsKey isKey) {
    doc.assignSlot(pic::RegionArea, item, areaOf(isKey));
}

bool keptPixelAt55(int u, int v) { return !(u == 5 && v == 5); }
bool allKey(int, int) { return true; }

// The outlines a trace of the main area (and of the equalizer area) would leave in the document,
// with the outline counts that say how many of them region.txt takes.
void holdOutlines(Document& doc, std::vector<Outline> main, std::vector<Outline> equalizer = {}) {
    doc.setValue(ctl::MainOutlineCount, static_cast<int>(main.size()));
    doc.setValue(ctl::EqOutlineCount, static_cast<int>(equalizer.size()));
    doc.setRegionOutlines({.traced = true, .main = std::move(main), .equalizer = std::move(equalizer)});
}

const Outline kUnitSquare45{{4, 5}, {5, 5}, {5, 6}, {4, 6}};
const std::string kUnitSquare45Text = "[Normal]\r\nNumPoints=4,\r\nPointList=4,5,5,5,5,6,4,6,";

// The skin is saved as "sky" beside the program: the base picture names it.
void saveAsSky(Document& doc, const ProgramFolder& program) {
    doc.BackgroundImagePath = (program.path() / "sky.bmp").string();
    doc.BackgroundImageTitle = "sky.bmp";
}

std::string regionText(const ProgramFolder& program) { return readFileBytes(program.work() / "region.txt"); }

// The sections of a region.txt text; a text the reader refuses fails the test.
std::vector<RegionTextSection> sectionsOf(const std::string& text) {
    auto sections = ParseRegionText(text);
    if (!sections) {
        ADD_FAILURE() << sections.error().describe();
        return {};
    }
    return *sections;
}

// The sample region picture beside the program when the library was generated, else one drawn
// the same way: two windows whose corners are cut round by the key colour.
Bitmap sampleRegionPicture() {
    const fs::path sample = fs::path(PELTERRA_BIN_DIR) / "Samples" / "region_main_eq.bmp";
    if (fs::exists(sample))
        if (auto picture = LoadPicture(sample.string())) return *picture;
    Bitmap picture(275, 232, kKept);
    const int r = 7;
    for (int top : {0, 116})
        for (int dy = 0; dy < r; ++dy)
            for (int dx = 0; dx < r; ++dx) {
                const int ox = r - dx, oy = r - dy;
                if ((2 * ox - 1) * (2 * ox - 1) + (2 * oy - 1) * (2 * oy - 1) <= 4 * r * r) continue;
                for (Point p : {Point{dx, top + dy}, {274 - dx, top + dy}, {dx, top + 115 - dy}, {274 - dx, top + 115 - dy}})
                    picture.at(p.x, p.y) = RGB(255, 0, 255);
            }
    return picture;
}

}  // namespace

TEST(RegionWorkFiles, ValuesAreDecimalsEachFollowedByAComma) {
    const int counts[] = {94, 12, 4};
    EXPECT_EQ(WorkCountsText(counts), "94,12,4,");
    const Point points[] = {{-1, 0}, {275, 116}, {9, 5}};
    EXPECT_EQ(WorkPointsText(points), "-1,0,275,116,9,5,");
    EXPECT_EQ(WorkCountsText({}), "");
}

TEST(RegionWorkFiles, TheReaderSkipsSpacesAndOneCommaAndStopsAtAnythingElse) {
    WorkValueReader reader(" 4 , -1,\r\n+7 ,12x,5,");
    int v = 0;
    ASSERT_TRUE(reader.next(v));
    EXPECT_EQ(v, 4);
    ASSERT_TRUE(reader.next(v));
    EXPECT_EQ(v, -1);
    ASSERT_TRUE(reader.next(v));
    EXPECT_EQ(v, 7);
    ASSERT_TRUE(reader.next(v));  // "12" then "x": the value is read, the garbage ends the text
    EXPECT_EQ(v, 12);
    EXPECT_FALSE(reader.failed());
    EXPECT_FALSE(reader.next(v));
    EXPECT_TRUE(reader.failed());
    EXPECT_FALSE(reader.next(v));
    WorkValueReader huge("99999999999,");
    EXPECT_FALSE(huge.next(v));
    EXPECT_TRUE(huge.failed());
    WorkValueReader ended("4, ");
    ASSERT_TRUE(ended.next(v));
    EXPECT_FALSE(ended.next(v));
    EXPECT_FALSE(ended.failed());  // the end of the text is no failure
}

TEST(TraceRegionAreas, WritesTheMainWorkFilesAndCountsAndLeavesTheEqualizerFilesWithoutItsHalf) {
    ProgramFolder program;
    writeFile(program.work() / "region3.txt", "keep,");
    writeFile(program.work() / "region4.txt", "keep too,");
    Document doc;
    putArea(doc, 0, keptPixelAt55);
    doc.setValue(ctl::EqOutlineCount, 5);
    auto trace = TraceRegionAreas(doc, kKey);
    ASSERT_TRUE(trace.ok()) << trace.error().describe();
    EXPECT_EQ(trace->mainOutlines, 1);
    EXPECT_EQ(trace->eqOutlines, 0);
    EXPECT_EQ(doc.value(ctl::MainOutlineCount), 1);
    EXPECT_EQ(doc.value(ctl::EqOutlineCount), 0);
    EXPECT_EQ(readFileBytes(program.work() / "region1.txt"), "12,");
    EXPECT_EQ(readFileBytes(program.work() / "region2.txt"), "4,5,4,5,5,5,5,6,5,6,5,6,6,5,6,5,6,5,5,4,5,4,5,4,");
    const RegionOutlines& held = doc.regionOutlines();
    EXPECT_TRUE(held.traced);
    ASSERT_EQ(held.main.size(), 1u);
    EXPECT_EQ(held.main[0], (Outline{{4, 5}, {4, 5}, {5, 5}, {5, 6}, {5, 6}, {5, 6}, {6, 5}, {6, 5}, {6, 5}, {5, 4}, {5, 4}, {5, 4}}));
    EXPECT_TRUE(held.equalizer.empty());
    EXPECT_EQ(readFileBytes(program.work() / "region3.txt"), "keep,");
    EXPECT_EQ(readFileBytes(program.work() / "region4.txt"), "keep too,");
    EXPECT_EQ(doc.text(ctl::Areay), "116/116 終了");
    EXPECT_TRUE(doc.control(ctl::RegionSource, 0).visible);
    EXPECT_EQ(doc.slot(pic::RegionSource, 0).at(5, 6), kMarkRed);
}

TEST(TraceRegionAreas, TracesTheEqualizerHalfWhenThePictureHasOneAndASecondPressReplacesAll) {
    ProgramFolder program;
    Document doc;
    putArea(doc, 0, keptPixelAt55);
    putArea(doc, 1, [](int u, int v) { return !((u == 3 && v == 3) || (u == 30 && v == 30)); });
    doc.setValue(ctl::EqRegionFlag, 1);
    std::vector<std::string> texts;
    auto first = TraceRegionAreas(doc, kKey, [&](const std::string& t) { texts.push_back(t); });
    ASSERT_TRUE(first.ok()) << first.error().describe();
    EXPECT_EQ(first->eqOutlines, 2);
    EXPECT_EQ(doc.value(ctl::EqOutlineCount), 2);
    EXPECT_EQ(readFileBytes(program.work() / "region3.txt"), "12,12,");
    EXPECT_EQ(texts.size(), 116u + 1 + 116 + 2);  // rows of both areas and three outlines
    ASSERT_EQ(doc.regionOutlines().equalizer.size(), 2u);
    EXPECT_EQ(doc.regionOutlines().equalizer[1].front(), (Point{29, 30}));

    putArea(doc, 0, allKey);
    putArea(doc, 1, keptPixelAt55);
    auto second = TraceRegionAreas(doc, kKey);
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(doc.value(ctl::MainOutlineCount), 0);
    EXPECT_EQ(doc.value(ctl::EqOutlineCount), 1);
    EXPECT_EQ(readFileBytes(program.work() / "region1.txt"), "");
    EXPECT_EQ(readFileBytes(program.work() / "region2.txt"), "");
    EXPECT_EQ(readFileBytes(program.work() / "region3.txt"), "12,");
    EXPECT_TRUE(doc.regionOutlines().main.empty());
    EXPECT_EQ(doc.regionOutlines().equalizer.size(), 1u);
}

TEST(TraceRegionAreas, AWorkFileThatCannotBeWrittenIsReportedAndTheCountsStayZero) {
    ProgramFolder program;
    fs::create_directory(program.work() / "region2.txt");  // a folder where the file should go
    Document doc;
    putArea(doc, 0, keptPixelAt55);
    holdOutlines(doc, {kUnitSquare45, kUnitSquare45, kUnitSquare45});
    auto trace = TraceRegionAreas(doc, kKey);
    ASSERT_FALSE(trace.ok());
    EXPECT_NE(trace.error().path.find("region2.txt"), std::string::npos) << trace.error().describe();
    EXPECT_EQ(doc.value(ctl::MainOutlineCount), 0);
    EXPECT_FALSE(doc.regionOutlines().traced);  // the outlines of an earlier trace are gone too
    EXPECT_TRUE(doc.control(ctl::RegionSource, 1).visible);  // shown again however the trace ended
}

TEST(WriteRegionText, AUnitSquareInTheMainAreaIsWrittenByteForByte) {
    ProgramFolder program;
    Document doc;
    holdOutlines(doc, {kUnitSquare45});
    auto written = WriteRegionText(doc);
    ASSERT_TRUE(written.ok()) << written.error().describe();
    EXPECT_EQ(written->outlines, 1);
    EXPECT_EQ(written->bytes, kUnitSquare45Text);
    EXPECT_EQ(regionText(program), kUnitSquare45Text);  // left in the work folder as well
}

TEST(WriteRegionText, SectionNamesFollowEqBelowForTwoWindowsAndAreNormalForOne) {
    ProgramFolder program;
    Document doc;
    holdOutlines(doc, {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}}, {{{2, 2}, {3, 2}, {3, 3}, {2, 3}}});
    const std::string main = "NumPoints=4,\r\nPointList=0,0,1,0,1,1,0,1,";
    const std::string eq = "NumPoints=4,\r\nPointList=2,2,3,2,3,3,2,3,";

    doc.setValue(ctl::EqRegionFlag, 1);
    doc.setValue(ctl::EqUporDown, 1);
    ASSERT_TRUE(WriteRegionText(doc).ok());
    EXPECT_EQ(regionText(program), "[Normal]\r\n" + main + "\r\n\r\n[Equalizer]\r\n" + eq);

    doc.setValue(ctl::EqUporDown, 0);
    ASSERT_TRUE(WriteRegionText(doc).ok());
    EXPECT_EQ(regionText(program), "[Equalizer]\r\n" + main + "\r\n\r\n[Normal]\r\n" + eq);

    doc.setValue(ctl::EqRegionFlag, 0);
    for (int below : {0, 1}) {
        doc.setValue(ctl::EqUporDown, below);
        ASSERT_TRUE(WriteRegionText(doc).ok());
        EXPECT_EQ(regionText(program), "[Normal]\r\n" + main) << "EQが下 " << below;
    }
}

TEST(WriteRegionText, ATraceWithoutOutlinesWritesEmptyLists) {
    ProgramFolder program;
    Document doc;
    putArea(doc, 0, allKey);
    ASSERT_TRUE(TraceRegionAreas(doc, kKey).ok());
    ASSERT_TRUE(WriteRegionText(doc).ok());
    EXPECT_EQ(regionText(program), "[Normal]\r\nNumPoints=\r\nPointList=");
}

TEST(WriteRegionText, TheCountsInMemoryDecideHowManyOfTheHeldOutlinesAreWritten) {
    ProgramFolder program;
    Document doc;
    holdOutlines(doc, {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{5, 5}, {6, 5}, {6, 6}, {5, 6}}});
    doc.setValue(ctl::MainOutlineCount, 1);
    ASSERT_TRUE(WriteRegionText(doc).ok());
    EXPECT_EQ(regionText(program), "[Normal]\r\nNumPoints=4,\r\nPointList=0,0,1,0,1,1,0,1,");
}

// The outlines come from the document: the work files are written for others and never read
// back, so a trace in another run of the program that replaces them cannot change this save.
TEST(WriteRegionText, WorkFilesReplacedAfterTheTraceDoNotChangeRegionText) {
    ProgramFolder program;
    Document doc;
    putArea(doc, 0, keptPixelAt55);
    ASSERT_TRUE(TraceRegionAreas(doc, kKey).ok());
    writeFile(program.work() / "region1.txt", "4,");
    writeFile(program.work() / "region2.txt", "0,0,1,0,1,1,0,1,");
    auto written = WriteRegionText(doc);
    ASSERT_TRUE(written.ok()) << written.error().describe();
    EXPECT_EQ(written->bytes, "[Normal]\r\nNumPoints=12,\r\nPointList=4,5,4,5,5,5,5,6,5,6,5,6,6,5,6,5,6,5,5,4,5,4,5,4,");

    // Nor do work files that vanished, or the copies that came with the library.
    fs::remove(program.work() / "region1.txt");
    fs::remove(program.work() / "region2.txt");
    writeFile(program.system() / "region1.txt", "4,");
    writeFile(program.system() / "region2.txt", "0,0,1,0,1,1,0,1,");
    auto again = WriteRegionText(doc);
    ASSERT_TRUE(again.ok()) << again.error().describe();
    EXPECT_EQ(again->bytes, written->bytes);
}

// RegionCheck with outline counts but no trace behind them (--set, an older project) would
// once have shipped the outline of whatever picture was traced last.
TEST(WriteRegionText, WithoutATraceNothingIsWrittenAndTheErrorSaysWhy) {
    ProgramFolder program;
    writeFile(program.work() / "region1.txt", "4,");
    writeFile(program.work() / "region2.txt", "0,0,1,0,1,1,0,1,");
    writeFile(program.work() / "region.txt", "an earlier region.txt");
    Document doc;
    doc.setValue(ctl::MainOutlineCount, 1);
    auto written = WriteRegionText(doc);
    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.error().message.find("no region picture has been traced"), std::string::npos)
        << written.error().describe();
    EXPECT_EQ(regionText(program), "an earlier region.txt");
}

// A count beyond the held outlines was once cut short to what the work files held, silently.
TEST(WriteRegionText, ACountBeyondTheHeldOutlinesIsAnErrorNotAShorterShape) {
    ProgramFolder program;
    Document doc;
    holdOutlines(doc, {kUnitSquare45}, {kUnitSquare45});
    doc.setValue(ctl::EqRegionFlag, 1);
    doc.setValue(ctl::MainOutlineCount, 3);
    auto main = WriteRegionText(doc);
    ASSERT_FALSE(main.ok());
    EXPECT_EQ(main.error().message,
              "MainOutlineCount is 3, but the last region trace found 1 outline(s) of the main window: trace the "
              "region picture again, or set the count to at most 1");
    doc.setValue(ctl::MainOutlineCount, 1);
    doc.setValue(ctl::EqOutlineCount, 2);
    auto eq = WriteRegionText(doc);
    ASSERT_FALSE(eq.ok());
    EXPECT_NE(eq.error().message.find("EqOutlineCount is 2"), std::string::npos) << eq.error().message;
    EXPECT_FALSE(fs::exists(program.work() / "region.txt"));
}

// The copy in the work folder is a courtesy nothing reads back: one that cannot be written is
// reported, and the skin still gets its region.txt.
TEST(WriteRegionText, AnUnwritableRegionTextIsReported) {
    ProgramFolder program;
    Document doc;
    holdOutlines(doc, {kUnitSquare45});
    fs::create_directory(program.work() / "region.txt");
    auto unwritable = WriteRegionText(doc);
    ASSERT_TRUE(unwritable.ok()) << unwritable.error().describe();
    ASSERT_TRUE(unwritable->workCopySkipped.has_value());
    EXPECT_EQ(unwritable->workCopySkipped->path, (program.work() / "region.txt").string());
    EXPECT_EQ(unwritable->workCopySkipped->message.rfind("cannot write region.txt: ", 0), 0u)
        << unwritable->workCopySkipped->message;
    EXPECT_TRUE(unwritable->path.empty());
    EXPECT_EQ(unwritable->bytes, kUnitSquare45Text);
    EXPECT_TRUE(fs::is_empty(program.work() / "region.txt"));
}

TEST(WriteRegionText, TheSampleRegionPictureGivesPolygonsPlayersAccept) {
    ProgramFolder program;
    Document doc;
    const Bitmap picture = sampleRegionPicture();
    ASSERT_EQ(picture.height(), 232);
    ASSERT_TRUE(LoadRegionPicture(doc, program.path(), picture, {}).ok());
    SetRegionKeyColour(doc, picture.at(0, 0));
    doc.setValue(ctl::EqUporDown, 1);
    auto trace = MakeRegion(doc, program.path());
    ASSERT_TRUE(trace.ok()) << trace.error().describe();
    ASSERT_TRUE(WriteRegionText(doc).ok());

    const std::string text = regionText(program);
    const auto sections = sectionsOf(text);  // the reader checks that the points add up to the counts
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0].name, "Normal");
    EXPECT_EQ(sections[1].name, "Equalizer");
    for (const RegionTextSection& s : sections) {
        ASSERT_FALSE(s.numPoints.empty()) << s.name;
        for (int n : s.numPoints) EXPECT_GE(n, 3) << s.name;
        for (const Point& p : s.pointList) {
            EXPECT_GE(p.x, -1);
            EXPECT_LE(p.x, 275);
            EXPECT_GE(p.y, -1);
            EXPECT_LE(p.y, 116);
        }
    }
    // One line per value list: four lines, the empty one between the sections, no line after.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);
    EXPECT_NE(text.back(), '\n');
}

TEST(SaveSkin, ASkinWithRegionCheckedCarriesTheRegionTextOfTheLastTrace) {
    ProgramFolder program;
    Document doc;
    saveAsSky(doc, program);
    holdOutlines(doc, {kUnitSquare45});
    doc.setValue(ctl::RegionCheck, 1);
    doc.setValue(ctl::EqUporDown, 1);
    auto saved = SaveSkin(doc, program.path());
    ASSERT_TRUE(saved.ok()) << saved.error().describe();
    EXPECT_EQ(readFileBytes(program.path() / "sky" / "region.txt"), kUnitSquare45Text);
}

TEST(SaveSkin, AnArchiveWithRegionCheckedCarriesTheRegionTextToo) {
    ProgramFolder program;
    Document doc;
    saveAsSky(doc, program);
    doc.setValue(ctl::ZipCheck, 1);
    holdOutlines(doc, {kUnitSquare45});
    doc.setValue(ctl::RegionCheck, 1);
    ASSERT_TRUE(SaveSkin(doc, program.path()).ok());

    int err = 0;
    zip_t* zip = zip_open((program.path() / "sky.zip").c_str(), ZIP_RDONLY, &err);
    ASSERT_NE(zip, nullptr);
    zip_file_t* entry = zip_fopen(zip, "region.txt", 0);
    ASSERT_NE(entry, nullptr);
    char buffer[256] = {};
    const zip_int64_t n = zip_fread(entry, buffer, sizeof buffer);
    zip_fclose(entry);
    zip_close(zip);
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(n)), kUnitSquare45Text);
    EXPECT_TRUE(fs::is_empty(program.system()));  // nothing staged in the library
}

TEST(SaveSkin, RegionCheckedWithoutATraceSavesNothing) {
    ProgramFolder program;
    Document doc;
    saveAsSky(doc, program);
    doc.setValue(ctl::RegionCheck, 1);
    doc.setValue(ctl::MainOutlineCount, 1);
    auto saved = SaveSkin(doc, program.path());
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().message.find("no region picture has been traced"), std::string::npos);
    EXPECT_FALSE(fs::exists(program.path() / "sky"));
}
