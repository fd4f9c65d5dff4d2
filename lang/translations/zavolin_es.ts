<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es_ES">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Picture set</source>
        <translation>Juego de imágenes</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Cara</translation>
    </message>
    <message>
        <source>Preview of the sheet</source>
        <translation>Vista previa de la hoja</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
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
        <translation>«%1»</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>down</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>Calibration sheet: where does the printer put the back?</source>
        <translation>Hoja de calibración: ¿dónde imprime la impresora el reverso?</translation>
    </message>
    <message>
        <source>Hold this sheet against a window or a lamp, this side towards you. The lines printed on the back show through.</source>
        <translation>Sostenga esta hoja contra una ventana o una lámpara, con esta cara hacia usted. Las rayas impresas en el reverso se transparentan.</translation>
    </message>
    <message>
        <source>Scale %1, whole millimetres: find the back's 0 (the line with the triangle) and count how many of this side's lines it has passed, starting from this side's 0. Right of 0 that number is positive, left of 0 negative.</source>
        <translation>Escala %1, milímetros enteros: busque el 0 del reverso (la raya del triángulo) y cuente cuántas rayas de esta cara ha pasado, empezando por el 0 de esta cara. A la derecha del 0 ese número es positivo, a la izquierda negativo.</translation>
    </message>
    <message>
        <source>Scale %1: read it the same way; above this side's 0 the number is positive, below it negative.</source>
        <translation>Escala %1: léala del mismo modo; por encima del 0 de esta cara el número es positivo, por debajo negativo.</translation>
    </message>
    <message>
        <source>Where the set is printed, at %1, add the number read on the scale %2 to the field %2 and the number read on the scale %3 to the field %3.</source>
        <translation>Donde se imprime el juego, en %1, sume el número leído en la escala %2 al campo %2 y el leído en la escala %3 al campo %3.</translation>
    </message>
    <message>
        <source>Back offset:</source>
        <translation>Desplazamiento del reverso:</translation>
    </message>
    <message>
        <source>This sheet was printed with %1 %2 and %3 %4. Reading %5 and %6, for instance, you would enter %1 %7 and %3 %8. Print this sheet again to check: each of the back's 0 then meets the 0 of its scale.</source>
        <translation>Esta hoja se imprimió con %1 %2 y %3 %4. Si lee, por ejemplo, %5 y %6, escriba %1 %7 y %3 %8. Imprima la hoja otra vez para comprobarlo: cada 0 del reverso coincide entonces con el 0 de su escala.</translation>
    </message>
    <message>
        <source>Example: the back's 0 has passed 1 to the right and its line 4 meets a line: %1.</source>
        <translation>Ejemplo: el 0 del reverso ha pasado el 1 hacia la derecha y su raya 4 coincide con una raya: %1.</translation>
    </message>
    <message>
        <source>Scale %1</source>
        <translation>Escala %1</translation>
    </message>
    <message>
        <source>Tenths: from the back's 0 look on in the same direction, away from this side's 0. One of the back's lines 1 to 9 meets a line of this side exactly: its number is the tenths (0 if the back's 0 itself meets one). So 1 and line 4 → %1; on the left, 1 and line 7 → %2, and 0 and line 3 → %3.</source>
        <translation>Décimas: desde el 0 del reverso siga mirando en la misma dirección, alejándose del 0 de esta cara. Una de las rayas 1 a 9 del reverso coincide exactamente con una raya de esta cara: su número son las décimas (0 si coincide el propio 0 del reverso). Así: 1 y la raya 4 → %1; a la izquierda, 1 y la raya 7 → %2, y 0 y la raya 3 → %3.</translation>
    </message>
    <message>
        <source>The back of the calibration sheet. Its numbers are mirrored so that they read right through the paper, from the other side.</source>
        <translation>El reverso de la hoja de calibración. Sus números están invertidos para que se lean bien a través del papel, desde la otra cara.</translation>
    </message>
</context>
<context>
    <name>ClassRegistry</name>
    <message>
        <source>The picture sets cannot be registered (%1). Make that folder writable and start Zavolin again.</source>
        <translation>No se pueden registrar los juegos de imágenes (%1). Haga que esa carpeta admita escritura e inicie Zavolin de nuevo.</translation>
    </message>
    <message>
        <source>The data folder cannot be written (%1). The picture sets work for this run; own picture sets cannot be kept until the folder is writable.</source>
        <translation>No se puede escribir en la carpeta de datos (%1). Los juegos de imágenes funcionan en esta ejecución; los juegos propios no se pueden guardar hasta que la carpeta admita escritura.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zavolin [OPTION]…</source>
        <translation>Uso: zavolin [OPCIÓN]…</translation>
    </message>
    <message>
        <source>Lays out and prints sheets of play money for games and maths lessons, in a window with a preview.</source>
        <translation>Compone e imprime hojas de dinero de juguete para juegos y clases de matemáticas, en una ventana con vista previa.</translation>
    </message>
    <message>
        <source>Pages without the window: zavolin-sheet --help.</source>
        <translation>Páginas sin la ventana: zavolin-sheet --help.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>mostrar esta ayuda y terminar</translation>
    </message>
    <message>
        <source>show the program's version and end</source>
        <translation>mostrar la versión del programa y terminar</translation>
    </message>
    <message>
        <source>Qt's own options work as in every Qt program, such as -platform NAME, -style NAME and -reverse.</source>
        <translation>Las opciones propias de Qt funcionan como en todo programa Qt, por ejemplo -platform NOMBRE, -style NOMBRE y -reverse.</translation>
    </message>
    <message>
        <source>User guide: %1</source>
        <translation>Guía del usuario: %1</translation>
    </message>
    <message>
        <source>zavolin --help lists the options.</source>
        <translation>zavolin --help enumera las opciones.</translation>
    </message>
    <message>
        <source>unknown option "%1"; %2</source>
        <translation>opción desconocida «%1»; %2</translation>
    </message>
    <message>
        <source>%1 needs a value; %2</source>
        <translation>%1 necesita un valor; %2</translation>
    </message>
    <message>
        <source>"%1": the program opens no files given to it; %2</source>
        <translation>«%1»: el programa no abre archivos que se le pasen; %2</translation>
    </message>
</context>
<context>
    <name>DrawingPages</name>
    <message>
        <source>back</source>
        <translation>reverso</translation>
    </message>
    <message>
        <source>front</source>
        <translation>anverso</translation>
    </message>
    <message>
        <source>Zavolin drawing page %1 of %2</source>
        <translation>Hoja de dibujo de Zavolin %1 de %2</translation>
    </message>
    <message>
        <source>Draw each note inside its dashed line. Keep the four corner codes clean and scan the whole page.</source>
        <translation>Dibuja cada billete dentro de su línea discontinua. Mantén limpios los cuatro códigos de las esquinas y escanea la hoja entera.</translation>
    </message>
    <message>
        <source>Own pictures: make a set from the scanned pages.</source>
        <translation>Imágenes propias: haga un juego con las hojas escaneadas.</translation>
    </message>
</context>
<context>
    <name>OwnSets</name>
    <message>
        <source>%1 (own)</source>
        <translation>%1 (propio)</translation>
    </message>
    <message>
        <source>back</source>
        <translation>reverso</translation>
    </message>
    <message>
        <source>front</source>
        <translation>anverso</translation>
    </message>
    <message>
        <source>%1: the picture is empty</source>
        <translation>%1: la imagen está vacía</translation>
    </message>
    <message>
        <source>%1: %2 × %3 would be stretched %4 % %5 to fill the %6 × %7 mm note</source>
        <translation>%1: %2 × %3 se estiraría un %4 % %5 para llenar el billete de %6 × %7 mm</translation>
    </message>
    <message>
        <source>wider</source>
        <translation>más ancho</translation>
    </message>
    <message>
        <source>narrower</source>
        <translation>más estrecho</translation>
    </message>
    <message>
        <source>%1: %2 dots per inch at its printed size of %3 × %4 mm (%5 or more print sharply)</source>
        <translation>%1: %2 ppp al tamaño impreso de %3 × %4 mm (con %5 o más se imprime nítido)</translation>
    </message>
    <message>
        <source>%1 is not a PNG, JPEG or SVG picture</source>
        <translation>%1 no es una imagen PNG, JPEG ni SVG</translation>
    </message>
    <message>
        <source>%1 cannot be read as an SVG picture</source>
        <translation>%1 no se puede leer como imagen SVG</translation>
    </message>
    <message>
        <source>%1 cannot be read as a %2 picture</source>
        <translation>%1 no se puede leer como imagen %2</translation>
    </message>
    <message>
        <source>%1 (template)</source>
        <translation>%1 (plantilla)</translation>
    </message>
    <message>
        <source>two pictures for %1: %2 and %3</source>
        <translation>dos imágenes para %1: %2 y %3</translation>
    </message>
    <message>
        <source>fronts missing in %1: %2</source>
        <translation>faltan anversos en %1: %2</translation>
    </message>
    <message>
        <source>passed over, not named &lt;value&gt;-front or &lt;value&gt;-back: %1</source>
        <translation>pasados por alto, no se llaman &lt;valor&gt;-front ni &lt;valor&gt;-back: %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>the set's grid could not be made</source>
        <translation>no se pudo hacer la cuadrícula del juego</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 holds no drawing page (no corner codes of the pages Zavolin prints to draw on were found) and is no grid of 10 rows by 2 pictures</source>
        <translation>%1 no contiene ninguna hoja de dibujo (no se encontraron los códigos de las esquinas de las hojas que Zavolin imprime para dibujar) y no es una cuadrícula de 10 filas de 2 imágenes</translation>
    </message>
    <message>
        <source>%1: a drawing page of another version of Zavolin (%2), passed over: print the pages again from this one</source>
        <translation>%1: una hoja de dibujo de otra versión de Zavolin (%2), omitida: vuelva a imprimir las hojas con esta versión</translation>
    </message>
    <message>
        <source>%1: only some of the corner codes of the page with %2 could be read, so it was passed over: scan the whole page again, its corners clean</source>
        <translation>%1: solo se pudieron leer algunos códigos de las esquinas de la hoja con %2, así que se omitió: vuelva a escanear la hoja entera, con las esquinas limpias</translation>
    </message>
    <message>
        <source>%1: the page's codes describe frames beyond its paper, so it was passed over</source>
        <translation>%1: los códigos de la hoja describen marcos fuera de su papel, así que se omitió</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 was drawn on %2 and again on %3: the later one is used</source>
        <translation>%1 se dibujó en %2 y otra vez en %3: se usa el posterior</translation>
    </message>
    <message>
        <source>%1 holds no drawing page: no corner codes of the pages Zavolin prints to draw on were found (print them with “Print drawing pages…”, and scan each page whole)</source>
        <translation>%1 no contiene ninguna hoja de dibujo: no se encontraron los códigos de las esquinas de las hojas que Zavolin imprime para dibujar (imprímalas con «Imprimir hojas de dibujo…» y escanee cada hoja entera)</translation>
    </message>
    <message>
        <source>passed over, holding no drawing page: %1</source>
        <translation>omitidos, sin hoja de dibujo: %1</translation>
    </message>
    <message>
        <source>no drawing found for %1: scan their pages too and make the set again</source>
        <translation>no se encontró ningún dibujo para %1: escanee también sus hojas y vuelva a hacer el juego</translation>
    </message>
    <message>
        <source>no drawing found for %1: they will be plain, with their value</source>
        <translation>no se encontró ningún dibujo para %1: quedarán lisos, con su valor</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>it is not a PDF document</source>
        <translation>no es un documento PDF</translation>
    </message>
    <message>
        <source>it is locked with a password</source>
        <translation>está bloqueado con una contraseña</translation>
    </message>
    <message>
        <source>it has %1 pages, more than %2</source>
        <translation>tiene %1 páginas, más de %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, página %2</translation>
    </message>
    <message>
        <source>the page is damaged</source>
        <translation>la página está dañada</translation>
    </message>
    <message>
        <source>the page cannot be drawn</source>
        <translation>la página no se puede dibujar</translation>
    </message>
    <message>
        <source>the PDF reader cannot be loaded (%1); install Zavolin again</source>
        <translation>no se puede cargar el lector de PDF (%1); vuelva a instalar Zavolin</translation>
    </message>
</context>
<context>
    <name>PrinterProblems</name>
    <message>
        <source>Printer error: there is no printer "%1". Choose another printer, or set this one up again in the system's printer settings.</source>
        <translation>Error de impresora: no existe la impresora «%1». Elija otra impresora o vuelva a configurarla en los ajustes de impresoras del sistema.</translation>
    </message>
    <message>
        <source>Printer error: the printer "%1" refused the print job: it is not accepting jobs%2. Let it accept jobs in the system's printer settings, or choose another printer, then print again.</source>
        <translation>Error de impresora: la impresora «%1» rechazó el trabajo: no acepta trabajos%2. Permita que acepte trabajos en los ajustes de impresoras del sistema o elija otra impresora y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>Printer error: the printer "%1" is paused%2; nothing was sent to it. Resume it in the system's printer settings, or choose another printer, then print again.</source>
        <translation>Error de impresora: la impresora «%1» está en pausa%2; no se le envió nada. Reanúdela en los ajustes de impresoras del sistema o elija otra impresora y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>Printer error: the printer "%1" refused the print job (%2). Look at the printer's state in the system's printer settings, or choose another printer, then print again.</source>
        <translation>Error de impresora: la impresora «%1» rechazó el trabajo (%2). Revise su estado en los ajustes de impresoras del sistema o elija otra impresora y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>Printer error: the printer "%1" cannot be reached: the print scheduler at %2 does not answer (%3). Start the printing service (CUPS) or ask whoever looks after this computer, then print again.</source>
        <translation>Error de impresora: no se puede acceder a la impresora «%1»: el servicio de impresión en %2 no responde (%3). Inicie el servicio de impresión (CUPS) o pregunte a quien se ocupa de este ordenador y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>Printer error: there is no printer "%1" (named by %2). Correct or remove %2 where it is set, or choose another printer.</source>
        <translation>Error de impresora: no existe la impresora «%1» (indicada por %2). Corrija o quite %2 donde esté definida o elija otra impresora.</translation>
    </message>
</context>
<context>
    <name>SetTexts</name>
    <message>
        <source>coins</source>
        <translation>monedas</translation>
    </message>
    <message>
        <source>front</source>
        <translation>anverso</translation>
    </message>
    <message>
        <source>back</source>
        <translation>reverso</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>print at 100 %, flip on the long edge</source>
        <translation>imprimir al 100 %, voltear por el borde largo</translation>
    </message>
    <message>
        <source>The fronts have gone to the printer. When all of them are printed, take the stack out without changing its order, turn it over about its long edge so that the top edge stays at the top, and put it back into the paper tray so that the first sheet is fed first and its blank side is printed.</source>
        <translation>Los anversos están en la impresora. Cuando estén todos impresos, saque la pila sin cambiar su orden, déle la vuelta por el borde largo de modo que el borde superior quede arriba y vuelva a ponerla en la bandeja de papel de modo que la primera hoja entre primero y se imprima su cara en blanco.</translation>
    </message>
    <message>
        <source>Calibration sheet · printed with the back offset right %1 mm, down %2 mm</source>
        <translation>Hoja de calibración · impresa con el desplazamiento del reverso derecha %1 mm, abajo %2 mm</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>Monedas</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Part of the start failed; Zavolin opens with its defaults for it. %1</source>
        <translation>Una parte del inicio ha fallado; Zavolin se abre con los valores predeterminados para ella. %1</translation>
    </message>
</context>
<context>
    <name>StoredSettings</name>
    <message>
        <source>"%1" is "%2", which names no language; German is used.</source>
        <translation>«%1» es «%2», que no designa ningún idioma; se usa el alemán.</translation>
    </message>
    <message>
        <source>"%1" is "%2", outside %3 … %4 mm; 0 is used.</source>
        <translation>«%1» es «%2», fuera de %3 … %4 mm; se usa 0.</translation>
    </message>
    <message>
        <source>Stored settings that cannot be used:</source>
        <translation>Ajustes guardados que no se pueden usar:</translation>
    </message>
    <message>
        <source>The stored settings cannot be read (%1). Zavolin starts with its defaults, and what is changed now may not be kept.</source>
        <translation>No se pueden leer los ajustes guardados (%1). Zavolin arranca con sus valores predeterminados, y lo que se cambie ahora quizá no se conserve.</translation>
    </message>
    <message>
        <source>"%1" is "%2", a printer that is not there now; the system default prints. Choose a printer in the print adjustment to change that.</source>
        <translation>«%1» es «%2», una impresora que ahora no está; imprime la predeterminada del sistema. Elija una impresora en el ajuste de impresión para cambiarlo.</translation>
    </message>
</context>
<context>
    <name>TemplateTexts</name>
    <message>
        <source>Zavolin banknote template</source>
        <translation>Plantilla de billetes Zavolin</translation>
    </message>
    <message>
        <source>Draw each banknote in its frame, fronts on the left and backs on the right: the picture fills the whole frame. Keep figures and words inside the dashed line, as cutting out may take a little off the edge.</source>
        <translation>Dibuje cada billete en su marco, los anversos a la izquierda y los reversos a la derecha: el dibujo llena todo el marco. Mantenga cifras y textos dentro de la línea discontinua, porque al recortar se puede perder algo del borde.</translation>
    </message>
    <message>
        <source>front</source>
        <translation>anverso</translation>
    </message>
    <message>
        <source>back</source>
        <translation>reverso</translation>
    </message>
</context>
<context>
    <name>zavolin::frmDrawingPages</name>
    <message>
        <source>Print drawing pages</source>
        <translation>Imprimir hojas de dibujo</translation>
    </message>
    <message>
        <source>Pages with a frame for each note at its printed size, for children to draw their money on. Scan the drawn pages, in any order, and make a set of the scan with “Make from a picture…” or “Make from a folder…”.</source>
        <translation>Hojas con un marco para cada billete a su tamaño impreso, para que los niños dibujen su dinero. Escanee las hojas dibujadas, en cualquier orden, y haga un juego con el escaneo con «Hacer con una imagen…» o «Hacer con una carpeta…».</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papel:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Valores:</translation>
    </message>
    <message>
        <source>Copies (one for each child):</source>
        <translation>Copias (una por niño):</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (predeterminada)</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>There is no printer on this system; the pages can be saved as a PDF file.</source>
        <translation>No hay ninguna impresora en este sistema; las hojas se pueden guardar como archivo PDF.</translation>
    </message>
    <message>
        <source>Drawing the pages…</source>
        <translation>Dibujando las páginas…</translation>
    </message>
    <message>
        <source>The drawing pages were not made: %1.</source>
        <translation>No se hicieron las hojas de dibujo: %1.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Guardado como %1.</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>Enviado a %1.</translation>
    </message>
    <message>
        <source>Save the drawing pages as PDF</source>
        <translation>Guardar las hojas de dibujo como PDF</translation>
    </message>
    <message>
        <source>Zavolin drawing pages.pdf</source>
        <translation>Hojas de dibujo de Zavolin.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>zavolin::frmInfo</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>zavolin::frmOwnSets</name>
    <message>
        <source>Own pictures</source>
        <translation>Imágenes propias</translation>
    </message>
    <message>
        <source>Save template…</source>
        <translation>Guardar plantilla…</translation>
    </message>
    <message>
        <source>Make from a picture…</source>
        <translation>Hacer con una imagen…</translation>
    </message>
    <message>
        <source>Make from a folder…</source>
        <translation>Hacer con una carpeta…</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Cambiar nombre…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Remove the picture set "%1"? Its pictures are deleted.</source>
        <translation>¿Quitar el juego de imágenes «%1»? Sus imágenes se borran.</translation>
    </message>
    <message>
        <source>The set was not made: %1.</source>
        <translation>El juego no se hizo: %1.</translation>
    </message>
    <message>
        <source>Reading the pictures…</source>
        <translation>Leyendo las imágenes…</translation>
    </message>
    <message>
        <source>The set was not made:</source>
        <translation>El juego no se hizo:</translation>
    </message>
    <message>
        <source>The pictures can be used, but:</source>
        <translation>Las imágenes se pueden usar, pero:</translation>
    </message>
    <message>
        <source>Make the set "%1" anyway?</source>
        <translation>¿Hacer el juego «%1» de todos modos?</translation>
    </message>
    <message>
        <source>The set was not made.</source>
        <translation>El juego no se hizo.</translation>
    </message>
    <message>
        <source>Made the set "%1"; choose it in the main window's picture-set list.</source>
        <translation>Juego «%1» hecho; elíjalo en la lista de juegos de imágenes de la ventana principal.</translation>
    </message>
    <message>
        <source>The set was not renamed: %1.</source>
        <translation>El juego no cambió de nombre: %1.</translation>
    </message>
    <message>
        <source>Renamed "%1" to "%2".</source>
        <translation>«%1» ahora se llama «%2».</translation>
    </message>
    <message>
        <source>The set was not removed: %1.</source>
        <translation>El juego no se quitó: %1.</translation>
    </message>
    <message>
        <source>Removed "%1".</source>
        <translation>«%1» quitado.</translation>
    </message>
    <message>
        <source>The template was not saved: %1.</source>
        <translation>La plantilla no se guardó: %1.</translation>
    </message>
    <message>
        <source>Saved the template as %1.</source>
        <translation>Plantilla guardada como %1.</translation>
    </message>
    <message>
        <source>Make a set from a picture</source>
        <translation>Hacer un juego con una imagen</translation>
    </message>
    <message>
        <source>Make a set from a folder of pictures</source>
        <translation>Hacer un juego con una carpeta de imágenes</translation>
    </message>
    <message>
        <source>Name of the set</source>
        <translation>Nombre del juego</translation>
    </message>
    <message>
        <source>Name of the new picture set:</source>
        <translation>Nombre del nuevo juego de imágenes:</translation>
    </message>
    <message>
        <source>Rename the set</source>
        <translation>Cambiar el nombre del juego</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nombre nuevo:</translation>
    </message>
    <message>
        <source>Save the drawing template</source>
        <translation>Guardar la plantilla de dibujo</translation>
    </message>
    <message>
        <source>Zavolin template.svg</source>
        <translation>Plantilla Zavolin.svg</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg);;PNG picture, 300 dpi (*.png)</source>
        <translation>Dibujo SVG (*.svg);;Imagen PNG, 300 ppp (*.png)</translation>
    </message>
    <message>
        <source>Make a picture set of your own: print drawing pages, let the children draw on them and make a set from the scanned pages; or save the template, draw the notes in it with any drawing program, and make a set from the saved picture. A folder of pictures named %1, %2 … %3 makes a set too.</source>
        <translation>Haga un juego de imágenes propio: imprima hojas de dibujo, deje que los niños dibujen en ellas y haga un juego con las hojas escaneadas; o guarde la plantilla, dibuje los billetes en ella con cualquier programa de dibujo y haga un juego con la imagen guardada. Una carpeta de imágenes llamadas %1, %2 … %3 también sirve.</translation>
    </message>
    <message>
        <source>Print drawing pages…</source>
        <translation>Imprimir hojas de dibujo…</translation>
    </message>
    <message>
        <source>Pictures and scans (*.png *.jpg *.jpeg *.svg *.pdf *.tif *.tiff)</source>
        <translation>Imágenes y escaneos (*.png *.jpg *.jpeg *.svg *.pdf *.tif *.tiff)</translation>
    </message>
</context>
<context>
    <name>zavolin::frmPrint</name>
    <message>
        <source>As many columns as fit</source>
        <translation>Tantas columnas como quepan</translation>
    </message>
    <message>
        <source>Banknotes side by side across the paper, each column with its own cut lines; the coin sheet keeps one.</source>
        <translation>Billetes uno al lado del otro a lo ancho del papel, cada columna con sus líneas de corte; la hoja de monedas conserva una.</translation>
    </message>
    <message>
        <source>Printer for the print button:</source>
        <translation>Impresora del botón de imprimir:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminada del sistema</translation>
    </message>
    <message>
        <source>There is no printer: printouts are saved as PDF files in the documents folder.</source>
        <translation>No hay ninguna impresora: las impresiones se guardan como archivos PDF en la carpeta de documentos.</translation>
    </message>
    <message>
        <source>Now the printer %1.</source>
        <translation>Ahora la impresora %1.</translation>
    </message>
    <message>
        <source>The printer "%1" chosen before is not there now, so the system default prints. Choose a printer to change that.</source>
        <translation>La impresora «%1» elegida antes no está ahora, así que imprime la predeterminada del sistema. Elija una impresora para cambiarlo.</translation>
    </message>
    <message>
        <source>This printer is used until Zavolin ends, but it could not be kept for the next time (%1). Make that file writable and choose the printer again.</source>
        <translation>Esta impresora se usa hasta que Zavolin termine, pero no se pudo guardar para la próxima vez (%1). Haga que ese archivo admita escritura y elija la impresora de nuevo.</translation>
    </message>
</context>
<context>
    <name>zavolin::frmPrintSet</name>
    <message>
        <source>Print a whole set</source>
        <translation>Imprimir un juego completo</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Copias:</translation>
    </message>
    <message>
        <source>Backs:</source>
        <translation>Reversos:</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>down</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>Back offset:</source>
        <translation>Desplazamiento del reverso:</translation>
    </message>
    <message>
        <source>Print calibration page</source>
        <translation>Imprimir hoja de calibración</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>There is no printer on this system; the set can be saved as a PDF file.</source>
        <translation>No hay ninguna impresora en este sistema; el juego se puede guardar como archivo PDF.</translation>
    </message>
    <message>
        <source>Printed on the back by the printer</source>
        <translation>Impresos por la impresora en el reverso</translation>
    </message>
    <message>
        <source>Turned over by hand</source>
        <translation>Volteando las hojas a mano</translation>
    </message>
    <message>
        <source>Fronts only</source>
        <translation>Solo anversos</translation>
    </message>
    <message>
        <source>Backs only</source>
        <translation>Solo reversos</translation>
    </message>
    <message>
        <source>The stored back offset "%1" could not be read; it starts at 0.</source>
        <translation>El desplazamiento del reverso guardado «%1» no se puede leer; empieza en 0.</translation>
    </message>
    <message>
        <source>The back offset could not be kept for the next time: %1</source>
        <translation>El desplazamiento del reverso no se pudo guardar para la próxima vez: %1</translation>
    </message>
    <message>
        <source>Save the set as PDF</source>
        <translation>Guardar el juego como PDF</translation>
    </message>
    <message>
        <source>Zavolin set.pdf</source>
        <translation>Juego Zavolin.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Guardado como %1.</translation>
    </message>
    <message>
        <source>Press OK when the stack is back in the tray to print the backs.</source>
        <translation>Pulse Aceptar cuando la pila esté de nuevo en la bandeja para imprimir los reversos.</translation>
    </message>
    <message>
        <source>Cancelled: nothing more was sent or written.</source>
        <translation>Cancelado: no se envió ni escribió nada más.</translation>
    </message>
    <message>
        <source>Drawing the pages…</source>
        <translation>Dibujando las páginas…</translation>
    </message>
    <message>
        <source>Print set</source>
        <translation>Imprimir juego</translation>
    </message>
    <message>
        <source>The printer's paper could not be measured: %1</source>
        <translation>No se pudo medir el papel de la impresora: %1</translation>
    </message>
    <message>
        <source>Sheets of paper: %1</source>
        <translation>Hojas de papel: %1</translation>
    </message>
    <message>
        <source>on each: %1</source>
        <translation>en cada una: %1</translation>
    </message>
    <message>
        <source>Own pictures…</source>
        <translation>Imágenes propias…</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papel:</translation>
    </message>
    <message>
        <source>As many columns of notes as fit the paper</source>
        <translation>Tantas columnas de billetes como quepan en el papel</translation>
    </message>
    <message>
        <source>Count the notes of each value</source>
        <translation>Contar los billetes de cada valor</translation>
    </message>
    <message>
        <source>Fill in: children × notes each</source>
        <translation>Rellenar: niños × billetes por niño</translation>
    </message>
    <message>
        <source>Children:</source>
        <translation>Niños:</translation>
    </message>
    <message>
        <source>Notes each</source>
        <translation>Billetes por niño</translation>
    </message>
    <message>
        <source>Notes wanted</source>
        <translation>Billetes deseados</translation>
    </message>
    <message>
        <source>Pages and notes you get</source>
        <translation>Páginas y billetes que se obtienen</translation>
    </message>
    <message>
        <source>Notes each of %1</source>
        <translation>Billetes por niño de %1</translation>
    </message>
    <message>
        <source>Notes wanted of %1</source>
        <translation>Billetes deseados de %1</translation>
    </message>
    <message>
        <source>The choices could not be kept for the next time: %1</source>
        <translation>La selección no se pudo guardar para la próxima vez: %1</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (predeterminada)</translation>
    </message>
    <message>
        <source>The printer "%1" chosen last time is not there any more.</source>
        <translation>La impresora «%1» elegida la última vez ya no está.</translation>
    </message>
    <message>
        <source>It prints on both sides of the paper.</source>
        <translation>Imprime por las dos caras del papel.</translation>
    </message>
    <message>
        <source>It prints on one side: backs are turned over by hand.</source>
        <translation>Imprime por una cara: los reversos se vuelven a mano.</translation>
    </message>
    <message>
        <source>pages: %1, notes: %2</source>
        <translation>páginas: %1, billetes: %2</translation>
    </message>
    <message>
        <source>Sent to %1, job %2.</source>
        <translation>Enviado a %1, trabajo %2.</translation>
    </message>
    <message>
        <source>Sent to %1, jobs %2.</source>
        <translation>Enviado a %1, trabajos %2.</translation>
    </message>
    <message>
        <source>Picture set:</source>
        <translation>Juego de imágenes:</translation>
    </message>
    <message>
        <source>Serial numbers, prefix:</source>
        <translation>Números de serie, prefijo:</translation>
    </message>
    <message>
        <source>class</source>
        <translation>clase</translation>
    </message>
    <message>
        <source>Check a serial…</source>
        <translation>Comprobar un número de serie…</translation>
    </message>
    <message>
        <source>Export the register…</source>
        <translation>Exportar el registro…</translation>
    </message>
    <message>
        <source>Give the serials a prefix of 1 to 6 letters or digits, such as the class.</source>
        <translation>Dé a los números de serie un prefijo de 1 a 6 letras o cifras, por ejemplo la clase.</translation>
    </message>
    <message>
        <source>No serials could be issued: %1</source>
        <translation>No se pudieron emitir números de serie: %1</translation>
    </message>
    <message>
        <source>Serials %1 to %2 (%3 notes).</source>
        <translation>Números de serie %1 a %2 (%3 billetes).</translation>
    </message>
    <message>
        <source>Its serials %1 to %2 stay in the register as issued.</source>
        <translation>Sus números de serie %1 a %2 quedan en el registro como emitidos.</translation>
    </message>
    <message>
        <source>Check a serial</source>
        <translation>Comprobar un número de serie</translation>
    </message>
    <message>
        <source>The serial on the note, such as 3B-0042-KX7:</source>
        <translation>El número de serie del billete, por ejemplo 3B-0042-KX7:</translation>
    </message>
    <message>
        <source>The serial could not be checked: %1</source>
        <translation>No se pudo comprobar el número de serie: %1</translation>
    </message>
    <message>
        <source>"%1" is no serial: a serial reads PREFIX-NUMBER-CODE, such as 3B-0042-KX7.</source>
        <translation>«%1» no es un número de serie: un número de serie se escribe PREFIJO-NÚMERO-CÓDIGO, por ejemplo 3B-0042-KX7.</translation>
    </message>
    <message>
        <source>Not valid: the check code of %1 does not fit its number.</source>
        <translation>No válido: el código de control de %1 no corresponde a su número.</translation>
    </message>
    <message>
        <source>Not valid: no note with the prefix %1 was issued here.</source>
        <translation>No válido: aquí no se emitió ningún billete con el prefijo %1.</translation>
    </message>
    <message>
        <source>Not valid: number %1 of %2 was never issued.</source>
        <translation>No válido: el número %1 de %2 nunca se emitió.</translation>
    </message>
    <message>
        <source>Valid: %1 is a note of %2, issued on %3.</source>
        <translation>Válido: %1 es un billete de %2, emitido el %3.</translation>
    </message>
    <message>
        <source>Export the register of serials</source>
        <translation>Exportar el registro de números de serie</translation>
    </message>
    <message>
        <source>Zavolin serials.csv</source>
        <translation>Números de serie de Zavolin.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved the register as %1.</source>
        <translation>Registro guardado como %1.</translation>
    </message>
    <message>
        <source>The register was not saved: %1</source>
        <translation>El registro no se guardó: %1</translation>
    </message>
</context>
<context>
    <name>zavolin::frmZavolin</name>
    <message>
        <source>Sent to %1, job %2.</source>
        <translation>Enviado a %1, trabajo %2.</translation>
    </message>
</context>
</TS>