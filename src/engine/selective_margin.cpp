#include "engine/selective_margin.h"

#include "engine/fading.h"

namespace korvel {

double selectiveMarginFieldDb(const HopRecord& record, const HopResults& results) {
    switch (record.selectiveFading) {
    case SelectiveFading::Standard:
        return record.msmRefDb;
    case SelectiveFading::User:
        return results.Msm;
    case SelectiveFading::No:
        break;
    }
    return 0.0;
}

void storeSelectiveMargin(HopRecord& record, HopResults& results, double fieldDb) {
    switch (record.selectiveFading) {
    case SelectiveFading::Standard:
        record.msmRefDb = fieldDb;
        results.Msm = hopSelectiveMargin(fieldDb, record.hopLengthKm);
        break;
    case SelectiveFading::User:
        results.Msm = fieldDb;
        break;
    case SelectiveFading::No:
        break;
    }
}

void prepareSelectiveMargin(HopState& hop) {
    storeSelectiveMargin(hop.record, hop.results, selectiveMarginFieldDb(hop.record, hop.results));
}

} // namespace korvel
