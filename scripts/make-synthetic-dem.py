#!/usr/bin/env python3
"""Writes the synthetic elevation model that ships with the examples: four GeoTIFF tiles of
made-up terrain (3 arc-second cells, WGS84 degrees) around the example hops' sites.

The terrain is invented, not measured: rolling hills from a few sine waves, a coast with the sea
at 0 m south of a wavy line, a lake at 76 m, a ridge across one hop of the example route, and a
low hill at every site of the given sites files that lifts the ground there to the site's
groundElevationM, so the files and the model agree.

    make-synthetic-dem.py OUTPUT_FOLDER SITES_FILE...

Needs gdal_translate (Debian package gdal-bin).
"""

import json
import math
import os
import subprocess
import sys
import tempfile

CELLS_PER_DEGREE = 1200  # 3 arc-seconds

# name: (south, north, west, east) in degrees
TILES = {
    "coast": (60.05, 60.75, 25.00, 26.00),
    "city": (60.40, 60.55, 22.15, 22.45),
    "lake": (61.35, 61.65, 24.30, 24.55),
    "rural": (63.25, 63.60, 27.10, 28.00),
}

SEA_M = 0.0
LAKE_M = 76.0


def rolling(lat, lon):
    return (12.0 * math.sin(lat * 37.3 + lon * 11.1) + 8.0 * math.sin(lon * 53.7 - lat * 23.9)
            + 4.0 * math.sin((lat + lon) * 131.0))


def coast_line(lon):
    return 60.12 + 0.015 * math.sin(lon * 20.0)


def land(tile, lat, lon):
    """The terrain before the site hills."""
    if tile == "coast":
        inland = lat - coast_line(lon)
        if inland <= 0.0:
            return SEA_M
        ramp = min(1.0, inland / 0.08)
        # A ridge across the line from the lighthouse to the cape, a third of the way north.
        ridge = 22.0 * math.exp(-((lat - 60.245) / 0.012) ** 2) * math.exp(-((lon - 25.83) / 0.12) ** 2)
        return ramp * (30.0 + rolling(lat, lon)) + ridge
    if tile == "lake":
        if 61.43 < lat < 61.575:
            return LAKE_M
        return LAKE_M + 6.0 + 0.5 * (rolling(lat, lon) + 24.0)
    if tile == "rural":
        return 60.0 + 80.0 * max(0.0, (lon - 27.2) / 0.75) ** 2 + 0.7 * rolling(lat, lon)
    return 8.0 + 0.2 * (rolling(lat, lon) + 24.0)


def sites_of(files):
    sites = {}  # stations shared by two hops are one site
    for name in files:
        with open(name, encoding="utf-8") as source:
            data = json.load(source)
        for key in ("station1", "station2"):
            if key in data:
                station = data[key]
                sites[(station["latitudeDeg"], station["longitudeDeg"])] = station["groundElevationM"]
    return [(lat, lon, ground) for (lat, lon), ground in sites.items()]


def elevation(tile, lat, lon, hills):
    height = land(tile, lat, lon)
    for site_lat, site_lon, lift in hills:
        spread = ((lat - site_lat) / 0.012) ** 2 + ((lon - site_lon) / 0.024) ** 2
        if spread < 25.0:
            height += lift * math.exp(-spread)
    return round(max(height, 0.0), 1)


def write_tile(tile, bounds, sites, folder):
    south, north, west, east = bounds
    inside = [s for s in sites if south <= s[0] <= north and west <= s[1] <= east]
    hills = [(lat, lon, ground - land(tile, lat, lon)) for lat, lon, ground in inside]
    rows = round((north - south) * CELLS_PER_DEGREE)
    columns = round((east - west) * CELLS_PER_DEGREE)
    step = 1.0 / CELLS_PER_DEGREE
    with tempfile.NamedTemporaryFile("w", suffix=".asc", delete=False) as grid:
        grid.write(f"ncols {columns}\nnrows {rows}\nxllcorner {west}\nyllcorner {south}\n"
                   f"cellsize {step:.12f}\nNODATA_value -32768\n")
        for row in range(rows):
            lat = north - (row + 0.5) * step
            values = (elevation(tile, lat, west + (column + 0.5) * step, hills) for column in range(columns))
            grid.write(" ".join(f"{value:g}" for value in values))
            grid.write("\n")
    output = os.path.join(folder, f"synthetic-{tile}.tif")
    try:
        subprocess.run(["gdal_translate", "-q", "-of", "GTiff", "-ot", "Float32", "-a_srs", "EPSG:4326",
                        "-co", "COMPRESS=DEFLATE", grid.name, output], check=True)
    finally:
        os.unlink(grid.name)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    sites = sites_of(sys.argv[2:])
    for tile, bounds in TILES.items():
        write_tile(tile, bounds, sites, folder)


if __name__ == "__main__":
    main()
