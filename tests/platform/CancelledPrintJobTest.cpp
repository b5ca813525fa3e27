// A cancelled print job never reaches the print server. The printer here is
// a stand-in that does what Qt's CUPS printer does when its painter ends:
// it hands the job to this thread's print server, which is a socket that
// only listens.
#include "CancelledPrintJob.h"

#include <QFile>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cups/cups.h>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tavrix {
namespace {

// A print server that takes connections into its backlog and no further.
class ListeningSocket {
public:
    explicit ListeningSocket(const QString& path) : socket_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
        listening_ = socket_ >= 0 &&
                     ::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                     ::listen(socket_, 16) == 0;
    }
    ~ListeningSocket() { ::close(socket_); }
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;
    bool listening() const { return listening_; }

private:
    int socket_;
    bool listening_ = false;
};

// Ending the painting hands the job over: here, it tries the connection.
class PrintServerEngine final : public QPaintEngine {
public:
    bool begin(QPaintDevice*) override { return true; }
    bool end() override {
        http_t* server = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                      HTTP_ENCRYPTION_IF_REQUESTED, 1, 5000, nullptr);
        reachedServer = server != nullptr;
        httpClose(server);
        return true;
    }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return User; }

    bool reachedServer = false;
};

class PrinterStandIn final : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmDepth:
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 100;
        }
    }

    mutable PrintServerEngine engine;
};

TEST(CancelledPrintJob, NeverReachesThePrintServer) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString socketPath = folder.filePath("cups.sock");
    ListeningSocket server(socketPath);
    ASSERT_TRUE(server.listening());
    // Chosen by the program rather than by the environment: a cancelled job
    // must leave this choice as it found it.
    cupsSetServer(QFile::encodeName(socketPath).constData());

    const struct {
        const char* job;
        bool cancelled;
        bool reachesServer;
    } jobs[] = {
        {"printed", false, true},
        {"cancelled", true, false},
        {"printed after a cancelled one", false, true},
    };
    for (const auto& job : jobs) {
        PrinterStandIn printer;
        QPainter painter(&printer);
        if (job.cancelled)
            EndCancelledPrintJob(painter);
        else
            painter.end();
        EXPECT_EQ(printer.engine.reachedServer, job.reachesServer) << job.job;
    }
    cupsSetServer(nullptr);
}

} // namespace
} // namespace tavrix
