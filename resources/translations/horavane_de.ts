<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlarmBanner</name>
    <message>
        <location filename="../../src/digital/AlarmBanner.cpp" line="+21"/>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click or press Escape to dismiss</source>
        <translation>Zum Schließen klicken oder Escape drücken</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 und %n weiterer</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AlarmNotifier</name>
    <message>
        <location filename="../../src/scripting/AlarmNotifier.cpp" line="+24"/>
        <source>no session bus (%1)</source>
        <translation>kein Sitzungsbus (%1)</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>the notification service has not answered the last %n notifications</source>
        <translation>
            <numerusform>der Benachrichtigungsdienst hat auf die letzte Benachrichtigung (%n) nicht geantwortet</numerusform>
            <numerusform>der Benachrichtigungsdienst hat auf die letzten %n Benachrichtigungen nicht geantwortet</numerusform>
        </translation>
    </message>
    <message>
        <location line="+30"/>
        <source>the notification service did not answer within %1 s</source>
        <translation>der Benachrichtigungsdienst hat nicht innerhalb von %1 s geantwortet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no notification service on the session bus</source>
        <translation>kein Benachrichtigungsdienst auf dem Sitzungsbus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the notification service answered with an error: %1</source>
        <translation>der Benachrichtigungsdienst hat mit einem Fehler geantwortet: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>alarms are not shown as desktop notifications: %1; the digital window&apos;s banner still shows them</source>
        <translation>Alarme erscheinen nicht als Desktop-Benachrichtigungen: %1; das Band im digitalen Fenster zeigt sie weiterhin</translation>
    </message>
</context>
<context>
    <name>AlarmTexts</name>
    <message>
        <location filename="../../src/engine/AlarmTexts.cpp" line="+21"/>
        <source>LST %1</source>
        <translation>LST %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 %2 UTC</source>
        <translation>%1 %2 UTC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 %2 local time</source>
        <translation>%1 %2 Ortszeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 UTC, every day</source>
        <translation>%1 UTC, täglich</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 local time, every day</source>
        <translation>%1 Ortszeit, täglich</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 crosses the meridian</source>
        <translation>%1 geht durch den Meridian</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 at hour angle %2 h</source>
        <translation>%1 bei Stundenwinkel %2 h</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the start of dark</source>
        <translation>Beginn der Dunkelheit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the end of dark</source>
        <translation>Ende der Dunkelheit</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the clock loses its synchronisation</source>
        <translation>die Uhr verliert ihre Synchronisation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the GPS disagrees with the clock</source>
        <translation>das GPS weicht von der Uhr ab</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the Earth-orientation data goes stale</source>
        <translation>die Erdorientierungsdaten veralten</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%n min before %1</source>
        <translation>
            <numerusform>%n Min. vor %1</numerusform>
            <numerusform>%n Min. vor %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>LST</source>
        <translation>LST</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tonight</source>
        <translation>heute Nacht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>clock health</source>
        <translation>Zustand der Uhr</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1, at %2</source>
        <translation>%1, um %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>%1 (late: the computer was asleep)</source>
        <translation>%1 (verspätet: der Rechner schlief)</translation>
    </message>
</context>
<context>
    <name>AlarmsWindow</name>
    <message>
        <location filename="../../src/alarms/AlarmsWindow.cpp" line="+56"/>
        <source>This line is not a kind, a time, a target, minutes before and a name separated by tabs</source>
        <translation>Diese Zeile besteht nicht aus Art, Zeit, Ziel, Minuten vorher und Name, durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The kind is not one of lst, local, utc, target, tonight or health</source>
        <translation>Die Art ist keine von lst, local, utc, target, tonight oder health</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The time is not HH:MM:SS from 00:00:00 to 23:59:59 (24:00:00 is the next day&apos;s 00:00:00), with a date YYYY-MM-DD before it for once</source>
        <translation>Die Zeit ist nicht HH:MM:SS von 00:00:00 bis 23:59:59 (24:00:00 ist 00:00:00 des nächsten Tages), für einmal mit einem Datum JJJJ-MM-TT davor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The hour angle is not a number of hours from −12 to +12</source>
        <translation>Der Stundenwinkel ist keine Zahl von Stunden von −12 bis +12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The event or trouble is not one this alarm can wait for</source>
        <translation>Auf dieses Ereignis oder diese Störung kann der Alarm nicht warten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only a target alarm names a target, and it names one</source>
        <translation>Nur ein Zielalarm nennt ein Ziel, und er nennt eines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The minutes before are not a whole number from 0 to %1 (0 for the clock&apos;s health)</source>
        <translation>Die Minuten vorher sind keine ganze Zahl von 0 bis %1 (0 für den Zustand der Uhr)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The name is empty, longer than %1 characters or holds a control character</source>
        <translation>Der Name ist leer, länger als %1 Zeichen oder enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Only the first %1 alarms ring: this one waits until one is removed</source>
        <translation>Nur die ersten %1 Alarme klingeln: dieser wartet, bis einer entfernt wird</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+5"/>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Alarm name</source>
        <translation>Name des Alarms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flip M42</source>
        <translation>M42 umschlagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kind of alarm</source>
        <translation>Art des Alarms</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Kind</source>
        <translation>&amp;Art</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;When</source>
        <translation>&amp;Wann</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Time, HH:MM:SS</source>
        <translation>Zeit, HH:MM:SS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Once, on</source>
        <translation>&amp;Einmal, am</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of the one alarm</source>
        <translation>Datum des einmaligen Alarms</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Target of the Targets list</source>
        <translation>Ziel der Zielliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>at &amp;hour angle</source>
        <translation>bei &amp;Stundenwinkel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hour angle, hours, positive past the meridian</source>
        <translation>Stundenwinkel, Stunden, positiv nach dem Meridian</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0: on the meridian</source>
        <translation>0: im Meridian</translation>
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
        <translation>Ereignis der Nacht</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Trouble of the clock</source>
        <translation>Störung der Uhr</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Minutes before</source>
        <translation>Minuten vorher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Before</source>
        <translation>&amp;Vorher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>A stored row holds no alarm: it is kept as it is, and says why</source>
        <translation>Eine gespeicherte Zeile enthält keinen Alarm: sie bleibt, wie sie ist, und sagt, warum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stored rows hold no alarm: they are kept as they are, and say why</source>
        <translation>%1 gespeicherte Zeilen enthalten keinen Alarm: sie bleiben, wie sie sind, und sagen, warum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The stored list is too long: its last %1 characters are not shown</source>
        <translation>Die gespeicherte Liste ist zu lang: ihre letzten %1 Zeichen werden nicht gezeigt</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>rang at %1</source>
        <translation>klingelte um %1</translation>
    </message>
    <message numerus="yes">
        <location line="+70"/>
        <source>%n min</source>
        <translation>
            <numerusform>%n Min.</numerusform>
            <numerusform>%n Min.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not in the Targets list: it will not ring</source>
        <translation>nicht in der Zielliste: er wird nicht klingeln</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The list holds at most %1 alarms: remove one to add another</source>
        <translation>Die Liste fasst höchstens %1 Alarme: entfernen Sie einen, um einen weiteren hinzuzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Give the alarm a name of at most %1 characters</source>
        <translation>Geben Sie dem Alarm einen Namen von höchstens %1 Zeichen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The Targets list is empty: add the target there first</source>
        <translation>Die Zielliste ist leer: fügen Sie das Ziel zuerst dort hinzu</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The settings have no room to store another alarm: remove one, or give shorter names</source>
        <translation>In den Einstellungen ist kein Platz für einen weiteren Alarm: entfernen Sie einen oder wählen Sie kürzere Namen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Cannot write the settings file %1: the list is kept, and saved once it can be</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden: die Liste bleibt erhalten und wird gespeichert, sobald es geht</translation>
    </message>
</context>
<context>
    <name>AnalogClockWindow</name>
    <message>
        <location filename="../AnalogClockWindow.ui" line="+6"/>
        <source>Analog Clock</source>
        <translation>Analoguhr</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UTC dial</source>
        <translation>UTC-Zifferblatt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Local time dial</source>
        <translation>Ortszeit-Zifferblatt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Local</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Sidereal time dial</source>
        <translation>Sternzeit-Zifferblatt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>LST</source>
        <translation>LST</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="+180"/>
        <source>Import Earth Orientation Data</source>
        <translation>Erdorientierungsdaten importieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IERS Bulletin A or finals files (*.dat *.data *.daily *.all *.txt);;All files (*)</source>
        <translation>IERS-Bulletin-A- oder finals-Dateien (*.dat *.data *.daily *.all *.txt);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>AppMenu</name>
    <message>
        <location filename="../../src/app/AppMenu.cpp" line="+30"/>
        <source>&amp;About Horavane</source>
        <translation>Über &amp;Horavane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Donate…</source>
        <translation>&amp;Spenden…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for &amp;Updates…</source>
        <translation>Nach &amp;Aktualisierungen suchen…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Earth Orientation Data…</source>
        <translation>Erdorientierungsdaten &amp;importieren…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Details</source>
        <translation>&amp;Details anzeigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Night Vision</source>
        <translation>&amp;Nachtsicht</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Bright</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Dim</source>
        <translation>&amp;Gedämpft</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stay on &amp;Top</source>
        <translation>Immer &amp;oben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Digital Clock</source>
        <translation>&amp;Digitaluhr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Analog Clock</source>
        <translation>&amp;Analoguhr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Targets</source>
        <translation>&amp;Ziele</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;onight</source>
        <translation>&amp;Heute Nacht</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+4</source>
        <translation>Ctrl+4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;larms</source>
        <translation>A&amp;larme</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+5</source>
        <translation>Ctrl+5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sites</source>
        <translation>&amp;Standorte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+6</source>
        <translation>Ctrl+6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>&amp;Horavane</source>
        <translation>&amp;Horavane</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Night Vision &amp;Brightness</source>
        <translation>Nachtsicht-&amp;Helligkeit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>About Horavane</source>
        <translation>Über Horavane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;h3&gt;Horavane %1&lt;/h3&gt;&lt;p&gt;A clock for astronomers: civil local time, UTC and the local sidereal time of your site, exact to the second.&lt;/p&gt;&lt;p&gt;Sidereal time: IAU 2006/2000A apparent sidereal time, computed with ERFA.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://horavane.org&quot;&gt;horavane.org&lt;/a&gt; · GNU General Public License, version 3 or later.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Horavane %1&lt;/h3&gt;&lt;p&gt;Eine Uhr für Astronomen: die bürgerliche Zeit Ihrer Zeitzone, UTC und die lokale Sternzeit Ihres Standorts, sekundengenau.&lt;/p&gt;&lt;p&gt;Sternzeit: scheinbare Sternzeit nach IAU&#xa0;2006/2000A, berechnet mit ERFA.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;https://horavane.org&quot;&gt;horavane.org&lt;/a&gt; · GNU General Public License, Version 3 oder später.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>AppUtils::Donation</name>
    <message>
        <location filename="../../frameworks/AppUtils/src/Donation.cpp" line="+105"/>
        <source>Don&apos;t show this again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Support %1</source>
        <translation>%1 unterstützen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Keeps this window from opening when %1 starts</source>
        <translation>Verhindert, dass sich dieses Fenster beim Start von %1 öffnet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Donate…</source>
        <translation>Spenden…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opens the donation page in your web browser</source>
        <translation>Öffnet die Spendenseite in Ihrem Webbrowser</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 is free software. Thank you for your support!</source>
        <translation>%1 ist freie Software. Vielen Dank für Ihre Unterstützung!</translation>
    </message>
</context>
<context>
    <name>BoundedFile</name>
    <message>
        <location filename="../../frameworks/AppUtils/src/BoundedFile.cpp" line="+29"/>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>larger than %1</source>
        <translation>größer als %1</translation>
    </message>
</context>
<context>
    <name>ChronyReader</name>
    <message>
        <location filename="../../src/timescales/ChronyReader.cpp" line="+39"/>
        <source>chronyc did not answer within %1 s</source>
        <translation>chronyc hat nicht innerhalb von %1 s geantwortet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>chronyc answered something other than chrony&apos;s tracking report</source>
        <translation>chronyc hat etwas anderes als chronys Tracking-Bericht geantwortet</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>chrony passed over: %1</source>
        <translation>chrony übergangen: %1</translation>
    </message>
</context>
<context>
    <name>ClockService</name>
    <message>
        <location filename="../../src/scripting/ClockService.cpp" line="+60"/>
        <source>No session bus (%1): other programs cannot read this clock over D-Bus.</source>
        <translation>Kein Sitzungsbus (%1): Andere Programme können diese Uhr nicht über D-Bus lesen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The clock cannot be put on the session bus at %1: other programs cannot read it.</source>
        <translation>Die Uhr kann nicht auf den Sitzungsbus unter %1 gestellt werden: Andere Programme können sie nicht lesen.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The session bus did not give the name %1 (%2): other programs cannot read this clock.</source>
        <translation>Der Sitzungsbus hat den Namen %1 nicht vergeben (%2): Andere Programme können diese Uhr nicht lesen.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Another program holds the D-Bus name %1: scripts that ask it do not read this clock, which takes the name when that program lets it go.</source>
        <translation>Ein anderes Programm hält den D-Bus-Namen %1: Skripte, die es fragen, lesen nicht diese Uhr; sie übernimmt den Namen, sobald das Programm ihn freigibt.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../src/app/CommandLine.cpp" line="+24"/>
        <source>Print the clock at this moment, as Horavane would show it with the stored settings and data files, as key: value lines, then end. Needs no display.</source>
        <translation>Die Uhr in diesem Moment ausgeben, wie Horavane sie mit den gespeicherten Einstellungen und Datendateien zeigen würde, als Zeilen „Schlüssel: Wert“, dann beenden. Braucht keinen Bildschirm.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print the night from local noon to the next local noon (the night in progress, or the one that starts on --date): sunset, twilight, sunrise, the Moon and the dark hours, as key: value lines, then end. Needs no display.</source>
        <translation>Gibt die Nacht von Mittag bis Mittag (Ortszeit) aus (die laufende oder die, die am --date beginnt): Sonnenuntergang, Dämmerung, Sonnenaufgang, den Mond und die dunklen Stunden, als Zeilen „Schlüssel: Wert“, und endet. Braucht keine Anzeige.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With --tonight: the night that starts at local noon of this date.</source>
        <translation>Mit --tonight: die Nacht, die um Mittag (Ortszeit) dieses Datums beginnt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print one line at each second flip, as &quot;LST 05:12:33 · UTC 21:40:07&quot;, until the output closes; a reader too slow for a line misses it. Needs no display.</source>
        <translation>Gibt bei jedem Sekundenwechsel eine Zeile aus, etwa „LST 05:12:33 · UTC 21:40:07“, bis die Ausgabe geschlossen wird; ein zu langsamer Leser verpasst Zeilen. Braucht keine Anzeige.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --now, --tonight or --follow: print one JSON object (a line) instead.</source>
        <translation>Mit --now, --tonight oder --follow: stattdessen ein JSON-Objekt (eine Zeile) ausgeben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>With --follow: print the JSON object of Waybar&apos;s custom module, with the details as its tooltip and the clock&apos;s health as its class.</source>
        <translation>Mit --follow: das JSON-Objekt für Waybars custom-Modul ausgeben, mit den Details als Tooltip und dem Zustand der Uhr als Klasse.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --follow: the line&apos;s text, with keys of --now in braces: {last:hms}, {utc:time}, {latitude} (see the manual).</source>
        <translation>Mit --follow: der Text der Zeile, mit Schlüsseln von --now in geschweiften Klammern: {last:hms}, {utc:time}, {latitude} (siehe Handbuch).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Civil time, UTC and local sidereal time for astronomers.</source>
        <translation>Bürgerliche Zeit, UTC und lokale Sternzeit für Astronomen.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>--json and --waybar go one at a time.</source>
        <translation>--json und --waybar gehen nur einzeln.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--format does not go with --json.</source>
        <translation>--format geht nicht mit --json.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>--date takes a date as YYYY-MM-DD, not &apos;%1&apos;.</source>
        <translation>--date erwartet ein Datum als JJJJ-MM-TT, nicht „%1“.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no night for %1: %2</source>
        <translation>keine Nacht für %1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a one-shot run does not wait for the location service; ask the running clock over D-Bus</source>
        <translation>ein einmaliger Aufruf wartet nicht auf den Ortungsdienst; fragen Sie die laufende Uhr über D-Bus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no position: %1</source>
        <translation>keine Position: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the night cannot be worked out: %1</source>
        <translation>die Nacht lässt sich nicht berechnen: %1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--now, --tonight and --follow go one at a time.</source>
        <translation>--now, --tonight und --follow gehen nur einzeln.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--waybar and --format go with --follow.</source>
        <translation>--waybar und --format gehören zu --follow.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--json goes with --now, --tonight or --follow.</source>
        <translation>--json gehört zu --now, --tonight oder --follow.</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>--date goes with --tonight.</source>
        <translation>--date gehört zu --tonight.</translation>
    </message>
</context>
<context>
    <name>DetailsPanel</name>
    <message>
        <location filename="../../src/digital/DetailsPanel.cpp" line="+55"/>
        <source>UT1 − UTC:</source>
        <translation>UT1 − UTC:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>UT1 minus UTC in seconds, and where it comes from</source>
        <translation>UT1 minus UTC in Sekunden und seine Herkunft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Why an Earth-orientation file was set aside</source>
        <translation>Warum eine Erdorientierungsdatei nicht verwendet wird</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>What the Earth-orientation download is doing, or why it failed</source>
        <translation>Was der Download der Erdorientierungsdaten gerade tut, oder warum er fehlschlug</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download from the IERS</source>
        <translation>Vom IERS herunterladen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keeps Earth-orientation data current from now on, starting with a download now</source>
        <translation>Hält die Erdorientierungsdaten ab jetzt aktuell, beginnend mit einem Download sofort</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Greenwich mean sidereal time:</source>
        <translation>Mittlere Sternzeit Greenwich:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Greenwich mean sidereal time</source>
        <translation>Mittlere Sternzeit Greenwich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greenwich apparent sidereal time:</source>
        <translation>Wahre Sternzeit Greenwich:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Greenwich apparent sidereal time</source>
        <translation>Wahre Sternzeit Greenwich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Local mean sidereal time:</source>
        <translation>Mittlere Ortssternzeit:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Local mean sidereal time at the observer</source>
        <translation>Mittlere Ortssternzeit am Beobachtungsort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Julian Date:</source>
        <translation>Julianisches Datum:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Julian Date of UTC</source>
        <translation>Julianisches Datum in UTC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modified Julian Date:</source>
        <translation>Modifiziertes Julianisches Datum:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Modified Julian Date of UTC</source>
        <translation>Modifiziertes Julianisches Datum in UTC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System clock:</source>
        <translation>Systemuhr:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>How far the computer&apos;s clock can be trusted</source>
        <translation>Wie weit der Uhr des Computers zu trauen ist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Leap seconds:</source>
        <translation>Schaltsekunden:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAI minus UTC, and until when the leap-second list is valid</source>
        <translation>TAI minus UTC und wie lange die Schaltsekundenliste gilt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Why the system&apos;s leap-second list was set aside</source>
        <translation>Warum die Schaltsekundenliste des Systems nicht verwendet wird</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Why other programs cannot read this clock</source>
        <translation>Warum andere Programme diese Uhr nicht lesen können</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPS:</source>
        <translation>GPS:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The GPS receiver&apos;s fix, the satellites it uses, and its time against the system clock</source>
        <translation>Positionsbestimmung des GPS-Empfängers, die genutzten Satelliten und seine Zeit gegenüber der Systemuhr</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>%1 · assumed: no Earth-orientation data</source>
        <translation>%1 · angenommen: keine Erdorientierungsdaten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 · typed on %2</source>
        <translation>%1 · eingegeben am %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>observed</source>
        <translation>beobachtet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>predicted</source>
        <translation>vorhergesagt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>extrapolated</source>
        <translation>extrapoliert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>stale</source>
        <translation>veraltet</translation>
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
        <translation>Erdorientierungsdaten werden vom IERS heruntergeladen…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>unknown: the system does not say</source>
        <translation>unbekannt: das System gibt keine Auskunft</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not synchronised — the times shown may be wrong</source>
        <translation>nicht synchronisiert — die angezeigten Zeiten können falsch sein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>synchronised, ±%1 ms (estimated ±%2 ms)</source>
        <translation>synchronisiert, ±%1 ms (geschätzt ±%2 ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>synchronised, ±%1 ms</source>
        <translation>synchronisiert, ±%1 ms</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>synchronised to %1 (stratum %2)</source>
        <translation>synchronisiert mit %1 (Stratum %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 · offset %2 ms</source>
        <translation>%1 · Abweichung %2 ms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 · ±%2 ms</source>
        <translation>%1 · ±%2 ms</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 · a leap second ends this UTC day</source>
        <translation>%1 · dieser UTC-Tag endet mit einer Schaltsekunde</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no report from gpsd</source>
        <translation>keine Meldung von gpsd</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no fix</source>
        <translation>keine Positionsbestimmung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2-D fix</source>
        <translation>2-D-Position</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3-D fix, %1 m</source>
        <translation>3-D-Position, %1 m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>3-D fix</source>
        <translation>3-D-Position</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 · %2 satellites used</source>
        <translation>%1 · %2 Satelliten genutzt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 · GPS − clock %2 s</source>
        <translation>%1 · GPS − Uhr %2 s</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the GPS says the system clock is %1 s slow</source>
        <translation>laut GPS geht die Systemuhr %1 s nach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the GPS says the system clock is %1 s fast</source>
        <translation>laut GPS geht die Systemuhr %1 s vor</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TAI − UTC = %1 s</source>
        <translation>TAI − UTC = %1 s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TAI − UTC unknown</source>
        <translation>TAI − UTC unbekannt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 · valid until %2</source>
        <translation>%1 · gültig bis %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 · ERFA&apos;s own table</source>
        <translation>%1 · ERFAs eigene Tabelle</translation>
    </message>
</context>
<context>
    <name>EarthOrientation</name>
    <message>
        <location filename="../../src/timescales/EarthOrientation.cpp" line="+24"/>
        <source>not an IERS Bulletin A or finals file</source>
        <translation>keine IERS-Bulletin-A- oder finals-Datei</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>truncated at line %1</source>
        <translation>abgeschnitten in Zeile %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unreadable row at line %1</source>
        <translation>unlesbare Zeile %1</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>MJD %1 does not match its date</source>
        <translation>MJD %1 passt nicht zu seinem Datum</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>UT1 − UTC of %1 s at MJD %2 is beyond ±0.9 s</source>
        <translation>UT1 − UTC von %1 s bei MJD %2 liegt außerhalb von ±0,9 s</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>rows out of order at MJD %1</source>
        <translation>Zeilen außer der Reihe bei MJD %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a day is missing after MJD %1</source>
        <translation>nach MJD %1 fehlt ein Tag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UT1 − UTC jumps by %1 s at MJD %2</source>
        <translation>UT1 − UTC springt bei MJD %2 um %1 s</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>larger than 16 MiB</source>
        <translation>größer als 16 MiB</translation>
    </message>
</context>
<context>
    <name>EarthOrientationDownload</name>
    <message>
        <location filename="../../src/timescales/EarthOrientationDownload.cpp" line="+30"/>
        <source>IERS download failed: %1</source>
        <translation>IERS-Download fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>larger than %1 MiB</source>
        <translation>größer als %1 MiB</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 is left out of the Earth-orientation sources: not an https address</source>
        <translation>%1 wird bei den Quellen der Erdorientierungsdaten ausgelassen: keine https-Adresse</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>no https address to download from</source>
        <translation>keine https-Adresse zum Herunterladen</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>sent on to an address that is not https</source>
        <translation>an eine Adresse ohne https weitergeleitet</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>HTTP %1</source>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cut short after %1 of %2 bytes</source>
        <translation>nach %1 von %2 Bytes abgebrochen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>not a finals file: an HTML page</source>
        <translation>keine finals-Datei: eine HTML-Seite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a finals file: %1</source>
        <translation>keine finals-Datei: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the download reaches %1, less far than the file held (%2)</source>
        <translation>der Download reicht bis %1, weniger weit als die vorhandene Datei (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>IERS download not kept: %1</source>
        <translation>IERS-Download nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>Extensions</name>
    <message>
        <location filename="../../frameworks/Extensions/src/Titles.cpp" line="+10"/>
        <source>%1 Preferences</source>
        <translation>%1-Einstellungen</translation>
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
        <translation>Ortszeit:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Civil date and time in the system time zone</source>
        <translation>Bürgerliches Datum und Uhrzeit in der Zeitzone des Systems</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>UTC:</source>
        <translation>UTC:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Coordinated Universal Time</source>
        <translation>Koordinierte Weltzeit</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Local sidereal time:</source>
        <translation>Lokale Sternzeit:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Local apparent sidereal time at the observer&apos;s longitude</source>
        <translation>Lokale scheinbare Sternzeit an der geographischen Länge des Beobachters</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Observer latitude and longitude</source>
        <translation>Geographische Breite und Länge des Beobachters</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Position source:</source>
        <translation>Positionsquelle:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Where the observer position comes from</source>
        <translation>Woher die Position des Beobachters stammt</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Why no position is shown</source>
        <translation>Warum keine Position angezeigt wird</translation>
    </message>
    <message>
        <location filename="../../src/engine/Location.cpp" line="+13"/>
        <source>Waiting for the first fix from the location service</source>
        <translation>Warten auf die erste Positionsbestimmung des Ortungsdienstes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The location service does not allow Horavane to know the position</source>
        <translation>Der Ortungsdienst gibt Horavane die Position nicht frei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No location service on this desktop: choose Manual in Preferences</source>
        <translation>Kein Ortungsdienst auf diesem Desktop: in den Einstellungen „Manuell“ wählen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The stored position is not one on Earth: type it again in Preferences</source>
        <translation>Die gespeicherte Position liegt nicht auf der Erde: Geben Sie sie in den Einstellungen neu ein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Waiting for gpsd at %1</source>
        <translation>Warten auf gpsd unter %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gpsd has no fix yet: %1 satellites seen</source>
        <translation>gpsd hat noch keine Positionsbestimmung: %1 Satelliten sichtbar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No gpsd at %1</source>
        <translation>Kein gpsd unter %1</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>No fix from the location service in a minute: choose Manual in Preferences</source>
        <translation>Seit einer Minute kein Standort vom Ortungsdienst: in den Einstellungen „Manuell“ wählen</translation>
    </message>
    <message>
        <location filename="../HoravaneWindow.ui" line="+7"/>
        <source>Open Preferences…</source>
        <translation>Einstellungen öffnen…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the General preferences, where the position is chosen</source>
        <translation>Öffnet die allgemeinen Einstellungen, in denen die Position gewählt wird</translation>
    </message>
    <message>
        <location filename="../../src/engine/Location.cpp" line="+9"/>
        <source>SiTech NTP Server gives no position</source>
        <translation>SiTech NTP Server liefert keine Position</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <location filename="../../frameworks/AppUtils/src/LaunchAtLogin.cpp" line="+231"/>
        <source>%1 cannot tell where its program file is.</source>
        <translation>%1 kann seine Programmdatei nicht finden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The autostart folder %1 is not writable.</source>
        <translation>Der Autostart-Ordner %1 ist nicht beschreibbar.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 was not written by %2; left as it is.</source>
        <translation>%1 stammt nicht von %2 und bleibt unverändert.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The login entry cannot start %1.</source>
        <translation>Der Anmeldeeintrag kann %1 nicht starten.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1 could not be removed.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>LeapSeconds</name>
    <message>
        <location filename="../../src/timescales/LeapSeconds.cpp" line="+131"/>
        <source>larger than 256 KiB</source>
        <translation>größer als 256 KiB</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>garbage at line %1</source>
        <translation>unverständlicher Inhalt in Zeile %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the first entry, at line %1, is not TAI − UTC = 10 s from 1 January 1972</source>
        <translation>der erste Eintrag in Zeile %1 ist nicht TAI − UTC = 10 s ab 1. Januar 1972</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>entries out of order at line %1</source>
        <translation>Einträge außer der Reihe in Zeile %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a step other than one second at line %1</source>
        <translation>ein Sprung von mehr als einer Sekunde in Zeile %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>an entry not at the start of a month at line %1</source>
        <translation>ein Eintrag nicht am Monatsanfang in Zeile %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not a leap-second list</source>
        <translation>keine Schaltsekundenliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has no date of last update</source>
        <translation>sie hat kein Datum der letzten Änderung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has no expiry date</source>
        <translation>sie hat kein Ablaufdatum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it expires before its last update</source>
        <translation>sie läuft vor ihrer letzten Änderung ab</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has no hash</source>
        <translation>sie hat keine Prüfsumme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its hash does not match its contents</source>
        <translation>ihre Prüfsumme passt nicht zum Inhalt</translation>
    </message>
</context>
<context>
    <name>LineTemplate</name>
    <message>
        <location filename="../../src/scripting/FollowLine.cpp" line="+25"/>
        <source>--format: %1</source>
        <translation>--format: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a &apos;}&apos; without its &apos;{&apos; (write }} for a brace)</source>
        <translation>ein „}“ ohne sein „{“ (}} schreibt eine Klammer)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a &apos;{&apos; without its &apos;}&apos; (write {{ for a brace)</source>
        <translation>ein „{“ ohne sein „}“ ({{ schreibt eine Klammer)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no key &apos;%1&apos;</source>
        <translation>kein Schlüssel „%1“</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no form &apos;%1&apos; for &apos;%2&apos; (hms goes with gmst, gast, lmst and last, time with utc)</source>
        <translation>keine Form „%1“ für „%2“ (hms gehört zu gmst, gast, lmst und last, time zu utc)</translation>
    </message>
</context>
<context>
    <name>Preferences::PreferencesWindowController</name>
    <message>
        <location filename="../../frameworks/Preferences/src/PreferencesWindowController.cpp" line="+114"/>
        <source>Panes</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneral</name>
    <message>
        <location filename="../PreferencesGeneral.ui" line="+6"/>
        <source>General preferences</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>Position source</source>
        <translation>Positionsquelle</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Chosen only by an older settings file; the server is kept but not contacted.</source>
        <translation>Nur von einer älteren Einstellungsdatei gewählt; der Server bleibt gespeichert, wird aber nicht kontaktiert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SiTech NTP Server as position source</source>
        <translation>SiTech NTP Server als Positionsquelle</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Server &amp;address:</source>
        <translation>Server&amp;adresse:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>e.g. 192.168.1.20</source>
        <translation>z. B. 192.168.1.20</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A whole number from 0 to 65535.</source>
        <translation>Eine ganze Zahl von 0 bis 65535.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Server port</source>
        <translation>Serverport</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>e.g. 8079</source>
        <translation>z. B. 8079</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Manual position as position source</source>
        <translation>Von Hand eingegebene Position als Positionsquelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Manual</source>
        <translation>&amp;Manuell</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Latitude:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Decimal degrees from -90 to 90, north positive.</source>
        <translation>Dezimalgrad von -90 bis 90, Norden positiv.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Latitude in degrees, north positive</source>
        <translation>Geographische Breite in Grad, Norden positiv</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>e.g. 51.4769</source>
        <translation>z. B. 51.4769</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>° north</source>
        <translation>° Nord</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>L&amp;ongitude:</source>
        <translation>&amp;Länge:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Decimal degrees from -180 to 180, east positive.</source>
        <translation>Dezimalgrad von -180 bis 180, Osten positiv.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Longitude in degrees, east positive</source>
        <translation>Geographische Länge in Grad, Osten positiv</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>e.g. -0.0005</source>
        <translation>z. B. -0.0005</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>° east</source>
        <translation>° Ost</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The position the desktop&apos;s location service reports.</source>
        <translation>Die Position, die der Ortungsdienst der Arbeitsumgebung meldet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Location service as position source</source>
        <translation>Ortungsdienst als Positionsquelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;WiFi (Location Service)</source>
        <translation>&amp;WLAN (Ortungsdienst)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The position and time of a GPS receiver that the gpsd daemon reads.</source>
        <translation>Position und Zeit eines GPS-Empfängers, den der Dienst gpsd ausliest.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>GPS receiver through gpsd as position source</source>
        <translation>GPS-Empfänger über gpsd als Positionsquelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;GPS receiver (gpsd)</source>
        <translation>&amp;GPS-Empfänger (gpsd)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The name or address of the computer gpsd runs on.</source>
        <translation>Name oder Adresse des Rechners, auf dem gpsd läuft.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>gpsd host</source>
        <translation>gpsd-Host</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>localhost</source>
        <translation>localhost</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Po&amp;rt:</source>
        <translation>Po&amp;rt:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A whole number from 1 to 65535; gpsd listens on 2947.</source>
        <translation>Eine ganze Zahl von 1 bis 65535; gpsd lauscht auf 2947.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>gpsd port</source>
        <translation>gpsd-Port</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2947</source>
        <translation>2947</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Why the gpsd host or port typed is not used</source>
        <translation>Warum der eingegebene gpsd-Host oder -Port nicht verwendet wird</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Show coordinates as decimal degrees</source>
        <translation>Koordinaten in Dezimalgrad anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show coordinates as &amp;decimal degrees</source>
        <translation>Koordinaten in &amp;Dezimalgrad anzeigen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The analog window&apos;s sidereal dial shows 0 to 23 with 0 at the top, its hour hand turning once a sidereal day.</source>
        <translation>Das Sternzeit-Zifferblatt der Analoguhr zeigt 0 bis 23, die 0 oben; sein Stundenzeiger dreht sich einmal je Sterntag.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>LST dial shows 24 hours</source>
        <translation>Sternzeit-Zifferblatt zeigt 24 Stunden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>LST dial shows &amp;24 hours</source>
        <translation>Sternzeit-Zifferblatt zeigt &amp;24 Stunden</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>DUT1 (UT1 − UTC):</source>
        <translation>DUT1 (UT1 − UTC):</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The DUT1 broadcast with time signals, between −0.9 and +0.9 seconds; used when no Earth-orientation file covers today</source>
        <translation>Das mit Zeitsignalen gesendete DUT1, zwischen −0,9 und +0,9 Sekunden; verwendet, wenn keine Erdorientierungsdatei den heutigen Tag abdeckt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DUT1 in seconds</source>
        <translation>DUT1 in Sekunden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>none</source>
        <translation>keins</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>When DUT1 was typed, or why it is not used</source>
        <translation>Wann DUT1 eingegeben wurde oder warum es nicht verwendet wird</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Once a day, in the background, fetch the IERS Rapid Service&apos;s finals file for UT1 − UTC. Nothing is downloaded while this is off.</source>
        <translation>Einmal täglich im Hintergrund die finals-Datei des IERS Rapid Service für UT1 − UTC abrufen. Solange dies aus ist, wird nichts heruntergeladen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep Earth-orientation data current</source>
        <translation>Erdorientierungsdaten aktuell halten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Keep Earth-orientation data current</source>
        <translation>&amp;Erdorientierungsdaten aktuell halten</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Start Horavane when you log in</source>
        <translation>Horavane bei der Anmeldung starten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Start Horavane when you log in</source>
        <translation>Horavane bei der Anmeldung &amp;starten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Why Horavane cannot start when you log in</source>
        <translation>Warum Horavane bei der Anmeldung nicht starten kann</translation>
    </message>
    <message>
        <location filename="../../src/preferences/PreferencesGeneral.cpp" line="+26"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location line="+330"/>
        <source>Not used: DUT1 is a number of seconds from −0.9 to +0.9</source>
        <translation>Nicht verwendet: DUT1 ist eine Zahl von Sekunden zwischen −0.9 und +0.9</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>typed on %1</source>
        <translation>eingegeben am %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Not used: the host is a name or an address, without spaces</source>
        <translation>Nicht verwendet: der Host ist ein Name oder eine Adresse, ohne Leerzeichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not used: the port is a whole number from 1 to 65535</source>
        <translation>Nicht verwendet: der Port ist eine ganze Zahl von 1 bis 65535</translation>
    </message>
    <message>
        <location filename="../PreferencesGeneral.ui" line="-391"/>
        <location filename="../../src/preferences/ObserverSettings.cpp" line="+9"/>
        <source>SiTech NTP Server</source>
        <translation>SiTech-NTP-Server</translation>
    </message>
    <message>
        <location filename="../../src/preferences/ObserverSettings.cpp" line="+2"/>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WiFi (Location Service)</source>
        <translation>WLAN (Ortungsdienst)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPS receiver (gpsd)</source>
        <translation>GPS-Empfänger (gpsd)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <location filename="../../frameworks/Extensions/src/Readout.cpp" line="+497"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>SitesWindow</name>
    <message>
        <location filename="../../src/sites/SitesWindow.cpp" line="+40"/>
        <source>This line is not a latitude, a longitude, an elevation, a time zone and a name separated by tabs</source>
        <translation>Diese Zeile besteht nicht aus Breite, Länge, Höhe, Zeitzone und Name, durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The latitude is not a number of degrees from −90 to +90</source>
        <translation>Die Breite ist keine Zahl von Grad zwischen −90 und +90</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The longitude is not a number of degrees from −180 to +180</source>
        <translation>Die Länge ist keine Zahl von Grad zwischen −180 und +180</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The elevation is not a number of metres from −500 to 9000</source>
        <translation>Die Höhe ist keine Zahl von Metern zwischen −500 und 9000</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This system has no such time zone: choose one from the list</source>
        <translation>Dieses System kennt diese Zeitzone nicht: Wählen Sie eine aus der Liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name is empty, longer than %1 characters or holds a control character</source>
        <translation>Der Name ist leer, länger als %1 Zeichen oder enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The list follows at most %1 sites: this one waits until one is removed</source>
        <translation>Die Liste verfolgt höchstens %1 Standorte: Dieser wartet, bis einer entfernt wird</translation>
    </message>
    <message>
        <location line="+49"/>
        <location line="+52"/>
        <source>Sites</source>
        <translation>Standorte</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Site name</source>
        <translation>Name des Standorts</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cerro Pachón</source>
        <translation>Cerro Pachón</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latitude, degrees, north positive</source>
        <translation>Breite in Grad, Norden positiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Latitude</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longitude, degrees, east positive</source>
        <translation>Länge in Grad, Osten positiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L&amp;ongitude</source>
        <translation>&amp;Länge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elevation, metres</source>
        <translation>Höhe in Metern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Elevation</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+22"/>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>&amp;Time zone</source>
        <translation>&amp;Zeitzone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>LST</source>
        <translation>LST</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Daylight</source>
        <translation>Tageslicht</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&amp;Observe from Here</source>
        <translation>Von &amp;hier beobachten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Makes the selected site the observer&apos;s position, as a manual position</source>
        <translation>Macht den gewählten Standort zur manuellen Position des Beobachters</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>A stored row holds no site: it is kept as it is, and its tooltip says why</source>
        <translation>Eine gespeicherte Zeile enthält keinen Standort: Sie bleibt erhalten, ihr Tooltip sagt warum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stored rows hold no site: they are kept as they are, and their tooltips say why</source>
        <translation>%1 gespeicherte Zeilen enthalten keinen Standort: Sie bleiben erhalten, ihre Tooltips sagen warum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The stored list is too long: its last %1 characters are not shown</source>
        <translation>Die gespeicherte Liste ist zu lang: Ihre letzten %1 Zeichen werden nicht gezeigt</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Latitude %1°, longitude %2°, elevation %3 m</source>
        <translation>Breite %1°, Länge %2°, Höhe %3 m</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The list holds at most %1 sites: remove one to add another</source>
        <translation>Die Liste fasst höchstens %1 Standorte: Entfernen Sie einen, um einen weiteren hinzuzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Give the site a name of at most %1 characters</source>
        <translation>Geben Sie dem Standort einen Namen mit höchstens %1 Zeichen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The unreadable rows leave no room to store another site: remove one of them</source>
        <translation>Die unlesbaren Zeilen lassen keinen Platz für einen weiteren Standort: Entfernen Sie eine davon</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The clocks now observe from %1</source>
        <translation>Die Uhren beobachten jetzt von %1 aus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The clocks observe from %1, but the settings file %2 cannot be written</source>
        <translation>Die Uhren beobachten von %1 aus, aber die Einstellungsdatei %2 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cannot write the settings file %1: the list is kept, and saved once it can be</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden: Die Liste bleibt erhalten und wird gespeichert, sobald es geht</translation>
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
        <translation>Tag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>civil twilight</source>
        <translation>bürgerliche Dämmerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nautical twilight</source>
        <translation>nautische Dämmerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>astronomical twilight</source>
        <translation>astronomische Dämmerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>civil dusk</source>
        <translation>Ende der bürgerlichen Dämmerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nautical dusk</source>
        <translation>Ende der nautischen Dämmerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>astronomical dusk</source>
        <translation>Ende der astronomischen Dämmerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>astronomical dawn</source>
        <translation>Beginn der astronomischen Dämmerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nautical dawn</source>
        <translation>Beginn der nautischen Dämmerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>civil dawn</source>
        <translation>Beginn der bürgerlichen Dämmerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>moonset</source>
        <translation>Monduntergang</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <location filename="../../src/scripting/Snapshot.cpp" line="+259"/>
        <source>the almanac covers the years 1900 to 2100 only</source>
        <translation>der Almanach reicht nur von 1900 bis 2100</translation>
    </message>
</context>
<context>
    <name>SparklePreferences::SparklePreferences</name>
    <message>
        <location filename="../../frameworks/SparklePreferences/src/SparklePreferences.cpp" line="+59"/>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Download…</source>
        <translation>Herunterladen…</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Last checked: Never</source>
        <translation>Zuletzt gesucht: nie</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Last checked: %1</source>
        <translation>Zuletzt gesucht: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking for updates…</source>
        <translation>Suche nach Aktualisierungen…</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
</context>
<context>
    <name>SparklePreferences::UpdateCheck</name>
    <message>
        <location filename="../../frameworks/SparklePreferences/src/UpdateCheck.cpp" line="+44"/>
        <source>%1 is not a secure (https) address.</source>
        <translation>%1 ist keine sichere (https-)Adresse.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>the server sent the request on to %1, which is not allowed.</source>
        <translation>der Server hat die Anfrage an %1 weitergeleitet, was nicht erlaubt ist.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>the server answered %1 %2.</source>
        <translation>der Server antwortete mit %1 %2.</translation>
    </message>
</context>
<context>
    <name>SparklePreferences::UpdateResult</name>
    <message>
        <location filename="../../frameworks/SparklePreferences/src/UpdateResult.cpp" line="+15"/>
        <source>%1 %2 is available; you have %3.</source>
        <translation>%1 %2 ist verfügbar; installiert ist %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 %2 is up to date.</source>
        <translation>%1 %2 ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not reach the update server: %1</source>
        <translation>Der Aktualisierungsserver ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The update feed could not be read.</source>
        <translation>Die Aktualisierungsliste konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The update server did not answer in time.</source>
        <translation>Der Aktualisierungsserver hat nicht rechtzeitig geantwortet.</translation>
    </message>
</context>
<context>
    <name>TargetCells</name>
    <message>
        <location filename="../../src/targets/TargetCells.cpp" line="+28"/>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 ago</source>
        <translation>vor %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>up</source>
        <translation>über dem Horizont</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>down</source>
        <translation>unter dem Horizont</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>never rises</source>
        <translation>geht nie auf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>never sets</source>
        <translation>geht nie unter</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>circumpolar</source>
        <translation>zirkumpolar</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Dark hours above %1°</source>
        <translation>Dunkle Stunden über %1°</translation>
    </message>
</context>
<context>
    <name>TargetsWindow</name>
    <message>
        <location filename="../../src/targets/TargetsWindow.cpp" line="+67"/>
        <source>Type a right ascension, such as 05 35 17.3</source>
        <translation>Geben Sie eine Rektaszension ein, etwa 05 35 17.3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type a declination, such as −05 23 28</source>
        <translation>Geben Sie eine Deklination ein, etwa −05 23 28</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The right ascension reads as neither hours (5.588) nor hours, minutes and seconds (05 35 17.3)</source>
        <translation>Die Rektaszension ist weder in Stunden (5.588) noch in Stunden, Minuten und Sekunden (05 35 17.3) lesbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The declination reads as neither degrees (−5.391) nor degrees, minutes and seconds (−05 23 28)</source>
        <translation>Die Deklination ist weder in Grad (−5.391) noch in Grad, Minuten und Sekunden (−05 23 28) lesbar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A right ascension has no sign: it runs from 0 h to 24 h</source>
        <translation>Eine Rektaszension hat kein Vorzeichen: Sie reicht von 0 h bis 24 h</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Minutes run from 0 to 59</source>
        <translation>Minuten reichen von 0 bis 59</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Seconds run from 0 to 59.9…</source>
        <translation>Sekunden reichen von 0 bis 59,9…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A right ascension is below 24 h</source>
        <translation>Eine Rektaszension liegt unter 24 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A declination lies between −90° and +90°</source>
        <translation>Eine Deklination liegt zwischen −90° und +90°</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This line is not a right ascension, a declination and a name separated by tabs</source>
        <translation>Diese Zeile ist keine durch Tabulatoren getrennte Rektaszension, Deklination und Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The right ascension is not a number of hours from 0 to below 24</source>
        <translation>Die Rektaszension ist keine Stundenzahl von 0 bis unter 24</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The declination is not a number of degrees from −90 to +90</source>
        <translation>Die Deklination ist keine Gradzahl von −90 bis +90</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name is empty, longer than %1 characters or holds a control character</source>
        <translation>Der Name ist leer, länger als %1 Zeichen oder enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The list follows at most %1 targets: this one waits until one is removed</source>
        <translation>Die Liste verfolgt höchstens %1 Ziele: Dieses wartet, bis eines entfernt wird</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <location line="+84"/>
        <location line="+31"/>
        <source>Targets</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Target name</source>
        <translation>Name des Ziels</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>M42</source>
        <translation>M42</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;RA (J2000)</source>
        <translation>&amp;RA (J2000)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right ascension, J2000</source>
        <translation>Rektaszension, J2000</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>D&amp;ec (J2000)</source>
        <translation>D&amp;ek (J2000)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Declination, J2000</source>
        <translation>Deklination, J2000</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RA</source>
        <translation>RA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dec</source>
        <translation>Dek</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hour angle</source>
        <translation>Stundenwinkel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Meridian</source>
        <translation>Meridian</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Airmass</source>
        <translation>Luftmasse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rise</source>
        <translation>Aufgang</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Transit</source>
        <translation>Kulmination</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Set</source>
        <translation>Untergang</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Why no position is shown</source>
        <translation>Warum keine Position angezeigt wird</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dark hours a&amp;bove</source>
        <translation>Dunkle Stunden ü&amp;ber</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lowest altitude for dark hours, degrees</source>
        <translation>Mindesthöhe für die dunklen Stunden, in Grad</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>A stored row holds no target: it is kept as it is, and its tooltip says why</source>
        <translation>Eine gespeicherte Zeile enthält kein Ziel: Sie bleibt, wie sie ist, und ihr Tooltip sagt, warum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stored rows hold no target: they are kept as they are, and their tooltips say why</source>
        <translation>%1 gespeicherte Zeilen enthalten kein Ziel: Sie bleiben, wie sie sind, und ihre Tooltips sagen, warum</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No rising and setting times: the almanac covers the years 1900 to 2100</source>
        <translation>Keine Auf- und Untergangszeiten: Der Almanach reicht von 1900 bis 2100</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Not used: the altitude is a number of degrees from %1 to %2</source>
        <translation>Nicht verwendet: Die Höhe ist eine Zahl von Grad zwischen %1 und %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot write the settings file %1: the altitude holds until Horavane ends</source>
        <translation>Die Einstellungsdatei %1 lässt sich nicht schreiben: Die Höhe gilt, bis Horavane endet</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>The list holds at most %1 targets: remove one to add another</source>
        <translation>Die Liste fasst höchstens %1 Ziele: Entfernen Sie eines, um ein weiteres hinzuzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Give the target a name of at most %1 characters</source>
        <translation>Geben Sie dem Ziel einen Namen mit höchstens %1 Zeichen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The unreadable rows leave no room to store another target: remove one of them</source>
        <translation>Die unlesbaren Zeilen lassen keinen Platz für ein weiteres Ziel: Entfernen Sie eine davon</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Cannot write the settings file %1: the list is kept, and saved once it can be</source>
        <translation>Die Einstellungsdatei %1 lässt sich nicht schreiben: Die Liste bleibt erhalten und wird gespeichert, sobald es geht</translation>
    </message>
</context>
<context>
    <name>TimeSources</name>
    <message numerus="yes">
        <location filename="../../src/timescales/TimeSources.cpp" line="+53"/>
        <source>%n files in %1 set aside (%2: %3)</source>
        <translation>
            <numerusform>%n Datei in %1 beiseitegelegt (%2: %3)</numerusform>
            <numerusform>%n Dateien in %1 beiseitegelegt (%2: %3)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+58"/>
        <location line="+190"/>
        <source>The system&apos;s leap-second list expired on %1</source>
        <translation>Die Schaltsekundenliste des Systems ist am %1 abgelaufen</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>%1 was not imported: %2</source>
        <translation>%1 wurde nicht importiert: %2</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The folder %1 cannot be read</source>
        <translation>Der Ordner %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="-170"/>
        <location line="+259"/>
        <source>%1 set aside: %2</source>
        <translation>%1 nicht verwendet: %2</translation>
    </message>
</context>
<context>
    <name>TimesyncReader</name>
    <message>
        <location filename="../../src/timescales/TimesyncReader.cpp" line="+93"/>
        <source>systemd-timesyncd passed over: %1</source>
        <translation>systemd-timesyncd übergangen: %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>ServerName is not a string</source>
        <translation>ServerName ist keine Zeichenkette</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NTPMessage is not an NTP message</source>
        <translation>NTPMessage ist keine NTP-Nachricht</translation>
    </message>
</context>
<context>
    <name>TonightTexts</name>
    <message>
        <location filename="../../src/tonight/TonightTexts.cpp" line="+46"/>
        <source>Times in %1</source>
        <translation>Zeiten in %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Times in %1, %2 from %3</source>
        <translation>Zeiten in %1, ab %3 in %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>new Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waxing crescent</source>
        <translation>zunehmende Sichel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>first quarter</source>
        <translation>erstes Viertel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waxing gibbous</source>
        <translation>zunehmender Dreiviertelmond</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waning gibbous</source>
        <translation>abnehmender Dreiviertelmond</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>last quarter</source>
        <translation>letztes Viertel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>waning crescent</source>
        <translation>abnehmende Sichel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 % illuminated, waxing</source>
        <translation>%1 % beleuchtet, zunehmend</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 % illuminated, waning</source>
        <translation>%1 % beleuchtet, abnehmend</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, %2 days old</source>
        <translation>%1, %2 Tage alt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no dark hours tonight</source>
        <translation>heute Nacht keine dunklen Stunden</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the Sun does not set</source>
        <translation>die Sonne geht nicht unter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no astronomical night — civil twilight all night</source>
        <translation>keine astronomische Nacht — die ganze Nacht bürgerliche Dämmerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no astronomical night — nautical twilight all night</source>
        <translation>keine astronomische Nacht — die ganze Nacht nautische Dämmerung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no astronomical night — astronomical twilight all night</source>
        <translation>keine astronomische Nacht — die ganze Nacht astronomische Dämmerung</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the Sun does not rise</source>
        <translation>die Sonne geht nicht auf</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no moonrise tonight</source>
        <translation>heute Nacht kein Mondaufgang</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no moonset tonight</source>
        <translation>heute Nacht kein Monduntergang</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The almanac is not available for this date: it covers the years 1900 to 2100</source>
        <translation>Für dieses Datum gibt es keine Ephemeriden: sie reichen von 1900 bis 2100</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no more events tonight</source>
        <translation>heute Nacht nichts mehr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>TonightWindow</name>
    <message>
        <location filename="../../src/tonight/TonightWindow.cpp" line="+66"/>
        <source>Tonight</source>
        <translation>Heute Nacht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Why the night is not shown</source>
        <translation>Warum die Nacht nicht gezeigt wird</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The night shown</source>
        <translation>Die gezeigte Nacht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The time zone of the times shown</source>
        <translation>Die Zeitzone der gezeigten Zeiten</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+131"/>
        <source>not tonight</source>
        <translation>nicht heute Nacht</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Why there is no sunset or sunrise</source>
        <translation>Warum es keinen Sonnenuntergang oder -aufgang gibt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sunset:</source>
        <translation>Sonnenuntergang:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Civil dusk:</source>
        <translation>Ende bürgerliche Dämmerung:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nautical dusk:</source>
        <translation>Ende nautische Dämmerung:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Astronomical dusk:</source>
        <translation>Ende astronomische Dämmerung:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Astronomical dawn:</source>
        <translation>Beginn astronomische Dämmerung:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nautical dawn:</source>
        <translation>Beginn nautische Dämmerung:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Civil dawn:</source>
        <translation>Beginn bürgerliche Dämmerung:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sunrise:</source>
        <translation>Sonnenaufgang:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Why there is no astronomical night</source>
        <translation>Warum es keine astronomische Nacht gibt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moonrise:</source>
        <translation>Mondaufgang:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moonset:</source>
        <translation>Monduntergang:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Illuminated:</source>
        <translation>Beleuchtet:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The Moon&apos;s illuminated part at midnight, and whether it grows</source>
        <translation>Der beleuchtete Teil des Mondes um Mitternacht, und ob er zunimmt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Phase:</source>
        <translation>Phase:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The Moon&apos;s phase at midnight, and its age since new Moon</source>
        <translation>Die Mondphase um Mitternacht, und das Alter seit Neumond</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark:</source>
        <translation>Dunkel:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark hours:</source>
        <translation>Dunkle Stunden:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Astronomical night with the Moon down, in all</source>
        <translation>Astronomische Nacht bei untergegangenem Mond, insgesamt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sun altitude:</source>
        <translation>Sonnenhöhe:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The altitude of the Sun&apos;s centre, without refraction</source>
        <translation>Die Höhe der Sonnenmitte, ohne Refraktion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Moon altitude:</source>
        <translation>Mondhöhe:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The altitude of the Moon&apos;s centre, without refraction</source>
        <translation>Die Höhe der Mondmitte, ohne Refraktion</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Part of the day:</source>
        <translation>Tageszeit:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next:</source>
        <translation>Als Nächstes:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The night&apos;s next event, and how long until it</source>
        <translation>Das nächste Ereignis der Nacht, und wie lange bis dahin</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Night of %1</source>
        <translation>Nacht vom %1</translation>
    </message>
</context>
<context>
    <name>UpdatePane</name>
    <message>
        <location filename="../UpdatePane.ui" line="+6"/>
        <source>Software update preferences</source>
        <translation>Einstellungen für Softwareaktualisierungen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Running version</source>
        <translation>Laufende Version</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <source>Automatic checks</source>
        <translation>Automatische Prüfung</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Check for updates automatically</source>
        <translation>Automatisch nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check for updates &amp;automatically</source>
        <translation>&amp;Automatisch nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;How often:</source>
        <translation>&amp;Wie oft:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>How often to check</source>
        <translation>Wie oft geprüft wird</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Last check</source>
        <translation>Letzte Prüfung</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Check &amp;Now</source>
        <translation>&amp;Jetzt prüfen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Result of the last check</source>
        <translation>Ergebnis der letzten Prüfung</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Release notes</source>
        <translation>Versionshinweise</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&amp;Release Notes…</source>
        <translation>&amp;Versionshinweise…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Download…</source>
        <translation>&amp;Herunterladen…</translation>
    </message>
</context>
</TS>
