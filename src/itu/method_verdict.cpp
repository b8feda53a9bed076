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

OutageJudgement methodHopJudgement(const HopState& hop, VerdictMethod method,
                                   const std::array<MethodResult, 3>& columns) {
    OutageJudgement judgement = multipathJudgement(hop);
    if (method == VerdictMethod::Classic || judgement.verdict == ObjectiveVerdict::None) {
        return judgement;
    }
    judgement.marginNeededDb.reset();
    judgement.marginUnreachable = false;
    judgement.verdict = ObjectiveVerdict::None;
    judgement.outagePct.reset();
    for (const MethodResult& column : columns) {
        if (column.method == methodOf(method)) {
            judgement.verdict = columnVerdict(column);
            judgement.outagePct = column.totalWorstMonthPct;
        }
    }
    return judgement;
}

} // namespace korvel::itu
