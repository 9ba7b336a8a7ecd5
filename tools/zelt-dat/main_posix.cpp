#include "tool_commands.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv, argv + argc);
    return runZeltDat(arguments);
}
