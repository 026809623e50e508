// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pagetable.h"

#include <array>

#include "ui/pages/cappage.h"
#include "ui/pages/coilpage.h"
#include "ui/pages/ohmpage.h"
#include "ui/pages/rcpage.h"
#include "ui/pages/respage.h"
#include "ui/pages/toolpage.h"

namespace ampero::ui {

namespace {

template <class P> Page* Make(QWidget* parent, Shell& shell, const PageRow& row) { return new P(parent, shell, row); }

constexpr std::array kPages{
    PageRow{"cmdOhm", QT_TRANSLATE_NOOP("Ampero", "&Ohm: s Lag"), "nav_ohm", 2, 0, 0, 0, "TabOhm", true, false, Make<OhmPage>},
    PageRow{"cmdRC", QT_TRANSLATE_NOOP("Ampero", "R C  Nät"), "nav_rc", 6, 4, 4, 4, "TabRC", false, false, Make<RCPage>},
    PageRow{"cmdKond", QT_TRANSLATE_NOOP("Ampero", "&Kondensator"), "nav_cap", 4, 1, 2, 2, "TabCap", false, false, Make<CapPage>},
    PageRow{"cmdIndukt", QT_TRANSLATE_NOOP("Ampero", "&Spolar"), "nav_coil", 3, 2, 1, 1, "TabCoil", false, false, Make<CoilPage>},
    PageRow{"cmdReso", QT_TRANSLATE_NOOP("Ampero", "&Resonans"), "nav_res", 5, 3, 3, 3, "TabRes", false, false, Make<ResPage>},
    PageRow{"cmdVerktyg", QT_TRANSLATE_NOOP("Ampero", "&Verktyg"), "nav_tools", 7, 5, 5, 5, "TabVerktyg", false, true, Make<ToolPage>},
};

} // namespace

std::span<const PageRow> PageTable() { return kPages; }

} // namespace ampero::ui
