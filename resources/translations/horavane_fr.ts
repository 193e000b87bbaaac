<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlarmBanner</name>
    <message>
        <location filename="../../src/digital/AlarmBanner.cpp" line="+21"/>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click or press Escape to dismiss</source>
        <translation>Cliquer ou appuyer sur Échap pour fermer</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1, et %n autre</numerusform>
            <numerusform>%1, et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AlarmNotifier</name>
    <message>
        <location filename="../../src/scripting/AlarmNotifier.cpp" line="+24"/>
        <source>no session bus (%1)</source>
        <translation>pas de bus de session (%1)</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>the notification service has not answered the last %n notifications</source>
        <translation>
            <numerusform>le service de notification n’a pas répondu à la dernière notification (%n)</numerusform>
            <numerusform>le service de notification n’a pas répondu aux %n dernières notifications</numerusform>
        </translation>
    </message>
    <message>
        <location line="+30"/>
        <source>the notification service did not answer within %1 s</source>
        <translation>le service de notifications n&apos;a pas répondu en %1 s</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no notification service on the session bus</source>
        <translation>aucun service de notifications sur le bus de session</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the notification service answered with an error: %1</source>
        <translation>le service de notifications a répondu par une erreur : %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>alarms are not shown as desktop notifications: %1; the digital window&apos;s banner still shows them</source>
        <translation>les alarmes ne s&apos;affichent pas en notifications du bureau : %1 ; le bandeau de la fenêtre numérique les montre toujours</translation>
    </message>
</context>
<context>
    <name>AlarmTexts</name>
    <message>
        <location filename="../../src/engine/AlarmTexts.cpp" line="+21"/>
        <source>LST %1</source>
        <translation>TSL %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 %2 UTC</source>
        <translation>%1 %2 UTC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 %2 local time</source>
        <translation>%1 %2 heure locale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 UTC, every day</source>
        <translation>%1 UTC, chaque jour</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 local time, every day</source>
        <translation>%1 heure locale, chaque jour</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 crosses the meridian</source>
        <translation>%1 passe au méridien</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 at hour angle %2 h</source>
        <translation>%1 à l’angle horaire %2 h</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the start of dark</source>
        <translation>début de l’obscurité</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the end of dark</source>
        <translation>fin de l’obscurité</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the clock loses its synchronisation</source>
        <translation>l’horloge perd sa synchronisation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the GPS disagrees with the clock</source>
        <translation>le GPS est en désaccord avec l’horloge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the Earth-orientation data goes stale</source>
        <translation>les données d’orientation de la Terre deviennent périmées</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%n min before %1</source>
        <translation>
            <numerusform>%n min avant %1</numerusform>
            <numerusform>%n min avant %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>LST</source>
        <translation>TSL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>local time</source>
        <translation>heure locale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>target</source>
        <translation>cible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tonight</source>
        <translation>cette nuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>clock health</source>
        <translation>état de l’horloge</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1, at %2</source>
        <translation>%1, à %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>%1 (late: the computer was asleep)</source>
        <translation>%1 (en retard : l’ordinateur était en veille)</translation>
    </message>
</context>
<context>
    <name>AlarmsWindow</name>
    <message>
        <location filename="../../src/alarms/AlarmsWindow.cpp" line="+56"/>
        <source>This line is not a kind, a time, a target, minutes before and a name separated by tabs</source>
        <translation>Cette ligne n’est pas un type, une heure, une cible, des minutes avant et un nom séparés par des tabulations</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The kind is not one of lst, local, utc, target, tonight or health</source>
        <translation>Le type n’est pas l’un de lst, local, utc, target, tonight ou health</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The time is not HH:MM:SS from 00:00:00 to 23:59:59 (24:00:00 is the next day&apos;s 00:00:00), with a date YYYY-MM-DD before it for once</source>
        <translation>L’heure n’est pas HH:MM:SS de 00:00:00 à 23:59:59 (24:00:00 est le 00:00:00 du lendemain), précédée d’une date AAAA-MM-JJ pour une seule fois</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The hour angle is not a number of hours from −12 to +12</source>
        <translation>L’angle horaire n’est pas un nombre d’heures de −12 à +12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The event or trouble is not one this alarm can wait for</source>
        <translation>Cette alarme ne peut pas attendre cet événement ou ce problème</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only a target alarm names a target, and it names one</source>
        <translation>Seule une alarme de cible nomme une cible, et elle en nomme une</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The minutes before are not a whole number from 0 to %1 (0 for the clock&apos;s health)</source>
        <translation>Les minutes avant ne sont pas un nombre entier de 0 à %1 (0 pour l’état de l’horloge)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The name is empty, longer than %1 characters or holds a control character</source>
        <translation>Le nom est vide, dépasse %1 caractères ou contient un caractère de contrôle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Only the first %1 alarms ring: this one waits until one is removed</source>
        <translation>Seules les %1 premières alarmes sonnent : celle-ci attend qu’une soit retirée</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+5"/>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Alarm name</source>
        <translation>Nom de l’alarme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flip M42</source>
        <translation>Retourner pour M42</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kind of alarm</source>
        <translation>Type d’alarme</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Kind</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;When</source>
        <translation>&amp;Quand</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Time, HH:MM:SS</source>
        <translation>Heure, HH:MM:SS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Once, on</source>
        <translation>&amp;Une fois, le</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of the one alarm</source>
        <translation>Date de l’alarme unique</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Target of the Targets list</source>
        <translation>Cible de la liste des cibles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>at &amp;hour angle</source>
        <translation>à l’angle &amp;horaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hour angle, hours, positive past the meridian</source>
        <translation>Angle horaire, heures, positif après le méridien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0: on the meridian</source>
        <translation>0 : au méridien</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>h</source>
        <comment>hours of hour angle</comment>
        <translation>h</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Event of the night</source>
        <translation>Événement de la nuit</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Trouble of the clock</source>
        <translation>Problème de l’horloge</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Minutes before</source>
        <translation>Minutes avant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Before</source>
        <translation>A&amp;vant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>A stored row holds no alarm: it is kept as it is, and says why</source>
        <translation>Une ligne enregistrée ne contient aucune alarme : elle est gardée telle quelle et dit pourquoi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stored rows hold no alarm: they are kept as they are, and say why</source>
        <translation>%1 lignes enregistrées ne contiennent aucune alarme : elles sont gardées telles quelles et disent pourquoi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The stored list is too long: its last %1 characters are not shown</source>
        <translation>La liste enregistrée est trop longue : ses %1 derniers caractères ne sont pas affichés</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>rang at %1</source>
        <translation>a sonné à %1</translation>
    </message>
    <message numerus="yes">
        <location line="+70"/>
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not in the Targets list: it will not ring</source>
        <translation>absent de la liste des cibles : elle ne sonnera pas</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The list holds at most %1 alarms: remove one to add another</source>
        <translation>La liste contient au plus %1 alarmes : retirez-en une pour en ajouter une autre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Give the alarm a name of at most %1 characters</source>
        <translation>Donnez à l’alarme un nom d’au plus %1 caractères</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The Targets list is empty: add the target there first</source>
        <translation>La liste des cibles est vide : ajoutez-y d’abord la cible</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The settings have no room to store another alarm: remove one, or give shorter names</source>
        <translation>Les réglages n’ont plus de place pour une autre alarme : retirez-en une ou donnez des noms plus courts</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Cannot write the settings file %1: the list is kept, and saved once it can be</source>
        <translation>Impossible d’écrire le fichier de réglages %1 : la liste est gardée et sera enregistrée dès que possible</translation>
    </message>
</context>
<context>
    <name>AnalogClockWindow</name>
    <message>
        <location filename="../AnalogClockWindow.ui" line="+6"/>
        <source>Analog Clock</source>
        <translation>Horloge analogique</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UTC dial</source>
        <translation>Cadran UTC</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Local time dial</source>
        <translation>Cadran de l’heure locale</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Local</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Sidereal time dial</source>
        <translation>Cadran du temps sidéral</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>LST</source>
        <translation>TSL</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="+180"/>
        <source>Import Earth Orientation Data</source>
        <translation>Importer des données d’orientation de la Terre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IERS Bulletin A or finals files (*.dat *.data *.daily *.all *.txt);;All files (*)</source>
        <translation>Fichiers IERS Bulletin A ou finals (*.dat *.data *.daily *.all *.txt);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <location filename="../../src/app/AppMenu.cpp" line="+30"/>
        <source>&amp;About Horavane</source>
        <translation>À propos de &amp;Horavane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Donate…</source>
        <translation>Faire un &amp;don…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for &amp;Updates…</source>
        <translation>Rechercher des &amp;mises à jour…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Earth Orientation Data…</source>
        <translation>&amp;Importer des données d’orientation de la Terre…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Details</source>
        <translation>Afficher les &amp;détails</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Night Vision</source>
        <translation>Vision de &amp;nuit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Bright</source>
        <translation>&amp;Forte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Medium</source>
        <translation>&amp;Moyenne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Dim</source>
        <translation>&amp;Faible</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stay on &amp;Top</source>
        <translation>Toujours au premier p&amp;lan</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Preferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Digital Clock</source>
        <translation>Horloge &amp;numérique</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Analog Clock</source>
        <translation>Horloge &amp;analogique</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Targets</source>
        <translation>&amp;Cibles</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;onight</source>
        <translation>&amp;Cette nuit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+4</source>
        <translation>Ctrl+4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;larms</source>
        <translation>A&amp;larmes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+5</source>
        <translation>Ctrl+5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sites</source>
        <translation>&amp;Sites</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+6</source>
        <translation>Ctrl+6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>&amp;Horavane</source>
        <translation>&amp;Horavane</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Night Vision &amp;Brightness</source>
        <translation>L&amp;uminosité de la vision de nuit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Window</source>
        <translation>&amp;Fenêtre</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>About Horavane</source>
        <translation>À propos de Horavane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;h3&gt;Horavane %1&lt;/h3&gt;&lt;p&gt;A clock for astronomers: civil local time, UTC and the local sidereal time of your site, exact to the second.&lt;/p&gt;&lt;p&gt;Sidereal time: IAU 2006/2000A apparent sidereal time, computed with ERFA.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://horavane.org&quot;&gt;horavane.org&lt;/a&gt; · GNU General Public License, version 3 or later.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Horavane %1&lt;/h3&gt;&lt;p&gt;Une horloge pour astronomes&#xa0;: l’heure civile locale, l’heure UTC et le temps sidéral local de votre site, à la seconde près.&lt;/p&gt;&lt;p&gt;Temps sidéral&#xa0;: temps sidéral apparent selon le modèle UAI&#xa0;2006/2000A, calculé avec ERFA.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://horavane.org&quot;&gt;horavane.org&lt;/a&gt; · Licence publique générale GNU, version 3 ou ultérieure.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>AppUtils::Donation</name>
    <message>
        <location filename="../../frameworks/AppUtils/src/Donation.cpp" line="+105"/>
        <source>Don&apos;t show this again</source>
        <translation>Ne plus afficher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Support %1</source>
        <translation>Soutenir %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Keeps this window from opening when %1 starts</source>
        <translation>Empêche cette fenêtre de s’ouvrir au démarrage de %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Donate…</source>
        <translation>Faire un don…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opens the donation page in your web browser</source>
        <translation>Ouvre la page des dons dans votre navigateur web</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 is free software. Thank you for your support!</source>
        <translation>%1 est un logiciel libre. Merci de votre soutien&#x202f;!</translation>
    </message>
</context>
<context>
    <name>BoundedFile</name>
    <message>
        <location filename="../../frameworks/AppUtils/src/BoundedFile.cpp" line="+29"/>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>larger than %1</source>
        <translation>plus grand que %1</translation>
    </message>
</context>
<context>
    <name>ChronyReader</name>
    <message>
        <location filename="../../src/timescales/ChronyReader.cpp" line="+39"/>
        <source>chronyc did not answer within %1 s</source>
        <translation>chronyc n&apos;a pas répondu dans les %1 s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>chronyc answered something other than chrony&apos;s tracking report</source>
        <translation>chronyc a répondu autre chose que le rapport de suivi de chrony</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>chrony passed over: %1</source>
        <translation>chrony ignoré : %1</translation>
    </message>
</context>
<context>
    <name>ClockService</name>
    <message>
        <location filename="../../src/scripting/ClockService.cpp" line="+60"/>
        <source>No session bus (%1): other programs cannot read this clock over D-Bus.</source>
        <translation>Pas de bus de session (%1) : les autres programmes ne peuvent pas lire cette horloge par D-Bus.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The clock cannot be put on the session bus at %1: other programs cannot read it.</source>
        <translation>L’horloge ne peut pas être placée sur le bus de session à %1 : les autres programmes ne peuvent pas la lire.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The session bus did not give the name %1 (%2): other programs cannot read this clock.</source>
        <translation>Le bus de session n’a pas donné le nom %1 (%2) : les autres programmes ne peuvent pas lire cette horloge.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Another program holds the D-Bus name %1: scripts that ask it do not read this clock, which takes the name when that program lets it go.</source>
        <translation>Un autre programme détient le nom D-Bus %1 : les scripts qui l’interrogent ne lisent pas cette horloge, qui prendra le nom dès que ce programme le libérera.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../src/app/CommandLine.cpp" line="+24"/>
        <source>Print the clock at this moment, as Horavane would show it with the stored settings and data files, as key: value lines, then end. Needs no display.</source>
        <translation>Afficher l’horloge à cet instant, telle que Horavane la montrerait avec les réglages enregistrés et les fichiers de données, en lignes « clé: valeur », puis terminer. Aucun écran n’est nécessaire.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print the night from local noon to the next local noon (the night in progress, or the one that starts on --date): sunset, twilight, sunrise, the Moon and the dark hours, as key: value lines, then end. Needs no display.</source>
        <translation>Affiche la nuit de midi à midi (heure locale) (celle en cours, ou celle qui commence à --date) : coucher du Soleil, crépuscules, lever du Soleil, la Lune et les heures noires, en lignes « clé: valeur », puis termine. Ne demande pas d’écran.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With --tonight: the night that starts at local noon of this date.</source>
        <translation>Avec --tonight : la nuit qui commence à midi (heure locale) de cette date.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print one line at each second flip, as &quot;LST 05:12:33 · UTC 21:40:07&quot;, until the output closes; a reader too slow for a line misses it. Needs no display.</source>
        <translation>Écrit une ligne à chaque changement de seconde, comme « LST 05:12:33 · UTC 21:40:07 », jusqu’à la fermeture de la sortie ; un lecteur trop lent manque des lignes. Sans affichage.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --now, --tonight or --follow: print one JSON object (a line) instead.</source>
        <translation>Avec --now, --tonight ou --follow : écrire plutôt un objet JSON (une ligne).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>With --follow: print the JSON object of Waybar&apos;s custom module, with the details as its tooltip and the clock&apos;s health as its class.</source>
        <translation>Avec --follow : écrire l’objet JSON du module custom de Waybar, avec les détails en infobulle et l’état de l’horloge comme classe.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --follow: the line&apos;s text, with keys of --now in braces: {last:hms}, {utc:time}, {latitude} (see the manual).</source>
        <translation>Avec --follow : le texte de la ligne, avec des clés de --now entre accolades : {last:hms}, {utc:time}, {latitude} (voir le manuel).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Civil time, UTC and local sidereal time for astronomers.</source>
        <translation>Temps civil, UTC et temps sidéral local pour les astronomes.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>--json and --waybar go one at a time.</source>
        <translation>--json et --waybar vont l’un sans l’autre.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--format does not go with --json.</source>
        <translation>--format ne va pas avec --json.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>--date takes a date as YYYY-MM-DD, not &apos;%1&apos;.</source>
        <translation>--date attend une date sous la forme AAAA-MM-JJ, pas « %1 ».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no night for %1: %2</source>
        <translation>pas de nuit pour le %1 : %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a one-shot run does not wait for the location service; ask the running clock over D-Bus</source>
        <translation>un appel unique n’attend pas le service de localisation ; interrogez l’horloge en cours par D-Bus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no position: %1</source>
        <translation>pas de position : %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the night cannot be worked out: %1</source>
        <translation>la nuit ne peut pas être calculée : %1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--now, --tonight and --follow go one at a time.</source>
        <translation>--now, --tonight et --follow vont un à la fois.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--waybar and --format go with --follow.</source>
        <translation>--waybar et --format vont avec --follow.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--json goes with --now, --tonight or --follow.</source>
        <translation>--json va avec --now, --tonight ou --follow.</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>--date goes with --tonight.</source>
        <translation>--date va avec --tonight.</translation>
    </message>
</context>
<context>
    <name>DetailsPanel</name>
    <message>
        <location filename="../../src/digital/DetailsPanel.cpp" line="+55"/>
        <source>UT1 − UTC:</source>
        <translation>UT1 − UTC :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>UT1 minus UTC in seconds, and where it comes from</source>
        <translation>UT1 moins UTC en secondes, et sa provenance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Why an Earth-orientation file was set aside</source>
        <translation>Pourquoi un fichier d’orientation de la Terre a été écarté</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>What the Earth-orientation download is doing, or why it failed</source>
        <translation>Ce que fait le téléchargement des données d&apos;orientation de la Terre, ou pourquoi il a échoué</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download from the IERS</source>
        <translation>Télécharger depuis l&apos;IERS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keeps Earth-orientation data current from now on, starting with a download now</source>
        <translation>Garde désormais les données d&apos;orientation de la Terre à jour, en commençant par un téléchargement immédiat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Greenwich mean sidereal time:</source>
        <translation>Temps sidéral moyen de Greenwich :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Greenwich mean sidereal time</source>
        <translation>Temps sidéral moyen de Greenwich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greenwich apparent sidereal time:</source>
        <translation>Temps sidéral apparent de Greenwich :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Greenwich apparent sidereal time</source>
        <translation>Temps sidéral apparent de Greenwich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Local mean sidereal time:</source>
        <translation>Temps sidéral moyen local :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Local mean sidereal time at the observer</source>
        <translation>Temps sidéral moyen local de l’observateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Julian Date:</source>
        <translation>Date julienne :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Julian Date of UTC</source>
        <translation>Date julienne en UTC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modified Julian Date:</source>
        <translation>Date julienne modifiée :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Modified Julian Date of UTC</source>
        <translation>Date julienne modifiée en UTC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System clock:</source>
        <translation>Horloge système :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>How far the computer&apos;s clock can be trusted</source>
        <translation>Dans quelle mesure l’horloge de l’ordinateur est fiable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leap seconds:</source>
        <translation>Secondes intercalaires :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAI minus UTC, and until when the leap-second list is valid</source>
        <translation>TAI moins UTC, et jusqu’à quand la liste des secondes intercalaires est valable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Why the system&apos;s leap-second list was set aside</source>
        <translation>Pourquoi la liste des secondes intercalaires du système a été écartée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Why other programs cannot read this clock</source>
        <translation>Pourquoi les autres programmes ne peuvent pas lire cette horloge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPS:</source>
        <translation>GPS&#xa0;:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The GPS receiver&apos;s fix, the satellites it uses, and its time against the system clock</source>
        <translation>La position du récepteur GPS, les satellites qu’il utilise et son heure par rapport à l’horloge système</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>%1 · assumed: no Earth-orientation data</source>
        <translation>%1 · supposé : aucune donnée d’orientation de la Terre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 · typed on %2</source>
        <translation>%1 · saisi le %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>observed</source>
        <translation>observé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>predicted</source>
        <translation>prédit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>extrapolated</source>
        <translation>extrapolé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stale</source>
        <translation>périmé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 ±%2 s</source>
        <translation>%1 ±%2 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 · %2, %3</source>
        <translation>%1 · %2, %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Downloading Earth-orientation data from the IERS…</source>
        <translation>Téléchargement des données d&apos;orientation de la Terre depuis l&apos;IERS…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>unknown: the system does not say</source>
        <translation>inconnu : le système ne l’indique pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not synchronised — the times shown may be wrong</source>
        <translation>non synchronisée — les heures affichées peuvent être fausses</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>synchronised, ±%1 ms (estimated ±%2 ms)</source>
        <translation>synchronisée, ±%1 ms (estimé ±%2 ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>synchronised, ±%1 ms</source>
        <translation>synchronisée, ±%1 ms</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>synchronised to %1 (stratum %2)</source>
        <translation>synchronisée sur %1 (strate %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 · offset %2 ms</source>
        <translation>%1 · décalage %2 ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 · ±%2 ms</source>
        <translation>%1 · ±%2 ms</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 · a leap second ends this UTC day</source>
        <translation>%1 · une seconde intercalaire termine ce jour UTC</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no report from gpsd</source>
        <translation>aucun rapport de gpsd</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no fix</source>
        <translation>pas de position</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2-D fix</source>
        <translation>position 2D</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3-D fix, %1 m</source>
        <translation>position 3D, %1 m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>3-D fix</source>
        <translation>position 3D</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 · %2 satellites used</source>
        <translation>%1 · %2 satellites utilisés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 · GPS − clock %2 s</source>
        <translation>%1 · GPS − horloge %2 s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the GPS says the system clock is %1 s slow</source>
        <translation>selon le GPS, l’horloge système retarde de %1 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the GPS says the system clock is %1 s fast</source>
        <translation>selon le GPS, l’horloge système avance de %1 s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TAI − UTC = %1 s</source>
        <translation>TAI − UTC = %1 s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAI − UTC unknown</source>
        <translation>TAI − UTC inconnu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 · valid until %2</source>
        <translation>%1 · valable jusqu’au %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 · ERFA&apos;s own table</source>
        <translation>%1 · table propre à ERFA</translation>
    </message>
</context>
<context>
    <name>EarthOrientation</name>
    <message>
        <location filename="../../src/timescales/EarthOrientation.cpp" line="+24"/>
        <source>not an IERS Bulletin A or finals file</source>
        <translation>pas un fichier IERS Bulletin A ou finals</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>truncated at line %1</source>
        <translation>tronqué à la ligne %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unreadable row at line %1</source>
        <translation>ligne %1 illisible</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>MJD %1 does not match its date</source>
        <translation>le MJD %1 ne correspond pas à sa date</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>UT1 − UTC of %1 s at MJD %2 is beyond ±0.9 s</source>
        <translation>UT1 − UTC de %1 s au MJD %2 dépasse ±0,9 s</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>rows out of order at MJD %1</source>
        <translation>lignes dans le désordre au MJD %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a day is missing after MJD %1</source>
        <translation>il manque un jour après le MJD %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UT1 − UTC jumps by %1 s at MJD %2</source>
        <translation>UT1 − UTC saute de %1 s au MJD %2</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>larger than 16 MiB</source>
        <translation>plus de 16 Mio</translation>
    </message>
</context>
<context>
    <name>EarthOrientationDownload</name>
    <message>
        <location filename="../../src/timescales/EarthOrientationDownload.cpp" line="+30"/>
        <source>IERS download failed: %1</source>
        <translation>Échec du téléchargement IERS : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>larger than %1 MiB</source>
        <translation>plus de %1 Mio</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>no answer within %1 s</source>
        <translation>aucune réponse en %1 s</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 is left out of the Earth-orientation sources: not an https address</source>
        <translation>%1 est écartée des sources d&apos;orientation de la Terre : ce n&apos;est pas une adresse https</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>no https address to download from</source>
        <translation>aucune adresse https d&apos;où télécharger</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>sent on to an address that is not https</source>
        <translation>redirigé vers une adresse qui n&apos;est pas en https</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>HTTP %1</source>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cut short after %1 of %2 bytes</source>
        <translation>interrompu après %1 octets sur %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>not a finals file: an HTML page</source>
        <translation>pas un fichier finals : une page HTML</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a finals file: %1</source>
        <translation>pas un fichier finals : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the download reaches %1, less far than the file held (%2)</source>
        <translation>le téléchargement va jusqu&apos;au %1, moins loin que le fichier détenu (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>IERS download not kept: %1</source>
        <translation>Téléchargement IERS non conservé : %1</translation>
    </message>
</context>
<context>
    <name>Extensions</name>
    <message>
        <location filename="../../frameworks/Extensions/src/Titles.cpp" line="+10"/>
        <source>%1 Preferences</source>
        <translation>Préférences de %1</translation>
    </message>
</context>
<context>
    <name>HoravaneWindow</name>
    <message>
        <location filename="../HoravaneWindow.ui" line="+14"/>
        <source>Horavane</source>
        <translation>Horavane</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Local time:</source>
        <translation>Heure locale&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Civil date and time in the system time zone</source>
        <translation>Date et heure civiles dans le fuseau horaire du système</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>UTC:</source>
        <translation>UTC&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Coordinated Universal Time</source>
        <translation>Temps universel coordonné</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Local sidereal time:</source>
        <translation>Temps sidéral local&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Local apparent sidereal time at the observer&apos;s longitude</source>
        <translation>Temps sidéral apparent local à la longitude de l’observateur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Position:</source>
        <translation>Position&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Observer latitude and longitude</source>
        <translation>Latitude et longitude de l’observateur</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Position source:</source>
        <translation>Source de la position&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Where the observer position comes from</source>
        <translation>Provenance de la position de l’observateur</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Why no position is shown</source>
        <translation>Pourquoi aucune position n’est affichée</translation>
    </message>
    <message>
        <location filename="../../src/engine/Location.cpp" line="+13"/>
        <source>Waiting for the first fix from the location service</source>
        <translation>En attente de la première position du service de localisation</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The location service does not allow Horavane to know the position</source>
        <translation>Le service de localisation ne permet pas à Horavane de connaître la position</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No location service on this desktop: choose Manual in Preferences</source>
        <translation>Aucun service de localisation sur ce bureau : choisissez « Manuelle » dans les préférences</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The stored position is not one on Earth: type it again in Preferences</source>
        <translation>La position enregistrée n’est pas sur la Terre : saisissez-la de nouveau dans les préférences</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Waiting for gpsd at %1</source>
        <translation>En attente de gpsd à %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gpsd has no fix yet: %1 satellites seen</source>
        <translation>gpsd n’a pas encore de position&#xa0;: %1 satellites visibles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No gpsd at %1</source>
        <translation>Aucun gpsd à %1</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>No fix from the location service in a minute: choose Manual in Preferences</source>
        <translation>Aucune position du service de localisation depuis une minute : choisissez « Manuelle » dans les préférences</translation>
    </message>
    <message>
        <location filename="../HoravaneWindow.ui" line="+7"/>
        <source>Open Preferences…</source>
        <translation>Ouvrir les préférences…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the General preferences, where the position is chosen</source>
        <translation>Ouvre les préférences générales, où se choisit la position</translation>
    </message>
    <message>
        <location filename="../../src/engine/Location.cpp" line="+9"/>
        <source>SiTech NTP Server gives no position</source>
        <translation>SiTech NTP Server ne donne pas de position</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <location filename="../../frameworks/AppUtils/src/LaunchAtLogin.cpp" line="+231"/>
        <source>%1 cannot tell where its program file is.</source>
        <translation>%1 ne trouve pas son fichier programme.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The autostart folder %1 is not writable.</source>
        <translation>Le dossier de démarrage automatique %1 n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was not written by %2; left as it is.</source>
        <translation>%1 n’a pas été écrit par %2 ; il reste tel quel.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The login entry cannot start %1.</source>
        <translation>L’entrée de connexion ne peut pas lancer %1.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1 could not be removed.</source>
        <translation>%1 n’a pas pu être supprimé.</translation>
    </message>
</context>
<context>
    <name>LeapSeconds</name>
    <message>
        <location filename="../../src/timescales/LeapSeconds.cpp" line="+131"/>
        <source>larger than 256 KiB</source>
        <translation>plus de 256 Kio</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>garbage at line %1</source>
        <translation>contenu incompréhensible à la ligne %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the first entry, at line %1, is not TAI − UTC = 10 s from 1 January 1972</source>
        <translation>la première entrée, ligne %1, n’est pas TAI − UTC = 10 s au 1er janvier 1972</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>entries out of order at line %1</source>
        <translation>entrées dans le désordre à la ligne %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a step other than one second at line %1</source>
        <translation>un saut autre qu’une seconde à la ligne %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>an entry not at the start of a month at line %1</source>
        <translation>une entrée hors du début d’un mois à la ligne %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not a leap-second list</source>
        <translation>pas une liste de secondes intercalaires</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has no date of last update</source>
        <translation>elle n’a pas de date de mise à jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has no expiry date</source>
        <translation>elle n’a pas de date d’expiration</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it expires before its last update</source>
        <translation>elle expire avant sa dernière mise à jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has no hash</source>
        <translation>elle n’a pas d’empreinte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its hash does not match its contents</source>
        <translation>son empreinte ne correspond pas à son contenu</translation>
    </message>
</context>
<context>
    <name>LineTemplate</name>
    <message>
        <location filename="../../src/scripting/FollowLine.cpp" line="+25"/>
        <source>--format: %1</source>
        <translation>--format : %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a &apos;}&apos; without its &apos;{&apos; (write }} for a brace)</source>
        <translation>une « } » sans sa « { » (écrire }} pour une accolade)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a &apos;{&apos; without its &apos;}&apos; (write {{ for a brace)</source>
        <translation>une « { » sans sa « } » (écrire {{ pour une accolade)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no key &apos;%1&apos;</source>
        <translation>pas de clé « %1 »</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no form &apos;%1&apos; for &apos;%2&apos; (hms goes with gmst, gast, lmst and last, time with utc)</source>
        <translation>pas de forme « %1 » pour « %2 » (hms va avec gmst, gast, lmst et last, time avec utc)</translation>
    </message>
</context>
<context>
    <name>Preferences::PreferencesWindowController</name>
    <message>
        <location filename="../../frameworks/Preferences/src/PreferencesWindowController.cpp" line="+114"/>
        <source>Panes</source>
        <translation>Volets</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneral</name>
    <message>
        <location filename="../PreferencesGeneral.ui" line="+6"/>
        <source>General preferences</source>
        <translation>Préférences générales</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>Position source</source>
        <translation>Source de la position</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Chosen only by an older settings file; the server is kept but not contacted.</source>
        <translation>Choisie uniquement par un ancien fichier de configuration&#x202f;; le serveur est conservé mais n’est pas contacté.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SiTech NTP Server as position source</source>
        <translation>SiTech NTP Server comme source de position</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Server &amp;address:</source>
        <translation>&amp;Adresse du serveur&#xa0;:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>e.g. 192.168.1.20</source>
        <translation>p. ex. 192.168.1.20</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Port:</source>
        <translation>&amp;Port&#xa0;:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A whole number from 0 to 65535.</source>
        <translation>Un nombre entier de 0 à 65535.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Server port</source>
        <translation>Port du serveur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>e.g. 8079</source>
        <translation>p. ex. 8079</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Manual position as position source</source>
        <translation>Position saisie à la main comme source de la position</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Manual</source>
        <translation>&amp;Manuelle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Latitude:</source>
        <translation>&amp;Latitude&#xa0;:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Decimal degrees from -90 to 90, north positive.</source>
        <translation>Degrés décimaux de -90 à 90, positifs vers le nord.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Latitude in degrees, north positive</source>
        <translation>Latitude en degrés, positive vers le nord</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>e.g. 51.4769</source>
        <translation>p. ex. 51.4769</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>° north</source>
        <translation>° nord</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>L&amp;ongitude:</source>
        <translation>L&amp;ongitude&#xa0;:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Decimal degrees from -180 to 180, east positive.</source>
        <translation>Degrés décimaux de -180 à 180, positifs vers l’est.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Longitude in degrees, east positive</source>
        <translation>Longitude en degrés, positive vers l’est</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>e.g. -0.0005</source>
        <translation>p. ex. -0.0005</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>° east</source>
        <translation>° est</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The position the desktop&apos;s location service reports.</source>
        <translation>La position indiquée par le service de localisation du bureau.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Location service as position source</source>
        <translation>Service de localisation comme source de la position</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;WiFi (Location Service)</source>
        <translation>&amp;Wi-Fi (service de localisation)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The position and time of a GPS receiver that the gpsd daemon reads.</source>
        <translation>La position et l’heure d’un récepteur GPS que lit le démon gpsd.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>GPS receiver through gpsd as position source</source>
        <translation>Récepteur GPS via gpsd comme source de position</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;GPS receiver (gpsd)</source>
        <translation>Récepteur &amp;GPS (gpsd)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Host:</source>
        <translation>&amp;Hôte&#xa0;:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The name or address of the computer gpsd runs on.</source>
        <translation>Le nom ou l’adresse de l’ordinateur sur lequel tourne gpsd.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>gpsd host</source>
        <translation>Hôte de gpsd</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>localhost</source>
        <translation>localhost</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Po&amp;rt:</source>
        <translation>Po&amp;rt&#xa0;:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A whole number from 1 to 65535; gpsd listens on 2947.</source>
        <translation>Un nombre entier de 1 à 65535&#xa0;; gpsd écoute sur 2947.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>gpsd port</source>
        <translation>Port de gpsd</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2947</source>
        <translation>2947</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Why the gpsd host or port typed is not used</source>
        <translation>Pourquoi l’hôte ou le port de gpsd saisi n’est pas utilisé</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Show coordinates as decimal degrees</source>
        <translation>Afficher les coordonnées en degrés décimaux</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show coordinates as &amp;decimal degrees</source>
        <translation>Afficher les coordonnées en degrés &amp;décimaux</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The analog window&apos;s sidereal dial shows 0 to 23 with 0 at the top, its hour hand turning once a sidereal day.</source>
        <translation>Le cadran sidéral de l&apos;horloge analogique montre 0 à 23, le 0 en haut ; son aiguille des heures fait un tour par jour sidéral.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>LST dial shows 24 hours</source>
        <translation>Cadran TSL sur 24 heures</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>LST dial shows &amp;24 hours</source>
        <translation>Cadran TSL sur &amp;24 heures</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>DUT1 (UT1 − UTC):</source>
        <translation>DUT1 (UT1 − UTC) :</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The DUT1 broadcast with time signals, between −0.9 and +0.9 seconds; used when no Earth-orientation file covers today</source>
        <translation>Le DUT1 diffusé avec les signaux horaires, entre −0,9 et +0,9 seconde ; utilisé quand aucun fichier d’orientation de la Terre ne couvre aujourd’hui</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DUT1 in seconds</source>
        <translation>DUT1 en secondes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>When DUT1 was typed, or why it is not used</source>
        <translation>Quand DUT1 a été saisi, ou pourquoi il n’est pas utilisé</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Once a day, in the background, fetch the IERS Rapid Service&apos;s finals file for UT1 − UTC. Nothing is downloaded while this is off.</source>
        <translation>Une fois par jour, en arrière-plan, récupérer le fichier finals de l&apos;IERS Rapid Service pour UT1 − UTC. Rien n&apos;est téléchargé tant que ceci est désactivé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep Earth-orientation data current</source>
        <translation>Garder à jour les données d&apos;orientation de la Terre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Keep Earth-orientation data current</source>
        <translation>&amp;Garder à jour les données d&apos;orientation de la Terre</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Start Horavane when you log in</source>
        <translation>Lancer Horavane à l’ouverture de la session</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Start Horavane when you log in</source>
        <translation>Lancer Horavane à l’ouverture de la &amp;session</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Why Horavane cannot start when you log in</source>
        <translation>Pourquoi Horavane ne peut pas démarrer à la connexion</translation>
    </message>
    <message>
        <location filename="../../src/preferences/PreferencesGeneral.cpp" line="+26"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location line="+330"/>
        <source>Not used: DUT1 is a number of seconds from −0.9 to +0.9</source>
        <translation>Non utilisé : DUT1 est un nombre de secondes de −0.9 à +0.9</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>typed on %1</source>
        <translation>saisi le %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Not used: the host is a name or an address, without spaces</source>
        <translation>Non utilisé&#xa0;: l’hôte est un nom ou une adresse, sans espaces</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not used: the port is a whole number from 1 to 65535</source>
        <translation>Non utilisé&#xa0;: le port est un nombre entier de 1 à 65535</translation>
    </message>
    <message>
        <location filename="../PreferencesGeneral.ui" line="-391"/>
        <location filename="../../src/preferences/ObserverSettings.cpp" line="+9"/>
        <source>SiTech NTP Server</source>
        <translation>Serveur NTP SiTech</translation>
    </message>
    <message>
        <location filename="../../src/preferences/ObserverSettings.cpp" line="+2"/>
        <source>Manual</source>
        <translation>Manuelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WiFi (Location Service)</source>
        <translation>Wi-Fi (service de localisation)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPS receiver (gpsd)</source>
        <translation>Récepteur GPS (gpsd)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <location filename="../../frameworks/Extensions/src/Readout.cpp" line="+497"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>SitesWindow</name>
    <message>
        <location filename="../../src/sites/SitesWindow.cpp" line="+40"/>
        <source>This line is not a latitude, a longitude, an elevation, a time zone and a name separated by tabs</source>
        <translation>Cette ligne n’est pas une latitude, une longitude, une altitude, un fuseau horaire et un nom séparés par des tabulations</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The latitude is not a number of degrees from −90 to +90</source>
        <translation>La latitude n’est pas un nombre de degrés de −90 à +90</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The longitude is not a number of degrees from −180 to +180</source>
        <translation>La longitude n’est pas un nombre de degrés de −180 à +180</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The elevation is not a number of metres from −500 to 9000</source>
        <translation>L’altitude n’est pas un nombre de mètres de −500 à 9000</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This system has no such time zone: choose one from the list</source>
        <translation>Ce système n’a pas ce fuseau horaire : choisissez-en un dans la liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name is empty, longer than %1 characters or holds a control character</source>
        <translation>Le nom est vide, dépasse %1 caractères ou contient un caractère de contrôle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The list follows at most %1 sites: this one waits until one is removed</source>
        <translation>La liste suit au plus %1 sites : celui-ci attend qu’un autre soit retiré</translation>
    </message>
    <message>
        <location line="+49"/>
        <location line="+52"/>
        <source>Sites</source>
        <translation>Sites</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Site name</source>
        <translation>Nom du site</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cerro Pachón</source>
        <translation>Cerro Pachón</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latitude, degrees, north positive</source>
        <translation>Latitude en degrés, nord positif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Latitude</source>
        <translation>&amp;Latitude</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longitude, degrees, east positive</source>
        <translation>Longitude en degrés, est positif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L&amp;ongitude</source>
        <translation>L&amp;ongitude</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elevation, metres</source>
        <translation>Altitude en mètres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Elevation</source>
        <translation>&amp;Altitude</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+22"/>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>&amp;Time zone</source>
        <translation>&amp;Fuseau horaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Local time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>LST</source>
        <translation>TSL</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Daylight</source>
        <translation>Lumière du jour</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&amp;Observe from Here</source>
        <translation>&amp;Observer d’ici</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Makes the selected site the observer&apos;s position, as a manual position</source>
        <translation>Fait du site choisi la position manuelle de l’observateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>A stored row holds no site: it is kept as it is, and its tooltip says why</source>
        <translation>Une ligne enregistrée ne contient pas de site : elle est gardée telle quelle, son infobulle dit pourquoi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stored rows hold no site: they are kept as they are, and their tooltips say why</source>
        <translation>%1 lignes enregistrées ne contiennent pas de site : elles sont gardées telles quelles, leurs infobulles disent pourquoi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The stored list is too long: its last %1 characters are not shown</source>
        <translation>La liste enregistrée est trop longue : ses %1 derniers caractères ne sont pas affichés</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Latitude %1°, longitude %2°, elevation %3 m</source>
        <translation>Latitude %1°, longitude %2°, altitude %3 m</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The list holds at most %1 sites: remove one to add another</source>
        <translation>La liste contient au plus %1 sites : retirez-en un pour en ajouter un autre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Give the site a name of at most %1 characters</source>
        <translation>Donnez au site un nom d’au plus %1 caractères</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The unreadable rows leave no room to store another site: remove one of them</source>
        <translation>Les lignes illisibles ne laissent pas de place pour un autre site : retirez-en une</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The clocks now observe from %1</source>
        <translation>Les horloges observent maintenant depuis %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The clocks observe from %1, but the settings file %2 cannot be written</source>
        <translation>Les horloges observent depuis %1, mais le fichier de réglages %2 ne peut pas être écrit</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cannot write the settings file %1: the list is kept, and saved once it can be</source>
        <translation>Impossible d’écrire le fichier de réglages %1 : la liste est gardée, et enregistrée dès que possible</translation>
    </message>
</context>
<context>
    <name>SkyTexts</name>
    <message>
        <location filename="../../src/sky/SkyTexts.cpp" line="+39"/>
        <source>%1 h %2 m</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 m</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>day</source>
        <translation>jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>civil twilight</source>
        <translation>crépuscule civil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nautical twilight</source>
        <translation>crépuscule nautique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>astronomical twilight</source>
        <translation>crépuscule astronomique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>night</source>
        <translation>nuit</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>sunset</source>
        <translation>coucher du Soleil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>civil dusk</source>
        <translation>fin du crépuscule civil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nautical dusk</source>
        <translation>fin du crépuscule nautique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>astronomical dusk</source>
        <translation>fin du crépuscule astronomique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>astronomical dawn</source>
        <translation>début de l’aube astronomique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nautical dawn</source>
        <translation>début de l’aube nautique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>civil dawn</source>
        <translation>début de l’aube civile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sunrise</source>
        <translation>lever du Soleil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>moonrise</source>
        <translation>lever de la Lune</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>moonset</source>
        <translation>coucher de la Lune</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <location filename="../../src/scripting/Snapshot.cpp" line="+259"/>
        <source>the almanac covers the years 1900 to 2100 only</source>
        <translation>l’almanach ne couvre que les années 1900 à 2100</translation>
    </message>
</context>
<context>
    <name>SparklePreferences::SparklePreferences</name>
    <message>
        <location filename="../../frameworks/SparklePreferences/src/SparklePreferences.cpp" line="+59"/>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Daily</source>
        <translation>Chaque jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weekly</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monthly</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Download…</source>
        <translation>Télécharger…</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Last checked: Never</source>
        <translation>Dernière recherche&#xa0;: jamais</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Last checked: %1</source>
        <translation>Dernière recherche&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Software Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
</context>
<context>
    <name>SparklePreferences::UpdateCheck</name>
    <message>
        <location filename="../../frameworks/SparklePreferences/src/UpdateCheck.cpp" line="+44"/>
        <source>%1 is not a secure (https) address.</source>
        <translation>%1 n’est pas une adresse sécurisée (https).</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>the server sent the request on to %1, which is not allowed.</source>
        <translation>le serveur a redirigé la requête vers %1, ce qui n’est pas autorisé.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the server answered %1 %2.</source>
        <translation>le serveur a répondu %1 %2.</translation>
    </message>
</context>
<context>
    <name>SparklePreferences::UpdateResult</name>
    <message>
        <location filename="../../frameworks/SparklePreferences/src/UpdateResult.cpp" line="+15"/>
        <source>%1 %2 is available; you have %3.</source>
        <translation>%1 %2 est disponible&#x202f;; vous avez la version %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 %2 is up to date.</source>
        <translation>%1 %2 est à jour.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not reach the update server: %1</source>
        <translation>Impossible de joindre le serveur de mises à jour&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The update feed could not be read.</source>
        <translation>Le flux des mises à jour n’a pas pu être lu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The update server did not answer in time.</source>
        <translation>Le serveur de mises à jour n’a pas répondu à temps.</translation>
    </message>
</context>
<context>
    <name>TargetCells</name>
    <message>
        <location filename="../../src/targets/TargetCells.cpp" line="+28"/>
        <source>now</source>
        <translation>maintenant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in %1</source>
        <translation>dans %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 ago</source>
        <translation>il y a %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>up</source>
        <translation>levé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>down</source>
        <translation>couché</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>never rises</source>
        <translation>ne se lève jamais</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>never sets</source>
        <translation>ne se couche jamais</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>circumpolar</source>
        <translation>circumpolaire</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Dark hours above %1°</source>
        <translation>Nuit noire au-dessus de %1°</translation>
    </message>
</context>
<context>
    <name>TargetsWindow</name>
    <message>
        <location filename="../../src/targets/TargetsWindow.cpp" line="+67"/>
        <source>Type a right ascension, such as 05 35 17.3</source>
        <translation>Saisissez une ascension droite, par exemple 05 35 17.3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type a declination, such as −05 23 28</source>
        <translation>Saisissez une déclinaison, par exemple −05 23 28</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The right ascension reads as neither hours (5.588) nor hours, minutes and seconds (05 35 17.3)</source>
        <translation>L&apos;ascension droite ne se lit ni en heures (5.588) ni en heures, minutes et secondes (05 35 17.3)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The declination reads as neither degrees (−5.391) nor degrees, minutes and seconds (−05 23 28)</source>
        <translation>La déclinaison ne se lit ni en degrés (−5.391) ni en degrés, minutes et secondes (−05 23 28)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A right ascension has no sign: it runs from 0 h to 24 h</source>
        <translation>Une ascension droite n&apos;a pas de signe : elle va de 0 h à 24 h</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minutes run from 0 to 59</source>
        <translation>Les minutes vont de 0 à 59</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Seconds run from 0 to 59.9…</source>
        <translation>Les secondes vont de 0 à 59,9…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A right ascension is below 24 h</source>
        <translation>Une ascension droite est inférieure à 24 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A declination lies between −90° and +90°</source>
        <translation>Une déclinaison est comprise entre −90° et +90°</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This line is not a right ascension, a declination and a name separated by tabs</source>
        <translation>Cette ligne n’est pas une ascension droite, une déclinaison et un nom séparés par des tabulations</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The right ascension is not a number of hours from 0 to below 24</source>
        <translation>L’ascension droite n’est pas un nombre d’heures de 0 à moins de 24</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The declination is not a number of degrees from −90 to +90</source>
        <translation>La déclinaison n’est pas un nombre de degrés de −90 à +90</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name is empty, longer than %1 characters or holds a control character</source>
        <translation>Le nom est vide, dépasse %1 caractères ou contient un caractère de contrôle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The list follows at most %1 targets: this one waits until one is removed</source>
        <translation>La liste suit au plus %1 cibles : celle-ci attend qu’une autre soit retirée</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <location line="+84"/>
        <location line="+31"/>
        <source>Targets</source>
        <translation>Cibles</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Target name</source>
        <translation>Nom de la cible</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>M42</source>
        <translation>M42</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;RA (J2000)</source>
        <translation>&amp;AD (J2000)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right ascension, J2000</source>
        <translation>Ascension droite, J2000</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&amp;ec (J2000)</source>
        <translation>D&amp;éc (J2000)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Declination, J2000</source>
        <translation>Déclinaison, J2000</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RA</source>
        <translation>AD</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dec</source>
        <translation>Déc</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hour angle</source>
        <translation>Angle horaire</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Meridian</source>
        <translation>Méridien</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Altitude</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Airmass</source>
        <translation>Masse d&apos;air</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rise</source>
        <translation>Lever</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Transit</source>
        <translation>Culmination</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set</source>
        <translation>Coucher</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Why no position is shown</source>
        <translation>Pourquoi aucune position n’est affichée</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dark hours a&amp;bove</source>
        <translation>Nuit noire au-&amp;dessus de</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lowest altitude for dark hours, degrees</source>
        <translation>Hauteur minimale pour la nuit noire, en degrés</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>A stored row holds no target: it is kept as it is, and its tooltip says why</source>
        <translation>Une ligne enregistrée ne contient aucune cible : elle est gardée telle quelle, et son infobulle dit pourquoi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stored rows hold no target: they are kept as they are, and their tooltips say why</source>
        <translation>%1 lignes enregistrées ne contiennent aucune cible : elles sont gardées telles quelles, et leurs infobulles disent pourquoi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No rising and setting times: the almanac covers the years 1900 to 2100</source>
        <translation>Pas d&apos;heures de lever ni de coucher : l&apos;almanach couvre les années 1900 à 2100</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Not used: the altitude is a number of degrees from %1 to %2</source>
        <translation>Non utilisé : la hauteur est un nombre de degrés de %1 à %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot write the settings file %1: the altitude holds until Horavane ends</source>
        <translation>Impossible d&apos;écrire le fichier de réglages %1 : la hauteur vaut jusqu&apos;à la fermeture d&apos;Horavane</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>The list holds at most %1 targets: remove one to add another</source>
        <translation>La liste contient au plus %1 cibles : retirez-en une pour en ajouter une autre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Give the target a name of at most %1 characters</source>
        <translation>Donnez à la cible un nom d&apos;au plus %1 caractères</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The unreadable rows leave no room to store another target: remove one of them</source>
        <translation>Les lignes illisibles ne laissent pas de place pour une autre cible : retirez-en une</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Cannot write the settings file %1: the list is kept, and saved once it can be</source>
        <translation>Impossible d&apos;écrire le fichier de réglages %1 : la liste est conservée et sera enregistrée dès que possible</translation>
    </message>
</context>
<context>
    <name>TimeSources</name>
    <message numerus="yes">
        <location filename="../../src/timescales/TimeSources.cpp" line="+53"/>
        <source>%n files in %1 set aside (%2: %3)</source>
        <translation>
            <numerusform>%n fichier de %1 mis de côté (%2 : %3)</numerusform>
            <numerusform>%n fichiers de %1 mis de côté (%2 : %3)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+58"/>
        <location line="+190"/>
        <source>The system&apos;s leap-second list expired on %1</source>
        <translation>La liste des secondes intercalaires du système a expiré le %1</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>%1 was not imported: %2</source>
        <translation>%1 n’a pas été importé : %2</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The folder %1 cannot be read</source>
        <translation>Le dossier %1 ne peut pas être lu</translation>
    </message>
    <message>
        <location line="-170"/>
        <location line="+259"/>
        <source>%1 set aside: %2</source>
        <translation>%1 écarté : %2</translation>
    </message>
</context>
<context>
    <name>TimesyncReader</name>
    <message>
        <location filename="../../src/timescales/TimesyncReader.cpp" line="+93"/>
        <source>systemd-timesyncd passed over: %1</source>
        <translation>systemd-timesyncd ignoré : %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>ServerName is not a string</source>
        <translation>ServerName n&apos;est pas une chaîne</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTPMessage is not an NTP message</source>
        <translation>NTPMessage n&apos;est pas un message NTP</translation>
    </message>
</context>
<context>
    <name>TonightTexts</name>
    <message>
        <location filename="../../src/tonight/TonightTexts.cpp" line="+46"/>
        <source>Times in %1</source>
        <translation>Heures en %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Times in %1, %2 from %3</source>
        <translation>Heures en %1, en %2 à partir de %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>new Moon</source>
        <translation>nouvelle Lune</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waxing crescent</source>
        <translation>premier croissant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>first quarter</source>
        <translation>premier quartier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waxing gibbous</source>
        <translation>gibbeuse croissante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>full Moon</source>
        <translation>pleine Lune</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waning gibbous</source>
        <translation>gibbeuse décroissante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>last quarter</source>
        <translation>dernier quartier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waning crescent</source>
        <translation>dernier croissant</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 % illuminated, waxing</source>
        <translation>%1 % éclairée, croissante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 % illuminated, waning</source>
        <translation>%1 % éclairée, décroissante</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, %2 days old</source>
        <translation>%1, âgée de %2 jours</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no dark hours tonight</source>
        <translation>pas d’heures d’obscurité cette nuit</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the Sun does not set</source>
        <translation>le Soleil ne se couche pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no astronomical night — civil twilight all night</source>
        <translation>pas de nuit astronomique — crépuscule civil toute la nuit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no astronomical night — nautical twilight all night</source>
        <translation>pas de nuit astronomique — crépuscule nautique toute la nuit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no astronomical night — astronomical twilight all night</source>
        <translation>pas de nuit astronomique — crépuscule astronomique toute la nuit</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the Sun does not rise</source>
        <translation>le Soleil ne se lève pas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no moonrise tonight</source>
        <translation>pas de lever de la Lune cette nuit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no moonset tonight</source>
        <translation>pas de coucher de la Lune cette nuit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The almanac is not available for this date: it covers the years 1900 to 2100</source>
        <translation>Les éphémérides ne couvrent pas cette date : elles vont de 1900 à 2100</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no more events tonight</source>
        <translation>plus aucun événement cette nuit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 in %2</source>
        <translation>%1 dans %2</translation>
    </message>
</context>
<context>
    <name>TonightWindow</name>
    <message>
        <location filename="../../src/tonight/TonightWindow.cpp" line="+66"/>
        <source>Tonight</source>
        <translation>Cette nuit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Why the night is not shown</source>
        <translation>Pourquoi la nuit n’est pas affichée</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The night shown</source>
        <translation>La nuit affichée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The time zone of the times shown</source>
        <translation>Le fuseau horaire des heures affichées</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+131"/>
        <source>not tonight</source>
        <translation>pas cette nuit</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Why there is no sunset or sunrise</source>
        <translation>Pourquoi il n’y a ni coucher ni lever du Soleil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sunset:</source>
        <translation>Coucher du Soleil :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Civil dusk:</source>
        <translation>Fin du crépuscule civil :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nautical dusk:</source>
        <translation>Fin du crépuscule nautique :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Astronomical dusk:</source>
        <translation>Fin du crépuscule astronomique :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astronomical dawn:</source>
        <translation>Début de l’aube astronomique :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nautical dawn:</source>
        <translation>Début de l’aube nautique :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Civil dawn:</source>
        <translation>Début de l’aube civile :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sunrise:</source>
        <translation>Lever du Soleil :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Why there is no astronomical night</source>
        <translation>Pourquoi il n’y a pas de nuit astronomique</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moonrise:</source>
        <translation>Lever de la Lune :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moonset:</source>
        <translation>Coucher de la Lune :</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Illuminated:</source>
        <translation>Éclairée :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The Moon&apos;s illuminated part at midnight, and whether it grows</source>
        <translation>La partie éclairée de la Lune à minuit, et si elle croît</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Phase:</source>
        <translation>Phase :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The Moon&apos;s phase at midnight, and its age since new Moon</source>
        <translation>La phase de la Lune à minuit, et son âge depuis la nouvelle Lune</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark</source>
        <translation>Obscurité</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark:</source>
        <translation>Obscurité :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark hours:</source>
        <translation>Heures d’obscurité :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Astronomical night with the Moon down, in all</source>
        <translation>Nuit astronomique sans la Lune, au total</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sun altitude:</source>
        <translation>Hauteur du Soleil :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The altitude of the Sun&apos;s centre, without refraction</source>
        <translation>La hauteur du centre du Soleil, sans réfraction</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moon altitude:</source>
        <translation>Hauteur de la Lune :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The altitude of the Moon&apos;s centre, without refraction</source>
        <translation>La hauteur du centre de la Lune, sans réfraction</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Part of the day:</source>
        <translation>Moment de la journée :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next:</source>
        <translation>Prochain :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The night&apos;s next event, and how long until it</source>
        <translation>Le prochain événement de la nuit, et le temps qui reste</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Night of %1</source>
        <translation>Nuit du %1</translation>
    </message>
</context>
<context>
    <name>UpdatePane</name>
    <message>
        <location filename="../UpdatePane.ui" line="+6"/>
        <source>Software update preferences</source>
        <translation>Préférences de mise à jour</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Running version</source>
        <translation>Version en cours</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <source>Automatic checks</source>
        <translation>Vérifications automatiques</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Check for updates automatically</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check for updates &amp;automatically</source>
        <translation>Rechercher &amp;automatiquement les mises à jour</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;How often:</source>
        <translation>&amp;Fréquence :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>How often to check</source>
        <translation>Fréquence de vérification</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Last check</source>
        <translation>Dernière vérification</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Check &amp;Now</source>
        <translation>&amp;Vérifier maintenant</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Result of the last check</source>
        <translation>Résultat de la dernière vérification</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Release notes</source>
        <translation>Notes de version</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&amp;Release Notes…</source>
        <translation>&amp;Notes de version…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Download…</source>
        <translation>&amp;Télécharger…</translation>
    </message>
</context>
</TS>
