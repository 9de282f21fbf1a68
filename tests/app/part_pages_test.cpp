// The part pages: a list choice loads the part, the link box shows the mask list, make boxes and
// their twins agree, the colour bars recolour the slot, and pictures come in by double-click and
// through the clipboard.
#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

#include "app_fixture.h"
#include "fs/program_path.h"
#include "image/picture_file.h"
#include "image_convert.h"
#include "parts/catalogue.h"
#include "slot_view.h"
#include "tab_strip.h"

namespace pelterra::app::testing {
namespace {

using PartPageTest = AppTest;

// The Data picture of entry `index` of lstData(k), cut to the slot the way a slot takes it.
Bitmap expectedData(Document& doc, int k, std::string_view folder, int index) {
    const Control& list = doc.control(ctl::lstData, k);
    const std::string tail = partFileTail(folder, list.entries.at(static_cast<std::size_t>(index)), index,
                                          list.firstSectionCount, PartImage::Data);
    Result<std::filesystem::path> path = resolveProgramPath(kProgramFolder, tail);
    EXPECT_TRUE(path.ok()) << tail;
    Result<Bitmap> picture = LoadPicture(path->string());
    EXPECT_TRUE(picture.ok());
    Bitmap slot = doc.slot(pic::picData, k);
    assign(slot, *picture);
    return slot;
}

SlotView* viewOf(MainWindow* main, const char* name) { return main->findChild<SlotView*>(name); }

TEST_F(PartPageTest, ChoosingAListEntryLoadsThePartIntoItsSlot) {
    MainWindow* main = start();
    main->pageTabs()->tab(1)->click();  // "Cbuttons"
    EXPECT_EQ(main->pageTabs()->currentIndex(), 1);
    auto* list = widget<QListWidget>("lstData_0");
    ASSERT_GE(list->count(), 2);
    const Bitmap before = doc().slot(pic::picData, 0);

    list->setCurrentRow(1);

    const Bitmap expected = expectedData(doc(), 0, "\\PartsData\\cbuttons\\", 1);
    EXPECT_NE(expected, before);
    EXPECT_EQ(doc().slot(pic::picData, 0), expected);
    EXPECT_EQ(doc().slot(pic::picData, 11), expected);  // the untouched copy
    EXPECT_EQ(viewOf(main, "picData_0")->image(), toQImage(expected));
    EXPECT_TRUE(messages.empty());
}

TEST_F(PartPageTest, TheLinkBoxShowsTheMaskListAndItsLabel) {
    MainWindow* main = start();
    main->pageTabs()->tab(12)->click();  // "Frame"
    auto* maskList = widget<QListWidget>("lstMask_6");
    auto* label = widget<QLabel>("lblFrameMask");
    QWidget* page = main->pageTabs()->frame(12);
    EXPECT_FALSE(maskList->isVisibleTo(page));
    EXPECT_FALSE(label->isVisibleTo(page));

    widget<QCheckBox>("chkFrameLink")->click();
    EXPECT_TRUE(maskList->isVisibleTo(page));
    EXPECT_TRUE(label->isVisibleTo(page));
    EXPECT_EQ(label->text(), QStringLiteral("MaskList"));

    widget<QCheckBox>("chkFrameLink")->click();
    EXPECT_FALSE(maskList->isVisibleTo(page));
}

TEST_F(PartPageTest, AMakeBoxAndItsTwinAgree) {
    MainWindow* main = start();
    auto* pageBox = widget<QCheckBox>("CbuttonsCheck");
    auto* twin = widget<QCheckBox>("CbuttonsCheck2");
    EXPECT_TRUE(pageBox->isChecked());
    EXPECT_TRUE(twin->isChecked());

    pageBox->click();
    main->syncMakeBoxes();  // a CheckTimer tick
    EXPECT_FALSE(pageBox->isChecked());
    EXPECT_FALSE(twin->isChecked());

    widget<QCheckBox>("MonosterCheck2")->click();  // checked at start: the first part is loaded
    main->syncMakeBoxes();
    EXPECT_FALSE(widget<QCheckBox>("MonosterCheck")->isChecked());
    EXPECT_FALSE(doc().isChecked(ctl::MonosterCheck));
    EXPECT_FALSE(doc().isChecked(ctl::CbuttonsCheck2));
}

TEST_F(PartPageTest, AColourBarRecoloursTheSlotFromItsUntouchedCopy) {
    MainWindow* main = start();
    main->pageTabs()->tab(2)->click();  // "Shufrep"
    auto* red = widget<QScrollBar>("hscR_1");
    EXPECT_EQ(red->minimum(), -256);
    EXPECT_EQ(red->maximum(), 256);
    const Bitmap untouched = doc().slot(pic::picData, 12);

    for (int i = 0; i < 4; ++i) red->triggerAction(QAbstractSlider::SliderPageStepAdd);

    EXPECT_EQ(widget<QLabel>("lblRed_1")->text(), QStringLiteral("40"));
    const Bitmap& shifted = doc().slot(pic::picData, 1);
    for (int y = 0; y < shifted.height(); ++y)
        for (int x = 0; x < shifted.width(); ++x) {
            const Colour c = untouched.at(x, y);
            ASSERT_EQ(shifted.at(x, y), RGB(clampChannel(GetRed(c) + 40), GetGreen(c), GetBlue(c))) << x << ',' << y;
        }
    EXPECT_EQ(viewOf(main, "picData_1")->image(), toQImage(shifted));

    widget<QScrollBar>("hscB_1")->setValue(-256);
    for (Colour c : doc().slot(pic::picData, 1).pixels()) ASSERT_EQ(GetBlue(c), 0);
    EXPECT_EQ(widget<QLabel>("lblBlue_1")->text(), QStringLiteral("-256"));

    widget<QScrollBar>("hscB_1")->setValue(0);
    for (int i = 0; i < 4; ++i) red->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(doc().slot(pic::picData, 1), untouched);
}

TEST_F(PartPageTest, ADoubleClickedPictureIsStretchedIntoTheSlot) {
    MainWindow* main = start();
    const auto file = scratch / "big.bmp";
    ASSERT_TRUE(SavePicture(Bitmap(500, 500, RGB(10, 20, 30)), file.string()).ok());
    pictureToOpen = QString::fromStdString(file.string());

    SlotView* mask = viewOf(main, "picMask_7");  // the number page's mask
    ASSERT_NE(mask, nullptr);
    Q_EMIT mask->doubleClicked();
    EXPECT_EQ(doc().slot(pic::picMask, 7), Bitmap(117, 21, RGB(10, 20, 30)));

    SlotView* data = viewOf(main, "picData_0");
    Q_EMIT data->doubleClicked();
    EXPECT_EQ(doc().slot(pic::picData, 0), Bitmap(136, 36, RGB(10, 20, 30)));
    EXPECT_EQ(doc().slot(pic::picData, 11), Bitmap(136, 36, RGB(10, 20, 30)));

    // A cancelled dialog leaves the slot alone; an unreadable file is reported and changes nothing.
    pictureToOpen.clear();
    Q_EMIT data->doubleClicked();
    EXPECT_EQ(doc().slot(pic::picData, 0), Bitmap(136, 36, RGB(10, 20, 30)));
    EXPECT_TRUE(messages.empty());
    pictureToOpen = QString::fromStdString((scratch / "missing.bmp").string());
    Q_EMIT data->doubleClicked();
    EXPECT_EQ(doc().slot(pic::picData, 0), Bitmap(136, 36, RGB(10, 20, 30)));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("missing.bmp")));
}

TEST_F(PartPageTest, TheClipboardMenuPastesAndCopies) {
    MainWindow* main = start();
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    QGuiApplication::clipboard()->setImage(red);

    main->applyClipChoice({pic::picData, 3}, ClipChoice::Paste);
    EXPECT_EQ(doc().slot(pic::picData, 3), Bitmap(42, 9, RGB(255, 0, 0)));
    EXPECT_EQ(doc().slot(pic::picData, 14), Bitmap(42, 9, RGB(255, 0, 0)));

    // "コピー" hands out the picture of the last list choice, not the pasted one.
    main->applyClipChoice({pic::picData, 3}, ClipChoice::Copy);
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(toBitmap(copied), doc().listChoicePictures.at("picData(3)"));

    QGuiApplication::clipboard()->clear();
    main->applyClipChoice({pic::picMask, 3}, ClipChoice::Paste);
    ASSERT_EQ(messages.size(), 1u);
}

}  // namespace
}  // namespace pelterra::app::testing
