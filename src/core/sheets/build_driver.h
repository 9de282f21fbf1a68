// The skin build command: the guards that can make it do nothing, the fixed order of its stages
// (playlist, base images, equalizer, main window face and sheets), and the arrangement of the
// preview panes shown afterwards. The build button of the "Making" frame and the equalizer
// page's Command4 both run the same build.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "document/document.h"
#include "result.h"

namespace pelterra {

// The two preview images of PreViewForm.
enum class PreviewImage {
    Main,       // PreView
    Equalizer,  // EQPreView
};

struct PreviewPane {
    bool visible = false;
    std::optional<PreviewImage> shows;  // nothing assigned when empty
    bool operator==(const PreviewPane&) const = default;
};

// Which pane of PreViewForm shows which preview, and which is hidden.
struct PreviewPanes {
    PreviewPane preView1, preView2;
    bool operator==(const PreviewPanes&) const = default;
};

// The arrangement by "EQが下" (the equalizer above or below the main window) and "EQ部分だけ出力する"
// (the main window hidden).
PreviewPanes ArrangePreviewPanes(const Document& doc);

// What a build call did.
enum class BuildOutcome {
    Built,           // every stage ran
    NoPicture,       // the picture the build needs was never opened: nothing changed
    AlreadyRunning,  // another build of this document is under way: nothing changed
};

struct BuildReport {
    BuildOutcome outcome = BuildOutcome::NoPicture;
    PreviewPanes panes;  // meaningful when Built
};

// What the window around the core does at the build's steps; every hook may be empty.
struct BuildHooks {
    // Paints the preview images from the sheets (ComposePreview).
    std::function<void(Document&)> composePreview;
    // Shows PreViewForm modally with the given panes; the build returns when it is closed.
    std::function<void(const PreviewPanes&)> showPreview;
};

// The build guard: true when the picture the build needs has been opened.
bool hasPictureToBuild(const Document& doc);

// The whole build. The system pictures of PartsData\system and, with "BackColorを合成する", the
// equalizer's default slider back are read before anything changes; a missing or broken one is
// an error naming it, and every sheet stays as it was.
Result<BuildReport> BuildSkinImages(Document& doc, const std::filesystem::path& programFolder,
                                    const BuildHooks& hooks = {});

// True while BuildSkinImages runs on this document (a second call returns AlreadyRunning).
bool isBuilding(const Document& doc);

}  // namespace pelterra
