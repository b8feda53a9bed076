#pragma once
// Which method's column judges a hop against its outage objective: the classic one unless the
// planner chose a current ITU-R method for the hop (kept in the sites file as "verdictMethod").

#include <array>
#include <optional>
#include <string_view>

namespace korvel {

// In the order of the methods table's columns.
enum class VerdictMethod { Classic, P530v17, P530v18 };

// "classic", "p530-17", "p530-18": as the sites file and the tool spell them, in column order.
inline constexpr std::array<std::string_view, 3> kMethodNames{"classic", "p530-17", "p530-18"};
std::string_view verdictMethodName(VerdictMethod method);
std::optional<VerdictMethod> verdictMethodNamed(std::string_view name);
// "classic, p530-17 or p530-18", for the messages that refuse another name.
inline constexpr std::string_view kVerdictMethodChoices = "classic, p530-17 or p530-18";

} // namespace korvel
