// partsgen: draws the default PartsData library, the sample pictures and the contact sheet
// into an output folder (the folder of the built programs).
//
//   partsgen OUTPUT_FOLDER
//   partsgen --side-by-side OUT.png LABEL=PICTURE...
//
// Writes OUTPUT_FOLDER/PartsData/..., OUTPUT_FOLDER/Samples/... and
// OUTPUT_FOLDER/PartsData-contact-sheet.png. The output depends on nothing but this program:
// two runs give the same bytes. The second form lays pictures (skin previews) side by side under
// their labels into one PNG.
#include <cstdio>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "fs/atomic_file.h"
#include "image/colour.h"
#include "image/picture_file.h"
#include "parts.h"
#include "style_sets.h"

namespace {

using namespace partsgen;

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<unsigned char>*>(context);
    const auto* bytes = static_cast<const unsigned char*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

std::string encodePng(const Bitmap& picture) {
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<std::size_t>(picture.width()) * picture.height() * 3);
    for (const Colour c : picture.pixels()) {
        rgb.push_back(static_cast<unsigned char>(pelterra::GetRed(c)));
        rgb.push_back(static_cast<unsigned char>(pelterra::GetGreen(c)));
        rgb.push_back(static_cast<unsigned char>(pelterra::GetBlue(c)));
    }
    std::vector<unsigned char> png;
    stbi_write_png_to_func(appendBytes, &png, picture.width(), picture.height(), 3, rgb.data(), picture.width() * 3);
    return std::string(png.begin(), png.end());
}

int sideBySide(int argc, char** argv) {
    std::vector<std::pair<std::string, Bitmap>> pictures;
    for (int i = 3; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "partsgen: %s is not LABEL=PICTURE\n", argument.c_str());
            return 2;
        }
        pelterra::Result<Bitmap> picture = pelterra::LoadPicture(argument.substr(equals + 1));
        if (!picture) {
            std::fprintf(stderr, "partsgen: %s\n", picture.error().describe().c_str());
            return 1;
        }
        pictures.emplace_back(argument.substr(0, equals), std::move(*picture));
    }
    const pelterra::Status written = pelterra::WriteFileAtomically(argv[2], encodePng(drawSideBySide(pictures)));
    if (!written) {
        std::fprintf(stderr, "partsgen: %s\n", written.error().describe().c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::string(argv[1]) == "--side-by-side") return sideBySide(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: partsgen OUTPUT_FOLDER\n       partsgen --side-by-side OUT.png LABEL=PICTURE...\n");
        return 2;
    }
    Library library;
    addMainWindowParts(library);
    addEqualizerParts(library);
    addPlaylistParts(library);
    addSystemFiles(library);
    addStyleSets(library);
    addSamples(library);
    library.addFile("PartsData-contact-sheet.png", encodePng(drawContactSheet(library)));
    const pelterra::Status written = library.writeTo(argv[1]);
    if (!written) {
        std::fprintf(stderr, "partsgen: %s\n", written.error().describe().c_str());
        return 1;
    }
    return 0;
}
