// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/ownparts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/numrules.h"
#include "core/partslist.h"
#include "ui/language.h"

namespace ampero::ui {

OwnPartsDialog::OwnPartsDialog(QWidget* parent, const std::vector<double>& parts) : QDialog(parent), parts_(parts) {
    setObjectName(QStringLiteral("dlgEgna"));
    Tell(this, "windowTitle", QT_TRANSLATE_NOOP("Ampero", "Egna delar"));
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(this);
    Tell(hint, "text",
         QT_TRANSLATE_NOOP("Ampero", "Dina motstånd, ett per rad eller åtskilda med blanksteg eller semikolon: "
                                     "4k7, 470R, 10 k, 1M, 4,7 kΩ, 220."));
    hint->setWordWrap(true);
    layout->addWidget(hint);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("txtEgna"));
    Tell(text_, "accessibleName", QT_TRANSLATE_NOOP("Ampero", "Egna delar"));
    text_->setTabChangesFocus(true);
    QStringList lines;
    for (double v : parts) lines << QString::fromStdString(ResultText(v));
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    layout->addWidget(text_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("lblEgna"));
    count_->setWordWrap(true);
    layout->addWidget(count_);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    Tell(ok_, "text", QT_TRANSLATE_NOOP("Ampero", "OK"));
    ok_->setObjectName(QStringLiteral("cmdEgnaOK"));
    QPushButton* cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    Tell(cancel, "text", QT_TRANSLATE_NOOP("Ampero", "Avbryt"));
    cancel->setObjectName(QStringLiteral("cmdEgnaAvbryt"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(text_, &QPlainTextEdit::textChanged, this, &OwnPartsDialog::read);
    read();
    resize(360, 320);
}

void OwnPartsDialog::read() {
    const PartsList list = ReadPartsList(text_->toPlainText().toStdString());
    QStringList unreadable;
    for (const std::string& w : list.unreadable) unreadable << QString::fromStdString(w);
    const int n = int(list.values.size());
    count_->setText(
        !unreadable.isEmpty()
            ? Tr(QT_TRANSLATE_NOOP("Ampero", "Kan inte läsa: %1")).arg(unreadable.join(QStringLiteral(", ")))
        : n == 1 ? Tr(QT_TRANSLATE_NOOP("Ampero", "1 värde"))
                 : Tr(QT_TRANSLATE_NOOP("Ampero", "%1 värden")).arg(n));
    ok_->setEnabled(unreadable.isEmpty());
    if (unreadable.isEmpty()) parts_ = list.values;
}

} // namespace ampero::ui
