"""The kids' set: bright colours, one big friendly figure, an animal, few details."""

import math

from drawing import W, H, dark, fitted, light, polyline, text


COLOURS = ["#ffcc33", "#ff9933", "#ff5a5f", "#ff7eb6", "#a66cff",
                "#3d8bff", "#1ec8e8", "#2ec27e", "#9acd32", "#d9a05b"]


def eye(x, y, r=11):
    return ('<circle cx="%d" cy="%d" r="%d" fill="#ffffff" stroke="#222222" stroke-width="4"/>'
            '<circle cx="%d" cy="%d" r="%d" fill="#222222"/>' % (x, y, r, x + 2, y + 2, r // 2 + 1))


def smile(y=25, w=24):
    return ('<path d="M%d %dQ0 %d %d %d" fill="none" stroke="#222222" stroke-width="6" '
            'stroke-linecap="round"/>' % (-w, y, y + 22, w, y))


def animal(value, c):
    """A friendly animal face in a box of -100..100."""
    ol = 'stroke="#222222" stroke-width="6" stroke-linejoin="round"'
    face = light(c, 0.25)
    if value == "1":  # chick
        return ('<circle cx="0" cy="10" r="75" fill="#ffe066" %s/>'
                '<path d="M-5 -62Q0 -95 10 -64" fill="none" %s/>'
                '%s%s<path d="M-16 5L16 5L0 25Z" fill="#ff9933" %s/>' % (
                    ol, ol, eye(-28, -15), eye(28, -15), ol))
    if value == "2":  # fish
        return ('<path d="M50 0L95 -40V40Z" fill="#ffb347" %s/>'
                '<ellipse cx="-10" cy="0" rx="75" ry="55" fill="#ffcc66" %s/>'
                '%s<path d="M-70 15Q-55 25 -45 12" fill="none" %s/>'
                '<circle cx="10" cy="-5" r="8" fill="%s" stroke="none"/>'
                '<circle cx="30" cy="20" r="8" fill="%s" stroke="none"/>' % (
                    ol, ol, eye(-40, -15), ol, c, c))
    if value == "5":  # cat
        return ('<path d="M-65 -20L-60 -90L-15 -55Z" fill="%s" %s/>'
                '<path d="M65 -20L60 -90L15 -55Z" fill="%s" %s/>'
                '<circle cx="0" cy="10" r="72" fill="%s" %s/>%s%s'
                '<path d="M-8 12H8L0 22Z" fill="#ff7eb6" %s/>%s'
                '<path d="M-30 20H-85M-30 30H-80M30 20H85M30 30H80" stroke="#222222" '
                'stroke-width="4"/>' % (face, ol, face, ol, face, ol, eye(-28, -12), eye(28, -12),
                                        ol, smile(32, 18)))
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
                '<ellipse cx="0" cy="22" rx="11" ry="8" fill="#222222"/>%s' % (
                    ol, ol, ol, ol, eye(-28, -15), eye(28, -15), smile(38, 12)))
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
                '<circle cx="-9" cy="25" r="5" fill="#222222"/><circle cx="9" cy="25" r="5" '
                'fill="#222222"/>%s' % (ol, ol, ol, eye(-30, -18), eye(30, -18), ol,
                                          smile(55, 16)))
    if value == "500":  # owl
        return ('<path d="M-60 -40L-55 -90L-20 -65Z" fill="#a0785a" %s/>'
                '<path d="M60 -40L55 -90L20 -65Z" fill="#a0785a" %s/>'
                '<ellipse cx="0" cy="10" rx="72" ry="82" fill="#a0785a" %s/>'
                '<ellipse cx="0" cy="40" rx="42" ry="40" fill="#e8d2b0" %s/>%s%s'
                '<path d="M-10 0H10L0 18Z" fill="#ff9933" %s/>' % (
                    ol, ol, ol, ol, eye(-28, -22, 20), eye(28, -22, 20), ol))
    # "1000": lion
    mane = "".join('<circle cx="%.1f" cy="%.1f" r="26" fill="#d9822b" %s/>' % (
        75 * math.cos(a), 5 + 75 * math.sin(a), ol) for a in [i * math.pi / 6 for i in range(12)])
    return (mane + '<circle cx="0" cy="5" r="70" fill="#ffcc66" %s/>%s%s'
            '<path d="M-12 10H12L0 24Z" fill="#8a4b20" %s/>%s' % (
                ol, eye(-26, -15), eye(26, -15), ol, smile(34, 18)))


def star(x, y, r, fill):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.45
        pts.append((x + rr * math.cos(a), y + rr * math.sin(a)))
    return '<path d="%s" fill="%s" stroke="#222222" stroke-width="4" stroke-linejoin="round"/>' % (
        polyline(pts), fill)


def counting_row(value, y, x0, x1, fill):
    """As many stars as the value for the small values, so they can be counted."""
    n = int(value)
    if n > 10:
        return ""
    step = (x1 - x0) / n
    r = min(40, step * 0.42)
    return "".join(star(x0 + step * (i + 0.5), y, r, fill) for i in range(n))


def outlined_number(x, y, size, value, fill):
    """A bold number with a dark outline: the outline drawn first, thick, the fill over it (the
    renderer knows no paint order)."""
    return (text(x, y, size, value, "#222222",
                 extra=' stroke="#222222" stroke-width="%.0f" stroke-linejoin="round"' % (
                     size / 16)) + text(x, y, size, value, fill))


def front(value, c):
    bg, d = light(c, 0.55), dark(c, 0.35)
    out = ['<rect x="8" y="8" width="%d" height="%d" rx="50" fill="%s" stroke="%s" '
           'stroke-width="14"/>' % (W - 16, H - 16, bg, d)]
    # Big friendly dots in the background.
    for (x, y, r) in [(90, 90, 40), (930, 440, 50), (900, 80, 28), (120, 450, 30)]:
        out.append('<circle cx="%d" cy="%d" r="%d" fill="%s"/>' % (x, y, r, light(c, 0.3)))
    size = fitted(280, 480, value, 0.72)
    out.append(outlined_number(300, 270 + 0.36 * size, size, value, c))
    out.append('<circle cx="770" cy="255" r="170" fill="#ffffff" stroke="%s" stroke-width="10"/>'
               % d)
    out.append('<g transform="translate(770 262) scale(1.45)">%s</g>' % animal(value, c))
    out.append(text(300, 95, 58, "SPIELGELD", d, extra=' letter-spacing="4"'))
    row = counting_row(value, 462, 60, 560, "#ffe14d")
    if row:
        out.append(row)
        out.append(text(770, 482, 40, "PLAY MONEY", d))
    else:
        out.append(text(300, 482, 52, "PLAY MONEY", d, extra=' letter-spacing="3"'))
    return "".join(out)


def back(value, c):
    bg, d = light(c, 0.7), dark(c, 0.35)
    out = ['<rect x="8" y="8" width="%d" height="%d" rx="50" fill="%s" stroke="%s" '
           'stroke-width="14"/>' % (W - 16, H - 16, bg, d)]
    # Confetti stars around the edge.
    for (x, y) in [(80, 80), (935, 80), (80, 445), (935, 445)]:
        out.append(star(x, y, 34, c))
    out.append('<rect x="180" y="120" width="655" height="300" rx="150" fill="#ffffff" '
               'stroke="%s" stroke-width="10"/>' % d)
    size = fitted(280, 440, value, 0.72)
    out.append(outlined_number(600, 275 + 0.36 * size, size, value, c))
    out.append('<g transform="translate(290 270) scale(0.95)">%s</g>' % animal(value, c))
    out.append(text(507, 92, 56, "SPIELGELD", d, extra=' letter-spacing="4"'))
    out.append(text(507, 482, 52, "PLAY MONEY", d, extra=' letter-spacing="3"'))
    return "".join(out)


# ---------------------------------------------------------------------------------------------
