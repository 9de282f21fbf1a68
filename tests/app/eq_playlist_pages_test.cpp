// The EQ and PlayList tabs: an equalizer list choice loads its slot, the second face comes in at
// 275x116 or is stretched with the size message, the Easy import cuts only the checked pieces,
// "EQ Slider" shows the second include boxes, the playlist cut-outs and the button synthesis change
// their slots, and the screenshot walk shows every page of both tabs.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>

#include "app_fixture.h"
#include "eq_pages.h"
#include "page_helpers.h"
#include "fs/program_path.h"
#include "image/picture_file.h"
#include "image_convert.h"
#include "parts/catalogue.h"
#include "screenshots.h"
#include "slot_view.h"
#include "tab_strip.h"

namespace pelterra::app::testing {
namespace {

namespace fs = std::filesystem;

using EqPlaylistPageTest = AppTest;

// A picture whose every pixel tells where it lies.
Colour patternAt(int x, int y) { return RGB(x % 256, y % 256, (x * 7 + y * 3) % 256); }

Bitmap patterned(int width, int height) {
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.at(x, y) = patternAt(x, y);
    return b;
}

SlotView* viewOf(MainWindow* main, const char* name) {
    auto* view = main->findChild<SlotView*>(QString::fromLatin1(name));
    EXPECT_NE(view, nullptr) << name;
    return view;
}

// The Data picture of entry `index` of lstEQData(slot), cut to the slot as a slot takes it.
Bitmap expectedEqData(Document& doc, int slot, std::string_view folder, int index) {
    const Control& list = doc.control(ctl::lstEQData, slot);
    const std::string tail = partFileTail(folder, list.entries.at(static_cast<std::size_t>(index)), index,
                                          list.firstSectionCount, PartImage::Data);
    Result<fs::path> path = resolveProgramPath(kProgramFolder, tail);
    EXPECT_TRUE(path.ok()) << tail;
    Result<Bitmap> picture = LoadPicture(path->string());
    EXPECT_TRUE(picture.ok());
    Bitmap result = doc.slot(pic::picEQData, slot);
    assign(result, *picture);
    return result;
}

TEST_F(EqPlaylistPageTest, AnEqualizerListChoiceLoadsItsSlotAndTheColourBarsRecolourIt) {
    MainWindow* main = start();
    main->topTabs()->tab(1)->click();
    main->eqTabs()->tab(4)->click();  // "TitleBar"
    EXPECT_EQ(main->eqTabs()->currentIndex(), 4);
    auto* list = widget<QListWidget>("lstEQData_2");
    ASSERT_GE(list->count(), 2);
    const Bitmap before = doc().slot(pic::picEQData, 2);

    list->setCurrentRow(1);

    const Bitmap expected = expectedEqData(doc(), 2, "\\PartsData\\eq\\bar\\", 1);
    EXPECT_NE(expected, before);
    EXPECT_EQ(doc().slot(pic::picEQData, 2), expected);
    EXPECT_EQ(doc().slot(pic::picEQData, 8), expected);  // the untouched copy
    EXPECT_EQ(viewOf(main, "picEQData_2")->image(), toQImage(expected));
    EXPECT_TRUE(messages.empty());

    // Group 7 recolours the title bar from its untouched copy.
    auto* green = widget<QScrollBar>("hscG_7");
    green->setValue(-256);
    for (Colour c : doc().slot(pic::picEQData, 2).pixels()) ASSERT_EQ(GetGreen(c), 0);
    EXPECT_EQ(widget<QLabel>("lblGreen_7")->text(), QStringLiteral("-256"));
    EXPECT_EQ(doc().slot(pic::picEQData, 8), expected);
    green->setValue(0);
    EXPECT_EQ(doc().slot(pic::picEQData, 2), expected);

    // The frame and layer pages have no colour bars.
    const QRegularExpression colourGroup(QStringLiteral("^fraColor_"));
    EXPECT_EQ(main->eqTabs()->frame(4)->findChildren<QWidget*>(colourGroup).size(), 1);
    EXPECT_EQ(main->eqTabs()->frame(3)->findChildren<QWidget*>(colourGroup).size(), 0);
    EXPECT_EQ(main->eqTabs()->frame(8)->findChildren<QWidget*>(colourGroup).size(), 0);
}

TEST_F(EqPlaylistPageTest, TheEqualizerLinkBoxShowsTheMaskListAndTheMaskChoiceLoadsTheMask) {
    MainWindow* main = start();
    main->topTabs()->tab(1)->click();
    main->eqTabs()->tab(4)->click();
    QWidget* page = main->eqTabs()->frame(4);
    auto* maskList = widget<QListWidget>("lstEQMask_2");
    auto* label = widget<QLabel>("lblEQMask_2");
    EXPECT_FALSE(maskList->isVisibleTo(page));
    EXPECT_FALSE(label->isVisibleTo(page));

    widget<QCheckBox>("chkEQTitlebarLink")->click();
    EXPECT_TRUE(maskList->isVisibleTo(page));
    EXPECT_EQ(label->text(), QStringLiteral("MaskList"));

    ASSERT_GE(maskList->count(), 2);
    const Bitmap data = doc().slot(pic::picEQData, 2);
    const Bitmap maskBefore = doc().slot(pic::picEQMask, 2);
    maskList->setCurrentRow(maskList->count() - 1);
    EXPECT_NE(doc().slot(pic::picEQMask, 2), maskBefore);
    EXPECT_EQ(doc().slot(pic::picEQData, 2), data);
    EXPECT_TRUE(messages.empty());
}

TEST_F(EqPlaylistPageTest, TheSecondFaceComesInAt275x116OrIsStretchedWithTheSizeMessage) {
    MainWindow* main = start();
    main->topTabs()->tab(1)->click();
    const Bitmap face = patterned(275, 116);
    const fs::path exact = scratch / "face.bmp";
    ASSERT_TRUE(SavePicture(face, exact.string()).ok());
    pictureToOpen = QString::fromStdString(exact.string());

    widget<QPushButton>("OpenEQData")->click();

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(doc().slot(pic::PreEQMainData2), face);
    EXPECT_EQ(viewOf(main, "PreEQMainData2")->image(), toQImage(face));
    EXPECT_EQ(doc().ExtraImageTitle, "face.bmp");
    EXPECT_EQ(widget<QLabel>("lblEQMainFile")->text(), QStringLiteral("face.bmp"));

    // One column too wide: the message, then the picture stretched to 275x116.
    const fs::path wide = scratch / "wide.bmp";
    ASSERT_TRUE(SavePicture(Bitmap(276, 116, RGB(200, 10, 20)), wide.string()).ok());
    pictureToOpen = QString::fromStdString(wide.string());
    Q_EMIT viewOf(main, "PreEQMainData2")->doubleClicked();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], QStringLiteral("画像の大きさが２７５＊１１６では有りません。無理矢理変換します"));
    EXPECT_EQ(doc().slot(pic::PreEQMainData2), Bitmap(275, 116, RGB(200, 10, 20)));

    // A cancelled dialog changes nothing.
    pictureToOpen.clear();
    widget<QPushButton>("OpenEQData")->click();
    EXPECT_EQ(doc().slot(pic::PreEQMainData2), Bitmap(275, 116, RGB(200, 10, 20)));
    EXPECT_EQ(messages.size(), 1u);

    // "これを使う" selects the second face, "こっちを使う" goes clear.
    widget<QAbstractButton>("OpEqMain2")->click();
    EXPECT_TRUE(doc().isSelected(ctl::OpEqMain2));
    EXPECT_FALSE(doc().isSelected(ctl::OpEqMain1));
    EXPECT_FALSE(widget<QAbstractButton>("OpEqMain1")->isChecked());
}

TEST_F(EqPlaylistPageTest, AnEasyImportWithOnlyTitleBarCheckedChangesTheTitleBarAlone) {
    MainWindow* main = start();
    main->topTabs()->tab(1)->click();
    main->eqTabs()->tab(7)->click();  // "取りこみ"
    const Bitmap sheet = patterned(275, 315);
    const fs::path file = scratch / "eqmain.bmp";
    ASSERT_TRUE(SavePicture(sheet, file.string()).ok());
    pictureToOpen = QString::fromStdString(file.string());
    Q_EMIT viewOf(main, "PreEasyImage")->doubleClicked();
    EXPECT_EQ(doc().slot(pic::PreEasyData), sheet);
    EXPECT_EQ(viewOf(main, "PreEasyImage")->image(), toQImage(sheet));

    const Bitmap titleBefore = doc().slot(pic::picEQData, 2);
    const Bitmap onAuto = doc().slot(pic::picEQData, 0);
    const Bitmap image = doc().slot(pic::picEQData, 3);
    const Bitmap preset = doc().slot(pic::picEQData, 4);
    const Bitmap face = doc().slot(pic::PreEQMainData2);
    const Bitmap slider = doc().slot(pic::PreSliderData);

    // Nothing checked: nothing changes.
    widget<QPushButton>("EasyButton")->click();
    EXPECT_EQ(doc().slot(pic::picEQData, 2), titleBefore);

    widget<QCheckBox>("EasyEQCheck")->click();
    widget<QPushButton>("EasyButton")->click();

    const Bitmap& title = doc().slot(pic::picEQData, 2);
    for (int y = 0; y < 47; ++y)
        for (int x = 0; x < 275; ++x) {
            Colour want = titleBefore.at(x, y);
            if (y >= 18) want = patternAt(x, 134 + y - 18);  // the two title bars
            else if (x < 9) want = patternAt(x, 116 + y);    // the close button states
            ASSERT_EQ(title.at(x, y), want) << x << ',' << y;
        }
    EXPECT_EQ(doc().slot(pic::picEQData, 0), onAuto);
    EXPECT_EQ(doc().slot(pic::picEQData, 3), image);
    EXPECT_EQ(doc().slot(pic::picEQData, 4), preset);
    EXPECT_EQ(doc().slot(pic::PreEQMainData2), face);
    EXPECT_EQ(doc().slot(pic::PreSliderData), slider);
    EXPECT_FALSE(widget<QCheckBox>("EasyEQFrameCheck")->isVisibleTo(main->eqTabs()->frame(7)));
}

TEST_F(EqPlaylistPageTest, ChoosingASliderLoadsItsGraphicAndTheDefaultMaskWhenItHasNone) {
    MainWindow* main = start();
    main->topTabs()->tab(1)->click();
    main->eqTabs()->tab(1)->click();  // "Slider"
    auto* combo = widget<QComboBox>("SliderCombo");
    const int classic = combo->findText(QStringLiteral("Classic"));
    const int glass = combo->findText(QStringLiteral("Glass"));
    ASSERT_GE(classic, 0);
    ASSERT_GE(glass, 0);

    auto loaded = [&](const char* tail) {
        Result<Bitmap> picture = LoadPicture(resolveProgramPath(kProgramFolder, tail)->string());
        EXPECT_TRUE(picture.ok()) << tail;
        Bitmap slot = doc().slot(pic::PreSliderData);
        assign(slot, *picture);
        return slot;
    };
    combo->setCurrentIndex(glass);
    EXPECT_EQ(doc().slot(pic::PreSliderData), loaded("\\PartsData\\eq\\slider\\Glass.data.bmp"));
    EXPECT_EQ(doc().slot(pic::PreSliderMask), loaded("\\PartsData\\eq\\slider\\Glass.mask.bmp"));
    combo->setCurrentIndex(classic);  // Classic has no mask of its own
    EXPECT_EQ(doc().slot(pic::PreSliderData), loaded("\\PartsData\\eq\\slider\\Classic.data.bmp"));
    EXPECT_EQ(doc().slot(pic::PreSliderMask), loaded("\\PartsData\\eq\\slider\\DefaultMiniWhite.mask.bmp"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(EqPlaylistPageTest, EqSliderShowsTheSecondIncludeBoxesAndEachPairAgrees) {
    MainWindow* main = start();
    main->topTabs()->tab(1)->click();
    auto* mode = widget<QCheckBox>("EQModeCheck");
    auto* twins = widget<QWidget>("fraEqCheck");
    QWidget* tab = main->topTabs()->frame(1);
    EXPECT_EQ(twins->isVisibleTo(tab), mode->isChecked());

    if (!mode->isChecked()) mode->click();
    EXPECT_TRUE(twins->isVisibleTo(tab));
    mode->click();
    EXPECT_FALSE(doc().isChecked(ctl::EQModeCheck));
    EXPECT_FALSE(twins->isVisibleTo(tab));
    mode->click();

    // The include boxes of loaded parts start checked; a click on either box clears both.
    widget<QCheckBox>("OnAutoCheck2")->click();
    main->syncMakeBoxes();
    EXPECT_FALSE(doc().isChecked(ctl::OnAutoCheck));
    EXPECT_FALSE(widget<QCheckBox>("OnAutoCheck")->isChecked());
    widget<QCheckBox>("PresetCheck")->click();
    main->syncMakeBoxes();
    EXPECT_FALSE(widget<QCheckBox>("PresetCheck2")->isChecked());
    widget<QCheckBox>("chkEQLayer1")->click();
    EXPECT_TRUE(doc().isChecked(ctl::chkEQLayer1));
}

TEST_F(EqPlaylistPageTest, TheClipboardMenuPastesIntoAnEqualizerSlotAndCopiesIt) {
    MainWindow* main = start();
    const Bitmap red(8, 8, RGB(255, 0, 0));
    putPictureOnClipboard(red);
    applyEqClipChoice(*main, app->bridge(), pic::picEQData, 4, ClipChoice::Paste);
    EXPECT_EQ(doc().slot(pic::picEQData, 4), Bitmap(44, 25, RGB(255, 0, 0)));
    EXPECT_EQ(doc().slot(pic::picEQData, 10), Bitmap(44, 25, RGB(255, 0, 0)));

    doc().assignSlot(pic::PreSliderMask, -1, patterned(222, 128));
    applyEqClipChoice(*main, app->bridge(), pic::PreSliderMask, -1, ClipChoice::Copy);
    EXPECT_EQ(clipboardPicture(), std::optional<Bitmap>(patterned(222, 128)));
    EXPECT_TRUE(messages.empty());
}

TEST_F(EqPlaylistPageTest, APlaylistCutOutFillsItsSlotFromTheLayoutSheet) {
    MainWindow* main = start();
    main->topTabs()->tab(3)->click();
    main->playlistTabs()->tab(1)->click();  // "SorabePL互換１"
    const Bitmap sheet = patterned(375, 174);
    const fs::path file = scratch / "sheet.bmp";
    ASSERT_TRUE(SavePicture(sheet, file.string()).ok());
    pictureToOpen = QString::fromStdString(file.string());
    Q_EMIT viewOf(main, "picPLPartsData_38")->doubleClicked();
    ASSERT_EQ(doc().slot(pic::picPLPartsData, 38), sheet);

    auto* topLeft = widget<QPushButton>("cmdPLCopy_0");
    EXPECT_EQ(topLeft->text(), QStringLiteral("左上"));
    EXPECT_EQ(widget<QPushButton>("cmdPLCopy_13")->text(), QStringLiteral("コントロール"));
    topLeft->click();
    widget<QPushButton>("cmdPLCopy_3")->click();  // "上の枠" into the inactive tile
    const Bitmap& corner = doc().slot(pic::picPLPartsData, 0);
    const Bitmap& tile = doc().slot(pic::picPLPartsData, 24);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 25; ++x) {
            ASSERT_EQ(corner.at(x, y), patternAt(x, y)) << x << ',' << y;
            ASSERT_EQ(tile.at(x, y), patternAt(325 + x, y)) << x << ',' << y;
        }
    EXPECT_EQ(viewOf(main, "picPLPartsData_0")->image(), toQImage(corner));
    EXPECT_TRUE(messages.empty());
}

TEST_F(EqPlaylistPageTest, ButtonSynthesisLaysTheForegroundOverTheBackground) {
    MainWindow* main = start();
    main->topTabs()->tab(3)->click();
    main->playlistTabs()->tab(3)->click();  // "Sorabe互換３"
    doc().assignSlot(pic::picPLButtonBack, 2, Bitmap(25, 54, RGB(0, 0, 200)));
    Bitmap front(22, 54, RGB(255, 255, 255));
    front.at(5, 7) = RGB(10, 20, 30);
    doc().assignSlot(pic::picPLButton, 2, front);

    widget<QPushButton>("cmdSynthesize_2")->click();  // "白を透過"
    const Bitmap& made = doc().slot(pic::picPLButtonBack, 7);
    EXPECT_EQ(made.at(5 + 3, 7), RGB(10, 20, 30));
    EXPECT_EQ(made.at(5 + 25, 7), RGB(10, 20, 30));
    EXPECT_EQ(made.at(0, 0), RGB(0, 0, 200));
    EXPECT_EQ(made.at(46, 53), RGB(0, 0, 200));

    // "黒を透過": the white of the foreground now covers the background.
    widget<QAbstractButton>("optPLButton_1")->click();
    widget<QPushButton>("cmdSynthesize_2")->click();
    EXPECT_EQ(doc().slot(pic::picPLButtonBack, 7).at(0, 0), RGB(255, 255, 255));
}

TEST_F(EqPlaylistPageTest, ThePlaylistPictureIsStretchedWithTheSizeMessage) {
    MainWindow* main = start();
    main->topTabs()->tab(3)->click();
    const fs::path file = scratch / "small.bmp";
    ASSERT_TRUE(SavePicture(Bitmap(100, 50, RGB(1, 2, 3)), file.string()).ok());
    pictureToOpen = QString::fromStdString(file.string());
    widget<QPushButton>("cmdLoadPL")->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], QStringLiteral("画像の大きさが２７５＊１１６では有りません。無理矢理変換します"));
    EXPECT_EQ(doc().slot(pic::picPrePLmain, 1), Bitmap(275, 116, RGB(1, 2, 3)));
    EXPECT_EQ(viewOf(main, "picPrePLmain_1")->image(), toQImage(Bitmap(275, 116, RGB(1, 2, 3))));

    widget<QCheckBox>("chkPLParts_6")->click();  // checked at start, with the playlist style's parts
    EXPECT_FALSE(doc().isChecked(ctl::chkPLParts, 6));
}

TEST_F(EqPlaylistPageTest, TheScreenshotWalkShowsEveryEqualizerAndPlaylistPage) {
    const fs::path program = scratch / "program";
    fs::create_directories(program);
    fs::copy(kProgramFolder / "PartsData", program / "PartsData", fs::copy_options::recursive);
    fs::copy(kProgramFolder / "Samples", program / "Samples", fs::copy_options::recursive);
    const fs::path shots = scratch / "shots";
    EXPECT_EQ(TakeScreenshots(program, QString::fromStdString(shots.string())), 0);
    for (const char* name : {"eq-00-eq-main", "eq-01-slider", "eq-02-on-auto", "eq-03-frame", "eq-04-titlebar",
                             "eq-05-image", "eq-06-preset", "eq-07-easy", "eq-08-layer1", "eq-09-layer2",
                             "playlist-0-playlist", "playlist-1-layout-sheet", "playlist-2-shade-sheet",
                             "playlist-3-button-sheets"})
        EXPECT_TRUE(fs::is_regular_file(shots / (std::string(name) + ".png"))) << name;
}

}  // namespace
}  // namespace pelterra::app::testing
