// A seeded storm of keys, access keys, values, clicks, tab changes,
// navigations and changes of language, one run starting on each page, with no waiting between events;
// after each event the window must hold together (see broken() below).
// AMPERO_STORM_EVENTS (default 2000 a page) and AMPERO_STORM_SEED choose the
// run; a failure names the seed, the page, the event index and the last events.
#include <random>

#include "uitest.h"

using namespace uitest;

class KeyStorm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storm_data() {
        QTest::addColumn<int>("start");
        for (const ampero::ui::PageRow& row : ampero::ui::PageTable()) QTest::newRow(row.nav) << int(&row - ampero::ui::PageTable().data());
    }
    void storm() {
        QFETCH(int, start);
        const quint64 seed = (qEnvironmentVariableIsSet("AMPERO_STORM_SEED") ? qEnvironmentVariable("AMPERO_STORM_SEED").toULongLong() : 20260101) + quint64(start);
        const long total = qEnvironmentVariableIsSet("AMPERO_STORM_EVENTS") ? qEnvironmentVariable("AMPERO_STORM_EVENTS").toLong() : 2000;
        std::mt19937_64 random(seed); // the same run for a seed everywhere
        const auto below = [&](int n) { return int(random() % quint64(n)); };
        Ui ui;
        ui.click(ampero::ui::PageTable()[size_t(start)].nav);
        QList<QChar> accessKeys; // every "&x" of the window's buttons
        for (QAbstractButton* b : ui.w->findChildren<QAbstractButton*>())
            if (const qsizetype amp = b->text().indexOf('&'); amp >= 0 && amp + 1 < b->text().size()) accessKeys << b->text()[amp + 1].toUpper();
        QList<QWidget*> texts; // the fields and every line written from an answer
        for (QWidget* w : ui.w->findChildren<QWidget*>()) if (qobject_cast<EntryField*>(w) || qobject_cast<ampero::ui::FitLabel*>(w)) texts << w;
        QList<Lamp*> lamps; // the calculators' own
        for (ampero::ui::Page* page : ui.pages()) for (const ampero::ui::Calculator& c : page->calculators()) lamps << QList<Lamp*>(c.lamps.begin(), c.lamps.end());
        static const QRegularExpression infNan("(?<![a-z])(inf|nan)", QRegularExpression::CaseInsensitiveOption);
        // The confirmations within the largest limit of the page shown (0 with none); at most one page shown;
        // lamps grey, red or green; no text reads inf or nan; the focus never in a hidden widget.
        const auto broken = [&]() -> QString {
            const int count = ui.state().ConfirmedCount();
            int limit = 0;
            for (ampero::ui::Page* page : ui.pages())
                for (const ampero::ui::Calculator& c : page->calculators())
                    limit = std::max(limit, page->isVisible() ? c.info->confirmLimit : 0);
            if (const int shown = ui.shownPages(); shown > 1) return QString("%1 pages shown").arg(shown);
            if (count > limit) return QString("%1 confirmed above the limit %2").arg(count).arg(limit);
            for (Lamp* l : lamps)
                if (l->color() != kGrey && l->color() != kRed && l->color() != kGreen) return l->objectName() + " is " + l->color().name();
            for (QWidget* w : texts)
                if (infNan.match(w->property("text").toString()).hasMatch()) return w->objectName() + " reads " + w->property("text").toString();
            if (ui.focus() && !ui.focus()->isVisible()) return "the focus is in hidden " + ui.focusName();
            return {};
        };
        const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Delete, Qt::Key_F12,
                                Qt::Key_Tab,    Qt::Key_Backtab,   Qt::Key_Home,   Qt::Key_End,    Qt::Key_V};
        const char* const pastes[] = {"12", "1,5", "-3", "1E+300", "abc", "99999999999999999999"};
        QStringList recent;
        long confirmations = 0, results = 0;
        const auto greens = [&] { return std::count_if(lamps.begin(), lamps.end(), [](Lamp* l) { return l->color() == kGreen; }); };
        for (long i = 0; i < total; ++i) {
            const int before = ui.state().ConfirmedCount();
            const auto greenBefore = greens();
            QWidget* at = ui.focus() ? ui.focus() : ui.w.get();
            QString what = ui.focusName() + ": ";
            if (const int r = below(100); r < 5) {
                const QChar c = accessKeys[below(int(accessKeys.size()))];
                QTest::keyClick(at, Qt::Key(c.unicode()), Qt::AltModifier), what += QString("Alt+") + c;
            } else if (r < 30) {
                const QChar c = QChar::fromLatin1("0123456789.,-a"[below(14)]);
                QTest::keyClicks(at, c), what += QString("type ") + c;
            } else if (r < 55) {
                const Qt::Key k = keys[below(std::size(keys))];
                if (k == Qt::Key_V) QApplication::clipboard()->setText(pastes[below(std::size(pastes))]);
                QTest::keyClick(at, k, k == Qt::Key_V ? Qt::ControlModifier : Qt::NoModifier);
                what += QKeySequence(k == Qt::Key_V ? Qt::CTRL | k : k).toString();
            } else if (r < 65) {
                const QString value = QString::number(below(2000) + 1);
                QTest::keyClicks(at, value);
                QTest::keyClick(ui.focus() ? ui.focus() : ui.w.get(), Qt::Key_Return), what += "value " + value + " Enter";
            } else if (r < 83) {
                QList<QWidget*> in;
                for (QWidget* w : ui.w->findChildren<EntryField*>()) if (w->isVisible()) in << w;
                for (QWidget* w : ui.w->findChildren<QAbstractButton*>()) if (w->isVisible() && below(4) == 0) in << w;
                QWidget* w = in.isEmpty() ? ui.get("cmdOhm") : in[below(int(in.size()))];
                ui.click(w), what = "click " + w->objectName();
            } else if (r < 93) {
                for (ampero::ui::Page* page : ui.pages())
                    if (const int t = below(page->tabs()->count()); page->isVisible())
                        ui.selectTab(page->tabs(), t), what = QString("tab %1 of %2").arg(t).arg(page->objectName());
            } else if (r < 98) {
                what = QString("navigation ") + ampero::ui::PageTable()[size_t(below(int(ampero::ui::PageTable().size())))].nav;
                ui.click(what.section(' ', 1));
            } else {
                what = QString("mnuSprak_%1").arg(below(2)), ui.get<QAction>(what)->trigger();
            }
            if (below(200) == 0) QTest::qWait(120), what += ", then a pause"; // long enough for a delayed click to land
            if (QApplication::activeWindow() != ui.w.get() && !QApplication::activeModalWidget()) QApplication::setActiveWindow(ui.w.get());
            if (!ui.messages.isEmpty()) what += " -> message \"" + ui.messages.takeLast() + "\"";
            recent << QString("#%1 %2").arg(i).arg(what);
            if (recent.size() > 12) recent.removeFirst();
            confirmations += ui.state().ConfirmedCount() > before;
            results += greens() > greenBefore;
            if (const QString why = broken(); !why.isEmpty())
                QFAIL(qPrintable(QString("storm seed %1, event %2: %3\nthe last events:\n  %4").arg(seed).arg(i).arg(why, recent.join("\n  "))));
        }
        qInfo("storm seed %llu: %ld events, %ld confirmations, %ld results", seed, total, confirmations, results);
        QVERIFY(confirmations > 0 && results > 0);
    }
};

AMPERO_UI_TEST_MAIN(KeyStorm)
#include "test_keystorm.moc"
