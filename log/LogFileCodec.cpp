#include "LogFileCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <functional>
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

// The text of `bytes` in runs of whole lines of about 64 KB: the file read
// as UTF-8 if it is valid UTF-8 as a whole, as the code page otherwise. A
// run ends after a CR (and the LF after it), never part of a UTF-8
// sequence, so each run decodes alone as the whole file would.
void ForEachDecodedRun(QByteArrayView bytes, const std::function<void(QString)>& take) {
    const auto* end = std::find(bytes.begin(), bytes.end(), EndOfFile);
    const QByteArrayView content = bytes.first(end - bytes.begin());
    const bool utf8 = content.isValidUtf8();
    constexpr qsizetype RunBytes = 65536;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype stop = content.size();
        if (content.size() - start > RunBytes) {
            if (const qsizetype lineEnd = content.indexOf(char(CarriageReturn), start + RunBytes);
                lineEnd >= 0) {
                stop = lineEnd + 1;
                if (stop < content.size() && content[stop] == char(LineFeed)) {
                    ++stop;
                }
            }
        }
        const QByteArrayView run = content.sliced(start, stop - start);
        // A byte-order mark is kept as a character, so that text beginning
        // with one reads back unchanged.
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
        take(utf8 ? QString(decoder.decode(run)) : FromCodePage(run));
        start = stop;
    }
}

} // namespace

void ForEachLogLineRun(QByteArrayView bytes, const std::function<void(QStringView)>& take) {
    ForEachDecodedRun(bytes, [&take](QString text) {
        // In place, for a run may be one line of megabytes: each line end
        // becomes one "\n", the text only shrinks; the run's last line ends
        // with the run.
        char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
        const char16_t* const end = begin + text.size();
        char16_t* out = begin;
        bool endsALine = false;
        for (const char16_t* in = begin; in != end; ++in) {
            endsALine = *in == CarriageReturn;
            *out++ = endsALine ? LineFeed : *in;
            if (endsALine && in + 1 != end && in[1] == LineFeed) {
                ++in;
            }
        }
        text.truncate((out - begin) - (endsALine ? 1 : 0));
        take(text);
    });
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

} // namespace tavrix
