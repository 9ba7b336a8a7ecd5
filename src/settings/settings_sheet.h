#pragma once

#include "settings/page_table.h"
#include "workspace/workspace.h"

#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// One row of the settings sheet: the page's name, its dialog template (whose
// caption is the tab text) and its control table.
struct SheetPageRow {
    int titleId = 0;
    int templateId = 0;
    const PageDef& (*page)() = nullptr;
};

// Every page the sheet knows, in tab order.
std::span<const SheetPageRow> sheetPageTable();

// The pages the sheet offers: without the network interface kit the pages
// that need it are left out.
std::vector<const SheetPageRow*> offeredPages(const MachineInformation& information);

// One opening of the sheet: its pages and which of them hold edits that are
// not in the record image yet.
struct SheetSession {
    std::vector<const SheetPageRow*> pages;
    std::vector<bool> pending;
    std::vector<PageMemory> memory;
};

// What page `pageIndex` works on in this session.
PageContext pageContext(SheetSession& session, Workspace& workspace, int pageIndex);

SheetSession openSheetSession(const MachineInformation& information);

enum class ApplyOutcome { nothingPending, refused, packed };

struct ApplyResult {
    ApplyOutcome outcome = ApplyOutcome::nothingPending;
    int refusedPage = -1;
    std::optional<Refusal> refusal; // the page's own check, when it refused
};

// Apply is all or nothing: every page with a pending change must pass
// `pageAccepts` and its own check (in tab order) before anything is stored.
// Then each pending page stores what it held back, the mirror is packed into
// the store, the pending pages' text records take their lengths, and a
// changed network setting raises the workspace's network change flag.
// Packing clears every flag and marks the document modified; a refusal
// packs nothing and keeps every flag.
ApplyResult applySheet(SheetSession& session, Workspace& workspace,
                       const std::function<bool(int pageIndex)>& pageAccepts);

// What a numeric field's text is worth: a whole decimal number within
// minimum..maximum, nothing else.
enum class RangeVerdict { valid, notAnInteger, outOfRange };
RangeVerdict checkRange(std::string_view text, int minimum, int maximum);
