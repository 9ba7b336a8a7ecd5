#include "harness/printed_output.h"

#include "harness/screenshot.h"

#include <winspool.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace harness {

std::wstring defaultPrinterOutput() {
    wchar_t name[256] = {};
    DWORD size = 256;
    if (!GetDefaultPrinterW(name, &size))
        return {};
    HANDLE printer = nullptr;
    if (!OpenPrinterW(name, &printer, nullptr))
        return {};
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    std::wstring port;
    if (needed > 0 && GetPrinterW(printer, 2, buffer.data(), needed, &needed))
        port = reinterpret_cast<PRINTER_INFO_2W*>(buffer.data())->pPortName;
    ClosePrinter(printer);
    return port;
}

std::string hostPath(const std::wstring& windowsPath) {
    using UnixName = char*(CDECL*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixName>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
    if (unixName == nullptr)
        return {};
    char* name = unixName(windowsPath.c_str());
    if (name == nullptr)
        return {};
    std::string path = name;
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

bool runHostShell(const std::string& commandLine) {
    // Wine starts a host program given by its path on the Z: drive, but its
    // handle never signals the host process's end: the command leaves its
    // exit code in a file, which is what this waits for.
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    wchar_t statusFile[MAX_PATH] = {};
    GetTempFileNameW(folder, L"sh", 0, statusFile);
    DeleteFileW(statusFile);
    const std::string status = hostPath(statusFile);
    if (status.empty())
        return false;
    const std::string script = "(" + commandLine + "); echo $? > '" + status + ".part'; mv '" +
                               status + ".part' '" + status + "'";
    std::wstring command = L"Z:\\bin\\sh -c \"";
    for (char c : script)
        command += c == '"' ? std::wstring(L"\\\"") : std::wstring(1, static_cast<wchar_t>(c));
    command += L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int waited = 0; waited < 600; ++waited) {
        std::ifstream result{std::filesystem::path(statusFile)};
        int code = -1;
        if (result >> code) {
            result.close();
            DeleteFileW(statusFile);
            return code == 0;
        }
        Sleep(100);
    }
    return false;
}

std::string renderPrintedJob(const std::wstring& job, std::string_view name) {
    const std::wstring folder = outputFolder() + L"\\printed";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::string source = hostPath(job);
    const std::string target = hostPath(folder) + "/" + std::string(name);
    if (source.empty() || target.size() <= name.size() + 1)
        return {};
    if (!runHostShell("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r50 -sOutputFile='" +
                      target + "-%d.png' '" + source + "' && ps2pdf '" + source + "' '" + target +
                      ".pdf' && pdftotext -layout '" + target + ".pdf' '" + target + ".txt'"))
        return {};
    std::ifstream text(
        std::filesystem::path(folder + L"\\" + std::wstring(name.begin(), name.end()) + L".txt"));
    return std::string(std::istreambuf_iterator<char>(text), {});
}

} // namespace harness
