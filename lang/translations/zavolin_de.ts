<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
<context>
    <name>ClassRegistry</name>
    <message>
        <source>The picture sets cannot be registered (%1). Make that folder writable and start Zavolin again.</source>
        <translation>Die Bildersätze lassen sich nicht registrieren (%1). Diesen Ordner beschreibbar machen und Zavolin neu starten.</translation>
    </message>
    <message>
        <source>The data folder cannot be written (%1). The picture sets work for this run; own picture sets cannot be kept until the folder is writable.</source>
        <translation>In den Datenordner kann nicht geschrieben werden (%1). Die Bildersätze funktionieren für diesen Lauf; eigene Bildersätze lassen sich erst speichern, wenn der Ordner beschreibbar ist.</translation>
    </message>
</context>
<context>
    <name>OwnSets</name>
    <message>
        <source>%1 (own)</source>
        <translation>%1 (eigener)</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>front</source>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>%1: the picture is empty</source>
        <translation>%1: das Bild ist leer</translation>
    </message>
    <message>
        <source>%1: %2 × %3 would be stretched %4 % %5 to fill the %6 × %7 mm note</source>
        <translation>%1: %2 × %3 würde um %4 % %5 gezogen, um den Schein von %6 × %7 mm zu füllen</translation>
    </message>
    <message>
        <source>wider</source>
        <translation>breiter</translation>
    </message>
    <message>
        <source>narrower</source>
        <translation>schmaler</translation>
    </message>
    <message>
        <source>%1: %2 dots per inch at its printed size of %3 × %4 mm (%5 or more print sharply)</source>
        <translation>%1: %2 dpi in der gedruckten Größe von %3 × %4 mm (ab %5 wird es scharf)</translation>
    </message>
    <message>
        <source>%1 is not a PNG, JPEG or SVG picture</source>
        <translation>%1 ist kein PNG-, JPEG- oder SVG-Bild</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read as an SVG picture</source>
        <translation>%1 lässt sich nicht als SVG-Bild lesen</translation>
    </message>
    <message>
        <source>%1 cannot be read as a %2 picture</source>
        <translation>%1 lässt sich nicht als %2-Bild lesen</translation>
    </message>
    <message>
        <source>%1 (template)</source>
        <translation>%1 (Vorlage)</translation>
    </message>
    <message>
        <source>two pictures for %1: %2 and %3</source>
        <translation>zwei Bilder für %1: %2 und %3</translation>
    </message>
    <message>
        <source>fronts missing in %1: %2</source>
        <translation>in %1 fehlen Vorderseiten: %2</translation>
    </message>
    <message>
        <source>passed over, not named &lt;value&gt;-front or &lt;value&gt;-back: %1</source>
        <translation>übergangen, weil nicht &lt;Wert&gt;-front oder &lt;Wert&gt;-back benannt: %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 gibt es nicht</translation>
    </message>
    <message>
        <source>the set's grid could not be made</source>
        <translation>das Raster des Satzes ließ sich nicht machen</translation>
    </message>
</context>
<context>
    <name>SetTexts</name>
    <message>
        <source>coins</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>front</source>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>print at 100 %, flip on the long edge</source>
        <translation>mit 100 % drucken, an der langen Kante wenden</translation>
    </message>
    <message>
        <source>Hold against the light: where the back's cross meets the scales, read X and Y and add them to the back offset (this sheet: X %1 mm, Y %2 mm).</source>
        <translation>Gegen das Licht halten: wo das Kreuz der Rückseite die Skalen trifft, X und Y ablesen und zum Versatz der Rückseite addieren (dieses Blatt: X %1 mm, Y %2 mm).</translation>
    </message>
    <message>
        <source>The fronts have gone to the printer. When all of them are printed, take the stack out without changing its order, turn it over about its long edge so that the top edge stays at the top, and put it back into the paper tray so that the first sheet is fed first and its blank side is printed.</source>
        <translation>Die Vorderseiten sind beim Drucker. Wenn alle gedruckt sind, den Stapel herausnehmen, ohne die Reihenfolge zu ändern, über die lange Kante wenden, sodass die obere Kante oben bleibt, und so wieder in das Papierfach legen, dass das erste Blatt zuerst eingezogen und seine leere Seite bedruckt wird.</translation>
    </message>
</context>
<context>
    <name>StoredSettings</name>
    <message>
        <source>"%1" is "%2", which names no language; German is used.</source>
        <translation>„%1“ ist „%2“, was keine Sprache bezeichnet; Deutsch wird verwendet.</translation>
    </message>
    <message>
        <source>"%1" is "%2", outside %3 … %4 mm; 0 is used.</source>
        <translation>„%1“ ist „%2“, außerhalb von %3 … %4 mm; 0 wird verwendet.</translation>
    </message>
    <message>
        <source>Stored settings that cannot be used:</source>
        <translation>Gespeicherte Einstellungen, die nicht verwendet werden können:</translation>
    </message>
    <message>
        <source>The stored settings cannot be read (%1). Zavolin starts with its defaults, and what is changed now may not be kept.</source>
        <translation>Die gespeicherten Einstellungen sind nicht lesbar (%1). Zavolin startet mit seinen Voreinstellungen, und was jetzt geändert wird, bleibt womöglich nicht erhalten.</translation>
    </message>
    <message>
        <source>"%1" is "%2", a printer that is not there now; the system default prints. Choose a printer in the print adjustment to change that.</source>
        <translation>„%1“ ist „%2“, ein Drucker, der jetzt nicht da ist; der Systemstandard druckt. Einen Drucker in der Druckanpassung wählen, um das zu ändern.</translation>
    </message>
</context>
<context>
    <name>TemplateTexts</name>
    <message>
        <source>Zavolin banknote template</source>
        <translation>Zavolin-Vorlage für Geldscheine</translation>
    </message>
    <message>
        <source>Draw each banknote in its frame, fronts on the left and backs on the right: the picture fills the whole frame. Keep figures and words inside the dashed line, as cutting out may take a little off the edge.</source>
        <translation>Jeden Schein in seinen Rahmen zeichnen, Vorderseiten links und Rückseiten rechts: das Bild füllt den ganzen Rahmen. Zahlen und Schrift innerhalb der gestrichelten Linie halten, da beim Ausschneiden am Rand etwas wegfallen kann.</translation>
    </message>
    <message>
        <source>front</source>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Rückseite</translation>
    </message>
</context>
<context>
    <name>zavolin::frmOwnSets</name>
    <message>
        <source>Own pictures</source>
        <translation>Eigene Bilder</translation>
    </message>
    <message>
        <source>Make a picture set of your own: save the template, draw the notes in it with any drawing program, and make a set from the saved picture. A folder of pictures named 1-front.png, 1-back.png … 1000-back.png makes a set too.</source>
        <translation>Einen eigenen Bildersatz machen: die Vorlage speichern, die Scheine mit einem beliebigen Zeichenprogramm hineinzeichnen und aus dem gespeicherten Bild einen Satz machen. Ein Ordner mit Bildern namens 1-front.png, 1-back.png … 1000-back.png ergibt auch einen Satz.</translation>
    </message>
    <message>
        <source>Save template…</source>
        <translation>Vorlage speichern…</translation>
    </message>
    <message>
        <source>Make from a picture…</source>
        <translation>Aus einem Bild machen…</translation>
    </message>
    <message>
        <source>Make from a folder…</source>
        <translation>Aus einem Ordner machen…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Umbenennen…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Remove the picture set "%1"? Its pictures are deleted.</source>
        <translation>Den Bildersatz „%1“ entfernen? Seine Bilder werden gelöscht.</translation>
    </message>
    <message>
        <source>The set was not made: %1.</source>
        <translation>Der Satz wurde nicht gemacht: %1.</translation>
    </message>
    <message>
        <source>Reading the pictures…</source>
        <translation>Die Bilder werden gelesen…</translation>
    </message>
    <message>
        <source>The set was not made:</source>
        <translation>Der Satz wurde nicht gemacht:</translation>
    </message>
    <message>
        <source>The pictures can be used, but:</source>
        <translation>Die Bilder lassen sich verwenden, aber:</translation>
    </message>
    <message>
        <source>Make the set "%1" anyway?</source>
        <translation>Den Satz „%1“ trotzdem machen?</translation>
    </message>
    <message>
        <source>The set was not made.</source>
        <translation>Der Satz wurde nicht gemacht.</translation>
    </message>
    <message>
        <source>Made the set "%1"; choose it in the main window's picture-set list.</source>
        <translation>Der Satz „%1“ ist gemacht; er steht in der Liste der Bildersätze im Hauptfenster.</translation>
    </message>
    <message>
        <source>The set was not renamed: %1.</source>
        <translation>Der Satz wurde nicht umbenannt: %1.</translation>
    </message>
    <message>
        <source>Renamed "%1" to "%2".</source>
        <translation>„%1“ in „%2“ umbenannt.</translation>
    </message>
    <message>
        <source>The set was not removed: %1.</source>
        <translation>Der Satz wurde nicht entfernt: %1.</translation>
    </message>
    <message>
        <source>Removed "%1".</source>
        <translation>„%1“ entfernt.</translation>
    </message>
    <message>
        <source>The template was not saved: %1.</source>
        <translation>Die Vorlage wurde nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>Saved the template as %1.</source>
        <translation>Vorlage gespeichert als %1.</translation>
    </message>
    <message>
        <source>Make a set from a picture</source>
        <translation>Satz aus einem Bild machen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>Make a set from a folder of pictures</source>
        <translation>Satz aus einem Bilderordner machen</translation>
    </message>
    <message>
        <source>Name of the set</source>
        <translation>Name des Satzes</translation>
    </message>
    <message>
        <source>Name of the new picture set:</source>
        <translation>Name des neuen Bildersatzes:</translation>
    </message>
    <message>
        <source>Rename the set</source>
        <translation>Satz umbenennen</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>Save the drawing template</source>
        <translation>Zeichenvorlage speichern</translation>
    </message>
    <message>
        <source>Zavolin template.svg</source>
        <translation>Zavolin-Vorlage.svg</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg);;PNG picture, 300 dpi (*.png)</source>
        <translation>SVG-Zeichnung (*.svg);;PNG-Bild, 300 dpi (*.png)</translation>
    </message>
</context>
<context>
    <name>zavolin::frmPrint</name>
    <message>
        <source>As many columns as fit</source>
        <translation>So viele Spalten wie passen</translation>
    </message>
    <message>
        <source>Banknotes side by side across the paper, each column with its own cut lines; the coin sheet keeps one.</source>
        <translation>Scheine nebeneinander über das ganze Papier, jede Spalte mit eigenen Schnittlinien; das Münzblatt behält eine.</translation>
    </message>
    <message>
        <source>Printer for the print button:</source>
        <translation>Drucker für die Drucktaste:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>There is no printer: printouts are saved as PDF files in the documents folder.</source>
        <translation>Es gibt keinen Drucker: Ausdrucke werden als PDF-Dateien im Dokumentenordner gespeichert.</translation>
    </message>
    <message>
        <source>Now the printer %1.</source>
        <translation>Zurzeit der Drucker %1.</translation>
    </message>
    <message>
        <source>The printer "%1" chosen before is not there now, so the system default prints. Choose a printer to change that.</source>
        <translation>Der zuvor gewählte Drucker „%1“ ist jetzt nicht da, deshalb druckt der Systemstandard. Einen Drucker wählen, um das zu ändern.</translation>
    </message>
    <message>
        <source>This printer is used until Zavolin ends, but it could not be kept for the next time (%1). Make that file writable and choose the printer again.</source>
        <translation>Dieser Drucker wird verwendet, bis Zavolin endet, konnte aber nicht für das nächste Mal gespeichert werden (%1). Diese Datei beschreibbar machen und den Drucker erneut wählen.</translation>
    </message>
</context>
<context>
    <name>zavolin::frmPrintSet</name>
    <message>
        <source>Print a whole set</source>
        <translation>Ganzen Satz drucken</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopien:</translation>
    </message>
    <message>
        <source>Backs:</source>
        <translation>Rückseiten:</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>down</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>Back offset:</source>
        <translation>Versatz der Rückseite:</translation>
    </message>
    <message>
        <source>Print calibration page</source>
        <translation>Kalibrierblatt drucken</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>There is no printer on this system; the set can be saved as a PDF file.</source>
        <translation>Auf diesem System gibt es keinen Drucker; der Satz kann als PDF-Datei gespeichert werden.</translation>
    </message>
    <message>
        <source>Printer: %1 (prints on both sides)</source>
        <translation>Drucker: %1 (druckt beidseitig)</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Drucker: %1</translation>
    </message>
    <message>
        <source>Printed on the back by the printer</source>
        <translation>Vom Drucker auf die Rückseite gedruckt</translation>
    </message>
    <message>
        <source>Turned over by hand</source>
        <translation>Von Hand gewendet</translation>
    </message>
    <message>
        <source>Fronts only</source>
        <translation>Nur Vorderseiten</translation>
    </message>
    <message>
        <source>Backs only</source>
        <translation>Nur Rückseiten</translation>
    </message>
    <message>
        <source>The stored back offset "%1" could not be read; it starts at 0.</source>
        <translation>Der gespeicherte Versatz der Rückseite „%1“ ist nicht lesbar; er beginnt bei 0.</translation>
    </message>
    <message>
        <source>The back offset could not be kept for the next time: %1</source>
        <translation>Der Versatz der Rückseite konnte nicht für das nächste Mal gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Save the set as PDF</source>
        <translation>Satz als PDF speichern</translation>
    </message>
    <message>
        <source>Zavolin set.pdf</source>
        <translation>Zavolin-Satz.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Gespeichert als %1.</translation>
    </message>
    <message>
        <source>Press OK when the stack is back in the tray to print the backs.</source>
        <translation>OK drücken, wenn der Stapel wieder im Fach liegt, um die Rückseiten zu drucken.</translation>
    </message>
    <message>
        <source>Cancelled: nothing more was sent or written.</source>
        <translation>Abgebrochen: nichts weiter wurde gesendet oder geschrieben.</translation>
    </message>
    <message>
        <source>Drawing the pages…</source>
        <translation>Die Seiten werden gezeichnet…</translation>
    </message>
    <message>
        <source>Print set</source>
        <translation>Satz drucken</translation>
    </message>
    <message>
        <source>Sent to the printer %1 (%2).</source>
        <translation>An den Drucker %1 gesendet (%2).</translation>
    </message>
    <message>
        <source>The printer's paper could not be measured: %1</source>
        <translation>Das Papier des Druckers konnte nicht vermessen werden: %1</translation>
    </message>
    <message>
        <source>Sheets of paper: %1</source>
        <translation>Blatt Papier: %1</translation>
    </message>
    <message>
        <source>on each: %1</source>
        <translation>auf jedem: %1</translation>
    </message>
    <message>
        <source>Own pictures…</source>
        <translation>Eigene Bilder…</translation>
    </message>
</context>
<context>
    <name>zavolin::frmZavolin</name>
    <message>
        <source>Sent to %1, job %2.</source>
        <translation>An %1 gesendet, Auftrag %2.</translation>
    </message>
</context>
</TS>