<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>导入信道(&amp;I)...</translation>
    </message>
    <message>
        <source>Import Channels into E&amp;mpty Rows...</source>
        <translation>导入信道到空行(&amp;M)...</translation>
    </message>
    <message>
        <source>Channels to import: %1. They go into the rows that hold no channel.</source>
        <translation>要导入的信道：%1 个。它们将放入没有信道的行。</translation>
    </message>
    <message>
        <source>E&amp;xport Channels...</source>
        <translation>导出信道(&amp;X)...</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Rows skipped: %1</source>
        <translation>跳过的行：%1</translation>
    </message>
    <message>
        <source>Warnings: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>Channel list, this program&apos;s columns (*.csv)</source>
        <translation>信道列表，本程序的列 (*.csv)</translation>
    </message>
    <message>
        <source>Channel list, columns of other programming tools (*.csv)</source>
        <translation>信道列表，其他写频软件的列 (*.csv)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>Channel lists (*.csv *.txt);;All files (*)</source>
        <translation>信道列表 (*.csv *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>导出信道</translation>
    </message>
    <message>
        <source>Import channels from %1?</source>
        <translation>从 %1 导入信道吗？</translation>
    </message>
    <message>
        <source>Channels to import: %1. They replace the channels of rows 1 to 128.</source>
        <translation>要导入的信道：%1 个。它们将替换第 1 至 128 行的信道。</translation>
    </message>
    <message>
        <source>%1 channels imported</source>
        <translation>已导入 %1 个信道</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>信道已导出到 %1</translation>
    </message>
</context>
<context>
    <name>GenericImport</name>
    <message>
        <source>%1 names no row: the channel goes in file order</source>
        <translation>%1 不是行号：该信道按文件顺序放置</translation>
    </message>
    <message>
        <source>%1 is not a frequency in MHz</source>
        <translation>%1 不是以 MHz 为单位的频率</translation>
    </message>
    <message>
        <source>%1 is not a duplex this radio knows</source>
        <translation>%1 不是本电台支持的双工方式</translation>
    </message>
    <message>
        <source>%1 is not a tone of the tone list</source>
        <translation>%1 不在亚音列表中</translation>
    </message>
    <message>
        <source>%1 is not two letters N or R</source>
        <translation>%1 不是两个字母 N 或 R</translation>
    </message>
    <message>
        <source>%1 is not a code of the tone list</source>
        <translation>%1 不在数字亚音列表中</translation>
    </message>
    <message>
        <source>%1 is a tone mode this radio does not have</source>
        <translation>%1 是本电台没有的亚音方式</translation>
    </message>
    <message>
        <source>%1 is not a cross mode</source>
        <translation>%1 不是交叉亚音方式</translation>
    </message>
    <message>
        <source>%1: this radio is FM only</source>
        <translation>%1：本电台只有 FM</translation>
    </message>
    <message>
        <source>%1 cut to </source>
        <translation>%1 截为 </translation>
    </message>
    <message>
        <source>Duplex &quot;off&quot; (transmit disabled): this radio cannot disable transmit on a channel</source>
        <translation>Duplex &quot;off&quot;（禁止发射）：本电台不能按信道禁止发射</translation>
    </message>
    <message>
        <source>the Offset leaves no transmit frequency</source>
        <translation>Offset 使发射频率小于零</translation>
    </message>
    <message>
        <source>Tone &quot;Cross&quot; without a CrossMode: taken as Tone-&gt;Tone</source>
        <translation>Tone &quot;Cross&quot; 没有 CrossMode：按 Tone-&gt;Tone 处理</translation>
    </message>
</context>
<context>
    <name>CsvText</name>
    <message>
        <source> (line %1)</source>
        <translation>（第 %1 行）</translation>
    </message>
    <message>
        <source>The file is too large for a channel list.</source>
        <translation>文件太大，不是信道列表。</translation>
    </message>
    <message>
        <source>The file holds a NUL byte: it is not a text file</source>
        <translation>文件含有空字节，不是文本文件</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text</source>
        <translation>文件不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>A quoted field is not closed before the end of the file</source>
        <translation>带引号的字段到文件末尾仍未结束</translation>
    </message>
    <message>
        <source>Text follows the closing quote of a field</source>
        <translation>字段的结束引号后还有文字</translation>
    </message>
    <message>
        <source>The file has too many rows</source>
        <translation>文件的行数太多</translation>
    </message>
    <message>
        <source>A row has too many columns</source>
        <translation>某行的列数太多</translation>
    </message>
    <message>
        <source>A field is too long</source>
        <translation>某字段太长</translation>
    </message>
</context>
<context>
    <name>ChannelImport</name>
    <message>
        <source>The column &quot;%1&quot; appears twice in the first line.</source>
        <translation>列 &quot;%1&quot; 在第一行中出现了两次。</translation>
    </message>
    <message>
        <source>The file lacks the columns: %1</source>
        <translation>文件缺少以下列：%1</translation>
    </message>
    <message>
        <source>The file is not a channel list: its first line names none of the columns this program reads. This program's layout has the columns %1; the layout of other programming tools needs Frequency and may have %2.</source>
        <translation>文件不是信道列表：第一行没有本程序能读取的列。本程序格式的列为 %1；其他写频工具的格式需要 Frequency 列，并可以有 %2。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件是空的。</translation>
    </message>
    <message>
        <source>The file holds a header line and no channels.</source>
        <translation>文件只有标题行，没有信道。</translation>
    </message>
    <message>
        <source>No row of the file can be imported.</source>
        <translation>文件中没有可导入的行。</translation>
    </message>
    <message>
        <source>no empty row is left for this channel</source>
        <translation>没有空行可放置该信道</translation>
    </message>
</context>
<context>
    <name>ProgramLayout</name>
    <message>
        <source>CH &quot;%1&quot; names no row: the channel goes in file order</source>
        <translation>信道 &quot;%1&quot; 不是行号：该信道按文件顺序放置</translation>
    </message>
</context>
<context>
    <name>RowCommit</name>
    <message>
        <source>the row has no Rx frequency</source>
        <translation>该行没有接收频率</translation>
    </message>
    <message>
        <source>outside the radio's bands</source>
        <translation>不在电台的频段内</translation>
    </message>
</context>
</TS>
