#include <gtest/gtest.h>
#include <zip.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "document/document.h"
#include "image/picture_file.h"
#include "output/save_skin.h"
#include "region/region_editor.h"
#include "region/region_text.h"
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

// Work files as a trace of the given outlines would leave them, with the counts in the document.
void setMainWorkFiles(Document& doc, const ProgramFolder& program, const std::string& counts,
                      const std::string& points, int outlineCount) {
    writeFile(program.work() / "region1.txt", counts);
    writeFile(program.work() / "region2.txt", points);
    doc.setValue(ctl::MainOutlineCount, outlineCount);
}

void setEqWorkFiles(Document& doc, const ProgramFolder& program, const std::string& counts,
                    const std::string& points, int outlineCount) {
    writeFile(program.work() / "region3.txt", counts);
    writeFile(program.work() / "region4.txt", points);
    doc.setValue(ctl::EqOutlineCount, outlineCount);
}

std::string regionText(const ProgramFolder& program) { return readFileBytes(program.work() / "region.txt"); }

// region.txt read the way players read it: sections in brackets, "NumPoints" split on commas,
// "PointList" on commas or spaces, each value on one line.
struct ParsedSection {
    std::vector<int> counts;
    std::vector<int> values;
};

std::vector<int> numbers(const std::string& text, bool spacesSeparate) {
    std::vector<int> out;
    std::string field;
    auto flush = [&] {
        if (!field.empty()) out.push_back(std::stoi(field));
        field.clear();
    };
    for (char c : text) {
        if (c == ',' || (spacesSeparate && c == ' ')) flush();
        else field += c;
    }
    flush();
    return out;
}

std::map<std::string, ParsedSection> parseRegionText(const std::string& text) {
    std::map<std::string, ParsedSection> sections;
    std::istringstream in(text);
    std::string line, current;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') current = line.substr(1, line.size() - 2);
        else if (line.rfind("NumPoints=", 0) == 0) sections[current].counts = numbers(line.substr(10), false);
        else if (line.rfind("PointList=", 0) == 0) sections[current].values = numbers(line.substr(10), true);
    }
    return sections;
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
    EXPECT_FALSE(reader.next(v));
    EXPECT_FALSE(reader.next(v));
    WorkValueReader huge("99999999999,");
    EXPECT_FALSE(huge.next(v));
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

    putArea(doc, 0, allKey);
    putArea(doc, 1, keptPixelAt55);
    auto second = TraceRegionAreas(doc, kKey);
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(doc.value(ctl::MainOutlineCount), 0);
    EXPECT_EQ(doc.value(ctl::EqOutlineCount), 1);
    EXPECT_EQ(readFileBytes(program.work() / "region1.txt"), "");
    EXPECT_EQ(readFileBytes(program.work() / "region2.txt"), "");
    EXPECT_EQ(readFileBytes(program.work() / "region3.txt"), "12,");
}

TEST(TraceRegionAreas, AWorkFileThatCannotBeWrittenIsReportedAndTheCountsStayZero) {
    ProgramFolder program;
    fs::create_directory(program.work() / "region2.txt");  // a folder where the file should go
    Document doc;
    putArea(doc, 0, keptPixelAt55);
    doc.setValue(ctl::MainOutlineCount, 3);
    auto trace = TraceRegionAreas(doc, kKey);
    ASSERT_FALSE(trace.ok());
    EXPECT_NE(trace.error().path.find("region2.txt"), std::string::npos) << trace.error().describe();
    EXPECT_EQ(doc.value(ctl::MainOutlineCount), 0);
    EXPECT_TRUE(doc.control(ctl::RegionSource, 1).visible);  // shown again however the trace ended
}

TEST(WriteRegionText, AUnitSquareInTheMainAreaIsWrittenByteForByte) {
    ProgramFolder program;
    Document doc;
    setMainWorkFiles(doc, program, "4,", "4,5,5,5,5,6,4,6,", 1);
    auto written = WriteRegionText(doc, program.path());
    ASSERT_TRUE(written.ok()) << written.error().describe();
    EXPECT_EQ(written->outlines, 1);
    EXPECT_EQ(written->missing, 0);
    EXPECT_EQ(regionText(program), "[Normal]\r\nNumPoints=4,\r\nPointList=4,5,5,5,5,6,4,6,");
}

TEST(WriteRegionText, SectionNamesFollowEqBelowForTwoWindowsAndAreNormalForOne) {
    ProgramFolder program;
    Document doc;
    setMainWorkFiles(doc, program, "4,", "0,0,1,0,1,1,0,1,", 1);
    setEqWorkFiles(doc, program, "4,", "2,2,3,2,3,3,2,3,", 1);
    const std::string main = "NumPoints=4,\r\nPointList=0,0,1,0,1,1,0,1,";
    const std::string eq = "NumPoints=4,\r\nPointList=2,2,3,2,3,3,2,3,";

    doc.setValue(ctl::EqRegionFlag, 1);
    doc.setValue(ctl::EqUporDown, 1);
    ASSERT_TRUE(WriteRegionText(doc, program.path()).ok());
    EXPECT_EQ(regionText(program), "[Normal]\r\n" + main + "\r\n\r\n[Equalizer]\r\n" + eq);

    doc.setValue(ctl::EqUporDown, 0);
    ASSERT_TRUE(WriteRegionText(doc, program.path()).ok());
    EXPECT_EQ(regionText(program), "[Equalizer]\r\n" + main + "\r\n\r\n[Normal]\r\n" + eq);

    doc.setValue(ctl::EqRegionFlag, 0);
    for (int below : {0, 1}) {
        doc.setValue(ctl::EqUporDown, below);
        ASSERT_TRUE(WriteRegionText(doc, program.path()).ok());
        EXPECT_EQ(regionText(program), "[Normal]\r\n" + main) << "EQが下 " << below;
    }
}

TEST(WriteRegionText, ATraceWithoutOutlinesWritesEmptyLists) {
    ProgramFolder program;
    Document doc;
    putArea(doc, 0, allKey);
    ASSERT_TRUE(TraceRegionAreas(doc, kKey).ok());
    ASSERT_TRUE(WriteRegionText(doc, program.path()).ok());
    EXPECT_EQ(regionText(program), "[Normal]\r\nNumPoints=\r\nPointList=");
}

TEST(WriteRegionText, TheCountsInMemoryDecideHowMuchOfTheWorkFilesIsRead) {
    ProgramFolder program;
    Document doc;
    setMainWorkFiles(doc, program, "4,4,", "0,0,1,0,1,1,0,1,5,5,6,5,6,6,5,6,", 1);
    ASSERT_TRUE(WriteRegionText(doc, program.path()).ok());
    EXPECT_EQ(regionText(program), "[Normal]\r\nNumPoints=4,\r\nPointList=0,0,1,0,1,1,0,1,");
}

TEST(WriteRegionText, AShortWorkFileYieldsNoFurtherPointsAndTheCountsStillAddUp) {
    ProgramFolder program;
    Document doc;
    // The point file ends inside the second outline.
    setMainWorkFiles(doc, program, "4,4,", "0,0,1,0,1,1,0,1,5,5,6,5,", 2);
    auto written = WriteRegionText(doc, program.path());
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written->outlines, 1);
    EXPECT_EQ(written->missing, 1);
    EXPECT_EQ(regionText(program), "[Normal]\r\nNumPoints=4,\r\nPointList=0,0,1,0,1,1,0,1,");

    // The count file ends first; and garbage ends a file as its end would.
    setMainWorkFiles(doc, program, "4,", "0,0,1,0,1,1,0,1,", 3);
    written = WriteRegionText(doc, program.path());
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written->missing, 2);
    setMainWorkFiles(doc, program, "4,", "0,0,1,0,1,x,0,1,", 1);
    written = WriteRegionText(doc, program.path());
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written->missing, 1);
    EXPECT_EQ(regionText(program), "[Normal]\r\nNumPoints=\r\nPointList=");
}

TEST(WriteRegionText, WorkFilesTheProgramHasNotWrittenComeFromTheLibrary) {
    ProgramFolder program;
    Document doc;
    writeFile(program.system() / "region1.txt", "4,");
    writeFile(program.system() / "region2.txt", "0,0,1,0,1,1,0,1,");
    doc.setValue(ctl::MainOutlineCount, 1);
    auto shipped = WriteRegionText(doc, program.path());
    ASSERT_TRUE(shipped.ok()) << shipped.error().describe();
    EXPECT_EQ(shipped->bytes, "[Normal]\r\nNumPoints=4,\r\nPointList=0,0,1,0,1,1,0,1,");
    EXPECT_EQ(regionText(program), shipped->bytes);

    // Once a trace wrote its own, those are read, and the library's copies stay as they came.
    putArea(doc, 0, keptPixelAt55);
    ASSERT_TRUE(TraceRegionAreas(doc, kKey).ok());
    auto traced = WriteRegionText(doc, program.path());
    ASSERT_TRUE(traced.ok());
    EXPECT_EQ(traced->bytes.rfind("[Normal]\r\nNumPoints=12,\r\nPointList=4,5,", 0), 0u) << traced->bytes;
    EXPECT_EQ(readFileBytes(program.system() / "region1.txt"), "4,");
    EXPECT_EQ(readFileBytes(program.system() / "region2.txt"), "0,0,1,0,1,1,0,1,");
    EXPECT_FALSE(fs::exists(program.system() / "region.txt"));
}

TEST(WriteRegionText, AMissingWorkFileOrAnUnwritableRegionTextIsReported) {
    ProgramFolder program;
    Document doc;
    doc.setValue(ctl::MainOutlineCount, 1);
    auto missing = WriteRegionText(doc, program.path());
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().path.find("region1.txt"), std::string::npos) << missing.error().describe();

    setMainWorkFiles(doc, program, "4,", "0,0,1,0,1,1,0,1,", 1);
    fs::create_directory(program.work() / "region.txt");
    auto unwritable = WriteRegionText(doc, program.path());
    ASSERT_FALSE(unwritable.ok());
    EXPECT_NE(unwritable.error().path.find("region.txt"), std::string::npos);
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
    ASSERT_TRUE(WriteRegionText(doc, program.path()).ok());

    const std::string text = regionText(program);
    const auto sections = parseRegionText(text);
    ASSERT_EQ(sections.size(), 2u);
    for (const char* name : {"Normal", "Equalizer"}) {
        ASSERT_TRUE(sections.count(name)) << name;
        const ParsedSection& s = sections.at(name);
        ASSERT_FALSE(s.counts.empty()) << name;
        int total = 0;
        for (int n : s.counts) {
            EXPECT_GE(n, 3) << name;
            total += n;
        }
        EXPECT_EQ(static_cast<int>(s.values.size()), 2 * total) << name;
        for (std::size_t i = 0; i < s.values.size(); i += 2) {
            EXPECT_GE(s.values[i], -1);
            EXPECT_LE(s.values[i], 275);
            EXPECT_GE(s.values[i + 1], -1);
            EXPECT_LE(s.values[i + 1], 116);
        }
    }
    // One line per value list: four lines, the empty one between the sections, no line after.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);
    EXPECT_NE(text.back(), '\n');
}

TEST(SaveSkin, ASkinWithRegionCheckedCarriesTheRegionTextOfTheLastTrace) {
    ProgramFolder program;
    Document doc;
    doc.BackgroundImagePath = (program.path() / "sky.bmp").string();
    doc.BackgroundImageTitle = "sky.bmp";
    setMainWorkFiles(doc, program, "4,", "4,5,5,5,5,6,4,6,", 1);
    doc.setValue(ctl::RegionCheck, 1);
    doc.setValue(ctl::EqUporDown, 1);
    auto saved = SaveSkin(doc, program.path());
    ASSERT_TRUE(saved.ok()) << saved.error().describe();
    EXPECT_EQ(readFileBytes(program.path() / "sky" / "region.txt"),
              "[Normal]\r\nNumPoints=4,\r\nPointList=4,5,5,5,5,6,4,6,");
}

TEST(SaveSkin, AnArchiveWithRegionCheckedCarriesTheRegionTextToo) {
    ProgramFolder program;
    Document doc;
    doc.BackgroundImagePath = (program.path() / "sky.bmp").string();
    doc.BackgroundImageTitle = "sky.bmp";
    doc.setValue(ctl::ZipCheck, 1);
    setMainWorkFiles(doc, program, "4,", "4,5,5,5,5,6,4,6,", 1);
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
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(n)), "[Normal]\r\nNumPoints=4,\r\nPointList=4,5,5,5,5,6,4,6,");
    EXPECT_TRUE(fs::is_empty(program.system()));  // nothing staged in the library
}
