// `tavrix --convert`, `--list`, `--help` and `--version` run as a person runs
// them at a terminal: a separate process with no display at all. Expected
// results are worked out by hand or with bc from the units' definitions
// (1 inch = 2.54 cm, 1 mile = 1609.344 m = 5280 ft, 1 knot = 1852 m an hour,
// 1 US gallon = 3.785411784 litres, °C = (°F - 32) * 5/9).
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

// No X, no Wayland, no Qt platform chosen: what an ssh session has.
QProcessEnvironment TerminalEnvironment(const QString& locale, const QString& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LANGUAGE", "LC_NUMERIC"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert("LC_ALL", locale);
    environment.insert("HOME", home);
    environment.insert("XDG_CONFIG_HOME", home + "/config");
    environment.insert("XDG_RUNTIME_DIR", home + "/runtime");
    return environment;
}

class CommandLine : public ::testing::Test {
protected:
    Outcome run(const QStringList& arguments, const QString& locale = QStringLiteral("C")) {
        QProcess process;
        process.setProcessEnvironment(TerminalEnvironment(locale, home.path()));
        process.start(QStringLiteral(TAVRIX_EXECUTABLE), arguments);
        EXPECT_TRUE(process.waitForFinished(60000)) << "tavrix " << arguments.join(' ').toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir home;
};

struct ConvertCase {
    const char* locale;
    QStringList arguments;
    const char* printed;
};

void PrintTo(const ConvertCase& c, std::ostream* out) {
    *out << c.arguments.join(' ').toStdString() << " in " << c.locale;
}

class Converting : public CommandLine, public ::testing::WithParamInterface<ConvertCase> {};

TEST_P(Converting, PrintsTheResultAsTheWindowShowsIt) {
    const ConvertCase& c = GetParam();
    const Outcome result = run(QStringList{"--convert"} + c.arguments, QString::fromLatin1(c.locale));
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QString::fromUtf8(c.printed));
    EXPECT_EQ(result.err, QString());
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, Converting,
    ::testing::Values(
        // 68 * 5/9 = 37.777...
        ConvertCase{"C", {"100", "°F", "°C"}, "37.777778\n"},
        ConvertCase{"C", {"100", "degF", "deg c"}, "37.777778\n"},
        ConvertCase{"C", {"1", "knot", "km/hour"}, "1.852000\n"},
        ConvertCase{"C", {"1", "inch", "mm", "--decimals", "2"}, "25.40\n"},
        ConvertCase{"C", {"1", "inch", "mm", "--decimals=0"}, "25\n"},
        ConvertCase{"C", {"1", "mile", "m", "--format", "grouped", "--decimals", "0"}, "1,609\n"},
        ConvertCase{"C", {"1", "km", "mm", "--format", "scientific"}, "1.00000000000000E+0006\n"},
        // Temperatures take negative values: -40 is the same in both scales.
        ConvertCase{"C", {"-40", "°C", "°F", "--decimals", "3"}, "-40.000\n"},
        // The regional settings' separators, both ways.
        ConvertCase{"de_DE.UTF-8", {"1,5", "inch", "cm"}, "3,810000\n"},
        ConvertCase{
            "de_DE.UTF-8", {"1", "mile", "ft", "--format", "grouped", "--decimals", "1"}, "5.280,0\n"},
        // The line the results log would get: the value as typed, the units as the labels show them.
        ConvertCase{"C", {"100", "degF", "degC", "--log"}, "100 °Fahrenheit = 37.777778 °Celsius\n"},
        // 2 / 3.785411784 = 0.52834410...; Liquid measure holds both units.
        ConvertCase{"C",
                    {"2", "litre", "gallon USA", "--log", "--spelling", "usa"},
                    "2 liter = 0.528344 gallon USA\n"},
        ConvertCase{"en_US.UTF-8",
                    {"1", "metre", "ft", "--log", "--decimals", "4"},
                    "1 m (meter) = 3.2808 ft (feet)\n"},
        ConvertCase{"en_GB.UTF-8",
                    {"1", "meter", "ft", "--log", "--decimals", "4"},
                    "1 m (metre) = 3.2808 ft (feet)\n"}));

struct RefusalCase {
    QStringList arguments;
    int exitCode;
    std::vector<const char*> said; // each on stderr
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.arguments.join(' ').toStdString();
}

class Refusing : public CommandLine, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusing, SaysWhyOnStderrWithTheExitStatus) {
    const RefusalCase& c = GetParam();
    const Outcome result = run(c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(result.out, QString());
    for (const char* text : c.said) {
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(text))) << result.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Errors, Refusing,
    ::testing::Values(
        // Refused conversions, with the window's own texts.
        RefusalCase{{"--convert", "-500", "°C", "°F"}, 1, {"The \"°Celsius\" value is not a valid."}},
        RefusalCase{{"--convert", "-1", "m", "ft"}, 1, {"The \"m (metre)\" value is not a valid."}},
        RefusalCase{{"--convert", "1.5", "sine", "degrees angle"},
                    1,
                    {"Input range -1.0 to +1.0", "The \"sine of angle\" value is not a valid."}},
        RefusalCase{{"--convert", "90", "degrees angle", "tangent"}, 1, {"Error"}},
        // Usage errors.
        RefusalCase{
            {"--convert", "1", "furlongs fortnight", "m"}, 2, {"no unit matches \"furlongs fortnight\""}},
        RefusalCase{{"--convert", "1", "knot", "kg"},
                    2,
                    {"\"knot\" is a unit of Velocity and \"kg (kilogram)\" one of Mass / Weight"}},
        RefusalCase{{"--convert", "1", "gallon", "litre"},
                    2,
                    {"\"gallon\" could be any of these units:", "gallon UK \u2014 Liquid measure",
                     "gallon USA \u2014 Volume / Capacity", "... and 2 more"}},
        RefusalCase{{"--convert", "1", "m", "metres"}, 2, {"no unit matches \"metres\""}},
        RefusalCase{{"--convert", "abc", "m", "ft"}, 2, {"\"abc\" is not a number"}},
        RefusalCase{{"--convert", "1-", "m", "ft"}, 2, {"\"1-\" is not a number"}},
        RefusalCase{{"--convert", "1,000.5", "m", "ft"}, 2, {"\"1,000.5\" is not a number"}},
        RefusalCase{{"--convert", "1234567890123", "m", "ft"}, 2, {"too many digits"}},
        RefusalCase{{"--convert", "1.12345678901", "m", "ft"}, 2, {"too many digits"}},
        RefusalCase{{"--convert", "1", "m", "ft", "--decimals", "17"}, 2, {"0 to 16"}},
        RefusalCase{{"--convert", "1", "m", "ft", "--decimals", "2x"}, 2, {"0 to 16"}},
        RefusalCase{{"--convert", "1", "m", "ft", "--format", "pretty"}, 2, {"fixed, grouped or scientific"}},
        RefusalCase{{"--convert", "1", "m", "ft", "--spelling", "uk"}, 2, {"europe or usa"}},
        RefusalCase{{"--convert", "1", "m"}, 2, {"--convert needs a value"}},
        RefusalCase{{"--convert", "1", "m", "ft", "extra"}, 2, {"unknown argument \"extra\""}},
        RefusalCase{{"--decimals", "3"}, 2, {"say --convert or --list"}},
        RefusalCase{{"--list", "--log"}, 2, {"--log go with --convert"}},
        RefusalCase{{"--list", "--version"}, 2, {"go alone"}},
        RefusalCase{{"--list", "volume"}, 2, {"Flow Rate (volume)", "Volume / Capacity"}},
        RefusalCase{{"--list", "colour"}, 2, {"no category matches \"colour\""}}));

// An argument as long as the shell allows is refused without being repeated whole.
TEST_F(CommandLine, AnEnormousArgumentIsQuotedCutShort) {
    const QString digits(100000, '9');
    const QString words = QStringLiteral("ft min ").repeated(10000);
    for (const QStringList& arguments :
         {QStringList{"--convert", digits, "m", "ft"}, QStringList{"--convert", "1", words, "m"},
          QStringList{"--list", words}}) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_LT(result.err.size(), 1000) << result.err.left(200).toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("\u2026\" (")) &&
                    result.err.contains(QStringLiteral(" bytes)")))
            << result.err.left(200).toStdString();
    }
}

TEST_F(CommandLine, ListsCategoriesAndTheUnitsOfOneInEitherSpelling) {
    const Outcome categories = run({"--list"});
    EXPECT_EQ(categories.exitCode, 0);
    const QStringList lines = categories.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 24);
    EXPECT_EQ(lines.front(), "Acceleration");
    EXPECT_EQ(lines.back(), "Volume / Capacity");

    EXPECT_EQ(run({"--list", "temperature"}).out, "°Celsius\n°Fahrenheit\n°Kelvin\n°Rankine\n");
    const Outcome liquids = run({"--list", "liquid", "--spelling", "usa"});
    EXPECT_EQ(liquids.exitCode, 0);
    EXPECT_TRUE(liquids.out.startsWith("milliliter (cm³)\nliter\ngallon USA\n")) << liquids.out.toStdString();
    // Names shared with another category are listed without their padding.
    EXPECT_TRUE(run({"--list", "volume capacity"}).out.endsWith("fluid ounce USA\nfluid ounce UK\n"));
}

TEST_F(CommandLine, HelpAndVersion) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--convert VALUE FROM TO"));
    EXPECT_TRUE(help.out.contains("Exit status"));
    EXPECT_EQ(run({"-h"}).out, help.out);
    const Outcome version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("Tavrix " TAVRIX_VERSION "\n"));
}

TEST_F(CommandLine, TouchesNoSettingsFile) {
    const QFileInfo besideProgram(QFileInfo(QStringLiteral(TAVRIX_EXECUTABLE)).dir(), "Tavrix.ini");
    const bool existedBefore = besideProgram.exists();
    const QDateTime modifiedBefore = besideProgram.lastModified();
    EXPECT_EQ(run({"--convert", "1", "m", "ft"}).exitCode, 0);
    EXPECT_EQ(run({"--list", "length"}).exitCode, 0);
    EXPECT_TRUE(
        QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    QFileInfo after(besideProgram.filePath());
    EXPECT_EQ(after.exists(), existedBefore);
    EXPECT_EQ(after.lastModified(), modifiedBefore);
}

} // namespace
