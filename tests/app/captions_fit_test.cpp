// Every caption of every page shows whole in a window of the size it takes on a 1366×768 screen,
// in Japanese and in English: no button, box or label is narrower than its words, and none lies
// beyond the window's edge.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTextDocument>

#include "app_fixture.h"
#include "language.h"
#include "tab_strip.h"

namespace pelterra::app {
namespace {

using testing::AppTest;

// The window's size on a 1366×768 screen with its task bar.
constexpr QSize kLaptopWindow(1280, 700);

QString describe(const QWidget* w, const QString& text) {
    return QStringLiteral("%1 \"%2\" (%3 px wide)").arg(w->objectName(), text).arg(w->width());
}

// The visible captions in `window` that are cut off, one line each.
QStringList cutOffCaptions(QWidget* window) {
    QStringList cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window) continue;
        const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
            if (button->width() < button->sizeHint().width()) cut << describe(w, button->text());
            else if (inWindow.right() >= window->width()) cut << describe(w, button->text()) + QStringLiteral(" beyond the edge");
        } else if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty() && !label->wordWrap() &&
                                                          !Qt::mightBeRichText(label->text())) {
            const int needed = label->fontMetrics().horizontalAdvance(label->text().section(QLatin1Char('\n'), 0, 0));
            if (label->contentsRect().width() < needed) cut << describe(w, label->text());
            else if (inWindow.right() >= window->width()) cut << describe(w, label->text()) + QStringLiteral(" beyond the edge");
        }
    }
    return cut;
}

class CaptionsFit : public AppTest, public ::testing::WithParamInterface<Language> {
protected:
    void TearDown() override {
        AppTest::TearDown();
        removeTranslations();
    }
};

TEST_P(CaptionsFit, OnEveryPageInALaptopSizedWindow) {
    ASSERT_TRUE(installTranslations(GetParam(), testing::kProgramFolder));
    MainWindow* main = start();
    main->resize(kLaptopWindow);
    main->show();
    TabStrip* const pagesOfTopTab[] = {main->pageTabs(), main->eqTabs(), main->regionTabs(), main->playlistTabs()};
    QStringList cut;
    for (int top = 0; top < main->topTabs()->count(); ++top) {
        main->topTabs()->tab(top)->click();
        TabStrip* pages = pagesOfTopTab[top];
        for (int p = 0; p < pages->count(); ++p) {
            pages->tab(p)->click();
            QApplication::processEvents();
            for (const QString& line : cutOffCaptions(main))
                if (!cut.contains(line)) cut << QStringLiteral("%1/%2: ").arg(top).arg(p) + line;
        }
    }
    main->hide();
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, CaptionsFit, ::testing::Values(Language::Japanese, Language::English),
                         [](const auto& info) { return info.param == Language::English ? "English" : "Japanese"; });

}  // namespace
}  // namespace pelterra::app
