#!/usr/bin/env python3
"""Writes the three chart tables the program loads at start into data/.

HCDATA.DAT, cusp-label pen positions of the wheel (121 whole numbers):
  For cusp position k = 1..12 in tenth-house-first order the spoke angle is
  a = 90 + 30 (k - 1) mod 360 degrees (cusp 10 at the top, the Ascendant at
  the left). The label radius is LR = 236 * 0.91984662; the label's corner is
  x = LR cos a + 4, y = LR sin a + 4. The label's base x0 is x when a <= 80 or
  a >= 280, x - 23 when 80 < a < 100 or 260 < a < 280, and x - 49 otherwise.
  Its five pieces (degrees tens, degrees units, sign glyph, minutes tens,
  minutes units) stand at x0 - 2, x0 + 6, x0 + 16, x0 + 33, x0 + 40, all at
  y. Rounded to whole numbers; element 120 is 0.
  The Ascendant (180 degrees) and the Descendant (0 degrees) have no room
  beside the circle for that spread: their labels are set close, the pieces
  at x1, x1 + 5, x1 + 11, x1 + 18, x1 + 22 (about 26 units in all), ending
  2 units left of the circle (x1 = -245) or beginning 2 units right of it
  (x1 = 219), so that they stay within the printed page (+-251 units) and
  a window of the usual size.

RADIUS.DAT, the radius of the wheel's body ring for each whole degree 0..360:
  the largest whole radius r at which a glyph cell 12 wide and 14 high, hung
  by its top-left corner at (r cos a, r sin a), lies wholly within radius 214
  (3 units inside the outer circle); for 75 < a < 105 also r <= 207 / sin a
  and for 255 < a < 285 also r <= 197 / |sin a|, so that glyphs clear the
  cusp labels at the top and the bottom of the wheel.

DATA_VALUES_USED.DAT, the aspect points of a couple (1089 lines):
  line n belongs to body i = n // 99, body j = (n // 9) % 11 and aspect
  k = n % 9, bodies in relationship order (Ascendant, Sun, Moon, Mercury ..
  Pluto), aspects 0, 30, 45, 60, 90, 120, 135, 150, 180 degrees.
  points = base * F, F = 2 when both bodies are among Ascendant, Sun, Moon,
  Venus, Mars, else 1. base:
   1. both bodies among Uranus, Neptune, Pluto (generational): 0;
   2. attraction pairs (Sun-Moon, Venus-Mars, Sun-Venus, Moon-Venus,
      Ascendant-Sun, Ascendant-Moon, Ascendant-Venus, and Ascendant, Sun,
      Moon or Venus with itself): conjunction +3, opposition +1, the other
      aspects as in 4;
   3. other conjunctions: Mars-Saturn and Mars-Pluto -2; any other pair with
      Saturn or Pluto -1; a pair with Uranus or Neptune 0; otherwise +2;
   4. other aspects: 30 0, 45 -1, 60 +1, 90 -2, 120 +2, 135 -1, 150 -1,
      180 -1.
  Each line is the two body names, a blank, the aspect name, " = " and the
  value.

Run from the repository root: python3 tools/make_chart_tables.py
"""
import math
import os

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")


def write_lines(name, lines):
    with open(os.path.join(DATA, name), "wb") as f:
        for line in lines:
            f.write(line.encode("cp1252") + b"\r\n")


def round_half_away(x):
    return int(math.floor(abs(x) + 0.5)) * (1 if x >= 0 else -1)


def hcdata():
    lr = 236 * 0.91984662
    rows = []
    for k in range(1, 13):
        a = (90 + 30 * (k - 1)) % 360
        x = lr * math.cos(math.radians(a)) + 4
        y = lr * math.sin(math.radians(a)) + 4
        if a <= 80 or a >= 280:
            x0 = x
        elif 80 < a < 100 or 260 < a < 280:
            x0 = x - 23
        else:
            x0 = x - 49
        yi = round_half_away(y)
        pieces = []
        if a in (0, 180):
            x1 = 219 if a == 0 else -245
            for dx in (0, 5, 11, 18, 22):
                pieces += [x1 + dx, yi]
        else:
            for dx in (-2, 6, 16, 33, 40):
                pieces += [round_half_away(x0 + dx), yi]
        rows.append(",".join(str(v) for v in pieces))
    rows.append("0")
    return rows


def radius_fits(r, a):
    c, s = math.cos(math.radians(a)), math.sin(math.radians(a))
    x, y = r * c, r * s
    for cx, cy in ((x, y), (x + 12, y), (x, y - 14), (x + 12, y - 14)):
        if cx * cx + cy * cy > 214 * 214 + 1e-6:
            return False
    if 75 < a < 105 and r > 207 / s:
        return False
    if 255 < a < 285 and r > 197 / abs(s):
        return False
    return True


def radius():
    values = []
    for a in range(361):
        lo, hi = 0.0, 214.0
        for _ in range(60):
            mid = (lo + hi) / 2
            if radius_fits(mid, a):
                lo = mid
            else:
                hi = mid
        values.append(int(math.floor(lo)))
    return [",".join(str(v) for v in values[i:i + 20]) for i in range(0, 361, 20)]


BODIES = ["ASC", "SUN", "MOON", "MERCURY", "VENUS", "MARS", "JUPITER", "SATURN", "URANUS", "NEPTUNE", "PLUTO"]
ASPECTS = ["conjunct", "semi-sextile", "semi-square", "sextile", "square", "trine", "sesquiquadrate",
           "quincunx", "opposite"]
ASC, SUN, MOON, MERCURY, VENUS, MARS, JUPITER, SATURN, URANUS, NEPTUNE, PLUTO = range(11)
PERSONAL = {ASC, SUN, MOON, VENUS, MARS}
OUTER = {URANUS, NEPTUNE, PLUTO}
ATTRACTION = {frozenset(p) for p in [(SUN, MOON), (VENUS, MARS), (SUN, VENUS), (MOON, VENUS), (ASC, SUN),
                                      (ASC, MOON), (ASC, VENUS), (ASC,), (SUN,), (MOON,), (VENUS,)]}
OTHER_ASPECTS = [None, 0, -1, 1, -2, 2, -1, -1, -1]


def base_points(i, j, k):
    pair = frozenset((i, j))
    if i in OUTER and j in OUTER:
        return 0
    if pair in ATTRACTION:
        if k == 0:
            return 3
        if k == 8:
            return 1
        return OTHER_ASPECTS[k]
    if k == 0:
        if pair in (frozenset((MARS, SATURN)), frozenset((MARS, PLUTO))):
            return -2
        if SATURN in pair or PLUTO in pair:
            return -1
        if URANUS in pair or NEPTUNE in pair:
            return 0
        return 2
    return OTHER_ASPECTS[k]


def points():
    lines = []
    for n in range(1089):
        i, j, k = n // 99, (n // 9) % 11, n % 9
        factor = 2 if (i in PERSONAL and j in PERSONAL) else 1
        lines.append(f"{BODIES[i]} {BODIES[j]} {ASPECTS[k]} = {base_points(i, j, k) * factor}")
    return lines


if __name__ == "__main__":
    write_lines("HCDATA.DAT", hcdata())
    write_lines("RADIUS.DAT", radius())
    write_lines("DATA_VALUES_USED.DAT", points())
