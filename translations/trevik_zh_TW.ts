<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Devicepages</name>
    <message>
        <source>The settings could not be read from the device.</source>
        <translation>無法從裝置讀取設定。</translation>
    </message>
    <message>
        <source>The settings could not be sent to the device.</source>
        <translation>無法將設定傳送到裝置。</translation>
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
        <translation>第 %1 行，第 %2 欄：檔案不是格式正確的 XML。</translation>
    </message>
    <message>
        <source>Line %1, column %2: the file is cut short.</source>
        <translation>第 %1 行，第 %2 欄：檔案不完整。</translation>
    </message>
    <message>
        <source>Line %1, column %2: unclosed token.</source>
        <extracomment>The file ends inside a tag or other piece of XML.</extracomment>
        <translation>第 %1 行，第 %2 欄：標記未結束。</translation>
    </message>
    <message>
        <source>Line %1, column %2: invalid character.</source>
        <translation>第 %1 行，第 %2 欄：無效的字元。</translation>
    </message>
    <message>
        <source>Line %1, column %2: unknown encoding.</source>
        <translation>第 %1 行，第 %2 欄：不明的編碼。</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%3 is the XML reader&apos;s own description of the error.</extracomment>
        <translation>第 %1 行，第 %2 欄：%3</translation>
    </message>
    <message>
        <source>The file&apos;s encoding %1 is unknown.</source>
        <translation>檔案的編碼 %1 不明。</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file.</source>
        <translation>記憶體不足，無法讀取檔案。</translation>
    </message>
    <message>
        <source>The file cannot be read: it is not an ordinary file.</source>
        <translation>無法讀取檔案：這不是一般檔案。</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>connection closed</source>
        <translation>連線已關閉</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>連線遭拒</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>找不到主機</translation>
    </message>
    <message>
        <source>proxy closed the connection</source>
        <translation>代理伺服器已關閉連線</translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation>代理伺服器拒絕連線</translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation>找不到代理伺服器</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>逾時</translation>
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
        <translation>沒有 HTTP 回應</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>忙碌中</translation>
    </message>
    <message>
        <source>bad URL</source>
        <translation>網址錯誤</translation>
    </message>
    <message>
        <source>bad proxy port</source>
        <translation>代理伺服器連接埠錯誤</translation>
    </message>
</context>
<context>
    <name>KorviFile</name>
    <message>
        <source>The text lengths do not fit the device file.</source>
        <translation>文字長度超出裝置檔案的容許範圍。</translation>
    </message>
    <message>
        <source>The device file holds at most 255 categories.</source>
        <translation>裝置檔案最多只能容納 255 個類別。</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 sub-categories in a category.</source>
        <translation>裝置檔案的每個類別最多只能容納 65535 個子類別。</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 destinations in a sub-category.</source>
        <translation>裝置檔案的每個子類別最多只能容納 65535 個目的地。</translation>
    </message>
    <message>
        <source>A position does not fit the device file: %1</source>
        <translation>有一個位置無法存入裝置檔案：%1</translation>
    </message>
    <message>
        <source>The destinations do not fit into one device file.</source>
        <translation>目的地太多，一個裝置檔案容納不下。</translation>
    </message>
</context>
<context>
    <name>TAltChart</name>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>海拔</translation>
    </message>
    <message>
        <source>Waiting for the elevation service ...</source>
        <translation>正在等待海拔服務 ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>沒有回應</translation>
    </message>
    <message>
        <source>The elevation service answered with an error (%1).</source>
        <translation>海拔服務回應了錯誤（%1）。</translation>
    </message>
    <message>
        <source>The elevation service gave no answer (%1).</source>
        <translation>海拔服務沒有回應（%1）。</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: answered with an error (%1)</source>
        <extracomment>Status bar note; %1 is the reason, e.g. &quot;timed out&quot;; %2 the time of day (hours:minutes:seconds) before which the program does not ask the service again by itself</extracomment>
        <translation>海拔服務失敗（%2 之前不會自動再次查詢）：回應錯誤（%1）</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: gave no answer (%1)</source>
        <translation>海拔服務失敗（%2 之前不會自動再次查詢）：沒有回應（%1）</translation>
    </message>
</context>
<context>
    <name>TConnectPage</name>
    <message>
        <source>This desktop has no device manager. The device&apos;s serial port is one of /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* or /dev/rfcomm*; Scan finds it, and your user must be in the dialout group to open it.</source>
        <translation>此桌面環境沒有裝置管理員。裝置的序列埠為 /dev/ttyUSB*、/dev/ttyACM*、/dev/ttyS* 或 /dev/rfcomm* 其中之一；「搜尋」可以找到它，而您的使用者帳號必須屬於 dialout 群組才能開啟它。</translation>
    </message>
    <message>
        <source>Device manager</source>
        <translation>裝置管理員</translation>
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
            <numerusform>%n 個空的類別或子類別未儲存：%1。檔案只會儲存含有目的地的類別和子類別。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) without a category or sub-category not saved.</source>
        <translation>
            <numerusform>%n 個沒有類別或子類別的目的地未儲存。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n category or sub-category name(s) shortened to fit the file: %1. Names that differ only in the part cut off come back as one.</source>
        <extracomment>%1 lists the categories and sub-categories by their full names.</extracomment>
        <translation>
            <numerusform>%n 個類別或子類別名稱已縮短以符合檔案：%1。僅在被截去部分不同的名稱，重新開啟檔案後會合併為一個。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) shortened to fit the file: %1.</source>
        <extracomment>%1 lists the titles in full.</extracomment>
        <translation>
            <numerusform>%n 個標題已縮短以符合檔案：%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Information text shortened to fit the file for %n destination(s): %1.</source>
        <extracomment>%1 lists the titles of the destinations.</extracomment>
        <translation>
            <numerusform>%n 個目的地的資訊已縮短以符合檔案：%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) left out: their category or sub-category is not in the file.</source>
        <translation>
            <numerusform>略過 %n 個目的地：其類別或子類別不在檔案中。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDeviceSetPage</name>
    <message>
        <source>Please choose a value for: %1</source>
        <translation>請為下列項目選擇值：%1</translation>
    </message>
</context>
<context>
    <name>TDeviceTransfers</name>
    <message>
        <source>Can not create a transfer file.</source>
        <translation>無法建立傳輸檔案。</translation>
    </message>
    <message>
        <source>Can not write the transfer file: %1</source>
        <translation>無法寫入傳輸檔案：%1</translation>
    </message>
    <message>
        <source>The device sent a file that can not be read.</source>
        <translation>裝置傳來的檔案無法讀取。</translation>
    </message>
    <message>
        <source>The device&apos;s waypoint file: %1</source>
        <translation>裝置的航點檔案：%1</translation>
    </message>
</context>
<context>
    <name>TFormDestEditor</name>
    <message>
        <source>The category &quot;%1&quot; has no sub-category. Add one with the category editor first.</source>
        <translation>類別「%1」沒有子類別。請先用類別編輯器新增一個子類別。</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Can not load image: %1</source>
        <translation>無法載入圖片：%1</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>寫入錯誤</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>無法將設定儲存到 %1（%2）。</translation>
    </message>
    <message>
        <source>Can not load the map</source>
        <translation>無法載入地圖</translation>
    </message>
    <message>
        <source>The place search is not available.</source>
        <translation>地點搜尋無法使用。</translation>
    </message>
    <message>
        <source>Can not write map page: %1</source>
        <extracomment>%1 is the reason the page file could not be written</extracomment>
        <translation>無法寫入地圖頁面：%1</translation>
    </message>
    <message>
        <source>The map could not be loaded.</source>
        <translation>無法載入地圖。</translation>
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
        <translation>裝置未及時回應。</translation>
    </message>
    <message>
        <source>The device answered something unexpected.</source>
        <translation>裝置傳回了非預期的回應。</translation>
    </message>
    <message>
        <source>The device refused the data.</source>
        <translation>裝置拒絕了資料。</translation>
    </message>
    <message>
        <source>The data from the device arrived damaged.</source>
        <translation>從裝置收到的資料已損毀。</translation>
    </message>
    <message>
        <source>The device broke off the transfer.</source>
        <translation>裝置中斷了傳輸。</translation>
    </message>
    <message>
        <source>The connection to the device was lost.</source>
        <translation>與裝置的連線已中斷。</translation>
    </message>
    <message>
        <source>The transfer file could not be read.</source>
        <translation>無法讀取傳輸檔案。</translation>
    </message>
    <message>
        <source>The transfer file could not be written.</source>
        <translation>無法寫入傳輸檔案。</translation>
    </message>
    <message>
        <source>The device&apos;s reply could not be read.</source>
        <translation>無法讀取裝置的回應。</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>傳輸已取消。</translation>
    </message>
    <message>
        <source>COM %1 could not be opened.</source>
        <translation>無法開啟 COM %1。</translation>
    </message>
    <message>
        <source>The device task failed.</source>
        <translation>裝置作業失敗。</translation>
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
        <translation>顏色</translation>
    </message>
    <message>
        <source>A favourite needs a name without &quot;;&quot;.</source>
        <translation>我的最愛的名稱不能包含「;」。</translation>
    </message>
    <message>
        <source>Waiting for the version check ...</source>
        <translation>正在等待版本檢查 ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>沒有回應</translation>
    </message>
    <message>
        <source>The version check failed: %1</source>
        <translation>版本檢查失敗：%1</translation>
    </message>
</context>
<context>
    <name>TRoutePage</name>
    <message>
        <source>Can not read the file %1.</source>
        <translation>無法讀取檔案 %1。</translation>
    </message>
    <message>
        <source>A route point with this title already exists.</source>
        <translation>已有相同標題的路線點。</translation>
    </message>
</context>
<context>
    <name>TTrackPage</name>
    <message>
        <source>No track is checked, so nothing was written.</source>
        <translation>沒有勾選任何軌跡，因此未寫入任何內容。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>檔案不存在。</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>這不是檔案。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>無法讀取檔案。</translation>
    </message>
    <message>
        <source>The file is cut short; the complete tracks before the cut were read.</source>
        <translation>檔案不完整；已讀取中斷處之前的完整軌跡。</translation>
    </message>
    <message>
        <source>The file holds no complete track.</source>
        <translation>檔案中沒有完整的軌跡。</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s) saved.</source>
        <translation>
            <numerusform>已儲存 %n 條軌跡。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchecked track(s) not saved.</source>
        <translation>
            <numerusform>未勾選的 %n 條軌跡沒有儲存。</numerusform>
        </translation>
    </message>
    <message>
        <source>No safe temporary folder for the KML file.</source>
        <translation>沒有可安全存放 KML 檔案的暫存資料夾。</translation>
    </message>
    <message>
        <source>The desktop could not open the file.</source>
        <translation>桌面環境無法開啟該檔案。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>無法讀取檔案。</translation>
    </message>
    <message>
        <source>GPX import cancelled</source>
        <translation>GPX 匯入已取消</translation>
    </message>
    <message numerus="yes">
        <source>The file holds no track or route, so the tracks are kept. %n waypoint(s) from the file were added.</source>
        <translation>
            <numerusform>檔案中沒有軌跡或路線，因此保留了現有軌跡。已從檔案新增 %n 個航點。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TWaypointPage</name>
    <message>
        <source>This is not a file.</source>
        <translation>這不是檔案。</translation>
    </message>
    <message>
        <source>one record cut short at the end of the file (%1 of its 16 bytes)</source>
        <translation>檔案結尾有 1 筆記錄不完整（只有 %1 個位元組，應有 16 個）</translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 degrees longitude, or an icon number without a picture)</source>
        <translation>
            <numerusform>%n 筆無法讀取（沒有有效的時間、位置超出緯度 90 度或經度 180 度，或圖示編號沒有對應的圖片）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same second as an earlier waypoint</source>
        <translation>
            <numerusform>%n 筆與先前的航點時間在同一秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) left out: %1.</source>
        <extracomment>%1 is a list of reasons, each with its count.</extracomment>
        <translation>
            <numerusform>略過 %n 筆記錄：%1。</numerusform>
        </translation>
    </message>
    <message>
        <source>No waypoint could be read. %1 The waypoints held stay as they were.</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>無法讀取任何航點。%1現有的航點維持不變。</translation>
    </message>
    <message numerus="yes">
        <source>%n waypoint(s) read. %1</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>
            <numerusform>已讀取 %n 個航點。%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 waypoint(s) could not be written to the device file (a time or position it cannot hold) and were left out.</source>
        <extracomment>%n is the number left out, %1 the number of all waypoints.</extracomment>
        <translation>
            <numerusform>%1 個航點中有 %n 個無法寫入裝置檔案（裝置檔案無法容納其時間或位置），已略過。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No program on this desktop could open the web page. Its address, to copy into a web browser:

%1</source>
        <translation>此桌面環境沒有程式能開啟該網頁。網頁的網址如下，請複製到網頁瀏覽器中：

%1</translation>
    </message>
</context>
<context>
    <name>Utility</name>
    <message>
        <source>The latitude must be a number between -90 and 90 degrees.</source>
        <translation>緯度必須是介於 -90 到 90 度之間的數字。</translation>
    </message>
    <message>
        <source>The longitude must be a number between -180 and 180 degrees.</source>
        <translation>經度必須是介於 -180 到 180 度之間的數字。</translation>
    </message>
    <message>
        <source>The latitude must lie between -90 and 90 degrees.</source>
        <translation>緯度必須介於 -90 到 90 度之間。</translation>
    </message>
    <message>
        <source>The longitude must lie between -180 and 180 degrees.</source>
        <translation>經度必須介於 -180 到 180 度之間。</translation>
    </message>
</context>
<context>
    <name>VersionReply</name>
    <message>
        <source>the version file is empty</source>
        <translation>版本檔案是空的</translation>
    </message>
    <message>
        <source>the version file is not text</source>
        <translation>版本檔案不是文字檔</translation>
    </message>
    <message>
        <source>the version file holds no build number</source>
        <translation>版本檔案中沒有組建編號</translation>
    </message>
</context>
<context>
    <name>ZavFile</name>
    <message>
        <source>The file is empty.</source>
        <translation>檔案是空的。</translation>
    </message>
    <message>
        <source>Line %1 could not be read: it is not text.</source>
        <translation>無法讀取第 %1 行：內容不是文字。</translation>
    </message>
    <message>
        <source>The file is cut short after line %1: its end line ZAVEOF is missing.</source>
        <translation>檔案在第 %1 行之後中斷：缺少結尾行 ZAVEOF。</translation>
    </message>
    <message>
        <source>The file is not a ZAV destination file: its first line is not a ZAV header.</source>
        <translation>這不是 ZAV 目的地檔案：第一行不是 ZAV 檔頭。</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>No space left on device</source>
        <extracomment>A reason after a failed save or open, as the system reports it.</extracomment>
        <translation>磁碟上沒有剩餘空間</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>權限不足</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>不允許此操作</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>唯讀檔案系統</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>沒有此檔案或資料夾</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>這是資料夾</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>不是資料夾</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>檔案名稱太長</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>檔案太大</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>輸入/輸出錯誤</translation>
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
        <translation>目的地和類別有變更尚未儲存到檔案，也尚未傳送到裝置。開啟檔案會取代所有目的地和類別，包括您自己建立的類別。

仍要開啟檔案嗎？</translation>
    </message>
    <message>
        <source>The destinations and categories hold changes that are not saved to a file or sent to the device.

Delete all destinations and categories anyway?</source>
        <translation>目的地和類別有變更尚未儲存到檔案，也尚未傳送到裝置。

仍要刪除所有目的地和類別嗎？</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device.

Delete all waypoints anyway?</source>
        <translation>航點有變更尚未儲存到檔案，也尚未傳送到裝置。

仍要刪除所有航點嗎？</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device.

Delete the whole route anyway?</source>
        <translation>路線有變更尚未儲存到檔案，也尚未傳送到裝置。

仍要刪除整條路線嗎？</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route made from the track replaces it.

Replace the route anyway?</source>
        <translation>路線有變更尚未儲存到檔案，也尚未傳送到裝置。從軌跡產生的路線會取代它。

仍要取代路線嗎？</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Importing the GPX file replaces every track.

Import the file anyway?</source>
        <translation>軌跡有變更尚未儲存到檔案。匯入 GPX 檔案會取代所有軌跡。

仍要匯入檔案嗎？</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. The downloaded track log replaces every track.

Download the track log anyway?</source>
        <translation>軌跡有變更尚未儲存到檔案。下載的軌跡記錄會取代所有軌跡。

仍要下載軌跡記錄嗎？</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file.

Delete all tracks anyway?</source>
        <translation>軌跡有變更尚未儲存到檔案。

仍要刪除所有軌跡嗎？</translation>
    </message>
    <message>
        <source>These hold changes that are not saved to a file or sent to the device:

%1

Close the program and lose them?</source>
        <translation>以下項目有變更尚未儲存到檔案，也尚未傳送到裝置：

%1

仍要關閉程式並放棄這些變更嗎？</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未儲存的變更</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. Opening the file replaces all of them.

Open the file anyway?</source>
        <translation>航點有變更尚未儲存到檔案，也尚未傳送到裝置。開啟檔案會取代所有航點。

仍要開啟檔案嗎？</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. The waypoints from the device replace all of them.

Download the waypoints anyway?</source>
        <translation>航點有變更尚未儲存到檔案，也尚未傳送到裝置。裝置上的航點會取代所有航點。

仍要下載航點嗎？</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. Opening the file replaces it.

Open the file anyway?</source>
        <translation>路線有變更尚未儲存到檔案，也尚未傳送到裝置。開啟檔案會取代它。

仍要開啟檔案嗎？</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route from the device replaces it.

Download the route anyway?</source>
        <translation>路線有變更尚未儲存到檔案，也尚未傳送到裝置。裝置上的路線會取代它。

仍要下載路線嗎？</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Opening the track file replaces every track.

Open the file anyway?</source>
        <translation>軌跡有變更尚未儲存到檔案。開啟軌跡檔案會取代所有軌跡。

仍要開啟檔案嗎？</translation>
    </message>
</context>
</TS>
