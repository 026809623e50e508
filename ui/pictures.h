// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled-in pictures: drawn at build time where they are part of the
// first frame, from their SVG otherwise; and the straight lines drawn over them.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace ampero::ui {

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

// A picture from the compiled-in resources (":/img/<name>.svg"), or in a
// language other than Swedish its own picture there (":/img/<name>.en.svg").
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    SvgPicture(QWidget* parent, const QString& objectName, const QString& resource, const QRect& geometry);
    QString resource() const { return resource_; }
    bool isValidPicture() const;
    void setResource(const QString& resource);

protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* e) override;

private:
    // The picture is read only when it is first shown (or asked about) and
    // drawn once per size into a pixmap that later paints copy: most
    // pictures sit on pages and tabs that are hidden at start.
    QString path() const;
    QString resource_, shown_;
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

} // namespace ampero::ui
