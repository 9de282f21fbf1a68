#include "parts/skin_style.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <span>
#include <sstream>
#include <vector>

#include "colours/glyph_colours.h"
#include "document/list_entries.h"
#include "equalizer/eq_parts.h"
#include "fs/ignore_case.h"
#include "fs/program_path.h"
#include "fs/read_file.h"
#include "output/skin_text.h"
#include "parts/list_part_files.h"
#include "parts/part_loading.h"
#include "playlist/playlist_styles.h"
#include "text/quote.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSection = "[Style]";

// One value of a style set file: its name and where it goes in a StyleSet.
struct StyleValue {
    std::string_view name;
    enum class Kind { Text, Colours } kind;
    std::string StyleSet::*text = nullptr;
    std::span<Colour> (*colours)(StyleSet&) = nullptr;
};

template <std::size_t N>
std::span<Colour> spanOf(std::array<Colour, N>& a) {
    return a;
}
std::span<Colour> spanOf(Colour& c) { return {&c, 1}; }

constexpr StyleValue kStyleValues[] = {
    {"Digits", StyleValue::Kind::Text, &StyleSet::digits},
    {"NumberRows", StyleValue::Kind::Colours, nullptr, [](StyleSet& s) { return spanOf(s.colours.numberRows); }},
    {"TextRows", StyleValue::Kind::Colours, nullptr, [](StyleSet& s) { return spanOf(s.colours.textRows); }},
    {"PleditNormal", StyleValue::Kind::Colours, nullptr, [](StyleSet& s) { return spanOf(s.colours.pleditNormal); }},
    {"PleditCurrent", StyleValue::Kind::Colours, nullptr, [](StyleSet& s) { return spanOf(s.colours.pleditCurrent); }},
    {"PleditNormalBG", StyleValue::Kind::Colours, nullptr,
     [](StyleSet& s) { return spanOf(s.colours.pleditNormalBG); }},
    {"PleditSelectedBG", StyleValue::Kind::Colours, nullptr,
     [](StyleSet& s) { return spanOf(s.colours.pleditSelectedBG); }},
    {"PleditFont", StyleValue::Kind::Text, &StyleSet::pleditFont},
    {"VisBackground", StyleValue::Kind::Colours, nullptr, [](StyleSet& s) { return spanOf(s.colours.visBack); }},
    {"VisSpectrum", StyleValue::Kind::Colours, nullptr, [](StyleSet& s) { return spanOf(s.colours.visSpectrum); }},
    {"VisScope", StyleValue::Kind::Colours, nullptr, [](StyleSet& s) { return spanOf(s.colours.visScope); }},
    {"VisPeak", StyleValue::Kind::Colours, nullptr, [](StyleSet& s) { return spanOf(s.colours.visPeak); }},
};
static_assert(std::size(kStyleValues) == 12);

std::string colourText(Colour c) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02X%02X%02X", GetRed(c), GetGreen(c), GetBlue(c));
    return hex;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// "#RRGGBB".
std::optional<Colour> parseColour(std::string_view text) {
    text = trimmed(text);
    if (text.size() != 7 || text.front() != '#') return std::nullopt;
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const int high = hexDigit(text[1 + 2 * i]), low = hexDigit(text[2 + 2 * i]);
        if (high < 0 || low < 0) return std::nullopt;
        channels[i] = high * 16 + low;
    }
    return RGB(channels[0], channels[1], channels[2]);
}

// Exactly as many colours as `into` holds, separated by commas.
bool parseColours(std::string_view text, std::span<Colour> into) {
    std::size_t filled = 0;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::optional<Colour> c = parseColour(text.substr(0, comma));
        if (!c || filled == into.size()) return false;
        into[filled++] = *c;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return filled == into.size();
}

const StyleValue* valueNamed(std::string_view name) {
    for (const StyleValue& v : kStyleValues)
        if (equalsIgnoringCase(v.name, name)) return &v;
    return nullptr;
}

// The style's name in every part list that has it, each chosen with the list's own command.
struct StyleList {
    ControlRef list;
    std::function<Status(Document&, const fs::path&, int entry)> choose;
};

std::vector<StyleList> styleLists() {
    std::vector<StyleList> lists;
    for (int k = 0; k <= 6; ++k)
        lists.push_back({{ctl::lstData, k}, [k](Document& d, const fs::path& f, int e) { return ChoosePart(d, f, k, e); }});
    for (int k = 0; k <= 4; ++k)
        lists.push_back(
            {{ctl::lstEQData, k}, [k](Document& d, const fs::path& f, int e) { return ChooseEqPart(d, f, k, e); }});
    lists.push_back({{ctl::SliderCombo, -1}, ChooseSlider});
    lists.push_back({{ctl::PLStyleCombo, -1}, ChoosePlaylistStyle});
    return lists;
}

// The entry of the list whose name is the style's, ignoring case; none when the list lacks it.
std::optional<int> entryNamed(const Document& doc, ControlRef list, std::string_view name) {
    const std::vector<std::string>& entries = doc.control(list.name, list.index).entries;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (equalsIgnoringCase(entries[i], name)) return static_cast<int>(i);
    return std::nullopt;
}

Status chooseDigits(Document& doc, const fs::path& programFolder, const std::string& digits) {
    const ControlRef numbers{ctl::lstData, 7};
    const std::optional<int> entry = FindListEntry(doc.control(numbers.name, numbers.index), numbers, digits);
    if (!entry)
        return Error{"", CoreMessage::wording("%1 has no entry %2"),
                     {controlKey(numbers.name, numbers.index), QuoteForMessage(digits)}};
    return ChoosePart(doc, programFolder, numbers.index, *entry);
}

template <std::size_t N>
void setSwatches(Document& doc, ControlName row, const std::array<Colour, N>& colours) {
    for (std::size_t i = 0; i < N; ++i) doc.setSwatch(row, static_cast<int>(i), colours[i]);
}

}  // namespace

std::string StyleSetText(const StyleSet& set, std::string_view name) {
    const std::string style(name);
    std::string text = "; The " + style + " style set of the parts library: the digits, glyph colours, playlist\n"
                       "; colours and visualisation colours that go with the " + style + " parts.\n";
    text += std::string(kSection) + "\n";
    StyleSet copy = set;
    for (const StyleValue& v : kStyleValues) {
        text.append(v.name).append("=");
        if (v.kind == StyleValue::Kind::Text) {
            text += copy.*(v.text);
        } else {
            bool first = true;
            for (const Colour c : v.colours(copy)) {
                if (!first) text += ",";
                text += colourText(c);
                first = false;
            }
        }
        text += "\n";
    }
    return text;
}

Result<StyleSet> ParseStyleSet(std::string_view text, const std::string& path) {
    StyleSet set;
    std::vector<const StyleValue*> given;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == ';' || line.front() == '#' || equalsIgnoringCase(line, kSection)) continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            return Error{path, CoreMessage::wording("line %1 is not NAME=VALUE"), {lineNumber}};
        const std::string_view name = trimmed(line.substr(0, eq)), value = trimmed(line.substr(eq + 1));
        const StyleValue* v = valueNamed(name);
        if (!v)
            return Error{path, CoreMessage::wording("line %1: there is no style value %2"),
                         {lineNumber, QuoteForMessage(name)}};
        if (std::find(given.begin(), given.end(), v) != given.end())
            return Error{path, CoreMessage::wording("line %1: %2 is given twice"), {lineNumber, std::string(v->name)}};
        given.push_back(v);
        if (v->kind == StyleValue::Kind::Text) {
            set.*(v->text) = std::string(value);
            continue;
        }
        const std::span<Colour> into = v->colours(set);
        if (!parseColours(value, into))
            return Error{path, CoreMessage::wording("line %1: %2 takes %3 colours, each written #RRGGBB"),
                         {lineNumber, std::string(v->name), into.size()}};
    }
    for (const StyleValue& v : kStyleValues)
        if (std::find(given.begin(), given.end(), &v) == given.end())
            return Error{path, CoreMessage::wording("the style set gives no %1"), {std::string(v.name)}};
    return set;
}

Result<StyleSet> ReadStyleSet(const fs::path& programFolder, std::string_view style) {
    const std::string tail = std::string(kStyleSetFolder) + "\\" + std::string(style) + std::string(kStyleSetSuffix);
    const Result<fs::path> path = resolveProgramPath(programFolder, tail);
    if (!path && !isNotFound(path.error())) return path.error();
    if (!path)
        return Error{path.error().path,
                     CoreMessage::wording("the part file is missing (was it removed after start-up?)")};
    Result<std::string> text = ReadWholeFile(*path);
    if (!text) return text.error();
    return ParseStyleSet(*text, path->string());
}

Status FillStyleList(Document& doc, const fs::path& programFolder) {
    PartList styles;
    const Status listed = ListPartFiles(styles, programFolder, kStyleSetFolder, kStyleSetSuffix);
    const int count = styles.count();
    doc.setListEntries(ctl::StyleCombo, -1, std::move(styles.entries), count);
    if (!listed && !isNotFound(listed.error())) return listed;  // a missing folder: no styles
    return ok();
}

void ApplyStyleColours(Document& doc, const StyleSet& set) {
    const StyleColours& c = set.colours;
    setSwatches(doc, ctl::NumberColor, c.numberRows);
    setSwatches(doc, ctl::PicText, c.textRows);
    ColourNumberGlyphs(doc);
    ColourTextGlyphs(doc);
    doc.setSwatch(ctl::PicPleditNormal, -1, c.pleditNormal);
    doc.setSwatch(ctl::PicPleditCurrent, -1, c.pleditCurrent);
    doc.setSwatch(ctl::PicPleditNormalBG, -1, c.pleditNormalBG);
    doc.setSwatch(ctl::PicPleditSelectedBG, -1, c.pleditSelectedBG);
    doc.setText(ctl::PleditFonts, set.pleditFont);
    BuildPleditText(doc);
    setSwatches(doc, ctl::ViscolorBack, c.visBack);
    setSwatches(doc, ctl::ViscolorSpec, c.visSpectrum);
    setSwatches(doc, ctl::ViscolorOsc, c.visScope);
    doc.setSwatch(ctl::ViscolorPeak, -1, c.visPeak);
}

Status ChooseSkinStyle(Document& doc, const fs::path& programFolder, int entry) {
    return SelectAndLoad(doc, {ctl::StyleCombo, -1}, entry, [&]() -> Status {
        const std::string style = doc.selectedEntry(ctl::StyleCombo);
        const Result<StyleSet> set = ReadStyleSet(programFolder, style);
        if (!set) return set.error();
        Failures failures;
        for (const StyleList& l : styleLists()) {
            if (!doc.hasControl(l.list.name, l.list.index)) continue;
            if (const std::optional<int> e = entryNamed(doc, l.list, style)) failures.add(l.choose(doc, programFolder, *e));
        }
        failures.add(chooseDigits(doc, programFolder, set->digits));
        ApplyStyleColours(doc, *set);
        return failures.result();
    });
}

}  // namespace pelterra
