#pragma once

// Shared by the tool tests: running zelt-dat as a process and reading files
// whole.

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

struct ToolResult {
    int exitCode = -1;
    std::string output;
};

// Runs zelt-dat with `arguments`, pointed at `machineAddress` when one is
// given, and collects what it prints on either stream.
inline ToolResult runZeltDat(const std::string& arguments, const std::string& machineAddress = "") {
    const std::string command =
        (machineAddress.empty() ? "" : "ZELT_MACHINE_ADDRESS=" + machineAddress + " ") +
        std::string(ZELT_TOOLS_DIR) + "/zelt-dat " + arguments + " 2>&1";
    ToolResult result;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    size_t got = 0;
    while (pipe != nullptr && (got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), got);
    const int status = pipe != nullptr ? pclose(pipe) : -1;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
