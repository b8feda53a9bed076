#include "fields/page_field_text.h"

#include <cmath>

#include "fields/format_fixed.h"

namespace korvel {

std::string pageFieldText(PageField field, double value) {
    const PageFieldRow& row = pageFieldRow(field);
    if (row.wholeNumber) {
        return std::to_string(std::lround(value));
    }
    return formatFixed(value, row.decimals);
}

} // namespace korvel
