// The Japanese words the core hands the window as they are written in its tables: the progress of
// the region trace, the captions of the playlist's cut-out buttons and the notice about a picture
// of the wrong size. The core keeps them as the program's own words; the
// window shows them in the user's language.
#pragma once

#include <string_view>

#include <QString>

namespace pelterra::app {

// `words` in the user's language: its translation when it has one, else `words` as they stand
// (a caption such as "Active1" reads the same in every language).
QString coreCaption(std::string_view words);

// A progress line of the core ("7/116 終了" while the outline is traced), with its number kept as
// it is and the rest in the user's language; any other text as coreCaption words it.
QString coreProgressLine(std::string_view line);

}  // namespace pelterra::app
