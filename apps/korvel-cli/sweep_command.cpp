// korvel-cli sweep HOPFILE --vary INPUT [--from A] [--to B] [--steps N] [--json|--csv]

#include <iostream>
#include <optional>
#include <string>

#include "commands.h"
#include "engine/number_text.h"
#include "exit_codes.h"
#include "json_writer.h"
#include "series/sweep.h"

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
};

// A point without numbers carries the calculation's status (-1 or -4), or 0 when a result was
// not a finite number.
int pointStatus(const SweepPoint& point) {
    return point.outcome == PointOutcome::NotFinite ? 0 : static_cast<int>(point.status);
}

std::string sweepJson(const Sweep& sweep) {
    JsonWriter json;
    json.beginObject();
    json.key("vary").utf8(sweepInputName(sweep.input));
    json.key("unit").utf8(sweepInputUnit(sweep.input));
    json.key("objectivePct").number(sweep.objectivePct);
    json.key("points").beginArray();
    for (const SweepPoint& point : sweep.points) {
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
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.str();
}

std::string exact(double value) {
    return formatNumbers("%.17g", value);
}

void printCsv(std::ostream& out, const Sweep& sweep) {
    out << "value,outagePct,flatPct,selectivePct";
    if (sweep.hasRain) {
        out << ",rainAnnualPct,rainWorstMonthPct";
    }
    out << ",status\n";
    for (const SweepPoint& point : sweep.points) {
        out << exact(point.value);
        const bool numbers = point.outcome == PointOutcome::Results;
        for (const double value : {point.outagePct, point.flatPct, point.selectivePct}) {
            out << ',' << (numbers ? exact(value) : "");
        }
        if (sweep.hasRain) {
            out << ',' << (numbers ? exact(point.rain.annualPct) : "") << ','
                << (numbers ? exact(point.rain.worstMonthPct) : "");
        }
        out << ',' << (numbers ? "" : std::to_string(pointStatus(point))) << '\n';
    }
}

void printText(std::ostream& out, const std::string& file, const Sweep& sweep) {
    const std::string unit(sweepInputUnit(sweep.input));
    out << "== " << file
        << formatNumbers(": %s from %g to %g %s, %zu points\n",
                         std::string(sweepInputLabel(sweep.input)).c_str(),
                         sweep.points.front().value, sweep.points.back().value, unit.c_str(),
                         sweep.points.size());
    out << formatNumbers("Objective: %.5f %%; the hop's own value: %g %s\n", sweep.objectivePct,
                         sweep.currentValue, unit.c_str());
    out << formatNumbers("%12s %12s %12s %12s%s\n", ("Value " + unit).c_str(), "Outage %",
                         "Flat %", "Selective %", sweep.hasRain ? "  Rain annual %" : "");
    for (const SweepPoint& point : sweep.points) {
        if (point.outcome != PointOutcome::Results) {
            out << formatNumbers("%12.5g %s\n", point.value,
                                 point.outcome == PointOutcome::Stopped
                                     ? (point.status == CalcStatus::NegativeMargin
                                            ? "stopped: negative fading margin"
                                            : "stopped: path too obstructed")
                                     : "stopped: a result is not a finite number");
        } else if (sweep.hasRain) {
            out << formatNumbers("%12.5g %12.4e %12.4e %12.4e %14.4e\n", point.value,
                                 point.outagePct, point.flatPct, point.selectivePct,
                                 point.rain.annualPct);
        } else {
            out << formatNumbers("%12.5g %12.4e %12.4e %12.4e\n", point.value, point.outagePct,
                                 point.flatPct, point.selectivePct);
        }
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
    if (job.json) {
        std::cout << sweepJson(sweep) << '\n';
    } else if (job.csv) {
        printCsv(std::cout, sweep);
    } else {
        printText(std::cout, job.file, sweep);
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
    command->callback(
        [&context, &action, job] { action = [&context, job] { return runSweep(context, *job); }; });
}

} // namespace korvel::cli
