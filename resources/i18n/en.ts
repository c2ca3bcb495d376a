<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>PackGuiWindow</name>
    <message>
        <source>▶  开始打包</source>
        <translation>▶  Start packing</translation>
    </message>
    <message>
        <source>专辑:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>艺术家:</source>
        <translation>Artist:</translation>
    </message>
    <message>
        <source>厂牌:</source>
        <translation>Label:</translation>
    </message>
    <message>
        <source>作曲:</source>
        <translation>Composer:</translation>
    </message>
    <message>
        <source>指挥:</source>
        <translation>Conductor:</translation>
    </message>
    <message>
        <source>乐团:</source>
        <translation>Orchestra:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <source>年份:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>日期 (YYYY-MM-DD):</source>
        <translation>Date (YYYY-MM-DD):</translation>
    </message>
    <message>
        <source>目录号:</source>
        <translation>Catalog No.:</translation>
    </message>
    <message>
        <source>条码 / UPC:</source>
        <translation>Barcode / UPC:</translation>
    </message>
    <message>
        <source>版权:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>碟号:</source>
        <translation>Disc:</translation>
    </message>
    <message>
        <source>如 1</source>
        <translation>e.g. 1</translation>
    </message>
    <message>
        <source>总碟数</source>
        <translation>total</translation>
    </message>
    <message>
        <source>CUE 曲目表 (可选)</source>
        <translation>CUE sheet (optional)</translation>
    </message>
    <message>
        <source>音轨间暂停帧数:</source>
        <translation>Pause frames between tracks:</translation>
    </message>
    <message>
        <source>音轨之间的静音帧数 (44100 帧 = 1 秒)</source>
        <translation>Silent frames between tracks (44100 frames = 1 second)</translation>
    </message>
    <message>
        <source>DST 压缩阶数:</source>
        <translation>DST compression order:</translation>
    </message>
    <message>
        <source>多声道音轨存原始 DSD, 不压 DST (--no-encode)</source>
        <translation>Store raw DSD for multichannel instead of DST (--no-encode)</translation>
    </message>
    <message>
        <source>立体声区也压 DST (--dst-stereo)</source>
        <translation>Also DST-compress the stereo area (--dst-stereo)</translation>
    </message>
    <message>
        <source>构建 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)</source>
        <translation>Build a Orvi DSD Disc instead of SACD ISO (--dsd-disc)</translation>
    </message>
    <message>
        <source>光盘标题:</source>
        <translation>Disc title:</translation>
    </message>
    <message>
        <source>默认 ALBUM</source>
        <translation>Default ALBUM</translation>
    </message>
    <message>
        <source>自动生成 .ovp 播放列表</source>
        <translation>Auto-generate .ovp playlist</translation>
    </message>
    <message>
        <source>输出:</source>
        <translation>Output:</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>没有音轨</source>
        <translation>No tracks</translation>
    </message>
    <message>
        <source>请先添加 DSF/DFF 音轨文件。</source>
        <translation>Please add DSF/DFF audio files first.</translation>
    </message>
    <message>
        <source>找不到打包引擎</source>
        <translation>Packing engine not found</translation>
    </message>
    <message>
        <source>未找到 OrviLathe。请将其放到本程序同目录,
或设置环境变量 ORVI_LATHE_BIN。</source>
        <translation>OrviLathe was not found. Put it next to this program,
or set the ORVI_LATHE_BIN environment variable.</translation>
    </message>
    <message>
        <source>输出未指定, 使用: %1</source>
        <translation>Output not specified, using: %1</translation>
    </message>
    <message>
        <source>输出路径无效</source>
        <translation>Invalid output path</translation>
    </message>
    <message>
        <source>输出目录不存在:
%1

请选择有效的保存位置。</source>
        <translation>The output folder does not exist:
%1

Please choose a valid location.</translation>
    </message>
    <message>
        <source>环境变量 ORVI_LATHE_BIN</source>
        <translation>environment variable ORVI_LATHE_BIN</translation>
    </message>
    <message>
        <source>程序同目录</source>
        <translation>same folder as this program</translation>
    </message>
    <message>
        <source>开发构建 (build/)</source>
        <translation>development build (build/)</translation>
    </message>
    <message>
        <source>本程序自身 (未找到 CLI)</source>
        <translation>this program itself (CLI not found)</translation>
    </message>
    <message>
        <source>打包引擎: %1 (来源: %2)</source>
        <translation>Packing engine: %1 (from: %2)</translation>
    </message>
    <message>
        <source>说明: 本程序自己就是打包核的宿主(进程内跑核), 不需要另外的 CLI 程序。</source>
        <translation>Note: this program hosts the packing core itself (it runs the core in-process); a separate CLI program is not required.</translation>
    </message>
    <message>
        <source>打包引擎: %1</source>
        <translation>Packing engine: %1</translation>
    </message>
    <message>
        <source>(未找到!)</source>
        <translation>(not found!)</translation>
    </message>
    <message>
        <source>⚠ 未找到打包引擎 OrviLathe。请把它放到本程序同目录, 或设置环境变量 ORVI_LATHE_BIN 指向它。</source>
        <translation>⚠ Packing engine OrviLathe not found. Put it in the same folder as this program, or set the environment variable ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>打包完成后自动关窗（默认关）</source>
        <translation>Close the window when packing finishes (off by default)</translation>
    </message>
    <message>
        <source>■  停止</source>
        <translation>■  Stop</translation>
    </message>
    <message>
        <source>光盘信息</source>
        <translation>Disc Info</translation>
    </message>
    <message>
        <source>打包选项</source>
        <translation>Packing Options</translation>
    </message>
    <message>
        <source>打开输出文件夹</source>
        <translation>Open output folder</translation>
    </message>
    <message>
        <source>── %1 开始打包 ──</source>
        <translation>── %1 start packing ──</translation>
    </message>
    <message>
        <source>打包进行中…</source>
        <translation>Packing in progress…</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 已删除 (%1)</source>
        <translation>■ Stopped: the incomplete ISO was deleted (%1)</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)</source>
        <translation>■ Stopped: the incomplete ISO was kept (it may be locked; delete it manually)</translation>
    </message>
    <message>
        <source>■ 已停止</source>
        <translation>■ Stopped</translation>
    </message>
    <message>
        <source>■ 已停止(强制结束进程)。</source>
        <translation>■ Stopped (process force-terminated).</translation>
    </message>
    <message>
        <source>✗ 打包进程异常终止 (非正常退出)。</source>
        <translation>✗ Packing process terminated abnormally (not a normal exit).</translation>
    </message>
    <message>
        <source>打包进程异常终止 (崩溃或被强杀)</source>
        <translation>Packing process terminated abnormally (crashed or killed)</translation>
    </message>
    <message>
        <source>✓ 打包完成</source>
        <translation>✓ Packing finished</translation>
    </message>
    <message>
        <source>✓ 打包完成: %1 (%2 MB)</source>
        <translation>✓ Packing finished: %1 (%2 MB)</translation>
    </message>
    <message>
        <source>打包完成</source>
        <translation>Packing finished</translation>
    </message>
    <message>
        <source>SACD ISO 已生成:
%1</source>
        <translation>SACD ISO written:
%1</translation>
    </message>
    <message>
        <source>⚠ 引擎报告成功但产物缺失/为空</source>
        <translation>⚠ The engine reported success but the output is missing/empty</translation>
    </message>
    <message>
        <source>✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1</source>
        <translation>✗ The engine reported “SACD ISO created” but the target file is missing or empty: %1</translation>
    </message>
    <message>
        <source>进程结束 (退出码 0, 无产物)</source>
        <translation>Process exited (code 0, no output)</translation>
    </message>
    <message>
        <source>进程结束, 退出码 0, 未检测到产物。</source>
        <translation>Process exited with code 0; no output file detected.</translation>
    </message>
    <message>
        <source>打包失败 (退出码 %1)</source>
        <translation>Packing failed (exit code %1)</translation>
    </message>
    <message>
        <source>✗ 打包失败, 退出码 %1。见上方错误信息。</source>
        <translation>✗ Packing failed, exit code %1. See the error messages above.</translation>
    </message>
    <message>
        <source>正在停止… (强制结束可能留下不完整 ISO)</source>
        <translation>Stopping… (forcing termination may leave an incomplete ISO)</translation>
    </message>
    <message>
        <source>正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)</source>
        <translation>Telling the packing core to stop... (it stops on a track boundary; tracks already written stay intact)</translation>
    </message>
    <message>
        <source>打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。</source>
        <translation>The packing core did not confirm the stop within 2 s -- still finishing, please wait.</translation>
    </message>
    <message>
        <source>不完整产物</source>
        <translation>Incomplete output</translation>
    </message>
    <message>
        <source>打包未完成, 目标文件可能不完整:
%1

删除该文件吗?</source>
        <translation>Packing did not finish; the target file may be incomplete:
%1

Delete it?</translation>
    </message>
    <message>
        <source>已删除不完整产物: %1</source>
        <translation>Deleted incomplete output: %1</translation>
    </message>
    <message>
        <source>警告: 无法删除不完整产物 %1</source>
        <translation>Warning: cannot delete the incomplete output %1</translation>
    </message>
    <message>
        <source>保留不完整产物: %1 (请勿直接使用)</source>
        <translation>Kept the incomplete output: %1 (do not use it as is)</translation>
    </message>
    <message>
        <source>未知进程错误</source>
        <translation>Unknown process error</translation>
    </message>
    <message>
        <source>✗ 进程错误: %1</source>
        <translation>✗ Process error: %1</translation>
    </message>
    <message>
        <source>无法启动/运行打包引擎: %1</source>
        <translation>Cannot start/run the packing engine: %1</translation>
    </message>
    <message>
        <source>打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。

确定要退出吗?</source>
        <translation>Packing has not finished; closing the window kills the process and may leave an incomplete ISO.

Exit anyway?</translation>
    </message>
    <message>
        <source>打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。

确定要退出吗?</source>
        <translation>Packing runs in-process; closing the window exits right away and may leave an incomplete ISO (this mode cannot be stopped midway).

Exit anyway?</translation>
    </message>
    <message>
        <source>打包进行中</source>
        <translation>Packing in progress</translation>
    </message>
    <message>
        <source>AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)</source>
        <translation>AUTORUN argument is incomplete (need at least 1 track + an output path)</translation>
    </message>
    <message>
        <source>AUTORUN: %1 个音轨 → %2</source>
        <translation>AUTORUN: %1 track(s) -&gt; %2</translation>
    </message>
    <message>
        <source>留空 = 使用文件内元数据</source>
        <translation>Leave empty = use in-file metadata</translation>
    </message>
    <message>
        <source>Orvi Lathe — SACD ISO 打包工具</source>
        <translation>Orvi Lathe — SACD ISO packer</translation>
    </message>
    <message>
        <source>就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。</source>
        <translation>Ready. Add DSF/DFF files to the list, set the output, then click “Start packing”.</translation>
    </message>
    <message>
        <source>留空则自动生成: &lt;首轨目录&gt;/&lt;专辑或首轨名&gt;.iso</source>
        <translation>Leave empty for auto: &lt;first-track dir&gt;/&lt;album or first track name&gt;.iso</translation>
    </message>
    <message>
        <source>开：一次打包成功后自动关闭本窗口（适合命令行/批量调用的人）；关（默认）：保持打开。</source>
        <translation>On: closes this window after a successful pack (handy for command-line/batch use); Off (default): stays open.</translation>
    </message>
    <message>
        <source>运行日志:</source>
        <translation>Run log:</translation>
    </message>
    <message>
        <source>专辑 / 艺术家</source>
        <translation>Album / Artist</translation>
    </message>
    <message>
        <source>发行信息</source>
        <translation>Release Info</translation>
    </message>
    <message>
        <source>封面 (嵌入 ISO)</source>
        <translation>Cover art (embedded in ISO)</translation>
    </message>
    <message>
        <source>(无预览)</source>
        <translation>(no preview)</translation>
    </message>
    <message>
        <source>选择…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>导入 CUE 可自动补全曲目标题/艺术家</source>
        <translation>Import a CUE to auto-fill track titles/artists</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>音频 / DST 编码</source>
        <translation>Audio / DST Encoding</translation>
    </message>
    <message>
        <source>DST 预测阶数, 越小编码越快、压缩率略低</source>
        <translation>DST prediction order; lower = faster encode, slightly lower compression</translation>
    </message>
    <message>
        <source>默认只压多声道; 勾上后 2 声道区同样做 DST 压缩 (与多数商业 SACD 一致)</source>
        <translation>By default only multi-channel is DST-compressed; tick this to compress the 2-channel area too (as most commercial SACDs do)</translation>
    </message>
    <message>
        <source>Orvi DSD Disc 模式</source>
        <translation>Orvi DSD Disc Mode</translation>
    </message>
    <message>
        <source>音轨文件 (DSF/DFF)</source>
        <translation>Track file (DSF/DFF)</translation>
    </message>
    <message>
        <source>标题 (可选)</source>
        <translation>Title (optional)</translation>
    </message>
    <message>
        <source>艺术家 (可选)</source>
        <translation>Artist (optional)</translation>
    </message>
    <message>
        <source>ISRC (可选)</source>
        <translation>ISRC (optional)</translation>
    </message>
    <message>
        <source>ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041
留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示</source>
        <translation>ISRC (optional), format CC-OOO-YY-DDDDD, e.g. FR-W01-02-00041
Blank = this track has no ISRC; an invalid value is rejected when packing, with a message</translation>
    </message>
    <message>
        <source>可从文件管理器直接拖入 .dsf/.dff 文件</source>
        <translation>You can drag .dsf/.dff files here from a file manager</translation>
    </message>
    <message>
        <source>＋ 添加音轨文件…</source>
        <translation>＋ Add audio files…</translation>
    </message>
    <message>
        <source>＋ 添加文件夹…</source>
        <translation>＋ Add folder…</translation>
    </message>
    <message>
        <source>⇄ 导入 CUE…</source>
        <translation>⇄ Import CUE…</translation>
    </message>
    <message>
        <source>移除所选</source>
        <translation>Remove selected</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>上移所选音轨</source>
        <translation>Move selected tracks up</translation>
    </message>
    <message>
        <source>下移所选音轨</source>
        <translation>Move selected tracks down</translation>
    </message>
    <message>
        <source>共 0 轨</source>
        <translation>0 tracks total</translation>
    </message>
    <message>
        <source>共 %1 轨</source>
        <translation>%1 tracks total</translation>
    </message>
    <message>
        <source>已忽略重复文件: %1</source>
        <translation>Duplicate file ignored: %1</translation>
    </message>
    <message>
        <source>文件夹里没有找到 .dsf/.dff 文件: %1</source>
        <translation>No .dsf/.dff files found in folder: %1</translation>
    </message>
    <message>
        <source>已导入 CUE: %1</source>
        <translation>CUE imported: %1</translation>
    </message>
    <message>
        <source>选择 DSD 音轨文件</source>
        <translation>Select DSD audio files</translation>
    </message>
    <message>
        <source>DSD 音频 (*.dsf *.dff);;所有文件 (*)</source>
        <translation>DSD audio (*.dsf *.dff);;All files (*)</translation>
    </message>
    <message>
        <source>选择包含 DSF/DFF 的文件夹</source>
        <translation>Select a folder containing DSF/DFF files</translation>
    </message>
    <message>
        <source>打包进行中, 请先停止再添加音轨。</source>
        <translation>Packing is in progress — stop it before adding tracks.</translation>
    </message>
    <message>
        <source>选择 CUE 文件</source>
        <translation>Select CUE file</translation>
    </message>
    <message>
        <source>CUE 曲目表 (*.cue);;所有文件 (*)</source>
        <translation>CUE sheets (*.cue);;All files (*)</translation>
    </message>
    <message>
        <source>已导入 CUE: %1 (标题/艺术家将在打包时应用)</source>
        <translation>CUE imported: %1 (titles/artists will be applied when packing)</translation>
    </message>
    <message>
        <source>已清除 CUE 设置。</source>
        <translation>CUE cleared.</translation>
    </message>
    <message>
        <source>选择封面图片</source>
        <translation>Select cover image</translation>
    </message>
    <message>
        <source>图片 (*.jpg *.jpeg *.png);;所有文件 (*)</source>
        <translation>Images (*.jpg *.jpeg *.png);;All files (*)</translation>
    </message>
    <message>
        <source>封面</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>无法解码该图片, 未采用: %1</source>
        <translation>Cannot decode that image; not used: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的 CUE: %1</source>
        <translation>auto-using CUE from the same folder: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的封面: %1</source>
        <translation>auto-using cover art from the same folder: %1</translation>
    </message>
    <message>
        <source>输出 SACD ISO</source>
        <translation>Output SACD ISO</translation>
    </message>
    <message>
        <source>SACD ISO 镜像 (*.iso);;所有文件 (*)</source>
        <translation>SACD ISO image (*.iso);;All files (*)</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>Check for updates…</translation>
    </message>
</context>
<context>
    <name>ReferencesGui</name>
    <message>
        <source>参考标准</source>
        <translation>Reference standards</translation>
    </message>
    <message>
        <source>参考标准…</source>
        <translation>Reference standards…</translation>
    </message>
    <message>
        <source>产品参照的公开标准与文献</source>
        <translation>Public standards and literature referenced by this product</translation>
    </message>
</context>
<context>
    <name>ThirdPartyGui</name>
    <message>
        <source>源码许可</source>
        <translation>Source licenses</translation>
    </message>
    <message>
        <source>源码许可…</source>
        <translation>Source licenses…</translation>
    </message>
    <message>
        <source>第三方组件与开源许可清单</source>
        <translation>Third-party components and open-source license list</translation>
    </message>
</context>
<context>
    <name>PackSession</name>
    <message>
        <source>进程内会话起不来 (rc=%1)</source>
        <translation>the in-process session did not start (rc=%1)</translation>
    </message>
</context>
<context>
    <name>UiLangRow</name>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Follow system</translation>
    </message>
    <message>
        <source>界面语言。切换后程序会重启一次以便整套界面换语言。</source>
        <translation>Interface language. The app restarts once so the whole interface switches language.</translation>
    </message>
    <message>
        <source>界面语言已切换，程序将自动重启一次以生效。</source>
        <translation>Interface language changed. The app will restart once to apply it.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>无法获取更新清单: %1</source>
        <translation>Cannot fetch the update manifest: %1</translation>
    </message>
    <message>
        <source>更新清单格式不对 (%1)</source>
        <translation>The update manifest is malformed (%1)</translation>
    </message>
    <message>
        <source>更新清单里没有版本号</source>
        <translation>The update manifest has no version number</translation>
    </message>
    <message>
        <source>清单里没有适用于本机 (%1) 的更新载荷</source>
        <translation>The manifest has no update payload for this machine (%1)</translation>
    </message>
    <message>
        <source>清单里既没有覆盖载荷也没有安装包</source>
        <translation>The manifest has neither an overwrite payload nor an installer</translation>
    </message>
    <message>
        <source>无法写入临时文件: %1</source>
        <translation>Cannot write the temporary file: %1</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>Download failed: %1</translation>
    </message>
    <message>
        <source>无法读取下载的文件: %1</source>
        <translation>Cannot read the downloaded file: %1</translation>
    </message>
    <message>
        <source>计算校验和失败: %1</source>
        <translation>Failed to compute the checksum: %1</translation>
    </message>
    <message>
        <source>校验和不匹配, 已丢弃 (期望 %1, 实际 %2)</source>
        <translation>Checksum mismatch, discarded (expected %1, got %2)</translation>
    </message>
    <message>
        <source>下载文件大小不符 (期望 %1 字节, 实际 %2)</source>
        <translation>Downloaded file size mismatch (expected %1 bytes, got %2)</translation>
    </message>
    <message>
        <source>覆盖载荷不可用 (%1)，改用安装包</source>
        <translation>Overwrite payload unusable (%1); falling back to the installer</translation>
    </message>
    <message>
        <source>没有可用的更新载荷</source>
        <translation>No usable update payload</translation>
    </message>
    <message>
        <source>无法写更新脚本: %1</source>
        <translation>Cannot write the update script: %1</translation>
    </message>
    <message>
        <source>提权启动更新失败 (错误码 %1)。载荷已下载并校验通过, 可手动更新:</source>
        <translation>Failed to start the elevated update (error %1). The payload was downloaded and verified; you can update manually:</translation>
    </message>
    <message>
        <source>更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。</source>
        <translation>The update has been downloaded and verified. The program will exit; the system will finish updating and restart it automatically.</translation>
    </message>
</context>
<context>
    <name>UpdateUi</name>
    <message>
        <source>正在检查更新…</source>
        <translation>Checking for updates…</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>已是最新版本 (%1)。服务器上的最新版本为 %2。</source>
        <translation>You are up to date (%1). The latest version on the server is %2.</translation>
    </message>
    <message>
        <source>检查更新失败：</source>
        <translation>Update check failed:</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>New version available</translation>
    </message>
    <message>
        <source>发现新版本 %1（当前 %2）。</source>
        <translation>Version %1 is available (you have %2).</translation>
    </message>
    <message>
        <source>发布日期：%1</source>
        <translation>Release date: %1</translation>
    </message>
    <message>
        <source>更新说明：%1</source>
        <translation>Release notes: %1</translation>
    </message>
    <message>
        <source>下载并更新</source>
        <translation>Download and update</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>Open download page</translation>
    </message>
    <message>
        <source>稍后</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>正在下载更新…</source>
        <translation>Downloading the update…</translation>
    </message>
    <message>
        <source>下载更新</source>
        <translation>Downloading update</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>程序现在退出。</source>
        <translation>The program will now exit.</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Update failed</translation>
    </message>
</context>
</TS>
