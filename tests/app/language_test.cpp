// The language of the program: the stored choice against the system locale, and the windows'
// words (and Qt's own dialog words) in Japanese and in English.
#include <fstream>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>

#include "app_fixture.h"
#include "core_captions.h"
#include "core_words.h"
#include "language.h"
#include "parts/catalogue.h"
#include "playlist/playlist_commands.h"
#include "tab_strip.h"

namespace pelterra::app {
namespace {

using testing::AppTest;

TEST(LanguageChoice, StoredChoiceWinsOverTheLocaleAndSystemFollowsIt) {
    const QLocale japan(QLocale::Japanese, QLocale::Japan);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale germany(QLocale::German, QLocale::Germany);
    EXPECT_EQ(chooseLanguage(QStringLiteral("ja"), us), Language::Japanese);
    EXPECT_EQ(chooseLanguage(QStringLiteral("en"), japan), Language::English);
    EXPECT_EQ(chooseLanguage(QStringLiteral("system"), japan), Language::Japanese);
    EXPECT_EQ(chooseLanguage(QStringLiteral("system"), germany), Language::English);
    EXPECT_EQ(chooseLanguage(QString(), japan), Language::Japanese);
    EXPECT_EQ(chooseLanguage(QStringLiteral("fr"), us), Language::English);
}

class LanguageTest : public AppTest {
protected:
    void TearDown() override {
        AppTest::TearDown();
        removeTranslations();
    }

    QString pageTab(int page) { return app->mainWindow()->pageTabs()->tab(page)->text(); }

    // The message the program shows when "PictureOpen" is given a file that is no picture.
    QString damagedPictureMessage() {
        damaged = scratch / "broken.bmp";
        std::ofstream(damaged, std::ios::binary) << "BM this is no picture";
        pictureToOpen = QString::fromStdString(damaged.string());
        messages.clear();
        widget<QPushButton>(QStringLiteral("Command1"))->click();
        return messages.size() == 1 ? messages.front() : QString();
    }

    std::filesystem::path damaged;

    // The "Look in:" caption of Qt's own file dialog.
    static QString fileDialogLookIn() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
        return label ? label->text() : QString();
    }
};

TEST_F(LanguageTest, TheStoredChoiceIsKeptUnderSettingLanguage) {
    {
        auto settings = storedSettings();
        EXPECT_EQ(storedLanguage(*settings), QStringLiteral("system"));
        storeLanguage(*settings, QStringLiteral("en"));
    }
    auto settings = storedSettings();
    EXPECT_EQ(settings->value(QStringLiteral("setting/Language")).toString(), QStringLiteral("en"));
    EXPECT_EQ(storedLanguage(*settings), QStringLiteral("en"));
    settings->setValue(QStringLiteral("setting/Language"), QStringLiteral("klingon"));
    EXPECT_EQ(storedLanguage(*settings), QStringLiteral("system"));
}

TEST_F(LanguageTest, EnglishWordsOnEveryKindOfPageAndInQtsDialogs) {
    ASSERT_TRUE(installTranslations(Language::English, testing::kProgramFolder));
    MainWindow* main = start();
    EXPECT_EQ(pageTab(page::Settings), QStringLiteral("Settings"));
    EXPECT_EQ(pageTab(page::Settings + 4), QStringLiteral("Layer 1"));
    EXPECT_EQ(pageTab(0), QStringLiteral("Main"));  // the part names stay as they are
    EXPECT_EQ(widget<QPushButton>(QStringLiteral("cmdMake"))->text(), QStringLiteral("Build skin"));
    EXPECT_EQ(widget<QPushButton>(QStringLiteral("Command1"))->text(), QStringLiteral("PictureOpen"));
    EXPECT_EQ(widget<QPushButton>(QStringLiteral("cmdBrowseSaveDir"))->text(), QStringLiteral("Browse..."));
    EXPECT_EQ(main->playlistTabs()->tab(1)->text(), QStringLiteral("SorabePL style 1"));
    EXPECT_EQ(main->eqTabs()->tab(7)->text(), QStringLiteral("Import"));
    EXPECT_EQ(widget<QLabel>(QStringLiteral("lblLanguageNote"))->text(),
              QStringLiteral("Takes effect the next time the program starts."));
    EXPECT_EQ(fileDialogLookIn(), QStringLiteral("Look in:"));

    // The menus, and the words the core hands the window from its tables.
    EXPECT_EQ(widget<QMenu>(QStringLiteral("mnuFile"))->title(), QStringLiteral("&File"));
    EXPECT_EQ(widget<QAction>(QStringLiteral("mnuUndo"))->text(), QStringLiteral("&Undo"));
    EXPECT_EQ(widget<QPushButton>(QStringLiteral("cmdPLCopy_0"))->text(), QStringLiteral("Top left"));
    EXPECT_EQ(widget<QPushButton>(QStringLiteral("cmdPLCopy_27"))->text(), QStringLiteral("Active1"));
    EXPECT_EQ(wordText(catalogueProgress()[14]), QStringLiteral("Loading the EQ Frame parts"));
    EXPECT_EQ(coreProgressLine("7/116 終了"), QStringLiteral("7/116 rows done"));
    EXPECT_EQ(coreProgressLine("12切り取り中"), QStringLiteral("Cutting out row 12"));
    EXPECT_EQ(wordError(Error{"/tmp/x.wsz", CoreMessage::wording("cannot make the ZIP archive: %1"), {Words(std::string("disk full"))}}),
              QStringLiteral("/tmp/x.wsz: cannot make the ZIP archive: disk full"));
    EXPECT_EQ(coreCaption(kPlaylistPictureSizeMessage),
              QStringLiteral("The picture is not 275×116. It will be stretched to fit."));
    const std::string message = damagedPictureMessage().toStdString();
    EXPECT_EQ(message, damaged.string() + ": the picture data is cut short or damaged");
}

TEST_F(LanguageTest, JapaneseWordsAsWrittenAndQtsDialogsInJapanese) {
    ASSERT_TRUE(installTranslations(Language::Japanese, testing::kProgramFolder));
    MainWindow* main = start();
    EXPECT_EQ(pageTab(page::Settings), QStringLiteral("環境設定"));
    EXPECT_EQ(pageTab(page::Settings + 4), QStringLiteral("レイヤー1"));
    EXPECT_EQ(widget<QPushButton>(QStringLiteral("cmdMake"))->text(), QStringLiteral("スキン作成"));
    EXPECT_EQ(main->playlistTabs()->tab(1)->text(), QStringLiteral("SorabePL互換１"));
    EXPECT_EQ(fileDialogLookIn(), QStringLiteral("アドレス:"));
    EXPECT_EQ(widget<QMenu>(QStringLiteral("mnuFile"))->title(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(widget<QPushButton>(QStringLiteral("cmdPLCopy_0"))->text(), QStringLiteral("左上"));
    EXPECT_EQ(wordText(catalogueProgress()[14]), QStringLiteral("現在EQ Frameパーツを読み込み中"));
    EXPECT_EQ(wordError(Error{"/tmp/x.wsz", CoreMessage::wording("cannot make the ZIP archive: %1"), {Words(std::string("disk full"))}}),
              QStringLiteral("/tmp/x.wsz: Zip圧縮失敗: disk full"));
    const std::string message = damagedPictureMessage().toStdString();
    EXPECT_EQ(message, damaged.string() + ": 画像のデータが途中で切れているか、壊れています");
}

TEST_F(LanguageTest, TheLanguageBoxStoresTheChoiceAtOnce) {
    start();
    auto* choice = widget<QComboBox>(QStringLiteral("cboLanguage"));
    ASSERT_EQ(choice->count(), 3);
    EXPECT_EQ(choice->currentData().toString(), QStringLiteral("system"));
    EXPECT_EQ(choice->itemText(1), QStringLiteral("日本語"));
    EXPECT_EQ(choice->itemText(2), QStringLiteral("English"));
    choice->setCurrentIndex(2);
    EXPECT_EQ(storedSettings()->value(QStringLiteral("setting/Language")).toString(), QStringLiteral("en"));
    // The next start shows the stored choice.
    start();
    EXPECT_EQ(widget<QComboBox>(QStringLiteral("cboLanguage"))->currentData().toString(), QStringLiteral("en"));
}

}  // namespace
}  // namespace pelterra::app
