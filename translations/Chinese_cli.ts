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
    <name>ShowCommand</name>
    <message>
        <source>CH</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>QT/DQT Dec</source>
        <translation>QT/DQT解码</translation>
    </message>
    <message>
        <source>QT/DQT Enc</source>
        <translation>QT/DQT编码</translation>
    </message>
    <message>
        <source>Chnnel Name</source>
        <translation>信道名字</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>W/N</source>
        <translation>宽/窄</translation>
    </message>
    <message>
        <source>Scan Add</source>
        <translation>扫描添加</translation>
    </message>
    <message>
        <source>Busy Lock</source>
        <translation>繁忙锁定</translation>
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
