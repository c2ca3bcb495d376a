<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>PackGuiWindow</name>
    <message>
        <source>▶  开始打包</source>
        <translation>▶  Начать сборку</translation>
    </message>
    <message>
        <source>专辑:</source>
        <translation>Альбом:</translation>
    </message>
    <message>
        <source>艺术家:</source>
        <translation>Исполнитель:</translation>
    </message>
    <message>
        <source>厂牌:</source>
        <translation>Лейбл:</translation>
    </message>
    <message>
        <source>作曲:</source>
        <translation>Композитор:</translation>
    </message>
    <message>
        <source>指挥:</source>
        <translation>Дирижёр:</translation>
    </message>
    <message>
        <source>乐团:</source>
        <translation>Оркестр:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Жанр:</translation>
    </message>
    <message>
        <source>年份:</source>
        <translation>Год:</translation>
    </message>
    <message>
        <source>日期 (YYYY-MM-DD):</source>
        <translation>Дата (YYYY-MM-DD):</translation>
    </message>
    <message>
        <source>目录号:</source>
        <translation>Каталожный №:</translation>
    </message>
    <message>
        <source>条码 / UPC:</source>
        <translation>Штрихкод / UPC:</translation>
    </message>
    <message>
        <source>版权:</source>
        <translation>Авторские права:</translation>
    </message>
    <message>
        <source>碟号:</source>
        <translation>Диск:</translation>
    </message>
    <message>
        <source>如 1</source>
        <translation>напр. 1</translation>
    </message>
    <message>
        <source>总碟数</source>
        <translation>всего</translation>
    </message>
    <message>
        <source>CUE 曲目表 (可选)</source>
        <translation>CUE-файл (необязательно)</translation>
    </message>
    <message>
        <source>音轨间暂停帧数:</source>
        <translation>Пауза между треками, кадров:</translation>
    </message>
    <message>
        <source>音轨之间的静音帧数 (44100 帧 = 1 秒)</source>
        <translation>Кадры тишины между треками (44100 кадров = 1 секунда)</translation>
    </message>
    <message>
        <source>DST 压缩阶数:</source>
        <translation>Порядок сжатия DST:</translation>
    </message>
    <message>
        <source>多声道音轨存原始 DSD, 不压 DST (--no-encode)</source>
        <translation>Хранить многоканальные треки как несжатый DSD вместо DST (--no-encode)</translation>
    </message>
    <message>
        <source>立体声区也压 DST (--dst-stereo)</source>
        <translation>Сжимать DST и стереообласть (--dst-stereo)</translation>
    </message>
    <message>
        <source>构建 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)</source>
        <translation>Собрать Orvi DSD Disc вместо SACD ISO (--dsd-disc)</translation>
    </message>
    <message>
        <source>光盘标题:</source>
        <translation>Название диска:</translation>
    </message>
    <message>
        <source>默认 ALBUM</source>
        <translation>По умолчанию ALBUM</translation>
    </message>
    <message>
        <source>自动生成 .ovp 播放列表</source>
        <translation>Автоматически создать плейлист .ovp</translation>
    </message>
    <message>
        <source>输出:</source>
        <translation>Вывод:</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>没有音轨</source>
        <translation>Нет треков</translation>
    </message>
    <message>
        <source>请先添加 DSF/DFF 音轨文件。</source>
        <translation>Сначала добавьте аудиофайлы DSF/DFF.</translation>
    </message>
    <message>
        <source>找不到打包引擎</source>
        <translation>Движок сборки не найден</translation>
    </message>
    <message>
        <source>未找到 OrviLathe。请将其放到本程序同目录,
或设置环境变量 ORVI_LATHE_BIN。</source>
        <translation>OrviLathe не найден. Поместите его рядом с этой программой
или задайте переменную окружения ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>输出未指定, 使用: %1</source>
        <translation>Вывод не указан, используется: %1</translation>
    </message>
    <message>
        <source>输出路径无效</source>
        <translation>Недопустимый путь вывода</translation>
    </message>
    <message>
        <source>输出目录不存在:
%1

请选择有效的保存位置。</source>
        <translation>Папка вывода не существует:
%1

Выберите допустимое место сохранения.</translation>
    </message>
    <message>
        <source>环境变量 ORVI_LATHE_BIN</source>
        <translation>переменная окружения ORVI_LATHE_BIN</translation>
    </message>
    <message>
        <source>程序同目录</source>
        <translation>папка этой программы</translation>
    </message>
    <message>
        <source>开发构建 (build/)</source>
        <translation>сборка для разработки (build/)</translation>
    </message>
    <message>
        <source>本程序自身 (未找到 CLI)</source>
        <translation>сама эта программа (CLI не найден)</translation>
    </message>
    <message>
        <source>打包引擎: %1 (来源: %2)</source>
        <translation>Движок сборки: %1 (источник: %2)</translation>
    </message>
    <message>
        <source>说明: 本程序自己就是打包核的宿主(进程内跑核), 不需要另外的 CLI 程序。</source>
        <translation>Примечание: эта программа сама содержит ядро сборки (запускает его внутри своего процесса); отдельная CLI-программа не нужна.</translation>
    </message>
    <message>
        <source>打包引擎: %1</source>
        <translation>Движок сборки: %1</translation>
    </message>
    <message>
        <source>(未找到!)</source>
        <translation>(не найден!)</translation>
    </message>
    <message>
        <source>⚠ 未找到打包引擎 OrviLathe。请把它放到本程序同目录, 或设置环境变量 ORVI_LATHE_BIN 指向它。</source>
        <translation>⚠ Движок сборки OrviLathe не найден. Поместите его в папку этой программы или задайте переменную окружения ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>打包完成后自动关窗（默认关）</source>
        <translation>Закрыть окно по окончании сборки (по умолчанию выкл.)</translation>
    </message>
    <message>
        <source>■  停止</source>
        <translation>■  Стоп</translation>
    </message>
    <message>
        <source>光盘信息</source>
        <translation>Сведения о диске</translation>
    </message>
    <message>
        <source>打包选项</source>
        <translation>Параметры сборки</translation>
    </message>
    <message>
        <source>打开输出文件夹</source>
        <translation>Открыть папку вывода</translation>
    </message>
    <message>
        <source>── %1 开始打包 ──</source>
        <translation>── %1 начало сборки ──</translation>
    </message>
    <message>
        <source>打包进行中…</source>
        <translation>Идёт сборка…</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 已删除 (%1)</source>
        <translation>■ Остановлено: незавершённый ISO удалён (%1)</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)</source>
        <translation>■ Остановлено: незавершённый ISO сохранён (возможно, он занят; удалите его вручную)</translation>
    </message>
    <message>
        <source>■ 已停止</source>
        <translation>■ Остановлено</translation>
    </message>
    <message>
        <source>■ 已停止(强制结束进程)。</source>
        <translation>■ Остановлено (процесс принудительно завершён).</translation>
    </message>
    <message>
        <source>✗ 打包进程异常终止 (非正常退出)。</source>
        <translation>✗ Процесс сборки завершился аварийно (ненормальный выход).</translation>
    </message>
    <message>
        <source>打包进程异常终止 (崩溃或被强杀)</source>
        <translation>Процесс сборки завершился аварийно (сбой или принудительное завершение)</translation>
    </message>
    <message>
        <source>✓ 打包完成</source>
        <translation>✓ Сборка завершена</translation>
    </message>
    <message>
        <source>✓ 打包完成: %1 (%2 MB)</source>
        <translation>✓ Сборка завершена: %1 (%2 МБ)</translation>
    </message>
    <message>
        <source>打包完成</source>
        <translation>Сборка завершена</translation>
    </message>
    <message>
        <source>SACD ISO 已生成:
%1</source>
        <translation>SACD ISO записан:
%1</translation>
    </message>
    <message>
        <source>⚠ 引擎报告成功但产物缺失/为空</source>
        <translation>⚠ Движок сообщил об успехе, но результат отсутствует или пуст</translation>
    </message>
    <message>
        <source>✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1</source>
        <translation>✗ Движок сообщил “SACD ISO created”, но целевой файл отсутствует или пуст: %1</translation>
    </message>
    <message>
        <source>进程结束 (退出码 0, 无产物)</source>
        <translation>Процесс завершён (код 0, нет результата)</translation>
    </message>
    <message>
        <source>进程结束, 退出码 0, 未检测到产物。</source>
        <translation>Процесс завершился с кодом 0; выходной файл не обнаружен.</translation>
    </message>
    <message>
        <source>打包失败 (退出码 %1)</source>
        <translation>Сборка не удалась (код выхода %1)</translation>
    </message>
    <message>
        <source>✗ 打包失败, 退出码 %1。见上方错误信息。</source>
        <translation>✗ Сборка не удалась, код выхода %1. См. сообщения об ошибках выше.</translation>
    </message>
    <message>
        <source>正在停止… (强制结束可能留下不完整 ISO)</source>
        <translation>Остановка… (принудительное завершение может оставить незавершённый ISO)</translation>
    </message>
    <message>
        <source>正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)</source>
        <translation>Ядру сборки отправлен сигнал остановки… (оно остановится на границе трека; уже записанные треки останутся целыми)</translation>
    </message>
    <message>
        <source>打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。</source>
        <translation>Ядро сборки не подтвердило остановку за 2 с -- завершает работу, подождите.</translation>
    </message>
    <message>
        <source>不完整产物</source>
        <translation>Незавершённый результат</translation>
    </message>
    <message>
        <source>打包未完成, 目标文件可能不完整:
%1

删除该文件吗?</source>
        <translation>Сборка не завершена; целевой файл может быть неполным:
%1

Удалить его?</translation>
    </message>
    <message>
        <source>已删除不完整产物: %1</source>
        <translation>Незавершённый результат удалён: %1</translation>
    </message>
    <message>
        <source>警告: 无法删除不完整产物 %1</source>
        <translation>Предупреждение: не удалось удалить незавершённый результат %1</translation>
    </message>
    <message>
        <source>保留不完整产物: %1 (请勿直接使用)</source>
        <translation>Незавершённый результат сохранён: %1 (не используйте его как есть)</translation>
    </message>
    <message>
        <source>未知进程错误</source>
        <translation>Неизвестная ошибка процесса</translation>
    </message>
    <message>
        <source>✗ 进程错误: %1</source>
        <translation>✗ Ошибка процесса: %1</translation>
    </message>
    <message>
        <source>无法启动/运行打包引擎: %1</source>
        <translation>Не удалось запустить/выполнить движок сборки: %1</translation>
    </message>
    <message>
        <source>打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。

确定要退出吗?</source>
        <translation>Сборка не завершена; закрытие окна завершит процесс и может оставить незавершённый ISO.

Всё равно выйти?</translation>
    </message>
    <message>
        <source>打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。

确定要退出吗?</source>
        <translation>Сборка идёт внутри процесса; закрытие окна приведёт к немедленному выходу и оставит незавершённый ISO (в этом режиме остановка на полпути невозможна).

Всё равно выйти?</translation>
    </message>
    <message>
        <source>打包进行中</source>
        <translation>Идёт сборка</translation>
    </message>
    <message>
        <source>AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)</source>
        <translation>Аргумент AUTORUN неполон (нужен хотя бы 1 трек + путь вывода)</translation>
    </message>
    <message>
        <source>AUTORUN: %1 个音轨 → %2</source>
        <translation>AUTORUN: треков: %1 → %2</translation>
    </message>
    <message>
        <source>留空 = 使用文件内元数据</source>
        <translation>Пусто = использовать метаданные из файла</translation>
    </message>
    <message>
        <source>Orvi Lathe — SACD ISO 打包工具</source>
        <translation>Orvi Lathe — сборка SACD ISO</translation>
    </message>
    <message>
        <source>就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。</source>
        <translation>Готово. Добавьте файлы DSF/DFF в список, задайте вывод и нажмите «Начать сборку».</translation>
    </message>
    <message>
        <source>留空则自动生成: &lt;首轨目录&gt;/&lt;专辑或首轨名&gt;.iso</source>
        <translation>Пусто — автоматически: &lt;папка первого трека&gt;/&lt;альбом или имя первого трека&gt;.iso</translation>
    </message>
    <message>
        <source>开：一次打包成功后自动关闭本窗口（适合命令行/批量调用的人）；关（默认）：保持打开。</source>
        <translation>Вкл.: закрывать это окно после успешной сборки (удобно при запуске из командной строки/пакетном режиме); выкл. (по умолчанию): оставлять открытым.</translation>
    </message>
    <message>
        <source>运行日志:</source>
        <translation>Журнал выполнения:</translation>
    </message>
    <message>
        <source>专辑 / 艺术家</source>
        <translation>Альбом / Исполнитель</translation>
    </message>
    <message>
        <source>发行信息</source>
        <translation>Сведения о выпуске</translation>
    </message>
    <message>
        <source>封面 (嵌入 ISO)</source>
        <translation>Обложка (встраивается в ISO)</translation>
    </message>
    <message>
        <source>(无预览)</source>
        <translation>(нет превью)</translation>
    </message>
    <message>
        <source>选择…</source>
        <translation>Выбрать…</translation>
    </message>
    <message>
        <source>导入 CUE 可自动补全曲目标题/艺术家</source>
        <translation>Импорт CUE позволяет автоматически заполнить названия/исполнителей треков</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>音频 / DST 编码</source>
        <translation>Аудио / кодирование DST</translation>
    </message>
    <message>
        <source>DST 预测阶数, 越小编码越快、压缩率略低</source>
        <translation>Порядок предсказания DST; меньше = быстрее кодирование, чуть слабее сжатие</translation>
    </message>
    <message>
        <source>默认只压多声道; 勾上后 2 声道区同样做 DST 压缩 (与多数商业 SACD 一致)</source>
        <translation>По умолчанию DST сжимается только многоканальная область; отметьте, чтобы сжимать и 2-канальную (как в большинстве коммерческих SACD)</translation>
    </message>
    <message>
        <source>Orvi DSD Disc 模式</source>
        <translation>Режим Orvi DSD Disc</translation>
    </message>
    <message>
        <source>音轨文件 (DSF/DFF)</source>
        <translation>Файл трека (DSF/DFF)</translation>
    </message>
    <message>
        <source>标题 (可选)</source>
        <translation>Название (необязательно)</translation>
    </message>
    <message>
        <source>艺术家 (可选)</source>
        <translation>Исполнитель (необязательно)</translation>
    </message>
    <message>
        <source>ISRC (可选)</source>
        <translation>ISRC (необязательно)</translation>
    </message>
    <message>
        <source>ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041
留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示</source>
        <translation>ISRC (необязательно), формат CC-OOO-YY-DDDDD, напр. FR-W01-02-00041
Пусто = у трека нет ISRC; недопустимое значение будет отклонено при сборке с сообщением</translation>
    </message>
    <message>
        <source>可从文件管理器直接拖入 .dsf/.dff 文件</source>
        <translation>Файлы .dsf/.dff можно перетащить сюда из файлового менеджера</translation>
    </message>
    <message>
        <source>＋ 添加音轨文件…</source>
        <translation>＋ Добавить аудиофайлы…</translation>
    </message>
    <message>
        <source>＋ 添加文件夹…</source>
        <translation>＋ Добавить папку…</translation>
    </message>
    <message>
        <source>⇄ 导入 CUE…</source>
        <translation>⇄ Импорт CUE…</translation>
    </message>
    <message>
        <source>移除所选</source>
        <translation>Удалить выбранные</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>上移所选音轨</source>
        <translation>Переместить выбранные треки вверх</translation>
    </message>
    <message>
        <source>下移所选音轨</source>
        <translation>Переместить выбранные треки вниз</translation>
    </message>
    <message>
        <source>共 0 轨</source>
        <translation>Всего треков: 0</translation>
    </message>
    <message>
        <source>共 %1 轨</source>
        <translation>Всего треков: %1</translation>
    </message>
    <message>
        <source>已忽略重复文件: %1</source>
        <translation>Повторный файл пропущен: %1</translation>
    </message>
    <message>
        <source>文件夹里没有找到 .dsf/.dff 文件: %1</source>
        <translation>В папке не найдено файлов .dsf/.dff: %1</translation>
    </message>
    <message>
        <source>已导入 CUE: %1</source>
        <translation>CUE импортирован: %1</translation>
    </message>
    <message>
        <source>选择 DSD 音轨文件</source>
        <translation>Выберите аудиофайлы DSD</translation>
    </message>
    <message>
        <source>DSD 音频 (*.dsf *.dff);;所有文件 (*)</source>
        <translation>Аудио DSD (*.dsf *.dff);;Все файлы (*)</translation>
    </message>
    <message>
        <source>选择包含 DSF/DFF 的文件夹</source>
        <translation>Выберите папку с файлами DSF/DFF</translation>
    </message>
    <message>
        <source>打包进行中, 请先停止再添加音轨。</source>
        <translation>Идёт сборка — остановите её, прежде чем добавлять треки.</translation>
    </message>
    <message>
        <source>选择 CUE 文件</source>
        <translation>Выберите CUE-файл</translation>
    </message>
    <message>
        <source>CUE 曲目表 (*.cue);;所有文件 (*)</source>
        <translation>CUE-файлы (*.cue);;Все файлы (*)</translation>
    </message>
    <message>
        <source>已导入 CUE: %1 (标题/艺术家将在打包时应用)</source>
        <translation>CUE импортирован: %1 (названия/исполнители будут применены при сборке)</translation>
    </message>
    <message>
        <source>已清除 CUE 设置。</source>
        <translation>CUE сброшен.</translation>
    </message>
    <message>
        <source>选择封面图片</source>
        <translation>Выберите изображение обложки</translation>
    </message>
    <message>
        <source>图片 (*.jpg *.jpeg *.png);;所有文件 (*)</source>
        <translation>Изображения (*.jpg *.jpeg *.png);;Все файлы (*)</translation>
    </message>
    <message>
        <source>封面</source>
        <translation>Обложка</translation>
    </message>
    <message>
        <source>无法解码该图片, 未采用: %1</source>
        <translation>Не удалось декодировать изображение, оно не используется: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的 CUE: %1</source>
        <translation>автоматически используется CUE из той же папки: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的封面: %1</source>
        <translation>автоматически используется обложка из той же папки: %1</translation>
    </message>
    <message>
        <source>输出 SACD ISO</source>
        <translation>Вывод SACD ISO</translation>
    </message>
    <message>
        <source>SACD ISO 镜像 (*.iso);;所有文件 (*)</source>
        <translation>Образ SACD ISO (*.iso);;Все файлы (*)</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>Проверить обновления…</translation>
    </message>
</context>
<context>
    <name>ReferencesGui</name>
    <message>
        <source>参考标准</source>
        <translation>Справочные стандарты</translation>
    </message>
    <message>
        <source>参考标准…</source>
        <translation>Справочные стандарты…</translation>
    </message>
    <message>
        <source>产品参照的公开标准与文献</source>
        <translation>Открытые стандарты и литература, на которые опирается продукт</translation>
    </message>
</context>
<context>
    <name>ThirdPartyGui</name>
    <message>
        <source>源码许可</source>
        <translation>Лицензии исходного кода</translation>
    </message>
    <message>
        <source>源码许可…</source>
        <translation>Лицензии исходного кода…</translation>
    </message>
    <message>
        <source>第三方组件与开源许可清单</source>
        <translation>Список сторонних компонентов и лицензий с открытым кодом</translation>
    </message>
</context>
<context>
    <name>PackSession</name>
    <message>
        <source>进程内会话起不来 (rc=%1)</source>
        <translation>не удалось запустить сеанс внутри процесса (rc=%1)</translation>
    </message>
</context>
<context>
    <name>UiLangRow</name>
    <message>
        <source>语言</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>界面语言。切换后程序会重启一次以便整套界面换语言。</source>
        <translation>Язык интерфейса. Программа перезапустится один раз, чтобы сменить язык всего интерфейса.</translation>
    </message>
    <message>
        <source>界面语言已切换，程序将自动重启一次以生效。</source>
        <translation>Язык интерфейса изменён. Программа автоматически перезапустится один раз, чтобы применить его.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>无法获取更新清单: %1</source>
        <translation>Не удалось получить манифест обновления: %1</translation>
    </message>
    <message>
        <source>更新清单格式不对 (%1)</source>
        <translation>Манифест обновления повреждён (%1)</translation>
    </message>
    <message>
        <source>更新清单里没有版本号</source>
        <translation>В манифесте обновления нет номера версии</translation>
    </message>
    <message>
        <source>清单里没有适用于本机 (%1) 的更新载荷</source>
        <translation>В манифесте нет пакета обновления для этого компьютера (%1)</translation>
    </message>
    <message>
        <source>清单里既没有覆盖载荷也没有安装包</source>
        <translation>В манифесте нет ни пакета для замены файлов, ни установщика</translation>
    </message>
    <message>
        <source>无法写入临时文件: %1</source>
        <translation>Не удалось записать временный файл: %1</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>Ошибка загрузки: %1</translation>
    </message>
    <message>
        <source>无法读取下载的文件: %1</source>
        <translation>Не удалось прочитать загруженный файл: %1</translation>
    </message>
    <message>
        <source>计算校验和失败: %1</source>
        <translation>Не удалось вычислить контрольную сумму: %1</translation>
    </message>
    <message>
        <source>校验和不匹配, 已丢弃 (期望 %1, 实际 %2)</source>
        <translation>Контрольная сумма не совпадает, файл отброшен (ожидалось %1, получено %2)</translation>
    </message>
    <message>
        <source>下载文件大小不符 (期望 %1 字节, 实际 %2)</source>
        <translation>Размер загруженного файла не совпадает (ожидалось %1 байт, получено %2)</translation>
    </message>
    <message>
        <source>覆盖载荷不可用 (%1)，改用安装包</source>
        <translation>Пакет для замены файлов непригоден (%1); используется установщик</translation>
    </message>
    <message>
        <source>没有可用的更新载荷</source>
        <translation>Нет пригодного пакета обновления</translation>
    </message>
    <message>
        <source>无法写更新脚本: %1</source>
        <translation>Не удалось записать сценарий обновления: %1</translation>
    </message>
    <message>
        <source>提权启动更新失败 (错误码 %1)。载荷已下载并校验通过, 可手动更新:</source>
        <translation>Не удалось запустить обновление с повышенными правами (ошибка %1). Пакет загружен и проверен; можно обновить вручную:</translation>
    </message>
    <message>
        <source>更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。</source>
        <translation>Обновление загружено и проверено. Программа закроется; система завершит обновление и автоматически перезапустит её.</translation>
    </message>
</context>
<context>
    <name>UpdateUi</name>
    <message>
        <source>正在检查更新…</source>
        <translation>Проверка обновлений…</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Проверка обновлений</translation>
    </message>
    <message>
        <source>已是最新版本 (%1)。服务器上的最新版本为 %2。</source>
        <translation>У вас последняя версия (%1). Последняя версия на сервере — %2.</translation>
    </message>
    <message>
        <source>检查更新失败：</source>
        <translation>Не удалось проверить обновления:</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>Доступна новая версия</translation>
    </message>
    <message>
        <source>发现新版本 %1（当前 %2）。</source>
        <translation>Доступна версия %1 (у вас %2).</translation>
    </message>
    <message>
        <source>发布日期：%1</source>
        <translation>Дата выпуска: %1</translation>
    </message>
    <message>
        <source>更新说明：%1</source>
        <translation>Примечания к выпуску: %1</translation>
    </message>
    <message>
        <source>下载并更新</source>
        <translation>Загрузить и обновить</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>Открыть страницу загрузки</translation>
    </message>
    <message>
        <source>稍后</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>正在下载更新…</source>
        <translation>Загрузка обновления…</translation>
    </message>
    <message>
        <source>下载更新</source>
        <translation>Загрузка обновления</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>程序现在退出。</source>
        <translation>Программа сейчас закроется.</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Ошибка обновления</translation>
    </message>
</context>
</TS>
