#include "results/SendKeys.h"

#include <QHash>
#include <QStringList>

namespace orvane {

namespace {
const QString SpecialCharacters = QStringLiteral("+^%~(){}[]");

QString keysymOfName(const QString& name) {
    static const QHash<QString, QString> names = {
        {"enter", "Return"},
        {"tab", "Tab"},
        {"esc", "Escape"},
        {"escape", "Escape"},
        {"backspace", "BackSpace"},
        {"bs", "BackSpace"},
        {"bksp", "BackSpace"},
        {"delete", "Delete"},
        {"del", "Delete"},
        {"insert", "Insert"},
        {"ins", "Insert"},
        {"home", "Home"},
        {"end", "End"},
        {"pgup", "Prior"},
        {"pgdn", "Next"},
        {"up", "Up"},
        {"down", "Down"},
        {"left", "Left"},
        {"right", "Right"},
        {"break", "Break"},
        {"capslock", "Caps_Lock"},
        {"help", "Help"},
    };
    const QString lower = name.toLower();
    if (const auto it = names.constFind(lower); it != names.constEnd())
        return *it;
    bool ok = false;
    const int f = lower.startsWith('f') ? lower.mid(1).toInt(&ok) : 0;
    if (ok && f >= 1 && f <= 16)
        return QStringLiteral("F%1").arg(f);
    return {};
}

// A key read from the notation: a character typed as it is, or a named key.
struct Token {
    QString character; // set for a character
    QString keysym;    // set for a named key
    int repeat = 1;
};

class Parser {
  public:
    explicit Parser(const QString& keys) : keys_(keys) {}

    std::optional<QList<KeyStroke>> run() {
        while (pos_ < keys_.size()) {
            if (!step())
                return std::nullopt;
        }
        flushText();
        return out_;
    }

  private:
    // One key or one modified group.
    bool step() {
        QStringList modifiers;
        while (pos_ < keys_.size() && QStringLiteral("+^%").contains(keys_[pos_])) {
            const QChar m = keys_[pos_++];
            modifiers << (m == '+' ? "shift" : m == '^' ? "ctrl" : "alt");
        }
        if (pos_ >= keys_.size())
            return false; // a modifier with nothing to modify
        if (keys_[pos_] == '(' && !modifiers.isEmpty()) {
            ++pos_;
            while (pos_ < keys_.size() && keys_[pos_] != ')') {
                const auto token = readToken();
                if (!token)
                    return false;
                add(*token, modifiers);
            }
            if (pos_ >= keys_.size())
                return false;
            ++pos_;
            return true;
        }
        const auto token = readToken();
        if (!token)
            return false;
        add(*token, modifiers);
        return true;
    }

    std::optional<Token> readToken() {
        const QChar c = keys_[pos_];
        if (c == '{') {
            // "{}}" names the closing brace itself.
            const qsizetype close = keys_.indexOf('}', pos_ + 2);
            if (close < 0)
                return std::nullopt;
            const QString body = keys_.mid(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            return tokenOfBraces(body);
        }
        ++pos_;
        if (c == '~')
            return Token{{}, QStringLiteral("Return")};
        if (QStringLiteral("(){}").contains(c))
            return std::nullopt;
        return Token{QString(c), {}};
    }

    static std::optional<Token> tokenOfBraces(const QString& body) {
        if (body.size() == 1)
            return Token{body, {}};
        QString name = body;
        int repeat = 1;
        if (const qsizetype space = body.indexOf(' '); space > 0) {
            bool ok = false;
            repeat = body.mid(space + 1).toInt(&ok);
            if (!ok || repeat < 0)
                return std::nullopt;
            name = body.left(space);
        }
        if (name.size() == 1)
            return Token{name, {}, repeat};
        const QString keysym = keysymOfName(name);
        if (keysym.isEmpty())
            return std::nullopt;
        return Token{{}, keysym, repeat};
    }

    void add(const Token& token, const QStringList& modifiers) {
        for (int i = 0; i < token.repeat; ++i) {
            if (modifiers.isEmpty() && !token.character.isEmpty()) {
                text_ += token.character;
                continue;
            }
            flushText();
            QStringList chord = modifiers;
            chord << (token.keysym.isEmpty() ? token.character : token.keysym);
            out_.append({KeyStroke::Kind::Chord, chord.join('+')});
        }
    }

    void flushText() {
        if (!text_.isEmpty())
            out_.append({KeyStroke::Kind::Text, text_});
        text_.clear();
    }

    const QString& keys_;
    qsizetype pos_ = 0;
    QString text_;
    QList<KeyStroke> out_;
};
} // namespace

QString sendKeysLiteral(const QString& text) {
    QString out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        if (SpecialCharacters.contains(c))
            out += QLatin1Char('{') + c + QLatin1Char('}');
        else
            out += c;
    }
    return out;
}

std::optional<QList<KeyStroke>> parseSendKeys(const QString& keys) {
    return Parser(keys).run();
}

} // namespace orvane
