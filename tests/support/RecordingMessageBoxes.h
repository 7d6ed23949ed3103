#pragma once

#include "app/core/MessageBoxes.h"

#include <QList>

namespace orvane::testkit {

// Records every message and answers as told (OK unless queued otherwise).
class RecordingMessageBoxes : public MessageBoxes {
  public:
    MessageAnswer show(const Message& message) override {
        shown.append(message);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return MessageAnswer::Ok;
    }
    QStringList titles() const {
        QStringList out;
        for (const Message& m : shown)
            out << m.title;
        return out;
    }
    QStringList texts() const {
        QStringList out;
        for (const Message& m : shown)
            out << m.text;
        return out;
    }

    QList<Message> shown;
    QList<MessageAnswer> answers;
};

} // namespace orvane::testkit
