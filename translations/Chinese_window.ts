<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CMainFrame</name>
    <message>
        <source>; channels in use: %1.</source>
        <translation>；已用信道：%1 个。</translation>
    </message>
</context>
<context>
    <name>CProgramApp</name>
    <message>
        <source>No printer is installed.</source>
        <translation>没有安装打印机。</translation>
    </message>
</context>
</TS>
