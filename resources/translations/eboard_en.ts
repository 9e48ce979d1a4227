<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Localizable</name>
    <message>
        <source>menu_calibrate</source>
        <translation>Calibrate</translation>
    </message>
    <message>
        <source>menu_Diagnosis</source>
        <translation>Diagnosis</translation>
    </message>
    <message>
        <source>menu_Annotate</source>
        <translation>Annotate</translation>
    </message>
    <message>
        <source>menu_Quit</source>
        <translation>Quit</translation>
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
        <translation>Pen driver for the HN-42 camera unit</translation>
    </message>
    <message>
        <source>about_copyright</source>
        <translation>Open-source software</translation>
    </message>
</context>
</TS>
