// The two steps every main-window sheet is made of: background cuts from the backdrop, and
// laying a part over the whole sheet with the Mix mode of its row on the mixing window.
#pragma once

#include <span>
#include <string_view>

#include "sheets/skin_sheets.h"
#include "document/document.h"

namespace pelterra {

// True when the mix row r of the main window lays its part with MaskBlendBitwise
// ("Pelterra標準" selected); otherwise the part goes through MaskBlendAdditive ("世間の標準").
bool usesBitwiseBlend(const Document& doc, int mixRow);

// The background cuts and track frames of a sheet's row, from the backdrop, in table order.
void ApplySheetCuts(Document& doc, const SkinSheet& sheet);

// Lays picData(part) / picMask(part) over the width x height sheet at (0, 0) with the Mix mode
// of `mixRow`. The bitwise path hands the work mask back by assign, so sheet pixels beyond the
// part become white; the additive path reads them as a white part pixel, which gives the same.
void BlendPartOverSheet(Document& doc, Bitmap& sheet, int width, int height, int part, int mixRow);

}  // namespace pelterra
