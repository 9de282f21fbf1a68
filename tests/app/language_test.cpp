// The language of the program: the stored choice against the system locale, and the windows'
// words (and Qt's own dialog words) in Japanese and in English.
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
#include "language.h"
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
        installTranslations(Language::Japanese, testing::kProgramFolder);
    }

    QString pageTab(int page) { return app->mainWindow()->pageTabs()->tab(page)->text(); }

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
    EXPECT_EQ(coreProgressLine("現在EQ Frameパーツを読み込み中"), QStringLiteral("Loading the EQ Frame parts"));
    EXPECT_EQ(coreCaption(kPlaylistPictureSizeMessage),
              QStringLiteral("The picture is not 275×116. It will be stretched to fit."));
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
    EXPECT_EQ(coreProgressLine("現在EQ Frameパーツを読み込み中"), QStringLiteral("現在EQ Frameパーツを読み込み中"));
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
