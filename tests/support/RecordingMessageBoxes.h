#pragma once

#include "core/MessageBoxes.h"

#include <QList>
#include <QStringList>

namespace orvane::testkit {

// Records every message and answers as told (OK unless queued otherwise).
class RecordingMessageBoxes : public MessageBoxes {
  public:
    MessageAnswer show(const Message& message) override {
        shown.append(message);
        return answers.isEmpty() ? MessageAnswer::Ok : answers.takeFirst();
    }
    QStringList titles() const { return collect(&Message::title); }
    QStringList texts() const { return collect(&Message::text); }

    QList<Message> shown;
    QList<MessageAnswer> answers;

  private:
    QStringList collect(QString Message::*part) const {
        QStringList out;
        for (const Message& m : shown)
            out << m.*part;
        return out;
    }
};

} // namespace orvane::testkit
