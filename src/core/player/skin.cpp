#include "player/skin.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <span>

#include "fs/ignore_case.h"
#include "image/picture_file.h"
#include "region/region_text_reader.h"

namespace pelterra {

namespace {

// Sheets are small; a header that claims more is a damaged or hostile file, refused before
// anything is allocated.
constexpr PictureLimits kSheetLimits{.maxSide = 4096, .maxPixels = 4LL * 1024 * 1024};

bool isPlayerSheet(std::string_view lowerName) {
    return std::any_of(std::begin(kPlayerSheets), std::end(kPlayerSheets),
                       [&](const SkinSheetSize& s) { return s.file == lowerName; });
}

// The lines of a text file without their line ends (CR LF or LF).
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// "r,g,b" with blanks anywhere and anything after the third value (players allow a comment).
std::optional<Colour> visColourOf(std::string_view line) {
    int channel[3] = {};
    for (int i = 0; i < 3; ++i) {
        line = trimmed(line);
        const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), channel[i]);
        if (ec != std::errc() || channel[i] < 0 || channel[i] > 255) return std::nullopt;
        line.remove_prefix(static_cast<std::size_t>(end - line.data()));
        line = trimmed(line);
        if (i < 2) {
            if (line.empty() || line.front() != ',') return std::nullopt;
            line.remove_prefix(1);
        }
    }
    return RGB(channel[0], channel[1], channel[2]);
}

void readVisColours(Skin& skin, std::string_view text) {
    skin.visColoursRead = true;
    const auto lines = linesOf(text);
    std::vector<int> unreadable;
    for (int i = 0; i < kVisColourCount; ++i) {
        const auto colour = i < static_cast<int>(lines.size()) ? visColourOf(lines[i]) : std::nullopt;
        if (colour) skin.visColours[i] = *colour;
        else unreadable.push_back(i + 1);
    }
    if (unreadable.empty()) return;
    std::string which;
    for (int line : unreadable) which += (which.empty() ? "" : ", ") + std::to_string(line);
    skin.missing.push_back(
        {"viscolor.txt",
         {CoreMessage::wording("line %1 holds no r,g,b colour: the default colour is drawn"), {which}}});
}

// "#RRGGBB" (players also take it without the '#').
std::optional<Colour> pleditColourOf(std::string_view value) {
    value = trimmed(value);
    if (!value.empty() && value.front() == '#') value.remove_prefix(1);
    if (value.size() < 6) return std::nullopt;
    unsigned rgb = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + 6, rgb, 16);
    if (ec != std::errc() || end != value.data() + 6) return std::nullopt;
    return RGB(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 255u), static_cast<int>(rgb & 255u));
}

void readPlaylistColours(Skin& skin, std::string_view text) {
    skin.playlistColoursRead = true;
    struct Key { std::string_view name; Colour PlaylistColours::*colour; };
    constexpr Key kKeys[] = {
        {"normal", &PlaylistColours::normal},
        {"current", &PlaylistColours::current},
        {"normalbg", &PlaylistColours::normalBackground},
        {"selectedbg", &PlaylistColours::selectedBackground},
    };
    bool inText = false, sawText = false;
    for (std::string_view line : linesOf(text)) {
        line = trimmed(line);
        if (!line.empty() && line.front() == '[') {
            inText = equalsIgnoringCase(line, "[text]");
            sawText = sawText || inText;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inText || equals == std::string_view::npos) continue;
        const std::string key = SkinKey(trimmed(line.substr(0, equals)));
        const std::string_view value = line.substr(equals + 1);
        if (key == "font") skin.playlistColours.font = std::string(trimmed(value));
        for (const Key& k : kKeys) {
            if (key != k.name) continue;
            if (const auto colour = pleditColourOf(value)) skin.playlistColours.*k.colour = *colour;
            else
                skin.missing.push_back(
                    {"pledit.txt",
                     {CoreMessage::wording("%1 is no #RRGGBB colour: the default is drawn"), {std::string(k.name)}}});
        }
    }
    if (!sawText)
        skin.missing.push_back(
            {"pledit.txt", CoreMessage::wording("has no [Text] section: the default colours are drawn")});
}

void readRegions(Skin& skin, std::string_view text) {
    auto sections = ParseRegionText(text);
    if (!sections) {
        skin.missing.push_back(
            {"region.txt", {CoreMessage::wording("%1: the windows are drawn whole"), {sections.error().words}}});
        return;
    }
    for (const RegionTextSection& section : *sections) {
        RegionPolygons polygons;
        std::size_t at = 0;
        for (int count : section.numPoints) {
            const auto n = static_cast<std::size_t>(count);
            polygons.emplace_back(section.pointList.begin() + static_cast<std::ptrdiff_t>(at),
                                  section.pointList.begin() + static_cast<std::ptrdiff_t>(at + n));
            at += n;
        }
        skin.regions[SkinKey(section.name)] = std::move(polygons);
    }
}

void readSheet(Skin& skin, const std::string& name, std::string_view bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    auto picture = DecodePicture(std::span(data, bytes.size()), name, kSheetLimits);
    if (!picture) {
        skin.missing.push_back({name, {CoreMessage::wording("%1: drawn as a placeholder"), {picture.error().words}}});
        return;
    }
    AddSkinSheet(skin, name, std::move(*picture));
}

}  // namespace

const Bitmap& Skin::sheet(std::string_view file) const {
    static const Bitmap kNone;
    const auto found = sheets.find(file);
    return found == sheets.end() ? kNone : found->second;
}

const RegionPolygons* Skin::region(std::string_view section) const {
    const auto found = regions.find(section);
    return found == regions.end() ? nullptr : &found->second;
}

std::string SkinKey(std::string_view name) {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(), asciiLower);
    return key;
}

void AddSkinFile(Skin& skin, std::string_view name, std::string_view bytes) {
    const std::string lower = SkinKey(name);
    if (isPlayerSheet(lower)) readSheet(skin, lower, bytes);
    else if (lower == "viscolor.txt") readVisColours(skin, bytes);
    else if (lower == "pledit.txt") readPlaylistColours(skin, bytes);
    else if (lower == "region.txt") readRegions(skin, bytes);
}

void AddSkinSheet(Skin& skin, std::string_view name, Bitmap picture) {
    // Players read 24 colour bits; whatever else a picture carries never shows.
    for (Colour& c : picture.pixels()) c &= 0xFFFFFFu;
    skin.sheets[SkinKey(name)] = std::move(picture);
}

void CompleteSkin(Skin& skin) {
    const auto noted = [&skin](const std::string& file) {
        return std::any_of(skin.missing.begin(), skin.missing.end(), [&](const SkinNote& n) { return n.file == file; });
    };
    // A skin without balance.bmp draws the balance from volume.bmp, and that is no fault; a
    // balance.bmp that is there but unreadable is one.
    if (skin.sheets.count("balance.bmp") == 0 && !noted("balance.bmp") && skin.sheets.count("volume.bmp") != 0)
        skin.sheets["balance.bmp"] = skin.sheets["volume.bmp"];
    for (const SkinSheetSize& s : kPlayerSheets) {
        const std::string file(s.file);
        if (skin.sheets.count(file) != 0) continue;
        if (!noted(file)) skin.missing.push_back({file, CoreMessage::wording("missing: drawn as a placeholder")});
        skin.sheets[file] = PlaceholderSheet(s.width, s.height);
    }
    if (!skin.visColoursRead)
        skin.missing.push_back({"viscolor.txt", CoreMessage::wording("missing: the default colours are drawn")});
    if (!skin.playlistColoursRead)
        skin.missing.push_back({"pledit.txt", CoreMessage::wording("missing: the default colours are drawn")});
}

Bitmap PlaceholderSheet(int width, int height) {
    constexpr Colour kMagenta = RGB(255, 0, 255);
    Bitmap sheet(width, height, kMagenta);
    for (int y = 0; y < height; ++y) {
        Colour* row = sheet.row(y);
        for (int x = 0; x < width; ++x)
            if ((x + y) % 6 < 2) row[x] = kBlack;
    }
    return sheet;
}

}  // namespace pelterra
