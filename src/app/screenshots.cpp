#include "screenshots.h"

#include "bindings.h"

#include <iostream>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>

#include "about_window.h"
#include "application.h"
#include "core_words.h"
#include "generator_windows.h"
#include "generators/back_base_maker.h"
#include "how_form.h"
#include "interaction.h"
#include "main_window.h"
#include "mix_mode_window.h"
#include "parts/catalogue.h"
#include "preview_window.h"
#include "region/region_editor.h"
#include "splash_window.h"
#include "tab_strip.h"

namespace pelterra::app {

namespace {

// File names of the TabStrip1 pages, by tab.
constexpr const char* kPageFiles[] = {
    "main",     "cbuttons", "shufrep",  "monoster", "playpaus", "slider", "pledit-txt", "maron-txt",   "number",
    "text",     "settings", "titlebar", "frame",    "viscolor", "layer1", "layer2",     "project-save",
};
static_assert(std::size(kPageFiles) == page::Count);
constexpr const char* kTopFiles[] = {"main", "eq", "region", "playlist"};
// File names of the TabStrip2 and TabStrip5 pages, by tab.
constexpr const char* kEqFiles[] = {"eq-main", "slider", "on-auto", "frame", "titlebar",
                                    "image",   "preset", "easy",    "layer1", "layer2"};
constexpr const char* kPlaylistFiles[] = {"playlist", "layout-sheet", "shade-sheet", "button-sheets"};

// The sample the walk opens: main window, equalizer and playlist stacked (275x348).
constexpr char kSample[] = "Samples/base_main_eq_playlist.bmp";
// The region sample: the two windows with round corners cut away in magenta.
constexpr char kRegionSample[] = "Samples/region_main_eq.bmp";
constexpr Colour kRegionSampleKey = RGB(255, 0, 255);

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

class Shooter {
public:
    explicit Shooter(const QString& folder) : m_folder(folder) { QDir().mkpath(folder); }

    void shoot(QWidget* widget, const QString& name) {
        settle();
        const QString file = QDir(m_folder).filePath(name + QStringLiteral(".png"));
        if (widget->grab().save(file)) {
            std::cout << file.toStdString() << '\n';
        } else {
            std::cerr << "could not save " << file.toStdString() << '\n';
            m_failed = true;
        }
    }
    bool failed() const { return m_failed; }

private:
    QString m_folder;
    bool m_failed = false;
};

}  // namespace

int TakeScreenshots(const std::filesystem::path& programFolder, const QString& folder) {
    QTemporaryDir settingsFolder;
    auto settings = std::make_unique<QSettings>(settingsFolder.filePath(QStringLiteral("pelterra.ini")), QSettings::IniFormat);
    Shooter shooter(folder);

    const QString sample = QString::fromStdString((programFolder / kSample).string());
    interaction().choosePictureFile = [sample](QWidget*) { return sample; };
    interaction().showMessage = [](QWidget*, const QString& text) { std::cerr << text.toStdString() << '\n'; };
    interaction().showInformation = interaction().showMessage;

    Application app(programFolder, std::move(settings));
    app.start(true);
    MainWindow* main = app.mainWindow();
    // The size the window takes on a 1366x768 screen, whatever screen the walk runs on.
    main->resize(1280, 700);
    // A splash the way start-up shows it, for the record.
    app.splash()->showProgress(wordText(catalogueProgress().front()));
    app.splash()->show();
    shooter.shoot(app.splash(), QStringLiteral("splash"));
    app.splash()->hide();

    shooter.shoot(main, QStringLiteral("00-first-start"));
    main->openBasePicture();

    for (int p = 0; p < main->pageTabs()->count(); ++p) {
        main->pageTabs()->tab(p)->click();
        shooter.shoot(main, QStringLiteral("page-%1-%2").arg(p, 2, 10, QLatin1Char('0')).arg(QLatin1String(kPageFiles[p])));
    }
    main->pageTabs()->tab(0)->click();
    for (int t = 1; t < main->topTabs()->count(); ++t) {
        main->topTabs()->tab(t)->click();
        shooter.shoot(main, QStringLiteral("top-%1-%2").arg(t).arg(QLatin1String(kTopFiles[t])));
    }
    main->topTabs()->tab(1)->click();
    for (int p = 0; p < main->eqTabs()->count(); ++p) {
        main->eqTabs()->tab(p)->click();
        shooter.shoot(main, QStringLiteral("eq-%1-%2").arg(p, 2, 10, QLatin1Char('0')).arg(QLatin1String(kEqFiles[p])));
    }
    main->eqTabs()->tab(0)->click();
    main->topTabs()->tab(3)->click();
    for (int p = 0; p < main->playlistTabs()->count(); ++p) {
        main->playlistTabs()->tab(p)->click();
        shooter.shoot(main, QStringLiteral("playlist-%1-%2").arg(p).arg(QLatin1String(kPlaylistFiles[p])));
    }
    main->playlistTabs()->tab(0)->click();
    main->topTabs()->tab(0)->click();

    main->showMixModeWindow();
    shooter.shoot(main->mixModeWindow(), QStringLiteral("mix-mode"));
    main->mixModeWindow()->hide();

    main->howForm()->show();
    shooter.shoot(main->howForm(), QStringLiteral("how-form"));
    main->howForm()->hide();

    AboutWindow about(main);
    about.show();
    shooter.shoot(&about, QStringLiteral("about"));
    about.hide();

    // The generator windows, each tab of the frame maker, and the back colour after "作成".
    FrameMakerWindow* frameMaker = frameMakerWindow(app.bridge(), main);
    showToolWindow(frameMaker);
    auto* frameTabs = frameMaker->findChild<QTabWidget*>(QStringLiteral("tabFrame"));
    for (int t = 0; t < frameTabs->count(); ++t) {
        frameTabs->setCurrentIndex(t);
        shooter.shoot(frameMaker, QStringLiteral("frame-maker-%1").arg(t + 1));
    }
    frameTabs->setCurrentIndex(0);
    frameMaker->hide();
    SliderMakerWindow* sliderMaker = sliderMakerWindow(app.bridge(), main);
    showToolWindow(sliderMaker);
    shooter.shoot(sliderMaker, QStringLiteral("slider-maker"));
    sliderMaker->hide();
    BackColorWindow* backColor = backColorWindow(app.bridge(), main);
    showToolWindow(backColor);
    MakeBackColor(app.doc());
    shooter.shoot(backColor, QStringLiteral("back-color"));
    backColor->hide();

    main->previewHook = [&shooter](PreviewWindow& preview) {
        preview.show();
        shooter.shoot(&preview, QStringLiteral("preview"));
        preview.hide();
    };
    main->build();

    // The Region page after tracing the sample region picture, and the preview it shapes.
    const QString regionSample = QString::fromStdString((programFolder / kRegionSample).string());
    interaction().choosePictureFile = [regionSample](QWidget*) { return regionSample; };
    main->topTabs()->tab(2)->click();
    main->findChild<QAbstractButton*>(objectNameOf(ctl::LoadRegion))->click();
    SetRegionKeyColour(app.doc(), kRegionSampleKey);
    main->findChild<QAbstractButton*>(objectNameOf(ctl::BtnMakeRegion))->click();
    app.doc().setValue(ctl::RegionCheck, 1);
    shooter.shoot(main, QStringLiteral("top-2-region-traced"));
    main->topTabs()->tab(0)->click();
    main->previewHook = [&shooter](PreviewWindow& preview) {
        preview.show();
        shooter.shoot(&preview, QStringLiteral("preview-region"));
        preview.hide();
    };
    main->build();

    interaction() = {};
    return shooter.failed() ? 1 : 0;
}

}  // namespace pelterra::app
