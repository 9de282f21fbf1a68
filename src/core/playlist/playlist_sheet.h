// The playlist stage of the build: composes the 280x186 playlist sheet picPL (saved as
// pledit.bmp) from the playlist source picture, the playlist part slots and the composed button
// groups.
#pragma once

#include "document/document.h"

namespace pelterra {

// Runs only when "PLを出力する" (chkPLMake) is checked; otherwise changes nothing. The source is
// picPrePLmain(0) with "こっちを使う" (optPLPic(0)) and picPrePLmain(1) with "これを使う"; it is
// copied into MaskAndData.picTmp first. Parts are always laid with MaskBlendAdditive. The sheet is
// not cleared: pixels between the listed rectangles keep what they held.
void BuildPlaylistSheet(Document& doc);

}  // namespace pelterra
