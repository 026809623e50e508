#include "ui/widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QSvgRenderer>

namespace ampero::ui {

// ---------------------------------------------------------------- Lamp

Lamp::Lamp(QWidget* parent, const QString& name, QColor color, Shape shape)
    : QWidget(parent), color_(color), shape_(shape) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Lamp::setColor(const QColor& c) {
    if (c == color_) return;
    color_ = c;
    describeBuddy();
    update();
}

void Lamp::setBuddy(QWidget* field) {
    buddy_ = field;
    describeBuddy();
}

void Lamp::describeBuddy() {
    if (!buddy_) return;
    QString d;
    if (color_ == QColor(255, 0, 0))
        d = QStringLiteral("bekräftad");
    else if (color_ == QColor(0, 255, 0))
        d = QStringLiteral("beräknad");
    buddy_->setAccessibleDescription(d);
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (shape_ == Shape::Circle) {
        qreal d = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    }
    p.setPen(QPen(QColor(32, 40, 48), 1));
    p.setBrush(color_);
    if (shape_ == Shape::Circle)
        p.drawEllipse(r);
    else
        p.drawRect(r);
    // A small highlight makes it read as a lamp; the fill stays the state.
    if (shape_ == Shape::Circle && r.width() >= 6) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawEllipse(
            QRectF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.18, r.width() * 0.3, r.height() * 0.3));
    }
}

// ---------------------------------------------------------------- EntryField

EntryField::EntryField(QWidget* parent, const QString& name, int index, KeyHandler* handler, QColor normal,
                       QColor focus)
    : QLineEdit(parent), index_(index), handler_(handler), normal_(normal), focus_(focus) {
    setObjectName(name);
    setFont(FieldFont());
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setDragEnabled(false);
    setAcceptDrops(false);
    setFrame(true);
    setBackground(normal_);
}

QColor EntryField::background() const { return palette().color(QPalette::Base); }

void EntryField::setColors(QColor normal, QColor focus) {
    normal_ = normal;
    focus_ = focus;
    setBackground(hasFocus() ? focus_ : normal_);
}

void EntryField::setBackground(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
}

void EntryField::focusInEvent(QFocusEvent* e) {
    setBackground(focus_);
    QLineEdit::focusInEvent(e);
}

void EntryField::focusOutEvent(QFocusEvent* e) {
    setBackground(normal_);
    QLineEdit::focusOutEvent(e);
}

void EntryField::apply(int code) {
    if (code == 0) return;
    if (isReadOnly() && code != 13 && code != 27) return;
    switch (code) {
    case 8: backspace(); return;
    case 13:
    case 27:
        // Passed on; a single-line field does nothing visible with them.
        return;
    default: insert(QString(QChar(code)));
    }
}

void EntryField::typeCharacter(int code) {
    int out = handler_ ? handler_->KeyPress(index_, code) : code;
    apply(out);
}

void EntryField::pasteText(const QString& text) {
    for (QChar c : text) typeCharacter(c.unicode());
}

void EntryField::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        pasteText(QApplication::clipboard()->text());
        e->accept();
        return;
    }
    switch (e->key()) {
    case Qt::Key_Backspace:
        typeCharacter(8);
        e->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        typeCharacter(13);
        e->accept();
        return;
    case Qt::Key_Escape:
        typeCharacter(27);
        e->accept();
        return;
    default: break;
    }
    // Keys that type nothing keep their usual effect (arrows, Home, End,
    // Delete, function keys).
    if (e->key() >= Qt::Key_Escape || e->text().isEmpty()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    // Ctrl-combinations type control characters, which no field accepts.
    if (e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        e->accept();
        return;
    }
    for (QChar c : e->text()) typeCharacter(c.unicode());
    e->accept();
}

void EntryField::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) {
        QLineEdit::keyReleaseEvent(e);
        return;
    }
    int code = 0;
    if (e->key() == Qt::Key_Delete)
        code = 46;
    else if (e->key() == Qt::Key_F12)
        code = 123;
    if (code && handler_) {
        handler_->KeyUp(index_, code);
        e->accept();
        return;
    }
    QLineEdit::keyReleaseEvent(e);
}

void EntryField::contextMenuEvent(QContextMenuEvent* e) {
    // Copy, a paste that goes through the key rule, and select all; nothing
    // that would change the text behind the calculator's back.
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("&Kopiera"));
    copy->setObjectName("edit-copy");
    copy->setEnabled(hasSelectedText());
    QAction* paste = menu.addAction(tr("Klistra &in"));
    paste->setObjectName("edit-paste");
    paste->setEnabled(!isReadOnly() && !QApplication::clipboard()->text().isEmpty());
    menu.addSeparator();
    QAction* all = menu.addAction(tr("Markera &allt"));
    all->setObjectName("select-all");
    all->setEnabled(!text().isEmpty());
    QAction* chosen = menu.exec(e->globalPos());
    if (chosen == copy)
        this->copy();
    else if (chosen == paste)
        pasteText(QApplication::clipboard()->text());
    else if (chosen == all)
        selectAll();
}

void EntryField::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton) {
        // The selection clipboard is pasted through the key rule too.
        if (!isReadOnly()) pasteText(QApplication::clipboard()->text(QClipboard::Selection));
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
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
    QFont f = FormFont();
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(QColor(236, 226, 160));
    QRectF cap(r.left() + 6, r.bottom() - kCaptionH - 1, r.width() - 12, kCaptionH);
    p.drawText(cap, Qt::AlignCenter, caption_);
}

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

QString SvgPicture::path() const { return QStringLiteral(":/img/%1.svg").arg(resource_); }

void SvgPicture::setResource(const QString& resource) {
    resource_ = resource;
    valid_ = -1;
    cache_ = QImage();
    update();
}

bool SvgPicture::isValidPicture() const {
    if (valid_ < 0) valid_ = QSvgRenderer(path()).isValid() ? 1 : 0;
    return valid_ == 1;
}

void SvgPicture::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (valid_ != 0 && (cache_.isNull() || cache_.size() != pixels) && !pixels.isEmpty()) {
        cache_ = PictureImage(resource_, size(), dpr);
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

// ---------------------------------------------------------------- helpers

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, bool wrap) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setWordWrap(wrap);
    l->setTextFormat(Qt::PlainText);
    return l;
}

char LocaleDecimalSeparator() {
    QString d = QLocale().decimalPoint();
    return d.isEmpty() ? '.' : d.at(0).toLatin1() ? d.at(0).toLatin1() : '.';
}

} // namespace ampero::ui

#include <QGroupBox>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>

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
