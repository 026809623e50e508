// SPDX-License-Identifier: GPL-3.0-or-later
// What one keystroke costs in the window: a typed digit and an Enter through
// the entry protocol, and an F12 evaluation through to the painted result.
#include "uitest.h"

using namespace uitest;

class KeystrokeBench : public QObject {
    Q_OBJECT
    std::unique_ptr<Ui> ui;

private Q_SLOTS:
    void init() {
        ui = std::make_unique<Ui>();
        ui->click("cmdOhm");
    }
    void cleanup() { ui.reset(); }

    void typedDigit() {
        EntryField* f = ui->get<EntryField>("Ohm_0");
        QBENCHMARK {
            if (f->text().size() >= 8) f->clear();
            QTest::keyClick(f, Qt::Key_1);
        }
        QVERIFY(!f->text().isEmpty() && f->text().count(u'1') == f->text().size());
    }

    void enter() {
        EntryField* f = ui->get<EntryField>("Ohm_0");
        ui->run({"Ohm_0=100"});
        QBENCHMARK { QTest::keyClick(f, Qt::Key_Return); }
        QCOMPARE(ui->state().ConfirmedCount(), 1);
    }

    void evaluationRepainted() {
        ui->run({"Ohm_0=100"});
        ui->run({"Ohm_1=12"});
        EntryField* f = ui->get<EntryField>("Ohm_1");
        QBENCHMARK {
            QTest::keyClick(f, Qt::Key_F12);
            ui->w->repaint();
        }
        QCOMPARE(ui->text("Ohm_3"), QString("0.12"));
    }
};

AMPERO_UI_TEST_MAIN(KeystrokeBench)
#include "bench_keystroke.moc"
