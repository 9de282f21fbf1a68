// Start-up of the desktop program to a usable window: the catalogue filled, every page built, the
// main window shown and a part page painted with its pictures, offscreen. Measured on the
// generated library and on one with 1,000 parts in every list.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QSettings>

#include "application.h"
#include "main_window.h"
#include "part_thumbnails.h"
#include "settings_store.h"
#include "support/big_library.h"
#include "support/temp_dir.h"
#include "tab_strip.h"

using namespace pelterra;
using namespace pelterra::app;
namespace fs = std::filesystem;

namespace {

const fs::path kProgramFolder = PELTERRA_BIN_DIR;

// One library per size, made once for the whole run.
const fs::path& libraryOf(int partsPerList) {
    static test_support::TempDir folder;
    static std::map<int, fs::path> made;
    if (partsPerList == 0) return kProgramFolder;
    auto [it, fresh] = made.try_emplace(partsPerList, folder / ("parts" + std::to_string(partsPerList)));
    if (fresh) test_support::makeBigLibrary(kProgramFolder, it->second, partsPerList);
    return it->second;
}

void BM_StartToUsableWindow(benchmark::State& state) {
    if (!fs::is_directory(kProgramFolder / "PartsData")) {
        state.SkipWithError("no PartsData beside the programs (run partsgen)");
        return;
    }
    const fs::path& program = libraryOf(static_cast<int>(state.range(0)));
    test_support::TempDir settingsFolder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(settingsFolder.path().string()));
    int pictures = 0, entries = 0;
    for (auto _ : state) {
        auto application = std::make_unique<Application>(program, openUserSettings());
        application->start(false);
        MainWindow* main = application->mainWindow();
        main->pageTabs()->tab(1)->click();  // "Cbuttons": a long list in view
        auto* list = main->findChild<QListWidget*>(QStringLiteral("lstData_0"));
        (void)main->grab();  // the whole window painted once, pictures of the rows in view included
        QApplication::processEvents();
        pictures = PartThumbnails::of(application->bridge()).readCount();
        entries = list ? list->count() : 0;
        state.PauseTiming();
        application.reset();
        state.ResumeTiming();
    }
    state.counters["entries_per_list"] = entries;
    state.counters["pictures_read"] = pictures;
}
BENCHMARK(BM_StartToUsableWindow)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
