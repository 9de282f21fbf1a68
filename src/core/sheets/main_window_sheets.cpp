#include "sheets/main_window_sheets.h"

#include "sheets/button_sheets.h"
#include "sheets/main_face.h"
#include "sheets/slider_sheets.h"

namespace pelterra {

void BuildMainWindowSheets(Document& doc, const SystemImages& system) {
    for (const MainLayer& layer : kMainLayers) ApplyMainLayer(doc, layer.check, layer.part, layer.mixRow);
    BuildNumberSheet(doc);
    BuildVolumeSheet(doc, system);
    BuildBalanceSheet(doc, system);
    BuildButtonSheet(doc, kCbuttonsSheet);
    BuildPosbarSheets(doc);
    BuildButtonSheet(doc, kMonosterSheet);
    BuildButtonSheet(doc, kShufrepSheet);
    BuildButtonSheet(doc, kTitlebarSheet);
    BuildButtonSheet(doc, kPlaypausSheet);
}

Status BuildMainWindowSheets(Document& doc, const std::filesystem::path& programFolder) {
    auto system = LoadSystemImages(programFolder);
    if (!system) return system.error();
    BuildMainWindowSheets(doc, *system);
    return ok();
}

}  // namespace pelterra
