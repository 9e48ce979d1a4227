<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Localizable</name>
    <message>
        <source>menu_calibrate</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>menu_Diagnosis</source>
        <translation>诊断</translation>
    </message>
    <message>
        <source>menu_Annotate</source>
        <translation>批注</translation>
    </message>
    <message>
        <source>menu_Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>about_version</source>
        <translation>版本 %1</translation>
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
        <translation>HN-42 摄像单元的电子笔驱动程序</translation>
    </message>
    <message>
        <source>about_copyright</source>
        <translation>开源软件</translation>
    </message>
</context>
</TS>
