#include "core/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace orvane {

int FileSystemCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

ssize_t FileSystemCalls::write(int fd, const char* data, size_t size) {
    return ::write(fd, data, size);
}

int FileSystemCalls::fsync(int fd) {
    return ::fsync(fd);
}

int FileSystemCalls::close(int fd) {
    return ::close(fd);
}

int FileSystemCalls::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

int FileSystemCalls::unlink(const char* path) {
    return ::unlink(path);
}

namespace {
FileSystemCalls realCalls;
FileSystemCalls* currentCalls = &realCalls;

constexpr mode_t NewFileMode = 0666; // narrowed by the umask, as for any new file
constexpr int TemporaryNameTries = 16;

mode_t modeOf(const QString& path, mode_t otherwise) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return otherwise;
    return status.st_mode & 07777;
}

// A link is kept a link: the file it points to is the one replaced.
QString fileBehind(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

// One save of one file, step by step; the first step that fails says why and cleans up.
class Save {
  public:
    Save(const QString& path, mode_t mode)
        : path_(path), target_(QFile::encodeName(fileBehind(path))), mode_(mode),
          fs_(*currentCalls) {}

    bool run(const QByteArray& bytes, QString* problem) {
        const bool saved =
            createTemporary() && writeAll(bytes) && syncAndClose() && putInPlace() && syncFolder();
        if (saved)
            removeLeftovers();
        if (!saved && problem)
            *problem = problem_;
        return saved;
    }

  private:
    bool createTemporary() {
        const QFileInfo target(QFile::decodeName(target_));
        for (int i = 0; i < TemporaryNameTries; ++i) {
            const QString name =
                QStringLiteral(".%1.%2.tmp")
                    .arg(target.fileName())
                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
            const QByteArray temporary = QFile::encodeName(target.dir().filePath(name));
            fd_ = fs_.open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode_);
            if (fd_ >= 0) {
                temporary_ = temporary;
                return true;
            }
            if (errno != EEXIST)
                break;
        }
        return fail("making a temporary file beside it");
    }

    bool writeAll(const QByteArray& bytes) {
        qsizetype written = 0;
        while (written < bytes.size()) {
            const ssize_t n = fs_.write(fd_, bytes.constData() + written,
                                        static_cast<size_t>(bytes.size() - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (n == 0)
                    errno = ENOSPC; // nothing more fits
                return fail("writing it");
            }
            written += n;
        }
        return true;
    }

    bool syncAndClose() {
        if (fs_.fsync(fd_) != 0)
            return fail("syncing it to disk");
        const int fd = std::exchange(fd_, -1);
        // A delayed write error can still show here.
        return fs_.close(fd) == 0 || fail("closing it");
    }

    bool putInPlace() {
        if (fs_.rename(temporary_.constData(), target_.constData()) != 0)
            return fail("putting it in place of the old one");
        temporary_.clear();
        placed_ = true;
        return true;
    }

    // Without it the rename itself may be lost in a power cut.
    bool syncFolder() {
        const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target_)).path());
        fd_ = fs_.open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
        if (fd_ < 0)
            return fail("syncing its folder");
        // Some file systems cannot sync a folder and say so with EINVAL; theirs is no failure.
        if (fs_.fsync(fd_) != 0 && errno != EINVAL)
            return fail("syncing its folder");
        return fs_.close(std::exchange(fd_, -1)) == 0 || fail("syncing its folder");
    }

    // A save killed half-way leaves its temporary file behind; the next save of that file clears
    // it.
    void removeLeftovers() {
        const QFileInfo target(QFile::decodeName(target_));
        const QRegularExpression leftover(QStringLiteral("^\\.%1\\.[0-9a-f]{8}\\.tmp$")
                                              .arg(QRegularExpression::escape(target.fileName())));
        const QDir folder = target.dir();
        for (const QString& name : folder.entryList({QStringLiteral(".*.tmp")},
                                                    QDir::Files | QDir::Hidden | QDir::System)) {
            if (leftover.match(name).hasMatch())
                fs_.unlink(QFile::encodeName(folder.filePath(name)).constData());
        }
    }

    bool fail(const char* step) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        problem_ = placed_ ? QStringLiteral("%1 was saved, but %2 while %3: a power cut may yet "
                                            "lose it.")
                                 .arg(path_, reason, QLatin1String(step))
                           : QStringLiteral("%1 was not saved: %2 while %3; any earlier "
                                            "file of that name is kept.")
                                 .arg(path_, reason, QLatin1String(step));
        if (fd_ >= 0)
            fs_.close(std::exchange(fd_, -1));
        if (!temporary_.isEmpty())
            fs_.unlink(temporary_.constData());
        return false;
    }

    QString path_;
    QByteArray target_;
    mode_t mode_;
    FileSystemCalls& fs_;
    QByteArray temporary_;
    int fd_ = -1;
    bool placed_ = false;
    QString problem_;
};

std::optional<QByteArray> readWhole(const QString& path, QString* problem) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        // A read cut short would save the file cut short.
        if (file.error() == QFileDevice::NoError)
            return bytes;
    }
    if (problem)
        *problem = QStringLiteral("%1 could not be read: %2.").arg(path, file.errorString());
    return std::nullopt;
}
} // namespace

FileSystemCalls* useFileSystemCalls(FileSystemCalls* calls) {
    return std::exchange(currentCalls, calls ? calls : &realCalls);
}

bool saveFileSafely(const QString& path, const QByteArray& bytes, QString* problem) {
    return Save(path, modeOf(fileBehind(path), NewFileMode)).run(bytes, problem);
}

bool appendFileSafely(const QString& path, const QByteArray& bytes, QString* problem) {
    if (!QFileInfo::exists(path))
        return saveFileSafely(path, bytes, problem);
    const std::optional<QByteArray> old = readWhole(path, problem);
    return old && saveFileSafely(path, *old + bytes, problem);
}

bool copyFileSafely(const QString& from, const QString& to, QString* problem) {
    const std::optional<QByteArray> bytes = readWhole(from, problem);
    return bytes && Save(to, modeOf(from, NewFileMode)).run(*bytes, problem);
}

} // namespace orvane
