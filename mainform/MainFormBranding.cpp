// The splash at start-up and as the About box, help, the supplier's web
// links and the branded-version offer.
#include "Tavrix_MainForm.h"

#include "DataPaths.h"
#include "Desktop.h"
#include "SvgPicture.h"
#include "Tavrix_Branding_001.h"
#include "Tavrix_Splash.h"
#include "WebLinks.h"
#include "ui_Tavrix_MainForm.h"

#include <QTimer>

namespace tavrix {

namespace {

// The splash shows this soon after the window is up or About is chosen:
// late enough for the window to be painted behind it.
constexpr int SplashDelayMs = 10;
constexpr int SplashAfterAboutMs = 6000;

} // namespace

void TFormTavrix::attachSplash(TFormTavrixSplash& splash) {
    splash_ = &splash;
}

void TFormTavrix::attachBranding(TFormTavrixBranding& branding) {
    branding_ = &branding;
}

void TFormTavrix::connectBrandingHandlers() {
    TimerSplashShow = new QTimer(this);
    TimerSplashShow->setObjectName(QStringLiteral("TimerSplashShow"));
    connect(TimerSplashShow, &QTimer::timeout, this, &TFormTavrix::TimerSplashShowTimer);
    connect(ui->About1, &QAction::triggered, this, &TFormTavrix::About1Click);
    connect(ui->Contents1, &QAction::triggered, this, &TFormTavrix::Contents1Click);
    connect(ui->Index1, &QAction::triggered, this, &TFormTavrix::Index1Click);
    connect(ui->GiveAwayYourOwnBrandedVersion1, &QAction::triggered, this,
            &TFormTavrix::GiveAwayYourOwnBrandedVersion1Click);
    OnMouseDown(*ui->ImageSupplier_MainForm, [this] { ImageSupplier_MainFormMouseDown(); });
    OnMouseDown(*ui->LabelProvidedByWebAddress, [this] { LabelProvidedByWebAddressMouseDown(); });
    OnMouseDown(*ui->LabelGiveAwayYourOwn, [this] { LabelGiveAwayYourOwnClick(); });
}

void TFormTavrix::createBranding() {
    ui->LabelGiveAwayYourOwn->hide();
    ui->GiveAwayYourOwnBrandedVersion1->setVisible(ShowBrandedVersionOffer);
    ui->GiveAwaySpacing->setVisible(ShowBrandedVersionOffer);
    ui->LabelProvidedByWebAddress->setText(SupplierWebAddress);
    ui->ImageSupplier_MainForm->setToolTip(SupplierWebAddress);
}

void TFormTavrix::showBrandingPictures() {
    if (branding_ == nullptr)
        return;
    ShowPicture(*ui->ImageTavrixBanner, branding_->ImageTavrixBanner->pixmap());
    const QPixmap supplier = branding_->ImageSupplierBranding->pixmap();
    ShowPicture(*ui->ImageSupplier_MainForm, supplier);
    if (splash_ != nullptr)
        ShowPicture(*splash_->ImageSupplier_Splash, supplier);
}

void TFormTavrix::armSplash(int switchOffMs) {
    splashSwitchOffMs_ = switchOffMs;
    TimerSplashShow->start(SplashDelayMs);
    if (splash_ != nullptr)
        splash_->setSwitchOffInterval(switchOffMs);
}

void TFormTavrix::holdSplashDuring(const std::function<void()>& work) {
    const bool due = TimerSplashShow->isActive();
    TimerSplashShow->stop();
    work();
    if (due) {
        // Its switch-off countdown starts afresh with it.
        armSplash(splashSwitchOffMs_);
    }
}

void TFormTavrix::TimerSplashShowTimer() {
    TimerSplashShow->stop();
    if (splash_ == nullptr)
        return;
    splash_->ShowSplash();
    // The keyboard comes back here, or F1 and every shortcut do nothing until
    // a click: on X11 without a window manager nobody else hands it back.
    activateWindow();
}

void TFormTavrix::About1Click() {
    armSplash(SplashAfterAboutMs);
}

void TFormTavrix::Contents1Click() {
    desktop_.showHelp(HelpView::Contents);
}

void TFormTavrix::Index1Click() {
    desktop_.showHelp(HelpView::Index);
}

void TFormTavrix::ImageSupplier_MainFormMouseDown() {
    OpenWebAddress(desktop_, *this, SupplierWebAddress);
}

void TFormTavrix::LabelProvidedByWebAddressMouseDown() {
    OpenWebAddress(desktop_, *this, SupplierWebAddress);
}

void TFormTavrix::LabelGiveAwayYourOwnClick() {
    OpenBrandedVersionDocument(desktop_, *this, paths_);
}

void TFormTavrix::GiveAwayYourOwnBrandedVersion1Click() {
    LabelGiveAwayYourOwnClick();
}

} // namespace tavrix
