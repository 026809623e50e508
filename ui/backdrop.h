// SPDX-License-Identifier: GPL-3.0-or-later
// The window's client area, laid with wood grain.
#pragma once

#include <QImage>
#include <QWidget>

namespace ampero::ui {

// The client area: paints the wood grain in 20 x 220 px tiles.
class Backdrop : public QWidget {
    Q_OBJECT
public:
    explicit Backdrop(QWidget* parent);
    // The tile drawn for a device pixel ratio (kept until the ratio changes).
    QImage tile(qreal dpr);

Q_SIGNALS:
    // Once, when the first frame has been painted.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage tile_;
    bool painted_ = false;
};

} // namespace ampero::ui
