<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Vorlan</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Insert scan-codes by pressing key</source>
        <translation>Inserire i codici di scansione premendo il tasto</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <translation>Argomento non valido.</translation>
    </message>
    <message>
        <source>Invalid keyboard type.</source>
        <translation>Tipo di tastiera non valido.</translation>
    </message>
    <message>
        <source>Syntax error!</source>
        <translation>Errore di sintassi!</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation>Formato del file non valido.</translation>
    </message>
    <message>
        <source>Invalid keyboard type detected.</source>
        <translation>Rilevato un tipo di tastiera non valido.</translation>
    </message>
    <message>
        <source>Vorlan driver error.</source>
        <translation>Errore del driver Vorlan.</translation>
    </message>
    <message>
        <source>Keyboard detecting error.</source>
        <translation>Errore nel rilevamento della tastiera.</translation>
    </message>
    <message>
        <source>File format mismatch.</source>
        <translation>Il formato del file non corrisponde alla tastiera.</translation>
    </message>
    <message>
        <source>Keyboard programming error.</source>
        <translation>Errore nella programmazione della tastiera.</translation>
    </message>
    <message>
        <source>Data buffer error.</source>
        <translation>Errore del buffer dati.</translation>
    </message>
    <message>
        <source>File version error</source>
        <translation>Errore nella versione del file</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Il disco è pieno.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>Impossibile scrivere nella cartella %1.</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
    <message>
        <source>%1 is the layout being read.</source>
        <translation>%1 è il layout che si sta leggendo.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 è un file, non una cartella.</translation>
    </message>
    <message>
        <source>%1 cannot be written: too many levels of links.</source>
        <translation>Impossibile scrivere %1: troppi livelli di collegamenti.</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1.</source>
        <translation>Impossibile scrivere sull'output standard: %1.</translation>
    </message>
    <message>
        <source>No file was replaced: the old files are as they were.</source>
        <translation>Nessun file è stato sostituito: i file precedenti sono rimasti come erano.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Impossibile aprire il file!</translation>
    </message>
    <message>
        <source>The file contains no programmed key</source>
        <translation>Il file non contiene alcun tasto programmato</translation>
    </message>
    <message>
        <source>Group key error</source>
        <translation>Errore di tasto di gruppo</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Inserire un numero intero positivo.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserire un numero intero tra %1 e %2.</translation>
    </message>
    <message>
        <source>Edit scan codes</source>
        <translation>Modifica codici di scansione</translation>
    </message>
    <message>
        <source>Scan-codes</source>
        <translation>Codici di scansione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear Last</source>
        <translation>Cancella l'ultimo</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Vorlan - keyboard programmer  -  [%s]</source>
        <translation>Vorlan - programmatore di tastiere  -  [%s]</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>senza titolo</translation>
    </message>
    <message>
        <source>Do you want to save current file?</source>
        <translation>Salvare il file corrente?</translation>
    </message>
    <message>
        <source>Clear key %s ?</source>
        <translation>Cancellare il tasto %s?</translation>
    </message>
    <message>
        <source>Clear all keys ?</source>
        <translation>Cancellare tutti i tasti?</translation>
    </message>
    <message>
        <source>Insert %s to key %d ?</source>
        <translation>Inserire %s nel tasto %d?</translation>
    </message>
    <message>
        <source>Keyboard type: Vorlan S (SN)</source>
        <translation>Tipo di tastiera: Vorlan S (SN)</translation>
    </message>
    <message>
        <source>Keyboard type: Vorlan D</source>
        <translation>Tipo di tastiera: Vorlan D</translation>
    </message>
    <message>
        <source>Keys type: Typematic SCAN</source>
        <translation>Tipo di tasti: Typematic SCAN</translation>
    </message>
    <message>
        <source>Keys type: Make-Break SCAN</source>
        <translation>Tipo di tasti: Make-Break SCAN</translation>
    </message>
    <message>
        <source>Keys beep: On</source>
        <translation>Segnale acustico dei tasti: attivo</translation>
    </message>
    <message>
        <source>Keys beep: Off</source>
        <translation>Segnale acustico dei tasti: disattivo</translation>
    </message>
    <message>
        <source>Keys delay: %d</source>
        <translation>Ritardo dei tasti: %d</translation>
    </message>
    <message>
        <source>Keys rate: %d</source>
        <translation>Velocità di ripetizione: %d</translation>
    </message>
    <message>
        <source>Number: ----</source>
        <translation>Numero: ----</translation>
    </message>
    <message>
        <source>Number: %d</source>
        <translation>Numero: %d</translation>
    </message>
    <message>
        <source>Name: ----</source>
        <translation>Nome: ----</translation>
    </message>
    <message>
        <source>Name: %s</source>
        <translation>Nome: %s</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Inserire un numero intero tra 0 e 255.</translation>
    </message>
    <message>
        <source>Programming was stopped; the keyboard holds only part of the layout.</source>
        <translation>La programmazione è stata interrotta; la tastiera contiene solo una parte del layout.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <source>%1 [emulated keyboard, type %2]</source>
        <translation>%1 [tastiera emulata, tipo %2]</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programmazione...</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <translation>Impostazioni della tastiera</translation>
    </message>
    <message>
        <source>Keyboard type</source>
        <translation>Tipo di tastiera</translation>
    </message>
    <message>
        <source>Vorlan S - 56 keys (single)</source>
        <translation>Vorlan S - 56 tasti (singola)</translation>
    </message>
    <message>
        <source>Vorlan D - 112 keys (double)</source>
        <translation>Vorlan D - 112 tasti (doppia)</translation>
    </message>
    <message>
        <source>Keys pause</source>
        <translation>Pausa tra i tasti</translation>
    </message>
    <message>
        <source>(0 - 255) ms</source>
        <translation>(0 - 255) ms</translation>
    </message>
    <message>
        <source>Keys type</source>
        <translation>Tipo di tasti</translation>
    </message>
    <message>
        <source>Make-Break SCAN (without repeat)</source>
        <translation>Make-Break SCAN (senza ripetizione)</translation>
    </message>
    <message>
        <source>Typematic SCAN (with repeat)</source>
        <translation>Typematic SCAN (con ripetizione)</translation>
    </message>
    <message>
        <source>Key beep</source>
        <translation>Segnale acustico dei tasti</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Key repeat</source>
        <translation>Ripetizione dei tasti</translation>
    </message>
    <message>
        <source>Typematic rate:</source>
        <translation>Velocità di ripetizione:</translation>
    </message>
    <message>
        <source>Key delay:</source>
        <translation>Ritardo:</translation>
    </message>
    <message>
        <source>Vorlan - keyboard programmer</source>
        <translation>Vorlan - programmatore di tastiere</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;New...</source>
        <translation>&amp;Nuovo...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Programming...</source>
        <translation>&amp;Programmazione...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Se&amp;ttings...</source>
        <translation>&amp;Impostazioni...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Content</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Insert key</source>
        <translation>Inserisci tasto</translation>
    </message>
    <message>
        <source>Copy key</source>
        <translation>Copia tasto</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Singolo</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppio</translation>
    </message>
    <message>
        <source>to Right</source>
        <translation>a destra</translation>
    </message>
    <message>
        <source>to Down</source>
        <translation>in basso</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Quadruplo</translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation>Cancella tasto</translation>
    </message>
    <message>
        <source>RFID</source>
        <translation>RFID</translation>
    </message>
    <message>
        <source>Digits count:</source>
        <translation>Numero di cifre:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefisso:</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffisso:</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Esteso</translation>
    </message>
    <message>
        <source>Digits type - NUM</source>
        <translation>Tipo di cifre - NUM</translation>
    </message>
    <message>
        <source>Key flags</source>
        <translation>Indicatori del tasto</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>Tasto singolo</translation>
    </message>
    <message>
        <source>Group key</source>
        <translation>Tasto di gruppo</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Set flag for all keys</source>
        <translation>Applica l'indicatore a tutti i tasti</translation>
    </message>
    <message>
        <source>Key mode</source>
        <translation>Modo del tasto</translation>
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
        <translation>Applica il modo a tutti i tasti</translation>
    </message>
    <message>
        <source>Programmed keys:</source>
        <translation>Tasti programmati:</translation>
    </message>
    <message>
        <source>Key </source>
        <translation>Tasto </translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Numero del tasto</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Nome del tasto</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;name</source>
        <translation>&amp;Nome del tasto</translation>
    </message>
    <message>
        <source>Codes are entered in the capture dialog: press Enter or double-click the key.</source>
        <translation>I codici si inseriscono nella finestra di acquisizione: premere Invio o fare doppio clic sul tasto.</translation>
    </message>
    <message>
        <source>Key codes</source>
        <translation>Codici del tasto</translation>
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
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Vorlan 16scan keyboard programmer</source>
        <translation>Programmatore di tastiere Vorlan 16scan</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Key grid</source>
        <translation>Griglia dei tasti</translation>
    </message>
    <message>
        <source>The keys of the layout; arrow keys move the selection, Enter edits the key's codes</source>
        <translation>I tasti del layout; i tasti freccia spostano la selezione, Invio modifica i codici del tasto</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <translation>%1, tasto %2</translation>
    </message>
    <message>
        <source>unnamed key, key %1</source>
        <translation>tasto senza nome, tasto %1</translation>
    </message>
    <message>
        <source>empty, key %1</source>
        <translation>vuoto, tasto %1</translation>
    </message>
    <message>
        <source>single</source>
        <translation>una cella</translation>
    </message>
    <message>
        <source>double key of keys %1 and %2</source>
        <translation>tasto doppio dei tasti %1 e %2</translation>
    </message>
    <message>
        <source>quad key of keys %1, %2, %3 and %4</source>
        <translation>tasto quadruplo dei tasti %1, %2, %3 e %4</translation>
    </message>
    <message>
        <source>not in use with 56 keys</source>
        <translation>non usato con 56 tasti</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>selezionato</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>Code %1</source>
        <translation>Codice %1</translation>
    </message>
    <message>
        <source>Previous key</source>
        <translation>Tasto precedente</translation>
    </message>
    <message>
        <source>Next key</source>
        <translation>Tasto successivo</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;names on the grid</source>
        <translation>&amp;Nomi dei tasti sulla griglia</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Find key...</source>
        <translation>Tr&amp;ova tasto...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Find &amp;next</source>
        <translation>Trova &amp;successivo</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Find pre&amp;vious</source>
        <translation>Trova &amp;precedente</translation>
    </message>
    <message>
        <source>Find key:</source>
        <translation>Trova tasto:</translation>
    </message>
    <message>
        <source>name or code</source>
        <translation>nome o codice</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d di %d</translation>
    </message>
    <message>
        <source>%d found</source>
        <translation>%d trovati</translation>
    </message>
    <message>
        <source>No key found</source>
        <translation>Nessun tasto trovato</translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation>Chiudi la barra di ricerca (Esc)</translation>
    </message>
    <message>
        <source>Next key found (Enter, F3)</source>
        <translation>Tasto trovato successivo (Invio, F3)</translation>
    </message>
    <message>
        <source>Previous key found (Shift+F3)</source>
        <translation>Tasto trovato precedente (Maiusc+F3)</translation>
    </message>
    <message>
        <source>Key %d</source>
        <translation>Tasto %d</translation>
    </message>
    <message>
        <source>Name: (none)</source>
        <translation>Nome: (nessuno)</translation>
    </message>
    <message>
        <source>Codes: %s</source>
        <translation>Codici: %s</translation>
    </message>
    <message>
        <source>Codes: (none)</source>
        <translation>Codici: (nessuno)</translation>
    </message>
    <message>
        <source>Span: empty</source>
        <translation>Estensione: vuota</translation>
    </message>
    <message>
        <source>Span: single</source>
        <translation>Estensione: una cella</translation>
    </message>
    <message>
        <source>Span: double, with key %d</source>
        <translation>Estensione: tasto doppio con il tasto %d</translation>
    </message>
    <message>
        <source>Span: quad, with keys %s</source>
        <translation>Estensione: tasto quadruplo con i tasti %s</translation>
    </message>
    <message>
        <source>Mode %d</source>
        <translation>Modo %d</translation>
    </message>
    <message>
        <source>Flags: none</source>
        <translation>Indicatori: nessuno</translation>
    </message>
    <message>
        <source>Flags: single key</source>
        <translation>Indicatori: tasto singolo</translation>
    </message>
    <message>
        <source>Flags: group key</source>
        <translation>Indicatori: tasto di gruppo</translation>
    </message>
    <message>
        <source>Flags: single key, group key</source>
        <translation>Indicatori: tasto singolo, tasto di gruppo</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test keyboard...</source>
        <translation>&amp;Prova la tastiera...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Programming &amp;log</source>
        <translation>&amp;Registro di programmazione</translation>
    </message>
    <message>
        <source>Key test</source>
        <translation>Prova dei tasti</translation>
    </message>
    <message numerus="yes">
        <source>%n of %2 keys tested</source>
        <translation>
            <numerusform>%n di %2 tasti provati</numerusform>
            <numerusform>%n di %2 tasti provati</numerusform>
        </translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Salva rapporto...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 and %2 send the same codes.</source>
        <translation>%1 e %2 inviano gli stessi codici.</translation>
    </message>
    <message>
        <source>%1 sends the start of %2.</source>
        <translation>%1 invia l'inizio di %2.</translation>
    </message>
    <message>
        <source>%1 sends codes that no key press reports; it cannot be tested.</source>
        <translation>%1 invia codici che nessuna pressione di tasto produce; non può essere provato.</translation>
    </message>
    <message>
        <source>%1 begins like the RFID prefix; its presses are read as cards.</source>
        <translation>%1 inizia come il prefisso RFID; le sue pressioni vengono lette come tessere.</translation>
    </message>
    <message>
        <source>Press each key of the keyboard. Click a key to say which one you press next.</source>
        <translation>Premere ogni tasto della tastiera. Fare clic su un tasto per indicare quale si premerà dopo.</translation>
    </message>
    <message>
        <source>Click a key: the emulated keyboard types it into the test.</source>
        <translation>Fare clic su un tasto: la tastiera emulata lo digita nella prova.</translation>
    </message>
    <message>
        <source>The layout has no programmed key to test.</source>
        <translation>Il layout non ha alcun tasto programmato da provare.</translation>
    </message>
    <message>
        <source>Text report (*.txt);;JSON report (*.json)</source>
        <translation>Rapporto di testo (*.txt);;Rapporto JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>At %1 dpi a page image would be too large; this page can be exported at up to %2 dpi.</source>
        <translation>A %1 dpi l'immagine di una pagina sarebbe troppo grande; questa pagina può essere esportata al massimo a %2 dpi.</translation>
    </message>
    <message>
        <source>Programming log</source>
        <translation>Registro di programmazione</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>No run has been logged yet.</source>
        <translation>Non è ancora stata registrata alcuna programmazione.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Layout file</source>
        <translation>File del layout</translation>
    </message>
    <message>
        <source>Image SHA-256</source>
        <translation>SHA-256 dell'immagine</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Duration (ms)</source>
        <translation>Durata (ms)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Keyboard programmed</source>
        <translation>Tastiera programmata</translation>
    </message>
    <message>
        <source>The keyboard is programmed. Keyboards done with this layout: %1.</source>
        <translation>La tastiera è programmata. Tastiere programmate con questo layout: %1.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test keyboard</source>
        <translation>&amp;Prova la tastiera</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Program &amp;next keyboard</source>
        <translation>Programma la tastiera &amp;successiva</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>The programming log %1 cannot be written.</source>
        <translation>Impossibile scrivere il registro di programmazione %1.</translation>
    </message>
    <message>
        <source>unknown: %1</source>
        <translation>sconosciuto: %1</translation>
    </message>
    <message>
        <source>card %1: prefix %2, suffix %3, %4 digits %5, %6</source>
        <translation>tessera %1: prefisso %2, suffisso %3, %4 cifre %5, %6</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>errato</translation>
    </message>
    <message>
        <source>numeric</source>
        <translation>numerico</translation>
    </message>
    <message>
        <source>not numeric (numeric expected)</source>
        <translation>non numerico (atteso numerico)</translation>
    </message>
    <message>
        <source>not numeric</source>
        <translation>non numerico</translation>
    </message>
    <message>
        <source>Grey: not yet pressed. Green: matched. Red: expected, but another sequence came. Striped: cannot be told apart.</source>
        <translation>Grigio: non ancora premuto. Verde: riconosciuto. Rosso: atteso, ma è arrivata un'altra sequenza. A righe: non distinguibile.</translation>
    </message>
    <message>
        <source>key %1 &quot;%2&quot;</source>
        <translation>tasto %1 "%2"</translation>
    </message>
    <message>
        <source>error</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avviso</translation>
    </message>
    <message>
        <source>The file is empty; it reads as a new 56-key layout.</source>
        <translation>Il file è vuoto; viene letto come un nuovo layout di 56 tasti.</translation>
    </message>
    <message>
        <source>The first number %1 is not 56, 57, 112 or 113; the file reads as a 56-key 16scan layout.</source>
        <translation>Il primo numero %1 non è 56, 57, 112 o 113; il file viene letto come un layout 16scan di 56 tasti.</translation>
    </message>
    <message>
        <source>The header has %1 of its %2 fields; the missing ones read as 0.</source>
        <translation>L'intestazione ha %1 dei suoi %2 campi; quelli mancanti vengono letti come 0.</translation>
    </message>
    <message>
        <source>The header has surplus fields (%1) for its %2 form; they are ignored.</source>
        <translation>L'intestazione ha campi in più (%1) per il suo formato %2; vengono ignorati.</translation>
    </message>
    <message>
        <source>Keys type %1 is out of range 0..1 and reads as 1.</source>
        <translation>Il tipo di tasti %1 è fuori dall'intervallo 0..1 e viene letto come 1.</translation>
    </message>
    <message>
        <source>Key beep %1 is out of range 0..1 and reads as 1.</source>
        <translation>Il segnale acustico dei tasti %1 è fuori dall'intervallo 0..1 e viene letto come 1.</translation>
    </message>
    <message>
        <source>Key delay %1 is out of range 0..3 and reads as 2.</source>
        <translation>Il ritardo dei tasti %1 è fuori dall'intervallo 0..3 e viene letto come 2.</translation>
    </message>
    <message>
        <source>Typematic rate %1 is out of range 0..31 and reads as 11.</source>
        <translation>La velocità di ripetizione %1 è fuori dall'intervallo 0..31 e viene letta come 11.</translation>
    </message>
    <message>
        <source>The RFID flags %1 do not fit a byte and read as %2.</source>
        <translation>Gli indicatori RFID %1 non stanno in un byte e vengono letti come %2.</translation>
    </message>
    <message>
        <source>The RFID flags %1 ask for %2 digits, more than 13; they read as 13.</source>
        <translation>Gli indicatori RFID %1 chiedono %2 cifre, più di 13; vengono letti come 13.</translation>
    </message>
    <message>
        <source>The RFID prefix %1 does not fit a byte and reads as %2.</source>
        <translation>Il prefisso RFID %1 non sta in un byte e viene letto come %2.</translation>
    </message>
    <message>
        <source>The RFID suffix %1 does not fit a byte and reads as %2.</source>
        <translation>Il suffisso RFID %1 non sta in un byte e viene letto come %2.</translation>
    </message>
    <message>
        <source>Keys pause %1 is out of range 1..255 and reads as 2.</source>
        <translation>La pausa tra i tasti %1 è fuori dall'intervallo 1..255 e viene letta come 2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; it reads as %2.</source>
        <translation>"%1" non è un numero; viene letto come %2.</translation>
    </message>
    <message>
        <source>An empty line; it is ignored.</source>
        <translation>Una riga vuota; viene ignorata.</translation>
    </message>
    <message>
        <source>The line has no key number; it is ignored.</source>
        <translation>La riga non ha un numero di tasto; viene ignorata.</translation>
    </message>
    <message>
        <source>Key number %1 is outside 1..112; the line is ignored.</source>
        <translation>Il numero di tasto %1 è fuori da 1..112; la riga viene ignorata.</translation>
    </message>
    <message>
        <source>Key %1 lies outside the %2-key grid; it is not shown or programmed.</source>
        <translation>Il tasto %1 è fuori dalla griglia di %2 tasti; non viene mostrato né programmato.</translation>
    </message>
    <message>
        <source>Key %1 was given on line %2 already; this line replaces it.</source>
        <translation>Il tasto %1 era già indicato alla riga %2; questa riga lo sostituisce.</translation>
    </message>
    <message>
        <source>Key %1: code %2 is out of range 0..255 and reads as 0.</source>
        <translation>Tasto %1: il codice %2 è fuori dall'intervallo 0..255 e viene letto come 0.</translation>
    </message>
    <message>
        <source>Key %1: flags %2 are out of range 0..15; only %3 is kept.</source>
        <translation>Tasto %1: gli indicatori %2 sono fuori dall'intervallo 0..15; si conserva solo %3.</translation>
    </message>
    <message>
        <source>Key %1: the name is %2 bytes long; it is cut to 102.</source>
        <translation>Tasto %1: il nome è lungo %2 byte; viene tagliato a 102.</translation>
    </message>
    <message>
        <source>Key %1: the line has surplus fields (%2): codes beyond what the variant holds, or a ';' or ',' in the name; they are not read.</source>
        <translation>Tasto %1: la riga ha campi in più (%2): codici oltre quelli ammessi dalla variante, oppure un ';' o una ',' nel nome; non vengono letti.</translation>
    </message>
    <message>
        <source>Key %1: the line is short of fields (%2 missing); they read as 0 and the name as empty.</source>
        <translation>Tasto %1: alla riga mancano campi (%2); vengono letti come 0 e il nome come vuoto.</translation>
    </message>
    <message>
        <source>The line is %1 bytes long, more than the 198 the format allows.</source>
        <translation>La riga è lunga %1 byte, più dei 198 ammessi dal formato.</translation>
    </message>
    <message>
        <source>Reading stops at the line of key %1; the lines after it (%2) are not read.</source>
        <translation>La lettura si ferma alla riga del tasto %1; le righe successive (%2) non vengono lette.</translation>
    </message>
    <message>
        <source>No line gives key %1; it stays empty.</source>
        <translation>Nessuna riga indica il tasto %1; resta vuoto.</translation>
    </message>
    <message>
        <source>No line gives the keys %1; they stay empty.</source>
        <translation>Nessuna riga indica i tasti %1; restano vuoti.</translation>
    </message>
    <message>
        <source>Only the first %1 bytes of the file are read.</source>
        <translation>Vengono letti solo i primi %1 byte del file.</translation>
    </message>
    <message>
        <source>Key %1 has a name but no codes.</source>
        <translation>Il tasto %1 ha un nome ma nessun codice.</translation>
    </message>
    <message>
        <source>Key %1 has codes but no name.</source>
        <translation>Il tasto %1 ha codici ma nessun nome.</translation>
    </message>
    <message>
        <source>Key %1 has codes after a first code of 0, so it counts as not programmed.</source>
        <translation>Il tasto %1 ha codici dopo un primo codice 0, quindi conta come non programmato.</translation>
    </message>
    <message>
        <source>Key %1 sends the same codes as key %2; a key test cannot tell them apart.</source>
        <translation>Il tasto %1 invia gli stessi codici del tasto %2; una prova dei tasti non può distinguerli.</translation>
    </message>
    <message>
        <source>Key %1 is marked as part of a double or quad key, but no other key has its codes; it shows as a single key.</source>
        <translation>Il tasto %1 è contrassegnato come parte di un tasto doppio o quadruplo, ma nessun altro tasto ha i suoi codici; viene mostrato come tasto singolo.</translation>
    </message>
    <message>
        <source>Keys %1 and %2 share their codes as a double key but are not neighbours.</source>
        <translation>I tasti %1 e %2 condividono i codici come tasto doppio ma non sono vicini.</translation>
    </message>
    <message>
        <source>%1 group keys share the codes of key %2; they show as the quad, double and single keys their places allow.</source>
        <translation>%1 tasti di gruppo condividono i codici del tasto %2; vengono mostrati come i tasti quadrupli, doppi e singoli che le loro posizioni consentono.</translation>
    </message>
    <message>
        <source>Keys %1 share their codes as a quad key but are not a square of 2 by 2 cells; they show as the double and single keys their places allow.</source>
        <translation>I tasti %1 condividono i codici come tasto quadruplo ma non formano un quadrato di 2 per 2 celle; vengono mostrati come i tasti doppi e singoli che le loro posizioni consentono.</translation>
    </message>
    <message>
        <source>No keyboard type takes this file as it stands (the image builder stops at step %1).</source>
        <translation>Nessun tipo di tastiera accetta questo file così com'è (la creazione dell'immagine si ferma al passo %1).</translation>
    </message>
    <message>
        <source>Key %1: the programmed-keys list shows only the first 99 bytes of the name.</source>
        <translation>Tasto %1: l'elenco dei tasti programmati mostra solo i primi 99 byte del nome.</translation>
    </message>
    <message>
        <source>Keys %1 and %2 have the same name in the programmed-keys list; it lists only the first.</source>
        <translation>I tasti %1 e %2 hanno lo stesso nome nell'elenco dei tasti programmati; l'elenco mostra solo il primo.</translation>
    </message>
    <message>
        <source>Key %1 is only in the second layout.</source>
        <translation>Il tasto %1 è solo nel secondo layout.</translation>
    </message>
    <message>
        <source>Key %1 is only in the first layout.</source>
        <translation>Il tasto %1 è solo nel primo layout.</translation>
    </message>
    <message>
        <source>Key %1 moved to %2.</source>
        <translation>Il tasto %1 è stato spostato in %2.</translation>
    </message>
    <message>
        <source>Key %1: the name &quot;%2&quot; becomes &quot;%3&quot;.</source>
        <translation>Tasto %1: il nome "%2" diventa "%3".</translation>
    </message>
    <message>
        <source>Key %1: the codes %2 become %3.</source>
        <translation>Tasto %1: i codici %2 diventano %3.</translation>
    </message>
    <message>
        <source>Key %1: the flags %2 become %3.</source>
        <translation>Tasto %1: gli indicatori %2 diventano %3.</translation>
    </message>
    <message>
        <source>Key %1: mode %2 becomes mode %3.</source>
        <translation>Tasto %1: il modo %2 diventa il modo %3.</translation>
    </message>
    <message>
        <source>Key %1: the cells %2 become %3.</source>
        <translation>Tasto %1: le celle %2 diventano %3.</translation>
    </message>
    <message>
        <source>The layout of %1 keys becomes one of %2 keys.</source>
        <translation>Il layout di %1 tasti diventa uno di %2 tasti.</translation>
    </message>
    <message>
        <source>Keys type %1 becomes %2.</source>
        <translation>Il tipo di tasti passa da %1 a %2.</translation>
    </message>
    <message>
        <source>Key beep %1 becomes %2.</source>
        <translation>Il segnale acustico dei tasti passa da %1 a %2.</translation>
    </message>
    <message>
        <source>Key delay %1 becomes %2.</source>
        <translation>Il ritardo passa da %1 a %2.</translation>
    </message>
    <message>
        <source>Typematic rate %1 becomes %2.</source>
        <translation>La velocità di ripetizione passa da %1 a %2.</translation>
    </message>
    <message>
        <source>Keys pause %1 becomes %2.</source>
        <translation>La pausa tra i tasti passa da %1 a %2.</translation>
    </message>
    <message>
        <source>RFID digit count %1 becomes %2.</source>
        <translation>Il numero di cifre RFID passa da %1 a %2.</translation>
    </message>
    <message>
        <source>RFID digits numeric %1 becomes %2.</source>
        <translation>L'opzione RFID «cifre numeriche» passa da %1 a %2.</translation>
    </message>
    <message>
        <source>RFID prefix %1 becomes %2.</source>
        <translation>Il prefisso RFID passa da %1 a %2.</translation>
    </message>
    <message>
        <source>RFID prefix extended %1 becomes %2.</source>
        <translation>L'opzione RFID «prefisso esteso» passa da %1 a %2.</translation>
    </message>
    <message>
        <source>RFID suffix %1 becomes %2.</source>
        <translation>Il suffisso RFID passa da %1 a %2.</translation>
    </message>
    <message>
        <source>RFID suffix extended %1 becomes %2.</source>
        <translation>L'opzione RFID «suffisso esteso» passa da %1 a %2.</translation>
    </message>
    <message>
        <source>Key %1 is not in the file.</source>
        <translation>Il tasto %1 non è nel file.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of this file were not read exactly as written.</source>
        <translation>
            <numerusform>%n riga di questo file non è stata letta esattamente come è scritta.</numerusform>
            <numerusform>%n righe di questo file non sono state lette esattamente come sono scritte.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file was not read exactly as written.</source>
        <translation>Questo file non è stato letto esattamente come è scritto.</translation>
    </message>
    <message numerus="yes">
        <source>This file has %n doubtful points.</source>
        <translation>
            <numerusform>Questo file ha %n punto dubbio.</numerusform>
            <numerusform>Questo file ha %n punti dubbi.</numerusform>
        </translation>
    </message>
    <message>
        <source>One line of this file was not read exactly as written.</source>
        <translation>Una riga di questo file non è stata letta esattamente come è scritta.</translation>
    </message>
    <message>
        <source>This file has one doubtful point.</source>
        <translation>Questo file ha un punto dubbio.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Details...</source>
        <translation>&amp;Dettagli...</translation>
    </message>
    <message>
        <source>What the reader changed</source>
        <translation>Che cosa ha cambiato la lettura</translation>
    </message>
    <message>
        <source>Data will be lost</source>
        <translation>Alcuni dati andranno persi</translation>
    </message>
    <message>
        <source>The %1 form cannot hold all of this layout; saving it loses:</source>
        <translation>Il formato %1 non può contenere tutto questo layout; salvandolo si perde:</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Salvare comunque?</translation>
    </message>
    <message>
        <source>... and %1 more messages of this kind, from this line on.</source>
        <translation>... e altri %1 messaggi di questo tipo, a partire da questa riga.</translation>
    </message>
    <message>
        <source>... (%1 bytes)</source>
        <translation>... (%1 byte)</translation>
    </message>
    <message>
        <source>Stopped by %1.</source>
        <translation>Interrotto da %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e altri %1.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Compare &amp;with...</source>
        <translation>Conf&amp;ronta con...</translation>
    </message>
    <message>
        <source>Differences from %1</source>
        <translation>Differenze da %1</translation>
    </message>
    <message>
        <source>The layouts are equal.</source>
        <translation>I layout sono uguali.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>This is not a plain file (it is a folder, pipe, socket or device), so it cannot be opened.</source>
        <translation>Non è un file normale (è una cartella, una pipe, un socket o un dispositivo), quindi non può essere aperto.</translation>
    </message>
    <message>
        <source>The layout for the keyboard could not be written to the temporary folder.</source>
        <translation>Non è stato possibile scrivere il layout per la tastiera nella cartella temporanea.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes reached the keyboard.</source>
        <translation>%1 di %2 byte hanno raggiunto la tastiera.</translation>
    </message>
    <message>
        <source>The keyboard stopped answering.</source>
        <translation>La tastiera non risponde più.</translation>
    </message>
    <message>
        <source>The keyboard was disconnected.</source>
        <translation>La tastiera è stata scollegata.</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1 from %2?

The layout has %3 keys; programmed: %4.</source>
        <translation>Recuperare le modifiche non salvate a %1 del %2?

Il layout ha %3 tasti; programmati: %4.</translation>
    </message>
    <message>
        <source>Discard these unsaved changes for good? They cannot be recovered afterwards.</source>
        <translation>Scartare definitivamente queste modifiche non salvate? Non potranno più essere recuperate.</translation>
    </message>
    <message>
        <source>A recovery file could not be read and was set aside: %1</source>
        <translation>Un file di recupero non è leggibile ed è stato messo da parte: %1</translation>
    </message>
    <message>
        <source>The settings could not be read, so the defaults are used. The damaged file was kept as %1</source>
        <translation>Non è stato possibile leggere le impostazioni, quindi si usano quelle predefinite. Il file danneggiato è stato conservato come %1</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Overwrite it with this layout?</source>
        <translation>%1 è stato modificato da un altro programma dopo l'apertura. Sovrascriverlo con questo layout?</translation>
    </message>
    <message>
        <source>%1 was removed by another program since it was opened. Save this layout there again?</source>
        <translation>%1 è stato rimosso da un altro programma dopo l'apertura. Salvare di nuovo lì questo layout?</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it from the disk?</source>
        <translation>%1 è stato modificato da un altro programma. Ricaricarlo dal disco?</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it from the disk? Your unsaved changes are lost.</source>
        <translation>%1 è stato modificato da un altro programma. Ricaricarlo dal disco? Le modifiche non salvate andranno perse.</translation>
    </message>
    <message>
        <source>Recover unsaved changes to an untitled layout from %1?

The layout has %2 keys; programmed: %3.</source>
        <translation>Recuperare le modifiche non salvate a un layout senza titolo del %1?

Il layout ha %2 tasti; programmati: %3.</translation>
    </message>
    <message>
        <source>The key pitch must be between 5 and 60 mm.</source>
        <translation>Il passo dei tasti deve essere tra 5 e 60 mm.</translation>
    </message>
    <message>
        <source>A legend must be at least 3 mm wide and high and no larger than the key pitch.</source>
        <translation>Un'etichetta deve essere larga e alta almeno 3 mm e non più grande del passo dei tasti.</translation>
    </message>
    <message>
        <source>The page is too small for the legends and the 100 mm ruler.</source>
        <translation>La pagina è troppo piccola per le etichette e il righello di 100 mm.</translation>
    </message>
    <message>
        <source>A legend does not fit on the page; choose a larger page or smaller sizes.</source>
        <translation>Un'etichetta non entra nella pagina; scegliere una pagina più grande o misure più piccole.</translation>
    </message>
    <message>
        <source>%1 - page %2 of %3</source>
        <translation>%1 - pagina %2 di %3</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(senza titolo)</translation>
    </message>
    <message>
        <source>Ruler 100 mm, square %1 x %2 mm: if they measure otherwise, the printer scaled the page.</source>
        <translation>Righello di 100 mm, quadrato di %1 x %2 mm: se misurano diversamente, la stampante ha ridimensionato la pagina.</translation>
    </message>
    <message>
        <source>Keys: %1, file format: %2</source>
        <translation>Tasti: %1, formato del file: %2</translation>
    </message>
    <message>
        <source>Keys type: %1</source>
        <translation>Tipo di tasti: %1</translation>
    </message>
    <message>
        <source>Key beep: %1, key delay: %2, typematic rate: %3, keys pause: %4 ms</source>
        <translation>Segnale acustico: %1, ritardo: %2, velocità di ripetizione: %3, pausa tra i tasti: %4 ms</translation>
    </message>
    <message>
        <source>RFID options</source>
        <translation>Opzioni RFID</translation>
    </message>
    <message>
        <source>Digits: %1, numeric: %2</source>
        <translation>Cifre: %1, numeriche: %2</translation>
    </message>
    <message>
        <source>Prefix: %1 (extended: %2), suffix: %3 (extended: %4)</source>
        <translation>Prefisso: %1 (esteso: %2), suffisso: %3 (esteso: %4)</translation>
    </message>
    <message>
        <source>Programmed keys</source>
        <translation>Tasti programmati</translation>
    </message>
    <message>
        <source>Flags: G group key, S single key. Mode: the key mode 1 to 3.</source>
        <translation>Indicatori: G tasto di gruppo, S tasto singolo. Modo: il modo del tasto, da 1 a 3.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Codici</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Indicatori</translation>
    </message>
    <message>
        <source>This build of the program cannot write SVG files (it was built without Qt SVG).</source>
        <translation>Questa versione del programma non può scrivere file SVG (è stata compilata senza Qt SVG).</translation>
    </message>
    <message>
        <source>The resolution must be between 30 and 2400 dots per inch.</source>
        <translation>La risoluzione deve essere tra 30 e 2400 punti per pollice.</translation>
    </message>
    <message>
        <source>There is nothing to print.</source>
        <translation>Non c'è niente da stampare.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .svg or .png.</source>
        <translation>Il nome del file deve terminare con .pdf, .svg o .png.</translation>
    </message>
    <message>
        <source>Legends</source>
        <translation>Etichette</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;pitch:</source>
        <translation>&amp;Passo dei tasti:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legend &amp;width (single key):</source>
        <translation>&amp;Larghezza dell'etichetta (tasto singolo):</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legend &amp;height (single key):</source>
        <translation>&amp;Altezza dell'etichetta (tasto singolo):</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>P&amp;aper:</source>
        <translation>&amp;Carta:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Margins:</source>
        <translation>&amp;Margini:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Resolution:</source>
        <translation>&amp;Risoluzione:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Pac&amp;k legends to save paper (instead of as on the keyboard)</source>
        <translation>Compatta le &amp;etichette per risparmiare carta (invece che come sulla tastiera)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Blank legends for keys without a name</source>
        <translation>Etichette &amp;vuote per i tasti senza nome</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Cut marks at the corners</source>
        <translation>Segni di &amp;taglio agli angoli</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Thin &amp;frame around each legend</source>
        <translation>Cornice &amp;sottile attorno a ogni etichetta</translation>
    </message>
    <message>
        <source>The type size must be between 1 and 10 mm, or automatic.</source>
        <translation>La dimensione del carattere deve essere compresa tra 1 e 10 mm, oppure automatica.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Type size:</source>
        <translation>&amp;Dimensione del carattere:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>These legends do not fit at the type size of the others (%1 mm) and are set smaller: %2</source>
        <translation>Queste etichette non entrano con la dimensione del carattere delle altre (%1 mm) e sono composte più piccole: %2</translation>
    </message>
    <message>
        <source>As the printer is set up</source>
        <translation>Come impostato nella stampante</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Print &amp;legends...</source>
        <translation>Stampa e&amp;tichette...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Print layout s&amp;heet...</source>
        <translation>Stampa &amp;foglio del layout...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Export</source>
        <translation>Esp&amp;orta</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as &amp;PDF...</source>
        <translation>Etichette in &amp;PDF...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as &amp;SVG...</source>
        <translation>Etichette in &amp;SVG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as P&amp;NG...</source>
        <translation>Etichette in P&amp;NG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as P&amp;DF...</source>
        <translation>Foglio del layout in P&amp;DF...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as S&amp;VG...</source>
        <translation>Foglio del layout in S&amp;VG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as PN&amp;G...</source>
        <translation>Foglio del layout in PN&amp;G...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>Immagini SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>Written:
%1</source>
        <translation>Esportazione completata:
%1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Impossibile avviare la stampante.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Undo %s</source>
        <translation>&amp;Annulla %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Redo %s</source>
        <translation>&amp;Ripeti %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Single key flag</source>
        <translation>Indicatore tasto singolo</translation>
    </message>
    <message>
        <source>Clear key</source>
        <translation>Cancella tasto</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Move key</source>
        <translation>Sposta tasto</translation>
    </message>
    <message>
        <source>Swap keys</source>
        <translation>Scambia tasti</translation>
    </message>
    <message>
        <source>Copy of key</source>
        <translation>Copia del tasto</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Layout: %1</translation>
    </message>
    <message>
        <source>Layout: %1 (unsaved changes)</source>
        <translation>Layout: %1 (modifiche non salvate)</translation>
    </message>
    <message>
        <source>Layout: unsaved layout</source>
        <translation>Layout: layout non salvato</translation>
    </message>
    <message>
        <source>There is no room for a quad key here.</source>
        <translation>Qui non c'è spazio per un tasto quadruplo.</translation>
    </message>
    <message>
        <source>There is no room for a double key here.</source>
        <translation>Qui non c'è spazio per un tasto doppio.</translation>
    </message>
    <message>
        <source>Save As 7/3scan</source>
        <translation>Salva con nome 7/3scan</translation>
    </message>
    <message>
        <source>Save As 16scan</source>
        <translation>Salva con nome 16scan</translation>
    </message>
    <message>
        <source>Save As left side</source>
        <translation>Salva con nome lato sinistro</translation>
    </message>
    <message>
        <source>Save As right side</source>
        <translation>Salva con nome lato destro</translation>
    </message>
    <message>
        <source>The window will then show the layout as saved; Undo brings the rest back.</source>
        <translation>La finestra mostrerà poi il layout così come è stato salvato; Modifica &gt; Annulla ripristina il resto.</translation>
    </message>
    <message>
        <source>The clipboard holds no key that can be pasted.</source>
        <translation>Gli appunti non contengono alcun tasto da incollare.</translation>
    </message>
    <message>
        <source>The key does not fit at key %d: its cells are not free.</source>
        <translation>Il tasto non entra nel tasto %d: le sue celle non sono libere.</translation>
    </message>
    <message>
        <source>Replace key %s with %s ?</source>
        <translation>Sostituire il tasto %s con %s?</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;menu</source>
        <translation>&amp;Menu del tasto</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 per second</source>
        <translation>%1 al secondo</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached takes 7/3scan layouts (type 0).</source>
        <translation>Il layout è per una tastiera di %1 tasti (%2); la tastiera collegata accetta layout 7/3scan (tipo 0).</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached is a single keyboard (type 1).</source>
        <translation>Il layout è per una tastiera di %1 tasti (%2); la tastiera collegata è una tastiera singola (tipo 1).</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached is a double keyboard (type 2).</source>
        <translation>Il layout è per una tastiera di %1 tasti (%2); la tastiera collegata è una tastiera doppia (tipo 2).</translation>
    </message>
    <message>
        <source>Open a 7/3scan layout, or save this one as 7/3scan with File &gt; Save As and program that file.</source>
        <translation>Aprire un layout 7/3scan oppure salvare questo come 7/3scan con File &gt; Salva con nome e programmare quel file.</translation>
    </message>
    <message>
        <source>Open a 16scan layout of 56 keys, or change the keyboard type in File &gt; Settings.</source>
        <translation>Aprire un layout 16scan di 56 tasti oppure cambiare il tipo di tastiera in File &gt; Impostazioni.</translation>
    </message>
    <message>
        <source>Open a 16scan layout of 112 keys, or change the keyboard type in File &gt; Settings.</source>
        <translation>Aprire un layout 16scan di 112 tasti oppure cambiare il tipo di tastiera in File &gt; Impostazioni.</translation>
    </message>
    <message>
        <source>The keyboard's device %1 could not be opened. Check that the keyboard is connected, that its driver is installed and that you may use the device.</source>
        <translation>Impossibile aprire il dispositivo %1 della tastiera. Controllare che la tastiera sia collegata, che il suo driver sia installato e di avere il permesso di usare il dispositivo.</translation>
    </message>
    <message>
        <source>Check the keyboard's cable and connection, then program it again.</source>
        <translation>Controllare il cavo e il collegamento della tastiera, poi programmarla di nuovo.</translation>
    </message>
    <message>
        <source>The keyboard answered with a type this program does not know. Check that a Vorlan keyboard is attached.</source>
        <translation>La tastiera ha risposto con un tipo che questo programma non conosce. Controllare che sia collegata una tastiera Vorlan.</translation>
    </message>
    <message>
        <source>The layout file %1 could not be read. Check that it exists and that you may read it.</source>
        <translation>Impossibile leggere il file del layout %1. Controllare che esista e di avere il permesso di leggerlo.</translation>
    </message>
    <message>
        <source>The layout file %1 is not one the keyboard can take. Open it in the program, check its keys and settings, and save it again.</source>
        <translation>La tastiera non può accettare il file del layout %1. Aprirlo nel programma, controllarne tasti e impostazioni e salvarlo di nuovo.</translation>
    </message>
    <message>
        <source>Keyboard: asking for its type</source>
        <translation>Tastiera: richiesta del tipo</translation>
    </message>
    <message>
        <source>Keyboard: 7/3scan (type 0)</source>
        <translation>Tastiera: 7/3scan (tipo 0)</translation>
    </message>
    <message>
        <source>Keyboard: single, 56 keys (type 1)</source>
        <translation>Tastiera: singola, 56 tasti (tipo 1)</translation>
    </message>
    <message>
        <source>Keyboard: double, 112 keys (type 2)</source>
        <translation>Tastiera: doppia, 112 tasti (tipo 2)</translation>
    </message>
    <message>
        <source>%1 of %2 bytes sent, about %3 s left</source>
        <translation>%1 di %2 byte inviati, mancano circa %3 s</translation>
    </message>
    <message>
        <source>Escape stops the run; the keyboard then needs programming again.</source>
        <translation>Esc interrompe la programmazione; poi la tastiera va programmata di nuovo.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were written; the keyboard will not work until it is programmed again.</source>
        <translation>Sono stati scritti %1 byte su %2; la tastiera non funzionerà finché non sarà programmata di nuovo.</translation>
    </message>
    <message>
        <source>Vorlan help</source>
        <translation>Guida di Vorlan</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>F&amp;ind in page:</source>
        <translation>&amp;Cerca nella pagina:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Next</source>
        <translation>&amp;Successivo</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Non trovato</translation>
    </message>
    <message>
        <source>Every key pressed is captured, held keys included. Capturing pauses 3 seconds after the dialog opens or the last key is let go: then %1 moves between the buttons, %2 presses one and %3 cancels.</source>
        <translation>Ogni tasto premuto viene acquisito, compresi i tasti tenuti premuti. L'acquisizione va in pausa 3 secondi dopo l'apertura o dopo il rilascio dell'ultimo tasto: allora %1 passa da un pulsante all'altro, %2 preme il pulsante selezionato e %3 annulla.</translation>
    </message>
    <message>
        <source>Capturing paused. %1 confirms with OK, %2 cancels, %3 moves to the other buttons; &quot;Capture again&quot; takes more keys.</source>
        <translation>Acquisizione in pausa. %1 conferma come OK, %2 annulla, %3 passa agli altri pulsanti; «Acquisisci di nuovo» aggiunge altri tasti.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Capture &amp;again</source>
        <translation>Acquisisci di &amp;nuovo</translation>
    </message>
    <message>
        <source>Capturing pauses in %1 s.</source>
        <translation>L'acquisizione va in pausa tra %1 s.</translation>
    </message>
    <message>
        <source>Keys with a mode outside 1 to 3 (as read from the file): %1.</source>
        <translation>Tasti con un modo fuori dall'intervallo da 1 a 3 (come letto dal file): %1.</translation>
    </message>
    <message>
        <source>These files are there already:
%1
Replace them?</source>
        <translation>Questi file esistono già:
%1
Sostituirli?</translation>
    </message>
    <message>
        <source>%1 reads as a layout file: the report is not written over it. Choose another name.</source>
        <translation>%1 è leggibile come file del layout: il rapporto non lo sovrascrive. Scegliere un altro nome.</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings about the keys of this layout:</source>
        <translation>
            <numerusform>%n avviso sui tasti di questo layout:</numerusform>
            <numerusform>%n avvisi sui tasti di questo layout:</numerusform>
        </translation>
    </message>
    <message>
        <source>To close the test, hold %1 down for 2 seconds.</source>
        <translation>Per chiudere la prova, tenere premuto il tasto %1 per 2 secondi.</translation>
    </message>
    <message>
        <source>This file does not start as a layout file does; it was read with the reader's defaults.</source>
        <translation>Questo file non inizia come un file del layout; è stato letto con i valori predefiniti della lettura.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>PC &amp;keyboard layout</source>
        <translation>Layout della &amp;tastiera PC</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Automatic (%s)</source>
        <translation>&amp;Automatico (%s)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Standard key names</source>
        <translation>Nomi dei tasti &amp;standard</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>nessuno trovato</translation>
    </message>
    <message>
        <source>US</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Britannico</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Austrian</source>
        <translation>Austriaco</translation>
    </message>
    <message>
        <source>Swiss German</source>
        <translation>Svizzero tedesco</translation>
    </message>
    <message>
        <source>Swiss French</source>
        <translation>Svizzero francese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Belgian</source>
        <translation>Belga</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finlandese</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danese</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvegese</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Ceco</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungherese</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;System language</source>
        <translation>Lingua di &amp;sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The language changes to %1 when the program is started again.</source>
        <translation>Lingua scelta: %1. Verrà usata al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>The language changes to the system's when the program is started again.</source>
        <translation>Lingua scelta: quella di sistema. Verrà usata al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>Key %1 has key mode %2, outside 1 to 3.</source>
        <translation>Il tasto %1 ha il modo %2, fuori da 1 a 3.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Save &amp;ink: outline the keys instead of filling them in colour</source>
        <translation>Risparmia &amp;inchiostro: solo il contorno dei tasti invece del riempimento a colori</translation>
    </message>
    <message numerus="yes">
        <source>The files of this export will take about %1 MB (%n pages at %3 dpi). Export them?</source>
        <translation>
            <numerusform>I file di questa esportazione occuperanno circa %1 MB (%n pagina a %3 dpi). Esportarli?</numerusform>
            <numerusform>I file di questa esportazione occuperanno circa %1 MB (%n pagine a %3 dpi). Esportarli?</numerusform>
        </translation>
    </message>
    <message>
        <source>The page is too small: inside its margins it leaves %1 mm, and at least %2 mm are needed. Choose a larger paper or smaller margins.</source>
        <translation>La pagina è troppo piccola: entro i margini restano %1 mm e ne servono almeno %2 mm. Scegliere una carta più grande o margini più piccoli.</translation>
    </message>
    <message numerus="yes">
        <source>None of the chosen pages is there: the document has %n pages.</source>
        <translation>
            <numerusform>Nessuna delle pagine scelte esiste: il documento ha %n pagina.</numerusform>
            <numerusform>Nessuna delle pagine scelte esiste: il documento ha %n pagine.</numerusform>
        </translation>
    </message>
    <message>
        <source>Image SHA-256: %1</source>
        <translation>SHA-256 dell'immagine: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>tasto %1</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>superato</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>non superato</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>non provato</translation>
    </message>
    <message>
        <source>(ambiguous)</source>
        <translation>(ambiguo)</translation>
    </message>
    <message>
        <source>%1-key-test</source>
        <translation>%1-prova-tasti</translation>
    </message>
    <message>
        <source>key-test</source>
        <translation>prova-tasti</translation>
    </message>
    <message>
        <source>done</source>
        <translation>completato</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>annullato dopo %1 byte</translation>
    </message>
    <message>
        <source>(after %1 bytes)</source>
        <translation>(dopo %1 byte)</translation>
    </message>
    <message>
        <source>keyboard detected, nothing written</source>
        <translation>tastiera rilevata, nulla è stato scritto</translation>
    </message>
    <message>
        <source>interrupted (bytes written not known)</source>
        <translation>interrotto (byte scritti sconosciuti)</translation>
    </message>
    <message>
        <source>incomplete: %1 of %2 bytes</source>
        <translation>incompleto: %1 di %2 byte</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>errore %1</translation>
    </message>
    <message>
        <source>unsaved layout</source>
        <translation>layout non salvato</translation>
    </message>
    <message>
        <source>%1 (unsaved changes)</source>
        <translation>%1 (modifiche non salvate)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>a layout file to open at start</source>
        <translation>un file di layout da aprire all'avvio</translation>
    </message>
    <message>
        <source>Program an emulated keyboard of type N (0: 7/3scan images, 1: single 16scan, 2: double 16scan) instead of the device, with the fault options of vorlanctl program.</source>
        <translation>Programmare una tastiera emulata di tipo N (0: immagini 7/3scan, 1: 16scan singola, 2: 16scan doppia) al posto del dispositivo, con le opzioni di guasto di vorlanctl program.</translation>
    </message>
    <message>
        <source>With --emulate: save the bytes the emulated keyboard received in each run.</source>
        <translation>Con --emulate: salvare i byte ricevuti dalla tastiera emulata a ogni programmazione.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Mostrare la versione e uscire.</translation>
    </message>
    <message>
        <source>Print the usage and exit.</source>
        <translation>Mostrare l'uso e uscire.</translation>
    </message>
    <message>
        <source>Print when the main window was first painted, then quit (for the start-up benchmark).</source>
        <translation>Mostrare quando la finestra principale è stata disegnata la prima volta, poi uscire (per misurare l'avvio).</translation>
    </message>
    <message>
        <source>The keyboard's device is VORLAN_DEVICE (default %1).</source>
        <translation>Il dispositivo della tastiera è VORLAN_DEVICE (predefinito %1).</translation>
    </message>
    <message>
        <source>User guide: %1</source>
        <translation>Guida per l'utente: %1</translation>
    </message>
    <message>
        <source>--emulate needs a keyboard type: 0, 1 or 2, with fault options (N,option,...)</source>
        <translation>--emulate richiede un tipo di tastiera: 0, 1 o 2, con opzioni di guasto (N,opzione,...)</translation>
    </message>
    <message>
        <source>--received needs a file name</source>
        <translation>--received richiede un nome di file</translation>
    </message>
    <message>
        <source>only one layout file (also given: %1)</source>
        <translation>un solo file di layout (indicato anche: %1)</translation>
    </message>
    <message>
        <source>--received needs an emulated keyboard (--emulate N)</source>
        <translation>--received richiede una tastiera emulata (--emulate N)</translation>
    </message>
    <message>
        <source>Program a &amp;batch...</source>
        <translation>Programma un &amp;lotto...</translation>
    </message>
    <message>
        <source>Program a batch</source>
        <translation>Programma un lotto</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Order &amp;reference:</source>
        <translation>&amp;Riferimento ordine:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Number of keyboards:</source>
        <translation>&amp;Numero di tastiere:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test after each keyboard:</source>
        <translation>&amp;Prova dopo ogni tastiera:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>The programmed keys</source>
        <translation>I tasti programmati</translation>
    </message>
    <message>
        <source>Every key</source>
        <translation>Ogni tasto</translation>
    </message>
    <message>
        <source>A batch programs the layout as it is saved, never unsaved changes. Save the layout now?</source>
        <translation>Un lotto programma il layout così come è salvato, mai modifiche non salvate. Salvare il layout ora?</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Postazione</translation>
    </message>
    <message>
        <source>Keyboard %1 of %2</source>
        <translation>Tastiera %1 di %2</translation>
    </message>
    <message>
        <source>Waiting for a keyboard...</source>
        <translation>In attesa di una tastiera...</translation>
    </message>
    <message>
        <source>Passed. Take the keyboard away.</source>
        <translation>Superata. Togliere la tastiera.</translation>
    </message>
    <message>
        <source>Programming... %1 %</source>
        <translation>Programmazione... %1 %</translation>
    </message>
    <message>
        <source>Testing: press every key (%1 of %2)</source>
        <translation>Prova: premere ogni tasto (%1 di %2)</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Non riuscita: %1</translation>
    </message>
    <message>
        <source>Enter: go on    R: retry    S: set aside    Escape: pause</source>
        <translation>Invio: avanti    R: riprova    S: metti da parte    Esc: pausa</translation>
    </message>
    <message>
        <source>The batch is paused. End it now? %1 of %2 keyboards passed.</source>
        <translation>Il lotto è in pausa. Terminarlo ora? %1 di %2 tastiere superate.</translation>
    </message>
    <message numerus="yes">
        <source>The batch is complete: %n keyboards passed.</source>
        <translation>
            <numerusform>Il lotto è completo: %n tastiera superata.</numerusform>
            <numerusform>Il lotto è completo: %n tastiere superate.</numerusform>
        </translation>
    </message>
    <message>
        <source>A batch stopped before its end: order %1, %2 of %3 keyboards passed. Resume it?</source>
        <translation>Un lotto si è fermato prima della fine: ordine %1, %2 di %3 tastiere superate. Riprenderlo?</translation>
    </message>
    <message numerus="yes">
        <source>%n keys cannot be tested from key presses</source>
        <translation>
            <numerusform>%n tasto non può essere provato con le pressioni</numerusform>
            <numerusform>%n tasti non possono essere provati con le pressioni</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF report (*.pdf);;CSV table (*.csv)</source>
        <translation>Rapporto PDF (*.pdf);;Tabella CSV (*.csv)</translation>
    </message>
    <message>
        <source>passed</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>superata</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>non riuscita</translation>
    </message>
    <message>
        <source>set aside</source>
        <translation>messa da parte</translation>
    </message>
    <message>
        <source>not tested</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>non provata</translation>
    </message>
    <message>
        <source>no test</source>
        <translation>nessuna prova</translation>
    </message>
    <message>
        <source>Batch report</source>
        <translation>Rapporto del lotto</translation>
    </message>
    <message>
        <source>Order: %1</source>
        <translation>Ordine: %1</translation>
    </message>
    <message>
        <source>Layout file: %1</source>
        <translation>File di layout: %1</translation>
    </message>
    <message>
        <source>Image SHA-256: %1</source>
        <comment>batch report</comment>
        <translation>SHA-256 dell'immagine: %1</translation>
    </message>
    <message>
        <source>Station: %1</source>
        <translation>Postazione: %1</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Dal %1 al %2</translation>
    </message>
    <message>
        <source>Passed: %1    Failed: %2    Set aside: %3</source>
        <translation>Superate: %1    Non riuscite: %2    Messe da parte: %3</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Posto</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Batch &amp;report...</source>
        <translation>Rapporto del lo&amp;tto...</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordine</translation>
    </message>
    <message>
        <source>Stop programming this keyboard? It will need programming again.</source>
        <translation>Interrompere la programmazione di questa tastiera? Andrà programmata di nuovo.</translation>
    </message>
    <message>
        <source>Enter: go on    Escape: pause</source>
        <translation>Invio: avanti    Esc: pausa</translation>
    </message>
    <message>
        <source>Escape: stop programming this keyboard</source>
        <translation>Esc: interrompi la programmazione di questa tastiera</translation>
    </message>
    <message>
        <source>No keyboard is in progress.</source>
        <translation>Nessuna tastiera è in corso.</translation>
    </message>
    <message>
        <source>The keyboard on the station passed and is recorded.</source>
        <translation>La tastiera sulla postazione è superata e registrata.</translation>
    </message>
    <message>
        <source>The keyboard on the station is recorded as failed and will need programming again.</source>
        <translation>La tastiera sulla postazione viene registrata come non riuscita e richiederà una nuova programmazione.</translation>
    </message>
    <message>
        <source>No ends the batch: its keyboards so far stay in the programming log, and Tools &gt; Batch report still writes its report.</source>
        <translation>«No» termina il lotto: le sue tastiere finora restano nel registro di programmazione, e Strumenti &gt; Rapporto del lotto ne scrive ancora il rapporto.</translation>
    </message>
    <message>
        <source>Still to press: %1</source>
        <translation>Ancora da premere: %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e altri %2</translation>
    </message>
    <message>
        <source>Keyboard type found: %1. Bytes written: %2 of %3.</source>
        <translation>Tipo di tastiera trovato: %1. Byte scritti: %2 di %3.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>the keyboard sent %1 (codes %2), which no key of the layout sends</source>
        <translation>la tastiera ha inviato %1 (codici %2), che nessun tasto del layout invia</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Save report... (%1)</source>
        <translation>&amp;Salva rapporto... (%1)</translation>
    </message>
    <message>
        <source>Enter an order reference: it names the batch in the log and in the report.</source>
        <translation>Inserire un riferimento ordine: identifica il lotto nel registro e nel rapporto.</translation>
    </message>
    <message>
        <source>The order reference is too long: at most %1 bytes.</source>
        <translation>Il riferimento ordine è troppo lungo: al massimo %1 byte.</translation>
    </message>
    <message>
        <source>The order reference cannot hold tabs, line ends or other control characters.</source>
        <translation>Il riferimento ordine non può contenere tabulazioni, fine riga o altri caratteri di controllo.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Batch (order):</source>
        <translation>&amp;Lotto (ordine):</translation>
    </message>
    <message>
        <source>The programming log holds no batch yet.</source>
        <translation>Il registro di programmazione non contiene ancora alcun lotto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be typed on a %2 PC keyboard (character %3)</source>
        <translation>«%1» non si può digitare su una tastiera PC %2 (carattere %3)</translation>
    </message>
    <message>
        <source>The text needs %1 codes and a key holds 16: it stops fitting at character %2</source>
        <translation>Il testo richiede %1 codici e un tasto ne contiene 16: non entra più dal carattere %2</translation>
    </message>
    <message>
        <source>No key is named &quot;{%1}&quot; (character %2); write {{ for a brace</source>
        <translation>Nessun tasto si chiama «{%1}» (carattere %2); scrivere {{ per una graffa</translation>
    </message>
    <message>
        <source>The &quot;{&quot; at character %1 has no closing &quot;}&quot;; write {{ for a brace</source>
        <translation>La «{» al carattere %1 non ha la «}» di chiusura; scrivere {{ per una graffa</translation>
    </message>
    <message>
        <source>The keyboard holds each code down until the key is let go, so the key types &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>La tastiera tiene premuto ogni codice finché il tasto non viene rilasciato, quindi il tasto digita «%1», non «%2»</translation>
    </message>
    <message>
        <source>The keyboard holds each code down until the key is let go, so the key does not type &quot;%1&quot;</source>
        <translation>La tastiera tiene premuto ogni codice finché il tasto non viene rilasciato, quindi il tasto non digita «%1»</translation>
    </message>
    <message>
        <source>types %1</source>
        <translation>digita %1</translation>
    </message>
    <message>
        <source>Key %1 ends with a modifier (Shift, Ctrl, Alt or AltGr) that no key follows.</source>
        <translation>Il tasto %1 termina con un modificatore (Maiusc, Ctrl, Alt o AltGr) non seguito da alcun tasto.</translation>
    </message>
    <message>
        <source>Key %1 ends with a dead key of the %2 PC keyboard that nothing follows.</source>
        <translation>Il tasto %1 termina con un tasto morto della tastiera PC %2 non seguito da nulla.</translation>
    </message>
    <message>
        <source>Key %1 sends code %2, which no key of a PC keyboard makes.</source>
        <translation>Il tasto %1 invia il codice %2, che nessun tasto di una tastiera PC produce.</translation>
    </message>
    <message>
        <source>The first row must name the columns: key, name, text, codes, shape</source>
        <translation>La prima riga deve nominare le colonne: key, name, text, codes, shape</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no column of a key list (key, name, text, codes, shape)</source>
        <translation>«%1» non è una colonna di un elenco di tasti (key, name, text, codes, shape)</translation>
    </message>
    <message>
        <source>The header names no &quot;key&quot; column</source>
        <translation>L’intestazione non nomina alcuna colonna «key»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key number from 1 to %2</source>
        <translation>«%1» non è un numero di tasto da 1 a %2</translation>
    </message>
    <message>
        <source>Key %1 takes a cell that an earlier row's key holds</source>
        <translation>Il tasto %1 occupa una cella che ha già il tasto di una riga precedente</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no shape (single, double-right, double-down, quad)</source>
        <translation>«%1» non è una forma (single, double-right, double-down, quad)</translation>
    </message>
    <message>
        <source>A %1 key at key %2 does not fit the grid</source>
        <translation>Un tasto %1 al tasto %2 non entra nella griglia dei tasti</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; has characters a layout file cannot hold</source>
        <translation>Il nome «%1» ha caratteri che un file del layout non può contenere</translation>
    </message>
    <message>
        <source>A name cannot hold &quot;;&quot;, &quot;,&quot; or a line end</source>
        <translation>Un nome non può contenere «;», «,» o un fine riga</translation>
    </message>
    <message>
        <source>The name is %1 bytes long; a key's name holds at most 102</source>
        <translation>Il nome è lungo %1 byte; il nome del tasto ne contiene al massimo 102</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of at most 16 codes from 0 to 255</source>
        <translation>«%1» non è un elenco di al massimo 16 codici da 0 a 255</translation>
    </message>
    <message>
        <source>The text and the codes differ: give one of them</source>
        <translation>Il testo e i codici differiscono: indicarne uno solo</translation>
    </message>
    <message>
        <source>A quoted cell has no closing quote</source>
        <translation>Una cella tra virgolette non ha la virgoletta di chiusura</translation>
    </message>
    <message>
        <source>The row has more cells than the header names</source>
        <translation>La riga ha più celle di quante ne nomini l’intestazione</translation>
    </message>
    <message>
        <source>The list holds no key</source>
        <translation>L’elenco non contiene alcun tasto</translation>
    </message>
    <message>
        <source>row %1, column %2 (%3)</source>
        <translation>riga %1, colonna %2 (%3)</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>The key list does not hold everything of this layout (its settings, RFID options, modes or group keys): importing it gives another layout file</source>
        <translation>L’elenco dei tasti non contiene tutto di questo layout (impostazioni, opzioni RFID, modi o tasti di gruppo): importarlo dà un altro file del layout</translation>
    </message>
    <message>
        <source>Rows left out: %1</source>
        <translation>Righe tralasciate: %1</translation>
    </message>
    <message>
        <source>Type a te&amp;xt...</source>
        <translation>Digitare un te&amp;sto...</translation>
    </message>
    <message>
        <source>Type a text</source>
        <translation>Digitare un testo</translation>
    </message>
    <message>
        <source>The text as typed on a %1 PC keyboard ({Enter}, {Tab}, {F5} for named keys, {{ for a brace):</source>
        <translation>Il testo come si digita su una tastiera PC %1 ({Enter}, {Tab}, {F5} per i tasti con nome, {{ per una graffa):</translation>
    </message>
    <message>
        <source>Digits from the &amp;number pad</source>
        <translation>Cifre del tastierino &amp;numerico</translation>
    </message>
    <message>
        <source>&amp;Import key list...</source>
        <translation>Importa e&amp;lenco dei tasti...</translation>
    </message>
    <message>
        <source>Export &amp;key list...</source>
        <translation>Esporta elenco &amp;dei tasti...</translation>
    </message>
    <message>
        <source>Key lists (*.csv)</source>
        <translation>Elenchi dei tasti (*.csv)</translation>
    </message>
    <message>
        <source>Import key list</source>
        <translation>Importa elenco dei tasti</translation>
    </message>
    <message>
        <source>Export key list</source>
        <translation>Esporta elenco dei tasti</translation>
    </message>
    <message>
        <source>Layout file to write</source>
        <translation>File del layout da scrivere</translation>
    </message>
    <message>
        <source>The key list has wrong rows, so nothing was imported:
%1</source>
        <translation>L’elenco dei tasti ha righe errate, quindi non è stato importato nulla:
%1</translation>
    </message>
    <message>
        <source>Type the digits of the texts on the number pad, the same on every PC keyboard layout?</source>
        <translation>Digitare le cifre dei testi sul tastierino numerico, uguale in ogni layout della tastiera PC?</translation>
    </message>
    <message>
        <source>Layout files (*.txt)</source>
        <translation>File del layout (*.txt)</translation>
    </message>
    <message>
        <source>At line %1.</source>
        <translation>Alla riga %1.</translation>
    </message>
    <message>
        <source>The image builder stops at this line, so vorlanctl image and program refuse the file: Invalid file format. (%1)</source>
        <translation>Il generatore dell'immagine si ferma a questa riga, quindi vorlanctl image e program rifiutano il file: Formato del file non valido. (%1)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Hyphenation of the &amp;names:</source>
        <translation>Sillabazione dei &amp;nomi:</translation>
    </message>
    <message>
        <source>The program's language (%1)</source>
        <translation>La lingua del programma (%1)</translation>
    </message>
    <message>
        <source>None: long names are set smaller</source>
        <translation>Nessuna: i nomi lunghi vengono rimpiccioliti</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1 (nessun dizionario installato)</translation>
    </message>
    <message>
        <source>Insert key</source>
        <comment>undo step</comment>
        <translation>inserimento tasto</translation>
    </message>
    <message>
        <source>Copy key</source>
        <comment>undo step</comment>
        <translation>copia tasto</translation>
    </message>
    <message>
        <source>Single</source>
        <comment>undo step</comment>
        <translation>Singolo</translation>
    </message>
    <message>
        <source>Double</source>
        <comment>undo step</comment>
        <translation>Doppio</translation>
    </message>
    <message>
        <source>Quad</source>
        <comment>undo step</comment>
        <translation>Quadruplo</translation>
    </message>
    <message>
        <source>Clear All</source>
        <comment>button of the capture dialog</comment>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Set flag for all keys</source>
        <comment>undo step</comment>
        <translation>indicatore per tutti i tasti</translation>
    </message>
    <message>
        <source>Key mode</source>
        <comment>undo step</comment>
        <translation>Modo del tasto</translation>
    </message>
    <message>
        <source>Set mode for all keys</source>
        <comment>undo step</comment>
        <translation>modo per tutti i tasti</translation>
    </message>
    <message>
        <source>Key codes</source>
        <comment>undo step</comment>
        <translation>Codici del tasto</translation>
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
        <translation>Nome: %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Edit</source>
        <comment>the menu named in a hint of the find bar</comment>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <comment>heading on the layout sheet</comment>
        <translation>Impostazioni della tastiera</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <comment>title of the keyboard settings dialog</comment>
        <translation>Impostazioni della tastiera</translation>
    </message>
    <message>
        <source>RFID options</source>
        <comment>heading on the layout sheet</comment>
        <translation>Opzioni RFID</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <comment>key test report</comment>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the keyboard settings dialog</comment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the capture dialog</comment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Keyboard type</source>
        <comment>column of the programming log</comment>
        <translation>Tipo di tastiera</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <comment>line of the programming result</comment>
        <translation>Layout: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button of the key test</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button of the programming log</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Save report...</source>
        <comment>button of the key test</comment>
        <translation>Salva rapporto...</translation>
    </message>
    <message>
        <source>Key test</source>
        <comment>column of the batch report</comment>
        <translation>Prova dei tasti</translation>
    </message>
    <message>
        <source>Cannot open the record %1: %2</source>
        <translation>Impossibile aprire il registro %1: %2</translation>
    </message>
    <message>
        <source>Cannot write to the record %1: it is read-only.</source>
        <translation>Impossibile scrivere nel registro %1: è di sola lettura.</translation>
    </message>
    <message>
        <source>Cannot write to the record %1: the disk is full.</source>
        <translation>Impossibile scrivere nel registro %1: il disco è pieno.</translation>
    </message>
    <message>
        <source>The record %1 is busy: another program held it too long.</source>
        <translation>Il registro %1 è occupato: un altro programma lo ha tenuto troppo a lungo.</translation>
    </message>
    <message>
        <source>The record %1 is damaged; it is left as it is.</source>
        <translation>Il registro %1 è danneggiato; viene lasciato com’è.</translation>
    </message>
    <message>
        <source>%1 is not a record of this program; it is left as it is.</source>
        <translation>%1 non è un registro di questo programma; viene lasciato com’è.</translation>
    </message>
    <message>
        <source>The record %1 was written by a newer version of this program.</source>
        <translation>Il registro %1 è stato scritto da una versione più recente di questo programma.</translation>
    </message>
    <message>
        <source>The record %1 belongs to another user; it is not used.</source>
        <translation>Il registro %1 appartiene a un altro utente; non viene usato.</translation>
    </message>
    <message>
        <source>The record %1 is reached through a link; it is not used.</source>
        <translation>Il registro %1 è raggiunto tramite un collegamento; non viene usato.</translation>
    </message>
    <message>
        <source>This batch is being run by %1.</source>
        <translation>Questo lotto è in esecuzione su %1.</translation>
    </message>
    <message>
        <source>Order %1 has an open batch already.</source>
        <translation>L’ordine %1 ha già un lotto aperto.</translation>
    </message>
    <message>
        <source>The record %1 holds no such run or batch in progress.</source>
        <translation>Il registro %1 non contiene tale esecuzione o lotto in corso.</translation>
    </message>
    <message>
        <source>An order reference is needed.</source>
        <translation>È necessario un riferimento d’ordine.</translation>
    </message>
    <message>
        <source>An order reference has at most %1 bytes.</source>
        <translation>Un riferimento d’ordine ha al massimo %1 byte.</translation>
    </message>
    <message>
        <source>The order reference is not UTF-8 text.</source>
        <translation>Il riferimento d’ordine non è testo UTF-8.</translation>
    </message>
    <message>
        <source>The order reference holds a control character.</source>
        <translation>Il riferimento d’ordine contiene un carattere di controllo.</translation>
    </message>
    <message>
        <source>Cannot use the record %1: %2</source>
        <translation>Impossibile usare il registro %1: %2</translation>
    </message>
    <message>
        <source>Every keyboard of order %1 is passed or in progress: the batch takes no more.</source>
        <translation>Ogni tastiera dell’ordine %1 è superata o in corso: il lotto non ne accetta altre.</translation>
    </message>
    <message>
        <source>The record server %1 cannot be reached: %2</source>
        <translation>Il server del registro %1 non è raggiungibile: %2</translation>
    </message>
    <message>
        <source>The record server %1 refused the login: %2</source>
        <translation>Il server del registro %1 ha rifiutato l’accesso: %2</translation>
    </message>
    <message>
        <source>The record server %1 has no such database: %2</source>
        <translation>Il server del registro %1 non ha questo database: %2</translation>
    </message>
    <message>
        <source>The record %1 has an older schema that this login may not bring up to date (%2); nothing was changed.</source>
        <translation>Il registro %1 ha uno schema più vecchio che questo accesso non può aggiornare (%2); non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The record's address %1 holds a password, which others could read there; give it in ~/.pgpass, PGPASSWORD or a PGSERVICE entry instead.</source>
        <translation>L’indirizzo del registro %1 contiene una password, che altri potrebbero leggervi; indicarla invece in ~/.pgpass, PGPASSWORD o in una voce PGSERVICE.</translation>
    </message>
    <message>
        <source>This build of the program cannot use a record on a PostgreSQL server (%1).</source>
        <translation>Questa build del programma non può usare un registro su un server PostgreSQL (%1).</translation>
    </message>
    <message>
        <source>%1 is the record of runs; nothing else is written to it.</source>
        <translation>%1 è il registro delle esecuzioni; non vi si scrive nient’altro.</translation>
    </message>
    <message>
        <source>%1 is named for two outputs of one run.</source>
        <translation>%1 è indicato per due uscite della stessa esecuzione.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>File SHA-256</source>
        <translation>SHA-256 del file</translation>
    </message>
    <message>
        <source>Differs from the batch</source>
        <translation>Diverso dal lotto</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>diverso</translation>
    </message>
    <message>
        <source>The batch is paused: %1</source>
        <translation>Il lotto è in pausa: %1</translation>
    </message>
    <message>
        <source>The layout file %1 has changed since the batch began; every keyboard of a batch is programmed and tested with one layout. End the batch?</source>
        <translation>Il file del layout %1 è cambiato dall’inizio del lotto; tutte le tastiere di un lotto sono programmate e provate con un solo layout. Terminare il lotto?</translation>
    </message>
    <message>
        <source>Batches need the record of runs. %1</source>
        <translation>I lotti richiedono il registro delle esecuzioni. %1</translation>
    </message>
    <message>
        <source>The keyboard was not programmed: the record of runs cannot take this run. %1</source>
        <translation>La tastiera non è stata programmata: il registro delle esecuzioni non può registrare questa esecuzione. %1</translation>
    </message>
    <message>
        <source>Rec&amp;ords...</source>
        <translation>&amp;Ubicazione del registro...</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>The &amp;file beside the programming log: %1</source>
        <translation>Il &amp;file accanto al registro di programmazione: %1</translation>
    </message>
    <message>
        <source>A PostgreSQL &amp;server:</source>
        <translation>Un &amp;server PostgreSQL:</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Prova la connessione</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connessione a %1...</translation>
    </message>
    <message>
        <source>The record %1 can be used.</source>
        <translation>Il registro %1 può essere usato.</translation>
    </message>
    <message>
        <source>A record on a server is named by an address beginning with postgresql://, for example postgresql://station@workshop-server/vorlan.</source>
        <translation>Un registro su un server si indica con un indirizzo che inizia con postgresql://, per esempio postgresql://station@workshop-server/vorlan.</translation>
    </message>
    <message>
        <source>No password is kept here: the server's password comes from ~/.pgpass, PGPASSWORD or a PGSERVICE entry.</source>
        <translation>Qui non si conserva alcuna password: la password del server viene da ~/.pgpass, PGPASSWORD o da una voce PGSERVICE.</translation>
    </message>
    <message>
        <source>Close the station before choosing another record: its batch stays in the record it began in.</source>
        <translation>Chiudere la postazione prima di scegliere un altro registro: il suo lotto resta nel registro in cui è iniziato.</translation>
    </message>
    <message>
        <source>Keyboard %1 of %2 — %3 stations</source>
        <translation>Tastiera %1 di %2 — %3 postazioni</translation>
    </message>
    <message>
        <source>&amp;Join a batch...</source>
        <translation>Un&amp;isciti a un lotto...</translation>
    </message>
    <message>
        <source>Join a batch</source>
        <translation>Unisciti a un lotto</translation>
    </message>
    <message>
        <source>The open batches of the record %1:</source>
        <translation>I lotti aperti del registro %1:</translation>
    </message>
    <message>
        <source>%1 — %2 of %3 passed — opened on %4, %5</source>
        <translation>%1 — %2 di %3 superate — aperto su %4, %5</translation>
    </message>
    <message>
        <source>The record %1 has no open batch to join.</source>
        <translation>Il registro %1 non ha alcun lotto aperto a cui unirsi.</translation>
    </message>
    <message>
        <source>The batch programs the layout file %1. Open that layout file, saved with the same contents, in the window, then join again.</source>
        <translation>Il lotto programma il file del layout %1. Aprire quel file del layout, salvato con lo stesso contenuto, nella finestra, poi unirsi di nuovo.</translation>
    </message>
    <message>
        <source>The record server %1 cannot be reached: %2. This keyboard's result is kept in %3 and sent when the server answers.</source>
        <translation>Il server del registro %1 non è raggiungibile: %2. Il risultato di questa tastiera è conservato in %3 e inviato quando il server risponde.</translation>
    </message>
    <message>
        <source>Enter: try the record again    Escape: pause</source>
        <translation>Invio: riprova il registro    Esc: pausa</translation>
    </message>
    <message>
        <source>Results kept at this station were sent to the record server: %1.</source>
        <translation>I risultati conservati in questa postazione sono stati inviati al server del registro: %1.</translation>
    </message>
    <message>
        <source>Leave the batch? It stays open for the other stations. %1 of %2 keyboards passed.</source>
        <translation>Lasciare il lotto? Resta aperto per le altre postazioni. %1 di %2 tastiere superate.</translation>
    </message>
    <message>
        <source>The batch was ended at another station. Its keyboards so far stay in the record.</source>
        <translation>Il lotto è stato terminato in un'altra postazione. Le sue tastiere finora restano nel registro.</translation>
    </message>
    <message>
        <source>The batch is paused: the record server cannot be reached. Results kept at this station until it answers: %1.</source>
        <translation>Il lotto è in pausa: il server del registro non è raggiungibile. Risultati conservati in questa postazione finché non risponde: %1.</translation>
    </message>
</context>
</TS>
