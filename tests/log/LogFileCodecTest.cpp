// The bytes of results log files, read and written as the program reads and
// writes them: in runs of lines for the log field, and line by line.
#include "LogFileCodec.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

namespace tavrix {

void PrintTo(const QStringList& lines, std::ostream* out) {
    *out << '[';
    for (const QString& line : lines)
        *out << '"' << line.toStdString() << "\" ";
    *out << ']';
}

namespace {

struct Reading {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

void PrintTo(const Reading& reading, std::ostream* out) {
    *out << reading.name;
}

class ReadingRule : public ::testing::TestWithParam<Reading> {};

// The runs the log field takes.
QStringList RunsOf(const QByteArray& bytes) {
    QStringList runs;
    ForEachLogLineRun(bytes, [&runs](QStringView run) { runs << run.toString(); });
    return runs;
}

// What the log field holds after reading `bytes`, as its lines; none for an
// empty file. A lone LF ends a line in the field.
QStringList LinesRead(const QByteArray& bytes) {
    const QStringList runs = RunsOf(bytes);
    return runs.isEmpty() ? QStringList() : runs.join('\n').split('\n');
}

QByteArray BytesWritten(const QStringList& lines) {
    LogFileText file;
    for (const QString& line : lines)
        file.addLine(line);
    return file.bytes();
}

TEST_P(ReadingRule, GivesTheLines) {
    EXPECT_EQ(LinesRead(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LogFiles, ReadingRule,
    ::testing::Values(Reading{"EmptyFile", "", {}}, Reading{"LineEndsWithCrLf", "a\r\nb\r\n", {"a", "b"}},
                      Reading{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
                      Reading{"LoneCrEndsALine", "a\rb\r", {"a", "b"}},
                      Reading{"LoneLfEndsALineInTheField", "a\nb\r\n", {"a", "b"}},
                      Reading{"LfAfterALineEndIsALineOfItsOwn", "a\r\n\nb\r\n", {"a", "", "b"}},
                      Reading{"EmptyLinesAreLines", "\r\n\r\na\r\n\r\n", {"", "", "a", ""}},
                      Reading{"CrCrLfIsTwoLineEnds", "a\r\r\n", {"a", ""}},
                      Reading{"EndOfFileMarkInTheMiddle",
                              "a\r\nb\x1a"
                              "c\r\nd\r\n",
                              {"a", "b"}},
                      Reading{"EndOfFileMarkAfterALineEnd", "a\r\n\x1a\r\nb", {"a"}},
                      Reading{"EndOfFileMarkFirst",
                              "\x1a"
                              "a\r\n",
                              {}}),
    [](const ::testing::TestParamInfo<Reading>& test) { return std::string(test.param.name); });

struct Encoding {
    const char* name;
    QStringList lines;
    QByteArray bytes;
};

void PrintTo(const Encoding& encoding, std::ostream* out) {
    *out << encoding.name;
}

class FileEncoding : public ::testing::TestWithParam<Encoding> {};

TEST_P(FileEncoding, WritesTheBytes) {
    EXPECT_EQ(BytesWritten(GetParam().lines), GetParam().bytes);
}

TEST_P(FileEncoding, ReadsTheLinesBack) {
    EXPECT_EQ(LinesRead(GetParam().bytes).join('\n'), GetParam().lines.join('\n'));
}

// Windows-1252 wherever it holds the whole log; UTF-8 where it does not, and
// where its bytes would pass for UTF-8 and read back as other characters.
INSTANTIATE_TEST_SUITE_P(
    LogFiles, FileEncoding,
    ::testing::Values(
        Encoding{"EmptyLog", {}, ""}, Encoding{"EmptyLine", {""}, "\r\n"},
        Encoding{"Ascii", {"1.000 cm = 0.010000 m", "note"}, "1.000 cm = 0.010000 m\r\nnote\r\n"},
        Encoding{"CodePageSigns",
                 {QString::fromUtf8("1 m\u00B2 = 1 m\u00B3 \u00B0 \u00F7 \u20AC")},
                 "1 m\xB2 = 1 m\xB3 \xB0 \xF7 \x80\r\n"},
        Encoding{"NarrowNoBreakSpace",
                 {QString::fromUtf8("1\u202F000,5 m"), QString::fromUtf8("m\u00B2")},
                 "1\xE2\x80\xAF"
                 "000,5 m\r\nm\xC2\xB2\r\n"},
        Encoding{"Greek",
                 {QString::fromUtf8("\u03C3\u03B7\u03BC\u03B5\u03AF\u03C9\u03C3\u03B7")},
                 "\xCF\x83\xCE\xB7\xCE\xBC\xCE\xB5\xCE\xAF\xCF\x89\xCF\x83\xCE\xB7\r\n"},
        // "Â²" in the code page is C2 B2, which is UTF-8 for "²".
        Encoding{
            "CodePageBytesThatLookLikeUtf8", {QString::fromUtf8("\u00C2\u00B2")}, "\xC3\x82\xC2\xB2\r\n"},
        Encoding{"LineFeedInsideALine", {"a\nb"}, "a\nb\r\n"},
        // The five bytes the code page leaves undefined keep their numbers.
        Encoding{"UndefinedCodePageBytes",
                 {QString::fromUtf8("\u0081\u008D\u008F\u0090\u009D")},
                 "\x81\x8D\x8F\x90\x9D\r\n"}),
    [](const ::testing::TestParamInfo<Encoding>& test) { return std::string(test.param.name); });

TEST(LogFileReading, TakesAFileThatIsNotUtf8AsWindows1252) {
    // A UTF-8 lead byte cut off by a line end is no UTF-8.
    EXPECT_EQ(LinesRead("\xC2\r\n\xB2\r\n"),
              QStringList({QString::fromUtf8("\u00C2"), QString::fromUtf8("\u00B2")}));
    EXPECT_EQ(LinesRead("caf\xE9\r\n"), QStringList({QString::fromUtf8("caf\u00E9")}));
}

// A large file comes in runs of whole lines, cut wherever they fall: after
// a CR, between a CR and its LF, in the middle of a character's bytes.
TEST(LogFileRuns, AreTheFilesLinesWhereverTheyAreCut) {
    for (const bool utf8 : {true, false}) {
        QStringList lines;
        QByteArray bytes;
        for (int line = 0; line < 20'000; ++line) {
            lines << QString::fromUtf8("12 m\u00B2 = 129.17 ft\u00B2 #") + QString::number(line);
            bytes += (utf8 ? lines.constLast().toUtf8() : lines.constLast().toLatin1()) +
                     (line % 3 == 0 ? "\r" : "\r\n");
        }
        const QStringList runs = RunsOf(bytes);
        EXPECT_GT(runs.size(), 3) << "runs of about 64 KB";
        EXPECT_TRUE(runs.join('\n') == lines.join('\n')) << (utf8 ? "UTF-8" : "code page");
    }
}

} // namespace
} // namespace tavrix
