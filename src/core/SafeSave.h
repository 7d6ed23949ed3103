#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/types.h>

namespace orvane {

// The file-system calls a save makes, each as its POSIX namesake (result and errno), gathered
// in one object so that a test can refuse any one of them or stop the save after it.
class FileSystemCalls {
  public:
    virtual ~FileSystemCalls() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const char* data, size_t size);
    virtual ssize_t pwrite(int fd, const char* data, size_t size, off_t offset);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
};

// Makes every later save go through `calls` (nullptr: the real ones); returns the calls used
// until then.
FileSystemCalls* useFileSystemCalls(FileSystemCalls* calls);

// A file written piece by piece, saved as saveFileSafely saves one written whole: the pieces go
// into a temporary file beside it, which commit() syncs and renames over the old one. Until then
// the name shows the old file (or none), even after a crash; a stream dropped uncommitted, or
// failing, removes its temporary file. After the first failure every call returns false and
// problem() says what went wrong.
class SafeSaveStream {
  public:
    explicit SafeSaveStream(const QString& path);
    SafeSaveStream(const QString& path, mode_t mode);
    ~SafeSaveStream();
    SafeSaveStream(const SafeSaveStream&) = delete;
    SafeSaveStream& operator=(const SafeSaveStream&) = delete;

    bool append(const QByteArray& bytes);
    // Writes over bytes already appended, from `offset` on (a header filled in at the end).
    bool overwrite(qint64 offset, const QByteArray& bytes);
    qint64 size() const { return size_; }
    // Puts the file in place under the path it was made for, or under `finalPath` when given (a
    // path in the same folder, for a file whose name is known only once it is written).
    bool commit(const QString& finalPath = {});
    bool failed() const { return !problem_.isEmpty(); }
    const QString& problem() const { return problem_; }

  private:
    bool createTemporary();
    bool writeAll(const QByteArray& bytes, std::optional<qint64> offset);
    bool syncAndClose();
    bool putInPlace();
    bool syncFolder();
    void removeLeftovers();
    bool fail(const char* step);

    QString path_;
    QByteArray target_;
    mode_t mode_;
    FileSystemCalls& fs_;
    QByteArray temporary_;
    int fd_ = -1;
    qint64 size_ = 0;
    bool placed_ = false;
    QString problem_;
};

// Replaces the file at `path` with `bytes` so that nothing between the old and the new file can
// be seen, even after a crash: a temporary file beside it is written whole, synced to disk and
// renamed over the old one, then the folder is synced. Until the rename any failure leaves the
// old file as it was and removes the temporary one. False on any failure, with `problem` naming
// the file, the step and the reason; a failing folder sync leaves the new file in place, not yet
// known to be on disk.
bool saveFileSafely(const QString& path, const QByteArray& bytes, QString* problem = nullptr);

// The file's bytes (none when it does not exist yet) followed by `bytes`, saved as above: the
// file is never cut short, whatever happens.
bool appendFileSafely(const QString& path, const QByteArray& bytes, QString* problem = nullptr);

// A copy of `from` saved at `to` as above, with the permissions of `from`.
bool copyFileSafely(const QString& from, const QString& to, QString* problem = nullptr);

} // namespace orvane
