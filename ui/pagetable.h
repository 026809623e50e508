// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator pages, one row each, in the order of the navigation
// buttons: what the window builds, what navigation shows and what an Exit
// clears. A new page is one row here and a file of its own in ui/pages/.
#pragma once

#include <span>

class QWidget;

namespace ampero::ui {

class Page;
class Shell;

struct PageRow {
    const char* nav;     // the navigation button's name
    const char* caption; // its caption, "&" before the access key
    const char* icon;    // its picture
    int pan;             // the page is pan(pan)
    int eval, newIndex, exit; // the indexes of its cmdEval, cmdNew and cmdExit
    const char* tabs;    // the name of its tab control
    // Its Exit clears this page only and keeps the history; the Exit of any
    // other page then leaves it alone.
    bool ownExit;
    // Built when it is first shown rather than right after the first frame.
    bool whenShown;
    Page* (*make)(QWidget* parent, Shell& shell, const PageRow& row);
};

std::span<const PageRow> PageTable();

} // namespace ampero::ui
