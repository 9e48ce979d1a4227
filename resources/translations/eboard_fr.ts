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
        <translation>Déplacez le stylet sur tout le tableau. Le carré blanc montre où la caméra voit le stylet ; il doit atteindre chaque bord de la zone encadrée. Lorsque la caméra voit tout le tableau, appuyez sur Espace pour commencer l'étalonnage.</translation>
    </message>
    <message>
        <source>previewStringExit</source>
        <translation>Appuyez sur Échap pour annuler.</translation>
    </message>
    <message>
        <source>calibrateStringTitle</source>
        <translation>Étalonnage</translation>
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
