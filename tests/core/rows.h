// SPDX-License-Identifier: GPL-3.0-or-later
// The table rows of the core tests. Every row has a name: it names the test
// ("NE555/Eval.Computes/RaFromRbCF") and is what a failure prints.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/outcome.h"


// A row type: its name first, then the members given; it prints as its name.
#define ROW(Type, ...)                                                                                                 \
    struct Type {                                                                                                      \
        const char* name;                                                                                              \
        __VA_ARGS__                                                                                                    \
    };                                                                                                                 \
    [[maybe_unused]] inline void PrintTo(const Type& row, std::ostream* os) { *os << row.name; }

// One parameterised suite over a table, each test named by its row.
#define ROWS(prefix, suite, rows) INSTANTIATE_TEST_SUITE_P(prefix, suite, testing::ValuesIn(rows), ampero::RowName())

namespace ampero {

inline void PrintTo(const Outcome& o, std::ostream* os) {
    for (const std::string& m : o.messages) *os << "message \"" << m << "\" ";
    for (const FieldResult& f : o.fields) *os << "[" << f.index << "]=\"" << f.text << "\" ";
    for (const CaptionResult& c : o.captions) *os << "caption " << c.slot << "=\"" << c.text << "\" ";
    if (!o.note.empty()) *os << "note \"" << o.note << "\" ";
    if (o.Empty()) *os << "nothing";
}

struct RowName {
    template <class Row> std::string operator()(const testing::TestParamInfo<Row>& info) const { return info.param.name; }
};

// What a routine computes, against what the rules give.
ROW(ValueRow, std::function<double()> compute; double expected;)
ROW(TextRow, std::function<std::string()> compute; std::string expected;)

// Confirmed fields by index: k01 has fields 0 and 1 confirmed.
using Flags = std::array<bool, 4>;
inline constexpr Flags kNone{}, k3{0, 0, 0, 1}, k01{1, 1, 0, 0}, k02{1, 0, 1, 0}, k03{1, 0, 0, 1}, k12{0, 1, 1, 0};
inline constexpr Flags k13{0, 1, 0, 1}, k23{0, 0, 1, 1}, k012{1, 1, 1, 0}, k013{1, 1, 0, 1}, k023{1, 0, 1, 1};
inline constexpr Flags k123{0, 1, 1, 1}, kAll{1, 1, 1, 1};

} // namespace ampero
