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
</TS>
