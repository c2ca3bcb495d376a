<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>PackGuiWindow</name>
    <message>
        <source>▶  开始打包</source>
        <translation>▶  Lancer l’empaquetage</translation>
    </message>
    <message>
        <source>专辑:</source>
        <translation>Album :</translation>
    </message>
    <message>
        <source>艺术家:</source>
        <translation>Artiste :</translation>
    </message>
    <message>
        <source>厂牌:</source>
        <translation>Label :</translation>
    </message>
    <message>
        <source>作曲:</source>
        <translation>Compositeur :</translation>
    </message>
    <message>
        <source>指挥:</source>
        <translation>Chef d’orchestre :</translation>
    </message>
    <message>
        <source>乐团:</source>
        <translation>Orchestre :</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Genre :</translation>
    </message>
    <message>
        <source>年份:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>日期 (YYYY-MM-DD):</source>
        <translation>Date (YYYY-MM-DD) :</translation>
    </message>
    <message>
        <source>目录号:</source>
        <translation>N° de catalogue :</translation>
    </message>
    <message>
        <source>条码 / UPC:</source>
        <translation>Code-barres / UPC :</translation>
    </message>
    <message>
        <source>版权:</source>
        <translation>Copyright :</translation>
    </message>
    <message>
        <source>碟号:</source>
        <translation>Disque :</translation>
    </message>
    <message>
        <source>如 1</source>
        <translation>ex. 1</translation>
    </message>
    <message>
        <source>总碟数</source>
        <translation>total</translation>
    </message>
    <message>
        <source>CUE 曲目表 (可选)</source>
        <translation>Feuille CUE (facultatif)</translation>
    </message>
    <message>
        <source>音轨间暂停帧数:</source>
        <translation>Trames de pause entre les pistes :</translation>
    </message>
    <message>
        <source>音轨之间的静音帧数 (44100 帧 = 1 秒)</source>
        <translation>Trames de silence entre les pistes (44100 trames = 1 seconde)</translation>
    </message>
    <message>
        <source>DST 压缩阶数:</source>
        <translation>Ordre de compression DST :</translation>
    </message>
    <message>
        <source>多声道音轨存原始 DSD, 不压 DST (--no-encode)</source>
        <translation>Stocker le multicanal en DSD brut au lieu de DST (--no-encode)</translation>
    </message>
    <message>
        <source>立体声区也压 DST (--dst-stereo)</source>
        <translation>Compresser aussi la zone stéréo en DST (--dst-stereo)</translation>
    </message>
    <message>
        <source>构建 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)</source>
        <translation>Créer un Orvi DSD Disc au lieu d’un SACD ISO (--dsd-disc)</translation>
    </message>
    <message>
        <source>光盘标题:</source>
        <translation>Titre du disque :</translation>
    </message>
    <message>
        <source>默认 ALBUM</source>
        <translation>Par défaut ALBUM</translation>
    </message>
    <message>
        <source>自动生成 .ovp 播放列表</source>
        <translation>Générer automatiquement une playlist .ovp</translation>
    </message>
    <message>
        <source>输出:</source>
        <translation>Sortie :</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>没有音轨</source>
        <translation>Aucune piste</translation>
    </message>
    <message>
        <source>请先添加 DSF/DFF 音轨文件。</source>
        <translation>Veuillez d’abord ajouter des fichiers audio DSF/DFF.</translation>
    </message>
    <message>
        <source>找不到打包引擎</source>
        <translation>Moteur d’empaquetage introuvable</translation>
    </message>
    <message>
        <source>未找到 OrviLathe。请将其放到本程序同目录,
或设置环境变量 ORVI_LATHE_BIN。</source>
        <translation>OrviLathe est introuvable. Placez-le à côté de ce programme,
ou définissez la variable d’environnement ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>输出未指定, 使用: %1</source>
        <translation>Sortie non précisée, utilisation de : %1</translation>
    </message>
    <message>
        <source>输出路径无效</source>
        <translation>Chemin de sortie non valide</translation>
    </message>
    <message>
        <source>输出目录不存在:
%1

请选择有效的保存位置。</source>
        <translation>Le dossier de sortie n’existe pas :
%1

Veuillez choisir un emplacement valide.</translation>
    </message>
    <message>
        <source>环境变量 ORVI_LATHE_BIN</source>
        <translation>variable d’environnement ORVI_LATHE_BIN</translation>
    </message>
    <message>
        <source>程序同目录</source>
        <translation>même dossier que ce programme</translation>
    </message>
    <message>
        <source>开发构建 (build/)</source>
        <translation>version de développement (build/)</translation>
    </message>
    <message>
        <source>本程序自身 (未找到 CLI)</source>
        <translation>ce programme lui-même (CLI introuvable)</translation>
    </message>
    <message>
        <source>打包引擎: %1 (来源: %2)</source>
        <translation>Moteur d’empaquetage : %1 (source : %2)</translation>
    </message>
    <message>
        <source>说明: 本程序自己就是打包核的宿主(进程内跑核), 不需要另外的 CLI 程序。</source>
        <translation>Remarque : ce programme héberge lui-même le cœur d’empaquetage (il l’exécute dans son propre processus) ; aucun programme CLI séparé n’est nécessaire.</translation>
    </message>
    <message>
        <source>打包引擎: %1</source>
        <translation>Moteur d’empaquetage : %1</translation>
    </message>
    <message>
        <source>(未找到!)</source>
        <translation>(introuvable !)</translation>
    </message>
    <message>
        <source>⚠ 未找到打包引擎 OrviLathe。请把它放到本程序同目录, 或设置环境变量 ORVI_LATHE_BIN 指向它。</source>
        <translation>⚠ Moteur d’empaquetage OrviLathe introuvable. Placez-le dans le même dossier que ce programme, ou définissez la variable d’environnement ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>打包完成后自动关窗（默认关）</source>
        <translation>Fermer la fenêtre à la fin de l’empaquetage (désactivé par défaut)</translation>
    </message>
    <message>
        <source>■  停止</source>
        <translation>■  Arrêter</translation>
    </message>
    <message>
        <source>光盘信息</source>
        <translation>Infos du disque</translation>
    </message>
    <message>
        <source>打包选项</source>
        <translation>Options d’empaquetage</translation>
    </message>
    <message>
        <source>打开输出文件夹</source>
        <translation>Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>── %1 开始打包 ──</source>
        <translation>── %1 début de l’empaquetage ──</translation>
    </message>
    <message>
        <source>打包进行中…</source>
        <translation>Empaquetage en cours…</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 已删除 (%1)</source>
        <translation>■ Arrêté : l’ISO incomplet a été supprimé (%1)</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)</source>
        <translation>■ Arrêté : l’ISO incomplet a été conservé (il est peut-être verrouillé ; supprimez-le manuellement)</translation>
    </message>
    <message>
        <source>■ 已停止</source>
        <translation>■ Arrêté</translation>
    </message>
    <message>
        <source>■ 已停止(强制结束进程)。</source>
        <translation>■ Arrêté (processus terminé de force).</translation>
    </message>
    <message>
        <source>✗ 打包进程异常终止 (非正常退出)。</source>
        <translation>✗ Le processus d’empaquetage s’est terminé anormalement (sortie non normale).</translation>
    </message>
    <message>
        <source>打包进程异常终止 (崩溃或被强杀)</source>
        <translation>Le processus d’empaquetage s’est terminé anormalement (plantage ou arrêt forcé)</translation>
    </message>
    <message>
        <source>✓ 打包完成</source>
        <translation>✓ Empaquetage terminé</translation>
    </message>
    <message>
        <source>✓ 打包完成: %1 (%2 MB)</source>
        <translation>✓ Empaquetage terminé : %1 (%2 Mo)</translation>
    </message>
    <message>
        <source>打包完成</source>
        <translation>Empaquetage terminé</translation>
    </message>
    <message>
        <source>SACD ISO 已生成:
%1</source>
        <translation>SACD ISO écrit :
%1</translation>
    </message>
    <message>
        <source>⚠ 引擎报告成功但产物缺失/为空</source>
        <translation>⚠ Le moteur a signalé un succès, mais la sortie est absente ou vide</translation>
    </message>
    <message>
        <source>✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1</source>
        <translation>✗ Le moteur a signalé “SACD ISO created”, mais le fichier cible est absent ou vide : %1</translation>
    </message>
    <message>
        <source>进程结束 (退出码 0, 无产物)</source>
        <translation>Processus terminé (code 0, aucune sortie)</translation>
    </message>
    <message>
        <source>进程结束, 退出码 0, 未检测到产物。</source>
        <translation>Processus terminé avec le code 0 ; aucun fichier de sortie détecté.</translation>
    </message>
    <message>
        <source>打包失败 (退出码 %1)</source>
        <translation>Échec de l’empaquetage (code de sortie %1)</translation>
    </message>
    <message>
        <source>✗ 打包失败, 退出码 %1。见上方错误信息。</source>
        <translation>✗ Échec de l’empaquetage, code de sortie %1. Voir les messages d’erreur ci-dessus.</translation>
    </message>
    <message>
        <source>正在停止… (强制结束可能留下不完整 ISO)</source>
        <translation>Arrêt… (forcer l’arrêt peut laisser un ISO incomplet)</translation>
    </message>
    <message>
        <source>正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)</source>
        <translation>Demande d’arrêt envoyée au cœur d’empaquetage… (il s’arrête à la limite d’une piste ; les pistes déjà écrites restent intactes)</translation>
    </message>
    <message>
        <source>打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。</source>
        <translation>Le cœur d’empaquetage n’a pas confirmé l’arrêt en 2 s -- il termine encore, veuillez patienter.</translation>
    </message>
    <message>
        <source>不完整产物</source>
        <translation>Sortie incomplète</translation>
    </message>
    <message>
        <source>打包未完成, 目标文件可能不完整:
%1

删除该文件吗?</source>
        <translation>L’empaquetage n’est pas terminé ; le fichier cible est peut-être incomplet :
%1

Le supprimer ?</translation>
    </message>
    <message>
        <source>已删除不完整产物: %1</source>
        <translation>Sortie incomplète supprimée : %1</translation>
    </message>
    <message>
        <source>警告: 无法删除不完整产物 %1</source>
        <translation>Avertissement : impossible de supprimer la sortie incomplète %1</translation>
    </message>
    <message>
        <source>保留不完整产物: %1 (请勿直接使用)</source>
        <translation>Sortie incomplète conservée : %1 (ne pas l’utiliser telle quelle)</translation>
    </message>
    <message>
        <source>未知进程错误</source>
        <translation>Erreur de processus inconnue</translation>
    </message>
    <message>
        <source>✗ 进程错误: %1</source>
        <translation>✗ Erreur de processus : %1</translation>
    </message>
    <message>
        <source>无法启动/运行打包引擎: %1</source>
        <translation>Impossible de démarrer/exécuter le moteur d’empaquetage : %1</translation>
    </message>
    <message>
        <source>打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。

确定要退出吗?</source>
        <translation>L’empaquetage n’est pas terminé ; fermer la fenêtre tue le processus et peut laisser un ISO incomplet.

Quitter quand même ?</translation>
    </message>
    <message>
        <source>打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。

确定要退出吗?</source>
        <translation>L’empaquetage s’exécute dans le processus ; fermer la fenêtre quitte immédiatement et peut laisser un ISO incomplet (ce mode ne peut pas être arrêté en cours de route).

Quitter quand même ?</translation>
    </message>
    <message>
        <source>打包进行中</source>
        <translation>Empaquetage en cours</translation>
    </message>
    <message>
        <source>AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)</source>
        <translation>Argument AUTORUN incomplet (il faut au moins 1 piste + un chemin de sortie)</translation>
    </message>
    <message>
        <source>AUTORUN: %1 个音轨 → %2</source>
        <translation>AUTORUN : %1 piste(s) → %2</translation>
    </message>
    <message>
        <source>留空 = 使用文件内元数据</source>
        <translation>Vide = utiliser les métadonnées du fichier</translation>
    </message>
    <message>
        <source>Orvi Lathe — SACD ISO 打包工具</source>
        <translation>Orvi Lathe — empaqueteur SACD ISO</translation>
    </message>
    <message>
        <source>就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。</source>
        <translation>Prêt. Ajoutez des fichiers DSF/DFF à la liste, définissez la sortie, puis cliquez sur « Lancer l’empaquetage ».</translation>
    </message>
    <message>
        <source>留空则自动生成: &lt;首轨目录&gt;/&lt;专辑或首轨名&gt;.iso</source>
        <translation>Vide pour automatique : &lt;dossier de la 1re piste&gt;/&lt;album ou nom de la 1re piste&gt;.iso</translation>
    </message>
    <message>
        <source>开：一次打包成功后自动关闭本窗口（适合命令行/批量调用的人）；关（默认）：保持打开。</source>
        <translation>Activé : ferme cette fenêtre après un empaquetage réussi (pratique en ligne de commande/traitement par lots) ; désactivé (par défaut) : reste ouverte.</translation>
    </message>
    <message>
        <source>运行日志:</source>
        <translation>Journal d’exécution :</translation>
    </message>
    <message>
        <source>专辑 / 艺术家</source>
        <translation>Album / Artiste</translation>
    </message>
    <message>
        <source>发行信息</source>
        <translation>Infos de parution</translation>
    </message>
    <message>
        <source>封面 (嵌入 ISO)</source>
        <translation>Pochette (intégrée à l’ISO)</translation>
    </message>
    <message>
        <source>(无预览)</source>
        <translation>(pas d’aperçu)</translation>
    </message>
    <message>
        <source>选择…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>导入 CUE 可自动补全曲目标题/艺术家</source>
        <translation>Importer un CUE pour remplir automatiquement titres/artistes des pistes</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>音频 / DST 编码</source>
        <translation>Audio / encodage DST</translation>
    </message>
    <message>
        <source>DST 预测阶数, 越小编码越快、压缩率略低</source>
        <translation>Ordre de prédiction DST ; plus petit = encodage plus rapide, compression un peu moindre</translation>
    </message>
    <message>
        <source>默认只压多声道; 勾上后 2 声道区同样做 DST 压缩 (与多数商业 SACD 一致)</source>
        <translation>Par défaut, seul le multicanal est compressé en DST ; cochez pour compresser aussi la zone 2 canaux (comme la plupart des SACD du commerce)</translation>
    </message>
    <message>
        <source>Orvi DSD Disc 模式</source>
        <translation>Mode Orvi DSD Disc</translation>
    </message>
    <message>
        <source>音轨文件 (DSF/DFF)</source>
        <translation>Fichier de piste (DSF/DFF)</translation>
    </message>
    <message>
        <source>标题 (可选)</source>
        <translation>Titre (facultatif)</translation>
    </message>
    <message>
        <source>艺术家 (可选)</source>
        <translation>Artiste (facultatif)</translation>
    </message>
    <message>
        <source>ISRC (可选)</source>
        <translation>ISRC (facultatif)</translation>
    </message>
    <message>
        <source>ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041
留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示</source>
        <translation>ISRC (facultatif), format CC-OOO-YY-DDDDD, ex. FR-W01-02-00041
Vide = cette piste n’a pas d’ISRC ; une valeur non valide est rejetée à l’empaquetage, avec un message</translation>
    </message>
    <message>
        <source>可从文件管理器直接拖入 .dsf/.dff 文件</source>
        <translation>Vous pouvez glisser ici des fichiers .dsf/.dff depuis un gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>＋ 添加音轨文件…</source>
        <translation>＋ Ajouter des fichiers audio…</translation>
    </message>
    <message>
        <source>＋ 添加文件夹…</source>
        <translation>＋ Ajouter un dossier…</translation>
    </message>
    <message>
        <source>⇄ 导入 CUE…</source>
        <translation>⇄ Importer un CUE…</translation>
    </message>
    <message>
        <source>移除所选</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>上移所选音轨</source>
        <translation>Monter les pistes sélectionnées</translation>
    </message>
    <message>
        <source>下移所选音轨</source>
        <translation>Descendre les pistes sélectionnées</translation>
    </message>
    <message>
        <source>共 0 轨</source>
        <translation>0 piste au total</translation>
    </message>
    <message>
        <source>共 %1 轨</source>
        <translation>%1 piste(s) au total</translation>
    </message>
    <message>
        <source>已忽略重复文件: %1</source>
        <translation>Fichier en double ignoré : %1</translation>
    </message>
    <message>
        <source>文件夹里没有找到 .dsf/.dff 文件: %1</source>
        <translation>Aucun fichier .dsf/.dff trouvé dans le dossier : %1</translation>
    </message>
    <message>
        <source>已导入 CUE: %1</source>
        <translation>CUE importé : %1</translation>
    </message>
    <message>
        <source>选择 DSD 音轨文件</source>
        <translation>Sélectionner des fichiers audio DSD</translation>
    </message>
    <message>
        <source>DSD 音频 (*.dsf *.dff);;所有文件 (*)</source>
        <translation>Audio DSD (*.dsf *.dff);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>选择包含 DSF/DFF 的文件夹</source>
        <translation>Sélectionner un dossier contenant des fichiers DSF/DFF</translation>
    </message>
    <message>
        <source>打包进行中, 请先停止再添加音轨。</source>
        <translation>Empaquetage en cours — arrêtez-le avant d’ajouter des pistes.</translation>
    </message>
    <message>
        <source>选择 CUE 文件</source>
        <translation>Sélectionner un fichier CUE</translation>
    </message>
    <message>
        <source>CUE 曲目表 (*.cue);;所有文件 (*)</source>
        <translation>Feuilles CUE (*.cue);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>已导入 CUE: %1 (标题/艺术家将在打包时应用)</source>
        <translation>CUE importé : %1 (titres/artistes appliqués lors de l’empaquetage)</translation>
    </message>
    <message>
        <source>已清除 CUE 设置。</source>
        <translation>CUE effacé.</translation>
    </message>
    <message>
        <source>选择封面图片</source>
        <translation>Sélectionner l’image de pochette</translation>
    </message>
    <message>
        <source>图片 (*.jpg *.jpeg *.png);;所有文件 (*)</source>
        <translation>Images (*.jpg *.jpeg *.png);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>封面</source>
        <translation>Pochette</translation>
    </message>
    <message>
        <source>无法解码该图片, 未采用: %1</source>
        <translation>Impossible de décoder cette image ; non utilisée : %1</translation>
    </message>
    <message>
        <source>自动采用同目录的 CUE: %1</source>
        <translation>utilisation automatique du CUE du même dossier : %1</translation>
    </message>
    <message>
        <source>自动采用同目录的封面: %1</source>
        <translation>utilisation automatique de la pochette du même dossier : %1</translation>
    </message>
    <message>
        <source>输出 SACD ISO</source>
        <translation>Sortie SACD ISO</translation>
    </message>
    <message>
        <source>SACD ISO 镜像 (*.iso);;所有文件 (*)</source>
        <translation>Image SACD ISO (*.iso);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
</context>
<context>
    <name>ReferencesGui</name>
    <message>
        <source>参考标准</source>
        <translation>Normes de référence</translation>
    </message>
    <message>
        <source>参考标准…</source>
        <translation>Normes de référence…</translation>
    </message>
    <message>
        <source>产品参照的公开标准与文献</source>
        <translation>Normes publiques et littérature auxquelles se réfère ce produit</translation>
    </message>
</context>
<context>
    <name>ThirdPartyGui</name>
    <message>
        <source>源码许可</source>
        <translation>Licences des sources</translation>
    </message>
    <message>
        <source>源码许可…</source>
        <translation>Licences des sources…</translation>
    </message>
    <message>
        <source>第三方组件与开源许可清单</source>
        <translation>Liste des composants tiers et des licences open source</translation>
    </message>
</context>
<context>
    <name>PackSession</name>
    <message>
        <source>进程内会话起不来 (rc=%1)</source>
        <translation>la session dans le processus n’a pas démarré (rc=%1)</translation>
    </message>
</context>
<context>
    <name>UiLangRow</name>
    <message>
        <source>语言</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Suivre le système</translation>
    </message>
    <message>
        <source>界面语言。切换后程序会重启一次以便整套界面换语言。</source>
        <translation>Langue de l’interface. L’application redémarre une fois pour que toute l’interface change de langue.</translation>
    </message>
    <message>
        <source>界面语言已切换，程序将自动重启一次以生效。</source>
        <translation>Langue de l’interface modifiée. L’application va redémarrer une fois pour l’appliquer.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>无法获取更新清单: %1</source>
        <translation>Impossible de récupérer le manifeste de mise à jour : %1</translation>
    </message>
    <message>
        <source>更新清单格式不对 (%1)</source>
        <translation>Le manifeste de mise à jour est mal formé (%1)</translation>
    </message>
    <message>
        <source>更新清单里没有版本号</source>
        <translation>Le manifeste de mise à jour ne contient pas de numéro de version</translation>
    </message>
    <message>
        <source>清单里没有适用于本机 (%1) 的更新载荷</source>
        <translation>Le manifeste ne contient aucune charge de mise à jour pour cette machine (%1)</translation>
    </message>
    <message>
        <source>清单里既没有覆盖载荷也没有安装包</source>
        <translation>Le manifeste ne contient ni charge de remplacement ni programme d’installation</translation>
    </message>
    <message>
        <source>无法写入临时文件: %1</source>
        <translation>Impossible d’écrire le fichier temporaire : %1</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>Échec du téléchargement : %1</translation>
    </message>
    <message>
        <source>无法读取下载的文件: %1</source>
        <translation>Impossible de lire le fichier téléchargé : %1</translation>
    </message>
    <message>
        <source>计算校验和失败: %1</source>
        <translation>Échec du calcul de la somme de contrôle : %1</translation>
    </message>
    <message>
        <source>校验和不匹配, 已丢弃 (期望 %1, 实际 %2)</source>
        <translation>Somme de contrôle différente, fichier rejeté (attendu %1, obtenu %2)</translation>
    </message>
    <message>
        <source>下载文件大小不符 (期望 %1 字节, 实际 %2)</source>
        <translation>Taille du fichier téléchargé incorrecte (attendu %1 octets, obtenu %2)</translation>
    </message>
    <message>
        <source>覆盖载荷不可用 (%1)，改用安装包</source>
        <translation>Charge de remplacement inutilisable (%1) ; repli sur le programme d’installation</translation>
    </message>
    <message>
        <source>没有可用的更新载荷</source>
        <translation>Aucune charge de mise à jour utilisable</translation>
    </message>
    <message>
        <source>无法写更新脚本: %1</source>
        <translation>Impossible d’écrire le script de mise à jour : %1</translation>
    </message>
    <message>
        <source>提权启动更新失败 (错误码 %1)。载荷已下载并校验通过, 可手动更新:</source>
        <translation>Impossible de lancer la mise à jour avec élévation (erreur %1). La charge a été téléchargée et vérifiée ; vous pouvez mettre à jour manuellement :</translation>
    </message>
    <message>
        <source>更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。</source>
        <translation>La mise à jour a été téléchargée et vérifiée. Le programme va se fermer ; le système terminera la mise à jour et le redémarrera automatiquement.</translation>
    </message>
</context>
<context>
    <name>UpdateUi</name>
    <message>
        <source>正在检查更新…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>已是最新版本 (%1)。服务器上的最新版本为 %2。</source>
        <translation>Vous êtes à jour (%1). La dernière version sur le serveur est %2.</translation>
    </message>
    <message>
        <source>检查更新失败：</source>
        <translation>Échec de la recherche de mises à jour :</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>Nouvelle version disponible</translation>
    </message>
    <message>
        <source>发现新版本 %1（当前 %2）。</source>
        <translation>La version %1 est disponible (vous avez %2).</translation>
    </message>
    <message>
        <source>发布日期：%1</source>
        <translation>Date de publication : %1</translation>
    </message>
    <message>
        <source>更新说明：%1</source>
        <translation>Notes de version : %1</translation>
    </message>
    <message>
        <source>下载并更新</source>
        <translation>Télécharger et mettre à jour</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>Ouvrir la page de téléchargement</translation>
    </message>
    <message>
        <source>稍后</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>正在下载更新…</source>
        <translation>Téléchargement de la mise à jour…</translation>
    </message>
    <message>
        <source>下载更新</source>
        <translation>Téléchargement de la mise à jour</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>程序现在退出。</source>
        <translation>Le programme va maintenant se fermer.</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Échec de la mise à jour</translation>
    </message>
</context>
</TS>
