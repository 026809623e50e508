// What a page does beyond its calculators' protocol and dispatch: the colour
// code, the LED tab, the series list, the microfarad caption, the needle,
// the AL switch, the NE 555 value tests, result box and crosswise history,
// one case per behaviour.
#include <QCheckBox>
#include <QLocale>

#include "core/calculators.h"
#include "core/capacitive.h"
#include "core/colourcode.h"
#include "core/ne555.h"
#include "ui/pictures.h"
#include "ui/twips.h"
#include "uitest.h"

using namespace uitest;

namespace {
QString Name(const QString& prefix, int i) { return QStringLiteral("%1_%2").arg(prefix).arg(i); }
// The colour of a digit in the colour code.
QColor Colour(int d) { return QColor(ampero::kColourCode[size_t(d)].r, ampero::kColourCode[size_t(d)].g, ampero::kColourCode[size_t(d)].b); }

// The texts of a field array as a core evaluation reads them.
ampero::Inputs Read(Ui& ui, const QString& prefix, int count) {
    ampero::Inputs in;
    for (int i = 0; i < count; ++i) in.fields.push_back(ui.text(Name(prefix, i)).toStdString());
    return in;
}
} // namespace

class PagesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Ui> ui;

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale::c());
        ui = std::make_unique<Ui>();
        ui->click("cmdOhm");
    }
    void cleanup() { ui.reset(); }

    void colourCode_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("value");
        // clang-format off
        QTest::newRow("yellow violet red") << QList<int>{4, 7, 2} << "4700";
        QTest::newRow("black bands add nothing") << QList<int>{0, 5, 0} << "5";
        QTest::newRow("a fourth click starts anew") << QList<int>{1, 0, 0, 4, 7, 1} << "470";
        // clang-format on
    }
    void colourCode() {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, value);
        for (int d : clicks) ui->click(Name("lCol", d));
        QCOMPARE(ui->text("Ohm_0"), value);
        QCOMPARE(ui->focusName(), QString("Ohm_0"));
        QCOMPARE(ui->lamp("rCol_2"), Colour(clicks.last()));
        QCOMPARE(ui->lamp("rCol_1"), Colour(clicks[clicks.size() - 2]));
        QCOMPARE(ui->lamp("sOhm_0"), kGrey); // the code confirms nothing
    }

    void colourCodeAroundTypingAndExit() {
        ui->click("lCol_4");
        ui->click("cmdExit_0"); // the half-built value is forgotten
        ui->click("cmdOhm");
        ui->click("lCol_3");
        ui->click("Ohm_0");
        ui->type("3");
        ui->selectTab("TabOhm", 1); // a click from the LED tab brings the Ohm tab up
        ui->click("lCol_9");
        ui->click("lCol_1");
        QCOMPARE(ui->text("Ohm_0"), QString("3390"));
        QCOMPARE(ui->get<QTabWidget>("TabOhm")->currentIndex(), 0);
        QCOMPARE(ui->focusName(), QString("Ohm_0"));
    }

    void colourCodeFromTheKeyboard() {
        ui->get("lCol_4")->setFocus();
        ui->key(Qt::Key_Space);
        for (int i = 0; i < 3; ++i) ui->key(Qt::Key_Tab);
        ui->enter(); // violet
        for (int i = 0; i < 5; ++i) ui->key(Qt::Key_Backtab);
        ui->key(Qt::Key_Space); // red
        QCOMPARE(ui->text("Ohm_0"), QString("4700"));
    }

    void ohmNewResetsBandsAndBulb() {
        ui->confirm("Ohm_0", "100");
        ui->confirm("Ohm_1", "12");
        ui->key(Qt::Key_F12);
        QVERIFY(ui->get("imgLamp_1")->isVisible());
        ui->click("lCol_1");
        ui->click("lCol_0");
        ui->selectTab("TabOhm", 1);
        ui->click("cmdNew_0");
        QCOMPARE(ui->text("Ohm_0"), QString());
        QCOMPARE(ui->lamp("rCol_0"), QColor(255, 255, 0));
        QCOMPARE(ui->lamp("rCol_1"), QColor(128, 0, 128));
        QCOMPARE(ui->lamp("rCol_2"), QColor(255, 0, 0));
        QVERIFY(ui->get("imgLamp_1")->isHidden());
    }

    void ledComputesOnEnterInItsLastFieldAndOnRakna() {
        ui->confirm("Ohm_0", "100");
        ui->selectTab("TabOhm", 1);
        const QStringList values = {"9", "2", "15", "3"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(ui->focusName(), Name("txtLed", i));
            ui->key(Qt::Key_A, Qt::ControlModifier);
            ui->type(values[i]);
            ui->enter();
        }
        const ampero::CalculatorInfo& led = ampero::FindCalculator("txtLed");
        const auto result = [&] { return QString::fromStdString(led.eval(Read(*ui, "txtLed", 5)).fields.at(0).text); };
        const QString before = ui->text("txtLed_4");
        QVERIFY(result() != before);
        ui->enter(); // in the result field
        QCOMPARE(ui->text("txtLed_4"), result());
        ui->click("txtLed_2");
        ui->type("0");
        ui->click("cmdEval_0"); // the LED only
        QCOMPARE(ui->text("txtLed_4"), result());
        QCOMPARE(ui->text("Ohm_2"), QString());
        QVERIFY(ui->get("imgLamp_1")->isHidden());
        QCOMPARE(ui->state().EntryHistory[0], QString());
    }

    void seriesList() {
        ui->click("cmdKond");
        ui->selectTab("TabCap", 1);
        for (int i = 0; i < 9; ++i) {
            ui->click(Name("txtSerie", i));
            ui->enter(); // the eighth value goes back to the first, the answer on to "Ny"
            QCOMPARE(ui->focusName(), i == 8 ? QString("cmdSerieNy") : Name("txtSerie", i == 7 ? 0 : i + 1));
        }
        ui->click("txtSerie_0");
        ui->type("22");
        ui->click("txtSerie_5");
        ui->type("48");
        ui->click("cmdEval_1"); // the page's buttons leave the list alone
        ui->click("cmdNew_2");
        QCOMPARE(ui->text("txtSerie_8"), QString());
        QCOMPARE(ui->text("txtSerie_5"), QString("48"));
        const ampero::CalculatorInfo& serie = ampero::FindCalculator("Serie");
        ui->click("txtSerie_5");
        for (const char* how : {"F12", "cmdSerieCap", "cmdSerieCap"}) {
            const ampero::Outcome out = serie.eval(Read(*ui, "txtSerie", 10));
            QVERIFY(!out.fields.empty());
            QString(how) == "F12" ? ui->key(Qt::Key_F12) : ui->click(how);
            for (const ampero::FieldResult& r : out.fields) QCOMPARE(ui->text(Name("txtSerie", r.index)), QString::fromStdString(r.text));
        }
        QVERIFY(!ui->text("txtSerie_9").isEmpty()); // the second "Räkna" answered "Nästa blir"
        ui->click("cmdSerieNy");
        for (int i = 0; i < 10; ++i) QCOMPARE(ui->text(Name("txtSerie", i)), QString());
    }

    void microfaradCaption_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("point") << QLocale::c();
        QTest::newRow("Swedish comma") << QLocale(QLocale::Swedish, QLocale::Sweden);
    }
    void microfaradCaption() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        ui->click("cmdKond");
        ui->click("Cap_1");
        const std::string typed = "1000.5";
        for (size_t n = 1; n <= typed.size(); ++n) {
            ui->type(QString::fromStdString(typed.substr(n - 1, 1)));
            const char sep = locale.decimalPoint().at(0).toLatin1();
            QCOMPARE(ui->caption("lblcCap"), QString::fromStdString(ampero::MicrofaradCaption(typed.substr(0, n), sep)));
        }
        QVERIFY(ui->caption("lblcCap").contains(locale.decimalPoint()));
        ui->click("cmdNew_2");
        QCOMPARE(ui->caption("lblcCap"), QString());
    }

    void needle() {
        auto* line = ui->get<ampero::ui::LineShape>("LnjInstr");
        ui->click("cmdExit_0");
        QCOMPARE(line->start(), ampero::ui::TwPoint(4290, 3810)); // at rest before the page is opened
        ui->click("cmdReso");
        QCOMPARE(line->start(), ampero::ui::TwPoint(4568, 3720));
        ui->selectTab("TabRes", 1);
        ui->click("cmdEval_3"); // the impedance leaves the meter alone
        QCOMPARE(line->start(), ampero::ui::TwPoint(4568, 3720));
        ui->selectTab("TabRes", 0);
        ui->key(Qt::Key_F12);
        QCOMPARE(line->start(), ampero::ui::TwPoint(4382, 3720));
        QCOMPARE(line->end(), ampero::ui::TwPoint(4460, 3810));
    }

    void alSwitch() {
        ui->click("cmdIndukt");
        ui->selectTab("TabCoil", 1);
        for (const auto& [field, value] : {std::pair{"Coil_0", "5"}, {"Coil_1", "1"}, {"Coil_3", "50"}}) ui->confirm(field, value);
        QCOMPARE(ui->focusName(), QString("Coil_0")); // the turns lead back to the length
        ui->key(Qt::Key_F12);
        ui->click("chkAL");
        for (const char* n : {"Coil_0", "Coil_1", "sCoil_1", "imgSpol5"}) QVERIFY2(ui->get(n)->isHidden(), n);
        for (const char* n : {"AL_0", "imgAL", "imgSpol6"}) QVERIFY2(ui->get(n)->isVisible(), n);
        QCOMPARE(ui->focusName(), QString("AL_0"));
        QCOMPARE(ui->state().ConfirmedCount, 0);
        QCOMPARE(ui->lamp("sCoil_3"), kGrey);
        QCOMPARE(ui->caption("lblInd_0"), QString());
        ui->confirm("AL_0", "250");
        ui->confirm("Coil_3", "20");
        QCOMPARE(ui->focusName(), QString("cmdEval_2"));
        ui->key(Qt::Key_Space);
        QVERIFY(!ui->text("Coil_2").isEmpty());
        QCOMPARE(ui->state().EntryHistory[1], QString("1")); // the diameter's stays
        ui->click("chkAL");
        QVERIFY(ui->get("Coil_0")->isVisible() && ui->get("AL_0")->isHidden());
        QCOMPARE(ui->focusName(), QString("Coil_0"));
    }

    void ne555ValueTests_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        // clang-format off
        QTest::newRow("NE 555 Ra above 3300") << "RC555" << 0 << "3301";
        QTest::newRow("NE 555 f above 300 kHz") << "RC555" << 3 << "300001";
        QTest::newRow("NE 555 Rb 3300 taken") << "RC555" << 1 << "3300";
        QTest::newRow("tH/tL C below 1 nF") << "tHtL" << 2 << "0.9";
        QTest::newRow("tH/tL Rb 0") << "tHtL" << 1 << "0";
        // clang-format on
    }
    void ne555ValueTests() {
        QFETCH(QString, group);
        QFETCH(int, index);
        QFETCH(QString, typed);
        ui->click("cmdRC");
        ui->selectTab("TabRC", group == "RC555" ? 1 : 2);
        ui->confirm(Name(group, index), typed);
        const std::optional<std::string> refusal = ampero::NE555Refusal(index, typed.toStdString());
        QCOMPARE(ui->messages, refusal ? QStringList{QString::fromStdString(*refusal)} : QStringList{});
        QCOMPARE(ui->text(Name(group, index)), refusal ? QString() : typed);
        QCOMPARE(ui->lamp(Name(group == "RC555" ? "s555RC" : "stHtL", index)), refusal ? kGrey : kRed);
        QVERIFY(ui->plainBoxes);
    }

    void ne555ResultBoxAndCrosswiseHistory() {
        ui->click("cmdRC");
        ui->selectTab("TabRC", 1);
        ui->confirm("RC555_1", "3300");
        ui->confirm("RC555_2", "1000");
        ui->key(Qt::Key_F12); // two values: nothing
        QVERIFY(ui->get("pic555")->isHidden());
        ui->confirm("RC555_3", "100");
        ui->key(Qt::Key_F12);
        QVERIFY(ui->get("pic555")->isVisible());
        ampero::Inputs in = Read(*ui, "RC555", 4);
        in.fields[0].clear();
        in.confirmed = {false, true, true, true};
        QStringList negative; // Ra would be below zero
        for (const std::string& m : ampero::FindCalculator("RC555").eval(in).messages) negative << QString::fromStdString(m);
        QVERIFY(!negative.isEmpty());
        QCOMPARE(ui->messages, negative);
        // The history grid reads Ra f over Rb C, on this tab and on tH/tL.
        QApplication::setActiveWindow(ui->w.get()); // as the window system does after the box
        ui->selectTab("TabRC", 2);
        ui->confirm("tHtL_0", "20");
        ui->click("tHtL_0");
        ui->key(Qt::Key_Backspace);
        QList<QLabel*> grid;
        for (int i = 0; i < 4; ++i) grid << ui->get<QLabel>(Name("lblRC", i));
        std::sort(grid.begin(), grid.end(), [](QLabel* a, QLabel* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        QStringList read, fields;
        for (QLabel* l : grid) read << l->text();
        for (int i : {0, 3, 1, 2}) fields << ui->text(Name("RC555", i));
        QCOMPARE(read, fields);
    }
};

AMPERO_UI_TEST_MAIN(PagesTest)
#include "test_pages.moc"
