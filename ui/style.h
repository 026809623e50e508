// The look every Ampero window shares: Fusion style, the window's palette.
#pragma once

namespace ampero::ui {

void SetupApplicationLook();

} // namespace ampero::ui
