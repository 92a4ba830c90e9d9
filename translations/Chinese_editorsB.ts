<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CSquelchTuningDlg</name>
    <message>
        <source>Squelch Tuning</source>
        <translation>静噪调整</translation>
    </message>
    <message>
        <source>V Wide Squelch Tuning</source>
        <translation>V段宽带静噪调整</translation>
    </message>
    <message>
        <source>V Narrow Squelch Tuning</source>
        <translation>V段窄带静噪调整</translation>
    </message>
    <message>
        <source>U Wide Squelch Tuning</source>
        <translation>U段宽带静噪调整</translation>
    </message>
    <message>
        <source>U Narrow Squelch Tuning</source>
        <translation>U段窄带静噪调整</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读</translation>
    </message>
</context>
<context>
    <name>CMskDlg</name>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>ID Code</source>
        <translation>ID码</translation>
    </message>
    <message>
        <source>Call List</source>
        <translation>呼叫列表</translation>
    </message>
</context>
<context>
    <name>CTwoToneDlg</name>
    <message>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
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
        <source>Long tone delay time(s)</source>
        <translation>长音延时(秒)</translation>
    </message>
    <message>
        <source>Tone interval time(ms)</source>
        <translation>音频间隔时间(毫秒)</translation>
    </message>
    <message>
        <source>Tx rise delay time(ms)</source>
        <translation>发射上升延时(毫秒)</translation>
    </message>
    <message>
        <source>Short beep tone</source>
        <translation>短提示音</translation>
    </message>
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
</context>
</TS>
