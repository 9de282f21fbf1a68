#include "fs/program_path.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "fs/ignore_case.h"
#include "fs/system_reason.h"

namespace pelterra {
namespace fs = std::filesystem;

namespace {

// Calls `visit` with each entry of `folder`. Stepping on is done with an error code: the range
// loop's operator++ would throw when an entry cannot be read. Returns the first error.
template <typename Visit>
std::error_code forEachEntry(const fs::path& folder, Visit&& visit) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) visit(*it);
    return ec;
}

// How the path reads when it cannot be found: base plus the tail, joined as the system joins paths.
std::string describeMissing(const fs::path& base, const std::vector<std::string>& components) {
    fs::path shown = base;
    for (const auto& component : components) shown /= component;
    return shown.string();
}

// Not there under that spelling, as opposed to there but out of reach.
bool isAbsence(const std::error_code& ec) {
    return ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory;
}

constexpr Wording kBaseNotFound = CoreMessage::wording("folder not found");
constexpr Wording kFileNotFound = CoreMessage::wording("file or folder not found");
constexpr Wording kFolderNotFound = CoreMessage::wording("folder \"%1\" not found");
constexpr Wording kFolderUnreadable = CoreMessage::wording("cannot read the folder: %1");

constexpr Wording kEntryUnreachable = CoreMessage::wording("cannot be reached: %1");

// What looking for one name in a folder came to: the entry, or why there is none. An error is
// set only when something could not be looked at (a folder without read or search permission, a
// circle of links); a name that is simply not there leaves it clear.
struct Lookup {
    std::optional<fs::path> found;
    std::error_code error;
    fs::path unreachable;  // what could not be looked at, when there is an error
    bool folderUnreadable = false;  // it is the folder whose entries could not be listed
};

// The entry of `folder` named `name` ignoring case; when `mustBeFolder` only folders count.
Lookup findEntryIgnoringCase(const fs::path& folder, const std::string& name, bool mustBeFolder) {
    const fs::path exact = folder / name;
    std::error_code exactError;
    const fs::file_status status = fs::status(exact, exactError);
    if (mustBeFolder ? fs::is_directory(status) : fs::exists(status)) return {exact, {}};

    std::optional<std::string> best;
    const std::error_code listError = forEachEntry(folder, [&](const fs::directory_entry& entry) {
        const std::string candidate = entry.path().filename().string();
        if (!equalsIgnoringCase(candidate, name)) return;
        std::error_code typeError;
        if (mustBeFolder && !entry.is_directory(typeError)) return;
        if (!best || candidate < *best) best = candidate;
    });
    if (listError) return {std::nullopt, listError, folder, true};
    if (best) return {folder / *best, {}};
    if (!exactError || isAbsence(exactError)) return {};
    return {std::nullopt, exactError, exact, false};
}

Error climbingError(const fs::path& base, const std::vector<std::string>& components) {
    return Error{describeMissing(base, components),
                 CoreMessage::wording("the path leaves the program's folder (\"..\" is not allowed)")};
}

enum class LastName { MustExist, MayBeNew };

Result<fs::path> resolveComponents(const fs::path& base, const std::vector<std::string>& components, LastName last) {
    if (std::find(components.begin(), components.end(), "..") != components.end())
        return climbingError(base, components);
    std::error_code baseError;
    if (!fs::is_directory(fs::status(base, baseError))) {
        if (baseError && !isAbsence(baseError))
            return Error{base.string(), kFolderUnreadable, {SystemReason(baseError)}};
        return Error{base.string(), kBaseNotFound};
    }

    fs::path current = base;
    for (std::size_t i = 0; i < components.size(); ++i) {
        const bool isLast = i + 1 == components.size();
        const Lookup lookup = findEntryIgnoringCase(current, components[i], !isLast);
        if (lookup.found) {
            current = *lookup.found;
        } else if (lookup.error) {
            // What could not be looked at, and why: not "not found", which would send the user
            // looking for a file that is there.
            return Error{lookup.unreachable.string(), lookup.folderUnreadable ? kFolderUnreadable : kEntryUnreachable,
                         {SystemReason(lookup.error)}};
        } else if (isLast && last == LastName::MayBeNew) {
            current /= components[i];
        } else {
            return Error{describeMissing(base, components),
                         isLast ? Words(kFileNotFound) : Words(kFolderNotFound, {components[i]})};
        }
    }
    return current;
}

Result<std::vector<std::string>> listEntries(const fs::path& folder, bool wantFolders) {
    std::vector<std::string> names;
    const std::error_code ec = forEachEntry(folder, [&](const fs::directory_entry& entry) {
        std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == '.') return;
        std::error_code typeError;
        const bool matches = wantFolders ? entry.is_directory(typeError) : entry.is_regular_file(typeError);
        if (matches) names.push_back(std::move(name));
    });
    if (ec) return Error{folder.string(), kFolderUnreadable, {SystemReason(ec)}};
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::vector<std::string> splitProgramPathTail(std::string_view tail) {
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= tail.size()) {
        const std::size_t end = tail.find_first_of("\\/", start);
        const std::string_view piece = tail.substr(start, end == std::string_view::npos ? tail.size() - start : end - start);
        if (!piece.empty() && piece != ".") components.emplace_back(piece);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return components;
}

Result<fs::path> resolveProgramPath(const fs::path& base, std::string_view tail) {
    return resolveComponents(base, splitProgramPathTail(tail), LastName::MustExist);
}

bool isNotFound(const Error& error) {
    const std::string& wording = error.words.text();
    return wording == kBaseNotFound.english() || wording == kFileNotFound.english() ||
           wording == kFolderNotFound.english();
}

bool isOrdinaryFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool programFileExists(const fs::path& base, std::string_view tail) {
    const auto resolved = resolveProgramPath(base, tail);
    return resolved.ok() && isOrdinaryFile(resolved.value());
}

Result<fs::path> resolveProgramPathForWriting(const fs::path& base, std::string_view tail) {
    const auto components = splitProgramPathTail(tail);
    if (components.empty()) return Error{base.string(), CoreMessage::wording("no file name given")};
    return resolveComponents(base, components, LastName::MayBeNew);
}

Result<std::vector<std::string>> listOrdinaryFiles(const fs::path& folder) { return listEntries(folder, false); }

Result<std::vector<std::string>> listSubfolders(const fs::path& folder) { return listEntries(folder, true); }

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
    return std::filesystem::absolute(argv0, ec).parent_path();
}

}  // namespace pelterra
