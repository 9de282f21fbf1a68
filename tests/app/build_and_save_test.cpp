// The road of one skin through the windows: "PictureOpen" with the stacked sample, the build
// button, the preview window with its panes in order, and "Save" (or "Cancel").
#include <functional>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

#include "app_fixture.h"
#include "cli/cli_run.h"
#include "how_form.h"
#include "image/picture_file.h"
#include "output/save_skin.h"
#include "preview_window.h"
#include "slot_view.h"
#include "tab_strip.h"

namespace pelterra::app::testing {
namespace {

const std::filesystem::path kStackedSample = kProgramFolder / "Samples" / "base_main_eq_playlist.bmp";
const std::filesystem::path kSingleSample = kProgramFolder / "Samples" / "base_main.bmp";

class BuildTest : public AppTest {
protected:
    QPushButton* mainPageButton(const char* name) {
        return app->mainWindow()->pageTabs()->frame(page::Main)->findChild<QPushButton*>(name);
    }

    // Runs `whileModal` on the modal window the next action opens, then `action`. Whatever the
    // checks find, a modal window left open is closed so that the test cannot hang.
    void whenModal(const std::function<void(QWidget*)>& whileModal, const std::function<void()>& action) {
        modalSeen = nullptr;
        QTimer::singleShot(0, [this, whileModal] {
            QWidget* modal = QApplication::activeModalWidget();
            modalSeen = modal;
            if (modal) whileModal(modal);
            if (QWidget* still = QApplication::activeModalWidget(); still && still->isVisible()) still->close();
        });
        action();
        QApplication::processEvents();
    }

    void openStackedSample() { openPicture(kStackedSample); }
    void openPicture(const std::filesystem::path& picture) {
        pictureToOpen = QString::fromStdString(picture.string());
        mainPageButton("Command1")->click();
    }

    // The build button, then "Save" in the preview.
    void buildAndSave() {
        whenModal([](QWidget* modal) { modal->findChild<QPushButton*>("Command1")->click(); },
                  [&] { widget<QPushButton>("cmdMake")->click(); });
    }

    void saveInto(const std::string& name) {
        widget<QRadioButton>("SaveOp2")->click();
        widget<QRadioButton>("optSaveOp2")->click();
        doc().setText(ctl::SaveDirText, scratch.path().string());
        doc().setText(ctl::txtSaveFolda, name);
    }

    QWidget* modalSeen = nullptr;
};

TEST_F(BuildTest, TheStackedSampleSplitsIntoTheFaces) {
    MainWindow* main = start();
    openStackedSample();
    EXPECT_TRUE(messages.empty());
    Result<Bitmap> sample = LoadPicture(kStackedSample.string());
    ASSERT_TRUE(sample.ok());
    ASSERT_EQ(sample->height(), 348);
    EXPECT_EQ(doc().slot(pic::Picture1).at(7, 50), sample->at(7, 50));
    EXPECT_EQ(doc().slot(pic::Picture2).at(7, 50), sample->at(7, 116 + 50));
    EXPECT_EQ(doc().slot(pic::picPrePLmain, 0).at(7, 50), sample->at(7, 232 + 50));

    QWidget* page = main->pageTabs()->frame(page::Main);
    EXPECT_TRUE(main->findChild<SlotView*>("Picture2")->isVisibleTo(page));
    EXPECT_FALSE(widget<QCheckBox>("chkSkinMode")->isVisibleTo(page));
    EXPECT_TRUE(widget<QCheckBox>("EqUporDown")->isVisibleTo(page));
    EXPECT_TRUE(widget<QCheckBox>("EqUporDown")->isEnabled());
    EXPECT_TRUE(main->findChild<QLabel*>("lblFirstStep")->text().contains(QStringLiteral("base_main_eq_playlist.bmp")));
}

TEST_F(BuildTest, BuildingShowsThePreviewInOrderAndSaveWritesTheSkin) {
    MainWindow* main = start();
    openStackedSample();
    // "EQが下" starts checked: the sample's equalizer band lies below the main band.
    ASSERT_TRUE(widget<QCheckBox>("EqUporDown")->isChecked());
    saveInto("Sky");

    QString destination;
    std::string pane1, pane2;
    bool panesVisible = false, playlistVisible = false;
    whenModal(
        [&](QWidget* modal) {
            auto* preview = qobject_cast<PreviewWindow*>(modal);
            ASSERT_NE(preview, nullptr);
            pane1 = std::string(preview->pane1()->slotName().written());
            pane2 = std::string(preview->pane2()->slotName().written());
            panesVisible = preview->pane1()->isVisible() && preview->pane2()->isVisible();
            playlistVisible = preview->findChild<SlotView*>("picPL")->isVisible();
            destination = preview->findChild<QLabel*>("Label2")->text();
            preview->findChild<QPushButton*>("Command1")->click();  // "Save"
        },
        [&] { widget<QPushButton>("cmdMake")->click(); });

    ASSERT_NE(modalSeen, nullptr);
    EXPECT_EQ(pane1, "PreView");
    EXPECT_EQ(pane2, "EQPreView");
    EXPECT_TRUE(panesVisible);
    EXPECT_TRUE(playlistVisible);
    EXPECT_EQ(destination.toStdString(), (scratch / "Sky").string() + "/");
    EXPECT_TRUE(messages.empty());

    const auto skin = scratch / "Sky";
    const std::vector<std::string> files = SkinFileList(doc());
    EXPECT_GE(files.size(), 13u);
    for (const std::string& f : files) EXPECT_TRUE(std::filesystem::is_regular_file(skin / f)) << f;
    Result<Bitmap> mainBmp = LoadPicture((skin / "main.bmp").string());
    ASSERT_TRUE(mainBmp.ok());
    EXPECT_EQ(*mainBmp, doc().slot(pic::Main));
    EXPECT_TRUE(main->statusBar()->currentMessage().contains(QString::fromStdString(skin.string())));
}

// The window and pelterra-cli make one skin from one picture: the same files, byte for byte,
// eqmain.bmp among them, also after a stacked picture had cleared "EQも出力" in the window.
// Without pledit.bmp the window asks before saving and the command line warns.
TEST_F(BuildTest, ASinglePictureSavesTheSameSkinAsTheCommandLineAndAnIncompleteOneIsQuestioned) {
    start();
    openStackedSample();  // clears and hides "EQも出力"
    openPicture(kSingleSample);
    ASSERT_EQ(doc().slot(pic::Picture1).width(), 275);
    saveInto("Window");
    std::vector<QString> questions;
    interaction().askYesNo = [&](QWidget*, const QString& text) {
        questions.push_back(text);
        return false;
    };
    buildAndSave();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(questions.empty());

    const auto fromLine = scratch / "Line";
    const cli_test::CliRun line =
        cli_test::runCli("build " + cli_test::quoted(kSingleSample) + " -o " + cli_test::quoted(fromLine), scratch.path());
    ASSERT_EQ(line.exitCode, 0) << line.err;
    EXPECT_EQ(line.err.find("warning"), std::string::npos) << line.err;
    const std::vector<std::string> files = test_support::namesIn(scratch / "Window");
    EXPECT_EQ(files, test_support::namesIn(fromLine));
    EXPECT_NE(std::find(files.begin(), files.end(), "eqmain.bmp"), files.end());
    for (const std::string& f : files)
        EXPECT_EQ(test_support::readFileBytes(scratch / "Window" / f), test_support::readFileBytes(fromLine / f)) << f;

    // "PLを出力する" cleared: the question names pledit.bmp, and "No" writes nothing.
    widget<QCheckBox>("chkPLMake")->click();
    saveInto("Incomplete");
    buildAndSave();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("pledit.bmp")));
    EXPECT_FALSE(questions[0].contains(QStringLiteral("eqmain.bmp")));
    EXPECT_FALSE(std::filesystem::exists(scratch / "Incomplete"));
    const cli_test::CliRun incomplete = cli_test::runCli(
        "build " + cli_test::quoted(kSingleSample) + " --set chkPLMake=0 -o " + cli_test::quoted(scratch / "LineIncomplete"),
        scratch.path());
    ASSERT_EQ(incomplete.exitCode, 0) << incomplete.err;
    EXPECT_NE(incomplete.err.find("pelterra-cli build: warning: the skin lacks pledit.bmp, which players need"),
              std::string::npos)
        << incomplete.err;
}

TEST_F(BuildTest, CancelWritesNothingAndTheEqualizerComesFirstWhenItIsAbove) {
    start();
    openStackedSample();
    widget<QCheckBox>("EqUporDown")->click();  // the equalizer band now counts as the upper one
    saveInto("Never");

    std::string pane1, pane2;
    whenModal(
        [&](QWidget* modal) {
            auto* preview = qobject_cast<PreviewWindow*>(modal);
            ASSERT_NE(preview, nullptr);
            pane1 = std::string(preview->pane1()->slotName().written());
            pane2 = std::string(preview->pane2()->slotName().written());
            preview->findChild<QPushButton*>("Command2")->click();  // "Cancel"
        },
        [&] { widget<QPushButton>("cmdMake")->click(); });

    EXPECT_EQ(pane1, "EQPreView");
    EXPECT_EQ(pane2, "PreView");
    EXPECT_FALSE(std::filesystem::exists(scratch / "Never"));
}

TEST_F(BuildTest, BuildingBeforeAnyPictureDoesNothing) {
    start();
    const Bitmap sheet = doc().slot(pic::Main);
    whenModal([](QWidget*) {}, [&] { widget<QPushButton>("cmdMake")->click(); });
    EXPECT_EQ(modalSeen, nullptr);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(doc().slot(pic::Main), sheet);
}

TEST_F(BuildTest, AnOddSizedPictureAsksHowFormAndFollowsTheAnswer) {
    MainWindow* main = start();
    const auto odd = scratch / "odd.bmp";
    Bitmap picture(300, 400, RGB(0, 0, 200));
    for (int y = 200; y < 400; ++y)
        for (int x = 0; x < 300; ++x) picture.at(x, y) = RGB(200, 0, 0);
    ASSERT_TRUE(SavePicture(picture, odd.string()).ok());
    pictureToOpen = QString::fromStdString(odd.string());

    // "キャンセル": the faces stay as they were.
    const Bitmap before = doc().slot(pic::Picture1);
    whenModal([](QWidget* modal) { modal->findChild<QPushButton*>("Command3")->click(); },
              [&] { mainPageButton("Command1")->click(); });
    EXPECT_EQ(modalSeen, main->howForm());
    EXPECT_EQ(doc().slot(pic::Picture1), before);
    EXPECT_EQ(doc().text(ctl::Syori), "2");

    // "EQ部分も使って275*232に変換": the halves become the two faces.
    whenModal([](QWidget* modal) { modal->findChild<QPushButton*>("Command2")->click(); },
              [&] { mainPageButton("Command1")->click(); });
    EXPECT_EQ(doc().text(ctl::Syori), "1");
    EXPECT_EQ(doc().combinedPictureFlag, 1);
    EXPECT_EQ(doc().slot(pic::Picture1).at(100, 50), RGB(0, 0, 200));
    EXPECT_EQ(doc().slot(pic::Picture2).at(100, 50), RGB(200, 0, 0));
    EXPECT_TRUE(main->findChild<SlotView*>("Picture2")->isVisibleTo(main->pageTabs()->frame(page::Main)));
}

}  // namespace
}  // namespace pelterra::app::testing
