// The entry protocol on its own: real fields, lamps and history captions in a
// plain widget, driven by real keys. One table of key sequences is replayed
// over the parameter set of every calculator that confirms values; what a
// sequence must leave follows from that set (limit, field count, minus key,
// history and lamp counts), never from the calculator's name.
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QtTest>

#include "core/calculators.h"
#include "ui/protocol.h"

using namespace ampero;
using namespace ampero::ui;

namespace {

const QColor kGrey(128, 128, 128), kRed(255, 0, 0), kGreen(0, 255, 0);

// How the calculators' protocols differ beyond their core rows.
struct Differences {
    const char* name;
    int captions;                // history captions
    std::vector<int> source;     // caption j shows EntryHistory[source[j]]
    int historyCount, lampCount; // what Backspace and Delete work on; -1: all
    bool blanks;                 // Backspace blanks computed fields
    bool toFirst;                // the last field gives the focus to the first
};
// clang-format off
const Differences kDifferences[] = {
    {"Ohm",   4, {},           -1, -1, true,  true},
    {"RC",    3, {},           -1, -1, false, true},
    {"RC555", 4, {0, 3, 2, 1}, -1, -1, false, true},
    {"Cap",   3, {},           -1, -1, true,  true},
    {"Ind",   4, {},            3, -1, false, true},
    {"Coil",  4, {},           -1, -1, false, true},
    {"AL",    4, {},            3,  3, false, false},
    {"Res",   3, {},           -1, -1, true,  true},
    {"iRes",  4, {},           -1, -1, true,  false},
};

// Fields: a number, L (the first past the limit), P (the last under it), Z
// (the last). Actions: @F focus, fill (confirm 0..P as 40, 41, ...), t:text,
// paste:text, enter, bs, esc, del, home, f12, ^h. Checks: ?tF=text ({-} is
// "-" where the minus key is taken), ?lF=R|G|0, ?n=count, ?focus=F|wrap,
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
};
// clang-format on

constexpr int kEvaluateIndex = 7;

} // namespace

class ProtocolTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keys_data() {
        QTest::addColumn<QString>("calculator");
        QTest::addColumn<QString>("script");
        int rows = 0;
        for (const CalculatorInfo& info : Calculators()) {
            if (info.confirmLimit == 0) continue;
            for (const auto& s : kSequences)
                QTest::addRow("%s: %s", info.name, s[0]) << QString::fromLatin1(info.name) << QString::fromLatin1(s[1]);
            ++rows;
        }
        QCOMPARE(rows, int(std::size(kDifferences)));
    }
    void keys() {
        QFETCH(QString, calculator);
        QFETCH(QString, script);
        const CalculatorInfo& info = FindCalculator(calculator.toStdString());
        const Differences* d = nullptr;
        for (const Differences& x : kDifferences)
            if (calculator == QLatin1String(x.name)) d = &x;
        QVERIFY2(d, "no differences row");
        const int n = info.fieldCount, limit = info.confirmLimit;

        QWidget host;
        EntryState state;
        ProtocolParams p;
        for (int i = 0; i < n; ++i) {
            p.fields.push_back(new EntryField(&host, QStringLiteral("f%1").arg(i), i, nullptr, {0, 192, 192}, {0, 222, 219}));
            p.fields.back()->setGeometry(10, 10 + 30 * i, 100, 24);
            p.lamps.push_back(new Lamp(&host, QStringLiteral("l%1").arg(i), kGrey));
        }
        auto* after = new QPushButton(QStringLiteral("after"), &host);
        after->setGeometry(10, 200, 80, 24);
        for (int j = 0; j < d->captions; ++j) p.history.push_back(new QLabel(QStringLiteral("old"), &host));
        p.historySource = d->source;
        p.backspaceHistoryCount = d->historyCount;
        p.backspaceLampCount = d->lampCount;
        p.backspaceBlanksComputed = d->blanks;
        p.lastGoesToFirst = d->toFirst;
        p.confirmLimit = limit;
        p.keys.extra = info.acceptsMinus ? QStringLiteral("-") : QString();
        p.acceptTest = [](int, const QString& t) -> std::optional<QString> {
            return t.startsWith(u'9') ? std::optional<QString>(QStringLiteral("nej")) : std::nullopt;
        };
        int confirmedLast = -1;
        p.onConfirmed = [&](int i) { confirmedLast = i; };
        p.evaluateIndex = kEvaluateIndex;
        const std::vector<EntryField*> fields = p.fields;
        const std::vector<Lamp*> lamps = p.lamps;
        const std::vector<QLabel*> captions = p.history;
        int evaluations = 0, messages = 0;
        std::vector<bool> computed(size_t(n), false);
        EntryProtocol protocol(
            state, p,
            [&](int index) {
                QCOMPARE(index, kEvaluateIndex);
                ++evaluations;
                for (size_t j = 0; j < fields.size(); ++j) {
                    if (!state.EntryConfirmed[j]) {
                        fields[j]->setText(QStringLiteral("7%1").arg(j));
                        lamps[j]->setColor(kGreen);
                        computed[j] = true;
                    }
                    state.EntryHistory[j] = fields[j]->text();
                }
            },
            [&](const QString&) { ++messages; });
        host.resize(300, 260);
        host.show();
        QApplication::setActiveWindow(&host);
        QVERIFY(QTest::qWaitForWindowActive(&host));

        const auto index = [&](QStringView f) {
            return f == u"L" ? limit : f == u"P" ? limit - 1 : f == u"Z" ? n - 1 : f.toInt();
        };
        const auto focus = [] { return QApplication::focusWidget(); };
        const auto caption = [&](int j, bool shown) {
            const int src = j < int(d->source.size()) ? d->source[size_t(j)] : j;
            return shown ? state.EntryHistory[size_t(src)] : QStringLiteral("old");
        };
        const auto colour = [](QStringView c) { return c == u"R" ? kRed : c == u"G" ? kGreen : kGrey; };
        for (const QString& token : script.split(u' ')) {
            const QString arg = token.section(u':', 1);
            if (token.startsWith(u'@')) {
                EntryField* f = fields[size_t(index(QStringView(token).mid(1)))];
                QTest::mouseClick(f, Qt::LeftButton);
                QTest::keyClick(f, Qt::Key_End);
            } else if (token == u"fill") {
                for (int i = 0; i < limit; ++i) {
                    fields[size_t(i)]->setFocus();
                    QTest::keyClicks(focus(), QStringLiteral("4%1").arg(i));
                    QTest::keyClick(focus(), Qt::Key_Return);
                }
            } else if (token.startsWith(u"t:")) {
                QTest::keyClicks(focus(), arg);
            } else if (token.startsWith(u"paste:")) {
                QApplication::clipboard()->setText(arg);
                QTest::keyClick(focus(), Qt::Key_V, Qt::ControlModifier);
            } else if (token == u"^h") {
                QTest::keyClick(focus(), Qt::Key_H, Qt::ControlModifier);
            } else if (!token.startsWith(u'?')) {
                static const QHash<QString, Qt::Key> keys{{"enter", Qt::Key_Return}, {"bs", Qt::Key_Backspace},
                                                          {"esc", Qt::Key_Escape},   {"del", Qt::Key_Delete},
                                                          {"home", Qt::Key_Home},    {"f12", Qt::Key_F12}};
                QVERIFY2(keys.contains(token), qPrintable(token));
                QTest::keyClick(focus(), keys[token]);
            } else {
                const QString check = token.mid(1).section(u'=', 0, 0);
                const QString want = token.section(u'=', 1);
                const QByteArray where = (calculator + ": " + token).toUtf8();
                if (check.startsWith(u't')) {
                    QString t = want;
                    QCOMPARE(fields[size_t(index(check.mid(1)))]->text(),
                             t.replace(QStringLiteral("{-}"), info.acceptsMinus ? "-" : ""));
                } else if (check.startsWith(u'l')) {
                    const int i = index(check.mid(1));
                    QCOMPARE(lamps[size_t(i)]->color(), colour(want));
                    const char* said = want == u"R" ? "bekräftad" : want == u"G" ? "beräknad" : "";
                    QCOMPARE(fields[size_t(i)]->accessibleDescription(), QString::fromUtf8(said));
                } else if (check == u"n") {
                    const int expect = want == u"L" ? limit : want == u"L-1" ? limit - 1 : want.toInt();
                    QCOMPARE(state.ConfirmedCount, expect);
                    int flags = 0;
                    for (bool b : state.EntryConfirmed) flags += b;
                    QCOMPARE(flags, expect);
                } else if (check == u"focus") {
                    QWidget* to = want == u"wrap" ? (d->toFirst ? static_cast<QWidget*>(fields[0]) : after) : fields[size_t(index(want))];
                    QVERIFY2(focus() == to, where.constData());
                } else if (check.startsWith(u"bg")) {
                    for (int i = 0; i < n; ++i)
                        QCOMPARE(fields[size_t(i)]->background(),
                                 i == index(check.mid(2)) ? QColor(0, 222, 219) : QColor(0, 192, 192));
                } else if (check == u"hist") {
                    const int shown = want == u"all" || d->historyCount < 0 ? d->captions : d->historyCount;
                    for (int j = 0; j < d->captions; ++j)
                        QVERIFY2(captions[size_t(j)]->text() == caption(j, j < shown), where.constData());
                } else if (check == u"comp") {
                    const int greyed = want == u"keep" ? 0 : d->lampCount < 0 ? n : d->lampCount;
                    for (int j = 0; j < n; ++j) {
                        if (!computed[size_t(j)]) continue;
                        const bool grey = j < greyed;
                        QVERIFY2(lamps[size_t(j)]->color() == (grey ? kGrey : kGreen), where.constData());
                        const bool blank = grey && want == u"bs" && d->blanks;
                        QCOMPARE(fields[size_t(j)]->text(), blank ? QString() : QStringLiteral("7%1").arg(j));
                    }
                } else if (check == u"eval") {
                    QCOMPARE(evaluations, want.toInt());
                } else if (check == u"msg") {
                    QCOMPARE(messages, want.toInt());
                } else if (check == u"conf") {
                    QCOMPARE(confirmedLast, want == u"-" ? -1 : index(want));
                } else {
                    QFAIL(where.constData());
                }
            }
        }
    }
};

QTEST_MAIN(ProtocolTest)
#include "test_protocol.moc"
