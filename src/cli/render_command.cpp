// pelterra-cli render: reads a skin (a folder, a .wsz or a .zip, in memory) and draws its windows
// as players draw them into a PNG. A skin that cannot be read at all (no such file, not a ZIP
// archive, a damaged or crafted one) is one error and exit 1; missing sheets are drawn as
// placeholders and listed as warnings, and the command still succeeds.
#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "commands.h"
#include "fs/atomic_file.h"
#include "image/picture_size.h"
#include "player/skin_reader.h"
#include "render_png.h"
#include "text/quote.h"

namespace pelterra::cli {

namespace {

struct RenderOptions {
    std::optional<std::filesystem::path> skin;
    std::optional<std::filesystem::path> output;
    PlayerWindow window = PlayerWindow::All;
    int scale = 1;
    PlayerView view;
};

struct WindowWord {
    std::string_view word;
    PlayerWindow window;
};
constexpr WindowWord kWindowWords[] = {
    {"main", PlayerWindow::Main},
    {"equalizer", PlayerWindow::Equalizer},
    {"playlist", PlayerWindow::Playlist},
    {"all", PlayerWindow::All},
};

struct ButtonWord {
    std::string_view word;
    PlayerButton button;
};
constexpr ButtonWord kButtonWords[] = {
    {"previous", PlayerButton::Previous}, {"play", PlayerButton::Play},         {"pause", PlayerButton::Pause},
    {"stop", PlayerButton::Stop},         {"next", PlayerButton::Next},         {"eject", PlayerButton::Eject},
    {"shuffle", PlayerButton::Shuffle},   {"repeat", PlayerButton::Repeat},     {"eq", PlayerButton::EqualizerToggle},
    {"pl", PlayerButton::PlaylistToggle}, {"menu", PlayerButton::Menu},         {"minimise", PlayerButton::Minimise},
    {"shade", PlayerButton::Shade},       {"close", PlayerButton::Close},       {"position", PlayerButton::PositionKnob},
    {"volume", PlayerButton::VolumeKnob}, {"balance", PlayerButton::BalanceKnob}, {"on", PlayerButton::EqOn},
    {"auto", PlayerButton::EqAuto},       {"presets", PlayerButton::EqPresets}, {"eqclose", PlayerButton::EqClose},
    {"sliders", PlayerButton::EqSliderKnobs}, {"scroll", PlayerButton::PlaylistScroll},
};
static_assert(std::size(kButtonWords) == kPlayerButtonCount);

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool readWindow(const std::string& word, RenderOptions& o) {
    for (const WindowWord& w : kWindowWords)
        if (w.word == word) {
            o.window = w.window;
            return true;
        }
    std::cerr << "render: --window takes main, equalizer, playlist or all, not " << QuoteForMessage(word) << '\n';
    return false;
}

bool readScale(const std::string& word, RenderOptions& o) {
    const auto scale = wholeNumber(word);
    if (scale && *scale >= 1 && *scale <= kMaxRenderScale) {
        o.scale = *scale;
        return true;
    }
    std::cerr << "render: --scale takes a whole number from 1 to " << kMaxRenderScale << ", not " << QuoteForMessage(word) << '\n';
    return false;
}

bool readPlaylistSize(const std::string& word, RenderOptions& o) {
    const std::size_t x = word.find_first_of("xX");
    const auto width = x == std::string::npos ? std::nullopt : wholeNumber(std::string_view(word).substr(0, x));
    const auto height = x == std::string::npos ? std::nullopt : wholeNumber(std::string_view(word).substr(x + 1));
    if (width && height && IsPlaylistSize(*width, *height)) {
        o.view.playlistWidth = *width;
        o.view.playlistHeight = *height;
        return true;
    }
    std::cerr << "render: --playlist-size takes WxH as players size the playlist: 275 + 25n by 116 + 29m (275x116, "
                 "300x145, 350x174, ...), up to " << kMaxPlaylistSide << ", not " << QuoteForMessage(word) << '\n';
    return false;
}

bool readPressed(const std::string& words, RenderOptions& o) {
    std::size_t start = 0;
    while (start <= words.size()) {
        const std::size_t end = std::min(words.find(',', start), words.size());
        const std::string_view word = std::string_view(words).substr(start, end - start);
        bool known = false;
        for (const ButtonWord& b : kButtonWords)
            if (b.word == word) {
                o.view.press(b.button);
                known = true;
            }
        if (!known) {
            std::cerr << "render: --pressed takes names separated by commas (";
            for (const ButtonWord& b : kButtonWords) std::cerr << (&b == kButtonWords ? "" : ", ") << b.word;
            std::cerr << "), not " << QuoteForMessage(word) << '\n';
            return false;
        }
        start = end + 1;
    }
    return true;
}

std::optional<RenderOptions> parseOptions(CommandArgs args) {
    RenderOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* what) -> const std::string* {
            if (i + 1 >= args.size()) {
                std::cerr << "render: " << QuoteForMessage(a) << " needs " << what << '\n';
                return nullptr;
            }
            return &args[++i];
        };
        const std::string* v = nullptr;
        if (a == "-o" || a == "--output") {
            if (!(v = value("the PNG file to write"))) return std::nullopt;
            o.output = *v;
        } else if (a == "--window") {
            if (!(v = value("main, equalizer, playlist or all")) || !readWindow(*v, o)) return std::nullopt;
        } else if (a == "--scale") {
            if (!(v = value("a whole number")) || !readScale(*v, o)) return std::nullopt;
        } else if (a == "--playlist-size") {
            if (!(v = value("WxH")) || !readPlaylistSize(*v, o)) return std::nullopt;
        } else if (a == "--pressed") {
            if (!(v = value("the names of the buttons held down")) || !readPressed(*v, o)) return std::nullopt;
        } else if (a == "--shade") {
            o.view.shade = true;
        } else if (a == "--inactive") {
            o.view.active = false;
        } else if (!a.empty() && a[0] == '-') {
            std::cerr << "render: unknown option " << QuoteForMessage(a) << '\n';
            return std::nullopt;
        } else if (o.skin) {
            std::cerr << "render: only one skin can be drawn (" << QuoteForMessage(o.skin->string()) << ", "
                      << QuoteForMessage(a) << ")\n";
            return std::nullopt;
        } else {
            o.skin = a;
        }
    }
    if (!o.skin) {
        std::cerr << "render: name the skin to draw (a folder, a .wsz or a .zip)\n";
        return std::nullopt;
    }
    if (!o.output) {
        std::cerr << "render: say where the picture goes with -o OUT.png\n";
        return std::nullopt;
    }
    return o;
}

int fail(const Error& error) {
    std::cerr << "pelterra-cli render: " << error.describe() << '\n';
    return kExitFailure;
}

}  // namespace

int runRender(const CommandContext&, CommandArgs args) {
    const auto options = parseOptions(args);
    if (!options) return kExitUsage;
    if (Status target = CheckFileTarget(*options->output); !target) return fail(target.error());
    const PlayerImageSize size = SizeOfPlayerImage(options->view, options->window, options->scale);
    if (Status fits = CheckPictureToMake(size.width, size.height); !fits) {
        std::cerr << "pelterra-cli render: " << fits.error().describe()
                  << " (choose a smaller --scale or --playlist-size)\n";
        return kExitFailure;
    }
    auto skin = ReadSkin(*options->skin);
    if (!skin) return fail(skin.error());
    PrintSkinNotes(*skin, "render");
    if (Status written = WritePlayerPng(*skin, options->view, options->window, options->scale, *options->output); !written)
        return fail(written.error());
    std::cout << options->output->string() << '\n';
    return kExitOk;
}

}  // namespace pelterra::cli
