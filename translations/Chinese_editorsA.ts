<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>COptionalFeaturesDlg</name>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
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
        <source>Power-on Style</source>
        <translation>开机显示</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>键盘锁</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控等级</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>显示模式</translation>
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
        <source>Tail</source>
        <translation>尾音消除</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>扫描模式</translation>
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
        <source>TOT (s)</source>
        <translation>发射限时 (s)</translation>
    </message>
    <message>
        <source>TOT Pre-Alert (s)</source>
        <translation>发射限时预警 (s)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>秒表</translation>
    </message>
    <message>
        <source>Short Press Orange Key</source>
        <translation>短按橙键</translation>
    </message>
    <message>
        <source>STR Set</source>
        <translation>STR设置</translation>
    </message>
    <message>
        <source>Allow Reset</source>
        <translation>允许复位</translation>
    </message>
    <message>
        <source>MSK Type</source>
        <translation>MSK类型</translation>
    </message>
    <message>
        <source>Keypad Lock</source>
        <translation>键盘锁定</translation>
    </message>
    <message>
        <source>Repeater Msk Invert</source>
        <translation>中继MSK反相</translation>
    </message>
</context>
<context>
    <name>CKeyAssignDlg</name>
    <message>
        <source>Key Assignment</source>
        <translation>按键设置</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>侧键</translation>
    </message>
</context>
<context>
    <name>CDtmfDlg</name>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
</context>
<context>
    <name>CDtmfEncodePage</name>
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
        <source>* and # Digit Time(ms)</source>
        <translation>*和#位时间(ms)</translation>
    </message>
    <message>
        <source>SideTone</source>
        <translation>侧音</translation>
    </message>
</context>
<context>
    <name>CDtmfDecodePage</name>
    <message>
        <source>ID Code</source>
        <translation>ID码</translation>
    </message>
    <message>
        <source>Group Code</source>
        <translation>组码</translation>
    </message>
    <message>
        <source>Stun</source>
        <translation>遥毙</translation>
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
    <name>CBoundDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
