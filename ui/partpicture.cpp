// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/partpicture.h"

#include <QPainter>
#include <QPainterPath>

#include "core/colourcode.h"
#include "core/marking.h"
#include "core/partmarks.h"
#include "ui/drawing.h"
#include "ui/language.h"

namespace ampero::ui {

namespace {

const QColor kInk(32, 40, 48);

QColor BandColour(const QString& name) {
    for (int c = 0; c <= kSilver; ++c) {
        // The names come in the language shown.
        if (name != Tr(ColourName(c))) continue;
        if (c == kGuld) return QColor(212, 175, 55);
        if (c == kSilver) return QColor(192, 192, 192);
        const Rgb& rgb = kColourCode[static_cast<size_t>(c)];
        return QColor(rgb.r, rgb.g, rgb.b);
    }
    return {};
}

} // namespace

PartPicture::PartPicture(QWidget* parent, const QString& name, const QRect& geometry) : QWidget(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setFocusPolicy(Qt::NoFocus);
}

void PartPicture::setText(const QString& text) {
    text_ = text;
    bands_.clear();
    const bool capacitor = text.startsWith(QLatin1String(kCapacitorPicture));
    if (!capacitor)
        for (const QString& name : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (const QColor c = BandColour(name); c.isValid()) bands_ << c;
    setAccessibleDescription(capacitor ? text.mid(int(qstrlen(kCapacitorPicture))) : text);
    update();
}

void PartPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (text_.startsWith(QLatin1String(kCapacitorPicture)))
        paintCapacitor(p);
    else
        paintResistor(p);
}

void PartPicture::paintResistor(QPainter& p) const {
    const QRectF r(rect());
    const qreal h = r.height() * 0.62, top = (r.height() - h) / 2, left = r.width() * 0.16, w = r.width() * 0.68;
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(168, 172, 178)); // the leads
    p.drawRect(QRectF(1, r.height() / 2 - 2, r.width() - 2, 4));
    QLinearGradient g(0, top, 0, top + h);
    g.setColorAt(0, QColor(242, 224, 188));
    g.setColorAt(1, QColor(200, 164, 112));
    p.setBrush(g);
    p.setPen(QPen(kInk, 1.5));
    p.drawRoundedRect(QRectF(left, top, w, h), h / 3, h / 3);
    // Bands spread over the body; the last (the tolerance) a little apart.
    const int n = int(bands_.size());
    const qreal bw = w / 11;
    for (int i = 0; i < n; ++i) {
        const bool last = n > 1 && i == n - 1;
        const qreal x = left + bw * (1.2 + 1.7 * i + (last ? 0.9 : 0));
        p.setPen(QPen(kInk, 0.6));
        p.setBrush(bands_[i]);
        p.drawRect(QRectF(x, top + 1, bw, h - 2));
    }
}

void PartPicture::paintCapacitor(QPainter& p) const {
    const QRectF r(rect());
    const qreal d = std::min(r.height() * 0.72, r.width() * 0.6);
    const QRectF disc(r.center().x() - d / 2, 2, d, d);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(168, 172, 178));
    p.drawRect(QRectF(disc.center().x() - d / 5 - 1.5, disc.bottom() - 2, 3, r.height() - disc.bottom()));
    p.drawRect(QRectF(disc.center().x() + d / 5 - 1.5, disc.bottom() - 2, 3, r.height() - disc.bottom()));
    QRadialGradient g(disc.center() - QPointF(d / 6, d / 6), d * 0.7);
    g.setColorAt(0, QColor(236, 150, 80));
    g.setColorAt(1, QColor(176, 90, 40));
    p.setBrush(g);
    p.setPen(QPen(kInk, 1.5));
    p.drawEllipse(disc);
    QFont f = FormFont();
    f.setPixelSize(std::max(8, int(d / 4)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(24, 20, 16));
    p.drawText(disc, Qt::AlignCenter, text_.mid(int(qstrlen(kCapacitorPicture))));
}

} // namespace ampero::ui
