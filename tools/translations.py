#!/usr/bin/env python3
"""Fills the German and Spanish translation files from the table below.

The texts the program has beyond its language table are written in English in the code. Run
tools/update-translations.sh after changing them: it collects the texts with lupdate, then runs
this script, which fills in every translation this table knows and names the texts it lacks.
"""
import sys
import xml.etree.ElementTree as ET

DE_ES = {
    "coins": ("Münzen", "monedas"),
    "front": ("Vorderseite", "anverso"),
    "back": ("Rückseite", "reverso"),
    "page %1 of %2": ("Seite %1 von %2", "página %1 de %2"),
    "print at 100 %, flip on the long edge": (
        "mit 100 % drucken, an der langen Kante wenden",
        "imprimir al 100 %, voltear por el borde largo"),
    "Hold against the light: where the back's cross meets the scales, read X and Y and add them "
    "to the back offset (this sheet: X %1 mm, Y %2 mm).": (
        "Gegen das Licht halten: wo das Kreuz der Rückseite die Skalen trifft, X und Y ablesen und "
        "zum Versatz der Rückseite addieren (dieses Blatt: X %1 mm, Y %2 mm).",
        "Mirar a contraluz: donde la cruz del reverso corta las escalas, leer X e Y y sumarlos al "
        "desplazamiento del reverso (esta hoja: X %1 mm, Y %2 mm)."),
    "The fronts have gone to the printer. When all of them are printed, take the stack out "
    "without changing its order, turn it over about its long edge so that the top edge stays at "
    "the top, and put it back into the paper tray so that the first sheet is fed first and its "
    "blank side is printed.": (
        "Die Vorderseiten sind beim Drucker. Wenn alle gedruckt sind, den Stapel herausnehmen, "
        "ohne die Reihenfolge zu ändern, über die lange Kante wenden, sodass die obere Kante oben "
        "bleibt, und so wieder in das Papierfach legen, dass das erste Blatt zuerst eingezogen "
        "und seine leere Seite bedruckt wird.",
        "Los anversos están en la impresora. Cuando estén todos impresos, saque la pila sin "
        "cambiar su orden, déle la vuelta por el borde largo de modo que el borde superior quede "
        "arriba y vuelva a ponerla en la bandeja de papel de modo que la primera hoja entre "
        "primero y se imprima su cara en blanco."),
    "Print set": ("Satz drucken", "Imprimir juego"),
    "Print a whole set": ("Ganzen Satz drucken", "Imprimir un juego completo"),
    "Values": ("Werte", "Valores"),
    "Copies:": ("Kopien:", "Copias:"),
    "Backs:": ("Rückseiten:", "Reversos:"),
    "right": ("rechts", "derecha"),
    "down": ("unten", "abajo"),
    "Back offset:": ("Versatz der Rückseite:", "Desplazamiento del reverso:"),
    "Print calibration page": ("Kalibrierblatt drucken", "Imprimir hoja de calibración"),
    "Save as PDF…": ("Als PDF speichern…", "Guardar como PDF…"),
    "Print": ("Drucken", "Imprimir"),
    "Cancel": ("Abbrechen", "Cancelar"),
    "Close": ("Schließen", "Cerrar"),
    "There is no printer on this system; the set can be saved as a PDF file.": (
        "Auf diesem System gibt es keinen Drucker; der Satz kann als PDF-Datei gespeichert werden.",
        "No hay ninguna impresora en este sistema; el juego se puede guardar como archivo PDF."),
    "Printer: %1 (prints on both sides)": (
        "Drucker: %1 (druckt beidseitig)", "Impresora: %1 (imprime a doble cara)"),
    "Printer: %1": ("Drucker: %1", "Impresora: %1"),
    "Printed on the back by the printer": (
        "Vom Drucker auf die Rückseite gedruckt", "Impresos por la impresora en el reverso"),
    "Turned over by hand": ("Von Hand gewendet", "Volteando las hojas a mano"),
    "Fronts only": ("Nur Vorderseiten", "Solo anversos"),
    "Backs only": ("Nur Rückseiten", "Solo reversos"),
    "The stored back offset \"%1\" could not be read; it starts at 0.": (
        "Der gespeicherte Versatz der Rückseite „%1“ ist nicht lesbar; er beginnt bei 0.",
        "El desplazamiento del reverso guardado «%1» no se puede leer; empieza en 0."),
    "The back offset could not be kept for the next time: %1": (
        "Der Versatz der Rückseite konnte nicht für das nächste Mal gespeichert werden: %1",
        "El desplazamiento del reverso no se pudo guardar para la próxima vez: %1"),
    "Save the set as PDF": ("Satz als PDF speichern", "Guardar el juego como PDF"),
    "Zavolin set.pdf": ("Zavolin-Satz.pdf", "Juego Zavolin.pdf"),
    "PDF files (*.pdf)": ("PDF-Dateien (*.pdf)", "Archivos PDF (*.pdf)"),
    "Saved as %1.": ("Gespeichert als %1.", "Guardado como %1."),
    "Press OK when the stack is back in the tray to print the backs.": (
        "OK drücken, wenn der Stapel wieder im Fach liegt, um die Rückseiten zu drucken.",
        "Pulse Aceptar cuando la pila esté de nuevo en la bandeja para imprimir los reversos."),
    "Sent to the printer %1 (%2).": (
        "An den Drucker %1 gesendet (%2).", "Enviado a la impresora %1 (%2)."),
    "Cancelled: nothing more was sent or written.": (
        "Abgebrochen: nichts weiter wurde gesendet oder geschrieben.",
        "Cancelado: no se envió ni escribió nada más."),
    "Drawing the pages…": ("Die Seiten werden gezeichnet…", "Dibujando las páginas…"),
    "As many columns as fit": ("So viele Spalten wie passen", "Tantas columnas como quepan"),
    "Banknotes side by side across the paper, each column with its own cut lines; the coin "
    "sheet keeps one.": (
        "Scheine nebeneinander über das ganze Papier, jede Spalte mit eigenen Schnittlinien; "
        "das Münzblatt behält eine.",
        "Billetes uno al lado del otro a lo ancho del papel, cada columna con sus líneas de "
        "corte; la hoja de monedas conserva una."),
    "Sheets of paper: %1": ("Blatt Papier: %1", "Hojas de papel: %1"),
    "on each: %1": ("auf jedem: %1", "en cada una: %1"),
    "The printer's paper could not be measured: %1": (
        "Das Papier des Druckers konnte nicht vermessen werden: %1",
        "No se pudo medir el papel de la impresora: %1"),
    "Zavolin banknote template": (
        "Zavolin-Vorlage für Geldscheine", "Plantilla de billetes Zavolin"),
    "Draw each banknote in its frame, fronts on the left and backs on the right: the picture "
    "fills the whole frame. Keep figures and words inside the dashed line, as cutting out may "
    "take a little off the edge.": (
        "Jeden Schein in seinen Rahmen zeichnen, Vorderseiten links und Rückseiten rechts: das "
        "Bild füllt den ganzen Rahmen. Zahlen und Schrift innerhalb der gestrichelten Linie "
        "halten, da beim Ausschneiden am Rand etwas wegfallen kann.",
        "Dibuje cada billete en su marco, los anversos a la izquierda y los reversos a la "
        "derecha: el dibujo llena todo el marco. Mantenga cifras y textos dentro de la línea "
        "discontinua, porque al recortar se puede perder algo del borde."),
}


def fill(path, column):
    tree = ET.parse(path)
    missing = []
    for message in tree.iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        known = DE_ES.get(source)
        if column is None:
            text = source
        elif known:
            text = known[column]
        else:
            missing.append(source)
            continue
        translation.text = text
        translation.attrib.pop("type", None)
    tree.write(path, encoding="utf-8", xml_declaration=True)
    return missing


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "lang/translations"
    lacking = fill(f"{folder}/zavolin_de.ts", 0) + fill(f"{folder}/zavolin_es.ts", 1)
    fill(f"{folder}/zavolin_en.ts", None)
    for text in sorted(set(lacking)):
        print(f"no translation yet: {text}", file=sys.stderr)
    sys.exit(1 if lacking else 0)
