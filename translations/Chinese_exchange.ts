<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>导入信道(&amp;I)...</translation>
    </message>
    <message>
        <source>Import Channels into E&amp;mpty Rows...</source>
        <translation>导入信道到空行(&amp;M)...</translation>
    </message>
    <message>
        <source>Channels to import: %1. They go into the rows that hold no channel.</source>
        <translation>要导入的信道：%1 个。它们将放入没有信道的行。</translation>
    </message>
    <message>
        <source>E&amp;xport Channels...</source>
        <translation>导出信道(&amp;X)...</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Rows skipped: %1</source>
        <translation>跳过的行：%1</translation>
    </message>
    <message>
        <source>Warnings: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>Channel list, this program&apos;s columns (*.csv)</source>
        <translation>信道列表，本程序的列 (*.csv)</translation>
    </message>
    <message>
        <source>Channel list, columns of other programming tools (*.csv)</source>
        <translation>信道列表，其他写频软件的列 (*.csv)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>Channel lists (*.csv *.txt);;All files (*)</source>
        <translation>信道列表 (*.csv *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>导出信道</translation>
    </message>
    <message>
        <source>Import channels from %1?</source>
        <translation>从 %1 导入信道吗？</translation>
    </message>
    <message>
        <source>Channels to import: %1. They replace the channels of rows 1 to 128.</source>
        <translation>要导入的信道：%1 个。它们将替换第 1 至 128 行的信道。</translation>
    </message>
    <message>
        <source>%1 channels imported</source>
        <translation>已导入 %1 个信道</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>信道已导出到 %1</translation>
    </message>
</context>
</TS>
