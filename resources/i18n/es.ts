<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>PackGuiWindow</name>
    <message>
        <source>▶  开始打包</source>
        <translation>▶  Iniciar empaquetado</translation>
    </message>
    <message>
        <source>专辑:</source>
        <translation>Álbum:</translation>
    </message>
    <message>
        <source>艺术家:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>厂牌:</source>
        <translation>Sello:</translation>
    </message>
    <message>
        <source>作曲:</source>
        <translation>Compositor:</translation>
    </message>
    <message>
        <source>指挥:</source>
        <translation>Director:</translation>
    </message>
    <message>
        <source>乐团:</source>
        <translation>Orquesta:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Género:</translation>
    </message>
    <message>
        <source>年份:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>日期 (YYYY-MM-DD):</source>
        <translation>Fecha (YYYY-MM-DD):</translation>
    </message>
    <message>
        <source>目录号:</source>
        <translation>N.º de catálogo:</translation>
    </message>
    <message>
        <source>条码 / UPC:</source>
        <translation>Código de barras / UPC:</translation>
    </message>
    <message>
        <source>版权:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>碟号:</source>
        <translation>Disco:</translation>
    </message>
    <message>
        <source>如 1</source>
        <translation>p. ej. 1</translation>
    </message>
    <message>
        <source>总碟数</source>
        <translation>total</translation>
    </message>
    <message>
        <source>CUE 曲目表 (可选)</source>
        <translation>Hoja CUE (opcional)</translation>
    </message>
    <message>
        <source>音轨间暂停帧数:</source>
        <translation>Tramas de pausa entre pistas:</translation>
    </message>
    <message>
        <source>音轨之间的静音帧数 (44100 帧 = 1 秒)</source>
        <translation>Tramas de silencio entre pistas (44100 tramas = 1 segundo)</translation>
    </message>
    <message>
        <source>DST 压缩阶数:</source>
        <translation>Orden de compresión DST:</translation>
    </message>
    <message>
        <source>多声道音轨存原始 DSD, 不压 DST (--no-encode)</source>
        <translation>Guardar multicanal como DSD sin comprimir en lugar de DST (--no-encode)</translation>
    </message>
    <message>
        <source>立体声区也压 DST (--dst-stereo)</source>
        <translation>Comprimir también el área estéreo con DST (--dst-stereo)</translation>
    </message>
    <message>
        <source>构建 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)</source>
        <translation>Crear un Orvi DSD Disc en lugar de un SACD ISO (--dsd-disc)</translation>
    </message>
    <message>
        <source>光盘标题:</source>
        <translation>Título del disco:</translation>
    </message>
    <message>
        <source>默认 ALBUM</source>
        <translation>Predeterminado ALBUM</translation>
    </message>
    <message>
        <source>自动生成 .ovp 播放列表</source>
        <translation>Generar automáticamente una lista de reproducción .ovp</translation>
    </message>
    <message>
        <source>输出:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>没有音轨</source>
        <translation>No hay pistas</translation>
    </message>
    <message>
        <source>请先添加 DSF/DFF 音轨文件。</source>
        <translation>Primero añada archivos de audio DSF/DFF.</translation>
    </message>
    <message>
        <source>找不到打包引擎</source>
        <translation>No se encuentra el motor de empaquetado</translation>
    </message>
    <message>
        <source>未找到 OrviLathe。请将其放到本程序同目录,
或设置环境变量 ORVI_LATHE_BIN。</source>
        <translation>No se encontró OrviLathe. Colóquelo junto a este programa
o defina la variable de entorno ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>输出未指定, 使用: %1</source>
        <translation>Salida no especificada, se usa: %1</translation>
    </message>
    <message>
        <source>输出路径无效</source>
        <translation>Ruta de salida no válida</translation>
    </message>
    <message>
        <source>输出目录不存在:
%1

请选择有效的保存位置。</source>
        <translation>La carpeta de salida no existe:
%1

Elija una ubicación válida.</translation>
    </message>
    <message>
        <source>环境变量 ORVI_LATHE_BIN</source>
        <translation>variable de entorno ORVI_LATHE_BIN</translation>
    </message>
    <message>
        <source>程序同目录</source>
        <translation>misma carpeta que este programa</translation>
    </message>
    <message>
        <source>开发构建 (build/)</source>
        <translation>compilación de desarrollo (build/)</translation>
    </message>
    <message>
        <source>本程序自身 (未找到 CLI)</source>
        <translation>este mismo programa (CLI no encontrado)</translation>
    </message>
    <message>
        <source>打包引擎: %1 (来源: %2)</source>
        <translation>Motor de empaquetado: %1 (origen: %2)</translation>
    </message>
    <message>
        <source>说明: 本程序自己就是打包核的宿主(进程内跑核), 不需要另外的 CLI 程序。</source>
        <translation>Nota: este programa aloja el núcleo de empaquetado (lo ejecuta dentro de su propio proceso); no hace falta un programa CLI aparte.</translation>
    </message>
    <message>
        <source>打包引擎: %1</source>
        <translation>Motor de empaquetado: %1</translation>
    </message>
    <message>
        <source>(未找到!)</source>
        <translation>(¡no encontrado!)</translation>
    </message>
    <message>
        <source>⚠ 未找到打包引擎 OrviLathe。请把它放到本程序同目录, 或设置环境变量 ORVI_LATHE_BIN 指向它。</source>
        <translation>⚠ No se encontró el motor de empaquetado OrviLathe. Colóquelo en la misma carpeta que este programa o defina la variable de entorno ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>打包完成后自动关窗（默认关）</source>
        <translation>Cerrar la ventana al terminar el empaquetado (desactivado por defecto)</translation>
    </message>
    <message>
        <source>■  停止</source>
        <translation>■  Detener</translation>
    </message>
    <message>
        <source>光盘信息</source>
        <translation>Información del disco</translation>
    </message>
    <message>
        <source>打包选项</source>
        <translation>Opciones de empaquetado</translation>
    </message>
    <message>
        <source>打开输出文件夹</source>
        <translation>Abrir carpeta de salida</translation>
    </message>
    <message>
        <source>── %1 开始打包 ──</source>
        <translation>── %1 inicio del empaquetado ──</translation>
    </message>
    <message>
        <source>打包进行中…</source>
        <translation>Empaquetado en curso…</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 已删除 (%1)</source>
        <translation>■ Detenido: se eliminó la ISO incompleta (%1)</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)</source>
        <translation>■ Detenido: se conservó la ISO incompleta (puede estar bloqueada; elimínela manualmente)</translation>
    </message>
    <message>
        <source>■ 已停止</source>
        <translation>■ Detenido</translation>
    </message>
    <message>
        <source>■ 已停止(强制结束进程)。</source>
        <translation>■ Detenido (proceso terminado a la fuerza).</translation>
    </message>
    <message>
        <source>✗ 打包进程异常终止 (非正常退出)。</source>
        <translation>✗ El proceso de empaquetado terminó de forma anómala (salida no normal).</translation>
    </message>
    <message>
        <source>打包进程异常终止 (崩溃或被强杀)</source>
        <translation>El proceso de empaquetado terminó de forma anómala (bloqueo o cierre forzado)</translation>
    </message>
    <message>
        <source>✓ 打包完成</source>
        <translation>✓ Empaquetado terminado</translation>
    </message>
    <message>
        <source>✓ 打包完成: %1 (%2 MB)</source>
        <translation>✓ Empaquetado terminado: %1 (%2 MB)</translation>
    </message>
    <message>
        <source>打包完成</source>
        <translation>Empaquetado terminado</translation>
    </message>
    <message>
        <source>SACD ISO 已生成:
%1</source>
        <translation>SACD ISO creada:
%1</translation>
    </message>
    <message>
        <source>⚠ 引擎报告成功但产物缺失/为空</source>
        <translation>⚠ El motor informó de éxito, pero la salida falta o está vacía</translation>
    </message>
    <message>
        <source>✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1</source>
        <translation>✗ El motor informó “SACD ISO created”, pero el archivo de destino falta o está vacío: %1</translation>
    </message>
    <message>
        <source>进程结束 (退出码 0, 无产物)</source>
        <translation>Proceso finalizado (código 0, sin salida)</translation>
    </message>
    <message>
        <source>进程结束, 退出码 0, 未检测到产物。</source>
        <translation>El proceso terminó con código 0; no se detectó ningún archivo de salida.</translation>
    </message>
    <message>
        <source>打包失败 (退出码 %1)</source>
        <translation>Error en el empaquetado (código de salida %1)</translation>
    </message>
    <message>
        <source>✗ 打包失败, 退出码 %1。见上方错误信息。</source>
        <translation>✗ Error en el empaquetado, código de salida %1. Consulte los mensajes de error anteriores.</translation>
    </message>
    <message>
        <source>正在停止… (强制结束可能留下不完整 ISO)</source>
        <translation>Deteniendo… (forzar la terminación puede dejar una ISO incompleta)</translation>
    </message>
    <message>
        <source>正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)</source>
        <translation>Pidiendo al núcleo de empaquetado que se detenga… (se detiene en el límite de una pista; las pistas ya escritas quedan intactas)</translation>
    </message>
    <message>
        <source>打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。</source>
        <translation>El núcleo de empaquetado no confirmó la detención en 2 s -- sigue terminando, espere.</translation>
    </message>
    <message>
        <source>不完整产物</source>
        <translation>Salida incompleta</translation>
    </message>
    <message>
        <source>打包未完成, 目标文件可能不完整:
%1

删除该文件吗?</source>
        <translation>El empaquetado no terminó; el archivo de destino puede estar incompleto:
%1

¿Eliminarlo?</translation>
    </message>
    <message>
        <source>已删除不完整产物: %1</source>
        <translation>Salida incompleta eliminada: %1</translation>
    </message>
    <message>
        <source>警告: 无法删除不完整产物 %1</source>
        <translation>Advertencia: no se puede eliminar la salida incompleta %1</translation>
    </message>
    <message>
        <source>保留不完整产物: %1 (请勿直接使用)</source>
        <translation>Se conservó la salida incompleta: %1 (no la use tal cual)</translation>
    </message>
    <message>
        <source>未知进程错误</source>
        <translation>Error de proceso desconocido</translation>
    </message>
    <message>
        <source>✗ 进程错误: %1</source>
        <translation>✗ Error de proceso: %1</translation>
    </message>
    <message>
        <source>无法启动/运行打包引擎: %1</source>
        <translation>No se puede iniciar/ejecutar el motor de empaquetado: %1</translation>
    </message>
    <message>
        <source>打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。

确定要退出吗?</source>
        <translation>El empaquetado no ha terminado; cerrar la ventana termina el proceso y puede dejar una ISO incompleta.

¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。

确定要退出吗?</source>
        <translation>El empaquetado se ejecuta dentro del proceso; cerrar la ventana sale de inmediato y puede dejar una ISO incompleta (este modo no se puede detener a medias).

¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>打包进行中</source>
        <translation>Empaquetado en curso</translation>
    </message>
    <message>
        <source>AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)</source>
        <translation>Argumento AUTORUN incompleto (se necesita al menos 1 pista + una ruta de salida)</translation>
    </message>
    <message>
        <source>AUTORUN: %1 个音轨 → %2</source>
        <translation>AUTORUN: %1 pista(s) → %2</translation>
    </message>
    <message>
        <source>留空 = 使用文件内元数据</source>
        <translation>Vacío = usar los metadatos del archivo</translation>
    </message>
    <message>
        <source>Orvi Lathe — SACD ISO 打包工具</source>
        <translation>Orvi Lathe — empaquetador SACD ISO</translation>
    </message>
    <message>
        <source>就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。</source>
        <translation>Listo. Añada archivos DSF/DFF a la lista, defina la salida y haga clic en «Iniciar empaquetado».</translation>
    </message>
    <message>
        <source>留空则自动生成: &lt;首轨目录&gt;/&lt;专辑或首轨名&gt;.iso</source>
        <translation>Vacío para automático: &lt;carpeta de la primera pista&gt;/&lt;álbum o nombre de la primera pista&gt;.iso</translation>
    </message>
    <message>
        <source>开：一次打包成功后自动关闭本窗口（适合命令行/批量调用的人）；关（默认）：保持打开。</source>
        <translation>Activado: cierra esta ventana tras un empaquetado correcto (útil para uso por línea de comandos/lotes); desactivado (predeterminado): permanece abierta.</translation>
    </message>
    <message>
        <source>运行日志:</source>
        <translation>Registro de ejecución:</translation>
    </message>
    <message>
        <source>专辑 / 艺术家</source>
        <translation>Álbum / Artista</translation>
    </message>
    <message>
        <source>发行信息</source>
        <translation>Datos de publicación</translation>
    </message>
    <message>
        <source>封面 (嵌入 ISO)</source>
        <translation>Portada (incrustada en la ISO)</translation>
    </message>
    <message>
        <source>(无预览)</source>
        <translation>(sin vista previa)</translation>
    </message>
    <message>
        <source>选择…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>导入 CUE 可自动补全曲目标题/艺术家</source>
        <translation>Importe un CUE para rellenar automáticamente títulos/artistas de las pistas</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>音频 / DST 编码</source>
        <translation>Audio / codificación DST</translation>
    </message>
    <message>
        <source>DST 预测阶数, 越小编码越快、压缩率略低</source>
        <translation>Orden de predicción DST; menor = codificación más rápida, compresión algo menor</translation>
    </message>
    <message>
        <source>默认只压多声道; 勾上后 2 声道区同样做 DST 压缩 (与多数商业 SACD 一致)</source>
        <translation>Por defecto solo se comprime con DST el multicanal; marque esta opción para comprimir también el área de 2 canales (como la mayoría de los SACD comerciales)</translation>
    </message>
    <message>
        <source>Orvi DSD Disc 模式</source>
        <translation>Modo Orvi DSD Disc</translation>
    </message>
    <message>
        <source>音轨文件 (DSF/DFF)</source>
        <translation>Archivo de pista (DSF/DFF)</translation>
    </message>
    <message>
        <source>标题 (可选)</source>
        <translation>Título (opcional)</translation>
    </message>
    <message>
        <source>艺术家 (可选)</source>
        <translation>Artista (opcional)</translation>
    </message>
    <message>
        <source>ISRC (可选)</source>
        <translation>ISRC (opcional)</translation>
    </message>
    <message>
        <source>ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041
留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示</source>
        <translation>ISRC (opcional), formato CC-OOO-YY-DDDDD, p. ej. FR-W01-02-00041
Vacío = esta pista no tiene ISRC; un valor no válido se rechaza al empaquetar, con un mensaje</translation>
    </message>
    <message>
        <source>可从文件管理器直接拖入 .dsf/.dff 文件</source>
        <translation>Puede arrastrar aquí archivos .dsf/.dff desde un gestor de archivos</translation>
    </message>
    <message>
        <source>＋ 添加音轨文件…</source>
        <translation>＋ Añadir archivos de audio…</translation>
    </message>
    <message>
        <source>＋ 添加文件夹…</source>
        <translation>＋ Añadir carpeta…</translation>
    </message>
    <message>
        <source>⇄ 导入 CUE…</source>
        <translation>⇄ Importar CUE…</translation>
    </message>
    <message>
        <source>移除所选</source>
        <translation>Quitar seleccionadas</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Vaciar todo</translation>
    </message>
    <message>
        <source>上移所选音轨</source>
        <translation>Subir las pistas seleccionadas</translation>
    </message>
    <message>
        <source>下移所选音轨</source>
        <translation>Bajar las pistas seleccionadas</translation>
    </message>
    <message>
        <source>共 0 轨</source>
        <translation>0 pistas en total</translation>
    </message>
    <message>
        <source>共 %1 轨</source>
        <translation>%1 pistas en total</translation>
    </message>
    <message>
        <source>已忽略重复文件: %1</source>
        <translation>Archivo duplicado ignorado: %1</translation>
    </message>
    <message>
        <source>文件夹里没有找到 .dsf/.dff 文件: %1</source>
        <translation>No se encontraron archivos .dsf/.dff en la carpeta: %1</translation>
    </message>
    <message>
        <source>已导入 CUE: %1</source>
        <translation>CUE importado: %1</translation>
    </message>
    <message>
        <source>选择 DSD 音轨文件</source>
        <translation>Seleccionar archivos de audio DSD</translation>
    </message>
    <message>
        <source>DSD 音频 (*.dsf *.dff);;所有文件 (*)</source>
        <translation>Audio DSD (*.dsf *.dff);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>选择包含 DSF/DFF 的文件夹</source>
        <translation>Seleccionar una carpeta con archivos DSF/DFF</translation>
    </message>
    <message>
        <source>打包进行中, 请先停止再添加音轨。</source>
        <translation>Empaquetado en curso — deténgalo antes de añadir pistas.</translation>
    </message>
    <message>
        <source>选择 CUE 文件</source>
        <translation>Seleccionar archivo CUE</translation>
    </message>
    <message>
        <source>CUE 曲目表 (*.cue);;所有文件 (*)</source>
        <translation>Hojas CUE (*.cue);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>已导入 CUE: %1 (标题/艺术家将在打包时应用)</source>
        <translation>CUE importado: %1 (los títulos/artistas se aplicarán al empaquetar)</translation>
    </message>
    <message>
        <source>已清除 CUE 设置。</source>
        <translation>CUE borrado.</translation>
    </message>
    <message>
        <source>选择封面图片</source>
        <translation>Seleccionar imagen de portada</translation>
    </message>
    <message>
        <source>图片 (*.jpg *.jpeg *.png);;所有文件 (*)</source>
        <translation>Imágenes (*.jpg *.jpeg *.png);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>封面</source>
        <translation>Portada</translation>
    </message>
    <message>
        <source>无法解码该图片, 未采用: %1</source>
        <translation>No se puede decodificar esa imagen; no se usa: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的 CUE: %1</source>
        <translation>usando automáticamente el CUE de la misma carpeta: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的封面: %1</source>
        <translation>usando automáticamente la portada de la misma carpeta: %1</translation>
    </message>
    <message>
        <source>输出 SACD ISO</source>
        <translation>Salida SACD ISO</translation>
    </message>
    <message>
        <source>SACD ISO 镜像 (*.iso);;所有文件 (*)</source>
        <translation>Imagen SACD ISO (*.iso);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
</context>
<context>
    <name>ReferencesGui</name>
    <message>
        <source>参考标准</source>
        <translation>Normas de referencia</translation>
    </message>
    <message>
        <source>参考标准…</source>
        <translation>Normas de referencia…</translation>
    </message>
    <message>
        <source>产品参照的公开标准与文献</source>
        <translation>Normas públicas y bibliografía en las que se basa este producto</translation>
    </message>
</context>
<context>
    <name>ThirdPartyGui</name>
    <message>
        <source>源码许可</source>
        <translation>Licencias del código fuente</translation>
    </message>
    <message>
        <source>源码许可…</source>
        <translation>Licencias del código fuente…</translation>
    </message>
    <message>
        <source>第三方组件与开源许可清单</source>
        <translation>Lista de componentes de terceros y licencias de código abierto</translation>
    </message>
</context>
<context>
    <name>PackSession</name>
    <message>
        <source>进程内会话起不来 (rc=%1)</source>
        <translation>la sesión dentro del proceso no se inició (rc=%1)</translation>
    </message>
</context>
<context>
    <name>UiLangRow</name>
    <message>
        <source>语言</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Según el sistema</translation>
    </message>
    <message>
        <source>界面语言。切换后程序会重启一次以便整套界面换语言。</source>
        <translation>Idioma de la interfaz. La aplicación se reinicia una vez para que toda la interfaz cambie de idioma.</translation>
    </message>
    <message>
        <source>界面语言已切换，程序将自动重启一次以生效。</source>
        <translation>Idioma de la interfaz cambiado. La aplicación se reiniciará una vez para aplicarlo.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>无法获取更新清单: %1</source>
        <translation>No se puede obtener el manifiesto de actualización: %1</translation>
    </message>
    <message>
        <source>更新清单格式不对 (%1)</source>
        <translation>El manifiesto de actualización está mal formado (%1)</translation>
    </message>
    <message>
        <source>更新清单里没有版本号</source>
        <translation>El manifiesto de actualización no tiene número de versión</translation>
    </message>
    <message>
        <source>清单里没有适用于本机 (%1) 的更新载荷</source>
        <translation>El manifiesto no tiene ningún paquete de actualización para este equipo (%1)</translation>
    </message>
    <message>
        <source>清单里既没有覆盖载荷也没有安装包</source>
        <translation>El manifiesto no tiene ni paquete de sobrescritura ni instalador</translation>
    </message>
    <message>
        <source>无法写入临时文件: %1</source>
        <translation>No se puede escribir el archivo temporal: %1</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>Error de descarga: %1</translation>
    </message>
    <message>
        <source>无法读取下载的文件: %1</source>
        <translation>No se puede leer el archivo descargado: %1</translation>
    </message>
    <message>
        <source>计算校验和失败: %1</source>
        <translation>No se pudo calcular la suma de comprobación: %1</translation>
    </message>
    <message>
        <source>校验和不匹配, 已丢弃 (期望 %1, 实际 %2)</source>
        <translation>La suma de comprobación no coincide, descartado (se esperaba %1, se obtuvo %2)</translation>
    </message>
    <message>
        <source>下载文件大小不符 (期望 %1 字节, 实际 %2)</source>
        <translation>El tamaño del archivo descargado no coincide (se esperaban %1 bytes, se obtuvieron %2)</translation>
    </message>
    <message>
        <source>覆盖载荷不可用 (%1)，改用安装包</source>
        <translation>Paquete de sobrescritura inutilizable (%1); se recurre al instalador</translation>
    </message>
    <message>
        <source>没有可用的更新载荷</source>
        <translation>No hay ningún paquete de actualización utilizable</translation>
    </message>
    <message>
        <source>无法写更新脚本: %1</source>
        <translation>No se puede escribir el script de actualización: %1</translation>
    </message>
    <message>
        <source>提权启动更新失败 (错误码 %1)。载荷已下载并校验通过, 可手动更新:</source>
        <translation>No se pudo iniciar la actualización con privilegios elevados (error %1). El paquete se descargó y verificó; puede actualizar manualmente:</translation>
    </message>
    <message>
        <source>更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。</source>
        <translation>La actualización se descargó y verificó. El programa se cerrará; el sistema terminará la actualización y lo reiniciará automáticamente.</translation>
    </message>
</context>
<context>
    <name>UpdateUi</name>
    <message>
        <source>正在检查更新…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>已是最新版本 (%1)。服务器上的最新版本为 %2。</source>
        <translation>Tiene la versión más reciente (%1). La última versión en el servidor es %2.</translation>
    </message>
    <message>
        <source>检查更新失败：</source>
        <translation>Error al buscar actualizaciones:</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>Nueva versión disponible</translation>
    </message>
    <message>
        <source>发现新版本 %1（当前 %2）。</source>
        <translation>La versión %1 está disponible (tiene la %2).</translation>
    </message>
    <message>
        <source>发布日期：%1</source>
        <translation>Fecha de publicación: %1</translation>
    </message>
    <message>
        <source>更新说明：%1</source>
        <translation>Notas de la versión: %1</translation>
    </message>
    <message>
        <source>下载并更新</source>
        <translation>Descargar y actualizar</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>Abrir página de descarga</translation>
    </message>
    <message>
        <source>稍后</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>正在下载更新…</source>
        <translation>Descargando la actualización…</translation>
    </message>
    <message>
        <source>下载更新</source>
        <translation>Descargando actualización</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>程序现在退出。</source>
        <translation>El programa se cerrará ahora.</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Error en la actualización</translation>
    </message>
</context>
</TS>
