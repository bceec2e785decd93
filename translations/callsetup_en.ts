<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>BackupWindow</name>
    <message>
        <source>主机内容已读取</source>
        <translation>Host: read</translation>
    </message>
    <message>
        <source>主机未读取</source>
        <translation>Host: not read</translation>
    </message>
    <message>
        <source>分机内容已读取</source>
        <translation>Receiver read</translation>
    </message>
    <message>
        <source>分机未读取</source>
        <translation>Receiver not read</translation>
    </message>
    <message>
        <source>读取进度条</source>
        <translation>Read progress</translation>
    </message>
    <message>
        <source>下发进度条</source>
        <translation>Download progress</translation>
    </message>
    <message>
        <source>通讯失败！请检查连线！</source>
        <translation>No reply from the host unit. Check the cable.</translation>
    </message>
    <message>
        <source>正在读取主机内容……</source>
        <translation>Reading the host unit…</translation>
    </message>
    <message>
        <source>读取主机内容成功！</source>
        <translation>Host unit memory read.</translation>
    </message>
    <message>
        <source>读取主机内容失败！</source>
        <translation>Reading the host unit memory failed.</translation>
    </message>
    <message>
        <source>正在读取外置接收机内容……</source>
        <translation>Reading the external receiver…</translation>
    </message>
    <message>
        <source>读取外置接收机内容成功！</source>
        <translation>External receiver memory read.</translation>
    </message>
    <message>
        <source>读取外置接收机内容失败！</source>
        <translation>Reading the external receiver memory failed.</translation>
    </message>
    <message>
        <source>正在读取内置接收机内容……</source>
        <translation>Reading the built-in receiver…</translation>
    </message>
    <message>
        <source>读取内置接收机内容成功！</source>
        <translation>Built-in receiver memory read.</translation>
    </message>
    <message>
        <source>读取内置接收机内容失败！</source>
        <translation>Reading the built-in receiver memory failed.</translation>
    </message>
    <message>
        <source>接收数据长度错误！</source>
        <translation>The received data has the wrong length.</translation>
    </message>
    <message>
        <source>主机数据未读取，无法下发！</source>
        <translation>The host unit memory has not been read: nothing to download.</translation>
    </message>
    <message>
        <source>下发主机内容失败！</source>
        <translation>Downloading to the host unit failed.</translation>
    </message>
    <message>
        <source>正在下发数据到主机……</source>
        <translation>Downloading to the host unit…</translation>
    </message>
    <message>
        <source>返回数据长度错误！</source>
        <translation>The reply has the wrong length.</translation>
    </message>
    <message>
        <source>下发备份数据到主机成功！</source>
        <translation>Backup downloaded to the host unit.</translation>
    </message>
    <message>
        <source>主机数据未读取，无法保存文件！</source>
        <translation>The host unit memory has not been read: nothing to save.</translation>
    </message>
    <message>
        <source>保存文件的扩展名必须为.cat！</source>
        <translation>The file name must end in .cat.</translation>
    </message>
    <message>
        <source>文件%1保存失败！</source>
        <translation>The file %1 could not be saved.</translation>
    </message>
    <message>
        <source>记录已保存到%1</source>
        <translation>Backup saved: %1</translation>
    </message>
    <message>
        <source>请选择.cat文件</source>
        <translation>Choose a .cat file.</translation>
    </message>
    <message>
        <source>文件%1打开失败！</source>
        <translation>The file %1 could not be opened.</translation>
    </message>
    <message>
        <source>已成功打开备份文件%1</source>
        <translation>Backup file opened: %1</translation>
    </message>
    <message>
        <source>读取数据区为空，请先读取主机或分机内容后再点击此按钮！</source>
        <translation>Nothing has been read. Read the host unit or a receiver first, then press this button.</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Data backup</translation>
    </message>
    <message>
        <source>读取主机</source>
        <translation>Read host</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>下发主机</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>按类型显示</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>内存排列</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>读取内置接收机</source>
        <translation>Read built-in receiver</translation>
    </message>
    <message>
        <source>读取外置接收机</source>
        <translation>Read external receiver</translation>
    </message>
    <message>
        <source>请选择显示的项目</source>
        <translation>Choose a report</translation>
    </message>
    <message>
        <source>传呼号     地址码       极性      机型      速率     音调</source>
        <translation>Pager   Address           Pol.    Model      Rate    Tone</translation>
    </message>
    <message>
        <source>餐桌号    特征码   传呼号1  传呼号2  传呼号3  自设键值</source>
        <translation>Table   Feature code Pager 1   Pager 2    Pager 3    Key</translation>
    </message>
    <message>
        <source>备份文件 (*.cat *.CAT)</source>
        <translation>Backup files (*.cat *.CAT)</translation>
    </message>
    <message>
        <source>下发备份数据到主机成功，读回的内容与备份相同！</source>
        <translation>Backup downloaded; the memory read back matches it.</translation>
    </message>
    <message>
        <source>下发后读回校验</source>
        <translation>Verify after download</translation>
    </message>
    <message>
        <source>下发完成，正在读回校验……</source>
        <translation>Downloaded; reading back to check…</translation>
    </message>
    <message>
        <source>主机读取失败</source>
        <translation>Host: read failed</translation>
    </message>
    <message>
        <source>读取失败，保留的仍是之前的主机内容</source>
        <translation>Read failed: the earlier host memory is still held</translation>
    </message>
    <message>
        <source>读取失败，没有主机内容</source>
        <translation>Read failed: no host memory is held</translation>
    </message>
    <message>
        <source>下发完成，读回的内容与备份不同</source>
        <translation>Downloaded; the memory read back differs</translation>
    </message>
    <message>
        <source>下发完成，读回校验没有做完</source>
        <translation>Downloaded; the check was not completed</translation>
    </message>
    <message>
        <source>上次读取主机失败！现有的主机内容是更早一次读取的，不是最后读取的主机的。</source>
        <translation>The last host read failed! The host memory held is from an earlier read, not from the host unit read last.</translation>
    </message>
    <message>
        <source>上次读取主机失败！现有的主机内容来自文件%1，不是最后读取的主机的。</source>
        <translation>The last host read failed! The host memory held comes from the file %1, not from the host unit read last.</translation>
    </message>
    <message>
        <source>仍要保存它吗？</source>
        <translation>Save it anyway?</translation>
    </message>
    <message numerus="yes">
        <source>两次读取的主机内容不同：共%n个字节不同，第一处在地址%1H！</source>
        <translation>
            <numerusform>The two reads of the host unit differ: %n byte differs, the first at address %1H.</numerusform>
            <numerusform>The two reads of the host unit differ: %n bytes differ, the first at address %1H.</numerusform>
        </translation>
    </message>
    <message>
        <source>下发备份数据到主机成功，读回校验在第%1块（共%2块）后停止，没有做完！</source>
        <translation>Backup downloaded; the check stopped after block %1 of %2 and was not completed.</translation>
    </message>
    <message>
        <source>下发备份数据到主机成功，但读回校验没有做完：%1</source>
        <translation>Backup downloaded, but the check was not completed: %1</translation>
    </message>
    <message numerus="yes">
        <source>下发后读回的主机内容与备份不同：共%n个字节不同，第一处在地址%1H！</source>
        <translation>
            <numerusform>The memory read back differs from the backup: %n byte differs, the first at address %1H.</numerusform>
            <numerusform>The memory read back differs from the backup: %n bytes differ, the first at address %1H.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>the file is neither UTF-8 nor GB18030 text</source>
        <translation>the file is neither UTF-8 nor GB18030 text</translation>
    </message>
    <message>
        <source>the first line must be &quot;%1&quot;</source>
        <translation>the first line must be &quot;%1&quot;</translation>
    </message>
    <message>
        <source>more than 6 cells</source>
        <translation>more than 6 cells</translation>
    </message>
    <message>
        <source>pager %1 is already on line %2</source>
        <translation>pager %1 is already on line %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>unknown value &quot;%2&quot; in the column %1</source>
        <translation>unknown value &quot;%2&quot; in the column %1</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>返回数据长度错误</source>
        <translation>The reply has the wrong length.</translation>
    </message>
    <message>
        <source>设置传呼号成功！</source>
        <translation>Pager set.</translation>
    </message>
    <message>
        <source>设置传呼号失败!</source>
        <translation>Setting the pager failed.</translation>
    </message>
    <message>
        <source>传呼号必须为1-254的数字！</source>
        <translation>The pager number must be a number from 1 to 254.</translation>
    </message>
    <message>
        <source>地址码应为7位数字！</source>
        <translation>The address code must be a number of at most 7 digits.</translation>
    </message>
    <message>
        <source>删除传呼号失败，请检查与通讯端口的连接情况！</source>
        <translation>Deleting the pager failed. Check the connection to the serial port.</translation>
    </message>
    <message>
        <source>删除传呼号成功！</source>
        <translation>Pager deleted.</translation>
    </message>
    <message>
        <source>无此传呼号！</source>
        <translation>No such pager.</translation>
    </message>
    <message>
        <source>返回数据错误</source>
        <translation>The reply is wrong.</translation>
    </message>
    <message>
        <source>删除传呼号失败!</source>
        <translation>Deleting the pager failed.</translation>
    </message>
    <message>
        <source>设置餐桌号成功！</source>
        <translation>Table caller set.</translation>
    </message>
    <message>
        <source>接收器记忆区已经存满，无法写入！</source>
        <translation>The receiver memory is full: nothing more can be written.</translation>
    </message>
    <message>
        <source>设置餐桌号失败!</source>
        <translation>Setting the table caller failed.</translation>
    </message>
    <message>
        <source>餐桌号只能为数字！</source>
        <translation>The table number must be a number.</translation>
    </message>
    <message>
        <source>餐桌号必须为1-65535的数字！</source>
        <translation>The table number must be a number from 1 to 65535.</translation>
    </message>
    <message>
        <source>传呼号必须为1-255的数字！</source>
        <translation>The pager number must be a number from 1 to 255.</translation>
    </message>
    <message>
        <source>键值只能是00-99的数字！</source>
        <translation>The key value must be a number from 00 to 99.</translation>
    </message>
    <message>
        <source>删除餐桌号码成功！</source>
        <translation>Table deleted.</translation>
    </message>
    <message>
        <source>没有与餐桌号对应的呼叫器或接收器与主机连接不正常！！</source>
        <translation>No table caller has this table number, or the receiver is not connected to the host unit properly.</translation>
    </message>
    <message>
        <source>不存在此餐桌号码！！</source>
        <translation>No such table number.</translation>
    </message>
    <message>
        <source>删除餐桌号码失败!</source>
        <translation>Deleting the table failed.</translation>
    </message>
    <message>
        <source>餐桌号码只能为数字！</source>
        <translation>The table number must be a number.</translation>
    </message>
    <message>
        <source>餐桌号码必须为1-65535的数字！</source>
        <translation>The table number must be a number from 1 to 65535.</translation>
    </message>
    <message>
        <source>催菜器号码必须为1-9的数字！</source>
        <translation>The hurry button number must be a number from 1 to 9.</translation>
    </message>
    <message>
        <source>设置催菜器号码成功！</source>
        <translation>Hurry button set.</translation>
    </message>
    <message>
        <source>设置催菜器器号码失败!</source>
        <translation>Setting the hurry button failed.</translation>
    </message>
    <message>
        <source>删除催菜器号码成功！</source>
        <translation>Hurry button deleted.</translation>
    </message>
    <message>
        <source>删除催菜器器号码失败!</source>
        <translation>Deleting the hurry button failed.</translation>
    </message>
    <message>
        <source>设置接收器号码成功！</source>
        <translation>Receiver number set.</translation>
    </message>
    <message>
        <source>设置接收器号码失败!</source>
        <translation>Setting the receiver number failed.</translation>
    </message>
    <message>
        <source>接收器号码必须为01-80的数字！</source>
        <translation>The receiver number must be a number from 01 to 80.</translation>
    </message>
    <message>
        <source>接收器频率写入成功！</source>
        <translation>Receiver frequency written.</translation>
    </message>
    <message>
        <source>接收器频率写入失败!</source>
        <translation>Writing the receiver frequency failed.</translation>
    </message>
    <message>
        <source>请选择接收器的频率！</source>
        <translation>Choose the receiver frequency.</translation>
    </message>
    <message>
        <source>接收器号码必须为1-80的数字！</source>
        <translation>The receiver number must be a number from 1 to 80.</translation>
    </message>
    <message>
        <source>初始化接收器成功！</source>
        <translation>Receiver initialised.</translation>
    </message>
    <message>
        <source>初始化接收器失败!</source>
        <translation>Initialising the receiver failed.</translation>
    </message>
    <message>
        <source>发射机频率写入失败!</source>
        <translation>Writing the transmitter frequency failed.</translation>
    </message>
    <message>
        <source>不输入发射机频率值，将清除系统中对发射机的设置！<byte value="xd"/>
是否继续？</source>
        <translation>With no transmitter frequency entered, the transmitter setting is cleared.<byte value="xd"/>
Continue?</translation>
    </message>
    <message>
        <source>发射机设置清除成功！</source>
        <translation>Transmitter setting cleared.</translation>
    </message>
    <message>
        <source>发射机频率写入成功！</source>
        <translation>Transmitter frequency written.</translation>
    </message>
    <message>
        <source>频率值里不能输入非法数值!</source>
        <translation>The frequency must be a number.</translation>
    </message>
    <message>
        <source>频率值应在100到500之间！</source>
        <translation>The frequency must be from 100 to 500 MHz.</translation>
    </message>
    <message>
        <source>频率值必须为12.5K的倍数！</source>
        <translation>The frequency must be a multiple of 12.5 kHz.</translation>
    </message>
    <message>
        <source>设置工作模式成功！</source>
        <translation>Work mode set.</translation>
    </message>
    <message>
        <source>工作模式设置失败！</source>
        <translation>Setting the work mode failed.</translation>
    </message>
    <message>
        <source>信息机类型设为数字机！</source>
        <translation>Info unit type set to digital.</translation>
    </message>
    <message>
        <source>信息机类型设为语音机！</source>
        <translation>Info unit type set to voice.</translation>
    </message>
    <message>
        <source>设置信息机类型失败!</source>
        <translation>Setting the info unit type failed.</translation>
    </message>
    <message>
        <source>执行此操作将清除主机内存储的所有信息！！<byte value="xd"/>
   您确认执行请按确定，否则请取消！</source>
        <translation>This erases everything stored in the host unit.<byte value="xd"/>
   Press OK to go on, or Cancel.</translation>
    </message>
    <message>
        <source>超时没有返回数据！</source>
        <translation>No reply from the host unit in time.</translation>
    </message>
    <message>
        <source>初始化主机成功！</source>
        <translation>Host unit initialised.</translation>
    </message>
    <message>
        <source>返回数据长度错误！</source>
        <translation>The reply has the wrong length.</translation>
    </message>
    <message>
        <source>初始化主机失败!</source>
        <translation>Initialising the host unit failed.</translation>
    </message>
    <message>
        <source>设置转发器成功！</source>
        <translation>Caller added to the repeater.</translation>
    </message>
    <message>
        <source>转发器记忆区已经存满，无法写入！</source>
        <translation>The repeater memory is full: nothing more can be written.</translation>
    </message>
    <message>
        <source>设置转发器内容失败！</source>
        <translation>Writing the repeater contents failed.</translation>
    </message>
    <message>
        <source>删除转发器内容成功！</source>
        <translation>Caller deleted from the repeater.</translation>
    </message>
    <message>
        <source>转发器中无此呼叫器！</source>
        <translation>This caller is not in the repeater.</translation>
    </message>
    <message>
        <source>转发器内容为空！</source>
        <translation>The repeater is empty.</translation>
    </message>
    <message>
        <source>删除转发器内容失败!</source>
        <translation>Deleting from the repeater failed.</translation>
    </message>
    <message>
        <source>CRC校验错误</source>
        <translation>Checksum error in the reply.</translation>
    </message>
    <message>
        <source>没发现此端口或端口已被其它程序占用!</source>
        <translation>The port does not exist or another program is using it.</translation>
    </message>
    <message>
        <source>当前信息机类型为数字机，设置失败！</source>
        <translation>The info unit is a digital unit: the setting failed.</translation>
    </message>
    <message>
        <source>语音信息机中关于呼叫器的设置成功！</source>
        <translation>Caller prompts set in the voice info unit.</translation>
    </message>
    <message>
        <source>设置呼叫器的语音提示类型失败!</source>
        <translation>Setting the caller voice prompts failed.</translation>
    </message>
    <message>
        <source>设置成功！</source>
        <translation>Setting written.</translation>
    </message>
    <message>
        <source>设置手持呼叫器的语音提示类型失败!</source>
        <translation>Setting the handheld caller voice prompt failed.</translation>
    </message>
    <message>
        <source>超时没有返回数据!!</source>
        <translation>No reply from the host unit in time.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>两个备份相同。</source>
        <translation>The two backups are the same.</translation>
    </message>
    <message>
        <source>比较两个备份</source>
        <translation>Compare two backups</translation>
    </message>
    <message>
        <source>第一个备份(&amp;1)</source>
        <translation>First backup (&amp;1)</translation>
    </message>
    <message>
        <source>第二个备份(&amp;2)</source>
        <translation>Second backup (&amp;2)</translation>
    </message>
    <message>
        <source>选择…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>比较(&amp;C)</source>
        <translation>&amp;Compare</translation>
    </message>
    <message numerus="yes">
        <source>共有%n个字节不同，每一个都列在下面。</source>
        <translation>
            <numerusform>%n byte differs; it is listed below.</numerusform>
            <numerusform>%n bytes differ; each of them is listed below.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Diff</name>
    <message>
        <source>%1 added:</source>
        <translation>%1 added:</translation>
    </message>
    <message>
        <source>%1 removed:</source>
        <translation>%1 removed:</translation>
    </message>
    <message>
        <source>%1 changed:</source>
        <translation>%1 changed:</translation>
    </message>
    <message>
        <source>other cells that differ (address: before -&gt; after):</source>
        <translation>other cells that differ (address: before -&gt; after):</translation>
    </message>
    <message>
        <source>%1 moved to other cells, unchanged:</source>
        <translation>%1 moved to other cells, unchanged:</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>代码%1</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>主机内容未读取：请先在数据备份窗口读取主机或打开备份文件。</source>
        <translation>No host memory yet: read the host unit or open a backup file in the data backup window first.</translation>
    </message>
    <message>
        <source>未设置</source>
        <translation>Not set</translation>
    </message>
    <message>
        <source>%1（出厂值）</source>
        <translation>%1 (factory default)</translation>
    </message>
    <message>
        <source>按键%1提示语</source>
        <translation>Key %1 prompt</translation>
    </message>
    <message>
        <source>手持呼叫器按餐桌号呼叫</source>
        <translation>Handheld, calls by table</translation>
    </message>
    <message>
        <source>手持呼叫器按传呼号呼叫</source>
        <translation>Handheld, calls by pager</translation>
    </message>
    <message>
        <source>餐桌不能在备份中添加：呼叫器的特征码只能由主机在按下呼叫器的服务键时得到。请在主窗口连接主机后设置餐桌，再读取主机。</source>
        <translation>A table cannot be added to a backup: the host unit learns a caller&apos;s feature code only when the caller&apos;s service key is pressed. Set the table in the main window with the host unit connected, then read the host unit again.</translation>
    </message>
    <message>
        <source>主机内容的修改尚未保存到文件，确定关闭编辑窗口吗？修改仍留在数据备份窗口的主机内容中。</source>
        <translation>The changes to the host memory have not been saved to a file. Close the editor? The changes stay in the data backup window&apos;s host memory.</translation>
    </message>
    <message>
        <source>主机内容的修改尚未保存，退出后将丢失。确定退出吗？</source>
        <translation>The changes to the host memory have not been saved and will be lost when the program ends. Exit anyway?</translation>
    </message>
    <message>
        <source>主机内容的修改尚未保存，读取或打开后将丢失。确定继续吗？</source>
        <translation>The changes to the host memory have not been saved and will be lost by reading or opening. Go on?</translation>
    </message>
    <message>
        <source>传呼号</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>地址码</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>机型</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>极性</source>
        <translation>Polarity</translation>
    </message>
    <message>
        <source>速率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>音调</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>特征码</source>
        <translation>Feature code</translation>
    </message>
    <message>
        <source>餐桌号</source>
        <translation>Table no.</translation>
    </message>
    <message>
        <source>传呼号1</source>
        <translation>Pager 1</translation>
    </message>
    <message>
        <source>传呼号2</source>
        <translation>Pager 2</translation>
    </message>
    <message>
        <source>传呼号3</source>
        <translation>Pager 3</translation>
    </message>
    <message>
        <source>自设键值</source>
        <translation>Key value</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>传呼机(&amp;P)</source>
        <translation>&amp;Pagers</translation>
    </message>
    <message>
        <source>餐桌(&amp;T)</source>
        <translation>&amp;Tables</translation>
    </message>
    <message>
        <source>设置(&amp;E)</source>
        <translation>S&amp;ettings</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>添加餐桌(&amp;A)…</source>
        <translation>&amp;Add table…</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为(&amp;V)…</source>
        <translation>Sa&amp;ve as…</translation>
    </message>
    <message>
        <source>下发主机并校验(&amp;W)</source>
        <translation>Do&amp;wnload and verify</translation>
    </message>
    <message>
        <source>编辑主机内容</source>
        <translation>Edit host memory</translation>
    </message>
    <message>
        <source>从主机读取的内容</source>
        <translation>Read from the host unit</translation>
    </message>
    <message>
        <source>备份文件：%1</source>
        <translation>Backup file: %1</translation>
    </message>
</context>
<context>
    <name>Edits</name>
    <message>
        <source>未知的键“%1”</source>
        <translation>unknown key &quot;%1&quot;</translation>
    </message>
    <message>
        <source>应为JSON对象</source>
        <translation>a JSON object is expected</translation>
    </message>
    <message>
        <source>应为JSON列表</source>
        <translation>a JSON list is expected</translation>
    </message>
    <message>
        <source>应为整数</source>
        <translation>a whole number is expected</translation>
    </message>
    <message>
        <source>应在%1到%2之间</source>
        <translation>must lie in %1 to %2</translation>
    </message>
    <message>
        <source>应为true或false</source>
        <translation>true or false is expected</translation>
    </message>
    <message>
        <source>应为列表中的词或JSON对象</source>
        <translation>a word of the list or a JSON object is expected</translation>
    </message>
    <message>
        <source>应为列表中的词或null</source>
        <translation>a word of the list or null is expected</translation>
    </message>
    <message>
        <source>“%1”不是列表中的词：%2</source>
        <translation>&quot;%1&quot; is not a word of the list: %2</translation>
    </message>
    <message>
        <source>应为六个十六进制数字</source>
        <translation>six hexadecimal digits are expected</translation>
    </message>
    <message>
        <source>餐桌应有“feature”或“table”</source>
        <translation>a table needs &quot;feature&quot; or &quot;table&quot;</translation>
    </message>
    <message>
        <source>应为三个传呼号（null：无）</source>
        <translation>three pager numbers are expected (null: none)</translation>
    </message>
    <message>
        <source>不是JSON文档：%1（第%2个字节）</source>
        <translation>not a JSON document: %1 (at byte %2)</translation>
    </message>
    <message>
        <source>文档格式版本%1不受支持，本程序读取版本%2</source>
        <translation>document format version %1 is not supported; this program reads version %2</translation>
    </message>
    <message>
        <source>备份中没有此餐桌号！餐桌不能离线添加：呼叫器的特征码只能在主机上按呼叫器的服务键得到。</source>
        <translation>The backup holds no such table number! A table cannot be added offline: its caller&apos;s code comes only from a press of the caller&apos;s service key at the host unit.</translation>
    </message>
    <message>
        <source>餐桌记录%1（餐桌号%2）与“%3”占用同一内存单元%4，修改一方会覆盖另一方，不能修改！</source>
        <translation>Table record %1 (table %2) and &quot;%3&quot; share memory cell %4: changing one would overwrite the other, so the change is refused!</translation>
    </message>
    <message>
        <source>餐桌号%1已经有呼叫器，不能重复！</source>
        <translation>Table number %1 already has a caller; a number cannot be used twice!</translation>
    </message>
</context>
<context>
    <name>HandheldWindow</name>
    <message>
        <source>找您取（去）**桌</source>
        <translation>calls you for table **</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>手持呼叫器设置</source>
        <translation>Handheld caller settings</translation>
    </message>
    <message>
        <source>餐桌号方式</source>
        <translation>By table number</translation>
    </message>
    <message>
        <source>传呼号方式</source>
        <translation>By pager number</translation>
    </message>
</context>
<context>
    <name>ImportWindow</name>
    <message>
        <source>没有写入任何传呼机</source>
        <translation>no pager was written</translation>
    </message>
    <message>
        <source>已写入第%1行（1个传呼机）</source>
        <translation>line %1 was written (1 pager)</translation>
    </message>
    <message>
        <source>已写入第%1行至第%2行（%3个传呼机）</source>
        <translation>lines %1 to %2 were written (%3 pagers)</translation>
    </message>
    <message>
        <source>%1行有错：改正文件后重新打开，有错时一行也不写入。</source>
        <translation>Rows with errors: %1. Correct the file and open it again; nothing is written while a row has an error.</translation>
    </message>
    <message>
        <source>请先打开一个没有错误的传呼机文件！</source>
        <translation>Open a pager file without errors first.</translation>
    </message>
    <message>
        <source>已在第%1行（传呼号%2）之前停止；%3。</source>
        <translation>Stopped before line %1 (pager %2); %3.</translation>
    </message>
    <message>
        <source>第%1行（传呼号%2）写入失败；%3。</source>
        <translation>Line %1 (pager %2) failed; %3.</translation>
    </message>
    <message>
        <source>传呼机列表已导出到%1</source>
        <translation>The pager list was exported to %1</translation>
    </message>
    <message>
        <source>导入传呼机</source>
        <translation>Import pagers</translation>
    </message>
    <message>
        <source>打开文件(&amp;O)…</source>
        <translation>&amp;Open file…</translation>
    </message>
    <message>
        <source>行</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>传呼号</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>地址码</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>机型</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>极性</source>
        <translation>Polarity</translation>
    </message>
    <message>
        <source>速率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>音调</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>问题</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>写入(&amp;W)</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>停止(&amp;S)</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>传呼机列表 (*.csv *.CSV)</source>
        <translation>Pager lists (*.csv *.CSV)</translation>
    </message>
    <message numerus="yes">
        <source>共%n个传呼机，每一行都可以写入。</source>
        <translation>
            <numerusform>%n pager; it can be written.</numerusform>
            <numerusform>%n pagers; every row can be written.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在写入%n个传呼机……</source>
        <translation>
            <numerusform>Writing %n pager…</numerusform>
            <numerusform>Writing %n pagers…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n个传呼机写入成功！</source>
        <translation>
            <numerusform>%n pager written.</numerusform>
            <numerusform>%n pagers written.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n个传呼机已全部写入。</source>
        <translation>
            <numerusform>%n pager was written.</numerusform>
            <numerusform>All %n pagers were written.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LearningWindow</name>
    <message>
        <source>餐桌 %1</source>
        <translation>Table %1</translation>
    </message>
    <message>
        <source>第%1次请求</source>
        <translation>request %1</translation>
    </message>
    <message>
        <source>最后一个餐桌号不能小于第一个餐桌号！</source>
        <translation>The last table number cannot be smaller than the first!</translation>
    </message>
    <message>
        <source>正在学习餐桌%1至%2……</source>
        <translation>Learning tables %1 to %2…</translation>
    </message>
    <message>
        <source>没有学习任何餐桌（0/%1）</source>
        <translation>no table learned (0 of %1)</translation>
    </message>
    <message>
        <source>已学习餐桌%1至%2（%3/%4）</source>
        <translation>tables %1 to %2 learned (%3 of %4)</translation>
    </message>
    <message>
        <source>餐桌%1至%2全部学习完成。</source>
        <translation>Tables %1 to %2 are all learned.</translation>
    </message>
    <message>
        <source>已停止：%1；餐桌%2未学习。</source>
        <translation>Stopped: %1; table %2 was not learned.</translation>
    </message>
    <message>
        <source>在餐桌%1结束：%2。</source>
        <translation>Ended at table %1: %2.</translation>
    </message>
    <message>
        <source>连续学习餐桌</source>
        <translation>Learn tables in a row</translation>
    </message>
    <message>
        <source>第一个餐桌号(&amp;F)</source>
        <translation>&amp;First table</translation>
    </message>
    <message>
        <source>最后一个餐桌号(&amp;T)</source>
        <translation>Las&amp;t table</translation>
    </message>
    <message>
        <source>自设键值(&amp;K)</source>
        <translation>&amp;Key value</translation>
    </message>
    <message>
        <source>传呼号1(&amp;1)</source>
        <translation>Pager &amp;1</translation>
    </message>
    <message>
        <source>传呼号2(&amp;2)</source>
        <translation>Pager &amp;2</translation>
    </message>
    <message>
        <source>传呼号3(&amp;3)</source>
        <translation>Pager &amp;3</translation>
    </message>
    <message>
        <source>开始(&amp;B)</source>
        <translation>&amp;Begin</translation>
    </message>
    <message>
        <source>停止(&amp;S)</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>餐桌号</source>
        <translation>Table no.</translation>
    </message>
    <message>
        <source>呼叫器编码</source>
        <translation>Caller code</translation>
    </message>
    <message numerus="yes">
        <source>%n张餐桌学习完成！</source>
        <translation>
            <numerusform>%n table learned.</numerusform>
            <numerusform>%n tables learned.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>餐桌%1：%n次请求都没有回应：没有人按呼叫器的键，或者主机没有应答；%2。</source>
        <translation>
            <numerusform>Table %1: %n request went unanswered: no caller key was pressed, or no host unit answers; %2.</numerusform>
            <numerusform>Table %1: %n requests went unanswered: no caller key was pressed, or no host unit answers; %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>已打开%1</source>
        <translation>Opened %1</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>串口已关闭</source>
        <translation>Port closed</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>串口关闭</source>
        <translation>Port closed</translation>
    </message>
    <message>
        <source>停(&amp;t)</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <source>测试(&amp;t)</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>餐厅无线呼叫系统设置程序 V%1</source>
        <translation>Restaurant Wireless Calling System Setup V%1</translation>
    </message>
    <message>
        <source>通讯端口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>端口状态：</source>
        <translation>Port status:</translation>
    </message>
    <message>
        <source>工作模式</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>数据备份</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>设置传呼机</source>
        <translation>Set pager</translation>
    </message>
    <message>
        <source>传呼号</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>地址码</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>机型</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>极性</source>
        <translation>Polarity</translation>
    </message>
    <message>
        <source>速率</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>音调</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>设置餐桌呼叫器</source>
        <translation>Set table caller</translation>
    </message>
    <message>
        <source>餐桌号</source>
        <translation>Table no.</translation>
    </message>
    <message>
        <source>自设键值</source>
        <translation>Key value</translation>
    </message>
    <message>
        <source>传呼号1</source>
        <translation>Pager 1</translation>
    </message>
    <message>
        <source>传呼号2</source>
        <translation>Pager 2</translation>
    </message>
    <message>
        <source>传呼号3</source>
        <translation>Pager 3</translation>
    </message>
    <message>
        <source>删除传呼机</source>
        <translation>Delete pager</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除餐桌呼叫器</source>
        <translation>Delete table caller</translation>
    </message>
    <message>
        <source>初始化主机</source>
        <translation>Initialise host</translation>
    </message>
    <message>
        <source>退出(&amp;x)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>发射机频率  （MHZ）</source>
        <translation>Transmitter (MHz)</translation>
    </message>
    <message>
        <source>接收器频率   （MHZ）</source>
        <translation>Receiver (MHz)</translation>
    </message>
    <message>
        <source>初始化接收器</source>
        <translation>Init. receiver</translation>
    </message>
    <message>
        <source>信息机类型</source>
        <translation>Info unit</translation>
    </message>
    <message>
        <source>语音提示类型设置</source>
        <translation>Voice prompts</translation>
    </message>
    <message>
        <source>Mirelo呼叫器</source>
        <translation>Mirelo caller</translation>
    </message>
    <message>
        <source>手持呼叫器</source>
        <translation>Handheld</translation>
    </message>
    <message>
        <source>删除催菜器</source>
        <translation>Delete hurry button</translation>
    </message>
    <message>
        <source>催菜器号码</source>
        <translation>Hurry button no.</translation>
    </message>
    <message>
        <source>设置催菜器</source>
        <translation>Set hurry button</translation>
    </message>
    <message>
        <source>设置接收器号码</source>
        <translation>Set receiver no.</translation>
    </message>
    <message>
        <source>接收器号码</source>
        <translation>Receiver no.</translation>
    </message>
    <message>
        <source>增强器内容</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>测试窗口</source>
        <translation>Test view</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>欢迎使用</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>餐厅无线呼叫系统设置程序 %1</source>
        <translation>Restaurant Wireless Calling System Setup %1</translation>
    </message>
    <message>
        <source>注意，如果通讯不成功，请换个串口试试！</source>
        <translation>If the host unit does not answer, try another serial port.</translation>
    </message>
    <message>
        <source>欢迎使用餐厅无线呼叫系统，祝您生意兴隆！</source>
        <translation>Welcome to the restaurant wireless calling system. We wish you good business.</translation>
    </message>
    <message>
        <source>如需帮助，请联系您的安装服务商。</source>
        <translation>For help, contact your installer.</translation>
    </message>
    <message>
        <source>恭喜发财！</source>
        <translation>Wishing you prosperity.</translation>
    </message>
    <message>
        <source>批量(&amp;B)</source>
        <translation>&amp;Batch</translation>
    </message>
    <message>
        <source>导入传呼机(&amp;I)…</source>
        <translation>&amp;Import pagers…</translation>
    </message>
    <message>
        <source>连续学习餐桌(&amp;L)…</source>
        <translation>&amp;Learn tables in a row…</translation>
    </message>
    <message>
        <source>导出传呼机(&amp;E)…</source>
        <translation>&amp;Export pagers…</translation>
    </message>
    <message>
        <source>比较两个备份(&amp;C)…</source>
        <translation>&amp;Compare two backups…</translation>
    </message>
    <message>
        <source>编辑主机内容(&amp;M)…</source>
        <translation>Edit host &amp;memory…</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>餐厅无线呼叫系统的设置程序：通过串口设置主机。</source>
        <translation>Sets up the host unit of a restaurant wireless calling system over a serial line.</translation>
    </message>
    <message>
        <source>界面语言：zh（中文）或 en（英文）；不给出时随系统的区域设置。</source>
        <translation>Language of the texts: zh (Chinese) or en (English); without it, the locale&apos;s.</translation>
    </message>
</context>
<context>
    <name>PromptWindow</name>
    <message>
        <source>请按呼叫器的服务键！</source>
        <translation>Press the caller&apos;s service key</translation>
    </message>
    <message>
        <source>   请按呼叫器的服务键!     ……4秒钟后自动返回……</source>
        <translation>   Press the caller&apos;s service key.     …closes by itself in 4 seconds…</translation>
    </message>
    <message>
        <source> 请按催菜器的任意键加#键     ……4秒钟后自动返回……</source>
        <translation> Press a key and # on the hurry button.     …closes by itself in 4 seconds…</translation>
    </message>
    <message>
        <source>请按催菜器的任意键加#键</source>
        <translation>Press a key and # on the hurry button.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>还没有读取主机内容，操作无效！</source>
        <translation>The host unit has not been read: nothing to show.</translation>
    </message>
    <message>
        <source>读取数据区为空，请先读取主机或分机内容后再点击此按钮！</source>
        <translation>Nothing has been read. Read the host unit or a receiver first, then press this button.</translation>
    </message>
    <message>
        <source>没有餐桌号！</source>
        <translation>No tables.</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>传呼号</source>
        <translation>Pagers</translation>
    </message>
    <message>
        <source>餐桌号</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>工作模式</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>发射机频率</source>
        <translation>Tx frequency</translation>
    </message>
    <message>
        <source>信息机类型</source>
        <translation>Info unit type</translation>
    </message>
    <message>
        <source>语音提示语种</source>
        <translation>Prompt language</translation>
    </message>
    <message>
        <source>呼叫发起人</source>
        <translation>Call originator</translation>
    </message>
    <message>
        <source>按键提示语</source>
        <translation>Key prompts</translation>
    </message>
    <message>
        <source>手持呼叫器提示</source>
        <translation>Handheld calls</translation>
    </message>
    <message>
        <source>不存在传呼号！</source>
        <translation>No pagers.</translation>
    </message>
    <message>
        <source>共有%1个餐桌号：</source>
        <translation>Tables:%1</translation>
    </message>
    <message>
        <source>当前工作类型为：</source>
        <translation>Work mode:</translation>
    </message>
    <message>
        <source>发射机频率为出厂默认频率 430.225MHz</source>
        <translation>Transmitter frequency: factory default 430.225 MHz</translation>
    </message>
    <message>
        <source>发射机频率为%1MHz</source>
        <translation>Transmitter frequency:%1 MHz</translation>
    </message>
    <message>
        <source>当前没有设置过语音机的提示语种！</source>
        <translation>Prompt language of the voice unit: not set</translation>
    </message>
    <message>
        <source>当前呼叫发起人的类型没有设置</source>
        <translation>Call originator: not set</translation>
    </message>
    <message>
        <source>呼叫发起人的设置为：</source>
        <translation>Call originator:</translation>
    </message>
    <message>
        <source>呼叫发起人的设置为：“%1”</source>
        <translation>Call originator: “%1”</translation>
    </message>
    <message>
        <source>按键%1的语音提示内容为：%2</source>
        <translation>Key %1 voice prompt: %2</translation>
    </message>
    <message>
        <source>按键%1的语音提示内容没有设置</source>
        <translation>Key %1 voice prompt: not set</translation>
    </message>
    <message>
        <source>此内容没有设置</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>“%1”找您取（去）**桌</source>
        <translation>“%1” calls you for table **</translation>
    </message>
    <message>
        <source>按餐桌号呼叫的方式为：</source>
        <translation>By table number: </translation>
    </message>
    <message>
        <source>按传呼号呼叫的方式为：</source>
        <translation>By pager number: </translation>
    </message>
    <message>
        <source>信息机类型为“%1”</source>
        <translation>Info unit type: %1</translation>
    </message>
    <message>
        <source>当前语音机的提示语种为“%1”</source>
        <translation>Prompt language of the voice unit: %1</translation>
    </message>
</context>
<context>
    <name>Titles</name>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>注意！！</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>VoicePromptWindow</name>
    <message>
        <source>语音提示类型设置</source>
        <translation>Voice prompt settings</translation>
    </message>
    <message>
        <source>数字号码</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>呼叫发起人</source>
        <translation>Call originator</translation>
    </message>
    <message>
        <source>按键提示语</source>
        <translation>Key prompts</translation>
    </message>
    <message>
        <source>1键：</source>
        <translation>Key 1</translation>
    </message>
    <message>
        <source>2键：</source>
        <translation>Key 2</translation>
    </message>
    <message>
        <source>3键：</source>
        <translation>Key 3</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>数字标准</source>
        <translation>Num std</translation>
    </message>
    <message>
        <source>数字新型</source>
        <translation>Num new</translation>
    </message>
    <message>
        <source>中文字符</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>English</translation>
    </message>
    <message>
        <source>反</source>
        <translation>Neg</translation>
    </message>
    <message>
        <source>正</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>音调1</source>
        <translation>Tone 1</translation>
    </message>
    <message>
        <source>音调2</source>
        <translation>Tone 2</translation>
    </message>
    <message>
        <source>音调3</source>
        <translation>Tone 3</translation>
    </message>
    <message>
        <source>音调4</source>
        <translation>Tone 4</translation>
    </message>
    <message>
        <source>单键模式1</source>
        <translation>Single 1</translation>
    </message>
    <message>
        <source>多键模式</source>
        <translation>Multi-key</translation>
    </message>
    <message>
        <source>单键模式0</source>
        <translation>Single 0</translation>
    </message>
    <message>
        <source>数字机</source>
        <translation>digital</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>语音机</source>
        <translation>voice</translation>
    </message>
    <message>
        <source>语音</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>汉语</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>中文发音</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>English</translation>
    </message>
    <message>
        <source>英文发音</source>
        <translation>English</translation>
    </message>
    <message>
        <source>号</source>
        <translation>Number (号)</translation>
    </message>
    <message>
        <source>桌</source>
        <translation>Table (桌)</translation>
    </message>
    <message>
        <source>餐桌</source>
        <translation>Dining table (餐桌)</translation>
    </message>
    <message>
        <source>厅</source>
        <translation>Hall (厅)</translation>
    </message>
    <message>
        <source>餐厅</source>
        <translation>Restaurant (餐厅)</translation>
    </message>
    <message>
        <source>房</source>
        <translation>Room (房)</translation>
    </message>
    <message>
        <source>包房</source>
        <translation>Private room (包房)</translation>
    </message>
    <message>
        <source>床</source>
        <translation>Bed (床)</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel (取消)</translation>
    </message>
    <message>
        <source>服务</source>
        <translation>Service (服务)</translation>
    </message>
    <message>
        <source>需要服务</source>
        <translation>Service needed (需要服务)</translation>
    </message>
    <message>
        <source>点菜</source>
        <translation>Order (点菜)</translation>
    </message>
    <message>
        <source>加水</source>
        <translation>Water (加水)</translation>
    </message>
    <message>
        <source>酒水</source>
        <translation>Drinks (酒水)</translation>
    </message>
    <message>
        <source>茶水</source>
        <translation>Tea (茶水)</translation>
    </message>
    <message>
        <source>买单</source>
        <translation>Bill (买单)</translation>
    </message>
    <message>
        <source>饮料</source>
        <translation>Beverage (饮料)</translation>
    </message>
    <message>
        <source>呼叫</source>
        <translation>Call (呼叫)</translation>
    </message>
    <message>
        <source>紧急</source>
        <translation>Urgent (紧急)</translation>
    </message>
    <message>
        <source>找您</source>
        <translation>Looking for you (找您)</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Drink</source>
        <translation>Drink</translation>
    </message>
    <message>
        <source>Bill</source>
        <translation>Bill</translation>
    </message>
    <message>
        <source>Callsfor</source>
        <translation>Callsfor</translation>
    </message>
    <message>
        <source>厨房</source>
        <translation>Kitchen (厨房)</translation>
    </message>
    <message>
        <source>总台</source>
        <translation>Front desk (总台)</translation>
    </message>
    <message>
        <source>服务台</source>
        <translation>Service desk (服务台)</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>%1: nothing was sent</source>
        <translation>%1: nothing was sent</translation>
    </message>
    <message>
        <source>pagers %1/%2</source>
        <translation>pagers %1/%2</translation>
    </message>
    <message>
        <source>line %1 (pager %2) failed; %3</source>
        <translation>line %1 (pager %2) failed; %3</translation>
    </message>
    <message>
        <source>table %1: </source>
        <translation>table %1: </translation>
    </message>
    <message>
        <source>table %1 (again): </source>
        <translation>table %1 (again): </translation>
    </message>
    <message>
        <source>table %1: caller %2
</source>
        <translation>table %1: caller %2
</translation>
    </message>
    <message>
        <source>no table learned</source>
        <translation>no table learned</translation>
    </message>
    <message>
        <source>tables %1 to %2 learned</source>
        <translation>tables %1 to %2 learned</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>stopped: %1 (%2); table %3 was not learned</source>
        <translation>stopped: %1 (%2); table %3 was not learned</translation>
    </message>
    <message>
        <source>ended at table %1: %2 (%3)</source>
        <translation>ended at table %1: %2 (%3)</translation>
    </message>
    <message>
        <source>callsetup-cli: init erases everything the host unit stores; without a terminal to ask on, give --yes</source>
        <translation>callsetup-cli: init erases everything the host unit stores; without a terminal to ask on, give --yes</translation>
    </message>
    <message>
        <source>a pager number and an address code</source>
        <translation>a pager number and an address code</translation>
    </message>
    <message>
        <source>set pager NUMBER (1-254) with its 7-digit ADDRESS code</source>
        <translation>set pager NUMBER (1-254) with its 7-digit ADDRESS code</translation>
    </message>
    <message>
        <source>a pager number</source>
        <translation>a pager number</translation>
    </message>
    <message>
        <source>delete pager NUMBER</source>
        <translation>delete pager NUMBER</translation>
    </message>
    <message>
        <source>a table number</source>
        <translation>a table number</translation>
    </message>
    <message>
        <source>bind TABLE (1-65535) to the caller whose service key is pressed next</source>
        <translation>bind TABLE (1-65535) to the caller whose service key is pressed next</translation>
    </message>
    <message>
        <source>delete TABLE</source>
        <translation>delete TABLE</translation>
    </message>
    <message>
        <source>a work mode</source>
        <translation>a work mode</translation>
    </message>
    <message>
        <source>initialise the host unit, erasing everything it stores</source>
        <translation>initialise the host unit, erasing everything it stores</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>a file name</translation>
    </message>
    <message>
        <source>set every pager of a CSV file, in file order</source>
        <translation>set every pager of a CSV file, in file order</translation>
    </message>
    <message>
        <source>a range of table numbers</source>
        <translation>a range of table numbers</translation>
    </message>
    <message>
        <source>learn the callers of tables FIRST to LAST, one key press each</source>
        <translation>learn the callers of tables FIRST to LAST, one key press each</translation>
    </message>
    <message>
        <source>read the host unit&apos;s memory and save it to FILE.cat</source>
        <translation>read the host unit&apos;s memory and save it to FILE.cat</translation>
    </message>
    <message>
        <source>download the backup FILE.cat into the host unit</source>
        <translation>download the backup FILE.cat into the host unit</translation>
    </message>
    <message>
        <source>a kind and a file</source>
        <translation>a kind and a file</translation>
    </message>
    <message>
        <source>print a report of the backup FILE.cat</source>
        <translation>print a report of the backup FILE.cat</translation>
    </message>
    <message>
        <source>print the memory dump of the backup FILE.cat</source>
        <translation>print the memory dump of the backup FILE.cat</translation>
    </message>
    <message>
        <source>two file names</source>
        <translation>two file names</translation>
    </message>
    <message>
        <source>what differs from backup A to backup B; exit status 0 equal, 1 not</source>
        <translation>what differs from backup A to backup B; exit status 0 equal, 1 not</translation>
    </message>
    <message>
        <source>print the bytes arriving on the line until interrupted</source>
        <translation>print the bytes arriving on the line until interrupted</translation>
    </message>
    <message>
        <source>unknown value &quot;%1&quot; for %2</source>
        <translation>unknown value &quot;%1&quot; for %2</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>--pagers takes at most three pager numbers</source>
        <translation>--pagers takes at most three pager numbers</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (text, csv or json)</source>
        <translation>unknown format &quot;%1&quot; (text, csv or json)</translation>
    </message>
    <message>
        <source>csv is for the pagers and tables reports</source>
        <translation>csv is for the pagers and tables reports</translation>
    </message>
    <message>
        <source>tables learn takes FIRST-LAST, table numbers 1-65535, FIRST &lt;= LAST</source>
        <translation>tables learn takes FIRST-LAST, table numbers 1-65535, FIRST &lt;= LAST</translation>
    </message>
    <message>
        <source>waiting for the host unit…</source>
        <translation>waiting for the host unit…</translation>
    </message>
    <message>
        <source>no row was set</source>
        <translation>no row was set</translation>
    </message>
    <message>
        <source>callsetup-cli: cannot read %1: %2</source>
        <translation>callsetup-cli: cannot read %1: %2</translation>
    </message>
    <message>
        <source>stopped before line %1 (pager %2); %3</source>
        <translation>stopped before line %1 (pager %2); %3</translation>
    </message>
    <message>
        <source>; also %1</source>
        <translation>; also %1</translation>
    </message>
    <message>
        <source>set the work mode</source>
        <translation>set the work mode</translation>
    </message>
    <message>
        <source>--tries takes a number of requests (0 for no limit)</source>
        <translation>--tries takes a number of requests (0 for no limit)</translation>
    </message>
    <message>
        <source>report all is json only</source>
        <translation>report all is json only</translation>
    </message>
    <message>
        <source>no reply from the host unit</source>
        <translation>no reply from the host unit</translation>
    </message>
    <message>
        <source>the host unit gave an unexpected reply</source>
        <translation>the host unit gave an unexpected reply</translation>
    </message>
    <message>
        <source>callsetup-cli: standard output could not be written: %1</source>
        <translation>callsetup-cli: standard output could not be written: %1</translation>
    </message>
    <message>
        <source>stopped after block %1 of %2: nothing was saved</source>
        <translation>stopped after block %1 of %2: nothing was saved</translation>
    </message>
    <message>
        <source>the download ended after %1 of %2 blocks: the host unit now holds part of the backup and part of its old memory; download the backup again</source>
        <translation>the download ended after %1 of %2 blocks: the host unit now holds part of the backup and part of its old memory; download the backup again</translation>
    </message>
    <message>
        <source>the pagers</source>
        <translation>the pagers</translation>
    </message>
    <message>
        <source>the tables and their callers</source>
        <translation>the tables and their callers</translation>
    </message>
    <message>
        <source>the work mode</source>
        <translation>the work mode</translation>
    </message>
    <message>
        <source>the transmitter frequency</source>
        <translation>the transmitter frequency</translation>
    </message>
    <message>
        <source>the info unit type</source>
        <translation>the info unit type</translation>
    </message>
    <message>
        <source>the language a voice info unit speaks numbers in</source>
        <translation>the language a voice info unit speaks numbers in</translation>
    </message>
    <message>
        <source>the word a voice info unit says for the calling place</source>
        <translation>the word a voice info unit says for the calling place</translation>
    </message>
    <message>
        <source>the voice prompts of the caller keys</source>
        <translation>the voice prompts of the caller keys</translation>
    </message>
    <message>
        <source>the places a voice info unit names for handheld callers</source>
        <translation>the places a voice info unit names for handheld callers</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>in use by another program</translation>
    </message>
    <message>
        <source>permission denied: add the user to the dialout group and log in again</source>
        <translation>permission denied: add the user to the dialout group and log in again</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>the port cannot be opened</source>
        <translation>the port cannot be opened</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>a folder, not a file</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>a FIFO, not a regular file</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>a socket, not a regular file</translation>
    </message>
    <message>
        <source>a device, not a regular file</source>
        <translation>a device, not a regular file</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8 and cannot be used exactly</source>
        <translation>the name is not valid UTF-8 and cannot be used exactly</translation>
    </message>
    <message>
        <source>%1 bytes, over the limit of %2 bytes</source>
        <translation>%1 bytes, over the limit of %2 bytes</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>no folder %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>saved, but without the old file&apos;s permissions: %1</source>
        <translation>saved, but without the old file&apos;s permissions: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Usage: callsetup-cli [OPTIONS] COMMAND [ARGUMENTS] [OPTIONS]</source>
        <translation>Usage: callsetup-cli [OPTIONS] COMMAND [ARGUMENTS] [OPTIONS]</translation>
    </message>
    <message>
        <source>Usage: callsetup-cli %1 [OPTIONS]</source>
        <translation>Usage: callsetup-cli %1 [OPTIONS]</translation>
    </message>
    <message>
        <source>set up the host unit of a restaurant wireless calling system</source>
        <translation>set up the host unit of a restaurant wireless calling system</translation>
    </message>
    <message>
        <source>Sets up the host unit of a restaurant wireless calling system over a serial line: the commands of the main window of callsetup and of its data backup window, and batch work, on the same core functions as the windows. Messages are the windows&apos; own texts on standard error; reports and dumps go to standard output.</source>
        <translation>Sets up the host unit of a restaurant wireless calling system over a serial line: the commands of the main window of callsetup and of its data backup window, and batch work, on the same core functions as the windows. Messages are the windows&apos; own texts on standard error; reports and dumps go to standard output.</translation>
    </message>
    <message>
        <source>The line runs at 9600 baud, 8 data bits, no parity, 1 stop bit. A backup of the unit&apos;s memory is a .cat file of 8192 raw bytes, without a header. Reports and dumps are UTF-8 with CR LF line ends, as the windows show them. While a long operation runs, a progress line fits the terminal&apos;s width on standard error when that is a terminal (not with TERM=dumb).</source>
        <translation>The line runs at 9600 baud, 8 data bits, no parity, 1 stop bit. A backup of the unit&apos;s memory is a .cat file of 8192 raw bytes, without a header. Reports and dumps are UTF-8 with CR LF line ends, as the windows show them. While a long operation runs, a progress line fits the terminal&apos;s width on standard error when that is a terminal (not with TERM=dumb).</translation>
    </message>
    <message>
        <source>The first Ctrl+C during a read, a download, a pager load or table learning ends it after the block or row in progress and says how far it got; a second Ctrl+C ends the program at once.</source>
        <translation>The first Ctrl+C during a read, a download, a pager load or table learning ends it after the block or row in progress and says how far it got; a second Ctrl+C ends the program at once.</translation>
    </message>
    <message>
        <source>Without --fast every wait is sat out as in the windows (a host read takes 12.8 s); with it a wait ends as soon as a complete, checked reply has arrived (about 9.8 s).</source>
        <translation>Without --fast every wait is sat out as in the windows (a host read takes 12.8 s); with it a wait ends as soon as a complete, checked reply has arrived (about 9.8 s).</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>Options of every command:</source>
        <translation>Options of every command:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Exit status:</translation>
    </message>
    <message>
        <source>File format:</source>
        <translation>File format:</translation>
    </message>
    <message>
        <source>show the program&apos;s version</source>
        <translation>show the program&apos;s version</translation>
    </message>
    <message>
        <source>everything the backup holds (json)</source>
        <translation>everything the backup holds (json)</translation>
    </message>
    <message>
        <source>&quot;callsetup-cli COMMAND --help&quot; shows the words and options of a command; the manual page callsetup-cli(1) tells more.</source>
        <translation>&quot;callsetup-cli COMMAND --help&quot; shows the words and options of a command; the manual page callsetup-cli(1) tells more.</translation>
    </message>
    <message>
        <source>done (an empty list too)</source>
        <translation>done (an empty list too)</translation>
    </message>
    <message>
        <source>the operation was attempted and failed: port, line, unit, a file or standard output that could not be written, a stop by Ctrl+C; diff: the backups differ</source>
        <translation>the operation was attempted and failed: port, line, unit, a file or standard output that could not be written, a stop by Ctrl+C; diff: the backups differ</translation>
    </message>
    <message>
        <source>refused before anything was sent: wrong usage, a refused value, bad rows of a pager file, an input file that is missing, unreadable or misnamed, a declined question</source>
        <translation>refused before anything was sent: wrong usage, a refused value, bad rows of a pager file, an input file that is missing, unreadable or misnamed, a declined question</translation>
    </message>
    <message>
        <source>--port takes COM1 to COM8, as the window&apos;s port list does, or the path of a serial device.</source>
        <translation>--port takes COM1 to COM8, as the window&apos;s port list does, or the path of a serial device.</translation>
    </message>
    <message>
        <source>On Linux, COMn is the device that the per-user link ~/.config/callsetup/dosdevices/comN points to, when that link exists (the convention Wine uses for its DOS devices). Otherwise COMn is the n-th serial port present on the machine: first the built-in ports that really exist, by number, then USB and ACM adapters, by device name. When fewer than n ports are present, COMn is /dev/ttyS(n-1). The mapping is looked up each time the port is opened, so an adapter plugged in later is reached; the command ports shows it. For example, to reach a USB adapter as COM3:</source>
        <translation>On Linux, COMn is the device that the per-user link ~/.config/callsetup/dosdevices/comN points to, when that link exists (the convention Wine uses for its DOS devices). Otherwise COMn is the n-th serial port present on the machine: first the built-in ports that really exist, by number, then USB and ACM adapters, by device name. When fewer than n ports are present, COMn is /dev/ttyS(n-1). The mapping is looked up each time the port is opened, so an adapter plugged in later is reached; the command ports shows it. For example, to reach a USB adapter as COM3:</translation>
    </message>
    <message>
        <source>On Windows, COMn is the port COMn.</source>
        <translation>On Windows, COMn is the port COMn.</translation>
    </message>
    <message>
        <source>the folder of the per-user port links, instead of ~/.config/callsetup/dosdevices</source>
        <translation>the folder of the per-user port links, instead of ~/.config/callsetup/dosdevices</translation>
    </message>
    <message>
        <source>where the folder callsetup/dosdevices of the port links is looked for, instead of ~/.config</source>
        <translation>where the folder callsetup/dosdevices of the port links is looked for, instead of ~/.config</translation>
    </message>
    <message>
        <source>the first of them that is set chooses the language of the texts: English for an English locale (en, en_GB.UTF-8 ...), Chinese for every other, C, POSIX and an unset locale included; --lang overrides them</source>
        <translation>the first of them that is set chooses the language of the texts: English for an English locale (en, en_GB.UTF-8 ...), Chinese for every other, C, POSIX and an unset locale included; --lang overrides them</translation>
    </message>
    <message>
        <source>dumb: no progress line</source>
        <translation>dumb: no progress line</translation>
    </message>
    <message>
        <source>per-user link that makes COMn reach the device it points to</source>
        <translation>per-user link that makes COMn reach the device it points to</translation>
    </message>
    <message>
        <source>a backup of the host unit&apos;s memory: 8192 raw bytes, without a header</source>
        <translation>a backup of the host unit&apos;s memory: 8192 raw bytes, without a header</translation>
    </message>
    <message>
        <source>set pager 12 through the port COM1</source>
        <translation>set pager 12 through the port COM1</translation>
    </message>
    <message>
        <source>bind table 5 to the caller whose service key is pressed next; its calls go to pagers 12 and 13</source>
        <translation>bind table 5 to the caller whose service key is pressed next; its calls go to pagers 12 and 13</translation>
    </message>
    <message>
        <source>initialise the host unit from a script</source>
        <translation>initialise the host unit from a script</translation>
    </message>
    <message>
        <source>set the pagers of a file, each wait ending with its reply</source>
        <translation>set the pagers of a file, each wait ending with its reply</translation>
    </message>
    <message>
        <source>learn the callers of tables 1 to 200, one key press each</source>
        <translation>learn the callers of tables 1 to 200, one key press each</translation>
    </message>
    <message>
        <source>before replacing a unit: read it twice and save what both reads agree on</source>
        <translation>before replacing a unit: read it twice and save what both reads agree on</translation>
    </message>
    <message>
        <source>download the backup into the new unit and read it back</source>
        <translation>download the backup into the new unit and read it back</translation>
    </message>
    <message>
        <source>the pagers of a backup as a pager file, for pagers load</source>
        <translation>the pagers of a backup as a pager file, for pagers load</translation>
    </message>
    <message>
        <source>everything a backup holds, as JSON</source>
        <translation>everything a backup holds, as JSON</translation>
    </message>
    <message>
        <source>what changed from one backup to the other</source>
        <translation>what changed from one backup to the other</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <translation>COMMANDS</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>PAGER FILE FORMAT</source>
        <translation>PAGER FILE FORMAT</translation>
    </message>
    <message>
        <source>SERIAL PORTS</source>
        <translation>SERIAL PORTS</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>ENVIRONMENT</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>EXIT STATUS</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>FILES</translation>
    </message>
    <message>
        <source>EXAMPLES</source>
        <translation>EXAMPLES</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>SEE ALSO</translation>
    </message>
    <message>
        <source>User Commands</source>
        <translation>User Commands</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>init cancelled: nothing was sent</source>
        <translation>init cancelled: nothing was sent</translation>
    </message>
    <message>
        <source>own key value 00-99</source>
        <translation>own key value 00-99</translation>
    </message>
    <message>
        <source>up to three pager numbers 1-255</source>
        <translation>up to three pager numbers 1-255</translation>
    </message>
    <message>
        <source>COM1 .. COM8 (default COM1) or a device path such as /dev/ttyUSB0</source>
        <translation>COM1 .. COM8 (default COM1) or a device path such as /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>end each wait as soon as a complete, checked reply has arrived</source>
        <translation>end each wait as soon as a complete, checked reply has arrived</translation>
    </message>
    <message>
        <source>language of the texts: zh or en (default: the locale)</source>
        <translation>language of the texts: zh or en (default: the locale)</translation>
    </message>
    <message>
        <source>show the help (of the command, when one is given)</source>
        <translation>show the help (of the command, when one is given)</translation>
    </message>
    <message>
        <source>the pager&apos;s model</source>
        <translation>the pager&apos;s model</translation>
    </message>
    <message>
        <source>the pager&apos;s polarity</source>
        <translation>the pager&apos;s polarity</translation>
    </message>
    <message>
        <source>the pager&apos;s rate in baud</source>
        <translation>the pager&apos;s rate in baud</translation>
    </message>
    <message>
        <source>the pager&apos;s tone</source>
        <translation>the pager&apos;s tone</translation>
    </message>
    <message>
        <source>Without an option a list takes the main window&apos;s selection at start-up.</source>
        <translation>Without an option a list takes the main window&apos;s selection at start-up.</translation>
    </message>
    <message>
        <source>While the host unit listens (3 seconds) the words of the prompt window are shown: &quot;%1&quot;.</source>
        <translation>While the host unit listens (3 seconds) the words of the prompt window are shown: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ask nothing: initialise at once</source>
        <translation>ask nothing: initialise at once</translation>
    </message>
    <message>
        <source>When standard input and standard error are terminals, the window&apos;s warning is shown and a question asked: y, yes or 是 goes on, any other answer cancels. Otherwise --yes is needed; without it nothing is sent and the exit status is 2.</source>
        <translation>When standard input and standard error are terminals, the window&apos;s warning is shown and a question asked: y, yes or 是 goes on, any other answer cancels. Otherwise --yes is needed; without it nothing is sent and the exit status is 2.</translation>
    </message>
    <message>
        <source>only check the file</source>
        <translation>only check the file</translation>
    </message>
    <message>
        <source>Each table waits until a caller&apos;s service key is pressed; a wait without a key press asks again, up to --tries requests for one table. Each success prints the table and the caller&apos;s code. Ctrl+C ends the run after the exchange in progress; a full memory ends it too. --key and --pagers are sent with every table.</source>
        <translation>Each table waits until a caller&apos;s service key is pressed; a wait without a key press asks again, up to --tries requests for one table. Each success prints the table and the caller&apos;s code. Ctrl+C ends the run after the exchange in progress; a full memory ends it too. --key and --pagers are sent with every table.</translation>
    </message>
    <message>
        <source>read the memory twice and save it only when both reads agree (before replacing a unit); a difference gives the first differing address and exit status 1</source>
        <translation>read the memory twice and save it only when both reads agree (before replacing a unit); a difference gives the first differing address and exit status 1</translation>
    </message>
    <message>
        <source>read the memory back afterwards and compare it with the file; a difference gives the first differing address, the number of differing cells and exit status 1</source>
        <translation>read the memory back afterwards and compare it with the file; a difference gives the first differing address, the number of differing cells and exit status 1</translation>
    </message>
    <message>
        <source>A download that does not complete leaves the host unit holding part of the backup and part of its old memory; the program says how far it got.</source>
        <translation>A download that does not complete leaves the host unit holding part of the backup and part of its old memory; the program says how far it got.</translation>
    </message>
    <message>
        <source>text (the window&apos;s report, the default), csv (pagers and tables; the pager CSV is what pagers load takes) or json (every kind; all is json only, and its default)</source>
        <translation>text (the window&apos;s report, the default), csv (pagers and tables; the pager CSV is what pagers load takes) or json (every kind; all is json only, and its default)</translation>
    </message>
    <message>
        <source>CSV and JSON are the same in every language.</source>
        <translation>CSV and JSON are the same in every language.</translation>
    </message>
    <message>
        <source>Pagers and tables added, removed or changed and each setting, in the words of the reports; every other differing cell by its address. An unreadable file gives exit status 2.</source>
        <translation>Pagers and tables added, removed or changed and each setting, in the words of the reports; every other differing cell by its address. An unreadable file gives exit status 2.</translation>
    </message>
    <message>
        <source>COM1 to COM8: the device each reaches, present or absent, and the links that lead there</source>
        <translation>COM1 to COM8: the device each reaches, present or absent, and the links that lead there</translation>
    </message>
    <message>
        <source>A serial port present that no COM name reaches (a link leads elsewhere) is listed after them; --port takes its path.</source>
        <translation>A serial port present that no COM name reaches (a link leads elsewhere) is listed after them; --port takes its path.</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (default)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>--%1 does not apply to %2</source>
        <translation>--%1 does not apply to %2</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <source>unknown port name &quot;%1&quot; (COM1 .. COM8 or a device path)</source>
        <translation>unknown port name &quot;%1&quot; (COM1 .. COM8 or a device path)</translation>
    </message>
    <message>
        <source>--lang takes zh or en, not &quot;%1&quot;</source>
        <translation>--lang takes zh or en, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown report kind &quot;%1&quot;</source>
        <translation>unknown report kind &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 takes no more words: &quot;%2&quot;</source>
        <translation>%1 takes no more words: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 needs %2</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unknown command &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--completion takes bash or ports</source>
        <translation>--completion takes bash or ports</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>present</source>
        <translation>present</translation>
    </message>
    <message>
        <source>absent</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>link %1</translation>
    </message>
    <message>
        <source>dangling link %1</source>
        <translation>dangling link %1</translation>
    </message>
    <message>
        <source>present, reached by no COM name:</source>
        <translation>present, reached by no COM name:</translation>
    </message>
    <message>
        <source>Go on? Type y or yes to go on, anything else cancels: </source>
        <translation>Go on? Type y or yes to go on, anything else cancels: </translation>
    </message>
    <message>
        <source>Try &quot;%1&quot; for more information.</source>
        <translation>Try &quot;%1&quot; for more information.</translation>
    </message>
    <message>
        <source>One program at a time uses a device: while the port is open, the device its name leads to is locked, so a second program, or the same device through a symbolic link such as /dev/serial/by-id/... or another COM name, cannot open it and gets the port message, which says the port is in use. When a port does not open, a second line gives the system&apos;s reason. On Linux the user needs to be in the dialout group to open serial ports (sudo adduser $USER dialout, then log in again).</source>
        <translation>One program at a time uses a device: while the port is open, the device its name leads to is locked, so a second program, or the same device through a symbolic link such as /dev/serial/by-id/... or another COM name, cannot open it and gets the port message, which says the port is in use. When a port does not open, a second line gives the system&apos;s reason. On Linux the user needs to be in the dialout group to open serial ports (sudo adduser $USER dialout, then log in again).</translation>
    </message>
    <message>
        <source>when set, Qt&apos;s own warnings and debug notes are shown on standard error</source>
        <translation>when set, Qt&apos;s own warnings and debug notes are shown on standard error</translation>
    </message>
    <message>
        <source>Every row is checked before anything is sent: with a bad row, the bad rows are listed (the first %1 of them) and nothing is sent. The first failed reply ends the run; Ctrl+C ends it after the row in progress.</source>
        <translation>Every row is checked before anything is sent: with a bad row, the bad rows are listed (the first %1 of them) and nothing is sent. The first failed reply ends the run; Ctrl+C ends it after the row in progress.</translation>
    </message>
    <message>
        <source>unanswered requests for one table (default %1, 0 for no limit)</source>
        <translation>unanswered requests for one table (default %1, 0 for no limit)</translation>
    </message>
    <message>
        <source>the line went away: %1 was closed</source>
        <translation>the line went away: %1 was closed</translation>
    </message>
    <message numerus="yes">
        <source>rows set: lines %1 to %2 (%n pagers)</source>
        <translation>
            <numerusform>rows set: lines %1 to %2 (%n pager)</numerusform>
            <numerusform>rows set: lines %1 to %2 (%n pagers)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n pagers, every row can be sent</source>
        <translation>
            <numerusform>%1: %n pager, it can be sent</numerusform>
            <numerusform>%1: %n pagers, every row can be sent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pagers set</source>
        <translation>
            <numerusform>%n pager set</numerusform>
            <numerusform>%n pagers set</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tables learned</source>
        <translation>
            <numerusform>%n table learned</numerusform>
            <numerusform>%n tables learned</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>table %1: %n requests went unanswered: no caller key was pressed, or no host unit answers; %2 (%3)</source>
        <translation>
            <numerusform>table %1: %n request went unanswered: no caller key was pressed, or no host unit answers; %2 (%3)</numerusform>
            <numerusform>table %1: %n requests went unanswered: no caller key was pressed, or no host unit answers; %2 (%3)</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: callsetup-cli %1 COMMAND [ARGUMENTS] [OPTIONS]</source>
        <translation>Usage: callsetup-cli %1 COMMAND [ARGUMENTS] [OPTIONS]</translation>
    </message>
    <message>
        <source>&quot;callsetup-cli %1 COMMAND --help&quot; shows the words and options of a command.</source>
        <translation>&quot;callsetup-cli %1 COMMAND --help&quot; shows the words and options of a command.</translation>
    </message>
    <message>
        <source>The first line is the header number,address,model,polarity,rate,tone; then one pager a row. Empty cells take the main window&apos;s selections at start-up (%1). A list cell takes the list&apos;s export word, its Chinese text or its number, as the options of pager set do. The file may be UTF-8, with or without a byte-order mark, or GB18030 (what spreadsheets on Chinese Windows save), with CR LF, LF or CR line ends; empty cells after the sixth and rows of empty cells are ignored. report pagers --format csv writes exactly this format.</source>
        <translation>The first line is the header number,address,model,polarity,rate,tone; then one pager a row. Empty cells take the main window&apos;s selections at start-up (%1). A list cell takes the list&apos;s export word, its Chinese text or its number, as the options of pager set do. The file may be UTF-8, with or without a byte-order mark, or GB18030 (what spreadsheets on Chinese Windows save), with CR LF, LF or CR line ends; empty cells after the sixth and rows of empty cells are ignored. report pagers --format csv writes exactly this format.</translation>
    </message>
    <message>
        <source>table set stopped: the host unit may still be listening for the caller&apos;s key, and may have set the table</source>
        <translation>table set stopped: the host unit may still be listening for the caller&apos;s key, and may have set the table</translation>
    </message>
    <message>
        <source>show the help of every command, or of COMMAND (a command or a group of commands such as pager)</source>
        <translation>show the help of every command, or of COMMAND (a command or a group of commands such as pager)</translation>
    </message>
    <message>
        <source>%1 needs a command: %2</source>
        <translation>%1 needs a command: %2</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; %2 takes %3</source>
        <translation>unknown command &quot;%1&quot;; %2 takes %3</translation>
    </message>
    <message numerus="yes">
        <source>the line above was repeated %n more times</source>
        <translation>
            <numerusform>the line above was repeated %n more time</numerusform>
            <numerusform>the line above was repeated %n more times</numerusform>
        </translation>
    </message>
    <message>
        <source>link loop %1</source>
        <translation>link loop %1</translation>
    </message>
    <message>
        <source>folder %1, not a link</source>
        <translation>folder %1, not a link</translation>
    </message>
    <message>
        <source>file %1, not a link</source>
        <translation>file %1, not a link</translation>
    </message>
    <message>
        <source>the read was stopped: nothing was saved</source>
        <translation>the read was stopped: nothing was saved</translation>
    </message>
    <message>
        <source>the download completed: the host unit holds the backup</source>
        <translation>the download completed: the host unit holds the backup</translation>
    </message>
    <message>
        <source>the download completed; the check was stopped and not done</source>
        <translation>the download completed; the check was stopped and not done</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes, fewer than the %1 of a backup</source>
        <translation>
            <numerusform>%n byte, fewer than the %1 of a backup</numerusform>
            <numerusform>%n bytes, fewer than the %1 of a backup</numerusform>
        </translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>the file is too large for the file system</source>
        <translation>the file is too large for the file system</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>the name is too long for the file system</source>
        <translation>the name is too long for the file system</translation>
    </message>
    <message>
        <source>too many symbolic links (a loop)</source>
        <translation>too many symbolic links (a loop)</translation>
    </message>
    <message>
        <source>input/output error: the disk or device failed</source>
        <translation>input/output error: the disk or device failed</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>the name is already taken</source>
        <translation>the name is already taken</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>%1 (system error %2)</source>
        <translation>%1 (system error %2)</translation>
    </message>
    <message>
        <source>%1: nothing would change</source>
        <translation>%1: nothing would change</translation>
    </message>
    <message>
        <source>print the JSON Schema of the document that report all writes and apply reads</source>
        <translation>print the JSON Schema of the document that report all writes and apply reads</translation>
    </message>
    <message>
        <source>with --backup: save the edited backup as NEW.cat and leave FILE.cat as it is</source>
        <translation>with --backup: save the edited backup as NEW.cat and leave FILE.cat as it is</translation>
    </message>
    <message>
        <source>with --backup: show what would change, as diff shows it, and write nothing</source>
        <translation>with --backup: show what would change, as diff shows it, and write nothing</translation>
    </message>
    <message>
        <source>run the command on the backup FILE.cat instead of the host unit and save it in place (pager set, pager delete, table delete, mode, pagers load, table edit, table move, set, apply)</source>
        <translation>run the command on the backup FILE.cat instead of the host unit and save it in place (pager set, pager delete, table delete, mode, pagers load, table edit, table move, set, apply)</translation>
    </message>
    <message>
        <source>with --backup: change the pagers or the own key value of TABLE in the backup</source>
        <translation>with --backup: change the pagers or the own key value of TABLE in the backup</translation>
    </message>
    <message>
        <source>An option that is not given leaves its value; an empty value (--key &apos;&apos;) clears it. A table cannot be added to a backup: its caller&apos;s code comes only from a key press (table set).</source>
        <translation>An option that is not given leaves its value; an empty value (--key &apos;&apos;) clears it. A table cannot be added to a backup: its caller&apos;s code comes only from a key press (table set).</translation>
    </message>
    <message>
        <source>with --backup: give TABLE the number NEW in the backup; its caller stays</source>
        <translation>with --backup: give TABLE the number NEW in the backup; its caller stays</translation>
    </message>
    <message>
        <source>a table number and the new one</source>
        <translation>a table number and the new one</translation>
    </message>
    <message>
        <source>with --backup: set SETTING to VALUE in the backup</source>
        <translation>with --backup: set SETTING to VALUE in the backup</translation>
    </message>
    <message>
        <source>VALUE is a word of the setting&apos;s list; none leaves a setting that the windows can leave empty not set.</source>
        <translation>VALUE is a word of the setting&apos;s list; none leaves a setting that the windows can leave empty not set.</translation>
    </message>
    <message>
        <source>a setting and its value</source>
        <translation>a setting and its value</translation>
    </message>
    <message>
        <source>with --backup: apply the JSON document DOC.json (as report all writes it) to the backup</source>
        <translation>with --backup: apply the JSON document DOC.json (as report all writes it) to the backup</translation>
    </message>
    <message>
        <source>A value the document leaves out, or gives as the backup holds it, stays as it is; pagers and tables are found by their numbers and their callers&apos; codes, and &quot;delete&quot;: true deletes one. A bad value is refused with its place in the document and nothing is written. callsetup-cli --schema prints the JSON Schema of the document.</source>
        <translation>A value the document leaves out, or gives as the backup holds it, stays as it is; pagers and tables are found by their numbers and their callers&apos; codes, and &quot;delete&quot;: true deletes one. A bad value is refused with its place in the document and nothing is written. callsetup-cli --schema prints the JSON Schema of the document.</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;</source>
        <translation>unknown setting &quot;%1&quot;</translation>
    </message>
    <message>
        <source>table edit needs --pagers or --key</source>
        <translation>table edit needs --pagers or --key</translation>
    </message>
    <message>
        <source>%1 does not run on a backup: a table&apos;s caller is learned only from its key press at the host unit (table edit changes a table in a backup)</source>
        <translation>%1 does not run on a backup: a table&apos;s caller is learned only from its key press at the host unit (table edit changes a table in a backup)</translation>
    </message>
    <message>
        <source>%1 does not run on a backup (--backup): it needs the host unit or takes its files as words</source>
        <translation>%1 does not run on a backup (--backup): it needs the host unit or takes its files as words</translation>
    </message>
    <message>
        <source>%1 changes a backup: give --backup FILE.cat</source>
        <translation>%1 changes a backup: give --backup FILE.cat</translation>
    </message>
    <message>
        <source>--output goes with --backup</source>
        <translation>--output goes with --backup</translation>
    </message>
    <message>
        <source>--dry-run goes with --backup</source>
        <translation>--dry-run goes with --backup</translation>
    </message>
    <message>
        <source>--backup goes with a command that changes a backup</source>
        <translation>--backup goes with a command that changes a backup</translation>
    </message>
    <message>
        <source>the voice prompt of caller key 1</source>
        <translation>the voice prompt of caller key 1</translation>
    </message>
    <message>
        <source>the voice prompt of caller key 2</source>
        <translation>the voice prompt of caller key 2</translation>
    </message>
    <message>
        <source>the voice prompt of caller key 3</source>
        <translation>the voice prompt of caller key 3</translation>
    </message>
    <message>
        <source>the place named for handheld calls by table number</source>
        <translation>the place named for handheld calls by table number</translation>
    </message>
    <message>
        <source>the place named for handheld calls by pager number</source>
        <translation>the place named for handheld calls by pager number</translation>
    </message>
    <message>
        <source>the transmitter frequency in MHz, or default for the factory default 430.225 MHz</source>
        <translation>the transmitter frequency in MHz, or default for the factory default 430.225 MHz</translation>
    </message>
</context>
</TS>
