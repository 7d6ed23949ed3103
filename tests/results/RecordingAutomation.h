#pragma once

#include "app/core/Clock.h"
#include "results/FileChooser.h"
#include "results/KeystrokeSender.h"
#include "results/ProcessLauncher.h"

#include <QList>
#include <QStringList>

namespace orvane::testkit {

// Launches and keystrokes in the order they happened, each stamped with the virtual time in
// milliseconds, so the pauses between them show.
class AutomationLog {
  public:
    explicit AutomationLog(const Clock& clock) : clock_(clock) {}
    void add(const QString& event) {
        events << QStringLiteral("%1 ms: %2").arg(clock_.nowNs() / 1'000'000).arg(event);
    }
    QStringList events;

  private:
    const Clock& clock_;
};

class RecordingProcessLauncher : public ProcessLauncher {
  public:
    explicit RecordingProcessLauncher(AutomationLog& log) : log_(log) {}
    bool start(const QString& program, const QString& folder) override {
        log_.add(QStringLiteral("start %1 in %2").arg(program, folder));
        return succeed;
    }
    bool succeed = true;

  private:
    AutomationLog& log_;
};

class RecordingKeystrokeSender : public KeystrokeSender {
  public:
    explicit RecordingKeystrokeSender(AutomationLog& log) : log_(log) {}
    bool send(const QString& keys, bool wait) override {
        log_.add(QStringLiteral("%1 %2").arg(wait ? "keys+wait" : "keys", keys));
        return ++sent != failAt;
    }
    int sent = 0;
    int failAt = 0; // the send with this number (1-based) fails; 0: none fails

  private:
    AutomationLog& log_;
};

// Answers file requests from a queue (nullopt = the user cancelled) and records the requests.
class ScriptedFileChooser : public FileChooser {
  public:
    std::optional<QString> chooseFileToOpen(const FileRequest& request) override {
        fileRequests.append(request);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    std::optional<QString> chooseFolder(const QString& title, const QString& start) override {
        folderRequests << title + QStringLiteral(" | ") + start;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    QList<std::optional<QString>> answers;
    QList<FileRequest> fileRequests;
    QStringList folderRequests;
};

} // namespace orvane::testkit
