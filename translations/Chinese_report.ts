<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ReportOptional</name>
    <message>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>none</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Back Light:</source>
        <translation>背光灯:</translation>
    </message>
    <message>
        <source>Back Light Color:</source>
        <translation>背光灯颜色:</translation>
    </message>
    <message>
        <source>Display mode:</source>
        <translation>显示模式:</translation>
    </message>
    <message>
        <source>Key lock:</source>
        <translation>键盘锁定:</translation>
    </message>
    <message>
        <source>Priority channel:</source>
        <translation>优先信道:</translation>
    </message>
    <message>
        <source>Scan mode:</source>
        <translation>扫描模式:</translation>
    </message>
    <message>
        <source>Squelch level:</source>
        <translation>静噪电平:</translation>
    </message>
    <message>
        <source>Step:</source>
        <translation>步进:</translation>
    </message>
    <message>
        <source>Time-out Timer:</source>
        <translation>超时定时器:</translation>
    </message>
    <message>
        <source>Vox Gain Level:</source>
        <translation>声控增益电平:</translation>
    </message>
    <message>
        <source>Voice annunciation:</source>
        <translation>语音报号:</translation>
    </message>
    <message>
        <source>Frequency Mode:</source>
        <translation>频率模式:</translation>
    </message>
    <message>
        <source>MSK Type:</source>
        <translation>MSK 类型:</translation>
    </message>
    <message>
        <source>Battery saver:</source>
        <translation>电池省电:</translation>
    </message>
    <message>
        <source>Beep tone:</source>
        <translation>哔音:</translation>
    </message>
    <message>
        <source>Scrambler:</source>
        <translation>扰频器:</translation>
    </message>
    <message>
        <source>Keypad Lock:</source>
        <translation>数字功能键锁定:</translation>
    </message>
    <message>
        <source>Display PTT ID:</source>
        <translation>显示 PTT ID:</translation>
    </message>
    <message>
        <source>PTT ID type:</source>
        <translation>PTT ID 类型:</translation>
    </message>
    <message>
        <source>Beginning of Trasmit:</source>
        <translation>发射开始:</translation>
    </message>
    <message>
        <source>End of transmit:</source>
        <translation>发射结束:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>可选功能</translation>
    </message>
</context>
<context>
    <name>ReportDtmf</name>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Tx inbibit</source>
        <translation>禁止发射</translation>
    </message>
    <message>
        <source>Transceiver inhibit</source>
        <translation>禁止收发</translation>
    </message>
    <message>
        <source>CallList</source>
        <translation>呼叫列表</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>FastCallList</source>
        <translation>快速呼叫列表</translation>
    </message>
    <message>
        <source>DTMF Speed:</source>
        <translation>DTMF 速率:</translation>
    </message>
    <message>
        <source>First Digit Delay Time(ms):</source>
        <translation>首位数码持续时间 (毫秒):</translation>
    </message>
    <message>
        <source>First Digit Time(ms):</source>
        <translation>首位数码时间 (毫秒):</translation>
    </message>
    <message>
        <source>* and # Digit Time(ms):</source>
        <translation>* 和 # 数码时间 (毫秒):</translation>
    </message>
    <message>
        <source>Side Tone:</source>
        <translation>侧音:</translation>
    </message>
    <message>
        <source>ID Code:</source>
        <translation>身份码:</translation>
    </message>
    <message>
        <source>Group Code:</source>
        <translation>组呼码:</translation>
    </message>
    <message>
        <source>Stun Activation:</source>
        <translation>遥毙激活:</translation>
    </message>
    <message>
        <source>Stun Code:</source>
        <translation>遥毙码:</translation>
    </message>
    <message>
        <source>Stun Code Response:</source>
        <translation>遥毙码回应:</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
</context>
<context>
    <name>ReportMsk</name>
    <message>
        <source>ID Code:</source>
        <translation>身份码:</translation>
    </message>
    <message>
        <source>CallList</source>
        <translation>呼叫列表</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
</context>
<context>
    <name>ReportTwoTone</name>
    <message>
        <source>A Tone (Hz):</source>
        <translation>A 音 (Hz):</translation>
    </message>
    <message>
        <source>B Tone (Hz):</source>
        <translation>B 音 (Hz):</translation>
    </message>
    <message>
        <source>The first delay time (s):</source>
        <translation>第一音频持续时间 (s):</translation>
    </message>
    <message>
        <source>The second delay time (s):</source>
        <translation>第二音频持续时间 (s)</translation>
    </message>
    <message>
        <source>Long tone delay time (s):</source>
        <translation>长音持续时间 (s):</translation>
    </message>
    <message>
        <source>Interval time (s):</source>
        <translation>音频间隔时间 (s):</translation>
    </message>
    <message>
        <source>2-Tone %1:</source>
        <translation>2-Tone %1:</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Tone Fre1</source>
        <translation>音频1</translation>
    </message>
    <message>
        <source>Tone Fre2</source>
        <translation>音频2</translation>
    </message>
    <message>
        <source>The first delay time(s):</source>
        <translation>第一音频持续时间 (s):</translation>
    </message>
    <message>
        <source>The second delay time(s):</source>
        <translation>第二音频持续时间 (s)</translation>
    </message>
    <message>
        <source>Long tone delay time(s):</source>
        <translation>长音持续时间 (s):</translation>
    </message>
    <message>
        <source>Tone interval time(s):</source>
        <translation>音频间隔时间 (s):</translation>
    </message>
    <message>
        <source>Txrise delay time(s):</source>
        <translation>上升发射延迟时间 (s):</translation>
    </message>
    <message>
        <source>Short beep tone:</source>
        <translation>短哔音:</translation>
    </message>
    <message>
        <source>2-Tone Decode</source>
        <translation>2-Tone 解码</translation>
    </message>
    <message>
        <source>2-Tone Encode</source>
        <translation>2-Tone 编码</translation>
    </message>
</context>
<context>
    <name>ReportChannels</name>
    <message>
        <source>Receive Frequency:</source>
        <translation>接收频率:</translation>
    </message>
    <message>
        <source>Transceive Frequency:</source>
        <translation>发射频率:</translation>
    </message>
    <message>
        <source>QT/DQT Decode:</source>
        <translation>QT/DQT 解码:</translation>
    </message>
    <message>
        <source>QT/DQT Encode:</source>
        <translation>QT/DQT 编码:</translation>
    </message>
    <message>
        <source>Channel Name:</source>
        <translation>信道名字:</translation>
    </message>
    <message>
        <source>Transmit Power:</source>
        <translation>发射功率:</translation>
    </message>
    <message>
        <source>Wide/Narrow:</source>
        <translation>宽/窄:</translation>
    </message>
    <message>
        <source>Scan Add:</source>
        <translation>扫描添加:</translation>
    </message>
    <message>
        <source>PTT ID:</source>
        <translation>PTT ID:</translation>
    </message>
    <message>
        <source>Busy Lock:</source>
        <translation>繁忙锁定:</translation>
    </message>
    <message>
        <source>Optional Singal:</source>
        <translation>可选信号:</translation>
    </message>
    <message>
        <source>Channel %1:</source>
        <translation>信道 %1:</translation>
    </message>
    <message>
        <source>Channel Infomation</source>
        <translation>信道信息</translation>
    </message>
</context>
<context>
    <name>ReportFooter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
</context>
</TS>
