<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="zh_CN">
<context>
    <name>PackGuiWindow</name>
    <message>
        <source>▶  开始打包</source>
        <translation>▶  Iniciar empacotamento</translation>
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
        <translation>Selo:</translation>
    </message>
    <message>
        <source>作曲:</source>
        <translation>Compositor:</translation>
    </message>
    <message>
        <source>指挥:</source>
        <translation>Regente:</translation>
    </message>
    <message>
        <source>乐团:</source>
        <translation>Orquestra:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Gênero:</translation>
    </message>
    <message>
        <source>年份:</source>
        <translation>Ano:</translation>
    </message>
    <message>
        <source>日期 (YYYY-MM-DD):</source>
        <translation>Data (YYYY-MM-DD):</translation>
    </message>
    <message>
        <source>目录号:</source>
        <translation>Nº de catálogo:</translation>
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
        <translation>ex.: 1</translation>
    </message>
    <message>
        <source>总碟数</source>
        <translation>total</translation>
    </message>
    <message>
        <source>CUE 曲目表 (可选)</source>
        <translation>Folha CUE (opcional)</translation>
    </message>
    <message>
        <source>音轨间暂停帧数:</source>
        <translation>Quadros de pausa entre faixas:</translation>
    </message>
    <message>
        <source>音轨之间的静音帧数 (44100 帧 = 1 秒)</source>
        <translation>Quadros de silêncio entre faixas (44100 quadros = 1 segundo)</translation>
    </message>
    <message>
        <source>DST 压缩阶数:</source>
        <translation>Ordem de compressão DST:</translation>
    </message>
    <message>
        <source>多声道音轨存原始 DSD, 不压 DST (--no-encode)</source>
        <translation>Gravar multicanal como DSD bruto em vez de DST (--no-encode)</translation>
    </message>
    <message>
        <source>立体声区也压 DST (--dst-stereo)</source>
        <translation>Comprimir também a área estéreo com DST (--dst-stereo)</translation>
    </message>
    <message>
        <source>构建 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)</source>
        <translation>Criar um Orvi DSD Disc em vez de um SACD ISO (--dsd-disc)</translation>
    </message>
    <message>
        <source>光盘标题:</source>
        <translation>Título do disco:</translation>
    </message>
    <message>
        <source>默认 ALBUM</source>
        <translation>Padrão ALBUM</translation>
    </message>
    <message>
        <source>自动生成 .ovp 播放列表</source>
        <translation>Gerar automaticamente a playlist .ovp</translation>
    </message>
    <message>
        <source>输出:</source>
        <translation>Saída:</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>没有音轨</source>
        <translation>Nenhuma faixa</translation>
    </message>
    <message>
        <source>请先添加 DSF/DFF 音轨文件。</source>
        <translation>Adicione primeiro arquivos de áudio DSF/DFF.</translation>
    </message>
    <message>
        <source>找不到打包引擎</source>
        <translation>Mecanismo de empacotamento não encontrado</translation>
    </message>
    <message>
        <source>未找到 OrviLathe。请将其放到本程序同目录,
或设置环境变量 ORVI_LATHE_BIN。</source>
        <translation>OrviLathe não foi encontrado. Coloque-o ao lado deste programa
ou defina a variável de ambiente ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>输出未指定, 使用: %1</source>
        <translation>Saída não especificada, usando: %1</translation>
    </message>
    <message>
        <source>输出路径无效</source>
        <translation>Caminho de saída inválido</translation>
    </message>
    <message>
        <source>输出目录不存在:
%1

请选择有效的保存位置。</source>
        <translation>A pasta de saída não existe:
%1

Escolha um local válido.</translation>
    </message>
    <message>
        <source>环境变量 ORVI_LATHE_BIN</source>
        <translation>variável de ambiente ORVI_LATHE_BIN</translation>
    </message>
    <message>
        <source>程序同目录</source>
        <translation>mesma pasta deste programa</translation>
    </message>
    <message>
        <source>开发构建 (build/)</source>
        <translation>build de desenvolvimento (build/)</translation>
    </message>
    <message>
        <source>本程序自身 (未找到 CLI)</source>
        <translation>o próprio programa (CLI não encontrado)</translation>
    </message>
    <message>
        <source>打包引擎: %1 (来源: %2)</source>
        <translation>Mecanismo de empacotamento: %1 (origem: %2)</translation>
    </message>
    <message>
        <source>说明: 本程序自己就是打包核的宿主(进程内跑核), 不需要另外的 CLI 程序。</source>
        <translation>Observação: este programa hospeda o próprio núcleo de empacotamento (executa o núcleo no próprio processo); não é necessário um programa CLI separado.</translation>
    </message>
    <message>
        <source>打包引擎: %1</source>
        <translation>Mecanismo de empacotamento: %1</translation>
    </message>
    <message>
        <source>(未找到!)</source>
        <translation>(não encontrado!)</translation>
    </message>
    <message>
        <source>⚠ 未找到打包引擎 OrviLathe。请把它放到本程序同目录, 或设置环境变量 ORVI_LATHE_BIN 指向它。</source>
        <translation>⚠ Mecanismo de empacotamento OrviLathe não encontrado. Coloque-o na mesma pasta deste programa ou defina a variável de ambiente ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>打包完成后自动关窗（默认关）</source>
        <translation>Fechar a janela ao terminar o empacotamento (desativado por padrão)</translation>
    </message>
    <message>
        <source>■  停止</source>
        <translation>■  Parar</translation>
    </message>
    <message>
        <source>光盘信息</source>
        <translation>Informações do disco</translation>
    </message>
    <message>
        <source>打包选项</source>
        <translation>Opções de empacotamento</translation>
    </message>
    <message>
        <source>打开输出文件夹</source>
        <translation>Abrir pasta de saída</translation>
    </message>
    <message>
        <source>── %1 开始打包 ──</source>
        <translation>── %1 início do empacotamento ──</translation>
    </message>
    <message>
        <source>打包进行中…</source>
        <translation>Empacotamento em andamento…</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 已删除 (%1)</source>
        <translation>■ Parado: o ISO incompleto foi excluído (%1)</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)</source>
        <translation>■ Parado: o ISO incompleto foi mantido (pode estar bloqueado; exclua-o manualmente)</translation>
    </message>
    <message>
        <source>■ 已停止</source>
        <translation>■ Parado</translation>
    </message>
    <message>
        <source>■ 已停止(强制结束进程)。</source>
        <translation>■ Parado (processo encerrado à força).</translation>
    </message>
    <message>
        <source>✗ 打包进程异常终止 (非正常退出)。</source>
        <translation>✗ O processo de empacotamento terminou de forma anormal (saída não normal).</translation>
    </message>
    <message>
        <source>打包进程异常终止 (崩溃或被强杀)</source>
        <translation>O processo de empacotamento terminou de forma anormal (falhou ou foi encerrado à força)</translation>
    </message>
    <message>
        <source>✓ 打包完成</source>
        <translation>✓ Empacotamento concluído</translation>
    </message>
    <message>
        <source>✓ 打包完成: %1 (%2 MB)</source>
        <translation>✓ Empacotamento concluído: %1 (%2 MB)</translation>
    </message>
    <message>
        <source>打包完成</source>
        <translation>Empacotamento concluído</translation>
    </message>
    <message>
        <source>SACD ISO 已生成:
%1</source>
        <translation>SACD ISO gravado:
%1</translation>
    </message>
    <message>
        <source>⚠ 引擎报告成功但产物缺失/为空</source>
        <translation>⚠ O mecanismo informou sucesso, mas a saída está ausente/vazia</translation>
    </message>
    <message>
        <source>✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1</source>
        <translation>✗ O mecanismo informou “SACD ISO created”, mas o arquivo de destino está ausente ou vazio: %1</translation>
    </message>
    <message>
        <source>进程结束 (退出码 0, 无产物)</source>
        <translation>Processo encerrado (código 0, sem saída)</translation>
    </message>
    <message>
        <source>进程结束, 退出码 0, 未检测到产物。</source>
        <translation>O processo terminou com código 0; nenhum arquivo de saída detectado.</translation>
    </message>
    <message>
        <source>打包失败 (退出码 %1)</source>
        <translation>Falha no empacotamento (código de saída %1)</translation>
    </message>
    <message>
        <source>✗ 打包失败, 退出码 %1。见上方错误信息。</source>
        <translation>✗ Falha no empacotamento, código de saída %1. Veja as mensagens de erro acima.</translation>
    </message>
    <message>
        <source>正在停止… (强制结束可能留下不完整 ISO)</source>
        <translation>Parando… (forçar o encerramento pode deixar um ISO incompleto)</translation>
    </message>
    <message>
        <source>正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)</source>
        <translation>Pedindo ao núcleo de empacotamento que pare… (ele para no limite de uma faixa; as faixas já gravadas ficam intactas)</translation>
    </message>
    <message>
        <source>打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。</source>
        <translation>O núcleo de empacotamento não confirmou a parada em 2 s -- ainda finalizando, aguarde.</translation>
    </message>
    <message>
        <source>不完整产物</source>
        <translation>Saída incompleta</translation>
    </message>
    <message>
        <source>打包未完成, 目标文件可能不完整:
%1

删除该文件吗?</source>
        <translation>O empacotamento não terminou; o arquivo de destino pode estar incompleto:
%1

Excluí-lo?</translation>
    </message>
    <message>
        <source>已删除不完整产物: %1</source>
        <translation>Saída incompleta excluída: %1</translation>
    </message>
    <message>
        <source>警告: 无法删除不完整产物 %1</source>
        <translation>Aviso: não foi possível excluir a saída incompleta %1</translation>
    </message>
    <message>
        <source>保留不完整产物: %1 (请勿直接使用)</source>
        <translation>Saída incompleta mantida: %1 (não a use como está)</translation>
    </message>
    <message>
        <source>未知进程错误</source>
        <translation>Erro de processo desconhecido</translation>
    </message>
    <message>
        <source>✗ 进程错误: %1</source>
        <translation>✗ Erro de processo: %1</translation>
    </message>
    <message>
        <source>无法启动/运行打包引擎: %1</source>
        <translation>Não foi possível iniciar/executar o mecanismo de empacotamento: %1</translation>
    </message>
    <message>
        <source>打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。

确定要退出吗?</source>
        <translation>O empacotamento não terminou; fechar a janela encerra o processo e pode deixar um ISO incompleto.

Sair mesmo assim?</translation>
    </message>
    <message>
        <source>打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。

确定要退出吗?</source>
        <translation>O empacotamento é executado no próprio processo; fechar a janela sai imediatamente e pode deixar um ISO incompleto (este modo não pode ser parado no meio).

Sair mesmo assim?</translation>
    </message>
    <message>
        <source>打包进行中</source>
        <translation>Empacotamento em andamento</translation>
    </message>
    <message>
        <source>AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)</source>
        <translation>Argumento AUTORUN incompleto (é preciso pelo menos 1 faixa + um caminho de saída)</translation>
    </message>
    <message>
        <source>AUTORUN: %1 个音轨 → %2</source>
        <translation>AUTORUN: %1 faixa(s) → %2</translation>
    </message>
    <message>
        <source>留空 = 使用文件内元数据</source>
        <translation>Vazio = usar os metadados do arquivo</translation>
    </message>
    <message>
        <source>Orvi Lathe — SACD ISO 打包工具</source>
        <translation>Orvi Lathe — empacotador de SACD ISO</translation>
    </message>
    <message>
        <source>就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。</source>
        <translation>Pronto. Adicione arquivos DSF/DFF à lista, defina a saída e clique em “Iniciar empacotamento”.</translation>
    </message>
    <message>
        <source>留空则自动生成: &lt;首轨目录&gt;/&lt;专辑或首轨名&gt;.iso</source>
        <translation>Vazio para automático: &lt;pasta da primeira faixa&gt;/&lt;álbum ou nome da primeira faixa&gt;.iso</translation>
    </message>
    <message>
        <source>开：一次打包成功后自动关闭本窗口（适合命令行/批量调用的人）；关（默认）：保持打开。</source>
        <translation>Ligado: fecha esta janela após um empacotamento bem-sucedido (útil para uso em linha de comando/lote); desligado (padrão): permanece aberta.</translation>
    </message>
    <message>
        <source>运行日志:</source>
        <translation>Log de execução:</translation>
    </message>
    <message>
        <source>专辑 / 艺术家</source>
        <translation>Álbum / Artista</translation>
    </message>
    <message>
        <source>发行信息</source>
        <translation>Informações de lançamento</translation>
    </message>
    <message>
        <source>封面 (嵌入 ISO)</source>
        <translation>Capa (incorporada ao ISO)</translation>
    </message>
    <message>
        <source>(无预览)</source>
        <translation>(sem pré-visualização)</translation>
    </message>
    <message>
        <source>选择…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>导入 CUE 可自动补全曲目标题/艺术家</source>
        <translation>Importe um CUE para preencher automaticamente títulos/artistas das faixas</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>音频 / DST 编码</source>
        <translation>Áudio / codificação DST</translation>
    </message>
    <message>
        <source>DST 预测阶数, 越小编码越快、压缩率略低</source>
        <translation>Ordem de predição DST; menor = codificação mais rápida, compressão um pouco menor</translation>
    </message>
    <message>
        <source>默认只压多声道; 勾上后 2 声道区同样做 DST 压缩 (与多数商业 SACD 一致)</source>
        <translation>Por padrão só o multicanal é comprimido com DST; marque para comprimir também a área de 2 canais (como a maioria dos SACDs comerciais)</translation>
    </message>
    <message>
        <source>Orvi DSD Disc 模式</source>
        <translation>Modo Orvi DSD Disc</translation>
    </message>
    <message>
        <source>音轨文件 (DSF/DFF)</source>
        <translation>Arquivo da faixa (DSF/DFF)</translation>
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
        <translation>ISRC (opcional), formato CC-OOO-YY-DDDDD, ex.: FR-W01-02-00041
Vazio = esta faixa não tem ISRC; um valor inválido é rejeitado no empacotamento, com uma mensagem</translation>
    </message>
    <message>
        <source>可从文件管理器直接拖入 .dsf/.dff 文件</source>
        <translation>Você pode arrastar arquivos .dsf/.dff para cá a partir de um gerenciador de arquivos</translation>
    </message>
    <message>
        <source>＋ 添加音轨文件…</source>
        <translation>＋ Adicionar arquivos de áudio…</translation>
    </message>
    <message>
        <source>＋ 添加文件夹…</source>
        <translation>＋ Adicionar pasta…</translation>
    </message>
    <message>
        <source>⇄ 导入 CUE…</source>
        <translation>⇄ Importar CUE…</translation>
    </message>
    <message>
        <source>移除所选</source>
        <translation>Remover selecionadas</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>上移所选音轨</source>
        <translation>Mover faixas selecionadas para cima</translation>
    </message>
    <message>
        <source>下移所选音轨</source>
        <translation>Mover faixas selecionadas para baixo</translation>
    </message>
    <message>
        <source>共 0 轨</source>
        <translation>0 faixas no total</translation>
    </message>
    <message>
        <source>共 %1 轨</source>
        <translation>%1 faixas no total</translation>
    </message>
    <message>
        <source>已忽略重复文件: %1</source>
        <translation>Arquivo duplicado ignorado: %1</translation>
    </message>
    <message>
        <source>文件夹里没有找到 .dsf/.dff 文件: %1</source>
        <translation>Nenhum arquivo .dsf/.dff encontrado na pasta: %1</translation>
    </message>
    <message>
        <source>已导入 CUE: %1</source>
        <translation>CUE importado: %1</translation>
    </message>
    <message>
        <source>选择 DSD 音轨文件</source>
        <translation>Selecionar arquivos de áudio DSD</translation>
    </message>
    <message>
        <source>DSD 音频 (*.dsf *.dff);;所有文件 (*)</source>
        <translation>Áudio DSD (*.dsf *.dff);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>选择包含 DSF/DFF 的文件夹</source>
        <translation>Selecionar uma pasta com arquivos DSF/DFF</translation>
    </message>
    <message>
        <source>打包进行中, 请先停止再添加音轨。</source>
        <translation>Empacotamento em andamento — pare-o antes de adicionar faixas.</translation>
    </message>
    <message>
        <source>选择 CUE 文件</source>
        <translation>Selecionar arquivo CUE</translation>
    </message>
    <message>
        <source>CUE 曲目表 (*.cue);;所有文件 (*)</source>
        <translation>Folhas CUE (*.cue);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>已导入 CUE: %1 (标题/艺术家将在打包时应用)</source>
        <translation>CUE importado: %1 (títulos/artistas serão aplicados no empacotamento)</translation>
    </message>
    <message>
        <source>已清除 CUE 设置。</source>
        <translation>CUE removido.</translation>
    </message>
    <message>
        <source>选择封面图片</source>
        <translation>Selecionar imagem de capa</translation>
    </message>
    <message>
        <source>图片 (*.jpg *.jpeg *.png);;所有文件 (*)</source>
        <translation>Imagens (*.jpg *.jpeg *.png);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>封面</source>
        <translation>Capa</translation>
    </message>
    <message>
        <source>无法解码该图片, 未采用: %1</source>
        <translation>Não foi possível decodificar a imagem; não usada: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的 CUE: %1</source>
        <translation>usando automaticamente o CUE da mesma pasta: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的封面: %1</source>
        <translation>usando automaticamente a capa da mesma pasta: %1</translation>
    </message>
    <message>
        <source>输出 SACD ISO</source>
        <translation>Saída SACD ISO</translation>
    </message>
    <message>
        <source>SACD ISO 镜像 (*.iso);;所有文件 (*)</source>
        <translation>Imagem SACD ISO (*.iso);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>Verificar atualizações…</translation>
    </message>
</context>
<context>
    <name>ReferencesGui</name>
    <message>
        <source>参考标准</source>
        <translation>Normas de referência</translation>
    </message>
    <message>
        <source>参考标准…</source>
        <translation>Normas de referência…</translation>
    </message>
    <message>
        <source>产品参照的公开标准与文献</source>
        <translation>Normas públicas e literatura usadas como referência por este produto</translation>
    </message>
</context>
<context>
    <name>ThirdPartyGui</name>
    <message>
        <source>源码许可</source>
        <translation>Licenças do código-fonte</translation>
    </message>
    <message>
        <source>源码许可…</source>
        <translation>Licenças do código-fonte…</translation>
    </message>
    <message>
        <source>第三方组件与开源许可清单</source>
        <translation>Lista de componentes de terceiros e licenças de código aberto</translation>
    </message>
</context>
<context>
    <name>PackSession</name>
    <message>
        <source>进程内会话起不来 (rc=%1)</source>
        <translation>a sessão no próprio processo não iniciou (rc=%1)</translation>
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
        <translation>Seguir o sistema</translation>
    </message>
    <message>
        <source>界面语言。切换后程序会重启一次以便整套界面换语言。</source>
        <translation>Idioma da interface. O aplicativo reinicia uma vez para que toda a interface mude de idioma.</translation>
    </message>
    <message>
        <source>界面语言已切换，程序将自动重启一次以生效。</source>
        <translation>Idioma da interface alterado. O aplicativo será reiniciado uma vez para aplicá-lo.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>无法获取更新清单: %1</source>
        <translation>Não foi possível obter o manifesto de atualização: %1</translation>
    </message>
    <message>
        <source>更新清单格式不对 (%1)</source>
        <translation>O manifesto de atualização está malformado (%1)</translation>
    </message>
    <message>
        <source>更新清单里没有版本号</source>
        <translation>O manifesto de atualização não tem número de versão</translation>
    </message>
    <message>
        <source>清单里没有适用于本机 (%1) 的更新载荷</source>
        <translation>O manifesto não tem pacote de atualização para esta máquina (%1)</translation>
    </message>
    <message>
        <source>清单里既没有覆盖载荷也没有安装包</source>
        <translation>O manifesto não tem pacote de substituição nem instalador</translation>
    </message>
    <message>
        <source>无法写入临时文件: %1</source>
        <translation>Não foi possível gravar o arquivo temporário: %1</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>Falha no download: %1</translation>
    </message>
    <message>
        <source>无法读取下载的文件: %1</source>
        <translation>Não foi possível ler o arquivo baixado: %1</translation>
    </message>
    <message>
        <source>计算校验和失败: %1</source>
        <translation>Falha ao calcular a soma de verificação: %1</translation>
    </message>
    <message>
        <source>校验和不匹配, 已丢弃 (期望 %1, 实际 %2)</source>
        <translation>Soma de verificação diferente, descartado (esperado %1, obtido %2)</translation>
    </message>
    <message>
        <source>下载文件大小不符 (期望 %1 字节, 实际 %2)</source>
        <translation>Tamanho do arquivo baixado não confere (esperado %1 bytes, obtido %2)</translation>
    </message>
    <message>
        <source>覆盖载荷不可用 (%1)，改用安装包</source>
        <translation>Pacote de substituição inutilizável (%1); usando o instalador</translation>
    </message>
    <message>
        <source>没有可用的更新载荷</source>
        <translation>Nenhum pacote de atualização utilizável</translation>
    </message>
    <message>
        <source>无法写更新脚本: %1</source>
        <translation>Não foi possível gravar o script de atualização: %1</translation>
    </message>
    <message>
        <source>提权启动更新失败 (错误码 %1)。载荷已下载并校验通过, 可手动更新:</source>
        <translation>Falha ao iniciar a atualização com privilégios elevados (erro %1). O pacote foi baixado e verificado; você pode atualizar manualmente:</translation>
    </message>
    <message>
        <source>更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。</source>
        <translation>A atualização foi baixada e verificada. O programa será fechado; o sistema concluirá a atualização e o reiniciará automaticamente.</translation>
    </message>
</context>
<context>
    <name>UpdateUi</name>
    <message>
        <source>正在检查更新…</source>
        <translation>Verificando atualizações…</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>已是最新版本 (%1)。服务器上的最新版本为 %2。</source>
        <translation>Você está atualizado (%1). A versão mais recente no servidor é %2.</translation>
    </message>
    <message>
        <source>检查更新失败：</source>
        <translation>Falha ao verificar atualizações:</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>Nova versão disponível</translation>
    </message>
    <message>
        <source>发现新版本 %1（当前 %2）。</source>
        <translation>A versão %1 está disponível (você tem a %2).</translation>
    </message>
    <message>
        <source>发布日期：%1</source>
        <translation>Data de lançamento: %1</translation>
    </message>
    <message>
        <source>更新说明：%1</source>
        <translation>Notas da versão: %1</translation>
    </message>
    <message>
        <source>下载并更新</source>
        <translation>Baixar e atualizar</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>Abrir página de download</translation>
    </message>
    <message>
        <source>稍后</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>正在下载更新…</source>
        <translation>Baixando a atualização…</translation>
    </message>
    <message>
        <source>下载更新</source>
        <translation>Baixando atualização</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>程序现在退出。</source>
        <translation>O programa será fechado agora.</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Falha na atualização</translation>
    </message>
</context>
</TS>
