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
        <source>Orvi Lathe — SACD ISO 打包工具</source>
        <translation>Orvi Lathe — SACD ISO packer</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>Check for updates…</translation>
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
    <name>UpdateUi</name>
    <message>
        <source>检查更新</source>
        <translation>Check for updates</translation>
    </message>
</context>
</TS>
