// A translation in which every text marked for translation comes back
// wrapped in ⟦ ⟧, so that a text someone forgot to mark shows up unwrapped
// wherever the program puts it. Qt's own texts are wrapped as well.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace tavrix {

class PseudoTranslator final : public QTranslator {
public:
    using QTranslator::QTranslator;

    static QString wrapped(const QString& text) {
        return QStringLiteral("\u27E6") + text + QStringLiteral("\u27E7");
    }

    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* sourceText, const char* = nullptr, int = -1) const override {
        return wrapped(QString::fromUtf8(sourceText));
    }
};

// What of `text` lies outside every ⟦ ⟧ (they nest where a translated text
// holds another), with the brackets gone.
inline QString OutsideTranslations(const QString& text) {
    QString outside;
    int depth = 0;
    for (const QChar c : text) {
        if (c == u'\u27E6') {
            ++depth;
        } else if (c == u'\u27E7') {
            depth = qMax(0, depth - 1);
        } else if (depth == 0) {
            outside += c;
        }
    }
    return outside;
}

// Whether `text` holds a word outside its translations: three letters in a
// row, unless what lies outside is one of `names` (units, the program's
// name), which are never translated.
inline bool HasUntranslatedWords(const QString& text, const QStringList& names) {
    const QString outside = OutsideTranslations(text);
    int letters = 0;
    bool word = false;
    for (const QChar c : outside) {
        letters = c.isLetter() ? letters + 1 : 0;
        word = word || letters >= 3;
    }
    if (!word) {
        return false;
    }
    QString bare = outside;
    bare.remove(u'&');
    while (!bare.isEmpty() && !bare.back().isLetterOrNumber() && bare.back() != u')') {
        bare.chop(1);
    }
    return !names.contains(bare.trimmed());
}

} // namespace tavrix
