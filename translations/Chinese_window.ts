<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Read from the radio in %1 s; channels in use: %2.</source>
        <translation>已从对讲机读取，用时 %1 秒；已用信道：%2 个。</translation>
    </message>
    <message>
        <source>Written to the radio in %1 s; channels in use: %2.</source>
        <translation>已写入对讲机，用时 %1 秒；已用信道：%2 个。</translation>
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
