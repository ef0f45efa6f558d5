<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Vorlan</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Insert scan-codes by pressing key</source>
        <translation>Scancodes invoeren door toetsen in te drukken</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <translation>Ongeldig argument.</translation>
    </message>
    <message>
        <source>Invalid keyboard type.</source>
        <translation>Ongeldig toetsenbordtype.</translation>
    </message>
    <message>
        <source>Syntax error!</source>
        <translation>Syntaxisfout!</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Kan het bestand niet openen.</translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation>Ongeldig bestandsformaat.</translation>
    </message>
    <message>
        <source>Invalid keyboard type detected.</source>
        <translation>Ongeldig toetsenbordtype herkend.</translation>
    </message>
    <message>
        <source>Vorlan driver error.</source>
        <translation>Fout in het Vorlan-stuurprogramma.</translation>
    </message>
    <message>
        <source>Keyboard detecting error.</source>
        <translation>Fout bij het herkennen van het toetsenbord.</translation>
    </message>
    <message>
        <source>File format mismatch.</source>
        <translation>Het bestandsformaat past niet bij het toetsenbord.</translation>
    </message>
    <message>
        <source>Keyboard programming error.</source>
        <translation>Fout bij het programmeren van het toetsenbord.</translation>
    </message>
    <message>
        <source>Data buffer error.</source>
        <translation>Fout in de gegevensbuffer.</translation>
    </message>
    <message>
        <source>File version error</source>
        <translation>Fout in de bestandsversie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>De schijf is vol.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>In de map %1 kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>%1 is the layout being read.</source>
        <translation>%1 is de indeling die wordt gelezen.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>De map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 is een bestand, geen map.</translation>
    </message>
    <message>
        <source>%1 cannot be written: too many levels of links.</source>
        <translation>%1 kan niet worden geschreven: te veel niveaus van koppelingen.</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1.</source>
        <translation>De standaarduitvoer kan niet worden geschreven: %1.</translation>
    </message>
    <message>
        <source>No file was replaced: the old files are as they were.</source>
        <translation>Er is geen bestand vervangen: de oude bestanden zijn ongewijzigd.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Kan het bestand niet openen!</translation>
    </message>
    <message>
        <source>The file contains no programmed key</source>
        <translation>Het bestand bevat geen geprogrammeerde toets</translation>
    </message>
    <message>
        <source>Group key error</source>
        <translation>Fout in een groepstoets</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Voer een positief geheel getal in.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Voer een geheel getal tussen %1 en %2 in.</translation>
    </message>
    <message>
        <source>Edit scan codes</source>
        <translation>Scancodes bewerken</translation>
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
        <translation>Laatste wissen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Vorlan - keyboard programmer  -  [%s]</source>
        <translation>Vorlan - toetsenbordprogrammeur  -  [%s]</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>naamloos</translation>
    </message>
    <message>
        <source>Do you want to save current file?</source>
        <translation>Wilt u het huidige bestand opslaan?</translation>
    </message>
    <message>
        <source>Clear key %s ?</source>
        <translation>Toets %s wissen?</translation>
    </message>
    <message>
        <source>Clear all keys ?</source>
        <translation>Alle toetsen wissen?</translation>
    </message>
    <message>
        <source>Insert %s to key %d ?</source>
        <translation>%s invoegen in toets %d?</translation>
    </message>
    <message>
        <source>Keyboard type: Vorlan S (SN)</source>
        <translation>Toetsenbordtype: Vorlan S (SN)</translation>
    </message>
    <message>
        <source>Keyboard type: Vorlan D</source>
        <translation>Toetsenbordtype: Vorlan D</translation>
    </message>
    <message>
        <source>Keys type: Typematic SCAN</source>
        <translation>Toetstype: Typematic SCAN</translation>
    </message>
    <message>
        <source>Keys type: Make-Break SCAN</source>
        <translation>Toetstype: Make-Break SCAN</translation>
    </message>
    <message>
        <source>Keys beep: On</source>
        <translation>Toetsgeluid: aan</translation>
    </message>
    <message>
        <source>Keys beep: Off</source>
        <translation>Toetsgeluid: uit</translation>
    </message>
    <message>
        <source>Keys delay: %d</source>
        <translation>Vertraging: %d</translation>
    </message>
    <message>
        <source>Keys rate: %d</source>
        <translation>Herhaalsnelheid: %d</translation>
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
        <translation>Naam: ----</translation>
    </message>
    <message>
        <source>Name: %s</source>
        <translation>Naam: %s</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Voer een geheel getal tussen 0 en 255 in.</translation>
    </message>
    <message>
        <source>Programming was stopped; the keyboard holds only part of the layout.</source>
        <translation>Het programmeren is afgebroken; het toetsenbord bevat slechts een deel van de indeling.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message>
        <source>%1 [emulated keyboard, type %2]</source>
        <translation>%1 [geëmuleerd toetsenbord, type %2]</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programmeren...</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <translation>Toetsenbordinstellingen</translation>
    </message>
    <message>
        <source>Keyboard type</source>
        <translation>Toetsenbordtype</translation>
    </message>
    <message>
        <source>Vorlan S - 56 keys (single)</source>
        <translation>Vorlan S - 56 toetsen (enkel)</translation>
    </message>
    <message>
        <source>Vorlan D - 112 keys (double)</source>
        <translation>Vorlan D - 112 toetsen (dubbel)</translation>
    </message>
    <message>
        <source>Keys pause</source>
        <translation>Pauze tussen toetsen</translation>
    </message>
    <message>
        <source>(0 - 255) ms</source>
        <translation>(0 - 255) ms</translation>
    </message>
    <message>
        <source>Keys type</source>
        <translation>Toetstype</translation>
    </message>
    <message>
        <source>Make-Break SCAN (without repeat)</source>
        <translation>Make-Break SCAN (zonder herhaling)</translation>
    </message>
    <message>
        <source>Typematic SCAN (with repeat)</source>
        <translation>Typematic SCAN (met herhaling)</translation>
    </message>
    <message>
        <source>Key beep</source>
        <translation>Toetsgeluid</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Key repeat</source>
        <translation>Toetsherhaling</translation>
    </message>
    <message>
        <source>Typematic rate:</source>
        <translation>Herhaalsnelheid:</translation>
    </message>
    <message>
        <source>Key delay:</source>
        <translation>Vertraging:</translation>
    </message>
    <message>
        <source>Vorlan - keyboard programmer</source>
        <translation>Vorlan - toetsenbordprogrammeur</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;New...</source>
        <translation>&amp;Nieuw...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Programming...</source>
        <translation>&amp;Programmeren...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Se&amp;ttings...</source>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Content</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Insert key</source>
        <translation>Toets invoegen</translation>
    </message>
    <message>
        <source>Copy key</source>
        <translation>Toets kopiëren</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Dubbel</translation>
    </message>
    <message>
        <source>to Right</source>
        <translation>naar rechts</translation>
    </message>
    <message>
        <source>to Down</source>
        <translation>naar beneden</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Viervoudig</translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation>Toets wissen</translation>
    </message>
    <message>
        <source>RFID</source>
        <translation>RFID</translation>
    </message>
    <message>
        <source>Digits count:</source>
        <translation>Aantal cijfers:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefix:</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffix:</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Uitgebreid</translation>
    </message>
    <message>
        <source>Digits type - NUM</source>
        <translation>Cijfertype - NUM</translation>
    </message>
    <message>
        <source>Key flags</source>
        <translation>Toetskenmerken</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>Enkele toets</translation>
    </message>
    <message>
        <source>Group key</source>
        <translation>Groepstoets</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Set flag for all keys</source>
        <translation>Kenmerk voor alle toetsen instellen</translation>
    </message>
    <message>
        <source>Key mode</source>
        <translation>Toetsmodus</translation>
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
        <translation>Modus voor alle toetsen instellen</translation>
    </message>
    <message>
        <source>Programmed keys:</source>
        <translation>Geprogrammeerde toetsen:</translation>
    </message>
    <message>
        <source>Key </source>
        <translation>Toets </translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Toetsnummer</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Toetsnaam</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;name</source>
        <translation>Toets&amp;naam</translation>
    </message>
    <message>
        <source>Codes are entered in the capture dialog: press Enter or double-click the key.</source>
        <translation>Codes worden ingevoerd in het venster Vastleggen: druk op Enter of dubbelklik op de toets.</translation>
    </message>
    <message>
        <source>Key codes</source>
        <translation>Toetscodes</translation>
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
        <translation>Over</translation>
    </message>
    <message>
        <source>Vorlan 16scan keyboard programmer</source>
        <translation>Vorlan 16scan-toetsenbordprogrammeur</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versie:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Key grid</source>
        <translation>Toetsenraster</translation>
    </message>
    <message>
        <source>The keys of the layout; arrow keys move the selection, Enter edits the key's codes</source>
        <translation>De toetsen van de indeling; de pijltoetsen verplaatsen de selectie, Enter bewerkt de codes van de toets</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <translation>%1, toets %2</translation>
    </message>
    <message>
        <source>unnamed key, key %1</source>
        <translation>toets zonder naam, toets %1</translation>
    </message>
    <message>
        <source>empty, key %1</source>
        <translation>leeg, toets %1</translation>
    </message>
    <message>
        <source>single</source>
        <translation>één vak</translation>
    </message>
    <message>
        <source>double key of keys %1 and %2</source>
        <translation>dubbele toets van de toetsen %1 en %2</translation>
    </message>
    <message>
        <source>quad key of keys %1, %2, %3 and %4</source>
        <translation>viervoudige toets van de toetsen %1, %2, %3 en %4</translation>
    </message>
    <message>
        <source>not in use with 56 keys</source>
        <translation>niet in gebruik bij 56 toetsen</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>geselecteerd</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rij %1</translation>
    </message>
    <message>
        <source>Code %1</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>Previous key</source>
        <translation>Vorige toets</translation>
    </message>
    <message>
        <source>Next key</source>
        <translation>Volgende toets</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;names on the grid</source>
        <translation>Toets&amp;namen in het toetsenraster</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Find key...</source>
        <translation>&amp;Toets zoeken...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Find &amp;next</source>
        <translation>Volgende &amp;zoeken</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Find pre&amp;vious</source>
        <translation>Vorige zo&amp;eken</translation>
    </message>
    <message>
        <source>Find key:</source>
        <translation>Toets zoeken:</translation>
    </message>
    <message>
        <source>name or code</source>
        <translation>naam of code</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d van %d</translation>
    </message>
    <message>
        <source>%d found</source>
        <translation>%d gevonden</translation>
    </message>
    <message>
        <source>No key found</source>
        <translation>Geen toets gevonden</translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation>Zoekbalk sluiten (Esc)</translation>
    </message>
    <message>
        <source>Next key found (Enter, F3)</source>
        <translation>Volgende gevonden toets (Enter, F3)</translation>
    </message>
    <message>
        <source>Previous key found (Shift+F3)</source>
        <translation>Vorige gevonden toets (Shift+F3)</translation>
    </message>
    <message>
        <source>Key %d</source>
        <translation>Toets %d</translation>
    </message>
    <message>
        <source>Name: (none)</source>
        <translation>Naam: (geen)</translation>
    </message>
    <message>
        <source>Codes: %s</source>
        <translation>Codes: %s</translation>
    </message>
    <message>
        <source>Codes: (none)</source>
        <translation>Codes: (geen)</translation>
    </message>
    <message>
        <source>Span: empty</source>
        <translation>Omvang: leeg</translation>
    </message>
    <message>
        <source>Span: single</source>
        <translation>Omvang: één vak</translation>
    </message>
    <message>
        <source>Span: double, with key %d</source>
        <translation>Omvang: dubbel, met toets %d</translation>
    </message>
    <message>
        <source>Span: quad, with keys %s</source>
        <translation>Omvang: viervoudig, met de toetsen %s</translation>
    </message>
    <message>
        <source>Mode %d</source>
        <translation>Modus %d</translation>
    </message>
    <message>
        <source>Flags: none</source>
        <translation>Kenmerken: geen</translation>
    </message>
    <message>
        <source>Flags: single key</source>
        <translation>Kenmerken: enkele toets</translation>
    </message>
    <message>
        <source>Flags: group key</source>
        <translation>Kenmerken: groepstoets</translation>
    </message>
    <message>
        <source>Flags: single key, group key</source>
        <translation>Kenmerken: enkele toets, groepstoets</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Tools</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test keyboard...</source>
        <translation>Toetsenbord &amp;testen...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Programming &amp;log</source>
        <translation>Programmeer&amp;logboek</translation>
    </message>
    <message>
        <source>Key test</source>
        <translation>Toetstest</translation>
    </message>
    <message numerus="yes">
        <source>%n of %2 keys tested</source>
        <translation>
            <numerusform>%n van %2 toetsen getest</numerusform>
            <numerusform>%n van %2 toetsen getest</numerusform>
        </translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Opnieuw beginnen</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Rapport opslaan...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1 and %2 send the same codes.</source>
        <translation>%1 en %2 sturen dezelfde codes.</translation>
    </message>
    <message>
        <source>%1 sends the start of %2.</source>
        <translation>%1 stuurt het begin van %2.</translation>
    </message>
    <message>
        <source>%1 sends codes that no key press reports; it cannot be tested.</source>
        <translation>%1 stuurt codes die geen toetsaanslag meldt; deze toets kan niet getest worden.</translation>
    </message>
    <message>
        <source>%1 begins like the RFID prefix; its presses are read as cards.</source>
        <translation>%1 begint zoals de RFID-prefix; aanslagen op deze toets worden als kaarten gelezen.</translation>
    </message>
    <message>
        <source>Press each key of the keyboard. Click a key to say which one you press next.</source>
        <translation>Druk op elke toets van het toetsenbord. Klik op een toets om aan te geven welke u hierna indrukt.</translation>
    </message>
    <message>
        <source>Click a key: the emulated keyboard types it into the test.</source>
        <translation>Klik op een toets: het geëmuleerde toetsenbord typt hem in de test.</translation>
    </message>
    <message>
        <source>The layout has no programmed key to test.</source>
        <translation>De indeling heeft geen geprogrammeerde toets om te testen.</translation>
    </message>
    <message>
        <source>Text report (*.txt);;JSON report (*.json)</source>
        <translation>Tekstrapport (*.txt);;JSON-rapport (*.json)</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Kan %1 niet schrijven.</translation>
    </message>
    <message>
        <source>At %1 dpi a page image would be too large; this page can be exported at up to %2 dpi.</source>
        <translation>Bij %1 dpi zou een pagina-afbeelding te groot worden; deze pagina kan met hoogstens %2 dpi worden geëxporteerd.</translation>
    </message>
    <message>
        <source>Programming log</source>
        <translation>Programmeerlogboek</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>No run has been logged yet.</source>
        <translation>Er is nog geen programmeerronde vastgelegd.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <source>Layout file</source>
        <translation>Indelingsbestand</translation>
    </message>
    <message>
        <source>Image SHA-256</source>
        <translation>SHA-256 van de image</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Duration (ms)</source>
        <translation>Duur (ms)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Keyboard programmed</source>
        <translation>Toetsenbord geprogrammeerd</translation>
    </message>
    <message>
        <source>The keyboard is programmed. Keyboards done with this layout: %1.</source>
        <translation>Het toetsenbord is geprogrammeerd. Toetsenborden geprogrammeerd met deze indeling: %1.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test keyboard</source>
        <translation>Toetsenbord &amp;testen</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Program &amp;next keyboard</source>
        <translation>&amp;Volgende toetsenbord programmeren</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>The programming log %1 cannot be written.</source>
        <translation>Het programmeerlogboek %1 kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>unknown: %1</source>
        <translation>onbekend: %1</translation>
    </message>
    <message>
        <source>card %1: prefix %2, suffix %3, %4 digits %5, %6</source>
        <translation>kaart %1: prefix %2, suffix %3, %4 cijfers %5, %6</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>fout</translation>
    </message>
    <message>
        <source>numeric</source>
        <translation>numeriek</translation>
    </message>
    <message>
        <source>not numeric (numeric expected)</source>
        <translation>niet numeriek (numeriek verwacht)</translation>
    </message>
    <message>
        <source>not numeric</source>
        <translation>niet numeriek</translation>
    </message>
    <message>
        <source>Grey: not yet pressed. Green: matched. Red: expected, but another sequence came. Striped: cannot be told apart.</source>
        <translation>Grijs: nog niet ingedrukt. Groen: herkend. Rood: verwacht, maar er kwam een andere reeks. Gestreept: niet te onderscheiden.</translation>
    </message>
    <message>
        <source>key %1 &quot;%2&quot;</source>
        <translation>toets %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>error</source>
        <translation>fout</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>waarschuwing</translation>
    </message>
    <message>
        <source>The file is empty; it reads as a new 56-key layout.</source>
        <translation>Het bestand is leeg; het wordt gelezen als een nieuwe indeling met 56 toetsen.</translation>
    </message>
    <message>
        <source>The first number %1 is not 56, 57, 112 or 113; the file reads as a 56-key 16scan layout.</source>
        <translation>Het eerste getal %1 is niet 56, 57, 112 of 113; het bestand wordt gelezen als een 16scan-indeling met 56 toetsen.</translation>
    </message>
    <message>
        <source>The header has %1 of its %2 fields; the missing ones read as 0.</source>
        <translation>De kop heeft %1 van zijn %2 velden; de ontbrekende worden als 0 gelezen.</translation>
    </message>
    <message>
        <source>The header has surplus fields (%1) for its %2 form; they are ignored.</source>
        <translation>De kop heeft overtollige velden (%1) voor het formaat %2; ze worden genegeerd.</translation>
    </message>
    <message>
        <source>Keys type %1 is out of range 0..1 and reads as 1.</source>
        <translation>Toetstype %1 ligt buiten 0..1 en wordt als 1 gelezen.</translation>
    </message>
    <message>
        <source>Key beep %1 is out of range 0..1 and reads as 1.</source>
        <translation>Toetsgeluid %1 ligt buiten 0..1 en wordt als 1 gelezen.</translation>
    </message>
    <message>
        <source>Key delay %1 is out of range 0..3 and reads as 2.</source>
        <translation>Vertraging %1 ligt buiten 0..3 en wordt als 2 gelezen.</translation>
    </message>
    <message>
        <source>Typematic rate %1 is out of range 0..31 and reads as 11.</source>
        <translation>Herhaalsnelheid %1 ligt buiten 0..31 en wordt als 11 gelezen.</translation>
    </message>
    <message>
        <source>The RFID flags %1 do not fit a byte and read as %2.</source>
        <translation>De RFID-kenmerken %1 passen niet in een byte en worden als %2 gelezen.</translation>
    </message>
    <message>
        <source>The RFID flags %1 ask for %2 digits, more than 13; they read as 13.</source>
        <translation>De RFID-kenmerken %1 vragen %2 cijfers, meer dan 13; ze worden als 13 gelezen.</translation>
    </message>
    <message>
        <source>The RFID prefix %1 does not fit a byte and reads as %2.</source>
        <translation>De RFID-prefix %1 past niet in een byte en wordt als %2 gelezen.</translation>
    </message>
    <message>
        <source>The RFID suffix %1 does not fit a byte and reads as %2.</source>
        <translation>De RFID-suffix %1 past niet in een byte en wordt als %2 gelezen.</translation>
    </message>
    <message>
        <source>Keys pause %1 is out of range 1..255 and reads as 2.</source>
        <translation>Pauze tussen toetsen %1 ligt buiten 1..255 en wordt als 2 gelezen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; it reads as %2.</source>
        <translation>&quot;%1&quot; is geen getal; het wordt als %2 gelezen.</translation>
    </message>
    <message>
        <source>An empty line; it is ignored.</source>
        <translation>Een lege regel; deze wordt genegeerd.</translation>
    </message>
    <message>
        <source>The line has no key number; it is ignored.</source>
        <translation>De regel heeft geen toetsnummer; deze wordt genegeerd.</translation>
    </message>
    <message>
        <source>Key number %1 is outside 1..112; the line is ignored.</source>
        <translation>Toetsnummer %1 ligt buiten 1..112; de regel wordt genegeerd.</translation>
    </message>
    <message>
        <source>Key %1 lies outside the %2-key grid; it is not shown or programmed.</source>
        <translation>Toets %1 ligt buiten het toetsenraster van %2 toetsen; hij wordt niet getoond en niet geprogrammeerd.</translation>
    </message>
    <message>
        <source>Key %1 was given on line %2 already; this line replaces it.</source>
        <translation>Toets %1 stond al op regel %2; deze regel vervangt hem.</translation>
    </message>
    <message>
        <source>Key %1: code %2 is out of range 0..255 and reads as 0.</source>
        <translation>Toets %1: code %2 ligt buiten 0..255 en wordt als 0 gelezen.</translation>
    </message>
    <message>
        <source>Key %1: flags %2 are out of range 0..15; only %3 is kept.</source>
        <translation>Toets %1: kenmerken %2 liggen buiten 0..15; alleen %3 blijft behouden.</translation>
    </message>
    <message>
        <source>Key %1: the name is %2 bytes long; it is cut to 102.</source>
        <translation>Toets %1: de naam is %2 bytes lang; hij wordt ingekort tot 102.</translation>
    </message>
    <message>
        <source>Key %1: the line has surplus fields (%2): codes beyond what the variant holds, or a ';' or ',' in the name; they are not read.</source>
        <translation>Toets %1: de regel heeft overtollige velden (%2): codes voorbij wat de variant bevat, of een ';' of ',' in de naam; ze worden niet gelezen.</translation>
    </message>
    <message>
        <source>Key %1: the line is short of fields (%2 missing); they read as 0 and the name as empty.</source>
        <translation>Toets %1: de regel mist velden (ontbrekend: %2); ze worden als 0 gelezen en de naam als leeg.</translation>
    </message>
    <message>
        <source>The line is %1 bytes long, more than the 198 the format allows.</source>
        <translation>De regel is %1 bytes lang, meer dan de 198 die het formaat toestaat.</translation>
    </message>
    <message>
        <source>Reading stops at the line of key %1; the lines after it (%2) are not read.</source>
        <translation>Het lezen stopt bij de regel van toets %1; de regels daarna (%2) worden niet gelezen.</translation>
    </message>
    <message>
        <source>No line gives key %1; it stays empty.</source>
        <translation>Geen regel geeft toets %1; hij blijft leeg.</translation>
    </message>
    <message>
        <source>No line gives the keys %1; they stay empty.</source>
        <translation>Geen regel geeft de toetsen %1; ze blijven leeg.</translation>
    </message>
    <message>
        <source>Only the first %1 bytes of the file are read.</source>
        <translation>Alleen de eerste %1 bytes van het bestand worden gelezen.</translation>
    </message>
    <message>
        <source>Key %1 has a name but no codes.</source>
        <translation>Toets %1 heeft een naam maar geen codes.</translation>
    </message>
    <message>
        <source>Key %1 has codes but no name.</source>
        <translation>Toets %1 heeft codes maar geen naam.</translation>
    </message>
    <message>
        <source>Key %1 has codes after a first code of 0, so it counts as not programmed.</source>
        <translation>Toets %1 heeft codes na een eerste code 0 en geldt daarom als niet geprogrammeerd.</translation>
    </message>
    <message>
        <source>Key %1 sends the same codes as key %2; a key test cannot tell them apart.</source>
        <translation>Toets %1 stuurt dezelfde codes als toets %2; een toetstest kan ze niet onderscheiden.</translation>
    </message>
    <message>
        <source>Key %1 is marked as part of a double or quad key, but no other key has its codes; it shows as a single key.</source>
        <translation>Toets %1 is gemarkeerd als deel van een dubbele of viervoudige toets, maar geen andere toets heeft zijn codes; hij wordt als enkele toets getoond.</translation>
    </message>
    <message>
        <source>Keys %1 and %2 share their codes as a double key but are not neighbours.</source>
        <translation>De toetsen %1 en %2 delen hun codes als dubbele toets maar zijn geen buren.</translation>
    </message>
    <message>
        <source>%1 group keys share the codes of key %2; they show as the quad, double and single keys their places allow.</source>
        <translation>%1 groepstoetsen delen de codes van toets %2; ze worden getoond als de viervoudige, dubbele en enkele toetsen die hun plaatsen toelaten.</translation>
    </message>
    <message>
        <source>Keys %1 share their codes as a quad key but are not a square of 2 by 2 cells; they show as the double and single keys their places allow.</source>
        <translation>De toetsen %1 delen hun codes als viervoudige toets maar vormen geen vierkant van 2 bij 2 vakken; ze worden getoond als de dubbele en enkele toetsen die hun plaatsen toelaten.</translation>
    </message>
    <message>
        <source>No keyboard type takes this file as it stands (the image builder stops at step %1).</source>
        <translation>Geen enkel toetsenbordtype neemt dit bestand aan zoals het is (de opbouw van de image stopt bij stap %1).</translation>
    </message>
    <message>
        <source>Key %1: the programmed-keys list shows only the first 99 bytes of the name.</source>
        <translation>Toets %1: de lijst van geprogrammeerde toetsen toont alleen de eerste 99 bytes van de naam.</translation>
    </message>
    <message>
        <source>Keys %1 and %2 have the same name in the programmed-keys list; it lists only the first.</source>
        <translation>De toetsen %1 en %2 hebben dezelfde naam in de lijst van geprogrammeerde toetsen; die toont alleen de eerste.</translation>
    </message>
    <message>
        <source>Key %1 is only in the second layout.</source>
        <translation>Toets %1 staat alleen in de tweede indeling.</translation>
    </message>
    <message>
        <source>Key %1 is only in the first layout.</source>
        <translation>Toets %1 staat alleen in de eerste indeling.</translation>
    </message>
    <message>
        <source>Key %1 moved to %2.</source>
        <translation>Toets %1 is verplaatst naar %2.</translation>
    </message>
    <message>
        <source>Key %1: the name &quot;%2&quot; becomes &quot;%3&quot;.</source>
        <translation>Toets %1: de naam &quot;%2&quot; wordt &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Key %1: the codes %2 become %3.</source>
        <translation>Toets %1: de codes %2 worden %3.</translation>
    </message>
    <message>
        <source>Key %1: the flags %2 become %3.</source>
        <translation>Toets %1: de kenmerken %2 worden %3.</translation>
    </message>
    <message>
        <source>Key %1: mode %2 becomes mode %3.</source>
        <translation>Toets %1: modus %2 wordt modus %3.</translation>
    </message>
    <message>
        <source>Key %1: the cells %2 become %3.</source>
        <translation>Toets %1: de vakken %2 worden %3.</translation>
    </message>
    <message>
        <source>The layout of %1 keys becomes one of %2 keys.</source>
        <translation>De indeling met %1 toetsen wordt er een met %2 toetsen.</translation>
    </message>
    <message>
        <source>Keys type %1 becomes %2.</source>
        <translation>Het toetstype verandert van %1 in %2.</translation>
    </message>
    <message>
        <source>Key beep %1 becomes %2.</source>
        <translation>Het toetsgeluid verandert van %1 in %2.</translation>
    </message>
    <message>
        <source>Key delay %1 becomes %2.</source>
        <translation>De vertraging verandert van %1 in %2.</translation>
    </message>
    <message>
        <source>Typematic rate %1 becomes %2.</source>
        <translation>De herhaalsnelheid verandert van %1 in %2.</translation>
    </message>
    <message>
        <source>Keys pause %1 becomes %2.</source>
        <translation>De pauze tussen toetsen verandert van %1 in %2.</translation>
    </message>
    <message>
        <source>RFID digit count %1 becomes %2.</source>
        <translation>Het aantal RFID-cijfers verandert van %1 in %2.</translation>
    </message>
    <message>
        <source>RFID digits numeric %1 becomes %2.</source>
        <translation>De RFID-optie ‘numerieke cijfers’ verandert van %1 in %2.</translation>
    </message>
    <message>
        <source>RFID prefix %1 becomes %2.</source>
        <translation>De RFID-prefix verandert van %1 in %2.</translation>
    </message>
    <message>
        <source>RFID prefix extended %1 becomes %2.</source>
        <translation>De RFID-optie ‘uitgebreide prefix’ verandert van %1 in %2.</translation>
    </message>
    <message>
        <source>RFID suffix %1 becomes %2.</source>
        <translation>De RFID-suffix verandert van %1 in %2.</translation>
    </message>
    <message>
        <source>RFID suffix extended %1 becomes %2.</source>
        <translation>De RFID-optie ‘uitgebreide suffix’ verandert van %1 in %2.</translation>
    </message>
    <message>
        <source>Key %1 is not in the file.</source>
        <translation>Toets %1 staat niet in het bestand.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of this file were not read exactly as written.</source>
        <translation>
            <numerusform>%n regel van dit bestand is niet precies zo gelezen als hij geschreven is.</numerusform>
            <numerusform>%n regels van dit bestand zijn niet precies zo gelezen als ze geschreven zijn.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file was not read exactly as written.</source>
        <translation>Dit bestand is niet precies zo gelezen als het geschreven is.</translation>
    </message>
    <message numerus="yes">
        <source>This file has %n doubtful points.</source>
        <translation>
            <numerusform>Dit bestand heeft %n twijfelachtig punt.</numerusform>
            <numerusform>Dit bestand heeft %n twijfelachtige punten.</numerusform>
        </translation>
    </message>
    <message>
        <source>One line of this file was not read exactly as written.</source>
        <translation>Eén regel van dit bestand is niet precies zo gelezen als hij geschreven is.</translation>
    </message>
    <message>
        <source>This file has one doubtful point.</source>
        <translation>Dit bestand heeft één twijfelachtig punt.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Details...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>What the reader changed</source>
        <translation>Wat bij het lezen is veranderd</translation>
    </message>
    <message>
        <source>Data will be lost</source>
        <translation>Er gaan gegevens verloren</translation>
    </message>
    <message>
        <source>The %1 form cannot hold all of this layout; saving it loses:</source>
        <translation>Het formaat %1 kan deze indeling niet volledig bevatten; bij het opslaan gaat verloren:</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Toch opslaan?</translation>
    </message>
    <message>
        <source>... and %1 more messages of this kind, from this line on.</source>
        <translation>... en nog %1 meldingen van deze soort, vanaf deze regel.</translation>
    </message>
    <message>
        <source>... (%1 bytes)</source>
        <translation>... (%1 bytes)</translation>
    </message>
    <message>
        <source>Stopped by %1.</source>
        <translation>Gestopt door %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... en nog %1.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Compare &amp;with...</source>
        <translation>&amp;Vergelijken met...</translation>
    </message>
    <message>
        <source>Differences from %1</source>
        <translation>Verschillen met %1</translation>
    </message>
    <message>
        <source>The layouts are equal.</source>
        <translation>De indelingen zijn gelijk.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Kan %1 niet lezen.</translation>
    </message>
    <message>
        <source>This is not a plain file (it is a folder, pipe, socket or device), so it cannot be opened.</source>
        <translation>Dit is geen gewoon bestand (maar een map, pipe, socket of apparaat) en kan daarom niet worden geopend.</translation>
    </message>
    <message>
        <source>The layout for the keyboard could not be written to the temporary folder.</source>
        <translation>De indeling voor het toetsenbord kon niet naar de tijdelijke map worden geschreven.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes reached the keyboard.</source>
        <translation>%1 van %2 bytes hebben het toetsenbord bereikt.</translation>
    </message>
    <message>
        <source>The keyboard stopped answering.</source>
        <translation>Het toetsenbord reageert niet meer.</translation>
    </message>
    <message>
        <source>The keyboard was disconnected.</source>
        <translation>De verbinding met het toetsenbord is verbroken.</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1 from %2?

The layout has %3 keys; programmed: %4.</source>
        <translation>Niet-opgeslagen wijzigingen in %1 van %2 herstellen?

De indeling heeft %3 toetsen; geprogrammeerd: %4.</translation>
    </message>
    <message>
        <source>Discard these unsaved changes for good? They cannot be recovered afterwards.</source>
        <translation>Deze niet-opgeslagen wijzigingen definitief verwijderen? Ze kunnen daarna niet meer worden hersteld.</translation>
    </message>
    <message>
        <source>A recovery file could not be read and was set aside: %1</source>
        <translation>Een herstelbestand kon niet worden gelezen en is opzijgezet: %1</translation>
    </message>
    <message>
        <source>The settings could not be read, so the defaults are used. The damaged file was kept as %1</source>
        <translation>De instellingen konden niet worden gelezen, daarom gelden de standaardwaarden. Het beschadigde bestand is bewaard als %1</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Overwrite it with this layout?</source>
        <translation>%1 is sinds het openen door een ander programma gewijzigd. Overschrijven met deze indeling?</translation>
    </message>
    <message>
        <source>%1 was removed by another program since it was opened. Save this layout there again?</source>
        <translation>%1 is sinds het openen door een ander programma verwijderd. Deze indeling daar opnieuw opslaan?</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it from the disk?</source>
        <translation>%1 is door een ander programma gewijzigd. Opnieuw laden van de schijf?</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it from the disk? Your unsaved changes are lost.</source>
        <translation>%1 is door een ander programma gewijzigd. Opnieuw laden van de schijf? Uw niet-opgeslagen wijzigingen gaan verloren.</translation>
    </message>
    <message>
        <source>Recover unsaved changes to an untitled layout from %1?

The layout has %2 keys; programmed: %3.</source>
        <translation>Niet-opgeslagen wijzigingen in een naamloze indeling van %1 herstellen?

De indeling heeft %2 toetsen; geprogrammeerd: %3.</translation>
    </message>
    <message>
        <source>The key pitch must be between 5 and 60 mm.</source>
        <translation>De toetsafstand moet tussen 5 en 60 mm liggen.</translation>
    </message>
    <message>
        <source>A legend must be at least 3 mm wide and high and no larger than the key pitch.</source>
        <translation>Een label moet minstens 3 mm breed en hoog zijn en mag niet groter zijn dan de toetsafstand.</translation>
    </message>
    <message>
        <source>The page is too small for the legends and the 100 mm ruler.</source>
        <translation>De pagina is te klein voor de labels en de liniaal van 100 mm.</translation>
    </message>
    <message>
        <source>A legend does not fit on the page; choose a larger page or smaller sizes.</source>
        <translation>Een label past niet op de pagina; kies een grotere pagina of kleinere maten.</translation>
    </message>
    <message>
        <source>%1 - page %2 of %3</source>
        <translation>%1 - pagina %2 van %3</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(naamloos)</translation>
    </message>
    <message>
        <source>Ruler 100 mm, square %1 x %2 mm: if they measure otherwise, the printer scaled the page.</source>
        <translation>Liniaal 100 mm, vierkant %1 x %2 mm: meten ze anders, dan heeft de printer de pagina geschaald.</translation>
    </message>
    <message>
        <source>Keys: %1, file format: %2</source>
        <translation>Toetsen: %1, bestandsformaat: %2</translation>
    </message>
    <message>
        <source>Keys type: %1</source>
        <translation>Toetstype: %1</translation>
    </message>
    <message>
        <source>Key beep: %1, key delay: %2, typematic rate: %3, keys pause: %4 ms</source>
        <translation>Toetsgeluid: %1, vertraging: %2, herhaalsnelheid: %3, pauze tussen toetsen: %4 ms</translation>
    </message>
    <message>
        <source>RFID options</source>
        <translation>RFID-opties</translation>
    </message>
    <message>
        <source>Digits: %1, numeric: %2</source>
        <translation>Cijfers: %1, numeriek: %2</translation>
    </message>
    <message>
        <source>Prefix: %1 (extended: %2), suffix: %3 (extended: %4)</source>
        <translation>Prefix: %1 (uitgebreid: %2), suffix: %3 (uitgebreid: %4)</translation>
    </message>
    <message>
        <source>Programmed keys</source>
        <translation>Geprogrammeerde toetsen</translation>
    </message>
    <message>
        <source>Flags: G group key, S single key. Mode: the key mode 1 to 3.</source>
        <translation>Kenmerken: G groepstoets, S enkele toets. Modus: de toetsmodus 1 tot 3.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nee</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
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
        <translation>Kenmerken</translation>
    </message>
    <message>
        <source>This build of the program cannot write SVG files (it was built without Qt SVG).</source>
        <translation>Deze versie van het programma kan geen SVG-bestanden schrijven (deze is gebouwd zonder Qt SVG).</translation>
    </message>
    <message>
        <source>The resolution must be between 30 and 2400 dots per inch.</source>
        <translation>De resolutie moet tussen 30 en 2400 punten per inch liggen.</translation>
    </message>
    <message>
        <source>There is nothing to print.</source>
        <translation>Er is niets om af te drukken.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .svg or .png.</source>
        <translation>De bestandsnaam moet eindigen op .pdf, .svg of .png.</translation>
    </message>
    <message>
        <source>Legends</source>
        <translation>Labels</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;pitch:</source>
        <translation>Toets&amp;afstand:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legend &amp;width (single key):</source>
        <translation>&amp;Breedte label (enkele toets):</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legend &amp;height (single key):</source>
        <translation>&amp;Hoogte label (enkele toets):</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>P&amp;aper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Margins:</source>
        <translation>&amp;Marges:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Resolution:</source>
        <translation>&amp;Resolutie:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Pac&amp;k legends to save paper (instead of as on the keyboard)</source>
        <translation>Labels &amp;compact plaatsen om papier te sparen (niet zoals op het toetsenbord)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Blank legends for keys without a name</source>
        <translation>&amp;Lege labels voor toetsen zonder naam</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Cut marks at the corners</source>
        <translation>&amp;Snijtekens op de hoeken</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Thin &amp;frame around each legend</source>
        <translation>Dunne ran&amp;d om elk label</translation>
    </message>
    <message>
        <source>The type size must be between 1 and 10 mm, or automatic.</source>
        <translation>De lettergrootte moet tussen 1 en 10 mm liggen, of automatisch zijn.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Type size:</source>
        <translation>Letter&amp;grootte:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>These legends do not fit at the type size of the others (%1 mm) and are set smaller: %2</source>
        <translation>Deze labels passen niet in de lettergrootte van de andere (%1 mm) en zijn kleiner gezet: %2</translation>
    </message>
    <message>
        <source>As the printer is set up</source>
        <translation>Zoals de printer is ingesteld</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Print &amp;legends...</source>
        <translation>&amp;Labels afdrukken...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Print layout s&amp;heet...</source>
        <translation>Indelings&amp;blad afdrukken...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as &amp;PDF...</source>
        <translation>Labels als &amp;PDF...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as &amp;SVG...</source>
        <translation>Labels als &amp;SVG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as P&amp;NG...</source>
        <translation>Labels als P&amp;NG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as P&amp;DF...</source>
        <translation>Indelingsblad als P&amp;DF...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as S&amp;VG...</source>
        <translation>Indelingsblad als S&amp;VG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as PN&amp;G...</source>
        <translation>Indelingsblad als PN&amp;G...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-documenten (*.pdf)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>SVG-afbeeldingen (*.svg)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-afbeeldingen (*.png)</translation>
    </message>
    <message>
        <source>Written:
%1</source>
        <translation>Export voltooid:
%1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>De printer kon niet worden gestart.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Undo %s</source>
        <translation>&amp;Ongedaan maken: %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Redo</source>
        <translation>Opnieuw &amp;uitvoeren</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Redo %s</source>
        <translation>Opnieuw &amp;uitvoeren: %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Single key flag</source>
        <translation>Kenmerk enkele toets</translation>
    </message>
    <message>
        <source>Clear key</source>
        <translation>Toets wissen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Move key</source>
        <translation>Toets verplaatsen</translation>
    </message>
    <message>
        <source>Swap keys</source>
        <translation>Toetsen verwisselen</translation>
    </message>
    <message>
        <source>Copy of key</source>
        <translation>Kopie van toets</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Indeling: %1</translation>
    </message>
    <message>
        <source>Layout: %1 (unsaved changes)</source>
        <translation>Indeling: %1 (niet-opgeslagen wijzigingen)</translation>
    </message>
    <message>
        <source>Layout: unsaved layout</source>
        <translation>Indeling: niet-opgeslagen indeling</translation>
    </message>
    <message>
        <source>There is no room for a quad key here.</source>
        <translation>Hier is geen ruimte voor een viervoudige toets.</translation>
    </message>
    <message>
        <source>There is no room for a double key here.</source>
        <translation>Hier is geen ruimte voor een dubbele toets.</translation>
    </message>
    <message>
        <source>Save As 7/3scan</source>
        <translation>Opslaan als 7/3scan</translation>
    </message>
    <message>
        <source>Save As 16scan</source>
        <translation>Opslaan als 16scan</translation>
    </message>
    <message>
        <source>Save As left side</source>
        <translation>Opslaan als linkerkant</translation>
    </message>
    <message>
        <source>Save As right side</source>
        <translation>Opslaan als rechterkant</translation>
    </message>
    <message>
        <source>The window will then show the layout as saved; Undo brings the rest back.</source>
        <translation>Het venster toont de indeling daarna zoals die is opgeslagen; Ongedaan maken haalt de rest terug.</translation>
    </message>
    <message>
        <source>The clipboard holds no key that can be pasted.</source>
        <translation>Het klembord bevat geen toets die geplakt kan worden.</translation>
    </message>
    <message>
        <source>The key does not fit at key %d: its cells are not free.</source>
        <translation>De toets past niet op toets %d: de vakken daar zijn niet vrij.</translation>
    </message>
    <message>
        <source>Replace key %s with %s ?</source>
        <translation>Toets %s vervangen door %s?</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;menu</source>
        <translation>Toets&amp;menu</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 per second</source>
        <translation>%1 per seconde</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached takes 7/3scan layouts (type 0).</source>
        <translation>De indeling is voor een toetsenbord met %1 toetsen (%2); het aangesloten toetsenbord neemt 7/3scan-indelingen (type 0).</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached is a single keyboard (type 1).</source>
        <translation>De indeling is voor een toetsenbord met %1 toetsen (%2); het aangesloten toetsenbord is een enkel toetsenbord (type 1).</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached is a double keyboard (type 2).</source>
        <translation>De indeling is voor een toetsenbord met %1 toetsen (%2); het aangesloten toetsenbord is een dubbel toetsenbord (type 2).</translation>
    </message>
    <message>
        <source>Open a 7/3scan layout, or save this one as 7/3scan with File &gt; Save As and program that file.</source>
        <translation>Open een 7/3scan-indeling, of sla deze op als 7/3scan met Bestand &gt; Opslaan als en programmeer dat bestand.</translation>
    </message>
    <message>
        <source>Open a 16scan layout of 56 keys, or change the keyboard type in File &gt; Settings.</source>
        <translation>Open een 16scan-indeling met 56 toetsen, of wijzig het toetsenbordtype in Bestand &gt; Instellingen.</translation>
    </message>
    <message>
        <source>Open a 16scan layout of 112 keys, or change the keyboard type in File &gt; Settings.</source>
        <translation>Open een 16scan-indeling met 112 toetsen, of wijzig het toetsenbordtype in Bestand &gt; Instellingen.</translation>
    </message>
    <message>
        <source>The keyboard's device %1 could not be opened. Check that the keyboard is connected, that its driver is installed and that you may use the device.</source>
        <translation>Het apparaat %1 van het toetsenbord kon niet worden geopend. Controleer of het toetsenbord is aangesloten, het stuurprogramma is geïnstalleerd en u het apparaat mag gebruiken.</translation>
    </message>
    <message>
        <source>Check the keyboard's cable and connection, then program it again.</source>
        <translation>Controleer de kabel en aansluiting van het toetsenbord en programmeer het opnieuw.</translation>
    </message>
    <message>
        <source>The keyboard answered with a type this program does not know. Check that a Vorlan keyboard is attached.</source>
        <translation>Het toetsenbord meldde een type dat dit programma niet kent. Controleer of er een Vorlan-toetsenbord is aangesloten.</translation>
    </message>
    <message>
        <source>The layout file %1 could not be read. Check that it exists and that you may read it.</source>
        <translation>Het indelingsbestand %1 kon niet worden gelezen. Controleer of het bestaat en of u het mag lezen.</translation>
    </message>
    <message>
        <source>The layout file %1 is not one the keyboard can take. Open it in the program, check its keys and settings, and save it again.</source>
        <translation>Het toetsenbord kan het indelingsbestand %1 niet aannemen. Open het in het programma, controleer de toetsen en instellingen en sla het opnieuw op.</translation>
    </message>
    <message>
        <source>Keyboard: asking for its type</source>
        <translation>Toetsenbord: type wordt opgevraagd</translation>
    </message>
    <message>
        <source>Keyboard: 7/3scan (type 0)</source>
        <translation>Toetsenbord: 7/3scan (type 0)</translation>
    </message>
    <message>
        <source>Keyboard: single, 56 keys (type 1)</source>
        <translation>Toetsenbord: enkel, 56 toetsen (type 1)</translation>
    </message>
    <message>
        <source>Keyboard: double, 112 keys (type 2)</source>
        <translation>Toetsenbord: dubbel, 112 toetsen (type 2)</translation>
    </message>
    <message>
        <source>%1 of %2 bytes sent, about %3 s left</source>
        <translation>%1 van %2 bytes verzonden, nog ongeveer %3 s</translation>
    </message>
    <message>
        <source>Escape stops the run; the keyboard then needs programming again.</source>
        <translation>Esc stopt het programmeren; het toetsenbord moet daarna opnieuw worden geprogrammeerd.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were written; the keyboard will not work until it is programmed again.</source>
        <translation>%1 van %2 bytes zijn geschreven; het toetsenbord werkt pas weer als het opnieuw is geprogrammeerd.</translation>
    </message>
    <message>
        <source>Vorlan help</source>
        <translation>Vorlan-help</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>F&amp;ind in page:</source>
        <translation>Op pagina &amp;zoeken:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Next</source>
        <translation>V&amp;olgende</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Niet gevonden</translation>
    </message>
    <message>
        <source>Every key pressed is captured, held keys included. Capturing pauses 3 seconds after the dialog opens or the last key is let go: then %1 moves between the buttons, %2 presses one and %3 cancels.</source>
        <translation>Elke ingedrukte toets wordt vastgelegd, ook vastgehouden toetsen. Het vastleggen pauzeert 3 seconden na het openen of na het loslaten van de laatste toets: dan gaat %1 langs de knoppen, drukt %2 de gekozen knop in en annuleert %3.</translation>
    </message>
    <message>
        <source>Capturing paused. %1 confirms with OK, %2 cancels, %3 moves to the other buttons; &quot;Capture again&quot; takes more keys.</source>
        <translation>Vastleggen gepauzeerd. %1 bevestigt met OK, %2 annuleert, %3 gaat naar de andere knoppen; &quot;Opnieuw vastleggen&quot; neemt meer toetsen op.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Capture &amp;again</source>
        <translation>Opnieuw &amp;vastleggen</translation>
    </message>
    <message>
        <source>Capturing pauses in %1 s.</source>
        <translation>Het vastleggen pauzeert over %1 s.</translation>
    </message>
    <message>
        <source>Key %1 has key mode %2, outside 1 to 3.</source>
        <translation>Toets %1 heeft toetsmodus %2, buiten 1 tot 3.</translation>
    </message>
    <message>
        <source>Keys with a mode outside 1 to 3 (as read from the file): %1.</source>
        <translation>Toetsen met een modus buiten 1 tot 3 (zoals uit het bestand gelezen): %1.</translation>
    </message>
    <message>
        <source>These files are there already:
%1
Replace them?</source>
        <translation>Deze bestanden bestaan al:
%1
Vervangen?</translation>
    </message>
    <message>
        <source>%1 reads as a layout file: the report is not written over it. Choose another name.</source>
        <translation>%1 is te lezen als indelingsbestand: het rapport wordt er niet overheen geschreven. Kies een andere naam.</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings about the keys of this layout:</source>
        <translation>
            <numerusform>%n waarschuwing over de toetsen van deze indeling:</numerusform>
            <numerusform>%n waarschuwingen over de toetsen van deze indeling:</numerusform>
        </translation>
    </message>
    <message>
        <source>To close the test, hold %1 down for 2 seconds.</source>
        <translation>Houd %1 2 seconden ingedrukt om de test te sluiten.</translation>
    </message>
    <message>
        <source>This file does not start as a layout file does; it was read with the reader's defaults.</source>
        <translation>Dit bestand begint niet zoals een indelingsbestand; het is gelezen met de standaardwaarden van de lezer.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>PC &amp;keyboard layout</source>
        <translation>&amp;PC-toetsenbordindeling</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Automatic (%s)</source>
        <translation>&amp;Automatisch (%s)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Standard key names</source>
        <translation>&amp;Standaardtoetsnamen</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>geen gevonden</translation>
    </message>
    <message>
        <source>US</source>
        <translation>VS</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Brits</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Austrian</source>
        <translation>Oostenrijks</translation>
    </message>
    <message>
        <source>Swiss German</source>
        <translation>Zwitsers-Duits</translation>
    </message>
    <message>
        <source>Swiss French</source>
        <translation>Zwitsers-Frans</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Belgian</source>
        <translation>Belgisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugees</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Fins</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Deens</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Noors</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tsjechisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongaars</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turks</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;System language</source>
        <translation>&amp;Systeemtaal</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>The language changes to %1 when the program is started again.</source>
        <translation>Gekozen taal: %1. Deze geldt vanaf de volgende start van het programma.</translation>
    </message>
    <message>
        <source>The language changes to the system's when the program is started again.</source>
        <translation>Gekozen taal: die van het systeem. Deze geldt vanaf de volgende start van het programma.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Save &amp;ink: outline the keys instead of filling them in colour</source>
        <translation>&amp;Inkt besparen: toetsen omlijnen in plaats van in kleur vullen</translation>
    </message>
    <message numerus="yes">
        <source>The files of this export will take about %1 MB (%n pages at %3 dpi). Export them?</source>
        <translation>
            <numerusform>De bestanden van deze export worden ongeveer %1 MB (%n pagina op %3 dpi). Exporteren?</numerusform>
            <numerusform>De bestanden van deze export worden ongeveer %1 MB (%n pagina's op %3 dpi). Exporteren?</numerusform>
        </translation>
    </message>
    <message>
        <source>The page is too small: inside its margins it leaves %1 mm, and at least %2 mm are needed. Choose a larger paper or smaller margins.</source>
        <translation>De pagina is te klein: binnen de marges blijft %1 mm over en er is minstens %2 mm nodig. Kies een groter papierformaat of kleinere marges.</translation>
    </message>
    <message numerus="yes">
        <source>None of the chosen pages is there: the document has %n pages.</source>
        <translation>
            <numerusform>Geen van de gekozen pagina's bestaat: het document heeft %n pagina.</numerusform>
            <numerusform>Geen van de gekozen pagina's bestaat: het document heeft %n pagina's.</numerusform>
        </translation>
    </message>
    <message>
        <source>Image SHA-256: %1</source>
        <translation>SHA-256 van de image: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>toets %1</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>geslaagd</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>mislukt</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>niet getest</translation>
    </message>
    <message>
        <source>(ambiguous)</source>
        <translation>(niet te onderscheiden)</translation>
    </message>
    <message>
        <source>%1-key-test</source>
        <translation>%1-toetstest</translation>
    </message>
    <message>
        <source>key-test</source>
        <translation>toetstest</translation>
    </message>
    <message>
        <source>done</source>
        <translation>klaar</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>geannuleerd na %1 bytes</translation>
    </message>
    <message>
        <source>(after %1 bytes)</source>
        <translation>(na %1 bytes)</translation>
    </message>
    <message>
        <source>keyboard detected, nothing written</source>
        <translation>toetsenbord gevonden, niets geschreven</translation>
    </message>
    <message>
        <source>interrupted (bytes written not known)</source>
        <translation>onderbroken (geschreven bytes onbekend)</translation>
    </message>
    <message>
        <source>incomplete: %1 of %2 bytes</source>
        <translation>onvolledig: %1 van %2 bytes</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>fout %1</translation>
    </message>
    <message>
        <source>unsaved layout</source>
        <translation>niet-opgeslagen indeling</translation>
    </message>
    <message>
        <source>%1 (unsaved changes)</source>
        <translation>%1 (niet-opgeslagen wijzigingen)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Gebruik:</translation>
    </message>
    <message>
        <source>a layout file to open at start</source>
        <translation>een indelingsbestand dat bij het starten wordt geopend</translation>
    </message>
    <message>
        <source>Program an emulated keyboard of type N (0: 7/3scan images, 1: single 16scan, 2: double 16scan) instead of the device, with the fault options of vorlanctl program.</source>
        <translation>Een geëmuleerd toetsenbord van type N (0: 7/3scan-images, 1: enkel 16scan, 2: dubbel 16scan) programmeren in plaats van het apparaat, met de storingsopties van vorlanctl program.</translation>
    </message>
    <message>
        <source>With --emulate: save the bytes the emulated keyboard received in each run.</source>
        <translation>Met --emulate: de bytes opslaan die het geëmuleerde toetsenbord bij elke doorloop ontving.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Print the usage and exit.</source>
        <translation>Het gebruik tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Print when the main window was first painted, then quit (for the start-up benchmark).</source>
        <translation>Tonen wanneer het hoofdvenster voor het eerst is getekend en dan afsluiten (voor de opstartmeting).</translation>
    </message>
    <message>
        <source>The keyboard's device is VORLAN_DEVICE (default %1).</source>
        <translation>Het apparaat van het toetsenbord is VORLAN_DEVICE (standaard %1).</translation>
    </message>
    <message>
        <source>User guide: %1</source>
        <translation>Handleiding: %1</translation>
    </message>
    <message>
        <source>--emulate needs a keyboard type: 0, 1 or 2, with fault options (N,option,...)</source>
        <translation>--emulate verwacht een toetsenbordtype: 0, 1 of 2, met storingsopties (N,optie,...)</translation>
    </message>
    <message>
        <source>--received needs a file name</source>
        <translation>--received verwacht een bestandsnaam</translation>
    </message>
    <message>
        <source>only one layout file (also given: %1)</source>
        <translation>slechts één indelingsbestand (ook opgegeven: %1)</translation>
    </message>
    <message>
        <source>--received needs an emulated keyboard (--emulate N)</source>
        <translation>--received verwacht een geëmuleerd toetsenbord (--emulate N)</translation>
    </message>
    <message>
        <source>Program a &amp;batch...</source>
        <translation>&amp;Batch programmeren...</translation>
    </message>
    <message>
        <source>Program a batch</source>
        <translation>Batch programmeren</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Order &amp;reference:</source>
        <translation>Order&amp;referentie:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Number of keyboards:</source>
        <translation>&amp;Aantal toetsenborden:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test after each keyboard:</source>
        <translation>&amp;Test na elk toetsenbord:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>The programmed keys</source>
        <translation>De geprogrammeerde toetsen</translation>
    </message>
    <message>
        <source>Every key</source>
        <translation>Elke toets</translation>
    </message>
    <message>
        <source>A batch programs the layout as it is saved, never unsaved changes. Save the layout now?</source>
        <translation>Een batch programmeert de indeling zoals die is opgeslagen, nooit niet-opgeslagen wijzigingen. De indeling nu opslaan?</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Keyboard %1 of %2</source>
        <translation>Toetsenbord %1 van %2</translation>
    </message>
    <message>
        <source>Waiting for a keyboard...</source>
        <translation>Wachten op een toetsenbord...</translation>
    </message>
    <message>
        <source>Passed. Take the keyboard away.</source>
        <translation>Geslaagd. Haal het toetsenbord weg.</translation>
    </message>
    <message>
        <source>Programming... %1 %</source>
        <translation>Programmeren... %1 %</translation>
    </message>
    <message>
        <source>Testing: press every key (%1 of %2)</source>
        <translation>Test: druk op elke toets (%1 van %2)</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Mislukt: %1</translation>
    </message>
    <message>
        <source>Enter: go on    R: retry    S: set aside    Escape: pause</source>
        <translation>Enter: verder    R: opnieuw    S: apart leggen    Esc: pauze</translation>
    </message>
    <message>
        <source>The batch is paused. End it now? %1 of %2 keyboards passed.</source>
        <translation>De batch is gepauzeerd. Nu beëindigen? %1 van %2 toetsenborden geslaagd.</translation>
    </message>
    <message numerus="yes">
        <source>The batch is complete: %n keyboards passed.</source>
        <translation>
            <numerusform>De batch is klaar: %n toetsenbord geslaagd.</numerusform>
            <numerusform>De batch is klaar: %n toetsenborden geslaagd.</numerusform>
        </translation>
    </message>
    <message>
        <source>A batch stopped before its end: order %1, %2 of %3 keyboards passed. Resume it?</source>
        <translation>Een batch stopte voor het einde: order %1, %2 van %3 toetsenborden geslaagd. Hervatten?</translation>
    </message>
    <message numerus="yes">
        <source>%n keys cannot be tested from key presses</source>
        <translation>
            <numerusform>%n toets kan niet met toetsaanslagen worden getest</numerusform>
            <numerusform>%n toetsen kunnen niet met toetsaanslagen worden getest</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF report (*.pdf);;CSV table (*.csv)</source>
        <translation>PDF-rapport (*.pdf);;CSV-tabel (*.csv)</translation>
    </message>
    <message>
        <source>passed</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>geslaagd</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>mislukt</translation>
    </message>
    <message>
        <source>set aside</source>
        <translation>apart gelegd</translation>
    </message>
    <message>
        <source>not tested</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>niet getest</translation>
    </message>
    <message>
        <source>no test</source>
        <translation>geen test</translation>
    </message>
    <message>
        <source>Batch report</source>
        <translation>Batchrapport</translation>
    </message>
    <message>
        <source>Order: %1</source>
        <translation>Order: %1</translation>
    </message>
    <message>
        <source>Layout file: %1</source>
        <translation>Indelingsbestand: %1</translation>
    </message>
    <message>
        <source>Image SHA-256: %1</source>
        <comment>batch report</comment>
        <translation>SHA-256 van de image: %1</translation>
    </message>
    <message>
        <source>Station: %1</source>
        <translation>Station: %1</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Van %1 tot %2</translation>
    </message>
    <message>
        <source>Passed: %1    Failed: %2    Set aside: %3</source>
        <translation>Geslaagd: %1    Mislukt: %2    Apart gelegd: %3</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Uitkomst</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>Batch &amp;report...</source>
        <translation>Batch&amp;rapport...</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Stop programming this keyboard? It will need programming again.</source>
        <translation>Het programmeren van dit toetsenbord stoppen? Het moet dan opnieuw worden geprogrammeerd.</translation>
    </message>
    <message>
        <source>Enter: go on    Escape: pause</source>
        <translation>Enter: verder    Esc: pauze</translation>
    </message>
    <message>
        <source>Escape: stop programming this keyboard</source>
        <translation>Esc: programmeren van dit toetsenbord stoppen</translation>
    </message>
    <message>
        <source>No keyboard is in progress.</source>
        <translation>Er is geen toetsenbord in behandeling.</translation>
    </message>
    <message>
        <source>The keyboard on the station passed and is recorded.</source>
        <translation>Het toetsenbord op het station is geslaagd en vastgelegd.</translation>
    </message>
    <message>
        <source>The keyboard on the station is recorded as failed and will need programming again.</source>
        <translation>Het toetsenbord op het station wordt als mislukt vastgelegd; opnieuw programmeren is nodig.</translation>
    </message>
    <message>
        <source>No ends the batch: its keyboards so far stay in the programming log, and Tools &gt; Batch report still writes its report.</source>
        <translation>'Nee' beëindigt de batch: de toetsenborden tot nu toe blijven in het programmeerlogboek, en Extra &gt; Batchrapport schrijft nog steeds het rapport.</translation>
    </message>
    <message>
        <source>Still to press: %1</source>
        <translation>Nog in te drukken: %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 en nog %2</translation>
    </message>
    <message>
        <source>Keyboard type found: %1. Bytes written: %2 of %3.</source>
        <translation>Gevonden toetsenbordtype: %1. Geschreven bytes: %2 van %3.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>the keyboard sent %1 (codes %2), which no key of the layout sends</source>
        <translation>het toetsenbord stuurde %1 (codes %2), wat geen toets van de indeling stuurt</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Save report... (%1)</source>
        <translation>Rapport o&amp;pslaan... (%1)</translation>
    </message>
    <message>
        <source>Enter an order reference: it names the batch in the log and in the report.</source>
        <translation>Voer een orderreferentie in: die benoemt de batch in het logboek en in het rapport.</translation>
    </message>
    <message>
        <source>The order reference is too long: at most %1 bytes.</source>
        <translation>De orderreferentie is te lang: hoogstens %1 bytes.</translation>
    </message>
    <message>
        <source>The order reference cannot hold tabs, line ends or other control characters.</source>
        <translation>De orderreferentie mag geen tabs, regeleinden of andere stuurtekens bevatten.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Batch (order):</source>
        <translation>&amp;Batch (order):</translation>
    </message>
    <message>
        <source>The programming log holds no batch yet.</source>
        <translation>Het programmeerlogboek bevat nog geen batch.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be typed on a %2 PC keyboard (character %3)</source>
        <translation>‘%1’ kan niet worden getypt op een pc-toetsenbord %2 (teken %3)</translation>
    </message>
    <message>
        <source>The text needs %1 codes and a key holds 16: it stops fitting at character %2</source>
        <translation>De tekst heeft %1 codes nodig en een toets bevat er 16: vanaf teken %2 past hij niet meer</translation>
    </message>
    <message>
        <source>No key is named &quot;{%1}&quot; (character %2); write {{ for a brace</source>
        <translation>Geen toets heet ‘{%1}’ (teken %2); schrijf {{ voor een accolade</translation>
    </message>
    <message>
        <source>The &quot;{&quot; at character %1 has no closing &quot;}&quot;; write {{ for a brace</source>
        <translation>De ‘{’ bij teken %1 heeft geen sluitende ‘}’; schrijf {{ voor een accolade</translation>
    </message>
    <message>
        <source>The keyboard holds each code down until the key is let go, so the key types &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>Het toetsenbord houdt elke code ingedrukt tot de toets wordt losgelaten, dus de toets typt ‘%1’, niet ‘%2’</translation>
    </message>
    <message>
        <source>The keyboard holds each code down until the key is let go, so the key does not type &quot;%1&quot;</source>
        <translation>Het toetsenbord houdt elke code ingedrukt tot de toets wordt losgelaten, dus de toets typt niet ‘%1’</translation>
    </message>
    <message>
        <source>types %1</source>
        <translation>typt %1</translation>
    </message>
    <message>
        <source>Key %1 ends with a modifier (Shift, Ctrl, Alt or AltGr) that no key follows.</source>
        <translation>Toets %1 eindigt met een modificatietoets (Shift, Ctrl, Alt of AltGr) waarop geen toets volgt.</translation>
    </message>
    <message>
        <source>Key %1 ends with a dead key of the %2 PC keyboard that nothing follows.</source>
        <translation>Toets %1 eindigt met een dode toets van het pc-toetsenbord %2 waarop niets volgt.</translation>
    </message>
    <message>
        <source>Key %1 sends code %2, which no key of a PC keyboard makes.</source>
        <translation>Toets %1 stuurt code %2, die geen toets van een pc-toetsenbord maakt.</translation>
    </message>
    <message>
        <source>The first row must name the columns: key, name, text, codes, shape</source>
        <translation>De eerste rij moet de kolommen noemen: key, name, text, codes, shape</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no column of a key list (key, name, text, codes, shape)</source>
        <translation>‘%1’ is geen kolom van een toetsenlijst (key, name, text, codes, shape)</translation>
    </message>
    <message>
        <source>The header names no &quot;key&quot; column</source>
        <translation>De kopregel noemt geen kolom ‘key’</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key number from 1 to %2</source>
        <translation>‘%1’ is geen toetsnummer van 1 tot %2</translation>
    </message>
    <message>
        <source>Key %1 takes a cell that an earlier row's key holds</source>
        <translation>Toets %1 neemt een vak in dat de toets van een eerdere rij al heeft</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no shape (single, double-right, double-down, quad)</source>
        <translation>‘%1’ is geen vorm (single, double-right, double-down, quad)</translation>
    </message>
    <message>
        <source>A %1 key at key %2 does not fit the grid</source>
        <translation>Een toets %1 bij toets %2 past niet in het toetsenraster</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; has characters a layout file cannot hold</source>
        <translation>De naam ‘%1’ bevat tekens die een indelingsbestand niet kan bevatten</translation>
    </message>
    <message>
        <source>A name cannot hold &quot;;&quot;, &quot;,&quot; or a line end</source>
        <translation>Een naam kan geen ‘;’, ‘,’ of regeleinde bevatten</translation>
    </message>
    <message>
        <source>The name is %1 bytes long; a key's name holds at most 102</source>
        <translation>De naam is %1 bytes lang; een toetsnaam bevat er hoogstens 102</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of at most 16 codes from 0 to 255</source>
        <translation>‘%1’ is geen lijst van hoogstens 16 codes van 0 tot 255</translation>
    </message>
    <message>
        <source>The text and the codes differ: give one of them</source>
        <translation>De tekst en de codes verschillen: geef er één van</translation>
    </message>
    <message>
        <source>A quoted cell has no closing quote</source>
        <translation>Een vak tussen aanhalingstekens heeft geen sluitend aanhalingsteken</translation>
    </message>
    <message>
        <source>The row has more cells than the header names</source>
        <translation>De rij heeft meer vakken dan de kopregel noemt</translation>
    </message>
    <message>
        <source>The list holds no key</source>
        <translation>De lijst bevat geen toets</translation>
    </message>
    <message>
        <source>row %1, column %2 (%3)</source>
        <translation>rij %1, kolom %2 (%3)</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
    <message>
        <source>The key list does not hold everything of this layout (its settings, RFID options, modes or group keys): importing it gives another layout file</source>
        <translation>De toetsenlijst bevat niet alles van deze indeling (instellingen, RFID-opties, toetsmodi of groepstoetsen): importeren geeft een ander indelingsbestand</translation>
    </message>
    <message>
        <source>Rows left out: %1</source>
        <translation>Weggelaten rijen: %1</translation>
    </message>
    <message>
        <source>Type a te&amp;xt...</source>
        <translation>Te&amp;kst typen...</translation>
    </message>
    <message>
        <source>Type a text</source>
        <translation>Tekst typen</translation>
    </message>
    <message>
        <source>The text as typed on a %1 PC keyboard ({Enter}, {Tab}, {F5} for named keys, {{ for a brace):</source>
        <translation>De tekst zoals getypt op een pc-toetsenbord %1 ({Enter}, {Tab}, {F5} voor toetsen met een naam, {{ voor een accolade):</translation>
    </message>
    <message>
        <source>Digits from the &amp;number pad</source>
        <translation>Cijfers van het &amp;numerieke blok</translation>
    </message>
    <message>
        <source>&amp;Import key list...</source>
        <translation>Toetsenlijst i&amp;mporteren...</translation>
    </message>
    <message>
        <source>Export &amp;key list...</source>
        <translation>Toetsenlijst e&amp;xporteren...</translation>
    </message>
    <message>
        <source>Key lists (*.csv)</source>
        <translation>Toetsenlijsten (*.csv)</translation>
    </message>
    <message>
        <source>Import key list</source>
        <translation>Toetsenlijst importeren</translation>
    </message>
    <message>
        <source>Export key list</source>
        <translation>Toetsenlijst exporteren</translation>
    </message>
    <message>
        <source>Layout file to write</source>
        <translation>Te schrijven indelingsbestand</translation>
    </message>
    <message>
        <source>The key list has wrong rows, so nothing was imported:
%1</source>
        <translation>De toetsenlijst heeft foute rijen, dus er is niets geïmporteerd:
%1</translation>
    </message>
    <message>
        <source>Type the digits of the texts on the number pad, the same on every PC keyboard layout?</source>
        <translation>De cijfers van de teksten op het numerieke blok typen, dat op elke pc-toetsenbordindeling gelijk is?</translation>
    </message>
    <message>
        <source>Layout files (*.txt)</source>
        <translation>Indelingsbestanden (*.txt)</translation>
    </message>
    <message>
        <source>At line %1.</source>
        <translation>Op regel %1.</translation>
    </message>
    <message>
        <source>The image builder stops at this line, so vorlanctl image and program refuse the file: Invalid file format. (%1)</source>
        <translation>De image-bouwer stopt op deze regel, dus vorlanctl image en program weigeren het bestand: Ongeldig bestandsformaat. (%1)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Hyphenation of the &amp;names:</source>
        <translation>&amp;Woordafbreking van de namen:</translation>
    </message>
    <message>
        <source>The program's language (%1)</source>
        <translation>De taal van het programma (%1)</translation>
    </message>
    <message>
        <source>None: long names are set smaller</source>
        <translation>Geen: lange namen worden kleiner gezet</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1 (geen woordenboek geïnstalleerd)</translation>
    </message>
    <message>
        <source>Insert key</source>
        <comment>undo step</comment>
        <translation>Toets invoegen</translation>
    </message>
    <message>
        <source>Copy key</source>
        <comment>undo step</comment>
        <translation>Toets kopiëren</translation>
    </message>
    <message>
        <source>Single</source>
        <comment>undo step</comment>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>Double</source>
        <comment>undo step</comment>
        <translation>Dubbel</translation>
    </message>
    <message>
        <source>Quad</source>
        <comment>undo step</comment>
        <translation>Viervoudig</translation>
    </message>
    <message>
        <source>Clear All</source>
        <comment>button of the capture dialog</comment>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Set flag for all keys</source>
        <comment>undo step</comment>
        <translation>Kenmerk voor alle toetsen instellen</translation>
    </message>
    <message>
        <source>Key mode</source>
        <comment>undo step</comment>
        <translation>Toetsmodus</translation>
    </message>
    <message>
        <source>Set mode for all keys</source>
        <comment>undo step</comment>
        <translation>Modus voor alle toetsen instellen</translation>
    </message>
    <message>
        <source>Key codes</source>
        <comment>undo step</comment>
        <translation>Toetscodes</translation>
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
        <translation>Naam: %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Edit</source>
        <comment>the menu named in a hint of the find bar</comment>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <comment>heading on the layout sheet</comment>
        <translation>Toetsenbordinstellingen</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <comment>title of the keyboard settings dialog</comment>
        <translation>Toetsenbordinstellingen</translation>
    </message>
    <message>
        <source>RFID options</source>
        <comment>heading on the layout sheet</comment>
        <translation>RFID-opties</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <comment>key test report</comment>
        <translation>Kan %1 niet schrijven.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the keyboard settings dialog</comment>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the capture dialog</comment>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Keyboard type</source>
        <comment>column of the programming log</comment>
        <translation>Toetsenbordtype</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <comment>line of the programming result</comment>
        <translation>Indeling: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button of the key test</comment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button of the programming log</comment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Save report...</source>
        <comment>button of the key test</comment>
        <translation>Rapport opslaan...</translation>
    </message>
    <message>
        <source>Key test</source>
        <comment>column of the batch report</comment>
        <translation>Toetstest</translation>
    </message>
    <message>
        <source>Cannot open the record %1: %2</source>
        <translation>Kan de registratie %1 niet openen: %2</translation>
    </message>
    <message>
        <source>Cannot write to the record %1: it is read-only.</source>
        <translation>Kan niet naar de registratie %1 schrijven: deze is alleen-lezen.</translation>
    </message>
    <message>
        <source>Cannot write to the record %1: the disk is full.</source>
        <translation>Kan niet naar de registratie %1 schrijven: de schijf is vol.</translation>
    </message>
    <message>
        <source>The record %1 is busy: another program held it too long.</source>
        <translation>De registratie %1 is bezet: een ander programma hield deze te lang vast.</translation>
    </message>
    <message>
        <source>The record %1 is damaged; it is left as it is.</source>
        <translation>De registratie %1 is beschadigd; deze blijft zoals hij is.</translation>
    </message>
    <message>
        <source>%1 is not a record of this program; it is left as it is.</source>
        <translation>%1 is geen registratie van dit programma; het bestand blijft zoals het is.</translation>
    </message>
    <message>
        <source>The record %1 was written by a newer version of this program.</source>
        <translation>De registratie %1 is geschreven door een nieuwere versie van dit programma.</translation>
    </message>
    <message>
        <source>The record %1 belongs to another user; it is not used.</source>
        <translation>De registratie %1 is van een andere gebruiker; deze wordt niet gebruikt.</translation>
    </message>
    <message>
        <source>The record %1 is reached through a link; it is not used.</source>
        <translation>De registratie %1 wordt via een koppeling bereikt; deze wordt niet gebruikt.</translation>
    </message>
    <message>
        <source>This batch is being run by %1.</source>
        <translation>Deze batch wordt uitgevoerd door %1.</translation>
    </message>
    <message>
        <source>Order %1 has an open batch already.</source>
        <translation>Order %1 heeft al een open batch.</translation>
    </message>
    <message>
        <source>The record %1 holds no such run or batch in progress.</source>
        <translation>De registratie %1 bevat zo’n lopende run of batch niet.</translation>
    </message>
    <message>
        <source>An order reference is needed.</source>
        <translation>Een orderreferentie is nodig.</translation>
    </message>
    <message>
        <source>An order reference has at most %1 bytes.</source>
        <translation>Een orderreferentie heeft ten hoogste %1 bytes.</translation>
    </message>
    <message>
        <source>The order reference is not UTF-8 text.</source>
        <translation>De orderreferentie is geen UTF-8-tekst.</translation>
    </message>
    <message>
        <source>The order reference holds a control character.</source>
        <translation>De orderreferentie bevat een besturingsteken.</translation>
    </message>
    <message>
        <source>Cannot use the record %1: %2</source>
        <translation>Kan de registratie %1 niet gebruiken: %2</translation>
    </message>
    <message>
        <source>Every keyboard of order %1 is passed or in progress: the batch takes no more.</source>
        <translation>Elk toetsenbord van order %1 is geslaagd of bezig: de batch neemt er geen meer.</translation>
    </message>
    <message>
        <source>The record server %1 cannot be reached: %2</source>
        <translation>De registratieserver %1 is niet bereikbaar: %2</translation>
    </message>
    <message>
        <source>The record server %1 refused the login: %2</source>
        <translation>De registratieserver %1 heeft de aanmelding geweigerd: %2</translation>
    </message>
    <message>
        <source>The record server %1 has no such database: %2</source>
        <translation>De registratieserver %1 heeft zo'n database niet: %2</translation>
    </message>
    <message>
        <source>The record %1 has an older schema that this login may not bring up to date (%2); nothing was changed.</source>
        <translation>De registratie %1 heeft een ouder schema dat deze aanmelding niet mag bijwerken (%2); er is niets veranderd.</translation>
    </message>
    <message>
        <source>The record's address %1 holds a password, which others could read there; give it in ~/.pgpass, PGPASSWORD or a PGSERVICE entry instead.</source>
        <translation>Het adres van de registratie %1 bevat een wachtwoord, dat anderen daar kunnen lezen; geef het in plaats daarvan op in ~/.pgpass, PGPASSWORD of een PGSERVICE-item.</translation>
    </message>
    <message>
        <source>This build of the program cannot use a record on a PostgreSQL server (%1).</source>
        <translation>Deze build van het programma kan geen registratie op een PostgreSQL-server gebruiken (%1).</translation>
    </message>
    <message>
        <source>%1 is the record of runs; nothing else is written to it.</source>
        <translation>%1 is de registratie van de runs; er wordt niets anders in geschreven.</translation>
    </message>
    <message>
        <source>%1 is named for two outputs of one run.</source>
        <translation>%1 is opgegeven voor twee uitvoerbestanden van één run.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>File SHA-256</source>
        <translation>SHA-256 van het bestand</translation>
    </message>
    <message>
        <source>Differs from the batch</source>
        <translation>Wijkt af van de batch</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>wijkt af</translation>
    </message>
    <message>
        <source>The batch is paused: %1</source>
        <translation>De batch is gepauzeerd: %1</translation>
    </message>
    <message>
        <source>The layout file %1 has changed since the batch began; every keyboard of a batch is programmed and tested with one layout. End the batch?</source>
        <translation>Het indelingsbestand %1 is gewijzigd sinds de batch begon; alle toetsenborden van een batch worden met één indeling geprogrammeerd en getest. De batch beëindigen?</translation>
    </message>
    <message>
        <source>Batches need the record of runs. %1</source>
        <translation>Batches hebben de registratie van de runs nodig. %1</translation>
    </message>
    <message>
        <source>The keyboard was not programmed: the record of runs cannot take this run. %1</source>
        <translation>Het toetsenbord is niet geprogrammeerd: de registratie van de runs kan deze run niet opnemen. %1</translation>
    </message>
    <message>
        <source>Rec&amp;ords...</source>
        <translation>Registratie&amp;plaats...</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registratie</translation>
    </message>
    <message>
        <source>The &amp;file beside the programming log: %1</source>
        <translation>Het &amp;bestand naast het programmeerlogboek: %1</translation>
    </message>
    <message>
        <source>A PostgreSQL &amp;server:</source>
        <translation>Een PostgreSQL-&amp;server:</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Verbinding &amp;testen</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbinden met %1...</translation>
    </message>
    <message>
        <source>The record %1 can be used.</source>
        <translation>De registratie %1 kan worden gebruikt.</translation>
    </message>
    <message>
        <source>A record on a server is named by an address beginning with postgresql://, for example postgresql://station@workshop-server/vorlan.</source>
        <translation>Een registratie op een server wordt aangeduid met een adres dat begint met postgresql://, bijvoorbeeld postgresql://station@workshop-server/vorlan.</translation>
    </message>
    <message>
        <source>No password is kept here: the server's password comes from ~/.pgpass, PGPASSWORD or a PGSERVICE entry.</source>
        <translation>Hier wordt geen wachtwoord bewaard: het wachtwoord van de server komt uit ~/.pgpass, PGPASSWORD of een PGSERVICE-item.</translation>
    </message>
    <message>
        <source>Close the station before choosing another record: its batch stays in the record it began in.</source>
        <translation>Sluit het station voordat er een andere registratie wordt gekozen: de batch blijft in de registratie waarin hij begon.</translation>
    </message>
    <message>
        <source>Keyboard %1 of %2 — %3 stations</source>
        <translation>Toetsenbord %1 van %2 — %3 stations</translation>
    </message>
    <message>
        <source>&amp;Join a batch...</source>
        <translation>Aan een batch &amp;deelnemen...</translation>
    </message>
    <message>
        <source>Join a batch</source>
        <translation>Aan een batch deelnemen</translation>
    </message>
    <message>
        <source>The open batches of the record %1:</source>
        <translation>De open batches van de registratie %1:</translation>
    </message>
    <message>
        <source>%1 — %2 of %3 passed — opened on %4, %5</source>
        <translation>%1 — %2 van %3 geslaagd — geopend op %4, %5</translation>
    </message>
    <message>
        <source>The record %1 has no open batch to join.</source>
        <translation>De registratie %1 heeft geen open batch om aan deel te nemen.</translation>
    </message>
    <message>
        <source>The batch programs the layout file %1. Open that layout file, saved with the same contents, in the window, then join again.</source>
        <translation>De batch programmeert het indelingsbestand %1. Open dat indelingsbestand, opgeslagen met dezelfde inhoud, in het venster en neem dan opnieuw deel.</translation>
    </message>
    <message>
        <source>The record server %1 cannot be reached: %2. This keyboard's result is kept in %3 and sent when the server answers.</source>
        <translation>De registratieserver %1 is niet bereikbaar: %2. Het resultaat van dit toetsenbord wordt bewaard in %3 en verzonden zodra de server antwoordt.</translation>
    </message>
    <message>
        <source>Enter: try the record again    Escape: pause</source>
        <translation>Enter: registratie opnieuw proberen    Esc: pauze</translation>
    </message>
    <message>
        <source>Results kept at this station were sent to the record server: %1.</source>
        <translation>De op dit station bewaarde resultaten zijn naar de registratieserver verzonden: %1.</translation>
    </message>
    <message>
        <source>Leave the batch? It stays open for the other stations. %1 of %2 keyboards passed.</source>
        <translation>De batch verlaten? Hij blijft open voor de andere stations. %1 van %2 toetsenborden geslaagd.</translation>
    </message>
    <message>
        <source>The batch was ended at another station. Its keyboards so far stay in the record.</source>
        <translation>De batch is op een ander station beëindigd. De toetsenborden tot nu toe blijven in de registratie.</translation>
    </message>
    <message>
        <source>The batch is paused: the record server cannot be reached. Results kept at this station until it answers: %1.</source>
        <translation>De batch is gepauzeerd: de registratieserver is niet bereikbaar. Resultaten bewaard op dit station tot hij antwoordt: %1.</translation>
    </message>
</context>
</TS>
