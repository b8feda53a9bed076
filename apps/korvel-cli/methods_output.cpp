#include "methods_output.h"

#include <algorithm>
#include <cmath>

#include "cli_context.h"
#include "cli_sites.h"
#include "engine/number_text.h"
#include "itu/climate/climate_inputs_at.h"
#include "itu/typed_climate.h"

namespace korvel::cli {
namespace {

using itu::MethodResult;

// CLI::Range writes its help text through a string stream as it is made, once per typed value
// on every start of calc; this one writes the same text only when help is printed.
class RangeWhenShown : public CLI::Range {
  public:
    RangeWhenShown(double lowest, double highest) : CLI::Range(lowest, highest, "range") {
        name_.clear();
        desc_function_ = [lowest, highest] {
            return CLI::Range(lowest, highest).get_description();
        };
    }
};

void optionalNumber(JsonWriter& json, std::string_view key, const std::optional<double>& value) {
    json.key(key);
    if (value)
        json.number(*value);
    else
        json.null();
}

void writeInput(JsonWriter& json, std::string_view key,
                const std::optional<itu::InputValue>& input) {
    json.key(key);
    if (!input) {
        json.null();
        return;
    }
    json.beginObject();
    json.key("value").number(input->value);
    json.key("unit").utf8(input->unit);
    json.key("source").utf8(input->source);
    json.endObject();
}

void writeInputs(JsonWriter& json, const itu::MethodInputs& in) {
    json.key("inputs").beginObject();
    writeInput(json, "dN1", in.dN1);
    writeInput(json, "sa", in.sa);
    writeInput(json, "logK", in.logK);
    writeInput(json, "dN75", in.dN75);
    writeInput(json, "htM", in.htM);
    writeInput(json, "hcM", in.hcM);
    writeInput(json, "R001", in.R001);
    json.endObject();
}

void writeRain(JsonWriter& json, const std::optional<itu::RainFigures>& rain) {
    json.key("rain");
    if (!rain) {
        json.null();
        return;
    }
    json.beginObject();
    optionalNumber(json, "R001MmH", rain->R001MmH);
    optionalNumber(json, "k", rain->k);
    optionalNumber(json, "alpha", rain->alpha);
    optionalNumber(json, "gammaRDbKm", rain->gammaRDbKm);
    optionalNumber(json, "rFactor", rain->rFactor);
    optionalNumber(json, "effectiveLengthKm", rain->effectiveLengthKm);
    optionalNumber(json, "A001Db", rain->A001Db);
    optionalNumber(json, "outagePct", rain->outagePct);
    json.key("outageBound");
    if (rain->outageBound == itu::RainBound::None)
        json.null();
    else
        json.utf8(itu::rainBoundName(rain->outageBound));
    json.endObject();
}

void writeColumn(JsonWriter& json, const MethodResult& m) {
    json.beginObject();
    json.key("method").utf8(itu::methodName(m.method));
    json.key("available").boolean(m.available);
    json.key("missing").beginArray();
    for (std::string_view name : m.missing)
        json.utf8(name);
    json.endArray();
    writeInputs(json, m.inputs);
    optionalNumber(json, "pathLossDb", m.pathLossDb);
    optionalNumber(json, "fadeMarginDb", m.fadeMarginDb);
    optionalNumber(json, "K", m.K);
    optionalNumber(json, "p0Pct", m.p0Pct);
    optionalNumber(json, "worstMonthPct", m.worstMonthPct);
    optionalNumber(json, "worstMonthAllPct", m.worstMonthAllPct);
    optionalNumber(json, "deltaGDb", m.deltaGDb);
    optionalNumber(json, "averageYearPct", m.averageYearPct);
    writeRain(json, m.rain);
    json.key("gas");
    if (m.gas) {
        json.beginObject();
        json.key("gammaODbKm").number(m.gas->gammaODbKm);
        json.key("gammaWDbKm").number(m.gas->gammaWDbKm);
        json.key("attenuationDb").number(m.gas->attenuationDb);
        json.endObject();
    } else {
        json.null();
    }
    json.key("diversity");
    if (m.diversity) {
        json.beginObject();
        json.key("improvement").number(m.diversity->improvement);
        optionalNumber(json, "worstMonthPct", m.diversity->worstMonthPct);
        json.endObject();
    } else {
        json.null();
    }
    optionalNumber(json, "totalWorstMonthPct", m.totalWorstMonthPct);
    json.key("objectiveMet");
    if (m.objectiveMet)
        json.boolean(*m.objectiveMet);
    else
        json.null();
    json.key("notes").beginArray();
    for (std::string_view note : m.notes)
        json.utf8(note);
    json.endArray();
    json.endObject();
}

} // namespace

const ClimateMaps& MethodsOptions::maps() const {
    if (!maps_) {
        std::vector<std::string> errors;
        maps_ = std::make_shared<const ClimateMaps>(
            ClimateMaps::open(ClimateCache(climateCacheFolder()), errors));
        for (const std::string& error : errors) {
            reportError(error);
        }
    }
    return *maps_;
}

itu::ClimateInputs MethodsOptions::climate(itu::ClimateInputs base) const {
    itu::ClimateInputs inputs = std::move(base);
    for (std::size_t i = 0; i < itu::kTypedClimateKeys.size(); ++i) {
        const itu::TypedClimateKey& key = itu::kTypedClimateKeys[i];
        if (typedValues[i])
            inputs.*key.field = itu::InputValue{*typedValues[i], key.unit, itu::kSourceTyped};
    }
    return inputs;
}

bool MethodsOptions::wants(itu::MethodId method) const {
    return std::find(names.begin(), names.end(), itu::methodName(method)) != names.end();
}

std::vector<const MethodResult*>
MethodsOptions::chosen(const std::array<MethodResult, 3>& all) const {
    std::vector<const MethodResult*> columns;
    for (const MethodResult& column : all)
        if (wants(column.method))
            columns.push_back(&column);
    return columns;
}

void addMethodsOptions(CLI::App* command, MethodsOptions& options) {
    command
        ->add_option(
            "--methods", options.names,
            "Method columns beside the results: classic, p530-17, p530-18 (comma-separated)")
        ->delimiter(',')
        ->check(CLI::IsMember({"classic", "p530-17", "p530-18"}));
    for (std::size_t i = 0; i < itu::kTypedClimateKeys.size(); ++i) {
        const itu::TypedClimateKey& key = itu::kTypedClimateKeys[i];
        const std::string unit = key.unit.empty() ? "" : " (" + std::string(key.unit) + ")";
        command
            ->add_option("--" + std::string(key.name), options.typedValues[i],
                         "Typed " + std::string(key.name) + unit + " for --methods")
            ->check(RangeWhenShown(key.lowest, key.highest));
    }
}

itu::HopMethodsInput MethodsSource::input(const HopState& hop) const {
    itu::HopMethodsInput in;
    in.hop = &hop;
    in.sites = sites ? &*sites : nullptr;
    in.climate = climate;
    in.midpoint = midpoint;
    return in;
}

MethodsSource methodsSource(const std::string& hopFile, const MethodsOptions& options) {
    return methodsSource(readHopSites(hopFile), options);
}

MethodsSource methodsSource(std::optional<HopSites> sites, const MethodsOptions& options) {
    MethodsSource source{std::move(sites), {}, {}};
    const HopSites* read = source.sites ? &*source.sites : nullptr;
    source.midpoint = itu::pathMidpoint(read);
    source.climate = options.climate(climateInputsAt(options.maps(), source.midpoint,
                                                     read ? read->climate : ClimateOverrides{}));
    return source;
}

std::array<MethodResult, 3> methodColumns(const HopState& hop, const std::string& hopFile,
                                          const MethodsOptions& options) {
    return itu::hopMethods(methodsSource(hopFile, options).input(hop));
}

std::array<MethodResult, 3> methodColumns(const HopState& hop, std::optional<HopSites> sites,
                                          const MethodsOptions& options) {
    return itu::hopMethods(methodsSource(std::move(sites), options).input(hop));
}

void writeMethodsJson(JsonWriter& json, const std::vector<const MethodResult*>& columns) {
    json.key("methods").beginArray();
    for (const MethodResult* column : columns)
        writeColumn(json, *column);
    json.endArray();
}

} // namespace korvel::cli
