// Rows of the window's lists: a fixed height that follows the font size, and
// for the category list the category's icon before its name.
#pragma once

#include <QIcon>
#include <QStyledItemDelegate>

#include <vector>

namespace tavrix {

class FixedRowHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setRowHeight(int pixels) { rowHeight_ = pixels; }
    int rowHeight() const { return rowHeight_; }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int rowHeight_ = 20;
};

// The icon 4 pixels in and 2 down, the name NameIndent pixels in and 3 down.
class CategoryRowDelegate : public FixedRowHeightDelegate {
public:
    static constexpr int NameIndent = 37;

    explicit CategoryRowDelegate(QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // Draws the icons so that they stand out on `palette`'s list ground.
    void usePalette(const QPalette& palette);

private:
    std::vector<QIcon> originalIcons_; // one per category, in category order
    std::vector<QIcon> icons_;         // as drawn on the current palette
};

} // namespace tavrix
