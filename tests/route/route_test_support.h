#pragma once
// Fixtures for the route tests: a small library, a temporary folder and a route folder with its
// hop files and route file.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/hop_record.h"
#include "library/equipment_library.h"
#include "route/route_record.h"

namespace korvel::test {

// Radios "RADIO A" (7 GHz), "RADIO B" (23 GHz) and "OTHER"; Parab solid diameters 0.6, 1.2,
// 1.8, 2.4 m; no feeder tables.
EquipmentLibrary makeRouteTestLibrary();

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The values a test gives a hop file.
struct HopValues {
    std::string fileName{};
    std::string station1{};
    std::string station2{};
    double lengthKm = 0;
    double objectivePct = 0;
    double pPct = 0;  // outage without diversity
    double pdPct = 0; // outage with diversity
    DiversityMode diversity = DiversityMode::No;
    double rainAnnualPct = -1;
    std::string radioName = "RADIO B";
    std::string info{};
};

HopState makeHop(const HopValues& values);
void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> readBytes(const std::filesystem::path& file);
void writeHop(const std::filesystem::path& folder, const HopValues& values);

// A route of the given hops in `folder`: every hop file written, the route reset against
// `library`, its hop names, slots and objective set, and the route file "ROUTE.ROU" written.
RouteState buildRouteFolder(const std::filesystem::path& folder, const std::vector<HopValues>& hops,
                            double objectivePct, const EquipmentLibrary& library);

} // namespace korvel::test
