#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace orvane {

// The file-system calls a save makes, each as its POSIX namesake (result and errno), gathered
// in one object so that a test can refuse any one of them or stop the save after it.
class FileSystemCalls {
  public:
    virtual ~FileSystemCalls() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const char* data, size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
};

// Makes every later save go through `calls` (nullptr: the real ones); returns the calls used
// until then.
FileSystemCalls* useFileSystemCalls(FileSystemCalls* calls);

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
