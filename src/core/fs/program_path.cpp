#include "fs/program_path.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "fs/ignore_case.h"
#include "fs/system_reason.h"

namespace pelterra {
namespace fs = std::filesystem;

namespace {

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool entryExists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

// Calls `visit` with each entry of `folder`. Stepping on is done with an error code: the range
// loop's operator++ would throw when an entry cannot be read. Returns the first error.
template <typename Visit>
std::error_code forEachEntry(const fs::path& folder, Visit&& visit) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) visit(*it);
    return ec;
}

// How the path reads when it cannot be found: base plus the tail with the platform separator.
std::string describeMissing(const fs::path& base, const std::vector<std::string>& components) {
    fs::path shown = base;
    for (const auto& component : components) shown /= component;
    return shown.string();
}

// The entry of `folder` named `name` ignoring case; when `mustBeFolder` only folders count.
std::optional<fs::path> findEntryIgnoringCase(const fs::path& folder, const std::string& name, bool mustBeFolder) {
    const fs::path exact = folder / name;
    if (mustBeFolder ? isFolder(exact) : entryExists(exact)) return exact;

    std::optional<std::string> best;
    const std::error_code ec = forEachEntry(folder, [&](const fs::directory_entry& entry) {
        const std::string candidate = entry.path().filename().string();
        if (!equalsIgnoringCase(candidate, name)) return;
        std::error_code typeError;
        if (mustBeFolder && !entry.is_directory(typeError)) return;
        if (!best || candidate < *best) best = candidate;
    });
    if (ec || !best) return std::nullopt;
    return folder / *best;
}

Error climbingError(const fs::path& base, const std::vector<std::string>& components) {
    return Error{describeMissing(base, components),
                 CoreMessage::wording("the path leaves the program's folder (\"..\" is not allowed)")};
}

enum class LastName { MustExist, MayBeNew };

Result<fs::path> resolveComponents(const fs::path& base, const std::vector<std::string>& components, LastName last) {
    if (std::find(components.begin(), components.end(), "..") != components.end())
        return climbingError(base, components);
    if (!isFolder(base)) return Error{base.string(), CoreMessage::wording("folder not found")};

    fs::path current = base;
    for (std::size_t i = 0; i < components.size(); ++i) {
        const bool isLast = i + 1 == components.size();
        const auto found = findEntryIgnoringCase(current, components[i], !isLast);
        if (found) {
            current = *found;
        } else if (isLast && last == LastName::MayBeNew) {
            current /= components[i];
        } else {
            return Error{describeMissing(base, components),
                         isLast ? Words(CoreMessage::wording("file or folder not found"))
                                : Words(CoreMessage::wording("folder \"%1\" not found"), {components[i]})};
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
    if (ec) return Error{folder.string(), CoreMessage::wording("cannot read the folder: %1"), {SystemReason(ec)}};
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
