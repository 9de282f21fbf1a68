// What protects the user's work in the window: undo and redo of edits made through the widgets,
// the question before a skin is replaced, the question about unsaved work on every way out (and
// the settings stored after it), drops on the window and on a slot, and the recent files.
#include <fstream>

#include <QAction>
#include <QCheckBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QUrl>

#include "app_fixture.h"
#include "image/picture_file.h"
#include "preview_window.h"
#include "sheets/build_driver.h"
#include "slot_view.h"
#include "support/temp_dir.h"

namespace pelterra::app::testing {
namespace {

const std::filesystem::path kStackedSample = kProgramFolder / "Samples" / "base_main_eq_playlist.bmp";

// Every sheet the build writes, by slot key.
std::vector<Bitmap> builtSheets(Document& doc) {
    EXPECT_TRUE(BuildSkinImages(doc, kProgramFolder).ok());
    std::vector<Bitmap> sheets;
    for (const char* key : {"Main", "cbuttons", "shufrep", "titlebar", "posbar", "volume", "EQ", "picPL", "number"})
        if (const auto ref = doc.slotByWritten(key)) sheets.push_back(doc.slot(ref->name, ref->index));
    return sheets;
}

void drop(QWidget* target, const QString& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted()) << target->objectName().toStdString();
    QDropEvent dropped(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
}

class ProtectWork : public AppTest {
protected:
    void openSample() {
        pictureToOpen = QString::fromStdString(kStackedSample.string());
        app->mainWindow()->openBasePicture();
        QApplication::processEvents();
    }
    QAction* action(const char* name) { return widget<QAction>(QString::fromLatin1(name)); }
    QPushButton* saveButton() {
        return app->mainWindow()->previewWindow()->findChild<QPushButton*>(QStringLiteral("Command1"));
    }
    std::vector<UnsavedAnswer> unsavedAnswers;
    int unsavedAsked = 0;
    void answerUnsaved(UnsavedAnswer answer) {
        interaction().askUnsaved = [this, answer](QWidget*, const QString&) {
            ++unsavedAsked;
            return answer;
        };
    }
};

TEST_F(ProtectWork, EditsThroughTheWindowAreUndoneAndRedoneExactly) {
    start();
    openSample();
    const std::vector<Bitmap> before = builtSheets(doc());

    // A part choice, a drag of a colour bar, a box and a mix mode: four steps.
    widget<QListWidget>("lstData_1")->setCurrentRow(2);
    QApplication::processEvents();
    auto* bar = widget<QScrollBar>("hscR_1");
    bar->setSliderDown(true);
    for (int v : {10, 30, 60}) {
        bar->setValue(v);
        QApplication::processEvents();
    }
    bar->setSliderDown(false);
    widget<QCheckBox>("ShufrepCheck")->click();
    QApplication::processEvents();
    widget<QRadioButton>("optPelterra_1")->click();
    QApplication::processEvents();
    const std::vector<Bitmap> after = builtSheets(doc());
    ASSERT_NE(after, before);

    widget<QMenu>("mnuEdit")->aboutToShow();
    EXPECT_EQ(action("mnuUndo")->text(), QStringLiteral("元に戻す(&U): 合成方法"));
    action("mnuUndo")->trigger();
    action("mnuUndo")->trigger();
    EXPECT_EQ(action("mnuUndo")->text(), QStringLiteral("元に戻す(&U): 色 R"));
    action("mnuUndo")->trigger();  // the whole drag at once
    EXPECT_EQ(doc().value(ctl::hscR, 1), 0);
    action("mnuUndo")->trigger();
    EXPECT_EQ(builtSheets(doc()), before);
    EXPECT_EQ(widget<QListWidget>("lstData_1")->currentRow(), 0);

    for (int i = 0; i < 4; ++i) action("mnuRedo")->trigger();
    EXPECT_EQ(doc().value(ctl::hscR, 1), 60);
    EXPECT_EQ(builtSheets(doc()), after);
    EXPECT_FALSE(action("mnuRedo")->isEnabled());
}

TEST_F(ProtectWork, ASkinIsReplacedOnlyWhenTheUserAgrees) {
    start();
    openSample();
    doc().select(ctl::SaveOp2);
    doc().select(ctl::optSaveOp2);
    doc().setText(ctl::SaveDirText, scratch.path().string());
    doc().setText(ctl::txtSaveFolda, "mine");
    doc().setValue(ctl::ZipCheck, 1);
    ASSERT_TRUE(doc().isChecked(ctl::ArchiveWsz));  // .wsz for a new user
    const std::filesystem::path archive = scratch / "mine.wsz";
    std::ofstream(archive, std::ios::binary) << "an older skin";

    int asked = 0;
    interaction().askYesNo = [&](QWidget*, const QString& text) {
        ++asked;
        EXPECT_TRUE(text.contains(QStringLiteral("mine.wsz"))) << text.toStdString();
        return false;
    };
    ASSERT_TRUE(BuildSkinImages(doc(), kProgramFolder).ok());
    saveButton()->click();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(test_support::readFileBytes(archive), "an older skin");

    interaction().askYesNo = [&](QWidget*, const QString&) { return ++asked, true; };
    saveButton()->click();
    EXPECT_EQ(asked, 2);
    EXPECT_NE(test_support::readFileBytes(archive), "an older skin");

    // Without the question the save goes ahead at once.
    doc().setValue(ctl::AskBeforeReplacing, 0);
    saveButton()->click();
    EXPECT_EQ(asked, 2);
}

TEST_F(ProtectWork, EveryWayOutAsksAboutUnsavedWorkAndStoresTheSettings) {
    for (const bool byMenu : {false, true}) {
        SCOPED_TRACE(byMenu ? "Ctrl+Q" : "close button");
        MainWindow* main = start();
        unsavedAsked = 0;
        EXPECT_FALSE(main->isWindowModified());
        widget<QCheckBox>("chkASP")->click();
        QApplication::processEvents();

        answerUnsaved(UnsavedAnswer::Cancel);
        if (byMenu) action("MenuExit")->trigger(); else main->close();
        EXPECT_EQ(unsavedAsked, 1);
        EXPECT_TRUE(main->isVisible());
        EXPECT_FALSE(storedSettings()->contains("setting/ASP"));

        answerUnsaved(UnsavedAnswer::Discard);
        if (byMenu) action("MenuExit")->trigger(); else main->close();
        EXPECT_EQ(unsavedAsked, 2);
        EXPECT_EQ(storedSettings()->value("setting/ASP").toString().toLower(), QStringLiteral("true"));
        storedSettings()->clear();
    }
}

TEST_F(ProtectWork, NoQuestionWhenNothingChangedOrAfterUndoingEverything) {
    MainWindow* main = start();
    answerUnsaved(UnsavedAnswer::Cancel);
    widget<QCheckBox>("chkASP")->click();
    QApplication::processEvents();
    action("mnuUndo")->trigger();
    main->close();
    EXPECT_EQ(unsavedAsked, 0);
}

TEST_F(ProtectWork, DropsOpenThePictureOrLoadTheSlot) {
    MainWindow* main = start();
    drop(main, QString::fromStdString(kStackedSample.string()));
    EXPECT_EQ(doc().BackgroundImagePath, kStackedSample.string());
    EXPECT_EQ(main->recentPictures(), QStringList{QString::fromStdString(kStackedSample.string())});

    const std::filesystem::path picture = scratch / "part.bmp";
    ASSERT_TRUE(SavePicture(Bitmap(10, 10, RGB(1, 2, 3)), picture.string()).ok());
    SlotView* slot = nullptr;
    for (SlotView* view : main->slotViews())
        if (view->slotRef() == SlotRef{pic::picData, 2}) slot = view;
    ASSERT_NE(slot, nullptr);
    drop(slot, QString::fromStdString(picture.string()));
    EXPECT_EQ(doc().slot(pic::picData, 2).at(57, 23), RGB(1, 2, 3));  // stretched to the slot
}

TEST_F(ProtectWork, RecentFilesSurviveARestart) {
    MainWindow* main = start();
    for (int i = 0; i < 12; ++i) {
        const std::filesystem::path picture = scratch / ("p" + std::to_string(i) + ".bmp");
        ASSERT_TRUE(SavePicture(Bitmap(275, 116, RGB(i, i, i)), picture.string()).ok());
        main->openBasePictureFile(QString::fromStdString(picture.string()));
    }
    answerUnsaved(UnsavedAnswer::Discard);
    main->close();

    main = start();
    const QStringList recent = main->recentPictures();
    ASSERT_EQ(recent.size(), 10);
    EXPECT_EQ(recent.first(), QString::fromStdString((scratch / "p11.bmp").string()));
    EXPECT_EQ(recent.last(), QString::fromStdString((scratch / "p2.bmp").string()));
    auto* menu = widget<QMenu>("mnuRecentPictures");
    ASSERT_EQ(menu->actions().size(), 10);
    menu->actions().at(3)->trigger();
    EXPECT_EQ(doc().slot(pic::Picture1).at(0, 0), RGB(8, 8, 8));
}

}  // namespace
}  // namespace pelterra::app::testing
