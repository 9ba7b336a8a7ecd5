#include "startup_bench_win.h"

#include "workspace/model_string.h"
#include "workspace/workspace.h"
#include "full_phone_book.h"
#include "resource_ids.h"
#include "scratch_folder.h"
#include "store/data_file.h"
#include "string_table.h"
#include "win/win_text_win.h"

#include <windows.h>

#include <chrono>
#include <string>

namespace {

constexpr double kGoalRatio = 1.3;
constexpr DWORD kShowTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;

std::wstring programFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring file(path, length);
    return file.substr(0, file.find_last_of(L"\\/") + 1);
}

struct ShownWindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK matchShownWindow(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<ShownWindowSearch*>(state);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

// The first top-level window of the process to become visible, looked for
// every millisecond; null when the process ends or the time is up first.
HWND waitForShownWindow(const PROCESS_INFORMATION& process) {
    const ULONGLONG start = GetTickCount64();
    while (GetTickCount64() - start < kShowTimeoutMs) {
        ShownWindowSearch search{process.dwProcessId, nullptr};
        EnumWindows(matchShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

// Starts `executable`, times it until its window shows, then closes the
// window as a user would and waits for the process to end.
bool measureStart(const std::wstring& executable, double& seconds) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::wstring commandLine = L"\"" + executable + L"\"";
    const std::wstring folder = executable.substr(0, executable.find_last_of(L"\\/"));
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return false;
    HWND window = waitForShownWindow(process);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const bool ended = window != nullptr && PostMessageW(window, WM_CLOSE, 0, 0) &&
                       WaitForSingleObject(process.hProcess, kExitTimeoutMs) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, kExitTimeoutMs);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended;
}

// Copies the two programs into `folder` and gives the program the backup
// file it would find after an earlier run; empty paths on failure.
bool prepareCopies(const ScratchFolder& folder, std::wstring& program, std::wstring& bare) {
    const std::wstring source = programFolder();
    program = utf8ToWide(folder.file("Zelt.exe"));
    bare = utf8ToWide(folder.file("bare-window.exe"));
    StartupValues startup;
    parseModelString(stringTableText(IDS_MODEL), startup);
    const std::string backup = backupFilePath(wideToUtf8(program), startup.modelFamily);
    return folder.created() && CopyFileW((source + L"Zelt.exe").c_str(), program.c_str(), FALSE) &&
           CopyFileW((source + L"bare-window.exe").c_str(), bare.c_str(), FALSE) &&
           writeBackupFile(backup, fullPhoneBookImage());
}

} // namespace

void benchStartup(const BenchSettings& settings, BenchReport& report) {
    ScratchFolder folder;
    std::wstring program, bare;
    if (!prepareCopies(folder, program, bare)) {
        report.fail("cannot copy Zelt.exe and bare-window.exe beside a backup file");
        return;
    }
    SideBySide figures;
    if (!compareMeasuredRuns(
            settings.processPairs, [&](double& seconds) { return measureStart(program, seconds); },
            [&](double& seconds) { return measureStart(bare, seconds); }, figures)) {
        report.fail("a start did not show its window, or its window did not close");
        return;
    }
    report.add(sideBySideRow("Start-up to the main window shown, against a bare window (Wine)",
                             figures, kGoalRatio));
}
