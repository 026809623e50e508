// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/page.h"

#include <QTabBar>
#include <QToolButton>

#include "ui/colors.h"
#include "ui/twips.h"

namespace ampero::ui {

Page::Page(QWidget* parent, Shell& shell, const PageRow& row)
    : QFrame(parent), shell_(shell), state_(shell.State()), row_(row) {
    setObjectName(QStringLiteral("pan_%1").arg(row.pan));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setGeometry(Tw(3030, 990, 7500, 5985));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QString::fromLatin1(row.tabs));
    tabs_->setGeometry(Tw(45, 45, 5940, 4830));
    tabs_->setUsesScrollButtons(false);
    // The tab bar's scroll buttons, never shown, are named for a screen reader all the same.
    for (auto* scroll : tabs_->tabBar()->findChildren<QToolButton*>())
        Tell(scroll, "accessibleName",
             scroll->objectName().contains(QStringLiteral("Left")) ? QT_TRANSLATE_NOOP("Ampero", "Bläddra vänster")
                                                                   : QT_TRANSLATE_NOOP("Ampero", "Bläddra höger"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int t) { tabChanged(t); });
    eval_ = new QPushButton(this);
    Tell(eval_, "text", QT_TRANSLATE_NOOP("Ampero", "Räkna"));
    eval_->setObjectName(QStringLiteral("cmdEval_%1").arg(row.eval));
    eval_->setGeometry(Tw(6120, 660, 1230, 435));
    connect(eval_, &QPushButton::clicked, this, &Page::cmdEval_Click);

    auto* f12 = MakeLabel(this, QStringLiteral("lblF12"), QT_TRANSLATE_NOOP("Ampero", "F 12"), Tw(6120, 1125, 1230, 255));
    f12->setAlignment(Qt::AlignCenter);

    new_ = new QPushButton(this);
    Tell(new_, "text", QT_TRANSLATE_NOOP("Ampero", "&Ny"));
    new_->setObjectName(QStringLiteral("cmdNew_%1").arg(row.newIndex));
    new_->setGeometry(Tw(6120, 1560, 1230, 435));
    connect(new_, &QPushButton::clicked, this, &Page::cmdNew_Click);

    exit_ = new QPushButton(this);
    Tell(exit_, "text", QT_TRANSLATE_NOOP("Ampero", "E&xit"));
    exit_->setObjectName(QStringLiteral("cmdExit_%1").arg(row.exit));
    exit_->setGeometry(Tw(6120, 2160, 1230, 435));
    connect(exit_, &QPushButton::clicked, this, &Page::cmdExit_Click);
    hide();
}

QWidget* Page::addTab(const char* caption) {
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("%1_tab%2").arg(tabs_->objectName()).arg(tabs_->count()));
    const QSignalBlocker block(tabs_);
    // Blanks that space a caption on screen are not read out.
    TellTab(tabs_, tabs_->addTab(w, QString()), caption);
    return w;
}

QGroupBox* Page::addFrame(QWidget* tab, const QString& name, const char* caption, const char* hint) {
    auto* box = new QGroupBox(tab);
    box->setObjectName(name);
    Tell(box, "title", caption);
    box->setGeometry(QRect(3, 0, Px(5940) - 12, Px(4830) - 32));
    if (hint) Tell(box, "toolTip", hint);
    box->lower();
    return box;
}

std::vector<QLabel*> Page::makeHistory(const QString& headingName, const QString& prefix, std::array<int, 4> gridOrder,
                                       int count) {
    auto* heading = MakeLabel(this, headingName, QT_TRANSLATE_NOOP("Ampero", "Historia"), Tw(4110, 4900, 2565, 255));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    const QPoint cells[4] = {{4110, 5160}, {5460, 5160}, {4110, 5490}, {5460, 5490}};
    std::vector<QLabel*> labels(static_cast<size_t>(count));
    for (int k = 0; k < 4; ++k) {
        int i = gridOrder[static_cast<size_t>(k)];
        if (i >= count) continue;
        labels[static_cast<size_t>(i)] = MakeValuePanel(this, QStringLiteral("%1_%2").arg(prefix).arg(i),
                                                        Tw(cells[k].x(), cells[k].y(), 1215, 255), 3);
    }
    return labels;
}

EntryField* Page::makeField(QWidget* tab, const QString& name, int index, const QRect& geometry, const char* caption,
                            const QString& frameName) {
    auto* frame =
        new DisplayFrame(tab, frameName.isEmpty() ? QStringLiteral("img%1").arg(name) : frameName, geometry, QString());
    Tell(frame, "caption", caption);
    frame->lower();
    auto* f = new EntryField(tab, name, index, nullptr, kFieldNormal, kFieldFocus);
    f->setGeometry(geometry);
    Tell(f, "accessibleName", caption);
    return f;
}

void Page::makeFieldRow(QWidget* tab, const QString& fieldPrefix, const QString& lampPrefix,
                        std::initializer_list<FieldPlace> places, std::vector<EntryField*>& fields,
                        std::vector<Lamp*>& lamps) {
    EntryField* previous = nullptr;
    int i = 0;
    for (const FieldPlace& p : places) {
        EntryField* f =
            makeField(tab, QStringLiteral("%1_%2").arg(fieldPrefix).arg(i), i, Tw(p.left, p.top, p.width, 420),
                      p.caption, p.frame ? QString::fromLatin1(p.frame) : QString());
        if (p.name) Tell(f, "accessibleName", p.name);
        if (previous) QWidget::setTabOrder(previous, f);
        previous = f;
        fields.push_back(f);
        lamps.push_back(
            makeLamp(tab, QStringLiteral("%1_%2").arg(lampPrefix).arg(i), Tw(p.lampLeft, p.lampTop, 255, 135)));
        ++i;
    }
}

Lamp* Page::makeLamp(QWidget* tab, const QString& name, const QRect& geometry) {
    auto* l = new Lamp(tab, name);
    l->setGeometry(geometry);
    return l;
}

Calculator& Page::addCalculator(Calculator c) {
    Calculator& kept = calcs_.emplace_back(std::move(c));
    if (kept.confirms()) {
        if (kept.historyCopy.empty())
            for (int i = 0; i < int(kept.fields.size()); ++i) kept.historyCopy.push_back(i);
        protocols_.push_back(std::make_unique<EntryProtocol>(
            state_, kept, [this] { cmdEval_Click(); }, [this](const QString& m) { shell_.ShowMessage(m); }));
    }
    if (kept.formRecomputes) {
        // One call per change: the button turned on, or the last turned off (the first form, no button of its own).
        for (QAbstractButton* b : kept.forms)
            connect(b, &QAbstractButton::toggled, this, [this, &kept](bool on) {
                if (on || kept.variant() == 0) answerAgain(kept);
            });
    }
    if (calcs_.size() == 1) nameHistory(kept);
    return kept;
}

} // namespace ampero::ui
