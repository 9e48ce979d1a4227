<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Localizable</name>
    <message>
        <source>menu_calibrate</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>menu_Diagnosis</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>menu_Annotate</source>
        <translation>Kommentieren</translation>
    </message>
    <message>
        <source>menu_Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>about_version</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>AboutWindowController</name>
    <message>
        <source>about_product</source>
        <translation>eBoard Agent</translation>
    </message>
    <message>
        <source>about_description</source>
        <translation>Stifttreiber für die Kameraeinheit HN-42</translation>
    </message>
    <message>
        <source>about_copyright</source>
        <translation>Freie Software</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <!-- dialog windows: texts, then the pictures a language may name for itself -->
    <message>
        <source>normalCalibrateStartTitle</source>
        <translation>Stift kalibrieren</translation>
    </message>
    <message>
        <source>normalCalibrateStart</source>
        <translation>Die Kameravorschau füllt gleich den Bildschirm. Prüfen Sie, dass der ganze Bildschirm im Rahmen liegt, drücken Sie dann die Leertaste und berühren Sie mit dem Stift die Mitte jedes der vier Fadenkreuze. Mit Esc können Sie jederzeit abbrechen.</translation>
    </message>
    <message>
        <source>completeCalibrateStartTitle</source>
        <translation>Kameraposition prüfen</translation>
    </message>
    <message>
        <source>completeCalibrateStart</source>
        <translation>Eine Prüfung führt eine Kalibrierung durch und bewertet dann, wie gut die Kamera den Bildschirm sieht, mit Hinweisen zu ihrer Aufstellung. Drücken Sie in der Vorschau die Leertaste und berühren Sie die vier Fadenkreuze mit dem Stift. Mit Esc können Sie jederzeit abbrechen.</translation>
    </message>
    <message>
        <source>ExitCalTitle</source>
        <translation>Kalibrierung abbrechen?</translation>
    </message>
    <message>
        <source>ExitCal</source>
        <translation>Wenn Sie jetzt abbrechen, behält der Stift seine bisherige Kalibrierung. Wählen Sie Ja zum Abbrechen oder Nein, um zum verlassenen Schritt zurückzukehren.</translation>
    </message>
    <message>
        <source>ExitDiaTitle</source>
        <translation>Prüfung abbrechen?</translation>
    </message>
    <message>
        <source>ExitDia</source>
        <translation>Wenn Sie jetzt abbrechen, gibt es keine Hinweise zur Kameraposition. Wählen Sie Ja zum Abbrechen oder Nein, um zum verlassenen Schritt zurückzukehren.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishTitle</source>
        <translation>Kalibrierung abgeschlossen</translation>
    </message>
    <message>
        <source>normalCalibrateFinishContent1</source>
        <translation>Der Stift ist kalibriert und einsatzbereit.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishContent2</source>
        <translation>Folgt der Zeiger dem Stift nicht gut, starten Sie eine Prüfung aus dem Menü.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishPoorContent1</source>
        <translation>Die Kamera sieht nur einen Teil des Bildschirms oder sieht ihn sehr schräg: Der Stift erreicht womöglich nicht jede Ecke.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishPoorContent2</source>
        <translation>Starten Sie eine Prüfung für Hinweise zur Aufstellung der Kamera, oder beenden Sie und behalten diese Kalibrierung.</translation>
    </message>
    <message>
        <source>DeviceDidNotConnect</source>
        <translation>Es ist keine HN-42-Kameraeinheit angeschlossen. Schließen Sie die Einheit an einen USB-Anschluss an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>CP_1-btn-no.png</source>
        <translation>CP_1-btn-no.png</translation>
    </message>
    <message>
        <source>CP_1-btn-yes.png</source>
        <translation>CP_1-btn-yes.png</translation>
    </message>
    <message>
        <source>CP_4.2-btn-fc.png</source>
        <translation>CP_4.2-btn-fc.png</translation>
    </message>
    <message>
        <source>CP_4.2-btn-sd.png</source>
        <translation>CP_4.2-btn-sd.png</translation>
    </message>
    <message>
        <source>SCPD_1-btn-c.png</source>
        <translation>SCPD_1-btn-c.png</translation>
    </message>
    <message>
        <source>SCPD_1-btn-s.png</source>
        <translation>SCPD_1-btn-s.png</translation>
    </message>
    <message>
        <source>CP_4.1-btn-ok.png</source>
        <translation>CP_4.1-btn-ok.png</translation>
    </message>
    <message>
        <source>SCPD_2.png</source>
        <translation>SCPD_2.png</translation>
    </message>
    <message>
        <source>SCPD_6-2t.png</source>
        <translation>SCPD_6-2t.png</translation>
    </message>
    <message>
        <source>SCPD_6-3ct.png</source>
        <translation>SCPD_6-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_6-1c.png</source>
        <translation>SCPD_6-1c.png</translation>
    </message>
</context>
<context>
    <name>DeviceDoNotConnectWindow</name>
    <message>
        <source>DeviceDidNotConnectTitle</source>
        <translation>Kamera nicht angeschlossen</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>previewStringTitle</source>
        <translation>Kamerasicht prüfen</translation>
    </message>
    <message>
        <source>previewString</source>
        <translation>Bewegen Sie den Stift über die ganze Tafel. Das weiße Quadrat zeigt, wo die Kamera den Stift sieht; es sollte jeden Rand des umrahmten Bereichs erreichen. Sieht die Kamera die ganze Tafel, drücken Sie die Leertaste, um die Kalibrierung zu beginnen.</translation>
    </message>
    <message>
        <source>previewStringExit</source>
        <translation>Esc drücken zum Abbrechen.</translation>
    </message>
    <message>
        <source>calibrateStringTitle</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>calibrateString</source>
        <translation>Berühren Sie mit dem Stift die Mitte jedes Fadenkreuzes und halten Sie ihn dort, bis das nächste erscheint. Esc drücken zum Abbrechen.</translation>
    </message>
    <message>
        <source>CP_3-crosshair.png</source>
        <translation>CP_3-crosshair.png</translation>
    </message>
    <message>
        <source>SCPD_3-1c.png</source>
        <translation>SCPD_3-1c.png</translation>
    </message>
    <message>
        <source>SCPD_3-2t.png</source>
        <translation>SCPD_3-2t.png</translation>
    </message>
    <message>
        <source>SCPD_3-3ct.png</source>
        <translation>SCPD_3-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_4-1c.png</source>
        <translation>SCPD_4-1c.png</translation>
    </message>
    <message>
        <source>SCPD_4-2t.png</source>
        <translation>SCPD_4-2t.png</translation>
    </message>
    <message>
        <source>SCPD_4-3ct.png</source>
        <translation>SCPD_4-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_5-1c.png</source>
        <translation>SCPD_5-1c.png</translation>
    </message>
    <message>
        <source>SCPD_5-2t.png</source>
        <translation>SCPD_5-2t.png</translation>
    </message>
    <message>
        <source>SCPD_5-3ct.png</source>
        <translation>SCPD_5-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_3-c.png</source>
        <translation>SCPD_3-c.png</translation>
    </message>
    <message>
        <source>SCPD_3-t.png</source>
        <translation>SCPD_3-t.png</translation>
    </message>
    <message>
        <source>SCPD_3-ct.png</source>
        <translation>SCPD_3-ct.png</translation>
    </message>
</context>
</TS>
