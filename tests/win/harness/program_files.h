#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace harness {

// The build's bin folder, which holds this test program, Zelt.exe and the
// test resource library.
std::wstring programFolder();
std::wstring zeltExecutablePath();
std::wstring testResourceLibraryPath();

// A fresh folder under the Windows temp folder, removed with its files.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring file(std::wstring_view name) const;
    // Copies `source` into the folder as `name`; returns the copy's path or "".
    std::wstring copyIn(const std::wstring& source, std::wstring_view name) const;

  private:
    std::wstring path_;
};

// Holds a file open without sharing, as another program might: it can still
// be chosen in a file dialog, but neither read nor replaced.
class HeldFile {
  public:
    explicit HeldFile(const std::string& utf8Path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

// Zelt.exe (or a copy) run as a process of its own, ended at destruction
// if it is still running.
class ProgramProcess {
  public:
    ProgramProcess() = default;
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool start(const std::wstring& executable);
    // The process's visible main window (class "Zelt"), or null on timeout.
    HWND waitForMainWindow(DWORD timeoutMs = 10000) const;
    // True and the exit code once the process has ended within the timeout.
    bool waitForExit(DWORD timeoutMs, DWORD& exitCode) const;
    bool running() const;
    DWORD id() const { return info_.dwProcessId; }

  private:
    PROCESS_INFORMATION info_ = {};
};

// The visible top-level window of class `className` owned by process `processId`.
HWND findProcessWindow(DWORD processId, const wchar_t* className);

} // namespace harness
