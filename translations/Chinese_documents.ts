<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>下一个(&amp;X)</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>上一个(&amp;V)</translation>
    </message>
    <message>
        <source>The file %1 cannot be found. It has been removed from the list of recent files.</source>
        <translation>找不到文件 %1，已将其从最近使用的文件列表中删除。</translation>
    </message>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1（已隐藏）</translation>
    </message>
</context>
</TS>
