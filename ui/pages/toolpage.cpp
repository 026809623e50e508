// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/toolpage.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "core/marking.h"
#include "core/numrules.h"
#include "core/partmarks.h"
#include "ui/colors.h"
#include "ui/pages/ownparts.h"
#include "ui/twips.h"

namespace ampero::ui {

namespace {

// The marking field: letters, digits, "," "." and µ, typed or pasted; Enter
// and F12 read it.
class MarkingKeys : public KeyHandler {
public:
    explicit MarkingKeys(std::function<void()> read) : read_(std::move(read)) {}
    int KeyPress(int, int key) override {
        if (key == kEnter) read_();
        if (key == kEnter || key == kBackspace) return key;
        const QString typed = key > 0 && key < 0x10000 ? QString(QChar(key)) : QString();
        return KeepMarkingChars(typed.toStdString()).empty() ? 0 : key;
    }
    void KeyUp(int, int keyCode) override {
        if (keyCode == kF12) read_();
    }
    std::optional<QString> OwnPaste(const QString& clip) const override {
        return QString::fromStdString(KeepMarkingChars(clip.toStdString()));
    }

private:
    std::function<void()> read_;
};

const char* const kInfo = QT_TRANSLATE_NOOP(
    "Ampero",
    "Spänningsdelare: tre av Uin, R1, R2 och Uut bekräftade med <Enter> ger den fjärde. Bara Uin och Uut ger "
    "det bästa paret ur vald serie (R2 från 10 kΩ till under 100 kΩ), som räknas om när du byter serie. "
    "5 V till 3,3 V ur E24: R1 47 kΩ och R2 91 kΩ, 3,297 V.\n\n"
    "Kombination: skriv ett motståndsvärde och tryck <Enter>: närmaste värde, två i serie eller parallellt och "
    "den bästa kopplingen av tre. 667 Ω ur E12: 1,2 kΩ ∥ 1,5 kΩ = 666,667 Ω.\n\n"
    "Egna: dina egna motstånd i stället för en serie, listan skrivs under Ändra…, t.ex. 100 220 470 1k 4k7 10k. "
    "Ur dem ger 667 Ω: 1 kΩ ∥ (1 kΩ + 1 kΩ). Listan och valen sparas till nästa gång.\n\n"
    "Märkning: skriv koden på delen (472, 4702, 01C, 4R7; 104, 4n7, 104K) och tryck <Enter>.\n\n"
    "Alla fält med enhet tar värden som på delarna: 4k7 = 4700 Ω, R47 = 0,47 Ω, 2M2 (m milli, M mega).");

} // namespace

ToolPage::ToolPage(QWidget* parent, Shell& shell, const PageRow& row) : Page(parent, shell, row) {
    auto* divTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Spänningsdelare"));
    auto* kombTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Kombination"));
    auto* markTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Märkning"));
    auto* infoTab = addTab(QT_TRANSLATE_NOOP("Ampero", "Info"));
    history_ = makeHistory(QStringLiteral("LblHiVerk"), QStringLiteral("lblVerk"));
    buildDividerTab(divTab);
    buildCombinationTab(kombTab);
    buildMarkingTab(markTab);
    buildInfoTab(infoTab);
    // After the last field of a tab the page's own buttons follow.
    QWidget::setTabOrder(eval_, new_);
    QWidget::setTabOrder(new_, exit_);
    // Own parts that could not be read back are left in the file; said once.
    if (shell_.Remembered().PartsDamaged())
        QTimer::singleShot(
            0, this, [this] { shell_.ShowMessage(Tr(QT_TRANSLATE_NOOP("Ampero", "Kunde inte läsa egna delar"))); });
}

std::vector<QAbstractButton*> ToolPage::seriesChoice(QWidget* tab, const QString& prefix, int index, const QString& key,
                                                     const std::array<QPoint, 5>& places) {
    Settings& settings = shell_.Remembered();
    const int chosen = settings.Choice(key, 4, 1);
    std::vector<QAbstractButton*> later;
    for (int k = 0; k < 4; ++k) {
        auto* b = new QRadioButton(tab);
        if (k < 3)
            b->setText(QStringList{"E12", "E24", "E96"}[k]);
        else
            Tell(b, "text", QT_TRANSLATE_NOOP("Ampero", "Egna"));
        b->setObjectName(QStringLiteral("%1_%2").arg(prefix).arg(k));
        b->setGeometry(Tw(places[size_t(k)].x(), places[size_t(k)].y(), 840, 300));
        b->setChecked(k == chosen);
        connect(b, &QAbstractButton::toggled, this, [&settings, key, k](bool on) {
            if (on) settings.SetChoice(key, k);
        });
        if (k > 0) later.push_back(b);
    }
    auto* edit = new QPushButton(tab);
    Tell(edit, "text", QT_TRANSLATE_NOOP("Ampero", "Ändra…"));
    edit->setObjectName(QStringLiteral("cmdEgna_%1").arg(index));
    Tell(edit, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Ändra egna delar"));
    edit->setGeometry(Tw(places[4].x(), places[4].y(), 1050, 360));
    connect(edit, &QPushButton::clicked, this, &ToolPage::editOwnParts);
    return later;
}

void ToolPage::editOwnParts() {
    Settings& settings = shell_.Remembered();
    OwnPartsDialog dialog(this, settings.Parts());
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The keyboard goes back to the button, also where no window manager hands the activation back.
    window()->activateWindow();
    if (QWidget* button = qobject_cast<QWidget*>(sender())) button->setFocus(Qt::OtherFocusReason);
    if (!accepted) return;
    settings.SetParts(dialog.parts());
    for (Calculator* c : {divider_, combination_})
        if (c->variant() == kOwnPartsVariant) answerAgain(*c);
}

void ToolPage::buildDividerTab(QWidget* tab) {
    addFrame(tab, QStringLiteral("fraDiv"), QT_TRANSLATE_NOOP("Ampero", "Spänningsdelare"));
    new SvgPicture(tab, QStringLiteral("imgDiv"), QStringLiteral("divider"), Tw(2250, 1230, 1500, 1680));
    makeFieldRow(
        tab, QStringLiteral("Div"), QStringLiteral("sDiv"),
        {{450, 600, 2160, 255, QT_TRANSLATE_NOOP("Ampero", "Uin  V"), 1755, QT_TRANSLATE_NOOP("Ampero", "Uin Volt")},
         {3570, 600, 5280, 255, QT_TRANSLATE_NOOP("Ampero", "R1  Ohm"), 1755, QT_TRANSLATE_NOOP("Ampero", "R1 Ohm")},
         {450, 3120, 2160, 2760, QT_TRANSLATE_NOOP("Ampero", "R2  Ohm"), 1755, QT_TRANSLATE_NOOP("Ampero", "R2 Ohm")},
         {3570, 3120, 5280, 2760, QT_TRANSLATE_NOOP("Ampero", "Uut  V"), 1755,
          QT_TRANSLATE_NOOP("Ampero", "Uut Volt")}},
        div_, divLamps_);
    // The series in a column right of the picture.
    const std::vector<QAbstractButton*> forms = seriesChoice(tab, QStringLiteral("optDiv"), 0, QStringLiteral("tools/dividerSeries"),
                                                             {{{4050, 1320}, {4050, 1620}, {4050, 1920}, {4050, 2220}, {4050, 2550}}});
    divider_ = &addCalculator({.info = &FindCalculator("Div"),
                   .fields = div_,
                   .lamps = divLamps_,
                   .history = history_,
                   .forms = forms,
                   .formRecomputes = true,
                   .ownParts = true});
}

void ToolPage::buildCombinationTab(QWidget* tab) {
    addFrame(tab, QStringLiteral("fraKomb"), QT_TRANSLATE_NOOP("Ampero", "Två eller tre motstånd för ett värde"));
    makeFieldRow(
        tab, QStringLiteral("Komb"), QStringLiteral("sKomb"),
        {{450, 600, 2160, 255, QT_TRANSLATE_NOOP("Ampero", "Mål  Ohm"), 1755, QT_TRANSLATE_NOOP("Ampero", "Mål Ohm")}},
        komb_, kombLamps_);
    const std::vector<QAbstractButton*> forms = seriesChoice(tab, QStringLiteral("optKomb"), 1, QStringLiteral("tools/combinationSeries"),
                                                             {{{3000, 540}, {3900, 540}, {4800, 540}, {3000, 900}, {3900, 870}}});
    // The nearest value, two in series, two in parallel, three; the nearest part under them.
    const char* const names[4] = {QT_TRANSLATE_NOOP("Ampero", "Närmast"), QT_TRANSLATE_NOOP("Ampero", "I serie"),
                                  QT_TRANSLATE_NOOP("Ampero", "Parallellt"), QT_TRANSLATE_NOOP("Ampero", "Tre delar")};
    for (int k = 0; k < 4; ++k) {
        FitLabel* l = MakeValuePanel(tab, QStringLiteral("lblKomb_%1").arg(k), Tw(450, 1440 + 540 * k, 5040, 480), 4);
        Tell(l, "accessibleName", names[k]);
        kombRows_.push_back(l);
    }
    auto* picture = new PartPicture(tab, QStringLiteral("imgKomb"), Tw(1800, 3600, 2340, 750));
    Tell(picture, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Närmaste motstånd"));
    kombRows_.insert(kombRows_.begin() + kCombinationPicture, picture); // the captions by their slots
    Calculator& c = *(combination_ = &addCalculator({.info = &FindCalculator("Komb"),
                                   .tab = 1,
                                   .fields = komb_,
                                   .lamps = kombLamps_,
                                   .history = {history_[0]},
                                   .captions = kombRows_,
                                   .forms = forms,
                                   .formRecomputes = true,
                                   .ownParts = true}));
    // Enter computes at once; a withdrawal empties the lines.
    c.onConfirmed = [this, &c](int) { evaluate(c); };
    c.onWithdrawn = [this](int) { clearLines(kombRows_); };
}

void ToolPage::clearLines(const std::vector<QWidget*>& lines) {
    for (QWidget* line : lines) line->setProperty("text", QString());
}

void ToolPage::exited() {
    // The answers go with the values they were for.
    clearLines(kombRows_);
    clearLines(markShown_);
    mark_.front()->clear();
}

void ToolPage::buildMarkingTab(QWidget* tab) {
    addFrame(tab, QStringLiteral("fraMark"), QT_TRANSLATE_NOOP("Ampero", "Märkning"));
    auto* type = new QRadioButton(tab);
    Tell(type, "text", QT_TRANSLATE_NOOP("Ampero", "Motstånd"));
    type->setObjectName(QStringLiteral("optMark_0"));
    type->setGeometry(Tw(3570, 540, 1800, 300));
    auto* capacitor = new QRadioButton(tab);
    Tell(capacitor, "text", QT_TRANSLATE_NOOP("Ampero", "Kondensator"));
    capacitor->setObjectName(QStringLiteral("optMark_1"));
    capacitor->setGeometry(Tw(3570, 900, 1800, 300));
    // The kind of part is remembered.
    const QString kind = QStringLiteral("tools/markingKind");
    (shell_.Remembered().Choice(kind, 2, 0) ? capacitor : type)->setChecked(true);
    auto* label = MakeValuePanel(tab, QStringLiteral("lblMark"), Tw(450, 1560, 5040, 540), 4);
    Tell(label, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Värde"));
    auto* picture = new PartPicture(tab, QStringLiteral("imgMark"), Tw(1800, 2400, 2340, 1140));
    Tell(picture, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Delen"));
    markShown_ = {label, picture};

    markKeys_ = std::make_unique<MarkingKeys>([this] { evaluate(*marking_); });
    // Wide enough for the 16 characters the field takes.
    auto* field =
        makeField(tab, QStringLiteral("txtMark"), 0, Tw(450, 600, 2940, 420), QT_TRANSLATE_NOOP("Ampero", "Märkning"));
    field->setMaxLength(16);
    field->setHandler(markKeys_.get());
    mark_ = {field};
    marking_ = &addCalculator(
        {.info = &FindCalculator("Mark"), .tab = 2, .fields = mark_, .captions = markShown_, .forms = {capacitor}});
    connect(capacitor, &QAbstractButton::toggled, this, [this, kind](bool on) {
        shell_.Remembered().SetChoice(kind, on ? 1 : 0);
        evaluate(*marking_);
    });
    QWidget::setTabOrder(field, type);
    QWidget::setTabOrder(type, capacitor);
}

void ToolPage::buildInfoTab(QWidget* tab) {
    auto* info = MakeLabel(tab, QStringLiteral("lblVerkInfo"), kInfo, Tw(240, 120, 5460, 4200), true);
    info->setAlignment(Qt::AlignTop | Qt::AlignLeft);
}

void ToolPage::OpenWithResistance(double ohms) {
    tabs_->setCurrentIndex(1);
    EntryField* target = komb_.front();
    target->setFocus(Qt::OtherFocusReason);
    if (state_.EntryConfirmed[0]) target->typeCharacter(kEsc); // a target from before gives way
    target->setText(QString::fromStdString(ResultText(ohms)));
    target->typeCharacter(kEnter);
}

} // namespace ampero::ui
