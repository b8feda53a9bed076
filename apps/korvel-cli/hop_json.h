#pragma once
// The hop state as JSON: field names of the hop record, results and selection; texts in UTF-8;
// enumerated choices as their stored numbers.

#include <string>

#include "engine/hop_record.h"
#include "json_writer.h"

namespace korvel::cli {

void writeResultsJson(JsonWriter& json, const HopResults& results);
void writeRecordJson(JsonWriter& json, const HopRecord& record);
void writeSelectionJson(JsonWriter& json, const HopSelection& selection);

// Fills `hop` (already at its New defaults) from a JSON document with the keys "record",
// "results" and "selection", each optional, each field optional. Returns the first problem as
// "record.info: longer than 39 characters", in the words of every JSON source, or "".
std::string readHopJson(const std::string& document, HopState& hop);

} // namespace korvel::cli
