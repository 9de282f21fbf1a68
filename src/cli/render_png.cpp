#include "render_png.h"

#include <iostream>

#include "png_write.h"
#include "text/quote.h"

namespace pelterra::cli {

Result<std::string> PlayerPng(const Skin& skin, const PlayerView& view, PlayerWindow window, int scale) {
    const WindowImage image = RenderPlayer(skin, view, window, scale);
    return EncodePng(image.colours, &image.alpha);
}

Status WritePlayerPng(const Skin& skin, const PlayerView& view, PlayerWindow window, int scale,
                      const std::filesystem::path& file) {
    const WindowImage image = RenderPlayer(skin, view, window, scale);
    return WritePng(image.colours, &image.alpha, file);
}

void PrintSkinNotes(const Skin& skin, std::string_view command) {
    if (!skin.archiveFolder.empty())
        std::cerr << command << ": the skin's files are taken from the folder " << QuoteForMessage(skin.archiveFolder)
                  << " of the archive (players look for them at its top level)\n";
    for (const std::vector<SkinNote>* notes : {&skin.givenTwice, &skin.missing})
        for (const SkinNote& note : *notes)
            std::cerr << command << ": warning: " << EscapeForMessage(note.file) << ": " << note.message.english() << '\n';
}

}  // namespace pelterra::cli
