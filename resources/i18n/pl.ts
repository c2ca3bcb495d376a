<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="zh_CN">
<context>
    <name>PackGuiWindow</name>
    <message>
        <source>▶  开始打包</source>
        <translation>▶  Rozpocznij pakowanie</translation>
    </message>
    <message>
        <source>专辑:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>艺术家:</source>
        <translation>Wykonawca:</translation>
    </message>
    <message>
        <source>厂牌:</source>
        <translation>Wytwórnia:</translation>
    </message>
    <message>
        <source>作曲:</source>
        <translation>Kompozytor:</translation>
    </message>
    <message>
        <source>指挥:</source>
        <translation>Dyrygent:</translation>
    </message>
    <message>
        <source>乐团:</source>
        <translation>Orkiestra:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Gatunek:</translation>
    </message>
    <message>
        <source>年份:</source>
        <translation>Rok:</translation>
    </message>
    <message>
        <source>日期 (YYYY-MM-DD):</source>
        <translation>Data (YYYY-MM-DD):</translation>
    </message>
    <message>
        <source>目录号:</source>
        <translation>Nr katalogowy:</translation>
    </message>
    <message>
        <source>条码 / UPC:</source>
        <translation>Kod kreskowy / UPC:</translation>
    </message>
    <message>
        <source>版权:</source>
        <translation>Prawa autorskie:</translation>
    </message>
    <message>
        <source>碟号:</source>
        <translation>Płyta:</translation>
    </message>
    <message>
        <source>如 1</source>
        <translation>np. 1</translation>
    </message>
    <message>
        <source>总碟数</source>
        <translation>łącznie</translation>
    </message>
    <message>
        <source>CUE 曲目表 (可选)</source>
        <translation>Arkusz CUE (opcjonalnie)</translation>
    </message>
    <message>
        <source>音轨间暂停帧数:</source>
        <translation>Ramki przerwy między utworami:</translation>
    </message>
    <message>
        <source>音轨之间的静音帧数 (44100 帧 = 1 秒)</source>
        <translation>Ramki ciszy między utworami (44100 ramek = 1 sekunda)</translation>
    </message>
    <message>
        <source>DST 压缩阶数:</source>
        <translation>Rząd kompresji DST:</translation>
    </message>
    <message>
        <source>多声道音轨存原始 DSD, 不压 DST (--no-encode)</source>
        <translation>Zapisuj wielokanałowe jako surowe DSD zamiast DST (--no-encode)</translation>
    </message>
    <message>
        <source>立体声区也压 DST (--dst-stereo)</source>
        <translation>Kompresuj DST także obszar stereo (--dst-stereo)</translation>
    </message>
    <message>
        <source>构建 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)</source>
        <translation>Utwórz Orvi DSD Disc zamiast SACD ISO (--dsd-disc)</translation>
    </message>
    <message>
        <source>光盘标题:</source>
        <translation>Tytuł płyty:</translation>
    </message>
    <message>
        <source>默认 ALBUM</source>
        <translation>Domyślnie ALBUM</translation>
    </message>
    <message>
        <source>自动生成 .ovp 播放列表</source>
        <translation>Automatycznie utwórz playlistę .ovp</translation>
    </message>
    <message>
        <source>输出:</source>
        <translation>Wyjście:</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Przeglądaj…</translation>
    </message>
    <message>
        <source>没有音轨</source>
        <translation>Brak utworów</translation>
    </message>
    <message>
        <source>请先添加 DSF/DFF 音轨文件。</source>
        <translation>Najpierw dodaj pliki audio DSF/DFF.</translation>
    </message>
    <message>
        <source>找不到打包引擎</source>
        <translation>Nie znaleziono silnika pakowania</translation>
    </message>
    <message>
        <source>未找到 OrviLathe。请将其放到本程序同目录,
或设置环境变量 ORVI_LATHE_BIN。</source>
        <translation>Nie znaleziono OrviLathe. Umieść go obok tego programu
lub ustaw zmienną środowiskową ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>输出未指定, 使用: %1</source>
        <translation>Nie podano wyjścia, używam: %1</translation>
    </message>
    <message>
        <source>输出路径无效</source>
        <translation>Nieprawidłowa ścieżka wyjściowa</translation>
    </message>
    <message>
        <source>输出目录不存在:
%1

请选择有效的保存位置。</source>
        <translation>Folder wyjściowy nie istnieje:
%1

Wybierz prawidłową lokalizację.</translation>
    </message>
    <message>
        <source>环境变量 ORVI_LATHE_BIN</source>
        <translation>zmienna środowiskowa ORVI_LATHE_BIN</translation>
    </message>
    <message>
        <source>程序同目录</source>
        <translation>ten sam folder co ten program</translation>
    </message>
    <message>
        <source>开发构建 (build/)</source>
        <translation>kompilacja deweloperska (build/)</translation>
    </message>
    <message>
        <source>本程序自身 (未找到 CLI)</source>
        <translation>sam ten program (nie znaleziono CLI)</translation>
    </message>
    <message>
        <source>打包引擎: %1 (来源: %2)</source>
        <translation>Silnik pakowania: %1 (źródło: %2)</translation>
    </message>
    <message>
        <source>说明: 本程序自己就是打包核的宿主(进程内跑核), 不需要另外的 CLI 程序。</source>
        <translation>Uwaga: ten program sam zawiera rdzeń pakowania (uruchamia go we własnym procesie); osobny program CLI nie jest potrzebny.</translation>
    </message>
    <message>
        <source>打包引擎: %1</source>
        <translation>Silnik pakowania: %1</translation>
    </message>
    <message>
        <source>(未找到!)</source>
        <translation>(nie znaleziono!)</translation>
    </message>
    <message>
        <source>⚠ 未找到打包引擎 OrviLathe。请把它放到本程序同目录, 或设置环境变量 ORVI_LATHE_BIN 指向它。</source>
        <translation>⚠ Nie znaleziono silnika pakowania OrviLathe. Umieść go w tym samym folderze co ten program lub ustaw zmienną środowiskową ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>打包完成后自动关窗（默认关）</source>
        <translation>Zamknij okno po zakończeniu pakowania (domyślnie wyłączone)</translation>
    </message>
    <message>
        <source>■  停止</source>
        <translation>■  Zatrzymaj</translation>
    </message>
    <message>
        <source>光盘信息</source>
        <translation>Informacje o płycie</translation>
    </message>
    <message>
        <source>打包选项</source>
        <translation>Opcje pakowania</translation>
    </message>
    <message>
        <source>打开输出文件夹</source>
        <translation>Otwórz folder wyjściowy</translation>
    </message>
    <message>
        <source>── %1 开始打包 ──</source>
        <translation>── %1 start pakowania ──</translation>
    </message>
    <message>
        <source>打包进行中…</source>
        <translation>Trwa pakowanie…</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 已删除 (%1)</source>
        <translation>■ Zatrzymano: niekompletny plik ISO został usunięty (%1)</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)</source>
        <translation>■ Zatrzymano: niekompletny plik ISO pozostawiono (może być zablokowany; usuń go ręcznie)</translation>
    </message>
    <message>
        <source>■ 已停止</source>
        <translation>■ Zatrzymano</translation>
    </message>
    <message>
        <source>■ 已停止(强制结束进程)。</source>
        <translation>■ Zatrzymano (proces zakończono siłą).</translation>
    </message>
    <message>
        <source>✗ 打包进程异常终止 (非正常退出)。</source>
        <translation>✗ Proces pakowania zakończył się nieprawidłowo (nienormalne wyjście).</translation>
    </message>
    <message>
        <source>打包进程异常终止 (崩溃或被强杀)</source>
        <translation>Proces pakowania zakończył się nieprawidłowo (awaria lub wymuszone zakończenie)</translation>
    </message>
    <message>
        <source>✓ 打包完成</source>
        <translation>✓ Pakowanie zakończone</translation>
    </message>
    <message>
        <source>✓ 打包完成: %1 (%2 MB)</source>
        <translation>✓ Pakowanie zakończone: %1 (%2 MB)</translation>
    </message>
    <message>
        <source>打包完成</source>
        <translation>Pakowanie zakończone</translation>
    </message>
    <message>
        <source>SACD ISO 已生成:
%1</source>
        <translation>Zapisano SACD ISO:
%1</translation>
    </message>
    <message>
        <source>⚠ 引擎报告成功但产物缺失/为空</source>
        <translation>⚠ Silnik zgłosił sukces, ale brak wyniku lub jest pusty</translation>
    </message>
    <message>
        <source>✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1</source>
        <translation>✗ Silnik zgłosił “SACD ISO created”, ale plik docelowy nie istnieje lub jest pusty: %1</translation>
    </message>
    <message>
        <source>进程结束 (退出码 0, 无产物)</source>
        <translation>Proces zakończony (kod 0, brak wyniku)</translation>
    </message>
    <message>
        <source>进程结束, 退出码 0, 未检测到产物。</source>
        <translation>Proces zakończył się kodem 0; nie wykryto pliku wyjściowego.</translation>
    </message>
    <message>
        <source>打包失败 (退出码 %1)</source>
        <translation>Pakowanie nie powiodło się (kod wyjścia %1)</translation>
    </message>
    <message>
        <source>✗ 打包失败, 退出码 %1。见上方错误信息。</source>
        <translation>✗ Pakowanie nie powiodło się, kod wyjścia %1. Zobacz komunikaty o błędach powyżej.</translation>
    </message>
    <message>
        <source>正在停止… (强制结束可能留下不完整 ISO)</source>
        <translation>Zatrzymywanie… (wymuszone zakończenie może pozostawić niekompletny plik ISO)</translation>
    </message>
    <message>
        <source>正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)</source>
        <translation>Wysyłam do rdzenia pakowania polecenie zatrzymania… (zatrzyma się na granicy utworu; już zapisane utwory pozostaną nienaruszone)</translation>
    </message>
    <message>
        <source>打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。</source>
        <translation>Rdzeń pakowania nie potwierdził zatrzymania w ciągu 2 s -- nadal kończy pracę, proszę czekać.</translation>
    </message>
    <message>
        <source>不完整产物</source>
        <translation>Niekompletny wynik</translation>
    </message>
    <message>
        <source>打包未完成, 目标文件可能不完整:
%1

删除该文件吗?</source>
        <translation>Pakowanie nie zostało ukończone; plik docelowy może być niekompletny:
%1

Usunąć go?</translation>
    </message>
    <message>
        <source>已删除不完整产物: %1</source>
        <translation>Usunięto niekompletny wynik: %1</translation>
    </message>
    <message>
        <source>警告: 无法删除不完整产物 %1</source>
        <translation>Ostrzeżenie: nie można usunąć niekompletnego wyniku %1</translation>
    </message>
    <message>
        <source>保留不完整产物: %1 (请勿直接使用)</source>
        <translation>Pozostawiono niekompletny wynik: %1 (nie używaj go w tej postaci)</translation>
    </message>
    <message>
        <source>未知进程错误</source>
        <translation>Nieznany błąd procesu</translation>
    </message>
    <message>
        <source>✗ 进程错误: %1</source>
        <translation>✗ Błąd procesu: %1</translation>
    </message>
    <message>
        <source>无法启动/运行打包引擎: %1</source>
        <translation>Nie można uruchomić silnika pakowania: %1</translation>
    </message>
    <message>
        <source>打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。

确定要退出吗?</source>
        <translation>Pakowanie nie zostało ukończone; zamknięcie okna zakończy proces i może pozostawić niekompletny plik ISO.

Zakończyć mimo to?</translation>
    </message>
    <message>
        <source>打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。

确定要退出吗?</source>
        <translation>Pakowanie działa wewnątrz procesu; zamknięcie okna natychmiast kończy program i może pozostawić niekompletny plik ISO (w tym trybie nie można zatrzymać w połowie).

Zakończyć mimo to?</translation>
    </message>
    <message>
        <source>打包进行中</source>
        <translation>Trwa pakowanie</translation>
    </message>
    <message>
        <source>AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)</source>
        <translation>Niepełny argument AUTORUN (potrzebny co najmniej 1 utwór + ścieżka wyjściowa)</translation>
    </message>
    <message>
        <source>AUTORUN: %1 个音轨 → %2</source>
        <translation>AUTORUN: utwory: %1 → %2</translation>
    </message>
    <message>
        <source>留空 = 使用文件内元数据</source>
        <translation>Puste = użyj metadanych z pliku</translation>
    </message>
    <message>
        <source>Orvi Lathe — SACD ISO 打包工具</source>
        <translation>Orvi Lathe — pakowanie SACD ISO</translation>
    </message>
    <message>
        <source>就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。</source>
        <translation>Gotowe. Dodaj pliki DSF/DFF do listy, ustaw wyjście i kliknij „Rozpocznij pakowanie”.</translation>
    </message>
    <message>
        <source>留空则自动生成: &lt;首轨目录&gt;/&lt;专辑或首轨名&gt;.iso</source>
        <translation>Puste = automatycznie: &lt;folder pierwszego utworu&gt;/&lt;album lub nazwa pierwszego utworu&gt;.iso</translation>
    </message>
    <message>
        <source>开：一次打包成功后自动关闭本窗口（适合命令行/批量调用的人）；关（默认）：保持打开。</source>
        <translation>Wł.: zamyka to okno po udanym pakowaniu (wygodne przy wywołaniu z wiersza poleceń/wsadowo); wył. (domyślnie): okno pozostaje otwarte.</translation>
    </message>
    <message>
        <source>运行日志:</source>
        <translation>Dziennik działania:</translation>
    </message>
    <message>
        <source>专辑 / 艺术家</source>
        <translation>Album / Wykonawca</translation>
    </message>
    <message>
        <source>发行信息</source>
        <translation>Informacje o wydaniu</translation>
    </message>
    <message>
        <source>封面 (嵌入 ISO)</source>
        <translation>Okładka (osadzona w ISO)</translation>
    </message>
    <message>
        <source>(无预览)</source>
        <translation>(brak podglądu)</translation>
    </message>
    <message>
        <source>选择…</source>
        <translation>Wybierz…</translation>
    </message>
    <message>
        <source>导入 CUE 可自动补全曲目标题/艺术家</source>
        <translation>Zaimportuj CUE, aby automatycznie uzupełnić tytuły/wykonawców utworów</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>音频 / DST 编码</source>
        <translation>Audio / kodowanie DST</translation>
    </message>
    <message>
        <source>DST 预测阶数, 越小编码越快、压缩率略低</source>
        <translation>Rząd predykcji DST; mniejszy = szybsze kodowanie, nieco słabsza kompresja</translation>
    </message>
    <message>
        <source>默认只压多声道; 勾上后 2 声道区同样做 DST 压缩 (与多数商业 SACD 一致)</source>
        <translation>Domyślnie DST kompresuje tylko obszar wielokanałowy; zaznacz, aby kompresować także obszar 2-kanałowy (jak w większości komercyjnych płyt SACD)</translation>
    </message>
    <message>
        <source>Orvi DSD Disc 模式</source>
        <translation>Tryb Orvi DSD Disc</translation>
    </message>
    <message>
        <source>音轨文件 (DSF/DFF)</source>
        <translation>Plik utworu (DSF/DFF)</translation>
    </message>
    <message>
        <source>标题 (可选)</source>
        <translation>Tytuł (opcjonalnie)</translation>
    </message>
    <message>
        <source>艺术家 (可选)</source>
        <translation>Wykonawca (opcjonalnie)</translation>
    </message>
    <message>
        <source>ISRC (可选)</source>
        <translation>ISRC (opcjonalnie)</translation>
    </message>
    <message>
        <source>ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041
留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示</source>
        <translation>ISRC (opcjonalnie), format CC-OOO-YY-DDDDD, np. FR-W01-02-00041
Puste = ten utwór nie ma ISRC; nieprawidłowa wartość zostanie odrzucona przy pakowaniu z komunikatem</translation>
    </message>
    <message>
        <source>可从文件管理器直接拖入 .dsf/.dff 文件</source>
        <translation>Pliki .dsf/.dff można przeciągnąć tutaj z menedżera plików</translation>
    </message>
    <message>
        <source>＋ 添加音轨文件…</source>
        <translation>＋ Dodaj pliki audio…</translation>
    </message>
    <message>
        <source>＋ 添加文件夹…</source>
        <translation>＋ Dodaj folder…</translation>
    </message>
    <message>
        <source>⇄ 导入 CUE…</source>
        <translation>⇄ Importuj CUE…</translation>
    </message>
    <message>
        <source>移除所选</source>
        <translation>Usuń zaznaczone</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>上移所选音轨</source>
        <translation>Przenieś zaznaczone utwory w górę</translation>
    </message>
    <message>
        <source>下移所选音轨</source>
        <translation>Przenieś zaznaczone utwory w dół</translation>
    </message>
    <message>
        <source>共 0 轨</source>
        <translation>Utworów łącznie: 0</translation>
    </message>
    <message>
        <source>共 %1 轨</source>
        <translation>Utworów łącznie: %1</translation>
    </message>
    <message>
        <source>已忽略重复文件: %1</source>
        <translation>Pominięto zduplikowany plik: %1</translation>
    </message>
    <message>
        <source>文件夹里没有找到 .dsf/.dff 文件: %1</source>
        <translation>Nie znaleziono plików .dsf/.dff w folderze: %1</translation>
    </message>
    <message>
        <source>已导入 CUE: %1</source>
        <translation>Zaimportowano CUE: %1</translation>
    </message>
    <message>
        <source>选择 DSD 音轨文件</source>
        <translation>Wybierz pliki audio DSD</translation>
    </message>
    <message>
        <source>DSD 音频 (*.dsf *.dff);;所有文件 (*)</source>
        <translation>Audio DSD (*.dsf *.dff);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>选择包含 DSF/DFF 的文件夹</source>
        <translation>Wybierz folder z plikami DSF/DFF</translation>
    </message>
    <message>
        <source>打包进行中, 请先停止再添加音轨。</source>
        <translation>Trwa pakowanie — zatrzymaj je przed dodaniem utworów.</translation>
    </message>
    <message>
        <source>选择 CUE 文件</source>
        <translation>Wybierz plik CUE</translation>
    </message>
    <message>
        <source>CUE 曲目表 (*.cue);;所有文件 (*)</source>
        <translation>Arkusze CUE (*.cue);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>已导入 CUE: %1 (标题/艺术家将在打包时应用)</source>
        <translation>Zaimportowano CUE: %1 (tytuły/wykonawcy zostaną zastosowane podczas pakowania)</translation>
    </message>
    <message>
        <source>已清除 CUE 设置。</source>
        <translation>Wyczyszczono CUE.</translation>
    </message>
    <message>
        <source>选择封面图片</source>
        <translation>Wybierz obraz okładki</translation>
    </message>
    <message>
        <source>图片 (*.jpg *.jpeg *.png);;所有文件 (*)</source>
        <translation>Obrazy (*.jpg *.jpeg *.png);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>封面</source>
        <translation>Okładka</translation>
    </message>
    <message>
        <source>无法解码该图片, 未采用: %1</source>
        <translation>Nie można zdekodować obrazu; nie użyto: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的 CUE: %1</source>
        <translation>automatycznie użyto CUE z tego samego folderu: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的封面: %1</source>
        <translation>automatycznie użyto okładki z tego samego folderu: %1</translation>
    </message>
    <message>
        <source>输出 SACD ISO</source>
        <translation>Wyjściowy SACD ISO</translation>
    </message>
    <message>
        <source>SACD ISO 镜像 (*.iso);;所有文件 (*)</source>
        <translation>Obraz SACD ISO (*.iso);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>Sprawdź aktualizacje…</translation>
    </message>
</context>
<context>
    <name>ReferencesGui</name>
    <message>
        <source>参考标准</source>
        <translation>Normy referencyjne</translation>
    </message>
    <message>
        <source>参考标准…</source>
        <translation>Normy referencyjne…</translation>
    </message>
    <message>
        <source>产品参照的公开标准与文献</source>
        <translation>Publiczne normy i literatura, na których opiera się ten produkt</translation>
    </message>
</context>
<context>
    <name>ThirdPartyGui</name>
    <message>
        <source>源码许可</source>
        <translation>Licencje źródłowe</translation>
    </message>
    <message>
        <source>源码许可…</source>
        <translation>Licencje źródłowe…</translation>
    </message>
    <message>
        <source>第三方组件与开源许可清单</source>
        <translation>Lista komponentów zewnętrznych i licencji open source</translation>
    </message>
</context>
<context>
    <name>PackSession</name>
    <message>
        <source>进程内会话起不来 (rc=%1)</source>
        <translation>nie udało się uruchomić sesji wewnątrz procesu (rc=%1)</translation>
    </message>
</context>
<context>
    <name>UiLangRow</name>
    <message>
        <source>语言</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Zgodnie z systemem</translation>
    </message>
    <message>
        <source>界面语言。切换后程序会重启一次以便整套界面换语言。</source>
        <translation>Język interfejsu. Program uruchomi się ponownie jeden raz, aby cały interfejs zmienił język.</translation>
    </message>
    <message>
        <source>界面语言已切换，程序将自动重启一次以生效。</source>
        <translation>Zmieniono język interfejsu. Program automatycznie uruchomi się ponownie jeden raz, aby go zastosować.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>无法获取更新清单: %1</source>
        <translation>Nie można pobrać manifestu aktualizacji: %1</translation>
    </message>
    <message>
        <source>更新清单格式不对 (%1)</source>
        <translation>Manifest aktualizacji jest nieprawidłowy (%1)</translation>
    </message>
    <message>
        <source>更新清单里没有版本号</source>
        <translation>Manifest aktualizacji nie zawiera numeru wersji</translation>
    </message>
    <message>
        <source>清单里没有适用于本机 (%1) 的更新载荷</source>
        <translation>Manifest nie zawiera pakietu aktualizacji dla tego komputera (%1)</translation>
    </message>
    <message>
        <source>清单里既没有覆盖载荷也没有安装包</source>
        <translation>Manifest nie zawiera ani pakietu nadpisującego, ani instalatora</translation>
    </message>
    <message>
        <source>无法写入临时文件: %1</source>
        <translation>Nie można zapisać pliku tymczasowego: %1</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>Pobieranie nie powiodło się: %1</translation>
    </message>
    <message>
        <source>无法读取下载的文件: %1</source>
        <translation>Nie można odczytać pobranego pliku: %1</translation>
    </message>
    <message>
        <source>计算校验和失败: %1</source>
        <translation>Nie udało się obliczyć sumy kontrolnej: %1</translation>
    </message>
    <message>
        <source>校验和不匹配, 已丢弃 (期望 %1, 实际 %2)</source>
        <translation>Niezgodna suma kontrolna, odrzucono (oczekiwano %1, otrzymano %2)</translation>
    </message>
    <message>
        <source>下载文件大小不符 (期望 %1 字节, 实际 %2)</source>
        <translation>Niezgodny rozmiar pobranego pliku (oczekiwano %1 bajtów, otrzymano %2)</translation>
    </message>
    <message>
        <source>覆盖载荷不可用 (%1)，改用安装包</source>
        <translation>Pakiet nadpisujący nie nadaje się do użycia (%1); używam instalatora</translation>
    </message>
    <message>
        <source>没有可用的更新载荷</source>
        <translation>Brak użytecznego pakietu aktualizacji</translation>
    </message>
    <message>
        <source>无法写更新脚本: %1</source>
        <translation>Nie można zapisać skryptu aktualizacji: %1</translation>
    </message>
    <message>
        <source>提权启动更新失败 (错误码 %1)。载荷已下载并校验通过, 可手动更新:</source>
        <translation>Nie udało się uruchomić aktualizacji z podwyższonymi uprawnieniami (błąd %1). Pakiet został pobrany i zweryfikowany; możesz zaktualizować ręcznie:</translation>
    </message>
    <message>
        <source>更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。</source>
        <translation>Aktualizacja została pobrana i zweryfikowana. Program zostanie zamknięty; system dokończy aktualizację i automatycznie uruchomi go ponownie.</translation>
    </message>
</context>
<context>
    <name>UpdateUi</name>
    <message>
        <source>正在检查更新…</source>
        <translation>Sprawdzanie aktualizacji…</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>已是最新版本 (%1)。服务器上的最新版本为 %2。</source>
        <translation>Masz najnowszą wersję (%1). Najnowsza wersja na serwerze to %2.</translation>
    </message>
    <message>
        <source>检查更新失败：</source>
        <translation>Sprawdzanie aktualizacji nie powiodło się:</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>Dostępna nowa wersja</translation>
    </message>
    <message>
        <source>发现新版本 %1（当前 %2）。</source>
        <translation>Dostępna jest wersja %1 (masz %2).</translation>
    </message>
    <message>
        <source>发布日期：%1</source>
        <translation>Data wydania: %1</translation>
    </message>
    <message>
        <source>更新说明：%1</source>
        <translation>Informacje o wydaniu: %1</translation>
    </message>
    <message>
        <source>下载并更新</source>
        <translation>Pobierz i zaktualizuj</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>Otwórz stronę pobierania</translation>
    </message>
    <message>
        <source>稍后</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>正在下载更新…</source>
        <translation>Pobieranie aktualizacji…</translation>
    </message>
    <message>
        <source>下载更新</source>
        <translation>Pobieranie aktualizacji</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>程序现在退出。</source>
        <translation>Program zostanie teraz zamknięty.</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Aktualizacja nie powiodła się</translation>
    </message>
</context>
</TS>
