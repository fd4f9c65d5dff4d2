<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Picture set</source>
        <translation>Bildersatz</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Preview of the sheet</source>
        <translation>Vorschau des Blattes</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
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
        <source>Calibration sheet: where does the printer put the back?</source>
        <translation>Kalibrierblatt: Wohin druckt der Drucker die Rückseite?</translation>
    </message>
    <message>
        <source>Hold this sheet against a window or a lamp, this side towards you. The lines printed on the back show through.</source>
        <translation>Dieses Blatt gegen ein Fenster oder eine Lampe halten, diese Seite zu sich hin. Die Striche auf der Rückseite scheinen durch.</translation>
    </message>
    <message>
        <source>Scale %1, whole millimetres: find the back's 0 (the line with the triangle) and count how many of this side's lines it has passed, starting from this side's 0. Right of 0 that number is positive, left of 0 negative.</source>
        <translation>Skala %1, ganze Millimeter: die 0 der Rückseite suchen (den Strich mit dem Dreieck) und zählen, an wie vielen Strichen dieser Seite sie vorbei ist, von der 0 dieser Seite an. Rechts der 0 ist diese Zahl positiv, links der 0 negativ.</translation>
    </message>
    <message>
        <source>Scale %1: read it the same way; above this side's 0 the number is positive, below it negative.</source>
        <translation>Skala %1: genauso ablesen; über der 0 dieser Seite ist die Zahl positiv, darunter negativ.</translation>
    </message>
    <message>
        <source>Where the set is printed, at %1, add the number read on the scale %2 to the field %2 and the number read on the scale %3 to the field %3.</source>
        <translation>Wo der Satz gedruckt wird, bei %1 die auf der Skala %2 abgelesene Zahl zum Feld %2 addieren und die auf der Skala %3 abgelesene zum Feld %3.</translation>
    </message>
    <message>
        <source>Back offset:</source>
        <translation>Versatz der Rückseite:</translation>
    </message>
    <message>
        <source>This sheet was printed with %1 %2 and %3 %4. Reading %5 and %6, for instance, you would enter %1 %7 and %3 %8. Print this sheet again to check: each of the back's 0 then meets the 0 of its scale.</source>
        <translation>Dieses Blatt wurde mit %1 %2 und %3 %4 gedruckt. Wer zum Beispiel %5 und %6 abliest, gibt %1 %7 und %3 %8 ein. Zur Probe das Blatt noch einmal drucken: dann trifft jede 0 der Rückseite die 0 ihrer Skala.</translation>
    </message>
    <message>
        <source>Example: the back's 0 has passed 1 to the right and its line 4 meets a line: %1.</source>
        <translation>Beispiel: Die 0 der Rückseite ist rechts an der 1 vorbei, und ihr Strich 4 trifft einen Strich: %1.</translation>
    </message>
    <message>
        <source>Scale %1</source>
        <translation>Skala %1</translation>
    </message>
    <message>
        <source>Tenths: from the back's 0 look on in the same direction, away from this side's 0. One of the back's lines 1 to 9 meets a line of this side exactly: its number is the tenths (0 if the back's 0 itself meets one). So 1 and line 4 → %1; on the left, 1 and line 7 → %2, and 0 and line 3 → %3.</source>
        <translation>Zehntel: von der 0 der Rückseite in derselben Richtung weiterschauen, weg von der 0 dieser Seite. Einer der Striche 1 bis 9 der Rückseite trifft genau einen Strich dieser Seite: seine Zahl sind die Zehntel (0, wenn die 0 der Rückseite selbst einen trifft). Also: 1 und Strich 4 → %1; links 1 und Strich 7 → %2, und 0 und Strich 3 → %3.</translation>
    </message>
    <message>
        <source>The back of the calibration sheet. Its numbers are mirrored so that they read right through the paper, from the other side.</source>
        <translation>Die Rückseite des Kalibrierblatts. Ihre Zahlen sind gespiegelt, damit sie von der anderen Seite aus durch das Papier richtig zu lesen sind.</translation>
    </message>
</context>
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
    <name>CommandLine</name>
    <message>
        <source>Usage: zavolin [OPTION]…</source>
        <translation>Aufruf: zavolin [OPTION]…</translation>
    </message>
    <message>
        <source>Lays out and prints sheets of play money for games and maths lessons, in a window with a preview.</source>
        <translation>Gestaltet und druckt Bögen mit Spielgeld für Spiele und den Mathematikunterricht, in einem Fenster mit Vorschau.</translation>
    </message>
    <message>
        <source>Pages without the window: zavolin-sheet --help.</source>
        <translation>Seiten ohne das Fenster: zavolin-sheet --help.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>diese Hilfe zeigen und enden</translation>
    </message>
    <message>
        <source>show the program's version and end</source>
        <translation>die Version des Programms zeigen und enden</translation>
    </message>
    <message>
        <source>Qt's own options work as in every Qt program, such as -platform NAME, -style NAME and -reverse.</source>
        <translation>Die Optionen von Qt wirken wie in jedem Qt-Programm, etwa -platform NAME, -style NAME und -reverse.</translation>
    </message>
    <message>
        <source>User guide: %1</source>
        <translation>Benutzerhandbuch: %1</translation>
    </message>
    <message>
        <source>zavolin --help lists the options.</source>
        <translation>zavolin --help nennt die Optionen.</translation>
    </message>
    <message>
        <source>unknown option "%1"; %2</source>
        <translation>unbekannte Option „%1“; %2</translation>
    </message>
    <message>
        <source>%1 needs a value; %2</source>
        <translation>%1 braucht einen Wert; %2</translation>
    </message>
    <message>
        <source>"%1": the program opens no files given to it; %2</source>
        <translation>„%1“: Das Programm öffnet keine ihm übergebenen Dateien; %2</translation>
    </message>
</context>
<context>
    <name>DrawingPages</name>
    <message>
        <source>back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>front</source>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>Zavolin drawing page %1 of %2</source>
        <translation>Zavolin-Zeichenblatt %1 von %2</translation>
    </message>
    <message>
        <source>Draw each note inside its dashed line. Keep the four corner codes clean and scan the whole page.</source>
        <translation>Male jeden Schein innerhalb seiner gestrichelten Linie. Halte die vier Eckcodes sauber und scanne das ganze Blatt.</translation>
    </message>
    <message>
        <source>Own pictures: make a set from the scanned pages.</source>
        <translation>Eigene Bilder: aus den gescannten Blättern einen Satz machen.</translation>
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
    <message>
        <source>cannot read %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>%1 holds no drawing page (no corner codes of the pages Zavolin prints to draw on were found) and is no grid of 10 rows by 2 pictures</source>
        <translation>%1 enthält kein Zeichenblatt (keine Eckcodes der Blätter, die Zavolin zum Malen druckt, wurden gefunden) und ist kein Raster aus 10 Zeilen mit 2 Bildern</translation>
    </message>
    <message>
        <source>%1: a drawing page of another version of Zavolin (%2), passed over: print the pages again from this one</source>
        <translation>%1: ein Zeichenblatt einer anderen Version von Zavolin (%2), übergangen: drucken Sie die Blätter mit dieser Version neu</translation>
    </message>
    <message>
        <source>%1: only some of the corner codes of the page with %2 could be read, so it was passed over: scan the whole page again, its corners clean</source>
        <translation>%1: nur einige Eckcodes des Blatts mit %2 waren lesbar, daher wurde es übergangen: scannen Sie das ganze Blatt noch einmal, mit sauberen Ecken</translation>
    </message>
    <message>
        <source>%1: the page's codes describe frames beyond its paper, so it was passed over</source>
        <translation>%1: die Codes des Blatts beschreiben Rahmen außerhalb seines Papiers, daher wurde es übergangen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 was drawn on %2 and again on %3: the later one is used</source>
        <translation>%1 wurde auf %2 und noch einmal auf %3 gemalt: das spätere wird verwendet</translation>
    </message>
    <message>
        <source>%1 holds no drawing page: no corner codes of the pages Zavolin prints to draw on were found (print them with “Print drawing pages…”, and scan each page whole)</source>
        <translation>%1 enthält kein Zeichenblatt: keine Eckcodes der Blätter, die Zavolin zum Malen druckt, wurden gefunden (drucken Sie sie mit „Zeichenblätter drucken…“ und scannen Sie jedes Blatt ganz)</translation>
    </message>
    <message>
        <source>passed over, holding no drawing page: %1</source>
        <translation>übergangen, da ohne Zeichenblatt: %1</translation>
    </message>
    <message>
        <source>no drawing found for %1: scan their pages too and make the set again</source>
        <translation>keine Zeichnung gefunden für %1: scannen Sie auch deren Blätter und machen Sie den Satz noch einmal</translation>
    </message>
    <message>
        <source>no drawing found for %1: they will be plain, with their value</source>
        <translation>keine Zeichnung gefunden für %1: sie bleiben schlicht, mit ihrem Wert</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is not a PDF document</source>
        <translation>sie ist kein PDF-Dokument</translation>
    </message>
    <message>
        <source>it is locked with a password</source>
        <translation>sie ist mit einem Passwort gesperrt</translation>
    </message>
    <message>
        <source>it has %1 pages, more than %2</source>
        <translation>sie hat %1 Seiten, mehr als %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, Seite %2</translation>
    </message>
    <message>
        <source>the page is damaged</source>
        <translation>die Seite ist beschädigt</translation>
    </message>
    <message>
        <source>the page cannot be drawn</source>
        <translation>die Seite kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>the PDF reader cannot be loaded (%1); install Zavolin again</source>
        <translation>das PDF-Lesemodul kann nicht geladen werden (%1); Zavolin neu installieren</translation>
    </message>
</context>
<context>
    <name>PrinterProblems</name>
    <message>
        <source>Printer error: there is no printer "%1". Choose another printer, or set this one up again in the system's printer settings.</source>
        <translation>Druckerfehler: Es gibt keinen Drucker „%1“. Einen anderen Drucker wählen oder diesen in den Druckereinstellungen des Systems neu einrichten.</translation>
    </message>
    <message>
        <source>Printer error: the printer "%1" refused the print job: it is not accepting jobs%2. Let it accept jobs in the system's printer settings, or choose another printer, then print again.</source>
        <translation>Druckerfehler: Der Drucker „%1“ hat den Druckauftrag abgelehnt: Er nimmt keine Aufträge an%2. In den Druckereinstellungen des Systems Aufträge wieder zulassen oder einen anderen Drucker wählen, dann noch einmal drucken.</translation>
    </message>
    <message>
        <source>Printer error: the printer "%1" is paused%2; nothing was sent to it. Resume it in the system's printer settings, or choose another printer, then print again.</source>
        <translation>Druckerfehler: Der Drucker „%1“ ist angehalten%2; es wurde nichts an ihn geschickt. Ihn in den Druckereinstellungen des Systems fortsetzen oder einen anderen Drucker wählen, dann noch einmal drucken.</translation>
    </message>
    <message>
        <source>Printer error: the printer "%1" refused the print job (%2). Look at the printer's state in the system's printer settings, or choose another printer, then print again.</source>
        <translation>Druckerfehler: Der Drucker „%1“ hat den Druckauftrag abgelehnt (%2). Den Zustand des Druckers in den Druckereinstellungen des Systems prüfen oder einen anderen Drucker wählen, dann noch einmal drucken.</translation>
    </message>
    <message>
        <source>Printer error: the printer "%1" cannot be reached: the print scheduler at %2 does not answer (%3). Start the printing service (CUPS) or ask whoever looks after this computer, then print again.</source>
        <translation>Druckerfehler: Der Drucker „%1“ ist nicht erreichbar: Der Druckdienst unter %2 antwortet nicht (%3). Den Druckdienst (CUPS) starten oder den Betreuer dieses Computers fragen, dann noch einmal drucken.</translation>
    </message>
    <message>
        <source>Printer error: there is no printer "%1" (named by %2). Correct or remove %2 where it is set, or choose another printer.</source>
        <translation>Druckerfehler: Es gibt keinen Drucker „%1“ (genannt von %2). %2 dort, wo es gesetzt wird, berichtigen oder entfernen oder einen anderen Drucker wählen.</translation>
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
        <source>The fronts have gone to the printer. When all of them are printed, take the stack out without changing its order, turn it over about its long edge so that the top edge stays at the top, and put it back into the paper tray so that the first sheet is fed first and its blank side is printed.</source>
        <translation>Die Vorderseiten sind beim Drucker. Wenn alle gedruckt sind, den Stapel herausnehmen, ohne die Reihenfolge zu ändern, über die lange Kante wenden, sodass die obere Kante oben bleibt, und so wieder in das Papierfach legen, dass das erste Blatt zuerst eingezogen und seine leere Seite bedruckt wird.</translation>
    </message>
    <message>
        <source>Calibration sheet · printed with the back offset right %1 mm, down %2 mm</source>
        <translation>Kalibrierblatt · gedruckt mit dem Versatz der Rückseite rechts %1 mm, unten %2 mm</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Münzen</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Part of the start failed; Zavolin opens with its defaults for it. %1</source>
        <translation>Ein Teil des Starts ist fehlgeschlagen; Zavolin öffnet mit den Voreinstellungen dafür. %1</translation>
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
    <name>zavolin::frmDrawingPages</name>
    <message>
        <source>Print drawing pages</source>
        <translation>Zeichenblätter drucken</translation>
    </message>
    <message>
        <source>Pages with a frame for each note at its printed size, for children to draw their money on. Scan the drawn pages, in any order, and make a set of the scan with “Make from a picture…” or “Make from a folder…”.</source>
        <translation>Blätter mit einem Rahmen für jeden Schein in seiner gedruckten Größe, auf die Kinder ihr Geld malen. Scannen Sie die bemalten Blätter in beliebiger Reihenfolge und machen Sie aus dem Scan einen Satz mit „Aus einem Bild machen…“ oder „Aus einem Ordner machen…“.</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Werte:</translation>
    </message>
    <message>
        <source>Copies (one for each child):</source>
        <translation>Exemplare (eines je Kind):</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (Standard)</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>There is no printer on this system; the pages can be saved as a PDF file.</source>
        <translation>Auf diesem System gibt es keinen Drucker; die Blätter können als PDF-Datei gespeichert werden.</translation>
    </message>
    <message>
        <source>Drawing the pages…</source>
        <translation>Die Seiten werden gezeichnet…</translation>
    </message>
    <message>
        <source>The drawing pages were not made: %1.</source>
        <translation>Die Zeichenblätter wurden nicht erstellt: %1.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Gespeichert als %1.</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>An %1 gesendet.</translation>
    </message>
    <message>
        <source>Save the drawing pages as PDF</source>
        <translation>Zeichenblätter als PDF speichern</translation>
    </message>
    <message>
        <source>Zavolin drawing pages.pdf</source>
        <translation>Zavolin-Zeichenblätter.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>zavolin::frmInfo</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>zavolin::frmOwnSets</name>
    <message>
        <source>Own pictures</source>
        <translation>Eigene Bilder</translation>
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
    <message>
        <source>Make a picture set of your own: print drawing pages, let the children draw on them and make a set from the scanned pages; or save the template, draw the notes in it with any drawing program, and make a set from the saved picture. A folder of pictures named %1, %2 … %3 makes a set too.</source>
        <translation>Einen eigenen Bildersatz machen: Zeichenblätter drucken, die Kinder darauf malen lassen und aus den gescannten Blättern einen Satz machen; oder die Vorlage speichern, die Scheine mit einem beliebigen Zeichenprogramm hineinzeichnen und aus dem gespeicherten Bild einen Satz machen. Ein Ordner mit Bildern namens %1, %2 … %3 ergibt auch einen Satz.</translation>
    </message>
    <message>
        <source>Print drawing pages…</source>
        <translation>Zeichenblätter drucken…</translation>
    </message>
    <message>
        <source>Pictures and scans (*.png *.jpg *.jpeg *.svg *.pdf *.tif *.tiff)</source>
        <translation>Bilder und Scans (*.png *.jpg *.jpeg *.svg *.pdf *.tif *.tiff)</translation>
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
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier:</translation>
    </message>
    <message>
        <source>As many columns of notes as fit the paper</source>
        <translation>So viele Spalten Scheine, wie auf das Papier passen</translation>
    </message>
    <message>
        <source>Count the notes of each value</source>
        <translation>Scheine jedes Werts zählen</translation>
    </message>
    <message>
        <source>Fill in: children × notes each</source>
        <translation>Ausfüllen: Kinder × Scheine je Kind</translation>
    </message>
    <message>
        <source>Children:</source>
        <translation>Kinder:</translation>
    </message>
    <message>
        <source>Notes each</source>
        <translation>Scheine je Kind</translation>
    </message>
    <message>
        <source>Notes wanted</source>
        <translation>Scheine gewünscht</translation>
    </message>
    <message>
        <source>Pages and notes you get</source>
        <translation>Seiten und Scheine, die es gibt</translation>
    </message>
    <message>
        <source>Notes each of %1</source>
        <translation>Scheine je Kind von %1</translation>
    </message>
    <message>
        <source>Notes wanted of %1</source>
        <translation>Gewünschte Scheine von %1</translation>
    </message>
    <message>
        <source>The choices could not be kept for the next time: %1</source>
        <translation>Die Auswahl konnte nicht für das nächste Mal gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (Standard)</translation>
    </message>
    <message>
        <source>The printer "%1" chosen last time is not there any more.</source>
        <translation>Der zuletzt gewählte Drucker „%1“ ist nicht mehr da.</translation>
    </message>
    <message>
        <source>It prints on both sides of the paper.</source>
        <translation>Er druckt auf beide Seiten des Papiers.</translation>
    </message>
    <message>
        <source>It prints on one side: backs are turned over by hand.</source>
        <translation>Er druckt auf eine Seite: Rückseiten werden von Hand gewendet.</translation>
    </message>
    <message>
        <source>pages: %1, notes: %2</source>
        <translation>Seiten: %1, Scheine: %2</translation>
    </message>
    <message>
        <source>Sent to %1, job %2.</source>
        <translation>An %1 gesendet, Auftrag %2.</translation>
    </message>
    <message>
        <source>Sent to %1, jobs %2.</source>
        <translation>An %1 gesendet, Aufträge %2.</translation>
    </message>
    <message>
        <source>Picture set:</source>
        <translation>Bildersatz:</translation>
    </message>
    <message>
        <source>Serial numbers, prefix:</source>
        <translation>Seriennummern, Präfix:</translation>
    </message>
    <message>
        <source>class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Check a serial…</source>
        <translation>Seriennummer prüfen…</translation>
    </message>
    <message>
        <source>Export the register…</source>
        <translation>Register exportieren…</translation>
    </message>
    <message>
        <source>Give the serials a prefix of 1 to 6 letters or digits, such as the class.</source>
        <translation>Geben Sie den Seriennummern ein Präfix aus 1 bis 6 Buchstaben oder Ziffern, etwa die Klasse.</translation>
    </message>
    <message>
        <source>No serials could be issued: %1</source>
        <translation>Es konnten keine Seriennummern ausgegeben werden: %1</translation>
    </message>
    <message>
        <source>Serials %1 to %2 (%3 notes).</source>
        <translation>Seriennummern %1 bis %2 (%3 Scheine).</translation>
    </message>
    <message>
        <source>Its serials %1 to %2 stay in the register as issued.</source>
        <translation>Seine Seriennummern %1 bis %2 bleiben als ausgegeben im Register.</translation>
    </message>
    <message>
        <source>Check a serial</source>
        <translation>Seriennummer prüfen</translation>
    </message>
    <message>
        <source>The serial on the note, such as 3B-0042-KX7:</source>
        <translation>Die Seriennummer auf dem Schein, etwa 3B-0042-KX7:</translation>
    </message>
    <message>
        <source>The serial could not be checked: %1</source>
        <translation>Die Seriennummer konnte nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>"%1" is no serial: a serial reads PREFIX-NUMBER-CODE, such as 3B-0042-KX7.</source>
        <translation>„%1“ ist keine Seriennummer: eine Seriennummer lautet PRÄFIX-NUMMER-CODE, etwa 3B-0042-KX7.</translation>
    </message>
    <message>
        <source>Not valid: the check code of %1 does not fit its number.</source>
        <translation>Ungültig: der Prüfcode von %1 passt nicht zu seiner Nummer.</translation>
    </message>
    <message>
        <source>Not valid: no note with the prefix %1 was issued here.</source>
        <translation>Ungültig: hier wurde kein Schein mit dem Präfix %1 ausgegeben.</translation>
    </message>
    <message>
        <source>Not valid: number %1 of %2 was never issued.</source>
        <translation>Ungültig: die Nummer %1 von %2 wurde nie ausgegeben.</translation>
    </message>
    <message>
        <source>Valid: %1 is a note of %2, issued on %3.</source>
        <translation>Gültig: %1 ist ein Schein zu %2, ausgegeben am %3.</translation>
    </message>
    <message>
        <source>Export the register of serials</source>
        <translation>Register der Seriennummern exportieren</translation>
    </message>
    <message>
        <source>Zavolin serials.csv</source>
        <translation>Zavolin-Seriennummern.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Saved the register as %1.</source>
        <translation>Register als %1 gespeichert.</translation>
    </message>
    <message>
        <source>The register was not saved: %1</source>
        <translation>Das Register wurde nicht gespeichert: %1</translation>
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