<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>Form1</name>
    <message>
        <source>Disconnect</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Loopback On</source>
        <translation>Smyčka zap.</translation>
    </message>
    <message>
        <source>Loopback Off</source>
        <translation>Smyčka vyp.</translation>
    </message>
    <message>
        <source>Cont Send On</source>
        <translation>Stálé vysílání zap.</translation>
    </message>
    <message>
        <source>Cont Send Off</source>
        <translation>Stálé vysílání vyp.</translation>
    </message>
    <message>
        <source>Destination Address</source>
        <translation>Cílová adresa</translation>
    </message>
    <message>
        <source>Local Address</source>
        <translation>Vlastní adresa</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Frekvence RF</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>Výkon TX</translation>
    </message>
    <message>
        <source>RF TX Speed</source>
        <translation>Rychlost RF TX</translation>
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
        <translation>Přijaté znaky</translation>
    </message>
    <message>
        <source>Characters to send</source>
        <translation>Znaky k odeslání</translation>
    </message>
    <message>
        <source>Echoed characters</source>
        <translation>Vrácené znaky</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Stránky</translation>
    </message>
    <message>
        <source>Read the module first: Connect, or Refresh.</source>
        <translation>Nejprve načtěte modul: Připojit, nebo Obnovit.</translation>
    </message>
    <message>
        <source>Connect to a port first.</source>
        <translation>Nejprve připojte port.</translation>
    </message>
    <message>
        <source>Modem Setup</source>
        <translation>Nastavení modemu</translation>
    </message>
    <message>
        <source>Comms Port Setup</source>
        <translation>Nastavení portu</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminál</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Opakovač</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>0-FF Hex</source>
        <translation>0-FF hex</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Pásmo</translation>
    </message>
    <message>
        <source>Select Freq Band </source>
        <translation>Zvolte pásmo</translation>
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
        <translation>Zapsat</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Tovární hodnoty</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Comm Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Rychlost</translation>
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
        <translation>Interval vysílání</translation>
    </message>
    <message>
        <source>Exit AT Mode</source>
        <translation>Opustit režim AT</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Loopback Delay</source>
        <translation>Zpoždění smyčky</translation>
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
        <translation>Nastavení modemu</translation>
    </message>
    <message>
        <source>Comms Setup</source>
        <translation>Nastavení portu</translation>
    </message>
</context>
<context>
    <name>zomar::BandAdviceLine</name>
    <message>
        <source>Band-plan advice</source>
        <translation>Rada podle plánu pásem</translation>
    </message>
    <message>
        <source>No band-plan advice</source>
        <translation>Bez rady podle plánu pásem</translation>
    </message>
    <message>
        <source>Band-plan advice for the %1</source>
        <translation>Rada podle plánu pásem pro: %1</translation>
    </message>
    <message>
        <source>Advice only: Set writes the frequency you choose.</source>
        <translation>Je to jen rada: Zapsat zapíše frekvenci, kterou zvolíte.</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureLauncher</name>
    <message>
        <source>Capture...</source>
        <translation>Odposlech...</translation>
    </message>
    <message>
        <source>Every byte both ways, a line per burst with time and hex</source>
        <translation>Každý bajt oběma směry, řádek na dávku s časem a hex</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureWindow</name>
    <message>
        <source>Capture</source>
        <translation>Odposlech</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Find (Enter, F3: next)</source>
        <translation>Hledat (Enter, F3: další)</translation>
    </message>
    <message>
        <source>Save Text...</source>
        <translation>Uložit text...</translation>
    </message>
    <message>
        <source>The lines as shown, as a text file</source>
        <translation>Řádky tak, jak jsou zobrazeny, jako textový soubor</translation>
    </message>
    <message>
        <source>Save Raw...</source>
        <translation>Uložit bajty...</translation>
    </message>
    <message>
        <source>The bytes as they went, both ways, with a timestamped hex log beside them (FILE.log) that tells which went which way</source>
        <translation>Bajty tak, jak prošly, oběma směry, s hex protokolem s časovými značkami vedle (FILE.log), který říká, kterým směrem šel každý z nich</translation>
    </message>
    <message>
        <source>Send:</source>
        <translation>Odeslat:</translation>
    </message>
    <message>
        <source>41 42 0d   or   AB\x0d   (Enter sends)</source>
        <translation>41 42 0d   nebo   AB\x0d   (Enter odešle)</translation>
    </message>
    <message>
        <source>Sent as bytes on Enter: %1</source>
        <translation>Odesláno jako bajty klávesou Enter: %1</translation>
    </message>
    <message>
        <source>Capture: %1 bursts (%2 dropped)%3</source>
        <translation>Odposlech: dávek %1 (zahozeno %2)%3</translation>
    </message>
    <message>
        <source>, paused</source>
        <translation>, pozastaveno</translation>
    </message>
    <message>
        <source>%1 B sent, %2 B received</source>
        <translation>odesláno %1 B, přijato %2 B</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Neodesláno: %1</translation>
    </message>
    <message>
        <source>Not sent: the port is not open</source>
        <translation>Neodesláno: port není otevřen</translation>
    </message>
    <message>
        <source>Sent %1 byte(s)</source>
        <translation>Odeslané bajty: %1</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>Řádek %1 z %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the capture</source>
        <translation>„%1“ v odposlechu není</translation>
    </message>
    <message>
        <source>Save Capture as Text</source>
        <translation>Uložit odposlech jako text</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textové soubory (*.txt)</translation>
    </message>
    <message>
        <source>Saved %1 line(s) to %2</source>
        <translation>Uloženo řádků: %1 do %2</translation>
    </message>
    <message>
        <source>Save Capture as Raw Bytes</source>
        <translation>Uložit odposlech jako surové bajty</translation>
    </message>
    <message>
        <source>Raw bytes (*.bin)</source>
        <translation>Surové bajty (*.bin)</translation>
    </message>
    <message>
        <source>Saved the bytes to %1 and their hex log to %2</source>
        <translation>Bajty uloženy do %1 a jejich hex protokol do %2</translation>
    </message>
    <message>
        <source>Capture not saved</source>
        <translation>Odposlech neuložen</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
</context>
<context>
    <name>zomar::CommandModeSteps</name>
    <message>
        <source>Error!! %1</source>
        <translation>Chyba!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::FactoryReset</name>
    <message>
        <source>This will reset the unit to Factory defaults.<byte value="xd"/>
Continue?</source>
        <translation>Modul se vrátí k továrním hodnotám.<byte value="xd"/>
Pokračovat?</translation>
    </message>
</context>
<context>
    <name>zomar::FindModuleDialog</name>
    <message>
        <source>Find Module</source>
        <translation>Najít modul</translation>
    </message>
    <message>
        <source>Looking for a module on %1, at each line speed: %2 baud.
%3</source>
        <translation>Hledání modulu na %1 při každé rychlosti linky: %2 Bd.
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
            <numerusform>%n portů</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>No serial ports to search. Plug in the adapter (a USB adapter shows up as /dev/ttyUSB* or /dev/ttyACM*), then try again.</source>
        <translation>Žádné sériové porty k prohledání. Připojte adaptér (adaptér USB se objeví jako /dev/ttyUSB* nebo /dev/ttyACM*) a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Spouštění...</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>Zastavení po probíhajících čteních...</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <translation>%1 při %2 Bd</translation>
    </message>
    <message>
        <source>Trying %1...</source>
        <translation>Zkouším %1...</translation>
    </message>
    <message>
        <source>Found a module on %1 at %2 baud.</source>
        <translation>Modul nalezen na %1 při %2 Bd.</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Hledání zrušeno.</translation>
    </message>
    <message>
        <source>No module answered on %1 at any line speed. Check the cable and the module&apos;s power.</source>
        <translation>Na %1 neodpověděl žádný modul při žádné rychlosti linky. Zkontrolujte kabel a napájení modulu.</translation>
    </message>
</context>
<context>
    <name>zomar::Form1</name>
    <message>
        <source>Zomar Setup Utility - Version:%1.%2.%3</source>
        <translation>Zomar Setup Utility - Verze:%1.%2.%3</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Odpojeno</translation>
    </message>
    <message>
        <source>No serial device</source>
        <translation>Žádné sériové zařízení</translation>
    </message>
    <message>
        <source>The port and speed could not be saved to %1: %2.
They will not be remembered next time.</source>
        <translation>Port a rychlost se nepodařilo uložit do %1: %2.
Příště nebudou zapamatovány.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Nastavení neuloženo</translation>
    </message>
</context>
<context>
    <name>zomar::LanguageMenu</name>
    <message>
        <source>The windows will be in %1 when the program starts again.</source>
        <translation>Okna budou v jazyce %1 po příštím spuštění programu.</translation>
    </message>
    <message>
        <source>The windows will follow &quot;%1&quot; when the program starts again.</source>
        <translation>Okna se budou řídit volbou „%1“ po příštím spuštění programu.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message>
        <source>The language could not be saved to %1: %2.</source>
        <translation>Jazyk se nepodařilo uložit do %1: %2.</translation>
    </message>
</context>
<context>
    <name>zomar::LatencyChart</name>
    <message>
        <source>Latency</source>
        <translation>Zpoždění</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Ztraceno</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Zpoždění (ms)</translation>
    </message>
</context>
<context>
    <name>zomar::LinkTestDialog</name>
    <message>
        <source>Link Test</source>
        <translation>Test spoje</translation>
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
        <translation>dvojnásobek doby paketu</translation>
    </message>
    <message>
        <source>Put the second module on the first one&apos;s channel and &amp;RF speed</source>
        <translation>Nastavit druhý modul na kanál a rychlost &amp;RF prvního</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Z</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Do</translation>
    </message>
    <message>
        <source>&amp;Line speed</source>
        <translation>Rychlost &amp;linky</translation>
    </message>
    <message>
        <source>&amp;Packets</source>
        <translation>&amp;Pakety</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Velikost</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Interval</translation>
    </message>
    <message>
        <source>Two modules are needed, each on a port of this computer; type a device or a port number if one is not listed.</source>
        <translation>Jsou potřeba dva moduly, každý na portu tohoto počítače; zadejte zařízení nebo číslo portu, pokud v seznamu chybí.</translation>
    </message>
    <message>
        <source>Choose the two ports and press Start.</source>
        <translation>Zvolte oba porty a stiskněte Spustit.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Spustit</translation>
    </message>
    <message>
        <source>Sa&amp;ve CSV...</source>
        <translation>Uložit &amp;CSV...</translation>
    </message>
    <message>
        <source>Run a test first: the file has a row per packet.</source>
        <translation>Nejprve proveďte test: soubor má řádek na paket.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Zavří&amp;t</translation>
    </message>
    <message>
        <source>Not while a test runs: Cancel stops it.</source>
        <translation>Ne během testu: Zrušit ho zastaví.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Zr&amp;ušit</translation>
    </message>
    <message>
        <source>Choose a port for each module.</source>
        <translation>Zvolte port pro každý modul.</translation>
    </message>
    <message>
        <source>Both boxes name %1: a link needs two modules, each on its own port.</source>
        <translation>Obě pole uvádějí %1: spoj potřebuje dva moduly, každý na vlastním portu.</translation>
    </message>
    <message>
        <source>%1 is the window&apos;s own port, which is connected. Disconnect it first, or choose another.</source>
        <translation>%1 je připojený port okna. Nejprve ho odpojte, nebo zvolte jiný.</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Zpoždění (ms)</translation>
    </message>
    <message>
        <source>Reading both modules...</source>
        <translation>Čtení obou modulů...</translation>
    </message>
    <message>
        <source>Cancelled before the test began.</source>
        <translation>Zrušeno před začátkem testu.</translation>
    </message>
    <message>
        <source>. Tick &quot;%1&quot; to align them.</source>
        <translation>. Zaškrtněte „%1“ pro jejich sladění.</translation>
    </message>
    <message>
        <source>The second module was put on %1, %2 (written and verified). Sending...</source>
        <translation>Druhý modul byl nastaven na %1, %2 (zapsáno a ověřeno). Vysílání...</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Vysílání...</translation>
    </message>
    <message>
        <source>Sent %1 of %2, received %3, lost %4 (every %5 ms at %6 bps RF)</source>
        <translation>Odesláno %1 z %2, přijato %3, ztraceno %4 (každých %5 ms při %6 bit/s RF)</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Zastaveno: %1</translation>
    </message>
    <message>
        <source>Cancelled: the figures so far.</source>
        <translation>Zrušeno: dosavadní hodnoty.</translation>
    </message>
    <message>
        <source>Nothing came through: check both modules&apos; power and antennas.</source>
        <translation>Nic neprošlo: zkontrolujte napájení a antény obou modulů.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hotovo.</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>Zastavení po probíhajících čteních...</translation>
    </message>
    <message>
        <source>Save Link Test</source>
        <translation>Uložit test spoje</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Uloženo %1.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>Nelze uložit: %1.</translation>
    </message>
    <message>
        <source>
Warning: %1.</source>
        <translation>
Upozornění: %1.</translation>
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
        <translation>Nové makro</translation>
    </message>
    <message>
        <source>Edit Macro</source>
        <translation>Upravit makro</translation>
    </message>
    <message>
        <source>One step a line: &quot;send BYTES&quot;, &quot;wait MS&quot;, &quot;expect BYTES MS&quot;; bytes as the Send line takes them (41 42 0d, AT\r\n).</source>
        <translation>Jeden krok na řádek: „send BAJTY“, „wait MS“, „expect BAJTY MS“; bajty tak, jak je bere řádek Odeslat (41 42 0d, AT\r\n).</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Název:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>&amp;Kroky:</translation>
    </message>
    <message>
        <source>Give the macro a name: it is the button&apos;s text.</source>
        <translation>Dejte makru název: je to text tlačítka.</translation>
    </message>
</context>
<context>
    <name>zomar::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Open Profile...</source>
        <translation>&amp;Otevřít profil...</translation>
    </message>
    <message>
        <source>&amp;Save Profile...</source>
        <translation>&amp;Uložit profil...</translation>
    </message>
    <message>
        <source>&amp;Recent Profiles</source>
        <translation>&amp;Nedávné profily</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>U&amp;končit</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Nástroje</translation>
    </message>
    <message>
        <source>&amp;Find Module...</source>
        <translation>Na&amp;jít modul...</translation>
    </message>
    <message>
        <source>&amp;Link Test...</source>
        <translation>&amp;Test spoje...</translation>
    </message>
    <message>
        <source>&amp;Capture...</source>
        <translation>&amp;Odposlech...</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Jazyk &amp;systému</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vyprázdnit seznam</translation>
    </message>
    <message>
        <source>Zomar Setup Utility
Version %1

Sets up Zomar radio-modem modules on a serial port.

Built with Qt %2, running on Qt %3.
Licence: MIT (see the LICENSE file).</source>
        <translation>Zomar Setup Utility
Verze %1

Nastavuje rádiové modemy Zomar na sériovém portu.

Sestaveno s Qt %2, běží s Qt %3.
Licence: MIT (viz soubor LICENSE).</translation>
    </message>
    <message>
        <source>About Zomar Setup Utility</source>
        <translation>O programu Zomar Setup Utility</translation>
    </message>
</context>
<context>
    <name>zomar::ModuleSearch</name>
    <message>
        <source>The window&apos;s port (COMM %1) was disconnected: the search opens every port itself.</source>
        <translation>Port okna (COMM %1) byl odpojen: hledání otevírá každý port samo.</translation>
    </message>
    <message>
        <source>The window&apos;s port stays disconnected: the search opens every port itself.</source>
        <translation>Port okna zůstává odpojen: hledání otevírá každý port samo.</translation>
    </message>
    <message>
        <source>Looking for a module...</source>
        <translation>Hledání modulu...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Odpojeno</translation>
    </message>
    <message>
        <source>A module answered on %1 at %2 baud, but no port number of the window leads to that device. Map one to it, e.g. with --port-map 1=%1, or a &quot;Ports&quot; setting.</source>
        <translation>Modul odpověděl na %1 při %2 Bd, ale k tomuto zařízení nevede žádné číslo portu okna. Přiřaďte mu jedno, např. pomocí --port-map 1=%1 nebo nastavení „Ports“.</translation>
    </message>
    <message>
        <source>Find Module</source>
        <translation>Najít modul</translation>
    </message>
</context>
<context>
    <name>zomar::OperatorField</name>
    <message>
        <source>Scan badge, or type name + Enter</source>
        <translation>Naskenujte odznak, nebo napište jméno + Enter</translation>
    </message>
</context>
<context>
    <name>zomar::PageProfile</name>
    <message>
        <source>The profile was not saved: %1</source>
        <translation>Profil nebyl uložen: %1</translation>
    </message>
    <message>
        <source>the %1 field shows &quot;??&quot; (not read from the module). Connect or press Refresh, or fill it in, first.</source>
        <translation>pole %1 ukazuje „??“ (nenačteno z modulu). Nejprve se připojte nebo stiskněte Obnovit, nebo ho vyplňte.</translation>
    </message>
    <message>
        <source>Set would refuse the %1 field (&quot;%2&quot;: %3).</source>
        <translation>Zapsat by odmítlo pole %1 („%2“: %3).</translation>
    </message>
    <message>
        <source>the Tx Power field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>pole Výkon TX obsahuje „%1“, což není žádná z jeho hodnot (%2).</translation>
    </message>
    <message>
        <source>the RF TX Speed field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>pole Rychlost RF TX obsahuje „%1“, což není žádná z jeho hodnot (%2).</translation>
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
        <translation>Nový &amp;PIN:</translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation>&amp;Znovu:</translation>
    </message>
    <message>
        <source>the two PINs differ</source>
        <translation>oba PINy se liší</translation>
    </message>
    <message>
        <source>Not set: %1.</source>
        <translation>Nenastaveno: %1.</translation>
    </message>
    <message>
        <source>The PIN guards the setup: the profile, the addresses, the record and the slots. Give it to the engineers only.</source>
        <translation>PIN chrání nastavení: profil, adresy, záznam a pozice. Dejte ho jen inženýrům.</translation>
    </message>
</context>
<context>
    <name>zomar::PortConnection</name>
    <message>
        <source>Type mismatch</source>
        <translation>Nesoulad typů</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Přetečení</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Připojování...</translation>
    </message>
    <message>
        <source>Connected to COMM %1</source>
        <translation>Připojeno k COMM %1</translation>
    </message>
    <message>
        <source>Please select a valid comms port</source>
        <translation>Zvolte platný komunikační port</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Neplatný port</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Chyba: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>Chyba!! %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Odpojeno</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>Spojení ztraceno: %1</translation>
    </message>
    <message>
        <source>Check the cable or USB adapter, then press Connect.</source>
        <translation>Zkontrolujte kabel nebo adaptér USB a pak stiskněte Připojit.</translation>
    </message>
</context>
<context>
    <name>zomar::ProfileActions</name>
    <message>
        <source>Open Profile</source>
        <translation>Otevřít profil</translation>
    </message>
    <message>
        <source>Zomar profiles (*.json);;All files (*)</source>
        <translation>Profily Zomar (*.json);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>%1: no longer exists; it was taken off the recent profiles.</source>
        <translation>%1: už neexistuje; byl odebrán z nedávných profilů.</translation>
    </message>
    <message>
        <source>Profile not opened</source>
        <translation>Profil neotevřen</translation>
    </message>
    <message>
        <source>Nothing on the page was changed.</source>
        <translation>Na stránce se nic nezměnilo.</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Set writes it to the module</source>
        <translation>Profil %1 načten: Zapsat ho zapíše do modulu</translation>
    </message>
    <message>
        <source>Profile %1 loaded: connect first, then open it again to Set it</source>
        <translation>Profil %1 načten: nejprve se připojte, pak ho znovu otevřete a zapište</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Refresh first, then open it again to Set it</source>
        <translation>Profil %1 načten: nejprve obnovte, pak ho znovu otevřete a zapište</translation>
    </message>
    <message>
        <source>Profile not saved</source>
        <translation>Profil neuložen</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Uložit profil</translation>
    </message>
    <message>
        <source>Profile %1 saved to %2</source>
        <translation>Profil %1 uložen do %2</translation>
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
        <translation>kanál %1</translation>
    </message>
    <message>
        <source>TX power %1</source>
        <translation>výkon TX %1</translation>
    </message>
    <message>
        <source>RF speed %1</source>
        <translation>rychlost RF %1</translation>
    </message>
    <message>
        <source>destination %1</source>
        <translation>cíl %1</translation>
    </message>
    <message>
        <source>local %1</source>
        <translation>vlastní %1</translation>
    </message>
    <message>
        <source>no field set</source>
        <translation>žádné pole nenastaveno</translation>
    </message>
</context>
<context>
    <name>zomar::RefreshOperation</name>
    <message>
        <source>No Response from Modem. Check Comms Port &amp; Baud rate</source>
        <translation>Modem neodpovídá. Zkontrolujte port a rychlost</translation>
    </message>
    <message>
        <source>Requesting Configuration...</source>
        <translation>Vyžádání nastavení...</translation>
    </message>
    <message>
        <source>Request Complete</source>
        <translation>Požadavek dokončen</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Chyba %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
</context>
<context>
    <name>zomar::RepeaterPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>Chyba!! %1</translation>
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
        <translation>Nové makro...</translation>
    </message>
    <message>
        <source>A named button that sends a stored sequence of bytes and waits</source>
        <translation>Pojmenované tlačítko, které odešle uloženou posloupnost bajtů a čeká</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>Run Script...</source>
        <translation>Spustit skript...</translation>
    </message>
    <message>
        <source>Runs a JavaScript file on this port: send, expect, module.read, module.write, log</source>
        <translation>Spustí soubor JavaScript na tomto portu: send, expect, module.read, module.write, log</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Script log</source>
        <translation>Záznam skriptu</translation>
    </message>
    <message>
        <source>%1 (right-click to edit or delete)</source>
        <translation>%1 (pravým tlačítkem upravit nebo smazat)</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Upravit...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Not run: %1: %2</source>
        <translation>Nespuštěno: %1: %2</translation>
    </message>
    <message>
        <source>Not run: the port is not open</source>
        <translation>Nespuštěno: port není otevřen</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>Spustit skript</translation>
    </message>
    <message>
        <source>Scripts (*.js)</source>
        <translation>Skripty (*.js)</translation>
    </message>
    <message>
        <source>Not run: %1 cannot be read as a script</source>
        <translation>Nespuštěno: %1 nelze přečíst jako skript</translation>
    </message>
    <message>
        <source>Not run: a script is running; stop it first</source>
        <translation>Nespuštěno: běží skript; nejprve jej zastavte</translation>
    </message>
    <message>
        <source>%1: started</source>
        <translation>%1: spuštěno</translation>
    </message>
    <message>
        <source>Running %1...</source>
        <translation>Běží %1...</translation>
    </message>
    <message>
        <source>%1: done</source>
        <translation>%1: hotovo</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1: zastaveno</translation>
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
        <translation>Naskenujte sériové číslo výrobku</translation>
    </message>
    <message>
        <source>P&amp;roduct serial:</source>
        <translation>Sé&amp;riové číslo výrobku:</translation>
    </message>
    <message>
        <source>P&amp;roduct serial for %1:</source>
        <translation>Sé&amp;riové číslo výrobku pro %1:</translation>
    </message>
</context>
<context>
    <name>zomar::SerialNotice</name>
    <message>
        <source>&amp;Acknowledge</source>
        <translation>&amp;Potvrdit</translation>
    </message>
</context>
<context>
    <name>zomar::SetOperation</name>
    <message>
        <source>Invalid input (00-FF)</source>
        <translation>Neplatný vstup (00-FF)</translation>
    </message>
    <message>
        <source>Error!!</source>
        <translation>Chyba!!</translation>
    </message>
    <message>
        <source>Incorrect value</source>
        <translation>Nesprávná hodnota</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Incorrect Frequency value</source>
        <translation>Nesprávná hodnota frekvence</translation>
    </message>
    <message>
        <source>Invalid input (Tx Power)</source>
        <translation>Neplatný vstup (Výkon TX)</translation>
    </message>
    <message>
        <source>Invalid input (RF TX Speed)</source>
        <translation>Neplatný vstup (Rychlost RF TX)</translation>
    </message>
    <message>
        <source>Error!! Overflow</source>
        <translation>Chyba!! Přetečení</translation>
    </message>
    <message>
        <source>Sending Configuration...</source>
        <translation>Odesílání nastavení...</translation>
    </message>
    <message>
        <source>Send Complete</source>
        <translation>Odesláno</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>Chyba!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::SetupChange</name>
    <message>
        <source>The setup of this station is guarded by a PIN.</source>
        <translation>Nastavení této stanice je chráněno PINem.</translation>
    </message>
    <message>
        <source>A new station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>Nová stanice nahradí tuto, jejíž nastavení je chráněno PINem.</translation>
    </message>
    <message>
        <source>Keep the station&apos;s setup in</source>
        <translation>Uložit nastavení stanice do</translation>
    </message>
    <message>
        <source>Station files (*.json)</source>
        <translation>Soubory stanic (*.json)</translation>
    </message>
    <message>
        <source>Another station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>Jiná stanice nahradí tuto, jejíž nastavení je chráněno PINem.</translation>
    </message>
    <message>
        <source>Open a station</source>
        <translation>Otevřít stanici</translation>
    </message>
    <message>
        <source>Station files (*.json);;All files (*)</source>
        <translation>Soubory stanic (*.json);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Wait until the module being programmed has finished.</source>
        <translation>Počkejte, až se dokončí programování modulu.</translation>
    </message>
    <message numerus="yes">
        <source>Wait until the %n modules being programmed have finished.</source>
        <translation>
            <numerusform>Počkejte, až se dokončí programování modulů (%n).</numerusform>
            <numerusform>Počkejte, až se dokončí programování modulů (%n).</numerusform>
            <numerusform>Počkejte, až se dokončí programování modulů (%n).</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN: the setup stays as it is.</source>
        <translation>Špatný PIN: nastavení zůstává beze změny.</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftPanel</name>
    <message>
        <source>This shift</source>
        <translation>Tato směna</translation>
    </message>
    <message>
        <source>Last units</source>
        <translation>Poslední kusy</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Pozice</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operátor</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>OK %1</translation>
    </message>
    <message>
        <source>Fail %1</source>
        <translation>Chyby %1</translation>
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
        <translation>CHYBA: %1</translation>
    </message>
    <message>
        <source>First-pass yield %1 %</source>
        <translation>Výtěžnost napoprvé %1 %</translation>
    </message>
    <message>
        <source>First-pass yield –</source>
        <translation>Výtěžnost napoprvé –</translation>
    </message>
    <message>
        <source>%1 units/h</source>
        <translation>%1 kusů/h</translation>
    </message>
    <message>
        <source>– units/h</source>
        <translation>– kusů/h</translation>
    </message>
    <message>
        <source>%1: yield %2 % (%3 of %4), well below the other slots (%5 %): check its socket</source>
        <translation>%1: výtěžnost %2 % (%3 z %4), hluboko pod ostatními pozicemi (%5 %): zkontrolujte patici</translation>
    </message>
    <message>
        <source>UNKNOWN: %1</source>
        <translation>NEZNÁMÝ: %1</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftTally</name>
    <message>
        <source>%1 pass · %2 fail · yield %3</source>
        <translation>OK: %1 · chyby: %2 · výtěžnost %3</translation>
    </message>
</context>
<context>
    <name>zomar::SimulationMenu</name>
    <message>
        <source>Si&amp;mulation</source>
        <translation>Si&amp;mulace</translation>
    </message>
    <message>
        <source>&amp;Demo: modules come and go</source>
        <translation>&amp;Ukázka: moduly přicházejí a odcházejí</translation>
    </message>
    <message>
        <source>&amp;Next module plugged in</source>
        <translation>&amp;Další zapojený modul</translation>
    </message>
    <message>
        <source>Module in slot &amp;%1</source>
        <translation>Modul na pozici &amp;%1</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTeacher</name>
    <message>
        <source>Teach slots - %1</source>
        <translation>Naučit pozice - %1</translation>
    </message>
    <message>
        <source>Plug a module into each socket of the hub in turn, in the order the slots should have. A module already in place: unplug it and plug it in again. Nothing is written to the modules.
Watching %1</source>
        <translation>Zapojte postupně modul do každého konektoru rozbočovače, v pořadí, jaké mají mít pozice. Modul, který už je zapojen: vytáhněte ho a zapojte znovu. Do modulů se nic nezapisuje.
Sledovaná složka: %1</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hotovo</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>Začít &amp;znovu</translation>
    </message>
    <message>
        <source>The folder does not exist yet: it appears with the first adapter plugged in.</source>
        <translation>Složka zatím neexistuje: objeví se s prvním zapojeným adaptérem.</translation>
    </message>
    <message>
        <source>That socket is %1 already.</source>
        <translation>Tento konektor už je %1.</translation>
    </message>
    <message>
        <source>A station has at most %1 slots.</source>
        <translation>Stanice má nejvýše %1 pozic.</translation>
    </message>
    <message>
        <source>%1 is the socket %2.</source>
        <translation>%1 je konektor %2.</translation>
    </message>
    <message>
        <source>Plug a module into the socket for %1</source>
        <translation>Zapojte modul do konektoru pro: %1</translation>
    </message>
    <message>
        <source>Sockets taught</source>
        <translation>Naučené konektory</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTile</name>
    <message>
        <source>Waiting</source>
        <translation>Čeká</translation>
    </message>
    <message>
        <source>Left alone</source>
        <translation>Ponechán</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Čtení</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Zápis</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Ověřování</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>CHYBA</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Nezahájeno</translation>
    </message>
    <message>
        <source>Plug in a module</source>
        <translation>Zapojte modul</translation>
    </message>
    <message>
        <source>It was in place at the start: unplug it and plug it in again</source>
        <translation>Byl zapojen už při startu: vytáhněte ho a zapojte znovu</translation>
    </message>
    <message>
        <source>Step %1 of 3: do not unplug</source>
        <translation>Krok %1 ze 3: nevytahujte</translation>
    </message>
    <message>
        <source>Address %1: unplug it</source>
        <translation>Adresa %1: vytáhněte ho</translation>
    </message>
    <message>
        <source>Written and verified: unplug it</source>
        <translation>Zapsáno a ověřeno: vytáhněte ho</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>NEZNÁMÝ</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Neběží</translation>
    </message>
    <message>
        <source>No sockets</source>
        <translation>Žádné zásuvky</translation>
    </message>
</context>
<context>
    <name>zomar::StationLine</name>
    <message>
        <source>%1: give the first address of a pool</source>
        <translation>%1: zadejte první adresu rozsahu</translation>
    </message>
    <message>
        <source>The station is closing</source>
        <translation>Stanice se zavírá</translation>
    </message>
    <message>
        <source>The setup is being changed: plug it in again later</source>
        <translation>Nastavení se mění: zapojte ho znovu později</translation>
    </message>
    <message>
        <source>The record cannot be written: call the engineer</source>
        <translation>Záznam nelze zapsat: zavolejte inženýra</translation>
    </message>
    <message>
        <source>The module before is still finishing: plug this one in again</source>
        <translation>Předchozí modul ještě nedokončil: zapojte tento znovu</translation>
    </message>
    <message>
        <source>%1; not recorded: %2</source>
        <translation>%1; nezaznamenáno: %2</translation>
    </message>
    <message>
        <source>; not in the log: %1</source>
        <translation>; chybí v protokolu: %1</translation>
    </message>
    <message>
        <source>Refused: nothing was written; call the engineer</source>
        <translation>Odmítnuto: nic se nezapsalo; zavolejte inženýra</translation>
    </message>
    <message>
        <source>No answer: check the module is seated</source>
        <translation>Bez odpovědi: zkontrolujte, zda modul dobře sedí</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside</source>
        <translation>Zpětné čtení se liší: modul odložte</translation>
    </message>
    <message>
        <source>Port failed: check the hub and its cable</source>
        <translation>Chyba portu: zkontrolujte rozbočovač a jeho kabel</translation>
    </message>
    <message>
        <source>Not recorded: call the engineer</source>
        <translation>Nezaznamenáno: zavolejte inženýra</translation>
    </message>
    <message>
        <source>Not started: no address left offline; call the engineer</source>
        <translation>Nezahájeno: offline už není volná adresa; zavolejte inženýra</translation>
    </message>
    <message>
        <source>Its outcome was not recorded: read it back</source>
        <translation>Výsledek nebyl zaznamenán: přečtěte jej zpět</translation>
    </message>
    <message>
        <source>Port lost before it was written: nothing was written</source>
        <translation>Port ztracen před zápisem: nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>This station runs in %1 (pid %2)</source>
        <translation>Tato stanice běží v %1 (pid %2)</translation>
    </message>
    <message>
        <source>The station is not running: call the engineer</source>
        <translation>Stanice neběží: zavolejte technika</translation>
    </message>
    <message>
        <source>The socket folder is missing: check the hub is plugged in, or call the engineer</source>
        <translation>Složka zásuvek chybí: zkontrolujte, že je rozbočovač zapojen, nebo zavolejte technika</translation>
    </message>
    <message>
        <source>%1 is not there; the station watches for it.</source>
        <translation>%1 neexistuje; stanice na něj čeká.</translation>
    </message>
    <message>
        <source>Pulled out as it was written: its state is unknown; read it back</source>
        <translation>Vytažen během zápisu: stav neznámý; přečtěte jej zpět</translation>
    </message>
    <message>
        <source>Pulled out as it was written: it may hold address %1; read it back</source>
        <translation>Vytažen během zápisu: může mít adresu %1; přečtěte jej zpět</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside (address %1 was sent)</source>
        <translation>Zpětné čtení se liší: modul odložte (byla odeslána adresa %1)</translation>
    </message>
    <message>
        <source>In use by another program: close it there, then plug the module in again</source>
        <translation>Používá jej jiný program: zavřete jej tam a modul zapojte znovu</translation>
    </message>
    <message>
        <source>In use by %1: close it there, then plug the module in again</source>
        <translation>Používá jej %1: zavřete jej tam a modul zapojte znovu</translation>
    </message>
    <message>
        <source>Pulled out before it was written: nothing was written; plug it in again</source>
        <translation>Vytažen před zápisem: nic nebylo zapsáno; zapojte jej znovu</translation>
    </message>
</context>
<context>
    <name>zomar::StationSetupDialog</name>
    <message>
        <source>Station setup - %1</source>
        <translation>Nastavení stanice - %1</translation>
    </message>
    <message>
        <source>this computer&apos;s name</source>
        <translation>název tohoto počítače</translation>
    </message>
    <message>
        <source>none: modules keep their own</source>
        <translation>žádná: moduly si ponechají svou</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádná</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Jazyk systému</translation>
    </message>
    <message>
        <source>The station&apos;s windows are in this language from its next start, unless a technician chooses another in the Language menu.</source>
        <translation>Okna stanice budou v tomto jazyce od jejího příštího spuštění, pokud technik v nabídce Jazyk nezvolí jiný.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Konektor</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pro&amp;cházet...</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Proc&amp;házet...</translation>
    </message>
    <message>
        <source>&amp;Teach slots...</source>
        <translation>Na&amp;učit pozice...</translation>
    </message>
    <message>
        <source>Remo&amp;ve slot</source>
        <translation>Odeb&amp;rat pozici</translation>
    </message>
    <message>
        <source>Set P&amp;IN...</source>
        <translation>Na&amp;stavit PIN...</translation>
    </message>
    <message>
        <source>No PIN</source>
        <translation>Bez PINu</translation>
    </message>
    <message>
        <source>Station &amp;name:</source>
        <translation>&amp;Název stanice:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>St&amp;ep:</source>
        <translation>&amp;Krok:</translation>
    </message>
    <message>
        <source>&amp;First address:</source>
        <translation>První &amp;adresa:</translation>
    </message>
    <message>
        <source>Re&amp;cord:</source>
        <translation>&amp;Záznam:</translation>
    </message>
    <message>
        <source>&amp;Line speed:</source>
        <translation>Rychlost &amp;linky:</translation>
    </message>
    <message>
        <source>Band plan re&amp;gion:</source>
        <translation>O&amp;blast plánu pásem:</translation>
    </message>
    <message>
        <source>Technicians&apos; lang&amp;uage:</source>
        <translation>&amp;Jazyk techniků:</translation>
    </message>
    <message>
        <source>S&amp;ocket folder:</source>
        <translation>Složka konek&amp;torů:</translation>
    </message>
    <message>
        <source>&amp;Slots (double-click or F2 on a name to rename):</source>
        <translation>P&amp;ozice (dvojklik nebo F2 na názvu pro přejmenování):</translation>
    </message>
    <message>
        <source>First address %1: %2</source>
        <translation>První adresa %1: %2</translation>
    </message>
    <message>
        <source>no slot yet: Teach slots, then save</source>
        <translation>zatím žádná pozice: naučte pozice, pak uložte</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Neuloženo: %1</translation>
    </message>
    <message>
        <source>The profile every module gets</source>
        <translation>Profil, který dostane každý modul</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Profily (*.json);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>The production record (a new file is made)</source>
        <translation>Výrobní záznam (vytvoří se nový soubor)</translation>
    </message>
    <message>
        <source>Production records (*.db);;All files (*)</source>
        <translation>Výrobní záznamy (*.db);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Name the profile every module gets.</source>
        <translation>Zadejte profil, který dostane každý modul.</translation>
    </message>
    <message>
        <source>A PIN guards this setup.</source>
        <translation>Toto nastavení chrání PIN.</translation>
    </message>
    <message>
        <source>No PIN: anyone at the station can change the setup.</source>
        <translation>Bez PINu: kdokoli u stanice může nastavení změnit.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>zomar::StationTrace</name>
    <message>
        <source>S/N %1: being recorded</source>
        <translation>S/N %1: zapisuje se</translation>
    </message>
    <message>
        <source>Scan the product serial</source>
        <translation>Naskenujte sériové číslo výrobku</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>S/N %1</translation>
    </message>
    <message>
        <source>printing the label</source>
        <translation>tiskne se štítek</translation>
    </message>
    <message>
        <source>label printed</source>
        <translation>štítek vytištěn</translation>
    </message>
    <message>
        <source>label not printed: %1</source>
        <translation>štítek nevytištěn: %1</translation>
    </message>
    <message>
        <source>Serial refused: one line of at most %1 characters</source>
        <translation>Sériové číslo odmítnuto: jeden řádek nejvýše %1 znaků</translation>
    </message>
    <message>
        <source>Serial %1 refused: it does not match %2</source>
        <translation>Sériové číslo %1 odmítnuto: neodpovídá vzoru %2</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to the unit with address %2</source>
        <translation>Sériové číslo %1 odmítnuto: patří kusu s adresou %2</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to another unit</source>
        <translation>Sériové číslo %1 odmítnuto: patří jinému kusu</translation>
    </message>
    <message>
        <source>Serial %1 refused: this unit carries %2</source>
        <translation>Sériové číslo %1 odmítnuto: tento kus už má %2</translation>
    </message>
    <message>
        <source>Serial %1 not recorded: call the engineer (%2)</source>
        <translation>Sériové číslo %1 nezapsáno: zavolejte inženýra (%2)</translation>
    </message>
</context>
<context>
    <name>zomar::StationWindow</name>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Klávesy</translation>
    </message>
    <message>
        <source>Zomar Station</source>
        <translation>Zomar Station</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Operátor:</translation>
    </message>
    <message>
        <source>No station open: Station &gt; New station... or Open station...</source>
        <translation>Žádná otevřená stanice: Stanice &gt; Nová stanice... nebo Otevřít stanici...</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Stanice</translation>
    </message>
    <message>
        <source>&amp;New station...</source>
        <translation>&amp;Nová stanice...</translation>
    </message>
    <message>
        <source>&amp;Open station...</source>
        <translation>&amp;Otevřít stanici...</translation>
    </message>
    <message>
        <source>&amp;Edit setup...</source>
        <translation>&amp;Upravit nastavení...</translation>
    </message>
    <message>
        <source>New s&amp;hift...</source>
        <translation>Nová &amp;směna...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>U&amp;končit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>%1 %2
Programming radio modules on a production line, one slot per socket.</source>
        <translation>%1 %2
Programování rádiových modulů na výrobní lince, jedna pozice na konektor.</translation>
    </message>
    <message>
        <source>The station file is refused:
%1</source>
        <translation>Soubor stanice je odmítnut:
%1</translation>
    </message>
    <message>
        <source>Station file refused: %1</source>
        <translation>Soubor stanice odmítnut: %1</translation>
    </message>
    <message>
        <source>A module in the socket %1 is left alone: it is no slot of this station (Edit setup &gt; Teach slots).</source>
        <translation>Modul v konektoru %1 je ponechán: není to pozice této stanice (Upravit nastavení &gt; Naučit pozice).</translation>
    </message>
    <message>
        <source>Not running: %1. An engineer can correct it in Edit setup.</source>
        <translation>Neběží: %1. Inženýr to může opravit v Upravit nastavení.</translation>
    </message>
    <message>
        <source>No slots yet: Edit setup &gt; Teach slots.</source>
        <translation>Zatím žádné pozice: Upravit nastavení &gt; Naučit pozice.</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Profil %1: %2</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nenačteno</translation>
    </message>
    <message>
        <source>Addresses from %1, step %2</source>
        <translation>Adresy od %1, krok %2</translation>
    </message>
    <message>
        <source>Each module keeps its own address</source>
        <translation>Každý modul si ponechá vlastní adresu</translation>
    </message>
    <message>
        <source> (next %1)</source>
        <translation> (další %1)</translation>
    </message>
    <message>
        <source>%1 · %2 baud</source>
        <translation>%1 · %2 Bd</translation>
    </message>
    <message>
        <source>

Socket: %1</source>
        <translation>

Konektor: %1</translation>
    </message>
    <message>
        <source>Start a new shift? The counts and the list of the last units start again; the record keeps every unit.</source>
        <translation>Začít novou směnu? Počítadla a seznam posledních kusů začnou znovu; záznam uchová každý kus.</translation>
    </message>
    <message>
        <source>The setup is not saved, and the station runs as before:
%1</source>
        <translation>Nastavení není uloženo a stanice běží jako dřív:
%1</translation>
    </message>
    <message>
        <source>Closing: the module in flight finishes first. Leave it in place.</source>
        <translation>Zavírání: rozpracovaný modul se nejprve dokončí. Nechte ho na místě.</translation>
    </message>
    <message numerus="yes">
        <source>Closing: %n modules in flight finish first. Leave them in place.</source>
        <translation>
            <numerusform>Zavírání: rozpracované moduly (%n) se nejprve dokončí. Nechte je na místě.</numerusform>
            <numerusform>Zavírání: rozpracované moduly (%n) se nejprve dokončí. Nechte je na místě.</numerusform>
            <numerusform>Zavírání: rozpracované moduly (%n) se nejprve dokončí. Nechte je na místě.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;The station&apos;s or the system&apos;s language</source>
        <translation>Jazyk &amp;stanice nebo systému</translation>
    </message>
    <message>
        <source>O&amp;perator</source>
        <translation>O&amp;perátor</translation>
    </message>
    <message>
        <source>The shift&apos;s earlier units could not be read from the record (%1): counting goes on from here.</source>
        <translation>Dřívější kusy směny nešlo z evidence přečíst (%1): počítá se odsud.</translation>
    </message>
    <message>
        <source>Not running: this station runs already in %1 (pid %2). Use that window, or close it and open the station here again (Station &gt; Open station...).</source>
        <translation>Neběží: tato stanice už běží v %1 (pid %2). Použijte to okno, nebo je zavřete a otevřete stanici znovu zde (Stanice &gt; Otevřít stanici...).</translation>
    </message>
    <message>
        <source>Not running: the socket %1 is a slot of the station %2, which runs in %3 (pid %4). A socket belongs to one station.</source>
        <translation>Neběží: zásuvka %1 je pozicí stanice %2, která běží v %3 (pid %4). Zásuvka patří jedné stanici.</translation>
    </message>
    <message>
        <source>Not running: %1 (pid %2) programs every module plugged in on this PC&apos;s sockets (%3). End it, then open the station again.</source>
        <translation>Neběží: %1 (pid %2) programuje každý modul zapojený do zásuvek tohoto PC (%3). Ukončete jej a pak stanici otevřete znovu.</translation>
    </message>
    <message>
        <source>all its serial ports</source>
        <translation>všechny jeho sériové porty</translation>
    </message>
    <message>
        <source>The station file opened last, %1, is not there any more: Station &gt; Open station... or New station...</source>
        <translation>Naposledy otevřený soubor stanice, %1, už neexistuje: Stanice &gt; Otevřít stanici... nebo Nová stanice...</translation>
    </message>
    <message>
        <source>The socket folder %1 is not there: check the hub is plugged in, or correct the folder in Edit setup. The station watches for it.</source>
        <translation>Složka zásuvek %1 neexistuje: zkontrolujte, že je rozbočovač zapojen, nebo opravte složku v Upravit nastavení. Stanice na ni čeká.</translation>
    </message>
    <message>
        <source>%1: %2 – %3</source>
        <translation>%1: %2 – %3</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>NEZNÁMÝ</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>CHYBA</translation>
    </message>
    <message>
        <source>Closing: modules in flight that did not pass: %1.</source>
        <translation>Zavírání: rozpracované moduly, které neprošly: %1.</translation>
    </message>
    <message>
        <source>Before the station closed:
%1

Put these modules aside; the record has them.</source>
        <translation>Před zavřením stanice:
%1

Tyto moduly odložte; evidence je obsahuje.</translation>
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
        <translation>Klávesy stanice:

Šipky: pohyb mezi pozicemi
Enter nebo mezerník na pozici: co program zjistil
Ctrl+P na pozici: znovu štítek jejího kusu
Tab: další pozice
F2: pole operátora (čtečka odznaků do něj píše odkudkoli)
Sken, když pozice čeká na sériové číslo: pole sériového čísla
Ctrl+Shift+N: nová směna
Ctrl+Shift+E: úprava nastavení (inženýr, s PINem)
Ctrl+O: otevřít stanici
Ctrl+Q: ukončit; rozpracované moduly se nejdřív dokončí</translation>
    </message>
    <message>
        <source>Labels are not printed: %1. An engineer can correct it in Edit setup.</source>
        <translation>Štítky se netisknou: %1. Inženýr to může opravit v Upravit nastavení.</translation>
    </message>
    <message>
        <source>The label of unit %1 was not printed: %2. Print it again with: zomar-cli records label %1 --label %3</source>
        <translation>Štítek kusu %1 se nevytiskl: %2. Znovu ho vytisknete: zomar-cli records label %1 --label %3</translation>
    </message>
    <message>
        <source>Serial %1 is for no slot: no unit waits for its product serial.</source>
        <translation>Sériové číslo %1 nepatří žádné pozici: žádný kus nečeká na sériové číslo.</translation>
    </message>
    <message>
        <source>This station prints no labels (Edit setup: Labels and product serials).</source>
        <translation>Tato stanice netiskne štítky (Upravit nastavení: Štítky a sériová čísla).</translation>
    </message>
    <message>
        <source>%1 has no unit to print a label for: only a unit that passed (with its serial when the station asks for one) gets a label.</source>
        <translation>%1 nemá kus, pro který by se tiskl štítek: štítek dostane jen kus, který prošel (se sériovým číslem, když ho stanice chce).</translation>
    </message>
    <message>
        <source>The label&apos;s state of unit %1 is not in the record: %2</source>
        <translation>Stav štítku kusu %1 není v záznamu: %2</translation>
    </message>
    <message>
        <source>that unit carries %1</source>
        <translation>ten kus už nese %1</translation>
    </message>
    <message>
        <source>it is bound to the unit with address %1</source>
        <translation>patří kusu s adresou %1</translation>
    </message>
    <message>
        <source>it is bound to unit %1</source>
        <translation>patří kusu %1</translation>
    </message>
    <message>
        <source>Serial %1 of the unit with address %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %4 SERIAL</source>
        <translation>Sériové číslo %1 kusu s adresou %2 bylo odmítnuto, když protokol této stanice dorazil na server: %3. Záznam pro tento kus nevede žádné sériové číslo; zkontrolujte výrobek a přiřaďte jeho sériové číslo příkazem: zomar-cli records serial %4 SERIAL</translation>
    </message>
    <message>
        <source>Serial %1 of unit %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %2 SERIAL</source>
        <translation>Sériové číslo %1 kusu %2 bylo odmítnuto, když protokol této stanice dorazil na server: %3. Záznam pro tento kus nevede žádné sériové číslo; zkontrolujte výrobek a přiřaďte jeho sériové číslo příkazem: zomar-cli records serial %2 SERIAL</translation>
    </message>
</context>
<context>
    <name>zomar::TerminalPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>Chyba!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::TraceSetupBox</name>
    <message>
        <source>Labels and product serials</source>
        <translation>Štítky a sériová čísla</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>V&amp;ybrat...</translation>
    </message>
    <message>
        <source>none; pdf:FOLDER, printer:NAME or zpl://HOST[:PORT]</source>
        <translation>žádné; pdf:SLOŽKA, printer:NÁZEV nebo zpl://HOST[:PORT]</translation>
    </message>
    <message>
        <source>the default: 50 x 25 mm with a QR code</source>
        <translation>výchozí: 50 x 25 mm s QR kódem</translation>
    </message>
    <message>
        <source>none: no serial is scanned; e.g. SN-[0-9]{6}</source>
        <translation>žádný: sériová čísla se neskenují; např. SN-[0-9]{6}</translation>
    </message>
    <message>
        <source>A regular expression that a product serial matches whole. When set, a technician scans the product&apos;s serial for each unit that passes; its label is printed once the serial is recorded.</source>
        <translation>Regulární výraz, kterému sériové číslo odpovídá celé. Je-li zadán, technik naskenuje sériové číslo výrobku u každého kusu, který prošel; jeho štítek se vytiskne, jakmile je číslo zapsáno.</translation>
    </message>
    <message>
        <source>The labels&apos; template</source>
        <translation>Předloha štítků</translation>
    </message>
    <message>
        <source>Label templates (*.json);;All files (*)</source>
        <translation>Předlohy štítků (*.json);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>L&amp;abels to:</source>
        <translation>Štítky &amp;do:</translation>
    </message>
    <message>
        <source>Label te&amp;mplate:</source>
        <translation>Př&amp;edloha štítku:</translation>
    </message>
    <message>
        <source>Pro&amp;duct serial pattern:</source>
        <translation>&amp;Vzor sériového čísla:</translation>
    </message>
    <message>
        <source>Labels to: %1</source>
        <translation>Štítky do: %1</translation>
    </message>
    <message>
        <source>Label template: say where the labels go too</source>
        <translation>Předloha štítku: uveďte i, kam štítky jdou</translation>
    </message>
    <message>
        <source>Product serial pattern: %1</source>
        <translation>Vzor sériového čísla: %1</translation>
    </message>
</context>
</TS>
