// Starting inputs of the skin_archive fuzz target: small skin archives made with the program's
// own packer (flat, in a folder, with text files), which no seed file in the repository holds as
// well as this: the packer writes what real skins look like.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "image/picture_file.h"
#include "output/zip_pack.h"

using namespace pelterra;
namespace fs = std::filesystem;

namespace {

std::string bmp(int width, int height, Colour colour) {
    const auto bytes = EncodeBmp24(Bitmap(width, height, colour));
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const fs::path folder = argv[1];
    const std::string region = "[Normal]\r\nNumPoints=4\r\nPointList=0,0,275,0,275,116,0,116\r\n";
    const std::vector<std::pair<std::string, std::vector<ArchiveEntry>>> seeds = {
        {"flat.wsz", {{"main.bmp", bmp(16, 8, RGB(1, 2, 3))}, {"text.bmp", bmp(155, 18, kBlack)}, {"region.txt", region}}},
        {"nested.zip", {{"skin/Main.BMP", bmp(4, 4, kWhite)}, {"skin/pledit.txt", "[Text]\r\nNormal=#00FF00\r\n"}}},
        {"texts.wsz", {{"viscolor.txt", "0,0,0\r\n24,33,41\r\n"}, {"numbers.bmp", bmp(108, 13, RGB(9, 9, 9))}}},
    };
    for (const auto& [name, entries] : seeds)
        if (!PackEntries(folder / name, entries).ok()) return 1;
    return 0;
}
