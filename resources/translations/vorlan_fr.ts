<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Vorlan</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Insert scan-codes by pressing key</source>
        <translation>Saisir les codes de scan en appuyant sur la touche</translation>
    </message>
    <message>
        <source>Invalid argument.</source>
        <translation>Argument non valide.</translation>
    </message>
    <message>
        <source>Invalid keyboard type.</source>
        <translation>Type de clavier non valide.</translation>
    </message>
    <message>
        <source>Syntax error!</source>
        <translation>Erreur de syntaxe !</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Impossible d'ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation>Format de fichier non valide.</translation>
    </message>
    <message>
        <source>Invalid keyboard type detected.</source>
        <translation>Type de clavier détecté non valide.</translation>
    </message>
    <message>
        <source>Vorlan driver error.</source>
        <translation>Erreur du pilote Vorlan.</translation>
    </message>
    <message>
        <source>Keyboard detecting error.</source>
        <translation>Erreur lors de la détection du clavier.</translation>
    </message>
    <message>
        <source>File format mismatch.</source>
        <translation>Le format du fichier ne correspond pas au clavier.</translation>
    </message>
    <message>
        <source>Keyboard programming error.</source>
        <translation>Erreur lors de la programmation du clavier.</translation>
    </message>
    <message>
        <source>Data buffer error.</source>
        <translation>Erreur du tampon de données.</translation>
    </message>
    <message>
        <source>File version error</source>
        <translation>Erreur de version du fichier</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>Impossible d'écrire dans le dossier %1.</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 n'est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is the layout being read.</source>
        <translation>%1 est la disposition en cours de lecture.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n'existe pas.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Impossible d'écrire %1 : %2.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>%1 cannot be written: too many levels of links.</source>
        <translation>Impossible d'écrire %1 : trop de niveaux de liens.</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1.</source>
        <translation>Impossible d'écrire sur la sortie standard : %1.</translation>
    </message>
    <message>
        <source>No file was replaced: the old files are as they were.</source>
        <translation>Aucun fichier n'a été remplacé : les anciens fichiers sont restés tels quels.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Impossible d'ouvrir le fichier !</translation>
    </message>
    <message>
        <source>The file contains no programmed key</source>
        <translation>Le fichier ne contient aucune touche programmée</translation>
    </message>
    <message>
        <source>Group key error</source>
        <translation>Erreur de touche groupée</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez saisir un entier positif.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Edit scan codes</source>
        <translation>Modifier les codes de scan</translation>
    </message>
    <message>
        <source>Scan-codes</source>
        <translation>Codes de scan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear Last</source>
        <translation>Effacer le dernier</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Vorlan - keyboard programmer  -  [%s]</source>
        <translation>Vorlan - programmeur de clavier  -  [%s]</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>sans titre</translation>
    </message>
    <message>
        <source>Do you want to save current file?</source>
        <translation>Voulez-vous enregistrer le fichier actuel ?</translation>
    </message>
    <message>
        <source>Clear key %s ?</source>
        <translation>Effacer la touche %s ?</translation>
    </message>
    <message>
        <source>Clear all keys ?</source>
        <translation>Effacer toutes les touches ?</translation>
    </message>
    <message>
        <source>Insert %s to key %d ?</source>
        <translation>Insérer %s dans la touche %d ?</translation>
    </message>
    <message>
        <source>Keyboard type: Vorlan S (SN)</source>
        <translation>Type de clavier : Vorlan S (SN)</translation>
    </message>
    <message>
        <source>Keyboard type: Vorlan D</source>
        <translation>Type de clavier : Vorlan D</translation>
    </message>
    <message>
        <source>Keys type: Typematic SCAN</source>
        <translation>Type de touches : Typematic SCAN</translation>
    </message>
    <message>
        <source>Keys type: Make-Break SCAN</source>
        <translation>Type de touches : Make-Break SCAN</translation>
    </message>
    <message>
        <source>Keys beep: On</source>
        <translation>Bip des touches : activé</translation>
    </message>
    <message>
        <source>Keys beep: Off</source>
        <translation>Bip des touches : désactivé</translation>
    </message>
    <message>
        <source>Keys delay: %d</source>
        <translation>Délai des touches : %d</translation>
    </message>
    <message>
        <source>Keys rate: %d</source>
        <translation>Fréquence de répétition : %d</translation>
    </message>
    <message>
        <source>Number: ----</source>
        <translation>Numéro : ----</translation>
    </message>
    <message>
        <source>Number: %d</source>
        <translation>Numéro : %d</translation>
    </message>
    <message>
        <source>Name: ----</source>
        <translation>Nom : ----</translation>
    </message>
    <message>
        <source>Name: %s</source>
        <translation>Nom : %s</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Veuillez saisir un entier entre 0 et 255.</translation>
    </message>
    <message>
        <source>Programming was stopped; the keyboard holds only part of the layout.</source>
        <translation>La programmation a été arrêtée ; le clavier ne contient qu'une partie de la disposition.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un entier.</translation>
    </message>
    <message>
        <source>%1 [emulated keyboard, type %2]</source>
        <translation>%1 [clavier émulé, type %2]</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programmation...</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <translation>Paramètres du clavier</translation>
    </message>
    <message>
        <source>Keyboard type</source>
        <translation>Type de clavier</translation>
    </message>
    <message>
        <source>Vorlan S - 56 keys (single)</source>
        <translation>Vorlan S - 56 touches (simple)</translation>
    </message>
    <message>
        <source>Vorlan D - 112 keys (double)</source>
        <translation>Vorlan D - 112 touches (double)</translation>
    </message>
    <message>
        <source>Keys pause</source>
        <translation>Pause entre les touches</translation>
    </message>
    <message>
        <source>(0 - 255) ms</source>
        <translation>(0 - 255) ms</translation>
    </message>
    <message>
        <source>Keys type</source>
        <translation>Type de touches</translation>
    </message>
    <message>
        <source>Make-Break SCAN (without repeat)</source>
        <translation>Make-Break SCAN (sans répétition)</translation>
    </message>
    <message>
        <source>Typematic SCAN (with repeat)</source>
        <translation>Typematic SCAN (avec répétition)</translation>
    </message>
    <message>
        <source>Key beep</source>
        <translation>Bip des touches</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Key repeat</source>
        <translation>Répétition des touches</translation>
    </message>
    <message>
        <source>Typematic rate:</source>
        <translation>Fréquence de répétition :</translation>
    </message>
    <message>
        <source>Key delay:</source>
        <translation>Délai :</translation>
    </message>
    <message>
        <source>Vorlan - keyboard programmer</source>
        <translation>Vorlan - programmeur de clavier</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Programming...</source>
        <translation>&amp;Programmation...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Se&amp;ttings...</source>
        <translation>Para&amp;mètres...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Content</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Insert key</source>
        <translation>Insérer une touche</translation>
    </message>
    <message>
        <source>Copy key</source>
        <translation>Copier une touche</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>to Right</source>
        <translation>vers la droite</translation>
    </message>
    <message>
        <source>to Down</source>
        <translation>vers le bas</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Quadruple</translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation>Effacer la touche</translation>
    </message>
    <message>
        <source>RFID</source>
        <translation>RFID</translation>
    </message>
    <message>
        <source>Digits count:</source>
        <translation>Nombre de chiffres :</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Préfixe :</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffixe :</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Étendu</translation>
    </message>
    <message>
        <source>Digits type - NUM</source>
        <translation>Type de chiffres - NUM</translation>
    </message>
    <message>
        <source>Key flags</source>
        <translation>Attributs de la touche</translation>
    </message>
    <message>
        <source>Single key</source>
        <translation>Touche simple</translation>
    </message>
    <message>
        <source>Group key</source>
        <translation>Touche groupée</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Set flag for all keys</source>
        <translation>Appliquer l'attribut à toutes les touches</translation>
    </message>
    <message>
        <source>Key mode</source>
        <translation>Mode de la touche</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Mode 3</translation>
    </message>
    <message>
        <source>Set mode for all keys</source>
        <translation>Appliquer le mode à toutes les touches</translation>
    </message>
    <message>
        <source>Programmed keys:</source>
        <translation>Touches programmées :</translation>
    </message>
    <message>
        <source>Key </source>
        <translation>Touche </translation>
    </message>
    <message>
        <source>Key number</source>
        <translation>Numéro de touche</translation>
    </message>
    <message>
        <source>Key name</source>
        <translation>Nom de la touche</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;name</source>
        <translation>&amp;Nom de la touche</translation>
    </message>
    <message>
        <source>Codes are entered in the capture dialog: press Enter or double-click the key.</source>
        <translation>Les codes se saisissent dans la fenêtre de capture : appuyez sur Entrée ou double-cliquez sur la touche.</translation>
    </message>
    <message>
        <source>Key codes</source>
        <translation>Codes de la touche</translation>
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
        <translation>À propos</translation>
    </message>
    <message>
        <source>Vorlan 16scan keyboard programmer</source>
        <translation>Programmeur de clavier Vorlan 16scan</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Key grid</source>
        <translation>Grille des touches</translation>
    </message>
    <message>
        <source>The keys of the layout; arrow keys move the selection, Enter edits the key's codes</source>
        <translation>Les touches de la disposition ; les flèches déplacent la sélection, Entrée modifie les codes de la touche</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <translation>%1, touche %2</translation>
    </message>
    <message>
        <source>unnamed key, key %1</source>
        <translation>touche sans nom, touche %1</translation>
    </message>
    <message>
        <source>empty, key %1</source>
        <translation>vide, touche %1</translation>
    </message>
    <message>
        <source>single</source>
        <translation>une case</translation>
    </message>
    <message>
        <source>double key of keys %1 and %2</source>
        <translation>touche double des touches %1 et %2</translation>
    </message>
    <message>
        <source>quad key of keys %1, %2, %3 and %4</source>
        <translation>touche quadruple des touches %1, %2, %3 et %4</translation>
    </message>
    <message>
        <source>not in use with 56 keys</source>
        <translation>inutilisée avec 56 touches</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>sélectionnée</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Code %1</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>Previous key</source>
        <translation>Touche précédente</translation>
    </message>
    <message>
        <source>Next key</source>
        <translation>Touche suivante</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;names on the grid</source>
        <translation>&amp;Noms des touches sur la grille</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Find key...</source>
        <translation>Rechercher une &amp;touche...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Find &amp;next</source>
        <translation>Rechercher le sui&amp;vant</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Find pre&amp;vious</source>
        <translation>Rechercher le &amp;précédent</translation>
    </message>
    <message>
        <source>Find key:</source>
        <translation>Rechercher une touche :</translation>
    </message>
    <message>
        <source>name or code</source>
        <translation>nom ou code</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <translation>%d sur %d</translation>
    </message>
    <message>
        <source>%d found</source>
        <translation>%d trouvée(s)</translation>
    </message>
    <message>
        <source>No key found</source>
        <translation>Aucune touche trouvée</translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation>Fermer la barre de recherche (Échap)</translation>
    </message>
    <message>
        <source>Next key found (Enter, F3)</source>
        <translation>Touche trouvée suivante (Entrée, F3)</translation>
    </message>
    <message>
        <source>Previous key found (Shift+F3)</source>
        <translation>Touche trouvée précédente (Maj+F3)</translation>
    </message>
    <message>
        <source>Key %d</source>
        <translation>Touche %d</translation>
    </message>
    <message>
        <source>Name: (none)</source>
        <translation>Nom : (aucun)</translation>
    </message>
    <message>
        <source>Codes: %s</source>
        <translation>Codes : %s</translation>
    </message>
    <message>
        <source>Codes: (none)</source>
        <translation>Codes : (aucun)</translation>
    </message>
    <message>
        <source>Span: empty</source>
        <translation>Étendue : vide</translation>
    </message>
    <message>
        <source>Span: single</source>
        <translation>Étendue : une case</translation>
    </message>
    <message>
        <source>Span: double, with key %d</source>
        <translation>Étendue : double, avec la touche %d</translation>
    </message>
    <message>
        <source>Span: quad, with keys %s</source>
        <translation>Étendue : quadruple, avec les touches %s</translation>
    </message>
    <message>
        <source>Mode %d</source>
        <translation>Mode %d</translation>
    </message>
    <message>
        <source>Flags: none</source>
        <translation>Attributs : aucun</translation>
    </message>
    <message>
        <source>Flags: single key</source>
        <translation>Attributs : touche simple</translation>
    </message>
    <message>
        <source>Flags: group key</source>
        <translation>Attributs : touche groupée</translation>
    </message>
    <message>
        <source>Flags: single key, group key</source>
        <translation>Attributs : touche simple, touche groupée</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test keyboard...</source>
        <translation>&amp;Tester le clavier...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Programming &amp;log</source>
        <translation>&amp;Journal de programmation</translation>
    </message>
    <message>
        <source>Key test</source>
        <translation>Test des touches</translation>
    </message>
    <message numerus="yes">
        <source>%n of %2 keys tested</source>
        <translation>
            <numerusform>%n touche testée sur %2</numerusform>
            <numerusform>%n touches testées sur %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Enregistrer le rapport...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 and %2 send the same codes.</source>
        <translation>%1 et %2 envoient les mêmes codes.</translation>
    </message>
    <message>
        <source>%1 sends the start of %2.</source>
        <translation>%1 envoie le début de %2.</translation>
    </message>
    <message>
        <source>%1 sends codes that no key press reports; it cannot be tested.</source>
        <translation>%1 envoie des codes qu'aucune frappe ne produit ; elle ne peut pas être testée.</translation>
    </message>
    <message>
        <source>%1 begins like the RFID prefix; its presses are read as cards.</source>
        <translation>%1 commence comme le préfixe RFID ; ses frappes sont lues comme des lectures de carte.</translation>
    </message>
    <message>
        <source>Press each key of the keyboard. Click a key to say which one you press next.</source>
        <translation>Appuyez sur chaque touche du clavier. Cliquez sur une touche pour indiquer celle sur laquelle vous appuierez ensuite.</translation>
    </message>
    <message>
        <source>Click a key: the emulated keyboard types it into the test.</source>
        <translation>Cliquez sur une touche : le clavier émulé la tape dans le test.</translation>
    </message>
    <message>
        <source>The layout has no programmed key to test.</source>
        <translation>La disposition n'a aucune touche programmée à tester.</translation>
    </message>
    <message>
        <source>Text report (*.txt);;JSON report (*.json)</source>
        <translation>Rapport texte (*.txt);;Rapport JSON (*.json)</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossible d'écrire %1.</translation>
    </message>
    <message>
        <source>At %1 dpi a page image would be too large; this page can be exported at up to %2 dpi.</source>
        <translation>À %1 dpi, une image de page serait trop grande ; cette page peut être exportée à %2 dpi au plus.</translation>
    </message>
    <message>
        <source>Programming log</source>
        <translation>Journal de programmation</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>No run has been logged yet.</source>
        <translation>Aucune programmation n'a encore été journalisée.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Layout file</source>
        <translation>Fichier de disposition</translation>
    </message>
    <message>
        <source>Image SHA-256</source>
        <translation>SHA-256 de l'image</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Octets</translation>
    </message>
    <message>
        <source>Duration (ms)</source>
        <translation>Durée (ms)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Keyboard programmed</source>
        <translation>Clavier programmé</translation>
    </message>
    <message>
        <source>The keyboard is programmed. Keyboards done with this layout: %1.</source>
        <translation>Le clavier est programmé. Claviers programmés avec cette disposition : %1.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test keyboard</source>
        <translation>&amp;Tester le clavier</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Program &amp;next keyboard</source>
        <translation>Programmer le clavier &amp;suivant</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The programming log %1 cannot be written.</source>
        <translation>Impossible d'écrire le journal de programmation %1.</translation>
    </message>
    <message>
        <source>unknown: %1</source>
        <translation>inconnu : %1</translation>
    </message>
    <message>
        <source>card %1: prefix %2, suffix %3, %4 digits %5, %6</source>
        <translation>carte %1 : préfixe %2, suffixe %3, %4 chiffres %5, %6</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>numeric</source>
        <translation>numérique</translation>
    </message>
    <message>
        <source>not numeric (numeric expected)</source>
        <translation>non numérique (numérique attendu)</translation>
    </message>
    <message>
        <source>not numeric</source>
        <translation>non numérique</translation>
    </message>
    <message>
        <source>Grey: not yet pressed. Green: matched. Red: expected, but another sequence came. Striped: cannot be told apart.</source>
        <translation>Gris : pas encore pressée. Vert : reconnue. Rouge : attendue, mais une autre séquence est arrivée. Hachurée : impossible à distinguer.</translation>
    </message>
    <message>
        <source>key %1 &quot;%2&quot;</source>
        <translation>touche %1 « %2 »</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>The file is empty; it reads as a new 56-key layout.</source>
        <translation>Le fichier est vide ; il est lu comme une nouvelle disposition de 56 touches.</translation>
    </message>
    <message>
        <source>The first number %1 is not 56, 57, 112 or 113; the file reads as a 56-key 16scan layout.</source>
        <translation>Le premier nombre %1 n'est pas 56, 57, 112 ou 113 ; le fichier est lu comme une disposition 16scan de 56 touches.</translation>
    </message>
    <message>
        <source>The header has %1 of its %2 fields; the missing ones read as 0.</source>
        <translation>L'en-tête a %1 de ses %2 champs ; les champs manquants sont lus comme 0.</translation>
    </message>
    <message>
        <source>The header has surplus fields (%1) for its %2 form; they are ignored.</source>
        <translation>L'en-tête a des champs en trop (%1) pour son format %2 ; ils sont ignorés.</translation>
    </message>
    <message>
        <source>Keys type %1 is out of range 0..1 and reads as 1.</source>
        <translation>Le type de touches %1 est hors de la plage 0..1 et est lu comme 1.</translation>
    </message>
    <message>
        <source>Key beep %1 is out of range 0..1 and reads as 1.</source>
        <translation>Le bip des touches %1 est hors de la plage 0..1 et est lu comme 1.</translation>
    </message>
    <message>
        <source>Key delay %1 is out of range 0..3 and reads as 2.</source>
        <translation>Le délai des touches %1 est hors de la plage 0..3 et est lu comme 2.</translation>
    </message>
    <message>
        <source>Typematic rate %1 is out of range 0..31 and reads as 11.</source>
        <translation>La fréquence de répétition %1 est hors de la plage 0..31 et est lue comme 11.</translation>
    </message>
    <message>
        <source>The RFID flags %1 do not fit a byte and read as %2.</source>
        <translation>Les indicateurs RFID %1 ne tiennent pas dans un octet et sont lus comme %2.</translation>
    </message>
    <message>
        <source>The RFID flags %1 ask for %2 digits, more than 13; they read as 13.</source>
        <translation>Les indicateurs RFID %1 demandent %2 chiffres, plus de 13 ; ils sont lus comme 13.</translation>
    </message>
    <message>
        <source>The RFID prefix %1 does not fit a byte and reads as %2.</source>
        <translation>Le préfixe RFID %1 ne tient pas dans un octet et est lu comme %2.</translation>
    </message>
    <message>
        <source>The RFID suffix %1 does not fit a byte and reads as %2.</source>
        <translation>Le suffixe RFID %1 ne tient pas dans un octet et est lu comme %2.</translation>
    </message>
    <message>
        <source>Keys pause %1 is out of range 1..255 and reads as 2.</source>
        <translation>La pause entre les touches %1 est hors de la plage 1..255 et est lue comme 2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; it reads as %2.</source>
        <translation>« %1 » n'est pas un nombre ; il est lu comme %2.</translation>
    </message>
    <message>
        <source>An empty line; it is ignored.</source>
        <translation>Une ligne vide ; elle est ignorée.</translation>
    </message>
    <message>
        <source>The line has no key number; it is ignored.</source>
        <translation>La ligne n'a pas de numéro de touche ; elle est ignorée.</translation>
    </message>
    <message>
        <source>Key number %1 is outside 1..112; the line is ignored.</source>
        <translation>Le numéro de touche %1 est hors de la plage 1..112 ; la ligne est ignorée.</translation>
    </message>
    <message>
        <source>Key %1 lies outside the %2-key grid; it is not shown or programmed.</source>
        <translation>La touche %1 est hors de la grille de %2 touches ; elle n'est ni affichée ni programmée.</translation>
    </message>
    <message>
        <source>Key %1 was given on line %2 already; this line replaces it.</source>
        <translation>La touche %1 figure déjà à la ligne %2 ; cette ligne la remplace.</translation>
    </message>
    <message>
        <source>Key %1: code %2 is out of range 0..255 and reads as 0.</source>
        <translation>Touche %1 : le code %2 est hors de la plage 0..255 et est lu comme 0.</translation>
    </message>
    <message>
        <source>Key %1: flags %2 are out of range 0..15; only %3 is kept.</source>
        <translation>Touche %1 : les attributs %2 sont hors de la plage 0..15 ; seul %3 est conservé.</translation>
    </message>
    <message>
        <source>Key %1: the name is %2 bytes long; it is cut to 102.</source>
        <translation>Touche %1 : le nom fait %2 octets ; il est coupé à 102.</translation>
    </message>
    <message>
        <source>Key %1: the line has surplus fields (%2): codes beyond what the variant holds, or a ';' or ',' in the name; they are not read.</source>
        <translation>Touche %1 : la ligne a des champs en trop (%2) : des codes au-delà de ce que la variante contient, ou un ';' ou ',' dans le nom ; ils ne sont pas lus.</translation>
    </message>
    <message>
        <source>Key %1: the line is short of fields (%2 missing); they read as 0 and the name as empty.</source>
        <translation>Touche %1 : il manque des champs à la ligne (%2) ; ils sont lus comme 0 et le nom comme vide.</translation>
    </message>
    <message>
        <source>The line is %1 bytes long, more than the 198 the format allows.</source>
        <translation>La ligne fait %1 octets, plus que les 198 permis par le format.</translation>
    </message>
    <message>
        <source>Reading stops at the line of key %1; the lines after it (%2) are not read.</source>
        <translation>La lecture s'arrête à la ligne de la touche %1 ; les lignes suivantes (%2) ne sont pas lues.</translation>
    </message>
    <message>
        <source>No line gives key %1; it stays empty.</source>
        <translation>Aucune ligne ne donne la touche %1 ; elle reste vide.</translation>
    </message>
    <message>
        <source>No line gives the keys %1; they stay empty.</source>
        <translation>Aucune ligne ne donne les touches %1 ; elles restent vides.</translation>
    </message>
    <message>
        <source>Only the first %1 bytes of the file are read.</source>
        <translation>Seuls les %1 premiers octets du fichier sont lus.</translation>
    </message>
    <message>
        <source>Key %1 has a name but no codes.</source>
        <translation>La touche %1 a un nom mais pas de codes.</translation>
    </message>
    <message>
        <source>Key %1 has codes but no name.</source>
        <translation>La touche %1 a des codes mais pas de nom.</translation>
    </message>
    <message>
        <source>Key %1 has codes after a first code of 0, so it counts as not programmed.</source>
        <translation>La touche %1 a des codes après un premier code 0 ; elle compte donc comme non programmée.</translation>
    </message>
    <message>
        <source>Key %1 sends the same codes as key %2; a key test cannot tell them apart.</source>
        <translation>La touche %1 envoie les mêmes codes que la touche %2 ; un test des touches ne peut pas les distinguer.</translation>
    </message>
    <message>
        <source>Key %1 is marked as part of a double or quad key, but no other key has its codes; it shows as a single key.</source>
        <translation>La touche %1 est marquée comme partie d'une touche double ou quadruple, mais aucune autre touche n'a ses codes ; elle est affichée comme touche simple.</translation>
    </message>
    <message>
        <source>Keys %1 and %2 share their codes as a double key but are not neighbours.</source>
        <translation>Les touches %1 et %2 partagent leurs codes comme touche double mais ne sont pas voisines.</translation>
    </message>
    <message>
        <source>%1 group keys share the codes of key %2; they show as the quad, double and single keys their places allow.</source>
        <translation>%1 touches groupées partagent les codes de la touche %2 ; elles sont affichées comme les touches quadruples, doubles et simples que leurs places permettent.</translation>
    </message>
    <message>
        <source>Keys %1 share their codes as a quad key but are not a square of 2 by 2 cells; they show as the double and single keys their places allow.</source>
        <translation>Les touches %1 partagent leurs codes comme touche quadruple mais ne forment pas un carré de 2 sur 2 cases ; elles sont affichées comme les touches doubles et simples que leurs places permettent.</translation>
    </message>
    <message>
        <source>No keyboard type takes this file as it stands (the image builder stops at step %1).</source>
        <translation>Aucun type de clavier n'accepte ce fichier tel quel (la construction de l'image s'arrête à l'étape %1).</translation>
    </message>
    <message>
        <source>Key %1: the programmed-keys list shows only the first 99 bytes of the name.</source>
        <translation>Touche %1 : la liste des touches programmées n'affiche que les 99 premiers octets du nom.</translation>
    </message>
    <message>
        <source>Keys %1 and %2 have the same name in the programmed-keys list; it lists only the first.</source>
        <translation>Les touches %1 et %2 ont le même nom dans la liste des touches programmées ; elle n'affiche que la première.</translation>
    </message>
    <message>
        <source>Key %1 is only in the second layout.</source>
        <translation>La touche %1 n'existe que dans la deuxième disposition.</translation>
    </message>
    <message>
        <source>Key %1 is only in the first layout.</source>
        <translation>La touche %1 n'existe que dans la première disposition.</translation>
    </message>
    <message>
        <source>Key %1 moved to %2.</source>
        <translation>La touche %1 a été déplacée vers %2.</translation>
    </message>
    <message>
        <source>Key %1: the name &quot;%2&quot; becomes &quot;%3&quot;.</source>
        <translation>Touche %1 : le nom « %2 » devient « %3 ».</translation>
    </message>
    <message>
        <source>Key %1: the codes %2 become %3.</source>
        <translation>Touche %1 : les codes %2 deviennent %3.</translation>
    </message>
    <message>
        <source>Key %1: the flags %2 become %3.</source>
        <translation>Touche %1 : les attributs %2 deviennent %3.</translation>
    </message>
    <message>
        <source>Key %1: mode %2 becomes mode %3.</source>
        <translation>Touche %1 : le mode %2 devient le mode %3.</translation>
    </message>
    <message>
        <source>Key %1: the cells %2 become %3.</source>
        <translation>Touche %1 : les cases %2 deviennent %3.</translation>
    </message>
    <message>
        <source>The layout of %1 keys becomes one of %2 keys.</source>
        <translation>La disposition de %1 touches devient une disposition de %2 touches.</translation>
    </message>
    <message>
        <source>Keys type %1 becomes %2.</source>
        <translation>Le type de touches passe de %1 à %2.</translation>
    </message>
    <message>
        <source>Key beep %1 becomes %2.</source>
        <translation>Le bip des touches passe de %1 à %2.</translation>
    </message>
    <message>
        <source>Key delay %1 becomes %2.</source>
        <translation>Le délai passe de %1 à %2.</translation>
    </message>
    <message>
        <source>Typematic rate %1 becomes %2.</source>
        <translation>La fréquence de répétition passe de %1 à %2.</translation>
    </message>
    <message>
        <source>Keys pause %1 becomes %2.</source>
        <translation>La pause entre les touches passe de %1 à %2.</translation>
    </message>
    <message>
        <source>RFID digit count %1 becomes %2.</source>
        <translation>Le nombre de chiffres RFID passe de %1 à %2.</translation>
    </message>
    <message>
        <source>RFID digits numeric %1 becomes %2.</source>
        <translation>L'option RFID « chiffres numériques » passe de %1 à %2.</translation>
    </message>
    <message>
        <source>RFID prefix %1 becomes %2.</source>
        <translation>Le préfixe RFID passe de %1 à %2.</translation>
    </message>
    <message>
        <source>RFID prefix extended %1 becomes %2.</source>
        <translation>L'option RFID « préfixe étendu » passe de %1 à %2.</translation>
    </message>
    <message>
        <source>RFID suffix %1 becomes %2.</source>
        <translation>Le suffixe RFID passe de %1 à %2.</translation>
    </message>
    <message>
        <source>RFID suffix extended %1 becomes %2.</source>
        <translation>L'option RFID « suffixe étendu » passe de %1 à %2.</translation>
    </message>
    <message>
        <source>Key %1 is not in the file.</source>
        <translation>La touche %1 n'est pas dans le fichier.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of this file were not read exactly as written.</source>
        <translation>
            <numerusform>%n ligne de ce fichier n'a pas été lue exactement telle qu'elle est écrite.</numerusform>
            <numerusform>%n lignes de ce fichier n'ont pas été lues exactement telles qu'elles sont écrites.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file was not read exactly as written.</source>
        <translation>Ce fichier n'a pas été lu exactement comme il est écrit.</translation>
    </message>
    <message numerus="yes">
        <source>This file has %n doubtful points.</source>
        <translation>
            <numerusform>Ce fichier a %n point douteux.</numerusform>
            <numerusform>Ce fichier a %n points douteux.</numerusform>
        </translation>
    </message>
    <message>
        <source>One line of this file was not read exactly as written.</source>
        <translation>Une ligne de ce fichier n'a pas été lue exactement telle qu'elle est écrite.</translation>
    </message>
    <message>
        <source>This file has one doubtful point.</source>
        <translation>Ce fichier a un point douteux.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Details...</source>
        <translation>&amp;Détails...</translation>
    </message>
    <message>
        <source>What the reader changed</source>
        <translation>Ce que la lecture a modifié</translation>
    </message>
    <message>
        <source>Data will be lost</source>
        <translation>Des données seront perdues</translation>
    </message>
    <message>
        <source>The %1 form cannot hold all of this layout; saving it loses:</source>
        <translation>Le format %1 ne peut pas contenir toute cette disposition ; l'enregistrer dans ce format fait perdre :</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>... and %1 more messages of this kind, from this line on.</source>
        <translation>... et %1 autres messages de ce type, à partir de cette ligne.</translation>
    </message>
    <message>
        <source>... (%1 bytes)</source>
        <translation>... (%1 octets)</translation>
    </message>
    <message>
        <source>Stopped by %1.</source>
        <translation>Arrêté par %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Compare &amp;with...</source>
        <translation>&amp;Comparer avec...</translation>
    </message>
    <message>
        <source>Differences from %1</source>
        <translation>Différences par rapport à %1</translation>
    </message>
    <message>
        <source>The layouts are equal.</source>
        <translation>Les dispositions sont identiques.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>This is not a plain file (it is a folder, pipe, socket or device), so it cannot be opened.</source>
        <translation>Ce n'est pas un fichier ordinaire (c'est un dossier, un tube, un socket ou un périphérique) ; il ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The layout for the keyboard could not be written to the temporary folder.</source>
        <translation>La disposition destinée au clavier n'a pas pu être écrite dans le dossier temporaire.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes reached the keyboard.</source>
        <translation>%1 octets sur %2 ont atteint le clavier.</translation>
    </message>
    <message>
        <source>The keyboard stopped answering.</source>
        <translation>Le clavier ne répond plus.</translation>
    </message>
    <message>
        <source>The keyboard was disconnected.</source>
        <translation>Le clavier a été déconnecté.</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1 from %2?

The layout has %3 keys; programmed: %4.</source>
        <translation>Récupérer les modifications non enregistrées de %1 datant de %2 ?

La disposition a %3 touches ; programmées : %4.</translation>
    </message>
    <message>
        <source>Discard these unsaved changes for good? They cannot be recovered afterwards.</source>
        <translation>Abandonner définitivement ces modifications non enregistrées ? Elles ne pourront plus être récupérées.</translation>
    </message>
    <message>
        <source>A recovery file could not be read and was set aside: %1</source>
        <translation>Un fichier de récupération n'a pas pu être lu et a été mis de côté : %1</translation>
    </message>
    <message>
        <source>The settings could not be read, so the defaults are used. The damaged file was kept as %1</source>
        <translation>Les paramètres n'ont pas pu être lus ; les valeurs par défaut sont utilisées. Le fichier endommagé a été conservé sous %1</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Overwrite it with this layout?</source>
        <translation>%1 a été modifié par un autre programme depuis son ouverture. L'écraser avec cette disposition ?</translation>
    </message>
    <message>
        <source>%1 was removed by another program since it was opened. Save this layout there again?</source>
        <translation>%1 a été supprimé par un autre programme depuis son ouverture. Y enregistrer de nouveau cette disposition ?</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it from the disk?</source>
        <translation>%1 a été modifié par un autre programme. Le recharger depuis le disque ?</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it from the disk? Your unsaved changes are lost.</source>
        <translation>%1 a été modifié par un autre programme. Le recharger depuis le disque ? Vos modifications non enregistrées seront perdues.</translation>
    </message>
    <message>
        <source>Recover unsaved changes to an untitled layout from %1?

The layout has %2 keys; programmed: %3.</source>
        <translation>Récupérer les modifications non enregistrées d'une disposition sans titre datant de %1 ?

La disposition a %2 touches ; programmées : %3.</translation>
    </message>
    <message>
        <source>The key pitch must be between 5 and 60 mm.</source>
        <translation>L'écartement des touches doit être compris entre 5 et 60 mm.</translation>
    </message>
    <message>
        <source>A legend must be at least 3 mm wide and high and no larger than the key pitch.</source>
        <translation>Une étiquette doit mesurer au moins 3 mm de large et de haut, et pas plus que l'écartement des touches.</translation>
    </message>
    <message>
        <source>The page is too small for the legends and the 100 mm ruler.</source>
        <translation>La page est trop petite pour les étiquettes et la règle de 100 mm.</translation>
    </message>
    <message>
        <source>A legend does not fit on the page; choose a larger page or smaller sizes.</source>
        <translation>Une étiquette ne tient pas sur la page ; choisissez une page plus grande ou des tailles plus petites.</translation>
    </message>
    <message>
        <source>%1 - page %2 of %3</source>
        <translation>%1 - page %2 sur %3</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(sans titre)</translation>
    </message>
    <message>
        <source>Ruler 100 mm, square %1 x %2 mm: if they measure otherwise, the printer scaled the page.</source>
        <translation>Règle de 100 mm, carré de %1 x %2 mm : s'ils mesurent autre chose, l'imprimante a mis la page à l'échelle.</translation>
    </message>
    <message>
        <source>Keys: %1, file format: %2</source>
        <translation>Touches : %1, format de fichier : %2</translation>
    </message>
    <message>
        <source>Keys type: %1</source>
        <translation>Type de touches : %1</translation>
    </message>
    <message>
        <source>Key beep: %1, key delay: %2, typematic rate: %3, keys pause: %4 ms</source>
        <translation>Bip des touches : %1, délai : %2, fréquence de répétition : %3, pause entre les touches : %4 ms</translation>
    </message>
    <message>
        <source>RFID options</source>
        <translation>Options RFID</translation>
    </message>
    <message>
        <source>Digits: %1, numeric: %2</source>
        <translation>Chiffres : %1, numérique : %2</translation>
    </message>
    <message>
        <source>Prefix: %1 (extended: %2), suffix: %3 (extended: %4)</source>
        <translation>Préfixe : %1 (étendu : %2), suffixe : %3 (étendu : %4)</translation>
    </message>
    <message>
        <source>Programmed keys</source>
        <translation>Touches programmées</translation>
    </message>
    <message>
        <source>Flags: G group key, S single key. Mode: the key mode 1 to 3.</source>
        <translation>Attributs : G touche groupée, S touche simple. Mode : le mode de la touche, de 1 à 3.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Codes</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Attributs</translation>
    </message>
    <message>
        <source>This build of the program cannot write SVG files (it was built without Qt SVG).</source>
        <translation>Cette version du programme ne peut pas écrire de fichiers SVG (elle a été compilée sans Qt SVG).</translation>
    </message>
    <message>
        <source>The resolution must be between 30 and 2400 dots per inch.</source>
        <translation>La résolution doit être comprise entre 30 et 2400 points par pouce.</translation>
    </message>
    <message>
        <source>There is nothing to print.</source>
        <translation>Il n'y a rien à imprimer.</translation>
    </message>
    <message>
        <source>The file name must end in .pdf, .svg or .png.</source>
        <translation>Le nom du fichier doit se terminer par .pdf, .svg ou .png.</translation>
    </message>
    <message>
        <source>Legends</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;pitch:</source>
        <translation>Écartement des &amp;touches :</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legend &amp;width (single key):</source>
        <translation>&amp;Largeur de l'étiquette (touche simple) :</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legend &amp;height (single key):</source>
        <translation>&amp;Hauteur de l'étiquette (touche simple) :</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>P&amp;aper:</source>
        <translation>P&amp;apier :</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Margins:</source>
        <translation>&amp;Marges :</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Resolution:</source>
        <translation>&amp;Résolution :</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Pac&amp;k legends to save paper (instead of as on the keyboard)</source>
        <translation>&amp;Grouper les étiquettes pour économiser du papier (au lieu de les placer comme sur le clavier)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Blank legends for keys without a name</source>
        <translation>Étiquettes &amp;vides pour les touches sans nom</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Cut marks at the corners</source>
        <translation>Traits de &amp;coupe aux coins</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Thin &amp;frame around each legend</source>
        <translation>Cadre &amp;fin autour de chaque étiquette</translation>
    </message>
    <message>
        <source>The type size must be between 1 and 10 mm, or automatic.</source>
        <translation>La taille des caractères doit être comprise entre 1 et 10 mm, ou automatique.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Type size:</source>
        <translation>Ta&amp;ille des caractères :</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>These legends do not fit at the type size of the others (%1 mm) and are set smaller: %2</source>
        <translation>Ces étiquettes ne tiennent pas à la taille de caractères des autres (%1 mm) et sont composées plus petit : %2</translation>
    </message>
    <message>
        <source>As the printer is set up</source>
        <translation>Selon le réglage de l'imprimante</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Print &amp;legends...</source>
        <translation>Imprimer les é&amp;tiquettes...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Print layout s&amp;heet...</source>
        <translation>Imprimer la &amp;feuille de disposition...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as &amp;PDF...</source>
        <translation>Étiquettes en &amp;PDF...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as &amp;SVG...</source>
        <translation>Étiquettes en &amp;SVG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Legends as P&amp;NG...</source>
        <translation>Étiquettes en P&amp;NG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as P&amp;DF...</source>
        <translation>Feuille de disposition en P&amp;DF...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as S&amp;VG...</source>
        <translation>Feuille de disposition en S&amp;VG...</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Layout sheet as PN&amp;G...</source>
        <translation>Feuille de disposition en PN&amp;G...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>Images SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Written:
%1</source>
        <translation>Exportation terminée :
%1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L'imprimante n'a pas pu être démarrée.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Undo %s</source>
        <translation>&amp;Annuler %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Redo %s</source>
        <translation>&amp;Rétablir %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Single key flag</source>
        <translation>Attribut touche simple</translation>
    </message>
    <message>
        <source>Clear key</source>
        <translation>Effacer la touche</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Move key</source>
        <translation>Déplacer la touche</translation>
    </message>
    <message>
        <source>Swap keys</source>
        <translation>Échanger les touches</translation>
    </message>
    <message>
        <source>Copy of key</source>
        <translation>Copie de la touche</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <translation>Disposition : %1</translation>
    </message>
    <message>
        <source>Layout: %1 (unsaved changes)</source>
        <translation>Disposition : %1 (modifications non enregistrées)</translation>
    </message>
    <message>
        <source>Layout: unsaved layout</source>
        <translation>Disposition : disposition non enregistrée</translation>
    </message>
    <message>
        <source>There is no room for a quad key here.</source>
        <translation>Il n'y a pas de place ici pour une touche quadruple.</translation>
    </message>
    <message>
        <source>There is no room for a double key here.</source>
        <translation>Il n'y a pas de place ici pour une touche double.</translation>
    </message>
    <message>
        <source>Save As 7/3scan</source>
        <translation>Enregistrer sous 7/3scan</translation>
    </message>
    <message>
        <source>Save As 16scan</source>
        <translation>Enregistrer sous 16scan</translation>
    </message>
    <message>
        <source>Save As left side</source>
        <translation>Enregistrer sous côté gauche</translation>
    </message>
    <message>
        <source>Save As right side</source>
        <translation>Enregistrer sous côté droit</translation>
    </message>
    <message>
        <source>The window will then show the layout as saved; Undo brings the rest back.</source>
        <translation>La fenêtre affichera ensuite la disposition telle qu'elle a été enregistrée ; Édition &gt; Annuler rétablit le reste.</translation>
    </message>
    <message>
        <source>The clipboard holds no key that can be pasted.</source>
        <translation>Le presse-papiers ne contient aucune touche à coller.</translation>
    </message>
    <message>
        <source>The key does not fit at key %d: its cells are not free.</source>
        <translation>La touche ne tient pas à la touche %d : ses cases ne sont pas libres.</translation>
    </message>
    <message>
        <source>Replace key %s with %s ?</source>
        <translation>Remplacer la touche %s par %s ?</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Key &amp;menu</source>
        <translation>&amp;Menu de la touche</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 per second</source>
        <translation>%1 par seconde</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached takes 7/3scan layouts (type 0).</source>
        <translation>La disposition est prévue pour un clavier de %1 touches (%2) ; le clavier branché accepte les dispositions 7/3scan (type 0).</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached is a single keyboard (type 1).</source>
        <translation>La disposition est prévue pour un clavier de %1 touches (%2) ; le clavier branché est un clavier simple (type 1).</translation>
    </message>
    <message>
        <source>The layout is for a keyboard of %1 keys (%2); the keyboard attached is a double keyboard (type 2).</source>
        <translation>La disposition est prévue pour un clavier de %1 touches (%2) ; le clavier branché est un clavier double (type 2).</translation>
    </message>
    <message>
        <source>Open a 7/3scan layout, or save this one as 7/3scan with File &gt; Save As and program that file.</source>
        <translation>Ouvrez une disposition 7/3scan, ou enregistrez celle-ci en 7/3scan avec Fichier &gt; Enregistrer sous et programmez ce fichier.</translation>
    </message>
    <message>
        <source>Open a 16scan layout of 56 keys, or change the keyboard type in File &gt; Settings.</source>
        <translation>Ouvrez une disposition 16scan de 56 touches, ou changez le type de clavier dans Fichier &gt; Paramètres.</translation>
    </message>
    <message>
        <source>Open a 16scan layout of 112 keys, or change the keyboard type in File &gt; Settings.</source>
        <translation>Ouvrez une disposition 16scan de 112 touches, ou changez le type de clavier dans Fichier &gt; Paramètres.</translation>
    </message>
    <message>
        <source>The keyboard's device %1 could not be opened. Check that the keyboard is connected, that its driver is installed and that you may use the device.</source>
        <translation>Le périphérique %1 du clavier n'a pas pu être ouvert. Vérifiez que le clavier est branché, que son pilote est installé et que vous avez le droit d'utiliser le périphérique.</translation>
    </message>
    <message>
        <source>Check the keyboard's cable and connection, then program it again.</source>
        <translation>Vérifiez le câble et la connexion du clavier, puis programmez-le à nouveau.</translation>
    </message>
    <message>
        <source>The keyboard answered with a type this program does not know. Check that a Vorlan keyboard is attached.</source>
        <translation>Le clavier a répondu avec un type que ce programme ne connaît pas. Vérifiez qu'un clavier Vorlan est branché.</translation>
    </message>
    <message>
        <source>The layout file %1 could not be read. Check that it exists and that you may read it.</source>
        <translation>Le fichier de disposition %1 n'a pas pu être lu. Vérifiez qu'il existe et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>The layout file %1 is not one the keyboard can take. Open it in the program, check its keys and settings, and save it again.</source>
        <translation>Le clavier ne peut pas accepter le fichier de disposition %1. Ouvrez-le dans le programme, vérifiez ses touches et ses paramètres, puis enregistrez-le à nouveau.</translation>
    </message>
    <message>
        <source>Keyboard: asking for its type</source>
        <translation>Clavier : interrogation du type</translation>
    </message>
    <message>
        <source>Keyboard: 7/3scan (type 0)</source>
        <translation>Clavier : 7/3scan (type 0)</translation>
    </message>
    <message>
        <source>Keyboard: single, 56 keys (type 1)</source>
        <translation>Clavier : simple, 56 touches (type 1)</translation>
    </message>
    <message>
        <source>Keyboard: double, 112 keys (type 2)</source>
        <translation>Clavier : double, 112 touches (type 2)</translation>
    </message>
    <message>
        <source>%1 of %2 bytes sent, about %3 s left</source>
        <translation>%1 octets envoyés sur %2, il reste environ %3 s</translation>
    </message>
    <message>
        <source>Escape stops the run; the keyboard then needs programming again.</source>
        <translation>Échap arrête la programmation ; le clavier devra ensuite être reprogrammé.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were written; the keyboard will not work until it is programmed again.</source>
        <translation>%1 octets sur %2 ont été écrits ; le clavier ne fonctionnera pas tant qu'il n'aura pas été reprogrammé.</translation>
    </message>
    <message>
        <source>Vorlan help</source>
        <translation>Aide de Vorlan</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Forward</source>
        <translation>&amp;Avancer</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>F&amp;ind in page:</source>
        <translation>Rec&amp;hercher dans la page :</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Every key pressed is captured, held keys included. Capturing pauses 3 seconds after the dialog opens or the last key is let go: then %1 moves between the buttons, %2 presses one and %3 cancels.</source>
        <translation>Chaque touche pressée est capturée, y compris les touches maintenues. La capture se met en pause 3 secondes après l'ouverture ou après le relâchement de la dernière touche : %1 passe alors d'un bouton à l'autre, %2 active le bouton sélectionné et %3 annule.</translation>
    </message>
    <message>
        <source>Capturing paused. %1 confirms with OK, %2 cancels, %3 moves to the other buttons; &quot;Capture again&quot; takes more keys.</source>
        <translation>Capture en pause. %1 valide comme OK, %2 annule, %3 passe aux autres boutons ; « Capturer à nouveau » ajoute d'autres touches.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Capture &amp;again</source>
        <translation>&amp;Capturer à nouveau</translation>
    </message>
    <message>
        <source>Capturing pauses in %1 s.</source>
        <translation>La capture se met en pause dans %1 s.</translation>
    </message>
    <message>
        <source>Keys with a mode outside 1 to 3 (as read from the file): %1.</source>
        <translation>Touches dont le mode est en dehors de 1 à 3 (tel que lu dans le fichier) : %1.</translation>
    </message>
    <message>
        <source>These files are there already:
%1
Replace them?</source>
        <translation>Ces fichiers existent déjà :
%1
Les remplacer ?</translation>
    </message>
    <message>
        <source>%1 reads as a layout file: the report is not written over it. Choose another name.</source>
        <translation>%1 se lit comme un fichier de disposition : le rapport ne l'écrase pas. Choisissez un autre nom.</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings about the keys of this layout:</source>
        <translation>
            <numerusform>%n avertissement sur les touches de cette disposition :</numerusform>
            <numerusform>%n avertissements sur les touches de cette disposition :</numerusform>
        </translation>
    </message>
    <message>
        <source>To close the test, hold %1 down for 2 seconds.</source>
        <translation>Pour fermer le test, maintenez la touche %1 enfoncée pendant 2 secondes.</translation>
    </message>
    <message>
        <source>This file does not start as a layout file does; it was read with the reader's defaults.</source>
        <translation>Ce fichier ne commence pas comme un fichier de disposition ; il a été lu avec les valeurs par défaut de la lecture.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>PC &amp;keyboard layout</source>
        <translation>Disposition du &amp;clavier PC</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Automatic (%s)</source>
        <translation>&amp;Automatique (%s)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Standard key names</source>
        <translation>Noms de touches &amp;standard</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>aucune trouvée</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Britannique</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Austrian</source>
        <translation>Autrichien</translation>
    </message>
    <message>
        <source>Swiss German</source>
        <translation>Suisse allemand</translation>
    </message>
    <message>
        <source>Swiss French</source>
        <translation>Suisse romand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Belgian</source>
        <translation>Belge</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvégien</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;System language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language changes to %1 when the program is started again.</source>
        <translation>Langue choisie : %1. Elle s'appliquera au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>The language changes to the system's when the program is started again.</source>
        <translation>Langue choisie : celle du système. Elle s'appliquera au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Key %1 has key mode %2, outside 1 to 3.</source>
        <translation>La touche %1 a le mode %2, hors de 1 à 3.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Save &amp;ink: outline the keys instead of filling them in colour</source>
        <translation>Économiser l'&amp;encre : tracer le contour des touches au lieu de les remplir en couleur</translation>
    </message>
    <message numerus="yes">
        <source>The files of this export will take about %1 MB (%n pages at %3 dpi). Export them?</source>
        <translation>
            <numerusform>Les fichiers de cette exportation occuperont environ %1 Mo (%n page à %3 dpi). Les exporter ?</numerusform>
            <numerusform>Les fichiers de cette exportation occuperont environ %1 Mo (%n pages à %3 dpi). Les exporter ?</numerusform>
        </translation>
    </message>
    <message>
        <source>The page is too small: inside its margins it leaves %1 mm, and at least %2 mm are needed. Choose a larger paper or smaller margins.</source>
        <translation>La page est trop petite : il reste %1 mm à l'intérieur des marges, il en faut au moins %2 mm. Choisissez un papier plus grand ou des marges plus petites.</translation>
    </message>
    <message numerus="yes">
        <source>None of the chosen pages is there: the document has %n pages.</source>
        <translation>
            <numerusform>Aucune des pages choisies n'existe : le document a %n page.</numerusform>
            <numerusform>Aucune des pages choisies n'existe : le document a %n pages.</numerusform>
        </translation>
    </message>
    <message>
        <source>Image SHA-256: %1</source>
        <translation>SHA-256 de l'image : %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date : %1</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>touche %1</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>réussie</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>en échec</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>non testée</translation>
    </message>
    <message>
        <source>(ambiguous)</source>
        <translation>(ambiguë)</translation>
    </message>
    <message>
        <source>%1-key-test</source>
        <translation>%1-test-touches</translation>
    </message>
    <message>
        <source>key-test</source>
        <translation>test-touches</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>annulé après %1 octets</translation>
    </message>
    <message>
        <source>(after %1 bytes)</source>
        <translation>(après %1 octets)</translation>
    </message>
    <message>
        <source>keyboard detected, nothing written</source>
        <translation>clavier détecté, rien n'a été écrit</translation>
    </message>
    <message>
        <source>interrupted (bytes written not known)</source>
        <translation>interrompu (octets écrits inconnus)</translation>
    </message>
    <message>
        <source>incomplete: %1 of %2 bytes</source>
        <translation>incomplet : %1 octets sur %2</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>unsaved layout</source>
        <translation>disposition non enregistrée</translation>
    </message>
    <message>
        <source>%1 (unsaved changes)</source>
        <translation>%1 (modifications non enregistrées)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Utilisation :</translation>
    </message>
    <message>
        <source>a layout file to open at start</source>
        <translation>un fichier de disposition à ouvrir au démarrage</translation>
    </message>
    <message>
        <source>Program an emulated keyboard of type N (0: 7/3scan images, 1: single 16scan, 2: double 16scan) instead of the device, with the fault options of vorlanctl program.</source>
        <translation>Programmer un clavier émulé de type N (0 : images 7/3scan, 1 : 16scan simple, 2 : 16scan double) au lieu du périphérique, avec les options de panne de vorlanctl program.</translation>
    </message>
    <message>
        <source>With --emulate: save the bytes the emulated keyboard received in each run.</source>
        <translation>Avec --emulate : enregistrer les octets reçus par le clavier émulé à chaque programmation.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Print the usage and exit.</source>
        <translation>Afficher l'utilisation et quitter.</translation>
    </message>
    <message>
        <source>Print when the main window was first painted, then quit (for the start-up benchmark).</source>
        <translation>Afficher quand la fenêtre principale a été dessinée pour la première fois, puis quitter (pour la mesure du démarrage).</translation>
    </message>
    <message>
        <source>The keyboard's device is VORLAN_DEVICE (default %1).</source>
        <translation>Le périphérique du clavier est VORLAN_DEVICE (par défaut %1).</translation>
    </message>
    <message>
        <source>User guide: %1</source>
        <translation>Guide de l'utilisateur : %1</translation>
    </message>
    <message>
        <source>--emulate needs a keyboard type: 0, 1 or 2, with fault options (N,option,...)</source>
        <translation>--emulate attend un type de clavier : 0, 1 ou 2, avec des options de panne (N,option,...)</translation>
    </message>
    <message>
        <source>--received needs a file name</source>
        <translation>--received attend un nom de fichier</translation>
    </message>
    <message>
        <source>only one layout file (also given: %1)</source>
        <translation>un seul fichier de disposition (également donné : %1)</translation>
    </message>
    <message>
        <source>--received needs an emulated keyboard (--emulate N)</source>
        <translation>--received attend un clavier émulé (--emulate N)</translation>
    </message>
    <message>
        <source>Program a &amp;batch...</source>
        <translation>Programmer un &amp;lot...</translation>
    </message>
    <message>
        <source>Program a batch</source>
        <translation>Programmer un lot</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Order &amp;reference:</source>
        <translation>Ré&amp;férence de commande :</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Number of keyboards:</source>
        <translation>&amp;Nombre de claviers :</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Test after each keyboard:</source>
        <translation>&amp;Test après chaque clavier :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>The programmed keys</source>
        <translation>Les touches programmées</translation>
    </message>
    <message>
        <source>Every key</source>
        <translation>Toutes les touches</translation>
    </message>
    <message>
        <source>A batch programs the layout as it is saved, never unsaved changes. Save the layout now?</source>
        <translation>Un lot programme la disposition telle qu'elle est enregistrée, jamais des modifications non enregistrées. Enregistrer la disposition maintenant ?</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Keyboard %1 of %2</source>
        <translation>Clavier %1 sur %2</translation>
    </message>
    <message>
        <source>Waiting for a keyboard...</source>
        <translation>En attente d'un clavier...</translation>
    </message>
    <message>
        <source>Passed. Take the keyboard away.</source>
        <translation>Réussi. Retirez le clavier.</translation>
    </message>
    <message>
        <source>Programming... %1 %</source>
        <translation>Programmation... %1 %</translation>
    </message>
    <message>
        <source>Testing: press every key (%1 of %2)</source>
        <translation>Test : appuyez sur chaque touche (%1 sur %2)</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec : %1</translation>
    </message>
    <message>
        <source>Enter: go on    R: retry    S: set aside    Escape: pause</source>
        <translation>Entrée : continuer    R : réessayer    S : mettre de côté    Échap : pause</translation>
    </message>
    <message>
        <source>The batch is paused. End it now? %1 of %2 keyboards passed.</source>
        <translation>Le lot est en pause. Le terminer maintenant ? %1 claviers sur %2 réussis.</translation>
    </message>
    <message numerus="yes">
        <source>The batch is complete: %n keyboards passed.</source>
        <translation>
            <numerusform>Le lot est terminé : %n clavier réussi.</numerusform>
            <numerusform>Le lot est terminé : %n claviers réussis.</numerusform>
        </translation>
    </message>
    <message>
        <source>A batch stopped before its end: order %1, %2 of %3 keyboards passed. Resume it?</source>
        <translation>Un lot s'est arrêté avant sa fin : commande %1, %2 claviers sur %3 réussis. Le reprendre ?</translation>
    </message>
    <message numerus="yes">
        <source>%n keys cannot be tested from key presses</source>
        <translation>
            <numerusform>%n touche ne peut pas être testée par des frappes</numerusform>
            <numerusform>%n touches ne peuvent pas être testées par des frappes</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF report (*.pdf);;CSV table (*.csv)</source>
        <translation>Rapport PDF (*.pdf);;Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>passed</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>réussi</translation>
    </message>
    <message>
        <source>failed</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>en échec</translation>
    </message>
    <message>
        <source>set aside</source>
        <translation>mis de côté</translation>
    </message>
    <message>
        <source>not tested</source>
        <comment>a keyboard's result in the station and its report</comment>
        <translation>non testé</translation>
    </message>
    <message>
        <source>no test</source>
        <translation>pas de test</translation>
    </message>
    <message>
        <source>Batch report</source>
        <translation>Rapport de lot</translation>
    </message>
    <message>
        <source>Order: %1</source>
        <translation>Commande : %1</translation>
    </message>
    <message>
        <source>Layout file: %1</source>
        <translation>Fichier de disposition : %1</translation>
    </message>
    <message>
        <source>Image SHA-256: %1</source>
        <comment>batch report</comment>
        <translation>SHA-256 de l'image : %1</translation>
    </message>
    <message>
        <source>Station: %1</source>
        <translation>Poste : %1</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Du %1 au %2</translation>
    </message>
    <message>
        <source>Passed: %1    Failed: %2    Set aside: %3</source>
        <translation>Réussis : %1    Échecs : %2    Mis de côté : %3</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Issue</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Batch &amp;report...</source>
        <translation>&amp;Rapport de lot...</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Stop programming this keyboard? It will need programming again.</source>
        <translation>Arrêter la programmation de ce clavier ? Il faudra le programmer à nouveau.</translation>
    </message>
    <message>
        <source>Enter: go on    Escape: pause</source>
        <translation>Entrée : continuer    Échap : pause</translation>
    </message>
    <message>
        <source>Escape: stop programming this keyboard</source>
        <translation>Échap : arrêter la programmation de ce clavier</translation>
    </message>
    <message>
        <source>No keyboard is in progress.</source>
        <translation>Aucun clavier n'est en cours.</translation>
    </message>
    <message>
        <source>The keyboard on the station passed and is recorded.</source>
        <translation>Le clavier du poste a réussi et est enregistré.</translation>
    </message>
    <message>
        <source>The keyboard on the station is recorded as failed and will need programming again.</source>
        <translation>Le clavier du poste est enregistré en échec et nécessitera une nouvelle programmation.</translation>
    </message>
    <message>
        <source>No ends the batch: its keyboards so far stay in the programming log, and Tools &gt; Batch report still writes its report.</source>
        <translation>« Non » termine le lot : ses claviers jusqu'ici restent dans le journal de programmation, et Outils &gt; Rapport de lot écrit toujours son rapport.</translation>
    </message>
    <message>
        <source>Still to press: %1</source>
        <translation>Reste à appuyer : %1</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 de plus</translation>
    </message>
    <message>
        <source>Keyboard type found: %1. Bytes written: %2 of %3.</source>
        <translation>Type de clavier trouvé : %1. Octets écrits : %2 sur %3.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>the keyboard sent %1 (codes %2), which no key of the layout sends</source>
        <translation>le clavier a envoyé %1 (codes %2), qu'aucune touche de la disposition n'envoie</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Save report... (%1)</source>
        <translation>&amp;Enregistrer le rapport... (%1)</translation>
    </message>
    <message>
        <source>Enter an order reference: it names the batch in the log and in the report.</source>
        <translation>Saisissez une référence de commande : elle nomme le lot dans le journal et dans le rapport.</translation>
    </message>
    <message>
        <source>The order reference is too long: at most %1 bytes.</source>
        <translation>La référence de commande est trop longue : %1 octets au plus.</translation>
    </message>
    <message>
        <source>The order reference cannot hold tabs, line ends or other control characters.</source>
        <translation>La référence de commande ne peut contenir ni tabulations, ni fins de ligne, ni autres caractères de contrôle.</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Batch (order):</source>
        <translation>&amp;Lot (commande) :</translation>
    </message>
    <message>
        <source>The programming log holds no batch yet.</source>
        <translation>Le journal de programmation ne contient encore aucun lot.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be typed on a %2 PC keyboard (character %3)</source>
        <translation>« %1 » ne peut pas être tapé sur un clavier de PC %2 (caractère %3)</translation>
    </message>
    <message>
        <source>The text needs %1 codes and a key holds 16: it stops fitting at character %2</source>
        <translation>Le texte demande %1 codes et une touche en contient 16 : il ne tient plus à partir du caractère %2</translation>
    </message>
    <message>
        <source>No key is named &quot;{%1}&quot; (character %2); write {{ for a brace</source>
        <translation>Aucune touche ne s’appelle « {%1} » (caractère %2) ; écrivez {{ pour une accolade</translation>
    </message>
    <message>
        <source>The &quot;{&quot; at character %1 has no closing &quot;}&quot;; write {{ for a brace</source>
        <translation>L’accolade « { » au caractère %1 n’est pas fermée par « } » ; écrivez {{ pour une accolade</translation>
    </message>
    <message>
        <source>The keyboard holds each code down until the key is let go, so the key types &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>Le clavier maintient chaque code enfoncé jusqu’au relâchement de la touche : la touche tape donc « %1 », pas « %2 »</translation>
    </message>
    <message>
        <source>The keyboard holds each code down until the key is let go, so the key does not type &quot;%1&quot;</source>
        <translation>Le clavier maintient chaque code enfoncé jusqu’au relâchement de la touche : la touche ne tape donc pas « %1 »</translation>
    </message>
    <message>
        <source>types %1</source>
        <translation>tape %1</translation>
    </message>
    <message>
        <source>Key %1 ends with a modifier (Shift, Ctrl, Alt or AltGr) that no key follows.</source>
        <translation>La touche %1 se termine par un modificateur (Maj, Ctrl, Alt ou AltGr) qu’aucune touche ne suit.</translation>
    </message>
    <message>
        <source>Key %1 ends with a dead key of the %2 PC keyboard that nothing follows.</source>
        <translation>La touche %1 se termine par une touche morte du clavier de PC %2 que rien ne suit.</translation>
    </message>
    <message>
        <source>Key %1 sends code %2, which no key of a PC keyboard makes.</source>
        <translation>La touche %1 envoie le code %2, qu’aucune touche d’un clavier de PC ne produit.</translation>
    </message>
    <message>
        <source>The first row must name the columns: key, name, text, codes, shape</source>
        <translation>La première ligne doit nommer les colonnes : key, name, text, codes, shape</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no column of a key list (key, name, text, codes, shape)</source>
        <translation>« %1 » n’est pas une colonne d’une liste de touches (key, name, text, codes, shape)</translation>
    </message>
    <message>
        <source>The header names no &quot;key&quot; column</source>
        <translation>L’en-tête ne nomme aucune colonne « key »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key number from 1 to %2</source>
        <translation>« %1 » n’est pas un numéro de touche de 1 à %2</translation>
    </message>
    <message>
        <source>Key %1 takes a cell that an earlier row's key holds</source>
        <translation>La touche %1 prend une case qu’occupe la touche d’une ligne précédente</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no shape (single, double-right, double-down, quad)</source>
        <translation>« %1 » n’est pas une forme (single, double-right, double-down, quad)</translation>
    </message>
    <message>
        <source>A %1 key at key %2 does not fit the grid</source>
        <translation>Une touche %1 à la touche %2 ne tient pas dans la grille des touches</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; has characters a layout file cannot hold</source>
        <translation>Le nom « %1 » contient des caractères qu’un fichier de disposition ne peut pas contenir</translation>
    </message>
    <message>
        <source>A name cannot hold &quot;;&quot;, &quot;,&quot; or a line end</source>
        <translation>Un nom ne peut contenir ni « ; », ni « , », ni fin de ligne</translation>
    </message>
    <message>
        <source>The name is %1 bytes long; a key's name holds at most 102</source>
        <translation>Le nom fait %1 octets ; le nom de la touche en contient au plus 102</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of at most 16 codes from 0 to 255</source>
        <translation>« %1 » n’est pas une liste d’au plus 16 codes de 0 à 255</translation>
    </message>
    <message>
        <source>The text and the codes differ: give one of them</source>
        <translation>Le texte et les codes diffèrent : n’en donnez qu’un</translation>
    </message>
    <message>
        <source>A quoted cell has no closing quote</source>
        <translation>Une case entre guillemets n’a pas de guillemet fermant</translation>
    </message>
    <message>
        <source>The row has more cells than the header names</source>
        <translation>La ligne a plus de cases que l’en-tête n’en nomme</translation>
    </message>
    <message>
        <source>The list holds no key</source>
        <translation>La liste ne contient aucune touche</translation>
    </message>
    <message>
        <source>row %1, column %2 (%3)</source>
        <translation>ligne %1, colonne %2 (%3)</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>The key list does not hold everything of this layout (its settings, RFID options, modes or group keys): importing it gives another layout file</source>
        <translation>La liste de touches ne contient pas tout de cette disposition (réglages, options RFID, modes ou touches groupées) : l’importer donne un autre fichier de disposition</translation>
    </message>
    <message>
        <source>Rows left out: %1</source>
        <translation>Lignes ignorées : %1</translation>
    </message>
    <message>
        <source>Type a te&amp;xt...</source>
        <translation>Taper un te&amp;xte...</translation>
    </message>
    <message>
        <source>Type a text</source>
        <translation>Taper un texte</translation>
    </message>
    <message>
        <source>The text as typed on a %1 PC keyboard ({Enter}, {Tab}, {F5} for named keys, {{ for a brace):</source>
        <translation>Le texte tel qu’il est tapé sur un clavier de PC %1 ({Enter}, {Tab}, {F5} pour les touches nommées, {{ pour une accolade) :</translation>
    </message>
    <message>
        <source>Digits from the &amp;number pad</source>
        <translation>Chiffres du pavé &amp;numérique</translation>
    </message>
    <message>
        <source>&amp;Import key list...</source>
        <translation>&amp;Importer une liste de touches...</translation>
    </message>
    <message>
        <source>Export &amp;key list...</source>
        <translation>Exporter une &amp;liste de touches...</translation>
    </message>
    <message>
        <source>Key lists (*.csv)</source>
        <translation>Listes de touches (*.csv)</translation>
    </message>
    <message>
        <source>Import key list</source>
        <translation>Importer une liste de touches</translation>
    </message>
    <message>
        <source>Export key list</source>
        <translation>Exporter une liste de touches</translation>
    </message>
    <message>
        <source>Layout file to write</source>
        <translation>Fichier de disposition à écrire</translation>
    </message>
    <message>
        <source>The key list has wrong rows, so nothing was imported:
%1</source>
        <translation>La liste de touches a des lignes erronées : rien n’a été importé.
%1</translation>
    </message>
    <message>
        <source>Type the digits of the texts on the number pad, the same on every PC keyboard layout?</source>
        <translation>Taper les chiffres des textes sur le pavé numérique, le même sur toute disposition de clavier de PC ?</translation>
    </message>
    <message>
        <source>Layout files (*.txt)</source>
        <translation>Fichiers de disposition (*.txt)</translation>
    </message>
    <message>
        <source>At line %1.</source>
        <translation>À la ligne %1.</translation>
    </message>
    <message>
        <source>The image builder stops at this line, so vorlanctl image and program refuse the file: Invalid file format. (%1)</source>
        <translation>Le générateur d'image s'arrête à cette ligne ; vorlanctl image et program refusent donc le fichier : Format de fichier non valide. (%1)</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>Hyphenation of the &amp;names:</source>
        <translation>Césure des &amp;noms :</translation>
    </message>
    <message>
        <source>The program's language (%1)</source>
        <translation>La langue du programme (%1)</translation>
    </message>
    <message>
        <source>None: long names are set smaller</source>
        <translation>Aucune : les noms longs sont réduits</translation>
    </message>
    <message>
        <source>%1 (no dictionary installed)</source>
        <translation>%1 (aucun dictionnaire installé)</translation>
    </message>
    <message>
        <source>Insert key</source>
        <comment>undo step</comment>
        <translation>insertion d'une touche</translation>
    </message>
    <message>
        <source>Copy key</source>
        <comment>undo step</comment>
        <translation>copie d'une touche</translation>
    </message>
    <message>
        <source>Single</source>
        <comment>undo step</comment>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Double</source>
        <comment>undo step</comment>
        <translation>Double</translation>
    </message>
    <message>
        <source>Quad</source>
        <comment>undo step</comment>
        <translation>Quadruple</translation>
    </message>
    <message>
        <source>Clear All</source>
        <comment>button of the capture dialog</comment>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Set flag for all keys</source>
        <comment>undo step</comment>
        <translation>attribut pour toutes les touches</translation>
    </message>
    <message>
        <source>Key mode</source>
        <comment>undo step</comment>
        <translation>Mode de la touche</translation>
    </message>
    <message>
        <source>Set mode for all keys</source>
        <comment>undo step</comment>
        <translation>mode pour toutes les touches</translation>
    </message>
    <message>
        <source>Key codes</source>
        <comment>undo step</comment>
        <translation>Codes de la touche</translation>
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
        <translation>Nom : %s</translation>
    </message>
    <message>
        <extracomment>The letter after &amp; is the access key: no other entry of the same menu, of the menu bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the language's usual keyboard (not É or Ą; German ä, ö, ü and Spanish ñ are fine).</extracomment>
        <source>&amp;Edit</source>
        <comment>the menu named in a hint of the find bar</comment>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <comment>heading on the layout sheet</comment>
        <translation>Paramètres du clavier</translation>
    </message>
    <message>
        <source>Keyboard settings</source>
        <comment>title of the keyboard settings dialog</comment>
        <translation>Paramètres du clavier</translation>
    </message>
    <message>
        <source>RFID options</source>
        <comment>heading on the layout sheet</comment>
        <translation>Options RFID</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <comment>key test report</comment>
        <translation>Impossible d'écrire %1.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the keyboard settings dialog</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button of the capture dialog</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Keyboard type</source>
        <comment>column of the programming log</comment>
        <translation>Type de clavier</translation>
    </message>
    <message>
        <source>Layout: %1</source>
        <comment>line of the programming result</comment>
        <translation>Disposition : %1</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button of the key test</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>button of the programming log</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save report...</source>
        <comment>button of the key test</comment>
        <translation>Enregistrer le rapport...</translation>
    </message>
    <message>
        <source>Key test</source>
        <comment>column of the batch report</comment>
        <translation>Test des touches</translation>
    </message>
    <message>
        <source>Cannot open the record %1: %2</source>
        <translation>Impossible d’ouvrir le registre %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write to the record %1: it is read-only.</source>
        <translation>Impossible d’écrire dans le registre %1 : il est en lecture seule.</translation>
    </message>
    <message>
        <source>Cannot write to the record %1: the disk is full.</source>
        <translation>Impossible d’écrire dans le registre %1 : le disque est plein.</translation>
    </message>
    <message>
        <source>The record %1 is busy: another program held it too long.</source>
        <translation>Le registre %1 est occupé : un autre programme l’a gardé trop longtemps.</translation>
    </message>
    <message>
        <source>The record %1 is damaged; it is left as it is.</source>
        <translation>Le registre %1 est endommagé ; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 is not a record of this program; it is left as it is.</source>
        <translation>%1 n’est pas un registre de ce programme ; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>The record %1 was written by a newer version of this program.</source>
        <translation>Le registre %1 a été écrit par une version plus récente de ce programme.</translation>
    </message>
    <message>
        <source>The record %1 belongs to another user; it is not used.</source>
        <translation>Le registre %1 appartient à un autre utilisateur ; il n’est pas utilisé.</translation>
    </message>
    <message>
        <source>The record %1 is reached through a link; it is not used.</source>
        <translation>Le registre %1 est atteint par un lien ; il n’est pas utilisé.</translation>
    </message>
    <message>
        <source>This batch is being run by %1.</source>
        <translation>Ce lot est exécuté par %1.</translation>
    </message>
    <message>
        <source>Order %1 has an open batch already.</source>
        <translation>La commande %1 a déjà un lot ouvert.</translation>
    </message>
    <message>
        <source>The record %1 holds no such run or batch in progress.</source>
        <translation>Le registre %1 ne contient aucune exécution ou aucun lot en cours de ce type.</translation>
    </message>
    <message>
        <source>An order reference is needed.</source>
        <translation>Une référence de commande est nécessaire.</translation>
    </message>
    <message>
        <source>An order reference has at most %1 bytes.</source>
        <translation>Une référence de commande a au plus %1 octets.</translation>
    </message>
    <message>
        <source>The order reference is not UTF-8 text.</source>
        <translation>La référence de commande n’est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>The order reference holds a control character.</source>
        <translation>La référence de commande contient un caractère de contrôle.</translation>
    </message>
    <message>
        <source>Cannot use the record %1: %2</source>
        <translation>Impossible d’utiliser le registre %1 : %2</translation>
    </message>
    <message>
        <source>Every keyboard of order %1 is passed or in progress: the batch takes no more.</source>
        <translation>Chaque clavier de la commande %1 est réussi ou en cours : le lot n’en prend pas davantage.</translation>
    </message>
    <message>
        <source>The record server %1 cannot be reached: %2</source>
        <translation>Le serveur du registre %1 est injoignable : %2</translation>
    </message>
    <message>
        <source>The record server %1 refused the login: %2</source>
        <translation>Le serveur du registre %1 a refusé la connexion : %2</translation>
    </message>
    <message>
        <source>The record server %1 has no such database: %2</source>
        <translation>Le serveur du registre %1 n’a pas cette base de données : %2</translation>
    </message>
    <message>
        <source>The record %1 has an older schema that this login may not bring up to date (%2); nothing was changed.</source>
        <translation>Le registre %1 a un schéma plus ancien que cette connexion ne peut pas mettre à jour (%2) ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The record's address %1 holds a password, which others could read there; give it in ~/.pgpass, PGPASSWORD or a PGSERVICE entry instead.</source>
        <translation>L’adresse du registre %1 contient un mot de passe, que d’autres pourraient y lire ; indiquez-le plutôt dans ~/.pgpass, PGPASSWORD ou une entrée PGSERVICE.</translation>
    </message>
    <message>
        <source>This build of the program cannot use a record on a PostgreSQL server (%1).</source>
        <translation>Cette version du programme ne peut pas utiliser un registre sur un serveur PostgreSQL (%1).</translation>
    </message>
    <message>
        <source>%1 is the record of runs; nothing else is written to it.</source>
        <translation>%1 est le registre des exécutions ; rien d’autre n’y est écrit.</translation>
    </message>
    <message>
        <source>%1 is named for two outputs of one run.</source>
        <translation>%1 est indiqué pour deux sorties d’une même exécution.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>File SHA-256</source>
        <translation>SHA-256 du fichier</translation>
    </message>
    <message>
        <source>Differs from the batch</source>
        <translation>Diffère du lot</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>diffère</translation>
    </message>
    <message>
        <source>The batch is paused: %1</source>
        <translation>Le lot est en pause : %1</translation>
    </message>
    <message>
        <source>The layout file %1 has changed since the batch began; every keyboard of a batch is programmed and tested with one layout. End the batch?</source>
        <translation>Le fichier de disposition %1 a changé depuis le début du lot ; tous les claviers d’un lot sont programmés et testés avec une seule disposition. Terminer le lot ?</translation>
    </message>
    <message>
        <source>Batches need the record of runs. %1</source>
        <translation>Les lots ont besoin du registre des exécutions. %1</translation>
    </message>
    <message>
        <source>The keyboard was not programmed: the record of runs cannot take this run. %1</source>
        <translation>Le clavier n'a pas été programmé : le registre des exécutions ne peut pas enregistrer cette exécution. %1</translation>
    </message>
    <message>
        <source>Rec&amp;ords...</source>
        <translation>&amp;Emplacement du registre...</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>The &amp;file beside the programming log: %1</source>
        <translation>Le &amp;fichier à côté du journal de programmation : %1</translation>
    </message>
    <message>
        <source>A PostgreSQL &amp;server:</source>
        <translation>Un &amp;serveur PostgreSQL :</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Tester la connexion</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connexion à %1...</translation>
    </message>
    <message>
        <source>The record %1 can be used.</source>
        <translation>Le registre %1 peut être utilisé.</translation>
    </message>
    <message>
        <source>A record on a server is named by an address beginning with postgresql://, for example postgresql://station@workshop-server/vorlan.</source>
        <translation>Un registre sur un serveur est désigné par une adresse commençant par postgresql://, par exemple postgresql://station@workshop-server/vorlan.</translation>
    </message>
    <message>
        <source>No password is kept here: the server's password comes from ~/.pgpass, PGPASSWORD or a PGSERVICE entry.</source>
        <translation>Aucun mot de passe n’est conservé ici : celui du serveur vient de ~/.pgpass, de PGPASSWORD ou d’une entrée PGSERVICE.</translation>
    </message>
    <message>
        <source>Close the station before choosing another record: its batch stays in the record it began in.</source>
        <translation>Fermez le poste avant de choisir un autre registre : son lot reste dans le registre où il a commencé.</translation>
    </message>
    <message>
        <source>Keyboard %1 of %2 — %3 stations</source>
        <translation>Clavier %1 sur %2 — %3 postes</translation>
    </message>
    <message>
        <source>&amp;Join a batch...</source>
        <translation>&amp;Participer à un lot...</translation>
    </message>
    <message>
        <source>Join a batch</source>
        <translation>Participer à un lot</translation>
    </message>
    <message>
        <source>The open batches of the record %1:</source>
        <translation>Les lots ouverts du registre %1 :</translation>
    </message>
    <message>
        <source>%1 — %2 of %3 passed — opened on %4, %5</source>
        <translation>%1 — %2 sur %3 réussis — ouvert sur %4, %5</translation>
    </message>
    <message>
        <source>The record %1 has no open batch to join.</source>
        <translation>Le registre %1 n’a aucun lot ouvert auquel participer.</translation>
    </message>
    <message>
        <source>The batch programs the layout file %1. Open that layout file, saved with the same contents, in the window, then join again.</source>
        <translation>Le lot programme le fichier de disposition %1. Ouvrez ce fichier de disposition, enregistré avec le même contenu, dans la fenêtre, puis participez de nouveau.</translation>
    </message>
    <message>
        <source>The record server %1 cannot be reached: %2. This keyboard's result is kept in %3 and sent when the server answers.</source>
        <translation>Le serveur du registre %1 est injoignable : %2. Le résultat de ce clavier est conservé dans %3 et envoyé dès que le serveur répond.</translation>
    </message>
    <message>
        <source>Enter: try the record again    Escape: pause</source>
        <translation>Entrée : réessayer le registre    Échap : pause</translation>
    </message>
    <message>
        <source>Results kept at this station were sent to the record server: %1.</source>
        <translation>Les résultats conservés sur ce poste ont été envoyés au serveur du registre : %1.</translation>
    </message>
    <message>
        <source>Leave the batch? It stays open for the other stations. %1 of %2 keyboards passed.</source>
        <translation>Quitter le lot ? Il reste ouvert pour les autres postes. %1 claviers sur %2 réussis.</translation>
    </message>
    <message>
        <source>The batch was ended at another station. Its keyboards so far stay in the record.</source>
        <translation>Le lot a été terminé sur un autre poste. Ses claviers jusqu’ici restent dans le registre.</translation>
    </message>
    <message>
        <source>The batch is paused: the record server cannot be reached. Results kept at this station until it answers: %1.</source>
        <translation>Le lot est en pause : le serveur du registre est injoignable. Résultats conservés sur ce poste jusqu’à sa réponse : %1.</translation>
    </message>
</context>
</TS>
