// Shared helpers of the window tests: a shown, active window, widgets found by
// name, keys sent to the focus, steps written as text, every message box
// answered with OK and its text kept.
#pragma once
#include <QtTest>
#include <QtWidgets>

#include "ui/mainwindow.h"
#include "ui/page.h"
#include "ui/pagetable.h"
#include "ui/widgets.h"

namespace uitest {
using ampero::ui::EntryField, ampero::ui::Lamp, ampero::ui::MainWindow;
inline const QColor kGrey(128, 128, 128), kRed(255, 0, 0), kGreen(0, 255, 0);
// The columns of a data table: Columns<int, QString>("pan", "action").
template <class... T> void Columns(std::enable_if_t<sizeof(T) != 0, const char*>... names) { (QTest::addColumn<T>(names), ...); }

struct Ui {
    explicit Ui(QSettings* store = nullptr) : w(std::make_unique<MainWindow>(store)) {
        QObject::connect(&boxes, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
                messages << box->text();
                plainBoxes = plainBoxes && box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1;
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
                onDialog ? onDialog(dialog) : dialog->reject(); // any other dialog: as the test says, else closed
            }
        });
        boxes.start(5), w->show();
        QApplication::setActiveWindow(w.get());
        if (QTest::qWaitForWindowExposed(w.get())) w->activateWindow(); // on X11 without a window manager too
        if (!QTest::qWaitForWindowActive(w.get())) qWarning("window not active");
        w->BuildPages();
    }
    template <class T = QWidget> T* get(const QString& name) const {
        if (T* o = w->findChild<T*>(name)) return o;
        qFatal("no widget named %s", qPrintable(name));
    }
    QString text(const QString& name) const { return get(name)->property("text").toString(); } // a field's or a caption's
    QColor lamp(const QString& name) const { return get(name)->property("color").value<QColor>(); }
    // The calculator pages in the order of the page table.
    QList<ampero::ui::Page*> pages() const {
        QList<ampero::ui::Page*> all;
        for (const ampero::ui::PageRow& row : ampero::ui::PageTable()) all << w->MakePage(row.pan);
        return all;
    }
    int shownPages() const {
        const QList<ampero::ui::Page*> pages = w->findChildren<ampero::ui::Page*>();
        return int(std::count_if(pages.begin(), pages.end(), std::mem_fn(&QWidget::isVisible)));
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }
    ampero::ui::EntryState& state() const { return w->State(); }
    void type(const QString& keys) { QTest::keyClicks(focus(), keys); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(focus(), k, m); }
    void enter() { key(Qt::Key_Return); }
    void click(QWidget* wd) { QTest::mouseClick(wd, Qt::LeftButton, Qt::NoModifier, wd->rect().center()); }
    void click(const QString& name) { click(get(name)); }
    void selectTab(QTabWidget* t, int i) { QTest::mouseClick(t->tabBar(), Qt::LeftButton, {}, t->tabBar()->tabRect(i).center()); }
    // Ctrl+X as a keyboard sends it, with the control character as its text.
    void cut() { QTest::sendKeyEvent(QTest::Click, focus(), Qt::Key_X, QString(QChar(0x18)), Qt::ControlModifier); }
    // "field=value" confirms, "F12", "Tab:<tabs>:<i>", "click:<name>",
    // "type:<field>:<keys>" clicks and types, "BS:<field>" clicks and erases,
    // "cut:<field>" clicks, selects all and cuts.
    void run(const QStringList& steps) {
        for (const QString& s : steps) {
            const QString a = s.section(':', 1, 1), b = s.section(':', 2);
            if (s == "F12") key(Qt::Key_F12);
            else if (s.startsWith("Tab:")) selectTab(get<QTabWidget>(a), b.toInt());
            else if (s.startsWith("click:")) click(a);
            else if (s.startsWith("type:")) click(a), type(b);
            else if (s.startsWith("BS:")) click(a), key(Qt::Key_Backspace);
            else if (s.startsWith("cut:")) click(a), key(Qt::Key_A, Qt::ControlModifier), cut();
            else click(s.section('=', 0, 0)), type(s.section('=', 1)), enter();
        }
    }
    std::unique_ptr<MainWindow> w;
    QStringList messages;
    std::function<void(QDialog*)> onDialog; // what is done in a dialog once it is up
    bool plainBoxes = true; // every box without icon, with one OK button
    QTimer boxes;
};
} // namespace uitest

// Offscreen unless told otherwise, with the look of the application, and
// settings of its own in a folder that goes with the test: never the user's.
#define AMPERO_UI_TEST_MAIN(TestClass)                                                                                 \
    int main(int argc, char** argv) {                                                                                  \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");                    \
        QTemporaryDir config;                                                                                          \
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());                                                       \
        QApplication app(argc, argv);                                                                                  \
        ampero::ui::SetupApplicationLook();                                                                            \
        TestClass tc;                                                                                                  \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
