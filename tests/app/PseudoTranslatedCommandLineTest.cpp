// Every text the command line writes is marked for translation: under a
// pseudo-translation that wraps each in ⟦ ⟧, nothing but names (units,
// categories, options typed) and numbers is left unwrapped.
#include "CommandLine.h"
#include "PseudoTranslation.h"
#include "Tavrix_Units.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace tavrix {
namespace {

QString ReadWhole(std::FILE* file) {
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        bytes.append(buffer, static_cast<qsizetype>(got));
    }
    return QString::fromUtf8(bytes);
}

struct Written {
    QString out;
    QString err;
};

Written RunWith(const std::vector<std::string>& arguments) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::tmpfile(), std::fclose);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), std::fclose);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), std::fclose);
    std::fputs("1\nx\n", in.get());
    std::rewind(in.get());
    RunCommandLine(arguments, QLocale::c(), fileno(in.get()), out.get(), err.get());
    return {ReadWhole(out.get()), ReadWhole(err.get())};
}

QStringList NamesTheCommandLineReads() {
    QStringList names{QStringLiteral("tavrix")};
    for (const std::string_view name : CategoryNames) {
        names << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    return names;
}

class PseudoTranslatedCommandLine : public testing::Test {
protected:
    int argc = 1;
    char name[7] = "tavrix";
    char* argv[2] = {name, nullptr};
    QCoreApplication application{argc, argv};
    PseudoTranslator translator;

    void SetUp() override { ASSERT_TRUE(QCoreApplication::installTranslator(&translator)); }
};

TEST_F(PseudoTranslatedCommandLine, TheHelpIsOneTranslatedText) {
    const QString help = RunWith({"--help"}).out;
    EXPECT_TRUE(help.startsWith(u'\u27E6') && help.endsWith(QStringLiteral("\n\u27E7")))
        << help.toStdString();
}

// One mistake of each kind, and a column with a line that is no number.
TEST_F(PseudoTranslatedCommandLine, EveryMessageIsTranslated) {
    const std::vector<std::vector<std::string>> mistakes{
        {"--x"},
        {"--decimals", "17", "--convert", "1", "m", "mm"},
        {"--format", "bold", "--convert", "1", "m", "mm"},
        {"--spelling=uk", "--list"},
        {"--log=1", "--convert", "1", "m", "mm"},
        {"--convert", "1"},
        {"--convert", "1", "m", "mm", "cm"},
        {"--convert", "1", "m", "mm", "--list"},
        {"--log", "--list"},
        {"--decimals", "2", "--list"},
        {"--geometry", "9x9", "--convert", "1", "m", "mm"},
        {"--decimals"},
        {"--geometry"},
        {"--complete", "x"},
        {"--list", "nothing"},
        {"--list", "flow"},
        {"--convert", "1", "furlongz", "m"},
        {"--convert", "1", "m", "inch hour"},
        {"--convert", "1", "metre", "kilogram"},
        {"--convert", "1234567890123", "m", "mm"},
        {"--convert", "1,5", "m", "mm"},
        {"--convert", "x", "m", "mm"},
        {"--convert", "-", "m", "mm"},
        {"--convert", "2", "sin", "degree"},
        {"--convert", "90", "degree", "tan"},
        {"--convert", std::string(300, 'k'), "m", "mm"},
        {"\xff"},
        {"file.TVRX", "--version"},
    };
    const QStringList names = NamesTheCommandLineReads();
    for (const std::vector<std::string>& arguments : mistakes) {
        const QString err = RunWith(arguments).err;
        EXPECT_FALSE(err.isEmpty()) << arguments.front() << " " << arguments.at(1 % arguments.size());
        for (const QString& line : err.split(u'\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(QStringLiteral("  "))) {
                continue; // a unit or category to choose from, by its name
            }
            const QString said = line.startsWith(QStringLiteral("tavrix: ")) ? line.mid(8) : line;
            EXPECT_FALSE(HasUntranslatedWords(said, names)) << line.toStdString();
        }
    }
}

} // namespace
} // namespace tavrix
