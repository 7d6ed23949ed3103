#include "app/shell/Help.h"

#include "core/MessageBoxes.h"
#include "core/ProgramFolder.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace orvane {

QString helpFilePath(const QString& programFolder) {
    return findPathIgnoringCase(
        joinPath(programFolder.trimmed(), {QString::fromLatin1(HelpFileName)}));
}

QUrl helpUrl(const QString& helpFile, int context) {
    QUrl url = QUrl::fromLocalFile(helpFile);
    if (context > 0)
        url.setFragment(QStringLiteral("context%1").arg(context));
    return url;
}

HelpSystem::HelpSystem(MessageBoxes& messages, Opener opener)
    : messages_(messages),
      opener_(opener ? std::move(opener) : Opener(&QDesktopServices::openUrl)) {}

void HelpSystem::init(QObject* owner, const QString& programFolder) {
    owner_ = owner;
    helpFile_ = helpFilePath(programFolder);
}

void HelpSystem::quit() {
    owner_ = nullptr;
}

bool HelpSystem::show(int context) {
    if (!owner_)
        return false;
    if (!QFileInfo::exists(helpFile_)) {
        messages_.show({QStringLiteral("Help :("),
                        QStringLiteral("The help file %1 is missing.").arg(helpFile_),
                        MessageIcon::Exclamation});
        return false;
    }
    if (opener_(helpUrl(helpFile_, context)))
        return true;
    messages_.show({QStringLiteral("Help :("),
                    QStringLiteral("No program could open the help file %1.").arg(helpFile_),
                    MessageIcon::Exclamation});
    return false;
}

} // namespace orvane
