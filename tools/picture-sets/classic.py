"""The classic set: banknote-like line work, a motif and one colour per value."""

import math

from drawing import W, H, dark, fitted, light, mix, polyline, text, CAPITAL

# Line work of the classic set.

def rosette(cx, cy, r, petals, turns, colour, width=1.3, steps=720):
    """A guilloche rosette: a circle whose radius swings `petals` times, wound `turns` times
    with a slowly turning phase, as one opaque line."""
    pts = []
    for i in range(steps):
        t = 2 * math.pi * turns * i / steps
        rr = r * (0.72 + 0.28 * math.cos(petals * t / turns * 1.0 + t))
        pts.append((cx + rr * math.cos(t), cy + rr * math.sin(t)))
    return '<path d="%s" fill="none" stroke="%s" stroke-width="%.1f"/>' % (
        polyline(pts), colour, width)


def wavy_frame(inset, amplitude, waves, phase, colour, width=1.3):
    """A rounded frame around the note whose edge swings in and out `waves` times, the waves
    spaced evenly along the frame."""
    cx, cy = W / 2, H / 2
    a, b = W / 2 - inset, H / 2 - inset
    # The frame's middle line: a rectangle with round corners, finely sampled and measured
    # so the waves can be laid evenly along its length.
    r = 60
    x0, y0, x1, y1 = cx - a, cy - b, cx + a, cy + b
    base = []

    def edge(p, q):
        n = max(1, int(math.hypot(q[0] - p[0], q[1] - p[1])))
        base.extend((p[0] + (q[0] - p[0]) * i / n, p[1] + (q[1] - p[1]) * i / n)
                    for i in range(n))

    def corner(ox, oy, start):
        base.extend((ox + r * math.cos(start + math.pi / 2 * i / 90),
                     oy + r * math.sin(start + math.pi / 2 * i / 90)) for i in range(90))

    edge((x0 + r, y0), (x1 - r, y0))
    corner(x1 - r, y0 + r, -math.pi / 2)
    edge((x1, y0 + r), (x1, y1 - r))
    corner(x1 - r, y1 - r, 0)
    edge((x1 - r, y1), (x0 + r, y1))
    corner(x0 + r, y1 - r, math.pi / 2)
    edge((x0, y1 - r), (x0, y0 + r))
    corner(x0 + r, y0 + r, math.pi)
    fine = len(base)
    lengths = [0.0]
    for i in range(1, fine + 1):
        p, q = base[i - 1], base[i % fine]
        lengths.append(lengths[-1] + math.hypot(q[0] - p[0], q[1] - p[1]))
    total = lengths[-1]
    pts = []
    steps = waves * 12
    k = 0
    for i in range(steps):
        along = total * i / steps
        while lengths[k + 1] < along:
            k += 1
        p, q = base[k], base[(k + 1) % fine]
        tx, ty = q[0] - p[0], q[1] - p[1]
        norm = math.hypot(tx, ty) or 1.0
        m = amplitude * math.sin(2 * math.pi * waves * i / steps + phase)
        pts.append((p[0] + ty / norm * m, p[1] - tx / norm * m))
    return '<path d="%s" fill="none" stroke="%s" stroke-width="%.1f"/>' % (
        polyline(pts), colour, width)


def wave_band(x0, x1, y, amplitude, waves, colour, lines=2, width=1.2):
    """Interlaced waves across a band, as on the edge of a note."""
    out = []
    steps = 240
    for k in range(lines):
        phase = 2 * math.pi * k / lines
        pts = [(x0 + (x1 - x0) * i / steps,
                y + amplitude * math.sin(2 * math.pi * waves * i / steps + phase))
               for i in range(steps + 1)]
        out.append('<path d="%s" fill="none" stroke="%s" stroke-width="%.1f"/>' % (
            polyline(pts, False), colour, width))
    return "".join(out)


def cartouche(cx, cy, rx, ry, band, waves, colour, lines=2, width=1.2, steps=540):
    """An oval guilloche border: lines swinging across a band round an ellipse, leaving the
    middle clear for the value."""
    out = []
    for k in range(lines):
        phase = 2 * math.pi * k / lines
        pts = []
        for i in range(steps):
            t = 2 * math.pi * i / steps
            swing = band * math.sin(waves * t + phase)
            pts.append((cx + (rx + swing) * math.cos(t), cy + (ry + swing) * math.sin(t)))
        out.append('<path d="%s" fill="none" stroke="%s" stroke-width="%.1f"/>' % (
            polyline(pts), colour, width))
    return "".join(out)


def inside(rx, ry, value, largest, room=0.8):
    """The font size at most `largest` at which the value's box fills at most `room` of an
    ellipse of rx x ry round its middle."""
    half_w, half_h = len(value) * 0.35, 0.37
    return min(largest, math.sqrt(room / ((half_w / rx) ** 2 + (half_h / ry) ** 2)))


# ---------------------------------------------------------------------------------------------
# Motifs of the classic set, drawn round their middle so that they stay within a radius of
# about 92 and leave the picture circle around them free.

def waves(x0, x1, y, sk, height=9):
    """A line of small waves from x0 to x1, as water."""
    n = max(1, round((x1 - x0) / 40))
    step = (x1 - x0) / n
    d = "M%.0f %.0f" % (x0, y) + "".join(
        "Q%.1f %.1f %.1f %.0f" % (x0 + step * (i + 0.5), y - height, x0 + step * (i + 1), y)
        for i in range(n))
    return '<path d="%s" fill="none" %s/>' % (d, sk)


# The sun keeps a warm yellow whatever its note's colour.
SUN = "#f2c440"


def motif(value, c, d, l):
    sk = 'stroke="%s" stroke-width="4" stroke-linejoin="round"' % d
    if value == "1":  # tree
        return ('<path d="M-9 78V10L-28 -10M-9 30L-36 14M9 78V0L28 -15" fill="none" '
                'stroke="%s" stroke-width="13" stroke-linecap="round"/>'
                '<circle cx="0" cy="-40" r="42" fill="%s" %s/>'
                '<circle cx="-40" cy="-12" r="26" fill="%s" %s/>'
                '<circle cx="40" cy="-12" r="26" fill="%s" %s/>'
                '<path d="M-45 80H45" %s/>' % (d, c, sk, c, sk, c, sk, sk))
    if value == "2":  # house
        return ('<rect x="-52" y="-8" width="104" height="76" fill="%s" %s/>'
                '<path d="M-70 -4L0 -68L70 -4Z" fill="%s" %s/>'
                '<rect x="-13" y="26" width="26" height="42" fill="%s" %s/>'
                '<rect x="-40" y="6" width="20" height="20" fill="#ffffff" %s/>'
                '<rect x="20" y="6" width="20" height="20" fill="#ffffff" %s/>'
                '<path d="M-68 68H68" %s/>' % (l, sk, c, sk, d, sk, sk, sk, sk))
    if value == "5":  # sun over the sea
        rays = "".join('<path d="M%.1f %.1fL%.1f %.1f" %s/>' % (
            44 * math.cos(a), -18 + 44 * math.sin(a), 68 * math.cos(a), -18 + 68 * math.sin(a), sk)
            for a in [i * math.pi / 8 for i in range(16)])
        return (rays + '<circle cx="0" cy="-18" r="34" fill="%s" %s/>' % (SUN, sk) +
                waves(-72, 72, 58, sk) + waves(-56, 56, 76, sk))
    if value == "10":  # sailing ship
        return ('<path d="M-72 28H72L50 60H-50Z" fill="%s" %s/>'
                '<path d="M-4 24V-80" %s/>'
                '<path d="M4 -74L56 14H4Z" fill="%s" %s/>'
                '<path d="M-12 -60L-60 14H-12Z" fill="%s" %s/>' % (d, sk, sk, l, sk, c, sk) +
                waves(-56, 56, 74, sk))
    if value == "20":  # mountains
        return ('<path d="M-70 56L-30 -46L2 12L34 -66L70 56Z" fill="%s" %s/>'
                '<path d="M-30 -46L-42 -18L-30 -25L-19 -20Z" fill="#ffffff" %s/>'
                '<path d="M34 -66L20 -36L34 -42L47 -35Z" fill="#ffffff" %s/>'
                '<circle cx="-50" cy="-48" r="12" fill="%s" %s/>' % (c, sk, sk, sk, l, sk))
    if value == "50":  # owl on a branch
        return ('<ellipse cx="0" cy="0" rx="50" ry="64" fill="%s" %s/>'
                '<path d="M-41 -50L-32 -80L-13 -58Z" fill="%s" %s/>'
                '<path d="M41 -50L32 -80L13 -58Z" fill="%s" %s/>'
                '<circle cx="-20" cy="-26" r="18" fill="#ffffff" %s/>'
                '<circle cx="20" cy="-26" r="18" fill="#ffffff" %s/>'
                '<circle cx="-20" cy="-26" r="6" fill="%s"/>'
                '<circle cx="20" cy="-26" r="6" fill="%s"/>'
                '<path d="M-7 -8L0 6L7 -8Z" fill="%s" %s/>'
                '<ellipse cx="0" cy="28" rx="27" ry="27" fill="%s" %s/>'
                '<path d="M-52 70H52" stroke="%s" stroke-width="9" stroke-linecap="round"/>' % (
                    c, sk, c, sk, c, sk, sk, sk, d, d, l, sk, l, sk, d))
    if value == "100":  # stone bridge on three arches over a river, with a railing
        posts = "".join("M%d -28V-8" % x for x in range(-84, 85, 14))
        return (waves(-64, 64, 66, sk, 7) + waves(-48, 48, 82, sk, 7) +
                '<path d="M-84 2H84L72 56H62A18 34 0 0 0 26 56H18A18 34 0 0 0 -18 56H-26'
                'A18 34 0 0 0 -62 56H-72Z" fill="%s" %s/>'
                '<path d="M-88 -8H88V2H-88Z" fill="%s" %s/>'
                '<path d="M-88 -28H88%s" fill="none" stroke="%s" stroke-width="3"/>' % (
                    c, sk, d, sk, posts, d))
    if value == "200":  # lighthouse
        return ('<path d="M-26 72L-17 -40H17L26 72Z" fill="%s" %s/>'
                '<path d="M-23 34H23M-20 -4H20" stroke="%s" stroke-width="13"/>'
                '<rect x="-20" y="-68" width="40" height="28" fill="#ffffff" %s/>'
                '<path d="M-24 -68L0 -86L24 -68Z" fill="%s" %s/>'
                '<path d="M-28 -54L-80 -72M-28 -54L-80 -36M28 -54L80 -72M28 -54L80 -36" %s/>'
                '<path d="M-66 72H66" %s/>' % (l, sk, c, sk, d, sk, sk, sk))
    if value == "500":  # windmill
        sails = "".join('<path d="M0 -34L%.1f %.1fL%.1f %.1fZ" fill="%s" %s/>' % (
            62 * math.cos(a - 0.2), -34 + 62 * math.sin(a - 0.2),
            62 * math.cos(a + 0.2), -34 + 62 * math.sin(a + 0.2), l, sk)
            for a in [math.pi / 4 + i * math.pi / 2 for i in range(4)])
        return ('<path d="M-32 76L-18 -34H18L32 76Z" fill="%s" %s/>' % (c, sk) + sails +
                '<circle cx="0" cy="-34" r="8" fill="%s"/>'
                '<rect x="-9" y="44" width="18" height="32" fill="%s" %s/>'
                '<path d="M-60 76H60" %s/>' % (d, d, sk, sk))
    # "1000": castle
    return ('<path d="M-70 68V-24H-52V-38H-39V-24H-30V-38H-17V-24H-9V-38H9V-24H17V-38H30V-24H39'
            'V-38H52V-24H70V68Z" fill="%s" %s/>'
            '<path d="M-22 -34V-74H22V-34" fill="%s" %s/>'
            '<path d="M0 -74V-88L20 -82L0 -77" fill="%s" %s/>'
            '<path d="M-17 68V30Q0 8 17 30V68Z" fill="%s" %s/>'
            '<rect x="-53" y="0" width="14" height="22" fill="#ffffff" %s/>'
            '<rect x="39" y="0" width="14" height="22" fill="#ffffff" %s/>' % (
                c, sk, l, sk, c, sk, d, sk, sk, sk))


# The main colour of each value, carried by the background on both sides. Chosen so that every
# two values stay far apart (CIEDE2000) as printed, yet light enough for the dark line work.
COLOURS = ["#dfebfe", "#299f6d", "#958c7e", "#d86d6d", "#42a8d2",
           "#ffba78", "#64f3e0", "#8c85c0", "#ffb5e0", "#c3d38c"]


def vivid(colour, t):
    """colour with its channels pushed away from their mean by t, for a stronger tone."""
    rgb = [int(colour[i:i + 2], 16) for i in (1, 3, 5)]
    mean = sum(rgb) / 3
    return "#%02x%02x%02x" % tuple(max(0, min(255, round(mean + (x - mean) * (1 + t))))
                                   for x in rgb)


def shades(bg):
    """Line work, motif and tint colours of a value, all from its background colour."""
    d = dark(bg, 0.72)
    return {"bg": bg, "d": d, "m": mix(bg, d, 0.5), "c": dark(vivid(bg, 1.5), 0.3),
            "l": light(bg, 0.5), "pale": light(bg, 0.72)}


def front(value, bg):
    s = shades(bg)
    d, m = s["d"], s["m"]
    out = ['<rect x="6" y="6" width="%d" height="%d" rx="18" fill="%s" stroke="%s" '
           'stroke-width="5"/>' % (W - 12, H - 12, bg, d)]
    out.append(wavy_frame(28, 7, 70, 0, m))
    out.append(wavy_frame(28, 7, 70, math.pi, s["c"]))
    out.append('<rect x="48" y="48" width="%d" height="%d" rx="10" fill="none" stroke="%s" '
               'stroke-width="2.5"/>' % (W - 96, H - 96, d))
    # Medallion with the motif on the left.
    out.append(rosette(215, 295, 140, 18, 5, m, steps=500))
    out.append('<circle cx="215" cy="295" r="104" fill="%s" stroke="%s" stroke-width="4"/>' % (
        s["pale"], d))
    out.append('<g transform="translate(215 295)">%s</g>' % motif(value, s["c"], d, s["l"]))
    # The value in an oval guilloche border, the play-money words above and below it.
    out.append(cartouche(662, 282, 276, 124, 12, 36, m))
    size = inside(262, 110, value, 210)
    out.append(text(662, 282 + 0.36 * size, size, value, d))
    out.append(text(662, 128, fitted(60, 520, "SPIELGELD", CAPITAL), "SPIELGELD", d,
                    extra=' letter-spacing="6"'))
    out.append(text(590, 460, 40, "PLAY MONEY", d, extra=' letter-spacing="4"'))
    # The value in two corners.
    out.append(text(72, 122, fitted(72, 200, value), value, d, anchor="start"))
    out.append(text(945, 462, fitted(72, 170, value), value, d, anchor="end"))
    return "".join(out)


def back(value, bg):
    s = shades(bg)
    d, m = s["d"], s["m"]
    out = ['<rect x="6" y="6" width="%d" height="%d" rx="18" fill="%s" stroke="%s" '
           'stroke-width="5"/>' % (W - 12, H - 12, bg, d)]
    out.append(wavy_frame(30, 9, 48, 0, m))
    out.append(wavy_frame(30, 9, 48, math.pi / 2, s["c"]))
    out.append('<rect x="52" y="52" width="%d" height="%d" rx="10" fill="none" stroke="%s" '
               'stroke-width="2.5"/>' % (W - 104, H - 104, d))
    out.append(wave_band(70, W - 70, 138, 7, 22, m))
    out.append(wave_band(70, W - 70, 392, 7, 22, m))
    # Rosette with the value on the left, the motif on the right, the big value between them
    # with clear room on both sides.
    out.append(rosette(170, 265, 100, 18, 5, m, steps=500))
    out.append('<circle cx="170" cy="265" r="58" fill="%s" stroke="%s" stroke-width="3"/>' % (
        s["pale"], d))
    small = fitted(56, 84, value)
    out.append(text(170, 265 + 0.36 * small, small, value, d))
    out.append('<circle cx="845" cy="265" r="100" fill="%s" stroke="%s" stroke-width="4"/>' % (
        s["pale"], d))
    out.append('<g transform="translate(845 265) scale(0.95)">%s</g>' % motif(
        value, s["c"], d, s["l"]))
    size = fitted(190, 350, value)
    out.append(text(507, 265 + 0.36 * size, size, value, d, family="DejaVu Serif"))
    out.append(text(507, 112, 44, "SPIELGELD", d, extra=' letter-spacing="6"'))
    out.append(text(507, 448, 44, "PLAY MONEY", d, extra=' letter-spacing="6"'))
    return "".join(out)
