#include "tool_commands.h"

#include <cstdio>

namespace {

// A new subcommand is one row here and one file beside this one.
constexpr ToolCommand kCommands[] = {
    {"dump", "FILE", "print a data file as JSON (the file is only read)", runDumpCommand},
    {"download", "FILE", "read every record from the machine into a data file", runDownloadCommand},
    {"upload", "FILE", "write a data file's records to the machine", runUploadCommand},
    {"export", "FILE OUT.csv|OUT.vcf [--with-passwords]",
     "write the phone book as CSV or vCards (passwords only when asked)", runExportCommand},
    {"import", "FILE IN.csv|IN.vcf [--replace]",
     "add (or with --replace, put in place of the phone book) the entries of a CSV or vCard file; "
     "prints what happens to each row",
     runImportCommand},
    {"diff", "A.DAT B.DAT [--json]", "what uploading B would change on a machine holding A",
     runDiffCommand},
};

void printUsage() {
    std::fputs("usage:\n", stderr);
    for (const ToolCommand& command : kCommands)
        std::fprintf(stderr, "  zelt-dat %.*s %.*s\n      %.*s\n",
                     static_cast<int>(command.name.size()), command.name.data(),
                     static_cast<int>(command.arguments.size()), command.arguments.data(),
                     static_cast<int>(command.summary.size()), command.summary.data());
}

} // namespace

int runZeltDat(std::span<const std::string> arguments) {
    if (arguments.size() >= 2)
        for (const ToolCommand& command : kCommands)
            if (arguments[1] == command.name)
                return command.run(arguments.subspan(2));
    printUsage();
    return kExitUsage;
}
