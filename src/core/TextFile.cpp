#include "core/TextFile.h"

#include "core/LogCategories.h"

#include <QFile>
#include <QSaveFile>

namespace orvane {

namespace {
// Every text file the program writes passes here, so the results log sees each one.
bool reportSave(bool saved, const QString& path, const QFileDevice& file, QString* error) {
    if (saved) {
        qCDebug(lcResults) << "saved" << path;
        return true;
    }
    qCDebug(lcResults) << "could not save" << path << file.errorString();
    if (error)
        *error = file.errorString();
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
    QSaveFile file(path);
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved) {
        file.write(text.toUtf8());
        saved = file.commit();
    }
    return reportSave(saved, path, file, error);
}

bool appendTextFile(const QString& path, const QString& text, QString* error) {
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    const bool saved =
        file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(bytes) == bytes.size();
    return reportSave(saved, path, file, error);
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
