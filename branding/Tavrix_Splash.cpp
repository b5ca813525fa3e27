#include "Tavrix_Splash.h"

#include "Desktop.h"
#include "PictureWords.h"
#include "SvgPicture.h"
#include "Translations.h"
#include "WebLinks.h"
#include "WindowPlacement.h"

#include <QLabel>
#include <QTimer>

#include <utility>

namespace tavrix {

namespace {

constexpr QSize ClientSize{380, 200};
constexpr QRect VersionPlace{146, 70, 85, 11};
constexpr QRect SupplierPlace{15, 126, 350, 65};
// A press on the picture closes the splash this soon.
constexpr int CloseSoonMs = 10;

QFont VersionFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Small Fonts"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(9);
    return font;
}

} // namespace

TFormTavrixSplash::TFormTavrixSplash(Desktop& desktop, QString webAddress, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ImageSplash(new QLabel(this)),
      LabellVersion(new QLabel(this)), ImageSupplier_Splash(new QLabel(this)),
      TimerSplashOff(new QTimer(this)), desktop_(desktop), webAddress_(std::move(webAddress)) {
    setObjectName(QStringLiteral("FormTavrixSplash"));
    setWindowTitle(tr("About Tavrix"));
    setFixedSize(ClientSize);

    ImageSplash->setObjectName(QStringLiteral("ImageSplash"));
    ImageSplash->setCursor(Qt::ArrowCursor);
    ImageSplash->resize(ClientSize); // its picture comes when the splash first shows
    OnMouseDown(*ImageSplash, [this] { ImageSplashMouseDown(); });

    LabellVersion->setObjectName(QStringLiteral("LabellVersion"));
    LabellVersion->setGeometry(VersionPlace);
    LabellVersion->setAlignment(Qt::AlignCenter);
    LabellVersion->setFont(VersionFont());
    LabellVersion->setStyleSheet(QStringLiteral("color: grey; background: transparent;"));
    // Presses go through to the picture beneath.
    LabellVersion->setAttribute(Qt::WA_TransparentForMouseEvents);

    ImageSupplier_Splash->setObjectName(QStringLiteral("ImageSupplier_Splash"));
    ImageSupplier_Splash->setGeometry(SupplierPlace);
    ImageSupplier_Splash->setCursor(Qt::PointingHandCursor);
    ImageSupplier_Splash->hide();
    OnMouseDown(*ImageSupplier_Splash, [this] { ImageSupplier_SplashMouseDown(); });

    // Pictures say nothing to a screen reader of themselves.
    ImageSplash->setAccessibleName(windowTitle());
    ImageSplash->setAccessibleDescription(tr("A press closes it"));
    LabellVersion->setAccessibleName(tr("Version"));
    ImageSupplier_Splash->setAccessibleName(tr("Supplier"));
    ImageSupplier_Splash->setAccessibleDescription(tr("Opens the supplier's web site"));

    TimerSplashOff->setObjectName(QStringLiteral("TimerSplashOff"));
    connect(TimerSplashOff, &QTimer::timeout, this, &TFormTavrixSplash::TimerSplashOffTimer);
    FormCreate();
}

void TFormTavrixSplash::FormCreate() {
    LabellVersion->setText(tr("Version %1").arg(VersionNumber));
}

// The picture is drawn only now: the splash shows after the main window is
// up, so drawing it at start-up would only delay that window.
void TFormTavrixSplash::showEvent(QShowEvent* event) {
    if (ImageSplash->pixmap().isNull())
        ShowPicture(*ImageSplash,
                    WordedPicture(QStringLiteral(":/branding/splash.svg"), ClientSize, ProgramLanguage()));
    QDialog::showEvent(event);
}

void TFormTavrixSplash::ShowSplash() {
    ImageSupplier_Splash->setToolTip(webAddress_);
    PlaceWindowAt(*this, -1, -1);
    desktop_.execModal(*this);
}

void TFormTavrixSplash::setSwitchOffInterval(int milliseconds) {
    if (milliseconds == 0)
        TimerSplashOff->stop();
    else
        TimerSplashOff->start(milliseconds);
}

void TFormTavrixSplash::TimerSplashOffTimer() {
    setSwitchOffInterval(0);
    close();
}

void TFormTavrixSplash::ImageSplashMouseDown() {
    setSwitchOffInterval(CloseSoonMs);
}

void TFormTavrixSplash::ImageSupplier_SplashMouseDown() {
    OpenWebAddress(desktop_, *this, webAddress_);
}

} // namespace tavrix
