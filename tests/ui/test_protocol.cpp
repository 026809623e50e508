// The entry protocol on its own, real fields, lamps and captions driven by real
// keys: one table of key sequences replayed over the description of every
// calculator of the window that confirms values, the outcome following from
// that description alone.
#include <QClipboard>

#include "core/calculators.h"
#include "ui/protocol.h"
#include "uitest.h"

using namespace ampero;
using namespace ampero::ui;
using namespace uitest;

namespace {

// Every description of the window that confirms values.
std::vector<Calculator> Descriptions() {
    MainWindow w;
    w.BuildPages();
    std::vector<Calculator> all;
    for (const PageRow& row : PageTable())
        for (const Calculator& c : w.MakePage(row.pan)->calculators())
            if (c.confirms() && c.fields.size() > 1) all.push_back(c); // the table moves between fields
    return all;
}

// Fields: a number, L (the first past the limit), P (the last under it), Z
// (the last). Actions: @F focus, fill (confirm 0..P as 40, 41, ...), t:text,
// paste:text, enter, bs, esc, del, home, left, sel (Shift+Right), all,
// cut and undo as a keyboard sends them (with a control character), f12, ^h. Checks: ?tF=text ({-} is
// "-" in the impedance fields alone), ?lF=R|G|0, ?n=count, ?focus=F|wrap,
// ?hist=bs|all, ?comp=keep|bs|del, ?eval=calls, ?msg=count, ?conf=F|-, ?bgF.
// A value refused by the value test starts with 9; F12 computes "7<j>" into
// every field not confirmed, as a page does, and keeps the history.
const char* const kSequences[][2] = {
    {"Enter confirms and moves on",                    "@0 t:5 enter ?l0=R ?n=1 ?focus=1 ?conf=0"},
    {"Enter in an empty field does nothing",           "@1 enter ?l1=0 ?n=0 ?focus=1 ?conf=-"},
    {"Enter twice counts once",                        "@0 t:5 enter @0 enter ?n=1 @1 t:6 enter ?n=2 ?l1=R"},
    {"Enter in the last field",                        "@Z t:5 enter ?lZ=R ?focus=wrap"},
    {"comma typed as point, letters dropped",          "@0 t:1,5a ?t0=1.5"},
    {"minus key only where taken",                     "@0 t:-2 ?t0={-}2"},
    {"pasted comma becomes a point",                   "@0 paste:1,5 ?t0=1.5 ?n=0"},
    {"control keys type nothing",                      "@0 t:42 ^h ?t0=42"},
    {"focus colour follows the focus",                 "@1 ?bg1 @0 ?bg0"},
    {"at the limit a digit is discarded",              "@L t:4 fill @L t:9 ?tL=4 ?n=L"},
    {"at the limit Enter and Backspace are discarded", "@L t:4 fill @L enter bs ?tL=4 ?lL=0 ?n=L"},
    {"digit in a confirmed field edits it",            "@0 t:5 enter @0 t:6 ?t0=56 ?l0=R ?n=1"},
    {"Backspace withdraws and deletes",                "fill @P bs ?tP=4 ?lP=0 ?n=L-1 ?hist=bs"},
    {"Esc withdraws and empties",                      "@0 t:5 enter @0 esc ?t0= ?l0=0 ?n=0 ?hist=all"},
    {"Delete withdraws",                               "@0 t:56 enter @0 home del ?t0=6 ?l0=0 ?n=0 ?hist=bs"},
    {"Backspace after an evaluation",                  "fill f12 @P bs ?hist=bs ?comp=bs ?n=L-1 ?lP=0"},
    {"Esc after an evaluation",                        "fill f12 @P esc ?tP= ?hist=all ?comp=keep ?n=L-1"},
    {"Delete after an evaluation",                     "fill f12 @P home del ?hist=bs ?comp=del ?n=L-1"},
    {"Backspace in a computed field at the limit",     "fill f12 @L bs ?comp=keep ?n=L"},
    {"Enter confirms a computed field",                "fill f12 @P esc @L enter ?lL=R ?n=L"},
    {"F12 evaluates in any field",                     "@0 f12 ?eval=1 fill @P f12 ?eval=2"},
    {"refused value: message, field emptied",          "@1 t:95 enter ?t1= ?l1=0 ?n=0 ?msg=1 ?focus=1"},
    {"refusal keeps an earlier confirmation",          "@1 t:5 enter @1 home t:9 enter ?t1= ?l1=R ?n=1 ?msg=1"},
    {"cut in a confirmed field withdraws as Delete",   "fill f12 @P all cut ?tP= ?lP=0 ?n=L-1 ?hist=bs ?comp=del"},
    {"undo in a confirmed field withdraws as Delete",  "@0 t:5 enter @0 t:6 undo ?l0=0 ?n=0 ?hist=bs"},
    {"cut leaving a number stays",                     "@0 t:45 left sel cut ?t0=4 ?n=0"},
    {"cut leaving no number is undone",                "@0 t:1. home sel cut ?t0=1."},
    {"at the limit a cut is undone",                   "@L t:45 fill @L all cut ?tL=45 ?n=L"},
};

const QColor kFocusBg(0, 222, 219), kBg(0, 192, 192);
const QHash<QString, QKeyCombination> kKeys{{"enter", Qt::Key_Return}, {"bs", Qt::Key_Backspace}, {"esc", Qt::Key_Escape}, {"del", Qt::Key_Delete},
                                           {"home", Qt::Key_Home}, {"left", Qt::Key_Left}, {"sel", Qt::SHIFT | Qt::Key_Right}, {"all", Qt::CTRL | Qt::Key_A},
                                           {"f12", Qt::Key_F12}, {"^h", Qt::CTRL | Qt::Key_H}, {"paste", Qt::CTRL | Qt::Key_V},
                                           {"cut", Qt::CTRL | Qt::Key_X}, {"undo", Qt::CTRL | Qt::Key_Z}};

} // namespace

class ProtocolTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keys_data() {
        Columns<int, QString>("calc", "script");
        const std::vector<Calculator> all = Descriptions();
        for (size_t k = 0; k < all.size(); ++k)
            for (const auto& s : kSequences) QTest::addRow("%s tab %d: %s", all[k].info->name, all[k].tab, s[0]) << int(k) << QString(s[1]);
    }
    void keys() {
        QFETCH(int, calc); QFETCH(QString, script);
        // The description as the window has it, over fields, lamps and captions of the test's own.
        Calculator p = Descriptions()[size_t(calc)];
        const CalculatorInfo& info = *p.info;
        const int n = info.fieldCount, limit = info.confirmLimit, captions = int(p.history.size());
        const Calculator& d = p;
        const bool toFirst = p.lastGoesToFirst || p.focusAfterConfirm;
        QWidget host;
        EntryState state;
        p.fields.clear(), p.lamps.clear(), p.history.clear(), p.focusAfterConfirm = nullptr, p.lastGoesToFirst = toFirst;
        for (int i = 0; i < n; ++i) {
            p.fields.push_back(new EntryField(&host, QString("f%1").arg(i), i, nullptr, kBg, kFocusBg));
            p.fields.back()->setGeometry(10, 10 + 30 * i, 100, 24);
            p.lamps.push_back(new Lamp(&host, QString("l%1").arg(i)));
        }
        (new QPushButton(&host))->setGeometry(10, 200, 80, 24); // after the fields in the tab order
        for (int j = 0; j < captions; ++j) p.history.push_back(new QLabel("old", &host));
        p.acceptTest = [](int, const QString& t) { return t.startsWith(u'9') ? std::optional<QString>("nej") : std::nullopt; };
        int confirmedLast = -1, evaluations = 0, messages = 0;
        p.onConfirmed = [&](int i) { confirmedLast = i; };
        std::vector<bool> computed(size_t(n), false);
        const auto field = [&](int i) { return p.fields[size_t(i)]; };
        const auto lamp = [&](int i) { return p.lamps[size_t(i)]->color(); };
        EntryProtocol protocol(
            state, p,
            [&] { // as a page: "7<j>" into every field not confirmed
                ++evaluations;
                for (int j = 0; j < n; ++j) {
                    if (!state.EntryConfirmed[size_t(j)]) field(j)->setText(QString("7%1").arg(j)), p.lamps[size_t(j)]->setState(LampState::Computed);
                    computed[size_t(j)] = computed[size_t(j)] || !state.EntryConfirmed[size_t(j)];
                    state.EntryHistory[size_t(j)] = field(j)->text();
                }
            },
            [&](const QString&) { ++messages; });
        host.resize(300, 260), host.show();
        QApplication::setActiveWindow(&host);
        QVERIFY(QTest::qWaitForWindowActive(&host));

        const auto at = [&](QStringView f) { return f == u"L" ? limit : f == u"P" ? limit - 1 : f == u"Z" ? n - 1 : f.toInt(); };
        const auto focus = [] { return QApplication::focusWidget(); };
        for (const QString& token : script.split(u' ')) {
            const QString check = token.mid(1).section(u'=', 0, 0), want = token.section(u'=', 1);
            const QByteArray where = token.toUtf8();
            if (token.startsWith(u'@')) {
                QTest::mouseClick(field(at(token.mid(1))), Qt::LeftButton), QTest::keyClick(focus(), Qt::Key_End);
            } else if (token == u"fill") {
                for (int i = 0; i < limit; ++i) field(i)->setFocus(), QTest::keyClicks(focus(), QString("4%1\r").arg(i));
            } else if (token.startsWith(u"t:")) {
                QTest::keyClicks(focus(), token.mid(2));
            } else if (!token.startsWith(u'?')) {
                if (token.startsWith(u"paste:")) QApplication::clipboard()->setText(token.mid(6));
                const QKeyCombination k = kKeys.value(token.section(u':', 0, 0));
                QVERIFY2(k.key(), where);
                if (token == u"cut" || token == u"undo") // the text a keyboard sends: ^X, ^Z
                    QTest::sendKeyEvent(QTest::Click, focus(), k.key(), QString(QChar(k.key() - Qt::Key_A + 1)), k.keyboardModifiers());
                else
                    QTest::keyClick(focus(), k.key(), k.keyboardModifiers());
            } else if (check.startsWith(u't')) {
                // Negative values make sense for the impedance alone.
                QCOMPARE(field(at(check.mid(1)))->text(), QString(want).replace("{-}", QString(info.name) == "iRes" ? "-" : ""));
            } else if (check.startsWith(u'l')) {
                QCOMPARE(lamp(at(check.mid(1))), want == u"R" ? kRed : want == u"G" ? kGreen : kGrey);
                QCOMPARE(field(at(check.mid(1)))->accessibleDescription(), want == u"R" ? "bekräftad" : want == u"G" ? "beräknad" : "");
            } else if (check == u"n") {
                const int expect = want == u"L" ? limit : want == u"L-1" ? limit - 1 : want.toInt();
                QCOMPARE(state.ConfirmedCount(), expect);
            } else if (check == u"focus") {
                QWidget* to = want != u"wrap" ? field(at(want)) : toFirst ? field(0) : static_cast<QWidget*>(host.findChild<QPushButton*>());
                QVERIFY2(focus() == to, where);
            } else if (check.startsWith(u"bg")) {
                for (int i = 0; i < n; ++i) QCOMPARE(field(i)->background(), i == at(check.mid(2)) ? kFocusBg : kBg);
            } else if (check == u"hist") { // caption j shows its source field's history, or is untouched
                const int shown = want == u"all" || d.backspaceHistoryCount < 0 ? captions : d.backspaceHistoryCount;
                for (int j = 0; j < captions; ++j) {
                    const int src = j < int(d.historySource.size()) ? d.historySource[size_t(j)] : j;
                    QCOMPARE(p.history[size_t(j)]->text(), j < shown ? state.EntryHistory[size_t(src)] : "old");
                }
            } else if (check == u"comp") { // the computed fields after a withdrawal
                const int greyed = want == u"keep" ? 0 : d.backspaceLampCount < 0 ? n : d.backspaceLampCount;
                for (int j = 0; j < n; ++j) {
                    if (!computed[size_t(j)]) continue;
                    QVERIFY2(lamp(j) == (j < greyed ? kGrey : kGreen), where);
                    QCOMPARE(field(j)->text(), j < greyed && want == u"bs" && d.backspaceBlanksComputed ? "" : QString("7%1").arg(j));
                }
            } else {
                QVERIFY2(check == u"eval" || check == u"msg" || check == u"conf", where);
                QCOMPARE(check == u"eval" ? evaluations : check == u"msg" ? messages : confirmedLast, want == u"-" ? -1 : at(want));
            }
        }
    }
};

AMPERO_UI_TEST_MAIN(ProtocolTest)
#include "test_protocol.moc"
