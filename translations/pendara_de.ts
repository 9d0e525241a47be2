<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BatchPanel</name>
    <message>
        <source> Batch Processing </source>
        <translation> Stapelverarbeitung </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>At Inde&amp;x</source>
        <translation>An Inde&amp;x</translation>
    </message>
    <message>
        <source>P&amp;osition of</source>
        <translation>P&amp;osition von</translation>
    </message>
    <message>
        <source>Backwards</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Starting at</source>
        <translation>&amp;Beginnend bei</translation>
    </message>
    <message>
        <source>&amp;Position of</source>
        <translation>&amp;Position von</translation>
    </message>
    <message>
        <source>Remove Empty Lines</source>
        <translation>Leere Zeilen entfernen</translation>
    </message>
    <message>
        <source>Ignore Space</source>
        <translation>Leerz. egal</translation>
    </message>
    <message>
        <source>Trim Lines</source>
        <translation>Zeilen kürzen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>&amp;With</source>
        <translation>&amp;Durch</translation>
    </message>
    <message>
        <source>Remove Lines with Length</source>
        <translation>Zeilen löschen mit Länge</translation>
    </message>
    <message>
        <source>Equal to</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Less than</source>
        <translation>Kleiner als</translation>
    </message>
    <message>
        <source>More than</source>
        <translation>Größer als</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Include Type (&quot;And&quot; or &quot;Or&quot;)</source>
        <translation>Verknüpfung beim Behalten (&quot;A&quot; = und, &quot;O&quot; = oder)</translation>
    </message>
    <message>
        <source>Exclude</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Exclude Type (&quot;And&quot; or &quot;Or&quot;)</source>
        <translation>Verknüpfung beim Entfernen (&quot;A&quot; = und, &quot;O&quot; = oder)</translation>
    </message>
    <message>
        <source>MC</source>
        <translation>GK</translation>
    </message>
    <message>
        <source>Match Case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtern</translation>
    </message>
</context>
<context>
    <name>ComparerPage</name>
    <message>
        <source>First List (Only) :</source>
        <translation>Nur in erster Liste :</translation>
    </message>
    <message>
        <source>Export to Main List</source>
        <translation>In Hauptliste</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In Zwischenablage</translation>
    </message>
    <message>
        <source>Second List (Only) :</source>
        <translation>Nur in zweiter Liste :</translation>
    </message>
    <message>
        <source>Same :</source>
        <translation>In beiden :</translation>
    </message>
    <message>
        <source>Different :</source>
        <translation>Verschieden :</translation>
    </message>
    <message>
        <source> 1st List </source>
        <translation> 1. Liste </translation>
    </message>
    <message>
        <source>From File</source>
        <translation>Aus Datei</translation>
    </message>
    <message>
        <source>From Clipboard</source>
        <translation>Aus Zwischenablage</translation>
    </message>
    <message>
        <source>From &quot;Main List&quot;</source>
        <translation>Aus &quot;Hauptliste&quot;</translation>
    </message>
    <message>
        <source> 2nd List </source>
        <translation> 2. Liste </translation>
    </message>
    <message>
        <source>COMPARE</source>
        <translation>VERGLEICHEN</translation>
    </message>
</context>
<context>
    <name>ContributorPage</name>
    <message>
        <source>Contributor Name :</source>
        <translation>Name :</translation>
    </message>
    <message>
        <source>Contribution : </source>
        <translation>Beitrag : </translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Google Plus</source>
        <translation>Google Plus</translation>
    </message>
    <message>
        <source>Google+</source>
        <translation>Google+</translation>
    </message>
    <message>
        <source>Contributor List :</source>
        <translation>Liste der Mitwirkenden :</translation>
    </message>
    <message>
        <source>How to Support Us?</source>
        <translation>Wie können Sie uns unterstützen?</translation>
    </message>
</context>
<context>
    <name>ErrorMessagePage</name>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>to </source>
        <translation>bis </translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Error Message List :</source>
        <translation>Liste der Fehlermeldungen :</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Fehlermeldung</translation>
    </message>
</context>
<context>
    <name>ListBuilderPage</name>
    <message>
        <source>Main List :</source>
        <translation>Hauptliste :</translation>
    </message>
    <message>
        <source>Double-click: number of lines</source>
        <translation>Doppelklick: Anzahl der Zeilen</translation>
    </message>
    <message>
        <source>Load List</source>
        <translation>Liste laden</translation>
    </message>
    <message>
        <source>Save List</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <source>Sort List</source>
        <translation>Liste sortieren</translation>
    </message>
    <message>
        <source>Scramble List</source>
        <translation>Liste mischen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In Zwischenablage</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>Aus Zwischenablage</translation>
    </message>
</context>
<context>
    <name>MergerPage</name>
    <message>
        <source>MERGE to &quot;Main List&quot;</source>
        <translation>In &quot;Hauptliste&quot; ZUSAMMENFÜHREN</translation>
    </message>
    <message>
        <source> Merging Operation </source>
        <translation> Zusammenführen </translation>
    </message>
    <message>
        <source>Left + Right</source>
        <translation>Links + Rechts</translation>
    </message>
    <message>
        <source>Top + Bottom</source>
        <translation>Oben + Unten</translation>
    </message>
    <message>
        <source>Add Before</source>
        <translation>Davor einfügen</translation>
    </message>
    <message>
        <source>( Optional )</source>
        <translation>( Optional )</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Add After</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Left &lt;=&gt; Right</source>
        <translation>Links &lt;=&gt; Rechts</translation>
    </message>
</context>
<context>
    <name>MorePage</name>
    <message>
        <source>Click here to &quot;Download&quot;</source>
        <translation>Hier klicken zum &quot;Herunterladen&quot;</translation>
    </message>
    <message>
        <source>Share :)</source>
        <translation>Teilen :)</translation>
    </message>
</context>
<context>
    <name>ShellFolderPage</name>
    <message>
        <source>&amp;Shell Folder for</source>
        <translation>&amp;Shell-Ordner für</translation>
    </message>
    <message>
        <source>Current User</source>
        <translation>Aktueller Benutzer</translation>
    </message>
    <message>
        <source>Local Machine</source>
        <translation>Lokaler Rechner</translation>
    </message>
    <message>
        <source>&amp;Copy Folder Location</source>
        <translation>Ordnerpfad &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Open Selected Folder</source>
        <translation>Gewählten Ordner ö&amp;ffnen</translation>
    </message>
</context>
<context>
    <name>SupportPage</name>
    <message>
        <source>How to Support Us?</source>
        <translation>Wie können Sie uns unterstützen?</translation>
    </message>
    <message>
        <source>1. Promote Our Software on &quot;Facebook&quot; or &quot;Twitter&quot;</source>
        <translation>1. Empfehlen Sie unsere Software auf &quot;Facebook&quot; oder &quot;Twitter&quot;</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Auf Facebook teilen</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Auf Twitter teilen</translation>
    </message>
    <message>
        <source>2. Like Our Software on &quot;AlternativeTo&quot;</source>
        <translation>2. Bewerten Sie unsere Software auf &quot;AlternativeTo&quot;</translation>
    </message>
    <message>
        <source>Like on AlternativeTo</source>
        <translation>Auf AlternativeTo bewerten</translation>
    </message>
    <message>
        <source>3. Review Our Software on your &quot;Blog or Website&quot;</source>
        <translation>3. Besprechen Sie unsere Software in Ihrem &quot;Blog oder Ihrer Website&quot;</translation>
    </message>
    <message>
        <source>4. Make a Donation</source>
        <translation>4. Spenden Sie</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Bitcoin, Litecoin, Dogecoin</source>
        <translation>Bitcoin, Litecoin, Dogecoin</translation>
    </message>
    <message>
        <source>Bitcoin :</source>
        <translation>Bitcoin :</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Litecoin :</source>
        <translation>Litecoin :</translation>
    </message>
    <message>
        <source>Dogecoin :</source>
        <translation>Dogecoin :</translation>
    </message>
    <message>
        <source>Don&apos;t have Bitcoin, Litecoin or Dogecoin Wallet? Click Here!</source>
        <translation>Keine Bitcoin-, Litecoin- oder Dogecoin-Wallet? Hier klicken!</translation>
    </message>
    <message>
        <source>CoinPayments</source>
        <translation>CoinPayments</translation>
    </message>
    <message>
        <source>Donation Amount ($) :</source>
        <translation>Spendenbetrag ($) :</translation>
    </message>
    <message>
        <source>You may change this Value into &quot;Larger&quot; or &quot;Smaller&quot; amount</source>
        <translation>Sie können den Betrag &quot;größer&quot; oder &quot;kleiner&quot; wählen</translation>
    </message>
    <message>
        <source>Don&apos;t have CoinPayments Account? Click Here!</source>
        <translation>Kein CoinPayments-Konto? Hier klicken!</translation>
    </message>
    <message>
        <source>Payeer</source>
        <translation>Payeer</translation>
    </message>
    <message>
        <source>If you like Our Software &amp; find it useful, Please consider</source>
        <translation>Wenn Ihnen unsere Software gefällt und nützt, denken Sie bitte an</translation>
    </message>
    <message>
        <source>Making a Donation to &quot;Keep Our Software Development going&quot; :</source>
        <translation>eine Spende, damit &quot;die Entwicklung weitergeht&quot; :</translation>
    </message>
    <message>
        <source>Don&apos;t have Payeer Account? Click Here!</source>
        <translation>Kein Payeer-Konto? Hier klicken!</translation>
    </message>
    <message>
        <source>Skrill</source>
        <translation>Skrill</translation>
    </message>
    <message>
        <source>Don&apos;t have Skrill Account? Click Here!</source>
        <translation>Kein Skrill-Konto? Hier klicken!</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>5. Subscribe to Our &quot;Facebook Fanpage&quot;</source>
        <translation>5. Abonnieren Sie unsere &quot;Facebook-Fanseite&quot;</translation>
    </message>
    <message>
        <source>Our fan page</source>
        <translation>Unsere Fanseite</translation>
    </message>
    <message>
        <source>6. Share Our Software to Your Friends</source>
        <translation>6. Empfehlen Sie unsere Software Ihren Freunden</translation>
    </message>
    <message>
        <source>7. Keep using Our Software</source>
        <translation>7. Nutzen Sie unsere Software weiter</translation>
    </message>
    <message>
        <source>Contributor List</source>
        <translation>Mitwirkende</translation>
    </message>
</context>
<context>
    <name>TPDFrm</name>
    <message>
        <source>Pendara</source>
        <translation>Pendara</translation>
    </message>
    <message>
        <source>Double-click: open another window</source>
        <translation>Doppelklick: weiteres Fenster öffnen</translation>
    </message>
    <message>
        <source>Double-click: open the program&apos;s folder</source>
        <translation>Doppelklick: Programmordner öffnen</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Homepage besuchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Support Us! </source>
        <translation>Unterstützen! </translation>
    </message>
    <message>
        <source>We need your Support to &quot;Stay Alive&quot;</source>
        <translation>Wir brauchen Ihre Unterstützung, um &quot;weiterzumachen&quot;</translation>
    </message>
    <message>
        <source>List Builder</source>
        <translation>Listen-Editor</translation>
    </message>
    <message>
        <source>List Merger</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>List Comparer</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>EXTRAS</source>
        <translation>EXTRAS</translation>
    </message>
    <message>
        <source>MORE Software </source>
        <translation>MEHR Software </translation>
    </message>
</context>
<context>
    <name>TfrmDonate</name>
    <message>
        <source>Support &quot;%s&quot;</source>
        <translation>&quot;%s&quot; unterstützen</translation>
    </message>
    <message>
        <source>Thank you for using %s!</source>
        <translation>Danke, dass Sie %s verwenden!</translation>
    </message>
    <message>
        <source>If you like our software and want to say thanks, you can promote our software via Facebook, Twitter, etc or make a donation via Bitcoin.</source>
        <translation>Wenn Ihnen unsere Software gefällt und Sie danke sagen möchten, können Sie sie auf Facebook, Twitter usw. empfehlen oder per Bitcoin spenden.</translation>
    </message>
    <message>
        <source>Your support &amp; contributions are greatly appreciated!</source>
        <translation>Wir freuen uns sehr über Ihre Unterstützung und Ihre Beiträge!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Danke!</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Like</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Tweet</source>
        <translation>Tweet</translation>
    </message>
    <message>
        <source>₿ Bitcoin</source>
        <translation>₿ Bitcoin</translation>
    </message>
    <message>
        <source>Don&apos;t have &quot;Bitcoin Wallet&quot;? Click Here!</source>
        <translation>Keine &quot;Bitcoin-Wallet&quot;? Hier klicken!</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Show this dialog when &quot;%s&quot; starts</source>
        <translation>Diesen Dialog beim Start von &quot;%s&quot; zeigen</translation>
    </message>
</context>
<context>
    <name>TfrmPDAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Pendara</source>
        <translation>Pendara</translation>
    </message>
    <message>
        <source>Last Updated : August 2016</source>
        <translation>Stand : August 2016</translation>
    </message>
    <message>
        <source> About Us </source>
        <translation> Über uns </translation>
    </message>
    <message>
        <source>Homepage        :</source>
        <translation>Homepage        :</translation>
    </message>
    <message>
        <source>Fanpage           :</source>
        <translation>Fanseite          :</translation>
    </message>
    <message>
        <source>Forum                :</source>
        <translation>Forum                :</translation>
    </message>
    <message>
        <source>Bitcoin</source>
        <translation>Bitcoin</translation>
    </message>
    <message>
        <source>Donate with Bitcoin</source>
        <translation>Mit Bitcoin spenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Our social page</source>
        <translation>Unsere Seite im sozialen Netz</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Auf Facebook teilen</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Auf Twitter teilen</translation>
    </message>
</context>
<context>
    <name>pendara::BulkRun</name>
    <message>
        <source>Working...</source>
        <translation>In Arbeit...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>pendara::Catalogue</name>
    <message>
        <source>A to Z match only in the same case</source>
        <translation>A bis Z passen nur in gleicher Schreibung</translation>
    </message>
    <message>
        <source>FIND is a pattern; \0 to \9 in WITH are the match and its groups</source>
        <translation>FIND ist ein Muster; \0 bis \9 in WITH sind der Treffer und seine Gruppen</translation>
    </message>
    <message>
        <source>a line of blanks only is empty too</source>
        <translation>eine Zeile nur aus Leerraum ist auch leer</translation>
    </message>
    <message>
        <source>a number&apos;s fraction follows a comma</source>
        <translation>die Nachkommastellen einer Zahl folgen einem Komma</translation>
    </message>
    <message>
        <source>after each line (a line of its own with --top-bottom)</source>
        <translation>nach jeder Zeile (mit --top-bottom eine eigene Zeile)</translation>
    </message>
    <message>
        <source>all of the first list, then the second</source>
        <translation>die ganze erste Liste, dann die zweite</translation>
    </message>
    <message>
        <source>before character N (default 1)</source>
        <translation>vor Zeichen N (Vorgabe 1)</translation>
    </message>
    <message>
        <source>between the number and the line (default &quot;. &quot;)</source>
        <translation>zwischen Nummer und Zeile (Vorgabe &quot;. &quot;)</translation>
    </message>
    <message>
        <source>between the two sides (a line between the lists)</source>
        <translation>zwischen beiden Seiten (eine Zeile zwischen den Listen)</translation>
    </message>
    <message>
        <source>blanks at the ends do not count</source>
        <translation>Leerraum an den Enden zählt nicht</translation>
    </message>
    <message>
        <source>by number of characters first</source>
        <translation>zuerst nach Anzahl der Zeichen</translation>
    </message>
    <message>
        <source>change every line to upper, lower, title or sentence case, by the locale</source>
        <translation>jede Zeile in Groß-, Klein-, Titel- oder Satzschreibung ändern, nach dem Gebietsschema</translation>
    </message>
    <message>
        <source>compare as numbers</source>
        <translation>als Zahlen vergleichen</translation>
    </message>
    <message>
        <source>compare by FIELD[:FLAGS] or cA-B[:FLAGS], flags of n v l c r; again: in turn</source>
        <translation>nach FIELD[:FLAGS] oder cA-B[:FLAGS] vergleichen, Flags aus n v l c r; mehrfach: der Reihe nach</translation>
    </message>
    <message>
        <source>compare two lists, ignoring case, and print one of the four results</source>
        <translation>zwei Listen ohne Beachtung der Schreibung vergleichen und eines der vier Ergebnisse ausgeben</translation>
    </message>
    <message>
        <source>count each group of equal lines, most frequent first</source>
        <translation>jede Gruppe gleicher Zeilen zählen, die häufigste zuerst</translation>
    </message>
    <message>
        <source>count from the end of the line; before T, not after it</source>
        <translation>vom Zeilenende aus zählen; vor T statt danach</translation>
    </message>
    <message>
        <source>cut at SEP (default &quot;,&quot;)</source>
        <translation>bei SEP trennen (Vorgabe &quot;,&quot;)</translation>
    </message>
    <message>
        <source>cut each line at every SEP, each piece a line of its own</source>
        <translation>jede Zeile bei jedem SEP trennen, jedes Stück eine eigene Zeile</translation>
    </message>
    <message>
        <source>drop only those holding all of them</source>
        <translation>nur die entfernen, die alle enthalten</translation>
    </message>
    <message>
        <source>drop the lines holding any of these words</source>
        <translation>die Zeilen entfernen, die eines dieser Wörter enthalten</translation>
    </message>
    <message>
        <source>every copy, not one of each</source>
        <translation>jede Kopie, nicht eine von jeder</translation>
    </message>
    <message>
        <source>every match of a line, each on a line of its own</source>
        <translation>jeden Treffer einer Zeile, jeden in einer eigenen Zeile</translation>
    </message>
    <message>
        <source>every run of blanks counts as one space</source>
        <translation>jede Folge von Leerraum zählt als ein Leerzeichen</translation>
    </message>
    <message>
        <source>fields are separated by SEP (default TAB)</source>
        <translation>Felder sind durch SEP getrennt (Vorgabe TAB)</translation>
    </message>
    <message>
        <source>fields are separated by SEP (otherwise by runs of blanks)</source>
        <translation>Felder sind durch SEP getrennt (sonst durch Folgen von Leerraum)</translation>
    </message>
    <message>
        <source>fold case for all of Unicode</source>
        <translation>Schreibung für ganz Unicode angleichen</translation>
    </message>
    <message>
        <source>from character K (default 1)</source>
        <translation>ab Zeichen K (Vorgabe 1)</translation>
    </message>
    <message>
        <source>from the last line to the first</source>
        <translation>von der letzten Zeile zur ersten</translation>
    </message>
    <message>
        <source>how many characters (default 1)</source>
        <translation>wie viele Zeichen (Vorgabe 1)</translation>
    </message>
    <message>
        <source>in front of each line (a line of its own with --top-bottom)</source>
        <translation>vor jeder Zeile (mit --top-bottom eine eigene Zeile)</translation>
    </message>
    <message>
        <source>insert TEXT into every line at an index (default 1) or next to a text</source>
        <translation>TEXT in jede Zeile an einem Index (Vorgabe 1) oder neben einem Text einfügen</translation>
    </message>
    <message>
        <source>instead of PATTERN; more than once: any of them</source>
        <translation>statt PATTERN; mehrfach: irgendeines davon</translation>
    </message>
    <message>
        <source>join each run of N lines (default all)</source>
        <translation>je N Zeilen verbinden (Vorgabe alle)</translation>
    </message>
    <message>
        <source>join the fields by T (default SEP, or a space with --blanks)</source>
        <translation>die Felder mit T verbinden (Vorgabe SEP, mit --blanks ein Leerzeichen)</translation>
    </message>
    <message>
        <source>join the lines into one, or each run of N lines into one</source>
        <translation>die Zeilen zu einer verbinden, oder je N Zeilen zu einer</translation>
    </message>
    <message>
        <source>join two lists line by line, or one after the other with --top-bottom</source>
        <translation>zwei Listen Zeile für Zeile verbinden, oder mit --top-bottom nacheinander</translation>
    </message>
    <message>
        <source>keep of each line the part a pattern matches; drop the lines without one</source>
        <translation>von jeder Zeile den Teil behalten, auf den ein Muster passt; Zeilen ohne Treffer entfernen</translation>
    </message>
    <message>
        <source>keep one line of each group of equal lines</source>
        <translation>eine Zeile jeder Gruppe gleicher Zeilen behalten</translation>
    </message>
    <message>
        <source>keep only lines that occur exactly once</source>
        <translation>nur Zeilen behalten, die genau einmal vorkommen</translation>
    </message>
    <message>
        <source>keep only lines that occur more than once</source>
        <translation>nur Zeilen behalten, die mehr als einmal vorkommen</translation>
    </message>
    <message>
        <source>keep the lines a pattern matches (RE2 syntax)</source>
        <translation>die Zeilen behalten, auf die ein Muster passt (RE2-Syntax)</translation>
    </message>
    <message>
        <source>keep the lines holding all of these words</source>
        <translation>die Zeilen behalten, die alle diese Wörter enthalten</translation>
    </message>
    <message>
        <source>keep the lines holding the include words, then drop those holding the exclude words</source>
        <translation>die Zeilen mit den Wörtern zum Behalten behalten, dann die mit den Wörtern zum Entfernen entfernen</translation>
    </message>
    <message>
        <source>keep the listed fields of each line, in the listed order (LIST: 1,3-4,-1)</source>
        <translation>die genannten Felder jeder Zeile in der genannten Reihenfolge behalten (LIST: 1,3-4,-1)</translation>
    </message>
    <message>
        <source>keep the others instead</source>
        <translation>stattdessen die anderen behalten</translation>
    </message>
    <message>
        <source>keep those holding any one of the include words</source>
        <translation>die behalten, die irgendeines der Wörter zum Behalten enthalten</translation>
    </message>
    <message>
        <source>leave out empty pieces</source>
        <translation>leere Stücke auslassen</translation>
    </message>
    <message>
        <source>lines are equal only byte for byte, not by the locale</source>
        <translation>Zeilen sind nur Byte für Byte gleich, nicht nach dem Gebietsschema</translation>
    </message>
    <message>
        <source>match whole lines only</source>
        <translation>nur ganze Zeilen treffen</translation>
    </message>
    <message>
        <source>match whole words only</source>
        <translation>nur ganze Wörter treffen</translation>
    </message>
    <message>
        <source>next to the first occurrence of T instead</source>
        <translation>stattdessen neben dem ersten Vorkommen von T</translation>
    </message>
    <message>
        <source>of LOW to HIGH characters, both included, in either order</source>
        <translation>mit LOW bis HIGH Zeichen, beide eingeschlossen, in beliebiger Reihenfolge</translation>
    </message>
    <message>
        <source>of exactly N characters</source>
        <translation>mit genau N Zeichen</translation>
    </message>
    <message>
        <source>of fewer than N characters</source>
        <translation>mit weniger als N Zeichen</translation>
    </message>
    <message>
        <source>of more than N characters</source>
        <translation>mit mehr als N Zeichen</translation>
    </message>
    <message>
        <source>only the first line of each group of equal keys</source>
        <translation>nur die erste Zeile jeder Gruppe gleicher Schlüssel</translation>
    </message>
    <message>
        <source>only the first match of each line</source>
        <translation>nur den ersten Treffer jeder Zeile</translation>
    </message>
    <message>
        <source>print the number of lines</source>
        <translation>die Anzahl der Zeilen ausgeben</translation>
    </message>
    <message>
        <source>put SEP between the lines (default &quot;, &quot;)</source>
        <translation>SEP zwischen die Zeilen setzen (Vorgabe &quot;, &quot;)</translation>
    </message>
    <message>
        <source>put each line&apos;s number in front of it</source>
        <translation>jeder Zeile ihre Nummer voranstellen</translation>
    </message>
    <message>
        <source>put the lines in random order</source>
        <translation>die Zeilen in zufällige Reihenfolge bringen</translation>
    </message>
    <message>
        <source>put the lines in reverse order</source>
        <translation>die Zeilen in umgekehrte Reihenfolge bringen</translation>
    </message>
    <message>
        <source>remove N characters (default 1) of every line from a position or next to a text</source>
        <translation>N Zeichen (Vorgabe 1) jeder Zeile ab einer Position oder neben einem Text entfernen</translation>
    </message>
    <message>
        <source>remove the empty lines (--ignore-space: also those of blanks only)</source>
        <translation>die leeren Zeilen entfernen (--ignore-space: auch die nur aus Leerraum)</translation>
    </message>
    <message>
        <source>remove the lines of a given length in characters</source>
        <translation>die Zeilen einer bestimmten Länge in Zeichen entfernen</translation>
    </message>
    <message>
        <source>replace every FIND by WITH (default empty) in every line, case-sensitive unless -I</source>
        <translation>jedes FIND in jeder Zeile durch WITH (Vorgabe leer) ersetzen, mit Beachtung der Schreibung außer mit -I</translation>
    </message>
    <message>
        <source>runs of blanks separate fields; blanks at the ends do not count</source>
        <translation>Folgen von Leerraum trennen Felder; Leerraum an den Enden zählt nicht</translation>
    </message>
    <message>
        <source>runs of digits compare by their value</source>
        <translation>Ziffernfolgen werden nach ihrem Wert verglichen</translation>
    </message>
    <message>
        <source>sort the lines, ignoring case, by the user&apos;s locale</source>
        <translation>die Zeilen ohne Beachtung der Schreibung nach dem Gebietsschema des Benutzers sortieren</translation>
    </message>
    <message>
        <source>strip blanks from both ends of each piece</source>
        <translation>Leerraum an beiden Enden jedes Stücks entfernen</translation>
    </message>
    <message>
        <source>strip blanks from the ends of every line (both ends unless one is named)</source>
        <translation>Leerraum an den Enden jeder Zeile entfernen (an beiden, wenn keines genannt ist)</translation>
    </message>
    <message>
        <source>the end of each line</source>
        <translation>das Ende jeder Zeile</translation>
    </message>
    <message>
        <source>the first line&apos;s number (default 1)</source>
        <translation>die Nummer der ersten Zeile (Vorgabe 1)</translation>
    </message>
    <message>
        <source>the first list&apos;s lines alone, the second&apos;s, both, or either alone</source>
        <translation>nur die Zeilen der ersten Liste, nur die der zweiten, die in beiden, oder die nur in einer</translation>
    </message>
    <message>
        <source>the pattern&apos;s group N instead of the whole match</source>
        <translation>die Gruppe N des Musters statt des ganzen Treffers</translation>
    </message>
    <message>
        <source>the same seed gives the same order (otherwise from the clock)</source>
        <translation>derselbe Startwert ergibt dieselbe Reihenfolge (sonst von der Uhr)</translation>
    </message>
    <message>
        <source>the start of each line</source>
        <translation>den Anfang jeder Zeile</translation>
    </message>
    <message>
        <source>which copy of each group stays where it stood</source>
        <translation>welche Kopie jeder Gruppe an ihrer Stelle bleibt</translation>
    </message>
    <message>
        <source>zero-padded to this many digits (default 0: no padding)</source>
        <translation>mit Nullen auf so viele Stellen aufgefüllt (Vorgabe 0: kein Auffüllen)</translation>
    </message>
</context>
<context>
    <name>pendara::CommandDialog</name>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Find a command by name or what it does</source>
        <translation>Befehl nach Name oder Wirkung suchen</translation>
    </message>
    <message>
        <source>a list file</source>
        <translation>eine Listendatei</translation>
    </message>
    <message>
        <source>or give %1</source>
        <translation>oder %1 angeben</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>one %1 a line</source>
        <translation>ein %1 je Zeile</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <translation>%1 (%2 bis %3)</translation>
    </message>
    <message>
        <source>Working out the preview...</source>
        <translation>Vorschau wird berechnet...</translation>
    </message>
    <message>
        <source>%1 lines before, %2 after, %3 changed</source>
        <translation>%1 Zeilen vorher, %2 nachher, %3 geändert</translation>
    </message>
    <message>
        <source>, the order changes</source>
        <translation>, die Reihenfolge ändert sich</translation>
    </message>
    <message>
        <source>. Changed lines are marked with *.</source>
        <translation>. Geänderte Zeilen sind mit * markiert.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>pendara::ComparerPage</name>
    <message>
        <source>1 line</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1 went to the Main List</source>
        <translation>%1 in die Hauptliste übernommen</translation>
    </message>
    <message>
        <source>Browse for the 1st list</source>
        <translation>Die 1. Liste suchen</translation>
    </message>
    <message>
        <source>Browse for the 2nd list</source>
        <translation>Die 2. Liste suchen</translation>
    </message>
</context>
<context>
    <name>pendara::ContributorPage</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Google Plus</source>
        <translation>Google Plus</translation>
    </message>
    <message>
        <source>Contribution</source>
        <translation>Beitrag</translation>
    </message>
</context>
<context>
    <name>pendara::Dialogs</name>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
</context>
<context>
    <name>pendara::ErrorMessagePage</name>
    <message>
        <source>Error Code</source>
        <translation>Fehlercode</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Fehlermeldung</translation>
    </message>
</context>
<context>
    <name>pendara::Failure</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Die Zwischenablage kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Choose a command.</source>
        <translation>Wählen Sie einen Befehl.</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Der Text übersteigt die Kapazität der Liste</translation>
    </message>
    <message>
        <source>No temporary folder</source>
        <translation>Kein temporärer Ordner</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;. It is not a regular file</source>
        <translation>Die Datei &quot;%s&quot; kann nicht geöffnet werden. Sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;. %s</source>
        <translation>Die Datei &quot;%s&quot; kann nicht geöffnet werden. %s</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;. %s</source>
        <translation>Die Datei &quot;%s&quot; kann nicht angelegt werden. %s</translation>
    </message>
    <message>
        <source>Line %s holds &quot;%s&quot; (%s), which %s cannot hold</source>
        <translation>Zeile %s enthält &quot;%s&quot; (%s), das %s nicht darstellen kann</translation>
    </message>
    <message>
        <source>Unknown encoding &quot;%s&quot;</source>
        <translation>Unbekannte Kodierung &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Cannot read the list as %s</source>
        <translation>Die Liste kann nicht als %s gelesen werden</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%s&apos;</source>
        <translation>Ungültiger Datentyp für &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%s&apos;</source>
        <translation>Die Daten für &apos;%s&apos; konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Failed to create key %s</source>
        <translation>Der Schlüssel %s konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>List index out of bounds (%d)</source>
        <translation>Listenindex außerhalb der Grenzen (%d)</translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <translation>&apos;%s&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Fehler beim Schreiben</translation>
    </message>
    <message>
        <source>Line too long to compare</source>
        <translation>Zeile zu lang zum Vergleichen</translation>
    </message>
    <message>
        <source>Cannot open the line comparison</source>
        <translation>Der Zeilenvergleich kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot open the case mapping</source>
        <translation>Die Umwandlung der Schreibung kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>A line is too long to change its case</source>
        <translation>Eine Zeile ist zu lang, um ihre Schreibung zu ändern</translation>
    </message>
    <message>
        <source>Cannot change the case of a line</source>
        <translation>Die Schreibung einer Zeile kann nicht geändert werden</translation>
    </message>
</context>
<context>
    <name>pendara::FileFormMenu</name>
    <message>
        <source>File Form</source>
        <translation>Dateiform</translation>
    </message>
    <message>
        <source>Reopen with &amp;Encoding</source>
        <translation>Mit &amp;Kodierung neu öffnen</translation>
    </message>
    <message>
        <source>&amp;All Encodings</source>
        <translation>&amp;Alle Kodierungen</translation>
    </message>
    <message>
        <source>File Form: </source>
        <translation>Dateiform: </translation>
    </message>
    <message>
        <source>Plain bytes</source>
        <translation>Reine Bytes</translation>
    </message>
    <message>
        <source>UTF-8 with mark</source>
        <translation>UTF-8 mit Markierung</translation>
    </message>
    <message>
        <source>UTF-16 LE</source>
        <translation>UTF-16 LE</translation>
    </message>
    <message>
        <source>UTF-16 BE</source>
        <translation>UTF-16 BE</translation>
    </message>
    <message>
        <source>CR LF</source>
        <translation>CR LF</translation>
    </message>
    <message>
        <source>LF</source>
        <translation>LF</translation>
    </message>
    <message>
        <source>CR</source>
        <translation>CR</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>, no final break</source>
        <translation>, ohne abschließenden Umbruch</translation>
    </message>
</context>
<context>
    <name>pendara::FindBar</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Enter: next match, Shift+Enter: previous match</source>
        <translation>Eingabe: nächster Treffer, Umschalt+Eingabe: voriger Treffer</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Voriger Treffer (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Nächster Treffer (F3)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß/klein beachten</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Ganzes Wort</translation>
    </message>
    <message>
        <source>Go to line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>Go to Line (Ctrl+G)</source>
        <translation>Gehe zu Zeile (Strg+G)</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
</context>
<context>
    <name>pendara::ListBuilderPage</name>
    <message>
        <source>Recent &amp;Lists</source>
        <translation>&amp;Zuletzt verwendete Listen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Go to Line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Line %1, Col %2 · %3 %4</source>
        <translation>Zeile %1, Spalte %2 · %3 %4</translation>
    </message>
    <message>
        <source>line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Text File (*.txt);;All Files (*)</source>
        <translation>Textdatei (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>.

Save the list as UTF-8 instead?</source>
        <translation>.

Die Liste stattdessen als UTF-8 speichern?</translation>
    </message>
    <message>
        <source>Number of Lines : %1</source>
        <translation>Anzahl der Zeilen : %1</translation>
    </message>
</context>
<context>
    <name>pendara::MainListActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Remove &amp;Duplicates</source>
        <translation>&amp;Doppelte entfernen</translation>
    </message>
    <message>
        <source>Keep &amp;Repeated Lines</source>
        <translation>Wiederholte &amp;Zeilen behalten</translation>
    </message>
    <message>
        <source>Keep S&amp;ingle Lines</source>
        <translation>&amp;Einzelne Zeilen behalten</translation>
    </message>
    <message>
        <source>&amp;Tally Lines</source>
        <translation>Zeilen &amp;zählen</translation>
    </message>
    <message>
        <source>Re&amp;verse</source>
        <translation>&amp;Umkehren</translation>
    </message>
    <message>
        <source>Sort D&amp;escending</source>
        <translation>&amp;Absteigend sortieren</translation>
    </message>
    <message>
        <source>N&amp;atural Sort</source>
        <translation>&amp;Natürlich sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;Length</source>
        <translation>Nach &amp;Länge sortieren</translation>
    </message>
    <message>
        <source>&amp;Number Lines...</source>
        <translation>Zeilen &amp;nummerieren...</translation>
    </message>
    <message>
        <source>Co&amp;mmands...</source>
        <translation>&amp;Befehle...</translation>
    </message>
    <message>
        <source>Sort by &amp;Key...</source>
        <translation>Nach &amp;Schlüssel sortieren...</translation>
    </message>
    <message>
        <source>Run Recipe...</source>
        <translation>Rezept ausführen...</translation>
    </message>
    <message>
        <source>&amp;Save Steps as Recipe...</source>
        <translation>Schritte als Rezept &amp;speichern...</translation>
    </message>
    <message>
        <source>New &amp;Window</source>
        <translation>Neues &amp;Fenster</translation>
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
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
</context>
<context>
    <name>pendara::MergerPage</name>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top &lt;=&gt; Bottom</source>
        <translation>Oben &lt;=&gt; Unten</translation>
    </message>
    <message>
        <source>Left &lt;=&gt; Right</source>
        <translation>Links &lt;=&gt; Rechts</translation>
    </message>
    <message>
        <source>Browse for the first list</source>
        <translation>Die erste Liste suchen</translation>
    </message>
    <message>
        <source>Browse for the second list</source>
        <translation>Die zweite Liste suchen</translation>
    </message>
</context>
<context>
    <name>pendara::MorePage</name>
    <message>
        <source>Program Name</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Download Link</source>
        <translation>Download-Link</translation>
    </message>
    <message>
        <source>Share Link</source>
        <translation>Link zum Teilen</translation>
    </message>
    <message>
        <source>Share :)</source>
        <translation>Teilen :)</translation>
    </message>
    <message>
        <source>Share :(</source>
        <translation>Teilen :(</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
</context>
<context>
    <name>pendara::QtDialogs</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Number Lines</source>
        <translation>Zeilen nummerieren</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Beginnen bei:</translation>
    </message>
    <message>
        <source>Digits (0 for no padding):</source>
        <translation>Stellen (0 ohne Auffüllen):</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Trennzeichen:</translation>
    </message>
</context>
<context>
    <name>pendara::RecipeStepsDialog</name>
    <message>
        <source>Recipe (*.%1);;All Files (*)</source>
        <translation>Rezept (*.%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Steps as Recipe</source>
        <translation>Schritte als Rezept speichern</translation>
    </message>
    <message>
        <source>The steps since the list was loaded, one a line. Move lines to reorder the steps, delete a line to leave its step out.</source>
        <translation>Die Schritte seit dem Laden der Liste, einer je Zeile. Verschieben Sie Zeilen, um die Schritte umzuordnen; löschen Sie eine Zeile, um ihren Schritt auszulassen.</translation>
    </message>
    <message>
        <source>Some changes since the list was loaded (typing, Paste, Clear, or a step without a command line) are not among these steps: the recipe does not give the list as it is now.</source>
        <translation>Einige Änderungen seit dem Laden der Liste (Tippen, Einfügen, Leeren oder ein Schritt ohne Befehlszeile) sind nicht unter diesen Schritten: Das Rezept ergibt nicht die Liste, wie sie jetzt ist.</translation>
    </message>
    <message>
        <source>No steps were recorded since the list was loaded.</source>
        <translation>Seit dem Laden der Liste wurden keine Schritte aufgezeichnet.</translation>
    </message>
    <message>
        <source>Save Recipe</source>
        <translation>Rezept speichern</translation>
    </message>
    <message>
        <source>Run Recipe</source>
        <translation>Rezept ausführen</translation>
    </message>
    <message>
        <source>Run the recipe %1 on the Main List?</source>
        <translation>Das Rezept %1 auf die Hauptliste anwenden?</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
</context>
<context>
    <name>pendara::ShellFolderPage</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Shell folders</source>
        <translation>Shell-Ordner</translation>
    </message>
</context>
<context>
    <name>pendara::SupportPage</name>
    <message>
        <source>Your Donation will be used to :

1. Keep our Software Development going

2. Buy our own Domain &amp; Web Hosting
( Currently We still using Subdomain &amp; Free Webhosting
which can be Suspended anytime )

3. Save our Virtual Company from Collapsed
( Our funds was limited, and our Virtual Company maybe will be Collapsed
when We run out of Money, Sooner or Later )</source>
        <translation>Ihre Spende wird verwendet, um :

1. unsere Softwareentwicklung fortzusetzen

2. eine eigene Domain und eigenes Webhosting zu kaufen
( Derzeit nutzen wir noch eine Subdomain und kostenloses Webhosting,
das jederzeit gesperrt werden kann )

3. unsere virtuelle Firma vor dem Zusammenbruch zu bewahren
( Unsere Mittel sind begrenzt, und unsere virtuelle Firma könnte früher
oder später zusammenbrechen, wenn uns das Geld ausgeht )</translation>
    </message>
    <message>
        <source>Support Us</source>
        <translation>Unterstützen Sie uns</translation>
    </message>
    <message>
        <source>Donate with CoinPayments</source>
        <translation>Mit CoinPayments spenden</translation>
    </message>
    <message>
        <source>Donate with Skrill</source>
        <translation>Mit Skrill spenden</translation>
    </message>
    <message>
        <source>Donate by mobile credit</source>
        <translation>Per Mobilfunkguthaben spenden</translation>
    </message>
</context>
<context>
    <name>pendara::TPDFrm</name>
    <message>
        <source>Day(s)</source>
        <translation>Tag(e)</translation>
    </message>
    <message>
        <source>Hour(s)</source>
        <translation>Stunde(n)</translation>
    </message>
    <message>
        <source>Minute(s)</source>
        <translation>Minute(n)</translation>
    </message>
    <message>
        <source>Second(s)</source>
        <translation>Sekunde(n)</translation>
    </message>
    <message>
        <source>Memory Usage :</source>
        <translation>Speicherauslastung :</translation>
    </message>
    <message>
        <source>Power :</source>
        <translation>Akku :</translation>
    </message>
    <message>
        <source>System Uptime :</source>
        <translation>Systemlaufzeit :</translation>
    </message>
    <message>
        <source>List Builder</source>
        <translation>Listen-Editor</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Fehlermeldung</translation>
    </message>
    <message>
        <source>Shell Folder</source>
        <translation>Shell-Ordner</translation>
    </message>
    <message>
        <source>Contributor List</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Support Us!</source>
        <translation>Unterstützen!</translation>
    </message>
    <message>
        <source>MORE Software</source>
        <translation>MEHR Software</translation>
    </message>
    <message>
        <source>List Merger</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>List Comparer</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>About (F1)</source>
        <translation>Über (F1)</translation>
    </message>
    <message>
        <source>Click here if you want to &quot;Support Us&quot;
</source>
        <translation>Klicken Sie hier, wenn Sie uns &quot;unterstützen&quot;
</translation>
    </message>
    <message>
        <source>with a &quot;Donation&quot;</source>
        <translation>möchten, mit einer &quot;Spende&quot;</translation>
    </message>
    <message>
        <source>Save changes to the Main List?</source>
        <translation>Änderungen an der Hauptliste speichern?</translation>
    </message>
</context>
<context>
    <name>pendara::TfrmPDAbout</name>
    <message>
        <source>Like</source>
        <translation>Like</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Tweet</source>
        <translation>Tweet</translation>
    </message>
</context>
<context>
    <name>pendara::maker</name>
    <message>
        <source>If you want to support our Software Development, you can send a Donation to Our BitCoin Address

Thanks!</source>
        <translation>Wenn Sie unsere Softwareentwicklung unterstützen möchten, können Sie eine Spende an unsere Bitcoin-Adresse senden

Danke!</translation>
    </message>
    <message>
        <source>If you want to Support Our Software Development, you can Send a Donation to Our BitCoin Address

Thanks!</source>
        <translation>Wenn Sie unsere Softwareentwicklung unterstützen möchten, können Sie eine Spende an unsere Bitcoin-Adresse senden

Danke!</translation>
    </message>
    <message>
        <source>If you live where mobile credit can be sent from phone to phone, you can support Pendara through your mobile operator: send any amount of credit to the number below.

Select the number and copy it, then send the credit from your phone. Thank you!</source>
        <translation>Wenn Sie dort leben, wo Guthaben von Telefon zu Telefon gesendet werden kann, können Sie Pendara über Ihren Mobilfunkanbieter unterstützen: Senden Sie einen beliebigen Betrag an die Nummer unten.

Wählen Sie die Nummer aus, kopieren Sie sie und senden Sie dann das Guthaben von Ihrem Telefon. Danke!</translation>
    </message>
</context>
</TS>
