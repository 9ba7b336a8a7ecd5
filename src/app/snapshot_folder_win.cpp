#include "app/snapshot_folder_win.h"

#include "win/win_text_win.h"
#include "workspace/snapshots.h"

#include <windows.h>

#include <array>

std::string snapshotFolder() {
    // The variable rather than the shell's known folder: it is what the
    // profile says, and a test can point it into its own temporary folder.
    std::array<wchar_t, MAX_PATH> buffer{};
    const DWORD length =
        GetEnvironmentVariableW(L"LOCALAPPDATA", buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size())
        return {};
    return wideToUtf8(std::wstring(buffer.data(), length) + L"\\Zelt\\Snapshots");
}

std::string keepSnapshotNow(const RecordStore& image) {
    const std::string folder = snapshotFolder();
    if (folder.empty())
        return {};
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return keepSnapshot(folder, image,
                        {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond});
}
