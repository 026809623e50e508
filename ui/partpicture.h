// SPDX-License-Identifier: GPL-3.0-or-later
// A part as the user holds it: a leaded resistor wearing its colour bands,
// or a ceramic disc capacitor with its code printed on it. Its text says
// which: the band names ("gul violett röd guld", none for a bare body), or
// "kondensator:" and the code. A screen reader gets the bands or the code as
// the picture's description.
#pragma once

#include <QStringList>
#include <QWidget>

namespace ampero::ui {

class PartPicture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:

    PartPicture(QWidget* parent, const QString& name, const QRect& geometry);
    QString text() const { return text_; }
    void setText(const QString& text);
    // The band colours drawn, left to right.
    QList<QColor> bandColours() const { return bands_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void paintResistor(class QPainter& p) const;
    void paintCapacitor(class QPainter& p) const;

    QString text_;
    QList<QColor> bands_;
};

} // namespace ampero::ui
