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
        <translation>Eine Diagnose führt eine Kalibrierung durch und bewertet dann, wie gut die Kamera den Bildschirm sieht, mit Hinweisen zu ihrer Aufstellung. Drücken Sie in der Vorschau die Leertaste und berühren Sie die vier Fadenkreuze mit dem Stift. Mit Esc können Sie jederzeit abbrechen.</translation>
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
        <translation>Diagnose abbrechen?</translation>
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
        <translation>Folgt der Zeiger dem Stift nicht gut, starten Sie eine Diagnose aus dem Menü.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishPoorContent1</source>
        <translation>Die Kamera sieht nur einen Teil des Bildschirms oder sieht ihn sehr schräg: Der Stift erreicht womöglich nicht jede Ecke.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishPoorContent2</source>
        <translation>Starten Sie eine Diagnose, um Hinweise zur Aufstellung der Kamera zu erhalten, oder beenden Sie und behalten Sie diese Kalibrierung.</translation>
    </message>
    <message>
        <source>DeviceDidNotConnect</source>
        <translation>Es ist keine HN-42-Kameraeinheit angeschlossen. Schließen Sie die Einheit an einen USB-Anschluss an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>CP_1-btn-no.png</source>
        <translation>de/CP_1-btn-no.png</translation>
    </message>
    <message>
        <source>CP_1-btn-yes.png</source>
        <translation>de/CP_1-btn-yes.png</translation>
    </message>
    <message>
        <source>CP_4.2-btn-fc.png</source>
        <translation>de/CP_4.2-btn-fc.png</translation>
    </message>
    <message>
        <source>CP_4.2-btn-sd.png</source>
        <translation>de/CP_4.2-btn-sd.png</translation>
    </message>
    <message>
        <source>SCPD_1-btn-c.png</source>
        <translation>de/SCPD_1-btn-c.png</translation>
    </message>
    <message>
        <source>SCPD_1-btn-s.png</source>
        <translation>de/SCPD_1-btn-s.png</translation>
    </message>
    <message>
        <source>CP_4.1-btn-ok.png</source>
        <translation>de/CP_4.1-btn-ok.png</translation>
    </message>
    <message>
        <source>SCPD_2.png</source>
        <translation>de/SCPD_2.png</translation>
    </message>
    <message>
        <source>SCPD_6-2t.png</source>
        <translation>de/SCPD_6-2t.png</translation>
    </message>
    <message>
        <source>SCPD_6-3ct.png</source>
        <translation>de/SCPD_6-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_6-1c.png</source>
        <translation>de/SCPD_6-1c.png</translation>
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
        <translation>de/SCPD_3-1c.png</translation>
    </message>
    <message>
        <source>SCPD_3-2t.png</source>
        <translation>de/SCPD_3-2t.png</translation>
    </message>
    <message>
        <source>SCPD_3-3ct.png</source>
        <translation>de/SCPD_3-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_4-1c.png</source>
        <translation>de/SCPD_4-1c.png</translation>
    </message>
    <message>
        <source>SCPD_4-2t.png</source>
        <translation>de/SCPD_4-2t.png</translation>
    </message>
    <message>
        <source>SCPD_4-3ct.png</source>
        <translation>de/SCPD_4-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_5-1c.png</source>
        <translation>de/SCPD_5-1c.png</translation>
    </message>
    <message>
        <source>SCPD_5-2t.png</source>
        <translation>de/SCPD_5-2t.png</translation>
    </message>
    <message>
        <source>SCPD_5-3ct.png</source>
        <translation>de/SCPD_5-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_3-c.png</source>
        <translation>de/SCPD_3-c.png</translation>
    </message>
    <message>
        <source>SCPD_3-t.png</source>
        <translation>de/SCPD_3-t.png</translation>
    </message>
    <message>
        <source>SCPD_3-ct.png</source>
        <translation>de/SCPD_3-ct.png</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <!-- words drawn into the calibration pictures at build time -->
    <message>
        <source>picture_button_no</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>picture_button_yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>picture_button_finish</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>picture_button_diagnose</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>picture_button_cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>picture_button_start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>picture_button_ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>picture_result_caption</source>
        <translation>Diagnoseergebnis</translation>
    </message>
    <message>
        <source>picture_grade_good</source>
        <translation>Gute Kameraposition</translation>
    </message>
    <message>
        <source>picture_grade_acceptable</source>
        <translation>Akzeptable Kameraposition</translation>
    </message>
    <message>
        <source>picture_grade_poor</source>
        <translation>Ungünstige Kameraposition</translation>
    </message>
    <message>
        <source>picture_grade_none</source>
        <translation>Diagnose abgeschlossen</translation>
    </message>
    <message>
        <source>picture_result_seen</source>
        <translation>So sieht die Kamera das Bild</translation>
    </message>
    <message>
        <source>picture_finding_covered</source>
        <translation>Die Kamera erfasst alle vier Ränder des Bildes. Die Bewertung hängt davon ab, wie viel ihres Blickfelds das Bild ausfüllt.</translation>
    </message>
    <message>
        <source>picture_finding_oneSide</source>
        <translation>Ein Seitenrand des Bildes wirkt viel länger als der andere: Die Kamera steht zu nah an einer Seite der Tafel.</translation>
    </message>
    <message>
        <source>picture_finding_fromSide</source>
        <translation>Linker und rechter Rand des Bildes sind unterschiedlich lang: Die Kamera blickt schräg von der Seite auf die Tafel.</translation>
    </message>
    <message>
        <source>picture_result_next</source>
        <translation>Wählen Sie „Kamera einstellen“ für Tipps zur Aufstellung oder „Schließen“, um diese Kalibrierung zu behalten.</translation>
    </message>
    <message>
        <source>picture_result_close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>picture_result_adjust</source>
        <translation>Kamera einstellen</translation>
    </message>
    <message>
        <source>picture_excellent_title</source>
        <translation>Ausgezeichnet</translation>
    </message>
    <message>
        <source>picture_excellent</source>
        <translation>Die Kamera erfasst das ganze Bild groß und von vorn. Der Stift ist einsatzbereit.</translation>
    </message>
    <message>
        <source>picture_excellent_again</source>
        <translation>Neue Diagnose</translation>
    </message>
    <message>
        <source>picture_excellent_finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>picture_advice_caption</source>
        <translation>Kameraposition</translation>
    </message>
    <message>
        <source>picture_advice_covered_title</source>
        <translation>Kamera näher an die Tafel stellen</translation>
    </message>
    <message>
        <source>picture_advice_covered</source>
        <translation>Das Bild füllt nur einen kleinen Teil des Sichtfelds. Rücken Sie die Kamera gerade auf die Tafel zu, bis das Bild das Sichtfeld fast ausfüllt und ringsum ein schmaler Rand bleibt.</translation>
    </message>
    <message>
        <source>picture_advice_oneSide_title</source>
        <translation>Kamera mittig vor die Tafel stellen</translation>
    </message>
    <message>
        <source>picture_advice_oneSide</source>
        <translation>Die Kamera steht zu nah an einer Seite der Tafel. Verschieben Sie sie seitlich, bis sie mittig vor der Tafel steht, und kalibrieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>picture_advice_fromSide_title</source>
        <translation>Kamera gerade auf die Tafel richten</translation>
    </message>
    <message>
        <source>picture_advice_fromSide</source>
        <translation>Die Kamera blickt schräg auf die Tafel. Drehen Sie sie so, dass sie genau auf die Bildmitte zeigt, und kalibrieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>picture_advice_cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>picture_advice_start</source>
        <translation>Kalibrierung starten</translation>
    </message>
    <message>
        <source>picture_board</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>picture_camera</source>
        <translation>Kamera</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <!-- the window that says a calibration could not be stored; %1 is the path and the reason -->
    <message>
        <source>CalibrateNotSavedTitle</source>
        <translation>Kalibrierung nicht gespeichert</translation>
    </message>
    <message>
        <source>CalibrateNotSaved</source>
        <translation>Die Kalibrierung konnte nicht gespeichert werden (%1). Sie gilt, bis eBoardAgent beendet wird; kalibrieren Sie erneut, sobald die Datei geschrieben werden kann.</translation>
    </message>
    <!-- desktop notices of what leaves the pen dead or its calibration wrong; %1 is the
         device node, the calibration file or the annotation application -->
    <message>
        <source>notice_noPointer_title</source>
        <translation>Der Stift kann den Zeiger nicht bewegen</translation>
    </message>
    <message>
        <source>notice_noPointer</source>
        <translation>eBoardAgent kann nicht auf /dev/uinput schreiben, und diese Sitzung bietet keinen X-Server, über den er den Zeiger bewegen könnte; der Stift bewirkt daher nichts. Installieren Sie das Paket eboard-uinput-access und melden Sie sich neu an, oder melden Sie sich in einer X11-Sitzung an.</translation>
    </message>
    <message>
        <source>notice_unitNotReadable_title</source>
        <translation>Die Kameraeinheit kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>notice_unitNotReadable</source>
        <translation>Die Kameraeinheit HN-42 ist angeschlossen, aber %1 verweigert diesem Benutzer den Zugriff; der Stift bewirkt daher nichts. Installieren Sie die udev-Regel 60-eboard-hn42.rules (eine Neuinstallation des Pakets eboard erledigt das), ziehen Sie dann die Einheit ab und stecken Sie sie wieder ein.</translation>
    </message>
    <message>
        <source>notice_calibrationUnreadable_title</source>
        <translation>Die gespeicherte Kalibrierung kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>notice_calibrationUnreadable</source>
        <translation>%1 konnte nicht gelesen werden; der Stift wird daher ignoriert, bis die Einheit neu kalibriert ist. Wählen Sie im Menü des Symbols im Infobereich „Kalibrieren“ oder führen Sie eboardctl calibrate aus.</translation>
    </message>
    <message>
        <source>notice_calibrationNoArea_title</source>
        <translation>Die gespeicherte Kalibrierung ist unbrauchbar</translation>
    </message>
    <message>
        <source>notice_calibrationNoArea</source>
        <translation>Die in %1 gespeicherte Kalibrierung kann den Stift nicht zuordnen (ihre vier Ecken schließen keine Fläche ein); der Stift wird daher ignoriert. Wählen Sie im Menü des Symbols im Infobereich „Kalibrieren“ oder führen Sie eboardctl calibrate aus.</translation>
    </message>
    <message>
        <source>notice_noTray_title</source>
        <translation>Kein Infobereich auf dieser Arbeitsfläche</translation>
    </message>
    <message>
        <source>notice_noTray</source>
        <translation>Diese Arbeitsfläche zeigt keine Symbole im Infobereich an, daher ist das Menü von eBoard Agent nicht erreichbar. Installieren und aktivieren Sie unter GNOME die Erweiterung AppIndicator (gnome-shell-extension-appindicator). Bis dahin verwenden Sie eboardctl calibrate, eboardctl diagnose und eboardctl quit.</translation>
    </message>
    <message>
        <source>notice_noAnnotationApp_title</source>
        <translation>Keine Anwendung zum Kommentieren</translation>
    </message>
    <message>
        <source>notice_noAnnotationApp</source>
        <translation>„Kommentieren“ öffnet %1, das auf diesem Computer nicht installiert ist. Installieren Sie %1 und wählen Sie dann erneut „Kommentieren“.</translation>
    </message>
</context>
</TS>
