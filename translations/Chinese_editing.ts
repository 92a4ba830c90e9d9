<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>插入行(&amp;I)</translation>
    </message>
    <message>
        <source>Re&amp;move Row</source>
        <translation>移除行(&amp;M)</translation>
    </message>
    <message>
        <source>Mov&amp;e Up</source>
        <translation>上移(&amp;E)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
</context>
<context>
    <name>CChildFrame</name>
    <message>
        <source>Edit Cell</source>
        <translation>编辑单元格</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Reading replaces the changes not yet saved in this document; Edit &gt; Undo takes the read back.</source>
        <translation>读取将替换本文档中尚未保存的修改；“编辑 &gt; 撤销”可撤回这次读取。</translation>
    </message>
</context>
<context>
    <name>CProgramView</name>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>插入行</translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation>移除行</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
</context>
<context>
    <name>PasteReport</name>
    <message>
        <source>Pasted cells refused: %1. They keep what they held.</source>
        <translation>有 %1 个粘贴的单元格被拒绝，这些单元格保持原内容。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
</context>
<context>
    <name>ListMessageBox</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>CellClipboard</name>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>剪贴板中没有文本。</translation>
    </message>
</context>
</TS>
