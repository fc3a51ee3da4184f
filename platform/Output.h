#pragma once

#include <string>
#include <string_view>

// Where a console program writes its output, with one implementation per system
// (platform/posix, platform/windows).
namespace zarno {

// What a name given for the output is: a regular file, or a new name in a folder that can be
// written to, is written whole; a FIFO, a device or a socket is written into as a stream, never
// replaced; anything else cannot be written, for the system's reason.
struct OutputName {
    enum class Kind { file, stream, unusable };
    Kind kind = Kind::file;
    std::string reason;
};
OutputName examineOutput(const std::string& path);

// A stream the output is written into: standard output, or the special file a name stands for.
class OutputStream {
public:
    static OutputStream standardOutput();
    explicit OutputStream(std::string path) : path_(std::move(path)) {}

    // Writes every byte, then closes the stream: the system's reason when the opening, a write or
    // the closing fails, a file-size limit among them; empty when all is written.
    std::string writeAndClose(std::string_view bytes);

private:
    std::string path_;  // empty for standard output
};

}  // namespace zarno
