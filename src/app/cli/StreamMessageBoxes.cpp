#include "app/cli/StreamMessageBoxes.h"

namespace orvane {

MessageAnswer StreamMessageBoxes::show(const Message& message) {
    // Message texts use CR LF between their lines; a terminal wants LF alone.
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stream_ << message.title << ": " << text << Qt::endl;
    return MessageAnswer::Ok;
}

} // namespace orvane
