// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets.h"

#include <QPainter>
#include <QStyle>

namespace ampero::ui {

QLabel* MakeLabel(QWidget* parent, const QString& name, const char* text, const QRect& geometry, bool wrap) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setWordWrap(wrap);
    l->setTextFormat(Qt::PlainText);
    Tell(l, "text", text);
    return l;
}

FitLabel* MakeFitLabel(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* l = new FitLabel(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setTextFormat(Qt::PlainText);
    return l;
}

FitLabel* MakeValuePanel(QWidget* parent, const QString& name, const QRect& geometry, int indent) {
    FitLabel* l = MakeFitLabel(parent, name, geometry);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, QColor(250, 248, 232));
    l->setPalette(pal);
    l->setIndent(indent);
    return l;
}

QFont FitLabel::shownFont() const {
    QFont f = font();
    const int room = contentsRect().width() - 2 * std::max(indent(), 0) - 2 * margin();
    const bool pixels = f.pixelSize() > 0;
    const qreal smallest = pixels ? kMinPixels : kMinPoints;
    for (qreal size = pixels ? f.pixelSize() : f.pointSizeF();
         size > smallest && QFontMetrics(f).horizontalAdvance(text()) > room;) {
        size = std::max(size - (pixels ? 1.0 : 0.5), smallest);
        if (pixels)
            f.setPixelSize(qRound(size));
        else
            f.setPointSizeF(size);
    }
    return f;
}

void FitLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    const QFont f = shownFont();
    const QFontMetrics fm(f);
    const int in = std::max(indent(), 0) + margin();
    const QRect room = contentsRect().adjusted(in, margin(), -in, -margin());
    const QString whole = text();
    // Too long for one line even in the smallest face: two lines where the
    // label is tall enough, else the middle left out.
    int flags = int(alignment());
    QString shown = whole;
    if (fm.horizontalAdvance(whole) > room.width()) {
        if (fm.boundingRect(room, flags | Qt::TextWrapAnywhere, whole).height() <= room.height())
            flags |= Qt::TextWrapAnywhere;
        else
            shown = fm.elidedText(whole, Qt::ElideMiddle, room.width());
    }
    const QString tip = shown == whole ? ownTip_ : ownTip_.isEmpty() ? whole : whole + QLatin1Char('\n') + ownTip_;
    if (toolTip() != tip) setToolTip(tip);
    p.setFont(f);
    if (backdrop_.isValid() && !shown.isEmpty())
        p.fillRect(fm.boundingRect(room, flags, shown).adjusted(-2, 0, 1, 0).intersected(rect()), backdrop_);
    style()->drawItemText(&p, room, flags, palette(), isEnabled(), shown, foregroundRole());
}

} // namespace ampero::ui
