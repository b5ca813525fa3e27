// The splash window: shown at start-up and as the About box, it closes by
// itself when its switch-off timer fires, or at once on a mouse press.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QTimer;

namespace tavrix {

class Desktop;

inline const QString VersionNumber = QStringLiteral("1.01");

class TFormTavrixSplash : public QDialog {
    Q_OBJECT

public:
    // `webAddress` is what the supplier picture names and opens.
    TFormTavrixSplash(Desktop& desktop, QString webAddress, QWidget* parent = nullptr);

    // Shows the splash modally, centred on the screen; returns when it closes.
    void ShowSplash();
    // Like setting a window timer's interval: 0 stops the timer, any other
    // value starts the countdown afresh.
    void setSwitchOffInterval(int milliseconds);

    QLabel* ImageSplash;
    QLabel* LabellVersion;
    QLabel* ImageSupplier_Splash;
    QTimer* TimerSplashOff;

public slots:
    void TimerSplashOffTimer();
    void ImageSplashMouseDown();
    void ImageSupplier_SplashMouseDown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();

    Desktop& desktop_;
    const QString webAddress_;
};

} // namespace tavrix
