#include "LogFileCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>

namespace tavrix {

namespace {

constexpr char16_t CarriageReturn = u'\r';
constexpr char16_t LineFeed = u'\n';
constexpr char EndOfFile = '\x1a';

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; the five bytes it
// leaves undefined stand for the control characters of the same number, so
// that every byte reads as a character and writes back as the same byte.
constexpr std::array<char16_t, 32> CodePageHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
constexpr unsigned char FirstHighControl = 0x80;
constexpr unsigned char LastHighControl = 0x9F;

QString FromCodePage(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = code >= FirstHighControl && code <= LastHighControl
                     ? CodePageHighControls[code - FirstHighControl]
                     : char16_t{code};
    }
    return text;
}

// The text in the code page, or nothing when a character is not in it.
std::optional<QByteArray> ToCodePage(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (code < FirstHighControl || (code > LastHighControl && code <= 0xFF)) {
            *out++ = static_cast<char>(code);
            continue;
        }
        const auto* found = std::find(CodePageHighControls.begin(), CodePageHighControls.end(), code);
        if (found == CodePageHighControls.end()) {
            return std::nullopt;
        }
        *out++ = static_cast<char>(FirstHighControl + (found - CodePageHighControls.begin()));
    }
    return bytes;
}

// Whether code-page bytes would be taken for UTF-8 and so read as other
// characters: valid UTF-8 that is not plain ASCII.
bool ReadsAsOtherUtf8(const QByteArray& bytes) {
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char byte) { return byte >= 0; });
    return !ascii && bytes.isValidUtf8();
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf(CarriageReturn, start);
        if (end < 0) {
            lines << text.sliced(start);
            break;
        }
        lines << text.sliced(start, end - start);
        start = end + 1;
        if (start < text.size() && text.at(start) == LineFeed) {
            ++start;
        }
    }
    return lines;
}

} // namespace

namespace {

QString DecodedText(QByteArrayView bytes) {
    const auto* end = std::find(bytes.begin(), bytes.end(), EndOfFile);
    const QByteArrayView content = bytes.first(end - bytes.begin());
    // A byte-order mark is kept as a character, so that text beginning with
    // one reads back unchanged.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(content);
    if (utf8.hasError()) {
        text = FromCodePage(content);
    }
    return text;
}

} // namespace

QStringList ReadLogFileBytes(QByteArrayView bytes) {
    return SplitLines(DecodedText(bytes));
}

QString ReadLogFileText(QByteArrayView bytes) {
    QString text = DecodedText(bytes);
    // In place: each line end becomes one "\n", the text only shrinks.
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    char16_t* out = begin;
    for (const char16_t* in = begin; in != begin + text.size(); ++in) {
        if (*in == CarriageReturn) {
            *out++ = LineFeed;
            if (in + 1 != begin + text.size() && in[1] == LineFeed) {
                ++in;
            }
        } else {
            *out++ = *in;
        }
    }
    text.truncate(out - begin);
    if (!text.isEmpty() && !text.endsWith(LineFeed)) {
        text += LineFeed;
    }
    return text;
}

void LogFileText::addLine(QStringView line) {
    breaksTheFile_ = breaksTheFile_ || line.contains(CarriageReturn) || line.contains(QChar(EndOfFile));
    text_ += line;
    text_ += QLatin1String("\r\n");
}

QByteArray LogFileText::bytes() const {
    // The code page only where its bytes read back as the same lines: not
    // where they would pass for UTF-8 and read as other characters, nor
    // where a line holds a CR or the end-of-file mark, which no encoding
    // keeps.
    if (std::optional<QByteArray> bytes = ToCodePage(text_);
        bytes && !ReadsAsOtherUtf8(*bytes) && !breaksTheFile_) {
        return *bytes;
    }
    return text_.toUtf8();
}

QByteArray LogFileBytes(const QStringList& lines) {
    LogFileText file;
    for (const QString& line : lines) {
        file.addLine(line);
    }
    return file.bytes();
}

} // namespace tavrix
