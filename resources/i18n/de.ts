<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>PackGuiWindow</name>
    <message>
        <source>▶  开始打包</source>
        <translation>▶  Packen starten</translation>
    </message>
    <message>
        <source>专辑:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>艺术家:</source>
        <translation>Interpret:</translation>
    </message>
    <message>
        <source>厂牌:</source>
        <translation>Label:</translation>
    </message>
    <message>
        <source>作曲:</source>
        <translation>Komponist:</translation>
    </message>
    <message>
        <source>指挥:</source>
        <translation>Dirigent:</translation>
    </message>
    <message>
        <source>乐团:</source>
        <translation>Orchester:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <source>年份:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>日期 (YYYY-MM-DD):</source>
        <translation>Datum (YYYY-MM-DD):</translation>
    </message>
    <message>
        <source>目录号:</source>
        <translation>Katalognr.:</translation>
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
        <translation>z. B. 1</translation>
    </message>
    <message>
        <source>总碟数</source>
        <translation>gesamt</translation>
    </message>
    <message>
        <source>CUE 曲目表 (可选)</source>
        <translation>CUE-Datei (optional)</translation>
    </message>
    <message>
        <source>音轨间暂停帧数:</source>
        <translation>Pausenframes zwischen Titeln:</translation>
    </message>
    <message>
        <source>音轨之间的静音帧数 (44100 帧 = 1 秒)</source>
        <translation>Stille-Frames zwischen Titeln (44100 Frames = 1 Sekunde)</translation>
    </message>
    <message>
        <source>DST 压缩阶数:</source>
        <translation>DST-Kompressionsordnung:</translation>
    </message>
    <message>
        <source>多声道音轨存原始 DSD, 不压 DST (--no-encode)</source>
        <translation>Mehrkanal als unkomprimiertes DSD statt DST speichern (--no-encode)</translation>
    </message>
    <message>
        <source>立体声区也压 DST (--dst-stereo)</source>
        <translation>Auch den Stereobereich mit DST komprimieren (--dst-stereo)</translation>
    </message>
    <message>
        <source>构建 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)</source>
        <translation>Orvi DSD Disc statt SACD ISO erstellen (--dsd-disc)</translation>
    </message>
    <message>
        <source>光盘标题:</source>
        <translation>Disc-Titel:</translation>
    </message>
    <message>
        <source>默认 ALBUM</source>
        <translation>Standard ALBUM</translation>
    </message>
    <message>
        <source>自动生成 .ovp 播放列表</source>
        <translation>.ovp-Wiedergabeliste automatisch erzeugen</translation>
    </message>
    <message>
        <source>输出:</source>
        <translation>Ausgabe:</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>没有音轨</source>
        <translation>Keine Titel</translation>
    </message>
    <message>
        <source>请先添加 DSF/DFF 音轨文件。</source>
        <translation>Bitte zuerst DSF/DFF-Audiodateien hinzufügen.</translation>
    </message>
    <message>
        <source>找不到打包引擎</source>
        <translation>Pack-Engine nicht gefunden</translation>
    </message>
    <message>
        <source>未找到 OrviLathe。请将其放到本程序同目录,
或设置环境变量 ORVI_LATHE_BIN。</source>
        <translation>OrviLathe wurde nicht gefunden. Legen Sie es neben dieses Programm
oder setzen Sie die Umgebungsvariable ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>输出未指定, 使用: %1</source>
        <translation>Keine Ausgabe angegeben, verwende: %1</translation>
    </message>
    <message>
        <source>输出路径无效</source>
        <translation>Ungültiger Ausgabepfad</translation>
    </message>
    <message>
        <source>输出目录不存在:
%1

请选择有效的保存位置。</source>
        <translation>Der Ausgabeordner existiert nicht:
%1

Bitte wählen Sie einen gültigen Speicherort.</translation>
    </message>
    <message>
        <source>环境变量 ORVI_LATHE_BIN</source>
        <translation>Umgebungsvariable ORVI_LATHE_BIN</translation>
    </message>
    <message>
        <source>程序同目录</source>
        <translation>Ordner dieses Programms</translation>
    </message>
    <message>
        <source>开发构建 (build/)</source>
        <translation>Entwicklungs-Build (build/)</translation>
    </message>
    <message>
        <source>本程序自身 (未找到 CLI)</source>
        <translation>dieses Programm selbst (CLI nicht gefunden)</translation>
    </message>
    <message>
        <source>打包引擎: %1 (来源: %2)</source>
        <translation>Pack-Engine: %1 (Quelle: %2)</translation>
    </message>
    <message>
        <source>说明: 本程序自己就是打包核的宿主(进程内跑核), 不需要另外的 CLI 程序。</source>
        <translation>Hinweis: Dieses Programm enthält den Pack-Kern selbst (es führt ihn im eigenen Prozess aus); ein separates CLI-Programm ist nicht nötig.</translation>
    </message>
    <message>
        <source>打包引擎: %1</source>
        <translation>Pack-Engine: %1</translation>
    </message>
    <message>
        <source>(未找到!)</source>
        <translation>(nicht gefunden!)</translation>
    </message>
    <message>
        <source>⚠ 未找到打包引擎 OrviLathe。请把它放到本程序同目录, 或设置环境变量 ORVI_LATHE_BIN 指向它。</source>
        <translation>⚠ Pack-Engine OrviLathe nicht gefunden. Legen Sie sie in den Ordner dieses Programms oder setzen Sie die Umgebungsvariable ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>打包完成后自动关窗（默认关）</source>
        <translation>Fenster nach dem Packen schließen (standardmäßig aus)</translation>
    </message>
    <message>
        <source>■  停止</source>
        <translation>■  Stopp</translation>
    </message>
    <message>
        <source>光盘信息</source>
        <translation>Disc-Infos</translation>
    </message>
    <message>
        <source>打包选项</source>
        <translation>Pack-Optionen</translation>
    </message>
    <message>
        <source>打开输出文件夹</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>── %1 开始打包 ──</source>
        <translation>── %1 Packen gestartet ──</translation>
    </message>
    <message>
        <source>打包进行中…</source>
        <translation>Packen läuft…</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 已删除 (%1)</source>
        <translation>■ Gestoppt: Die unvollständige ISO wurde gelöscht (%1)</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)</source>
        <translation>■ Gestoppt: Die unvollständige ISO wurde behalten (evtl. gesperrt; bitte manuell löschen)</translation>
    </message>
    <message>
        <source>■ 已停止</source>
        <translation>■ Gestoppt</translation>
    </message>
    <message>
        <source>■ 已停止(强制结束进程)。</source>
        <translation>■ Gestoppt (Prozess zwangsweise beendet).</translation>
    </message>
    <message>
        <source>✗ 打包进程异常终止 (非正常退出)。</source>
        <translation>✗ Pack-Prozess wurde abnormal beendet (kein normales Ende).</translation>
    </message>
    <message>
        <source>打包进程异常终止 (崩溃或被强杀)</source>
        <translation>Pack-Prozess wurde abnormal beendet (abgestürzt oder beendet)</translation>
    </message>
    <message>
        <source>✓ 打包完成</source>
        <translation>✓ Packen abgeschlossen</translation>
    </message>
    <message>
        <source>✓ 打包完成: %1 (%2 MB)</source>
        <translation>✓ Packen abgeschlossen: %1 (%2 MB)</translation>
    </message>
    <message>
        <source>打包完成</source>
        <translation>Packen abgeschlossen</translation>
    </message>
    <message>
        <source>SACD ISO 已生成:
%1</source>
        <translation>SACD ISO geschrieben:
%1</translation>
    </message>
    <message>
        <source>⚠ 引擎报告成功但产物缺失/为空</source>
        <translation>⚠ Die Engine meldete Erfolg, aber die Ausgabe fehlt oder ist leer</translation>
    </message>
    <message>
        <source>✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1</source>
        <translation>✗ Die Engine meldete “SACD ISO created”, aber die Zieldatei fehlt oder ist leer: %1</translation>
    </message>
    <message>
        <source>进程结束 (退出码 0, 无产物)</source>
        <translation>Prozess beendet (Code 0, keine Ausgabe)</translation>
    </message>
    <message>
        <source>进程结束, 退出码 0, 未检测到产物。</source>
        <translation>Prozess mit Code 0 beendet; keine Ausgabedatei gefunden.</translation>
    </message>
    <message>
        <source>打包失败 (退出码 %1)</source>
        <translation>Packen fehlgeschlagen (Exit-Code %1)</translation>
    </message>
    <message>
        <source>✗ 打包失败, 退出码 %1。见上方错误信息。</source>
        <translation>✗ Packen fehlgeschlagen, Exit-Code %1. Siehe Fehlermeldungen oben.</translation>
    </message>
    <message>
        <source>正在停止… (强制结束可能留下不完整 ISO)</source>
        <translation>Wird gestoppt… (erzwungenes Beenden kann eine unvollständige ISO hinterlassen)</translation>
    </message>
    <message>
        <source>正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)</source>
        <translation>Pack-Kern wird zum Anhalten aufgefordert… (er hält an einer Titelgrenze; bereits geschriebene Titel bleiben intakt)</translation>
    </message>
    <message>
        <source>打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。</source>
        <translation>Der Pack-Kern hat das Anhalten nicht innerhalb von 2 s bestätigt -- er schließt noch ab, bitte warten.</translation>
    </message>
    <message>
        <source>不完整产物</source>
        <translation>Unvollständige Ausgabe</translation>
    </message>
    <message>
        <source>打包未完成, 目标文件可能不完整:
%1

删除该文件吗?</source>
        <translation>Das Packen wurde nicht abgeschlossen; die Zieldatei ist möglicherweise unvollständig:
%1

Datei löschen?</translation>
    </message>
    <message>
        <source>已删除不完整产物: %1</source>
        <translation>Unvollständige Ausgabe gelöscht: %1</translation>
    </message>
    <message>
        <source>警告: 无法删除不完整产物 %1</source>
        <translation>Warnung: Die unvollständige Ausgabe kann nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>保留不完整产物: %1 (请勿直接使用)</source>
        <translation>Unvollständige Ausgabe behalten: %1 (nicht unverändert verwenden)</translation>
    </message>
    <message>
        <source>未知进程错误</source>
        <translation>Unbekannter Prozessfehler</translation>
    </message>
    <message>
        <source>✗ 进程错误: %1</source>
        <translation>✗ Prozessfehler: %1</translation>
    </message>
    <message>
        <source>无法启动/运行打包引擎: %1</source>
        <translation>Pack-Engine kann nicht gestartet/ausgeführt werden: %1</translation>
    </message>
    <message>
        <source>打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。

确定要退出吗?</source>
        <translation>Das Packen ist noch nicht abgeschlossen; beim Schließen des Fensters wird der Prozess beendet, und es kann eine unvollständige ISO zurückbleiben.

Trotzdem beenden?</translation>
    </message>
    <message>
        <source>打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。

确定要退出吗?</source>
        <translation>Das Packen läuft im eigenen Prozess; beim Schließen des Fensters wird sofort beendet, und es kann eine unvollständige ISO zurückbleiben (in diesem Modus ist kein Anhalten mittendrin möglich).

Trotzdem beenden?</translation>
    </message>
    <message>
        <source>打包进行中</source>
        <translation>Packen läuft</translation>
    </message>
    <message>
        <source>AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)</source>
        <translation>AUTORUN-Argument unvollständig (mindestens 1 Titel + ein Ausgabepfad nötig)</translation>
    </message>
    <message>
        <source>AUTORUN: %1 个音轨 → %2</source>
        <translation>AUTORUN: %1 Titel → %2</translation>
    </message>
    <message>
        <source>留空 = 使用文件内元数据</source>
        <translation>Leer = Metadaten aus der Datei verwenden</translation>
    </message>
    <message>
        <source>Orvi Lathe — SACD ISO 打包工具</source>
        <translation>Orvi Lathe — SACD-ISO-Packer</translation>
    </message>
    <message>
        <source>就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。</source>
        <translation>Bereit. Fügen Sie DSF/DFF-Dateien zur Liste hinzu, legen Sie die Ausgabe fest und klicken Sie dann auf „Packen starten“.</translation>
    </message>
    <message>
        <source>留空则自动生成: &lt;首轨目录&gt;/&lt;专辑或首轨名&gt;.iso</source>
        <translation>Leer für automatisch: &lt;Ordner des ersten Titels&gt;/&lt;Album oder Name des ersten Titels&gt;.iso</translation>
    </message>
    <message>
        <source>开：一次打包成功后自动关闭本窗口（适合命令行/批量调用的人）；关（默认）：保持打开。</source>
        <translation>Ein: Schließt dieses Fenster nach erfolgreichem Packen (praktisch für Kommandozeilen-/Stapelbetrieb); Aus (Standard): bleibt geöffnet.</translation>
    </message>
    <message>
        <source>运行日志:</source>
        <translation>Ausführungsprotokoll:</translation>
    </message>
    <message>
        <source>专辑 / 艺术家</source>
        <translation>Album / Interpret</translation>
    </message>
    <message>
        <source>发行信息</source>
        <translation>Veröffentlichungsinfos</translation>
    </message>
    <message>
        <source>封面 (嵌入 ISO)</source>
        <translation>Cover (in die ISO eingebettet)</translation>
    </message>
    <message>
        <source>(无预览)</source>
        <translation>(keine Vorschau)</translation>
    </message>
    <message>
        <source>选择…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>导入 CUE 可自动补全曲目标题/艺术家</source>
        <translation>Eine CUE-Datei importieren, um Titelnamen/Interpreten automatisch auszufüllen</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>音频 / DST 编码</source>
        <translation>Audio / DST-Kodierung</translation>
    </message>
    <message>
        <source>DST 预测阶数, 越小编码越快、压缩率略低</source>
        <translation>DST-Prädiktionsordnung; kleiner = schnellere Kodierung, etwas geringere Kompression</translation>
    </message>
    <message>
        <source>默认只压多声道; 勾上后 2 声道区同样做 DST 压缩 (与多数商业 SACD 一致)</source>
        <translation>Standardmäßig wird nur Mehrkanal mit DST komprimiert; ankreuzen, um auch den 2-Kanal-Bereich zu komprimieren (wie bei den meisten kommerziellen SACDs)</translation>
    </message>
    <message>
        <source>Orvi DSD Disc 模式</source>
        <translation>Orvi-DSD-Disc-Modus</translation>
    </message>
    <message>
        <source>音轨文件 (DSF/DFF)</source>
        <translation>Titeldatei (DSF/DFF)</translation>
    </message>
    <message>
        <source>标题 (可选)</source>
        <translation>Titel (optional)</translation>
    </message>
    <message>
        <source>艺术家 (可选)</source>
        <translation>Interpret (optional)</translation>
    </message>
    <message>
        <source>ISRC (可选)</source>
        <translation>ISRC (optional)</translation>
    </message>
    <message>
        <source>ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041
留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示</source>
        <translation>ISRC (optional), Format CC-OOO-YY-DDDDD, z. B. FR-W01-02-00041
Leer = dieser Titel hat keinen ISRC; ein ungültiger Wert wird beim Packen mit einer Meldung abgelehnt</translation>
    </message>
    <message>
        <source>可从文件管理器直接拖入 .dsf/.dff 文件</source>
        <translation>.dsf/.dff-Dateien können aus einem Dateimanager hierher gezogen werden</translation>
    </message>
    <message>
        <source>＋ 添加音轨文件…</source>
        <translation>＋ Audiodateien hinzufügen…</translation>
    </message>
    <message>
        <source>＋ 添加文件夹…</source>
        <translation>＋ Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>⇄ 导入 CUE…</source>
        <translation>⇄ CUE importieren…</translation>
    </message>
    <message>
        <source>移除所选</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>上移所选音轨</source>
        <translation>Ausgewählte Titel nach oben</translation>
    </message>
    <message>
        <source>下移所选音轨</source>
        <translation>Ausgewählte Titel nach unten</translation>
    </message>
    <message>
        <source>共 0 轨</source>
        <translation>0 Titel insgesamt</translation>
    </message>
    <message>
        <source>共 %1 轨</source>
        <translation>%1 Titel insgesamt</translation>
    </message>
    <message>
        <source>已忽略重复文件: %1</source>
        <translation>Doppelte Datei ignoriert: %1</translation>
    </message>
    <message>
        <source>文件夹里没有找到 .dsf/.dff 文件: %1</source>
        <translation>Keine .dsf/.dff-Dateien im Ordner gefunden: %1</translation>
    </message>
    <message>
        <source>已导入 CUE: %1</source>
        <translation>CUE importiert: %1</translation>
    </message>
    <message>
        <source>选择 DSD 音轨文件</source>
        <translation>DSD-Audiodateien auswählen</translation>
    </message>
    <message>
        <source>DSD 音频 (*.dsf *.dff);;所有文件 (*)</source>
        <translation>DSD-Audio (*.dsf *.dff);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>选择包含 DSF/DFF 的文件夹</source>
        <translation>Ordner mit DSF/DFF-Dateien auswählen</translation>
    </message>
    <message>
        <source>打包进行中, 请先停止再添加音轨。</source>
        <translation>Packen läuft — bitte zuerst anhalten, bevor Titel hinzugefügt werden.</translation>
    </message>
    <message>
        <source>选择 CUE 文件</source>
        <translation>CUE-Datei auswählen</translation>
    </message>
    <message>
        <source>CUE 曲目表 (*.cue);;所有文件 (*)</source>
        <translation>CUE-Dateien (*.cue);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>已导入 CUE: %1 (标题/艺术家将在打包时应用)</source>
        <translation>CUE importiert: %1 (Titel/Interpreten werden beim Packen übernommen)</translation>
    </message>
    <message>
        <source>已清除 CUE 设置。</source>
        <translation>CUE entfernt.</translation>
    </message>
    <message>
        <source>选择封面图片</source>
        <translation>Coverbild auswählen</translation>
    </message>
    <message>
        <source>图片 (*.jpg *.jpeg *.png);;所有文件 (*)</source>
        <translation>Bilder (*.jpg *.jpeg *.png);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>封面</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>无法解码该图片, 未采用: %1</source>
        <translation>Das Bild kann nicht dekodiert werden und wird nicht verwendet: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的 CUE: %1</source>
        <translation>CUE aus demselben Ordner wird automatisch verwendet: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的封面: %1</source>
        <translation>Cover aus demselben Ordner wird automatisch verwendet: %1</translation>
    </message>
    <message>
        <source>输出 SACD ISO</source>
        <translation>SACD ISO ausgeben</translation>
    </message>
    <message>
        <source>SACD ISO 镜像 (*.iso);;所有文件 (*)</source>
        <translation>SACD-ISO-Abbild (*.iso);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>Nach Updates suchen…</translation>
    </message>
</context>
<context>
    <name>ReferencesGui</name>
    <message>
        <source>参考标准</source>
        <translation>Referenzstandards</translation>
    </message>
    <message>
        <source>参考标准…</source>
        <translation>Referenzstandards…</translation>
    </message>
    <message>
        <source>产品参照的公开标准与文献</source>
        <translation>Öffentliche Standards und Literatur, auf die sich dieses Produkt stützt</translation>
    </message>
</context>
<context>
    <name>ThirdPartyGui</name>
    <message>
        <source>源码许可</source>
        <translation>Quelltextlizenzen</translation>
    </message>
    <message>
        <source>源码许可…</source>
        <translation>Quelltextlizenzen…</translation>
    </message>
    <message>
        <source>第三方组件与开源许可清单</source>
        <translation>Liste der Drittkomponenten und Open-Source-Lizenzen</translation>
    </message>
</context>
<context>
    <name>PackSession</name>
    <message>
        <source>进程内会话起不来 (rc=%1)</source>
        <translation>die prozessinterne Sitzung konnte nicht gestartet werden (rc=%1)</translation>
    </message>
</context>
<context>
    <name>UiLangRow</name>
    <message>
        <source>语言</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>界面语言。切换后程序会重启一次以便整套界面换语言。</source>
        <translation>Oberflächensprache. Das Programm startet einmal neu, damit die gesamte Oberfläche die Sprache wechselt.</translation>
    </message>
    <message>
        <source>界面语言已切换，程序将自动重启一次以生效。</source>
        <translation>Oberflächensprache geändert. Das Programm startet einmal automatisch neu, um sie zu übernehmen.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>无法获取更新清单: %1</source>
        <translation>Das Update-Manifest kann nicht abgerufen werden: %1</translation>
    </message>
    <message>
        <source>更新清单格式不对 (%1)</source>
        <translation>Das Update-Manifest ist fehlerhaft (%1)</translation>
    </message>
    <message>
        <source>更新清单里没有版本号</source>
        <translation>Das Update-Manifest enthält keine Versionsnummer</translation>
    </message>
    <message>
        <source>清单里没有适用于本机 (%1) 的更新载荷</source>
        <translation>Das Manifest enthält kein Update-Paket für diesen Rechner (%1)</translation>
    </message>
    <message>
        <source>清单里既没有覆盖载荷也没有安装包</source>
        <translation>Das Manifest enthält weder ein Überschreibpaket noch ein Installationsprogramm</translation>
    </message>
    <message>
        <source>无法写入临时文件: %1</source>
        <translation>Die temporäre Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>Download fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>无法读取下载的文件: %1</source>
        <translation>Die heruntergeladene Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>计算校验和失败: %1</source>
        <translation>Prüfsumme konnte nicht berechnet werden: %1</translation>
    </message>
    <message>
        <source>校验和不匹配, 已丢弃 (期望 %1, 实际 %2)</source>
        <translation>Prüfsumme stimmt nicht, verworfen (erwartet %1, erhalten %2)</translation>
    </message>
    <message>
        <source>下载文件大小不符 (期望 %1 字节, 实际 %2)</source>
        <translation>Größe der heruntergeladenen Datei stimmt nicht (erwartet %1 Bytes, erhalten %2)</translation>
    </message>
    <message>
        <source>覆盖载荷不可用 (%1)，改用安装包</source>
        <translation>Überschreibpaket unbrauchbar (%1); weiter mit dem Installationsprogramm</translation>
    </message>
    <message>
        <source>没有可用的更新载荷</source>
        <translation>Kein brauchbares Update-Paket</translation>
    </message>
    <message>
        <source>无法写更新脚本: %1</source>
        <translation>Das Update-Skript kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>提权启动更新失败 (错误码 %1)。载荷已下载并校验通过, 可手动更新:</source>
        <translation>Das Update mit erhöhten Rechten konnte nicht gestartet werden (Fehler %1). Das Paket wurde heruntergeladen und geprüft; Sie können manuell aktualisieren:</translation>
    </message>
    <message>
        <source>更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。</source>
        <translation>Das Update wurde heruntergeladen und geprüft. Das Programm wird beendet; das System schließt das Update ab und startet es automatisch neu.</translation>
    </message>
</context>
<context>
    <name>UpdateUi</name>
    <message>
        <source>正在检查更新…</source>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>已是最新版本 (%1)。服务器上的最新版本为 %2。</source>
        <translation>Sie haben die neueste Version (%1). Die neueste Version auf dem Server ist %2.</translation>
    </message>
    <message>
        <source>检查更新失败：</source>
        <translation>Suche nach Updates fehlgeschlagen:</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>Neue Version verfügbar</translation>
    </message>
    <message>
        <source>发现新版本 %1（当前 %2）。</source>
        <translation>Version %1 ist verfügbar (installiert: %2).</translation>
    </message>
    <message>
        <source>发布日期：%1</source>
        <translation>Veröffentlicht: %1</translation>
    </message>
    <message>
        <source>更新说明：%1</source>
        <translation>Versionshinweise: %1</translation>
    </message>
    <message>
        <source>下载并更新</source>
        <translation>Herunterladen und aktualisieren</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>Download-Seite öffnen</translation>
    </message>
    <message>
        <source>稍后</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>正在下载更新…</source>
        <translation>Update wird heruntergeladen…</translation>
    </message>
    <message>
        <source>下载更新</source>
        <translation>Update herunterladen</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>程序现在退出。</source>
        <translation>Das Programm wird jetzt beendet.</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Update fehlgeschlagen</translation>
    </message>
</context>
</TS>
