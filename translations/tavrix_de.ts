<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLineText</name>
    <message>
        <source>no category matches %1</source>
        <translation>keine Kategorie passt zu %1</translation>
    </message>
    <message>
        <source>%1 could be any of these categories:</source>
        <translation>%1 kann jede dieser Kategorien sein:</translation>
    </message>
    <message>
        <source>say --convert or --list, or name results log files to open</source>
        <translation>geben Sie --convert oder --list an oder nennen Sie zu öffnende Ergebnisprotokolldateien</translation>
    </message>
    <message>
        <source>Try &quot;tavrix --help&quot; for more.</source>
        <translation>Weitere Informationen mit &quot;tavrix --help&quot;.</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>beim Schreiben ist ein Fehler aufgetreten: %1</translation>
    </message>
    <message>
        <source>--decimals takes a whole number from 0 to %1, not %2</source>
        <translation>--decimals erwartet eine ganze Zahl von 0 bis %1, nicht %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last two of a list</comment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 takes %2, not %3</source>
        <translation>%1 erwartet %2, nicht %3</translation>
    </message>
    <message>
        <source>argument %1, &quot;%2&quot;, is not UTF-8 text</source>
        <translation>das Argument %1, &quot;%2&quot;, ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>--complete takes the command line and the word to complete</source>
        <translation>--complete erwartet die Befehlszeile und das zu vervollständigende Wort</translation>
    </message>
    <message>
        <source>--convert, --list, --help and --version go alone</source>
        <translation>--convert, --list, --help und --version schließen einander aus</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 takes no value after &quot;=&quot;</source>
        <translation>%1 erlaubt keinen Wert nach &quot;=&quot;</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>%1 is an option of the window, not of --convert, --list, --help or --version</source>
        <translation>%1 ist eine Option des Fensters, nicht von --convert, --list, --help oder --version</translation>
    </message>
    <message>
        <source>--convert needs a value, a unit to convert from and one to convert to</source>
        <translation>--convert braucht einen Wert, eine Ausgangseinheit und eine Zieleinheit</translation>
    </message>
    <message>
        <source>%1 goes with --convert</source>
        <translation>%1 gehört zu --convert</translation>
    </message>
    <message>
        <source>%1 goes with --convert or --list</source>
        <translation>%1 gehört zu --convert oder --list</translation>
    </message>
    <message>
        <source>&quot;%1…&quot; (%2 bytes)</source>
        <translation>&quot;%1…&quot; (%2 Bytes)</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>no unit matches %1</source>
        <translation>keine Einheit passt zu %1</translation>
    </message>
    <message>
        <source>; close names:</source>
        <translation>; ähnliche Namen:</translation>
    </message>
    <message>
        <source>%1 could be any of these units:</source>
        <translation>%1 kann jede dieser Einheiten sein:</translation>
    </message>
    <message>
        <source>%1 is a unit of %2 and %3 one of %4: they do not convert</source>
        <translation>%1 ist eine Einheit von %2 und %3 eine von %4: sie lassen sich nicht ineinander umrechnen</translation>
    </message>
    <message>
        <source>%1 has too many digits (a value has at most %2 digits before the decimal separator and %3 after it)</source>
        <translation>%1 hat zu viele Stellen (ein Wert hat höchstens %2 Stellen vor dem Dezimaltrennzeichen und %3 danach)</translation>
    </message>
    <message>
        <source>%1 is not a number written with &quot;%2&quot; as its decimal separator</source>
        <translation>%1 ist keine Zahl mit &quot;%2&quot; als Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>die Zeile ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>in Zeile %1: %2</translation>
    </message>
    <message>
        <source>cannot read the values: %1</source>
        <translation>die Werte können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Usage: tavrix [FILE.TVRX...]          start the converter&apos;s window, with each
                                       results log file read into its log
       tavrix --convert VALUE FROM TO [--decimals N] [--format FORMAT]
                                      [--spelling SPELLING] [--log]
       tavrix --convert &quot;VALUE UNITS&quot; TO [the same options]
       tavrix --list [CATEGORY] [--spelling SPELLING]
       tavrix -h | --help | --version

  --convert VALUE FROM TO  print VALUE, in unit FROM, converted to unit TO,
                           as the window&apos;s result field shows it; with &quot;-&quot;
                           as VALUE, convert each line of standard input,
                           one result a line (an empty line where a value
                           gives none, with a message naming the line)
  --convert &quot;VALUE UNITS&quot; TO
                           the same for a value that carries its units:
                           &quot;5 ft 11 in&quot;, &quot;11 st 4 lb&quot;, &quot;90 min&quot;, &quot;-40 °C&quot;,
                           &quot;40°26&apos;46\&quot;&quot;, &quot;1:30:00&quot; (hours, minutes, seconds)
  --decimals N             decimals of the result, 0 to %1 (default 6)
  --format FORMAT          fixed (default), grouped (with thousands
                           separators) or scientific
  --spelling SPELLING      europe (&quot;litre&quot;) or usa (&quot;liter&quot;); by default the
                           one the window starts with on this desktop
  --log                    print the line the window adds to the results log
  --list [CATEGORY]        print the categories, or the units of one
  -h, --help               print this help
  --version                print the version

Options may come before or after the other arguments; &quot;--&quot; ends them.

Units are found by their names as people write them, as &quot;Find unit...&quot; in
the window finds them, but only a unit the text names whole is taken: the
order of a compound name&apos;s parts counts (&quot;min/km&quot; is never &quot;km/min&quot;), and a
name with a &quot;/&quot;, a power or a second unit not typed is not meant (&quot;ounces&quot;
is never &quot;ounce/sec&quot;); a text that only begins names (&quot;ft min&quot;) is refused
with the units it may mean. Case, spaces, punctuation and brackets do not
count, both spellings count, plurals are their units (&quot;miles&quot;, &quot;lbs&quot;),
abbreviations their words (&quot;ft&quot;, &quot;in&quot;, &quot;lb&quot;, &quot;hr&quot;, &quot;sq ft&quot;, &quot;cu m&quot;, &quot;km/l&quot;,
&quot;lb-ft&quot;), &quot;per&quot; divides (&quot;miles per hour&quot;), &quot;2&quot;, &quot;3&quot; and &quot;deg&quot; stand for
the signs &quot;²&quot;, &quot;³&quot; and &quot;°&quot;, and &quot;UK&quot;, &quot;US&quot;, &quot;imperial&quot; or &quot;metric&quot; before
or after a name pick that unit (&quot;UK pint&quot;). Symbols name their units too:
&quot;g&quot;, &quot;kg&quot;, &quot;t&quot;, &quot;l&quot;, &quot;ml&quot;, &quot;s&quot;, &quot;h&quot;, &quot;K&quot;, &quot;°C&quot; or &quot;C&quot;, &quot;mph&quot;, &quot;km/h&quot;, &quot;kn&quot;,
&quot;psi&quot;, &quot;mmHg&quot;, &quot;hPa&quot;, &quot;kWh&quot;, &quot;l/100km&quot;, &quot;µm&quot; or &quot;um&quot; and more; where only
case tells two apart, the case typed decides (&quot;MW&quot; megawatt, &quot;mW&quot;
milliwatt). &quot;gallon&quot;, &quot;pint&quot;, &quot;quart&quot;, &quot;fl oz&quot;, &quot;cwt&quot;, &quot;ton&quot; and &quot;mpg&quot; are
the USA units in USA spelling and the British ones in European spelling;
&quot;cup&quot;, &quot;tbsp&quot; and &quot;tsp&quot; the USA ones in USA spelling and the metric ones in
European. Where a name fits units of several categories, the other unit
decides: &quot;g&quot; is the gram beside &quot;kg&quot; and the acceleration beside &quot;m/sec2&quot;,
&quot;lbf ft&quot; beside &quot;Nm&quot; the torque; the litre of &quot;Liquid measure&quot; and of
&quot;Volume / Capacity&quot; is taken in the first category that holds the other
unit too. Categories are found by part of their names (&quot;flow mass&quot;).

Values in several units are read as people write them: &quot;5 ft 11 in&quot;,
&quot;5&apos;11\&quot;&quot; or &quot;5 11&quot; in &quot;ft in&quot;; &quot;11 st 4 lb&quot; in &quot;st lb&quot;; &quot;6 lb 4 oz&quot; in
&quot;lb oz&quot;; &quot;1:30:00&quot;, &quot;1:30&quot; or &quot;1 h 30 min&quot; in &quot;h:min:s&quot;; &quot;40°26&apos;46\&quot;&quot; or
&quot;40 26 46&quot; in &quot;dms&quot;. A result in such a unit shows its parts, the decimals
on the last one (&quot;5 ft 10.866142 in&quot;, &quot;1:30:00&quot;), never in scientific
format. The colon form works for every unit: &quot;2:15&quot; hours is 2.25 hours.

VALUE and the result use the decimal separator of the regional settings
(LC_ALL, LC_NUMERIC, LANG), and a value no thousands separator: &quot;1,234&quot; is
refused where the separator is &quot;.&quot;; a value has at most %2 digits
before the separator and %3 after it.

Exit status: 0 when converted or listed; 1 when a conversion is refused
(with the window&apos;s message) or a line of standard input gives no result;
2 for a usage error; 3 when the output cannot be written (a full disk) or
the input read. Output to a pipe whose reader has gone ends the program by
the signal SIGPIPE, as it ends other programs (the shell reports 141);
where SIGPIPE is ignored, it is a write error, with exit status 3.

Messages show control characters and bytes that are not UTF-8 in what was
typed or read as \xNN, and C1 control characters as \u00NN.
</source>
        <translation>Aufruf: tavrix [FILE.TVRX...]          öffnet das Fenster des Umrechners und
                                       lädt jede Ergebnisprotokolldatei in
                                       sein Protokoll
       tavrix --convert VALUE FROM TO [--decimals N] [--format FORMAT]
                                      [--spelling SPELLING] [--log]
       tavrix --convert &quot;VALUE UNITS&quot; TO [dieselben Optionen]
       tavrix --list [CATEGORY] [--spelling SPELLING]
       tavrix -h | --help | --version

  --convert VALUE FROM TO  gibt VALUE in der Einheit FROM, umgerechnet in die
                           Einheit TO, so aus, wie das Ergebnisfeld des
                           Fensters es zeigt; mit &quot;-&quot; als VALUE wird jede
                           Zeile der Standardeingabe umgerechnet, ein Ergebnis
                           pro Zeile (eine leere Zeile, wo ein Wert keines
                           ergibt, mit einer Meldung, die die Zeile nennt)
  --convert &quot;VALUE UNITS&quot; TO
                           ebenso für einen Wert mit seinen Einheiten:
                           &quot;5 ft 11 in&quot;, &quot;11 st 4 lb&quot;, &quot;90 min&quot;, &quot;-40 °C&quot;,
                           &quot;40°26&apos;46\&quot;&quot;, &quot;1:30:00&quot; (Stunden, Minuten, Sekunden)
  --decimals N             Nachkommastellen im Ergebnis, 0 bis %1 (Standard 6)
  --format FORMAT          fixed (Standard), grouped (mit
                           Tausendertrennzeichen) oder scientific
  --spelling SPELLING      europe (&quot;litre&quot;) oder usa (&quot;liter&quot;); standardmäßig
                           die, mit der das Fenster auf diesem Desktop startet
  --log                    gibt die Zeile aus, die das Fenster dem
                           Ergebnisprotokoll hinzufügt
  --list [CATEGORY]        gibt die Kategorien aus oder die Einheiten einer
                           Kategorie
  -h, --help               gibt diese Hilfe aus
  --version                gibt die Version aus

Optionen dürfen vor oder nach den übrigen Argumenten stehen; &quot;--&quot; beendet sie.

Einheiten werden über ihre Namen gefunden, so wie man sie schreibt, so wie
&quot;Einheit suchen...&quot; im Fenster sie findet, aber genommen wird nur eine
Einheit, die der Text ganz benennt: Die Reihenfolge der Teile eines
zusammengesetzten Namens zählt (&quot;min/km&quot; ist nie &quot;km/min&quot;), und ein Name mit
einem &quot;/&quot;, einer Potenz oder einer zweiten Einheit, die nicht eingegeben
wurde, ist nicht gemeint (&quot;ounces&quot; ist nie &quot;ounce/sec&quot;); ein Text, der Namen
nur beginnt (&quot;ft min&quot;), wird mit den Einheiten abgelehnt, die er meinen
kann. Groß- und Kleinschreibung, Leerzeichen, Satzzeichen und Klammern
zählen nicht, beide Schreibweisen zählen, Pluralformen sind ihre Einheiten
(&quot;miles&quot;, &quot;lbs&quot;), Abkürzungen ihre Wörter (&quot;ft&quot;, &quot;in&quot;, &quot;lb&quot;, &quot;hr&quot;, &quot;sq ft&quot;,
&quot;cu m&quot;, &quot;km/l&quot;, &quot;lb-ft&quot;), &quot;per&quot; teilt (&quot;miles per hour&quot;), &quot;2&quot;, &quot;3&quot; und
&quot;deg&quot; stehen für die Zeichen &quot;²&quot;, &quot;³&quot; und &quot;°&quot;, und &quot;UK&quot;, &quot;US&quot;, &quot;imperial&quot;
oder &quot;metric&quot; vor oder nach einem Namen wählen diese Einheit (&quot;UK pint&quot;).
Auch Symbole benennen ihre Einheiten: &quot;g&quot;, &quot;kg&quot;, &quot;t&quot;, &quot;l&quot;, &quot;ml&quot;, &quot;s&quot;, &quot;h&quot;,
&quot;K&quot;, &quot;°C&quot; oder &quot;C&quot;, &quot;mph&quot;, &quot;km/h&quot;, &quot;kn&quot;, &quot;psi&quot;, &quot;mmHg&quot;, &quot;hPa&quot;, &quot;kWh&quot;,
&quot;l/100km&quot;, &quot;µm&quot; oder &quot;um&quot; und weitere; wo nur die Groß- und Kleinschreibung
zwei Einheiten unterscheidet, entscheidet die eingegebene Schreibung (&quot;MW&quot;
Megawatt, &quot;mW&quot; Milliwatt). &quot;gallon&quot;, &quot;pint&quot;, &quot;quart&quot;, &quot;fl oz&quot;, &quot;cwt&quot;, &quot;ton&quot;
und &quot;mpg&quot; sind in US-Schreibweise die US-Einheiten und in europäischer
Schreibweise die britischen; &quot;cup&quot;, &quot;tbsp&quot; und &quot;tsp&quot; in US-Schreibweise die
US-Einheiten und in europäischer die metrischen. Passt ein Name auf
Einheiten mehrerer Kategorien, entscheidet die andere Einheit: &quot;g&quot; ist neben
&quot;kg&quot; das Gramm und neben &quot;m/sec2&quot; die Beschleunigung, &quot;lbf ft&quot; neben &quot;Nm&quot;
das Drehmoment; der Liter aus &quot;Liquid measure&quot; und aus &quot;Volume / Capacity&quot;
wird in der ersten Kategorie genommen, die auch die andere Einheit enthält.
Kategorien werden über einen Teil ihres Namens gefunden (&quot;flow mass&quot;).

Werte in mehreren Einheiten werden so gelesen, wie man sie schreibt:
&quot;5 ft 11 in&quot;, &quot;5&apos;11\&quot;&quot; oder &quot;5 11&quot; in &quot;ft in&quot;; &quot;11 st 4 lb&quot; in &quot;st lb&quot;;
&quot;6 lb 4 oz&quot; in &quot;lb oz&quot;; &quot;1:30:00&quot;, &quot;1:30&quot; oder &quot;1 h 30 min&quot; in &quot;h:min:s&quot;;
&quot;40°26&apos;46\&quot;&quot; oder &quot;40 26 46&quot; in &quot;dms&quot;. Ein Ergebnis in einer solchen
Einheit zeigt ihre Teile, die Nachkommastellen am letzten
(&quot;5 ft 10.866142 in&quot;, &quot;1:30:00&quot;), nie im wissenschaftlichen Format. Die
Doppelpunktform gilt für jede Einheit: &quot;2:15&quot; Stunden sind 2,25 Stunden.

VALUE und das Ergebnis verwenden das Dezimaltrennzeichen der
Regionaleinstellungen (LC_ALL, LC_NUMERIC, LANG); Tausendertrennzeichen sind in
einem Wert nicht erlaubt: &quot;1,234&quot; wird abgelehnt, wo das Trennzeichen &quot;.&quot; ist.
Ein Wert hat höchstens %2 Stellen vor dem Trennzeichen und %3 danach.

Exit-Status: 0, wenn umgerechnet oder aufgelistet wurde; 1, wenn eine
Umrechnung abgelehnt wird (mit der Meldung des Fensters) oder eine Zeile der
Standardeingabe kein Ergebnis liefert; 2 bei einem Aufruffehler; 3, wenn die
Ausgabe nicht geschrieben (volle Festplatte) oder die Eingabe nicht gelesen
werden kann. Ausgabe in eine Pipe, deren Leser nicht mehr da ist, beendet das
Programm durch das Signal SIGPIPE, wie andere Programme auch (die Shell meldet
141); wo SIGPIPE ignoriert wird, ist sie ein Schreibfehler mit Exit-Status 3.

In Meldungen erscheinen Steuerzeichen und Bytes, die kein UTF-8 sind, aus
Argumenten und gelesenen Zeilen als \xNN, C1-Steuerzeichen als \u00NN.
</translation>
    </message>
    <message>
        <source>%1 is not a value written with its unit</source>
        <translation>%1 ist kein Wert mit seiner Einheit</translation>
    </message>
    <message>
        <source>a column of values needs the unit to convert from: --convert - FROM TO</source>
        <translation>eine Spalte von Werten braucht die Ausgangseinheit: --convert - FROM TO</translation>
    </message>
</context>
<context>
    <name>TFormOVConvert_LogText</name>
    <message>
        <source>Amend results log</source>
        <translation>Ergebnisprotokoll bearbeiten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormTavrix</name>
    <message>
        <source>Give away your own branded version!</source>
        <translation>Eigene Markenversion verschenken!</translation>
    </message>
    <message>
        <source>Convert from Unit</source>
        <translation>Ausgangseinheit</translation>
    </message>
    <message>
        <source>Convert to Unit</source>
        <translation>Zieleinheit</translation>
    </message>
    <message>
        <source>Scientific format</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <source>Calculate value for entry</source>
        <translation>Eingabewert berechnen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umrechnen</translation>
    </message>
    <message>
        <source>Calculate conversion result</source>
        <translation>Umrechnungsergebnis berechnen</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <source>Add to Results Log</source>
        <translation>Ins Protokoll</translation>
    </message>
    <message>
        <source>Results Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Open Results Log file</source>
        <translation>Ergebnisprotokoll öffnen</translation>
    </message>
    <message>
        <source>Save Results Log file</source>
        <translation>Ergebnisprotokoll speichern</translation>
    </message>
    <message>
        <source>Email Results Log</source>
        <translation>Ergebnisprotokoll per E-Mail senden</translation>
    </message>
    <message>
        <source>Print Results Log</source>
        <translation>Ergebnisprotokoll drucken</translation>
    </message>
    <message>
        <source>Clear Results Log</source>
        <translation>Ergebnisprotokoll leeren</translation>
    </message>
    <message>
        <source>Copy Results Log to clipboard</source>
        <translation>Ergebnisprotokoll in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Delete selected text</source>
        <translation>Ausgewählten Text löschen</translation>
    </message>
    <message>
        <source>Calculate entry for Results Log</source>
        <translation>Eintrag für das Ergebnisprotokoll berechnen</translation>
    </message>
    <message>
        <source>Edit Results Log</source>
        <translation>Ergebnisprotokoll bearbeiten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Clear Results log</source>
        <translation>Ergebnisprotokoll leeren</translation>
    </message>
    <message>
        <source>Delete selected text in Results Log</source>
        <translation>Ausgewählten Text im Ergebnisprotokoll löschen</translation>
    </message>
    <message>
        <source>Edit text in Results Log</source>
        <translation>Text im Ergebnisprotokoll bearbeiten</translation>
    </message>
    <message>
        <source>Find unit...</source>
        <translation>Einheit suchen...</translation>
    </message>
    <message>
        <source>Small font size</source>
        <translation>Kleine Schriftgröße</translation>
    </message>
    <message>
        <source>Medium font size</source>
        <translation>Mittlere Schriftgröße</translation>
    </message>
    <message>
        <source>Large font size</source>
        <translation>Große Schriftgröße</translation>
    </message>
    <message>
        <source>Use thousands separator in results</source>
        <translation>Tausendertrennzeichen in Ergebnissen verwenden</translation>
    </message>
    <message>
        <source>Results in Scientific format</source>
        <translation>Ergebnisse im wissenschaftlichen Format</translation>
    </message>
    <message>
        <source>European spelling</source>
        <translation>Europäische Schreibweise</translation>
    </message>
    <message>
        <source>USA spelling</source>
        <translation>US-Schreibweise</translation>
    </message>
    <message>
        <source>Restore default settings</source>
        <translation>Standardeinstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>Contents ...     </source>
        <translation>Inhalt ...     </translation>
    </message>
    <message>
        <source>Index ...</source>
        <translation>Index ...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Give-Away-Your-Own-Branded-Version-Of-Tavrix!</source>
        <translation>Eigene-Markenversion-verschenken!</translation>
    </message>
</context>
<context>
    <name>ValueTexts</name>
    <message>
        <source>&quot;%1&quot; is not a value in %2: in the colon form it is written as, for example, &quot;2:15&quot; for 2 and 15/60.</source>
        <translation>„%1“ ist kein Wert in %2: In der Doppelpunktform schreibt man zum Beispiel „2:15“ für 2 und 15/60.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value in %2: it is written as, for example, &quot;%3&quot;.</source>
        <translation>„%1“ ist kein Wert in %2: Er wird zum Beispiel als „%3“ geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a unit of %2, not of %3: all parts of a value are of one quantity.</source>
        <translation>„%1“ ist eine Einheit von %2, nicht von %3: Alle Teile eines Werts gehören zu einer Größe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the parts of %2 (%3).</source>
        <translation>„%1“ ist keiner der Teile von %2 (%3).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: no part of a value can be negative.</source>
        <translation>„%1“: Kein Teil eines Werts kann negativ sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too many minutes or seconds: in the colon form they go up to 59.</source>
        <translation>„%1“ sind zu viele Minuten oder Sekunden: In der Doppelpunktform gehen sie bis 59.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes twice: each part of a value is written once.</source>
        <translation>„%1“ kommt zweimal vor: Jeder Teil eines Werts wird einmal geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has too many parts: the colon form has at most three.</source>
        <translation>„%1“ hat zu viele Teile: Die Doppelpunktform hat höchstens drei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more parts than %2 (%3).</source>
        <translation>„%1“ hat mehr Teile als %2 (%3).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: in the colon form only the last part may have decimals.</source>
        <translation>„%1“: In der Doppelpunktform darf nur der letzte Teil Nachkommastellen haben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be hours and minutes or minutes and seconds: name its unit.</source>
        <translation>„%1“ kann Stunden und Minuten oder Minuten und Sekunden sein: Nennen Sie die Einheit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not say which unit it is in: name its unit.</source>
        <translation>„%1“ sagt nicht, in welcher Einheit er ist: Nennen Sie die Einheit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a part with too many digits (at most %2 before the decimal separator and %3 after it).</source>
        <translation>„%1“ hat einen Teil mit zu vielen Ziffern (höchstens %2 vor dem Dezimaltrennzeichen und %3 danach).</translation>
    </message>
</context>
<context>
    <name>tavrix::CalculatorKeys</name>
    <message>
        <source>BackSpace</source>
        <translation>Rück</translation>
    </message>
</context>
<context>
    <name>tavrix::CalculatorMemory</name>
    <message>
        <source>The calculator memory could not be read from &quot;%1&quot;: %2. The memory starts at 0.</source>
        <translation>Der Speicher des Rechners konnte nicht aus „%1“ gelesen werden: %2. Der Speicher beginnt mit dem Wert 0.</translation>
    </message>
    <message>
        <source>The calculator memory file &quot;%1&quot; is damaged: it holds %2 of the 8 bytes of a number. The memory starts at 0.</source>
        <translation>Die Speicherdatei des Rechners „%1“ ist beschädigt: sie enthält nur %2 der 8 Bytes einer Zahl. Der Speicher beginnt mit dem Wert 0.</translation>
    </message>
    <message>
        <source>The calculator memory file &quot;%1&quot; is damaged: it holds no valid number. The memory starts at 0.</source>
        <translation>Die Speicherdatei des Rechners „%1“ ist beschädigt: sie enthält keine gültige Zahl. Der Speicher beginnt mit dem Wert 0.</translation>
    </message>
    <message>
        <source>The calculator memory could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Der Speicher des Rechners konnte nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>tavrix::Category</name>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Circular measure</source>
        <translation>Kreismaße</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Flow Rate (volume)</source>
        <translation>Durchfluss (Volumen)</translation>
    </message>
    <message>
        <source>Flow Rate (mass)</source>
        <translation>Durchfluss (Masse)</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Kraftstoffverbrauch</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Beleuchtungsstärke</translation>
    </message>
    <message>
        <source>Liquid measure</source>
        <translation>Flüssigkeitsmaße</translation>
    </message>
    <message>
        <source>Mass / Weight</source>
        <translation>Masse / Gewicht</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Viscosity Dynamic</source>
        <translation>Dynamische Viskosität</translation>
    </message>
    <message>
        <source>Viscosity Kinematic</source>
        <translation>Kinematische Viskosität</translation>
    </message>
    <message>
        <source>Volume / Capacity</source>
        <translation>Volumen / Rauminhalt</translation>
    </message>
</context>
<context>
    <name>tavrix::Help</name>
    <message>
        <source>&lt;h2&gt;Help cannot be shown&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Reinstalling the program puts the help file back in place.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Die Hilfe kann nicht angezeigt werden&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Wenn Sie das Programm neu installieren, wird die Hilfedatei wiederhergestellt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; cannot be read from the help file.</source>
        <translation>Die Seite „%1“ kann nicht aus der Hilfedatei gelesen werden.</translation>
    </message>
    <message>
        <source>Tavrix Help</source>
        <translation>Tavrix-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>No help is available.</source>
        <translation>Es ist keine Hilfe verfügbar.</translation>
    </message>
    <message>
        <source>The help viewer &quot;%1&quot; cannot be found.</source>
        <translation>Der Hilfebetrachter „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The help viewer &quot;%1&quot; cannot be loaded: %2</source>
        <translation>Der Hilfebetrachter „%1“ kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; cannot be found.</source>
        <translation>Die Hilfedatei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Hilfedatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is damaged.</source>
        <translation>sie ist beschädigt.</translation>
    </message>
    <message>
        <source>Type a word to find</source>
        <translation>Suchbegriff eingeben</translation>
    </message>
    <message>
        <source>Look for:</source>
        <translation>Suchen nach:</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Topics for &quot;%1&quot;&lt;/h2&gt;&lt;p&gt;Choose a page:&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;h2&gt;Themen zu „%1“&lt;/h2&gt;&lt;p&gt;Wählen Sie eine Seite:&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>tavrix::InputValidation</name>
    <message>
        <source>Maximum number of pre-decimal digits reached.<byte value="xd"/><byte value="xd"/>Delete some pre-decimal digits and then update the value as required.</source>
        <translation>Die maximale Anzahl an Vorkommastellen ist erreicht.<byte value="xd"/><byte value="xd"/>Löschen Sie einige Vorkommastellen und passen Sie den Wert dann wie gewünscht an.</translation>
    </message>
    <message>
        <source>Maximum number of post-decimal digits reached.<byte value="xd"/><byte value="xd"/>Delete some post-decimal digits and then update the value as required.</source>
        <translation>Die maximale Anzahl an Nachkommastellen ist erreicht.<byte value="xd"/><byte value="xd"/>Löschen Sie einige Nachkommastellen und passen Sie den Wert dann wie gewünscht an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number here: numbers are written with &quot;%2&quot; as the decimal separator and without thousands separators.</source>
        <translation>„%1“ ist hier keine Zahl: Zahlen werden mit „%2“ als Dezimaltrennzeichen und ohne Tausendertrennzeichen geschrieben.</translation>
    </message>
</context>
<context>
    <name>tavrix::LogFile</name>
    <message>
        <source>Cannot read the results log file &quot;%1&quot;:
%2</source>
        <translation>Die Ergebnisprotokolldatei „%1“ kann nicht gelesen werden:
%2</translation>
    </message>
    <message>
        <source>It holds more than %1 MB; a results log file may hold at most %1 MB.</source>
        <translation>Sie ist größer als %1 MB; eine Ergebnisprotokolldatei darf höchstens %1 MB groß sein.</translation>
    </message>
    <message>
        <source>It holds binary data, not a results log.</source>
        <translation>Sie enthält Binärdaten, kein Ergebnisprotokoll.</translation>
    </message>
    <message>
        <source>Cannot save the results log file &quot;%1&quot;:
%2</source>
        <translation>Die Ergebnisprotokolldatei „%1“ kann nicht gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>tavrix::Mail</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error while trying to send email</source>
        <translation>Fehler beim Versenden der E-Mail</translation>
    </message>
</context>
<context>
    <name>tavrix::NumericKeyFilter</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>tavrix::PictureWords</name>
    <message>
        <source>the desktop unit converter</source>
        <translation>der Einheitenumrechner</translation>
    </message>
    <message>
        <source>%1 categories · %2 units · results log · calculator</source>
        <translation>%1 Kategorien · %2 Einheiten · Ergebnisprotokoll · Rechner</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Zum Schließen klicken</translation>
    </message>
    <message>
        <source>unit converter</source>
        <translation>Einheitenumrechner</translation>
    </message>
    <message>
        <source>Provided to you free of charge</source>
        <translation>Ihnen kostenlos zur Verfügung gestellt</translation>
    </message>
</context>
<context>
    <name>tavrix::PrintedLog</name>
    <message>
        <source>TAVRIX Results Log</source>
        <translation>TAVRIX-Ergebnisprotokoll</translation>
    </message>
</context>
<context>
    <name>tavrix::Printing</name>
    <message>
        <source>The print module &quot;%1&quot; cannot be loaded: %2</source>
        <translation>Das Druckmodul „%1“ kann nicht geladen werden: %2</translation>
    </message>
</context>
<context>
    <name>tavrix::ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tavrix::QtDesktop</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>tavrix::ReadFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>tavrix::Refusal</name>
    <message>
        <source>Input range -1.0 to +1.0</source>
        <translation>Eingabebereich -1,0 bis +1,0</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>shown in the result field</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Conversions failed : routine does not exist</source>
        <translation>Umrechnung fehlgeschlagen: Für diese Einheiten gibt es keine Umrechnung.</translation>
    </message>
    <message>
        <source>The &quot;%1&quot; value is not a valid.</source>
        <translation>Der Wert für „%1“ ist ungültig.</translation>
    </message>
</context>
<context>
    <name>tavrix::ResultsLogPrinting</name>
    <message>
        <source>Printing failed: cannot write the file &quot;%1&quot;.</source>
        <translation>Drucken fehlgeschlagen: Die Datei „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Printing failed: cannot write the file &quot;%1&quot;: %2.</source>
        <translation>Drucken fehlgeschlagen: Die Datei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Printing failed: the printer &quot;%1&quot; did not accept the job.</source>
        <translation>Drucken fehlgeschlagen: Der Drucker „%1“ hat den Auftrag nicht angenommen.</translation>
    </message>
</context>
<context>
    <name>tavrix::TCalculatorModel</name>
    <message>
        <source>A negative number does not have a square root.</source>
        <translation>Eine negative Zahl hat keine Quadratwurzel.</translation>
    </message>
    <message>
        <source>The result is too large for the calculator. The calculation was not carried out.</source>
        <translation>Das Ergebnis ist für den Rechner zu groß. Die Berechnung wurde nicht ausgeführt.</translation>
    </message>
</context>
<context>
    <name>tavrix::TFormCalculatorPopUp</name>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>The number being entered, or the last result</source>
        <translation>Die gerade eingegebene Zahl oder das letzte Ergebnis</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Tastenfeld</translation>
    </message>
    <message>
        <source>Calculator keys; on the keyboard type digits, the separator, + - * / and Enter for =</source>
        <translation>Tasten des Rechners; auf der Tastatur geben Sie Ziffern, das Dezimaltrennzeichen, + - * / und die Eingabetaste für = ein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hands the calculator&apos;s value back, unless an operation waits</source>
        <translation>Übergibt den Wert des Rechners, sofern keine Rechenoperation aussteht</translation>
    </message>
    <message>
        <source>Shows the pending operation; hands the value back like OK</source>
        <translation>Zeigt die ausstehende Rechenoperation; übergibt den Wert wie OK</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenoperation</translation>
    </message>
    <message>
        <source>The pending operation, or = after a result</source>
        <translation>Die ausstehende Rechenoperation oder = nach einem Ergebnis</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>The value in the calculator&apos;s memory</source>
        <translation>Der Wert im Speicher des Rechners</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Aktueller Wert</translation>
    </message>
    <message>
        <source>The calculator&apos;s current value</source>
        <translation>Der aktuelle Wert des Rechners</translation>
    </message>
</context>
<context>
    <name>tavrix::TFormFindUnit</name>
    <message>
        <source>Find unit</source>
        <translation>Einheit suchen</translation>
    </message>
    <message>
        <source>Type part of a unit&apos;s name</source>
        <translation>Teil eines Einheitennamens eingeben</translation>
    </message>
    <message>
        <source>Up and Down choose a unit, Enter converts from it, Shift+Enter converts to it</source>
        <translation>Mit den Pfeiltasten nach oben und unten wählen Sie eine Einheit, mit der Eingabetaste rechnen Sie aus ihr um, mit Umschalt+Eingabetaste in sie</translation>
    </message>
    <message>
        <source>Units found</source>
        <translation>Gefundene Einheiten</translation>
    </message>
    <message>
        <source>No unit matches</source>
        <translation>Keine Einheit passt</translation>
    </message>
</context>
<context>
    <name>tavrix::TFormOVConvert_LogText</name>
    <message>
        <source>Results Log</source>
        <translation>Ergebnisprotokoll</translation>
    </message>
    <message>
        <source>The whole results log, to change, add notes to or shorten</source>
        <translation>Das gesamte Ergebnisprotokoll, zum Ändern, Kürzen oder Ergänzen um Notizen</translation>
    </message>
    <message>
        <source>Puts this text into the results log</source>
        <translation>Übernimmt diesen Text in das Ergebnisprotokoll</translation>
    </message>
    <message>
        <source>Leaves the results log as it was</source>
        <translation>Lässt das Ergebnisprotokoll unverändert</translation>
    </message>
</context>
<context>
    <name>tavrix::TFormTavrix</name>
    <message>
        <source>Unit converter</source>
        <translation>Einheitenumrechner</translation>
    </message>
    <message>
        <source>Banner picture</source>
        <translation>Bannerbild</translation>
    </message>
    <message>
        <source>Supplier</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Opens the supplier&apos;s web site</source>
        <translation>Öffnet die Website des Anbieters</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>The categories of physical quantity; choosing one lists its units</source>
        <translation>Die Kategorien physikalischer Größen; die Auswahl einer Kategorie listet ihre Einheiten auf</translation>
    </message>
    <message>
        <source>The units of the category, to convert from</source>
        <translation>Die Einheiten der Kategorie, aus denen umgerechnet wird</translation>
    </message>
    <message>
        <source>The units of the category, to convert to</source>
        <translation>Die Einheiten der Kategorie, in die umgerechnet wird</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>The value to convert, in the unit chosen to convert from</source>
        <translation>Der umzurechnende Wert in der gewählten Ausgangseinheit</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Holds the result: the value in the unit chosen to convert to</source>
        <translation>Enthält das Ergebnis: den Wert in der gewählten Zieleinheit</translation>
    </message>
    <message>
        <source>Opens the calculator; its result becomes the value</source>
        <translation>Öffnet den Rechner; sein Ergebnis wird zum Wert</translation>
    </message>
    <message>
        <source>Times 2</source>
        <translation>Mal 2</translation>
    </message>
    <message>
        <source>Multiplies the value by 2</source>
        <translation>Multipliziert den Wert mit 2</translation>
    </message>
    <message>
        <source>Times 3</source>
        <translation>Mal 3</translation>
    </message>
    <message>
        <source>Multiplies the value by 3</source>
        <translation>Multipliziert den Wert mit 3</translation>
    </message>
    <message>
        <source>Times 4</source>
        <translation>Mal 4</translation>
    </message>
    <message>
        <source>Multiplies the value by 4</source>
        <translation>Multipliziert den Wert mit 4</translation>
    </message>
    <message>
        <source>Times 5</source>
        <translation>Mal 5</translation>
    </message>
    <message>
        <source>Multiplies the value by 5</source>
        <translation>Multipliziert den Wert mit 5</translation>
    </message>
    <message>
        <source>Times 10</source>
        <translation>Mal 10</translation>
    </message>
    <message>
        <source>Multiplies the value by 10</source>
        <translation>Multipliziert den Wert mit 10</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>Replaces the value by 1 divided by it</source>
        <translation>Ersetzt den Wert durch 1 geteilt durch den Wert</translation>
    </message>
    <message>
        <source>Divided by 2</source>
        <translation>Geteilt durch 2</translation>
    </message>
    <message>
        <source>Divides the value by 2</source>
        <translation>Teilt den Wert durch 2</translation>
    </message>
    <message>
        <source>Divided by 3</source>
        <translation>Geteilt durch 3</translation>
    </message>
    <message>
        <source>Divides the value by 3</source>
        <translation>Teilt den Wert durch 3</translation>
    </message>
    <message>
        <source>Divided by 4</source>
        <translation>Geteilt durch 4</translation>
    </message>
    <message>
        <source>Divides the value by 4</source>
        <translation>Teilt den Wert durch 4</translation>
    </message>
    <message>
        <source>Divided by 5</source>
        <translation>Geteilt durch 5</translation>
    </message>
    <message>
        <source>Divides the value by 5</source>
        <translation>Teilt den Wert durch 5</translation>
    </message>
    <message>
        <source>Divided by 10</source>
        <translation>Geteilt durch 10</translation>
    </message>
    <message>
        <source>Divides the value by 10</source>
        <translation>Teilt den Wert durch 10</translation>
    </message>
    <message>
        <source>The number of decimals in the result, 0 to 16</source>
        <translation>Die Anzahl der Nachkommastellen im Ergebnis, 0 bis 16</translation>
    </message>
    <message>
        <source>Adds the conversion as a line of the results log</source>
        <translation>Fügt die Umrechnung als Zeile zum Ergebnisprotokoll hinzu</translation>
    </message>
    <message>
        <source>The results log&apos;s buttons</source>
        <translation>Die Schaltflächen des Ergebnisprotokolls</translation>
    </message>
    <message>
        <source>The results collected so far, one per line, and notes</source>
        <translation>Die bisher gesammelten Ergebnisse, eines pro Zeile, und Notizen</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Do you wish to use a value equal to a %1?</source>
        <translation>Möchten Sie einen Wert verwenden, der „%1“ entspricht?</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Gleitkommadivision durch null</translation>
    </message>
    <message>
        <source>Tavrix Log (*.TVRX)</source>
        <translation>Tavrix-Ergebnisprotokoll (*.TVRX)</translation>
    </message>
    <message>
        <source>Open Results Log file</source>
        <translation>Ergebnisprotokoll öffnen</translation>
    </message>
    <message>
        <source>Opening the results log file</source>
        <translation>Öffnen der Ergebnisprotokolldatei</translation>
    </message>
    <message>
        <source>Opening the results log file...</source>
        <translation>Die Ergebnisprotokolldatei wird geöffnet...</translation>
    </message>
    <message>
        <source>Save Results Log file</source>
        <translation>Ergebnisprotokoll speichern</translation>
    </message>
    <message>
        <source>Saving the results log</source>
        <translation>Speichern des Ergebnisprotokolls</translation>
    </message>
    <message>
        <source>Saving the results log...</source>
        <translation>Das Ergebnisprotokoll wird gespeichert...</translation>
    </message>
    <message>
        <source>Copying the results log</source>
        <translation>Kopieren des Ergebnisprotokolls</translation>
    </message>
    <message>
        <source>Copying the results log...</source>
        <translation>Das Ergebnisprotokoll wird kopiert...</translation>
    </message>
    <message>
        <source>Printing the results log</source>
        <translation>Drucken des Ergebnisprotokolls</translation>
    </message>
    <message>
        <source>Printing the results log...</source>
        <translation>Das Ergebnisprotokoll wird gedruckt...</translation>
    </message>
    <message>
        <source>The results log is too long to hand to the mail client: as the mail client would receive it, it takes %1 bytes, and at most %2 bytes fit.

Save the log to a file and attach that file to a message instead.</source>
        <translation>Das Ergebnisprotokoll ist zu lang, um es an das E-Mail-Programm zu übergeben: So, wie das E-Mail-Programm es erhalten würde, umfasst es %1 Bytes, möglich sind höchstens %2 Bytes.

Speichern Sie das Protokoll stattdessen in einer Datei und hängen Sie diese Datei an eine Nachricht an.</translation>
    </message>
    <message>
        <source>TAVRIX - Results Log</source>
        <translation>TAVRIX - Ergebnisprotokoll</translation>
    </message>
    <message>
        <source>Amending the results log</source>
        <translation>Bearbeiten des Ergebnisprotokolls</translation>
    </message>
    <message>
        <source>Amending the results log...</source>
        <translation>Das Ergebnisprotokoll wird bearbeitet...</translation>
    </message>
    <message>
        <source>Are your sure you wish to clear the results log?</source>
        <translation>Möchten Sie das Ergebnisprotokoll wirklich leeren?</translation>
    </message>
</context>
<context>
    <name>tavrix::TFormTavrixSplash</name>
    <message>
        <source>About Tavrix</source>
        <translation>Über Tavrix</translation>
    </message>
    <message>
        <source>A press closes it</source>
        <translation>Ein Klick schließt das Fenster</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Supplier</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Opens the supplier&apos;s web site</source>
        <translation>Öffnet die Website des Anbieters</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>tavrix::WebLinks</name>
    <message>
        <source>Cannot find web browser to view %1</source>
        <translation>Es wurde kein Webbrowser gefunden, um %1 anzuzeigen.</translation>
    </message>
    <message>
        <source>Cannot find acrobat PDF reader to view %1</source>
        <translation>Es wurde kein PDF-Betrachter gefunden, um %1 anzuzeigen.</translation>
    </message>
</context>
</TS>
