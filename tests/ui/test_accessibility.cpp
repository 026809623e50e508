// What a screen reader gets from the window: the name of every entry field
// (quantity and unit), the lamp state as the field's description, the
// captions of buttons, check boxes, options and tabs, and the text of a
// message box.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QRadioButton>
#include <QSet>

#include "uitest.h"

using namespace uitest;

namespace {

QAccessibleInterface* Iface(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

QString Name(QObject* o) {
    QAccessibleInterface* i = Iface(o);
    return i ? i->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

QString Description(QObject* o) {
    QAccessibleInterface* i = Iface(o);
    return i ? i->text(QAccessible::Description) : QStringLiteral("<no interface>");
}

QAccessible::Role Role(QObject* o) {
    QAccessibleInterface* i = Iface(o);
    return i ? i->role() : QAccessible::NoRole;
}

// Every field the user can type into, and what it is called.
struct FieldName {
    const char* object;
    const char* name;
};
const FieldName kFieldNames[] = {
    {"Ohm_0", "Resistans Ohm"},
    {"Ohm_1", "Spänning Volt"},
    {"Ohm_2", "Effekt Watt"},
    {"Ohm_3", "Ström Amper"},
    {"txtLed_0", "Drivspänning Volt"},
    {"txtLed_1", "Vf Volt"},
    {"txtLed_2", "Max mA"},
    {"txtLed_3", "Antal i serie"},
    {"txtLed_4", "Ohm i serie"},
    {"RC_0", "Resistans Ohm"},
    {"RC_1", "Kapacitans nF"},
    {"RC_2", "Frekvens Hz"},
    {"RC555_0", "Ra  kOhm"},
    {"RC555_1", "Rb  kOhm"},
    {"RC555_2", "C  nF"},
    {"RC555_3", "f  Hz"},
    {"tHtL_0", "Ra  kOhm"},
    {"tHtL_1", "Rb  kOhm"},
    {"tHtL_2", "C  nF"},
    {"tHtL_3", "f  Hz"},
    {"Cap_0", "Frekvens Mhz"},
    {"Cap_1", "Kapacitans pF"},
    {"Cap_2", "Reaktans Ohm"},
    {"txtSerie_0", "Värde 1"},
    {"txtSerie_1", "Värde 2"},
    {"txtSerie_2", "Värde 3"},
    {"txtSerie_3", "Värde 4"},
    {"txtSerie_4", "Värde 5"},
    {"txtSerie_5", "Värde 6"},
    {"txtSerie_6", "Värde 7"},
    {"txtSerie_7", "Värde 8"},
    {"txtSerie_8", "Svar"},
    {"txtSerie_9", "Nästa blir"},
    {"Ind_0", "Frekvens Mhz"},
    {"Ind_1", "Induktans µH"},
    {"Ind_2", "Reaktans Ohm"},
    {"Coil_0", "Längd cm"},
    {"Coil_1", "Diameter cm"},
    {"Coil_2", "Induktans µH"},
    {"Coil_3", "Antal Varv"},
    {"AL_0", "AL-värde nH/N²"},
    {"Res_0", "Kapacitans pF"},
    {"Res_1", "Frekvens Mhz"},
    {"Res_2", "Induktans µH"},
    {"iRes_0", "Kapacitans pF"},
    {"iRes_1", "Frekvens Mhz"},
    {"iRes_2", "Induktans µH"},
    {"iRes_3", "Impedans Z ohm"},
    {"iResR2", "Motstånd Rs ohm"},
};

// A name says its unit, or that it counts, or (the series list, whose unit
// is the one the user keeps to) its place.
bool TellsUnit(const QString& name) {
    static const QStringList units = {"Ohm", "ohm", "kOhm", "Volt", "Watt", "Amper", "mA",   "nF",
                                      "pF",  "Hz",  "Mhz",  "µH",   "cm",   "nH/N²", "Antal"};
    static const QStringList placed = {"Värde", "Svar", "Nästa"};
    const QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() >= 2 && words.front() == QLatin1String("Värde")) return true;
    for (const QString& w : words)
        if (units.contains(w)) return words.size() >= 2;
    return words.size() >= 1 && placed.contains(words.front());
}

// The line edits in the window a user can reach.
QList<QLineEdit*> TypableFields(QWidget* window) {
    QList<QLineEdit*> out;
    for (QLineEdit* e : window->findChildren<QLineEdit*>())
        if (e->focusPolicy() != Qt::NoFocus) out << e;
    return out;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Ui> ui;

private Q_SLOTS:
    void init() { ui = std::make_unique<Ui>(); }
    void cleanup() { ui.reset(); }

    void everyFieldIsNamed() {
        QSet<QString> known;
        for (const FieldName& f : kFieldNames) known << QString::fromUtf8(f.object);
        const QList<QLineEdit*> fields = TypableFields(ui->w.get());
        QVERIFY(fields.size() >= 40);
        for (QLineEdit* e : fields) {
            const QString name = Name(e);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(e->objectName() + " has no accessible name"));
            QVERIFY2(TellsUnit(name), qPrintable(e->objectName() + ": \"" + name + "\" says no unit"));
            QVERIFY2(known.contains(e->objectName()), qPrintable(e->objectName() + " is not in the table"));
            QCOMPARE(Role(e), QAccessible::EditableText);
        }
    }

    void fieldNames_data() {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("name");
        for (const FieldName& f : kFieldNames)
            QTest::newRow(f.object) << QString::fromUtf8(f.object) << QString::fromUtf8(f.name);
    }
    void fieldNames() {
        QFETCH(QString, object);
        QFETCH(QString, name);
        QCOMPARE(Name(ui->get<QLineEdit>(object)), name);
    }

    // On one tab no two fields sound alike.
    void namesDifferOnATab() {
        for (QTabWidget* tabs : ui->w->findChildren<QTabWidget*>()) {
            for (int t = 0; t < tabs->count(); ++t) {
                QStringList names;
                for (QLineEdit* e : tabs->widget(t)->findChildren<QLineEdit*>())
                    if (e->focusPolicy() != Qt::NoFocus) names << Name(e);
                const QStringList unique = QStringList(QSet<QString>(names.begin(), names.end()).values());
                QVERIFY2(unique.size() == names.size(), qPrintable(tabs->tabText(t) + ": " + names.join(", ")));
            }
        }
    }

    // The description follows the field's lamp on every page.
    void descriptionFollowsLamp_data() {
        QTest::addColumn<QString>("nav");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("computed");
        // clang-format off
        QTest::newRow("Ohm's law") << "cmdOhm" << "Ohm_0" << "100" << "Ohm_1" << "12" << "Ohm_3";
        QTest::newRow("RC") << "cmdRC" << "RC_0" << "1000" << "RC_1" << "100" << "RC_2";
        QTest::newRow("reactance C") << "cmdKond" << "Cap_0" << "1" << "Cap_1" << "100" << "Cap_2";
        QTest::newRow("reactance L") << "cmdIndukt" << "Ind_0" << "1" << "Ind_1" << "10" << "Ind_2";
        QTest::newRow("resonance") << "cmdReso" << "Res_0" << "100" << "Res_1" << "1" << "Res_2";
        // clang-format on
    }
    void descriptionFollowsLamp() {
        QFETCH(QString, nav);
        QFETCH(QString, first);
        QFETCH(QString, a);
        QFETCH(QString, second);
        QFETCH(QString, b);
        QFETCH(QString, computed);
        ui->nav(nav);
        QCOMPARE(ui->focusName(), first);
        QCOMPARE(Description(ui->get(first)), QString());
        ui->type(a);
        ui->enter();
        QCOMPARE(Description(ui->get(first)), QString("bekräftad"));
        QCOMPARE(ui->focusName(), second);
        ui->type(b);
        ui->enter();
        QCOMPARE(Description(ui->get(second)), QString("bekräftad"));
        QCOMPARE(Description(ui->get(computed)), QString());
        ui->click(second);
        ui->f12();
        QVERIFY(!ui->text(computed).isEmpty());
        QCOMPARE(Description(ui->get(computed)), QString("beräknad"));
        ui->backspace();
        QCOMPARE(Description(ui->get(second)), QString());
        QCOMPARE(Description(ui->get(computed)), QString());
        QCOMPARE(Description(ui->get(first)), QString("bekräftad"));
        ui->click(first);
        ui->esc();
        QCOMPARE(Description(ui->get(first)), QString());
    }

    void controlNames_data() {
        QTest::addColumn<QString>("nav");
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        const int button = QAccessible::Button, check = QAccessible::CheckBox, radio = QAccessible::RadioButton;
        // clang-format off
        QTest::newRow("nav Ohm") << "" << "cmdOhm" << button << "Ohm: s Lag" << "Alt+O";
        QTest::newRow("nav RC") << "" << "cmdRC" << button << "R C  Nät" << "";
        QTest::newRow("nav Kond") << "" << "cmdKond" << button << "Kondensator" << "Alt+K";
        QTest::newRow("nav Spolar") << "" << "cmdIndukt" << button << "Spolar" << "Alt+S";
        QTest::newRow("nav Resonans") << "" << "cmdReso" << button << "Resonans" << "Alt+R";
        QTest::newRow("Räkna") << "cmdOhm" << "cmdEval_0" << button << "Räkna" << "";
        QTest::newRow("Ny") << "cmdOhm" << "cmdNew_0" << button << "Ny" << "Alt+N";
        QTest::newRow("Exit") << "cmdOhm" << "cmdExit_0" << button << "Exit" << "Alt+x";
        QTest::newRow("series Räkna") << "cmdKond" << "cmdSerieCap" << button << "Räkna" << "";
        QTest::newRow("astable") << "cmdRC" << "chkAsta" << check << "Astabil vippa" << "";
        QTest::newRow("AL known") << "cmdIndukt" << "chkAL" << check << "AL-värdet är känt" << "Alt+L";
        QTest::newRow("tH") << "cmdRC" << "opttH" << radio << "Räkna på tid Hög" << "";
        QTest::newRow("parallel") << "cmdReso" << "optPar" << radio << "Parallell koppling" << "Alt+P";
        QTest::newRow("series") << "cmdReso" << "optSerie" << radio << "Serie koppling" << "Alt+i";
        // clang-format on
    }
    void controlNames() {
        QFETCH(QString, nav);
        QFETCH(QString, object);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, key);
        if (!nav.isEmpty()) ui->nav(nav);
        QWidget* w = ui->get(object);
        QCOMPARE(int(Role(w)), role);
        QCOMPARE(Name(w), name);
        QAccessibleActionInterface* act = Iface(w)->actionInterface();
        QVERIFY(act);
        const QString press = role == QAccessible::Button ? QAccessibleActionInterface::pressAction()
                                                          : QAccessibleActionInterface::toggleAction();
        QVERIFY2(act->actionNames().contains(press), qPrintable(act->actionNames().join(", ")));
        // The access key, as a screen reader announces it.
        QCOMPARE(Iface(w)->text(QAccessible::Accelerator), key);
    }

    void tabNames_data() {
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("Ohm") << "TabOhm" << QStringList{"Ohm : s Lag", "LED beräkningar", "Info"};
        QTest::newRow("RC") << "TabRC" << QStringList{"Astabil vippa", "NE 555", "tH och tL", "Info"};
        QTest::newRow("Cap") << "TabCap" << QStringList{"Kondensator XC", "Seriekoppling", "Info"};
        QTest::newRow("Coil") << "TabCoil" << QStringList{"Spolar XL", " Tillverka Spolar", "Info"};
        QTest::newRow("Res") << "TabRes" << QStringList{"Resonans Fq", "Icke Resonans", "Info"};
    }
    void tabNames() {
        QFETCH(QString, tabs);
        QFETCH(QStringList, names);
        QTabBar* bar = ui->get<QTabWidget>(tabs)->tabBar();
        QAccessibleInterface* i = Iface(bar);
        QVERIFY(i);
        QCOMPARE(i->role(), QAccessible::PageTabList);
        QStringList seen;
        for (int c = 0; c < i->childCount(); ++c) {
            QAccessibleInterface* child = i->child(c);
            if (child && child->role() == QAccessible::PageTab) seen << child->text(QAccessible::Name);
        }
        QCOMPARE(seen, names);
    }

    // The message box is read: a dialog named by its title whose text is a
    // static text among its children.
    void messageBoxIsRead_data() {
        QTest::addColumn<QString>("nav");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("dimensions") << "cmdIndukt" << 1 << "TabCoil" << " Längd och Diameter måste vara ifyllda";
        QTest::newRow("frequency") << "cmdReso" << 1 << "TabRes" << "Frekvens måste vara ifylld";
        // clang-format on
    }
    void messageBoxIsRead() {
        QFETCH(QString, nav);
        QFETCH(int, tab);
        QFETCH(QString, tabs);
        QFETCH(QString, message);
        struct Seen : QObject {
            QString name;
            QAccessible::Role role = QAccessible::NoRole;
            QStringList texts;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::Show && qobject_cast<QMessageBox*>(o)) {
                    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(o);
                    if (!box) return false;
                    name = box->text(QAccessible::Name);
                    role = box->role();
                    for (int c = 0; c < box->childCount(); ++c)
                        if (QAccessibleInterface* ch = box->child(c); ch && ch->role() == QAccessible::StaticText)
                            texts << ch->text(QAccessible::Name);
                }
                return false;
            }
        } seen;
        qApp->installEventFilter(&seen);
        ui->nav(nav);
        ui->selectTab(tabs, tab);
        if (nav == "cmdReso") {
            ui->click("iRes_1");
            ui->key(Qt::Key_A, Qt::ControlModifier);
            ui->backspace();
        }
        ui->f12();
        qApp->removeEventFilter(&seen);
        QCOMPARE(ui->messages.texts, QStringList{message});
        QVERIFY2(seen.role == QAccessible::Dialog || seen.role == QAccessible::AlertMessage,
                 qPrintable(QString::number(seen.role)));
        QCOMPARE(seen.name, QString("Ampero"));
        QVERIFY2(seen.texts.contains(message), qPrintable(seen.texts.join(" | ")));
    }
};

AMPERO_UI_TEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
