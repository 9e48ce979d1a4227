<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Localizable</name>
    <message>
        <source>menu_calibrate</source>
        <translation>Calibrer</translation>
    </message>
    <message>
        <source>menu_Diagnosis</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>menu_Annotate</source>
        <translation>Annoter</translation>
    </message>
    <message>
        <source>menu_Quit</source>
        <translation>Quitter</translation>
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
        <translation>Pilote de stylet pour la caméra HN-42</translation>
    </message>
    <message>
        <source>about_copyright</source>
        <translation>Logiciel libre</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <!-- dialog windows: texts, then the pictures a language may name for itself -->
    <message>
        <source>normalCalibrateStartTitle</source>
        <translation>Calibrer le stylet</translation>
    </message>
    <message>
        <source>normalCalibrateStart</source>
        <translation>L'aperçu de la caméra va remplir l'écran. Vérifiez que tout l'écran se trouve dans le cadre, puis appuyez sur Espace et touchez avec le stylet le centre de chacune des quatre mires. Appuyez sur Échap à tout moment pour arrêter.</translation>
    </message>
    <message>
        <source>completeCalibrateStartTitle</source>
        <translation>Diagnostic de la position de la caméra</translation>
    </message>
    <message>
        <source>completeCalibrateStart</source>
        <translation>Un diagnostic effectue un calibrage puis évalue la façon dont la caméra voit l'écran, avec des conseils pour la placer. Appuyez sur Espace dans l'aperçu et touchez les quatre mires avec le stylet. Appuyez sur Échap à tout moment pour arrêter.</translation>
    </message>
    <message>
        <source>ExitCalTitle</source>
        <translation>Arrêter le calibrage ?</translation>
    </message>
    <message>
        <source>ExitCal</source>
        <translation>Si vous arrêtez maintenant, le stylet garde son calibrage précédent. Choisissez Oui pour arrêter ou Non pour revenir à l'étape quittée.</translation>
    </message>
    <message>
        <source>ExitDiaTitle</source>
        <translation>Arrêter le diagnostic ?</translation>
    </message>
    <message>
        <source>ExitDia</source>
        <translation>Si vous arrêtez maintenant, aucun conseil sur la position de la caméra ne sera donné. Choisissez Oui pour arrêter ou Non pour revenir à l'étape quittée.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishTitle</source>
        <translation>Calibrage terminé</translation>
    </message>
    <message>
        <source>normalCalibrateFinishContent1</source>
        <translation>Le stylet est calibré et prêt à être utilisé.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishContent2</source>
        <translation>Si le pointeur suit mal le stylet, lancez un diagnostic depuis le menu.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishPoorContent1</source>
        <translation>La caméra ne voit qu'une partie de l'écran, ou le voit trop en biais : le stylet risque de ne pas atteindre tous les coins.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishPoorContent2</source>
        <translation>Lancez un diagnostic pour savoir où placer la caméra, ou terminez en gardant ce calibrage.</translation>
    </message>
    <message>
        <source>DeviceDidNotConnect</source>
        <translation>Aucune unité caméra HN-42 n'est connectée. Branchez l'unité sur un port USB et réessayez.</translation>
    </message>
    <message>
        <source>CP_1-btn-no.png</source>
        <translation>fr/CP_1-btn-no.png</translation>
    </message>
    <message>
        <source>CP_1-btn-yes.png</source>
        <translation>fr/CP_1-btn-yes.png</translation>
    </message>
    <message>
        <source>CP_4.2-btn-fc.png</source>
        <translation>fr/CP_4.2-btn-fc.png</translation>
    </message>
    <message>
        <source>CP_4.2-btn-sd.png</source>
        <translation>fr/CP_4.2-btn-sd.png</translation>
    </message>
    <message>
        <source>SCPD_1-btn-c.png</source>
        <translation>fr/SCPD_1-btn-c.png</translation>
    </message>
    <message>
        <source>SCPD_1-btn-s.png</source>
        <translation>fr/SCPD_1-btn-s.png</translation>
    </message>
    <message>
        <source>CP_4.1-btn-ok.png</source>
        <translation>fr/CP_4.1-btn-ok.png</translation>
    </message>
    <message>
        <source>SCPD_2.png</source>
        <translation>fr/SCPD_2.png</translation>
    </message>
    <message>
        <source>SCPD_6-2t.png</source>
        <translation>fr/SCPD_6-2t.png</translation>
    </message>
    <message>
        <source>SCPD_6-3ct.png</source>
        <translation>fr/SCPD_6-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_6-1c.png</source>
        <translation>fr/SCPD_6-1c.png</translation>
    </message>
</context>
<context>
    <name>DeviceDoNotConnectWindow</name>
    <message>
        <source>DeviceDidNotConnectTitle</source>
        <translation>Caméra non connectée</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>previewStringTitle</source>
        <translation>Vérifiez le champ de la caméra</translation>
    </message>
    <message>
        <source>previewString</source>
        <translation>Déplacez le stylet sur tout le tableau. Le carré blanc montre où la caméra voit le stylet ; il doit atteindre chaque bord de la zone encadrée. Lorsque la caméra voit tout le tableau, appuyez sur Espace pour commencer le calibrage.</translation>
    </message>
    <message>
        <source>previewStringExit</source>
        <translation>Appuyez sur Échap pour annuler.</translation>
    </message>
    <message>
        <source>calibrateStringTitle</source>
        <translation>Calibrage</translation>
    </message>
    <message>
        <source>calibrateString</source>
        <translation>Touchez le centre de chaque croix avec le stylet et maintenez-le jusqu'à l'apparition de la suivante. Appuyez sur Échap pour annuler.</translation>
    </message>
    <message>
        <source>CP_3-crosshair.png</source>
        <translation>CP_3-crosshair.png</translation>
    </message>
    <message>
        <source>SCPD_3-1c.png</source>
        <translation>fr/SCPD_3-1c.png</translation>
    </message>
    <message>
        <source>SCPD_3-2t.png</source>
        <translation>fr/SCPD_3-2t.png</translation>
    </message>
    <message>
        <source>SCPD_3-3ct.png</source>
        <translation>fr/SCPD_3-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_4-1c.png</source>
        <translation>fr/SCPD_4-1c.png</translation>
    </message>
    <message>
        <source>SCPD_4-2t.png</source>
        <translation>fr/SCPD_4-2t.png</translation>
    </message>
    <message>
        <source>SCPD_4-3ct.png</source>
        <translation>fr/SCPD_4-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_5-1c.png</source>
        <translation>fr/SCPD_5-1c.png</translation>
    </message>
    <message>
        <source>SCPD_5-2t.png</source>
        <translation>fr/SCPD_5-2t.png</translation>
    </message>
    <message>
        <source>SCPD_5-3ct.png</source>
        <translation>fr/SCPD_5-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_3-c.png</source>
        <translation>fr/SCPD_3-c.png</translation>
    </message>
    <message>
        <source>SCPD_3-t.png</source>
        <translation>fr/SCPD_3-t.png</translation>
    </message>
    <message>
        <source>SCPD_3-ct.png</source>
        <translation>fr/SCPD_3-ct.png</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <!-- words drawn into the calibration pictures at build time -->
    <message>
        <source>picture_button_no</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>picture_button_yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>picture_button_finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>picture_button_diagnose</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>picture_button_cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>picture_button_start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>picture_button_ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>picture_result_caption</source>
        <translation>Résultat du diagnostic</translation>
    </message>
    <message>
        <source>picture_grade_good</source>
        <translation>Caméra bien placée</translation>
    </message>
    <message>
        <source>picture_grade_acceptable</source>
        <translation>Placement acceptable</translation>
    </message>
    <message>
        <source>picture_grade_poor</source>
        <translation>Caméra mal placée</translation>
    </message>
    <message>
        <source>picture_grade_none</source>
        <translation>Diagnostic terminé</translation>
    </message>
    <message>
        <source>picture_result_seen</source>
        <translation>L'écran vu par la caméra</translation>
    </message>
    <message>
        <source>picture_finding_covered</source>
        <translation>La caméra voit les quatre bords de l'écran. La note dépend de la part du champ de la caméra qu'occupe l'écran.</translation>
    </message>
    <message>
        <source>picture_finding_oneSide</source>
        <translation>Un bord latéral de l'écran paraît bien plus long que l'autre : la caméra est trop près d'un côté du tableau.</translation>
    </message>
    <message>
        <source>picture_finding_fromSide</source>
        <translation>Les bords gauche et droit de l'écran n'ont pas la même longueur : la caméra voit le tableau de biais.</translation>
    </message>
    <message>
        <source>picture_result_next</source>
        <translation>Choisissez « Régler la caméra » pour savoir où la placer, ou « Fermer » pour garder ce calibrage.</translation>
    </message>
    <message>
        <source>picture_result_close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>picture_result_adjust</source>
        <translation>Régler la caméra</translation>
    </message>
    <message>
        <source>picture_excellent_title</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>picture_excellent</source>
        <translation>La caméra voit tout l'écran, de face et en grand. Le stylet est prêt à l'emploi.</translation>
    </message>
    <message>
        <source>picture_excellent_again</source>
        <translation>Nouveau diagnostic</translation>
    </message>
    <message>
        <source>picture_excellent_finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>picture_advice_caption</source>
        <translation>Position de la caméra</translation>
    </message>
    <message>
        <source>picture_advice_covered_title</source>
        <translation>Rapprochez la caméra</translation>
    </message>
    <message>
        <source>picture_advice_covered</source>
        <translation>L'écran n'occupe qu'une petite partie du champ de la caméra. Avancez la caméra droit vers le tableau jusqu'à ce que l'écran remplisse presque tout le champ, avec une petite marge de chaque côté.</translation>
    </message>
    <message>
        <source>picture_advice_oneSide_title</source>
        <translation>Placez la caméra au centre</translation>
    </message>
    <message>
        <source>picture_advice_oneSide</source>
        <translation>La caméra est trop près d'un côté du tableau. Déplacez-la latéralement jusqu'à ce qu'elle soit face au milieu du tableau, puis refaites le calibrage.</translation>
    </message>
    <message>
        <source>picture_advice_fromSide_title</source>
        <translation>Orientez la caméra face au tableau</translation>
    </message>
    <message>
        <source>picture_advice_fromSide</source>
        <translation>La caméra voit le tableau de biais. Tournez-la pour qu'elle vise droit le centre de l'écran, puis refaites le calibrage.</translation>
    </message>
    <message>
        <source>picture_advice_cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>picture_advice_start</source>
        <translation>Lancer le calibrage</translation>
    </message>
    <message>
        <source>picture_board</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>picture_camera</source>
        <translation>Caméra</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <!-- the window that says a calibration could not be stored; %1 is the path and the reason -->
    <message>
        <source>CalibrateNotSavedTitle</source>
        <translation>Calibrage non enregistré</translation>
    </message>
    <message>
        <source>CalibrateNotSaved</source>
        <translation>Le calibrage n'a pas pu être enregistré (%1). Il reste en vigueur jusqu'à la fin d'eBoardAgent ; calibrez à nouveau dès que le fichier peut être écrit.</translation>
    </message>
    <!-- desktop notices of what leaves the pen dead or its calibration wrong; %1 is the
         device node, the calibration file or the annotation application -->
    <message>
        <source>notice_noPointer_title</source>
        <translation>Le stylet ne peut pas déplacer le pointeur</translation>
    </message>
    <message>
        <source>notice_noPointer</source>
        <translation>eBoardAgent ne peut pas écrire dans /dev/uinput et cette session n'offre aucun serveur X par lequel déplacer le pointeur ; le stylet reste donc sans effet. Installez le paquet eboard-uinput-access puis reconnectez-vous, ou ouvrez une session X11.</translation>
    </message>
    <message>
        <source>notice_unitNotReadable_title</source>
        <translation>Impossible de lire la caméra</translation>
    </message>
    <message>
        <source>notice_unitNotReadable</source>
        <translation>La caméra HN-42 est branchée, mais %1 en refuse l'accès à cet utilisateur ; le stylet reste donc sans effet. Installez la règle udev 60-eboard-hn42.rules (réinstaller le paquet eboard s'en charge), puis débranchez la caméra et rebranchez-la.</translation>
    </message>
    <message>
        <source>notice_calibrationUnreadable_title</source>
        <translation>Impossible de lire le calibrage enregistré</translation>
    </message>
    <message>
        <source>notice_calibrationUnreadable</source>
        <translation>%1 n'a pas pu être lu ; le stylet est donc ignoré jusqu'au prochain calibrage. Choisissez « Calibrer » dans le menu de l'icône de la zone de notification ou lancez eboardctl calibrate.</translation>
    </message>
    <message>
        <source>notice_calibrationNoArea_title</source>
        <translation>Le calibrage enregistré est inutilisable</translation>
    </message>
    <message>
        <source>notice_calibrationNoArea</source>
        <translation>Le calibrage enregistré dans %1 ne permet pas de situer le stylet (ses quatre coins n'entourent aucune surface) ; le stylet est donc ignoré. Choisissez « Calibrer » dans le menu de l'icône de la zone de notification ou lancez eboardctl calibrate.</translation>
    </message>
    <message>
        <source>notice_noTray_title</source>
        <translation>Aucune zone de notification sur ce bureau</translation>
    </message>
    <message>
        <source>notice_noTray</source>
        <translation>Ce bureau n'affiche pas d'icônes dans une zone de notification : le menu d'eBoard Agent est donc inaccessible. Sous GNOME, installez et activez l'extension AppIndicator (gnome-shell-extension-appindicator). En attendant, utilisez eboardctl calibrate, eboardctl diagnose et eboardctl quit.</translation>
    </message>
    <message>
        <source>notice_noAnnotationApp_title</source>
        <translation>Aucune application d'annotation</translation>
    </message>
    <message>
        <source>notice_noAnnotationApp</source>
        <translation>« Annoter » ouvre %1, qui n'est pas installé sur cet ordinateur. Installez %1, puis choisissez à nouveau « Annoter ».</translation>
    </message>
</context>
</TS>
