#pragma once
// The Profile window's rule table: for each clearance rule, and for the space-diversity antenna's
// own, the clearance required, the clearance achieved at the rule's worst point and whether the
// rule is met at the present heights.

#include <vector>

#include "geo/profile_study.h"
#include "platform/profile_view.h"

namespace korvel {

std::vector<ProfileRuleRow> profileRuleRows(const ProfileStudy& study, const StudiedHop& hop,
                                            const std::vector<ClearanceRule>& rules);

} // namespace korvel
