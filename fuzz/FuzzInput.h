#pragma once

// What every harness needs: Qt started once, a scratch folder for the run (on a RAM disk when
// TMPDIR names one), the fuzzer's bytes written there as the file the program reads, and a way
// to stop the run when a property of what was read does not hold.

#include "core/MessageBoxes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace orvane::fuzz {

inline void startQt() {
    static int argc = 1;
    static char name[] = "orvane-fuzzer";
    static char* argv[] = {name, nullptr};
    static const QCoreApplication application(argc, argv);
}

inline const QString& scratchFolder() {
    static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/orvane-fuzz-XXXXXX"));
    static const QString path = folder.path();
    return path;
}

// Gives the open file a modification time no other file of the run had. The INI reader keeps a file
// it has read until its size or time changes, and thousands of files written in one millisecond
// would otherwise read as the one before them of the same size.
inline void giveTimeOfItsOwn(QFile& file) {
    static qint64 files = 0;
    if (!file.setFileTime(QDateTime::fromSecsSinceEpoch(++files),
                          QFileDevice::FileModificationTime))
        __builtin_trap(); // the scratch folder itself failed: nothing would be tested
}

// Writes the input as `name` in `folder` (made when missing) and returns the file's path, at a
// time of its own (a new name for each input would grow the INI reader's cache for ever).
inline QString writeInput(const QString& folder, const QString& name, const uint8_t* data,
                          size_t size) {
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        __builtin_trap(); // the scratch folder itself failed: nothing would be tested
    giveTimeOfItsOwn(file);
    return path;
}

// Stops the run, so the fuzzer keeps the input, when a property fails.
inline void require(bool holds) {
    if (!holds)
        __builtin_trap();
}

// Every message is dropped: the harnesses look at what was read, not at what was said.
class SilentMessageBoxes : public MessageBoxes {
  public:
    MessageAnswer show(const Message& message) override { return message.defaultAnswer; }
};

} // namespace orvane::fuzz
