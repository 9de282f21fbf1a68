#include "sheets/build_driver.h"

#include <mutex>
#include <set>

#include "sheets/main_face.h"
#include "sheets/main_window_sheets.h"
#include "sheets/system_images.h"
#include "equalizer/eq_sheet.h"
#include "playlist/playlist_sheet.h"

namespace pelterra {

namespace {

// Documents with a build under way. The equalizer stage and the modal preview let window
// events run, so a second click must find the first build still holding its document.
std::mutex g_buildingMutex;
std::set<const Document*> g_building;

class BuildLock {
public:
    explicit BuildLock(const Document& doc) : m_doc(&doc) {
        std::lock_guard lock(g_buildingMutex);
        m_held = g_building.insert(m_doc).second;
    }
    ~BuildLock() {
        if (!m_held) return;
        std::lock_guard lock(g_buildingMutex);
        g_building.erase(m_doc);
    }
    BuildLock(const BuildLock&) = delete;
    BuildLock& operator=(const BuildLock&) = delete;
    bool held() const { return m_held; }

private:
    const Document* m_doc;
    bool m_held = false;
};

}  // namespace

bool hasPictureToBuild(const Document& doc) {
    if (doc.isChecked(ctl::chkEQOnly) && doc.isSelected(ctl::OpEqMain2))
        return !doc.ExtraImagePath.empty() && !doc.ExtraImageTitle.empty();
    return !doc.BackgroundImagePath.empty() && !doc.BackgroundImageTitle.empty();
}

PreviewPanes ArrangePreviewPanes(const Document& doc) {
    constexpr PreviewPane kMain{true, PreviewImage::Main}, kEqualizer{true, PreviewImage::Equalizer};
    // eqmain.bmp is saved after every picture, so the equalizer is always shown beside the main
    // window, above or below it as "EQが下" says.
    PreviewPanes panes = doc.isChecked(ctl::EqUporDown) ? PreviewPanes{kMain, kEqualizer} : PreviewPanes{kEqualizer, kMain};
    if (doc.isChecked(ctl::chkEQOnly)) {
        if (panes.preView1.shows == PreviewImage::Main)
            panes.preView1.visible = false;
        else
            panes.preView2.visible = false;
    }
    return panes;
}

bool isBuilding(const Document& doc) {
    std::lock_guard lock(g_buildingMutex);
    return g_building.count(&doc) != 0;
}

Result<BuildReport> BuildSkinImages(Document& doc, const std::filesystem::path& programFolder,
                                    const BuildHooks& hooks) {
    BuildLock lock(doc);
    if (!lock.held()) return BuildReport{BuildOutcome::AlreadyRunning, {}};
    if (!hasPictureToBuild(doc)) return BuildReport{BuildOutcome::NoPicture, {}};

    // Every file the stages read comes in first, so that a failure leaves all sheets as they were.
    auto system = LoadSystemImages(programFolder);
    if (!system) return system.error();
    if (doc.isChecked(ctl::UseSliderBack))
        if (Status back = LoadDefaultSliderBack(doc, programFolder); !back) return back.error();

    if (doc.isChecked(ctl::chkPLMake)) BuildPlaylistSheet(doc);
    SelectBaseImages(doc);
    BuildEqualizerSheet(doc);
    BuildMainWindowSheets(doc, *system);

    if (hooks.composePreview) hooks.composePreview(doc);
    BuildReport report{BuildOutcome::Built, ArrangePreviewPanes(doc)};
    if (hooks.showPreview) hooks.showPreview(report.panes);
    return report;
}

}  // namespace pelterra
