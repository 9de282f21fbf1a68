// The Region page, the Pledit.txt, Maron.txt, Viscolor and プロジェクト保存 pages, the glyph
// colours and the generator windows: swatches take the chosen colour and run their handler, a
// region picture is traced and shapes the preview, a project round-trips, and every maker hands
// its picture to its slot.
#include <fstream>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>

#include "app_fixture.h"
#include "colour_swatch.h"
#include "generator_windows.h"
#include "bindings.h"
#include "image/drawing.h"
#include "image/picture_file.h"
#include "preview_window.h"
#include "region_page.h"
#include "screenshots.h"
#include "slot_view.h"
#include "tab_strip.h"

namespace pelterra::app::testing {
namespace {

namespace fs = std::filesystem;

// Every colour dialog answers with the next colour of the list, or is cancelled when none is left.
class ToolPageTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        colourDialogs().chooseColour = [this](QWidget*, const QColor&) -> std::optional<QColor> {
            if (coloursToChoose.empty()) return std::nullopt;
            const Colour c = coloursToChoose.front();
            coloursToChoose.erase(coloursToChoose.begin());
            return toQColor(c);
        };
        colourDialogs().chooseFont = [this](QWidget*, const QFont&) -> std::optional<QFont> { return fontToChoose; };
    }
    void TearDown() override {
        colourDialogs() = {};
        AppTest::TearDown();
    }

    void choose(ColourSwatch* swatch, Colour colour) {
        ASSERT_NE(swatch, nullptr);
        coloursToChoose = {colour};
        swatch->pick();
    }

    // A program folder of its own (the trace writes its work files into PartsData\system).
    fs::path ownProgramFolder() {
        const fs::path folder = scratch / "program";
        fs::create_directories(folder);
        fs::copy(kProgramFolder / "PartsData", folder / "PartsData", fs::copy_options::recursive);
        fs::copy(kProgramFolder / "Samples", folder / "Samples", fs::copy_options::recursive);
        return folder;
    }

    void click(const char* name) {
        auto* b = widget<QAbstractButton>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr);
        b->click();
    }

    std::vector<Colour> coloursToChoose;
    std::optional<QFont> fontToChoose;
};

constexpr Colour kMagenta = RGB(255, 0, 255);

TEST_F(ToolPageTest, ViscolorSwatchesTakeTheChosenColourAndRampFillsTheRow) {
    MainWindow* main = start();
    main->pageTabs()->tab(13)->click();  // "Viscolor"
    choose(widget<ColourSwatch>("ViscolorSpec_0"), RGB(255, 0, 0));
    choose(widget<ColourSwatch>("ViscolorSpec_15"), RGB(0, 0, 255));
    EXPECT_EQ(doc().swatch(ctl::ViscolorSpec, 0), RGB(255, 0, 0));
    EXPECT_EQ(widget<ColourSwatch>("ViscolorSpec_0")->palette().color(QPalette::Window), QColor(255, 0, 0));

    click("BtnViscolorSpec");
    // Steps round(-255/15) = -17 and round(255/15) = 17.
    for (int i = 0; i < 16; ++i) EXPECT_EQ(doc().swatch(ctl::ViscolorSpec, i), RGB(255 - 17 * i, 0, 17 * i)) << i;
    EXPECT_EQ(widget<ColourSwatch>("ViscolorSpec_7")->palette().color(QPalette::Window), QColor(136, 0, 119));

    choose(widget<ColourSwatch>("ViscolorOsc_0"), RGB(255, 0, 0));
    choose(widget<ColourSwatch>("ViscolorOsc_4"), RGB(0, 0, 255));
    click("BtnViscolorOsc");
    const Colour osc[] = {RGB(255, 0, 0), RGB(191, 0, 64), RGB(127, 0, 128), RGB(63, 0, 192), RGB(0, 0, 255)};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(doc().swatch(ctl::ViscolorOsc, i), osc[i]) << i;

    // A cancelled dialog leaves the swatch as it was.
    coloursToChoose.clear();
    widget<ColourSwatch>("ViscolorPeak")->pick();
    choose(widget<ColourSwatch>("ViscolorPeak"), RGB(1, 2, 3));
    coloursToChoose.clear();
    widget<ColourSwatch>("ViscolorPeak")->pick();
    EXPECT_EQ(doc().swatch(ctl::ViscolorPeak), RGB(1, 2, 3));
}

TEST_F(ToolPageTest, APleditSwatchOrFontRebuildsBothTextsAndThePreviews) {
    MainWindow* main = start();
    main->pageTabs()->tab(6)->click();  // "Pledit.txt"
    auto* text1 = widget<QPlainTextEdit>("Text1");
    auto* text2 = widget<QPlainTextEdit>("Text2");
    EXPECT_EQ(text2->toPlainText(),
              QStringLiteral("[Text]\nNormal=#00C000\nNormalBG=#000000\nSelectedBG=#0000C0\nCurrent=#FFFFFF\n"));

    choose(widget<ColourSwatch>("PicPleditNormal"), RGB(0x12, 0x34, 0x05));
    EXPECT_EQ(doc().text(ctl::Text2),
              "[Text]\r\nNormal=#123405\r\nNormalBG=#000000\r\nSelectedBG=#0000C0\r\nCurrent=#FFFFFF\r\n");
    EXPECT_TRUE(text1->toPlainText().contains(QStringLiteral("Normal=#123405")));
    EXPECT_TRUE(text2->toPlainText().contains(QStringLiteral("Normal=#123405")));
    // "通常の表示" and "選択中の表示" write in the Normal colour.
    EXPECT_EQ(widget<QLabel>("PreLblPleditNormal")->palette().color(QPalette::WindowText), QColor(0x12, 0x34, 0x05));
    EXPECT_EQ(widget<QLabel>("PreLblPleditSelected")->palette().color(QPalette::WindowText), QColor(0x12, 0x34, 0x05));

    choose(widget<ColourSwatch>("PicPleditSelectedBG"), RGB(0x80, 0, 0));
    EXPECT_EQ(widget<QWidget>("PrePicPleditPS")->palette().color(QPalette::Window), QColor(0x80, 0, 0));
    EXPECT_EQ(widget<QWidget>("PrePicPleditNormal")->palette().color(QPalette::Window), QColor(0, 0, 0));

    QFont font;
    font.setFamily(QStringLiteral("DejaVu Sans"));
    fontToChoose = font;
    click("SelectPleditFont");
    EXPECT_EQ(doc().text(ctl::PleditFonts), "DejaVu Sans");
    EXPECT_EQ(widget<QLineEdit>("PleditFonts")->text(), QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(text1->toPlainText().startsWith(QStringLiteral("[Text]\nFont=DejaVu Sans\nNormal=#123405\n")));
    EXPECT_FALSE(text2->toPlainText().contains(QStringLiteral("Font=")));
    EXPECT_EQ(widget<QLabel>("PreLblPleditPlay")->font().family(), QStringLiteral("DejaVu Sans"));
}

TEST_F(ToolPageTest, TheMaronPageWritesItsControls) {
    MainWindow* main = start();
    main->pageTabs()->tab(7)->click();  // "Maron.txt"
    auto* analyser = widget<QComboBox>("MaronCombo1");
    ASSERT_EQ(analyser->count(), 3);
    EXPECT_EQ(analyser->itemText(1), QStringLiteral("Fire"));
    EXPECT_EQ(analyser->currentIndex(), 0);
    analyser->setCurrentIndex(1);
    Q_EMIT analyser->activated(1);
    EXPECT_EQ(doc().value(ctl::MaronCombo1), 1);

    auto* bar = widget<QScrollBar>("MaronVScroll");
    bar->setValue(73);
    EXPECT_EQ(doc().text(ctl::MaronText), "73");
    EXPECT_EQ(widget<QLineEdit>("MaronText")->text(), QStringLiteral("73"));
}

TEST_F(ToolPageTest, NumberColoursRampAndColourTheGlyphs) {
    MainWindow* main = start();
    main->pageTabs()->tab(8)->click();  // "Number"
    choose(widget<ColourSwatch>("NumberColor_0"), RGB(255, 0, 0));
    choose(widget<ColourSwatch>("NumberColor_14"), RGB(0, 0, 255));
    click("BtnNumberColor");
    EXPECT_EQ(doc().swatch(ctl::NumberColor, 12), RGB(39, 0, 216));
    EXPECT_EQ(doc().swatch(ctl::NumberColor, 14), RGB(3, 0, 252));

    QWidget* page = main->pageTabs()->frame(8);
    auto* apply = page->findChild<QPushButton*>(QStringLiteral("Command3"));
    ASSERT_NE(apply, nullptr);
    apply->click();
    // Where the number Mask is white, the glyph takes its row's colour.
    const Bitmap& mask = doc().slot(pic::picMask, 7);
    const Bitmap& data = doc().slot(pic::picData, 7);
    int whiteSeen = 0;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 108; ++x)  // the number sheet's width
            if (GetPixel(mask, x, y) == kWhite) {
                EXPECT_EQ(GetPixel(data, x, y), doc().swatch(ctl::NumberColor, y)) << x << "," << y;
                ++whiteSeen;
            }
    EXPECT_GT(whiteSeen, 0);
}

TEST_F(ToolPageTest, ARegionPictureLoadedAndTracedEnablesRegionTxtAndShapesThePreview) {
    MainWindow* main = start(ownProgramFolder());
    main->topTabs()->tab(2)->click();  // "Region"
    auto* regionCheck = widget<QCheckBox>("RegionCheck");
    auto* trace = widget<QPushButton>("BtnMakeRegion");
    EXPECT_FALSE(trace->isEnabled());

    pictureToOpen = QString::fromStdString((app->programFolder() / "Samples" / "region_main_eq.bmp").string());
    click("LoadRegion");
    EXPECT_FALSE(regionCheck->isEnabled());
    EXPECT_FALSE(regionCheck->isChecked());
    EXPECT_TRUE(trace->isEnabled());
    EXPECT_EQ(doc().value(ctl::EqRegionFlag), 1);
    EXPECT_TRUE(widget<SlotView>("RegionArea_1")->isVisibleTo(main));

    // A press on a cut-away corner of the picture takes its colour as the key.
    auto* area = widget<SlotView>("RegionArea_0");
    const QPointF corner(1 + 1 * area->zoom() + 0.5, 1 + 1 * area->zoom() + 0.5);  // image pixel (0, 0)
    QMouseEvent press(QEvent::MouseButtonPress, corner, area->mapToGlobal(corner), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(area, &press);
    EXPECT_EQ(widget<QScrollBar>("HsRed")->value(), 255);
    EXPECT_EQ(widget<QScrollBar>("HsGreen")->value(), 0);
    EXPECT_EQ(widget<QLineEdit>("RegionBlue")->text(), QStringLiteral("255"));

    trace->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], QStringLiteral("Complete"));
    // News of a finished trace, not a warning.
    EXPECT_EQ(informations, std::vector<QString>{QStringLiteral("Complete")});
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(regionCheck->isEnabled());
    EXPECT_EQ(widget<QLabel>("Areay")->text(), QStringLiteral("116/116 終了"));
    EXPECT_GE(doc().value(ctl::MainOutlineCount), 1);
    EXPECT_GE(doc().value(ctl::EqOutlineCount), 1);
    regionCheck->click();
    EXPECT_TRUE(doc().isChecked(ctl::RegionCheck));
    // Another run of the program tracing meanwhile replaces the shared work files; the preview
    // keeps the shape of this trace, which the document holds.
    for (const char* work : {"region1.txt", "region2.txt", "region3.txt", "region4.txt"})
        std::ofstream(userData.workFolder() / work, std::ios::binary | std::ios::trunc) << "4,";

    // The preview after a build: the round corners are cut away, the middle kept.
    pictureToOpen = QString::fromStdString((app->programFolder() / "Samples" / "base_main_eq.bmp").string());
    main->openBasePicture();
    QRegion upper, lower;
    int zoom = 0;
    main->previewHook = [&](PreviewWindow& preview) {
        upper = preview.pane1()->mask();
        lower = preview.pane2()->mask();
        zoom = preview.pane1()->zoom();
    };
    main->build();
    ASSERT_GT(zoom, 0);
    auto at = [zoom](int x, int y) { return QPoint(1 + x * zoom, 1 + y * zoom); };
    EXPECT_TRUE(upper.contains(at(137, 58)));
    EXPECT_FALSE(upper.contains(at(0, 0)));
    EXPECT_FALSE(upper.contains(at(274, 115)));
    EXPECT_TRUE(lower.contains(at(137, 58)));
    EXPECT_FALSE(lower.contains(at(0, 115)));
}

TEST_F(ToolPageTest, WindowShapePiecesCombineByXorAndUnion) {
    WindowShape shape;
    shape.pieces.push_back({ShapeCombine::Start, false, {0, 0, 10, 10}, {}});
    shape.pieces.push_back({ShapeCombine::Xor, false, {0, 0, 10, 10}, {}});
    shape.pieces.push_back({ShapeCombine::Xor, true, {}, {{0, 0}, {4, 0}, {4, 4}, {0, 4}}});
    shape.pieces.push_back({ShapeCombine::Xor, true, {}, {{2, 2}, {6, 2}, {6, 6}, {2, 6}}});
    const QRegion region = toRegion(shape, 2);
    EXPECT_TRUE(region.contains(QPoint(1, 1)));    // first square only
    EXPECT_FALSE(region.contains(QPoint(5, 5)));   // the overlap cancels
    EXPECT_TRUE(region.contains(QPoint(10, 10)));  // second square only
    EXPECT_FALSE(region.contains(QPoint(12, 12))); // outside both
    shape.pieces.push_back({ShapeCombine::Union, false, {0, 0, 10, 10}, {}});
    EXPECT_EQ(toRegion(shape, 1), QRegion(0, 0, 10, 10));
}

TEST_F(ToolPageTest, AProjectSavedAndLoadedBringsBackAControlValue) {
    MainWindow* main = start();
    main->pageTabs()->tab(16)->click();  // "プロジェクト保存"
    auto* folder = widget<QLineEdit>("Dir2Path");
    folder->setText(QString::fromStdString(scratch.path().string()));
    auto* name = widget<QLineEdit>("txtProject");
    EXPECT_EQ(name->text(), QStringLiteral("Project"));
    name->setText(QStringLiteral("Blue"));
    Q_EMIT name->textEdited(QStringLiteral("Blue"));
    doc().setText(ctl::MaronText, "37");
    doc().setValue(ctl::hscR, 2, 40);

    click("cmdSaveProject_0");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(fs::is_regular_file(scratch / "Blue" / "MainData11.bmp"));
    EXPECT_TRUE(widget<QLabel>("lblProjectResult")->text().contains(QStringLiteral("Blue")));
    EXPECT_EQ(main->statusBar()->currentMessage(),
              QStringLiteral("保存しました: ") + QString::fromStdString((scratch / "Blue").string()));

    doc().setText(ctl::MaronText, "80");
    doc().setValue(ctl::hscR, 2, 0);
    folder->setText(QString::fromStdString((scratch / "Blue").string()));
    click("cmdSaveProject_1");
    EXPECT_EQ(doc().text(ctl::MaronText), "37");
    EXPECT_EQ(doc().value(ctl::hscR, 2), 40);
    EXPECT_TRUE(messages.empty());

    // A project missing a picture is refused with a message that names it, and the work stays.
    fs::remove(scratch / "Blue" / "MainData12.bmp");
    doc().setText(ctl::MaronText, "80");
    const Bitmap before = doc().slot(pic::picData, 11);
    click("cmdSaveProject_1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QString::fromStdString((scratch / "Blue" / "MainData12.bmp").string())))
        << messages[0].toStdString();
    EXPECT_EQ(doc().text(ctl::MaronText), "80");
    EXPECT_EQ(doc().slot(pic::picData, 11), before);
    messages.clear();

    // A name that would leave the chosen folder is refused with a message.
    name->setText(QStringLiteral(".."));
    Q_EMIT name->textEdited(QStringLiteral(".."));
    folder->setText(QString::fromStdString(scratch.path().string()));
    click("cmdSaveProject_0");
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(ToolPageTest, TheFrameMakerOpensFromTheFramePageAndHandsItsPicturesOn) {
    MainWindow* main = start();
    main->pageTabs()->tab(12)->click();  // "Frame"
    auto* frameList = widget<QListWidget>("lstData_6");
    ASSERT_GE(frameList->count(), 2);
    frameList->setCurrentRow(1);
    ASSERT_EQ(doc().value(ctl::lstData, 6), 1);
    click("btmMakeFrame");
    auto* maker = main->findChild<FrameMakerWindow*>(QStringLiteral("frmMakeFrame"));
    ASSERT_NE(maker, nullptr);
    EXPECT_TRUE(maker->isVisible());
    EXPECT_EQ(maker->windowTitle(), QStringLiteral("FrameMaking"));

    auto* swatch = maker->findChild<ColourSwatch*>(QStringLiteral("lbldata_3"));
    choose(swatch, RGB(10, 20, 30));  // "ボディー": the frame is redrawn
    EXPECT_EQ(GetPixel(doc().slot(pic::picMakeFrameData), 100, 50), RGB(10, 20, 30));
    maker->findChild<QPushButton*>(QStringLiteral("btnData"))->click();
    EXPECT_EQ(doc().slot(pic::picData, 6), doc().slot(pic::picMakeFrameData));
    // The list no longer names the frame the slot shows: nothing is selected.
    EXPECT_EQ(doc().value(ctl::lstData, 6), -1);
    EXPECT_EQ(frameList->currentRow(), -1);
    EXPECT_TRUE(frameList->selectedItems().isEmpty());
    maker->findChild<QPushButton*>(QStringLiteral("btnEqData"))->click();
    EXPECT_EQ(GetPixel(doc().slot(pic::picEQData, 1), 100, 50), RGB(10, 20, 30));

    choose(maker->findChild<ColourSwatch*>(QStringLiteral("lblMaskGra1")), RGB(200, 200, 200));
    choose(maker->findChild<ColourSwatch*>(QStringLiteral("lblMaskGra2")), RGB(200, 200, 200));
    maker->findChild<QPushButton*>(QStringLiteral("Command2"))->click();  // "MainのMaskへ転送する"
    EXPECT_EQ(GetPixel(doc().slot(pic::picMask, 6), 5, 100), RGB(200, 200, 200));

    maker->close();
    EXPECT_FALSE(maker->isVisible());
    // The equalizer's "Frame" page shows the same window again.
    main->topTabs()->tab(1)->click();  // "EQ"
    main->eqTabs()->tab(3)->click();   // "Frame"
    click("btnEQMakeFrame");
    EXPECT_TRUE(maker->isVisible());
    EXPECT_EQ(main->findChildren<FrameMakerWindow*>().size(), 1);
}

TEST_F(ToolPageTest, TheSliderMakerAppliesAndHides) {
    MainWindow* main = start();
    main->pageTabs()->tab(5)->click();  // "Slider"
    click("BtnMakeSliderData");
    auto* maker = main->findChild<SliderMakerWindow*>(QStringLiteral("FrmMakeSlider"));
    ASSERT_NE(maker, nullptr);
    EXPECT_TRUE(maker->isVisible());
    // One click opens the colour dialog, as on every other swatch.
    coloursToChoose = {RGB(0, 128, 255)};
    auto* top = maker->findChild<ColourSwatch*>(QStringLiteral("LblSliderDataTop"));
    QMouseEvent once(QEvent::MouseButtonPress, QPointF(3, 3), top->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(top, &once);
    EXPECT_TRUE(coloursToChoose.empty());
    EXPECT_EQ(GetPixel(doc().slot(pic::SliderData), 5, 5), RGB(0, 128, 255));

    const Bitmap before = doc().slot(pic::picData, 4);
    maker->findChild<QPushButton*>(QStringLiteral("Command2"))->click();  // "キャンセル"
    EXPECT_EQ(doc().slot(pic::picData, 4), before);
    EXPECT_FALSE(maker->isVisible());

    click("BtnMakeSliderData");
    maker->findChild<QPushButton*>(QStringLiteral("Command1"))->click();  // "適用"
    EXPECT_EQ(doc().slot(pic::picData, 4), doc().slot(pic::SliderData));
    EXPECT_EQ(doc().slot(pic::picMask, 4), doc().slot(pic::SliderMask));
    EXPECT_FALSE(maker->isVisible());
}

TEST_F(ToolPageTest, TheBackColorMakerHandsItsSheetToTheEqualizer) {
    MainWindow* main = start();
    main->topTabs()->tab(1)->click();  // "EQ"
    main->eqTabs()->tab(1)->click();   // "Slider"
    click("btnBackColor");
    auto* maker = main->findChild<BackColorWindow*>(QStringLiteral("frmBackColor"));
    ASSERT_NE(maker, nullptr);
    EXPECT_TRUE(maker->isVisible());
    EXPECT_EQ(maker->windowTitle(), QStringLiteral("MakeBackColor"));
    for (int i = 0; i < 3; ++i) choose(maker->findChild<ColourSwatch*>(objectNameOf(ctl::lblcolor, i)), RGB(0, 90, 0));
    maker->findChild<QPushButton*>(QStringLiteral("btnMake"))->click();
    EXPECT_EQ(GetPixel(doc().slot(pic::picBack), 0, 0), RGB(0, 90, 0));
    auto* backList = widget<QComboBox>("BackColorCombo");
    ASSERT_GE(backList->currentIndex(), 0);
    maker->findChild<QPushButton*>(QStringLiteral("btnCopy"))->click();
    EXPECT_EQ(backList->currentIndex(), -1);  // no longer names a library colour
    EXPECT_EQ(backList->currentText(), QString());
    Bitmap expected = doc().slot(pic::EQSliderBackColor);
    assign(expected, doc().slot(pic::picBack));
    EXPECT_EQ(doc().slot(pic::EQSliderBackColor), expected);
    EXPECT_EQ(GetPixel(doc().slot(pic::EQSliderBackColor), 0, 0), RGB(0, 90, 0));
    EXPECT_FALSE(maker->isVisible());
}

TEST_F(ToolPageTest, TheScreenshotWalkShowsEveryPageAndToolWindow) {
    const fs::path program = ownProgramFolder();
    const fs::path shots = scratch / "shots";
    EXPECT_EQ(TakeScreenshots(program, QString::fromStdString(shots.string())), 0);
    for (const char* name : {"page-06-pledit-txt", "page-07-maron-txt", "page-08-number", "page-09-text",
                             "page-13-viscolor", "page-16-project-save", "top-2-region", "top-2-region-traced",
                             "frame-maker-1", "frame-maker-2", "frame-maker-3", "slider-maker", "back-color",
                             "preview", "preview-region"})
        EXPECT_TRUE(fs::is_regular_file(shots / (std::string(name) + ".png"))) << name;
}

}  // namespace
}  // namespace pelterra::app::testing
