#include "engine/fading.h"

#include <algorithm>
#include <cmath>

#include "engine/log_powers.h"

namespace korvel {

namespace {

// Slightly below pi/3; the grazing angle formula is calibrated with this value.
constexpr double kGrazingAngleOffset = 1.0471975333333334;
// Below this altitude of the lower antenna the land is not mountainous, m.
constexpr double kMountainousAboveM = 700.0;

} // namespace

double latitudeTermDb(double latitudeDeg) {
    if (latitudeDeg < 53.0) {
        return 0.0;
    }
    if (latitudeDeg < 60.0) {
        return latitudeDeg / 10.0 - 5.3;
    }
    return 0.7;
}

double longitudeTermDb(EastWest eastWest, double longitudeDeg) {
    if (eastWest == EastWest::East && longitudeDeg <= 50.0) {
        return 0.3;
    }
    if (eastWest == EastWest::West && longitudeDeg <= 20.0) {
        return 0.3;
    }
    if (eastWest == EastWest::West && longitudeDeg <= 165.0) {
        return -0.3;
    }
    return 0.0;
}

double geoclimaticConstant(Method method, LandType landType, double altitude1M, double altitude2M) {
    const bool method1 = method == Method::Method1;
    switch (landType) {
    case LandType::MediumWater:
        return method1 ? 5.9 : 4.8;
    case LandType::LargeWater:
        return method1 ? 5.5 : 4.4;
    case LandType::Land:
        break;
    }
    if (std::min(altitude1M, altitude2M) > kMountainousAboveM) {
        return method1 ? 7.1 : 6.0;
    }
    return method1 ? 6.5 : 5.4;
}

double geoclimaticFactor(const HopRecord& record, MathGuard& guard) {
    return geoclimaticClimateTerm(record, guard) * timePercentageTerm(record.pLPct, guard);
}

double geoclimaticClimateTerm(const HopRecord& record, MathGuard& guard) {
    return guard.pow(10.0, geoclimaticExponent(record));
}

double geoclimaticExponent(const HopRecord& record) {
    const double a = geoclimaticConstant(record.method, record.landType,
                                         record.station1HeightM + record.antenna1HeightM,
                                         record.station2HeightM + record.antenna2HeightM);
    const double cLat = latitudeTermDb(record.latitudeDeg);
    const double cLon = longitudeTermDb(record.eastWest, record.longitudeDeg);
    return -(a - cLat - cLon);
}

double timePercentageTerm(double pLPct, MathGuard& guard) {
    return guard.pow(pLPct, 1.5);
}

double pathInclinationMrad(const HopRecord& record) {
    const double h1 = record.station1HeightM + record.antenna1HeightM;
    const double h2 = record.station2HeightM + record.antenna2HeightM;
    return std::fabs(h1 - h2) / record.hopLengthKm;
}

// sqrt, cos and acos need no guard; the argument of acos is kept in range below.
double grazingAngleMrad(const HopRecord& record, MathGuard& /*guard*/) {
    const double ha1 = record.antenna1HeightM;
    const double ha2 = record.antenna2HeightM;
    const double d = record.hopLengthKm;
    const double heightSum = ha1 + ha2;
    // Antennas with no height above their stations leave the reflected ray no clearance: the
    // formula would divide by zero, and its limit for vanishing heights is a negative angle.
    if (heightSum <= 0.0) {
        return 0.0;
    }
    const double m = d * d / (34000.0 * (ha1 / 1000.0 + ha2 / 1000.0));
    const double u = std::fabs(ha1 - ha2) / heightSum;
    // The argument peaks at exactly 1 (one antenna at zero height, m = 0.5); rounding can carry
    // it past 1 and acos would give NaN.
    const double mPlus1 = m + 1.0;
    const double cosine = std::min(1.0, 1.5 * u * std::sqrt(3.0 * m / (mPlus1 * mPlus1 * mPlus1)));
    const double b = 2.0 * std::sqrt(mPlus1 / (3.0 * m)) *
                     std::cos(kGrazingAngleOffset + std::acos(cosine) / 3.0);
    return heightSum / d * (1.0 - m * (1.0 + b * b));
}

OutageFactors outageFactors(const HopRecord& record, double grazingAngleMrad, MathGuard& guard) {
    const OutageExponents exponents = outageExponents(record.method);
    OutageFactors factors;
    const double d = record.hopLengthKm;
    const double f = record.frequencyGHz;
    factors.distance = powerFromLog(d, std::log(d), exponents.distance, guard);
    factors.frequency = powerFromLog(f, std::log(f), exponents.frequency, guard);
    factors.inclination = guard.pow(1.0 + pathInclinationMrad(record), exponents.inclination);
    if (record.method == Method::Method2) {
        factors.grazing = guard.pow(grazingAngleMrad, exponents.grazing);
    }
    return factors;
}

double fadingOutagePct(double geoclimaticFactor, double marginDb, const OutageFactors& factors,
                       MathGuard& guard) {
    return geoclimaticFactor * guard.pow(10.0, -0.1 * marginDb) * factors.grazing *
           factors.distance * factors.frequency * factors.inclination;
}

double multipathOccurrenceTerm(double geoclimaticFactor, const OutageFactors& factors,
                               MathGuard& guard) {
    const double occurrence = geoclimaticFactor * factors.grazing * factors.distance *
                              factors.frequency * factors.inclination / 100.0;
    return guard.pow(occurrence, -1.04);
}

double hopSelectiveMargin(double msmRefDb, double hopLengthKm) {
    const double lengthTermDb = 20.0 * std::log10(hopLengthKm / 42.5);
    if (lengthTermDb >= msmRefDb) {
        return 0.0;
    }
    return msmRefDb - lengthTermDb;
}

} // namespace korvel
