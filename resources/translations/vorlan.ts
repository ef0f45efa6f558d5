<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>Vorlan</name>
    <message>
        <extracomment>string 32781</extracomment>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40000</extracomment>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40100</extracomment>
        <source>Cannot open file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40101</extracomment>
        <source>The file contains no programmed key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40102</extracomment>
        <source>Group key error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 32801</extracomment>
        <source>Insert scan-codes by pressing key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40200</extracomment>
        <source>Please enter a positive integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40201</extracomment>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40202</extracomment>
        <source>Edit scan codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40203</extracomment>
        <source>Scan-codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40204</extracomment>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40205</extracomment>
        <source>Clear Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40206</extracomment>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40207</extracomment>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40208</extracomment>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40300</extracomment>
        <source>Vorlan - keyboard programmer  -  [%s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40301</extracomment>
        <source>untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40302</extracomment>
        <source>Do you want to save current file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40303</extracomment>
        <source>Clear key %s ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40304</extracomment>
        <source>Clear all keys ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40305</extracomment>
        <source>Insert %s to key %d ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40306</extracomment>
        <source>Keyboard type: Vorlan S (SN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40307</extracomment>
        <source>Keyboard type: Vorlan D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40308</extracomment>
        <source>Keys type: Typematic SCAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40309</extracomment>
        <source>Keys type: Make-Break SCAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40310</extracomment>
        <source>Keys beep: On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40311</extracomment>
        <source>Keys beep: Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40312</extracomment>
        <source>Keys delay: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40313</extracomment>
        <source>Keys rate: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40314</extracomment>
        <source>Number: ----</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40315</extracomment>
        <source>Number: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40316</extracomment>
        <source>Name: ----</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40317</extracomment>
        <source>Name: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40318</extracomment>
        <source>Please enter an integer between 0 and 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 33011</extracomment>
        <source>File version error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40500</extracomment>
        <source>Vorlan - keyboard programmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40501</extracomment>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40502</extracomment>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40503</extracomment>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40504</extracomment>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40505</extracomment>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40506</extracomment>
        <source>&amp;Programming...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40507</extracomment>
        <source>Se&amp;ttings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40508</extracomment>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40509</extracomment>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40510</extracomment>
        <source>&amp;Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40511</extracomment>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40512</extracomment>
        <source>Insert key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40513</extracomment>
        <source>Copy key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40514</extracomment>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40515</extracomment>
        <source>Double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40516</extracomment>
        <source>to Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40517</extracomment>
        <source>to Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40518</extracomment>
        <source>Quad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40519</extracomment>
        <source>Clear Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40521</extracomment>
        <source>RFID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40522</extracomment>
        <source>Digits count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40523</extracomment>
        <source>Prefix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40524</extracomment>
        <source>Suffix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40525</extracomment>
        <source>Extended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40526</extracomment>
        <source>Digits type - NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40527</extracomment>
        <source>Key flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40528</extracomment>
        <source>Single key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40529</extracomment>
        <source>Group key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40530</extracomment>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40531</extracomment>
        <source>Set flag for all keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40532</extracomment>
        <source>Key mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40533</extracomment>
        <source>Mode 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40534</extracomment>
        <source>Mode 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40535</extracomment>
        <source>Mode 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40536</extracomment>
        <source>Set mode for all keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40537</extracomment>
        <source>Programmed keys:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40538</extracomment>
        <source>Key </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40539</extracomment>
        <source>Key number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40540</extracomment>
        <source>Key name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40541</extracomment>
        <source>Key codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40542</extracomment>
        <source>&lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40543</extracomment>
        <source>&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40544</extracomment>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40545</extracomment>
        <source>Vorlan 16scan keyboard programmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40546</extracomment>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40548</extracomment>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <extracomment>string 40549</extracomment>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
