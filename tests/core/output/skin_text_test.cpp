#include <gtest/gtest.h>

#include "output/skin_text.h"
#include "output/text_file.h"

using namespace pelterra;

TEST(AspText, EqualizerPositionFollowsEqBelow) {
    Document doc;
    EXPECT_EQ(*TextFileBytes(AspLines(doc)), "[Advanced Skin Plug-In]\r\nWinamp.Equalizer.Position=1\r\n");
    doc.setValue(ctl::EqUporDown, 1);
    EXPECT_EQ(AspLines(doc)[1], "Winamp.Equalizer.Position=3");
}

TEST(MaronText, WritesTheChoicesWithOneEmptyLineAtTheEnd) {
    Document doc;
    doc.setValue(ctl::MaronCombo1, 1);  // "Fire"
    doc.setValue(ctl::MaronCombo2, 1);  // "加算"
    doc.setValue(ctl::MaronCheck3, 1);  // "レイン表示"
    EXPECT_EQ(*TextFileBytes(MaronLines(doc)),
              "[MARON]\r\nAnalyzerMode = 1\r\nBlendMethod = 1\r\nRatio = 50\r\nEnable = 0\r\n"
              "Peaks = 0\r\nRain = 1\r\n\r\n");
}

TEST(MaronText, NothingSelectedIsWrittenAsMinusOne) {
    Document doc;
    doc.setValue(ctl::MaronCombo1, -1);
    EXPECT_NE(MaronLines(doc)[0].find("AnalyzerMode = -1\r\n"), std::string::npos);
}

TEST(PleditText, InitialColoursGiveTheFiveLinesWithoutFont) {
    Document doc;
    BuildPleditText(doc);
    EXPECT_EQ(doc.text(ctl::Text2), "[Text]\r\nNormal=#00C000\r\nNormalBG=#000000\r\nSelectedBG=#0000C0\r\nCurrent=#FFFFFF\r\n");
    doc.setValue(ctl::chkPLFont, 1);
    EXPECT_EQ(*TextFileBytes(PleditLines(doc)), doc.text(ctl::Text2) + "\r\n");
}

TEST(PleditText, FontLineAndLeadingZerosInText1) {
    Document doc;
    doc.setText(ctl::PleditFonts, "Arial");
    doc.setSwatch(ctl::PicPleditNormal, -1, RGB(1, 2, 5));
    BuildPleditText(doc);
    EXPECT_EQ(doc.text(ctl::Text1), "[Text]\r\nFont=Arial\r\nNormal=#010205\r\nNormalBG=#000000\r\nSelectedBG=#0000C0\r\nCurrent=#FFFFFF\r\n");
    EXPECT_EQ(PleditLines(doc)[0], doc.text(ctl::Text1));
}

TEST(PleditText, NoFontChosenLeavesTheFontLineOut) {
    Document doc;
    // The program starts with the Classic set's list font; a font name cleared leaves none.
    EXPECT_EQ(doc.text(ctl::PleditFonts), "Arial");
    doc.setText(ctl::PleditFonts, "");
    BuildPleditText(doc);
    EXPECT_EQ(doc.text(ctl::Text1), doc.text(ctl::Text2));
}
