<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Devicepages</name>
    <message>
        <source>The settings could not be read from the device.</source>
        <translation>无法从设备读取设置。</translation>
    </message>
    <message>
        <source>The settings could not be sent to the device.</source>
        <translation>无法将设置发送到设备。</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status bar: the user cancelled the device transfer or command</extracomment>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>GpxImport</name>
    <message>
        <source>Line %1, column %2: the file is not well-formed XML.</source>
        <translation>第 %1 行，第 %2 列：该文件不是格式正确的 XML。</translation>
    </message>
    <message>
        <source>Line %1, column %2: the file is cut short.</source>
        <translation>第 %1 行，第 %2 列：文件不完整。</translation>
    </message>
    <message>
        <source>Line %1, column %2: unclosed token.</source>
        <extracomment>The file ends inside a tag or other piece of XML.</extracomment>
        <translation>第 %1 行，第 %2 列：标记未闭合。</translation>
    </message>
    <message>
        <source>Line %1, column %2: invalid character.</source>
        <translation>第 %1 行，第 %2 列：无效字符。</translation>
    </message>
    <message>
        <source>Line %1, column %2: unknown encoding.</source>
        <translation>第 %1 行，第 %2 列：未知的编码。</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%3 is the XML reader&apos;s own description of the error.</extracomment>
        <translation>第 %1 行，第 %2 列：%3</translation>
    </message>
    <message>
        <source>The file&apos;s encoding %1 is unknown.</source>
        <translation>文件的编码 %1 未知。</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file.</source>
        <translation>内存不足，无法读取该文件。</translation>
    </message>
    <message>
        <source>The file cannot be read: it is not an ordinary file.</source>
        <translation>无法读取该文件：它不是普通文件。</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>connection closed</source>
        <translation>连接已关闭</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>找不到主机</translation>
    </message>
    <message>
        <source>proxy closed the connection</source>
        <translation>代理服务器关闭了连接</translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation>代理服务器拒绝了连接</translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation>找不到代理服务器</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>HTTP %1</source>
        <translation>HTTP %1</translation>
    </message>
    <message>
        <source>HTTP %1 %2</source>
        <extracomment>%1 the HTTP status number, %2 the server&apos;s reason phrase</extracomment>
        <translation>HTTP %1 %2</translation>
    </message>
    <message>
        <source>no HTTP reply</source>
        <translation>没有 HTTP 响应</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>正忙</translation>
    </message>
    <message>
        <source>bad URL</source>
        <translation>无效的 URL</translation>
    </message>
    <message>
        <source>bad proxy port</source>
        <translation>无效的代理端口</translation>
    </message>
</context>
<context>
    <name>KorviFile</name>
    <message>
        <source>The text lengths do not fit the device file.</source>
        <translation>文本长度超出设备文件的限制。</translation>
    </message>
    <message>
        <source>The device file holds at most 255 categories.</source>
        <translation>设备文件最多只能容纳 255 个类别。</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 sub-categories in a category.</source>
        <translation>设备文件中每个类别最多只能容纳 65535 个子类别。</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 destinations in a sub-category.</source>
        <translation>设备文件中每个子类别最多只能容纳 65535 个目的地。</translation>
    </message>
    <message>
        <source>A position does not fit the device file: %1</source>
        <translation>某个位置无法存入设备文件：%1</translation>
    </message>
    <message>
        <source>The destinations do not fit into one device file.</source>
        <translation>目的地太多，无法存入一个设备文件。</translation>
    </message>
</context>
<context>
    <name>TAltChart</name>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>海拔</translation>
    </message>
    <message>
        <source>Waiting for the elevation service ...</source>
        <translation>正在等待海拔服务 ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>无响应</translation>
    </message>
    <message>
        <source>The elevation service answered with an error (%1).</source>
        <translation>海拔服务返回了错误 (%1)。</translation>
    </message>
    <message>
        <source>The elevation service gave no answer (%1).</source>
        <translation>海拔服务没有响应 (%1)。</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: answered with an error (%1)</source>
        <extracomment>Status bar note; %1 is the reason, e.g. &quot;timed out&quot;; %2 the time of day (hours:minutes:seconds) before which the program does not ask the service again by itself</extracomment>
        <translation>海拔服务出错（%2 之前不会自动再次查询）：返回了错误 (%1)</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: gave no answer (%1)</source>
        <translation>海拔服务出错（%2 之前不会自动再次查询）：没有响应 (%1)</translation>
    </message>
</context>
<context>
    <name>TConnectPage</name>
    <message>
        <source>This desktop has no device manager. The device&apos;s serial port is one of /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* or /dev/rfcomm*; Scan finds it, and your user must be in the dialout group to open it.</source>
        <translation>此桌面环境没有设备管理器。设备的串口是 /dev/ttyUSB*、/dev/ttyACM*、/dev/ttyS* 或 /dev/rfcomm* 之一；“搜索”可以找到它，但您的用户必须属于 dialout 组才能打开它。</translation>
    </message>
    <message>
        <source>Device manager</source>
        <translation>设备管理器</translation>
    </message>
</context>
<context>
    <name>TDestPage</name>
    <message>
        <source>%1 in %2</source>
        <comment>a sub-category in its category</comment>
        <translation>%2中的%1</translation>
    </message>
    <message numerus="yes">
        <source>%n empty category(ies) or sub-category(ies) not saved: %1. The file holds only those with destinations.</source>
        <extracomment>%1 lists the categories and sub-categories.</extracomment>
        <translation>
            <numerusform>%n 个空类别或子类别未保存：%1。文件只保存含有目的地的类别和子类别。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) without a category or sub-category not saved.</source>
        <translation>
            <numerusform>%n 个没有类别或子类别的目的地未保存。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n category or sub-category name(s) shortened to fit the file: %1. Names that differ only in the part cut off come back as one.</source>
        <extracomment>%1 lists the categories and sub-categories by their full names.</extracomment>
        <translation>
            <numerusform>%n 个类别或子类别名称已缩短以适应文件：%1。仅在被截去部分不同的名称，重新打开文件后会合并为一个。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) shortened to fit the file: %1.</source>
        <extracomment>%1 lists the titles in full.</extracomment>
        <translation>
            <numerusform>%n 个标题已缩短以适应文件：%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Information text shortened to fit the file for %n destination(s): %1.</source>
        <extracomment>%1 lists the titles of the destinations.</extracomment>
        <translation>
            <numerusform>%n 个目的地的信息已缩短以适应文件：%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) left out: their category or sub-category is not in the file.</source>
        <translation>
            <numerusform>已略过 %n 个目的地：其类别或子类别不在文件中。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDeviceSetPage</name>
    <message>
        <source>Please choose a value for: %1</source>
        <translation>请为以下项选择一个值：%1</translation>
    </message>
</context>
<context>
    <name>TDeviceTransfers</name>
    <message>
        <source>Can not create a transfer file.</source>
        <translation>无法创建传输文件。</translation>
    </message>
    <message>
        <source>Can not write the transfer file: %1</source>
        <translation>无法写入传输文件：%1</translation>
    </message>
    <message>
        <source>The device sent a file that can not be read.</source>
        <translation>设备发送的文件无法读取。</translation>
    </message>
    <message>
        <source>The device&apos;s waypoint file: %1</source>
        <translation>设备的航点文件：%1</translation>
    </message>
</context>
<context>
    <name>TFormDestEditor</name>
    <message>
        <source>The category &quot;%1&quot; has no sub-category. Add one with the category editor first.</source>
        <translation>类别“%1”没有子类别。请先用类别编辑器添加一个子类别。</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Can not load image: %1</source>
        <translation>无法加载图像：%1</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>写入错误</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>无法将设置保存到 %1 (%2)。</translation>
    </message>
    <message>
        <source>Can not load the map</source>
        <translation>无法加载地图</translation>
    </message>
    <message>
        <source>The place search is not available.</source>
        <translation>地点搜索不可用。</translation>
    </message>
    <message>
        <source>Can not write map page: %1</source>
        <extracomment>%1 is the reason the page file could not be written</extracomment>
        <translation>无法写入地图页面：%1</translation>
    </message>
    <message>
        <source>The map could not be loaded.</source>
        <translation>无法加载地图。</translation>
    </message>
</context>
<context>
    <name>TFormWorkTask</name>
    <message>
        <source>Cancelling ...</source>
        <translation>正在取消 ...</translation>
    </message>
    <message>
        <source>The device did not answer in time.</source>
        <translation>设备未能及时响应。</translation>
    </message>
    <message>
        <source>The device answered something unexpected.</source>
        <translation>设备返回了意外的响应。</translation>
    </message>
    <message>
        <source>The device refused the data.</source>
        <translation>设备拒绝了数据。</translation>
    </message>
    <message>
        <source>The data from the device arrived damaged.</source>
        <translation>从设备收到的数据已损坏。</translation>
    </message>
    <message>
        <source>The device broke off the transfer.</source>
        <translation>设备中断了传输。</translation>
    </message>
    <message>
        <source>The connection to the device was lost.</source>
        <translation>与设备的连接已断开。</translation>
    </message>
    <message>
        <source>The transfer file could not be read.</source>
        <translation>无法读取传输文件。</translation>
    </message>
    <message>
        <source>The transfer file could not be written.</source>
        <translation>无法写入传输文件。</translation>
    </message>
    <message>
        <source>The device&apos;s reply could not be read.</source>
        <translation>无法读取设备的响应。</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>传输已取消。</translation>
    </message>
    <message>
        <source>COM %1 could not be opened.</source>
        <translation>无法打开 COM %1。</translation>
    </message>
    <message>
        <source>The device task failed.</source>
        <translation>设备任务失败。</translation>
    </message>
</context>
<context>
    <name>TGoogleHtml</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is why a folder cannot be written, %2 the folder</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>TProgramPage</name>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>A favourite needs a name without &quot;;&quot;.</source>
        <translation>收藏夹项目的名称不能包含“;”。</translation>
    </message>
    <message>
        <source>Waiting for the version check ...</source>
        <translation>正在等待版本检查 ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>无响应</translation>
    </message>
    <message>
        <source>The version check failed: %1</source>
        <translation>版本检查失败：%1</translation>
    </message>
</context>
<context>
    <name>TRoutePage</name>
    <message>
        <source>Can not read the file %1.</source>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>A route point with this title already exists.</source>
        <translation>已存在相同标题的路线点。</translation>
    </message>
</context>
<context>
    <name>TTrackPage</name>
    <message>
        <source>No track is checked, so nothing was written.</source>
        <translation>没有勾选任何轨迹，因此未写入任何内容。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>该文件不存在。</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>这不是一个文件。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取该文件。</translation>
    </message>
    <message>
        <source>The file is cut short; the complete tracks before the cut were read.</source>
        <translation>文件不完整；已读取中断处之前的完整轨迹。</translation>
    </message>
    <message>
        <source>The file holds no complete track.</source>
        <translation>该文件不包含完整的轨迹。</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s) saved.</source>
        <translation>
            <numerusform>已保存 %n 条轨迹。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchecked track(s) not saved.</source>
        <translation>
            <numerusform>%n 条未勾选的轨迹未保存。</numerusform>
        </translation>
    </message>
    <message>
        <source>No safe temporary folder for the KML file.</source>
        <translation>没有可安全存放 KML 文件的临时文件夹。</translation>
    </message>
    <message>
        <source>The desktop could not open the file.</source>
        <translation>桌面环境无法打开该文件。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>无法读取该文件。</translation>
    </message>
    <message>
        <source>GPX import cancelled</source>
        <translation>GPX 导入已取消</translation>
    </message>
    <message numerus="yes">
        <source>The file holds no track or route, so the tracks are kept. %n waypoint(s) from the file were added.</source>
        <translation>
            <numerusform>该文件不包含轨迹或路线，因此保留了现有轨迹。已从该文件添加 %n 个航点。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TWaypointPage</name>
    <message>
        <source>This is not a file.</source>
        <translation>这不是一个文件。</translation>
    </message>
    <message>
        <source>one record cut short at the end of the file (%1 of its 16 bytes)</source>
        <translation>文件末尾有 1 条记录不完整 (16 字节中只有 %1 字节)</translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 degrees longitude, or an icon number without a picture)</source>
        <translation>
            <numerusform>%n 条无法读取 (没有有效时间、位置超出纬度 90 度或经度 180 度，或图标编号没有对应的图片)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same second as an earlier waypoint</source>
        <translation>
            <numerusform>%n 条与之前的某个航点时间相同 (同一秒)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) left out: %1.</source>
        <extracomment>%1 is a list of reasons, each with its count.</extracomment>
        <translation>
            <numerusform>已略过 %n 条记录：%1。</numerusform>
        </translation>
    </message>
    <message>
        <source>No waypoint could be read. %1 The waypoints held stay as they were.</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>未能读取任何航点。%1 现有的航点保持不变。</translation>
    </message>
    <message numerus="yes">
        <source>%n waypoint(s) read. %1</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>
            <numerusform>已读取 %n 个航点。%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 waypoint(s) could not be written to the device file (a time or position it cannot hold) and were left out.</source>
        <extracomment>%n is the number left out, %1 the number of all waypoints.</extracomment>
        <translation>
            <numerusform>%1 个航点中有 %n 个无法写入设备文件 (其时间或位置超出设备文件的范围)，已略过。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No program on this desktop could open the web page. Its address, to copy into a web browser:

%1</source>
        <translation>此桌面环境中没有程序能打开该网页。可将其地址复制到网页浏览器中：

%1</translation>
    </message>
</context>
<context>
    <name>Utility</name>
    <message>
        <source>The latitude must be a number between -90 and 90 degrees.</source>
        <translation>纬度必须是 -90 到 90 度之间的数字。</translation>
    </message>
    <message>
        <source>The longitude must be a number between -180 and 180 degrees.</source>
        <translation>经度必须是 -180 到 180 度之间的数字。</translation>
    </message>
    <message>
        <source>The latitude must lie between -90 and 90 degrees.</source>
        <translation>纬度必须在 -90 到 90 度之间。</translation>
    </message>
    <message>
        <source>The longitude must lie between -180 and 180 degrees.</source>
        <translation>经度必须在 -180 到 180 度之间。</translation>
    </message>
</context>
<context>
    <name>VersionReply</name>
    <message>
        <source>the version file is empty</source>
        <translation>版本文件为空</translation>
    </message>
    <message>
        <source>the version file is not text</source>
        <translation>版本文件不是文本</translation>
    </message>
    <message>
        <source>the version file holds no build number</source>
        <translation>版本文件中没有内部版本号</translation>
    </message>
</context>
<context>
    <name>ZavFile</name>
    <message>
        <source>The file is empty.</source>
        <translation>该文件为空。</translation>
    </message>
    <message>
        <source>Line %1 could not be read: it is not text.</source>
        <translation>无法读取第 %1 行：它不是文本。</translation>
    </message>
    <message>
        <source>The file is cut short after line %1: its end line ZAVEOF is missing.</source>
        <translation>文件在第 %1 行之后不完整：缺少结束行 ZAVEOF。</translation>
    </message>
    <message>
        <source>The file is not a ZAV destination file: its first line is not a ZAV header.</source>
        <translation>该文件不是 ZAV 目的地文件：其第一行不是 ZAV 文件头。</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>No space left on device</source>
        <extracomment>A reason after a failed save or open, as the system reports it.</extracomment>
        <translation>磁盘上没有剩余空间</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限不够</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>不允许的操作</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>只读文件系统</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>没有那个文件或目录</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>是一个目录</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>不是目录</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>文件名过长</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>输入/输出错误</translation>
    </message>
</context>
<context>
    <name>uibuild</name>
    <message>
        <source>, </source>
        <extracomment>Put between the items of a list inside a sentence (&quot;a, b, c&quot;).</extracomment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>unsaved</name>
    <message>
        <source>The destinations and categories hold changes that are not saved to a file or sent to the device. Opening the file replaces all of them, your own categories included.

Open the file anyway?</source>
        <translation>目的地和类别有尚未保存到文件或发送到设备的更改。打开该文件将替换所有目的地和类别，包括您自己的类别。

仍然打开该文件吗？</translation>
    </message>
    <message>
        <source>The destinations and categories hold changes that are not saved to a file or sent to the device.

Delete all destinations and categories anyway?</source>
        <translation>目的地和类别有尚未保存到文件或发送到设备的更改。

仍然删除所有目的地和类别吗？</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device.

Delete all waypoints anyway?</source>
        <translation>航点有尚未保存到文件或发送到设备的更改。

仍然删除所有航点吗？</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device.

Delete the whole route anyway?</source>
        <translation>路线有尚未保存到文件或发送到设备的更改。

仍然删除整条路线吗？</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route made from the track replaces it.

Replace the route anyway?</source>
        <translation>路线有尚未保存到文件或发送到设备的更改。从轨迹生成的路线将替换它。

仍然替换路线吗？</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Importing the GPX file replaces every track.

Import the file anyway?</source>
        <translation>轨迹有尚未保存到文件的更改。导入 GPX 文件将替换所有轨迹。

仍然导入该文件吗？</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. The downloaded track log replaces every track.

Download the track log anyway?</source>
        <translation>轨迹有尚未保存到文件的更改。下载的轨迹记录将替换所有轨迹。

仍然下载轨迹记录吗？</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file.

Delete all tracks anyway?</source>
        <translation>轨迹有尚未保存到文件的更改。

仍然删除所有轨迹吗？</translation>
    </message>
    <message>
        <source>These hold changes that are not saved to a file or sent to the device:

%1

Close the program and lose them?</source>
        <translation>以下内容有尚未保存到文件或发送到设备的更改：

%1

仍然关闭程序并放弃这些更改吗？</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存的更改</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. Opening the file replaces all of them.

Open the file anyway?</source>
        <translation>航点有尚未保存到文件或发送到设备的更改。打开该文件将替换所有航点。

仍然打开该文件吗？</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. The waypoints from the device replace all of them.

Download the waypoints anyway?</source>
        <translation>航点有尚未保存到文件或发送到设备的更改。设备上的航点将替换所有航点。

仍然下载航点吗？</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. Opening the file replaces it.

Open the file anyway?</source>
        <translation>路线有尚未保存到文件或发送到设备的更改。打开该文件将替换它。

仍然打开该文件吗？</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route from the device replaces it.

Download the route anyway?</source>
        <translation>路线有尚未保存到文件或发送到设备的更改。设备上的路线将替换它。

仍然下载路线吗？</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Opening the track file replaces every track.

Open the file anyway?</source>
        <translation>轨迹有尚未保存到文件的更改。打开轨迹文件将替换所有轨迹。

仍然打开该文件吗？</translation>
    </message>
</context>
</TS>
