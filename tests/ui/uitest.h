// Shared helpers of the window tests: a shown, active window; widgets found
// by object name; keys sent to the widget that has the focus; message boxes
// answered with a click on OK and recorded.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "ui/mainwindow.h"
#include "ui/page.h"
#include "ui/widgets.h"

namespace uitest {

using ampero::ui::EntryField;
using ampero::ui::Lamp;
using ampero::ui::MainWindow;

inline const QColor kGrey(128, 128, 128);
inline const QColor kRed(255, 0, 0);
inline const QColor kGreen(0, 255, 0);

// Answers every modal message box with a click on OK and keeps its text.
class MessageCatcher : public QObject {
public:
    MessageCatcher() {
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            texts << box->text();
            titles << box->windowTitle();
            allPlain = allPlain && box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1;
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        timer_.start(5);
    }
    QStringList texts, titles;
    bool allPlain = true; // no icon, one OK button

private:
    QTimer timer_;
};

// A fresh window, shown and active, and the helpers that drive it.
class Ui {
public:
    Ui() : w(std::make_unique<MainWindow>()) {
        w->show();
        QApplication::setActiveWindow(w.get());
        if (!QTest::qWaitForWindowActive(w.get())) qWarning("window not active");
        w->BuildPages();
    }

    template <class T = QWidget> T* get(const QString& name) const {
        T* o = w->findChild<T*>(name);
        if (!o) qFatal("no widget named %s", qPrintable(name));
        return o;
    }
    EntryField* field(const QString& name) const { return get<EntryField>(name); }
    QString text(const QString& name) const { return get<QLineEdit>(name)->text(); }
    QColor lamp(const QString& name) const { return get(name)->property("color").value<QColor>(); }
    QString caption(const QString& name) const { return get<QLabel>(name)->text(); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }

    // Keys go to the widget with the focus, as at the keyboard.
    void type(const QString& keys) { QTest::keyClicks(focus(), keys); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(focus(), k, m); }
    void enter() { key(Qt::Key_Return); }
    void f12() { key(Qt::Key_F12); }
    void backspace() { key(Qt::Key_Backspace); }
    void esc() { key(Qt::Key_Escape); }
    void del() { key(Qt::Key_Delete); }
    void click(QWidget* wd) { QTest::mouseClick(wd, Qt::LeftButton, Qt::NoModifier, wd->rect().center()); }
    void click(const QString& name) { click(get(name)); }
    void nav(const QString& button) { click(button); }
    // Clicks a field, types and confirms.
    void confirm(const QString& field, const QString& value) {
        click(field);
        type(value);
        enter();
    }
    void selectTab(QTabWidget* tabs, int index) {
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier, tabs->tabBar()->tabRect(index).center());
    }
    void selectTab(const QString& tabs, int index) { selectTab(get<QTabWidget>(tabs), index); }
    ampero::ui::EntryState& state() const { return w->State(); }

    std::unique_ptr<MainWindow> w;
    MessageCatcher messages;
};

} // namespace uitest

// Every window test runs with the look of the application.
#define AMPERO_UI_TEST_MAIN(TestClass)                                                                                 \
    int main(int argc, char** argv) {                                                                                  \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));        \
        QApplication app(argc, argv);                                                                                  \
        ampero::ui::SetupApplicationLook();                                                                            \
        TestClass tc;                                                                                                  \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
