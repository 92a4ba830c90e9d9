<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>StationLine</name>
    <message>
        <source>done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>partly written</source>
        <translation>部分写入</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
</context>
<context>
    <name>CloneStation</name>
    <message>
        <source>written</source>
        <translation>已写入</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>已写入并校验</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>被拒绝</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>waiting for a radio</source>
        <translation>等待对讲机</translation>
    </message>
    <message>
        <source>port not available, trying again</source>
        <translation>端口不可用，正在重试</translation>
    </message>
    <message>
        <source>reading first</source>
        <translation>写入前读取</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>正在写入</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <source>done; waiting for the operator to swap the radio</source>
        <translation>完成；等待操作员更换对讲机</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Cancelled before anything was written.</source>
        <translation>在写入任何数据之前已取消。</translation>
    </message>
</context>
<context>
    <name>CloneTally</name>
    <message>
        <source>%1 done, %2 failed</source>
        <translation>%1 台完成，%2 台失败</translation>
    </message>
    <message>
        <source> (%1 refused)</source>
        <translation>（%1 台被拒绝）</translation>
    </message>
    <message>
        <source>, %1 cancelled</source>
        <translation>，%1 台已取消</translation>
    </message>
    <message>
        <source>Cancelled. </source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>%1 radio(s): %2</source>
        <translation>%1 台对讲机：%2</translation>
    </message>
    <message>
        <source>the port could not be opened</source>
        <translation>无法打开端口</translation>
    </message>
</context>
</TS>
