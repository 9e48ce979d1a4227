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
</TS>
