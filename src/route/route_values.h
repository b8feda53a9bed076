#pragma once
// The rule for damaged values inside a well-formed route file, the route's side of the hop
// files' rule (hopfile/stored_values.h). A division method outside its identifiers refuses the
// route (it decides the objective HopCalc writes into every hop), and so does an objective that
// is not a finite number or beyond any route. The outages and rain values as last summed are
// repaired with a notice: opening the route sums them again from its hop files.

#include "hopfile/stored_values.h"
#include "route/route_record.h"

namespace korvel {

// Reviews `record` and repairs what may be repaired (only when nothing refuses the route).
StoredValueReview reviewRouteValues(RouteRecord& record);

} // namespace korvel
