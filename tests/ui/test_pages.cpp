// What a page does beyond its calculators' protocol and dispatch, one case per
// behaviour.
#include "core/calculators.h"
#include "core/capacitive.h"
#include "core/colourcode.h"
#include "core/ne555.h"
#include "core/partslist.h"
#include "core/values.h"
#include "ui/twips.h"
#include "uitest.h"

using namespace uitest;

namespace {
QString Name(const QString& prefix, int i) { return QStringLiteral("%1_%2").arg(prefix).arg(i); }
QColor Colour(int d) { return QColor(ampero::kColourCode[size_t(d)].r, ampero::kColourCode[size_t(d)].g, ampero::kColourCode[size_t(d)].b); }
// The texts of a field array as a core evaluation reads them.
ampero::Inputs Read(Ui& ui, const QString& prefix, int count) {
    ampero::Inputs in;
    for (int i = 0; i < count; ++i) in.fields.push_back(ui.text(Name(prefix, i)).toStdString());
    return in;
}
// Kombination's lines and picture by the routine's caption slots; what a
// routine gives for one field in the window's locale, caption by caption.
QStringList Shown(Ui& ui) {
    QStringList l;
    for (const char* name : {"lblKomb_0", "lblKomb_1", "lblKomb_2", "imgKomb", "lblKomb_3"}) l << ui.text(name);
    return l;
}
QStringList Answer(const char* calc, const QString& text, int variant, std::vector<double> parts = {}) {
    QStringList l;
    const ampero::Inputs in{.fields = {text.toStdString()}, .variant = variant, .decimalSep = ampero::ui::ReadingSeparator(), .ownParts = std::move(parts)};
    for (const ampero::CaptionResult& c : ampero::FindCalculator(calc).eval(in).captions) l << QString::fromStdString(c.text);
    return l;
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

    // The colour buttons build Ohm_0 and colour the last two bands, confirming nothing.
    void colourCode_data() {
        Columns<QStringList, QString>("steps", "value");
        QTest::newRow("yellow violet red") << QStringList{"click:lCol_4", "click:lCol_7", "click:lCol_2"} << "4700";
        QTest::newRow("black bands add nothing") << QStringList{"click:lCol_0", "click:lCol_5", "click:lCol_0"} << "5";
        QTest::newRow("a fourth click starts anew") << QStringList{"click:lCol_1", "click:lCol_0", "click:lCol_0", "click:lCol_4", "click:lCol_7", "click:lCol_1"} << "470";
        QTest::newRow("Exit forgets, typing counts, the LED tab gives way") << QStringList{"click:lCol_4", "click:cmdExit_0", "click:cmdOhm", "click:lCol_3", "type:Ohm_0:3", "Tab:TabOhm:1", "click:lCol_9", "click:lCol_1"} << "3390";
    }
    void colourCode() {
        QFETCH(QStringList, steps); QFETCH(QString, value);
        ui->run(steps);
        const QColor bands[] = {Colour(steps[steps.size() - 2].back().digitValue()), Colour(steps.last().back().digitValue())};
        QCOMPARE((QStringList{ui->text("Ohm_0"), ui->focusName(), ui->get<QTabWidget>("TabOhm")->tabText(ui->get<QTabWidget>("TabOhm")->currentIndex())}),
                 (QStringList{value, "Ohm_0", "Ohm : s Lag"}));
        QCOMPARE((QList<QColor>{ui->lamp("rCol_1"), ui->lamp("rCol_2"), ui->lamp("sOhm_0")}), (QList<QColor>{bands[0], bands[1], kGrey}));
        // From the keyboard: Space and Enter on a colour.
        ui->get("lCol_4")->setFocus();
        for (Qt::Key k : {Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}) ui->key(k);
        QCOMPARE(ui->text("Ohm_0"), QString("47"));
        // "Ny" empties the value, puts the bands back and hides the bulb.
        ui->run({"Ohm_0=100", "Ohm_1=12", "F12"});
        QVERIFY(ui->get("imgLamp_1")->isVisible());
        ui->run({"Tab:TabOhm:1", "click:cmdNew_0"});
        QVERIFY(ui->text("Ohm_0").isEmpty() && ui->get("imgLamp_1")->isHidden());
        QCOMPARE((QList<QColor>{ui->lamp("rCol_0"), ui->lamp("rCol_1"), ui->lamp("rCol_2")}), (QList<QColor>{QColor(255, 255, 0), QColor(128, 0, 128), kRed}));
    }

    // A click that would take the value past 64 characters is refused whole; the count of clicks stays.
    void colourClickPastTheField() {
        ui->run({"click:lCol_9", "type:Ohm_0:" + QString(60, '1'), "click:lCol_9", "click:lCol_9"});
        QCOMPARE(ui->text("Ohm_0"), "9" + QString(60, '1') + "9"); // × 10⁹ would make 71 characters
        QCOMPARE(ui->lamp("rCol_2"), kRed); // the third band as it was
        for (int i = 0; i < 10; ++i) ui->key(Qt::Key_Backspace);
        ui->click("lCol_9"); // still the third band
        QCOMPARE(ui->text("Ohm_0"), "9" + QString(51, '1') + QString(9, '0'));
    }

    void ledTab() {
        ui->run({"Ohm_0=100", "Tab:TabOhm:1"});
        // Volts and milliamperes as the bench writes them; the count takes no letter.
        for (const char* v : {"9000m", "2", "15m", "3k"}) ui->key(Qt::Key_A, Qt::ControlModifier), ui->type(v), ui->enter();
        QCOMPARE((QStringList{ui->text("txtLed_0"), ui->text("txtLed_2"), ui->text("txtLed_3")}), (QStringList{"9", "15", "3"}));
        const ampero::CalculatorInfo& led = ampero::FindCalculator("txtLed");
        const auto result = [&] { return QString::fromStdString(led.eval(Read(*ui, "txtLed", 5)).fields.at(0).text); };
        QCOMPARE(ui->focusName(), QString("txtLed_4")); // Enter moved through the four values
        QVERIFY(result() != ui->text("txtLed_4"));
        ui->enter(); // in the result field
        QCOMPARE(ui->text("txtLed_4"), result());
        ui->run({"type:txtLed_2:0", "click:cmdEval_0"}); // the LED only
        QCOMPARE(ui->text("txtLed_4"), result());
        QVERIFY(ui->text("Ohm_2").isEmpty() && ui->state().EntryHistory[0].isEmpty() && ui->get("imgLamp_1")->isHidden());
    }

    void seriesList() {
        ui->run({"click:cmdKond", "Tab:TabCap:1"});
        for (int i = 0; i < 9; ++i) { // the eighth value goes back to the first, the answer on to "Ny"
            ui->run({"click:" + Name("txtSerie", i)}), ui->enter();
            QCOMPARE(ui->focusName(), i == 8 ? QString("cmdSerieNy") : Name("txtSerie", i == 7 ? 0 : i + 1));
        }
        ui->run({"type:txtSerie_0:22", "type:txtSerie_5:48", "click:cmdEval_1", "click:cmdNew_2"}); // the page's buttons leave it alone
        QCOMPARE(ui->text("txtSerie_5") + "|" + ui->text("txtSerie_8"), QString("48|"));
        ui->click("txtSerie_5");
        for (const char* how : {"F12", "click:cmdSerieCap", "click:cmdSerieCap"}) {
            const ampero::Outcome out = ampero::FindCalculator("Serie").eval(Read(*ui, "txtSerie", 10));
            QVERIFY(!out.fields.empty());
            ui->run({how});
            for (const ampero::FieldResult& r : out.fields) QCOMPARE(ui->text(Name("txtSerie", r.index)), QString::fromStdString(r.text));
        }
        QVERIFY(!ui->text("txtSerie_9").isEmpty()); // the second "Räkna" answered "Nästa blir"
        ui->click("cmdSerieNy");
        for (int i = 0; i < 10; ++i) QCOMPARE(ui->text(Name("txtSerie", i)), QString());
    }

    // Follows each key; the separator from the environment is test_locale's.
    void microfaradCaption() {
        ui->run({"click:cmdKond", "click:Cap_1"});
        for (const QString typed : {"1", "10", "100", "1000", "1000.", "1000.5"}) {
            ui->type(typed.right(1));
            QCOMPARE(ui->text("lblcCap"), QString::fromStdString(ampero::MicrofaradCaption(typed.toStdString())));
        }
        ui->click("cmdNew_2");
        QCOMPARE(ui->text("lblcCap"), QString());
    }

    void needle() {
        using ampero::ui::TwPoint;
        auto* line = ui->get<ampero::ui::LineShape>("LnjInstr");
        ui->click("cmdExit_0");
        QCOMPARE(line->start(), TwPoint(4290, 3810)); // at rest before the page is opened
        ui->click("cmdReso");
        QCOMPARE(line->start(), TwPoint(4568, 3720));
        ui->run({"Tab:TabRes:1", "click:cmdEval_3", "Tab:TabRes:0"}); // the impedance leaves the meter alone
        QCOMPARE(line->start(), TwPoint(4568, 3720));
        ui->run({"F12"});
        QCOMPARE(std::pair(line->start(), line->end()), std::pair(TwPoint(4382, 3720), TwPoint(4460, 3810)));
    }

    void alSwitch() {
        ui->run({"click:cmdIndukt", "Tab:TabCoil:1", "Coil_0=5", "Coil_1=1", "Coil_3=50"});
        QCOMPARE(ui->focusName(), QString("Coil_0")); // the turns lead back to the length
        ui->run({"F12", "click:chkAL"});
        for (const char* n : {"Coil_0", "Coil_1", "sCoil_1", "imgSpol5"}) QVERIFY2(ui->get(n)->isHidden(), n);
        for (const char* n : {"AL_0", "imgAL", "imgSpol6"}) QVERIFY2(ui->get(n)->isVisible(), n);
        QCOMPARE((QStringList{ui->focusName(), QString::number(ui->state().ConfirmedCount()), ui->lamp("sCoil_3").name(), ui->text("lblInd_0")}),
                 (QStringList{"AL_0", "0", kGrey.name(), ""}));
        QCOMPARE(ui->get("lblInd_0")->accessibleName(), QString("Historia AL-värde nH/N²")); // the caption speaks of AL now
        ui->run({"AL_0=250", "Coil_3=20"});
        QCOMPARE(ui->focusName(), QString("cmdEval_2"));
        ui->key(Qt::Key_Space);
        QVERIFY(!ui->text("Coil_2").isEmpty());
        QCOMPARE(ui->state().EntryHistory[1], QString("1")); // the diameter's stays
        ui->click("chkAL");
        QVERIFY(ui->get("Coil_0")->isVisible() && ui->get("AL_0")->isHidden() && ui->focusName() == "Coil_0");
        QCOMPARE(ui->get("lblInd_0")->accessibleName(), QString("Historia Längd cm"));
    }

    // Kombination computes on Enter and on another series, and empties on a withdrawal;
    // Märkning reads on Enter and on the other option, "Ny" empties it.
    void tools() {
        ui->run({"click:cmdVerktyg", "Tab:TabVerktyg:1", "type:Komb_0:667"}), ui->enter();
        const auto row = [&](const char* calc, const char* text, int variant) { return Answer(calc, text, variant); };
        QCOMPARE(Shown(*ui), row("Komb", "667", 1));
        ui->click("optKomb_2");
        QCOMPARE(Shown(*ui), row("Komb", "667", 2));
        ui->run({"BS:Komb_0"});
        QCOMPARE(Shown(*ui), QStringList(5, ""));
        ui->run({"Tab:TabVerktyg:2", "type:txtMark:1 0-4k"}), ui->enter();
        QCOMPARE(ui->text("txtMark"), "104k"); // the blank and the minus not taken
        QCOMPARE((QStringList{ui->text("lblMark"), ui->text("imgMark")}), row("Mark", "104k", 0));
        ui->click("optMark_1");
        QCOMPARE((QStringList{ui->text("lblMark"), ui->text("imgMark")}), row("Mark", "104k", 1));
        auto* mark = ui->get<QLineEdit>("txtMark"); // the longest code it reads, 16 characters, shows whole
        QVERIFY(QFontMetrics(mark->font()).horizontalAdvance(QStringLiteral("R000000000000047")) <= mark->contentsRect().width() - 6);
        ui->click("cmdNew_5");
        QCOMPARE((QStringList{ui->text("txtMark"), ui->text("lblMark"), ui->text("imgMark"), ui->focusName()}), (QStringList{"", "", "", "txtMark"}));
    }

    // The tools' answers always belong to the series shown and the values in
    // the fields: "Komb <v>" the lines as the core gives them for the target
    // in series v, "Div <v>" the best pair and its note, "empty" no answer left.
    void toolAnswers_data() {
        Columns<QStringList, QString>("steps", "expect");
        QTest::newRow("series after a tab change") << QStringList{"Komb_0=4321", "Tab:TabVerktyg:3", "Tab:TabVerktyg:1", "click:optKomb_0"} << "Komb 0";
        QTest::newRow("series after another page") << QStringList{"Komb_0=4321", "click:cmdOhm", "click:cmdVerktyg", "click:optKomb_2"} << "Komb 2";
        QTest::newRow("series after the target changed") << QStringList{"Komb_0=4321", "Tab:TabVerktyg:3", "Tab:TabVerktyg:1", "type:Komb_0:5", "click:optKomb_0"} << "empty";
        QTest::newRow("cut withdraws the target") << QStringList{"Komb_0=4321", "cut:Komb_0"} << "empty";
        QTest::newRow("Exit empties the answers") << QStringList{"Komb_0=667", "Tab:TabVerktyg:2", "type:txtMark:472\r", "click:cmdExit_5", "click:cmdVerktyg"} << "empty";
        QTest::newRow("empty marking shows nothing") << QStringList{"Tab:TabVerktyg:2", "type:txtMark:\r", "F12", "click:cmdEval_5", "click:optMark_1"} << "empty";
        QTest::newRow("divider pair in another series") << QStringList{"Tab:TabVerktyg:0", "Div_0=5", "Div_3=3.3", "F12", "click:optDiv_0"} << "Div 0";
        QTest::newRow("divider pair after a tab change") << QStringList{"Tab:TabVerktyg:0", "Div_0=5", "Div_3=3.3", "F12", "Tab:TabVerktyg:3", "Tab:TabVerktyg:0", "click:optDiv_2"} << "Div 2";
    }
    void toolAnswers() {
        QFETCH(QStringList, steps); QFETCH(QString, expect);
        ui->run(QStringList{"click:cmdVerktyg", "Tab:TabVerktyg:1"} + steps);
        const int variant = expect.section(' ', 1).toInt();
        QStringList shown, want;
        if (expect.startsWith("Komb")) {
            shown = Shown(*ui), want = Answer("Komb", ui->text("Komb_0"), variant);
        } else if (expect.startsWith("Div")) {
            shown << ui->text("Div_1") << ui->text("Div_2") << ui->text("lblStandard");
            const ampero::Outcome o = ampero::FindCalculator("Div").eval({.fields = {"5", "", "", "3.3"}, .confirmed = {true, false, false, true}, .variant = variant, .decimalSep = ampero::ui::ReadingSeparator()});
            for (const ampero::FieldResult& f : o.fields) want << QString::fromStdString(f.text);
            want << QString::fromStdString(o.note);
        } else {
            shown = Shown(*ui) << ui->text("txtMark") << ui->text("lblMark") << ui->text("imgMark");
            want = QStringList(int(shown.size()), "");
        }
        QCOMPARE(shown, want);
        QCOMPARE(ui->messages, QStringList{});
    }

    // "Egna delar": the list read as it is typed, OK refused while a word
    // cannot be read, Avbryt keeping the list; the parts then answer on both tabs.
    void ownParts_data() {
        Columns<QString, QString, QString, QString>("typed", "line", "button", "kept");
        QTest::newRow("each separator and form") << "4k7; 470R\n10 k, 1M 4,7 kΩ\t220" << "5 värden" << "cmdEgnaOK" << "220 470 4700 10000 1000000";
        QTest::newRow("one value") << "1 MΩ" << "1 värde" << "cmdEgnaOK" << "1000000";
        QTest::newRow("unreadable words named") << "4x7 100 abc 0.05 200M" << "Kan inte läsa: 4x7, abc, 0.05, 200M" << "cmdEgnaOK" << "100 330";
        QTest::newRow("Avbryt keeps the list") << "4k7" << "1 värde" << "cmdEgnaAvbryt" << "100 330";
        QTest::newRow("an empty list") << "" << "0 värden" << "cmdEgnaOK" << "";
    }
    void ownParts() {
        QFETCH(QString, typed); QFETCH(QString, line); QFETCH(QString, button); QFETCH(QString, kept);
        QSettings store(QStringLiteral("ampero"), QStringLiteral("ampero"));
        store.setValue("tools/ownParts", "100 330");
        ui.reset(), ui = std::make_unique<Ui>(&store); // remembering, in the test's own folder
        QString shown;
        ui->onDialog = [&](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Egna delar"));
            auto* text = d->findChild<QPlainTextEdit*>("txtEgna");
            QCOMPARE(text->toPlainText(), QString("100\n330"));
            text->setPlainText(typed), shown = d->findChild<QLabel*>("lblEgna")->text();
            QTest::mouseClick(d->findChild<QPushButton*>(button), Qt::LeftButton);
            if (d->isVisible()) d->reject(); // OK refused
        };
        for (const QStringList& steps : {QStringList{"click:cmdVerktyg", "click:optDiv_3", "click:cmdEgna_0"}, {"Div_0=5", "Div_3=3.3", "F12"}, {"Tab:TabVerktyg:1", "click:optKomb_3", "Komb_0=667"}})
            ui->run(steps), QApplication::setActiveWindow(ui->w.get()); // as the window system does after a dialog or a message
        QCOMPARE(shown, line);
        QCOMPARE(store.value("tools/ownParts").toString(), kept);
        const ampero::PartsList parts = ampero::ReadPartsList(kept.toStdString());
        const ampero::Outcome div = ampero::FindCalculator("Div").eval({.fields = {"5", "", "", "3.3"}, .confirmed = {true, false, false, true}, .variant = 3, .decimalSep = ampero::ui::ReadingSeparator(), .ownParts = parts.values});
        QCOMPARE(ui->messages, div.messages.empty() ? QStringList{} : QStringList{QString::fromStdString(div.messages[0])});
        QCOMPARE(ui->text("Div_1"), div.fields.empty() ? "" : QString::fromStdString(div.fields[0].text));
        QCOMPARE(Shown(*ui), Answer("Komb", "667", 3, parts.values));
    }

    // The choices and the parts are kept where a second window finds them; a
    // list that cannot be read back leaves the file as it is and says so once.
    void remembered_data() {
        Columns<QByteArray, QString>("file", "message");
        QTest::newRow("kept and read back") << QByteArray() << "";
        QTest::newRow("parts unreadable") << QByteArray("[tools]\nownParts=4x7 100\ncombinationSeries=3\n") << "Kunde inte läsa egna delar";
        QTest::newRow("a file Qt cannot read") << QByteArray("[tools\nownParts=\"100\n\x01\n") << "Kunde inte läsa egna delar";
    }
    void remembered() {
        QFETCH(QByteArray, file); QFETCH(QString, message);
        const QString path = QSettings(QStringLiteral("ampero"), QStringLiteral("ampero")).fileName();
        QFile::remove(path);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (!file.isEmpty()) {
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
            f.close();
        }
        {
            QSettings store(QStringLiteral("ampero"), QStringLiteral("ampero"));
            ui.reset(), ui = std::make_unique<Ui>(&store);
            ui->w->PlaceOnScreen();
            ui->run({"click:cmdVerktyg", "click:optDiv_2", "Tab:TabVerktyg:1", "click:optKomb_0", "Tab:TabVerktyg:2", "click:optMark_1"});
            ui->w->move(5, 7);
            QTRY_COMPARE(ui->messages, message.isEmpty() ? QStringList{} : QStringList{message});
            ui->get<QAction>("mnuSprak_1")->trigger();
            ui.reset();
        }
        QSettings store(QStringLiteral("ampero"), QStringLiteral("ampero"));
        Ui second(&store);
        second.w->PlaceOnScreen();
        second.run({"click:cmdVerktyg"});
        if (!file.isEmpty()) { // untouched, and the choices as they were
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), file);
            return;
        }
        QVERIFY(second.get<QRadioButton>("optDiv_2")->isChecked() && second.get<QRadioButton>("optKomb_0")->isChecked() && second.get<QRadioButton>("optMark_1")->isChecked());
        QVERIFY(second.get<QAction>("mnuSprak_1")->isChecked() && second.get<QPushButton>("cmdEval_0")->text() != "Räkna");
        QCOMPARE(second.w->pos(), QPoint(5, 7));
    }

    // A line that speaks of a resistance takes its value to Kombination.
    void standardLineToCombination() {
        ui->run({"Ohm_1=10", "Ohm_3=0.015", "F12"});
        auto* line = ui->get<QLabel>("lblStandard");
        line->repaint(); // the line fits itself when painted, and keeps its tip
        QCOMPARE((QStringList{line->toolTip(), QString::number(line->cursor().shape())}), (QStringList{"Klicka för två motstånd som ger värdet", QString::number(Qt::PointingHandCursor)}));
        ui->click(line);
        QVERIFY(ui->get("Komb_0")->isVisible());
        QCOMPARE((QStringList{ui->text("Komb_0"), ui->lamp("sKomb_0").name(), ui->text("lblKomb_0").left(16)}), (QStringList{"666.666667", kRed.name(), "Närmast: 680 Ω ("}));
        ui->run({"click:cmdRC", "RC_0=1592", "RC_1=100", "F12"}); // a frequency: no click
        QVERIFY(ui->get<QLabel>("lblStandard")->toolTip().isEmpty());
    }

    // The AL value comes before the second of the other fields: after two it is refused.
    void alBeforeTheSecondValue() {
        ui->run({"click:cmdIndukt", "Tab:TabCoil:1", "click:chkAL", "Coil_2=100", "Coil_3=20", "AL_0=250"});
        QCOMPARE((QList<QColor>{ui->lamp("sCoil_0"), ui->lamp("sCoil_2"), ui->lamp("sCoil_3")}), (QList<QColor>{kGrey, kRed, kRed}));
    }

    void ne555ValueTests_data() {
        Columns<QString, QString>("field", "typed");
        QTest::newRow("NE 555 Ra above 3300") << "RC555_0" << "3301";
        QTest::newRow("NE 555 f above 300 kHz") << "RC555_3" << "300001";
        QTest::newRow("NE 555 Rb 3300 taken") << "RC555_1" << "3300";
        QTest::newRow("tH/tL C below 1 nF") << "tHtL_2" << "0.9";
        QTest::newRow("tH/tL Rb 0") << "tHtL_1" << "0";
        QTest::newRow("NE 555 Ra 3M3 read as 3300 taken") << "RC555_0" << "3M3";
        QTest::newRow("NE 555 Ra 3M4 read as 3400") << "RC555_0" << "3M4";
        QTest::newRow("tH/tL Ra 3k3 read as 3.3") << "tHtL_0" << "3k3";
        QTest::newRow("tH/tL C 2u2 read as 2200 nF") << "tHtL_2" << "2u2";
    }
    void ne555ValueTests() {
        QFETCH(QString, field); QFETCH(QString, typed);
        const bool ne555 = field.startsWith("RC555");
        ui->run({"click:cmdRC", QString("Tab:TabRC:%1").arg(ne555 ? 1 : 2), field + "=" + typed});
        const int index = field.back().digitValue();
        const std::string read = ampero::ConfirmedText(typed.toStdString(), ampero::UnitOf(ampero::FindCalculator("RC555"), index));
        const auto refusal = ampero::NE555Refusal(index, read);
        QCOMPARE(ui->messages, refusal ? QStringList{QString::fromStdString(*refusal)} : QStringList{});
        QCOMPARE(ui->text(field), refusal ? QString() : QString::fromStdString(read));
        QVERIFY(ui->plainBoxes && ui->lamp(QString(ne555 ? "s555RC_" : "stHtL_") + field.back()) == (refusal ? kGrey : kRed));
    }

    void ne555ResultBoxAndCrosswiseHistory() {
        ui->run({"click:cmdRC", "Tab:TabRC:1", "RC555_1=3300", "RC555_2=1000", "F12"}); // two values: nothing
        QVERIFY(ui->get("pic555")->isHidden());
        ui->run({"RC555_3=100", "F12"});
        QVERIFY(ui->get("pic555")->isVisible());
        ampero::Inputs in = Read(*ui, "RC555", 4);
        in.fields[0].clear();
        in.confirmed = {false, true, true, true};
        QStringList negative; // Ra would be below zero
        for (const std::string& m : ampero::FindCalculator("RC555").eval(in).messages) negative << QString::fromStdString(m);
        QVERIFY(!negative.isEmpty() && ui->messages == negative);
        // The history grid reads Ra f over Rb C, on this tab and on tH/tL.
        QApplication::setActiveWindow(ui->w.get()); // as the window system does after the box
        ui->run({"Tab:TabRC:2", "tHtL_1=20", "tHtL_2=20", "tHtL_0=20", "type:tHtL_3:5", "BS:tHtL_0"});
        QCOMPARE(ui->text("tHtL_3"), QString()); // discarded at the limit of three
        QList<QLabel*> grid;
        for (int i = 0; i < 4; ++i) grid << ui->get<QLabel>(Name("lblRC", i));
        std::sort(grid.begin(), grid.end(), [](QLabel* a, QLabel* b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
        QStringList read, fields;
        for (int i : {0, 3, 1, 2}) read << grid[fields.size()]->text(), fields << ui->text(Name("RC555", i));
        QCOMPARE(read, fields);
    }
};

AMPERO_UI_TEST_MAIN(PagesTest)
#include "test_pages.moc"
