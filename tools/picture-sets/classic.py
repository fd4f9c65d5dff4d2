"""The classic set: banknote-like line work, a motif and one colour per value."""

import math

from drawing import W, H, dark, fitted, light, polyline, text, CAPITAL

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


def spiro(cx, cy, rx, ry, big, small, offset, colour, width=1.2, steps=900):
    """A spirograph curve (hypotrochoid) stretched to rx x ry."""
    pts = []
    g = math.gcd(big, small)
    span = 2 * math.pi * small / g
    for i in range(steps):
        t = span * i / steps
        x = (big - small) * math.cos(t) + offset * math.cos((big - small) / small * t)
        y = (big - small) * math.sin(t) - offset * math.sin((big - small) / small * t)
        s = 1.0 / (big - small + offset)
        pts.append((cx + rx * x * s, cy + ry * y * s))
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


# ---------------------------------------------------------------------------------------------
# Motifs of the classic set, drawn in a box of -100..100 around their middle.

def motif(value, c, d, l):
    sk = 'stroke="%s" stroke-width="4" stroke-linejoin="round"' % d
    if value == "1":  # tree
        return ('<path d="M-11 85V10L-30 -10M-11 30L-40 12M11 85V0L30 -15" fill="none" '
                'stroke="%s" stroke-width="14" stroke-linecap="round"/>'
                '<circle cx="0" cy="-40" r="45" fill="%s" %s/>'
                '<circle cx="-42" cy="-12" r="28" fill="%s" %s/>'
                '<circle cx="42" cy="-12" r="28" fill="%s" %s/>'
                '<path d="M-90 85H90" %s/>' % (d, c, sk, c, sk, c, sk, sk))
    if value == "2":  # house
        return ('<rect x="-60" y="-10" width="120" height="90" fill="%s" %s/>'
                '<path d="M-80 -5L0 -75L80 -5Z" fill="%s" %s/>'
                '<rect x="-15" y="30" width="30" height="50" fill="%s" %s/>'
                '<rect x="-45" y="5" width="22" height="22" fill="%s" %s/>'
                '<rect x="23" y="5" width="22" height="22" fill="%s" %s/>'
                '<path d="M-90 80H90" %s/>' % (l, sk, c, sk, d, sk, "#ffffff", sk, "#ffffff", sk, sk))
    if value == "5":  # sun over the sea
        rays = "".join('<path d="M%.1f %.1fL%.1f %.1f" %s/>' % (
            48 * math.cos(a), -10 + 48 * math.sin(a), 78 * math.cos(a), -10 + 78 * math.sin(a), sk)
            for a in [i * math.pi / 8 for i in range(16)])
        return (rays + '<circle cx="0" cy="-10" r="38" fill="%s" %s/>'
                '<path d="M-90 60Q-67 45 -45 60T0 60T45 60T90 60" fill="none" %s/>'
                '<path d="M-90 80Q-67 65 -45 80T0 80T45 80T90 80" fill="none" %s/>' % (
                    c, sk, sk, sk))
    if value == "10":  # sailing ship
        return ('<path d="M-80 30H80L55 65H-55Z" fill="%s" %s/>'
                '<path d="M-4 25V-85" %s/>'
                '<path d="M4 -80L60 15H4Z" fill="%s" %s/>'
                '<path d="M-12 -65L-65 15H-12Z" fill="%s" %s/>'
                '<path d="M-90 80Q-67 70 -45 80T0 80T45 80T90 80" fill="none" %s/>' % (
                    d, sk, sk, l, sk, c, sk, sk))
    if value == "20":  # mountains
        return ('<path d="M-95 75L-35 -50L5 20L40 -75L95 75Z" fill="%s" %s/>'
                '<path d="M-35 -50L-50 -20L-35 -28L-22 -22Z" fill="#ffffff" %s/>'
                '<path d="M40 -75L22 -38L40 -46L56 -38Z" fill="#ffffff" %s/>'
                '<circle cx="-70" cy="-60" r="14" fill="%s" %s/>' % (c, sk, sk, sk, l, sk))
    if value == "50":  # owl on a branch
        return ('<ellipse cx="0" cy="5" rx="55" ry="70" fill="%s" %s/>'
                '<path d="M-45 -50L-35 -85L-15 -62Z" fill="%s" %s/>'
                '<path d="M45 -50L35 -85L15 -62Z" fill="%s" %s/>'
                '<circle cx="-22" cy="-25" r="20" fill="#ffffff" %s/>'
                '<circle cx="22" cy="-25" r="20" fill="#ffffff" %s/>'
                '<circle cx="-22" cy="-25" r="7" fill="%s"/>'
                '<circle cx="22" cy="-25" r="7" fill="%s"/>'
                '<path d="M-8 -5L0 10L8 -5Z" fill="%s" %s/>'
                '<ellipse cx="0" cy="35" rx="30" ry="30" fill="%s" %s/>'
                '<path d="M-90 78H90" stroke="%s" stroke-width="9"/>' % (
                    c, sk, c, sk, c, sk, sk, sk, d, d, l, sk, l, sk, d))
    if value == "100":  # arch bridge
        return ('<path d="M-95 -10H95V10H-95Z" fill="%s" %s/>'
                '<path d="M-95 10V75H-75Q-50 20 -25 75H25Q50 20 75 75H95V10Z" fill="%s" %s/>'
                '<path d="M-95 -10V-30M-55 -10V-30M-15 -10V-30M25 -10V-30M65 -10V-30M95 -10V-30M-95 -30H95" %s/>'
                '<path d="M-90 85Q-67 75 -45 85T0 85T45 85T90 85" fill="none" %s/>' % (
                    d, sk, c, sk, sk, sk))
    if value == "200":  # lighthouse
        return ('<path d="M-28 75L-18 -45H18L28 75Z" fill="%s" %s/>'
                '<path d="M-25 35H25M-22 -5H22" stroke="%s" stroke-width="14"/>'
                '<rect x="-22" y="-75" width="44" height="30" fill="%s" %s/>'
                '<path d="M-26 -75L0 -95L26 -75Z" fill="%s" %s/>'
                '<path d="M-30 -60L-90 -80M-30 -60L-90 -40M30 -60L90 -80M30 -60L90 -40" %s/>'
                '<path d="M-95 75H95" %s/>' % (l, sk, c, "#ffffff", sk, d, sk, sk, sk))
    if value == "500":  # windmill
        sails = "".join('<path d="M0 -40L%.1f %.1fL%.1f %.1fZ" fill="%s" %s/>' % (
            85 * math.cos(a - 0.18), -40 + 85 * math.sin(a - 0.18),
            85 * math.cos(a + 0.18), -40 + 85 * math.sin(a + 0.18), l, sk)
            for a in [math.pi / 4 + i * math.pi / 2 for i in range(4)])
        return ('<path d="M-35 80L-20 -40H20L35 80Z" fill="%s" %s/>' % (c, sk) + sails +
                '<circle cx="0" cy="-40" r="9" fill="%s"/>'
                '<rect x="-10" y="45" width="20" height="35" fill="%s" %s/>'
                '<path d="M-95 80H95" %s/>' % (d, d, sk, sk))
    # "1000": castle
    return ('<path d="M-80 80V-30H-60V-45H-45V-30H-35V-45H-20V-30H-10V-45H10V-30H20V-45H35V-30H45'
            'V-45H60V-30H80V80Z" fill="%s" %s/>'
            '<path d="M-25 -40V-85H25V-40" fill="%s" %s/>'
            '<path d="M0 -85V-100L22 -93L0 -88" fill="%s" %s/>'
            '<path d="M-20 80V35Q0 10 20 35V80Z" fill="%s" %s/>'
            '<rect x="-60" y="0" width="16" height="24" fill="#ffffff" %s/>'
            '<rect x="44" y="0" width="16" height="24" fill="#ffffff" %s/>' % (
                c, sk, l, sk, c, sk, d, sk, sk, sk))


COLOURS = ["#55697a", "#2e7d3a", "#8a5424", "#b0302c", "#2c5da8",
                   "#c77812", "#167a78", "#6a3c9e", "#a8326e", "#8a7414"]


def front(value, c):
    l, m, d = light(c, 0.86), light(c, 0.45), dark(c, 0.45)
    out = ['<rect x="6" y="6" width="%d" height="%d" rx="18" fill="%s" stroke="%s" '
           'stroke-width="5"/>' % (W - 12, H - 12, l, d)]
    out.append(wavy_frame(28, 7, 70, 0, m))
    out.append(wavy_frame(28, 7, 70, math.pi, c))
    out.append('<rect x="48" y="48" width="%d" height="%d" rx="10" fill="none" stroke="%s" '
               'stroke-width="2.5"/>' % (W - 96, H - 96, d))
    # Medallion with the motif on the left.
    out.append(rosette(215, 300, 160, 24, 6, m, steps=600))
    out.append('<circle cx="215" cy="300" r="118" fill="%s" stroke="%s" stroke-width="4"/>' % (
        light(c, 0.93), d))
    out.append('<g transform="translate(215 300)">%s</g>' % motif(value, c, d, light(c, 0.6)))
    # The value in a guilloche field, the play-money words above and below it.
    out.append(spiro(650, 280, 240, 120, 11, 4, 3, m, steps=700))
    size = fitted(210, 500, value)
    out.append(text(650, 280 + 0.36 * size, size, value, d))
    out.append(text(650, 128, fitted(60, 520, "SPIELGELD", CAPITAL), "SPIELGELD", d,
                    extra=' letter-spacing="6"'))
    out.append(text(590, 460, 40, "PLAY MONEY", d, extra=' letter-spacing="4"'))
    # The value in two corners.
    out.append(text(72, 122, fitted(72, 200, value), value, d, anchor="start"))
    out.append(text(945, 462, fitted(72, 170, value), value, d, anchor="end"))
    return "".join(out)


def back(value, c):
    l, m, d = light(c, 0.86), light(c, 0.45), dark(c, 0.45)
    out = ['<rect x="6" y="6" width="%d" height="%d" rx="18" fill="%s" stroke="%s" '
           'stroke-width="5"/>' % (W - 12, H - 12, l, d)]
    out.append(wavy_frame(30, 9, 48, 0, m))
    out.append(wavy_frame(30, 9, 48, math.pi / 2, c))
    out.append('<rect x="52" y="52" width="%d" height="%d" rx="10" fill="none" stroke="%s" '
               'stroke-width="2.5"/>' % (W - 104, H - 104, d))
    out.append(wave_band(60, W - 60, 150, 10, 22, m))
    out.append(wave_band(60, W - 60, 395, 10, 22, m))
    # Rosette with the value on the left, the motif on the right, the big value between.
    out.append(rosette(185, 275, 115, 18, 5, c, steps=500))
    out.append('<circle cx="185" cy="275" r="68" fill="%s" stroke="%s" stroke-width="3"/>' % (
        l, d))
    out.append(text(185, 275 + 0.36 * fitted(64, 110, value), fitted(64, 110, value), value, d))
    out.append('<circle cx="830" cy="275" r="112" fill="%s" stroke="%s" stroke-width="4"/>' % (
        light(c, 0.93), d))
    out.append('<g transform="translate(830 275) scale(0.95)">%s</g>' % motif(
        value, c, d, light(c, 0.6)))
    size = fitted(200, 400, value)
    out.append(text(507, 275 + 0.36 * size, size, value, d, family="DejaVu Serif"))
    out.append(text(507, 120, 44, "SPIELGELD", d, extra=' letter-spacing="6"'))
    out.append(text(507, 448, 44, "PLAY MONEY", d, extra=' letter-spacing="6"'))
    return "".join(out)
