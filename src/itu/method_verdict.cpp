#include "itu/method_verdict.h"

namespace korvel::itu {

MethodId methodOf(VerdictMethod method) {
    switch (method) {
    case VerdictMethod::P530v17:
        return MethodId::P530v17;
    case VerdictMethod::P530v18:
        return MethodId::P530v18;
    case VerdictMethod::Classic:
        break;
    }
    return MethodId::Classic;
}

ObjectiveVerdict columnVerdict(const MethodResult& column) {
    if (!column.objectiveMet || !column.totalWorstMonthPct) {
        return ObjectiveVerdict::None;
    }
    return *column.objectiveMet ? ObjectiveVerdict::Met : ObjectiveVerdict::Missed;
}

HopVerdict methodHopVerdict(const HopState& hop, VerdictMethod method,
                            const std::array<MethodResult, 3>& columns) {
    HopVerdict verdict = hopVerdict(hop);
    if (method == VerdictMethod::Classic || verdict.verdict == ObjectiveVerdict::None) {
        return verdict;
    }
    for (const MethodResult& column : columns) {
        if (column.method == methodOf(method)) {
            verdict.verdict = columnVerdict(column);
            verdict.outagePct = column.totalWorstMonthPct.value_or(0.0);
            return verdict;
        }
    }
    verdict.verdict = ObjectiveVerdict::None;
    return verdict;
}

} // namespace korvel::itu
