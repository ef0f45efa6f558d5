<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Vorlan</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Insert scan-codes by pressing key</source>
        <translation>Wprowadź kody skanowania, naciskając klawisze</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <translation>Nieprawidłowy argument.</translation>
    </message>
    <message>
        <source>Invalid keyboard type.</source>
        <translation>Nieprawidłowy typ klawiatury.</translation>
    </message>
    <message>
        <source>Syntax error!</source>
        <translation>Błąd składni!</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Nie można otworzyć pliku.</translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation>Nieprawidłowy format pliku.</translation>
    </message>
    <message>
        <source>Invalid keyboard type detected.</source>
        <translation>Wykryto nieprawidłowy typ klawiatury.</translation>
    </message>
    <message>
        <source>Vorlan driver error.</source>
        <translation>Błąd sterownika Vorlan.</translation>
    </message>
    <message>
        <source>Keyboard detecting error.</source>
        <translation>Błąd wykrywania klawiatury.</translation>
    </message>
    <message>
        <source>File format mismatch.</source>
        <translation>Format pliku nie pasuje do klawiatury.</translation>
    </message>
    <message>
        <source>Keyboard programming error.</source>
        <translation>Błąd programowania klawiatury.</translation>
    </message>
    <message>
        <source>Data buffer error.</source>
        <translation>Błąd bufora danych.</translation>
    </message>
    <message>
        <source>File version error</source>
        <translation>Błąd wersji pliku</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Dysk jest pełny.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>Nie można zapisywać w folderze %1.</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>%1 is the layout being read.</source>
        <translation>%1 to odczytywany układ.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Nie można zapisać %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 jest plikiem, a nie folderem.</translation>
    </message>
    <message>
        <source>%1 cannot be written: too many levels of links.</source>
        <translation>Nie można zapisać %1: zbyt wiele poziomów dowiązań.</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1.</source>
        <translation>Nie można pisać na standardowe wyjście: %1.</translation>
    </message>
    <message>
        <source>No file was replaced: the old files are as they were.</source>
        <translation>Żaden plik nie został zastąpiony: dotychczasowe pliki pozostały bez zmian.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Nie można otworzyć pliku!</translation>
    </message>
    <message>
        <source>The file contains no programmed key</source>
        <translation>Plik nie zawiera żadnego zaprogramowanego klawisza</translation>
    </message>
    <message>
        <source>Group key error</source>
        <translation>Błąd klawisza grupowego</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Wpisz dodatnią liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Wpisz liczbę całkowitą od %1 do %2.</translation>
    </message>
    <message>
        <source>Edit scan codes</source>
        <translation>Edytuj kody skanowania</translation>
    </message>
    <message>
        <source>Scan-codes</source>
        <translation>Kody skanowania</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear Last</source>
        <translation>Wyczyść ostatni</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Vorlan - keyboard programmer  -  [%s]</source>
        <translation>Vorlan - programator klawiatur  -  [%s]</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>bez nazwy</translation>
    </message>
    <message>
        <source>Do you want to save current file?</source>
        <translation>Czy zapisać bieżący plik?</translation>
    </message>
    <message>
        <source>Clear key %s ?</source>
        <translation>Wyczyścić klawisz %s?</translation>
    </message>
    <message>
        <source>Clear all keys ?</source>
        <translation>Wyczyścić wszystkie klawisze?</translation>
    </message>
    <message>
        <source>Insert %s to key %d ?</source>
        <translation>Wstawić %s do klawisza %d?</translation>
    </message>
    <message>
        <source>Keyboard type: Vorlan S (SN)</source>
        <translation>Typ klawiatury: Vorlan S (SN)</translation>
    </message>
    <message>
        <source>Keyboard type: Vorlan D</source>
        <translation>Typ klawiatury: Vorlan D</translation>
    </message>
    <message>
        <source>Keys type: Typematic SCAN</source>
        <translation>Typ klawiszy: Typematic SCAN</translation>
    </message>
    <message>
        <source>Keys type: Make-Break SCAN</source>
        <translation>Typ klawiszy: Make-Break SCAN</translation>
    </message>
    <message>
        <source>Keys beep: On</source>
        <translation>Dźwięk klawiszy: wł.</translation>
    </message>
    <message>
        <source>Keys beep: Off</source>
        <translation>Dźwięk klawiszy: wył.</translation>
    </message>
    <message>
        <source>Keys delay: %d</source>
        <translation>Opóźnienie: %d</translation>
    </message>
    <message>
        <source>Keys rate: %d</source>
        <translation>Szybkość powtarzania: %d</translation>
    </message>
    <message>
        <source>Number: ----</source>
        <translation>Numer: ----</translation>
    </message>
    <message>
        <source>Number: %d</source>
        <translation>Numer: %d</translation>
    </message>
    <message>
        <source>Name: ----</source>
        <translation>Nazwa: ----</translation>
    </message>
    <message>
        <source>Name: %s</source>
        <translation>Nazwa: %s</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Wpisz liczbę całkowitą od 0 do 255.</translation>
    </message>
    <message>
        <source>Programming was stopped; the keyboard holds only part of the layout.</source>
        <translation>Programowanie przerwano; klawiatura zawiera tylko część układu.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Wpisz liczbę całkowitą.</translation>
    </message>
    <message>
        <source>%1 [emulated keyboard, type %2]</source>
        <translation>%1 [emulowana klawiatura, typ %2]</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programowanie...</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <translation>Ustawienia klawiatury</translation>
    </message>
    <message>
        <source>Keyboard type</source>
        <translation>Typ klawiatury</translation>
    </message>
    <message>
        <source>Vorlan S - 56 keys (single)</source>
        <translation>Vorlan S - 56 klawiszy (pojedyncza)</translation>
    </message>
    <message>
        <source>Vorlan D - 112 keys (double)</source>
        <translation>Vorlan D - 112 klawiszy (podwójna)</translation>
    </message>
    <message>
        <source>Keys pause</source>
        <translation>Przerwa między klawiszami</translation>
    </message>
    <message>
        <source>(0 - 255) ms</source>
        <translation>(0 - 255) ms</translation>
    </message>
    <message>
        <source>Keys type</source>
        <translation>Typ klawiszy</translation>
    </message>
    <message>
        <source>Make-Break SCAN (without repeat)</source>
        <translation>Make-Break SCAN (bez powtarzania)</translation>
    </message>
    <message>
        <source>Typematic SCAN (with repeat)</source>
        <translation>Typematic SCAN (z powtarzaniem)</translation>
    </message>
    <message>
        <source>Key beep</source>
        <translation>Dźwięk klawiszy</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włączony</translation>
    </message>
    <message>
        <source>Key repeat</source>
        <translation>Powtarzanie klawiszy</translation>
    </message>
    <message>
        <source>Typematic rate:</source>
        <translation>Szybkość powtarzania:</translation>
    </message>
    <message>
        <source>Key delay:</source>
        <translation>Opóźnienie:</translation>
    </message>
    <message>
        <source>Vorlan - keyboard programmer</source>
        <translation>Vorlan - programator klawiatur</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;New...</source>
        <translation>&amp;Nowy...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Programming...</source>
        <translation>&amp;Programowanie...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Se&amp;ttings...</source>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Content</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Insert key</source>
        <translation>Wstaw klawisz</translation>
    </message>
    <message>
        <source>Copy key</source>
        <translation>Kopiuj klawisz</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Pojedynczy</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Podwójny</translation>
    </message>
    <message>
        <source>to Right</source>
        <translation>w prawo</translation>
    </message>
    <message>
        <source>to Down</source>
        <translation>w dół</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Poczwórny</translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation>Wyczyść klawisz</translation>
    </message>
    <message>
        <source>RFID</source>
        <translation>RFID</translation>
    </message>
    <message>
        <source>Digits count:</source>
        <translation>Liczba cyfr:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefiks:</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Sufiks:</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Rozszerzony</translation>
    </message>
    <message>
        <source>Digits type - NUM</source>
        <translation>Typ cyfr - NUM</translation>
    </message>
    <message>
        <source>Key flags</source>
        <translation>Flagi klawisza</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>Klawisz pojedynczy</translation>
    </message>
    <message>
        <source>Group key</source>
        <translation>Klawisz grupowy</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Set flag for all keys</source>
        <translation>Ustaw flagę dla wszystkich klawiszy</translation>
    </message>
    <message>
        <source>Key mode</source>
        <translation>Tryb klawisza</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Tryb 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Tryb 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Tryb 3</translation>
    </message>
    <message>
        <source>Set mode for all keys</source>
        <translation>Ustaw tryb dla wszystkich klawiszy</translation>
    </message>
    <message>
        <source>Programmed keys:</source>
        <translation>Zaprogramowane klawisze:</translation>
    </message>
    <message>
        <source>Key </source>
        <translation>Klawisz </translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Numer klawisza</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Nazwa klawisza</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;name</source>
        <translation>Na&amp;zwa klawisza</translation>
    </message>
    <message>
        <source>Codes are entered in the capture dialog: press Enter or double-click the key.</source>
        <translation>Kody wprowadza się w oknie przechwytywania: naciśnij Enter lub kliknij dwukrotnie klawisz.</translation>
    </message>
    <message>
        <source>Key codes</source>
        <translation>Kody klawisza</translation>
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
        <translation>O programie</translation>
    </message>
    <message>
        <source>Vorlan 16scan keyboard programmer</source>
        <translation>Vorlan - programator klawiatur 16scan</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Wersja:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Key grid</source>
        <translation>Siatka klawiszy</translation>
    </message>
    <message>
        <source>The keys of the layout; arrow keys move the selection, Enter edits the key's codes</source>
        <translation>Klawisze układu; klawisze strzałek przesuwają zaznaczenie, Enter edytuje kody klawisza</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <translation>%1, klawisz %2</translation>
    </message>
    <message>
        <source>unnamed key, key %1</source>
        <translation>klawisz bez nazwy, klawisz %1</translation>
    </message>
    <message>
        <source>empty, key %1</source>
        <translation>pusty, klawisz %1</translation>
    </message>
    <message>
        <source>single</source>
        <translation>jedno pole</translation>
    </message>
    <message>
        <source>double key of keys %1 and %2</source>
        <translation>klawisz podwójny z klawiszy %1 i %2</translation>
    </message>
    <message>
        <source>quad key of keys %1, %2, %3 and %4</source>
        <translation>klawisz poczwórny z klawiszy %1, %2, %3 i %4</translation>
    </message>
    <message>
        <source>not in use with 56 keys</source>
        <translation>nieużywany przy 56 klawiszach</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>zaznaczony</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>Code %1</source>
        <translation>Kod %1</translation>
    </message>
    <message>
        <source>Previous key</source>
        <translation>Poprzedni klawisz</translation>
    </message>
    <message>
        <source>Next key</source>
        <translation>Następny klawisz</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;names on the grid</source>
        <translation>&amp;Nazwy klawiszy na siatce</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Find key...</source>
        <translation>&amp;Znajdź klawisz...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Find &amp;next</source>
        <translation>Znajdź &amp;następny</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Find pre&amp;vious</source>
        <translation>Znajdź p&amp;oprzedni</translation>
    </message>
    <message>
        <source>Find key:</source>
        <translation>Znajdź klawisz:</translation>
    </message>
    <message>
        <source>name or code</source>
        <translation>nazwa lub kod</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d z %d</translation>
    </message>
    <message>
        <source>%d found</source>
        <translation>Znaleziono: %d</translation>
    </message>
    <message>
        <source>No key found</source>
        <translation>Nie znaleziono klawisza</translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation>Zamknij pasek wyszukiwania (Esc)</translation>
    </message>
    <message>
        <source>Next key found (Enter, F3)</source>
        <translation>Następny znaleziony klawisz (Enter, F3)</translation>
    </message>
    <message>
        <source>Previous key found (Shift+F3)</source>
        <translation>Poprzedni znaleziony klawisz (Shift+F3)</translation>
    </message>
    <message>
        <source>Key %d</source>
        <translation>Klawisz %d</translation>
    </message>
    <message>
        <source>Name: (none)</source>
        <translation>Nazwa: (brak)</translation>
    </message>
    <message>
        <source>Codes: %s</source>
        <translation>Kody: %s</translation>
    </message>
    <message>
        <source>Codes: (none)</source>
        <translation>Kody: (brak)</translation>
    </message>
    <message>
        <source>Span: empty</source>
        <translation>Rozmiar: pusty</translation>
    </message>
    <message>
        <source>Span: single</source>
        <translation>Rozmiar: jedno pole</translation>
    </message>
    <message>
        <source>Span: double, with key %d</source>
        <translation>Rozmiar: podwójny, z klawiszem %d</translation>
    </message>
    <message>
        <source>Span: quad, with keys %s</source>
        <translation>Rozmiar: poczwórny, z klawiszami %s</translation>
    </message>
    <message>
        <source>Mode %d</source>
        <translation>Tryb %d</translation>
    </message>
    <message>
        <source>Flags: none</source>
        <translation>Flagi: brak</translation>
    </message>
    <message>
        <source>Flags: single key</source>
        <translation>Flagi: klawisz pojedynczy</translation>
    </message>
    <message>
        <source>Flags: group key</source>
        <translation>Flagi: klawisz grupowy</translation>
    </message>
    <message>
        <source>Flags: single key, group key</source>
        <translation>Flagi: klawisz pojedynczy, klawisz grupowy</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test keyboard...</source>
        <translation>&amp;Testuj klawiaturę...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Programming &amp;log</source>
        <translation>&amp;Dziennik programowania</translation>
    </message>
    <message>
        <source>Key test</source>
        <translation>Test klawiszy</translation>
    </message>
    <message numerus="yes">
        <source>%n of %2 keys tested</source>
        <translation>
            <numerusform>Przetestowane klawisze: %n z %2</numerusform>
            <numerusform>Przetestowane klawisze: %n z %2</numerusform>
            <numerusform>Przetestowane klawisze: %n z %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zacznij od nowa</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Zapisz raport...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 and %2 send the same codes.</source>
        <translation>%1 i %2 wysyłają te same kody.</translation>
    </message>
    <message>
        <source>%1 sends the start of %2.</source>
        <translation>%1 wysyła początek sekwencji, którą wysyła %2.</translation>
    </message>
    <message>
        <source>%1 sends codes that no key press reports; it cannot be tested.</source>
        <translation>%1 wysyła kody, których nie zgłasza żadne naciśnięcie klawisza; nie można go przetestować.</translation>
    </message>
    <message>
        <source>%1 begins like the RFID prefix; its presses are read as cards.</source>
        <translation>%1 zaczyna się jak prefiks RFID; jego naciśnięcia są odczytywane jako karty.</translation>
    </message>
    <message>
        <source>Press each key of the keyboard. Click a key to say which one you press next.</source>
        <translation>Naciśnij każdy klawisz klawiatury. Kliknij klawisz, aby wskazać, który naciśniesz jako następny.</translation>
    </message>
    <message>
        <source>Click a key: the emulated keyboard types it into the test.</source>
        <translation>Kliknij klawisz: emulowana klawiatura wpisze go do testu.</translation>
    </message>
    <message>
        <source>The layout has no programmed key to test.</source>
        <translation>Układ nie ma zaprogramowanego klawisza do przetestowania.</translation>
    </message>
    <message>
        <source>Text report (*.txt);;JSON report (*.json)</source>
        <translation>Raport tekstowy (*.txt);;Raport JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Nie można zapisać %1.</translation>
    </message>
    <message>
        <source>At %1 dpi a page image would be too large; this page can be exported at up to %2 dpi.</source>
        <translation>Przy %1 dpi obraz strony byłby za duży; tę stronę można wyeksportować z rozdzielczością najwyżej %2 dpi.</translation>
    </message>
    <message>
        <source>Programming log</source>
        <translation>Dziennik programowania</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>No run has been logged yet.</source>
        <translation>Nie zapisano jeszcze żadnego przebiegu.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>Layout file</source>
        <translation>Plik układu</translation>
    </message>
    <message>
        <source>Image SHA-256</source>
        <translation>SHA-256 obrazu</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bajty</translation>
    </message>
    <message>
        <source>Duration (ms)</source>
        <translation>Czas trwania (ms)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Keyboard programmed</source>
        <translation>Klawiatura zaprogramowana</translation>
    </message>
    <message>
        <source>The keyboard is programmed. Keyboards done with this layout: %1.</source>
        <translation>Klawiatura jest zaprogramowana. Klawiatury zaprogramowane tym układem: %1.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test keyboard</source>
        <translation>&amp;Testuj klawiaturę</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Program &amp;next keyboard</source>
        <translation>Programuj &amp;następną klawiaturę</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>The programming log %1 cannot be written.</source>
        <translation>Nie można zapisać dziennika programowania %1.</translation>
    </message>
    <message>
        <source>unknown: %1</source>
        <translation>nieznane: %1</translation>
    </message>
    <message>
        <source>card %1: prefix %2, suffix %3, %4 digits %5, %6</source>
        <translation>karta %1: prefiks %2, sufiks %3, liczba cyfr %4: %5, %6</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>błąd</translation>
    </message>
    <message>
        <source>numeric</source>
        <translation>numeryczne</translation>
    </message>
    <message>
        <source>not numeric (numeric expected)</source>
        <translation>nienumeryczne (oczekiwano numerycznych)</translation>
    </message>
    <message>
        <source>not numeric</source>
        <translation>nienumeryczne</translation>
    </message>
    <message>
        <source>Grey: not yet pressed. Green: matched. Red: expected, but another sequence came. Striped: cannot be told apart.</source>
        <translation>Szary: jeszcze nie naciśnięty. Zielony: rozpoznany. Czerwony: oczekiwany, ale nadeszła inna sekwencja. W paski: nie do odróżnienia.</translation>
    </message>
    <message>
        <source>key %1 &quot;%2&quot;</source>
        <translation>klawisz %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>error</source>
        <translation>błąd</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>ostrzeżenie</translation>
    </message>
    <message>
        <source>The file is empty; it reads as a new 56-key layout.</source>
        <translation>Plik jest pusty; jest odczytywany jako nowy układ z 56 klawiszami.</translation>
    </message>
    <message>
        <source>The first number %1 is not 56, 57, 112 or 113; the file reads as a 56-key 16scan layout.</source>
        <translation>Pierwsza liczba %1 to nie 56, 57, 112 ani 113; plik jest odczytywany jako układ 16scan z 56 klawiszami.</translation>
    </message>
    <message>
        <source>The header has %1 of its %2 fields; the missing ones read as 0.</source>
        <translation>Nagłówek ma %1 z %2 pól; brakujące są odczytywane jako 0.</translation>
    </message>
    <message>
        <source>The header has surplus fields (%1) for its %2 form; they are ignored.</source>
        <translation>Nagłówek ma nadmiarowe pola (%1) dla formatu %2; są pomijane.</translation>
    </message>
    <message>
        <source>Keys type %1 is out of range 0..1 and reads as 1.</source>
        <translation>Typ klawiszy %1 jest poza zakresem 0..1 i jest odczytywany jako 1.</translation>
    </message>
    <message>
        <source>Key beep %1 is out of range 0..1 and reads as 1.</source>
        <translation>Dźwięk klawiszy %1 jest poza zakresem 0..1 i jest odczytywany jako 1.</translation>
    </message>
    <message>
        <source>Key delay %1 is out of range 0..3 and reads as 2.</source>
        <translation>Opóźnienie %1 jest poza zakresem 0..3 i jest odczytywane jako 2.</translation>
    </message>
    <message>
        <source>Typematic rate %1 is out of range 0..31 and reads as 11.</source>
        <translation>Szybkość powtarzania %1 jest poza zakresem 0..31 i jest odczytywana jako 11.</translation>
    </message>
    <message>
        <source>The RFID flags %1 do not fit a byte and read as %2.</source>
        <translation>Flagi RFID %1 nie mieszczą się w bajcie i są odczytywane jako %2.</translation>
    </message>
    <message>
        <source>The RFID flags %1 ask for %2 digits, more than 13; they read as 13.</source>
        <translation>Flagi RFID %1 żądają liczby cyfr %2, większej niż 13; jest odczytywana jako 13.</translation>
    </message>
    <message>
        <source>The RFID prefix %1 does not fit a byte and reads as %2.</source>
        <translation>Prefiks RFID %1 nie mieści się w bajcie i jest odczytywany jako %2.</translation>
    </message>
    <message>
        <source>The RFID suffix %1 does not fit a byte and reads as %2.</source>
        <translation>Sufiks RFID %1 nie mieści się w bajcie i jest odczytywany jako %2.</translation>
    </message>
    <message>
        <source>Keys pause %1 is out of range 1..255 and reads as 2.</source>
        <translation>Przerwa między klawiszami %1 jest poza zakresem 1..255 i jest odczytywana jako 2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; it reads as %2.</source>
        <translation>&quot;%1&quot; nie jest liczbą; jest odczytywane jako %2.</translation>
    </message>
    <message>
        <source>An empty line; it is ignored.</source>
        <translation>Pusty wiersz; jest pomijany.</translation>
    </message>
    <message>
        <source>The line has no key number; it is ignored.</source>
        <translation>Wiersz nie ma numeru klawisza; jest pomijany.</translation>
    </message>
    <message>
        <source>Key number %1 is outside 1..112; the line is ignored.</source>
        <translation>Numer klawisza %1 jest poza zakresem 1..112; wiersz jest pomijany.</translation>
    </message>
    <message>
        <source>Key %1 lies outside the %2-key grid; it is not shown or programmed.</source>
        <translation>Klawisz %1 leży poza siatką %2 klawiszy; nie jest wyświetlany ani programowany.</translation>
    </message>
    <message>
        <source>Key %1 was given on line %2 already; this line replaces it.</source>
        <translation>Klawisz %1 podano już w wierszu %2; ten wiersz go zastępuje.</translation>
    </message>
    <message>
        <source>Key %1: code %2 is out of range 0..255 and reads as 0.</source>
        <translation>Klawisz %1: kod %2 jest poza zakresem 0..255 i jest odczytywany jako 0.</translation>
    </message>
    <message>
        <source>Key %1: flags %2 are out of range 0..15; only %3 is kept.</source>
        <translation>Klawisz %1: flagi %2 są poza zakresem 0..15; zachowano tylko %3.</translation>
    </message>
    <message>
        <source>Key %1: the name is %2 bytes long; it is cut to 102.</source>
        <translation>Klawisz %1: nazwa ma %2 B; jest skracana do 102 B.</translation>
    </message>
    <message>
        <source>Key %1: the line has surplus fields (%2): codes beyond what the variant holds, or a ';' or ',' in the name; they are not read.</source>
        <translation>Klawisz %1: wiersz ma nadmiarowe pola (%2): kody ponad to, co mieści wariant, albo ';' lub ',' w nazwie; nie są odczytywane.</translation>
    </message>
    <message>
        <source>Key %1: the line is short of fields (%2 missing); they read as 0 and the name as empty.</source>
        <translation>Klawisz %1: w wierszu brakuje pól (brakuje: %2); są odczytywane jako 0, a nazwa jako pusta.</translation>
    </message>
    <message>
        <source>The line is %1 bytes long, more than the 198 the format allows.</source>
        <translation>Wiersz ma %1 B, więcej niż 198 B dozwolone w formacie.</translation>
    </message>
    <message>
        <source>Reading stops at the line of key %1; the lines after it (%2) are not read.</source>
        <translation>Odczyt kończy się na wierszu klawisza %1; wiersze po nim (%2) nie są odczytywane.</translation>
    </message>
    <message>
        <source>No line gives key %1; it stays empty.</source>
        <translation>Żaden wiersz nie podaje klawisza %1; pozostaje pusty.</translation>
    </message>
    <message>
        <source>No line gives the keys %1; they stay empty.</source>
        <translation>Żaden wiersz nie podaje klawiszy %1; pozostają puste.</translation>
    </message>
    <message>
        <source>Only the first %1 bytes of the file are read.</source>
        <translation>Odczytywany jest tylko początek pliku: %1 B.</translation>
    </message>
    <message>
        <source>Key %1 has a name but no codes.</source>
        <translation>Klawisz %1 ma nazwę, ale nie ma kodów.</translation>
    </message>
    <message>
        <source>Key %1 has codes but no name.</source>
        <translation>Klawisz %1 ma kody, ale nie ma nazwy.</translation>
    </message>
    <message>
        <source>Key %1 has codes after a first code of 0, so it counts as not programmed.</source>
        <translation>Klawisz %1 ma kody po pierwszym kodzie 0, więc uchodzi za niezaprogramowany.</translation>
    </message>
    <message>
        <source>Key %1 sends the same codes as key %2; a key test cannot tell them apart.</source>
        <translation>Klawisz %1 wysyła te same kody co klawisz %2; test klawiszy nie odróżni ich.</translation>
    </message>
    <message>
        <source>Key %1 is marked as part of a double or quad key, but no other key has its codes; it shows as a single key.</source>
        <translation>Klawisz %1 jest oznaczony jako część klawisza podwójnego lub poczwórnego, ale żaden inny klawisz nie ma jego kodów; jest wyświetlany jako klawisz pojedynczy.</translation>
    </message>
    <message>
        <source>Keys %1 and %2 share their codes as a double key but are not neighbours.</source>
        <translation>Klawisze %1 i %2 mają wspólne kody jako klawisz podwójny, ale nie sąsiadują ze sobą.</translation>
    </message>
    <message>
        <source>%1 group keys share the codes of key %2; they show as the quad, double and single keys their places allow.</source>
        <translation>Klawisze grupowe (%1) mają wspólne kody z klawiszem %2; są wyświetlane jako klawisze poczwórne, podwójne i pojedyncze, na jakie pozwalają ich miejsca.</translation>
    </message>
    <message>
        <source>Keys %1 share their codes as a quad key but are not a square of 2 by 2 cells; they show as the double and single keys their places allow.</source>
        <translation>Klawisze %1 mają wspólne kody jako klawisz poczwórny, ale nie tworzą kwadratu 2 na 2 pola; są wyświetlane jako klawisze podwójne i pojedyncze, na jakie pozwalają ich miejsca.</translation>
    </message>
    <message>
        <source>No keyboard type takes this file as it stands (the image builder stops at step %1).</source>
        <translation>Żaden typ klawiatury nie przyjmie tego pliku w obecnej postaci (budowanie obrazu zatrzymuje się na kroku %1).</translation>
    </message>
    <message>
        <source>Key %1: the programmed-keys list shows only the first 99 bytes of the name.</source>
        <translation>Klawisz %1: lista zaprogramowanych klawiszy pokazuje tylko pierwsze 99 B nazwy.</translation>
    </message>
    <message>
        <source>Keys %1 and %2 have the same name in the programmed-keys list; it lists only the first.</source>
        <translation>Klawisze %1 i %2 mają tę samą nazwę na liście zaprogramowanych klawiszy; lista pokazuje tylko pierwszy.</translation>
    </message>
    <message>
        <source>Key %1 is only in the second layout.</source>
        <translation>Klawisz %1 jest tylko w drugim układzie.</translation>
    </message>
    <message>
        <source>Key %1 is only in the first layout.</source>
        <translation>Klawisz %1 jest tylko w pierwszym układzie.</translation>
    </message>
    <message>
        <source>Key %1 moved to %2.</source>
        <translation>Klawisz %1 przeniesiono na pozycję %2.</translation>
    </message>
    <message>
        <source>Key %1: the name &quot;%2&quot; becomes &quot;%3&quot;.</source>
        <translation>Klawisz %1: nazwa &quot;%2&quot; zmienia się na &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Key %1: the codes %2 become %3.</source>
        <translation>Klawisz %1: kody %2 zmieniają się na %3.</translation>
    </message>
    <message>
        <source>Key %1: the flags %2 become %3.</source>
        <translation>Klawisz %1: flagi %2 zmieniają się na %3.</translation>
    </message>
    <message>
        <source>Key %1: mode %2 becomes mode %3.</source>
        <translation>Klawisz %1: tryb %2 zmienia się na tryb %3.</translation>
    </message>
    <message>
        <source>Key %1: the cells %2 become %3.</source>
        <translation>Klawisz %1: pola %2 zmieniają się na %3.</translation>
    </message>
    <message>
        <source>The layout of %1 keys becomes one of %2 keys.</source>
        <translation>Liczba klawiszy układu zmienia się z %1 na %2.</translation>
    </message>
    <message>
        <source>Keys type %1 becomes %2.</source>
        <translation>Typ klawiszy zmienia się z %1 na %2.</translation>
    </message>
    <message>
        <source>Key beep %1 becomes %2.</source>
        <translation>Dźwięk klawiszy zmienia się z %1 na %2.</translation>
    </message>
    <message>
        <source>Key delay %1 becomes %2.</source>
        <translation>Opóźnienie zmienia się z %1 na %2.</translation>
    </message>
    <message>
        <source>Typematic rate %1 becomes %2.</source>
        <translation>Szybkość powtarzania zmienia się z %1 na %2.</translation>
    </message>
    <message>
        <source>Keys pause %1 becomes %2.</source>
        <translation>Przerwa między klawiszami zmienia się z %1 na %2.</translation>
    </message>
    <message>
        <source>RFID digit count %1 becomes %2.</source>
        <translation>Liczba cyfr RFID zmienia się z %1 na %2.</translation>
    </message>
    <message>
        <source>RFID digits numeric %1 becomes %2.</source>
        <translation>Opcja RFID „cyfry numeryczne” zmienia się z %1 na %2.</translation>
    </message>
    <message>
        <source>RFID prefix %1 becomes %2.</source>
        <translation>Prefiks RFID zmienia się z %1 na %2.</translation>
    </message>
    <message>
        <source>RFID prefix extended %1 becomes %2.</source>
        <translation>Opcja RFID „rozszerzony prefiks” zmienia się z %1 na %2.</translation>
    </message>
    <message>
        <source>RFID suffix %1 becomes %2.</source>
        <translation>Sufiks RFID zmienia się z %1 na %2.</translation>
    </message>
    <message>
        <source>RFID suffix extended %1 becomes %2.</source>
        <translation>Opcja RFID „rozszerzony sufiks” zmienia się z %1 na %2.</translation>
    </message>
    <message>
        <source>Key %1 is not in the file.</source>
        <translation>Klawisza %1 nie ma w pliku.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of this file were not read exactly as written.</source>
        <translation>
            <numerusform>%n wiersz tego pliku odczytano inaczej, niż go zapisano.</numerusform>
            <numerusform>%n wiersze tego pliku odczytano inaczej, niż je zapisano.</numerusform>
            <numerusform>%n wierszy tego pliku odczytano inaczej, niż je zapisano.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file was not read exactly as written.</source>
        <translation>Ten plik odczytano inaczej, niż go zapisano.</translation>
    </message>
    <message numerus="yes">
        <source>This file has %n doubtful points.</source>
        <translation>
            <numerusform>Ten plik ma %n wątpliwe miejsce.</numerusform>
            <numerusform>Ten plik ma %n wątpliwe miejsca.</numerusform>
            <numerusform>Ten plik ma %n wątpliwych miejsc.</numerusform>
        </translation>
    </message>
    <message>
        <source>One line of this file was not read exactly as written.</source>
        <translation>Jeden wiersz tego pliku odczytano inaczej, niż go zapisano.</translation>
    </message>
    <message>
        <source>This file has one doubtful point.</source>
        <translation>Ten plik ma jedno wątpliwe miejsce.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Details...</source>
        <translation>&amp;Szczegóły...</translation>
    </message>
    <message>
        <source>What the reader changed</source>
        <translation>Co zmieniono przy odczycie</translation>
    </message>
    <message>
        <source>Data will be lost</source>
        <translation>Dane zostaną utracone</translation>
    </message>
    <message>
        <source>The %1 form cannot hold all of this layout; saving it loses:</source>
        <translation>Format %1 nie pomieści całego układu; przy zapisie zostanie utracone:</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Zapisać mimo to?</translation>
    </message>
    <message>
        <source>... and %1 more messages of this kind, from this line on.</source>
        <translation>... i kolejne komunikaty tego rodzaju (%1), od tego wiersza.</translation>
    </message>
    <message>
        <source>... (%1 bytes)</source>
        <translation>... (%1 B)</translation>
    </message>
    <message>
        <source>Stopped by %1.</source>
        <translation>Przerwane przez %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... i jeszcze %1.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Compare &amp;with...</source>
        <translation>Po&amp;równaj z...</translation>
    </message>
    <message>
        <source>Differences from %1</source>
        <translation>Różnice względem %1</translation>
    </message>
    <message>
        <source>The layouts are equal.</source>
        <translation>Układy są takie same.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Nie można odczytać %1.</translation>
    </message>
    <message>
        <source>This is not a plain file (it is a folder, pipe, socket or device), so it cannot be opened.</source>
        <translation>To nie jest zwykły plik (lecz folder, potok, gniazdo lub urządzenie), więc nie można go otworzyć.</translation>
    </message>
    <message>
        <source>The layout for the keyboard could not be written to the temporary folder.</source>
        <translation>Nie udało się zapisać układu dla klawiatury w folderze tymczasowym.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes reached the keyboard.</source>
        <translation>Do klawiatury dotarło bajtów: %1 z %2.</translation>
    </message>
    <message>
        <source>The keyboard stopped answering.</source>
        <translation>Klawiatura przestała odpowiadać.</translation>
    </message>
    <message>
        <source>The keyboard was disconnected.</source>
        <translation>Klawiatura została odłączona.</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1 from %2?

The layout has %3 keys; programmed: %4.</source>
        <translation>Przywrócić niezapisane zmiany w %1 z %2?

Liczba klawiszy układu: %3; zaprogramowane: %4.</translation>
    </message>
    <message>
        <source>Discard these unsaved changes for good? They cannot be recovered afterwards.</source>
        <translation>Na pewno odrzucić te niezapisane zmiany? Potem nie będzie można ich przywrócić.</translation>
    </message>
    <message>
        <source>A recovery file could not be read and was set aside: %1</source>
        <translation>Nie udało się odczytać pliku odzyskiwania; odłożono go: %1</translation>
    </message>
    <message>
        <source>The settings could not be read, so the defaults are used. The damaged file was kept as %1</source>
        <translation>Nie udało się odczytać ustawień, więc używane są domyślne. Uszkodzony plik zachowano jako %1</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Overwrite it with this layout?</source>
        <translation>Od otwarcia plik %1 został zmieniony przez inny program. Zastąpić go tym układem?</translation>
    </message>
    <message>
        <source>%1 was removed by another program since it was opened. Save this layout there again?</source>
        <translation>Od otwarcia plik %1 został usunięty przez inny program. Zapisać tam ten układ ponownie?</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it from the disk?</source>
        <translation>Plik %1 został zmieniony przez inny program. Wczytać go ponownie z dysku?</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it from the disk? Your unsaved changes are lost.</source>
        <translation>Plik %1 został zmieniony przez inny program. Wczytać go ponownie z dysku? Niezapisane zmiany zostaną utracone.</translation>
    </message>
    <message>
        <source>Recover unsaved changes to an untitled layout from %1?

The layout has %2 keys; programmed: %3.</source>
        <translation>Przywrócić niezapisane zmiany w układzie bez nazwy z %1?

Liczba klawiszy układu: %2; zaprogramowane: %3.</translation>
    </message>
    <message>
        <source>The key pitch must be between 5 and 60 mm.</source>
        <translation>Rozstaw klawiszy musi wynosić od 5 do 60 mm.</translation>
    </message>
    <message>
        <source>A legend must be at least 3 mm wide and high and no larger than the key pitch.</source>
        <translation>Etykieta musi mieć co najmniej 3 mm szerokości i wysokości i nie może być większa niż rozstaw klawiszy.</translation>
    </message>
    <message>
        <source>The page is too small for the legends and the 100 mm ruler.</source>
        <translation>Strona jest za mała na etykiety i linijkę 100 mm.</translation>
    </message>
    <message>
        <source>A legend does not fit on the page; choose a larger page or smaller sizes.</source>
        <translation>Etykieta nie mieści się na stronie; wybierz większą stronę lub mniejsze wymiary.</translation>
    </message>
    <message>
        <source>%1 - page %2 of %3</source>
        <translation>%1 - strona %2 z %3</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(bez nazwy)</translation>
    </message>
    <message>
        <source>Ruler 100 mm, square %1 x %2 mm: if they measure otherwise, the printer scaled the page.</source>
        <translation>Linijka 100 mm, kwadrat %1 x %2 mm: jeśli mają inne wymiary, drukarka przeskalowała stronę.</translation>
    </message>
    <message>
        <source>Keys: %1, file format: %2</source>
        <translation>Klawisze: %1, format pliku: %2</translation>
    </message>
    <message>
        <source>Keys type: %1</source>
        <translation>Typ klawiszy: %1</translation>
    </message>
    <message>
        <source>Key beep: %1, key delay: %2, typematic rate: %3, keys pause: %4 ms</source>
        <translation>Dźwięk klawiszy: %1, opóźnienie: %2, szybkość powtarzania: %3, przerwa między klawiszami: %4 ms</translation>
    </message>
    <message>
        <source>RFID options</source>
        <translation>Opcje RFID</translation>
    </message>
    <message>
        <source>Digits: %1, numeric: %2</source>
        <translation>Cyfry: %1, numeryczne: %2</translation>
    </message>
    <message>
        <source>Prefix: %1 (extended: %2), suffix: %3 (extended: %4)</source>
        <translation>Prefiks: %1 (rozszerzony: %2), sufiks: %3 (rozszerzony: %4)</translation>
    </message>
    <message>
        <source>Programmed keys</source>
        <translation>Zaprogramowane klawisze</translation>
    </message>
    <message>
        <source>Flags: G group key, S single key. Mode: the key mode 1 to 3.</source>
        <translation>Flagi: G klawisz grupowy, S klawisz pojedynczy. Tryb: tryb klawisza od 1 do 3.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Kody</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Flagi</translation>
    </message>
    <message>
        <source>This build of the program cannot write SVG files (it was built without Qt SVG).</source>
        <translation>Ta wersja programu nie może zapisywać plików SVG (zbudowano ją bez Qt SVG).</translation>
    </message>
    <message>
        <source>The resolution must be between 30 and 2400 dots per inch.</source>
        <translation>Rozdzielczość musi wynosić od 30 do 2400 punktów na cal.</translation>
    </message>
    <message>
        <source>There is nothing to print.</source>
        <translation>Nie ma nic do wydrukowania.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .svg or .png.</source>
        <translation>Nazwa pliku musi kończyć się na .pdf, .svg lub .png.</translation>
    </message>
    <message>
        <source>Legends</source>
        <translation>Etykiety</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;pitch:</source>
        <translation>&amp;Rozstaw klawiszy:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legend &amp;width (single key):</source>
        <translation>&amp;Szerokość etykiety (klawisz pojedynczy):</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legend &amp;height (single key):</source>
        <translation>&amp;Wysokość etykiety (klawisz pojedynczy):</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>P&amp;aper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Margins:</source>
        <translation>&amp;Marginesy:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Resolution:</source>
        <translation>R&amp;ozdzielczość:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Pac&amp;k legends to save paper (instead of as on the keyboard)</source>
        <translation>&amp;Upakuj etykiety, aby oszczędzić papier (zamiast jak na klawiaturze)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Blank legends for keys without a name</source>
        <translation>Puste &amp;etykiety dla klawiszy bez nazwy</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Cut marks at the corners</source>
        <translation>Znaczniki &amp;cięcia w narożnikach</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Thin &amp;frame around each legend</source>
        <translation>Cienka r&amp;amka wokół każdej etykiety</translation>
    </message>
    <message>
        <source>The type size must be between 1 and 10 mm, or automatic.</source>
        <translation>Rozmiar czcionki musi wynosić od 1 do 10 mm albo być automatyczny.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Type size:</source>
        <translation>Rozmiar czcion&amp;ki:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatyczny</translation>
    </message>
    <message>
        <source>These legends do not fit at the type size of the others (%1 mm) and are set smaller: %2</source>
        <translation>Te etykiety nie mieszczą się w rozmiarze czcionki pozostałych (%1 mm) i są złożone mniejszą czcionką: %2</translation>
    </message>
    <message>
        <source>As the printer is set up</source>
        <translation>Jak ustawiono w drukarce</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Print &amp;legends...</source>
        <translation>Drukuj &amp;etykiety...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Print layout s&amp;heet...</source>
        <translation>Drukuj &amp;arkusz układu...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Export</source>
        <translation>Ek&amp;sportuj</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as &amp;PDF...</source>
        <translation>Etykiety jako &amp;PDF...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as &amp;SVG...</source>
        <translation>Etykiety jako &amp;SVG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as P&amp;NG...</source>
        <translation>Etykiety jako P&amp;NG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as P&amp;DF...</source>
        <translation>Arkusz układu jako P&amp;DF...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as S&amp;VG...</source>
        <translation>Arkusz układu jako S&amp;VG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as PN&amp;G...</source>
        <translation>Arkusz układu jako PN&amp;G...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Dokumenty PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>Obrazy SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Obrazy PNG (*.png)</translation>
    </message>
    <message>
        <source>Written:
%1</source>
        <translation>Eksport zakończony:
%1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Nie udało się uruchomić drukarki.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Undo %s</source>
        <translation>&amp;Cofnij: %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Redo %s</source>
        <translation>&amp;Ponów: %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Cu&amp;t</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Single key flag</source>
        <translation>Flaga klawisza pojedynczego</translation>
    </message>
    <message>
        <source>Clear key</source>
        <translation>Wyczyść klawisz</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Move key</source>
        <translation>Przenieś klawisz</translation>
    </message>
    <message>
        <source>Swap keys</source>
        <translation>Zamień klawisze</translation>
    </message>
    <message>
        <source>Copy of key</source>
        <translation>Kopia klawisza</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Układ: %1</translation>
    </message>
    <message>
        <source>Layout: %1 (unsaved changes)</source>
        <translation>Układ: %1 (niezapisane zmiany)</translation>
    </message>
    <message>
        <source>Layout: unsaved layout</source>
        <translation>Układ: niezapisany układ</translation>
    </message>
    <message>
        <source>There is no room for a quad key here.</source>
        <translation>Tu nie ma miejsca na klawisz poczwórny.</translation>
    </message>
    <message>
        <source>There is no room for a double key here.</source>
        <translation>Tu nie ma miejsca na klawisz podwójny.</translation>
    </message>
    <message>
        <source>Save As 7/3scan</source>
        <translation>Zapisz jako 7/3scan</translation>
    </message>
    <message>
        <source>Save As 16scan</source>
        <translation>Zapisz jako 16scan</translation>
    </message>
    <message>
        <source>Save As left side</source>
        <translation>Zapisz jako lewa strona</translation>
    </message>
    <message>
        <source>Save As right side</source>
        <translation>Zapisz jako prawa strona</translation>
    </message>
    <message>
        <source>The window will then show the layout as saved; Undo brings the rest back.</source>
        <translation>Okno pokaże potem układ tak, jak został zapisany; Cofnij przywraca resztę.</translation>
    </message>
    <message>
        <source>The clipboard holds no key that can be pasted.</source>
        <translation>Schowek nie zawiera klawisza, który można wkleić.</translation>
    </message>
    <message>
        <source>The key does not fit at key %d: its cells are not free.</source>
        <translation>Klawisz nie mieści się w miejscu klawisza %d: jego pola nie są wolne.</translation>
    </message>
    <message>
        <source>Replace key %s with %s ?</source>
        <translation>Zastąpić klawisz %s klawiszem %s?</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;menu</source>
        <translation>&amp;Menu klawisza</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 per second</source>
        <translation>%1 na sekundę</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached takes 7/3scan layouts (type 0).</source>
        <translation>Układ jest dla klawiatury z %1 klawiszami (%2); podłączona klawiatura przyjmuje układy 7/3scan (typ 0).</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached is a single keyboard (type 1).</source>
        <translation>Układ jest dla klawiatury z %1 klawiszami (%2); podłączona klawiatura jest pojedyncza (typ 1).</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached is a double keyboard (type 2).</source>
        <translation>Układ jest dla klawiatury z %1 klawiszami (%2); podłączona klawiatura jest podwójna (typ 2).</translation>
    </message>
    <message>
        <source>Open a 7/3scan layout, or save this one as 7/3scan with File &gt; Save As and program that file.</source>
        <translation>Otwórz układ 7/3scan albo zapisz ten jako 7/3scan poleceniem Plik &gt; Zapisz jako i zaprogramuj ten plik.</translation>
    </message>
    <message>
        <source>Open a 16scan layout of 56 keys, or change the keyboard type in File &gt; Settings.</source>
        <translation>Otwórz układ 16scan z 56 klawiszami albo zmień typ klawiatury w Plik &gt; Ustawienia.</translation>
    </message>
    <message>
        <source>Open a 16scan layout of 112 keys, or change the keyboard type in File &gt; Settings.</source>
        <translation>Otwórz układ 16scan ze 112 klawiszami albo zmień typ klawiatury w Plik &gt; Ustawienia.</translation>
    </message>
    <message>
        <source>The keyboard's device %1 could not be opened. Check that the keyboard is connected, that its driver is installed and that you may use the device.</source>
        <translation>Nie można otworzyć urządzenia klawiatury %1. Sprawdź, czy klawiatura jest podłączona, jej sterownik zainstalowany i czy masz dostęp do urządzenia.</translation>
    </message>
    <message>
        <source>Check the keyboard's cable and connection, then program it again.</source>
        <translation>Sprawdź kabel i połączenie klawiatury, a potem zaprogramuj ją ponownie.</translation>
    </message>
    <message>
        <source>The keyboard answered with a type this program does not know. Check that a Vorlan keyboard is attached.</source>
        <translation>Klawiatura podała typ, którego ten program nie zna. Sprawdź, czy podłączona jest klawiatura Vorlan.</translation>
    </message>
    <message>
        <source>The layout file %1 could not be read. Check that it exists and that you may read it.</source>
        <translation>Nie można odczytać pliku układu %1. Sprawdź, czy istnieje i czy masz prawo go czytać.</translation>
    </message>
    <message>
        <source>The layout file %1 is not one the keyboard can take. Open it in the program, check its keys and settings, and save it again.</source>
        <translation>Klawiatura nie przyjmie pliku układu %1. Otwórz go w programie, sprawdź klawisze i ustawienia i zapisz ponownie.</translation>
    </message>
    <message>
        <source>Keyboard: asking for its type</source>
        <translation>Klawiatura: odczyt typu</translation>
    </message>
    <message>
        <source>Keyboard: 7/3scan (type 0)</source>
        <translation>Klawiatura: 7/3scan (typ 0)</translation>
    </message>
    <message>
        <source>Keyboard: single, 56 keys (type 1)</source>
        <translation>Klawiatura: pojedyncza, 56 klawiszy (typ 1)</translation>
    </message>
    <message>
        <source>Keyboard: double, 112 keys (type 2)</source>
        <translation>Klawiatura: podwójna, 112 klawiszy (typ 2)</translation>
    </message>
    <message>
        <source>%1 of %2 bytes sent, about %3 s left</source>
        <translation>Wysłano %1 z %2 bajtów, zostało około %3 s</translation>
    </message>
    <message>
        <source>Escape stops the run; the keyboard then needs programming again.</source>
        <translation>Esc przerywa programowanie; klawiaturę trzeba potem zaprogramować ponownie.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were written; the keyboard will not work until it is programmed again.</source>
        <translation>Zapisano %1 z %2 bajtów; klawiatura nie będzie działać, dopóki nie zostanie ponownie zaprogramowana.</translation>
    </message>
    <message>
        <source>Vorlan help</source>
        <translation>Pomoc Vorlan</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>F&amp;ind in page:</source>
        <translation>&amp;Szukaj na stronie:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Next</source>
        <translation>&amp;Następne</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nie znaleziono</translation>
    </message>
    <message>
        <source>Every key pressed is captured, held keys included. Capturing pauses 3 seconds after the dialog opens or the last key is let go: then %1 moves between the buttons, %2 presses one and %3 cancels.</source>
        <translation>Każdy naciśnięty klawisz jest przechwytywany, także przytrzymany. Przechwytywanie wstrzymuje się 3 sekundy po otwarciu okna lub po puszczeniu ostatniego klawisza: wtedy %1 przechodzi między przyciskami, %2 naciska wybrany przycisk, a %3 anuluje.</translation>
    </message>
    <message>
        <source>Capturing paused. %1 confirms with OK, %2 cancels, %3 moves to the other buttons; &quot;Capture again&quot; takes more keys.</source>
        <translation>Przechwytywanie wstrzymane. %1 zatwierdza jak przycisk OK, %2 anuluje, %3 przechodzi do innych przycisków; „Przechwyć ponownie” dodaje kolejne klawisze.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Capture &amp;again</source>
        <translation>Przechwyć &amp;ponownie</translation>
    </message>
    <message>
        <source>Capturing pauses in %1 s.</source>
        <translation>Przechwytywanie wstrzyma się za %1 s.</translation>
    </message>
    <message>
        <source>Key %1 has key mode %2, outside 1 to 3.</source>
        <translation>Klawisz %1 ma tryb %2, spoza zakresu 1–3.</translation>
    </message>
    <message>
        <source>Keys with a mode outside 1 to 3 (as read from the file): %1.</source>
        <translation>Klawisze z trybem spoza zakresu 1–3 (tak jak odczytano z pliku): %1.</translation>
    </message>
    <message>
        <source>These files are there already:
%1
Replace them?</source>
        <translation>Te pliki już istnieją:
%1
Zastąpić je?</translation>
    </message>
    <message>
        <source>%1 reads as a layout file: the report is not written over it. Choose another name.</source>
        <translation>%1 daje się odczytać jako plik układu: raport go nie nadpisze. Wybierz inną nazwę.</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings about the keys of this layout:</source>
        <translation>
            <numerusform>%n ostrzeżenie dotyczące klawiszy tego układu:</numerusform>
            <numerusform>%n ostrzeżenia dotyczące klawiszy tego układu:</numerusform>
            <numerusform>%n ostrzeżeń dotyczących klawiszy tego układu:</numerusform>
        </translation>
    </message>
    <message>
        <source>To close the test, hold %1 down for 2 seconds.</source>
        <translation>Aby zamknąć test, przytrzymaj %1 przez 2 sekundy.</translation>
    </message>
    <message>
        <source>This file does not start as a layout file does; it was read with the reader's defaults.</source>
        <translation>Ten plik nie zaczyna się jak plik układu; odczytano go z domyślnymi wartościami czytnika.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>PC &amp;keyboard layout</source>
        <translation>Układ &amp;klawiatury PC</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Automatic (%s)</source>
        <translation>&amp;Automatyczny (%s)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Standard key names</source>
        <translation>&amp;Standardowe nazwy klawiszy</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>nie znaleziono</translation>
    </message>
    <message>
        <source>US</source>
        <translation>Amerykański</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Brytyjski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>Austrian</source>
        <translation>Austriacki</translation>
    </message>
    <message>
        <source>Swiss German</source>
        <translation>Szwajcarski niemiecki</translation>
    </message>
    <message>
        <source>Swiss French</source>
        <translation>Szwajcarski francuski</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Belgian</source>
        <translation>Belgijski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niderlandzki</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Szwedzki</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Fiński</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Duński</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norweski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czeski</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Węgierski</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turecki</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;System language</source>
        <translation>Język &amp;systemowy</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>The language changes to %1 when the program is started again.</source>
        <translation>Wybrany język: %1. Zostanie użyty przy następnym uruchomieniu programu.</translation>
    </message>
    <message>
        <source>The language changes to the system's when the program is started again.</source>
        <translation>Wybrany język: systemowy. Zostanie użyty przy następnym uruchomieniu programu.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Save &amp;ink: outline the keys instead of filling them in colour</source>
        <translation>Oszczędzaj &amp;tusz: tylko obrys klawiszy zamiast wypełnienia kolorem</translation>
    </message>
    <message numerus="yes">
        <source>The files of this export will take about %1 MB (%n pages at %3 dpi). Export them?</source>
        <translation>
            <numerusform>Pliki tego eksportu zajmą około %1 MB (%n strona, %3 dpi). Wyeksportować je?</numerusform>
            <numerusform>Pliki tego eksportu zajmą około %1 MB (%n strony, %3 dpi). Wyeksportować je?</numerusform>
            <numerusform>Pliki tego eksportu zajmą około %1 MB (%n stron, %3 dpi). Wyeksportować je?</numerusform>
        </translation>
    </message>
    <message>
        <source>The page is too small: inside its margins it leaves %1 mm, and at least %2 mm are needed. Choose a larger paper or smaller margins.</source>
        <translation>Strona jest za mała: wewnątrz marginesów zostaje %1 mm, a potrzeba co najmniej %2 mm. Wybierz większy papier lub mniejsze marginesy.</translation>
    </message>
    <message numerus="yes">
        <source>None of the chosen pages is there: the document has %n pages.</source>
        <translation>
            <numerusform>Żadnej z wybranych stron nie ma: dokument ma %n stronę.</numerusform>
            <numerusform>Żadnej z wybranych stron nie ma: dokument ma %n strony.</numerusform>
            <numerusform>Żadnej z wybranych stron nie ma: dokument ma %n stron.</numerusform>
        </translation>
    </message>
    <message>
        <source>Image SHA-256: %1</source>
        <translation>SHA-256 obrazu: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>klawisz %1</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>zaliczony</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>niezaliczony</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>nietestowany</translation>
    </message>
    <message>
        <source>(ambiguous)</source>
        <translation>(niejednoznaczny)</translation>
    </message>
    <message>
        <source>%1-key-test</source>
        <translation>%1-test-klawiszy</translation>
    </message>
    <message>
        <source>key-test</source>
        <translation>test-klawiszy</translation>
    </message>
    <message>
        <source>done</source>
        <translation>zakończono</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>anulowano po wysłaniu bajtów: %1</translation>
    </message>
    <message>
        <source>(after %1 bytes)</source>
        <translation>(po wysłaniu bajtów: %1)</translation>
    </message>
    <message>
        <source>keyboard detected, nothing written</source>
        <translation>wykryto klawiaturę, nic nie zapisano</translation>
    </message>
    <message>
        <source>interrupted (bytes written not known)</source>
        <translation>przerwano (liczba zapisanych bajtów nieznana)</translation>
    </message>
    <message>
        <source>incomplete: %1 of %2 bytes</source>
        <translation>niepełne: %1 z %2 bajtów</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>błąd %1</translation>
    </message>
    <message>
        <source>unsaved layout</source>
        <translation>niezapisany układ</translation>
    </message>
    <message>
        <source>%1 (unsaved changes)</source>
        <translation>%1 (niezapisane zmiany)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Użycie:</translation>
    </message>
    <message>
        <source>a layout file to open at start</source>
        <translation>plik układu otwierany przy uruchomieniu</translation>
    </message>
    <message>
        <source>Program an emulated keyboard of type N (0: 7/3scan images, 1: single 16scan, 2: double 16scan) instead of the device, with the fault options of vorlanctl program.</source>
        <translation>Programuj emulowaną klawiaturę typu N (0: obrazy 7/3scan, 1: pojedyncza 16scan, 2: podwójna 16scan) zamiast urządzenia, z opcjami usterek polecenia vorlanctl program.</translation>
    </message>
    <message>
        <source>With --emulate: save the bytes the emulated keyboard received in each run.</source>
        <translation>Z --emulate: zapisz bajty odebrane przez emulowaną klawiaturę przy każdym programowaniu.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Wypisz wersję i zakończ.</translation>
    </message>
    <message>
        <source>Print the usage and exit.</source>
        <translation>Wypisz sposób użycia i zakończ.</translation>
    </message>
    <message>
        <source>Print when the main window was first painted, then quit (for the start-up benchmark).</source>
        <translation>Wypisz, kiedy okno główne zostało pierwszy raz narysowane, i zakończ (do pomiaru uruchamiania).</translation>
    </message>
    <message>
        <source>The keyboard's device is VORLAN_DEVICE (default %1).</source>
        <translation>Urządzenie klawiatury to VORLAN_DEVICE (domyślnie %1).</translation>
    </message>
    <message>
        <source>User guide: %1</source>
        <translation>Podręcznik użytkownika: %1</translation>
    </message>
    <message>
        <source>--emulate needs a keyboard type: 0, 1 or 2, with fault options (N,option,...)</source>
        <translation>--emulate wymaga typu klawiatury: 0, 1 lub 2, z opcjami usterek (N,opcja,...)</translation>
    </message>
    <message>
        <source>--received needs a file name</source>
        <translation>--received wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>only one layout file (also given: %1)</source>
        <translation>tylko jeden plik układu (podano też: %1)</translation>
    </message>
    <message>
        <source>--received needs an emulated keyboard (--emulate N)</source>
        <translation>--received wymaga emulowanej klawiatury (--emulate N)</translation>
    </message>
    <message>
        <source>Program a &amp;batch...</source>
        <translation>Programuj &amp;partię...</translation>
    </message>
    <message>
        <source>Program a batch</source>
        <translation>Programuj partię</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Order &amp;reference:</source>
        <translation>&amp;Numer zamówienia:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Number of keyboards:</source>
        <translation>&amp;Liczba klawiatur:</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test after each keyboard:</source>
        <translation>&amp;Test po każdej klawiaturze:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>The programmed keys</source>
        <translation>Zaprogramowane klawisze</translation>
    </message>
    <message>
        <source>Every key</source>
        <translation>Każdy klawisz</translation>
    </message>
    <message>
        <source>A batch programs the layout as it is saved, never unsaved changes. Save the layout now?</source>
        <translation>Partia programuje układ w postaci zapisanej, nigdy niezapisanych zmian. Zapisać układ teraz?</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Stanowisko</translation>
    </message>
    <message>
        <source>Keyboard %1 of %2</source>
        <translation>Klawiatura %1 z %2</translation>
    </message>
    <message>
        <source>Waiting for a keyboard...</source>
        <translation>Oczekiwanie na klawiaturę...</translation>
    </message>
    <message>
        <source>Passed. Take the keyboard away.</source>
        <translation>Zaliczona. Odłącz klawiaturę.</translation>
    </message>
    <message>
        <source>Programming... %1 %</source>
        <translation>Programowanie... %1 %</translation>
    </message>
    <message>
        <source>Testing: press every key (%1 of %2)</source>
        <translation>Test: naciśnij każdy klawisz (%1 z %2)</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Niepowodzenie: %1</translation>
    </message>
    <message>
        <source>Enter: go on    R: retry    S: set aside    Escape: pause</source>
        <translation>Enter: dalej    R: ponów    S: odłóż    Esc: pauza</translation>
    </message>
    <message>
        <source>The batch is paused. End it now? %1 of %2 keyboards passed.</source>
        <translation>Partia jest wstrzymana. Zakończyć ją teraz? Zaliczono %1 z %2 klawiatur.</translation>
    </message>
    <message numerus="yes">
        <source>The batch is complete: %n keyboards passed.</source>
        <translation>
            <numerusform>Partia jest gotowa: zaliczono %n klawiaturę.</numerusform>
            <numerusform>Partia jest gotowa: zaliczono %n klawiatury.</numerusform>
            <numerusform>Partia jest gotowa: zaliczono %n klawiatur.</numerusform>
        </translation>
    </message>
    <message>
        <source>A batch stopped before its end: order %1, %2 of %3 keyboards passed. Resume it?</source>
        <translation>Partia zatrzymała się przed końcem: zamówienie %1, zaliczono %2 z %3 klawiatur. Wznowić ją?</translation>
    </message>
    <message numerus="yes">
        <source>%n keys cannot be tested from key presses</source>
        <translation>
            <numerusform>Klawisze, których nie da się przetestować naciśnięciami: %n</numerusform>
            <numerusform>Klawisze, których nie da się przetestować naciśnięciami: %n</numerusform>
            <numerusform>Klawisze, których nie da się przetestować naciśnięciami: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF report (*.pdf);;CSV table (*.csv)</source>
        <translation>Raport PDF (*.pdf);;Tabela CSV (*.csv)</translation>
    </message>
    <message>
        <source>passed</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>zaliczona</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>niezaliczona</translation>
    </message>
    <message>
        <source>set aside</source>
        <translation>odłożona</translation>
    </message>
    <message>
        <source>not tested</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>nietestowana</translation>
    </message>
    <message>
        <source>no test</source>
        <translation>bez testu</translation>
    </message>
    <message>
        <source>Batch report</source>
        <translation>Raport partii</translation>
    </message>
    <message>
        <source>Order: %1</source>
        <translation>Zamówienie: %1</translation>
    </message>
    <message>
        <source>Layout file: %1</source>
        <translation>Plik układu: %1</translation>
    </message>
    <message>
        <source>Image SHA-256: %1</source>
        <comment>batch report</comment>
        <translation>SHA-256 obrazu: %1</translation>
    </message>
    <message>
        <source>Station: %1</source>
        <translation>Stanowisko: %1</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Od %1 do %2</translation>
    </message>
    <message>
        <source>Passed: %1    Failed: %2    Set aside: %3</source>
        <translation>Zaliczone: %1    Niezaliczone: %2    Odłożone: %3</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik końcowy</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>Batch &amp;report...</source>
        <translation>&amp;Raport partii...</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Zamówienie</translation>
    </message>
    <message>
        <source>Stop programming this keyboard? It will need programming again.</source>
        <translation>Przerwać programowanie tej klawiatury? Trzeba będzie zaprogramować ją ponownie.</translation>
    </message>
    <message>
        <source>Enter: go on    Escape: pause</source>
        <translation>Enter: dalej    Esc: pauza</translation>
    </message>
    <message>
        <source>Escape: stop programming this keyboard</source>
        <translation>Esc: przerwij programowanie tej klawiatury</translation>
    </message>
    <message>
        <source>No keyboard is in progress.</source>
        <translation>Żadna klawiatura nie jest w toku.</translation>
    </message>
    <message>
        <source>The keyboard on the station passed and is recorded.</source>
        <translation>Klawiatura na stanowisku została zaliczona i zapisana.</translation>
    </message>
    <message>
        <source>The keyboard on the station is recorded as failed and will need programming again.</source>
        <translation>Klawiatura na stanowisku zostanie zapisana jako nieudana i będzie wymagać ponownego programowania.</translation>
    </message>
    <message>
        <source>No ends the batch: its keyboards so far stay in the programming log, and Tools &gt; Batch report still writes its report.</source>
        <translation>„Nie” kończy partię: jej dotychczasowe klawiatury pozostają w dzienniku programowania, a Narzędzia &gt; Raport partii nadal zapisuje jej raport.</translation>
    </message>
    <message>
        <source>Still to press: %1</source>
        <translation>Pozostało do naciśnięcia: %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 i jeszcze %2</translation>
    </message>
    <message>
        <source>Keyboard type found: %1. Bytes written: %2 of %3.</source>
        <translation>Znaleziony typ klawiatury: %1. Zapisane bajty: %2 z %3.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>the keyboard sent %1 (codes %2), which no key of the layout sends</source>
        <translation>klawiatura wysłała %1 (kody %2), których nie wysyła żaden klawisz układu</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Save report... (%1)</source>
        <translation>&amp;Zapisz raport... (%1)</translation>
    </message>
    <message>
        <source>Enter an order reference: it names the batch in the log and in the report.</source>
        <translation>Wpisz numer zamówienia: nazywa on partię w dzienniku i w raporcie.</translation>
    </message>
    <message>
        <source>The order reference is too long: at most %1 bytes.</source>
        <translation>Numer zamówienia jest za długi: najwyżej %1 bajtów.</translation>
    </message>
    <message>
        <source>The order reference cannot hold tabs, line ends or other control characters.</source>
        <translation>Numer zamówienia nie może zawierać tabulatorów, końców wierszy ani innych znaków sterujących.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Batch (order):</source>
        <translation>&amp;Partia (zamówienie):</translation>
    </message>
    <message>
        <source>The programming log holds no batch yet.</source>
        <translation>Dziennik programowania nie zawiera jeszcze żadnej partii.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be typed on a %2 PC keyboard (character %3)</source>
        <translation>„%1” nie da się wpisać na klawiaturze PC %2 (znak %3)</translation>
    </message>
    <message>
        <source>The text needs %1 codes and a key holds 16: it stops fitting at character %2</source>
        <translation>Tekst wymaga %1 kodów, a klawisz mieści 16: przestaje się mieścić od znaku %2</translation>
    </message>
    <message>
        <source>No key is named &quot;{%1}&quot; (character %2); write {{ for a brace</source>
        <translation>Żaden klawisz nie nazywa się „{%1}” (znak %2); nawias klamrowy zapisz jako {{</translation>
    </message>
    <message>
        <source>The &quot;{&quot; at character %1 has no closing &quot;}&quot;; write {{ for a brace</source>
        <translation>„{” przy znaku %1 nie ma zamykającego „}”; nawias klamrowy zapisz jako {{</translation>
    </message>
    <message>
        <source>The keyboard holds each code down until the key is let go, so the key types &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>Klawiatura trzyma każdy kod wciśnięty do puszczenia klawisza, więc klawisz wpisuje „%1”, a nie „%2”</translation>
    </message>
    <message>
        <source>The keyboard holds each code down until the key is let go, so the key does not type &quot;%1&quot;</source>
        <translation>Klawiatura trzyma każdy kod wciśnięty do puszczenia klawisza, więc klawisz nie wpisuje „%1”</translation>
    </message>
    <message>
        <source>types %1</source>
        <translation>wpisuje %1</translation>
    </message>
    <message>
        <source>Key %1 ends with a modifier (Shift, Ctrl, Alt or AltGr) that no key follows.</source>
        <translation>Klawisz %1 kończy się modyfikatorem (Shift, Ctrl, Alt lub AltGr), po którym nie ma żadnego klawisza.</translation>
    </message>
    <message>
        <source>Key %1 ends with a dead key of the %2 PC keyboard that nothing follows.</source>
        <translation>Klawisz %1 kończy się klawiszem martwym klawiatury PC %2, po którym nic nie ma.</translation>
    </message>
    <message>
        <source>Key %1 sends code %2, which no key of a PC keyboard makes.</source>
        <translation>Klawisz %1 wysyła kod %2, którego nie wysyła żaden klawisz klawiatury PC.</translation>
    </message>
    <message>
        <source>The first row must name the columns: key, name, text, codes, shape</source>
        <translation>Pierwszy wiersz musi nazywać kolumny: key, name, text, codes, shape</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no column of a key list (key, name, text, codes, shape)</source>
        <translation>„%1” nie jest kolumną listy klawiszy (key, name, text, codes, shape)</translation>
    </message>
    <message>
        <source>The header names no &quot;key&quot; column</source>
        <translation>Nagłówek nie nazywa kolumny „key”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key number from 1 to %2</source>
        <translation>„%1” nie jest numerem klawisza od 1 do %2</translation>
    </message>
    <message>
        <source>Key %1 takes a cell that an earlier row's key holds</source>
        <translation>Klawisz %1 zajmuje pole, które ma już klawisz z wcześniejszego wiersza</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no shape (single, double-right, double-down, quad)</source>
        <translation>„%1” nie jest kształtem (single, double-right, double-down, quad)</translation>
    </message>
    <message>
        <source>A %1 key at key %2 does not fit the grid</source>
        <translation>Klawisz %1 przy klawiszu %2 nie mieści się w siatce klawiszy</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; has characters a layout file cannot hold</source>
        <translation>Nazwa „%1” zawiera znaki, których plik układu nie pomieści</translation>
    </message>
    <message>
        <source>A name cannot hold &quot;;&quot;, &quot;,&quot; or a line end</source>
        <translation>Nazwa nie może zawierać „;”, „,” ani końca wiersza</translation>
    </message>
    <message>
        <source>The name is %1 bytes long; a key's name holds at most 102</source>
        <translation>Nazwa ma %1 bajtów; nazwa klawisza mieści najwyżej 102</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of at most 16 codes from 0 to 255</source>
        <translation>„%1” nie jest listą najwyżej 16 kodów od 0 do 255</translation>
    </message>
    <message>
        <source>The text and the codes differ: give one of them</source>
        <translation>Tekst i kody się różnią: podaj tylko jedno</translation>
    </message>
    <message>
        <source>A quoted cell has no closing quote</source>
        <translation>Pole w cudzysłowie nie ma zamykającego cudzysłowu</translation>
    </message>
    <message>
        <source>The row has more cells than the header names</source>
        <translation>Wiersz ma więcej pól, niż nazywa nagłówek (pole bez nazwy)</translation>
    </message>
    <message>
        <source>The list holds no key</source>
        <translation>Lista nie zawiera żadnego klawisza</translation>
    </message>
    <message>
        <source>row %1, column %2 (%3)</source>
        <translation>wiersz %1, kolumna %2 (%3)</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>The key list does not hold everything of this layout (its settings, RFID options, modes or group keys): importing it gives another layout file</source>
        <translation>Lista klawiszy nie zawiera wszystkiego z tego układu (ustawień, opcji RFID, trybów lub klawiszy grupowych): jej import da inny plik układu</translation>
    </message>
    <message>
        <source>Rows left out: %1</source>
        <translation>Pominięte wiersze: %1</translation>
    </message>
    <message>
        <source>Type a te&amp;xt...</source>
        <translation>Wpisz te&amp;kst...</translation>
    </message>
    <message>
        <source>Type a text</source>
        <translation>Wpisz tekst</translation>
    </message>
    <message>
        <source>The text as typed on a %1 PC keyboard ({Enter}, {Tab}, {F5} for named keys, {{ for a brace):</source>
        <translation>Tekst wpisywany na klawiaturze PC %1 ({Enter}, {Tab}, {F5} dla nazwanych klawiszy, {{ dla nawiasu klamrowego):</translation>
    </message>
    <message>
        <source>Digits from the &amp;number pad</source>
        <translation>Cyfry z klawiatury &amp;numerycznej</translation>
    </message>
    <message>
        <source>&amp;Import key list...</source>
        <translation>&amp;Importuj listę klawiszy...</translation>
    </message>
    <message>
        <source>Export &amp;key list...</source>
        <translation>Eksportuj &amp;listę klawiszy...</translation>
    </message>
    <message>
        <source>Key lists (*.csv)</source>
        <translation>Listy klawiszy (*.csv)</translation>
    </message>
    <message>
        <source>Import key list</source>
        <translation>Importuj listę klawiszy</translation>
    </message>
    <message>
        <source>Export key list</source>
        <translation>Eksportuj listę klawiszy</translation>
    </message>
    <message>
        <source>Layout file to write</source>
        <translation>Plik układu do zapisania</translation>
    </message>
    <message>
        <source>The key list has wrong rows, so nothing was imported:
%1</source>
        <translation>Lista klawiszy ma błędne wiersze, więc niczego nie zaimportowano:
%1</translation>
    </message>
    <message>
        <source>Type the digits of the texts on the number pad, the same on every PC keyboard layout?</source>
        <translation>Wpisywać cyfry tekstów na klawiaturze numerycznej, takiej samej w każdym układzie klawiatury PC?</translation>
    </message>
    <message>
        <source>Layout files (*.txt)</source>
        <translation>Pliki układu (*.txt)</translation>
    </message>
    <message>
        <source>At line %1.</source>
        <translation>W wierszu %1.</translation>
    </message>
    <message>
        <source>The image builder stops at this line, so vorlanctl image and program refuse the file: Invalid file format. (%1)</source>
        <translation>Generator obrazu zatrzymuje się w tym wierszu, więc vorlanctl image i program odrzucają plik: Nieprawidłowy format pliku. (%1)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Hyphenation of the &amp;names:</source>
        <translation>&amp;Dzielenie wyrazów w nazwach:</translation>
    </message>
    <message>
        <source>The program's language (%1)</source>
        <translation>Język programu (%1)</translation>
    </message>
    <message>
        <source>None: long names are set smaller</source>
        <translation>Brak: długie nazwy są zmniejszane</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1 (brak zainstalowanego słownika)</translation>
    </message>
    <message>
        <source>Insert key</source>
        <comment>undo step</comment>
        <translation>Wstaw klawisz</translation>
    </message>
    <message>
        <source>Copy key</source>
        <comment>undo step</comment>
        <translation>Kopiuj klawisz</translation>
    </message>
    <message>
        <source>Single</source>
        <comment>undo step</comment>
        <translation>Pojedynczy</translation>
    </message>
    <message>
        <source>Double</source>
        <comment>undo step</comment>
        <translation>Podwójny</translation>
    </message>
    <message>
        <source>Quad</source>
        <comment>undo step</comment>
        <translation>Poczwórny</translation>
    </message>
    <message>
        <source>Clear All</source>
        <comment>button of the capture dialog</comment>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>Set flag for all keys</source>
        <comment>undo step</comment>
        <translation>Ustaw flagę dla wszystkich klawiszy</translation>
    </message>
    <message>
        <source>Key mode</source>
        <comment>undo step</comment>
        <translation>Tryb klawisza</translation>
    </message>
    <message>
        <source>Set mode for all keys</source>
        <comment>undo step</comment>
        <translation>Ustaw tryb dla wszystkich klawiszy</translation>
    </message>
    <message>
        <source>Key codes</source>
        <comment>undo step</comment>
        <translation>Kody klawisza</translation>
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
        <translation>Nazwa: %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Edit</source>
        <comment>the menu named in a hint of the find bar</comment>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <comment>heading on the layout sheet</comment>
        <translation>Ustawienia klawiatury</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <comment>title of the keyboard settings dialog</comment>
        <translation>Ustawienia klawiatury</translation>
    </message>
    <message>
        <source>RFID options</source>
        <comment>heading on the layout sheet</comment>
        <translation>Opcje RFID</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <comment>key test report</comment>
        <translation>Nie można zapisać %1.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the keyboard settings dialog</comment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the capture dialog</comment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Keyboard type</source>
        <comment>column of the programming log</comment>
        <translation>Typ klawiatury</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <comment>line of the programming result</comment>
        <translation>Układ: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button of the key test</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button of the programming log</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Save report...</source>
        <comment>button of the key test</comment>
        <translation>Zapisz raport...</translation>
    </message>
    <message>
        <source>Key test</source>
        <comment>column of the batch report</comment>
        <translation>Test klawiszy</translation>
    </message>
    <message>
        <source>Cannot open the record %1: %2</source>
        <translation>Nie można otworzyć rejestru %1: %2</translation>
    </message>
    <message>
        <source>Cannot write to the record %1: it is read-only.</source>
        <translation>Nie można zapisać w rejestrze %1: jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>Cannot write to the record %1: the disk is full.</source>
        <translation>Nie można zapisać w rejestrze %1: dysk jest pełny.</translation>
    </message>
    <message>
        <source>The record %1 is busy: another program held it too long.</source>
        <translation>Rejestr %1 jest zajęty: inny program trzymał go zbyt długo.</translation>
    </message>
    <message>
        <source>The record %1 is damaged; it is left as it is.</source>
        <translation>Rejestr %1 jest uszkodzony; pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>%1 is not a record of this program; it is left as it is.</source>
        <translation>%1 nie jest rejestrem tego programu; pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>The record %1 was written by a newer version of this program.</source>
        <translation>Rejestr %1 został zapisany przez nowszą wersję tego programu.</translation>
    </message>
    <message>
        <source>The record %1 belongs to another user; it is not used.</source>
        <translation>Rejestr %1 należy do innego użytkownika; nie jest używany.</translation>
    </message>
    <message>
        <source>The record %1 is reached through a link; it is not used.</source>
        <translation>Rejestr %1 jest osiągany przez dowiązanie; nie jest używany.</translation>
    </message>
    <message>
        <source>This batch is being run by %1.</source>
        <translation>Tę partię prowadzi %1.</translation>
    </message>
    <message>
        <source>Order %1 has an open batch already.</source>
        <translation>Zamówienie %1 ma już otwartą partię.</translation>
    </message>
    <message>
        <source>The record %1 holds no such run or batch in progress.</source>
        <translation>Rejestr %1 nie zawiera takiego trwającego przebiegu ani partii.</translation>
    </message>
    <message>
        <source>An order reference is needed.</source>
        <translation>Potrzebny jest numer zamówienia.</translation>
    </message>
    <message>
        <source>An order reference has at most %1 bytes.</source>
        <translation>Numer zamówienia ma najwyżej %1 bajtów.</translation>
    </message>
    <message>
        <source>The order reference is not UTF-8 text.</source>
        <translation>Numer zamówienia nie jest tekstem UTF-8.</translation>
    </message>
    <message>
        <source>The order reference holds a control character.</source>
        <translation>Numer zamówienia zawiera znak sterujący.</translation>
    </message>
    <message>
        <source>Cannot use the record %1: %2</source>
        <translation>Nie można użyć rejestru %1: %2</translation>
    </message>
    <message>
        <source>Every keyboard of order %1 is passed or in progress: the batch takes no more.</source>
        <translation>Każda klawiatura zamówienia %1 jest zaliczona lub w toku: partia nie przyjmie więcej.</translation>
    </message>
    <message>
        <source>The record server %1 cannot be reached: %2</source>
        <translation>Serwer rejestru %1 jest nieosiągalny: %2</translation>
    </message>
    <message>
        <source>The record server %1 refused the login: %2</source>
        <translation>Serwer rejestru %1 odrzucił logowanie: %2</translation>
    </message>
    <message>
        <source>The record server %1 has no such database: %2</source>
        <translation>Serwer rejestru %1 nie ma takiej bazy danych: %2</translation>
    </message>
    <message>
        <source>The record %1 has an older schema that this login may not bring up to date (%2); nothing was changed.</source>
        <translation>Rejestr %1 ma starszy schemat, którego to logowanie nie może zaktualizować (%2); nic nie zmieniono.</translation>
    </message>
    <message>
        <source>The record's address %1 holds a password, which others could read there; give it in ~/.pgpass, PGPASSWORD or a PGSERVICE entry instead.</source>
        <translation>Adres rejestru %1 zawiera hasło, które inni mogliby tam odczytać; podaj je zamiast tego w ~/.pgpass, PGPASSWORD lub wpisie PGSERVICE.</translation>
    </message>
    <message>
        <source>This build of the program cannot use a record on a PostgreSQL server (%1).</source>
        <translation>Ta kompilacja programu nie może używać rejestru na serwerze PostgreSQL (%1).</translation>
    </message>
    <message>
        <source>%1 is the record of runs; nothing else is written to it.</source>
        <translation>%1 jest rejestrem przebiegów; nic innego nie jest w nim zapisywane.</translation>
    </message>
    <message>
        <source>%1 is named for two outputs of one run.</source>
        <translation>%1 podano jako dwa wyjścia jednego przebiegu.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>File SHA-256</source>
        <translation>SHA-256 pliku</translation>
    </message>
    <message>
        <source>Differs from the batch</source>
        <translation>Różni się od partii</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>różni się</translation>
    </message>
    <message>
        <source>The batch is paused: %1</source>
        <translation>Partia jest wstrzymana: %1</translation>
    </message>
    <message>
        <source>The layout file %1 has changed since the batch began; every keyboard of a batch is programmed and tested with one layout. End the batch?</source>
        <translation>Plik układu %1 zmienił się od początku partii; wszystkie klawiatury partii są programowane i testowane jednym układem. Zakończyć partię?</translation>
    </message>
    <message>
        <source>Batches need the record of runs. %1</source>
        <translation>Partie wymagają rejestru przebiegów. %1</translation>
    </message>
    <message>
        <source>The keyboard was not programmed: the record of runs cannot take this run. %1</source>
        <translation>Klawiatura nie została zaprogramowana: rejestr przebiegów nie może zapisać tego przebiegu. %1</translation>
    </message>
    <message>
        <source>Rec&amp;ords...</source>
        <translation>&amp;Miejsce rejestru...</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rejestr</translation>
    </message>
    <message>
        <source>The &amp;file beside the programming log: %1</source>
        <translation>&amp;Plik obok dziennika programowania: %1</translation>
    </message>
    <message>
        <source>A PostgreSQL &amp;server:</source>
        <translation>&amp;Serwer PostgreSQL:</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Testuj połączenie</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Łączenie z %1...</translation>
    </message>
    <message>
        <source>The record %1 can be used.</source>
        <translation>Rejestru %1 można używać.</translation>
    </message>
    <message>
        <source>A record on a server is named by an address beginning with postgresql://, for example postgresql://station@workshop-server/vorlan.</source>
        <translation>Rejestr na serwerze wskazuje adres zaczynający się od postgresql://, na przykład postgresql://station@workshop-server/vorlan.</translation>
    </message>
    <message>
        <source>No password is kept here: the server's password comes from ~/.pgpass, PGPASSWORD or a PGSERVICE entry.</source>
        <translation>Żadne hasło nie jest tu przechowywane: hasło serwera pochodzi z ~/.pgpass, PGPASSWORD lub wpisu PGSERVICE.</translation>
    </message>
    <message>
        <source>Close the station before choosing another record: its batch stays in the record it began in.</source>
        <translation>Zamknij stanowisko, zanim wybierzesz inny rejestr: jego partia pozostaje w rejestrze, w którym się zaczęła.</translation>
    </message>
    <message>
        <source>Keyboard %1 of %2 — %3 stations</source>
        <translation>Klawiatura %1 z %2 — stanowiska: %3</translation>
    </message>
    <message>
        <source>&amp;Join a batch...</source>
        <translation>D&amp;ołącz do partii...</translation>
    </message>
    <message>
        <source>Join a batch</source>
        <translation>Dołącz do partii</translation>
    </message>
    <message>
        <source>The open batches of the record %1:</source>
        <translation>Otwarte partie rejestru %1:</translation>
    </message>
    <message>
        <source>%1 — %2 of %3 passed — opened on %4, %5</source>
        <translation>%1 — zaliczono %2 z %3 — otwarta na %4, %5</translation>
    </message>
    <message>
        <source>The record %1 has no open batch to join.</source>
        <translation>Rejestr %1 nie ma otwartej partii, do której można dołączyć.</translation>
    </message>
    <message>
        <source>The batch programs the layout file %1. Open that layout file, saved with the same contents, in the window, then join again.</source>
        <translation>Partia programuje plik układu %1. Otwórz ten plik układu, zapisany z tą samą zawartością, w oknie, a potem dołącz ponownie.</translation>
    </message>
    <message>
        <source>The record server %1 cannot be reached: %2. This keyboard's result is kept in %3 and sent when the server answers.</source>
        <translation>Serwer rejestru %1 jest nieosiągalny: %2. Wynik tej klawiatury jest przechowywany w %3 i zostanie wysłany, gdy serwer odpowie.</translation>
    </message>
    <message>
        <source>Enter: try the record again    Escape: pause</source>
        <translation>Enter: spróbuj rejestru ponownie    Esc: pauza</translation>
    </message>
    <message>
        <source>Results kept at this station were sent to the record server: %1.</source>
        <translation>Wyniki przechowane na tym stanowisku wysłano do serwera rejestru: %1.</translation>
    </message>
    <message>
        <source>Leave the batch? It stays open for the other stations. %1 of %2 keyboards passed.</source>
        <translation>Opuścić partię? Pozostaje otwarta dla innych stanowisk. Zaliczono %1 z %2 klawiatur.</translation>
    </message>
    <message>
        <source>The batch was ended at another station. Its keyboards so far stay in the record.</source>
        <translation>Partię zakończono na innym stanowisku. Jej dotychczasowe klawiatury pozostają w rejestrze.</translation>
    </message>
    <message>
        <source>The batch is paused: the record server cannot be reached. Results kept at this station until it answers: %1.</source>
        <translation>Partia jest wstrzymana: serwer rejestru jest nieosiągalny. Wyniki przechowywane na tym stanowisku do czasu odpowiedzi: %1.</translation>
    </message>
</context>
</TS>
