#include "SvgIcon.h"

#include "SvgPicture.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <map>
#include <tuple>
#include <utility>

namespace tavrix {

namespace {

class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(QString file) : file_(std::move(file)) {}

    QIconEngine* clone() const override { return new SvgIconEngine(*this); }

    // Drawn to fill whatever size is asked for, as Qt's own SVG icons are.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const auto key = std::make_tuple(size.width(), size.height(), mode);
        if (const auto kept = pixmaps_.find(key); kept != pixmaps_.end())
            return kept->second;
        QPixmap drawn = draw(size);
        if (mode != QIcon::Normal && !drawn.isNull())
            drawn = styledFor(mode, drawn);
        pixmaps_.emplace(key, drawn);
        return drawn;
    }

private:
    QPixmap draw(const QSize& size) {
        if (size.isEmpty())
            return {};
        // The sizes the window shows at start were drawn by the build.
        if (const QImage ahead = PrerenderedPixels(file_, size); !ahead.isNull())
            return QPixmap::fromImage(ahead);
        // Read for each size afresh rather than kept: an icon is mostly
        // drawn at one size, and a parsed document costs more memory than
        // its pixmap.
        return QPixmap::fromImage(DrawSvg(file_, size));
    }

    // Disabled and selected icons look as the style draws them.
    static QPixmap styledFor(QIcon::Mode mode, const QPixmap& normal) {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
            return normal;
        QStyleOption option;
        option.palette = QApplication::palette();
        const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, normal, &option);
        return styled.isNull() ? normal : styled;
    }

    QString file_;
    std::map<std::tuple<int, int, QIcon::Mode>, QPixmap> pixmaps_;
};

} // namespace

QIcon SvgIcon(const QString& svgFile) {
    return QIcon(new SvgIconEngine(svgFile));
}

} // namespace tavrix
