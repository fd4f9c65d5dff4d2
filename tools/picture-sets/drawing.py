"""Shapes and colours the picture sets share: the note's cell, colour mixing, texts."""

W, H = 1015, 525
VALUES = ["1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"]
# Width of a bold digit or capital in the fonts used, per unit of font size; a little generous
# so that long figures are made smaller rather than run into their neighbours.
DIGIT = 0.70
CAPITAL = 0.74


def mix(colour, other, t):
    """colour blended with other by t (0 = colour)."""
    a = [int(colour[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(other[i:i + 2], 16) for i in (1, 3, 5)]
    return "#%02x%02x%02x" % tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def light(c, t):
    return mix(c, "#ffffff", t)


def dark(c, t):
    return mix(c, "#000000", t)


def polyline(points, closed=True):
    text = "M" + " ".join("%.1f %.1f" % p for p in points)
    return text + ("Z" if closed else "")


def text(x, y, size, content, fill, anchor="middle", family="DejaVu Sans", extra=""):
    return ('<text x="%.0f" y="%.0f" font-family="%s" font-weight="bold" font-size="%.0f" '
            'text-anchor="%s" fill="%s"%s>%s</text>' % (x, y, family, size, anchor, fill, extra,
                                                        content))


def outlined_text(x, y, size, content, fill, line, width, family="DejaVu Sans", spacing=0):
    """Text with a line `width` units wide along its glyphs' edges. Qt's renderer draws text at
    size 100 scaled to its size, the line with it, so the text is set at size 100 in a group
    scaled to the size: the line comes out as wide as asked whatever the size."""
    k = size / 100
    extra = ' stroke="%s" stroke-width="%.2f" stroke-linejoin="round"' % (line, width / k)
    if spacing:
        extra += ' letter-spacing="%.1f"' % (spacing / k)
    return '<g transform="translate(%.1f %.1f) scale(%.3f)">%s</g>' % (
        x, y, k, text(0, 0, 100, content, fill, family=family, extra=extra))


def fitted(size, width, content, per=DIGIT):
    """The font size at most `size` at which content is at most `width` wide."""
    return min(size, width / (len(content) * per))
