#include "store/file_access.h"

#include <windows.h>

namespace {

std::wstring widePath(const std::string& path) {
    if (path.empty())
        return {};
    int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(),
                                     static_cast<int>(path.size()), nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()),
                        wide.data(), length);
    return wide;
}

// Closes the handle on every path out.
struct FileHandle {
    HANDLE handle;
    explicit FileHandle(HANDLE value) : handle(value) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};

} // namespace

FileReadStatus readFileBytes(const std::string& path, uintmax_t maxBytes,
                             std::vector<uint8_t>& bytes) {
    std::wstring wide = widePath(path);
    if (wide.empty())
        return FileReadStatus::cannotOpen;
    FileHandle file(CreateFileW(wide.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (file.handle == INVALID_HANDLE_VALUE || !GetFileSizeEx(file.handle, &size))
        return FileReadStatus::cannotOpen;
    if (size.QuadPart < 0 || static_cast<uintmax_t>(size.QuadPart) > maxBytes)
        return FileReadStatus::tooLarge;
    bytes.assign(static_cast<size_t>(size.QuadPart), 0);
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                      &got, nullptr) ||
            got == 0)
            break;
        done += got;
    }
    bytes.resize(done);
    return FileReadStatus::ok;
}

bool writeNewFile(const std::string& path, std::span<const uint8_t> bytes) {
    std::wstring wide = widePath(path);
    if (wide.empty())
        return false;
    FileHandle file(CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_ARCHIVE, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE)
        return false;
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(file.handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                       &written, nullptr) ||
            written == 0)
            return false;
        done += written;
    }
    return FlushFileBuffers(file.handle) != 0;
}

bool replaceFile(const std::string& source, const std::string& target) {
    std::wstring wideSource = widePath(source);
    std::wstring wideTarget = widePath(target);
    if (wideSource.empty() || wideTarget.empty())
        return false;
    return MoveFileExW(wideSource.c_str(), wideTarget.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void removeFile(const std::string& path) {
    std::wstring wide = widePath(path);
    if (!wide.empty())
        DeleteFileW(wide.c_str());
}

bool setFileHidden(const std::string& path) {
    std::wstring wide = widePath(path);
    return !wide.empty() && SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN) != 0;
}
