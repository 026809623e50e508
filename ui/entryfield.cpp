// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/entryfield.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "ui/drawing.h"
#include "ui/keys.h"
#include "ui/language.h"

namespace ampero::ui {

// ---------------------------------------------------------------- EntryField

namespace {

// A read-only field (a result such as the LED resistor) is text to read, not
// an editable text, to a screen reader: its name, and its text as value.
class ReadOnlyFieldAccessible : public QAccessibleWidget {
public:
    explicit ReadOnlyFieldAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return static_cast<const QLineEdit*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* ReadOnlyFieldFactory(const QString&, QObject* o) {
    auto* f = qobject_cast<EntryField*>(o);
    return f && f->isReadOnly() ? new ReadOnlyFieldAccessible(f) : nullptr;
}

} // namespace

EntryField::EntryField(QWidget* parent, const QString& name, int index, KeyHandler* handler, QColor normal,
                       QColor focus)
    : QLineEdit(parent), index_(index), handler_(handler), normal_(normal), focus_(focus) {
    setObjectName(name);
    setFont(FieldFont());
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setDragEnabled(false);
    setAcceptDrops(false);
    setMaxLength(kMaxLength);
    static const bool readOnlyNamed = (QAccessible::installFactory(ReadOnlyFieldFactory), true);
    Q_UNUSED(readOnlyNamed);
    setFrame(true);
    setBackground(normal_);
}

QColor EntryField::background() const { return palette().color(QPalette::Base); }

void EntryField::setBackground(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
}

void EntryField::focusInEvent(QFocusEvent* e) {
    setBackground(focus_);
    QLineEdit::focusInEvent(e);
}

void EntryField::focusOutEvent(QFocusEvent* e) {
    setBackground(normal_);
    QLineEdit::focusOutEvent(e);
}

void EntryField::apply(int code) {
    if (code == 0) return;
    if (isReadOnly() && code != kEnter && code != kEsc) return;
    switch (code) {
    case kBackspace: backspace(); return;
    case kEnter:
    case kEsc:
        // Passed on; a single-line field does nothing visible with them.
        return;
    default: insert(QString(QChar(code)));
    }
}

void EntryField::typeCharacter(int code) {
    int out = handler_ ? handler_->KeyPress(index_, code) : code;
    apply(out);
}

void EntryField::pasteText(const QString& text) {
    if (isReadOnly() || (handler_ && !handler_->TakesPaste(index_))) return;
    if (std::optional<QString> own = handler_ ? handler_->OwnPaste(text) : std::nullopt) {
        insert(*own);
        return;
    }
    const QString value = QString::fromStdString(CleanPaste(text.toStdString(), handler_ ? handler_->Unit(index_) : FieldUnit{}));
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int cut = hasSelectedText() ? int(selectedText().size()) : 0;
    const QString whole = QString(this->text()).replace(start, cut, value);
    if (value.isEmpty() || whole.size() > kMaxLength || !readsAsNumber(whole)) return;
    insert(value);
}

bool EntryField::readsAsNumber(const QString& whole) const {
    return ReadsWhole(whole.toStdString(), handler_ ? handler_->Unit(index_) : FieldUnit{}, handler_ && handler_->TakesMinus());
}

void EntryField::judgeEdit(const QString& before) {
    if (text() == before || !handler_ || handler_->OwnPaste(QString())) return;
    if (handler_->Confirmed(index_)) {
        handler_->KeyUp(index_, kDelete);
        return;
    }
    if (handler_->TakesPaste(index_) && (text().isEmpty() || readsAsNumber(text()))) return;
    setText(before);
}

void EntryField::changeEvent(QEvent* e) {
    // A field made read-only is described anew to a screen reader.
    if (e->type() == QEvent::ReadOnlyChange && QAccessible::isActive())
        if (QAccessibleInterface* described = QAccessible::queryAccessibleInterface(this))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(described));
    QLineEdit::changeEvent(e);
}

void EntryField::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        pasteText(QApplication::clipboard()->text());
        e->accept();
        return;
    }
    switch (e->key()) {
    case Qt::Key_Backspace:
        typeCharacter(kBackspace);
        e->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        typeCharacter(kEnter);
        e->accept();
        return;
    case Qt::Key_Escape:
        typeCharacter(kEsc);
        e->accept();
        return;
    default: break;
    }
    // Keys that type nothing keep their usual effect (arrows, Home, End,
    // Delete, function keys). What types a character goes through the key
    // rule whatever its key code: compose sequences, on-screen keyboards and
    // remote desktops send characters with Qt::Key_unknown.
    if (e->text().isEmpty() || !e->text().front().isPrint()) {
        // Cut, undo and redo change the text without the key rule; Delete
        // has its own rule when it is released.
        const QString before = text();
        QLineEdit::keyPressEvent(e);
        if (e->key() != Qt::Key_Delete) judgeEdit(before);
        return;
    }
    // Ctrl-combinations type control characters, which no field accepts.
    if (e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        e->accept();
        return;
    }
    for (QChar c : e->text()) typeCharacter(c.unicode());
    e->accept();
}

void EntryField::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) {
        QLineEdit::keyReleaseEvent(e);
        return;
    }
    int code = 0;
    if (e->key() == Qt::Key_Delete)
        code = kDelete;
    else if (e->key() == Qt::Key_F12)
        code = kF12;
    if (code && handler_) {
        handler_->KeyUp(index_, code);
        e->accept();
        return;
    }
    QLineEdit::keyReleaseEvent(e);
}

void EntryField::contextMenuEvent(QContextMenuEvent* e) {
    // Copy, a paste that goes through the key rule, and select all; nothing
    // that would change the text behind the calculator's back.
    QMenu menu(this);
    QAction* copy = menu.addAction(Tr(QT_TRANSLATE_NOOP("Ampero", "&Kopiera")));
    copy->setObjectName("edit-copy");
    copy->setEnabled(hasSelectedText());
    QAction* paste = menu.addAction(Tr(QT_TRANSLATE_NOOP("Ampero", "Klistra &in")));
    paste->setObjectName("edit-paste");
    paste->setEnabled(!isReadOnly() && !QApplication::clipboard()->text().isEmpty());
    menu.addSeparator();
    QAction* all = menu.addAction(Tr(QT_TRANSLATE_NOOP("Ampero", "Markera &allt")));
    all->setObjectName("select-all");
    all->setEnabled(!text().isEmpty());
    QAction* chosen = menu.exec(e->globalPos());
    if (chosen == copy)
        this->copy();
    else if (chosen == paste)
        pasteText(QApplication::clipboard()->text());
    else if (chosen == all)
        selectAll();
}

void EntryField::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton) {
        // The selection clipboard is pasted through the key rule too.
        if (!isReadOnly()) pasteText(QApplication::clipboard()->text(QClipboard::Selection));
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

} // namespace ampero::ui
