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
    # The coin sheet as an entry of its own in the set dialog's list of values.
    "Coins": ("Münzen", "Monedas"),
    "front": ("Vorderseite", "anverso"),
    "back": ("Rückseite", "reverso"),
    # Names a screen reader says.
    "Picture set": ("Bildersatz", "Juego de imágenes"),
    "Picture set:": ("Bildersatz:", "Juego de imágenes:"),
    "Side": ("Seite", "Cara"),
    "Preview of the sheet": ("Vorschau des Blattes", "Vista previa de la hoja"),
    "Selection": ("Auswahl", "Selección"),
    "About %1": ("Über %1", "Acerca de %1"),
    # A printer that cannot take the job, and what to do.
    "Printer error: there is no printer \"%1\". Choose another printer, or set this one up again "
    "in the system's printer settings.": (
        "Druckerfehler: Es gibt keinen Drucker „%1“. Einen anderen Drucker wählen oder diesen in "
        "den Druckereinstellungen des Systems neu einrichten.",
        "Error de impresora: no existe la impresora «%1». Elija otra impresora o vuelva a "
        "configurarla en los ajustes de impresoras del sistema."),
    "Printer error: there is no printer \"%1\" (named by %2). Correct or remove %2 where it is "
    "set, or choose another printer.": (
        "Druckerfehler: Es gibt keinen Drucker „%1“ (genannt von %2). %2 dort, wo es gesetzt wird, "
        "berichtigen oder entfernen oder einen anderen Drucker wählen.",
        "Error de impresora: no existe la impresora «%1» (indicada por %2). Corrija o quite %2 "
        "donde esté definida o elija otra impresora."),
    "Printer error: the printer \"%1\" refused the print job: it is not accepting jobs%2. Let it "
    "accept jobs in the system's printer settings, or choose another printer, then print again.": (
        "Druckerfehler: Der Drucker „%1“ hat den Druckauftrag abgelehnt: Er nimmt keine Aufträge "
        "an%2. In den Druckereinstellungen des Systems Aufträge wieder zulassen oder einen "
        "anderen Drucker wählen, dann noch einmal drucken.",
        "Error de impresora: la impresora «%1» rechazó el trabajo: no acepta trabajos%2. Permita "
        "que acepte trabajos en los ajustes de impresoras del sistema o elija otra impresora y "
        "vuelva a imprimir."),
    "Printer error: the printer \"%1\" is paused%2; nothing was sent to it. Resume it in the "
    "system's printer settings, or choose another printer, then print again.": (
        "Druckerfehler: Der Drucker „%1“ ist angehalten%2; es wurde nichts an ihn geschickt. Ihn "
        "in den Druckereinstellungen des Systems fortsetzen oder einen anderen Drucker wählen, "
        "dann noch einmal drucken.",
        "Error de impresora: la impresora «%1» está en pausa%2; no se le envió nada. Reanúdela en "
        "los ajustes de impresoras del sistema o elija otra impresora y vuelva a imprimir."),
    "Printer error: the printer \"%1\" refused the print job (%2). Look at the printer's state "
    "in the system's printer settings, or choose another printer, then print again.": (
        "Druckerfehler: Der Drucker „%1“ hat den Druckauftrag abgelehnt (%2). Den Zustand des "
        "Druckers in den Druckereinstellungen des Systems prüfen oder einen anderen Drucker "
        "wählen, dann noch einmal drucken.",
        "Error de impresora: la impresora «%1» rechazó el trabajo (%2). Revise su estado en los "
        "ajustes de impresoras del sistema o elija otra impresora y vuelva a imprimir."),
    "Printer error: the printer \"%1\" cannot be reached: the print scheduler at %2 does not "
    "answer (%3). Start the printing service (CUPS) or ask whoever looks after this computer, "
    "then print again.": (
        "Druckerfehler: Der Drucker „%1“ ist nicht erreichbar: Der Druckdienst unter %2 antwortet "
        "nicht (%3). Den Druckdienst (CUPS) starten oder den Betreuer dieses Computers fragen, "
        "dann noch einmal drucken.",
        "Error de impresora: no se puede acceder a la impresora «%1»: el servicio de impresión en "
        "%2 no responde (%3). Inicie el servicio de impresión (CUPS) o pregunte a quien se ocupa "
        "de este ordenador y vuelva a imprimir."),
    "page %1 of %2": ("Seite %1 von %2", "página %1 de %2"),
    "print at 100 %, flip on the long edge": (
        "mit 100 % drucken, an der langen Kante wenden",
        "imprimir al 100 %, voltear por el borde largo"),
    "Calibration sheet \u00b7 printed with the back offset right %1 mm, down %2 mm": (
        "Kalibrierblatt \u00b7 gedruckt mit dem Versatz der Rückseite rechts %1 mm, unten %2 mm",
        "Hoja de calibración \u00b7 impresa con el desplazamiento del reverso derecha %1 mm, "
        "abajo %2 mm"),
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
    "Own pictures…": ("Eigene Bilder…", "Imágenes propias…"),
    "Own pictures": ("Eigene Bilder", "Imágenes propias"),
    # %1, %2, %3: the file names 1-front.png, 1-back.png, 1000-back.png, kept on one line.
    "Make a picture set of your own: print drawing pages, let the children draw on them and make "
    "a set from the scanned pages; or save the template, draw the notes in it with any drawing "
    "program, and make a set from the saved picture. A folder of pictures named %1, %2 … %3 "
    "makes a set too.": (
        "Einen eigenen Bildersatz machen: Zeichenblätter drucken, die Kinder darauf malen lassen "
        "und aus den gescannten Blättern einen Satz machen; oder die Vorlage speichern, die "
        "Scheine mit einem beliebigen Zeichenprogramm hineinzeichnen und aus dem gespeicherten "
        "Bild einen Satz machen. Ein Ordner mit Bildern namens %1, %2 … %3 ergibt auch einen Satz.",
        "Haga un juego de imágenes propio: imprima hojas de dibujo, deje que los niños dibujen en "
        "ellas y haga un juego con las hojas escaneadas; o guarde la plantilla, dibuje los "
        "billetes en ella con cualquier programa de dibujo y haga un juego con la imagen guardada. "
        "Una carpeta de imágenes llamadas %1, %2 … %3 también sirve."),
    "Save template…": ("Vorlage speichern…", "Guardar plantilla…"),
    "Make from a picture…": ("Aus einem Bild machen…", "Hacer con una imagen…"),
    "Make from a folder…": ("Aus einem Ordner machen…", "Hacer con una carpeta…"),
    "Rename…": ("Umbenennen…", "Cambiar nombre…"),
    "Remove": ("Entfernen", "Quitar"),
    "Remove the picture set \"%1\"? Its pictures are deleted.": (
        "Den Bildersatz „%1“ entfernen? Seine Bilder werden gelöscht.",
        "¿Quitar el juego de imágenes «%1»? Sus imágenes se borran."),
    "The set was not made: %1.": ("Der Satz wurde nicht gemacht: %1.",
                                  "El juego no se hizo: %1."),
    "Reading the pictures…": ("Die Bilder werden gelesen…", "Leyendo las imágenes…"),
    "The set was not made:": ("Der Satz wurde nicht gemacht:", "El juego no se hizo:"),
    "The pictures can be used, but:": ("Die Bilder lassen sich verwenden, aber:",
                                       "Las imágenes se pueden usar, pero:"),
    "Make the set \"%1\" anyway?": ("Den Satz „%1“ trotzdem machen?",
                                     "¿Hacer el juego «%1» de todos modos?"),
    "The set was not made.": ("Der Satz wurde nicht gemacht.", "El juego no se hizo."),
    "Made the set \"%1\"; choose it in the main window's picture-set list.": (
        "Der Satz „%1“ ist gemacht; er steht in der Liste der Bildersätze im Hauptfenster.",
        "Juego «%1» hecho; elíjalo en la lista de juegos de imágenes de la ventana principal."),
    "The set was not renamed: %1.": ("Der Satz wurde nicht umbenannt: %1.",
                                     "El juego no cambió de nombre: %1."),
    "Renamed \"%1\" to \"%2\".": ("„%1“ in „%2“ umbenannt.", "«%1» ahora se llama «%2»."),
    "The set was not removed: %1.": ("Der Satz wurde nicht entfernt: %1.",
                                     "El juego no se quitó: %1."),
    "Removed \"%1\".": ("„%1“ entfernt.", "«%1» quitado."),
    "The template was not saved: %1.": ("Die Vorlage wurde nicht gespeichert: %1.",
                                        "La plantilla no se guardó: %1."),
    "Saved the template as %1.": ("Vorlage gespeichert als %1.", "Plantilla guardada como %1."),
    "Make a set from a picture": ("Satz aus einem Bild machen", "Hacer un juego con una imagen"),
    "Pictures (*.png *.jpg *.jpeg *.svg)": ("Bilder (*.png *.jpg *.jpeg *.svg)",
                                            "Imágenes (*.png *.jpg *.jpeg *.svg)"),
    "Make a set from a folder of pictures": ("Satz aus einem Bilderordner machen",
                                             "Hacer un juego con una carpeta de imágenes"),
    "Name of the set": ("Name des Satzes", "Nombre del juego"),
    "Name of the new picture set:": ("Name des neuen Bildersatzes:",
                                     "Nombre del nuevo juego de imágenes:"),
    "Rename the set": ("Satz umbenennen", "Cambiar el nombre del juego"),
    "New name:": ("Neuer Name:", "Nombre nuevo:"),
    "Save the drawing template": ("Zeichenvorlage speichern", "Guardar la plantilla de dibujo"),
    "Zavolin template.svg": ("Zavolin-Vorlage.svg", "Plantilla Zavolin.svg"),
    "SVG drawing (*.svg);;PNG picture, 300 dpi (*.png)": (
        "SVG-Zeichnung (*.svg);;PNG-Bild, 300 dpi (*.png)",
        "Dibujo SVG (*.svg);;Imagen PNG, 300 ppp (*.png)"),
    "%1 (own)": ("%1 (eigener)", "%1 (propio)"),
    "%1: the picture is empty": ("%1: das Bild ist leer", "%1: la imagen está vacía"),
    "%1: %2 × %3 would be stretched %4 % %5 to fill the %6 × %7 mm note": (
        "%1: %2 × %3 würde um %4 % %5 gezogen, um den Schein von %6 × %7 mm zu füllen",
        "%1: %2 × %3 se estiraría un %4 % %5 para llenar el billete de %6 × %7 mm"),
    "wider": ("breiter", "más ancho"),
    "narrower": ("schmaler", "más estrecho"),
    "%1: %2 dots per inch at its printed size of %3 × %4 mm (%5 or more print sharply)": (
        "%1: %2 dpi in der gedruckten Größe von %3 × %4 mm (ab %5 wird es scharf)",
        "%1: %2 ppp al tamaño impreso de %3 × %4 mm (con %5 o más se imprime nítido)"),
    "%1 is not a PNG, JPEG or SVG picture": ("%1 ist kein PNG-, JPEG- oder SVG-Bild",
                                             "%1 no es una imagen PNG, JPEG ni SVG"),
    "cannot read %1": ("nicht lesbar: %1", "no se puede leer %1"),
    "%1 cannot be read as an SVG picture": ("%1 lässt sich nicht als SVG-Bild lesen",
                                            "%1 no se puede leer como imagen SVG"),
    "%1 cannot be read as a %2 picture": ("%1 lässt sich nicht als %2-Bild lesen",
                                          "%1 no se puede leer como imagen %2"),
    "%1 (template)": ("%1 (Vorlage)", "%1 (plantilla)"),
    "two pictures for %1: %2 and %3": ("zwei Bilder für %1: %2 und %3",
                                       "dos imágenes para %1: %2 y %3"),
    "fronts missing in %1: %2": ("in %1 fehlen Vorderseiten: %2", "faltan anversos en %1: %2"),
    "passed over, not named <value>-front or <value>-back: %1": (
        "übergangen, weil nicht <Wert>-front oder <Wert>-back benannt: %1",
        "pasados por alto, no se llaman <valor>-front ni <valor>-back: %1"),
    "%1 does not exist": ("%1 gibt es nicht", "%1 no existe"),
    "the set's grid could not be made": ("das Raster des Satzes ließ sich nicht machen",
                                         "no se pudo hacer la cuadrícula del juego"),
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
    "\"%1\" is \"%2\", which names no language; German is used.": (
        "„%1“ ist „%2“, was keine Sprache bezeichnet; Deutsch wird verwendet.",
        "«%1» es «%2», que no designa ningún idioma; se usa el alemán."),
    "\"%1\" is \"%2\", outside %3 … %4 mm; 0 is used.": (
        "„%1“ ist „%2“, außerhalb von %3 … %4 mm; 0 wird verwendet.",
        "«%1» es «%2», fuera de %3 … %4 mm; se usa 0."),
    "Stored settings that cannot be used:": (
        "Gespeicherte Einstellungen, die nicht verwendet werden können:",
        "Ajustes guardados que no se pueden usar:"),
    "The stored settings cannot be read (%1). Zavolin starts with its defaults, and what is "
    "changed now may not be kept.": (
        "Die gespeicherten Einstellungen sind nicht lesbar (%1). Zavolin startet mit seinen "
        "Voreinstellungen, und was jetzt geändert wird, bleibt womöglich nicht erhalten.",
        "No se pueden leer los ajustes guardados (%1). Zavolin arranca con sus valores "
        "predeterminados, y lo que se cambie ahora quizá no se conserve."),
    "The picture sets cannot be registered (%1). Make that folder writable and start Zavolin "
    "again.": (
        "Die Bildersätze lassen sich nicht registrieren (%1). Diesen Ordner beschreibbar machen "
        "und Zavolin neu starten.",
        "No se pueden registrar los juegos de imágenes (%1). Haga que esa carpeta admita "
        "escritura e inicie Zavolin de nuevo."),
    "The data folder cannot be written (%1). The picture sets work for this run; own picture "
    "sets cannot be kept until the folder is writable.": (
        "In den Datenordner kann nicht geschrieben werden (%1). Die Bildersätze funktionieren "
        "für diesen Lauf; eigene Bildersätze lassen sich erst speichern, wenn der Ordner "
        "beschreibbar ist.",
        "No se puede escribir en la carpeta de datos (%1). Los juegos de imágenes funcionan "
        "en esta ejecución; los juegos propios no se pueden guardar hasta que la carpeta "
        "admita escritura."),
    # The main window's printer, chosen in the print adjustment, and where a print went.
    "Printer for the print button:": ("Drucker für die Drucktaste:",
                                      "Impresora del botón de imprimir:"),
    "System default": ("Systemstandard", "Predeterminada del sistema"),
    "There is no printer: printouts are saved as PDF files in the documents folder.": (
        "Es gibt keinen Drucker: Ausdrucke werden als PDF-Dateien im Dokumentenordner "
        "gespeichert.",
        "No hay ninguna impresora: las impresiones se guardan como archivos PDF en la carpeta "
        "de documentos."),
    "Now the printer %1.": ("Zurzeit der Drucker %1.", "Ahora la impresora %1."),
    "The printer \"%1\" chosen before is not there now, so the system default prints. Choose "
    "a printer to change that.": (
        "Der zuvor gewählte Drucker „%1“ ist jetzt nicht da, deshalb druckt der Systemstandard. "
        "Einen Drucker wählen, um das zu ändern.",
        "La impresora «%1» elegida antes no está ahora, así que imprime la predeterminada del "
        "sistema. Elija una impresora para cambiarlo."),
    "This printer is used until Zavolin ends, but it could not be kept for the next time (%1). "
    "Make that file writable and choose the printer again.": (
        "Dieser Drucker wird verwendet, bis Zavolin endet, konnte aber nicht für das nächste Mal "
        "gespeichert werden (%1). Diese Datei beschreibbar machen und den Drucker erneut wählen.",
        "Esta impresora se usa hasta que Zavolin termine, pero no se pudo guardar para la "
        "próxima vez (%1). Haga que ese archivo admita escritura y elija la impresora de nuevo."),
    "\"%1\" is \"%2\", a printer that is not there now; the system default prints. Choose a "
    "printer in the print adjustment to change that.": (
        "„%1“ ist „%2“, ein Drucker, der jetzt nicht da ist; der Systemstandard druckt. Einen "
        "Drucker in der Druckanpassung wählen, um das zu ändern.",
        "«%1» es «%2», una impresora que ahora no está; imprime la predeterminada del sistema. "
        "Elija una impresora en el ajuste de impresión para cambiarlo."),
    "Sent to %1, job %2.": ("An %1 gesendet, Auftrag %2.", "Enviado a %1, trabajo %2."),
    # The whole-set dialog: printer, paper, counted notes.
    "Printer:": ("Drucker:", "Impresora:"),
    "Paper:": ("Papier:", "Papel:"),
    "It prints on both sides of the paper.": ("Er druckt auf beide Seiten des Papiers.",
                                              "Imprime por las dos caras del papel."),
    "It prints on one side: backs are turned over by hand.": (
        "Er druckt auf eine Seite: Rückseiten werden von Hand gewendet.",
        "Imprime por una cara: los reversos se vuelven a mano."),
    "%1 (default)": ("%1 (Standard)", "%1 (predeterminada)"),
    "The printer \"%1\" chosen last time is not there any more.": (
        "Der zuletzt gewählte Drucker „%1“ ist nicht mehr da.",
        "La impresora «%1» elegida la última vez ya no está."),
    "As many columns of notes as fit the paper": (
        "So viele Spalten Scheine, wie auf das Papier passen",
        "Tantas columnas de billetes como quepan en el papel"),
    "Count the notes of each value": ("Scheine jedes Werts zählen",
                                      "Contar los billetes de cada valor"),
    "Fill in: children × notes each": ("Ausfüllen: Kinder × Scheine je Kind",
                                       "Rellenar: niños × billetes por niño"),
    "Children:": ("Kinder:", "Niños:"),
    "Notes each": ("Scheine je Kind", "Billetes por niño"),
    "Notes wanted": ("Scheine gewünscht", "Billetes deseados"),
    "Pages and notes you get": ("Seiten und Scheine, die es gibt",
                                "Páginas y billetes que se obtienen"),
    "Notes each of %1": ("Scheine je Kind von %1", "Billetes por niño de %1"),
    "Notes wanted of %1": ("Gewünschte Scheine von %1", "Billetes deseados de %1"),
    "pages: %1, notes: %2": ("Seiten: %1, Scheine: %2", "páginas: %1, billetes: %2"),
    "Sent to %1, jobs %2.": ("An %1 gesendet, Aufträge %2.", "Enviado a %1, trabajos %2."),
    "The choices could not be kept for the next time: %1": (
        "Die Auswahl konnte nicht für das nächste Mal gespeichert werden: %1",
        "La selección no se pudo guardar para la próxima vez: %1"),
    # The calibration sheet's own words; "right", "down" and "Back offset:" are the set
    # dialog's, above.
    "\u201c%1\u201d": ("\u201e%1\u201c", "\u00ab%1\u00bb"),
    "%1 mm": ("%1 mm", "%1 mm"),
    "Calibration sheet: where does the printer put the back?": (
        "Kalibrierblatt: Wohin druckt der Drucker die Rückseite?",
        "Hoja de calibración: ¿dónde imprime la impresora el reverso?"),
    "Hold this sheet against a window or a lamp, this side towards you. The lines printed on the "
    "back show through.": (
        "Dieses Blatt gegen ein Fenster oder eine Lampe halten, diese Seite zu sich hin. Die "
        "Striche auf der Rückseite scheinen durch.",
        "Sostenga esta hoja contra una ventana o una lámpara, con esta cara hacia usted. Las rayas "
        "impresas en el reverso se transparentan."),
    "Scale %1, whole millimetres: find the back's 0 (the line with the triangle) and count how "
    "many of this side's lines it has passed, starting from this side's 0. Right of 0 that number "
    "is positive, left of 0 negative.": (
        "Skala %1, ganze Millimeter: die 0 der Rückseite suchen (den Strich mit dem Dreieck) und "
        "zählen, an wie vielen Strichen dieser Seite sie vorbei ist, von der 0 dieser Seite an. "
        "Rechts der 0 ist diese Zahl positiv, links der 0 negativ.",
        "Escala %1, milímetros enteros: busque el 0 del reverso (la raya del triángulo) y cuente "
        "cuántas rayas de esta cara ha pasado, empezando por el 0 de esta cara. A la derecha del 0 "
        "ese número es positivo, a la izquierda negativo."),
    "Tenths: from the back's 0 look on in the same direction, away from this side's 0. One of the "
    "back's lines 1 to 9 meets a line of this side exactly: its number is the tenths (0 if the "
    "back's 0 itself meets one). So 1 and line 4 \u2192 %1; on the left, 1 and line 7 \u2192 %2, "
    "and 0 and line 3 \u2192 %3.": (
        "Zehntel: von der 0 der Rückseite in derselben Richtung weiterschauen, weg von der 0 dieser "
        "Seite. Einer der Striche 1 bis 9 der Rückseite trifft genau einen Strich dieser Seite: "
        "seine Zahl sind die Zehntel (0, wenn die 0 der Rückseite selbst einen trifft). Also: 1 "
        "und Strich 4 \u2192 %1; links 1 und Strich 7 \u2192 %2, und 0 und Strich 3 \u2192 %3.",
        "Décimas: desde el 0 del reverso siga mirando en la misma dirección, alejándose del 0 de "
        "esta cara. Una de las rayas 1 a 9 del reverso coincide exactamente con una raya de esta "
        "cara: su número son las décimas (0 si coincide el propio 0 del reverso). Así: 1 y la raya "
        "4 \u2192 %1; a la izquierda, 1 y la raya 7 \u2192 %2, y 0 y la raya 3 \u2192 %3."),
    "Scale %1: read it the same way; above this side's 0 the number is positive, below it "
    "negative.": (
        "Skala %1: genauso ablesen; über der 0 dieser Seite ist die Zahl positiv, darunter negativ.",
        "Escala %1: léala del mismo modo; por encima del 0 de esta cara el número es positivo, por "
        "debajo negativo."),
    "Where the set is printed, at %1, add the number read on the scale %2 to the field %2 and the "
    "number read on the scale %3 to the field %3.": (
        "Wo der Satz gedruckt wird, bei %1 die auf der Skala %2 abgelesene Zahl zum Feld %2 "
        "addieren und die auf der Skala %3 abgelesene zum Feld %3.",
        "Donde se imprime el juego, en %1, sume el número leído en la escala %2 al campo %2 y el "
        "leído en la escala %3 al campo %3."),
    "This sheet was printed with %1 %2 and %3 %4. Reading %5 and %6, for instance, you would "
    "enter %1 %7 and %3 %8. Print this sheet again to check: each of the back's 0 then meets the 0 "
    "of its scale.": (
        "Dieses Blatt wurde mit %1 %2 und %3 %4 gedruckt. Wer zum Beispiel %5 und %6 abliest, gibt "
        "%1 %7 und %3 %8 ein. Zur Probe das Blatt noch einmal drucken: dann trifft jede 0 der "
        "Rückseite die 0 ihrer Skala.",
        "Esta hoja se imprimió con %1 %2 y %3 %4. Si lee, por ejemplo, %5 y %6, escriba %1 %7 y %3 "
        "%8. Imprima la hoja otra vez para comprobarlo: cada 0 del reverso coincide entonces con el "
        "0 de su escala."),
    "Example: the back's 0 has passed 1 to the right and its line 4 meets a line: %1.": (
        "Beispiel: Die 0 der Rückseite ist rechts an der 1 vorbei, und ihr Strich 4 trifft einen "
        "Strich: %1.",
        "Ejemplo: el 0 del reverso ha pasado el 1 hacia la derecha y su raya 4 coincide con una "
        "raya: %1."),
    "Scale %1": ("Skala %1", "Escala %1"),
    "The back of the calibration sheet. Its numbers are mirrored so that they read right through "
    "the paper, from the other side.": (
        "Die Rückseite des Kalibrierblatts. Ihre Zahlen sind gespiegelt, damit sie von der anderen "
        "Seite aus durch das Papier richtig zu lesen sind.",
        "El reverso de la hoja de calibración. Sus números están invertidos para que se lean bien "
        "a través del papel, desde la otra cara."),
    # zavolin --help and what it says of wrong arguments.
    "Usage: zavolin [OPTION]…": ("Aufruf: zavolin [OPTION]…", "Uso: zavolin [OPCIÓN]…"),
    "Lays out and prints sheets of play money for games and maths lessons, in a window with a "
    "preview.": (
        "Gestaltet und druckt Bögen mit Spielgeld für Spiele und den Mathematikunterricht, in "
        "einem Fenster mit Vorschau.",
        "Compone e imprime hojas de dinero de juguete para juegos y clases de matemáticas, en una "
        "ventana con vista previa."),
    "Pages without the window: zavolin-sheet --help.": (
        "Seiten ohne das Fenster: zavolin-sheet --help.",
        "Páginas sin la ventana: zavolin-sheet --help."),
    "Options:": ("Optionen:", "Opciones:"),
    "show this help and end": ("diese Hilfe zeigen und enden", "mostrar esta ayuda y terminar"),
    "show the program's version and end": (
        "die Version des Programms zeigen und enden", "mostrar la versión del programa y terminar"),
    "Qt's own options work as in every Qt program, such as -platform NAME, -style NAME and "
    "-reverse.": (
        "Die Optionen von Qt wirken wie in jedem Qt-Programm, etwa -platform NAME, -style NAME "
        "und -reverse.",
        "Las opciones propias de Qt funcionan como en todo programa Qt, por ejemplo -platform "
        "NOMBRE, -style NOMBRE y -reverse."),
    "User guide: %1": ("Benutzerhandbuch: %1", "Guía del usuario: %1"),
    "zavolin --help lists the options.": (
        "zavolin --help nennt die Optionen.", "zavolin --help enumera las opciones."),
    "unknown option \"%1\"; %2": ("unbekannte Option „%1“; %2", "opción desconocida «%1»; %2"),
    "%1 needs a value; %2": ("%1 braucht einen Wert; %2", "%1 necesita un valor; %2"),
    "\"%1\": the program opens no files given to it; %2": (
        "„%1“: Das Programm öffnet keine ihm übergebenen Dateien; %2",
        "«%1»: el programa no abre archivos que se le pasen; %2"),
    # Drawing pages printed for children, and their scans made into a set.
    "%1 (%2)": ("%1 (%2)", "%1 (%2)"),
    "%1 cannot be read: %2": ("%1 kann nicht gelesen werden: %2", "%1 no se puede leer: %2"),
    "%1 holds no drawing page (no corner codes of the pages Zavolin prints to draw on were found) "
    "and is no grid of 10 rows by 2 pictures": (
        "%1 enthält kein Zeichenblatt (keine Eckcodes der Blätter, die Zavolin zum Malen druckt, "
        "wurden gefunden) und ist kein Raster aus 10 Zeilen mit 2 Bildern",
        "%1 no contiene ninguna hoja de dibujo (no se encontraron los códigos de las esquinas de "
        "las hojas que Zavolin imprime para dibujar) y no es una cuadrícula de 10 filas de 2 "
        "imágenes"),
    "%1 holds no drawing page: no corner codes of the pages Zavolin prints to draw on were found "
    "(print them with “Print drawing pages…”, and scan each page whole)": (
        "%1 enthält kein Zeichenblatt: keine Eckcodes der Blätter, die Zavolin zum Malen druckt, "
        "wurden gefunden (drucken Sie sie mit „Zeichenblätter drucken…“ und scannen Sie jedes "
        "Blatt ganz)",
        "%1 no contiene ninguna hoja de dibujo: no se encontraron los códigos de las esquinas de "
        "las hojas que Zavolin imprime para dibujar (imprímalas con «Imprimir hojas de dibujo…» "
        "y escanee cada hoja entera)"),
    "%1 was drawn on %2 and again on %3: the later one is used": (
        "%1 wurde auf %2 und noch einmal auf %3 gemalt: das spätere wird verwendet",
        "%1 se dibujó en %2 y otra vez en %3: se usa el posterior"),
    "%1, page %2": ("%1, Seite %2", "%1, página %2"),
    "%1: a drawing page of another version of Zavolin (%2), passed over: print the pages again "
    "from this one": (
        "%1: ein Zeichenblatt einer anderen Version von Zavolin (%2), übergangen: drucken Sie die "
        "Blätter mit dieser Version neu",
        "%1: una hoja de dibujo de otra versión de Zavolin (%2), omitida: vuelva a imprimir las "
        "hojas con esta versión"),
    "%1: only some of the corner codes of the page with %2 could be read, so it was passed over: "
    "scan the whole page again, its corners clean": (
        "%1: nur einige Eckcodes des Blatts mit %2 waren lesbar, daher wurde es übergangen: "
        "scannen Sie das ganze Blatt noch einmal, mit sauberen Ecken",
        "%1: solo se pudieron leer algunos códigos de las esquinas de la hoja con %2, así que se "
        "omitió: vuelva a escanear la hoja entera, con las esquinas limpias"),
    "%1: the page's codes describe frames beyond its paper, so it was passed over": (
        "%1: die Codes des Blatts beschreiben Rahmen außerhalb seines Papiers, daher wurde es "
        "übergangen",
        "%1: los códigos de la hoja describen marcos fuera de su papel, así que se omitió"),
    "Copies (one for each child):": ("Exemplare (eines je Kind):", "Copias (una por niño):"),
    "Draw each note inside its dashed line. Keep the four corner codes clean and scan the whole "
    "page.": (
        "Male jeden Schein innerhalb seiner gestrichelten Linie. Halte die vier Eckcodes sauber "
        "und scanne das ganze Blatt.",
        "Dibuja cada billete dentro de su línea discontinua. Mantén limpios los cuatro códigos de "
        "las esquinas y escanea la hoja entera."),
    "Own pictures: make a set from the scanned pages.": (
        "Eigene Bilder: aus den gescannten Blättern einen Satz machen.",
        "Imágenes propias: haga un juego con las hojas escaneadas."),
    "Pages with a frame for each note at its printed size, for children to draw their money on. "
    "Scan the drawn pages, in any order, and make a set of the scan with “Make from a picture…” "
    "or “Make from a folder…”.": (
        "Blätter mit einem Rahmen für jeden Schein in seiner gedruckten Größe, auf die Kinder ihr "
        "Geld malen. Scannen Sie die bemalten Blätter in beliebiger Reihenfolge und machen Sie "
        "aus dem Scan einen Satz mit „Aus einem Bild machen…“ oder „Aus einem Ordner machen…“.",
        "Hojas con un marco para cada billete a su tamaño impreso, para que los niños dibujen su "
        "dinero. Escanee las hojas dibujadas, en cualquier orden, y haga un juego con el escaneo "
        "con «Hacer con una imagen…» o «Hacer con una carpeta…»."),
    "Pictures and scans (*.png *.jpg *.jpeg *.svg *.pdf *.tif *.tiff)": (
        "Bilder und Scans (*.png *.jpg *.jpeg *.svg *.pdf *.tif *.tiff)",
        "Imágenes y escaneos (*.png *.jpg *.jpeg *.svg *.pdf *.tif *.tiff)"),
    "Print drawing pages": ("Zeichenblätter drucken", "Imprimir hojas de dibujo"),
    "Print drawing pages…": ("Zeichenblätter drucken…", "Imprimir hojas de dibujo…"),
    "Save the drawing pages as PDF": ("Zeichenblätter als PDF speichern",
                                      "Guardar las hojas de dibujo como PDF"),
    "Sent to %1.": ("An %1 gesendet.", "Enviado a %1."),
    "The drawing pages were not made: %1.": ("Die Zeichenblätter wurden nicht erstellt: %1.",
                                             "No se hicieron las hojas de dibujo: %1."),
    "There is no printer on this system; the pages can be saved as a PDF file.": (
        "Auf diesem System gibt es keinen Drucker; die Blätter können als PDF-Datei gespeichert "
        "werden.",
        "No hay ninguna impresora en este sistema; las hojas se pueden guardar como archivo PDF."),
    "Values:": ("Werte:", "Valores:"),
    "Zavolin drawing page %1 of %2": ("Zavolin-Zeichenblatt %1 von %2",
                                      "Hoja de dibujo de Zavolin %1 de %2"),
    "Zavolin drawing pages.pdf": ("Zavolin-Zeichenblätter.pdf", "Hojas de dibujo de Zavolin.pdf"),
    "it has %1 pages, more than %2": ("sie hat %1 Seiten, mehr als %2",
                                      "tiene %1 páginas, más de %2"),
    "it is locked with a password": ("sie ist mit einem Passwort gesperrt",
                                     "está bloqueado con una contraseña"),
    "it is not a PDF document": ("sie ist kein PDF-Dokument", "no es un documento PDF"),
    "no drawing found for %1: scan their pages too and make the set again": (
        "keine Zeichnung gefunden für %1: scannen Sie auch deren Blätter und machen Sie den Satz "
        "noch einmal",
        "no se encontró ningún dibujo para %1: escanee también sus hojas y vuelva a hacer el "
        "juego"),
    "no drawing found for %1: they will be plain, with their value": (
        "keine Zeichnung gefunden für %1: sie bleiben schlicht, mit ihrem Wert",
        "no se encontró ningún dibujo para %1: quedarán lisos, con su valor"),
    "passed over, holding no drawing page: %1": ("übergangen, da ohne Zeichenblatt: %1",
                                                 "omitidos, sin hoja de dibujo: %1"),
    "the page cannot be drawn": ("die Seite kann nicht gezeichnet werden",
                                 "la página no se puede dibujar"),
    "the page is damaged": ("die Seite ist beschädigt", "la página está dañada"),
    # Serials on the notes, their check and register.
    "\"%1\" is no serial: a serial reads PREFIX-NUMBER-CODE, such as 3B-0042-KX7.": (
        "„%1“ ist keine Seriennummer: eine Seriennummer lautet PRÄFIX-NUMMER-CODE, etwa "
        "3B-0042-KX7.",
        "«%1» no es un número de serie: un número de serie se escribe PREFIJO-NÚMERO-CÓDIGO, por "
        "ejemplo 3B-0042-KX7."),
    "CSV files (*.csv)": ("CSV-Dateien (*.csv)", "Archivos CSV (*.csv)"),
    "Check a serial": ("Seriennummer prüfen", "Comprobar un número de serie"),
    "Check a serial…": ("Seriennummer prüfen…", "Comprobar un número de serie…"),
    "Export the register of serials": ("Register der Seriennummern exportieren",
                                       "Exportar el registro de números de serie"),
    "Export the register…": ("Register exportieren…", "Exportar el registro…"),
    "Give the serials a prefix of 1 to 6 letters or digits, such as the class.": (
        "Geben Sie den Seriennummern ein Präfix aus 1 bis 6 Buchstaben oder Ziffern, etwa die "
        "Klasse.",
        "Dé a los números de serie un prefijo de 1 a 6 letras o cifras, por ejemplo la clase."),
    "Its serials %1 to %2 stay in the register as issued.": (
        "Seine Seriennummern %1 bis %2 bleiben als ausgegeben im Register.",
        "Sus números de serie %1 a %2 quedan en el registro como emitidos."),
    "No serials could be issued: %1": ("Es konnten keine Seriennummern ausgegeben werden: %1",
                                       "No se pudieron emitir números de serie: %1"),
    "Not valid: no note with the prefix %1 was issued here.": (
        "Ungültig: hier wurde kein Schein mit dem Präfix %1 ausgegeben.",
        "No válido: aquí no se emitió ningún billete con el prefijo %1."),
    "Not valid: number %1 of %2 was never issued.": (
        "Ungültig: die Nummer %1 von %2 wurde nie ausgegeben.",
        "No válido: el número %1 de %2 nunca se emitió."),
    "Not valid: the check code of %1 does not fit its number.": (
        "Ungültig: der Prüfcode von %1 passt nicht zu seiner Nummer.",
        "No válido: el código de control de %1 no corresponde a su número."),
    "Saved the register as %1.": ("Register als %1 gespeichert.", "Registro guardado como %1."),
    "Serial numbers, prefix:": ("Seriennummern, Präfix:", "Números de serie, prefijo:"),
    "Serials %1 to %2 (%3 notes).": ("Seriennummern %1 bis %2 (%3 Scheine).",
                                     "Números de serie %1 a %2 (%3 billetes)."),
    "The register was not saved: %1": ("Das Register wurde nicht gespeichert: %1",
                                       "El registro no se guardó: %1"),
    "The serial could not be checked: %1": ("Die Seriennummer konnte nicht geprüft werden: %1",
                                            "No se pudo comprobar el número de serie: %1"),
    "The serial on the note, such as 3B-0042-KX7:": (
        "Die Seriennummer auf dem Schein, etwa 3B-0042-KX7:",
        "El número de serie del billete, por ejemplo 3B-0042-KX7:"),
    "Valid: %1 is a note of %2, issued on %3.": (
        "Gültig: %1 ist ein Schein zu %2, ausgegeben am %3.",
        "Válido: %1 es un billete de %2, emitido el %3."),
    "Zavolin serials.csv": ("Zavolin-Seriennummern.csv", "Números de serie de Zavolin.csv"),
    "class": ("Klasse", "clase"),
    # A start-up step that failed: the window opens all the same.
    "Part of the start failed; Zavolin opens with its defaults for it. %1": (
        "Ein Teil des Starts ist fehlgeschlagen; Zavolin öffnet mit den Voreinstellungen dafür. %1",
        "Una parte del inicio ha fallado; Zavolin se abre con los valores predeterminados para "
        "ella. %1"),
    # Poppler, loaded when a scanned PDF is first read, is missing or broken.
    "the PDF reader cannot be loaded (%1); install Zavolin again": (
        "das PDF-Lesemodul kann nicht geladen werden (%1); Zavolin neu installieren",
        "no se puede cargar el lector de PDF (%1); vuelva a instalar Zavolin"),
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
