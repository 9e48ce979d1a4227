<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Localizable</name>
    <message>
        <source>menu_calibrate</source>
        <translation>キャリブレーション</translation>
    </message>
    <message>
        <source>menu_Diagnosis</source>
        <translation>診断</translation>
    </message>
    <message>
        <source>menu_Annotate</source>
        <translation>注釈</translation>
    </message>
    <message>
        <source>menu_Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>about_version</source>
        <translation>バージョン %1</translation>
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
        <translation>HN-42 カメラユニット用ペンドライバー</translation>
    </message>
    <message>
        <source>about_copyright</source>
        <translation>オープンソースソフトウェア</translation>
    </message>
</context>
</TS>
