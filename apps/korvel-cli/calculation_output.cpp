#include "calculation_output.h"

#include <algorithm>
#include <string_view>

#include "cli_context.h"
#include "engine/hop_verdict.h"
#include "engine/results_panel.h"
#include "engine/verdict_words.h"
#include "hop_json.h"
#include "json_writer.h"
#include "platform/text_encoding.h"

namespace korvel::cli {
namespace {

// The panel relies on the window's word wrap at one line (41 characters) to put each entry on
// its own line: a line breaks after its last blank when the next word would not fit. A terminal
// gets the same lines explicitly.
constexpr std::size_t kPanelLineWidth = 41;

void appendLine(std::string& text, std::string_view line) {
    const auto end = line.find_last_not_of(' ');
    appendCp1252AsUtf8(text, end == std::string_view::npos ? "" : line.substr(0, end + 1));
    text += '\n';
}

void appendBlock(std::string& text, std::string_view block) {
    while (!block.empty()) {
        const auto newline = block.find('\n');
        std::string_view paragraph = block.substr(0, newline);
        block = newline == std::string_view::npos ? std::string_view{} : block.substr(newline + 1);
        while (!paragraph.empty()) {
            std::size_t length = std::min(paragraph.size(), kPanelLineWidth);
            const bool splitsWord = length < paragraph.size() && paragraph[length] != ' ' &&
                                    paragraph[length - 1] != ' ';
            if (splitsWord) {
                const auto lastBlank = paragraph.substr(0, length).find_last_of(' ');
                if (lastBlank != std::string_view::npos) {
                    length = lastBlank + 1;
                }
            }
            appendLine(text, paragraph.substr(0, length));
            paragraph.remove_prefix(length);
        }
    }
}

void writeMet(JsonWriter& json, const OutageJudgement& judgement) {
    if (judgement.verdict == ObjectiveVerdict::None) {
        json.null();
    } else {
        json.boolean(judgement.verdict == ObjectiveVerdict::Met);
    }
}

void writeMargin(JsonWriter& json, const OutageJudgement& judgement) {
    if (const auto margin = objectiveMarginPct(judgement)) {
        json.number(*margin);
    } else {
        json.null();
    }
}

} // namespace

void appendJudgement(std::string& text, const HopState& hop,
                     std::optional<double> availabilityObjectivePct) {
    for (const std::string& line : hopJudgementLines(hop, availabilityObjectivePct)) {
        appendCp1252AsUtf8(text, line);
        text += '\n';
    }
}

void warnResultsOutOfDate(const std::string& file) {
    reportError(file +
                ": the results stored in the file do not belong to its data (changed "
                "since its last calculation); korvel-cli calc --save " +
                file + " stores new ones");
}

std::vector<std::string> calculationWarnings(const CalculationOutcome& outcome) {
    std::vector<std::string> warnings;
    for (const auto& message : outcome.mathMessages) {
        warnings.push_back(message.text);
    }
    if (outcome.status != CalcStatus::Ok) {
        warnings.emplace_back(statusText(outcome.status));
    }
    return warnings;
}

void appendCalculation(std::string& text, const HopState& hop, const CalculationOutcome& outcome) {
    if (producedResults(outcome.status)) {
        const ResultsPanelText panel = resultsPanelText(hop);
        appendBlock(text, panel.upper);
        if (panel.lower) {
            appendBlock(text, *panel.lower);
        }
    }
    for (const auto& warning : calculationWarnings(outcome)) {
        text += "Warning: ";
        appendCp1252AsUtf8(text, warning);
        text += '\n';
    }
}

void printCalculation(std::ostream& out, const HopState& hop, const CalculationOutcome& outcome) {
    std::string text;
    appendCalculation(text, hop, outcome);
    out << text;
}

std::string calculationJson(const std::string& file, const HopState& hop,
                            const CalculationOutcome& outcome,
                            const std::function<void(JsonWriter&)>& more,
                            std::optional<double> availabilityObjectivePct) {
    JsonWriter json;
    json.beginObject();
    json.key("file").utf8(file);
    json.key("status").integer(static_cast<int>(outcome.status));
    json.key("messages").beginArray();
    for (const auto& warning : calculationWarnings(outcome)) {
        json.text(warning);
    }
    json.endArray();
    json.key("results");
    writeResultsJson(json, hop.results);
    // Null without results (or, for rain, without a rain calculation or an objective).
    const bool results = producedResults(outcome.status);
    const OutageJudgement multipath = multipathJudgement(hop);
    const OutageJudgement rain = rainJudgement(hop, availabilityObjectivePct);
    writeMet(json.key("objectiveMet"), results ? multipath : OutageJudgement{});
    writeMet(json.key("availabilityObjectiveMet"), results ? rain : OutageJudgement{});
    writeMargin(json.key("objectiveMarginPct"), results ? multipath : OutageJudgement{});
    writeMargin(json.key("availabilityObjectiveMarginPct"), results ? rain : OutageJudgement{});
    if (more) {
        more(json);
    }
    json.endObject();
    return json.str();
}

} // namespace korvel::cli
