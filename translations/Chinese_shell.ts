<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CMainFrame</name>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
    </message>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>Key Assignment</source>
        <translation>按键设置</translation>
    </message>
    <message>
        <source>Squelch Tuning</source>
        <translation>静噪调整</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>机型设置</translation>
    </message>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>*.dat (*.dat)</source>
        <translation>*.dat (*.dat)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的更改?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>建立新文档</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>打开已有的文档</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>保存当前文档</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>从对讲机读数据</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写</translation>
    </message>
    <message>
        <source>Write Data To Radio</source>
        <translation>写数据到对讲机</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>打印当前文档</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>显示程序信息、版本号和版权</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>大写</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>滚动</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>打印设置...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>读(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写(&amp;W)</translation>
    </message>
    <message>
        <source>Com Setup</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Control &amp;Bar</source>
        <translation>控制栏(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
</context>
<context>
    <name>CProductInfoDlg</name>
    <message>
        <source>Product Information</source>
        <translation>机型设置</translation>
    </message>
    <message>
        <source>Model Info</source>
        <translation>机型信息</translation>
    </message>
</context>
<context>
    <name>CProgramApp</name>
    <message>
        <source>Report saved as %1</source>
        <translation>报表已保存为 %1</translation>
    </message>
    <message>
        <source>No radio is set up: a simulated radio answers on %1. Choose Program &gt; Read.</source>
        <translation>未设置对讲机：模拟对讲机在 %1 上应答。请选择 编程 &gt; 读。</translation>
    </message>
    <message>
        <source>The wire log %1 cannot be written: transfers are not logged.</source>
        <translation>无法写入通信日志 %1：传输不会被记录。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>*.dat (*.dat)</source>
        <translation>*.dat (*.dat)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>All data will be Cleared!</source>
        <translation>所有数据将被清除!</translation>
    </message>
</context>
</TS>
