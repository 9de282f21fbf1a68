// Paths below the program's folder. The program writes them as a tail with backslashes
// ("\PartsData\cbuttons\data\x.bmp") and means one file whatever the letter case of each
// name; on a case-sensitive file system each component is looked up among the real entries
// of its folder without regard to case.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "result.h"

namespace pelterra {

// The folder of the running executable, where PartsData lies beside the program; argv[0] made
// absolute where /proc/self/exe cannot be read.
std::filesystem::path ExecutableFolder(const char* argv0);

// The components of a tail: split at '\' and '/', empty components (doubled separators, a
// leading or trailing one) and "." dropped. ".." is kept so that resolving can refuse it.
std::vector<std::string> splitProgramPathTail(std::string_view tail);

// The real path of base + tail, each component of the tail matched against the entries of its
// folder ignoring letter case. An exact match wins; among names that differ only in case the
// byte-wise smallest is taken. Every component but the last must be a folder. Fails when a
// component is missing (isNotFound), when a folder on the way cannot be read (the error names
// that folder and the reason, "permission denied") or when the tail climbs out of base with "..".
Result<std::filesystem::path> resolveProgramPath(const std::filesystem::path& base, std::string_view tail);

// True when an error of resolveProgramPath says that something is not there, rather than out of
// reach or refused.
bool isNotFound(const Error& error);

// True when `path` is an ordinary file (or a link to one); false as well when it cannot be looked at.
bool isOrdinaryFile(const std::filesystem::path& path);

// True when resolveProgramPath finds an ordinary file (not a folder) there.
bool programFileExists(const std::filesystem::path& base, std::string_view tail);

// For writing: every folder of the tail is resolved as above and must exist; the last name
// takes the case of an existing entry that matches it, or stays as written when there is none.
Result<std::filesystem::path> resolveProgramPathForWriting(const std::filesystem::path& base,
                                                           std::string_view tail);

// Names of the ordinary files of a folder (following symbolic links), without folders and
// without hidden files (names beginning with '.'), sorted byte-wise. Fails when the folder
// cannot be read.
Result<std::vector<std::string>> listOrdinaryFiles(const std::filesystem::path& folder);

// Names of the sub-folders of a folder, hidden ones left out, sorted byte-wise.
Result<std::vector<std::string>> listSubfolders(const std::filesystem::path& folder);

}  // namespace pelterra
