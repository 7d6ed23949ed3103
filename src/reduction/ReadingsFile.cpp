#include "reduction/ReadingsFile.h"

#include "core/AppState.h"
#include "reduction/SixtestsSetFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace orvane {

namespace {
const QString FixedName = QStringLiteral("fixed");
const QString MovingName = QStringLiteral("moving");

// Reads fields off the JSON form, keeping the first thing that was wrong.
class FormReader {
  public:
    QString error;

    double number(const QJsonObject& object, const QString& key, const QString& where,
                  std::optional<double> fallback = std::nullopt) {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() && fallback)
            return *fallback;
        if (!value.isDouble())
            fail(QStringLiteral("%1 \"%2\" must be a number.").arg(where, key));
        return value.toDouble();
    }

    QString choice(const QJsonObject& object, const QString& key, const QString& where,
                   const QStringList& choices) {
        const QString value = object.value(key).toString();
        if (!choices.contains(value))
            fail(QStringLiteral("%1 \"%2\" must be \"%3\".")
                     .arg(where, key, choices.join(QStringLiteral("\" or \""))));
        return value;
    }

    std::vector<double> numbers(const QJsonValue& list, const QString& what) {
        std::vector<double> values;
        if (!list.isArray())
            fail(QStringLiteral("%1 must be a list of numbers.").arg(what));
        for (const QJsonValue& v : list.toArray()) {
            if (!v.isDouble())
                fail(QStringLiteral("%1 must be a list of numbers.").arg(what));
            values.push_back(v.toDouble());
        }
        return values;
    }

    void fail(const QString& message) {
        if (error.isEmpty())
            error = message;
    }
};

QJsonArray jsonList(const std::vector<double>& values) {
    QJsonArray list;
    for (double v : values)
        list.append(v);
    return list;
}

ReductionMirror mirrorFrom(const QJsonObject& m, FormReader& read) {
    const QString where = QStringLiteral("The mirror's");
    ReductionMirror mirror;
    mirror.name = m.value(QStringLiteral("name")).toString();
    mirror.diameter = read.number(m, QStringLiteral("diameter"), where);
    mirror.obstruction = read.number(m, QStringLiteral("obstruction"), where, 0.0);
    mirror.roc = read.number(m, QStringLiteral("roc"), where);
    mirror.conic = read.number(m, QStringLiteral("conic"), where, -1.0);
    mirror.units = read.choice(m, QStringLiteral("units"), where,
                               {QStringLiteral("in"), QStringLiteral("mm")}) == QStringLiteral("mm")
                       ? MirrorUnits::Millimetres
                       : MirrorUnits::Inches;
    return mirror;
}
} // namespace

ReadingsFileResult readReadingsFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt,
                QStringLiteral("The file could not be read: %1.").arg(file.errorString())};
    const QByteArray content = file.readAll();
    if (path.endsWith(QStringLiteral(".set"), Qt::CaseInsensitive))
        return readingsFromSixtests(QString::fromLatin1(content));
    return readingsFromJson(content);
}

ReadingsFileResult readingsFromJson(const QByteArray& json) {
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parsed);
    if (parsed.error != QJsonParseError::NoError)
        return {std::nullopt, QStringLiteral("This is not a JSON readings file (%1 at character "
                                             "%2).")
                                  .arg(parsed.errorString())
                                  .arg(parsed.offset)};
    const QJsonObject root = document.object();
    FormReader read;
    for (const QString& key : {QStringLiteral("mirror"), QStringLiteral("zones")}) {
        if (!root.value(key).isObject())
            return {std::nullopt,
                    QStringLiteral("The readings file has no \"%1\" object.").arg(key)};
    }
    ReadingsInput input;
    input.mirror = mirrorFrom(root.value(QStringLiteral("mirror")).toObject(), read);
    input.source = read.choice(root, QStringLiteral("source"), QStringLiteral("The"),
                               {FixedName, MovingName}) == MovingName
                       ? TesterSource::Moving
                       : TesterSource::Fixed;
    const QJsonObject zones = root.value(QStringLiteral("zones")).toObject();
    if (zones.contains(QStringLiteral("edges")))
        input.edges = read.numbers(zones.value(QStringLiteral("edges")),
                                   QStringLiteral("The zones' \"edges\""));
    if (zones.contains(QStringLiteral("radii")))
        input.radii = read.numbers(zones.value(QStringLiteral("radii")),
                                   QStringLiteral("The zones' \"radii\""));
    // An empty list gives no zone either, and would not be written back.
    if (input.edges.empty() && input.radii.empty())
        read.fail(QStringLiteral("The \"zones\" must give \"edges\" or \"radii\"."));
    const QJsonValue sets = root.value(QStringLiteral("readings"));
    if (!sets.isArray())
        read.fail(QStringLiteral("The \"readings\" must be a list of sets, each a list of "
                                 "readings."));
    for (const QJsonValue& set : sets.toArray())
        input.sets.push_back(read.numbers(
            set, QStringLiteral("Each set of \"readings\" (a list of sets, one list per set)")));
    input.wavelengthNm = read.number(root, QStringLiteral("wavelength_nm"), QStringLiteral("The"),
                                     DefaultWavelengthNm);
    // A test record tells its test; nothing reads the number, but it is checked like any other.
    const QJsonObject test = root.value(QStringLiteral("test")).toObject();
    if (test.contains(QStringLiteral("number"))) {
        const double number =
            read.number(test, QStringLiteral("number"), QStringLiteral("The test's"));
        if (number != std::floor(number) || number < 1 || number >= TestNumberLimit)
            read.fail(QStringLiteral("The test's \"number\" must be a whole number from 1 to %1.")
                          .arg(TestNumberLimit - 1));
    }
    if (!read.error.isEmpty())
        return {std::nullopt, read.error};
    return {input, QString()};
}

QJsonObject readingsJson(const ReadingsInput& input) {
    const ReductionMirror& m = input.mirror;
    QJsonObject zones;
    if (!input.edges.empty())
        zones.insert(QStringLiteral("edges"), jsonList(input.edges));
    if (!input.radii.empty())
        zones.insert(QStringLiteral("radii"), jsonList(input.radii));
    QJsonArray sets;
    for (const auto& set : input.sets)
        sets.append(jsonList(set));
    return {
        {QStringLiteral("mirror"), QJsonObject{{QStringLiteral("name"), m.name},
                                               {QStringLiteral("diameter"), m.diameter},
                                               {QStringLiteral("obstruction"), m.obstruction},
                                               {QStringLiteral("roc"), m.roc},
                                               {QStringLiteral("conic"), m.conic},
                                               {QStringLiteral("units"), unitName(m.units)}}},
        {QStringLiteral("source"), input.source == TesterSource::Moving ? MovingName : FixedName},
        {QStringLiteral("zones"), zones},
        {QStringLiteral("readings"), sets},
        {QStringLiteral("wavelength_nm"), input.wavelengthNm}};
}

} // namespace orvane
