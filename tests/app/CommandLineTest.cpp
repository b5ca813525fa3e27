// `tavrix --convert`, `--list`, `--help` and `--version` run as a person runs
// them at a terminal: a separate process with no display at all. Expected
// results are worked out by hand or with bc from the units' definitions
// (1 inch = 2.54 cm, 1 mile = 1609.344 m = 5280 ft, 1 knot = 1852 m an hour,
// 1 US gallon = 3.785411784 litres, °C = (°F - 32) * 5/9).
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
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

// No X, no Wayland, no Qt platform chosen: what an ssh session has. The
// messages speak `language` (LANGUAGE), or follow `locale` when it is empty.
QProcessEnvironment TerminalEnvironment(const QString& locale, const QString& home,
                                        const QString& language = QStringLiteral("en")) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LANGUAGE", "LC_NUMERIC"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert("LC_ALL", locale);
    if (!language.isEmpty()) {
        environment.insert("LANGUAGE", language);
    }
    environment.insert("HOME", home);
    environment.insert("XDG_CONFIG_HOME", home + "/config");
    environment.insert("XDG_RUNTIME_DIR", home + "/runtime");
    return environment;
}

class CommandLine : public ::testing::Test {
protected:
    Outcome run(const QStringList& arguments, const QString& locale = QStringLiteral("C"),
                const QString& language = QStringLiteral("en"), const QByteArray& input = {}) {
        QProcess process;
        process.setProcessEnvironment(TerminalEnvironment(locale, home.path(), language));
        process.start(QStringLiteral(TAVRIX_EXECUTABLE), arguments);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000))
            << "tavrix " << arguments.join(' ').left(200).toStdString();
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
        ConvertCase{"C", {"1", "inch", "mm", "--decimals", "16"}, "25.4000000000000000\n"},
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
                    "1 m (metre) = 3.2808 ft (feet)\n"},
        // Symbols: 1 g = 0.001 kg; 60 mph = 60 * 1.609344 km/h; 0 K = -273.15 °C;
        // a long ton is 2240 lb and a short one 2000 lb of 0.45359237 kg.
        ConvertCase{"C", {"1", "g", "kg"}, "0.001000\n"},
        ConvertCase{"C", {"60", "mph", "kph"}, "96.560640\n"},
        ConvertCase{"C", {"1", "in", "cm"}, "2.540000\n"}, ConvertCase{"C", {"0", "K", "C"}, "-273.150000\n"},
        ConvertCase{"C", {"1", "ton", "kg"}, "1016.046909\n"},
        ConvertCase{"C", {"1", "ton", "kg", "--spelling", "usa"}, "907.184740\n"},
        ConvertCase{"C", {"1", "um", "mm"}, "0.001000\n"},
        ConvertCase{"C", {"100", "cm³", "l"}, "0.100000\n"},
        // Units as people write them: 1 lbf ft = 9.80665 * 0.45359237 * 0.3048 N-m, the torque
        // beside "Nm"; an ounce is 0.45359237/16 kg; a mile 1609.344 m; a square foot
        // 0.3048² m²; a British pint 4.546092/8 litre, whatever the spelling.
        ConvertCase{"en_US.UTF-8", {"300", "lbf ft", "Nm"}, "406.745384\n"},
        ConvertCase{"en_US.UTF-8", {"1", "ounces", "grams"}, "28.349523\n"},
        ConvertCase{"en_US.UTF-8", {"10", "km", "miles"}, "6.213712\n"},
        ConvertCase{"en_US.UTF-8", {"200", "sq ft", "m²"}, "18.580608\n"},
        ConvertCase{"en_US.UTF-8", {"1", "UK pint", "ml"}, "568.261500\n"},
        ConvertCase{"en_US.UTF-8", {"25", "ºC", "ºF"}, "77.000000\n"},
        // "g" beside an acceleration is the standard gravity, 9.80665 m/sec².
        ConvertCase{"C", {"1", "g", "m/sec²", "--decimals", "5"}, "9.80665\n"},
        // Options after the operands, and before them.
        ConvertCase{"C", {"1", "inch", "mm", "--decimals", "1"}, "25.4\n"},
        ConvertCase{"C", {"-40", "°F", "C", "--decimals", "1"}, "-40.0\n"},
        // Everyday units: 100/7.5 km a litre is 100/7.5 * 3.785411784/1.609344 mile a USA
        // gallon; a kWh is 3600000/1055.05585262 Btu; the cup follows the spelling
        // (a USA gallon/16, or 250 ml); only case tells the megawatt from the milliwatt.
        ConvertCase{"C", {"7.5", "litre/100 km", "mile/gallon USA"}, "31.361944\n"},
        ConvertCase{"C", {"1", "kWh", "Btu"}, "3412.141633\n"},
        ConvertCase{"en_US.UTF-8", {"2", "cup", "ml"}, "473.176473\n"},
        ConvertCase{"en_GB.UTF-8", {"2", "cup", "ml"}, "500.000000\n"},
        ConvertCase{"C", {"1", "MW", "kW"}, "1000.000000\n"},
        ConvertCase{"C", {"1", "mW", "W"}, "0.001000\n"}));

// A value that carries its units is one operand; a compound unit's result is
// shown in its parts. 71 in × 2.54 = 180.34 cm; 158 lb × 0.45359237 =
// 71.66759446 kg; 180 / 2.54 = 70.866141732 in; 40 + 26/60 + 46/3600 =
// 40.446111°, × π/180 = 0.705918 rad.
INSTANTIATE_TEST_SUITE_P(
    ValuesWithTheirUnits, Converting,
    ::testing::Values(
        ConvertCase{"C", {"5 ft 11 in", "cm"}, "180.340000\n"},
        ConvertCase{"C", {"5'11\"", "cm"}, "180.340000\n"},
        ConvertCase{"C", {"11 st 4 lb", "kg"}, "71.667594\n"},
        ConvertCase{"C", {"1:30:00", "min"}, "90.000000\n"},
        ConvertCase{"C", {"40°26'46\"", "degrees"}, "40.446111\n"},
        ConvertCase{"C", {"40°26'46\"", "radians"}, "0.705918\n"},
        ConvertCase{"C", {"-40 °C", "°F"}, "-40.000000\n"},
        ConvertCase{"C", {"5 11", "ft in", "cm"}, "180.340000\n"},
        ConvertCase{"C", {"180", "cm", "ft in"}, "5 ft 10.866142 in\n"},
        ConvertCase{"C", {"182.8799999", "cm", "ft in", "--decimals", "2"}, "6 ft 0.00 in\n"},
        ConvertCase{"C", {"5400", "sec", "h:min:s", "--decimals", "0"}, "1:30:00\n"},
        ConvertCase{"C", {"2:15", "hour", "min"}, "135.000000\n"},
        // A temperature's minus is its whole value's: -2.5 °C is 27.5 °F.
        ConvertCase{"C", {"-2:30", "°C", "°F"}, "27.500000\n"},
        ConvertCase{"C", {"0.000001 in", "mm", "--log"}, "0.000001 inch = 0.000025 mm (millimetre)\n"},
        ConvertCase{
            "C", {"5 ft 11 in", "cm", "--log", "--decimals", "2"}, "5 ft 11 in = 180.34 cm (centimetre)\n"},
        ConvertCase{"de_DE.UTF-8", {"5 ft 10,5 in", "cm"}, "179,070000\n"},
        ConvertCase{"de_DE.UTF-8", {"177,8", "cm", "ft in", "--decimals", "1"}, "5 ft 10,0 in\n"}));

// Options may come first and the job last.
TEST_F(CommandLine, OptionsComeInAnyOrder) {
    for (const QStringList& arguments : {QStringList{"--decimals", "2", "--convert", "1", "inch", "mm"},
                                         QStringList{"1", "inch", "--decimals=2", "mm", "--convert"}}) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(result.out, "25.40\n");
    }
}

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
        RefusalCase{{"--convert", "1", "cycles", "Hz"},
                    2,
                    {"\"cycles\" could be any of these units:", "cycles/sec \u2014 Frequency",
                     "cycles/hour \u2014 Frequency"}},
        RefusalCase{{"--convert", "1", "Hz", "cycles"}, 2, {"\"cycles\" could be any of these units:"}},
        RefusalCase{{"--convert", "1", "m", "metrez"},
                    2,
                    {"no unit matches \"metrez\"; close names:\n  m (metre) \u2014 Length\n"}},
        // Never a guess: the order of a compound name's parts counts, and a text
        // that only begins a unit's name is refused with what it may mean.
        RefusalCase{{"--convert", "5", "min/km", "min/mile"}, 2, {"no unit matches \"min/km\""}},
        RefusalCase{{"--convert", "10", "sec/km", "m/s"}, 2, {"no unit matches \"sec/km\""}},
        RefusalCase{{"--convert", "1", "ft min", "m/s"},
                    2,
                    {"\"ft min\" could be any of these units:\n  ft/min \u2014 Velocity\n"}},
        RefusalCase{{"--convert", "1", "kcall", "J"},
                    2,
                    {"no unit matches \"kcall\"; close names:\n  kcal (kilocalorie) \u2014 Energy\n"}},
        RefusalCase{{"--convert", "abc", "m", "ft"}, 2, {"\"abc\" is not a number"}},
        RefusalCase{{"--convert", "1-", "m", "ft"}, 2, {"\"1-\" is not a number"}},
        // Only the regional decimal separator, and no thousands separator.
        RefusalCase{{"--convert", "1,000.5", "m", "ft"},
                    2,
                    {"\"1,000.5\" is not a number here: numbers are written with \".\" as the decimal "
                     "separator and without thousands separators."}},
        RefusalCase{{"--convert", "1,234", "m", "mm"}, 2, {"\"1,234\" is not a number here"}},
        RefusalCase{{"--convert", "1234567890123", "m", "ft"}, 2, {"too many digits"}},
        RefusalCase{{"--convert", "1.12345678901", "m", "ft"}, 2, {"too many digits"}},
        RefusalCase{{"--convert", "1", "m", "ft", "--decimals", "17"}, 2, {"0 to 16"}},
        RefusalCase{{"--convert", "1", "m", "ft", "--decimals", "2x"}, 2, {"0 to 16"}},
        RefusalCase{{"--convert", "1", "m", "ft", "--format", "pretty"}, 2, {"fixed, grouped or scientific"}},
        RefusalCase{{"--convert", "1", "m", "ft", "--spelling", "uk"}, 2, {"europe or usa"}},
        RefusalCase{{"--convert", "1", "m"}, 2, {"--convert needs a value"}},
        // Values with their units: mixed or unreadable is a usage error, a
        // value that could be meant but not converted a refusal.
        RefusalCase{
            {"--convert", "5 ft 11 kg", "cm"},
            2,
            {"\"kg\" is a unit of Mass / Weight, not of Length: all parts of a value are of one quantity."}},
        RefusalCase{{"--convert", "1:30", "min"}, 2, {"could be hours and minutes or minutes and seconds"}},
        RefusalCase{{"--convert", "1::2", "min"}, 2, {"\"1::2\" is not a value written with its unit"}},
        RefusalCase{{"--convert", "-", "cm"}, 2, {"a column of values needs the unit to convert from"}},
        RefusalCase{
            {"--convert", "5:11", "ft in", "cm"}, 2, {"it is written as, for example, \"5 ft 11 in\""}},
        RefusalCase{
            {"--convert", "5 ft -11 in", "cm"}, 1, {"\"-11 in\": no part of a value can be negative."}},
        RefusalCase{{"--convert", "1:75:00", "min"}, 1, {"\"75\" is too many minutes or seconds"}},
        RefusalCase{{"--convert", "5 ft 6 ft", "cm"}, 1, {"\"ft\" comes twice"}},
        RefusalCase{{"--convert", "1", "m", "ft", "extra"}, 2, {"unexpected argument \"extra\""}},
        // A mistyped option is refused, never taken for a file to open.
        RefusalCase{
            {"--covnert", "1", "m", "ft"}, 2, {"unknown option \"--covnert\"", "Try \"tavrix --help\""}},
        RefusalCase{{"-v"}, 2, {"unknown option \"-v\""}},
        RefusalCase{{"--bogus"}, 2, {"unknown option \"--bogus\""}},
        RefusalCase{
            {"--convert", "1", "m", "ft", "-style", "fusion"}, 2, {"\"-style\" is an option of the window"}},
        RefusalCase{{"--decimals", "3"}, 2, {"--decimals goes with --convert"}},
        RefusalCase{{"--list", "--log"}, 2, {"--log goes with --convert"}},
        RefusalCase{{"--list", "--version"}, 2, {"go alone"}},
        RefusalCase{{"--list", "flow"}, 2, {"Flow Rate (volume)", "Flow Rate (mass)"}},
        RefusalCase{{"--list", "--", "--spelling"}, 2, {"no category matches \"--spelling\""}},
        RefusalCase{{"--list", "colour"}, 2, {"no category matches \"colour\""}}));

// What was typed or read reaches the terminal as text: a control character
// in a message would be obeyed (ESC starts a command that can clear the
// screen), so it is shown as an escape, and so is a byte that is not UTF-8.
TEST_F(CommandLine, MessagesShowControlCharactersAsEscapes) {
    // ESC, BEL, U+0001, DEL and the C1 character CSI, which terminals obey as ESC [.
    const QString controls = QStringLiteral("\x1B[2J\a\x01\x7F\u009B");
    const QString shown = QStringLiteral(R"(\x1B[2J\x07\x01\x7F\u009B)");
    // Any C0 character but the line end, DEL, C1, or what a stray byte would become.
    const QRegularExpression raw(QStringLiteral(R"([\x{0}-\x{9}\x{B}-\x{1F}\x{7F}-\x{9F}\x{FFFD}])"));
    struct Case {
        QStringList arguments;
        QByteArray input;
        const char* said; // %1 where the controls are shown
    };
    const Case cases[] = {
        {{"--convert", "1" + controls, "km", "mile"}, {}, "tavrix: \"1%1\" is not a number"},
        {{"--convert", "1", "km", controls + "mile"}, {}, "tavrix: no unit matches \"%1mile\""},
        // \v and U+0085 are blanks around the value; it is refused for its separator.
        {{"--convert", "\v1,5\u0085", "km", "mile"}, {}, R"(tavrix: "\x0B1,5\u0085" is not a number here)"},
        {{"--convert", "-", "km", "mile"},
         "2\n" + controls.toUtf8() + QByteArray("\0\xFF\xC2\n", 4),
         R"(tavrix: line 2: "%1\x00\xFF\xC2" is not a number)"},
    };
    for (const Case& c : cases) {
        const Outcome result = run(c.arguments, QStringLiteral("C"), QStringLiteral("en"), c.input);
        const QString said = QString::fromUtf8(c.said).replace(QStringLiteral("%1"), shown);
        EXPECT_TRUE(result.err.contains(said)) << said.toStdString() << "\nin " << result.err.toStdString();
        EXPECT_FALSE(raw.match(result.err).hasMatch()) << said.toStdString();
    }
}

// An argument as long as the shell allows is refused without being repeated whole.
TEST_F(CommandLine, AnEnormousArgumentIsQuotedCutShort) {
    const QString digits(100000, '9');
    const QString words = QStringLiteral("ft min ").repeated(10000) + "qqq";
    // Cut where a character starts, whatever its length in bytes: two, three or four.
    const QString signs = QStringLiteral("\u00B0\u20AC\U0001D400").repeated(10000); // 90,000 bytes
    for (const QStringList& arguments :
         {QStringList{"--convert", digits, "m", "ft"}, QStringList{"--convert", "1", words, "m"},
          QStringList{"--list", words}, QStringList{"--convert", "1", "kg", signs},
          QStringList{"--convert", "1", "kg", "x" + signs},
          QStringList{"--convert", "1", "kg", "xy" + signs}}) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_LT(result.err.size(), 1000) << result.err.left(200).toStdString();
        EXPECT_FALSE(result.err.contains(QChar::ReplacementCharacter)) << result.err.left(200).toStdString();
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

// The messages and the help speak the desktop's language (LANGUAGE, else
// LC_ALL, LC_MESSAGES, LANG), English where the program has none; the
// numbers follow the regional settings whichever language speaks.
TEST_F(CommandLine, SpeaksTheDesktopsLanguage) {
    struct Case {
        const char* locale;
        const char* language;
        const char* refusal; // of an unknown option, then the pointer to --help
        const char* usage;   // how the help begins
    };
    for (const Case& c :
         {Case{"de_DE.UTF-8", "",
               "tavrix: unbekannte Option \"--x\"\nWeitere Informationen mit \"tavrix --help\".\n",
               "Aufruf: tavrix"},
          Case{"fr_FR.UTF-8", "",
               "tavrix: option inconnue \"--x\"\nEssayez \"tavrix --help\" pour en savoir plus.\n",
               "Utilisation\u00a0: tavrix"},
          Case{"C", "fr:de",
               "tavrix: option inconnue \"--x\"\nEssayez \"tavrix --help\" pour en savoir plus.\n",
               "Utilisation\u00a0: tavrix"},
          Case{"de_DE.UTF-8", "en:de", "tavrix: unknown option \"--x\"\nTry \"tavrix --help\" for more.\n",
               "Usage: tavrix"},
          Case{"es_ES.UTF-8", "", "tavrix: unknown option \"--x\"\nTry \"tavrix --help\" for more.\n",
               "Usage: tavrix"}}) {
        const QString locale = QString::fromLatin1(c.locale);
        const QString language = QString::fromLatin1(c.language);
        const Outcome refused = run({"--x"}, locale, language);
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_EQ(refused.err, QString::fromUtf8(c.refusal)) << c.locale << " " << c.language;
        const Outcome help = run({"--help"}, locale, language);
        EXPECT_TRUE(help.out.startsWith(QString::fromUtf8(c.usage))) << help.out.left(80).toStdString();
        // The limits are put in, and the terminal's 80 columns hold every line.
        for (const char* limit : {"16", "12", "10"}) {
            EXPECT_TRUE(help.out.contains(QString::fromLatin1(limit))) << c.locale << " lacks " << limit;
        }
        for (const QString& line : help.out.split(u'\n')) {
            EXPECT_LE(line.toUcs4().size(), 79) << line.toStdString();
        }
    }
    EXPECT_EQ(run({"--convert", "1,5", "m", "mm"}, "de_DE.UTF-8", "fr").out, "1500,000000\n");
}

TEST_F(CommandLine, HelpAndVersion) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--convert VALUE FROM TO"));
    EXPECT_TRUE(help.out.contains("-h, --help"));
    EXPECT_TRUE(help.out.contains("0 to 16 (default 6)"));
    EXPECT_TRUE(help.out.contains("at most 12 digits\nbefore the separator and 10 after it"));
    EXPECT_TRUE(help.out.contains("Exit status"));
    EXPECT_TRUE(help.out.contains("3 when the output cannot be written"));
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

// The regional decimal separator only: a value is never read as another
// number than the window would read from the same keys.
TEST_F(CommandLine, AValueWithAnotherSeparatorIsRefusedNamingTheRegionalOne) {
    struct Case {
        const char* locale;
        const char* value;
        const char* separator;
    };
    for (const Case& c : {Case{"C", "1,234", "."}, Case{"en_US.UTF-8", "1,234", "."},
                          Case{"de_DE.UTF-8", "1.234", ","}, Case{"de_DE.UTF-8", "1.234,5", ","}}) {
        const Outcome result = run({"--convert", c.value, "m", "mm"}, QString::fromLatin1(c.locale));
        EXPECT_EQ(result.exitCode, 2) << c.locale << ' ' << c.value;
        EXPECT_EQ(result.out, QString());
        EXPECT_TRUE(
            result.err.contains(QStringLiteral("\"%1\" is not a number here: numbers are written with \"%2\"")
                                    .arg(QString::fromLatin1(c.value), QString::fromLatin1(c.separator))))
            << result.err.toStdString();
    }
    EXPECT_EQ(run({"--convert", "1,5", "m", "mm"}, "de_DE.UTF-8").out, "1500,000000\n");
}

// What a shell runs: for closed streams, bytes that are not UTF-8, and a
// reader that has gone away.
Outcome RunInShell(const QString& script, const QString& home) {
    QProcess shell;
    shell.setProcessEnvironment(TerminalEnvironment("C", home));
    shell.start("sh", {"-c", script, QStringLiteral(TAVRIX_EXECUTABLE)});
    EXPECT_TRUE(shell.waitForFinished(60000));
    return {shell.exitCode(), QString::fromUtf8(shell.readAllStandardOutput()),
            QString::fromUtf8(shell.readAllStandardError())};
}

// Output that cannot be written is an error with its reason, never a silent
// success. A reader that has gone before the program writes ends it as it
// ends other programs, by SIGPIPE (the shell says 141), unless SIGPIPE is
// ignored, as a parent may have it: then that is a write error too.
TEST_F(CommandLine, OutputThatCannotBeWrittenIsAnError) {
    struct Pipe {
        const char* signal; // as env sets it for the program
        const char* status;
        const char* err;
    };
    for (const char* arguments :
         {"--convert 1 m ft", "--convert - km mile", "--list", "--list length", "--help", "--version"}) {
        const QString command =
            QStringLiteral("printf '1\\n' | env %1 \"$0\" ") + QString::fromLatin1(arguments);
        const Outcome full = RunInShell(command.arg("") + " >/dev/full", home.path());
        EXPECT_EQ(full.exitCode, 3) << arguments;
        EXPECT_EQ(full.err, "tavrix: write error: No space left on device\n") << arguments;
        const Outcome closed = RunInShell(command.arg("") + " >&-", home.path());
        EXPECT_EQ(closed.exitCode, 3) << arguments;
        EXPECT_EQ(closed.err, "tavrix: write error: Bad file descriptor\n") << arguments;
        for (const Pipe& pipe :
             {Pipe{"--default-signal=PIPE", "status 141\n", ""},
              Pipe{"--ignore-signal=PIPE", "status 3\n", "tavrix: write error: Broken pipe\n"}}) {
            const Outcome piped = RunInShell("exec 3>&1; { sleep 0.3; " + command.arg(pipe.signal) +
                                                 "; echo \"status $?\" >&3; } | true",
                                             home.path());
            EXPECT_EQ(piped.out.toStdString(), pipe.status) << pipe.signal << " " << arguments;
            EXPECT_EQ(piped.err.toStdString(), pipe.err) << pipe.signal << " " << arguments;
        }
    }
}

TEST_F(CommandLine, AnArgumentThatIsNotUtf8IsAUsageError) {
    const Outcome result = RunInShell("\"$0\" --convert 1 \"$(printf 'm\\377')\" ft", home.path());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, QString());
    EXPECT_TRUE(result.err.contains("argument 3, \"m\\xFF\", is not UTF-8 text")) << result.err.toStdString();
}

// With a display to open the window on, a mistyped option still opens nothing.
TEST_F(CommandLine, AMistypedOptionOpensNoWindowWhereThereIsADisplay) {
    QProcess process;
    QProcessEnvironment environment = TerminalEnvironment("C", home.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TAVRIX_EXECUTABLE), {"--covnert", "1", "m", "ft"});
    EXPECT_TRUE(process.waitForFinished(20000));
    process.kill();
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(
        QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

// A column of values, one result a line, lines kept aligned where a value
// gives none. 1 km = 1/1.609344 mile = 0.621371192... mile.
TEST_F(CommandLine, ConvertsAColumnOfValuesFromStandardInput) {
    struct Case {
        QStringList options;
        QByteArray input;
        int exitCode;
        const char* out;
        std::vector<const char*> err; // each line in order
    };
    const Case cases[] = {
        {{}, "1\n2\n3", 0, "0.621371\n1.242742\n1.864114\n", {}},
        {{"--log", "--decimals", "2"},
         "1\r\n10\r\n",
         0,
         "1 km (kilometre) = 0.62 mile\n10 km (kilometre) = 6.21 mile\n",
         {}},
        // The CR of a CRLF line end is no part of the value.
        {{},
         "1\r\nabc\r\n\r\n",
         1,
         "0.621371\n\n\n",
         {"tavrix: line 2: \"abc\" is not a number", "tavrix: line 3: \"\" is not a number"}},
        {{},
         "1\nabc\n-1\n\n2,5\n" + QByteArray(5000, '1') + "\n3\n",
         1,
         "0.621371\n\n\n\n\n\n1.864114\n",
         {"tavrix: line 2: \"abc\" is not a number",
          "tavrix: line 3: The \"km (kilometre)\" value is not a valid.",
          "tavrix: line 4: \"\" is not a number", "tavrix: line 5: \"2,5\" is not a number here",
          "tavrix: line 6: the line is longer than 4096 bytes"}},
        {{}, "", 0, "", {}},
    };
    for (const Case& c : cases) {
        QProcess process;
        process.setProcessEnvironment(TerminalEnvironment("C", home.path()));
        process.start(QStringLiteral(TAVRIX_EXECUTABLE),
                      QStringList{"--convert", "-", "km", "mile"} + c.options);
        process.write(c.input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), c.exitCode) << c.input.left(40).toStdString();
        EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(c.out));
        const QStringList err =
            QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(static_cast<std::size_t>(err.size()), c.err.size()) << err.join('\n').toStdString();
        for (std::size_t line = 0; line < c.err.size(); ++line) {
            EXPECT_TRUE(err[static_cast<qsizetype>(line)].startsWith(QString::fromUtf8(c.err[line])))
                << err[static_cast<qsizetype>(line)].toStdString();
        }
    }
}

TEST_F(CommandLine, AnEnormousValueWithUnitsIsNamedCutShort) {
    const Outcome result = run({"--convert", "5 " + QString(30000, 'f') + " 11 in", "cm"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains(QStringLiteral("fff\u2026\" is not a value in ft + in")))
        << result.err.size();
    EXPECT_LT(result.err.size(), 400);
}

TEST_F(CommandLine, ReadsAColumnOfCompoundValues) {
    QProcess process;
    process.setProcessEnvironment(TerminalEnvironment("C", home.path()));
    process.start(QStringLiteral(TAVRIX_EXECUTABLE), QStringList{"--convert", "-", "ft in", "cm"});
    process.write("5 11\n6 ft\n5 ft 11 kg\n5'11\"\n");
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), "180.340000\n182.880000\n\n180.340000\n");
    EXPECT_TRUE(
        QString::fromUtf8(process.readAllStandardError()).startsWith("tavrix: line 3: \"kg\" is a unit"));
}

// A line is too long however its bytes arrive: here its start comes with
// the line before it, its end only once that line's result is out.
TEST_F(CommandLine, ALineTooLongIsRefusedWhenItArrivesInParts) {
    QProcess process;
    process.setProcessEnvironment(TerminalEnvironment("C", home.path()));
    process.start(QStringLiteral(TAVRIX_EXECUTABLE), {"--convert", "-", "inch", "mm", "--decimals", "1"});
    process.write("1\n" + QByteArray(3000, '1'));
    while (!process.canReadLine()) {
        ASSERT_TRUE(process.waitForReadyRead(20000)) << "no result for the first line";
    }
    EXPECT_EQ(process.readLine(), "25.4\n");
    process.write(QByteArray(3000, '1') + "\n2\n");
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardOutput(), "\n50.8\n");
    EXPECT_TRUE(
        process.readAllStandardError().startsWith("tavrix: line 2: the line is longer than 4096 bytes"));
}

// Each result is written as soon as its line is read, so a script can talk to it line by line.
TEST_F(CommandLine, AColumnIsConvertedAsItArrives) {
    QProcess process;
    process.setProcessEnvironment(TerminalEnvironment("C", home.path()));
    process.start(QStringLiteral(TAVRIX_EXECUTABLE), {"--convert", "-", "inch", "mm", "--decimals", "1"});
    for (const char* value : {"1", "2"}) {
        process.write(QByteArray(value) + "\n");
        while (!process.canReadLine()) {
            ASSERT_TRUE(process.waitForReadyRead(20000)) << "no result for " << value;
        }
        EXPECT_EQ(process.readLine(), QByteArray(value) == "1" ? "25.4\n" : "50.8\n");
    }
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 0);
}

} // namespace
