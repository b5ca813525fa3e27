#include "Tavrix_Branding_001.h"

#include "PictureWords.h"
#include "SvgPicture.h"
#include "Translations.h"

#include <QLabel>

namespace tavrix {

namespace {

constexpr QSize SupplierPictureSize{350, 65};
constexpr QSize BannerSize{578, 81};

QLabel* PictureLabel(QWidget* parent, const char* name, const QString& svgFile, QSize size) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    ShowPicture(*label, WordedPicture(svgFile, size, ProgramLanguage()));
    return label;
}

} // namespace

TFormTavrixBranding::TFormTavrixBranding(QWidget* parent)
    : QWidget(parent, Qt::Window),
      ImageSupplierBranding(PictureLabel(this, "ImageSupplierBranding",
                                         QStringLiteral(":/branding/supplier.svg"), SupplierPictureSize)),
      ImageTavrixBanner(
          PictureLabel(this, "ImageTavrixBanner", QStringLiteral(":/branding/banner.svg"), BannerSize)) {
    setObjectName(QStringLiteral("FormTavrixBranding"));
}

} // namespace tavrix
