// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/seriescaps.h"

#include <cmath>

#include "core/numrules.h"

namespace ampero {

namespace {

constexpr int kValueCount = 8;
constexpr int kTotalField = 8;
constexpr int kNextField = 9;

bool Filled(const FieldTexts& fields, int index) { return !FieldText(fields, index).empty(); }

// S := 1/value + S over the filled value fields, in index order.
double ReciprocalSum(FaultGuard& g, const FieldTexts& fields) {
    double s = 0.0;
    for (int i = 0; i < kValueCount; ++i)
        if (Filled(fields, i)) s = g(g(1.0 / ParsePrefix(FieldText(fields, i))) + s);
    return s;
}

} // namespace

Outcome EvalSeriesCapacitors(const Inputs& in) {
    const FieldTexts& fields = in.fields;
    Outcome out;
    FaultGuard g;
    if (!Filled(fields, kTotalField)) {
        double total = g(1.0 / ReciprocalSum(g, fields));
        if (!g.Failed()) out.fields.push_back({kTotalField, ResultText(RoundHalfEven(total, 1))});
        return out;
    }
    int filled = 0;
    for (int i = 0; i < kValueCount; ++i)
        if (Filled(fields, i)) ++filled;
    double given = 0.0;
    if (filled >= 1) given = g(1.0 / ReciprocalSum(g, fields));
    double wanted = ParsePrefix(FieldText(fields, kTotalField));
    double gap = g(g(1.0 / given) - g(1.0 / wanted));
    double next = std::fabs(g(1.0 / gap));
    if (!g.Failed()) out.fields.push_back({kNextField, ResultText(RoundHalfEven(next, 1))});
    return out;
}

} // namespace ampero
