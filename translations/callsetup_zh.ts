<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Batch</name>
    <message>
        <source>unknown %1 &quot;%2&quot;</source>
        <translation>无法识别的 %1 值“%2”</translation>
    </message>
    <message>
        <source>the file is neither UTF-8 nor GB18030 text</source>
        <translation>文件既不是 UTF-8 文本，也不是 GB18030 文本</translation>
    </message>
    <message>
        <source>the first line must be &quot;%1&quot;</source>
        <translation>第一行必须是“%1”</translation>
    </message>
    <message>
        <source>more than 6 cells</source>
        <translation>单元格超过 6 个</translation>
    </message>
    <message>
        <source>pager %1 is already on line %2</source>
        <translation>传呼号 %1 已在第 %2 行出现</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件是空的</translation>
    </message>
</context>

<context>
    <name>Diff</name>
    <message>
        <source>%1 added:</source>
        <translation>新增的%1：</translation>
    </message>
    <message>
        <source>%1 removed:</source>
        <translation>删除的%1：</translation>
    </message>
    <message>
        <source>%1 changed:</source>
        <translation>改变的%1：</translation>
    </message>
    <message>
        <source>other cells that differ (address: before -&gt; after):</source>
        <translation>其他不同的单元（地址：之前 -&gt; 之后）：</translation>
    </message>
</context>

<context>
    <name>cli</name>
    <message>
        <source>no row was set</source>
        <translation>没有设置任何一行</translation>
    </message>
    <message>
        <source>rows set: lines %1 to %2 (%3 pagers)</source>
        <translation>已设置第 %1 行到第 %2 行（%3 个传呼机）</translation>
    </message>
    <message>
        <source>callsetup-cli: cannot read %1: %2</source>
        <translation>callsetup-cli：无法读取 %1：%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>另有 %1 行有误</translation>
    </message>
    <message>
        <source>%1: nothing was sent</source>
        <translation>%1：未发送任何内容</translation>
    </message>
    <message>
        <source>%1: %2 pagers, every row can be sent</source>
        <translation>%1：%2 个传呼机，每一行都可以发送</translation>
    </message>
    <message>
        <source>pagers %1/%2</source>
        <translation>传呼机 %1/%2</translation>
    </message>
    <message>
        <source>%1 pagers set</source>
        <translation>已设置 %1 个传呼机</translation>
    </message>
    <message>
        <source>stopped before line %1 (pager %2); %3</source>
        <translation>在第 %1 行（传呼号 %2）之前停止；%3</translation>
    </message>
    <message>
        <source>line %1 (pager %2) failed; %3</source>
        <translation>第 %1 行（传呼号 %2）失败；%3</translation>
    </message>
    <message>
        <source>table %1: </source>
        <translation>餐桌号 %1：</translation>
    </message>
    <message>
        <source>table %1 (again): </source>
        <translation>餐桌号 %1（再次）：</translation>
    </message>
    <message>
        <source>table %1: caller %2
</source>
        <translation>餐桌号 %1：呼叫器 %2
</translation>
    </message>
    <message>
        <source>no table learned</source>
        <translation>没有学到任何餐桌</translation>
    </message>
    <message>
        <source>tables %1 to %2 learned</source>
        <translation>已学到餐桌号 %1 到 %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 个中的 %1 个</translation>
    </message>
    <message>
        <source>%1 tables learned</source>
        <translation>已学到 %1 个餐桌</translation>
    </message>
    <message>
        <source>stopped: %1 (%2); table %3 was not learned</source>
        <translation>已停止：%1（%2）；餐桌号 %3 没有学到</translation>
    </message>
    <message>
        <source>table %1: %2 requests went unanswered: no caller key was pressed, or no host unit answers; %3 (%4)</source>
        <translation>餐桌号 %1：%2 次请求都没有应答：没有人按呼叫器的键，或者没有主机应答；%3（%4）</translation>
    </message>
    <message>
        <source>ended at table %1: %2 (%3)</source>
        <translation>在餐桌号 %1 处结束：%2（%3）</translation>
    </message>
    <message>
        <source>Usage: callsetup-cli [OPTIONS] COMMAND [ARGUMENTS] [OPTIONS]</source>
        <translation>用法：callsetup-cli [选项] 命令 [参数] [选项]</translation>
    </message>
    <message>
        <source>Usage: callsetup-cli %1 [OPTIONS]</source>
        <translation>用法：callsetup-cli %1 [选项]</translation>
    </message>
    <message>
        <source>set up the host unit of a restaurant wireless calling system</source>
        <translation>设置餐厅无线呼叫系统的主机</translation>
    </message>
    <message>
        <source>Sets up the host unit of a restaurant wireless calling system over a serial line: the commands of the main window of callsetup and of its data backup window, and batch work, on the same core functions as the windows. Messages are the windows&apos; own texts on standard error; reports and dumps go to standard output.</source>
        <translation>通过串口设置餐厅无线呼叫系统的主机：callsetup 主窗口和数据备份窗口的各项命令，以及批量工作，用的都是与窗口相同的核心功能。消息是窗口自己的文字，输出到标准错误；报表和内存转储输出到标准输出。</translation>
    </message>
    <message>
        <source>The line runs at 9600 baud, 8 data bits, no parity, 1 stop bit. A backup of the unit&apos;s memory is a .cat file of 8192 raw bytes, without a header. Reports and dumps are UTF-8 with CR LF line ends, as the windows show them. While a long operation runs, a progress line fits the terminal&apos;s width on standard error when that is a terminal (not with TERM=dumb).</source>
        <translation>串口参数为 9600 波特、8 个数据位、无校验、1 个停止位。主机内存的备份是一个 .cat 文件，内含 8192 个原始字节，没有文件头。报表和内存转储为 UTF-8 编码，行尾为 CR LF，与窗口中显示的相同。耗时较长的操作进行时，如果标准错误是终端（TERM=dumb 除外），会在上面显示一行适合终端宽度的进度。</translation>
    </message>
    <message>
        <source>The first Ctrl+C during a read, a download, a pager load or table learning ends it after the block or row in progress and says how far it got; a second Ctrl+C ends the program at once.</source>
        <translation>在读取、下发、载入传呼机或学习餐桌的过程中，第一次按 Ctrl+C 会在当前数据块或当前行完成后结束操作，并说明进行到了哪里；第二次按 Ctrl+C 会立即结束程序。</translation>
    </message>
    <message>
        <source>Without --fast every wait is sat out as in the windows (a host read takes 12.8 s); with it a wait ends as soon as a complete, checked reply has arrived (about 9.8 s).</source>
        <translation>不加 --fast 时，每次等待都像窗口中一样等满时间（读取主机需要 12.8 秒）；加上 --fast 后，一收到完整且校验正确的应答，等待就结束（约 9.8 秒）。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>Options of every command:</source>
        <translation>所有命令通用的选项：</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>参数：</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>退出状态：</translation>
    </message>
    <message>
        <source>File format:</source>
        <translation>文件格式：</translation>
    </message>
    <message>
        <source>show the program&apos;s version</source>
        <translation>显示程序的版本</translation>
    </message>
    <message>
        <source>everything the backup holds (json)</source>
        <translation>备份中的全部内容（json）</translation>
    </message>
    <message>
        <source>&quot;callsetup-cli COMMAND --help&quot; shows the words and options of a command; the manual page callsetup-cli(1) tells more.</source>
        <translation>“callsetup-cli 命令 --help”显示一个命令的参数和选项；手册页 callsetup-cli(1) 有更详细的说明。</translation>
    </message>
    <message>
        <source>done (an empty list too)</source>
        <translation>完成（列表为空也算）</translation>
    </message>
    <message>
        <source>the operation was attempted and failed: port, line, unit, a file or standard output that could not be written, a stop by Ctrl+C; diff: the backups differ</source>
        <translation>已尝试执行但失败：端口、线路、主机、无法写入的文件或标准输出，或者被 Ctrl+C 停止；diff：两个备份不同</translation>
    </message>
    <message>
        <source>refused before anything was sent: wrong usage, a refused value, bad rows of a pager file, an input file that is missing, unreadable or misnamed, a declined question</source>
        <translation>在发送任何内容之前被拒绝：用法错误、数值被拒绝、传呼机文件中有错误的行、输入文件不存在、无法读取或名称不对，或者提问得到否定的回答</translation>
    </message>
    <message>
        <source>The first line is the header number,address,model,polarity,rate,tone; then one pager a row. Empty cells take the main window&apos;s selections at start-up (%1). A list cell takes the list&apos;s export word, its Chinese text or its number, as the options of pager set do. The file may be UTF-8, with or without a byte-order mark, or GB18030 (what spreadsheets on Chinese Windows save), with CR LF or LF line ends; empty cells after the sixth and rows of empty cells are ignored. report pagers --format csv writes exactly this format.</source>
        <translation>第一行是表头 number,address,model,polarity,rate,tone，之后每行一个传呼机。空单元格取主窗口启动时的选择（%1）。列表类的单元格可以写该列表的导出词、中文文字或序号，与 pager set 的选项相同。文件可以是 UTF-8（带或不带字节顺序标记）或 GB18030（中文 Windows 上的电子表格保存的格式），行尾为 CR LF 或 LF；第六个之后的空单元格和全空的行都会被忽略。report pagers --format csv 输出的正是这种格式。</translation>
    </message>
    <message>
        <source>--port takes COM1 to COM8, as the window&apos;s port list does, or the path of a serial device.</source>
        <translation>--port 可以取 COM1 到 COM8（与窗口中的端口列表相同），也可以取串口设备的路径。</translation>
    </message>
    <message>
        <source>On Linux, COMn is the device that the per-user link ~/.config/callsetup/dosdevices/comN points to, when that link exists (the convention Wine uses for its DOS devices). Otherwise COMn is the n-th serial port present on the machine: first the built-in ports that really exist, by number, then USB and ACM adapters, by device name. When fewer than n ports are present, COMn is /dev/ttyS(n-1). The mapping is looked up each time the port is opened, so an adapter plugged in later is reached; the command ports shows it. For example, to reach a USB adapter as COM3:</source>
        <translation>在 Linux 上，如果有用户自己的链接 ~/.config/callsetup/dosdevices/comN（沿用 Wine 为 DOS 设备定的约定），COMn 就是这个链接指向的设备。否则 COMn 是本机现有的第 n 个串口：先按编号数真正存在的内置串口，再按设备名数 USB 和 ACM 适配器。现有的串口少于 n 个时，COMn 就是 /dev/ttyS(n-1)。每次打开端口时都会重新查找这一对应关系，所以后来插上的适配器也能连上；ports 命令显示这一关系。例如，把一个 USB 适配器作为 COM3 使用：</translation>
    </message>
    <message>
        <source>On Windows, COMn is the port COMn.</source>
        <translation>在 Windows 上，COMn 就是端口 COMn。</translation>
    </message>
    <message>
        <source>the folder of the per-user port links, instead of ~/.config/callsetup/dosdevices</source>
        <translation>用户端口链接所在的文件夹，代替 ~/.config/callsetup/dosdevices</translation>
    </message>
    <message>
        <source>where the folder callsetup/dosdevices of the port links is looked for, instead of ~/.config</source>
        <translation>在此查找端口链接的文件夹 callsetup/dosdevices，代替 ~/.config</translation>
    </message>
    <message>
        <source>the first of them that is set chooses the language of the texts: English for an English locale (en, en_GB.UTF-8 ...), Chinese for every other, C, POSIX and an unset locale included; --lang overrides them</source>
        <translation>其中第一个已设置的变量决定文字的语言：英语区域设置（en、en_GB.UTF-8 等）为英文，其他区域设置一律为中文，包括 C、POSIX 和未设置；--lang 优先于它们</translation>
    </message>
    <message>
        <source>dumb: no progress line</source>
        <translation>为 dumb 时不显示进度行</translation>
    </message>
    <message>
        <source>per-user link that makes COMn reach the device it points to</source>
        <translation>用户自己的链接，使 COMn 连到它指向的设备</translation>
    </message>
    <message>
        <source>a backup of the host unit&apos;s memory: 8192 raw bytes, without a header</source>
        <translation>主机内存的备份：8192 个原始字节，没有文件头</translation>
    </message>
    <message>
        <source>set pager 12 through the port COM1</source>
        <translation>通过端口 COM1 设置传呼号 12</translation>
    </message>
    <message>
        <source>bind table 5 to the caller whose service key is pressed next; its calls go to pagers 12 and 13</source>
        <translation>把餐桌号 5 绑定到接下来按服务键的呼叫器，它的呼叫发给传呼号 12 和 13</translation>
    </message>
    <message>
        <source>initialise the host unit from a script</source>
        <translation>在脚本中初始化主机</translation>
    </message>
    <message>
        <source>set the pagers of a file, each wait ending with its reply</source>
        <translation>设置文件中的传呼机，每次等待在收到应答时结束</translation>
    </message>
    <message>
        <source>learn the callers of tables 1 to 200, one key press each</source>
        <translation>学习餐桌号 1 到 200 的呼叫器，每个餐桌按一次键</translation>
    </message>
    <message>
        <source>before replacing a unit: read it twice and save what both reads agree on</source>
        <translation>更换主机之前：读取两次，保存两次一致的内容</translation>
    </message>
    <message>
        <source>download the backup into the new unit and read it back</source>
        <translation>把备份下发到新主机，并读回核对</translation>
    </message>
    <message>
        <source>the pagers of a backup as a pager file, for pagers load</source>
        <translation>把备份中的传呼机导出为传呼机文件，供 pagers load 使用</translation>
    </message>
    <message>
        <source>everything a backup holds, as JSON</source>
        <translation>以 JSON 输出备份中的全部内容</translation>
    </message>
    <message>
        <source>what changed from one backup to the other</source>
        <translation>两个备份之间的变化</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>PAGER FILE FORMAT</source>
        <translation>传呼机文件格式</translation>
    </message>
    <message>
        <source>SERIAL PORTS</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>环境变量</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>退出状态</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>EXAMPLES</source>
        <translation>示例</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>另请参阅</translation>
    </message>
    <message>
        <source>User Commands</source>
        <translation>用户命令</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <translation>yyyy年M月</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>callsetup-cli: init erases everything the host unit stores; without a terminal to ask on, give --yes</source>
        <translation>callsetup-cli：init 会清除主机存储的所有信息；没有可以提问的终端时，请加上 --yes</translation>
    </message>
    <message>
        <source>init cancelled: nothing was sent</source>
        <translation>init 已取消：未发送任何内容</translation>
    </message>
    <message>
        <source>own key value 00-99</source>
        <translation>自设键值 00-99</translation>
    </message>
    <message>
        <source>up to three pager numbers 1-255</source>
        <translation>最多三个传呼号，1-255</translation>
    </message>
    <message>
        <source>COM1 .. COM8 (default COM1) or a device path such as /dev/ttyUSB0</source>
        <translation>COM1 .. COM8（默认 COM1）或设备路径，例如 /dev/ttyUSB0</translation>
    </message>
    <message>
        <source>end each wait as soon as a complete, checked reply has arrived</source>
        <translation>一收到完整且校验正确的应答就结束等待</translation>
    </message>
    <message>
        <source>language of the texts: zh or en (default: the locale)</source>
        <translation>文字的语言：zh 或 en（默认由区域设置决定）</translation>
    </message>
    <message>
        <source>show the help (of the command, when one is given)</source>
        <translation>显示帮助（给出命令时显示该命令的帮助）</translation>
    </message>
    <message>
        <source>the pager&apos;s model</source>
        <translation>传呼机的机型</translation>
    </message>
    <message>
        <source>the pager&apos;s polarity</source>
        <translation>传呼机的极性</translation>
    </message>
    <message>
        <source>the pager&apos;s rate in baud</source>
        <translation>传呼机的速率（波特）</translation>
    </message>
    <message>
        <source>the pager&apos;s tone</source>
        <translation>传呼机的音调</translation>
    </message>
    <message>
        <source>set pager NUMBER (1-254) with its 7-digit ADDRESS code</source>
        <translation>设置传呼号 NUMBER（1-254）及其 7 位地址码 ADDRESS</translation>
    </message>
    <message>
        <source>Without an option a list takes the main window&apos;s selection at start-up.</source>
        <translation>没有给出的选项取主窗口启动时的选择。</translation>
    </message>
    <message>
        <source>a pager number and an address code</source>
        <translation>传呼号和地址码</translation>
    </message>
    <message>
        <source>delete pager NUMBER</source>
        <translation>删除传呼号 NUMBER</translation>
    </message>
    <message>
        <source>a pager number</source>
        <translation>传呼号</translation>
    </message>
    <message>
        <source>bind TABLE (1-65535) to the caller whose service key is pressed next</source>
        <translation>把餐桌号 TABLE（1-65535）绑定到接下来按服务键的呼叫器</translation>
    </message>
    <message>
        <source>While the host unit listens (3 seconds) the words of the prompt window are shown: &quot;%1&quot;.</source>
        <translation>主机等待按键时（3 秒）显示提示窗口的文字：“%1”。</translation>
    </message>
    <message>
        <source>a table number</source>
        <translation>餐桌号</translation>
    </message>
    <message>
        <source>delete TABLE</source>
        <translation>删除餐桌号 TABLE</translation>
    </message>
    <message>
        <source>set the work mode</source>
        <translation>设置工作模式</translation>
    </message>
    <message>
        <source>a work mode</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <source>ask nothing: initialise at once</source>
        <translation>不提问，直接初始化</translation>
    </message>
    <message>
        <source>initialise the host unit, erasing everything it stores</source>
        <translation>初始化主机，清除主机存储的所有信息</translation>
    </message>
    <message>
        <source>When standard input and standard error are terminals, the window&apos;s warning is shown and a question asked: y, yes or 是 goes on, any other answer cancels. Otherwise --yes is needed; without it nothing is sent and the exit status is 2.</source>
        <translation>标准输入和标准错误都是终端时，显示窗口中的警告并提问：回答 y、yes 或“是”就继续，其他回答都会取消。否则必须加上 --yes；不加时不发送任何内容，退出状态为 2。</translation>
    </message>
    <message>
        <source>only check the file</source>
        <translation>只检查文件</translation>
    </message>
    <message>
        <source>set every pager of a CSV file, in file order</source>
        <translation>按文件中的顺序设置 CSV 文件中的每个传呼机</translation>
    </message>
    <message>
        <source>Every row is checked before anything is sent: with a bad row, the bad rows are listed (the first 20 of them) and nothing is sent. The first failed reply ends the run; Ctrl+C ends it after the row in progress.</source>
        <translation>发送之前先检查每一行：只要有错误的行，就列出这些行（最多列出前 20 行），不发送任何内容。第一个失败的应答会结束运行；按 Ctrl+C 会在当前行完成后结束。</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>unanswered requests for one table (default 20, 0 for no limit)</source>
        <translation>每个餐桌没有应答的请求次数上限（默认 20，0 表示不限）</translation>
    </message>
    <message>
        <source>learn the callers of tables FIRST to LAST, one key press each</source>
        <translation>学习餐桌号 FIRST 到 LAST 的呼叫器，每个餐桌按一次键</translation>
    </message>
    <message>
        <source>Each table waits until a caller&apos;s service key is pressed; a wait without a key press asks again, up to --tries requests for one table. Each success prints the table and the caller&apos;s code. Ctrl+C ends the run after the exchange in progress; a full memory ends it too. --key and --pagers are sent with every table.</source>
        <translation>每个餐桌都等到有人按下呼叫器的服务键；等待期间没有按键就再次请求，每个餐桌最多请求 --tries 次。每学到一个就输出餐桌号和呼叫器的编码。按 Ctrl+C 会在当前这次通讯完成后结束运行；主机存储满了也会结束。--key 和 --pagers 随每个餐桌一起发送。</translation>
    </message>
    <message>
        <source>a range of table numbers</source>
        <translation>餐桌号范围</translation>
    </message>
    <message>
        <source>read the memory twice and save it only when both reads agree (before replacing a unit); a difference gives the first differing address and exit status 1</source>
        <translation>读取两次内存，两次一致才保存（更换主机之前用）；有不同时给出第一个不同的地址，退出状态为 1</translation>
    </message>
    <message>
        <source>read the host unit&apos;s memory and save it to FILE.cat</source>
        <translation>读取主机内存并保存到 FILE.cat</translation>
    </message>
    <message>
        <source>read the memory back afterwards and compare it with the file; a difference gives the first differing address, the number of differing cells and exit status 1</source>
        <translation>下发后读回内存并与文件比较；有不同时给出第一个不同的地址和不同单元的个数，退出状态为 1</translation>
    </message>
    <message>
        <source>download the backup FILE.cat into the host unit</source>
        <translation>把备份 FILE.cat 下发到主机</translation>
    </message>
    <message>
        <source>A download that does not complete leaves the host unit holding part of the backup and part of its old memory; the program says how far it got.</source>
        <translation>下发没有完成时，主机中一部分是备份的内容，一部分是原来的内存；程序会说明进行到了哪里。</translation>
    </message>
    <message>
        <source>text (the window&apos;s report, the default), csv (pagers and tables; the pager CSV is what pagers load takes) or json (every kind; all is json only, and its default)</source>
        <translation>text（窗口中的报表，默认）、csv（pagers 和 tables；传呼机的 CSV 正是 pagers load 读取的格式）或 json（所有种类；all 只能是 json，也默认为 json）</translation>
    </message>
    <message>
        <source>print a report of the backup FILE.cat</source>
        <translation>输出备份 FILE.cat 的报表</translation>
    </message>
    <message>
        <source>CSV and JSON are the same in every language.</source>
        <translation>CSV 和 JSON 在任何语言下都相同。</translation>
    </message>
    <message>
        <source>a kind and a file</source>
        <translation>种类和文件</translation>
    </message>
    <message>
        <source>print the memory dump of the backup FILE.cat</source>
        <translation>输出备份 FILE.cat 的内存转储</translation>
    </message>
    <message>
        <source>what differs from backup A to backup B; exit status 0 equal, 1 not</source>
        <translation>备份 A 与备份 B 的差异；相同时退出状态为 0，不同时为 1</translation>
    </message>
    <message>
        <source>Pagers and tables added, removed or changed and each setting, in the words of the reports; every other differing cell by its address. An unreadable file gives exit status 2.</source>
        <translation>用报表中的文字列出新增、删除或改变的传呼机和餐桌以及每项设置；其他不同的单元按地址列出。文件无法读取时退出状态为 2。</translation>
    </message>
    <message>
        <source>two file names</source>
        <translation>两个文件名</translation>
    </message>
    <message>
        <source>COM1 to COM8: the device each reaches, present or absent, and the links that lead there</source>
        <translation>COM1 到 COM8：各自连到的设备、设备是否存在，以及通向它的链接</translation>
    </message>
    <message>
        <source>A serial port present that no COM name reaches (a link leads elsewhere) is listed after them; --port takes its path.</source>
        <translation>现有但没有任何 COM 名称连到的串口（因为链接指向别处）列在后面；--port 可以直接用它的路径。</translation>
    </message>
    <message>
        <source>print the bytes arriving on the line until interrupted</source>
        <translation>输出线路上收到的字节，直到被中断</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1（默认）</translation>
    </message>
    <message>
        <source>; also %1</source>
        <translation>；也可写作 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>--%1 does not apply to %2</source>
        <translation>--%1 不适用于 %2</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不带值</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>unknown value &quot;%1&quot; for %2</source>
        <translation>%2 的值“%1”无法识别</translation>
    </message>
    <message>
        <source>unknown port name &quot;%1&quot; (COM1 .. COM8 or a device path)</source>
        <translation>未知的端口名“%1”（应为 COM1 .. COM8 或设备路径）</translation>
    </message>
    <message>
        <source>--lang takes zh or en, not &quot;%1&quot;</source>
        <translation>--lang 只能取 zh 或 en，不能取“%1”</translation>
    </message>
    <message>
        <source>--pagers takes at most three pager numbers</source>
        <translation>--pagers 最多取三个传呼号</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (text, csv or json)</source>
        <translation>未知格式“%1”（应为 text、csv 或 json）</translation>
    </message>
    <message>
        <source>--tries takes a number of requests (0 for no limit)</source>
        <translation>--tries 取请求的次数（0 表示不限）</translation>
    </message>
    <message>
        <source>unknown report kind &quot;%1&quot;</source>
        <translation>未知的报表种类“%1”</translation>
    </message>
    <message>
        <source>%1 takes no more words: &quot;%2&quot;</source>
        <translation>%1 的参数多了：“%2”</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 需要%2</translation>
    </message>
    <message>
        <source>csv is for the pagers and tables reports</source>
        <translation>csv 只用于 pagers 和 tables 报表</translation>
    </message>
    <message>
        <source>report all is json only</source>
        <translation>report all 只能输出 json</translation>
    </message>
    <message>
        <source>tables learn takes FIRST-LAST, table numbers 1-65535, FIRST &lt;= LAST</source>
        <translation>tables learn 需要 FIRST-LAST：餐桌号 1-65535，FIRST &lt;= LAST</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>--completion takes bash or ports</source>
        <translation>--completion 只能取 bash 或 ports</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>没有给出命令</translation>
    </message>
    <message>
        <source>present</source>
        <translation>存在</translation>
    </message>
    <message>
        <source>absent</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>链接 %1</translation>
    </message>
    <message>
        <source>dangling link %1</source>
        <translation>失效的链接 %1</translation>
    </message>
    <message>
        <source>present, reached by no COM name:</source>
        <translation>现有但没有 COM 名称连到的串口：</translation>
    </message>
    <message>
        <source>no reply from the host unit</source>
        <translation>主机没有应答</translation>
    </message>
    <message>
        <source>the host unit gave an unexpected reply</source>
        <translation>主机的应答不符合预期</translation>
    </message>
    <message>
        <source>waiting for the host unit…</source>
        <translation>正在等待主机……</translation>
    </message>
    <message>
        <source>callsetup-cli: standard output could not be written: %1</source>
        <translation>callsetup-cli：无法写入标准输出：%1</translation>
    </message>
    <message>
        <source>stopped after block %1 of %2: nothing was saved</source>
        <translation>在第 %1 块（共 %2 块）之后停止：没有保存任何内容</translation>
    </message>
    <message>
        <source>the download ended after %1 of %2 blocks: the host unit now holds part of the backup and part of its old memory; download the backup again</source>
        <translation>下发在第 %1 块（共 %2 块）之后结束：主机中现在一部分是备份的内容，一部分是原来的内存；请重新下发备份</translation>
    </message>
    <message>
        <source>Go on? Type y or yes to go on, anything else cancels: </source>
        <translation>确定继续吗？输入 y、yes 或“是”继续，其他输入都会取消：</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot; for more information.</source>
        <translation>请运行“%1”查看帮助。</translation>
    </message>
    <message>
        <source>the pagers</source>
        <translation>传呼机</translation>
    </message>
    <message>
        <source>the tables and their callers</source>
        <translation>餐桌及其呼叫器</translation>
    </message>
    <message>
        <source>the work mode</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <source>the transmitter frequency</source>
        <translation>发射机频率</translation>
    </message>
    <message>
        <source>the info unit type</source>
        <translation>信息机类型</translation>
    </message>
    <message>
        <source>the language a voice info unit speaks numbers in</source>
        <translation>语音信息机读数字用的语种</translation>
    </message>
    <message>
        <source>the word a voice info unit says for the calling place</source>
        <translation>语音信息机对呼叫地点说的词</translation>
    </message>
    <message>
        <source>the voice prompts of the caller keys</source>
        <translation>呼叫器各按键的语音提示</translation>
    </message>
    <message>
        <source>the places a voice info unit names for handheld callers</source>
        <translation>语音信息机为手持呼叫器报的地点</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>没有这个设备</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>正被其它程序使用</translation>
    </message>
    <message>
        <source>permission denied: add the user to the dialout group and log in again</source>
        <translation>没有权限：请把用户加入 dialout 组，然后重新登录</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>没有权限</translation>
    </message>
    <message>
        <source>the port cannot be opened</source>
        <translation>无法打开端口</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>是文件夹，不是文件</translation>
    </message>
    <message>
        <source>a FIFO, not a regular file</source>
        <translation>是管道（FIFO），不是普通文件</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>是套接字，不是普通文件</translation>
    </message>
    <message>
        <source>a device, not a regular file</source>
        <translation>是设备，不是普通文件</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8 and cannot be used exactly</source>
        <translation>文件名不是有效的 UTF-8，无法原样使用</translation>
    </message>
    <message>
        <source>%1 bytes, over the limit of %2 bytes</source>
        <translation>%1 字节，超过 %2 字节的上限</translation>
    </message>
    <message>
        <source>%1 bytes, fewer than the %2 of a backup</source>
        <translation>%1 字节，不足备份文件的 %2 字节</translation>
    </message>
    <message>
        <source>no folder %1</source>
        <translation>没有文件夹 %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>saved, but without the old file&apos;s permissions: %1</source>
        <translation>已保存，但未能保留原文件的权限：%1</translation>
    </message>
    <message>
        <source>One program at a time uses a device: while the port is open, the device its name leads to is locked, so a second program, or the same device through a symbolic link such as /dev/serial/by-id/... or another COM name, cannot open it and gets the port message, which says the port is in use. When a port does not open, a second line gives the system&apos;s reason. On Linux the user needs to be in the dialout group to open serial ports (sudo adduser $USER dialout, then log in again).</source>
        <translation>一个设备同时只给一个程序使用：端口打开期间，它的名字所指向的设备被锁定，所以第二个程序，或者通过符号链接（例如 /dev/serial/by-id/...）或另一个 COM 名称访问同一设备，都无法打开它，会得到端口消息，说明端口已被占用。端口打不开时，第二行给出系统的原因。在 Linux 上，用户需要属于 dialout 组才能打开串口（sudo adduser $USER dialout，然后重新登录）。</translation>
    </message>
    <message>
        <source>when set, Qt&apos;s own warnings and debug notes are shown on standard error</source>
        <translation>设置后，Qt 自己的警告和调试信息会输出到标准错误</translation>
    </message>
    <message>
        <source>%1: nothing would change</source>
        <translation>%1：不会有任何改动</translation>
    </message>
    <message>
        <source>print the JSON Schema of the document that report all writes and apply reads</source>
        <translation>输出 report all 写出、apply 读入的文档的 JSON Schema</translation>
    </message>
    <message>
        <source>with --backup: save the edited backup as NEW.cat and leave FILE.cat as it is</source>
        <translation>与 --backup 一起用：把改好的备份另存为 NEW.cat，FILE.cat 保持原样</translation>
    </message>
    <message>
        <source>with --backup: show what would change, as diff shows it, and write nothing</source>
        <translation>与 --backup 一起用：像 diff 那样列出将要改动的内容，不写任何文件</translation>
    </message>
    <message>
        <source>run the command on the backup FILE.cat instead of the host unit and save it in place (pager set, pager delete, table delete, mode, pagers load, table edit, table move, set, apply)</source>
        <translation>命令不对主机执行，而是修改备份文件 FILE.cat 并原地保存（pager set、pager delete、table delete、mode、pagers load、table edit、table move、set、apply）</translation>
    </message>
    <message>
        <source>with --backup: change the pagers or the own key value of TABLE in the backup</source>
        <translation>与 --backup 一起用：修改备份中餐桌 TABLE 的传呼号或自设键值</translation>
    </message>
    <message>
        <source>An option that is not given leaves its value; an empty value (--key &apos;&apos;) clears it. A table cannot be added to a backup: its caller&apos;s code comes only from a key press (table set).</source>
        <translation>没有给出的选项保持原值；空值（--key &apos;&apos;）清除该值。不能往备份里添加餐桌：呼叫器的特征码只能由按键得到（table set）。</translation>
    </message>
    <message>
        <source>with --backup: give TABLE the number NEW in the backup; its caller stays</source>
        <translation>与 --backup 一起用：把备份中的餐桌 TABLE 改为餐桌号 NEW，呼叫器不变</translation>
    </message>
    <message>
        <source>a table number and the new one</source>
        <translation>一个餐桌号和新的餐桌号</translation>
    </message>
    <message>
        <source>with --backup: set SETTING to VALUE in the backup</source>
        <translation>与 --backup 一起用：把备份中的设置 SETTING 设为 VALUE</translation>
    </message>
    <message>
        <source>VALUE is a word of the setting&apos;s list; none leaves a setting that the windows can leave empty not set.</source>
        <translation>VALUE 是该设置列表中的词；窗口可以留空的设置用 none 表示未设置。</translation>
    </message>
    <message>
        <source>a setting and its value</source>
        <translation>一个设置和它的值</translation>
    </message>
    <message>
        <source>with --backup: apply the JSON document DOC.json (as report all writes it) to the backup</source>
        <translation>与 --backup 一起用：把 JSON 文档 DOC.json（格式同 report all 的输出）应用到备份</translation>
    </message>
    <message>
        <source>A value the document leaves out, or gives as the backup holds it, stays as it is; pagers and tables are found by their numbers and their callers&apos; codes, and &quot;delete&quot;: true deletes one. A bad value is refused with its place in the document and nothing is written. callsetup-cli --schema prints the JSON Schema of the document.</source>
        <translation>文档中没有的值，或与备份相同的值，保持原样；传呼机按传呼号、餐桌按呼叫器的特征码找到，&quot;delete&quot;: true 删除一项。有错的值连同它在文档中的位置一起报告，不写任何内容。callsetup-cli --schema 输出文档的 JSON Schema。</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;</source>
        <translation>无法识别的设置“%1”</translation>
    </message>
    <message>
        <source>table edit needs --pagers or --key</source>
        <translation>table edit 需要 --pagers 或 --key</translation>
    </message>
    <message>
        <source>%1 does not run on a backup: a table&apos;s caller is learned only from its key press at the host unit (table edit changes a table in a backup)</source>
        <translation>%1 不能对备份执行：餐桌的呼叫器只能在主机上由按键学习（修改备份中的餐桌请用 table edit）</translation>
    </message>
    <message>
        <source>%1 does not run on a backup (--backup): it needs the host unit or takes its files as words</source>
        <translation>%1 不能对备份执行（--backup）：它需要主机，或者把文件作为参数</translation>
    </message>
    <message>
        <source>%1 changes a backup: give --backup FILE.cat</source>
        <translation>%1 修改备份：请给出 --backup FILE.cat</translation>
    </message>
    <message>
        <source>--output goes with --backup</source>
        <translation>--output 只能与 --backup 一起用</translation>
    </message>
    <message>
        <source>--dry-run goes with --backup</source>
        <translation>--dry-run 只能与 --backup 一起用</translation>
    </message>
    <message>
        <source>--backup goes with a command that changes a backup</source>
        <translation>--backup 只能与修改备份的命令一起用</translation>
    </message>
    <message>
        <source>the voice prompt of caller key 1</source>
        <translation>呼叫器1键的语音提示</translation>
    </message>
    <message>
        <source>the voice prompt of caller key 2</source>
        <translation>呼叫器2键的语音提示</translation>
    </message>
    <message>
        <source>the voice prompt of caller key 3</source>
        <translation>呼叫器3键的语音提示</translation>
    </message>
    <message>
        <source>the place named for handheld calls by table number</source>
        <translation>手持呼叫器按餐桌号呼叫时说的地点</translation>
    </message>
    <message>
        <source>the place named for handheld calls by pager number</source>
        <translation>手持呼叫器按传呼号呼叫时说的地点</translation>
    </message>
    <message>
        <source>the transmitter frequency in MHz, or default for the factory default 430.225 MHz</source>
        <translation>发射机频率（MHz），default 表示出厂默认的 430.225 MHz</translation>
    </message>
</context>

</TS>
