// A parts library of a given size for start-up measurements and long-list tests: the generated
// library copied, then every group of part files in each folder (X.data.bmp, X.mask.bmp,
// X.back.bmp, X.bmp) brought up to `partsPerList` by links to its first file under the names
// zz0000, zz0001, ... so that data and mask files keep pairing by name. The parts of a category's
// data\ and mask\ folders stay as they were and join its lists after the others.
#pragma once

#include <filesystem>

namespace pelterra::test_support {

void makeBigLibrary(const std::filesystem::path& generatedProgramFolder, const std::filesystem::path& programFolder,
                    int partsPerList);

}  // namespace pelterra::test_support
