// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>

#include "ui/colors.h"

static void InitPictureResources() { Q_INIT_RESOURCE(assets); }

namespace ampero::ui {

void InitPictures() { InitPictureResources(); }

QFont FormFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    return f;
}

QFont FieldFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    return f;
}

QImage DrawPicture(const QString& resource, QSize size, qreal dpr) {
    InitPictureResources();
    QSvgRenderer svg(QStringLiteral(":/img/%1.svg").arg(resource));
    if (!svg.isValid() || size.isEmpty()) return {};
    QImage img((QSizeF(size) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF fit = svg.defaultSize().toSizeF().scaled(size, Qt::KeepAspectRatio);
    svg.render(&p, QRectF(QPointF((size.width() - fit.width()) / 2, (size.height() - fit.height()) / 2), fit));
    return img;
}

QImage DrawWoodTile(qreal dpr) {
    InitPictureResources();
    // The picture is 20 x 223 px; its top 20 x 220 block is the tile. It is
    // drawn at the pixel density of the screen the window is on, so the
    // grain stays sharp when the window is scaled or moves to another screen.
    QSvgRenderer svg(QStringLiteral(":/img/wood.svg"));
    QImage full(QSize(qCeil(20 * dpr), qCeil(223 * dpr)), QImage::Format_RGB32);
    full.setDevicePixelRatio(dpr);
    full.fill(kFormGrey);
    if (svg.isValid()) {
        QPainter p(&full);
        svg.render(&p, QRectF(0, 0, 20, 223));
    }
    QImage tile = full.copy(QRect(0, 0, qRound(kWoodTileWidth * dpr), qRound(kWoodTileHeight * dpr)));
    tile.setDevicePixelRatio(dpr);
    return tile;
}

} // namespace ampero::ui
