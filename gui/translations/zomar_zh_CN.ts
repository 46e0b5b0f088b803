<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Form1</name>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Loopback On</source>
        <translation>环回开</translation>
    </message>
    <message>
        <source>Loopback Off</source>
        <translation>环回关</translation>
    </message>
    <message>
        <source>Cont Send On</source>
        <translation>连续发送开</translation>
    </message>
    <message>
        <source>Cont Send Off</source>
        <translation>连续发送关</translation>
    </message>
    <message>
        <source>Destination Address</source>
        <translation>目标地址</translation>
    </message>
    <message>
        <source>Local Address</source>
        <translation>本地地址</translation>
    </message>
    <message>
        <source>RF Frequency</source>
        <translation>射频频率</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>RF TX Speed</source>
        <translation>射频速率</translation>
    </message>
    <message>
        <source>%1, byte %2</source>
        <translation>%1，第 %2 字节</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Received characters</source>
        <translation>接收的字符</translation>
    </message>
    <message>
        <source>Characters to send</source>
        <translation>要发送的字符</translation>
    </message>
    <message>
        <source>Echoed characters</source>
        <translation>回送的字符</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Read the module first: Connect, or Refresh.</source>
        <translation>请先读取模块：连接，或刷新。</translation>
    </message>
    <message>
        <source>Connect to a port first.</source>
        <translation>请先连接端口。</translation>
    </message>
    <message>
        <source>Modem Setup</source>
        <translation>调制解调器设置</translation>
    </message>
    <message>
        <source>Comms Port Setup</source>
        <translation>通信端口设置</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>终端</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>中继器</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>0-FF Hex</source>
        <translation>0-FF hex</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Select Freq Band </source>
        <translation>选择频段</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>BPS</source>
        <translation>bit/s</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Comm Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>Send Speed</source>
        <translation>发送间隔</translation>
    </message>
    <message>
        <source>Exit AT Mode</source>
        <translation>退出 AT 模式</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Loopback Delay</source>
        <translation>环回延迟</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Zomar Setup Utility</source>
        <translation>Zomar Setup Utility</translation>
    </message>
    <message>
        <source>Modem Settings</source>
        <translation>调制解调器设置</translation>
    </message>
    <message>
        <source>Comms Setup</source>
        <translation>通信设置</translation>
    </message>
</context>
<context>
    <name>zomar::BandAdviceLine</name>
    <message>
        <source>Band-plan advice</source>
        <translation>频段规划建议</translation>
    </message>
    <message>
        <source>No band-plan advice</source>
        <translation>不提供频段规划建议</translation>
    </message>
    <message>
        <source>Band-plan advice for the %1</source>
        <translation>%1 的频段规划建议</translation>
    </message>
    <message>
        <source>Advice only: Set writes the frequency you choose.</source>
        <translation>仅为建议：写入会写入您选择的频率。</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureLauncher</name>
    <message>
        <source>Capture...</source>
        <translation>捕获...</translation>
    </message>
    <message>
        <source>Every byte both ways, a line per burst with time and hex</source>
        <translation>双向的每个字节，每个数据块一行，带时间和十六进制</translation>
    </message>
</context>
<context>
    <name>zomar::CaptureWindow</name>
    <message>
        <source>Capture</source>
        <translation>捕获</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Find (Enter, F3: next)</source>
        <translation>查找（回车，F3：下一个）</translation>
    </message>
    <message>
        <source>Save Text...</source>
        <translation>保存文本...</translation>
    </message>
    <message>
        <source>The lines as shown, as a text file</source>
        <translation>按显示的样子保存为文本文件</translation>
    </message>
    <message>
        <source>Save Raw...</source>
        <translation>保存原始数据...</translation>
    </message>
    <message>
        <source>The bytes as they went, both ways, with a timestamped hex log beside them (FILE.log) that tells which went which way</source>
        <translation>按传输时的样子保存双向字节，旁边附带带时间戳的十六进制日志（FILE.log），说明每个字节的方向</translation>
    </message>
    <message>
        <source>Send:</source>
        <translation>发送：</translation>
    </message>
    <message>
        <source>41 42 0d   or   AB\x0d   (Enter sends)</source>
        <translation>41 42 0d   或   AB\x0d   （回车发送）</translation>
    </message>
    <message>
        <source>Sent as bytes on Enter: %1</source>
        <translation>按回车以字节发送：%1</translation>
    </message>
    <message>
        <source>Capture: %1 bursts (%2 dropped)%3</source>
        <translation>捕获：%1 个数据块（已丢弃 %2 个）%3</translation>
    </message>
    <message>
        <source>, paused</source>
        <translation>，已暂停</translation>
    </message>
    <message>
        <source>%1 B sent, %2 B received</source>
        <translation>已发送 %1 B，已接收 %2 B</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>未发送：%1</translation>
    </message>
    <message>
        <source>Not sent: the port is not open</source>
        <translation>未发送：端口未打开</translation>
    </message>
    <message>
        <source>Sent %1 byte(s)</source>
        <translation>已发送 %1 个字节</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>第 %1 行，共 %2 行</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the capture</source>
        <translation>捕获中没有“%1”</translation>
    </message>
    <message>
        <source>Save Capture as Text</source>
        <translation>将捕获保存为文本</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>Saved %1 line(s) to %2</source>
        <translation>已将 %1 行保存到 %2</translation>
    </message>
    <message>
        <source>Save Capture as Raw Bytes</source>
        <translation>将捕获保存为原始字节</translation>
    </message>
    <message>
        <source>Raw bytes (*.bin)</source>
        <translation>原始字节 (*.bin)</translation>
    </message>
    <message>
        <source>Saved the bytes to %1 and their hex log to %2</source>
        <translation>字节已保存到 %1，其十六进制日志已保存到 %2</translation>
    </message>
    <message>
        <source>Capture not saved</source>
        <translation>捕获未保存</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
</context>
<context>
    <name>zomar::CommandModeSteps</name>
    <message>
        <source>Error!! %1</source>
        <translation>错误！！%1</translation>
    </message>
</context>
<context>
    <name>zomar::FactoryReset</name>
    <message>
        <source>This will reset the unit to Factory defaults.<byte value="xd"/>
Continue?</source>
        <translation>这会将模块恢复为出厂设置。<byte value="xd"/>
是否继续？</translation>
    </message>
</context>
<context>
    <name>zomar::FindModuleDialog</name>
    <message>
        <source>Find Module</source>
        <translation>查找模块</translation>
    </message>
    <message>
        <source>Looking for a module on %1, at each line speed: %2 baud.
%3</source>
        <translation>正在 %1 上以每种线路速率查找模块：%2 波特。
%3</translation>
    </message>
    <message>
        <source>1 port</source>
        <translation>1 个端口</translation>
    </message>
    <message numerus="yes">
        <source>%n ports</source>
        <translation>
            <numerusform>%n 个端口</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No serial ports to search. Plug in the adapter (a USB adapter shows up as /dev/ttyUSB* or /dev/ttyACM*), then try again.</source>
        <translation>没有可搜索的串口。请插入适配器（USB 适配器显示为 /dev/ttyUSB* 或 /dev/ttyACM*），然后重试。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在开始...</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>正在进行的读取结束后停止...</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <translation>%1，%2 波特</translation>
    </message>
    <message>
        <source>Trying %1...</source>
        <translation>正在尝试 %1...</translation>
    </message>
    <message>
        <source>Found a module on %1 at %2 baud.</source>
        <translation>在 %1 上以 %2 波特找到模块。</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>已取消搜索。</translation>
    </message>
    <message>
        <source>No module answered on %1 at any line speed. Check the cable and the module&apos;s power.</source>
        <translation>%1 上没有模块以任何线路速率应答。请检查电缆和模块电源。</translation>
    </message>
</context>
<context>
    <name>zomar::Form1</name>
    <message>
        <source>Zomar Setup Utility - Version:%1.%2.%3</source>
        <translation>Zomar Setup Utility - 版本：%1.%2.%3</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>No serial device</source>
        <translation>无串行设备</translation>
    </message>
    <message>
        <source>The port and speed could not be saved to %1: %2.
They will not be remembered next time.</source>
        <translation>无法将端口和速率保存到 %1：%2。
下次将不会记住它们。</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>设置未保存</translation>
    </message>
</context>
<context>
    <name>zomar::LanguageMenu</name>
    <message>
        <source>The windows will be in %1 when the program starts again.</source>
        <translation>程序下次启动时，窗口将使用 %1。</translation>
    </message>
    <message>
        <source>The windows will follow &quot;%1&quot; when the program starts again.</source>
        <translation>程序下次启动时，窗口将遵循“%1”。</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>The language could not be saved to %1: %2.</source>
        <translation>无法将语言保存到 %1：%2。</translation>
    </message>
</context>
<context>
    <name>zomar::LatencyChart</name>
    <message>
        <source>Latency</source>
        <translation>延迟</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>丢失</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>数据包</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>延迟（毫秒）</translation>
    </message>
</context>
<context>
    <name>zomar::LinkTestDialog</name>
    <message>
        <source>Link Test</source>
        <translation>链路测试</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> 字节</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>twice a packet&apos;s time</source>
        <translation>两倍数据包时间</translation>
    </message>
    <message>
        <source>Put the second module on the first one&apos;s channel and &amp;RF speed</source>
        <translation>将第二个模块设为第一个模块的信道和射频速率(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>从(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>到(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Line speed</source>
        <translation>线路速率(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Packets</source>
        <translation>包数(&amp;P)</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>大小(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>间隔(&amp;I)</translation>
    </message>
    <message>
        <source>Two modules are needed, each on a port of this computer; type a device or a port number if one is not listed.</source>
        <translation>需要两个模块，各接在本机的一个端口上；如果列表中没有，请输入设备或端口号。</translation>
    </message>
    <message>
        <source>Choose the two ports and press Start.</source>
        <translation>选择两个端口，然后按“开始”。</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>Sa&amp;ve CSV...</source>
        <translation>保存 CSV(&amp;V)...</translation>
    </message>
    <message>
        <source>Run a test first: the file has a row per packet.</source>
        <translation>请先运行测试：文件中每个数据包一行。</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Not while a test runs: Cancel stops it.</source>
        <translation>测试运行时不可用：按“取消”停止测试。</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Choose a port for each module.</source>
        <translation>为每个模块选择一个端口。</translation>
    </message>
    <message>
        <source>Both boxes name %1: a link needs two modules, each on its own port.</source>
        <translation>两个框都指向 %1：链路需要两个模块，各自接在自己的端口上。</translation>
    </message>
    <message>
        <source>%1 is the window&apos;s own port, which is connected. Disconnect it first, or choose another.</source>
        <translation>%1 是窗口自己已连接的端口。请先断开它，或选择另一个端口。</translation>
    </message>
    <message>
        <source>Latency (ms)</source>
        <translation>延迟（毫秒）</translation>
    </message>
    <message>
        <source>Reading both modules...</source>
        <translation>正在读取两个模块...</translation>
    </message>
    <message>
        <source>Cancelled before the test began.</source>
        <translation>测试开始前已取消。</translation>
    </message>
    <message>
        <source>. Tick &quot;%1&quot; to align them.</source>
        <translation>。勾选“%1”以使它们一致。</translation>
    </message>
    <message>
        <source>The second module was put on %1, %2 (written and verified). Sending...</source>
        <translation>第二个模块已设为 %1，%2（已写入并验证）。正在发送...</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>正在发送...</translation>
    </message>
    <message>
        <source>Sent %1 of %2, received %3, lost %4 (every %5 ms at %6 bps RF)</source>
        <translation>已发送 %1/%2，已接收 %3，丢失 %4（每 %5 毫秒，射频 %6 bit/s）</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>已停止：%1</translation>
    </message>
    <message>
        <source>Cancelled: the figures so far.</source>
        <translation>已取消：目前为止的数据。</translation>
    </message>
    <message>
        <source>Nothing came through: check both modules&apos; power and antennas.</source>
        <translation>什么也没收到：请检查两个模块的电源和天线。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完成。</translation>
    </message>
    <message>
        <source>Stopping after the reads under way...</source>
        <translation>正在进行的读取结束后停止...</translation>
    </message>
    <message>
        <source>Save Link Test</source>
        <translation>保存链路测试</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>已保存 %1。</translation>
    </message>
    <message>
        <source>Could not save: %1.</source>
        <translation>无法保存：%1。</translation>
    </message>
    <message>
        <source>
Warning: %1.</source>
        <translation>
警告：%1。</translation>
    </message>
</context>
<context>
    <name>zomar::LinkTestLauncher</name>
    <message>
        <source>COMM %1 (%2)</source>
        <translation>COMM %1 (%2)</translation>
    </message>
</context>
<context>
    <name>zomar::MacroDialog</name>
    <message>
        <source>New Macro</source>
        <translation>新建宏</translation>
    </message>
    <message>
        <source>Edit Macro</source>
        <translation>编辑宏</translation>
    </message>
    <message>
        <source>One step a line: &quot;send BYTES&quot;, &quot;wait MS&quot;, &quot;expect BYTES MS&quot;; bytes as the Send line takes them (41 42 0d, AT\r\n).</source>
        <translation>每行一步：&quot;send 字节&quot;、&quot;wait 毫秒&quot;、&quot;expect 字节 毫秒&quot;；字节写法与发送行相同 (41 42 0d, AT\r\n)。</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名称(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>步骤(&amp;S):</translation>
    </message>
    <message>
        <source>Give the macro a name: it is the button&apos;s text.</source>
        <translation>请为宏命名：名称即按钮上的文字。</translation>
    </message>
</context>
<context>
    <name>zomar::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open Profile...</source>
        <translation>打开配置文件(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save Profile...</source>
        <translation>保存配置文件(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Recent Profiles</source>
        <translation>最近的配置文件(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Find Module...</source>
        <translation>查找模块(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Link Test...</source>
        <translation>链路测试(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Capture...</source>
        <translation>捕获(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>系统语言(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>清空列表(&amp;C)</translation>
    </message>
    <message>
        <source>Zomar Setup Utility
Version %1

Sets up Zomar radio-modem modules on a serial port.

Built with Qt %2, running on Qt %3.
Licence: MIT (see the LICENSE file).</source>
        <translation>Zomar Setup Utility
版本 %1

在串口上设置 Zomar 无线调制解调器模块。

使用 Qt %2 构建，运行于 Qt %3。
许可证：MIT（见 LICENSE 文件）。</translation>
    </message>
    <message>
        <source>About Zomar Setup Utility</source>
        <translation>关于 Zomar Setup Utility</translation>
    </message>
</context>
<context>
    <name>zomar::ModuleSearch</name>
    <message>
        <source>The window&apos;s port (COMM %1) was disconnected: the search opens every port itself.</source>
        <translation>窗口的端口（COMM %1）已断开：搜索会自行打开每个端口。</translation>
    </message>
    <message>
        <source>The window&apos;s port stays disconnected: the search opens every port itself.</source>
        <translation>窗口的端口保持断开：搜索会自行打开每个端口。</translation>
    </message>
    <message>
        <source>Looking for a module...</source>
        <translation>正在查找模块...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>A module answered on %1 at %2 baud, but no port number of the window leads to that device. Map one to it, e.g. with --port-map 1=%1, or a &quot;Ports&quot; setting.</source>
        <translation>%1 上有模块以 %2 波特应答，但窗口没有任何端口号指向该设备。请为它映射一个，例如使用 --port-map 1=%1，或“Ports”设置。</translation>
    </message>
    <message>
        <source>Find Module</source>
        <translation>查找模块</translation>
    </message>
</context>
<context>
    <name>zomar::OperatorField</name>
    <message>
        <source>Scan badge, or type name + Enter</source>
        <translation>扫描工牌，或输入姓名并按回车</translation>
    </message>
</context>
<context>
    <name>zomar::PageProfile</name>
    <message>
        <source>The profile was not saved: %1</source>
        <translation>配置文件未保存：%1</translation>
    </message>
    <message>
        <source>the %1 field shows &quot;??&quot; (not read from the module). Connect or press Refresh, or fill it in, first.</source>
        <translation>%1 字段显示“??”（未从模块读取）。请先连接或按“刷新”，或手动填写。</translation>
    </message>
    <message>
        <source>Set would refuse the %1 field (&quot;%2&quot;: %3).</source>
        <translation>写入会拒绝 %1 字段（“%2”：%3）。</translation>
    </message>
    <message>
        <source>the Tx Power field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>发射功率字段为“%1”，不是它的任何取值（%2）。</translation>
    </message>
    <message>
        <source>the RF TX Speed field holds &quot;%1&quot;, which is none of its values (%2).</source>
        <translation>射频速率字段为“%1”，不是它的任何取值（%2）。</translation>
    </message>
</context>
<context>
    <name>zomar::PinPrompt</name>
    <message>
        <source>&amp;PIN:</source>
        <translation>PIN(&amp;P)：</translation>
    </message>
    <message>
        <source>New &amp;PIN:</source>
        <translation>新 PIN(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation>再次输入(&amp;A)：</translation>
    </message>
    <message>
        <source>the two PINs differ</source>
        <translation>两次输入的 PIN 不一致</translation>
    </message>
    <message>
        <source>Not set: %1.</source>
        <translation>未设置：%1。</translation>
    </message>
    <message>
        <source>The PIN guards the setup: the profile, the addresses, the record and the slots. Give it to the engineers only.</source>
        <translation>PIN 保护设置：配置文件、地址、记录和工位。只告诉工程师。</translation>
    </message>
</context>
<context>
    <name>zomar::PortConnection</name>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Connected to COMM %1</source>
        <translation>已连接到 COMM %1</translation>
    </message>
    <message>
        <source>Please select a valid comms port</source>
        <translation>请选择有效的通信端口</translation>
    </message>
    <message>
        <source>Invalid port</source>
        <translation>端口无效</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>错误！！%1</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>Connection lost: %1</source>
        <translation>连接丢失：%1</translation>
    </message>
    <message>
        <source>Check the cable or USB adapter, then press Connect.</source>
        <translation>请检查电缆或 USB 适配器，然后按“连接”。</translation>
    </message>
</context>
<context>
    <name>zomar::ProfileActions</name>
    <message>
        <source>Open Profile</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Zomar profiles (*.json);;All files (*)</source>
        <translation>Zomar 配置文件 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1: no longer exists; it was taken off the recent profiles.</source>
        <translation>%1：已不存在；已从最近的配置文件中移除。</translation>
    </message>
    <message>
        <source>Profile not opened</source>
        <translation>配置文件未打开</translation>
    </message>
    <message>
        <source>Nothing on the page was changed.</source>
        <translation>页面上没有任何更改。</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Set writes it to the module</source>
        <translation>已加载配置文件 %1：“写入”会将其写入模块</translation>
    </message>
    <message>
        <source>Profile %1 loaded: connect first, then open it again to Set it</source>
        <translation>已加载配置文件 %1：请先连接，然后重新打开它再写入</translation>
    </message>
    <message>
        <source>Profile %1 loaded: Refresh first, then open it again to Set it</source>
        <translation>已加载配置文件 %1：请先刷新，然后重新打开它再写入</translation>
    </message>
    <message>
        <source>Profile not saved</source>
        <translation>配置文件未保存</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Profile %1 saved to %2</source>
        <translation>配置文件 %1 已保存到 %2</translation>
    </message>
</context>
<context>
    <name>zomar::ProfileSummary</name>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>TX power %1</source>
        <translation>发射功率 %1</translation>
    </message>
    <message>
        <source>RF speed %1</source>
        <translation>射频速率 %1</translation>
    </message>
    <message>
        <source>destination %1</source>
        <translation>目标 %1</translation>
    </message>
    <message>
        <source>local %1</source>
        <translation>本地 %1</translation>
    </message>
    <message>
        <source>no field set</source>
        <translation>未设置任何字段</translation>
    </message>
</context>
<context>
    <name>zomar::RefreshOperation</name>
    <message>
        <source>No Response from Modem. Check Comms Port &amp; Baud rate</source>
        <translation>调制解调器无响应。请检查通信端口和波特率</translation>
    </message>
    <message>
        <source>Requesting Configuration...</source>
        <translation>正在请求配置...</translation>
    </message>
    <message>
        <source>Request Complete</source>
        <translation>请求完成</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>错误 %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>zomar::RepeaterPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>错误！！%1</translation>
    </message>
</context>
<context>
    <name>zomar::ScriptBench</name>
    <message>
        <source>Macros</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>New Macro...</source>
        <translation>新建宏...</translation>
    </message>
    <message>
        <source>A named button that sends a stored sequence of bytes and waits</source>
        <translation>一个带名称的按钮，发送保存的字节序列并等待</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>脚本</translation>
    </message>
    <message>
        <source>Run Script...</source>
        <translation>运行脚本...</translation>
    </message>
    <message>
        <source>Runs a JavaScript file on this port: send, expect, module.read, module.write, log</source>
        <translation>在此端口上运行 JavaScript 文件：send、expect、module.read、module.write、log</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Script log</source>
        <translation>脚本日志</translation>
    </message>
    <message>
        <source>%1 (right-click to edit or delete)</source>
        <translation>%1（右键编辑或删除）</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>编辑...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Not run: %1: %2</source>
        <translation>未运行：%1：%2</translation>
    </message>
    <message>
        <source>Not run: the port is not open</source>
        <translation>未运行：端口未打开</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>运行脚本</translation>
    </message>
    <message>
        <source>Scripts (*.js)</source>
        <translation>脚本 (*.js)</translation>
    </message>
    <message>
        <source>Not run: %1 cannot be read as a script</source>
        <translation>未运行：无法将 %1 作为脚本读取</translation>
    </message>
    <message>
        <source>Not run: a script is running; stop it first</source>
        <translation>未运行：已有脚本在运行，请先停止</translation>
    </message>
    <message>
        <source>%1: started</source>
        <translation>%1：已开始</translation>
    </message>
    <message>
        <source>Running %1...</source>
        <translation>正在运行 %1...</translation>
    </message>
    <message>
        <source>%1: done</source>
        <translation>%1：完成</translation>
    </message>
    <message>
        <source>%1: stopped</source>
        <translation>%1：已停止</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>zomar::SerialField</name>
    <message>
        <source>Scan the product serial</source>
        <translation>扫描产品序列号</translation>
    </message>
    <message>
        <source>P&amp;roduct serial:</source>
        <translation>产品序列号(&amp;R)：</translation>
    </message>
    <message>
        <source>P&amp;roduct serial for %1:</source>
        <translation>%1 的产品序列号(&amp;R)：</translation>
    </message>
</context>
<context>
    <name>zomar::SerialNotice</name>
    <message>
        <source>&amp;Acknowledge</source>
        <translation>确认(&amp;A)</translation>
    </message>
</context>
<context>
    <name>zomar::SetOperation</name>
    <message>
        <source>Invalid input (00-FF)</source>
        <translation>输入无效 (00-FF)</translation>
    </message>
    <message>
        <source>Error!!</source>
        <translation>错误！！</translation>
    </message>
    <message>
        <source>Incorrect value</source>
        <translation>数值不正确</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Incorrect Frequency value</source>
        <translation>频率值不正确</translation>
    </message>
    <message>
        <source>Invalid input (Tx Power)</source>
        <translation>输入无效（发射功率）</translation>
    </message>
    <message>
        <source>Invalid input (RF TX Speed)</source>
        <translation>输入无效（射频速率）</translation>
    </message>
    <message>
        <source>Error!! Overflow</source>
        <translation>错误！！溢出</translation>
    </message>
    <message>
        <source>Sending Configuration...</source>
        <translation>正在发送配置...</translation>
    </message>
    <message>
        <source>Send Complete</source>
        <translation>发送完成</translation>
    </message>
    <message>
        <source>Error!! %1</source>
        <translation>错误！！%1</translation>
    </message>
</context>
<context>
    <name>zomar::SetupChange</name>
    <message>
        <source>The setup of this station is guarded by a PIN.</source>
        <translation>此工作站的设置受 PIN 保护。</translation>
    </message>
    <message>
        <source>A new station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>新工作站将替换此工作站，而此工作站的设置受 PIN 保护。</translation>
    </message>
    <message>
        <source>Keep the station&apos;s setup in</source>
        <translation>将工作站设置保存到</translation>
    </message>
    <message>
        <source>Station files (*.json)</source>
        <translation>工作站文件 (*.json)</translation>
    </message>
    <message>
        <source>Another station replaces this one, whose setup is guarded by a PIN.</source>
        <translation>另一个工作站将替换此工作站，而此工作站的设置受 PIN 保护。</translation>
    </message>
    <message>
        <source>Open a station</source>
        <translation>打开工作站</translation>
    </message>
    <message>
        <source>Station files (*.json);;All files (*)</source>
        <translation>工作站文件 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Wait until the module being programmed has finished.</source>
        <translation>请等待正在编程的模块完成。</translation>
    </message>
    <message numerus="yes">
        <source>Wait until the %n modules being programmed have finished.</source>
        <translation>
            <numerusform>请等待正在编程的 %n 个模块完成。</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrong PIN: the setup stays as it is.</source>
        <translation>PIN 错误：设置保持不变。</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftPanel</name>
    <message>
        <source>This shift</source>
        <translation>本班次</translation>
    </message>
    <message>
        <source>Last units</source>
        <translation>最近的产品</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>工位</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>合格 %1</translation>
    </message>
    <message>
        <source>Fail %1</source>
        <translation>不合格 %1</translation>
    </message>
    <message>
        <source>since %1</source>
        <translation>自 %1 起</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation>不合格：%1</translation>
    </message>
    <message>
        <source>First-pass yield %1 %</source>
        <translation>直通率 %1 %</translation>
    </message>
    <message>
        <source>First-pass yield –</source>
        <translation>直通率 –</translation>
    </message>
    <message>
        <source>%1 units/h</source>
        <translation>%1 件/小时</translation>
    </message>
    <message>
        <source>– units/h</source>
        <translation>– 件/小时</translation>
    </message>
    <message>
        <source>%1: yield %2 % (%3 of %4), well below the other slots (%5 %): check its socket</source>
        <translation>%1：良率 %2 %（%4 件中 %3 件），远低于其他工位（%5 %）：请检查其插座</translation>
    </message>
    <message>
        <source>UNKNOWN: %1</source>
        <translation>未知：%1</translation>
    </message>
</context>
<context>
    <name>zomar::ShiftTally</name>
    <message>
        <source>%1 pass · %2 fail · yield %3</source>
        <translation>%1 合格 · %2 不合格 · 良率 %3</translation>
    </message>
</context>
<context>
    <name>zomar::SimulationMenu</name>
    <message>
        <source>Si&amp;mulation</source>
        <translation>模拟(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Demo: modules come and go</source>
        <translation>演示(&amp;D)：模块来来去去</translation>
    </message>
    <message>
        <source>&amp;Next module plugged in</source>
        <translation>下一个插入的模块(&amp;N)</translation>
    </message>
    <message>
        <source>Module in slot &amp;%1</source>
        <translation>工位 &amp;%1 中的模块</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTeacher</name>
    <message>
        <source>Teach slots - %1</source>
        <translation>学习工位 - %1</translation>
    </message>
    <message>
        <source>Plug a module into each socket of the hub in turn, in the order the slots should have. A module already in place: unplug it and plug it in again. Nothing is written to the modules.
Watching %1</source>
        <translation>按工位应有的顺序，依次将模块插入集线器的每个插口。已经插着的模块：拔出后重新插入。不会向模块写入任何内容。
正在监视 %1</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>完成(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>重新开始(&amp;S)</translation>
    </message>
    <message>
        <source>The folder does not exist yet: it appears with the first adapter plugged in.</source>
        <translation>文件夹尚不存在：插入第一个适配器后就会出现。</translation>
    </message>
    <message>
        <source>That socket is %1 already.</source>
        <translation>该插口已是 %1。</translation>
    </message>
    <message>
        <source>A station has at most %1 slots.</source>
        <translation>一个工作站最多有 %1 个工位。</translation>
    </message>
    <message>
        <source>%1 is the socket %2.</source>
        <translation>%1 是插口 %2。</translation>
    </message>
    <message>
        <source>Plug a module into the socket for %1</source>
        <translation>请将模块插入 %1 的插口</translation>
    </message>
    <message>
        <source>Sockets taught</source>
        <translation>已学习的插口</translation>
    </message>
</context>
<context>
    <name>zomar::SlotTile</name>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Left alone</source>
        <translation>未处理</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>读取中</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>写入中</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>验证中</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>未开始</translation>
    </message>
    <message>
        <source>Plug in a module</source>
        <translation>请插入模块</translation>
    </message>
    <message>
        <source>It was in place at the start: unplug it and plug it in again</source>
        <translation>启动时已经插着：请拔出后重新插入</translation>
    </message>
    <message>
        <source>Step %1 of 3: do not unplug</source>
        <translation>第 %1 步，共 3 步：请勿拔出</translation>
    </message>
    <message>
        <source>Address %1: unplug it</source>
        <translation>地址 %1：请拔出</translation>
    </message>
    <message>
        <source>Written and verified: unplug it</source>
        <translation>已写入并验证：请拔出</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Not running</source>
        <translation>未运行</translation>
    </message>
    <message>
        <source>No sockets</source>
        <translation>没有插座</translation>
    </message>
</context>
<context>
    <name>zomar::StationLine</name>
    <message>
        <source>%1: give the first address of a pool</source>
        <translation>%1：请给出地址池的第一个地址</translation>
    </message>
    <message>
        <source>The station is closing</source>
        <translation>工作站正在关闭</translation>
    </message>
    <message>
        <source>The setup is being changed: plug it in again later</source>
        <translation>设置正在更改：请稍后重新插入</translation>
    </message>
    <message>
        <source>The record cannot be written: call the engineer</source>
        <translation>无法写入记录：请联系工程师</translation>
    </message>
    <message>
        <source>The module before is still finishing: plug this one in again</source>
        <translation>上一个模块尚未完成：请重新插入此模块</translation>
    </message>
    <message>
        <source>%1; not recorded: %2</source>
        <translation>%1；未记录：%2</translation>
    </message>
    <message>
        <source>; not in the log: %1</source>
        <translation>；不在日志中：%1</translation>
    </message>
    <message>
        <source>Refused: nothing was written; call the engineer</source>
        <translation>已拒绝：未写入任何内容；请联系工程师</translation>
    </message>
    <message>
        <source>No answer: check the module is seated</source>
        <translation>无应答：请检查模块是否插好</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside</source>
        <translation>回读不一致：请将模块放到一边</translation>
    </message>
    <message>
        <source>Port failed: check the hub and its cable</source>
        <translation>端口故障：请检查集线器及其电缆</translation>
    </message>
    <message>
        <source>Not recorded: call the engineer</source>
        <translation>未记录：请联系工程师</translation>
    </message>
    <message>
        <source>Not started: no address left offline; call the engineer</source>
        <translation>未开始：离线时已无可用地址；请联系工程师</translation>
    </message>
    <message>
        <source>Its outcome was not recorded: read it back</source>
        <translation>结果未记录：请回读</translation>
    </message>
    <message>
        <source>Port lost before it was written: nothing was written</source>
        <translation>写入前端口丢失：未写入任何内容</translation>
    </message>
    <message>
        <source>This station runs in %1 (pid %2)</source>
        <translation>此工位正在 %1 中运行（pid %2）</translation>
    </message>
    <message>
        <source>The station is not running: call the engineer</source>
        <translation>工位未运行：请联系工程师</translation>
    </message>
    <message>
        <source>The socket folder is missing: check the hub is plugged in, or call the engineer</source>
        <translation>插座文件夹不存在：请检查集线器是否已插好，或联系工程师</translation>
    </message>
    <message>
        <source>%1 is not there; the station watches for it.</source>
        <translation>%1 不存在；工位会持续等待它出现。</translation>
    </message>
    <message>
        <source>Pulled out as it was written: its state is unknown; read it back</source>
        <translation>写入时被拔出：状态未知；请回读</translation>
    </message>
    <message>
        <source>Pulled out as it was written: it may hold address %1; read it back</source>
        <translation>写入时被拔出：可能已带有地址 %1；请回读</translation>
    </message>
    <message>
        <source>Read-back differs: put the module aside (address %1 was sent)</source>
        <translation>回读不一致：请将模块放到一边（已发送地址 %1）</translation>
    </message>
    <message>
        <source>In use by another program: close it there, then plug the module in again</source>
        <translation>被其他程序占用：请在那里关闭，然后重新插入模块</translation>
    </message>
    <message>
        <source>In use by %1: close it there, then plug the module in again</source>
        <translation>被 %1 占用：请在那里关闭，然后重新插入模块</translation>
    </message>
    <message>
        <source>Pulled out before it was written: nothing was written; plug it in again</source>
        <translation>写入前被拔出：未写入任何内容；请重新插入</translation>
    </message>
</context>
<context>
    <name>zomar::StationSetupDialog</name>
    <message>
        <source>Station setup - %1</source>
        <translation>工作站设置 - %1</translation>
    </message>
    <message>
        <source>this computer&apos;s name</source>
        <translation>本机名称</translation>
    </message>
    <message>
        <source>none: modules keep their own</source>
        <translation>无：模块保留自己的地址</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>The station&apos;s windows are in this language from its next start, unless a technician chooses another in the Language menu.</source>
        <translation>工作站窗口将从下次启动起使用此语言，除非技术员在“语言”菜单中选择其他语言。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>插口</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>浏览(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Teach slots...</source>
        <translation>学习工位(&amp;T)...</translation>
    </message>
    <message>
        <source>Remo&amp;ve slot</source>
        <translation>删除工位(&amp;V)</translation>
    </message>
    <message>
        <source>Set P&amp;IN...</source>
        <translation>设置 PIN(&amp;I)...</translation>
    </message>
    <message>
        <source>No PIN</source>
        <translation>不设 PIN</translation>
    </message>
    <message>
        <source>Station &amp;name:</source>
        <translation>工作站名称(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>配置文件(&amp;P)：</translation>
    </message>
    <message>
        <source>St&amp;ep:</source>
        <translation>步长(&amp;E)：</translation>
    </message>
    <message>
        <source>&amp;First address:</source>
        <translation>第一个地址(&amp;F)：</translation>
    </message>
    <message>
        <source>Re&amp;cord:</source>
        <translation>记录(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;Line speed:</source>
        <translation>线路速率(&amp;L)：</translation>
    </message>
    <message>
        <source>Band plan re&amp;gion:</source>
        <translation>频段规划区域(&amp;G)：</translation>
    </message>
    <message>
        <source>Technicians&apos; lang&amp;uage:</source>
        <translation>技术员语言(&amp;U)：</translation>
    </message>
    <message>
        <source>S&amp;ocket folder:</source>
        <translation>插口文件夹(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Slots (double-click or F2 on a name to rename):</source>
        <translation>工位(&amp;S)（双击或在名称上按 F2 重命名）：</translation>
    </message>
    <message>
        <source>First address %1: %2</source>
        <translation>第一个地址 %1：%2</translation>
    </message>
    <message>
        <source>no slot yet: Teach slots, then save</source>
        <translation>还没有工位：请学习工位，然后保存</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>未保存：%1</translation>
    </message>
    <message>
        <source>The profile every module gets</source>
        <translation>每个模块都会获得的配置文件</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>配置文件 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The production record (a new file is made)</source>
        <translation>生产记录（将新建文件）</translation>
    </message>
    <message>
        <source>Production records (*.db);;All files (*)</source>
        <translation>生产记录 (*.db);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Name the profile every module gets.</source>
        <translation>请指定每个模块都会获得的配置文件。</translation>
    </message>
    <message>
        <source>A PIN guards this setup.</source>
        <translation>PIN 保护此设置。</translation>
    </message>
    <message>
        <source>No PIN: anyone at the station can change the setup.</source>
        <translation>未设 PIN：工作站的任何人都可以更改设置。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>zomar::StationTrace</name>
    <message>
        <source>S/N %1: being recorded</source>
        <translation>序列号 %1：正在记录</translation>
    </message>
    <message>
        <source>Scan the product serial</source>
        <translation>扫描产品序列号</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>printing the label</source>
        <translation>正在打印标签</translation>
    </message>
    <message>
        <source>label printed</source>
        <translation>标签已打印</translation>
    </message>
    <message>
        <source>label not printed: %1</source>
        <translation>标签未打印：%1</translation>
    </message>
    <message>
        <source>Serial refused: one line of at most %1 characters</source>
        <translation>序列号被拒绝：只能是一行，最多 %1 个字符</translation>
    </message>
    <message>
        <source>Serial %1 refused: it does not match %2</source>
        <translation>序列号 %1 被拒绝：与 %2 不匹配</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to the unit with address %2</source>
        <translation>序列号 %1 被拒绝：已绑定到地址为 %2 的单元</translation>
    </message>
    <message>
        <source>Serial %1 refused: it is bound to another unit</source>
        <translation>序列号 %1 被拒绝：已绑定到另一个单元</translation>
    </message>
    <message>
        <source>Serial %1 refused: this unit carries %2</source>
        <translation>序列号 %1 被拒绝：该单元已有 %2</translation>
    </message>
    <message>
        <source>Serial %1 not recorded: call the engineer (%2)</source>
        <translation>序列号 %1 未记录：请联系工程师（%2）</translation>
    </message>
</context>
<context>
    <name>zomar::StationWindow</name>
    <message>
        <source>&amp;Keys</source>
        <translation>按键(&amp;K)</translation>
    </message>
    <message>
        <source>Zomar Station</source>
        <translation>Zomar Station</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>操作员(&amp;O)：</translation>
    </message>
    <message>
        <source>No station open: Station &gt; New station... or Open station...</source>
        <translation>未打开工作站：工作站 &gt; 新建工作站... 或 打开工作站...</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>工作站(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;New station...</source>
        <translation>新建工作站(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Open station...</source>
        <translation>打开工作站(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Edit setup...</source>
        <translation>编辑设置(&amp;E)...</translation>
    </message>
    <message>
        <source>New s&amp;hift...</source>
        <translation>新班次(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>%1 %2
Programming radio modules on a production line, one slot per socket.</source>
        <translation>%1 %2
在生产线上为无线模块编程，每个插口一个工位。</translation>
    </message>
    <message>
        <source>The station file is refused:
%1</source>
        <translation>工作站文件被拒绝：
%1</translation>
    </message>
    <message>
        <source>Station file refused: %1</source>
        <translation>工作站文件被拒绝：%1</translation>
    </message>
    <message>
        <source>A module in the socket %1 is left alone: it is no slot of this station (Edit setup &gt; Teach slots).</source>
        <translation>插口 %1 中的模块未被处理：它不是此工作站的工位（编辑设置 &gt; 学习工位）。</translation>
    </message>
    <message>
        <source>Not running: %1. An engineer can correct it in Edit setup.</source>
        <translation>未运行：%1。工程师可以在“编辑设置”中更正。</translation>
    </message>
    <message>
        <source>No slots yet: Edit setup &gt; Teach slots.</source>
        <translation>还没有工位：编辑设置 &gt; 学习工位。</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>配置文件 %1：%2</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>未读取</translation>
    </message>
    <message>
        <source>Addresses from %1, step %2</source>
        <translation>地址从 %1 开始，步长 %2</translation>
    </message>
    <message>
        <source>Each module keeps its own address</source>
        <translation>每个模块保留自己的地址</translation>
    </message>
    <message>
        <source> (next %1)</source>
        <translation> （下一个 %1）</translation>
    </message>
    <message>
        <source>%1 · %2 baud</source>
        <translation>%1 · %2 波特</translation>
    </message>
    <message>
        <source>

Socket: %1</source>
        <translation>

插口：%1</translation>
    </message>
    <message>
        <source>Start a new shift? The counts and the list of the last units start again; the record keeps every unit.</source>
        <translation>开始新班次？计数和最近产品列表将重新开始；记录会保留每个产品。</translation>
    </message>
    <message>
        <source>The setup is not saved, and the station runs as before:
%1</source>
        <translation>设置未保存，工作站照常运行：
%1</translation>
    </message>
    <message>
        <source>Closing: the module in flight finishes first. Leave it in place.</source>
        <translation>正在关闭：先完成进行中的模块。请保持插着。</translation>
    </message>
    <message numerus="yes">
        <source>Closing: %n modules in flight finish first. Leave them in place.</source>
        <translation>
            <numerusform>正在关闭：先完成进行中的 %n 个模块。请保持插着。</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;The station&apos;s or the system&apos;s language</source>
        <translation>工作站或系统语言(&amp;T)</translation>
    </message>
    <message>
        <source>O&amp;perator</source>
        <translation>操作员(&amp;P)</translation>
    </message>
    <message>
        <source>The shift&apos;s earlier units could not be read from the record (%1): counting goes on from here.</source>
        <translation>无法从记录中读取本班次之前的单元（%1）：从这里继续计数。</translation>
    </message>
    <message>
        <source>Not running: this station runs already in %1 (pid %2). Use that window, or close it and open the station here again (Station &gt; Open station...).</source>
        <translation>未运行：此工位已在 %1（pid %2）中运行。请使用那个窗口，或关闭它后在此重新打开工位（工位 &gt; 打开工位...）。</translation>
    </message>
    <message>
        <source>Not running: the socket %1 is a slot of the station %2, which runs in %3 (pid %4). A socket belongs to one station.</source>
        <translation>未运行：插座 %1 是工位 %2 的槽位，该工位在 %3（pid %4）中运行。一个插座只属于一个工位。</translation>
    </message>
    <message>
        <source>Not running: %1 (pid %2) programs every module plugged in on this PC&apos;s sockets (%3). End it, then open the station again.</source>
        <translation>未运行：%1（pid %2）正在为插入本电脑插座（%3）的每个模块编程。请结束它，然后重新打开工位。</translation>
    </message>
    <message>
        <source>all its serial ports</source>
        <translation>其所有串口</translation>
    </message>
    <message>
        <source>The station file opened last, %1, is not there any more: Station &gt; Open station... or New station...</source>
        <translation>上次打开的工位文件 %1 已不存在：工位 &gt; 打开工位... 或 新建工位...</translation>
    </message>
    <message>
        <source>The socket folder %1 is not there: check the hub is plugged in, or correct the folder in Edit setup. The station watches for it.</source>
        <translation>插座文件夹 %1 不存在：请检查集线器是否已插好，或在编辑设置中更正文件夹。工位会持续等待它出现。</translation>
    </message>
    <message>
        <source>%1: %2 – %3</source>
        <translation>%1：%2 – %3</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Closing: modules in flight that did not pass: %1.</source>
        <translation>正在关闭：进行中未合格的模块：%1。</translation>
    </message>
    <message>
        <source>Before the station closed:
%1

Put these modules aside; the record has them.</source>
        <translation>工位关闭前：
%1

请将这些模块放到一边；记录中已有它们。</translation>
    </message>
    <message>
        <source>Keys of the station:

Arrow keys: move between the slots
Enter or Space on a slot: what the program found
Ctrl+P on a slot: its unit&apos;s label again
Tab: the next slot
F2: the operator field (a badge scanner types into it from anywhere)
A scan while a slot waits for its product serial: the product serial field
Ctrl+Shift+N: a new shift
Ctrl+Shift+E: edit the setup (the engineer, with the PIN)
Ctrl+O: open a station
Ctrl+Q: quit; the modules in flight finish first</source>
        <translation>工作站按键：

方向键：在工位之间移动
在工位上按 Enter 或空格：程序发现的情况
在工位上按 Ctrl+P：重新打印其单元的标签
Tab：下一个工位
F2：操作员字段（工牌扫描器可从任意位置输入）
工位等待产品序列号时扫描：产品序列号字段
Ctrl+Shift+N：新班次
Ctrl+Shift+E：编辑设置（工程师，需 PIN）
Ctrl+O：打开工作站
Ctrl+Q：退出；进行中的模块先完成</translation>
    </message>
    <message>
        <source>Labels are not printed: %1. An engineer can correct it in Edit setup.</source>
        <translation>不打印标签：%1。工程师可以在“编辑设置”中更正。</translation>
    </message>
    <message>
        <source>The label of unit %1 was not printed: %2. Print it again with: zomar-cli records label %1 --label %3</source>
        <translation>单元 %1 的标签未打印：%2。重新打印：zomar-cli records label %1 --label %3</translation>
    </message>
    <message>
        <source>Serial %1 is for no slot: no unit waits for its product serial.</source>
        <translation>序列号 %1 没有对应的工位：没有单元在等待产品序列号。</translation>
    </message>
    <message>
        <source>This station prints no labels (Edit setup: Labels and product serials).</source>
        <translation>此工作站不打印标签（编辑设置：标签和产品序列号）。</translation>
    </message>
    <message>
        <source>%1 has no unit to print a label for: only a unit that passed (with its serial when the station asks for one) gets a label.</source>
        <translation>%1 没有可打印标签的单元：只有通过的单元（工作站要求时须有序列号）才有标签。</translation>
    </message>
    <message>
        <source>The label&apos;s state of unit %1 is not in the record: %2</source>
        <translation>单元 %1 的标签状态未写入记录：%2</translation>
    </message>
    <message>
        <source>that unit carries %1</source>
        <translation>该单元已带有 %1</translation>
    </message>
    <message>
        <source>it is bound to the unit with address %1</source>
        <translation>已绑定到地址为 %1 的单元</translation>
    </message>
    <message>
        <source>it is bound to unit %1</source>
        <translation>已绑定到单元 %1</translation>
    </message>
    <message>
        <source>Serial %1 of the unit with address %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %4 SERIAL</source>
        <translation>地址为 %2 的单元的序列号 %1 在本工作站的日志到达服务器时被拒绝：%3。记录中该单元没有序列号；请检查产品，并用以下命令绑定其序列号：zomar-cli records serial %4 SERIAL</translation>
    </message>
    <message>
        <source>Serial %1 of unit %2 was refused when this station&apos;s journal reached the server: %3. The record keeps no serial for that unit; check the product and bind its serial with: zomar-cli records serial %2 SERIAL</source>
        <translation>单元 %2 的序列号 %1 在本工作站的日志到达服务器时被拒绝：%3。记录中该单元没有序列号；请检查产品，并用以下命令绑定其序列号：zomar-cli records serial %2 SERIAL</translation>
    </message>
</context>
<context>
    <name>zomar::TerminalPage</name>
    <message>
        <source>Error!! %1</source>
        <translation>错误！！%1</translation>
    </message>
</context>
<context>
    <name>zomar::TraceSetupBox</name>
    <message>
        <source>Labels and product serials</source>
        <translation>标签和产品序列号</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>浏览(&amp;W)...</translation>
    </message>
    <message>
        <source>none; pdf:FOLDER, printer:NAME or zpl://HOST[:PORT]</source>
        <translation>无；pdf:文件夹、printer:名称 或 zpl://主机[:端口]</translation>
    </message>
    <message>
        <source>the default: 50 x 25 mm with a QR code</source>
        <translation>默认：50 x 25 mm，带二维码</translation>
    </message>
    <message>
        <source>none: no serial is scanned; e.g. SN-[0-9]{6}</source>
        <translation>无：不扫描序列号；例如 SN-[0-9]{6}</translation>
    </message>
    <message>
        <source>A regular expression that a product serial matches whole. When set, a technician scans the product&apos;s serial for each unit that passes; its label is printed once the serial is recorded.</source>
        <translation>产品序列号必须整体匹配的正则表达式。设置后，技术员为每个通过的单元扫描产品序列号；序列号记录后才打印其标签。</translation>
    </message>
    <message>
        <source>The labels&apos; template</source>
        <translation>标签模板</translation>
    </message>
    <message>
        <source>Label templates (*.json);;All files (*)</source>
        <translation>标签模板 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>L&amp;abels to:</source>
        <translation>标签输出到(&amp;A)：</translation>
    </message>
    <message>
        <source>Label te&amp;mplate:</source>
        <translation>标签模板(&amp;M)：</translation>
    </message>
    <message>
        <source>Pro&amp;duct serial pattern:</source>
        <translation>产品序列号格式(&amp;D)：</translation>
    </message>
    <message>
        <source>Labels to: %1</source>
        <translation>标签输出到：%1</translation>
    </message>
    <message>
        <source>Label template: say where the labels go too</source>
        <translation>标签模板：还需指定标签输出到哪里</translation>
    </message>
    <message>
        <source>Product serial pattern: %1</source>
        <translation>产品序列号格式：%1</translation>
    </message>
</context>
</TS>
