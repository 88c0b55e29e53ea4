#!/usr/bin/env python3
"""Generates the shipped cities file data/GA_MA.LL from the public-domain
time-zone database that Linux ships (/usr/share/zoneinfo/zone.tab and
iso3166.tab).

One place per zone.tab line: the city is the last part of the zone name with
"_" as a blank, the region is the country name without commas, the
coordinates are rounded to whole minutes ("DDDxMM" and "DDxMM"), and the zone
is minus the standard UTC offset in hours (the smaller of the offsets on
15 January and 15 July). Places the input checks would refuse are left out:
latitude beyond 66 degrees 00 minutes, zone above 12 or below -13, and a West
longitude with a zone below -2. The file is Windows-1252 with CR LF.

Usage: tools/make_cities.py [output path]   (default: data/GA_MA.LL)
"""
import datetime
import math
import os
import sys
import zoneinfo

ZONEINFO = "/usr/share/zoneinfo"
EXAMPLE = "Springfield,IL,089W39,39N48,6"
YEAR = 2025


def read_tab(name):
    with open(os.path.join(ZONEINFO, name), encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                yield line.rstrip("\n").split("\t")


def parse_coordinate(text, degree_digits):
    """'+4043' or '-073541' style: sign, degrees, minutes, optional seconds."""
    sign = -1 if text[0] == "-" else 1
    body = text[1:]
    deg = int(body[:degree_digits])
    minutes = int(body[degree_digits:degree_digits + 2])
    seconds = int(body[degree_digits + 2:] or 0)
    total = int(math.floor(deg * 60 + minutes + seconds / 60.0 + 0.5))
    return sign, total // 60, total % 60


def split_coordinates(text):
    cut = max(text.rfind("+"), text.rfind("-"))
    lat_text, lon_text = text[:cut], text[cut:]
    return parse_coordinate(lat_text, 2), parse_coordinate(lon_text, 3)


def standard_zone_hours(zone_name):
    tz = zoneinfo.ZoneInfo(zone_name)
    offsets = [datetime.datetime(YEAR, month, 15, 12, tzinfo=tz).utcoffset().total_seconds() / 3600.0
               for month in (1, 7)]
    return -min(offsets)


def plain_number(value):
    if value == 0:
        return "0"
    if value == int(value):
        return str(int(value))
    return ("%.2f" % value).rstrip("0").rstrip(".")


def main():
    out_path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "GA_MA.LL")
    countries = {row[0]: row[1].replace(",", "") for row in read_tab("iso3166.tab")}
    lines = [EXAMPLE]
    keys = {"Springfield,IL"}
    for row in read_tab("zone.tab"):
        code, coords, zone_name = row[0], row[1], row[2]
        (lat_sign, lat_deg, lat_min), (lon_sign, lon_deg, lon_min) = split_coordinates(coords)
        if lat_deg > 66 or (lat_deg == 66 and lat_min > 0):
            continue
        hours = standard_zone_hours(zone_name)
        west = lon_sign < 0
        if hours > 12 or hours < -13 or (west and hours < -2):
            continue
        city = zone_name.split("/")[-1].replace("_", " ")
        region = countries[code]
        key = city + "," + region
        if key in keys:
            continue
        keys.add(key)
        lon = "%03d%s%02d" % (lon_deg, "W" if west else "E", lon_min)
        lat = "%02d%s%02d" % (lat_deg, "S" if lat_sign < 0 else "N", lat_min)
        lines.append("%s,%s,%s,%s" % (key, lon, lat, plain_number(hours)))
    with open(out_path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))
    print("%d places written to %s" % (len(lines), out_path))


if __name__ == "__main__":
    main()
