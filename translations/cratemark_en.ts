<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_TW">
<context>
    <name>CommandLine</name>
    <message>
        <source>找不到翻譯檔:</source>
        <translation>translation file not found:</translation>
    </message>
    <message>
        <source>請用 cratemark --help 查看可以用的選項。</source>
        <translation>Run cratemark --help to see the options.</translation>
    </message>
    <message>
        <source>Cratemark 麥頭標籤列印程式。
沒有指定 --folder 時,列印紀錄 (record_001 … record_010) 存在啟動時所在的資料夾。</source>
        <translation>Cratemark prints shipping-mark labels.
Without --folder, the print history (record_001 … record_010) is kept in the folder the program is started in.</translation>
    </message>
    <message>
        <source>顯示這份說明。</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>顯示程式的版本。</source>
        <translation>Show the program&apos;s version.</translation>
    </message>
    <message>
        <source>在這個資料夾工作:列印紀錄存在這裡,說明文件也先從這裡找。資料夾不存在時會先建立;開頭的 ~ 代表您的家目錄。</source>
        <translation>Work in this folder: the print history is kept here, and the user guide is looked for here first. The folder is created when missing; a leading ~ stands for your home folder.</translation>
    </message>
    <message>
        <source>介面的語言:zh_TW(繁體中文)或 en(英文)。沒有指定時依系統的語言設定。</source>
        <translation>The language of the windows: zh_TW (Traditional Chinese) or en (English). Without it, the system&apos;s language setting decides.</translation>
    </message>
    <message>
        <source>--lang 只能是 zh_TW 或 en,不能是「%1」。</source>
        <translation>--lang takes zh_TW or en, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--folder 後面要寫資料夾的名稱。</source>
        <translation>--folder needs the name of a folder.</translation>
    </message>
    <message>
        <source>看不懂的參數:%1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>無法建立工作資料夾 %1。
請確認這個名稱沒有被檔案占用,而且您可以在上一層資料夾新增資料夾。</source>
        <translation>Cannot create the working folder %1.
Make sure no file has that name and that you may create folders in the folder above it.</translation>
    </message>
    <message>
        <source>無法開啟工作資料夾 %1。
請確認您有權限開啟這個資料夾。</source>
        <translation>Cannot open the working folder %1.
Make sure you have permission to open it.</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>無法開啟說明文件:
%1
請確認您有權限讀取這個檔案。</source>
        <translation>Cannot open the user guide:
%1
Make sure you have permission to read this file.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>說明文件 - %1</source>
        <translation>User guide - %1</translation>
    </message>
</context>
</TS>
