// SPDX-License-Identifier: GPL-3.0-or-later
// The lamp beside a field, the colour patches of the colour code, and the
// display frame around a field.
#include <QEvent>
#include <QPainter>

#include "ui/colors.h"
#include "ui/drawing.h"
#include "ui/entryfield.h"
#include "ui/language.h"

namespace ampero::ui {

// ---------------------------------------------------------------- Lamp

Lamp::Lamp(QWidget* parent, const QString& name, LampState state) : QWidget(parent), state_(state) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

Lamp::Lamp(QWidget* parent, const QString& name, QColor fixed) : Lamp(parent, name) { fixed_ = fixed; }

QColor Lamp::color() const {
    if (fixed_.isValid()) return fixed_;
    switch (state_) {
    case LampState::Confirmed: return kLampRed;
    case LampState::Computed: return kLampGreen;
    case LampState::Off: break;
    }
    return kLampGrey;
}

void Lamp::setState(LampState s) {
    if (s == state_) return;
    state_ = s;
    describeBuddy();
    update();
}

void Lamp::setBuddy(QWidget* field) {
    buddy_ = field;
    describeBuddy();
}

void Lamp::describeBuddy() {
    if (!buddy_) return;
    buddy_->setAccessibleDescription(state_ == LampState::Confirmed  ? Tr(QT_TRANSLATE_NOOP("Ampero", "bekräftad"))
                                     : state_ == LampState::Computed ? Tr(QT_TRANSLATE_NOOP("Ampero", "beräknad"))
                                                                     : QString());
}

void Lamp::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) describeBuddy();
    QWidget::changeEvent(e);
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal d = std::min(r.width(), r.height());
    r = QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    p.setPen(QPen(QColor(32, 40, 48), 1));
    p.setBrush(color());
    p.drawEllipse(r);
    // A small highlight makes it read as a lamp; the fill stays the state.
    if (r.width() >= 6) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawEllipse(
            QRectF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.18, r.width() * 0.3, r.height() * 0.3));
    }
}

// ---------------------------------------------------------------- ColourSwatch

ColourSwatch::ColourSwatch(QWidget* parent, const QString& name, QColor color, const QRect& geometry)
    : QWidget(parent), color_(color) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(geometry);
}

void ColourSwatch::setColor(const QColor& c) {
    if (c == color_) return;
    color_ = c;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(32, 40, 48), 1));
    p.setBrush(color_);
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

// ---------------------------------------------------------------- DisplayFrame

namespace {
constexpr int kBezelX = 7, kBezelTop = 5, kCaptionH = 16;
}

DisplayFrame::DisplayFrame(QWidget* parent, const QString& name, const QRect& fieldRect, const QString& caption)
    : QWidget(parent), caption_(caption) {
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(fieldRect.adjusted(-kBezelX, -kBezelTop, kBezelX, kCaptionH + 2));
    lower();
}

QFont DisplayFrame::captionFont() {
    QFont f = FormFont();
    f.setPixelSize(11);
    return f;
}

QRectF DisplayFrame::captionRoom() const {
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    return {r.left() + 6, r.bottom() - kCaptionH - 1, r.width() - 12, qreal(kCaptionH)};
}

void DisplayFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(70, 78, 88));
    g.setColorAt(1, QColor(38, 44, 52));
    p.setPen(QPen(QColor(20, 24, 30), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 5, 5);
    // Screws in the corners of the bezel.
    p.setBrush(QColor(150, 156, 164));
    p.setPen(Qt::NoPen);
    const qreal s = 2.2;
    p.drawEllipse(QPointF(r.left() + 3.5, r.bottom() - 3.5), s, s);
    p.drawEllipse(QPointF(r.right() - 3.5, r.bottom() - 3.5), s, s);
    p.setFont(captionFont());
    p.setPen(QColor(236, 226, 160));
    p.drawText(captionRoom(), Qt::AlignCenter, caption_);
}

} // namespace ampero::ui
