#include "render_png.h"

#include <iostream>

#include "image/picture_size.h"
#include "png_write.h"
#include "text/quote.h"

namespace pelterra::cli {

Status WritePlayerPng(const Skin& skin, const PlayerView& view, PlayerWindow window, int scale,
                      const std::filesystem::path& file) {
    const PlayerImageSize size = SizeOfPlayerImage(view, window, scale);
    if (Status fits = CheckPictureToMake(size.width, size.height); !fits) return fits.error().withPath(file.string());
    const WindowImage image = RenderPlayer(skin, view, window, scale);
    return WritePng(image.colours, &image.alpha, file);
}

void PrintSkinNotes(const Skin& skin, std::string_view command) {
    if (!skin.archiveFolder.empty())
        std::cerr << command << ": the skin's files are taken from the folder " << QuoteForMessage(skin.archiveFolder)
                  << " of the archive (players look for them at its top level)\n";
    for (const SkinNote& note : skin.missing)
        std::cerr << command << ": warning: " << EscapeForMessage(note.file) << ": " << note.message.english() << '\n';
}

}  // namespace pelterra::cli
