// What a supplier changes to hand the program out under its own name: the
// web address below and the three pictures (resources/branding/*.svg). The
// never-shown branding window holds the banner and the supplier picture; the
// windows that show them copy them from here when they are first shown.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace tavrix {

// The supplier's web site, as a host name without scheme.
inline const QString SupplierWebAddress = QStringLiteral("www.example.com");
// Offers the document that explains how to make a branded version.
inline constexpr bool ShowBrandedVersionOffer = true;

class TFormTavrixBranding : public QWidget {
    Q_OBJECT

public:
    explicit TFormTavrixBranding(QWidget* parent = nullptr);

    QLabel* ImageSupplierBranding;
    QLabel* ImageTavrixBanner;
};

} // namespace tavrix
