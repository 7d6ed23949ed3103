#pragma once

#include "app/cli/HeadlessCommand.h"

#include <QString>
#include <QStringList>

namespace orvane::testkit {

struct CommandResult {
    int exit = -1;
    QString out;
    QString err;
};

// orvane-cli in-process, its output caught.
inline CommandResult runCommand(const QStringList& arguments) {
    CommandResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.exit = runHeadlessCommand(QStringList{"orvane-cli"} + arguments, out, err);
    return result;
}

} // namespace orvane::testkit
