<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Velmor</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>C&amp;onfig</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>Gu&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>decimal</source>
        <translation>décimal</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>binaire</translation>
    </message>
    <message>
        <source> byte </source>
        <translation> octet </translation>
    </message>
    <message>
        <source> kilobyte </source>
        <translation> kilooctet </translation>
    </message>
    <message>
        <source> megabyte </source>
        <translation> mégaoctet </translation>
    </message>
    <message>
        <source> gigabyte </source>
        <translation> gigaoctet </translation>
    </message>
    <message>
        <source> terabyte </source>
        <translation> téraoctet </translation>
    </message>
    <message>
        <source> kibyte </source>
        <translation> kibioctet </translation>
    </message>
    <message>
        <source> mibyte </source>
        <translation> mébioctet </translation>
    </message>
    <message>
        <source> gibyte </source>
        <translation> gibioctet </translation>
    </message>
    <message>
        <source> tibyte </source>
        <translation> tébioctet </translation>
    </message>
    <message>
        <source> round to integer </source>
        <translation> arrondir à l&apos;entier </translation>
    </message>
    <message>
        <source> round to 1 decimal </source>
        <translation> arrondir à 1 décimale </translation>
    </message>
    <message>
        <source> round to 2 decimals </source>
        <translation> arrondir à 2 décimales </translation>
    </message>
    <message>
        <source> round to 3 decimals </source>
        <translation> arrondir à 3 décimales </translation>
    </message>
    <message>
        <source> round up </source>
        <translation> arrondir vers le haut </translation>
    </message>
    <message>
        <source> round half up </source>
        <translation> arrondir au plus proche </translation>
    </message>
    <message>
        <source> round down </source>
        <translation> arrondir vers le bas </translation>
    </message>
    <message>
        <source>Welcome aboard</source>
        <translation>Bienvenue à bord</translation>
    </message>
    <message>
        <source>decimal mark: </source>
        <translation>Décimales : </translation>
    </message>
    <message>
        <source>thousand separator: </source>
        <translation>Milliers : </translation>
    </message>
    <message>
        <source> Select decimal mark </source>
        <translation> Choisir le séparateur décimal </translation>
    </message>
    <message>
        <source> Select separator mark for thousands </source>
        <translation> Choisir le séparateur de milliers </translation>
    </message>
    <message>
        <source>none</source>
        <translation>sans</translation>
    </message>
    <message>
        <source>spc</source>
        <translation>esp</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>About Velmor</source>
        <translation>À propos de Velmor</translation>
    </message>
    <message>
        <source>presents</source>
        <translation>présente</translation>
    </message>
    <message>
        <source>Velmor is a conversion tool for calculating decimal and binary units of byte quantities.  Read help file to be informed about the standard what you should have already used.</source>
        <translation>Velmor convertit les quantités d&apos;octets entre unités décimales et binaires. L&apos;aide présente les normes qu&apos;il vaut mieux connaître.</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Gratuiciel</translation>
    </message>
    <message>
        <source>Visit</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>for other freewares.</source>
        <translation>pour d&apos;autres gratuiciels.</translation>
    </message>
    <message>
        <source>No program could be found to open %1.</source>
        <translation>Aucun programme n’a été trouvé pour ouvrir %1.</translation>
    </message>
    <message>
        <source>Velmor could not save its settings: there is no home folder to keep them in.</source>
        <translation>Velmor n’a pas pu enregistrer ses réglages : aucun dossier personnel ne peut les recevoir.</translation>
    </message>
    <message>
        <source>Velmor could not save its settings in %1: %2.</source>
        <translation>Velmor n’a pas pu enregistrer ses réglages dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>velmor::ui::AboutBox</name>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
</context>
<context>
    <name>velmor::ui::MainWindow</name>
    <message>
        <source>byte</source>
        <translation>octet</translation>
    </message>
    <message>
        <source>kilobyte</source>
        <translation>kilooctet</translation>
    </message>
    <message>
        <source>megabyte</source>
        <translation>mégaoctet</translation>
    </message>
    <message>
        <source>gigabyte</source>
        <translation>gigaoctet</translation>
    </message>
    <message>
        <source>terabyte</source>
        <translation>téraoctet</translation>
    </message>
    <message>
        <source>kibibyte</source>
        <translation>kibioctet</translation>
    </message>
    <message>
        <source>mebibyte</source>
        <translation>mébioctet</translation>
    </message>
    <message>
        <source>gibibyte</source>
        <translation>gibioctet</translation>
    </message>
    <message>
        <source>tebibyte</source>
        <translation>tébioctet</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>kilobytes</source>
        <translation>kilooctets</translation>
    </message>
    <message>
        <source>megabytes</source>
        <translation>mégaoctets</translation>
    </message>
    <message>
        <source>gigabytes</source>
        <translation>gigaoctets</translation>
    </message>
    <message>
        <source>terabytes</source>
        <translation>téraoctets</translation>
    </message>
    <message>
        <source>kibibytes</source>
        <translation>kibioctets</translation>
    </message>
    <message>
        <source>mebibytes</source>
        <translation>mébioctets</translation>
    </message>
    <message>
        <source>gibibytes</source>
        <translation>gibioctets</translation>
    </message>
    <message>
        <source>tebibytes</source>
        <translation>tébioctets</translation>
    </message>
    <message>
        <source>%1: blank</source>
        <translation>%1 : vide</translation>
    </message>
    <message>
        <source>%1: %2, rounded up</source>
        <translation>%1 : %2, arrondi vers le haut</translation>
    </message>
    <message>
        <source>%1: %2, rounded down</source>
        <translation>%1 : %2, arrondi vers le bas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>decimals</source>
        <translation>décimales</translation>
    </message>
    <message>
        <source>rounding</source>
        <translation>arrondi</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <translation>%1, touche %2</translation>
    </message>
    <message>
        <source>entry in %1</source>
        <translation>saisie en %1</translation>
    </message>
    <message>
        <source>%1 %2 (exact to four decimals)</source>
        <translation>%1 %2 (exact à quatre décimales)</translation>
    </message>
    <message>
        <source>%1: too large to show</source>
        <translation>%1 : trop grand pour être affiché</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
</context>
<context>
    <name>velmor::ui::OptionsDialog</name>
    <message>
        <source> Config</source>
        <translation> Options</translation>
    </message>
    <message>
        <source>decimal mark</source>
        <translation>séparateur décimal</translation>
    </message>
    <message>
        <source>other decimal mark</source>
        <translation>autre séparateur décimal</translation>
    </message>
    <message>
        <source>thousand separator</source>
        <translation>séparateur de milliers</translation>
    </message>
    <message>
        <source>other thousand separator</source>
        <translation>autre séparateur de milliers</translation>
    </message>
    <message>
        <source> Enter other decimal mark here </source>
        <translation> Saisir ici un autre séparateur décimal </translation>
    </message>
    <message>
        <source> Enter other thousend separator mark here </source>
        <translation> Saisir ici un autre séparateur de milliers </translation>
    </message>
</context>
</TS>
