#include "results/SendKeys.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
KeyStroke text(const QString& value) {
    return {KeyStroke::Kind::Text, value};
}
KeyStroke chord(const QString& value) {
    return {KeyStroke::Kind::Chord, value};
}
} // namespace

TEST(SendKeys, LiteralEscapesEveryKeyCharacter) {
    EXPECT_EQ(sendKeysLiteral("/home/ann/data (v+1)/a^b%c~d[e]{f}"),
              "/home/ann/data {(}v{+}1{)}/a{^}b{%}c{~}d{[}e{]}{{}f{}}");
    EXPECT_EQ(sendKeysLiteral("plain/Test3.set"), "plain/Test3.set");
}

TEST(SendKeys, EscapedTextParsesBackToTheSameCharacters) {
    const QString path = "/data (v+1)/x^y%z~{w}[q]/Test3.set";
    const auto strokes = parseSendKeys(sendKeysLiteral(path) + "{enter}");
    ASSERT_TRUE(strokes);
    EXPECT_EQ(*strokes, QList<KeyStroke>({text(path), chord("Return")}));
}

TEST(SendKeys, ModifiersApplyToTheNextKeyOrGroup) {
    EXPECT_EQ(parseSendKeys("%fo"), QList<KeyStroke>({chord("alt+f"), text("o")}));
    EXPECT_EQ(parseSendKeys("^+s"), QList<KeyStroke>({chord("ctrl+shift+s")}));
    EXPECT_EQ(parseSendKeys("%(ff)x"),
              QList<KeyStroke>({chord("alt+f"), chord("alt+f"), text("x")}));
    EXPECT_EQ(parseSendKeys("+{TAB}"), QList<KeyStroke>({chord("shift+Tab")}));
}

TEST(SendKeys, NamedKeysRepeatsAndTilde) {
    EXPECT_EQ(parseSendKeys("a~b{ENTER}{f4}{left 3}"),
              QList<KeyStroke>({text("a"), chord("Return"), text("b"), chord("Return"), chord("F4"),
                                chord("Left"), chord("Left"), chord("Left")}));
    EXPECT_EQ(parseSendKeys("{x 3}"), QList<KeyStroke>({text("xxx")}));
    EXPECT_EQ(parseSendKeys(""), QList<KeyStroke>());
}

TEST(SendKeys, MalformedNotationIsRefused) {
    for (const QString bad : {"{enter", "{nokey}", "a)b", "%", "%(ab", "{}", "{left x}", "a(b"}) {
        EXPECT_FALSE(parseSendKeys(bad)) << bad.toStdString();
    }
}
