// Printing the results log from the window to a CUPS printer, through Qt's
// own CUPS print engine. Only the printer is a stand-in: this test program
// defines the CUPS calls Qt makes to find the printer and to hand it a job,
// and the dynamic linker takes a program's own before those of libcups.
// Handing a job over here notes the print server in force, the one libcups
// would send it to. That server is a path where nothing listens, so that
// whatever else Qt asks of it fails at once.
#include "ResultsLogFixture.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <cups/cups.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The print server each job was handed to, in order.
std::vector<std::string> jobsHandedTo;

// Freed as libcups frees its own: the array with free(), a name only where
// it comes from libcups's pool of strings, which this one does not.
cups_dest_t* StandInPrinter() {
    static char name[] = "stand-in";
    auto* printer = static_cast<cups_dest_t*>(std::calloc(1, sizeof(cups_dest_t)));
    printer->name = name;
    printer->is_default = 1;
    return printer;
}

} // namespace

extern "C" {
int cupsGetDests(cups_dest_t** printers) {
    *printers = StandInPrinter();
    return 1;
}
int cupsGetDests2(http_t*, cups_dest_t** printers) {
    return cupsGetDests(printers);
}
cups_dest_t* cupsGetNamedDest(http_t*, const char*, const char*) {
    return StandInPrinter();
}
int cupsPrintFile(const char*, const char*, const char*, int, cups_option_t*) {
    jobsHandedTo.emplace_back(cupsServer());
    return static_cast<int>(jobsHandedTo.size());
}
}

namespace tavrix {
namespace {

class PrintingToCups : public ResultsLogTest {};

// A job printed whole goes to the print server; one cancelled part way in
// the window, with pages already drawn, never does.
TEST_F(PrintingToCups, ACancelledJobNeverReachesThePrintServer) {
    QTemporaryDir serverFolder;
    const std::string server = QFile::encodeName(serverFolder.filePath("print-server")).toStdString();
    cupsSetServer(server.c_str());
    QStringList lines;
    for (int number = 1; number <= 3000; ++number) {
        lines << QStringLiteral("log line %1 of 3000").arg(number);
    }
    setLogLines(lines);
    const auto toTheStandIn = [](QPrinter& printer) {
        printer.setPrinterName(QStringLiteral("stand-in"));
        ASSERT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
    };
    desktop.expectPrint(true, toTheStandIn);
    click("BitBtnPrintLog");
    desktop.verify();
    EXPECT_EQ(jobsHandedTo, std::vector<std::string>{server}) << "printed whole";

    // The log is walked in pieces of some thousands of characters: cancelled about halfway.
    desktop.cancelProgressAt(8);
    desktop.expectPrint(true, toTheStandIn);
    click("BitBtnPrintLog");
    desktop.verify();
    EXPECT_TRUE(jobsHandedTo.size() == 1 || jobsHandedTo.back() != server) << "cancelled part way";
    cupsSetServer(nullptr);
}

} // namespace
} // namespace tavrix
