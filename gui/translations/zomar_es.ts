<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Form1</name>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Loopback On</source>
        <translation>Bucle activado</translation>
    </message>
    <message>
        <source>Loopback Off</source>
        <translation>Bucle desactivado</translation>
    </message>
    <message>
        <source>Cont Send On</source>
        <translation>Envío continuo activado</translation>
    </message>
    <message>
        <source>Cont Send Off</source>
        <translation>Envío continuo desactivado</translation>
    </message>
    <message>
        <source>Destination Address</source>
        <translation>Dirección de destino</translation>
    </message>
    <message>
        <source>Local Address</source>
        <translation>Dirección local</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Frecuencia RF</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>Potencia TX</translation>
    </message>
    <message>
        <source>RF TX Speed</source>
        <translation>Velocidad RF TX</translation>
    </message>
    <message>
        <source>%1, byte %2</source>
        <translation>%1, byte %2</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milisegundos</translation>
    </message>
    <message>
        <source>Received characters</source>
        <translation>Caracteres recibidos</translation>
    </message>
    <message>
        <source>Characters to send</source>
        <translation>Caracteres para enviar</translation>
    </message>
    <message>
        <source>Echoed characters</source>
        <translation>Caracteres devueltos</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Read the module first: Connect, or Refresh.</source>
        <translation>Lea primero el módulo: Conectar, o Actualizar.</translation>
    </message>
    <message>
        <source>Connect to a port first.</source>
        <translation>Conecte primero un puerto.</translation>
    </message>
    <message>
        <source>Modem Setup</source>
        <translation>Ajuste del módem</translation>
    </message>
    <message>
        <source>Comms Port Setup</source>
        <translation>Ajuste del puerto</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repetidor</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
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
        <translation>Elija la banda</translation>
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
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Valores de fábrica</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Comm Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudios</translation>
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
        <translation>Intervalo de envío</translation>
    </message>
    <message>
        <source>Exit AT Mode</source>
        <translation>Salir del modo AT</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Loopback Delay</source>
        <translation>Retardo del bucle</translation>
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
        <translation>Ajustes del módem</translation>
    </message>
    <message>
        <source>Comms Setup</source>
        <translation>Ajuste del puerto</translation>
    </message>
</context>
<context>
    <name>zomar::BandAdviceLine</name>
    <message>
        <source>Band-plan advice</source>
        <translation>Consejo del plan de bandas</translation>
    </message>
    <message>
        <source>No band-plan advice</source>
        <translation>Sin consejo del plan de bandas</translation>
    </message>
    <message>
        <source>Band-plan advice for the %1</source>
        <translation>Consejo del plan de bandas para: %1</translation>
    </message>
    <message>
        <source>Advice only: Set writes the frequency you choose.</source>
        <translation>Solo es un consejo: Escribir escribe la frecuencia que usted elija.</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureLauncher</name>
    <message>
        <source>Capture...</source>
        <translation>Captura...</translation>
    </message>
    <message>
        <source>Every byte both ways, a line per burst with time and hex</source>
        <translation>Cada byte en ambos sentidos, una línea por ráfaga con hora y hex</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureWindow</name>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Find (Enter, F3: next)</source>
        <translation>Buscar (Intro, F3: siguiente)</translation>
    </message>
    <message>
        <source>Save Text...</source>
        <translation>Guardar texto...</translation>
    </message>
    <message>
        <source>The lines as shown, as a text file</source>
        <translation>Las líneas tal como se ven, como archivo de texto</translation>
    </message>
    <message>
        <source>Save Raw...</source>
        <translation>Guardar bytes...</translation>
    </message>
    <message>
        <source>The bytes as they went, both ways, with a timestamped hex log beside them (FILE.log) that tells which went which way</source>
        <translation>Los bytes tal como pasaron, en ambos sentidos, con un registro hex con marcas de tiempo al lado (FILE.log) que indica el sentido de cada uno</translation>
    </message>
    <message>
        <source>Send:</source>
        <translation>Enviar:</translation>
    </message>
    <message>
        <source>41 42 0d   or   AB\x0d   (Enter sends)</source>
        <translation>41 42 0d   o   AB\x0d   (Intro envía)</translation>
    </message>
    <message>
        <source>Sent as bytes on Enter: %1</source>
        <translation>Se envía como bytes con Intro: %1</translation>
    </message>
    <message>
        <source>Capture: %1 bursts (%2 dropped)%3</source>
        <translation>Captura: %1 ráfagas (%2 descartadas)%3</translation>
    </message>
    <message>
        <source>, paused</source>
        <translation>, en pausa</translation>
    </message>
    <message>
        <source>%1 B sent, %2 B received</source>
        <translation>%1 B enviados, %2 B recibidos</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>No enviado: %1</translation>
    </message>
    <message>
        <source>Not sent: the port is not open</source>
        <translation>No enviado: el puerto no está abierto</translation>
    </message>
    <message>
        <source>Sent %1 byte(s)</source>
        <translation>%1 byte(s) enviado(s)</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>Línea %1 de %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the capture</source>
        <translation>«%1» no está en la captura</translation>
    </message>
    <message>
        <source>Save Capture as Text</source>
        <translation>Guardar la captura como texto</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Saved %1 line(s) to %2</source>
        <translation>%1 línea(s) guardada(s) en %2</translation>
    </message>
    <message>
        <source>Save Capture as Raw Bytes</source>
        <translation>Guardar la captura como bytes sin formato</translation>
    </message>
    <message>
        <source>Raw bytes (*.bin)</source>
        <translation>Bytes sin formato (*.bin)</translation>
    </message>
    <message>
        <source>Saved the bytes to %1 and their hex log to %2</source>
        <translation>Bytes guardados en %1 y su registro hex en %2</translation>
    </message>
    <message>
        <source>Capture not saved</source>
        <translation>Captura no guardada</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
</context>
<context>
    <name>zomar::CommandModeSteps</name>
    <message>
        <source>Error!! %1</source>
        <translation>¡¡Error!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::FactoryReset</name>
    <message>
        <source>This will reset the unit to Factory defaults.<byte value="xd"/>
Continue?</source>
        <translation>El módulo volverá a los valores de fábrica.<byte value="xd"/>
¿Continuar?</translation>
    </message>
</context>
<context>
    <name>zomar::FindModuleDialog</name>
    <message>
        <source>Find Module</source>
        <translation>Buscar módulo</translation>
    </message>
    <message>
        <source>Looking for a module on %1, at each line speed: %2 baud.
%3</source>
        <translation>Buscando un módulo en %1, a cada velocidad de línea: %2 baudios.
%3</translation>
    </message>
    <message>
        <source>1 port</source>
        <translation>1 puerto</translation>
    </message>
    <message numerus="yes">
        <source>%n ports</source>
        <translation>
            <numerusform>%n puerto</numerusform>
            <numerusform>%n puertos</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No serial ports to search. Plug in the adapter (a USB adapter shows up as /dev/ttyUSB* or /dev/ttyACM*), then try again.</source>
        <translation>No hay puertos serie que buscar. Conecte el adaptador (un adaptador USB aparece como /dev/ttyUSB* o /dev/ttyACM*) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>Parando después de las lecturas en curso...</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <translation>%1 a %2 baudios</translation>
    </message>
    <message>
        <source>Trying %1...</source>
        <translation>Probando %1...</translation>
    </message>
    <message>
        <source>Found a module on %1 at %2 baud.</source>
        <translation>Módulo encontrado en %1 a %2 baudios.</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Búsqueda cancelada.</translation>
    </message>
    <message>
        <source>No module answered on %1 at any line speed. Check the cable and the module&apos;s power.</source>
        <translation>Ningún módulo respondió en %1 a ninguna velocidad de línea. Compruebe el cable y la alimentación del módulo.</translation>
    </message>
</context>
<context>
    <name>zomar::Form1</name>
    <message>
        <source>Zomar Setup Utility - Version:%1.%2.%3</source>
        <translation>Zomar Setup Utility - Versión:%1.%2.%3</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>No serial device</source>
        <translation>Ningún dispositivo serie</translation>
    </message>
    <message>
        <source>The port and speed could not be saved to %1: %2.
They will not be remembered next time.</source>
        <translation>No se pudieron guardar el puerto y la velocidad en %1: %2.
No se recordarán la próxima vez.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Ajustes no guardados</translation>
    </message>
</context>
<context>
    <name>zomar::LanguageMenu</name>
    <message>
        <source>The windows will be in %1 when the program starts again.</source>
        <translation>Las ventanas estarán en %1 cuando el programa vuelva a iniciarse.</translation>
    </message>
    <message>
        <source>The windows will follow &quot;%1&quot; when the program starts again.</source>
        <translation>Las ventanas seguirán «%1» cuando el programa vuelva a iniciarse.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The language could not be saved to %1: %2.</source>
        <translation>No se pudo guardar el idioma en %1: %2.</translation>
    </message>
</context>
<context>
    <name>zomar::LatencyChart</name>
    <message>
        <source>Latency</source>
        <translation>Latencia</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paquete</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Latencia (ms)</translation>
    </message>
</context>
<context>
    <name>zomar::LinkTestDialog</name>
    <message>
        <source>Link Test</source>
        <translation>Prueba de enlace</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> bytes</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>twice a packet&apos;s time</source>
        <translation>el doble del tiempo de un paquete</translation>
    </message>
    <message>
        <source>Put the second module on the first one&apos;s channel and &amp;RF speed</source>
        <translation>Poner el segundo módulo en el canal y la velocidad &amp;RF del primero</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Hacia</translation>
    </message>
    <message>
        <source>&amp;Line speed</source>
        <translation>Velocidad de &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Packets</source>
        <translation>&amp;Paquetes</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Intervalo</translation>
    </message>
    <message>
        <source>Two modules are needed, each on a port of this computer; type a device or a port number if one is not listed.</source>
        <translation>Se necesitan dos módulos, cada uno en un puerto de este ordenador; escriba un dispositivo o un número de puerto si no aparece en la lista.</translation>
    </message>
    <message>
        <source>Choose the two ports and press Start.</source>
        <translation>Elija los dos puertos y pulse Iniciar.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>I&amp;niciar</translation>
    </message>
    <message>
        <source>Sa&amp;ve CSV...</source>
        <translation>&amp;Guardar CSV...</translation>
    </message>
    <message>
        <source>Run a test first: the file has a row per packet.</source>
        <translation>Haga primero una prueba: el archivo tiene una fila por paquete.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Not while a test runs: Cancel stops it.</source>
        <translation>No durante una prueba: Cancelar la detiene.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Can&amp;celar</translation>
    </message>
    <message>
        <source>Choose a port for each module.</source>
        <translation>Elija un puerto para cada módulo.</translation>
    </message>
    <message>
        <source>Both boxes name %1: a link needs two modules, each on its own port.</source>
        <translation>Los dos campos nombran %1: un enlace necesita dos módulos, cada uno en su propio puerto.</translation>
    </message>
    <message>
        <source>%1 is the window&apos;s own port, which is connected. Disconnect it first, or choose another.</source>
        <translation>%1 es el puerto de la ventana, que está conectado. Desconéctelo primero, o elija otro.</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Latencia (ms)</translation>
    </message>
    <message>
        <source>Reading both modules...</source>
        <translation>Leyendo los dos módulos...</translation>
    </message>
    <message>
        <source>Cancelled before the test began.</source>
        <translation>Cancelado antes de empezar la prueba.</translation>
    </message>
    <message>
        <source>. Tick &quot;%1&quot; to align them.</source>
        <translation>. Marque «%1» para igualarlos.</translation>
    </message>
    <message>
        <source>The second module was put on %1, %2 (written and verified). Sending...</source>
        <translation>El segundo módulo se puso en %1, %2 (escrito y verificado). Enviando...</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Enviando...</translation>
    </message>
    <message>
        <source>Sent %1 of %2, received %3, lost %4 (every %5 ms at %6 bps RF)</source>
        <translation>Enviados %1 de %2, recibidos %3, perdidos %4 (cada %5 ms a %6 bit/s RF)</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Detenido: %1</translation>
    </message>
    <message>
        <source>Cancelled: the figures so far.</source>
        <translation>Cancelado: las cifras hasta ahora.</translation>
    </message>
    <message>
        <source>Nothing came through: check both modules&apos; power and antennas.</source>
        <translation>No llegó nada: compruebe la alimentación y las antenas de ambos módulos.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>Parando después de las lecturas en curso...</translation>
    </message>
    <message>
        <source>Save Link Test</source>
        <translation>Guardar la prueba de enlace</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 guardado.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>No se pudo guardar: %1.</translation>
    </message>
    <message>
        <source>
Warning: %1.</source>
        <translation>
Aviso: %1.</translation>
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
        <translation>Nueva macro</translation>
    </message>
    <message>
        <source>Edit Macro</source>
        <translation>Editar macro</translation>
    </message>
    <message>
        <source>One step a line: &quot;send BYTES&quot;, &quot;wait MS&quot;, &quot;expect BYTES MS&quot;; bytes as the Send line takes them (41 42 0d, AT\r\n).</source>
        <translation>Un paso por línea: «send BYTES», «wait MS», «expect BYTES MS»; los bytes como los toma la línea Enviar (41 42 0d, AT\r\n).</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>&amp;Pasos:</translation>
    </message>
    <message>
        <source>Give the macro a name: it is the button&apos;s text.</source>
        <translation>Dé un nombre a la macro: es el texto del botón.</translation>
    </message>
</context>
<context>
    <name>zomar::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open Profile...</source>
        <translation>&amp;Abrir perfil...</translation>
    </message>
    <message>
        <source>&amp;Save Profile...</source>
        <translation>&amp;Guardar perfil...</translation>
    </message>
    <message>
        <source>&amp;Recent Profiles</source>
        <translation>Perfiles &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Find Module...</source>
        <translation>&amp;Buscar módulo...</translation>
    </message>
    <message>
        <source>&amp;Link Test...</source>
        <translation>Prueba de &amp;enlace...</translation>
    </message>
    <message>
        <source>&amp;Capture...</source>
        <translation>&amp;Captura...</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vaciar la lista</translation>
    </message>
    <message>
        <source>Zomar Setup Utility
Version %1

Sets up Zomar radio-modem modules on a serial port.

Built with Qt %2, running on Qt %3.
Licence: MIT (see the LICENSE file).</source>
        <translation>Zomar Setup Utility
Versión %1

Configura los módulos radiomódem Zomar en un puerto serie.

Compilado con Qt %2, funciona con Qt %3.
Licencia: MIT (véase el archivo LICENSE).</translation>
    </message>
    <message>
        <source>About Zomar Setup Utility</source>
        <translation>Acerca de Zomar Setup Utility</translation>
    </message>
</context>
<context>
    <name>zomar::ModuleSearch</name>
    <message>
        <source>The window&apos;s port (COMM %1) was disconnected: the search opens every port itself.</source>
        <translation>El puerto de la ventana (COMM %1) se desconectó: la búsqueda abre cada puerto por sí misma.</translation>
    </message>
    <message>
        <source>The window&apos;s port stays disconnected: the search opens every port itself.</source>
        <translation>El puerto de la ventana sigue desconectado: la búsqueda abre cada puerto por sí misma.</translation>
    </message>
    <message>
        <source>Looking for a module...</source>
        <translation>Buscando un módulo...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>A module answered on %1 at %2 baud, but no port number of the window leads to that device. Map one to it, e.g. with --port-map 1=%1, or a &quot;Ports&quot; setting.</source>
        <translation>Un módulo respondió en %1 a %2 baudios, pero ningún número de puerto de la ventana lleva a ese dispositivo. Asigne uno, p. ej. con --port-map 1=%1, o un ajuste «Ports».</translation>
    </message>
    <message>
        <source>Find Module</source>
        <translation>Buscar módulo</translation>
    </message>
</context>
<context>
    <name>zomar::OperatorField</name>
    <message>
        <source>Scan badge, or type name + Enter</source>
        <translation>Escanee la tarjeta, o escriba el nombre + Intro</translation>
    </message>
</context>
<context>
    <name>zomar::PageProfile</name>
    <message>
        <source>The profile was not saved: %1</source>
        <translation>El perfil no se guardó: %1</translation>
    </message>
    <message>
        <source>the %1 field shows &quot;??&quot; (not read from the module). Connect or press Refresh, or fill it in, first.</source>
        <translation>el campo %1 muestra «??» (no leído del módulo). Conecte o pulse Actualizar, o rellénelo, primero.</translation>
    </message>
    <message>
        <source>Set would refuse the %1 field (&quot;%2&quot;: %3).</source>
        <translation>Escribir rechazaría el campo %1 («%2»: %3).</translation>
    </message>
    <message>
        <source>the Tx Power field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>el campo Potencia TX contiene «%1», que no es ninguno de sus valores (%2).</translation>
    </message>
    <message>
        <source>the RF TX Speed field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>el campo Velocidad RF TX contiene «%1», que no es ninguno de sus valores (%2).</translation>
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
        <translation>&amp;PIN nuevo:</translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation>&amp;Repetir:</translation>
    </message>
    <message>
        <source>the two PINs differ</source>
        <translation>los dos PIN no coinciden</translation>
    </message>
    <message>
        <source>Not set: %1.</source>
        <translation>No fijado: %1.</translation>
    </message>
    <message>
        <source>The PIN guards the setup: the profile, the addresses, the record and the slots. Give it to the engineers only.</source>
        <translation>El PIN protege la configuración: el perfil, las direcciones, el registro y los puestos. Déselo solo a los ingenieros.</translation>
    </message>
</context>
<context>
    <name>zomar::PortConnection</name>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo no coincidente</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Connected to COMM %1</source>
        <translation>Conectado a COMM %1</translation>
    </message>
    <message>
        <source>Please select a valid comms port</source>
        <translation>Seleccione un puerto de comunicaciones válido</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Puerto no válido</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>¡¡Error!! %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>Conexión perdida: %1</translation>
    </message>
    <message>
        <source>Check the cable or USB adapter, then press Connect.</source>
        <translation>Compruebe el cable o el adaptador USB y pulse Conectar.</translation>
    </message>
</context>
<context>
    <name>zomar::ProfileActions</name>
    <message>
        <source>Open Profile</source>
        <translation>Abrir perfil</translation>
    </message>
    <message>
        <source>Zomar profiles (*.json);;All files (*)</source>
        <translation>Perfiles Zomar (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1: no longer exists; it was taken off the recent profiles.</source>
        <translation>%1: ya no existe; se quitó de los perfiles recientes.</translation>
    </message>
    <message>
        <source>Profile not opened</source>
        <translation>Perfil no abierto</translation>
    </message>
    <message>
        <source>Nothing on the page was changed.</source>
        <translation>No se cambió nada en la página.</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Set writes it to the module</source>
        <translation>Perfil %1 cargado: Escribir lo escribe en el módulo</translation>
    </message>
    <message>
        <source>Profile %1 loaded: connect first, then open it again to Set it</source>
        <translation>Perfil %1 cargado: conecte primero y vuelva a abrirlo para escribirlo</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Refresh first, then open it again to Set it</source>
        <translation>Perfil %1 cargado: actualice primero y vuelva a abrirlo para escribirlo</translation>
    </message>
    <message>
        <source>Profile not saved</source>
        <translation>Perfil no guardado</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Profile %1 saved to %2</source>
        <translation>Perfil %1 guardado en %2</translation>
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
        <translation>canal %1</translation>
    </message>
    <message>
        <source>TX power %1</source>
        <translation>potencia TX %1</translation>
    </message>
    <message>
        <source>RF speed %1</source>
        <translation>velocidad RF %1</translation>
    </message>
    <message>
        <source>destination %1</source>
        <translation>destino %1</translation>
    </message>
    <message>
        <source>local %1</source>
        <translation>local %1</translation>
    </message>
    <message>
        <source>no field set</source>
        <translation>ningún campo fijado</translation>
    </message>
</context>
<context>
    <name>zomar::RefreshOperation</name>
    <message>
        <source>No Response from Modem. Check Comms Port &amp; Baud rate</source>
        <translation>Sin respuesta del módem. Compruebe el puerto y los baudios</translation>
    </message>
    <message>
        <source>Requesting Configuration...</source>
        <translation>Pidiendo la configuración...</translation>
    </message>
    <message>
        <source>Request Complete</source>
        <translation>Petición completada</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Error %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>zomar::RepeaterPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>¡¡Error!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::ScriptBench</name>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>New Macro...</source>
        <translation>Nueva macro...</translation>
    </message>
    <message>
        <source>A named button that sends a stored sequence of bytes and waits</source>
        <translation>Un botón con nombre que envía una secuencia de bytes guardada y espera</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Run Script...</source>
        <translation>Ejecutar script...</translation>
    </message>
    <message>
        <source>Runs a JavaScript file on this port: send, expect, module.read, module.write, log</source>
        <translation>Ejecuta un archivo JavaScript en este puerto: send, expect, module.read, module.write, log</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Script log</source>
        <translation>Registro del script</translation>
    </message>
    <message>
        <source>%1 (right-click to edit or delete)</source>
        <translation>%1 (clic derecho para editar o borrar)</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Not run: %1: %2</source>
        <translation>No ejecutado: %1: %2</translation>
    </message>
    <message>
        <source>Not run: the port is not open</source>
        <translation>No ejecutado: el puerto no está abierto</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>Ejecutar script</translation>
    </message>
    <message>
        <source>Scripts (*.js)</source>
        <translation>Scripts (*.js)</translation>
    </message>
    <message>
        <source>Not run: %1 cannot be read as a script</source>
        <translation>No ejecutado: %1 no se puede leer como script</translation>
    </message>
    <message>
        <source>Not run: a script is running; stop it first</source>
        <translation>No ejecutado: hay un script en marcha; deténgalo primero</translation>
    </message>
    <message>
        <source>%1: started</source>
        <translation>%1: iniciado</translation>
    </message>
    <message>
        <source>Running %1...</source>
        <translation>Ejecutando %1...</translation>
    </message>
    <message>
        <source>%1: done</source>
        <translation>%1: hecho</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1: detenido</translation>
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
        <translation>Escanee el número de serie del producto</translation>
    </message>
    <message>
        <source>P&amp;roduct serial:</source>
        <translation>Nú&amp;mero de serie del producto:</translation>
    </message>
    <message>
        <source>P&amp;roduct serial for %1:</source>
        <translation>Nú&amp;mero de serie del producto para %1:</translation>
    </message>
</context>
<context>
    <name>zomar::SerialNotice</name>
    <message>
        <source>&amp;Acknowledge</source>
        <translation>&amp;Reconocer</translation>
    </message>
</context>
<context>
    <name>zomar::SetOperation</name>
    <message>
        <source>Invalid input (00-FF)</source>
        <translation>Entrada no válida (00-FF)</translation>
    </message>
    <message>
        <source>Error!!</source>
        <translation>¡¡Error!!</translation>
    </message>
    <message>
        <source>Incorrect value</source>
        <translation>Valor incorrecto</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Incorrect Frequency value</source>
        <translation>Valor de frecuencia incorrecto</translation>
    </message>
    <message>
        <source>Invalid input (Tx Power)</source>
        <translation>Entrada no válida (Potencia TX)</translation>
    </message>
    <message>
        <source>Invalid input (RF TX Speed)</source>
        <translation>Entrada no válida (Velocidad RF TX)</translation>
    </message>
    <message>
        <source>Error!! Overflow</source>
        <translation>¡¡Error!! Desbordamiento</translation>
    </message>
    <message>
        <source>Sending Configuration...</source>
        <translation>Enviando la configuración...</translation>
    </message>
    <message>
        <source>Send Complete</source>
        <translation>Envío completado</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>¡¡Error!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::SetupChange</name>
    <message>
        <source>The setup of this station is guarded by a PIN.</source>
        <translation>La configuración de esta estación está protegida por un PIN.</translation>
    </message>
    <message>
        <source>A new station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>Una estación nueva sustituye a esta, cuya configuración está protegida por un PIN.</translation>
    </message>
    <message>
        <source>Keep the station&apos;s setup in</source>
        <translation>Guardar la configuración de la estación en</translation>
    </message>
    <message>
        <source>Station files (*.json)</source>
        <translation>Archivos de estación (*.json)</translation>
    </message>
    <message>
        <source>Another station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>Otra estación sustituye a esta, cuya configuración está protegida por un PIN.</translation>
    </message>
    <message>
        <source>Open a station</source>
        <translation>Abrir una estación</translation>
    </message>
    <message>
        <source>Station files (*.json);;All files (*)</source>
        <translation>Archivos de estación (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Wait until the module being programmed has finished.</source>
        <translation>Espere a que termine el módulo que se está programando.</translation>
    </message>
    <message numerus="yes">
        <source>Wait until the %n modules being programmed have finished.</source>
        <translation>
            <numerusform>Espere a que termine el %n módulo que se está programando.</numerusform>
            <numerusform>Espere a que terminen los %n módulos que se están programando.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN: the setup stays as it is.</source>
        <translation>PIN erróneo: la configuración sigue igual.</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftPanel</name>
    <message>
        <source>This shift</source>
        <translation>Este turno</translation>
    </message>
    <message>
        <source>Last units</source>
        <translation>Últimas unidades</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operario</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>OK %1</translation>
    </message>
    <message>
        <source>Fail %1</source>
        <translation>Fallos %1</translation>
    </message>
    <message>
        <source>since %1</source>
        <translation>desde %1</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation>FALLO: %1</translation>
    </message>
    <message>
        <source>First-pass yield %1 %</source>
        <translation>Rendimiento a la primera %1 %</translation>
    </message>
    <message>
        <source>First-pass yield –</source>
        <translation>Rendimiento a la primera –</translation>
    </message>
    <message>
        <source>%1 units/h</source>
        <translation>%1 unidades/h</translation>
    </message>
    <message>
        <source>– units/h</source>
        <translation>– unidades/h</translation>
    </message>
    <message>
        <source>%1: yield %2 % (%3 of %4), well below the other slots (%5 %): check its socket</source>
        <translation>%1: rendimiento %2 % (%3 de %4), muy por debajo de las demás posiciones (%5 %): revise su zócalo</translation>
    </message>
    <message>
        <source>UNKNOWN: %1</source>
        <translation>DESCONOCIDO: %1</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftTally</name>
    <message>
        <source>%1 pass · %2 fail · yield %3</source>
        <translation>%1 OK · %2 fallos · rendimiento %3</translation>
    </message>
</context>
<context>
    <name>zomar::SimulationMenu</name>
    <message>
        <source>Si&amp;mulation</source>
        <translation>Si&amp;mulación</translation>
    </message>
    <message>
        <source>&amp;Demo: modules come and go</source>
        <translation>&amp;Demostración: los módulos van y vienen</translation>
    </message>
    <message>
        <source>&amp;Next module plugged in</source>
        <translation>&amp;Siguiente módulo conectado</translation>
    </message>
    <message>
        <source>Module in slot &amp;%1</source>
        <translation>Módulo en el puesto &amp;%1</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTeacher</name>
    <message>
        <source>Teach slots - %1</source>
        <translation>Aprender puestos - %1</translation>
    </message>
    <message>
        <source>Plug a module into each socket of the hub in turn, in the order the slots should have. A module already in place: unplug it and plug it in again. Nothing is written to the modules.
Watching %1</source>
        <translation>Conecte un módulo en cada conector del hub, uno tras otro, en el orden que deben tener los puestos. Un módulo ya colocado: desconéctelo y vuelva a conectarlo. No se escribe nada en los módulos.
Vigilando %1</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hecho</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Empezar de nuevo</translation>
    </message>
    <message>
        <source>The folder does not exist yet: it appears with the first adapter plugged in.</source>
        <translation>La carpeta aún no existe: aparece con el primer adaptador conectado.</translation>
    </message>
    <message>
        <source>That socket is %1 already.</source>
        <translation>Ese conector ya es %1.</translation>
    </message>
    <message>
        <source>A station has at most %1 slots.</source>
        <translation>Una estación tiene como máximo %1 puestos.</translation>
    </message>
    <message>
        <source>%1 is the socket %2.</source>
        <translation>%1 es el conector %2.</translation>
    </message>
    <message>
        <source>Plug a module into the socket for %1</source>
        <translation>Conecte un módulo en el conector de %1</translation>
    </message>
    <message>
        <source>Sockets taught</source>
        <translation>Conectores aprendidos</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTile</name>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Left alone</source>
        <translation>Sin tocar</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Leyendo</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FALLO</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>No iniciado</translation>
    </message>
    <message>
        <source>Plug in a module</source>
        <translation>Conecte un módulo</translation>
    </message>
    <message>
        <source>It was in place at the start: unplug it and plug it in again</source>
        <translation>Ya estaba al inicio: desconéctelo y vuelva a conectarlo</translation>
    </message>
    <message>
        <source>Step %1 of 3: do not unplug</source>
        <translation>Paso %1 de 3: no lo desconecte</translation>
    </message>
    <message>
        <source>Address %1: unplug it</source>
        <translation>Dirección %1: desconéctelo</translation>
    </message>
    <message>
        <source>Written and verified: unplug it</source>
        <translation>Escrito y verificado: desconéctelo</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>DESCONOCIDO</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>No funciona</translation>
    </message>
    <message>
        <source>No sockets</source>
        <translation>Sin conectores</translation>
    </message>
</context>
<context>
    <name>zomar::StationLine</name>
    <message>
        <source>%1: give the first address of a pool</source>
        <translation>%1: indique la primera dirección de un rango</translation>
    </message>
    <message>
        <source>The station is closing</source>
        <translation>La estación se está cerrando</translation>
    </message>
    <message>
        <source>The setup is being changed: plug it in again later</source>
        <translation>Se está cambiando la configuración: vuelva a conectarlo más tarde</translation>
    </message>
    <message>
        <source>The record cannot be written: call the engineer</source>
        <translation>No se puede escribir el registro: llame al ingeniero</translation>
    </message>
    <message>
        <source>The module before is still finishing: plug this one in again</source>
        <translation>El módulo anterior aún no ha terminado: vuelva a conectar este</translation>
    </message>
    <message>
        <source>%1; not recorded: %2</source>
        <translation>%1; no registrado: %2</translation>
    </message>
    <message>
        <source>; not in the log: %1</source>
        <translation>; no está en el diario: %1</translation>
    </message>
    <message>
        <source>Refused: nothing was written; call the engineer</source>
        <translation>Rechazado: no se escribió nada; llame al ingeniero</translation>
    </message>
    <message>
        <source>No answer: check the module is seated</source>
        <translation>Sin respuesta: compruebe que el módulo está bien colocado</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside</source>
        <translation>La relectura difiere: aparte el módulo</translation>
    </message>
    <message>
        <source>Port failed: check the hub and its cable</source>
        <translation>Fallo del puerto: compruebe el hub y su cable</translation>
    </message>
    <message>
        <source>Not recorded: call the engineer</source>
        <translation>No registrado: llame al ingeniero</translation>
    </message>
    <message>
        <source>Not started: no address left offline; call the engineer</source>
        <translation>No iniciado: sin direcciones libres fuera de línea; llame al ingeniero</translation>
    </message>
    <message>
        <source>Its outcome was not recorded: read it back</source>
        <translation>Su resultado no se registró: reléalo</translation>
    </message>
    <message>
        <source>Port lost before it was written: nothing was written</source>
        <translation>Puerto perdido antes de escribir: no se escribió nada</translation>
    </message>
    <message>
        <source>This station runs in %1 (pid %2)</source>
        <translation>Esta estación funciona en %1 (pid %2)</translation>
    </message>
    <message>
        <source>The station is not running: call the engineer</source>
        <translation>La estación no funciona: llame al ingeniero</translation>
    </message>
    <message>
        <source>The socket folder is missing: check the hub is plugged in, or call the engineer</source>
        <translation>Falta la carpeta de conectores: compruebe que el hub está conectado o llame al ingeniero</translation>
    </message>
    <message>
        <source>%1 is not there; the station watches for it.</source>
        <translation>%1 no existe; la estación lo vigila.</translation>
    </message>
    <message>
        <source>Pulled out as it was written: its state is unknown; read it back</source>
        <translation>Retirado durante la escritura: su estado es desconocido; reléalo</translation>
    </message>
    <message>
        <source>Pulled out as it was written: it may hold address %1; read it back</source>
        <translation>Retirado durante la escritura: puede tener la dirección %1; reléalo</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside (address %1 was sent)</source>
        <translation>La relectura difiere: aparte el módulo (se envió la dirección %1)</translation>
    </message>
    <message>
        <source>In use by another program: close it there, then plug the module in again</source>
        <translation>En uso por otro programa: ciérrelo allí y vuelva a conectar el módulo</translation>
    </message>
    <message>
        <source>In use by %1: close it there, then plug the module in again</source>
        <translation>En uso por %1: ciérrelo allí y vuelva a conectar el módulo</translation>
    </message>
    <message>
        <source>Pulled out before it was written: nothing was written; plug it in again</source>
        <translation>Retirado antes de escribir: no se escribió nada; vuelva a conectarlo</translation>
    </message>
</context>
<context>
    <name>zomar::StationSetupDialog</name>
    <message>
        <source>Station setup - %1</source>
        <translation>Configuración de la estación - %1</translation>
    </message>
    <message>
        <source>this computer&apos;s name</source>
        <translation>nombre de este ordenador</translation>
    </message>
    <message>
        <source>none: modules keep their own</source>
        <translation>ninguna: los módulos conservan la suya</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>El idioma del sistema</translation>
    </message>
    <message>
        <source>The station&apos;s windows are in this language from its next start, unless a technician chooses another in the Language menu.</source>
        <translation>Las ventanas de la estación estarán en este idioma desde su próximo inicio, salvo que un técnico elija otro en el menú Idioma.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Conector</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>&amp;Teach slots...</source>
        <translation>&amp;Aprender puestos...</translation>
    </message>
    <message>
        <source>Remo&amp;ve slot</source>
        <translation>&amp;Quitar puesto</translation>
    </message>
    <message>
        <source>Set P&amp;IN...</source>
        <translation>&amp;Fijar PIN...</translation>
    </message>
    <message>
        <source>No PIN</source>
        <translation>Sin PIN</translation>
    </message>
    <message>
        <source>Station &amp;name:</source>
        <translation>&amp;Nombre de la estación:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Perfil:</translation>
    </message>
    <message>
        <source>St&amp;ep:</source>
        <translation>Pa&amp;so:</translation>
    </message>
    <message>
        <source>&amp;First address:</source>
        <translation>Primera &amp;dirección:</translation>
    </message>
    <message>
        <source>Re&amp;cord:</source>
        <translation>&amp;Registro:</translation>
    </message>
    <message>
        <source>&amp;Line speed:</source>
        <translation>&amp;Velocidad de línea:</translation>
    </message>
    <message>
        <source>Band plan re&amp;gion:</source>
        <translation>Re&amp;gión del plan de bandas:</translation>
    </message>
    <message>
        <source>Technicians&apos; lang&amp;uage:</source>
        <translation>&amp;Idioma de los técnicos:</translation>
    </message>
    <message>
        <source>S&amp;ocket folder:</source>
        <translation>&amp;Carpeta de conectores:</translation>
    </message>
    <message>
        <source>&amp;Slots (double-click or F2 on a name to rename):</source>
        <translation>P&amp;uestos (doble clic o F2 sobre un nombre para cambiarlo):</translation>
    </message>
    <message>
        <source>First address %1: %2</source>
        <translation>Primera dirección %1: %2</translation>
    </message>
    <message>
        <source>no slot yet: Teach slots, then save</source>
        <translation>aún no hay puestos: aprenda los puestos y guarde</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <source>The profile every module gets</source>
        <translation>El perfil que recibe cada módulo</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Perfiles (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The production record (a new file is made)</source>
        <translation>El registro de producción (se crea un archivo nuevo)</translation>
    </message>
    <message>
        <source>Production records (*.db);;All files (*)</source>
        <translation>Registros de producción (*.db);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Name the profile every module gets.</source>
        <translation>Indique el perfil que recibe cada módulo.</translation>
    </message>
    <message>
        <source>A PIN guards this setup.</source>
        <translation>Un PIN protege esta configuración.</translation>
    </message>
    <message>
        <source>No PIN: anyone at the station can change the setup.</source>
        <translation>Sin PIN: cualquiera en la estación puede cambiar la configuración.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>zomar::StationTrace</name>
    <message>
        <source>S/N %1: being recorded</source>
        <translation>N/S %1: registrándose</translation>
    </message>
    <message>
        <source>Scan the product serial</source>
        <translation>Escanee el número de serie del producto</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>N/S %1</translation>
    </message>
    <message>
        <source>printing the label</source>
        <translation>imprimiendo la etiqueta</translation>
    </message>
    <message>
        <source>label printed</source>
        <translation>etiqueta impresa</translation>
    </message>
    <message>
        <source>label not printed: %1</source>
        <translation>etiqueta no impresa: %1</translation>
    </message>
    <message>
        <source>Serial refused: one line of at most %1 characters</source>
        <translation>Número de serie rechazado: una línea de %1 caracteres como máximo</translation>
    </message>
    <message>
        <source>Serial %1 refused: it does not match %2</source>
        <translation>Número de serie %1 rechazado: no coincide con %2</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to the unit with address %2</source>
        <translation>Número de serie %1 rechazado: está asignado a la unidad con dirección %2</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to another unit</source>
        <translation>Número de serie %1 rechazado: está asignado a otra unidad</translation>
    </message>
    <message>
        <source>Serial %1 refused: this unit carries %2</source>
        <translation>Número de serie %1 rechazado: esta unidad ya lleva %2</translation>
    </message>
    <message>
        <source>Serial %1 not recorded: call the engineer (%2)</source>
        <translation>Número de serie %1 no registrado: llame al ingeniero (%2)</translation>
    </message>
</context>
<context>
    <name>zomar::StationWindow</name>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Teclas</translation>
    </message>
    <message>
        <source>Zomar Station</source>
        <translation>Zomar Station</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Operario:</translation>
    </message>
    <message>
        <source>No station open: Station &gt; New station... or Open station...</source>
        <translation>Ninguna estación abierta: Estación &gt; Nueva estación... o Abrir estación...</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Estación</translation>
    </message>
    <message>
        <source>&amp;New station...</source>
        <translation>&amp;Nueva estación...</translation>
    </message>
    <message>
        <source>&amp;Open station...</source>
        <translation>&amp;Abrir estación...</translation>
    </message>
    <message>
        <source>&amp;Edit setup...</source>
        <translation>&amp;Editar configuración...</translation>
    </message>
    <message>
        <source>New s&amp;hift...</source>
        <translation>Nuevo &amp;turno...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>%1 %2
Programming radio modules on a production line, one slot per socket.</source>
        <translation>%1 %2
Programación de módulos de radio en una línea de producción, un puesto por conector.</translation>
    </message>
    <message>
        <source>The station file is refused:
%1</source>
        <translation>El archivo de estación se rechaza:
%1</translation>
    </message>
    <message>
        <source>Station file refused: %1</source>
        <translation>Archivo de estación rechazado: %1</translation>
    </message>
    <message>
        <source>A module in the socket %1 is left alone: it is no slot of this station (Edit setup &gt; Teach slots).</source>
        <translation>Un módulo en el conector %1 se deja sin tocar: no es un puesto de esta estación (Editar configuración &gt; Aprender puestos).</translation>
    </message>
    <message>
        <source>Not running: %1. An engineer can correct it in Edit setup.</source>
        <translation>Parada: %1. Un ingeniero puede corregirlo en Editar configuración.</translation>
    </message>
    <message>
        <source>No slots yet: Edit setup &gt; Teach slots.</source>
        <translation>Aún no hay puestos: Editar configuración &gt; Aprender puestos.</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Perfil %1: %2</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>no leído</translation>
    </message>
    <message>
        <source>Addresses from %1, step %2</source>
        <translation>Direcciones desde %1, paso %2</translation>
    </message>
    <message>
        <source>Each module keeps its own address</source>
        <translation>Cada módulo conserva su propia dirección</translation>
    </message>
    <message>
        <source> (next %1)</source>
        <translation> (siguiente %1)</translation>
    </message>
    <message>
        <source>%1 · %2 baud</source>
        <translation>%1 · %2 baudios</translation>
    </message>
    <message>
        <source>

Socket: %1</source>
        <translation>

Conector: %1</translation>
    </message>
    <message>
        <source>Start a new shift? The counts and the list of the last units start again; the record keeps every unit.</source>
        <translation>¿Empezar un turno nuevo? Los contadores y la lista de las últimas unidades vuelven a empezar; el registro conserva cada unidad.</translation>
    </message>
    <message>
        <source>The setup is not saved, and the station runs as before:
%1</source>
        <translation>La configuración no se ha guardado y la estación sigue como antes:
%1</translation>
    </message>
    <message>
        <source>Closing: the module in flight finishes first. Leave it in place.</source>
        <translation>Cerrando: el módulo en curso termina primero. Déjelo en su sitio.</translation>
    </message>
    <message numerus="yes">
        <source>Closing: %n modules in flight finish first. Leave them in place.</source>
        <translation>
            <numerusform>Cerrando: el %n módulo en curso termina primero. Déjelo en su sitio.</numerusform>
            <numerusform>Cerrando: los %n módulos en curso terminan primero. Déjelos en su sitio.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;The station&apos;s or the system&apos;s language</source>
        <translation>Idioma de la &amp;estación o del sistema</translation>
    </message>
    <message>
        <source>O&amp;perator</source>
        <translation>&amp;Operario</translation>
    </message>
    <message>
        <source>The shift&apos;s earlier units could not be read from the record (%1): counting goes on from here.</source>
        <translation>No se pudieron leer del registro las unidades anteriores del turno (%1): el recuento sigue desde aquí.</translation>
    </message>
    <message>
        <source>Not running: this station runs already in %1 (pid %2). Use that window, or close it and open the station here again (Station &gt; Open station...).</source>
        <translation>No funciona: esta estación ya funciona en %1 (pid %2). Use esa ventana, o ciérrela y vuelva a abrir la estación aquí (Estación &gt; Abrir estación...).</translation>
    </message>
    <message>
        <source>Not running: the socket %1 is a slot of the station %2, which runs in %3 (pid %4). A socket belongs to one station.</source>
        <translation>No funciona: el conector %1 es una ranura de la estación %2, que funciona en %3 (pid %4). Un conector pertenece a una sola estación.</translation>
    </message>
    <message>
        <source>Not running: %1 (pid %2) programs every module plugged in on this PC&apos;s sockets (%3). End it, then open the station again.</source>
        <translation>No funciona: %1 (pid %2) programa cada módulo conectado a los conectores de este PC (%3). Termínelo y vuelva a abrir la estación.</translation>
    </message>
    <message>
        <source>all its serial ports</source>
        <translation>todos sus puertos serie</translation>
    </message>
    <message>
        <source>The station file opened last, %1, is not there any more: Station &gt; Open station... or New station...</source>
        <translation>El último archivo de estación abierto, %1, ya no existe: Estación &gt; Abrir estación... o Nueva estación...</translation>
    </message>
    <message>
        <source>The socket folder %1 is not there: check the hub is plugged in, or correct the folder in Edit setup. The station watches for it.</source>
        <translation>La carpeta de conectores %1 no existe: compruebe que el hub está conectado o corrija la carpeta en Editar configuración. La estación la vigila.</translation>
    </message>
    <message>
        <source>%1: %2 – %3</source>
        <translation>%1: %2 – %3</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>DESCONOCIDO</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FALLO</translation>
    </message>
    <message>
        <source>Closing: modules in flight that did not pass: %1.</source>
        <translation>Cerrando: módulos en curso que no pasaron: %1.</translation>
    </message>
    <message>
        <source>Before the station closed:
%1

Put these modules aside; the record has them.</source>
        <translation>Antes de cerrarse la estación:
%1

Aparte estos módulos; el registro los tiene.</translation>
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
        <translation>Teclas de la estación:

Flechas: moverse entre los puestos
Intro o Espacio sobre un puesto: lo que encontró el programa
Ctrl+P sobre un puesto: la etiqueta de su unidad otra vez
Tab: el puesto siguiente
F2: el campo del operario (un lector de tarjetas escribe en él desde cualquier sitio)
Un escaneo mientras un puesto espera su número de serie: el campo del número de serie
Ctrl+Mayús+N: un turno nuevo
Ctrl+Mayús+E: editar la configuración (el ingeniero, con el PIN)
Ctrl+O: abrir una estación
Ctrl+Q: salir; los módulos en curso terminan antes</translation>
    </message>
    <message>
        <source>Labels are not printed: %1. An engineer can correct it in Edit setup.</source>
        <translation>Las etiquetas no se imprimen: %1. Un ingeniero puede corregirlo en Editar configuración.</translation>
    </message>
    <message>
        <source>The label of unit %1 was not printed: %2. Print it again with: zomar-cli records label %1 --label %3</source>
        <translation>La etiqueta de la unidad %1 no se imprimió: %2. Para imprimirla de nuevo: zomar-cli records label %1 --label %3</translation>
    </message>
    <message>
        <source>Serial %1 is for no slot: no unit waits for its product serial.</source>
        <translation>El número de serie %1 no es de ningún puesto: ninguna unidad espera su número de serie.</translation>
    </message>
    <message>
        <source>This station prints no labels (Edit setup: Labels and product serials).</source>
        <translation>Esta estación no imprime etiquetas (Editar configuración: Etiquetas y números de serie).</translation>
    </message>
    <message>
        <source>%1 has no unit to print a label for: only a unit that passed (with its serial when the station asks for one) gets a label.</source>
        <translation>%1 no tiene ninguna unidad para imprimir una etiqueta: solo una unidad que pasó (con su número de serie cuando la estación lo pide) recibe etiqueta.</translation>
    </message>
    <message>
        <source>The label&apos;s state of unit %1 is not in the record: %2</source>
        <translation>El estado de la etiqueta de la unidad %1 no está en el registro: %2</translation>
    </message>
    <message>
        <source>that unit carries %1</source>
        <translation>esa unidad ya lleva %1</translation>
    </message>
    <message>
        <source>it is bound to the unit with address %1</source>
        <translation>está asignado a la unidad con dirección %1</translation>
    </message>
    <message>
        <source>it is bound to unit %1</source>
        <translation>está asignado a la unidad %1</translation>
    </message>
    <message>
        <source>Serial %1 of the unit with address %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %4 SERIAL</source>
        <translation>El número de serie %1 de la unidad con dirección %2 fue rechazado cuando el diario de esta estación llegó al servidor: %3. El registro no guarda ningún número de serie para esa unidad; compruebe el producto y asigne su número de serie con: zomar-cli records serial %4 SERIAL</translation>
    </message>
    <message>
        <source>Serial %1 of unit %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %2 SERIAL</source>
        <translation>El número de serie %1 de la unidad %2 fue rechazado cuando el diario de esta estación llegó al servidor: %3. El registro no guarda ningún número de serie para esa unidad; compruebe el producto y asigne su número de serie con: zomar-cli records serial %2 SERIAL</translation>
    </message>
</context>
<context>
    <name>zomar::TerminalPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>¡¡Error!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::TraceSetupBox</name>
    <message>
        <source>Labels and product serials</source>
        <translation>Etiquetas y números de serie</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>none; pdf:FOLDER, printer:NAME or zpl://HOST[:PORT]</source>
        <translation>ninguno; pdf:CARPETA, printer:NOMBRE o zpl://HOST[:PUERTO]</translation>
    </message>
    <message>
        <source>the default: 50 x 25 mm with a QR code</source>
        <translation>la predeterminada: 50 x 25 mm con código QR</translation>
    </message>
    <message>
        <source>none: no serial is scanned; e.g. SN-[0-9]{6}</source>
        <translation>ninguno: no se escanea número de serie; p. ej. SN-[0-9]{6}</translation>
    </message>
    <message>
        <source>A regular expression that a product serial matches whole. When set, a technician scans the product&apos;s serial for each unit that passes; its label is printed once the serial is recorded.</source>
        <translation>Una expresión regular con la que coincide todo el número de serie. Si se indica, un técnico escanea el número de serie del producto de cada unidad que pasa; su etiqueta se imprime cuando el número queda registrado.</translation>
    </message>
    <message>
        <source>The labels&apos; template</source>
        <translation>La plantilla de las etiquetas</translation>
    </message>
    <message>
        <source>Label templates (*.json);;All files (*)</source>
        <translation>Plantillas de etiqueta (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>L&amp;abels to:</source>
        <translation>E&amp;tiquetas a:</translation>
    </message>
    <message>
        <source>Label te&amp;mplate:</source>
        <translation>P&amp;lantilla de etiqueta:</translation>
    </message>
    <message>
        <source>Pro&amp;duct serial pattern:</source>
        <translation>Patrón del nú&amp;mero de serie:</translation>
    </message>
    <message>
        <source>Labels to: %1</source>
        <translation>Etiquetas a: %1</translation>
    </message>
    <message>
        <source>Label template: say where the labels go too</source>
        <translation>Plantilla de etiqueta: indique también adónde van las etiquetas</translation>
    </message>
    <message>
        <source>Product serial pattern: %1</source>
        <translation>Patrón del número de serie: %1</translation>
    </message>
</context>
</TS>
