// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of the window: lamps, fields and the grounds they sit on.
#pragma once

#include <QColor>

namespace ampero::ui {

inline const QColor kLampGrey(128, 128, 128);
inline const QColor kLampRed(255, 0, 0);
inline const QColor kLampGreen(0, 255, 0);

inline const QColor kFieldNormal(0, 192, 192);
inline const QColor kFieldFocus(0, 222, 219);

inline const QColor kLedFieldNormal(239, 239, 222);
inline const QColor kLedFieldFocus(192, 255, 255);

inline const QColor kFormGrey(192, 192, 192);
inline const QColor kLightYellow(255, 255, 192);

} // namespace ampero::ui
