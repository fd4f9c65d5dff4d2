<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es_ES">
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
        <source>Hold against the light: where the back's cross meets the scales, read X and Y and add them to the back offset (this sheet: X %1 mm, Y %2 mm).</source>
        <translation>Mirar a contraluz: donde la cruz del reverso corta las escalas, leer X e Y y sumarlos al desplazamiento del reverso (esta hoja: X %1 mm, Y %2 mm).</translation>
    </message>
    <message>
        <source>The fronts have gone to the printer. When all of them are printed, take the stack out without changing its order, turn it over about its long edge so that the top edge stays at the top, and put it back into the paper tray so that the first sheet is fed first and its blank side is printed.</source>
        <translation>Los anversos están en la impresora. Cuando estén todos impresos, saque la pila sin cambiar su orden, déle la vuelta por el borde largo de modo que el borde superior quede arriba y vuelva a ponerla en la bandeja de papel de modo que la primera hoja entre primero y se imprima su cara en blanco.</translation>
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
    <name>zavolin::frmPrint</name>
    <message>
        <source>As many columns as fit</source>
        <translation>Tantas columnas como quepan</translation>
    </message>
    <message>
        <source>Banknotes side by side across the paper, each column with its own cut lines; the coin sheet keeps one.</source>
        <translation>Billetes uno al lado del otro a lo ancho del papel, cada columna con sus líneas de corte; la hoja de monedas conserva una.</translation>
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
        <source>Printer: %1 (prints on both sides)</source>
        <translation>Impresora: %1 (imprime a doble cara)</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Impresora: %1</translation>
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
        <source>Sent to the printer %1 (%2).</source>
        <translation>Enviado a la impresora %1 (%2).</translation>
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
</context>
</TS>