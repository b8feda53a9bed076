#include "route/route_image.h"

#include <algorithm>
#include <array>
#include <string>

#include "library/byte_io.h"

namespace korvel {

namespace {

constexpr std::array<std::uint8_t, 6> kCurrentMagic{'R', 'V', 'R', 'A', '3', '\0'};
constexpr std::array<std::uint8_t, 6> kSixteenBitMagic{'R', 'V', 'R', 'A', '2', '\0'};
constexpr std::size_t kSixteenBitHopNameSize = 14;

bool startsWith(std::span<const std::uint8_t> image, std::span<const std::uint8_t> magic) {
    return image.size() >= magic.size() && std::equal(magic.begin(), magic.end(), image.begin());
}

// The fields both layouts share up to the hop names.
void readHeading(ByteReader& in, RouteRecord& r) {
    in.readText(r.directory);
    in.readText(r.fileName);
    in.readText(r.info);
}

void readSums(ByteReader& in, RouteRecord& r) {
    r.objective = in.readF64();
    r.totalOutage = in.readF64();
    for (double& value : r.hopOutage) {
        value = in.readF64();
    }
    for (double& value : r.hopRain) {
        value = in.readF64();
    }
    r.hopCount = in.readI16();
    r.divisionMethod = static_cast<DivisionMethod>(in.readI16());
}

void readSixteenBitHopNames(ByteReader& in, RouteRecord& r) {
    for (FixedText<256>& name : r.hopFile) {
        const auto bytes = in.readBytes(kSixteenBitHopNameSize);
        name.clear();
        std::copy(bytes.begin(), bytes.end(), name.bytes.begin());
    }
}

void readChoices(ByteReader& in, RouteRecord& r, std::size_t fieldSize) {
    for (std::int16_t* value : {&r.ptxChoice, &r.prxthChoice, &r.berExponent}) {
        *value = in.readI16();
        in.skip(fieldSize - 2);
    }
}

RouteParseError parseCurrent(ByteReader& in, RouteRecord& r) {
    readHeading(in, r);
    const auto padding = in.readBytes(r.padding.size());
    std::copy(padding.begin(), padding.end(), r.padding.begin());
    readSums(in, r);
    for (FixedText<256>& name : r.hopFile) {
        in.readText(name);
    }
    in.readText(r.radioName);
    r.radioIndex = in.readI16();
    readChoices(in, r, 2);
    return in.ok() ? RouteParseError::None : RouteParseError::TooShort;
}

RouteParseError parseSixteenBit(ByteReader& in, RouteRecord& r, std::size_t imageSize) {
    readHeading(in, r);
    readSums(in, r);
    readSixteenBitHopNames(in, r);
    in.readText(r.radioName);
    r.radioIndex = in.readI16();
    readChoices(in, r, imageSize >= kOldRouteFileWideTailSize ? 8 : 2);
    return in.ok() ? RouteParseError::None : RouteParseError::TooShort;
}

} // namespace

RouteParseError parseRouteImage(std::span<const std::uint8_t> image, RouteRecord& record,
                                RouteFileVersion& version) {
    RouteRecord parsed;
    ByteReader in(image);
    RouteParseError error = RouteParseError::None;
    RouteFileVersion parsedVersion = RouteFileVersion::Current;
    if (startsWith(image, kCurrentMagic)) {
        in.skip(kCurrentMagic.size());
        error = parseCurrent(in, parsed);
    } else if (startsWith(image, kSixteenBitMagic)) {
        parsedVersion = RouteFileVersion::SixteenBit;
        in.skip(kSixteenBitMagic.size());
        error = parseSixteenBit(in, parsed, image.size());
    } else {
        return RouteParseError::WrongMagic;
    }
    if (error != RouteParseError::None) {
        return error;
    }
    if (!isValidHopCount(parsed.hopCount)) {
        return RouteParseError::InvalidHopCount;
    }
    record = parsed;
    version = parsedVersion;
    return RouteParseError::None;
}

std::vector<std::uint8_t> routeFileImage(const RouteRecord& r) {
    std::vector<std::uint8_t> image;
    image.reserve(kRouteFileSize);
    ByteWriter out(image);
    out.writeBytes(kCurrentMagic);
    out.writeText(r.directory);
    out.writeText(r.fileName);
    out.writeText(r.info);
    out.writeBytes(r.padding);
    out.writeF64(r.objective);
    out.writeF64(r.totalOutage);
    for (const double value : r.hopOutage) {
        out.writeF64(value);
    }
    for (const double value : r.hopRain) {
        out.writeF64(value);
    }
    out.writeI16(r.hopCount);
    out.writeI16(static_cast<std::int16_t>(r.divisionMethod));
    for (const FixedText<256>& name : r.hopFile) {
        out.writeText(name);
    }
    out.writeText(r.radioName);
    for (const std::int16_t value : {r.radioIndex, r.ptxChoice, r.prxthChoice, r.berExponent}) {
        out.writeI16(value);
    }
    return image;
}

} // namespace korvel
