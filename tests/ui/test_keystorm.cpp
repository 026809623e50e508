// A seeded storm of key presses and releases, clicks, tab changes and
// navigations over the whole window, with every message box answered as it
// comes. After each event the window must still hold together:
//   - ConfirmedCount equals the number of true EntryConfirmed flags, lies in
//     0..4 and never passes the largest confirm limit (3);
//   - every calculator lamp is grey, red or green;
//   - no field, label, caption or button shows "inf" or "nan";
//   - a field shows only what the key rule lets in and the number format
//     writes (digits, ".", "-", "E", "+");
//   - fields and lamps of hidden pages stay as they are; Exit only empties
//     the fields and greys the lamps it clears (the Ohm page's own on the
//     Ohm page; Ind, Coil, AL, Cap, Res, iRes, RC and RC555 with their lamps
//     elsewhere) and leaves the history and result captions as they are;
//   - a navigation or an Exit leaves the entry state reset, and at most one
//     page is shown.
// The widgets are found by type, so every page is covered as it is built.
//
// AMPERO_STORM_EVENTS (default 20000) and AMPERO_STORM_SEED choose the run;
// a failure names the seed, the event index and the events that led there.
#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleHints>
#include <cstdio>
#include <deque>
#include <map>

#include "ui/page.h"
#include "uitest.h"

using namespace uitest;
using ampero::ui::DisplayFrame;
using ampero::ui::Page;

namespace {

// splitmix64: the same sequence on every platform for a given seed.
class Rng {
public:
    explicit Rng(quint64 seed) : s_(seed) {}
    quint64 next() {
        quint64 z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<quint64>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T> const T& pick(const QList<T>& list) { return list[below(static_cast<int>(list.size()))]; }

private:
    quint64 s_;
};

// Lamps that show a fixed colour or a picture rather than an entry state.
bool IsDecorativeLamp(const QString& name) {
    static const QRegularExpression re(QStringLiteral("^(sCap_3|sRes_[3-6]|LampFrek|rCol_\\d+|ShaCol_\\d+)$"));
    return re.match(name).hasMatch();
}

// "inf", "nan" and their relatives as words, in any case ("Info" is no match).
bool ShowsInfNan(const QString& text) {
    static const QRegularExpression re(QStringLiteral("(?<![a-z])(inf(inity)?|nan|#ind|#inf)(?![a-z])"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re.match(text).hasMatch();
}

bool FieldCharacters(const QString& text) {
    for (QChar c : text)
        if (!(c.isDigit() || c == u'.' || c == u'-' || c == u'E' || c == u'+')) return false;
    return true;
}

struct KeyChoice {
    Qt::Key key;
    char ascii; // 0: none, the key is sent as a Qt::Key
    Qt::KeyboardModifiers mods;
};

QString KeyName(const KeyChoice& k) {
    QString s = QKeySequence(static_cast<int>(k.mods) | static_cast<int>(k.key)).toString();
    if (k.ascii == ' ') s = QStringLiteral("Space");
    return s.isEmpty() ? QStringLiteral("key 0x%1").arg(int(k.key), 0, 16) : s;
}

// QtTest stops a test function after five minutes; a long storm asks for
// more time before the test library reads the setting.
const bool kLongStormTimeout = [] {
    const long events = qEnvironmentVariable("AMPERO_STORM_EVENTS").toLong();
    if (events > 20000 && !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(300000 + static_cast<qint64>(events) * 10));
    return true;
}();

} // namespace

class KeyStorm : public QObject {
    Q_OBJECT

    // ------------------------------------------------------------ set-up
    std::unique_ptr<Ui> ui;
    QWindow* window = nullptr;
    QList<EntryField*> fields;
    QList<Lamp*> lamps;
    QList<QAbstractButton*> buttons; // push buttons, check boxes, options
    QList<QPushButton*> navigation;
    QList<QTabWidget*> tabWidgets;
    QList<QLabel*> swatches;
    QList<QChar> accessKeys;            // letters marked with "&" on buttons
    QList<QLabel*> labels;              // captions that Exit keeps
    QList<QWidget*> texts;              // everything whose text is checked
    QHash<QWidget*, QString> shownText; // the last text checked per widget
    QHash<QWidget*, Page*> pageOf;

    quint64 seed = 0;
    std::deque<QString> recent;    // the last events, for a failure report
    std::map<QString, long> tally; // event kinds and effects
    QList<KeyChoice> held;         // pressed and not yet released
    QString failure;

    Page* pageFor(QWidget* w) {
        for (QObject* o = w; o; o = o->parent())
            if (auto* p = qobject_cast<Page*>(o)) return p;
        return nullptr;
    }

    void discover() {
        QMainWindow* w = ui->w.get();
        window = w->windowHandle();
        fields = w->findChildren<EntryField*>();
        for (Lamp* l : w->findChildren<Lamp*>())
            if (!IsDecorativeLamp(l->objectName())) lamps << l;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (qobject_cast<QPushButton*>(b) || qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b))
                buttons << b;
        for (const char* n : {"cmdOhm", "cmdRC", "cmdKond", "cmdIndukt", "cmdReso"})
            navigation << ui->get<QPushButton>(QString::fromLatin1(n));
        tabWidgets = w->findChildren<QTabWidget*>();
        static const QRegularExpression marked(QStringLiteral("&([A-Za-z])"));
        for (QAbstractButton* b : buttons)
            for (const auto& m : marked.globalMatch(b->text())) {
                const QChar c = m.captured(1).at(0).toUpper();
                if (!accessKeys.contains(c)) accessKeys << c;
            }
        for (QLabel* l : w->findChildren<QLabel*>())
            if (l->objectName().startsWith(QLatin1String("lCol_"))) swatches << l;
        for (QWidget* x : w->findChildren<QWidget*>())
            if (qobject_cast<QLabel*>(x) || qobject_cast<QLineEdit*>(x) || qobject_cast<QAbstractButton*>(x) ||
                qobject_cast<QGroupBox*>(x) || qobject_cast<DisplayFrame*>(x) || qobject_cast<QTabBar*>(x))
                texts << x;
        for (EntryField* f : fields) pageOf[f] = pageFor(f);
        // The history captions and the NE 555 result captions, which Exit
        // leaves as they are.
        static const QRegularExpression kept(QStringLiteral("^(lblOhm|lblRC|lblInd|lblCap|lblRes|lbl555)_\\d+$"));
        for (QLabel* l : w->findChildren<QLabel*>())
            if (kept.match(l->objectName()).hasMatch()) labels << l;
        for (Lamp* l : lamps) pageOf[l] = pageFor(l);
    }

    // ------------------------------------------------------------ state

    struct Snapshot {
        QList<QString> fieldTexts;
        QList<QColor> lampColours;
        QList<QString> captions;
        Page* shown = nullptr;
        int confirmed = 0;
    };

    Page* shownPage() const {
        Page* shown = nullptr;
        for (int p = 2; p <= 6; ++p)
            if (ui->w->page(p) && ui->w->page(p)->isVisible()) shown = ui->w->page(p);
        return shown;
    }
    int shownPages() const {
        int n = 0;
        for (int p = 2; p <= 6; ++p)
            if (ui->w->page(p) && ui->w->page(p)->isVisible()) ++n;
        return n;
    }

    Snapshot snapshot() const {
        Snapshot s;
        for (EntryField* f : fields) s.fieldTexts << f->text();
        for (Lamp* l : lamps) s.lampColours << l->color();
        for (QLabel* l : labels) s.captions << l->text();
        s.shown = shownPage();
        s.confirmed = ui->state().ConfirmedCount;
        return s;
    }

    static QString currentText(QWidget* w) {
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
        if (auto* d = qobject_cast<DisplayFrame*>(w)) return d->caption();
        if (auto* t = qobject_cast<QTabBar*>(w)) {
            QString all;
            for (int i = 0; i < t->count(); ++i) all += t->tabText(i) + u'\n';
            return all;
        }
        return QString();
    }

    QString name(QObject* o) const {
        if (!o) return QStringLiteral("(none)");
        QString n = o->objectName();
        return n.isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : n;
    }

    // The checks after one event; an empty text when all hold.
    QString check(const Snapshot& before) {
        if (!ui->w->isVisible()) return QStringLiteral("the window is no longer shown");
        const auto& st = ui->state();
        int trueFlags = 0;
        for (bool b : st.EntryConfirmed) trueFlags += b ? 1 : 0;
        if (st.ConfirmedCount != trueFlags)
            return QStringLiteral("ConfirmedCount %1 but %2 flags set").arg(st.ConfirmedCount).arg(trueFlags);
        if (st.ConfirmedCount < 0 || st.ConfirmedCount > 4)
            return QStringLiteral("ConfirmedCount %1 outside 0..4").arg(st.ConfirmedCount);
        if (st.ConfirmedCount > 3)
            return QStringLiteral("ConfirmedCount %1 beyond every confirm limit").arg(st.ConfirmedCount);

        for (Lamp* l : lamps) {
            const QColor c = l->color();
            if (c != kGrey && c != kRed && c != kGreen) return QStringLiteral("lamp %1 is %2").arg(name(l), c.name());
        }

        for (QWidget* w : texts) {
            QString t = currentText(w);
            auto it = shownText.find(w);
            if (it != shownText.end() && it.value() == t) continue;
            if (ShowsInfNan(t)) return QStringLiteral("%1 shows \"%2\"").arg(name(w), t);
            shownText.insert(w, t);
        }

        if (shownPages() > 1) return QStringLiteral("%1 pages shown at once").arg(shownPages());
        const Snapshot after = snapshot();
        const bool exited = before.shown && !after.shown;
        const bool exitedOther = exited && before.shown != ui->w->page(2);
        if (before.shown != after.shown) {
            ++tally[exited ? QStringLiteral("effect: exit") : QStringLiteral("effect: navigation")];
            if (st.ConfirmedCount != 0) return QStringLiteral("entry state not reset on leaving a page");
        }

        // What Exit clears: the Ohm page's fields on the Ohm page, these
        // arrays (and their lamps) on any other page.
        static const QStringList exitFields{"Ind", "Coil", "AL", "Cap", "Res", "iRes", "RC", "RC555"};
        static const QStringList exitLamps{"sInd", "sCoil", "sCap", "sRes", "siRes", "sRC", "s555RC"};
        auto array = [](QObject* o) { return o->objectName().section(u'_', 0, 0); };

        for (int i = 0; i < fields.size(); ++i) {
            EntryField* f = fields[i];
            const QString& was = before.fieldTexts[i];
            const QString now = f->text();
            if (!FieldCharacters(now)) return QStringLiteral("field %1 shows \"%2\"").arg(name(f), now);
            if (now == was) continue;
            Page* p = pageOf.value(f);
            if (exited) {
                const bool cleared = exitedOther ? exitFields.contains(array(f)) : array(f) == QLatin1String("Ohm");
                if (cleared && now.isEmpty()) continue;
                return QStringLiteral("Exit changed field %1 from \"%2\" to \"%3\"").arg(name(f), was, now);
            }
            if (p && p == before.shown) continue;
            return QStringLiteral("field %1 on hidden page %2 changed from \"%3\" to \"%4\"")
                .arg(name(f), name(p), was, now);
        }
        if (exited)
            for (int i = 0; i < labels.size(); ++i)
                if (labels[i]->text() != before.captions[i])
                    return QStringLiteral("Exit changed caption %1 from \"%2\" to \"%3\"")
                        .arg(name(labels[i]), before.captions[i], labels[i]->text());
        if (st.ConfirmedCount > before.confirmed) ++tally[QStringLiteral("effect: confirmation")];
        bool result = false;
        for (int i = 0; i < lamps.size(); ++i) {
            Lamp* l = lamps[i];
            const QColor now = l->color();
            if (now == before.lampColours[i]) continue;
            if (now == kGreen && !result) {
                result = true;
                ++tally[QStringLiteral("effect: result shown")];
            }
            Page* p = pageOf.value(l);
            if (exited) {
                const bool cleared = exitedOther ? exitLamps.contains(array(l)) : array(l) == QLatin1String("sOhm");
                if (cleared && now == kGrey) continue;
                return QStringLiteral("Exit turned lamp %1 %2").arg(name(l), now.name());
            }
            if (p && p == before.shown) continue;
            return QStringLiteral("lamp %1 on hidden page %2 turned %3").arg(name(l), name(p), now.name());
        }
        return QString();
    }

    // ------------------------------------------------------------ events

    QList<QWidget*> visible(const QList<QWidget*>& from) const {
        QList<QWidget*> out;
        for (QWidget* w : from)
            if (w->isVisible() && w->width() > 0 && w->height() > 0) out << w;
        return out;
    }
    template <class T> QList<QWidget*> widgets(const QList<T*>& list) const {
        QList<QWidget*> out;
        for (T* t : list) out << t;
        return out;
    }

    QPoint inWindow(QWidget* w, QPoint local) const { return w->mapTo(ui->w.get(), local); }

    QPoint somewhereIn(Rng& rng, QWidget* w) const {
        const QRect r = w->rect();
        if (rng.chance(50)) return r.center();
        return QPoint(r.left() + rng.below(r.width()), r.top() + rng.below(r.height()));
    }

    QString clickAt(Rng& rng, QPoint pos, const QString& aim) {
        QWidget* hit = ui->w->childAt(pos);
        const QString where =
            QStringLiteral("(%1,%2) aimed at %3, on %4").arg(pos.x()).arg(pos.y()).arg(aim, name(hit));
        const int how = rng.below(100);
        if (how < 80) {
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, pos);
            return QStringLiteral("click ") + where;
        }
        if (how < 88) {
            QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, pos);
            // A line edit takes a click soon after a double click as a
            // triple click, measured on the wall clock; let that moment pass.
            QTest::qWait(3);
            return QStringLiteral("double click ") + where;
        }
        if (how < 93) {
            QTest::mouseClick(window, Qt::MiddleButton, Qt::NoModifier, pos);
            return QStringLiteral("middle click ") + where;
        }
        if (how < 97) {
            QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, pos);
            return QStringLiteral("right click ") + where;
        }
        // A press here and a release somewhere else.
        const QPoint to(rng.below(ui->w->width()), menuBottom() + rng.below(ui->w->height() - menuBottom()));
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, pos);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);
        return QStringLiteral("drag from %1 to (%2,%3)").arg(where).arg(to.x()).arg(to.y());
    }

    int menuBottom() const { return ui->w->menuBar()->geometry().bottom() + 1; }

    KeyChoice randomKey(Rng& rng) {
        const int r = rng.below(1000);
        if (r < 330) {
            const int d = rng.below(10);
            return {Qt::Key(Qt::Key_0 + d), char('0' + d), Qt::NoModifier};
        }
        if (r < 370) return {Qt::Key_Period, '.', Qt::NoModifier};
        if (r < 410) return {Qt::Key_Comma, ',', Qt::NoModifier};
        if (r < 520) return {rng.chance(80) ? Qt::Key_Return : Qt::Key_Enter, 0, Qt::NoModifier};
        if (r < 600) return {Qt::Key_Backspace, 0, Qt::NoModifier};
        if (r < 630) return {Qt::Key_Escape, 0, Qt::NoModifier};
        if (r < 660) return {Qt::Key_Delete, 0, Qt::NoModifier};
        if (r < 720) return {Qt::Key_F12, 0, Qt::NoModifier};
        if (r < 760) return {Qt::Key_Tab, 0, rng.chance(30) ? Qt::ShiftModifier : Qt::NoModifier};
        if (r < 800) {
            static const Qt::Key moves[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                            Qt::Key_Home, Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown};
            return {moves[rng.below(8)], 0, rng.chance(20) ? Qt::ShiftModifier : Qt::NoModifier};
        }
        if (r < 820) return {Qt::Key_Space, ' ', Qt::NoModifier};
        if (r < 860) {
            static const char others[] = "-+eEaZx/*#;'";
            const char c = others[rng.below(int(sizeof others) - 1)];
            return {Qt::Key(QChar(c).toUpper().unicode()), c, Qt::NoModifier};
        }
        if (r < 900) {
            // Copy, paste, select all, cut, undo, redo; never Ctrl+Q, which
            // ends the application.
            static const Qt::Key ctrl[] = {Qt::Key_C, Qt::Key_V, Qt::Key_V, Qt::Key_A,     Qt::Key_X,
                                           Qt::Key_Z, Qt::Key_Y, Qt::Key_H, Qt::Key_Insert};
            const Qt::Key k = ctrl[rng.below(9)];
            return {k, 0, k == Qt::Key_Insert && rng.chance(50) ? Qt::ShiftModifier : Qt::ControlModifier};
        }
        if (r < 910) {
            // Access keys: the navigation buttons, Ny, Exit and whatever a
            // page marks with "&", now and then another letter.
            const QChar c = accessKeys.isEmpty() || rng.chance(20) ? QChar(u'A' + rng.below(26))
                                                                   : accessKeys[rng.below(int(accessKeys.size()))];
            return {Qt::Key(c.unicode()), 0, Qt::AltModifier};
        }
        if (r < 940) return {Qt::Key(Qt::Key_0 + rng.below(10)), 0, Qt::KeypadModifier};
        if (r < 960) {
            static const Qt::Key tabKeys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_PageUp, Qt::Key_PageDown};
            return {tabKeys[rng.below(4)], 0, Qt::ControlModifier};
        }
        static const Qt::Key fkeys[] = {Qt::Key_F1,     Qt::Key_F2,    Qt::Key_F5,      Qt::Key_F10, Qt::Key_F11,
                                        Qt::Key_Insert, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt};
        return {fkeys[rng.below(9)], 0, Qt::NoModifier};
    }

    void send(QTest::KeyAction action, const KeyChoice& k) {
        if ((k.mods & Qt::AltModifier) && action != QTest::Release) {
            accessKeySent = true;
            ++tally[QStringLiteral("access key")];
        }
        if (k.ascii)
            QTest::keyEvent(action, window, k.ascii, k.mods);
        else
            QTest::keyEvent(action, window, k.key, k.mods);
    }

    QString focusName() const { return name(QApplication::focusWidget()); }

    // Sometimes the storm types a whole value and Enter, one key per event,
    // as a user does; the keys wait here.
    std::deque<KeyChoice> planned;
    void planValue(Rng& rng) {
        const int digits = 1 + rng.below(5);
        for (int d = 0; d < digits; ++d) {
            if (d > 0 && rng.chance(12)) planned.push_back({Qt::Key_Comma, ',', Qt::NoModifier});
            const char c = char('0' + rng.below(10));
            planned.push_back({Qt::Key(Qt::Key_0 + (c - '0')), c, Qt::NoModifier});
        }
        planned.push_back({Qt::Key_Return, 0, Qt::NoModifier});
        if (rng.chance(30)) planned.push_back({Qt::Key_F12, 0, Qt::NoModifier});
    }

    // One event of the storm; returns what it did.
    QString event(Rng& rng) {
        const int r = rng.below(1000);
        if (r < 60 && planned.empty()) planValue(rng);
        if (!planned.empty() && (r < 60 || rng.chance(90))) {
            const KeyChoice k = planned.front();
            planned.pop_front();
            const QString at = focusName();
            send(QTest::Click, k);
            ++tally[QStringLiteral("key click")];
            return QStringLiteral("key %1 in %2").arg(KeyName(k), at);
        }
        if (r < 560) {
            const KeyChoice k = randomKey(rng);
            const QString at = focusName();
            send(QTest::Click, k);
            ++tally[QStringLiteral("key click")];
            return QStringLiteral("key %1 in %2").arg(KeyName(k), at);
        }
        if (r < 620) {
            const KeyChoice k = randomKey(rng);
            const QString at = focusName();
            send(QTest::Press, k);
            held << k;
            ++tally[QStringLiteral("key press")];
            return QStringLiteral("press %1 in %2").arg(KeyName(k), at);
        }
        if (r < 680) {
            KeyChoice k;
            const QString at = focusName();
            if (!held.isEmpty() && rng.chance(90))
                k = held.takeAt(rng.below(static_cast<int>(held.size())));
            else
                k = randomKey(rng); // pressed before the storm, or in another window
            send(QTest::Release, k);
            ++tally[QStringLiteral("key release")];
            return QStringLiteral("release %1 in %2").arg(KeyName(k), at);
        }
        if (r < 800) {
            QList<QWidget*> v = visible(widgets(fields));
            if (v.isEmpty()) v = visible(widgets(navigation));
            QWidget* f = rng.pick(v);
            ++tally[QStringLiteral("click on a field")];
            return clickAt(rng, inWindow(f, somewhereIn(rng, f)), name(f));
        }
        if (r < 850) {
            // Mostly the page's own buttons; the navigation has its share below.
            QList<QWidget*> v = visible(widgets(buttons));
            if (rng.chance(80)) {
                QList<QWidget*> own;
                for (QWidget* b : v)
                    if (!navigation.contains(qobject_cast<QPushButton*>(b))) own << b;
                if (!own.isEmpty()) v = own;
            }
            QWidget* b = rng.pick(v);
            ++tally[QStringLiteral("click on a button")];
            return clickAt(rng, inWindow(b, b->rect().center()), name(b));
        }
        if (r < 900) {
            QList<QWidget*> v = visible(widgets(tabWidgets));
            if (!v.isEmpty()) {
                auto* tabs = static_cast<QTabWidget*>(rng.pick(v));
                QTabBar* bar = tabs->tabBar();
                const int i = rng.below(bar->count());
                ++tally[QStringLiteral("tab change")];
                QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, inWindow(bar, bar->tabRect(i).center()));
                return QStringLiteral("tab %1 of %2").arg(i).arg(name(tabs));
            }
        }
        if (r < 915) {
            QPushButton* n = navigation[rng.below(static_cast<int>(navigation.size()))];
            ++tally[QStringLiteral("navigation click")];
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, inWindow(n, n->rect().center()));
            return QStringLiteral("navigation %1").arg(name(n));
        }
        if (r < 940) {
            QList<QWidget*> v = visible(widgets(swatches));
            if (!v.isEmpty()) {
                QWidget* s = rng.pick(v);
                ++tally[QStringLiteral("click on a colour")];
                QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, inWindow(s, s->rect().center()));
                return QStringLiteral("colour %1").arg(name(s));
            }
        }
        if (r < 975) {
            // Anywhere in the window below the menu bar.
            const QPoint p(rng.below(ui->w->width()), menuBottom() + rng.below(ui->w->height() - menuBottom()));
            ++tally[QStringLiteral("click anywhere")];
            return clickAt(rng, p, QStringLiteral("a random point"));
        }
        // Something on the clipboard, as if copied from another program.
        static const char* const pastes[] = {
            "12", "1,5", "0.25", "1E+300", "-3", "abc", "4 7", "1e-9\n", "", "99999999999999999999", "2,5,6", "\t8"};
        const QString text = QString::fromLatin1(pastes[rng.below(12)]);
        QApplication::clipboard()->setText(text);
        ++tally[QStringLiteral("clipboard")];
        return QStringLiteral("clipboard := \"%1\"").arg(text);
    }

    // Context menus are answered like message boxes: a click on one of
    // their entries or Esc. A menu of the menu bar is closed unused.
    QTimer popupAnswer;
    Rng popupRng{1};
    void answerPopup() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible()) return;
        ++tally[QStringLiteral("effect: context menu")];
        QList<QAction*> usable;
        for (QAction* a : menu->actions())
            if (a->isEnabled() && !a->isSeparator()) usable << a;
        if (usable.isEmpty() || popupRng.chance(25) || qobject_cast<QMenuBar*>(menu->parentWidget())) {
            QTest::keyClick(menu, Qt::Key_Escape);
            return;
        }
        QAction* a = popupRng.pick(usable);
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(a).center());
    }

    // Tool tips come up after the pointer has rested for a while on the
    // wall clock; the storm does not hover, so that a run does not depend
    // on the machine's speed.
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::ToolTip || e->type() == QEvent::WhatsThis) return true;
        return QObject::eventFilter(o, e);
    }

    // Keeps the main window active after a box was answered, as the window
    // system would.
    void reactivate() {
        if (QApplication::activeWindow() != ui->w.get() && !QApplication::activeModalWidget()) {
            QApplication::setActiveWindow(ui->w.get());
            ++tally[QStringLiteral("effect: window reactivated")];
        }
    }

    // An access key presses its button and clicks it a moment later, from a
    // timer of 100 ms, even when the button has lost its pressed look in
    // between. The storm waits for that click, as a user sees the button
    // come up again, so that a run is the same whatever the machine's speed.
    bool accessKeySent = false;
    void finishAccessKeyClicks() {
        if (!accessKeySent) return;
        accessKeySent = false;
        QTest::qWait(110);
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            bool down = false;
            for (QAbstractButton* b : buttons)
                if (b->isDown() && !heldBySpace(b)) down = true;
            if (!down || waited.elapsed() > 1000) break;
            QTest::qWait(5);
        }
    }
    // A button held down by a pressed Space key stays down.
    bool heldBySpace(QAbstractButton* b) const {
        if (b != QApplication::focusWidget()) return false;
        for (const KeyChoice& k : held)
            if (k.key == Qt::Key_Space || k.ascii == ' ') return true;
        return false;
    }

    long eventCount() const {
        bool ok = false;
        const long n = qEnvironmentVariable("AMPERO_STORM_EVENTS").toLong(&ok);
        return ok && n > 0 ? n : 20000;
    }

private Q_SLOTS:
    void initTestCase() {
        bool ok = false;
        seed = qEnvironmentVariable("AMPERO_STORM_SEED").toULongLong(&ok);
        if (!ok) seed = 20260101;
        // Double clicks are told by the events' own time stamps; the short
        // interval only shortens the triple-click window of the line edits,
        // which runs on the wall clock, so that a run does not depend on
        // the machine's speed.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(1);
        qApp->installEventFilter(this);
        connect(&popupAnswer, &QTimer::timeout, this, [this] { answerPopup(); });
        popupAnswer.start(0);
    }

    void storm() {
        ui = std::make_unique<Ui>();
        discover();
        QVERIFY(fields.size() >= 4);
        QVERIFY(!lamps.isEmpty());
        popupRng = Rng(seed ^ 0x5eedull);
        Rng rng(seed);
        const long total = eventCount();
        // AMPERO_STORM_TRACE=N prints every event from the N-th on.
        bool traced = false;
        long traceFrom = qEnvironmentVariable("AMPERO_STORM_TRACE").toLong(&traced);
        if (!traced) traceFrom = total;
        const QString start = check(snapshot());
        QVERIFY2(start.isEmpty(), qPrintable(start));

        QElapsedTimer clock;
        clock.start();
        for (long i = 0; i < total; ++i) {
            const Snapshot before = snapshot();
            const int boxesBefore = static_cast<int>(ui->messages.texts.size());
            const QString what = event(rng);
            finishAccessKeyClicks();
            answerPopup();
            reactivate();
            // Let posted events (painting among them) run now and then.
            if (i % 4 == 0) QCoreApplication::processEvents();
            const int boxes = static_cast<int>(ui->messages.texts.size()) - boxesBefore;
            recent.push_back(QStringLiteral("#%1 %2%3")
                                 .arg(i)
                                 .arg(what, boxes ? QStringLiteral(" -> message \"%1\"").arg(ui->messages.texts.back())
                                                  : QString()));
            if (recent.size() > 16) recent.pop_front();
            if (boxes) tally[QStringLiteral("effect: message box")] += boxes;
            if (ui->messages.texts.size() > 1000) ui->messages.clear();

            if (i >= traceFrom) {
                QString changed;
                for (int k = 0; k < fields.size(); ++k)
                    if (fields[k]->text() != before.fieldTexts[k])
                        changed += QStringLiteral(" %1: \"%2\" -> \"%3\"")
                                       .arg(name(fields[k]), before.fieldTexts[k], fields[k]->text());
                qInfo().noquote() << recent.back() << "| page" << name(shownPage()) << "| active"
                                  << name(QApplication::activeWindow()) << "| focus" << focusName() << "| count"
                                  << ui->state().ConfirmedCount << changed;
            }
            if (i > 0 && i % 100000 == 0) {
                std::printf("storm seed %llu: %ld events, %.0f s\n", static_cast<unsigned long long>(seed), i,
                            clock.elapsed() / 1000.0);
                std::fflush(stdout);
            }
            const QString broken = check(before);
            if (!broken.isEmpty()) {
                QString report = QStringLiteral("storm seed %1, event %2 (%3): %4\nthe last events:\n")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(what, broken);
                for (const QString& e : recent) report += QStringLiteral("  ") + e + u'\n';
                QFAIL(qPrintable(report));
            }
        }
        const double seconds = clock.elapsed() / 1000.0;
        QString summary = QStringLiteral("storm seed %1: %2 events in %3 s (%4 per second)\n")
                              .arg(seed)
                              .arg(total)
                              .arg(seconds, 0, 'f', 1)
                              .arg(total / qMax(seconds, 0.001), 0, 'f', 0);
        for (const auto& [k, n] : tally) summary += QStringLiteral("  %1: %2\n").arg(k).arg(n);
        // Printed directly: a long run exceeds the test library's message limit.
        std::fputs(qPrintable(summary), stdout);
        std::fflush(stdout);
        // The storm did reach the window: it confirmed, navigated and left pages.
        QVERIFY(tally[QStringLiteral("effect: navigation")] > 0);
        QVERIFY(tally[QStringLiteral("effect: exit")] > 0);
        QVERIFY(tally[QStringLiteral("effect: confirmation")] > 0);
        QVERIFY(tally[QStringLiteral("effect: result shown")] > 0);
    }

    void cleanupTestCase() {
        popupAnswer.stop();
        ui.reset();
    }
};

AMPERO_UI_TEST_MAIN(KeyStorm)
#include "test_keystorm.moc"
