#include "ui/methods_table.h"

#include <string_view>

#include "engine/number_text.h"
#include "engine/verdict_words.h"
#include "geo/hop_sites.h"
#include "itu/climate/climate_inputs_at.h"
#include "itu/climate/climate_maps.h"
#include "itu/hop_methods.h"
#include "itu/method_verdict.h"
#include "platform/messages.h"
#include "report/methods_rows.h"
#include "ui/climate_import.h"

namespace korvel {

namespace {

constexpr std::string_view kHeadings[] = {"Classic", "P.530-17", "P.530-18"};

// The map that gives a missing value, as the ITU names its file.
std::string_view mapName(std::string_view missing) {
    return missing == "logK" ? "LogK" : missing;
}

std::string inputText(std::string_view name, const itu::InputValue& input) {
    std::string text = std::string(name) + " " + fixedDecimals(input.value, 2);
    if (!input.unit.empty()) {
        text.append(" ").append(input.unit);
    }
    return text.append(" (").append(input.source).append(")");
}

// What a column read and where from, then what it noted.
std::string columnSources(const itu::MethodResult& m) {
    std::string text;
    for (const MethodsRow& row : methodsRows()) {
        if (row.input != nullptr && m.inputs.*row.input) {
            const std::string_view label = row.label.substr(0, row.label.find(' '));
            text.append(text.empty() ? "Inputs: " : "; ")
                .append(inputText(label, *(m.inputs.*row.input)));
        }
    }
    if (text.empty()) {
        text = m.method == itu::MethodId::Classic ? "Inputs: the hop's own values" : "Inputs: none";
    }
    for (const std::string_view note : m.notes) {
        text.append("\n").append(note);
    }
    return text;
}

std::string verdictText(const itu::MethodResult& m) {
    if (const std::string_view word = verdictWord(itu::columnVerdict(m)); !word.empty()) {
        return std::string(word);
    }
    // The maps it needs are named under the table and in the cell's tooltip.
    return m.missing.empty() ? std::string(kNoFigure) : "needs maps";
}

MethodsCell cellOf(const MethodsRow& row, const itu::MethodResult& m, std::string text,
                   std::size_t column) {
    std::string detail =
        std::string(kHeadings[column]) + ", " + std::string(row.label) + ": " + text + "\n";
    if (row.input != nullptr && m.inputs.*row.input) {
        detail.append("from ").append((m.inputs.*row.input)->source);
    } else {
        detail.append(columnSources(m));
    }
    return {std::move(text), std::move(detail)};
}

} // namespace

std::string_view methodHeading(VerdictMethod method) {
    return kHeadings[static_cast<std::size_t>(method)];
}

const ClimateMaps& openedClimateMaps(std::shared_ptr<const ClimateMaps>& maps, Messages& messages) {
    if (!maps) {
        std::vector<std::string> errors;
        maps = std::make_shared<const ClimateMaps>(
            ClimateMaps::open(ClimateCache(climateCacheFolder()), errors));
        for (const std::string& error : errors) {
            messages.show(error, kAppCaption, MessageIcon::Warning);
        }
    }
    return *maps;
}

itu::ClimateInputs hopClimateInputs(const MethodSources& sources) {
    return climateInputsAt(openedClimateMaps(sources.climateMaps, sources.messages),
                           itu::pathMidpoint(&sources.sites), sources.sites.climate);
}

MethodColumns3 hopMethodColumns(const HopState& hop, const MethodSources& sources) {
    itu::HopMethodsInput input;
    input.hop = &hop;
    input.sites = &sources.sites;
    input.midpoint = itu::pathMidpoint(&sources.sites);
    input.climate = hopClimateInputs(sources);
    return itu::hopMethods(input);
}

std::array<const itu::MethodResult*, 3> columnPointers(const MethodColumns3& columns) {
    return {&columns[0], &columns[1], &columns[2]};
}

std::string missingMapsText(const MethodColumns3& columns) {
    std::string names;
    for (const itu::MethodResult& m : columns) {
        for (const std::string_view missing : m.missing) {
            const std::string name(mapName(missing));
            if (names.find(name) == std::string::npos) {
                names.append(names.empty() ? "" : ", ").append(name);
            }
        }
    }
    return names.empty() ? std::string() : "needs climate maps (" + names + ")";
}

MethodsTableContent methodsTableContent(const MethodColumns3& columns, VerdictMethod judging) {
    MethodsTableContent content;
    content.judgingColumn = static_cast<int>(judging);
    content.missingMaps = missingMapsText(columns);
    for (const std::string_view heading : kHeadings) {
        content.headings.emplace_back(heading);
    }
    const auto rows = methodsRows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        content.rowLabels.emplace_back(rows[r].label);
        content.cells.emplace_back();
        const bool verdictRow = r + 1 == rows.size();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            std::string text = verdictRow ? verdictText(columns[c]) : rows[r].cell(columns[c]);
            MethodsCell cell = cellOf(rows[r], columns[c], std::move(text), c);
            if (verdictRow && !columns[c].missing.empty()) {
                cell.detail.insert(0, missingMapsText({columns[c], columns[c], columns[c]}) + "\n");
            }
            if (verdictRow && static_cast<int>(c) == content.judgingColumn) {
                cell.detail.append("\nThis column judges the hop.");
            }
            content.cells.back().push_back(std::move(cell));
        }
    }
    return content;
}

OutageJudgement judgeHopAndShowMethods(const HopState& hop, const MethodSources& sources,
                                       MethodsView* table) {
    if (!hasResults(hop.results)) {
        if (table != nullptr) {
            table->clear();
        }
        return multipathJudgement(hop);
    }
    const MethodColumns3 columns = hopMethodColumns(hop, sources);
    if (table != nullptr) {
        table->show(methodsTableContent(columns, sources.sites.verdictMethod));
    }
    return itu::methodHopJudgement(hop, sources.sites.verdictMethod, columns);
}

void MethodsTablePresenter::onJudgingColumnChosen(int column) {
    if (column < 0 || column > 2) {
        return;
    }
    parts_.sites.verdictMethod = static_cast<VerdictMethod>(column);
    parts_.sitesChanged();
    parts_.refresh();
}

void MethodsTablePresenter::onImportMaps() {
    if (importChosenClimateMaps(parts_.files, parts_.messages, parts_.busyWork,
                                parts_.climateMaps)) {
        parts_.refresh();
    }
}

} // namespace korvel
