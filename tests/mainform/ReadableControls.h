// Checks that a window's texts can be read: each fits its control, and no
// control covers another.
#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace tavrix {

// Why the text of `control` does not fit its rectangle, or nothing.
inline QString ClippedText(const QWidget& control) {
    const QFontMetrics metrics = control.fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(&control); label && !label->text().isEmpty()) {
        const QRect room = label->contentsRect();
        if (metrics.horizontalAdvance(label->text()) > room.width() || metrics.height() > room.height()) {
            return QStringLiteral("\"%1\" needs %2 x %3 in %4 x %5")
                .arg(label->text())
                .arg(metrics.horizontalAdvance(label->text()))
                .arg(metrics.height())
                .arg(room.width())
                .arg(room.height());
        }
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control);
        button && !button->text().isEmpty()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int iconWidth = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        const int needed = metrics.horizontalAdvance(button->text()) + iconWidth;
        if (needed > room.width() || metrics.height() > room.height()) {
            return QStringLiteral("\"%1\" needs %2 in %3").arg(button->text()).arg(needed).arg(room.width());
        }
    }
    return {};
}

// Every text of the window's controls fits its rectangle, and no visible
// control overlaps another; the banner and the log's frame lie beneath the
// controls on them by design.
inline void ExpectReadable(const QWidget& area, const char* when) {
    std::vector<const QWidget*> controls;
    for (const QWidget* control : area.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isVisible()) {
            EXPECT_EQ(ClippedText(*control), QString()) << control->objectName().toStdString() << " " << when;
            if (control->objectName() != "ImageTavrixBanner" && control->objectName() != "Bevel1") {
                controls.push_back(control);
            }
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " and "
                << controls[j]->objectName().toStdString() << " overlap " << when;
        }
    }
}

} // namespace tavrix
