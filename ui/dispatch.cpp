// SPDX-License-Identifier: GPL-3.0-or-later
// "Räkna", F12, "Ny", "Exit" and the tab changes of every page, served from
// the calculators' descriptions.
#include "core/values.h"
#include "ui/page.h"

namespace ampero::ui {

Calculator* Page::calculatorOn(int tab) {
    for (Calculator& c : calcs_)
        if (c.tab == tab && c.active.holds()) return &c;
    return nullptr;
}

QWidget* Page::FirstField() const { return calcs_.empty() ? nullptr : calcs_.front().fields.front(); }

void Page::cmdEval_Click() {
    Calculator* c = calculatorOn(tabs_->currentIndex());
    for (Calculator& other : calcs_)
        if (!c && other.evaluatesFromAnyTab) c = &other;
    if (c && c->pageButtons) evaluate(*c);
}

void Page::cmdExit_Click() { shell_.Exited(*this); }

Inputs Page::inputsOf(const Calculator& c) const {
    Inputs in;
    // The routines read plain numbers: a value with a prefix letter goes in as its number.
    for (size_t i = 0; i < c.fields.size(); ++i)
        in.fields.push_back(ConfirmedText(c.fields[i]->text().toStdString(), UnitOf(*c.info, static_cast<int>(i))));
    if (c.confirms())
        for (int i = 0; i < c.info->fieldCount; ++i)
            in.confirmed[static_cast<size_t>(i)] = state_.EntryConfirmed[static_cast<size_t>(i)];
    in.variant = c.variant();
    if (c.aside) in.aside = c.aside->text().toStdString();
    in.decimalSep = ReadingSeparator();
    if (c.ownParts) in.ownParts = shell_.Remembered().Parts();
    return in;
}

void Page::evaluate(Calculator& c) { run(c, inputsOf(c)); }

void Page::answerAgain(Calculator& c) {
    const auto it = standing_.find(&c);
    bool stands = it != standing_.end();
    for (size_t i = 0; stands && i < c.fields.size(); ++i)
        stands = c.fields[i]->text() == it->second.texts[i] && (i >= c.lamps.size() || c.lamps[i]->state() == it->second.lamps[i]);
    if (!stands) {
        standing_.erase(&c);
        for (QWidget* l : c.captions) l->setProperty("text", QString());
        return;
    }
    // A tab change has reset the flags since; the answer is for the values it was computed from.
    Inputs in = inputsOf(c);
    in.confirmed = it->second.confirmed;
    run(c, in);
}

void Page::run(Calculator& c, const Inputs& in) {
    if (c.info->rule) {
        if (std::optional<Stop> stop = c.info->rule(in)) {
            shell_.ShowMessage(QString::fromStdString(stop->message));
            if (stop->clear) cmdNew_Click();
            return;
        }
    }
    if (in.Count() < c.info->minConfirmed) return;
    const Outcome outcome = c.info->eval(in);
    apply(outcome, c);
    Told& told = told_[&c];
    told.in = in, told.lines.clear();
    for (const CaptionResult& r : outcome.captions) told.lines[r.slot] = QString::fromStdString(r.text);
    hinted_ = &c;
    showHint(c, in, outcome);
    for (QWidget* w : c.shownAfter) {
        w->show();
        w->raise();
    }
    if (c.evaluated) c.evaluated();
    for (int i : c.historyCopy)
        state_.EntryHistory[static_cast<size_t>(i)] = c.fields[static_cast<size_t>(i)]->text();
    if (c.formRecomputes) {
        Standing& s = standing_[&c];
        s.texts.clear(), s.lamps.clear();
        for (EntryField* f : c.fields) s.texts.push_back(f->text());
        for (Lamp* l : c.lamps) s.lamps.push_back(l->state());
        s.confirmed = in.confirmed;
    }
}

void Page::showHint(Calculator& c, const Inputs& in, const Outcome& outcome) {
    const StandardHint hint = StandardHintFor(*c.info, in, outcome);
    shell_.ShowStandard(QString::fromStdString(hint.text),
                        hint.field >= 0 ? c.fields[static_cast<size_t>(hint.field)] : nullptr, hint.ohms);
}

void Page::LanguageChanged() {
    // The lines still on screen, from the values they were computed from.
    const bool hintShown = shell_.StandardShown();
    for (auto& [c, told] : told_) {
        told.in.decimalSep = ReadingSeparator();
        if (c->info->rule && c->info->rule(told.in)) continue;
        const Outcome outcome = c->info->eval(told.in);
        for (const CaptionResult& r : outcome.captions) {
            QWidget* line = static_cast<size_t>(r.slot) < c->captions.size() ? c->captions[static_cast<size_t>(r.slot)] : nullptr;
            const auto was = told.lines.find(r.slot);
            if (!line || was == told.lines.end() || line->property("text").toString() != was->second) continue;
            was->second = QString::fromStdString(r.text);
            line->setProperty("text", was->second);
        }
        if (c == hinted_ && hintShown && isVisible()) showHint(*c, told.in, outcome);
    }
    for (const auto& [caption, field] : historyNames_)
        caption->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Ampero", "Historia %1")).arg(field->accessibleName()));
    retold();
}

void Page::apply(const Outcome& outcome, Calculator& c) {
    for (const std::string& m : outcome.messages) shell_.ShowMessage(QString::fromStdString(m));
    for (const FieldResult& r : outcome.fields) {
        const size_t i = static_cast<size_t>(r.index);
        if (i < c.fields.size()) {
            c.fields[i]->setText(QString::fromStdString(r.text));
            // A result longer than its field shows its leading digits.
            c.fields[i]->setCursorPosition(0);
        }
        if (i < c.lamps.size()) c.lamps[i]->setState(LampState::Computed);
    }
    for (const CaptionResult& r : outcome.captions)
        if (static_cast<size_t>(r.slot) < c.captions.size())
            c.captions[static_cast<size_t>(r.slot)]->setProperty("text", QString::fromStdString(r.text));
}

void Page::cmdNew_Click() {
    Calculator* target = nullptr;
    for (Calculator& c : calcs_)
        if (c.newFromAnyTab) target = &c;
    if (!target) target = calculatorOn(tabs_->currentIndex());
    if (!target || !target->pageButtons) return;
    // The focus goes to its first field, which must be in view: the keys
    // typed next belong there.
    if (target->tab != tabs_->currentIndex()) tabs_->setCurrentIndex(target->tab);
    clear(*target);
    target->fields.front()->setFocus(Qt::OtherFocusReason);
}

void Page::clear(Calculator& c) {
    state_.ResetEntryState();
    for (size_t i = 0; i < c.fields.size(); ++i) {
        if (i < c.lamps.size()) c.lamps[i]->setState(LampState::Off);
        c.fields[i]->setText(QString());
        state_.EntryHistory[i].clear();
        if (i < c.history.size() && c.history[i]) c.history[i]->setText(QString());
    }
    for (QWidget* l : c.captions) l->setProperty("text", QString());
    if (c.cleared) c.cleared();
}

void Page::ExitClear() {
    for (const Calculator& c : calcs_) {
        if (!c.confirms() || !c.pageButtons) continue;
        for (size_t i = 0; i < c.fields.size(); ++i) {
            c.fields[i]->setText(QString());
            if (i < c.lamps.size()) c.lamps[i]->setState(LampState::Off);
        }
    }
    exited();
}

void Page::turnTab(int step) {
    if (const int n = tabs_->count(); n > 1) tabs_->setCurrentIndex((tabs_->currentIndex() + step + n) % n);
}

void Page::tabChanged(int tab) {
    if (tabChangeResets_) state_.ResetEntryState();
    shell_.ShowStandard({}, nullptr);
    hinted_ = nullptr;
    if (Calculator* c = calculatorOn(tab)) {
        if (c->confirms()) nameHistory(*c);
        c->fields.front()->setFocus(Qt::OtherFocusReason);
    }
}

void Page::nameHistory(const Calculator& c) {
    for (size_t j = 0; j < c.history.size(); ++j) {
        const size_t field = j < c.historySource.size() ? static_cast<size_t>(c.historySource[j]) : j;
        if (c.history[j] && field < c.fields.size()) {
            historyNames_[c.history[j]] = c.fields[field];
            c.history[j]->setAccessibleName(
                Tr(QT_TRANSLATE_NOOP("Ampero", "Historia %1")).arg(c.fields[field]->accessibleName()));
        }
    }
}

} // namespace ampero::ui
