<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Form1</name>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Loopback On</source>
        <translation>Loopback attivo</translation>
    </message>
    <message>
        <source>Loopback Off</source>
        <translation>Loopback spento</translation>
    </message>
    <message>
        <source>Cont Send On</source>
        <translation>Invio continuo attivo</translation>
    </message>
    <message>
        <source>Cont Send Off</source>
        <translation>Invio continuo spento</translation>
    </message>
    <message>
        <source>Destination Address</source>
        <translation>Indirizzo di destinazione</translation>
    </message>
    <message>
        <source>Local Address</source>
        <translation>Indirizzo locale</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Frequenza RF</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>Potenza TX</translation>
    </message>
    <message>
        <source>RF TX Speed</source>
        <translation>Velocità RF TX</translation>
    </message>
    <message>
        <source>%1, byte %2</source>
        <translation>%1, byte %2</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>millisecondi</translation>
    </message>
    <message>
        <source>Received characters</source>
        <translation>Caratteri ricevuti</translation>
    </message>
    <message>
        <source>Characters to send</source>
        <translation>Caratteri da inviare</translation>
    </message>
    <message>
        <source>Echoed characters</source>
        <translation>Caratteri rimandati</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Read the module first: Connect, or Refresh.</source>
        <translation>Leggere prima il modulo: Connetti, o Aggiorna.</translation>
    </message>
    <message>
        <source>Connect to a port first.</source>
        <translation>Connettere prima una porta.</translation>
    </message>
    <message>
        <source>Modem Setup</source>
        <translation>Impostazione modem</translation>
    </message>
    <message>
        <source>Comms Port Setup</source>
        <translation>Impostazione porta</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminale</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Ripetitore</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>0-FF Hex</source>
        <translation>0-FF hex</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Select Freq Band </source>
        <translation>Scegliere la banda</translation>
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
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Valori di fabbrica</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Comm Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baud</translation>
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
        <translation>Intervallo di invio</translation>
    </message>
    <message>
        <source>Exit AT Mode</source>
        <translation>Esci dalla modalità AT</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>Loopback Delay</source>
        <translation>Ritardo del loopback</translation>
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
        <translation>Impostazioni modem</translation>
    </message>
    <message>
        <source>Comms Setup</source>
        <translation>Impostazione porta</translation>
    </message>
</context>
<context>
    <name>zomar::BandAdviceLine</name>
    <message>
        <source>Band-plan advice</source>
        <translation>Consiglio del piano di banda</translation>
    </message>
    <message>
        <source>No band-plan advice</source>
        <translation>Nessun consiglio del piano di banda</translation>
    </message>
    <message>
        <source>Band-plan advice for the %1</source>
        <translation>Consiglio del piano di banda per: %1</translation>
    </message>
    <message>
        <source>Advice only: Set writes the frequency you choose.</source>
        <translation>È solo un consiglio: Scrivi scrive la frequenza che scegliete.</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureLauncher</name>
    <message>
        <source>Capture...</source>
        <translation>Cattura...</translation>
    </message>
    <message>
        <source>Every byte both ways, a line per burst with time and hex</source>
        <translation>Ogni byte nei due sensi, una riga per raffica con ora ed esadecimale</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureWindow</name>
    <message>
        <source>Capture</source>
        <translation>Cattura</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>Find (Enter, F3: next)</source>
        <translation>Cerca (Invio, F3: successivo)</translation>
    </message>
    <message>
        <source>Save Text...</source>
        <translation>Salva testo...</translation>
    </message>
    <message>
        <source>The lines as shown, as a text file</source>
        <translation>Le righe come mostrate, come file di testo</translation>
    </message>
    <message>
        <source>Save Raw...</source>
        <translation>Salva byte...</translation>
    </message>
    <message>
        <source>The bytes as they went, both ways, with a timestamped hex log beside them (FILE.log) that tells which went which way</source>
        <translation>I byte come sono passati, nei due sensi, con accanto un registro esadecimale con data e ora (FILE.log) che indica il senso di ciascuno</translation>
    </message>
    <message>
        <source>Send:</source>
        <translation>Invia:</translation>
    </message>
    <message>
        <source>41 42 0d   or   AB\x0d   (Enter sends)</source>
        <translation>41 42 0d   oppure   AB\x0d   (Invio invia)</translation>
    </message>
    <message>
        <source>Sent as bytes on Enter: %1</source>
        <translation>Inviato come byte con Invio: %1</translation>
    </message>
    <message>
        <source>Capture: %1 bursts (%2 dropped)%3</source>
        <translation>Cattura: %1 raffiche (%2 scartate)%3</translation>
    </message>
    <message>
        <source>, paused</source>
        <translation>, in pausa</translation>
    </message>
    <message>
        <source>%1 B sent, %2 B received</source>
        <translation>%1 B inviati, %2 B ricevuti</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Non inviato: %1</translation>
    </message>
    <message>
        <source>Not sent: the port is not open</source>
        <translation>Non inviato: la porta non è aperta</translation>
    </message>
    <message>
        <source>Sent %1 byte(s)</source>
        <translation>%1 byte inviati</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>Riga %1 di %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the capture</source>
        <translation>«%1» non è nella cattura</translation>
    </message>
    <message>
        <source>Save Capture as Text</source>
        <translation>Salva la cattura come testo</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>Saved %1 line(s) to %2</source>
        <translation>%1 righe salvate in %2</translation>
    </message>
    <message>
        <source>Save Capture as Raw Bytes</source>
        <translation>Salva la cattura come byte grezzi</translation>
    </message>
    <message>
        <source>Raw bytes (*.bin)</source>
        <translation>Byte grezzi (*.bin)</translation>
    </message>
    <message>
        <source>Saved the bytes to %1 and their hex log to %2</source>
        <translation>Byte salvati in %1 e il loro registro esadecimale in %2</translation>
    </message>
    <message>
        <source>Capture not saved</source>
        <translation>Cattura non salvata</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
</context>
<context>
    <name>zomar::CommandModeSteps</name>
    <message>
        <source>Error!! %1</source>
        <translation>Errore!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::FactoryReset</name>
    <message>
        <source>This will reset the unit to Factory defaults.<byte value="xd"/>
Continue?</source>
        <translation>Il modulo tornerà ai valori di fabbrica.<byte value="xd"/>
Continuare?</translation>
    </message>
</context>
<context>
    <name>zomar::FindModuleDialog</name>
    <message>
        <source>Find Module</source>
        <translation>Cerca modulo</translation>
    </message>
    <message>
        <source>Looking for a module on %1, at each line speed: %2 baud.
%3</source>
        <translation>Ricerca di un modulo su %1, a ogni velocità di linea: %2 baud.
%3</translation>
    </message>
    <message>
        <source>1 port</source>
        <translation>1 porta</translation>
    </message>
    <message numerus="yes">
        <source>%n ports</source>
        <translation>
            <numerusform>%n porta</numerusform>
            <numerusform>%n porte</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No serial ports to search. Plug in the adapter (a USB adapter shows up as /dev/ttyUSB* or /dev/ttyACM*), then try again.</source>
        <translation>Nessuna porta seriale da cercare. Collegare l&apos;adattatore (un adattatore USB appare come /dev/ttyUSB* o /dev/ttyACM*), poi riprovare.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Avvio...</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>Arresto dopo le letture in corso...</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <translation>%1 a %2 baud</translation>
    </message>
    <message>
        <source>Trying %1...</source>
        <translation>Prova di %1...</translation>
    </message>
    <message>
        <source>Found a module on %1 at %2 baud.</source>
        <translation>Modulo trovato su %1 a %2 baud.</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Ricerca annullata.</translation>
    </message>
    <message>
        <source>No module answered on %1 at any line speed. Check the cable and the module&apos;s power.</source>
        <translation>Nessun modulo ha risposto su %1 a nessuna velocità di linea. Controllare il cavo e l&apos;alimentazione del modulo.</translation>
    </message>
</context>
<context>
    <name>zomar::Form1</name>
    <message>
        <source>Zomar Setup Utility - Version:%1.%2.%3</source>
        <translation>Zomar Setup Utility - Versione:%1.%2.%3</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>No serial device</source>
        <translation>Nessun dispositivo seriale</translation>
    </message>
    <message>
        <source>The port and speed could not be saved to %1: %2.
They will not be remembered next time.</source>
        <translation>Non è stato possibile salvare porta e velocità in %1: %2.
Non saranno ricordate la prossima volta.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Impostazioni non salvate</translation>
    </message>
</context>
<context>
    <name>zomar::LanguageMenu</name>
    <message>
        <source>The windows will be in %1 when the program starts again.</source>
        <translation>Le finestre saranno in %1 al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>The windows will follow &quot;%1&quot; when the program starts again.</source>
        <translation>Le finestre seguiranno «%1» al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>The language could not be saved to %1: %2.</source>
        <translation>Non è stato possibile salvare la lingua in %1: %2.</translation>
    </message>
</context>
<context>
    <name>zomar::LatencyChart</name>
    <message>
        <source>Latency</source>
        <translation>Latenza</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perso</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Pacchetto</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Latenza (ms)</translation>
    </message>
</context>
<context>
    <name>zomar::LinkTestDialog</name>
    <message>
        <source>Link Test</source>
        <translation>Test del collegamento</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> byte</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>twice a packet&apos;s time</source>
        <translation>il doppio del tempo di un pacchetto</translation>
    </message>
    <message>
        <source>Put the second module on the first one&apos;s channel and &amp;RF speed</source>
        <translation>Porta il secondo modulo sul canale e sulla velocità &amp;RF del primo</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;A</translation>
    </message>
    <message>
        <source>&amp;Line speed</source>
        <translation>Velocità di &amp;linea</translation>
    </message>
    <message>
        <source>&amp;Packets</source>
        <translation>&amp;Pacchetti</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>Dime&amp;nsione</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Intervallo</translation>
    </message>
    <message>
        <source>Two modules are needed, each on a port of this computer; type a device or a port number if one is not listed.</source>
        <translation>Servono due moduli, ciascuno su una porta di questo computer; digitare un dispositivo o un numero di porta se non è nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Choose the two ports and press Start.</source>
        <translation>Scegliere le due porte e premere Avvia.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Av&amp;via</translation>
    </message>
    <message>
        <source>Sa&amp;ve CSV...</source>
        <translation>&amp;Salva CSV...</translation>
    </message>
    <message>
        <source>Run a test first: the file has a row per packet.</source>
        <translation>Eseguire prima un test: il file ha una riga per pacchetto.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Not while a test runs: Cancel stops it.</source>
        <translation>Non durante un test: Annulla lo ferma.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>Choose a port for each module.</source>
        <translation>Scegliere una porta per ogni modulo.</translation>
    </message>
    <message>
        <source>Both boxes name %1: a link needs two modules, each on its own port.</source>
        <translation>Entrambi i campi indicano %1: un collegamento richiede due moduli, ciascuno sulla propria porta.</translation>
    </message>
    <message>
        <source>%1 is the window&apos;s own port, which is connected. Disconnect it first, or choose another.</source>
        <translation>%1 è la porta della finestra, che è connessa. Disconnetterla prima, o sceglierne un&apos;altra.</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Latenza (ms)</translation>
    </message>
    <message>
        <source>Reading both modules...</source>
        <translation>Lettura dei due moduli...</translation>
    </message>
    <message>
        <source>Cancelled before the test began.</source>
        <translation>Annullato prima dell&apos;inizio del test.</translation>
    </message>
    <message>
        <source>. Tick &quot;%1&quot; to align them.</source>
        <translation>. Spuntare «%1» per allinearli.</translation>
    </message>
    <message>
        <source>The second module was put on %1, %2 (written and verified). Sending...</source>
        <translation>Il secondo modulo è stato portato su %1, %2 (scritto e verificato). Invio...</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Invio...</translation>
    </message>
    <message>
        <source>Sent %1 of %2, received %3, lost %4 (every %5 ms at %6 bps RF)</source>
        <translation>Inviati %1 di %2, ricevuti %3, persi %4 (ogni %5 ms a %6 bit/s RF)</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Fermato: %1</translation>
    </message>
    <message>
        <source>Cancelled: the figures so far.</source>
        <translation>Annullato: i dati finora.</translation>
    </message>
    <message>
        <source>Nothing came through: check both modules&apos; power and antennas.</source>
        <translation>Non è arrivato nulla: controllare alimentazione e antenne di entrambi i moduli.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>Arresto dopo le letture in corso...</translation>
    </message>
    <message>
        <source>Save Link Test</source>
        <translation>Salva il test del collegamento</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvato.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>Impossibile salvare: %1.</translation>
    </message>
    <message>
        <source>
Warning: %1.</source>
        <translation>
Attenzione: %1.</translation>
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
        <translation>Nuova macro</translation>
    </message>
    <message>
        <source>Edit Macro</source>
        <translation>Modifica macro</translation>
    </message>
    <message>
        <source>One step a line: &quot;send BYTES&quot;, &quot;wait MS&quot;, &quot;expect BYTES MS&quot;; bytes as the Send line takes them (41 42 0d, AT\r\n).</source>
        <translation>Un passo per riga: «send BYTE», «wait MS», «expect BYTE MS»; i byte come li accetta la riga Invia (41 42 0d, AT\r\n).</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>&amp;Passi:</translation>
    </message>
    <message>
        <source>Give the macro a name: it is the button&apos;s text.</source>
        <translation>Dare un nome alla macro: è il testo del pulsante.</translation>
    </message>
</context>
<context>
    <name>zomar::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open Profile...</source>
        <translation>&amp;Apri profilo...</translation>
    </message>
    <message>
        <source>&amp;Save Profile...</source>
        <translation>&amp;Salva profilo...</translation>
    </message>
    <message>
        <source>&amp;Recent Profiles</source>
        <translation>Profili &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>&amp;Find Module...</source>
        <translation>&amp;Cerca modulo...</translation>
    </message>
    <message>
        <source>&amp;Link Test...</source>
        <translation>Test del co&amp;llegamento...</translation>
    </message>
    <message>
        <source>&amp;Capture...</source>
        <translation>C&amp;attura...</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Lingua del &amp;sistema</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>S&amp;vuota elenco</translation>
    </message>
    <message>
        <source>Zomar Setup Utility
Version %1

Sets up Zomar radio-modem modules on a serial port.

Built with Qt %2, running on Qt %3.
Licence: MIT (see the LICENSE file).</source>
        <translation>Zomar Setup Utility
Versione %1

Imposta i moduli radiomodem Zomar su una porta seriale.

Compilato con Qt %2, in esecuzione con Qt %3.
Licenza: MIT (vedere il file LICENSE).</translation>
    </message>
    <message>
        <source>About Zomar Setup Utility</source>
        <translation>Informazioni su Zomar Setup Utility</translation>
    </message>
</context>
<context>
    <name>zomar::ModuleSearch</name>
    <message>
        <source>The window&apos;s port (COMM %1) was disconnected: the search opens every port itself.</source>
        <translation>La porta della finestra (COMM %1) è stata disconnessa: la ricerca apre da sé ogni porta.</translation>
    </message>
    <message>
        <source>The window&apos;s port stays disconnected: the search opens every port itself.</source>
        <translation>La porta della finestra resta disconnessa: la ricerca apre da sé ogni porta.</translation>
    </message>
    <message>
        <source>Looking for a module...</source>
        <translation>Ricerca di un modulo...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>A module answered on %1 at %2 baud, but no port number of the window leads to that device. Map one to it, e.g. with --port-map 1=%1, or a &quot;Ports&quot; setting.</source>
        <translation>Un modulo ha risposto su %1 a %2 baud, ma nessun numero di porta della finestra porta a quel dispositivo. Assegnarne uno, p. es. con --port-map 1=%1, o un&apos;impostazione «Ports».</translation>
    </message>
    <message>
        <source>Find Module</source>
        <translation>Cerca modulo</translation>
    </message>
</context>
<context>
    <name>zomar::OperatorField</name>
    <message>
        <source>Scan badge, or type name + Enter</source>
        <translation>Scansionare il badge, o digitare il nome + Invio</translation>
    </message>
</context>
<context>
    <name>zomar::PageProfile</name>
    <message>
        <source>The profile was not saved: %1</source>
        <translation>Il profilo non è stato salvato: %1</translation>
    </message>
    <message>
        <source>the %1 field shows &quot;??&quot; (not read from the module). Connect or press Refresh, or fill it in, first.</source>
        <translation>il campo %1 mostra «??» (non letto dal modulo). Prima connettere o premere Aggiorna, oppure compilarlo.</translation>
    </message>
    <message>
        <source>Set would refuse the %1 field (&quot;%2&quot;: %3).</source>
        <translation>Scrivi rifiuterebbe il campo %1 («%2»: %3).</translation>
    </message>
    <message>
        <source>the Tx Power field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>il campo Potenza TX contiene «%1», che non è nessuno dei suoi valori (%2).</translation>
    </message>
    <message>
        <source>the RF TX Speed field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>il campo Velocità RF TX contiene «%1», che non è nessuno dei suoi valori (%2).</translation>
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
        <translation>Nuovo &amp;PIN:</translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation>&amp;Ripeti:</translation>
    </message>
    <message>
        <source>the two PINs differ</source>
        <translation>i due PIN sono diversi</translation>
    </message>
    <message>
        <source>Not set: %1.</source>
        <translation>Non impostato: %1.</translation>
    </message>
    <message>
        <source>The PIN guards the setup: the profile, the addresses, the record and the slots. Give it to the engineers only.</source>
        <translation>Il PIN protegge la configurazione: il profilo, gli indirizzi, il registro e le postazioni. Darlo solo agli ingegneri.</translation>
    </message>
</context>
<context>
    <name>zomar::PortConnection</name>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione...</translation>
    </message>
    <message>
        <source>Connected to COMM %1</source>
        <translation>Connesso a COMM %1</translation>
    </message>
    <message>
        <source>Please select a valid comms port</source>
        <translation>Selezionare una porta di comunicazione valida</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Porta non valida</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>Errore!! %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>Connessione persa: %1</translation>
    </message>
    <message>
        <source>Check the cable or USB adapter, then press Connect.</source>
        <translation>Controllare il cavo o l&apos;adattatore USB, poi premere Connetti.</translation>
    </message>
</context>
<context>
    <name>zomar::ProfileActions</name>
    <message>
        <source>Open Profile</source>
        <translation>Apri profilo</translation>
    </message>
    <message>
        <source>Zomar profiles (*.json);;All files (*)</source>
        <translation>Profili Zomar (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1: no longer exists; it was taken off the recent profiles.</source>
        <translation>%1: non esiste più; è stato tolto dai profili recenti.</translation>
    </message>
    <message>
        <source>Profile not opened</source>
        <translation>Profilo non aperto</translation>
    </message>
    <message>
        <source>Nothing on the page was changed.</source>
        <translation>Nella pagina non è cambiato nulla.</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Set writes it to the module</source>
        <translation>Profilo %1 caricato: Scrivi lo scrive nel modulo</translation>
    </message>
    <message>
        <source>Profile %1 loaded: connect first, then open it again to Set it</source>
        <translation>Profilo %1 caricato: prima connettere, poi riaprirlo per scriverlo</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Refresh first, then open it again to Set it</source>
        <translation>Profilo %1 caricato: prima aggiornare, poi riaprirlo per scriverlo</translation>
    </message>
    <message>
        <source>Profile not saved</source>
        <translation>Profilo non salvato</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <source>Profile %1 saved to %2</source>
        <translation>Profilo %1 salvato in %2</translation>
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
        <translation>canale %1</translation>
    </message>
    <message>
        <source>TX power %1</source>
        <translation>potenza TX %1</translation>
    </message>
    <message>
        <source>RF speed %1</source>
        <translation>velocità RF %1</translation>
    </message>
    <message>
        <source>destination %1</source>
        <translation>destinazione %1</translation>
    </message>
    <message>
        <source>local %1</source>
        <translation>locale %1</translation>
    </message>
    <message>
        <source>no field set</source>
        <translation>nessun campo impostato</translation>
    </message>
</context>
<context>
    <name>zomar::RefreshOperation</name>
    <message>
        <source>No Response from Modem. Check Comms Port &amp; Baud rate</source>
        <translation>Nessuna risposta dal modem. Controllare porta e baud</translation>
    </message>
    <message>
        <source>Requesting Configuration...</source>
        <translation>Richiesta della configurazione...</translation>
    </message>
    <message>
        <source>Request Complete</source>
        <translation>Richiesta completata</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Errore %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>zomar::RepeaterPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>Errore!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::ScriptBench</name>
    <message>
        <source>Macros</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>New Macro...</source>
        <translation>Nuova macro...</translation>
    </message>
    <message>
        <source>A named button that sends a stored sequence of bytes and waits</source>
        <translation>Un pulsante con nome che invia una sequenza di byte salvata e attende</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Run Script...</source>
        <translation>Esegui script...</translation>
    </message>
    <message>
        <source>Runs a JavaScript file on this port: send, expect, module.read, module.write, log</source>
        <translation>Esegue un file JavaScript su questa porta: send, expect, module.read, module.write, log</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Script log</source>
        <translation>Registro dello script</translation>
    </message>
    <message>
        <source>%1 (right-click to edit or delete)</source>
        <translation>%1 (clic destro per modificare o eliminare)</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifica...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Not run: %1: %2</source>
        <translation>Non eseguito: %1: %2</translation>
    </message>
    <message>
        <source>Not run: the port is not open</source>
        <translation>Non eseguito: la porta non è aperta</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>Esegui script</translation>
    </message>
    <message>
        <source>Scripts (*.js)</source>
        <translation>Script (*.js)</translation>
    </message>
    <message>
        <source>Not run: %1 cannot be read as a script</source>
        <translation>Non eseguito: %1 non può essere letto come script</translation>
    </message>
    <message>
        <source>Not run: a script is running; stop it first</source>
        <translation>Non eseguito: uno script è in esecuzione; fermarlo prima</translation>
    </message>
    <message>
        <source>%1: started</source>
        <translation>%1: avviato</translation>
    </message>
    <message>
        <source>Running %1...</source>
        <translation>Esecuzione di %1...</translation>
    </message>
    <message>
        <source>%1: done</source>
        <translation>%1: fatto</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1: fermato</translation>
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
        <translation>Scansionare il numero di serie del prodotto</translation>
    </message>
    <message>
        <source>P&amp;roduct serial:</source>
        <translation>N&amp;umero di serie del prodotto:</translation>
    </message>
    <message>
        <source>P&amp;roduct serial for %1:</source>
        <translation>N&amp;umero di serie del prodotto per %1:</translation>
    </message>
</context>
<context>
    <name>zomar::SerialNotice</name>
    <message>
        <source>&amp;Acknowledge</source>
        <translation>&amp;Conferma</translation>
    </message>
</context>
<context>
    <name>zomar::SetOperation</name>
    <message>
        <source>Invalid input (00-FF)</source>
        <translation>Valore non valido (00-FF)</translation>
    </message>
    <message>
        <source>Error!!</source>
        <translation>Errore!!</translation>
    </message>
    <message>
        <source>Incorrect value</source>
        <translation>Valore errato</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Incorrect Frequency value</source>
        <translation>Valore di frequenza errato</translation>
    </message>
    <message>
        <source>Invalid input (Tx Power)</source>
        <translation>Valore non valido (Potenza TX)</translation>
    </message>
    <message>
        <source>Invalid input (RF TX Speed)</source>
        <translation>Valore non valido (Velocità RF TX)</translation>
    </message>
    <message>
        <source>Error!! Overflow</source>
        <translation>Errore!! Overflow</translation>
    </message>
    <message>
        <source>Sending Configuration...</source>
        <translation>Invio della configurazione...</translation>
    </message>
    <message>
        <source>Send Complete</source>
        <translation>Invio completato</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>Errore!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::SetupChange</name>
    <message>
        <source>The setup of this station is guarded by a PIN.</source>
        <translation>La configurazione di questa stazione è protetta da un PIN.</translation>
    </message>
    <message>
        <source>A new station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>Una nuova stazione sostituisce questa, la cui configurazione è protetta da un PIN.</translation>
    </message>
    <message>
        <source>Keep the station&apos;s setup in</source>
        <translation>Salva la configurazione della stazione in</translation>
    </message>
    <message>
        <source>Station files (*.json)</source>
        <translation>File di stazione (*.json)</translation>
    </message>
    <message>
        <source>Another station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>Un&apos;altra stazione sostituisce questa, la cui configurazione è protetta da un PIN.</translation>
    </message>
    <message>
        <source>Open a station</source>
        <translation>Apri una stazione</translation>
    </message>
    <message>
        <source>Station files (*.json);;All files (*)</source>
        <translation>File di stazione (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Wait until the module being programmed has finished.</source>
        <translation>Attendere che il modulo in programmazione abbia finito.</translation>
    </message>
    <message numerus="yes">
        <source>Wait until the %n modules being programmed have finished.</source>
        <translation>
            <numerusform>Attendere che il %n modulo in programmazione abbia finito.</numerusform>
            <numerusform>Attendere che i %n moduli in programmazione abbiano finito.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN: the setup stays as it is.</source>
        <translation>PIN errato: la configurazione resta com&apos;è.</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftPanel</name>
    <message>
        <source>This shift</source>
        <translation>Questo turno</translation>
    </message>
    <message>
        <source>Last units</source>
        <translation>Ultime unità</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Postazione</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>OK %1</translation>
    </message>
    <message>
        <source>Fail %1</source>
        <translation>Errori %1</translation>
    </message>
    <message>
        <source>since %1</source>
        <translation>dalle %1</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation>ERRORE: %1</translation>
    </message>
    <message>
        <source>First-pass yield %1 %</source>
        <translation>Resa al primo passaggio %1 %</translation>
    </message>
    <message>
        <source>First-pass yield –</source>
        <translation>Resa al primo passaggio –</translation>
    </message>
    <message>
        <source>%1 units/h</source>
        <translation>%1 unità/h</translation>
    </message>
    <message>
        <source>– units/h</source>
        <translation>– unità/h</translation>
    </message>
    <message>
        <source>%1: yield %2 % (%3 of %4), well below the other slots (%5 %): check its socket</source>
        <translation>%1: resa %2 % (%3 su %4), molto sotto gli altri posti (%5 %): controllare lo zoccolo</translation>
    </message>
    <message>
        <source>UNKNOWN: %1</source>
        <translation>SCONOSCIUTO: %1</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftTally</name>
    <message>
        <source>%1 pass · %2 fail · yield %3</source>
        <translation>%1 OK · %2 errori · resa %3</translation>
    </message>
</context>
<context>
    <name>zomar::SimulationMenu</name>
    <message>
        <source>Si&amp;mulation</source>
        <translation>Si&amp;mulazione</translation>
    </message>
    <message>
        <source>&amp;Demo: modules come and go</source>
        <translation>&amp;Demo: i moduli vanno e vengono</translation>
    </message>
    <message>
        <source>&amp;Next module plugged in</source>
        <translation>Modulo &amp;successivo inserito</translation>
    </message>
    <message>
        <source>Module in slot &amp;%1</source>
        <translation>Modulo nella postazione &amp;%1</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTeacher</name>
    <message>
        <source>Teach slots - %1</source>
        <translation>Impara le postazioni - %1</translation>
    </message>
    <message>
        <source>Plug a module into each socket of the hub in turn, in the order the slots should have. A module already in place: unplug it and plug it in again. Nothing is written to the modules.
Watching %1</source>
        <translation>Inserire un modulo in ogni presa dell&apos;hub, una dopo l&apos;altra, nell&apos;ordine che devono avere le postazioni. Un modulo già inserito: estrarlo e reinserirlo. Nei moduli non viene scritto nulla.
Sorveglianza di %1</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fatto</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Ricomincia</translation>
    </message>
    <message>
        <source>The folder does not exist yet: it appears with the first adapter plugged in.</source>
        <translation>La cartella non esiste ancora: compare con il primo adattatore inserito.</translation>
    </message>
    <message>
        <source>That socket is %1 already.</source>
        <translation>Quella presa è già %1.</translation>
    </message>
    <message>
        <source>A station has at most %1 slots.</source>
        <translation>Una stazione ha al massimo %1 postazioni.</translation>
    </message>
    <message>
        <source>%1 is the socket %2.</source>
        <translation>%1 è la presa %2.</translation>
    </message>
    <message>
        <source>Plug a module into the socket for %1</source>
        <translation>Inserire un modulo nella presa di %1</translation>
    </message>
    <message>
        <source>Sockets taught</source>
        <translation>Prese imparate</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTile</name>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Left alone</source>
        <translation>Lasciato stare</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Non avviato</translation>
    </message>
    <message>
        <source>Plug in a module</source>
        <translation>Inserire un modulo</translation>
    </message>
    <message>
        <source>It was in place at the start: unplug it and plug it in again</source>
        <translation>Era già inserito all&apos;avvio: estrarlo e reinserirlo</translation>
    </message>
    <message>
        <source>Step %1 of 3: do not unplug</source>
        <translation>Passo %1 di 3: non estrarre</translation>
    </message>
    <message>
        <source>Address %1: unplug it</source>
        <translation>Indirizzo %1: estrarlo</translation>
    </message>
    <message>
        <source>Written and verified: unplug it</source>
        <translation>Scritto e verificato: estrarlo</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>SCONOSCIUTO</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Non in funzione</translation>
    </message>
    <message>
        <source>No sockets</source>
        <translation>Nessun connettore</translation>
    </message>
</context>
<context>
    <name>zomar::StationLine</name>
    <message>
        <source>%1: give the first address of a pool</source>
        <translation>%1: indicare il primo indirizzo di un intervallo</translation>
    </message>
    <message>
        <source>The station is closing</source>
        <translation>La stazione si sta chiudendo</translation>
    </message>
    <message>
        <source>The setup is being changed: plug it in again later</source>
        <translation>La configurazione è in modifica: reinserirlo più tardi</translation>
    </message>
    <message>
        <source>The record cannot be written: call the engineer</source>
        <translation>Il registro non può essere scritto: chiamare l&apos;ingegnere</translation>
    </message>
    <message>
        <source>The module before is still finishing: plug this one in again</source>
        <translation>Il modulo precedente non ha ancora finito: reinserire questo</translation>
    </message>
    <message>
        <source>%1; not recorded: %2</source>
        <translation>%1; non registrato: %2</translation>
    </message>
    <message>
        <source>; not in the log: %1</source>
        <translation>; non nel giornale: %1</translation>
    </message>
    <message>
        <source>Refused: nothing was written; call the engineer</source>
        <translation>Rifiutato: non è stato scritto nulla; chiamare l&apos;ingegnere</translation>
    </message>
    <message>
        <source>No answer: check the module is seated</source>
        <translation>Nessuna risposta: controllare che il modulo sia inserito bene</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside</source>
        <translation>La rilettura differisce: mettere da parte il modulo</translation>
    </message>
    <message>
        <source>Port failed: check the hub and its cable</source>
        <translation>Guasto della porta: controllare l&apos;hub e il suo cavo</translation>
    </message>
    <message>
        <source>Not recorded: call the engineer</source>
        <translation>Non registrato: chiamare l&apos;ingegnere</translation>
    </message>
    <message>
        <source>Not started: no address left offline; call the engineer</source>
        <translation>Non avviato: nessun indirizzo libero offline; chiamare l&apos;ingegnere</translation>
    </message>
    <message>
        <source>Its outcome was not recorded: read it back</source>
        <translation>Esito non registrato: rileggerlo</translation>
    </message>
    <message>
        <source>Port lost before it was written: nothing was written</source>
        <translation>Porta persa prima della scrittura: non è stato scritto nulla</translation>
    </message>
    <message>
        <source>This station runs in %1 (pid %2)</source>
        <translation>Questa stazione è in funzione in %1 (pid %2)</translation>
    </message>
    <message>
        <source>The station is not running: call the engineer</source>
        <translation>La stazione non è in funzione: chiamare il tecnico</translation>
    </message>
    <message>
        <source>The socket folder is missing: check the hub is plugged in, or call the engineer</source>
        <translation>Manca la cartella dei connettori: controllare che l&apos;hub sia collegato o chiamare il tecnico</translation>
    </message>
    <message>
        <source>%1 is not there; the station watches for it.</source>
        <translation>%1 non c&apos;è; la stazione lo attende.</translation>
    </message>
    <message>
        <source>Pulled out as it was written: its state is unknown; read it back</source>
        <translation>Estratto durante la scrittura: stato sconosciuto; rileggerlo</translation>
    </message>
    <message>
        <source>Pulled out as it was written: it may hold address %1; read it back</source>
        <translation>Estratto durante la scrittura: potrebbe avere l&apos;indirizzo %1; rileggerlo</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside (address %1 was sent)</source>
        <translation>La rilettura differisce: mettere da parte il modulo (è stato inviato l&apos;indirizzo %1)</translation>
    </message>
    <message>
        <source>In use by another program: close it there, then plug the module in again</source>
        <translation>In uso da un altro programma: chiuderlo, poi reinserire il modulo</translation>
    </message>
    <message>
        <source>In use by %1: close it there, then plug the module in again</source>
        <translation>In uso da %1: chiuderlo, poi reinserire il modulo</translation>
    </message>
    <message>
        <source>Pulled out before it was written: nothing was written; plug it in again</source>
        <translation>Estratto prima della scrittura: non è stato scritto nulla; reinserirlo</translation>
    </message>
</context>
<context>
    <name>zomar::StationSetupDialog</name>
    <message>
        <source>Station setup - %1</source>
        <translation>Configurazione della stazione - %1</translation>
    </message>
    <message>
        <source>this computer&apos;s name</source>
        <translation>nome di questo computer</translation>
    </message>
    <message>
        <source>none: modules keep their own</source>
        <translation>nessuno: i moduli tengono il proprio</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>La lingua del sistema</translation>
    </message>
    <message>
        <source>The station&apos;s windows are in this language from its next start, unless a technician chooses another in the Language menu.</source>
        <translation>Le finestre della stazione saranno in questa lingua dal prossimo avvio, a meno che un tecnico ne scelga un&apos;altra nel menu Lingua.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Presa</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Sfogli&amp;a...</translation>
    </message>
    <message>
        <source>&amp;Teach slots...</source>
        <translation>I&amp;mpara le postazioni...</translation>
    </message>
    <message>
        <source>Remo&amp;ve slot</source>
        <translation>Elimina posta&amp;zione</translation>
    </message>
    <message>
        <source>Set P&amp;IN...</source>
        <translation>Imposta il &amp;codice PIN...</translation>
    </message>
    <message>
        <source>No PIN</source>
        <translation>Nessun PIN</translation>
    </message>
    <message>
        <source>Station &amp;name:</source>
        <translation>&amp;Nome della stazione:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profilo:</translation>
    </message>
    <message>
        <source>St&amp;ep:</source>
        <translation>Pass&amp;o:</translation>
    </message>
    <message>
        <source>&amp;First address:</source>
        <translation>Primo &amp;indirizzo:</translation>
    </message>
    <message>
        <source>Re&amp;cord:</source>
        <translation>&amp;Registro:</translation>
    </message>
    <message>
        <source>&amp;Line speed:</source>
        <translation>&amp;Velocità di linea:</translation>
    </message>
    <message>
        <source>Band plan re&amp;gion:</source>
        <translation>Re&amp;gione del piano di banda:</translation>
    </message>
    <message>
        <source>Technicians&apos; lang&amp;uage:</source>
        <translation>&amp;Lingua dei tecnici:</translation>
    </message>
    <message>
        <source>S&amp;ocket folder:</source>
        <translation>Cartella delle pr&amp;ese:</translation>
    </message>
    <message>
        <source>&amp;Slots (double-click or F2 on a name to rename):</source>
        <translation>Pos&amp;tazioni (doppio clic o F2 su un nome per rinominarlo):</translation>
    </message>
    <message>
        <source>First address %1: %2</source>
        <translation>Primo indirizzo %1: %2</translation>
    </message>
    <message>
        <source>no slot yet: Teach slots, then save</source>
        <translation>ancora nessuna postazione: imparare le postazioni, poi salvare</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non salvato: %1</translation>
    </message>
    <message>
        <source>The profile every module gets</source>
        <translation>Il profilo che riceve ogni modulo</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Profili (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The production record (a new file is made)</source>
        <translation>Il registro di produzione (viene creato un nuovo file)</translation>
    </message>
    <message>
        <source>Production records (*.db);;All files (*)</source>
        <translation>Registri di produzione (*.db);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Name the profile every module gets.</source>
        <translation>Indicare il profilo che riceve ogni modulo.</translation>
    </message>
    <message>
        <source>A PIN guards this setup.</source>
        <translation>Un PIN protegge questa configurazione.</translation>
    </message>
    <message>
        <source>No PIN: anyone at the station can change the setup.</source>
        <translation>Nessun PIN: chiunque alla stazione può cambiare la configurazione.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>zomar::StationTrace</name>
    <message>
        <source>S/N %1: being recorded</source>
        <translation>S/N %1: in registrazione</translation>
    </message>
    <message>
        <source>Scan the product serial</source>
        <translation>Scansionare il numero di serie del prodotto</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>S/N %1</translation>
    </message>
    <message>
        <source>printing the label</source>
        <translation>stampa dell&apos;etichetta in corso</translation>
    </message>
    <message>
        <source>label printed</source>
        <translation>etichetta stampata</translation>
    </message>
    <message>
        <source>label not printed: %1</source>
        <translation>etichetta non stampata: %1</translation>
    </message>
    <message>
        <source>Serial refused: one line of at most %1 characters</source>
        <translation>Numero di serie rifiutato: una riga di al massimo %1 caratteri</translation>
    </message>
    <message>
        <source>Serial %1 refused: it does not match %2</source>
        <translation>Numero di serie %1 rifiutato: non corrisponde a %2</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to the unit with address %2</source>
        <translation>Numero di serie %1 rifiutato: è legato all&apos;unità con indirizzo %2</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to another unit</source>
        <translation>Numero di serie %1 rifiutato: è legato a un&apos;altra unità</translation>
    </message>
    <message>
        <source>Serial %1 refused: this unit carries %2</source>
        <translation>Numero di serie %1 rifiutato: questa unità ha già %2</translation>
    </message>
    <message>
        <source>Serial %1 not recorded: call the engineer (%2)</source>
        <translation>Numero di serie %1 non registrato: chiamare l&apos;ingegnere (%2)</translation>
    </message>
</context>
<context>
    <name>zomar::StationWindow</name>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasti</translation>
    </message>
    <message>
        <source>Zomar Station</source>
        <translation>Zomar Station</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Operatore:</translation>
    </message>
    <message>
        <source>No station open: Station &gt; New station... or Open station...</source>
        <translation>Nessuna stazione aperta: Stazione &gt; Nuova stazione... o Apri stazione...</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Stazione</translation>
    </message>
    <message>
        <source>&amp;New station...</source>
        <translation>&amp;Nuova stazione...</translation>
    </message>
    <message>
        <source>&amp;Open station...</source>
        <translation>&amp;Apri stazione...</translation>
    </message>
    <message>
        <source>&amp;Edit setup...</source>
        <translation>&amp;Modifica configurazione...</translation>
    </message>
    <message>
        <source>New s&amp;hift...</source>
        <translation>Nuovo &amp;turno...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>%1 %2
Programming radio modules on a production line, one slot per socket.</source>
        <translation>%1 %2
Programma moduli radio su una linea di produzione, una postazione per presa.</translation>
    </message>
    <message>
        <source>The station file is refused:
%1</source>
        <translation>Il file di stazione è rifiutato:
%1</translation>
    </message>
    <message>
        <source>Station file refused: %1</source>
        <translation>File di stazione rifiutato: %1</translation>
    </message>
    <message>
        <source>A module in the socket %1 is left alone: it is no slot of this station (Edit setup &gt; Teach slots).</source>
        <translation>Un modulo nella presa %1 viene lasciato stare: non è una postazione di questa stazione (Modifica configurazione &gt; Impara le postazioni).</translation>
    </message>
    <message>
        <source>Not running: %1. An engineer can correct it in Edit setup.</source>
        <translation>Ferma: %1. Un ingegnere può correggerlo in Modifica configurazione.</translation>
    </message>
    <message>
        <source>No slots yet: Edit setup &gt; Teach slots.</source>
        <translation>Ancora nessuna postazione: Modifica configurazione &gt; Impara le postazioni.</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Profilo %1: %2</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>non letto</translation>
    </message>
    <message>
        <source>Addresses from %1, step %2</source>
        <translation>Indirizzi da %1, passo %2</translation>
    </message>
    <message>
        <source>Each module keeps its own address</source>
        <translation>Ogni modulo tiene il proprio indirizzo</translation>
    </message>
    <message>
        <source> (next %1)</source>
        <translation> (prossimo %1)</translation>
    </message>
    <message>
        <source>%1 · %2 baud</source>
        <translation>%1 · %2 baud</translation>
    </message>
    <message>
        <source>

Socket: %1</source>
        <translation>

Presa: %1</translation>
    </message>
    <message>
        <source>Start a new shift? The counts and the list of the last units start again; the record keeps every unit.</source>
        <translation>Iniziare un nuovo turno? I conteggi e l&apos;elenco delle ultime unità ripartono; il registro conserva ogni unità.</translation>
    </message>
    <message>
        <source>The setup is not saved, and the station runs as before:
%1</source>
        <translation>La configurazione non è salvata, e la stazione continua come prima:
%1</translation>
    </message>
    <message>
        <source>Closing: the module in flight finishes first. Leave it in place.</source>
        <translation>Chiusura: il modulo in corso finisce prima. Lasciarlo al suo posto.</translation>
    </message>
    <message numerus="yes">
        <source>Closing: %n modules in flight finish first. Leave them in place.</source>
        <translation>
            <numerusform>Chiusura: il %n modulo in corso finisce prima. Lasciarlo al suo posto.</numerusform>
            <numerusform>Chiusura: i %n moduli in corso finiscono prima. Lasciarli al loro posto.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;The station&apos;s or the system&apos;s language</source>
        <translation>Lingua della &amp;stazione o del sistema</translation>
    </message>
    <message>
        <source>O&amp;perator</source>
        <translation>&amp;Operatore</translation>
    </message>
    <message>
        <source>The shift&apos;s earlier units could not be read from the record (%1): counting goes on from here.</source>
        <translation>Non è stato possibile leggere dal registro le unità precedenti del turno (%1): il conteggio prosegue da qui.</translation>
    </message>
    <message>
        <source>Not running: this station runs already in %1 (pid %2). Use that window, or close it and open the station here again (Station &gt; Open station...).</source>
        <translation>Non in funzione: questa stazione è già in funzione in %1 (pid %2). Usare quella finestra, oppure chiuderla e riaprire qui la stazione (Stazione &gt; Apri stazione...).</translation>
    </message>
    <message>
        <source>Not running: the socket %1 is a slot of the station %2, which runs in %3 (pid %4). A socket belongs to one station.</source>
        <translation>Non in funzione: il connettore %1 è uno slot della stazione %2, in funzione in %3 (pid %4). Un connettore appartiene a una sola stazione.</translation>
    </message>
    <message>
        <source>Not running: %1 (pid %2) programs every module plugged in on this PC&apos;s sockets (%3). End it, then open the station again.</source>
        <translation>Non in funzione: %1 (pid %2) programma ogni modulo inserito nei connettori di questo PC (%3). Terminarlo, poi riaprire la stazione.</translation>
    </message>
    <message>
        <source>all its serial ports</source>
        <translation>tutte le sue porte seriali</translation>
    </message>
    <message>
        <source>The station file opened last, %1, is not there any more: Station &gt; Open station... or New station...</source>
        <translation>L&apos;ultimo file di stazione aperto, %1, non c&apos;è più: Stazione &gt; Apri stazione... o Nuova stazione...</translation>
    </message>
    <message>
        <source>The socket folder %1 is not there: check the hub is plugged in, or correct the folder in Edit setup. The station watches for it.</source>
        <translation>La cartella dei connettori %1 non c&apos;è: controllare che l&apos;hub sia collegato o correggere la cartella in Modifica configurazione. La stazione la attende.</translation>
    </message>
    <message>
        <source>%1: %2 – %3</source>
        <translation>%1: %2 – %3</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>SCONOSCIUTO</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Closing: modules in flight that did not pass: %1.</source>
        <translation>Chiusura: moduli in corso che non sono passati: %1.</translation>
    </message>
    <message>
        <source>Before the station closed:
%1

Put these modules aside; the record has them.</source>
        <translation>Prima della chiusura della stazione:
%1

Mettere da parte questi moduli; il registro li contiene.</translation>
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
        <translation>Tasti della stazione:

Frecce: spostarsi tra le postazioni
Invio o Spazio su una postazione: ciò che il programma ha trovato
Ctrl+P su una postazione: di nuovo l&apos;etichetta della sua unità
Tab: la postazione successiva
F2: il campo operatore (un lettore di badge vi scrive da qualsiasi punto)
Una scansione mentre una postazione attende il numero di serie: il campo del numero di serie
Ctrl+Maiusc+N: un nuovo turno
Ctrl+Maiusc+E: modificare la configurazione (l&apos;ingegnere, con il PIN)
Ctrl+O: aprire una stazione
Ctrl+Q: uscire; i moduli in corso terminano prima</translation>
    </message>
    <message>
        <source>Labels are not printed: %1. An engineer can correct it in Edit setup.</source>
        <translation>Le etichette non vengono stampate: %1. Un ingegnere può correggerlo in Modifica configurazione.</translation>
    </message>
    <message>
        <source>The label of unit %1 was not printed: %2. Print it again with: zomar-cli records label %1 --label %3</source>
        <translation>L&apos;etichetta dell&apos;unità %1 non è stata stampata: %2. Per stamparla di nuovo: zomar-cli records label %1 --label %3</translation>
    </message>
    <message>
        <source>Serial %1 is for no slot: no unit waits for its product serial.</source>
        <translation>Il numero di serie %1 non è per nessuna postazione: nessuna unità attende il suo numero di serie.</translation>
    </message>
    <message>
        <source>This station prints no labels (Edit setup: Labels and product serials).</source>
        <translation>Questa stazione non stampa etichette (Modifica configurazione: Etichette e numeri di serie).</translation>
    </message>
    <message>
        <source>%1 has no unit to print a label for: only a unit that passed (with its serial when the station asks for one) gets a label.</source>
        <translation>%1 non ha un&apos;unità di cui stampare l&apos;etichetta: solo un&apos;unità superata (con il suo numero di serie quando la stazione lo chiede) riceve un&apos;etichetta.</translation>
    </message>
    <message>
        <source>The label&apos;s state of unit %1 is not in the record: %2</source>
        <translation>Lo stato dell&apos;etichetta dell&apos;unità %1 non è nel registro: %2</translation>
    </message>
    <message>
        <source>that unit carries %1</source>
        <translation>quell&apos;unità porta già %1</translation>
    </message>
    <message>
        <source>it is bound to the unit with address %1</source>
        <translation>è legato all&apos;unità con indirizzo %1</translation>
    </message>
    <message>
        <source>it is bound to unit %1</source>
        <translation>è legato all&apos;unità %1</translation>
    </message>
    <message>
        <source>Serial %1 of the unit with address %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %4 SERIAL</source>
        <translation>Il numero di serie %1 dell&apos;unità con indirizzo %2 è stato rifiutato quando il giornale di questa stazione ha raggiunto il server: %3. Il registro non conserva alcun numero di serie per quell&apos;unità; controllare il prodotto e legarne il numero di serie con: zomar-cli records serial %4 SERIAL</translation>
    </message>
    <message>
        <source>Serial %1 of unit %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %2 SERIAL</source>
        <translation>Il numero di serie %1 dell&apos;unità %2 è stato rifiutato quando il giornale di questa stazione ha raggiunto il server: %3. Il registro non conserva alcun numero di serie per quell&apos;unità; controllare il prodotto e legarne il numero di serie con: zomar-cli records serial %2 SERIAL</translation>
    </message>
</context>
<context>
    <name>zomar::TerminalPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>Errore!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::TraceSetupBox</name>
    <message>
        <source>Labels and product serials</source>
        <translation>Etichette e numeri di serie</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>S&amp;foglia...</translation>
    </message>
    <message>
        <source>none; pdf:FOLDER, printer:NAME or zpl://HOST[:PORT]</source>
        <translation>nessuna; pdf:CARTELLA, printer:NOME o zpl://HOST[:PORTA]</translation>
    </message>
    <message>
        <source>the default: 50 x 25 mm with a QR code</source>
        <translation>quello predefinito: 50 x 25 mm con codice QR</translation>
    </message>
    <message>
        <source>none: no serial is scanned; e.g. SN-[0-9]{6}</source>
        <translation>nessuno: nessun numero di serie da scansionare; es. SN-[0-9]{6}</translation>
    </message>
    <message>
        <source>A regular expression that a product serial matches whole. When set, a technician scans the product&apos;s serial for each unit that passes; its label is printed once the serial is recorded.</source>
        <translation>Un&apos;espressione regolare a cui il numero di serie corrisponde per intero. Se impostata, un tecnico scansiona il numero di serie del prodotto per ogni unità superata; la sua etichetta viene stampata una volta registrato il numero.</translation>
    </message>
    <message>
        <source>The labels&apos; template</source>
        <translation>Il modello delle etichette</translation>
    </message>
    <message>
        <source>Label templates (*.json);;All files (*)</source>
        <translation>Modelli di etichetta (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>L&amp;abels to:</source>
        <translation>Etic&amp;hette a:</translation>
    </message>
    <message>
        <source>Label te&amp;mplate:</source>
        <translation>Mo&amp;dello di etichetta:</translation>
    </message>
    <message>
        <source>Pro&amp;duct serial pattern:</source>
        <translation>Schema del n&amp;umero di serie:</translation>
    </message>
    <message>
        <source>Labels to: %1</source>
        <translation>Etichette a: %1</translation>
    </message>
    <message>
        <source>Label template: say where the labels go too</source>
        <translation>Modello di etichetta: indicare anche dove vanno le etichette</translation>
    </message>
    <message>
        <source>Product serial pattern: %1</source>
        <translation>Schema del numero di serie: %1</translation>
    </message>
</context>
</TS>
