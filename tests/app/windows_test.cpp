// The windows around the pages: the splash during start-up, the main window's caption, tabs and
// menus, frmHowToMix, frmAbout, and a start without any PartsData.
#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "about_window.h"
#include "app_fixture.h"
#include "mix_mode_window.h"
#include "parts/catalogue.h"
#include "splash_window.h"
#include "tab_strip.h"

namespace pelterra::app::testing {
namespace {

using WindowsTest = AppTest;

TEST_F(WindowsTest, TheSplashShowsTheCatalogueProgressAndClosesWhenTheWindowIsUp) {
    app = std::make_unique<Application>(kProgramFolder, openUserSettings());
    app->start(true);
    SplashWindow* splash = app->splash();
    EXPECT_EQ(splash->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 0.23.8"));
    EXPECT_EQ(splash->findChild<QLabel*>("lblProductName")->text(), QStringLiteral("Pelterra"));
    EXPECT_EQ(splash->progress().toStdString(), catalogueProgressLines().back());
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(app->mainWindow()->isVisible());
}

TEST_F(WindowsTest, AKeyOnTheSplashClosesIt) {
    SplashWindow splash;
    EXPECT_EQ(splash.progress(), QStringLiteral("フォームの初期化中"));
    splash.show();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(&splash, &key);
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(WindowsTest, TheMainWindowHasItsCaptionTabsAndMenus) {
    MainWindow* main = start();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Pelterra Ver0.23.8 (LastUpDate Oct.22.1999)"));
    EXPECT_EQ(main->topTabs()->count(), 4);
    EXPECT_EQ(main->pageTabs()->count(), 17);
    EXPECT_EQ(main->eqTabs()->count(), 10);
    EXPECT_EQ(main->pageTabs()->tab(10)->text(), QStringLiteral("環境設定"));
    EXPECT_EQ(main->pageTabs()->tab(16)->text(), QStringLiteral("プロジェクト保存"));
    EXPECT_EQ(main->eqTabs()->tab(7)->text(), QStringLiteral("取りこみ"));
    EXPECT_NE(main->findChild<QAction*>("mnuMask"), nullptr);
    EXPECT_NE(main->findChild<QAction*>("response"), nullptr);
    EXPECT_EQ(main->findChild<QAction*>("mnuMask")->text(), QStringLiteral("合成方法(&M)"));
    // A 1366x768 screen holds the whole window.
    EXPECT_LE(main->minimumSizeHint().width(), 1366);
    EXPECT_LE(main->minimumSizeHint().height(), 768);

    // Changing the page is the window's own state: the page's frame is shown, the one before
    // hidden, and the document does not hear of it.
    int changes = 0;
    const int listener = doc().addListener([&](const ChangeEvent&) { ++changes; });
    main->pageTabs()->tab(5)->click();
    EXPECT_EQ(main->pageTabs()->currentIndex(), 5);
    main->eqTabs()->tab(3)->click();
    EXPECT_EQ(main->eqTabs()->currentIndex(), 3);
    EXPECT_EQ(changes, 0);
    doc().removeListener(listener);
}

TEST_F(WindowsTest, TheMixModeWindowSetsEveryPairAndKeepsItsChoicesWhenClosed) {
    MainWindow* main = start();
    main->showMixModeWindow();
    MixModeWindow* mix = main->mixModeWindow();
    ASSERT_TRUE(mix->isVisible());
    mix->findChild<QPushButton*>("cmdAllPelterra")->click();
    for (int k = 0; k < 8; ++k) {
        EXPECT_TRUE(mix->findChild<QRadioButton*>(QStringLiteral("optPelterra_%1").arg(k))->isChecked()) << k;
        EXPECT_TRUE(mix->findChild<QRadioButton*>(QStringLiteral("optEQPelterra_%1").arg(k))->isChecked()) << k;
        EXPECT_FALSE(mix->findChild<QRadioButton*>(QStringLiteral("optSeken_%1").arg(k))->isChecked()) << k;
    }
    EXPECT_FALSE(mix->findChild<QRadioButton*>("optEQPelterra_7")->isEnabled());

    mix->findChild<QRadioButton*>("optSeken_1")->click();
    EXPECT_TRUE(doc().isSelected(ctl::optSeken, 1));
    EXPECT_FALSE(doc().isSelected(ctl::optPelterra, 1));
    mix->close();
    EXPECT_FALSE(mix->isVisible());
    main->showMixModeWindow();
    EXPECT_TRUE(mix->findChild<QRadioButton*>("optSeken_1")->isChecked());
    EXPECT_TRUE(mix->findChild<QRadioButton*>("optPelterra_0")->isChecked());
}

TEST_F(WindowsTest, AboutShowsTheVersionAndSaysThereIsNoSystemInformation) {
    AboutWindow about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Pelterraのﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Pelterra"));
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 0.23.8"));
    about.findChild<QPushButton*>("cmdSysInfo")->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
}

TEST_F(WindowsTest, WithoutPartsDataTheListsAreEmptyAndTheWindowWorks) {
    MainWindow* main = start(scratch.path());
    EXPECT_TRUE(main->isVisible());
    for (int k = 0; k < 11; ++k) EXPECT_EQ(widget<QListWidget>(QStringLiteral("lstData_%1").arg(k))->count(), 0) << k;
    EXPECT_FALSE(app->startupStatus().ok());
    main->pageTabs()->tab(1)->click();
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace pelterra::app::testing
