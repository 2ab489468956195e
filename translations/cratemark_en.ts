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
    <name>BarcodeDialog</name>
    <message>
        <source>條碼設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{C} 是箱號, {P} 是墊板號, {B} 是區段號, 例如 PO4711-{C}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSCC = 擴充碼 + 廠商代碼 + 補零的箱號 + 自動算出的檢查碼</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (公釐):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Blocks</name>
    <message>
        <source>箱號編號 from 必須是數字。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>箱號編號 from 不能是 0。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>箱號編號 to 必須是數字。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>箱號編號 to 不能是 0。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>箱號編號 to (%1) 不能小於 from (%2)。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>請輸入正確箱數編號: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編號欄位輸入有錯: 箱號編號 to 必須是數字 (這個區段最後一箱的箱號)。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編號欄位輸入有錯: 箱號編號 from 必須是數字 (這個區段第一箱的箱號)。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編號欄位輸入有錯: 箱號編號 to (%1) 不能小於 from (%2)。</source>
        <translation type="unfinished"></translation>
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
        <source>標籤寬度要填 20.00 到 105.00 之間的公釐數, 最多兩位小數。</source>
        <translation>The label width must be a number of millimetres from 20.00 to 105.00 with at most two decimals.</translation>
    </message>
    <message>
        <source>標籤高度要填 20.00 到 74.25 之間的公釐數, 最多兩位小數。</source>
        <translation>The label height must be a number of millimetres from 20.00 to 74.25 with at most two decimals.</translation>
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
        <source>看不懂的參數:%1</source>
        <translation type="vanished">Unexpected argument: %1</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印到這台印表機 (不指定時用系統的預設印表機)。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不送印表機, 存成這個 PDF 檔。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第一張標籤從第一張紙的第 N 格開始 (1 到 8, 由左而右、由上而下), 用來印完用過一半的標籤紙。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只重印箱號 A 到 B 的標籤, 各自帶著原來的墊板編號; 重印不寫列印紀錄。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>遇到要確認的問題 (兩個區段有相同的箱號、標籤超出印表機可印的範圍) 時照樣列印; 不加時這種工作不會印出。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要開啟的工作檔 (*.cratemark)。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只能指定一個工作檔, 看不懂的參數:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 只能和 --print 一起用。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--print 後面要寫要印的工作檔。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--printer 和 --pdf 只能選一個: 要送印表機, 還是存成 PDF 檔?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--printer 後面要寫印表機的名稱。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pdf 後面要寫 PDF 檔的名稱。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--start 要寫 1 到 8 的整數 (標籤紙上的格子), 不能是「%1」。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--cartons 要寫箱號的範圍, 例如 17-18, 不能是「%1」。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FitCheck</name>
    <message>
        <source>左邊</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上緣</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右邊</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下緣</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF 檔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>預設的印表機</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印表機「%1」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 張紙第 %2 排標籤的第 %3 行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 張紙第 %2 排標籤的圖片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1超出%2可以列印的範圍, 超出%3 %4 公釐, 超出的部分印不出來。
請到「檔案 → 印表機校正…」調整這台印表機的位移或每排標籤的距離。

還是要照這樣印嗎?</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>資料夾沒有寫入的權限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無法寫入 %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另一個程式正在寫入這個資料夾的歷史紀錄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無法在資料夾 %1 建立鎖定檔, 資料夾可能不能寫入或磁碟已滿</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 是一個資料夾, 不是歷史紀錄檔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標籤已印出, 但這次的範本沒有存進歷史紀錄: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JobController</name>
    <message>
        <source>開新工作(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開啟工作(&amp;O)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開啟工作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cratemark 工作檔 (*.cratemark)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>儲存工作(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存新檔(&amp;A)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>匯入裝箱單(&amp;I)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上次自動儲存的工作無法使用 (%1), 已經刪除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未命名工作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cratemark 上次沒有正常結束。
要找回 %1 自動儲存的工作「%2」嗎?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工作「%1」有還沒儲存的修改, 要先儲存嗎?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存新檔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>匯入裝箱單</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>裝箱單 (*.csv *.txt);;所有檔案 (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>找不到工作檔「%1」, 已經把它從最近的工作清單中移除</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JobFile</name>
    <message>
        <source>區段數</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>畫面上的區段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>尾數箱已設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P/NO 行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C/NO 行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>尾數箱?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圖案設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圖案檔案路徑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圖案寬度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>離左邊界</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>離上邊界</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>條碼設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>區段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>尾數箱</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>箱號 from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>箱號 to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每墊板的箱數</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>墊板編號的起始數</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>混打</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>內容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>對齊</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>版本</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>檔案(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>條碼設定(&amp;B)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列印預覽(&amp;V)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印表機校正(&amp;C)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>結束(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>說明(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>說明文件(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>關於 Cratemark(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackingListDialog</name>
    <message>
        <source>匯入裝箱單</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>裝箱單會變成下面 %1 個區段, 取代目前的 %2 個區段。
每個區段都使用畫面上的內容與對齊; 尾數箱要再重新選一次。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>區段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>箱號 from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>箱號 to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每墊板的箱數</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>墊板起始數</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>混打</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取代區段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
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
    <name>PrintRun</name>
    <message>
        <source>每P的箱數輸入錯誤: 每墊板的箱數必須是 1 以上的數字。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>找不到印表機「%1」, 它可能已經被移除了。
請重新選擇印表機後再印, 這次沒有印出任何標籤。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 區段和第 %2 區段都有箱號 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有些箱號在兩個區段裡重複了, 這些箱子會印出兩張標籤:
%1

還是要照這樣印嗎?</source>
        <translation type="unfinished"></translation>
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
        <source>印表機校正的設定檔 %1 裡, %2的數字看不懂 (可能被改過)。
這些印表機這次都不加位移, 照原來的位置列印。
請到「檔案 → 印表機校正…」重新輸入並儲存。</source>
        <translation>In the printer calibration file %1, the figures of %2 cannot be read (they may have been edited).
This time these printers print without offsets, in the original places.
Please type the figures again in &quot;File → Printer Calibration…&quot; and save them.</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between the names of printers</comment>
        <translation>, </translation>
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
        <source>校正頁上的標籤大小 (兩欄四列, 在紙上置中)</source>
        <translation>Label size on the calibration sheet (two across, four down, centred on the paper)</translation>
    </message>
    <message>
        <source>標籤寬度:</source>
        <translation>Label width:</translation>
    </message>
    <message>
        <source>公釐</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>標籤高度:</source>
        <translation>Label height:</translation>
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
        <source>關閉</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>無法寫入設定檔 %1, 這次沒有儲存。</source>
        <translation>Cannot write the settings file %1, so nothing was saved.</translation>
    </message>
    <message>
        <source>%1的校正數字改過了, 還沒有儲存。要儲存嗎?</source>
        <translation>The calibration figures of %1 were changed and are not saved yet. Save them?</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>儲存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不儲存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
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
        <source>第 %1 頁, 共 %2 頁</source>
        <translation>Page %1 of %2</translation>
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
        <source>縮放:</source>
        <translation>Zoom:</translation>
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
        <source>100 %</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>也可以按住 Ctrl 轉動滑鼠滾輪來放大縮小</source>
        <translation>You can also zoom by turning the mouse wheel with Ctrl held down</translation>
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
        <source>印表機:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>份數:</source>
        <translation>Copies:</translation>
    </message>
    <message>
        <source>第一張標籤紙從第幾格開始印: 由左到右、由上到下數, 前面的格子留空, 用來印完用過一半的標籤紙</source>
        <translation>The place on the first sheet where printing starts, counted left to right and top to bottom; the places before it stay empty, so a half-used sheet of labels can be used up</translation>
    </message>
    <message>
        <source>起始位置:</source>
        <translation>Start place:</translation>
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
        <source>第 %1 到 %2 張</source>
        <translation>Sheets %1 to %2</translation>
    </message>
    <message>
        <source>箱號 %1 到 %2</source>
        <translation>Cartons %1 to %2</translation>
    </message>
    <message>
        <source>存成 PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>關閉</source>
        <translation>Close</translation>
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
        <source>注意: 第 %1 區段和第 %2 區段都有箱號 %3, 這些箱子會印出兩張標籤。</source>
        <translation>Warning: blocks %1 and %2 both have carton numbers %3, so these cartons get two labels each.</translation>
    </message>
    <message>
        <source>注意: 第 %1 區段的起始箱號 %2 大於結束箱號 %3, 這個區段不會印出標籤。</source>
        <translation>Warning: block %1 starts at carton %2, above its last carton %3, so it prints no labels.</translation>
    </message>
    <message>
        <source>檢查: 箱號沒有重複, 每個區段都有標籤。</source>
        <translation>Checked: no carton number repeats, and every block has labels.</translation>
    </message>
    <message>
        <source>這次列印 %1 張標籤, 共 %2 張標籤紙</source>
        <translation>Labels in this print: %1; sheets: %2</translation>
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
</context>
</TS>
