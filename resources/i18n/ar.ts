<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="zh_CN">
<context>
    <name>PackGuiWindow</name>
    <message>
        <source>▶  开始打包</source>
        <translation>▶  بدء التحزيم</translation>
    </message>
    <message>
        <source>专辑:</source>
        <translation>الألبوم:</translation>
    </message>
    <message>
        <source>艺术家:</source>
        <translation>الفنان:</translation>
    </message>
    <message>
        <source>厂牌:</source>
        <translation>شركة الإنتاج:</translation>
    </message>
    <message>
        <source>作曲:</source>
        <translation>الملحّن:</translation>
    </message>
    <message>
        <source>指挥:</source>
        <translation>قائد الأوركسترا:</translation>
    </message>
    <message>
        <source>乐团:</source>
        <translation>الأوركسترا:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>年份:</source>
        <translation>السنة:</translation>
    </message>
    <message>
        <source>日期 (YYYY-MM-DD):</source>
        <translation>التاريخ (YYYY-MM-DD):</translation>
    </message>
    <message>
        <source>目录号:</source>
        <translation>رقم الكتالوج:</translation>
    </message>
    <message>
        <source>条码 / UPC:</source>
        <translation>الرمز الشريطي / UPC:</translation>
    </message>
    <message>
        <source>版权:</source>
        <translation>حقوق النشر:</translation>
    </message>
    <message>
        <source>碟号:</source>
        <translation>القرص:</translation>
    </message>
    <message>
        <source>如 1</source>
        <translation>مثلًا 1</translation>
    </message>
    <message>
        <source>总碟数</source>
        <translation>الإجمالي</translation>
    </message>
    <message>
        <source>CUE 曲目表 (可选)</source>
        <translation>ملف CUE (اختياري)</translation>
    </message>
    <message>
        <source>音轨间暂停帧数:</source>
        <translation>عدد إطارات التوقف بين المقاطع:</translation>
    </message>
    <message>
        <source>音轨之间的静音帧数 (44100 帧 = 1 秒)</source>
        <translation>إطارات الصمت بين المقاطع (44100 إطار = ثانية واحدة)</translation>
    </message>
    <message>
        <source>DST 压缩阶数:</source>
        <translation>رتبة ضغط DST:</translation>
    </message>
    <message>
        <source>多声道音轨存原始 DSD, 不压 DST (--no-encode)</source>
        <translation>تخزين المقاطع متعددة القنوات بصيغة DSD خام بدلًا من DST (--no-encode)</translation>
    </message>
    <message>
        <source>立体声区也压 DST (--dst-stereo)</source>
        <translation>ضغط منطقة الاستريو بـ DST أيضًا (--dst-stereo)</translation>
    </message>
    <message>
        <source>构建 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)</source>
        <translation>إنشاء Orvi DSD Disc بدلًا من SACD ISO (--dsd-disc)</translation>
    </message>
    <message>
        <source>光盘标题:</source>
        <translation>عنوان القرص:</translation>
    </message>
    <message>
        <source>默认 ALBUM</source>
        <translation>الافتراضي ALBUM</translation>
    </message>
    <message>
        <source>自动生成 .ovp 播放列表</source>
        <translation>إنشاء قائمة تشغيل .ovp تلقائيًا</translation>
    </message>
    <message>
        <source>输出:</source>
        <translation>المخرج:</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>استعراض…</translation>
    </message>
    <message>
        <source>没有音轨</source>
        <translation>لا توجد مقاطع</translation>
    </message>
    <message>
        <source>请先添加 DSF/DFF 音轨文件。</source>
        <translation>يُرجى إضافة ملفات صوت DSF/DFF أولًا.</translation>
    </message>
    <message>
        <source>找不到打包引擎</source>
        <translation>لم يُعثر على محرك التحزيم</translation>
    </message>
    <message>
        <source>未找到 OrviLathe。请将其放到本程序同目录,
或设置环境变量 ORVI_LATHE_BIN。</source>
        <translation>لم يُعثر على OrviLathe. ضعه بجوار هذا البرنامج،
أو اضبط متغير البيئة ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>输出未指定, 使用: %1</source>
        <translation>لم يُحدَّد المخرج، سيُستخدم: %1</translation>
    </message>
    <message>
        <source>输出路径无效</source>
        <translation>مسار المخرج غير صالح</translation>
    </message>
    <message>
        <source>输出目录不存在:
%1

请选择有效的保存位置。</source>
        <translation>مجلد المخرج غير موجود:
%1

يُرجى اختيار موقع صالح.</translation>
    </message>
    <message>
        <source>环境变量 ORVI_LATHE_BIN</source>
        <translation>متغير البيئة ORVI_LATHE_BIN</translation>
    </message>
    <message>
        <source>程序同目录</source>
        <translation>المجلد نفسه الذي فيه هذا البرنامج</translation>
    </message>
    <message>
        <source>开发构建 (build/)</source>
        <translation>إصدار تطوير (build/)</translation>
    </message>
    <message>
        <source>本程序自身 (未找到 CLI)</source>
        <translation>هذا البرنامج نفسه (لم يُعثر على CLI)</translation>
    </message>
    <message>
        <source>打包引擎: %1 (来源: %2)</source>
        <translation>محرك التحزيم: %1 (المصدر: %2)</translation>
    </message>
    <message>
        <source>说明: 本程序自己就是打包核的宿主(进程内跑核), 不需要另外的 CLI 程序。</source>
        <translation>ملاحظة: هذا البرنامج يستضيف نواة التحزيم بنفسه (يشغّل النواة داخل عمليته)؛ لا حاجة إلى برنامج CLI منفصل.</translation>
    </message>
    <message>
        <source>打包引擎: %1</source>
        <translation>محرك التحزيم: %1</translation>
    </message>
    <message>
        <source>(未找到!)</source>
        <translation>(غير موجود!)</translation>
    </message>
    <message>
        <source>⚠ 未找到打包引擎 OrviLathe。请把它放到本程序同目录, 或设置环境变量 ORVI_LATHE_BIN 指向它。</source>
        <translation>⚠ لم يُعثر على محرك التحزيم OrviLathe. ضعه في المجلد نفسه الذي فيه هذا البرنامج، أو اضبط متغير البيئة ORVI_LATHE_BIN.</translation>
    </message>
    <message>
        <source>打包完成后自动关窗（默认关）</source>
        <translation>إغلاق النافذة عند انتهاء التحزيم (معطّل افتراضيًا)</translation>
    </message>
    <message>
        <source>■  停止</source>
        <translation>■  إيقاف</translation>
    </message>
    <message>
        <source>光盘信息</source>
        <translation>معلومات القرص</translation>
    </message>
    <message>
        <source>打包选项</source>
        <translation>خيارات التحزيم</translation>
    </message>
    <message>
        <source>打开输出文件夹</source>
        <translation>فتح مجلد المخرج</translation>
    </message>
    <message>
        <source>── %1 开始打包 ──</source>
        <translation>── %1 بدء التحزيم ──</translation>
    </message>
    <message>
        <source>打包进行中…</source>
        <translation>التحزيم جارٍ…</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 已删除 (%1)</source>
        <translation>■ تم الإيقاف: حُذف ملف ISO غير المكتمل (%1)</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)</source>
        <translation>■ تم الإيقاف: أُبقي ملف ISO غير المكتمل (قد يكون مقفلًا؛ احذفه يدويًا)</translation>
    </message>
    <message>
        <source>■ 已停止</source>
        <translation>■ تم الإيقاف</translation>
    </message>
    <message>
        <source>■ 已停止(强制结束进程)。</source>
        <translation>■ تم الإيقاف (أُنهيت العملية قسرًا).</translation>
    </message>
    <message>
        <source>✗ 打包进程异常终止 (非正常退出)。</source>
        <translation>✗ انتهت عملية التحزيم بشكل غير طبيعي (خروج غير عادي).</translation>
    </message>
    <message>
        <source>打包进程异常终止 (崩溃或被强杀)</source>
        <translation>انتهت عملية التحزيم بشكل غير طبيعي (تعطّل أو إنهاء قسري)</translation>
    </message>
    <message>
        <source>✓ 打包完成</source>
        <translation>✓ اكتمل التحزيم</translation>
    </message>
    <message>
        <source>✓ 打包完成: %1 (%2 MB)</source>
        <translation>✓ اكتمل التحزيم: %1 (%2 ميغابايت)</translation>
    </message>
    <message>
        <source>打包完成</source>
        <translation>اكتمل التحزيم</translation>
    </message>
    <message>
        <source>SACD ISO 已生成:
%1</source>
        <translation>كُتب SACD ISO:
%1</translation>
    </message>
    <message>
        <source>⚠ 引擎报告成功但产物缺失/为空</source>
        <translation>⚠ أبلغ المحرك بالنجاح لكن المخرج مفقود/فارغ</translation>
    </message>
    <message>
        <source>✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1</source>
        <translation>✗ أبلغ المحرك “SACD ISO created” لكن الملف الهدف مفقود أو فارغ: %1</translation>
    </message>
    <message>
        <source>进程结束 (退出码 0, 无产物)</source>
        <translation>انتهت العملية (الرمز 0، بلا مخرج)</translation>
    </message>
    <message>
        <source>进程结束, 退出码 0, 未检测到产物。</source>
        <translation>انتهت العملية بالرمز 0؛ لم يُكتشف أي ملف مخرج.</translation>
    </message>
    <message>
        <source>打包失败 (退出码 %1)</source>
        <translation>فشل التحزيم (رمز الخروج %1)</translation>
    </message>
    <message>
        <source>✗ 打包失败, 退出码 %1。见上方错误信息。</source>
        <translation>✗ فشل التحزيم، رمز الخروج %1. راجع رسائل الخطأ أعلاه.</translation>
    </message>
    <message>
        <source>正在停止… (强制结束可能留下不完整 ISO)</source>
        <translation>جارٍ الإيقاف… (الإنهاء القسري قد يترك ملف ISO غير مكتمل)</translation>
    </message>
    <message>
        <source>正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)</source>
        <translation>جارٍ إبلاغ نواة التحزيم بالتوقف… (تتوقف عند حدود مقطع؛ تبقى المقاطع المكتوبة سليمة)</translation>
    </message>
    <message>
        <source>打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。</source>
        <translation>لم تؤكد نواة التحزيم التوقف خلال ثانيتين -- ما زالت تُنهي العمل، يُرجى الانتظار.</translation>
    </message>
    <message>
        <source>不完整产物</source>
        <translation>مخرج غير مكتمل</translation>
    </message>
    <message>
        <source>打包未完成, 目标文件可能不完整:
%1

删除该文件吗?</source>
        <translation>لم يكتمل التحزيم؛ قد يكون الملف الهدف غير مكتمل:
%1

هل تريد حذفه؟</translation>
    </message>
    <message>
        <source>已删除不完整产物: %1</source>
        <translation>حُذف المخرج غير المكتمل: %1</translation>
    </message>
    <message>
        <source>警告: 无法删除不完整产物 %1</source>
        <translation>تحذير: تعذّر حذف المخرج غير المكتمل %1</translation>
    </message>
    <message>
        <source>保留不完整产物: %1 (请勿直接使用)</source>
        <translation>أُبقي المخرج غير المكتمل: %1 (لا تستخدمه كما هو)</translation>
    </message>
    <message>
        <source>未知进程错误</source>
        <translation>خطأ غير معروف في العملية</translation>
    </message>
    <message>
        <source>✗ 进程错误: %1</source>
        <translation>✗ خطأ في العملية: %1</translation>
    </message>
    <message>
        <source>无法启动/运行打包引擎: %1</source>
        <translation>تعذّر بدء/تشغيل محرك التحزيم: %1</translation>
    </message>
    <message>
        <source>打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。

确定要退出吗?</source>
        <translation>لم يكتمل التحزيم بعد؛ إغلاق النافذة يُنهي العملية وقد يترك ملف ISO غير مكتمل.

هل تريد الخروج على أي حال؟</translation>
    </message>
    <message>
        <source>打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。

确定要退出吗?</source>
        <translation>التحزيم يجري داخل العملية؛ إغلاق النافذة يخرج فورًا وقد يترك ملف ISO غير مكتمل (لا يمكن إيقاف هذا الوضع في المنتصف).

هل تريد الخروج على أي حال؟</translation>
    </message>
    <message>
        <source>打包进行中</source>
        <translation>التحزيم جارٍ</translation>
    </message>
    <message>
        <source>AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)</source>
        <translation>وسيط AUTORUN ناقص (يلزم مقطع واحد على الأقل + مسار مخرج)</translation>
    </message>
    <message>
        <source>AUTORUN: %1 个音轨 → %2</source>
        <translation>AUTORUN: %1 مقطع → %2</translation>
    </message>
    <message>
        <source>留空 = 使用文件内元数据</source>
        <translation>فارغ = استخدام البيانات الوصفية في الملف</translation>
    </message>
    <message>
        <source>Orvi Lathe — SACD ISO 打包工具</source>
        <translation>Orvi Lathe — أداة تحزيم SACD ISO</translation>
    </message>
    <message>
        <source>就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。</source>
        <translation>جاهز. أضف ملفات DSF/DFF إلى القائمة، واضبط المخرج، ثم انقر «بدء التحزيم».</translation>
    </message>
    <message>
        <source>留空则自动生成: &lt;首轨目录&gt;/&lt;专辑或首轨名&gt;.iso</source>
        <translation>اتركه فارغًا للتوليد التلقائي: &lt;مجلد المقطع الأول&gt;/&lt;الألبوم أو اسم المقطع الأول&gt;.iso</translation>
    </message>
    <message>
        <source>开：一次打包成功后自动关闭本窗口（适合命令行/批量调用的人）；关（默认）：保持打开。</source>
        <translation>تشغيل: يغلق هذه النافذة بعد تحزيم ناجح (مفيد للاستخدام من سطر الأوامر/الدفعات)؛ إيقاف (الافتراضي): تبقى مفتوحة.</translation>
    </message>
    <message>
        <source>运行日志:</source>
        <translation>سجل التشغيل:</translation>
    </message>
    <message>
        <source>专辑 / 艺术家</source>
        <translation>الألبوم / الفنان</translation>
    </message>
    <message>
        <source>发行信息</source>
        <translation>معلومات الإصدار</translation>
    </message>
    <message>
        <source>封面 (嵌入 ISO)</source>
        <translation>صورة الغلاف (مضمّنة في ISO)</translation>
    </message>
    <message>
        <source>(无预览)</source>
        <translation>(لا معاينة)</translation>
    </message>
    <message>
        <source>选择…</source>
        <translation>اختيار…</translation>
    </message>
    <message>
        <source>导入 CUE 可自动补全曲目标题/艺术家</source>
        <translation>استورد ملف CUE لملء عناوين المقاطع/الفنانين تلقائيًا</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>音频 / DST 编码</source>
        <translation>الصوت / ترميز DST</translation>
    </message>
    <message>
        <source>DST 预测阶数, 越小编码越快、压缩率略低</source>
        <translation>رتبة التنبؤ في DST؛ الأصغر = ترميز أسرع وضغط أقل قليلًا</translation>
    </message>
    <message>
        <source>默认只压多声道; 勾上后 2 声道区同样做 DST 压缩 (与多数商业 SACD 一致)</source>
        <translation>افتراضيًا يُضغط متعدد القنوات فقط بـ DST؛ فعّل هذا الخيار لضغط منطقة القناتين أيضًا (كما في معظم أقراص SACD التجارية)</translation>
    </message>
    <message>
        <source>Orvi DSD Disc 模式</source>
        <translation>وضع Orvi DSD Disc</translation>
    </message>
    <message>
        <source>音轨文件 (DSF/DFF)</source>
        <translation>ملف المقطع (DSF/DFF)</translation>
    </message>
    <message>
        <source>标题 (可选)</source>
        <translation>العنوان (اختياري)</translation>
    </message>
    <message>
        <source>艺术家 (可选)</source>
        <translation>الفنان (اختياري)</translation>
    </message>
    <message>
        <source>ISRC (可选)</source>
        <translation>ISRC (اختياري)</translation>
    </message>
    <message>
        <source>ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041
留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示</source>
        <translation>ISRC (اختياري)، الصيغة CC-OOO-YY-DDDDD، مثلًا FR-W01-02-00041
فارغ = لا يوجد ISRC لهذا المقطع؛ القيمة غير الصالحة تُرفض عند التحزيم مع رسالة</translation>
    </message>
    <message>
        <source>可从文件管理器直接拖入 .dsf/.dff 文件</source>
        <translation>يمكنك سحب ملفات .dsf/.dff إلى هنا من مدير الملفات</translation>
    </message>
    <message>
        <source>＋ 添加音轨文件…</source>
        <translation>＋ إضافة ملفات صوت…</translation>
    </message>
    <message>
        <source>＋ 添加文件夹…</source>
        <translation>＋ إضافة مجلد…</translation>
    </message>
    <message>
        <source>⇄ 导入 CUE…</source>
        <translation>⇄ استيراد CUE…</translation>
    </message>
    <message>
        <source>移除所选</source>
        <translation>إزالة المحدد</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>上移所选音轨</source>
        <translation>نقل المقاطع المحددة لأعلى</translation>
    </message>
    <message>
        <source>下移所选音轨</source>
        <translation>نقل المقاطع المحددة لأسفل</translation>
    </message>
    <message>
        <source>共 0 轨</source>
        <translation>إجمالي المقاطع: 0</translation>
    </message>
    <message>
        <source>共 %1 轨</source>
        <translation>إجمالي المقاطع: %1</translation>
    </message>
    <message>
        <source>已忽略重复文件: %1</source>
        <translation>تم تجاهل ملف مكرر: %1</translation>
    </message>
    <message>
        <source>文件夹里没有找到 .dsf/.dff 文件: %1</source>
        <translation>لم يُعثر على ملفات .dsf/.dff في المجلد: %1</translation>
    </message>
    <message>
        <source>已导入 CUE: %1</source>
        <translation>تم استيراد CUE: %1</translation>
    </message>
    <message>
        <source>选择 DSD 音轨文件</source>
        <translation>اختيار ملفات صوت DSD</translation>
    </message>
    <message>
        <source>DSD 音频 (*.dsf *.dff);;所有文件 (*)</source>
        <translation>صوت DSD (*.dsf *.dff);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>选择包含 DSF/DFF 的文件夹</source>
        <translation>اختيار مجلد يحتوي على ملفات DSF/DFF</translation>
    </message>
    <message>
        <source>打包进行中, 请先停止再添加音轨。</source>
        <translation>التحزيم جارٍ — أوقفه قبل إضافة مقاطع.</translation>
    </message>
    <message>
        <source>选择 CUE 文件</source>
        <translation>اختيار ملف CUE</translation>
    </message>
    <message>
        <source>CUE 曲目表 (*.cue);;所有文件 (*)</source>
        <translation>ملفات CUE (*.cue);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>已导入 CUE: %1 (标题/艺术家将在打包时应用)</source>
        <translation>تم استيراد CUE: %1 (ستُطبَّق العناوين/الفنانون عند التحزيم)</translation>
    </message>
    <message>
        <source>已清除 CUE 设置。</source>
        <translation>تم مسح إعداد CUE.</translation>
    </message>
    <message>
        <source>选择封面图片</source>
        <translation>اختيار صورة الغلاف</translation>
    </message>
    <message>
        <source>图片 (*.jpg *.jpeg *.png);;所有文件 (*)</source>
        <translation>الصور (*.jpg *.jpeg *.png);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>封面</source>
        <translation>الغلاف</translation>
    </message>
    <message>
        <source>无法解码该图片, 未采用: %1</source>
        <translation>تعذّر فك ترميز الصورة، لم تُستخدم: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的 CUE: %1</source>
        <translation>استخدام ملف CUE من المجلد نفسه تلقائيًا: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的封面: %1</source>
        <translation>استخدام صورة الغلاف من المجلد نفسه تلقائيًا: %1</translation>
    </message>
    <message>
        <source>输出 SACD ISO</source>
        <translation>مخرج SACD ISO</translation>
    </message>
    <message>
        <source>SACD ISO 镜像 (*.iso);;所有文件 (*)</source>
        <translation>صورة SACD ISO (*.iso);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>التحقق من التحديثات…</translation>
    </message>
</context>
<context>
    <name>ReferencesGui</name>
    <message>
        <source>参考标准</source>
        <translation>المعايير المرجعية</translation>
    </message>
    <message>
        <source>参考标准…</source>
        <translation>المعايير المرجعية…</translation>
    </message>
    <message>
        <source>产品参照的公开标准与文献</source>
        <translation>المعايير العامة والمراجع التي يستند إليها هذا المنتج</translation>
    </message>
</context>
<context>
    <name>ThirdPartyGui</name>
    <message>
        <source>源码许可</source>
        <translation>تراخيص المصدر</translation>
    </message>
    <message>
        <source>源码许可…</source>
        <translation>تراخيص المصدر…</translation>
    </message>
    <message>
        <source>第三方组件与开源许可清单</source>
        <translation>قائمة مكونات الجهات الخارجية وتراخيص المصدر المفتوح</translation>
    </message>
</context>
<context>
    <name>PackSession</name>
    <message>
        <source>进程内会话起不来 (rc=%1)</source>
        <translation>تعذّر بدء الجلسة داخل العملية (rc=%1)</translation>
    </message>
</context>
<context>
    <name>UiLangRow</name>
    <message>
        <source>语言</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>اتباع النظام</translation>
    </message>
    <message>
        <source>界面语言。切换后程序会重启一次以便整套界面换语言。</source>
        <translation>لغة الواجهة. يُعاد تشغيل التطبيق مرة واحدة لتتغير لغة الواجهة بالكامل.</translation>
    </message>
    <message>
        <source>界面语言已切换，程序将自动重启一次以生效。</source>
        <translation>تم تغيير لغة الواجهة. سيُعاد تشغيل التطبيق تلقائيًا مرة واحدة لتطبيقها.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>无法获取更新清单: %1</source>
        <translation>تعذّر جلب بيان التحديث: %1</translation>
    </message>
    <message>
        <source>更新清单格式不对 (%1)</source>
        <translation>بيان التحديث غير سليم (%1)</translation>
    </message>
    <message>
        <source>更新清单里没有版本号</source>
        <translation>لا يحتوي بيان التحديث على رقم إصدار</translation>
    </message>
    <message>
        <source>清单里没有适用于本机 (%1) 的更新载荷</source>
        <translation>لا يحتوي البيان على حزمة تحديث لهذا الجهاز (%1)</translation>
    </message>
    <message>
        <source>清单里既没有覆盖载荷也没有安装包</source>
        <translation>لا يحتوي البيان على حزمة استبدال ولا على مثبّت</translation>
    </message>
    <message>
        <source>无法写入临时文件: %1</source>
        <translation>تعذّرت كتابة الملف المؤقت: %1</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>فشل التنزيل: %1</translation>
    </message>
    <message>
        <source>无法读取下载的文件: %1</source>
        <translation>تعذّرت قراءة الملف المنزَّل: %1</translation>
    </message>
    <message>
        <source>计算校验和失败: %1</source>
        <translation>فشل حساب المجموع الاختباري: %1</translation>
    </message>
    <message>
        <source>校验和不匹配, 已丢弃 (期望 %1, 实际 %2)</source>
        <translation>المجموع الاختباري غير مطابق، تم التجاهل (المتوقع %1، الفعلي %2)</translation>
    </message>
    <message>
        <source>下载文件大小不符 (期望 %1 字节, 实际 %2)</source>
        <translation>حجم الملف المنزَّل غير مطابق (المتوقع %1 بايت، الفعلي %2)</translation>
    </message>
    <message>
        <source>覆盖载荷不可用 (%1)，改用安装包</source>
        <translation>حزمة الاستبدال غير صالحة (%1)، سيُستخدم المثبّت بدلًا منها</translation>
    </message>
    <message>
        <source>没有可用的更新载荷</source>
        <translation>لا توجد حزمة تحديث صالحة</translation>
    </message>
    <message>
        <source>无法写更新脚本: %1</source>
        <translation>تعذّرت كتابة سكربت التحديث: %1</translation>
    </message>
    <message>
        <source>提权启动更新失败 (错误码 %1)。载荷已下载并校验通过, 可手动更新:</source>
        <translation>فشل بدء التحديث بصلاحيات مرتفعة (رمز الخطأ %1). نُزِّلت الحزمة وتم التحقق منها؛ يمكنك التحديث يدويًا:</translation>
    </message>
    <message>
        <source>更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。</source>
        <translation>نُزِّل التحديث وتم التحقق منه. سيُغلق البرنامج، وسيُكمل النظام التحديث ثم يعيد تشغيله تلقائيًا.</translation>
    </message>
</context>
<context>
    <name>UpdateUi</name>
    <message>
        <source>正在检查更新…</source>
        <translation>جارٍ التحقق من التحديثات…</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>التحقق من التحديثات</translation>
    </message>
    <message>
        <source>已是最新版本 (%1)。服务器上的最新版本为 %2。</source>
        <translation>لديك أحدث إصدار (%1). أحدث إصدار على الخادم هو %2.</translation>
    </message>
    <message>
        <source>检查更新失败：</source>
        <translation>فشل التحقق من التحديثات:</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>يتوفر إصدار جديد</translation>
    </message>
    <message>
        <source>发现新版本 %1（当前 %2）。</source>
        <translation>الإصدار %1 متوفر (لديك %2).</translation>
    </message>
    <message>
        <source>发布日期：%1</source>
        <translation>تاريخ الإصدار: %1</translation>
    </message>
    <message>
        <source>更新说明：%1</source>
        <translation>ملاحظات الإصدار: %1</translation>
    </message>
    <message>
        <source>下载并更新</source>
        <translation>تنزيل وتحديث</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>فتح صفحة التنزيل</translation>
    </message>
    <message>
        <source>稍后</source>
        <translation>لاحقًا</translation>
    </message>
    <message>
        <source>正在下载更新…</source>
        <translation>جارٍ تنزيل التحديث…</translation>
    </message>
    <message>
        <source>下载更新</source>
        <translation>تنزيل التحديث</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>程序现在退出。</source>
        <translation>سيُغلق البرنامج الآن.</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>فشل التحديث</translation>
    </message>
</context>
</TS>
