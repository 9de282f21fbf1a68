#include "project/manifest.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <map>
#include <span>

#include "document/list_entries.h"
#include "document/tables.h"
#include "parts/part_loading.h"
#include "region/outline_text.h"
#include "text/quote.h"

namespace pelterra {

namespace {

// The window each control table belongs to; the pages of the main window are all Form1.
struct ManifestSection {
    std::string_view name;
    std::span<const ControlSpec> (*controls)();
};

constexpr ManifestSection kSections[] = {
    {"Form1", tables::mainWindowControls},
    {"Form1", tables::skinBuildControls},
    {"Form1", tables::equalizerControls},
    {"Form1", tables::playlistControls},
    {"Form1", tables::regionControls},
    {"Form1", tables::outputControls},
    {"Form1", tables::glyphColourControls},
    {"Form1", tables::projectControls},
    {"frmHowToMix", tables::toolWindowControls},
    {"frmMakeFrame", tables::frameMakerControls},
    {"FrmMakeSlider", tables::sliderMakerControls},
    {"frmBackColor", tables::backColorControls},
};
static_assert(std::size(kSections) == 12);

constexpr std::string_view kDefaultSection = "Form1";

// Control key -> section, the later table winning as it does in the document.
std::map<std::string, std::string_view, std::less<>> sectionsByKey() {
    std::map<std::string, std::string_view, std::less<>> sections;
    for (const ManifestSection& s : kSections)
        for (const ControlSpec& c : s.controls()) {
            if (c.count == 0) sections[controlKey(c.name)] = s.name;
            for (int i = c.first; i < c.first + c.count; ++i) sections[controlKey(c.name, i)] = s.name;
        }
    return sections;
}

std::string valueText(const Control& c) {
    switch (c.kind) {
        case ControlKind::Text:
            return EscapeManifestValue(c.text);
        case ControlKind::List: {
            std::string v = std::to_string(c.value);
            if (c.value >= 0 && c.value < static_cast<int>(c.entries.size()))
                v += "|" + EscapeManifestValue(c.entries[c.value]);
            return v;
        }
        default:
            return std::to_string(c.value);
    }
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool parseInt(std::string_view s, int& out) {
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size();
}

// Collects the lines that could not be applied.
class Problems {
public:
    explicit Problems(const std::string& path) : m_path(path) {}
    void add(int line, const std::string& message) {
        m_errors.push_back({m_path, "line " + std::to_string(line) + ": " + message});
    }
    std::vector<Error> take() { return std::move(m_errors); }

private:
    const std::string& m_path;
    std::vector<Error> m_errors;
};

void applyProjectValue(Document& doc, std::string_view key, std::string_view raw, int line, Problems& problems,
                       int& version) {
    const std::string value = UnescapeManifestValue(raw);
    auto number = [&](int& field) {
        if (!parseInt(value, field)) problems.add(line, std::string(key) + " takes a whole number");
    };
    if (key == "Version") {
        if (!parseInt(value, version)) problems.add(line, "Version takes a whole number");
    } else if (key == "BackgroundImagePath") {
        doc.BackgroundImagePath = value;
    } else if (key == "BackgroundImageTitle") {
        doc.BackgroundImageTitle = value;
    } else if (key == "ExtraImagePath") {
        doc.ExtraImagePath = value;
    } else if (key == "ExtraImageTitle") {
        doc.ExtraImageTitle = value;
    } else if (key == "combinedPictureFlag") {
        number(doc.combinedPictureFlag);
    } else if (key == "lastEqBelow") {
        // Written by version 1; the value it kept is no longer needed.
    } else {
        problems.add(line, "unknown project value " + QuoteForMessage(key));
    }
}

// "5|Glass": the entry when the list has it, else the index; "Glass" alone: the entry.
void applyListValue(Document& doc, ControlName name, int index, std::string_view raw, int line,
                    Problems& problems) {
    Control& c = doc.control(name, index);
    const std::size_t bar = raw.find('|');
    int stored = -1;
    const bool hasIndex = parseInt(raw.substr(0, bar), stored);
    const std::string entry =
        hasIndex ? (bar == std::string_view::npos ? std::string() : UnescapeManifestValue(raw.substr(bar + 1)))
                 : UnescapeManifestValue(raw);
    if (!entry.empty())
        if (const std::optional<int> found = FindListEntry(c, {name, index}, entry)) {
            doc.setValue(name, index, *found);
            return;
        }
    if (hasIndex && stored >= -1 && stored < static_cast<int>(c.entries.size())) {
        doc.setValue(name, index, stored);
        return;
    }
    problems.add(line, controlKey(name, index) + " has no entry " +
                           (entry.empty() ? QuoteForMessage(raw) : QuoteForMessage(entry)) + " to select");
}

void applyControlValue(Document& doc, std::string_view key, std::string_view raw, int line, Problems& problems,
                       int version) {
    const auto ref = doc.controlByWritten(key);
    if (!ref) {
        // Version 1 also stored the window's current pages, which are no controls of the skin
        // any more: such lines are passed over in silence.
        if (version == kFirstManifestVersion) return;
        problems.add(line, "there is no control named " + QuoteForMessage(key));
        return;
    }
    const auto [name, index] = *ref;
    const Control& c = doc.control(name, index);
    switch (c.kind) {
        case ControlKind::Text:
            doc.setText(name, index, UnescapeManifestValue(raw));
            return;
        case ControlKind::List:
            applyListValue(doc, name, index, raw, line, problems);
            return;
        case ControlKind::Option:
            // Only the selected option of a group is applied; selecting it clears the others.
            if (raw == "0") return;
            break;
        default:
            break;
    }
    if (Status set = doc.setByName(key, raw); !set) problems.add(line, set.error().message);
}

// The outlines of the last region trace, in the text form of the region work files: a count
// text and a point text for each area.
struct StoredOutlineKey {
    std::string_view key;
    bool equalizer;  // area 1, else area 0
    bool points;     // the point text, else the count text
};
constexpr StoredOutlineKey kStoredOutlineKeys[] = {
    {"MainCounts", false, false},
    {"MainPoints", false, true},
    {"EqualizerCounts", true, false},
    {"EqualizerPoints", true, true},
};
static_assert(std::size(kStoredOutlineKeys) == 4);

void appendStoredOutlines(std::string& text, const RegionOutlines& held) {
    const OutlineTexts main = OutlineTextsOf(held.main);
    const OutlineTexts equalizer = OutlineTextsOf(held.equalizer);
    text += "\n[" + std::string(kManifestRegionSection) + "]\n";
    for (const StoredOutlineKey& k : kStoredOutlineKeys) {
        const OutlineTexts& area = k.equalizer ? equalizer : main;
        text.append(k.key).append("=").append(k.points ? area.points : area.counts).append("\n");
    }
}

// The lines of the [RegionTrace] section as they are read; the outlines are made from them once
// the whole text is read, since counts and points stand on separate lines.
class StoredOutlines {
public:
    void sectionMet(int line) {
        if (m_line == 0) m_line = line;
    }
    void add(std::string_view key, std::string_view value, int line, Problems& problems) {
        for (std::size_t i = 0; i < std::size(kStoredOutlineKeys); ++i)
            if (kStoredOutlineKeys[i].key == key) {
                m_texts[i] = std::string(value);
                return;
            }
        problems.add(line, "unknown region outline value \"" + std::string(key) + "\"");
    }
    // The outlines the section held; none (and a problem) when a count and point text disagree.
    void apply(Document& doc, Problems& problems) const {
        if (m_line == 0) return;
        auto main = ParseOutlineTexts(m_texts[0], m_texts[1]);
        auto equalizer = ParseOutlineTexts(m_texts[2], m_texts[3]);
        for (const auto* area : {&main, &equalizer})
            if (!*area) {
                problems.add(m_line, "the stored region outlines are damaged (" + area->error().message +
                                         "); trace the region picture again");
                return;
            }
        doc.setRegionOutlines({.traced = true, .main = std::move(*main), .equalizer = std::move(*equalizer)});
        doc.setEnabled(ctl::RegionCheck, -1, true);  // as a finished trace leaves it
    }

private:
    int m_line = 0;  // where the section began; 0 when there is none
    std::string m_texts[std::size(kStoredOutlineKeys)];
};

}  // namespace

std::string EscapeManifestValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (char ch : value) {
        switch (ch) {
            case '\\': out += "\\\\"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            default: out += ch;
        }
    }
    return out;
}

std::string UnescapeManifestValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
            case 'r': out += '\r'; break;
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            default: out += value[i];  // "\\" and any other escaped character stand for themselves
        }
    }
    return out;
}

std::string ManifestText(const Document& doc) {
    std::string text = "; Pelterra project: control values by their system names, and the pictures' paths\n";
    text += "[" + std::string(kManifestProjectSection) + "]\n";
    auto line = [&text](std::string_view key, const std::string& value) {
        text.append(key).append("=").append(value).append("\n");
    };
    line("Version", std::to_string(kManifestVersion));
    line("BackgroundImagePath", EscapeManifestValue(doc.BackgroundImagePath));
    line("BackgroundImageTitle", EscapeManifestValue(doc.BackgroundImageTitle));
    line("ExtraImagePath", EscapeManifestValue(doc.ExtraImagePath));
    line("ExtraImageTitle", EscapeManifestValue(doc.ExtraImageTitle));
    line("combinedPictureFlag", std::to_string(doc.combinedPictureFlag));

    const auto sections = sectionsByKey();
    auto sectionOf = [&](const std::string& key) {
        const auto it = sections.find(key);
        return it == sections.end() ? kDefaultSection : it->second;
    };
    std::vector<std::string_view> written;
    for (const ManifestSection& s : kSections) {
        if (std::find(written.begin(), written.end(), s.name) != written.end()) continue;
        written.push_back(s.name);
        text += "\n[" + std::string(s.name) + "]\n";
        for (const std::string& key : doc.controlKeys()) {
            if (sectionOf(key) != s.name) continue;
            if (const auto ref = doc.controlByWritten(key)) line(key, valueText(doc.control(ref->name, ref->index)));
        }
    }
    if (doc.regionOutlines().traced) appendStoredOutlines(text, doc.regionOutlines());
    return text;
}

std::vector<Error> ApplyManifest(Document& doc, std::string_view text, const std::string& path) {
    Problems problems(path);
    int version = kManifestVersion;  // a manifest without a Version line is read as the current one
    // The outline counts this text restores belong to its own trace, not to one made before.
    doc.setRegionOutlines({});
    StoredOutlines outlines;
    std::string section;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view full = text.substr(0, end);
        if (!full.empty() && full.back() == '\r') full.remove_suffix(1);
        const std::string_view raw = trimmed(full);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (raw.empty() || raw.front() == ';' || raw.front() == '#') continue;
        if (raw.front() == '[') {
            if (raw.back() != ']') problems.add(lineNumber, "a section name ends with ']'");
            section = std::string(trimmed(raw.substr(1, raw.size() - (raw.back() == ']' ? 2 : 1))));
            if (section == kManifestRegionSection) outlines.sectionMet(lineNumber);
            continue;
        }
        // The value is taken as written, spaces included; only the name is trimmed.
        const std::size_t eq = full.find('=');
        if (eq == std::string_view::npos) {
            problems.add(lineNumber, QuoteForMessage(raw) + " is not NAME=VALUE");
            continue;
        }
        const std::string_view key = trimmed(full.substr(0, eq));
        const std::string_view value = full.substr(eq + 1);
        if (section == kManifestProjectSection)
            applyProjectValue(doc, key, value, lineNumber, problems, version);
        else if (section == kManifestRegionSection)
            outlines.add(key, value, lineNumber, problems);
        else
            applyControlValue(doc, key, value, lineNumber, problems, version);
    }
    outlines.apply(doc, problems);
    // A checked "Region.txtを出力する" that the project restores without a trace must stay
    // within reach: the save refuses it until the user traces again or unchecks it.
    if (doc.isChecked(ctl::RegionCheck)) doc.setEnabled(ctl::RegionCheck, -1, true);
    SyncLinkBoxes(doc);  // the mask lists follow their restored link boxes
    return problems.take();
}

}  // namespace pelterra
