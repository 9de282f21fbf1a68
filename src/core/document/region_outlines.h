// The outlines of the last region trace, as the document holds them from the trace to the save.
// region.txt and the preview window's shape are made from these, never read back from the work
// files region1.txt..region4.txt: those lie in a folder every run of the program shares, so a
// second trace running at the same time could have replaced them in between.
#pragma once

#include <vector>

#include "image/bitmap.h"

namespace pelterra {

// One outline polygon in image coordinates, repeated points included, as the trace wrote it.
using Outline = std::vector<Point>;

struct RegionOutlines {
    bool traced = false;             // a trace has run (or a project brought one back)
    std::vector<Outline> main;       // RegionArea(0), the main window, in trace order
    std::vector<Outline> equalizer;  // RegionArea(1); empty when the picture had no equalizer half

    bool operator==(const RegionOutlines&) const = default;
};

}  // namespace pelterra
