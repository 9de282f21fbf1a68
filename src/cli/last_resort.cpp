#include "last_resort.h"

#include <exception>
#include <new>

namespace pelterra::cli {

int RunGuarded(const std::function<int()>& command, std::ostream& err) {
    try {
        return command();
    } catch (const std::bad_alloc&) {
        err << "pelterra-cli: internal error: out of memory\n";
    } catch (const std::exception& e) {
        err << "pelterra-cli: internal error: " << e.what() << '\n';
    } catch (...) {
        err << "pelterra-cli: internal error: an exception of unknown kind\n";
    }
    return kExitInternalError;
}

}  // namespace pelterra::cli
