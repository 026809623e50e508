// Layout tables are written in twips (1/1440 inch); 15 twips make one pixel
// at 96 dots per inch. Positions on a tab page are measured from the top
// left corner of the page area under the tab strip (kTabStripTwips shifts
// them if the strip is ever counted in).
#pragma once

#include <QPoint>
#include <QRect>

namespace ampero::ui {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTabStripTwips = 0;

constexpr int Px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// A rectangle on the window, a panel or a frame.
inline QRect Tw(int left, int top, int width, int height) { return QRect(Px(left), Px(top), Px(width), Px(height)); }

// A rectangle on a tab page.
inline QRect TabTw(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top - kTabStripTwips), Px(width), Px(height));
}

// A point on a tab page, kept in twips by the caller.
inline QPoint TabPoint(int x, int y) { return QPoint(Px(x), Px(y - kTabStripTwips)); }

} // namespace ampero::ui
