// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wording.h"

#include <atomic>

namespace ampero {

namespace {
std::atomic<Translator> gTranslator{nullptr};
} // namespace

void SetTranslator(Translator translator) { gTranslator.store(translator); }

std::string Say(const char* swedish) {
    const Translator t = gTranslator.load();
    return t ? t(swedish) : std::string(swedish);
}

std::string Say(const char* swedish, std::initializer_list<std::string_view> args) {
    const std::string pattern = Say(swedish);
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const size_t n = i + 1 < pattern.size() ? static_cast<size_t>(pattern[i + 1] - '1') : args.size();
        if (pattern[i] == '%' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace ampero
