<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Radio &amp;History...</source>
        <translation>对讲机历史记录(&amp;H)...</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>比较(&amp;W)...</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Read the radio before writing</source>
        <translation>写入前先读取对讲机</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Compare With</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>The document and %1 hold the same data.</source>
        <translation>本文档与 %1 的数据相同。</translation>
    </message>
    <message>
        <source>Differences: %1</source>
        <translation>差异：%1 处</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>本文档</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>ComparePlaces</name>
    <message>
        <source>Channel %1, %2</source>
        <translation>信道 %1，%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Call List %1</source>
        <translation>呼叫列表 %1</translation>
    </message>
    <message>
        <source>Other bytes: %1</source>
        <translation>其他字节：%1</translation>
    </message>
</context>
<context>
    <name>CRadioHistoryDlg</name>
    <message>
        <source>No read has been kept yet.</source>
        <translation>尚未保存任何读取记录。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Radio History</source>
        <translation>对讲机历史记录</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Radio Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道数</translation>
    </message>
    <message>
        <source>Other File...</source>
        <translation>其他文件...</translation>
    </message>
    <message>
        <source>*.dat (*.dat)</source>
        <translation>*.dat (*.dat)</translation>
    </message>
</context>
</TS>
