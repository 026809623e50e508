// Every calculator of every page through the real window, from the pages' own
// descriptions: after real keys and F12 or "Räkna", the fields, lamps, captions
// and history hold what the core routine gives for the same inputs. New, Exit
// and a tab change once per page from the same descriptions.
#include <bit>

#include "uitest.h"

using namespace uitest;
using ampero::ui::Calculator, ampero::ui::Page;

namespace {

// Values that make every formula of a calculator compute, by field index.
const std::map<QString, QStringList> kTypical = {
    {"Ohm",   {"100", "12", "1.44", "0.12"}},
    {"RC",    {"1000", "100", "1592"}},
    {"RC555", {"10", "100", "10", "686"}},
    {"Cap",   {"1", "100", "1591.5"}},
    {"Ind",   {"1", "10", "62.8"}},
    {"Coil",  {"5", "1", "4.167", "50"}},
    {"AL",    {"250", "1", "100", "20"}},
    {"Res",   {"100", "5", "10"}},
    {"iRes",  {"100", "1", "100", "1038"}},
    {"Div",   {"12", "10000", "4700", "5"}},
    {"Komb",  {"667"}},
};
// A typical value as the bench writes it. In a field with a unit: in its base
// unit, with the largest prefix letter not above it in place of its point
// ("4k7", "1k592", "120m" for 0.12 A, "100p" for 100 pF, "10k" for 10 kΩ);
// Enter shows it as the number it was. In a field without one: with a "k"
// the field discards.
QString Lettered(const QString& typical, const ampero::FieldUnit& unit) {
    if (!unit.HasUnit()) return typical + "k";
    QString digits = typical;
    const qsizetype point = digits.contains('.') ? digits.indexOf('.') : digits.size();
    digits.remove('.');
    int lead = int(point) - 1 + unit.exponent; // the first digit's power of ten in the base unit
    while (digits.size() > 1 && digits.startsWith('0')) digits.remove(0, 1), --lead;
    const std::map<int, QString> letters = {{-12, "p"}, {-9, "n"}, {-6, "µ"}, {-3, "m"}, {3, "k"}, {6, "M"}, {9, "G"}};
    auto at = letters.upper_bound(lead);
    const int power = unit.InOhms() && lead >= 0 && lead < 3 ? 0 : std::prev(at)->first;
    const int before = lead - power + 1; // digits before the letter
    if (before >= digits.size()) return digits + QString(before - digits.size(), '0') + (power ? letters.at(power) : "R");
    return digits.left(before) + (power ? letters.at(power) : "R") + digits.mid(before);
}
// The button that brings up the other form of a calculator.
const std::map<QString, QString> kSecondForm = {{"RC", "chkAsta"}, {"iRes", "optSerie"}, {"AL", "chkAL"}};

// Shows the calculator's tab, and its other form when asked; the form the routine then gets.
int BringUp(Ui& ui, Page* page, const Calculator& c, bool second) {
    if (page->tabs()->currentIndex() != c.tab) ui.selectTab(page->tabs(), c.tab);
    if (second) ui.click(kSecondForm.at(c.info->name));
    return c.variant();
}
const Calculator& Nth(Page* page, int k) { return *std::next(page->calculators().begin(), k); }
QList<int> Visible(const Calculator& c) {
    QList<int> v;
    for (int i = 0; i < int(c.fields.size()); ++i)
        if (!c.fields[size_t(i)]->isHidden()) v << i;
    return v;
}
// Replaces a field's text with real keys, and confirms it.
void Retype(Ui& ui, EntryField* f, const QString& value) {
    ui.click(f), ui.key(Qt::Key_A, Qt::ControlModifier);
    value.isEmpty() ? ui.key(Qt::Key_Backspace) : (ui.type(value), ui.enter());
}
// As many confirmed fields as it evaluates with, or as many as it takes; with
// any number, every number from two on is a row.
int Needed(const Calculator& c) { return c.info->minConfirmed ? c.info->minConfirmed : c.info->confirmLimit; }
bool Evaluates(const Calculator& c, qsizetype n) { return n == Needed(c) || (!c.info->minConfirmed && n >= 2 && n <= Needed(c)); }

} // namespace

class WiringTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }

    // Every set of as many visible fields as the calculator evaluates with, in each form.
    void evaluates_data() {
        // given: bit i for field i confirmed
        Columns<int, int, int, bool>("pan", "index", "given", "second");
        int rows = 0;
        Ui ui;
        for (Page* page : ui.pages())
            for (int k = 0; k < int(page->calculators().size()); ++k) {
                const Calculator& c = Nth(page, k);
                if (!c.confirms() || !c.pageButtons) continue;
                // A calculator in use only in the other form (AL) is brought up in it alone.
                const bool forms = kSecondForm.count(c.info->name), must = forms && c.active.button;
                for (bool second : forms && !must ? QList<bool>{false, true} : QList<bool>{must}) {
                    BringUp(ui, page, c, second);
                    for (int mask = 0; mask < 16; ++mask) {
                        QStringList names;
                        for (int i = 0; i < 4; ++i)
                            if (mask & (1 << i)) names << (Visible(c).contains(i) ? c.fields[size_t(i)]->accessibleName() : "");
                        if (!Evaluates(c, names.size()) || names.contains("")) continue;
                        QTest::addRow("%s %s%s by %s", c.info->name, qPrintable(names.join(" + ")), second && !must ? " (second form)" : "",
                                      rows++ % 2 ? "Räkna" : "F12") << page->row().pan << k << mask << second;
                    }
                }
            }
    }
    void evaluates() {
        QFETCH(int, pan); QFETCH(int, index); QFETCH(int, given); QFETCH(bool, second);
        Ui ui;
        Page* page = ui.w->MakePage(pan);
        ui.click(page->row().nav);
        const Calculator& c = Nth(page, index);
        ampero::Inputs in;
        in.variant = BringUp(ui, page, c, second);
        for (int i = 0; i < int(c.fields.size()); ++i) {
            // The description names each field, lamp and caption by its index.
            for (QObject* o : std::initializer_list<QObject*>{c.fields[size_t(i)], c.lamps[size_t(i)], c.history[size_t(i)]})
                QCOMPARE(o->objectName().section(u'_', 1), QString::number(i));
            in.confirmed[size_t(i)] = given & (1 << i);
            const QString typed = in.confirmed[size_t(i)] ? kTypical.at(c.info->name)[i] : "";
            in.fields.push_back((c.fields[size_t(i)]->isHidden() ? c.fields[size_t(i)]->text() : typed).toStdString());
        }
        // Typed as the bench writes them, each shows its number after Enter.
        for (bool confirmed : {false, true}) // emptied first: at the limit nothing could be emptied
            for (int i : Visible(c))
                if (in.confirmed[size_t(i)] == confirmed) {
                    const QString typed = QString::fromStdString(in.fields[size_t(i)]);
                    Retype(ui, c.fields[size_t(i)], confirmed ? Lettered(typed, ampero::UnitOf(*c.info, i)) : typed);
                }
        // At the confirm limit a digit in an open field of this calculator's own is discarded.
        const auto own = [&](EntryField* f) {
            return std::none_of(page->calculators().begin(), page->calculators().end(), [&](const Calculator& x) { return &x != &c && std::count(x.fields.begin(), x.fields.end(), f); });
        };
        for (int i : Visible(c))
            if (!in.confirmed[size_t(i)] && own(c.fields[size_t(i)]) && ui.state().ConfirmedCount() == c.info->confirmLimit) {
                ui.click(c.fields[size_t(i)]), ui.type("1");
                QCOMPARE(c.fields[size_t(i)]->text(), QString());
            }
        if (c.aside) in.aside = c.aside->text().toStdString();
        EntryField* first = c.fields[size_t(std::countr_zero(unsigned(given)))];
        if (QString(QTest::currentDataTag()).endsWith("Räkna")) ui.click(page->findChild<QPushButton*>(QString("cmdEval_%1").arg(page->row().eval)));
        else ui.click(first), ui.key(Qt::Key_F12);
        QApplication::setActiveWindow(ui.w.get()); // as the window system does after a message

        const std::optional<ampero::Stop> stop = c.info->rule ? c.info->rule(in) : std::nullopt;
        const ampero::Outcome out = stop ? ampero::Outcome{} : c.info->eval(in);
        QStringList messages;
        for (const std::string& m : stop ? std::vector<std::string>{stop->message} : out.messages) messages << QString::fromStdString(m);
        QCOMPARE(ui.messages, messages);
        const bool cleared = stop && stop->clear;
        for (int i : Visible(c)) {
            QString text = cleared ? QString() : QString::fromStdString(in.fields[size_t(i)]);
            QColor lamp = !cleared && in.confirmed[size_t(i)] ? kRed : kGrey;
            for (const ampero::FieldResult& r : out.fields)
                if (r.index == i) text = QString::fromStdString(r.text), lamp = kGreen;
            QCOMPARE(c.fields[size_t(i)]->text(), text);
            QCOMPARE(c.lamps[size_t(i)]->color(), lamp);
        }
        for (const ampero::CaptionResult& r : out.captions) QCOMPARE(c.captions[size_t(r.slot)]->property("text").toString(), QString::fromStdString(r.text));
        if (stop) return;
        // The history holds the texts; withdrawing a value shows them all.
        QStringList kept, shown;
        for (int i = 0; i < int(c.fields.size()); ++i)
            if (std::count(c.historyCopy.begin(), c.historyCopy.end(), i)) {
                kept << c.fields[size_t(i)]->text();
                QCOMPARE(ui.state().EntryHistory[size_t(i)], kept.last());
            }
        ui.click(first), ui.key(Qt::Key_Escape);
        for (QLabel* l : c.history) shown << l->text();
        for (const QString& t : kept) QVERIFY2(shown.removeOne(t), qPrintable(t + " not among " + shown.join("|")));
    }

    // New, Exit and a tab change on each page, after a value on the Ohm page
    // and an evaluation of the page's first calculator.
    void pageButtons_data() {
        Columns<int, QString>("pan", "action");
        for (const ampero::ui::PageRow& row : ampero::ui::PageTable())
            for (const char* action : {"New", "Exit", "tab change"}) QTest::addRow("%s %s", row.nav, action) << row.pan << action;
    }
    void pageButtons() {
        QFETCH(int, pan); QFETCH(QString, action);
        Ui ui;
        Page* page = ui.w->MakePage(pan);
        ui.run({"click:cmdOhm", "Ohm_0=100", QString("click:") + page->row().nav});
        const auto calculator = [&](auto pred) { return std::find_if(page->calculators().begin(), page->calculators().end(), pred); };
        const Calculator& c = *calculator(std::mem_fn(&Calculator::confirms));
        BringUp(ui, page, c, false);
        for (int i : Visible(c).mid(0, Needed(c))) Retype(ui, c.fields[size_t(i)], kTypical.at(c.info->name)[i]);
        ui.key(Qt::Key_F12);
        const auto history = ui.state().EntryHistory;
        if (action == "tab change") {
            ui.selectTab(page->tabs(), 1);
            QCOMPARE(ui.state().ConfirmedCount(), pan == 2 ? Needed(c) : 0); // the Ohm page's tabs share the count
            QCOMPARE(c.lamps[size_t(Visible(c)[0])]->color(), kRed);
            QCOMPARE(ui.focus(), calculator([](const Calculator& x) { return x.tab == 1 && x.active.holds(); })->fields.front());
            ui.selectTab(page->tabs(), 0);
        } else {
            ui.click(page->findChild<QPushButton*>(QString("cmd%1_%2").arg(action).arg(action == "New" ? page->row().newIndex : page->row().exit)));
            for (size_t i = 0; i < c.fields.size(); ++i) QVERIFY(c.fields[i]->text().isEmpty() && c.lamps[i]->color() == kGrey);
            QCOMPARE(ui.state().ConfirmedCount(), 0);
            for (size_t i = 0; action == "New" && i < c.fields.size(); ++i) QCOMPARE(c.history[i]->text() + ui.state().EntryHistory[i], QString());
        }
        QCOMPARE(ui.focus() == c.fields.front(), action != "Exit");
        if (action != "Exit") return;
        QVERIFY(ui.get("pan_1")->isVisible() && ui.shownPages() == 0);
        // The Ohm page's own Exit keeps the history; any other leaves the Ohm page filled and empties it.
        QCOMPARE(ui.state().EntryHistory, page->row().ownExit ? history : decltype(history){});
        QCOMPARE(ui.text("Ohm_0"), page->row().ownExit ? "" : "100");
    }
};

AMPERO_UI_TEST_MAIN(WiringTest)
#include "test_wiring.moc"
