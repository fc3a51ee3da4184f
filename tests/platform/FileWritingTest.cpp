// Files are written whole or not at all, also when the system refuses partway. Each write runs in
// a child process, so that it can be limited as a user's session may be.
#include "platform/qt/FileWriting.h"

#include "platform/FileLimits.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <functional>

namespace zarno {
namespace {

enum Outcome { failedWithReason = 0, written = 1, failedSilently = 2, crashed = 3 };

// Writes `bytes` to `path` in a child process, after `limit` has limited it.
Outcome writeInChild(const QString& path, const QByteArray& bytes,
                     const std::function<void()>& limit) {
    const pid_t child = fork();
    if (child == 0) {
        limit();
        const QString reason = writeWholeFile(path, bytes);
        _exit(reason.isNull() ? written : reason.isEmpty() ? failedSilently : failedWithReason);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? static_cast<Outcome>(WEXITSTATUS(status)) : crashed;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

TEST(FileWriting, AFailedWriteSaysWhyAndKeepsTheOldFile) {
    const QByteArray image(27'000, 'x');  // larger than the size limit below
    const struct {
        const char* what;
        const char* folder;
        std::function<void()> limit;
        Outcome expected;
    } cases[] = {
        {"a folder that exists", "kuvat", [] {}, written},
        {"a missing folder", "ei-ole", [] {}, failedWithReason},
        {"a read-only folder", "vain-luku",
         [] {
             if (geteuid() == 0) {  // root writes anywhere; the user's own account does not
                 static_cast<void>(setgid(65534));
                 static_cast<void>(setuid(65534));
             }
         },
         failedWithReason},
        {"a file-size limit of 20 KiB", "kuvat",
         [] {
             reportWritesPastFileLimits();  // as the program does at its start
             const rlimit limit{20 * 1024, 20 * 1024};
             setrlimit(RLIMIT_FSIZE, &limit);
         },
         failedWithReason},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        chmod(QFile::encodeName(root.path()).constData(), 0755);
        const QString folder = root.filePath(c.folder);
        const QString path = folder + "/kaavio.png";
        if (c.folder != std::string("ei-ole")) {
            ASSERT_TRUE(QDir().mkdir(folder));
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("the old image");
            old.close();
            chmod(QFile::encodeName(path).constData(), 0644);
            chmod(QFile::encodeName(folder).constData(),
                  c.folder == std::string("vain-luku") ? 0555 : 0755);
        }
        EXPECT_EQ(writeInChild(path, image, c.limit), c.expected);
        if (c.expected == written) {
            EXPECT_EQ(contentOf(path), image);
        } else if (c.folder != std::string("ei-ole")) {
            EXPECT_EQ(contentOf(path), QByteArray("the old image"));
            EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"kaavio.png"});
        } else {
            EXPECT_FALSE(QFile::exists(path));
        }
        chmod(QFile::encodeName(folder).constData(), 0755);
    }
}

TEST(FileWriting, ANameWithoutASuffixGetsOne) {
    EXPECT_EQ(withSuffix("/tmp/kaavio", "png"), "/tmp/kaavio.png");
    EXPECT_EQ(withSuffix("/tmp/kaavio.png", "png"), "/tmp/kaavio.png");
    EXPECT_EQ(withSuffix("/tmp/kaavio.jpeg", "png"), "/tmp/kaavio.jpeg");
    EXPECT_EQ(withSuffix("/tmp/v1.0/kaavio", "png"), "/tmp/v1.0/kaavio.png");
}

}  // namespace
}  // namespace zarno
