// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the compiled-in pictures (":/img/<name>.svg") into images. Shared
// by the window and by the build step that draws the pictures of the first
// frame in advance, so that both give the same pixels.
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <cstddef>

namespace ampero::ui {

// Makes the compiled-in pictures readable (once is enough; more is harmless).
void InitPictures();

QFont FormFont();  // 8.25 pt bold sans
QFont FieldFont(); // 12 pt bold sans

// `resource` drawn into a transparent image of `size` logical pixels at the
// pixel ratio `dpr`, in proportion and centred. Null when there is no such
// picture.
QImage DrawPicture(const QString& resource, QSize size, qreal dpr);

// The wood grain behind the window: the top 20 x 220 px block of wood.svg on
// the form grey, which repeats seamlessly both ways.
inline constexpr int kWoodTileWidth = 20, kWoodTileHeight = 220;
QImage DrawWoodTile(qreal dpr);

// The pictures of the first frame at the size they are shown; these are
// drawn when the program is built and kept in the program as pixels.
struct FirstFramePicture {
    const char* resource;
    int width, height;
};
inline constexpr FirstFramePicture kFirstFramePictures[] = {
    {"start_m1", 150, 125}, {"start_m2", 150, 125}, {"start_m3", 150, 125}, {"start_m4", 150, 125},
    {"start_m5", 150, 125}, {"start_m6", 150, 125}, {"logo_left", 24, 24},  {"logo_right", 24, 24},
    {"nav_ohm", 16, 16},    {"nav_rc", 16, 16},     {"nav_cap", 16, 16},    {"nav_coil", 16, 16},
    {"nav_res", 16, 16},    {"nav_tools", 16, 16},
};
// The name the wood tile is kept under among them.
inline constexpr const char* kWoodTileName = "wood_tile";

// What the build step wrote (linked into the window only): premultiplied
// ARGB pixels, row by row, ready to be shown as they are. An opaque picture
// is marked so, which lets it be copied rather than blended.
struct PrerenderedData {
    const char* name;
    int width, height;
    bool opaque;
    const quint32* pixels;
};
extern const PrerenderedData kPrerendered[];
extern const std::size_t kPrerenderedCount;

} // namespace ampero::ui
