// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

#include "ui/drawing.h"
#include "ui/language.h"

namespace ampero::ui {

// ---------------------------------------------------------------- SvgPicture

QImage PrerenderedPicture(const char* name, QSize size) {
    for (std::size_t i = 0; i < kPrerenderedCount; ++i) {
        const PrerenderedData& pre = kPrerendered[i];
        if (QLatin1String(pre.name) == QLatin1String(name) && QSize(pre.width, pre.height) == size)
            // Shown straight from the program's read-only data, not copied.
            return QImage(reinterpret_cast<const uchar*>(pre.pixels), pre.width, pre.height, qsizetype{pre.width} * 4,
                          pre.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    }
    return {};
}

QImage PictureImage(const QString& resource, QSize size, qreal dpr) {
    if (dpr == 1.0)
        if (QImage pre = PrerenderedPicture(resource.toLatin1().constData(), size); !pre.isNull()) return pre;
    return DrawPicture(resource, size, dpr);
}

QPixmap RenderPicture(const QString& resource, QSize size, qreal dpr) {
    const QImage img = PictureImage(resource, size, dpr);
    return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
}

QIcon PictureIcon(const QString& resource, QSize size) {
    QIcon icon;
    QList<qreal> ratios{1.0};
    for (const QScreen* s : QGuiApplication::screens())
        if (!ratios.contains(s->devicePixelRatio())) ratios << s->devicePixelRatio();
    for (const qreal dpr : ratios)
        if (QPixmap pm = RenderPicture(resource, size, dpr); !pm.isNull()) icon.addPixmap(pm);
    return icon;
}

SvgPicture::SvgPicture(QWidget* parent, const QString& objectName, const QString& resource, const QRect& geometry)
    : QWidget(parent) {
    setObjectName(objectName);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(geometry);
    setResource(resource);
}

QString SvgPicture::path() const { return QStringLiteral(":/img/%1.svg").arg(shown_); }

void SvgPicture::setResource(const QString& resource) {
    resource_ = resource;
    // The picture in the language shown where it has one of its own ("leds.en").
    const QString own = resource + QLatin1Char('.') + QLatin1String(Languages()[static_cast<size_t>(ShownLanguage())].code);
    shown_ = ShownLanguage() != 0 && QFile::exists(QStringLiteral(":/img/%1.svg").arg(own)) ? own : resource;
    valid_ = -1;
    cache_ = QImage();
    update();
}

bool SvgPicture::isValidPicture() const {
    if (valid_ < 0) valid_ = QSvgRenderer(path()).isValid() ? 1 : 0;
    return valid_ == 1;
}

void SvgPicture::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) setResource(resource_);
    QWidget::changeEvent(e);
}

void SvgPicture::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (valid_ != 0 && (cache_.isNull() || cache_.size() != pixels) && !pixels.isEmpty()) {
        cache_ = PictureImage(shown_, size(), dpr);
        valid_ = cache_.isNull() ? 0 : 1;
    }
    QPainter p(this);
    if (valid_ == 1) {
        p.drawImage(0, 0, cache_);
    } else {
        p.setPen(QPen(QColor(32, 40, 48), 1, Qt::DashLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// ---------------------------------------------------------------- LineShape

LineShape::LineShape(QWidget* parent, const QString& name, QPoint start, QPoint end, QColor color, int width)
    : QWidget(parent), start_(start), end_(end), color_(color), width_(width) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    place();
}

void LineShape::setStart(QPoint p) {
    start_ = p;
    place();
    update();
}

void LineShape::place() {
    QRect r = QRect(start_, end_).normalized().adjusted(-width_ - 1, -width_ - 1, width_ + 1, width_ + 1);
    setGeometry(r);
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color_, width_, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(start_ - pos(), end_ - pos());
}

} // namespace ampero::ui
