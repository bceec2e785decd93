// The file boundary: names from the command line, what may be read, and what
// a save may replace.
#include "memory/BackupFile.h"
#include "shared/ErrorText.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace cs;
using cs::test::readFile;
using cs::test::writeFile;

namespace {

// Things a name can lead to, made in a temporary folder. Descriptors that must
// stay open (the writer of a FIFO) are closed with it.
struct Things {
    QTemporaryDir dir;
    QList<int> fds;
    ~Things()
    {
        for (int fd : fds)
            ::close(fd);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray raw(const QString& name) const { return QFile::encodeName(path(name)); }

    // kind: file (`size` bytes), fifo (a writer holding 8192 bytes in it), socket,
    // folder, device (a node like /dev/null; false when it cannot be made), or
    // "-> TARGET", a symbolic link.
    bool make(const QString& name, const QString& kind, qint64 size = 0)
    {
        if (kind == "file") {
            QFile file(path(name));
            return file.open(QIODevice::WriteOnly) && file.write(QByteArray(8192, 'u').left(size))
                && file.resize(size);
        }
        if (kind.startsWith("file 0")) {
            return make(name, "file", 3)
                && ::chmod(raw(name), mode_t(kind.mid(5).toInt(nullptr, 8))) == 0;
        }
        if (kind == "fifo") {
            // With a writer the old blocking open would have returned and read.
            const int fd = ::mkfifo(raw(name), 0644) == 0 ? ::open(raw(name), O_RDWR) : -1;
            fds << fd;
            return fd >= 0 && ::write(fd, QByteArray(8192, 'f').constData(), 8192) == 8192;
        }
        if (kind == "socket") {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, raw(name).constData(), sizeof address.sun_path - 1);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            fds << fd;
            return ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        }
        if (kind == "folder")
            return QDir().mkpath(path(name));
        if (kind == "device")
            return ::mknod(raw(name), S_IFCHR | 0666, makedev(1, 3)) == 0;
        if (kind.startsWith("-> "))
            return ::symlink(QFile::encodeName(kind.mid(3)), raw(name)) == 0;
        return kind == "none";
    }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
    }
    mode_t type(const QString& name) const
    {
        struct stat st { };
        return ::lstat(raw(name), &st) == 0 ? st.st_mode & S_IFMT : 0;
    }
};

} // namespace

TEST(FileBoundary, ReadsOnlyRegularFilesAndBoundsInput)
{
    using F = FileFault;
    const qint64 limit = PagerFileLimit;
    const struct {
        const char* name;
        const char* kind;
        qint64 size;
        F backup, input;
    } cases[] = {
        {"unit.cat", "file", 8192, F::None, F::None},
        {"short.cat", "file", 8191, F::TooShort, F::None},
        {"limit.csv", "file", limit, F::None, F::None},
        {"over.csv", "file", limit + 1, F::None, F::TooLarge},
        {"missing.cat", "none", 0, F::NotFound, F::NotFound},
        {"ff.cat", "fifo", 0, F::NotRegular, F::NotRegular},
        {"zero.cat", "-> /dev/zero", 0, F::NotRegular, F::NotRegular},
        {"socket.cat", "socket", 0, F::NotRegular, F::NotRegular},
        {"folder.cat", "folder", 0, F::IsFolder, F::IsFolder},
    };
    Things things;
    for (const auto& c : cases) {
        ASSERT_TRUE(things.make(c.name, c.kind, c.size)) << c.name;
        const QString path = things.path(c.name);
        FileProblem problem;
        const auto backup = readBackupFile(path, &problem);
        EXPECT_EQ(problem.fault, c.backup) << c.name;
        EXPECT_EQ(backup.has_value(), c.backup == F::None) << c.name;
        EXPECT_EQ(problem.reason.isEmpty(), c.backup == F::None) << c.name;
        const auto input = readInputFile(path, limit, &problem);
        EXPECT_EQ(problem.fault, c.input) << c.name;
        EXPECT_EQ(input ? input->size() : -1, c.input == F::None ? c.size : -1) << c.name;
        // A file too large has its size named.
        EXPECT_EQ(problem.reason.contains(QString::number(limit + 1)), c.input == F::TooLarge)
            << c.name;
    }
}

TEST(FileBoundary, SavingRefusesWhatIsNotARegularFileAndLeavesIt)
{
    using F = FileFault;
    const bool root = ::geteuid() == 0;
    const struct {
        const char* name;
        const char* kind;
        F fault;
    } cases[] = {
        {"ff.cat", "fifo", F::NotRegular},
        {"fflink.cat", "-> ff.cat", F::NotRegular},
        {"socket.cat", "socket", F::NotRegular},
        {"node.cat", "device", F::NotRegular},
        {"nodelink.cat", "-> node.cat", F::NotRegular},
        {"folder.cat", "folder", F::IsFolder},
        {"missing/unit.cat", "none", F::NoFolder},
        {"file/unit.cat", "none", F::NoFolder},
        {"locked/unit.cat", "none", root ? F::None : F::NoPermission},
        {"dangling.cat", "-> missing/unit.cat", F::NoFolder},
        {"readonly.cat", "file 0444", root ? F::None : F::NoPermission},
        {"longest.cat", "none", F::None},
        {"too-long.cat", "none", F::NameTooLong},
    };
    Things things;
    ASSERT_TRUE(things.make("file", "file", 3) && things.make("locked", "folder"));
    ASSERT_EQ(::chmod(things.raw("locked"), 0555), 0);
    bool nodes = true;
    Buffer image{};
    image.fill(0x37);
    for (const auto& c : cases) {
        if (QString(c.name).startsWith("node") && !nodes)
            continue;
        // The longest name the file system holds, and one byte more.
        QString name = c.name;
        if (name == "longest.cat" || name == "too-long.cat")
            name = QString(name == "longest.cat" ? 251 : 252, 'n') + ".cat";
        if (!things.make(name, c.kind)) {
            ASSERT_STREQ(c.kind, "device"); // device nodes need root
            nodes = false;
            continue;
        }
        const mode_t type = things.type(name);
        const QStringList before = things.entries();
        FileProblem problem;
        EXPECT_EQ(checkSaveTarget(things.path(name), &problem), c.fault == F::None) << c.name;
        EXPECT_EQ(problem.fault, c.fault) << c.name;
        const bool saved = writeBackupFile(things.path(name), image, &problem);
        EXPECT_EQ(saved, c.fault == F::None) << c.name;
        EXPECT_EQ(problem.fault, c.fault) << c.name;
        EXPECT_FALSE(problem.reason.contains("Unknown error")) << c.name;
        if (!saved) {
            EXPECT_EQ(things.type(name), type) << c.name;
            EXPECT_EQ(things.entries(), before) << c.name;
        }
    }
    ::chmod(things.raw("locked"), 0755);
}

TEST(FileBoundary, SavingOverABackupKeepsItsPermissions)
{
    QTemporaryDir dir;
    Buffer image{};
    image.fill(0x5C);
    // A read-only backup is replaced only by whoever may write it anyway.
    const bool root = ::geteuid() == 0;
    for (const mode_t mode : {0444, 0600, 0640, 0664}) {
        if (mode == 0444 && !root)
            continue;
        const QString path = writeFile(dir.filePath(QString::number(mode, 8) + ".cat"), "old");
        ASSERT_EQ(::chmod(QFile::encodeName(path), mode), 0);
        FileProblem problem;
        EXPECT_TRUE(writeBackupFile(path, image, &problem)) << problem.reason.toStdString();
        EXPECT_EQ(problem.fault, FileFault::None);
        struct stat st { };
        ASSERT_EQ(::stat(QFile::encodeName(path), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
        EXPECT_EQ(readFile(path), QByteArray(8192, 0x5C));
    }
}

// A name reaches the file whose name has exactly its bytes, or is refused:
// two names never meet in one file.
TEST(FileBoundary, CommandLineNamesAreTheUsersBytes)
{
    const std::pair<const char*, bool> cases[] = {
        {"unit7.cat", true},
        {"caf\xc3\xa9.cat", true},     // UTF-8 é
        {"caf\xef\xbf\xbd.cat", true}, // a real U+FFFD in the name
        {"\xe4\xb8\xad\xe6\x96\x87.cat", true},
        {"caf\xe9.cat", false},          // Latin-1 é
        {"\xd6\xd0\xce\xc4.cat", false}, // GBK 中文
        {"\xed\xa0\x80.cat", false},     // an encoded surrogate
        {"unit\xff", false},
    };
    QTemporaryDir dir;
    for (const auto& [bytes, usable] : cases) {
        const QByteArray raw(bytes);
        FileProblem problem;
        const std::optional<QString> name = fileNameFromArgument(raw, &problem);
        ASSERT_EQ(name.has_value(), usable) << raw.toHex().constData();
        EXPECT_EQ(problem.fault, usable ? FileFault::None : FileFault::NotUtf8Name);
        if (!usable)
            continue;
        // Made through Qt, the folder entry has the argument's bytes.
        writeFile(QDir(dir.path()).filePath(*name), "x");
        const QByteArray folder = QFile::encodeName(dir.path());
        DIR* d = ::opendir(folder.constData());
        ASSERT_NE(d, nullptr);
        bool found = false;
        while (const dirent* e = ::readdir(d))
            found = found || QByteArray(e->d_name) == raw;
        ::closedir(d);
        EXPECT_TRUE(found) << raw.toHex().constData();
    }
}

// Every cause has words, never the C library's "Unknown error".
TEST(FileBoundary, EveryErrorHasWords)
{
    for (int error = 1; error < 200; ++error) {
        const QString words = errorText(error);
        EXPECT_FALSE(words.isEmpty()) << error;
        EXPECT_FALSE(words.contains("Unknown error")) << error;
    }
    EXPECT_EQ(errorText(4321), "system error 4321");
}
