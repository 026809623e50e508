// A seeded storm of keys, values, clicks, tab changes and navigations over
// the window, every message box answered. The calculators come from the
// pages' own descriptions; after each event the window must hold together:
// ConfirmedCount equals the true flags and stays within the largest confirm
// limit of the page shown (0 with none shown), calculator lamps are grey, red
// or green, no calculator text reads inf or nan, at most one page is shown
// and the focus is never in a hidden widget.
// AMPERO_STORM_EVENTS (default 3000) and AMPERO_STORM_SEED choose the run; a
// failure names the seed, the event index and the last events. The long run:
//   AMPERO_STORM_EVENTS=1000000 QT_QPA_PLATFORM=offscreen <build>/tests/test_keystorm
#include <QClipboard>
#include <QRegularExpression>
#include <deque>

#include "uitest.h"

using namespace uitest;

namespace {
// splitmix64: the same run for a seed on every platform.
struct Rng {
    quint64 s;
    int below(int n) {
        quint64 z = (s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return int((z ^ (z >> 31)) % quint64(n));
    }
};
const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Delete, Qt::Key_F12,
                         Qt::Key_Tab,    Qt::Key_Backtab,   Qt::Key_Home,   Qt::Key_End,    Qt::Key_V};
const char* const kPastes[] = {"12", "1,5", "-3", "1E+300", "abc", "99999999999999999999"};
} // namespace

class KeyStorm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storm() {
        const quint64 seed = qEnvironmentVariableIsSet("AMPERO_STORM_SEED") ? qEnvironmentVariable("AMPERO_STORM_SEED").toULongLong() : 20260101;
        const long total = qEnvironmentVariableIsSet("AMPERO_STORM_EVENTS") ? qEnvironmentVariable("AMPERO_STORM_EVENTS").toLong() : 3000;
        Ui ui;
        QList<QWidget*> texts;
        QList<Lamp*> lamps;
        for (int p = 2; p <= 6; ++p)
            for (const ampero::ui::Calculator& c : ui.w->page(p)->calculators()) {
                texts << QList<QWidget*>(c.fields.begin(), c.fields.end());
                texts << QList<QWidget*>(c.captions.begin(), c.captions.end()) << QList<QWidget*>(c.history.begin(), c.history.end());
                lamps << QList<Lamp*>(c.lamps.begin(), c.lamps.end());
            }
        const QList<EntryField*> fields = ui.w->findChildren<EntryField*>();
        const QList<QAbstractButton*> buttons = ui.w->findChildren<QAbstractButton*>();
        static const QRegularExpression infNan("(?<![a-z])(inf|nan)", QRegularExpression::CaseInsensitiveOption);
        const auto check = [&]() -> QString {
            const ampero::ui::EntryState& st = ui.state();
            const int flags = int(std::count(st.EntryConfirmed.begin(), st.EntryConfirmed.end(), true));
            if (st.ConfirmedCount != flags) return QString("ConfirmedCount %1 with %2 flags").arg(st.ConfirmedCount).arg(flags);
            int shown = 0, limit = 0;
            for (int p = 2; p <= 6; ++p)
                if (ui.w->page(p)->isVisible() && ++shown)
                    for (const ampero::ui::Calculator& c : ui.w->page(p)->calculators()) limit = std::max(limit, c.info->confirmLimit);
            if (shown > 1) return QString("%1 pages shown").arg(shown);
            if (st.ConfirmedCount > limit) return QString("ConfirmedCount %1 above the limit %2").arg(st.ConfirmedCount).arg(limit);
            for (Lamp* l : lamps)
                if (l->color() != kGrey && l->color() != kRed && l->color() != kGreen) return l->objectName() + " is " + l->color().name();
            for (QWidget* w : texts) {
                const QString t = w->property("text").toString();
                if (infNan.match(t).hasMatch()) return w->objectName() + " reads " + t;
            }
            if (ui.focus() && !ui.focus()->isVisible()) return "the focus is in hidden " + ui.focusName();
            return {};
        };
        Rng rng{seed};
        std::deque<QString> recent;
        long confirmations = 0, results = 0;
        for (long i = 0; i < total; ++i) {
            const int before = ui.state().ConfirmedCount;
            const int greenBefore = int(std::count_if(lamps.begin(), lamps.end(), [](Lamp* l) { return l->color() == kGreen; }));
            QWidget* at = ui.focus() ? ui.focus() : ui.w.get();
            QString what = ui.focusName() + ": ";
            const int r = rng.below(100);
            if (r < 30) {
                const char c = "0123456789.,-a"[rng.below(14)];
                QTest::keyClicks(at, QString(QChar(c)));
                what += QString("type %1").arg(c);
            } else if (r < 55) {
                const Qt::Key k = kKeys[rng.below(int(std::size(kKeys)))];
                if (k == Qt::Key_V) QApplication::clipboard()->setText(kPastes[rng.below(int(std::size(kPastes)))]);
                QTest::keyClick(at, k, k == Qt::Key_V ? Qt::ControlModifier : Qt::NoModifier);
                what += QKeySequence(k == Qt::Key_V ? Qt::CTRL | k : k).toString();
            } else if (r < 65) {
                const QString value = QString::number(rng.below(2000) + 1);
                QTest::keyClicks(at, value);
                QTest::keyClick(ui.focus() ? ui.focus() : ui.w.get(), Qt::Key_Return);
                what += "value " + value + " Enter";
            } else if (r < 83) {
                QList<QWidget*> in;
                for (QWidget* w : fields) if (w->isVisible()) in << w;
                for (QWidget* w : buttons) if (w->isVisible() && rng.below(4) == 0) in << w;
                if (in.isEmpty()) in << ui.get("cmdOhm");
                QWidget* w = in[rng.below(int(in.size()))];
                ui.click(w);
                what = "click " + w->objectName();
            } else if (r < 93) {
                for (int p = 2; p <= 6; ++p)
                    if (ui.w->page(p)->isVisible()) {
                        const int t = rng.below(ui.w->page(p)->tabs()->count());
                        ui.selectTab(ui.w->page(p)->tabs(), t);
                        what = QString("tab %1 of page %2").arg(t).arg(p);
                    }
            } else {
                const char* nav[] = {"cmdOhm", "cmdIndukt", "cmdKond", "cmdReso", "cmdRC"};
                what = QString("navigation ") + nav[rng.below(5)];
                ui.click(what.section(' ', 1));
            }
            if (QApplication::activeWindow() != ui.w.get() && !QApplication::activeModalWidget()) QApplication::setActiveWindow(ui.w.get());
            if (!ui.messages.isEmpty()) what += " -> message \"" + ui.messages.takeLast() + "\"";
            recent.push_back(QString("#%1 %2").arg(i).arg(what));
            if (recent.size() > 12) recent.pop_front();
            confirmations += ui.state().ConfirmedCount > before;
            results += std::count_if(lamps.begin(), lamps.end(), [](Lamp* l) { return l->color() == kGreen; }) > greenBefore;
            if (const QString broken = check(); !broken.isEmpty()) {
                QString report = QString("storm seed %1, event %2: %3\nthe last events:\n").arg(seed).arg(i).arg(broken);
                for (const QString& e : recent) report += "  " + e + "\n";
                QFAIL(qPrintable(report));
            }
        }
        qInfo("storm seed %llu: %ld events, %ld confirmations, %ld results", seed, total, confirmations, results);
        QVERIFY(confirmations > 0 && results > 0);
    }
};

AMPERO_UI_TEST_MAIN(KeyStorm)
#include "test_keystorm.moc"
