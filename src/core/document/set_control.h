// The one way a control changes: by its written name ("lstData(3)", ctl::chkFrameLink, "hscR_0"),
// after which the command that control stands for runs at once (a list choice loads its part, a
// colour bar recolours its group, a link box shows its mask list, ...). The command line's --set
// and every bound widget of the window come through here, so the two cannot drift apart.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "document/document.h"
#include "result.h"

namespace pelterra {

// Sets a control from text as --set takes it: a number, a list entry's text, or a text box's text
// with the escapes of the project manifest (\r, \n, \t, \\) standing for those characters. The
// control's command then runs. Errors: an unknown name or a value the control cannot take (nothing
// changes), or a command that failed (a part file that cannot be read: the error names it and the
// control keeps its value from before).
Status SetControl(Document& doc, const std::filesystem::path& programFolder, std::string_view written,
                  std::string_view value);
// The same for a value in the document's own form: a list index, 0/1 for a check box, 1 for an
// option, a scroll bar's value, a colour.
Status SetControlValue(Document& doc, const std::filesystem::path& programFolder, std::string_view written,
                       int value);
// The same for a text box.
Status SetControlText(Document& doc, const std::filesystem::path& programFolder, std::string_view written,
                      std::string text);
// The same two for a control the caller names by its handle.
Status SetControlValue(Document& doc, const std::filesystem::path& programFolder, ControlRef control, int value);
Status SetControlText(Document& doc, const std::filesystem::path& programFolder, ControlRef control,
                      std::string text);

}  // namespace pelterra
