<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>PackGuiWindow</name>
    <message>
        <source>▶  开始打包</source>
        <translation>▶  開始封裝</translation>
    </message>
    <message>
        <source>专辑:</source>
        <translation>專輯:</translation>
    </message>
    <message>
        <source>艺术家:</source>
        <translation>藝人:</translation>
    </message>
    <message>
        <source>厂牌:</source>
        <translation>廠牌:</translation>
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
        <translation>樂團:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>類型:</translation>
    </message>
    <message>
        <source>年份:</source>
        <translation>年份:</translation>
    </message>
    <message>
        <source>日期 (YYYY-MM-DD):</source>
        <translation>日期 (YYYY-MM-DD):</translation>
    </message>
    <message>
        <source>目录号:</source>
        <translation>目錄號:</translation>
    </message>
    <message>
        <source>条码 / UPC:</source>
        <translation>條碼 / UPC:</translation>
    </message>
    <message>
        <source>版权:</source>
        <translation>版權:</translation>
    </message>
    <message>
        <source>碟号:</source>
        <translation>碟號:</translation>
    </message>
    <message>
        <source>如 1</source>
        <translation>如 1</translation>
    </message>
    <message>
        <source>总碟数</source>
        <translation>總碟數</translation>
    </message>
    <message>
        <source>CUE 曲目表 (可选)</source>
        <translation>CUE 曲目表 (選用)</translation>
    </message>
    <message>
        <source>音轨间暂停帧数:</source>
        <translation>音軌間暫停影格數:</translation>
    </message>
    <message>
        <source>音轨之间的静音帧数 (44100 帧 = 1 秒)</source>
        <translation>音軌之間的靜音影格數 (44100 影格 = 1 秒)</translation>
    </message>
    <message>
        <source>DST 压缩阶数:</source>
        <translation>DST 壓縮階數:</translation>
    </message>
    <message>
        <source>多声道音轨存原始 DSD, 不压 DST (--no-encode)</source>
        <translation>多聲道音軌存原始 DSD, 不壓 DST (--no-encode)</translation>
    </message>
    <message>
        <source>立体声区也压 DST (--dst-stereo)</source>
        <translation>立體聲區也壓 DST (--dst-stereo)</translation>
    </message>
    <message>
        <source>构建 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)</source>
        <translation>建立 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)</translation>
    </message>
    <message>
        <source>光盘标题:</source>
        <translation>光碟標題:</translation>
    </message>
    <message>
        <source>默认 ALBUM</source>
        <translation>預設 ALBUM</translation>
    </message>
    <message>
        <source>自动生成 .ovp 播放列表</source>
        <translation>自動產生 .ovp 播放清單</translation>
    </message>
    <message>
        <source>输出:</source>
        <translation>輸出:</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>瀏覽…</translation>
    </message>
    <message>
        <source>没有音轨</source>
        <translation>沒有音軌</translation>
    </message>
    <message>
        <source>请先添加 DSF/DFF 音轨文件。</source>
        <translation>請先加入 DSF/DFF 音軌檔案。</translation>
    </message>
    <message>
        <source>找不到打包引擎</source>
        <translation>找不到封裝引擎</translation>
    </message>
    <message>
        <source>未找到 OrviLathe。请将其放到本程序同目录,
或设置环境变量 ORVI_LATHE_BIN。</source>
        <translation>未找到 OrviLathe。請將其放到本程式同一資料夾,
或設定環境變數 ORVI_LATHE_BIN。</translation>
    </message>
    <message>
        <source>输出未指定, 使用: %1</source>
        <translation>未指定輸出, 使用: %1</translation>
    </message>
    <message>
        <source>输出路径无效</source>
        <translation>輸出路徑無效</translation>
    </message>
    <message>
        <source>输出目录不存在:
%1

请选择有效的保存位置。</source>
        <translation>輸出資料夾不存在:
%1

請選擇有效的儲存位置。</translation>
    </message>
    <message>
        <source>环境变量 ORVI_LATHE_BIN</source>
        <translation>環境變數 ORVI_LATHE_BIN</translation>
    </message>
    <message>
        <source>程序同目录</source>
        <translation>程式同一資料夾</translation>
    </message>
    <message>
        <source>开发构建 (build/)</source>
        <translation>開發建置 (build/)</translation>
    </message>
    <message>
        <source>本程序自身 (未找到 CLI)</source>
        <translation>本程式自身 (未找到 CLI)</translation>
    </message>
    <message>
        <source>打包引擎: %1 (来源: %2)</source>
        <translation>封裝引擎: %1 (來源: %2)</translation>
    </message>
    <message>
        <source>说明: 本程序自己就是打包核的宿主(进程内跑核), 不需要另外的 CLI 程序。</source>
        <translation>說明: 本程式自己就是封裝核心的宿主(在行程內執行核心), 不需要另外的 CLI 程式。</translation>
    </message>
    <message>
        <source>打包引擎: %1</source>
        <translation>封裝引擎: %1</translation>
    </message>
    <message>
        <source>(未找到!)</source>
        <translation>(未找到!)</translation>
    </message>
    <message>
        <source>⚠ 未找到打包引擎 OrviLathe。请把它放到本程序同目录, 或设置环境变量 ORVI_LATHE_BIN 指向它。</source>
        <translation>⚠ 未找到封裝引擎 OrviLathe。請把它放到本程式同一資料夾, 或設定環境變數 ORVI_LATHE_BIN 指向它。</translation>
    </message>
    <message>
        <source>打包完成后自动关窗（默认关）</source>
        <translation>封裝完成後自動關閉視窗（預設關）</translation>
    </message>
    <message>
        <source>■  停止</source>
        <translation>■  停止</translation>
    </message>
    <message>
        <source>光盘信息</source>
        <translation>光碟資訊</translation>
    </message>
    <message>
        <source>打包选项</source>
        <translation>封裝選項</translation>
    </message>
    <message>
        <source>打开输出文件夹</source>
        <translation>開啟輸出資料夾</translation>
    </message>
    <message>
        <source>── %1 开始打包 ──</source>
        <translation>── %1 開始封裝 ──</translation>
    </message>
    <message>
        <source>打包进行中…</source>
        <translation>封裝進行中…</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 已删除 (%1)</source>
        <translation>■ 已停止: 未完成的 ISO 已刪除 (%1)</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)</source>
        <translation>■ 已停止: 未完成的 ISO 已保留 (可能被占用, 請手動刪除)</translation>
    </message>
    <message>
        <source>■ 已停止</source>
        <translation>■ 已停止</translation>
    </message>
    <message>
        <source>■ 已停止(强制结束进程)。</source>
        <translation>■ 已停止(強制結束行程)。</translation>
    </message>
    <message>
        <source>✗ 打包进程异常终止 (非正常退出)。</source>
        <translation>✗ 封裝行程異常終止 (非正常結束)。</translation>
    </message>
    <message>
        <source>打包进程异常终止 (崩溃或被强杀)</source>
        <translation>封裝行程異常終止 (當機或被強制結束)</translation>
    </message>
    <message>
        <source>✓ 打包完成</source>
        <translation>✓ 封裝完成</translation>
    </message>
    <message>
        <source>✓ 打包完成: %1 (%2 MB)</source>
        <translation>✓ 封裝完成: %1 (%2 MB)</translation>
    </message>
    <message>
        <source>打包完成</source>
        <translation>封裝完成</translation>
    </message>
    <message>
        <source>SACD ISO 已生成:
%1</source>
        <translation>SACD ISO 已產生:
%1</translation>
    </message>
    <message>
        <source>⚠ 引擎报告成功但产物缺失/为空</source>
        <translation>⚠ 引擎回報成功但產物遺失/為空</translation>
    </message>
    <message>
        <source>✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1</source>
        <translation>✗ 引擎回報 “SACD ISO created” 但目標檔案遺失或為空: %1</translation>
    </message>
    <message>
        <source>进程结束 (退出码 0, 无产物)</source>
        <translation>行程結束 (結束碼 0, 無產物)</translation>
    </message>
    <message>
        <source>进程结束, 退出码 0, 未检测到产物。</source>
        <translation>行程結束, 結束碼 0, 未偵測到產物。</translation>
    </message>
    <message>
        <source>打包失败 (退出码 %1)</source>
        <translation>封裝失敗 (結束碼 %1)</translation>
    </message>
    <message>
        <source>✗ 打包失败, 退出码 %1。见上方错误信息。</source>
        <translation>✗ 封裝失敗, 結束碼 %1。請見上方錯誤訊息。</translation>
    </message>
    <message>
        <source>正在停止… (强制结束可能留下不完整 ISO)</source>
        <translation>正在停止… (強制結束可能留下不完整的 ISO)</translation>
    </message>
    <message>
        <source>正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)</source>
        <translation>正在通知封裝核心停止…(停在音軌邊界, 已寫入的音軌保持完整)</translation>
    </message>
    <message>
        <source>打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。</source>
        <translation>封裝核心 2 秒內沒有確認停止 —— 仍在收尾, 請稍候。</translation>
    </message>
    <message>
        <source>不完整产物</source>
        <translation>不完整的產物</translation>
    </message>
    <message>
        <source>打包未完成, 目标文件可能不完整:
%1

删除该文件吗?</source>
        <translation>封裝未完成, 目標檔案可能不完整:
%1

要刪除該檔案嗎?</translation>
    </message>
    <message>
        <source>已删除不完整产物: %1</source>
        <translation>已刪除不完整的產物: %1</translation>
    </message>
    <message>
        <source>警告: 无法删除不完整产物 %1</source>
        <translation>警告: 無法刪除不完整的產物 %1</translation>
    </message>
    <message>
        <source>保留不完整产物: %1 (请勿直接使用)</source>
        <translation>保留不完整的產物: %1 (請勿直接使用)</translation>
    </message>
    <message>
        <source>未知进程错误</source>
        <translation>未知的行程錯誤</translation>
    </message>
    <message>
        <source>✗ 进程错误: %1</source>
        <translation>✗ 行程錯誤: %1</translation>
    </message>
    <message>
        <source>无法启动/运行打包引擎: %1</source>
        <translation>無法啟動/執行封裝引擎: %1</translation>
    </message>
    <message>
        <source>打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。

确定要退出吗?</source>
        <translation>封裝尚未完成, 關閉視窗將終止行程並可能留下不完整的 ISO。

確定要結束嗎?</translation>
    </message>
    <message>
        <source>打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。

确定要退出吗?</source>
        <translation>封裝在行程內進行, 關閉視窗會立即結束並留下不完整的 ISO(此模式無法中途停止)。

確定要結束嗎?</translation>
    </message>
    <message>
        <source>打包进行中</source>
        <translation>封裝進行中</translation>
    </message>
    <message>
        <source>AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)</source>
        <translation>AUTORUN 參數不完整(至少 1 個音軌 + 輸出路徑)</translation>
    </message>
    <message>
        <source>AUTORUN: %1 个音轨 → %2</source>
        <translation>AUTORUN: %1 個音軌 → %2</translation>
    </message>
    <message>
        <source>留空 = 使用文件内元数据</source>
        <translation>留空 = 使用檔案內的中繼資料</translation>
    </message>
    <message>
        <source>Orvi Lathe — SACD ISO 打包工具</source>
        <translation>Orvi Lathe — SACD ISO 封裝工具</translation>
    </message>
    <message>
        <source>就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。</source>
        <translation>就緒。將 DSF/DFF 檔案加入清單, 設定輸出後按「開始封裝」。</translation>
    </message>
    <message>
        <source>留空则自动生成: &lt;首轨目录&gt;/&lt;专辑或首轨名&gt;.iso</source>
        <translation>留空則自動產生: &lt;首軌資料夾&gt;/&lt;專輯或首軌名稱&gt;.iso</translation>
    </message>
    <message>
        <source>开：一次打包成功后自动关闭本窗口（适合命令行/批量调用的人）；关（默认）：保持打开。</source>
        <translation>開：一次封裝成功後自動關閉本視窗（適合以命令列/批次呼叫的使用者）；關（預設）：保持開啟。</translation>
    </message>
    <message>
        <source>运行日志:</source>
        <translation>執行記錄:</translation>
    </message>
    <message>
        <source>专辑 / 艺术家</source>
        <translation>專輯 / 藝人</translation>
    </message>
    <message>
        <source>发行信息</source>
        <translation>發行資訊</translation>
    </message>
    <message>
        <source>封面 (嵌入 ISO)</source>
        <translation>封面 (內嵌於 ISO)</translation>
    </message>
    <message>
        <source>(无预览)</source>
        <translation>(無預覽)</translation>
    </message>
    <message>
        <source>选择…</source>
        <translation>選擇…</translation>
    </message>
    <message>
        <source>导入 CUE 可自动补全曲目标题/艺术家</source>
        <translation>匯入 CUE 可自動補齊曲目標題/藝人</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>音频 / DST 编码</source>
        <translation>音訊 / DST 編碼</translation>
    </message>
    <message>
        <source>DST 预测阶数, 越小编码越快、压缩率略低</source>
        <translation>DST 預測階數, 越小編碼越快、壓縮率略低</translation>
    </message>
    <message>
        <source>默认只压多声道; 勾上后 2 声道区同样做 DST 压缩 (与多数商业 SACD 一致)</source>
        <translation>預設只壓多聲道; 勾選後 2 聲道區同樣做 DST 壓縮 (與多數商業 SACD 一致)</translation>
    </message>
    <message>
        <source>Orvi DSD Disc 模式</source>
        <translation>Orvi DSD Disc 模式</translation>
    </message>
    <message>
        <source>音轨文件 (DSF/DFF)</source>
        <translation>音軌檔案 (DSF/DFF)</translation>
    </message>
    <message>
        <source>标题 (可选)</source>
        <translation>標題 (選用)</translation>
    </message>
    <message>
        <source>艺术家 (可选)</source>
        <translation>藝人 (選用)</translation>
    </message>
    <message>
        <source>ISRC (可选)</source>
        <translation>ISRC (選用)</translation>
    </message>
    <message>
        <source>ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041
留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示</source>
        <translation>ISRC (選用), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041
留空 = 該軌無 ISRC; 不合法的值在封裝時會被拒絕並提示</translation>
    </message>
    <message>
        <source>可从文件管理器直接拖入 .dsf/.dff 文件</source>
        <translation>可從檔案管理員直接拖入 .dsf/.dff 檔案</translation>
    </message>
    <message>
        <source>＋ 添加音轨文件…</source>
        <translation>＋ 加入音軌檔案…</translation>
    </message>
    <message>
        <source>＋ 添加文件夹…</source>
        <translation>＋ 加入資料夾…</translation>
    </message>
    <message>
        <source>⇄ 导入 CUE…</source>
        <translation>⇄ 匯入 CUE…</translation>
    </message>
    <message>
        <source>移除所选</source>
        <translation>移除所選</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>上移所选音轨</source>
        <translation>上移所選音軌</translation>
    </message>
    <message>
        <source>下移所选音轨</source>
        <translation>下移所選音軌</translation>
    </message>
    <message>
        <source>共 0 轨</source>
        <translation>共 0 軌</translation>
    </message>
    <message>
        <source>共 %1 轨</source>
        <translation>共 %1 軌</translation>
    </message>
    <message>
        <source>已忽略重复文件: %1</source>
        <translation>已忽略重複的檔案: %1</translation>
    </message>
    <message>
        <source>文件夹里没有找到 .dsf/.dff 文件: %1</source>
        <translation>資料夾裡沒有找到 .dsf/.dff 檔案: %1</translation>
    </message>
    <message>
        <source>已导入 CUE: %1</source>
        <translation>已匯入 CUE: %1</translation>
    </message>
    <message>
        <source>选择 DSD 音轨文件</source>
        <translation>選擇 DSD 音軌檔案</translation>
    </message>
    <message>
        <source>DSD 音频 (*.dsf *.dff);;所有文件 (*)</source>
        <translation>DSD 音訊 (*.dsf *.dff);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>选择包含 DSF/DFF 的文件夹</source>
        <translation>選擇包含 DSF/DFF 的資料夾</translation>
    </message>
    <message>
        <source>打包进行中, 请先停止再添加音轨。</source>
        <translation>封裝進行中, 請先停止再加入音軌。</translation>
    </message>
    <message>
        <source>选择 CUE 文件</source>
        <translation>選擇 CUE 檔案</translation>
    </message>
    <message>
        <source>CUE 曲目表 (*.cue);;所有文件 (*)</source>
        <translation>CUE 曲目表 (*.cue);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>已导入 CUE: %1 (标题/艺术家将在打包时应用)</source>
        <translation>已匯入 CUE: %1 (標題/藝人將在封裝時套用)</translation>
    </message>
    <message>
        <source>已清除 CUE 设置。</source>
        <translation>已清除 CUE 設定。</translation>
    </message>
    <message>
        <source>选择封面图片</source>
        <translation>選擇封面圖片</translation>
    </message>
    <message>
        <source>图片 (*.jpg *.jpeg *.png);;所有文件 (*)</source>
        <translation>圖片 (*.jpg *.jpeg *.png);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>封面</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>无法解码该图片, 未采用: %1</source>
        <translation>無法解碼該圖片, 未採用: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的 CUE: %1</source>
        <translation>自動採用同一資料夾的 CUE: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的封面: %1</source>
        <translation>自動採用同一資料夾的封面: %1</translation>
    </message>
    <message>
        <source>输出 SACD ISO</source>
        <translation>輸出 SACD ISO</translation>
    </message>
    <message>
        <source>SACD ISO 镜像 (*.iso);;所有文件 (*)</source>
        <translation>SACD ISO 映像檔 (*.iso);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>檢查更新…</translation>
    </message>
</context>
<context>
    <name>ReferencesGui</name>
    <message>
        <source>参考标准</source>
        <translation>參考標準</translation>
    </message>
    <message>
        <source>参考标准…</source>
        <translation>參考標準…</translation>
    </message>
    <message>
        <source>产品参照的公开标准与文献</source>
        <translation>產品參照的公開標準與文獻</translation>
    </message>
</context>
<context>
    <name>ThirdPartyGui</name>
    <message>
        <source>源码许可</source>
        <translation>原始碼授權</translation>
    </message>
    <message>
        <source>源码许可…</source>
        <translation>原始碼授權…</translation>
    </message>
    <message>
        <source>第三方组件与开源许可清单</source>
        <translation>第三方元件與開源授權清單</translation>
    </message>
</context>
<context>
    <name>PackSession</name>
    <message>
        <source>进程内会话起不来 (rc=%1)</source>
        <translation>行程內工作階段無法啟動 (rc=%1)</translation>
    </message>
</context>
<context>
    <name>UiLangRow</name>
    <message>
        <source>语言</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>跟隨系統</translation>
    </message>
    <message>
        <source>界面语言。切换后程序会重启一次以便整套界面换语言。</source>
        <translation>介面語言。切換後程式會重新啟動一次, 讓整個介面換成新語言。</translation>
    </message>
    <message>
        <source>界面语言已切换，程序将自动重启一次以生效。</source>
        <translation>介面語言已切換，程式將自動重新啟動一次以套用。</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>无法获取更新清单: %1</source>
        <translation>無法取得更新清單: %1</translation>
    </message>
    <message>
        <source>更新清单格式不对 (%1)</source>
        <translation>更新清單格式不正確 (%1)</translation>
    </message>
    <message>
        <source>更新清单里没有版本号</source>
        <translation>更新清單裡沒有版本號</translation>
    </message>
    <message>
        <source>清单里没有适用于本机 (%1) 的更新载荷</source>
        <translation>清單裡沒有適用於本機 (%1) 的更新載荷</translation>
    </message>
    <message>
        <source>清单里既没有覆盖载荷也没有安装包</source>
        <translation>清單裡既沒有覆蓋載荷也沒有安裝程式</translation>
    </message>
    <message>
        <source>无法写入临时文件: %1</source>
        <translation>無法寫入暫存檔: %1</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>下載失敗: %1</translation>
    </message>
    <message>
        <source>无法读取下载的文件: %1</source>
        <translation>無法讀取下載的檔案: %1</translation>
    </message>
    <message>
        <source>计算校验和失败: %1</source>
        <translation>計算校驗和失敗: %1</translation>
    </message>
    <message>
        <source>校验和不匹配, 已丢弃 (期望 %1, 实际 %2)</source>
        <translation>校驗和不符, 已捨棄 (預期 %1, 實際 %2)</translation>
    </message>
    <message>
        <source>下载文件大小不符 (期望 %1 字节, 实际 %2)</source>
        <translation>下載檔案大小不符 (預期 %1 位元組, 實際 %2)</translation>
    </message>
    <message>
        <source>覆盖载荷不可用 (%1)，改用安装包</source>
        <translation>覆蓋載荷無法使用 (%1)，改用安裝程式</translation>
    </message>
    <message>
        <source>没有可用的更新载荷</source>
        <translation>沒有可用的更新載荷</translation>
    </message>
    <message>
        <source>无法写更新脚本: %1</source>
        <translation>無法寫入更新指令碼: %1</translation>
    </message>
    <message>
        <source>提权启动更新失败 (错误码 %1)。载荷已下载并校验通过, 可手动更新:</source>
        <translation>以管理員權限啟動更新失敗 (錯誤碼 %1)。載荷已下載並通過校驗, 可手動更新:</translation>
    </message>
    <message>
        <source>更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。</source>
        <translation>更新已下載並通過校驗。程式將結束, 由系統完成更新後自動重新啟動。</translation>
    </message>
</context>
<context>
    <name>UpdateUi</name>
    <message>
        <source>正在检查更新…</source>
        <translation>正在檢查更新…</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>已是最新版本 (%1)。服务器上的最新版本为 %2。</source>
        <translation>已是最新版本 (%1)。伺服器上的最新版本為 %2。</translation>
    </message>
    <message>
        <source>检查更新失败：</source>
        <translation>檢查更新失敗：</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>發現新版本</translation>
    </message>
    <message>
        <source>发现新版本 %1（当前 %2）。</source>
        <translation>發現新版本 %1（目前 %2）。</translation>
    </message>
    <message>
        <source>发布日期：%1</source>
        <translation>發布日期：%1</translation>
    </message>
    <message>
        <source>更新说明：%1</source>
        <translation>更新說明：%1</translation>
    </message>
    <message>
        <source>下载并更新</source>
        <translation>下載並更新</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>開啟下載頁面</translation>
    </message>
    <message>
        <source>稍后</source>
        <translation>稍後</translation>
    </message>
    <message>
        <source>正在下载更新…</source>
        <translation>正在下載更新…</translation>
    </message>
    <message>
        <source>下载更新</source>
        <translation>下載更新</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>程序现在退出。</source>
        <translation>程式現在將結束。</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>更新失敗</translation>
    </message>
</context>
</TS>
