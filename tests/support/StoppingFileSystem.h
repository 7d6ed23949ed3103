#pragma once

#include "core/SafeSave.h"

#include <QHash>
#include <QStringList>
#include <cerrno>
#include <fcntl.h>
#include <functional>

namespace orvane::testkit {

// The calls of every save while it lives, made for real and logged ("write <path>") up to the
// one `stopHere` picks. That call fails with EIO and the later ones work (Refuse); or from that
// call on the disk is full (new files, writes, syncs and renames fail with ENOSPC, the write that
// fills it after taking half its bytes; closing and removing still work); or the program was
// killed (nothing reaches the disk any more).
class StoppingFileSystem : public FileSystemCalls {
  public:
    enum class Stop { Refuse, DiskFull, Kill };
    using Choice = std::function<bool(const QString& call)>;

    StoppingFileSystem(Stop stop, Choice stopHere)
        : stop_(stop), stopHere_(std::move(stopHere)), previous_(useFileSystemCalls(this)) {}
    ~StoppingFileSystem() override { useFileSystemCalls(previous_); }

    // The `n`th call, counted from 1; 0 never stops.
    static Choice atCall(int n) {
        return [n, count = 0](const QString&) mutable { return ++count == n; };
    }
    // The first call of that name with `part` in a path.
    static Choice atFirst(const QString& name, const QString& part) {
        return [=](const QString& call) { return call.startsWith(name) && call.contains(part); };
    }

    int open(const char* path, int flags, mode_t mode) override {
        if (!pass(QStringLiteral("open ") + path, (flags & O_CREAT) != 0))
            return -1;
        const int fd = FileSystemCalls::open(path, flags, mode);
        paths_[fd] = path;
        return fd;
    }
    ssize_t write(int fd, const char* data, size_t size) override {
        return pwrite(fd, data, size, -1);
    }
    // An offset of -1 writes at the end, as write() does.
    ssize_t pwrite(int fd, const char* data, size_t size, off_t offset) override {
        const bool fillsNow = !stopped && stop_ == Stop::DiskFull;
        const auto really = [&](size_t n) {
            return offset < 0 ? FileSystemCalls::write(fd, data, n)
                              : FileSystemCalls::pwrite(fd, data, n, offset);
        };
        if (pass(QStringLiteral("write ") + paths_[fd], true))
            return really(size);
        return fillsNow && size > 1 ? really(size / 2) : -1;
    }
    // Tests need nothing on the disk itself, and real syncs are slow: the sync is only logged.
    int fsync(int fd) override {
        return pass(QStringLiteral("fsync ") + paths_[fd], true) ? 0 : -1;
    }
    // A killed program's files are closed all the same, but it hears nothing back.
    int close(int fd) override {
        const bool heard = pass(QStringLiteral("close ") + paths_.take(fd), false);
        return FileSystemCalls::close(fd) == 0 && heard ? 0 : -1;
    }
    int rename(const char* from, const char* to) override {
        return pass(QStringLiteral("rename %1 %2").arg(from, to), true)
                   ? FileSystemCalls::rename(from, to)
                   : -1;
    }
    int unlink(const char* path) override {
        return pass(QStringLiteral("unlink ") + path, false) ? FileSystemCalls::unlink(path) : -1;
    }

    QStringList calls; // every call asked for, in order
    QStringList made;  // the calls that went through
    bool stopped = false;

  private:
    bool pass(const QString& call, bool refusedWhenFull) {
        calls << call;
        const bool here = !stopped && stopHere_(call);
        stopped = stopped || here;
        const bool refused = stop_ == Stop::Refuse     ? here
                             : stop_ == Stop::DiskFull ? stopped && refusedWhenFull
                                                       : stopped;
        if (refused)
            errno = stop_ == Stop::DiskFull ? ENOSPC : EIO;
        else
            made << call;
        return !refused;
    }

    Stop stop_;
    Choice stopHere_;
    FileSystemCalls* previous_;
    QHash<int, QString> paths_;
};

} // namespace orvane::testkit
