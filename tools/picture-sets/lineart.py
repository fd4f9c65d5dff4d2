"""The colouring set: black line art on white to colour in. Hollow figures, a motif per value
of simple closed shapes, thin lines and nothing filled but an eye's dot, so a page costs little
ink."""

import math

from drawing import W, H, fitted, outlined_text, polyline, text

# Every note is printed black on white; the value's colour is the child's to choose.
COLOURS = ["#000000"] * 10

INK = "#000000"
# Line widths in units (0.07..0.1 mm on paper): the figures; the frame and the motifs'
# outlines; their inner details; the outlined words.
FIGURE = 4.5
LINE = 4
DETAIL = 3.5
WORDS = 3


def frame():
    """One plain line round the note; everything else keeps well clear of it."""
    return ('<rect x="14" y="14" width="%d" height="%d" rx="30" fill="none" stroke="%s" '
            'stroke-width="%g"/>' % (W - 28, H - 28, INK, LINE))


def hollow(x, y, size, content, stroke=FIGURE, family="DejaVu Sans", spacing=0):
    """Text as outlines to colour in: white inside, a thin black line along the glyphs' edge."""
    return outlined_text(x, y, size, content, "#ffffff", INK, stroke, family, spacing)


def figure(x, cy, size, value):
    """The value centred on (x, cy), hollow; its stroke stays thin beside the bold glyphs, so the
    loops of "0", "2", "5" stay open to colour."""
    return hollow(x, cy + 0.36 * size, size, value)


def spiral(cx, cy, r, turns):
    n = int(turns * 24)
    pts = []
    for i in range(n + 1):
        t = i / n
        a = t * turns * 2 * math.pi
        pts.append((cx + r * t * math.cos(a), cy + r * t * math.sin(a)))
    return polyline(pts, closed=False)


def cloud(cx, cy, rx, ry, bumps):
    """A closed outline of outward bulges round an ellipse, as a tree's crown."""
    pts = [(cx + rx * math.cos(2 * math.pi * i / bumps - math.pi / 2),
            cy + ry * math.sin(2 * math.pi * i / bumps - math.pi / 2)) for i in range(bumps)]
    d = "M%.1f %.1f" % pts[0]
    for i in range(bumps):
        (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % bumps]
        r = 0.62 * math.hypot(x1 - x0, y1 - y0)
        d += "A%.1f %.1f 0 0 1 %.1f %.1f" % (r, r, x1, y1)
    return d + "Z"


def star(x, y, r):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.45
        pts.append((x + rr * math.cos(a), y + rr * math.sin(a)))
    return '<path d="%s"/>' % polyline(pts)


def dot(x, y, r=5):
    """A small solid dot (an eye); the only filled shapes, and tiny."""
    return '<circle cx="%d" cy="%d" r="%d" fill="%s" stroke="none"/>' % (x, y, r, INK)


def motif(value):
    """The value's picture to colour in, in a box of -100..100: white shapes, black outlines.
    Shapes painted later cover the earlier ones, so each area is closed and free of lines."""
    if value == "1":  # snail
        return ('<path d="M-95 72Q-97 46 -62 46H38Q58 46 61 22L64 -22Q67 -42 80 -42Q96 -42 95 '
                '-20L92 52Q90 72 68 72Z"/>'
                '<path d="M72 -39L60 -78M88 -40L98 -75" fill="none"/>'
                '<circle cx="60" cy="-80" r="6"/><circle cx="98" cy="-77" r="6"/>%s'
                '<circle cx="-18" cy="-6" r="56"/><path d="%s" fill="none" stroke-width="%s"/>'
                % (dot(82, -22), spiral(-18, -6, 44, 2.6), "{detail}"))
    if value == "2":  # fish
        return ('<path d="M50 0L98 -46Q88 0 98 46Z"/>'
                '<path d="M-30 -46Q0 -86 34 -40Z"/><path d="M-10 44Q5 70 28 42Z"/>'
                '<ellipse cx="-8" cy="0" rx="72" ry="50"/>'
                '<path d="M-28 -34Q-10 0 -28 34M0 -30Q16 0 0 30M26 -24Q40 0 26 24" fill="none" '
                'stroke-width="{detail}"/>'
                '<circle cx="-50" cy="-12" r="11"/>%s'
                '<path d="M-78 14Q-68 22 -58 14" fill="none"/>' % dot(-48, -12, 4))
    if value == "5":  # house
        return ('<rect x="38" y="-78" width="24" height="40"/>'
                '<rect x="-70" y="-12" width="140" height="98"/>'
                '<path d="M-92 -4L0 -92L92 -4Z"/>'
                '<rect x="-18" y="30" width="36" height="56"/>'
                '<rect x="-58" y="8" width="30" height="30"/><rect x="28" y="8" width="30" '
                'height="30"/>'
                '<path d="M-43 8V38M-58 23H-28M43 8V38M28 23H58" fill="none" '
                'stroke-width="{detail}"/>'
                '<circle cx="0" cy="-40" r="14"/>')
    if value == "10":  # sun
        rays = "".join('<path d="%s"/>' % polyline([
            (86 * math.cos(a), 86 * math.sin(a)),
            (56 * math.cos(a - 0.2), 56 * math.sin(a - 0.2)),
            (56 * math.cos(a + 0.2), 56 * math.sin(a + 0.2))])
                       for a in [i * math.pi / 6 for i in range(12)])
        return (rays + '<circle cx="0" cy="0" r="60"/>%s%s'
                '<path d="M-26 16Q0 40 26 16" fill="none"/>'
                '<circle cx="-38" cy="10" r="9"/><circle cx="38" cy="10" r="9"/>' % (
                    dot(-20, -14, 6), dot(20, -14, 6)))
    if value == "20":  # sailing boat
        return ('<path d="M0 28V-92" fill="none"/>'
                '<path d="M0 -92L28 -82L0 -72Z"/>'
                '<path d="M7 -68L7 18L78 18Z"/><path d="M-7 -56L-7 18L-66 18Z"/>'
                '<path d="M-92 28H92L62 74H-62Z"/>'
                '<circle cx="-30" cy="50" r="9"/><circle cx="0" cy="50" r="9"/>'
                '<circle cx="30" cy="50" r="9"/>'
                '<path d="M-98 92Q-84 80 -70 92T-42 92T-14 92T14 92T42 92T70 92T98 92" '
                'fill="none"/>')
    if value == "50":  # flower
        petals = "".join(
            '<ellipse cx="%.1f" cy="%.1f" rx="26" ry="16" transform="rotate(%d %.1f %.1f)"/>' % (
                38 * math.cos(a), -32 + 38 * math.sin(a), round(math.degrees(a)),
                38 * math.cos(a), -32 + 38 * math.sin(a))
            for a in [i * math.pi / 4 for i in range(8)])
        return ('<path d="M0 0Q8 50 0 98" fill="none"/>'
                '<path d="M3 70Q-30 34 -66 50Q-40 84 3 70Z"/>'
                '<path d="M4 52Q34 24 66 36Q44 68 4 52Z"/>' + petals +
                '<circle cx="0" cy="-32" r="22"/>')
    if value == "100":  # tree
        return ('<path d="M-16 96L-12 30H12L16 96Z"/>'
                '<path d="%s"/>'
                '<circle cx="-40" cy="-30" r="10"/><circle cx="20" cy="-58" r="10"/>'
                '<circle cx="44" cy="0" r="10"/><circle cx="-10" cy="6" r="10"/>'
                '<path d="M-96 96H96" fill="none"/>' % cloud(0, -24, 74, 58, 9))
    if value == "200":  # butterfly
        return ('<ellipse cx="-46" cy="-34" rx="46" ry="36" transform="rotate(-25 -46 -34)"/>'
                '<ellipse cx="46" cy="-34" rx="46" ry="36" transform="rotate(25 46 -34)"/>'
                '<ellipse cx="-38" cy="34" rx="34" ry="28" transform="rotate(25 -38 34)"/>'
                '<ellipse cx="38" cy="34" rx="34" ry="28" transform="rotate(-25 38 34)"/>'
                '<circle cx="-50" cy="-36" r="15"/><circle cx="50" cy="-36" r="15"/>'
                '<circle cx="-38" cy="36" r="11"/><circle cx="38" cy="36" r="11"/>'
                '<path d="M-4 -54Q-16 -84 -30 -92M4 -54Q16 -84 30 -92" fill="none"/>'
                '<ellipse cx="0" cy="0" rx="9" ry="58"/>')
    if value == "500":  # car
        return ('<path d="M-96 46V12Q-96 0 -82 0H-52L-30 -44H38L62 0H84Q98 0 98 14V46Z"/>'
                '<path d="M-40 -2L-24 -34H-4V-2Z"/><path d="M6 -2V-34H32L48 -2Z"/>'
                '<circle cx="-54" cy="48" r="24"/><circle cx="54" cy="48" r="24"/>'
                '<circle cx="-54" cy="48" r="9"/><circle cx="54" cy="48" r="9"/>'
                '<path d="M86 12H96V24H86Z"/>')
    # "1000": rocket
    return ('<path d="M-20 42Q-26 72 0 98Q26 72 20 42Z"/>'
            '<path d="M-34 -4L-66 58L-32 44Z"/><path d="M34 -4L66 58L32 44Z"/>'
            '<path d="M0 -100Q42 -60 36 44H-36Q-42 -60 0 -100Z"/>'
            '<circle cx="0" cy="-30" r="18"/><path d="M-32 8H32" fill="none"/>'
            + star(-78, -68, 16) + star(76, -80, 12) + star(-84, 12, 10))


def drawn_motif(value, x, y, scale, mirror=False):
    """The motif placed at (x, y), its lines as wide on paper whatever its scale."""
    body = motif(value).replace("{detail}", "%.2f" % (DETAIL / scale))
    return ('<g transform="translate(%d %d) scale(%s%.2f %.2f)" fill="#ffffff" stroke="%s" '
            'stroke-width="%.2f" stroke-linejoin="round" stroke-linecap="round">%s</g>' % (
                x, y, "-" if mirror else "", scale, scale, INK, LINE / scale, body))


def front(value, c):
    out = [frame()]
    out.append(hollow(W / 2, 114, 74, "SPIELGELD", stroke=WORDS, spacing=6))
    size = fitted(270, 470, value, 0.72)
    out.append(figure(298, 285, size, value))
    out.append(drawn_motif(value, 765, 288, 1.38))
    out.append(text(W / 2, 474, 44, "PLAY MONEY", INK, extra=' letter-spacing="3"'))
    return "".join(out)


def back(value, c):
    out = [frame()]
    out.append(hollow(W / 2, 112, 70, "PLAY MONEY", stroke=WORDS, spacing=4))
    # The figure in a rounded panel, the motif turned the other way beside it.
    out.append('<rect x="420" y="148" width="520" height="272" rx="60" fill="none" stroke="%s" '
               'stroke-width="%g"/>' % (INK, DETAIL))
    size = fitted(240, 440, value, 0.72)
    out.append(figure(680, 284, size, value))
    out.append(drawn_motif(value, 235, 286, 1.28, mirror=True))
    out.append(text(W / 2, 474, 44, "SPIELGELD", INK, extra=' letter-spacing="4"'))
    return "".join(out)
