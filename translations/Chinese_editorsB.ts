<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CSquelchTuningDlg</name>
    <message>
        <source>Squelch Tuning</source>
        <translation>静噪调整</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读</translation>
    </message>
</context>
<context>
    <name>CMskDlg</name>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>Call List</source>
        <translation>呼叫列表</translation>
    </message>
</context>
<context>
    <name>CTwoToneDlg</name>
    <message>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
    </message>
</context>
</TS>
