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
// title before its first ".". A name that would leave the base folder (a path separator, "..")
// or is empty is refused with a message.
Result<Destination> ResolveDestination(const Document& doc);

}  // namespace pelterra
