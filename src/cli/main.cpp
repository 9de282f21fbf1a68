// pelterra-cli: the command-line front end on the core.
#include <cstdio>

int main() {
    std::puts("pelterra-cli");
    return 0;
}
