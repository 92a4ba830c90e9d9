<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CCloneStationDlg</name>
    <message>
        <source>Clone Station</source>
        <translation>克隆工作站</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>After a radio, swap it and press Next on its row (or Space on the selected row).</source>
        <translation>写完一台对讲机后，换上下一台，然后按该行的“下一台”（或在选中的行上按空格键）。</translation>
    </message>
    <message>
        <source>Image: no document is open</source>
        <translation>映像：没有打开的文档</translation>
    </message>
    <message>
        <source>Image: %1</source>
        <translation>映像：%1</translation>
    </message>
    <message>
        <source>Check the ports of the stations first.</source>
        <translation>请先勾选工作站的端口。</translation>
    </message>
    <message>
        <source>The clone log cannot be written: %1</source>
        <translation>无法写入克隆日志：%1</translation>
    </message>
    <message>
        <source>The clone log could not be written.</source>
        <translation>无法写入克隆日志。</translation>
    </message>
    <message>
        <source>A radio read before writing could not be kept in the radio history: %1</source>
        <translation>写入前读取的对讲机数据无法保存到对讲机历史记录：%1</translation>
    </message>
    <message>
        <source>A station is writing a radio. Stop every station now?
A radio stopped while it is being written holds part of the new data and must be written again.</source>
        <translation>有工作站正在写入对讲机。现在停止所有工作站吗？
在写入过程中被停止的对讲机只含有部分新数据，必须重新写入。</translation>
    </message>
    <message>
        <source>A station is reading a radio (before writing it, or to verify it). Stop every station now?</source>
        <translation>有工作站正在读取对讲机（写入前读取或校验）。现在停止所有工作站吗？</translation>
    </message>
    <message>
        <source>%1 (SHA-256 %2)</source>
        <translation>%1（SHA-256 %2）</translation>
    </message>
    <message>
        <source>The image %1 has no channels. Write it into the radios all the same?</source>
        <translation>映像 %1 中没有任何信道。仍要将它写入对讲机吗？</translation>
    </message>
</context>
<context>
    <name>CloneResultsPane</name>
    <message>
        <source>Log of this session:</source>
        <translation>本次日志：</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒数</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Appended to the log file %1</source>
        <translation>同时追加写入日志文件 %1</translation>
    </message>
</context>
<context>
    <name>StationTable</name>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一台</translation>
    </message>
    <message>
        <source>The radio on this cable was swapped: write the next one</source>
        <translation>这条写频线上的对讲机已更换：写入下一台</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Clone &amp;Station...</source>
        <translation>克隆工作站(&amp;S)...</translation>
    </message>
    <message>
        <source>Open the document to write into the radios first.</source>
        <translation>请先打开要写入对讲机的文档。</translation>
    </message>
    <message>
        <source>Wait until the transfer with the radio has ended.</source>
        <translation>请等待与对讲机的传输结束。</translation>
    </message>
</context>
<context>
    <name>PortChoiceList</name>
    <message>
        <source>Ports (one station each)</source>
        <translation>端口（每个端口一个工作站）</translation>
    </message>
    <message>
        <source>Other device:</source>
        <translation>其他设备：</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
</context>
</TS>
