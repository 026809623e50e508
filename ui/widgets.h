// The small widgets every page is built from.
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "ui/drawing.h"

class QSvgRenderer;

namespace ampero::ui {

// A lamp: a small filled shape whose fill colour is its state.
class Lamp : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Circle, Rect };
    Lamp(QWidget* parent, const QString& name, QColor color, Shape shape = Shape::Circle);
    QColor color() const { return color_; }
    void setColor(const QColor& c);
    // The field whose state this lamp shows: its accessible description
    // follows the lamp ("bekräftad", "beräknad" or empty).
    void setBuddy(QWidget* field);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void describeBuddy();
    QColor color_;
    Shape shape_;
    QWidget* buddy_ = nullptr;
};

// What an entry field asks of its calculator. Key codes are those a user
// types: 8 Backspace, 13 Enter, 27 Esc, otherwise the character's code.
// KeyPress returns the code to insert (possibly changed) or 0 to discard.
// KeyUp gets 46 for Delete and 123 for F12.
class KeyHandler {
public:
    virtual ~KeyHandler() = default;
    virtual int KeyPress(int index, int key) = 0;
    virtual void KeyUp(int index, int keyCode) = 0;
};

// A single-line numeric field that feeds every typed or pasted character
// through its handler and shows a focus colour.
class EntryField : public QLineEdit {
    Q_OBJECT
public:
    EntryField(QWidget* parent, const QString& name, int index, KeyHandler* handler, QColor normal, QColor focus);
    int index() const { return index_; }
    void setHandler(KeyHandler* h) { handler_ = h; }
    QColor background() const;
    void setColors(QColor normal, QColor focus);

    // Gives a character to the field exactly as if it had been typed.
    void typeCharacter(int code);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void setBackground(const QColor& c);
    void pasteText(const QString& text);
    void apply(int code);

    int index_;
    KeyHandler* handler_;
    QColor normal_, focus_;
};

// A framed display around a field: a dark bezel with the quantity and
// unit written under the field.
class DisplayFrame : public QWidget {
    Q_OBJECT
public:
    // fieldRect is the field's geometry in the parent; the frame grows
    // around it and puts the caption underneath.
    DisplayFrame(QWidget* parent, const QString& name, const QRect& fieldRect, const QString& caption);
    QString caption() const { return caption_; }
    void setCaption(const QString& c) {
        caption_ = c;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString caption_;
};

// The picture `name` as drawn when the program was built, if it was drawn
// at `size` (at pixel ratio 1); null otherwise.
QImage PrerenderedPicture(const char* name, QSize size);

// The compiled-in picture ":/img/<resource>.svg" in a transparent image of
// `size` (logical pixels) at the pixel ratio `dpr`, in proportion and
// centred: taken from the pictures drawn at build time where it is one of
// them, drawn now otherwise. Null when there is no such picture.
QImage PictureImage(const QString& resource, QSize size, qreal dpr);
QPixmap RenderPicture(const QString& resource, QSize size, qreal dpr); // the same as a pixmap

// An icon of `size` drawn from a compiled-in picture, sharp at the pixel
// ratios of the screens there are. Drawn here rather than by Qt's SVG icon
// plug-in, which brings every image format plug-in along at start.
QIcon PictureIcon(const QString& resource, QSize size);

// A picture from the compiled-in resources (":/img/<name>.svg").
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    SvgPicture(QWidget* parent, const QString& objectName, const QString& resource, const QRect& geometry);
    QString resource() const { return resource_; }
    bool isValidPicture() const;
    void setResource(const QString& resource);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // The picture is read only when it is first shown (or asked about) and
    // drawn once per size into a pixmap that later paints copy: most
    // pictures sit on pages and tabs that are hidden at start.
    QString path() const;
    QString resource_;
    mutable int valid_ = -1; // -1 not read yet, 0 no picture, 1 a picture
    QImage cache_;
};

// A straight line drawn over its parent, end points in pixels of the parent.
// The resonance meter's needle moves its start point.
class LineShape : public QWidget {
    Q_OBJECT
public:
    LineShape(QWidget* parent, const QString& name, QPoint start, QPoint end, QColor color, int width = 1);
    QPoint start() const { return start_; }
    QPoint end() const { return end_; }
    void setStart(QPoint p);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void place();
    QPoint start_, end_;
    QColor color_;
    int width_;
};

// A label with fixed geometry and an object name.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, bool wrap = false);

// The locale's decimal separator as one character ("," on a Swedish system).
char LocaleDecimalSeparator();

} // namespace ampero::ui

namespace ampero::ui {
// The look every Ampero window shares: Fusion style, the window's palette.
void SetupApplicationLook();
} // namespace ampero::ui
