// The RC page as a user drives it: the RC network and astable tab, the
// NE 555 tab with its result box, the tH/tL entry tab, the crosswise
// history grid, New, Exit and tab changes, all through real keys and clicks.
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLocale>
#include <QRadioButton>
#include <QToolTip>
#include <algorithm>

#include "uitest.h"

using namespace uitest;

namespace {

const QString kRaRb = QStringLiteral("Endast heltal 1 - 3300 tillåtet");
const QString kC = QStringLiteral("Endast heltal >= 1 tillåtet");
const QString kF = QStringLiteral("300000 är max tillåtet");
const QString kNegative = QStringLiteral("Negativt resultat fungerar inte");

QString Name(const QString& prefix, int i) { return QStringLiteral("%1_%2").arg(prefix).arg(i); }

// The lamp array that belongs to a field array.
QString LampsOf(const QString& fields) {
    if (fields == QLatin1String("RC")) return QStringLiteral("sRC");
    if (fields == QLatin1String("RC555")) return QStringLiteral("s555RC");
    return QStringLiteral("stHtL");
}

// The display frame that a component picture stands beside.
QString CompFrame(const QString& picture) {
    QString n = picture;
    if (n.startsWith(QLatin1String("imgKomp555_")))
        return n.replace(QLatin1String("imgKomp555_"), QLatin1String("imgRC555_"));
    if (n.startsWith(QLatin1String("imgKomptHtL_")))
        return n.replace(QLatin1String("imgKomptHtL_"), QLatin1String("imgtHtL_"));
    return QString();
}

bool Near(QColor a, QColor b, int tol) {
    return std::abs(a.red() - b.red()) <= tol && std::abs(a.green() - b.green()) <= tol &&
           std::abs(a.blue() - b.blue()) <= tol;
}

} // namespace

class RCPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Ui> ui;

    void openTab(int i) { ui->selectTab(QStringLiteral("TabRC"), i); }

    // Confirms the given texts of a field array; an empty text is left out.
    void give(const QString& prefix, const QStringList& values) {
        for (int i = 0; i < values.size(); ++i)
            if (!values[i].isEmpty()) ui->confirm(Name(prefix, i), values[i]);
    }

    // The four history captions as the user reads them: top left, top
    // right, bottom left, bottom right.
    QStringList historyGrid() const {
        QList<QLabel*> labels;
        for (int i = 0; i < 4; ++i) labels << ui->get<QLabel>(Name(QStringLiteral("lblRC"), i));
        std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) {
            const QPoint pa = a->mapTo(a->window(), QPoint());
            const QPoint pb = b->mapTo(b->window(), QPoint());
            return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
        });
        QStringList out;
        for (QLabel* l : labels) out << l->text();
        return out;
    }

    // Keys by short names: "bs", "esc", "home", "del", separated by blanks.
    void press(const QString& keys) {
        for (const QString& k : keys.split(' ')) {
            if (k == "bs")
                ui->backspace();
            else if (k == "esc")
                ui->esc();
            else if (k == "home")
                ui->key(Qt::Key_Home);
            else
                ui->del();
        }
    }

    // Every control shown on the current tab lies inside it, and none
    // overlaps another, except a field on its own display frame and a
    // component picture on the edge of its field's frame.
    void checkNoOverlaps() {
        QWidget* page = ui->get<QTabWidget>("TabRC")->currentWidget();
        QList<QWidget*> shown;
        for (QWidget* c : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (c->isVisible() && !qobject_cast<QGroupBox*>(c)) shown << c;
        QVERIFY(shown.size() >= 7);
        for (QWidget* a : shown) {
            QVERIFY2(page->rect().contains(a->geometry()), qPrintable(a->objectName()));
            for (QWidget* b : shown) {
                if (a >= b || !a->geometry().intersects(b->geometry())) continue;
                const QString na = a->objectName(), nb = b->objectName();
                const bool allowed = na == "img" + nb || nb == "img" + na || CompFrame(na) == nb || CompFrame(nb) == na;
                QVERIFY2(allowed, qPrintable(na + " overlaps " + nb));
            }
        }
    }

    bool resultBoxShown() const { return ui->get(QStringLiteral("pic555"))->isVisible(); }

    // Ra 10, Rb 100, C 10 evaluated: f 686.
    void evaluateStandard555() {
        openTab(1);
        give(QStringLiteral("RC555"), {"10", "100", "10"});
        ui->f12();
        QCOMPARE(ui->text("RC555_3"), QString("686"));
    }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale::c());
        ui = std::make_unique<Ui>();
        ui->nav(QStringLiteral("cmdRC"));
        QCOMPARE(ui->focusName(), QString("RC_0"));
    }
    void cleanup() {
        ui.reset();
        QLocale::setDefault(QLocale::c());
    }

    // ------------------------------------------------------------ RC tab

    void rcNetwork_data() {
        QTest::addColumn<bool>("astable");
        QTest::addColumn<QStringList>("given"); // R, C, f; empty = not given
        QTest::addColumn<QString>("computed");  // field written
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("byButton"); // "Räkna" instead of F12
        // clang-format off
        QTest::newRow("RC R C -> f") << false << QStringList{"1000", "100", ""} << "RC_2" << "1592" << false;
        QTest::newRow("astable R C -> f") << true << QStringList{"1000", "100", ""} << "RC_2" << "7143" << true;
        QTest::newRow("RC R f -> C") << false << QStringList{"1000", "", "1592"} << "RC_1" << "99.972" << true;
        QTest::newRow("astable R f -> C") << true << QStringList{"1000", "", "7143"} << "RC_1" << "99.998" << false;
        QTest::newRow("RC C f -> R") << false << QStringList{"", "100", "1592"} << "RC_0" << "1000" << false;
        QTest::newRow("astable C f -> R") << true << QStringList{"", "100", "7143"} << "RC_0" << "1000" << true;
        QTest::newRow("RC R 4700 f 50") << false << QStringList{"4700", "", "50"} << "RC_1" << "677.255" << false;
        QTest::newRow("RC C 1 f 1") << false << QStringList{"", "1", "1"} << "RC_0" << "159154943" << true;
        QTest::newRow("astable C 1 f 1") << true << QStringList{"", "1", "1"} << "RC_0" << "714285714.3" << false;
        QTest::newRow("RC R 0") << false << QStringList{"0", "100", ""} << "RC_2" << "0" << false;
        QTest::newRow("astable R 0") << true << QStringList{"0", "100", ""} << "RC_2" << "0" << true;
        // clang-format on
    }
    void rcNetwork() {
        QFETCH(bool, astable);
        QFETCH(QStringList, given);
        QFETCH(QString, computed);
        QFETCH(QString, expected);
        QFETCH(bool, byButton);
        if (astable) ui->click("chkAsta");
        QCOMPARE(ui->get<QCheckBox>("chkAsta")->isChecked(), astable);
        give("RC", given);
        if (byButton)
            ui->click("cmdEval_4");
        else
            ui->f12();
        QCOMPARE(ui->text(computed), expected);
        for (int i = 0; i < 3; ++i) {
            const QString f = Name("RC", i);
            QCOMPARE(ui->lamp(Name("sRC", i)), f == computed ? kGreen : kRed);
            if (f != computed) QCOMPARE(ui->text(f), given[i]);
        }
        QVERIFY(ui->messages.texts.isEmpty());
        // The history now holds the three texts: withdrawing one shows them.
        const int confirmed = given[0].isEmpty() ? 1 : 0;
        ui->click(Name("RC", confirmed));
        ui->key(Qt::Key_Delete);
        QStringList shown{ui->caption("lblRC_0"), ui->caption("lblRC_1"), ui->caption("lblRC_2")};
        QStringList want = given;
        want[computed.back().digitValue()] = expected;
        QCOMPARE(shown, want);
    }

    void boxChangesOnlyTheComputedValue() {
        give("RC", {"1000", "100"});
        ui->f12();
        QCOMPARE(ui->text("RC_2"), QString("1592"));
        ui->click("chkAsta");
        QCOMPARE(ui->focusName(), QString("RC_0"));
        ui->f12();
        QCOMPARE(ui->text("RC_2"), QString("7143"));
        QCOMPARE(ui->text("RC_0"), QString("1000"));
        QCOMPARE(ui->text("RC_1"), QString("100"));
        QCOMPARE(ui->lamp("sRC_0"), kRed);
        QCOMPARE(ui->lamp("sRC_1"), kRed);
        QCOMPARE(ui->lamp("sRC_2"), kGreen);
        ui->click("chkAsta");
        ui->click("cmdEval_4");
        QCOMPARE(ui->text("RC_2"), QString("1592"));
    }

    void boxTogglesPicturesAndFocus() {
        auto* box = ui->get<QCheckBox>("chkAsta");
        QCOMPARE(box->text(), QString("Astabil vippa"));
        QVERIFY(!box->isChecked());
        QVERIFY(ui->get("imgRCStage")->isVisible());
        QVERIFY(!ui->get("imgMultivib")->isVisible());
        QVERIFY(!ui->get("imgPulseT1")->isVisible());

        ui->confirm("RC_0", "1000"); // focus now in RC_1, RC_0 red
        ui->type("22");
        ui->click("chkAsta");
        QVERIFY(box->isChecked());
        QCOMPARE(ui->focusName(), QString("RC_0"));
        QVERIFY(!ui->get("imgRCStage")->isVisible());
        QVERIFY(ui->get("imgMultivib")->isVisible());
        QVERIFY(ui->get("imgPulseT1")->isVisible());
        QVERIFY(ui->get("Label2")->isVisible());
        QCOMPARE(ui->caption("Label2"), QString("t1 = 0.7 * R * C"));
        // Nothing else changed: texts, lamps, the confirmation.
        QCOMPARE(ui->text("RC_0"), QString("1000"));
        QCOMPARE(ui->text("RC_1"), QString("22"));
        QCOMPARE(ui->lamp("sRC_0"), kRed);
        QCOMPARE(ui->lamp("sRC_1"), kGrey);
        QCOMPARE(ui->state().ConfirmedCount, 1);

        ui->click("chkAsta");
        QVERIFY(!box->isChecked());
        QCOMPARE(ui->focusName(), QString("RC_0"));
        QVERIFY(ui->get("imgRCStage")->isVisible());
        QVERIFY(!ui->get("imgMultivib")->isVisible());
    }

    void boxAndLabelAreGreyWithLightYellowText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("astable");
        QTest::newRow("chkAsta") << "chkAsta" << false;
        QTest::newRow("Label2") << "Label2" << true;
    }
    void boxAndLabelAreGreyWithLightYellowText() {
        QFETCH(QString, name);
        QFETCH(bool, astable);
        if (astable) ui->click("chkAsta");
        QWidget* w = ui->get(name);
        const QImage img = w->grab().toImage();
        QCOMPARE(img.pixelColor(img.width() - 2, 1), kGrey);
        bool yellow = false;
        for (int y = 0; y < img.height() && !yellow; ++y)
            for (int x = 0; x < img.width() && !yellow; ++x)
                yellow = Near(img.pixelColor(x, y), QColor(255, 255, 192), 12);
        QVERIFY2(yellow, "no light yellow writing");
    }

    void rcFocusAfterEnter_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("next");
        QTest::newRow("R -> C") << 0 << "RC_1";
        QTest::newRow("C -> f") << 1 << "RC_2";
        QTest::newRow("f -> R") << 2 << "RC_0";
    }
    void rcFocusAfterEnter() {
        QFETCH(int, index);
        QFETCH(QString, next);
        ui->confirm(Name("RC", index), "12");
        QCOMPARE(ui->lamp(Name("sRC", index)), kRed);
        QCOMPARE(ui->focusName(), next);
    }

    void rcLimitIsTwo() {
        give("RC", {"1000", "100"});
        QCOMPARE(ui->focusName(), QString("RC_2"));
        ui->type("55");
        QCOMPARE(ui->text("RC_2"), QString());
        ui->enter();
        QCOMPARE(ui->lamp("sRC_2"), kGrey);
        // Withdrawing one lets the third be typed and confirmed.
        ui->click("RC_1");
        ui->backspace();
        QCOMPARE(ui->text("RC_1"), QString("10"));
        ui->click("RC_2");
        ui->type("55");
        ui->enter();
        QCOMPARE(ui->text("RC_2"), QString("55"));
        QCOMPARE(ui->lamp("sRC_2"), kRed);
    }

    void rcWithdraw_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("fieldAfter");
        QTest::addColumn<QColor>("computedLamp");
        // clang-format off
        QTest::newRow("Backspace") << "bs" << "10" << kGrey;
        QTest::newRow("Esc") << "esc" << "" << kGreen;
        QTest::newRow("Delete") << "home del" << "00" << kGrey;
        // clang-format on
    }
    void rcWithdraw() {
        QFETCH(QString, keys);
        QFETCH(QString, fieldAfter);
        QFETCH(QColor, computedLamp);
        give("RC", {"1000", "100"});
        ui->f12();
        ui->click("RC_1");
        press(keys);
        QCOMPARE(ui->text("RC_1"), fieldAfter);
        QCOMPARE(ui->lamp("sRC_1"), kGrey);
        QCOMPARE(ui->lamp("sRC_0"), kRed);
        QCOMPARE(ui->lamp("sRC_2"), computedLamp);
        QCOMPARE(ui->text("RC_2"), QString("1592")); // never blanked here
        QCOMPARE(ui->caption("lblRC_0"), QString("1000"));
        QCOMPARE(ui->caption("lblRC_1"), QString("100"));
        QCOMPARE(ui->caption("lblRC_2"), QString("1592"));
        QCOMPARE(ui->state().ConfirmedCount, 1);
    }

    void newOnRCTab() {
        give("RC", {"1000", "100"});
        ui->f12();
        ui->click("RC_0");
        ui->backspace(); // history captions filled
        QCOMPARE(ui->caption("lblRC_2"), QString("1592"));
        openTab(1);
        ui->click("RC555_0");
        ui->type("47");
        openTab(0);
        ui->click("chkAsta");
        ui->click("cmdNew_4");
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(ui->text(Name("RC", i)), QString());
            QCOMPARE(ui->lamp(Name("sRC", i)), kGrey);
            QCOMPARE(ui->caption(Name("lblRC", i)), QString());
            QCOMPARE(ui->state().EntryHistory[static_cast<size_t>(i)], QString());
        }
        QCOMPARE(ui->state().ConfirmedCount, 0);
        QCOMPARE(ui->focusName(), QString("RC_0"));
        QVERIFY(ui->get<QCheckBox>("chkAsta")->isChecked()); // the box stays
        QCOMPARE(ui->text("RC555_0"), QString("47"));        // the other tab too
    }

    // ------------------------------------------------------------ NE 555 tab

    void ne555Table_data() {
        QTest::addColumn<QStringList>("given"); // Ra, Rb, C, f; empty = computed
        QTest::addColumn<QString>("computed");
        QTest::addColumn<QString>("tH");
        QTest::addColumn<QString>("tL");
        QTest::addColumn<QString>("split");
        QTest::addColumn<QString>("message");
        QTest::newRow("f 686") << QStringList{"10", "100", "10", ""} << "686"
                               << "762.3us"
                               << "693us"
                               << "52.4 / 47.6 %"
                               << "";
        QTest::newRow("f 102") << QStringList{"47", "47", "100", ""} << "102"
                               << "6.5ms"
                               << "3.3ms"
                               << "66.3 / 33.7 %"
                               << "";
        // clang-format off
        QTest::newRow("f 436") << QStringList{"3300", "1", "1", ""} << "436" << "2.3ms" << "0.7us" << "100 / 0 %" << "";
        // clang-format on
        QTest::newRow("f above limit") << QStringList{"1", "1", "1", ""} << "480000"
                                       << "1.4us"
                                       << "0.7us"
                                       << "66.7 / 33.3 %"
                                       << "";
        QTest::newRow("f rounds to 0") << QStringList{"3300", "3300", "1000", ""} << "0"
                                       << "4573.8ms"
                                       << "2286.9ms"
                                       << "66.7 / 33.3 %"
                                       << "";
        QTest::newRow("C") << QStringList{"10", "100", "", "686"} << "9.996"
                           << "762us"
                           << "692.7us"
                           << "52.4 / 47.6 %"
                           << "";
        QTest::newRow("Ra") << QStringList{"", "10", "10", "1000"} << "124"
                            << "928.6us"
                            << "69.3us"
                            << "93.1 / 6.9 %"
                            << "";
        QTest::newRow("Rb") << QStringList{"10", "", "10", "1000"} << "67"
                            << "533.6us"
                            << "464.3us"
                            << "53.5 / 46.5 %"
                            << "";
        QTest::newRow("Ra negative") << QStringList{"", "3300", "1000", "100"} << "0"
                                     << "2286.9ms"
                                     << "2286.9ms"
                                     << "50 / 50 %" << kNegative;
        QTest::newRow("Rb with f 0") << QStringList{"10", "", "10", "0"} << "0"
                                     << "69.3us"
                                     << "0us"
                                     << "100 / 0 %" << kNegative;
    }
    void ne555Table() {
        QFETCH(QStringList, given);
        QFETCH(QString, computed);
        QFETCH(QString, tH);
        QFETCH(QString, tL);
        QFETCH(QString, split);
        QFETCH(QString, message);
        openTab(1);
        QCOMPARE(ui->focusName(), QString("RC555_0"));
        QVERIFY(!resultBoxShown());
        give("RC555", given);
        QVERIFY(ui->messages.texts.isEmpty());
        ui->f12();
        QCOMPARE(ui->messages.texts, message.isEmpty() ? QStringList{} : QStringList{message});
        if (!message.isEmpty()) QCOMPARE(ui->messages.titles, QStringList{"Ampero"});
        const int missing = static_cast<int>(given.indexOf(QString()));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(ui->text(Name("RC555", i)), i == missing ? computed : given[i]);
            QCOMPARE(ui->lamp(Name("s555RC", i)), i == missing ? kGreen : kRed);
        }
        QVERIFY(resultBoxShown());
        QCOMPARE(ui->caption("lbl555_3"), split);
        QCOMPARE(ui->caption("lbl555_4"), tH);
        QCOMPARE(ui->caption("lbl555_5"), tL);
        QCOMPARE(ui->caption("lbl555_0"), QString(" Till / Från %"));
        QCOMPARE(ui->caption("lbl555_1"), QString(" Hög   1    tH"));
        QCOMPARE(ui->caption("lbl555_2"), QString(" Låg    0    tL"));
    }

    void resultBoxHiddenUntilFirstEvaluation() {
        openTab(1);
        QVERIFY(!resultBoxShown());
        give("RC555", {"10", "100"});
        ui->f12(); // two are not enough
        ui->click("cmdEval_4");
        QVERIFY(!resultBoxShown());
        QCOMPARE(ui->text("RC555_3"), QString());
        QCOMPARE(ui->caption("lbl555_4"), QString());
        ui->confirm("RC555_2", "10");
        ui->click("cmdEval_4");
        QVERIFY(resultBoxShown());
        QCOMPARE(ui->text("RC555_3"), QString("686"));
    }

    void commaLocale_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("computed");
        QTest::addColumn<QString>("tH");
        QTest::addColumn<QString>("tL");
        QTest::addColumn<QString>("split");
        // clang-format off
        QTest::newRow("f") << QStringList{"10", "100", "10", ""} << "686" << "762,3us" << "693us" << "52,4 / 47,6 %";
        QTest::newRow("C") << QStringList{"10", "100", "", "686"} << "9.996" << "762us" << "692,7us" << "52,4 / 47,6 %";
        // clang-format on
    }
    void commaLocale() {
        QFETCH(QStringList, given);
        QFETCH(QString, computed);
        QFETCH(QString, tH);
        QFETCH(QString, tL);
        QFETCH(QString, split);
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        openTab(1);
        give("RC555", given);
        ui->f12();
        const int missing = static_cast<int>(given.indexOf(QString()));
        QCOMPARE(ui->text(Name("RC555", missing)), computed); // the field keeps "."
        QCOMPARE(ui->caption("lbl555_4"), tH);
        QCOMPARE(ui->caption("lbl555_5"), tL);
        QCOMPARE(ui->caption("lbl555_3"), split);
    }

    void newOnNE555Tab() {
        ui->confirm("RC_0", "1000");
        evaluateStandard555();
        ui->click("RC555_0");
        ui->backspace();
        QCOMPARE(historyGrid(), (QStringList{"10", "686", "100", "10"}));
        ui->click("cmdNew_4");
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(ui->text(Name("RC555", i)), QString());
            QCOMPARE(ui->lamp(Name("s555RC", i)), kGrey);
            QCOMPARE(ui->state().EntryHistory[static_cast<size_t>(i)], QString());
        }
        QCOMPARE(historyGrid(), (QStringList{"", "", "", ""}));
        QCOMPARE(ui->caption("lbl555_3"), QString());
        QCOMPARE(ui->caption("lbl555_4"), QString());
        QCOMPARE(ui->caption("lbl555_5"), QString());
        QCOMPARE(ui->caption("lbl555_1"), QString(" Hög   1    tH"));
        QCOMPARE(ui->state().ConfirmedCount, 0);
        QCOMPARE(ui->focusName(), QString("RC555_0"));
        QCOMPARE(ui->text("RC_0"), QString("1000"));
        QCOMPARE(ui->lamp("sRC_0"), kRed);
        // A new round starts from scratch.
        give("RC555", {"47", "47", "100"});
        ui->f12();
        QCOMPARE(ui->text("RC555_3"), QString("102"));
    }

    // ------------------------------------------------------------ entry rules

    void entryRules_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");   // what the field shows before Enter
        QTest::addColumn<QString>("message"); // empty: accepted
        struct Row {
            const char* tag;
            int index;
            const char* typed;
            const char* shown;
            QString message;
        };
        const Row rows[] = {
            {"Ra 3300", 0, "3300", "3300", {}},
            {"Ra 3301", 0, "3301", "3301", kRaRb},
            {"Ra 0.5", 0, "0.5", "0.5", kRaRb},
            {"Ra 2,5", 0, "2,5", "2.5", {}},
            {"Ra letters dropped", 0, "a1-5 ", "15", {}},
            {"Rb 1", 1, "1", "1", {}},
            {"Rb 0", 1, "0", "0", kRaRb},
            {"Rb 3301", 1, "3301", "3301", kRaRb},
            {"C 1", 2, "1", "1", {}},
            {"C 0.9", 2, "0.9", "0.9", kC},
            {"f 300000", 3, "300000", "300000", {}},
            {"f 300000.9", 3, "300000.9", "300000.9", {}},
            {"f 300001", 3, "300001", "300001", kF},
            {"f 0", 3, "0", "0", {}},
        };
        for (const char* group : {"RC555", "tHtL"})
            for (const Row& r : rows)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(group, r.tag)))
                    << group << r.index << r.typed << r.shown << r.message;
    }
    void entryRules() {
        QFETCH(QString, group);
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        openTab(group == "RC555" ? 1 : 2);
        const QString field = Name(group, index);
        const QString lamp = Name(LampsOf(group), index);
        ui->click(field);
        ui->type(typed);
        QCOMPARE(ui->text(field), shown);
        ui->enter();
        if (message.isEmpty()) {
            QVERIFY(ui->messages.texts.isEmpty());
            QCOMPARE(ui->text(field), shown);
            QCOMPARE(ui->lamp(lamp), kRed);
            QCOMPARE(ui->state().ConfirmedCount, 1);
            QCOMPARE(ui->focusName(), Name(group, index == 3 ? 0 : index + 1));
        } else {
            QCOMPARE(ui->messages.texts, QStringList{message});
            QCOMPARE(ui->messages.titles, QStringList{"Ampero"});
            QVERIFY(ui->messages.allPlain);
            QCOMPARE(ui->text(field), QString());
            QCOMPARE(ui->lamp(lamp), kGrey);
            QCOMPARE(ui->state().ConfirmedCount, 0);
            QTRY_COMPARE(ui->focusName(), field);
            // The user can type straight on into the field.
            ui->type("5");
            QCOMPARE(ui->text(field), QString("5"));
        }
    }

    void refusalKeepsAnEarlierConfirmation_data() {
        QTest::addColumn<QString>("group");
        QTest::newRow("NE 555") << "RC555";
        QTest::newRow("tH/tL") << "tHtL";
    }
    void refusalKeepsAnEarlierConfirmation() {
        QFETCH(QString, group);
        openTab(group == "RC555" ? 1 : 2);
        const QString lamps = LampsOf(group);
        ui->confirm(Name(group, 2), "10");
        QCOMPARE(ui->lamp(Name(lamps, 2)), kRed);
        ui->click(Name(group, 2));
        ui->key(Qt::Key_Home);
        ui->type("0."); // "0.10" is below 1 nF
        QCOMPARE(ui->text(Name(group, 2)), QString("0.10"));
        ui->enter();
        QCOMPARE(ui->messages.texts, QStringList{kC});
        QCOMPARE(ui->text(Name(group, 2)), QString());
        QCOMPARE(ui->lamp(Name(lamps, 2)), kRed);
        QCOMPARE(ui->state().ConfirmedCount, 1);
        QVERIFY(ui->state().EntryConfirmed[2]);
        QTRY_COMPARE(ui->focusName(), Name(group, 2));
    }

    void enterInEmptyFieldDoesNothing_data() { refusalKeepsAnEarlierConfirmation_data(); }
    void enterInEmptyFieldDoesNothing() {
        QFETCH(QString, group);
        openTab(group == "RC555" ? 1 : 2);
        ui->click(Name(group, 3)); // f has no lower limit, but an empty field is not tested
        ui->enter();
        QVERIFY(ui->messages.texts.isEmpty());
        QCOMPARE(ui->lamp(Name(LampsOf(group), 3)), kGrey);
        QCOMPARE(ui->focusName(), Name(group, 3));
        QCOMPARE(ui->state().ConfirmedCount, 0);
    }

    void limitOfThree_data() { refusalKeepsAnEarlierConfirmation_data(); }
    void limitOfThree() {
        QFETCH(QString, group);
        openTab(group == "RC555" ? 1 : 2);
        give(group, {"10", "100", "10"});
        QCOMPARE(ui->focusName(), Name(group, 3));
        ui->type("12");
        QCOMPARE(ui->text(Name(group, 3)), QString());
        // Backspace on a confirmed field withdraws it and deletes a digit.
        ui->click(Name(group, 1));
        ui->backspace();
        QCOMPARE(ui->text(Name(group, 1)), QString("10"));
        QCOMPARE(ui->lamp(Name(LampsOf(group), 1)), kGrey);
        ui->click(Name(group, 3));
        ui->type("12");
        QCOMPARE(ui->text(Name(group, 3)), QString("12"));
        ui->enter();
        QCOMPARE(ui->lamp(Name(LampsOf(group), 3)), kRed);
        QCOMPARE(ui->focusName(), Name(group, 0));
    }

    void ne555Withdraw_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("fieldAfter");
        QTest::addColumn<QColor>("computedLamp");
        // clang-format off
        QTest::newRow("Backspace Ra") << 0 << "bs" << "1" << kGrey;
        QTest::newRow("Backspace Rb") << 1 << "bs" << "10" << kGrey;
        QTest::newRow("Backspace C") << 2 << "bs" << "1" << kGrey;
        QTest::newRow("Esc Rb") << 1 << "esc" << "" << kGreen;
        QTest::newRow("Delete C") << 2 << "home del" << "0" << kGrey;
        QTest::newRow("Delete Ra at the end") << 0 << "del" << "10" << kGrey;
        // clang-format on
    }
    void ne555Withdraw() {
        QFETCH(int, index);
        QFETCH(QString, keys);
        QFETCH(QString, fieldAfter);
        QFETCH(QColor, computedLamp);
        evaluateStandard555();
        ui->click(Name("RC555", index));
        press(keys);
        QCOMPARE(ui->text(Name("RC555", index)), fieldAfter);
        for (int i = 0; i < 3; ++i) QCOMPARE(ui->lamp(Name("s555RC", i)), i == index ? kGrey : kRed);
        QCOMPARE(ui->lamp("s555RC_3"), computedLamp);
        QCOMPARE(ui->text("RC555_3"), QString("686")); // the computed text stays
        // Crosswise: Ra and f on top, Rb and C below.
        QCOMPARE(historyGrid(), (QStringList{"10", "686", "100", "10"}));
        QCOMPARE(ui->state().ConfirmedCount, 2);
    }

    void tHtLShowsTheSameCrosswiseHistory() {
        evaluateStandard555();
        openTab(2);
        give("tHtL", {"20"});
        ui->click("tHtL_0");
        ui->backspace();
        QCOMPARE(ui->text("tHtL_0"), QString("2"));
        QCOMPARE(ui->lamp("stHtL_0"), kGrey);
        QCOMPARE(historyGrid(), (QStringList{"10", "686", "100", "10"}));
    }

    void nothingComputedOnTHTLTab_data() {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("F12") << false;
        QTest::newRow("Räkna") << true;
    }
    void nothingComputedOnTHTLTab() {
        QFETCH(bool, byButton);
        openTab(2);
        give("tHtL", {"10", "100", "10"});
        if (byButton)
            ui->click("cmdEval_4");
        else
            ui->f12();
        QCOMPARE(ui->text("tHtL_3"), QString());
        for (int i = 0; i < 3; ++i) QCOMPARE(ui->lamp(Name("stHtL", i)), kRed);
        QCOMPARE(ui->lamp("stHtL_3"), kGrey);
        QVERIFY(ui->messages.texts.isEmpty());
        // No history was saved: withdrawing shows empty captions.
        ui->click("tHtL_0");
        ui->esc();
        QCOMPARE(historyGrid(), (QStringList{"", "", "", ""}));
        // The option buttons do nothing either.
        ui->click("Option1");
        QVERIFY(ui->get<QRadioButton>("Option1")->isChecked());
        QCOMPARE(ui->text("tHtL_1"), QString("100"));
        openTab(1);
        QVERIFY(!resultBoxShown());
        QCOMPARE(ui->caption("lbl555_3"), QString());
        QCOMPARE(ui->text("RC555_3"), QString());
    }

    void newOnTHTLTabDoesNothing() {
        openTab(2);
        give("tHtL", {"10"});
        ui->click("cmdNew_4");
        QCOMPARE(ui->text("tHtL_0"), QString("10"));
        QCOMPARE(ui->lamp("stHtL_0"), kRed);
        QCOMPARE(ui->state().ConfirmedCount, 1);
    }

    void optionTexts() {
        openTab(2);
        QCOMPARE(ui->get<QRadioButton>("opttH")->text(), QString("Räkna på tid Hög"));
        QCOMPARE(ui->get<QRadioButton>("Option1")->text(), QString("Räkna på tid Låg"));
        QVERIFY(ui->get("opttH")->isVisible());
        QVERIFY(ui->get("Option1")->isVisible());
    }

    // ------------------------------------------------------------ hints

    void hints_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("hint");
        const QString r = QStringLiteral("Max Ra  3.3 M - Min Ra 1000 ohm");
        // clang-format off
        QTest::newRow("RC frame") << 0 << "fraRC_0" << "Lågfrekvensräkning  Obs nF och Hz  ";
        // clang-format on
        QTest::newRow("NE 555 frame") << 1 << "fraRC_1"
                                      << "Lågfrekvensräkning  Obs nF och Hz   Obs 3 inmatningar krävs !  ";
        // clang-format off
        QTest::newRow("Ra") << 1 << "imgKomp555_0" << r;
        QTest::newRow("Rb") << 1 << "imgKomp555_1" << r;
        QTest::newRow("C") << 1 << "imgKomp555_2" << "Min C   1nF ";
        QTest::newRow("f") << 1 << "imgKomp555_3" << "Max   300 Khz";
        QTest::newRow("tH/tL Ra") << 2 << "imgKomptHtL_0" << r;
        QTest::newRow("tH/tL Rb") << 2 << "imgKomptHtL_1" << r;
        QTest::newRow("tH/tL C") << 2 << "imgKomptHtL_2" << "Min C   1nF ";
        // clang-format on
    }
    void hints() {
        QFETCH(int, tab);
        QFETCH(QString, widget);
        QFETCH(QString, hint);
        openTab(tab);
        QWidget* w = ui->get(widget);
        QVERIFY(w->isVisible());
        // A spot of the widget that nothing else covers.
        const QPoint spot = qobject_cast<QGroupBox*>(w) ? QPoint(12, w->height() - 12) : w->rect().center();
        QCOMPARE(w->window()->childAt(w->mapTo(w->window(), spot))->objectName(), w->objectName());
        QHelpEvent help(QEvent::ToolTip, spot, w->mapToGlobal(spot));
        QApplication::sendEvent(w, &help);
        QTRY_COMPARE(QToolTip::text(), hint);
        QToolTip::hideText();
    }

    // ------------------------------------------------------------ tabs, navigation, Exit

    void tabChange_data() {
        QTest::addColumn<int>("fromTab");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("fromButton"); // the focus on "Räkna", outside the tabs
        QTest::addColumn<int>("toTab");
        QTest::addColumn<QString>("focus");
        QTest::newRow("RC to NE 555") << 0 << "RC_0" << false << 1 << "RC555_0";
        QTest::newRow("NE 555 to RC") << 1 << "RC555_0" << false << 0 << "RC_0";
        QTest::newRow("tH/tL to NE 555") << 2 << "tHtL_0" << false << 1 << "RC555_0";
        QTest::newRow("RC to NE 555 from Räkna") << 0 << "RC_0" << true << 1 << "RC555_0";
        QTest::newRow("NE 555 to RC from Räkna") << 1 << "RC555_0" << true << 0 << "RC_0";
    }
    void tabChange() {
        QFETCH(int, fromTab);
        QFETCH(QString, field);
        QFETCH(bool, fromButton);
        QFETCH(int, toTab);
        QFETCH(QString, focus);
        openTab(fromTab);
        ui->confirm(field, "10");
        QCOMPARE(ui->state().ConfirmedCount, 1);
        if (fromButton) {
            ui->click("cmdEval_4"); // one value: nothing to compute
            QCOMPARE(ui->focusName(), QString("cmdEval_4"));
        }
        openTab(toTab);
        QCOMPARE(ui->focusName(), focus);
        QCOMPARE(ui->state().ConfirmedCount, 0);
        // Texts and lamps stay as they were.
        QCOMPARE(ui->text(field), QString("10"));
        const QString lamps = LampsOf(field.section('_', 0, 0));
        QCOMPARE(ui->lamp(Name(lamps, 0)), kRed);
    }

    void navigationFocusesTheFirstField() {
        openTab(1);
        ui->confirm("RC555_0", "10");
        ui->nav("cmdOhm");
        QVERIFY(!ui->get("pan_6")->isVisible());
        ui->nav("cmdRC");
        QCOMPARE(ui->get<QTabWidget>("TabRC")->currentIndex(), 0);
        QCOMPARE(ui->focusName(), QString("RC_0"));
        QCOMPARE(ui->state().ConfirmedCount, 0);
        QCOMPARE(ui->text("RC555_0"), QString("10"));
    }

    void exitClearsRCAndNE555Only() {
        ui->nav("cmdOhm");
        ui->confirm("Ohm_0", "100");
        ui->nav("cmdRC");
        give("RC", {"1000", "100"});
        ui->f12();
        evaluateStandard555();
        ui->click("RC555_0");
        ui->backspace();
        openTab(2);
        give("tHtL", {"10"});
        ui->click("cmdExit_4");
        QVERIFY(!ui->get("pan_6")->isVisible());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(ui->text(Name("RC", i)), QString());
            QCOMPARE(ui->lamp(Name("sRC", i)), kGrey);
        }
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(ui->text(Name("RC555", i)), QString());
            QCOMPARE(ui->lamp(Name("s555RC", i)), kGrey);
            QCOMPARE(ui->state().EntryHistory[static_cast<size_t>(i)], QString());
        }
        QCOMPARE(ui->state().ConfirmedCount, 0);
        // Left as they were: tH/tL, the result captions, the history grid,
        // the Ohm page.
        QCOMPARE(ui->text("tHtL_0"), QString("10"));
        QCOMPARE(ui->lamp("stHtL_0"), kRed);
        QCOMPARE(ui->caption("lbl555_4"), QString("762.3us"));
        QCOMPARE(historyGrid(), (QStringList{"10", "686", "100", "10"}));
        QCOMPARE(ui->text("Ohm_0"), QString("100"));
    }

    // ------------------------------------------------------------ layout

    void fieldsCaptionsAndLayout_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("RC") << 0 << QStringList{"RC_0", "RC_1", "RC_2"}
                            << QStringList{"Resistans Ohm", "Kapacitans nF", "Frekvens Hz"};
        QTest::newRow("NE 555") << 1 << QStringList{"RC555_0", "RC555_1", "RC555_2", "RC555_3"}
                                << QStringList{"Ra  kOhm", "Rb  kOhm", "C  nF", "f  Hz"};
        QTest::newRow("tH/tL") << 2 << QStringList{"tHtL_0", "tHtL_1", "tHtL_2", "tHtL_3"}
                               << QStringList{"Ra  kOhm", "Rb  kOhm", "C  nF", "f  Hz"};
    }
    void fieldsCaptionsAndLayout() {
        QFETCH(int, tab);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, captions);
        openTab(tab);
        for (int i = 0; i < fields.size(); ++i) {
            auto* frame = ui->get<ampero::ui::DisplayFrame>("img" + fields[i]);
            QCOMPARE(frame->caption(), captions[i]);
            QVERIFY(frame->geometry().contains(ui->get(fields[i])->geometry()));
        }
        checkNoOverlaps();
    }

    void astableLayoutHasNoOverlaps() {
        ui->click("chkAsta");
        QVERIFY(ui->get("imgMultivib")->isVisible());
        checkNoOverlaps();
    }
};

AMPERO_UI_TEST_MAIN(RCPageTest)
#include "test_rcpage.moc"
