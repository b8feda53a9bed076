#pragma once
// The values the Basics and Form pages refuse, stated once: the desktop pages check what their
// fields hold with these rules, and korvel-cli checks a hop read from a file with the same rules
// on the values the pages would show. The messages and the order of the checks live here; the
// fields, their names and ranges in the page field table.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/hop_record.h"
#include "fields/numeric_entry.h"
#include "fields/page_field_table.h"
#include "platform/messages.h"

namespace korvel {

// The number each field holds, in the unit of its record field: what the planner typed (NaN when
// the text is not a number) or, for a field not edited, the value shown.
class PageValues {
  public:
    [[nodiscard]] double operator[](PageField field) const {
        return values_[static_cast<std::size_t>(field)];
    }
    double& operator[](PageField field) { return values_[static_cast<std::size_t>(field)]; }

  private:
    std::array<double, kPageFieldCount> values_{};
};

// The values the pages show for a hop as stored. The Form page's selective fading margin is the
// reference margin with Standard, Msm itself with User.
PageValues storedPageValues(const HopState& hop);

// Stores what a page's fields hold into `record`: on the Form page only the fields its diversity
// layout shows, and never the selective fading margin (the margin rule keeps Msm and its
// reference apart).
void storePageValues(HopRecord& record, const PageValues& values, FieldPage page,
                     DiversityMode diversity);

// A limited field as the list dialogs name it.
struct ListedPageField {
    PageField field{};
    std::string_view name;
};

// The limited fields of each page in the order the list dialogs name them; the Form page's only
// those its layout reads.
std::span<const ListedPageField> basicsListedFields();
std::vector<ListedPageField> formListedFields(const FormLayout& layout);

// The first refusal: a message box, or the list dialog "Error!" headed "Invalid data : " that
// names every field holding no acceptable number.
struct PageRefusal {
    PageField field;        // the field refused; for a list the one named last
    bool takesFocus = true; // the page puts the focus on `field`
    std::string_view text;  // the box's text, or the list's heading
    std::string_view caption;
    MessageIcon icon = MessageIcon::None;
    bool beep = false;
    std::vector<ListedPageField> listed; // the list's fields; empty for a box

    // The text with the names, as one line: what a console prints.
    [[nodiscard]] std::string message() const;
};

inline constexpr std::string_view kInvalidDataList = "Invalid data : ";

// The Basics page's checks, in its order.
std::optional<PageRefusal> basicsRefusal(const PageValues& values);
// The Form page's checks, in its order, for the fields its layout reads.
std::optional<PageRefusal> formRefusal(const PageValues& values, const FormLayout& layout);

// The name of the record field behind a page field.
std::string_view recordFieldName(PageField field);

// A hop made elsewhere (read from a file, built by a tool) is checked as accepting its Basics page
// and then calculating on its Form page would check it, on the values the pages show. The
// refusal's message (caption and icon of the box or the list) has been shown; the answer is the
// record field named, nothing when the hop passes.
std::optional<std::string_view> pageRefusal(const HopState& hop, Messages& messages);

} // namespace korvel
