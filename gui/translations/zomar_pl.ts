<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Form1</name>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Loopback On</source>
        <translation>Pętla wł.</translation>
    </message>
    <message>
        <source>Loopback Off</source>
        <translation>Pętla wył.</translation>
    </message>
    <message>
        <source>Cont Send On</source>
        <translation>Ciągłe wysył. wł.</translation>
    </message>
    <message>
        <source>Cont Send Off</source>
        <translation>Ciągłe wysył. wył.</translation>
    </message>
    <message>
        <source>Destination Address</source>
        <translation>Adres docelowy</translation>
    </message>
    <message>
        <source>Local Address</source>
        <translation>Adres lokalny</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Częstotliwość RF</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>Moc TX</translation>
    </message>
    <message>
        <source>RF TX Speed</source>
        <translation>Prędkość RF TX</translation>
    </message>
    <message>
        <source>%1, byte %2</source>
        <translation>%1, bajt %2</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milisekundy</translation>
    </message>
    <message>
        <source>Received characters</source>
        <translation>Odebrane znaki</translation>
    </message>
    <message>
        <source>Characters to send</source>
        <translation>Znaki do wysłania</translation>
    </message>
    <message>
        <source>Echoed characters</source>
        <translation>Odesłane znaki</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Read the module first: Connect, or Refresh.</source>
        <translation>Najpierw odczytaj moduł: Połącz lub Odśwież.</translation>
    </message>
    <message>
        <source>Connect to a port first.</source>
        <translation>Najpierw połącz port.</translation>
    </message>
    <message>
        <source>Modem Setup</source>
        <translation>Ustawienia modemu</translation>
    </message>
    <message>
        <source>Comms Port Setup</source>
        <translation>Ustawienia portu</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Przekaźnik</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>0-FF Hex</source>
        <translation>0-FF hex</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Pasmo</translation>
    </message>
    <message>
        <source>Select Freq Band </source>
        <translation>Wybierz pasmo</translation>
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
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Ustaw. fabryczne</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Comm Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Prędkość</translation>
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
        <translation>Odstęp wysyłania</translation>
    </message>
    <message>
        <source>Exit AT Mode</source>
        <translation>Wyjdź z trybu AT</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Loopback Delay</source>
        <translation>Opóźnienie pętli</translation>
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
        <translation>Ustawienia modemu</translation>
    </message>
    <message>
        <source>Comms Setup</source>
        <translation>Ustawienia portu</translation>
    </message>
</context>
<context>
    <name>zomar::BandAdviceLine</name>
    <message>
        <source>Band-plan advice</source>
        <translation>Porada planu pasm</translation>
    </message>
    <message>
        <source>No band-plan advice</source>
        <translation>Bez porady planu pasm</translation>
    </message>
    <message>
        <source>Band-plan advice for the %1</source>
        <translation>Porada planu pasm dla: %1</translation>
    </message>
    <message>
        <source>Advice only: Set writes the frequency you choose.</source>
        <translation>To tylko porada: Zapisz zapisuje wybraną częstotliwość.</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureLauncher</name>
    <message>
        <source>Capture...</source>
        <translation>Przechwytywanie...</translation>
    </message>
    <message>
        <source>Every byte both ways, a line per burst with time and hex</source>
        <translation>Każdy bajt w obu kierunkach, jeden wiersz na paczkę z czasem i hex</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureWindow</name>
    <message>
        <source>Capture</source>
        <translation>Przechwytywanie</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Find (Enter, F3: next)</source>
        <translation>Szukaj (Enter, F3: dalej)</translation>
    </message>
    <message>
        <source>Save Text...</source>
        <translation>Zapisz tekst...</translation>
    </message>
    <message>
        <source>The lines as shown, as a text file</source>
        <translation>Wiersze tak jak widać, jako plik tekstowy</translation>
    </message>
    <message>
        <source>Save Raw...</source>
        <translation>Zapisz bajty...</translation>
    </message>
    <message>
        <source>The bytes as they went, both ways, with a timestamped hex log beside them (FILE.log) that tells which went which way</source>
        <translation>Bajty tak, jak przeszły, w obu kierunkach, z obok dziennikiem hex ze znacznikami czasu (FILE.log), który mówi, w którą stronę szedł każdy</translation>
    </message>
    <message>
        <source>Send:</source>
        <translation>Wyślij:</translation>
    </message>
    <message>
        <source>41 42 0d   or   AB\x0d   (Enter sends)</source>
        <translation>41 42 0d   lub   AB\x0d   (Enter wysyła)</translation>
    </message>
    <message>
        <source>Sent as bytes on Enter: %1</source>
        <translation>Wysyłane jako bajty po naciśnięciu Enter: %1</translation>
    </message>
    <message>
        <source>Capture: %1 bursts (%2 dropped)%3</source>
        <translation>Przechwytywanie: paczki %1 (odrzucone %2)%3</translation>
    </message>
    <message>
        <source>, paused</source>
        <translation>, wstrzymane</translation>
    </message>
    <message>
        <source>%1 B sent, %2 B received</source>
        <translation>wysłano %1 B, odebrano %2 B</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Nie wysłano: %1</translation>
    </message>
    <message>
        <source>Not sent: the port is not open</source>
        <translation>Nie wysłano: port nie jest otwarty</translation>
    </message>
    <message>
        <source>Sent %1 byte(s)</source>
        <translation>Wysłano bajty: %1</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>Wiersz %1 z %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the capture</source>
        <translation>„%1” nie występuje w przechwyceniu</translation>
    </message>
    <message>
        <source>Save Capture as Text</source>
        <translation>Zapisz przechwycenie jako tekst</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>Saved %1 line(s) to %2</source>
        <translation>Zapisano wiersze (%1) do %2</translation>
    </message>
    <message>
        <source>Save Capture as Raw Bytes</source>
        <translation>Zapisz przechwycenie jako surowe bajty</translation>
    </message>
    <message>
        <source>Raw bytes (*.bin)</source>
        <translation>Surowe bajty (*.bin)</translation>
    </message>
    <message>
        <source>Saved the bytes to %1 and their hex log to %2</source>
        <translation>Zapisano bajty do %1, a ich dziennik hex do %2</translation>
    </message>
    <message>
        <source>Capture not saved</source>
        <translation>Nie zapisano przechwycenia</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
</context>
<context>
    <name>zomar::CommandModeSteps</name>
    <message>
        <source>Error!! %1</source>
        <translation>Błąd!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::FactoryReset</name>
    <message>
        <source>This will reset the unit to Factory defaults.<byte value="xd"/>
Continue?</source>
        <translation>Moduł zostanie przywrócony do ustawień fabrycznych.<byte value="xd"/>
Kontynuować?</translation>
    </message>
</context>
<context>
    <name>zomar::FindModuleDialog</name>
    <message>
        <source>Find Module</source>
        <translation>Znajdź moduł</translation>
    </message>
    <message>
        <source>Looking for a module on %1, at each line speed: %2 baud.
%3</source>
        <translation>Szukanie modułu na %1, przy każdej prędkości linii: %2 bodów.
%3</translation>
    </message>
    <message>
        <source>1 port</source>
        <translation>1 port</translation>
    </message>
    <message numerus="yes">
        <source>%n ports</source>
        <translation>
            <numerusform>%n port</numerusform>
            <numerusform>%n porty</numerusform>
            <numerusform>%n portów</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>No serial ports to search. Plug in the adapter (a USB adapter shows up as /dev/ttyUSB* or /dev/ttyACM*), then try again.</source>
        <translation>Brak portów szeregowych do przeszukania. Podłącz adapter (adapter USB pojawia się jako /dev/ttyUSB* lub /dev/ttyACM*) i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Uruchamianie...</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>Zatrzymanie po trwających odczytach...</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <translation>%1 przy %2 bodach</translation>
    </message>
    <message>
        <source>Trying %1...</source>
        <translation>Próba: %1...</translation>
    </message>
    <message>
        <source>Found a module on %1 at %2 baud.</source>
        <translation>Znaleziono moduł na %1 przy %2 bodach.</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Wyszukiwanie anulowane.</translation>
    </message>
    <message>
        <source>No module answered on %1 at any line speed. Check the cable and the module&apos;s power.</source>
        <translation>Żaden moduł nie odpowiedział na %1 przy żadnej prędkości linii. Sprawdź kabel i zasilanie modułu.</translation>
    </message>
</context>
<context>
    <name>zomar::Form1</name>
    <message>
        <source>Zomar Setup Utility - Version:%1.%2.%3</source>
        <translation>Zomar Setup Utility - Wersja:%1.%2.%3</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>No serial device</source>
        <translation>Brak urządzenia szeregowego</translation>
    </message>
    <message>
        <source>The port and speed could not be saved to %1: %2.
They will not be remembered next time.</source>
        <translation>Nie udało się zapisać portu i prędkości w %1: %2.
Nie zostaną zapamiętane do następnego razu.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Nie zapisano ustawień</translation>
    </message>
</context>
<context>
    <name>zomar::LanguageMenu</name>
    <message>
        <source>The windows will be in %1 when the program starts again.</source>
        <translation>Po ponownym uruchomieniu programu okna będą w języku: %1.</translation>
    </message>
    <message>
        <source>The windows will follow &quot;%1&quot; when the program starts again.</source>
        <translation>Po ponownym uruchomieniu programu okna będą zgodne z ustawieniem „%1”.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>The language could not be saved to %1: %2.</source>
        <translation>Nie udało się zapisać języka w %1: %2.</translation>
    </message>
</context>
<context>
    <name>zomar::LatencyChart</name>
    <message>
        <source>Latency</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Utracone</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Pakiet</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Opóźnienie (ms)</translation>
    </message>
</context>
<context>
    <name>zomar::LinkTestDialog</name>
    <message>
        <source>Link Test</source>
        <translation>Test łącza</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> B</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>twice a packet&apos;s time</source>
        <translation>dwukrotny czas pakietu</translation>
    </message>
    <message>
        <source>Put the second module on the first one&apos;s channel and &amp;RF speed</source>
        <translation>Ustaw drugi moduł na kanał i prędkość R&amp;F pierwszego</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Od</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Do</translation>
    </message>
    <message>
        <source>&amp;Line speed</source>
        <translation>Prędkość &amp;linii</translation>
    </message>
    <message>
        <source>&amp;Packets</source>
        <translation>&amp;Pakiety</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Rozmiar</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Interwał</translation>
    </message>
    <message>
        <source>Two modules are needed, each on a port of this computer; type a device or a port number if one is not listed.</source>
        <translation>Potrzebne są dwa moduły, każdy na porcie tego komputera; wpisz urządzenie lub numer portu, jeśli nie ma go na liście.</translation>
    </message>
    <message>
        <source>Choose the two ports and press Start.</source>
        <translation>Wybierz dwa porty i naciśnij Start.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Sa&amp;ve CSV...</source>
        <translation>Zapisz &amp;CSV...</translation>
    </message>
    <message>
        <source>Run a test first: the file has a row per packet.</source>
        <translation>Najpierw wykonaj test: plik ma jeden wiersz na pakiet.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Not while a test runs: Cancel stops it.</source>
        <translation>Nie w czasie testu: Anuluj go zatrzymuje.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Choose a port for each module.</source>
        <translation>Wybierz port dla każdego modułu.</translation>
    </message>
    <message>
        <source>Both boxes name %1: a link needs two modules, each on its own port.</source>
        <translation>Oba pola wskazują %1: łącze wymaga dwóch modułów, każdego na własnym porcie.</translation>
    </message>
    <message>
        <source>%1 is the window&apos;s own port, which is connected. Disconnect it first, or choose another.</source>
        <translation>%1 to połączony port okna. Najpierw go rozłącz albo wybierz inny.</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Opóźnienie (ms)</translation>
    </message>
    <message>
        <source>Reading both modules...</source>
        <translation>Odczyt obu modułów...</translation>
    </message>
    <message>
        <source>Cancelled before the test began.</source>
        <translation>Anulowano przed rozpoczęciem testu.</translation>
    </message>
    <message>
        <source>. Tick &quot;%1&quot; to align them.</source>
        <translation>. Zaznacz „%1”, aby je wyrównać.</translation>
    </message>
    <message>
        <source>The second module was put on %1, %2 (written and verified). Sending...</source>
        <translation>Drugi moduł ustawiono na %1, %2 (zapisano i sprawdzono). Wysyłanie...</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Wysyłanie...</translation>
    </message>
    <message>
        <source>Sent %1 of %2, received %3, lost %4 (every %5 ms at %6 bps RF)</source>
        <translation>Wysłano %1 z %2, odebrano %3, utracono %4 (co %5 ms przy %6 bit/s RF)</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Zatrzymano: %1</translation>
    </message>
    <message>
        <source>Cancelled: the figures so far.</source>
        <translation>Anulowano: dotychczasowe wyniki.</translation>
    </message>
    <message>
        <source>Nothing came through: check both modules&apos; power and antennas.</source>
        <translation>Nic nie dotarło: sprawdź zasilanie i anteny obu modułów.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>Zatrzymanie po trwających odczytach...</translation>
    </message>
    <message>
        <source>Save Link Test</source>
        <translation>Zapisz test łącza</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Zapisano %1.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>Nie można zapisać: %1.</translation>
    </message>
    <message>
        <source>
Warning: %1.</source>
        <translation>
Ostrzeżenie: %1.</translation>
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
        <translation>Nowe makro</translation>
    </message>
    <message>
        <source>Edit Macro</source>
        <translation>Edycja makra</translation>
    </message>
    <message>
        <source>One step a line: &quot;send BYTES&quot;, &quot;wait MS&quot;, &quot;expect BYTES MS&quot;; bytes as the Send line takes them (41 42 0d, AT\r\n).</source>
        <translation>Jeden krok w wierszu: „send BAJTY”, „wait MS”, „expect BAJTY MS”; bajty tak, jak przyjmuje je wiersz Wyślij (41 42 0d, AT\r\n).</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>&amp;Kroki:</translation>
    </message>
    <message>
        <source>Give the macro a name: it is the button&apos;s text.</source>
        <translation>Nadaj makru nazwę: to tekst przycisku.</translation>
    </message>
</context>
<context>
    <name>zomar::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Open Profile...</source>
        <translation>&amp;Otwórz profil...</translation>
    </message>
    <message>
        <source>&amp;Save Profile...</source>
        <translation>&amp;Zapisz profil...</translation>
    </message>
    <message>
        <source>&amp;Recent Profiles</source>
        <translation>Ostat&amp;nie profile</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Wyjdź</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;Find Module...</source>
        <translation>&amp;Znajdź moduł...</translation>
    </message>
    <message>
        <source>&amp;Link Test...</source>
        <translation>&amp;Test łącza...</translation>
    </message>
    <message>
        <source>&amp;Capture...</source>
        <translation>&amp;Przechwytywanie...</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Język &amp;systemu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Wyczyść listę</translation>
    </message>
    <message>
        <source>Zomar Setup Utility
Version %1

Sets up Zomar radio-modem modules on a serial port.

Built with Qt %2, running on Qt %3.
Licence: MIT (see the LICENSE file).</source>
        <translation>Zomar Setup Utility
Wersja %1

Konfiguruje radiomodemy Zomar na porcie szeregowym.

Zbudowano z Qt %2, działa z Qt %3.
Licencja: MIT (zob. plik LICENSE).</translation>
    </message>
    <message>
        <source>About Zomar Setup Utility</source>
        <translation>O programie Zomar Setup Utility</translation>
    </message>
</context>
<context>
    <name>zomar::ModuleSearch</name>
    <message>
        <source>The window&apos;s port (COMM %1) was disconnected: the search opens every port itself.</source>
        <translation>Port okna (COMM %1) został rozłączony: wyszukiwanie samo otwiera każdy port.</translation>
    </message>
    <message>
        <source>The window&apos;s port stays disconnected: the search opens every port itself.</source>
        <translation>Port okna pozostaje rozłączony: wyszukiwanie samo otwiera każdy port.</translation>
    </message>
    <message>
        <source>Looking for a module...</source>
        <translation>Szukanie modułu...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>A module answered on %1 at %2 baud, but no port number of the window leads to that device. Map one to it, e.g. with --port-map 1=%1, or a &quot;Ports&quot; setting.</source>
        <translation>Moduł odpowiedział na %1 przy %2 bodach, ale żaden numer portu okna nie prowadzi do tego urządzenia. Przypisz jeden, np. przez --port-map 1=%1 albo ustawienie „Ports”.</translation>
    </message>
    <message>
        <source>Find Module</source>
        <translation>Znajdź moduł</translation>
    </message>
</context>
<context>
    <name>zomar::OperatorField</name>
    <message>
        <source>Scan badge, or type name + Enter</source>
        <translation>Zeskanuj identyfikator albo wpisz nazwisko + Enter</translation>
    </message>
</context>
<context>
    <name>zomar::PageProfile</name>
    <message>
        <source>The profile was not saved: %1</source>
        <translation>Nie zapisano profilu: %1</translation>
    </message>
    <message>
        <source>the %1 field shows &quot;??&quot; (not read from the module). Connect or press Refresh, or fill it in, first.</source>
        <translation>pole %1 pokazuje „??” (nie odczytano z modułu). Najpierw połącz lub naciśnij Odśwież albo je wypełnij.</translation>
    </message>
    <message>
        <source>Set would refuse the %1 field (&quot;%2&quot;: %3).</source>
        <translation>Zapis odrzuciłby pole %1 („%2”: %3).</translation>
    </message>
    <message>
        <source>the Tx Power field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>pole Moc TX zawiera „%1”, czyli żadną ze swoich wartości (%2).</translation>
    </message>
    <message>
        <source>the RF TX Speed field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>pole Prędkość RF TX zawiera „%1”, czyli żadną ze swoich wartości (%2).</translation>
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
        <translation>Nowy &amp;PIN:</translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation>Pow&amp;tórz:</translation>
    </message>
    <message>
        <source>the two PINs differ</source>
        <translation>oba PIN-y się różnią</translation>
    </message>
    <message>
        <source>Not set: %1.</source>
        <translation>Nie ustawiono: %1.</translation>
    </message>
    <message>
        <source>The PIN guards the setup: the profile, the addresses, the record and the slots. Give it to the engineers only.</source>
        <translation>PIN chroni konfigurację: profil, adresy, rejestr i miejsca. Przekaż go tylko inżynierom.</translation>
    </message>
</context>
<context>
    <name>zomar::PortConnection</name>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodny typ</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Connected to COMM %1</source>
        <translation>Połączono z COMM %1</translation>
    </message>
    <message>
        <source>Please select a valid comms port</source>
        <translation>Wybierz prawidłowy port</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Nieprawidłowy port</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>Błąd!! %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>Utracono połączenie: %1</translation>
    </message>
    <message>
        <source>Check the cable or USB adapter, then press Connect.</source>
        <translation>Sprawdź kabel lub adapter USB, a potem naciśnij Połącz.</translation>
    </message>
</context>
<context>
    <name>zomar::ProfileActions</name>
    <message>
        <source>Open Profile</source>
        <translation>Otwórz profil</translation>
    </message>
    <message>
        <source>Zomar profiles (*.json);;All files (*)</source>
        <translation>Profile Zomar (*.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1: no longer exists; it was taken off the recent profiles.</source>
        <translation>%1: już nie istnieje; usunięto go z ostatnich profili.</translation>
    </message>
    <message>
        <source>Profile not opened</source>
        <translation>Nie otwarto profilu</translation>
    </message>
    <message>
        <source>Nothing on the page was changed.</source>
        <translation>Na stronie nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Set writes it to the module</source>
        <translation>Wczytano profil %1: Zapisz zapisze go w module</translation>
    </message>
    <message>
        <source>Profile %1 loaded: connect first, then open it again to Set it</source>
        <translation>Wczytano profil %1: najpierw połącz, potem otwórz go ponownie, aby go zapisać</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Refresh first, then open it again to Set it</source>
        <translation>Wczytano profil %1: najpierw odśwież, potem otwórz go ponownie, aby go zapisać</translation>
    </message>
    <message>
        <source>Profile not saved</source>
        <translation>Nie zapisano profilu</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Zapisz profil</translation>
    </message>
    <message>
        <source>Profile %1 saved to %2</source>
        <translation>Zapisano profil %1 do %2</translation>
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
        <translation>kanał %1</translation>
    </message>
    <message>
        <source>TX power %1</source>
        <translation>moc TX %1</translation>
    </message>
    <message>
        <source>RF speed %1</source>
        <translation>prędkość RF %1</translation>
    </message>
    <message>
        <source>destination %1</source>
        <translation>cel %1</translation>
    </message>
    <message>
        <source>local %1</source>
        <translation>lokalny %1</translation>
    </message>
    <message>
        <source>no field set</source>
        <translation>nie ustawiono żadnego pola</translation>
    </message>
</context>
<context>
    <name>zomar::RefreshOperation</name>
    <message>
        <source>No Response from Modem. Check Comms Port &amp; Baud rate</source>
        <translation>Brak odpowiedzi modemu. Sprawdź port i prędkość</translation>
    </message>
    <message>
        <source>Requesting Configuration...</source>
        <translation>Pobieranie konfiguracji...</translation>
    </message>
    <message>
        <source>Request Complete</source>
        <translation>Żądanie zakończone</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Błąd %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>zomar::RepeaterPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>Błąd!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::ScriptBench</name>
    <message>
        <source>Macros</source>
        <translation>Makra</translation>
    </message>
    <message>
        <source>New Macro...</source>
        <translation>Nowe makro...</translation>
    </message>
    <message>
        <source>A named button that sends a stored sequence of bytes and waits</source>
        <translation>Nazwany przycisk, który wysyła zapisany ciąg bajtów i czeka</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Skrypt</translation>
    </message>
    <message>
        <source>Run Script...</source>
        <translation>Uruchom skrypt...</translation>
    </message>
    <message>
        <source>Runs a JavaScript file on this port: send, expect, module.read, module.write, log</source>
        <translation>Uruchamia plik JavaScript na tym porcie: send, expect, module.read, module.write, log</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Script log</source>
        <translation>Dziennik skryptu</translation>
    </message>
    <message>
        <source>%1 (right-click to edit or delete)</source>
        <translation>%1 (prawy przycisk: edycja lub usunięcie)</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Edytuj...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Not run: %1: %2</source>
        <translation>Nie uruchomiono: %1: %2</translation>
    </message>
    <message>
        <source>Not run: the port is not open</source>
        <translation>Nie uruchomiono: port nie jest otwarty</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>Uruchom skrypt</translation>
    </message>
    <message>
        <source>Scripts (*.js)</source>
        <translation>Skrypty (*.js)</translation>
    </message>
    <message>
        <source>Not run: %1 cannot be read as a script</source>
        <translation>Nie uruchomiono: nie można odczytać %1 jako skryptu</translation>
    </message>
    <message>
        <source>Not run: a script is running; stop it first</source>
        <translation>Nie uruchomiono: działa skrypt; najpierw go zatrzymaj</translation>
    </message>
    <message>
        <source>%1: started</source>
        <translation>%1: uruchomiony</translation>
    </message>
    <message>
        <source>Running %1...</source>
        <translation>Działa %1...</translation>
    </message>
    <message>
        <source>%1: done</source>
        <translation>%1: gotowe</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1: zatrzymany</translation>
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
        <translation>Zeskanuj numer seryjny produktu</translation>
    </message>
    <message>
        <source>P&amp;roduct serial:</source>
        <translation>N&amp;umer seryjny produktu:</translation>
    </message>
    <message>
        <source>P&amp;roduct serial for %1:</source>
        <translation>N&amp;umer seryjny produktu dla %1:</translation>
    </message>
</context>
<context>
    <name>zomar::SerialNotice</name>
    <message>
        <source>&amp;Acknowledge</source>
        <translation>&amp;Potwierdź</translation>
    </message>
</context>
<context>
    <name>zomar::SetOperation</name>
    <message>
        <source>Invalid input (00-FF)</source>
        <translation>Nieprawidłowa wartość (00-FF)</translation>
    </message>
    <message>
        <source>Error!!</source>
        <translation>Błąd!!</translation>
    </message>
    <message>
        <source>Incorrect value</source>
        <translation>Niepoprawna wartość</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Incorrect Frequency value</source>
        <translation>Niepoprawna częstotliwość</translation>
    </message>
    <message>
        <source>Invalid input (Tx Power)</source>
        <translation>Nieprawidłowa wartość (Moc TX)</translation>
    </message>
    <message>
        <source>Invalid input (RF TX Speed)</source>
        <translation>Nieprawidłowa wartość (Prędkość RF TX)</translation>
    </message>
    <message>
        <source>Error!! Overflow</source>
        <translation>Błąd!! Przepełnienie</translation>
    </message>
    <message>
        <source>Sending Configuration...</source>
        <translation>Wysyłanie konfiguracji...</translation>
    </message>
    <message>
        <source>Send Complete</source>
        <translation>Wysyłanie zakończone</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>Błąd!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::SetupChange</name>
    <message>
        <source>The setup of this station is guarded by a PIN.</source>
        <translation>Konfiguracja tego stanowiska jest chroniona PIN-em.</translation>
    </message>
    <message>
        <source>A new station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>Nowe stanowisko zastąpi to, którego konfiguracja jest chroniona PIN-em.</translation>
    </message>
    <message>
        <source>Keep the station&apos;s setup in</source>
        <translation>Zapisz konfigurację stanowiska w</translation>
    </message>
    <message>
        <source>Station files (*.json)</source>
        <translation>Pliki stanowisk (*.json)</translation>
    </message>
    <message>
        <source>Another station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>Inne stanowisko zastąpi to, którego konfiguracja jest chroniona PIN-em.</translation>
    </message>
    <message>
        <source>Open a station</source>
        <translation>Otwórz stanowisko</translation>
    </message>
    <message>
        <source>Station files (*.json);;All files (*)</source>
        <translation>Pliki stanowisk (*.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Wait until the module being programmed has finished.</source>
        <translation>Zaczekaj, aż skończy się programowanie modułu.</translation>
    </message>
    <message numerus="yes">
        <source>Wait until the %n modules being programmed have finished.</source>
        <translation>
            <numerusform>Zaczekaj, aż skończy się programowanie modułów (%n).</numerusform>
            <numerusform>Zaczekaj, aż skończy się programowanie modułów (%n).</numerusform>
            <numerusform>Zaczekaj, aż skończy się programowanie modułów (%n).</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN: the setup stays as it is.</source>
        <translation>Zły PIN: konfiguracja pozostaje bez zmian.</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftPanel</name>
    <message>
        <source>This shift</source>
        <translation>Ta zmiana</translation>
    </message>
    <message>
        <source>Last units</source>
        <translation>Ostatnie sztuki</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>OK %1</translation>
    </message>
    <message>
        <source>Fail %1</source>
        <translation>Błędy %1</translation>
    </message>
    <message>
        <source>since %1</source>
        <translation>od %1</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation>BŁĄD: %1</translation>
    </message>
    <message>
        <source>First-pass yield %1 %</source>
        <translation>Uzysk za pierwszym razem %1 %</translation>
    </message>
    <message>
        <source>First-pass yield –</source>
        <translation>Uzysk za pierwszym razem –</translation>
    </message>
    <message>
        <source>%1 units/h</source>
        <translation>%1 szt./h</translation>
    </message>
    <message>
        <source>– units/h</source>
        <translation>– szt./h</translation>
    </message>
    <message>
        <source>%1: yield %2 % (%3 of %4), well below the other slots (%5 %): check its socket</source>
        <translation>%1: uzysk %2 % (%3 z %4), znacznie poniżej pozostałych gniazd (%5 %): sprawdź podstawkę</translation>
    </message>
    <message>
        <source>UNKNOWN: %1</source>
        <translation>NIEZNANY: %1</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftTally</name>
    <message>
        <source>%1 pass · %2 fail · yield %3</source>
        <translation>OK: %1 · błędy: %2 · uzysk %3</translation>
    </message>
</context>
<context>
    <name>zomar::SimulationMenu</name>
    <message>
        <source>Si&amp;mulation</source>
        <translation>Sy&amp;mulacja</translation>
    </message>
    <message>
        <source>&amp;Demo: modules come and go</source>
        <translation>&amp;Demo: moduły przychodzą i odchodzą</translation>
    </message>
    <message>
        <source>&amp;Next module plugged in</source>
        <translation>&amp;Następny podłączony moduł</translation>
    </message>
    <message>
        <source>Module in slot &amp;%1</source>
        <translation>Moduł w miejscu &amp;%1</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTeacher</name>
    <message>
        <source>Teach slots - %1</source>
        <translation>Naucz miejsca - %1</translation>
    </message>
    <message>
        <source>Plug a module into each socket of the hub in turn, in the order the slots should have. A module already in place: unplug it and plug it in again. Nothing is written to the modules.
Watching %1</source>
        <translation>Podłączaj kolejno moduł do każdego gniazda huba, w kolejności, jaką mają mieć miejsca. Moduł już podłączony: odłącz go i podłącz ponownie. Nic nie jest zapisywane w modułach.
Obserwowany folder: %1</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Gotowe</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Zacznij od nowa</translation>
    </message>
    <message>
        <source>The folder does not exist yet: it appears with the first adapter plugged in.</source>
        <translation>Folder jeszcze nie istnieje: pojawi się z pierwszym podłączonym adapterem.</translation>
    </message>
    <message>
        <source>That socket is %1 already.</source>
        <translation>To gniazdo to już %1.</translation>
    </message>
    <message>
        <source>A station has at most %1 slots.</source>
        <translation>Stanowisko ma najwyżej %1 miejsc.</translation>
    </message>
    <message>
        <source>%1 is the socket %2.</source>
        <translation>%1 to gniazdo %2.</translation>
    </message>
    <message>
        <source>Plug a module into the socket for %1</source>
        <translation>Podłącz moduł do gniazda dla: %1</translation>
    </message>
    <message>
        <source>Sockets taught</source>
        <translation>Nauczone gniazda</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTile</name>
    <message>
        <source>Waiting</source>
        <translation>Czeka</translation>
    </message>
    <message>
        <source>Left alone</source>
        <translation>Pominięty</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Zapis</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Weryfikacja</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Nie rozpoczęto</translation>
    </message>
    <message>
        <source>Plug in a module</source>
        <translation>Podłącz moduł</translation>
    </message>
    <message>
        <source>It was in place at the start: unplug it and plug it in again</source>
        <translation>Był podłączony przy starcie: odłącz go i podłącz ponownie</translation>
    </message>
    <message>
        <source>Step %1 of 3: do not unplug</source>
        <translation>Krok %1 z 3: nie odłączaj</translation>
    </message>
    <message>
        <source>Address %1: unplug it</source>
        <translation>Adres %1: odłącz go</translation>
    </message>
    <message>
        <source>Written and verified: unplug it</source>
        <translation>Zapisano i sprawdzono: odłącz go</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>NIEZNANY</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Nie działa</translation>
    </message>
    <message>
        <source>No sockets</source>
        <translation>Brak gniazd</translation>
    </message>
</context>
<context>
    <name>zomar::StationLine</name>
    <message>
        <source>%1: give the first address of a pool</source>
        <translation>%1: podaj pierwszy adres puli</translation>
    </message>
    <message>
        <source>The station is closing</source>
        <translation>Stanowisko się zamyka</translation>
    </message>
    <message>
        <source>The setup is being changed: plug it in again later</source>
        <translation>Konfiguracja jest zmieniana: podłącz go ponownie później</translation>
    </message>
    <message>
        <source>The record cannot be written: call the engineer</source>
        <translation>Nie można zapisać rejestru: wezwij inżyniera</translation>
    </message>
    <message>
        <source>The module before is still finishing: plug this one in again</source>
        <translation>Poprzedni moduł jeszcze się kończy: podłącz ten ponownie</translation>
    </message>
    <message>
        <source>%1; not recorded: %2</source>
        <translation>%1; nie zarejestrowano: %2</translation>
    </message>
    <message>
        <source>; not in the log: %1</source>
        <translation>; brak w dzienniku: %1</translation>
    </message>
    <message>
        <source>Refused: nothing was written; call the engineer</source>
        <translation>Odrzucono: nic nie zapisano; wezwij inżyniera</translation>
    </message>
    <message>
        <source>No answer: check the module is seated</source>
        <translation>Brak odpowiedzi: sprawdź, czy moduł dobrze siedzi</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside</source>
        <translation>Odczyt kontrolny się różni: odłóż moduł</translation>
    </message>
    <message>
        <source>Port failed: check the hub and its cable</source>
        <translation>Błąd portu: sprawdź hub i jego kabel</translation>
    </message>
    <message>
        <source>Not recorded: call the engineer</source>
        <translation>Nie zarejestrowano: wezwij inżyniera</translation>
    </message>
    <message>
        <source>Not started: no address left offline; call the engineer</source>
        <translation>Nie rozpoczęto: offline brak wolnych adresów; wezwij inżyniera</translation>
    </message>
    <message>
        <source>Its outcome was not recorded: read it back</source>
        <translation>Wynik nie został zapisany: odczytaj go ponownie</translation>
    </message>
    <message>
        <source>Port lost before it was written: nothing was written</source>
        <translation>Port utracony przed zapisem: nic nie zapisano</translation>
    </message>
    <message>
        <source>This station runs in %1 (pid %2)</source>
        <translation>Ta stacja działa w %1 (pid %2)</translation>
    </message>
    <message>
        <source>The station is not running: call the engineer</source>
        <translation>Stacja nie działa: wezwij inżyniera</translation>
    </message>
    <message>
        <source>The socket folder is missing: check the hub is plugged in, or call the engineer</source>
        <translation>Brak folderu gniazd: sprawdź, czy hub jest podłączony, lub wezwij inżyniera</translation>
    </message>
    <message>
        <source>%1 is not there; the station watches for it.</source>
        <translation>%1 nie istnieje; stacja czeka, aż się pojawi.</translation>
    </message>
    <message>
        <source>Pulled out as it was written: its state is unknown; read it back</source>
        <translation>Wyjęty podczas zapisu: stan nieznany; odczytaj go ponownie</translation>
    </message>
    <message>
        <source>Pulled out as it was written: it may hold address %1; read it back</source>
        <translation>Wyjęty podczas zapisu: może mieć adres %1; odczytaj go ponownie</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside (address %1 was sent)</source>
        <translation>Odczyt kontrolny się różni: odłóż moduł (wysłano adres %1)</translation>
    </message>
    <message>
        <source>In use by another program: close it there, then plug the module in again</source>
        <translation>Używany przez inny program: zamknij go tam, potem podłącz moduł ponownie</translation>
    </message>
    <message>
        <source>In use by %1: close it there, then plug the module in again</source>
        <translation>Używany przez %1: zamknij go tam, potem podłącz moduł ponownie</translation>
    </message>
    <message>
        <source>Pulled out before it was written: nothing was written; plug it in again</source>
        <translation>Wyjęty przed zapisem: nic nie zapisano; podłącz go ponownie</translation>
    </message>
</context>
<context>
    <name>zomar::StationSetupDialog</name>
    <message>
        <source>Station setup - %1</source>
        <translation>Konfiguracja stanowiska - %1</translation>
    </message>
    <message>
        <source>this computer&apos;s name</source>
        <translation>nazwa tego komputera</translation>
    </message>
    <message>
        <source>none: modules keep their own</source>
        <translation>brak: moduły zachowują własny</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>The station&apos;s windows are in this language from its next start, unless a technician chooses another in the Language menu.</source>
        <translation>Okna stanowiska będą w tym języku od jego następnego uruchomienia, chyba że technik wybierze inny w menu Język.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Gniazdo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Przeglą&amp;daj...</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Prz&amp;eglądaj...</translation>
    </message>
    <message>
        <source>&amp;Teach slots...</source>
        <translation>Na&amp;ucz miejsca...</translation>
    </message>
    <message>
        <source>Remo&amp;ve slot</source>
        <translation>U&amp;suń miejsce</translation>
    </message>
    <message>
        <source>Set P&amp;IN...</source>
        <translation>Ustaw P&amp;IN...</translation>
    </message>
    <message>
        <source>No PIN</source>
        <translation>Bez PIN-u</translation>
    </message>
    <message>
        <source>Station &amp;name:</source>
        <translation>&amp;Nazwa stanowiska:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>St&amp;ep:</source>
        <translation>Kr&amp;ok:</translation>
    </message>
    <message>
        <source>&amp;First address:</source>
        <translation>Pierwszy &amp;adres:</translation>
    </message>
    <message>
        <source>Re&amp;cord:</source>
        <translation>&amp;Rejestr:</translation>
    </message>
    <message>
        <source>&amp;Line speed:</source>
        <translation>Prędkość &amp;linii:</translation>
    </message>
    <message>
        <source>Band plan re&amp;gion:</source>
        <translation>Re&amp;gion planu pasm:</translation>
    </message>
    <message>
        <source>Technicians&apos; lang&amp;uage:</source>
        <translation>&amp;Język techników:</translation>
    </message>
    <message>
        <source>S&amp;ocket folder:</source>
        <translation>&amp;Folder gniazd:</translation>
    </message>
    <message>
        <source>&amp;Slots (double-click or F2 on a name to rename):</source>
        <translation>&amp;Miejsca (dwuklik lub F2 na nazwie, aby ją zmienić):</translation>
    </message>
    <message>
        <source>First address %1: %2</source>
        <translation>Pierwszy adres %1: %2</translation>
    </message>
    <message>
        <source>no slot yet: Teach slots, then save</source>
        <translation>jeszcze brak miejsc: naucz miejsca, potem zapisz</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nie zapisano: %1</translation>
    </message>
    <message>
        <source>The profile every module gets</source>
        <translation>Profil, który dostaje każdy moduł</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Profile (*.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The production record (a new file is made)</source>
        <translation>Rejestr produkcji (powstanie nowy plik)</translation>
    </message>
    <message>
        <source>Production records (*.db);;All files (*)</source>
        <translation>Rejestry produkcji (*.db);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Name the profile every module gets.</source>
        <translation>Podaj profil, który dostaje każdy moduł.</translation>
    </message>
    <message>
        <source>A PIN guards this setup.</source>
        <translation>Tę konfigurację chroni PIN.</translation>
    </message>
    <message>
        <source>No PIN: anyone at the station can change the setup.</source>
        <translation>Bez PIN-u: każdy przy stanowisku może zmienić konfigurację.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>zomar::StationTrace</name>
    <message>
        <source>S/N %1: being recorded</source>
        <translation>S/N %1: zapisywanie</translation>
    </message>
    <message>
        <source>Scan the product serial</source>
        <translation>Zeskanuj numer seryjny produktu</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>S/N %1</translation>
    </message>
    <message>
        <source>printing the label</source>
        <translation>drukowanie etykiety</translation>
    </message>
    <message>
        <source>label printed</source>
        <translation>etykieta wydrukowana</translation>
    </message>
    <message>
        <source>label not printed: %1</source>
        <translation>etykieta niewydrukowana: %1</translation>
    </message>
    <message>
        <source>Serial refused: one line of at most %1 characters</source>
        <translation>Numer seryjny odrzucony: jeden wiersz o najwyżej %1 znakach</translation>
    </message>
    <message>
        <source>Serial %1 refused: it does not match %2</source>
        <translation>Numer seryjny %1 odrzucony: nie pasuje do %2</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to the unit with address %2</source>
        <translation>Numer seryjny %1 odrzucony: jest przypisany do jednostki o adresie %2</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to another unit</source>
        <translation>Numer seryjny %1 odrzucony: jest przypisany do innej jednostki</translation>
    </message>
    <message>
        <source>Serial %1 refused: this unit carries %2</source>
        <translation>Numer seryjny %1 odrzucony: ta jednostka ma już %2</translation>
    </message>
    <message>
        <source>Serial %1 not recorded: call the engineer (%2)</source>
        <translation>Numer seryjny %1 niezapisany: wezwij inżyniera (%2)</translation>
    </message>
</context>
<context>
    <name>zomar::StationWindow</name>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Klawisze</translation>
    </message>
    <message>
        <source>Zomar Station</source>
        <translation>Zomar Station</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Operator:</translation>
    </message>
    <message>
        <source>No station open: Station &gt; New station... or Open station...</source>
        <translation>Brak otwartego stanowiska: Stanowisko &gt; Nowe stanowisko... lub Otwórz stanowisko...</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Stanowisko</translation>
    </message>
    <message>
        <source>&amp;New station...</source>
        <translation>&amp;Nowe stanowisko...</translation>
    </message>
    <message>
        <source>&amp;Open station...</source>
        <translation>&amp;Otwórz stanowisko...</translation>
    </message>
    <message>
        <source>&amp;Edit setup...</source>
        <translation>&amp;Edytuj konfigurację...</translation>
    </message>
    <message>
        <source>New s&amp;hift...</source>
        <translation>Nowa z&amp;miana...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Wyjdź</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>%1 %2
Programming radio modules on a production line, one slot per socket.</source>
        <translation>%1 %2
Programowanie modułów radiowych na linii produkcyjnej, jedno miejsce na gniazdo.</translation>
    </message>
    <message>
        <source>The station file is refused:
%1</source>
        <translation>Plik stanowiska odrzucono:
%1</translation>
    </message>
    <message>
        <source>Station file refused: %1</source>
        <translation>Plik stanowiska odrzucony: %1</translation>
    </message>
    <message>
        <source>A module in the socket %1 is left alone: it is no slot of this station (Edit setup &gt; Teach slots).</source>
        <translation>Moduł w gnieździe %1 jest pomijany: to nie jest miejsce tego stanowiska (Edytuj konfigurację &gt; Naucz miejsca).</translation>
    </message>
    <message>
        <source>Not running: %1. An engineer can correct it in Edit setup.</source>
        <translation>Nie działa: %1. Inżynier może to poprawić w Edytuj konfigurację.</translation>
    </message>
    <message>
        <source>No slots yet: Edit setup &gt; Teach slots.</source>
        <translation>Jeszcze brak miejsc: Edytuj konfigurację &gt; Naucz miejsca.</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Profil %1: %2</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nie odczytano</translation>
    </message>
    <message>
        <source>Addresses from %1, step %2</source>
        <translation>Adresy od %1, krok %2</translation>
    </message>
    <message>
        <source>Each module keeps its own address</source>
        <translation>Każdy moduł zachowuje własny adres</translation>
    </message>
    <message>
        <source> (next %1)</source>
        <translation> (następny %1)</translation>
    </message>
    <message>
        <source>%1 · %2 baud</source>
        <translation>%1 · %2 bodów</translation>
    </message>
    <message>
        <source>

Socket: %1</source>
        <translation>

Gniazdo: %1</translation>
    </message>
    <message>
        <source>Start a new shift? The counts and the list of the last units start again; the record keeps every unit.</source>
        <translation>Rozpocząć nową zmianę? Liczniki i lista ostatnich sztuk zaczną się od nowa; rejestr zachowuje każdą sztukę.</translation>
    </message>
    <message>
        <source>The setup is not saved, and the station runs as before:
%1</source>
        <translation>Konfiguracji nie zapisano, a stanowisko działa jak dotąd:
%1</translation>
    </message>
    <message>
        <source>Closing: the module in flight finishes first. Leave it in place.</source>
        <translation>Zamykanie: najpierw skończy się moduł w toku. Zostaw go na miejscu.</translation>
    </message>
    <message numerus="yes">
        <source>Closing: %n modules in flight finish first. Leave them in place.</source>
        <translation>
            <numerusform>Zamykanie: najpierw skończą się moduły w toku (%n). Zostaw je na miejscu.</numerusform>
            <numerusform>Zamykanie: najpierw skończą się moduły w toku (%n). Zostaw je na miejscu.</numerusform>
            <numerusform>Zamykanie: najpierw skończą się moduły w toku (%n). Zostaw je na miejscu.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;The station&apos;s or the system&apos;s language</source>
        <translation>Język &amp;stanowiska lub systemu</translation>
    </message>
    <message>
        <source>O&amp;perator</source>
        <translation>Ope&amp;rator</translation>
    </message>
    <message>
        <source>The shift&apos;s earlier units could not be read from the record (%1): counting goes on from here.</source>
        <translation>Nie udało się odczytać z rejestru wcześniejszych jednostek zmiany (%1): liczenie trwa od tego miejsca.</translation>
    </message>
    <message>
        <source>Not running: this station runs already in %1 (pid %2). Use that window, or close it and open the station here again (Station &gt; Open station...).</source>
        <translation>Nie działa: ta stacja działa już w %1 (pid %2). Użyj tamtego okna albo zamknij je i otwórz stację tutaj ponownie (Stacja &gt; Otwórz stację...).</translation>
    </message>
    <message>
        <source>Not running: the socket %1 is a slot of the station %2, which runs in %3 (pid %4). A socket belongs to one station.</source>
        <translation>Nie działa: gniazdo %1 należy do stacji %2, która działa w %3 (pid %4). Gniazdo należy do jednej stacji.</translation>
    </message>
    <message>
        <source>Not running: %1 (pid %2) programs every module plugged in on this PC&apos;s sockets (%3). End it, then open the station again.</source>
        <translation>Nie działa: %1 (pid %2) programuje każdy moduł podłączony do gniazd tego komputera (%3). Zakończ go, potem otwórz stację ponownie.</translation>
    </message>
    <message>
        <source>all its serial ports</source>
        <translation>wszystkie jego porty szeregowe</translation>
    </message>
    <message>
        <source>The station file opened last, %1, is not there any more: Station &gt; Open station... or New station...</source>
        <translation>Ostatnio otwarty plik stacji, %1, już nie istnieje: Stacja &gt; Otwórz stację... lub Nowa stacja...</translation>
    </message>
    <message>
        <source>The socket folder %1 is not there: check the hub is plugged in, or correct the folder in Edit setup. The station watches for it.</source>
        <translation>Folder gniazd %1 nie istnieje: sprawdź, czy hub jest podłączony, lub popraw folder w edycji konfiguracji. Stacja czeka, aż się pojawi.</translation>
    </message>
    <message>
        <source>%1: %2 – %3</source>
        <translation>%1: %2 – %3</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>NIEZNANY</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Closing: modules in flight that did not pass: %1.</source>
        <translation>Zamykanie: moduły w toku, które nie przeszły: %1.</translation>
    </message>
    <message>
        <source>Before the station closed:
%1

Put these modules aside; the record has them.</source>
        <translation>Przed zamknięciem stacji:
%1

Odłóż te moduły; rejestr je zawiera.</translation>
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
        <translation>Klawisze stanowiska:

Strzałki: przejście między miejscami
Enter lub Spacja na miejscu: co znalazł program
Ctrl+P na miejscu: ponownie etykieta jego jednostki
Tab: następne miejsce
F2: pole operatora (czytnik identyfikatorów wpisuje do niego z dowolnego miejsca)
Skan, gdy miejsce czeka na numer seryjny: pole numeru seryjnego
Ctrl+Shift+N: nowa zmiana
Ctrl+Shift+E: edycja konfiguracji (inżynier, z PIN-em)
Ctrl+O: otwarcie stanowiska
Ctrl+Q: wyjście; moduły w toku najpierw się kończą</translation>
    </message>
    <message>
        <source>Labels are not printed: %1. An engineer can correct it in Edit setup.</source>
        <translation>Etykiety nie są drukowane: %1. Inżynier może to poprawić w Edytuj konfigurację.</translation>
    </message>
    <message>
        <source>The label of unit %1 was not printed: %2. Print it again with: zomar-cli records label %1 --label %3</source>
        <translation>Etykieta jednostki %1 nie została wydrukowana: %2. Ponowny wydruk: zomar-cli records label %1 --label %3</translation>
    </message>
    <message>
        <source>Serial %1 is for no slot: no unit waits for its product serial.</source>
        <translation>Numer seryjny %1 nie jest dla żadnego miejsca: żadna jednostka nie czeka na numer seryjny.</translation>
    </message>
    <message>
        <source>This station prints no labels (Edit setup: Labels and product serials).</source>
        <translation>To stanowisko nie drukuje etykiet (Edytuj konfigurację: Etykiety i numery seryjne).</translation>
    </message>
    <message>
        <source>%1 has no unit to print a label for: only a unit that passed (with its serial when the station asks for one) gets a label.</source>
        <translation>%1 nie ma jednostki, dla której można wydrukować etykietę: etykietę dostaje tylko jednostka, która przeszła (z numerem seryjnym, gdy stanowisko go wymaga).</translation>
    </message>
    <message>
        <source>The label&apos;s state of unit %1 is not in the record: %2</source>
        <translation>Stan etykiety jednostki %1 nie jest zapisany w rejestrze: %2</translation>
    </message>
    <message>
        <source>that unit carries %1</source>
        <translation>ta jednostka ma już %1</translation>
    </message>
    <message>
        <source>it is bound to the unit with address %1</source>
        <translation>jest przypisany do jednostki o adresie %1</translation>
    </message>
    <message>
        <source>it is bound to unit %1</source>
        <translation>jest przypisany do jednostki %1</translation>
    </message>
    <message>
        <source>Serial %1 of the unit with address %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %4 SERIAL</source>
        <translation>Numer seryjny %1 jednostki o adresie %2 został odrzucony, gdy dziennik tego stanowiska dotarł do serwera: %3. Rejestr nie przechowuje numeru seryjnego tej jednostki; sprawdź produkt i przypisz jego numer seryjny poleceniem: zomar-cli records serial %4 SERIAL</translation>
    </message>
    <message>
        <source>Serial %1 of unit %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %2 SERIAL</source>
        <translation>Numer seryjny %1 jednostki %2 został odrzucony, gdy dziennik tego stanowiska dotarł do serwera: %3. Rejestr nie przechowuje numeru seryjnego tej jednostki; sprawdź produkt i przypisz jego numer seryjny poleceniem: zomar-cli records serial %2 SERIAL</translation>
    </message>
</context>
<context>
    <name>zomar::TerminalPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>Błąd!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::TraceSetupBox</name>
    <message>
        <source>Labels and product serials</source>
        <translation>Etykiety i numery seryjne</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Pr&amp;zeglądaj...</translation>
    </message>
    <message>
        <source>none; pdf:FOLDER, printer:NAME or zpl://HOST[:PORT]</source>
        <translation>brak; pdf:FOLDER, printer:NAZWA lub zpl://HOST[:PORT]</translation>
    </message>
    <message>
        <source>the default: 50 x 25 mm with a QR code</source>
        <translation>domyślny: 50 x 25 mm z kodem QR</translation>
    </message>
    <message>
        <source>none: no serial is scanned; e.g. SN-[0-9]{6}</source>
        <translation>brak: nie skanuje się numerów; np. SN-[0-9]{6}</translation>
    </message>
    <message>
        <source>A regular expression that a product serial matches whole. When set, a technician scans the product&apos;s serial for each unit that passes; its label is printed once the serial is recorded.</source>
        <translation>Wyrażenie regularne, do którego pasuje cały numer seryjny. Gdy jest ustawione, technik skanuje numer seryjny produktu każdej jednostki, która przeszła; jej etykieta drukuje się po zapisaniu numeru.</translation>
    </message>
    <message>
        <source>The labels&apos; template</source>
        <translation>Szablon etykiet</translation>
    </message>
    <message>
        <source>Label templates (*.json);;All files (*)</source>
        <translation>Szablony etykiet (*.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>L&amp;abels to:</source>
        <translation>E&amp;tykiety do:</translation>
    </message>
    <message>
        <source>Label te&amp;mplate:</source>
        <translation>Sza&amp;blon etykiety:</translation>
    </message>
    <message>
        <source>Pro&amp;duct serial pattern:</source>
        <translation>&amp;Wzorzec numeru seryjnego:</translation>
    </message>
    <message>
        <source>Labels to: %1</source>
        <translation>Etykiety do: %1</translation>
    </message>
    <message>
        <source>Label template: say where the labels go too</source>
        <translation>Szablon etykiety: podaj też, dokąd idą etykiety</translation>
    </message>
    <message>
        <source>Product serial pattern: %1</source>
        <translation>Wzorzec numeru seryjnego: %1</translation>
    </message>
</context>
</TS>
