#include "platform/Output.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarno {
namespace {

OutputName unusable(int error) {
    return {OutputName::Kind::unusable, std::strerror(error)};
}

// A file is written beside its name first, so the folder must take a new file.
OutputName folderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty()) {
        folder = ".";
    }
    struct stat about {};
    if (stat(folder.c_str(), &about) != 0) {
        return unusable(errno);
    }
    if (!S_ISDIR(about.st_mode)) {
        return unusable(ENOTDIR);
    }
    if (access(folder.c_str(), W_OK | X_OK) != 0) {
        return unusable(errno);
    }
    return {};
}

}  // namespace

OutputName examineOutput(const std::string& path) {
    struct stat about {};
    if (stat(path.c_str(), &about) != 0) {
        return errno == ENOENT ? folderOf(path) : unusable(errno);
    }
    if (S_ISDIR(about.st_mode)) {
        return unusable(EISDIR);
    }
    if (access(path.c_str(), W_OK) != 0) {
        return unusable(errno);
    }
    return S_ISREG(about.st_mode) ? folderOf(path) : OutputName{OutputName::Kind::stream, {}};
}

OutputStream OutputStream::standardOutput() {
    return OutputStream(std::string());
}

std::string OutputStream::writeAndClose(std::string_view bytes) {
    const int fd = path_.empty() ? STDOUT_FILENO : open(path_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::strerror(errno);
    }
    std::string reason;
    for (std::size_t at = 0; at < bytes.size() && reason.empty();) {
        const ssize_t written = write(fd, bytes.data() + at, bytes.size() - at);
        if (written < 0 && errno != EINTR) {
            reason = std::strerror(errno);
        } else if (written > 0) {
            at += static_cast<std::size_t>(written);
        }
    }
    if (close(fd) != 0 && reason.empty()) {
        reason = std::strerror(errno);
    }
    return reason;
}

}  // namespace zarno
