// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style.h"

#include <QApplication>
#include <QPainter>

#include <QGroupBox>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include "ui/drawing.h"

namespace ampero::ui {

namespace {
// Fusion, with the group-box frame and the menu bar's overflow chevron drawn
// here: Fusion reads those from bitmap files, and the first such file read
// starts every image format plug-in there is, a good part of the start-up.
class AmperoStyle : public QProxyStyle {
public:
    AmperoStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p, const QWidget* w) const override {
        if (pe != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(pe, opt, p, w);
            return;
        }
        // Fusion's frame: a faint shade inside a soft grey edge with cut
        // corners, from the middle of the title down.
        const auto* box = qobject_cast<const QGroupBox*>(w);
        const int top = box && !box->isCheckable() && box->title().isEmpty()
                            ? 3
                            : qMax(pixelMetric(PM_ExclusiveIndicatorHeight, opt, w), opt->fontMetrics.height()) + 3;
        const QRect f = opt->rect.adjusted(1, top + 1, 0, 0);
        p->save();
        p->fillRect(f.adjusted(1, 1, -1, -1), QColor(0, 0, 0, 3));
        p->setPen(QColor(0, 0, 0, 4));
        p->drawRect(f.adjusted(1, 1, -2, -2));
        p->setPen(QColor(117, 117, 117, 50));
        p->drawLine(f.left() + 1, f.top(), f.right() - 1, f.top());
        p->drawLine(f.left() + 1, f.bottom(), f.right() - 1, f.bottom());
        p->drawLine(f.left(), f.top() + 1, f.left(), f.bottom() - 1);
        p->drawLine(f.right(), f.top() + 1, f.right(), f.bottom() - 1);
        p->restore();
    }

    // Menu-bar titles with blanks drawn before them (see kLeadingBlanks).
    static QString spaced(const QString& title, const QWidget* w) {
        const int blanks = w ? w->property(kLeadingBlanks).toMap().value(title).toInt() : 0;
        return QString(blanks, QLatin1Char(' ')) + title;
    }

    QSize sizeFromContents(ContentsType ct, const QStyleOption* opt, const QSize& size,
                           const QWidget* w) const override {
        QSize s = QProxyStyle::sizeFromContents(ct, opt, size, w);
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(opt); item && ct == CT_MenuBarItem)
            s.rwidth() += item->fontMetrics.size(Qt::TextShowMnemonic, spaced(item->text, w)).width() -
                          item->fontMetrics.size(Qt::TextShowMnemonic, item->text).width();
        return s;
    }

    void drawControl(ControlElement ce, const QStyleOption* opt, QPainter* p, const QWidget* w) const override {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(opt); item && ce == CE_MenuBarItem) {
            QStyleOptionMenuItem shown = *item;
            shown.text = spaced(item->text, w);
            QProxyStyle::drawControl(ce, &shown, p, w);
            return;
        }
        QProxyStyle::drawControl(ce, opt, p, w);
    }

    QIcon standardIcon(StandardPixmap sp, const QStyleOption* opt, const QWidget* w) const override {
        if (sp != SP_ToolBarHorizontalExtensionButton && sp != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(sp, opt, w);
        QIcon icon;
        for (const qreal dpr : {1.0, 2.0}) {
            QPixmap pm(QSize(16, 16) * dpr);
            pm.setDevicePixelRatio(dpr);
            pm.fill(Qt::transparent);
            QPainter p(&pm);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(24, 28, 34), 1.5));
            if (sp == SP_ToolBarVerticalExtensionButton) {
                p.rotate(90);
                p.translate(0, -16);
            }
            for (const qreal x : {4.0, 8.5}) p.drawPolyline(QPolygonF({{x, 4.5}, {x + 3.5, 8}, {x, 11.5}}));
            p.end();
            icon.addPixmap(pm);
        }
        return icon;
    }
};
} // namespace

void SetupApplicationLook() {
    QApplication::setStyle(new AmperoStyle);
    QPalette pal = QApplication::style()->standardPalette();
    pal.setColor(QPalette::Window, QColor(200, 200, 196));
    pal.setColor(QPalette::Button, QColor(214, 212, 206));
    pal.setColor(QPalette::WindowText, QColor(24, 28, 34));
    pal.setColor(QPalette::ButtonText, QColor(24, 28, 34));
    pal.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    pal.setColor(QPalette::ToolTipText, Qt::black);
    QApplication::setPalette(pal);
    QApplication::setFont(FormFont());
}

} // namespace ampero::ui
