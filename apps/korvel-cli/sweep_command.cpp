// korvel-cli sweep HOPFILE --vary INPUT [--from A] [--to B] [--steps N] [--json|--csv]
//                 [--methods LIST [--dN1 V ...]]

#include <iostream>
#include <optional>
#include <string>

#include "commands.h"
#include "engine/number_text.h"
#include "exit_codes.h"
#include "json_writer.h"
#include "methods_output.h"
#include "series/sweep.h"
#include "series/sweep_methods.h"

namespace korvel::cli {
namespace {

struct SweepJob {
    std::string file;
    std::string vary;
    std::optional<double> from; // absent: the default range's end
    std::optional<double> to;
    int steps = kDefaultSweepSteps;
    bool json = false;
    bool csv = false;
    MethodsOptions methods;
};

// The chosen methods' columns at every point (none: not asked).
using MethodPoints = std::vector<std::vector<const itu::MethodResult*>>;

std::string curveName(const itu::MethodResult& m, SweepInput input) {
    return std::string(itu::methodName(m.method)) +
           (input == SweepInput::RainRate ? ".rainOutagePct" : ".totalWorstMonthPct");
}

// A point without numbers carries the calculation's status (-1 or -4), or 0 when a result was
// not a finite number.
int pointStatus(const SweepPoint& point) {
    return point.outcome == PointOutcome::NotFinite ? 0 : static_cast<int>(point.status);
}

void writePointMethods(JsonWriter& json, const std::vector<const itu::MethodResult*>& columns) {
    json.key("methods").beginArray();
    for (const itu::MethodResult* m : columns) {
        json.beginObject();
        json.key("method").utf8(itu::methodName(m->method));
        json.key("totalWorstMonthPct");
        m->totalWorstMonthPct ? json.number(*m->totalWorstMonthPct) : json.null();
        json.key("rainOutagePct");
        m->rain && m->rain->outagePct ? json.number(*m->rain->outagePct) : json.null();
        json.key("rainOutageBound");
        m->rain && m->rain->outageBound != itu::RainBound::None
            ? json.utf8(itu::rainBoundName(m->rain->outageBound))
            : json.null();
        json.endObject();
    }
    json.endArray();
}

std::string sweepJson(const Sweep& sweep, const MethodPoints& methods) {
    JsonWriter json;
    json.beginObject();
    json.key("vary").utf8(sweepInputName(sweep.input));
    json.key("unit").utf8(sweepInputUnit(sweep.input));
    json.key("objectivePct").number(sweep.objectivePct);
    json.key("points").beginArray();
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        const SweepPoint& point = sweep.points[i];
        json.beginObject();
        json.key("value").number(point.value);
        if (point.outcome != PointOutcome::Results) {
            json.key("status").integer(pointStatus(point));
        } else {
            json.key("outagePct").number(point.outagePct);
            json.key("flatPct").number(point.flatPct);
            json.key("selectivePct").number(point.selectivePct);
            if (sweep.hasRain) {
                json.key("rainAnnualPct").number(point.rain.annualPct);
                json.key("rainWorstMonthPct").number(point.rain.worstMonthPct);
            }
        }
        if (!methods.empty()) {
            writePointMethods(json, methods[i]);
        }
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.str();
}

std::string exact(double value) {
    return formatNumbers("%.17g", value);
}

// ",<method>.<curve>" per chosen method, or the values at point i.
std::string methodCells(const MethodPoints& methods, SweepInput input,
                        std::optional<std::size_t> point) {
    std::string cells;
    if (methods.empty()) {
        return cells;
    }
    for (const itu::MethodResult* m : methods[point.value_or(0)]) {
        const std::optional<double> value = methodCurveValue(*m, input);
        cells.append(",").append(!point ? curveName(*m, input) : value ? exact(*value) : "");
    }
    return cells;
}

void printSweepCsv(std::ostream& out, const Sweep& sweep, const MethodPoints& methods) {
    out << "value,outagePct,flatPct,selectivePct";
    if (sweep.hasRain) {
        out << ",rainAnnualPct,rainWorstMonthPct";
    }
    out << methodCells(methods, sweep.input, std::nullopt) << ",status\n";
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        const SweepPoint& point = sweep.points[i];
        out << exact(point.value);
        const bool numbers = point.outcome == PointOutcome::Results;
        for (const double value : {point.outagePct, point.flatPct, point.selectivePct}) {
            out << ',' << (numbers ? exact(value) : "");
        }
        if (sweep.hasRain) {
            out << ',' << (numbers ? exact(point.rain.annualPct) : "") << ','
                << (numbers ? exact(point.rain.worstMonthPct) : "");
        }
        out << methodCells(methods, sweep.input, i) << ','
            << (numbers ? "" : std::to_string(pointStatus(point))) << '\n';
    }
}

// " %12s" per chosen method: its curve's name, or its value at point i.
std::string methodColumnsText(const MethodPoints& methods, SweepInput input,
                              std::optional<std::size_t> point) {
    std::string text;
    if (methods.empty()) {
        return text;
    }
    for (const itu::MethodResult* m : methods[point.value_or(0)]) {
        const std::optional<double> value = methodCurveValue(*m, input);
        const itu::RainBound bound = m->rain ? m->rain->outageBound : itu::RainBound::None;
        const std::string cell = !point ? std::string(itu::methodName(m->method)) +
                                              (input == SweepInput::RainRate ? " rain %" : " %")
                                 : value ? formatNumbers("%.4e", *value)
                                 : input == SweepInput::RainRate && bound != itu::RainBound::None
                                     ? std::string(itu::rainBoundShown(bound))
                                     : "-";
        text += formatNumbers(" %14s", cell.c_str());
    }
    return text;
}

void printSweepText(std::ostream& out, const std::string& file, const Sweep& sweep,
                    const MethodPoints& methods) {
    const std::string unit(sweepInputUnit(sweep.input));
    out << "== " << file
        << formatNumbers(": %s from %g to %g %s, %zu points\n",
                         std::string(sweepInputLabel(sweep.input)).c_str(),
                         sweep.points.front().value, sweep.points.back().value, unit.c_str(),
                         sweep.points.size());
    out << formatNumbers("Objective: %.5f %%; the hop's own value: %g %s\n", sweep.objectivePct,
                         sweep.currentValue, unit.c_str());
    out << formatNumbers("%12s %12s %12s %12s%s", ("Value " + unit).c_str(), "Outage %", "Flat %",
                         "Selective %", sweep.hasRain ? "  Rain annual %" : "")
        << methodColumnsText(methods, sweep.input, std::nullopt) << '\n';
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        const SweepPoint& point = sweep.points[i];
        if (point.outcome != PointOutcome::Results) {
            out << formatNumbers("%12.5g %s\n", point.value,
                                 point.outcome == PointOutcome::Stopped
                                     ? (point.status == CalcStatus::NegativeMargin
                                            ? "stopped: negative fading margin"
                                            : "stopped: path too obstructed")
                                     : "stopped: a result is not a finite number");
            continue;
        }
        if (sweep.hasRain) {
            out << formatNumbers("%12.5g %12.4e %12.4e %12.4e %14.4e", point.value, point.outagePct,
                                 point.flatPct, point.selectivePct, point.rain.annualPct);
        } else {
            out << formatNumbers("%12.5g %12.4e %12.4e %12.4e", point.value, point.outagePct,
                                 point.flatPct, point.selectivePct);
        }
        out << methodColumnsText(methods, sweep.input, i) << '\n';
    }
}

int runSweep(CliContext& context, const SweepJob& job) {
    const auto input = sweepInputNamed(job.vary);
    if (!input) {
        reportError("--vary takes diameter, length, rain-rate, spacing or channel-spacing");
        return kExitUnusable;
    }
    HopState hop;
    if (const int status = context.loadHop(job.file, hop); status != kExitOk) {
        return status;
    }
    if (const auto refusal = sweepInputRefusal(hop.record, *input); !refusal.empty()) {
        reportError(job.file + ": " + std::string(refusal));
        return kExitRefused;
    }
    SweepRange range = defaultSweepRange(hop.record, *input);
    range.from = job.from.value_or(range.from);
    range.to = job.to.value_or(range.to);
    range.steps = job.steps;
    if (const auto refusal = sweepRangeRefusal(*input, range); !refusal.empty()) {
        reportError(std::string(refusal));
        return kExitRefused;
    }
    const Sweep sweep = sweepHop(hop, *input, range);
    std::vector<std::array<itu::MethodResult, 3>> columns;
    MethodPoints methods;
    if (job.methods.wanted()) {
        const MethodsSource source = methodsSource(job.file, job.methods);
        columns = sweepMethods(hop, *input, range, source.sites ? &*source.sites : nullptr,
                               source.climate);
        for (const auto& point : columns) {
            methods.push_back(job.methods.chosen(point));
        }
    }
    if (job.json) {
        std::cout << sweepJson(sweep, methods) << '\n';
    } else if (job.csv) {
        printSweepCsv(std::cout, sweep, methods);
    } else {
        printSweepText(std::cout, job.file, sweep, methods);
    }
    return kExitOk;
}

} // namespace

void addSweepCommand(CLI::App& app, CliContext& context, Action& action) {
    auto job = std::make_shared<SweepJob>();
    CLI::App* command = app.add_subcommand(
        "sweep", "Outage of a hop as one input varies (default: half to twice its value)");
    command->add_option("HOPFILE", job->file, "Hop file")->required();
    command
        ->add_option("--vary", job->vary,
                     "diameter (m, both antennas), length (km), rain-rate (mm/h), spacing (m, "
                     "space diversity) or channel-spacing (GHz, frequency diversity)")
        ->required()
        ->check(CLI::IsMember({"diameter", "length", "rain-rate", "spacing", "channel-spacing"}));
    command->add_option("--from", job->from, "First value, in the input's unit");
    command->add_option("--to", job->to, "Last value, in the input's unit");
    command->add_option("--steps", job->steps, "Number of points, 2 to 1000 (default 50)")
        ->check(CLI::Range(kMinSweepSteps, kMaxSweepSteps));
    auto* json = command->add_flag("--json", job->json, "Print one JSON object");
    auto* csv = command->add_flag("--csv", job->csv, "Print comma-separated values");
    json->excludes(csv);
    addMethodsOptions(command, job->methods);
    command->callback(
        [&context, &action, job] { action = [&context, job] { return runSweep(context, *job); }; });
}

} // namespace korvel::cli
