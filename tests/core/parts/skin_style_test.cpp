// The whole-skin style: one choice in StyleCombo takes a style of the library everywhere (its
// parts in every list, its digits, glyph colours, playlist colours and visualisation colours);
// every style is a set of its own that reads well; the untouched start is the Classic set.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "colours/glyph_colours.h"
#include "colours/viscolor.h"
#include "document/history.h"
#include "document/initial_state.h"
#include "document/set_control.h"
#include "output/skin_text.h"
#include "parts/skin_style.h"
#include "project/manifest.h"
#include "project/project.h"
#include "support/temp_dir.h"

namespace {

using namespace pelterra;
namespace fs = std::filesystem;

const fs::path kLibrary = PELTERRA_BIN_DIR;

// What a style gives the skin: numbers.bmp and text.bmp (the coloured Data of the number and
// text parts), pledit.txt and viscolor.txt.
struct StyleOutputs {
    Bitmap numbers, text;
    std::vector<std::string> pledit, viscolor;
};

StyleOutputs outputsOf(const Document& doc) {
    return {doc.slot(pic::picData, 7), doc.slot(pic::picData, 8), PleditLines(doc), ViscolorLines(doc)};
}

class SkinStyle : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::is_directory(kLibrary / "PartsData" / "styles")) GTEST_SKIP() << "the parts library was not drawn";
    }
    static void start(Document& doc) { ASSERT_TRUE(InitialiseDocument(doc, kLibrary).ok()); }
};

struct StyleRow {
    const char* style;
    const char* digits;
};
constexpr StyleRow kStyles[] = {
    {"Classic", "Bold"}, {"Flat", "Bold"}, {"Glass", "SevenSegment"}, {"Metal", "SevenSegment"}, {"Outline", "Pixel"},
};

// Every list that has an entry of the style's name.
struct StyledList {
    ControlName list;
    int index;
};
constexpr StyledList kStyledLists[] = {
    {ctl::lstData, 0},   {ctl::lstData, 1},   {ctl::lstData, 2},   {ctl::lstData, 3},  {ctl::lstData, 4},
    {ctl::lstData, 5},   {ctl::lstData, 6},   {ctl::lstEQData, 0}, {ctl::lstEQData, 1}, {ctl::lstEQData, 2},
    {ctl::lstEQData, 3}, {ctl::lstEQData, 4}, {ctl::SliderCombo, -1}, {ctl::PLStyleCombo, -1},
};

void expectReadable(const Document& doc, const std::string& style) {
    SCOPED_TRACE(style);
    // Digits and letters sit in black wells.
    for (int i = 0; i < kNumberRowColours; ++i)
        EXPECT_GE(ContrastRatio(doc.swatch(ctl::NumberColor, i), kBlack), 4.5) << "NumberColor " << i;
    for (int i = 0; i < kTextRowColours; ++i)
        EXPECT_GE(ContrastRatio(doc.swatch(ctl::PicText, i), kBlack), 4.5) << "PicText " << i;
    for (ControlName text : {ctl::PicPleditNormal, ctl::PicPleditCurrent})
        for (ControlName back : {ctl::PicPleditNormalBG, ctl::PicPleditSelectedBG})
            EXPECT_GE(ContrastRatio(doc.swatch(text), doc.swatch(back)), 4.5) << text << " on " << back;
    // The glyphs were coloured: where the glyph mask is white the Data is its row's colour, and
    // the well around them stays black.
    const Bitmap& numbers = doc.slot(pic::picData, 7);
    const Bitmap& numberMask = doc.slot(pic::picMask, 7);
    int inked = 0;
    for (int y = 0; y < numbers.height(); ++y)
        for (int x = 0; x < numbers.width(); ++x) {
            if (numberMask.at(x, y) == kWhite) {
                ++inked;
                ASSERT_EQ(numbers.at(x, y), doc.swatch(ctl::NumberColor, y)) << x << ',' << y;
            } else if (numberMask.at(x, y) == kBlack) {
                ASSERT_EQ(numbers.at(x, y), kBlack) << x << ',' << y;
            }
        }
    EXPECT_GT(inked, 100);
    const Bitmap& text = doc.slot(pic::picData, 8);
    const Bitmap& textMask = doc.slot(pic::picMask, 8);
    for (int y = 0; y < text.height(); ++y)
        for (int x = 0; x < 154; ++x)
            if (textMask.at(x, y) == kWhite) ASSERT_EQ(text.at(x, y), doc.swatch(ctl::PicText, y % 6)) << x << ',' << y;
}

TEST_F(SkinStyle, EveryStyleIsAReadableSetOfItsOwnAndTheStartIsClassic) {
    std::map<std::string, StyleOutputs> outputs;
    for (const StyleRow& row : kStyles) {
        Document doc;
        start(doc);
        ASSERT_TRUE(SetControl(doc, kLibrary, "StyleCombo", row.style).ok()) << row.style;
        EXPECT_EQ(doc.selectedEntry(ctl::StyleCombo), row.style);
        for (const StyledList& l : kStyledLists)
            EXPECT_EQ(doc.selectedEntry(l.list, l.index), row.style) << controlKey(l.list, l.index);
        EXPECT_EQ(doc.selectedEntry(ctl::lstData, 7), row.digits) << row.style;
        expectReadable(doc, row.style);
        outputs[row.style] = outputsOf(doc);
    }
    for (auto a = outputs.begin(); a != outputs.end(); ++a)
        for (auto b = std::next(a); b != outputs.end(); ++b) {
            SCOPED_TRACE(a->first + " and " + b->first);
            EXPECT_NE(a->second.numbers, b->second.numbers);
            EXPECT_NE(a->second.text, b->second.text);
            EXPECT_NE(a->second.pledit, b->second.pledit);
            EXPECT_NE(a->second.viscolor, b->second.viscolor);
        }

    // Nothing chosen: every list's first entry is Classic and the four outputs are the Classic set's.
    Document untouched;
    start(untouched);
    EXPECT_EQ(untouched.selectedEntry(ctl::StyleCombo), "Classic");
    EXPECT_EQ(untouched.selectedEntry(ctl::lstData, 7), "Bold");  // the most legible digits come first
    const StyleOutputs classic = outputsOf(untouched);
    EXPECT_EQ(classic.numbers, outputs["Classic"].numbers);
    EXPECT_EQ(classic.text, outputs["Classic"].text);
    EXPECT_EQ(classic.pledit, outputs["Classic"].pledit);
    EXPECT_EQ(classic.viscolor, outputs["Classic"].viscolor);
    expectReadable(untouched, "start");
}

TEST_F(SkinStyle, AChoiceIsOneStepAndAProjectKeepsWhatWasEditedAfterIt) {
    Document doc;
    start(doc);
    const StyleOutputs classic = outputsOf(doc);
    History history(doc);
    ASSERT_TRUE(SetControl(doc, kLibrary, "StyleCombo", "Glass").ok());
    history.commit("style");
    EXPECT_EQ(history.stepCount(), 1u);
    const StyleOutputs glass = outputsOf(doc);
    EXPECT_NE(glass.numbers, classic.numbers);

    ASSERT_TRUE(history.undo());
    EXPECT_EQ(doc.selectedEntry(ctl::StyleCombo), "Classic");
    EXPECT_EQ(doc.selectedEntry(ctl::lstData, 0), "Classic");
    EXPECT_EQ(doc.selectedEntry(ctl::PLStyleCombo), "Classic");
    EXPECT_EQ(outputsOf(doc).numbers, classic.numbers);
    EXPECT_EQ(outputsOf(doc).pledit, classic.pledit);
    EXPECT_EQ(outputsOf(doc).viscolor, classic.viscolor);
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(outputsOf(doc).numbers, glass.numbers);

    // Edits after the choice: a digit row, the list text, the analyser's top bar.
    ASSERT_TRUE(SetControl(doc, kLibrary, "NumberColor(0)", std::to_string(RGB(255, 0, 0))).ok());
    ColourNumberGlyphs(doc);
    ASSERT_TRUE(SetControl(doc, kLibrary, "PicPleditNormal", std::to_string(RGB(1, 2, 3))).ok());
    ASSERT_TRUE(SetControl(doc, kLibrary, "ViscolorSpec(0)", std::to_string(RGB(4, 5, 6))).ok());
    const StyleOutputs edited = outputsOf(doc);
    EXPECT_NE(ManifestText(doc).find("StyleCombo=2|Glass\n"), std::string::npos);

    test_support::TempDir dir;
    ASSERT_TRUE(SaveProject(doc, dir.path(), "styled").ok());
    Document loaded;
    start(loaded);
    const ProjectLoadReport report = LoadProject(loaded, dir / "styled");
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(loaded.selectedEntry(ctl::StyleCombo), "Glass");
    EXPECT_EQ(loaded.selectedEntry(ctl::lstEQData, 2), "Glass");
    EXPECT_EQ(loaded.swatch(ctl::NumberColor, 0), RGB(255, 0, 0));
    const StyleOutputs restored = outputsOf(loaded);
    EXPECT_EQ(restored.numbers, edited.numbers);
    EXPECT_EQ(restored.text, edited.text);
    EXPECT_EQ(restored.pledit, edited.pledit);
    EXPECT_EQ(restored.viscolor, edited.viscolor);
}

TEST_F(SkinStyle, TheDigitsFormerNameStillSelectsThem) {
    Document doc;
    start(doc);
    ASSERT_TRUE(SetControl(doc, kLibrary, "lstData(7)", "SevenSegment").ok());
    ASSERT_TRUE(SetControl(doc, kLibrary, "lstData(7)", "Rounded").ok());
    EXPECT_EQ(doc.selectedEntry(ctl::lstData, 7), "Bold");
    ASSERT_TRUE(SetControl(doc, kLibrary, "lstData(7)", "0").ok());
    EXPECT_TRUE(ApplyManifest(doc, "[Form1]\nlstData(7)=2|Rounded\n", "p").empty());  // an older project
    EXPECT_EQ(doc.selectedEntry(ctl::lstData, 7), "Bold");
}

// A style set file reads back what was written, and a damaged one is refused with the line.
TEST(StyleSetFile, ReadsBackWhatWasWrittenAndRefusesDamage) {
    StyleSet set{"Bold", "Arial", kClassicColours};
    set.colours.visPeak = RGB(1, 2, 3);
    const std::string text = StyleSetText(set, "Test");
    const Result<StyleSet> read = ParseStyleSet(text, "Test.ini");
    ASSERT_TRUE(read.ok()) << read.error().describe();
    EXPECT_EQ(*read, set);
    EXPECT_NE(text.find("\nVisPeak=#010203\n"), std::string::npos);

    const std::size_t rows = text.find("TextRows=");
    const std::size_t rowsEnd = text.find('\n', rows);
    struct Damage {
        std::string text;
        const char* message;
    };
    const Damage damages[] = {
        {text + "Digits=Pixel\n", "line 16: Digits is given twice"},
        {text + "Colour=#000000\n", "line 16: there is no style value \"Colour\""},
        {text + "just words\n", "line 16 is not NAME=VALUE"},
        {text.substr(0, rows) + "TextRows=#000000,#000000\n" + text.substr(rowsEnd + 1),
         "line 6: TextRows takes 6 colours, each written #RRGGBB"},
        {text.substr(0, rows) + "TextRows=#00000,#000000,#000000,#000000,#000000,#000000\n" +
             text.substr(rowsEnd + 1),
         "line 6: TextRows takes 6 colours, each written #RRGGBB"},
        {text.substr(0, rows) + text.substr(rowsEnd + 1), "the style set gives no TextRows"},
    };
    for (const Damage& d : damages) {
        const Result<StyleSet> damaged = ParseStyleSet(d.text, "Test.ini");
        ASSERT_FALSE(damaged.ok()) << d.message;
        EXPECT_EQ(damaged.error().describe(), std::string("Test.ini: ") + d.message);
    }
}

}  // namespace
