#include "results/XdotoolKeystrokeSender.h"

#include "results/SendKeys.h"

#include <QProcess>
#include <QStandardPaths>

namespace orvane {

namespace {
const QString KeysTitle = QStringLiteral("Cannot Send Keys!");
constexpr int XdotoolTimeoutMs = 10000;

QStringList argumentsFor(const KeyStroke& stroke) {
    if (stroke.kind == KeyStroke::Kind::Text)
        return {QStringLiteral("type"), QStringLiteral("--"), stroke.value};
    return {QStringLiteral("key"), QStringLiteral("--"), stroke.value};
}
} // namespace

XdotoolKeystrokeSender::XdotoolKeystrokeSender(MessageBoxes& boxes, QString xdotool)
    : boxes_(boxes), xdotool_(std::move(xdotool)) {}

XdotoolKeystrokeSender::XdotoolKeystrokeSender(MessageBoxes& boxes)
    : XdotoolKeystrokeSender(boxes, QStandardPaths::findExecutable(QStringLiteral("xdotool"))) {}

bool XdotoolKeystrokeSender::send(const QString& keys, bool /*wait*/) {
    if (xdotool_.isEmpty())
        return fail(QStringLiteral("Typing into the outside program needs xdotool, which was not "
                                   "found on the PATH (Debian package \"xdotool\")."));
    const auto strokes = parseSendKeys(keys);
    if (!strokes)
        return fail(
            QStringLiteral("The keys \"%1\" are not in a form that can be typed.").arg(keys));
    for (const KeyStroke& stroke : *strokes) {
        QProcess process;
        process.start(xdotool_, argumentsFor(stroke));
        if (!process.waitForFinished(XdotoolTimeoutMs) ||
            process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            const QString detail = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
            process.kill();
            return fail(QStringLiteral("xdotool could not type the keys \"%1\". %2")
                            .arg(keys, detail.isEmpty() ? process.errorString() : detail));
        }
    }
    return true;
}

bool XdotoolKeystrokeSender::fail(const QString& problem) {
    boxes_.show({KeysTitle, problem, MessageIcon::Critical});
    return false;
}

} // namespace orvane
