#pragma once

#include <span>
#include <string>
#include <string_view>

// One subcommand of zelt-dat. `run` gets the arguments after the command
// name (UTF-8) and returns the process exit code.
struct ToolCommand {
    std::string_view name;
    std::string_view arguments; // shown in the usage text
    std::string_view summary;
    int (*run)(std::span<const std::string> arguments);
};

// Exit codes shared by every subcommand.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Subcommands, each in its own file.
int runDumpCommand(std::span<const std::string> arguments);
int runDownloadCommand(std::span<const std::string> arguments);
int runUploadCommand(std::span<const std::string> arguments);
int runExportCommand(std::span<const std::string> arguments);
int runImportCommand(std::span<const std::string> arguments);
int runDiffCommand(std::span<const std::string> arguments);

// Dispatches a full argument list (program name first) to its subcommand.
int runZeltDat(std::span<const std::string> arguments);
