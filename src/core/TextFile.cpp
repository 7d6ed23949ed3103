#include "core/TextFile.h"

#include "core/LogCategories.h"
#include "core/SafeSave.h"

#include <QFile>

namespace orvane {

namespace {
// Every text file the program writes passes here, so the results log sees each one.
bool reportSave(bool saved, const QString& path, const QString& problem, QString* error) {
    if (saved) {
        qCDebug(lcResults) << "saved" << path;
        return true;
    }
    qCDebug(lcResults) << "could not save:" << problem;
    if (error)
        *error = problem;
    return false;
}
} // namespace

QString crlfJoin(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String(CrLf);
    return text;
}

bool writeTextFile(const QString& path, const QString& text, QString* error) {
    QString problem;
    return reportSave(saveFileSafely(path, text.toUtf8(), &problem), path, problem, error);
}

bool appendTextFile(const QString& path, const QString& text, QString* error) {
    QString problem;
    return reportSave(appendFileSafely(path, text.toUtf8(), &problem), path, problem, error);
}

QStringList splitTextLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

int iniKeyLine(const QStringList& lines, const QString& sectionSlashKey) {
    const QString section = sectionSlashKey.section(QLatin1Char('/'), 0, 0);
    const QString key = sectionSlashKey.section(QLatin1Char('/'), 1);
    QString current;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            current = line.mid(1, line.size() - 2).trimmed();
        else if (current == section && line.section(QLatin1Char('='), 0, 0).trimmed() == key)
            return int(i) + 1;
    }
    return 0;
}

std::optional<QStringList> readTextLines(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return splitTextLines(QString::fromUtf8(file.readAll()));
}

} // namespace orvane
