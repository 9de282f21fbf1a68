// The desktop program's last resort: a fault escaping an event handler reaches the handler, and
// the user may save the project, where the project page saves it, before the program quits.
#include <cstdio>
#include <stdexcept>

#include <QAbstractButton>
#include <QEvent>
#include <QLineEdit>

#include "app_fixture.h"
#include "last_resort.h"
#include "tab_strip.h"

namespace pelterra::app::testing {
namespace {

namespace fs = std::filesystem;

// An object whose handler of user events fails the way a fault of the program would.
class FaultyReceiver : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::out_of_range("the table has no row 7");
        return QObject::event(event);
    }
};

TEST(GuardedApplication, AnExceptionFromAnEventHandlerIsHandedToTheLastResort) {
    auto* guarded = dynamic_cast<GuardedApplication*>(QCoreApplication::instance());
    ASSERT_NE(guarded, nullptr) << "the tests run under the program's own application class";
    std::vector<QString> faults;
    guarded->onFault = [&faults](const QString& fault) { faults.push_back(fault); };
    FaultyReceiver receiver;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &event));
    guarded->onFault = {};
    EXPECT_EQ(faults, std::vector<QString>{QStringLiteral("the table has no row 7")});
}

[[noreturn]] void throwBoom() { throw std::logic_error("boom"); }
// An exception that reaches a noexcept function ends in std::terminate.
void failInsideNoexcept() noexcept { throwBoom(); }

TEST(GuardedApplicationDeathTest, ATerminateOffersTheRescueWithTheExceptionAndEnds) {
    EXPECT_DEATH(
        {
            InstallTerminateHandler(
                [](const QString& fault) { std::fprintf(stderr, "rescue offered for: %s\n", qPrintable(fault)); });
            failInsideNoexcept();
        },
        "pelterra: internal error: boom\nrescue offered for: boom");
}

class LastResortTest : public AppTest {
protected:
    // The program started, its project page showing `folder`, the answer to the question set.
    MainWindow* startWithProjectFolder(const fs::path& folder, bool answer) {
        MainWindow* main = start();
        main->pageTabs()->tab(16)->click();  // "プロジェクト保存"
        widget<QLineEdit>(QStringLiteral("Dir2Path"))->setText(QString::fromStdString(folder.string()));
        interaction().askYesNo = [this, answer](QWidget*, const QString& question) {
            questions.push_back(question);
            return answer;
        };
        return main;
    }

    std::vector<QString> questions;
};

TEST_F(LastResortTest, SavesTheProjectWhereTheProjectPageWouldWhenTheUserSaysYes) {
    MainWindow* main = startWithProjectFolder(scratch.path(), true);
    doc().setText(ctl::txtProject, "Blue");
    doc().setValue(ctl::hscR, 2, 40);
    OfferRescue(main, QStringLiteral("the table has no row 7"));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("the table has no row 7")));
    EXPECT_TRUE(fs::is_regular_file(scratch / "Blue" / "project.ini"));
    EXPECT_EQ(messages, std::vector<QString>{
                            QStringLiteral("保存しました: %1").arg(QString::fromStdString((scratch / "Blue").string()))});
}

TEST_F(LastResortTest, AProjectWithoutANameIsSavedUnderTheRescueName) {
    MainWindow* main = startWithProjectFolder(scratch.path(), true);
    doc().setText(ctl::txtProject, "");
    OfferRescue(main, QStringLiteral("boom"));
    EXPECT_TRUE(fs::is_regular_file(scratch / kRescueProjectName / "project.ini"));
}

TEST_F(LastResortTest, NothingIsSavedWhenTheUserSaysNo) {
    MainWindow* main = startWithProjectFolder(scratch.path(), false);
    OfferRescue(main, QStringLiteral("boom"));
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_TRUE(fs::is_empty(scratch.path()));
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace pelterra::app::testing
