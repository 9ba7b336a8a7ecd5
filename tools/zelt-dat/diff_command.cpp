// zelt-dat diff: what an Upload of the second data file would change on a
// machine holding the first, as the program's "Changes on the machine"
// dialog lists it.

#include "tool_commands.h"

#include "resource_ids.h"
#include "settings/image_changes.h"
#include "store/data_file.h"

#include <cstdio>
#include <memory>

int runDiffCommand(std::span<const std::string> arguments) {
    const bool json = arguments.size() == 3 && arguments[2] == "--json";
    if (arguments.size() != 2 && !json) {
        std::fputs("usage: zelt-dat diff A.DAT B.DAT [--json]\n", stderr);
        return kExitUsage;
    }
    auto images = std::make_unique<RecordStore[]>(2);
    for (size_t i = 0; i < 2; ++i) {
        initStore(images[i]);
        if (readDataFile(arguments[i], images[i]) != 1) {
            std::fprintf(stderr, "zelt-dat: cannot read %s\n", arguments[i].c_str());
            return kExitFailed;
        }
    }
    const std::vector<ImageChange> changes = describeImageChanges(images[0], images[1]);
    const std::string out =
        json ? imageChangesJson(changes) : imageChangesText(changes, IDS_CHANGES_COMPARE_NONE);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailed;
}
