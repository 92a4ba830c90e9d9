<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CDtmfCallListPage</name>
    <message>
        <source>Num</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Fast Call List</source>
        <translation>快速呼叫列表</translation>
    </message>
</context>
<context>
    <name>CDtmfDlg</name>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>CallList</source>
        <translation>呼叫列表</translation>
    </message>
</context>
<context>
    <name>CMskDlg</name>
    <message>
        <source>Num</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Call List</source>
        <translation>呼叫列表</translation>
    </message>
</context>
<context>
    <name>CProductInfoDlg</name>
    <message>
        <source>Frequency input error</source>
        <translation>起始频率应小于结束频率</translation>
    </message>
</context>
<context>
    <name>CTwoToneDlg</name>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Tone1 Fre</source>
        <translation>音频1</translation>
    </message>
    <message>
        <source>Tone2 Fre</source>
        <translation>音频2</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>Write Data</source>
        <translation>写数据</translation>
    </message>
    <message>
        <source>Read Data</source>
        <translation>读数据</translation>
    </message>
</context>
</TS>
