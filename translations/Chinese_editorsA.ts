<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>COptionalFeaturesDlg</name>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
</context>
<context>
    <name>CKeyAssignDlg</name>
    <message>
        <source>Key Assignment</source>
        <translation>按键设置</translation>
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
    <name>CDtmfDecodePage</name>
    <message>
        <source>Stun</source>
        <translation>遥毙</translation>
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
