// The small widgets every page is built from.
#pragma once

#include <QLabel>

#include "ui/drawing.h"
#include "ui/entryfield.h"
#include "ui/pictures.h"
#include "ui/style.h"

namespace ampero::ui {

// A label with fixed geometry and an object name.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, bool wrap = false);

// The locale's decimal separator as one character ("," on a Swedish system).
char LocaleDecimalSeparator();

} // namespace ampero::ui
