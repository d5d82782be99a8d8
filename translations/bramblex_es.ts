<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Bramblex</name>
    <message>
        <location filename="../platform/AtomicFile.cpp" line="209"/>
        <location filename="../platform/LockedFile.cpp" line="43"/>
        <location filename="../platform/LockedFile.cpp" line="47"/>
        <location filename="../platform/UserValues.cpp" line="41"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <location filename="../platform/AtomicFile.cpp" line="249"/>
        <location filename="../reports/Report.cpp" line="87"/>
        <location filename="../storage/FileItem.cpp" line="73"/>
        <location filename="../storage/FileItem.cpp" line="106"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="309"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <location filename="../platform/Clipboard.cpp" line="49"/>
        <source>Cannot open clipboard</source>
        <translation>No se puede abrir el portapapeles</translation>
    </message>
    <message>
        <location filename="../platform/Clipboard.cpp" line="128"/>
        <source>The program runs without a display (Qt platform &quot;offscreen&quot;): no other program can read its clipboard.</source>
        <translation>El programa se ejecuta sin pantalla (plataforma Qt &quot;offscreen&quot;): ningún otro programa puede leer su portapapeles.</translation>
    </message>
    <message>
        <location filename="../platform/Clipboard.cpp" line="131"/>
        <source>The program has no clipboard.</source>
        <translation>El programa no tiene portapapeles.</translation>
    </message>
    <message>
        <location filename="../platform/FileSystem.cpp" line="273"/>
        <source>It is neither a file nor a link.</source>
        <translation>No es ni un archivo ni un enlace.</translation>
    </message>
    <message>
        <location filename="../platform/LockedFile.cpp" line="72"/>
        <location filename="../platform/LockedFile.cpp" line="80"/>
        <location filename="../platform/LockedFile.cpp" line="86"/>
        <source>Cannot write to file &quot;%1&quot;. %2</source>
        <translation>No se puede escribir en el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="61"/>
        <source>User cancelled request</source>
        <translation>El usuario canceló la solicitud</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="63"/>
        <source>General MAPI failure</source>
        <translation>Error general de MAPI</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="65"/>
        <source>Logon failure</source>
        <translation>Error de inicio de sesión</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="67"/>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="69"/>
        <source>Insufficient memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="71"/>
        <location filename="../platform/UserValues.cpp" line="66"/>
        <source>Access denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="73"/>
        <source>Too many sessions</source>
        <translation>Demasiadas sesiones</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="75"/>
        <source>Too many files open</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="77"/>
        <source>Too many recipients</source>
        <translation>Demasiados destinatarios</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="79"/>
        <source>Attachment not found</source>
        <translation>No se encontró el adjunto</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="81"/>
        <source>Failed to open attachment</source>
        <translation>No se pudo abrir el adjunto</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="83"/>
        <source>Failed to write attachment</source>
        <translation>No se pudo escribir el adjunto</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="85"/>
        <source>Unknown recipient</source>
        <translation>Destinatario desconocido</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="87"/>
        <source>Invalid recipient type</source>
        <translation>Tipo de destinatario no válido</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="89"/>
        <source>No messages</source>
        <translation>No hay mensajes</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="91"/>
        <source>Invalid message</source>
        <translation>Mensaje no válido</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="93"/>
        <source>Text too large.</source>
        <translation>Texto demasiado largo.</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="95"/>
        <source>Invalid session</source>
        <translation>Sesión no válida</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="97"/>
        <source>Type not supported</source>
        <translation>Tipo no admitido</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="99"/>
        <source>Ambiguous recipient</source>
        <translation>Destinatario ambiguo</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="101"/>
        <source>Message in use</source>
        <translation>Mensaje en uso</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="103"/>
        <source>Network failure</source>
        <translation>Error de red</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="105"/>
        <source>Invalid edit fields</source>
        <translation>Campos de edición no válidos</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="107"/>
        <source>Invalid recipients</source>
        <translation>Destinatarios no válidos</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="109"/>
        <source>Not supported</source>
        <translation>No admitido</translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="111"/>
        <source>Unknown Error Code: </source>
        <translation>Código de error desconocido: </translation>
    </message>
    <message>
        <location filename="../platform/Mail.cpp" line="224"/>
        <source>Cannot create a folder for the mail&apos;s files in &quot;%1&quot;.</source>
        <translation>No se puede crear una carpeta para los archivos del correo en &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="25"/>
        <location filename="../properties/KorvGraphic.cpp" line="203"/>
        <location filename="../ui/FormViewImage.cpp" line="93"/>
        <source>The file &quot;%1&quot; does not hold a picture that can be read.</source>
        <translation>El archivo &quot;%1&quot; no contiene una imagen legible.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="67"/>
        <source>The converted picture is larger than %1 MB.</source>
        <translation>La imagen convertida ocupa más de %1 MB.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="88"/>
        <source>The converter ended with code %1.</source>
        <translation>El convertidor terminó con el código %1.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="104"/>
        <source>The converter wrote nothing.</source>
        <translation>El convertidor no escribió nada.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="109"/>
        <source>The converter did not finish within %1 seconds.</source>
        <translation>El convertidor no terminó en %1 segundos.</translation>
    </message>
    <message>
        <location filename="../platform/MetafileConverter.cpp" line="240"/>
        <source>It is neither an enhanced nor a Windows metafile.</source>
        <translation>No es un metarchivo mejorado ni un metarchivo de Windows.</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="177"/>
        <location filename="../platform/PrintJob.cpp" line="233"/>
        <source>No printer is installed.</source>
        <translation>No hay ninguna impresora instalada.</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="180"/>
        <source>The printer &quot;%1&quot; is not installed.</source>
        <translation>La impresora &quot;%1&quot; no está instalada.</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="241"/>
        <location filename="../platform/PrintJob.cpp" line="251"/>
        <source>Cannot start the print job on &quot;%1&quot;.</source>
        <translation>No se puede iniciar el trabajo de impresión en &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="282"/>
        <location filename="../platform/PrintJob.cpp" line="292"/>
        <source>Cannot print on &quot;%1&quot;.</source>
        <translation>No se puede imprimir en &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../platform/PrintJob.cpp" line="291"/>
        <location filename="../services/ReportJobs.cpp" line="342"/>
        <source>Cannot write the PDF file &quot;%1&quot;.</source>
        <translation>No se puede escribir el archivo PDF &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../platform/UserValues.cpp" line="61"/>
        <source>The file does not hold settings in the expected form.</source>
        <translation>El archivo no contiene la configuración en la forma esperada.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="34"/>
        <source>The port %1 does not exist.</source>
        <translation>El puerto %1 no existe.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="40"/>
        <source>The port %1 is in use by another program.</source>
        <translation>Otro programa está usando el puerto %1.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="42"/>
        <source>%1 is not a serial port.</source>
        <translation>%1 no es un puerto serie.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="44"/>
        <source>The port %1 could not be opened: %2</source>
        <translation>No se pudo abrir el puerto %1: %2</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="52"/>
        <source>The connection on the port %1 was lost (the device hung up or was unplugged).</source>
        <translation>Se perdió la conexión en el puerto %1 (el dispositivo colgó o se desconectó).</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="54"/>
        <source>Writing to the port %1 failed: %2</source>
        <translation>Error al escribir en el puerto %1: %2</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="54"/>
        <source>Reading from the port %1 failed: %2</source>
        <translation>Error al leer del puerto %1: %2</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="69"/>
        <source>No serial port has been chosen.</source>
        <translation>No se ha elegido ningún puerto serie.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="182"/>
        <source>The serial port is not open.</source>
        <translation>El puerto serie no está abierto.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="249"/>
        <source>Permission to use the port %1 was denied.</source>
        <translation>Se denegó el permiso para usar el puerto %1.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="263"/>
        <source>The port&apos;s owner and permissions cannot be read.</source>
        <translation>No se pueden leer el propietario ni los permisos del puerto.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="265"/>
        <source>The user %1 owns it and may read and write it (mode %2); something other than its permissions refuses access.</source>
        <translation>El usuario %1 es su propietario y puede leerlo y escribirlo (modo %2); algo distinto de sus permisos impide el acceso.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="268"/>
        <source>It belongs to the user %1, but its mode %2 does not let its owner read and write it.</source>
        <translation>Pertenece al usuario %1, pero su modo %2 no permite a su propietario leerlo ni escribirlo.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="273"/>
        <source>The user %1 is a member of its group &quot;%2&quot;, which may read and write it (mode %3); something other than its permissions refuses access.</source>
        <translation>El usuario %1 es miembro de su grupo &quot;%2&quot;, que puede leerlo y escribirlo (modo %3); algo distinto de sus permisos impide el acceso.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="276"/>
        <source>It belongs to the user %1 and the group &quot;%2&quot;, of which the user %3 is a member, but its mode %4 does not let the group read and write it: the system administrator must allow that (a udev rule for the device).</source>
        <translation>Pertenece al usuario %1 y al grupo &quot;%2&quot;, del que el usuario %3 es miembro, pero su modo %4 no permite al grupo leerlo ni escribirlo: el administrador del sistema debe permitirlo (una regla udev para el dispositivo).</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="282"/>
        <source>It belongs to the group &quot;%1&quot;. The user %2 was added to that group but must log in again for it to take effect.</source>
        <translation>Pertenece al grupo &quot;%1&quot;. El usuario %2 se añadió a ese grupo, pero debe volver a iniciar sesión para que surta efecto.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="285"/>
        <source>It belongs to the group &quot;%1&quot;, of which the user %2 is not a member. The user must be added to the group &quot;%1&quot; and log in again.</source>
        <translation>Pertenece al grupo &quot;%1&quot;, del que el usuario %2 no es miembro. Hay que añadir el usuario al grupo &quot;%1&quot; y volver a iniciar sesión.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="289"/>
        <source>Its mode %1 lets every user read and write it; something other than its permissions refuses access.</source>
        <translation>Su modo %1 permite a todos los usuarios leerlo y escribirlo; algo distinto de sus permisos impide el acceso.</translation>
    </message>
    <message>
        <location filename="../platform/SerialLineTermios.cpp" line="293"/>
        <source>It belongs to the user %1 and the group &quot;%2&quot;, and its mode %3 lets neither the group nor other users read and write it: the system administrator must allow that (a udev rule for the device).</source>
        <translation>Pertenece al usuario %1 y al grupo &quot;%2&quot;, y su modo %3 no permite ni al grupo ni a otros usuarios leerlo y escribirlo: el administrador del sistema debe permitirlo (una regla udev para el dispositivo).</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="140"/>
        <source>Before you connect the viscometer, a few facts about serial ports on this computer:</source>
        <translation>Antes de conectar el viscosímetro, algunos datos sobre los puertos serie de este equipo:</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="144"/>
        <source>The user %1 was added to the group &quot;dialout&quot; that may use serial ports, but that takes effect only after logging out and in again.</source>
        <translation>El usuario %1 se añadió al grupo &quot;dialout&quot;, que puede usar los puertos serie, pero solo surte efecto después de cerrar la sesión y volver a iniciarla.</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="147"/>
        <source>The user %1 is not a member of the group &quot;dialout&quot; that may use serial ports. The administrator can add it with:
    sudo usermod -aG dialout %1
and it takes effect after logging out and in again.</source>
        <translation>El usuario %1 no es miembro del grupo &quot;dialout&quot;, que puede usar los puertos serie. El administrador puede añadirlo con:
    sudo usermod -aG dialout %1
y surte efecto después de cerrar la sesión y volver a iniciarla.</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="153"/>
        <source>ModemManager is running: it probes every new USB-serial adapter for a modem and can hold the port for several seconds after the adapter is plugged in.</source>
        <translation>ModemManager está en ejecución: examina cada nuevo adaptador USB-serie en busca de un módem y puede retener el puerto varios segundos después de conectar el adaptador.</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="157"/>
        <source>The optional udev rule %1 keeps ModemManager away from common USB-serial adapters and lets the user at the screen open them without the group and without a new login. Copy it to /etc/udev/rules.d/ (as administrator) and plug the adapter in again.</source>
        <translation>La regla udev opcional %1 mantiene ModemManager alejado de los adaptadores USB-serie habituales y permite al usuario que está ante la pantalla abrirlos sin el grupo y sin volver a iniciar sesión. Cópiela en /etc/udev/rules.d/ (como administrador) y vuelva a conectar el adaptador.</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="163"/>
        <source>The braille display service brltty has a rule that claims USB-serial adapters (%1): the port disappears moments after the adapter is plugged in. If no braille display is used, remove it with
    sudo apt remove brltty
or switch the rule off with
    sudo ln -s /dev/null /etc/udev/rules.d/%2</source>
        <translation>El servicio de pantallas braille brltty tiene una regla que reclama los adaptadores USB-serie (%1): el puerto desaparece poco después de conectar el adaptador. Si no se usa ninguna pantalla braille, elimínelo con
    sudo apt remove brltty
o desactive la regla con
    sudo ln -s /dev/null /etc/udev/rules.d/%2</translation>
    </message>
    <message>
        <location filename="../platform/SerialSetup.cpp" line="168"/>
        <source>Choose a USB adapter by its name under /dev/serial/by-id, as the port list shows it: names such as /dev/ttyUSB0 can change when an adapter is plugged in again.</source>
        <translation>Elija un adaptador USB por su nombre en /dev/serial/by-id, tal como lo muestra la lista de puertos: nombres como /dev/ttyUSB0 pueden cambiar al volver a conectar un adaptador.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="845"/>
        <source>Cannot write to stream. %1</source>
        <translation>No se puede escribir en el flujo. %1</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="863"/>
        <source>The document ends in the middle of a tag, after %1 bytes.</source>
        <translation>El documento termina en medio de una etiqueta, tras %1 bytes.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="864"/>
        <source>The document ends inside the element &quot;%1&quot;, after %2 bytes.</source>
        <translation>El documento termina dentro del elemento &quot;%1&quot;, tras %2 bytes.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="866"/>
        <source>The document closes %1 element(s) that were never opened.</source>
        <translation>El documento cierra %1 elemento(s) que nunca se abrieron.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="869"/>
        <source>The document nests elements too deeply; %1 element(s) were left out.</source>
        <translation>El documento anida los elementos a demasiada profundidad; se omitieron %1 elemento(s).</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="871"/>
        <source>The document holds text outside its elements.</source>
        <translation>El documento contiene texto fuera de sus elementos.</translation>
    </message>
    <message>
        <location filename="../xml/GmXml.cpp" line="874"/>
        <source>Its last complete element ends at byte %1; %2 element(s) were read.</source>
        <translation>Su último elemento completo termina en el byte %1; se leyeron %2 elemento(s).</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="143"/>
        <source>Time (seconds)</source>
        <translation>Tiempo (segundos)</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="144"/>
        <location filename="../catalogue/Catalogue.cpp" line="153"/>
        <source>Viscosity (%1)</source>
        <translation>Viscosidad (%1)</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="145"/>
        <location filename="../catalogue/Catalogue.cpp" line="153"/>
        <location filename="../reports/PageItemReadings.cpp" line="162"/>
        <location filename="../export/BatchExport.cpp" line="125"/>
        <source>% Full Scale</source>
        <translation>% del fondo de escala</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="146"/>
        <location filename="../catalogue/Catalogue.cpp" line="154"/>
        <source>Temperature (%1)</source>
        <translation>Temperatura (%1)</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="147"/>
        <location filename="../catalogue/Catalogue.cpp" line="154"/>
        <location filename="../reports/PageItemReadings.cpp" line="164"/>
        <location filename="../export/BatchExport.cpp" line="127"/>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="148"/>
        <location filename="../catalogue/Catalogue.cpp" line="155"/>
        <source>ShearStress</source>
        <translation>Esfuerzo cortante</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="149"/>
        <location filename="../catalogue/Catalogue.cpp" line="155"/>
        <source>ShearRate</source>
        <translation>Velocidad de cizalla</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="181"/>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="181"/>
        <location filename="../properties/Properties.cpp" line="169"/>
        <location filename="../reports/Page.cpp" line="56"/>
        <source>Default</source>
        <translation>Predeterminado</translation>
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
        <translation>Ejecutivo</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="184"/>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="185"/>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="185"/>
        <source>Tabloid</source>
        <translation>Tabloide</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="203"/>
        <source>Invalid report unit type</source>
        <translation>Tipo de unidad de informe no válido</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="210"/>
        <source>Invalid viscosity unit type</source>
        <translation>Tipo de unidad de viscosidad no válido</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="217"/>
        <source>Invalid temperature unit type</source>
        <translation>Tipo de unidad de temperatura no válido</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="361"/>
        <source>Invalid Spindle Index</source>
        <translation>Índice de husillo no válido</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="391"/>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="331"/>
        <location filename="../export/BatchExport.cpp" line="73"/>
        <source>Invalid ModelType</source>
        <translation>Tipo de modelo no válido</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="408"/>
        <source>Over scale</source>
        <translation>Fuera de escala</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="416"/>
        <location filename="../catalogue/Catalogue.cpp" line="451"/>
        <source>Invalid XAxis</source>
        <translation>Eje X no válido</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="426"/>
        <location filename="../catalogue/Catalogue.cpp" line="457"/>
        <source>Invalid YAxis</source>
        <translation>Eje Y no válido</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="502"/>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="502"/>
        <source>in</source>
        <translation>pulg</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="518"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location filename="../catalogue/Catalogue.cpp" line="518"/>
        <source>ft</source>
        <translation>pie</translation>
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
        <translation>El convertidor no escribió ninguna imagen legible.</translation>
    </message>
    <message>
        <location filename="../properties/KorvGraphic.cpp" line="268"/>
        <source>Cannot assign object to KorvGraphic</source>
        <translation>No se puede asignar el objeto a KorvGraphic</translation>
    </message>
    <message>
        <location filename="../properties/PictureText.cpp" line="122"/>
        <source>The pictures of the document need more than %1 MB.</source>
        <translation>Las imágenes del documento necesitan más de %1 MB.</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="71"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un valor entero válido</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="87"/>
        <location filename="../instrument/ProcessRules.cpp" line="148"/>
        <location filename="../instrument/ViscoMeterInterface.cpp" line="68"/>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor de coma flotante válido</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="129"/>
        <location filename="../reports/PageItemGraphic.cpp" line="16"/>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="129"/>
        <location filename="../reports/PageItemGraphic.cpp" line="16"/>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="159"/>
        <source>bsSolid</source>
        <translation>Sólido</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="159"/>
        <source>bsClear</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="159"/>
        <source>bsBDiagonal</source>
        <translation>Diagonal inversa</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="159"/>
        <source>bsFDiagonal</source>
        <translation>Diagonal</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="160"/>
        <source>bsCross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="160"/>
        <source>bsDiagCross</source>
        <translation>Cruz diagonal</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="160"/>
        <source>bsHorizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="160"/>
        <source>bsVertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="164"/>
        <source>psSolid</source>
        <translation>Continua</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="164"/>
        <source>psDash</source>
        <translation>Guiones</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="164"/>
        <source>psDot</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="164"/>
        <source>psDashDot</source>
        <translation>Guion y punto</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="165"/>
        <source>psDashDotDot</source>
        <translation>Guion y dos puntos</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="165"/>
        <source>psClear</source>
        <translation>Invisible</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="165"/>
        <source>psInsideFrame</source>
        <translation>Continua interior</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="300"/>
        <source>Cannot copy value to property.</source>
        <translation>No se puede copiar el valor en la propiedad.</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="346"/>
        <source>(None)</source>
        <translation>(Ninguno)</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="346"/>
        <source>(Graphic)</source>
        <translation>(Gráfico)</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="374"/>
        <source>Invalid boolean value &apos;%1&apos;</source>
        <translation>Valor booleano no válido &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="384"/>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="392"/>
        <source>Invalid brush style &apos;%1&apos;</source>
        <translation>Estilo de relleno no válido &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="395"/>
        <source>Invalid pen style &apos;%1&apos;</source>
        <translation>Estilo de lápiz no válido &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="461"/>
        <source>Property does not exist</source>
        <translation>La propiedad no existe</translation>
    </message>
    <message>
        <location filename="../properties/Properties.cpp" line="474"/>
        <source>Expecting property list</source>
        <translation>Se esperaba una lista de propiedades</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="22"/>
        <location filename="../automation/BramblexInterface.cpp" line="76"/>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de límites (%1)</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="31"/>
        <source>Cannot assign object to Process item</source>
        <translation>No se puede asignar el objeto a un elemento de proceso</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="51"/>
        <source>Cannot assign object to Measurement item</source>
        <translation>No se puede asignar el objeto a un elemento de medición</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="241"/>
        <source>Invalid sort type</source>
        <translation>Tipo de ordenación no válido</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="296"/>
        <source>Cannot assign object to Batch item</source>
        <translation>No se puede asignar el objeto a un elemento de lote</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="435"/>
        <source>The file &quot;%1&quot; is damaged and was read only in part.
%2
%3 reading(s) and %4 process(es) were read.</source>
        <translation>El archivo &quot;%1&quot; está dañado y solo se leyó en parte.
%2
Se leyeron %3 lectura(s) y %4 proceso(s).</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="482"/>
        <source>When Above</source>
        <translation>Al superar</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="484"/>
        <source>When Below</source>
        <translation>Al bajar de</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="486"/>
        <source>Invalid Start Temperature Type</source>
        <translation>Tipo de temperatura inicial no válido</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="525"/>
        <source>Processes moved</source>
        <translation>Procesos movidos</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="529"/>
        <source>Process %1 added</source>
        <translation>Proceso %1 añadido</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="537"/>
        <source>Processes deleted: %1</source>
        <translation>Procesos eliminados: %1</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="541"/>
        <source>Process %1 edited</source>
        <translation>Proceso %1 editado</translation>
    </message>
    <message>
        <location filename="../documents/BatchItem.cpp" line="545"/>
        <source>%1 (%2 processes before, %3 after)</source>
        <translation>%1 (%2 procesos antes, %3 después)</translation>
    </message>
    <message>
        <location filename="../documents/DamagedSource.cpp" line="38"/>
        <source>It is not saved over; save a repaired copy under another name.</source>
        <translation>No se sobrescribe; guarde una copia reparada con otro nombre.</translation>
    </message>
    <message>
        <location filename="../documents/Settings.cpp" line="111"/>
        <source>Unable to assign object to TSettingsItem</source>
        <translation>No se puede asignar el objeto a TSettingsItem</translation>
    </message>
    <message>
        <location filename="../documents/Settings.cpp" line="198"/>
        <source>The file &quot;%1&quot; is damaged and was read only in part.
%2
%3 value(s) were read.</source>
        <translation>El archivo &quot;%1&quot; está dañado y solo se leyó en parte.
%2
Se leyeron %3 valor(es).</translation>
    </message>
    <message>
        <location filename="../documents/Settings.cpp" line="216"/>
        <source>Unable to assign object to TSettings</source>
        <translation>No se puede asignar el objeto a TSettings</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="177"/>
        <source>Cannot write the audit trail of &quot;%1&quot;.</source>
        <translation>No se puede escribir el registro de auditoría de &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="238"/>
        <source>New batch</source>
        <translation>Lote nuevo</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="243"/>
        <source>Copy of %1, which has no audit trail</source>
        <translation>Copia de %1, que no tiene registro de auditoría</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="244"/>
        <source>Copy of %1, whose audit trail ends with record %2</source>
        <translation>Copia de %1, cuyo registro de auditoría termina con la entrada %2</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="267"/>
        <source>%1 on %2; readings %3 → %4</source>
        <translation>%1 en %2; lecturas %3 → %4</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="277"/>
        <source>%1 readings cleared</source>
        <translation>%1 lecturas borradas</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="284"/>
        <source>%1 readings recovered from %2</source>
        <translation>%1 lecturas recuperadas de %2</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="310"/>
        <source>Batch deleted</source>
        <translation>Lote eliminado</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="350"/>
        <location filename="../audit/AuditTrail.cpp" line="363"/>
        <location filename="../qc/Qc.cpp" line="352"/>
        <location filename="../qc/Qc.cpp" line="389"/>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="440"/>
        <source>The batch is signed: a change to it needs a reason.</source>
        <translation>El lote está firmado: cualquier cambio requiere un motivo.</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="454"/>
        <source>Audit trail started on an existing file</source>
        <translation>Registro de auditoría iniciado sobre un archivo existente</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="460"/>
        <source>The change recorded at %1 did not reach the file</source>
        <translation>El cambio registrado el %1 no llegó al archivo</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="469"/>
        <source>The file was removed outside Bramblex after the change recorded at %1</source>
        <translation>El archivo se eliminó fuera de Bramblex después del cambio registrado el %1</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="471"/>
        <source>The file was changed outside Bramblex after the change recorded at %1</source>
        <translation>El archivo se modificó fuera de Bramblex después del cambio registrado el %1</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="533"/>
        <source>The move recorded before did not happen: %1</source>
        <translation>El traslado registrado antes no se produjo: %1</translation>
    </message>
    <message>
        <location filename="../audit/AuditTrail.cpp" line="572"/>
        <source>&quot;%1&quot; is signed: a change to it needs a reason.</source>
        <translation>&quot;%1&quot; está firmado: cualquier cambio requiere un motivo.</translation>
    </message>
    <message>
        <location filename="../audit/Signing.cpp" line="81"/>
        <source>Signing is locked after three wrong passwords; try again in %1 seconds.</source>
        <translation>La firma está bloqueada tras tres contraseñas incorrectas; inténtelo de nuevo dentro de %1 segundos.</translation>
    </message>
    <message>
        <location filename="../audit/Signing.cpp" line="89"/>
        <source>Signature refused: the password cannot be checked.</source>
        <translation>Firma rechazada: no se puede comprobar la contraseña.</translation>
    </message>
    <message>
        <location filename="../audit/Signing.cpp" line="94"/>
        <source>Signature refused: the password is not correct.</source>
        <translation>Firma rechazada: la contraseña no es correcta.</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="174"/>
        <source>Invalid thread operation</source>
        <translation>Operación de hilo no válida</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="195"/>
        <source>The measurement run ended on an unknown error.</source>
        <translation>La medición terminó por un error desconocido.</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="233"/>
        <source>Unable to set ViscoMeter into computer controlled mode</source>
        <translation>No se puede poner el viscosímetro en modo controlado por ordenador</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="282"/>
        <source>Connected ViscoMeter model is different than one selected in batch.</source>
        <translation>El modelo de viscosímetro conectado es distinto del seleccionado en el lote.</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="304"/>
        <source>Begining Process....</source>
        <translation>Iniciando el proceso....</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="317"/>
        <source>Waiting for temperature to go above %1 (%2) currently %3 (%4)</source>
        <translation>Esperando a que la temperatura supere %1 (%2); actualmente %3 (%4)</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="321"/>
        <source>Waiting for temperature to go below %1 (%2) currently %3 (%4)</source>
        <translation>Esperando a que la temperatura baje de %1 (%2); actualmente %3 (%4)</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="340"/>
        <source>Processing Item %1 of %2</source>
        <translation>Procesando el elemento %1 de %2</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="344"/>
        <source>Delaying ... %1 seconds remaining</source>
        <translation>Esperando... quedan %1 segundos</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="355"/>
        <source>An error occured while requesting a measurement</source>
        <translation>Se produjo un error al solicitar una medición</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="417"/>
        <source>Press the START button on the ViscoMeter to begin</source>
        <translation>Pulse el botón START del viscosímetro para empezar</translation>
    </message>
    <message>
        <location filename="../instrument/CommViscoMeterThread.cpp" line="459"/>
        <source>Receiving data from ViscoMeter, click the STOP button to finish collecting data.</source>
        <translation>Recibiendo datos del viscosímetro; pulse el botón STOP para terminar la recogida de datos.</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="31"/>
        <source>Selected ViscoMeter model does not support processes</source>
        <translation>El modelo de viscosímetro seleccionado no admite procesos</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="55"/>
        <source>Process time has to be greater than zero</source>
        <translation>El tiempo del proceso debe ser mayor que cero</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="57"/>
        <source>Insufficient time to do RPM changes</source>
        <translation>No hay tiempo suficiente para los cambios de RPM</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="63"/>
        <source>Start delay has to be greater than zero</source>
        <translation>El retardo inicial debe ser mayor que cero</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="73"/>
        <source>Start temperature has to within the range of %1 (%2) to %3 (%4)</source>
        <translation>La temperatura inicial debe estar entre %1 (%2) y %3 (%4)</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="82"/>
        <source>Measurement range for a process taking %1 seconds is between %2 and %3</source>
        <translation>El rango de medición de un proceso de %1 segundos está entre %2 y %3</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="90"/>
        <source>The process speeds are not available with the selected spindle</source>
        <translation>Las velocidades del proceso no están disponibles con el husillo seleccionado</translation>
    </message>
    <message>
        <location filename="../instrument/ProcessRules.cpp" line="121"/>
        <source>Spindle types PA to PF only allow process RPM to go up to 12rpm, please modify process RPM before changing spindle</source>
        <translation>Los husillos PA a PF solo permiten RPM de proceso de hasta 12 rpm; modifique las RPM del proceso antes de cambiar de husillo</translation>
    </message>
    <message>
        <location filename="../instrument/ViscoMeterInterface.cpp" line="162"/>
        <source>Communications Error: (Invalid Communications Port)</source>
        <translation>Error de comunicación: (puerto de comunicaciones no válido)</translation>
    </message>
    <message>
        <location filename="../instrument/ViscoMeterInterface.cpp" line="275"/>
        <source>ReadInstrumentModel: Unknown model %1</source>
        <translation>ReadInstrumentModel: modelo desconocido %1</translation>
    </message>
    <message>
        <location filename="../instrument/ViscoMeterInterface.cpp" line="325"/>
        <source>This viscometer does not support %1 RPM</source>
        <translation>Este viscosímetro no admite %1 RPM</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="118"/>
        <source>Unknown fault &quot;%1&quot;; known faults: %2.</source>
        <translation>Fallo desconocido &quot;%1&quot;; fallos conocidos: %2.</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="172"/>
        <source>Unknown fluid &quot;%1&quot;; known fluids: paint, oil, paste.</source>
        <translation>Fluido desconocido &quot;%1&quot;; fluidos conocidos: paint, oil, paste.</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="233"/>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="255"/>
        <source>Cannot open a pseudo-terminal: %1</source>
        <translation>No se puede abrir un pseudoterminal: %1</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="315"/>
        <source>The simulator is not running.</source>
        <translation>El simulador no está en ejecución.</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="320"/>
        <source>%1 exists and is not a link; it was left as it is.</source>
        <translation>%1 existe y no es un enlace; se dejó como estaba.</translation>
    </message>
    <message>
        <location filename="../simulator/ViscoMeterSimulator.cpp" line="325"/>
        <source>Cannot make the link %1: %2</source>
        <translation>No se puede crear el enlace %1: %2</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="378"/>
        <source>No usable reading has shear data.</source>
        <translation>Ninguna lectura utilizable tiene datos de cizalla.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="379"/>
        <source>The spindle gives no shear data.</source>
        <translation>El husillo no proporciona datos de cizalla.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="396"/>
        <source>%1 needs more than %2 readings with shear data (%3 found).</source>
        <translation>%1 necesita más de %2 lecturas con datos de cizalla (se encontraron %3).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="400"/>
        <source>%1 needs readings at %2 different shear rates (%3 found).</source>
        <translation>%1 necesita lecturas a %2 velocidades de cizalla distintas (se encontraron %3).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="410"/>
        <source>%1 could not be fitted to these readings.</source>
        <translation>No se pudo ajustar %1 a estas lecturas.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="526"/>
        <source>Too few readings with shear data for any flow model (%1 found).</source>
        <translation>Muy pocas lecturas con datos de cizalla para cualquier modelo de flujo (se encontraron %1).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="537"/>
        <source>Too few readings with shear data to compare the models (%1 found).</source>
        <translation>Muy pocas lecturas con datos de cizalla para comparar los modelos (se encontraron %1).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="554"/>
        <location filename="../analysis/Analysis.cpp" line="603"/>
        <location filename="../analysis/Analysis.cpp" line="791"/>
        <source>No usable reading.</source>
        <translation>Ninguna lectura utilizable.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="555"/>
        <source>The flow index needs readings at two different speeds.</source>
        <translation>El índice de flujo necesita lecturas a dos velocidades distintas.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="597"/>
        <source>The thixotropic index needs readings at a speed and at ten times that speed.</source>
        <translation>El índice tixotrópico necesita lecturas a una velocidad y a diez veces esa velocidad.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="621"/>
        <source>The temperature dependence needs at least 3 readings at one speed spanning 5 K or more (%1 at %2 RPM spanning %3 K).</source>
        <translation>La dependencia de la temperatura necesita al menos 3 lecturas a una velocidad que abarquen 5 K o más (%1 a %2 RPM que abarcan %3 K).</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="666"/>
        <source>Newtonian</source>
        <translation>Newtoniano</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="668"/>
        <source>Power law</source>
        <translation>Ley de potencia</translation>
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
        <translation>El lote no tiene lecturas.</translation>
    </message>
    <message>
        <location filename="../analysis/Analysis.cpp" line="737"/>
        <source>No usable reading: %1 over scale, %2 low torque.</source>
        <translation>Ninguna lectura utilizable: %1 fuera de escala, %2 con par bajo.</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="120"/>
        <source>Readings: %1, used: %2 (left out: %3 over scale, %4 low torque%5; %6 without shear data)</source>
        <translation>Lecturas: %1, usadas: %2 (excluidas: %3 fuera de escala, %4 con par bajo%5; %6 sin datos de cizalla)</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="125"/>
        <source>, low torque included</source>
        <translation>, par bajo incluido</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="128"/>
        <source>Flow models</source>
        <translation>Modelos de flujo</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="133"/>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="133"/>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="133"/>
        <source>R²</source>
        <translation>R²</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="133"/>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="134"/>
        <source>AICc</source>
        <translation>AICc</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="168"/>
        <source>Best model (lowest AICc): %1</source>
        <translation>Mejor modelo (AICc más bajo): %1</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="173"/>
        <source>Flow index from speed</source>
        <translation>Índice de flujo a partir de la velocidad</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="176"/>
        <source>n = %1, K = %2 %3 (at 1 RPM), R² = %4, points: %5</source>
        <translation>n = %1, K = %2 %3 (a 1 RPM), R² = %4, puntos: %5</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="182"/>
        <location filename="../qc/Qc.cpp" line="203"/>
        <source>Thixotropic index</source>
        <translation>Índice tixotrópico</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="184"/>
        <source>%1 (%2 RPM / %3 RPM)</source>
        <translation>%1 (%2 RPM / %3 RPM)</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="190"/>
        <source>Temperature dependence (Arrhenius)</source>
        <translation>Dependencia de la temperatura (Arrhenius)</translation>
    </message>
    <message>
        <location filename="../analysis/AnalysisText.cpp" line="192"/>
        <source>Ea = %1 kJ/mol, ln A = %2, R² = %3, at %4 RPM, points: %5</source>
        <translation>Ea = %1 kJ/mol, ln A = %2, R² = %3, a %4 RPM, puntos: %5</translation>
    </message>
    <message>
        <location filename="../reports/ChartFlow.cpp" line="9"/>
        <source>Shear Rate (1/s)</source>
        <translation>Velocidad de cizalla (1/s)</translation>
    </message>
    <message>
        <location filename="../reports/ChartFlow.cpp" line="13"/>
        <source>Shear Stress (%1)</source>
        <translation>Esfuerzo cortante (%1)</translation>
    </message>
    <message>
        <location filename="../reports/ChartFlow.cpp" line="22"/>
        <location filename="../reports/PageItemReadings.cpp" line="121"/>
        <source>Readings</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="52"/>
        <source>Opening Page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="52"/>
        <source>Inner Page</source>
        <translation>Página interior</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="52"/>
        <source>Closing Page</source>
        <translation>Página final</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="56"/>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="56"/>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="65"/>
        <source>PageWidth</source>
        <translation>Ancho de página</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="67"/>
        <source>PageHeight</source>
        <translation>Alto de página</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="69"/>
        <source>PageType</source>
        <translation>Tipo de página</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="73"/>
        <source>PageOrientation</source>
        <translation>Orientación de página</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="76"/>
        <source>PaperSize</source>
        <translation>Tamaño de papel</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="155"/>
        <source>Cannot assign object to Page object</source>
        <translation>No se puede asignar el objeto a un objeto de página</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="245"/>
        <source>Invalid Page Orientation</source>
        <translation>Orientación de página no válida</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="455"/>
        <source>Too many items, please rename some.</source>
        <translation>Demasiados elementos; cambie el nombre de algunos.</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="563"/>
        <source>Example Batch</source>
        <translation>Lote de ejemplo</translation>
    </message>
    <message>
        <location filename="../reports/Page.cpp" line="564"/>
        <source>C:\Documents and Settings\ExampleUser\My Documents\My Gaugeline Data\</source>
        <translation>C:\Documents and Settings\ExampleUser\Mis documentos\Mis datos de Gaugeline\</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="22"/>
        <location filename="../reports/PageItem.cpp" line="41"/>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="22"/>
        <location filename="../reports/PageItem.cpp" line="42"/>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="22"/>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="22"/>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="43"/>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="44"/>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="46"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="47"/>
        <source>PageItem</source>
        <translation>ElementoPágina</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="54"/>
        <source>Item name already in use.</source>
        <translation>El nombre del elemento ya está en uso.</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="57"/>
        <source>Anchor</source>
        <translation>Anclaje</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="95"/>
        <location filename="../reports/PageItemChartFlow.cpp" line="13"/>
        <location filename="../reports/PageItemChartRun.cpp" line="19"/>
        <source>FontName</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="97"/>
        <source>FontSize</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="101"/>
        <source>FontColour</source>
        <translation>Color de fuente</translation>
    </message>
    <message>
        <location filename="../reports/PageItem.cpp" line="107"/>
        <source>Cannot assign object to %1</source>
        <translation>No se puede asignar el objeto a %1</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="15"/>
        <location filename="../reports/PageItemChartRun.cpp" line="22"/>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="16"/>
        <location filename="../reports/PageItemChartRun.cpp" line="23"/>
        <source>ShowLegend</source>
        <translation>Mostrar leyenda</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="17"/>
        <source>Logarithmic</source>
        <translation>Logarítmico</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="18"/>
        <source>IncludeLowTorque</source>
        <translation>Incluir par bajo</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartFlow.cpp" line="19"/>
        <source>ChartFlow</source>
        <translation>CurvaFlujo</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartRun.cpp" line="21"/>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartRun.cpp" line="24"/>
        <source>ReadingsPerPage</source>
        <translation>Lecturas por página</translation>
    </message>
    <message>
        <location filename="../reports/PageItemChartRun.cpp" line="27"/>
        <source>ChartRun</source>
        <translation>GráficoMedición</translation>
    </message>
    <message>
        <location filename="../reports/PageItemGraphic.cpp" line="39"/>
        <location filename="../reports/PageItemGraphic.cpp" line="46"/>
        <source>Graphic</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <location filename="../reports/PageItemGraphic.cpp" line="40"/>
        <source>AspectRatio</source>
        <translation>Relación de aspecto</translation>
    </message>
    <message>
        <location filename="../reports/PageItemGraphic.cpp" line="43"/>
        <location filename="../reports/PageItemMemo.cpp" line="264"/>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="104"/>
        <source>%1 (an earlier version)</source>
        <translation>%1 (una versión anterior)</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="122"/>
        <source>Top Left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="122"/>
        <source>Top Middle</source>
        <translation>Arriba en el centro</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="122"/>
        <source>Top Right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="123"/>
        <source>Middle Left</source>
        <translation>En medio a la izquierda</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="123"/>
        <source>Middle Middle</source>
        <translation>En el centro</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="123"/>
        <source>Middle Right</source>
        <translation>En medio a la derecha</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="124"/>
        <source>Bottom Left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="124"/>
        <source>Bottom Middle</source>
        <translation>Abajo en el centro</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="124"/>
        <source>Bottom Right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="142"/>
        <source>Data values only available on inner pages</source>
        <translation>Los valores de datos solo están disponibles en las páginas interiores</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="257"/>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="258"/>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="259"/>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="260"/>
        <source>Strikeout</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="261"/>
        <source>WordWrap</source>
        <translation>Ajuste de línea</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="262"/>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <location filename="../reports/PageItemMemo.cpp" line="268"/>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="117"/>
        <source>RowsPerPage</source>
        <translation>Filas por página</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="120"/>
        <source>ShowColumnHeader</source>
        <translation>Mostrar encabezado de columnas</translation>
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
        <translation>Fecha</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="160"/>
        <location filename="../export/BatchExport.cpp" line="115"/>
        <location filename="../export/BatchExport.cpp" line="123"/>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="161"/>
        <location filename="../export/BatchExport.cpp" line="124"/>
        <source>Viscosity</source>
        <translation>Viscosidad</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="163"/>
        <location filename="../export/BatchExport.cpp" line="126"/>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="166"/>
        <location filename="../export/BatchExport.cpp" line="128"/>
        <source>Shear Stress</source>
        <translation>Esfuerzo cortante</translation>
    </message>
    <message>
        <location filename="../reports/PageItemReadings.cpp" line="166"/>
        <location filename="../export/BatchExport.cpp" line="129"/>
        <source>Shear Rate</source>
        <translation>Velocidad de cizalla</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="12"/>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="12"/>
        <source>Horizontal Line</source>
        <translation>Línea horizontal</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="12"/>
        <source>Vertical Line</source>
        <translation>Línea vertical</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="16"/>
        <source>LineColour</source>
        <translation>Color de línea</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="17"/>
        <source>FillColour</source>
        <translation>Color de relleno</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="18"/>
        <source>LineStyle</source>
        <translation>Estilo de línea</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="19"/>
        <source>FillStyle</source>
        <translation>Estilo de relleno</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="20"/>
        <source>LineWidth</source>
        <translation>Grosor de línea</translation>
    </message>
    <message>
        <location filename="../reports/PageItemShape.cpp" line="21"/>
        <location filename="../reports/PageItemShape.cpp" line="24"/>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <location filename="../reports/PageItemTypes.cpp" line="59"/>
        <source>Class %1 not found</source>
        <translation>No se encontró la clase %1</translation>
    </message>
    <message>
        <location filename="../reports/Report.cpp" line="100"/>
        <source>The file &quot;%1&quot; is damaged and was read only in part.
%2
%3 page(s) were read.</source>
        <translation>El archivo &quot;%1&quot; está dañado y solo se leyó en parte.
%2
Se leyeron %3 página(s).</translation>
    </message>
    <message>
        <location filename="../storage/FileItem.cpp" line="121"/>
        <location filename="../storage/FileItem.cpp" line="129"/>
        <source>Cannot save file that is not loaded</source>
        <translation>No se puede guardar un archivo que no está cargado</translation>
    </message>
    <message>
        <location filename="../storage/FileItem.cpp" line="123"/>
        <source>Cannot save a batch without the record of its change</source>
        <translation>No se puede guardar un lote sin el registro de su cambio</translation>
    </message>
    <message>
        <location filename="../storage/FileItem.cpp" line="164"/>
        <source>Cannot assign object to File item</source>
        <translation>No se puede asignar el objeto a un elemento de archivo</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="116"/>
        <source>Copy of file and folders canceled</source>
        <translation>Se canceló la copia de archivos y carpetas</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="131"/>
        <source>Destination same as source folder</source>
        <translation>El destino es igual que la carpeta de origen</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="135"/>
        <source>The folder already contains a folder named &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
If the files in the existing folder have the same name as the files in the<byte value="xd"/>
folder you are moving or copying, they will be replaced.  Do you still<byte value="xd"/>
want to move or copy the folder?</source>
        <translation>La carpeta ya contiene una carpeta llamada &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Si los archivos de la carpeta existente tienen el mismo nombre que los archivos de la<byte value="xd"/>
carpeta que está moviendo o copiando, se reemplazarán. ¿Desea mover o copiar<byte value="xd"/>
la carpeta de todos modos?</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="143"/>
        <source>The folder already contains a file named &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Would you like to replace the existing file?</source>
        <translation>La carpeta ya contiene un archivo llamado &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
¿Desea reemplazar el archivo existente?</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="165"/>
        <source>Cannot read from the source file or disk</source>
        <translation>No se puede leer del archivo o disco de origen</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="181"/>
        <location filename="../storage/FileOperations.cpp" line="226"/>
        <location filename="../storage/StoragePaths.cpp" line="140"/>
        <location filename="../storage/StoragePaths.cpp" line="158"/>
        <location filename="../ui/FormMain.cpp" line="1273"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="279"/>
        <source>Unable to create directories</source>
        <translation>No se pueden crear los directorios</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="207"/>
        <source>Unable to copy file %1</source>
        <translation>No se puede copiar el archivo %1</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="244"/>
        <location filename="../storage/FileOperations.cpp" line="321"/>
        <source>Unable to delete directory %1</source>
        <translation>No se puede eliminar el directorio %1</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="261"/>
        <location filename="../storage/FileOperations.cpp" line="290"/>
        <location filename="../storage/FileOperations.cpp" line="302"/>
        <source>Unable to delete file %1</source>
        <translation>No se puede eliminar el archivo %1</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="284"/>
        <source>Unable to move file %1</source>
        <translation>No se puede mover el archivo %1</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="412"/>
        <source>Copy of %1</source>
        <translation>Copia de %1</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="416"/>
        <source>Copy (%1) of %2</source>
        <translation>Copia (%1) de %2</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="420"/>
        <source>Unable to copy, too many &quot;Copy of&quot; files</source>
        <translation>No se puede copiar: demasiados archivos &quot;Copia de&quot;</translation>
    </message>
    <message>
        <location filename="../storage/FileOperations.cpp" line="433"/>
        <source>Unable to create file/folder, too many default named items.</source>
        <translation>No se puede crear el archivo o la carpeta: demasiados elementos con el nombre predeterminado.</translation>
    </message>
    <message>
        <location filename="../storage/StoragePaths.cpp" line="44"/>
        <source>My ViscoMeter Data</source>
        <translation>Mis datos de ViscoMeter</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="44"/>
        <source>The QC limit set &quot;%1&quot; is damaged: %2</source>
        <translation>El conjunto de límites de CC &quot;%1&quot; está dañado: %2</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="100"/>
        <source>No usable reading at %1 RPM.</source>
        <translation>Ninguna lectura utilizable a %1 RPM.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="134"/>
        <source>The best flow model (%1) has no %2.</source>
        <translation>El mejor modelo de flujo (%1) no tiene %2.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="148"/>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="150"/>
        <source>at least %1</source>
        <translation>como mínimo %1</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="151"/>
        <source>at most %1</source>
        <translation>como máximo %1</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="191"/>
        <source>Viscosity at %1 RPM</source>
        <translation>Viscosidad a %1 RPM</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="193"/>
        <source>Temperature at %1 RPM</source>
        <translation>Temperatura a %1 RPM</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="195"/>
        <source>Flow index</source>
        <translation>Índice de flujo</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="197"/>
        <source>Yield stress</source>
        <translation>Esfuerzo umbral</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="199"/>
        <source>Consistency K</source>
        <translation>Consistencia K</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="201"/>
        <source>Flow model n</source>
        <translation>n del modelo de flujo</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="205"/>
        <source>Activation energy</source>
        <translation>Energía de activación</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="221"/>
        <source>kJ/mol</source>
        <translation>kJ/mol</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="257"/>
        <source>A criterion needs a lower limit, an upper limit or both.</source>
        <translation>Un criterio necesita un límite inferior, un límite superior o ambos.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="259"/>
        <source>A limit is not a number.</source>
        <translation>Un límite no es un número.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="261"/>
        <source>The lower limit is above the upper limit.</source>
        <translation>El límite inferior está por encima del límite superior.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="263"/>
        <source>The speed must be more than 0 RPM.</source>
        <translation>La velocidad debe ser mayor que 0 RPM.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="293"/>
        <location filename="../qc/Qc.cpp" line="359"/>
        <location filename="../qc/Qc.cpp" line="409"/>
        <source>&quot;%1&quot; is not a valid name.</source>
        <translation>&quot;%1&quot; no es un nombre válido.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="316"/>
        <source>it is not a QC limit set.</source>
        <translation>no es un conjunto de límites de CC.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="328"/>
        <source>criterion %1 measures &quot;%2&quot;.</source>
        <translation>el criterio %1 mide &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="332"/>
        <source>criterion %1 has no speed.</source>
        <translation>el criterio %1 no tiene velocidad.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="334"/>
        <source>a limit of criterion %1 is not a number.</source>
        <translation>un límite del criterio %1 no es un número.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="336"/>
        <source>criterion %1: %2</source>
        <translation>criterio %1: %2</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="351"/>
        <source>The QC limit set &quot;%1&quot; does not exist.</source>
        <translation>El conjunto de límites de CC &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="363"/>
        <source>A limit set with the name you specified already exists. Specify a different name.</source>
        <translation>Ya existe un conjunto de límites con el nombre indicado. Indique otro nombre.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="396"/>
        <source>The QC limit set assignment of the folder &quot;%1&quot; is damaged.</source>
        <translation>La asignación del conjunto de límites de CC de la carpeta &quot;%1&quot; está dañada.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="377"/>
        <location filename="../qc/Qc.cpp" line="405"/>
        <location filename="../automation/AutomationRegistration.cpp" line="96"/>
        <source>Cannot delete file &quot;%1&quot;.</source>
        <translation>No se puede eliminar el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="450"/>
        <source>PASS</source>
        <translation>CONFORME</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="452"/>
        <source>FAIL</source>
        <translation>NO CONFORME</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="454"/>
        <source>INCOMPLETE</source>
        <translation>INCOMPLETO</translation>
    </message>
    <message>
        <location filename="../qc/Qc.cpp" line="480"/>
        <source>The result is not a number.</source>
        <translation>El resultado no es un número.</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="95"/>
        <source>Header</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="96"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="97"/>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="98"/>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="99"/>
        <location filename="../export/BatchExport.cpp" line="113"/>
        <source>Identifier</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="100"/>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="101"/>
        <source>Model Type</source>
        <translation>Tipo de modelo</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="102"/>
        <source>Spindle Type</source>
        <translation>Tipo de husillo</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="109"/>
        <source>Processes</source>
        <translation>Procesos</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="110"/>
        <location filename="../export/BatchExport.cpp" line="117"/>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="113"/>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="114"/>
        <source>RPM Start</source>
        <translation>RPM inicial</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="114"/>
        <source>RPM End</source>
        <translation>RPM final</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="115"/>
        <source>Start Temp</source>
        <translation>Temp. inicial</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="116"/>
        <source>Temp Tend.</source>
        <translation>Tend. temp.</translation>
    </message>
    <message>
        <location filename="../export/BatchExport.cpp" line="116"/>
        <source>Start Delay</source>
        <translation>Retardo inicial</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="14"/>
        <source>Export to Excel</source>
        <translation>Exportar a Excel</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="16"/>
        <source>Excel Files (*.xls)|*.xls|All Files (*.*)|*.*</source>
        <translation>Archivos de Excel (*.xls)|*.xls|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="18"/>
        <source>Export to CSV</source>
        <translation>Exportar a CSV</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="20"/>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <translation>Archivos CSV (*.csv)|*.csv|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../export/ExportCommands.cpp" line="77"/>
        <source>Would you like to replace the existing file?</source>
        <translation>¿Desea reemplazar el archivo existente?</translation>
    </message>
    <message>
        <location filename="../services/BatchReport.cpp" line="22"/>
        <source>Report does not exist</source>
        <translation>El informe no existe</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="109"/>
        <location filename="../services/ReportJobs.cpp" line="143"/>
        <source>Cannot read the batch &quot;%1&quot;.</source>
        <translation>No se puede leer el lote &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="119"/>
        <source>Cannot read the report template &quot;%1&quot;.</source>
        <translation>No se puede leer la plantilla de informe &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="227"/>
        <location filename="../services/ReportJobs.cpp" line="487"/>
        <source>Page %1 has no size that can be written: it is %2 mm wide and %3 mm high.</source>
        <translation>La página %1 no tiene un tamaño que se pueda escribir: mide %2 mm de ancho y %3 mm de alto.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="318"/>
        <source>Cannot start the PDF document.</source>
        <translation>No se puede iniciar el documento PDF.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="346"/>
        <source>The PDF file &quot;%1&quot; was written, but could not be opened.</source>
        <translation>Se escribió el archivo PDF &quot;%1&quot;, pero no se pudo abrir.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="385"/>
        <source>Cannot write the JPEG file &quot;%1&quot;.</source>
        <translation>No se puede escribir el archivo JPEG &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../services/ReportJobs.cpp" line="387"/>
        <source>The JPEG encoder failed.</source>
        <translation>El codificador JPEG falló.</translation>
    </message>
    <message>
        <location filename="../services/ReportMail.cpp" line="12"/>
        <source>Please find attached a report on the following batches:</source>
        <translation>Adjunto encontrará un informe sobre los siguientes lotes:</translation>
    </message>
    <message>
        <location filename="../services/ReportMail.cpp" line="22"/>
        <location filename="../services/ReportMail.cpp" line="24"/>
        <location filename="../services/ReportMail.cpp" line="31"/>
        <location filename="../tools/cli/CmdReport.cpp" line="216"/>
        <location filename="../tools/cli/CmdReport.cpp" line="228"/>
        <source>Bramblex Report</source>
        <translation>Informe de Bramblex</translation>
    </message>
    <message>
        <location filename="../services/ReportMail.cpp" line="55"/>
        <source>MAPI Error %1: %2</source>
        <translation>Error de MAPI %1: %2</translation>
    </message>
    <message>
        <location filename="../services/ReportPrinting.cpp" line="109"/>
        <location filename="../tools/cli/CmdReport.cpp" line="261"/>
        <source>Page does not exist</source>
        <translation>La página no existe</translation>
    </message>
    <message>
        <location filename="../services/RunJournal.cpp" line="108"/>
        <source>&quot;%1&quot; is being measured by another run.</source>
        <translation>Otra medición está midiendo &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../services/RunJournal.cpp" line="112"/>
        <source>The readings of an interrupted run of &quot;%1&quot; have not been recovered yet. Select the batch to recover them before you start another run.</source>
        <translation>Las lecturas de una medición interrumpida de &quot;%1&quot; aún no se han recuperado. Seleccione el lote para recuperarlas antes de iniciar otra medición.</translation>
    </message>
    <message>
        <location filename="../services/RunJournal.cpp" line="237"/>
        <source>The journal &quot;%1&quot; is in use.</source>
        <translation>El diario &quot;%1&quot; está en uso.</translation>
    </message>
    <message>
        <location filename="../services/RunJournal.cpp" line="247"/>
        <source>The readings of the run stay in the journal &quot;%1&quot;.</source>
        <translation>Las lecturas de la medición permanecen en el diario &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="21"/>
        <source>Simulated ViscoMeter</source>
        <translation>ViscoMeter simulado</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="99"/>
        <source>Process %1: %2</source>
        <translation>Proceso %1: %2</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="137"/>
        <source>Invalid Communications Port</source>
        <translation>Puerto de comunicaciones no válido</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="226"/>
        <source>The readings cannot be written to the run journal &quot;%1&quot;. They are still collected and saved when the run ends.</source>
        <translation>Las lecturas no se pueden escribir en el diario de medición &quot;%1&quot;. Se siguen recogiendo y se guardan al terminar la medición.</translation>
    </message>
    <message>
        <location filename="../services/RunSession.cpp" line="248"/>
        <source>Saving the readings...</source>
        <translation>Guardando las lecturas...</translation>
    </message>
    <message>
        <location filename="../automation/AutomationRegistration.cpp" line="86"/>
        <source>Cannot create folder &quot;%1&quot;.</source>
        <translation>No se puede crear la carpeta &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../automation/AutomationService.cpp" line="174"/>
        <location filename="../tools/cli/CmdAutomation.cpp" line="91"/>
        <source>Cannot reach the session bus.</source>
        <translation>No se puede acceder al bus de sesión.</translation>
    </message>
    <message>
        <location filename="../automation/AutomationService.cpp" line="177"/>
        <source>Cannot offer the automation object on the session bus.</source>
        <translation>No se puede ofrecer el objeto de automatización en el bus de sesión.</translation>
    </message>
    <message>
        <location filename="../automation/AutomationService.cpp" line="272"/>
        <source>This automation object was released; call CreateInstance.</source>
        <translation>Este objeto de automatización se liberó; llame a CreateInstance.</translation>
    </message>
    <message>
        <location filename="../automation/AutomationService.cpp" line="273"/>
        <source>This automation object serves another client.</source>
        <translation>Este objeto de automatización atiende a otro cliente.</translation>
    </message>
    <message>
        <location filename="../automation/BramblexInterface.cpp" line="59"/>
        <location filename="../automation/BramblexInterface.cpp" line="66"/>
        <source>No batch is open</source>
        <translation>No hay ningún lote abierto</translation>
    </message>
    <message>
        <location filename="../automation/BramblexInterface.cpp" line="79"/>
        <source>Cannot copy the page to the clipboard.</source>
        <translation>No se puede copiar la página al portapapeles.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="786"/>
        <source>No program could open &quot;%1&quot;.</source>
        <translation>Ningún programa pudo abrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="858"/>
        <location filename="../ui/FormMain.cpp" line="967"/>
        <source>A folder with the name you specified already exists. Specify a different name.</source>
        <translation>Ya existe una carpeta con el nombre indicado. Indique otro nombre.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="862"/>
        <location filename="../ui/FormLocal.cpp" line="866"/>
        <source>A file with the name you specified already exists. Specify a different name.</source>
        <translation>Ya existe un archivo con el nombre indicado. Indique otro nombre.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="869"/>
        <source>Cannot rename unknown file type.</source>
        <translation>No se puede cambiar el nombre de un tipo de archivo desconocido.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="874"/>
        <location filename="../ui/FormMain.cpp" line="963"/>
        <source>The name you specified is not valid. Specify a different name.</source>
        <translation>El nombre indicado no es válido. Indique otro nombre.</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="891"/>
        <location filename="../ui/FormMain.cpp" line="983"/>
        <source>Unable to rename &quot;%1&quot;</source>
        <translation>No se puede cambiar el nombre de &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1069"/>
        <source>COM Server Warning</source>
        <translation>Advertencia del servidor de automatización</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1070"/>
        <source>There are still active COM objects in this application.  One or more clients may have references to these objects, so manually closing </source>
        <translation>Aún hay objetos de automatización activos en esta aplicación. Uno o varios clientes pueden tener referencias a estos objetos, por lo que cerrar manualmente </translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1072"/>
        <source>this application may cause those client application(s) to fail.<byte value="xd"/>
<byte value="xd"/>
Are you sure you want to close this application?</source>
        <translation>esta aplicación puede hacer que fallen esas aplicaciones cliente.<byte value="xd"/>
<byte value="xd"/>
¿Está seguro de que desea cerrar esta aplicación?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1189"/>
        <source>The user guide &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo abrir la guía del usuario &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1229"/>
        <source>Select the directory in which to store application data</source>
        <translation>Seleccione el directorio en el que guardar los datos de la aplicación</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1271"/>
        <source>New Folder</source>
        <translation>Carpeta nueva</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1298"/>
        <source>New Batch</source>
        <translation>Lote nuevo</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1322"/>
        <location filename="../ui/FormMain.cpp" line="1340"/>
        <source>Are you sure you want to remove the folder named &apos;%1&apos; and all its contents?</source>
        <translation>¿Está seguro de que desea eliminar la carpeta &apos;%1&apos; y todo su contenido?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1343"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>¿Está seguro de que desea eliminar &apos;%1&apos;?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1347"/>
        <source>Are you sure you want to delete these %1 items?</source>
        <translation>¿Está seguro de que desea eliminar estos %1 elementos?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1399"/>
        <source>All collected data will be lost, are you sure?</source>
        <translation>Se perderán todos los datos recogidos. ¿Está seguro?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1490"/>
        <source>No run was started: save a repaired copy and run that one.</source>
        <translation>No se inició ninguna medición: guarde una copia reparada y mida con ella.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1557"/>
        <source>The readings of the run could not be saved in &quot;%1&quot;.
%2
Choose another file to save the batch in.</source>
        <translation>Las lecturas de la medición no se pudieron guardar en &quot;%1&quot;.
%2
Elija otro archivo en el que guardar el lote.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1561"/>
        <source>Save Batch As</source>
        <translation>Guardar lote como</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1564"/>
        <location filename="../ui/FormMain.cpp" line="1623"/>
        <source>Batch Files (*.epb);;All Files (*)</source>
        <translation>Archivos de lote (*.epb);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1567"/>
        <source>The readings of the run are kept in &quot;%1&quot;. Bramblex offers to recover them into the batch when it is selected again.</source>
        <translation>Las lecturas de la medición se conservan en &quot;%1&quot;. Bramblex ofrecerá recuperarlas en el lote cuando vuelva a seleccionarlo.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1616"/>
        <source>Bramblex does not save over this file. Save a repaired copy of what was read under another name?</source>
        <translation>Bramblex no sobrescribe este archivo. ¿Guardar con otro nombre una copia reparada de lo que se leyó?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1620"/>
        <source>Save Repaired Copy</source>
        <translation>Guardar copia reparada</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1622"/>
        <source>%1 (repaired)</source>
        <translation>%1 (reparado)</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1634"/>
        <source>Repaired copy of the part of &quot;%1&quot; that could be read</source>
        <translation>Copia reparada de la parte de &quot;%1&quot; que se pudo leer</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1672"/>
        <source>A run of the batch &quot;%1&quot; ended without saving %2 reading(s). Recover them into the batch now?</source>
        <translation>Una medición del lote &quot;%1&quot; terminó sin guardar %2 lectura(s). ¿Recuperarlas ahora en el lote?</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1682"/>
        <source>%1 reading(s) were recovered into &quot;%2&quot;.</source>
        <translation>Se recuperaron %1 lectura(s) en &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="338"/>
        <source>A ViscoMeter model must be selected</source>
        <translation>Debe seleccionarse un modelo de ViscoMeter</translation>
    </message>
    <message>
        <location filename="../app/Main.cpp" line="69"/>
        <source>Korvane Bramblex</source>
        <translation>Korvane Bramblex</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAnalyze.cpp" line="21"/>
        <source>usage: bramblex-cli analyze BATCH.epb [--include-low-torque] [--json]</source>
        <translation>uso: bramblex-cli analyze LOTE.epb [--include-low-torque] [--json]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAnalyze.cpp" line="30"/>
        <source>The batch &quot;%1&quot; cannot be analysed: %2</source>
        <translation>El lote &quot;%1&quot; no se puede analizar: %2</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAnalyze.cpp" line="47"/>
        <source>flow models, flow index, thixotropic index and temperature dependence of a batch</source>
        <translation>modelos de flujo, índice de flujo, índice tixotrópico y dependencia de la temperatura de un lote</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="31"/>
        <source>render-page: --dpi takes a whole number from 1 to 2400</source>
        <translation>render-page: --dpi admite un número entero de 1 a 2400</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="40"/>
        <source>usage: bramblex-cli render-page TEMPLATE.epr INDEX OUT.png [--batch BATCH.epb] [--dpi N]</source>
        <translation>uso: bramblex-cli render-page PLANTILLA.epr ÍNDICE SALIDA.png [--batch LOTE.epb] [--dpi N]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="49"/>
        <source>render-page: the report has %1 pages; INDEX counts from 0</source>
        <translation>render-page: el informe tiene %1 páginas; ÍNDICE cuenta desde 0</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="63"/>
        <source>render-page: a page of %1 x %2 pixels cannot be drawn</source>
        <translation>render-page: no se puede dibujar una página de %1 x %2 píxeles</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="84"/>
        <source>Cannot encode the page as PNG</source>
        <translation>No se puede codificar la página como PNG</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRenderPage.cpp" line="91"/>
        <source>draw page INDEX (from 0) of a report template into a PNG, inner pages bound to the batch</source>
        <translation>dibuja la página ÍNDICE (desde 0) de una plantilla de informe en un PNG, con las páginas interiores ligadas al lote</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="62"/>
        <source>report: %1</source>
        <translation>report: %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="63"/>
        <source>usage: bramblex-cli report %1</source>
        <translation>uso: bramblex-cli report %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="174"/>
        <source>Cannot encode the picture &quot;%1&quot; as PNG.</source>
        <translation>No se puede codificar la imagen &quot;%1&quot; como PNG.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="249"/>
        <source>No mail program is set up: install xdg-utils and choose a program for e-mail.</source>
        <translation>No hay ningún programa de correo configurado: instale xdg-utils y elija un programa de correo electrónico.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdReport.cpp" line="278"/>
        <source>composes report templates with batches as the report preview does and writes PDF, JPEG, a print job, thumbnails, an SVG page, the page count or a mail</source>
        <translation>compone plantillas de informe con lotes como la vista previa del informe y escribe PDF, JPEG, un trabajo de impresión, miniaturas, una página SVG, el número de páginas o un correo</translation>
    </message>
    <message>
        <location filename="../tools/cli/CliCommand.cpp" line="23"/>
        <source>warning: </source>
        <translation>advertencia: </translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="31"/>
        <source>usage: bramblex-cli audit show BATCH [--json]</source>
        <translation>uso: bramblex-cli audit show LOTE [--json]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="36"/>
        <location filename="../tools/cli/CmdAudit.cpp" line="166"/>
        <source>%1: no such batch</source>
        <translation>%1: no existe ese lote</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="82"/>
        <source>usage: bramblex-cli audit verify PATH...</source>
        <translation>uso: bramblex-cli audit verify RUTA...</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="88"/>
        <location filename="../tools/cli/CmdQc.cpp" line="149"/>
        <source>%1: no such file or folder</source>
        <translation>%1: no existe ese archivo ni esa carpeta</translation>
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
        <translation>uso: bramblex-cli audit show LOTE [--json] | audit verify RUTA...</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="160"/>
        <source>usage: bramblex-cli sign BATCH --meaning performed|reviewed|approved [--comment TEXT] [--password-stdin]</source>
        <translation>uso: bramblex-cli sign LOTE --meaning performed|reviewed|approved [--comment TEXTO] [--password-stdin]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="185"/>
        <source>the audit trail of a batch; whether batches (folders searched through) are as last recorded</source>
        <translation>el registro de auditoría de un lote; si los lotes (se recorren las carpetas) están como se registraron por última vez</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAudit.cpp" line="191"/>
        <source>signs a batch electronically after checking the user&apos;s password</source>
        <translation>firma un lote electrónicamente tras comprobar la contraseña del usuario</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAutomation.cpp" line="41"/>
        <source>automation: %1</source>
        <translation>automation: %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAutomation.cpp" line="42"/>
        <source>usage: bramblex-cli automation %1</source>
        <translation>uso: bramblex-cli automation %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAutomation.cpp" line="80"/>
        <source>%1 failed (%2):</source>
        <translation>%1 falló (%2):</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdAutomation.cpp" line="127"/>
        <source>calls the automation service of a program the session bus starts, and prints the results</source>
        <translation>llama al servicio de automatización de un programa que inicia el bus de sesión e imprime los resultados</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdPorts.cpp" line="11"/>
        <source>usage: bramblex-cli ports</source>
        <translation>uso: bramblex-cli ports</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdPorts.cpp" line="18"/>
        <source>No serial ports found.</source>
        <translation>No se encontró ningún puerto serie.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdPorts.cpp" line="23"/>
        <source>lists the serial ports with the device each entry opens</source>
        <translation>enumera los puertos serie con el dispositivo que abre cada entrada</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="57"/>
        <source>bramblex-cli qc define: unknown option %1</source>
        <translation>bramblex-cli qc define: opción desconocida %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="63"/>
        <source>bramblex-cli qc define: %1 needs %2 values</source>
        <translation>bramblex-cli qc define: %1 necesita %2 valores</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="72"/>
        <source>bramblex-cli qc define: %1: not a speed: %2</source>
        <translation>bramblex-cli qc define: %1: no es una velocidad: %2</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="79"/>
        <source>bramblex-cli qc define: %1: a limit is neither a number nor &quot;-&quot;</source>
        <translation>bramblex-cli qc define: %1: un límite no es ni un número ni &quot;-&quot;</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="83"/>
        <source>bramblex-cli qc define: %1: %2</source>
        <translation>bramblex-cli qc define: %1: %2</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="90"/>
        <source>bramblex-cli qc define: a limit set needs at least one criterion</source>
        <translation>bramblex-cli qc define: un conjunto de límites necesita al menos un criterio</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="103"/>
        <source>usage: bramblex-cli qc assign FOLDER NAME | qc assign FOLDER --none</source>
        <translation>uso: bramblex-cli qc assign CARPETA NOMBRE | qc assign CARPETA --none</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="108"/>
        <source>bramblex-cli qc assign: not a folder: %1</source>
        <translation>bramblex-cli qc assign: no es una carpeta: %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="140"/>
        <source>usage: bramblex-cli qc check PATH... [--json]</source>
        <translation>uso: bramblex-cli qc check RUTA... [--json]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="181"/>
        <source>bramblex-cli qc check: no batch found</source>
        <translation>bramblex-cli qc check: no se encontró ningún lote</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="195"/>
        <source>usage: bramblex-cli qc define NAME CRITERIA... | qc assign FOLDER NAME|--none | qc check PATH... [--json]</source>
        <translation>uso: bramblex-cli qc define NOMBRE CRITERIOS... | qc assign CARPETA NOMBRE|--none | qc check RUTA... [--json]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdQc.cpp" line="205"/>
        <source>QC limit sets: define one (limits in mPas, °C, kJ/mol; &quot;-&quot; for an open limit), assign it to a folder, check batches (exit 0 all pass, 1 any fails, 2 otherwise)</source>
        <translation>conjuntos de límites de CC: defina uno (límites en mPas, °C, kJ/mol; &quot;-&quot; para un límite abierto), asígnelo a una carpeta, compruebe lotes (sale con 0 si todos son conformes, 1 si alguno no lo es, 2 en otro caso)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSeedDemo.cpp" line="121"/>
        <source>usage: bramblex-cli seed-demo   (the tree of BRAMBLEX_STORAGE_ROOT)</source>
        <translation>uso: bramblex-cli seed-demo   (el árbol de BRAMBLEX_STORAGE_ROOT)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSeedDemo.cpp" line="220"/>
        <source>fills the storage tree (BRAMBLEX_STORAGE_ROOT) with demo folders and batches and chooses the simulated viscometer</source>
        <translation>llena el árbol de almacenamiento (BRAMBLEX_STORAGE_ROOT) con carpetas y lotes de demostración y elige el viscosímetro simulado</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="77"/>
        <source>%1 needs a value.</source>
        <translation>%1 necesita un valor.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="107"/>
        <source>Unknown option %1.</source>
        <translation>Opción desconocida %1.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="130"/>
        <source>Simulating %1; Ctrl+C stops.</source>
        <translation>Simulando %1; Ctrl+C lo detiene.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="142"/>
        <source>The simulated instrument hung up.</source>
        <translation>El instrumento simulado colgó.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdSimulate.cpp" line="157"/>
        <source>runs a simulated viscometer on a pseudo-terminal and prints its device (faults: none, silence, half-reply, garbage, wrong-model, hangup; fluids: a shear-thinning paint, a Newtonian gear oil, both thinner when warm, a paste with a yield stress)</source>
        <translation>ejecuta un viscosímetro simulado en un pseudoterminal e imprime su dispositivo (fallos: none, silence, half-reply, garbage, wrong-model, hangup; fluidos: una pintura pseudoplástica, un aceite de engranajes newtoniano, ambos más fluidos en caliente, una pasta con esfuerzo umbral)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="34"/>
        <source>usage: bramblex-cli ls FOLDER</source>
        <translation>uso: bramblex-cli ls CARPETA</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="39"/>
        <source>bramblex-cli ls: not a folder: %1</source>
        <translation>bramblex-cli ls: no es una carpeta: %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="67"/>
        <source>usage: bramblex-cli storage</source>
        <translation>uso: bramblex-cli storage</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="86"/>
        <source>list a folder as the folder list does, through and updating its cache.epc</source>
        <translation>enumera una carpeta como la lista de carpetas, a través de su cache.epc y actualizándolo</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdStorage.cpp" line="91"/>
        <source>prepare the storage tree as the program does at start, then print its root, four folders and template tree</source>
        <translation>prepara el árbol de almacenamiento como lo hace el programa al iniciarse y luego imprime su raíz, cuatro carpetas y el árbol de plantillas</translation>
    </message>
    <message>
        <location filename="../tools/cli/Main.cpp" line="17"/>
        <source>usage: bramblex-cli COMMAND [ARGS]

commands:</source>
        <translation>uso: bramblex-cli ORDEN [ARGUMENTOS]

órdenes:</translation>
    </message>
    <message>
        <location filename="../tools/cli/Main.cpp" line="54"/>
        <source>bramblex-cli: unknown command &apos;%1&apos;</source>
        <translation>bramblex-cli: orden desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="30"/>
        <source>%1: --settings needs a file</source>
        <translation>%1: --settings necesita un archivo</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="37"/>
        <source>usage: bramblex-cli %1 BATCH.epb OUT [--settings FILE]</source>
        <translation>uso: bramblex-cli %1 LOTE.epb SALIDA [--settings ARCHIVO]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="76"/>
        <source>writes a batch as the CSV export (display units from the settings file)</source>
        <translation>escribe un lote como la exportación CSV (unidades de visualización del archivo de configuración)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="80"/>
        <source>writes a batch as the Excel worksheet export (display units from the settings file)</source>
        <translation>escribe un lote como la exportación a hoja de Excel (unidades de visualización del archivo de configuración)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdExport.cpp" line="85"/>
        <source>writes the whole batch as JSON (base units, readings with % full scale and over scale, its analysis, its QC verdict)</source>
        <translation>escribe el lote completo como JSON (unidades base, lecturas con % del fondo de escala y fuera de escala, su análisis, su resultado de CC)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="88"/>
        <source>Viscosity Report</source>
        <translation>Informe de viscosidad</translation>
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
        <translation>Lote:<byte value="xd"/>
Empresa:<byte value="xd"/>
Operador:<byte value="xd"/>
Modelo:<byte value="xd"/>
Husillo:<byte value="xd"/>
Identificador:<byte value="xd"/>
Nota:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="146"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="227"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="274"/>
        <source>Page [PageNumber]</source>
        <translation>Página [PageNumber]</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="155"/>
        <source>Name and signature</source>
        <translation>Nombre y firma</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="166"/>
        <source>The measurements in this report were taken and checked as recorded.</source>
        <translation>Las mediciones de este informe se realizaron y comprobaron tal como se registraron.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="168"/>
        <source>Tested by</source>
        <translation>Ensayado por</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="169"/>
        <source>Approved by</source>
        <translation>Aprobado por</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="171"/>
        <source>Remarks</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="189"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="334"/>
        <source>Flow Analysis</source>
        <translation>Análisis de flujo</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="193"/>
        <source>Batch:<byte value="xd"/>
Company:<byte value="xd"/>
Operator:<byte value="xd"/>
Model:<byte value="xd"/>
Spindle:</source>
        <translation>Lote:<byte value="xd"/>
Empresa:<byte value="xd"/>
Operador:<byte value="xd"/>
Modelo:<byte value="xd"/>
Husillo:</translation>
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
        <translation>Mejor modelo de flujo:<byte value="xd"/>
Parámetros:<byte value="xd"/>
R²:<byte value="xd"/>
Índice de flujo n (por velocidad):<byte value="xd"/>
Índice tixotrópico:<byte value="xd"/>
Energía de activación (kJ/mol):<byte value="xd"/>
Conjunto de límites de CC:<byte value="xd"/>
Resultado de CC:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="234"/>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="340"/>
        <source>QC Certificate</source>
        <translation>Certificado de CC</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="238"/>
        <source>Batch:<byte value="xd"/>
Company:<byte value="xd"/>
Operator:<byte value="xd"/>
Model:<byte value="xd"/>
Spindle:<byte value="xd"/>
Identifier:</source>
        <translation>Lote:<byte value="xd"/>
Empresa:<byte value="xd"/>
Operador:<byte value="xd"/>
Modelo:<byte value="xd"/>
Husillo:<byte value="xd"/>
Identificador:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="247"/>
        <source>Limit set:</source>
        <translation>Conjunto de límites:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="252"/>
        <source>Result:</source>
        <translation>Resultado:</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="259"/>
        <source>Criterion: measured (limits): verdict</source>
        <translation>Criterio: medido (límites): resultado</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="266"/>
        <source>Checked by: ______________________    Date: ____________<byte value="xd"/>
<byte value="xd"/>
Released by: _____________________    Date: ____________</source>
        <translation>Comprobado por: ____________________    Fecha: ____________<byte value="xd"/>
<byte value="xd"/>
Liberado por: ______________________    Fecha: ____________</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="298"/>
        <source>usage: bramblex-cli make-templates [--translation FILE.qm [--tree]] OUTDIR</source>
        <translation>uso: bramblex-cli make-templates [--translation ARCHIVO.qm [--tree]] CARPETA_SALIDA</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="309"/>
        <source>It holds no translation.</source>
        <translation>No contiene ninguna traducción.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="325"/>
        <source>Standard Report</source>
        <translation>Informe estándar</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdMakeTemplates.cpp" line="348"/>
        <source>write the shipped report templates into OUTDIR/Reports and OUTDIR/Settings</source>
        <translation>escribe las plantillas de informe incluidas en CARPETA_SALIDA/Reports y CARPETA_SALIDA/Settings</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRecover.cpp" line="19"/>
        <source>usage: bramblex-cli recover [--reason TEXT] BATCH.epb</source>
        <translation>uso: bramblex-cli recover [--reason TEXTO] LOTE.epb</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRecover.cpp" line="38"/>
        <source>takes the readings a run left in its journal (a crash, a killed program) into the batch</source>
        <translation>incorpora al lote las lecturas que una medición dejó en su diario (un fallo, un programa interrumpido)</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdResave.cpp" line="115"/>
        <source>usage: bramblex-cli resave [--reason TEXT] IN OUT</source>
        <translation>uso: bramblex-cli resave [--reason TEXTO] ENTRADA SALIDA</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdResave.cpp" line="120"/>
        <source>resave: &quot;%1&quot; is not a batch, settings or report file</source>
        <translation>resave: &quot;%1&quot; no es un archivo de lote, de configuración ni de informe</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdResave.cpp" line="124"/>
        <source>resave: %1 files are not supported yet</source>
        <translation>resave: los archivos %1 aún no se admiten</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdResave.cpp" line="143"/>
        <source>load a batch (.epb), report (.epr) or settings file through its document class and write it to OUT</source>
        <translation>carga un lote (.epb), un informe (.epr) o un archivo de configuración mediante su clase de documento y lo escribe en SALIDA</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="77"/>
        <source>usage: bramblex-cli run --port DEVICE|NUMBER|simulated [--manual [--count N]] [--trace] [--reason TEXT] BATCH.epb</source>
        <translation>uso: bramblex-cli run --port DISPOSITIVO|NÚMERO|simulated [--manual [--count N]] [--trace] [--reason TEXTO] LOTE.epb</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="100"/>
        <source>--count needs a whole number above 0.</source>
        <translation>--count necesita un número entero mayor que 0.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="119"/>
        <source>run: the damaged batch is left as it is; no run was started.</source>
        <translation>run: el lote dañado se deja como está; no se inició ninguna medición.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="176"/>
        <source>The %1 reading(s) of this run are kept in %2; the program offers to recover them into the batch when it next starts.</source>
        <translation>Las %1 lectura(s) de esta medición se conservan en %2; el programa ofrecerá recuperarlas en el lote la próxima vez que se inicie.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="190"/>
        <source>The run was stopped before it finished.</source>
        <translation>La medición se detuvo antes de terminar.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CmdRun.cpp" line="198"/>
        <source>run the batch&apos;s processes on the viscometer (or collect manual readings) and save the readings</source>
        <translation>ejecuta los procesos del lote en el viscosímetro (o recoge lecturas manuales) y guarda las lecturas</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <location filename="../ui/DialogService.cpp" line="107"/>
        <source>Reason for the Change</source>
        <translation>Motivo del cambio</translation>
    </message>
    <message>
        <location filename="../ui/DialogService.cpp" line="108"/>
        <source>&quot;%1&quot; is signed. Why is it changed?</source>
        <translation>&quot;%1&quot; está firmado. ¿Por qué se modifica?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="25"/>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="25"/>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="25"/>
        <source>Full Name</source>
        <translation>Nombre completo</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="25"/>
        <source>Host</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="26"/>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="26"/>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="26"/>
        <source>Reason</source>
        <translation>Motivo</translation>
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
        <translation>Este lote se modificó fuera de Bramblex después del último cambio registrado (%1).</translation>
    </message>
    <message>
        <location filename="../ui/AuditStatusLine.cpp" line="28"/>
        <source>The audit trail of this batch is broken at record %1.</source>
        <translation>El registro de auditoría de este lote está roto en la entrada %1.</translation>
    </message>
    <message>
        <location filename="../ui/AuditStatusLine.cpp" line="31"/>
        <source>%1 (an earlier version)</source>
        <translation>%1 (una versión anterior)</translation>
    </message>
</context>
<context>
    <name>TChartMeasurements</name>
    <message>
        <location filename="../charts/MeasurementsChart.cpp" line="33"/>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
</context>
<context>
    <name>TFormAnchor</name>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="13"/>
        <location filename="../ui/FormAnchor.cpp" line="14"/>
        <source>Anchor</source>
        <translation>Anclaje</translation>
    </message>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="26"/>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="27"/>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="28"/>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <location filename="../ui/FormAnchor.cpp" line="29"/>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
</context>
<context>
    <name>TFormAuditTrail</name>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="52"/>
        <source>Audit Trail of %1</source>
        <translation>Registro de auditoría de %1</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="62"/>
        <source>Audit records</source>
        <translation>Entradas de auditoría</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="71"/>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="73"/>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="74"/>
        <source>Export PDF...</source>
        <translation>Exportar PDF...</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="76"/>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="77"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="89"/>
        <source>Intact. The last recorded change did not reach the file (the program was stopped while saving); the batch is as the record before it says.</source>
        <translation>Íntegro. El último cambio registrado no llegó al archivo (el programa se detuvo mientras guardaba); el lote está como indica la entrada anterior.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="91"/>
        <source>Intact: every record is in place and the batch is as last recorded.</source>
        <translation>Íntegro: todas las entradas están en su lugar y el lote está como se registró por última vez.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="93"/>
        <source>No audit trail: Bramblex has recorded no change to this batch.</source>
        <translation>Sin registro de auditoría: Bramblex no ha registrado ningún cambio en este lote.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="95"/>
        <source>Changed outside Bramblex after the last recorded change (%1).</source>
        <translation>Modificado fuera de Bramblex después del último cambio registrado (%1).</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="98"/>
        <source>The trail is broken at record %1: a record was changed or removed.</source>
        <translation>El registro está roto en la entrada %1: se modificó o eliminó una entrada.</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="180"/>
        <source> audit trail</source>
        <translation> registro de auditoría</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="182"/>
        <source>Export Audit Trail as PDF</source>
        <translation>Exportar el registro de auditoría como PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="182"/>
        <source>Export Audit Trail as CSV</source>
        <translation>Exportar el registro de auditoría como CSV</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="184"/>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Archivos PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../ui/FormAuditTrail.cpp" line="184"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>TFormLocal</name>
    <message>
        <location filename="../ui/FormLocal.cpp" line="91"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="91"/>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="125"/>
        <source>QC: %1</source>
        <translation>CC: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="382"/>
        <source>Folder contents</source>
        <translation>Contenido de la carpeta</translation>
    </message>
    <message>
        <location filename="../ui/FormLocal.cpp" line="397"/>
        <source>Columns</source>
        <translation>Columnas</translation>
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
        <translation>Lista de carpetas</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="251"/>
        <source>Selected folder</source>
        <translation>Carpeta seleccionada</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="499"/>
        <source>Bramblex Help</source>
        <translation>Ayuda de Bramblex</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="500"/>
        <location filename="../ui/FormMain.cpp" line="1195"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="501"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="503"/>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="504"/>
        <source>Change Storage Directory</source>
        <translation>Cambiar el directorio de almacenamiento</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="507"/>
        <location filename="../ui/FormMain.cpp" line="597"/>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="508"/>
        <source>New Folder</source>
        <translation>Carpeta nueva</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="510"/>
        <source>New Batch</source>
        <translation>Lote nuevo</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="512"/>
        <location filename="../ui/FormMain.cpp" line="551"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="515"/>
        <location filename="../ui/FormMain.cpp" line="552"/>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="517"/>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="520"/>
        <location filename="../ui/FormMain.cpp" line="554"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="523"/>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="526"/>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="528"/>
        <location filename="../ui/FormMain.cpp" line="576"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="530"/>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="532"/>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="535"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="537"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="539"/>
        <source>Audit Trail</source>
        <translation>Registro de auditoría</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="540"/>
        <source>Sign...</source>
        <translation>Firmar...</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="542"/>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="543"/>
        <source>QC Limit Sets</source>
        <translation>Conjuntos de límites de CC</translation>
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
        <translation>Informe nuevo</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="606"/>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="611"/>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="615"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="623"/>
        <source>Tool Bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="797"/>
        <source>Reports</source>
        <translation>Informes</translation>
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
        <translation>&lt;h3&gt;Korvane Bramblex&lt;/h3&gt;&lt;p&gt;Versión %1&lt;/p&gt;&lt;p&gt;Ejecuta programas de medición en viscosímetros rotacionales Korvane 4150, conserva las lecturas de cada lote y elabora informes, los imprime y los exporta.&lt;/p&gt;&lt;p&gt;Carpeta de almacenamiento: %2&lt;/p&gt;&lt;p&gt;Bramblex es software libre: puede redistribuirlo o modificarlo según los términos de la Licencia Pública General de GNU publicada por la Free Software Foundation, ya sea la versión 3 de la Licencia o (a su elección) cualquier versión posterior (GPL-3.0-or-later). Se distribuye SIN NINGUNA GARANTÍA. Consulte &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;https://www.gnu.org/licenses/gpl-3.0.html&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1707"/>
        <source>The file &quot;%1&quot; was not found.</source>
        <translation>No se encontró el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1721"/>
        <source>The report &quot;%1&quot; is not one of the reports of the storage folder &quot;%2&quot;, so Bramblex cannot open it. Copy it into the storage folder&apos;s Reports folder first.</source>
        <translation>El informe &quot;%1&quot; no es uno de los informes de la carpeta de almacenamiento &quot;%2&quot;, por lo que Bramblex no puede abrirlo. Cópielo primero en la carpeta Reports de la carpeta de almacenamiento.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1731"/>
        <source>The file &quot;%1&quot; lies outside the storage folder &quot;%2&quot;, so Bramblex cannot open it. Copy it into a folder below Local first.</source>
        <translation>El archivo &quot;%1&quot; está fuera de la carpeta de almacenamiento &quot;%2&quot;, por lo que Bramblex no puede abrirlo. Cópielo primero en una carpeta dentro de Local.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1735"/>
        <source>The file &quot;%1&quot; is not in a Local folder of the storage folder &quot;%2&quot;, so Bramblex cannot open it. Copy it into a folder below Local first.</source>
        <translation>El archivo &quot;%1&quot; no está en una carpeta Local de la carpeta de almacenamiento &quot;%2&quot;, por lo que Bramblex no puede abrirlo. Cópielo primero en una carpeta dentro de Local.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1758"/>
        <source>The file &quot;%1&quot; is not a report that can be read.</source>
        <translation>El archivo &quot;%1&quot; no es un informe legible.</translation>
    </message>
    <message>
        <location filename="../ui/FormMain.cpp" line="1766"/>
        <source>The file &quot;%1&quot; is not shown in its folder&apos;s list.</source>
        <translation>El archivo &quot;%1&quot; no aparece en la lista de su carpeta.</translation>
    </message>
</context>
<context>
    <name>TFormMemoEditor</name>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="17"/>
        <source>Batch ID</source>
        <translation>ID del lote</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="18"/>
        <source>File Path</source>
        <translation>Ruta del archivo</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="19"/>
        <source>Todays Date</source>
        <translation>Fecha de hoy</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="20"/>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="21"/>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="22"/>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="23"/>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="24"/>
        <source>Spindle</source>
        <translation>Husillo</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="25"/>
        <source>Identifier</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="26"/>
        <source>Page No.</source>
        <translation>N.º de página</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="27"/>
        <source>Flow Model</source>
        <translation>Modelo de flujo</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="28"/>
        <source>Flow Model Parameters</source>
        <translation>Parámetros del modelo de flujo</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="29"/>
        <source>Flow Model R²</source>
        <translation>R² del modelo de flujo</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="30"/>
        <source>Flow Index</source>
        <translation>Índice de flujo</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="31"/>
        <source>Thixotropic Index</source>
        <translation>Índice tixotrópico</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="32"/>
        <source>Activation Energy</source>
        <translation>Energía de activación</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="33"/>
        <source>QC Result</source>
        <translation>Resultado de CC</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="34"/>
        <source>QC Limit Set</source>
        <translation>Conjunto de límites de CC</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="35"/>
        <source>QC Details</source>
        <translation>Detalles de CC</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="42"/>
        <location filename="../ui/FormMemoEditor.cpp" line="43"/>
        <source>Text Editor</source>
        <translation>Editor de texto</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="48"/>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <location filename="../ui/FormMemoEditor.cpp" line="80"/>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>TFormPageDesign</name>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="47"/>
        <location filename="../ui/FormPageDesign.cpp" line="48"/>
        <source>Page Design</source>
        <translation>Diseño de página</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="86"/>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="101"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="101"/>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="104"/>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="104"/>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="132"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="135"/>
        <source>Save and E&amp;xit</source>
        <translation>Guardar y &amp;salir</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="137"/>
        <source>&amp;Abandon and Exit</source>
        <translation>&amp;Descartar y salir</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="140"/>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="143"/>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="146"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="149"/>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="153"/>
        <source>&amp;Grid</source>
        <translation>C&amp;uadrícula</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="156"/>
        <source>S&amp;nap</source>
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="160"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="164"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="170"/>
        <source>Bring to &amp;Front</source>
        <translation>Traer al &amp;frente</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="173"/>
        <source>Send to &amp;Back</source>
        <translation>Enviar al f&amp;ondo</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="182"/>
        <source>Align &amp;Left Edges</source>
        <translation>Alinear bordes &amp;izquierdos</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="183"/>
        <source>Align &amp;Right Edges</source>
        <translation>Alinear bordes &amp;derechos</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="184"/>
        <source>Align &amp;Top Edges</source>
        <translation>Alinear bordes s&amp;uperiores</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="185"/>
        <source>Align &amp;Bottom Edges</source>
        <translation>Alinear bordes i&amp;nferiores</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="186"/>
        <source>Align &amp;Centres Across</source>
        <translation>Alinear &amp;centros horizontalmente</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="188"/>
        <source>Align Centres &amp;Down</source>
        <translation>Alinear centros &amp;verticalmente</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="190"/>
        <source>Make Same &amp;Width</source>
        <translation>Igualar &amp;ancho</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="191"/>
        <source>Make Same &amp;Height</source>
        <translation>Igualar a&amp;lto</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="208"/>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="209"/>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="210"/>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="211"/>
        <source>Graphic</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="212"/>
        <source>Run</source>
        <translation>Medición</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="214"/>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="215"/>
        <source>Flow Curve</source>
        <translation>Curva de flujo</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="238"/>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="239"/>
        <source>&amp;Report</source>
        <translation>&amp;Informe</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="245"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="257"/>
        <location filename="../ui/FormPageDesign.cpp" line="369"/>
        <source>&amp;Align</source>
        <translation>&amp;Alinear</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="262"/>
        <location filename="../ui/FormPageDesign.cpp" line="264"/>
        <source>Commands</source>
        <translation>Comandos</translation>
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
        <translation>Herramientas</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="344"/>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="364"/>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="377"/>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="447"/>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="472"/>
        <source>Save changes to this page?</source>
        <translation>¿Guardar los cambios de esta página?</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="485"/>
        <source>Are you sure you wish to save the changes to the page design?</source>
        <translation>¿Está seguro de que desea guardar los cambios del diseño de página?</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="496"/>
        <source>Are you sure you wish to abandon the changes to the page design?</source>
        <translation>¿Está seguro de que desea descartar los cambios del diseño de página?</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="558"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>¿Está seguro de que desea eliminar &apos;%1&apos;?</translation>
    </message>
    <message>
        <location filename="../ui/FormPageDesign.cpp" line="559"/>
        <source>Are you sure you want to delete these %1 page items?</source>
        <translation>¿Está seguro de que desea eliminar estos %1 elementos de página?</translation>
    </message>
</context>
<context>
    <name>TFormPageItemList</name>
    <message>
        <location filename="../ui/FormPageItemList.cpp" line="62"/>
        <source>Page items</source>
        <translation>Elementos de página</translation>
    </message>
</context>
<context>
    <name>TFormPreferences</name>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="87"/>
        <location filename="../ui/FormPreferences.cpp" line="97"/>
        <location filename="../ui/FormPreferences.cpp" line="101"/>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="102"/>
        <location filename="../ui/FormPreferences.cpp" line="116"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="103"/>
        <location filename="../ui/FormPreferences.cpp" line="136"/>
        <source>Interface</source>
        <translation>Interfaz</translation>
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
        <translation>Unidades</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="120"/>
        <location filename="../ui/FormPreferences.cpp" line="125"/>
        <source>Report Design Units:</source>
        <translation>Unidades de diseño de informes:</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="120"/>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="120"/>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="122"/>
        <location filename="../ui/FormPreferences.cpp" line="126"/>
        <source>Viscosity Units:</source>
        <translation>Unidades de viscosidad:</translation>
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
        <translation>Unidades de temperatura:</translation>
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
        <translation>Formato de informe por correo</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="130"/>
        <source>Specify the method in which a report will be emailed.</source>
        <translation>Indique cómo se enviará un informe por correo electrónico.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="132"/>
        <source>PDF Document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="132"/>
        <source>JPEG Images</source>
        <translation>Imágenes JPEG</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="137"/>
        <location filename="../ui/FormPreferences.cpp" line="140"/>
        <source>Report Page Thumbnail Quality</source>
        <translation>Calidad de las miniaturas de página</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="138"/>
        <source>Specify the quality of the report page thumbnails.</source>
        <translation>Indique la calidad de las miniaturas de las páginas del informe.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="141"/>
        <source>High Quality</source>
        <translation>Alta calidad</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="141"/>
        <source>Normal Quality</source>
        <translation>Calidad normal</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="141"/>
        <source>No Thumbnail</source>
        <translation>Sin miniatura</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="143"/>
        <location filename="../ui/FormPreferences.cpp" line="144"/>
        <source>Toolbar Labels</source>
        <translation>Etiquetas de la barra de herramientas</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="143"/>
        <source>Specify the style of the toolbar labels</source>
        <translation>Indique el estilo de las etiquetas de la barra de herramientas</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="145"/>
        <source>Label Right of Icon</source>
        <translation>Etiqueta a la derecha del icono</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="145"/>
        <source>Label Below the Icon</source>
        <translation>Etiqueta debajo del icono</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="145"/>
        <source>No Label</source>
        <translation>Sin etiqueta</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="147"/>
        <location filename="../ui/FormPreferences.cpp" line="149"/>
        <source>Interface language</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="148"/>
        <source>The language of windows and messages. It takes effect at the next start.</source>
        <translation>El idioma de las ventanas y los mensajes. Surte efecto en el próximo inicio.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="150"/>
        <source>Desktop language</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="163"/>
        <location filename="../ui/FormPreferences.cpp" line="165"/>
        <source>Communications Port</source>
        <translation>Puerto de comunicaciones</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="164"/>
        <source>Specify the communications port the ViscoMeter is connected to.</source>
        <translation>Indique el puerto de comunicaciones al que está conectado el ViscoMeter.</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="167"/>
        <location filename="../ui/FormPreferences.cpp" line="171"/>
        <source>Default ViscoMeter Model</source>
        <translation>Modelo de ViscoMeter predeterminado</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="173"/>
        <location filename="../ui/FormPreferences.cpp" line="174"/>
        <source>Default Spindle</source>
        <translation>Husillo predeterminado</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="176"/>
        <location filename="../ui/FormPreferences.cpp" line="179"/>
        <source>Default Company</source>
        <translation>Empresa predeterminada</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="181"/>
        <location filename="../ui/FormPreferences.cpp" line="184"/>
        <source>Default Operator</source>
        <translation>Operador predeterminado</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="191"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="193"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="267"/>
        <source>%1 (not present)</source>
        <translation>%1 (no presente)</translation>
    </message>
    <message>
        <location filename="../ui/FormPreferences.cpp" line="331"/>
        <source>The interface language changes at the next start of Bramblex.</source>
        <translation>El idioma de la interfaz cambiará en el próximo inicio de Bramblex.</translation>
    </message>
</context>
<context>
    <name>TFormProcessWizard</name>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="61"/>
        <source>Process Wizard</source>
        <translation>Asistente de procesos</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="67"/>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="68"/>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="69"/>
        <source>&amp;Finish</source>
        <translation>&amp;Finalizar</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="70"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="77"/>
        <location filename="../ui/FormProcessWizard.cpp" line="79"/>
        <source>Welcome to the Process Wizard</source>
        <translation>Bienvenido al asistente de procesos</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="85"/>
        <source>This wizard will allow you to setup a Bramblex process</source>
        <translation>Este asistente le permite configurar un proceso de Bramblex</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="88"/>
        <source>Process Identifier</source>
        <translation>Identificador del proceso</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="89"/>
        <source>Enter an identifier for this process</source>
        <translation>Introduzca un identificador para este proceso</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="91"/>
        <location filename="../ui/FormProcessWizard.cpp" line="92"/>
        <source>Identifier:</source>
        <translation>Identificador:</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="95"/>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="95"/>
        <source>Enter the start and end RPM for this process</source>
        <translation>Introduzca las RPM inicial y final de este proceso</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="97"/>
        <location filename="../ui/FormProcessWizard.cpp" line="100"/>
        <source>Start RPM:</source>
        <translation>RPM inicial:</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="98"/>
        <location filename="../ui/FormProcessWizard.cpp" line="101"/>
        <source>End RPM:</source>
        <translation>RPM final:</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="99"/>
        <location filename="../ui/FormProcessWizard.cpp" line="102"/>
        <source>Time (seconds):</source>
        <translation>Tiempo (segundos):</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="104"/>
        <source>Delays and Triggers</source>
        <translation>Retardos y disparadores</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="105"/>
        <source>Specify any delays and/or triggers for this process</source>
        <translation>Indique los retardos o disparadores de este proceso</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="107"/>
        <location filename="../ui/FormProcessWizard.cpp" line="109"/>
        <source>Start Delay (seconds):</source>
        <translation>Retardo inicial (segundos):</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="112"/>
        <source>Start when</source>
        <translation>Iniciar cuando</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="113"/>
        <source>start when above</source>
        <translation>iniciar al superar</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="113"/>
        <source>start when below</source>
        <translation>iniciar al bajar de</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="114"/>
        <source>Start Temperature</source>
        <translation>Temperatura inicial</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="123"/>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="124"/>
        <source>Enter how many measurements to take during this process</source>
        <translation>Introduzca cuántas mediciones tomar durante este proceso</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="126"/>
        <location filename="../ui/FormProcessWizard.cpp" line="127"/>
        <source>Measurements:</source>
        <translation>Mediciones:</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="130"/>
        <source>The wizard is complete.</source>
        <translation>El asistente ha terminado.</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="133"/>
        <source>The wizard is complete.<byte value="xd"/>
<byte value="xd"/>
Click Finish to return.</source>
        <translation>El asistente ha terminado.<byte value="xd"/>
<byte value="xd"/>
Pulse Finalizar para volver.</translation>
    </message>
    <message>
        <location filename="../ui/FormProcessWizard.cpp" line="159"/>
        <source>Start Temperature (%1)</source>
        <translation>Temperatura inicial (%1)</translation>
    </message>
</context>
<context>
    <name>TFormPropertyEditor</name>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="35"/>
        <source>All Graphics (*.jpg *.bmp *.emf *.wmf *.jpeg *.png *.gif *.svg);;Bitmaps (*.bmp *.jpg *.jpeg *.png *.gif);;Metafiles (*.emf *.wmf *.svg);;All Files (*)</source>
        <translation>Todos los gráficos (*.jpg *.bmp *.emf *.wmf *.jpeg *.png *.gif *.svg);;Mapas de bits (*.bmp *.jpg *.jpeg *.png *.gif);;Metarchivos (*.emf *.wmf *.svg);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="247"/>
        <location filename="../ui/FormPropertyEditor.cpp" line="252"/>
        <source>Property Editor</source>
        <translation>Editor de propiedades</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="261"/>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="566"/>
        <source>Select Picture</source>
        <translation>Seleccionar imagen</translation>
    </message>
</context>
<context>
    <name>TFormQcLimitSets</name>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="56"/>
        <source>Viscosity at the speed</source>
        <translation>Viscosidad a la velocidad</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="58"/>
        <source>Temperature at the speed</source>
        <translation>Temperatura a la velocidad</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="69"/>
        <location filename="../ui/FormQcLimitSets.cpp" line="70"/>
        <source>QC Limit Sets</source>
        <translation>Conjuntos de límites de CC</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="95"/>
        <source>Limit sets:</source>
        <translation>Conjuntos de límites:</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="98"/>
        <source>Limit sets</source>
        <translation>Conjuntos de límites</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="103"/>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="104"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="105"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="114"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="115"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="133"/>
        <source>Criteria</source>
        <translation>Criterios</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="135"/>
        <location filename="../ui/FormQcLimitSets.cpp" line="251"/>
        <source>Criterion</source>
        <translation>Criterio</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="135"/>
        <source>Speed (RPM)</source>
        <translation>Velocidad (RPM)</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="135"/>
        <source>Minimum</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="135"/>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="135"/>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="139"/>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="146"/>
        <source>Add Criterion</source>
        <translation>Añadir criterio</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="148"/>
        <source>Remove Criterion</source>
        <translation>Quitar criterio</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="150"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="161"/>
        <source>Assign to Folder</source>
        <translation>Asignar a la carpeta</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="163"/>
        <source>Remove Assignment</source>
        <translation>Quitar la asignación</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="303"/>
        <source>Criterion %1: &quot;%2&quot; is not a number.</source>
        <translation>Criterio %1: &quot;%2&quot; no es un número.</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="307"/>
        <source>Criterion %1: %2</source>
        <translation>Criterio %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="319"/>
        <source>No limit set applies to the folder &quot;%1&quot;.</source>
        <translation>Ningún conjunto de límites se aplica a la carpeta &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="321"/>
        <source>The folder &quot;%1&quot; uses the limit set &quot;%2&quot;.</source>
        <translation>La carpeta &quot;%1&quot; usa el conjunto de límites &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="323"/>
        <source>The folder &quot;%1&quot; uses the limit set &quot;%2&quot; of the folder &quot;%3&quot;.</source>
        <translation>La carpeta &quot;%1&quot; usa el conjunto de límites &quot;%2&quot; de la carpeta &quot;%3&quot;.</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="361"/>
        <source>Save the changes to the limit set &quot;%1&quot;?</source>
        <translation>¿Guardar los cambios del conjunto de límites &quot;%1&quot;?</translation>
    </message>
    <message>
        <location filename="../ui/FormQcLimitSets.cpp" line="420"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>¿Está seguro de que desea eliminar &apos;%1&apos;?</translation>
    </message>
</context>
<context>
    <name>TFormReports</name>
    <message>
        <location filename="../ui/FormReports.cpp" line="233"/>
        <source>My Reports</source>
        <translation>Mis informes</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="234"/>
        <source>Tab Reports</source>
        <translation>Informes de pestaña</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="260"/>
        <source>Move to Tab Reports</source>
        <translation>Mover a Informes de pestaña</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="261"/>
        <source>Move to My Reports</source>
        <translation>Mover a Mis informes</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="278"/>
        <source>Current report</source>
        <translation>Informe actual</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="284"/>
        <source>Page commands</source>
        <translation>Comandos de página</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="293"/>
        <source>New Page</source>
        <translation>Página nueva</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="316"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="317"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="319"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="320"/>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="321"/>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="322"/>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="335"/>
        <location filename="../ui/FormReports.cpp" line="338"/>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="337"/>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="337"/>
        <source>Page Type</source>
        <translation>Tipo de página</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="519"/>
        <source>My Reports &gt; %1</source>
        <translation>Mis informes &gt; %1</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="520"/>
        <source>Tab Reports &gt; %1</source>
        <translation>Informes de pestaña &gt; %1</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="781"/>
        <location filename="../ui/FormReports.cpp" line="920"/>
        <source>Unable to create directory %1</source>
        <translation>No se puede crear el directorio %1</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="830"/>
        <location filename="../ui/FormReports.cpp" line="914"/>
        <source>A report with the name you specified already exists. Specify a different name.</source>
        <translation>Ya existe un informe con el nombre indicado. Indique otro nombre.</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="839"/>
        <source>Unable to rename &quot;%1&quot;</source>
        <translation>No se puede cambiar el nombre de &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="859"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>¿Está seguro de que desea eliminar &apos;%1&apos;?</translation>
    </message>
    <message>
        <location filename="../ui/FormReports.cpp" line="994"/>
        <source>Are you sure you want to delete this report page?</source>
        <translation>¿Está seguro de que desea eliminar esta página del informe?</translation>
    </message>
</context>
<context>
    <name>TFormSign</name>
    <message>
        <location filename="../ui/FormSign.cpp" line="19"/>
        <source>Sign %1</source>
        <translation>Firmar %1</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="21"/>
        <source>Signing as %1 (%2)</source>
        <translation>Firmando como %1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="27"/>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="30"/>
        <source>Performed by</source>
        <translation>Realizado por</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="30"/>
        <source>Reviewed by</source>
        <translation>Revisado por</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="31"/>
        <source>Approved by</source>
        <translation>Aprobado por</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="38"/>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="41"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="43"/>
        <source>Meaning:</source>
        <translation>Significado:</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="44"/>
        <source>Comment (optional):</source>
        <translation>Comentario (opcional):</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="45"/>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="53"/>
        <location filename="../ui/FormSign.cpp" line="54"/>
        <source>Sign</source>
        <translation>Firmar</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="55"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="61"/>
        <source>Signing is locked after three wrong passwords; try again in %1 seconds.</source>
        <translation>La firma está bloqueada tras tres contraseñas incorrectas; inténtelo de nuevo dentro de %1 segundos.</translation>
    </message>
    <message>
        <location filename="../ui/FormSign.cpp" line="81"/>
        <source>Checking the password...</source>
        <translation>Comprobando la contraseña...</translation>
    </message>
</context>
<context>
    <name>TFormViewAnalysis</name>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="94"/>
        <source>Include low torque readings</source>
        <translation>Incluir lecturas con par bajo</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="97"/>
        <source>Logarithmic axes</source>
        <translation>Ejes logarítmicos</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="109"/>
        <source>Results and flow curve</source>
        <translation>Resultados y curva de flujo</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="121"/>
        <source>Flow models</source>
        <translation>Modelos de flujo</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="123"/>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="123"/>
        <source>Parameters (± standard error)</source>
        <translation>Parámetros (± error estándar)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="123"/>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="123"/>
        <source>AICc</source>
        <translation>AICc</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="124"/>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="148"/>
        <source>Flow curve</source>
        <translation>Curva de flujo</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="286"/>
        <source>Flow models: %1</source>
        <translation>Modelos de flujo: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="289"/>
        <source>Flow models: the best is %1 (lowest AICc).</source>
        <translation>Modelos de flujo: el mejor es %1 (AICc más bajo).</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="291"/>
        <source>Flow models: no best model: %1</source>
        <translation>Modelos de flujo: no hay mejor modelo: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="312"/>
        <source>%1 (best)</source>
        <translation>%1 (mejor)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="392"/>
        <source>%1 readings, %2 used; left out: %3 over scale, %4 low torque%5; %6 without shear data (left out of the flow models).</source>
        <translation>%1 lecturas, %2 usadas; excluidas: %3 fuera de escala, %4 con par bajo%5; %6 sin datos de cizalla (excluidas de los modelos de flujo).</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="398"/>
        <source> (low torque included)</source>
        <translation> (par bajo incluido)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="402"/>
        <source>Flow index from speed: n = %1, K = %2 %3 (at 1 RPM), R² = %4, %5 readings</source>
        <translation>Índice de flujo a partir de la velocidad: n = %1, K = %2 %3 (a 1 RPM), R² = %4, %5 lecturas</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="407"/>
        <source>Flow index from speed: %1</source>
        <translation>Índice de flujo a partir de la velocidad: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="411"/>
        <source>Thixotropic index: %1 (mean viscosity at %2 RPM over %3 RPM; %4 and %5 readings)</source>
        <translation>Índice tixotrópico: %1 (viscosidad media a %2 RPM sobre %3 RPM; %4 y %5 lecturas)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="416"/>
        <source>Thixotropic index: %1</source>
        <translation>Índice tixotrópico: %1</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="419"/>
        <source>Activation energy: %1 kJ/mol, ln A = %2, R² = %3, %4 readings at %5 RPM</source>
        <translation>Energía de activación: %1 kJ/mol, ln A = %2, R² = %3, %4 lecturas a %5 RPM</translation>
    </message>
    <message>
        <location filename="../ui/FormViewAnalysis.cpp" line="424"/>
        <source>Activation energy: %1</source>
        <translation>Energía de activación: %1</translation>
    </message>
</context>
<context>
    <name>TFormViewBatch</name>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="65"/>
        <source>Process</source>
        <translation>Proceso</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="76"/>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="89"/>
        <source>Show or hide the folders</source>
        <translation>Mostrar u ocultar las carpetas</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="99"/>
        <source>Batch view</source>
        <translation>Vista del lote</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="112"/>
        <source>Unable to modify multiple batch items.</source>
        <translation>No se pueden modificar varios lotes a la vez.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="186"/>
        <source>Header</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="186"/>
        <source>Processes</source>
        <translation>Procesos</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="186"/>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="186"/>
        <source>Analysis</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="189"/>
        <source>My Reports</source>
        <translation>Mis informes</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="370"/>
        <source>Batch saved</source>
        <translation>Lote guardado</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="378"/>
        <source>The changes to &quot;%1&quot; could not be saved.
%2</source>
        <translation>No se pudieron guardar los cambios de &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <location filename="../ui/FormViewBatch.cpp" line="404"/>
        <source>Please Wait...</source>
        <translation>Espere, por favor...</translation>
    </message>
</context>
<context>
    <name>TFormViewHeader</name>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="50"/>
        <source>Header</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="86"/>
        <source>Batch ID:</source>
        <translation>ID del lote:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="87"/>
        <source>File Location:</source>
        <translation>Ubicación del archivo:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="92"/>
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="93"/>
        <source>Spindle:</source>
        <translation>Husillo:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="98"/>
        <source>Company:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="99"/>
        <source>Operator:</source>
        <translation>Operador:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="100"/>
        <source>Identifier:</source>
        <translation>Identificador:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewHeader.cpp" line="103"/>
        <location filename="../ui/FormViewHeader.cpp" line="105"/>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
</context>
<context>
    <name>TFormViewImage</name>
    <message>
        <location filename="../ui/FormViewImage.cpp" line="48"/>
        <source>Picture viewer</source>
        <translation>Visor de imágenes</translation>
    </message>
</context>
<context>
    <name>TFormViewMeasurements</name>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="61"/>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="63"/>
        <location filename="../ui/FormViewMeasurements.cpp" line="66"/>
        <source>X Axis:</source>
        <translation>Eje X:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="69"/>
        <location filename="../ui/FormViewMeasurements.cpp" line="72"/>
        <source>Y Axis:</source>
        <translation>Eje Y:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="89"/>
        <location filename="../ui/FormViewMeasurements.cpp" line="108"/>
        <source>Readings</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="90"/>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="91"/>
        <source>Reset Zoom</source>
        <translation>Restablecer zoom</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="98"/>
        <source>Readings and chart</source>
        <translation>Lecturas y gráfico</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="124"/>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="142"/>
        <source>Left click and drag to zoom into a specfic area.</source>
        <translation>Haga clic con el botón izquierdo y arrastre para ampliar una zona concreta.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewMeasurements.cpp" line="143"/>
        <source>Right click and drag to scroll.</source>
        <translation>Haga clic con el botón derecho y arrastre para desplazarse.</translation>
    </message>
</context>
<context>
    <name>TFormViewOle</name>
    <message>
        <location filename="../ui/FormViewOle.cpp" line="60"/>
        <source>Document viewer</source>
        <translation>Visor de documentos</translation>
    </message>
    <message>
        <location filename="../ui/FormViewOle.cpp" line="62"/>
        <location filename="../ui/FormViewOle.cpp" line="149"/>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
</context>
<context>
    <name>TFormViewPDF</name>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="23"/>
        <source>The file was not found.</source>
        <translation>No se encontró el archivo.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="25"/>
        <source>The file is not a PDF document that can be read.</source>
        <translation>El archivo no es un documento PDF legible.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="27"/>
        <source>The document is protected by a password.</source>
        <translation>El documento está protegido con contraseña.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="29"/>
        <source>The document&apos;s protection is not supported.</source>
        <translation>La protección del documento no es compatible.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="31"/>
        <source>The document could not be read.</source>
        <translation>No se pudo leer el documento.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="41"/>
        <source>PDF viewer</source>
        <translation>Visor de PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormViewPDF.cpp" line="43"/>
        <location filename="../ui/FormViewPDF.cpp" line="48"/>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
</context>
<context>
    <name>TFormViewProcesses</name>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="34"/>
        <location filename="../ui/FormViewProcesses.cpp" line="63"/>
        <source>Processes</source>
        <translation>Procesos</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="49"/>
        <source>New Process</source>
        <translation>Proceso nuevo</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="51"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="53"/>
        <location filename="../ui/FormViewProcesses.cpp" line="230"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="55"/>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="57"/>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="70"/>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>Identifier</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>RPM Start</source>
        <translation>RPM inicial</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>RPM End</source>
        <translation>RPM final</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="105"/>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="106"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="106"/>
        <source>Start Temp</source>
        <translation>Temp. inicial</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="107"/>
        <source>Temp Tend.</source>
        <translation>Tend. temp.</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="107"/>
        <source>Start Delay</source>
        <translation>Retardo inicial</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="107"/>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="228"/>
        <source>Are you sure you want to delete the selected process?</source>
        <translation>¿Está seguro de que desea eliminar el proceso seleccionado?</translation>
    </message>
    <message>
        <location filename="../ui/FormViewProcesses.cpp" line="229"/>
        <source>Are you sure you want to delete these %1 processes?</source>
        <translation>¿Está seguro de que desea eliminar estos %1 procesos?</translation>
    </message>
</context>
<context>
    <name>TFormViewReport</name>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="84"/>
        <location filename="../ui/FormViewReport.cpp" line="227"/>
        <location filename="../ui/FormViewReport.cpp" line="230"/>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="100"/>
        <source>Report commands</source>
        <translation>Comandos del informe</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="110"/>
        <source>Reports:</source>
        <translation>Informes:</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="115"/>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="118"/>
        <location filename="../ui/FormViewReport.cpp" line="348"/>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="132"/>
        <source>Standard report</source>
        <translation>Informe estándar</translation>
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
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="166"/>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="168"/>
        <source>Mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="172"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="178"/>
        <location filename="../ui/FormViewReport.cpp" line="186"/>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="180"/>
        <location filename="../ui/FormViewReport.cpp" line="182"/>
        <location filename="../ui/FormViewReport.cpp" line="189"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="199"/>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="544"/>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="558"/>
        <location filename="../ui/FormViewReport.cpp" line="568"/>
        <source>Save PDF Report As</source>
        <translation>Guardar informe PDF como</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="559"/>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Archivos PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="569"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="576"/>
        <source>Writing PDF</source>
        <translation>Escribiendo PDF</translation>
    </message>
    <message>
        <location filename="../ui/FormViewReport.cpp" line="595"/>
        <source>Preparing mail</source>
        <translation>Preparando el correo</translation>
    </message>
</context>
<context>
    <name>TImageShow</name>
    <message>
        <location filename="../ui/FormViewImage.cpp" line="16"/>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>TNameEditDelegate</name>
    <message>
        <location filename="../ui/NameEdit.cpp" line="19"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>TPageDesigner</name>
    <message>
        <location filename="../ui/PageDesigner.cpp" line="16"/>
        <source>Page Width</source>
        <translation>Ancho de página</translation>
    </message>
    <message>
        <location filename="../ui/PageDesigner.cpp" line="17"/>
        <source>Full Page</source>
        <translation>Página completa</translation>
    </message>
    <message>
        <location filename="../ui/PageDesigner.cpp" line="45"/>
        <source>Page designer</source>
        <translation>Diseñador de páginas</translation>
    </message>
</context>
<context>
    <name>TPageEditor</name>
    <message>
        <location filename="../ui/PageEditor.cpp" line="69"/>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="214"/>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="218"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="254"/>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="280"/>
        <source>Bring to Front</source>
        <translation>Traer al frente</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="285"/>
        <source>Send to Back</source>
        <translation>Enviar al fondo</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="290"/>
        <source>Reorder</source>
        <translation>Reordenar</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="297"/>
        <source>Align Left</source>
        <translation>Alinear a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="297"/>
        <source>Align Right</source>
        <translation>Alinear a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="297"/>
        <source>Align Top</source>
        <translation>Alinear arriba</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="298"/>
        <source>Align Bottom</source>
        <translation>Alinear abajo</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="298"/>
        <source>Align Centres Across</source>
        <translation>Alinear centros horizontalmente</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="298"/>
        <source>Align Centres Down</source>
        <translation>Alinear centros verticalmente</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="299"/>
        <source>Same Width</source>
        <translation>Igualar ancho</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="299"/>
        <source>Same Height</source>
        <translation>Igualar alto</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="434"/>
        <location filename="../ui/PageEditor.cpp" line="555"/>
        <location filename="../ui/PageEditor.cpp" line="633"/>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="555"/>
        <source>Resize</source>
        <translation>Cambiar tamaño</translation>
    </message>
    <message>
        <location filename="../ui/PageEditor.cpp" line="577"/>
        <source>New %1</source>
        <translation>%1 nuevo</translation>
    </message>
</context>
<context>
    <name>TPageItemListView</name>
    <message>
        <location filename="../ui/FormPageItemList.cpp" line="14"/>
        <source>Page items</source>
        <translation>Elementos de página</translation>
    </message>
    <message>
        <location filename="../ui/FormPageItemList.cpp" line="16"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>TPageRuler</name>
    <message>
        <location filename="../ui/PageRuler.cpp" line="23"/>
        <source>Horizontal ruler</source>
        <translation>Regla horizontal</translation>
    </message>
    <message>
        <location filename="../ui/PageRuler.cpp" line="23"/>
        <source>Vertical ruler</source>
        <translation>Regla vertical</translation>
    </message>
</context>
<context>
    <name>TPropertyModel</name>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="202"/>
        <source>Property</source>
        <translation>Propiedad</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="202"/>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>TPropertyValueEditor</name>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="68"/>
        <location filename="../ui/FormPropertyEditor.cpp" line="80"/>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="91"/>
        <location filename="../ui/FormPropertyEditor.cpp" line="92"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location filename="../ui/FormPropertyEditor.cpp" line="101"/>
        <location filename="../ui/FormPropertyEditor.cpp" line="102"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>TQcStatusLine</name>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="33"/>
        <source>QC: %1</source>
        <translation>CC: %1</translation>
    </message>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="34"/>
        <source>QC %1 against &quot;%2&quot;</source>
        <translation>CC %1 según &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="40"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="42"/>
        <source> – failing: %1</source>
        <translation> – no conformes: %1</translation>
    </message>
    <message>
        <location filename="../ui/QcStatusLine.cpp" line="44"/>
        <source> – no data yet: %1</source>
        <translation> – aún sin datos: %1</translation>
    </message>
</context>
<context>
    <name>TReadingsTableModel</name>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="53"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="54"/>
        <source>Time</source>
        <translation>Hora</translation>
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
        <translation>Viscosidad</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="56"/>
        <source>% Full Scale</source>
        <translation>% del fondo de escala</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="57"/>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="58"/>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="60"/>
        <source>Shear Stress</source>
        <translation>Esfuerzo cortante</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="60"/>
        <source>Shear Rate</source>
        <translation>Velocidad de cizalla</translation>
    </message>
    <message>
        <location filename="../ui/ReadingsTableModel.cpp" line="106"/>
        <source>Below 10 % of full scale: the spindle turns at low torque, where the reading is unreliable.</source>
        <translation>Por debajo del 10 % del fondo de escala: el husillo gira con par bajo, donde la lectura no es fiable.</translation>
    </message>
</context>
</TS>
