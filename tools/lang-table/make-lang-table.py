#!/usr/bin/env python3
"""Writes the language table that the program embeds and extracts at every start.

Usage: make-lang-table.py <output file>   (the committed copy is resources/lang/zavolin.lng)

The bytes are fixed: Windows-1252 text, CR LF after every line, the section line "[lang]", one
entry per text number and language ("KKKK = text", key = language base + text number, at least
four digits), the four languages of one text in the order 0, 1, 2, 3, and three NUL bytes after
the last line. The German, English and Spanish texts end in a TAB, as the table always had them;
an entry without text ends after "= ".
"""

import sys

# Text number: German (0), English (1000), Spanish (2000), Italian (3000); None = no text.
TEXTS = [
    (103, "Drucken", "Print", "Imprimir", None),
    (105, "Programm beenden", "Program end", "Fin del programa", "Finire il gioco"),
    (106, "Vorderseite", "Front", "Anverso", None),
    (107, "Rückseite", "Back", "Reverso", None),
    (108, "Kopien:", "Copies:", "Copias:", None),
    (109, "Nach unten verschieben:", "Move down:", "Rodar hacia abajo:", None),
    (110, "Nach rechts verschieben:", "Move right:", "Rodar a la derecha:", None),
    (111, "Ausdruck justieren...", "Justify printout...", "Configurar impresión...", None),
    (116, "Weitere Informationen siehe README.HTM!", "For more information see README.HTM!",
     "Para más información vea: README.HTM!", "Altre Informazioni vedi in README.HTM!"),
    (134, "Hilfe...", "Help...", "Ayuda...", "Aiuto..."),
    (135, "&E-Mail an Quorvex", "&Email to Quorvex", "&Email a Quorvex",
     "Posta &elettronica a Quorvex"),
    (136, "&Quorvex's Homepage", "&Quorvex's homepage", "&Página Web de Quorvex",
     "&Quorvex´s homepage"),
    (137, "&Über...", "&About...", "&Acerca de...", "&Sopra"),
    (139, "Münzen", "Coins", "Monedas", None),
]

ITALIAN = 3


def entry(language, number, text):
    line = "%04d = " % (language * 1000 + number)
    if text is not None:
        line += text
        if language != ITALIAN:
            line += "\t"
    return line


def table():
    lines = ["[lang]"]
    for number, *texts in sorted(TEXTS):
        for language, text in enumerate(texts):
            lines.append(entry(language, number, text))
    return "".join(line + "\r\n" for line in lines).encode("cp1252") + b"\0\0\0"


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: make-lang-table.py <output file>\n")
        return 2
    with open(sys.argv[1], "wb") as out:
        out.write(table())
    return 0


if __name__ == "__main__":
    sys.exit(main())
