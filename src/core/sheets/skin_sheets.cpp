#include "sheets/skin_sheets.h"

#include "document/document.h"

namespace pelterra {

bool IsWritten(const Document& doc, const SkinSheet& sheet) {
    return sheet.written.box.empty() || doc.isChecked(sheet.written.box) == sheet.written.whenChecked;
}

std::vector<const SkinSheet*> WrittenSheets(const Document& doc, SheetWindow window) {
    std::vector<const SkinSheet*> written;
    for (const SkinSheet& s : kSkinSheets)
        if (s.window == window && IsWritten(doc, s)) written.push_back(&s);
    return written;
}

}  // namespace pelterra
