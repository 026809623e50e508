// The decimal separator from the environment the window starts in; ctest runs
// this once per locale with the separator it writes in AMPERO_EXPECT_SEPARATOR.
// The NE 555 times and split and the microfarad caption follow it; computed
// fields keep ".".
#include "core/calculators.h"
#include "core/capacitive.h"
#include "uitest.h"

class LocaleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captionsFollowTheEnvironment() {
        const QString sep = qEnvironmentVariable("AMPERO_EXPECT_SEPARATOR");
        if (sep.isEmpty()) QSKIP("run by ctest with a locale in the environment (ui_test_locale_*)");
        uitest::Ui ui;
        ui.run({"click:cmdRC", "Tab:TabRC:1", "RC555_0=10", "RC555_1=100", "RC555_3=686", "F12"});
        const ampero::Outcome out = ampero::FindCalculator("RC555").eval({{"10", "100", "", "686"}, {true, true, false, true}, false, "", sep.at(0).toLatin1()});
        QCOMPARE(ui.text("RC555_2"), QString::fromStdString(out.fields.at(0).text));
        QVERIFY(!ui.text("RC555_2").contains(','));
        QStringList want, shown{ui.text("lbl555_4"), ui.text("lbl555_5"), ui.text("lbl555_3")};
        for (const ampero::CaptionResult& c : out.captions) want << QString::fromStdString(c.text);
        QCOMPARE(shown, want);
        QVERIFY(want.join("").contains(sep));
        ui.run({"click:cmdKond", "type:Cap_1:1000"});
        QCOMPARE(ui.text("lblcCap"), QString::fromStdString(ampero::MicrofaradCaption("1000", sep.at(0).toLatin1())));
    }
};

AMPERO_UI_TEST_MAIN(LocaleTest)
#include "test_locale.moc"
