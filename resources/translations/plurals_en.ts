<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Vorlan</name>
    <message numerus="yes">
        <source>The files of this export will take about %1 MB (%n pages at %3 dpi). Export them?</source>
        <translation>
            <numerusform>The files of this export will take about %1 MB (%n page at %3 dpi). Export them?</numerusform>
            <numerusform>The files of this export will take about %1 MB (%n pages at %3 dpi). Export them?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the chosen pages is there: the document has %n pages.</source>
        <translation>
            <numerusform>None of the chosen pages is there: the document has %n page.</numerusform>
            <numerusform>None of the chosen pages is there: the document has %n pages.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines of this file were not read exactly as written.</source>
        <translation>
            <numerusform>%n line of this file was not read exactly as written.</numerusform>
            <numerusform>%n lines of this file were not read exactly as written.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This file has %n doubtful points.</source>
        <translation>
            <numerusform>This file has %n doubtful point.</numerusform>
            <numerusform>This file has %n doubtful points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings about the keys of this layout:</source>
        <translation>
            <numerusform>%n warning about the keys of this layout:</numerusform>
            <numerusform>%n warnings about the keys of this layout:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %2 keys tested</source>
        <translation>
            <numerusform>%n of %2 keys tested</numerusform>
            <numerusform>%n of %2 keys tested</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The batch is complete: %n keyboards passed.</source>
        <translation>
            <numerusform>The batch is complete: %n keyboard passed.</numerusform>
            <numerusform>The batch is complete: %n keyboards passed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys cannot be tested from key presses</source>
        <translation>
            <numerusform>%n key cannot be tested from key presses</numerusform>
            <numerusform>%n keys cannot be tested from key presses</numerusform>
        </translation>
    </message>
</context>
</TS>
