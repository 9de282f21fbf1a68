// The colours a swatch has before anyone chose one: the players' own visualisation table, makers
// that draw something visible, the Classic green glyphs. A stored value still wins.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colours/glyph_colours.h"
#include "colours/style_colours.h"
#include "colours/viscolor.h"
#include "generators/back_base_maker.h"
#include "generators/frame_maker.h"
#include "generators/slider_maker.h"
#include "project/manifest.h"

using namespace pelterra;

namespace {

int brightness(Colour c) { return GetRed(c) + GetGreen(c) + GetBlue(c); }

TEST(FirstColours, TheVisualisationTableIsThePlayersDefault) {
    const Document doc;
    const std::vector<std::string> expected = {
        "0,0, 0 ",        "24,33, 41 ",                                                   // background, dots
        "239,49, 16 ",    "206,41, 16 ",   "214,90, 0 ",    "214,102, 0 ",  "214,115, 0 ",  // analyser, top
        "198,123, 8 ",    "222,165, 24 ",  "214,181, 33 ",  "189,222, 41 ", "148,222, 33 ",
        "41,206, 16 ",    "50,190, 16 ",   "57,181, 16 ",   "49,156, 8 ",   "41,148, 0 ",
        "24,132, 8 ",                                                                    // analyser, bottom
        "255,255, 255 ",  "214,214, 222 ", "181,189, 189 ", "160,170, 175 ", "148,156, 165 ",  // scope
        "150,150, 150 ",                                                                 // peak dots
    };
    EXPECT_EQ(ViscolorLines(doc), expected);
    EXPECT_TRUE(doc.isChecked(ctl::ViscolorCheck));
}

TEST(FirstColours, AStoredValueWins) {
    Document doc;
    EXPECT_TRUE(ApplyManifest(doc, "[Form1]\nViscolorSpec(0)=255\nViscolorCheck=0\nNumberColor(3)=0\n", "p").empty());
    EXPECT_EQ(doc.swatch(ctl::ViscolorSpec, 0), RGB(255, 0, 0));
    EXPECT_FALSE(doc.isChecked(ctl::ViscolorCheck));
    EXPECT_EQ(doc.swatch(ctl::NumberColor, 3), kBlack);
    EXPECT_EQ(doc.swatch(ctl::ViscolorSpec, 1), RGB(206, 41, 16));  // the others keep theirs
}

// "補完" between the first and the last glyph colour gives the start colours back, and every one
// is the Classic set's green, which reads on the black wells around the glyphs.
TEST(FirstColours, GlyphRowsAreAGreenRampThatInterpolationKeeps) {
    Document doc;
    struct Row {
        ControlName swatches;
        int count;
        void (*interpolate)(Document&);
    };
    for (const Row& row : {Row{ctl::NumberColor, kNumberSwatches, InterpolateNumberColours},
                           Row{ctl::PicText, kTextSwatches, InterpolateTextColours}}) {
        std::vector<Colour> before;
        for (int i = 0; i < row.count; ++i) before.push_back(doc.swatch(row.swatches, i));
        row.interpolate(doc);
        for (int i = 0; i < row.count; ++i) {
            const Colour c = before[static_cast<std::size_t>(i)];
            EXPECT_EQ(doc.swatch(row.swatches, i), c) << row.swatches << ' ' << i;
            EXPECT_EQ(GetRed(c), 0) << row.swatches << ' ' << i;
            EXPECT_EQ(GetBlue(c), 0) << row.swatches << ' ' << i;
            EXPECT_GE(ContrastRatio(c, kBlack), 4.5) << row.swatches << ' ' << i;
        }
    }
    EXPECT_EQ(doc.swatch(ctl::NumberColor, 0), RGB(0, 248, 0));
    EXPECT_EQ(doc.swatch(ctl::NumberColor, 14), RGB(0, 192, 0));
    EXPECT_EQ(doc.swatch(ctl::PicText, 5), RGB(0, 190, 0));
}

TEST(FirstColours, TheFrameMakerDrawsABevelWhoseMaskShowsTheFaceInside) {
    Document doc;
    NormalFrameMake(doc);
    const Bitmap& data = doc.slot(frame_maker::kFrameData);
    const Bitmap& mask = doc.slot(frame_maker::kFrameMask);
    const Colour light = data.at(0, 50), normal = data.at(1, 50), dark = data.at(10, 115), body = data.at(100, 50);
    EXPECT_GT(brightness(light), brightness(normal));
    EXPECT_GT(brightness(normal), brightness(body));
    EXPECT_GT(brightness(body), brightness(dark));
    EXPECT_GT(brightness(dark), 0);
    for (auto [x, y] : {std::pair{0, 50}, std::pair{1, 50}, std::pair{10, 115}, std::pair{274, 50}})
        EXPECT_EQ(mask.at(x, y), kWhite) << x << ',' << y;
    EXPECT_EQ(mask.at(100, 50), kBlack);
}

TEST(FirstColours, TheSliderMakerDrawsARaisedKnobItsMaskCovers) {
    Document doc;
    SliderColorChange(doc);
    const Bitmap& data = doc.slot(slider_maker::kData);
    const Bitmap& mask = doc.slot(slider_maker::kMask);
    EXPECT_GT(brightness(data.at(0, 0)), brightness(data.at(5, 5)));   // highlight over the top
    EXPECT_GT(brightness(data.at(5, 5)), brightness(data.at(28, 9)));  // top over the shadow
    for (int x = 0; x < 29; ++x)
        for (int y = 0; y < 10; ++y) EXPECT_EQ(mask.at(x, y), kWhite) << x << ',' << y;
}

TEST(FirstColours, TheBackColourMakerRunsFromRedThroughYellowToGreen) {
    Document doc;
    MakeSBase(doc);
    const Bitmap& strip = doc.slot(back_base_maker::kStrip);
    const Colour top = strip.at(0, 0), middle = strip.at(0, 59), bottom = strip.at(0, 118);
    EXPECT_GT(GetRed(top), GetGreen(top));
    EXPECT_GT(GetRed(middle), 160);
    EXPECT_GT(GetGreen(middle), 160);
    EXPECT_GT(GetGreen(bottom), GetRed(bottom));
}

}  // namespace
