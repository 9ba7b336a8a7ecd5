#include "harness/program_files.h"

#include "app/main_window_create_win.h"

#include <cwchar>

namespace harness {
namespace {

constexpr DWORD kPollIntervalMs = 20;

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK matchProcessWindow(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<WindowSearch*>(state);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    if (owner != search->processId || std::wcscmp(className, search->className) != 0 ||
        !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

void removeFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeFolder(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace

std::wstring programFolder() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

std::wstring zeltExecutablePath() {
    return programFolder() + L"\\Zelt.exe";
}

std::wstring testResourceLibraryPath() {
    return programFolder() + L"\\test_resource_library.dll";
}

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    for (unsigned attempt = 0; path_.empty(); ++attempt) {
        std::wstring candidate = std::wstring(base) + L"zelt-test-" +
                                 std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(GetTickCount() + attempt);
        if (CreateDirectoryW(candidate.c_str(), nullptr))
            path_ = candidate;
    }
}

TempFolder::~TempFolder() {
    removeFolder(path_);
}

std::wstring TempFolder::file(std::wstring_view name) const {
    return path_ + L"\\" + std::wstring(name);
}

std::wstring TempFolder::copyIn(const std::wstring& source, std::wstring_view name) const {
    std::wstring target = file(name);
    return CopyFileW(source.c_str(), target.c_str(), FALSE) ? target : std::wstring{};
}

ProgramProcess::~ProgramProcess() {
    if (info_.hProcess == nullptr)
        return;
    if (running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool ProgramProcess::start(const std::wstring& executable) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + executable + L"\"";
    std::wstring folder = executable.substr(0, executable.find_last_of(L"\\/"));
    return CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, folder.c_str(), &startup, &info_) != 0;
}

HWND ProgramProcess::waitForMainWindow(DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    do {
        if (HWND window = findProcessWindow(info_.dwProcessId, kMainWindowClassName))
            return window;
        if (!running())
            return nullptr;
        Sleep(kPollIntervalMs);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool ProgramProcess::waitForExit(DWORD timeoutMs, DWORD& exitCode) const {
    if (info_.hProcess == nullptr ||
        WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(info_.hProcess, &exitCode) != 0;
}

bool ProgramProcess::running() const {
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND findProcessWindow(DWORD processId, const wchar_t* className) {
    WindowSearch search{processId, className, nullptr};
    EnumWindows(matchProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HeldFile::HeldFile(const std::string& utf8Path) {
    std::wstring path(utf8Path.size(), L'\0');
    path.resize(MultiByteToWideChar(CP_UTF8, 0, utf8Path.data(), static_cast<int>(utf8Path.size()),
                                    path.data(), static_cast<int>(path.size())));
    handle_ = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

HeldFile::~HeldFile() {
    if (held())
        CloseHandle(handle_);
}

} // namespace harness
