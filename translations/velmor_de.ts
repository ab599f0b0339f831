<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Velmor</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Kop&amp;ieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>C&amp;onfig</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Velmor</translation>
    </message>
    <message>
        <source>decimal</source>
        <translation>dezimal</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>binär</translation>
    </message>
    <message>
        <source> byte </source>
        <translation> Byte </translation>
    </message>
    <message>
        <source> kilobyte </source>
        <translation> Kilobyte </translation>
    </message>
    <message>
        <source> megabyte </source>
        <translation> Megabyte </translation>
    </message>
    <message>
        <source> gigabyte </source>
        <translation> Gigabyte </translation>
    </message>
    <message>
        <source> terabyte </source>
        <translation> Terabyte </translation>
    </message>
    <message>
        <source> kibyte </source>
        <translation> Kibibyte </translation>
    </message>
    <message>
        <source> mibyte </source>
        <translation> Mebibyte </translation>
    </message>
    <message>
        <source> gibyte </source>
        <translation> Gibibyte </translation>
    </message>
    <message>
        <source> tibyte </source>
        <translation> Tebibyte </translation>
    </message>
    <message>
        <source> round to integer </source>
        <translation> auf ganze Zahlen runden </translation>
    </message>
    <message>
        <source> round to 1 decimal </source>
        <translation> auf 1 Dezimalstelle runden </translation>
    </message>
    <message>
        <source> round to 2 decimals </source>
        <translation> auf 2 Dezimalstellen runden </translation>
    </message>
    <message>
        <source> round to 3 decimals </source>
        <translation> auf 3 Dezimalstellen runden </translation>
    </message>
    <message>
        <source> round up </source>
        <translation> aufrunden </translation>
    </message>
    <message>
        <source> round half up </source>
        <translation> kaufmännisch runden </translation>
    </message>
    <message>
        <source> round down </source>
        <translation> abrunden </translation>
    </message>
    <message>
        <source>Welcome aboard</source>
        <translation>Willkommen an Bord</translation>
    </message>
    <message>
        <source>decimal mark: </source>
        <translation>Dezimalzeichen: </translation>
    </message>
    <message>
        <source>thousand separator: </source>
        <translation>Tausenderzeichen: </translation>
    </message>
    <message>
        <source> Select decimal mark </source>
        <translation> Dezimalzeichen wählen </translation>
    </message>
    <message>
        <source> Select separator mark for thousands </source>
        <translation> Tausendertrennzeichen wählen </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keins</translation>
    </message>
    <message>
        <source>spc</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>other</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>About Velmor</source>
        <translation>Über Velmor</translation>
    </message>
    <message>
        <source>presents</source>
        <translation>präsentiert</translation>
    </message>
    <message>
        <source>Velmor is a conversion tool for calculating decimal and binary units of byte quantities.  Read help file to be informed about the standard what you should have already used.</source>
        <translation>Velmor rechnet Bytemengen zwischen dezimalen und binären Einheiten um. Die Hilfe erklärt die Normen, die Sie dafür kennen sollten.</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>Visit</source>
        <translation>Siehe</translation>
    </message>
    <message>
        <source>for other freewares.</source>
        <translation>für mehr Freeware.</translation>
    </message>
    <message>
        <source>No program could be found to open %1.</source>
        <translation>Kein Programm gefunden, das %1 öffnet.</translation>
    </message>
    <message>
        <source>Velmor could not save its settings: there is no home folder to keep them in.</source>
        <translation>Velmor konnte seine Einstellungen nicht speichern: Es gibt keinen persönlichen Ordner, der sie aufnehmen könnte.</translation>
    </message>
    <message>
        <source>Velmor could not save its settings in %1: %2.</source>
        <translation>Velmor konnte seine Einstellungen nicht in %1 speichern: %2.</translation>
    </message>
</context>
<context>
    <name>velmor::ui::AboutBox</name>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>velmor::ui::MainWindow</name>
    <message>
        <source>byte</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>kilobyte</source>
        <translation>Kilobyte</translation>
    </message>
    <message>
        <source>megabyte</source>
        <translation>Megabyte</translation>
    </message>
    <message>
        <source>gigabyte</source>
        <translation>Gigabyte</translation>
    </message>
    <message>
        <source>terabyte</source>
        <translation>Terabyte</translation>
    </message>
    <message>
        <source>kibibyte</source>
        <translation>Kibibyte</translation>
    </message>
    <message>
        <source>mebibyte</source>
        <translation>Mebibyte</translation>
    </message>
    <message>
        <source>gibibyte</source>
        <translation>Gibibyte</translation>
    </message>
    <message>
        <source>tebibyte</source>
        <translation>Tebibyte</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>kilobytes</source>
        <translation>Kilobyte</translation>
    </message>
    <message>
        <source>megabytes</source>
        <translation>Megabyte</translation>
    </message>
    <message>
        <source>gigabytes</source>
        <translation>Gigabyte</translation>
    </message>
    <message>
        <source>terabytes</source>
        <translation>Terabyte</translation>
    </message>
    <message>
        <source>kibibytes</source>
        <translation>Kibibyte</translation>
    </message>
    <message>
        <source>mebibytes</source>
        <translation>Mebibyte</translation>
    </message>
    <message>
        <source>gibibytes</source>
        <translation>Gibibyte</translation>
    </message>
    <message>
        <source>tebibytes</source>
        <translation>Tebibyte</translation>
    </message>
    <message>
        <source>%1: blank</source>
        <translation>%1: leer</translation>
    </message>
    <message>
        <source>%1: %2, rounded up</source>
        <translation>%1: %2, aufgerundet</translation>
    </message>
    <message>
        <source>%1: %2, rounded down</source>
        <translation>%1: %2, abgerundet</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>decimals</source>
        <translation>Dezimalstellen</translation>
    </message>
    <message>
        <source>rounding</source>
        <translation>Rundung</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <translation>%1, Taste %2</translation>
    </message>
    <message>
        <source>entry in %1</source>
        <translation>Eingabe in %1</translation>
    </message>
    <message>
        <source>%1 %2 (exact to four decimals)</source>
        <translation>%1 %2 (genau auf vier Dezimalstellen)</translation>
    </message>
    <message>
        <source>%1: too large to show</source>
        <translation>%1: zu groß zum Anzeigen</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
</context>
<context>
    <name>velmor::ui::OptionsDialog</name>
    <message>
        <source> Config</source>
        <translation> Optionen</translation>
    </message>
    <message>
        <source>decimal mark</source>
        <translation>Dezimalzeichen</translation>
    </message>
    <message>
        <source>other decimal mark</source>
        <translation>anderes Dezimalzeichen</translation>
    </message>
    <message>
        <source>thousand separator</source>
        <translation>Tausendertrennzeichen</translation>
    </message>
    <message>
        <source>other thousand separator</source>
        <translation>anderes Tausendertrennzeichen</translation>
    </message>
    <message>
        <source> Enter other decimal mark here </source>
        <translation> Anderes Dezimalzeichen hier eingeben </translation>
    </message>
    <message>
        <source> Enter other thousend separator mark here </source>
        <translation> Anderes Tausendertrennzeichen hier eingeben </translation>
    </message>
</context>
</TS>
