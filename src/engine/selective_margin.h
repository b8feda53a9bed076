#pragma once
// The selective fading margin as the Form page holds it: one field (1243) that shows and takes
// the margin at 42.5 km (msmRefDb) with selective fading Standard, and the hop's own margin
// (Msm) with User. Accepting the page stores it; the hop calculation reads Msm.

#include "engine/hop_record.h"

namespace korvel {

// What the field shows, dB: msmRefDb (Standard), Msm (User), 0 with No (the field is hidden).
double selectiveMarginFieldDb(const HopRecord& record, const HopResults& results);

// Accepting the page with `fieldDb` in the field: Standard stores it as msmRefDb and sets Msm to
// hopSelectiveMargin(fieldDb, hopLengthKm); User stores it as Msm; No changes nothing. The hop
// length must be positive (the Basics page accepts nothing below 0.1 km).
void storeSelectiveMargin(HopRecord& record, HopResults& results, double fieldDb);

// The page accepted as it shows the hop, before a calculation of a hop read from a file or
// changed by the optimization.
void prepareSelectiveMargin(HopState& hop);

} // namespace korvel
