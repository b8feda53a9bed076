#include "hopfile/page_rules.h"

#include <cmath>
#include <initializer_list>
#include <type_traits>

#include "hopfile/hop_fields.h"

namespace korvel {
namespace {

constexpr double kShortestHopKm = 0.1;
constexpr double kSmallestNonZero = 0.00001;

template <FieldPage page> constexpr std::size_t listedCount() {
    std::size_t count = 0;
    for (const PageFieldRow& row : kPageFieldRows) {
        count += row.page == page && row.limited ? 1 : 0;
    }
    return count;
}

// A page's limited fields in the order the list dialogs name them.
template <FieldPage page> constexpr auto listedOf() {
    std::array<ListedPageField, listedCount<page>()> listed{};
    std::size_t at = 0;
    for (const PageFieldRow& row : kPageFieldRows) {
        if (row.page == page && row.limited) {
            listed[at++] = {row.field, row.limited->listedName};
        }
    }
    return listed;
}

constexpr auto kBasicsListed = listedOf<FieldPage::Basics>();
constexpr auto kFormListed = listedOf<FieldPage::Form>();

// A number a field accepts at all: finite and not negative.
bool acceptable(double value) {
    return std::isfinite(value) && value >= 0;
}

bool within(double value, double lowest, double highest) {
    return std::isfinite(value) && value >= lowest && value <= highest;
}

PageRefusal box(PageField field, std::string_view text, std::string_view caption, MessageIcon icon,
                bool beep) {
    return {field, true, text, caption, icon, beep, {}};
}

// The list of the fields that hold no acceptable number, when there is one.
std::optional<PageRefusal> invalidList(const PageValues& values,
                                       std::span<const ListedPageField> fields) {
    std::vector<ListedPageField> invalid;
    for (const ListedPageField& listed : fields) {
        if (!acceptable(values[listed.field])) {
            invalid.push_back(listed);
        }
    }
    if (invalid.empty()) {
        return std::nullopt;
    }
    const PageField last = invalid.back().field;
    return PageRefusal{
        last, true, kInvalidDataList, "Error!", MessageIcon::None, false, std::move(invalid)};
}

// The Form page's fields read as plain numbers: the first without one is refused at once.
std::optional<PageRefusal> firstPlainInvalid(const PageValues& values,
                                             std::initializer_list<PageField> fields) {
    for (const PageField field : fields) {
        if (!acceptable(values[field])) {
            return box(field, "Invalid data.", kAppCaption, MessageIcon::Warning, true);
        }
    }
    return std::nullopt;
}

} // namespace

std::string PageRefusal::message() const {
    std::string line(text);
    for (std::size_t i = 0; i < listed.size(); ++i) {
        line += (i == 0 ? "" : ", ");
        line += listed[i].name;
    }
    return line;
}

std::string_view recordFieldName(PageField field) {
    static const HopRecord probe{};
    const double* member = &(probe.*pageFieldRow(field).member);
    std::string_view name;
    visitRecordFields(probe, [&](const HopField& stored, const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>) {
            if (&value == member) {
                name = stored.name;
            }
        }
    });
    return name;
}

PageValues storedPageValues(const HopState& hop) {
    const HopRecord& r = hop.record;
    PageValues v;
    for (const PageFieldRow& row : kPageFieldRows) {
        v[row.field] = r.*row.member;
    }
    v[PageField::SelectiveMargin] =
        r.selectiveFading == SelectiveFading::User ? hop.results.Msm : r.msmRefDb;
    return v;
}

void storePageValues(HopRecord& record, const PageValues& values, FieldPage page,
                     DiversityMode diversity) {
    for (const PageFieldRow& row : kPageFieldRows) {
        if (row.page == page && row.read != ReadWhen::SelectiveFading && shownIn(row, diversity)) {
            record.*row.member = values[row.field];
        }
    }
}

std::span<const ListedPageField> basicsListedFields() {
    return kBasicsListed;
}

std::vector<ListedPageField> formListedFields(const FormLayout& layout) {
    std::vector<ListedPageField> read;
    for (const ListedPageField& listed : kFormListed) {
        if (limitsRead(pageFieldRow(listed.field), layout)) {
            read.push_back(listed);
        }
    }
    return read;
}

std::optional<PageRefusal> basicsRefusal(const PageValues& v) {
    if (auto invalid = invalidList(v, kBasicsListed)) {
        return invalid;
    }
    if (!(v[PageField::HopLength] >= kShortestHopKm)) {
        return box(PageField::HopLength, "Invalid value : Hop length.", "Error",
                   MessageIcon::Exclamation, false);
    }
    const auto outside = [](PageField field, std::string_view text) {
        return box(field, text, "Error", MessageIcon::Exclamation, true);
    };
    if (!within(v[PageField::Longitude], 0, 180)) {
        return outside(PageField::Longitude, "Invalid value: Longitude");
    }
    if (!within(v[PageField::Latitude], 0, 90)) {
        return outside(PageField::Latitude, "Invalid value: Latitude");
    }
    if (!within(v[PageField::TimePercentagePL], 0, 100)) {
        return outside(PageField::TimePercentagePL, "Invalid value: pL");
    }
    // Station heights may lie below sea level.
    if (!std::isfinite(v[PageField::Station1Height])) {
        return outside(PageField::Station1Height, "Invalid value: Station 1 height.");
    }
    if (!std::isfinite(v[PageField::Station2Height])) {
        return outside(PageField::Station2Height, "Invalid value: Station 2 height.");
    }
    return std::nullopt;
}

std::optional<PageRefusal> formRefusal(const PageValues& v, const FormLayout& layout) {
    if (auto plain = firstPlainInvalid(v, {PageField::Antenna1Diameter, PageField::Antenna2Diameter,
                                           PageField::Antenna1Gain, PageField::Antenna2Gain,
                                           PageField::Feeder1Loss, PageField::Feeder2Loss,
                                           PageField::Connector1Loss, PageField::Connector2Loss})) {
        return plain;
    }
    if (layout.frequencyGHz > kCoaxTypedUpToGHz) {
        if (auto plain = firstPlainInvalid(v, {PageField::Feeder1Length, PageField::Feeder2Length,
                                               PageField::BranchingLoss})) {
            return plain;
        }
    }
    if (layout.diversity == DiversityMode::Space) {
        if (auto plain =
                firstPlainInvalid(v, {PageField::DiversityDiameter, PageField::DiversityGain})) {
            return plain;
        }
    }
    // The diversity improvement divides by the channel spacing.
    if (layout.diversity == DiversityMode::Freq &&
        !(v[PageField::ChannelSpacing] >= kSmallestNonZero)) {
        PageRefusal refusal = box(PageField::ChannelSpacing, "Invalid value : Channel spacing.",
                                  "Error", MessageIcon::Warning, false);
        refusal.takesFocus = false;
        return refusal;
    }
    for (const PageField height : {PageField::Antenna1Height, PageField::Antenna2Height}) {
        if (!(v[height] >= kSmallestNonZero)) {
            PageRefusal refusal = box(height, "Invalid value : Antenna heights must be non zero.",
                                      "Error", MessageIcon::Warning, false);
            refusal.takesFocus = false;
            return refusal;
        }
    }
    return invalidList(v, formListedFields(layout));
}

std::optional<std::string_view> pageRefusal(const HopState& hop, Messages& messages) {
    const PageValues values = storedPageValues(hop);
    const HopRecord& record = hop.record;
    std::optional<PageRefusal> refusal = basicsRefusal(values);
    if (!refusal) {
        refusal = formRefusal(values,
                              {record.frequencyGHz, record.diversityMode, record.selectiveFading});
    }
    if (!refusal) {
        return std::nullopt;
    }
    if (refusal->beep) {
        messages.beep();
    }
    messages.show(refusal->message(), refusal->caption, refusal->icon);
    return recordFieldName(refusal->listed.empty() ? refusal->field
                                                   : refusal->listed.front().field);
}

} // namespace korvel
