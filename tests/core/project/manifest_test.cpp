#include <gtest/gtest.h>

#include "project/manifest.h"

using namespace pelterra;

namespace {

TEST(Manifest, ValuesOfSeveralLinesAndBackslashesSurviveTheRoundTrip) {
    const std::string text = "a\\b\r\nline 2\tend \\n";
    EXPECT_EQ(EscapeManifestValue(text), "a\\\\b\\r\\nline 2\\tend \\\\n");
    EXPECT_EQ(UnescapeManifestValue(EscapeManifestValue(text)), text);

    Document doc;
    doc.setText(ctl::Text1, text);
    doc.setText(ctl::txtProject, "  spaced ");
    Document loaded;
    const auto problems = ApplyManifest(loaded, ManifestText(doc), "project.ini");
    EXPECT_TRUE(problems.empty()) << problems.front().describe();
    EXPECT_EQ(loaded.text(ctl::Text1), text);
    EXPECT_EQ(loaded.text(ctl::txtProject), "  spaced ");
}

TEST(Manifest, ControlsAreGroupedByWindow) {
    Document doc;
    const std::string text = ManifestText(doc);
    const auto at = [&](const std::string& s) { return text.find(s); };
    ASSERT_NE(at("[Project]\nVersion=2\n"), std::string::npos);
    ASSERT_NE(at("[frmMakeFrame]"), std::string::npos);
    EXPECT_GT(at("\nlbldata(0)="), at("[frmMakeFrame]"));
    EXPECT_GT(at("\nOpSliderOff=1\n"), at("[FrmMakeSlider]"));
    EXPECT_GT(at("\nlblcolor(2)="), at("[frmBackColor]"));
    EXPECT_LT(at("\nNumberColor(14)="), at("[frmHowToMix]"));
    EXPECT_EQ(text.find("[Form1]"), text.rfind("[Form1]"));  // one section per window
}

TEST(Manifest, AListTakesItsStoredEntryWhereverTheLibraryListsIt) {
    Document doc;
    doc.setListEntries(ctl::lstData, 3, {"Alpha", "Beta", "Gamma"}, 3);
    doc.setValue(ctl::lstData, 3, 1);
    const std::string text = ManifestText(doc);
    EXPECT_NE(text.find("\nlstData(3)=1|Beta\n"), std::string::npos);

    Document reordered;
    reordered.setListEntries(ctl::lstData, 3, {"Beta", "Gamma", "Alpha"}, 3);
    EXPECT_TRUE(ApplyManifest(reordered, text, "project.ini").empty());
    EXPECT_EQ(reordered.value(ctl::lstData, 3), 0);

    // Without the entry the stored index is used; a hand-written entry name alone also works.
    Document other;
    other.setListEntries(ctl::lstData, 3, {"X", "Y"}, 2);
    EXPECT_TRUE(ApplyManifest(other, "[Form1]\nlstData(3)=1|Beta\n", "p").empty());
    EXPECT_EQ(other.value(ctl::lstData, 3), 1);
    EXPECT_TRUE(ApplyManifest(other, "[Form1]\nlstData(3)=X\n", "p").empty());
    EXPECT_EQ(other.value(ctl::lstData, 3), 0);
    EXPECT_EQ(ApplyManifest(other, "[Form1]\nlstData(3)=7|Zeta\n", "p").size(), 1u);
    EXPECT_EQ(other.value(ctl::lstData, 3), 0);
}

TEST(Manifest, LinesThatCannotBeAppliedAreReportedAndTheRestApplied) {
    Document doc;
    const auto problems = ApplyManifest(doc,
                                        "[Project]\r\n"
                                        "combinedPictureFlag=1\r\n"
                                        "Colour=red\r\n"
                                        "[Form1]\r\n"
                                        "noSuchControl=1\r\n"
                                        "chkPLMake=7\r\n"
                                        "just words\r\n"
                                        "EqUporDown=1\r\n"
                                        "optSeken(1)=0\r\n"
                                        "optPelterra(1)=1\r\n",
                                        "proj/project.ini");
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0].path, "proj/project.ini");
    EXPECT_NE(problems[0].message.find("line 3"), std::string::npos);
    EXPECT_NE(problems[1].message.find("noSuchControl"), std::string::npos);
    EXPECT_EQ(doc.combinedPictureFlag, 1);
    EXPECT_TRUE(doc.isChecked(ctl::EqUporDown));
    EXPECT_TRUE(doc.isSelected(ctl::optPelterra, 1));
    EXPECT_FALSE(doc.isSelected(ctl::optSeken, 1));
}

const RegionOutlines kTraced{.traced = true,
                             .main = {{{4, 5}, {5, 5}, {5, 6}, {4, 6}}, {{-1, -1}, {275, -1}, {275, 116}}},
                             .equalizer = {{{9, 5}, {9, 5}, {10, 5}}}};

TEST(Manifest, TracedOutlinesAreStoredInTheirOwnSectionAndComeBack) {
    Document doc;
    doc.setRegionOutlines(kTraced);
    const std::string text = ManifestText(doc);
    EXPECT_NE(text.find("\n[RegionTrace]\nMainCounts=4,3,\nMainPoints=4,5,5,5,5,6,4,6,-1,-1,275,-1,275,116,\n"
                        "EqualizerCounts=3,\nEqualizerPoints=9,5,9,5,10,5,\n"),
              std::string::npos)
        << text;

    Document loaded;
    const auto problems = ApplyManifest(loaded, text, "project.ini");
    EXPECT_TRUE(problems.empty()) << problems.front().describe();
    EXPECT_EQ(loaded.regionOutlines(), kTraced);
    EXPECT_TRUE(loaded.control(ctl::RegionCheck).enabled);  // as a finished trace leaves it

    // A trace that found nothing is still a trace.
    doc.setRegionOutlines({.traced = true, .main = {}, .equalizer = {}});
    ASSERT_TRUE(ApplyManifest(loaded, ManifestText(doc), "project.ini").empty());
    EXPECT_EQ(loaded.regionOutlines(), (RegionOutlines{.traced = true, .main = {}, .equalizer = {}}));
}

// The counts a manifest restores belong to its own trace: outlines traced before the load, or
// none at all in an older project, must not be written under them.
TEST(Manifest, AManifestWithoutOutlinesLeavesNoneOfAnEarlierTrace) {
    Document doc;
    doc.setRegionOutlines(kTraced);
    EXPECT_TRUE(ApplyManifest(doc, "[Form1]\nRegionCheck=1\nMainOutlineCount=2\n", "old/project.ini").empty());
    EXPECT_FALSE(doc.regionOutlines().traced);
    EXPECT_TRUE(doc.regionOutlines().main.empty());
    EXPECT_EQ(doc.value(ctl::MainOutlineCount), 2);
    EXPECT_TRUE(doc.control(ctl::RegionCheck).enabled);  // so that it can be unchecked
}

TEST(Manifest, StoredOutlinesWhoseCountsAndPointsDisagreeAreReportedAndNotRestored) {
    Document doc;
    const auto problems = ApplyManifest(doc,
                                        "[Form1]\n"
                                        "MainOutlineCount=1\n"
                                        "[RegionTrace]\n"
                                        "MainCounts=12,\n"
                                        "MainPoints=4,5,4,5,\n"
                                        "Colour=red\n",
                                        "p/project.ini");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].message, "line 6: unknown region outline value \"Colour\"");
    EXPECT_EQ(problems[1].message,
              "line 3: the stored region outlines are damaged (the outline points end before the counts say they do "
              "(outline 1)); trace the region picture again");
    EXPECT_FALSE(doc.regionOutlines().traced);
    EXPECT_FALSE(doc.control(ctl::RegionCheck).enabled);
}

}  // namespace
