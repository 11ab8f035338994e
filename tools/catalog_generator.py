#!/usr/bin/env python3
"""Generate the ORVEX catalog data files in catalog/data/.

Run once from the repository root:  python3 tools/catalog_generator.py

The maker's rating tables are not available to us, so the tables are built
from a small heat-exchanger model that reproduces the known catalog values
exactly.  The output is fully deterministic (no random numbers).

Capacity model
--------------
1. Reference surface.  For each product family one reference unit has four
   known corner ratings (smallest/largest temperature difference at the
   coldest/warmest grid temperature).  Between them the capacity is the
   log-bilinear surface through those four points:
       ln Q(dT, t) = ln Q0 + c*s + n(s)*ln(dT/dT0),  s = (t - t0)/(t1 - t0)
   with the temperature-difference exponent n(s) varying linearly with s.
   Q therefore grows steadily with dT (exponent about 0.9..1.9) and rises
   with the evaporating / ambient temperature: in an air cooler a warmer
   coil condenses more moisture (latent gain) and frosts less; in a
   condenser the refrigerant-side heat transfer improves with pressure.
   The corner values come out exactly after rounding to whole watts.
2. Model size.  Every other unit is the reference multiplied by the ratio of
   effectiveness-NTU duties,  Q ~ V*(1 - exp(-k*A/V))  (A = finned surface,
   V = airflow, k fixed per family).  Capacity thus rises with both surface
   and airflow but with diminishing returns once the coil is "long" for its
   air (NTU grows).  Larger units have more fans and longer/taller coils;
   where two units share a fan set the second has the longer fin block, whose
   lower face velocity lets the fans deliver a few per cent more air.
3. Refrigerants.  Constant factors against R404A/R507: air coolers R22 0.9464,
   R134a 0.991 (the known -40 C rows: 106/112, 111/112); condensers R134a
   0.96 and R407A 0.93 (R407A loses mean temperature difference to its glide).
4. Low-temperature cubic coolers (VK-L) have the same casing and tubes as
   their VK-M counterpart but wider fin spacing: 66 % of the surface, 3 %
   more air, same tube volume, 1.5 x the defrost heater power.
5. Condenser fan variants: 4-, 6- and 8-pole motors, delta (T) or star (S)
   connection.  Each variant scales the airflow (fan speed); capacity follows
   from the NTU ratio above, noise from the fan law 50*log10(airflow ratio)
   plus 10*log10(fan count).  6- and 8-pole motors are longer, so the casing
   height grows by 20/40 mm.

All physical rules the catalog must obey are checked at the end; the script
stops with an error instead of writing files if any of them fails.
"""
import math
import os

OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "catalog", "data")
CYR_X = "\u0445"  # Cyrillic "х" used in the ceiling-cooler current texts
R22_F, R134A_F = 0.9464, 0.991  # air coolers, relative to R404A/R507
COND_R134A_F, COND_R407A_F = 0.96, 0.93  # condensers, relative to R404A/R507


def rnd(x):
    return int(math.floor(x + 0.5))


def rnd_to(x, step):
    # The tiny nudge keeps products that are exact halves in decimal (22.5) from rounding down
    # because binary floating point holds them as 22.4999...
    return rnd(x / step + 1e-9) * step


def require(cond, msg):
    if not cond:
        raise SystemExit("catalog_generator: rule violated: " + msg)


def corner_surface(t0, t1, d0, d1, q_d0t0, q_d0t1, q_d1t0, q_d1t1):
    """Log-bilinear capacity Q(dT, t) through four known corner values."""
    c = math.log(q_d0t1 / q_d0t0)
    n0 = math.log(q_d1t0 / q_d0t0) / math.log(d1 / d0)
    n1 = math.log(q_d1t1 / q_d0t1) / math.log(d1 / d0)

    def q(d, t):
        s = (t - t0) / (t1 - t0)
        return q_d0t0 * math.exp(c * s + (n0 + (n1 - n0) * s) * math.log(d / d0))
    return q


def ntu_ratio(ntu0, area0, air0):
    """Duty of a coil (area, air) relative to the reference coil, e-NTU model."""
    k = ntu0 * air0 / area0
    duty = lambda a, v: v * (1.0 - math.exp(-k * a / v))
    return lambda area, air: duty(area, air) / duty(area0, air0)


def rating(ref, scale, factor, groups, temps):
    return [(g, [rnd(ref(int(g), t) * scale * factor) for t in temps]) for g in groups]


# --- air coolers -----------------------------------------------------------
COOLER_GROUPS = ["5", "6", "7", "8", "9", "10"]
CEILING_T = [-40, -35, -31, -30, -25, -20, -15, -10, -8, -5, 0]
CUBIC_T = [-35, -31, -30, -25, -20, -15, -10, -8, -5, 0]

CEILING_REF = corner_surface(-40, 0, 5, 10, 112, 117, 290, 421)
CUBIC_REF = corner_surface(-35, 0, 5, 10, 1397, 1912, 2617, 4502)


def cooler_tables(ref, scale, temps):
    return {"table R404a/R507": rating(ref, scale, 1.0, COOLER_GROUPS, temps),
            "table R22": rating(ref, scale, R22_F, COOLER_GROUPS, temps),
            "table R134a": rating(ref, scale, R134A_F, COOLER_GROUPS, temps)}


def cooler_record(name, throw, length, width, tables, surface, tube, fans, air,
                  supply, motor, current, defrost):
    rec = {"model": name, "airThrow": throw, "length": str(length), "width": str(width)}
    rec.update(tables)
    rec.update({"surface": f"{surface:.1f}", "tubeVolume": f"{tube:.1f}", "fans": fans,
                "airflow": str(air), "powerSupply": supply, "motorPower": motor,
                "current": current, "defrostPower": str(defrost)})
    return rec


# Ceiling coolers, 200 mm fans.  The first number of the name is the coil size
# (about 7 x surface in m2), the second 100 x the fan count.
# name, fans, length mm, air throw m, surface m2, airflow m3/h, defrost W
CEILING = [
    ("VP-10-100", 1, 540, "3.0", 1.4, 300, 500),
    ("VP-15-100", 1, 640, "3.0", 2.0, 315, 600),
    ("VP-20-200", 2, 840, "3.5", 2.8, 600, 700),
    ("VP-25-200", 2, 940, "3.5", 3.6, 625, 800),
    ("VP-35-200", 2, 1040, "3.5", 4.8, 650, 900),
    ("VP-45-300", 3, 1240, "4.0", 6.3, 960, 1000),
    ("VP-55-300", 3, 1340, "4.0", 7.8, 985, 1100),
    ("VP-65-300", 3, 1440, "4.0", 9.2, 1010, 1200),
    ("VP-75-400", 4, 1480, "4.0", 10.8, 1330, 1300),
    ("VP-90-400", 4, 1580, "4.0", 13.0, 1355, 1400),
]


def ceiling_series():
    scale = ntu_ratio(1.0, 1.4, 300)
    out = []
    for name, n, length, throw, area, air, defrost in CEILING:
        tube = 0.3 + (area - 1.4) * 2.8 / 11.6  # tube volume follows tube length
        out.append(cooler_record(name, throw, length, 560, cooler_tables(
            CEILING_REF, scale(area, air), CEILING_T), area, tube, f"{n} x 200",
            air, "220/1/50", f"{n} x 36", f"{n} {CYR_X} 0.25", defrost))
    return out


# Cubic coolers.  Fan diameter -> (name letter, airflow per fan m3/h, casing
# end length mm, fin-block length per fan mm, coil height vs 250 mm frame,
# width mm, air throw m, motor W, current A)
CUBIC_FANS = {
    250: ("A", 1379, 380, 400, 1.00, 530, "15", 115, "0.51"),
    350: ("B", 2600, 400, 600, 1.35, 620, "20", 170, "0.78"),
    450: ("C", 4350, 420, 760, 1.75, 720, "27", 420, "1.90"),
    500: ("D", 5400, 450, 850, 1.95, 780, "32", 610, "2.80"),
}
# (fan diameter, fan count, long fin block) in catalog order
CUBIC_UNITS = ([(250, n, lg) for n in (1, 2, 3, 4) for lg in (0, 1)]
               + [(350, 3, 0), (350, 3, 1), (350, 4, 0), (350, 4, 1), (350, 5, 0)]
               + [(450, 4, 0), (450, 4, 1)]
               + [(500, n, lg) for n in (4, 5) for lg in (0, 1)])
CUBIC_LONG = 1.125  # fin-block length factor of the long version
LT_SURFACE, LT_AIR, LT_DEFROST = 0.66, 1.03, 1.5


def cubic_series(low_temp):
    """VK-M (medium temperature) or VK-L (low temperature, wide fin spacing).
    Name: <frame size code><fan letter><fan count><0 short | 1 long block>;
    the frame size code is 100 x the VK-M surface relative to the smallest."""
    scale = ntu_ratio(1.0, 15.3, 1379)
    out = []
    for dia, n, lg in CUBIC_UNITS:
        letter, q_fan, end, pitch, height, width, throw, motor, amps = CUBIC_FANS[dia]
        block = n * pitch * (CUBIC_LONG if lg else 1.0)
        area_m = 15.3 * block / 400 * height
        air_m = q_fan * n * (1.04 if lg else 1.0)
        defrost_m = 1800 * block / 400 * height
        code = rnd_to(100 * area_m / 15.3, 10)
        name = f"VK-{'L' if low_temp else 'M'} {code}{letter}{n}{lg}"
        area = area_m * (LT_SURFACE if low_temp else 1.0)
        air = rnd(air_m * (LT_AIR if low_temp else 1.0))
        defrost = rnd_to(defrost_m * (LT_DEFROST if low_temp else 1.0), 50)
        out.append(cooler_record(
            name, throw, rnd_to(end + block, 10), width,
            cooler_tables(CUBIC_REF, scale(area, air), CUBIC_T), area,
            3.5 * area_m / 15.3, f"{n} x {dia}", air, "230/1/50",
            f"{n} x {motor}", f"{n} x {amps}", defrost))
    return out


# --- condensers --------------------------------------------------------------
COND_GROUPS = [str(d) for d in range(8, 21)]
COND_T = list(range(0, 51, 2))
COND_REF = corner_surface(0, 50, 8, 20, 6435, 7056, 18037, 20947)

# poles, connection, airflow factor, pole note, casing height addition mm
VARIANTS = [("4", "T", 1.0, "(4-х пол.)", 0),
            ("4", "S", 6611.8 / 7631.3, "(4-х пол.)", 0),
            ("6", "T", 0.66, "(6-ти пол.)", 20),
            ("6", "S", 0.56, "(6-ти пол.)", 20),
            ("8", "T", 0.49, "(8-ми пол.)", 40),
            ("8", "S", 0.41, "(8-ми пол.)", 40)]
# fan diameter -> name letter, 4T airflow per fan, surface per fan bay m2,
# casing end mm, bay length mm, width one/two fan rows mm, height mm,
# 4T noise dB(A), motor (W, A) per variant in VARIANTS order
COND_FANS = {
    500: ("A", 7631.3, 20.3, 80, 780, (800, 1560), 325, 36,
          [(720, "1.41"), (550, "0.95"), (330, "0.70"), (240, "0.48"), (190, "0.46"), (140, "0.32")]),
    630: ("B", 11940.0, 20.3 * 900 / 780 * 1.25, 100, 900, (1000, 1960), 400, 41,
          [(1350, "2.45"), (1000, "1.65"), (560, "1.10"), (400, "0.75"), (300, "0.70"), (220, "0.48")]),
}
# (fan rows, fans per row, long coil) in catalog order
COND_UNITS = ([(1, n, lg) for n in range(1, 6) for lg in (0, 1)]
              + [(2, n, lg) for n in range(3, 8) for lg in (0, 1)])
COND_LONG, COND_LONG_AIR = 1.15, 1.05


def condenser_series(dia):
    """KD condensers: name KD-<frame size code><A: 500 mm | B: 630 mm fans>;
    the code is 100 x the surface relative to the smallest 500 mm unit."""
    letter, q_fan, a_fan, end, pitch, widths, h0, noise0, motors = COND_FANS[dia]
    scale = ntu_ratio(1.2, 20.3, 7631.3)
    base = []
    for rows, n, lg in COND_UNITS:
        fans = rows * n
        lf = COND_LONG if lg else 1.0
        base.append({"name": f"KD-{rnd_to(100 * fans * lf, 5)}{letter}", "fans": fans,
                     "area": a_fan * fans * lf, "air": q_fan * fans * (COND_LONG_AIR if lg else 1.0),
                     "length": rnd_to(end + n * pitch * lf, 10), "width": widths[rows - 1]})
    out = []
    for (poles, conn, vf, note, dh), (watts, amps) in zip(VARIANTS, motors):
        for b in base:
            air = b["air"] * vf
            s = scale(b["area"], air)
            rec = {"model": b["name"],
                   "table R404a/R507": rating(COND_REF, s, 1.0, COND_GROUPS, COND_T),
                   "table R134a": rating(COND_REF, s, COND_R134A_F, COND_GROUPS, COND_T),
                   "table R407a": rating(COND_REF, s, COND_R407A_F, COND_GROUPS, COND_T),
                   "poles": poles, "connection": conn,
                   "airflow": f"{air:.1f} {note}",
                   "noiseLevel": str(rnd(noise0 + 10 * math.log10(b["fans"]) + 50 * math.log10(vf))),
                   "surface": f"{b['area']:.1f}", "tubeVolume": f"{2.6 * b['area'] / 20.3:.1f}",
                   "dimensions": f"{b['length']} x {b['width']} x {h0 + dh}",
                   "fans": f"{b['fans']} x {dia}", "powerSupply": "400/50",
                   "motorPower": f"{b['fans']} x {watts}", "current": f"{b['fans']} x {amps}"}
            out.append(rec)
    return out


# --- checks ------------------------------------------------------------------
def num(text):
    return float(text.split()[0])


def grid(rec, table):
    return [row for _, row in rec[table]]


def check_tables(rec, tables, strict_along):
    for t in tables:
        rows = grid(rec, t)
        for a, b in zip(rows, rows[1:]):
            require(all(y > x for x, y in zip(a, b)), f"{rec['model']} {t}: not growing with dT")
        for r in rows:
            ok = all((y > x) if strict_along else (y >= x) for x, y in zip(r, r[1:]))
            require(ok, f"{rec['model']} {t}: falls along the temperature grid")


def pointwise(rec_a, rec_b, table_a, table_b, lo, hi):
    """True if lo < b/a < hi (strictly) at every grid point."""
    return all(lo * x < y < hi * x for ra, rb in zip(grid(rec_a, table_a), grid(rec_b, table_b))
               for x, y in zip(ra, rb))


def check_cooler_series(recs, count):
    require(len(recs) == count and len({r["model"] for r in recs}) == count, "cooler count/names")
    tabs = ["table R404a/R507", "table R22", "table R134a"]
    for r in recs:
        check_tables(r, tabs, False)
        require(pointwise(r, r, tabs[0], tabs[1], 0.90, 0.99), r["model"] + " R22 factor")
        require(pointwise(r, r, tabs[0], tabs[2], 0.90, 1.0 + 1e-9), r["model"] + " R134a factor")
    for a, b in zip(recs, recs[1:]):
        for f in ("length", "surface", "airflow"):
            require(num(b[f]) > num(a[f]), f"{b['model']}: {f} does not grow")
        for t in tabs:
            require(pointwise(a, b, t, t, 1.0, 1e9), f"{b['model']} {t}: capacity does not grow")


def check_condenser_series(recs):
    tabs = ["table R404a/R507", "table R134a", "table R407a"]
    require(len(recs) == 120, "condenser count")
    for r in recs:
        check_tables(r, tabs, True)
        require(pointwise(r, r, tabs[0], tabs[1], 0.9, 1.0), r["model"] + " R134a factor")
        require(pointwise(r, r, tabs[0], tabs[2], 0.85, 1.0), r["model"] + " R407a factor")
    blocks = [recs[i * 20:(i + 1) * 20] for i in range(6)]
    for blk, (poles, conn, _, note, _) in zip(blocks, VARIANTS):
        for r in blk:
            require((r["poles"], r["connection"]) == (poles, conn) and r["airflow"].endswith(note),
                    r["model"] + " variant texts")
        for a, b in zip(blk, blk[1:]):
            require(num(b["surface"]) > num(a["surface"]) and num(b["airflow"]) > num(a["airflow"]),
                    b["model"] + ": surface/airflow do not grow")
            require(all(pointwise(a, b, t, t, 1.0, 1e9) for t in tabs), b["model"] + ": capacity")
    for i in range(20):
        six = [blk[i] for blk in blocks]
        for f in ("model", "surface", "tubeVolume", "fans", "powerSupply"):
            require(len({r[f] for r in six}) == 1, six[0]["model"] + " shared " + f)
        for a, b in zip(six, six[1:]):
            require(num(b["airflow"]) < num(a["airflow"]) and int(b["noiseLevel"]) < int(a["noiseLevel"]),
                    a["model"] + " variant airflow/noise order")
            require(all(pointwise(b, a, t, t, 1.0, 1e9) for t in tabs), a["model"] + " variant capacity")


def first(table, group):
    row = dict(table)[group]
    return row[0], row[-1]


def check_anchors(vp, vkm, kd5):
    expect = lambda rec, **kw: [require(rec[k] == v, f"{rec['model']} {k} = {rec[k]!r}, want {v!r}")
                                for k, v in kw.items()]
    expect(vp[0], model="VP-10-100", airThrow="3.0", length="540", width="560", surface="1.4",
           tubeVolume="0.3", fans="1 x 200", airflow="300", powerSupply="220/1/50",
           motorPower="1 x 36", current="1 \u0445 0.25", defrostPower="500")
    require(first(vp[0]["table R404a/R507"], "5") == (112, 117), "VP-10-100 R404a row 5")
    require(first(vp[0]["table R404a/R507"], "10") == (290, 421), "VP-10-100 R404a row 10")
    require(first(vp[0]["table R22"], "5")[0] == 106, "VP-10-100 R22 row 5")
    require(first(vp[0]["table R134a"], "5")[0] == 111, "VP-10-100 R134a row 5")
    expect(vp[-1], model="VP-90-400", airThrow="4.0", length="1580", width="560", surface="13.0",
           tubeVolume="3.1", fans="4 x 200", airflow="1355", powerSupply="220/1/50",
           motorPower="4 x 36", current="4 \u0445 0.25", defrostPower="1400")
    expect(vkm[0], model="VK-M 100A10", airThrow="15", length="780", width="530", surface="15.3",
           tubeVolume="3.5", fans="1 x 250", airflow="1379", powerSupply="230/1/50",
           motorPower="1 x 115", current="1 x 0.51", defrostPower="1800")
    require(first(vkm[0]["table R404a/R507"], "5") == (1397, 1912), "VK-M 100A10 row 5")
    require(first(vkm[0]["table R404a/R507"], "10") == (2617, 4502), "VK-M 100A10 row 10")
    shared = dict(model="KD-100A", surface="20.3", tubeVolume="2.6", fans="1 x 500", powerSupply="400/50")
    expect(kd5[0], poles="4", connection="T", airflow="7631.3 (4-х пол.)", noiseLevel="36",
           dimensions="860 x 800 x 325", motorPower="1 x 720", current="1 x 1.41", **shared)
    require(first(kd5[0]["table R404a/R507"], "8") == (6435, 7056), "KD-100A row 8")
    require(first(kd5[0]["table R404a/R507"], "20") == (18037, 20947), "KD-100A row 20")
    expect(kd5[20], poles="4", connection="S", airflow="6611.8 (4-х пол.)", noiseLevel="33",
           motorPower="1 x 550", current="1 x 0.95", **shared)


def check_all(vp, vkm, vkl, kd5, kd6):
    check_anchors(vp, vkm, kd5)
    check_cooler_series(vp, 10)
    for series in (vkm, vkl):
        check_cooler_series(series, 19)
    for m, low in zip(vkm, vkl):
        require(low["model"] == m["model"].replace("VK-M", "VK-L"), low["model"] + " name")
        require(int(low["defrostPower"]) > int(m["defrostPower"]), low["model"] + " defrost")
        require(all(pointwise(low, m, t, t, 1.0, 1e9) for t in ("table R404a/R507", "table R22", "table R134a")),
                low["model"] + " must rate below its VK-M counterpart")
    for series in (kd5, kd6):
        check_condenser_series(series)
    for a, b in zip(kd5, kd6):
        require(b["fans"].endswith(" x 630"), b["model"] + " fans")
        require(all(pointwise(a, b, t, t, 1.0, 1e9) for t in ("table R404a/R507", "table R134a", "table R407a")),
                b["model"] + " must rate above " + a["model"])


# --- output ------------------------------------------------------------------
def write(fname, series, what, units, recs):
    lines = [f"# ORVEX {what}"] + [f"# {u}" for u in units] + [
             "# Made by tools/catalog_generator.py; edit the generator, not this file.", "",
             f"series {series}", ""]
    for rec in recs:
        for key, val in rec.items():
            if key == "model":
                lines.append(f"model {val}")
            elif key.startswith("table "):
                lines.append(key)
                lines += [f"{g}: {' '.join(map(str, row))}" for g, row in val]
            else:
                lines.append(f"{key}: {val}")
        lines += ["end", ""]
    with open(os.path.join(OUT_DIR, fname), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))


def main():
    vp, vkm, vkl = ceiling_series(), cubic_series(False), cubic_series(True)
    kd5, kd6 = condenser_series(500), condenser_series(630)
    check_all(vp, vkm, vkl, kd5, kd6)
    os.makedirs(OUT_DIR, exist_ok=True)
    cool = ["Cooling capacity in W. Table rows: air-to-evaporating temperature difference, K;",
            "columns: evaporating temperature {} C.",
            "airThrow m, length/width mm, surface m2, tubeVolume l, airflow m3/h,",
            "motorPower W, current A, defrostPower W."]
    cond = ["Heat rejection in W. Table rows: condensing-to-ambient temperature difference, K;",
            "columns: ambient temperature 0, 2, 4, ..., 50 C.",
            "airflow m3/h, noiseLevel dB(A), surface m2, tubeVolume l, dimensions mm (L x W x H),",
            "motorPower W, current A."]
    cool_at = lambda temps: [cool[0], cool[1].format(", ".join(map(str, temps)))] + cool[2:]
    write("ceiling_vp.txt", "ceiling", "VP ceiling air coolers (200 mm fans).",
          cool_at(CEILING_T), vp)
    write("cubic_vk_m.txt", "cubic", "VK-M cubic air coolers, medium temperature.",
          cool_at(CUBIC_T), vkm)
    write("cubic_vk_l.txt", "cubic", "VK-L cubic air coolers, low temperature (wide fin spacing).",
          cool_at(CUBIC_T), vkl)
    write("condenser_kd500.txt", "condenser", "KD air-cooled condensers, 500 mm fans "
          "(6 fan variants per model: poles 4/6/8, connection T/S).", cond, kd5)
    write("condenser_kd630.txt", "condenser", "KD air-cooled condensers, 630 mm fans "
          "(6 fan variants per model: poles 4/6/8, connection T/S).", cond, kd6)
    print("catalog_generator: all checks passed; wrote 5 files to catalog/data/")


if __name__ == "__main__":
    main()
