#include "fs/read_file.h"

#include <fstream>
#include <sstream>

#include "text/words.h"

namespace pelterra {

Result<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Error{path.string(), CoreMessage::wording("cannot open the file")};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return Error{path.string(), CoreMessage::wording("reading the file failed")};
    return bytes.str();
}

}  // namespace pelterra
