<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CloneCommand</name>
    <message>
        <source>%1 radio %2: %3 (%4 s)</source>
        <translation>%1 第 %2 台对讲机：%3（%4 秒）</translation>
    </message>
    <message>
        <source>: %1</source>
        <translation>：%1</translation>
    </message>
    <message>
        <source> (press Enter)</source>
        <translation>（按回车键）</translation>
    </message>
    <message>
        <source>the clone log could not be written</source>
        <translation>无法写入克隆日志</translation>
    </message>
    <message>
        <source>Clone log: %1</source>
        <translation>克隆日志：%1</translation>
    </message>
    <message>
        <source>Connect the radios. After swapping finished radios press Enter; Ctrl+C ends.</source>
        <translation>请连接对讲机。更换写完的对讲机后按回车键；按 Ctrl+C 结束。</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>%1 rows skipped; --strict: nothing written</source>
        <translation>%1 行被跳过；--strict：未写入任何内容</translation>
    </message>
    <message>
        <source>imported %1 channels, skipped %2 rows</source>
        <translation>已导入 %1 个信道，跳过 %2 行</translation>
    </message>
</context>
</TS>
