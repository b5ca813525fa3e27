#include "CategoryRowDelegate.h"

#include "PaletteIcons.h"
#include "SvgIcon.h"
#include "Tavrix_Units.h"

#include <QApplication>
#include <QDirIterator>
#include <QPainter>

namespace tavrix {

QSize FixedRowHeightDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
}

CategoryRowDelegate::CategoryRowDelegate(QObject* parent) : FixedRowHeightDelegate(parent) {
    // The icons are named category-NN-<name>.svg, NN the category's position.
    // Picked by hand rather than by a wildcard, which would compile a
    // regular expression at every start.
    QStringList files;
    for (QDirIterator it(QStringLiteral(":/icons")); it.hasNext();) {
        const QString file = it.next();
        if (file.startsWith(QLatin1String(":/icons/category-")) && file.endsWith(QLatin1String(".svg"))) {
            files << file;
        }
    }
    files.sort();
    for (const QString& file : files) {
        originalIcons_.push_back(SvgIcon(file));
    }
    icons_ = originalIcons_;
}

void CategoryRowDelegate::usePalette(const QPalette& palette) {
    icons_.clear();
    for (const QIcon& icon : originalIcons_) {
        icons_.push_back(IconForPalette(icon, QSize(16, 16), palette));
    }
}

void CategoryRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QRect rect = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->fillRect(rect, option.palette.brush(group, selected ? QPalette::Highlight : QPalette::Base));
    const auto category = static_cast<std::size_t>(index.row());
    if (category < icons_.size()) {
        icons_[category].paint(painter, QRect(rect.left() + 4, rect.top() + 2, 16, 16));
    }
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    const QRect text(rect.left() + NameIndent, rect.top() + 3, rect.width() - NameIndent, rect.height() - 3);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, row.text);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
    painter->restore();
}

} // namespace tavrix
