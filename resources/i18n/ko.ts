<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>PackGuiWindow</name>
    <message>
        <source>▶  开始打包</source>
        <translation>▶  패키징 시작</translation>
    </message>
    <message>
        <source>专辑:</source>
        <translation>앨범:</translation>
    </message>
    <message>
        <source>艺术家:</source>
        <translation>아티스트:</translation>
    </message>
    <message>
        <source>厂牌:</source>
        <translation>레이블:</translation>
    </message>
    <message>
        <source>作曲:</source>
        <translation>작곡:</translation>
    </message>
    <message>
        <source>指挥:</source>
        <translation>지휘:</translation>
    </message>
    <message>
        <source>乐团:</source>
        <translation>오케스트라:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>장르:</translation>
    </message>
    <message>
        <source>年份:</source>
        <translation>연도:</translation>
    </message>
    <message>
        <source>日期 (YYYY-MM-DD):</source>
        <translation>날짜 (YYYY-MM-DD):</translation>
    </message>
    <message>
        <source>目录号:</source>
        <translation>카탈로그 번호:</translation>
    </message>
    <message>
        <source>条码 / UPC:</source>
        <translation>바코드 / UPC:</translation>
    </message>
    <message>
        <source>版权:</source>
        <translation>저작권:</translation>
    </message>
    <message>
        <source>碟号:</source>
        <translation>디스크:</translation>
    </message>
    <message>
        <source>如 1</source>
        <translation>예: 1</translation>
    </message>
    <message>
        <source>总碟数</source>
        <translation>전체 매수</translation>
    </message>
    <message>
        <source>CUE 曲目表 (可选)</source>
        <translation>CUE 시트 (선택)</translation>
    </message>
    <message>
        <source>音轨间暂停帧数:</source>
        <translation>트랙 사이 일시정지 프레임 수:</translation>
    </message>
    <message>
        <source>音轨之间的静音帧数 (44100 帧 = 1 秒)</source>
        <translation>트랙 사이 무음 프레임 수 (44100 프레임 = 1초)</translation>
    </message>
    <message>
        <source>DST 压缩阶数:</source>
        <translation>DST 압축 차수:</translation>
    </message>
    <message>
        <source>多声道音轨存原始 DSD, 不压 DST (--no-encode)</source>
        <translation>멀티채널은 DST 압축 없이 원본 DSD로 저장 (--no-encode)</translation>
    </message>
    <message>
        <source>立体声区也压 DST (--dst-stereo)</source>
        <translation>스테레오 영역도 DST 압축 (--dst-stereo)</translation>
    </message>
    <message>
        <source>构建 Orvi DSD Disc 而非 SACD ISO (--dsd-disc)</source>
        <translation>SACD ISO 대신 Orvi DSD Disc 만들기 (--dsd-disc)</translation>
    </message>
    <message>
        <source>光盘标题:</source>
        <translation>디스크 제목:</translation>
    </message>
    <message>
        <source>默认 ALBUM</source>
        <translation>기본값 ALBUM</translation>
    </message>
    <message>
        <source>自动生成 .ovp 播放列表</source>
        <translation>.ovp 재생 목록 자동 생성</translation>
    </message>
    <message>
        <source>输出:</source>
        <translation>출력:</translation>
    </message>
    <message>
        <source>浏览…</source>
        <translation>찾아보기…</translation>
    </message>
    <message>
        <source>没有音轨</source>
        <translation>트랙 없음</translation>
    </message>
    <message>
        <source>请先添加 DSF/DFF 音轨文件。</source>
        <translation>먼저 DSF/DFF 오디오 파일을 추가하세요.</translation>
    </message>
    <message>
        <source>找不到打包引擎</source>
        <translation>패키징 엔진을 찾을 수 없음</translation>
    </message>
    <message>
        <source>未找到 OrviLathe。请将其放到本程序同目录,
或设置环境变量 ORVI_LATHE_BIN。</source>
        <translation>OrviLathe를 찾을 수 없습니다. 이 프로그램과 같은 폴더에 두거나,
환경 변수 ORVI_LATHE_BIN을 설정하세요.</translation>
    </message>
    <message>
        <source>输出未指定, 使用: %1</source>
        <translation>출력이 지정되지 않아 다음을 사용합니다: %1</translation>
    </message>
    <message>
        <source>输出路径无效</source>
        <translation>잘못된 출력 경로</translation>
    </message>
    <message>
        <source>输出目录不存在:
%1

请选择有效的保存位置。</source>
        <translation>출력 폴더가 없습니다:
%1

올바른 저장 위치를 선택하세요.</translation>
    </message>
    <message>
        <source>环境变量 ORVI_LATHE_BIN</source>
        <translation>환경 변수 ORVI_LATHE_BIN</translation>
    </message>
    <message>
        <source>程序同目录</source>
        <translation>이 프로그램과 같은 폴더</translation>
    </message>
    <message>
        <source>开发构建 (build/)</source>
        <translation>개발 빌드 (build/)</translation>
    </message>
    <message>
        <source>本程序自身 (未找到 CLI)</source>
        <translation>이 프로그램 자체 (CLI를 찾지 못함)</translation>
    </message>
    <message>
        <source>打包引擎: %1 (来源: %2)</source>
        <translation>패키징 엔진: %1 (출처: %2)</translation>
    </message>
    <message>
        <source>说明: 本程序自己就是打包核的宿主(进程内跑核), 不需要另外的 CLI 程序。</source>
        <translation>참고: 이 프로그램이 패키징 코어를 직접 호스팅합니다(코어를 프로세스 내에서 실행). 별도의 CLI 프로그램은 필요 없습니다.</translation>
    </message>
    <message>
        <source>打包引擎: %1</source>
        <translation>패키징 엔진: %1</translation>
    </message>
    <message>
        <source>(未找到!)</source>
        <translation>(찾을 수 없음!)</translation>
    </message>
    <message>
        <source>⚠ 未找到打包引擎 OrviLathe。请把它放到本程序同目录, 或设置环境变量 ORVI_LATHE_BIN 指向它。</source>
        <translation>⚠ 패키징 엔진 OrviLathe를 찾을 수 없습니다. 이 프로그램과 같은 폴더에 두거나, 환경 변수 ORVI_LATHE_BIN이 이를 가리키도록 설정하세요.</translation>
    </message>
    <message>
        <source>打包完成后自动关窗（默认关）</source>
        <translation>패키징이 끝나면 창 자동 닫기 (기본값: 끔)</translation>
    </message>
    <message>
        <source>■  停止</source>
        <translation>■  중지</translation>
    </message>
    <message>
        <source>光盘信息</source>
        <translation>디스크 정보</translation>
    </message>
    <message>
        <source>打包选项</source>
        <translation>패키징 옵션</translation>
    </message>
    <message>
        <source>打开输出文件夹</source>
        <translation>출력 폴더 열기</translation>
    </message>
    <message>
        <source>── %1 开始打包 ──</source>
        <translation>── %1 패키징 시작 ──</translation>
    </message>
    <message>
        <source>打包进行中…</source>
        <translation>패키징 진행 중…</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 已删除 (%1)</source>
        <translation>■ 중지됨: 미완성 ISO를 삭제했습니다 (%1)</translation>
    </message>
    <message>
        <source>■ 已停止: 未完成的 ISO 保留 (可能被占用, 请手动删)</source>
        <translation>■ 중지됨: 미완성 ISO가 남아 있습니다 (사용 중일 수 있으니 직접 삭제하세요)</translation>
    </message>
    <message>
        <source>■ 已停止</source>
        <translation>■ 중지됨</translation>
    </message>
    <message>
        <source>■ 已停止(强制结束进程)。</source>
        <translation>■ 중지됨 (프로세스 강제 종료).</translation>
    </message>
    <message>
        <source>✗ 打包进程异常终止 (非正常退出)。</source>
        <translation>✗ 패키징 프로세스가 비정상적으로 종료되었습니다 (정상 종료 아님).</translation>
    </message>
    <message>
        <source>打包进程异常终止 (崩溃或被强杀)</source>
        <translation>패키징 프로세스가 비정상적으로 종료되었습니다 (충돌 또는 강제 종료)</translation>
    </message>
    <message>
        <source>✓ 打包完成</source>
        <translation>✓ 패키징 완료</translation>
    </message>
    <message>
        <source>✓ 打包完成: %1 (%2 MB)</source>
        <translation>✓ 패키징 완료: %1 (%2 MB)</translation>
    </message>
    <message>
        <source>打包完成</source>
        <translation>패키징 완료</translation>
    </message>
    <message>
        <source>SACD ISO 已生成:
%1</source>
        <translation>SACD ISO를 만들었습니다:
%1</translation>
    </message>
    <message>
        <source>⚠ 引擎报告成功但产物缺失/为空</source>
        <translation>⚠ 엔진은 성공을 보고했지만 결과물이 없거나 비어 있습니다</translation>
    </message>
    <message>
        <source>✗ 引擎报告 “SACD ISO created” 但目标文件缺失或为空: %1</source>
        <translation>✗ 엔진이 “SACD ISO created”를 보고했지만 대상 파일이 없거나 비어 있습니다: %1</translation>
    </message>
    <message>
        <source>进程结束 (退出码 0, 无产物)</source>
        <translation>프로세스 종료 (종료 코드 0, 결과물 없음)</translation>
    </message>
    <message>
        <source>进程结束, 退出码 0, 未检测到产物。</source>
        <translation>프로세스가 종료 코드 0으로 끝났지만 결과 파일을 찾지 못했습니다.</translation>
    </message>
    <message>
        <source>打包失败 (退出码 %1)</source>
        <translation>패키징 실패 (종료 코드 %1)</translation>
    </message>
    <message>
        <source>✗ 打包失败, 退出码 %1。见上方错误信息。</source>
        <translation>✗ 패키징 실패, 종료 코드 %1. 위의 오류 메시지를 확인하세요.</translation>
    </message>
    <message>
        <source>正在停止… (强制结束可能留下不完整 ISO)</source>
        <translation>중지하는 중… (강제 종료하면 미완성 ISO가 남을 수 있습니다)</translation>
    </message>
    <message>
        <source>正在通知打包核停止…(停在轨边界, 已写入的轨保持完整)</source>
        <translation>패키징 코어에 중지를 알리는 중…(트랙 경계에서 멈추며, 이미 기록된 트랙은 그대로 유지됩니다)</translation>
    </message>
    <message>
        <source>打包核 2 秒内没有确认停止 —— 仍在收尾, 请稍候。</source>
        <translation>패키징 코어가 2초 안에 중지를 확인하지 않았습니다 —— 아직 마무리 중이니 잠시 기다려 주세요.</translation>
    </message>
    <message>
        <source>不完整产物</source>
        <translation>미완성 결과물</translation>
    </message>
    <message>
        <source>打包未完成, 目标文件可能不完整:
%1

删除该文件吗?</source>
        <translation>패키징이 완료되지 않아 대상 파일이 불완전할 수 있습니다:
%1

이 파일을 삭제할까요?</translation>
    </message>
    <message>
        <source>已删除不完整产物: %1</source>
        <translation>미완성 결과물을 삭제했습니다: %1</translation>
    </message>
    <message>
        <source>警告: 无法删除不完整产物 %1</source>
        <translation>경고: 미완성 결과물을 삭제할 수 없습니다 %1</translation>
    </message>
    <message>
        <source>保留不完整产物: %1 (请勿直接使用)</source>
        <translation>미완성 결과물을 남겨 두었습니다: %1 (그대로 사용하지 마세요)</translation>
    </message>
    <message>
        <source>未知进程错误</source>
        <translation>알 수 없는 프로세스 오류</translation>
    </message>
    <message>
        <source>✗ 进程错误: %1</source>
        <translation>✗ 프로세스 오류: %1</translation>
    </message>
    <message>
        <source>无法启动/运行打包引擎: %1</source>
        <translation>패키징 엔진을 시작/실행할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>打包尚未完成, 关闭窗口将终止进程并可能留下不完整 ISO。

确定要退出吗?</source>
        <translation>패키징이 아직 끝나지 않았습니다. 창을 닫으면 프로세스가 종료되고 미완성 ISO가 남을 수 있습니다.

그래도 종료할까요?</translation>
    </message>
    <message>
        <source>打包在进程内进行, 关窗会立即退出并留下不完整 ISO(这一档无法中途停止)。

确定要退出吗?</source>
        <translation>패키징이 프로세스 내에서 실행 중입니다. 창을 닫으면 즉시 종료되고 미완성 ISO가 남습니다(이 모드는 중간에 멈출 수 없습니다).

그래도 종료할까요?</translation>
    </message>
    <message>
        <source>打包进行中</source>
        <translation>패키징 진행 중</translation>
    </message>
    <message>
        <source>AUTORUN 参数不完整(至少 1 个音轨 + 输出路径)</source>
        <translation>AUTORUN 인수가 부족합니다(트랙 1개 이상 + 출력 경로 필요)</translation>
    </message>
    <message>
        <source>AUTORUN: %1 个音轨 → %2</source>
        <translation>AUTORUN: 트랙 %1개 → %2</translation>
    </message>
    <message>
        <source>留空 = 使用文件内元数据</source>
        <translation>비워 두면 = 파일 안의 메타데이터 사용</translation>
    </message>
    <message>
        <source>Orvi Lathe — SACD ISO 打包工具</source>
        <translation>Orvi Lathe — SACD ISO 패키징 도구</translation>
    </message>
    <message>
        <source>就绪。将 DSF/DFF 文件加入列表, 设置输出后点击「开始打包」。</source>
        <translation>준비되었습니다. DSF/DFF 파일을 목록에 추가하고 출력을 설정한 뒤 「패키징 시작」을 클릭하세요.</translation>
    </message>
    <message>
        <source>留空则自动生成: &lt;首轨目录&gt;/&lt;专辑或首轨名&gt;.iso</source>
        <translation>비워 두면 자동 생성: &lt;첫 트랙 폴더&gt;/&lt;앨범 또는 첫 트랙 이름&gt;.iso</translation>
    </message>
    <message>
        <source>开：一次打包成功后自动关闭本窗口（适合命令行/批量调用的人）；关（默认）：保持打开。</source>
        <translation>켬: 패키징이 성공하면 이 창을 자동으로 닫습니다(명령줄/일괄 작업에 유용). 끔(기본값): 열어 둡니다.</translation>
    </message>
    <message>
        <source>运行日志:</source>
        <translation>실행 로그:</translation>
    </message>
    <message>
        <source>专辑 / 艺术家</source>
        <translation>앨범 / 아티스트</translation>
    </message>
    <message>
        <source>发行信息</source>
        <translation>발매 정보</translation>
    </message>
    <message>
        <source>封面 (嵌入 ISO)</source>
        <translation>커버 아트 (ISO에 포함)</translation>
    </message>
    <message>
        <source>(无预览)</source>
        <translation>(미리 보기 없음)</translation>
    </message>
    <message>
        <source>选择…</source>
        <translation>선택…</translation>
    </message>
    <message>
        <source>导入 CUE 可自动补全曲目标题/艺术家</source>
        <translation>CUE를 가져오면 트랙 제목/아티스트를 자동으로 채웁니다</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>音频 / DST 编码</source>
        <translation>오디오 / DST 인코딩</translation>
    </message>
    <message>
        <source>DST 预测阶数, 越小编码越快、压缩率略低</source>
        <translation>DST 예측 차수. 작을수록 인코딩이 빠르고 압축률은 약간 낮아집니다</translation>
    </message>
    <message>
        <source>默认只压多声道; 勾上后 2 声道区同样做 DST 压缩 (与多数商业 SACD 一致)</source>
        <translation>기본적으로 멀티채널만 DST 압축합니다. 선택하면 2채널 영역도 DST 압축합니다 (대부분의 상용 SACD와 동일)</translation>
    </message>
    <message>
        <source>Orvi DSD Disc 模式</source>
        <translation>Orvi DSD Disc 모드</translation>
    </message>
    <message>
        <source>音轨文件 (DSF/DFF)</source>
        <translation>트랙 파일 (DSF/DFF)</translation>
    </message>
    <message>
        <source>标题 (可选)</source>
        <translation>제목 (선택)</translation>
    </message>
    <message>
        <source>艺术家 (可选)</source>
        <translation>아티스트 (선택)</translation>
    </message>
    <message>
        <source>ISRC (可选)</source>
        <translation>ISRC (선택)</translation>
    </message>
    <message>
        <source>ISRC (可选), 格式 CC-OOO-YY-DDDDD, 例 FR-W01-02-00041
留空 = 该轨无 ISRC; 非法值打包时会被拒收并提示</source>
        <translation>ISRC (선택), 형식 CC-OOO-YY-DDDDD, 예 FR-W01-02-00041
비워 두면 = 이 트랙에 ISRC 없음. 잘못된 값은 패키징할 때 거부되며 메시지가 표시됩니다</translation>
    </message>
    <message>
        <source>可从文件管理器直接拖入 .dsf/.dff 文件</source>
        <translation>파일 관리자에서 .dsf/.dff 파일을 바로 끌어다 놓을 수 있습니다</translation>
    </message>
    <message>
        <source>＋ 添加音轨文件…</source>
        <translation>＋ 오디오 파일 추가…</translation>
    </message>
    <message>
        <source>＋ 添加文件夹…</source>
        <translation>＋ 폴더 추가…</translation>
    </message>
    <message>
        <source>⇄ 导入 CUE…</source>
        <translation>⇄ CUE 가져오기…</translation>
    </message>
    <message>
        <source>移除所选</source>
        <translation>선택 항목 제거</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>上移所选音轨</source>
        <translation>선택한 트랙을 위로 이동</translation>
    </message>
    <message>
        <source>下移所选音轨</source>
        <translation>선택한 트랙을 아래로 이동</translation>
    </message>
    <message>
        <source>共 0 轨</source>
        <translation>총 0개 트랙</translation>
    </message>
    <message>
        <source>共 %1 轨</source>
        <translation>총 %1개 트랙</translation>
    </message>
    <message>
        <source>已忽略重复文件: %1</source>
        <translation>중복 파일을 무시했습니다: %1</translation>
    </message>
    <message>
        <source>文件夹里没有找到 .dsf/.dff 文件: %1</source>
        <translation>폴더에서 .dsf/.dff 파일을 찾지 못했습니다: %1</translation>
    </message>
    <message>
        <source>已导入 CUE: %1</source>
        <translation>CUE를 가져왔습니다: %1</translation>
    </message>
    <message>
        <source>选择 DSD 音轨文件</source>
        <translation>DSD 오디오 파일 선택</translation>
    </message>
    <message>
        <source>DSD 音频 (*.dsf *.dff);;所有文件 (*)</source>
        <translation>DSD 오디오 (*.dsf *.dff);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>选择包含 DSF/DFF 的文件夹</source>
        <translation>DSF/DFF 파일이 있는 폴더 선택</translation>
    </message>
    <message>
        <source>打包进行中, 请先停止再添加音轨。</source>
        <translation>패키징이 진행 중입니다. 트랙을 추가하려면 먼저 중지하세요.</translation>
    </message>
    <message>
        <source>选择 CUE 文件</source>
        <translation>CUE 파일 선택</translation>
    </message>
    <message>
        <source>CUE 曲目表 (*.cue);;所有文件 (*)</source>
        <translation>CUE 시트 (*.cue);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>已导入 CUE: %1 (标题/艺术家将在打包时应用)</source>
        <translation>CUE를 가져왔습니다: %1 (제목/아티스트는 패키징할 때 적용됩니다)</translation>
    </message>
    <message>
        <source>已清除 CUE 设置。</source>
        <translation>CUE 설정을 지웠습니다.</translation>
    </message>
    <message>
        <source>选择封面图片</source>
        <translation>커버 이미지 선택</translation>
    </message>
    <message>
        <source>图片 (*.jpg *.jpeg *.png);;所有文件 (*)</source>
        <translation>이미지 (*.jpg *.jpeg *.png);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>封面</source>
        <translation>커버</translation>
    </message>
    <message>
        <source>无法解码该图片, 未采用: %1</source>
        <translation>이 이미지를 디코딩할 수 없어 사용하지 않습니다: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的 CUE: %1</source>
        <translation>같은 폴더의 CUE를 자동으로 사용: %1</translation>
    </message>
    <message>
        <source>自动采用同目录的封面: %1</source>
        <translation>같은 폴더의 커버 아트를 자동으로 사용: %1</translation>
    </message>
    <message>
        <source>输出 SACD ISO</source>
        <translation>SACD ISO 출력</translation>
    </message>
    <message>
        <source>SACD ISO 镜像 (*.iso);;所有文件 (*)</source>
        <translation>SACD ISO 이미지 (*.iso);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>업데이트 확인…</translation>
    </message>
</context>
<context>
    <name>ReferencesGui</name>
    <message>
        <source>参考标准</source>
        <translation>참고 표준</translation>
    </message>
    <message>
        <source>参考标准…</source>
        <translation>참고 표준…</translation>
    </message>
    <message>
        <source>产品参照的公开标准与文献</source>
        <translation>이 제품이 참고한 공개 표준과 문헌</translation>
    </message>
</context>
<context>
    <name>ThirdPartyGui</name>
    <message>
        <source>源码许可</source>
        <translation>소스 라이선스</translation>
    </message>
    <message>
        <source>源码许可…</source>
        <translation>소스 라이선스…</translation>
    </message>
    <message>
        <source>第三方组件与开源许可清单</source>
        <translation>타사 구성 요소 및 오픈 소스 라이선스 목록</translation>
    </message>
</context>
<context>
    <name>PackSession</name>
    <message>
        <source>进程内会话起不来 (rc=%1)</source>
        <translation>프로세스 내 세션을 시작하지 못했습니다 (rc=%1)</translation>
    </message>
</context>
<context>
    <name>UiLangRow</name>
    <message>
        <source>语言</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>시스템 설정 따르기</translation>
    </message>
    <message>
        <source>界面语言。切换后程序会重启一次以便整套界面换语言。</source>
        <translation>인터페이스 언어. 전체 인터페이스의 언어를 바꾸기 위해 앱이 한 번 다시 시작됩니다.</translation>
    </message>
    <message>
        <source>界面语言已切换，程序将自动重启一次以生效。</source>
        <translation>인터페이스 언어가 변경되었습니다. 적용을 위해 앱이 한 번 자동으로 다시 시작됩니다.</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>无法获取更新清单: %1</source>
        <translation>업데이트 매니페스트를 가져올 수 없습니다: %1</translation>
    </message>
    <message>
        <source>更新清单格式不对 (%1)</source>
        <translation>업데이트 매니페스트 형식이 잘못되었습니다 (%1)</translation>
    </message>
    <message>
        <source>更新清单里没有版本号</source>
        <translation>업데이트 매니페스트에 버전 번호가 없습니다</translation>
    </message>
    <message>
        <source>清单里没有适用于本机 (%1) 的更新载荷</source>
        <translation>매니페스트에 이 컴퓨터(%1)용 업데이트 페이로드가 없습니다</translation>
    </message>
    <message>
        <source>清单里既没有覆盖载荷也没有安装包</source>
        <translation>매니페스트에 덮어쓰기 페이로드도 설치 프로그램도 없습니다</translation>
    </message>
    <message>
        <source>无法写入临时文件: %1</source>
        <translation>임시 파일에 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>다운로드 실패: %1</translation>
    </message>
    <message>
        <source>无法读取下载的文件: %1</source>
        <translation>다운로드한 파일을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>计算校验和失败: %1</source>
        <translation>체크섬 계산 실패: %1</translation>
    </message>
    <message>
        <source>校验和不匹配, 已丢弃 (期望 %1, 实际 %2)</source>
        <translation>체크섬이 일치하지 않아 삭제했습니다 (예상 %1, 실제 %2)</translation>
    </message>
    <message>
        <source>下载文件大小不符 (期望 %1 字节, 实际 %2)</source>
        <translation>다운로드한 파일 크기가 맞지 않습니다 (예상 %1바이트, 실제 %2)</translation>
    </message>
    <message>
        <source>覆盖载荷不可用 (%1)，改用安装包</source>
        <translation>덮어쓰기 페이로드를 사용할 수 없습니다 (%1). 설치 프로그램으로 대체합니다</translation>
    </message>
    <message>
        <source>没有可用的更新载荷</source>
        <translation>사용 가능한 업데이트 페이로드가 없습니다</translation>
    </message>
    <message>
        <source>无法写更新脚本: %1</source>
        <translation>업데이트 스크립트를 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>提权启动更新失败 (错误码 %1)。载荷已下载并校验通过, 可手动更新:</source>
        <translation>관리자 권한으로 업데이트를 시작하지 못했습니다 (오류 %1). 페이로드는 다운로드 및 검증되었으므로 수동으로 업데이트할 수 있습니다:</translation>
    </message>
    <message>
        <source>更新已下载并校验通过。程序将退出, 由系统完成更新后自动重新启动。</source>
        <translation>업데이트를 다운로드하고 검증했습니다. 프로그램이 종료되며, 시스템이 업데이트를 마친 후 자동으로 다시 시작합니다.</translation>
    </message>
</context>
<context>
    <name>UpdateUi</name>
    <message>
        <source>正在检查更新…</source>
        <translation>업데이트 확인 중…</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>已是最新版本 (%1)。服务器上的最新版本为 %2。</source>
        <translation>최신 버전입니다 (%1). 서버의 최신 버전은 %2입니다.</translation>
    </message>
    <message>
        <source>检查更新失败：</source>
        <translation>업데이트 확인 실패:</translation>
    </message>
    <message>
        <source>发现新版本</source>
        <translation>새 버전 있음</translation>
    </message>
    <message>
        <source>发现新版本 %1（当前 %2）。</source>
        <translation>새 버전 %1을(를) 사용할 수 있습니다 (현재 %2).</translation>
    </message>
    <message>
        <source>发布日期：%1</source>
        <translation>출시일: %1</translation>
    </message>
    <message>
        <source>更新说明：%1</source>
        <translation>릴리스 노트: %1</translation>
    </message>
    <message>
        <source>下载并更新</source>
        <translation>다운로드 후 업데이트</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>다운로드 페이지 열기</translation>
    </message>
    <message>
        <source>稍后</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>正在下载更新…</source>
        <translation>업데이트 다운로드 중…</translation>
    </message>
    <message>
        <source>下载更新</source>
        <translation>업데이트 다운로드</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>程序现在退出。</source>
        <translation>이제 프로그램을 종료합니다.</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>업데이트 실패</translation>
    </message>
</context>
</TS>
