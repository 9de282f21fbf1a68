// Where a skin is saved: the base folder and the skin's name, from the save options of
// "環境設定" and the picture the skin was made from.
#pragma once

#include <filesystem>
#include <string>

#include "document/document.h"
#include "result.h"

namespace pelterra {

struct Destination {
    std::filesystem::path baseFolder;  // the folder the skin folder or archive goes into
    std::string name;                  // the skin folder's name, or the archive's without ".zip"
    bool zip = false;                  // "Zip圧縮して保存する"
    std::string archiveExtension = ".zip";  // the command line also packs ".wsz"

    std::filesystem::path skinFolder() const { return baseFolder / name; }
    std::filesystem::path archive() const { return baseFolder / (name + archiveExtension); }
    // The text of Label2: base + name + ".zip", or base + name + separator.
    std::string label() const;
};

// The source picture is ExtraImagePath/Title with "EQ部分だけ出力する" and "これを使う", else
// BackgroundImagePath/Title. The base folder is that picture's folder with "画像のある場所に…",
// else SaveDirText; the name is txtSaveFolda with "保存フォルダ名を自分で指定する", else the picture's
// title before its first ".". A name that CheckDestinationName refuses is refused with its message.
Result<Destination> ResolveDestination(const Document& doc);

// The one rule for the skin's name, wherever the destination comes from: a name that would leave
// the base folder (a path separator, "." or "..") or is empty is refused with a message.
Status CheckDestinationName(const Destination& destination);

// The destination a path names (the command line's -o): an archive for ".zip" and ".wsz" in any
// letter case (the suffix kept as written), else a folder; relative to the working folder; a
// trailing separator names the folder before it. ".", "..", "/" and the empty path name no skin
// of their own and are refused by CheckDestinationName.
Result<Destination> DestinationForOutput(const std::filesystem::path& output);

}  // namespace pelterra
