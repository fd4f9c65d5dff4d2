<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Picture set</source>
        <translation>Picture set</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Preview of the sheet</source>
        <translation>Preview of the sheet</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selection</translation>
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
        <translation>“%1”</translation>
    </message>
    <message>
        <source>right</source>
        <translation>right</translation>
    </message>
    <message>
        <source>down</source>
        <translation>down</translation>
    </message>
    <message>
        <source>Calibration sheet: where does the printer put the back?</source>
        <translation>Calibration sheet: where does the printer put the back?</translation>
    </message>
    <message>
        <source>Hold this sheet against a window or a lamp, this side towards you. The lines printed on the back show through.</source>
        <translation>Hold this sheet against a window or a lamp, this side towards you. The lines printed on the back show through.</translation>
    </message>
    <message>
        <source>Scale %1, whole millimetres: find the back's 0 (the line with the triangle) and count how many of this side's lines it has passed, starting from this side's 0. Right of 0 that number is positive, left of 0 negative.</source>
        <translation>Scale %1, whole millimetres: find the back's 0 (the line with the triangle) and count how many of this side's lines it has passed, starting from this side's 0. Right of 0 that number is positive, left of 0 negative.</translation>
    </message>
    <message>
        <source>Scale %1: read it the same way; above this side's 0 the number is positive, below it negative.</source>
        <translation>Scale %1: read it the same way; above this side's 0 the number is positive, below it negative.</translation>
    </message>
    <message>
        <source>Where the set is printed, at %1, add the number read on the scale %2 to the field %2 and the number read on the scale %3 to the field %3.</source>
        <translation>Where the set is printed, at %1, add the number read on the scale %2 to the field %2 and the number read on the scale %3 to the field %3.</translation>
    </message>
    <message>
        <source>Back offset:</source>
        <translation>Back offset:</translation>
    </message>
    <message>
        <source>This sheet was printed with %1 %2 and %3 %4. Reading %5 and %6, for instance, you would enter %1 %7 and %3 %8. Print this sheet again to check: each of the back's 0 then meets the 0 of its scale.</source>
        <translation>This sheet was printed with %1 %2 and %3 %4. Reading %5 and %6, for instance, you would enter %1 %7 and %3 %8. Print this sheet again to check: each of the back's 0 then meets the 0 of its scale.</translation>
    </message>
    <message>
        <source>Example: the back's 0 has passed 1 to the right and its line 4 meets a line: %1.</source>
        <translation>Example: the back's 0 has passed 1 to the right and its line 4 meets a line: %1.</translation>
    </message>
    <message>
        <source>Scale %1</source>
        <translation>Scale %1</translation>
    </message>
    <message>
        <source>Tenths: from the back's 0 look on in the same direction, away from this side's 0. One of the back's lines 1 to 9 meets a line of this side exactly: its number is the tenths (0 if the back's 0 itself meets one). So 1 and line 4 → %1; on the left, 1 and line 7 → %2, and 0 and line 3 → %3.</source>
        <translation>Tenths: from the back's 0 look on in the same direction, away from this side's 0. One of the back's lines 1 to 9 meets a line of this side exactly: its number is the tenths (0 if the back's 0 itself meets one). So 1 and line 4 → %1; on the left, 1 and line 7 → %2, and 0 and line 3 → %3.</translation>
    </message>
    <message>
        <source>The back of the calibration sheet. Its numbers are mirrored so that they read right through the paper, from the other side.</source>
        <translation>The back of the calibration sheet. Its numbers are mirrored so that they read right through the paper, from the other side.</translation>
    </message>
</context>
<context>
    <name>ClassRegistry</name>
    <message>
        <source>The picture sets cannot be registered (%1). Make that folder writable and start Zavolin again.</source>
        <translation>The picture sets cannot be registered (%1). Make that folder writable and start Zavolin again.</translation>
    </message>
    <message>
        <source>The data folder cannot be written (%1). The picture sets work for this run; own picture sets cannot be kept until the folder is writable.</source>
        <translation>The data folder cannot be written (%1). The picture sets work for this run; own picture sets cannot be kept until the folder is writable.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zavolin [OPTION]…</source>
        <translation>Usage: zavolin [OPTION]…</translation>
    </message>
    <message>
        <source>Lays out and prints sheets of play money for games and maths lessons, in a window with a preview.</source>
        <translation>Lays out and prints sheets of play money for games and maths lessons, in a window with a preview.</translation>
    </message>
    <message>
        <source>Pages without the window: zavolin-sheet --help.</source>
        <translation>Pages without the window: zavolin-sheet --help.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>show this help and end</translation>
    </message>
    <message>
        <source>show the program's version and end</source>
        <translation>show the program's version and end</translation>
    </message>
    <message>
        <source>Qt's own options work as in every Qt program, such as -platform NAME, -style NAME and -reverse.</source>
        <translation>Qt's own options work as in every Qt program, such as -platform NAME, -style NAME and -reverse.</translation>
    </message>
    <message>
        <source>User guide: %1</source>
        <translation>User guide: %1</translation>
    </message>
    <message>
        <source>zavolin --help lists the options.</source>
        <translation>zavolin --help lists the options.</translation>
    </message>
    <message>
        <source>unknown option "%1"; %2</source>
        <translation>unknown option "%1"; %2</translation>
    </message>
    <message>
        <source>%1 needs a value; %2</source>
        <translation>%1 needs a value; %2</translation>
    </message>
    <message>
        <source>"%1": the program opens no files given to it; %2</source>
        <translation>"%1": the program opens no files given to it; %2</translation>
    </message>
</context>
<context>
    <name>DrawingPages</name>
    <message>
        <source>back</source>
        <translation>back</translation>
    </message>
    <message>
        <source>front</source>
        <translation>front</translation>
    </message>
    <message>
        <source>Zavolin drawing page %1 of %2</source>
        <translation>Zavolin drawing page %1 of %2</translation>
    </message>
    <message>
        <source>Draw each note inside its dashed line. Keep the four corner codes clean and scan the whole page.</source>
        <translation>Draw each note inside its dashed line. Keep the four corner codes clean and scan the whole page.</translation>
    </message>
    <message>
        <source>Own pictures: make a set from the scanned pages.</source>
        <translation>Own pictures: make a set from the scanned pages.</translation>
    </message>
</context>
<context>
    <name>OwnSets</name>
    <message>
        <source>%1 (own)</source>
        <translation>%1 (own)</translation>
    </message>
    <message>
        <source>back</source>
        <translation>back</translation>
    </message>
    <message>
        <source>front</source>
        <translation>front</translation>
    </message>
    <message>
        <source>%1: the picture is empty</source>
        <translation>%1: the picture is empty</translation>
    </message>
    <message>
        <source>%1: %2 × %3 would be stretched %4 % %5 to fill the %6 × %7 mm note</source>
        <translation>%1: %2 × %3 would be stretched %4 % %5 to fill the %6 × %7 mm note</translation>
    </message>
    <message>
        <source>wider</source>
        <translation>wider</translation>
    </message>
    <message>
        <source>narrower</source>
        <translation>narrower</translation>
    </message>
    <message>
        <source>%1: %2 dots per inch at its printed size of %3 × %4 mm (%5 or more print sharply)</source>
        <translation>%1: %2 dots per inch at its printed size of %3 × %4 mm (%5 or more print sharply)</translation>
    </message>
    <message>
        <source>%1 is not a PNG, JPEG or SVG picture</source>
        <translation>%1 is not a PNG, JPEG or SVG picture</translation>
    </message>
    <message>
        <source>%1 cannot be read as an SVG picture</source>
        <translation>%1 cannot be read as an SVG picture</translation>
    </message>
    <message>
        <source>%1 cannot be read as a %2 picture</source>
        <translation>%1 cannot be read as a %2 picture</translation>
    </message>
    <message>
        <source>%1 (template)</source>
        <translation>%1 (template)</translation>
    </message>
    <message>
        <source>two pictures for %1: %2 and %3</source>
        <translation>two pictures for %1: %2 and %3</translation>
    </message>
    <message>
        <source>fronts missing in %1: %2</source>
        <translation>fronts missing in %1: %2</translation>
    </message>
    <message>
        <source>passed over, not named &lt;value&gt;-front or &lt;value&gt;-back: %1</source>
        <translation>passed over, not named &lt;value&gt;-front or &lt;value&gt;-back: %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>the set's grid could not be made</source>
        <translation>the set's grid could not be made</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>cannot read %1</translation>
    </message>
    <message>
        <source>%1 holds no drawing page (no corner codes of the pages Zavolin prints to draw on were found) and is no grid of 10 rows by 2 pictures</source>
        <translation>%1 holds no drawing page (no corner codes of the pages Zavolin prints to draw on were found) and is no grid of 10 rows by 2 pictures</translation>
    </message>
    <message>
        <source>%1: a drawing page of another version of Zavolin (%2), passed over: print the pages again from this one</source>
        <translation>%1: a drawing page of another version of Zavolin (%2), passed over: print the pages again from this one</translation>
    </message>
    <message>
        <source>%1: only some of the corner codes of the page with %2 could be read, so it was passed over: scan the whole page again, its corners clean</source>
        <translation>%1: only some of the corner codes of the page with %2 could be read, so it was passed over: scan the whole page again, its corners clean</translation>
    </message>
    <message>
        <source>%1: the page's codes describe frames beyond its paper, so it was passed over</source>
        <translation>%1: the page's codes describe frames beyond its paper, so it was passed over</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 was drawn on %2 and again on %3: the later one is used</source>
        <translation>%1 was drawn on %2 and again on %3: the later one is used</translation>
    </message>
    <message>
        <source>%1 holds no drawing page: no corner codes of the pages Zavolin prints to draw on were found (print them with “Print drawing pages…”, and scan each page whole)</source>
        <translation>%1 holds no drawing page: no corner codes of the pages Zavolin prints to draw on were found (print them with “Print drawing pages…”, and scan each page whole)</translation>
    </message>
    <message>
        <source>passed over, holding no drawing page: %1</source>
        <translation>passed over, holding no drawing page: %1</translation>
    </message>
    <message>
        <source>no drawing found for %1: scan their pages too and make the set again</source>
        <translation>no drawing found for %1: scan their pages too and make the set again</translation>
    </message>
    <message>
        <source>no drawing found for %1: they will be plain, with their value</source>
        <translation>no drawing found for %1: they will be plain, with their value</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>it is not a PDF document</source>
        <translation>it is not a PDF document</translation>
    </message>
    <message>
        <source>it is locked with a password</source>
        <translation>it is locked with a password</translation>
    </message>
    <message>
        <source>it has %1 pages, more than %2</source>
        <translation>it has %1 pages, more than %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, page %2</translation>
    </message>
    <message>
        <source>the page is damaged</source>
        <translation>the page is damaged</translation>
    </message>
    <message>
        <source>the page cannot be drawn</source>
        <translation>the page cannot be drawn</translation>
    </message>
    <message>
        <source>the PDF reader cannot be loaded (%1); install Zavolin again</source>
        <translation>the PDF reader cannot be loaded (%1); install Zavolin again</translation>
    </message>
</context>
<context>
    <name>PrinterProblems</name>
    <message>
        <source>Printer error: there is no printer "%1". Choose another printer, or set this one up again in the system's printer settings.</source>
        <translation>Printer error: there is no printer "%1". Choose another printer, or set this one up again in the system's printer settings.</translation>
    </message>
    <message>
        <source>Printer error: the printer "%1" refused the print job: it is not accepting jobs%2. Let it accept jobs in the system's printer settings, or choose another printer, then print again.</source>
        <translation>Printer error: the printer "%1" refused the print job: it is not accepting jobs%2. Let it accept jobs in the system's printer settings, or choose another printer, then print again.</translation>
    </message>
    <message>
        <source>Printer error: the printer "%1" is paused%2; nothing was sent to it. Resume it in the system's printer settings, or choose another printer, then print again.</source>
        <translation>Printer error: the printer "%1" is paused%2; nothing was sent to it. Resume it in the system's printer settings, or choose another printer, then print again.</translation>
    </message>
    <message>
        <source>Printer error: the printer "%1" refused the print job (%2). Look at the printer's state in the system's printer settings, or choose another printer, then print again.</source>
        <translation>Printer error: the printer "%1" refused the print job (%2). Look at the printer's state in the system's printer settings, or choose another printer, then print again.</translation>
    </message>
    <message>
        <source>Printer error: the printer "%1" cannot be reached: the print scheduler at %2 does not answer (%3). Start the printing service (CUPS) or ask whoever looks after this computer, then print again.</source>
        <translation>Printer error: the printer "%1" cannot be reached: the print scheduler at %2 does not answer (%3). Start the printing service (CUPS) or ask whoever looks after this computer, then print again.</translation>
    </message>
    <message>
        <source>Printer error: there is no printer "%1" (named by %2). Correct or remove %2 where it is set, or choose another printer.</source>
        <translation>Printer error: there is no printer "%1" (named by %2). Correct or remove %2 where it is set, or choose another printer.</translation>
    </message>
</context>
<context>
    <name>SetTexts</name>
    <message>
        <source>coins</source>
        <translation>coins</translation>
    </message>
    <message>
        <source>front</source>
        <translation>front</translation>
    </message>
    <message>
        <source>back</source>
        <translation>back</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>print at 100 %, flip on the long edge</source>
        <translation>print at 100 %, flip on the long edge</translation>
    </message>
    <message>
        <source>The fronts have gone to the printer. When all of them are printed, take the stack out without changing its order, turn it over about its long edge so that the top edge stays at the top, and put it back into the paper tray so that the first sheet is fed first and its blank side is printed.</source>
        <translation>The fronts have gone to the printer. When all of them are printed, take the stack out without changing its order, turn it over about its long edge so that the top edge stays at the top, and put it back into the paper tray so that the first sheet is fed first and its blank side is printed.</translation>
    </message>
    <message>
        <source>Calibration sheet · printed with the back offset right %1 mm, down %2 mm</source>
        <translation>Calibration sheet · printed with the back offset right %1 mm, down %2 mm</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Coins</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Part of the start failed; Zavolin opens with its defaults for it. %1</source>
        <translation>Part of the start failed; Zavolin opens with its defaults for it. %1</translation>
    </message>
</context>
<context>
    <name>StoredSettings</name>
    <message>
        <source>"%1" is "%2", which names no language; German is used.</source>
        <translation>"%1" is "%2", which names no language; German is used.</translation>
    </message>
    <message>
        <source>"%1" is "%2", outside %3 … %4 mm; 0 is used.</source>
        <translation>"%1" is "%2", outside %3 … %4 mm; 0 is used.</translation>
    </message>
    <message>
        <source>Stored settings that cannot be used:</source>
        <translation>Stored settings that cannot be used:</translation>
    </message>
    <message>
        <source>The stored settings cannot be read (%1). Zavolin starts with its defaults, and what is changed now may not be kept.</source>
        <translation>The stored settings cannot be read (%1). Zavolin starts with its defaults, and what is changed now may not be kept.</translation>
    </message>
    <message>
        <source>"%1" is "%2", a printer that is not there now; the system default prints. Choose a printer in the print adjustment to change that.</source>
        <translation>"%1" is "%2", a printer that is not there now; the system default prints. Choose a printer in the print adjustment to change that.</translation>
    </message>
</context>
<context>
    <name>TemplateTexts</name>
    <message>
        <source>Zavolin banknote template</source>
        <translation>Zavolin banknote template</translation>
    </message>
    <message>
        <source>Draw each banknote in its frame, fronts on the left and backs on the right: the picture fills the whole frame. Keep figures and words inside the dashed line, as cutting out may take a little off the edge.</source>
        <translation>Draw each banknote in its frame, fronts on the left and backs on the right: the picture fills the whole frame. Keep figures and words inside the dashed line, as cutting out may take a little off the edge.</translation>
    </message>
    <message>
        <source>front</source>
        <translation>front</translation>
    </message>
    <message>
        <source>back</source>
        <translation>back</translation>
    </message>
</context>
<context>
    <name>zavolin::frmDrawingPages</name>
    <message>
        <source>Print drawing pages</source>
        <translation>Print drawing pages</translation>
    </message>
    <message>
        <source>Pages with a frame for each note at its printed size, for children to draw their money on. Scan the drawn pages, in any order, and make a set of the scan with “Make from a picture…” or “Make from a folder…”.</source>
        <translation>Pages with a frame for each note at its printed size, for children to draw their money on. Scan the drawn pages, in any order, and make a set of the scan with “Make from a picture…” or “Make from a folder…”.</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Values:</translation>
    </message>
    <message>
        <source>Copies (one for each child):</source>
        <translation>Copies (one for each child):</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (default)</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>There is no printer on this system; the pages can be saved as a PDF file.</source>
        <translation>There is no printer on this system; the pages can be saved as a PDF file.</translation>
    </message>
    <message>
        <source>Drawing the pages…</source>
        <translation>Drawing the pages…</translation>
    </message>
    <message>
        <source>The drawing pages were not made: %1.</source>
        <translation>The drawing pages were not made: %1.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Saved as %1.</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>Sent to %1.</translation>
    </message>
    <message>
        <source>Save the drawing pages as PDF</source>
        <translation>Save the drawing pages as PDF</translation>
    </message>
    <message>
        <source>Zavolin drawing pages.pdf</source>
        <translation>Zavolin drawing pages.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>zavolin::frmInfo</name>
    <message>
        <source>About %1</source>
        <translation>About %1</translation>
    </message>
</context>
<context>
    <name>zavolin::frmOwnSets</name>
    <message>
        <source>Own pictures</source>
        <translation>Own pictures</translation>
    </message>
    <message>
        <source>Save template…</source>
        <translation>Save template…</translation>
    </message>
    <message>
        <source>Make from a picture…</source>
        <translation>Make from a picture…</translation>
    </message>
    <message>
        <source>Make from a folder…</source>
        <translation>Make from a folder…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Remove the picture set "%1"? Its pictures are deleted.</source>
        <translation>Remove the picture set "%1"? Its pictures are deleted.</translation>
    </message>
    <message>
        <source>The set was not made: %1.</source>
        <translation>The set was not made: %1.</translation>
    </message>
    <message>
        <source>Reading the pictures…</source>
        <translation>Reading the pictures…</translation>
    </message>
    <message>
        <source>The set was not made:</source>
        <translation>The set was not made:</translation>
    </message>
    <message>
        <source>The pictures can be used, but:</source>
        <translation>The pictures can be used, but:</translation>
    </message>
    <message>
        <source>Make the set "%1" anyway?</source>
        <translation>Make the set "%1" anyway?</translation>
    </message>
    <message>
        <source>The set was not made.</source>
        <translation>The set was not made.</translation>
    </message>
    <message>
        <source>Made the set "%1"; choose it in the main window's picture-set list.</source>
        <translation>Made the set "%1"; choose it in the main window's picture-set list.</translation>
    </message>
    <message>
        <source>The set was not renamed: %1.</source>
        <translation>The set was not renamed: %1.</translation>
    </message>
    <message>
        <source>Renamed "%1" to "%2".</source>
        <translation>Renamed "%1" to "%2".</translation>
    </message>
    <message>
        <source>The set was not removed: %1.</source>
        <translation>The set was not removed: %1.</translation>
    </message>
    <message>
        <source>Removed "%1".</source>
        <translation>Removed "%1".</translation>
    </message>
    <message>
        <source>The template was not saved: %1.</source>
        <translation>The template was not saved: %1.</translation>
    </message>
    <message>
        <source>Saved the template as %1.</source>
        <translation>Saved the template as %1.</translation>
    </message>
    <message>
        <source>Make a set from a picture</source>
        <translation>Make a set from a picture</translation>
    </message>
    <message>
        <source>Make a set from a folder of pictures</source>
        <translation>Make a set from a folder of pictures</translation>
    </message>
    <message>
        <source>Name of the set</source>
        <translation>Name of the set</translation>
    </message>
    <message>
        <source>Name of the new picture set:</source>
        <translation>Name of the new picture set:</translation>
    </message>
    <message>
        <source>Rename the set</source>
        <translation>Rename the set</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>Save the drawing template</source>
        <translation>Save the drawing template</translation>
    </message>
    <message>
        <source>Zavolin template.svg</source>
        <translation>Zavolin template.svg</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg);;PNG picture, 300 dpi (*.png)</source>
        <translation>SVG drawing (*.svg);;PNG picture, 300 dpi (*.png)</translation>
    </message>
    <message>
        <source>Make a picture set of your own: print drawing pages, let the children draw on them and make a set from the scanned pages; or save the template, draw the notes in it with any drawing program, and make a set from the saved picture. A folder of pictures named %1, %2 … %3 makes a set too.</source>
        <translation>Make a picture set of your own: print drawing pages, let the children draw on them and make a set from the scanned pages; or save the template, draw the notes in it with any drawing program, and make a set from the saved picture. A folder of pictures named %1, %2 … %3 makes a set too.</translation>
    </message>
    <message>
        <source>Print drawing pages…</source>
        <translation>Print drawing pages…</translation>
    </message>
    <message>
        <source>Pictures and scans (*.png *.jpg *.jpeg *.svg *.pdf *.tif *.tiff)</source>
        <translation>Pictures and scans (*.png *.jpg *.jpeg *.svg *.pdf *.tif *.tiff)</translation>
    </message>
</context>
<context>
    <name>zavolin::frmPrint</name>
    <message>
        <source>As many columns as fit</source>
        <translation>As many columns as fit</translation>
    </message>
    <message>
        <source>Banknotes side by side across the paper, each column with its own cut lines; the coin sheet keeps one.</source>
        <translation>Banknotes side by side across the paper, each column with its own cut lines; the coin sheet keeps one.</translation>
    </message>
    <message>
        <source>Printer for the print button:</source>
        <translation>Printer for the print button:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>There is no printer: printouts are saved as PDF files in the documents folder.</source>
        <translation>There is no printer: printouts are saved as PDF files in the documents folder.</translation>
    </message>
    <message>
        <source>Now the printer %1.</source>
        <translation>Now the printer %1.</translation>
    </message>
    <message>
        <source>The printer "%1" chosen before is not there now, so the system default prints. Choose a printer to change that.</source>
        <translation>The printer "%1" chosen before is not there now, so the system default prints. Choose a printer to change that.</translation>
    </message>
    <message>
        <source>This printer is used until Zavolin ends, but it could not be kept for the next time (%1). Make that file writable and choose the printer again.</source>
        <translation>This printer is used until Zavolin ends, but it could not be kept for the next time (%1). Make that file writable and choose the printer again.</translation>
    </message>
</context>
<context>
    <name>zavolin::frmPrintSet</name>
    <message>
        <source>Print a whole set</source>
        <translation>Print a whole set</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Copies:</translation>
    </message>
    <message>
        <source>Backs:</source>
        <translation>Backs:</translation>
    </message>
    <message>
        <source>right</source>
        <translation>right</translation>
    </message>
    <message>
        <source>down</source>
        <translation>down</translation>
    </message>
    <message>
        <source>Back offset:</source>
        <translation>Back offset:</translation>
    </message>
    <message>
        <source>Print calibration page</source>
        <translation>Print calibration page</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>There is no printer on this system; the set can be saved as a PDF file.</source>
        <translation>There is no printer on this system; the set can be saved as a PDF file.</translation>
    </message>
    <message>
        <source>Printed on the back by the printer</source>
        <translation>Printed on the back by the printer</translation>
    </message>
    <message>
        <source>Turned over by hand</source>
        <translation>Turned over by hand</translation>
    </message>
    <message>
        <source>Fronts only</source>
        <translation>Fronts only</translation>
    </message>
    <message>
        <source>Backs only</source>
        <translation>Backs only</translation>
    </message>
    <message>
        <source>The stored back offset "%1" could not be read; it starts at 0.</source>
        <translation>The stored back offset "%1" could not be read; it starts at 0.</translation>
    </message>
    <message>
        <source>The back offset could not be kept for the next time: %1</source>
        <translation>The back offset could not be kept for the next time: %1</translation>
    </message>
    <message>
        <source>Save the set as PDF</source>
        <translation>Save the set as PDF</translation>
    </message>
    <message>
        <source>Zavolin set.pdf</source>
        <translation>Zavolin set.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Saved as %1.</translation>
    </message>
    <message>
        <source>Press OK when the stack is back in the tray to print the backs.</source>
        <translation>Press OK when the stack is back in the tray to print the backs.</translation>
    </message>
    <message>
        <source>Cancelled: nothing more was sent or written.</source>
        <translation>Cancelled: nothing more was sent or written.</translation>
    </message>
    <message>
        <source>Drawing the pages…</source>
        <translation>Drawing the pages…</translation>
    </message>
    <message>
        <source>Print set</source>
        <translation>Print set</translation>
    </message>
    <message>
        <source>The printer's paper could not be measured: %1</source>
        <translation>The printer's paper could not be measured: %1</translation>
    </message>
    <message>
        <source>Sheets of paper: %1</source>
        <translation>Sheets of paper: %1</translation>
    </message>
    <message>
        <source>on each: %1</source>
        <translation>on each: %1</translation>
    </message>
    <message>
        <source>Own pictures…</source>
        <translation>Own pictures…</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>As many columns of notes as fit the paper</source>
        <translation>As many columns of notes as fit the paper</translation>
    </message>
    <message>
        <source>Count the notes of each value</source>
        <translation>Count the notes of each value</translation>
    </message>
    <message>
        <source>Fill in: children × notes each</source>
        <translation>Fill in: children × notes each</translation>
    </message>
    <message>
        <source>Children:</source>
        <translation>Children:</translation>
    </message>
    <message>
        <source>Notes each</source>
        <translation>Notes each</translation>
    </message>
    <message>
        <source>Notes wanted</source>
        <translation>Notes wanted</translation>
    </message>
    <message>
        <source>Pages and notes you get</source>
        <translation>Pages and notes you get</translation>
    </message>
    <message>
        <source>Notes each of %1</source>
        <translation>Notes each of %1</translation>
    </message>
    <message>
        <source>Notes wanted of %1</source>
        <translation>Notes wanted of %1</translation>
    </message>
    <message>
        <source>The choices could not be kept for the next time: %1</source>
        <translation>The choices could not be kept for the next time: %1</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (default)</translation>
    </message>
    <message>
        <source>The printer "%1" chosen last time is not there any more.</source>
        <translation>The printer "%1" chosen last time is not there any more.</translation>
    </message>
    <message>
        <source>It prints on both sides of the paper.</source>
        <translation>It prints on both sides of the paper.</translation>
    </message>
    <message>
        <source>It prints on one side: backs are turned over by hand.</source>
        <translation>It prints on one side: backs are turned over by hand.</translation>
    </message>
    <message>
        <source>pages: %1, notes: %2</source>
        <translation>pages: %1, notes: %2</translation>
    </message>
    <message>
        <source>Sent to %1, job %2.</source>
        <translation>Sent to %1, job %2.</translation>
    </message>
    <message>
        <source>Sent to %1, jobs %2.</source>
        <translation>Sent to %1, jobs %2.</translation>
    </message>
    <message>
        <source>Picture set:</source>
        <translation>Picture set:</translation>
    </message>
    <message>
        <source>Serial numbers, prefix:</source>
        <translation>Serial numbers, prefix:</translation>
    </message>
    <message>
        <source>class</source>
        <translation>class</translation>
    </message>
    <message>
        <source>Check a serial…</source>
        <translation>Check a serial…</translation>
    </message>
    <message>
        <source>Export the register…</source>
        <translation>Export the register…</translation>
    </message>
    <message>
        <source>Give the serials a prefix of 1 to 6 letters or digits, such as the class.</source>
        <translation>Give the serials a prefix of 1 to 6 letters or digits, such as the class.</translation>
    </message>
    <message>
        <source>No serials could be issued: %1</source>
        <translation>No serials could be issued: %1</translation>
    </message>
    <message>
        <source>Serials %1 to %2 (%3 notes).</source>
        <translation>Serials %1 to %2 (%3 notes).</translation>
    </message>
    <message>
        <source>Its serials %1 to %2 stay in the register as issued.</source>
        <translation>Its serials %1 to %2 stay in the register as issued.</translation>
    </message>
    <message>
        <source>Check a serial</source>
        <translation>Check a serial</translation>
    </message>
    <message>
        <source>The serial on the note, such as 3B-0042-KX7:</source>
        <translation>The serial on the note, such as 3B-0042-KX7:</translation>
    </message>
    <message>
        <source>The serial could not be checked: %1</source>
        <translation>The serial could not be checked: %1</translation>
    </message>
    <message>
        <source>"%1" is no serial: a serial reads PREFIX-NUMBER-CODE, such as 3B-0042-KX7.</source>
        <translation>"%1" is no serial: a serial reads PREFIX-NUMBER-CODE, such as 3B-0042-KX7.</translation>
    </message>
    <message>
        <source>Not valid: the check code of %1 does not fit its number.</source>
        <translation>Not valid: the check code of %1 does not fit its number.</translation>
    </message>
    <message>
        <source>Not valid: no note with the prefix %1 was issued here.</source>
        <translation>Not valid: no note with the prefix %1 was issued here.</translation>
    </message>
    <message>
        <source>Not valid: number %1 of %2 was never issued.</source>
        <translation>Not valid: number %1 of %2 was never issued.</translation>
    </message>
    <message>
        <source>Valid: %1 is a note of %2, issued on %3.</source>
        <translation>Valid: %1 is a note of %2, issued on %3.</translation>
    </message>
    <message>
        <source>Export the register of serials</source>
        <translation>Export the register of serials</translation>
    </message>
    <message>
        <source>Zavolin serials.csv</source>
        <translation>Zavolin serials.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Saved the register as %1.</source>
        <translation>Saved the register as %1.</translation>
    </message>
    <message>
        <source>The register was not saved: %1</source>
        <translation>The register was not saved: %1</translation>
    </message>
</context>
<context>
    <name>zavolin::frmZavolin</name>
    <message>
        <source>Sent to %1, job %2.</source>
        <translation>Sent to %1, job %2.</translation>
    </message>
</context>
</TS>