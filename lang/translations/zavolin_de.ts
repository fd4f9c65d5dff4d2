<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
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
    <name>zavolin::frmPrint</name>
    <message>
        <source>As many columns as fit</source>
        <translation>So viele Spalten wie passen</translation>
    </message>
    <message>
        <source>Banknotes side by side across the paper, each column with its own cut lines; the coin sheet keeps one.</source>
        <translation>Scheine nebeneinander über das ganze Papier, jede Spalte mit eigenen Schnittlinien; das Münzblatt behält eine.</translation>
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
</context>
</TS>