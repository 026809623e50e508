// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/partslist.h"

#include <algorithm>

#include "core/numrules.h"
#include "core/values.h"

namespace ampero {

namespace {

const FieldUnit kOhms{"Ω", 0};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A word that only carries on the value before it: a prefix letter, the unit,
// or both ("k", "Ω", "kΩ", "ohm").
bool CarriesOn(const std::string& word) {
    const std::string cleaned = CleanPaste("1 " + word, kOhms);
    return cleaned != "1 " + word && ReadsWhole(cleaned, kOhms, false);
}

// The values of one line, or of one part of it between semicolons: blanks
// separate them, and so does a comma followed by a blank or at the end; a
// word that carries on the value before it joins it.
void AddWords(std::string_view part, std::vector<std::string>& words) {
    const size_t first = words.size();
    std::string word;
    const auto end = [&] {
        if (word.empty()) return;
        if (words.size() > first && CarriesOn(word))
            words.back() += " " + word;
        else
            words.push_back(word);
        word.clear();
    };
    for (size_t i = 0; i < part.size(); ++i) {
        const bool commaEnds = part[i] == ',' && (i + 1 == part.size() || IsBlank(part[i + 1]));
        if (IsBlank(part[i]) || commaEnds)
            end();
        else
            word += part[i];
    }
    end();
}

} // namespace

PartsList ReadPartsList(std::string_view utf8) {
    PartsList list;
    std::vector<std::string> words;
    size_t start = 0;
    for (size_t i = 0; i <= utf8.size(); ++i) {
        if (i < utf8.size() && utf8[i] != '\n' && utf8[i] != '\r' && utf8[i] != ';') continue;
        AddWords(utf8.substr(start, i - start), words);
        start = i + 1;
    }
    for (const std::string& w : words) {
        const std::string cleaned = CleanPaste(w, kOhms);
        const double v = ReadsWhole(cleaned, kOhms, false) ? ReadValue(cleaned, kOhms) : 0.0;
        if (v >= kSmallestOwnPart && v <= kLargestOwnPart)
            list.values.push_back(v);
        else
            list.unreadable.push_back(w);
    }
    std::sort(list.values.begin(), list.values.end());
    list.values.erase(std::unique(list.values.begin(), list.values.end()), list.values.end());
    return list;
}

std::string PartsListText(const std::vector<double>& values) {
    std::string text;
    for (const double v : values) {
        if (!text.empty()) text += ' ';
        text += ResultText(v);
    }
    return text;
}

} // namespace ampero
