<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Vorlan</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Insert scan-codes by pressing key</source>
        <translation>Scancodes durch Tastendruck eingeben</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <translation>Ungültiges Argument.</translation>
    </message>
    <message>
        <source>Invalid keyboard type.</source>
        <translation>Ungültiger Tastaturtyp.</translation>
    </message>
    <message>
        <source>Syntax error!</source>
        <translation>Syntaxfehler!</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation>Ungültiges Dateiformat.</translation>
    </message>
    <message>
        <source>Invalid keyboard type detected.</source>
        <translation>Ungültigen Tastaturtyp erkannt.</translation>
    </message>
    <message>
        <source>Vorlan driver error.</source>
        <translation>Fehler des Vorlan-Treibers.</translation>
    </message>
    <message>
        <source>Keyboard detecting error.</source>
        <translation>Fehler beim Erkennen der Tastatur.</translation>
    </message>
    <message>
        <source>File format mismatch.</source>
        <translation>Das Dateiformat passt nicht zur Tastatur.</translation>
    </message>
    <message>
        <source>Keyboard programming error.</source>
        <translation>Fehler beim Programmieren der Tastatur.</translation>
    </message>
    <message>
        <source>Data buffer error.</source>
        <translation>Fehler im Datenpuffer.</translation>
    </message>
    <message>
        <source>File version error</source>
        <translation>Fehler in der Dateiversion</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Die Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>The file contains no programmed key</source>
        <translation>Die Datei enthält keine programmierte Taste</translation>
    </message>
    <message>
        <source>Group key error</source>
        <translation>Fehler bei einer Gruppentaste</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte eine positive ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message>
        <source>Edit scan codes</source>
        <translation>Scancodes bearbeiten</translation>
    </message>
    <message>
        <source>Scan-codes</source>
        <translation>Scancodes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear Last</source>
        <translation>Letzten löschen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Vorlan - keyboard programmer  -  [%s]</source>
        <translation>Vorlan - Tastatur-Programmierer  -  [%s]</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>unbenannt</translation>
    </message>
    <message>
        <source>Do you want to save current file?</source>
        <translation>Möchten Sie die aktuelle Datei speichern?</translation>
    </message>
    <message>
        <source>Clear key %s ?</source>
        <translation>Taste %s löschen?</translation>
    </message>
    <message>
        <source>Clear all keys ?</source>
        <translation>Alle Tasten löschen?</translation>
    </message>
    <message>
        <source>Insert %s to key %d ?</source>
        <translation>%s in Taste %d einfügen?</translation>
    </message>
    <message>
        <source>Keyboard type: Vorlan S (SN)</source>
        <translation>Tastaturtyp: Vorlan S (SN)</translation>
    </message>
    <message>
        <source>Keyboard type: Vorlan D</source>
        <translation>Tastaturtyp: Vorlan D</translation>
    </message>
    <message>
        <source>Keys type: Typematic SCAN</source>
        <translation>Tastenart: Typematic-SCAN</translation>
    </message>
    <message>
        <source>Keys type: Make-Break SCAN</source>
        <translation>Tastenart: Make-Break-SCAN</translation>
    </message>
    <message>
        <source>Keys beep: On</source>
        <translation>Tastenton: Ein</translation>
    </message>
    <message>
        <source>Keys beep: Off</source>
        <translation>Tastenton: Aus</translation>
    </message>
    <message>
        <source>Keys delay: %d</source>
        <translation>Tastenverzögerung: %d</translation>
    </message>
    <message>
        <source>Keys rate: %d</source>
        <translation>Wiederholrate: %d</translation>
    </message>
    <message>
        <source>Number: ----</source>
        <translation>Nummer: ----</translation>
    </message>
    <message>
        <source>Number: %d</source>
        <translation>Nummer: %d</translation>
    </message>
    <message>
        <source>Name: ----</source>
        <translation>Name: ----</translation>
    </message>
    <message>
        <source>Name: %s</source>
        <translation>Name: %s</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Bitte eine ganze Zahl zwischen 0 und 255 eingeben.</translation>
    </message>
    <message>
        <source>Programming was stopped; the keyboard holds only part of the layout.</source>
        <translation>Das Programmieren wurde abgebrochen; die Tastatur enthält nur einen Teil der Belegung.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>%1 [emulated keyboard, type %2]</source>
        <translation>%1 [emulierte Tastatur, Typ %2]</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programmieren...</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <translation>Tastatureinstellungen</translation>
    </message>
    <message>
        <source>Keyboard type</source>
        <translation>Tastaturtyp</translation>
    </message>
    <message>
        <source>Vorlan S - 56 keys (single)</source>
        <translation>Vorlan S - 56 Tasten (einfach)</translation>
    </message>
    <message>
        <source>Vorlan D - 112 keys (double)</source>
        <translation>Vorlan D - 112 Tasten (doppelt)</translation>
    </message>
    <message>
        <source>Keys pause</source>
        <translation>Pause zwischen Tasten</translation>
    </message>
    <message>
        <source>(0 - 255) ms</source>
        <translation>(0 - 255) ms</translation>
    </message>
    <message>
        <source>Keys type</source>
        <translation>Tastenart</translation>
    </message>
    <message>
        <source>Make-Break SCAN (without repeat)</source>
        <translation>Make-Break-SCAN (ohne Wiederholung)</translation>
    </message>
    <message>
        <source>Typematic SCAN (with repeat)</source>
        <translation>Typematic-SCAN (mit Wiederholung)</translation>
    </message>
    <message>
        <source>Key beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Key repeat</source>
        <translation>Tastenwiederholung</translation>
    </message>
    <message>
        <source>Typematic rate:</source>
        <translation>Wiederholrate:</translation>
    </message>
    <message>
        <source>Key delay:</source>
        <translation>Verzögerung:</translation>
    </message>
    <message>
        <source>Vorlan - keyboard programmer</source>
        <translation>Vorlan - Tastatur-Programmierer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Programming...</source>
        <translation>&amp;Programmieren...</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Insert key</source>
        <translation>Taste einfügen</translation>
    </message>
    <message>
        <source>Copy key</source>
        <translation>Taste kopieren</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>to Right</source>
        <translation>nach rechts</translation>
    </message>
    <message>
        <source>to Down</source>
        <translation>nach unten</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Vierfach</translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation>Taste löschen</translation>
    </message>
    <message>
        <source>RFID</source>
        <translation>RFID</translation>
    </message>
    <message>
        <source>Digits count:</source>
        <translation>Anzahl Ziffern:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffix:</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Digits type - NUM</source>
        <translation>Ziffernart - NUM</translation>
    </message>
    <message>
        <source>Key flags</source>
        <translation>Tastenmerkmale</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Group key</source>
        <translation>Gruppentaste</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Set flag for all keys</source>
        <translation>Merkmal für alle Tasten setzen</translation>
    </message>
    <message>
        <source>Key mode</source>
        <translation>Tastenmodus</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Modus 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Modus 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Modus 3</translation>
    </message>
    <message>
        <source>Set mode for all keys</source>
        <translation>Modus für alle Tasten setzen</translation>
    </message>
    <message>
        <source>Programmed keys:</source>
        <translation>Programmierte Tasten:</translation>
    </message>
    <message>
        <source>Key </source>
        <translation>Taste </translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Tastennummer</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Tastenname</translation>
    </message>
    <message>
        <source>Key codes</source>
        <translation>Tastencodes</translation>
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
        <translation>Über</translation>
    </message>
    <message>
        <source>Vorlan 16scan keyboard programmer</source>
        <translation>Vorlan-16scan-Tastatur-Programmierer</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Key grid</source>
        <translation>Tastenraster</translation>
    </message>
    <message>
        <source>The keys of the layout; arrow keys move the selection, Enter edits the key's codes</source>
        <translation>Die Tasten der Belegung; die Pfeiltasten bewegen die Auswahl, die Eingabetaste bearbeitet die Codes der Taste</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <translation>%1, Taste %2</translation>
    </message>
    <message>
        <source>unnamed key, key %1</source>
        <translation>Taste ohne Namen, Taste %1</translation>
    </message>
    <message>
        <source>empty, key %1</source>
        <translation>leer, Taste %1</translation>
    </message>
    <message>
        <source>single</source>
        <translation>einfach</translation>
    </message>
    <message>
        <source>double key of keys %1 and %2</source>
        <translation>Doppeltaste aus den Tasten %1 und %2</translation>
    </message>
    <message>
        <source>quad key of keys %1, %2, %3 and %4</source>
        <translation>Vierfachtaste aus den Tasten %1, %2, %3 und %4</translation>
    </message>
    <message>
        <source>not in use with 56 keys</source>
        <translation>bei 56 Tasten nicht verwendet</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Code %1</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>Previous key</source>
        <translation>Vorige Taste</translation>
    </message>
    <message>
        <source>Next key</source>
        <translation>Nächste Taste</translation>
    </message>
</context>
</TS>
