#include "LogFileCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tavrix {

namespace {

constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr char EndOfFile = '\x1a';

const char* const CodePage = "Windows-1252";

// Whether every line is valid UTF-8 on its own. A byte-order mark is kept
// as a character, so that text beginning with one reads back unchanged.
bool AllUtf8(const QList<QByteArray>& lines) {
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    for (const QByteArray& line : lines) {
        QString ignored = utf8.decode(line);
        if (utf8.hasError()) {
            return false;
        }
    }
    return true;
}

QStringList Decoded(const QList<QByteArray>& lines) {
    QStringList decoded;
    decoded.reserve(lines.size());
    if (AllUtf8(lines)) {
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
        for (const QByteArray& line : lines) {
            decoded << QString(utf8.decode(line));
        }
        return decoded;
    }
    QStringDecoder codePage(CodePage);
    for (const QByteArray& line : lines) {
        decoded << (codePage.isValid() ? QString(codePage.decode(line)) : QString::fromLatin1(line));
    }
    return decoded;
}

} // namespace

void LogFileReader::addBytes(QByteArrayView bytes) {
    for (const char byte : bytes) {
        if (ended_) {
            return;
        }
        const bool lineFeedOfLineEnd = byte == LineFeed && lastWasCr_;
        lastWasCr_ = byte == CarriageReturn;
        if (byte == EndOfFile) {
            ended_ = true;
        } else if (byte == CarriageReturn) {
            lines_.append(current_);
            current_.clear();
            lineStarted_ = false;
        } else if (!lineFeedOfLineEnd) {
            current_.append(byte);
            lineStarted_ = true;
        }
    }
}

QStringList LogFileReader::lines() const {
    if (!lineStarted_) {
        return Decoded(lines_);
    }
    QList<QByteArray> all = lines_;
    all.append(current_);
    return Decoded(all);
}

QStringList ReadLogFileBytes(QByteArrayView bytes) {
    LogFileReader reader;
    reader.addBytes(bytes);
    return reader.lines();
}

QByteArray LogFileBytes(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    // A fresh encoder each time: its error state never resets. It writes a
    // character it cannot map as 0x1A, which would end the file early, so
    // the code page is used only when its bytes read back as the same lines
    // (that also rules out code-page bytes that happen to be valid UTF-8).
    QStringEncoder codePage(CodePage);
    if (codePage.isValid()) {
        QByteArray bytes = codePage.encode(text);
        if (!codePage.hasError() && ReadLogFileBytes(bytes) == lines) {
            return bytes;
        }
    }
    return text.toUtf8();
}

} // namespace tavrix
