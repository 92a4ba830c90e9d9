<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>LinkMessages</name>
    <message>
        <source>Band type error</source>
        <translation>频宽类型错误</translation>
    </message>
    <message>
        <source>Password Error!</source>
        <translation>Password Error!</translation>
    </message>
    <message>
        <source>Write Successfully</source>
        <translation>写数据成功</translation>
    </message>
    <message>
        <source>Read Successfully</source>
        <translation>读数据成功</translation>
    </message>
    <message>
        <source>The radio now holds part of the new data and must be written again before use.</source>
        <translation>对讲机中现在只有部分新数据，使用前必须重新写入。</translation>
    </message>
    <message>
        <source>The write completed, but the verify could not finish: the radio could not be read back. Read the radio, or write it again with verify, before use.</source>
        <translation>写入已完成，但校验未能完成：未能读回对讲机。使用前请读取对讲机，或带校验重新写入。</translation>
    </message>
    <message>
        <source>The write completed, but the verify was cancelled: what the radio holds has not been checked.</source>
        <translation>写入已完成，但校验已取消：对讲机中的数据未经检查。</translation>
    </message>
    <message>
        <source>Waiting the response from radio....</source>
        <translation>请等待对机讲响应....</translation>
    </message>
</context>
<context>
    <name>WriteSafety</name>
    <message>
        <source>Reading the radio before writing....</source>
        <translation>写入前正在读取对讲机....</translation>
    </message>
    <message>
        <source>Reading the radio back to verify....</source>
        <translation>正在读回对讲机以校验....</translation>
    </message>
    <message>
        <source>The radio could not be read before writing. Nothing was written to the radio.</source>
        <translation>写入前未能读取对讲机，没有向对讲机写入任何数据。</translation>
    </message>
    <message>
        <source>Verify failed: the radio holds %1 difference(s) from what was written. Write it again before use. First: %2</source>
        <translation>校验失败：对讲机中有 %1 处与写入的数据不同。使用前请重新写入。第一处：%2</translation>
    </message>
</context>
<context>
    <name>PortHolders</name>
    <message>
        <source>it probes newly plugged USB-serial adapters and can hold the port for several seconds.</source>
        <translation>它会探测新插入的 USB 串口适配器，可能占用端口数秒。</translation>
    </message>
    <message>
        <source>it can claim USB-serial adapters with a CH340/CH341 chip.</source>
        <translation>它可能占用带 CH340/CH341 芯片的 USB 串口适配器。</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1（进程 %2）</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>The port is open in %1.</source>
        <translation>打开该端口的程序：%1。</translation>
    </message>
    <message>
        <source>%1 is running; %2</source>
        <translation>%1正在运行；%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>Reason: no such device (%1).</source>
        <translation>原因：没有这个设备（%1）。</translation>
    </message>
    <message>
        <source>Reason: the system has no such port.</source>
        <translation>原因：系统中没有这个端口。</translation>
    </message>
    <message>
        <source>Reason: the port is busy; another program is using it (%1).</source>
        <translation>原因：端口正忙，另一个程序正在使用它（%1）。</translation>
    </message>
    <message>
        <source>Reason: the port is busy; another program is using it.</source>
        <translation>原因：端口正忙，另一个程序正在使用它。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Reason: permission denied (%1). Your user must be in the group that owns the device; log in again after joining it.</source>
        <translation>原因：没有权限（%1）。您的用户必须属于拥有该设备的用户组，加入后请重新登录。</translation>
    </message>
    <message>
        <source>Reason: permission denied. Your user must be in the group that owns the device; log in again after joining it.</source>
        <translation>原因：没有权限。您的用户必须属于拥有该设备的用户组，加入后请重新登录。</translation>
    </message>
    <message>
        <source>Reason: permission denied (%1). Your user must be in the group &quot;%2&quot;, which owns the device; log in again after joining it.</source>
        <translation>原因：没有权限（%1）。您的用户必须属于拥有该设备的用户组“%2”，加入后请重新登录。</translation>
    </message>
    <message>
        <source>Reason: permission denied. Your user must be in the group &quot;%1&quot;, which owns the device; log in again after joining it.</source>
        <translation>原因：没有权限。您的用户必须属于拥有该设备的用户组“%1”，加入后请重新登录。</translation>
    </message>
</context>
<context>
    <name>TransferPhase</name>
    <message>
        <source>Read in %1 s</source>
        <translation>读取完成，用时 %1 秒</translation>
    </message>
    <message>
        <source>Written and verified in %1 s</source>
        <translation>写入并校验完成，用时 %1 秒</translation>
    </message>
    <message>
        <source>Written in %1 s</source>
        <translation>写入完成，用时 %1 秒</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>读取已取消</translation>
    </message>
    <message>
        <source>Cancelled before writing: nothing was written</source>
        <translation>已在写入前取消：没有写入任何数据</translation>
    </message>
    <message>
        <source>Written; the verify was cancelled</source>
        <translation>已写入；校验已取消</translation>
    </message>
    <message>
        <source>Write cancelled: the radio holds part of the new data</source>
        <translation>写入已取消：对讲机中只有部分新数据</translation>
    </message>
    <message>
        <source>Write cancelled: nothing was written</source>
        <translation>写入已取消：没有写入任何数据</translation>
    </message>
    <message>
        <source>Read failed</source>
        <translation>读取失败</translation>
    </message>
    <message>
        <source>The radio could not be read before writing: nothing was written</source>
        <translation>写入前未能读取对讲机：没有写入任何数据</translation>
    </message>
    <message>
        <source>Written, but the verify found differences</source>
        <translation>已写入，但校验发现不同</translation>
    </message>
    <message>
        <source>Written; the verify could not finish</source>
        <translation>已写入；校验未能完成</translation>
    </message>
    <message>
        <source>Write failed: the radio holds part of the new data</source>
        <translation>写入失败：对讲机中只有部分新数据</translation>
    </message>
    <message>
        <source>Write failed: nothing was written</source>
        <translation>写入失败：没有写入任何数据</translation>
    </message>
    <message>
        <source>reading the radio</source>
        <translation>读取对讲机</translation>
    </message>
    <message>
        <source>reading the radio before writing</source>
        <translation>写入前读取对讲机</translation>
    </message>
    <message>
        <source>writing the radio</source>
        <translation>写入对讲机</translation>
    </message>
    <message>
        <source>reading the radio back to verify</source>
        <translation>读回对讲机以校验</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>第 %1 步，共 %2 步：%3</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>a job of one step</comment>
        <translation>正在%1</translation>
    </message>
</context>
</TS>
