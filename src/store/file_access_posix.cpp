#include "store/file_access.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every path out.
struct Descriptor {
    int fd;
    explicit Descriptor(int value) : fd(value) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0)
            close(fd);
    }
};

} // namespace

FileReadStatus readFileBytes(const std::string& path, uintmax_t maxBytes,
                             std::vector<uint8_t>& bytes) {
    // Non-blocking, so a named pipe given as a file name cannot hang the
    // open; it is then refused as not a regular file.
    Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat status {};
    if (file.fd < 0 || fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode))
        return FileReadStatus::cannotOpen;
    if (static_cast<uintmax_t>(status.st_size) > maxBytes)
        return FileReadStatus::tooLarge;
    bytes.assign(static_cast<size_t>(status.st_size), 0);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t got = read(file.fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<size_t>(got);
    }
    bytes.resize(done);
    return FileReadStatus::ok;
}

bool writeNewFile(const std::string& path, std::span<const uint8_t> bytes) {
    Descriptor file(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (file.fd < 0)
        return false;
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t written = write(file.fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<size_t>(written);
    }
    return fsync(file.fd) == 0;
}

bool replaceFile(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}

void removeFile(const std::string& path) {
    unlink(path.c_str());
}

bool setFileHidden(const std::string&) {
    return true;
}
