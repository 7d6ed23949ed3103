#include "core/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
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

ssize_t FileSystemCalls::pwrite(int fd, const char* data, size_t size, off_t offset) {
    return ::pwrite(fd, data, size, offset);
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

SafeSaveStream::SafeSaveStream(const QString& path)
    : SafeSaveStream(path, modeOf(fileBehind(path), NewFileMode)) {}

SafeSaveStream::SafeSaveStream(const QString& path, mode_t mode)
    : path_(path), target_(QFile::encodeName(fileBehind(path))), mode_(mode), fs_(*currentCalls) {
    createTemporary();
}

SafeSaveStream::~SafeSaveStream() {
    if (fd_ >= 0)
        fs_.close(fd_);
    if (!temporary_.isEmpty())
        fs_.unlink(temporary_.constData());
}

bool SafeSaveStream::append(const QByteArray& bytes) {
    return writeAll(bytes, std::nullopt);
}

bool SafeSaveStream::overwrite(qint64 offset, const QByteArray& bytes) {
    return writeAll(bytes, offset);
}

bool SafeSaveStream::commit(const QString& finalPath) {
    if (!finalPath.isEmpty()) {
        path_ = finalPath;
        target_ = QFile::encodeName(fileBehind(finalPath));
    }
    const bool saved = !failed() && !placed_ && syncAndClose() && putInPlace() && syncFolder();
    if (saved)
        removeLeftovers();
    return saved;
}

bool SafeSaveStream::createTemporary() {
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

bool SafeSaveStream::writeAll(const QByteArray& bytes, std::optional<qint64> offset) {
    if (failed() || fd_ < 0)
        return false;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const char* data = bytes.constData() + written;
        const auto size = static_cast<size_t>(bytes.size() - written);
        const ssize_t n = offset ? fs_.pwrite(fd_, data, size, off_t(*offset + written))
                                 : fs_.write(fd_, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC; // nothing more fits
            return fail("writing it");
        }
        written += n;
    }
    size_ = std::max(size_, (offset ? *offset : size_) + written);
    return true;
}

bool SafeSaveStream::syncAndClose() {
    if (fs_.fsync(fd_) != 0)
        return fail("syncing it to disk");
    const int fd = std::exchange(fd_, -1);
    // A delayed write error can still show here.
    return fs_.close(fd) == 0 || fail("closing it");
}

bool SafeSaveStream::putInPlace() {
    if (fs_.rename(temporary_.constData(), target_.constData()) != 0)
        return fail("putting it in place of the old one");
    temporary_.clear();
    placed_ = true;
    return true;
}

// Without it the rename itself may be lost in a power cut.
bool SafeSaveStream::syncFolder() {
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target_)).path());
    fd_ = fs_.open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd_ < 0)
        return fail("syncing its folder");
    // Some file systems cannot sync a folder and say so with EINVAL; theirs is no failure.
    if (fs_.fsync(fd_) != 0 && errno != EINVAL)
        return fail("syncing its folder");
    return fs_.close(std::exchange(fd_, -1)) == 0 || fail("syncing its folder");
}

// A save killed half-way leaves its temporary file behind; the next save of that file clears it.
void SafeSaveStream::removeLeftovers() {
    const QFileInfo target(QFile::decodeName(target_));
    const QRegularExpression leftover(QStringLiteral("^\\.%1\\.[0-9a-f]{8}\\.tmp$")
                                          .arg(QRegularExpression::escape(target.fileName())));
    const QDir folder = target.dir();
    for (const QString& name :
         folder.entryList({QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (leftover.match(name).hasMatch())
            fs_.unlink(QFile::encodeName(folder.filePath(name)).constData());
    }
}

bool SafeSaveStream::fail(const char* step) {
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
        fs_.unlink(std::exchange(temporary_, {}).constData());
    return false;
}

FileSystemCalls* useFileSystemCalls(FileSystemCalls* calls) {
    return std::exchange(currentCalls, calls ? calls : &realCalls);
}

namespace {
bool saveWhole(SafeSaveStream& save, const QByteArray& bytes, QString* problem) {
    const bool saved = save.append(bytes) && save.commit();
    if (!saved && problem)
        *problem = save.problem();
    return saved;
}
} // namespace

bool saveFileSafely(const QString& path, const QByteArray& bytes, QString* problem) {
    SafeSaveStream save(path);
    return saveWhole(save, bytes, problem);
}

bool appendFileSafely(const QString& path, const QByteArray& bytes, QString* problem) {
    if (!QFileInfo::exists(path))
        return saveFileSafely(path, bytes, problem);
    const std::optional<QByteArray> old = readWhole(path, problem);
    return old && saveFileSafely(path, *old + bytes, problem);
}

bool copyFileSafely(const QString& from, const QString& to, QString* problem) {
    const std::optional<QByteArray> bytes = readWhole(from, problem);
    if (!bytes)
        return false;
    SafeSaveStream save(to, modeOf(from, NewFileMode));
    return saveWhole(save, *bytes, problem);
}

} // namespace orvane
