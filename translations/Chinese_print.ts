<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CPrintListDlg</name>
    <message>
        <source>PrintList</source>
        <translation>打印列表</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
    </message>
    <message>
        <source>Channel Info</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>No report section was chosen; nothing is printed.</source>
        <translation>没有选择任何报表部分，因此不打印。</translation>
    </message>
    <message>
        <source>The printer could not be started; nothing was printed.</source>
        <translation>无法启动打印机，未打印任何内容。</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Export PDF...</source>
        <translation>导出 PDF...</translation>
    </message>
</context>
</TS>
