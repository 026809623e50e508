// The decimal separator taken from the environment the window starts in;
// ctest runs this once per locale and says in AMPERO_EXPECT_SEPARATOR which
// separator that locale writes. The NE 555 times and split and the
// microfarad print follow it; computed fields keep ".".
#include "core/calculators.h"
#include "core/capacitive.h"
#include "uitest.h"

using namespace uitest;

class LocaleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captionsFollowTheEnvironment() {
        const QString sep = qEnvironmentVariable("AMPERO_EXPECT_SEPARATOR");
        if (sep.isEmpty()) QSKIP("run by ctest with a locale in the environment (ui_test_locale_*)");
        Ui ui;
        ui.click("cmdRC");
        ui.selectTab("TabRC", 1);
        ampero::Inputs in{{"10", "100", "", "686"}, {true, true, false, true}};
        in.decimalSep = sep.at(0).toLatin1();
        for (int i : {0, 1, 3}) ui.confirm(QStringLiteral("RC555_%1").arg(i), QString::fromStdString(in.fields[size_t(i)]));
        ui.key(Qt::Key_F12);
        const ampero::Outcome out = ampero::FindCalculator("RC555").eval(in);
        QCOMPARE(ui.text("RC555_2"), QString::fromStdString(out.fields.at(0).text));
        QVERIFY(!ui.text("RC555_2").contains(','));
        QStringList want, shown{ui.caption("lbl555_4"), ui.caption("lbl555_5"), ui.caption("lbl555_3")};
        for (const ampero::CaptionResult& c : out.captions) want << QString::fromStdString(c.text);
        QCOMPARE(shown, want);
        QVERIFY(want.join("").contains(sep));
        ui.click("cmdKond");
        ui.click("Cap_1");
        ui.type("1000");
        QCOMPARE(ui.caption("lblcCap"), QString::fromStdString(ampero::MicrofaradCaption("1000", in.decimalSep)));
    }
};

AMPERO_UI_TEST_MAIN(LocaleTest)
#include "test_locale.moc"
