// Files the program could not read where no dialog was open to say so (a start-up part read when
// its slot is first shown, the start-up's own failures, a project's pictures): the status bar
// names the latest, the button beside it counts them and lists them.
#include <fstream>

#include <QCoreApplication>
#include <QStatusBar>
#include <QToolButton>

#include "app_fixture.h"

namespace pelterra::app::testing {
namespace {

class ProblemsTest : public AppTest {
protected:
    // A copy of the library whose first cbuttons part is junk and whose first shufrep part is empty.
    std::filesystem::path damagedLibrary() {
        const std::filesystem::path folder = scratch / "program";
        std::filesystem::create_directories(folder);
        std::filesystem::copy(kProgramFolder / "PartsData", folder / "PartsData", std::filesystem::copy_options::recursive);
        junk = folder / "PartsData" / "cbuttons" / "Classic.data.bmp";
        std::ofstream(junk, std::ios::binary) << "this is no picture";
        return folder;
    }
    QToolButton* problemButton() { return app->mainWindow()->problemButton(); }
    QString statusLine() { return app->mainWindow()->statusBar()->currentMessage(); }

    std::filesystem::path junk;
};

TEST_F(ProblemsTest, NothingIsShownWhenEveryFileWasRead) {
    start();
    (void)doc().slot(pic::picData, 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(problemButton()->isHidden());
    EXPECT_TRUE(statusLine().isEmpty());
}

TEST_F(ProblemsTest, AStartUpPartThatCannotBeReadIsNamedOnTheStatusBar) {
    start(damagedLibrary());
    (void)doc().slot(pic::picData, 0);  // read when first used; the window may have shown it already
    QCoreApplication::processEvents();

    const QString expected = QString::fromStdString(junk.string()) +
                             QStringLiteral(": not a picture this program can read (BMP, JPEG, GIF or PNG)");
    EXPECT_EQ(statusLine(), QStringLiteral("読みこめませんでした: ") + expected);
    EXPECT_FALSE(problemButton()->isHidden());
    EXPECT_EQ(problemButton()->text(), QStringLiteral("読みこみの問題 1 件"));
    EXPECT_EQ(problemButton()->toolTip(), expected);
    problemButton()->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], expected);
}

TEST_F(ProblemsTest, StartUpFailuresComeFirstInTheList) {
    const std::filesystem::path program = damagedLibrary();
    std::filesystem::remove(program / "PartsData" / "cg.bmp");
    start(program);
    (void)doc().slot(pic::picData, 0);
    QCoreApplication::processEvents();

    EXPECT_EQ(problemButton()->text(), QStringLiteral("読みこみの問題 2 件"));
    const QStringList lines = problemButton()->toolTip().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2) << problemButton()->toolTip().toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("cg.bmp"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("Classic.data.bmp"))) << lines[1].toStdString();
}

}  // namespace
}  // namespace pelterra::app::testing
