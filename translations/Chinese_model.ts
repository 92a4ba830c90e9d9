<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>RowOperations</name>
    <message>
        <source>Select the rows first.</source>
        <translation>请先选择行。</translation>
    </message>
    <message>
        <source>The Fr row keeps its place.</source>
        <translation>Fr行不能移动。</translation>
    </message>
    <message>
        <source>This would push a channel past row 128; nothing was changed.</source>
        <translation>此操作会把信道推到第128行之后，未做任何改动。</translation>
    </message>
    <message>
        <source>Row 1 is the first row; nothing was changed.</source>
        <translation>第1行已是第一行，未做任何改动。</translation>
    </message>
</context>
<context>
    <name>CellCommit</name>
    <message>
        <source>a frequency holds only digits and &quot;.&quot;</source>
        <translation>频率只能包含数字和&quot;.&quot;</translation>
    </message>
    <message>
        <source>a frequency holds at most 9 characters</source>
        <translation>频率最多9个字符</translation>
    </message>
    <message>
        <source>a channel name holds no control characters (tab, line break)</source>
        <translation>信道名字不能包含控制字符(制表符、换行)</translation>
    </message>
    <message>
        <source>a channel name holds only characters of the GBK character set</source>
        <translation>信道名字只能包含GBK字符</translation>
    </message>
    <message>
        <source>a channel name holds at most 7 bytes (a Chinese character counts two)</source>
        <translation>信道名字最多7个字节(一个汉字占两个字节)</translation>
    </message>
    <message>
        <source>not an item of the column's list</source>
        <translation>不是该列列表中的选项</translation>
    </message>
</context>
<context>
    <name>CellBlock</name>
    <message>
        <source>the cell lies outside the grid</source>
        <translation>该单元格在表格之外</translation>
    </message>
    <message>
        <source>the row holds no channel (no receive frequency)</source>
        <translation>该行没有信道(没有接收频率)</translation>
    </message>
</context>
<context>
    <name>ChannelColumns</name>
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
        <source> W/N </source>
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
    <name>ImageCompare</name>
    <message>
        <source>channel %1 %2</source>
        <translation>信道 %1 %2</translation>
    </message>
    <message>
        <source> (not in the list)</source>
        <translation>（不在列表中）</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>Cannot write the file</source>
        <translation>无法写入文件</translation>
    </message>
    <message>
        <source>Not a regular file, nothing was saved</source>
        <translation>不是普通文件，未保存</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>无法读取文件</translation>
    </message>
    <message>
        <source>Is a folder, not a file</source>
        <translation>是文件夹而不是文件</translation>
    </message>
    <message>
        <source>File too short: a document file holds 6144 bytes</source>
        <translation>文件太短:文档文件应有6144字节</translation>
    </message>
    <message>
        <source>This is not a regular file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>The file is too large for a channel list</source>
        <translation>文件太大，不是信道列表</translation>
    </message>
</context>
<context>
    <name>ProgramDocument</name>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
</context>
</TS>
