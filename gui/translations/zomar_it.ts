<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Form1</name>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loopback On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loopback Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cont Send On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cont Send Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RF TX Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, byte %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters to send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Echoed characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the module first: Connect, or Refresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to a port first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modem Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comms Port Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0-FF Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Freq Band </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comm Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit AT Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loopback Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zomar Setup Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modem Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comms Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::BandAdviceLine</name>
    <message>
        <source>Band-plan advice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No band-plan advice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band-plan advice for the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advice only: Set writes the frequency you choose.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::CaptureLauncher</name>
    <message>
        <source>Capture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every byte both ways, a line per burst with time and hex</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::CaptureWindow</name>
    <message>
        <source>Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find (Enter, F3: next)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lines as shown, as a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Raw...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bytes as they went, both ways, with a timestamped hex log beside them (FILE.log) that tells which went which way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>41 42 0d   or   AB\x0d   (Enter sends)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent as bytes on Enter: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture: %1 bursts (%2 dropped)%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 B sent, %2 B received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sent: the port is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent %1 byte(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Capture as Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1 line(s) to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Capture as Raw Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw bytes (*.bin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the bytes to %1 and their hex log to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::CommandModeSteps</name>
    <message>
        <source>Error!! %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::FactoryReset</name>
    <message>
        <source>This will reset the unit to Factory defaults.<byte value="xd"/>
Continue?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::FindModuleDialog</name>
    <message>
        <source>Find Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for a module on %1, at each line speed: %2 baud.
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 port</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n ports</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial ports to search. Plug in the adapter (a USB adapter shows up as /dev/ttyUSB* or /dev/ttyACM*), then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found a module on %1 at %2 baud.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No module answered on %1 at any line speed. Check the cable and the module&apos;s power.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::Form1</name>
    <message>
        <source>Zomar Setup Utility - Version:%1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port and speed could not be saved to %1: %2.
They will not be remembered next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::LanguageMenu</name>
    <message>
        <source>The windows will be in %1 when the program starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The windows will follow &quot;%1&quot; when the program starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language could not be saved to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::LatencyChart</name>
    <message>
        <source>Latency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::LinkTestDialog</name>
    <message>
        <source>Link Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>twice the air time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the second module on the first one&apos;s channel and &amp;RF speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Line speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two modules are needed, each on a port of this computer; type a device or a port number if one is not listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the two ports and press Start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run a test first: the file has a row per packet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not while a test runs: Cancel stops it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a port for each module.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both boxes name %1: a link needs two modules, each on its own port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the window&apos;s own port, which is connected. Disconnect it first, or choose another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading both modules...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled before the test began.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Tick &quot;%1&quot; to align them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The second module was put on %1, %2 (written and verified). Sending...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent %1 of %2, received %3, lost %4 (every %5 ms at %6 bps RF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: the figures so far.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing came through: check both modules&apos; power and antennas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Link Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::LinkTestLauncher</name>
    <message>
        <source>COMM %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Profile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Profile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Module...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Link Test...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Capture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zomar Setup Utility
Version %1

Sets up Zomar radio-modem modules on a serial port.

Built with Qt %2, running on Qt %3.
Licence: MIT (see the LICENSE file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Zomar Setup Utility</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::ModuleSearch</name>
    <message>
        <source>The window&apos;s port (COMM %1) was disconnected: the search opens every port itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window&apos;s port stays disconnected: the search opens every port itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for a module...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A module answered on %1 at %2 baud, but no port number of the window leads to that device. Map one to it, e.g. with --port-map 1=%1, or a &quot;Ports&quot; setting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Module</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::OperatorField</name>
    <message>
        <source>Scan badge, or type name + Enter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::PageProfile</name>
    <message>
        <source>The profile was not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 field shows &quot;??&quot; (not read from the module). Connect or press Refresh, or fill it in, first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set would refuse the %1 field (&quot;%2&quot;: %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Tx Power field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the RF TX Speed field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::PinPrompt</name>
    <message>
        <source>&amp;PIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;PIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the two PINs differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not set: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PIN guards the setup: the profile, the addresses, the record and the slots. Give it to the engineers only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::PortConnection</name>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to COMM %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a valid comms port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the cable or USB adapter, then press Connect.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::ProfileActions</name>
    <message>
        <source>Open Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zomar profiles (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no longer exists; it was taken off the recent profiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile not opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing on the page was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1 loaded: Set writes it to the module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1 loaded: connect first, then open it again to Set it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1 loaded: Refresh first, then open it again to Set it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1 saved to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::ProfileSummary</name>
    <message>
        <source>%1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX power %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RF speed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>destination %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>local %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no field set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::RefreshOperation</name>
    <message>
        <source>No Response from Modem. Check Comms Port &amp; Baud rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requesting Configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::RepeaterPage</name>
    <message>
        <source>Error!! %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::SetOperation</name>
    <message>
        <source>Invalid input (00-FF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect Frequency value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input (Tx Power)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input (RF TX Speed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!! Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending Configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::SetupChange</name>
    <message>
        <source>The setup of this station is guarded by a PIN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new station replaces this one, whose setup is guarded by a PIN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the station&apos;s setup in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station files (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another station replaces this one, whose setup is guarded by a PIN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station files (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait until the module being programmed has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Wait until the %n modules being programmed have finished.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN: the setup stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::ShiftPanel</name>
    <message>
        <source>This shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yield %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yield –</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>since %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PASS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::ShiftTally</name>
    <message>
        <source>%1 pass · %2 fail · yield %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::SimulationMenu</name>
    <message>
        <source>Si&amp;mulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Demo: modules come and go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next module plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module in slot &amp;%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::SlotTeacher</name>
    <message>
        <source>Teach slots - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug a module into each socket of the hub in turn, in the order the slots should have. A module already in place: unplug it and plug it in again. Nothing is written to the modules.
Watching %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder does not exist yet: it appears with the first adapter plugged in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That socket is %1 already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A station has at most %1 slots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the socket %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug a module into the socket for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::SlotTile</name>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PASS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plug in a module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was in place at the start: unplug it and plug it in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of 3: do not unplug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address %1: unplug it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written and verified: unplug it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::StationLine</name>
    <message>
        <source>%1: give the first address of a pool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station is closing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setup is being changed: plug it in again later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record cannot be written: call the engineer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The module before is still finishing: plug this one in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; not recorded: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; not in the log: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused: nothing was written; call the engineer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer: check the module is seated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port lost: the module was pulled out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port failed: check the hub and its cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not recorded: call the engineer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not started: no address left offline; call the engineer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::StationSetupDialog</name>
    <message>
        <source>Station setup - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this computer&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: modules keep their own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station&apos;s windows are in this language from its next start, unless a technician chooses another in the Language menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Teach slots...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remo&amp;ve slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set P&amp;IN...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;ep:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;cord:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Line speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band plan re&amp;gion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technicians&apos; lang&amp;uage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ocket folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slots (double-click or F2 on a name to rename):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First address %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no slot yet: Teach slots, then save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile every module gets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The production record (a new file is made)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Production records (*.db);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the profile every module gets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A PIN guards this setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No PIN: anyone at the station can change the setup.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zomar::StationWindow</name>
    <message>
        <source>Zomar Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No station open: Station &gt; New station... or Open station...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New station...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open station...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New s&amp;hift...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2
Programming radio modules on a production line, one slot per socket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station file is refused:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station file refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A module in the socket %1 is left alone: it is no slot of this station (Edit setup &gt; Teach slots).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not running: %1. An engineer can correct it in Edit setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No slots yet: Edit setup &gt; Teach slots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addresses from %1, step %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each module keeps its own address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (next %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 baud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Socket: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new shift? The counts and the list of the last units start again; the record keeps every unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setup is not saved, and the station runs as before:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing: the module in flight finishes first. Leave it in place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Closing: %n modules in flight finish first. Leave them in place.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zomar::TerminalPage</name>
    <message>
        <source>Error!! %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
