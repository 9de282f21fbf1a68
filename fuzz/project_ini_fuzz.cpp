// libFuzzer target for the project.ini reader: any bytes, taken as UTF-8 or converted from CP932,
// must apply to a fresh document without a crash. Every line it passes over is reported with the
// file and its line number, quoting the input safely (no control character, nothing long); and
// what was applied, written out again, must read back to the same document without a problem.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "project/manifest.h"
#include "project/manifest_encoding.h"
#include "text/encoding.h"

using namespace pelterra;

namespace {

constexpr const char* kPath = "project.ini";
// A problem names the line and quotes at most a name and a value, each cut to a few dozen
// characters; anything much longer let raw input through.
constexpr std::size_t kLongestProblem = 1000;

// Every list gets entries, so that a value naming an entry has something to find (Japanese among
// them, as the library's part names are). Built once; each input works on a copy.
const Document& documentWithLists() {
    static const Document doc = [] {
        Document d;
        for (const std::string& key : d.controlKeys()) {
            const auto ref = d.controlByWritten(key);
            if (ref && d.control(ref->name, ref->index).kind == ControlKind::List)
                d.setListEntries(ref->name, ref->index, {"Glass", "Metal", "ガラス", "a|b"}, 2);
        }
        return d;
    }();
    return doc;
}

bool safeToShow(const std::string& message) {
    if (message.size() > kLongestProblem || FirstInvalidUtf8(message) != std::string::npos) return false;
    for (unsigned char c : message)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

void checkProblems(const std::vector<Error>& problems) {
    for (const Error& problem : problems)
        if (problem.path != kPath || problem.message.rfind("line ", 0) != 0 || !safeToShow(problem.message))
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Result<ManifestBody> body = DecodeManifestBytes(bytes, kPath);
    if (!body.ok()) {
        if (body.error().path != kPath || body.error().message.empty()) std::abort();
        return 0;
    }
    if (FirstInvalidUtf8(body->text) != std::string::npos) std::abort();

    Document doc = documentWithLists();
    checkProblems(ApplyManifest(doc, body->text, kPath));

    const std::string written = ManifestText(doc);
    Document again = documentWithLists();
    if (!ApplyManifest(again, written, kPath).empty()) std::abort();
    if (ManifestText(again) != written) std::abort();
    return 0;
}
