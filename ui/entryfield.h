// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of a calculator on screen: the entry field, its lamp and its
// display frame, and the colour patches of the colour code.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <optional>

#include "core/values.h"

namespace ampero::ui {

// What a calculator's lamp shows: grey, red for a value the user
// confirmed, green for a computed one.
enum class LampState { Off, Confirmed, Computed };

// A lamp: a small round light whose fill colour is drawn from its state,
// or a pilot light of a fixed colour in a picture.
class Lamp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color)
public:
    Lamp(QWidget* parent, const QString& name, LampState state = LampState::Off);
    Lamp(QWidget* parent, const QString& name, QColor fixed);
    LampState state() const { return state_; }
    void setState(LampState s);
    QColor color() const;
    // The field whose state this lamp shows: its accessible description
    // follows the lamp ("bekräftad", "beräknad" or empty).
    void setBuddy(QWidget* field);

protected:
    void paintEvent(QPaintEvent*) override;
    // The field's description follows the language.
    void changeEvent(QEvent* e) override;

private:
    void describeBuddy();
    LampState state_ = LampState::Off;
    QColor fixed_;
    QWidget* buddy_ = nullptr;
};

// A patch of colour: a band of the resistor, a square of the colour chart.
class ColourSwatch : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color)
public:
    ColourSwatch(QWidget* parent, const QString& name, QColor color, const QRect& geometry);
    QColor color() const { return color_; }
    void setColor(const QColor& c);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor color_;
};

// What an entry field asks of its calculator. Key codes are those of
// ui/keys.h: kBackspace, kEnter, kEsc, otherwise the character's code.
// KeyPress returns the code to insert (possibly changed) or 0 to discard.
// KeyUp gets kDelete and kF12.
class KeyHandler {
public:
    virtual ~KeyHandler() = default;
    virtual int KeyPress(int index, int key) = 0;
    virtual void KeyUp(int index, int keyCode) = 0;
    // Whether a paste may go in now, and whether its number may be negative.
    virtual bool TakesPaste(int /*index*/) const { return true; }
    virtual bool TakesMinus() const { return false; }
    // Whether field `index` holds a confirmed value: an edit that does not
    // come through the key rule (cut, undo, redo) then withdraws it as the
    // Delete key does.
    virtual bool Confirmed(int /*index*/) const { return false; }
    // The unit of field `index`: one with a unit takes a prefix letter.
    virtual FieldUnit Unit(int /*index*/) const { return {}; }
    // A field that is no number pastes by a rule of its own: the text that
    // goes in for the clipboard's, or nothing for the rule of numbers.
    virtual std::optional<QString> OwnPaste(const QString& /*clip*/) const { return std::nullopt; }
};

// A single-line numeric field that feeds every typed character through its
// handler and shows a focus colour. A paste goes in as one value: the
// clipboard text without blanks and line breaks at its ends, "," as ".",
// the field's unit symbol dropped ("4,7 kΩ" as "4.7k"), and only where the
// whole text of the field then reads as one value; it never confirms or
// evaluates. A field holds at most kMaxLength characters.
class EntryField : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 64;

    EntryField(QWidget* parent, const QString& name, int index, KeyHandler* handler, QColor normal, QColor focus);
    int index() const { return index_; }
    KeyHandler* handler() const { return handler_; }
    void setHandler(KeyHandler* h) { handler_ = h; }
    QColor background() const;

    // Gives a character to the field exactly as if it had been typed.
    void typeCharacter(int code);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void setBackground(const QColor& c);
    void pasteText(const QString& text);
    void apply(int code);
    // Whether the whole text, as it would stand, reads as one number.
    bool readsAsNumber(const QString& whole) const;
    // An edit the field's own key handling made (cut, undo, redo) from the
    // text `before`: a confirmed value is withdrawn as by Delete; any other
    // text must read as a number, as a paste must, or the edit is undone.
    void judgeEdit(const QString& before);

    int index_;
    KeyHandler* handler_;
    QColor normal_, focus_;
};

// A framed display around a field: a dark bezel with the quantity and
// unit written under the field.
class DisplayFrame : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
    // fieldRect is the field's geometry in the parent; the frame grows
    // around it and puts the caption underneath.
    DisplayFrame(QWidget* parent, const QString& name, const QRect& fieldRect, const QString& caption);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption) {
        caption_ = caption;
        update();
    }
    // Where the caption is written under the field, and in what face.
    QRectF captionRoom() const;
    static QFont captionFont();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString caption_;
};

} // namespace ampero::ui
