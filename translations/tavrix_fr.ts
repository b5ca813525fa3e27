<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLineText</name>
    <message>
        <source>no category matches %1</source>
        <translation>aucune catégorie ne correspond à %1</translation>
    </message>
    <message>
        <source>%1 could be any of these categories:</source>
        <translation>%1 peut correspondre à l&apos;une de ces catégories&#xa0;:</translation>
    </message>
    <message>
        <source>say --convert or --list, or name results log files to open</source>
        <translation>indiquez --convert ou --list, ou des fichiers de journal des résultats à ouvrir</translation>
    </message>
    <message>
        <source>Try &quot;tavrix --help&quot; for more.</source>
        <translation>Essayez &quot;tavrix --help&quot; pour en savoir plus.</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>erreur d&apos;écriture&#xa0;: %1</translation>
    </message>
    <message>
        <source>--decimals takes a whole number from 0 to %1, not %2</source>
        <translation>--decimals prend un nombre entier de 0 à %1, et non %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the last two of a list</comment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 takes %2, not %3</source>
        <translation>%1 prend %2, et non %3</translation>
    </message>
    <message>
        <source>argument %1, &quot;%2&quot;, is not UTF-8 text</source>
        <translation>l&apos;argument %1, &quot;%2&quot;, n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>--complete takes the command line and the word to complete</source>
        <translation>--complete prend la ligne de commande et le mot à compléter</translation>
    </message>
    <message>
        <source>--convert, --list, --help and --version go alone</source>
        <translation>--convert, --list, --help et --version ne se combinent pas entre eux</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 takes no value after &quot;=&quot;</source>
        <translation>%1 n&apos;accepte pas de valeur après &quot;=&quot;</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>%1 is an option of the window, not of --convert, --list, --help or --version</source>
        <translation>%1 est une option de la fenêtre, et non de --convert, --list, --help ou --version</translation>
    </message>
    <message>
        <source>--convert needs a value, a unit to convert from and one to convert to</source>
        <translation>--convert attend une valeur, une unité de départ et une unité d&apos;arrivée</translation>
    </message>
    <message>
        <source>%1 goes with --convert</source>
        <translation>%1 s&apos;emploie avec --convert</translation>
    </message>
    <message>
        <source>%1 goes with --convert or --list</source>
        <translation>%1 s&apos;emploie avec --convert ou --list</translation>
    </message>
    <message>
        <source>&quot;%1…&quot; (%2 bytes)</source>
        <translation>&quot;%1…&quot; (%2&#xa0;octets)</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>no unit matches %1</source>
        <translation>aucune unité ne correspond à %1</translation>
    </message>
    <message>
        <source>; close names:</source>
        <translation>&#xa0;; noms proches&#xa0;:</translation>
    </message>
    <message>
        <source>%1 could be any of these units:</source>
        <translation>%1 peut correspondre à l&apos;une de ces unités&#xa0;:</translation>
    </message>
    <message>
        <source>%1 is a unit of %2 and %3 one of %4: they do not convert</source>
        <translation>%1 est une unité de la catégorie %2 et %3 une unité de la catégorie %4&#xa0;: elles ne se convertissent pas l&apos;une en l&apos;autre</translation>
    </message>
    <message>
        <source>%1 has too many digits (a value has at most %2 digits before the decimal separator and %3 after it)</source>
        <translation>%1 a trop de chiffres (une valeur a au plus %2 chiffres avant le séparateur décimal et %3 après)</translation>
    </message>
    <message>
        <source>%1 is not a number written with &quot;%2&quot; as its decimal separator</source>
        <translation>%1 n&apos;est pas un nombre écrit avec &quot;%2&quot; comme séparateur décimal</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>la ligne dépasse %1&#xa0;octets</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read the values: %1</source>
        <translation>impossible de lire les valeurs&#xa0;: %1</translation>
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
        <translation>Utilisation&#xa0;: tavrix [FILE.TVRX...]   ouvrir la fenêtre du convertisseur et
                                       charger chaque fichier dans son journal
       tavrix --convert VALUE FROM TO [--decimals N] [--format FORMAT]
                                      [--spelling SPELLING] [--log]
       tavrix --convert &quot;VALUE UNITS&quot; TO [les mêmes options]
       tavrix --list [CATEGORY] [--spelling SPELLING]
       tavrix -h | --help | --version

  --convert VALUE FROM TO  afficher VALUE, en unité FROM, convertie en unité
                           TO, comme l&apos;affiche le champ de résultat de la
                           fenêtre&#xa0;; avec &quot;-&quot; pour VALUE, convertir chaque
                           ligne de l&apos;entrée standard, un résultat par ligne
                           (une ligne vide quand une valeur n&apos;en donne aucun,
                           avec un message qui indique la ligne)
  --convert &quot;VALUE UNITS&quot; TO
                           de même pour une valeur qui porte ses unités :
                           &quot;5 ft 11 in&quot;, &quot;11 st 4 lb&quot;, &quot;90 min&quot;, &quot;-40 °C&quot;,
                           &quot;40°26&apos;46\&quot;&quot;, &quot;1:30:00&quot; (heures, minutes, secondes)
  --decimals N             décimales du résultat, de 0 à %1 (6 par défaut)
  --format FORMAT          fixed (par défaut), grouped (avec séparateurs de
                           milliers) ou scientific
  --spelling SPELLING      europe (&quot;litre&quot;) ou usa (&quot;liter&quot;)&#xa0;; par défaut,
                           celle avec laquelle la fenêtre démarre sur ce bureau
  --log                    afficher la ligne que la fenêtre ajoute au journal
                           des résultats
  --list [CATEGORY]        afficher les catégories, ou les unités de CATEGORY
  -h, --help               afficher cette aide
  --version                afficher la version

Les options se placent avant ou après les autres arguments&#xa0;; &quot;--&quot; les termine.

Les unités se trouvent d&apos;après leur nom tel qu&apos;on l&apos;écrit, comme les trouve
&quot;Rechercher une unité...&quot; dans la fenêtre, mais seule une unité que le texte
nomme entièrement est prise&#xa0;: l&apos;ordre des parties d&apos;un nom composé compte
(&quot;min/km&quot; n&apos;est jamais &quot;km/min&quot;), et un nom avec un &quot;/&quot;, une puissance ou
une seconde unité qui n&apos;a pas été tapée n&apos;est pas visé (&quot;ounces&quot; n&apos;est
jamais &quot;ounce/sec&quot;)&#xa0;; un texte qui ne fait que commencer des noms (&quot;ft
min&quot;) est refusé avec les unités qu&apos;il peut désigner. La casse, les espaces,
la ponctuation et les parenthèses ne comptent pas, les deux orthographes
comptent, les pluriels désignent leurs unités (&quot;miles&quot;, &quot;lbs&quot;), les
abréviations leurs mots (&quot;ft&quot;, &quot;in&quot;, &quot;lb&quot;, &quot;hr&quot;, &quot;sq ft&quot;, &quot;cu m&quot;, &quot;km/l&quot;,
&quot;lb-ft&quot;), &quot;per&quot; divise (&quot;miles per hour&quot;), &quot;2&quot;, &quot;3&quot; et &quot;deg&quot; remplacent les
signes &quot;²&quot;, &quot;³&quot; et &quot;°&quot;, et &quot;UK&quot;, &quot;US&quot;, &quot;imperial&quot; ou &quot;metric&quot; avant ou après
un nom choisissent cette unité (&quot;UK pint&quot;). Les symboles désignent aussi
leurs unités&#xa0;: &quot;g&quot;, &quot;kg&quot;, &quot;t&quot;, &quot;l&quot;, &quot;ml&quot;, &quot;s&quot;, &quot;h&quot;, &quot;K&quot;, &quot;°C&quot; ou &quot;C&quot;, &quot;mph&quot;,
&quot;km/h&quot;, &quot;kn&quot;, &quot;psi&quot;, &quot;mmHg&quot;, &quot;hPa&quot;, &quot;kWh&quot;, &quot;l/100km&quot;, &quot;µm&quot; ou &quot;um&quot;, entre
autres&#xa0;; quand seule la casse distingue deux unités, c&apos;est la casse tapée
qui décide (&quot;MW&quot; mégawatt, &quot;mW&quot; milliwatt). &quot;gallon&quot;, &quot;pint&quot;, &quot;quart&quot;, &quot;fl
oz&quot;, &quot;cwt&quot;, &quot;ton&quot; et &quot;mpg&quot; désignent les unités américaines avec
l&apos;orthographe américaine et les unités britanniques avec l&apos;orthographe
européenne&#xa0;; &quot;cup&quot;, &quot;tbsp&quot; et &quot;tsp&quot;, les unités américaines avec
l&apos;orthographe américaine et les unités métriques avec l&apos;européenne. Quand un
nom convient à des unités de plusieurs catégories, c&apos;est l&apos;autre unité qui
décide&#xa0;: &quot;g&quot; est le gramme à côté de &quot;kg&quot; et l&apos;accélération à côté de
&quot;m/sec2&quot;, &quot;lbf ft&quot; le couple à côté de &quot;Nm&quot;&#xa0;; le litre de &quot;Liquid measure&quot;
et de &quot;Volume / Capacity&quot; est pris dans la première catégorie qui contient
aussi l&apos;autre unité. Les catégories se trouvent d&apos;après une partie de leur
nom (&quot;flow mass&quot;).

Les valeurs en plusieurs unités se lisent comme on les écrit : &quot;5 ft 11 in&quot;,
&quot;5&apos;11\&quot;&quot; ou &quot;5 11&quot; en &quot;ft in&quot; ; &quot;11 st 4 lb&quot; en &quot;st lb&quot; ; &quot;6 lb 4 oz&quot; en
&quot;lb oz&quot; ; &quot;1:30:00&quot;, &quot;1:30&quot; ou &quot;1 h 30 min&quot; en &quot;h:min:s&quot; ; &quot;40°26&apos;46\&quot;&quot; ou
&quot;40 26 46&quot; en &quot;dms&quot;. Un résultat dans une telle unité montre ses parties,
les décimales sur la dernière (&quot;5 ft 10.866142 in&quot;, &quot;1:30:00&quot;), jamais en
format scientifique. La forme à deux-points vaut pour toute unité : &quot;2:15&quot;
heures font 2,25 heures.

VALUE et le résultat utilisent le séparateur décimal des paramètres régionaux
(LC_ALL, LC_NUMERIC, LANG), et une valeur s&apos;écrit sans séparateur de
milliers&#xa0;: &quot;1,234&quot; est refusé là où le séparateur est &quot;.&quot;&#xa0;; une valeur a au
plus %2 chiffres avant le séparateur et %3 après.

Code de sortie&#xa0;: 0 si la conversion ou la liste a abouti&#xa0;; 1 si une conversion
est refusée (avec le message de la fenêtre) ou si une ligne de l&apos;entrée
standard ne donne aucun résultat&#xa0;; 2 en cas d&apos;erreur d&apos;utilisation&#xa0;; 3 si la
sortie ne peut pas être écrite (disque plein) ou l&apos;entrée ne peut pas être
lue. Une sortie vers un tube dont le lecteur est parti met fin au programme
par le signal SIGPIPE, comme aux autres programmes (le shell indique 141)&#xa0;;
là où SIGPIPE est ignoré, c&apos;est une erreur d&apos;écriture, avec le code de
sortie 3.

Dans les messages, les caractères de contrôle et les octets qui ne sont pas de
l&apos;UTF-8, dans les arguments et les lignes lues, s&apos;affichent sous la forme
\xNN, et les caractères de contrôle C1 sous la forme \u00NN.
</translation>
    </message>
    <message>
        <source>%1 is not a value written with its unit</source>
        <translation>%1 n&apos;est pas une valeur écrite avec son unité</translation>
    </message>
    <message>
        <source>a column of values needs the unit to convert from: --convert - FROM TO</source>
        <translation>une colonne de valeurs demande l&apos;unité de départ&#xa0;: --convert - FROM TO</translation>
    </message>
</context>
<context>
    <name>TFormOVConvert_LogText</name>
    <message>
        <source>Amend results log</source>
        <translation>Modifier le journal des résultats</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TFormTavrix</name>
    <message>
        <source>Give away your own branded version!</source>
        <translation>Offrez votre version à votre marque&#xa0;!</translation>
    </message>
    <message>
        <source>Convert from Unit</source>
        <translation>Unité de départ</translation>
    </message>
    <message>
        <source>Convert to Unit</source>
        <translation>Unité d&apos;arrivée</translation>
    </message>
    <message>
        <source>Scientific format</source>
        <translation>Format scientifique</translation>
    </message>
    <message>
        <source>Calculate value for entry</source>
        <translation>Calculer la valeur à saisir</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Calculate conversion result</source>
        <translation>Calculer le résultat de la conversion</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Add to Results Log</source>
        <translation>Ajouter au journal</translation>
    </message>
    <message>
        <source>Results Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Open Results Log file</source>
        <translation>Ouvrir un fichier de journal des résultats</translation>
    </message>
    <message>
        <source>Save Results Log file</source>
        <translation>Enregistrer le journal des résultats dans un fichier</translation>
    </message>
    <message>
        <source>Email Results Log</source>
        <translation>Envoyer le journal des résultats par courriel</translation>
    </message>
    <message>
        <source>Print Results Log</source>
        <translation>Imprimer le journal des résultats</translation>
    </message>
    <message>
        <source>Clear Results Log</source>
        <translation>Effacer le journal des résultats</translation>
    </message>
    <message>
        <source>Copy Results Log to clipboard</source>
        <translation>Copier le journal des résultats dans le presse-papiers</translation>
    </message>
    <message>
        <source>Delete selected text</source>
        <translation>Supprimer le texte sélectionné</translation>
    </message>
    <message>
        <source>Calculate entry for Results Log</source>
        <translation>Calculer une entrée pour le journal des résultats</translation>
    </message>
    <message>
        <source>Edit Results Log</source>
        <translation>Modifier le journal des résultats</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Clear Results log</source>
        <translation>Effacer le journal des résultats</translation>
    </message>
    <message>
        <source>Delete selected text in Results Log</source>
        <translation>Supprimer le texte sélectionné du journal des résultats</translation>
    </message>
    <message>
        <source>Edit text in Results Log</source>
        <translation>Modifier le texte du journal des résultats</translation>
    </message>
    <message>
        <source>Find unit...</source>
        <translation>Rechercher une unité...</translation>
    </message>
    <message>
        <source>Small font size</source>
        <translation>Petite taille de police</translation>
    </message>
    <message>
        <source>Medium font size</source>
        <translation>Taille de police moyenne</translation>
    </message>
    <message>
        <source>Large font size</source>
        <translation>Grande taille de police</translation>
    </message>
    <message>
        <source>Use thousands separator in results</source>
        <translation>Utiliser le séparateur de milliers dans les résultats</translation>
    </message>
    <message>
        <source>Results in Scientific format</source>
        <translation>Résultats au format scientifique</translation>
    </message>
    <message>
        <source>European spelling</source>
        <translation>Orthographe européenne</translation>
    </message>
    <message>
        <source>USA spelling</source>
        <translation>Orthographe américaine</translation>
    </message>
    <message>
        <source>Restore default settings</source>
        <translation>Rétablir les paramètres par défaut</translation>
    </message>
    <message>
        <source>Contents ...     </source>
        <translation>Sommaire...     </translation>
    </message>
    <message>
        <source>Index ...</source>
        <translation>Index...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Give-Away-Your-Own-Branded-Version-Of-Tavrix!</source>
        <translation>Offrez-votre-version-de-Tavrix-à-votre-marque&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ValueTexts</name>
    <message>
        <source>&quot;%1&quot; is not a value in %2: in the colon form it is written as, for example, &quot;2:15&quot; for 2 and 15/60.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une valeur en %2&#xa0;: avec les deux-points, on écrit par exemple «&#xa0;2:15&#xa0;» pour 2 et 15/60.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value in %2: it is written as, for example, &quot;%3&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une valeur en %2&#xa0;: elle s&apos;écrit par exemple «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a unit of %2, not of %3: all parts of a value are of one quantity.</source>
        <translation>«&#xa0;%1&#xa0;» est une unité de %2, non de %3&#xa0;: toutes les parties d&apos;une valeur sont d&apos;une même grandeur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the parts of %2 (%3).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas l&apos;une des parties de %2 (%3).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: no part of a value can be negative.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: aucune partie d&apos;une valeur ne peut être négative.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too many minutes or seconds: in the colon form they go up to 59.</source>
        <translation>«&#xa0;%1&#xa0;», c&apos;est trop de minutes ou de secondes&#xa0;: avec les deux-points, elles vont jusqu&apos;à 59.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes twice: each part of a value is written once.</source>
        <translation>«&#xa0;%1&#xa0;» figure deux fois&#xa0;: chaque partie d&apos;une valeur s&apos;écrit une seule fois.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has too many parts: the colon form has at most three.</source>
        <translation>«&#xa0;%1&#xa0;» a trop de parties&#xa0;: la forme à deux-points en a au plus trois.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more parts than %2 (%3).</source>
        <translation>«&#xa0;%1&#xa0;» a plus de parties que %2 (%3).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: in the colon form only the last part may have decimals.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: avec les deux-points, seule la dernière partie peut avoir des décimales.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be hours and minutes or minutes and seconds: name its unit.</source>
        <translation>«&#xa0;%1&#xa0;» peut être des heures et minutes ou des minutes et secondes&#xa0;: indiquez son unité.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not say which unit it is in: name its unit.</source>
        <translation>«&#xa0;%1&#xa0;» ne dit pas en quelle unité il est&#xa0;: indiquez son unité.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a part with too many digits (at most %2 before the decimal separator and %3 after it).</source>
        <translation>«&#xa0;%1&#xa0;» a une partie avec trop de chiffres (au plus %2 avant le séparateur décimal et %3 après).</translation>
    </message>
</context>
<context>
    <name>tavrix::CalculatorKeys</name>
    <message>
        <source>BackSpace</source>
        <translation>RetourArrière</translation>
    </message>
</context>
<context>
    <name>tavrix::CalculatorMemory</name>
    <message>
        <source>The calculator memory could not be read from &quot;%1&quot;: %2. The memory starts at 0.</source>
        <translation>Impossible de lire la mémoire de la calculatrice depuis «&#xa0;%1&#xa0;»&#xa0;: %2. La mémoire repart de 0.</translation>
    </message>
    <message>
        <source>The calculator memory file &quot;%1&quot; is damaged: it holds %2 of the 8 bytes of a number. The memory starts at 0.</source>
        <translation>Le fichier de mémoire de la calculatrice «&#xa0;%1&#xa0;» est endommagé&#xa0;: il contient %2 des 8&#xa0;octets d&apos;un nombre. La mémoire repart de 0.</translation>
    </message>
    <message>
        <source>The calculator memory file &quot;%1&quot; is damaged: it holds no valid number. The memory starts at 0.</source>
        <translation>Le fichier de mémoire de la calculatrice «&#xa0;%1&#xa0;» est endommagé&#xa0;: il ne contient aucun nombre valide. La mémoire repart de 0.</translation>
    </message>
    <message>
        <source>The calculator memory could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;enregistrer la mémoire de la calculatrice dans «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>tavrix::Category</name>
    <message>
        <source>Acceleration</source>
        <translation>Accélération</translation>
    </message>
    <message>
        <source>Angles</source>
        <translation>Angles</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Circular measure</source>
        <translation>Mesures du cercle</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Masse volumique</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>Flow Rate (volume)</source>
        <translation>Débit (volumique)</translation>
    </message>
    <message>
        <source>Flow Rate (mass)</source>
        <translation>Débit (massique)</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Conso. de carburant</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Éclairement</translation>
    </message>
    <message>
        <source>Liquid measure</source>
        <translation>Mesures pour liquides</translation>
    </message>
    <message>
        <source>Mass / Weight</source>
        <translation>Masse / Poids</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Couple</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Viscosity Dynamic</source>
        <translation>Viscosité dynamique</translation>
    </message>
    <message>
        <source>Viscosity Kinematic</source>
        <translation>Viscosité cinématique</translation>
    </message>
    <message>
        <source>Volume / Capacity</source>
        <translation>Volume / Capacité</translation>
    </message>
</context>
<context>
    <name>tavrix::Help</name>
    <message>
        <source>&lt;h2&gt;Help cannot be shown&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Reinstalling the program puts the help file back in place.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Impossible d&apos;afficher l&apos;aide&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Réinstaller le programme remet le fichier d&apos;aide en place.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; cannot be read from the help file.</source>
        <translation>Impossible de lire la page «&#xa0;%1&#xa0;» dans le fichier d&apos;aide.</translation>
    </message>
    <message>
        <source>Tavrix Help</source>
        <translation>Aide de Tavrix</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>No help is available.</source>
        <translation>Aucune aide n&apos;est disponible.</translation>
    </message>
    <message>
        <source>The help viewer &quot;%1&quot; cannot be found.</source>
        <translation>Le visualiseur d&apos;aide «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>The help viewer &quot;%1&quot; cannot be loaded: %2</source>
        <translation>Impossible de charger le visualiseur d&apos;aide «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; cannot be found.</source>
        <translation>Le fichier d&apos;aide «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire le fichier d&apos;aide «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is damaged.</source>
        <translation>il est endommagé.</translation>
    </message>
    <message>
        <source>Type a word to find</source>
        <translation>Tapez un mot à rechercher</translation>
    </message>
    <message>
        <source>Look for:</source>
        <translation>Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Topics for &quot;%1&quot;&lt;/h2&gt;&lt;p&gt;Choose a page:&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;h2&gt;Rubriques pour «&#xa0;%1&#xa0;»&lt;/h2&gt;&lt;p&gt;Choisissez une page&#xa0;:&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>tavrix::InputValidation</name>
    <message>
        <source>Maximum number of pre-decimal digits reached.<byte value="xd"/><byte value="xd"/>Delete some pre-decimal digits and then update the value as required.</source>
        <translation>Le nombre maximal de chiffres de la partie entière est atteint.<byte value="xd"/><byte value="xd"/>Supprimez des chiffres de la partie entière, puis corrigez la valeur selon vos besoins.</translation>
    </message>
    <message>
        <source>Maximum number of post-decimal digits reached.<byte value="xd"/><byte value="xd"/>Delete some post-decimal digits and then update the value as required.</source>
        <translation>Le nombre maximal de décimales est atteint.<byte value="xd"/><byte value="xd"/>Supprimez des décimales, puis corrigez la valeur selon vos besoins.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number here: numbers are written with &quot;%2&quot; as the decimal separator and without thousands separators.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre valide ici&#xa0;: les nombres s&apos;écrivent avec «&#xa0;%2&#xa0;» comme séparateur décimal et sans séparateur de milliers.</translation>
    </message>
</context>
<context>
    <name>tavrix::LogFile</name>
    <message>
        <source>Cannot read the results log file &quot;%1&quot;:
%2</source>
        <translation>Impossible de lire le fichier de journal des résultats «&#xa0;%1&#xa0;»&#xa0;:
%2</translation>
    </message>
    <message>
        <source>It holds more than %1 MB; a results log file may hold at most %1 MB.</source>
        <translation>Il contient plus de %1&#xa0;Mo&#xa0;; un fichier de journal des résultats peut contenir au plus %1&#xa0;Mo.</translation>
    </message>
    <message>
        <source>It holds binary data, not a results log.</source>
        <translation>Il contient des données binaires, et non un journal des résultats.</translation>
    </message>
    <message>
        <source>Cannot save the results log file &quot;%1&quot;:
%2</source>
        <translation>Impossible d&apos;enregistrer le fichier de journal des résultats «&#xa0;%1&#xa0;»&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>tavrix::Mail</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error while trying to send email</source>
        <translation>Erreur lors de l&apos;envoi du courriel</translation>
    </message>
</context>
<context>
    <name>tavrix::NumericKeyFilter</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>tavrix::PictureWords</name>
    <message>
        <source>the desktop unit converter</source>
        <translation>le convertisseur d’unités</translation>
    </message>
    <message>
        <source>%1 categories · %2 units · results log · calculator</source>
        <translation>%1 catégories · %2 unités · journal des résultats · calculatrice</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Cliquer pour fermer</translation>
    </message>
    <message>
        <source>unit converter</source>
        <translation>convertisseur d’unités</translation>
    </message>
    <message>
        <source>Provided to you free of charge</source>
        <translation>Mis gratuitement à votre disposition</translation>
    </message>
</context>
<context>
    <name>tavrix::PrintedLog</name>
    <message>
        <source>TAVRIX Results Log</source>
        <translation>Journal des résultats TAVRIX</translation>
    </message>
</context>
<context>
    <name>tavrix::Printing</name>
    <message>
        <source>The print module &quot;%1&quot; cannot be loaded: %2</source>
        <translation>Impossible de charger le module d&apos;impression «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tavrix::ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>tavrix::ReadFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>tavrix::Refusal</name>
    <message>
        <source>Input range -1.0 to +1.0</source>
        <translation>Valeur entre -1,0 et +1,0</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>shown in the result field</comment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Conversions failed : routine does not exist</source>
        <translation>Échec de la conversion&#xa0;: il n&apos;existe pas de conversion entre ces unités</translation>
    </message>
    <message>
        <source>The &quot;%1&quot; value is not a valid.</source>
        <translation>La valeur en «&#xa0;%1&#xa0;» n&apos;est pas valide.</translation>
    </message>
</context>
<context>
    <name>tavrix::ResultsLogPrinting</name>
    <message>
        <source>Printing failed: cannot write the file &quot;%1&quot;.</source>
        <translation>Échec de l&apos;impression&#xa0;: impossible d&apos;écrire le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Printing failed: cannot write the file &quot;%1&quot;: %2.</source>
        <translation>Échec de l&apos;impression&#xa0;: impossible d&apos;écrire le fichier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Printing failed: the printer &quot;%1&quot; did not accept the job.</source>
        <translation>Échec de l&apos;impression&#xa0;: l&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas accepté la tâche.</translation>
    </message>
</context>
<context>
    <name>tavrix::TCalculatorModel</name>
    <message>
        <source>A negative number does not have a square root.</source>
        <translation>Un nombre négatif n&apos;a pas de racine carrée.</translation>
    </message>
    <message>
        <source>The result is too large for the calculator. The calculation was not carried out.</source>
        <translation>Le résultat est trop grand pour la calculatrice. Le calcul n&apos;a pas été effectué.</translation>
    </message>
</context>
<context>
    <name>tavrix::TFormCalculatorPopUp</name>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>The number being entered, or the last result</source>
        <translation>Le nombre en cours de saisie, ou le dernier résultat</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Pavé de touches</translation>
    </message>
    <message>
        <source>Calculator keys; on the keyboard type digits, the separator, + - * / and Enter for =</source>
        <translation>Touches de la calculatrice&#xa0;; au clavier, tapez les chiffres, le séparateur, + - * / et Entrée pour =</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hands the calculator&apos;s value back, unless an operation waits</source>
        <translation>Renvoie la valeur de la calculatrice, sauf si une opération est en attente</translation>
    </message>
    <message>
        <source>Shows the pending operation; hands the value back like OK</source>
        <translation>Affiche l&apos;opération en attente&#xa0;; renvoie la valeur comme OK</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>The pending operation, or = after a result</source>
        <translation>L&apos;opération en attente, ou = après un résultat</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>The value in the calculator&apos;s memory</source>
        <translation>La valeur dans la mémoire de la calculatrice</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Valeur actuelle</translation>
    </message>
    <message>
        <source>The calculator&apos;s current value</source>
        <translation>La valeur actuelle de la calculatrice</translation>
    </message>
</context>
<context>
    <name>tavrix::TFormFindUnit</name>
    <message>
        <source>Find unit</source>
        <translation>Rechercher une unité</translation>
    </message>
    <message>
        <source>Type part of a unit&apos;s name</source>
        <translation>Tapez une partie du nom d&apos;une unité</translation>
    </message>
    <message>
        <source>Up and Down choose a unit, Enter converts from it, Shift+Enter converts to it</source>
        <translation>Haut et Bas choisissent une unité, Entrée la prend comme unité de départ, Maj+Entrée comme unité d&apos;arrivée</translation>
    </message>
    <message>
        <source>Units found</source>
        <translation>Unités trouvées</translation>
    </message>
    <message>
        <source>No unit matches</source>
        <translation>Aucune unité ne correspond</translation>
    </message>
</context>
<context>
    <name>tavrix::TFormOVConvert_LogText</name>
    <message>
        <source>Results Log</source>
        <translation>Journal des résultats</translation>
    </message>
    <message>
        <source>The whole results log, to change, add notes to or shorten</source>
        <translation>L&apos;ensemble du journal des résultats, à modifier, annoter ou raccourcir</translation>
    </message>
    <message>
        <source>Puts this text into the results log</source>
        <translation>Place ce texte dans le journal des résultats</translation>
    </message>
    <message>
        <source>Leaves the results log as it was</source>
        <translation>Laisse le journal des résultats tel qu&apos;il était</translation>
    </message>
</context>
<context>
    <name>tavrix::TFormTavrix</name>
    <message>
        <source>Unit converter</source>
        <translation>Convertisseur d&apos;unités</translation>
    </message>
    <message>
        <source>Banner picture</source>
        <translation>Image de bannière</translation>
    </message>
    <message>
        <source>Supplier</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Opens the supplier&apos;s web site</source>
        <translation>Ouvre le site web du fournisseur</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>The categories of physical quantity; choosing one lists its units</source>
        <translation>Les catégories de grandeurs physiques&#xa0;; en choisir une affiche ses unités</translation>
    </message>
    <message>
        <source>The units of the category, to convert from</source>
        <translation>Les unités de la catégorie, pour choisir l&apos;unité de départ</translation>
    </message>
    <message>
        <source>The units of the category, to convert to</source>
        <translation>Les unités de la catégorie, pour choisir l&apos;unité d&apos;arrivée</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>The value to convert, in the unit chosen to convert from</source>
        <translation>La valeur à convertir, dans l&apos;unité de départ choisie</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Holds the result: the value in the unit chosen to convert to</source>
        <translation>Contient le résultat&#xa0;: la valeur dans l&apos;unité d&apos;arrivée choisie</translation>
    </message>
    <message>
        <source>Opens the calculator; its result becomes the value</source>
        <translation>Ouvre la calculatrice&#xa0;; son résultat devient la valeur</translation>
    </message>
    <message>
        <source>Times 2</source>
        <translation>Fois 2</translation>
    </message>
    <message>
        <source>Multiplies the value by 2</source>
        <translation>Multiplie la valeur par 2</translation>
    </message>
    <message>
        <source>Times 3</source>
        <translation>Fois 3</translation>
    </message>
    <message>
        <source>Multiplies the value by 3</source>
        <translation>Multiplie la valeur par 3</translation>
    </message>
    <message>
        <source>Times 4</source>
        <translation>Fois 4</translation>
    </message>
    <message>
        <source>Multiplies the value by 4</source>
        <translation>Multiplie la valeur par 4</translation>
    </message>
    <message>
        <source>Times 5</source>
        <translation>Fois 5</translation>
    </message>
    <message>
        <source>Multiplies the value by 5</source>
        <translation>Multiplie la valeur par 5</translation>
    </message>
    <message>
        <source>Times 10</source>
        <translation>Fois 10</translation>
    </message>
    <message>
        <source>Multiplies the value by 10</source>
        <translation>Multiplie la valeur par 10</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Replaces the value by 1 divided by it</source>
        <translation>Remplace la valeur par son inverse, 1 divisé par la valeur</translation>
    </message>
    <message>
        <source>Divided by 2</source>
        <translation>Divisé par 2</translation>
    </message>
    <message>
        <source>Divides the value by 2</source>
        <translation>Divise la valeur par 2</translation>
    </message>
    <message>
        <source>Divided by 3</source>
        <translation>Divisé par 3</translation>
    </message>
    <message>
        <source>Divides the value by 3</source>
        <translation>Divise la valeur par 3</translation>
    </message>
    <message>
        <source>Divided by 4</source>
        <translation>Divisé par 4</translation>
    </message>
    <message>
        <source>Divides the value by 4</source>
        <translation>Divise la valeur par 4</translation>
    </message>
    <message>
        <source>Divided by 5</source>
        <translation>Divisé par 5</translation>
    </message>
    <message>
        <source>Divides the value by 5</source>
        <translation>Divise la valeur par 5</translation>
    </message>
    <message>
        <source>Divided by 10</source>
        <translation>Divisé par 10</translation>
    </message>
    <message>
        <source>Divides the value by 10</source>
        <translation>Divise la valeur par 10</translation>
    </message>
    <message>
        <source>The number of decimals in the result, 0 to 16</source>
        <translation>Le nombre de décimales du résultat, de 0 à 16</translation>
    </message>
    <message>
        <source>Adds the conversion as a line of the results log</source>
        <translation>Ajoute la conversion comme ligne du journal des résultats</translation>
    </message>
    <message>
        <source>The results log&apos;s buttons</source>
        <translation>Les boutons du journal des résultats</translation>
    </message>
    <message>
        <source>The results collected so far, one per line, and notes</source>
        <translation>Les résultats recueillis jusqu&apos;ici, un par ligne, et des notes</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Do you wish to use a value equal to a %1?</source>
        <translation>Voulez-vous utiliser une valeur égale à un «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Division par zéro en virgule flottante</translation>
    </message>
    <message>
        <source>Tavrix Log (*.TVRX)</source>
        <translation>Journal des résultats Tavrix (*.TVRX)</translation>
    </message>
    <message>
        <source>Open Results Log file</source>
        <translation>Ouvrir un fichier de journal des résultats</translation>
    </message>
    <message>
        <source>Opening the results log file</source>
        <translation>Ouverture du fichier de journal des résultats</translation>
    </message>
    <message>
        <source>Opening the results log file...</source>
        <translation>Ouverture du fichier de journal des résultats...</translation>
    </message>
    <message>
        <source>Save Results Log file</source>
        <translation>Enregistrer le journal des résultats dans un fichier</translation>
    </message>
    <message>
        <source>Saving the results log</source>
        <translation>Enregistrement du journal des résultats</translation>
    </message>
    <message>
        <source>Saving the results log...</source>
        <translation>Enregistrement du journal des résultats...</translation>
    </message>
    <message>
        <source>Copying the results log</source>
        <translation>Copie du journal des résultats</translation>
    </message>
    <message>
        <source>Copying the results log...</source>
        <translation>Copie du journal des résultats...</translation>
    </message>
    <message>
        <source>Printing the results log</source>
        <translation>Impression du journal des résultats</translation>
    </message>
    <message>
        <source>Printing the results log...</source>
        <translation>Impression du journal des résultats...</translation>
    </message>
    <message>
        <source>The results log is too long to hand to the mail client: as the mail client would receive it, it takes %1 bytes, and at most %2 bytes fit.

Save the log to a file and attach that file to a message instead.</source>
        <translation>Le journal des résultats est trop long pour être transmis au client de messagerie&#xa0;: tel que celui-ci le recevrait, il occupe %1&#xa0;octets, alors que %2&#xa0;octets au plus peuvent être transmis.

Enregistrez plutôt le journal dans un fichier et joignez ce fichier à un message.</translation>
    </message>
    <message>
        <source>TAVRIX - Results Log</source>
        <translation>TAVRIX - Journal des résultats</translation>
    </message>
    <message>
        <source>Amending the results log</source>
        <translation>Modification du journal des résultats</translation>
    </message>
    <message>
        <source>Amending the results log...</source>
        <translation>Modification du journal des résultats...</translation>
    </message>
    <message>
        <source>Are your sure you wish to clear the results log?</source>
        <translation>Voulez-vous vraiment effacer le journal des résultats&#xa0;?</translation>
    </message>
</context>
<context>
    <name>tavrix::TFormTavrixSplash</name>
    <message>
        <source>About Tavrix</source>
        <translation>À propos de Tavrix</translation>
    </message>
    <message>
        <source>A press closes it</source>
        <translation>Un clic ferme cette fenêtre</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Supplier</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Opens the supplier&apos;s web site</source>
        <translation>Ouvre le site web du fournisseur</translation>
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
        <translation>Aucun navigateur web n&apos;a été trouvé pour afficher %1</translation>
    </message>
    <message>
        <source>Cannot find acrobat PDF reader to view %1</source>
        <translation>Aucun lecteur PDF n&apos;a été trouvé pour afficher %1</translation>
    </message>
</context>
</TS>
