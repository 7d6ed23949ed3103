#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace orvane {

// Escapes the characters that the key notation reads as keys ("+", "^", "%", "~", parentheses,
// braces, brackets), so text built from data, such as a folder name, is typed as it stands.
QString sendKeysLiteral(const QString& text);

// One step of typing: plain text, or a key chord in X keysym names ("alt+f", "Return").
struct KeyStroke {
    enum class Kind { Text, Chord };
    Kind kind;
    QString value;
    bool operator==(const KeyStroke&) const = default;
};

// Reads the key notation; nullopt when it is malformed (unbalanced braces or parentheses, an
// unknown key name).
std::optional<QList<KeyStroke>> parseSendKeys(const QString& keys);

} // namespace orvane
