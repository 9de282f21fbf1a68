// The readers of the outline texts: region.txt (ParseRegionText) and the count and point texts of
// the work files and projects (ParseOutlineTexts), each read back from what the writers make and
// refusing damaged texts with the reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "region/outline_text.h"
#include "region/region_text.h"
#include "region/region_text_reader.h"

using namespace pelterra;

namespace {

const Outline kSquare{{4, 5}, {5, 5}, {5, 6}, {4, 6}};
const Outline kTriangle{{-1, -1}, {275, -1}, {275, 116}};

// The message of a refused text, or a failure when it was taken.
std::string refusal(const std::string& text) {
    auto sections = ParseRegionText(text);
    if (sections) {
        ADD_FAILURE() << "taken: " << text;
        return {};
    }
    return sections.error().message;
}

TEST(ParseRegionText, ReadsBackWhatTheWriterMakes) {
    const std::vector<Outline> main{kSquare, kTriangle};
    const std::vector<Outline> equalizer{kSquare};
    const RegionSection written[] = {{"Equalizer", main}, {"Normal", equalizer}};
    auto sections = ParseRegionText(RegionTextBytes(written));
    ASSERT_TRUE(sections.ok()) << sections.error().describe();
    ASSERT_EQ(sections->size(), 2u);
    EXPECT_EQ((*sections)[0], (RegionTextSection{"Equalizer", {4, 3},
                                                 {{4, 5}, {5, 5}, {5, 6}, {4, 6}, {-1, -1}, {275, -1}, {275, 116}}}));
    EXPECT_EQ((*sections)[1], (RegionTextSection{"Normal", {4}, {{4, 5}, {5, 5}, {5, 6}, {4, 6}}}));

    const RegionSection empty[] = {{"Normal", {}}};
    auto none = ParseRegionText(RegionTextBytes(empty));
    ASSERT_TRUE(none.ok()) << none.error().describe();
    EXPECT_EQ(*none, (std::vector<RegionTextSection>{{"Normal", {}, {}}}));
}

TEST(ParseRegionText, TakesLineFeedsSpacesAndAMissingLastComma) {
    auto sections = ParseRegionText("\n[Normal]\nNumPoints= 2 ,1\n\nPointList=1, 2,3,4 , 5,6\n");
    ASSERT_TRUE(sections.ok()) << sections.error().describe();
    EXPECT_EQ(*sections, (std::vector<RegionTextSection>{{"Normal", {2, 1}, {{1, 2}, {3, 4}, {5, 6}}}}));
}

TEST(ParseRegionText, RefusesDamagedTextsNamingTheLineAndTheFault) {
    EXPECT_EQ(refusal(""), "region.txt holds no section");
    EXPECT_EQ(refusal("NumPoints=1,\r\n"), "region.txt line 1: values come before the first section name");
    EXPECT_EQ(refusal("[Normal\r\n"), "region.txt line 1: a section name is written [Name]");
    EXPECT_EQ(refusal("[Normal]\r\nNumPoints=1,\r\nPoints=1,2,"),
              "region.txt line 3: a line is a section name, NumPoints= or PointList=");
    EXPECT_EQ(refusal("[Normal]\r\nNumPoints=1,x,\r\nPointList=1,2,"), "region.txt line 2: a value is not a whole number");
    EXPECT_EQ(refusal("[Normal]\r\nNumPoints=1,\r\nNumPoints=1,"), "region.txt line 3: NumPoints is given twice");
    EXPECT_EQ(refusal("[Normal]\r\nNumPoints=1,"), "region.txt line 1: section [Normal] lacks its PointList line");
    EXPECT_EQ(refusal("[Normal]\r\nPointList=1,2,"), "region.txt line 1: section [Normal] lacks its NumPoints line");
    EXPECT_EQ(refusal("[Normal]\r\nNumPoints=-1,\r\nPointList="),
              "region.txt line 1: section [Normal] has a negative point count");
    EXPECT_EQ(refusal("[Normal]\r\nNumPoints=1,\r\nPointList=1,2,3,"),
              "region.txt line 1: section [Normal] has an x without its y in PointList");
    EXPECT_EQ(refusal("[Normal]\r\nNumPoints=2,\r\nPointList=1,2,"),
              "region.txt line 1: section [Normal] counts 2 points but lists 1");
    EXPECT_EQ(refusal("[Normal]\r\nNumPoints=\r\nPointList=\r\n[Normal]\r\nNumPoints=\r\nPointList="),
              "region.txt line 4: section [Normal] appears twice");
}

TEST(ParseOutlineTexts, ReadsBackTheTextsOfAListOfOutlines) {
    const std::vector<Outline> outlines{kSquare, kTriangle, {}};
    const OutlineTexts texts = OutlineTextsOf(outlines);
    EXPECT_EQ(texts.counts, "4,3,0,");
    EXPECT_EQ(texts.points, "4,5,5,5,5,6,4,6,-1,-1,275,-1,275,116,");
    auto read = ParseOutlineTexts(texts.counts, texts.points);
    ASSERT_TRUE(read.ok()) << read.error().describe();
    EXPECT_EQ(*read, outlines);
    auto none = ParseOutlineTexts("", "");
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none->empty());
}

TEST(ParseOutlineTexts, RefusesTextsThatDisagreeInsteadOfCuttingTheShapeShort) {
    auto message = [](std::string_view counts, std::string_view points) {
        auto read = ParseOutlineTexts(counts, points);
        return read ? std::string("taken") : read.error().message;
    };
    EXPECT_EQ(message("4,4,", "4,5,5,5,5,6,4,6,"), "the outline points end before the counts say they do (outline 2)");
    EXPECT_EQ(message("1,", "4,5,6,7,"), "the outline points go on after the last outline the counts describe");
    EXPECT_EQ(message("1,", "4,5,x,"), "the outline points go on after the last outline the counts describe");
    EXPECT_EQ(message("1,", "4,x,"), "the outline points hold something that is not a whole number");
    EXPECT_EQ(message("1,y,", "4,5,"), "the outline counts hold something that is not a whole number");
    EXPECT_EQ(message("-2,", ""), "the outline counts hold -2, and an outline cannot have fewer than 0 points");
}

}  // namespace
