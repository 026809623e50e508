// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings.h"

#include <QSettings>

#include "core/partslist.h"
#include "ui/language.h"

namespace ampero::ui {

namespace {
const QString kParts = QStringLiteral("tools/ownParts");
const QString kPosition = QStringLiteral("window/position");
const QString kLanguage = QStringLiteral("window/language");
} // namespace

Settings::Settings(QSettings* store) : store_(store) {
    if (!store_) return;
    // A file Qt cannot parse is written back without what it could not read.
    readOnly_ = store_->status() != QSettings::NoError;
    const QVariant kept = store_->value(kParts);
    if (!kept.isValid() && !readOnly_) return;
    const PartsList list = ReadPartsList(kept.toString().toStdString());
    partsDamaged_ = readOnly_ || !list.unreadable.empty() || (kept.isValid() && kept.typeId() != QMetaType::QString);
    readOnly_ = readOnly_ || partsDamaged_;
    if (!partsDamaged_) parts_ = list.values;
}

int Settings::Choice(const QString& key, int count, int fallback) const {
    if (!store_) return fallback;
    bool ok = false;
    const int index = store_->value(key).toString().toInt(&ok);
    return ok && index >= 0 && index < count ? index : fallback;
}

void Settings::write(const QString& key, const QVariant& value, bool now) {
    if (!store_ || readOnly_) return;
    store_->setValue(key, value);
    if (now) store_->sync();
}

void Settings::SetChoice(const QString& key, int index) { write(key, QString::number(index)); }

void Settings::SetParts(std::vector<double> parts) {
    parts_ = std::move(parts);
    readOnly_ = readOnly_ && !partsDamaged_;
    partsDamaged_ = false;
    write(kParts, QString::fromStdString(PartsListText(parts_)));
}

std::optional<QPoint> Settings::Position() const {
    const QVariant kept = store_ ? store_->value(kPosition) : QVariant();
    if (kept.typeId() != QMetaType::QPoint) return std::nullopt;
    return kept.toPoint();
}

// A window dragged moves many times a second: Qt writes the last place soon after.
void Settings::SetPosition(QPoint p) { write(kPosition, p, false); }

int Settings::Language() const { return Choice(kLanguage, int(Languages().size()), 0); }

void Settings::SetLanguage(int index) { SetChoice(kLanguage, index); }

} // namespace ampero::ui
