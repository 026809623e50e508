// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <array>
#include <memory>

#include "core/wording.h"

namespace ampero::ui {

namespace {

constexpr std::array kLanguages{
    LanguageRow{"sv", "Svenska", false, false},
    LanguageRow{"en", "English", true, true},
};

constexpr char kContext[] = "Ampero";
constexpr char kToldPrefix[] = "sv:";

int gShown = 0;
std::unique_ptr<QTranslator> gOwn, gQt;

std::string CoreTranslator(const char* swedish) { return Tr(swedish).toStdString(); }

void Drop(std::unique_ptr<QTranslator>& t) {
    if (t) QCoreApplication::removeTranslator(t.get());
    t.reset();
}

void Load(std::unique_ptr<QTranslator>& t, const QString& file, const QString& dir) {
    auto loaded = std::make_unique<QTranslator>();
    if (loaded->load(file, dir) && QCoreApplication::installTranslator(loaded.get())) t = std::move(loaded);
}

// What a told text reads as now: the first entry the Swedish, the rest the arguments.
QString Shown(const QStringList& told) {
    QString text = Tr(told.value(0).toUtf8().constData());
    for (qsizetype i = 1; i < told.size(); ++i) text = text.arg(Tr(told[i].toUtf8().constData()));
    return text;
}

void Apply(QObject* o, const char* property, const QString& text) {
    o->setProperty(property, text);
    const QByteArray p(property);
    auto* w = qobject_cast<QWidget*>(o);
    // A screen reader reads the bare words of a caption spaced with blanks,
    // and a frame by its title; a name told for itself stays.
    const bool named = o->property((kToldPrefix + QByteArray("accessibleName")).constData()).isValid();
    const bool frame = p == "title" && qobject_cast<QGroupBox*>(o);
    if (!w || named || !(frame || (p == "text" && qobject_cast<QLabel*>(o)))) return;
    if (frame || text != text.simplified()) {
        w->setAccessibleName(text.simplified());
        w->setProperty("ampero:simplifiedName", true);
    } else if (w->property("ampero:simplifiedName").toBool()) {
        w->setAccessibleName(QString());
        w->setProperty("ampero:simplifiedName", QVariant());
    }
}

} // namespace

std::span<const LanguageRow> Languages() { return kLanguages; }

int ShownLanguage() { return gShown; }

void UseLanguage(int index) {
    if (index < 0 || index >= int(kLanguages.size())) index = 0;
    static bool loaded = false;
    if (loaded && index == gShown) return;
    loaded = true;
    const LanguageRow& row = kLanguages[static_cast<size_t>(index)];
    gShown = index;
    SetTranslator(row.ownCatalogue ? CoreTranslator : nullptr);
    Drop(gOwn);
    Drop(gQt);
    // Qt's own texts (a field's menu) in the language too; English is Qt's own.
    if (QString::fromLatin1(row.code) != QLatin1String("en"))
        Load(gQt, QStringLiteral("qt_%1").arg(QLatin1String(row.code)),
             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (row.ownCatalogue)
        Load(gOwn, QStringLiteral("ampero_%1").arg(QLatin1String(row.code)), QStringLiteral(":/i18n"));
    // The windows shown change now, also where no event loop runs; Qt posts
    // its own change after this from a running application.
    QEvent change(QEvent::LanguageChange);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) QCoreApplication::sendEvent(w, &change);
}

char ReadingSeparator() {
    if (kLanguages[static_cast<size_t>(gShown)].decimalPoint) return '.';
    const QString d = QLocale().decimalPoint();
    return d.size() == 1 && d.at(0).toLatin1() ? d.at(0).toLatin1() : '.';
}

QString Tr(const char* swedish) { return QCoreApplication::translate(kContext, swedish); }

void Tell(QObject* o, const char* property, const char* swedish, const QStringList& args) {
    const QStringList told = QStringList{QString::fromUtf8(swedish)} + args;
    o->setProperty((kToldPrefix + QByteArray(property)).constData(), told);
    Apply(o, property, Shown(told));
}

void TellTab(QTabWidget* tabs, int index, const char* swedish) {
    QWidget* page = tabs->widget(index);
    page->setProperty("ampero:tab", QString::fromUtf8(swedish));
    const QString text = Tr(swedish);
    tabs->setTabText(index, text);
    tabs->tabBar()->setAccessibleTabName(index, text.trimmed());
}

void Retell(QObject* root) {
    // A text set may delete objects below it (a text edit's document frames).
    QList<QPointer<QObject>> all{root};
    for (QObject* o : root->findChildren<QObject*>()) all << o;
    for (QObject* o : all) {
        if (!o) continue;
        for (const QByteArray& name : o->dynamicPropertyNames())
            if (name.startsWith(kToldPrefix))
                Apply(o, name.mid(int(sizeof kToldPrefix) - 1).constData(),
                      Shown(o->property(name.constData()).toStringList()));
        if (auto* tabs = qobject_cast<QTabWidget*>(o))
            for (int i = 0; i < tabs->count(); ++i)
                if (const QVariant t = tabs->widget(i)->property("ampero:tab"); t.isValid())
                    TellTab(tabs, i, t.toString().toUtf8().constData());
    }
}

} // namespace ampero::ui
