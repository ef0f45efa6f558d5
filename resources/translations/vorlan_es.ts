<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Vorlan</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Insert scan-codes by pressing key</source>
        <translation>Introducir los códigos de escaneo pulsando la tecla</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <translation>Argumento no válido.</translation>
    </message>
    <message>
        <source>Invalid keyboard type.</source>
        <translation>Tipo de teclado no válido.</translation>
    </message>
    <message>
        <source>Syntax error!</source>
        <translation>¡Error de sintaxis!</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation>Formato de archivo no válido.</translation>
    </message>
    <message>
        <source>Invalid keyboard type detected.</source>
        <translation>Se ha detectado un tipo de teclado no válido.</translation>
    </message>
    <message>
        <source>Vorlan driver error.</source>
        <translation>Error del controlador Vorlan.</translation>
    </message>
    <message>
        <source>Keyboard detecting error.</source>
        <translation>Error al detectar el teclado.</translation>
    </message>
    <message>
        <source>File format mismatch.</source>
        <translation>El formato del archivo no corresponde al teclado.</translation>
    </message>
    <message>
        <source>Keyboard programming error.</source>
        <translation>Error de programación del teclado.</translation>
    </message>
    <message>
        <source>Data buffer error.</source>
        <translation>Error del búfer de datos.</translation>
    </message>
    <message>
        <source>File version error</source>
        <translation>Error de versión del archivo</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is the layout being read.</source>
        <translation>%1 es la distribución que se está leyendo.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>%1 cannot be written: too many levels of links.</source>
        <translation>No se puede escribir %1: demasiados niveles de enlaces.</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1.</source>
        <translation>No se puede escribir en la salida estándar: %1.</translation>
    </message>
    <message>
        <source>No file was replaced: the old files are as they were.</source>
        <translation>No se ha sustituido ningún archivo: los archivos anteriores siguen como estaban.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>¡No se puede abrir el archivo!</translation>
    </message>
    <message>
        <source>The file contains no programmed key</source>
        <translation>El archivo no contiene ninguna tecla programada</translation>
    </message>
    <message>
        <source>Group key error</source>
        <translation>Error de tecla de grupo</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Introduzca un número entero positivo.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Edit scan codes</source>
        <translation>Editar los códigos de escaneo</translation>
    </message>
    <message>
        <source>Scan-codes</source>
        <translation>Códigos de escaneo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Clear Last</source>
        <translation>Borrar el último</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Vorlan - keyboard programmer  -  [%s]</source>
        <translation>Vorlan - programador de teclados  -  [%s]</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>sin título</translation>
    </message>
    <message>
        <source>Do you want to save current file?</source>
        <translation>¿Desea guardar el archivo actual?</translation>
    </message>
    <message>
        <source>Clear key %s ?</source>
        <translation>¿Borrar la tecla %s?</translation>
    </message>
    <message>
        <source>Clear all keys ?</source>
        <translation>¿Borrar todas las teclas?</translation>
    </message>
    <message>
        <source>Insert %s to key %d ?</source>
        <translation>¿Insertar %s en la tecla %d?</translation>
    </message>
    <message>
        <source>Keyboard type: Vorlan S (SN)</source>
        <translation>Tipo de teclado: Vorlan S (SN)</translation>
    </message>
    <message>
        <source>Keyboard type: Vorlan D</source>
        <translation>Tipo de teclado: Vorlan D</translation>
    </message>
    <message>
        <source>Keys type: Typematic SCAN</source>
        <translation>Tipo de teclas: Typematic SCAN</translation>
    </message>
    <message>
        <source>Keys type: Make-Break SCAN</source>
        <translation>Tipo de teclas: Make-Break SCAN</translation>
    </message>
    <message>
        <source>Keys beep: On</source>
        <translation>Pitido de teclas: activado</translation>
    </message>
    <message>
        <source>Keys beep: Off</source>
        <translation>Pitido de teclas: desactivado</translation>
    </message>
    <message>
        <source>Keys delay: %d</source>
        <translation>Retardo de teclas: %d</translation>
    </message>
    <message>
        <source>Keys rate: %d</source>
        <translation>Velocidad de repetición: %d</translation>
    </message>
    <message>
        <source>Number: ----</source>
        <translation>Número: ----</translation>
    </message>
    <message>
        <source>Number: %d</source>
        <translation>Número: %d</translation>
    </message>
    <message>
        <source>Name: ----</source>
        <translation>Nombre: ----</translation>
    </message>
    <message>
        <source>Name: %s</source>
        <translation>Nombre: %s</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Introduzca un número entero entre 0 y 255.</translation>
    </message>
    <message>
        <source>Programming was stopped; the keyboard holds only part of the layout.</source>
        <translation>La programación se ha detenido; el teclado solo contiene parte de la distribución.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>%1 [emulated keyboard, type %2]</source>
        <translation>%1 [teclado emulado, tipo %2]</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programación...</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <translation>Ajustes del teclado</translation>
    </message>
    <message>
        <source>Keyboard type</source>
        <translation>Tipo de teclado</translation>
    </message>
    <message>
        <source>Vorlan S - 56 keys (single)</source>
        <translation>Vorlan S - 56 teclas (simple)</translation>
    </message>
    <message>
        <source>Vorlan D - 112 keys (double)</source>
        <translation>Vorlan D - 112 teclas (doble)</translation>
    </message>
    <message>
        <source>Keys pause</source>
        <translation>Pausa entre teclas</translation>
    </message>
    <message>
        <source>(0 - 255) ms</source>
        <translation>(0 - 255) ms</translation>
    </message>
    <message>
        <source>Keys type</source>
        <translation>Tipo de teclas</translation>
    </message>
    <message>
        <source>Make-Break SCAN (without repeat)</source>
        <translation>Make-Break SCAN (sin repetición)</translation>
    </message>
    <message>
        <source>Typematic SCAN (with repeat)</source>
        <translation>Typematic SCAN (con repetición)</translation>
    </message>
    <message>
        <source>Key beep</source>
        <translation>Pitido de teclas</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Key repeat</source>
        <translation>Repetición de teclas</translation>
    </message>
    <message>
        <source>Typematic rate:</source>
        <translation>Velocidad de repetición:</translation>
    </message>
    <message>
        <source>Key delay:</source>
        <translation>Retardo:</translation>
    </message>
    <message>
        <source>Vorlan - keyboard programmer</source>
        <translation>Vorlan - programador de teclados</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;New...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Programming...</source>
        <translation>&amp;Programación...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Se&amp;ttings...</source>
        <translation>A&amp;justes...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Content</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Insert key</source>
        <translation>Insertar tecla</translation>
    </message>
    <message>
        <source>Copy key</source>
        <translation>Copiar tecla</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <source>to Right</source>
        <translation>a la derecha</translation>
    </message>
    <message>
        <source>to Down</source>
        <translation>hacia abajo</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Cuádruple</translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation>Borrar tecla</translation>
    </message>
    <message>
        <source>RFID</source>
        <translation>RFID</translation>
    </message>
    <message>
        <source>Digits count:</source>
        <translation>Número de dígitos:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefijo:</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Sufijo:</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Extendido</translation>
    </message>
    <message>
        <source>Digits type - NUM</source>
        <translation>Tipo de dígitos - NUM</translation>
    </message>
    <message>
        <source>Key flags</source>
        <translation>Indicadores de la tecla</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>Tecla simple</translation>
    </message>
    <message>
        <source>Group key</source>
        <translation>Tecla de grupo</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Set flag for all keys</source>
        <translation>Aplicar el indicador a todas las teclas</translation>
    </message>
    <message>
        <source>Key mode</source>
        <translation>Modo de la tecla</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Modo 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Modo 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Modo 3</translation>
    </message>
    <message>
        <source>Set mode for all keys</source>
        <translation>Aplicar el modo a todas las teclas</translation>
    </message>
    <message>
        <source>Programmed keys:</source>
        <translation>Teclas programadas:</translation>
    </message>
    <message>
        <source>Key </source>
        <translation>Tecla </translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Número de tecla</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Nombre de la tecla</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;name</source>
        <translation>&amp;Nombre de la tecla</translation>
    </message>
    <message>
        <source>Codes are entered in the capture dialog: press Enter or double-click the key.</source>
        <translation>Los códigos se introducen en el diálogo de captura: pulse Intro o haga doble clic en la tecla.</translation>
    </message>
    <message>
        <source>Key codes</source>
        <translation>Códigos de la tecla</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Vorlan 16scan keyboard programmer</source>
        <translation>Programador de teclados Vorlan 16scan</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Key grid</source>
        <translation>Cuadrícula de teclas</translation>
    </message>
    <message>
        <source>The keys of the layout; arrow keys move the selection, Enter edits the key's codes</source>
        <translation>Las teclas de la distribución; las flechas mueven la selección, Intro edita los códigos de la tecla</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <translation>%1, tecla %2</translation>
    </message>
    <message>
        <source>unnamed key, key %1</source>
        <translation>tecla sin nombre, tecla %1</translation>
    </message>
    <message>
        <source>empty, key %1</source>
        <translation>vacía, tecla %1</translation>
    </message>
    <message>
        <source>single</source>
        <translation>una celda</translation>
    </message>
    <message>
        <source>double key of keys %1 and %2</source>
        <translation>tecla doble de las teclas %1 y %2</translation>
    </message>
    <message>
        <source>quad key of keys %1, %2, %3 and %4</source>
        <translation>tecla cuádruple de las teclas %1, %2, %3 y %4</translation>
    </message>
    <message>
        <source>not in use with 56 keys</source>
        <translation>sin uso con 56 teclas</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>seleccionada</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>Code %1</source>
        <translation>Código %1</translation>
    </message>
    <message>
        <source>Previous key</source>
        <translation>Tecla anterior</translation>
    </message>
    <message>
        <source>Next key</source>
        <translation>Tecla siguiente</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;names on the grid</source>
        <translation>&amp;Nombres de las teclas en la cuadrícula</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Find key...</source>
        <translation>&amp;Buscar tecla...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Find &amp;next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Find pre&amp;vious</source>
        <translation>Buscar &amp;anterior</translation>
    </message>
    <message>
        <source>Find key:</source>
        <translation>Buscar tecla:</translation>
    </message>
    <message>
        <source>name or code</source>
        <translation>nombre o código</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d de %d</translation>
    </message>
    <message>
        <source>%d found</source>
        <translation>%d encontradas</translation>
    </message>
    <message>
        <source>No key found</source>
        <translation>No se ha encontrado ninguna tecla</translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation>Cerrar la barra de búsqueda (Esc)</translation>
    </message>
    <message>
        <source>Next key found (Enter, F3)</source>
        <translation>Siguiente tecla encontrada (Intro, F3)</translation>
    </message>
    <message>
        <source>Previous key found (Shift+F3)</source>
        <translation>Tecla encontrada anterior (Mayús+F3)</translation>
    </message>
    <message>
        <source>Key %d</source>
        <translation>Tecla %d</translation>
    </message>
    <message>
        <source>Name: (none)</source>
        <translation>Nombre: (ninguno)</translation>
    </message>
    <message>
        <source>Codes: %s</source>
        <translation>Códigos: %s</translation>
    </message>
    <message>
        <source>Codes: (none)</source>
        <translation>Códigos: (ninguno)</translation>
    </message>
    <message>
        <source>Span: empty</source>
        <translation>Extensión: vacía</translation>
    </message>
    <message>
        <source>Span: single</source>
        <translation>Extensión: una celda</translation>
    </message>
    <message>
        <source>Span: double, with key %d</source>
        <translation>Extensión: doble, con la tecla %d</translation>
    </message>
    <message>
        <source>Span: quad, with keys %s</source>
        <translation>Extensión: cuádruple, con las teclas %s</translation>
    </message>
    <message>
        <source>Mode %d</source>
        <translation>Modo %d</translation>
    </message>
    <message>
        <source>Flags: none</source>
        <translation>Indicadores: ninguno</translation>
    </message>
    <message>
        <source>Flags: single key</source>
        <translation>Indicadores: tecla simple</translation>
    </message>
    <message>
        <source>Flags: group key</source>
        <translation>Indicadores: tecla de grupo</translation>
    </message>
    <message>
        <source>Flags: single key, group key</source>
        <translation>Indicadores: tecla simple, tecla de grupo</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test keyboard...</source>
        <translation>&amp;Probar el teclado...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Programming &amp;log</source>
        <translation>&amp;Registro de programación</translation>
    </message>
    <message>
        <source>Key test</source>
        <translation>Prueba de teclas</translation>
    </message>
    <message numerus="yes">
        <source>%n of %2 keys tested</source>
        <translation>
            <numerusform>%n de %2 teclas probadas</numerusform>
            <numerusform>%n de %2 teclas probadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Guardar informe...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 and %2 send the same codes.</source>
        <translation>%1 y %2 envían los mismos códigos.</translation>
    </message>
    <message>
        <source>%1 sends the start of %2.</source>
        <translation>%1 envía el comienzo de %2.</translation>
    </message>
    <message>
        <source>%1 sends codes that no key press reports; it cannot be tested.</source>
        <translation>%1 envía códigos que ninguna pulsación de tecla produce; no se puede probar.</translation>
    </message>
    <message>
        <source>%1 begins like the RFID prefix; its presses are read as cards.</source>
        <translation>%1 empieza como el prefijo RFID; sus pulsaciones se leen como tarjetas.</translation>
    </message>
    <message>
        <source>Press each key of the keyboard. Click a key to say which one you press next.</source>
        <translation>Pulse cada tecla del teclado. Haga clic en una tecla para indicar cuál va a pulsar a continuación.</translation>
    </message>
    <message>
        <source>Click a key: the emulated keyboard types it into the test.</source>
        <translation>Haga clic en una tecla: el teclado emulado la escribe en la prueba.</translation>
    </message>
    <message>
        <source>The layout has no programmed key to test.</source>
        <translation>La distribución no tiene ninguna tecla programada que probar.</translation>
    </message>
    <message>
        <source>Text report (*.txt);;JSON report (*.json)</source>
        <translation>Informe de texto (*.txt);;Informe JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>At %1 dpi a page image would be too large; this page can be exported at up to %2 dpi.</source>
        <translation>A %1 dpi, una imagen de página sería demasiado grande; esta página se puede exportar a %2 dpi como máximo.</translation>
    </message>
    <message>
        <source>Programming log</source>
        <translation>Registro de programación</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>No run has been logged yet.</source>
        <translation>Todavía no se ha registrado ninguna programación.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Layout file</source>
        <translation>Archivo de distribución</translation>
    </message>
    <message>
        <source>Image SHA-256</source>
        <translation>SHA-256 de la imagen</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Duration (ms)</source>
        <translation>Duración (ms)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Keyboard programmed</source>
        <translation>Teclado programado</translation>
    </message>
    <message>
        <source>The keyboard is programmed. Keyboards done with this layout: %1.</source>
        <translation>El teclado está programado. Teclados programados con esta distribución: %1.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test keyboard</source>
        <translation>&amp;Probar el teclado</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Program &amp;next keyboard</source>
        <translation>Programar el &amp;siguiente teclado</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The programming log %1 cannot be written.</source>
        <translation>No se puede escribir el registro de programación %1.</translation>
    </message>
    <message>
        <source>unknown: %1</source>
        <translation>desconocido: %1</translation>
    </message>
    <message>
        <source>card %1: prefix %2, suffix %3, %4 digits %5, %6</source>
        <translation>tarjeta %1: prefijo %2, sufijo %3, %4 dígitos %5, %6</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecto</translation>
    </message>
    <message>
        <source>numeric</source>
        <translation>numérico</translation>
    </message>
    <message>
        <source>not numeric (numeric expected)</source>
        <translation>no numérico (se esperaba numérico)</translation>
    </message>
    <message>
        <source>not numeric</source>
        <translation>no numérico</translation>
    </message>
    <message>
        <source>Grey: not yet pressed. Green: matched. Red: expected, but another sequence came. Striped: cannot be told apart.</source>
        <translation>Gris: aún no pulsada. Verde: reconocida. Rojo: esperada, pero llegó otra secuencia. Rayada: no se puede distinguir.</translation>
    </message>
    <message>
        <source>key %1 &quot;%2&quot;</source>
        <translation>tecla %1 «%2»</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
    <message>
        <source>The file is empty; it reads as a new 56-key layout.</source>
        <translation>El archivo está vacío; se lee como una distribución nueva de 56 teclas.</translation>
    </message>
    <message>
        <source>The first number %1 is not 56, 57, 112 or 113; the file reads as a 56-key 16scan layout.</source>
        <translation>El primer número, %1, no es 56, 57, 112 ni 113; el archivo se lee como una distribución 16scan de 56 teclas.</translation>
    </message>
    <message>
        <source>The header has %1 of its %2 fields; the missing ones read as 0.</source>
        <translation>La cabecera tiene %1 de sus %2 campos; los que faltan se leen como 0.</translation>
    </message>
    <message>
        <source>The header has surplus fields (%1) for its %2 form; they are ignored.</source>
        <translation>La cabecera tiene campos de más (%1) para su formato %2; se ignoran.</translation>
    </message>
    <message>
        <source>Keys type %1 is out of range 0..1 and reads as 1.</source>
        <translation>El tipo de teclas %1 está fuera del intervalo 0..1 y se lee como 1.</translation>
    </message>
    <message>
        <source>Key beep %1 is out of range 0..1 and reads as 1.</source>
        <translation>El pitido de teclas %1 está fuera del intervalo 0..1 y se lee como 1.</translation>
    </message>
    <message>
        <source>Key delay %1 is out of range 0..3 and reads as 2.</source>
        <translation>El retardo de teclas %1 está fuera del intervalo 0..3 y se lee como 2.</translation>
    </message>
    <message>
        <source>Typematic rate %1 is out of range 0..31 and reads as 11.</source>
        <translation>La velocidad de repetición %1 está fuera del intervalo 0..31 y se lee como 11.</translation>
    </message>
    <message>
        <source>The RFID flags %1 do not fit a byte and read as %2.</source>
        <translation>Los indicadores RFID %1 no caben en un byte y se leen como %2.</translation>
    </message>
    <message>
        <source>The RFID flags %1 ask for %2 digits, more than 13; they read as 13.</source>
        <translation>Los indicadores RFID %1 piden %2 dígitos, más de 13; se leen como 13.</translation>
    </message>
    <message>
        <source>The RFID prefix %1 does not fit a byte and reads as %2.</source>
        <translation>El prefijo RFID %1 no cabe en un byte y se lee como %2.</translation>
    </message>
    <message>
        <source>The RFID suffix %1 does not fit a byte and reads as %2.</source>
        <translation>El sufijo RFID %1 no cabe en un byte y se lee como %2.</translation>
    </message>
    <message>
        <source>Keys pause %1 is out of range 1..255 and reads as 2.</source>
        <translation>La pausa entre teclas %1 está fuera del intervalo 1..255 y se lee como 2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; it reads as %2.</source>
        <translation>«%1» no es un número; se lee como %2.</translation>
    </message>
    <message>
        <source>An empty line; it is ignored.</source>
        <translation>Una línea vacía; se ignora.</translation>
    </message>
    <message>
        <source>The line has no key number; it is ignored.</source>
        <translation>La línea no tiene número de tecla; se ignora.</translation>
    </message>
    <message>
        <source>Key number %1 is outside 1..112; the line is ignored.</source>
        <translation>El número de tecla %1 está fuera de 1..112; se ignora la línea.</translation>
    </message>
    <message>
        <source>Key %1 lies outside the %2-key grid; it is not shown or programmed.</source>
        <translation>La tecla %1 está fuera de la cuadrícula de %2 teclas; no se muestra ni se programa.</translation>
    </message>
    <message>
        <source>Key %1 was given on line %2 already; this line replaces it.</source>
        <translation>La tecla %1 ya aparecía en la línea %2; esta línea la sustituye.</translation>
    </message>
    <message>
        <source>Key %1: code %2 is out of range 0..255 and reads as 0.</source>
        <translation>Tecla %1: el código %2 está fuera del intervalo 0..255 y se lee como 0.</translation>
    </message>
    <message>
        <source>Key %1: flags %2 are out of range 0..15; only %3 is kept.</source>
        <translation>Tecla %1: los indicadores %2 están fuera del intervalo 0..15; solo se conserva %3.</translation>
    </message>
    <message>
        <source>Key %1: the name is %2 bytes long; it is cut to 102.</source>
        <translation>Tecla %1: el nombre tiene %2 bytes; se corta a 102.</translation>
    </message>
    <message>
        <source>Key %1: the line has surplus fields (%2): codes beyond what the variant holds, or a ';' or ',' in the name; they are not read.</source>
        <translation>Tecla %1: la línea tiene campos de más (%2): códigos más allá de lo que admite la variante, o un ';' o ',' en el nombre; no se leen.</translation>
    </message>
    <message>
        <source>Key %1: the line is short of fields (%2 missing); they read as 0 and the name as empty.</source>
        <translation>Tecla %1: a la línea le faltan campos (%2); se leen como 0 y el nombre como vacío.</translation>
    </message>
    <message>
        <source>The line is %1 bytes long, more than the 198 the format allows.</source>
        <translation>La línea tiene %1 bytes, más de los 198 que admite el formato.</translation>
    </message>
    <message>
        <source>Reading stops at the line of key %1; the lines after it (%2) are not read.</source>
        <translation>La lectura se detiene en la línea de la tecla %1; las líneas siguientes (%2) no se leen.</translation>
    </message>
    <message>
        <source>No line gives key %1; it stays empty.</source>
        <translation>Ninguna línea indica la tecla %1; queda vacía.</translation>
    </message>
    <message>
        <source>No line gives the keys %1; they stay empty.</source>
        <translation>Ninguna línea indica las teclas %1; quedan vacías.</translation>
    </message>
    <message>
        <source>Only the first %1 bytes of the file are read.</source>
        <translation>Solo se leen los primeros %1 bytes del archivo.</translation>
    </message>
    <message>
        <source>Key %1 has a name but no codes.</source>
        <translation>La tecla %1 tiene nombre pero no códigos.</translation>
    </message>
    <message>
        <source>Key %1 has codes but no name.</source>
        <translation>La tecla %1 tiene códigos pero no nombre.</translation>
    </message>
    <message>
        <source>Key %1 has codes after a first code of 0, so it counts as not programmed.</source>
        <translation>La tecla %1 tiene códigos después de un primer código 0, por lo que cuenta como no programada.</translation>
    </message>
    <message>
        <source>Key %1 sends the same codes as key %2; a key test cannot tell them apart.</source>
        <translation>La tecla %1 envía los mismos códigos que la tecla %2; una prueba de teclas no puede distinguirlas.</translation>
    </message>
    <message>
        <source>Key %1 is marked as part of a double or quad key, but no other key has its codes; it shows as a single key.</source>
        <translation>La tecla %1 está marcada como parte de una tecla doble o cuádruple, pero ninguna otra tecla tiene sus códigos; se muestra como tecla simple.</translation>
    </message>
    <message>
        <source>Keys %1 and %2 share their codes as a double key but are not neighbours.</source>
        <translation>Las teclas %1 y %2 comparten sus códigos como tecla doble, pero no son vecinas.</translation>
    </message>
    <message>
        <source>%1 group keys share the codes of key %2; they show as the quad, double and single keys their places allow.</source>
        <translation>%1 teclas de grupo comparten los códigos de la tecla %2; se muestran como las teclas cuádruples, dobles y simples que permiten sus posiciones.</translation>
    </message>
    <message>
        <source>Keys %1 share their codes as a quad key but are not a square of 2 by 2 cells; they show as the double and single keys their places allow.</source>
        <translation>Las teclas %1 comparten sus códigos como tecla cuádruple, pero no forman un cuadrado de 2 por 2 celdas; se muestran como las teclas dobles y simples que permiten sus posiciones.</translation>
    </message>
    <message>
        <source>No keyboard type takes this file as it stands (the image builder stops at step %1).</source>
        <translation>Ningún tipo de teclado acepta este archivo tal como está (la creación de la imagen se detiene en el paso %1).</translation>
    </message>
    <message>
        <source>Key %1: the programmed-keys list shows only the first 99 bytes of the name.</source>
        <translation>Tecla %1: la lista de teclas programadas solo muestra los primeros 99 bytes del nombre.</translation>
    </message>
    <message>
        <source>Keys %1 and %2 have the same name in the programmed-keys list; it lists only the first.</source>
        <translation>Las teclas %1 y %2 tienen el mismo nombre en la lista de teclas programadas; solo aparece la primera.</translation>
    </message>
    <message>
        <source>Key %1 is only in the second layout.</source>
        <translation>La tecla %1 solo está en la segunda distribución.</translation>
    </message>
    <message>
        <source>Key %1 is only in the first layout.</source>
        <translation>La tecla %1 solo está en la primera distribución.</translation>
    </message>
    <message>
        <source>Key %1 moved to %2.</source>
        <translation>La tecla %1 se ha movido a %2.</translation>
    </message>
    <message>
        <source>Key %1: the name &quot;%2&quot; becomes &quot;%3&quot;.</source>
        <translation>Tecla %1: el nombre «%2» pasa a ser «%3».</translation>
    </message>
    <message>
        <source>Key %1: the codes %2 become %3.</source>
        <translation>Tecla %1: los códigos %2 pasan a ser %3.</translation>
    </message>
    <message>
        <source>Key %1: the flags %2 become %3.</source>
        <translation>Tecla %1: los indicadores %2 pasan a ser %3.</translation>
    </message>
    <message>
        <source>Key %1: mode %2 becomes mode %3.</source>
        <translation>Tecla %1: el modo %2 pasa a ser el modo %3.</translation>
    </message>
    <message>
        <source>Key %1: the cells %2 become %3.</source>
        <translation>Tecla %1: las celdas %2 pasan a ser %3.</translation>
    </message>
    <message>
        <source>The layout of %1 keys becomes one of %2 keys.</source>
        <translation>La distribución de %1 teclas pasa a ser una de %2 teclas.</translation>
    </message>
    <message>
        <source>Keys type %1 becomes %2.</source>
        <translation>El tipo de teclas pasa de %1 a %2.</translation>
    </message>
    <message>
        <source>Key beep %1 becomes %2.</source>
        <translation>El pitido de teclas pasa de %1 a %2.</translation>
    </message>
    <message>
        <source>Key delay %1 becomes %2.</source>
        <translation>El retardo pasa de %1 a %2.</translation>
    </message>
    <message>
        <source>Typematic rate %1 becomes %2.</source>
        <translation>La velocidad de repetición pasa de %1 a %2.</translation>
    </message>
    <message>
        <source>Keys pause %1 becomes %2.</source>
        <translation>La pausa entre teclas pasa de %1 a %2.</translation>
    </message>
    <message>
        <source>RFID digit count %1 becomes %2.</source>
        <translation>El número de dígitos RFID pasa de %1 a %2.</translation>
    </message>
    <message>
        <source>RFID digits numeric %1 becomes %2.</source>
        <translation>La opción RFID «dígitos numéricos» pasa de %1 a %2.</translation>
    </message>
    <message>
        <source>RFID prefix %1 becomes %2.</source>
        <translation>El prefijo RFID pasa de %1 a %2.</translation>
    </message>
    <message>
        <source>RFID prefix extended %1 becomes %2.</source>
        <translation>La opción RFID «prefijo extendido» pasa de %1 a %2.</translation>
    </message>
    <message>
        <source>RFID suffix %1 becomes %2.</source>
        <translation>El sufijo RFID pasa de %1 a %2.</translation>
    </message>
    <message>
        <source>RFID suffix extended %1 becomes %2.</source>
        <translation>La opción RFID «sufijo extendido» pasa de %1 a %2.</translation>
    </message>
    <message>
        <source>Key %1 is not in the file.</source>
        <translation>La tecla %1 no está en el archivo.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of this file were not read exactly as written.</source>
        <translation>
            <numerusform>%n línea de este archivo no se ha leído exactamente como está escrita.</numerusform>
            <numerusform>%n líneas de este archivo no se han leído exactamente como están escritas.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file was not read exactly as written.</source>
        <translation>Este archivo no se ha leído exactamente como está escrito.</translation>
    </message>
    <message numerus="yes">
        <source>This file has %n doubtful points.</source>
        <translation>
            <numerusform>Este archivo tiene %n punto dudoso.</numerusform>
            <numerusform>Este archivo tiene %n puntos dudosos.</numerusform>
        </translation>
    </message>
    <message>
        <source>One line of this file was not read exactly as written.</source>
        <translation>Una línea de este archivo no se ha leído exactamente como está escrita.</translation>
    </message>
    <message>
        <source>This file has one doubtful point.</source>
        <translation>Este archivo tiene un punto dudoso.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Details...</source>
        <translation>&amp;Detalles...</translation>
    </message>
    <message>
        <source>What the reader changed</source>
        <translation>Lo que ha cambiado la lectura</translation>
    </message>
    <message>
        <source>Data will be lost</source>
        <translation>Se perderán datos</translation>
    </message>
    <message>
        <source>The %1 form cannot hold all of this layout; saving it loses:</source>
        <translation>El formato %1 no puede contener toda esta distribución; al guardarla se pierde:</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>... and %1 more messages of this kind, from this line on.</source>
        <translation>... y %1 mensajes más de este tipo, a partir de esta línea.</translation>
    </message>
    <message>
        <source>... (%1 bytes)</source>
        <translation>... (%1 bytes)</translation>
    </message>
    <message>
        <source>Stopped by %1.</source>
        <translation>Detenido por %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Compare &amp;with...</source>
        <translation>Compa&amp;rar con...</translation>
    </message>
    <message>
        <source>Differences from %1</source>
        <translation>Diferencias respecto a %1</translation>
    </message>
    <message>
        <source>The layouts are equal.</source>
        <translation>Las distribuciones son iguales.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>This is not a plain file (it is a folder, pipe, socket or device), so it cannot be opened.</source>
        <translation>No es un archivo normal (es una carpeta, una tubería, un socket o un dispositivo), así que no se puede abrir.</translation>
    </message>
    <message>
        <source>The layout for the keyboard could not be written to the temporary folder.</source>
        <translation>No se ha podido escribir la distribución para el teclado en la carpeta temporal.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes reached the keyboard.</source>
        <translation>%1 de %2 bytes han llegado al teclado.</translation>
    </message>
    <message>
        <source>The keyboard stopped answering.</source>
        <translation>El teclado ha dejado de responder.</translation>
    </message>
    <message>
        <source>The keyboard was disconnected.</source>
        <translation>El teclado se ha desconectado.</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1 from %2?

The layout has %3 keys; programmed: %4.</source>
        <translation>¿Recuperar los cambios no guardados de %1 del %2?

La distribución tiene %3 teclas; programadas: %4.</translation>
    </message>
    <message>
        <source>Discard these unsaved changes for good? They cannot be recovered afterwards.</source>
        <translation>¿Descartar definitivamente estos cambios no guardados? Después no se podrán recuperar.</translation>
    </message>
    <message>
        <source>A recovery file could not be read and was set aside: %1</source>
        <translation>No se ha podido leer un archivo de recuperación y se ha apartado: %1</translation>
    </message>
    <message>
        <source>The settings could not be read, so the defaults are used. The damaged file was kept as %1</source>
        <translation>No se han podido leer los ajustes, así que se usan los valores predeterminados. El archivo dañado se ha conservado como %1</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Overwrite it with this layout?</source>
        <translation>Otro programa ha modificado %1 desde que se abrió. ¿Sobrescribirlo con esta distribución?</translation>
    </message>
    <message>
        <source>%1 was removed by another program since it was opened. Save this layout there again?</source>
        <translation>Otro programa ha eliminado %1 desde que se abrió. ¿Guardar de nuevo esta distribución allí?</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it from the disk?</source>
        <translation>Otro programa ha modificado %1. ¿Volver a cargarlo desde el disco?</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it from the disk? Your unsaved changes are lost.</source>
        <translation>Otro programa ha modificado %1. ¿Volver a cargarlo desde el disco? Se perderán los cambios no guardados.</translation>
    </message>
    <message>
        <source>Recover unsaved changes to an untitled layout from %1?

The layout has %2 keys; programmed: %3.</source>
        <translation>¿Recuperar los cambios no guardados de una distribución sin título del %1?

La distribución tiene %2 teclas; programadas: %3.</translation>
    </message>
    <message>
        <source>The key pitch must be between 5 and 60 mm.</source>
        <translation>La separación entre teclas debe estar entre 5 y 60 mm.</translation>
    </message>
    <message>
        <source>A legend must be at least 3 mm wide and high and no larger than the key pitch.</source>
        <translation>Una etiqueta debe tener al menos 3 mm de ancho y de alto, y no ser mayor que la separación entre teclas.</translation>
    </message>
    <message>
        <source>The page is too small for the legends and the 100 mm ruler.</source>
        <translation>La página es demasiado pequeña para las etiquetas y la regla de 100 mm.</translation>
    </message>
    <message>
        <source>A legend does not fit on the page; choose a larger page or smaller sizes.</source>
        <translation>Una etiqueta no cabe en la página; elija una página mayor o tamaños menores.</translation>
    </message>
    <message>
        <source>%1 - page %2 of %3</source>
        <translation>%1 - página %2 de %3</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(sin título)</translation>
    </message>
    <message>
        <source>Ruler 100 mm, square %1 x %2 mm: if they measure otherwise, the printer scaled the page.</source>
        <translation>Regla de 100 mm, cuadrado de %1 x %2 mm: si miden otra cosa, la impresora ha escalado la página.</translation>
    </message>
    <message>
        <source>Keys: %1, file format: %2</source>
        <translation>Teclas: %1, formato de archivo: %2</translation>
    </message>
    <message>
        <source>Keys type: %1</source>
        <translation>Tipo de teclas: %1</translation>
    </message>
    <message>
        <source>Key beep: %1, key delay: %2, typematic rate: %3, keys pause: %4 ms</source>
        <translation>Pitido de teclas: %1, retardo: %2, velocidad de repetición: %3, pausa entre teclas: %4 ms</translation>
    </message>
    <message>
        <source>RFID options</source>
        <translation>Opciones RFID</translation>
    </message>
    <message>
        <source>Digits: %1, numeric: %2</source>
        <translation>Dígitos: %1, numérico: %2</translation>
    </message>
    <message>
        <source>Prefix: %1 (extended: %2), suffix: %3 (extended: %4)</source>
        <translation>Prefijo: %1 (extendido: %2), sufijo: %3 (extendido: %4)</translation>
    </message>
    <message>
        <source>Programmed keys</source>
        <translation>Teclas programadas</translation>
    </message>
    <message>
        <source>Flags: G group key, S single key. Mode: the key mode 1 to 3.</source>
        <translation>Indicadores: G tecla de grupo, S tecla simple. Modo: el modo de la tecla, de 1 a 3.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Códigos</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Indicadores</translation>
    </message>
    <message>
        <source>This build of the program cannot write SVG files (it was built without Qt SVG).</source>
        <translation>Esta versión del programa no puede escribir archivos SVG (se compiló sin Qt SVG).</translation>
    </message>
    <message>
        <source>The resolution must be between 30 and 2400 dots per inch.</source>
        <translation>La resolución debe estar entre 30 y 2400 puntos por pulgada.</translation>
    </message>
    <message>
        <source>There is nothing to print.</source>
        <translation>No hay nada que imprimir.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .svg or .png.</source>
        <translation>El nombre del archivo debe terminar en .pdf, .svg o .png.</translation>
    </message>
    <message>
        <source>Legends</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;pitch:</source>
        <translation>&amp;Separación entre teclas:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legend &amp;width (single key):</source>
        <translation>&amp;Ancho de la etiqueta (tecla simple):</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legend &amp;height (single key):</source>
        <translation>A&amp;lto de la etiqueta (tecla simple):</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>P&amp;aper:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Margins:</source>
        <translation>&amp;Márgenes:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Resolution:</source>
        <translation>&amp;Resolución:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Pac&amp;k legends to save paper (instead of as on the keyboard)</source>
        <translation>A&amp;grupar las etiquetas para ahorrar papel (en lugar de como en el teclado)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Blank legends for keys without a name</source>
        <translation>Etiquetas en &amp;blanco para las teclas sin nombre</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Cut marks at the corners</source>
        <translation>Marcas de &amp;corte en las esquinas</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Thin &amp;frame around each legend</source>
        <translation>Marco &amp;fino alrededor de cada etiqueta</translation>
    </message>
    <message>
        <source>The type size must be between 1 and 10 mm, or automatic.</source>
        <translation>El tamaño de letra debe estar entre 1 y 10 mm, o ser automático.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Type size:</source>
        <translation>&amp;Tamaño de letra:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>These legends do not fit at the type size of the others (%1 mm) and are set smaller: %2</source>
        <translation>Estas etiquetas no caben con el tamaño de letra de las demás (%1 mm) y van en un tamaño menor: %2</translation>
    </message>
    <message>
        <source>As the printer is set up</source>
        <translation>Según la configuración de la impresora</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Print &amp;legends...</source>
        <translation>Imprimir &amp;etiquetas...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Print layout s&amp;heet...</source>
        <translation>Imprimir &amp;hoja de distribución...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as &amp;PDF...</source>
        <translation>Etiquetas en &amp;PDF...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as &amp;SVG...</source>
        <translation>Etiquetas en &amp;SVG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as P&amp;NG...</source>
        <translation>Etiquetas en P&amp;NG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as P&amp;DF...</source>
        <translation>Hoja de distribución en P&amp;DF...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as S&amp;VG...</source>
        <translation>Hoja de distribución en S&amp;VG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as PN&amp;G...</source>
        <translation>Hoja de distribución en PN&amp;G...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>Imágenes SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Written:
%1</source>
        <translation>Exportación terminada:
%1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se ha podido iniciar la impresora.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Undo %s</source>
        <translation>&amp;Deshacer %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Redo %s</source>
        <translation>&amp;Rehacer %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Single key flag</source>
        <translation>Indicador de tecla simple</translation>
    </message>
    <message>
        <source>Clear key</source>
        <translation>Borrar tecla</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Move key</source>
        <translation>Mover tecla</translation>
    </message>
    <message>
        <source>Swap keys</source>
        <translation>Intercambiar teclas</translation>
    </message>
    <message>
        <source>Copy of key</source>
        <translation>Copia de la tecla</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Distribución: %1</translation>
    </message>
    <message>
        <source>Layout: %1 (unsaved changes)</source>
        <translation>Distribución: %1 (cambios no guardados)</translation>
    </message>
    <message>
        <source>Layout: unsaved layout</source>
        <translation>Distribución: distribución no guardada</translation>
    </message>
    <message>
        <source>There is no room for a quad key here.</source>
        <translation>Aquí no hay sitio para una tecla cuádruple.</translation>
    </message>
    <message>
        <source>There is no room for a double key here.</source>
        <translation>Aquí no hay sitio para una tecla doble.</translation>
    </message>
    <message>
        <source>Save As 7/3scan</source>
        <translation>Guardar como 7/3scan</translation>
    </message>
    <message>
        <source>Save As 16scan</source>
        <translation>Guardar como 16scan</translation>
    </message>
    <message>
        <source>Save As left side</source>
        <translation>Guardar como lado izquierdo</translation>
    </message>
    <message>
        <source>Save As right side</source>
        <translation>Guardar como lado derecho</translation>
    </message>
    <message>
        <source>The window will then show the layout as saved; Undo brings the rest back.</source>
        <translation>Después, la ventana mostrará la distribución tal como se ha guardado; Deshacer recupera el resto.</translation>
    </message>
    <message>
        <source>The clipboard holds no key that can be pasted.</source>
        <translation>El portapapeles no contiene ninguna tecla que se pueda pegar.</translation>
    </message>
    <message>
        <source>The key does not fit at key %d: its cells are not free.</source>
        <translation>La tecla no cabe en la tecla %d: sus celdas no están libres.</translation>
    </message>
    <message>
        <source>Replace key %s with %s ?</source>
        <translation>¿Sustituir la tecla %s por %s?</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;menu</source>
        <translation>&amp;Menú de la tecla</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 per second</source>
        <translation>%1 por segundo</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached takes 7/3scan layouts (type 0).</source>
        <translation>La distribución es para un teclado de %1 teclas (%2); el teclado conectado acepta distribuciones 7/3scan (tipo 0).</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached is a single keyboard (type 1).</source>
        <translation>La distribución es para un teclado de %1 teclas (%2); el teclado conectado es un teclado simple (tipo 1).</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached is a double keyboard (type 2).</source>
        <translation>La distribución es para un teclado de %1 teclas (%2); el teclado conectado es un teclado doble (tipo 2).</translation>
    </message>
    <message>
        <source>Open a 7/3scan layout, or save this one as 7/3scan with File &gt; Save As and program that file.</source>
        <translation>Abra una distribución 7/3scan o guarde esta como 7/3scan con Archivo &gt; Guardar como y programe ese archivo.</translation>
    </message>
    <message>
        <source>Open a 16scan layout of 56 keys, or change the keyboard type in File &gt; Settings.</source>
        <translation>Abra una distribución 16scan de 56 teclas o cambie el tipo de teclado en Archivo &gt; Ajustes.</translation>
    </message>
    <message>
        <source>Open a 16scan layout of 112 keys, or change the keyboard type in File &gt; Settings.</source>
        <translation>Abra una distribución 16scan de 112 teclas o cambie el tipo de teclado en Archivo &gt; Ajustes.</translation>
    </message>
    <message>
        <source>The keyboard's device %1 could not be opened. Check that the keyboard is connected, that its driver is installed and that you may use the device.</source>
        <translation>No se ha podido abrir el dispositivo %1 del teclado. Compruebe que el teclado está conectado, que su controlador está instalado y que tiene permiso para usar el dispositivo.</translation>
    </message>
    <message>
        <source>Check the keyboard's cable and connection, then program it again.</source>
        <translation>Compruebe el cable y la conexión del teclado y vuelva a programarlo.</translation>
    </message>
    <message>
        <source>The keyboard answered with a type this program does not know. Check that a Vorlan keyboard is attached.</source>
        <translation>El teclado ha respondido con un tipo que este programa no conoce. Compruebe que hay un teclado Vorlan conectado.</translation>
    </message>
    <message>
        <source>The layout file %1 could not be read. Check that it exists and that you may read it.</source>
        <translation>No se ha podido leer el archivo de distribución %1. Compruebe que existe y que tiene permiso para leerlo.</translation>
    </message>
    <message>
        <source>The layout file %1 is not one the keyboard can take. Open it in the program, check its keys and settings, and save it again.</source>
        <translation>El teclado no puede aceptar el archivo de distribución %1. Ábralo en el programa, revise sus teclas y ajustes y vuelva a guardarlo.</translation>
    </message>
    <message>
        <source>Keyboard: asking for its type</source>
        <translation>Teclado: consultando su tipo</translation>
    </message>
    <message>
        <source>Keyboard: 7/3scan (type 0)</source>
        <translation>Teclado: 7/3scan (tipo 0)</translation>
    </message>
    <message>
        <source>Keyboard: single, 56 keys (type 1)</source>
        <translation>Teclado: simple, 56 teclas (tipo 1)</translation>
    </message>
    <message>
        <source>Keyboard: double, 112 keys (type 2)</source>
        <translation>Teclado: doble, 112 teclas (tipo 2)</translation>
    </message>
    <message>
        <source>%1 of %2 bytes sent, about %3 s left</source>
        <translation>%1 de %2 bytes enviados, quedan unos %3 s</translation>
    </message>
    <message>
        <source>Escape stops the run; the keyboard then needs programming again.</source>
        <translation>Esc detiene la programación; después habrá que programar el teclado de nuevo.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were written; the keyboard will not work until it is programmed again.</source>
        <translation>Se escribieron %1 de %2 bytes; el teclado no funcionará hasta que se programe de nuevo.</translation>
    </message>
    <message>
        <source>Vorlan help</source>
        <translation>Ayuda de Vorlan</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>F&amp;ind in page:</source>
        <translation>&amp;Buscar en la página:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Every key pressed is captured, held keys included. Capturing pauses 3 seconds after the dialog opens or the last key is let go: then %1 moves between the buttons, %2 presses one and %3 cancels.</source>
        <translation>Se captura cada tecla pulsada, también las mantenidas. La captura se pausa 3 segundos después de abrir el diálogo o de soltar la última tecla: entonces %1 pasa de un botón a otro, %2 pulsa el botón seleccionado y %3 cancela.</translation>
    </message>
    <message>
        <source>Capturing paused. %1 confirms with OK, %2 cancels, %3 moves to the other buttons; &quot;Capture again&quot; takes more keys.</source>
        <translation>Captura en pausa. %1 confirma como Aceptar, %2 cancela, %3 pasa a los otros botones; «Capturar de nuevo» añade más teclas.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Capture &amp;again</source>
        <translation>Capturar de &amp;nuevo</translation>
    </message>
    <message>
        <source>Capturing pauses in %1 s.</source>
        <translation>La captura se pausa en %1 s.</translation>
    </message>
    <message>
        <source>Keys with a mode outside 1 to 3 (as read from the file): %1.</source>
        <translation>Teclas con un modo fuera del rango de 1 a 3 (tal como se leyó del archivo): %1.</translation>
    </message>
    <message>
        <source>These files are there already:
%1
Replace them?</source>
        <translation>Estos archivos ya existen:
%1
¿Sustituirlos?</translation>
    </message>
    <message>
        <source>%1 reads as a layout file: the report is not written over it. Choose another name.</source>
        <translation>%1 se puede leer como archivo de distribución: el informe no lo sobrescribe. Elija otro nombre.</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings about the keys of this layout:</source>
        <translation>
            <numerusform>%n advertencia sobre las teclas de esta distribución:</numerusform>
            <numerusform>%n advertencias sobre las teclas de esta distribución:</numerusform>
        </translation>
    </message>
    <message>
        <source>To close the test, hold %1 down for 2 seconds.</source>
        <translation>Para cerrar la prueba, mantenga pulsada la tecla %1 durante 2 segundos.</translation>
    </message>
    <message>
        <source>This file does not start as a layout file does; it was read with the reader's defaults.</source>
        <translation>Este archivo no empieza como un archivo de distribución; se ha leído con los valores predeterminados de la lectura.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>PC &amp;keyboard layout</source>
        <translation>Distribución del &amp;teclado PC</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Automatic (%s)</source>
        <translation>&amp;Automática (%s)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Standard key names</source>
        <translation>Nombres de tecla &amp;estándar</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>ninguna encontrada</translation>
    </message>
    <message>
        <source>US</source>
        <translation>EE. UU.</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Británico</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Austrian</source>
        <translation>Austriaco</translation>
    </message>
    <message>
        <source>Swiss German</source>
        <translation>Suizo alemán</translation>
    </message>
    <message>
        <source>Swiss French</source>
        <translation>Suizo francés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Belgian</source>
        <translation>Belga</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finlandés</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danés</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noruego</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;System language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language changes to %1 when the program is started again.</source>
        <translation>Idioma elegido: %1. Se aplicará la próxima vez que se inicie el programa.</translation>
    </message>
    <message>
        <source>The language changes to the system's when the program is started again.</source>
        <translation>Idioma elegido: el del sistema. Se aplicará la próxima vez que se inicie el programa.</translation>
    </message>
    <message>
        <source>Key %1 has key mode %2, outside 1 to 3.</source>
        <translation>La tecla %1 tiene el modo %2, fuera de 1 a 3.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Save &amp;ink: outline the keys instead of filling them in colour</source>
        <translation>Ahorrar t&amp;inta: solo el contorno de las teclas en lugar de rellenarlas de color</translation>
    </message>
    <message numerus="yes">
        <source>The files of this export will take about %1 MB (%n pages at %3 dpi). Export them?</source>
        <translation>
            <numerusform>Los archivos de esta exportación ocuparán unos %1 MB (%n página a %3 dpi). ¿Exportarlos?</numerusform>
            <numerusform>Los archivos de esta exportación ocuparán unos %1 MB (%n páginas a %3 dpi). ¿Exportarlos?</numerusform>
        </translation>
    </message>
    <message>
        <source>The page is too small: inside its margins it leaves %1 mm, and at least %2 mm are needed. Choose a larger paper or smaller margins.</source>
        <translation>La página es demasiado pequeña: dentro de los márgenes quedan %1 mm y se necesitan al menos %2 mm. Elija un papel más grande o márgenes más pequeños.</translation>
    </message>
    <message numerus="yes">
        <source>None of the chosen pages is there: the document has %n pages.</source>
        <translation>
            <numerusform>Ninguna de las páginas elegidas existe: el documento tiene %n página.</numerusform>
            <numerusform>Ninguna de las páginas elegidas existe: el documento tiene %n páginas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Image SHA-256: %1</source>
        <translation>SHA-256 de la imagen: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>tecla %1</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>superada</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallida</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>sin probar</translation>
    </message>
    <message>
        <source>(ambiguous)</source>
        <translation>(ambigua)</translation>
    </message>
    <message>
        <source>%1-key-test</source>
        <translation>%1-prueba-teclas</translation>
    </message>
    <message>
        <source>key-test</source>
        <translation>prueba-teclas</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminado</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>cancelado tras %1 bytes</translation>
    </message>
    <message>
        <source>(after %1 bytes)</source>
        <translation>(tras %1 bytes)</translation>
    </message>
    <message>
        <source>keyboard detected, nothing written</source>
        <translation>teclado detectado, no se ha escrito nada</translation>
    </message>
    <message>
        <source>interrupted (bytes written not known)</source>
        <translation>interrumpido (bytes escritos desconocidos)</translation>
    </message>
    <message>
        <source>incomplete: %1 of %2 bytes</source>
        <translation>incompleto: %1 de %2 bytes</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>unsaved layout</source>
        <translation>distribución no guardada</translation>
    </message>
    <message>
        <source>%1 (unsaved changes)</source>
        <translation>%1 (cambios no guardados)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>a layout file to open at start</source>
        <translation>un archivo de distribución que se abre al inicio</translation>
    </message>
    <message>
        <source>Program an emulated keyboard of type N (0: 7/3scan images, 1: single 16scan, 2: double 16scan) instead of the device, with the fault options of vorlanctl program.</source>
        <translation>Programar un teclado emulado de tipo N (0: imágenes 7/3scan, 1: 16scan simple, 2: 16scan doble) en lugar del dispositivo, con las opciones de fallo de vorlanctl program.</translation>
    </message>
    <message>
        <source>With --emulate: save the bytes the emulated keyboard received in each run.</source>
        <translation>Con --emulate: guardar los bytes que recibió el teclado emulado en cada programación.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Print the usage and exit.</source>
        <translation>Mostrar el uso y salir.</translation>
    </message>
    <message>
        <source>Print when the main window was first painted, then quit (for the start-up benchmark).</source>
        <translation>Mostrar cuándo se dibujó por primera vez la ventana principal y salir (para medir el arranque).</translation>
    </message>
    <message>
        <source>The keyboard's device is VORLAN_DEVICE (default %1).</source>
        <translation>El dispositivo del teclado es VORLAN_DEVICE (por omisión %1).</translation>
    </message>
    <message>
        <source>User guide: %1</source>
        <translation>Guía del usuario: %1</translation>
    </message>
    <message>
        <source>--emulate needs a keyboard type: 0, 1 or 2, with fault options (N,option,...)</source>
        <translation>--emulate necesita un tipo de teclado: 0, 1 o 2, con opciones de fallo (N,opción,...)</translation>
    </message>
    <message>
        <source>--received needs a file name</source>
        <translation>--received necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>only one layout file (also given: %1)</source>
        <translation>solo un archivo de distribución (también se indicó: %1)</translation>
    </message>
    <message>
        <source>--received needs an emulated keyboard (--emulate N)</source>
        <translation>--received necesita un teclado emulado (--emulate N)</translation>
    </message>
    <message>
        <source>Program a &amp;batch...</source>
        <translation>Programar un &amp;lote...</translation>
    </message>
    <message>
        <source>Program a batch</source>
        <translation>Programar un lote</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Order &amp;reference:</source>
        <translation>&amp;Referencia del pedido:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Number of keyboards:</source>
        <translation>&amp;Número de teclados:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test after each keyboard:</source>
        <translation>&amp;Prueba tras cada teclado:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>The programmed keys</source>
        <translation>Las teclas programadas</translation>
    </message>
    <message>
        <source>Every key</source>
        <translation>Todas las teclas</translation>
    </message>
    <message>
        <source>A batch programs the layout as it is saved, never unsaved changes. Save the layout now?</source>
        <translation>Un lote programa la distribución tal como está guardada, nunca cambios no guardados. ¿Guardar la distribución ahora?</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Keyboard %1 of %2</source>
        <translation>Teclado %1 de %2</translation>
    </message>
    <message>
        <source>Waiting for a keyboard...</source>
        <translation>Esperando un teclado...</translation>
    </message>
    <message>
        <source>Passed. Take the keyboard away.</source>
        <translation>Correcto. Retire el teclado.</translation>
    </message>
    <message>
        <source>Programming... %1 %</source>
        <translation>Programación... %1 %</translation>
    </message>
    <message>
        <source>Testing: press every key (%1 of %2)</source>
        <translation>Prueba: pulse cada tecla (%1 de %2)</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fallo: %1</translation>
    </message>
    <message>
        <source>Enter: go on    R: retry    S: set aside    Escape: pause</source>
        <translation>Intro: seguir    R: reintentar    S: apartar    Esc: pausa</translation>
    </message>
    <message>
        <source>The batch is paused. End it now? %1 of %2 keyboards passed.</source>
        <translation>El lote está en pausa. ¿Terminarlo ahora? %1 de %2 teclados correctos.</translation>
    </message>
    <message numerus="yes">
        <source>The batch is complete: %n keyboards passed.</source>
        <translation>
            <numerusform>El lote está completo: %n teclado correcto.</numerusform>
            <numerusform>El lote está completo: %n teclados correctos.</numerusform>
        </translation>
    </message>
    <message>
        <source>A batch stopped before its end: order %1, %2 of %3 keyboards passed. Resume it?</source>
        <translation>Un lote se detuvo antes de terminar: pedido %1, %2 de %3 teclados correctos. ¿Reanudarlo?</translation>
    </message>
    <message numerus="yes">
        <source>%n keys cannot be tested from key presses</source>
        <translation>
            <numerusform>%n tecla no se puede probar con pulsaciones</numerusform>
            <numerusform>%n teclas no se pueden probar con pulsaciones</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF report (*.pdf);;CSV table (*.csv)</source>
        <translation>Informe PDF (*.pdf);;Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>passed</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>correcto</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>fallido</translation>
    </message>
    <message>
        <source>set aside</source>
        <translation>apartado</translation>
    </message>
    <message>
        <source>not tested</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>no probado</translation>
    </message>
    <message>
        <source>no test</source>
        <translation>sin prueba</translation>
    </message>
    <message>
        <source>Batch report</source>
        <translation>Informe del lote</translation>
    </message>
    <message>
        <source>Order: %1</source>
        <translation>Pedido: %1</translation>
    </message>
    <message>
        <source>Layout file: %1</source>
        <translation>Archivo de distribución: %1</translation>
    </message>
    <message>
        <source>Image SHA-256: %1</source>
        <comment>batch report</comment>
        <translation>SHA-256 de la imagen: %1</translation>
    </message>
    <message>
        <source>Station: %1</source>
        <translation>Puesto: %1</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Desde %1 hasta %2</translation>
    </message>
    <message>
        <source>Passed: %1    Failed: %2    Set aside: %3</source>
        <translation>Correctos: %1    Fallidos: %2    Apartados: %3</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado final</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Batch &amp;report...</source>
        <translation>&amp;Informe del lote...</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Pedido</translation>
    </message>
    <message>
        <source>Stop programming this keyboard? It will need programming again.</source>
        <translation>¿Detener la programación de este teclado? Habrá que programarlo de nuevo.</translation>
    </message>
    <message>
        <source>Enter: go on    Escape: pause</source>
        <translation>Intro: seguir    Esc: pausa</translation>
    </message>
    <message>
        <source>Escape: stop programming this keyboard</source>
        <translation>Esc: detener la programación de este teclado</translation>
    </message>
    <message>
        <source>No keyboard is in progress.</source>
        <translation>No hay ningún teclado en curso.</translation>
    </message>
    <message>
        <source>The keyboard on the station passed and is recorded.</source>
        <translation>El teclado del puesto es correcto y está registrado.</translation>
    </message>
    <message>
        <source>The keyboard on the station is recorded as failed and will need programming again.</source>
        <translation>El teclado del puesto se registra como fallido y necesitará una nueva programación.</translation>
    </message>
    <message>
        <source>No ends the batch: its keyboards so far stay in the programming log, and Tools &gt; Batch report still writes its report.</source>
        <translation>«No» termina el lote: sus teclados hasta ahora quedan en el registro de programación, y Herramientas &gt; Informe del lote sigue escribiendo su informe.</translation>
    </message>
    <message>
        <source>Still to press: %1</source>
        <translation>Falta pulsar: %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>Keyboard type found: %1. Bytes written: %2 of %3.</source>
        <translation>Tipo de teclado encontrado: %1. Bytes escritos: %2 de %3.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>the keyboard sent %1 (codes %2), which no key of the layout sends</source>
        <translation>el teclado envió %1 (códigos %2), que ninguna tecla de la distribución envía</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Save report... (%1)</source>
        <translation>&amp;Guardar informe... (%1)</translation>
    </message>
    <message>
        <source>Enter an order reference: it names the batch in the log and in the report.</source>
        <translation>Introduzca una referencia del pedido: nombra el lote en el registro y en el informe.</translation>
    </message>
    <message>
        <source>The order reference is too long: at most %1 bytes.</source>
        <translation>La referencia del pedido es demasiado larga: %1 bytes como máximo.</translation>
    </message>
    <message>
        <source>The order reference cannot hold tabs, line ends or other control characters.</source>
        <translation>La referencia del pedido no puede contener tabuladores, saltos de línea ni otros caracteres de control.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Batch (order):</source>
        <translation>&amp;Lote (pedido):</translation>
    </message>
    <message>
        <source>The programming log holds no batch yet.</source>
        <translation>El registro de programación aún no contiene ningún lote.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be typed on a %2 PC keyboard (character %3)</source>
        <translation>«%1» no se puede escribir en un teclado de PC %2 (carácter %3)</translation>
    </message>
    <message>
        <source>The text needs %1 codes and a key holds 16: it stops fitting at character %2</source>
        <translation>El texto necesita %1 códigos y una tecla admite 16: deja de caber en el carácter %2</translation>
    </message>
    <message>
        <source>No key is named &quot;{%1}&quot; (character %2); write {{ for a brace</source>
        <translation>Ninguna tecla se llama «{%1}» (carácter %2); escriba {{ para una llave</translation>
    </message>
    <message>
        <source>The &quot;{&quot; at character %1 has no closing &quot;}&quot;; write {{ for a brace</source>
        <translation>La «{» del carácter %1 no tiene «}» de cierre; escriba {{ para una llave</translation>
    </message>
    <message>
        <source>The keyboard holds each code down until the key is let go, so the key types &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>El teclado mantiene pulsado cada código hasta que se suelta la tecla, así que la tecla escribe «%1», no «%2»</translation>
    </message>
    <message>
        <source>The keyboard holds each code down until the key is let go, so the key does not type &quot;%1&quot;</source>
        <translation>El teclado mantiene pulsado cada código hasta que se suelta la tecla, así que la tecla no escribe «%1»</translation>
    </message>
    <message>
        <source>types %1</source>
        <translation>escribe %1</translation>
    </message>
    <message>
        <source>Key %1 ends with a modifier (Shift, Ctrl, Alt or AltGr) that no key follows.</source>
        <translation>La tecla %1 termina con un modificador (Mayús, Ctrl, Alt o AltGr) al que no sigue ninguna tecla.</translation>
    </message>
    <message>
        <source>Key %1 ends with a dead key of the %2 PC keyboard that nothing follows.</source>
        <translation>La tecla %1 termina con una tecla muerta del teclado de PC %2 a la que no sigue nada.</translation>
    </message>
    <message>
        <source>Key %1 sends code %2, which no key of a PC keyboard makes.</source>
        <translation>La tecla %1 envía el código %2, que ninguna tecla de un teclado de PC produce.</translation>
    </message>
    <message>
        <source>The first row must name the columns: key, name, text, codes, shape</source>
        <translation>La primera fila debe nombrar las columnas: key, name, text, codes, shape</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no column of a key list (key, name, text, codes, shape)</source>
        <translation>«%1» no es una columna de una lista de teclas (key, name, text, codes, shape)</translation>
    </message>
    <message>
        <source>The header names no &quot;key&quot; column</source>
        <translation>El encabezado no nombra ninguna columna «key»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key number from 1 to %2</source>
        <translation>«%1» no es un número de tecla de 1 a %2</translation>
    </message>
    <message>
        <source>Key %1 takes a cell that an earlier row's key holds</source>
        <translation>La tecla %1 ocupa una celda que ya tiene la tecla de una fila anterior</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no shape (single, double-right, double-down, quad)</source>
        <translation>«%1» no es una forma (single, double-right, double-down, quad)</translation>
    </message>
    <message>
        <source>A %1 key at key %2 does not fit the grid</source>
        <translation>Una tecla %1 en la tecla %2 no cabe en la cuadrícula de teclas</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; has characters a layout file cannot hold</source>
        <translation>El nombre «%1» tiene caracteres que un archivo de distribución no admite</translation>
    </message>
    <message>
        <source>A name cannot hold &quot;;&quot;, &quot;,&quot; or a line end</source>
        <translation>Un nombre no puede contener «;», «,» ni un fin de línea</translation>
    </message>
    <message>
        <source>The name is %1 bytes long; a key's name holds at most 102</source>
        <translation>El nombre ocupa %1 bytes; el nombre de la tecla admite 102 como máximo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of at most 16 codes from 0 to 255</source>
        <translation>«%1» no es una lista de 16 códigos como máximo de 0 a 255</translation>
    </message>
    <message>
        <source>The text and the codes differ: give one of them</source>
        <translation>El texto y los códigos difieren: indique solo uno</translation>
    </message>
    <message>
        <source>A quoted cell has no closing quote</source>
        <translation>Una celda entre comillas no tiene comilla de cierre</translation>
    </message>
    <message>
        <source>The row has more cells than the header names</source>
        <translation>La fila tiene más celdas de las que nombra el encabezado</translation>
    </message>
    <message>
        <source>The list holds no key</source>
        <translation>La lista no contiene ninguna tecla</translation>
    </message>
    <message>
        <source>row %1, column %2 (%3)</source>
        <translation>fila %1, columna %2 (%3)</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>The key list does not hold everything of this layout (its settings, RFID options, modes or group keys): importing it gives another layout file</source>
        <translation>La lista de teclas no contiene todo de esta distribución (ajustes, opciones RFID, modos o teclas de grupo): al importarla se obtiene otro archivo de distribución</translation>
    </message>
    <message>
        <source>Rows left out: %1</source>
        <translation>Filas omitidas: %1</translation>
    </message>
    <message>
        <source>Type a te&amp;xt...</source>
        <translation>Escribir un te&amp;xto...</translation>
    </message>
    <message>
        <source>Type a text</source>
        <translation>Escribir un texto</translation>
    </message>
    <message>
        <source>The text as typed on a %1 PC keyboard ({Enter}, {Tab}, {F5} for named keys, {{ for a brace):</source>
        <translation>El texto tal como se escribe en un teclado de PC %1 ({Enter}, {Tab}, {F5} para teclas con nombre, {{ para una llave):</translation>
    </message>
    <message>
        <source>Digits from the &amp;number pad</source>
        <translation>Dígitos del teclado &amp;numérico</translation>
    </message>
    <message>
        <source>&amp;Import key list...</source>
        <translation>&amp;Importar lista de teclas...</translation>
    </message>
    <message>
        <source>Export &amp;key list...</source>
        <translation>Exportar &amp;lista de teclas...</translation>
    </message>
    <message>
        <source>Key lists (*.csv)</source>
        <translation>Listas de teclas (*.csv)</translation>
    </message>
    <message>
        <source>Import key list</source>
        <translation>Importar lista de teclas</translation>
    </message>
    <message>
        <source>Export key list</source>
        <translation>Exportar lista de teclas</translation>
    </message>
    <message>
        <source>Layout file to write</source>
        <translation>Archivo de distribución que se escribirá</translation>
    </message>
    <message>
        <source>The key list has wrong rows, so nothing was imported:
%1</source>
        <translation>La lista de teclas tiene filas erróneas, así que no se importó nada:
%1</translation>
    </message>
    <message>
        <source>Type the digits of the texts on the number pad, the same on every PC keyboard layout?</source>
        <translation>¿Escribir los dígitos de los textos en el teclado numérico, igual en toda distribución de teclado de PC?</translation>
    </message>
    <message>
        <source>Layout files (*.txt)</source>
        <translation>Archivos de distribución (*.txt)</translation>
    </message>
    <message>
        <source>At line %1.</source>
        <translation>En la línea %1.</translation>
    </message>
    <message>
        <source>The image builder stops at this line, so vorlanctl image and program refuse the file: Invalid file format. (%1)</source>
        <translation>El generador de la imagen se detiene en esta línea, así que vorlanctl image y program rechazan el archivo: Formato de archivo no válido. (%1)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Hyphenation of the &amp;names:</source>
        <translation>Divisió&amp;n de los nombres en sílabas:</translation>
    </message>
    <message>
        <source>The program's language (%1)</source>
        <translation>El idioma del programa (%1)</translation>
    </message>
    <message>
        <source>None: long names are set smaller</source>
        <translation>Ninguna: los nombres largos se reducen</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1 (ningún diccionario instalado)</translation>
    </message>
    <message>
        <source>Insert key</source>
        <comment>undo step</comment>
        <translation>inserción de tecla</translation>
    </message>
    <message>
        <source>Copy key</source>
        <comment>undo step</comment>
        <translation>copia de tecla</translation>
    </message>
    <message>
        <source>Single</source>
        <comment>undo step</comment>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Double</source>
        <comment>undo step</comment>
        <translation>Doble</translation>
    </message>
    <message>
        <source>Quad</source>
        <comment>undo step</comment>
        <translation>Cuádruple</translation>
    </message>
    <message>
        <source>Clear All</source>
        <comment>button of the capture dialog</comment>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Set flag for all keys</source>
        <comment>undo step</comment>
        <translation>indicador para todas las teclas</translation>
    </message>
    <message>
        <source>Key mode</source>
        <comment>undo step</comment>
        <translation>Modo de la tecla</translation>
    </message>
    <message>
        <source>Set mode for all keys</source>
        <comment>undo step</comment>
        <translation>modo para todas las teclas</translation>
    </message>
    <message>
        <source>Key codes</source>
        <comment>undo step</comment>
        <translation>Códigos de la tecla</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the programming dialog</comment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the keyboard settings dialog</comment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the capture dialog</comment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Name: %s</source>
        <comment>tooltip of a key</comment>
        <translation>Nombre: %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Edit</source>
        <comment>the menu named in a hint of the find bar</comment>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <comment>heading on the layout sheet</comment>
        <translation>Ajustes del teclado</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <comment>title of the keyboard settings dialog</comment>
        <translation>Ajustes del teclado</translation>
    </message>
    <message>
        <source>RFID options</source>
        <comment>heading on the layout sheet</comment>
        <translation>Opciones RFID</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <comment>key test report</comment>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the keyboard settings dialog</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the capture dialog</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Keyboard type</source>
        <comment>column of the programming log</comment>
        <translation>Tipo de teclado</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <comment>line of the programming result</comment>
        <translation>Distribución: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button of the key test</comment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button of the programming log</comment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save report...</source>
        <comment>button of the key test</comment>
        <translation>Guardar informe...</translation>
    </message>
    <message>
        <source>Key test</source>
        <comment>column of the batch report</comment>
        <translation>Prueba de teclas</translation>
    </message>
    <message>
        <source>Cannot open the record %1: %2</source>
        <translation>No se puede abrir el registro %1: %2</translation>
    </message>
    <message>
        <source>Cannot write to the record %1: it is read-only.</source>
        <translation>No se puede escribir en el registro %1: es de solo lectura.</translation>
    </message>
    <message>
        <source>Cannot write to the record %1: the disk is full.</source>
        <translation>No se puede escribir en el registro %1: el disco está lleno.</translation>
    </message>
    <message>
        <source>The record %1 is busy: another program held it too long.</source>
        <translation>El registro %1 está ocupado: otro programa lo retuvo demasiado tiempo.</translation>
    </message>
    <message>
        <source>The record %1 is damaged; it is left as it is.</source>
        <translation>El registro %1 está dañado; se deja tal como está.</translation>
    </message>
    <message>
        <source>%1 is not a record of this program; it is left as it is.</source>
        <translation>%1 no es un registro de este programa; se deja tal como está.</translation>
    </message>
    <message>
        <source>The record %1 was written by a newer version of this program.</source>
        <translation>El registro %1 lo escribió una versión más reciente de este programa.</translation>
    </message>
    <message>
        <source>The record %1 belongs to another user; it is not used.</source>
        <translation>El registro %1 pertenece a otro usuario; no se usa.</translation>
    </message>
    <message>
        <source>The record %1 is reached through a link; it is not used.</source>
        <translation>El registro %1 se alcanza a través de un enlace; no se usa.</translation>
    </message>
    <message>
        <source>This batch is being run by %1.</source>
        <translation>Este lote lo está ejecutando %1.</translation>
    </message>
    <message>
        <source>Order %1 has an open batch already.</source>
        <translation>El pedido %1 ya tiene un lote abierto.</translation>
    </message>
    <message>
        <source>The record %1 holds no such run or batch in progress.</source>
        <translation>El registro %1 no contiene tal ejecución o lote en curso.</translation>
    </message>
    <message>
        <source>An order reference is needed.</source>
        <translation>Se necesita una referencia de pedido.</translation>
    </message>
    <message>
        <source>An order reference has at most %1 bytes.</source>
        <translation>Una referencia de pedido tiene como máximo %1 bytes.</translation>
    </message>
    <message>
        <source>The order reference is not UTF-8 text.</source>
        <translation>La referencia de pedido no es texto UTF-8.</translation>
    </message>
    <message>
        <source>The order reference holds a control character.</source>
        <translation>La referencia de pedido contiene un carácter de control.</translation>
    </message>
    <message>
        <source>Cannot use the record %1: %2</source>
        <translation>No se puede usar el registro %1: %2</translation>
    </message>
    <message>
        <source>Every keyboard of order %1 is passed or in progress: the batch takes no more.</source>
        <translation>Cada teclado del pedido %1 está aprobado o en curso: el lote no admite más.</translation>
    </message>
    <message>
        <source>The record server %1 cannot be reached: %2</source>
        <translation>No se puede acceder al servidor del registro %1: %2</translation>
    </message>
    <message>
        <source>The record server %1 refused the login: %2</source>
        <translation>El servidor del registro %1 rechazó el inicio de sesión: %2</translation>
    </message>
    <message>
        <source>The record server %1 has no such database: %2</source>
        <translation>El servidor del registro %1 no tiene esa base de datos: %2</translation>
    </message>
    <message>
        <source>The record %1 has an older schema that this login may not bring up to date (%2); nothing was changed.</source>
        <translation>El registro %1 tiene un esquema anterior que este inicio de sesión no puede actualizar (%2); no se cambió nada.</translation>
    </message>
    <message>
        <source>The record's address %1 holds a password, which others could read there; give it in ~/.pgpass, PGPASSWORD or a PGSERVICE entry instead.</source>
        <translation>La dirección del registro %1 contiene una contraseña, que otros podrían leer ahí; indíquela en ~/.pgpass, PGPASSWORD o una entrada PGSERVICE.</translation>
    </message>
    <message>
        <source>This build of the program cannot use a record on a PostgreSQL server (%1).</source>
        <translation>Esta compilación del programa no puede usar un registro en un servidor PostgreSQL (%1).</translation>
    </message>
    <message>
        <source>%1 is the record of runs; nothing else is written to it.</source>
        <translation>%1 es el registro de ejecuciones; no se escribe nada más en él.</translation>
    </message>
    <message>
        <source>%1 is named for two outputs of one run.</source>
        <translation>%1 se indica para dos salidas de una misma ejecución.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>File SHA-256</source>
        <translation>SHA-256 del archivo</translation>
    </message>
    <message>
        <source>Differs from the batch</source>
        <translation>Difiere del lote</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>difiere</translation>
    </message>
    <message>
        <source>The batch is paused: %1</source>
        <translation>El lote está en pausa: %1</translation>
    </message>
    <message>
        <source>The layout file %1 has changed since the batch began; every keyboard of a batch is programmed and tested with one layout. End the batch?</source>
        <translation>El archivo de distribución %1 ha cambiado desde que empezó el lote; todos los teclados de un lote se programan y prueban con una sola distribución. ¿Terminar el lote?</translation>
    </message>
    <message>
        <source>Batches need the record of runs. %1</source>
        <translation>Los lotes necesitan el registro de ejecuciones. %1</translation>
    </message>
    <message>
        <source>The keyboard was not programmed: the record of runs cannot take this run. %1</source>
        <translation>El teclado no se ha programado: el registro de ejecuciones no puede guardar esta ejecución. %1</translation>
    </message>
    <message>
        <source>Rec&amp;ords...</source>
        <translation>&amp;Ubicación del registro...</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>The &amp;file beside the programming log: %1</source>
        <translation>El arc&amp;hivo junto al registro de programación: %1</translation>
    </message>
    <message>
        <source>A PostgreSQL &amp;server:</source>
        <translation>Un &amp;servidor PostgreSQL:</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Probar la conexión</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectando con %1...</translation>
    </message>
    <message>
        <source>The record %1 can be used.</source>
        <translation>El registro %1 se puede usar.</translation>
    </message>
    <message>
        <source>A record on a server is named by an address beginning with postgresql://, for example postgresql://station@workshop-server/vorlan.</source>
        <translation>Un registro en un servidor se indica con una dirección que empieza por postgresql://, por ejemplo postgresql://station@workshop-server/vorlan.</translation>
    </message>
    <message>
        <source>No password is kept here: the server's password comes from ~/.pgpass, PGPASSWORD or a PGSERVICE entry.</source>
        <translation>Aquí no se guarda ninguna contraseña: la contraseña del servidor se toma de ~/.pgpass, PGPASSWORD o de una entrada de PGSERVICE.</translation>
    </message>
    <message>
        <source>Close the station before choosing another record: its batch stays in the record it began in.</source>
        <translation>Cierre el puesto antes de elegir otro registro: su lote se queda en el registro en el que empezó.</translation>
    </message>
    <message>
        <source>Keyboard %1 of %2 — %3 stations</source>
        <translation>Teclado %1 de %2 — %3 puestos</translation>
    </message>
    <message>
        <source>&amp;Join a batch...</source>
        <translation>U&amp;nirse a un lote...</translation>
    </message>
    <message>
        <source>Join a batch</source>
        <translation>Unirse a un lote</translation>
    </message>
    <message>
        <source>The open batches of the record %1:</source>
        <translation>Los lotes abiertos del registro %1:</translation>
    </message>
    <message>
        <source>%1 — %2 of %3 passed — opened on %4, %5</source>
        <translation>%1 — %2 de %3 correctos — abierto en %4, %5</translation>
    </message>
    <message>
        <source>The record %1 has no open batch to join.</source>
        <translation>El registro %1 no tiene ningún lote abierto al que unirse.</translation>
    </message>
    <message>
        <source>The batch programs the layout file %1. Open that layout file, saved with the same contents, in the window, then join again.</source>
        <translation>El lote programa el archivo de distribución %1. Abra ese archivo de distribución, guardado con el mismo contenido, en la ventana y vuelva a unirse.</translation>
    </message>
    <message>
        <source>The record server %1 cannot be reached: %2. This keyboard's result is kept in %3 and sent when the server answers.</source>
        <translation>No se puede acceder al servidor del registro %1: %2. El resultado de este teclado se guarda en %3 y se envía cuando el servidor responda.</translation>
    </message>
    <message>
        <source>Enter: try the record again    Escape: pause</source>
        <translation>Intro: volver a intentar el registro    Esc: pausa</translation>
    </message>
    <message>
        <source>Results kept at this station were sent to the record server: %1.</source>
        <translation>Los resultados guardados en este puesto se enviaron al servidor del registro: %1.</translation>
    </message>
    <message>
        <source>Leave the batch? It stays open for the other stations. %1 of %2 keyboards passed.</source>
        <translation>¿Salir del lote? Sigue abierto para los demás puestos. %1 de %2 teclados correctos.</translation>
    </message>
    <message>
        <source>The batch was ended at another station. Its keyboards so far stay in the record.</source>
        <translation>El lote se terminó en otro puesto. Sus teclados hasta ahora se quedan en el registro.</translation>
    </message>
    <message>
        <source>The batch is paused: the record server cannot be reached. Results kept at this station until it answers: %1.</source>
        <translation>El lote está en pausa: no se puede acceder al servidor del registro. Resultados guardados en este puesto hasta que responda: %1.</translation>
    </message>
</context>
</TS>
