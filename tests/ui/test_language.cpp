// The window in each language: every control named, nothing clipped, access
// keys unique, Qt's own texts with it; Swedish whatever the locale; a change
// of language that keeps every value and page and writes every text anew.
#include "uitest.h"

using namespace uitest;

namespace {

QString Path(const QObject* o) { return QString("%1 %2").arg(o->objectName()).arg(quintptr(o), 0, 16); }

// Every text the window shows or names, by object and what it is.
QMap<QString, QString> Texts(QWidget* root) {
    QMap<QString, QString> all;
    QList<QObject*> objects = root->findChildren<QObject*>();
    for (QObject* o : objects << root) {
        for (const char* p : {"text", "title", "toolTip", "accessibleName", "accessibleDescription", "caption", "windowTitle", "plainText", "ownTip"})
            if (const QString t = o->property(p).toString(); !t.isEmpty()) all[Path(o) + "." + p] = t;
        if (auto* tabs = qobject_cast<QTabWidget*>(o))
            for (int i = 0; i < tabs->count(); ++i) all[Path(o) + ".tab" + QString::number(i)] = tabs->tabText(i);
    }
    return all;
}

// A control without a name for a screen reader (Qt's own "qt_" buttons are
// not the window's); what shows less than its whole text, in the face and room
// each kind of widget writes it in; the access keys taken twice by the buttons in view.
QStringList Faults(QWidget* root) {
    QStringList faults;
    QMap<QChar, QString> keys;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        QString text = w->property("text").toString();
        QFont face = w->font();
        int room = w->width(), height = 0;
        if ((qobject_cast<EntryField*>(w) || (qobject_cast<QAbstractButton*>(w) && !w->objectName().startsWith("qt_"))) && QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed().isEmpty())
            faults << "no name: " + Path(w);
        if (!w->isVisible() || qobject_cast<QLineEdit*>(w)) continue;
        if (auto* l = qobject_cast<QLabel*>(w))
            room = l->contentsRect().width() - 2 * std::max(l->indent(), 0), height = l->wordWrap() ? l->contentsRect().height() : 0;
        if (auto* fit = qobject_cast<ampero::ui::FitLabel*>(w)) face = fit->shownFont();
        if (auto* b = qobject_cast<QPushButton*>(w)) room -= b->icon().isNull() ? 6 : b->iconSize().width() + 10;
        else if (auto* b = qobject_cast<QAbstractButton*>(w)) room -= b->sizeHint().width() - b->fontMetrics().size(Qt::TextShowMnemonic, text).width(); // the box or the circle
        if (auto* g = qobject_cast<QGroupBox*>(w)) text = g->title(), room -= 16;
        if (auto* d = qobject_cast<ampero::ui::DisplayFrame*>(w)) text = d->caption(), face = d->captionFont(), room = int(d->captionRoom().width());
        if (auto* t = qobject_cast<QTabWidget*>(w)) text = "tabs", room -= t->tabBar()->sizeHint().width() - QFontMetrics(face).horizontalAdvance(text);
        const QFontMetrics fm(face);
        if (height ? fm.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text).height() > height : fm.size(Qt::TextShowMnemonic, text).width() > room)
            faults << "clipped: " + Path(w) + " \"" + text + "\"";
        if (const qsizetype at = text.indexOf('&'); qobject_cast<QAbstractButton*>(w) && at >= 0 && at + 1 < text.size()) {
            if (QString& first = keys[text[at + 1].toLower()]; first.isEmpty()) first = text;
            else faults << "access key twice: " + first + " / " + text;
        }
    }
    return faults;
}

const QSet<QString> kSame{ // texts that read the same in both languages
    "Info", "Ampero", " Ampero", "I am Your Ampero", " I am Your Ampero ", "E&xit", "Svenska", "English", "F 12", "NE 555", "Diameter cm", "Uin  V"};

// Every calculator's fields, lamps and history captions, the confirmations, the page and tab shown.
QStringList State(Ui& ui) {
    QStringList s;
    for (ampero::ui::Page* page : ui.pages())
        for (const ampero::ui::Calculator& c : page->calculators()) {
            s << QString("%1 %2 %3").arg(page->objectName()).arg(page->isVisible()).arg(page->tabs()->currentIndex());
            for (QWidget* w : QList<QWidget*>(c.fields.begin(), c.fields.end()) + QList<QWidget*>(c.lamps.begin(), c.lamps.end()) + QList<QWidget*>(c.history.begin(), c.history.end()))
                if (w) s << w->objectName() + "=" + w->property("text").toString() + w->property("color").value<QColor>().name();
        }
    for (int i = 0; i < ampero::kConfirmingFields; ++i) s << QString("%1 %2").arg(ui.state().EntryConfirmed[size_t(i)]).arg(ui.state().EntryHistory[size_t(i)]);
    return s;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QSettings store{dir.filePath("ampero.conf"), QSettings::IniFormat};
private Q_SLOTS:
    void init() { store.clear(); }

    // Each page and tab in each language: every control named, no text
    // clipped, no access key twice.
    void everyTab() {
        QStringList faults;
        for (int language : {0, 1}) {
            ampero::ui::Settings(&store).SetLanguage(language);
            Ui ui(&store);
            // Qt's own texts with it (a field's menu), and the languages first under Arkiv.
            QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QString(language ? "&Copy" : "&Kopiera"));
            QCOMPARE(ui.get<QMenu>("mnuArkiv")->actions().value(0), ui.get<QMenu>("mnuSprak")->menuAction());
            for (ampero::ui::Page* page : ui.pages())
                for (int t = 0; t < page->tabs()->count(); ++t) ui.w->ShowPage(page->row().pan), page->tabs()->setCurrentIndex(t), faults << Faults(ui.w.get()).replaceInStrings(QRegularExpression("^"), ampero::ui::Languages()[size_t(language)].name + QString(": "));
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Answers on screen, then English and back: values, lamps,
    // confirmations, history and page stay; every text of every page, the
    // lines on screen among them, is written in English (none left as the
    // Swedish one reads, no value with a decimal comma, whatever the locale,
    // no %1 left unfilled in either), then reads exactly as before.
    void switching_data() {
        Columns<QStringList>("steps");
        QTest::newRow("Ohm's law and the standard values") << QStringList{"click:cmdOhm", "Ohm_1=12", "Ohm_3=0.018", "F12"};
        QTest::newRow("Combination lines") << QStringList{"click:cmdVerktyg", "Tab:TabVerktyg:1", "Komb_0=667"};
        QTest::newRow("Divider best pair") << QStringList{"click:cmdVerktyg", "Div_0=5", "Div_3=3.3", "F12"};
        QTest::newRow("Marking") << QStringList{"click:cmdVerktyg", "Tab:TabVerktyg:2", "type:txtMark:472\r"};
        QTest::newRow("Confirmed, not computed") << QStringList{"click:cmdKond", "Cap_0=1"};
    }
    void switching() {
        QFETCH(QStringList, steps);
        Ui ui(&store);
        QCOMPARE(ui.get<QPushButton>("cmdEval_0")->text(), QString("Räkna")); // whatever the locale says
        ui.run(steps);
        const QStringList state = State(ui);
        const QMap<QString, QString> swedish = Texts(ui.w.get());
        ui.get<QAction>("mnuSprak_1")->trigger();
        QCOMPARE(State(ui), state);
        QStringList same;
        for (auto [key, text] : Texts(ui.w.get()).asKeyValueRange())
            if ((swedish.value(key) == text && text.contains(QRegularExpression("[^\\W\\d_]{3}")) && !kSame.contains(text)) || text.contains(QRegularExpression("\\d,\\d|%\\d")) || swedish.value(key).contains(QRegularExpression("%\\d"))) same << key + " \"" + text + "\"";
        QVERIFY2(same.isEmpty(), qPrintable(same.join('\n')));
        ui.get<QAction>("mnuSprak_0")->trigger();
        QCOMPARE(State(ui), state);
        QCOMPARE(Texts(ui.w.get()), swedish);
        QCOMPARE(ui.messages, QStringList{});
    }
};

AMPERO_UI_TEST_MAIN(LanguageTest)
#include "test_language.moc"
