<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Bramblex</name>
    <message>
        <location filename="../platform/AtomicFile.cpp" line="209"/>
        <location filename="../platform/LockedFile.cpp" line="43"/>
        <location filename="../platform/LockedFile.cpp" line="47"/>
        <location filename="../platform/UserValues.cpp" line="41"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <location filename="../platform/AtomicFile.cpp" line="249"/>
        <location filename="../reports/Report.cpp" line="87"/>
        <location filename="../storage/FileItem.cpp" line="73"/>
        <location filename="../storage/FileItem.cpp" line="106"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="309"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <location filename="../platform/Clipboard.cpp" line="49"/>
        <source>Cannot open clipboard</source>
        <translation>Die Zwischenablage kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../platform/Clipboard.cpp" line="128"/>
        <source>The program runs without a display (Qt platform &quot;offscreen&quot;): no other program can read its clipboard.</source>
        <translation>Das Programm läuft ohne Bildschirm (Qt-Plattform „offscreen“): Kein anderes Programm kann seine Zwischenablage lesen.</translation>
    </message>
    <message>
        <location filename="../platform/Clipboard.cpp" line="131"/>
        <source>The program has no clipboard.</source>
        <translation>Das Programm hat keine Zwischenablage.</translation>
    </message>
    <message>
        <location filename="../platform/FileSystem.cpp" line="273"/>
        <source>It is neither a file nor a link.</source>
        <translation>Es ist weder eine Datei noch ein Link.</translation>
    </message>
    <message>
        <location filename="../platform/LockedFile.cpp" line="72"/>
        <location filename="../platform/LockedFile.cpp" line="80"/>
        <location filename="../platform/LockedFile.cpp" line="86"/>
        <source>Cannot write to file &quot;%1&quot;. %2</source>
        <translation>In die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="61"/>
        <source>User cancelled request</source>
        <translation>Anfrage vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="63"/>
        <source>General MAPI failure</source>
        <translation>Allgemeiner MAPI-Fehler</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="65"/>
        <source>Logon failure</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="67"/>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="69"/>
        <source>Insufficient memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="71"/>
        <location filename="../platform/UserValues.cpp" line="66"/>
        <source>Access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="73"/>
        <source>Too many sessions</source>
        <translation>Zu viele Sitzungen</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="75"/>
        <source>Too many files open</source>
        <translation>Zu viele Dateien geöffnet</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="77"/>
        <source>Too many recipients</source>
        <translation>Zu viele Empfänger</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="79"/>
        <source>Attachment not found</source>
        <translation>Anhang nicht gefunden</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="81"/>
        <source>Failed to open attachment</source>
        <translation>Anhang kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="83"/>
        <source>Failed to write attachment</source>
        <translation>Anhang kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="85"/>
        <source>Unknown recipient</source>
        <translation>Unbekannter Empfänger</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="87"/>
        <source>Invalid recipient type</source>
        <translation>Ungültiger Empfängertyp</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="89"/>
        <source>No messages</source>
        <translation>Keine Nachrichten</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="91"/>
        <source>Invalid message</source>
        <translation>Ungültige Nachricht</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="93"/>
        <source>Text too large.</source>
        <translation>Text zu lang.</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="95"/>
        <source>Invalid session</source>
        <translation>Ungültige Sitzung</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="97"/>
        <source>Type not supported</source>
        <translation>Typ nicht unterstützt</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="99"/>
        <source>Ambiguous recipient</source>
        <translation>Mehrdeutiger Empfänger</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="101"/>
        <source>Message in use</source>
        <translation>Nachricht wird verwendet</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="103"/>
        <source>Network failure</source>
        <translation>Netzwerkfehler</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="105"/>
        <source>Invalid edit fields</source>
        <translation>Ungültige Bearbeitungsfelder</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="107"/>
        <source>Invalid recipients</source>
        <translation>Ungültige Empfänger</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="109"/>
        <source>Not supported</source>
        <translation>Nicht unterstützt</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="111"/>
        <source>Unknown Error Code: </source>
        <translation>Unbekannter Fehlercode: </translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="224"/>
        <source>Cannot create a folder for the mail&apos;s files in &quot;%1&quot;.</source>
        <translation>Für die Dateien der E-Mail kann in „%1“ kein Ordner angelegt werden.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="25"/>
        <location filename="../properties/KorvGraphic.cpp" line="203"/>
        <location filename="../ui/FormViewImage.cpp" line="93"/>
        <source>The file &quot;%1&quot; does not hold a picture that can be read.</source>
        <translation>Die Datei „%1“ enthält kein lesbares Bild.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="67"/>
        <source>The converted picture is larger than %1 MB.</source>
        <translation>Das umgewandelte Bild ist größer als %1 MB.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="88"/>
        <source>The converter ended with code %1.</source>
        <translation>Der Konverter endete mit Code %1.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="104"/>
        <source>The converter wrote nothing.</source>
        <translation>Der Konverter hat nichts geschrieben.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="109"/>
        <source>The converter did not finish within %1 seconds.</source>
        <translation>Der Konverter wurde nicht innerhalb von %1 Sekunden fertig.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="240"/>
        <source>It is neither an enhanced nor a Windows metafile.</source>
        <translation>Es ist weder eine erweiterte Metadatei (EMF) noch eine Windows-Metadatei (WMF).</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="177"/>
        <location filename="../platform/PrintJob.cpp" line="233"/>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker installiert.</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="180"/>
        <source>The printer &quot;%1&quot; is not installed.</source>
        <translation>Der Drucker „%1“ ist nicht installiert.</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="241"/>
        <location filename="../platform/PrintJob.cpp" line="251"/>
        <source>Cannot start the print job on &quot;%1&quot;.</source>
        <translation>Der Druckauftrag auf „%1“ kann nicht gestartet werden.</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="282"/>
        <location filename="../platform/PrintJob.cpp" line="292"/>
        <source>Cannot print on &quot;%1&quot;.</source>
        <translation>Auf „%1“ kann nicht gedruckt werden.</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="291"/>
        <location filename="../services/ReportJobs.cpp" line="342"/>
        <source>Cannot write the PDF file &quot;%1&quot;.</source>
        <translation>Die PDF-Datei „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../platform/UserValues.cpp" line="61"/>
        <source>The file does not hold settings in the expected form.</source>
        <translation>Die Datei enthält keine Einstellungen in der erwarteten Form.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="34"/>
        <source>The port %1 does not exist.</source>
        <translation>Die Schnittstelle %1 existiert nicht.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="40"/>
        <source>The port %1 is in use by another program.</source>
        <translation>Die Schnittstelle %1 wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="42"/>
        <source>%1 is not a serial port.</source>
        <translation>%1 ist keine serielle Schnittstelle.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="44"/>
        <source>The port %1 could not be opened: %2</source>
        <translation>Die Schnittstelle %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="52"/>
        <source>The connection on the port %1 was lost (the device hung up or was unplugged).</source>
        <translation>Die Verbindung über die Schnittstelle %1 wurde unterbrochen (das Gerät hat aufgelegt oder wurde abgesteckt).</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="54"/>
        <source>Writing to the port %1 failed: %2</source>
        <translation>Schreiben auf die Schnittstelle %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="54"/>
        <source>Reading from the port %1 failed: %2</source>
        <translation>Lesen von der Schnittstelle %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="69"/>
        <source>No serial port has been chosen.</source>
        <translation>Es wurde keine serielle Schnittstelle gewählt.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="182"/>
        <source>The serial port is not open.</source>
        <translation>Die serielle Schnittstelle ist nicht geöffnet.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="249"/>
        <source>Permission to use the port %1 was denied.</source>
        <translation>Der Zugriff auf die Schnittstelle %1 wurde verweigert.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="263"/>
        <source>The port&apos;s owner and permissions cannot be read.</source>
        <translation>Eigentümer und Rechte der Schnittstelle können nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="265"/>
        <source>The user %1 owns it and may read and write it (mode %2); something other than its permissions refuses access.</source>
        <translation>Der Benutzer %1 ist ihr Eigentümer und darf sie lesen und schreiben (Modus %2); etwas anderes als ihre Rechte verweigert den Zugriff.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="268"/>
        <source>It belongs to the user %1, but its mode %2 does not let its owner read and write it.</source>
        <translation>Sie gehört dem Benutzer %1, aber ihr Modus %2 erlaubt dem Eigentümer nicht, sie zu lesen und zu schreiben.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="273"/>
        <source>The user %1 is a member of its group &quot;%2&quot;, which may read and write it (mode %3); something other than its permissions refuses access.</source>
        <translation>Der Benutzer %1 ist Mitglied ihrer Gruppe „%2“, die sie lesen und schreiben darf (Modus %3); etwas anderes als ihre Rechte verweigert den Zugriff.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="276"/>
        <source>It belongs to the user %1 and the group &quot;%2&quot;, of which the user %3 is a member, but its mode %4 does not let the group read and write it: the system administrator must allow that (a udev rule for the device).</source>
        <translation>Sie gehört dem Benutzer %1 und der Gruppe „%2“, deren Mitglied der Benutzer %3 ist, aber ihr Modus %4 erlaubt der Gruppe nicht, sie zu lesen und zu schreiben: Der Systemadministrator muss das erlauben (eine udev-Regel für das Gerät).</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="282"/>
        <source>It belongs to the group &quot;%1&quot;. The user %2 was added to that group but must log in again for it to take effect.</source>
        <translation>Sie gehört der Gruppe „%1“. Der Benutzer %2 wurde dieser Gruppe hinzugefügt, muss sich aber neu anmelden, damit das wirksam wird.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="285"/>
        <source>It belongs to the group &quot;%1&quot;, of which the user %2 is not a member. The user must be added to the group &quot;%1&quot; and log in again.</source>
        <translation>Sie gehört der Gruppe „%1“, in der der Benutzer %2 nicht Mitglied ist. Der Benutzer muss der Gruppe „%1“ hinzugefügt werden und sich neu anmelden.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="289"/>
        <source>Its mode %1 lets every user read and write it; something other than its permissions refuses access.</source>
        <translation>Ihr Modus %1 erlaubt jedem Benutzer, sie zu lesen und zu schreiben; etwas anderes als ihre Rechte verweigert den Zugriff.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="293"/>
        <source>It belongs to the user %1 and the group &quot;%2&quot;, and its mode %3 lets neither the group nor other users read and write it: the system administrator must allow that (a udev rule for the device).</source>
        <translation>Sie gehört dem Benutzer %1 und der Gruppe „%2“, und ihr Modus %3 erlaubt weder der Gruppe noch anderen Benutzern, sie zu lesen und zu schreiben: Der Systemadministrator muss das erlauben (eine udev-Regel für das Gerät).</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="140"/>
        <source>Before you connect the viscometer, a few facts about serial ports on this computer:</source>
        <translation>Bevor Sie das Viskosimeter anschließen, einige Hinweise zu den seriellen Schnittstellen dieses Computers:</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="144"/>
        <source>The user %1 was added to the group &quot;dialout&quot; that may use serial ports, but that takes effect only after logging out and in again.</source>
        <translation>Der Benutzer %1 wurde der Gruppe „dialout“ hinzugefügt, die serielle Schnittstellen verwenden darf, doch das wird erst nach Ab- und erneutem Anmelden wirksam.</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="147"/>
        <source>The user %1 is not a member of the group &quot;dialout&quot; that may use serial ports. The administrator can add it with:
    sudo usermod -aG dialout %1
and it takes effect after logging out and in again.</source>
        <translation>Der Benutzer %1 ist nicht Mitglied der Gruppe „dialout“, die serielle Schnittstellen verwenden darf. Der Administrator kann ihn hinzufügen mit:
    sudo usermod -aG dialout %1
Das wird nach Ab- und erneutem Anmelden wirksam.</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="153"/>
        <source>ModemManager is running: it probes every new USB-serial adapter for a modem and can hold the port for several seconds after the adapter is plugged in.</source>
        <translation>ModemManager läuft: Er prüft jeden neuen USB-Seriell-Adapter auf ein Modem und kann die Schnittstelle nach dem Einstecken des Adapters mehrere Sekunden lang belegen.</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="157"/>
        <source>The optional udev rule %1 keeps ModemManager away from common USB-serial adapters and lets the user at the screen open them without the group and without a new login. Copy it to /etc/udev/rules.d/ (as administrator) and plug the adapter in again.</source>
        <translation>Die optionale udev-Regel %1 hält ModemManager von gängigen USB-Seriell-Adaptern fern und lässt den Benutzer am Bildschirm sie ohne die Gruppe und ohne neue Anmeldung öffnen. Kopieren Sie sie (als Administrator) nach /etc/udev/rules.d/ und stecken Sie den Adapter neu ein.</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="163"/>
        <source>The braille display service brltty has a rule that claims USB-serial adapters (%1): the port disappears moments after the adapter is plugged in. If no braille display is used, remove it with
    sudo apt remove brltty
or switch the rule off with
    sudo ln -s /dev/null /etc/udev/rules.d/%2</source>
        <translation>Der Braillezeilen-Dienst brltty hat eine Regel, die USB-Seriell-Adapter beansprucht (%1): Die Schnittstelle verschwindet kurz nach dem Einstecken des Adapters. Wenn keine Braillezeile verwendet wird, entfernen Sie ihn mit
    sudo apt remove brltty
oder schalten Sie die Regel ab mit
    sudo ln -s /dev/null /etc/udev/rules.d/%2</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="168"/>
        <source>Choose a USB adapter by its name under /dev/serial/by-id, as the port list shows it: names such as /dev/ttyUSB0 can change when an adapter is plugged in again.</source>
        <translation>Wählen Sie einen USB-Adapter über seinen Namen unter /dev/serial/by-id, wie ihn die Schnittstellenliste zeigt: Namen wie /dev/ttyUSB0 können sich ändern, wenn ein Adapter neu eingesteckt wird.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="845"/>
        <source>Cannot write to stream. %1</source>
        <translation>In den Datenstrom kann nicht geschrieben werden. %1</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="863"/>
        <source>The document ends in the middle of a tag, after %1 bytes.</source>
        <translation>Das Dokument endet mitten in einem Tag, nach %1 Byte.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="864"/>
        <source>The document ends inside the element &quot;%1&quot;, after %2 bytes.</source>
        <translation>Das Dokument endet innerhalb des Elements „%1“, nach %2 Byte.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="866"/>
        <source>The document closes %1 element(s) that were never opened.</source>
        <translation>Das Dokument schließt %1 Element(e), die nie geöffnet wurden.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="869"/>
        <source>The document nests elements too deeply; %1 element(s) were left out.</source>
        <translation>Das Dokument verschachtelt Elemente zu tief; %1 Element(e) wurden ausgelassen.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="871"/>
        <source>The document holds text outside its elements.</source>
        <translation>Das Dokument enthält Text außerhalb seiner Elemente.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="874"/>
        <source>Its last complete element ends at byte %1; %2 element(s) were read.</source>
        <translation>Sein letztes vollständiges Element endet bei Byte %1; %2 Element(e) wurden gelesen.</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="143"/>
        <source>Time (seconds)</source>
        <translation>Zeit (Sekunden)</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="144"/>
        <location filename="../catalogue/Catalogue.cpp" line="153"/>
        <source>Viscosity (%1)</source>
        <translation>Viskosität (%1)</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="145"/>
        <location filename="../catalogue/Catalogue.cpp" line="153"/>
        <location filename="../reports/PageItemReadings.cpp" line="162"/>
        <location filename="../export/BatchExport.cpp" line="125"/>
        <source>% Full Scale</source>
        <translation>% Skalenendwert</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="146"/>
        <location filename="../catalogue/Catalogue.cpp" line="154"/>
        <source>Temperature (%1)</source>
        <translation>Temperatur (%1)</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="147"/>
        <location filename="../catalogue/Catalogue.cpp" line="154"/>
        <location filename="../reports/PageItemReadings.cpp" line="164"/>
        <location filename="../export/BatchExport.cpp" line="127"/>
        <source>RPM</source>
        <translation>U/min</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="148"/>
        <location filename="../catalogue/Catalogue.cpp" line="155"/>
        <source>ShearStress</source>
        <translation>Schubspannung</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="149"/>
        <location filename="../catalogue/Catalogue.cpp" line="155"/>
        <source>ShearRate</source>
        <translation>Schergeschwindigkeit</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="181"/>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="181"/>
        <location filename="../properties/Properties.cpp" line="169"/>
        <location filename="../reports/Page.cpp" line="56"/>
        <source>Default</source>
        <translation>Standard</translation>
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
        <translation>Legal</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="185"/>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="185"/>
        <source>Tabloid</source>
        <translation>Tabloid</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="203"/>
        <source>Invalid report unit type</source>
        <translation>Ungültiger Typ der Berichtseinheit</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="210"/>
        <source>Invalid viscosity unit type</source>
        <translation>Ungültiger Typ der Viskositätseinheit</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="217"/>
        <source>Invalid temperature unit type</source>
        <translation>Ungültiger Typ der Temperatureinheit</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="361"/>
        <source>Invalid Spindle Index</source>
        <translation>Ungültiger Spindelindex</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="391"/>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="331"/>
        <location filename="../export/BatchExport.cpp" line="73"/>
        <source>Invalid ModelType</source>
        <translation>Ungültiger Modelltyp</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="408"/>
        <source>Over scale</source>
        <translation>Über Messbereich</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="416"/>
        <location filename="../catalogue/Catalogue.cpp" line="451"/>
        <source>Invalid XAxis</source>
        <translation>Ungültige X-Achse</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="426"/>
        <location filename="../catalogue/Catalogue.cpp" line="457"/>
        <source>Invalid YAxis</source>
        <translation>Ungültige Y-Achse</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="502"/>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="502"/>
        <source>in</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="518"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="518"/>
        <source>ft</source>
        <translation>ft</translation>
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
        <translation>Der Konverter hat kein lesbares Bild geschrieben.</translation>
    </message>
    <message>
        <location filename="../properties/KorvGraphic.cpp" line="268"/>
        <source>Cannot assign object to KorvGraphic</source>
        <translation>Objekt kann nicht KorvGraphic zugewiesen werden</translation>
    </message>
    <message>
        <location filename="../properties/PictureText.cpp" line="122"/>
        <source>The pictures of the document need more than %1 MB.</source>
        <translation>Die Bilder des Dokuments benötigen mehr als %1 MB.</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="71"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige Ganzzahl</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="87"/>
        <location filename="../instrument/ProcessRules.cpp" line="148"/>
        <location filename="../instrument/ViscoMeterInterface.cpp" line="68"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="129"/>
        <location filename="../reports/PageItemGraphic.cpp" line="16"/>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="129"/>
        <location filename="../reports/PageItemGraphic.cpp" line="16"/>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="159"/>
        <source>bsSolid</source>
        <translation>Ausgefüllt</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="159"/>
        <source>bsClear</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="159"/>
        <source>bsBDiagonal</source>
        <translation>Diagonal rückwärts</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="159"/>
        <source>bsFDiagonal</source>
        <translation>Diagonal vorwärts</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="160"/>
        <source>bsCross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="160"/>
        <source>bsDiagCross</source>
        <translation>Diagonalkreuz</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="160"/>
        <source>bsHorizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="160"/>
        <source>bsVertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="164"/>
        <source>psSolid</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="164"/>
        <source>psDash</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="164"/>
        <source>psDot</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="164"/>
        <source>psDashDot</source>
        <translation>Strich-Punkt</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="165"/>
        <source>psDashDotDot</source>
        <translation>Strich-Punkt-Punkt</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="165"/>
        <source>psClear</source>
        <translation>Unsichtbar</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="165"/>
        <source>psInsideFrame</source>
        <translation>Innerhalb des Rahmens</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="300"/>
        <source>Cannot copy value to property.</source>
        <translation>Der Wert kann nicht in die Eigenschaft kopiert werden.</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="346"/>
        <source>(None)</source>
        <translation>(Keine)</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="346"/>
        <source>(Graphic)</source>
        <translation>(Grafik)</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="374"/>
        <source>Invalid boolean value &apos;%1&apos;</source>
        <translation>Ungültiger Wahrheitswert „%1“</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="384"/>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="392"/>
        <source>Invalid brush style &apos;%1&apos;</source>
        <translation>Ungültiges Füllmuster „%1“</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="395"/>
        <source>Invalid pen style &apos;%1&apos;</source>
        <translation>Ungültiger Linienstil „%1“</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="461"/>
        <source>Property does not exist</source>
        <translation>Eigenschaft existiert nicht</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="474"/>
        <source>Expecting property list</source>
        <translation>Eigenschaftsliste erwartet</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="22"/>
        <location filename="../automation/BramblexInterface.cpp" line="76"/>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="31"/>
        <source>Cannot assign object to Process item</source>
        <translation>Objekt kann nicht dem Prozesselement zugewiesen werden</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="51"/>
        <source>Cannot assign object to Measurement item</source>
        <translation>Objekt kann nicht dem Messungselement zugewiesen werden</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="241"/>
        <source>Invalid sort type</source>
        <translation>Ungültige Sortierart</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="296"/>
        <source>Cannot assign object to Batch item</source>
        <translation>Objekt kann nicht dem Chargenelement zugewiesen werden</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="435"/>
        <source>The file &quot;%1&quot; is damaged and was read only in part.
%2
%3 reading(s) and %4 process(es) were read.</source>
        <translation>Die Datei „%1“ ist beschädigt und wurde nur teilweise gelesen.
%2
%3 Messwert(e) und %4 Prozess(e) wurden gelesen.</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="482"/>
        <source>When Above</source>
        <translation>Wenn darüber</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="484"/>
        <source>When Below</source>
        <translation>Wenn darunter</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="486"/>
        <source>Invalid Start Temperature Type</source>
        <translation>Ungültiger Typ der Starttemperatur</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="525"/>
        <source>Processes moved</source>
        <translation>Prozesse verschoben</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="529"/>
        <source>Process %1 added</source>
        <translation>Prozess %1 hinzugefügt</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="537"/>
        <source>Processes deleted: %1</source>
        <translation>Prozesse gelöscht: %1</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="541"/>
        <source>Process %1 edited</source>
        <translation>Prozess %1 bearbeitet</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="545"/>
        <source>%1 (%2 processes before, %3 after)</source>
        <translation>%1 (vorher %2 Prozesse, nachher %3)</translation>
    </message>
    <message>
        <location filename="../documents/DamagedSource.cpp" line="38"/>
        <source>It is not saved over; save a repaired copy under another name.</source>
        <translation>Sie wird nicht überschrieben; speichern Sie eine reparierte Kopie unter einem anderen Namen.</translation>
    </message>
    <message>
        <location filename="../documents/Settings.cpp" line="111"/>
        <source>Unable to assign object to TSettingsItem</source>
        <translation>Objekt kann nicht TSettingsItem zugewiesen werden</translation>
    </message>
    <message>
        <location filename="../documents/Settings.cpp" line="198"/>
        <source>The file &quot;%1&quot; is damaged and was read only in part.
%2
%3 value(s) were read.</source>
        <translation>Die Datei „%1“ ist beschädigt und wurde nur teilweise gelesen.
%2
%3 Wert(e) wurden gelesen.</translation>
    </message>
    <message>
        <location filename="../documents/Settings.cpp" line="216"/>
        <source>Unable to assign object to TSettings</source>
        <translation>Objekt kann nicht TSettings zugewiesen werden</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="177"/>
        <source>Cannot write the audit trail of &quot;%1&quot;.</source>
        <translation>Der Audit-Trail von „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="238"/>
        <source>New batch</source>
        <translation>Neue Charge</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="243"/>
        <source>Copy of %1, which has no audit trail</source>
        <translation>Kopie von %1, die keinen Audit-Trail hat</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="244"/>
        <source>Copy of %1, whose audit trail ends with record %2</source>
        <translation>Kopie von %1, deren Audit-Trail mit Eintrag %2 endet</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="267"/>
        <source>%1 on %2; readings %3 → %4</source>
        <translation>%1 an %2; Messwerte %3 → %4</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="277"/>
        <source>%1 readings cleared</source>
        <translation>%1 Messwerte gelöscht</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="284"/>
        <source>%1 readings recovered from %2</source>
        <translation>%1 Messwerte aus %2 wiederhergestellt</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="310"/>
        <source>Batch deleted</source>
        <translation>Charge gelöscht</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="350"/>
        <location filename="../audit/AuditTrail.cpp" line="363"/>
        <location filename="../qc/Qc.cpp" line="352"/>
        <location filename="../qc/Qc.cpp" line="389"/>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="440"/>
        <source>The batch is signed: a change to it needs a reason.</source>
        <translation>Die Charge ist signiert: Eine Änderung daran erfordert eine Begründung.</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="454"/>
        <source>Audit trail started on an existing file</source>
        <translation>Audit-Trail für eine vorhandene Datei begonnen</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="460"/>
        <source>The change recorded at %1 did not reach the file</source>
        <translation>Die um %1 aufgezeichnete Änderung hat die Datei nicht erreicht</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="469"/>
        <source>The file was removed outside Bramblex after the change recorded at %1</source>
        <translation>Die Datei wurde nach der um %1 aufgezeichneten Änderung außerhalb von Bramblex entfernt</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="471"/>
        <source>The file was changed outside Bramblex after the change recorded at %1</source>
        <translation>Die Datei wurde nach der um %1 aufgezeichneten Änderung außerhalb von Bramblex geändert</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="533"/>
        <source>The move recorded before did not happen: %1</source>
        <translation>Die zuvor aufgezeichnete Verschiebung hat nicht stattgefunden: %1</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="572"/>
        <source>&quot;%1&quot; is signed: a change to it needs a reason.</source>
        <translation>„%1“ ist signiert: Eine Änderung daran erfordert eine Begründung.</translation>
    </message>
    <message>
        <location filename="../audit/Signing.cpp" line="81"/>
        <source>Signing is locked after three wrong passwords; try again in %1 seconds.</source>
        <translation>Das Signieren ist nach drei falschen Passwörtern gesperrt; versuchen Sie es in %1 Sekunden erneut.</translation>
    </message>
    <message>
        <location filename="../audit/Signing.cpp" line="89"/>
        <source>Signature refused: the password cannot be checked.</source>
        <translation>Signatur abgelehnt: Das Passwort kann nicht geprüft werden.</translation>
    </message>
    <message>
        <location filename="../audit/Signing.cpp" line="94"/>
        <source>Signature refused: the password is not correct.</source>
        <translation>Signatur abgelehnt: Das Passwort ist nicht korrekt.</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="174"/>
        <source>Invalid thread operation</source>
        <translation>Ungültige Thread-Operation</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="195"/>
        <source>The measurement run ended on an unknown error.</source>
        <translation>Der Messlauf endete mit einem unbekannten Fehler.</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="233"/>
        <source>Unable to set ViscoMeter into computer controlled mode</source>
        <translation>Das ViscoMeter kann nicht in den rechnergesteuerten Modus versetzt werden</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="282"/>
        <source>Connected ViscoMeter model is different than one selected in batch.</source>
        <translation>Das angeschlossene ViscoMeter-Modell unterscheidet sich von dem in der Charge gewählten.</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="304"/>
        <source>Begining Process....</source>
        <translation>Prozess wird gestartet....</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="317"/>
        <source>Waiting for temperature to go above %1 (%2) currently %3 (%4)</source>
        <translation>Warten, bis die Temperatur über %1 (%2) steigt, derzeit %3 (%4)</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="321"/>
        <source>Waiting for temperature to go below %1 (%2) currently %3 (%4)</source>
        <translation>Warten, bis die Temperatur unter %1 (%2) fällt, derzeit %3 (%4)</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="340"/>
        <source>Processing Item %1 of %2</source>
        <translation>Prozess %1 von %2 wird ausgeführt</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="344"/>
        <source>Delaying ... %1 seconds remaining</source>
        <translation>Verzögerung ... noch %1 Sekunden</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="355"/>
        <source>An error occured while requesting a measurement</source>
        <translation>Bei der Anforderung einer Messung ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="417"/>
        <source>Press the START button on the ViscoMeter to begin</source>
        <translation>Drücken Sie die START-Taste am ViscoMeter, um zu beginnen</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="459"/>
        <source>Receiving data from ViscoMeter, click the STOP button to finish collecting data.</source>
        <translation>Empfange Daten vom ViscoMeter; klicken Sie auf „Stopp“, um die Datenerfassung zu beenden.</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="31"/>
        <source>Selected ViscoMeter model does not support processes</source>
        <translation>Das gewählte ViscoMeter-Modell unterstützt keine Prozesse</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="55"/>
        <source>Process time has to be greater than zero</source>
        <translation>Die Prozesszeit muss größer als null sein</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="57"/>
        <source>Insufficient time to do RPM changes</source>
        <translation>Zu wenig Zeit für die Drehzahländerungen</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="63"/>
        <source>Start delay has to be greater than zero</source>
        <translation>Die Startverzögerung muss größer als null sein</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="73"/>
        <source>Start temperature has to within the range of %1 (%2) to %3 (%4)</source>
        <translation>Die Starttemperatur muss im Bereich von %1 (%2) bis %3 (%4) liegen</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="82"/>
        <source>Measurement range for a process taking %1 seconds is between %2 and %3</source>
        <translation>Der Messbereich für einen Prozess von %1 Sekunden liegt zwischen %2 und %3</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="90"/>
        <source>The process speeds are not available with the selected spindle</source>
        <translation>Die Prozessdrehzahlen sind mit der gewählten Spindel nicht verfügbar</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="121"/>
        <source>Spindle types PA to PF only allow process RPM to go up to 12rpm, please modify process RPM before changing spindle</source>
        <translation>Die Spindeltypen PA bis PF erlauben Prozessdrehzahlen nur bis 12 U/min; bitte ändern Sie die Prozessdrehzahl, bevor Sie die Spindel wechseln</translation>
    </message>
    <message>
        <location filename="../instrument/ViscoMeterInterface.cpp" line="162"/>
        <source>Communications Error: (Invalid Communications Port)</source>
        <translation>Kommunikationsfehler: (Ungültige Schnittstelle)</translation>
    </message>
    <message>
        <location filename="../instrument/ViscoMeterInterface.cpp" line="275"/>
        <source>ReadInstrumentModel: Unknown model %1</source>
        <translation>ReadInstrumentModel: Unbekanntes Modell %1</translation>
    </message>
    <message>
        <location filename="../instrument/ViscoMeterInterface.cpp" line="325"/>
        <source>This viscometer does not support %1 RPM</source>
        <translation>Dieses Viskosimeter unterstützt keine %1 U/min</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="118"/>
        <source>Unknown fault &quot;%1&quot;; known faults: %2.</source>
        <translation>Unbekannter Fehler „%1“; bekannte Fehler: %2.</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="172"/>
        <source>Unknown fluid &quot;%1&quot;; known fluids: paint, oil, paste.</source>
        <translation>Unbekanntes Fluid „%1“; bekannte Fluide: paint, oil, paste.</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="233"/>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="255"/>
        <source>Cannot open a pseudo-terminal: %1</source>
        <translation>Es kann kein Pseudo-Terminal geöffnet werden: %1</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="315"/>
        <source>The simulator is not running.</source>
        <translation>Der Simulator läuft nicht.</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="320"/>
        <source>%1 exists and is not a link; it was left as it is.</source>
        <translation>%1 existiert und ist kein Link; es wurde unverändert gelassen.</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="325"/>
        <source>Cannot make the link %1: %2</source>
        <translation>Der Link %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="378"/>
        <source>No usable reading has shear data.</source>
        <translation>Kein verwendbarer Messwert hat Scherdaten.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="379"/>
        <source>The spindle gives no shear data.</source>
        <translation>Die Spindel liefert keine Scherdaten.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="396"/>
        <source>%1 needs more than %2 readings with shear data (%3 found).</source>
        <translation>%1 benötigt mehr als %2 Messwerte mit Scherdaten (%3 gefunden).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="400"/>
        <source>%1 needs readings at %2 different shear rates (%3 found).</source>
        <translation>%1 benötigt Messwerte bei %2 verschiedenen Schergeschwindigkeiten (%3 gefunden).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="410"/>
        <source>%1 could not be fitted to these readings.</source>
        <translation>%1 konnte nicht an diese Messwerte angepasst werden.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="526"/>
        <source>Too few readings with shear data for any flow model (%1 found).</source>
        <translation>Zu wenige Messwerte mit Scherdaten für ein Fließmodell (%1 gefunden).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="537"/>
        <source>Too few readings with shear data to compare the models (%1 found).</source>
        <translation>Zu wenige Messwerte mit Scherdaten, um die Modelle zu vergleichen (%1 gefunden).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="554"/>
        <location filename="../analysis/Analysis.cpp" line="603"/>
        <location filename="../analysis/Analysis.cpp" line="791"/>
        <source>No usable reading.</source>
        <translation>Kein verwendbarer Messwert.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="555"/>
        <source>The flow index needs readings at two different speeds.</source>
        <translation>Der Fließindex benötigt Messwerte bei zwei verschiedenen Drehzahlen.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="597"/>
        <source>The thixotropic index needs readings at a speed and at ten times that speed.</source>
        <translation>Der Thixotropieindex benötigt Messwerte bei einer Drehzahl und bei der zehnfachen Drehzahl.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="621"/>
        <source>The temperature dependence needs at least 3 readings at one speed spanning 5 K or more (%1 at %2 RPM spanning %3 K).</source>
        <translation>Die Temperaturabhängigkeit benötigt mindestens 3 Messwerte bei einer Drehzahl über 5 K oder mehr (%1 bei %2 U/min über %3 K).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="666"/>
        <source>Newtonian</source>
        <translation>Newtonsch</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="668"/>
        <source>Power law</source>
        <translation>Potenzgesetz</translation>
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
        <translation>Die Charge hat keine Messwerte.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="737"/>
        <source>No usable reading: %1 over scale, %2 low torque.</source>
        <translation>Kein verwendbarer Messwert: %1 über Messbereich, %2 mit niedrigem Drehmoment.</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="120"/>
        <source>Readings: %1, used: %2 (left out: %3 over scale, %4 low torque%5; %6 without shear data)</source>
        <translation>Messwerte: %1, verwendet: %2 (ausgelassen: %3 über Messbereich, %4 mit niedrigem Drehmoment%5; %6 ohne Scherdaten)</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="125"/>
        <source>, low torque included</source>
        <translation>, niedriges Drehmoment einbezogen</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="128"/>
        <source>Flow models</source>
        <translation>Fließmodelle</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="133"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="133"/>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="133"/>
        <source>R²</source>
        <translation>R²</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="133"/>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="134"/>
        <source>AICc</source>
        <translation>AICc</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="168"/>
        <source>Best model (lowest AICc): %1</source>
        <translation>Bestes Modell (kleinstes AICc): %1</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="173"/>
        <source>Flow index from speed</source>
        <translation>Fließindex aus der Drehzahl</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="176"/>
        <source>n = %1, K = %2 %3 (at 1 RPM), R² = %4, points: %5</source>
        <translation>n = %1, K = %2 %3 (bei 1 U/min), R² = %4, Punkte: %5</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="182"/>
        <location filename="../qc/Qc.cpp" line="203"/>
        <source>Thixotropic index</source>
        <translation>Thixotropieindex</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="184"/>
        <source>%1 (%2 RPM / %3 RPM)</source>
        <translation>%1 (%2 U/min / %3 U/min)</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="190"/>
        <source>Temperature dependence (Arrhenius)</source>
        <translation>Temperaturabhängigkeit (Arrhenius)</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="192"/>
        <source>Ea = %1 kJ/mol, ln A = %2, R² = %3, at %4 RPM, points: %5</source>
        <translation>Ea = %1 kJ/mol, ln A = %2, R² = %3, bei %4 U/min, Punkte: %5</translation>
    </message>
    <message>
        <location filename="../reports/ChartFlow.cpp" line="9"/>
        <source>Shear Rate (1/s)</source>
        <translation>Schergeschwindigkeit (1/s)</translation>
    </message>
    <message>
        <location filename="../reports/ChartFlow.cpp" line="13"/>
        <source>Shear Stress (%1)</source>
        <translation>Schubspannung (%1)</translation>
    </message>
    <message>
        <location filename="../reports/ChartFlow.cpp" line="22"/>
        <location filename="../reports/PageItemReadings.cpp" line="121"/>
        <source>Readings</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="52"/>
        <source>Opening Page</source>
        <translation>Deckblatt</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="52"/>
        <source>Inner Page</source>
        <translation>Innenseite</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="52"/>
        <source>Closing Page</source>
        <translation>Schlussseite</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="56"/>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="56"/>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="65"/>
        <source>PageWidth</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="67"/>
        <source>PageHeight</source>
        <translation>Seitenhöhe</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="69"/>
        <source>PageType</source>
        <translation>Seitentyp</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="73"/>
        <source>PageOrientation</source>
        <translation>Seitenausrichtung</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="76"/>
        <source>PaperSize</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="155"/>
        <source>Cannot assign object to Page object</source>
        <translation>Objekt kann nicht dem Seitenobjekt zugewiesen werden</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="245"/>
        <source>Invalid Page Orientation</source>
        <translation>Ungültige Seitenausrichtung</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="455"/>
        <source>Too many items, please rename some.</source>
        <translation>Zu viele Elemente, bitte benennen Sie einige um.</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="563"/>
        <source>Example Batch</source>
        <translation>Beispielcharge</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="564"/>
        <source>C:\Documents and Settings\ExampleUser\My Documents\My Gaugeline Data\</source>
        <translation>C:\Dokumente und Einstellungen\Beispielbenutzer\Eigene Dateien\Meine Gaugeline-Daten\</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="22"/>
        <location filename="../reports/PageItem.cpp" line="41"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="22"/>
        <location filename="../reports/PageItem.cpp" line="42"/>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="22"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="22"/>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="43"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="44"/>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="46"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="47"/>
        <source>PageItem</source>
        <translation>Seitenelement</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="54"/>
        <source>Item name already in use.</source>
        <translation>Der Elementname wird bereits verwendet.</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="57"/>
        <source>Anchor</source>
        <translation>Verankerung</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="95"/>
        <location filename="../reports/PageItemChartFlow.cpp" line="13"/>
        <location filename="../reports/PageItemChartRun.cpp" line="19"/>
        <source>FontName</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="97"/>
        <source>FontSize</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="101"/>
        <source>FontColour</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="107"/>
        <source>Cannot assign object to %1</source>
        <translation>Objekt kann nicht %1 zugewiesen werden</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="15"/>
        <location filename="../reports/PageItemChartRun.cpp" line="22"/>
        <source>Grid</source>
        <translation>Gitternetz</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="16"/>
        <location filename="../reports/PageItemChartRun.cpp" line="23"/>
        <source>ShowLegend</source>
        <translation>Legende anzeigen</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="17"/>
        <source>Logarithmic</source>
        <translation>Logarithmisch</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="18"/>
        <source>IncludeLowTorque</source>
        <translation>Mit niedrigem Drehmoment</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="19"/>
        <source>ChartFlow</source>
        <translation>Fließkurve</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartRun.cpp" line="21"/>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartRun.cpp" line="24"/>
        <source>ReadingsPerPage</source>
        <translation>Messwerte pro Seite</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartRun.cpp" line="27"/>
        <source>ChartRun</source>
        <translation>Verlaufsdiagramm</translation>
    </message>
    <message>
        <location filename="../reports/PageItemGraphic.cpp" line="39"/>
        <location filename="../reports/PageItemGraphic.cpp" line="46"/>
        <source>Graphic</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <location filename="../reports/PageItemGraphic.cpp" line="40"/>
        <source>AspectRatio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <location filename="../reports/PageItemGraphic.cpp" line="43"/>
        <location filename="../reports/PageItemMemo.cpp" line="264"/>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="104"/>
        <source>%1 (an earlier version)</source>
        <translation>%1 (für eine frühere Version)</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="122"/>
        <source>Top Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="122"/>
        <source>Top Middle</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="122"/>
        <source>Top Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="123"/>
        <source>Middle Left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="123"/>
        <source>Middle Middle</source>
        <translation>Mitte Mitte</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="123"/>
        <source>Middle Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="124"/>
        <source>Bottom Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="124"/>
        <source>Bottom Middle</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="124"/>
        <source>Bottom Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="142"/>
        <source>Data values only available on inner pages</source>
        <translation>Datenwerte nur auf Innenseiten verfügbar</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="257"/>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="258"/>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="259"/>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="260"/>
        <source>Strikeout</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="261"/>
        <source>WordWrap</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="262"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="268"/>
        <source>Memo</source>
        <translation>Textfeld</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="117"/>
        <source>RowsPerPage</source>
        <translation>Zeilen pro Seite</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="120"/>
        <source>ShowColumnHeader</source>
        <translation>Spaltenköpfe anzeigen</translation>
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
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="160"/>
        <location filename="../export/BatchExport.cpp" line="115"/>
        <location filename="../export/BatchExport.cpp" line="123"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="161"/>
        <location filename="../export/BatchExport.cpp" line="124"/>
        <source>Viscosity</source>
        <translation>Viskosität</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="163"/>
        <location filename="../export/BatchExport.cpp" line="126"/>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="166"/>
        <location filename="../export/BatchExport.cpp" line="128"/>
        <source>Shear Stress</source>
        <translation>Schubspannung</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="166"/>
        <location filename="../export/BatchExport.cpp" line="129"/>
        <source>Shear Rate</source>
        <translation>Schergeschwindigkeit</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="12"/>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="12"/>
        <source>Horizontal Line</source>
        <translation>Horizontale Linie</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="12"/>
        <source>Vertical Line</source>
        <translation>Vertikale Linie</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="16"/>
        <source>LineColour</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="17"/>
        <source>FillColour</source>
        <translation>Füllfarbe</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="18"/>
        <source>LineStyle</source>
        <translation>Linienstil</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="19"/>
        <source>FillStyle</source>
        <translation>Füllmuster</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="20"/>
        <source>LineWidth</source>
        <translation>Linienbreite</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="21"/>
        <location filename="../reports/PageItemShape.cpp" line="24"/>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../reports/PageItemTypes.cpp" line="59"/>
        <source>Class %1 not found</source>
        <translation>Klasse %1 nicht gefunden</translation>
    </message>
    <message>
        <location filename="../reports/Report.cpp" line="100"/>
        <source>The file &quot;%1&quot; is damaged and was read only in part.
%2
%3 page(s) were read.</source>
        <translation>Die Datei „%1“ ist beschädigt und wurde nur teilweise gelesen.
%2
%3 Seite(n) wurden gelesen.</translation>
    </message>
    <message>
        <location filename="../storage/FileItem.cpp" line="121"/>
        <location filename="../storage/FileItem.cpp" line="129"/>
        <source>Cannot save file that is not loaded</source>
        <translation>Eine nicht geladene Datei kann nicht gespeichert werden</translation>
    </message>
    <message>
        <location filename="../storage/FileItem.cpp" line="123"/>
        <source>Cannot save a batch without the record of its change</source>
        <translation>Eine Charge kann nicht ohne den Eintrag ihrer Änderung gespeichert werden</translation>
    </message>
    <message>
        <location filename="../storage/FileItem.cpp" line="164"/>
        <source>Cannot assign object to File item</source>
        <translation>Objekt kann nicht dem Dateielement zugewiesen werden</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="116"/>
        <source>Copy of file and folders canceled</source>
        <translation>Kopieren von Dateien und Ordnern abgebrochen</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="131"/>
        <source>Destination same as source folder</source>
        <translation>Ziel ist gleich dem Quellordner</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="135"/>
        <source>The folder already contains a folder named &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
If the files in the existing folder have the same name as the files in the<byte value="xd"/>
folder you are moving or copying, they will be replaced.  Do you still<byte value="xd"/>
want to move or copy the folder?</source>
        <translation>Der Ordner enthält bereits einen Ordner namens „%1“.<byte value="xd"/>
<byte value="xd"/>
Wenn Dateien im vorhandenen Ordner denselben Namen haben wie Dateien im<byte value="xd"/>
Ordner, den Sie verschieben oder kopieren, werden sie ersetzt. Möchten Sie<byte value="xd"/>
den Ordner trotzdem verschieben oder kopieren?</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="143"/>
        <source>The folder already contains a file named &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Would you like to replace the existing file?</source>
        <translation>Der Ordner enthält bereits eine Datei namens „%1“.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie die vorhandene Datei ersetzen?</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="165"/>
        <source>Cannot read from the source file or disk</source>
        <translation>Von der Quelldatei oder dem Datenträger kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="181"/>
        <location filename="../storage/FileOperations.cpp" line="226"/>
        <location filename="../storage/StoragePaths.cpp" line="140"/>
        <location filename="../storage/StoragePaths.cpp" line="158"/>
        <location filename="../ui/FormMain.cpp" line="1273"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="279"/>
        <source>Unable to create directories</source>
        <translation>Verzeichnisse können nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="207"/>
        <source>Unable to copy file %1</source>
        <translation>Die Datei %1 kann nicht kopiert werden</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="244"/>
        <location filename="../storage/FileOperations.cpp" line="321"/>
        <source>Unable to delete directory %1</source>
        <translation>Das Verzeichnis %1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="261"/>
        <location filename="../storage/FileOperations.cpp" line="290"/>
        <location filename="../storage/FileOperations.cpp" line="302"/>
        <source>Unable to delete file %1</source>
        <translation>Die Datei %1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="284"/>
        <source>Unable to move file %1</source>
        <translation>Die Datei %1 kann nicht verschoben werden</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="412"/>
        <source>Copy of %1</source>
        <translation>Kopie von %1</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="416"/>
        <source>Copy (%1) of %2</source>
        <translation>Kopie (%1) von %2</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="420"/>
        <source>Unable to copy, too many &quot;Copy of&quot; files</source>
        <translation>Kopieren nicht möglich, zu viele „Kopie von“-Dateien</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="433"/>
        <source>Unable to create file/folder, too many default named items.</source>
        <translation>Datei/Ordner kann nicht angelegt werden, zu viele Elemente mit Standardnamen.</translation>
    </message>
    <message>
        <location filename="../storage/StoragePaths.cpp" line="44"/>
        <source>My ViscoMeter Data</source>
        <translation>Meine ViscoMeter-Daten</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="44"/>
        <source>The QC limit set &quot;%1&quot; is damaged: %2</source>
        <translation>Die QK-Grenzwertliste „%1“ ist beschädigt: %2</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="100"/>
        <source>No usable reading at %1 RPM.</source>
        <translation>Kein verwendbarer Messwert bei %1 U/min.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="134"/>
        <source>The best flow model (%1) has no %2.</source>
        <translation>Das beste Fließmodell (%1) hat kein %2.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="148"/>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="150"/>
        <source>at least %1</source>
        <translation>mindestens %1</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="151"/>
        <source>at most %1</source>
        <translation>höchstens %1</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="191"/>
        <source>Viscosity at %1 RPM</source>
        <translation>Viskosität bei %1 U/min</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="193"/>
        <source>Temperature at %1 RPM</source>
        <translation>Temperatur bei %1 U/min</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="195"/>
        <source>Flow index</source>
        <translation>Fließindex</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="197"/>
        <source>Yield stress</source>
        <translation>Fließgrenze</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="199"/>
        <source>Consistency K</source>
        <translation>Konsistenz K</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="201"/>
        <source>Flow model n</source>
        <translation>Fließmodell n</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="205"/>
        <source>Activation energy</source>
        <translation>Aktivierungsenergie</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="221"/>
        <source>kJ/mol</source>
        <translation>kJ/mol</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="257"/>
        <source>A criterion needs a lower limit, an upper limit or both.</source>
        <translation>Ein Kriterium benötigt eine Untergrenze, eine Obergrenze oder beide.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="259"/>
        <source>A limit is not a number.</source>
        <translation>Eine Grenze ist keine Zahl.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="261"/>
        <source>The lower limit is above the upper limit.</source>
        <translation>Die Untergrenze liegt über der Obergrenze.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="263"/>
        <source>The speed must be more than 0 RPM.</source>
        <translation>Die Drehzahl muss größer als 0 U/min sein.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="293"/>
        <location filename="../qc/Qc.cpp" line="359"/>
        <location filename="../qc/Qc.cpp" line="409"/>
        <source>&quot;%1&quot; is not a valid name.</source>
        <translation>„%1“ ist kein gültiger Name.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="316"/>
        <source>it is not a QC limit set.</source>
        <translation>es ist keine QK-Grenzwertliste.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="328"/>
        <source>criterion %1 measures &quot;%2&quot;.</source>
        <translation>Kriterium %1 misst „%2“.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="332"/>
        <source>criterion %1 has no speed.</source>
        <translation>Kriterium %1 hat keine Drehzahl.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="334"/>
        <source>a limit of criterion %1 is not a number.</source>
        <translation>eine Grenze von Kriterium %1 ist keine Zahl.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="336"/>
        <source>criterion %1: %2</source>
        <translation>Kriterium %1: %2</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="351"/>
        <source>The QC limit set &quot;%1&quot; does not exist.</source>
        <translation>Die QK-Grenzwertliste „%1“ existiert nicht.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="363"/>
        <source>A limit set with the name you specified already exists. Specify a different name.</source>
        <translation>Eine Grenzwertliste mit dem angegebenen Namen existiert bereits. Geben Sie einen anderen Namen an.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="396"/>
        <source>The QC limit set assignment of the folder &quot;%1&quot; is damaged.</source>
        <translation>Die Zuordnung der QK-Grenzwertliste zum Ordner „%1“ ist beschädigt.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="377"/>
        <location filename="../qc/Qc.cpp" line="405"/>
        <location filename="../automation/AutomationRegistration.cpp" line="96"/>
        <source>Cannot delete file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="450"/>
        <source>PASS</source>
        <translation>BESTANDEN</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="452"/>
        <source>FAIL</source>
        <translation>NICHT BESTANDEN</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="454"/>
        <source>INCOMPLETE</source>
        <translation>UNVOLLSTÄNDIG</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="480"/>
        <source>The result is not a number.</source>
        <translation>Das Ergebnis ist keine Zahl.</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="95"/>
        <source>Header</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="96"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="97"/>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="98"/>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="99"/>
        <location filename="../export/BatchExport.cpp" line="113"/>
        <source>Identifier</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="100"/>
        <source>Note</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="101"/>
        <source>Model Type</source>
        <translation>Modelltyp</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="102"/>
        <source>Spindle Type</source>
        <translation>Spindeltyp</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="109"/>
        <source>Processes</source>
        <translation>Prozesse</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="110"/>
        <location filename="../export/BatchExport.cpp" line="117"/>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="113"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="114"/>
        <source>RPM Start</source>
        <translation>U/min Start</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="114"/>
        <source>RPM End</source>
        <translation>U/min Ende</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="115"/>
        <source>Start Temp</source>
        <translation>Starttemp.</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="116"/>
        <source>Temp Tend.</source>
        <translation>Temp.-Tendenz</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="116"/>
        <source>Start Delay</source>
        <translation>Startverzögerung</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="14"/>
        <source>Export to Excel</source>
        <translation>Nach Excel exportieren</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="16"/>
        <source>Excel Files (*.xls)|*.xls|All Files (*.*)|*.*</source>
        <translation>Excel-Dateien (*.xls)|*.xls|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="18"/>
        <source>Export to CSV</source>
        <translation>Nach CSV exportieren</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="20"/>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <translation>CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="77"/>
        <source>Would you like to replace the existing file?</source>
        <translation>Möchten Sie die vorhandene Datei ersetzen?</translation>
    </message>
    <message>
        <location filename="../services/BatchReport.cpp" line="22"/>
        <source>Report does not exist</source>
        <translation>Bericht existiert nicht</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="109"/>
        <location filename="../services/ReportJobs.cpp" line="143"/>
        <source>Cannot read the batch &quot;%1&quot;.</source>
        <translation>Die Charge „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="119"/>
        <source>Cannot read the report template &quot;%1&quot;.</source>
        <translation>Die Berichtsvorlage „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="227"/>
        <location filename="../services/ReportJobs.cpp" line="487"/>
        <source>Page %1 has no size that can be written: it is %2 mm wide and %3 mm high.</source>
        <translation>Seite %1 hat keine Größe, die geschrieben werden kann: Sie ist %2 mm breit und %3 mm hoch.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="318"/>
        <source>Cannot start the PDF document.</source>
        <translation>Das PDF-Dokument kann nicht begonnen werden.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="346"/>
        <source>The PDF file &quot;%1&quot; was written, but could not be opened.</source>
        <translation>Die PDF-Datei „%1“ wurde geschrieben, konnte aber nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="385"/>
        <source>Cannot write the JPEG file &quot;%1&quot;.</source>
        <translation>Die JPEG-Datei „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="387"/>
        <source>The JPEG encoder failed.</source>
        <translation>Der JPEG-Encoder ist fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../services/ReportMail.cpp" line="12"/>
        <source>Please find attached a report on the following batches:</source>
        <translation>Anbei ein Bericht über die folgenden Chargen:</translation>
    </message>
    <message>
        <location filename="../services/ReportMail.cpp" line="22"/>
        <location filename="../services/ReportMail.cpp" line="24"/>
        <location filename="../services/ReportMail.cpp" line="31"/>
        <location filename="../tools/cli/CmdReport.cpp" line="216"/>
        <location filename="../tools/cli/CmdReport.cpp" line="228"/>
        <source>Bramblex Report</source>
        <translation>Bramblex-Bericht</translation>
    </message>
    <message>
        <location filename="../services/ReportMail.cpp" line="55"/>
        <source>MAPI Error %1: %2</source>
        <translation>MAPI-Fehler %1: %2</translation>
    </message>
    <message>
        <location filename="../services/ReportPrinting.cpp" line="109"/>
        <location filename="../tools/cli/CmdReport.cpp" line="261"/>
        <source>Page does not exist</source>
        <translation>Seite existiert nicht</translation>
    </message>
    <message>
        <location filename="../services/RunJournal.cpp" line="108"/>
        <source>&quot;%1&quot; is being measured by another run.</source>
        <translation>„%1“ wird von einem anderen Messlauf gemessen.</translation>
    </message>
    <message>
        <location filename="../services/RunJournal.cpp" line="112"/>
        <source>The readings of an interrupted run of &quot;%1&quot; have not been recovered yet. Select the batch to recover them before you start another run.</source>
        <translation>Die Messwerte eines unterbrochenen Messlaufs von „%1“ wurden noch nicht wiederhergestellt. Wählen Sie die Charge aus, um sie wiederherzustellen, bevor Sie einen weiteren Messlauf starten.</translation>
    </message>
    <message>
        <location filename="../services/RunJournal.cpp" line="237"/>
        <source>The journal &quot;%1&quot; is in use.</source>
        <translation>Das Journal „%1“ wird verwendet.</translation>
    </message>
    <message>
        <location filename="../services/RunJournal.cpp" line="247"/>
        <source>The readings of the run stay in the journal &quot;%1&quot;.</source>
        <translation>Die Messwerte des Messlaufs bleiben im Journal „%1“.</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="21"/>
        <source>Simulated ViscoMeter</source>
        <translation>Simuliertes ViscoMeter</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="99"/>
        <source>Process %1: %2</source>
        <translation>Prozess %1: %2</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="137"/>
        <source>Invalid Communications Port</source>
        <translation>Ungültige Schnittstelle</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="226"/>
        <source>The readings cannot be written to the run journal &quot;%1&quot;. They are still collected and saved when the run ends.</source>
        <translation>Die Messwerte können nicht in das Messlauf-Journal „%1“ geschrieben werden. Sie werden weiter erfasst und am Ende des Messlaufs gespeichert.</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="248"/>
        <source>Saving the readings...</source>
        <translation>Messwerte werden gespeichert...</translation>
    </message>
    <message>
        <location filename="../automation/AutomationRegistration.cpp" line="86"/>
        <source>Cannot create folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../automation/AutomationService.cpp" line="174"/>
        <location filename="../tools/cli/CmdAutomation.cpp" line="91"/>
        <source>Cannot reach the session bus.</source>
        <translation>Der Sitzungsbus ist nicht erreichbar.</translation>
    </message>
    <message>
        <location filename="../automation/AutomationService.cpp" line="177"/>
        <source>Cannot offer the automation object on the session bus.</source>
        <translation>Das Automatisierungsobjekt kann auf dem Sitzungsbus nicht angeboten werden.</translation>
    </message>
    <message>
        <location filename="../automation/AutomationService.cpp" line="272"/>
        <source>This automation object was released; call CreateInstance.</source>
        <translation>Dieses Automatisierungsobjekt wurde freigegeben; rufen Sie CreateInstance auf.</translation>
    </message>
    <message>
        <location filename="../automation/AutomationService.cpp" line="273"/>
        <source>This automation object serves another client.</source>
        <translation>Dieses Automatisierungsobjekt bedient einen anderen Client.</translation>
    </message>
    <message>
        <location filename="../automation/BramblexInterface.cpp" line="59"/>
        <location filename="../automation/BramblexInterface.cpp" line="66"/>
        <source>No batch is open</source>
        <translation>Keine Charge geöffnet</translation>
    </message>
    <message>
        <location filename="../automation/BramblexInterface.cpp" line="79"/>
        <source>Cannot copy the page to the clipboard.</source>
        <translation>Die Seite kann nicht in die Zwischenablage kopiert werden.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="786"/>
        <source>No program could open &quot;%1&quot;.</source>
        <translation>Kein Programm konnte „%1“ öffnen.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="858"/>
        <location filename="../ui/FormMain.cpp" line="967"/>
        <source>A folder with the name you specified already exists. Specify a different name.</source>
        <translation>Ein Ordner mit dem angegebenen Namen existiert bereits. Geben Sie einen anderen Namen an.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="862"/>
        <location filename="../ui/FormLocal.cpp" line="866"/>
        <source>A file with the name you specified already exists. Specify a different name.</source>
        <translation>Eine Datei mit dem angegebenen Namen existiert bereits. Geben Sie einen anderen Namen an.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="869"/>
        <source>Cannot rename unknown file type.</source>
        <translation>Unbekannter Dateityp kann nicht umbenannt werden.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="874"/>
        <location filename="../ui/FormMain.cpp" line="963"/>
        <source>The name you specified is not valid. Specify a different name.</source>
        <translation>Der angegebene Name ist ungültig. Geben Sie einen anderen Namen an.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="891"/>
        <location filename="../ui/FormMain.cpp" line="983"/>
        <source>Unable to rename &quot;%1&quot;</source>
        <translation>„%1“ kann nicht umbenannt werden</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1069"/>
        <source>COM Server Warning</source>
        <translation>COM-Server-Warnung</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1070"/>
        <source>There are still active COM objects in this application.  One or more clients may have references to these objects, so manually closing </source>
        <translation>Es gibt noch aktive COM-Objekte in dieser Anwendung. Ein oder mehrere Clients haben möglicherweise Verweise auf diese Objekte, daher kann das manuelle Schließen </translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1072"/>
        <source>this application may cause those client application(s) to fail.<byte value="xd"/>
<byte value="xd"/>
Are you sure you want to close this application?</source>
        <translation>dieser Anwendung zum Ausfall dieser Client-Anwendung(en) führen.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie diese Anwendung wirklich schließen?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1189"/>
        <source>The user guide &quot;%1&quot; could not be opened.</source>
        <translation>Das Benutzerhandbuch „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1229"/>
        <source>Select the directory in which to store application data</source>
        <translation>Wählen Sie das Verzeichnis, in dem die Anwendungsdaten gespeichert werden</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1271"/>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1298"/>
        <source>New Batch</source>
        <translation>Neue Charge</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1322"/>
        <location filename="../ui/FormMain.cpp" line="1340"/>
        <source>Are you sure you want to remove the folder named &apos;%1&apos; and all its contents?</source>
        <translation>Möchten Sie den Ordner „%1“ und seinen gesamten Inhalt wirklich entfernen?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1343"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1347"/>
        <source>Are you sure you want to delete these %1 items?</source>
        <translation>Möchten Sie diese %1 Elemente wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1399"/>
        <source>All collected data will be lost, are you sure?</source>
        <translation>Alle erfassten Daten gehen verloren. Sind Sie sicher?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1490"/>
        <source>No run was started: save a repaired copy and run that one.</source>
        <translation>Es wurde kein Messlauf gestartet: Speichern Sie eine reparierte Kopie und starten Sie diese.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1557"/>
        <source>The readings of the run could not be saved in &quot;%1&quot;.
%2
Choose another file to save the batch in.</source>
        <translation>Die Messwerte des Messlaufs konnten nicht in „%1“ gespeichert werden.
%2
Wählen Sie eine andere Datei, in der die Charge gespeichert werden soll.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1561"/>
        <source>Save Batch As</source>
        <translation>Charge speichern unter</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1564"/>
        <location filename="../ui/FormMain.cpp" line="1623"/>
        <source>Batch Files (*.epb);;All Files (*)</source>
        <translation>Chargendateien (*.epb);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1567"/>
        <source>The readings of the run are kept in &quot;%1&quot;. Bramblex offers to recover them into the batch when it is selected again.</source>
        <translation>Die Messwerte des Messlaufs werden in „%1“ aufbewahrt. Bramblex bietet an, sie in die Charge zu übernehmen, wenn diese erneut ausgewählt wird.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1616"/>
        <source>Bramblex does not save over this file. Save a repaired copy of what was read under another name?</source>
        <translation>Bramblex überschreibt diese Datei nicht. Eine reparierte Kopie des Gelesenen unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1620"/>
        <source>Save Repaired Copy</source>
        <translation>Reparierte Kopie speichern</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1622"/>
        <source>%1 (repaired)</source>
        <translation>%1 (repariert)</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1634"/>
        <source>Repaired copy of the part of &quot;%1&quot; that could be read</source>
        <translation>Reparierte Kopie des lesbaren Teils von „%1“</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1672"/>
        <source>A run of the batch &quot;%1&quot; ended without saving %2 reading(s). Recover them into the batch now?</source>
        <translation>Ein Messlauf der Charge „%1“ endete, ohne %2 Messwert(e) zu speichern. Jetzt in die Charge wiederherstellen?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1682"/>
        <source>%1 reading(s) were recovered into &quot;%2&quot;.</source>
        <translation>%1 Messwert(e) wurden in „%2“ wiederhergestellt.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="338"/>
        <source>A ViscoMeter model must be selected</source>
        <translation>Es muss ein ViscoMeter-Modell ausgewählt werden</translation>
    </message>
    <message>
        <location filename="../app/Main.cpp" line="69"/>
        <source>Korvane Bramblex</source>
        <translation>Korvane Bramblex</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAnalyze.cpp" line="21"/>
        <source>usage: bramblex-cli analyze BATCH.epb [--include-low-torque] [--json]</source>
        <translation>Aufruf: bramblex-cli analyze BATCH.epb [--include-low-torque] [--json]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAnalyze.cpp" line="30"/>
        <source>The batch &quot;%1&quot; cannot be analysed: %2</source>
        <translation>Die Charge „%1“ kann nicht analysiert werden: %2</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAnalyze.cpp" line="47"/>
        <source>flow models, flow index, thixotropic index and temperature dependence of a batch</source>
        <translation>Fließmodelle, Fließindex, Thixotropieindex und Temperaturabhängigkeit einer Charge</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="31"/>
        <source>render-page: --dpi takes a whole number from 1 to 2400</source>
        <translation>render-page: --dpi erwartet eine ganze Zahl von 1 bis 2400</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="40"/>
        <source>usage: bramblex-cli render-page TEMPLATE.epr INDEX OUT.png [--batch BATCH.epb] [--dpi N]</source>
        <translation>Aufruf: bramblex-cli render-page TEMPLATE.epr INDEX OUT.png [--batch BATCH.epb] [--dpi N]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="49"/>
        <source>render-page: the report has %1 pages; INDEX counts from 0</source>
        <translation>render-page: Der Bericht hat %1 Seiten; INDEX zählt ab 0</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="63"/>
        <source>render-page: a page of %1 x %2 pixels cannot be drawn</source>
        <translation>render-page: Eine Seite mit %1 x %2 Pixeln kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="84"/>
        <source>Cannot encode the page as PNG</source>
        <translation>Die Seite kann nicht als PNG kodiert werden</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="91"/>
        <source>draw page INDEX (from 0) of a report template into a PNG, inner pages bound to the batch</source>
        <translation>zeichnet Seite INDEX (ab 0) einer Berichtsvorlage in ein PNG, Innenseiten an die Charge gebunden</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="62"/>
        <source>report: %1</source>
        <translation>report: %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="63"/>
        <source>usage: bramblex-cli report %1</source>
        <translation>Aufruf: bramblex-cli report %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="174"/>
        <source>Cannot encode the picture &quot;%1&quot; as PNG.</source>
        <translation>Das Bild „%1“ kann nicht als PNG kodiert werden.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="249"/>
        <source>No mail program is set up: install xdg-utils and choose a program for e-mail.</source>
        <translation>Es ist kein E-Mail-Programm eingerichtet: Installieren Sie xdg-utils und wählen Sie ein Programm für E-Mail.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="278"/>
        <source>composes report templates with batches as the report preview does and writes PDF, JPEG, a print job, thumbnails, an SVG page, the page count or a mail</source>
        <translation>setzt Berichtsvorlagen wie die Berichtsvorschau mit Chargen zusammen und schreibt PDF, JPEG, einen Druckauftrag, Miniaturen, eine SVG-Seite, die Seitenanzahl oder eine E-Mail</translation>
    </message>
    <message>
        <location filename="../tools/cli/CliCommand.cpp" line="23"/>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="31"/>
        <source>usage: bramblex-cli audit show BATCH [--json]</source>
        <translation>Aufruf: bramblex-cli audit show BATCH [--json]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="36"/>
        <location filename="../tools/cli/CmdAudit.cpp" line="166"/>
        <source>%1: no such batch</source>
        <translation>%1: Charge nicht vorhanden</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="82"/>
        <source>usage: bramblex-cli audit verify PATH...</source>
        <translation>Aufruf: bramblex-cli audit verify PATH...</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="88"/>
        <location filename="../tools/cli/CmdQc.cpp" line="149"/>
        <source>%1: no such file or folder</source>
        <translation>%1: Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="99"/>
        <location filename="../tools/cli/CmdQc.cpp" line="158"/>
        <location filename="../tools/cli/CmdQc.cpp" line="168"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="113"/>
        <source>usage: bramblex-cli audit show BATCH [--json] | audit verify PATH...</source>
        <translation>Aufruf: bramblex-cli audit show BATCH [--json] | audit verify PATH...</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="160"/>
        <source>usage: bramblex-cli sign BATCH --meaning performed|reviewed|approved [--comment TEXT] [--password-stdin]</source>
        <translation>Aufruf: bramblex-cli sign BATCH --meaning performed|reviewed|approved [--comment TEXT] [--password-stdin]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="185"/>
        <source>the audit trail of a batch; whether batches (folders searched through) are as last recorded</source>
        <translation>Audit-Trail einer Charge; ob Chargen (Ordner werden durchsucht) dem zuletzt aufgezeichneten Stand entsprechen</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="191"/>
        <source>signs a batch electronically after checking the user&apos;s password</source>
        <translation>signiert eine Charge elektronisch, nachdem das Passwort des Benutzers geprüft wurde</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAutomation.cpp" line="41"/>
        <source>automation: %1</source>
        <translation>automation: %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAutomation.cpp" line="42"/>
        <source>usage: bramblex-cli automation %1</source>
        <translation>Aufruf: bramblex-cli automation %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAutomation.cpp" line="80"/>
        <source>%1 failed (%2):</source>
        <translation>%1 fehlgeschlagen (%2):</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAutomation.cpp" line="127"/>
        <source>calls the automation service of a program the session bus starts, and prints the results</source>
        <translation>ruft den Automatisierungsdienst eines vom Sitzungsbus gestarteten Programms auf und gibt die Ergebnisse aus</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdPorts.cpp" line="11"/>
        <source>usage: bramblex-cli ports</source>
        <translation>Aufruf: bramblex-cli ports</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdPorts.cpp" line="18"/>
        <source>No serial ports found.</source>
        <translation>Keine seriellen Schnittstellen gefunden.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdPorts.cpp" line="23"/>
        <source>lists the serial ports with the device each entry opens</source>
        <translation>listet die seriellen Schnittstellen mit dem Gerät auf, das jeder Eintrag öffnet</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="57"/>
        <source>bramblex-cli qc define: unknown option %1</source>
        <translation>bramblex-cli qc define: unbekannte Option %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="63"/>
        <source>bramblex-cli qc define: %1 needs %2 values</source>
        <translation>bramblex-cli qc define: %1 erwartet %2 Werte</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="72"/>
        <source>bramblex-cli qc define: %1: not a speed: %2</source>
        <translation>bramblex-cli qc define: %1: keine Drehzahl: %2</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="79"/>
        <source>bramblex-cli qc define: %1: a limit is neither a number nor &quot;-&quot;</source>
        <translation>bramblex-cli qc define: %1: Ein Grenzwert ist weder eine Zahl noch „-“</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="83"/>
        <source>bramblex-cli qc define: %1: %2</source>
        <translation>bramblex-cli qc define: %1: %2</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="90"/>
        <source>bramblex-cli qc define: a limit set needs at least one criterion</source>
        <translation>bramblex-cli qc define: Eine Grenzwertliste braucht mindestens ein Kriterium</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="103"/>
        <source>usage: bramblex-cli qc assign FOLDER NAME | qc assign FOLDER --none</source>
        <translation>Aufruf: bramblex-cli qc assign FOLDER NAME | qc assign FOLDER --none</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="108"/>
        <source>bramblex-cli qc assign: not a folder: %1</source>
        <translation>bramblex-cli qc assign: kein Ordner: %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="140"/>
        <source>usage: bramblex-cli qc check PATH... [--json]</source>
        <translation>Aufruf: bramblex-cli qc check PATH... [--json]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="181"/>
        <source>bramblex-cli qc check: no batch found</source>
        <translation>bramblex-cli qc check: keine Charge gefunden</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="195"/>
        <source>usage: bramblex-cli qc define NAME CRITERIA... | qc assign FOLDER NAME|--none | qc check PATH... [--json]</source>
        <translation>Aufruf: bramblex-cli qc define NAME CRITERIA... | qc assign FOLDER NAME|--none | qc check PATH... [--json]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="205"/>
        <source>QC limit sets: define one (limits in mPas, °C, kJ/mol; &quot;-&quot; for an open limit), assign it to a folder, check batches (exit 0 all pass, 1 any fails, 2 otherwise)</source>
        <translation>QK-Grenzwertlisten: eine definieren (Grenzwerte in mPas, °C, kJ/mol; „-“ für eine offene Grenze), einem Ordner zuordnen, Chargen prüfen (Exit-Code 0: alle bestanden, 1: mindestens eine nicht bestanden, 2: sonst)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSeedDemo.cpp" line="121"/>
        <source>usage: bramblex-cli seed-demo   (the tree of BRAMBLEX_STORAGE_ROOT)</source>
        <translation>Aufruf: bramblex-cli seed-demo   (der Baum unter BRAMBLEX_STORAGE_ROOT)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSeedDemo.cpp" line="220"/>
        <source>fills the storage tree (BRAMBLEX_STORAGE_ROOT) with demo folders and batches and chooses the simulated viscometer</source>
        <translation>füllt den Speicherbaum (BRAMBLEX_STORAGE_ROOT) mit Demo-Ordnern und -Chargen und wählt das simulierte Viskosimeter</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="77"/>
        <source>%1 needs a value.</source>
        <translation>%1 erwartet einen Wert.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="107"/>
        <source>Unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="130"/>
        <source>Simulating %1; Ctrl+C stops.</source>
        <translation>%1 wird simuliert; Strg+C beendet.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="142"/>
        <source>The simulated instrument hung up.</source>
        <translation>Das simulierte Gerät hat die Verbindung beendet.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="157"/>
        <source>runs a simulated viscometer on a pseudo-terminal and prints its device (faults: none, silence, half-reply, garbage, wrong-model, hangup; fluids: a shear-thinning paint, a Newtonian gear oil, both thinner when warm, a paste with a yield stress)</source>
        <translation>betreibt ein simuliertes Viskosimeter an einem Pseudo-Terminal und gibt seine Gerätedatei aus (Fehler: none, silence, half-reply, garbage, wrong-model, hangup; Fluide: eine scherverdünnende Farbe, ein newtonsches Getriebeöl, beide dünner bei Wärme, eine Paste mit Fließgrenze)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="34"/>
        <source>usage: bramblex-cli ls FOLDER</source>
        <translation>Aufruf: bramblex-cli ls FOLDER</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="39"/>
        <source>bramblex-cli ls: not a folder: %1</source>
        <translation>bramblex-cli ls: kein Ordner: %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="67"/>
        <source>usage: bramblex-cli storage</source>
        <translation>Aufruf: bramblex-cli storage</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="86"/>
        <source>list a folder as the folder list does, through and updating its cache.epc</source>
        <translation>listet einen Ordner wie die Ordnerliste auf, über seine cache.epc, die dabei aktualisiert wird</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="91"/>
        <source>prepare the storage tree as the program does at start, then print its root, four folders and template tree</source>
        <translation>bereitet den Speicherbaum wie das Programm beim Start vor und gibt dann seine Wurzel, die vier Ordner und den Vorlagenbaum aus</translation>
    </message>
    <message>
        <location filename="../tools/cli/Main.cpp" line="17"/>
        <source>usage: bramblex-cli COMMAND [ARGS]

commands:</source>
        <translation>Aufruf: bramblex-cli COMMAND [ARGS]

Befehle:</translation>
    </message>
    <message>
        <location filename="../tools/cli/Main.cpp" line="54"/>
        <source>bramblex-cli: unknown command &apos;%1&apos;</source>
        <translation>bramblex-cli: unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="30"/>
        <source>%1: --settings needs a file</source>
        <translation>%1: --settings erwartet eine Datei</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="37"/>
        <source>usage: bramblex-cli %1 BATCH.epb OUT [--settings FILE]</source>
        <translation>Aufruf: bramblex-cli %1 BATCH.epb OUT [--settings FILE]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="76"/>
        <source>writes a batch as the CSV export (display units from the settings file)</source>
        <translation>schreibt eine Charge wie der CSV-Export (Anzeigeeinheiten aus der Einstellungsdatei)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="80"/>
        <source>writes a batch as the Excel worksheet export (display units from the settings file)</source>
        <translation>schreibt eine Charge wie der Export als Excel-Arbeitsblatt (Anzeigeeinheiten aus der Einstellungsdatei)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="85"/>
        <source>writes the whole batch as JSON (base units, readings with % full scale and over scale, its analysis, its QC verdict)</source>
        <translation>schreibt die ganze Charge als JSON (Basiseinheiten, Messwerte mit % Skalenendwert und Messbereichsüberschreitung, ihre Analyse, ihr QK-Ergebnis)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="88"/>
        <source>Viscosity Report</source>
        <translation>Viskositätsbericht</translation>
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
        <translation>Charge:<byte value="xd"/>
Firma:<byte value="xd"/>
Bediener:<byte value="xd"/>
Modell:<byte value="xd"/>
Spindel:<byte value="xd"/>
Kennung:<byte value="xd"/>
Bemerkung:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="146"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="227"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="274"/>
        <source>Page [PageNumber]</source>
        <translation>Seite [PageNumber]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="155"/>
        <source>Name and signature</source>
        <translation>Name und Unterschrift</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="166"/>
        <source>The measurements in this report were taken and checked as recorded.</source>
        <translation>Die Messungen in diesem Bericht wurden wie aufgezeichnet durchgeführt und geprüft.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="168"/>
        <source>Tested by</source>
        <translation>Geprüft von</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="169"/>
        <source>Approved by</source>
        <translation>Freigegeben von</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="171"/>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="189"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="334"/>
        <source>Flow Analysis</source>
        <translation>Fließanalyse</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="193"/>
        <source>Batch:<byte value="xd"/>
Company:<byte value="xd"/>
Operator:<byte value="xd"/>
Model:<byte value="xd"/>
Spindle:</source>
        <translation>Charge:<byte value="xd"/>
Firma:<byte value="xd"/>
Bediener:<byte value="xd"/>
Modell:<byte value="xd"/>
Spindel:</translation>
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
        <translation>Bestes Fließmodell:<byte value="xd"/>
Parameter:<byte value="xd"/>
R²:<byte value="xd"/>
Fließindex n (aus Drehzahl):<byte value="xd"/>
Thixotropieindex:<byte value="xd"/>
Aktivierungsenergie (kJ/mol):<byte value="xd"/>
QK-Grenzwertliste:<byte value="xd"/>
QK-Ergebnis:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="234"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="340"/>
        <source>QC Certificate</source>
        <translation>QK-Zertifikat</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="238"/>
        <source>Batch:<byte value="xd"/>
Company:<byte value="xd"/>
Operator:<byte value="xd"/>
Model:<byte value="xd"/>
Spindle:<byte value="xd"/>
Identifier:</source>
        <translation>Charge:<byte value="xd"/>
Firma:<byte value="xd"/>
Bediener:<byte value="xd"/>
Modell:<byte value="xd"/>
Spindel:<byte value="xd"/>
Kennung:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="247"/>
        <source>Limit set:</source>
        <translation>Grenzwertliste:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="252"/>
        <source>Result:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="259"/>
        <source>Criterion: measured (limits): verdict</source>
        <translation>Kriterium: gemessen (Grenzwerte): Ergebnis</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="266"/>
        <source>Checked by: ______________________    Date: ____________<byte value="xd"/>
<byte value="xd"/>
Released by: _____________________    Date: ____________</source>
        <translation>Geprüft von: ______________________    Datum: ____________<byte value="xd"/>
<byte value="xd"/>
Freigegeben von: __________________    Datum: ____________</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="298"/>
        <source>usage: bramblex-cli make-templates [--translation FILE.qm [--tree]] OUTDIR</source>
        <translation>Aufruf: bramblex-cli make-templates [--translation FILE.qm [--tree]] OUTDIR</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="309"/>
        <source>It holds no translation.</source>
        <translation>Sie enthält keine Übersetzung.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="325"/>
        <source>Standard Report</source>
        <translation>Standardbericht</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="348"/>
        <source>write the shipped report templates into OUTDIR/Reports and OUTDIR/Settings</source>
        <translation>schreibt die mitgelieferten Berichtsvorlagen nach OUTDIR/Reports und OUTDIR/Settings</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRecover.cpp" line="19"/>
        <source>usage: bramblex-cli recover [--reason TEXT] BATCH.epb</source>
        <translation>Aufruf: bramblex-cli recover [--reason TEXT] BATCH.epb</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRecover.cpp" line="38"/>
        <source>takes the readings a run left in its journal (a crash, a killed program) into the batch</source>
        <translation>übernimmt die Messwerte, die ein Messlauf in seinem Journal hinterlassen hat (Absturz, abgebrochenes Programm), in die Charge</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdResave.cpp" line="115"/>
        <source>usage: bramblex-cli resave [--reason TEXT] IN OUT</source>
        <translation>Aufruf: bramblex-cli resave [--reason TEXT] IN OUT</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdResave.cpp" line="120"/>
        <source>resave: &quot;%1&quot; is not a batch, settings or report file</source>
        <translation>resave: „%1“ ist keine Chargen-, Einstellungs- oder Berichtsdatei</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdResave.cpp" line="124"/>
        <source>resave: %1 files are not supported yet</source>
        <translation>resave: %1-Dateien werden noch nicht unterstützt</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdResave.cpp" line="143"/>
        <source>load a batch (.epb), report (.epr) or settings file through its document class and write it to OUT</source>
        <translation>lädt eine Chargen- (.epb), Berichts- (.epr) oder Einstellungsdatei über ihre Dokumentklasse und schreibt sie nach OUT</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="77"/>
        <source>usage: bramblex-cli run --port DEVICE|NUMBER|simulated [--manual [--count N]] [--trace] [--reason TEXT] BATCH.epb</source>
        <translation>Aufruf: bramblex-cli run --port DEVICE|NUMBER|simulated [--manual [--count N]] [--trace] [--reason TEXT] BATCH.epb</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="100"/>
        <source>--count needs a whole number above 0.</source>
        <translation>--count erwartet eine ganze Zahl größer als 0.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="119"/>
        <source>run: the damaged batch is left as it is; no run was started.</source>
        <translation>run: Die beschädigte Charge bleibt unverändert; es wurde kein Messlauf gestartet.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="176"/>
        <source>The %1 reading(s) of this run are kept in %2; the program offers to recover them into the batch when it next starts.</source>
        <translation>Die %1 Messwert(e) dieses Messlaufs sind in %2 gesichert; das Programm bietet beim nächsten Start an, sie in die Charge zu übernehmen.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="190"/>
        <source>The run was stopped before it finished.</source>
        <translation>Der Messlauf wurde gestoppt, bevor er beendet war.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="198"/>
        <source>run the batch&apos;s processes on the viscometer (or collect manual readings) and save the readings</source>
        <translation>führt die Prozesse der Charge auf dem Viskosimeter aus (oder erfasst manuelle Messwerte) und speichert die Messwerte</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <location filename="../ui/DialogService.cpp" line="107"/>
        <source>Reason for the Change</source>
        <translation>Begründung der Änderung</translation>
    </message>
    <message>
        <location filename="../ui/DialogService.cpp" line="108"/>
        <source>&quot;%1&quot; is signed. Why is it changed?</source>
        <translation>„%1“ ist signiert. Was ist der Grund für die Änderung?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="25"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="25"/>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="25"/>
        <source>Full Name</source>
        <translation>Vollständiger Name</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="25"/>
        <source>Host</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="26"/>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="26"/>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="26"/>
        <source>Reason</source>
        <translation>Begründung</translation>
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
        <translation>Diese Charge wurde nach der letzten aufgezeichneten Änderung (%1) außerhalb von Bramblex geändert.</translation>
    </message>
    <message>
        <location filename="../ui/AuditStatusLine.cpp" line="28"/>
        <source>The audit trail of this batch is broken at record %1.</source>
        <translation>Der Audit-Trail dieser Charge ist bei Eintrag %1 unterbrochen.</translation>
    </message>
    <message>
        <location filename="../ui/AuditStatusLine.cpp" line="31"/>
        <source>%1 (an earlier version)</source>
        <translation>%1 (für eine frühere Version)</translation>
    </message>
</context>
<context>
    <name>TChartMeasurements</name>
    <message>
        <location filename="../charts/MeasurementsChart.cpp" line="33"/>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
</context>
<context>
    <name>TFormAnchor</name>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="13"/>
        <location filename="../ui/FormAnchor.cpp" line="14"/>
        <source>Anchor</source>
        <translation>Verankerung</translation>
    </message>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="26"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="27"/>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="28"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="29"/>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
</context>
<context>
    <name>TFormAuditTrail</name>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="52"/>
        <source>Audit Trail of %1</source>
        <translation>Audit-Trail von %1</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="62"/>
        <source>Audit records</source>
        <translation>Audit-Einträge</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="71"/>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="73"/>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="74"/>
        <source>Export PDF...</source>
        <translation>PDF exportieren...</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="76"/>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="77"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="89"/>
        <source>Intact. The last recorded change did not reach the file (the program was stopped while saving); the batch is as the record before it says.</source>
        <translation>Intakt. Die zuletzt aufgezeichnete Änderung hat die Datei nicht erreicht (das Programm wurde beim Speichern beendet); die Charge entspricht dem Eintrag davor.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="91"/>
        <source>Intact: every record is in place and the batch is as last recorded.</source>
        <translation>Intakt: Jeder Eintrag ist vorhanden und die Charge entspricht dem zuletzt aufgezeichneten Stand.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="93"/>
        <source>No audit trail: Bramblex has recorded no change to this batch.</source>
        <translation>Kein Audit-Trail: Bramblex hat keine Änderung an dieser Charge aufgezeichnet.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="95"/>
        <source>Changed outside Bramblex after the last recorded change (%1).</source>
        <translation>Nach der letzten aufgezeichneten Änderung (%1) außerhalb von Bramblex geändert.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="98"/>
        <source>The trail is broken at record %1: a record was changed or removed.</source>
        <translation>Der Audit-Trail ist bei Eintrag %1 unterbrochen: Ein Eintrag wurde geändert oder entfernt.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="180"/>
        <source> audit trail</source>
        <translation> Audit-Trail</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="182"/>
        <source>Export Audit Trail as PDF</source>
        <translation>Audit-Trail als PDF exportieren</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="182"/>
        <source>Export Audit Trail as CSV</source>
        <translation>Audit-Trail als CSV exportieren</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="184"/>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="184"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>TFormLocal</name>
    <message>
        <location filename="../ui/FormLocal.cpp" line="91"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="91"/>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="125"/>
        <source>QC: %1</source>
        <translation>QK: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="382"/>
        <source>Folder contents</source>
        <translation>Ordnerinhalt</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="397"/>
        <source>Columns</source>
        <translation>Spalten</translation>
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
        <translation>Ordnerliste</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="251"/>
        <source>Selected folder</source>
        <translation>Ausgewählter Ordner</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="499"/>
        <source>Bramblex Help</source>
        <translation>Bramblex-Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="500"/>
        <location filename="../ui/FormMain.cpp" line="1195"/>
        <source>About</source>
        <translation>Über Bramblex</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="501"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="503"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="504"/>
        <source>Change Storage Directory</source>
        <translation>Speicherverzeichnis ändern</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="507"/>
        <location filename="../ui/FormMain.cpp" line="597"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="508"/>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="510"/>
        <source>New Batch</source>
        <translation>Neue Charge</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="512"/>
        <location filename="../ui/FormMain.cpp" line="551"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="515"/>
        <location filename="../ui/FormMain.cpp" line="552"/>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="517"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="520"/>
        <location filename="../ui/FormMain.cpp" line="554"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="523"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="526"/>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="528"/>
        <location filename="../ui/FormMain.cpp" line="576"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="530"/>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="532"/>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="535"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="537"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="539"/>
        <source>Audit Trail</source>
        <translation>Audit-Trail</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="540"/>
        <source>Sign...</source>
        <translation>Signieren...</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="542"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="543"/>
        <source>QC Limit Sets</source>
        <translation>QK-Grenzwertlisten</translation>
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
        <translation>Neuer Bericht</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="606"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="611"/>
        <source>Batch</source>
        <translation>Charge</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="615"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="623"/>
        <source>Tool Bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="797"/>
        <source>Reports</source>
        <translation>Reports</translation>
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
        <translation>&lt;h3&gt;Korvane Bramblex&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Führt Messprogramme auf Rotationsviskosimetern Korvane 4150 aus, bewahrt die Messwerte jeder Charge auf und erstellt, druckt und exportiert Berichte darüber.&lt;/p&gt;&lt;p&gt;Speicherordner: %2&lt;/p&gt;&lt;p&gt;Bramblex ist freie Software: Sie können sie unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder verändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later). Sie wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt. Siehe &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;https://www.gnu.org/licenses/gpl-3.0.html&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1707"/>
        <source>The file &quot;%1&quot; was not found.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1721"/>
        <source>The report &quot;%1&quot; is not one of the reports of the storage folder &quot;%2&quot;, so Bramblex cannot open it. Copy it into the storage folder&apos;s Reports folder first.</source>
        <translation>Der Bericht „%1“ gehört nicht zu den Berichten des Speicherordners „%2“, daher kann Bramblex ihn nicht öffnen. Kopieren Sie ihn zuerst in den Ordner „Reports“ des Speicherordners.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1731"/>
        <source>The file &quot;%1&quot; lies outside the storage folder &quot;%2&quot;, so Bramblex cannot open it. Copy it into a folder below Local first.</source>
        <translation>Die Datei „%1“ liegt außerhalb des Speicherordners „%2“, daher kann Bramblex sie nicht öffnen. Kopieren Sie sie zuerst in einen Ordner unterhalb von „Local“.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1735"/>
        <source>The file &quot;%1&quot; is not in a Local folder of the storage folder &quot;%2&quot;, so Bramblex cannot open it. Copy it into a folder below Local first.</source>
        <translation>Die Datei „%1“ liegt in keinem Ordner unter „Local“ des Speicherordners „%2“, daher kann Bramblex sie nicht öffnen. Kopieren Sie sie zuerst in einen Ordner unterhalb von „Local“.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1758"/>
        <source>The file &quot;%1&quot; is not a report that can be read.</source>
        <translation>Die Datei „%1“ ist kein lesbarer Bericht.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1766"/>
        <source>The file &quot;%1&quot; is not shown in its folder&apos;s list.</source>
        <translation>Die Datei „%1“ wird in der Liste ihres Ordners nicht angezeigt.</translation>
    </message>
</context>
<context>
    <name>TFormMemoEditor</name>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="17"/>
        <source>Batch ID</source>
        <translation>Chargen-ID</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="18"/>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="19"/>
        <source>Todays Date</source>
        <translation>Heutiges Datum</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="20"/>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="21"/>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="22"/>
        <source>Note</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="23"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="24"/>
        <source>Spindle</source>
        <translation>Spindel</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="25"/>
        <source>Identifier</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="26"/>
        <source>Page No.</source>
        <translation>Seiten-Nr.</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="27"/>
        <source>Flow Model</source>
        <translation>Fließmodell</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="28"/>
        <source>Flow Model Parameters</source>
        <translation>Fließmodell-Parameter</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="29"/>
        <source>Flow Model R²</source>
        <translation>Fließmodell R²</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="30"/>
        <source>Flow Index</source>
        <translation>Fließindex</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="31"/>
        <source>Thixotropic Index</source>
        <translation>Thixotropieindex</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="32"/>
        <source>Activation Energy</source>
        <translation>Aktivierungsenergie</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="33"/>
        <source>QC Result</source>
        <translation>QK-Ergebnis</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="34"/>
        <source>QC Limit Set</source>
        <translation>QK-Grenzwertliste</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="35"/>
        <source>QC Details</source>
        <translation>QK-Details</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="42"/>
        <location filename="../ui/FormMemoEditor.cpp" line="43"/>
        <source>Text Editor</source>
        <translation>Texteditor</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="48"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="80"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>TFormPageDesign</name>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="47"/>
        <location filename="../ui/FormPageDesign.cpp" line="48"/>
        <source>Page Design</source>
        <translation>Seitengestaltung</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="86"/>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="101"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="101"/>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="104"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="104"/>
        <source>Redo %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="132"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="135"/>
        <source>Save and E&amp;xit</source>
        <translation>Speichern und &amp;beenden</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="137"/>
        <source>&amp;Abandon and Exit</source>
        <translation>&amp;Verwerfen und beenden</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="140"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="143"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="146"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="149"/>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="153"/>
        <source>&amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="156"/>
        <source>S&amp;nap</source>
        <translation>&amp;Einrasten</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="160"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="164"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="170"/>
        <source>Bring to &amp;Front</source>
        <translation>In den &amp;Vordergrund</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="173"/>
        <source>Send to &amp;Back</source>
        <translation>In den &amp;Hintergrund</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="182"/>
        <source>Align &amp;Left Edges</source>
        <translation>&amp;Linke Kanten ausrichten</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="183"/>
        <source>Align &amp;Right Edges</source>
        <translation>&amp;Rechte Kanten ausrichten</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="184"/>
        <source>Align &amp;Top Edges</source>
        <translation>&amp;Obere Kanten ausrichten</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="185"/>
        <source>Align &amp;Bottom Edges</source>
        <translation>&amp;Untere Kanten ausrichten</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="186"/>
        <source>Align &amp;Centres Across</source>
        <translation>&amp;Mitten horizontal ausrichten</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="188"/>
        <source>Align Centres &amp;Down</source>
        <translation>Mitten &amp;vertikal ausrichten</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="190"/>
        <source>Make Same &amp;Width</source>
        <translation>Gleiche &amp;Breite</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="191"/>
        <source>Make Same &amp;Height</source>
        <translation>Gleiche &amp;Höhe</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="208"/>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="209"/>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="210"/>
        <source>Memo</source>
        <translation>Textfeld</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="211"/>
        <source>Graphic</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="212"/>
        <source>Run</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="214"/>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="215"/>
        <source>Flow Curve</source>
        <translation>Fließkurve</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="238"/>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="239"/>
        <source>&amp;Report</source>
        <translation>Be&amp;richt</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="245"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="257"/>
        <location filename="../ui/FormPageDesign.cpp" line="369"/>
        <source>&amp;Align</source>
        <translation>A&amp;usrichten</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="262"/>
        <location filename="../ui/FormPageDesign.cpp" line="264"/>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="266"/>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
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
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="344"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="364"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="377"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="447"/>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="472"/>
        <source>Save changes to this page?</source>
        <translation>Änderungen an dieser Seite speichern?</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="485"/>
        <source>Are you sure you wish to save the changes to the page design?</source>
        <translation>Möchten Sie die Änderungen an der Seitengestaltung wirklich speichern?</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="496"/>
        <source>Are you sure you wish to abandon the changes to the page design?</source>
        <translation>Möchten Sie die Änderungen an der Seitengestaltung wirklich verwerfen?</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="558"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="559"/>
        <source>Are you sure you want to delete these %1 page items?</source>
        <translation>Möchten Sie diese %1 Seitenelemente wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>TFormPageItemList</name>
    <message>
        <location filename="../ui/FormPageItemList.cpp" line="62"/>
        <source>Page items</source>
        <translation>Seitenelemente</translation>
    </message>
</context>
<context>
    <name>TFormPreferences</name>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="87"/>
        <location filename="../ui/FormPreferences.cpp" line="97"/>
        <location filename="../ui/FormPreferences.cpp" line="101"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="102"/>
        <location filename="../ui/FormPreferences.cpp" line="116"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="103"/>
        <location filename="../ui/FormPreferences.cpp" line="136"/>
        <source>Interface</source>
        <translation>Oberfläche</translation>
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
        <translation>Einheiten</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="120"/>
        <location filename="../ui/FormPreferences.cpp" line="125"/>
        <source>Report Design Units:</source>
        <translation>Einheiten für Berichtsgestaltung:</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="120"/>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="120"/>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="122"/>
        <location filename="../ui/FormPreferences.cpp" line="126"/>
        <source>Viscosity Units:</source>
        <translation>Viskositätseinheiten:</translation>
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
        <translation>Temperatureinheiten:</translation>
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
        <translation>E-Mail-Berichtsformat</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="130"/>
        <source>Specify the method in which a report will be emailed.</source>
        <translation>Legen Sie fest, in welcher Form ein Bericht per E-Mail versendet wird.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="132"/>
        <source>PDF Document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="132"/>
        <source>JPEG Images</source>
        <translation>JPEG-Bilder</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="137"/>
        <location filename="../ui/FormPreferences.cpp" line="140"/>
        <source>Report Page Thumbnail Quality</source>
        <translation>Qualität der Berichtsseiten-Miniaturen</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="138"/>
        <source>Specify the quality of the report page thumbnails.</source>
        <translation>Legen Sie die Qualität der Berichtsseiten-Miniaturen fest.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="141"/>
        <source>High Quality</source>
        <translation>Hohe Qualität</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="141"/>
        <source>Normal Quality</source>
        <translation>Normale Qualität</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="141"/>
        <source>No Thumbnail</source>
        <translation>Keine Miniatur</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="143"/>
        <location filename="../ui/FormPreferences.cpp" line="144"/>
        <source>Toolbar Labels</source>
        <translation>Beschriftung der Werkzeugleiste</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="143"/>
        <source>Specify the style of the toolbar labels</source>
        <translation>Legen Sie den Stil der Beschriftung der Werkzeugleiste fest</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="145"/>
        <source>Label Right of Icon</source>
        <translation>Beschriftung rechts neben dem Symbol</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="145"/>
        <source>Label Below the Icon</source>
        <translation>Beschriftung unter dem Symbol</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="145"/>
        <source>No Label</source>
        <translation>Keine Beschriftung</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="147"/>
        <location filename="../ui/FormPreferences.cpp" line="149"/>
        <source>Interface language</source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="148"/>
        <source>The language of windows and messages. It takes effect at the next start.</source>
        <translation>Die Sprache der Fenster und Meldungen. Sie gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="150"/>
        <source>Desktop language</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="163"/>
        <location filename="../ui/FormPreferences.cpp" line="165"/>
        <source>Communications Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="164"/>
        <source>Specify the communications port the ViscoMeter is connected to.</source>
        <translation>Legen Sie die Schnittstelle fest, an der das ViscoMeter angeschlossen ist.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="167"/>
        <location filename="../ui/FormPreferences.cpp" line="171"/>
        <source>Default ViscoMeter Model</source>
        <translation>Standard-ViscoMeter-Modell</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="173"/>
        <location filename="../ui/FormPreferences.cpp" line="174"/>
        <source>Default Spindle</source>
        <translation>Standardspindel</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="176"/>
        <location filename="../ui/FormPreferences.cpp" line="179"/>
        <source>Default Company</source>
        <translation>Standardfirma</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="181"/>
        <location filename="../ui/FormPreferences.cpp" line="184"/>
        <source>Default Operator</source>
        <translation>Standardbediener</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="191"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="193"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="267"/>
        <source>%1 (not present)</source>
        <translation>%1 (nicht vorhanden)</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="331"/>
        <source>The interface language changes at the next start of Bramblex.</source>
        <translation>Die Sprache der Oberfläche ändert sich beim nächsten Start von Bramblex.</translation>
    </message>
</context>
<context>
    <name>TFormProcessWizard</name>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="61"/>
        <source>Process Wizard</source>
        <translation>Prozess-Assistent</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="67"/>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="68"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="69"/>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig stellen</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="70"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="77"/>
        <location filename="../ui/FormProcessWizard.cpp" line="79"/>
        <source>Welcome to the Process Wizard</source>
        <translation>Willkommen beim Prozess-Assistenten</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="85"/>
        <source>This wizard will allow you to setup a Bramblex process</source>
        <translation>Dieser Assistent hilft Ihnen, einen Bramblex-Prozess einzurichten</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="88"/>
        <source>Process Identifier</source>
        <translation>Prozesskennung</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="89"/>
        <source>Enter an identifier for this process</source>
        <translation>Geben Sie eine Kennung für diesen Prozess ein</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="91"/>
        <location filename="../ui/FormProcessWizard.cpp" line="92"/>
        <source>Identifier:</source>
        <translation>Kennung:</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="95"/>
        <source>RPM</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="95"/>
        <source>Enter the start and end RPM for this process</source>
        <translation>Geben Sie die Start- und Enddrehzahl (U/min) für diesen Prozess ein</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="97"/>
        <location filename="../ui/FormProcessWizard.cpp" line="100"/>
        <source>Start RPM:</source>
        <translation>Startdrehzahl (U/min):</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="98"/>
        <location filename="../ui/FormProcessWizard.cpp" line="101"/>
        <source>End RPM:</source>
        <translation>Enddrehzahl (U/min):</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="99"/>
        <location filename="../ui/FormProcessWizard.cpp" line="102"/>
        <source>Time (seconds):</source>
        <translation>Zeit (Sekunden):</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="104"/>
        <source>Delays and Triggers</source>
        <translation>Verzögerungen und Auslöser</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="105"/>
        <source>Specify any delays and/or triggers for this process</source>
        <translation>Legen Sie Verzögerungen und/oder Auslöser für diesen Prozess fest</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="107"/>
        <location filename="../ui/FormProcessWizard.cpp" line="109"/>
        <source>Start Delay (seconds):</source>
        <translation>Startverzögerung (Sekunden):</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="112"/>
        <source>Start when</source>
        <translation>Start, wenn</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="113"/>
        <source>start when above</source>
        <translation>starten, wenn darüber</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="113"/>
        <source>start when below</source>
        <translation>starten, wenn darunter</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="114"/>
        <source>Start Temperature</source>
        <translation>Starttemperatur</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="123"/>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="124"/>
        <source>Enter how many measurements to take during this process</source>
        <translation>Geben Sie ein, wie viele Messungen während dieses Prozesses erfolgen sollen</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="126"/>
        <location filename="../ui/FormProcessWizard.cpp" line="127"/>
        <source>Measurements:</source>
        <translation>Messungen:</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="130"/>
        <source>The wizard is complete.</source>
        <translation>Der Assistent ist abgeschlossen.</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="133"/>
        <source>The wizard is complete.<byte value="xd"/>
<byte value="xd"/>
Click Finish to return.</source>
        <translation>Der Assistent ist abgeschlossen.<byte value="xd"/>
<byte value="xd"/>
Klicken Sie auf „Fertig stellen“, um zurückzukehren.</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="159"/>
        <source>Start Temperature (%1)</source>
        <translation>Starttemperatur (%1)</translation>
    </message>
</context>
<context>
    <name>TFormPropertyEditor</name>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="35"/>
        <source>All Graphics (*.jpg *.bmp *.emf *.wmf *.jpeg *.png *.gif *.svg);;Bitmaps (*.bmp *.jpg *.jpeg *.png *.gif);;Metafiles (*.emf *.wmf *.svg);;All Files (*)</source>
        <translation>Alle Grafiken (*.jpg *.bmp *.emf *.wmf *.jpeg *.png *.gif *.svg);;Bitmaps (*.bmp *.jpg *.jpeg *.png *.gif);;Metadateien (*.emf *.wmf *.svg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="247"/>
        <location filename="../ui/FormPropertyEditor.cpp" line="252"/>
        <source>Property Editor</source>
        <translation>Eigenschafteneditor</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="261"/>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="566"/>
        <source>Select Picture</source>
        <translation>Bild auswählen</translation>
    </message>
</context>
<context>
    <name>TFormQcLimitSets</name>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="56"/>
        <source>Viscosity at the speed</source>
        <translation>Viskosität bei der Drehzahl</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="58"/>
        <source>Temperature at the speed</source>
        <translation>Temperatur bei der Drehzahl</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="69"/>
        <location filename="../ui/FormQcLimitSets.cpp" line="70"/>
        <source>QC Limit Sets</source>
        <translation>QK-Grenzwertlisten</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="95"/>
        <source>Limit sets:</source>
        <translation>Grenzwertlisten:</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="98"/>
        <source>Limit sets</source>
        <translation>Grenzwertlisten</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="103"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="104"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="105"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="114"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="115"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="133"/>
        <source>Criteria</source>
        <translation>Kriterien</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="135"/>
        <location filename="../ui/FormQcLimitSets.cpp" line="251"/>
        <source>Criterion</source>
        <translation>Kriterium</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="135"/>
        <source>Speed (RPM)</source>
        <translation>Drehzahl (U/min)</translation>
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
        <translation>Einheit</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="139"/>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="146"/>
        <source>Add Criterion</source>
        <translation>Kriterium hinzufügen</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="148"/>
        <source>Remove Criterion</source>
        <translation>Kriterium entfernen</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="150"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="161"/>
        <source>Assign to Folder</source>
        <translation>Dem Ordner zuordnen</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="163"/>
        <source>Remove Assignment</source>
        <translation>Zuordnung entfernen</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="303"/>
        <source>Criterion %1: &quot;%2&quot; is not a number.</source>
        <translation>Kriterium %1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="307"/>
        <source>Criterion %1: %2</source>
        <translation>Kriterium %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="319"/>
        <source>No limit set applies to the folder &quot;%1&quot;.</source>
        <translation>Für den Ordner „%1“ gilt keine Grenzwertliste.</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="321"/>
        <source>The folder &quot;%1&quot; uses the limit set &quot;%2&quot;.</source>
        <translation>Der Ordner „%1“ verwendet die Grenzwertliste „%2“.</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="323"/>
        <source>The folder &quot;%1&quot; uses the limit set &quot;%2&quot; of the folder &quot;%3&quot;.</source>
        <translation>Der Ordner „%1“ verwendet die Grenzwertliste „%2“ des Ordners „%3“.</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="361"/>
        <source>Save the changes to the limit set &quot;%1&quot;?</source>
        <translation>Änderungen an der Grenzwertliste „%1“ speichern?</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="420"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>TFormReports</name>
    <message>
        <location filename="../ui/FormReports.cpp" line="233"/>
        <source>My Reports</source>
        <translation>Meine Berichte</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="234"/>
        <source>Tab Reports</source>
        <translation>Tab-Berichte</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="260"/>
        <source>Move to Tab Reports</source>
        <translation>Zu Tab-Berichten verschieben</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="261"/>
        <source>Move to My Reports</source>
        <translation>Zu Meine Berichte verschieben</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="278"/>
        <source>Current report</source>
        <translation>Aktueller Bericht</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="284"/>
        <source>Page commands</source>
        <translation>Seitenbefehle</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="293"/>
        <source>New Page</source>
        <translation>Neue Seite</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="316"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="317"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="319"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="320"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="321"/>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="322"/>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="335"/>
        <location filename="../ui/FormReports.cpp" line="338"/>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="337"/>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="337"/>
        <source>Page Type</source>
        <translation>Seitentyp</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="519"/>
        <source>My Reports &gt; %1</source>
        <translation>Meine Berichte &gt; %1</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="520"/>
        <source>Tab Reports &gt; %1</source>
        <translation>Tab-Berichte &gt; %1</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="781"/>
        <location filename="../ui/FormReports.cpp" line="920"/>
        <source>Unable to create directory %1</source>
        <translation>Das Verzeichnis %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="830"/>
        <location filename="../ui/FormReports.cpp" line="914"/>
        <source>A report with the name you specified already exists. Specify a different name.</source>
        <translation>Ein Bericht mit dem angegebenen Namen existiert bereits. Geben Sie einen anderen Namen an.</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="839"/>
        <source>Unable to rename &quot;%1&quot;</source>
        <translation>„%1“ kann nicht umbenannt werden</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="859"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="994"/>
        <source>Are you sure you want to delete this report page?</source>
        <translation>Möchten Sie diese Berichtsseite wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>TFormSign</name>
    <message>
        <location filename="../ui/FormSign.cpp" line="19"/>
        <source>Sign %1</source>
        <translation>%1 signieren</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="21"/>
        <source>Signing as %1 (%2)</source>
        <translation>Signieren als %1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="27"/>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="30"/>
        <source>Performed by</source>
        <translation>Durchgeführt von</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="30"/>
        <source>Reviewed by</source>
        <translation>Geprüft von</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="31"/>
        <source>Approved by</source>
        <translation>Freigegeben von</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="38"/>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="41"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="43"/>
        <source>Meaning:</source>
        <translation>Bedeutung:</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="44"/>
        <source>Comment (optional):</source>
        <translation>Kommentar (optional):</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="45"/>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="53"/>
        <location filename="../ui/FormSign.cpp" line="54"/>
        <source>Sign</source>
        <translation>Signieren</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="55"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="61"/>
        <source>Signing is locked after three wrong passwords; try again in %1 seconds.</source>
        <translation>Das Signieren ist nach drei falschen Passwörtern gesperrt; versuchen Sie es in %1 Sekunden erneut.</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="81"/>
        <source>Checking the password...</source>
        <translation>Passwort wird geprüft...</translation>
    </message>
</context>
<context>
    <name>TFormViewAnalysis</name>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="94"/>
        <source>Include low torque readings</source>
        <translation>Messwerte mit niedrigem Drehmoment einbeziehen</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="97"/>
        <source>Logarithmic axes</source>
        <translation>Logarithmische Achsen</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="109"/>
        <source>Results and flow curve</source>
        <translation>Ergebnisse und Fließkurve</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="121"/>
        <source>Flow models</source>
        <translation>Fließmodelle</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="123"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="123"/>
        <source>Parameters (± standard error)</source>
        <translation>Parameter (± Standardfehler)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="123"/>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="123"/>
        <source>AICc</source>
        <translation>AICc</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="124"/>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="148"/>
        <source>Flow curve</source>
        <translation>Fließkurve</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="286"/>
        <source>Flow models: %1</source>
        <translation>Fließmodelle: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="289"/>
        <source>Flow models: the best is %1 (lowest AICc).</source>
        <translation>Fließmodelle: Das beste ist %1 (kleinstes AICc).</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="291"/>
        <source>Flow models: no best model: %1</source>
        <translation>Fließmodelle: kein bestes Modell: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="312"/>
        <source>%1 (best)</source>
        <translation>%1 (bestes)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="392"/>
        <source>%1 readings, %2 used; left out: %3 over scale, %4 low torque%5; %6 without shear data (left out of the flow models).</source>
        <translation>%1 Messwerte, %2 verwendet; ausgelassen: %3 über Messbereich, %4 mit niedrigem Drehmoment%5; %6 ohne Scherdaten (bei den Fließmodellen ausgelassen).</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="398"/>
        <source> (low torque included)</source>
        <translation> (niedriges Drehmoment einbezogen)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="402"/>
        <source>Flow index from speed: n = %1, K = %2 %3 (at 1 RPM), R² = %4, %5 readings</source>
        <translation>Fließindex aus der Drehzahl: n = %1, K = %2 %3 (bei 1 U/min), R² = %4, %5 Messwerte</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="407"/>
        <source>Flow index from speed: %1</source>
        <translation>Fließindex aus der Drehzahl: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="411"/>
        <source>Thixotropic index: %1 (mean viscosity at %2 RPM over %3 RPM; %4 and %5 readings)</source>
        <translation>Thixotropieindex: %1 (mittlere Viskosität bei %2 U/min zu %3 U/min; %4 und %5 Messwerte)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="416"/>
        <source>Thixotropic index: %1</source>
        <translation>Thixotropieindex: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="419"/>
        <source>Activation energy: %1 kJ/mol, ln A = %2, R² = %3, %4 readings at %5 RPM</source>
        <translation>Aktivierungsenergie: %1 kJ/mol, ln A = %2, R² = %3, %4 Messwerte bei %5 U/min</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="424"/>
        <source>Activation energy: %1</source>
        <translation>Aktivierungsenergie: %1</translation>
    </message>
</context>
<context>
    <name>TFormViewBatch</name>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="65"/>
        <source>Process</source>
        <translation>Prozess</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="76"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="89"/>
        <source>Show or hide the folders</source>
        <translation>Ordner ein- oder ausblenden</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="99"/>
        <source>Batch view</source>
        <translation>Chargenansicht</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="112"/>
        <source>Unable to modify multiple batch items.</source>
        <translation>Mehrere Chargenelemente können nicht geändert werden.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="186"/>
        <source>Header</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="186"/>
        <source>Processes</source>
        <translation>Prozesse</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="186"/>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="186"/>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="189"/>
        <source>My Reports</source>
        <translation>Meine Berichte</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="370"/>
        <source>Batch saved</source>
        <translation>Charge gespeichert</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="378"/>
        <source>The changes to &quot;%1&quot; could not be saved.
%2</source>
        <translation>Die Änderungen an „%1“ konnten nicht gespeichert werden.
%2</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="404"/>
        <source>Please Wait...</source>
        <translation>Bitte warten...</translation>
    </message>
</context>
<context>
    <name>TFormViewHeader</name>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="50"/>
        <source>Header</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="86"/>
        <source>Batch ID:</source>
        <translation>Chargen-ID:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="87"/>
        <source>File Location:</source>
        <translation>Speicherort:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="92"/>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="93"/>
        <source>Spindle:</source>
        <translation>Spindel:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="98"/>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="99"/>
        <source>Operator:</source>
        <translation>Bediener:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="100"/>
        <source>Identifier:</source>
        <translation>Kennung:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="103"/>
        <location filename="../ui/FormViewHeader.cpp" line="105"/>
        <source>Note:</source>
        <translation>Bemerkung:</translation>
    </message>
</context>
<context>
    <name>TFormViewImage</name>
    <message>
        <location filename="../ui/FormViewImage.cpp" line="48"/>
        <source>Picture viewer</source>
        <translation>Bildbetrachter</translation>
    </message>
</context>
<context>
    <name>TFormViewMeasurements</name>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="61"/>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="63"/>
        <location filename="../ui/FormViewMeasurements.cpp" line="66"/>
        <source>X Axis:</source>
        <translation>X-Achse:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="69"/>
        <location filename="../ui/FormViewMeasurements.cpp" line="72"/>
        <source>Y Axis:</source>
        <translation>Y-Achse:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="89"/>
        <location filename="../ui/FormViewMeasurements.cpp" line="108"/>
        <source>Readings</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="90"/>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="91"/>
        <source>Reset Zoom</source>
        <translation>Zoom zurücksetzen</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="98"/>
        <source>Readings and chart</source>
        <translation>Messwerte und Diagramm</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="124"/>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="142"/>
        <source>Left click and drag to zoom into a specfic area.</source>
        <translation>Mit linker Maustaste klicken und ziehen, um in einen bestimmten Bereich zu zoomen.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="143"/>
        <source>Right click and drag to scroll.</source>
        <translation>Mit rechter Maustaste klicken und ziehen, um zu verschieben.</translation>
    </message>
</context>
<context>
    <name>TFormViewOle</name>
    <message>
        <location filename="../ui/FormViewOle.cpp" line="60"/>
        <source>Document viewer</source>
        <translation>Dokumentbetrachter</translation>
    </message>
    <message>
        <location filename="../ui/FormViewOle.cpp" line="62"/>
        <location filename="../ui/FormViewOle.cpp" line="149"/>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
</context>
<context>
    <name>TFormViewPDF</name>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="23"/>
        <source>The file was not found.</source>
        <translation>Die Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="25"/>
        <source>The file is not a PDF document that can be read.</source>
        <translation>Die Datei ist kein lesbares PDF-Dokument.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="27"/>
        <source>The document is protected by a password.</source>
        <translation>Das Dokument ist durch ein Passwort geschützt.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="29"/>
        <source>The document&apos;s protection is not supported.</source>
        <translation>Der Schutz des Dokuments wird nicht unterstützt.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="31"/>
        <source>The document could not be read.</source>
        <translation>Das Dokument konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="41"/>
        <source>PDF viewer</source>
        <translation>PDF-Betrachter</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="43"/>
        <location filename="../ui/FormViewPDF.cpp" line="48"/>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
</context>
<context>
    <name>TFormViewProcesses</name>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="34"/>
        <location filename="../ui/FormViewProcesses.cpp" line="63"/>
        <source>Processes</source>
        <translation>Prozesse</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="49"/>
        <source>New Process</source>
        <translation>Neuer Prozess</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="51"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="53"/>
        <location filename="../ui/FormViewProcesses.cpp" line="230"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="55"/>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="57"/>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="70"/>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>Identifier</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>RPM Start</source>
        <translation>U/min Start</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>RPM End</source>
        <translation>U/min Ende</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="106"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="106"/>
        <source>Start Temp</source>
        <translation>Starttemp.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="107"/>
        <source>Temp Tend.</source>
        <translation>Temp.-Tendenz</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="107"/>
        <source>Start Delay</source>
        <translation>Startverzögerung</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="107"/>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="228"/>
        <source>Are you sure you want to delete the selected process?</source>
        <translation>Möchten Sie den ausgewählten Prozess wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="229"/>
        <source>Are you sure you want to delete these %1 processes?</source>
        <translation>Möchten Sie diese %1 Prozesse wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>TFormViewReport</name>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="84"/>
        <location filename="../ui/FormViewReport.cpp" line="227"/>
        <location filename="../ui/FormViewReport.cpp" line="230"/>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="100"/>
        <source>Report commands</source>
        <translation>Berichtsbefehle</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="110"/>
        <source>Reports:</source>
        <translation>Berichte:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="115"/>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="118"/>
        <location filename="../ui/FormViewReport.cpp" line="348"/>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="132"/>
        <source>Standard report</source>
        <translation>Standardbericht</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="139"/>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="143"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="165"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="166"/>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="168"/>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="172"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="178"/>
        <location filename="../ui/FormViewReport.cpp" line="186"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="180"/>
        <location filename="../ui/FormViewReport.cpp" line="182"/>
        <location filename="../ui/FormViewReport.cpp" line="189"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="199"/>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="544"/>
        <source>Printing</source>
        <translation>Wird gedruckt</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="558"/>
        <location filename="../ui/FormViewReport.cpp" line="568"/>
        <source>Save PDF Report As</source>
        <translation>PDF-Bericht speichern unter</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="559"/>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="569"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="576"/>
        <source>Writing PDF</source>
        <translation>PDF wird geschrieben</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="595"/>
        <source>Preparing mail</source>
        <translation>E-Mail wird vorbereitet</translation>
    </message>
</context>
<context>
    <name>TImageShow</name>
    <message>
        <location filename="../ui/FormViewImage.cpp" line="16"/>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>TNameEditDelegate</name>
    <message>
        <location filename="../ui/NameEdit.cpp" line="19"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>TPageDesigner</name>
    <message>
        <location filename="../ui/PageDesigner.cpp" line="16"/>
        <source>Page Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <location filename="../ui/PageDesigner.cpp" line="17"/>
        <source>Full Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <location filename="../ui/PageDesigner.cpp" line="45"/>
        <source>Page designer</source>
        <translation>Seitendesigner</translation>
    </message>
</context>
<context>
    <name>TPageEditor</name>
    <message>
        <location filename="../ui/PageEditor.cpp" line="69"/>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="214"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="218"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="254"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="280"/>
        <source>Bring to Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="285"/>
        <source>Send to Back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="290"/>
        <source>Reorder</source>
        <translation>Reihenfolge ändern</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="297"/>
        <source>Align Left</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="297"/>
        <source>Align Right</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="297"/>
        <source>Align Top</source>
        <translation>Oben ausrichten</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="298"/>
        <source>Align Bottom</source>
        <translation>Unten ausrichten</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="298"/>
        <source>Align Centres Across</source>
        <translation>Mitten horizontal ausrichten</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="298"/>
        <source>Align Centres Down</source>
        <translation>Mitten vertikal ausrichten</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="299"/>
        <source>Same Width</source>
        <translation>Gleiche Breite</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="299"/>
        <source>Same Height</source>
        <translation>Gleiche Höhe</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="434"/>
        <location filename="../ui/PageEditor.cpp" line="555"/>
        <location filename="../ui/PageEditor.cpp" line="633"/>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="555"/>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="577"/>
        <source>New %1</source>
        <translation>%1 anlegen</translation>
    </message>
</context>
<context>
    <name>TPageItemListView</name>
    <message>
        <location filename="../ui/FormPageItemList.cpp" line="14"/>
        <source>Page items</source>
        <translation>Seitenelemente</translation>
    </message>
    <message>
        <location filename="../ui/FormPageItemList.cpp" line="16"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>TPageRuler</name>
    <message>
        <location filename="../ui/PageRuler.cpp" line="23"/>
        <source>Horizontal ruler</source>
        <translation>Horizontales Lineal</translation>
    </message>
    <message>
        <location filename="../ui/PageRuler.cpp" line="23"/>
        <source>Vertical ruler</source>
        <translation>Vertikales Lineal</translation>
    </message>
</context>
<context>
    <name>TPropertyModel</name>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="202"/>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="202"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>TPropertyValueEditor</name>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="68"/>
        <location filename="../ui/FormPropertyEditor.cpp" line="80"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="91"/>
        <location filename="../ui/FormPropertyEditor.cpp" line="92"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="101"/>
        <location filename="../ui/FormPropertyEditor.cpp" line="102"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>TQcStatusLine</name>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="33"/>
        <source>QC: %1</source>
        <translation>QK: %1</translation>
    </message>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="34"/>
        <source>QC %1 against &quot;%2&quot;</source>
        <translation>QK %1 (Grenzwertliste „%2“)</translation>
    </message>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="40"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="42"/>
        <source> – failing: %1</source>
        <translation> – nicht erfüllt: %1</translation>
    </message>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="44"/>
        <source> – no data yet: %1</source>
        <translation> – noch keine Daten: %1</translation>
    </message>
</context>
<context>
    <name>TReadingsTableModel</name>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="53"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="54"/>
        <source>Time</source>
        <translation>Zeit</translation>
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
        <translation>Viskosität</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="56"/>
        <source>% Full Scale</source>
        <translation>% Skalenendwert</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="57"/>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="58"/>
        <source>RPM</source>
        <translation>U/min</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="60"/>
        <source>Shear Stress</source>
        <translation>Schubspannung</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="60"/>
        <source>Shear Rate</source>
        <translation>Schergeschwindigkeit</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="106"/>
        <source>Below 10 % of full scale: the spindle turns at low torque, where the reading is unreliable.</source>
        <translation>Unter 10 % des Skalenendwerts: Die Spindel dreht mit niedrigem Drehmoment, bei dem der Messwert unzuverlässig ist.</translation>
    </message>
</context>
</TS>
