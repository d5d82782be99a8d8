<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Bramblex</name>
    <message>
        <location filename="../platform/AtomicFile.cpp" line="209"/>
        <location filename="../platform/LockedFile.cpp" line="43"/>
        <location filename="../platform/LockedFile.cpp" line="47"/>
        <location filename="../platform/UserValues.cpp" line="41"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location filename="../platform/AtomicFile.cpp" line="249"/>
        <location filename="../reports/Report.cpp" line="87"/>
        <location filename="../storage/FileItem.cpp" line="73"/>
        <location filename="../storage/FileItem.cpp" line="106"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="309"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location filename="../platform/Clipboard.cpp" line="49"/>
        <source>Cannot open clipboard</source>
        <translation>Impossible d&apos;ouvrir le presse-papiers</translation>
    </message>
    <message>
        <location filename="../platform/Clipboard.cpp" line="128"/>
        <source>The program runs without a display (Qt platform &quot;offscreen&quot;): no other program can read its clipboard.</source>
        <translation>Le programme s&apos;exécute sans affichage (plateforme Qt «&#xa0;offscreen&#xa0;»)&#xa0;: aucun autre programme ne peut lire son presse-papiers.</translation>
    </message>
    <message>
        <location filename="../platform/Clipboard.cpp" line="131"/>
        <source>The program has no clipboard.</source>
        <translation>Le programme n&apos;a pas de presse-papiers.</translation>
    </message>
    <message>
        <location filename="../platform/FileSystem.cpp" line="273"/>
        <source>It is neither a file nor a link.</source>
        <translation>Ce n&apos;est ni un fichier ni un lien.</translation>
    </message>
    <message>
        <location filename="../platform/LockedFile.cpp" line="72"/>
        <location filename="../platform/LockedFile.cpp" line="80"/>
        <location filename="../platform/LockedFile.cpp" line="86"/>
        <source>Cannot write to file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire dans le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="61"/>
        <source>User cancelled request</source>
        <translation>Demande annulée par l&apos;utilisateur</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="63"/>
        <source>General MAPI failure</source>
        <translation>Échec MAPI général</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="65"/>
        <source>Logon failure</source>
        <translation>Échec de connexion</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="67"/>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="69"/>
        <source>Insufficient memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="71"/>
        <location filename="../platform/UserValues.cpp" line="66"/>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="73"/>
        <source>Too many sessions</source>
        <translation>Trop de sessions</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="75"/>
        <source>Too many files open</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="77"/>
        <source>Too many recipients</source>
        <translation>Trop de destinataires</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="79"/>
        <source>Attachment not found</source>
        <translation>Pièce jointe introuvable</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="81"/>
        <source>Failed to open attachment</source>
        <translation>Impossible d&apos;ouvrir la pièce jointe</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="83"/>
        <source>Failed to write attachment</source>
        <translation>Impossible d&apos;écrire la pièce jointe</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="85"/>
        <source>Unknown recipient</source>
        <translation>Destinataire inconnu</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="87"/>
        <source>Invalid recipient type</source>
        <translation>Type de destinataire non valide</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="89"/>
        <source>No messages</source>
        <translation>Aucun message</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="91"/>
        <source>Invalid message</source>
        <translation>Message non valide</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="93"/>
        <source>Text too large.</source>
        <translation>Texte trop long.</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="95"/>
        <source>Invalid session</source>
        <translation>Session non valide</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="97"/>
        <source>Type not supported</source>
        <translation>Type non pris en charge</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="99"/>
        <source>Ambiguous recipient</source>
        <translation>Destinataire ambigu</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="101"/>
        <source>Message in use</source>
        <translation>Message en cours d&apos;utilisation</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="103"/>
        <source>Network failure</source>
        <translation>Erreur réseau</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="105"/>
        <source>Invalid edit fields</source>
        <translation>Champs d&apos;édition non valides</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="107"/>
        <source>Invalid recipients</source>
        <translation>Destinataires non valides</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="109"/>
        <source>Not supported</source>
        <translation>Non pris en charge</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="111"/>
        <source>Unknown Error Code: </source>
        <translation>Code d&apos;erreur inconnu&#xa0;: </translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="224"/>
        <source>Cannot create a folder for the mail&apos;s files in &quot;%1&quot;.</source>
        <translation>Impossible de créer un dossier pour les fichiers du courriel dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="25"/>
        <location filename="../properties/KorvGraphic.cpp" line="203"/>
        <location filename="../ui/FormViewImage.cpp" line="93"/>
        <source>The file &quot;%1&quot; does not hold a picture that can be read.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» ne contient pas d&apos;image lisible.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="67"/>
        <source>The converted picture is larger than %1 MB.</source>
        <translation>L&apos;image convertie dépasse %1 Mo.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="88"/>
        <source>The converter ended with code %1.</source>
        <translation>Le convertisseur s&apos;est terminé avec le code %1.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="104"/>
        <source>The converter wrote nothing.</source>
        <translation>Le convertisseur n&apos;a rien écrit.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="109"/>
        <source>The converter did not finish within %1 seconds.</source>
        <translation>Le convertisseur ne s&apos;est pas terminé en %1 secondes.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="240"/>
        <source>It is neither an enhanced nor a Windows metafile.</source>
        <translation>Ce n&apos;est ni un métafichier amélioré (EMF) ni un métafichier Windows (WMF).</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="177"/>
        <location filename="../platform/PrintJob.cpp" line="233"/>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n&apos;est installée.</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="180"/>
        <source>The printer &quot;%1&quot; is not installed.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;est pas installée.</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="241"/>
        <location filename="../platform/PrintJob.cpp" line="251"/>
        <source>Cannot start the print job on &quot;%1&quot;.</source>
        <translation>Impossible de lancer l&apos;impression sur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="282"/>
        <location filename="../platform/PrintJob.cpp" line="292"/>
        <source>Cannot print on &quot;%1&quot;.</source>
        <translation>Impossible d&apos;imprimer sur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="291"/>
        <location filename="../services/ReportJobs.cpp" line="342"/>
        <source>Cannot write the PDF file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire le fichier PDF «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../platform/UserValues.cpp" line="61"/>
        <source>The file does not hold settings in the expected form.</source>
        <translation>Le fichier ne contient pas de paramètres sous la forme attendue.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="34"/>
        <source>The port %1 does not exist.</source>
        <translation>Le port %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="40"/>
        <source>The port %1 is in use by another program.</source>
        <translation>Le port %1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="42"/>
        <source>%1 is not a serial port.</source>
        <translation>%1 n&apos;est pas un port série.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="44"/>
        <source>The port %1 could not be opened: %2</source>
        <translation>Impossible d&apos;ouvrir le port %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="52"/>
        <source>The connection on the port %1 was lost (the device hung up or was unplugged).</source>
        <translation>La connexion sur le port %1 a été perdue (l&apos;appareil a raccroché ou a été débranché).</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="54"/>
        <source>Writing to the port %1 failed: %2</source>
        <translation>L&apos;écriture sur le port %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="54"/>
        <source>Reading from the port %1 failed: %2</source>
        <translation>La lecture sur le port %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="69"/>
        <source>No serial port has been chosen.</source>
        <translation>Aucun port série n&apos;a été choisi.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="182"/>
        <source>The serial port is not open.</source>
        <translation>Le port série n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="249"/>
        <source>Permission to use the port %1 was denied.</source>
        <translation>L&apos;autorisation d&apos;utiliser le port %1 a été refusée.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="263"/>
        <source>The port&apos;s owner and permissions cannot be read.</source>
        <translation>Impossible de lire le propriétaire et les droits du port.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="265"/>
        <source>The user %1 owns it and may read and write it (mode %2); something other than its permissions refuses access.</source>
        <translation>L&apos;utilisateur %1 en est propriétaire et peut y accéder en lecture et en écriture (mode %2)&#xa0;; autre chose que ses droits refuse l&apos;accès.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="268"/>
        <source>It belongs to the user %1, but its mode %2 does not let its owner read and write it.</source>
        <translation>Il appartient à l&apos;utilisateur %1, mais son mode %2 ne permet pas à son propriétaire d&apos;y accéder en lecture et en écriture.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="273"/>
        <source>The user %1 is a member of its group &quot;%2&quot;, which may read and write it (mode %3); something other than its permissions refuses access.</source>
        <translation>L&apos;utilisateur %1 est membre du groupe «&#xa0;%2&#xa0;» du port, qui peut y accéder en lecture et en écriture (mode %3)&#xa0;; autre chose que ses droits refuse l&apos;accès.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="276"/>
        <source>It belongs to the user %1 and the group &quot;%2&quot;, of which the user %3 is a member, but its mode %4 does not let the group read and write it: the system administrator must allow that (a udev rule for the device).</source>
        <translation>Il appartient à l&apos;utilisateur %1 et au groupe «&#xa0;%2&#xa0;», dont l&apos;utilisateur %3 est membre, mais son mode %4 ne permet pas au groupe d&apos;y accéder en lecture et en écriture&#xa0;: l&apos;administrateur système doit l&apos;autoriser (une règle udev pour le périphérique).</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="282"/>
        <source>It belongs to the group &quot;%1&quot;. The user %2 was added to that group but must log in again for it to take effect.</source>
        <translation>Il appartient au groupe «&#xa0;%1&#xa0;». L&apos;utilisateur %2 a été ajouté à ce groupe, mais doit se reconnecter pour que cela prenne effet.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="285"/>
        <source>It belongs to the group &quot;%1&quot;, of which the user %2 is not a member. The user must be added to the group &quot;%1&quot; and log in again.</source>
        <translation>Il appartient au groupe «&#xa0;%1&#xa0;», dont l&apos;utilisateur %2 n&apos;est pas membre. L&apos;utilisateur doit être ajouté au groupe «&#xa0;%1&#xa0;» puis se reconnecter.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="289"/>
        <source>Its mode %1 lets every user read and write it; something other than its permissions refuses access.</source>
        <translation>Son mode %1 permet à tous les utilisateurs d&apos;y accéder en lecture et en écriture&#xa0;; autre chose que ses droits refuse l&apos;accès.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="293"/>
        <source>It belongs to the user %1 and the group &quot;%2&quot;, and its mode %3 lets neither the group nor other users read and write it: the system administrator must allow that (a udev rule for the device).</source>
        <translation>Il appartient à l&apos;utilisateur %1 et au groupe «&#xa0;%2&#xa0;», et son mode %3 ne permet ni au groupe ni aux autres utilisateurs d&apos;y accéder en lecture et en écriture&#xa0;: l&apos;administrateur système doit l&apos;autoriser (une règle udev pour le périphérique).</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="140"/>
        <source>Before you connect the viscometer, a few facts about serial ports on this computer:</source>
        <translation>Avant de connecter le viscosimètre, voici quelques points sur les ports série de cet ordinateur&#xa0;:</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="144"/>
        <source>The user %1 was added to the group &quot;dialout&quot; that may use serial ports, but that takes effect only after logging out and in again.</source>
        <translation>L&apos;utilisateur %1 a été ajouté au groupe «&#xa0;dialout&#xa0;» qui peut utiliser les ports série, mais cela ne prend effet qu&apos;après une déconnexion puis une reconnexion.</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="147"/>
        <source>The user %1 is not a member of the group &quot;dialout&quot; that may use serial ports. The administrator can add it with:
    sudo usermod -aG dialout %1
and it takes effect after logging out and in again.</source>
        <translation>L&apos;utilisateur %1 n&apos;est pas membre du groupe «&#xa0;dialout&#xa0;» qui peut utiliser les ports série. L&apos;administrateur peut l&apos;y ajouter avec&#xa0;:
    sudo usermod -aG dialout %1
et cela prend effet après une déconnexion puis une reconnexion.</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="153"/>
        <source>ModemManager is running: it probes every new USB-serial adapter for a modem and can hold the port for several seconds after the adapter is plugged in.</source>
        <translation>ModemManager est en cours d&apos;exécution&#xa0;: il sonde chaque nouvel adaptateur USB-série à la recherche d&apos;un modem et peut bloquer le port plusieurs secondes après le branchement de l&apos;adaptateur.</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="157"/>
        <source>The optional udev rule %1 keeps ModemManager away from common USB-serial adapters and lets the user at the screen open them without the group and without a new login. Copy it to /etc/udev/rules.d/ (as administrator) and plug the adapter in again.</source>
        <translation>La règle udev facultative %1 tient ModemManager à l&apos;écart des adaptateurs USB-série courants et permet à l&apos;utilisateur devant l&apos;écran de les ouvrir sans le groupe et sans nouvelle connexion. Copiez-la dans /etc/udev/rules.d/ (en tant qu&apos;administrateur) et rebranchez l&apos;adaptateur.</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="163"/>
        <source>The braille display service brltty has a rule that claims USB-serial adapters (%1): the port disappears moments after the adapter is plugged in. If no braille display is used, remove it with
    sudo apt remove brltty
or switch the rule off with
    sudo ln -s /dev/null /etc/udev/rules.d/%2</source>
        <translation>Le service d&apos;afficheur braille brltty a une règle qui s&apos;approprie les adaptateurs USB-série (%1)&#xa0;: le port disparaît quelques instants après le branchement de l&apos;adaptateur. Si aucun afficheur braille n&apos;est utilisé, supprimez-le avec
    sudo apt remove brltty
ou désactivez la règle avec
    sudo ln -s /dev/null /etc/udev/rules.d/%2</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="168"/>
        <source>Choose a USB adapter by its name under /dev/serial/by-id, as the port list shows it: names such as /dev/ttyUSB0 can change when an adapter is plugged in again.</source>
        <translation>Choisissez un adaptateur USB par son nom sous /dev/serial/by-id, tel que la liste des ports l&apos;affiche&#xa0;: les noms comme /dev/ttyUSB0 peuvent changer quand un adaptateur est rebranché.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="845"/>
        <source>Cannot write to stream. %1</source>
        <translation>Impossible d&apos;écrire dans le flux. %1</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="863"/>
        <source>The document ends in the middle of a tag, after %1 bytes.</source>
        <translation>Le document se termine au milieu d&apos;une balise, après %1 octets.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="864"/>
        <source>The document ends inside the element &quot;%1&quot;, after %2 bytes.</source>
        <translation>Le document se termine à l&apos;intérieur de l&apos;élément «&#xa0;%1&#xa0;», après %2 octets.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="866"/>
        <source>The document closes %1 element(s) that were never opened.</source>
        <translation>Le document ferme %1 élément(s) jamais ouvert(s).</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="869"/>
        <source>The document nests elements too deeply; %1 element(s) were left out.</source>
        <translation>Le document imbrique les éléments trop profondément&#xa0;; %1 élément(s) ont été ignorés.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="871"/>
        <source>The document holds text outside its elements.</source>
        <translation>Le document contient du texte en dehors de ses éléments.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="874"/>
        <source>Its last complete element ends at byte %1; %2 element(s) were read.</source>
        <translation>Son dernier élément complet se termine à l&apos;octet %1&#xa0;; %2 élément(s) ont été lus.</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="143"/>
        <source>Time (seconds)</source>
        <translation>Temps (secondes)</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="144"/>
        <location filename="../catalogue/Catalogue.cpp" line="153"/>
        <source>Viscosity (%1)</source>
        <translation>Viscosité (%1)</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="145"/>
        <location filename="../catalogue/Catalogue.cpp" line="153"/>
        <location filename="../reports/PageItemReadings.cpp" line="162"/>
        <location filename="../export/BatchExport.cpp" line="125"/>
        <source>% Full Scale</source>
        <translation>% pleine échelle</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="146"/>
        <location filename="../catalogue/Catalogue.cpp" line="154"/>
        <source>Temperature (%1)</source>
        <translation>Température (%1)</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="147"/>
        <location filename="../catalogue/Catalogue.cpp" line="154"/>
        <location filename="../reports/PageItemReadings.cpp" line="164"/>
        <location filename="../export/BatchExport.cpp" line="127"/>
        <source>RPM</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="148"/>
        <location filename="../catalogue/Catalogue.cpp" line="155"/>
        <source>ShearStress</source>
        <translation>Contrainte de cisaillement</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="149"/>
        <location filename="../catalogue/Catalogue.cpp" line="155"/>
        <source>ShearRate</source>
        <translation>Vitesse de cisaillement</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="181"/>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="181"/>
        <location filename="../properties/Properties.cpp" line="169"/>
        <location filename="../reports/Page.cpp" line="56"/>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="182"/>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="182"/>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="183"/>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="183"/>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="184"/>
        <source>Executive</source>
        <translation>Executive</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="184"/>
        <source>Legal</source>
        <translation>Legal US</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="185"/>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="185"/>
        <source>Tabloid</source>
        <translation>Tabloïd</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="203"/>
        <source>Invalid report unit type</source>
        <translation>Type d&apos;unité de rapport non valide</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="210"/>
        <source>Invalid viscosity unit type</source>
        <translation>Type d&apos;unité de viscosité non valide</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="217"/>
        <source>Invalid temperature unit type</source>
        <translation>Type d&apos;unité de température non valide</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="361"/>
        <source>Invalid Spindle Index</source>
        <translation>Indice de mobile non valide</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="391"/>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="331"/>
        <location filename="../export/BatchExport.cpp" line="73"/>
        <source>Invalid ModelType</source>
        <translation>Type de modèle non valide</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="408"/>
        <source>Over scale</source>
        <translation>Hors échelle</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="416"/>
        <location filename="../catalogue/Catalogue.cpp" line="451"/>
        <source>Invalid XAxis</source>
        <translation>Axe X non valide</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="426"/>
        <location filename="../catalogue/Catalogue.cpp" line="457"/>
        <source>Invalid YAxis</source>
        <translation>Axe Y non valide</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="502"/>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="502"/>
        <source>in</source>
        <translation>po</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="518"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="518"/>
        <source>ft</source>
        <translation>pi</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="551"/>
        <source>mPas</source>
        <translation>mPas</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="551"/>
        <source>cP</source>
        <translation>cP</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="569"/>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="569"/>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <location filename="../properties/KorvGraphic.cpp" line="54"/>
        <source>The converter wrote no picture that can be read.</source>
        <translation>Le convertisseur n&apos;a écrit aucune image lisible.</translation>
    </message>
    <message>
        <location filename="../properties/KorvGraphic.cpp" line="268"/>
        <source>Cannot assign object to KorvGraphic</source>
        <translation>Impossible d&apos;affecter l&apos;objet à KorvGraphic</translation>
    </message>
    <message>
        <location filename="../properties/PictureText.cpp" line="122"/>
        <source>The pictures of the document need more than %1 MB.</source>
        <translation>Les images du document nécessitent plus de %1 Mo.</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="71"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="87"/>
        <location filename="../instrument/ProcessRules.cpp" line="148"/>
        <location filename="../instrument/ViscoMeterInterface.cpp" line="68"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="129"/>
        <location filename="../reports/PageItemGraphic.cpp" line="16"/>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="129"/>
        <location filename="../reports/PageItemGraphic.cpp" line="16"/>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="159"/>
        <source>bsSolid</source>
        <translation>Plein</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="159"/>
        <source>bsClear</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="159"/>
        <source>bsBDiagonal</source>
        <translation>Diagonales arrière</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="159"/>
        <source>bsFDiagonal</source>
        <translation>Diagonales avant</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="160"/>
        <source>bsCross</source>
        <translation>Quadrillage</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="160"/>
        <source>bsDiagCross</source>
        <translation>Quadrillage diagonal</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="160"/>
        <source>bsHorizontal</source>
        <translation>Horizontales</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="160"/>
        <source>bsVertical</source>
        <translation>Verticales</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="164"/>
        <source>psSolid</source>
        <translation>Continu</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="164"/>
        <source>psDash</source>
        <translation>Tirets</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="164"/>
        <source>psDot</source>
        <translation>Points</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="164"/>
        <source>psDashDot</source>
        <translation>Tiret-point</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="165"/>
        <source>psDashDotDot</source>
        <translation>Tiret-point-point</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="165"/>
        <source>psClear</source>
        <translation>Invisible</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="165"/>
        <source>psInsideFrame</source>
        <translation>Continu intérieur</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="300"/>
        <source>Cannot copy value to property.</source>
        <translation>Impossible de copier la valeur dans la propriété.</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="346"/>
        <source>(None)</source>
        <translation>(Aucune)</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="346"/>
        <source>(Graphic)</source>
        <translation>(Image)</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="374"/>
        <source>Invalid boolean value &apos;%1&apos;</source>
        <translation>Valeur booléenne «&#xa0;%1&#xa0;» non valide</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="384"/>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="392"/>
        <source>Invalid brush style &apos;%1&apos;</source>
        <translation>Style de remplissage «&#xa0;%1&#xa0;» non valide</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="395"/>
        <source>Invalid pen style &apos;%1&apos;</source>
        <translation>Style de trait «&#xa0;%1&#xa0;» non valide</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="461"/>
        <source>Property does not exist</source>
        <translation>La propriété n&apos;existe pas</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="474"/>
        <source>Expecting property list</source>
        <translation>Liste de propriétés attendue</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="22"/>
        <location filename="../automation/BramblexInterface.cpp" line="76"/>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="31"/>
        <source>Cannot assign object to Process item</source>
        <translation>Impossible d&apos;affecter l&apos;objet à l&apos;élément Processus</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="51"/>
        <source>Cannot assign object to Measurement item</source>
        <translation>Impossible d&apos;affecter l&apos;objet à l&apos;élément Mesure</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="241"/>
        <source>Invalid sort type</source>
        <translation>Type de tri non valide</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="296"/>
        <source>Cannot assign object to Batch item</source>
        <translation>Impossible d&apos;affecter l&apos;objet à l&apos;élément Lot</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="435"/>
        <source>The file &quot;%1&quot; is damaged and was read only in part.
%2
%3 reading(s) and %4 process(es) were read.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est endommagé et n&apos;a été lu qu&apos;en partie.
%2
%3 lecture(s) et %4 processus ont été lus.</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="482"/>
        <source>When Above</source>
        <translation>Si supérieure</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="484"/>
        <source>When Below</source>
        <translation>Si inférieure</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="486"/>
        <source>Invalid Start Temperature Type</source>
        <translation>Type de température de départ non valide</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="525"/>
        <source>Processes moved</source>
        <translation>Processus déplacés</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="529"/>
        <source>Process %1 added</source>
        <translation>Processus %1 ajouté</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="537"/>
        <source>Processes deleted: %1</source>
        <translation>Processus supprimés&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="541"/>
        <source>Process %1 edited</source>
        <translation>Processus %1 modifié</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="545"/>
        <source>%1 (%2 processes before, %3 after)</source>
        <translation>%1 (%2 processus avant, %3 après)</translation>
    </message>
    <message>
        <location filename="../documents/DamagedSource.cpp" line="38"/>
        <source>It is not saved over; save a repaired copy under another name.</source>
        <translation>Il n&apos;est pas écrasé&#xa0;; enregistrez une copie réparée sous un autre nom.</translation>
    </message>
    <message>
        <location filename="../documents/Settings.cpp" line="111"/>
        <source>Unable to assign object to TSettingsItem</source>
        <translation>Impossible d&apos;affecter l&apos;objet à TSettingsItem</translation>
    </message>
    <message>
        <location filename="../documents/Settings.cpp" line="198"/>
        <source>The file &quot;%1&quot; is damaged and was read only in part.
%2
%3 value(s) were read.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est endommagé et n&apos;a été lu qu&apos;en partie.
%2
%3 valeur(s) ont été lues.</translation>
    </message>
    <message>
        <location filename="../documents/Settings.cpp" line="216"/>
        <source>Unable to assign object to TSettings</source>
        <translation>Impossible d&apos;affecter l&apos;objet à TSettings</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="177"/>
        <source>Cannot write the audit trail of &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire la piste d&apos;audit de «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="238"/>
        <source>New batch</source>
        <translation>Nouveau lot</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="243"/>
        <source>Copy of %1, which has no audit trail</source>
        <translation>Copie de %1, qui n&apos;a pas de piste d&apos;audit</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="244"/>
        <source>Copy of %1, whose audit trail ends with record %2</source>
        <translation>Copie de %1, dont la piste d&apos;audit se termine par l&apos;enregistrement %2</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="267"/>
        <source>%1 on %2; readings %3 → %4</source>
        <translation>%1 sur %2&#xa0;; lectures %3 → %4</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="277"/>
        <source>%1 readings cleared</source>
        <translation>%1 lectures effacées</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="284"/>
        <source>%1 readings recovered from %2</source>
        <translation>%1 lectures récupérées depuis %2</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="310"/>
        <source>Batch deleted</source>
        <translation>Lot supprimé</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="350"/>
        <location filename="../audit/AuditTrail.cpp" line="363"/>
        <location filename="../qc/Qc.cpp" line="352"/>
        <location filename="../qc/Qc.cpp" line="389"/>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="440"/>
        <source>The batch is signed: a change to it needs a reason.</source>
        <translation>Le lot est signé&#xa0;: toute modification nécessite un motif.</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="454"/>
        <source>Audit trail started on an existing file</source>
        <translation>Piste d&apos;audit commencée sur un fichier existant</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="460"/>
        <source>The change recorded at %1 did not reach the file</source>
        <translation>La modification enregistrée à %1 n&apos;a pas atteint le fichier</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="469"/>
        <source>The file was removed outside Bramblex after the change recorded at %1</source>
        <translation>Le fichier a été supprimé hors de Bramblex après la modification enregistrée à %1</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="471"/>
        <source>The file was changed outside Bramblex after the change recorded at %1</source>
        <translation>Le fichier a été modifié hors de Bramblex après la modification enregistrée à %1</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="533"/>
        <source>The move recorded before did not happen: %1</source>
        <translation>Le déplacement enregistré auparavant n&apos;a pas eu lieu&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="572"/>
        <source>&quot;%1&quot; is signed: a change to it needs a reason.</source>
        <translation>«&#xa0;%1&#xa0;» est signé&#xa0;: toute modification nécessite un motif.</translation>
    </message>
    <message>
        <location filename="../audit/Signing.cpp" line="81"/>
        <source>Signing is locked after three wrong passwords; try again in %1 seconds.</source>
        <translation>La signature est verrouillée après trois mots de passe erronés&#xa0;; réessayez dans %1 secondes.</translation>
    </message>
    <message>
        <location filename="../audit/Signing.cpp" line="89"/>
        <source>Signature refused: the password cannot be checked.</source>
        <translation>Signature refusée&#xa0;: le mot de passe ne peut pas être vérifié.</translation>
    </message>
    <message>
        <location filename="../audit/Signing.cpp" line="94"/>
        <source>Signature refused: the password is not correct.</source>
        <translation>Signature refusée&#xa0;: le mot de passe est incorrect.</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="174"/>
        <source>Invalid thread operation</source>
        <translation>Opération de thread non valide</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="195"/>
        <source>The measurement run ended on an unknown error.</source>
        <translation>L&apos;essai de mesure s&apos;est terminé sur une erreur inconnue.</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="233"/>
        <source>Unable to set ViscoMeter into computer controlled mode</source>
        <translation>Impossible de passer le ViscoMeter en mode piloté par ordinateur</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="282"/>
        <source>Connected ViscoMeter model is different than one selected in batch.</source>
        <translation>Le modèle de ViscoMeter connecté diffère de celui choisi dans le lot.</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="304"/>
        <source>Begining Process....</source>
        <translation>Démarrage du processus....</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="317"/>
        <source>Waiting for temperature to go above %1 (%2) currently %3 (%4)</source>
        <translation>Attente que la température dépasse %1 (%2), actuellement %3 (%4)</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="321"/>
        <source>Waiting for temperature to go below %1 (%2) currently %3 (%4)</source>
        <translation>Attente que la température descende sous %1 (%2), actuellement %3 (%4)</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="340"/>
        <source>Processing Item %1 of %2</source>
        <translation>Traitement de l&apos;élément %1 sur %2</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="344"/>
        <source>Delaying ... %1 seconds remaining</source>
        <translation>Attente ... %1 secondes restantes</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="355"/>
        <source>An error occured while requesting a measurement</source>
        <translation>Une erreur s&apos;est produite lors de la demande d&apos;une mesure</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="417"/>
        <source>Press the START button on the ViscoMeter to begin</source>
        <translation>Appuyez sur le bouton START du ViscoMeter pour commencer</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="459"/>
        <source>Receiving data from ViscoMeter, click the STOP button to finish collecting data.</source>
        <translation>Réception des données du ViscoMeter, cliquez sur le bouton STOP pour terminer la collecte.</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="31"/>
        <source>Selected ViscoMeter model does not support processes</source>
        <translation>Le modèle de ViscoMeter choisi ne prend pas en charge les processus</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="55"/>
        <source>Process time has to be greater than zero</source>
        <translation>La durée du processus doit être supérieure à zéro</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="57"/>
        <source>Insufficient time to do RPM changes</source>
        <translation>Temps insuffisant pour effectuer les changements de vitesse (tr/min)</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="63"/>
        <source>Start delay has to be greater than zero</source>
        <translation>Le délai de départ doit être supérieur à zéro</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="73"/>
        <source>Start temperature has to within the range of %1 (%2) to %3 (%4)</source>
        <translation>La température de départ doit être comprise entre %1 (%2) et %3 (%4)</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="82"/>
        <source>Measurement range for a process taking %1 seconds is between %2 and %3</source>
        <translation>Pour un processus de %1 secondes, le nombre de mesures doit être compris entre %2 et %3</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="90"/>
        <source>The process speeds are not available with the selected spindle</source>
        <translation>Les vitesses du processus ne sont pas disponibles avec le mobile choisi</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="121"/>
        <source>Spindle types PA to PF only allow process RPM to go up to 12rpm, please modify process RPM before changing spindle</source>
        <translation>Les mobiles de type PA à PF n&apos;acceptent qu&apos;une vitesse de processus de 12 tr/min au plus&#xa0;; modifiez la vitesse du processus avant de changer de mobile</translation>
    </message>
    <message>
        <location filename="../instrument/ViscoMeterInterface.cpp" line="162"/>
        <source>Communications Error: (Invalid Communications Port)</source>
        <translation>Erreur de communication&#xa0;: (port de communication non valide)</translation>
    </message>
    <message>
        <location filename="../instrument/ViscoMeterInterface.cpp" line="275"/>
        <source>ReadInstrumentModel: Unknown model %1</source>
        <translation>ReadInstrumentModel&#xa0;: modèle inconnu %1</translation>
    </message>
    <message>
        <location filename="../instrument/ViscoMeterInterface.cpp" line="325"/>
        <source>This viscometer does not support %1 RPM</source>
        <translation>Ce viscosimètre ne prend pas en charge %1 tr/min</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="118"/>
        <source>Unknown fault &quot;%1&quot;; known faults: %2.</source>
        <translation>Défaut inconnu «&#xa0;%1&#xa0;»&#xa0;; défauts connus&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="172"/>
        <source>Unknown fluid &quot;%1&quot;; known fluids: paint, oil, paste.</source>
        <translation>Fluide inconnu «&#xa0;%1&#xa0;»&#xa0;; fluides connus&#xa0;: paint, oil, paste.</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="233"/>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="255"/>
        <source>Cannot open a pseudo-terminal: %1</source>
        <translation>Impossible d&apos;ouvrir un pseudo-terminal&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="315"/>
        <source>The simulator is not running.</source>
        <translation>Le simulateur n&apos;est pas en cours d&apos;exécution.</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="320"/>
        <source>%1 exists and is not a link; it was left as it is.</source>
        <translation>%1 existe et n&apos;est pas un lien&#xa0;; il a été laissé tel quel.</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="325"/>
        <source>Cannot make the link %1: %2</source>
        <translation>Impossible de créer le lien %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="378"/>
        <source>No usable reading has shear data.</source>
        <translation>Aucune lecture exploitable ne comporte de données de cisaillement.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="379"/>
        <source>The spindle gives no shear data.</source>
        <translation>Le mobile ne fournit pas de données de cisaillement.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="396"/>
        <source>%1 needs more than %2 readings with shear data (%3 found).</source>
        <translation>%1 nécessite plus de %2 lectures avec données de cisaillement (%3 trouvées).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="400"/>
        <source>%1 needs readings at %2 different shear rates (%3 found).</source>
        <translation>%1 nécessite des lectures à %2 vitesses de cisaillement différentes (%3 trouvées).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="410"/>
        <source>%1 could not be fitted to these readings.</source>
        <translation>%1 n&apos;a pas pu être ajusté à ces lectures.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="526"/>
        <source>Too few readings with shear data for any flow model (%1 found).</source>
        <translation>Trop peu de lectures avec données de cisaillement pour un modèle d&apos;écoulement (%1 trouvées).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="537"/>
        <source>Too few readings with shear data to compare the models (%1 found).</source>
        <translation>Trop peu de lectures avec données de cisaillement pour comparer les modèles (%1 trouvées).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="554"/>
        <location filename="../analysis/Analysis.cpp" line="603"/>
        <location filename="../analysis/Analysis.cpp" line="791"/>
        <source>No usable reading.</source>
        <translation>Aucune lecture exploitable.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="555"/>
        <source>The flow index needs readings at two different speeds.</source>
        <translation>L&apos;indice d&apos;écoulement nécessite des lectures à deux vitesses différentes.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="597"/>
        <source>The thixotropic index needs readings at a speed and at ten times that speed.</source>
        <translation>L&apos;indice de thixotropie nécessite des lectures à une vitesse et à dix fois cette vitesse.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="621"/>
        <source>The temperature dependence needs at least 3 readings at one speed spanning 5 K or more (%1 at %2 RPM spanning %3 K).</source>
        <translation>La dépendance à la température nécessite au moins 3 lectures à une même vitesse couvrant 5 K ou plus (%1 à %2 tr/min couvrant %3 K).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="666"/>
        <source>Newtonian</source>
        <translation>Newtonien</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="668"/>
        <source>Power law</source>
        <translation>Loi de puissance</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="670"/>
        <source>Bingham</source>
        <translation>Bingham</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="672"/>
        <source>Casson</source>
        <translation>Casson</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="674"/>
        <source>Herschel–Bulkley</source>
        <translation>Herschel–Bulkley</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="735"/>
        <source>The batch has no readings.</source>
        <translation>Le lot ne contient aucune lecture.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="737"/>
        <source>No usable reading: %1 over scale, %2 low torque.</source>
        <translation>Aucune lecture exploitable&#xa0;: %1 hors échelle, %2 à couple faible.</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="120"/>
        <source>Readings: %1, used: %2 (left out: %3 over scale, %4 low torque%5; %6 without shear data)</source>
        <translation>Lectures&#xa0;: %1, utilisées&#xa0;: %2 (écartées&#xa0;: %3 hors échelle, %4 à couple faible%5&#xa0;; %6 sans données de cisaillement)</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="125"/>
        <source>, low torque included</source>
        <translation>, couple faible inclus</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="128"/>
        <source>Flow models</source>
        <translation>Modèles d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="133"/>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="133"/>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="133"/>
        <source>R²</source>
        <translation>R²</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="133"/>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="134"/>
        <source>AICc</source>
        <translation>AICc</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="168"/>
        <source>Best model (lowest AICc): %1</source>
        <translation>Meilleur modèle (AICc le plus bas)&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="173"/>
        <source>Flow index from speed</source>
        <translation>Indice d&apos;écoulement d&apos;après la vitesse</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="176"/>
        <source>n = %1, K = %2 %3 (at 1 RPM), R² = %4, points: %5</source>
        <translation>n = %1, K = %2 %3 (à 1 tr/min), R² = %4, points&#xa0;: %5</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="182"/>
        <location filename="../qc/Qc.cpp" line="203"/>
        <source>Thixotropic index</source>
        <translation>Indice de thixotropie</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="184"/>
        <source>%1 (%2 RPM / %3 RPM)</source>
        <translation>%1 (%2 tr/min / %3 tr/min)</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="190"/>
        <source>Temperature dependence (Arrhenius)</source>
        <translation>Dépendance à la température (Arrhenius)</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="192"/>
        <source>Ea = %1 kJ/mol, ln A = %2, R² = %3, at %4 RPM, points: %5</source>
        <translation>Ea = %1 kJ/mol, ln A = %2, R² = %3, à %4 tr/min, points&#xa0;: %5</translation>
    </message>
    <message>
        <location filename="../reports/ChartFlow.cpp" line="9"/>
        <source>Shear Rate (1/s)</source>
        <translation>Vitesse de cisaillement (1/s)</translation>
    </message>
    <message>
        <location filename="../reports/ChartFlow.cpp" line="13"/>
        <source>Shear Stress (%1)</source>
        <translation>Contrainte de cisaillement (%1)</translation>
    </message>
    <message>
        <location filename="../reports/ChartFlow.cpp" line="22"/>
        <location filename="../reports/PageItemReadings.cpp" line="121"/>
        <source>Readings</source>
        <translation>Lectures</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="52"/>
        <source>Opening Page</source>
        <translation>Page d&apos;ouverture</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="52"/>
        <source>Inner Page</source>
        <translation>Page intérieure</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="52"/>
        <source>Closing Page</source>
        <translation>Page de fin</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="56"/>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="56"/>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="65"/>
        <source>PageWidth</source>
        <translation>Largeur de page</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="67"/>
        <source>PageHeight</source>
        <translation>Hauteur de page</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="69"/>
        <source>PageType</source>
        <translation>Type de page</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="73"/>
        <source>PageOrientation</source>
        <translation>Orientation de page</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="76"/>
        <source>PaperSize</source>
        <translation>Format de papier</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="155"/>
        <source>Cannot assign object to Page object</source>
        <translation>Impossible d&apos;affecter l&apos;objet à l&apos;objet Page</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="245"/>
        <source>Invalid Page Orientation</source>
        <translation>Orientation de page non valide</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="455"/>
        <source>Too many items, please rename some.</source>
        <translation>Trop d&apos;éléments, veuillez en renommer certains.</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="563"/>
        <source>Example Batch</source>
        <translation>Lot d&apos;exemple</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="564"/>
        <source>C:\Documents and Settings\ExampleUser\My Documents\My Gaugeline Data\</source>
        <translation>C:\Documents and Settings\UtilisateurExemple\Mes documents\Mes données Gaugeline\</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="22"/>
        <location filename="../reports/PageItem.cpp" line="41"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="22"/>
        <location filename="../reports/PageItem.cpp" line="42"/>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="22"/>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="22"/>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="43"/>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="44"/>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="46"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="47"/>
        <source>PageItem</source>
        <translation>ÉlémentPage</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="54"/>
        <source>Item name already in use.</source>
        <translation>Nom d&apos;élément déjà utilisé.</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="57"/>
        <source>Anchor</source>
        <translation>Ancrage</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="95"/>
        <location filename="../reports/PageItemChartFlow.cpp" line="13"/>
        <location filename="../reports/PageItemChartRun.cpp" line="19"/>
        <source>FontName</source>
        <translation>Police</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="97"/>
        <source>FontSize</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="101"/>
        <source>FontColour</source>
        <translation>Couleur de police</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="107"/>
        <source>Cannot assign object to %1</source>
        <translation>Impossible d&apos;affecter l&apos;objet à %1</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="15"/>
        <location filename="../reports/PageItemChartRun.cpp" line="22"/>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="16"/>
        <location filename="../reports/PageItemChartRun.cpp" line="23"/>
        <source>ShowLegend</source>
        <translation>Afficher la légende</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="17"/>
        <source>Logarithmic</source>
        <translation>Logarithmique</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="18"/>
        <source>IncludeLowTorque</source>
        <translation>Inclure couple faible</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="19"/>
        <source>ChartFlow</source>
        <translation>CourbeÉcoulement</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartRun.cpp" line="21"/>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartRun.cpp" line="24"/>
        <source>ReadingsPerPage</source>
        <translation>Lectures par page</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartRun.cpp" line="27"/>
        <source>ChartRun</source>
        <translation>GraphiqueEssai</translation>
    </message>
    <message>
        <location filename="../reports/PageItemGraphic.cpp" line="39"/>
        <location filename="../reports/PageItemGraphic.cpp" line="46"/>
        <source>Graphic</source>
        <translation>Image</translation>
    </message>
    <message>
        <location filename="../reports/PageItemGraphic.cpp" line="40"/>
        <source>AspectRatio</source>
        <translation>Conserver les proportions</translation>
    </message>
    <message>
        <location filename="../reports/PageItemGraphic.cpp" line="43"/>
        <location filename="../reports/PageItemMemo.cpp" line="264"/>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="104"/>
        <source>%1 (an earlier version)</source>
        <translation>%1 (version antérieure)</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="122"/>
        <source>Top Left</source>
        <translation>Haut gauche</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="122"/>
        <source>Top Middle</source>
        <translation>Haut centre</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="122"/>
        <source>Top Right</source>
        <translation>Haut droite</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="123"/>
        <source>Middle Left</source>
        <translation>Milieu gauche</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="123"/>
        <source>Middle Middle</source>
        <translation>Milieu centre</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="123"/>
        <source>Middle Right</source>
        <translation>Milieu droite</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="124"/>
        <source>Bottom Left</source>
        <translation>Bas gauche</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="124"/>
        <source>Bottom Middle</source>
        <translation>Bas centre</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="124"/>
        <source>Bottom Right</source>
        <translation>Bas droite</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="142"/>
        <source>Data values only available on inner pages</source>
        <translation>Valeurs de données disponibles uniquement sur les pages intérieures</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="257"/>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="258"/>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="259"/>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="260"/>
        <source>Strikeout</source>
        <translation>Barré</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="261"/>
        <source>WordWrap</source>
        <translation>Retour à la ligne</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="262"/>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="268"/>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="117"/>
        <source>RowsPerPage</source>
        <translation>Lignes par page</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="120"/>
        <source>ShowColumnHeader</source>
        <translation>Afficher l&apos;en-tête des colonnes</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="158"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="159"/>
        <location filename="../export/BatchExport.cpp" line="122"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="158"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="160"/>
        <location filename="../export/BatchExport.cpp" line="115"/>
        <location filename="../export/BatchExport.cpp" line="123"/>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="161"/>
        <location filename="../export/BatchExport.cpp" line="124"/>
        <source>Viscosity</source>
        <translation>Viscosité</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="163"/>
        <location filename="../export/BatchExport.cpp" line="126"/>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="166"/>
        <location filename="../export/BatchExport.cpp" line="128"/>
        <source>Shear Stress</source>
        <translation>Contrainte de cisaillement</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="166"/>
        <location filename="../export/BatchExport.cpp" line="129"/>
        <source>Shear Rate</source>
        <translation>Vitesse de cisaillement</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="12"/>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="12"/>
        <source>Horizontal Line</source>
        <translation>Ligne horizontale</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="12"/>
        <source>Vertical Line</source>
        <translation>Ligne verticale</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="16"/>
        <source>LineColour</source>
        <translation>Couleur du trait</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="17"/>
        <source>FillColour</source>
        <translation>Couleur de remplissage</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="18"/>
        <source>LineStyle</source>
        <translation>Style du trait</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="19"/>
        <source>FillStyle</source>
        <translation>Style de remplissage</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="20"/>
        <source>LineWidth</source>
        <translation>Épaisseur du trait</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="21"/>
        <location filename="../reports/PageItemShape.cpp" line="24"/>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <location filename="../reports/PageItemTypes.cpp" line="59"/>
        <source>Class %1 not found</source>
        <translation>Classe %1 introuvable</translation>
    </message>
    <message>
        <location filename="../reports/Report.cpp" line="100"/>
        <source>The file &quot;%1&quot; is damaged and was read only in part.
%2
%3 page(s) were read.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est endommagé et n&apos;a été lu qu&apos;en partie.
%2
%3 page(s) ont été lues.</translation>
    </message>
    <message>
        <location filename="../storage/FileItem.cpp" line="121"/>
        <location filename="../storage/FileItem.cpp" line="129"/>
        <source>Cannot save file that is not loaded</source>
        <translation>Impossible d&apos;enregistrer un fichier qui n&apos;est pas chargé</translation>
    </message>
    <message>
        <location filename="../storage/FileItem.cpp" line="123"/>
        <source>Cannot save a batch without the record of its change</source>
        <translation>Impossible d&apos;enregistrer un lot sans l&apos;enregistrement d&apos;audit de sa modification</translation>
    </message>
    <message>
        <location filename="../storage/FileItem.cpp" line="164"/>
        <source>Cannot assign object to File item</source>
        <translation>Impossible d&apos;affecter l&apos;objet à l&apos;élément Fichier</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="116"/>
        <source>Copy of file and folders canceled</source>
        <translation>Copie des fichiers et dossiers annulée</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="131"/>
        <source>Destination same as source folder</source>
        <translation>La destination est identique au dossier source</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="135"/>
        <source>The folder already contains a folder named &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
If the files in the existing folder have the same name as the files in the<byte value="xd"/>
folder you are moving or copying, they will be replaced.  Do you still<byte value="xd"/>
want to move or copy the folder?</source>
        <translation>Le dossier contient déjà un dossier nommé « %1 »<byte value="xd"/>
<byte value="xd"/>
Si des fichiers du dossier existant portent le même nom que des fichiers du<byte value="xd"/>
dossier que vous déplacez ou copiez, ils seront remplacés. Voulez-vous tout de même<byte value="xd"/>
déplacer ou copier le dossier ?</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="143"/>
        <source>The folder already contains a file named &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Would you like to replace the existing file?</source>
        <translation>Le dossier contient déjà un fichier nommé « %1 »<byte value="xd"/>
<byte value="xd"/>
Voulez-vous remplacer le fichier existant ?</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="165"/>
        <source>Cannot read from the source file or disk</source>
        <translation>Impossible de lire le fichier source ou le disque</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="181"/>
        <location filename="../storage/FileOperations.cpp" line="226"/>
        <location filename="../storage/StoragePaths.cpp" line="140"/>
        <location filename="../storage/StoragePaths.cpp" line="158"/>
        <location filename="../ui/FormMain.cpp" line="1273"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="279"/>
        <source>Unable to create directories</source>
        <translation>Impossible de créer les dossiers</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="207"/>
        <source>Unable to copy file %1</source>
        <translation>Impossible de copier le fichier %1</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="244"/>
        <location filename="../storage/FileOperations.cpp" line="321"/>
        <source>Unable to delete directory %1</source>
        <translation>Impossible de supprimer le dossier %1</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="261"/>
        <location filename="../storage/FileOperations.cpp" line="290"/>
        <location filename="../storage/FileOperations.cpp" line="302"/>
        <source>Unable to delete file %1</source>
        <translation>Impossible de supprimer le fichier %1</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="284"/>
        <source>Unable to move file %1</source>
        <translation>Impossible de déplacer le fichier %1</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="412"/>
        <source>Copy of %1</source>
        <translation>Copie de %1</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="416"/>
        <source>Copy (%1) of %2</source>
        <translation>Copie (%1) de %2</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="420"/>
        <source>Unable to copy, too many &quot;Copy of&quot; files</source>
        <translation>Impossible de copier, trop de fichiers «&#xa0;Copie de&#xa0;»</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="433"/>
        <source>Unable to create file/folder, too many default named items.</source>
        <translation>Impossible de créer le fichier ou dossier, trop d&apos;éléments portant le nom par défaut.</translation>
    </message>
    <message>
        <location filename="../storage/StoragePaths.cpp" line="44"/>
        <source>My ViscoMeter Data</source>
        <translation>Mes données ViscoMeter</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="44"/>
        <source>The QC limit set &quot;%1&quot; is damaged: %2</source>
        <translation>Le jeu de limites CQ «&#xa0;%1&#xa0;» est endommagé&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="100"/>
        <source>No usable reading at %1 RPM.</source>
        <translation>Aucune lecture exploitable à %1 tr/min.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="134"/>
        <source>The best flow model (%1) has no %2.</source>
        <translation>Le meilleur modèle d&apos;écoulement (%1) n&apos;a pas de paramètre %2.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="148"/>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="150"/>
        <source>at least %1</source>
        <translation>au moins %1</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="151"/>
        <source>at most %1</source>
        <translation>au plus %1</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="191"/>
        <source>Viscosity at %1 RPM</source>
        <translation>Viscosité à %1 tr/min</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="193"/>
        <source>Temperature at %1 RPM</source>
        <translation>Température à %1 tr/min</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="195"/>
        <source>Flow index</source>
        <translation>Indice d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="197"/>
        <source>Yield stress</source>
        <translation>Seuil d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="199"/>
        <source>Consistency K</source>
        <translation>Consistance K</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="201"/>
        <source>Flow model n</source>
        <translation>n du modèle d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="205"/>
        <source>Activation energy</source>
        <translation>Énergie d&apos;activation</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="221"/>
        <source>kJ/mol</source>
        <translation>kJ/mol</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="257"/>
        <source>A criterion needs a lower limit, an upper limit or both.</source>
        <translation>Un critère nécessite une limite inférieure, une limite supérieure ou les deux.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="259"/>
        <source>A limit is not a number.</source>
        <translation>Une limite n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="261"/>
        <source>The lower limit is above the upper limit.</source>
        <translation>La limite inférieure est au-dessus de la limite supérieure.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="263"/>
        <source>The speed must be more than 0 RPM.</source>
        <translation>La vitesse doit être supérieure à 0 tr/min.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="293"/>
        <location filename="../qc/Qc.cpp" line="359"/>
        <location filename="../qc/Qc.cpp" line="409"/>
        <source>&quot;%1&quot; is not a valid name.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom valide.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="316"/>
        <source>it is not a QC limit set.</source>
        <translation>ce n&apos;est pas un jeu de limites CQ.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="328"/>
        <source>criterion %1 measures &quot;%2&quot;.</source>
        <translation>le critère %1 mesure «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="332"/>
        <source>criterion %1 has no speed.</source>
        <translation>le critère %1 n&apos;a pas de vitesse.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="334"/>
        <source>a limit of criterion %1 is not a number.</source>
        <translation>une limite du critère %1 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="336"/>
        <source>criterion %1: %2</source>
        <translation>critère %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="351"/>
        <source>The QC limit set &quot;%1&quot; does not exist.</source>
        <translation>Le jeu de limites CQ «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="363"/>
        <source>A limit set with the name you specified already exists. Specify a different name.</source>
        <translation>Un jeu de limites portant le nom indiqué existe déjà. Indiquez un autre nom.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="396"/>
        <source>The QC limit set assignment of the folder &quot;%1&quot; is damaged.</source>
        <translation>L&apos;affectation de jeu de limites CQ du dossier «&#xa0;%1&#xa0;» est endommagée.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="377"/>
        <location filename="../qc/Qc.cpp" line="405"/>
        <location filename="../automation/AutomationRegistration.cpp" line="96"/>
        <source>Cannot delete file &quot;%1&quot;.</source>
        <translation>Impossible de supprimer le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="450"/>
        <source>PASS</source>
        <translation>CONFORME</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="452"/>
        <source>FAIL</source>
        <translation>NON CONFORME</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="454"/>
        <source>INCOMPLETE</source>
        <translation>INCOMPLET</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="480"/>
        <source>The result is not a number.</source>
        <translation>Le résultat n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="95"/>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="96"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="97"/>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="98"/>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="99"/>
        <location filename="../export/BatchExport.cpp" line="113"/>
        <source>Identifier</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="100"/>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="101"/>
        <source>Model Type</source>
        <translation>Type de modèle</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="102"/>
        <source>Spindle Type</source>
        <translation>Type de mobile</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="109"/>
        <source>Processes</source>
        <translation>Processus</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="110"/>
        <location filename="../export/BatchExport.cpp" line="117"/>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="113"/>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="114"/>
        <source>RPM Start</source>
        <translation>tr/min début</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="114"/>
        <source>RPM End</source>
        <translation>tr/min fin</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="115"/>
        <source>Start Temp</source>
        <translation>Temp. départ</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="116"/>
        <source>Temp Tend.</source>
        <translation>Tend. temp.</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="116"/>
        <source>Start Delay</source>
        <translation>Délai départ</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="14"/>
        <source>Export to Excel</source>
        <translation>Exporter vers Excel</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="16"/>
        <source>Excel Files (*.xls)|*.xls|All Files (*.*)|*.*</source>
        <translation>Fichiers Excel (*.xls)|*.xls|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="18"/>
        <source>Export to CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="20"/>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <translation>Fichiers CSV (*.csv)|*.csv|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="77"/>
        <source>Would you like to replace the existing file?</source>
        <translation>Voulez-vous remplacer le fichier existant&#xa0;?</translation>
    </message>
    <message>
        <location filename="../services/BatchReport.cpp" line="22"/>
        <source>Report does not exist</source>
        <translation>Le rapport n&apos;existe pas</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="109"/>
        <location filename="../services/ReportJobs.cpp" line="143"/>
        <source>Cannot read the batch &quot;%1&quot;.</source>
        <translation>Impossible de lire le lot «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="119"/>
        <source>Cannot read the report template &quot;%1&quot;.</source>
        <translation>Impossible de lire le modèle de rapport «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="227"/>
        <location filename="../services/ReportJobs.cpp" line="487"/>
        <source>Page %1 has no size that can be written: it is %2 mm wide and %3 mm high.</source>
        <translation>La page %1 n&apos;a pas de taille qui puisse être écrite&#xa0;: elle mesure %2 mm de large et %3 mm de haut.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="318"/>
        <source>Cannot start the PDF document.</source>
        <translation>Impossible de commencer le document PDF.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="346"/>
        <source>The PDF file &quot;%1&quot; was written, but could not be opened.</source>
        <translation>Le fichier PDF «&#xa0;%1&#xa0;» a été écrit, mais n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="385"/>
        <source>Cannot write the JPEG file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire le fichier JPEG «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="387"/>
        <source>The JPEG encoder failed.</source>
        <translation>L&apos;encodeur JPEG a échoué.</translation>
    </message>
    <message>
        <location filename="../services/ReportMail.cpp" line="12"/>
        <source>Please find attached a report on the following batches:</source>
        <translation>Veuillez trouver ci-joint un rapport sur les lots suivants&#xa0;:</translation>
    </message>
    <message>
        <location filename="../services/ReportMail.cpp" line="22"/>
        <location filename="../services/ReportMail.cpp" line="24"/>
        <location filename="../services/ReportMail.cpp" line="31"/>
        <location filename="../tools/cli/CmdReport.cpp" line="216"/>
        <location filename="../tools/cli/CmdReport.cpp" line="228"/>
        <source>Bramblex Report</source>
        <translation>Rapport Bramblex</translation>
    </message>
    <message>
        <location filename="../services/ReportMail.cpp" line="55"/>
        <source>MAPI Error %1: %2</source>
        <translation>Erreur MAPI %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../services/ReportPrinting.cpp" line="109"/>
        <location filename="../tools/cli/CmdReport.cpp" line="261"/>
        <source>Page does not exist</source>
        <translation>La page n&apos;existe pas</translation>
    </message>
    <message>
        <location filename="../services/RunJournal.cpp" line="108"/>
        <source>&quot;%1&quot; is being measured by another run.</source>
        <translation>«&#xa0;%1&#xa0;» est mesuré par un autre essai.</translation>
    </message>
    <message>
        <location filename="../services/RunJournal.cpp" line="112"/>
        <source>The readings of an interrupted run of &quot;%1&quot; have not been recovered yet. Select the batch to recover them before you start another run.</source>
        <translation>Les lectures d&apos;un essai interrompu de «&#xa0;%1&#xa0;» n&apos;ont pas encore été récupérées. Sélectionnez le lot pour les récupérer avant de lancer un autre essai.</translation>
    </message>
    <message>
        <location filename="../services/RunJournal.cpp" line="237"/>
        <source>The journal &quot;%1&quot; is in use.</source>
        <translation>Le journal «&#xa0;%1&#xa0;» est en cours d&apos;utilisation.</translation>
    </message>
    <message>
        <location filename="../services/RunJournal.cpp" line="247"/>
        <source>The readings of the run stay in the journal &quot;%1&quot;.</source>
        <translation>Les lectures de l&apos;essai restent dans le journal «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="21"/>
        <source>Simulated ViscoMeter</source>
        <translation>ViscoMeter simulé</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="99"/>
        <source>Process %1: %2</source>
        <translation>Processus %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="137"/>
        <source>Invalid Communications Port</source>
        <translation>Port de communication non valide</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="226"/>
        <source>The readings cannot be written to the run journal &quot;%1&quot;. They are still collected and saved when the run ends.</source>
        <translation>Les lectures ne peuvent pas être écrites dans le journal d&apos;essai «&#xa0;%1&#xa0;». Elles sont toujours collectées et enregistrées à la fin de l&apos;essai.</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="248"/>
        <source>Saving the readings...</source>
        <translation>Enregistrement des lectures...</translation>
    </message>
    <message>
        <location filename="../automation/AutomationRegistration.cpp" line="86"/>
        <source>Cannot create folder &quot;%1&quot;.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../automation/AutomationService.cpp" line="174"/>
        <location filename="../tools/cli/CmdAutomation.cpp" line="91"/>
        <source>Cannot reach the session bus.</source>
        <translation>Impossible d&apos;atteindre le bus de session.</translation>
    </message>
    <message>
        <location filename="../automation/AutomationService.cpp" line="177"/>
        <source>Cannot offer the automation object on the session bus.</source>
        <translation>Impossible de proposer l&apos;objet d&apos;automatisation sur le bus de session.</translation>
    </message>
    <message>
        <location filename="../automation/AutomationService.cpp" line="272"/>
        <source>This automation object was released; call CreateInstance.</source>
        <translation>Cet objet d&apos;automatisation a été libéré&#xa0;; appelez CreateInstance.</translation>
    </message>
    <message>
        <location filename="../automation/AutomationService.cpp" line="273"/>
        <source>This automation object serves another client.</source>
        <translation>Cet objet d&apos;automatisation sert un autre client.</translation>
    </message>
    <message>
        <location filename="../automation/BramblexInterface.cpp" line="59"/>
        <location filename="../automation/BramblexInterface.cpp" line="66"/>
        <source>No batch is open</source>
        <translation>Aucun lot n&apos;est ouvert</translation>
    </message>
    <message>
        <location filename="../automation/BramblexInterface.cpp" line="79"/>
        <source>Cannot copy the page to the clipboard.</source>
        <translation>Impossible de copier la page dans le presse-papiers.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="786"/>
        <source>No program could open &quot;%1&quot;.</source>
        <translation>Aucun programme n&apos;a pu ouvrir «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="858"/>
        <location filename="../ui/FormMain.cpp" line="967"/>
        <source>A folder with the name you specified already exists. Specify a different name.</source>
        <translation>Un dossier portant le nom indiqué existe déjà. Indiquez un autre nom.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="862"/>
        <location filename="../ui/FormLocal.cpp" line="866"/>
        <source>A file with the name you specified already exists. Specify a different name.</source>
        <translation>Un fichier portant le nom indiqué existe déjà. Indiquez un autre nom.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="869"/>
        <source>Cannot rename unknown file type.</source>
        <translation>Impossible de renommer un type de fichier inconnu.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="874"/>
        <location filename="../ui/FormMain.cpp" line="963"/>
        <source>The name you specified is not valid. Specify a different name.</source>
        <translation>Le nom indiqué n&apos;est pas valide. Indiquez un autre nom.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="891"/>
        <location filename="../ui/FormMain.cpp" line="983"/>
        <source>Unable to rename &quot;%1&quot;</source>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1069"/>
        <source>COM Server Warning</source>
        <translation>Avertissement du serveur COM</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1070"/>
        <source>There are still active COM objects in this application.  One or more clients may have references to these objects, so manually closing </source>
        <translation>Des objets COM sont encore actifs dans cette application.  Un ou plusieurs clients peuvent détenir des références à ces objets&#xa0;; fermer manuellement </translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1072"/>
        <source>this application may cause those client application(s) to fail.<byte value="xd"/>
<byte value="xd"/>
Are you sure you want to close this application?</source>
        <translation>cette application peut donc faire échouer ces applications clientes.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous vraiment fermer cette application ?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1189"/>
        <source>The user guide &quot;%1&quot; could not be opened.</source>
        <translation>Le guide de l&apos;utilisateur «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1229"/>
        <source>Select the directory in which to store application data</source>
        <translation>Choisissez le dossier dans lequel enregistrer les données de l&apos;application</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1271"/>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1298"/>
        <source>New Batch</source>
        <translation>Nouveau lot</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1322"/>
        <location filename="../ui/FormMain.cpp" line="1340"/>
        <source>Are you sure you want to remove the folder named &apos;%1&apos; and all its contents?</source>
        <translation>Voulez-vous vraiment supprimer le dossier «&#xa0;%1&#xa0;» et tout son contenu&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1343"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Voulez-vous vraiment supprimer «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1347"/>
        <source>Are you sure you want to delete these %1 items?</source>
        <translation>Voulez-vous vraiment supprimer ces %1 éléments&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1399"/>
        <source>All collected data will be lost, are you sure?</source>
        <translation>Toutes les données collectées seront perdues, voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1490"/>
        <source>No run was started: save a repaired copy and run that one.</source>
        <translation>Aucun essai n&apos;a été lancé&#xa0;: enregistrez une copie réparée et lancez l&apos;essai sur celle-ci.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1557"/>
        <source>The readings of the run could not be saved in &quot;%1&quot;.
%2
Choose another file to save the batch in.</source>
        <translation>Les lectures de l&apos;essai n&apos;ont pas pu être enregistrées dans «&#xa0;%1&#xa0;».
%2
Choisissez un autre fichier pour enregistrer le lot.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1561"/>
        <source>Save Batch As</source>
        <translation>Enregistrer le lot sous</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1564"/>
        <location filename="../ui/FormMain.cpp" line="1623"/>
        <source>Batch Files (*.epb);;All Files (*)</source>
        <translation>Fichiers de lot (*.epb);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1567"/>
        <source>The readings of the run are kept in &quot;%1&quot;. Bramblex offers to recover them into the batch when it is selected again.</source>
        <translation>Les lectures de l&apos;essai sont conservées dans «&#xa0;%1&#xa0;». Bramblex proposera de les récupérer dans le lot quand celui-ci sera de nouveau sélectionné.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1616"/>
        <source>Bramblex does not save over this file. Save a repaired copy of what was read under another name?</source>
        <translation>Bramblex n&apos;écrase pas ce fichier. Enregistrer sous un autre nom une copie réparée de ce qui a été lu&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1620"/>
        <source>Save Repaired Copy</source>
        <translation>Enregistrer une copie réparée</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1622"/>
        <source>%1 (repaired)</source>
        <translation>%1 (réparé)</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1634"/>
        <source>Repaired copy of the part of &quot;%1&quot; that could be read</source>
        <translation>Copie réparée de la partie lisible de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1672"/>
        <source>A run of the batch &quot;%1&quot; ended without saving %2 reading(s). Recover them into the batch now?</source>
        <translation>Un essai du lot «&#xa0;%1&#xa0;» s&apos;est terminé sans enregistrer %2 lecture(s). Les récupérer dans le lot maintenant&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1682"/>
        <source>%1 reading(s) were recovered into &quot;%2&quot;.</source>
        <translation>%1 lecture(s) récupérée(s) dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="338"/>
        <source>A ViscoMeter model must be selected</source>
        <translation>Un modèle de ViscoMeter doit être choisi</translation>
    </message>
    <message>
        <location filename="../app/Main.cpp" line="69"/>
        <source>Korvane Bramblex</source>
        <translation>Korvane Bramblex</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAnalyze.cpp" line="21"/>
        <source>usage: bramblex-cli analyze BATCH.epb [--include-low-torque] [--json]</source>
        <translation>utilisation&#xa0;: bramblex-cli analyze BATCH.epb [--include-low-torque] [--json]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAnalyze.cpp" line="30"/>
        <source>The batch &quot;%1&quot; cannot be analysed: %2</source>
        <translation>Le lot «&#xa0;%1&#xa0;» ne peut pas être analysé&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAnalyze.cpp" line="47"/>
        <source>flow models, flow index, thixotropic index and temperature dependence of a batch</source>
        <translation>modèles d&apos;écoulement, indice d&apos;écoulement, indice de thixotropie et dépendance à la température d&apos;un lot</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="31"/>
        <source>render-page: --dpi takes a whole number from 1 to 2400</source>
        <translation>render-page&#xa0;: --dpi attend un nombre entier de 1 à 2400</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="40"/>
        <source>usage: bramblex-cli render-page TEMPLATE.epr INDEX OUT.png [--batch BATCH.epb] [--dpi N]</source>
        <translation>utilisation&#xa0;: bramblex-cli render-page TEMPLATE.epr INDEX OUT.png [--batch BATCH.epb] [--dpi N]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="49"/>
        <source>render-page: the report has %1 pages; INDEX counts from 0</source>
        <translation>render-page&#xa0;: le rapport compte %1 pages&#xa0;; INDEX commence à 0</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="63"/>
        <source>render-page: a page of %1 x %2 pixels cannot be drawn</source>
        <translation>render-page&#xa0;: une page de %1 x %2 pixels ne peut pas être dessinée</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="84"/>
        <source>Cannot encode the page as PNG</source>
        <translation>Impossible d&apos;encoder la page en PNG</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="91"/>
        <source>draw page INDEX (from 0) of a report template into a PNG, inner pages bound to the batch</source>
        <translation>dessine la page INDEX (à partir de 0) d&apos;un modèle de rapport dans un PNG, pages intérieures liées au lot</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="62"/>
        <source>report: %1</source>
        <translation>report&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="63"/>
        <source>usage: bramblex-cli report %1</source>
        <translation>utilisation&#xa0;: bramblex-cli report %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="174"/>
        <source>Cannot encode the picture &quot;%1&quot; as PNG.</source>
        <translation>Impossible d&apos;encoder l&apos;image «&#xa0;%1&#xa0;» en PNG.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="249"/>
        <source>No mail program is set up: install xdg-utils and choose a program for e-mail.</source>
        <translation>Aucun programme de messagerie n&apos;est configuré&#xa0;: installez xdg-utils et choisissez un programme de courriel.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="278"/>
        <source>composes report templates with batches as the report preview does and writes PDF, JPEG, a print job, thumbnails, an SVG page, the page count or a mail</source>
        <translation>compose des modèles de rapport avec des lots comme l&apos;aperçu des rapports et écrit un PDF, un JPEG, une tâche d&apos;impression, des vignettes, une page SVG, le nombre de pages ou un courriel</translation>
    </message>
    <message>
        <location filename="../tools/cli/CliCommand.cpp" line="23"/>
        <source>warning: </source>
        <translation>avertissement&#xa0;: </translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="31"/>
        <source>usage: bramblex-cli audit show BATCH [--json]</source>
        <translation>utilisation&#xa0;: bramblex-cli audit show BATCH [--json]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="36"/>
        <location filename="../tools/cli/CmdAudit.cpp" line="166"/>
        <source>%1: no such batch</source>
        <translation>%1&#xa0;: lot introuvable</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="82"/>
        <source>usage: bramblex-cli audit verify PATH...</source>
        <translation>utilisation&#xa0;: bramblex-cli audit verify PATH...</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="88"/>
        <location filename="../tools/cli/CmdQc.cpp" line="149"/>
        <source>%1: no such file or folder</source>
        <translation>%1&#xa0;: fichier ou dossier introuvable</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="99"/>
        <location filename="../tools/cli/CmdQc.cpp" line="158"/>
        <location filename="../tools/cli/CmdQc.cpp" line="168"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="113"/>
        <source>usage: bramblex-cli audit show BATCH [--json] | audit verify PATH...</source>
        <translation>utilisation&#xa0;: bramblex-cli audit show BATCH [--json] | audit verify PATH...</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="160"/>
        <source>usage: bramblex-cli sign BATCH --meaning performed|reviewed|approved [--comment TEXT] [--password-stdin]</source>
        <translation>utilisation&#xa0;: bramblex-cli sign BATCH --meaning performed|reviewed|approved [--comment TEXT] [--password-stdin]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="185"/>
        <source>the audit trail of a batch; whether batches (folders searched through) are as last recorded</source>
        <translation>la piste d&apos;audit d&apos;un lot&#xa0;; si des lots (dossiers parcourus) sont tels qu&apos;enregistrés la dernière fois</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="191"/>
        <source>signs a batch electronically after checking the user&apos;s password</source>
        <translation>signe un lot électroniquement après vérification du mot de passe de l&apos;utilisateur</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAutomation.cpp" line="41"/>
        <source>automation: %1</source>
        <translation>automation&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAutomation.cpp" line="42"/>
        <source>usage: bramblex-cli automation %1</source>
        <translation>utilisation&#xa0;: bramblex-cli automation %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAutomation.cpp" line="80"/>
        <source>%1 failed (%2):</source>
        <translation>%1 a échoué (%2)&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAutomation.cpp" line="127"/>
        <source>calls the automation service of a program the session bus starts, and prints the results</source>
        <translation>appelle le service d&apos;automatisation d&apos;un programme démarré par le bus de session, et affiche les résultats</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdPorts.cpp" line="11"/>
        <source>usage: bramblex-cli ports</source>
        <translation>utilisation&#xa0;: bramblex-cli ports</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdPorts.cpp" line="18"/>
        <source>No serial ports found.</source>
        <translation>Aucun port série trouvé.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdPorts.cpp" line="23"/>
        <source>lists the serial ports with the device each entry opens</source>
        <translation>liste les ports série avec le périphérique qu&apos;ouvre chaque entrée</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="57"/>
        <source>bramblex-cli qc define: unknown option %1</source>
        <translation>bramblex-cli qc define&#xa0;: option inconnue %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="63"/>
        <source>bramblex-cli qc define: %1 needs %2 values</source>
        <translation>bramblex-cli qc define&#xa0;: %1 attend %2 valeurs</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="72"/>
        <source>bramblex-cli qc define: %1: not a speed: %2</source>
        <translation>bramblex-cli qc define&#xa0;: %1&#xa0;: %2 n&apos;est pas une vitesse</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="79"/>
        <source>bramblex-cli qc define: %1: a limit is neither a number nor &quot;-&quot;</source>
        <translation>bramblex-cli qc define&#xa0;: %1&#xa0;: une limite n&apos;est ni un nombre ni «&#xa0;-&#xa0;»</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="83"/>
        <source>bramblex-cli qc define: %1: %2</source>
        <translation>bramblex-cli qc define&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="90"/>
        <source>bramblex-cli qc define: a limit set needs at least one criterion</source>
        <translation>bramblex-cli qc define&#xa0;: un jeu de limites nécessite au moins un critère</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="103"/>
        <source>usage: bramblex-cli qc assign FOLDER NAME | qc assign FOLDER --none</source>
        <translation>utilisation&#xa0;: bramblex-cli qc assign FOLDER NAME | qc assign FOLDER --none</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="108"/>
        <source>bramblex-cli qc assign: not a folder: %1</source>
        <translation>bramblex-cli qc assign&#xa0;: %1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="140"/>
        <source>usage: bramblex-cli qc check PATH... [--json]</source>
        <translation>utilisation&#xa0;: bramblex-cli qc check PATH... [--json]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="181"/>
        <source>bramblex-cli qc check: no batch found</source>
        <translation>bramblex-cli qc check&#xa0;: aucun lot trouvé</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="195"/>
        <source>usage: bramblex-cli qc define NAME CRITERIA... | qc assign FOLDER NAME|--none | qc check PATH... [--json]</source>
        <translation>utilisation&#xa0;: bramblex-cli qc define NAME CRITERIA... | qc assign FOLDER NAME|--none | qc check PATH... [--json]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="205"/>
        <source>QC limit sets: define one (limits in mPas, °C, kJ/mol; &quot;-&quot; for an open limit), assign it to a folder, check batches (exit 0 all pass, 1 any fails, 2 otherwise)</source>
        <translation>Jeux de limites CQ&#xa0;: en définir un (limites en mPas, °C, kJ/mol&#xa0;; «&#xa0;-&#xa0;» pour une limite ouverte), l&apos;affecter à un dossier, contrôler des lots (code de sortie 0 si tous sont conformes, 1 si l&apos;un n&apos;est pas conforme, 2 sinon)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSeedDemo.cpp" line="121"/>
        <source>usage: bramblex-cli seed-demo   (the tree of BRAMBLEX_STORAGE_ROOT)</source>
        <translation>utilisation&#xa0;: bramblex-cli seed-demo   (l&apos;arborescence de BRAMBLEX_STORAGE_ROOT)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSeedDemo.cpp" line="220"/>
        <source>fills the storage tree (BRAMBLEX_STORAGE_ROOT) with demo folders and batches and chooses the simulated viscometer</source>
        <translation>remplit l&apos;arborescence de stockage (BRAMBLEX_STORAGE_ROOT) de dossiers et de lots de démonstration et choisit le viscosimètre simulé</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="77"/>
        <source>%1 needs a value.</source>
        <translation>%1 attend une valeur.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="107"/>
        <source>Unknown option %1.</source>
        <translation>Option inconnue %1.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="130"/>
        <source>Simulating %1; Ctrl+C stops.</source>
        <translation>Simulation de %1&#xa0;; Ctrl+C pour arrêter.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="142"/>
        <source>The simulated instrument hung up.</source>
        <translation>L&apos;instrument simulé a coupé la liaison.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="157"/>
        <source>runs a simulated viscometer on a pseudo-terminal and prints its device (faults: none, silence, half-reply, garbage, wrong-model, hangup; fluids: a shear-thinning paint, a Newtonian gear oil, both thinner when warm, a paste with a yield stress)</source>
        <translation>exécute un viscosimètre simulé sur un pseudo-terminal et affiche son périphérique (défauts&#xa0;: none, silence, half-reply, garbage, wrong-model, hangup&#xa0;; fluides&#xa0;: une peinture rhéofluidifiante, une huile pour engrenages newtonienne, toutes deux plus fluides à chaud, une pâte à seuil d&apos;écoulement)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="34"/>
        <source>usage: bramblex-cli ls FOLDER</source>
        <translation>utilisation&#xa0;: bramblex-cli ls FOLDER</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="39"/>
        <source>bramblex-cli ls: not a folder: %1</source>
        <translation>bramblex-cli ls&#xa0;: %1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="67"/>
        <source>usage: bramblex-cli storage</source>
        <translation>utilisation&#xa0;: bramblex-cli storage</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="86"/>
        <source>list a folder as the folder list does, through and updating its cache.epc</source>
        <translation>liste un dossier comme le fait la liste des dossiers, en lisant son cache.epc et en le mettant à jour</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="91"/>
        <source>prepare the storage tree as the program does at start, then print its root, four folders and template tree</source>
        <translation>prépare l&apos;arborescence de stockage comme le programme au démarrage, puis affiche sa racine, ses quatre dossiers et l&apos;arborescence des modèles</translation>
    </message>
    <message>
        <location filename="../tools/cli/Main.cpp" line="17"/>
        <source>usage: bramblex-cli COMMAND [ARGS]

commands:</source>
        <translation>utilisation&#xa0;: bramblex-cli COMMAND [ARGS]

commandes&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/cli/Main.cpp" line="54"/>
        <source>bramblex-cli: unknown command &apos;%1&apos;</source>
        <translation>bramblex-cli&#xa0;: commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="30"/>
        <source>%1: --settings needs a file</source>
        <translation>%1&#xa0;: --settings attend un fichier</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="37"/>
        <source>usage: bramblex-cli %1 BATCH.epb OUT [--settings FILE]</source>
        <translation>utilisation&#xa0;: bramblex-cli %1 BATCH.epb OUT [--settings FILE]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="76"/>
        <source>writes a batch as the CSV export (display units from the settings file)</source>
        <translation>écrit un lot comme l&apos;export CSV (unités d&apos;affichage du fichier de paramètres)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="80"/>
        <source>writes a batch as the Excel worksheet export (display units from the settings file)</source>
        <translation>écrit un lot comme l&apos;export en feuille Excel (unités d&apos;affichage du fichier de paramètres)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="85"/>
        <source>writes the whole batch as JSON (base units, readings with % full scale and over scale, its analysis, its QC verdict)</source>
        <translation>écrit le lot entier en JSON (unités de base, lectures avec % pleine échelle et hors échelle, son analyse, son verdict CQ)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="88"/>
        <source>Viscosity Report</source>
        <translation>Rapport de viscosité</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="104"/>
        <source>Batch:<byte value="xd"/>
Company:<byte value="xd"/>
Operator:<byte value="xd"/>
Model:<byte value="xd"/>
Spindle:<byte value="xd"/>
Identifier:<byte value="xd"/>
Note:</source>
        <translation>Lot&#xa0;:<byte value="xd"/>
Société&#xa0;:<byte value="xd"/>
Opérateur&#xa0;:<byte value="xd"/>
Modèle&#xa0;:<byte value="xd"/>
Mobile&#xa0;:<byte value="xd"/>
Identifiant&#xa0;:<byte value="xd"/>
Remarque&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="146"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="227"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="274"/>
        <source>Page [PageNumber]</source>
        <translation>Page [PageNumber]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="155"/>
        <source>Name and signature</source>
        <translation>Nom et signature</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="166"/>
        <source>The measurements in this report were taken and checked as recorded.</source>
        <translation>Les mesures de ce rapport ont été réalisées et vérifiées telles qu&apos;enregistrées.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="168"/>
        <source>Tested by</source>
        <translation>Réalisé par</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="169"/>
        <source>Approved by</source>
        <translation>Approuvé par</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="171"/>
        <source>Remarks</source>
        <translation>Observations</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="189"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="334"/>
        <source>Flow Analysis</source>
        <translation>Analyse d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="193"/>
        <source>Batch:<byte value="xd"/>
Company:<byte value="xd"/>
Operator:<byte value="xd"/>
Model:<byte value="xd"/>
Spindle:</source>
        <translation>Lot&#xa0;:<byte value="xd"/>
Société&#xa0;:<byte value="xd"/>
Opérateur&#xa0;:<byte value="xd"/>
Modèle&#xa0;:<byte value="xd"/>
Mobile&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="201"/>
        <source>Best flow model:<byte value="xd"/>
Parameters:<byte value="xd"/>
R²:<byte value="xd"/>
Flow index n (from speed):<byte value="xd"/>
Thixotropic index:<byte value="xd"/>
Activation energy (kJ/mol):<byte value="xd"/>
QC limit set:<byte value="xd"/>
QC result:</source>
        <translation>Meilleur modèle d&apos;écoulement&#xa0;:<byte value="xd"/>
Paramètres&#xa0;:<byte value="xd"/>
R²&#xa0;:<byte value="xd"/>
Indice n (d&apos;après la vitesse)&#xa0;:<byte value="xd"/>
Indice de thixotropie&#xa0;:<byte value="xd"/>
Énergie d&apos;activation (kJ/mol)&#xa0;:<byte value="xd"/>
Jeu de limites CQ&#xa0;:<byte value="xd"/>
Résultat CQ&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="234"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="340"/>
        <source>QC Certificate</source>
        <translation>Certificat CQ</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="238"/>
        <source>Batch:<byte value="xd"/>
Company:<byte value="xd"/>
Operator:<byte value="xd"/>
Model:<byte value="xd"/>
Spindle:<byte value="xd"/>
Identifier:</source>
        <translation>Lot&#xa0;:<byte value="xd"/>
Société&#xa0;:<byte value="xd"/>
Opérateur&#xa0;:<byte value="xd"/>
Modèle&#xa0;:<byte value="xd"/>
Mobile&#xa0;:<byte value="xd"/>
Identifiant&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="247"/>
        <source>Limit set:</source>
        <translation>Jeu de limites&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="252"/>
        <source>Result:</source>
        <translation>Résultat&#xa0;:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="259"/>
        <source>Criterion: measured (limits): verdict</source>
        <translation>Critère&#xa0;: mesuré (limites)&#xa0;: verdict</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="266"/>
        <source>Checked by: ______________________    Date: ____________<byte value="xd"/>
<byte value="xd"/>
Released by: _____________________    Date: ____________</source>
        <translation>Vérifié par&#xa0;: ____________________    Date&#xa0;: ____________<byte value="xd"/>
<byte value="xd"/>
Libéré par&#xa0;: _____________________    Date&#xa0;: ____________</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="298"/>
        <source>usage: bramblex-cli make-templates [--translation FILE.qm [--tree]] OUTDIR</source>
        <translation>utilisation&#xa0;: bramblex-cli make-templates [--translation FILE.qm [--tree]] OUTDIR</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="309"/>
        <source>It holds no translation.</source>
        <translation>Il ne contient aucune traduction.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="325"/>
        <source>Standard Report</source>
        <translation>Rapport standard</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="348"/>
        <source>write the shipped report templates into OUTDIR/Reports and OUTDIR/Settings</source>
        <translation>écrit les modèles de rapport fournis dans OUTDIR/Reports et OUTDIR/Settings</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRecover.cpp" line="19"/>
        <source>usage: bramblex-cli recover [--reason TEXT] BATCH.epb</source>
        <translation>utilisation&#xa0;: bramblex-cli recover [--reason TEXT] BATCH.epb</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRecover.cpp" line="38"/>
        <source>takes the readings a run left in its journal (a crash, a killed program) into the batch</source>
        <translation>reprend dans le lot les lectures qu&apos;un essai a laissées dans son journal (plantage, programme tué)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdResave.cpp" line="115"/>
        <source>usage: bramblex-cli resave [--reason TEXT] IN OUT</source>
        <translation>utilisation&#xa0;: bramblex-cli resave [--reason TEXT] IN OUT</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdResave.cpp" line="120"/>
        <source>resave: &quot;%1&quot; is not a batch, settings or report file</source>
        <translation>resave&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un fichier de lot, de paramètres ou de rapport</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdResave.cpp" line="124"/>
        <source>resave: %1 files are not supported yet</source>
        <translation>resave&#xa0;: les fichiers %1 ne sont pas encore pris en charge</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdResave.cpp" line="143"/>
        <source>load a batch (.epb), report (.epr) or settings file through its document class and write it to OUT</source>
        <translation>charge un lot (.epb), un rapport (.epr) ou un fichier de paramètres via sa classe de document et l&apos;écrit dans OUT</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="77"/>
        <source>usage: bramblex-cli run --port DEVICE|NUMBER|simulated [--manual [--count N]] [--trace] [--reason TEXT] BATCH.epb</source>
        <translation>utilisation&#xa0;: bramblex-cli run --port DEVICE|NUMBER|simulated [--manual [--count N]] [--trace] [--reason TEXT] BATCH.epb</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="100"/>
        <source>--count needs a whole number above 0.</source>
        <translation>--count attend un nombre entier supérieur à 0.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="119"/>
        <source>run: the damaged batch is left as it is; no run was started.</source>
        <translation>run&#xa0;: le lot endommagé est laissé tel quel&#xa0;; aucun essai n&apos;a été lancé.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="176"/>
        <source>The %1 reading(s) of this run are kept in %2; the program offers to recover them into the batch when it next starts.</source>
        <translation>Les %1 lecture(s) de cet essai sont conservées dans %2&#xa0;; le programme proposera de les récupérer dans le lot à son prochain démarrage.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="190"/>
        <source>The run was stopped before it finished.</source>
        <translation>L&apos;essai a été arrêté avant la fin.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="198"/>
        <source>run the batch&apos;s processes on the viscometer (or collect manual readings) and save the readings</source>
        <translation>exécute les processus du lot sur le viscosimètre (ou recueille des lectures manuelles) et enregistre les lectures</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <location filename="../ui/DialogService.cpp" line="107"/>
        <source>Reason for the Change</source>
        <translation>Motif de la modification</translation>
    </message>
    <message>
        <location filename="../ui/DialogService.cpp" line="108"/>
        <source>&quot;%1&quot; is signed. Why is it changed?</source>
        <translation>«&#xa0;%1&#xa0;» est signé. Pourquoi est-il modifié&#xa0;?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="25"/>
        <source>Time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="25"/>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="25"/>
        <source>Full Name</source>
        <translation>Nom complet</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="25"/>
        <source>Host</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="26"/>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="26"/>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="26"/>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="26"/>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
</context>
<context>
    <name>TAuditStatusLine</name>
    <message>
        <location filename="../ui/AuditStatusLine.cpp" line="23"/>
        <source>This batch was changed outside Bramblex after the last recorded change (%1).</source>
        <translation>Ce lot a été modifié hors de Bramblex après la dernière modification enregistrée (%1).</translation>
    </message>
    <message>
        <location filename="../ui/AuditStatusLine.cpp" line="28"/>
        <source>The audit trail of this batch is broken at record %1.</source>
        <translation>La piste d&apos;audit de ce lot est rompue à l&apos;enregistrement %1.</translation>
    </message>
    <message>
        <location filename="../ui/AuditStatusLine.cpp" line="31"/>
        <source>%1 (an earlier version)</source>
        <translation>%1 (version antérieure)</translation>
    </message>
</context>
<context>
    <name>TChartMeasurements</name>
    <message>
        <location filename="../charts/MeasurementsChart.cpp" line="33"/>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
</context>
<context>
    <name>TFormAnchor</name>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="13"/>
        <location filename="../ui/FormAnchor.cpp" line="14"/>
        <source>Anchor</source>
        <translation>Ancrage</translation>
    </message>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="26"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="27"/>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="28"/>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="29"/>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
</context>
<context>
    <name>TFormAuditTrail</name>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="52"/>
        <source>Audit Trail of %1</source>
        <translation>Piste d&apos;audit de %1</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="62"/>
        <source>Audit records</source>
        <translation>Enregistrements d&apos;audit</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="71"/>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="73"/>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="74"/>
        <source>Export PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="76"/>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="77"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="89"/>
        <source>Intact. The last recorded change did not reach the file (the program was stopped while saving); the batch is as the record before it says.</source>
        <translation>Intacte. La dernière modification enregistrée n&apos;a pas atteint le fichier (le programme a été arrêté pendant l&apos;enregistrement)&#xa0;; le lot est tel que le décrit l&apos;enregistrement précédent.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="91"/>
        <source>Intact: every record is in place and the batch is as last recorded.</source>
        <translation>Intacte&#xa0;: chaque enregistrement est en place et le lot est tel qu&apos;enregistré la dernière fois.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="93"/>
        <source>No audit trail: Bramblex has recorded no change to this batch.</source>
        <translation>Aucune piste d&apos;audit&#xa0;: Bramblex n&apos;a enregistré aucune modification de ce lot.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="95"/>
        <source>Changed outside Bramblex after the last recorded change (%1).</source>
        <translation>Modifié hors de Bramblex après la dernière modification enregistrée (%1).</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="98"/>
        <source>The trail is broken at record %1: a record was changed or removed.</source>
        <translation>La piste est rompue à l&apos;enregistrement %1&#xa0;: un enregistrement a été modifié ou supprimé.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="180"/>
        <source> audit trail</source>
        <translation> - piste d&apos;audit</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="182"/>
        <source>Export Audit Trail as PDF</source>
        <translation>Exporter la piste d&apos;audit en PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="182"/>
        <source>Export Audit Trail as CSV</source>
        <translation>Exporter la piste d&apos;audit en CSV</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="184"/>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="184"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>TFormLocal</name>
    <message>
        <location filename="../ui/FormLocal.cpp" line="91"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="91"/>
        <source>Modified</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="125"/>
        <source>QC: %1</source>
        <translation>CQ&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="382"/>
        <source>Folder contents</source>
        <translation>Contenu du dossier</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="397"/>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <location filename="../ui/FormMain.cpp" line="215"/>
        <source>Korvane Bramblex</source>
        <translation>Korvane Bramblex</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="229"/>
        <location filename="../ui/FormMain.cpp" line="230"/>
        <location filename="../ui/FormMain.cpp" line="231"/>
        <source>Folder List</source>
        <translation>Liste des dossiers</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="251"/>
        <source>Selected folder</source>
        <translation>Dossier sélectionné</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="499"/>
        <source>Bramblex Help</source>
        <translation>Aide de Bramblex</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="500"/>
        <location filename="../ui/FormMain.cpp" line="1195"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="501"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="503"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="504"/>
        <source>Change Storage Directory</source>
        <translation>Changer le dossier de stockage</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="507"/>
        <location filename="../ui/FormMain.cpp" line="597"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="508"/>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="510"/>
        <source>New Batch</source>
        <translation>Nouveau lot</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="512"/>
        <location filename="../ui/FormMain.cpp" line="551"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="515"/>
        <location filename="../ui/FormMain.cpp" line="552"/>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="517"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="520"/>
        <location filename="../ui/FormMain.cpp" line="554"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="523"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="526"/>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="528"/>
        <location filename="../ui/FormMain.cpp" line="576"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="530"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="532"/>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="535"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="537"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="539"/>
        <source>Audit Trail</source>
        <translation>Piste d&apos;audit</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="540"/>
        <source>Sign...</source>
        <translation>Signer...</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="542"/>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="543"/>
        <source>QC Limit Sets</source>
        <translation>Jeux de limites CQ</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="545"/>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="547"/>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="550"/>
        <source>New Report</source>
        <translation>Nouveau rapport</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="606"/>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="611"/>
        <source>Batch</source>
        <translation>Lot</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="615"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="623"/>
        <source>Tool Bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="797"/>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="801"/>
        <location filename="../ui/FormMain.cpp" line="904"/>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1196"/>
        <source>&lt;h3&gt;Korvane Bramblex&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Runs measurement programmes on Korvane 4150 rotational viscometers, keeps the readings of every batch and reports, prints and exports them.&lt;/p&gt;&lt;p&gt;Storage folder: %2&lt;/p&gt;&lt;p&gt;Bramblex is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY. See &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;https://www.gnu.org/licenses/gpl-3.0.html&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Korvane Bramblex&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Exécute des programmes de mesure sur les viscosimètres rotatifs Korvane 4150, conserve les lectures de chaque lot, et en fait des rapports, les imprime et les exporte.&lt;/p&gt;&lt;p&gt;Dossier de stockage&#xa0;: %2&lt;/p&gt;&lt;p&gt;Bramblex est un logiciel libre&#xa0;: vous pouvez le redistribuer et/ou le modifier selon les termes de la Licence publique générale GNU publiée par la Free Software Foundation, soit la version 3 de la licence, soit (à votre choix) toute version ultérieure (GPL-3.0-or-later). Il est fourni SANS AUCUNE GARANTIE. Voir &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;https://www.gnu.org/licenses/gpl-3.0.html&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1707"/>
        <source>The file &quot;%1&quot; was not found.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1721"/>
        <source>The report &quot;%1&quot; is not one of the reports of the storage folder &quot;%2&quot;, so Bramblex cannot open it. Copy it into the storage folder&apos;s Reports folder first.</source>
        <translation>Le rapport «&#xa0;%1&#xa0;» ne fait pas partie des rapports du dossier de stockage «&#xa0;%2&#xa0;»&#xa0;: Bramblex ne peut donc pas l&apos;ouvrir. Copiez-le d&apos;abord dans le dossier Rapports (Reports) du dossier de stockage.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1731"/>
        <source>The file &quot;%1&quot; lies outside the storage folder &quot;%2&quot;, so Bramblex cannot open it. Copy it into a folder below Local first.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» se trouve hors du dossier de stockage «&#xa0;%2&#xa0;»&#xa0;: Bramblex ne peut donc pas l&apos;ouvrir. Copiez-le d&apos;abord dans un dossier sous Local.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1735"/>
        <source>The file &quot;%1&quot; is not in a Local folder of the storage folder &quot;%2&quot;, so Bramblex cannot open it. Copy it into a folder below Local first.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;est pas dans un dossier Local du dossier de stockage «&#xa0;%2&#xa0;»&#xa0;: Bramblex ne peut donc pas l&apos;ouvrir. Copiez-le d&apos;abord dans un dossier sous Local.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1758"/>
        <source>The file &quot;%1&quot; is not a report that can be read.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;est pas un rapport lisible.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1766"/>
        <source>The file &quot;%1&quot; is not shown in its folder&apos;s list.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;apparaît pas dans la liste de son dossier.</translation>
    </message>
</context>
<context>
    <name>TFormMemoEditor</name>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="17"/>
        <source>Batch ID</source>
        <translation>ID du lot</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="18"/>
        <source>File Path</source>
        <translation>Chemin du fichier</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="19"/>
        <source>Todays Date</source>
        <translation>Date du jour</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="20"/>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="21"/>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="22"/>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="23"/>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="24"/>
        <source>Spindle</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="25"/>
        <source>Identifier</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="26"/>
        <source>Page No.</source>
        <translation>N° de page</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="27"/>
        <source>Flow Model</source>
        <translation>Modèle d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="28"/>
        <source>Flow Model Parameters</source>
        <translation>Paramètres du modèle d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="29"/>
        <source>Flow Model R²</source>
        <translation>R² du modèle d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="30"/>
        <source>Flow Index</source>
        <translation>Indice d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="31"/>
        <source>Thixotropic Index</source>
        <translation>Indice de thixotropie</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="32"/>
        <source>Activation Energy</source>
        <translation>Énergie d&apos;activation</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="33"/>
        <source>QC Result</source>
        <translation>Résultat CQ</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="34"/>
        <source>QC Limit Set</source>
        <translation>Jeu de limites CQ</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="35"/>
        <source>QC Details</source>
        <translation>Détails CQ</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="42"/>
        <location filename="../ui/FormMemoEditor.cpp" line="43"/>
        <source>Text Editor</source>
        <translation>Éditeur de texte</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="48"/>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="80"/>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>TFormPageDesign</name>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="47"/>
        <location filename="../ui/FormPageDesign.cpp" line="48"/>
        <source>Page Design</source>
        <translation>Conception de page</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="86"/>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="101"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="101"/>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="104"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="104"/>
        <source>Redo %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="132"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="135"/>
        <source>Save and E&amp;xit</source>
        <translation>Enregistrer et &amp;quitter</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="137"/>
        <source>&amp;Abandon and Exit</source>
        <translation>&amp;Abandonner et quitter</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="140"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="143"/>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="146"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="149"/>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="153"/>
        <source>&amp;Grid</source>
        <translation>&amp;Grille</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="156"/>
        <source>S&amp;nap</source>
        <translation>&amp;Magnétisme</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="160"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="164"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="170"/>
        <source>Bring to &amp;Front</source>
        <translation>Mettre au &amp;premier plan</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="173"/>
        <source>Send to &amp;Back</source>
        <translation>En&amp;voyer à l&apos;arrière-plan</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="182"/>
        <source>Align &amp;Left Edges</source>
        <translation>Aligner les bords &amp;gauches</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="183"/>
        <source>Align &amp;Right Edges</source>
        <translation>Aligner les bords &amp;droits</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="184"/>
        <source>Align &amp;Top Edges</source>
        <translation>Aligner les bords &amp;supérieurs</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="185"/>
        <source>Align &amp;Bottom Edges</source>
        <translation>Aligner les bords &amp;inférieurs</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="186"/>
        <source>Align &amp;Centres Across</source>
        <translation>Aligner les &amp;centres horizontalement</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="188"/>
        <source>Align Centres &amp;Down</source>
        <translation>Aligner les centres &amp;verticalement</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="190"/>
        <source>Make Same &amp;Width</source>
        <translation>Même &amp;largeur</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="191"/>
        <source>Make Same &amp;Height</source>
        <translation>Même &amp;hauteur</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="208"/>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="209"/>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="210"/>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="211"/>
        <source>Graphic</source>
        <translation>Image</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="212"/>
        <source>Run</source>
        <translation>Essai</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="214"/>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="215"/>
        <source>Flow Curve</source>
        <translation>Courbe d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="238"/>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="239"/>
        <source>&amp;Report</source>
        <translation>&amp;Rapport</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="245"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="257"/>
        <location filename="../ui/FormPageDesign.cpp" line="369"/>
        <source>&amp;Align</source>
        <translation>Ali&amp;gner</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="262"/>
        <location filename="../ui/FormPageDesign.cpp" line="264"/>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="266"/>
        <source>Zoom:</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="272"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="296"/>
        <location filename="../ui/FormPageDesign.cpp" line="298"/>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="344"/>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="364"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="377"/>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="447"/>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="472"/>
        <source>Save changes to this page?</source>
        <translation>Enregistrer les modifications de cette page&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="485"/>
        <source>Are you sure you wish to save the changes to the page design?</source>
        <translation>Voulez-vous vraiment enregistrer les modifications de la conception de page&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="496"/>
        <source>Are you sure you wish to abandon the changes to the page design?</source>
        <translation>Voulez-vous vraiment abandonner les modifications de la conception de page&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="558"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Voulez-vous vraiment supprimer «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="559"/>
        <source>Are you sure you want to delete these %1 page items?</source>
        <translation>Voulez-vous vraiment supprimer ces %1 éléments de page&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TFormPageItemList</name>
    <message>
        <location filename="../ui/FormPageItemList.cpp" line="62"/>
        <source>Page items</source>
        <translation>Éléments de page</translation>
    </message>
</context>
<context>
    <name>TFormPreferences</name>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="87"/>
        <location filename="../ui/FormPreferences.cpp" line="97"/>
        <location filename="../ui/FormPreferences.cpp" line="101"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="102"/>
        <location filename="../ui/FormPreferences.cpp" line="116"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="103"/>
        <location filename="../ui/FormPreferences.cpp" line="136"/>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="104"/>
        <location filename="../ui/FormPreferences.cpp" line="162"/>
        <source>ViscoMeter</source>
        <translation>ViscoMeter</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="117"/>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="120"/>
        <location filename="../ui/FormPreferences.cpp" line="125"/>
        <source>Report Design Units:</source>
        <translation>Unités de conception des rapports&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="120"/>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="120"/>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="122"/>
        <location filename="../ui/FormPreferences.cpp" line="126"/>
        <source>Viscosity Units:</source>
        <translation>Unités de viscosité&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="122"/>
        <source>mPas</source>
        <translation>mPas</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="122"/>
        <source>cP</source>
        <translation>cP</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="123"/>
        <location filename="../ui/FormPreferences.cpp" line="127"/>
        <source>Temperature Units:</source>
        <translation>Unités de température&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="124"/>
        <source>Celsius (°C)</source>
        <translation>Celsius (°C)</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="124"/>
        <source>Fahrenheit (°F)</source>
        <translation>Fahrenheit (°F)</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="129"/>
        <location filename="../ui/FormPreferences.cpp" line="131"/>
        <source>Email Report Format</source>
        <translation>Format des rapports par courriel</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="130"/>
        <source>Specify the method in which a report will be emailed.</source>
        <translation>Indiquez sous quelle forme un rapport est envoyé par courriel.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="132"/>
        <source>PDF Document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="132"/>
        <source>JPEG Images</source>
        <translation>Images JPEG</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="137"/>
        <location filename="../ui/FormPreferences.cpp" line="140"/>
        <source>Report Page Thumbnail Quality</source>
        <translation>Qualité des vignettes des pages de rapport</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="138"/>
        <source>Specify the quality of the report page thumbnails.</source>
        <translation>Indiquez la qualité des vignettes des pages de rapport.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="141"/>
        <source>High Quality</source>
        <translation>Haute qualité</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="141"/>
        <source>Normal Quality</source>
        <translation>Qualité normale</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="141"/>
        <source>No Thumbnail</source>
        <translation>Pas de vignette</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="143"/>
        <location filename="../ui/FormPreferences.cpp" line="144"/>
        <source>Toolbar Labels</source>
        <translation>Libellés de la barre d&apos;outils</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="143"/>
        <source>Specify the style of the toolbar labels</source>
        <translation>Indiquez le style des libellés de la barre d&apos;outils</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="145"/>
        <source>Label Right of Icon</source>
        <translation>Libellé à droite de l&apos;icône</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="145"/>
        <source>Label Below the Icon</source>
        <translation>Libellé sous l&apos;icône</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="145"/>
        <source>No Label</source>
        <translation>Pas de libellé</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="147"/>
        <location filename="../ui/FormPreferences.cpp" line="149"/>
        <source>Interface language</source>
        <translation>Langue de l&apos;interface</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="148"/>
        <source>The language of windows and messages. It takes effect at the next start.</source>
        <translation>La langue des fenêtres et des messages. Elle prend effet au prochain démarrage.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="150"/>
        <source>Desktop language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="163"/>
        <location filename="../ui/FormPreferences.cpp" line="165"/>
        <source>Communications Port</source>
        <translation>Port de communication</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="164"/>
        <source>Specify the communications port the ViscoMeter is connected to.</source>
        <translation>Indiquez le port de communication auquel le ViscoMeter est connecté.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="167"/>
        <location filename="../ui/FormPreferences.cpp" line="171"/>
        <source>Default ViscoMeter Model</source>
        <translation>Modèle de ViscoMeter par défaut</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="173"/>
        <location filename="../ui/FormPreferences.cpp" line="174"/>
        <source>Default Spindle</source>
        <translation>Mobile par défaut</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="176"/>
        <location filename="../ui/FormPreferences.cpp" line="179"/>
        <source>Default Company</source>
        <translation>Société par défaut</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="181"/>
        <location filename="../ui/FormPreferences.cpp" line="184"/>
        <source>Default Operator</source>
        <translation>Opérateur par défaut</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="191"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="193"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="267"/>
        <source>%1 (not present)</source>
        <translation>%1 (absent)</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="331"/>
        <source>The interface language changes at the next start of Bramblex.</source>
        <translation>La langue de l&apos;interface changera au prochain démarrage de Bramblex.</translation>
    </message>
</context>
<context>
    <name>TFormProcessWizard</name>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="61"/>
        <source>Process Wizard</source>
        <translation>Assistant de processus</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="67"/>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="68"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="69"/>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="70"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="77"/>
        <location filename="../ui/FormProcessWizard.cpp" line="79"/>
        <source>Welcome to the Process Wizard</source>
        <translation>Bienvenue dans l&apos;assistant de processus</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="85"/>
        <source>This wizard will allow you to setup a Bramblex process</source>
        <translation>Cet assistant vous permet de configurer un processus Bramblex</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="88"/>
        <source>Process Identifier</source>
        <translation>Identifiant du processus</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="89"/>
        <source>Enter an identifier for this process</source>
        <translation>Saisissez un identifiant pour ce processus</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="91"/>
        <location filename="../ui/FormProcessWizard.cpp" line="92"/>
        <source>Identifier:</source>
        <translation>Identifiant&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="95"/>
        <source>RPM</source>
        <translation>Vitesse (tr/min)</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="95"/>
        <source>Enter the start and end RPM for this process</source>
        <translation>Saisissez les vitesses de début et de fin (tr/min) de ce processus</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="97"/>
        <location filename="../ui/FormProcessWizard.cpp" line="100"/>
        <source>Start RPM:</source>
        <translation>Vitesse de début (tr/min)&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="98"/>
        <location filename="../ui/FormProcessWizard.cpp" line="101"/>
        <source>End RPM:</source>
        <translation>Vitesse de fin (tr/min)&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="99"/>
        <location filename="../ui/FormProcessWizard.cpp" line="102"/>
        <source>Time (seconds):</source>
        <translation>Durée (secondes)&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="104"/>
        <source>Delays and Triggers</source>
        <translation>Délais et déclencheurs</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="105"/>
        <source>Specify any delays and/or triggers for this process</source>
        <translation>Indiquez les délais et/ou déclencheurs éventuels de ce processus</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="107"/>
        <location filename="../ui/FormProcessWizard.cpp" line="109"/>
        <source>Start Delay (seconds):</source>
        <translation>Délai de départ (secondes)&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="112"/>
        <source>Start when</source>
        <translation>Démarrer si</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="113"/>
        <source>start when above</source>
        <translation>démarrer si supérieure à</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="113"/>
        <source>start when below</source>
        <translation>démarrer si inférieure à</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="114"/>
        <source>Start Temperature</source>
        <translation>Température de départ</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="123"/>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="124"/>
        <source>Enter how many measurements to take during this process</source>
        <translation>Saisissez le nombre de mesures à effectuer pendant ce processus</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="126"/>
        <location filename="../ui/FormProcessWizard.cpp" line="127"/>
        <source>Measurements:</source>
        <translation>Mesures&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="130"/>
        <source>The wizard is complete.</source>
        <translation>L&apos;assistant est terminé.</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="133"/>
        <source>The wizard is complete.<byte value="xd"/>
<byte value="xd"/>
Click Finish to return.</source>
        <translation>L&apos;assistant est terminé.<byte value="xd"/>
<byte value="xd"/>
Cliquez sur Terminer pour revenir.</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="159"/>
        <source>Start Temperature (%1)</source>
        <translation>Température de départ (%1)</translation>
    </message>
</context>
<context>
    <name>TFormPropertyEditor</name>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="35"/>
        <source>All Graphics (*.jpg *.bmp *.emf *.wmf *.jpeg *.png *.gif *.svg);;Bitmaps (*.bmp *.jpg *.jpeg *.png *.gif);;Metafiles (*.emf *.wmf *.svg);;All Files (*)</source>
        <translation>Toutes les images (*.jpg *.bmp *.emf *.wmf *.jpeg *.png *.gif *.svg);;Images matricielles (*.bmp *.jpg *.jpeg *.png *.gif);;Métafichiers (*.emf *.wmf *.svg);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="247"/>
        <location filename="../ui/FormPropertyEditor.cpp" line="252"/>
        <source>Property Editor</source>
        <translation>Éditeur de propriétés</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="261"/>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="566"/>
        <source>Select Picture</source>
        <translation>Choisir une image</translation>
    </message>
</context>
<context>
    <name>TFormQcLimitSets</name>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="56"/>
        <source>Viscosity at the speed</source>
        <translation>Viscosité à la vitesse</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="58"/>
        <source>Temperature at the speed</source>
        <translation>Température à la vitesse</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="69"/>
        <location filename="../ui/FormQcLimitSets.cpp" line="70"/>
        <source>QC Limit Sets</source>
        <translation>Jeux de limites CQ</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="95"/>
        <source>Limit sets:</source>
        <translation>Jeux de limites&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="98"/>
        <source>Limit sets</source>
        <translation>Jeux de limites</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="103"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="104"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="105"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="114"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="115"/>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="133"/>
        <source>Criteria</source>
        <translation>Critères</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="135"/>
        <location filename="../ui/FormQcLimitSets.cpp" line="251"/>
        <source>Criterion</source>
        <translation>Critère</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="135"/>
        <source>Speed (RPM)</source>
        <translation>Vitesse (tr/min)</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="135"/>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="135"/>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="135"/>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="139"/>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="146"/>
        <source>Add Criterion</source>
        <translation>Ajouter un critère</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="148"/>
        <source>Remove Criterion</source>
        <translation>Retirer le critère</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="150"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="161"/>
        <source>Assign to Folder</source>
        <translation>Affecter au dossier</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="163"/>
        <source>Remove Assignment</source>
        <translation>Retirer l&apos;affectation</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="303"/>
        <source>Criterion %1: &quot;%2&quot; is not a number.</source>
        <translation>Critère %1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="307"/>
        <source>Criterion %1: %2</source>
        <translation>Critère %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="319"/>
        <source>No limit set applies to the folder &quot;%1&quot;.</source>
        <translation>Aucun jeu de limites ne s&apos;applique au dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="321"/>
        <source>The folder &quot;%1&quot; uses the limit set &quot;%2&quot;.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» utilise le jeu de limites «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="323"/>
        <source>The folder &quot;%1&quot; uses the limit set &quot;%2&quot; of the folder &quot;%3&quot;.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» utilise le jeu de limites «&#xa0;%2&#xa0;» du dossier «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="361"/>
        <source>Save the changes to the limit set &quot;%1&quot;?</source>
        <translation>Enregistrer les modifications du jeu de limites «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="420"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Voulez-vous vraiment supprimer «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TFormReports</name>
    <message>
        <location filename="../ui/FormReports.cpp" line="233"/>
        <source>My Reports</source>
        <translation>Mes rapports</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="234"/>
        <source>Tab Reports</source>
        <translation>Rapports en onglet</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="260"/>
        <source>Move to Tab Reports</source>
        <translation>Déplacer vers Rapports en onglet</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="261"/>
        <source>Move to My Reports</source>
        <translation>Déplacer vers Mes rapports</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="278"/>
        <source>Current report</source>
        <translation>Rapport actuel</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="284"/>
        <source>Page commands</source>
        <translation>Commandes de page</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="293"/>
        <source>New Page</source>
        <translation>Nouvelle page</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="316"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="317"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="319"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="320"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="321"/>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="322"/>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="335"/>
        <location filename="../ui/FormReports.cpp" line="338"/>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="337"/>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="337"/>
        <source>Page Type</source>
        <translation>Type de page</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="519"/>
        <source>My Reports &gt; %1</source>
        <translation>Mes rapports &gt; %1</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="520"/>
        <source>Tab Reports &gt; %1</source>
        <translation>Rapports en onglet &gt; %1</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="781"/>
        <location filename="../ui/FormReports.cpp" line="920"/>
        <source>Unable to create directory %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="830"/>
        <location filename="../ui/FormReports.cpp" line="914"/>
        <source>A report with the name you specified already exists. Specify a different name.</source>
        <translation>Un rapport portant le nom indiqué existe déjà. Indiquez un autre nom.</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="839"/>
        <source>Unable to rename &quot;%1&quot;</source>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="859"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Voulez-vous vraiment supprimer «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="994"/>
        <source>Are you sure you want to delete this report page?</source>
        <translation>Voulez-vous vraiment supprimer cette page du rapport&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TFormSign</name>
    <message>
        <location filename="../ui/FormSign.cpp" line="19"/>
        <source>Sign %1</source>
        <translation>Signer %1</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="21"/>
        <source>Signing as %1 (%2)</source>
        <translation>Signature en tant que %1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="27"/>
        <source>Meaning</source>
        <translation>Signification</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="30"/>
        <source>Performed by</source>
        <translation>Réalisé par</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="30"/>
        <source>Reviewed by</source>
        <translation>Vérifié par</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="31"/>
        <source>Approved by</source>
        <translation>Approuvé par</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="38"/>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="41"/>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="43"/>
        <source>Meaning:</source>
        <translation>Signification&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="44"/>
        <source>Comment (optional):</source>
        <translation>Commentaire (facultatif)&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="45"/>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="53"/>
        <location filename="../ui/FormSign.cpp" line="54"/>
        <source>Sign</source>
        <translation>Signer</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="55"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="61"/>
        <source>Signing is locked after three wrong passwords; try again in %1 seconds.</source>
        <translation>La signature est verrouillée après trois mots de passe erronés&#xa0;; réessayez dans %1 secondes.</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="81"/>
        <source>Checking the password...</source>
        <translation>Vérification du mot de passe...</translation>
    </message>
</context>
<context>
    <name>TFormViewAnalysis</name>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="94"/>
        <source>Include low torque readings</source>
        <translation>Inclure les lectures à couple faible</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="97"/>
        <source>Logarithmic axes</source>
        <translation>Axes logarithmiques</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="109"/>
        <source>Results and flow curve</source>
        <translation>Résultats et courbe d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="121"/>
        <source>Flow models</source>
        <translation>Modèles d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="123"/>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="123"/>
        <source>Parameters (± standard error)</source>
        <translation>Paramètres (± erreur type)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="123"/>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="123"/>
        <source>AICc</source>
        <translation>AICc</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="124"/>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="148"/>
        <source>Flow curve</source>
        <translation>Courbe d&apos;écoulement</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="286"/>
        <source>Flow models: %1</source>
        <translation>Modèles d&apos;écoulement&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="289"/>
        <source>Flow models: the best is %1 (lowest AICc).</source>
        <translation>Modèles d&apos;écoulement&#xa0;: le meilleur est %1 (AICc le plus bas).</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="291"/>
        <source>Flow models: no best model: %1</source>
        <translation>Modèles d&apos;écoulement&#xa0;: pas de meilleur modèle&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="312"/>
        <source>%1 (best)</source>
        <translation>%1 (meilleur)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="392"/>
        <source>%1 readings, %2 used; left out: %3 over scale, %4 low torque%5; %6 without shear data (left out of the flow models).</source>
        <translation>%1 lectures, %2 utilisées&#xa0;; écartées&#xa0;: %3 hors échelle, %4 à couple faible%5&#xa0;; %6 sans données de cisaillement (écartées des modèles d&apos;écoulement).</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="398"/>
        <source> (low torque included)</source>
        <translation> (couple faible inclus)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="402"/>
        <source>Flow index from speed: n = %1, K = %2 %3 (at 1 RPM), R² = %4, %5 readings</source>
        <translation>Indice d&apos;écoulement d&apos;après la vitesse&#xa0;: n = %1, K = %2 %3 (à 1 tr/min), R² = %4, %5 lectures</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="407"/>
        <source>Flow index from speed: %1</source>
        <translation>Indice d&apos;écoulement d&apos;après la vitesse&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="411"/>
        <source>Thixotropic index: %1 (mean viscosity at %2 RPM over %3 RPM; %4 and %5 readings)</source>
        <translation>Indice de thixotropie&#xa0;: %1 (viscosité moyenne à %2 tr/min rapportée à celle à %3 tr/min&#xa0;; %4 et %5 lectures)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="416"/>
        <source>Thixotropic index: %1</source>
        <translation>Indice de thixotropie&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="419"/>
        <source>Activation energy: %1 kJ/mol, ln A = %2, R² = %3, %4 readings at %5 RPM</source>
        <translation>Énergie d&apos;activation&#xa0;: %1 kJ/mol, ln A = %2, R² = %3, %4 lectures à %5 tr/min</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="424"/>
        <source>Activation energy: %1</source>
        <translation>Énergie d&apos;activation&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TFormViewBatch</name>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="65"/>
        <source>Process</source>
        <translation>Processus</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="76"/>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="89"/>
        <source>Show or hide the folders</source>
        <translation>Afficher ou masquer les dossiers</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="99"/>
        <source>Batch view</source>
        <translation>Vue du lot</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="112"/>
        <source>Unable to modify multiple batch items.</source>
        <translation>Impossible de modifier plusieurs éléments de lot.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="186"/>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="186"/>
        <source>Processes</source>
        <translation>Processus</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="186"/>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="186"/>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="189"/>
        <source>My Reports</source>
        <translation>Mes rapports</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="370"/>
        <source>Batch saved</source>
        <translation>Lot enregistré</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="378"/>
        <source>The changes to &quot;%1&quot; could not be saved.
%2</source>
        <translation>Les modifications de «&#xa0;%1&#xa0;» n&apos;ont pas pu être enregistrées.
%2</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="404"/>
        <source>Please Wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>TFormViewHeader</name>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="50"/>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="86"/>
        <source>Batch ID:</source>
        <translation>ID du lot&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="87"/>
        <source>File Location:</source>
        <translation>Emplacement du fichier&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="92"/>
        <source>Model:</source>
        <translation>Modèle&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="93"/>
        <source>Spindle:</source>
        <translation>Mobile&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="98"/>
        <source>Company:</source>
        <translation>Société&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="99"/>
        <source>Operator:</source>
        <translation>Opérateur&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="100"/>
        <source>Identifier:</source>
        <translation>Identifiant&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="103"/>
        <location filename="../ui/FormViewHeader.cpp" line="105"/>
        <source>Note:</source>
        <translation>Remarque&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TFormViewImage</name>
    <message>
        <location filename="../ui/FormViewImage.cpp" line="48"/>
        <source>Picture viewer</source>
        <translation>Visionneuse d&apos;images</translation>
    </message>
</context>
<context>
    <name>TFormViewMeasurements</name>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="61"/>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="63"/>
        <location filename="../ui/FormViewMeasurements.cpp" line="66"/>
        <source>X Axis:</source>
        <translation>Axe X&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="69"/>
        <location filename="../ui/FormViewMeasurements.cpp" line="72"/>
        <source>Y Axis:</source>
        <translation>Axe Y&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="89"/>
        <location filename="../ui/FormViewMeasurements.cpp" line="108"/>
        <source>Readings</source>
        <translation>Lectures</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="90"/>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="91"/>
        <source>Reset Zoom</source>
        <translation>Réinitialiser le zoom</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="98"/>
        <source>Readings and chart</source>
        <translation>Lectures et graphique</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="124"/>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="142"/>
        <source>Left click and drag to zoom into a specfic area.</source>
        <translation>Cliquez-glissez avec le bouton gauche pour zoomer sur une zone précise.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="143"/>
        <source>Right click and drag to scroll.</source>
        <translation>Cliquez-glissez avec le bouton droit pour faire défiler.</translation>
    </message>
</context>
<context>
    <name>TFormViewOle</name>
    <message>
        <location filename="../ui/FormViewOle.cpp" line="60"/>
        <source>Document viewer</source>
        <translation>Visionneuse de documents</translation>
    </message>
    <message>
        <location filename="../ui/FormViewOle.cpp" line="62"/>
        <location filename="../ui/FormViewOle.cpp" line="149"/>
        <source>Document</source>
        <translation>Document</translation>
    </message>
</context>
<context>
    <name>TFormViewPDF</name>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="23"/>
        <source>The file was not found.</source>
        <translation>Le fichier est introuvable.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="25"/>
        <source>The file is not a PDF document that can be read.</source>
        <translation>Le fichier n&apos;est pas un document PDF lisible.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="27"/>
        <source>The document is protected by a password.</source>
        <translation>Le document est protégé par un mot de passe.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="29"/>
        <source>The document&apos;s protection is not supported.</source>
        <translation>La protection du document n&apos;est pas prise en charge.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="31"/>
        <source>The document could not be read.</source>
        <translation>Le document n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="41"/>
        <source>PDF viewer</source>
        <translation>Visionneuse PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="43"/>
        <location filename="../ui/FormViewPDF.cpp" line="48"/>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
</context>
<context>
    <name>TFormViewProcesses</name>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="34"/>
        <location filename="../ui/FormViewProcesses.cpp" line="63"/>
        <source>Processes</source>
        <translation>Processus</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="49"/>
        <source>New Process</source>
        <translation>Nouveau processus</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="51"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="53"/>
        <location filename="../ui/FormViewProcesses.cpp" line="230"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="55"/>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="57"/>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="70"/>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>Identifier</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>RPM Start</source>
        <translation>tr/min début</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>RPM End</source>
        <translation>tr/min fin</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="106"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="106"/>
        <source>Start Temp</source>
        <translation>Temp. départ</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="107"/>
        <source>Temp Tend.</source>
        <translation>Tend. temp.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="107"/>
        <source>Start Delay</source>
        <translation>Délai départ</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="107"/>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="228"/>
        <source>Are you sure you want to delete the selected process?</source>
        <translation>Voulez-vous vraiment supprimer le processus sélectionné&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="229"/>
        <source>Are you sure you want to delete these %1 processes?</source>
        <translation>Voulez-vous vraiment supprimer ces %1 processus&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TFormViewReport</name>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="84"/>
        <location filename="../ui/FormViewReport.cpp" line="227"/>
        <location filename="../ui/FormViewReport.cpp" line="230"/>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="100"/>
        <source>Report commands</source>
        <translation>Commandes de rapport</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="110"/>
        <source>Reports:</source>
        <translation>Rapports&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="115"/>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="118"/>
        <location filename="../ui/FormViewReport.cpp" line="348"/>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="132"/>
        <source>Standard report</source>
        <translation>Rapport standard</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="139"/>
        <source>Zoom:</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="143"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="165"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="166"/>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="168"/>
        <source>Mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="172"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="178"/>
        <location filename="../ui/FormViewReport.cpp" line="186"/>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="180"/>
        <location filename="../ui/FormViewReport.cpp" line="182"/>
        <location filename="../ui/FormViewReport.cpp" line="189"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="199"/>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="544"/>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="558"/>
        <location filename="../ui/FormViewReport.cpp" line="568"/>
        <source>Save PDF Report As</source>
        <translation>Enregistrer le rapport PDF sous</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="559"/>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="569"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="576"/>
        <source>Writing PDF</source>
        <translation>Écriture du PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="595"/>
        <source>Preparing mail</source>
        <translation>Préparation du courriel</translation>
    </message>
</context>
<context>
    <name>TImageShow</name>
    <message>
        <location filename="../ui/FormViewImage.cpp" line="16"/>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>TNameEditDelegate</name>
    <message>
        <location filename="../ui/NameEdit.cpp" line="19"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>TPageDesigner</name>
    <message>
        <location filename="../ui/PageDesigner.cpp" line="16"/>
        <source>Page Width</source>
        <translation>Largeur de page</translation>
    </message>
    <message>
        <location filename="../ui/PageDesigner.cpp" line="17"/>
        <source>Full Page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <location filename="../ui/PageDesigner.cpp" line="45"/>
        <source>Page designer</source>
        <translation>Concepteur de pages</translation>
    </message>
</context>
<context>
    <name>TPageEditor</name>
    <message>
        <location filename="../ui/PageEditor.cpp" line="69"/>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="214"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="218"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="254"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="280"/>
        <source>Bring to Front</source>
        <translation>Mettre au premier plan</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="285"/>
        <source>Send to Back</source>
        <translation>Envoyer à l&apos;arrière-plan</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="290"/>
        <source>Reorder</source>
        <translation>Réordonner</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="297"/>
        <source>Align Left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="297"/>
        <source>Align Right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="297"/>
        <source>Align Top</source>
        <translation>Aligner en haut</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="298"/>
        <source>Align Bottom</source>
        <translation>Aligner en bas</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="298"/>
        <source>Align Centres Across</source>
        <translation>Aligner les centres horizontalement</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="298"/>
        <source>Align Centres Down</source>
        <translation>Aligner les centres verticalement</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="299"/>
        <source>Same Width</source>
        <translation>Même largeur</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="299"/>
        <source>Same Height</source>
        <translation>Même hauteur</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="434"/>
        <location filename="../ui/PageEditor.cpp" line="555"/>
        <location filename="../ui/PageEditor.cpp" line="633"/>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="555"/>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="577"/>
        <source>New %1</source>
        <translation>Créer %1</translation>
    </message>
</context>
<context>
    <name>TPageItemListView</name>
    <message>
        <location filename="../ui/FormPageItemList.cpp" line="14"/>
        <source>Page items</source>
        <translation>Éléments de page</translation>
    </message>
    <message>
        <location filename="../ui/FormPageItemList.cpp" line="16"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>TPageRuler</name>
    <message>
        <location filename="../ui/PageRuler.cpp" line="23"/>
        <source>Horizontal ruler</source>
        <translation>Règle horizontale</translation>
    </message>
    <message>
        <location filename="../ui/PageRuler.cpp" line="23"/>
        <source>Vertical ruler</source>
        <translation>Règle verticale</translation>
    </message>
</context>
<context>
    <name>TPropertyModel</name>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="202"/>
        <source>Property</source>
        <translation>Propriété</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="202"/>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>TPropertyValueEditor</name>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="68"/>
        <location filename="../ui/FormPropertyEditor.cpp" line="80"/>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="91"/>
        <location filename="../ui/FormPropertyEditor.cpp" line="92"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="101"/>
        <location filename="../ui/FormPropertyEditor.cpp" line="102"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>TQcStatusLine</name>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="33"/>
        <source>QC: %1</source>
        <translation>CQ&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="34"/>
        <source>QC %1 against &quot;%2&quot;</source>
        <translation>CQ %1 selon «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="40"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="42"/>
        <source> – failing: %1</source>
        <translation> – non conformes&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="44"/>
        <source> – no data yet: %1</source>
        <translation> – pas encore de données&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TReadingsTableModel</name>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="53"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="54"/>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="55"/>
        <location filename="../ui/ReadingsTableModel.cpp" line="57"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="55"/>
        <source>Viscosity</source>
        <translation>Viscosité</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="56"/>
        <source>% Full Scale</source>
        <translation>% pleine échelle</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="57"/>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="58"/>
        <source>RPM</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="60"/>
        <source>Shear Stress</source>
        <translation>Contrainte de cisaillement</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="60"/>
        <source>Shear Rate</source>
        <translation>Vitesse de cisaillement</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="106"/>
        <source>Below 10 % of full scale: the spindle turns at low torque, where the reading is unreliable.</source>
        <translation>Sous 10&#xa0;% de la pleine échelle&#xa0;: le mobile tourne à couple faible, où la lecture n&apos;est pas fiable.</translation>
    </message>
</context>
</TS>
