<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Form1</name>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Loopback On</source>
        <translation>Bouclage activé</translation>
    </message>
    <message>
        <source>Loopback Off</source>
        <translation>Bouclage désactivé</translation>
    </message>
    <message>
        <source>Cont Send On</source>
        <translation>Envoi continu activé</translation>
    </message>
    <message>
        <source>Cont Send Off</source>
        <translation>Envoi continu désactivé</translation>
    </message>
    <message>
        <source>Destination Address</source>
        <translation>Adresse de destination</translation>
    </message>
    <message>
        <source>Local Address</source>
        <translation>Adresse locale</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>Fréquence RF</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>Puissance TX</translation>
    </message>
    <message>
        <source>RF TX Speed</source>
        <translation>Débit RF TX</translation>
    </message>
    <message>
        <source>%1, byte %2</source>
        <translation>%1, octet %2</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>millisecondes</translation>
    </message>
    <message>
        <source>Received characters</source>
        <translation>Caractères reçus</translation>
    </message>
    <message>
        <source>Characters to send</source>
        <translation>Caractères à envoyer</translation>
    </message>
    <message>
        <source>Echoed characters</source>
        <translation>Caractères renvoyés</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Read the module first: Connect, or Refresh.</source>
        <translation>Lisez d&apos;abord le module&#xa0;: Connecter, ou Actualiser.</translation>
    </message>
    <message>
        <source>Connect to a port first.</source>
        <translation>Connectez d&apos;abord un port.</translation>
    </message>
    <message>
        <source>Modem Setup</source>
        <translation>Réglage du modem</translation>
    </message>
    <message>
        <source>Comms Port Setup</source>
        <translation>Réglage du port</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Répéteur</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>0-FF Hex</source>
        <translation>0-FF hexa</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Select Freq Band </source>
        <translation>Choisir la bande</translation>
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
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Valeurs d&apos;usine</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Comm Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Débit en bauds</translation>
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
        <translation>Intervalle d&apos;envoi</translation>
    </message>
    <message>
        <source>Exit AT Mode</source>
        <translation>Quitter le mode AT</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Loopback Delay</source>
        <translation>Délai de bouclage</translation>
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
        <translation>Réglages du modem</translation>
    </message>
    <message>
        <source>Comms Setup</source>
        <translation>Réglage du port</translation>
    </message>
</context>
<context>
    <name>zomar::BandAdviceLine</name>
    <message>
        <source>Band-plan advice</source>
        <translation>Conseil du plan de bandes</translation>
    </message>
    <message>
        <source>No band-plan advice</source>
        <translation>Pas de conseil du plan de bandes</translation>
    </message>
    <message>
        <source>Band-plan advice for the %1</source>
        <translation>Conseil du plan de bandes pour&#xa0;: %1</translation>
    </message>
    <message>
        <source>Advice only: Set writes the frequency you choose.</source>
        <translation>Simple conseil&#xa0;: Écrire écrit la fréquence que vous choisissez.</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureLauncher</name>
    <message>
        <source>Capture...</source>
        <translation>Capture...</translation>
    </message>
    <message>
        <source>Every byte both ways, a line per burst with time and hex</source>
        <translation>Chaque octet dans les deux sens, une ligne par salve avec l&apos;heure et l&apos;hexa</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureWindow</name>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Find (Enter, F3: next)</source>
        <translation>Rechercher (Entrée, F3&#xa0;: suivant)</translation>
    </message>
    <message>
        <source>Save Text...</source>
        <translation>Enregistrer le texte...</translation>
    </message>
    <message>
        <source>The lines as shown, as a text file</source>
        <translation>Les lignes telles qu&apos;affichées, en fichier texte</translation>
    </message>
    <message>
        <source>Save Raw...</source>
        <translation>Enregistrer les octets...</translation>
    </message>
    <message>
        <source>The bytes as they went, both ways, with a timestamped hex log beside them (FILE.log) that tells which went which way</source>
        <translation>Les octets tels qu&apos;ils sont passés, dans les deux sens, avec à côté un journal hexa horodaté (FILE.log) qui indique le sens de chacun</translation>
    </message>
    <message>
        <source>Send:</source>
        <translation>Envoyer&#xa0;:</translation>
    </message>
    <message>
        <source>41 42 0d   or   AB\x0d   (Enter sends)</source>
        <translation>41 42 0d   ou   AB\x0d   (Entrée envoie)</translation>
    </message>
    <message>
        <source>Sent as bytes on Enter: %1</source>
        <translation>Envoyé en octets avec Entrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Capture: %1 bursts (%2 dropped)%3</source>
        <translation>Capture&#xa0;: %1 salves (%2 perdues)%3</translation>
    </message>
    <message>
        <source>, paused</source>
        <translation>, en pause</translation>
    </message>
    <message>
        <source>%1 B sent, %2 B received</source>
        <translation>%1 o envoyés, %2 o reçus</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Non envoyé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not sent: the port is not open</source>
        <translation>Non envoyé&#xa0;: le port n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>Sent %1 byte(s)</source>
        <translation>%1 octet(s) envoyé(s)</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>Ligne %1 sur %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the capture</source>
        <translation>«&#xa0;%1&#xa0;» ne figure pas dans la capture</translation>
    </message>
    <message>
        <source>Save Capture as Text</source>
        <translation>Enregistrer la capture en texte</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Saved %1 line(s) to %2</source>
        <translation>%1 ligne(s) enregistrée(s) dans %2</translation>
    </message>
    <message>
        <source>Save Capture as Raw Bytes</source>
        <translation>Enregistrer la capture en octets bruts</translation>
    </message>
    <message>
        <source>Raw bytes (*.bin)</source>
        <translation>Octets bruts (*.bin)</translation>
    </message>
    <message>
        <source>Saved the bytes to %1 and their hex log to %2</source>
        <translation>Octets enregistrés dans %1 et leur journal hexa dans %2</translation>
    </message>
    <message>
        <source>Capture not saved</source>
        <translation>Capture non enregistrée</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
</context>
<context>
    <name>zomar::CommandModeSteps</name>
    <message>
        <source>Error!! %1</source>
        <translation>Erreur&#xa0;!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::FactoryReset</name>
    <message>
        <source>This will reset the unit to Factory defaults.<byte value="xd"/>
Continue?</source>
        <translation>Le module va revenir aux valeurs d&apos;usine.<byte value="xd"/>
Continuer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>zomar::FindModuleDialog</name>
    <message>
        <source>Find Module</source>
        <translation>Chercher un module</translation>
    </message>
    <message>
        <source>Looking for a module on %1, at each line speed: %2 baud.
%3</source>
        <translation>Recherche d&apos;un module sur %1, à chaque vitesse de ligne&#xa0;: %2 bauds.
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
            <numerusform>%n ports</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No serial ports to search. Plug in the adapter (a USB adapter shows up as /dev/ttyUSB* or /dev/ttyACM*), then try again.</source>
        <translation>Aucun port série à parcourir. Branchez l&apos;adaptateur (un adaptateur USB apparaît comme /dev/ttyUSB* ou /dev/ttyACM*), puis réessayez.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>Arrêt après les lectures en cours...</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <translation>%1 à %2 bauds</translation>
    </message>
    <message>
        <source>Trying %1...</source>
        <translation>Essai de %1...</translation>
    </message>
    <message>
        <source>Found a module on %1 at %2 baud.</source>
        <translation>Module trouvé sur %1 à %2 bauds.</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Recherche annulée.</translation>
    </message>
    <message>
        <source>No module answered on %1 at any line speed. Check the cable and the module&apos;s power.</source>
        <translation>Aucun module n&apos;a répondu sur %1, à aucune vitesse de ligne. Vérifiez le câble et l&apos;alimentation du module.</translation>
    </message>
</context>
<context>
    <name>zomar::Form1</name>
    <message>
        <source>Zomar Setup Utility - Version:%1.%2.%3</source>
        <translation>Zomar Setup Utility - Version&#xa0;:%1.%2.%3</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>No serial device</source>
        <translation>Aucun périphérique série</translation>
    </message>
    <message>
        <source>The port and speed could not be saved to %1: %2.
They will not be remembered next time.</source>
        <translation>Le port et la vitesse n&apos;ont pas pu être enregistrés dans %1&#xa0;: %2.
Ils ne seront pas repris au prochain lancement.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Réglages non enregistrés</translation>
    </message>
</context>
<context>
    <name>zomar::LanguageMenu</name>
    <message>
        <source>The windows will be in %1 when the program starts again.</source>
        <translation>Les fenêtres seront en %1 au prochain lancement du programme.</translation>
    </message>
    <message>
        <source>The windows will follow &quot;%1&quot; when the program starts again.</source>
        <translation>Les fenêtres suivront «&#xa0;%1&#xa0;» au prochain lancement du programme.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The language could not be saved to %1: %2.</source>
        <translation>La langue n&apos;a pas pu être enregistrée dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>zomar::LatencyChart</name>
    <message>
        <source>Latency</source>
        <translation>Latence</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Latence (ms)</translation>
    </message>
</context>
<context>
    <name>zomar::LinkTestDialog</name>
    <message>
        <source>Link Test</source>
        <translation>Test de liaison</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> octets</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Put the second module on the first one&apos;s channel and &amp;RF speed</source>
        <translation>Mettre le second module sur le canal et la vitesse &amp;RF du premier</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;De</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Vers</translation>
    </message>
    <message>
        <source>&amp;Line speed</source>
        <translation>Vitesse de &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Packets</source>
        <translation>&amp;Paquets</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Intervalle</translation>
    </message>
    <message>
        <source>Two modules are needed, each on a port of this computer; type a device or a port number if one is not listed.</source>
        <translation>Il faut deux modules, chacun sur un port de cet ordinateur&#xa0;; saisissez un périphérique ou un numéro de port s&apos;il n&apos;est pas dans la liste.</translation>
    </message>
    <message>
        <source>Choose the two ports and press Start.</source>
        <translation>Choisissez les deux ports et appuyez sur Démarrer.</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Dé&amp;marrer</translation>
    </message>
    <message>
        <source>Sa&amp;ve CSV...</source>
        <translation>Enregistrer &amp;CSV...</translation>
    </message>
    <message>
        <source>Run a test first: the file has a row per packet.</source>
        <translation>Lancez d&apos;abord un test&#xa0;: le fichier a une ligne par paquet.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Not while a test runs: Cancel stops it.</source>
        <translation>Pas pendant un test&#xa0;: Annuler l&apos;arrête.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Choose a port for each module.</source>
        <translation>Choisissez un port pour chaque module.</translation>
    </message>
    <message>
        <source>Both boxes name %1: a link needs two modules, each on its own port.</source>
        <translation>Les deux champs nomment %1&#xa0;: une liaison demande deux modules, chacun sur son propre port.</translation>
    </message>
    <message>
        <source>%1 is the window&apos;s own port, which is connected. Disconnect it first, or choose another.</source>
        <translation>%1 est le port de la fenêtre, qui est connecté. Déconnectez-le d&apos;abord, ou choisissez-en un autre.</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>Latence (ms)</translation>
    </message>
    <message>
        <source>Reading both modules...</source>
        <translation>Lecture des deux modules...</translation>
    </message>
    <message>
        <source>Cancelled before the test began.</source>
        <translation>Annulé avant le début du test.</translation>
    </message>
    <message>
        <source>. Tick &quot;%1&quot; to align them.</source>
        <translation>. Cochez «&#xa0;%1&#xa0;» pour les aligner.</translation>
    </message>
    <message>
        <source>The second module was put on %1, %2 (written and verified). Sending...</source>
        <translation>Le second module a été mis sur %1, %2 (écrit et vérifié). Envoi...</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Envoi...</translation>
    </message>
    <message>
        <source>Sent %1 of %2, received %3, lost %4 (every %5 ms at %6 bps RF)</source>
        <translation>%1 envoyés sur %2, %3 reçus, %4 perdus (toutes les %5 ms à %6 bit/s RF)</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Arrêté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cancelled: the figures so far.</source>
        <translation>Annulé&#xa0;: les chiffres obtenus jusqu&apos;ici.</translation>
    </message>
    <message>
        <source>Nothing came through: check both modules&apos; power and antennas.</source>
        <translation>Rien n&apos;est passé&#xa0;: vérifiez l&apos;alimentation et les antennes des deux modules.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>Arrêt après les lectures en cours...</translation>
    </message>
    <message>
        <source>Save Link Test</source>
        <translation>Enregistrer le test de liaison</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>Enregistrement impossible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>twice a packet&apos;s time</source>
        <translation>deux fois le temps d&apos;un paquet</translation>
    </message>
    <message>
        <source>
Warning: %1.</source>
        <translation>
Attention&#xa0;: %1.</translation>
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
        <translation>Nouvelle macro</translation>
    </message>
    <message>
        <source>Edit Macro</source>
        <translation>Modifier la macro</translation>
    </message>
    <message>
        <source>One step a line: &quot;send BYTES&quot;, &quot;wait MS&quot;, &quot;expect BYTES MS&quot;; bytes as the Send line takes them (41 42 0d, AT\r\n).</source>
        <translation>Une étape par ligne : « send OCTETS », « wait MS », « expect OCTETS MS » ; les octets comme la ligne Envoyer les prend (41 42 0d, AT\r\n).</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>&amp;Étapes :</translation>
    </message>
    <message>
        <source>Give the macro a name: it is the button&apos;s text.</source>
        <translation>Donnez un nom à la macro : c&apos;est le texte du bouton.</translation>
    </message>
</context>
<context>
    <name>zomar::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Profile...</source>
        <translation>&amp;Ouvrir un profil...</translation>
    </message>
    <message>
        <source>&amp;Save Profile...</source>
        <translation>&amp;Enregistrer le profil...</translation>
    </message>
    <message>
        <source>&amp;Recent Profiles</source>
        <translation>Profils &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Find Module...</source>
        <translation>&amp;Chercher un module...</translation>
    </message>
    <message>
        <source>&amp;Link Test...</source>
        <translation>Test de &amp;liaison...</translation>
    </message>
    <message>
        <source>&amp;Capture...</source>
        <translation>Ca&amp;pture...</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Zomar Setup Utility
Version %1

Sets up Zomar radio-modem modules on a serial port.

Built with Qt %2, running on Qt %3.
Licence: MIT (see the LICENSE file).</source>
        <translation>Zomar Setup Utility
Version %1

Règle les modules radio-modem Zomar sur un port série.

Compilé avec Qt %2, fonctionne avec Qt %3.
Licence&#xa0;: MIT (voir le fichier LICENSE).</translation>
    </message>
    <message>
        <source>About Zomar Setup Utility</source>
        <translation>À propos de Zomar Setup Utility</translation>
    </message>
</context>
<context>
    <name>zomar::ModuleSearch</name>
    <message>
        <source>The window&apos;s port (COMM %1) was disconnected: the search opens every port itself.</source>
        <translation>Le port de la fenêtre (COMM %1) a été déconnecté&#xa0;: la recherche ouvre elle-même chaque port.</translation>
    </message>
    <message>
        <source>The window&apos;s port stays disconnected: the search opens every port itself.</source>
        <translation>Le port de la fenêtre reste déconnecté&#xa0;: la recherche ouvre elle-même chaque port.</translation>
    </message>
    <message>
        <source>Looking for a module...</source>
        <translation>Recherche d&apos;un module...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>A module answered on %1 at %2 baud, but no port number of the window leads to that device. Map one to it, e.g. with --port-map 1=%1, or a &quot;Ports&quot; setting.</source>
        <translation>Un module a répondu sur %1 à %2 bauds, mais aucun numéro de port de la fenêtre ne mène à ce périphérique. Associez-en un, par exemple avec --port-map 1=%1, ou un réglage «&#xa0;Ports&#xa0;».</translation>
    </message>
    <message>
        <source>Find Module</source>
        <translation>Chercher un module</translation>
    </message>
</context>
<context>
    <name>zomar::OperatorField</name>
    <message>
        <source>Scan badge, or type name + Enter</source>
        <translation>Badge scanné, ou nom + Entrée</translation>
    </message>
</context>
<context>
    <name>zomar::PageProfile</name>
    <message>
        <source>The profile was not saved: %1</source>
        <translation>Le profil n&apos;a pas été enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>the %1 field shows &quot;??&quot; (not read from the module). Connect or press Refresh, or fill it in, first.</source>
        <translation>le champ %1 affiche «&#xa0;??&#xa0;» (non lu depuis le module). Connectez ou appuyez sur Actualiser, ou remplissez-le, d&apos;abord.</translation>
    </message>
    <message>
        <source>Set would refuse the %1 field (&quot;%2&quot;: %3).</source>
        <translation>Écrire refuserait le champ %1 («&#xa0;%2&#xa0;»&#xa0;: %3).</translation>
    </message>
    <message>
        <source>the Tx Power field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>le champ Puissance TX contient «&#xa0;%1&#xa0;», qui n&apos;est aucune de ses valeurs (%2).</translation>
    </message>
    <message>
        <source>the RF TX Speed field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>le champ Débit RF TX contient «&#xa0;%1&#xa0;», qui n&apos;est aucune de ses valeurs (%2).</translation>
    </message>
</context>
<context>
    <name>zomar::PinPrompt</name>
    <message>
        <source>&amp;PIN:</source>
        <translation>Code &amp;PIN&#xa0;:</translation>
    </message>
    <message>
        <source>New &amp;PIN:</source>
        <translation>Nouveau code &amp;PIN&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation>&amp;Confirmer&#xa0;:</translation>
    </message>
    <message>
        <source>the two PINs differ</source>
        <translation>les deux codes PIN diffèrent</translation>
    </message>
    <message>
        <source>Not set: %1.</source>
        <translation>Non défini&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The PIN guards the setup: the profile, the addresses, the record and the slots. Give it to the engineers only.</source>
        <translation>Le code PIN protège la configuration&#xa0;: le profil, les adresses, le registre et les emplacements. Ne le donnez qu&apos;aux ingénieurs.</translation>
    </message>
</context>
<context>
    <name>zomar::PortConnection</name>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>Connected to COMM %1</source>
        <translation>Connecté au COMM %1</translation>
    </message>
    <message>
        <source>Please select a valid comms port</source>
        <translation>Choisissez un port de communication valide</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>Port non valide</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>Erreur&#xa0;!! %1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>Connexion perdue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Check the cable or USB adapter, then press Connect.</source>
        <translation>Vérifiez le câble ou l&apos;adaptateur USB, puis appuyez sur Connecter.</translation>
    </message>
</context>
<context>
    <name>zomar::ProfileActions</name>
    <message>
        <source>Open Profile</source>
        <translation>Ouvrir un profil</translation>
    </message>
    <message>
        <source>Zomar profiles (*.json);;All files (*)</source>
        <translation>Profils Zomar (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1: no longer exists; it was taken off the recent profiles.</source>
        <translation>%1&#xa0;: n&apos;existe plus&#xa0;; il a été retiré des profils récents.</translation>
    </message>
    <message>
        <source>Profile not opened</source>
        <translation>Profil non ouvert</translation>
    </message>
    <message>
        <source>Nothing on the page was changed.</source>
        <translation>Rien n&apos;a été modifié sur la page.</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Set writes it to the module</source>
        <translation>Profil %1 chargé&#xa0;: Écrire l&apos;écrit dans le module</translation>
    </message>
    <message>
        <source>Profile %1 loaded: connect first, then open it again to Set it</source>
        <translation>Profil %1 chargé&#xa0;: connectez d&apos;abord, puis rouvrez-le pour l&apos;écrire</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Refresh first, then open it again to Set it</source>
        <translation>Profil %1 chargé&#xa0;: actualisez d&apos;abord, puis rouvrez-le pour l&apos;écrire</translation>
    </message>
    <message>
        <source>Profile not saved</source>
        <translation>Profil non enregistré</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>Profile %1 saved to %2</source>
        <translation>Profil %1 enregistré dans %2</translation>
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
        <translation>puissance TX %1</translation>
    </message>
    <message>
        <source>RF speed %1</source>
        <translation>débit RF %1</translation>
    </message>
    <message>
        <source>destination %1</source>
        <translation>destination %1</translation>
    </message>
    <message>
        <source>local %1</source>
        <translation>locale %1</translation>
    </message>
    <message>
        <source>no field set</source>
        <translation>aucun champ défini</translation>
    </message>
</context>
<context>
    <name>zomar::RefreshOperation</name>
    <message>
        <source>No Response from Modem. Check Comms Port &amp; Baud rate</source>
        <translation>Pas de réponse du modem. Vérifiez le port et le débit en bauds</translation>
    </message>
    <message>
        <source>Requesting Configuration...</source>
        <translation>Demande de la configuration...</translation>
    </message>
    <message>
        <source>Request Complete</source>
        <translation>Demande terminée</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Erreur %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>zomar::RepeaterPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>Erreur&#xa0;!! %1</translation>
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
        <translation>Nouvelle macro...</translation>
    </message>
    <message>
        <source>A named button that sends a stored sequence of bytes and waits</source>
        <translation>Un bouton nommé qui envoie une suite d&apos;octets enregistrée et attend</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Run Script...</source>
        <translation>Exécuter un script...</translation>
    </message>
    <message>
        <source>Runs a JavaScript file on this port: send, expect, module.read, module.write, log</source>
        <translation>Exécute un fichier JavaScript sur ce port : send, expect, module.read, module.write, log</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Script log</source>
        <translation>Journal du script</translation>
    </message>
    <message>
        <source>%1 (right-click to edit or delete)</source>
        <translation>%1 (clic droit pour modifier ou supprimer)</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Not run: %1: %2</source>
        <translation>Non exécuté : %1 : %2</translation>
    </message>
    <message>
        <source>Not run: the port is not open</source>
        <translation>Non exécuté : le port n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>Exécuter un script</translation>
    </message>
    <message>
        <source>Scripts (*.js)</source>
        <translation>Scripts (*.js)</translation>
    </message>
    <message>
        <source>Not run: %1 cannot be read as a script</source>
        <translation>Non exécuté : %1 ne peut pas être lu comme script</translation>
    </message>
    <message>
        <source>Not run: a script is running; stop it first</source>
        <translation>Non exécuté : un script tourne ; arrêtez-le d&apos;abord</translation>
    </message>
    <message>
        <source>%1: started</source>
        <translation>%1 : démarré</translation>
    </message>
    <message>
        <source>Running %1...</source>
        <translation>%1 en cours...</translation>
    </message>
    <message>
        <source>%1: done</source>
        <translation>%1 : terminé</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1 : arrêté</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>zomar::SerialField</name>
    <message>
        <source>Scan the product serial</source>
        <translation>Scanner le numéro de série du produit</translation>
    </message>
    <message>
        <source>P&amp;roduct serial:</source>
        <translation>N&amp;uméro de série du produit&#xa0;:</translation>
    </message>
    <message>
        <source>P&amp;roduct serial for %1:</source>
        <translation>N&amp;uméro de série du produit pour %1&#xa0;:</translation>
    </message>
</context>
<context>
    <name>zomar::SerialNotice</name>
    <message>
        <source>&amp;Acknowledge</source>
        <translation>A&amp;cquitter</translation>
    </message>
</context>
<context>
    <name>zomar::SetOperation</name>
    <message>
        <source>Invalid input (00-FF)</source>
        <translation>Saisie non valide (00-FF)</translation>
    </message>
    <message>
        <source>Error!!</source>
        <translation>Erreur&#xa0;!!</translation>
    </message>
    <message>
        <source>Incorrect value</source>
        <translation>Valeur incorrecte</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Incorrect Frequency value</source>
        <translation>Valeur de fréquence incorrecte</translation>
    </message>
    <message>
        <source>Invalid input (Tx Power)</source>
        <translation>Saisie non valide (Puissance TX)</translation>
    </message>
    <message>
        <source>Invalid input (RF TX Speed)</source>
        <translation>Saisie non valide (Débit RF TX)</translation>
    </message>
    <message>
        <source>Error!! Overflow</source>
        <translation>Erreur&#xa0;!! Dépassement de capacité</translation>
    </message>
    <message>
        <source>Sending Configuration...</source>
        <translation>Envoi de la configuration...</translation>
    </message>
    <message>
        <source>Send Complete</source>
        <translation>Envoi terminé</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>Erreur&#xa0;!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::SetupChange</name>
    <message>
        <source>The setup of this station is guarded by a PIN.</source>
        <translation>La configuration de cette station est protégée par un code PIN.</translation>
    </message>
    <message>
        <source>A new station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>Une nouvelle station remplace celle-ci, dont la configuration est protégée par un code PIN.</translation>
    </message>
    <message>
        <source>Keep the station&apos;s setup in</source>
        <translation>Enregistrer la configuration de la station dans</translation>
    </message>
    <message>
        <source>Station files (*.json)</source>
        <translation>Fichiers de station (*.json)</translation>
    </message>
    <message>
        <source>Another station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>Une autre station remplace celle-ci, dont la configuration est protégée par un code PIN.</translation>
    </message>
    <message>
        <source>Open a station</source>
        <translation>Ouvrir une station</translation>
    </message>
    <message>
        <source>Station files (*.json);;All files (*)</source>
        <translation>Fichiers de station (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Wait until the module being programmed has finished.</source>
        <translation>Attendez que le module en cours de programmation ait terminé.</translation>
    </message>
    <message numerus="yes">
        <source>Wait until the %n modules being programmed have finished.</source>
        <translation>
            <numerusform>Attendez que le %n module en cours de programmation ait terminé.</numerusform>
            <numerusform>Attendez que les %n modules en cours de programmation aient terminé.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN: the setup stays as it is.</source>
        <translation>Code PIN erroné&#xa0;: la configuration reste telle quelle.</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftPanel</name>
    <message>
        <source>This shift</source>
        <translation>Cette équipe</translation>
    </message>
    <message>
        <source>Last units</source>
        <translation>Dernières unités</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>Bons %1</translation>
    </message>
    <message>
        <source>Fail %1</source>
        <translation>Échecs %1</translation>
    </message>
    <message>
        <source>since %1</source>
        <translation>depuis %1</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>BON</translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation>ÉCHEC&#xa0;: %1</translation>
    </message>
    <message>
        <source>First-pass yield %1 %</source>
        <translation>Rendement au premier passage %1 %</translation>
    </message>
    <message>
        <source>First-pass yield –</source>
        <translation>Rendement au premier passage –</translation>
    </message>
    <message>
        <source>%1 units/h</source>
        <translation>%1 unités/h</translation>
    </message>
    <message>
        <source>– units/h</source>
        <translation>– unités/h</translation>
    </message>
    <message>
        <source>%1: yield %2 % (%3 of %4), well below the other slots (%5 %): check its socket</source>
        <translation>%1 : rendement %2 % (%3 sur %4), bien en dessous des autres emplacements (%5 %) : vérifiez son support</translation>
    </message>
    <message>
        <source>UNKNOWN: %1</source>
        <translation>INCONNU&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftTally</name>
    <message>
        <source>%1 pass · %2 fail · yield %3</source>
        <translation>%1 bons · %2 échecs · rendement %3</translation>
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
        <translation>&amp;Démo&#xa0;: des modules vont et viennent</translation>
    </message>
    <message>
        <source>&amp;Next module plugged in</source>
        <translation>Module &amp;suivant branché</translation>
    </message>
    <message>
        <source>Module in slot &amp;%1</source>
        <translation>Module à l&apos;emplacement &amp;%1</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTeacher</name>
    <message>
        <source>Teach slots - %1</source>
        <translation>Apprendre les emplacements - %1</translation>
    </message>
    <message>
        <source>Plug a module into each socket of the hub in turn, in the order the slots should have. A module already in place: unplug it and plug it in again. Nothing is written to the modules.
Watching %1</source>
        <translation>Branchez un module dans chaque prise du hub, l&apos;une après l&apos;autre, dans l&apos;ordre que doivent avoir les emplacements. Un module déjà en place&#xa0;: débranchez-le et rebranchez-le. Rien n&apos;est écrit dans les modules.
Surveillance de %1</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>The folder does not exist yet: it appears with the first adapter plugged in.</source>
        <translation>Le dossier n&apos;existe pas encore&#xa0;: il apparaît avec le premier adaptateur branché.</translation>
    </message>
    <message>
        <source>That socket is %1 already.</source>
        <translation>Cette prise est déjà %1.</translation>
    </message>
    <message>
        <source>A station has at most %1 slots.</source>
        <translation>Une station a au plus %1 emplacements.</translation>
    </message>
    <message>
        <source>%1 is the socket %2.</source>
        <translation>%1 est la prise %2.</translation>
    </message>
    <message>
        <source>Plug a module into the socket for %1</source>
        <translation>Branchez un module dans la prise de %1</translation>
    </message>
    <message>
        <source>Sockets taught</source>
        <translation>Prises apprises</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTile</name>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Left alone</source>
        <translation>Laissé tel quel</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>BON</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Non démarré</translation>
    </message>
    <message>
        <source>Plug in a module</source>
        <translation>Branchez un module</translation>
    </message>
    <message>
        <source>It was in place at the start: unplug it and plug it in again</source>
        <translation>Il était en place au démarrage&#xa0;: débranchez-le et rebranchez-le</translation>
    </message>
    <message>
        <source>Step %1 of 3: do not unplug</source>
        <translation>Étape %1 sur 3&#xa0;: ne pas débrancher</translation>
    </message>
    <message>
        <source>Address %1: unplug it</source>
        <translation>Adresse %1&#xa0;: débranchez-le</translation>
    </message>
    <message>
        <source>Written and verified: unplug it</source>
        <translation>Écrit et vérifié&#xa0;: débranchez-le</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>INCONNU</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>Arrêtée</translation>
    </message>
    <message>
        <source>No sockets</source>
        <translation>Aucun connecteur</translation>
    </message>
</context>
<context>
    <name>zomar::StationLine</name>
    <message>
        <source>%1: give the first address of a pool</source>
        <translation>%1&#xa0;: donnez la première adresse d&apos;une plage</translation>
    </message>
    <message>
        <source>The station is closing</source>
        <translation>La station se ferme</translation>
    </message>
    <message>
        <source>The setup is being changed: plug it in again later</source>
        <translation>La configuration est en cours de modification&#xa0;: rebranchez-le plus tard</translation>
    </message>
    <message>
        <source>The record cannot be written: call the engineer</source>
        <translation>Le registre ne peut pas être écrit&#xa0;: appelez l&apos;ingénieur</translation>
    </message>
    <message>
        <source>The module before is still finishing: plug this one in again</source>
        <translation>Le module précédent n&apos;a pas fini&#xa0;: rebranchez celui-ci</translation>
    </message>
    <message>
        <source>%1; not recorded: %2</source>
        <translation>%1&#xa0;; non enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>; not in the log: %1</source>
        <translation>; absent du journal&#xa0;: %1</translation>
    </message>
    <message>
        <source>Refused: nothing was written; call the engineer</source>
        <translation>Refusé&#xa0;: rien n&apos;a été écrit&#xa0;; appelez l&apos;ingénieur</translation>
    </message>
    <message>
        <source>No answer: check the module is seated</source>
        <translation>Pas de réponse&#xa0;: vérifiez que le module est bien enfoncé</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside</source>
        <translation>Relecture différente&#xa0;: mettez le module de côté</translation>
    </message>
    <message>
        <source>Port failed: check the hub and its cable</source>
        <translation>Port en panne&#xa0;: vérifiez le hub et son câble</translation>
    </message>
    <message>
        <source>Not recorded: call the engineer</source>
        <translation>Non enregistré&#xa0;: appelez l&apos;ingénieur</translation>
    </message>
    <message>
        <source>Not started: no address left offline; call the engineer</source>
        <translation>Non démarré&#xa0;: plus d&apos;adresse hors ligne&#xa0;; appelez l&apos;ingénieur</translation>
    </message>
    <message>
        <source>Its outcome was not recorded: read it back</source>
        <translation>Résultat non enregistré&#xa0;: relisez-le</translation>
    </message>
    <message>
        <source>Port lost before it was written: nothing was written</source>
        <translation>Port perdu avant l&apos;écriture&#xa0;: rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>This station runs in %1 (pid %2)</source>
        <translation>Cette station tourne dans %1 (pid %2)</translation>
    </message>
    <message>
        <source>The station is not running: call the engineer</source>
        <translation>La station est arrêtée&#xa0;: appelez l&apos;ingénieur</translation>
    </message>
    <message>
        <source>The socket folder is missing: check the hub is plugged in, or call the engineer</source>
        <translation>Le dossier des connecteurs est absent&#xa0;: vérifiez que le hub est branché, ou appelez l&apos;ingénieur</translation>
    </message>
    <message>
        <source>%1 is not there; the station watches for it.</source>
        <translation>%1 est absent&#xa0;; la station le guette.</translation>
    </message>
    <message>
        <source>Pulled out as it was written: its state is unknown; read it back</source>
        <translation>Retiré pendant l&apos;écriture&#xa0;: son état est inconnu&#xa0;; relisez-le</translation>
    </message>
    <message>
        <source>Pulled out as it was written: it may hold address %1; read it back</source>
        <translation>Retiré pendant l&apos;écriture&#xa0;: il a peut-être l&apos;adresse %1&#xa0;; relisez-le</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside (address %1 was sent)</source>
        <translation>Relecture différente&#xa0;: mettez le module de côté (l&apos;adresse %1 a été envoyée)</translation>
    </message>
    <message>
        <source>In use by another program: close it there, then plug the module in again</source>
        <translation>Utilisé par un autre programme&#xa0;: fermez-le, puis rebranchez le module</translation>
    </message>
    <message>
        <source>In use by %1: close it there, then plug the module in again</source>
        <translation>Utilisé par %1&#xa0;: fermez-le, puis rebranchez le module</translation>
    </message>
    <message>
        <source>Pulled out before it was written: nothing was written; plug it in again</source>
        <translation>Retiré avant l&apos;écriture&#xa0;: rien n&apos;a été écrit&#xa0;; rebranchez-le</translation>
    </message>
</context>
<context>
    <name>zomar::StationSetupDialog</name>
    <message>
        <source>Station setup - %1</source>
        <translation>Configuration de la station - %1</translation>
    </message>
    <message>
        <source>this computer&apos;s name</source>
        <translation>nom de cet ordinateur</translation>
    </message>
    <message>
        <source>none: modules keep their own</source>
        <translation>aucune&#xa0;: les modules gardent la leur</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>La langue du système</translation>
    </message>
    <message>
        <source>The station&apos;s windows are in this language from its next start, unless a technician chooses another in the Language menu.</source>
        <translation>Les fenêtres de la station seront dans cette langue dès son prochain démarrage, sauf si un technicien en choisit une autre dans le menu Langue.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Prise</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Parc&amp;ourir...</translation>
    </message>
    <message>
        <source>&amp;Teach slots...</source>
        <translation>Apprendre les empla&amp;cements...</translation>
    </message>
    <message>
        <source>Remo&amp;ve slot</source>
        <translation>Supprimer l&apos;emplace&amp;ment</translation>
    </message>
    <message>
        <source>Set P&amp;IN...</source>
        <translation>Définir le P&amp;IN...</translation>
    </message>
    <message>
        <source>No PIN</source>
        <translation>Sans PIN</translation>
    </message>
    <message>
        <source>Station &amp;name:</source>
        <translation>&amp;Nom de la station&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil&#xa0;:</translation>
    </message>
    <message>
        <source>St&amp;ep:</source>
        <translation>Pa&amp;s&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;First address:</source>
        <translation>Première &amp;adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Re&amp;cord:</source>
        <translation>Re&amp;gistre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Line speed:</source>
        <translation>&amp;Vitesse de ligne&#xa0;:</translation>
    </message>
    <message>
        <source>Band plan re&amp;gion:</source>
        <translation>Région du plan de &amp;bandes&#xa0;:</translation>
    </message>
    <message>
        <source>Technicians&apos; lang&amp;uage:</source>
        <translation>&amp;Langue des techniciens&#xa0;:</translation>
    </message>
    <message>
        <source>S&amp;ocket folder:</source>
        <translation>&amp;Dossier des prises&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Slots (double-click or F2 on a name to rename):</source>
        <translation>&amp;Emplacements (double-clic ou F2 sur un nom pour renommer)&#xa0;:</translation>
    </message>
    <message>
        <source>First address %1: %2</source>
        <translation>Première adresse %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no slot yet: Teach slots, then save</source>
        <translation>aucun emplacement&#xa0;: apprenez les emplacements, puis enregistrez</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>The profile every module gets</source>
        <translation>Le profil que reçoit chaque module</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Profils (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The production record (a new file is made)</source>
        <translation>Le registre de production (un nouveau fichier est créé)</translation>
    </message>
    <message>
        <source>Production records (*.db);;All files (*)</source>
        <translation>Registres de production (*.db);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Name the profile every module gets.</source>
        <translation>Indiquez le profil que reçoit chaque module.</translation>
    </message>
    <message>
        <source>A PIN guards this setup.</source>
        <translation>Un code PIN protège cette configuration.</translation>
    </message>
    <message>
        <source>No PIN: anyone at the station can change the setup.</source>
        <translation>Pas de code PIN&#xa0;: toute personne au poste peut modifier la configuration.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zomar::StationTrace</name>
    <message>
        <source>S/N %1: being recorded</source>
        <translation>N/S %1&#xa0;: enregistrement en cours</translation>
    </message>
    <message>
        <source>Scan the product serial</source>
        <translation>Scanner le numéro de série du produit</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>N/S %1</translation>
    </message>
    <message>
        <source>printing the label</source>
        <translation>impression de l&apos;étiquette</translation>
    </message>
    <message>
        <source>label printed</source>
        <translation>étiquette imprimée</translation>
    </message>
    <message>
        <source>label not printed: %1</source>
        <translation>étiquette non imprimée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Serial refused: one line of at most %1 characters</source>
        <translation>Numéro de série refusé&#xa0;: une ligne d&apos;au plus %1 caractères</translation>
    </message>
    <message>
        <source>Serial %1 refused: it does not match %2</source>
        <translation>Numéro de série %1 refusé&#xa0;: il ne correspond pas à %2</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to the unit with address %2</source>
        <translation>Numéro de série %1 refusé&#xa0;: il est lié à l&apos;unité d&apos;adresse %2</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to another unit</source>
        <translation>Numéro de série %1 refusé&#xa0;: il est lié à une autre unité</translation>
    </message>
    <message>
        <source>Serial %1 refused: this unit carries %2</source>
        <translation>Numéro de série %1 refusé&#xa0;: cette unité porte déjà %2</translation>
    </message>
    <message>
        <source>Serial %1 not recorded: call the engineer (%2)</source>
        <translation>Numéro de série %1 non enregistré&#xa0;: appeler l&apos;ingénieur (%2)</translation>
    </message>
</context>
<context>
    <name>zomar::StationWindow</name>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Touches</translation>
    </message>
    <message>
        <source>Zomar Station</source>
        <translation>Zomar Station</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Opérateur&#xa0;:</translation>
    </message>
    <message>
        <source>No station open: Station &gt; New station... or Open station...</source>
        <translation>Aucune station ouverte&#xa0;: Station &gt; Nouvelle station... ou Ouvrir une station...</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Station</translation>
    </message>
    <message>
        <source>&amp;New station...</source>
        <translation>&amp;Nouvelle station...</translation>
    </message>
    <message>
        <source>&amp;Open station...</source>
        <translation>&amp;Ouvrir une station...</translation>
    </message>
    <message>
        <source>&amp;Edit setup...</source>
        <translation>&amp;Modifier la configuration...</translation>
    </message>
    <message>
        <source>New s&amp;hift...</source>
        <translation>Nouvelle &amp;équipe...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>%1 %2
Programming radio modules on a production line, one slot per socket.</source>
        <translation>%1 %2
Programme des modules radio sur une ligne de production, un emplacement par prise.</translation>
    </message>
    <message>
        <source>The station file is refused:
%1</source>
        <translation>Le fichier de station est refusé&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Station file refused: %1</source>
        <translation>Fichier de station refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>A module in the socket %1 is left alone: it is no slot of this station (Edit setup &gt; Teach slots).</source>
        <translation>Un module dans la prise %1 est laissé tel quel&#xa0;: ce n&apos;est pas un emplacement de cette station (Modifier la configuration &gt; Apprendre les emplacements).</translation>
    </message>
    <message>
        <source>Not running: %1. An engineer can correct it in Edit setup.</source>
        <translation>À l&apos;arrêt&#xa0;: %1. Un ingénieur peut le corriger dans Modifier la configuration.</translation>
    </message>
    <message>
        <source>No slots yet: Edit setup &gt; Teach slots.</source>
        <translation>Pas encore d&apos;emplacement&#xa0;: Modifier la configuration &gt; Apprendre les emplacements.</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Profil %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>non lu</translation>
    </message>
    <message>
        <source>Addresses from %1, step %2</source>
        <translation>Adresses à partir de %1, pas de %2</translation>
    </message>
    <message>
        <source>Each module keeps its own address</source>
        <translation>Chaque module garde sa propre adresse</translation>
    </message>
    <message>
        <source> (next %1)</source>
        <translation> (suivante %1)</translation>
    </message>
    <message>
        <source>%1 · %2 baud</source>
        <translation>%1 · %2 bauds</translation>
    </message>
    <message>
        <source>

Socket: %1</source>
        <translation>

Prise&#xa0;: %1</translation>
    </message>
    <message>
        <source>Start a new shift? The counts and the list of the last units start again; the record keeps every unit.</source>
        <translation>Commencer une nouvelle équipe&#xa0;? Les compteurs et la liste des dernières unités repartent de zéro&#xa0;; le registre garde chaque unité.</translation>
    </message>
    <message>
        <source>The setup is not saved, and the station runs as before:
%1</source>
        <translation>La configuration n&apos;est pas enregistrée, et la station continue comme avant&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Closing: the module in flight finishes first. Leave it in place.</source>
        <translation>Fermeture&#xa0;: le module en cours termine d&apos;abord. Laissez-le en place.</translation>
    </message>
    <message numerus="yes">
        <source>Closing: %n modules in flight finish first. Leave them in place.</source>
        <translation>
            <numerusform>Fermeture&#xa0;: le %n module en cours termine d&apos;abord. Laissez-le en place.</numerusform>
            <numerusform>Fermeture&#xa0;: les %n modules en cours terminent d&apos;abord. Laissez-les en place.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;The station&apos;s or the system&apos;s language</source>
        <translation>Langue de la &amp;station ou du système</translation>
    </message>
    <message>
        <source>O&amp;perator</source>
        <translation>O&amp;pérateur</translation>
    </message>
    <message>
        <source>The shift&apos;s earlier units could not be read from the record (%1): counting goes on from here.</source>
        <translation>Les unités précédentes de l&apos;équipe n&apos;ont pas pu être lues dans le registre (%1)&#xa0;: le comptage reprend d&apos;ici.</translation>
    </message>
    <message>
        <source>Not running: this station runs already in %1 (pid %2). Use that window, or close it and open the station here again (Station &gt; Open station...).</source>
        <translation>Arrêtée&#xa0;: cette station tourne déjà dans %1 (pid %2). Utilisez cette fenêtre, ou fermez-la et rouvrez la station ici (Station &gt; Ouvrir une station...).</translation>
    </message>
    <message>
        <source>Not running: the socket %1 is a slot of the station %2, which runs in %3 (pid %4). A socket belongs to one station.</source>
        <translation>Arrêtée&#xa0;: le connecteur %1 est un emplacement de la station %2, qui tourne dans %3 (pid %4). Un connecteur appartient à une seule station.</translation>
    </message>
    <message>
        <source>Not running: %1 (pid %2) programs every module plugged in on this PC&apos;s sockets (%3). End it, then open the station again.</source>
        <translation>Arrêtée&#xa0;: %1 (pid %2) programme chaque module branché sur les connecteurs de ce PC (%3). Arrêtez-le, puis rouvrez la station.</translation>
    </message>
    <message>
        <source>all its serial ports</source>
        <translation>tous ses ports série</translation>
    </message>
    <message>
        <source>The station file opened last, %1, is not there any more: Station &gt; Open station... or New station...</source>
        <translation>Le dernier fichier de station ouvert, %1, n&apos;existe plus&#xa0;: Station &gt; Ouvrir une station... ou Nouvelle station...</translation>
    </message>
    <message>
        <source>The socket folder %1 is not there: check the hub is plugged in, or correct the folder in Edit setup. The station watches for it.</source>
        <translation>Le dossier des connecteurs %1 est absent&#xa0;: vérifiez que le hub est branché, ou corrigez le dossier dans Modifier la configuration. La station le guette.</translation>
    </message>
    <message>
        <source>%1: %2 – %3</source>
        <translation>%1&#xa0;: %2 – %3</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>INCONNU</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>Closing: modules in flight that did not pass: %1.</source>
        <translation>Fermeture&#xa0;: modules en cours qui n&apos;ont pas réussi&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Before the station closed:
%1

Put these modules aside; the record has them.</source>
        <translation>Avant la fermeture de la station&#xa0;:
%1

Mettez ces modules de côté&#xa0;; le registre les contient.</translation>
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
        <translation>Touches de la station&#xa0;:

Flèches&#xa0;: passer d&apos;un emplacement à l&apos;autre
Entrée ou Espace sur un emplacement&#xa0;: ce que le programme a trouvé
Ctrl+P sur un emplacement&#xa0;: l&apos;étiquette de son unité à nouveau
Tab&#xa0;: l&apos;emplacement suivant
F2&#xa0;: le champ opérateur (un lecteur de badge y tape de partout)
Un scan pendant qu&apos;un emplacement attend son numéro de série&#xa0;: le champ du numéro de série
Ctrl+Maj+N&#xa0;: une nouvelle équipe
Ctrl+Maj+E&#xa0;: modifier la configuration (l&apos;ingénieur, avec le PIN)
Ctrl+O&#xa0;: ouvrir une station
Ctrl+Q&#xa0;: quitter&#xa0;; les modules en cours se terminent d&apos;abord</translation>
    </message>
    <message>
        <source>Labels are not printed: %1. An engineer can correct it in Edit setup.</source>
        <translation>Les étiquettes ne sont pas imprimées&#xa0;: %1. Un ingénieur peut le corriger dans Modifier la configuration.</translation>
    </message>
    <message>
        <source>The label of unit %1 was not printed: %2. Print it again with: zomar-cli records label %1 --label %3</source>
        <translation>L&apos;étiquette de l&apos;unité %1 n&apos;a pas été imprimée&#xa0;: %2. Pour l&apos;imprimer à nouveau&#xa0;: zomar-cli records label %1 --label %3</translation>
    </message>
    <message>
        <source>Serial %1 is for no slot: no unit waits for its product serial.</source>
        <translation>Le numéro de série %1 n&apos;est pour aucun emplacement&#xa0;: aucune unité n&apos;attend son numéro de série.</translation>
    </message>
    <message>
        <source>This station prints no labels (Edit setup: Labels and product serials).</source>
        <translation>Cette station n&apos;imprime pas d&apos;étiquettes (Modifier la configuration&#xa0;: Étiquettes et numéros de série).</translation>
    </message>
    <message>
        <source>%1 has no unit to print a label for: only a unit that passed (with its serial when the station asks for one) gets a label.</source>
        <translation>%1 n&apos;a pas d&apos;unité dont imprimer l&apos;étiquette&#xa0;: seule une unité réussie (avec son numéro de série quand la station en demande un) a une étiquette.</translation>
    </message>
    <message>
        <source>The label&apos;s state of unit %1 is not in the record: %2</source>
        <translation>L&apos;état de l&apos;étiquette de l&apos;unité %1 n&apos;est pas dans le registre&#xa0;: %2</translation>
    </message>
    <message>
        <source>that unit carries %1</source>
        <translation>cette unité porte déjà %1</translation>
    </message>
    <message>
        <source>it is bound to the unit with address %1</source>
        <translation>il est lié à l&apos;unité d&apos;adresse %1</translation>
    </message>
    <message>
        <source>it is bound to unit %1</source>
        <translation>il est lié à l&apos;unité %1</translation>
    </message>
    <message>
        <source>Serial %1 of the unit with address %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %4 SERIAL</source>
        <translation>Le numéro de série %1 de l&apos;unité d&apos;adresse %2 a été refusé quand le journal de cette station a atteint le serveur&#xa0;: %3. Le registre ne garde aucun numéro de série pour cette unité&#xa0;; vérifiez le produit et liez son numéro de série avec&#xa0;: zomar-cli records serial %4 SERIAL</translation>
    </message>
    <message>
        <source>Serial %1 of unit %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %2 SERIAL</source>
        <translation>Le numéro de série %1 de l&apos;unité %2 a été refusé quand le journal de cette station a atteint le serveur&#xa0;: %3. Le registre ne garde aucun numéro de série pour cette unité&#xa0;; vérifiez le produit et liez son numéro de série avec&#xa0;: zomar-cli records serial %2 SERIAL</translation>
    </message>
</context>
<context>
    <name>zomar::TerminalPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>Erreur&#xa0;!! %1</translation>
    </message>
</context>
<context>
    <name>zomar::TraceSetupBox</name>
    <message>
        <source>Labels and product serials</source>
        <translation>Étiquettes et numéros de série</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Parco&amp;urir...</translation>
    </message>
    <message>
        <source>none; pdf:FOLDER, printer:NAME or zpl://HOST[:PORT]</source>
        <translation>aucune&#xa0;; pdf:DOSSIER, printer:NOM ou zpl://HÔTE[:PORT]</translation>
    </message>
    <message>
        <source>the default: 50 x 25 mm with a QR code</source>
        <translation>par défaut&#xa0;: 50 x 25 mm avec un code QR</translation>
    </message>
    <message>
        <source>none: no serial is scanned; e.g. SN-[0-9]{6}</source>
        <translation>aucun&#xa0;: aucun numéro de série n&apos;est scanné&#xa0;; p. ex. SN-[0-9]{6}</translation>
    </message>
    <message>
        <source>A regular expression that a product serial matches whole. When set, a technician scans the product&apos;s serial for each unit that passes; its label is printed once the serial is recorded.</source>
        <translation>Une expression régulière à laquelle un numéro de série correspond en entier. Si elle est donnée, un technicien scanne le numéro de série du produit de chaque unité réussie&#xa0;; son étiquette est imprimée une fois le numéro enregistré.</translation>
    </message>
    <message>
        <source>The labels&apos; template</source>
        <translation>Le modèle des étiquettes</translation>
    </message>
    <message>
        <source>Label templates (*.json);;All files (*)</source>
        <translation>Modèles d&apos;étiquette (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>L&amp;abels to:</source>
        <translation>É&amp;tiquettes vers&#xa0;:</translation>
    </message>
    <message>
        <source>Label te&amp;mplate:</source>
        <translation>Modèle d&apos;éti&amp;quette&#xa0;:</translation>
    </message>
    <message>
        <source>Pro&amp;duct serial pattern:</source>
        <translation>Moti&amp;f du numéro de série&#xa0;:</translation>
    </message>
    <message>
        <source>Labels to: %1</source>
        <translation>Étiquettes vers&#xa0;: %1</translation>
    </message>
    <message>
        <source>Label template: say where the labels go too</source>
        <translation>Modèle d&apos;étiquette&#xa0;: indiquer aussi où vont les étiquettes</translation>
    </message>
    <message>
        <source>Product serial pattern: %1</source>
        <translation>Motif du numéro de série&#xa0;: %1</translation>
    </message>
</context>
</TS>
