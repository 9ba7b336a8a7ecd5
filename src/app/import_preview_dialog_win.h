#pragma once

#include "exchange/import_plan.h"

#include <windows.h>

#include <vector>

// The import's preview: every row of the file with where it goes and what
// happens to it, under the mode the user picks (Add or Replace), which
// plans the rows again. The report can be saved from here. OK hands back
// the plan to apply; Cancel leaves everything as it was.
struct ImportPreview {
    const SettingsMirror* mirror = nullptr; // the book the rows go into
    std::vector<ExchangeRow> rows;
    CalendarDate today;
    ImportPlan plan;
};

bool showImportPreview(HWND owner, ImportPreview& preview);
