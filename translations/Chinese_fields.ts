<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>OptionalFields</name>
    <message>
        <source>Allow Reset</source>
        <translation>允许复位</translation>
    </message>
    <message>
        <source>Back Light</source>
        <translation>背光</translation>
    </message>
    <message>
        <source>Back Light Color</source>
        <translation>背光颜色</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>省电</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>按键音</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>显示模式</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>键盘锁</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>键盘锁定</translation>
    </message>
    <message>
        <source>MSK Type</source>
        <translation>MSK类型</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Power-on Style</source>
        <translation>开机显示</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Repeater Msk Invert</source>
        <translation>中继MSK反相</translation>
    </message>
    <message>
        <source>STR Set</source>
        <translation>STR设置</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>扫描模式</translation>
    </message>
    <message>
        <source>Short Press Orange Key</source>
        <translation>短按橙键</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Step (k)</source>
        <translation>步进 (k)</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>秒表</translation>
    </message>
    <message>
        <source>TOT (s)</source>
        <translation>发射限时 (s)</translation>
    </message>
    <message>
        <source>TOT Pre-Alert (s)</source>
        <translation>发射限时预警 (s)</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>尾音消除</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控等级</translation>
    </message>
</context>
<context>
    <name>DtmfFields</name>
    <message>
        <source>* and # Digit Time(ms)</source>
        <translation>*和#位时间(ms)</translation>
    </message>
    <message>
        <source>DTMF Speed(digit/s)</source>
        <translation>DTMF速率(位/秒)</translation>
    </message>
    <message>
        <source>First Digit Delay Time(ms)</source>
        <translation>首位延迟时间(ms)</translation>
    </message>
    <message>
        <source>First Digit Time(ms)</source>
        <translation>首位时间(ms)</translation>
    </message>
    <message>
        <source>Group Code</source>
        <translation>组码</translation>
    </message>
    <message>
        <source>ID Code</source>
        <translation>ID码</translation>
    </message>
    <message>
        <source>SideTone</source>
        <translation>侧音</translation>
    </message>
    <message>
        <source>Stun Activation</source>
        <translation>遥毙启用</translation>
    </message>
    <message>
        <source>Stun Code</source>
        <translation>遥毙码</translation>
    </message>
    <message>
        <source>Stun Type</source>
        <translation>遥毙类型</translation>
    </message>
</context>
<context>
    <name>SideKeyFields</name>
    <message>
        <source>Side Key</source>
        <translation>侧键</translation>
    </message>
</context>
<context>
    <name>TwoToneFields</name>
    <message>
        <source>A Tone(HZ)</source>
        <translation>A音(HZ)</translation>
    </message>
    <message>
        <source>B Tone(HZ)</source>
        <translation>B音(HZ)</translation>
    </message>
    <message>
        <source>Interval time(s)</source>
        <translation>间隔时间(秒)</translation>
    </message>
    <message>
        <source>Long tone delay time(s)</source>
        <translation>长音延时(秒)</translation>
    </message>
    <message>
        <source>Short beep tone</source>
        <translation>短提示音</translation>
    </message>
    <message>
        <source>The first delay time(s)</source>
        <translation>第一音延时(秒)</translation>
    </message>
    <message>
        <source>The second delay time(s)</source>
        <translation>第二音延时(秒)</translation>
    </message>
    <message>
        <source>Tone interval time(ms)</source>
        <translation>音频间隔时间(毫秒)</translation>
    </message>
    <message>
        <source>Tx rise delay time(ms)</source>
        <translation>发射上升延时(毫秒)</translation>
    </message>
</context>
<context>
    <name>MskFields</name>
    <message>
        <source>ID Code</source>
        <translation>ID码</translation>
    </message>
</context>
<context>
    <name>SquelchFields</name>
    <message>
        <source>U Narrow Squelch Tuning</source>
        <translation>U段窄带静噪调整</translation>
    </message>
    <message>
        <source>U Wide Squelch Tuning</source>
        <translation>U段宽带静噪调整</translation>
    </message>
    <message>
        <source>V Narrow Squelch Tuning</source>
        <translation>V段窄带静噪调整</translation>
    </message>
    <message>
        <source>V Wide Squelch Tuning</source>
        <translation>V段宽带静噪调整</translation>
    </message>
</context>
<context>
    <name>ProductFields</name>
    <message>
        <source>Field</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>机型</translation>
    </message>
</context>
</TS>
