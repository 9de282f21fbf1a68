// libFuzzer target for the readers of traced outlines: the value reader of the region work files,
// the strict reader of count and point texts that projects store, and the region.txt reader. Any
// bytes must give values, outlines or sections, or an error that says something; what is read
// must agree with itself, and outlines and sections written again must read back the same.
//
// The input is split at its first zero byte: the part before it is read as a count text and the
// part after it as a point text; the whole input is also read as one work file and as region.txt.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string_view>
#include <vector>

#include "region/outline_text.h"
#include "region/region_text_reader.h"

using namespace pelterra;

namespace {

void require(bool holds) {
    if (!holds) std::abort();
}

// Every value of a work file; the reader must end, and only by the end or a failure.
void readWorkValues(std::string_view text) {
    WorkValueReader reader(text);
    std::size_t values = 0;
    for (int v = 0; reader.next(v);) ++values;
    require(values <= text.size());  // every value takes at least one character
    int after = 0;
    require(!reader.next(after));  // once stopped, a reader stays stopped
}

void readOutlineTexts(std::string_view counts, std::string_view points) {
    auto outlines = ParseOutlineTexts(counts, points);
    if (!outlines) {
        require(!outlines.error().message.empty());
        return;
    }
    const OutlineTexts again = OutlineTextsOf(*outlines);
    auto reread = ParseOutlineTexts(again.counts, again.points);
    require(reread.ok() && *reread == *outlines);
}

void readRegionText(std::string_view text) {
    auto sections = ParseRegionText(text);
    if (!sections) {
        require(!sections.error().message.empty());
        return;
    }
    require(!sections->empty());
    for (const RegionTextSection& s : *sections) {
        const long long total = std::accumulate(s.numPoints.begin(), s.numPoints.end(), 0LL);
        require(total == static_cast<long long>(s.pointList.size()));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    readWorkValues(input);
    const std::size_t zero = input.find('\0');
    if (zero != std::string_view::npos) readOutlineTexts(input.substr(0, zero), input.substr(zero + 1));
    else readOutlineTexts(input, {});
    readRegionText(input);
    return 0;
}
