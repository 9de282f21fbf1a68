// A skin made in the test: every sheet at the size players expect, each pixel a colour that
// names its sheet and its place in it, so that a pixel of a drawn window tells where it came from.
#pragma once

#include <string_view>

#include "player/skin.h"

namespace pelterra::player_test {

// The index of a sheet in kPlayerSheets.
inline int sheetNumber(std::string_view file) {
    for (std::size_t i = 0; i < std::size(kPlayerSheets); ++i)
        if (kPlayerSheets[i].file == file) return static_cast<int>(i);
    return -1;
}

// The colour of pixel (x, y) of a synthetic sheet.
inline Colour coded(std::string_view file, int x, int y) {
    return RGB(x & 255, y & 255, (sheetNumber(file) + 1) * 16 + (x >> 8) * 4 + (y >> 8));
}

inline Bitmap codedSheet(std::string_view file, int width, int height) {
    Bitmap sheet(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) sheet.at(x, y) = coded(file, x, y);
    return sheet;
}

// Every sheet but those named in `leftOut`, then the text files given, then completed.
struct SkinParts {
    std::vector<std::string_view> leftOut;
    std::vector<std::pair<std::string_view, std::string_view>> texts;
    int numbersWidth = 99;
};

inline Skin syntheticSkin(const SkinParts& parts = {}) {
    Skin skin;
    for (const SkinSheetSize& s : kPlayerSheets) {
        if (std::find(parts.leftOut.begin(), parts.leftOut.end(), s.file) != parts.leftOut.end()) continue;
        const int width = s.file == "numbers.bmp" ? parts.numbersWidth : s.width;
        AddSkinSheet(skin, s.file, codedSheet(s.file, width, s.height));
    }
    for (const auto& [name, text] : parts.texts) AddSkinFile(skin, name, text);
    CompleteSkin(skin);
    return skin;
}

}  // namespace pelterra::player_test
