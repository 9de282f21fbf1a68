// The part lists with their pictures and filter boxes, and what the windows show after a change
// made elsewhere: a new base picture, a message box's icon and title, the size dialog's title.
#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include "app_fixture.h"
#include "how_form.h"
#include "image/picture_file.h"
#include "image_convert.h"
#include "part_thumbnails.h"
#include "parts/entry_picture.h"
#include "slot_view.h"
#include "support/big_library.h"
#include "tab_strip.h"

namespace pelterra::app::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kLongList = 300;

class PartListTest : public AppTest {
protected:
    // The program on a library of kLongList parts per list, on its first page.
    void startOnLongLists() {
        const fs::path program = scratch / "program";
        test_support::makeBigLibrary(kProgramFolder, program, kLongList);
        start(program)->show();
        QApplication::processEvents();
    }
    // The "Cbuttons" page on screen, and its data list.
    QListWidget* showCbuttons() {
        app->mainWindow()->pageTabs()->tab(1)->click();
        QApplication::processEvents();
        return widget<QListWidget>("lstData_0");
    }

    PartThumbnails& pictures() { return PartThumbnails::of(app->bridge()); }

    // Paints the list as the screen would and counts the rows that were in view.
    static int paintedRows(QListWidget* list) {
        (void)list->viewport()->grab();
        int rows = 0;
        for (int row = 0; row < list->count(); ++row)
            if (!list->isRowHidden(row) && list->visualItemRect(list->item(row)).intersects(list->viewport()->rect()))
                ++rows;
        return rows;
    }

    static void clickRow(QListWidget* list, int row) {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(list->viewport(), &event);
        }
    }
};

TEST_F(PartListTest, OnlyTheRowsInViewReadTheirPicturesAndEachIsReadOnce) {
    startOnLongLists();
    // Start-up reads the chosen entry of each of the four combo boxes, for their closed face.
    const int atStart = pictures().readCount();
    EXPECT_EQ(atStart, 4);
    QListWidget* list = showCbuttons();
    ASSERT_GE(list->count(), kLongList);
    const int firstView = paintedRows(list);
    ASSERT_GT(firstView, 0);
    ASSERT_LT(firstView, kLongList / 4);
    EXPECT_EQ(pictures().readCount(), atStart + firstView);

    // Painting again reads nothing; scrolling to the end reads the rows that came into view.
    (void)list->viewport()->grab();
    EXPECT_EQ(pictures().readCount(), atStart + firstView);
    list->scrollToBottom();
    const int lastView = paintedRows(list);
    EXPECT_EQ(pictures().readCount(), atStart + firstView + lastView);

    // The picture of a row is the library file scaled into the row, kept from its paint.
    const int last = list->count() - 1;
    const QPixmap shown = pictures().thumbnail(ctl::lstData, 0, last);
    EXPECT_EQ(pictures().readCount(), atStart + firstView + lastView);
    Result<Bitmap> file = LoadEntryPicture(doc(), app->programFolder(), ctl::lstData, 0, last);
    ASSERT_TRUE(file);
    EXPECT_EQ(shown.size(), QSize(file->width(), file->height()).scaled(PartThumbnails::kSize, Qt::KeepAspectRatio));
}

TEST_F(PartListTest, AFilteredChoiceSelectsTheEntrysOwnIndexInTheDocument) {
    startOnLongLists();
    QListWidget* list = showCbuttons();
    auto* filter = widget<QLineEdit>("lstData_0_Filter");
    EXPECT_TRUE(filter->isVisibleTo(app->mainWindow()));

    filter->setText(QStringLiteral("ZZ02"));  // zz0200 .. zz0299, whatever the case
    const std::vector<std::string>& entries = doc().control(ctl::lstData, 0).entries;
    int shownRows = 0, firstShown = -1;
    for (int row = 0; row < list->count(); ++row) {
        if (list->isRowHidden(row)) continue;
        ++shownRows;
        if (firstShown < 0) firstShown = row;
        EXPECT_EQ(entries[static_cast<std::size_t>(row)].rfind("zz02", 0), 0u) << entries[static_cast<std::size_t>(row)];
    }
    const auto named = std::count_if(entries.begin(), entries.end(),
                                     [](const std::string& e) { return e.find("zz02") != std::string::npos; });
    EXPECT_EQ(shownRows, named);
    EXPECT_GE(shownRows, 90);
    const auto zz0200 = std::find(entries.begin(), entries.end(), "zz0200");
    ASSERT_NE(zz0200, entries.end());
    ASSERT_EQ(firstShown, static_cast<int>(zz0200 - entries.begin()));

    // The first row on screen is entry zz0200 of the whole list.
    list->scrollToTop();
    clickRow(list, firstShown);
    EXPECT_EQ(doc().value(ctl::lstData, 0), firstShown);
    EXPECT_EQ(doc().selectedEntry(ctl::lstData, 0), "zz0200");

    // Clearing the filter shows every entry again, the choice kept.
    filter->clear();
    EXPECT_EQ(paintedRows(list) > 0, true);
    for (int row = 0; row < list->count(); ++row) EXPECT_FALSE(list->isRowHidden(row)) << row;
    EXPECT_EQ(list->currentRow(), firstShown);
}

TEST_F(PartListTest, ShortListsHaveNoFilterBox) {
    MainWindow* main = start();
    main->pageTabs()->tab(1)->click();
    const int entries = widget<QListWidget>("lstData_0")->count();
    EXPECT_EQ(widget<QLineEdit>("lstData_0_Filter")->isVisibleTo(main), entries > kShortList);
    // The mask list is hidden with its link box clear, and its filter box with it.
    EXPECT_FALSE(widget<QLineEdit>("lstMask_0_Filter")->isVisibleTo(main));
}

TEST_F(PartListTest, ANewBasePictureBlanksTheBackdropOfTheLastBuild) {
    MainWindow* main = start();
    doc().assignSlot(pic::Picture3, -1, Bitmap(275, 116, RGB(9, 8, 7)));
    const fs::path picture = scratch / "new.bmp";
    ASSERT_TRUE(SavePicture(Bitmap(275, 116, RGB(0, 0, 200)), picture.string()));
    pictureToOpen = QString::fromStdString(picture.string());
    widget<QAbstractButton>("Command1")->click();  // "PictureOpen"
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(main->findChild<SlotView*>("Picture3")->image(), toQImage(Bitmap(275, 116, kWhite)));
}

TEST_F(PartListTest, MessageBoxesAndTheSizeDialogShowTheirWholeTitle) {
    start();
    HowForm form(app->bridge());
    form.adjustSize();
    EXPECT_GE(form.width(), widthForTitle(form.windowTitle()));

    // The real box: the trace's "Complete" comes with the information icon.
    interaction().showInformation = {};
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int width = 0, wanted = -1;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* shown = qobject_cast<QMessageBox*>(w); shown && shown->isVisible()) box = shown;
        if (!box) return;
        icon = box->icon();
        width = box->width();
        wanted = widthForTitle(box->windowTitle());
        box->accept();
    });
    ShowInformation(nullptr, QStringLiteral("Complete"));
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_GE(width, wanted);
}

}  // namespace
}  // namespace pelterra::app::testing
