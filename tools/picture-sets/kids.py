"""The kids' set: bright colours, one big friendly figure, an animal, few details."""

import math

from drawing import W, H, dark, light, outlined_text, polyline, text


# One clearly different, bright colour per value; it fills most of both sides, so that a child
# (and the colour check) tells the values apart by colour alone.
COLOURS = ["#ffd500", "#e58500", "#ff291e", "#ffa2df", "#b056ff",
           "#5391ef", "#3fe0ff", "#229a28", "#9dfe00", "#e6197a"]

INK = "#222222"
# Advance of a digit in DejaVu Sans Bold per unit of font size (all digits are equally wide),
# the gap added between neighbouring digits, and the width a digit's ink takes at most.
ADVANCE = 0.696
GAP = 0.06
INK_WIDTH = 0.60
# The outline's width is the font size divided by this.
OUTLINE = 11.7


def eye(x, y, r=11):
    return ('<circle cx="%d" cy="%d" r="%d" fill="#ffffff" stroke="%s" stroke-width="4"/>'
            '<circle cx="%d" cy="%d" r="%d" fill="%s"/>' % (x, y, r, INK, x + 2, y + 2,
                                                            r // 2 + 1, INK))


def smile(y=25, w=24):
    return ('<path d="M%d %dQ0 %d %d %d" fill="none" stroke="%s" stroke-width="6" '
            'stroke-linecap="round"/>' % (-w, y, y + 22, w, y, INK))


def spikes(r_out, r_in, n, cy=0):
    pts = []
    for i in range(2 * n):
        a = -math.pi / 2 + i * math.pi / n
        rr = r_out if i % 2 == 0 else r_in
        pts.append((rr * math.cos(a), cy + rr * math.sin(a)))
    return polyline(pts)


# How far each animal reaches from its centre, outline included, so that it can be scaled to
# sit inside its circle without touching it.
REACH = {"1": 100, "2": 106, "5": 111, "10": 94, "20": 115, "50": 109, "100": 107,
         "200": 113, "500": 108, "1000": 101}


def animal(value, c):
    """A friendly animal face in a box of about -100..100 (see REACH)."""
    ol = 'stroke="%s" stroke-width="6" stroke-linejoin="round"' % INK
    face = light(c, 0.25)
    if value == "1":  # chick: a small yellow ball with wings, a tuft and feet
        return ('<path d="M-22 78V95M-30 95H-14M22 78V95M14 95H30" fill="none" stroke="#ff8c1a" '
                'stroke-width="7" stroke-linecap="round"/>'
                '<path d="M-60 5Q-98 10 -88 45Q-70 40 -55 30Z" fill="#ffd21f" %s/>'
                '<path d="M60 5Q98 10 88 45Q70 40 55 30Z" fill="#ffd21f" %s/>'
                '<circle cx="0" cy="12" r="68" fill="#ffe34d" %s/>'
                '<path d="M-4 -55Q-20 -92 -2 -88Q4 -95 10 -86Q26 -88 8 -55" fill="#ffe34d" %s/>'
                '%s%s<path d="M-16 2L16 2L0 24Z" fill="#ff8c1a" %s/>' % (
                    ol, ol, ol, ol, eye(-26, -18), eye(26, -18), ol))
    if value == "2":  # fish
        return ('<path d="M50 0L95 -40V40Z" fill="#ffb347" %s/>'
                '<ellipse cx="-10" cy="0" rx="75" ry="55" fill="#ffcc66" %s/>'
                '%s<path d="M-70 15Q-55 25 -45 12" fill="none" %s/>'
                '<circle cx="10" cy="-5" r="8" fill="#ff8c1a" stroke="none"/>'
                '<circle cx="30" cy="20" r="8" fill="#ff8c1a" stroke="none"/>' % (
                    ol, ol, eye(-40, -15), ol))
    if value == "5":  # cat
        return ('<path d="M-65 -20L-60 -90L-15 -55Z" fill="%s" %s/>'
                '<path d="M65 -20L60 -90L15 -55Z" fill="%s" %s/>'
                '<circle cx="0" cy="10" r="72" fill="%s" %s/>%s%s'
                '<path d="M-8 12H8L0 22Z" fill="#ff7eb6" %s/>%s'
                '<path d="M-30 20H-85M-30 30H-80M30 20H85M30 30H80" stroke="%s" '
                'stroke-width="4"/>' % (face, ol, face, ol, face, ol, eye(-28, -12), eye(28, -12),
                                        ol, smile(32, 18), INK))
    if value == "10":  # frog
        return ('<circle cx="-40" cy="-50" r="30" fill="#7ed957" %s/>'
                '<circle cx="40" cy="-50" r="30" fill="#7ed957" %s/>'
                '<ellipse cx="0" cy="15" rx="88" ry="62" fill="#7ed957" %s/>'
                '%s%s%s' % (ol, ol, ol, eye(-40, -52, 15), eye(40, -52, 15), smile(20, 45)))
    if value == "20":  # mouse
        return ('<circle cx="-55" cy="-50" r="38" fill="#d0d0d8" %s/>'
                '<circle cx="55" cy="-50" r="38" fill="#d0d0d8" %s/>'
                '<circle cx="0" cy="15" r="68" fill="#e4e4ea" %s/>%s%s'
                '<circle cx="0" cy="22" r="12" fill="#ff7eb6" %s/>%s' % (
                    ol, ol, ol, eye(-25, -5), eye(25, -5), ol, smile(42, 16)))
    if value == "50":  # bear
        return ('<circle cx="-55" cy="-55" r="28" fill="#b07a4f" %s/>'
                '<circle cx="55" cy="-55" r="28" fill="#b07a4f" %s/>'
                '<circle cx="0" cy="10" r="75" fill="#b07a4f" %s/>'
                '<ellipse cx="0" cy="35" rx="34" ry="26" fill="#e8c9a0" %s/>%s%s'
                '<ellipse cx="0" cy="22" rx="11" ry="8" fill="%s"/>%s' % (
                    ol, ol, ol, ol, eye(-28, -15), eye(28, -15), INK, smile(38, 12)))
    if value == "100":  # rabbit
        return ('<ellipse cx="-28" cy="-55" rx="18" ry="45" fill="#f4f4f4" %s/>'
                '<ellipse cx="28" cy="-55" rx="18" ry="45" fill="#f4f4f4" %s/>'
                '<circle cx="0" cy="30" r="62" fill="#f4f4f4" %s/>%s%s'
                '<path d="M-8 32H8L0 42Z" fill="#ff7eb6" %s/>%s' % (
                    ol, ol, ol, eye(-24, 15), eye(24, 15), ol, smile(52, 14)))
    if value == "200":  # pig
        return ('<path d="M-60 -30L-70 -85L-25 -60Z" fill="#ffb3c6" %s/>'
                '<path d="M60 -30L70 -85L25 -60Z" fill="#ffb3c6" %s/>'
                '<circle cx="0" cy="10" r="75" fill="#ffc6d3" %s/>%s%s'
                '<ellipse cx="0" cy="25" rx="28" ry="20" fill="#ff9fb8" %s/>'
                '<circle cx="-9" cy="25" r="5" fill="%s"/><circle cx="9" cy="25" r="5" '
                'fill="%s"/>%s' % (ol, ol, ol, eye(-30, -18), eye(30, -18), ol, INK, INK,
                                   smile(55, 16)))
    if value == "500":  # owl
        return ('<path d="M-60 -40L-55 -90L-20 -65Z" fill="#a0785a" %s/>'
                '<path d="M60 -40L55 -90L20 -65Z" fill="#a0785a" %s/>'
                '<ellipse cx="0" cy="10" rx="72" ry="82" fill="#a0785a" %s/>'
                '<ellipse cx="0" cy="40" rx="42" ry="40" fill="#e8d2b0" %s/>%s%s'
                '<path d="M-10 0H10L0 18Z" fill="#ff9933" %s/>' % (
                    ol, ol, ol, ol, eye(-28, -22, 20), eye(28, -22, 20), ol))
    # "1000": lion, a spiky dark mane around a tan face with ears and a white muzzle
    return ('<path d="%s" fill="#a8471c" %s/>'
            '<circle cx="-42" cy="-44" r="17" fill="#e9a857" %s/>'
            '<circle cx="42" cy="-44" r="17" fill="#e9a857" %s/>'
            '<circle cx="0" cy="2" r="58" fill="#e9a857" %s/>%s%s'
            '<ellipse cx="-13" cy="26" rx="17" ry="14" fill="#fff3dc" %s/>'
            '<ellipse cx="13" cy="26" rx="17" ry="14" fill="#fff3dc" %s/>'
            '<path d="M-13 3H13L0 18Z" fill="#5a2a10" %s/>' % (
                spikes(96, 70, 14, 2), ol, ol, ol, ol, eye(-22, -14), eye(22, -14), ol, ol, ol))


def star(x, y, r, fill):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.45
        pts.append((x + rr * math.cos(a), y + rr * math.sin(a)))
    return '<path d="%s" fill="%s" stroke="%s" stroke-width="4" stroke-linejoin="round"/>' % (
        polyline(pts), fill, INK)


def counting_row(value, y, x0, x1, fill):
    """As many stars as the value for the small values, so they can be counted."""
    n = int(value)
    if n > 10:
        return ""
    step = (x1 - x0) / n
    r = min(40, step * 0.42)
    return "".join(star(x0 + step * (i + 0.5), y, r, fill) for i in range(n))


def figure_size(value, width, most=280):
    """The font size at which the spaced-out digits of value take at most width."""
    return min(most, width / ((len(value) - 1) * (ADVANCE + GAP) + INK_WIDTH))


def outlined_number(cx, cy, size, value, fill):
    """A big bold number, centred on cx, cy, with a dark outline. Each digit is its own text,
    placed a little apart from its neighbours. The outline is a stroke-only copy of the digit
    under the filled one (the renderer knows no paint order); its outer half shows, kept narrow
    so that it does not close the loop of a 5."""
    pitch = (ADVANCE + GAP) * size
    x0 = cx - pitch * (len(value) - 1) / 2
    out = []
    for i, digit in enumerate(value):
        x, y = x0 + i * pitch, cy + 0.365 * size
        out.append(outlined_text(x, y, size, digit, "none", INK, size / OUTLINE) +
                   text(x, y, size, digit, fill))
    return "".join(out)


def frame(c):
    return ('<rect x="8" y="8" width="%d" height="%d" rx="50" fill="%s" stroke="%s" '
            'stroke-width="14"/>' % (W - 16, H - 16, c, dark(c, 0.5)))


def animal_disc(value, c, cx, cy, r):
    scale = (r - 18) / REACH[value]
    return ('<circle cx="%d" cy="%d" r="%d" fill="#ffffff" stroke="%s" stroke-width="10"/>'
            '<g transform="translate(%d %d) scale(%.3f)">%s</g>' % (
                cx, cy, r, dark(c, 0.5), cx, cy, scale, animal(value, c)))


def words(c):
    """The colour of the texts: the value's colour, darkened until it reads well on it."""
    return dark(c, 0.8)


def front(value, c):
    t = words(c)
    # The animal gives way on the 1000, whose four digits need the room.
    r = 165 if len(value) < 4 else 128
    acx = W - 50 - r
    left, right = 75, acx - r - 45
    mid = (left + right) / 2
    out = [frame(c)]
    # A few bubbles in the free space between the figure and the animal.
    for (x, y, rr) in [(right + 14, 112, 14), (right + 22, 420, 20)]:
        out.append('<circle cx="%d" cy="%d" r="%d" fill="%s"/>' % (x, y, rr, light(c, 0.45)))
    out.append(outlined_number(mid, 268, figure_size(value, right - left), value, "#ffffff"))
    out.append(animal_disc(value, c, acx, 252, r))
    out.append(text(mid, 98, 56, "SPIELGELD", t, extra=' letter-spacing="4"'))
    row = counting_row(value, 462, left, right, "#ffffff")
    if row:
        out.append(row)
        out.append(text(acx, 484, 40, "PLAY MONEY", t))
    else:
        out.append(text(mid, 484, 50, "PLAY MONEY", t, extra=' letter-spacing="3"'))
    return "".join(out)


def back(value, c):
    t = words(c)
    r = 145 if len(value) < 4 else 130
    acx = 60 + r
    left, right = acx + r + 55, W - 80
    out = [frame(c)]
    # Confetti in the corners (dots, not stars: the stars on the front are for counting).
    for (x, y) in [(95, 88), (W - 95, 88), (95, H - 88), (W - 95, H - 88)]:
        out.append('<circle cx="%d" cy="%d" r="22" fill="%s" stroke="%s" stroke-width="4"/>' % (
            x, y, light(c, 0.55), INK))
    out.append(animal_disc(value, c, acx, 265, r))
    out.append(outlined_number((left + right) / 2, 268, figure_size(value, right - left, 260),
                               value, "#ffffff"))
    out.append(text(W / 2, 92, 54, "SPIELGELD", t, extra=' letter-spacing="4"'))
    out.append(text(W / 2, 484, 50, "PLAY MONEY", t, extra=' letter-spacing="3"'))
    return "".join(out)
