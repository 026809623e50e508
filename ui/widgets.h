// SPDX-License-Identifier: GPL-3.0-or-later
// The small widgets every page is built from.
#pragma once

#include <QLabel>

#include "ui/drawing.h"
#include "ui/language.h"
#include "ui/entryfield.h"
#include "ui/pictures.h"
#include "ui/style.h"

namespace ampero::ui {

// A label that always shows its whole text: a text wider than the label is
// set in a smaller face, down to kMinPoints (kMinPixels for a face given in
// pixels); only beyond that is it cut in the middle, with the whole text in
// its tool tip.
class FitLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString ownTip READ ownTip WRITE setOwnTip)
public:
    static constexpr qreal kMinPoints = 4.5;
    static constexpr qreal kMinPixels = 6.0;
    using QLabel::QLabel;
    // The face the text is shown in now.
    QFont shownFont() const;
    // A ground drawn just behind the text, for a label printed on a picture
    // whose text may reach past the picture's own band.
    void setBackdrop(const QColor& c) { backdrop_ = c; }
    // The label's own tool tip, kept whether the text fits or not; a text
    // that is cut shows whole in the tip, above it.
    QString ownTip() const { return ownTip_; }
    void setOwnTip(const QString& tip) {
        ownTip_ = tip;
        setToolTip(tip);
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor backdrop_;
    QString ownTip_;
};

// A label with fixed geometry and an object name, showing the Swedish
// `text` in the language shown.
QLabel* MakeLabel(QWidget* parent, const QString& name, const char* text, const QRect& geometry, bool wrap = false);
// The same for a label whose text comes from a calculation.
FitLabel* MakeFitLabel(QWidget* parent, const QString& name, const QRect& geometry);
// Such a label on a sunken cream panel: the history captions, the standard values.
FitLabel* MakeValuePanel(QWidget* parent, const QString& name, const QRect& geometry, int indent);


} // namespace ampero::ui
