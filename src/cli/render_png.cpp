#include "render_png.h"

#include <iostream>

#include "image/picture_size.h"
#include "fs/atomic_file.h"
#include "png_write.h"
#include "text/quote.h"

namespace pelterra::cli {

Result<std::string> PlayerPng(const Skin& skin, const PlayerView& view, PlayerWindow window, int scale) {
    const PlayerImageSize size = SizeOfPlayerImage(view, window, scale);
    if (Status fits = CheckPictureToMake(size.width, size.height); !fits) return fits.error();
    const WindowImage image = RenderPlayer(skin, view, window, scale);
    return EncodePng(image.colours, &image.alpha);
}

Status WritePlayerPng(const Skin& skin, const PlayerView& view, PlayerWindow window, int scale,
                      const std::filesystem::path& file) {
    auto png = PlayerPng(skin, view, window, scale);
    if (!png) return png.error().withPath(file.string());
    return WriteFileAtomically(file, *png);
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
