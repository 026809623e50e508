#include "ui/widgets.h"

#include <QLocale>

namespace ampero::ui {

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, bool wrap) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setWordWrap(wrap);
    l->setTextFormat(Qt::PlainText);
    return l;
}

char LocaleDecimalSeparator() {
    QString d = QLocale().decimalPoint();
    return d.isEmpty() ? '.' : d.at(0).toLatin1() ? d.at(0).toLatin1() : '.';
}

} // namespace ampero::ui
