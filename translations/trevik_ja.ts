<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Devicepages</name>
    <message>
        <source>The settings could not be read from the device.</source>
        <translation>デバイスから設定を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The settings could not be sent to the device.</source>
        <translation>設定をデバイスに送信できませんでした。</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status bar: the user cancelled the device transfer or command</extracomment>
        <translation>キャンセルしました</translation>
    </message>
</context>
<context>
    <name>GpxImport</name>
    <message>
        <source>Line %1, column %2: the file is not well-formed XML.</source>
        <translation>%1 行 %2 列: ファイルが正しい形式の XML ではありません。</translation>
    </message>
    <message>
        <source>Line %1, column %2: the file is cut short.</source>
        <translation>%1 行 %2 列: ファイルが途中で切れています。</translation>
    </message>
    <message>
        <source>Line %1, column %2: unclosed token.</source>
        <extracomment>The file ends inside a tag or other piece of XML.</extracomment>
        <translation>%1 行 %2 列: 閉じられていないトークンがあります。</translation>
    </message>
    <message>
        <source>Line %1, column %2: invalid character.</source>
        <translation>%1 行 %2 列: 無効な文字があります。</translation>
    </message>
    <message>
        <source>Line %1, column %2: unknown encoding.</source>
        <translation>%1 行 %2 列: 不明なエンコーディングです。</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%3 is the XML reader&apos;s own description of the error.</extracomment>
        <translation>%1 行 %2 列: %3</translation>
    </message>
    <message>
        <source>The file&apos;s encoding %1 is unknown.</source>
        <translation>ファイルのエンコーディング %1 は不明です。</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file.</source>
        <translation>ファイルを読み込むためのメモリが足りません。</translation>
    </message>
    <message>
        <source>The file cannot be read: it is not an ordinary file.</source>
        <translation>ファイルを読み込めません: 通常のファイルではありません。</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>connection closed</source>
        <translation>接続が切断されました</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>接続が拒否されました</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>ホストが見つかりません</translation>
    </message>
    <message>
        <source>proxy closed the connection</source>
        <translation>プロキシが接続を切断しました</translation>
    </message>
    <message>
        <source>proxy refused the connection</source>
        <translation>プロキシが接続を拒否しました</translation>
    </message>
    <message>
        <source>proxy not found</source>
        <translation>プロキシが見つかりません</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>タイムアウトしました</translation>
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
        <translation>HTTP の応答がありません</translation>
    </message>
    <message>
        <source>busy</source>
        <translation>別の要求を処理中です</translation>
    </message>
    <message>
        <source>bad URL</source>
        <translation>URL が正しくありません</translation>
    </message>
    <message>
        <source>bad proxy port</source>
        <translation>プロキシのポートが正しくありません</translation>
    </message>
</context>
<context>
    <name>KorviFile</name>
    <message>
        <source>The text lengths do not fit the device file.</source>
        <translation>テキストの長さがデバイスファイルに収まりません。</translation>
    </message>
    <message>
        <source>The device file holds at most 255 categories.</source>
        <translation>デバイスファイルに入るカテゴリは最大 255 個です。</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 sub-categories in a category.</source>
        <translation>デバイスファイルに入るサブカテゴリは、1 つのカテゴリにつき最大 65535 個です。</translation>
    </message>
    <message>
        <source>The device file holds at most 65535 destinations in a sub-category.</source>
        <translation>デバイスファイルに入る目的地は、1 つのサブカテゴリにつき最大 65535 件です。</translation>
    </message>
    <message>
        <source>A position does not fit the device file: %1</source>
        <translation>デバイスファイルに収まらない位置があります: %1</translation>
    </message>
    <message>
        <source>The destinations do not fit into one device file.</source>
        <translation>目的地が 1 つのデバイスファイルに収まりません。</translation>
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
        <translation>標高</translation>
    </message>
    <message>
        <source>Waiting for the elevation service ...</source>
        <translation>標高サービスを待機中 ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>The elevation service answered with an error (%1).</source>
        <translation>標高サービスがエラーを返しました (%1)。</translation>
    </message>
    <message>
        <source>The elevation service gave no answer (%1).</source>
        <translation>標高サービスから応答がありませんでした (%1)。</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: answered with an error (%1)</source>
        <extracomment>Status bar note; %1 is the reason, e.g. &quot;timed out&quot;; %2 the time of day (hours:minutes:seconds) before which the program does not ask the service again by itself</extracomment>
        <translation>標高サービスの障害 (%2 までは自動で再問い合わせしません): エラーが返されました (%1)</translation>
    </message>
    <message>
        <source>Elevation service failing, not asked again on its own before %2: gave no answer (%1)</source>
        <translation>標高サービスの障害 (%2 までは自動で再問い合わせしません): 応答がありません (%1)</translation>
    </message>
</context>
<context>
    <name>TConnectPage</name>
    <message>
        <source>This desktop has no device manager. The device&apos;s serial port is one of /dev/ttyUSB*, /dev/ttyACM*, /dev/ttyS* or /dev/rfcomm*; Scan finds it, and your user must be in the dialout group to open it.</source>
        <translation>このデスクトップにはデバイスマネージャーがありません。デバイスのシリアルポートは /dev/ttyUSB*、/dev/ttyACM*、/dev/ttyS*、/dev/rfcomm* のいずれかで、「検索」で見つかります。ポートを開くには、ユーザーが dialout グループに属している必要があります。</translation>
    </message>
    <message>
        <source>Device manager</source>
        <translation>デバイスマネージャー</translation>
    </message>
</context>
<context>
    <name>TDestPage</name>
    <message>
        <source>%1 in %2</source>
        <comment>a sub-category in its category</comment>
        <translation>%2の%1</translation>
    </message>
    <message numerus="yes">
        <source>%n empty category(ies) or sub-category(ies) not saved: %1. The file holds only those with destinations.</source>
        <extracomment>%1 lists the categories and sub-categories.</extracomment>
        <translation>
            <numerusform>空のカテゴリまたはサブカテゴリ %n 件は保存されませんでした: %1。ファイルには、目的地を含むものだけが保存されます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) without a category or sub-category not saved.</source>
        <translation>
            <numerusform>カテゴリまたはサブカテゴリのない目的地 %n 件は保存されませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n category or sub-category name(s) shortened to fit the file: %1. Names that differ only in the part cut off come back as one.</source>
        <extracomment>%1 lists the categories and sub-categories by their full names.</extracomment>
        <translation>
            <numerusform>ファイルに収まるように短縮したカテゴリ名またはサブカテゴリ名 %n 件: %1。切り捨てた部分だけが異なる名前は、ファイルを開き直すと 1 つにまとめられます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) shortened to fit the file: %1.</source>
        <extracomment>%1 lists the titles in full.</extracomment>
        <translation>
            <numerusform>ファイルに収まるように短縮したタイトル %n 件: %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Information text shortened to fit the file for %n destination(s): %1.</source>
        <extracomment>%1 lists the titles of the destinations.</extracomment>
        <translation>
            <numerusform>ファイルに収まるように情報を短縮した目的地 %n 件: %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n destination(s) left out: their category or sub-category is not in the file.</source>
        <translation>
            <numerusform>目的地 %n 件を除外しました: カテゴリまたはサブカテゴリがファイルにありません。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDeviceSetPage</name>
    <message>
        <source>Please choose a value for: %1</source>
        <translation>次の項目の値を選択してください: %1</translation>
    </message>
</context>
<context>
    <name>TDeviceTransfers</name>
    <message>
        <source>Can not create a transfer file.</source>
        <translation>転送ファイルを作成できません。</translation>
    </message>
    <message>
        <source>Can not write the transfer file: %1</source>
        <translation>転送ファイルに書き込めません: %1</translation>
    </message>
    <message>
        <source>The device sent a file that can not be read.</source>
        <translation>デバイスから送られたファイルを読み込めません。</translation>
    </message>
    <message>
        <source>The device&apos;s waypoint file: %1</source>
        <translation>デバイスのウェイポイントファイル: %1</translation>
    </message>
</context>
<context>
    <name>TFormDestEditor</name>
    <message>
        <source>The category &quot;%1&quot; has no sub-category. Add one with the category editor first.</source>
        <translation>カテゴリ「%1」にはサブカテゴリがありません。先にカテゴリエディタでサブカテゴリを追加してください。</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Can not load image: %1</source>
        <translation>画像を読み込めません: %1</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>書き込みエラー</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>設定を %1 に保存できませんでした (%2)。</translation>
    </message>
    <message>
        <source>Can not load the map</source>
        <translation>地図を読み込めません</translation>
    </message>
    <message>
        <source>The place search is not available.</source>
        <translation>場所の検索は利用できません。</translation>
    </message>
    <message>
        <source>Can not write map page: %1</source>
        <extracomment>%1 is the reason the page file could not be written</extracomment>
        <translation>地図ページを書き込めません: %1</translation>
    </message>
    <message>
        <source>The map could not be loaded.</source>
        <translation>地図を読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>TFormWorkTask</name>
    <message>
        <source>Cancelling ...</source>
        <translation>キャンセル中 ...</translation>
    </message>
    <message>
        <source>The device did not answer in time.</source>
        <translation>デバイスが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>The device answered something unexpected.</source>
        <translation>デバイスから予期しない応答がありました。</translation>
    </message>
    <message>
        <source>The device refused the data.</source>
        <translation>デバイスがデータを拒否しました。</translation>
    </message>
    <message>
        <source>The data from the device arrived damaged.</source>
        <translation>デバイスから受信したデータが破損していました。</translation>
    </message>
    <message>
        <source>The device broke off the transfer.</source>
        <translation>デバイスが転送を中断しました。</translation>
    </message>
    <message>
        <source>The connection to the device was lost.</source>
        <translation>デバイスとの接続が切れました。</translation>
    </message>
    <message>
        <source>The transfer file could not be read.</source>
        <translation>転送ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>The transfer file could not be written.</source>
        <translation>転送ファイルに書き込めませんでした。</translation>
    </message>
    <message>
        <source>The device&apos;s reply could not be read.</source>
        <translation>デバイスの応答を読み取れませんでした。</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>転送はキャンセルされました。</translation>
    </message>
    <message>
        <source>COM %1 could not be opened.</source>
        <translation>COM %1 を開けませんでした。</translation>
    </message>
    <message>
        <source>The device task failed.</source>
        <translation>デバイスの処理に失敗しました。</translation>
    </message>
</context>
<context>
    <name>TGoogleHtml</name>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is why a folder cannot be written, %2 the folder</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TProgramPage</name>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>A favourite needs a name without &quot;;&quot;.</source>
        <translation>お気に入りの名前に「;」は使えません。</translation>
    </message>
    <message>
        <source>Waiting for the version check ...</source>
        <translation>バージョン確認を待機中 ...</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>The version check failed: %1</source>
        <translation>バージョンの確認に失敗しました: %1</translation>
    </message>
</context>
<context>
    <name>TRoutePage</name>
    <message>
        <source>Can not read the file %1.</source>
        <translation>ファイル %1 を読み込めません。</translation>
    </message>
    <message>
        <source>A route point with this title already exists.</source>
        <translation>このタイトルのルート地点はすでにあります。</translation>
    </message>
</context>
<context>
    <name>TTrackPage</name>
    <message>
        <source>No track is checked, so nothing was written.</source>
        <translation>チェックされたトラックがないため、何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>これはファイルではありません。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>The file is cut short; the complete tracks before the cut were read.</source>
        <translation>ファイルが途中で切れています。切れた位置より前の完全なトラックは読み込みました。</translation>
    </message>
    <message>
        <source>The file holds no complete track.</source>
        <translation>ファイルに完全なトラックがありません。</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s) saved.</source>
        <translation>
            <numerusform>%n 件のトラックを保存しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchecked track(s) not saved.</source>
        <translation>
            <numerusform>チェックされていない %n 件のトラックは保存されませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>No safe temporary folder for the KML file.</source>
        <translation>KML ファイル用の安全な一時フォルダがありません。</translation>
    </message>
    <message>
        <source>The desktop could not open the file.</source>
        <translation>デスクトップでファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>GPX import cancelled</source>
        <translation>GPX のインポートをキャンセルしました</translation>
    </message>
    <message numerus="yes">
        <source>The file holds no track or route, so the tracks are kept. %n waypoint(s) from the file were added.</source>
        <translation>
            <numerusform>ファイルにトラックもルートもないため、トラックはそのまま残しました。ファイルから %n 件のウェイポイントを追加しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TWaypointPage</name>
    <message>
        <source>This is not a file.</source>
        <translation>これはファイルではありません。</translation>
    </message>
    <message>
        <source>one record cut short at the end of the file (%1 of its 16 bytes)</source>
        <translation>ファイル末尾で途切れたレコード 1 件 (16 バイト中 %1 バイト)</translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable (no valid time, a position beyond 90 degrees latitude or 180 degrees longitude, or an icon number without a picture)</source>
        <translation>
            <numerusform>読み取れないもの %n 件 (有効な時刻がない、緯度 90 度または経度 180 度を超える位置、または画像のないアイコン番号)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the same second as an earlier waypoint</source>
        <translation>
            <numerusform>前のウェイポイントと同じ秒のもの %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) left out: %1.</source>
        <extracomment>%1 is a list of reasons, each with its count.</extracomment>
        <translation>
            <numerusform>%n 件のレコードを除外しました: %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>No waypoint could be read. %1 The waypoints held stay as they were.</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>ウェイポイントを読み込めませんでした。%1現在のウェイポイントはそのまま残ります。</translation>
    </message>
    <message numerus="yes">
        <source>%n waypoint(s) read. %1</source>
        <extracomment>%1 says how many records were left out and why.</extracomment>
        <translation>
            <numerusform>%n 件のウェイポイントを読み込みました。%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 waypoint(s) could not be written to the device file (a time or position it cannot hold) and were left out.</source>
        <extracomment>%n is the number left out, %1 the number of all waypoints.</extracomment>
        <translation>
            <numerusform>%1 件中 %n 件のウェイポイントは、デバイスファイルに書き込めない時刻または位置を持つため除外しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UiServices</name>
    <message>
        <source>No program on this desktop could open the web page. Its address, to copy into a web browser:

%1</source>
        <translation>このデスクトップには Web ページを開けるプログラムがありません。Web ブラウザにコピーするアドレス:

%1</translation>
    </message>
</context>
<context>
    <name>Utility</name>
    <message>
        <source>The latitude must be a number between -90 and 90 degrees.</source>
        <translation>緯度は -90 ～ 90 度の数値で指定してください。</translation>
    </message>
    <message>
        <source>The longitude must be a number between -180 and 180 degrees.</source>
        <translation>経度は -180 ～ 180 度の数値で指定してください。</translation>
    </message>
    <message>
        <source>The latitude must lie between -90 and 90 degrees.</source>
        <translation>緯度は -90 ～ 90 度の範囲内にする必要があります。</translation>
    </message>
    <message>
        <source>The longitude must lie between -180 and 180 degrees.</source>
        <translation>経度は -180 ～ 180 度の範囲内にする必要があります。</translation>
    </message>
</context>
<context>
    <name>VersionReply</name>
    <message>
        <source>the version file is empty</source>
        <translation>バージョンファイルが空です</translation>
    </message>
    <message>
        <source>the version file is not text</source>
        <translation>バージョンファイルがテキストではありません</translation>
    </message>
    <message>
        <source>the version file holds no build number</source>
        <translation>バージョンファイルにビルド番号がありません</translation>
    </message>
</context>
<context>
    <name>ZavFile</name>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>Line %1 could not be read: it is not text.</source>
        <translation>%1 行目を読み込めませんでした: テキストではありません。</translation>
    </message>
    <message>
        <source>The file is cut short after line %1: its end line ZAVEOF is missing.</source>
        <translation>ファイルが %1 行目の後で途切れています: 終了行 ZAVEOF がありません。</translation>
    </message>
    <message>
        <source>The file is not a ZAV destination file: its first line is not a ZAV header.</source>
        <translation>ZAV 目的地ファイルではありません: 先頭行が ZAV ヘッダーではありません。</translation>
    </message>
</context>
<context>
    <name>folders</name>
    <message>
        <source>No space left on device</source>
        <extracomment>A reason after a failed save or open, as the system reports it.</extracomment>
        <translation>ディスクに空き領域がありません</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>操作は許可されていません</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>読み取り専用のファイルシステムです</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>そのようなファイルやディレクトリはありません</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>ディレクトリです</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>ディレクトリではありません</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>ファイル名が長すぎます</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>入出力エラーです</translation>
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
        <translation>目的地とカテゴリに、ファイルへの保存もデバイスへの送信もされていない変更があります。ファイルを開くと、独自に作成したカテゴリも含めてすべて置き換えられます。

それでもファイルを開きますか?</translation>
    </message>
    <message>
        <source>The destinations and categories hold changes that are not saved to a file or sent to the device.

Delete all destinations and categories anyway?</source>
        <translation>目的地とカテゴリに、ファイルへの保存もデバイスへの送信もされていない変更があります。

それでもすべての目的地とカテゴリを削除しますか?</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device.

Delete all waypoints anyway?</source>
        <translation>ウェイポイントに、ファイルへの保存もデバイスへの送信もされていない変更があります。

それでもすべてのウェイポイントを削除しますか?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device.

Delete the whole route anyway?</source>
        <translation>ルートに、ファイルへの保存もデバイスへの送信もされていない変更があります。

それでもルート全体を削除しますか?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route made from the track replaces it.

Replace the route anyway?</source>
        <translation>ルートに、ファイルへの保存もデバイスへの送信もされていない変更があります。トラックから作成したルートで置き換えられます。

それでもルートを置き換えますか?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Importing the GPX file replaces every track.

Import the file anyway?</source>
        <translation>トラックに、ファイルに保存されていない変更があります。GPX ファイルをインポートすると、すべてのトラックが置き換えられます。

それでもファイルをインポートしますか?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. The downloaded track log replaces every track.

Download the track log anyway?</source>
        <translation>トラックに、ファイルに保存されていない変更があります。ダウンロードしたトラックログで、すべてのトラックが置き換えられます。

それでもトラックログをダウンロードしますか?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file.

Delete all tracks anyway?</source>
        <translation>トラックに、ファイルに保存されていない変更があります。

それでもすべてのトラックを削除しますか?</translation>
    </message>
    <message>
        <source>These hold changes that are not saved to a file or sent to the device:

%1

Close the program and lose them?</source>
        <translation>次の項目に、ファイルへの保存もデバイスへの送信もされていない変更があります:

%1

プログラムを閉じて、これらの変更を破棄しますか?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存の変更</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. Opening the file replaces all of them.

Open the file anyway?</source>
        <translation>ウェイポイントに、ファイルへの保存もデバイスへの送信もされていない変更があります。ファイルを開くと、すべてのウェイポイントが置き換えられます。

それでもファイルを開きますか?</translation>
    </message>
    <message>
        <source>The waypoints hold changes that are not saved to a file or sent to the device. The waypoints from the device replace all of them.

Download the waypoints anyway?</source>
        <translation>ウェイポイントに、ファイルへの保存もデバイスへの送信もされていない変更があります。デバイスのウェイポイントで、すべてのウェイポイントが置き換えられます。

それでもウェイポイントをダウンロードしますか?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. Opening the file replaces it.

Open the file anyway?</source>
        <translation>ルートに、ファイルへの保存もデバイスへの送信もされていない変更があります。ファイルを開くと、ルートが置き換えられます。

それでもファイルを開きますか?</translation>
    </message>
    <message>
        <source>The route holds changes that are not saved to a file or sent to the device. The route from the device replaces it.

Download the route anyway?</source>
        <translation>ルートに、ファイルへの保存もデバイスへの送信もされていない変更があります。デバイスのルートで置き換えられます。

それでもルートをダウンロードしますか?</translation>
    </message>
    <message>
        <source>The tracks hold changes that are not saved to a file. Opening the track file replaces every track.

Open the file anyway?</source>
        <translation>トラックに、ファイルに保存されていない変更があります。トラックファイルを開くと、すべてのトラックが置き換えられます。

それでもファイルを開きますか?</translation>
    </message>
</context>
</TS>
