// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/backdrop.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/drawing.h"
#include "ui/pictures.h"

namespace ampero::ui {

Backdrop::Backdrop(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("Client")); }

QImage Backdrop::tile(qreal dpr) {
    if (!tile_.isNull() && qFuzzyCompare(tile_.devicePixelRatio(), dpr)) return tile_;
    const QImage pre =
        dpr == 1.0 ? PrerenderedPicture(kWoodTileName, QSize(kWoodTileWidth, kWoodTileHeight)) : QImage();
    tile_ = pre.isNull() ? DrawWoodTile(dpr) : pre;
    return tile_;
}

void Backdrop::paintEvent(QPaintEvent* e) {
    // The tile repeats from (0, 0) in steps of 20 x 220 px; one textured
    // fill of the dirty area lays the same copies as a loop of block copies
    // at a fraction of the cost.
    QPainter p(this);
    p.fillRect(e->rect(), QBrush(tile(p.device()->devicePixelRatioF())));
    if (!painted_) {
        painted_ = true;
        Q_EMIT firstPainted();
    }
}

} // namespace ampero::ui
