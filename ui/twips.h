// SPDX-License-Identifier: GPL-3.0-or-later
// Layout tables are written in twips (1/1440 inch); 15 twips make one pixel
// at 96 dots per inch. Positions on a tab page are measured from the top
// left corner of the page area under the tab strip.
#pragma once

#include <QPoint>
#include <QRect>

namespace ampero::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// A rectangle on the window, a panel, a frame or a tab page.
inline QRect Tw(int left, int top, int width, int height) { return QRect(Px(left), Px(top), Px(width), Px(height)); }

// A point, kept in twips by the caller.
inline QPoint TwPoint(int x, int y) { return QPoint(Px(x), Px(y)); }

} // namespace ampero::ui
