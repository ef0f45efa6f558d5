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
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is the layout being read.</source>
        <translation>%1 ist die Belegung, die gelesen wird.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Den Ordner %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>%1 cannot be written: too many levels of links.</source>
        <translation>%1 kann nicht geschrieben werden: zu viele Ebenen von Verknüpfungen.</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1.</source>
        <translation>Die Standardausgabe kann nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>No file was replaced: the old files are as they were.</source>
        <translation>Keine Datei wurde ersetzt: Die alten Dateien sind unverändert.</translation>
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
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Programming...</source>
        <translation>&amp;Programmieren...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Se&amp;ttings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Content</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
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
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;name</source>
        <translation>&amp;Tastenname</translation>
    </message>
    <message>
        <source>Codes are entered in the capture dialog: press Enter or double-click the key.</source>
        <translation>Codes werden im Erfassungsdialog eingegeben: Eingabe drücken oder doppelt auf die Taste klicken.</translation>
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
        <translation>ein Feld</translation>
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
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;names on the grid</source>
        <translation>Tasten&amp;namen im Tastenraster</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Find key...</source>
        <translation>&amp;Taste suchen...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Find &amp;next</source>
        <translation>&amp;Nächste suchen</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Find pre&amp;vious</source>
        <translation>&amp;Vorige suchen</translation>
    </message>
    <message>
        <source>Find key:</source>
        <translation>Taste suchen:</translation>
    </message>
    <message>
        <source>name or code</source>
        <translation>Name oder Code</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d von %d</translation>
    </message>
    <message>
        <source>%d found</source>
        <translation>%d gefunden</translation>
    </message>
    <message>
        <source>No key found</source>
        <translation>Keine Taste gefunden</translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>Next key found (Enter, F3)</source>
        <translation>Nächste gefundene Taste (Eingabe, F3)</translation>
    </message>
    <message>
        <source>Previous key found (Shift+F3)</source>
        <translation>Vorige gefundene Taste (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Key %d</source>
        <translation>Taste %d</translation>
    </message>
    <message>
        <source>Name: (none)</source>
        <translation>Name: (keiner)</translation>
    </message>
    <message>
        <source>Codes: %s</source>
        <translation>Codes: %s</translation>
    </message>
    <message>
        <source>Codes: (none)</source>
        <translation>Codes: (keine)</translation>
    </message>
    <message>
        <source>Span: empty</source>
        <translation>Umfang: leer</translation>
    </message>
    <message>
        <source>Span: single</source>
        <translation>Umfang: ein Feld</translation>
    </message>
    <message>
        <source>Span: double, with key %d</source>
        <translation>Umfang: doppelt, mit Taste %d</translation>
    </message>
    <message>
        <source>Span: quad, with keys %s</source>
        <translation>Umfang: vierfach, mit den Tasten %s</translation>
    </message>
    <message>
        <source>Mode %d</source>
        <translation>Modus %d</translation>
    </message>
    <message>
        <source>Flags: none</source>
        <translation>Merkmale: keine</translation>
    </message>
    <message>
        <source>Flags: single key</source>
        <translation>Merkmale: Einzeltaste</translation>
    </message>
    <message>
        <source>Flags: group key</source>
        <translation>Merkmale: Gruppentaste</translation>
    </message>
    <message>
        <source>Flags: single key, group key</source>
        <translation>Merkmale: Einzeltaste, Gruppentaste</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test keyboard...</source>
        <translation>Tastatur &amp;testen...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Programming &amp;log</source>
        <translation>Programmier&amp;protokoll</translation>
    </message>
    <message>
        <source>Key test</source>
        <translation>Tastentest</translation>
    </message>
    <message numerus="yes">
        <source>%n of %2 keys tested</source>
        <translation>
            <numerusform>%n von %2 Tasten getestet</numerusform>
            <numerusform>%n von %2 Tasten getestet</numerusform>
        </translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Bericht speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 and %2 send the same codes.</source>
        <translation>%1 und %2 senden dieselben Codes.</translation>
    </message>
    <message>
        <source>%1 sends the start of %2.</source>
        <translation>%1 sendet den Anfang von %2.</translation>
    </message>
    <message>
        <source>%1 sends codes that no key press reports; it cannot be tested.</source>
        <translation>%1 sendet Codes, die kein Tastendruck meldet; die Taste kann nicht getestet werden.</translation>
    </message>
    <message>
        <source>%1 begins like the RFID prefix; its presses are read as cards.</source>
        <translation>%1 beginnt wie das RFID-Präfix; ihre Tastendrücke werden als Karten gelesen.</translation>
    </message>
    <message>
        <source>Press each key of the keyboard. Click a key to say which one you press next.</source>
        <translation>Drücken Sie jede Taste der Tastatur. Klicken Sie auf eine Taste, um anzugeben, welche Sie als Nächstes drücken.</translation>
    </message>
    <message>
        <source>Click a key: the emulated keyboard types it into the test.</source>
        <translation>Klicken Sie auf eine Taste: Die emulierte Tastatur tippt sie in den Test.</translation>
    </message>
    <message>
        <source>The layout has no programmed key to test.</source>
        <translation>Die Belegung hat keine programmierte Taste zum Testen.</translation>
    </message>
    <message>
        <source>Text report (*.txt);;JSON report (*.json)</source>
        <translation>Textbericht (*.txt);;JSON-Bericht (*.json)</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>At %1 dpi a page image would be too large; this page can be exported at up to %2 dpi.</source>
        <translation>Bei %1 dpi wäre ein Seitenbild zu groß; diese Seite kann mit höchstens %2 dpi exportiert werden.</translation>
    </message>
    <message>
        <source>Programming log</source>
        <translation>Programmierprotokoll</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>No run has been logged yet.</source>
        <translation>Es wurde noch kein Durchlauf protokolliert.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Layout file</source>
        <translation>Belegungsdatei</translation>
    </message>
    <message>
        <source>Image SHA-256</source>
        <translation>SHA-256 des Abbilds</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Duration (ms)</source>
        <translation>Dauer (ms)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Keyboard programmed</source>
        <translation>Tastatur programmiert</translation>
    </message>
    <message>
        <source>The keyboard is programmed. Keyboards done with this layout: %1.</source>
        <translation>Die Tastatur ist programmiert. Mit dieser Belegung programmierte Tastaturen: %1.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test keyboard</source>
        <translation>Tastatur &amp;testen</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Program &amp;next keyboard</source>
        <translation>&amp;Nächste Tastatur programmieren</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The programming log %1 cannot be written.</source>
        <translation>Das Programmierprotokoll %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>unknown: %1</source>
        <translation>unbekannt: %1</translation>
    </message>
    <message>
        <source>card %1: prefix %2, suffix %3, %4 digits %5, %6</source>
        <translation>Karte %1: Präfix %2, Suffix %3, %4 Ziffern %5, %6</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>numeric</source>
        <translation>numerisch</translation>
    </message>
    <message>
        <source>not numeric (numeric expected)</source>
        <translation>nicht numerisch (numerisch erwartet)</translation>
    </message>
    <message>
        <source>not numeric</source>
        <translation>nicht numerisch</translation>
    </message>
    <message>
        <source>Grey: not yet pressed. Green: matched. Red: expected, but another sequence came. Striped: cannot be told apart.</source>
        <translation>Grau: noch nicht gedrückt. Grün: passt. Rot: erwartet, aber eine andere Folge kam. Gestreift: nicht zu unterscheiden.</translation>
    </message>
    <message>
        <source>key %1 &quot;%2&quot;</source>
        <translation>Taste %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The file is empty; it reads as a new 56-key layout.</source>
        <translation>Die Datei ist leer; sie wird als neue Belegung mit 56 Tasten gelesen.</translation>
    </message>
    <message>
        <source>The first number %1 is not 56, 57, 112 or 113; the file reads as a 56-key 16scan layout.</source>
        <translation>Die erste Zahl %1 ist nicht 56, 57, 112 oder 113; die Datei wird als 16scan-Belegung mit 56 Tasten gelesen.</translation>
    </message>
    <message>
        <source>The header has %1 of its %2 fields; the missing ones read as 0.</source>
        <translation>Der Kopf hat %1 seiner %2 Felder; die fehlenden werden als 0 gelesen.</translation>
    </message>
    <message>
        <source>The header has surplus fields (%1) for its %2 form; they are ignored.</source>
        <translation>Der Kopf hat überzählige Felder (%1) für sein Format %2; sie werden ignoriert.</translation>
    </message>
    <message>
        <source>Keys type %1 is out of range 0..1 and reads as 1.</source>
        <translation>Tastenart %1 liegt außerhalb von 0..1 und wird als 1 gelesen.</translation>
    </message>
    <message>
        <source>Key beep %1 is out of range 0..1 and reads as 1.</source>
        <translation>Tastenton %1 liegt außerhalb von 0..1 und wird als 1 gelesen.</translation>
    </message>
    <message>
        <source>Key delay %1 is out of range 0..3 and reads as 2.</source>
        <translation>Verzögerung %1 liegt außerhalb von 0..3 und wird als 2 gelesen.</translation>
    </message>
    <message>
        <source>Typematic rate %1 is out of range 0..31 and reads as 11.</source>
        <translation>Wiederholrate %1 liegt außerhalb von 0..31 und wird als 11 gelesen.</translation>
    </message>
    <message>
        <source>The RFID flags %1 do not fit a byte and read as %2.</source>
        <translation>Die RFID-Merkmale %1 passen nicht in ein Byte und werden als %2 gelesen.</translation>
    </message>
    <message>
        <source>The RFID flags %1 ask for %2 digits, more than 13; they read as 13.</source>
        <translation>Die RFID-Merkmale %1 verlangen %2 Ziffern, mehr als 13; sie werden als 13 gelesen.</translation>
    </message>
    <message>
        <source>The RFID prefix %1 does not fit a byte and reads as %2.</source>
        <translation>Das RFID-Präfix %1 passt nicht in ein Byte und wird als %2 gelesen.</translation>
    </message>
    <message>
        <source>The RFID suffix %1 does not fit a byte and reads as %2.</source>
        <translation>Das RFID-Suffix %1 passt nicht in ein Byte und wird als %2 gelesen.</translation>
    </message>
    <message>
        <source>Keys pause %1 is out of range 1..255 and reads as 2.</source>
        <translation>Pause zwischen Tasten %1 liegt außerhalb von 1..255 und wird als 2 gelesen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; it reads as %2.</source>
        <translation>&quot;%1&quot; ist keine Zahl; es wird als %2 gelesen.</translation>
    </message>
    <message>
        <source>An empty line; it is ignored.</source>
        <translation>Eine leere Zeile; sie wird ignoriert.</translation>
    </message>
    <message>
        <source>The line has no key number; it is ignored.</source>
        <translation>Die Zeile hat keine Tastennummer; sie wird ignoriert.</translation>
    </message>
    <message>
        <source>Key number %1 is outside 1..112; the line is ignored.</source>
        <translation>Tastennummer %1 liegt außerhalb von 1..112; die Zeile wird ignoriert.</translation>
    </message>
    <message>
        <source>Key %1 lies outside the %2-key grid; it is not shown or programmed.</source>
        <translation>Taste %1 liegt außerhalb des Tastenrasters mit %2 Tasten; sie wird weder angezeigt noch programmiert.</translation>
    </message>
    <message>
        <source>Key %1 was given on line %2 already; this line replaces it.</source>
        <translation>Taste %1 wurde bereits in Zeile %2 angegeben; diese Zeile ersetzt sie.</translation>
    </message>
    <message>
        <source>Key %1: code %2 is out of range 0..255 and reads as 0.</source>
        <translation>Taste %1: Code %2 liegt außerhalb von 0..255 und wird als 0 gelesen.</translation>
    </message>
    <message>
        <source>Key %1: flags %2 are out of range 0..15; only %3 is kept.</source>
        <translation>Taste %1: Merkmale %2 liegen außerhalb von 0..15; nur %3 bleibt erhalten.</translation>
    </message>
    <message>
        <source>Key %1: the name is %2 bytes long; it is cut to 102.</source>
        <translation>Taste %1: Der Name ist %2 Bytes lang; er wird auf 102 gekürzt.</translation>
    </message>
    <message>
        <source>Key %1: the line has surplus fields (%2): codes beyond what the variant holds, or a ';' or ',' in the name; they are not read.</source>
        <translation>Taste %1: Die Zeile hat überzählige Felder (%2): Codes über das hinaus, was die Variante fasst, oder ein ';' oder ',' im Namen; sie werden nicht gelesen.</translation>
    </message>
    <message>
        <source>Key %1: the line is short of fields (%2 missing); they read as 0 and the name as empty.</source>
        <translation>Taste %1: Der Zeile fehlen Felder (%2 fehlen); sie werden als 0 gelesen und der Name als leer.</translation>
    </message>
    <message>
        <source>The line is %1 bytes long, more than the 198 the format allows.</source>
        <translation>Die Zeile ist %1 Bytes lang, mehr als die 198, die das Format erlaubt.</translation>
    </message>
    <message>
        <source>Reading stops at the line of key %1; the lines after it (%2) are not read.</source>
        <translation>Das Lesen endet bei der Zeile von Taste %1; die Zeilen danach (%2) werden nicht gelesen.</translation>
    </message>
    <message>
        <source>No line gives key %1; it stays empty.</source>
        <translation>Keine Zeile gibt Taste %1 an; sie bleibt leer.</translation>
    </message>
    <message>
        <source>No line gives the keys %1; they stay empty.</source>
        <translation>Keine Zeile gibt die Tasten %1 an; sie bleiben leer.</translation>
    </message>
    <message>
        <source>Only the first %1 bytes of the file are read.</source>
        <translation>Nur die ersten %1 Bytes der Datei werden gelesen.</translation>
    </message>
    <message>
        <source>Key %1 has a name but no codes.</source>
        <translation>Taste %1 hat einen Namen, aber keine Codes.</translation>
    </message>
    <message>
        <source>Key %1 has codes but no name.</source>
        <translation>Taste %1 hat Codes, aber keinen Namen.</translation>
    </message>
    <message>
        <source>Key %1 has codes after a first code of 0, so it counts as not programmed.</source>
        <translation>Taste %1 hat Codes nach einem ersten Code 0 und gilt daher als nicht programmiert.</translation>
    </message>
    <message>
        <source>Key %1 sends the same codes as key %2; a key test cannot tell them apart.</source>
        <translation>Taste %1 sendet dieselben Codes wie Taste %2; ein Tastentest kann sie nicht unterscheiden.</translation>
    </message>
    <message>
        <source>Key %1 is marked as part of a double or quad key, but no other key has its codes; it shows as a single key.</source>
        <translation>Taste %1 ist als Teil einer Doppel- oder Vierfachtaste markiert, aber keine andere Taste hat ihre Codes; sie wird als Einzeltaste angezeigt.</translation>
    </message>
    <message>
        <source>Keys %1 and %2 share their codes as a double key but are not neighbours.</source>
        <translation>Die Tasten %1 und %2 teilen ihre Codes als Doppeltaste, sind aber keine Nachbarn.</translation>
    </message>
    <message>
        <source>%1 group keys share the codes of key %2; they show as the quad, double and single keys their places allow.</source>
        <translation>%1 Gruppentasten teilen die Codes von Taste %2; sie werden als die Vierfach-, Doppel- und Einzeltasten angezeigt, die ihre Plätze erlauben.</translation>
    </message>
    <message>
        <source>Keys %1 share their codes as a quad key but are not a square of 2 by 2 cells; they show as the double and single keys their places allow.</source>
        <translation>Die Tasten %1 teilen ihre Codes als Vierfachtaste, sind aber kein Quadrat aus 2 mal 2 Feldern; sie werden als die Doppel- und Einzeltasten angezeigt, die ihre Plätze erlauben.</translation>
    </message>
    <message>
        <source>No keyboard type takes this file as it stands (the image builder stops at step %1).</source>
        <translation>Kein Tastaturtyp nimmt diese Datei so an, wie sie ist (der Abbild-Aufbau bricht bei Schritt %1 ab).</translation>
    </message>
    <message>
        <source>Key %1: the programmed-keys list shows only the first 99 bytes of the name.</source>
        <translation>Taste %1: Die Liste der programmierten Tasten zeigt nur die ersten 99 Bytes des Namens.</translation>
    </message>
    <message>
        <source>Keys %1 and %2 have the same name in the programmed-keys list; it lists only the first.</source>
        <translation>Die Tasten %1 und %2 haben in der Liste der programmierten Tasten denselben Namen; sie führt nur die erste auf.</translation>
    </message>
    <message>
        <source>Key %1 is only in the second layout.</source>
        <translation>Taste %1 gibt es nur in der zweiten Belegung.</translation>
    </message>
    <message>
        <source>Key %1 is only in the first layout.</source>
        <translation>Taste %1 gibt es nur in der ersten Belegung.</translation>
    </message>
    <message>
        <source>Key %1 moved to %2.</source>
        <translation>Taste %1 wurde nach %2 verschoben.</translation>
    </message>
    <message>
        <source>Key %1: the name &quot;%2&quot; becomes &quot;%3&quot;.</source>
        <translation>Taste %1: Der Name &quot;%2&quot; wird zu &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Key %1: the codes %2 become %3.</source>
        <translation>Taste %1: Die Codes %2 werden zu %3.</translation>
    </message>
    <message>
        <source>Key %1: the flags %2 become %3.</source>
        <translation>Taste %1: Die Merkmale %2 werden zu %3.</translation>
    </message>
    <message>
        <source>Key %1: mode %2 becomes mode %3.</source>
        <translation>Taste %1: Modus %2 wird zu Modus %3.</translation>
    </message>
    <message>
        <source>Key %1: the cells %2 become %3.</source>
        <translation>Taste %1: Aus den Feldern %2 werden %3.</translation>
    </message>
    <message>
        <source>The layout of %1 keys becomes one of %2 keys.</source>
        <translation>Die Belegung mit %1 Tasten wird zu einer mit %2 Tasten.</translation>
    </message>
    <message>
        <source>Keys type %1 becomes %2.</source>
        <translation>Tastenart: aus %1 wird %2.</translation>
    </message>
    <message>
        <source>Key beep %1 becomes %2.</source>
        <translation>Tastenton: aus %1 wird %2.</translation>
    </message>
    <message>
        <source>Key delay %1 becomes %2.</source>
        <translation>Verzögerung: aus %1 wird %2.</translation>
    </message>
    <message>
        <source>Typematic rate %1 becomes %2.</source>
        <translation>Wiederholrate: aus %1 wird %2.</translation>
    </message>
    <message>
        <source>Keys pause %1 becomes %2.</source>
        <translation>Pause zwischen Tasten: aus %1 wird %2.</translation>
    </message>
    <message>
        <source>RFID digit count %1 becomes %2.</source>
        <translation>Anzahl der RFID-Ziffern: aus %1 wird %2.</translation>
    </message>
    <message>
        <source>RFID digits numeric %1 becomes %2.</source>
        <translation>RFID-Ziffern numerisch: aus %1 wird %2.</translation>
    </message>
    <message>
        <source>RFID prefix %1 becomes %2.</source>
        <translation>RFID-Präfix: aus %1 wird %2.</translation>
    </message>
    <message>
        <source>RFID prefix extended %1 becomes %2.</source>
        <translation>RFID-Präfix erweitert: aus %1 wird %2.</translation>
    </message>
    <message>
        <source>RFID suffix %1 becomes %2.</source>
        <translation>RFID-Suffix: aus %1 wird %2.</translation>
    </message>
    <message>
        <source>RFID suffix extended %1 becomes %2.</source>
        <translation>RFID-Suffix erweitert: aus %1 wird %2.</translation>
    </message>
    <message>
        <source>Key %1 is not in the file.</source>
        <translation>Taste %1 ist nicht in der Datei.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of this file were not read exactly as written.</source>
        <translation>
            <numerusform>%n Zeile dieser Datei wurde nicht genau so gelesen, wie sie geschrieben ist.</numerusform>
            <numerusform>%n Zeilen dieser Datei wurden nicht genau so gelesen, wie sie geschrieben sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file was not read exactly as written.</source>
        <translation>Diese Datei wurde nicht genau so gelesen, wie sie geschrieben ist.</translation>
    </message>
    <message numerus="yes">
        <source>This file has %n doubtful points.</source>
        <translation>
            <numerusform>Diese Datei hat %n fragliche Stelle.</numerusform>
            <numerusform>Diese Datei hat %n fragliche Stellen.</numerusform>
        </translation>
    </message>
    <message>
        <source>One line of this file was not read exactly as written.</source>
        <translation>Eine Zeile dieser Datei wurde nicht genau so gelesen, wie sie geschrieben ist.</translation>
    </message>
    <message>
        <source>This file has one doubtful point.</source>
        <translation>Diese Datei hat eine fragliche Stelle.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Details...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>What the reader changed</source>
        <translation>Was beim Lesen geändert wurde</translation>
    </message>
    <message>
        <source>Data will be lost</source>
        <translation>Daten gehen verloren</translation>
    </message>
    <message>
        <source>The %1 form cannot hold all of this layout; saving it loses:</source>
        <translation>Das Format %1 kann diese Belegung nicht vollständig aufnehmen; beim Speichern geht verloren:</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Trotzdem speichern?</translation>
    </message>
    <message>
        <source>... and %1 more messages of this kind, from this line on.</source>
        <translation>... und %1 weitere Meldungen dieser Art, ab dieser Zeile.</translation>
    </message>
    <message>
        <source>... (%1 bytes)</source>
        <translation>... (%1 Bytes)</translation>
    </message>
    <message>
        <source>Stopped by %1.</source>
        <translation>Angehalten durch %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Compare &amp;with...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message>
        <source>Differences from %1</source>
        <translation>Unterschiede zu %1</translation>
    </message>
    <message>
        <source>The layouts are equal.</source>
        <translation>Die Belegungen sind gleich.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This is not a plain file (it is a folder, pipe, socket or device), so it cannot be opened.</source>
        <translation>Dies ist keine gewöhnliche Datei (sondern ein Ordner, eine Pipe, ein Socket oder ein Gerät) und kann daher nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The layout for the keyboard could not be written to the temporary folder.</source>
        <translation>Die Belegung für die Tastatur konnte nicht in den temporären Ordner geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes reached the keyboard.</source>
        <translation>%1 von %2 Bytes haben die Tastatur erreicht.</translation>
    </message>
    <message>
        <source>The keyboard stopped answering.</source>
        <translation>Die Tastatur antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>The keyboard was disconnected.</source>
        <translation>Die Verbindung zur Tastatur wurde getrennt.</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1 from %2?

The layout has %3 keys; programmed: %4.</source>
        <translation>Ungespeicherte Änderungen an %1 aus %2 wiederherstellen?

Die Belegung hat %3 Tasten; programmiert: %4.</translation>
    </message>
    <message>
        <source>Discard these unsaved changes for good? They cannot be recovered afterwards.</source>
        <translation>Diese ungespeicherten Änderungen endgültig verwerfen? Sie können danach nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>A recovery file could not be read and was set aside: %1</source>
        <translation>Eine Wiederherstellungsdatei konnte nicht gelesen werden und wurde beiseitegelegt: %1</translation>
    </message>
    <message>
        <source>The settings could not be read, so the defaults are used. The damaged file was kept as %1</source>
        <translation>Die Einstellungen konnten nicht gelesen werden, daher gelten die Voreinstellungen. Die beschädigte Datei wurde als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Overwrite it with this layout?</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert. Mit dieser Belegung überschreiben?</translation>
    </message>
    <message>
        <source>%1 was removed by another program since it was opened. Save this layout there again?</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm entfernt. Diese Belegung wieder dort speichern?</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it from the disk?</source>
        <translation>%1 wurde von einem anderen Programm geändert. Neu von der Festplatte laden?</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it from the disk? Your unsaved changes are lost.</source>
        <translation>%1 wurde von einem anderen Programm geändert. Neu von der Festplatte laden? Ihre ungespeicherten Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>Recover unsaved changes to an untitled layout from %1?

The layout has %2 keys; programmed: %3.</source>
        <translation>Ungespeicherte Änderungen an einer unbenannten Belegung aus %1 wiederherstellen?

Die Belegung hat %2 Tasten; programmiert: %3.</translation>
    </message>
    <message>
        <source>The key pitch must be between 5 and 60 mm.</source>
        <translation>Der Tastenabstand muss zwischen 5 und 60 mm liegen.</translation>
    </message>
    <message>
        <source>A legend must be at least 3 mm wide and high and no larger than the key pitch.</source>
        <translation>Eine Beschriftung muss mindestens 3 mm breit und hoch und darf nicht größer als der Tastenabstand sein.</translation>
    </message>
    <message>
        <source>The page is too small for the legends and the 100 mm ruler.</source>
        <translation>Die Seite ist zu klein für die Beschriftungen und das 100-mm-Lineal.</translation>
    </message>
    <message>
        <source>A legend does not fit on the page; choose a larger page or smaller sizes.</source>
        <translation>Eine Beschriftung passt nicht auf die Seite; wählen Sie eine größere Seite oder kleinere Maße.</translation>
    </message>
    <message>
        <source>%1 - page %2 of %3</source>
        <translation>%1 - Seite %2 von %3</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(unbenannt)</translation>
    </message>
    <message>
        <source>Ruler 100 mm, square %1 x %2 mm: if they measure otherwise, the printer scaled the page.</source>
        <translation>Lineal 100 mm, Quadrat %1 x %2 mm: Messen sie anders, hat der Drucker die Seite skaliert.</translation>
    </message>
    <message>
        <source>Keys: %1, file format: %2</source>
        <translation>Tasten: %1, Dateiformat: %2</translation>
    </message>
    <message>
        <source>Keys type: %1</source>
        <translation>Tastenart: %1</translation>
    </message>
    <message>
        <source>Key beep: %1, key delay: %2, typematic rate: %3, keys pause: %4 ms</source>
        <translation>Tastenton: %1, Verzögerung: %2, Wiederholrate: %3, Pause zwischen Tasten: %4 ms</translation>
    </message>
    <message>
        <source>RFID options</source>
        <translation>RFID-Optionen</translation>
    </message>
    <message>
        <source>Digits: %1, numeric: %2</source>
        <translation>Ziffern: %1, numerisch: %2</translation>
    </message>
    <message>
        <source>Prefix: %1 (extended: %2), suffix: %3 (extended: %4)</source>
        <translation>Präfix: %1 (erweitert: %2), Suffix: %3 (erweitert: %4)</translation>
    </message>
    <message>
        <source>Programmed keys</source>
        <translation>Programmierte Tasten</translation>
    </message>
    <message>
        <source>Flags: G group key, S single key. Mode: the key mode 1 to 3.</source>
        <translation>Merkmale: G Gruppentaste, S Einzeltaste. Modus: der Tastenmodus 1 bis 3.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Codes</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Merkmale</translation>
    </message>
    <message>
        <source>This build of the program cannot write SVG files (it was built without Qt SVG).</source>
        <translation>Diese Ausgabe des Programms kann keine SVG-Dateien schreiben (sie wurde ohne Qt SVG erstellt).</translation>
    </message>
    <message>
        <source>The resolution must be between 30 and 2400 dots per inch.</source>
        <translation>Die Auflösung muss zwischen 30 und 2400 Punkten pro Zoll liegen.</translation>
    </message>
    <message>
        <source>There is nothing to print.</source>
        <translation>Es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .svg or .png.</source>
        <translation>Der Dateiname muss auf .pdf, .svg oder .png enden.</translation>
    </message>
    <message>
        <source>Legends</source>
        <translation>Beschriftungen</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;pitch:</source>
        <translation>Tasten&amp;abstand:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legend &amp;width (single key):</source>
        <translation>&amp;Breite der Beschriftung (Einzeltaste):</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legend &amp;height (single key):</source>
        <translation>&amp;Höhe der Beschriftung (Einzeltaste):</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>P&amp;aper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Margins:</source>
        <translation>&amp;Ränder:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Resolution:</source>
        <translation>Au&amp;flösung:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Pac&amp;k legends to save paper (instead of as on the keyboard)</source>
        <translation>Beschriftungen &amp;dicht packen, um Papier zu sparen (statt wie auf der Tastatur)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Blank legends for keys without a name</source>
        <translation>&amp;Leere Beschriftungen für Tasten ohne Namen</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Cut marks at the corners</source>
        <translation>&amp;Schnittmarken an den Ecken</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Thin &amp;frame around each legend</source>
        <translation>Dünner Rah&amp;men um jede Beschriftung</translation>
    </message>
    <message>
        <source>The type size must be between 1 and 10 mm, or automatic.</source>
        <translation>Die Schriftgröße muss zwischen 1 und 10 mm liegen oder automatisch sein.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Type size:</source>
        <translation>Schrift&amp;größe:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>These legends do not fit at the type size of the others (%1 mm) and are set smaller: %2</source>
        <translation>Diese Beschriftungen passen nicht in der Schriftgröße der übrigen (%1 mm) und sind kleiner gesetzt: %2</translation>
    </message>
    <message>
        <source>As the printer is set up</source>
        <translation>Wie im Drucker eingestellt</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Print &amp;legends...</source>
        <translation>Beschriftungen &amp;drucken...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Print layout s&amp;heet...</source>
        <translation>Bele&amp;gungsblatt drucken...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Export</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as &amp;PDF...</source>
        <translation>Beschriftungen als &amp;PDF...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as &amp;SVG...</source>
        <translation>Beschriftungen als &amp;SVG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as P&amp;NG...</source>
        <translation>Beschriftungen als P&amp;NG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as P&amp;DF...</source>
        <translation>Belegungsblatt als P&amp;DF...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as S&amp;VG...</source>
        <translation>Belegungsblatt als S&amp;VG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as PN&amp;G...</source>
        <translation>Belegungsblatt als PN&amp;G...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Written:
%1</source>
        <translation>Export abgeschlossen:
%1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Undo %s</source>
        <translation>&amp;Rückgängig: %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Redo %s</source>
        <translation>&amp;Wiederherstellen: %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Single key flag</source>
        <translation>Merkmal Einzeltaste</translation>
    </message>
    <message>
        <source>Clear key</source>
        <translation>Taste löschen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Move key</source>
        <translation>Taste verschieben</translation>
    </message>
    <message>
        <source>Swap keys</source>
        <translation>Tasten tauschen</translation>
    </message>
    <message>
        <source>Copy of key</source>
        <translation>Kopie der Taste</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Belegung: %1</translation>
    </message>
    <message>
        <source>Layout: %1 (unsaved changes)</source>
        <translation>Belegung: %1 (ungespeicherte Änderungen)</translation>
    </message>
    <message>
        <source>Layout: unsaved layout</source>
        <translation>Belegung: nicht gespeicherte Belegung</translation>
    </message>
    <message>
        <source>There is no room for a quad key here.</source>
        <translation>Hier ist kein Platz für eine Vierfachtaste.</translation>
    </message>
    <message>
        <source>There is no room for a double key here.</source>
        <translation>Hier ist kein Platz für eine Doppeltaste.</translation>
    </message>
    <message>
        <source>Save As 7/3scan</source>
        <translation>Speichern unter 7/3scan</translation>
    </message>
    <message>
        <source>Save As 16scan</source>
        <translation>Speichern unter 16scan</translation>
    </message>
    <message>
        <source>Save As left side</source>
        <translation>Speichern unter linke Seite</translation>
    </message>
    <message>
        <source>Save As right side</source>
        <translation>Speichern unter rechte Seite</translation>
    </message>
    <message>
        <source>The window will then show the layout as saved; Undo brings the rest back.</source>
        <translation>Das Fenster zeigt die Belegung danach so, wie sie gespeichert wurde; Rückgängig holt den Rest zurück.</translation>
    </message>
    <message>
        <source>The clipboard holds no key that can be pasted.</source>
        <translation>Die Zwischenablage enthält keine Taste, die eingefügt werden kann.</translation>
    </message>
    <message>
        <source>The key does not fit at key %d: its cells are not free.</source>
        <translation>Die Taste passt nicht an Taste %d: Ihre Felder sind nicht frei.</translation>
    </message>
    <message>
        <source>Replace key %s with %s ?</source>
        <translation>Taste %s durch %s ersetzen?</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;menu</source>
        <translation>Tasten&amp;menü</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 per second</source>
        <translation>%1 pro Sekunde</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached takes 7/3scan layouts (type 0).</source>
        <translation>Die Belegung ist für eine Tastatur mit %1 Tasten (%2); die angeschlossene Tastatur nimmt 7/3scan-Belegungen (Typ 0).</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached is a single keyboard (type 1).</source>
        <translation>Die Belegung ist für eine Tastatur mit %1 Tasten (%2); die angeschlossene Tastatur ist eine einfache Tastatur (Typ 1).</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached is a double keyboard (type 2).</source>
        <translation>Die Belegung ist für eine Tastatur mit %1 Tasten (%2); die angeschlossene Tastatur ist eine Doppeltastatur (Typ 2).</translation>
    </message>
    <message>
        <source>Open a 7/3scan layout, or save this one as 7/3scan with File &gt; Save As and program that file.</source>
        <translation>Öffnen Sie eine 7/3scan-Belegung oder speichern Sie diese mit Datei &gt; Speichern unter als 7/3scan und programmieren Sie diese Datei.</translation>
    </message>
    <message>
        <source>Open a 16scan layout of 56 keys, or change the keyboard type in File &gt; Settings.</source>
        <translation>Öffnen Sie eine 16scan-Belegung mit 56 Tasten oder ändern Sie den Tastaturtyp unter Datei &gt; Einstellungen.</translation>
    </message>
    <message>
        <source>Open a 16scan layout of 112 keys, or change the keyboard type in File &gt; Settings.</source>
        <translation>Öffnen Sie eine 16scan-Belegung mit 112 Tasten oder ändern Sie den Tastaturtyp unter Datei &gt; Einstellungen.</translation>
    </message>
    <message>
        <source>The keyboard's device %1 could not be opened. Check that the keyboard is connected, that its driver is installed and that you may use the device.</source>
        <translation>Das Gerät %1 der Tastatur konnte nicht geöffnet werden. Prüfen Sie, ob die Tastatur angeschlossen, ihr Treiber installiert ist und ob Sie das Gerät benutzen dürfen.</translation>
    </message>
    <message>
        <source>Check the keyboard's cable and connection, then program it again.</source>
        <translation>Prüfen Sie Kabel und Anschluss der Tastatur und programmieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>The keyboard answered with a type this program does not know. Check that a Vorlan keyboard is attached.</source>
        <translation>Die Tastatur meldete einen Typ, den dieses Programm nicht kennt. Prüfen Sie, ob eine Vorlan-Tastatur angeschlossen ist.</translation>
    </message>
    <message>
        <source>The layout file %1 could not be read. Check that it exists and that you may read it.</source>
        <translation>Die Belegungsdatei %1 konnte nicht gelesen werden. Prüfen Sie, ob sie existiert und ob Sie sie lesen dürfen.</translation>
    </message>
    <message>
        <source>The layout file %1 is not one the keyboard can take. Open it in the program, check its keys and settings, and save it again.</source>
        <translation>Die Tastatur kann die Belegungsdatei %1 nicht übernehmen. Öffnen Sie sie im Programm, prüfen Sie Tasten und Einstellungen und speichern Sie sie erneut.</translation>
    </message>
    <message>
        <source>Keyboard: asking for its type</source>
        <translation>Tastatur: Typ wird abgefragt</translation>
    </message>
    <message>
        <source>Keyboard: 7/3scan (type 0)</source>
        <translation>Tastatur: 7/3scan (Typ 0)</translation>
    </message>
    <message>
        <source>Keyboard: single, 56 keys (type 1)</source>
        <translation>Tastatur: einfach, 56 Tasten (Typ 1)</translation>
    </message>
    <message>
        <source>Keyboard: double, 112 keys (type 2)</source>
        <translation>Tastatur: doppelt, 112 Tasten (Typ 2)</translation>
    </message>
    <message>
        <source>%1 of %2 bytes sent, about %3 s left</source>
        <translation>%1 von %2 Bytes gesendet, noch etwa %3 s</translation>
    </message>
    <message>
        <source>Escape stops the run; the keyboard then needs programming again.</source>
        <translation>Esc bricht das Programmieren ab; die Tastatur muss danach neu programmiert werden.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were written; the keyboard will not work until it is programmed again.</source>
        <translation>%1 von %2 Bytes wurden geschrieben; die Tastatur funktioniert erst wieder, wenn sie neu programmiert wurde.</translation>
    </message>
    <message>
        <source>Vorlan help</source>
        <translation>Vorlan-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>F&amp;ind in page:</source>
        <translation>Auf der Seite &amp;suchen:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Every key pressed is captured, held keys included. Capturing pauses 3 seconds after the dialog opens or the last key is let go: then %1 moves between the buttons, %2 presses one and %3 cancels.</source>
        <translation>Jede gedrückte Taste wird erfasst, auch gehaltene. 3 Sekunden nach dem Öffnen oder nach dem Loslassen der letzten Taste pausiert die Erfassung: dann wechselt %1 zwischen den Schaltflächen, %2 betätigt die gewählte und %3 bricht ab.</translation>
    </message>
    <message>
        <source>Capturing paused. %1 confirms with OK, %2 cancels, %3 moves to the other buttons; &quot;Capture again&quot; takes more keys.</source>
        <translation>Erfassung pausiert. %1 bestätigt mit OK, %2 bricht ab, %3 wechselt zu den anderen Schaltflächen; „Erneut erfassen“ nimmt weitere Tasten auf.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Capture &amp;again</source>
        <translation>&amp;Erneut erfassen</translation>
    </message>
    <message>
        <source>Capturing pauses in %1 s.</source>
        <translation>Die Erfassung pausiert in %1 s.</translation>
    </message>
    <message>
        <source>Key %1 has key mode %2, outside 1 to 3.</source>
        <translation>Taste %1 hat den Tastenmodus %2, außerhalb von 1 bis 3.</translation>
    </message>
    <message>
        <source>Keys with a mode outside 1 to 3 (as read from the file): %1.</source>
        <translation>Tasten mit einem Modus außerhalb von 1 bis 3 (wie aus der Datei gelesen): %1.</translation>
    </message>
    <message>
        <source>These files are there already:
%1
Replace them?</source>
        <translation>Diese Dateien gibt es schon:
%1
Ersetzen?</translation>
    </message>
    <message>
        <source>%1 reads as a layout file: the report is not written over it. Choose another name.</source>
        <translation>%1 lässt sich als Belegungsdatei lesen: Der Bericht überschreibt sie nicht. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings about the keys of this layout:</source>
        <translation>
            <numerusform>%n Warnung zu den Tasten dieser Belegung:</numerusform>
            <numerusform>%n Warnungen zu den Tasten dieser Belegung:</numerusform>
        </translation>
    </message>
    <message>
        <source>To close the test, hold %1 down for 2 seconds.</source>
        <translation>Zum Schließen des Tests %1 2 Sekunden lang gedrückt halten.</translation>
    </message>
    <message>
        <source>This file does not start as a layout file does; it was read with the reader's defaults.</source>
        <translation>Diese Datei beginnt nicht wie eine Belegungsdatei; sie wurde mit den Vorgaben des Lesers gelesen.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>PC &amp;keyboard layout</source>
        <translation>PC-&amp;Tastaturbelegung</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Automatic (%s)</source>
        <translation>&amp;Automatisch (%s)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Standard key names</source>
        <translation>&amp;Standard-Tastennamen</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>keine gefunden</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Britisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Austrian</source>
        <translation>Österreichisch</translation>
    </message>
    <message>
        <source>Swiss German</source>
        <translation>Schweizerdeutsch</translation>
    </message>
    <message>
        <source>Swiss French</source>
        <translation>Schweizer Französisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Belgian</source>
        <translation>Belgisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;System language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language changes to %1 when the program is started again.</source>
        <translation>Gewählte Sprache: %1. Sie gilt ab dem nächsten Start des Programms.</translation>
    </message>
    <message>
        <source>The language changes to the system's when the program is started again.</source>
        <translation>Gewählte Sprache: die des Systems. Sie gilt ab dem nächsten Start des Programms.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Save &amp;ink: outline the keys instead of filling them in colour</source>
        <translation>T&amp;inte sparen: Tasten nur umranden statt farbig füllen</translation>
    </message>
    <message numerus="yes">
        <source>The files of this export will take about %1 MB (%n pages at %3 dpi). Export them?</source>
        <translation>
            <numerusform>Die Dateien dieses Exports werden etwa %1 MB groß (%n Seite mit %3 dpi). Exportieren?</numerusform>
            <numerusform>Die Dateien dieses Exports werden etwa %1 MB groß (%n Seiten mit %3 dpi). Exportieren?</numerusform>
        </translation>
    </message>
    <message>
        <source>The page is too small: inside its margins it leaves %1 mm, and at least %2 mm are needed. Choose a larger paper or smaller margins.</source>
        <translation>Die Seite ist zu klein: Innerhalb der Ränder bleiben %1 mm, nötig sind mindestens %2 mm. Wählen Sie ein größeres Papier oder kleinere Ränder.</translation>
    </message>
    <message numerus="yes">
        <source>None of the chosen pages is there: the document has %n pages.</source>
        <translation>
            <numerusform>Keine der gewählten Seiten ist vorhanden: Das Dokument hat %n Seite.</numerusform>
            <numerusform>Keine der gewählten Seiten ist vorhanden: Das Dokument hat %n Seiten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Image SHA-256: %1</source>
        <translation>SHA-256 des Abbilds: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>nicht getestet</translation>
    </message>
    <message>
        <source>(ambiguous)</source>
        <translation>(mehrdeutig)</translation>
    </message>
    <message>
        <source>%1-key-test</source>
        <translation>%1-Tastentest</translation>
    </message>
    <message>
        <source>key-test</source>
        <translation>Tastentest</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>abgebrochen nach %1 Bytes</translation>
    </message>
    <message>
        <source>(after %1 bytes)</source>
        <translation>(nach %1 Bytes)</translation>
    </message>
    <message>
        <source>keyboard detected, nothing written</source>
        <translation>Tastatur erkannt, nichts geschrieben</translation>
    </message>
    <message>
        <source>interrupted (bytes written not known)</source>
        <translation>unterbrochen (geschriebene Bytes unbekannt)</translation>
    </message>
    <message>
        <source>incomplete: %1 of %2 bytes</source>
        <translation>unvollständig: %1 von %2 Bytes</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>unsaved layout</source>
        <translation>nicht gespeicherte Belegung</translation>
    </message>
    <message>
        <source>%1 (unsaved changes)</source>
        <translation>%1 (ungespeicherte Änderungen)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>a layout file to open at start</source>
        <translation>eine Belegungsdatei, die beim Start geöffnet wird</translation>
    </message>
    <message>
        <source>Program an emulated keyboard of type N (0: 7/3scan images, 1: single 16scan, 2: double 16scan) instead of the device, with the fault options of vorlanctl program.</source>
        <translation>Eine emulierte Tastatur vom Typ N (0: 7/3scan-Abbilder, 1: einfache 16scan, 2: doppelte 16scan) statt des Geräts programmieren, mit den Fehleroptionen von vorlanctl program.</translation>
    </message>
    <message>
        <source>With --emulate: save the bytes the emulated keyboard received in each run.</source>
        <translation>Mit --emulate: die Bytes speichern, die die emulierte Tastatur bei jedem Durchlauf empfangen hat.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the usage and exit.</source>
        <translation>Die Aufrufhilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print when the main window was first painted, then quit (for the start-up benchmark).</source>
        <translation>Ausgeben, wann das Hauptfenster zum ersten Mal gezeichnet wurde, dann beenden (für die Startzeitmessung).</translation>
    </message>
    <message>
        <source>The keyboard's device is VORLAN_DEVICE (default %1).</source>
        <translation>Das Gerät der Tastatur ist VORLAN_DEVICE (Vorgabe %1).</translation>
    </message>
    <message>
        <source>User guide: %1</source>
        <translation>Benutzerhandbuch: %1</translation>
    </message>
    <message>
        <source>--emulate needs a keyboard type: 0, 1 or 2, with fault options (N,option,...)</source>
        <translation>--emulate braucht einen Tastaturtyp: 0, 1 oder 2, mit Fehleroptionen (N,Option,...)</translation>
    </message>
    <message>
        <source>--received needs a file name</source>
        <translation>--received braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>only one layout file (also given: %1)</source>
        <translation>nur eine Belegungsdatei (außerdem angegeben: %1)</translation>
    </message>
    <message>
        <source>--received needs an emulated keyboard (--emulate N)</source>
        <translation>--received braucht eine emulierte Tastatur (--emulate N)</translation>
    </message>
    <message>
        <source>Program a &amp;batch...</source>
        <translation>&amp;Serie programmieren...</translation>
    </message>
    <message>
        <source>Program a batch</source>
        <translation>Serie programmieren</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Order &amp;reference:</source>
        <translation>Auftrags&amp;referenz:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Number of keyboards:</source>
        <translation>&amp;Anzahl der Tastaturen:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test after each keyboard:</source>
        <translation>&amp;Test nach jeder Tastatur:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>The programmed keys</source>
        <translation>Die programmierten Tasten</translation>
    </message>
    <message>
        <source>Every key</source>
        <translation>Jede Taste</translation>
    </message>
    <message>
        <source>A batch programs the layout as it is saved, never unsaved changes. Save the layout now?</source>
        <translation>Eine Serie programmiert die Belegung so, wie sie gespeichert ist, niemals ungespeicherte Änderungen. Belegung jetzt speichern?</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Keyboard %1 of %2</source>
        <translation>Tastatur %1 von %2</translation>
    </message>
    <message>
        <source>Waiting for a keyboard...</source>
        <translation>Warte auf eine Tastatur...</translation>
    </message>
    <message>
        <source>Passed. Take the keyboard away.</source>
        <translation>Bestanden. Tastatur abziehen.</translation>
    </message>
    <message>
        <source>Programming... %1 %</source>
        <translation>Programmieren... %1 %</translation>
    </message>
    <message>
        <source>Testing: press every key (%1 of %2)</source>
        <translation>Test: jede Taste drücken (%1 von %2)</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Enter: go on    R: retry    S: set aside    Escape: pause</source>
        <translation>Eingabe: weiter    R: wiederholen    S: beiseitelegen    Esc: Pause</translation>
    </message>
    <message>
        <source>The batch is paused. End it now? %1 of %2 keyboards passed.</source>
        <translation>Die Serie ist angehalten. Jetzt beenden? %1 von %2 Tastaturen haben bestanden.</translation>
    </message>
    <message numerus="yes">
        <source>The batch is complete: %n keyboards passed.</source>
        <translation>
            <numerusform>Die Serie ist fertig: %n Tastatur hat bestanden.</numerusform>
            <numerusform>Die Serie ist fertig: %n Tastaturen haben bestanden.</numerusform>
        </translation>
    </message>
    <message>
        <source>A batch stopped before its end: order %1, %2 of %3 keyboards passed. Resume it?</source>
        <translation>Eine Serie endete vorzeitig: Auftrag %1, %2 von %3 Tastaturen haben bestanden. Fortsetzen?</translation>
    </message>
    <message numerus="yes">
        <source>%n keys cannot be tested from key presses</source>
        <translation>
            <numerusform>%n Taste kann nicht über Tastendrücke getestet werden</numerusform>
            <numerusform>%n Tasten können nicht über Tastendrücke getestet werden</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF report (*.pdf);;CSV table (*.csv)</source>
        <translation>PDF-Bericht (*.pdf);;CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>passed</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>set aside</source>
        <translation>beiseitegelegt</translation>
    </message>
    <message>
        <source>not tested</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>nicht getestet</translation>
    </message>
    <message>
        <source>no test</source>
        <translation>kein Test</translation>
    </message>
    <message>
        <source>Batch report</source>
        <translation>Serienbericht</translation>
    </message>
    <message>
        <source>Order: %1</source>
        <translation>Auftrag: %1</translation>
    </message>
    <message>
        <source>Layout file: %1</source>
        <translation>Belegungsdatei: %1</translation>
    </message>
    <message>
        <source>Image SHA-256: %1</source>
        <comment>batch report</comment>
        <translation>SHA-256 des Abbilds: %1</translation>
    </message>
    <message>
        <source>Station: %1</source>
        <translation>Station: %1</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Von %1 bis %2</translation>
    </message>
    <message>
        <source>Passed: %1    Failed: %2    Set aside: %3</source>
        <translation>Bestanden: %1    Fehlgeschlagen: %2    Beiseitegelegt: %3</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Endergebnis</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Batch &amp;report...</source>
        <translation>Serien&amp;bericht...</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Stop programming this keyboard? It will need programming again.</source>
        <translation>Das Programmieren dieser Tastatur abbrechen? Sie muss dann erneut programmiert werden.</translation>
    </message>
    <message>
        <source>Enter: go on    Escape: pause</source>
        <translation>Eingabe: weiter    Esc: Pause</translation>
    </message>
    <message>
        <source>Escape: stop programming this keyboard</source>
        <translation>Esc: Programmieren dieser Tastatur abbrechen</translation>
    </message>
    <message>
        <source>No keyboard is in progress.</source>
        <translation>Keine Tastatur ist in Arbeit.</translation>
    </message>
    <message>
        <source>The keyboard on the station passed and is recorded.</source>
        <translation>Die Tastatur an der Station hat bestanden und ist erfasst.</translation>
    </message>
    <message>
        <source>The keyboard on the station is recorded as failed and will need programming again.</source>
        <translation>Die Tastatur an der Station wird als fehlgeschlagen erfasst und muss erneut programmiert werden.</translation>
    </message>
    <message>
        <source>No ends the batch: its keyboards so far stay in the programming log, and Tools &gt; Batch report still writes its report.</source>
        <translation>„Nein“ beendet die Serie: Ihre bisherigen Tastaturen bleiben im Programmierprotokoll, und Extras &gt; Serienbericht schreibt weiterhin ihren Bericht.</translation>
    </message>
    <message>
        <source>Still to press: %1</source>
        <translation>Noch zu drücken: %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>Keyboard type found: %1. Bytes written: %2 of %3.</source>
        <translation>Gefundener Tastaturtyp: %1. Geschriebene Bytes: %2 von %3.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>the keyboard sent %1 (codes %2), which no key of the layout sends</source>
        <translation>die Tastatur sandte %1 (Codes %2), was keine Taste der Belegung sendet</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Save report... (%1)</source>
        <translation>Bericht &amp;speichern... (%1)</translation>
    </message>
    <message>
        <source>Enter an order reference: it names the batch in the log and in the report.</source>
        <translation>Bitte eine Auftragsreferenz eingeben: Sie benennt die Serie im Protokoll und im Bericht.</translation>
    </message>
    <message>
        <source>The order reference is too long: at most %1 bytes.</source>
        <translation>Die Auftragsreferenz ist zu lang: höchstens %1 Bytes.</translation>
    </message>
    <message>
        <source>The order reference cannot hold tabs, line ends or other control characters.</source>
        <translation>Die Auftragsreferenz darf keine Tabulatoren, Zeilenenden oder anderen Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Batch (order):</source>
        <translation>&amp;Serie (Auftrag):</translation>
    </message>
    <message>
        <source>The programming log holds no batch yet.</source>
        <translation>Das Programmierprotokoll enthält noch keine Serie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be typed on a %2 PC keyboard (character %3)</source>
        <translation>„%1“ kann auf einer PC-Tastatur %2 nicht getippt werden (Zeichen %3)</translation>
    </message>
    <message>
        <source>The text needs %1 codes and a key holds 16: it stops fitting at character %2</source>
        <translation>Der Text braucht %1 Codes, eine Taste fasst 16: ab Zeichen %2 passt er nicht mehr</translation>
    </message>
    <message>
        <source>No key is named &quot;{%1}&quot; (character %2); write {{ for a brace</source>
        <translation>Keine Taste heißt „{%1}“ (Zeichen %2); für eine Klammer {{ schreiben</translation>
    </message>
    <message>
        <source>The &quot;{&quot; at character %1 has no closing &quot;}&quot;; write {{ for a brace</source>
        <translation>Die „{“ bei Zeichen %1 hat keine schließende „}“; für eine Klammer {{ schreiben</translation>
    </message>
    <message>
        <source>The keyboard holds each code down until the key is let go, so the key types &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>Die Tastatur hält jeden Code gedrückt, bis die Taste losgelassen wird; die Taste tippt daher „%1“, nicht „%2“</translation>
    </message>
    <message>
        <source>The keyboard holds each code down until the key is let go, so the key does not type &quot;%1&quot;</source>
        <translation>Die Tastatur hält jeden Code gedrückt, bis die Taste losgelassen wird; die Taste tippt daher nicht „%1“</translation>
    </message>
    <message>
        <source>types %1</source>
        <translation>tippt %1</translation>
    </message>
    <message>
        <source>Key %1 ends with a modifier (Shift, Ctrl, Alt or AltGr) that no key follows.</source>
        <translation>Taste %1 endet mit einer Umschalttaste (Shift, Strg, Alt oder AltGr), der keine Taste folgt.</translation>
    </message>
    <message>
        <source>Key %1 ends with a dead key of the %2 PC keyboard that nothing follows.</source>
        <translation>Taste %1 endet mit einer Tottaste der PC-Tastatur %2, der nichts folgt.</translation>
    </message>
    <message>
        <source>Key %1 sends code %2, which no key of a PC keyboard makes.</source>
        <translation>Taste %1 sendet Code %2, den keine Taste einer PC-Tastatur erzeugt.</translation>
    </message>
    <message>
        <source>The first row must name the columns: key, name, text, codes, shape</source>
        <translation>Die erste Zeile muss die Spalten benennen: key, name, text, codes, shape</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no column of a key list (key, name, text, codes, shape)</source>
        <translation>„%1“ ist keine Spalte einer Tastenliste (key, name, text, codes, shape)</translation>
    </message>
    <message>
        <source>The header names no &quot;key&quot; column</source>
        <translation>Die Kopfzeile nennt keine Spalte „key“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key number from 1 to %2</source>
        <translation>„%1“ ist keine Tastennummer von 1 bis %2</translation>
    </message>
    <message>
        <source>Key %1 takes a cell that an earlier row's key holds</source>
        <translation>Taste %1 belegt ein Feld, das die Taste einer früheren Zeile hat</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no shape (single, double-right, double-down, quad)</source>
        <translation>„%1“ ist keine Form (single, double-right, double-down, quad)</translation>
    </message>
    <message>
        <source>A %1 key at key %2 does not fit the grid</source>
        <translation>Eine Taste der Form %1 bei Taste %2 passt nicht ins Tastenraster</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; has characters a layout file cannot hold</source>
        <translation>Der Name „%1“ enthält Zeichen, die eine Belegungsdatei nicht fassen kann</translation>
    </message>
    <message>
        <source>A name cannot hold &quot;;&quot;, &quot;,&quot; or a line end</source>
        <translation>Ein Name darf kein „;“, „,“ und kein Zeilenende enthalten</translation>
    </message>
    <message>
        <source>The name is %1 bytes long; a key's name holds at most 102</source>
        <translation>Der Name ist %1 Bytes lang; ein Tastenname fasst höchstens 102</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of at most 16 codes from 0 to 255</source>
        <translation>„%1“ ist keine Liste von höchstens 16 Codes von 0 bis 255</translation>
    </message>
    <message>
        <source>The text and the codes differ: give one of them</source>
        <translation>Text und Codes weichen voneinander ab: nur eines angeben</translation>
    </message>
    <message>
        <source>A quoted cell has no closing quote</source>
        <translation>Einem Feld in Anführungszeichen fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>The row has more cells than the header names</source>
        <translation>Die Zeile hat mehr Felder, als die Kopfzeile benennt</translation>
    </message>
    <message>
        <source>The list holds no key</source>
        <translation>Die Liste enthält keine Taste</translation>
    </message>
    <message>
        <source>row %1, column %2 (%3)</source>
        <translation>Zeile %1, Spalte %2 (%3)</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>The key list does not hold everything of this layout (its settings, RFID options, modes or group keys): importing it gives another layout file</source>
        <translation>Die Tastenliste enthält nicht alles dieser Belegung (Einstellungen, RFID-Optionen, Tastenmodi oder Gruppentasten): ihr Import ergibt eine andere Belegungsdatei</translation>
    </message>
    <message>
        <source>Rows left out: %1</source>
        <translation>Ausgelassene Zeilen: %1</translation>
    </message>
    <message>
        <source>Type a te&amp;xt...</source>
        <translation>Te&amp;xt eingeben...</translation>
    </message>
    <message>
        <source>Type a text</source>
        <translation>Text eingeben</translation>
    </message>
    <message>
        <source>The text as typed on a %1 PC keyboard ({Enter}, {Tab}, {F5} for named keys, {{ for a brace):</source>
        <translation>Der Text, wie auf einer PC-Tastatur %1 getippt ({Enter}, {Tab}, {F5} für benannte Tasten, {{ für eine Klammer):</translation>
    </message>
    <message>
        <source>Digits from the &amp;number pad</source>
        <translation>Ziffern vom &amp;Ziffernblock</translation>
    </message>
    <message>
        <source>&amp;Import key list...</source>
        <translation>Tastenliste &amp;importieren...</translation>
    </message>
    <message>
        <source>Export &amp;key list...</source>
        <translation>&amp;Tastenliste exportieren...</translation>
    </message>
    <message>
        <source>Key lists (*.csv)</source>
        <translation>Tastenlisten (*.csv)</translation>
    </message>
    <message>
        <source>Import key list</source>
        <translation>Tastenliste importieren</translation>
    </message>
    <message>
        <source>Export key list</source>
        <translation>Tastenliste exportieren</translation>
    </message>
    <message>
        <source>Layout file to write</source>
        <translation>Zu schreibende Belegungsdatei</translation>
    </message>
    <message>
        <source>The key list has wrong rows, so nothing was imported:
%1</source>
        <translation>Die Tastenliste hat fehlerhafte Zeilen, daher wurde nichts importiert:
%1</translation>
    </message>
    <message>
        <source>Type the digits of the texts on the number pad, the same on every PC keyboard layout?</source>
        <translation>Die Ziffern der Texte auf dem Ziffernblock tippen, der auf jeder PC-Tastaturbelegung gleich ist?</translation>
    </message>
    <message>
        <source>Layout files (*.txt)</source>
        <translation>Belegungsdateien (*.txt)</translation>
    </message>
    <message>
        <source>At line %1.</source>
        <translation>In Zeile %1.</translation>
    </message>
    <message>
        <source>The image builder stops at this line, so vorlanctl image and program refuse the file: Invalid file format. (%1)</source>
        <translation>Der Abbild-Erzeuger bricht in dieser Zeile ab, daher weisen vorlanctl image und program die Datei zurück: Ungültiges Dateiformat. (%1)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Hyphenation of the &amp;names:</source>
        <translation>Silbentrennung der &amp;Namen:</translation>
    </message>
    <message>
        <source>The program's language (%1)</source>
        <translation>Sprache des Programms (%1)</translation>
    </message>
    <message>
        <source>None: long names are set smaller</source>
        <translation>Keine: lange Namen werden kleiner gesetzt</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1 (kein Wörterbuch installiert)</translation>
    </message>
    <message>
        <source>Insert key</source>
        <comment>undo step</comment>
        <translation>Taste einfügen</translation>
    </message>
    <message>
        <source>Copy key</source>
        <comment>undo step</comment>
        <translation>Taste kopieren</translation>
    </message>
    <message>
        <source>Single</source>
        <comment>undo step</comment>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Double</source>
        <comment>undo step</comment>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Quad</source>
        <comment>undo step</comment>
        <translation>Vierfach</translation>
    </message>
    <message>
        <source>Clear All</source>
        <comment>button of the capture dialog</comment>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Set flag for all keys</source>
        <comment>undo step</comment>
        <translation>Merkmal für alle Tasten setzen</translation>
    </message>
    <message>
        <source>Key mode</source>
        <comment>undo step</comment>
        <translation>Tastenmodus</translation>
    </message>
    <message>
        <source>Set mode for all keys</source>
        <comment>undo step</comment>
        <translation>Modus für alle Tasten setzen</translation>
    </message>
    <message>
        <source>Key codes</source>
        <comment>undo step</comment>
        <translation>Tastencodes</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the programming dialog</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the keyboard settings dialog</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>button of the capture dialog</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Name: %s</source>
        <comment>tooltip of a key</comment>
        <translation>Name: %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Edit</source>
        <comment>the menu named in a hint of the find bar</comment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <comment>heading on the layout sheet</comment>
        <translation>Tastatureinstellungen</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <comment>title of the keyboard settings dialog</comment>
        <translation>Tastatureinstellungen</translation>
    </message>
    <message>
        <source>RFID options</source>
        <comment>heading on the layout sheet</comment>
        <translation>RFID-Optionen</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <comment>key test report</comment>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the keyboard settings dialog</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the capture dialog</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Keyboard type</source>
        <comment>column of the programming log</comment>
        <translation>Tastaturtyp</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <comment>line of the programming result</comment>
        <translation>Belegung: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button of the key test</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button of the programming log</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save report...</source>
        <comment>button of the key test</comment>
        <translation>Bericht speichern...</translation>
    </message>
    <message>
        <source>Key test</source>
        <comment>column of the batch report</comment>
        <translation>Tastentest</translation>
    </message>
    <message>
        <source>Cannot open the record %1: %2</source>
        <translation>Die Aufzeichnung %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot write to the record %1: it is read-only.</source>
        <translation>In die Aufzeichnung %1 kann nicht geschrieben werden: sie ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Cannot write to the record %1: the disk is full.</source>
        <translation>In die Aufzeichnung %1 kann nicht geschrieben werden: der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The record %1 is busy: another program held it too long.</source>
        <translation>Die Aufzeichnung %1 ist belegt: ein anderes Programm hielt sie zu lange.</translation>
    </message>
    <message>
        <source>The record %1 is damaged; it is left as it is.</source>
        <translation>Die Aufzeichnung %1 ist beschädigt; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 is not a record of this program; it is left as it is.</source>
        <translation>%1 ist keine Aufzeichnung dieses Programms; die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>The record %1 was written by a newer version of this program.</source>
        <translation>Die Aufzeichnung %1 wurde von einer neueren Version dieses Programms geschrieben.</translation>
    </message>
    <message>
        <source>The record %1 belongs to another user; it is not used.</source>
        <translation>Die Aufzeichnung %1 gehört einem anderen Benutzer; sie wird nicht verwendet.</translation>
    </message>
    <message>
        <source>The record %1 is reached through a link; it is not used.</source>
        <translation>Die Aufzeichnung %1 wird über eine Verknüpfung erreicht; sie wird nicht verwendet.</translation>
    </message>
    <message>
        <source>This batch is being run by %1.</source>
        <translation>Diese Serie wird von %1 ausgeführt.</translation>
    </message>
    <message>
        <source>Order %1 has an open batch already.</source>
        <translation>Auftrag %1 hat bereits eine offene Serie.</translation>
    </message>
    <message>
        <source>The record %1 holds no such run or batch in progress.</source>
        <translation>Die Aufzeichnung %1 enthält keinen solchen laufenden Vorgang und keine solche Serie.</translation>
    </message>
    <message>
        <source>An order reference is needed.</source>
        <translation>Eine Auftragsreferenz ist erforderlich.</translation>
    </message>
    <message>
        <source>An order reference has at most %1 bytes.</source>
        <translation>Eine Auftragsreferenz hat höchstens %1 Byte.</translation>
    </message>
    <message>
        <source>The order reference is not UTF-8 text.</source>
        <translation>Die Auftragsreferenz ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The order reference holds a control character.</source>
        <translation>Die Auftragsreferenz enthält ein Steuerzeichen.</translation>
    </message>
    <message>
        <source>Cannot use the record %1: %2</source>
        <translation>Die Aufzeichnung %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>Every keyboard of order %1 is passed or in progress: the batch takes no more.</source>
        <translation>Jede Tastatur von Auftrag %1 ist bestanden oder in Arbeit: Die Serie nimmt keine weitere auf.</translation>
    </message>
    <message>
        <source>The record server %1 cannot be reached: %2</source>
        <translation>Der Aufzeichnungsserver %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>The record server %1 refused the login: %2</source>
        <translation>Der Aufzeichnungsserver %1 hat die Anmeldung abgelehnt: %2</translation>
    </message>
    <message>
        <source>The record server %1 has no such database: %2</source>
        <translation>Der Aufzeichnungsserver %1 hat keine solche Datenbank: %2</translation>
    </message>
    <message>
        <source>The record %1 has an older schema that this login may not bring up to date (%2); nothing was changed.</source>
        <translation>Die Aufzeichnung %1 hat ein älteres Schema, das diese Anmeldung nicht aktualisieren darf (%2); nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The record's address %1 holds a password, which others could read there; give it in ~/.pgpass, PGPASSWORD or a PGSERVICE entry instead.</source>
        <translation>Die Adresse der Aufzeichnung %1 enthält ein Passwort, das andere dort lesen könnten; geben Sie es stattdessen in ~/.pgpass, PGPASSWORD oder einem PGSERVICE-Eintrag an.</translation>
    </message>
    <message>
        <source>This build of the program cannot use a record on a PostgreSQL server (%1).</source>
        <translation>Dieser Build des Programms kann keine Aufzeichnung auf einem PostgreSQL-Server verwenden (%1).</translation>
    </message>
    <message>
        <source>%1 is the record of runs; nothing else is written to it.</source>
        <translation>%1 ist die Aufzeichnung der Vorgänge; nichts anderes wird hineingeschrieben.</translation>
    </message>
    <message>
        <source>%1 is named for two outputs of one run.</source>
        <translation>%1 ist für zwei Ausgaben eines Vorgangs angegeben.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>File SHA-256</source>
        <translation>Datei-SHA-256</translation>
    </message>
    <message>
        <source>Differs from the batch</source>
        <translation>Weicht von der Serie ab</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>The batch is paused: %1</source>
        <translation>Die Serie ist angehalten: %1</translation>
    </message>
    <message>
        <source>The layout file %1 has changed since the batch began; every keyboard of a batch is programmed and tested with one layout. End the batch?</source>
        <translation>Die Belegungsdatei %1 hat sich seit Beginn der Serie geändert; alle Tastaturen einer Serie werden mit einer Belegung programmiert und getestet. Serie beenden?</translation>
    </message>
    <message>
        <source>Batches need the record of runs. %1</source>
        <translation>Serien benötigen die Aufzeichnung der Vorgänge. %1</translation>
    </message>
    <message>
        <source>The keyboard was not programmed: the record of runs cannot take this run. %1</source>
        <translation>Die Tastatur wurde nicht programmiert: Die Aufzeichnung der Vorgänge kann diesen Vorgang nicht aufnehmen. %1</translation>
    </message>
    <message>
        <source>Rec&amp;ords...</source>
        <translation>&amp;Aufzeichnungsort...</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>The &amp;file beside the programming log: %1</source>
        <translation>Die &amp;Datei neben dem Programmierprotokoll: %1</translation>
    </message>
    <message>
        <source>A PostgreSQL &amp;server:</source>
        <translation>Ein PostgreSQL-&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbindung zu %1 wird hergestellt...</translation>
    </message>
    <message>
        <source>The record %1 can be used.</source>
        <translation>Die Aufzeichnung %1 kann verwendet werden.</translation>
    </message>
    <message>
        <source>A record on a server is named by an address beginning with postgresql://, for example postgresql://station@workshop-server/vorlan.</source>
        <translation>Eine Aufzeichnung auf einem Server wird durch eine Adresse angegeben, die mit postgresql:// beginnt, zum Beispiel postgresql://station@workshop-server/vorlan.</translation>
    </message>
    <message>
        <source>No password is kept here: the server's password comes from ~/.pgpass, PGPASSWORD or a PGSERVICE entry.</source>
        <translation>Hier wird kein Passwort gespeichert: Das Passwort des Servers kommt aus ~/.pgpass, PGPASSWORD oder einem PGSERVICE-Eintrag.</translation>
    </message>
    <message>
        <source>Close the station before choosing another record: its batch stays in the record it began in.</source>
        <translation>Schließen Sie die Station, bevor Sie eine andere Aufzeichnung wählen: Ihre Serie bleibt in der Aufzeichnung, in der sie begonnen hat.</translation>
    </message>
    <message>
        <source>Keyboard %1 of %2 — %3 stations</source>
        <translation>Tastatur %1 von %2 — %3 Stationen</translation>
    </message>
    <message>
        <source>&amp;Join a batch...</source>
        <translation>&amp;Einer Serie beitreten...</translation>
    </message>
    <message>
        <source>Join a batch</source>
        <translation>Einer Serie beitreten</translation>
    </message>
    <message>
        <source>The open batches of the record %1:</source>
        <translation>Die offenen Serien der Aufzeichnung %1:</translation>
    </message>
    <message>
        <source>%1 — %2 of %3 passed — opened on %4, %5</source>
        <translation>%1 — %2 von %3 bestanden — begonnen auf %4, %5</translation>
    </message>
    <message>
        <source>The record %1 has no open batch to join.</source>
        <translation>Die Aufzeichnung %1 hat keine offene Serie zum Beitreten.</translation>
    </message>
    <message>
        <source>The batch programs the layout file %1. Open that layout file, saved with the same contents, in the window, then join again.</source>
        <translation>Die Serie programmiert die Belegungsdatei %1. Öffnen Sie diese Belegungsdatei, mit demselben Inhalt gespeichert, im Fenster und treten Sie dann erneut bei.</translation>
    </message>
    <message>
        <source>The record server %1 cannot be reached: %2. This keyboard's result is kept in %3 and sent when the server answers.</source>
        <translation>Der Aufzeichnungsserver %1 ist nicht erreichbar: %2. Das Ergebnis dieser Tastatur wird in %3 aufbewahrt und gesendet, sobald der Server antwortet.</translation>
    </message>
    <message>
        <source>Enter: try the record again    Escape: pause</source>
        <translation>Eingabe: Aufzeichnung erneut versuchen    Esc: Pause</translation>
    </message>
    <message>
        <source>Results kept at this station were sent to the record server: %1.</source>
        <translation>Die an dieser Station aufbewahrten Ergebnisse wurden an den Aufzeichnungsserver gesendet: %1.</translation>
    </message>
    <message>
        <source>Leave the batch? It stays open for the other stations. %1 of %2 keyboards passed.</source>
        <translation>Die Serie verlassen? Sie bleibt für die anderen Stationen offen. %1 von %2 Tastaturen haben bestanden.</translation>
    </message>
    <message>
        <source>The batch was ended at another station. Its keyboards so far stay in the record.</source>
        <translation>Die Serie wurde an einer anderen Station beendet. Ihre bisherigen Tastaturen bleiben in der Aufzeichnung.</translation>
    </message>
    <message>
        <source>The batch is paused: the record server cannot be reached. Results kept at this station until it answers: %1.</source>
        <translation>Die Serie ist angehalten: Der Aufzeichnungsserver ist nicht erreichbar. An dieser Station aufbewahrte Ergebnisse, bis er antwortet: %1.</translation>
    </message>
</context>
</TS>
