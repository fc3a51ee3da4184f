#include "platform/Output.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

namespace zarno {
namespace {

OutputName unusable(int error) {
    return {OutputName::Kind::unusable, std::strerror(error)};
}

// A file is written beside its name first, so the folder must be there.
OutputName folderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty()) {
        folder = ".";
    }
    struct _stat64 about {};
    if (_stat64(folder.c_str(), &about) != 0) {
        return unusable(errno);
    }
    return (about.st_mode & _S_IFDIR) != 0 ? OutputName{} : unusable(ENOTDIR);
}

}  // namespace

// A device such as NUL or CON is a stream.
OutputName examineOutput(const std::string& path) {
    struct _stat64 about {};
    if (_stat64(path.c_str(), &about) != 0) {
        return errno == ENOENT ? folderOf(path) : unusable(errno);
    }
    if ((about.st_mode & _S_IFDIR) != 0) {
        return unusable(EISDIR);
    }
    if ((about.st_mode & _S_IFREG) == 0) {
        return {OutputName::Kind::stream, {}};
    }
    return _access(path.c_str(), 2) == 0 ? folderOf(path) : unusable(errno);
}

OutputStream OutputStream::standardOutput() {
    return OutputStream(std::string());
}

std::string OutputStream::writeAndClose(std::string_view bytes) {
    const int fd = path_.empty() ? _fileno(stdout) : _open(path_.c_str(), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        return std::strerror(errno);
    }
    std::string reason;
    for (std::size_t at = 0; at < bytes.size() && reason.empty();) {
        const unsigned chunk =
            static_cast<unsigned>(std::min<std::size_t>(bytes.size() - at, 1 << 30));
        const int written = _write(fd, bytes.data() + at, chunk);
        if (written < 0) {
            reason = std::strerror(errno);
        } else {
            at += static_cast<std::size_t>(written);
        }
    }
    if (_close(fd) != 0 && reason.empty()) {
        reason = std::strerror(errno);
    }
    return reason;
}

}  // namespace zarno
