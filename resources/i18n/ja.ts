<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_CN">
<context>
    <name>PackGuiWindow</name>
    <message>
        <source>▶  开始打包</source>
        <translation>▶  パッケージ作成を開始</translation>
    </message>
    <message>
        <source>专辑:</source>
        <translation>アルバム:</translation>
    </message>
    <message>
        <source>艺术家:</source>
        <translation>アーティスト:</translation>
    </message>
    <message>
        <source>厂牌:</source>
        <translation>レーベル:</translation>
    </message>
    <message>
        <source>作曲:</source>
        <translation>作曲:</translation>
    </message>
    <message>
        <source>指挥:</source>
        <translation>指揮:</translation>
    </message>
    <message>
        <source>乐团:</source>
        <translation>オーケストラ:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>ジャンル:</translation>
    </message>
    <message>
        <source>年份:</source>
        <translation>年:</translation>
    </message>
    <message>
        <source>日期 (YYYY-MM-DD):</source>
        <translation>日付 (YYYY-MM-DD):</translation>
    </message>
    <message>
        <source>目录号:</source>
        <translation>カタログ番号:</translation>
    </message>
    <message>
        <source>条码 / UPC:</source>
        <translation>バーコード / UPC:</translation>
    </message>
    <message>
        <source>版权:</source>
        <translation>著作権:</translation>
    </message>
    <message>
        <source>碟号:</source>
        <translation>ディスク番号:</translation>
    </message>
    <message>
        <source>如 1</source>
        <translation>例: 1</translation>
    </message>
    <message>
        <source>总碟数</source>
        <translation>総枚数</translation>
    </message>
    <message>
        <source>CUE 曲目表 (可选)</source>
        <translation>CUE シート (任意)</translation>
    </message>
    <message>
        <source>音轨间暂停帧数:</source>
        <translation>トラック間のポーズ フレーム数:</translation>
    </message>
    <message>
        <source>音轨之间的静音帧数 (44100 帧 = 1 秒)</source>
        <translation>トラック間の無音フレーム数 (44100 フレーム = 1 秒)</translation>
    </message>
    <message>
        <source>DST 压缩阶数:</source>
        <translation>DST 圧縮次数:</translation>
    </message>
    <message>
        <source>多声道音轨存原始 DSD, 不压 DST (--no-encode)</source>
        <translation>マルチチャンネルは DST 圧縮せず生の DSD で格納 (--no-encode)</translation>
    </message>
    <message>
        <source>立体声区也压 DST (--dst-stereo)</source>
        <translation>ステレオ領域も DST 圧縮する (--dst-stereo)</translation>
    </message>
    <message>
        <source>构建 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)</source>
        <translation>SACD ISO ではなく Orvi DSD Disc を作成 (--dsd-disc)</translation>
    </message>
    <message>
        <source>光盘标题:</source>
        <translation>ディスク タイトル:</translation>
    </message>
    <message>
        <source>默认 ALBUM</source>
        <translation>既定値 ALBUM</translation>
    </message>
    <message>
        <source>自动生成 .ovp 播放列表</source>
        <translation>.ovp プレイリストを自動生成</translation>
    </message>
    <message>
        <source>输出:</source>
        <translation>出力:</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>没有音轨</source>
        <translation>トラックがありません</translation>
    </message>
    <message>
        <source>请先添加 DSF/DFF 音轨文件。</source>
        <translation>先に DSF/DFF オーディオ ファイルを追加してください。</translation>
    </message>
    <message>
        <source>找不到打包引擎</source>
        <translation>パッケージ エンジンが見つかりません</translation>
    </message>
    <message>
        <source>未找到 OrviLathe。请将其放到本程序同目录,
或设置环境变量 ORVI_LATHE_BIN。</source>
        <translation>OrviLathe が見つかりません。本プログラムと同じフォルダーに置くか、
環境変数 ORVI_LATHE_BIN を設定してください。</translation>
    </message>
    <message>
        <source>输出未指定, 使用: %1</source>
        <translation>出力が指定されていないため、次を使用します: %1</translation>
    </message>
    <message>
        <source>输出路径无效</source>
        <translation>出力パスが無効です</translation>
    </message>
    <message>
        <source>输出目录不存在:
%1

请选择有效的保存位置。</source>
        <translation>出力フォルダーが存在しません:
%1

有効な保存先を選択してください。</translation>
    </message>
    <message>
        <source>环境变量 ORVI_LATHE_BIN</source>
        <translation>環境変数 ORVI_LATHE_BIN</translation>
    </message>
    <message>
        <source>程序同目录</source>
        <translation>本プログラムと同じフォルダー</translation>
    </message>
    <message>
        <source>开发构建 (build/)</source>
        <translation>開発ビルド (build/)</translation>
    </message>
    <message>
        <source>本程序自身 (未找到 CLI)</source>
        <translation>本プログラム自身 (CLI が見つかりません)</translation>
    </message>
    <message>
        <source>打包引擎: %1 (来源: %2)</source>
        <translation>パッケージ エンジン: %1 (検出元: %2)</translation>
    </message>
    <message>
        <source>说明: 本程序自己就是打包核的宿主(进程内跑核), 不需要另外的 CLI 程序。</source>
        <translation>注: 本プログラム自体がパッケージ コアのホストです (コアをプロセス内で実行)。別の CLI プログラムは不要です。</translation>
    </message>
    <message>
        <source>打包引擎: %1</source>
        <translation>パッケージ エンジン: %1</translation>
    </message>
    <message>
        <source>(未找到!)</source>
        <translation>(見つかりません!)</translation>
    </message>
    <message>
        <source>⚠ 未找到打包引擎 OrviLathe。请把它放到本程序同目录, 或设置环境变量 ORVI_LATHE_BIN 指向它。</source>
        <translation>⚠ パッケージ エンジン OrviLathe が見つかりません。本プログラムと同じフォルダーに置くか、環境変数 ORVI_LATHE_BIN で指定してください。</translation>
    </message>
    <message>
        <source>打包完成后自动关窗（默认关）</source>
        <translation>パッケージ作成完了後にウィンドウを自動で閉じる (既定: オフ)</translation>
    </message>
    <message>
        <source>■  停止</source>
        <translation>■  停止</translation>
    </message>
    <message>
        <source>光盘信息</source>
        <translation>ディスク情報</translation>
    </message>
    <message>
        <source>打包选项</source>
        <translation>パッケージ オプション</translation>
    </message>
    <message>
        <source>打开输出文件夹</source>
        <translation>出力フォルダーを開く</translation>
    </message>
    <message>
        <source>── %1 开始打包 ──</source>
        <translation>── %1 パッケージ作成開始 ──</translation>
    </message>
    <message>
        <source>打包进行中…</source>
        <translation>パッケージ作成中…</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 已删除 (%1)</source>
        <translation>■ 停止しました: 未完成の ISO を削除しました (%1)</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)</source>
        <translation>■ 停止しました: 未完成の ISO は残っています (使用中の可能性があります。手動で削除してください)</translation>
    </message>
    <message>
        <source>■ 已停止</source>
        <translation>■ 停止しました</translation>
    </message>
    <message>
        <source>■ 已停止(强制结束进程)。</source>
        <translation>■ 停止しました (プロセスを強制終了)。</translation>
    </message>
    <message>
        <source>✗ 打包进程异常终止 (非正常退出)。</source>
        <translation>✗ パッケージ プロセスが異常終了しました (正常終了ではありません)。</translation>
    </message>
    <message>
        <source>打包进程异常终止 (崩溃或被强杀)</source>
        <translation>パッケージ プロセスが異常終了しました (クラッシュまたは強制終了)</translation>
    </message>
    <message>
        <source>✓ 打包完成</source>
        <translation>✓ パッケージ作成完了</translation>
    </message>
    <message>
        <source>✓ 打包完成: %1 (%2 MB)</source>
        <translation>✓ パッケージ作成完了: %1 (%2 MB)</translation>
    </message>
    <message>
        <source>打包完成</source>
        <translation>パッケージ作成完了</translation>
    </message>
    <message>
        <source>SACD ISO 已生成:
%1</source>
        <translation>SACD ISO を作成しました:
%1</translation>
    </message>
    <message>
        <source>⚠ 引擎报告成功但产物缺失/为空</source>
        <translation>⚠ エンジンは成功を報告しましたが、出力ファイルがないか空です</translation>
    </message>
    <message>
        <source>✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1</source>
        <translation>✗ エンジンは “SACD ISO created” を報告しましたが、出力先ファイルがないか空です: %1</translation>
    </message>
    <message>
        <source>进程结束 (退出码 0, 无产物)</source>
        <translation>プロセス終了 (終了コード 0、出力なし)</translation>
    </message>
    <message>
        <source>进程结束, 退出码 0, 未检测到产物。</source>
        <translation>プロセスは終了コード 0 で終了しましたが、出力ファイルが検出されませんでした。</translation>
    </message>
    <message>
        <source>打包失败 (退出码 %1)</source>
        <translation>パッケージ作成に失敗しました (終了コード %1)</translation>
    </message>
    <message>
        <source>✗ 打包失败, 退出码 %1。见上方错误信息。</source>
        <translation>✗ パッケージ作成に失敗しました。終了コード %1。上のエラー メッセージを参照してください。</translation>
    </message>
    <message>
        <source>正在停止… (强制结束可能留下不完整 ISO)</source>
        <translation>停止しています… (強制終了すると不完全な ISO が残る場合があります)</translation>
    </message>
    <message>
        <source>正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)</source>
        <translation>パッケージ コアに停止を通知しています… (トラックの境目で停止し、書き込み済みのトラックはそのまま残ります)</translation>
    </message>
    <message>
        <source>打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。</source>
        <translation>パッケージ コアが 2 秒以内に停止を確認しませんでした —— まだ後処理中です。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>不完整产物</source>
        <translation>不完全な出力</translation>
    </message>
    <message>
        <source>打包未完成, 目标文件可能不完整:
%1

删除该文件吗?</source>
        <translation>パッケージ作成が完了していません。出力先ファイルは不完全な可能性があります:
%1

このファイルを削除しますか?</translation>
    </message>
    <message>
        <source>已删除不完整产物: %1</source>
        <translation>不完全な出力を削除しました: %1</translation>
    </message>
    <message>
        <source>警告: 无法删除不完整产物 %1</source>
        <translation>警告: 不完全な出力を削除できません %1</translation>
    </message>
    <message>
        <source>保留不完整产物: %1 (请勿直接使用)</source>
        <translation>不完全な出力を残しました: %1 (そのまま使用しないでください)</translation>
    </message>
    <message>
        <source>未知进程错误</source>
        <translation>不明なプロセス エラー</translation>
    </message>
    <message>
        <source>✗ 进程错误: %1</source>
        <translation>✗ プロセス エラー: %1</translation>
    </message>
    <message>
        <source>无法启动/运行打包引擎: %1</source>
        <translation>パッケージ エンジンを起動/実行できません: %1</translation>
    </message>
    <message>
        <source>打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。

确定要退出吗?</source>
        <translation>パッケージ作成はまだ完了していません。ウィンドウを閉じるとプロセスが終了し、不完全な ISO が残る可能性があります。

終了しますか?</translation>
    </message>
    <message>
        <source>打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。

确定要退出吗?</source>
        <translation>パッケージ作成はプロセス内で実行中です。ウィンドウを閉じるとすぐに終了し、不完全な ISO が残ります (このモードでは途中で停止できません)。

終了しますか?</translation>
    </message>
    <message>
        <source>打包进行中</source>
        <translation>パッケージ作成中</translation>
    </message>
    <message>
        <source>AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)</source>
        <translation>AUTORUN の引数が不足しています (トラック 1 つ以上 + 出力パスが必要)</translation>
    </message>
    <message>
        <source>AUTORUN: %1 个音轨 → %2</source>
        <translation>AUTORUN: %1 トラック → %2</translation>
    </message>
    <message>
        <source>留空 = 使用文件内元数据</source>
        <translation>空欄 = ファイル内のメタデータを使用</translation>
    </message>
    <message>
        <source>Orvi Lathe — SACD ISO 打包工具</source>
        <translation>Orvi Lathe — SACD ISO パッケージ作成ツール</translation>
    </message>
    <message>
        <source>就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。</source>
        <translation>準備完了。DSF/DFF ファイルをリストに追加し、出力を設定してから「パッケージ作成を開始」をクリックしてください。</translation>
    </message>
    <message>
        <source>留空则自动生成: &lt;首轨目录&gt;/&lt;专辑或首轨名&gt;.iso</source>
        <translation>空欄なら自動生成: &lt;先頭トラックのフォルダー&gt;/&lt;アルバム名または先頭トラック名&gt;.iso</translation>
    </message>
    <message>
        <source>开：一次打包成功后自动关闭本窗口（适合命令行/批量调用的人）；关（默认）：保持打开。</source>
        <translation>オン: パッケージ作成が成功したらこのウィンドウを自動で閉じます (コマンドライン/バッチでの利用向け)。オフ (既定): 開いたままにします。</translation>
    </message>
    <message>
        <source>运行日志:</source>
        <translation>実行ログ:</translation>
    </message>
    <message>
        <source>专辑 / 艺术家</source>
        <translation>アルバム / アーティスト</translation>
    </message>
    <message>
        <source>发行信息</source>
        <translation>リリース情報</translation>
    </message>
    <message>
        <source>封面 (嵌入 ISO)</source>
        <translation>カバー アート (ISO に埋め込み)</translation>
    </message>
    <message>
        <source>(无预览)</source>
        <translation>(プレビューなし)</translation>
    </message>
    <message>
        <source>选择…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>导入 CUE 可自动补全曲目标题/艺术家</source>
        <translation>CUE を読み込むとトラックのタイトル/アーティストを自動入力できます</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>音频 / DST 编码</source>
        <translation>オーディオ / DST エンコード</translation>
    </message>
    <message>
        <source>DST 预测阶数, 越小编码越快、压缩率略低</source>
        <translation>DST 予測次数。小さいほどエンコードは速く、圧縮率はやや下がります</translation>
    </message>
    <message>
        <source>默认只压多声道; 勾上后 2 声道区同样做 DST 压缩 (与多数商业 SACD 一致)</source>
        <translation>既定ではマルチチャンネルのみ DST 圧縮します。オンにすると 2 チャンネル領域も DST 圧縮します (多くの市販 SACD と同じ)</translation>
    </message>
    <message>
        <source>Orvi DSD Disc 模式</source>
        <translation>Orvi DSD Disc モード</translation>
    </message>
    <message>
        <source>音轨文件 (DSF/DFF)</source>
        <translation>トラック ファイル (DSF/DFF)</translation>
    </message>
    <message>
        <source>标题 (可选)</source>
        <translation>タイトル (任意)</translation>
    </message>
    <message>
        <source>艺术家 (可选)</source>
        <translation>アーティスト (任意)</translation>
    </message>
    <message>
        <source>ISRC (可选)</source>
        <translation>ISRC (任意)</translation>
    </message>
    <message>
        <source>ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041
留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示</source>
        <translation>ISRC (任意)、形式 CC-OOO-YY-DDDDD、例 FR-W01-02-00041
空欄 = このトラックに ISRC なし。不正な値はパッケージ作成時に拒否され、メッセージが表示されます</translation>
    </message>
    <message>
        <source>可从文件管理器直接拖入 .dsf/.dff 文件</source>
        <translation>ファイル マネージャーから .dsf/.dff ファイルを直接ドラッグできます</translation>
    </message>
    <message>
        <source>＋ 添加音轨文件…</source>
        <translation>＋ オーディオ ファイルを追加…</translation>
    </message>
    <message>
        <source>＋ 添加文件夹…</source>
        <translation>＋ フォルダーを追加…</translation>
    </message>
    <message>
        <source>⇄ 导入 CUE…</source>
        <translation>⇄ CUE を読み込む…</translation>
    </message>
    <message>
        <source>移除所选</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>上移所选音轨</source>
        <translation>選択したトラックを上へ移動</translation>
    </message>
    <message>
        <source>下移所选音轨</source>
        <translation>選択したトラックを下へ移動</translation>
    </message>
    <message>
        <source>共 0 轨</source>
        <translation>全 0 トラック</translation>
    </message>
    <message>
        <source>共 %1 轨</source>
        <translation>全 %1 トラック</translation>
    </message>
    <message>
        <source>已忽略重复文件: %1</source>
        <translation>重複ファイルを無視しました: %1</translation>
    </message>
    <message>
        <source>文件夹里没有找到 .dsf/.dff 文件: %1</source>
        <translation>フォルダー内に .dsf/.dff ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>已导入 CUE: %1</source>
        <translation>CUE を読み込みました: %1</translation>
    </message>
    <message>
        <source>选择 DSD 音轨文件</source>
        <translation>DSD オーディオ ファイルを選択</translation>
    </message>
    <message>
        <source>DSD 音频 (*.dsf *.dff);;所有文件 (*)</source>
        <translation>DSD オーディオ (*.dsf *.dff);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>选择包含 DSF/DFF 的文件夹</source>
        <translation>DSF/DFF を含むフォルダーを選択</translation>
    </message>
    <message>
        <source>打包进行中, 请先停止再添加音轨。</source>
        <translation>パッケージ作成中です。トラックを追加する前に停止してください。</translation>
    </message>
    <message>
        <source>选择 CUE 文件</source>
        <translation>CUE ファイルを選択</translation>
    </message>
    <message>
        <source>CUE 曲目表 (*.cue);;所有文件 (*)</source>
        <translation>CUE シート (*.cue);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>已导入 CUE: %1 (标题/艺术家将在打包时应用)</source>
        <translation>CUE を読み込みました: %1 (タイトル/アーティストはパッケージ作成時に適用されます)</translation>
    </message>
    <message>
        <source>已清除 CUE 设置。</source>
        <translation>CUE の設定をクリアしました。</translation>
    </message>
    <message>
        <source>选择封面图片</source>
        <translation>カバー画像を選択</translation>
    </message>
    <message>
        <source>图片 (*.jpg *.jpeg *.png);;所有文件 (*)</source>
        <translation>画像 (*.jpg *.jpeg *.png);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>封面</source>
        <translation>カバー</translation>
    </message>
    <message>
        <source>无法解码该图片, 未采用: %1</source>
        <translation>この画像はデコードできないため使用しません: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的 CUE: %1</source>
        <translation>同じフォルダーの CUE を自動的に使用: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的封面: %1</source>
        <translation>同じフォルダーのカバー アートを自動的に使用: %1</translation>
    </message>
    <message>
        <source>输出 SACD ISO</source>
        <translation>SACD ISO の出力先</translation>
    </message>
    <message>
        <source>SACD ISO 镜像 (*.iso);;所有文件 (*)</source>
        <translation>SACD ISO イメージ (*.iso);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>更新を確認…</translation>
    </message>
</context>
<context>
    <name>ReferencesGui</name>
    <message>
        <source>参考标准</source>
        <translation>参照規格</translation>
    </message>
    <message>
        <source>参考标准…</source>
        <translation>参照規格…</translation>
    </message>
    <message>
        <source>产品参照的公开标准与文献</source>
        <translation>本製品が参照している公開規格と文献</translation>
    </message>
</context>
<context>
    <name>ThirdPartyGui</name>
    <message>
        <source>源码许可</source>
        <translation>ソース ライセンス</translation>
    </message>
    <message>
        <source>源码许可…</source>
        <translation>ソース ライセンス…</translation>
    </message>
    <message>
        <source>第三方组件与开源许可清单</source>
        <translation>サードパーティ コンポーネントとオープンソース ライセンスの一覧</translation>
    </message>
</context>
<context>
    <name>PackSession</name>
    <message>
        <source>进程内会话起不来 (rc=%1)</source>
        <translation>プロセス内セッションを開始できませんでした (rc=%1)</translation>
    </message>
</context>
<context>
    <name>UiLangRow</name>
    <message>
        <source>语言</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>システムに従う</translation>
    </message>
    <message>
        <source>界面语言。切换后程序会重启一次以便整套界面换语言。</source>
        <translation>表示言語。切り替えるとインターフェース全体の言語を変えるため、アプリが一度再起動します。</translation>
    </message>
    <message>
        <source>界面语言已切换，程序将自动重启一次以生效。</source>
        <translation>表示言語を切り替えました。反映するためにアプリが一度自動で再起動します。</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>无法获取更新清单: %1</source>
        <translation>更新マニフェストを取得できません: %1</translation>
    </message>
    <message>
        <source>更新清单格式不对 (%1)</source>
        <translation>更新マニフェストの形式が正しくありません (%1)</translation>
    </message>
    <message>
        <source>更新清单里没有版本号</source>
        <translation>更新マニフェストにバージョン番号がありません</translation>
    </message>
    <message>
        <source>清单里没有适用于本机 (%1) 的更新载荷</source>
        <translation>マニフェストにこのマシン (%1) 向けの更新ペイロードがありません</translation>
    </message>
    <message>
        <source>清单里既没有覆盖载荷也没有安装包</source>
        <translation>マニフェストには上書き用ペイロードもインストーラーもありません</translation>
    </message>
    <message>
        <source>无法写入临时文件: %1</source>
        <translation>一時ファイルに書き込めません: %1</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>ダウンロードに失敗しました: %1</translation>
    </message>
    <message>
        <source>无法读取下载的文件: %1</source>
        <translation>ダウンロードしたファイルを読み取れません: %1</translation>
    </message>
    <message>
        <source>计算校验和失败: %1</source>
        <translation>チェックサムの計算に失敗しました: %1</translation>
    </message>
    <message>
        <source>校验和不匹配, 已丢弃 (期望 %1, 实际 %2)</source>
        <translation>チェックサムが一致しないため破棄しました (期待値 %1、実際 %2)</translation>
    </message>
    <message>
        <source>下载文件大小不符 (期望 %1 字节, 实际 %2)</source>
        <translation>ダウンロードしたファイルのサイズが一致しません (期待値 %1 バイト、実際 %2)</translation>
    </message>
    <message>
        <source>覆盖载荷不可用 (%1)，改用安装包</source>
        <translation>上書き用ペイロードが使用できません (%1)。インストーラーに切り替えます</translation>
    </message>
    <message>
        <source>没有可用的更新载荷</source>
        <translation>使用できる更新ペイロードがありません</translation>
    </message>
    <message>
        <source>无法写更新脚本: %1</source>
        <translation>更新スクリプトを書き込めません: %1</translation>
    </message>
    <message>
        <source>提权启动更新失败 (错误码 %1)。载荷已下载并校验通过, 可手动更新:</source>
        <translation>管理者権限での更新の開始に失敗しました (エラー %1)。ペイロードはダウンロード済みで検証も完了しています。手動で更新できます:</translation>
    </message>
    <message>
        <source>更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。</source>
        <translation>更新をダウンロードし、検証しました。プログラムを終了します。システムが更新を完了した後、自動的に再起動します。</translation>
    </message>
</context>
<context>
    <name>UpdateUi</name>
    <message>
        <source>正在检查更新…</source>
        <translation>更新を確認しています…</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>更新の確認</translation>
    </message>
    <message>
        <source>已是最新版本 (%1)。服务器上的最新版本为 %2。</source>
        <translation>最新版です (%1)。サーバー上の最新版は %2 です。</translation>
    </message>
    <message>
        <source>检查更新失败：</source>
        <translation>更新の確認に失敗しました:</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>新しいバージョンがあります</translation>
    </message>
    <message>
        <source>发现新版本 %1（当前 %2）。</source>
        <translation>バージョン %1 が利用可能です (現在 %2)。</translation>
    </message>
    <message>
        <source>发布日期：%1</source>
        <translation>リリース日: %1</translation>
    </message>
    <message>
        <source>更新说明：%1</source>
        <translation>リリース ノート: %1</translation>
    </message>
    <message>
        <source>下载并更新</source>
        <translation>ダウンロードして更新</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>ダウンロード ページを開く</translation>
    </message>
    <message>
        <source>稍后</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>正在下载更新…</source>
        <translation>更新をダウンロードしています…</translation>
    </message>
    <message>
        <source>下载更新</source>
        <translation>更新のダウンロード</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>程序现在退出。</source>
        <translation>プログラムを終了します。</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>更新に失敗しました</translation>
    </message>
</context>
</TS>
