#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace harness {

// The file the prefix's default printer writes each job to, or "" when the
// prefix has no default printer.
std::wstring defaultPrinterOutput();

// The host's (Linux) path of a Windows path, or "".
std::string hostPath(const std::wstring& windowsPath);

// Runs `commandLine` with the host's /bin/sh and waits for it; true when it
// ended with 0. Lets the tests use the host's PostScript tools.
bool runHostShell(const std::string& commandLine);

// The PostScript job `job` rendered by the host's tools: a PNG of every page
// as out/printed/<name>-<page>.png, and the job's text as pdftotext reads
// it, which the function returns ("" when it could not be rendered).
std::string renderPrintedJob(const std::wstring& job, std::string_view name);

} // namespace harness
