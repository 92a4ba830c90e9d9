<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CNavigationBar</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Program</source>
        <translation>关于 Program</translation>
    </message>
    <message>
        <source>Program Version 1.0</source>
        <translation>Program 1.0 版</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>保留所有权利。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings file %1 could not be written.</source>
        <translation>无法写入设置文件 %1。</translation>
    </message>
</context>
</TS>
