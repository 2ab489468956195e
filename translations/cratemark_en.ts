<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_TW">
<context>
    <name>AboutBox</name>
    <message>
        <source>About...</source>
        <translation>About Cratemark</translation>
    </message>
    <message>
        <source>ok啦!</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AboutText</name>
    <message>
        <source>Cratemark %1 版</source>
        <translation>Cratemark %1</translation>
    </message>
    <message>
        <source>麥頭標籤列印程式</source>
        <translation>Shipping mark label printing</translation>
    </message>
    <message>
        <source>依區段、每墊板箱數與混打設定,
自動編出每一箱的 C/NO. 與 P/NO.,
一張 A4 紙印八張標籤。</source>
        <translation>From the blocks, the cartons per pallet and mixed pallets
it numbers the C/NO. and P/NO. of every carton
and prints eight labels on each A4 sheet.</translation>
    </message>
    <message>
        <source>每次列印後,範本會存成最近 10 筆紀錄之一,
可以從主畫面的清單叫回來再用。</source>
        <translation>After each print the template is kept as one of the last 10 records;
the list in the main window brings it back for use again.</translation>
    </message>
    <message>
        <source>使用方法請按主畫面的「說明文件」。</source>
        <translation>To learn how to use it, press &quot;User Guide&quot; in the main window.</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>本程式以 MIT 授權條款發行:
可以自由使用、複製、修改、合併、出版與散布,
但須保留版權與授權聲明;
本程式不附帶任何明示或默示的保證。</source>
        <translation>This program is released under the MIT License:
you may use, copy, modify, merge, publish and distribute it
as long as the copyright and licence notices are kept.
It comes without warranty of any kind, express or implied.</translation>
    </message>
    <message>
        <source>Copyright (c) Cratemark 開發者</source>
        <translation>Copyright (c) the Cratemark developers</translation>
    </message>
</context>
<context>
    <name>ApplyRowsDialog</name>
    <message>
        <source>尾數箱</source>
        <translation>the remainder</translation>
    </message>
    <message>
        <source>第 %1 區段</source>
        <translation>block %1</translation>
    </message>
    <message>
        <source>套用到其他區段</source>
        <translation>Apply to Other Blocks</translation>
    </message>
    <message>
        <source>把畫面上%1的 16 行內容與對齊, 複製到勾選的區段。
那些區段原來的內容與對齊會被取代; 箱號與墊板不變。</source>
        <translation>Copy the 16 rows (texts and alignments) of %1 on screen to the blocks ticked below.
Their rows are replaced; their carton and pallet numbers stay.</translation>
    </message>
    <message>
        <source>全選(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>套用(&amp;P)</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>Barcode</name>
    <message>
        <source>%1的標籤: 「%2」是空的, 沒有東西可以印成條碼。</source>
        <translation>Label of %1: “%2” is empty; there is nothing to print as a barcode.</translation>
    </message>
    <message>
        <source>%1的標籤: 「%2」的「%3」裡有 %4 不能印的字「%5」。%4 只能印英文字母、數字和符號; 要印中文請改用 QR 碼。</source>
        <translation>Label of %1: “%3” in “%2” has a character %4 cannot print: “%5”. %4 prints only Latin letters, digits and symbols; to print Chinese, use a QR code.</translation>
    </message>
    <message>
        <source>%1的標籤: 「%2」的「%3」裡有 %4 不能印的字。</source>
        <translation>Label of %1: “%3” in “%2” has characters %4 cannot print.</translation>
    </message>
    <message>
        <source>%1的標籤: 「%2」太長了, %3 放不下「%4」。</source>
        <translation>Label of %1: “%2” is too long; %3 cannot hold “%4”.</translation>
    </message>
    <message>
        <source>%1的標籤: 「%2」的「%3」無法印成 %4 (%5)。</source>
        <translation>Label of %1: “%3” in “%2” cannot be printed as %4 (%5).</translation>
    </message>
    <message>
        <source>請把「%1」或「%2」調小, 或縮短「%3」。</source>
        <translation>Please make “%1” or “%2” smaller, or shorten “%3”.</translation>
    </message>
    <message>
        <source>%1的標籤: 條碼 (連同兩旁的空白區) 超出標籤右邊 %2 公釐。%3</source>
        <translation>Label of %1: the barcode (with the quiet zones on either side) reaches %2 mm past the label&apos;s right edge. %3</translation>
    </message>
    <message>
        <source>%1的標籤: 條碼超出這一列標籤的下邊 %2 公釐。請把「%3」或「%4」調小。</source>
        <translation>Label of %1: the barcode reaches %2 mm past the bottom of this row of labels. Please make “%3” or “%4” smaller.</translation>
    </message>
    <message>
        <source>%1的標籤: %2</source>
        <translation>Label of %1: %2</translation>
    </message>
    <message>
        <source>尾數箱</source>
        <translation>the remainder</translation>
    </message>
    <message>
        <source>第 %1 區段第 %2 箱</source>
        <translation>block %1, carton %2</translation>
    </message>
    <message>
        <source>%1的標籤: 「%2」要填一位數字 (0 到 9)。</source>
        <translation>Label of %1: “%2” must be a single digit (0 to 9).</translation>
    </message>
    <message>
        <source>%1的標籤: 「%2」要填 %3 到 %4 位數字, 現在是「%5」。</source>
        <translation>Label of %1: “%2” must have %3 to %4 digits; it is “%5”.</translation>
    </message>
    <message>
        <source>%1的標籤: 箱號 %2 放不進 SSCC 的序號。「%3」是 %4 位數字時, 序號只有 %5 位, 箱號要在 0 到 %6 之間。</source>
        <translation>Label of %1: carton number %2 does not fit into the SSCC&apos;s serial number. With a %4-digit “%3”, the serial number has only %5 digits, so the carton number must be between 0 and %6.</translation>
    </message>
    <message>
        <source>「%1」要填 %2 到 %3 之間的數字 (公釐)。</source>
        <translation>“%1” must be a number from %2 to %3 (mm).</translation>
    </message>
    <message>
        <source>「%1」要填一位數字 (0 到 9)。</source>
        <translation>“%1” must be a single digit (0 to 9).</translation>
    </message>
    <message>
        <source>「%1」要填 %2 到 %3 位數字, 現在是「%4」。</source>
        <translation>“%1” must have %2 to %3 digits; it is “%4”.</translation>
    </message>
    <message>
        <source>條碼設定的「%1」(%2)</source>
        <translation>“%1” (%2) of the barcode settings</translation>
    </message>
    <message>
        <source>%1不對。</source>
        <translation>%1 is not valid.</translation>
    </message>
    <message>
        <source>不印條碼</source>
        <translation>No barcode</translation>
    </message>
    <message>
        <source>Code 128</source>
        <translation>Code 128</translation>
    </message>
    <message>
        <source>GS1-128 (SSCC)</source>
        <translation>GS1-128 (SSCC)</translation>
    </message>
    <message>
        <source>QR 碼</source>
        <translation>QR code</translation>
    </message>
    <message>
        <source>「%1」是空的: 請填入要印成條碼的文字, 可以用 {C} 代表箱號、{P} 代表墊板號、{B} 代表區段號。</source>
        <translation>“%1” is empty: please fill in the text to print as a barcode; {C} stands for the carton number, {P} for the pallet number and {B} for the block number.</translation>
    </message>
    <message>
        <source>%1「%2」看不懂。</source>
        <translation>%1: “%2” is not understood.</translation>
    </message>
    <message>
        <source>條碼設定的%1</source>
        <translation>Barcode settings: %1</translation>
    </message>
    <message>
        <source>條碼種類</source>
        <translation>Barcode type</translation>
    </message>
    <message>
        <source>條碼內容</source>
        <translation>Barcode content</translation>
    </message>
    <message>
        <source>擴充碼</source>
        <translation>Extension digit</translation>
    </message>
    <message>
        <source>GS1 廠商代碼</source>
        <translation>GS1 company prefix</translation>
    </message>
    <message>
        <source>左邊距</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>上邊距</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>條碼高度</source>
        <translation>Barcode height</translation>
    </message>
    <message>
        <source>模組寬度</source>
        <translation>Module width</translation>
    </message>
</context>
<context>
    <name>BarcodeDialog</name>
    <message>
        <source>條碼設定</source>
        <translation>Barcode Settings</translation>
    </message>
    <message>
        <source>{C} 是箱號, {P} 是墊板號, {B} 是區段號, 例如 PO4711-{C}</source>
        <translation>{C} is the carton number, {P} the pallet number, {B} the block number, e.g. PO4711-{C}</translation>
    </message>
    <message>
        <source>SSCC = 擴充碼 + 廠商代碼 + 補零的箱號 + 自動算出的檢查碼</source>
        <translation>SSCC = extension digit + company prefix + zero-padded carton number + computed check digit</translation>
    </message>
    <message>
        <source>%1 (公釐):</source>
        <translation>%1 (mm):</translation>
    </message>
    <message>
        <source>確定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>Blocks</name>
    <message>
        <source>hmm...尾數箱可能要硬疊上第 %1 塊墊板ㄛ! ~..看要不要修改?</source>
        <translation>hmm... the remainder may have to be squeezed onto pallet %1! ~.. Do you want to change it?</translation>
    </message>
    <message>
        <source>箱號編號 from 必須是數字。</source>
        <translation>carton number “from” must be a number.</translation>
    </message>
    <message>
        <source>箱號編號 from 不能是 0。</source>
        <translation>carton number “from” cannot be 0.</translation>
    </message>
    <message>
        <source>箱號編號 to 必須是數字。</source>
        <translation>carton number “to” must be a number.</translation>
    </message>
    <message>
        <source>箱號編號 to 不能是 0。</source>
        <translation>carton number “to” cannot be 0.</translation>
    </message>
    <message>
        <source>箱號編號 to (%1) 不能小於 from (%2)。</source>
        <translation>carton number “to” (%1) cannot be less than “from” (%2).</translation>
    </message>
    <message>
        <source>請輸入正確箱數編號: %1</source>
        <translation>Please enter valid carton numbers: %1</translation>
    </message>
    <message>
        <source>區段最多只能有 %1 個, 無法再新增區段</source>
        <translation>There can be at most %1 blocks; no more blocks can be added</translation>
    </message>
    <message>
        <source>尾數箱 不用移除, 只要選擇尾數箱選項為no即可</source>
        <translation>The remainder need not be removed; just set the remainder option to No</translation>
    </message>
    <message>
        <source>「%1」的數字太大了, 請輸入 -2147483648 到 2147483647 之間的數字</source>
        <translation>The number in “%1” is too large; please enter a number between -2147483648 and 2147483647</translation>
    </message>
    <message>
        <source>編號欄位輸入有錯: 箱號編號 to 必須是數字 (這個區段最後一箱的箱號)。</source>
        <translation>Error in the number fields: carton number “to” must be a number (the number of this block&apos;s last carton).</translation>
    </message>
    <message>
        <source>編號欄位輸入有錯: 箱號編號 from 必須是數字 (這個區段第一箱的箱號)。</source>
        <translation>Error in the number fields: carton number “from” must be a number (the number of this block&apos;s first carton).</translation>
    </message>
    <message>
        <source>編號欄位輸入有錯: 箱號編號 to (%1) 不能小於 from (%2)。</source>
        <translation>Error in the number fields: carton number “to” (%1) cannot be less than “from” (%2).</translation>
    </message>
    <message>
        <source>箱號編號 from</source>
        <translation>Carton number from</translation>
    </message>
    <message>
        <source>箱號編號 to</source>
        <translation>Carton number to</translation>
    </message>
    <message>
        <source>每墊板的箱數</source>
        <translation>Cartons per pallet</translation>
    </message>
    <message>
        <source>「本區段墊板編號的起始數」必須是 -32768 到 32767 之間的整數, 請修改後再試一次</source>
        <translation>“First pallet number of this block” must be a whole number between -32768 and 32767; please correct it and try again</translation>
    </message>
</context>
<context>
    <name>BoundedFile</name>
    <message>
        <source>找不到這個檔案</source>
        <translation>The file cannot be found</translation>
    </message>
    <message>
        <source>這是一個資料夾, 不是檔案</source>
        <translation>This is a folder, not a file</translation>
    </message>
    <message>
        <source>這不是一般的檔案 (可能是裝置或管道)</source>
        <translation>This is not an ordinary file (it may be a device or a pipe)</translation>
    </message>
    <message>
        <source>檔案太大 (%1 MB), 最多只能有 %2 MB</source>
        <translation>The file is too large (%1 MB); it may be at most %2 MB</translation>
    </message>
    <message>
        <source>無法讀取這個檔案, 可能沒有讀取的權限</source>
        <translation>The file cannot be read; you may not have permission to read it</translation>
    </message>
    <message>
        <source>讀取這個檔案時發生錯誤</source>
        <translation>An error occurred while reading the file</translation>
    </message>
    <message>
        <source>檔案太大, 最多只能有 %1 MB</source>
        <translation>The file is too large; it may be at most %1 MB</translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>標籤文字</source>
        <translation>Label text</translation>
    </message>
    <message>
        <source>Cratemark 印表機校正頁: %1</source>
        <translation>Cratemark calibration sheet: %1</translation>
    </message>
    <message>
        <source>水平位移 %1 公釐, 垂直位移 %2 公釐</source>
        <translation>Horizontal offset %1 mm, vertical offset %2 mm</translation>
    </message>
    <message>
        <source>每排標籤的距離 %1 公釐</source>
        <translation>Row pitch %1 mm</translation>
    </message>
    <message>
        <source>把這張紙疊在標籤紙上對著光看:
粗十字應該落在每張標籤的左上角,
「┌ %1」是標籤第一行字開始的地方。
標籤的角在十字右邊或下面幾公釐, 位移就加幾公釐,
在左邊或上面就減。儲存後再印一張確認。</source>
        <translation>Lay this sheet on the labels against the light:
the bold crosses belong on the labels&apos; corners;
&quot;┌ %1&quot; is where a label&apos;s text begins.
A corner some mm right of or below its cross:
add it to the offset; left or above: subtract it.
Save, then print another sheet to check.</translation>
    </message>
    <message>
        <source>找不到印表機「%1」, 它可能已經被移除了。校正頁沒有印出來。</source>
        <translation>Cannot find the printer &quot;%1&quot;; it may have been removed. The calibration sheet was not printed.</translation>
    </message>
    <message>
        <source>無法寫入 PDF 檔 %1, 校正頁沒有存下來。</source>
        <translation>Cannot write the PDF file %1, so the calibration sheet was not saved.</translation>
    </message>
    <message>
        <source>印表機發生錯誤, 校正頁沒有印出來。請檢查印表機後再印一次。</source>
        <translation>The printer reported an error, so the calibration sheet was not printed. Check the printer and print it again.</translation>
    </message>
    <message>
        <source>PDF 檔</source>
        <translation>PDF file</translation>
    </message>
</context>
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
    <message>
        <source>不開視窗, 直接把工作檔 JOB 印出來。整份印出時和按「印吧」一樣寫進列印紀錄。結束狀態: 0 已印出, 1 沒有印 (工作檔有問題、檢查沒通過或印表機出錯), 2 參數有誤。</source>
        <translation>Print the job file JOB without opening a window. A whole run is written to the print history, as Print does. Exit status: 0 printed, 1 not printed (a bad job file, a failed check or a printer error), 2 bad arguments.</translation>
    </message>
    <message>
        <source>印到這台印表機 (不指定時用系統的預設印表機)。</source>
        <translation>Print on this printer (the system&apos;s default printer when not given).</translation>
    </message>
    <message>
        <source>不送印表機, 存成這個 PDF 檔。</source>
        <translation>Save the labels to this PDF file instead of printing them.</translation>
    </message>
    <message>
        <source>只重印箱號 A 到 B 的標籤, 各自帶著原來的墊板編號; 重印不寫列印紀錄。</source>
        <translation>Reprint only the labels of cartons A to B, each with its own pallet number; a reprint is not written to the print history.</translation>
    </message>
    <message>
        <source>遇到要確認的問題 (兩個區段有相同的箱號、標籤超出印表機可印的範圍) 時照樣列印; 不加時這種工作不會印出。</source>
        <translation>Print even when a question comes up (two blocks share carton numbers, labels run past what the printer can print); without it such a job is not printed.</translation>
    </message>
    <message>
        <source>要開啟的工作檔 (*.cratemark)。</source>
        <translation>The job file to open (*.cratemark).</translation>
    </message>
    <message>
        <source>只能指定一個工作檔, 看不懂的參數:%1</source>
        <translation>Only one job file can be given; not understood: %1</translation>
    </message>
    <message>
        <source>--%1 只能和 --print 一起用。</source>
        <translation>--%1 can only be used with --print.</translation>
    </message>
    <message>
        <source>--print 後面要寫要印的工作檔。</source>
        <translation>--print needs the job file to print.</translation>
    </message>
    <message>
        <source>--printer 和 --pdf 只能選一個: 要送印表機, 還是存成 PDF 檔?</source>
        <translation>Give either --printer or --pdf, not both: print on a printer, or save a PDF file?</translation>
    </message>
    <message>
        <source>--printer 後面要寫印表機的名稱。</source>
        <translation>--printer needs the name of a printer.</translation>
    </message>
    <message>
        <source>--pdf 後面要寫 PDF 檔的名稱。</source>
        <translation>--pdf needs the name of a PDF file.</translation>
    </message>
    <message>
        <source>--cartons 要寫箱號的範圍, 例如 17-18, 不能是「%1」。</source>
        <translation>--cartons must be a range of carton numbers such as 17-18, not “%1”.</translation>
    </message>
    <message>
        <source>無法存成 PDF 檔 %1: %2, 沒有印出任何標籤。</source>
        <translation>Cannot save the PDF file %1: %2. No labels were printed.</translation>
    </message>
    <message>
        <source>這次印在這種標籤紙上, 不用印表機校正裡為這台印表機選的。有哪些標籤紙請看 --list-stocks。</source>
        <translation>Print this run on this label stock instead of the one chosen for the printer in the printer calibration. The stocks are listed by --list-stocks.</translation>
    </message>
    <message>
        <source>列出可以用的標籤紙 (內建的和您自訂的), 一行一種: 名稱、Tab 和說明。</source>
        <translation>List the label stocks (built in and your own), one a line: the name, a tab and a description.</translation>
    </message>
    <message>
        <source>--stock: 沒有「%1」這種標籤紙。請用 cratemark --list-stocks 查看有哪些。</source>
        <translation>--stock: there is no label stock “%1”. See cratemark --list-stocks for the stocks.</translation>
    </message>
    <message>
        <source>第一張標籤從第一張紙的第 N 格開始 (由左而右、由上而下; A4 紙 8 格是 1 到 8, 捲筒標籤只有 1), 用來印完用過一半的標籤紙。</source>
        <translation>Start the first label at place N of the first sheet (left to right, top to bottom; 1 to 8 on A4 sheets of eight, only 1 on a roll), to finish a half-used sheet of label stock.</translation>
    </message>
    <message>
        <source>--start 要寫 1 以上的整數 (標籤紙上的格子), 不能是「%1」。</source>
        <translation>--start must be a whole number from 1 up (a place on the sheet), not “%1”.</translation>
    </message>
    <message>
        <source>在印表機上印 N 份 (1 到 99), 一份一份印出: 第 1、2、3 張, 再第 1、2、3 張。</source>
        <translation>Print N copies (1 to 99) on a printer, collated: sheets 1, 2, 3, then 1, 2, 3 again.</translation>
    </message>
    <message>
        <source>--copies 只能用在印表機: PDF 檔只存一份。</source>
        <translation>--copies is for a printer only: a PDF file holds one copy.</translation>
    </message>
    <message>
        <source>--copies 要寫 1 到 %1 的整數 (份數), 不能是「%2」。</source>
        <translation>--copies must be a whole number from 1 to %1 (the number of copies), not “%2”.</translation>
    </message>
</context>
<context>
    <name>CommandPrint</name>
    <message>
        <source>(有 --yes: 照樣列印)</source>
        <translation>(--yes given: printing anyway)</translation>
    </message>
    <message>
        <source>(命令列沒有 --yes, 所以不印; 確認沒問題後請加上 --yes 再印一次)</source>
        <translation>(no --yes on the command line, so nothing is printed; once you are sure it is right, add --yes and print again)</translation>
    </message>
    <message>
        <source>正在列印標籤… 第 %1 張, 共 %2 張</source>
        <translation>Printing labels… sheet %1 of %2</translation>
    </message>
    <message>
        <source>找不到預設的印表機, 沒有印出任何標籤。請用 --printer 指定印表機, 或用 --pdf 存成 PDF 檔。</source>
        <translation>No default printer found; no labels were printed. Name a printer with --printer, or save a PDF file with --pdf.</translation>
    </message>
    <message>
        <source>沒有「%1」這種標籤紙, 沒有印出任何標籤。請用 cratemark --list-stocks 查看有哪些。</source>
        <translation>There is no label stock “%1”; no labels were printed. See cratemark --list-stocks for the stocks.</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>這不是一般的檔案 (可能是裝置或管道)</source>
        <translation>this is not an ordinary file (it may be a device or a pipe)</translation>
    </message>
    <message>
        <source>磁碟已滿</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>檔案超過系統允許的大小</source>
        <translation>the file is larger than the system allows</translation>
    </message>
    <message>
        <source>沒有寫入的權限</source>
        <translation>there is no permission to write it</translation>
    </message>
    <message>
        <source>磁碟是唯讀的</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>資料夾不存在</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>這是一個資料夾, 不是檔案</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>寫入時發生錯誤 (%1)</source>
        <translation>writing failed (%1)</translation>
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
    <message>
        <source>找不到說明文件 %1。
請把它放在程式的工作資料夾:
%2</source>
        <translation>Cannot find the user guide %1.
Please put it in the program&apos;s working folder:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>說明文件 - %1</source>
        <translation>User guide - %1</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>磁碟已滿</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>資料夾沒有寫入的權限</source>
        <translation>the folder cannot be written to</translation>
    </message>
    <message>
        <source>無法寫入 %1 (%2)</source>
        <translation>cannot write %1 (%2)</translation>
    </message>
    <message>
        <source>另一個程式正在寫入這個資料夾的歷史紀錄</source>
        <translation>another program is writing the history of this folder</translation>
    </message>
    <message>
        <source>無法在資料夾 %1 建立鎖定檔, 資料夾可能不能寫入或磁碟已滿</source>
        <translation>cannot create a lock file in the folder %1; the folder may not be writable or the disk may be full</translation>
    </message>
    <message>
        <source>%1 是一個資料夾, 不是歷史紀錄檔</source>
        <translation>%1 is a folder, not a history file</translation>
    </message>
    <message>
        <source>標籤已印出, 但這次的範本沒有存進歷史紀錄: %1</source>
        <translation>The labels were printed, but this template was not saved to the history: %1</translation>
    </message>
    <message>
        <source>無法讀取歷史紀錄檔 %1:檔案不存在或無法開啟。
請按 Refresh 重新整理列表後再選一次。</source>
        <translation>Cannot read the history file %1: it does not exist or cannot be opened.
Press Refresh to update the list, then choose again.</translation>
    </message>
</context>
<context>
    <name>JobCommands</name>
    <message>
        <source>無法儲存工作: %1, 請修改後再儲存</source>
        <translation>Cannot save the job: %1; please correct it and save again</translation>
    </message>
    <message>
        <source>無法開啟工作檔「%1」: %2</source>
        <translation>Cannot open the job file “%1”: %2</translation>
    </message>
    <message>
        <source>未命名工作</source>
        <translation>Untitled job</translation>
    </message>
    <message>
        <source>Cratemark %1版</source>
        <translation>Cratemark %1</translation>
    </message>
    <message>
        <source>無法儲存工作檔「%1」: %2。
原來的檔案沒有改變, 畫面上的工作也都還在; 請空出磁碟空間或換一個資料夾, 再存一次。</source>
        <translation>Cannot save the job file “%1”: %2.
The file is as it was and the job is still on screen; free some disk space or choose another folder, and save again.</translation>
    </message>
</context>
<context>
    <name>JobController</name>
    <message>
        <source>開新工作(&amp;N)</source>
        <translation>&amp;New Job</translation>
    </message>
    <message>
        <source>開啟工作(&amp;O)…</source>
        <translation>&amp;Open Job…</translation>
    </message>
    <message>
        <source>開啟工作</source>
        <translation>Open Job</translation>
    </message>
    <message>
        <source>Cratemark 工作檔 (*.cratemark)</source>
        <translation>Cratemark jobs (*.cratemark)</translation>
    </message>
    <message>
        <source>儲存工作(&amp;S)</source>
        <translation>&amp;Save Job</translation>
    </message>
    <message>
        <source>另存新檔(&amp;A)…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>匯入裝箱單(&amp;I)…</source>
        <translation>&amp;Import Packing List…</translation>
    </message>
    <message>
        <source>另存新檔</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>匯入裝箱單</source>
        <translation>Import Packing List</translation>
    </message>
    <message>
        <source>裝箱單 (*.csv *.txt);;所有檔案 (*)</source>
        <translation>Packing lists (*.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>找不到工作檔「%1」, 已經把它從最近的工作清單中移除</source>
        <translation>Cannot find the job file &quot;%1&quot;; it has been taken off the list of recent jobs.</translation>
    </message>
    <message>
        <source>復原(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>套用到其他區段(&amp;A)…</source>
        <translation>&amp;Apply to Other Blocks…</translation>
    </message>
    <message>
        <source>這個工作只有一個區段, 沒有其他區段可以套用。</source>
        <translation>This job has only one block; there is no other block to apply the rows to.</translation>
    </message>
    <message>
        <source>套用到其他區段</source>
        <translation>Apply to other blocks</translation>
    </message>
</context>
<context>
    <name>JobFile</name>
    <message>
        <source>區段數</source>
        <translation>Number of blocks</translation>
    </message>
    <message>
        <source>畫面上的區段</source>
        <translation>Block on screen</translation>
    </message>
    <message>
        <source>尾數箱已設定</source>
        <translation>Remainder set up</translation>
    </message>
    <message>
        <source>P/NO 行</source>
        <translation>P/NO row</translation>
    </message>
    <message>
        <source>C/NO 行</source>
        <translation>C/NO row</translation>
    </message>
    <message>
        <source>尾數箱?</source>
        <translation>Remainder?</translation>
    </message>
    <message>
        <source>圖案設定</source>
        <translation>Picture settings</translation>
    </message>
    <message>
        <source>圖案檔案路徑</source>
        <translation>Picture file path</translation>
    </message>
    <message>
        <source>圖案寬度</source>
        <translation>Picture width</translation>
    </message>
    <message>
        <source>離左邊界</source>
        <translation>From left edge</translation>
    </message>
    <message>
        <source>離上邊界</source>
        <translation>From top edge</translation>
    </message>
    <message>
        <source>條碼設定</source>
        <translation>Barcode settings</translation>
    </message>
    <message>
        <source>區段</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <source>尾數箱</source>
        <translation>Remainder</translation>
    </message>
    <message>
        <source>箱號 from</source>
        <translation>Carton number from</translation>
    </message>
    <message>
        <source>箱號 to</source>
        <translation>Carton number to</translation>
    </message>
    <message>
        <source>每墊板的箱數</source>
        <translation>Cartons per pallet</translation>
    </message>
    <message>
        <source>墊板編號的起始數</source>
        <translation>First pallet number</translation>
    </message>
    <message>
        <source>混打</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>內容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>對齊</source>
        <translation>Align</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>尾數箱</source>
        <comment>place of a field</comment>
        <translation>the remainder</translation>
    </message>
    <message>
        <source>第 %1 區段</source>
        <comment>place of a field</comment>
        <translation>block %1</translation>
    </message>
    <message>
        <source>尾數箱第 %1 行</source>
        <comment>place of a field</comment>
        <translation>row %1 of the remainder</translation>
    </message>
    <message>
        <source>第 %1 區段第 %2 行</source>
        <comment>place of a field</comment>
        <translation>row %2 of block %1</translation>
    </message>
    <message>
        <source>「%1」(%2)</source>
        <translation>“%1” (%2)</translation>
    </message>
    <message>
        <source>%1的「%2」(%3)</source>
        <translation>“%2” (%3) of %1</translation>
    </message>
    <message>
        <source>%1是 %2, 超出 %3 到 %4 的範圍</source>
        <translation>%1 is %2, outside the range %3 to %4</translation>
    </message>
    <message>
        <source>%1含有控制字元 (例如換行或定位字元)</source>
        <translation>%1 contains control characters (such as line breaks or tabs)</translation>
    </message>
    <message>
        <source>%1含有無效的字元</source>
        <translation>%1 contains invalid characters</translation>
    </message>
    <message>
        <source>%1有 %2 個字, 最多只能有 %3 個字</source>
        <translation>%1 has %2 characters; it may have at most %3</translation>
    </message>
    <message>
        <source>這份工作有 %1 個區段, 最多只能有 %2 個</source>
        <translation>This job has %1 blocks; it may have at most %2</translation>
    </message>
    <message>
        <source>缺少%1</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>%1應該是整數</source>
        <translation>%1 should be a whole number</translation>
    </message>
    <message>
        <source>%1應該是文字</source>
        <translation>%1 should be text</translation>
    </message>
    <message>
        <source>%1應該是一組設定 ({…})</source>
        <translation>%1 should be a group of settings ({…})</translation>
    </message>
    <message>
        <source>%1應該是清單 ([…])</source>
        <translation>%1 should be a list ([…])</translation>
    </message>
    <message>
        <source>%1應該有 %2 行, 卻有 %3 行</source>
        <translation>%1 should have %2 rows but has %3</translation>
    </message>
    <message>
        <source>第 %1 區段 (%2)</source>
        <translation>Block %1 (%2)</translation>
    </message>
    <message>
        <source>%1是 %2, 但%3有 %4 個</source>
        <translation>%1 is %2, but %3 has %4</translation>
    </message>
    <message>
        <source>P/NO 與 C/NO 不能印在同一行 (第 %1 行)</source>
        <translation>P/NO and C/NO cannot be printed on the same row (row %1)</translation>
    </message>
    <message>
        <source>條碼設定</source>
        <comment>place of a field</comment>
        <translation>the barcode settings</translation>
    </message>
    <message>
        <source>條碼設定的%1</source>
        <translation>Barcode settings: %1</translation>
    </message>
    <message>
        <source>這不是 Cratemark 的工作檔</source>
        <translation>This is not a Cratemark job file</translation>
    </message>
    <message>
        <source>工作檔的內容不完整或已經損壞 (在第 %1 個位元組附近)</source>
        <translation>The job file is incomplete or damaged (near byte %1)</translation>
    </message>
    <message>
        <source>這個工作檔是較新版的 Cratemark 存的 (第 %1 版), 請用新版的程式開啟</source>
        <translation>This job file was saved by a newer Cratemark (version %1); please open it with the newer program</translation>
    </message>
    <message>
        <source>工作檔的版本 (version) 不正確, 應該是 %1</source>
        <translation>The job file&apos;s version (version) is wrong; it should be %1</translation>
    </message>
    <message>
        <source>圖案設定</source>
        <comment>place of a field</comment>
        <translation>the picture settings</translation>
    </message>
    <message>
        <source>%1是「%2」, 只能是%3或空白</source>
        <translation>%1 is “%2”; it can only be %3 or empty</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between alignment words</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>字型</source>
        <translation>Type size</translation>
    </message>
    <message>
        <source>%1是「%2」, 只能是%3</source>
        <translation>%1 is “%2”; it can only be %3</translation>
    </message>
</context>
<context>
    <name>JobLock</name>
    <message>
        <source>另一個 Cratemark</source>
        <translation>another Cratemark</translation>
    </message>
    <message>
        <source>在這台電腦上</source>
        <translation>on this computer</translation>
    </message>
    <message>
        <source>在電腦「%1」上</source>
        <translation>on the computer “%1”</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>今天 %1</source>
        <translation>today %1</translation>
    </message>
    <message>
        <source>昨天 %1</source>
        <translation>yesterday %1</translation>
    </message>
    <message>
        <source>%1月%2日 %3</source>
        <translation>%1/%2 %3</translation>
    </message>
    <message>
        <source>%1年%2月%3日 %4</source>
        <translation>%2/%3/%1 %4</translation>
    </message>
    <message>
        <source>%1, %2, 從%3起</source>
        <translation>%1, %2, since %3</translation>
    </message>
</context>
<context>
    <name>JobSession</name>
    <message>
        <source>未命名工作</source>
        <translation>Untitled job</translation>
    </message>
    <message>
        <source>工作「%1」有還沒儲存的修改, 要先儲存嗎?</source>
        <translation>The job &quot;%1&quot; has unsaved changes. Save them first?</translation>
    </message>
    <message>
        <source>上次自動儲存的工作無法使用 (%1), 已經刪除</source>
        <translation>The job saved automatically last time cannot be used (%1); it has been deleted.</translation>
    </message>
    <message>
        <source>Cratemark 上次沒有正常結束。
要找回 %1 自動儲存的工作「%2」嗎?</source>
        <translation>Cratemark did not end normally last time.
Recover the job &quot;%2&quot;, saved automatically at %1?</translation>
    </message>
    <message>
        <source>%1 副本</source>
        <translation>%1 copy</translation>
    </message>
    <message>
        <source>%1 (唯讀)</source>
        <translation>%1 (read-only)</translation>
    </message>
    <message>
        <source>工作檔「%1」現在有人開著: %2。

唯讀開啟: 可以看、可以列印, 但不能存回這個檔案。
開成副本: 開成一個還沒存檔的新工作, 改好後用另存新檔存成別的檔案。</source>
        <translation>The job file “%1” is open in another program now: %2.

Open read-only: look at it and print it, but it cannot be saved back into this file.
Open a copy: a new job, not yet saved; when it is ready, save it under another name with Save As.</translation>
    </message>
    <message>
        <source>唯讀開啟(&amp;R)</source>
        <translation>Open &amp;Read-Only</translation>
    </message>
    <message>
        <source>開成副本(&amp;C)</source>
        <translation>Open a &amp;Copy</translation>
    </message>
    <message>
        <source>不開啟(&amp;N)</source>
        <translation>Do &amp;Not Open</translation>
    </message>
    <message>
        <source>工作「%1」是唯讀開啟的 (開啟時別的程式開著它), 不能存回這個檔案。
要另存新檔嗎?</source>
        <translation>The job “%1” was opened read-only (another program had it open), so it cannot be saved back into its file.
Save it under another name?</translation>
    </message>
    <message>
        <source>另存新檔(&amp;A)…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>無法儲存到工作檔「%1」: %2, 現在正開著這個檔案。
畫面上的工作都還在; 請換一個檔名再存。</source>
        <translation>Cannot save into the job file “%1”: %2 has that file open now.
The job is still on screen; save it under another name.</translation>
    </message>
    <message>
        <source>工作檔「%1」在你開啟之後, 已經被別的程式改過了。
為了不蓋掉那些修改, 這次不存回這個檔案; 畫面上的工作都還在。要另存新檔嗎?</source>
        <translation>The job file “%1” has been changed by another program since you opened it.
So as not to write over those changes, the job is not saved back into that file; it is still on screen. Save it under another name?</translation>
    </message>
    <message>
        <source>工作檔「%1」已經被別的程式改過, 不能蓋過它; 請換一個檔名再存。</source>
        <translation>The job file “%1” has been changed by another program and is not written over; save the job under another name.</translation>
    </message>
</context>
<context>
    <name>LabelStock</name>
    <message>
        <source>捲筒標籤 %1 × %2 英吋, 每頁一張</source>
        <translation>Roll of %1 × %2 in labels, one a page</translation>
    </message>
    <message>
        <source>捲筒標籤 %1 × %2 公釐, 每頁一張</source>
        <translation>Roll of %1 × %2 mm labels, one a page</translation>
    </message>
    <message>
        <source>A4 紙 8 格 (2 × 4), 和以往印的位置完全一樣 (預設)</source>
        <translation>A4 sheet of 8 labels (2 × 4), placed exactly as always (the default)</translation>
    </message>
    <message>
        <source>A4 紙 8 格 (2 × 4), 每排相距 74.25 公釐, 和標籤紙的格子一樣</source>
        <translation>A4 sheet of 8 labels (2 × 4), rows 74.25 mm apart as on the stock</translation>
    </message>
    <message>
        <source>自訂: 捲筒標籤 %1 × %2 公釐, 每頁一張</source>
        <translation>Your own: roll of %1 × %2 mm labels, one a page</translation>
    </message>
    <message>
        <source>自訂: A4 紙 %1 格 (%2 × %3), 每格 %4 × %5 公釐</source>
        <translation>Your own: A4 sheet of %1 labels (%2 × %3) of %4 × %5 mm</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>檔案(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>條碼設定(&amp;B)…</source>
        <translation>&amp;Barcode Settings…</translation>
    </message>
    <message>
        <source>列印預覽(&amp;V)…</source>
        <translation>Print Pre&amp;view…</translation>
    </message>
    <message>
        <source>印表機校正(&amp;C)…</source>
        <translation>Printer &amp;Calibration…</translation>
    </message>
    <message>
        <source>結束(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>說明(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>說明文件(&amp;D)</source>
        <translation>&amp;User Guide</translation>
    </message>
    <message>
        <source>關於 Cratemark(&amp;A)</source>
        <translation>&amp;About Cratemark</translation>
    </message>
    <message>
        <source>Cratemark %1版</source>
        <translation>Cratemark %1</translation>
    </message>
    <message>
        <source>區段</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>箱號編號: from</source>
        <translation>Cartons from</translation>
    </message>
    <message>
        <source>尾數箱?</source>
        <translation>Remainder?</translation>
    </message>
    <message>
        <source>每墊板的箱數:</source>
        <translation>Per pallet:</translation>
    </message>
    <message>
        <source>請在此鍵入每塊P上所置的貨品箱數</source>
        <translation>Type how many cartons go on each pallet</translation>
    </message>
    <message>
        <source>箱/墊板</source>
        <translation>cartons</translation>
    </message>
    <message>
        <source>本區段墊板編號的起始數:</source>
        <translation>First pallet number:</translation>
    </message>
    <message>
        <source>混打?</source>
        <translation>Mixed?</translation>
    </message>
    <message>
        <source>對齊</source>
        <translation>Align</translation>
    </message>
    <message>
        <source>行數</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>內容</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>按上下鍵可以修改對齊方法</source>
        <translation>Press Up or Down to change the alignment</translation>
    </message>
    <message>
        <source>選此讓C/NO印在此行</source>
        <translation>Choose to print the C/NO on this row</translation>
    </message>
    <message>
        <source>選此讓P/NO印在此行</source>
        <translation>Choose to print the P/NO on this row</translation>
    </message>
    <message>
        <source>前10筆資料,敬請享用...</source>
        <translation>Print history (last 10)</translation>
    </message>
    <message>
        <source>點此叫出前列印過的10筆之一的資料.此list中show出的格式為: 編號,第一行內容</source>
        <translation>Click to bring back one of the last 10 printed templates. Each entry shows: number,first row</translation>
    </message>
    <message>
        <source>插入圖型預覽</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>預覽您已選擇好的圖案</source>
        <translation>Preview of the picture you chose</translation>
    </message>
    <message>
        <source>離左邊界</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>調整您想要列印的圖案是離一張標籤的左邊緣有多少距離(mm)</source>
        <translation>How far the picture is printed from the left edge of a label (mm)</translation>
    </message>
    <message>
        <source>離上邊界</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>調整您想要列印的圖案是離一張標籤的上邊緣有多少距離(mm)</source>
        <translation>How far the picture is printed from the top edge of a label (mm)</translation>
    </message>
    <message>
        <source>調整尺吋(寬)</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>編輯此欄位可以讓您調整印出圖片的寬度,而其高度會照比例縮放</source>
        <translation>The printed width of the picture; its height follows in proportion</translation>
    </message>
    <message>
        <source>檔案路徑</source>
        <translation>File path</translation>
    </message>
    <message>
        <source>瀏覽</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>按左邊的&quot;瀏覽&quot;按鈕或直接輸入絕對路徑可以讓您選擇想要加在麥頭上面的圖案檔,可以是bmp,jpg,gif,png格式</source>
        <translation>Press &quot;Browse&quot; on the left or type a full path to choose the picture for the shipping mark: a bmp, jpg, gif or png file</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>全部的內容往上移一行</source>
        <translation>Move all rows up by one row</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>全部的內容往下移一行</source>
        <translation>Move all rows down by one row</translation>
    </message>
    <message>
        <source>印吧</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>新增區段</source>
        <translation>Add Block</translation>
    </message>
    <message>
        <source>移除本區段</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>按此刪除本區段資料</source>
        <translation>Remove the block on screen and its data</translation>
    </message>
    <message>
        <source>預覽</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>說明文件</source>
        <translation>User Guide</translation>
    </message>
    <message>
        <source>輸入 第 %1 行</source>
        <translation>Typing in row %1</translation>
    </message>
    <message>
        <source>編輯(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>C/NO. 第 %1 行</source>
        <translation>C/NO. on row %1</translation>
    </message>
    <message>
        <source>P/NO. 第 %1 行</source>
        <translation>P/NO. on row %1</translation>
    </message>
    <message>
        <source>全部上移</source>
        <translation>Move rows up</translation>
    </message>
    <message>
        <source>全部下移</source>
        <translation>Move rows down</translation>
    </message>
    <message>
        <source>選擇區段 %1</source>
        <translation>Show block %1</translation>
    </message>
    <message>
        <source>尾數箱? %1</source>
        <translation>Remainder? %1</translation>
    </message>
    <message>
        <source>新增區段 %1</source>
        <translation>Add block %1</translation>
    </message>
    <message>
        <source>移除區段 %1</source>
        <translation>Remove block %1</translation>
    </message>
    <message>
        <source>圖片預覽</source>
        <translation>Picture preview</translation>
    </message>
    <message>
        <source>選擇圖檔</source>
        <translation>Choose picture</translation>
    </message>
    <message>
        <source>條碼設定</source>
        <translation>Barcode settings</translation>
    </message>
    <message>
        <source>對齊 第 %1 行</source>
        <translation>Alignment of row %1</translation>
    </message>
    <message>
        <source>叫出紀錄 %1</source>
        <translation>Recall record %1</translation>
    </message>
    <message>
        <source>輸入 箱號 from</source>
        <translation>Typing in cartons from</translation>
    </message>
    <message>
        <source>輸入 箱號 to</source>
        <translation>Typing in cartons to</translation>
    </message>
    <message>
        <source>輸入 尾數箱?</source>
        <translation>Typing in remainder?</translation>
    </message>
    <message>
        <source>輸入 每墊板的箱數</source>
        <translation>Typing in cartons per pallet</translation>
    </message>
    <message>
        <source>輸入 墊板編號的起始數</source>
        <translation>Typing in first pallet number</translation>
    </message>
    <message>
        <source>輸入 混打?</source>
        <translation>Typing in mixed?</translation>
    </message>
    <message>
        <source>輸入 檔案路徑</source>
        <translation>Typing in file path</translation>
    </message>
    <message>
        <source>輸入 圖片寬度</source>
        <translation>Typing in picture width</translation>
    </message>
    <message>
        <source>輸入 離左邊界</source>
        <translation>Typing in from left edge</translation>
    </message>
    <message>
        <source>輸入 離上邊界</source>
        <translation>Typing in from top edge</translation>
    </message>
</context>
<context>
    <name>PackingList</name>
    <message>
        <source>裝箱單第 %1 行「%2」欄是空的</source>
        <translation>Line %1 of the packing list: the “%2” column is empty</translation>
    </message>
    <message>
        <source>裝箱單第 %1 行「%2」欄的%3 %4 超出 %5 到 %6 的範圍</source>
        <translation>Line %1 of the packing list: the %3 %4 in the “%2” column is outside the range %5 to %6</translation>
    </message>
    <message>
        <source>裝箱單第 %1 行「%2」欄的「%3」看不懂, 請填 Yes 或 No</source>
        <translation>Line %1 of the packing list: “%3” in the “%2” column is not understood; please write Yes or No</translation>
    </message>
    <message>
        <source>裝箱單第 %1 行的引號 (&quot;) 沒有結束</source>
        <translation>Line %1 of the packing list: a quotation mark (&quot;) is never closed</translation>
    </message>
    <message>
        <source>裝箱單是空的</source>
        <translation>The packing list is empty</translation>
    </message>
    <message>
        <source>裝箱單第 %1 行有兩個「%2」欄</source>
        <translation>Line %1 of the packing list has two “%2” columns</translation>
    </message>
    <message>
        <source>裝箱單的第一列要寫出各欄的名稱, 卻找不到「%1」欄 (也可寫成 %2)</source>
        <translation>The first row of the packing list must name the columns, but there is no “%1” column (it may also be written %2)</translation>
    </message>
    <message>
        <source>裝箱單除了標題列以外沒有任何區段</source>
        <translation>The packing list has no blocks besides its header row</translation>
    </message>
    <message>
        <source>裝箱單有 %1 個區段, 最多只能有 %2 個</source>
        <translation>The packing list has %1 blocks; it may have at most %2</translation>
    </message>
    <message>
        <source>箱號</source>
        <translation>carton number</translation>
    </message>
    <message>
        <source>每板箱數</source>
        <translation>number of cartons per pallet</translation>
    </message>
    <message>
        <source>板號</source>
        <translation>pallet number</translation>
    </message>
    <message>
        <source>裝箱單第 %1 行「%2」欄的箱號 %3 比「%4」欄的 %5 還大</source>
        <translation>Line %1 of the packing list: the carton number %3 in the “%2” column is larger than %5 in the “%4” column</translation>
    </message>
    <message>
        <source>裝箱單第 %1 行: 接在上一個區段後面的起始板號 %2 超出 -32768 到 32767 的範圍, 請在「起始板號」欄填入板號</source>
        <translation>Line %1 of the packing list: following on from the block before, the first pallet number would be %2, outside the range -32768 to 32767; please fill in the “first pallet” (起始板號) column</translation>
    </message>
    <message>
        <source>無法匯入裝箱單「%1」: %2</source>
        <translation>Cannot import the packing list “%1”: %2</translation>
    </message>
    <message>
        <source>%1 或 %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between header words</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>裝箱單第 %1 行「%2」欄的「%3」不是數字</source>
        <translation>Line %1 of the packing list: “%3” in the “%2” column is not a number</translation>
    </message>
    <message>
        <source>裝箱單第 %1 行「%2」欄的%3太大了, 最大只能是 %4</source>
        <translation>Line %1 of the packing list: the %3 in the “%2” column is too big; it can be at most %4</translation>
    </message>
    <message>
        <source>裝箱單第 %1 行「%2」欄的%3太小了, 最小只能是 %4</source>
        <translation>Line %1 of the packing list: the %3 in the “%2” column is too small; it must be at least %4</translation>
    </message>
</context>
<context>
    <name>PackingListDialog</name>
    <message>
        <source>匯入裝箱單</source>
        <translation>Import Packing List</translation>
    </message>
    <message>
        <source>區段</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>箱號 from</source>
        <translation>Cartons from</translation>
    </message>
    <message>
        <source>箱號 to</source>
        <translation>Cartons to</translation>
    </message>
    <message>
        <source>每墊板的箱數</source>
        <translation>Cartons per pallet</translation>
    </message>
    <message>
        <source>墊板起始數</source>
        <translation>First pallet</translation>
    </message>
    <message>
        <source>混打</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>沒有用到的欄: %1</source>
        <translation>Columns not used: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>裝箱單會變成下面 %1 個區段, 取代目前的 %2 個區段。
新的區段都使用下面所選區段的內容與對齊; 尾數箱要再重新選一次。</source>
        <translation>The packing list becomes the blocks below (%1 in all), replacing the current blocks (%2).
The new blocks all take the rows and alignments of the block chosen below; choose the remainder again afterwards.</translation>
    </message>
    <message>
        <source>內容與對齊取自(&amp;T):</source>
        <translation>&amp;Take the rows from:</translation>
    </message>
    <message>
        <source>取代區段(&amp;R)</source>
        <translation>&amp;Replace Blocks</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>PictureChooserWindow</name>
    <message>
        <source>選擇圖檔</source>
        <translation>Choose Picture</translation>
    </message>
    <message>
        <source>按兩下開啟資料夾</source>
        <translation>Double-click to open a folder</translation>
    </message>
    <message>
        <source>好</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>算了</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PictureSettings</name>
    <message>
        <source>找不到您所指定的圖檔或格式不對了!</source>
        <translation>The picture file you chose cannot be found, or its format is not right.</translation>
    </message>
</context>
<context>
    <name>Preflight</name>
    <message>
        <source>左邊</source>
        <translation>left</translation>
    </message>
    <message>
        <source>上緣</source>
        <translation>top</translation>
    </message>
    <message>
        <source>右邊</source>
        <translation>right</translation>
    </message>
    <message>
        <source>下緣</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>找不到</source>
        <translation>cannot be found</translation>
    </message>
    <message>
        <source>不是一般的檔案</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>沒有權限讀取</source>
        <translation>may not be read</translation>
    </message>
    <message>
        <source>太大了</source>
        <translation>is too large</translation>
    </message>
    <message>
        <source>不是看得懂的圖片</source>
        <translation>is not a picture that can be read</translation>
    </message>
    <message>
        <source>第 %1 排左邊的標籤</source>
        <translation>row %1, left label</translation>
    </message>
    <message>
        <source>第 %1 排右邊的標籤</source>
        <translation>row %1, right label</translation>
    </message>
    <message>
        <source>第 %1 張紙%2</source>
        <translation>Sheet %1, %2</translation>
    </message>
    <message>
        <source>的第 %1 行</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>的圖片</source>
        <translation>the picture</translation>
    </message>
    <message>
        <source>的條碼</source>
        <translation>the barcode</translation>
    </message>
    <message>
        <source>%1%2超出%3 %4 公釐</source>
        <translation>%1, %2: %4 mm past the %3 edge</translation>
    </message>
    <message>
        <source>%1%2, 全部 %5 張都超出%3 %4 公釐</source>
        <translation>%1, %2: %4 mm past the %3 edge on all %5 sheets</translation>
    </message>
    <message>
        <source>%1%2, 從第 %6 張紙起共 %5 張超出%3 %4 公釐</source>
        <translation>%1, %2: %4 mm past the %3 edge on %5 sheets from sheet %6</translation>
    </message>
    <message>
        <source>第 %1 行的「%2」</source>
        <translation>“%2” of line %1</translation>
    </message>
    <message>
        <source>圖片</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>條碼</source>
        <translation>barcode</translation>
    </message>
    <message>
        <source>每張標籤的%1都蓋住%2</source>
        <translation>On every label the %1 covers %2</translation>
    </message>
    <message>
        <source>%1的%2蓋住%3</source>
        <translation>%1: the %2 covers %3</translation>
    </message>
    <message>
        <source>%1張標籤的%2蓋住%3, 第一張是%4</source>
        <translation>On %1 labels the %2 covers %3, first on %4</translation>
    </message>
    <message>
        <source>每張標籤的圖片和條碼都疊在一起</source>
        <translation>On every label the picture and the barcode lie over each other</translation>
    </message>
    <message>
        <source>%1張標籤的圖片和條碼疊在一起, 第一張是%2</source>
        <translation>On %1 labels the picture and the barcode lie over each other, first on %2</translation>
    </message>
    <message>
        <source>圖片檔「%1」%2, 標籤上不會印出圖片</source>
        <translation>The picture file “%1” %2; the labels will be printed without the picture</translation>
    </message>
    <message>
        <source>第 %1 區段和第 %2 區段都有箱號 %3, 這些箱子會印出兩張標籤</source>
        <translation>Blocks %1 and %2 both have cartons %3; these cartons will get two labels each</translation>
    </message>
    <message>
        <source>PDF 檔</source>
        <translation>the PDF file</translation>
    </message>
    <message>
        <source>預設的印表機</source>
        <translation>the default printer</translation>
    </message>
    <message>
        <source>印表機「%1」</source>
        <translation>the printer “%1”</translation>
    </message>
    <message>
        <source>這次的標籤有下面這些問題, 照這樣印出來的標籤會不完整:</source>
        <translation>These labels have the problems below and would not come out whole:</translation>
    </message>
    <message>
        <source>超出%1可以列印的範圍的部分印不出來; 可以到「檔案 → 印表機校正…」調整這台印表機的位移或每排標籤的距離。</source>
        <translation>What lies outside the area %1 can print will not be printed; adjust this printer&apos;s offset or the distance between label rows under “File → Printer Calibration…”.</translation>
    </message>
    <message>
        <source>還是要照這樣印嗎?</source>
        <translation>Print anyway?</translation>
    </message>
    <message>
        <source>第 %1 張標籤</source>
        <translation>Label %1</translation>
    </message>
    <message>
        <source>標籤</source>
        <translation>the label</translation>
    </message>
    <message>
        <source>第 %1 排的標籤</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>第 %1 排左起第 %2 張標籤</source>
        <translation>row %1, label %2 from the left</translation>
    </message>
    <message>
        <source>%1 × %2 公釐</source>
        <translation>%1 × %2 mm</translation>
    </message>
    <message>
        <source>標籤紙 %1 的一頁是 %2, 比印表機能印的最大的紙 %3還大, 印出來會被切掉</source>
        <translation>A page of the stock %1 is %2, larger than the largest paper the printer takes, %3: it would come out cut</translation>
    </message>
    <message>
        <source>標籤紙 %1 的一頁是 %2, 但印表機設定的紙是 %3</source>
        <translation>A page of the stock %1 is %2, but the printer is set up for paper of %3</translation>
    </message>
    <message>
        <source>請在%1放入這次的標籤紙並設定好紙張大小, 或到「檔案 → 印表機校正…」改選這台印表機放的標籤紙。</source>
        <translation>Load this stock into %1 and set its paper size to match, or choose the stock that printer is loaded with under “File → Printer Calibration…”.</translation>
    </message>
    <message>
        <source>尾數箱第 %1 行</source>
        <translation>line %1 of the remainder</translation>
    </message>
    <message>
        <source>第 %1 區段第 %2 行</source>
        <translation>line %2 of block %1</translation>
    </message>
    <message>
        <source>%1 (共 %2 張標籤)</source>
        <translation>%1 (on %2 labels)</translation>
    </message>
    <message>
        <source>%1的放大字超出標籤%2 %3 公釐</source>
        <translation>The large text of %1 runs %3 mm past the %2 edge of its label</translation>
    </message>
    <message>
        <source>%1的字超出標籤%2 %3 公釐</source>
        <translation>The text of %1 runs %3 mm past the %2 edge of its label</translation>
    </message>
    <message>
        <source>%1的放大字會蓋住第 %2 行的「%3」</source>
        <translation>The large text of %1 prints over “%3” on line %2</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>結果預覽</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>回到主劃面</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>PrintOptions</name>
    <message>
        <source>這次的區段裡沒有任何箱子, 沒有標籤可以印。</source>
        <translation>The blocks of this run have no cartons, so there are no labels to print.</translation>
    </message>
    <message>
        <source>「起始位置」要填 1 到 %1: 第一張標籤紙上從第幾格開始印, 由左到右、由上到下數。</source>
        <translation>“Start position” must be 1 to %1: the place on the first label sheet to start printing at, counted left to right and top to bottom.</translation>
    </message>
    <message>
        <source>「份數」要填 1 到 %1 之間的數字。</source>
        <translation>“Copies” must be a number from 1 to %1.</translation>
    </message>
    <message>
        <source>「箱號 … 到 …」要填兩個箱號, 前面的不能大於後面的: 這次的箱號從 %1 到 %2。</source>
        <translation>“Cartons … to …” must be two carton numbers, the first no larger than the second: this run&apos;s carton numbers go from %1 to %2.</translation>
    </message>
    <message>
        <source>「箱號 … 到 …」: 箱號 %1 到 %2 之間沒有任何標籤, 這次的箱號從 %3 到 %4。</source>
        <translation>“Cartons … to …”: there are no labels for carton numbers %1 to %2; this run&apos;s carton numbers go from %3 to %4.</translation>
    </message>
    <message>
        <source>「預覽中的第 … 到 … 張」要填 1 到 %1 之間的張數, 前面的不能大於後面的: 從第 %2 格開始, 整份預覽共 %1 張標籤紙。</source>
        <translation>“Sheets … to … of the preview” must be sheet numbers from 1 to %1, the first no larger than the second: starting at place %2, the preview of the whole run has %1 label sheets.</translation>
    </message>
</context>
<context>
    <name>PrintRun</name>
    <message>
        <source>%1的箱號超出 -32768 到 32766 的範圍, 請修改後再印</source>
        <translation>The carton numbers of %1 are outside the range -32768 to 32766; please correct them and print again</translation>
    </message>
    <message>
        <source>你還沒有編輯尾數頁ㄛ! 請編輯之或將尾數頁選項改成No</source>
        <translation>You have not edited the remainder page yet! Please edit it or set the remainder option to No</translation>
    </message>
    <message>
        <source>每P的箱數輸入錯誤: 每墊板的箱數必須是 1 以上的數字。</source>
        <translation>Wrong cartons per pallet: the cartons per pallet must be a number of 1 or more.</translation>
    </message>
    <message>
        <source>請選擇P/NO要印在那一行</source>
        <translation>Please choose the row to print P/NO on</translation>
    </message>
    <message>
        <source>請選擇C/NO要印在那一行</source>
        <translation>Please choose the row to print C/NO on</translation>
    </message>
    <message>
        <source>區段數目有誤 (%1), 最多只能有 %2 個區段</source>
        <translation>The number of blocks is wrong (%1); there can be at most %2 blocks</translation>
    </message>
    <message>
        <source>第 %1 區段</source>
        <translation>block %1</translation>
    </message>
    <message>
        <source>尾數箱</source>
        <translation>the remainder</translation>
    </message>
    <message>
        <source>找不到印表機「%1」, 它可能已經被移除了。
請重新選擇印表機後再印, 這次沒有印出任何標籤。</source>
        <translation>The printer “%1” cannot be found; it may have been removed.
Please choose a printer again and print again; no labels were printed this time.</translation>
    </message>
    <message>
        <source>印表機發生錯誤, 這次的標籤沒有印完。請檢查印表機後再印一次。</source>
        <translation>The printer reported an error and not all the labels were printed. Please check the printer and print again.</translation>
    </message>
    <message>
        <source>無法寫入 PDF 檔 %1, 這次的標籤沒有存下來。</source>
        <translation>Cannot write the PDF file %1; the labels were not saved.</translation>
    </message>
    <message>
        <source>找不到預設的印表機, 無法列印。
要把這次的標籤存成 PDF 檔嗎?</source>
        <translation>No default printer was found, so the labels cannot be printed.
Save them as a PDF file instead?</translation>
    </message>
</context>
<context>
    <name>PrinterFit</name>
    <message>
        <source>%1要填 -20.0 到 +20.0 之間的公釐數, 最多一位小數, 例如 -1.5。
這次沒有儲存, 原來的設定不變。</source>
        <translation>%1 must be a number of millimetres from -20.0 to +20.0 with at most one decimal, such as -1.5.
Nothing was saved; the settings stay as they were.</translation>
    </message>
    <message>
        <source>水平位移</source>
        <translation>The horizontal offset</translation>
    </message>
    <message>
        <source>垂直位移</source>
        <translation>The vertical offset</translation>
    </message>
    <message>
        <source>每排標籤的距離要填 68.00 到 80.00 之間的公釐數, 最多兩位小數, 例如 74.25。
這次沒有儲存, 原來的設定不變。</source>
        <translation>The row pitch must be a number of millimetres from 68.00 to 80.00 with at most two decimals, such as 74.25.
Nothing was saved; the settings stay as they were.</translation>
    </message>
    <message>
        <source>PDF 檔</source>
        <translation>PDF files</translation>
    </message>
    <message>
        <source>印表機「%1」</source>
        <translation>printer &quot;%1&quot;</translation>
    </message>
    <message>
        <source>印表機校正的設定檔 %1 已經損壞, 讀不出來。
所有印表機這次都不加位移, 照原來的位置列印。
請到「檔案 → 印表機校正…」重新輸入並儲存。</source>
        <translation>The printer calibration file %1 is damaged and cannot be read.
This time all printers print without offsets, in the original places.
Please type the figures again in &quot;File → Printer Calibration…&quot; and save them.</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between the names of printers</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>印表機校正的設定檔 %1 無法使用: %2。
所有印表機這次都不加位移, 照原來的位置列印。
請到「檔案 → 印表機校正…」重新輸入並儲存。</source>
        <translation>The printer calibration settings file %1 cannot be used: %2.
All printers print without offsets this time, at the original positions.
Please enter and save them again in File → Printer Calibration….</translation>
    </message>
    <message>
        <source>印表機校正的設定檔 %1 裡有看不懂的設定 (可能被改過):</source>
        <translation>Some settings in the printer calibration file %1 cannot be read (they may have been edited):</translation>
    </message>
    <message>
        <source>%1的數字看不懂: 這些印表機這次都不加位移, 照原來的位置列印。</source>
        <translation>The figures of %1: this time these printers print without offsets, in the original places.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <comment>a stock&apos;s name</comment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>自訂標籤紙%1看不懂: 這次不能選用。</source>
        <translation>Your label stocks %1: they cannot be chosen this time.</translation>
    </message>
    <message>
        <source>%1選的標籤紙找不到或看不懂: 這些印表機這次用 %2 列印。</source>
        <translation>The label stock of %1 is missing or cannot be read: this time these printers print on %2.</translation>
    </message>
    <message>
        <source>請到「檔案 → 印表機校正…」重新輸入並儲存。</source>
        <translation>Please type the figures again in &quot;File → Printer Calibration…&quot; and save them.</translation>
    </message>
</context>
<context>
    <name>PrinterFitDialog</name>
    <message>
        <source>印表機校正</source>
        <translation>Printer Calibration</translation>
    </message>
    <message>
        <source>每台印表機送紙的位置都不太一樣。先印一張校正頁, 疊在標籤紙上對著光看:
標籤的角在十字右邊或下面幾公釐, 位移就加幾公釐, 在左邊或上面就減。
印校正頁會先儲存下面的數字; 再印一張, 十字就該落在標籤的角上。</source>
        <translation>Every printer feeds the paper a little differently. Print a calibration sheet,
lay it on a sheet of labels and hold both against the light:
where a label&apos;s corner lies some millimetres right of or below the cross,
add that many millimetres to the offset; where it lies left or above, subtract them.
Printing the calibration sheet stores the figures below first;
on the next sheet the crosses should fall on the labels&apos; corners.</translation>
    </message>
    <message>
        <source>%1 (預設的印表機)</source>
        <translation>%1 (default printer)</translation>
    </message>
    <message>
        <source>PDF 檔</source>
        <translation>PDF file</translation>
    </message>
    <message>
        <source>印表機:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>水平位移:</source>
        <translation>Horizontal offset:</translation>
    </message>
    <message>
        <source>公釐, 往右為正 (-20.0 到 +20.0)</source>
        <translation>mm, positive to the right (-20.0 to +20.0)</translation>
    </message>
    <message>
        <source>垂直位移:</source>
        <translation>Vertical offset:</translation>
    </message>
    <message>
        <source>公釐, 往下為正 (-20.0 到 +20.0)</source>
        <translation>mm, positive downwards (-20.0 to +20.0)</translation>
    </message>
    <message>
        <source>每排標籤的距離:</source>
        <translation>Row pitch:</translation>
    </message>
    <message>
        <source>公釐, 原本 73.55; A4 8 格標籤紙是 74.25</source>
        <translation>mm, originally 73.55; 74.25 for A4 stock of 8 labels</translation>
    </message>
    <message>
        <source>儲存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>印校正頁(&amp;P)</source>
        <translation>&amp;Print Calibration Sheet</translation>
    </message>
    <message>
        <source>無法寫入設定檔 %1, 這次沒有儲存。</source>
        <translation>Cannot write the settings file %1, so nothing was saved.</translation>
    </message>
    <message>
        <source>新增(&amp;N)…</source>
        <translation>&amp;New Stock…</translation>
    </message>
    <message>
        <source>修改(&amp;E)…</source>
        <translation>&amp;Edit Stock…</translation>
    </message>
    <message>
        <source>標籤紙:</source>
        <translation>Label stock:</translation>
    </message>
    <message>
        <source>關閉(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a stock&apos;s name and description</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1的校正設定改過了, 還沒有儲存。要儲存嗎?</source>
        <translation>The calibration settings of %1 were changed and are not saved yet. Save them?</translation>
    </message>
</context>
<context>
    <name>QtPrintFeedback</name>
    <message>
        <source>存成 PDF 檔</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF 檔 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>正在列印標籤…</source>
        <translation>Printing labels…</translation>
    </message>
    <message>
        <source>正在列印標籤… 第 %1 張, 共 %2 張</source>
        <translation>Printing labels… sheet %1 of %2</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>照樣列印(&amp;P)</source>
        <translation>&amp;Print anyway</translation>
    </message>
    <message>
        <source>不印(&amp;N)</source>
        <translation>Do&amp;n&apos;t print</translation>
    </message>
    <message>
        <source>儲存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>不儲存(&amp;N)</source>
        <translation>Do&amp;n&apos;t Save</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>RowSize</name>
    <message>
        <source>粗體</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>一般</source>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>RowSizeControls</name>
    <message>
        <source>行的字型(&amp;F)…</source>
        <translation>Line Type &amp;Sizes…</translation>
    </message>
    <message>
        <source>這一行印成粗體字 (編輯 → 行的字型…)</source>
        <translation>This line prints bold (Edit → Line Type Sizes…)</translation>
    </message>
    <message>
        <source>這一行印成放大字: 寬與高都加倍, 佔用下面一行 (編輯 → 行的字型…)</source>
        <translation>This line prints large: twice as wide and twice as tall, over the line below it (Edit → Line Type Sizes…)</translation>
    </message>
    <message>
        <source>行的字型</source>
        <translation>Line type sizes</translation>
    </message>
    <message>
        <source>字型(&amp;F)</source>
        <translation>Type &amp;Size</translation>
    </message>
    <message>
        <source>一般(&amp;N)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>粗體(&amp;B)</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <source>放大(&amp;L)</source>
        <translation>&amp;Large</translation>
    </message>
    <message>
        <source>字型 第 %1 行</source>
        <translation>Type size of line %1</translation>
    </message>
</context>
<context>
    <name>RowSizeDialog</name>
    <message>
        <source>行的字型 - %1</source>
        <translation>Line Type Sizes - %1</translation>
    </message>
    <message>
        <source>每一行印出來的字型。粗體: 一樣大的粗字。放大: 字的寬與高都加倍, 會佔用下面一行, 所以下面一行要空著。</source>
        <translation>How each line prints. Bold: bold characters of the same size. Large: characters twice as wide and twice as tall, reaching over the line below, so that line has to stay empty.</translation>
    </message>
    <message>
        <source>第 %1 行</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>第 %1 行放大了, 會蓋住第 %2 行的字。</source>
        <translation>Line %1 is large and prints over the text of line %2.</translation>
    </message>
    <message>
        <source>確定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>RunPreviewWindow</name>
    <message>
        <source>列印預覽</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>第一頁</source>
        <translation>First</translation>
    </message>
    <message>
        <source>第一張標籤紙 (Ctrl+Home)</source>
        <translation>First sheet (Ctrl+Home)</translation>
    </message>
    <message>
        <source>上一頁</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>上一張標籤紙 (Page Up)</source>
        <translation>Previous sheet (Page Up)</translation>
    </message>
    <message>
        <source>下一頁</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>下一張標籤紙 (Page Down)</source>
        <translation>Next sheet (Page Down)</translation>
    </message>
    <message>
        <source>最後一頁</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>最後一張標籤紙 (Ctrl+End)</source>
        <translation>Last sheet (Ctrl+End)</translation>
    </message>
    <message>
        <source>整頁</source>
        <translation>Whole page</translation>
    </message>
    <message>
        <source>頁寬</source>
        <translation>Page width</translation>
    </message>
    <message>
        <source>摘要</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>列印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>第一張標籤紙從第幾格開始印: 由左到右、由上到下數, 前面的格子留空, 用來印完用過一半的標籤紙</source>
        <translation>The place on the first sheet where printing starts, counted left to right and top to bottom; the places before it stay empty, so a half-used sheet of labels can be used up</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Whole run</translation>
    </message>
    <message>
        <source>列印範圍:</source>
        <translation>Print range:</translation>
    </message>
    <message>
        <source>沒有印表機, 只能存成 PDF</source>
        <translation>No printer: save as PDF only</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>找不到任何印表機, 無法列印。請按「存成 PDF…」把標籤存成 PDF 檔。</source>
        <translation>No printer was found, so nothing can be printed. Press &quot;Save as PDF…&quot; to save the labels as a PDF file.</translation>
    </message>
    <message>
        <source>已送到印表機 %1: %2 張標籤, %3 張標籤紙, %4 份</source>
        <translation>Sent to printer %1 (labels: %2; sheets: %3; copies: %4)</translation>
    </message>
    <message>
        <source>已存成 PDF 檔 %1: %2 張標籤, %3 頁</source>
        <translation>Saved as PDF file %1 (labels: %2; pages: %3)</translation>
    </message>
    <message>
        <source>第 %1 頁, 共 %2 頁</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>箱號 %1 到 %2</source>
        <translation>Cartons %1 to %2</translation>
    </message>
    <message>
        <source>按一下問題, 就會翻到那一張標籤紙, 用紅框標出問題的位置</source>
        <translation>Click a problem to turn to its sheet, with a red frame around where it is</translation>
    </message>
    <message>
        <source>縮放(&amp;Z):</source>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <source>Ctrl++ 放大, Ctrl+− 縮小; 也可以按住 Ctrl 轉動滑鼠滾輪</source>
        <translation>Ctrl++ zooms in, Ctrl+− zooms out; so does the mouse wheel with Ctrl held down</translation>
    </message>
    <message>
        <source>列印前檢查</source>
        <translation>Preflight</translation>
    </message>
    <message>
        <source>印表機(&amp;R):</source>
        <translation>P&amp;rinter:</translation>
    </message>
    <message>
        <source>自動分頁(&amp;O)</source>
        <translation>C&amp;ollate</translation>
    </message>
    <message>
        <source>印多份時一份一份印出: 第 1、2、3 張, 再第 1、2、3 張。不勾時每張連印: 第 1、1 張, 再第 2、2 張…</source>
        <translation>Several copies come out as whole sets: sheets 1, 2, 3, then 1, 2, 3 again. Unticked, each sheet comes out again at once: sheets 1, 1, then 2, 2…</translation>
    </message>
    <message>
        <source>份數(&amp;N):</source>
        <translation>&amp;Number of copies:</translation>
    </message>
    <message>
        <source>起始位置(&amp;T):</source>
        <translation>S&amp;tart place:</translation>
    </message>
    <message>
        <source>預覽中的第 %1 到 %2 張</source>
        <translation>Sheets %1 to %2 of the preview</translation>
    </message>
    <message>
        <source>張數照整份列印的預覽算: 從「起始位置」排起, 預覽的第 1 頁就是第 1 張。選了這一項, 預覽就只顯示這幾張。</source>
        <translation>Sheets are counted as the preview of the whole run shows them: laid out from the start place, page 1 of the preview is sheet 1. Once this is chosen, the preview shows only these sheets.</translation>
    </message>
    <message>
        <source>列印(&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>存成 PDF(&amp;S)…</source>
        <translation>&amp;Save as PDF…</translation>
    </message>
    <message>
        <source>關閉(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>沒有問題: 箱號沒有重複, 每個字、圖片和條碼都在可以列印的範圍內, 沒有互相蓋住。</source>
        <translation>No problems: no carton number repeats, every text, picture and barcode lies inside the printable area, and none covers another.</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>第 %1 張第 %2 格</source>
        <translation>sheet %1, place %2</translation>
    </message>
    <message>
        <source>; 條碼「%1」</source>
        <translation>; barcode &quot;%1&quot;</translation>
    </message>
    <message>
        <source>; 條碼「%1」到「%2」</source>
        <translation>; barcodes &quot;%1&quot; to &quot;%2&quot;</translation>
    </message>
    <message>
        <source>第 %1 區段: 沒有標籤</source>
        <translation>Block %1: no labels</translation>
    </message>
    <message>
        <source>第 %1 區段: 箱號 %2, 共 %3 箱; 墊板 %4</source>
        <translation>Block %1: cartons %2, %3 in all; pallets %4</translation>
    </message>
    <message>
        <source>, 其中 %1 箱 (箱號 %2) 併入前面區段的墊板 %3</source>
        <translation>, of which %1 (cartons %2) go onto pallet %3 of an earlier block</translation>
    </message>
    <message>
        <source>; 從%1開始</source>
        <translation>; starts at %1</translation>
    </message>
    <message>
        <source>共 %1 張標籤, 印在 %2 張標籤紙上 (每張 %3 格)</source>
        <translation>Total labels: %1; sheets: %2 (%3 places a sheet)</translation>
    </message>
    <message>
        <source>尾數箱: 箱號 %1; 墊板 %2; 在%3</source>
        <translation>Remainder: carton %1; pallet %2; at %3</translation>
    </message>
    <message>
        <source>注意: 第 %1 區段的起始箱號 %2 大於結束箱號 %3, 這個區段不會印出標籤。</source>
        <translation>Warning: block %1 starts at carton %2, above its last carton %3, so it prints no labels.</translation>
    </message>
    <message>
        <source>這次列印 %1 張標籤, 共 %2 張標籤紙</source>
        <translation>Labels in this print: %1; sheets: %2</translation>
    </message>
    <message>
        <source>, %1 份共 %2 張</source>
        <translation>; %1 copies: %2 sheets</translation>
    </message>
    <message>
        <source>檢查: 每個區段都有標籤。</source>
        <translation>Checked: every block has labels.</translation>
    </message>
</context>
<context>
    <name>SheetPreview</name>
    <message>
        <source>尾數箱</source>
        <translation>Remainder</translation>
    </message>
    <message>
        <source>第 %1 區段</source>
        <translation>Block %1</translation>
    </message>
    <message>
        <source>%1
箱號 %2
墊板 %3</source>
        <translation>%1
Carton %2
Pallet %3</translation>
    </message>
    <message>
        <source>
條碼 %1</source>
        <translation>
Barcode %1</translation>
    </message>
    <message>
        <source>第 %1 張第 %2 格
</source>
        <translation>Sheet %1, place %2
</translation>
    </message>
</context>
<context>
    <name>StockDialog</name>
    <message>
        <source>修改標籤紙</source>
        <translation>Edit Label Stock</translation>
    </message>
    <message>
        <source>新增標籤紙</source>
        <translation>New Label Stock</translation>
    </message>
    <message>
        <source>照標籤紙量: 從紙的左上角量到第一張標籤的左上角是邊界,
從一張標籤的左上角量到右邊 (下面) 一張的左上角是水平 (垂直) 間距。</source>
        <translation>Measure the stock: the margins run from the paper’s top-left corner to the first label’s,
the horizontal (vertical) pitch from one label’s top-left corner to the next one’s to the right (below).</translation>
    </message>
    <message>
        <source>文字、數字和 - _ ., 例如 shelf-2x5</source>
        <translation>letters, digits and - _ ., for example shelf-2x5</translation>
    </message>
    <message>
        <source>A4 單張</source>
        <translation>A4 sheets</translation>
    </message>
    <message>
        <source>捲筒, 每頁一張標籤</source>
        <translation>Roll, one label a page</translation>
    </message>
    <message>
        <source>紙張:</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>公釐</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>橫的幾張</source>
        <translation>labels across</translation>
    </message>
    <message>
        <source>直的幾張</source>
        <translation>labels down</translation>
    </message>
    <message>
        <source>儲存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>這種標籤紙還沒有儲存。</source>
        <translation>The label stock has not been saved.</translation>
    </message>
    <message>
        <source>無法寫入設定檔 %1, 這種標籤紙沒有儲存。</source>
        <translation>Cannot write the settings file %1, so the label stock was not saved.</translation>
    </message>
</context>
<context>
    <name>StockInput</name>
    <message>
        <source>%1要填 %2 到 %3 之間的公釐數, 最多兩位小數。</source>
        <translation>%1 must be a number of millimetres from %2 to %3, with at most two decimals.</translation>
    </message>
    <message>
        <source>%1要填 1 到 %2 之間的整數。</source>
        <translation>%1 must be a whole number from 1 to %2.</translation>
    </message>
    <message>
        <source>%1: %2 格標籤每格相距 %3 公釐, 從第一格到最後一格要 %4 公釐, 超出 A4 紙的 %5 公釐。請減少格數或改小間距。</source>
        <translation>%1: %2 labels %3 mm apart take %4 mm from the first to the last, more than the %5 mm of an A4 sheet. Please give fewer labels or a smaller pitch.</translation>
    </message>
    <message>
        <source>%1要填, 例如 shelf-2x5。</source>
        <translation>%1 must be given, for example shelf-2x5.</translation>
    </message>
    <message>
        <source>%1「%2」只能用文字、數字和 - _ . (最多 %3 個字), 開頭不能是 -: 它要寫進設定檔, 也要在指令列上當成一個字用。</source>
        <translation>%1 “%2” may hold only letters, digits and - _ . (at most %3 characters) and must not begin with -: it is written into the settings file and used as one word on the command line.</translation>
    </message>
    <message>
        <source>%1「%2」已經有了 (%3), 請換一個名稱。</source>
        <translation>%1 “%2” is taken (%3); please choose another name.</translation>
    </message>
    <message>
        <source>名稱</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>標籤寬度</source>
        <translation>Label width</translation>
    </message>
    <message>
        <source>標籤高度</source>
        <translation>Label height</translation>
    </message>
    <message>
        <source>欄數</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>列數</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>水平間距</source>
        <translation>Horizontal pitch</translation>
    </message>
    <message>
        <source>垂直間距</source>
        <translation>Vertical pitch</translation>
    </message>
    <message>
        <source>左邊界</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>上邊界</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>%1: 一張紙最多 %2 格, %3 欄 × %4 列是 %5 格。</source>
        <translation>%1: a sheet holds at most %2 labels; %3 columns × %4 rows are %5.</translation>
    </message>
</context>
<context>
    <name>TemplateCommands</name>
    <message>
        <source>真的要Refresh? 這樣做會讓您剛剛設的資料全部重來ㄛ..</source>
        <translation>Really refresh? Everything you have just set up will start over.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>已經損壞, 讀不出來</source>
        <translation>it is damaged and cannot be read</translation>
    </message>
    <message>
        <source>Cratemark 的設定檔 %1 無法使用: %2。
這次先不用它: 最近的工作清單是空的, 這次的設定也不會留下來。
請把這個檔案移走或刪除, 下次開啟時會重新建立。</source>
        <translation>Cratemark&apos;s settings file %1 cannot be used: %2.
It is left alone this time: the list of recent jobs is empty, and nothing of this session&apos;s settings is kept.
Move the file away or delete it; it is made afresh the next time Cratemark starts.</translation>
    </message>
</context>
</TS>
