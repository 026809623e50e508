// SPDX-License-Identifier: GPL-3.0-or-later
// The words the core writes into its lines and messages. They are written
// here in Swedish, the program's own language, marked for the catalogue with
// QT_TRANSLATE_NOOP("Ampero", …); the window sets a translator that shows
// them in the language chosen. Without one they stay Swedish.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the catalogue (lupdate reads the marks); the core needs no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace ampero {

// The text a Swedish text reads as in the chosen language.
using Translator = std::string (*)(const char* swedish);
// nullptr: Swedish.
void SetTranslator(Translator translator);

// `swedish` in the chosen language.
std::string Say(const char* swedish);
// The same with %1, %2 … replaced by the arguments in order; a translation
// may place them elsewhere.
std::string Say(const char* swedish, std::initializer_list<std::string_view> args);

} // namespace ampero
