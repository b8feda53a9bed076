#include "report/methods_section_table.h"

#include <functional>
#include <optional>
#include <utility>

namespace korvel {
namespace {

using itu::MethodResult;
using SectionCell = std::function<std::string(const MethodResult&, bool french)>;

constexpr const char* kNone = "-";

struct RowWords {
    const char* english; // UTF-8, as every text of this file
    const char* french;
    SectionCell cell;
};

std::string sectionDecibels(double value) {
    return formatted("%.2f", value);
}

// Outages span many decades: the report's exponent form, as its geoclimatic factor.
std::string sectionExponent(double value) {
    return exponentText(value, 2, 0);
}

SectionCell sectionFigure(std::optional<double> MethodResult::*field,
                          std::string (*format)(double)) {
    return [field, format](const MethodResult& m, bool) {
        return m.*field ? format(*(m.*field)) : std::string(kNone);
    };
}

SectionCell sectionInput(std::optional<itu::InputValue> itu::MethodInputs::*field) {
    return [field](const MethodResult& m, bool) {
        const std::optional<itu::InputValue>& v = m.inputs.*field;
        return v ? formatted("%.2f", v->value) : std::string(kNone);
    };
}

std::string sectionRainOutage(const MethodResult& m, bool) {
    if (!m.rain) {
        return kNone;
    }
    if (m.rain->outagePct) {
        return sectionExponent(*m.rain->outagePct);
    }
    const std::string_view shown = itu::rainBoundShown(m.rain->outageBound);
    return shown.empty() ? std::string(kNone) : std::string(shown);
}

std::string sectionVerdict(const MethodResult& m, bool french) {
    if (!m.objectiveMet) {
        return kNone;
    }
    if (french) {
        return *m.objectiveMet ? "atteint" : "non atteint";
    }
    return *m.objectiveMet ? "met" : "missed";
}

const std::vector<RowWords>& rowWords() {
    static const std::vector<RowWords> rows{
        {"Refractivity gradient dN1 (N/km)", "Gradient de réfractivité dN1 (N/km)",
         sectionInput(&itu::MethodInputs::dN1)},
        {"Terrain roughness sa (m)", "Rugosité du terrain sa (m)",
         sectionInput(&itu::MethodInputs::sa)},
        {"Geoclimatic factor log K", "Facteur géoclimatique log K",
         sectionInput(&itu::MethodInputs::logK)},
        {"Refractivity gradient dN75 (N)", "Gradient de réfractivité dN75 (N)",
         sectionInput(&itu::MethodInputs::dN75)},
        {"Mean terrain height ht (m)", "Altitude moyenne du terrain ht (m)",
         sectionInput(&itu::MethodInputs::htM)},
        {"Lower antenna above terrain hc (m)", "Antenne basse au-dessus du terrain hc (m)",
         sectionInput(&itu::MethodInputs::hcM)},
        {"Rain rate R0.01 (mm/h)", "Intensité de pluie R0.01 (mm/h)",
         sectionInput(&itu::MethodInputs::R001)},
        {"Path loss (dB)", "Affaiblissement du trajet (dB)",
         sectionFigure(&MethodResult::pathLossDb, sectionDecibels)},
        {"Flat fading margin (dB)", "Marge d'évanouissement uniforme (dB)",
         sectionFigure(&MethodResult::fadeMarginDb, sectionDecibels)},
        {"Geoclimatic factor K", "Facteur géoclimatique K",
         sectionFigure(&MethodResult::K, sectionExponent)},
        {"Multipath occurrence p0 (%)", "Occurrence des trajets multiples p0 (%)",
         sectionFigure(&MethodResult::p0Pct, sectionExponent)},
        {"Worst month, deep fades (%)", "Mois le plus défavorable, évan. profonds (%)",
         sectionFigure(&MethodResult::worstMonthPct, sectionExponent)},
        {"Worst month, all fades (%)", "Mois le plus défavorable, tous évan. (%)",
         sectionFigure(&MethodResult::worstMonthAllPct, sectionExponent)},
        {"Conversion term ΔG (dB)", "Terme de conversion ΔG (dB)",
         sectionFigure(&MethodResult::deltaGDb, sectionDecibels)},
        {"Average year (%)", "Année moyenne (%)",
         sectionFigure(&MethodResult::averageYearPct, sectionExponent)},
        {"Rain attenuation A0.01 (dB)", "Affaiblissement dû à la pluie A0.01 (dB)",
         [](const MethodResult& m, bool) {
             return m.rain && m.rain->A001Db ? sectionDecibels(*m.rain->A001Db)
                                             : std::string(kNone);
         }},
        {"Annual unavailability due to rain (%)", "Indisponibilité annuelle due à la pluie (%)",
         sectionRainOutage},
        {"Gaseous attenuation (dB)", "Affaiblissement dû aux gaz (dB)",
         [](const MethodResult& m, bool) {
             return m.gas ? sectionDecibels(m.gas->attenuationDb) : std::string(kNone);
         }},
        {"Diversity improvement", "Facteur d'amélioration (diversité)",
         [](const MethodResult& m, bool) {
             return m.diversity ? formatted("%.1f", m.diversity->improvement) : std::string(kNone);
         }},
        {"Total outage, worst month (%)", "Interruption totale, mois le plus défav. (%)",
         sectionFigure(&MethodResult::totalWorstMonthPct, sectionExponent)},
        {"Outage objective", "Objectif d'interruption", sectionVerdict},
    };
    return rows;
}

// The notes of the current methods in French; a note not listed stays in English.
constexpr std::pair<std::string_view, std::string_view> kFrenchNotes[] = {
    {"no classic results: calculate the hop first",
     "pas de résultats classiques : calculer d'abord le bond"},
    {"selective outage: classic method", "interruption sélective : méthode classique"},
    {"quick K and p_w: no s_a", "K et p_w rapides : pas de s_a"},
    {"ΔG capped at 10.8 dB", "ΔG limité à 10.8 dB"},
    {"p_t ≥ 100 %: outside the method", "p_t ≥ 100 % : hors de la méthode"},
    {"fade margin below 0 dB", "marge d'évanouissement inférieure à 0 dB"},
    {"gas: frequency outside 1–1000 GHz", "gaz : fréquence hors de 1–1000 GHz"},
    {"rain: frequency above 100 GHz", "pluie : fréquence au-delà de 100 GHz"},
    {"rain: hop longer than the 60 km the method was tested on",
     "pluie : bond plus long que les 60 km sur lesquels la méthode a été vérifiée"},
    {"h_c < 0: grazing or obstructed path, p_w may be far too high",
     "h_c < 0 : trajet rasant ou obstrué, p_w peut être bien trop élevé"},
    {"dN75 below 0", "dN75 inférieur à 0"},
    {"sum, no §2.4.6 correlation", "somme, sans la corrélation du §2.4.6"},
    {"s_a below 0 m", "s_a inférieur à 0 m"},
    {"outside the fitted data: d above 185 km",
     "hors des données d'ajustement : d au-delà de 185 km"},
    {"outside the fitted data: dN1 not within −860 to −150 N/km",
     "hors des données d'ajustement : dN1 hors de −860 à −150 N/km"},
    {"outside the fitted data: h_L not within 17–2300 m",
     "hors des données d'ajustement : h_L hors de 17–2300 m"},
    {"outside the fitted data: s_a not within 6–850 m",
     "hors des données d'ajustement : s_a hors de 6–850 m"},
    {"outside the fitted data: |ε_p| above 37 mrad",
     "hors des données d'ajustement : |ε_p| au-delà de 37 mrad"},
    {"frequency diversity outside its fitted data (30–70 km, 2–11 GHz, Δf/f ≤ 5 %)",
     "diversité de fréquence hors de ses données d'ajustement (30–70 km, 2–11 GHz, Δf/f ≤ 5 %)"},
    {"space diversity outside its fitted data (43–240 km, 2–11 GHz, 3–23 m)",
     "diversité d'espace hors de ses données d'ajustement (43–240 km, 2–11 GHz, 3–23 m)"},
};

// The words of the tool's sources in French; a map's provenance stays as it is.
constexpr std::pair<std::string_view, std::string_view> kFrenchSources[] = {
    {"typed", "saisie"},
    {"profile", "profil"},
    {"stations", "stations"},
    {"override", "valeur imposée"},
    {"antenna altitudes and htM", "altitudes des antennes et ht"},
};

template <std::size_t N>
std::string_view inFrench(const std::pair<std::string_view, std::string_view> (&table)[N],
                          std::string_view english) {
    for (const auto& [from, to] : table) {
        if (from == english) {
            return to;
        }
    }
    return english;
}

std::string heading(const MethodResult& m, bool french) {
    switch (m.method) {
    case itu::MethodId::Classic:
        return french ? "Classique" : "Classic";
    case itu::MethodId::P530v17:
        return "P.530-17";
    case itu::MethodId::P530v18:
        return "P.530-18";
    }
    return {};
}

// "Source of dN1: typed", one line per sectionInput some column reads.
void addSources(MethodsSectionTable& table, MethodColumns columns, bool french) {
    using Field = std::optional<itu::InputValue> itu::MethodInputs::*;
    const std::pair<const char*, Field> inputs[] = {
        {"dN1", &itu::MethodInputs::dN1},    {"sa", &itu::MethodInputs::sa},
        {"log K", &itu::MethodInputs::logK}, {"dN75", &itu::MethodInputs::dN75},
        {"ht", &itu::MethodInputs::htM},     {"hc", &itu::MethodInputs::hcM},
        {"R0.01", &itu::MethodInputs::R001}};
    for (const auto& [name, field] : inputs) {
        for (const MethodResult* m : columns) {
            if (const std::optional<itu::InputValue>& v = m->inputs.*field) {
                const std::string_view source =
                    french ? inFrench(kFrenchSources, v->source) : v->source;
                table.lines.push_back(
                    reportTextFromUtf8(std::string(french ? "Source de " : "Source of ") + name +
                                       (french ? " : " : ": ") + std::string(source)));
                break;
            }
        }
    }
}

// Each note once, after the names of the columns that give it.
void addNotes(MethodsSectionTable& table, MethodColumns columns, bool french) {
    std::vector<std::pair<std::string, std::string>> notes; // text, columns
    const auto note = [&notes](const std::string& text, const std::string& column) {
        for (auto& [known, names] : notes) {
            if (known == text) {
                names += ", " + column;
                return;
            }
        }
        notes.emplace_back(text, column);
    };
    for (const MethodResult* m : columns) {
        if (!m->missing.empty()) {
            std::string needs = french ? "valeurs manquantes :" : "needs";
            for (std::size_t i = 0; i < m->missing.size(); ++i) {
                needs.append(i ? ", " : " ").append(m->missing[i]);
            }
            note(needs, heading(*m, french));
        }
        for (const std::string_view text : m->notes) {
            note(std::string(french ? inFrench(kFrenchNotes, text) : text), heading(*m, french));
        }
    }
    for (const auto& [text, names] : notes) {
        table.lines.push_back(reportTextFromUtf8(names + (french ? " : " : ": ") + text));
    }
}

} // namespace

MethodsSectionTable methodsSectionTable(MethodColumns columns, ReportLanguage language) {
    const bool french = language == ReportLanguage::French;
    MethodsSectionTable table;
    table.title = reportTextFromUtf8(french ? "Méthodes UIT-R actuelles" : "Current ITU-R methods");
    table.rows.push_back({reportTextFromUtf8(french ? "Méthode" : "Method")});
    for (const MethodResult* m : columns) {
        table.rows.back().push_back(heading(*m, french));
    }
    for (const RowWords& words : rowWords()) {
        table.rows.push_back({reportTextFromUtf8(french ? words.french : words.english)});
        for (const MethodResult* m : columns) {
            table.rows.back().push_back(words.cell(*m, french));
        }
    }
    addSources(table, columns, french);
    addNotes(table, columns, french);
    return table;
}

} // namespace korvel
