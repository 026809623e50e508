// SPDX-License-Identifier: GPL-3.0-or-later
// What Ampero remembers between runs: the series chosen on the divider and
// on Kombination, the kind of part Märkning reads, the own parts, and where
// the window stood. Each is written when it changes, so a crash loses
// nothing. A value that cannot be read falls back to the default without a
// word; own parts that cannot be read are never emptied behind the user's
// back: the file is left as it is for the rest of the run.
#pragma once

#include <QPoint>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

class QSettings;

namespace ampero::ui {

class Settings {
public:
    // Over the store main sets up; none: nothing is read or written.
    explicit Settings(QSettings* store = nullptr);

    // An option index from 0 to count - 1, or `fallback`.
    int Choice(const QString& key, int count, int fallback) const;
    void SetChoice(const QString& key, int index);

    // The own parts in ohms, ascending; empty when none are kept or they
    // cannot be read (PartsDamaged then says so).
    const std::vector<double>& Parts() const { return parts_; }
    bool PartsDamaged() const { return partsDamaged_; }
    // A list the user accepted: written even over a damaged one.
    void SetParts(std::vector<double> parts);

    // The language shown: a row of Languages(), 0 (Swedish) when none is kept.
    int Language() const;
    void SetLanguage(int index);

    std::optional<QPoint> Position() const;
    void SetPosition(QPoint p);

private:
    void write(const QString& key, const QVariant& value, bool now = true);

    QSettings* store_;
    bool readOnly_ = false;
    bool partsDamaged_ = false;
    std::vector<double> parts_;
};

} // namespace ampero::ui
