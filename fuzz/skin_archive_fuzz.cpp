// libFuzzer target for the skin reader and the renderer: any bytes read as a skin archive must
// give a skin or one error that says something, never a crash or a runaway allocation; a skin
// that was read is drawn, every window and shaded, and the drawing has the sizes players use.
//
// The limits are narrowed so that each input is read quickly; the reader checks them before it
// allocates, so narrower limits exercise the same refusals.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "player/render.h"
#include "player/skin_reader.h"

using namespace pelterra;

namespace {

void require(bool holds) {
    if (!holds) std::abort();
}

constexpr SkinArchiveLimits kFuzzLimits{
    .archiveBytes = 1u << 20, .entries = 64, .entryBytes = 256u * 1024, .totalBytes = 1u << 20};

void drawEveryWindow(const Skin& skin) {
    for (const SkinSheetSize& s : kPlayerSheets) require(!skin.sheet(s.file).empty());
    PlayerView view;
    const WindowImage all = RenderPlayer(skin, view, PlayerWindow::All);
    require(all.width() == 550 && all.height() == 232 && all.alpha.size() == 550u * 232u);
    view.shade = true;
    view.active = false;
    view.pressed.set();
    const WindowImage shaded = RenderPlayer(skin, view, PlayerWindow::All);
    require(shaded.width() == 550 && shaded.height() == 28);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto skin = ReadSkinArchive(std::span(data, size), "fuzz.wsz", kFuzzLimits);
    if (!skin) {
        require(!skin.error().message.empty());
        return 0;
    }
    drawEveryWindow(*skin);
    return 0;
}
