<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Form1</name>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Loopback On</source>
        <translation>Schleife ein</translation>
    </message>
    <message>
        <source>Loopback Off</source>
        <translation>Schleife aus</translation>
    </message>
    <message>
        <source>Cont Send On</source>
        <translation>Dauersenden ein</translation>
    </message>
    <message>
        <source>Cont Send Off</source>
        <translation>Dauersenden aus</translation>
    </message>
    <message>
        <source>Destination Address</source>
        <translation>Zieladresse</translation>
    </message>
    <message>
        <source>Local Address</source>
        <translation>Eigene Adresse</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>HF-Frequenz</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>RF TX Speed</source>
        <translation>HF-Datenrate</translation>
    </message>
    <message>
        <source>%1, byte %2</source>
        <translation>%1, Byte %2</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>Received characters</source>
        <translation>Empfangene Zeichen</translation>
    </message>
    <message>
        <source>Characters to send</source>
        <translation>Zu sendende Zeichen</translation>
    </message>
    <message>
        <source>Echoed characters</source>
        <translation>Zurückgesendete Zeichen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Read the module first: Connect, or Refresh.</source>
        <translation>Zuerst das Modul lesen: Verbinden oder Aktualisieren.</translation>
    </message>
    <message>
        <source>Connect to a port first.</source>
        <translation>Zuerst mit einem Port verbinden.</translation>
    </message>
    <message>
        <source>Modem Setup</source>
        <translation>Modem-Einrichtung</translation>
    </message>
    <message>
        <source>Comms Port Setup</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>0-FF Hex</source>
        <translation>0-FF hex</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Select Freq Band </source>
        <translation>Frequenzband wählen</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>BPS</source>
        <translation>bit/s</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Comm Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>Send Speed</source>
        <translation>Sendeintervall</translation>
    </message>
    <message>
        <source>Exit AT Mode</source>
        <translation>AT-Modus verlassen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Loopback Delay</source>
        <translation>Schleifenverzögerung</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Zomar Setup Utility</source>
        <translation>Zomar Setup Utility</translation>
    </message>
    <message>
        <source>Modem Settings</source>
        <translation>Modem-Einstellungen</translation>
    </message>
    <message>
        <source>Comms Setup</source>
        <translation>Schnittstelle</translation>
    </message>
</context>
<context>
    <name>zomar::BandAdviceLine</name>
    <message>
        <source>Band-plan advice</source>
        <translation>Bandplan-Hinweis</translation>
    </message>
    <message>
        <source>No band-plan advice</source>
        <translation>Kein Bandplan-Hinweis</translation>
    </message>
    <message>
        <source>Band-plan advice for the %1</source>
        <translation>Bandplan-Hinweis für %1</translation>
    </message>
    <message>
        <source>Advice only: Set writes the frequency you choose.</source>
        <translation>Nur ein Hinweis: Schreiben schreibt die Frequenz, die Sie wählen.</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureLauncher</name>
    <message>
        <source>Capture...</source>
        <translation>Mitschnitt...</translation>
    </message>
    <message>
        <source>Every byte both ways, a line per burst with time and hex</source>
        <translation>Jedes Byte in beide Richtungen, eine Zeile pro Block mit Zeit und Hex</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureWindow</name>
    <message>
        <source>Capture</source>
        <translation>Mitschnitt</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Find (Enter, F3: next)</source>
        <translation>Suchen (Enter, F3: weiter)</translation>
    </message>
    <message>
        <source>Save Text...</source>
        <translation>Als Text speichern...</translation>
    </message>
    <message>
        <source>The lines as shown, as a text file</source>
        <translation>Die Zeilen wie angezeigt, als Textdatei</translation>
    </message>
    <message>
        <source>Save Raw...</source>
        <translation>Roh speichern...</translation>
    </message>
    <message>
        <source>The bytes as they went, both ways, with a timestamped hex log beside them (FILE.log) that tells which went which way</source>
        <translation>Die Bytes, wie sie übertragen wurden, in beide Richtungen, mit einem Hex-Protokoll mit Zeitstempeln daneben (FILE.log), das die Richtung jedes Blocks angibt</translation>
    </message>
    <message>
        <source>Send:</source>
        <translation>Senden:</translation>
    </message>
    <message>
        <source>41 42 0d   or   AB\x0d   (Enter sends)</source>
        <translation>41 42 0d   oder   AB\x0d   (Enter sendet)</translation>
    </message>
    <message>
        <source>Sent as bytes on Enter: %1</source>
        <translation>Mit Enter als Bytes gesendet: %1</translation>
    </message>
    <message>
        <source>Capture: %1 bursts (%2 dropped)%3</source>
        <translation>Mitschnitt: %1 Blöcke (%2 verworfen)%3</translation>
    </message>
    <message>
        <source>, paused</source>
        <translation>, angehalten</translation>
    </message>
    <message>
        <source>%1 B sent, %2 B received</source>
        <translation>%1 B gesendet, %2 B empfangen</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Not sent: the port is not open</source>
        <translation>Nicht gesendet: der Port ist nicht offen</translation>
    </message>
    <message>
        <source>Sent %1 byte(s)</source>
        <translation>%1 Byte(s) gesendet</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>Zeile %1 von %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the capture</source>
        <translation>„%1“ ist nicht im Mitschnitt</translation>
    </message>
    <message>
        <source>Save Capture as Text</source>
        <translation>Mitschnitt als Text speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Saved %1 line(s) to %2</source>
        <translation>%1 Zeile(n) in %2 gespeichert</translation>
    </message>
    <message>
        <source>Save Capture as Raw Bytes</source>
        <translation>Mitschnitt als Rohdaten speichern</translation>
    </message>
    <message>
        <source>Raw bytes (*.bin)</source>
        <translation>Rohdaten (*.bin)</translation>
    </message>
    <message>
        <source>Saved the bytes to %1 and their hex log to %2</source>
        <translation>Bytes in %1 und ihr Hex-Protokoll in %2 gespeichert</translation>
    </message>
    <message>
        <source>Capture not saved</source>
        <translation>Mitschnitt nicht gespeichert</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
</context>
<context>
    <name>zomar::CommandModeSteps</name>
    <message>
        <source>Error!! %1</source>
        <translation>Fehler!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::FactoryReset</name>
    <message>
        <source>This will reset the unit to Factory defaults.<byte value="xd"/>
Continue?</source>
        <translation>Das Modul wird auf die Werkseinstellungen zurückgesetzt.<byte value="xd"/>
Fortfahren?</translation>
    </message>
</context>
<context>
    <name>zomar::FindModuleDialog</name>
    <message>
        <source>Find Module</source>
        <translation>Modul suchen</translation>
    </message>
    <message>
        <source>Looking for a module on %1, at each line speed: %2 baud.
%3</source>
        <translation>Suche ein Modul an %1, mit jeder Baudrate: %2 Baud.
%3</translation>
    </message>
    <message>
        <source>1 port</source>
        <translation>1 Port</translation>
    </message>
    <message numerus="yes">
        <source>%n ports</source>
        <translation>
            <numerusform>%n Port</numerusform>
            <numerusform>%n Ports</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No serial ports to search. Plug in the adapter (a USB adapter shows up as /dev/ttyUSB* or /dev/ttyACM*), then try again.</source>
        <translation>Keine seriellen Ports zum Durchsuchen. Den Adapter anschließen (ein USB-Adapter erscheint als /dev/ttyUSB* oder /dev/ttyACM*), dann erneut versuchen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Start...</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>Wird nach den laufenden Lesevorgängen beendet...</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <translation>%1 mit %2 Baud</translation>
    </message>
    <message>
        <source>Trying %1...</source>
        <translation>Versuche %1...</translation>
    </message>
    <message>
        <source>Found a module on %1 at %2 baud.</source>
        <translation>Modul an %1 mit %2 Baud gefunden.</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Suche abgebrochen.</translation>
    </message>
    <message>
        <source>No module answered on %1 at any line speed. Check the cable and the module&apos;s power.</source>
        <translation>Kein Modul hat an %1 mit irgendeiner Baudrate geantwortet. Kabel und Stromversorgung des Moduls prüfen.</translation>
    </message>
</context>
<context>
    <name>zomar::Form1</name>
    <message>
        <source>Zomar Setup Utility - Version:%1.%2.%3</source>
        <translation>Zomar Setup Utility - Version:%1.%2.%3</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>No serial device</source>
        <translation>Kein serielles Gerät</translation>
    </message>
    <message>
        <source>The port and speed could not be saved to %1: %2.
They will not be remembered next time.</source>
        <translation>Port und Baudrate konnten nicht in %1 gespeichert werden: %2.
Sie werden beim nächsten Start nicht wiederhergestellt.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>zomar::LanguageMenu</name>
    <message>
        <source>The windows will be in %1 when the program starts again.</source>
        <translation>Beim nächsten Programmstart erscheinen die Fenster in der Sprache „%1“.</translation>
    </message>
    <message>
        <source>The windows will follow &quot;%1&quot; when the program starts again.</source>
        <translation>Beim nächsten Programmstart folgen die Fenster der Einstellung „%1“.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The language could not be saved to %1: %2.</source>
        <translation>Die Sprache konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>zomar::LatencyChart</name>
    <message>
        <source>Latency</source>
        <translation>Latenz</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Latenz (ms)</translation>
    </message>
</context>
<context>
    <name>zomar::LinkTestDialog</name>
    <message>
        <source>Link Test</source>
        <translation>Verbindungstest</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> Bytes</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>twice a packet&apos;s time</source>
        <translation>doppelte Paketzeit</translation>
    </message>
    <message>
        <source>Put the second module on the first one&apos;s channel and &amp;RF speed</source>
        <translation>Zweites Modul auf Kanal und &amp;HF-Datenrate des ersten setzen</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Nach</translation>
    </message>
    <message>
        <source>&amp;Line speed</source>
        <translation>&amp;Baudrate</translation>
    </message>
    <message>
        <source>&amp;Packets</source>
        <translation>&amp;Pakete</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Intervall</translation>
    </message>
    <message>
        <source>Two modules are needed, each on a port of this computer; type a device or a port number if one is not listed.</source>
        <translation>Zwei Module werden gebraucht, jedes an einem Port dieses Computers; ein Gerät oder eine Portnummer eingeben, wenn eines nicht aufgeführt ist.</translation>
    </message>
    <message>
        <source>Choose the two ports and press Start.</source>
        <translation>Die beiden Ports wählen und Starten drücken.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>S&amp;tarten</translation>
    </message>
    <message>
        <source>Sa&amp;ve CSV...</source>
        <translation>&amp;CSV speichern...</translation>
    </message>
    <message>
        <source>Run a test first: the file has a row per packet.</source>
        <translation>Zuerst einen Test laufen lassen: die Datei hat eine Zeile pro Paket.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Not while a test runs: Cancel stops it.</source>
        <translation>Nicht während ein Test läuft: Abbrechen beendet ihn.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Choose a port for each module.</source>
        <translation>Für jedes Modul einen Port wählen.</translation>
    </message>
    <message>
        <source>Both boxes name %1: a link needs two modules, each on its own port.</source>
        <translation>Beide Felder nennen %1: eine Verbindung braucht zwei Module, jedes an seinem eigenen Port.</translation>
    </message>
    <message>
        <source>%1 is the window&apos;s own port, which is connected. Disconnect it first, or choose another.</source>
        <translation>%1 ist der Port des Fensters, und er ist verbunden. Zuerst trennen oder einen anderen wählen.</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Latenz (ms)</translation>
    </message>
    <message>
        <source>Reading both modules...</source>
        <translation>Beide Module werden gelesen...</translation>
    </message>
    <message>
        <source>Cancelled before the test began.</source>
        <translation>Vor Beginn des Tests abgebrochen.</translation>
    </message>
    <message>
        <source>. Tick &quot;%1&quot; to align them.</source>
        <translation>. „%1“ ankreuzen, um sie anzugleichen.</translation>
    </message>
    <message>
        <source>The second module was put on %1, %2 (written and verified). Sending...</source>
        <translation>Das zweite Modul wurde auf %1, %2 gesetzt (geschrieben und geprüft). Senden...</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Senden...</translation>
    </message>
    <message>
        <source>Sent %1 of %2, received %3, lost %4 (every %5 ms at %6 bps RF)</source>
        <translation>%1 von %2 gesendet, %3 empfangen, %4 verloren (alle %5 ms mit %6 bit/s HF)</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Angehalten: %1</translation>
    </message>
    <message>
        <source>Cancelled: the figures so far.</source>
        <translation>Abgebrochen: die bisherigen Werte.</translation>
    </message>
    <message>
        <source>Nothing came through: check both modules&apos; power and antennas.</source>
        <translation>Nichts kam an: Stromversorgung und Antennen beider Module prüfen.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>Wird nach den laufenden Lesevorgängen beendet...</translation>
    </message>
    <message>
        <source>Save Link Test</source>
        <translation>Verbindungstest speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>Nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>
Warning: %1.</source>
        <translation>
Warnung: %1.</translation>
    </message>
</context>
<context>
    <name>zomar::LinkTestLauncher</name>
    <message>
        <source>COMM %1 (%2)</source>
        <translation>COMM %1 (%2)</translation>
    </message>
</context>
<context>
    <name>zomar::MacroDialog</name>
    <message>
        <source>New Macro</source>
        <translation>Neues Makro</translation>
    </message>
    <message>
        <source>Edit Macro</source>
        <translation>Makro bearbeiten</translation>
    </message>
    <message>
        <source>One step a line: &quot;send BYTES&quot;, &quot;wait MS&quot;, &quot;expect BYTES MS&quot;; bytes as the Send line takes them (41 42 0d, AT\r\n).</source>
        <translation>Ein Schritt pro Zeile: „send BYTES“, „wait MS“, „expect BYTES MS“; Bytes wie in der Senden-Zeile (41 42 0d, AT\r\n).</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>&amp;Schritte:</translation>
    </message>
    <message>
        <source>Give the macro a name: it is the button&apos;s text.</source>
        <translation>Dem Makro einen Namen geben: er ist die Beschriftung der Schaltfläche.</translation>
    </message>
</context>
<context>
    <name>zomar::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Profile...</source>
        <translation>Profil &amp;öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save Profile...</source>
        <translation>Profil &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Recent Profiles</source>
        <translation>&amp;Zuletzt verwendete Profile</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Find Module...</source>
        <translation>Modul &amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;Link Test...</source>
        <translation>&amp;Verbindungstest...</translation>
    </message>
    <message>
        <source>&amp;Capture...</source>
        <translation>&amp;Mitschnitt...</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>Zomar Setup Utility
Version %1

Sets up Zomar radio-modem modules on a serial port.

Built with Qt %2, running on Qt %3.
Licence: MIT (see the LICENSE file).</source>
        <translation>Zomar Setup Utility
Version %1

Richtet Zomar-Funkmodems an einer seriellen Schnittstelle ein.

Erstellt mit Qt %2, läuft mit Qt %3.
Lizenz: MIT (siehe die Datei LICENSE).</translation>
    </message>
    <message>
        <source>About Zomar Setup Utility</source>
        <translation>Über Zomar Setup Utility</translation>
    </message>
</context>
<context>
    <name>zomar::ModuleSearch</name>
    <message>
        <source>The window&apos;s port (COMM %1) was disconnected: the search opens every port itself.</source>
        <translation>Der Port des Fensters (COMM %1) wurde getrennt: die Suche öffnet jeden Port selbst.</translation>
    </message>
    <message>
        <source>The window&apos;s port stays disconnected: the search opens every port itself.</source>
        <translation>Der Port des Fensters bleibt getrennt: die Suche öffnet jeden Port selbst.</translation>
    </message>
    <message>
        <source>Looking for a module...</source>
        <translation>Suche ein Modul...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>A module answered on %1 at %2 baud, but no port number of the window leads to that device. Map one to it, e.g. with --port-map 1=%1, or a &quot;Ports&quot; setting.</source>
        <translation>Ein Modul hat an %1 mit %2 Baud geantwortet, aber keine Portnummer des Fensters führt zu diesem Gerät. Eine zuordnen, z. B. mit --port-map 1=%1 oder einer Einstellung „Ports“.</translation>
    </message>
    <message>
        <source>Find Module</source>
        <translation>Modul suchen</translation>
    </message>
</context>
<context>
    <name>zomar::OperatorField</name>
    <message>
        <source>Scan badge, or type name + Enter</source>
        <translation>Ausweis scannen oder Namen + Enter eingeben</translation>
    </message>
</context>
<context>
    <name>zomar::PageProfile</name>
    <message>
        <source>The profile was not saved: %1</source>
        <translation>Das Profil wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>the %1 field shows &quot;??&quot; (not read from the module). Connect or press Refresh, or fill it in, first.</source>
        <translation>das Feld %1 zeigt „??“ (nicht vom Modul gelesen). Zuerst verbinden oder Aktualisieren drücken, oder es ausfüllen.</translation>
    </message>
    <message>
        <source>Set would refuse the %1 field (&quot;%2&quot;: %3).</source>
        <translation>Schreiben würde das Feld %1 ablehnen („%2“: %3).</translation>
    </message>
    <message>
        <source>the Tx Power field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>das Feld Sendeleistung enthält „%1“, keinen seiner Werte (%2).</translation>
    </message>
    <message>
        <source>the RF TX Speed field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>das Feld HF-Datenrate enthält „%1“, keinen seiner Werte (%2).</translation>
    </message>
</context>
<context>
    <name>zomar::PinPrompt</name>
    <message>
        <source>&amp;PIN:</source>
        <translation>&amp;PIN:</translation>
    </message>
    <message>
        <source>New &amp;PIN:</source>
        <translation>Neue &amp;PIN:</translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation>&amp;Wiederholen:</translation>
    </message>
    <message>
        <source>the two PINs differ</source>
        <translation>die beiden PINs unterscheiden sich</translation>
    </message>
    <message>
        <source>Not set: %1.</source>
        <translation>Nicht gesetzt: %1.</translation>
    </message>
    <message>
        <source>The PIN guards the setup: the profile, the addresses, the record and the slots. Give it to the engineers only.</source>
        <translation>Die PIN schützt die Einrichtung: das Profil, die Adressen, den Nachweis und die Plätze. Nur an die Ingenieure weitergeben.</translation>
    </message>
</context>
<context>
    <name>zomar::PortConnection</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typenkonflikt</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinde...</translation>
    </message>
    <message>
        <source>Connected to COMM %1</source>
        <translation>Verbunden mit COMM %1</translation>
    </message>
    <message>
        <source>Please select a valid comms port</source>
        <translation>Bitte einen gültigen Port wählen</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Ungültiger Port</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>Fehler!! %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>Verbindung verloren: %1</translation>
    </message>
    <message>
        <source>Check the cable or USB adapter, then press Connect.</source>
        <translation>Kabel oder USB-Adapter prüfen, dann Verbinden drücken.</translation>
    </message>
</context>
<context>
    <name>zomar::ProfileActions</name>
    <message>
        <source>Open Profile</source>
        <translation>Profil öffnen</translation>
    </message>
    <message>
        <source>Zomar profiles (*.json);;All files (*)</source>
        <translation>Zomar-Profile (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1: no longer exists; it was taken off the recent profiles.</source>
        <translation>%1: existiert nicht mehr; es wurde aus den zuletzt verwendeten Profilen entfernt.</translation>
    </message>
    <message>
        <source>Profile not opened</source>
        <translation>Profil nicht geöffnet</translation>
    </message>
    <message>
        <source>Nothing on the page was changed.</source>
        <translation>Auf der Seite wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Set writes it to the module</source>
        <translation>Profil %1 geladen: Schreiben schreibt es ins Modul</translation>
    </message>
    <message>
        <source>Profile %1 loaded: connect first, then open it again to Set it</source>
        <translation>Profil %1 geladen: zuerst verbinden, dann erneut öffnen, um es zu schreiben</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Refresh first, then open it again to Set it</source>
        <translation>Profil %1 geladen: zuerst aktualisieren, dann erneut öffnen, um es zu schreiben</translation>
    </message>
    <message>
        <source>Profile not saved</source>
        <translation>Profil nicht gespeichert</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Profile %1 saved to %2</source>
        <translation>Profil %1 in %2 gespeichert</translation>
    </message>
</context>
<context>
    <name>zomar::ProfileSummary</name>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>TX power %1</source>
        <translation>Sendeleistung %1</translation>
    </message>
    <message>
        <source>RF speed %1</source>
        <translation>HF-Datenrate %1</translation>
    </message>
    <message>
        <source>destination %1</source>
        <translation>Ziel %1</translation>
    </message>
    <message>
        <source>local %1</source>
        <translation>eigene %1</translation>
    </message>
    <message>
        <source>no field set</source>
        <translation>kein Feld gesetzt</translation>
    </message>
</context>
<context>
    <name>zomar::RefreshOperation</name>
    <message>
        <source>No Response from Modem. Check Comms Port &amp; Baud rate</source>
        <translation>Keine Antwort vom Modem. Port und Baudrate prüfen</translation>
    </message>
    <message>
        <source>Requesting Configuration...</source>
        <translation>Konfiguration wird angefordert...</translation>
    </message>
    <message>
        <source>Request Complete</source>
        <translation>Anfrage abgeschlossen</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>zomar::RepeaterPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>Fehler!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::ScriptBench</name>
    <message>
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>New Macro...</source>
        <translation>Neues Makro...</translation>
    </message>
    <message>
        <source>A named button that sends a stored sequence of bytes and waits</source>
        <translation>Eine benannte Schaltfläche, die eine gespeicherte Folge von Bytes sendet und wartet</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>Run Script...</source>
        <translation>Skript ausführen...</translation>
    </message>
    <message>
        <source>Runs a JavaScript file on this port: send, expect, module.read, module.write, log</source>
        <translation>Führt eine JavaScript-Datei an diesem Port aus: send, expect, module.read, module.write, log</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Script log</source>
        <translation>Skriptprotokoll</translation>
    </message>
    <message>
        <source>%1 (right-click to edit or delete)</source>
        <translation>%1 (Rechtsklick zum Bearbeiten oder Löschen)</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Not run: %1: %2</source>
        <translation>Nicht ausgeführt: %1: %2</translation>
    </message>
    <message>
        <source>Not run: the port is not open</source>
        <translation>Nicht ausgeführt: der Port ist nicht offen</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>Skript ausführen</translation>
    </message>
    <message>
        <source>Scripts (*.js)</source>
        <translation>Skripte (*.js)</translation>
    </message>
    <message>
        <source>Not run: %1 cannot be read as a script</source>
        <translation>Nicht ausgeführt: %1 kann nicht als Skript gelesen werden</translation>
    </message>
    <message>
        <source>Not run: a script is running; stop it first</source>
        <translation>Nicht ausgeführt: ein Skript läuft; zuerst anhalten</translation>
    </message>
    <message>
        <source>%1: started</source>
        <translation>%1: gestartet</translation>
    </message>
    <message>
        <source>Running %1...</source>
        <translation>%1 läuft...</translation>
    </message>
    <message>
        <source>%1: done</source>
        <translation>%1: fertig</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1: angehalten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>zomar::SerialField</name>
    <message>
        <source>Scan the product serial</source>
        <translation>Produkt-Seriennummer scannen</translation>
    </message>
    <message>
        <source>P&amp;roduct serial:</source>
        <translation>&amp;Produkt-Seriennummer:</translation>
    </message>
    <message>
        <source>P&amp;roduct serial for %1:</source>
        <translation>&amp;Produkt-Seriennummer für %1:</translation>
    </message>
</context>
<context>
    <name>zomar::SerialNotice</name>
    <message>
        <source>&amp;Acknowledge</source>
        <translation>&amp;Quittieren</translation>
    </message>
</context>
<context>
    <name>zomar::SetOperation</name>
    <message>
        <source>Invalid input (00-FF)</source>
        <translation>Ungültige Eingabe (00-FF)</translation>
    </message>
    <message>
        <source>Error!!</source>
        <translation>Fehler!!</translation>
    </message>
    <message>
        <source>Incorrect value</source>
        <translation>Falscher Wert</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Incorrect Frequency value</source>
        <translation>Falscher Frequenzwert</translation>
    </message>
    <message>
        <source>Invalid input (Tx Power)</source>
        <translation>Ungültige Eingabe (Sendeleistung)</translation>
    </message>
    <message>
        <source>Invalid input (RF TX Speed)</source>
        <translation>Ungültige Eingabe (HF-Datenrate)</translation>
    </message>
    <message>
        <source>Error!! Overflow</source>
        <translation>Fehler!! Überlauf</translation>
    </message>
    <message>
        <source>Sending Configuration...</source>
        <translation>Konfiguration wird gesendet...</translation>
    </message>
    <message>
        <source>Send Complete</source>
        <translation>Senden abgeschlossen</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>Fehler!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::SetupChange</name>
    <message>
        <source>The setup of this station is guarded by a PIN.</source>
        <translation>Die Einrichtung dieser Station ist durch eine PIN geschützt.</translation>
    </message>
    <message>
        <source>A new station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>Eine neue Station ersetzt diese, deren Einrichtung durch eine PIN geschützt ist.</translation>
    </message>
    <message>
        <source>Keep the station&apos;s setup in</source>
        <translation>Einrichtung der Station speichern in</translation>
    </message>
    <message>
        <source>Station files (*.json)</source>
        <translation>Stationsdateien (*.json)</translation>
    </message>
    <message>
        <source>Another station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>Eine andere Station ersetzt diese, deren Einrichtung durch eine PIN geschützt ist.</translation>
    </message>
    <message>
        <source>Open a station</source>
        <translation>Station öffnen</translation>
    </message>
    <message>
        <source>Station files (*.json);;All files (*)</source>
        <translation>Stationsdateien (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Wait until the module being programmed has finished.</source>
        <translation>Warten, bis das Modul, das programmiert wird, fertig ist.</translation>
    </message>
    <message numerus="yes">
        <source>Wait until the %n modules being programmed have finished.</source>
        <translation>
            <numerusform>Warten, bis das %n Modul, das programmiert wird, fertig ist.</numerusform>
            <numerusform>Warten, bis die %n Module, die programmiert werden, fertig sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN: the setup stays as it is.</source>
        <translation>Falsche PIN: die Einrichtung bleibt, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftPanel</name>
    <message>
        <source>This shift</source>
        <translation>Diese Schicht</translation>
    </message>
    <message>
        <source>Last units</source>
        <translation>Letzte Einheiten</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>Gut %1</translation>
    </message>
    <message>
        <source>Fail %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>since %1</source>
        <translation>seit %1</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>GUT</translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation>FEHLER: %1</translation>
    </message>
    <message>
        <source>First-pass yield %1 %</source>
        <translation>Erstausbeute %1 %</translation>
    </message>
    <message>
        <source>First-pass yield –</source>
        <translation>Erstausbeute –</translation>
    </message>
    <message>
        <source>%1 units/h</source>
        <translation>%1 Einheiten/h</translation>
    </message>
    <message>
        <source>– units/h</source>
        <translation>– Einheiten/h</translation>
    </message>
    <message>
        <source>%1: yield %2 % (%3 of %4), well below the other slots (%5 %): check its socket</source>
        <translation>%1: Ausbeute %2 % (%3 von %4), weit unter den anderen Plätzen (%5 %): Fassung prüfen</translation>
    </message>
    <message>
        <source>UNKNOWN: %1</source>
        <translation>UNBEKANNT: %1</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftTally</name>
    <message>
        <source>%1 pass · %2 fail · yield %3</source>
        <translation>%1 gut · %2 Fehler · Ausbeute %3</translation>
    </message>
</context>
<context>
    <name>zomar::SimulationMenu</name>
    <message>
        <source>Si&amp;mulation</source>
        <translation>Si&amp;mulation</translation>
    </message>
    <message>
        <source>&amp;Demo: modules come and go</source>
        <translation>&amp;Demo: Module kommen und gehen</translation>
    </message>
    <message>
        <source>&amp;Next module plugged in</source>
        <translation>&amp;Nächstes eingestecktes Modul</translation>
    </message>
    <message>
        <source>Module in slot &amp;%1</source>
        <translation>Modul auf Platz &amp;%1</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTeacher</name>
    <message>
        <source>Teach slots - %1</source>
        <translation>Plätze anlernen - %1</translation>
    </message>
    <message>
        <source>Plug a module into each socket of the hub in turn, in the order the slots should have. A module already in place: unplug it and plug it in again. Nothing is written to the modules.
Watching %1</source>
        <translation>Nacheinander ein Modul in jede Buchse des Hubs stecken, in der Reihenfolge, die die Plätze haben sollen. Ein schon steckendes Modul: abziehen und wieder einstecken. Auf die Module wird nichts geschrieben.
Beobachte %1</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>The folder does not exist yet: it appears with the first adapter plugged in.</source>
        <translation>Der Ordner existiert noch nicht: er erscheint mit dem ersten eingesteckten Adapter.</translation>
    </message>
    <message>
        <source>That socket is %1 already.</source>
        <translation>Diese Buchse ist schon %1.</translation>
    </message>
    <message>
        <source>A station has at most %1 slots.</source>
        <translation>Eine Station hat höchstens %1 Plätze.</translation>
    </message>
    <message>
        <source>%1 is the socket %2.</source>
        <translation>%1 ist die Buchse %2.</translation>
    </message>
    <message>
        <source>Plug a module into the socket for %1</source>
        <translation>Ein Modul in die Buchse für %1 stecken</translation>
    </message>
    <message>
        <source>Sockets taught</source>
        <translation>Angelernte Buchsen</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTile</name>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Left alone</source>
        <translation>Übergangen</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>GUT</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Nicht begonnen</translation>
    </message>
    <message>
        <source>Plug in a module</source>
        <translation>Modul einstecken</translation>
    </message>
    <message>
        <source>It was in place at the start: unplug it and plug it in again</source>
        <translation>Es steckte schon beim Start: abziehen und wieder einstecken</translation>
    </message>
    <message>
        <source>Step %1 of 3: do not unplug</source>
        <translation>Schritt %1 von 3: nicht abziehen</translation>
    </message>
    <message>
        <source>Address %1: unplug it</source>
        <translation>Adresse %1: abziehen</translation>
    </message>
    <message>
        <source>Written and verified: unplug it</source>
        <translation>Geschrieben und geprüft: abziehen</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>UNBEKANNT</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Läuft nicht</translation>
    </message>
    <message>
        <source>No sockets</source>
        <translation>Keine Steckplätze</translation>
    </message>
</context>
<context>
    <name>zomar::StationLine</name>
    <message>
        <source>%1: give the first address of a pool</source>
        <translation>%1: die erste Adresse eines Adressbereichs angeben</translation>
    </message>
    <message>
        <source>The station is closing</source>
        <translation>Die Station wird geschlossen</translation>
    </message>
    <message>
        <source>The setup is being changed: plug it in again later</source>
        <translation>Die Einrichtung wird geändert: später wieder einstecken</translation>
    </message>
    <message>
        <source>The record cannot be written: call the engineer</source>
        <translation>Der Nachweis kann nicht geschrieben werden: Ingenieur rufen</translation>
    </message>
    <message>
        <source>The module before is still finishing: plug this one in again</source>
        <translation>Das vorige Modul ist noch nicht fertig: dieses wieder einstecken</translation>
    </message>
    <message>
        <source>%1; not recorded: %2</source>
        <translation>%1; nicht im Nachweis: %2</translation>
    </message>
    <message>
        <source>; not in the log: %1</source>
        <translation>; nicht im Protokoll: %1</translation>
    </message>
    <message>
        <source>Refused: nothing was written; call the engineer</source>
        <translation>Abgelehnt: nichts geschrieben; Ingenieur rufen</translation>
    </message>
    <message>
        <source>No answer: check the module is seated</source>
        <translation>Keine Antwort: prüfen, ob das Modul richtig steckt</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside</source>
        <translation>Rücklesen weicht ab: Modul aussortieren</translation>
    </message>
    <message>
        <source>Port failed: check the hub and its cable</source>
        <translation>Port-Fehler: Hub und Kabel prüfen</translation>
    </message>
    <message>
        <source>Not recorded: call the engineer</source>
        <translation>Nicht im Nachweis: Ingenieur rufen</translation>
    </message>
    <message>
        <source>Not started: no address left offline; call the engineer</source>
        <translation>Nicht begonnen: offline keine Adresse mehr frei; Ingenieur rufen</translation>
    </message>
    <message>
        <source>Its outcome was not recorded: read it back</source>
        <translation>Ergebnis nicht erfasst: zurücklesen</translation>
    </message>
    <message>
        <source>Port lost before it was written: nothing was written</source>
        <translation>Port verloren, bevor geschrieben wurde: nichts geschrieben</translation>
    </message>
    <message>
        <source>This station runs in %1 (pid %2)</source>
        <translation>Diese Station läuft in %1 (PID %2)</translation>
    </message>
    <message>
        <source>The station is not running: call the engineer</source>
        <translation>Die Station läuft nicht: Techniker rufen</translation>
    </message>
    <message>
        <source>The socket folder is missing: check the hub is plugged in, or call the engineer</source>
        <translation>Der Steckplatz-Ordner fehlt: prüfen, ob der Hub eingesteckt ist, oder Techniker rufen</translation>
    </message>
    <message>
        <source>%1 is not there; the station watches for it.</source>
        <translation>%1 ist nicht vorhanden; die Station wartet darauf.</translation>
    </message>
    <message>
        <source>Pulled out as it was written: its state is unknown; read it back</source>
        <translation>Beim Schreiben abgezogen: Zustand unbekannt; zurücklesen</translation>
    </message>
    <message>
        <source>Pulled out as it was written: it may hold address %1; read it back</source>
        <translation>Beim Schreiben abgezogen: hat evtl. Adresse %1; zurücklesen</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside (address %1 was sent)</source>
        <translation>Rücklesen weicht ab: Modul aussortieren (Adresse %1 wurde gesendet)</translation>
    </message>
    <message>
        <source>In use by another program: close it there, then plug the module in again</source>
        <translation>Von einem anderen Programm belegt: dort schließen, dann Modul neu einstecken</translation>
    </message>
    <message>
        <source>In use by %1: close it there, then plug the module in again</source>
        <translation>Von %1 belegt: dort schließen, dann Modul neu einstecken</translation>
    </message>
    <message>
        <source>Pulled out before it was written: nothing was written; plug it in again</source>
        <translation>Vor dem Schreiben abgezogen: nichts geschrieben; neu einstecken</translation>
    </message>
</context>
<context>
    <name>zomar::StationSetupDialog</name>
    <message>
        <source>Station setup - %1</source>
        <translation>Stationseinrichtung - %1</translation>
    </message>
    <message>
        <source>this computer&apos;s name</source>
        <translation>Name dieses Computers</translation>
    </message>
    <message>
        <source>none: modules keep their own</source>
        <translation>keine: Module behalten ihre eigene</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Die Sprache des Systems</translation>
    </message>
    <message>
        <source>The station&apos;s windows are in this language from its next start, unless a technician chooses another in the Language menu.</source>
        <translation>Die Fenster der Station erscheinen ab ihrem nächsten Start in dieser Sprache, wenn ein Techniker im Menü Sprache keine andere wählt.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Buchse</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;Teach slots...</source>
        <translation>Plätze &amp;anlernen...</translation>
    </message>
    <message>
        <source>Remo&amp;ve slot</source>
        <translation>Platz ent&amp;fernen</translation>
    </message>
    <message>
        <source>Set P&amp;IN...</source>
        <translation>P&amp;IN setzen...</translation>
    </message>
    <message>
        <source>No PIN</source>
        <translation>Keine PIN</translation>
    </message>
    <message>
        <source>Station &amp;name:</source>
        <translation>Stations&amp;name:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>St&amp;ep:</source>
        <translation>Sch&amp;ritt:</translation>
    </message>
    <message>
        <source>&amp;First address:</source>
        <translation>&amp;Erste Adresse:</translation>
    </message>
    <message>
        <source>Re&amp;cord:</source>
        <translation>Nach&amp;weis:</translation>
    </message>
    <message>
        <source>&amp;Line speed:</source>
        <translation>&amp;Baudrate:</translation>
    </message>
    <message>
        <source>Band plan re&amp;gion:</source>
        <translation>Bandplan-Re&amp;gion:</translation>
    </message>
    <message>
        <source>Technicians&apos; lang&amp;uage:</source>
        <translation>Sprache der &amp;Techniker:</translation>
    </message>
    <message>
        <source>S&amp;ocket folder:</source>
        <translation>Buchsen-&amp;Ordner:</translation>
    </message>
    <message>
        <source>&amp;Slots (double-click or F2 on a name to rename):</source>
        <translation>P&amp;lätze (Doppelklick oder F2 auf einen Namen zum Umbenennen):</translation>
    </message>
    <message>
        <source>First address %1: %2</source>
        <translation>Erste Adresse %1: %2</translation>
    </message>
    <message>
        <source>no slot yet: Teach slots, then save</source>
        <translation>noch kein Platz: Plätze anlernen, dann speichern</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The profile every module gets</source>
        <translation>Das Profil, das jedes Modul erhält</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Profile (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The production record (a new file is made)</source>
        <translation>Der Produktionsnachweis (eine neue Datei wird angelegt)</translation>
    </message>
    <message>
        <source>Production records (*.db);;All files (*)</source>
        <translation>Produktionsnachweise (*.db);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Name the profile every module gets.</source>
        <translation>Das Profil angeben, das jedes Modul erhält.</translation>
    </message>
    <message>
        <source>A PIN guards this setup.</source>
        <translation>Eine PIN schützt diese Einrichtung.</translation>
    </message>
    <message>
        <source>No PIN: anyone at the station can change the setup.</source>
        <translation>Keine PIN: jeder an der Station kann die Einrichtung ändern.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zomar::StationTrace</name>
    <message>
        <source>S/N %1: being recorded</source>
        <translation>S/N %1: wird erfasst</translation>
    </message>
    <message>
        <source>Scan the product serial</source>
        <translation>Produkt-Seriennummer scannen</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>S/N %1</translation>
    </message>
    <message>
        <source>printing the label</source>
        <translation>Etikett wird gedruckt</translation>
    </message>
    <message>
        <source>label printed</source>
        <translation>Etikett gedruckt</translation>
    </message>
    <message>
        <source>label not printed: %1</source>
        <translation>Etikett nicht gedruckt: %1</translation>
    </message>
    <message>
        <source>Serial refused: one line of at most %1 characters</source>
        <translation>Seriennummer abgelehnt: eine Zeile mit höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>Serial %1 refused: it does not match %2</source>
        <translation>Seriennummer %1 abgelehnt: passt nicht zu %2</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to the unit with address %2</source>
        <translation>Seriennummer %1 abgelehnt: sie gehört zur Einheit mit Adresse %2</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to another unit</source>
        <translation>Seriennummer %1 abgelehnt: sie gehört zu einer anderen Einheit</translation>
    </message>
    <message>
        <source>Serial %1 refused: this unit carries %2</source>
        <translation>Seriennummer %1 abgelehnt: diese Einheit hat schon %2</translation>
    </message>
    <message>
        <source>Serial %1 not recorded: call the engineer (%2)</source>
        <translation>Seriennummer %1 nicht erfasst: den Ingenieur rufen (%2)</translation>
    </message>
</context>
<context>
    <name>zomar::StationWindow</name>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>Zomar Station</source>
        <translation>Zomar Station</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Bediener:</translation>
    </message>
    <message>
        <source>No station open: Station &gt; New station... or Open station...</source>
        <translation>Keine Station offen: Station &gt; Neue Station... oder Station öffnen...</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>S&amp;tation</translation>
    </message>
    <message>
        <source>&amp;New station...</source>
        <translation>&amp;Neue Station...</translation>
    </message>
    <message>
        <source>&amp;Open station...</source>
        <translation>Station ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Edit setup...</source>
        <translation>Einrichtung b&amp;earbeiten...</translation>
    </message>
    <message>
        <source>New s&amp;hift...</source>
        <translation>Neue &amp;Schicht...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>%1 %2
Programming radio modules on a production line, one slot per socket.</source>
        <translation>%1 %2
Programmiert Funkmodule an einer Fertigungslinie, ein Platz pro Buchse.</translation>
    </message>
    <message>
        <source>The station file is refused:
%1</source>
        <translation>Die Stationsdatei wird abgelehnt:
%1</translation>
    </message>
    <message>
        <source>Station file refused: %1</source>
        <translation>Stationsdatei abgelehnt: %1</translation>
    </message>
    <message>
        <source>A module in the socket %1 is left alone: it is no slot of this station (Edit setup &gt; Teach slots).</source>
        <translation>Ein Modul in der Buchse %1 wird übergangen: sie ist kein Platz dieser Station (Einrichtung bearbeiten &gt; Plätze anlernen).</translation>
    </message>
    <message>
        <source>Not running: %1. An engineer can correct it in Edit setup.</source>
        <translation>Läuft nicht: %1. Ein Ingenieur kann es unter Einrichtung bearbeiten beheben.</translation>
    </message>
    <message>
        <source>No slots yet: Edit setup &gt; Teach slots.</source>
        <translation>Noch keine Plätze: Einrichtung bearbeiten &gt; Plätze anlernen.</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Profil %1: %2</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>Addresses from %1, step %2</source>
        <translation>Adressen ab %1, Schritt %2</translation>
    </message>
    <message>
        <source>Each module keeps its own address</source>
        <translation>Jedes Modul behält seine eigene Adresse</translation>
    </message>
    <message>
        <source> (next %1)</source>
        <translation> (nächste %1)</translation>
    </message>
    <message>
        <source>%1 · %2 baud</source>
        <translation>%1 · %2 Baud</translation>
    </message>
    <message>
        <source>

Socket: %1</source>
        <translation>

Buchse: %1</translation>
    </message>
    <message>
        <source>Start a new shift? The counts and the list of the last units start again; the record keeps every unit.</source>
        <translation>Eine neue Schicht beginnen? Die Zähler und die Liste der letzten Einheiten beginnen neu; der Nachweis behält jede Einheit.</translation>
    </message>
    <message>
        <source>The setup is not saved, and the station runs as before:
%1</source>
        <translation>Die Einrichtung ist nicht gespeichert, und die Station läuft wie bisher:
%1</translation>
    </message>
    <message>
        <source>Closing: the module in flight finishes first. Leave it in place.</source>
        <translation>Schließen: das laufende Modul wird zuerst fertig. Stecken lassen.</translation>
    </message>
    <message numerus="yes">
        <source>Closing: %n modules in flight finish first. Leave them in place.</source>
        <translation>
            <numerusform>Schließen: das %n laufende Modul wird zuerst fertig. Stecken lassen.</numerusform>
            <numerusform>Schließen: die %n laufenden Module werden zuerst fertig. Stecken lassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;The station&apos;s or the system&apos;s language</source>
        <translation>&amp;Die Sprache der Station oder des Systems</translation>
    </message>
    <message>
        <source>O&amp;perator</source>
        <translation>Be&amp;diener</translation>
    </message>
    <message>
        <source>The shift&apos;s earlier units could not be read from the record (%1): counting goes on from here.</source>
        <translation>Die früheren Einheiten der Schicht konnten nicht aus dem Datensatz gelesen werden (%1): gezählt wird ab hier.</translation>
    </message>
    <message>
        <source>Not running: this station runs already in %1 (pid %2). Use that window, or close it and open the station here again (Station &gt; Open station...).</source>
        <translation>Läuft nicht: diese Station läuft bereits in %1 (PID %2). Dieses Fenster verwenden oder es schließen und die Station hier erneut öffnen (Station &gt; Station öffnen...).</translation>
    </message>
    <message>
        <source>Not running: the socket %1 is a slot of the station %2, which runs in %3 (pid %4). A socket belongs to one station.</source>
        <translation>Läuft nicht: der Steckplatz %1 gehört zur Station %2, die in %3 (PID %4) läuft. Ein Steckplatz gehört zu einer Station.</translation>
    </message>
    <message>
        <source>Not running: %1 (pid %2) programs every module plugged in on this PC&apos;s sockets (%3). End it, then open the station again.</source>
        <translation>Läuft nicht: %1 (PID %2) programmiert jedes Modul, das an den Steckplätzen dieses PCs eingesteckt wird (%3). Es beenden, dann die Station erneut öffnen.</translation>
    </message>
    <message>
        <source>all its serial ports</source>
        <translation>alle seriellen Ports</translation>
    </message>
    <message>
        <source>The station file opened last, %1, is not there any more: Station &gt; Open station... or New station...</source>
        <translation>Die zuletzt geöffnete Stationsdatei %1 ist nicht mehr vorhanden: Station &gt; Station öffnen... oder Neue Station...</translation>
    </message>
    <message>
        <source>The socket folder %1 is not there: check the hub is plugged in, or correct the folder in Edit setup. The station watches for it.</source>
        <translation>Der Steckplatz-Ordner %1 ist nicht vorhanden: prüfen, ob der Hub eingesteckt ist, oder den Ordner in der Einrichtung korrigieren. Die Station wartet darauf.</translation>
    </message>
    <message>
        <source>%1: %2 – %3</source>
        <translation>%1: %2 – %3</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>UNBEKANNT</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Closing: modules in flight that did not pass: %1.</source>
        <translation>Schließen: laufende Module, die nicht bestanden haben: %1.</translation>
    </message>
    <message>
        <source>Before the station closed:
%1

Put these modules aside; the record has them.</source>
        <translation>Bevor die Station geschlossen wurde:
%1

Diese Module aussortieren; der Datensatz enthält sie.</translation>
    </message>
    <message>
        <source>Keys of the station:

Arrow keys: move between the slots
Enter or Space on a slot: what the program found
Ctrl+P on a slot: its unit&apos;s label again
Tab: the next slot
F2: the operator field (a badge scanner types into it from anywhere)
A scan while a slot waits for its product serial: the product serial field
Ctrl+Shift+N: a new shift
Ctrl+Shift+E: edit the setup (the engineer, with the PIN)
Ctrl+O: open a station
Ctrl+Q: quit; the modules in flight finish first</source>
        <translation>Tasten der Station:

Pfeiltasten: zwischen den Plätzen wechseln
Enter oder Leertaste auf einem Platz: was das Programm gefunden hat
Strg+P auf einem Platz: das Etikett seiner Einheit noch einmal
Tab: der nächste Platz
F2: das Bedienerfeld (ein Ausweisleser tippt von überall hinein)
Ein Scan, während ein Platz auf seine Produkt-Seriennummer wartet: das Feld der Produkt-Seriennummer
Strg+Umschalt+N: eine neue Schicht
Strg+Umschalt+E: die Einrichtung bearbeiten (der Ingenieur, mit der PIN)
Strg+O: eine Station öffnen
Strg+Q: beenden; die laufenden Module werden erst fertig</translation>
    </message>
    <message>
        <source>Labels are not printed: %1. An engineer can correct it in Edit setup.</source>
        <translation>Etiketten werden nicht gedruckt: %1. Ein Ingenieur kann es unter Einrichtung bearbeiten beheben.</translation>
    </message>
    <message>
        <source>The label of unit %1 was not printed: %2. Print it again with: zomar-cli records label %1 --label %3</source>
        <translation>Das Etikett der Einheit %1 wurde nicht gedruckt: %2. Erneut drucken mit: zomar-cli records label %1 --label %3</translation>
    </message>
    <message>
        <source>Serial %1 is for no slot: no unit waits for its product serial.</source>
        <translation>Seriennummer %1 gehört zu keinem Platz: keine Einheit wartet auf ihre Produkt-Seriennummer.</translation>
    </message>
    <message>
        <source>This station prints no labels (Edit setup: Labels and product serials).</source>
        <translation>Diese Station druckt keine Etiketten (Einrichtung bearbeiten: Etiketten und Produkt-Seriennummern).</translation>
    </message>
    <message>
        <source>%1 has no unit to print a label for: only a unit that passed (with its serial when the station asks for one) gets a label.</source>
        <translation>%1 hat keine Einheit, für die ein Etikett gedruckt werden kann: nur eine Einheit, die bestanden hat (mit ihrer Seriennummer, wenn die Station eine verlangt), bekommt ein Etikett.</translation>
    </message>
    <message>
        <source>The label&apos;s state of unit %1 is not in the record: %2</source>
        <translation>Der Zustand des Etiketts der Einheit %1 ist nicht im Nachweis: %2</translation>
    </message>
    <message>
        <source>that unit carries %1</source>
        <translation>diese Einheit trägt bereits %1</translation>
    </message>
    <message>
        <source>it is bound to the unit with address %1</source>
        <translation>sie gehört zur Einheit mit Adresse %1</translation>
    </message>
    <message>
        <source>it is bound to unit %1</source>
        <translation>sie gehört zur Einheit %1</translation>
    </message>
    <message>
        <source>Serial %1 of the unit with address %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %4 SERIAL</source>
        <translation>Seriennummer %1 der Einheit mit Adresse %2 wurde abgelehnt, als das Protokoll dieser Station den Server erreichte: %3. Der Nachweis führt für diese Einheit keine Seriennummer; prüfen Sie das Produkt und binden Sie seine Seriennummer mit: zomar-cli records serial %4 SERIAL</translation>
    </message>
    <message>
        <source>Serial %1 of unit %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %2 SERIAL</source>
        <translation>Seriennummer %1 der Einheit %2 wurde abgelehnt, als das Protokoll dieser Station den Server erreichte: %3. Der Nachweis führt für diese Einheit keine Seriennummer; prüfen Sie das Produkt und binden Sie seine Seriennummer mit: zomar-cli records serial %2 SERIAL</translation>
    </message>
</context>
<context>
    <name>zomar::TerminalPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>Fehler!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::TraceSetupBox</name>
    <message>
        <source>Labels and product serials</source>
        <translation>Etiketten und Produkt-Seriennummern</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>D&amp;urchsuchen...</translation>
    </message>
    <message>
        <source>none; pdf:FOLDER, printer:NAME or zpl://HOST[:PORT]</source>
        <translation>keine; pdf:ORDNER, printer:NAME oder zpl://HOST[:PORT]</translation>
    </message>
    <message>
        <source>the default: 50 x 25 mm with a QR code</source>
        <translation>Standard: 50 x 25 mm mit QR-Code</translation>
    </message>
    <message>
        <source>none: no serial is scanned; e.g. SN-[0-9]{6}</source>
        <translation>keines: keine Seriennummer wird gescannt; z. B. SN-[0-9]{6}</translation>
    </message>
    <message>
        <source>A regular expression that a product serial matches whole. When set, a technician scans the product&apos;s serial for each unit that passes; its label is printed once the serial is recorded.</source>
        <translation>Ein regulärer Ausdruck, dem eine Produkt-Seriennummer ganz entspricht. Wenn gesetzt, scannt ein Techniker die Seriennummer des Produkts für jede Einheit, die besteht; ihr Etikett wird gedruckt, sobald die Seriennummer erfasst ist.</translation>
    </message>
    <message>
        <source>The labels&apos; template</source>
        <translation>Die Vorlage der Etiketten</translation>
    </message>
    <message>
        <source>Label templates (*.json);;All files (*)</source>
        <translation>Etikettenvorlagen (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>L&amp;abels to:</source>
        <translation>Eti&amp;ketten an:</translation>
    </message>
    <message>
        <source>Label te&amp;mplate:</source>
        <translation>Etiketten&amp;vorlage:</translation>
    </message>
    <message>
        <source>Pro&amp;duct serial pattern:</source>
        <translation>&amp;Muster der Produkt-Seriennummer:</translation>
    </message>
    <message>
        <source>Labels to: %1</source>
        <translation>Etiketten an: %1</translation>
    </message>
    <message>
        <source>Label template: say where the labels go too</source>
        <translation>Etikettenvorlage: auch angeben, wohin die Etiketten gehen</translation>
    </message>
    <message>
        <source>Product serial pattern: %1</source>
        <translation>Muster der Produkt-Seriennummer: %1</translation>
    </message>
</context>
</TS>
