<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CProcessDlg</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Progress：</source>
        <translation>进度：</translation>
    </message>
    <message>
        <source>Not start yet</source>
        <translation>尚未开始</translation>
    </message>
    <message>
        <source>Document: %1</source>
        <translation>文档：%1</translation>
    </message>
    <message>
        <source>Stop writing? The radio will then hold part of the new data and must be written again before use.</source>
        <translation>要停止写入吗？停止后对讲机中将只有部分新数据，使用前必须重新写入。</translation>
    </message>
</context>
<context>
    <name>CPortSettingDlg</name>
    <message>
        <source>Port Setting</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The port choice could not be kept for the next start.</source>
        <translation>无法保存端口选择，下次启动时不会生效。</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Out of range, please input again.</source>
        <translation>超出范围，请重新输入。</translation>
    </message>
    <message>
        <source>Error Data Format, please input again.</source>
        <translation>数据格式错误，请重新输入。</translation>
    </message>
    <message>
        <source>Communication Error, Please check all the connections and the radio power</source>
        <translation>通信错误，请检查所有连接和对讲机电源</translation>
    </message>
    <message>
        <source>Could not Open the Port, Please check whether the Port are occupied or the device are ok</source>
        <translation>无法打开端口，请检查端口是否被占用或设备是否正常</translation>
    </message>
    <message>
        <source>Program Interrupt, Please reset the radio and try again</source>
        <translation>写频中断，请重新启动对讲机后再试</translation>
    </message>
    <message>
        <source>Error data Value, please input according the step value(6.25K/5k).</source>
        <translation>数据值错误，请按步进值(6.25K/5K)输入。</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>Please input the Rx Frequency first.</source>
        <translation>请先输入接收频率。</translation>
    </message>
</context>
</TS>
