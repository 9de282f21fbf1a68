<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AboutWindow</name>
    <message>
        <source>のﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Version information for</translation>
    </message>
    <message>
        <source>Winamp 2 のスキンを、画像とパーツから作るツールです。</source>
        <translation>A tool that makes Winamp 2 skins from a picture and parts.</translation>
    </message>
    <message>
        <source>ｼｽﾃﾑ情報(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>現時点ではｼｽﾃﾑ情報を使用できません</source>
        <translation>System information is not available at this time</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>ColourSwatch</name>
    <message>
        <source>色の設定</source>
        <translation>Colour settings</translation>
    </message>
    <message>
        <source>Font選択</source>
        <translation>Choose font</translation>
    </message>
    <message>
        <source>クリック: 色を選ぶ</source>
        <translation>Click: choose a colour</translation>
    </message>
</context>
<context>
    <name>CoreCaption</name>
    <message>
        <source>左上</source>
        <translation>Top left</translation>
    </message>
    <message>
        <source>上の枠</source>
        <translation>Top frame</translation>
    </message>
    <message>
        <source>タイトルバー</source>
        <translation>Title bar</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Top right</translation>
    </message>
    <message>
        <source>左の枠</source>
        <translation>Left frame</translation>
    </message>
    <message>
        <source>下の枠</source>
        <translation>Bottom frame</translation>
    </message>
    <message>
        <source>スペアナ</source>
        <translation>Visualizer</translation>
    </message>
    <message>
        <source>右の枠</source>
        <translation>Right frame</translation>
    </message>
    <message>
        <source>ボタン</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>コントロール</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>左端</source>
        <translation>Left end</translation>
    </message>
    <message>
        <source>真中</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>右端</source>
        <translation>Right end</translation>
    </message>
    <message>
        <source>ファイル追加</source>
        <translation>Add file</translation>
    </message>
    <message>
        <source>ファイル削除</source>
        <translation>Remove file</translation>
    </message>
    <message>
        <source>ファイル選択</source>
        <translation>Select file</translation>
    </message>
    <message>
        <source>ロード</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>押したとき１</source>
        <translation>Pressed 1</translation>
    </message>
    <message>
        <source>押したとき２</source>
        <translation>Pressed 2</translation>
    </message>
    <message>
        <source>押したとき３</source>
        <translation>Pressed 3</translation>
    </message>
    <message>
        <source>画像の大きさが２７５＊１１６では有りません。無理矢理変換します</source>
        <translation>The picture is not 275×116. It will be stretched to fit.</translation>
    </message>
    <message>
        <source>%1/116 終了</source>
        <translation>%1/116 rows done</translation>
    </message>
    <message>
        <source>%1切り取り中</source>
        <translation>Cutting out row %1</translation>
    </message>
</context>
<context>
    <name>EditNames</name>
    <message>
        <source>色 R</source>
        <translation>colour R</translation>
    </message>
    <message>
        <source>色 G</source>
        <translation>colour G</translation>
    </message>
    <message>
        <source>色 B</source>
        <translation>colour B</translation>
    </message>
    <message>
        <source>パーツの選択</source>
        <translation>part choice</translation>
    </message>
    <message>
        <source>マスクの選択</source>
        <translation>mask choice</translation>
    </message>
    <message>
        <source>EQ パーツの選択</source>
        <translation>equalizer part choice</translation>
    </message>
    <message>
        <source>EQ マスクの選択</source>
        <translation>equalizer mask choice</translation>
    </message>
    <message>
        <source>スライダーの選択</source>
        <translation>slider choice</translation>
    </message>
    <message>
        <source>背景色の選択</source>
        <translation>back colour choice</translation>
    </message>
    <message>
        <source>画像の選択</source>
        <translation>picture choice</translation>
    </message>
    <message>
        <source>プレイリストのスタイル</source>
        <translation>playlist style</translation>
    </message>
    <message>
        <source>合成方法</source>
        <translation>mix mode</translation>
    </message>
    <message>
        <source>チェック %1</source>
        <translation>box %1</translation>
    </message>
    <message>
        <source>オプション %1</source>
        <translation>option %1</translation>
    </message>
    <message>
        <source>スクロールバー %1</source>
        <translation>scroll bar %1</translation>
    </message>
    <message>
        <source>リスト %1</source>
        <translation>list %1</translation>
    </message>
    <message>
        <source>テキスト %1</source>
        <translation>text %1</translation>
    </message>
    <message>
        <source>色 %1</source>
        <translation>colour %1</translation>
    </message>
    <message>
        <source>画像 %1</source>
        <translation>picture %1</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>edit</translation>
    </message>
    <message>
        <source>スキンのスタイル</source>
        <translation>skin style</translation>
    </message>
</context>
<context>
    <name>EqPages</name>
    <message>
        <source>ボタン</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>%1  %2×%3
ダブルクリック: 画像を開く</source>
        <translation>%1  %2×%3
Double-click: open a picture</translation>
    </message>
    <message>
        <source>
右クリック: 貼りつけ／コピー</source>
        <translation>
Right-click: paste / copy</translation>
    </message>
    <message>
        <source>こっちを使う</source>
        <translation>Use this</translation>
    </message>
    <message>
        <source>開いたスキン画像から取ったイコライザの面 (上の絵) を使います</source>
        <translation>Uses the equalizer face taken from the opened skin picture (upper picture)</translation>
    </message>
    <message>
        <source>これを使う</source>
        <translation>Use this</translation>
    </message>
    <message>
        <source>PictureOpenで別に開いた画像 (下の絵) をイコライザの面に使います</source>
        <translation>Uses a picture opened separately with PictureOpen (lower picture) as the equalizer face</translation>
    </message>
    <message>
        <source>イコライザの面にする画像ファイルを開きます</source>
        <translation>Opens the picture file for the equalizer face</translation>
    </message>
    <message>
        <source>(画像はまだ開かれていません)</source>
        <translation>(no picture opened yet)</translation>
    </message>
    <message>
        <source>「Main」ページで開いた画像のイコライザ部分</source>
        <translation>The equalizer part of the picture opened on the &quot;Main&quot; page</translation>
    </message>
    <message>
        <source>275×116 のイコライザ画像を開きます。ほかの大きさは 275×116 に変換されます。</source>
        <translation>Opens a 275×116 equalizer picture. Other sizes are converted to 275×116.</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>BackColorを合成する</source>
        <translation>Blend in BackColor</translation>
    </message>
    <message>
        <source>スライダーの溝に、選んだBackColorの色を重ねます</source>
        <translation>Lays the chosen BackColor over the slider groove</translation>
    </message>
    <message>
        <source>絵をダブルクリックすると画像ファイルを開きます。右クリックで貼りつけ／コピー。</source>
        <translation>Double-click a picture to open a picture file. Right-click to paste / copy.</translation>
    </message>
    <message>
        <source>DataとMaskを別々に指定する</source>
        <translation>Separate Data and Mask</translation>
    </message>
    <message>
        <source>取りこみ</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>取りこむ</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>eqmain.bmp と同じ並びの画像から、チェックした部分をイコライザのパーツに取りこみます。絵をダブルクリックすると画像ファイルを開きます。右クリックで貼りつけ／コピー。</source>
        <translation>Imports the ticked parts into the equalizer parts from a picture laid out like eqmain.bmp. Double-click a picture to open a picture file. Right-click to paste / copy.</translation>
    </message>
    <message>
        <source>PreEasyImage
ダブルクリック: 画像を開く
右クリック: 貼りつけ／コピー</source>
        <translation>PreEasyImage
Double-click: open a picture
Right-click: paste / copy</translation>
    </message>
    <message>
        <source>スキン作成</source>
        <translation>Build skin</translation>
    </message>
    <message>
        <source>EQ部分だけ出力する</source>
        <translation>Equalizer only</translation>
    </message>
    <message>
        <source>イコライザの絵だけのスキンとして出力します (メイン画面の画像を開いていなくても作れます)</source>
        <translation>Outputs a skin with the equalizer picture only (works without a main window picture)</translation>
    </message>
    <message>
        <source>eqmain.bmpにスライダー・プリセット・グラフの段まで含めます。
外すと上の275×163だけを出力します</source>
        <translation>Includes the slider, preset and graph rows in eqmain.bmp.
Unticked, only the top 275×163 is output</translation>
    </message>
</context>
<context>
    <name>GeneratorWindows</name>
    <message>
        <source>明るい色</source>
        <translation>Light colour</translation>
    </message>
    <message>
        <source>通常色</source>
        <translation>Normal colour</translation>
    </message>
    <message>
        <source>暗い色</source>
        <translation>Dark colour</translation>
    </message>
    <message>
        <source>ボディー</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>MainのDataへ転送</source>
        <translation>To Main Data</translation>
    </message>
    <message>
        <source>EQのDataへ転送</source>
        <translation>To EQ Data</translation>
    </message>
    <message>
        <source>MainのMaskへ転送</source>
        <translation>To Main Mask</translation>
    </message>
    <message>
        <source>EQのMaskへ転送</source>
        <translation>To EQ Mask</translation>
    </message>
    <message>
        <source>MainのDataへ転送する</source>
        <translation>Send to Main Data</translation>
    </message>
    <message>
        <source>EQのDataへ送る</source>
        <translation>Send to EQ Data</translation>
    </message>
    <message>
        <source>MainのMaskへ転送する</source>
        <translation>Send to Main Mask</translation>
    </message>
    <message>
        <source>EQのMaskへ送る</source>
        <translation>Send to EQ Mask</translation>
    </message>
    <message>
        <source>スタイル</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>通常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>下無し</source>
        <translation>No bottom</translation>
    </message>
    <message>
        <source>上無し</source>
        <translation>No top</translation>
    </message>
    <message>
        <source>上端の色</source>
        <translation>Top colour</translation>
    </message>
    <message>
        <source>下端の色</source>
        <translation>Bottom colour</translation>
    </message>
    <message>
        <source>Main＋EQ</source>
        <translation>Main + EQ</translation>
    </message>
    <message>
        <source>転送場所の指定</source>
        <translation>Send to</translation>
    </message>
    <message>
        <source>Dataへ転送</source>
        <translation>To Data</translation>
    </message>
    <message>
        <source>Maskへ転送</source>
        <translation>To Mask</translation>
    </message>
    <message>
        <source>上下の指定</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Mainが上、EQが下</source>
        <translation>Main on top, EQ below</translation>
    </message>
    <message>
        <source>EQが上、Mainが下</source>
        <translation>EQ on top, Main below</translation>
    </message>
    <message>
        <source>転送実行</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>其の一</source>
        <translation>First</translation>
    </message>
    <message>
        <source>其のニ</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>其の三</source>
        <translation>Third</translation>
    </message>
    <message>
        <source>ハイライト</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <source>トップ</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>シャドウ</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>枠</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>枠無し</source>
        <translation>No frame</translation>
    </message>
    <message>
        <source>枠あり</source>
        <translation>With frame</translation>
    </message>
    <message>
        <source>色はダブルクリックで選びます</source>
        <translation>Double-click to choose a colour</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>作成</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>FrameData自作</source>
        <translation>FrameData maker</translation>
    </message>
    <message>
        <source>色を選んでフレームやグラデーションを作ります</source>
        <translation>Makes frames and gradients from the colours you choose</translation>
    </message>
    <message>
        <source>SliderData自作</source>
        <translation>SliderData maker</translation>
    </message>
    <message>
        <source>色を選んでスライダーのつまみを作ります</source>
        <translation>Makes slider knobs from the colours you choose</translation>
    </message>
    <message>
        <source>三つの色からイコライザのスライダーの背景を作ります</source>
        <translation>Makes the equalizer slider background from three colours</translation>
    </message>
</context>
<context>
    <name>HowForm</name>
    <message>
        <source>275*116に無理やり変換</source>
        <translation>Force it to 275*116</translation>
    </message>
    <message>
        <source>EQ部分も使って275*232に変換</source>
        <translation>Use the EQ part too: 275*232</translation>
    </message>
    <message>
        <source>PLまで使ってしまう（275*348）</source>
        <translation>Use up to the playlist (275*348)</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>画像の大きさ</source>
        <translation>Picture size</translation>
    </message>
    <message>
        <source>画像の大きさが275*116ではありません</source>
        <translation>The picture is not 275*116</translation>
    </message>
</context>
<context>
    <name>Interaction</name>
    <message>
        <source>画像 (*.bmp;*.jpg;*.gif) (*.bmp *.BMP *.jpg *.JPG *.jpeg *.JPEG *.gif *.GIF *.png *.PNG);;すべてのファイル (*)</source>
        <translation>Pictures (*.bmp;*.jpg;*.gif) (*.bmp *.BMP *.jpg *.JPG *.jpeg *.JPEG *.gif *.GIF *.png *.PNG);;All files (*)</translation>
    </message>
    <message>
        <source>画像を開く</source>
        <translation>Open picture</translation>
    </message>
    <message>
        <source>スキンを開く</source>
        <translation>Open skin</translation>
    </message>
    <message>
        <source>Winamp スキン (*.wsz *.zip);;すべてのファイル (*)</source>
        <translation>Winamp skins (*.wsz *.zip);;All files (*)</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>内部エラーが発生しました: %1

プログラムを終了します。</source>
        <translation>An internal error occurred: %1

The program will now close.</translation>
    </message>
    <message>
        <source>内部エラーが発生しました: %1

プログラムを終了します。その前にプロジェクトを保存しますか？</source>
        <translation>An internal error occurred: %1

The program will now close. Save the project first?</translation>
    </message>
    <message>
        <source>保存しました: %1</source>
        <translation>Saved: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>（ほかに %1 件）</source>
        <translation>(%1 more)</translation>
    </message>
    <message>
        <source>合成方法(&amp;M)</source>
        <translation>&amp;Mix mode</translation>
    </message>
    <message>
        <source>Ctrl+O	画像を開く (Open picture)
Ctrl+Shift+O	プロジェクトを開く (Open project)
Ctrl+S	プロジェクト保存 (Save project)
Ctrl+B	スキン作成 (Build the skin)
Ctrl+Z	元に戻す (Undo)
Ctrl+Shift+Z, Ctrl+Y	やり直す (Redo)
F5	プレイヤーでの見え方 (Player view)
Ctrl+Q	終了 (Exit)</source>
        <translation>Ctrl+O	Open picture
Ctrl+Shift+O	Open project
Ctrl+S	Save project
Ctrl+B	Build the skin
Ctrl+Z	Undo
Ctrl+Shift+Z, Ctrl+Y	Redo
F5	Player view
Ctrl+Q	Exit</translation>
    </message>
    <message>
        <source>プロジェクトのフォルダ</source>
        <translation>Project folder</translation>
    </message>
    <message>
        <source>保存していない変更があります。終了する前にプロジェクトを保存しますか？</source>
        <translation>There are unsaved changes. Save the project before quitting?</translation>
    </message>
    <message>
        <source>スキンを作るには、先に「Main」ページの「PictureOpen」(Ctrl+O) で元になる画像を開いてください。</source>
        <translation>To build a skin, first open a base picture with &quot;PictureOpen&quot; (Ctrl+O) on the &quot;Main&quot; page.</translation>
    </message>
    <message>
        <source>保存しました: </source>
        <translation>Saved: </translation>
    </message>
    <message>
        <source>読みこめませんでした: </source>
        <translation>Could not load: </translation>
    </message>
    <message>
        <source>読みこみの問題 %1 件</source>
        <translation>%1 loading problem(s)</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U): %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>やり直す(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>やり直す(&amp;R): %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>画像を開く(&amp;O)...</source>
        <translation>&amp;Open picture...</translation>
    </message>
    <message>
        <source>プロジェクトを開く(&amp;R)...</source>
        <translation>Open p&amp;roject...</translation>
    </message>
    <message>
        <source>プロジェクトを保存(&amp;S)</source>
        <translation>&amp;Save project</translation>
    </message>
    <message>
        <source>スキンを開く(&amp;K)...</source>
        <translation>Open s&amp;kin...</translation>
    </message>
    <message>
        <source>最近使った画像(&amp;P)</source>
        <translation>Recent &amp;pictures</translation>
    </message>
    <message>
        <source>最近使ったプロジェクト(&amp;J)</source>
        <translation>Recent pro&amp;jects</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>キーボードショートカット(&amp;K)</source>
        <translation>&amp;Keyboard shortcuts</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
</context>
<context>
    <name>MainWindowPages</name>
    <message>
        <source>環境設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>レイヤー1</source>
        <translation>Layer 1</translation>
    </message>
    <message>
        <source>レイヤー2</source>
        <translation>Layer 2</translation>
    </message>
    <message>
        <source>プロジェクト保存</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>取りこみ</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>SorabePL互換１</source>
        <translation>SorabePL style 1</translation>
    </message>
    <message>
        <source>Sorabe互換２</source>
        <translation>Sorabe style 2</translation>
    </message>
    <message>
        <source>Sorabe互換３</source>
        <translation>Sorabe style 3</translation>
    </message>
    <message>
        <source>Cbuttonsを作る</source>
        <translation>Make Cbuttons</translation>
    </message>
    <message>
        <source>Shufrepを作る</source>
        <translation>Make Shufrep</translation>
    </message>
    <message>
        <source>%1  %2×%3
ダブルクリック: 画像を開く
右クリック: 貼りつけ／コピー</source>
        <translation>%1  %2×%3
Double-click: open a picture
Right-click: paste / copy</translation>
    </message>
    <message>
        <source>スキン作成</source>
        <translation>Build skin</translation>
    </message>
    <message>
        <source>いまの画像とパーツでスキンを作り、プレビューを出します (Ctrl+B)</source>
        <translation>Builds the skin from the current picture and parts and shows a preview (Ctrl+B)</translation>
    </message>
    <message>
        <source>先に「Main」ページの「PictureOpen」で元になる画像を開いてください</source>
        <translation>First open a base picture with &quot;PictureOpen&quot; on the &quot;Main&quot; page</translation>
    </message>
    <message>
        <source>スキンの元になる画像を開きます</source>
        <translation>Opens the picture the skin is based on</translation>
    </message>
    <message>
        <source>EQも出力</source>
        <translation>Also EQ</translation>
    </message>
    <message>
        <source>イコライザの画面に、イコライザのページの画像を使います (eqmain.bmp はどの画像からも作られます)</source>
        <translation>Uses the equalizer page&apos;s picture for the equalizer face (eqmain.bmp is made from every picture)</translation>
    </message>
    <message>
        <source>EQが下</source>
        <translation>EQ below</translation>
    </message>
    <message>
        <source>縦に重ねた画像で、下の段をイコライザとして使います</source>
        <translation>In a stacked picture, uses the lower part as the equalizer</translation>
    </message>
    <message>
        <source>Picture1: メイン画面の画像
ダブルクリック: 画像を開く
右クリック: 貼りつけ／コピー</source>
        <translation>Picture1: main window picture
Double-click: open a picture
Right-click: paste / copy</translation>
    </message>
    <message>
        <source>Picture2: 重ねた画像の二段目</source>
        <translation>Picture2: second part of a stacked picture</translation>
    </message>
    <message>
        <source>Picture3: レイヤーを重ねたメイン画面 (スキン作成のあと)</source>
        <translation>Picture3: main window with layers (after building the skin)</translation>
    </message>
    <message>
        <source>&lt;b&gt;はじめに:&lt;/b&gt; 「PictureOpen」を押して、スキンの元になる画像を開いてください。&lt;br&gt;275×116 (メイン画面)、275×232 (メイン＋イコライザ)、275×348 (メイン＋イコライザ＋プレイリスト) の画像が使えます。</source>
        <translation>&lt;b&gt;First:&lt;/b&gt; press &quot;PictureOpen&quot; and open the picture the skin is based on.&lt;br&gt;Pictures of 275×116 (main window), 275×232 (main + equalizer) and 275×348 (main + equalizer + playlist) can be used.</translation>
    </message>
    <message>
        <source>&lt;b&gt;次に:&lt;/b&gt; 各ページでパーツを選び、「色補正」で色を合わせてから、右の「スキン作成」(Ctrl+B) を押してください。プレビューで「Save」を押すとスキンが保存されます。%1&lt;br&gt;開いた画像: %2</source>
        <translation>&lt;b&gt;Next:&lt;/b&gt; choose parts on each page, match their colours with &quot;Colour correction&quot;, then press &quot;Build skin&quot; (Ctrl+B) on the right. Press &quot;Save&quot; in the preview to save the skin.%1&lt;br&gt;Opened picture: %2</translation>
    </message>
    <message>
        <source>&lt;br&gt;重ねた画像の下の段がイコライザなら「EQが下」をチェックしてください。</source>
        <translation>&lt;br&gt;If the lower part of the stacked picture is the equalizer, tick &quot;EQ below&quot;.</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>DataとMaskを別々に指定する</source>
        <translation>Separate Data and Mask</translation>
    </message>
    <message>
        <source>絵をダブルクリックすると画像ファイルを開きます。右クリックで貼りつけ／コピー。</source>
        <translation>Double-click a picture to open a picture file. Right-click to paste / copy.</translation>
    </message>
    <message>
        <source>保存する場所</source>
        <translation>Save location</translation>
    </message>
    <message>
        <source>画像のある場所に新しくフォルダを作りそこへ保存</source>
        <translation>Make a new folder where the picture is and save there</translation>
    </message>
    <message>
        <source>自分で設定した場所にフォルダを作りそこへ保存</source>
        <translation>Make a folder in a place I choose and save there</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>ドライブ</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>保存フォルダ名</source>
        <translation>Save folder name</translation>
    </message>
    <message>
        <source>読みこんだ画像ファイル名をフォルダ名にする</source>
        <translation>Name the folder after the opened picture file</translation>
    </message>
    <message>
        <source>保存フォルダ名を自分で指定する</source>
        <translation>Choose the save folder name myself</translation>
    </message>
    <message>
        <source>Zip圧縮して保存する</source>
        <translation>Save as a Zip archive</translation>
    </message>
    <message>
        <source>アーカイブを .wsz にする (外すと .zip)</source>
        <translation>Name the archive .wsz (unticked: .zip)</translation>
    </message>
    <message>
        <source>.wsz はプレイヤーがスキンとして開く名前です。中身は .zip と同じです</source>
        <translation>.wsz is the name players open as a skin. Its contents are the same as a .zip</translation>
    </message>
    <message>
        <source>すでにあるスキンを置きかえる前に確認する</source>
        <translation>Ask before replacing an existing skin</translation>
    </message>
    <message>
        <source>ASPを出力する</source>
        <translation>Output ASP</translation>
    </message>
    <message>
        <source>「%1」のページは、この版ではまだ使えません。
スキンはこのページの設定を既定のままにして作られます。</source>
        <translation>The &quot;%1&quot; page is not available in this version yet.
The skin is built with this page&apos;s default settings.</translation>
    </message>
    <message>
        <source>言語 (Language)</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>システムに合わせる</source>
        <translation>Same as the system</translation>
    </message>
    <message>
        <source>次に起動したときから切りかわります。</source>
        <translation>Takes effect the next time the program starts.</translation>
    </message>
    <message>
        <source>パーツ集のスタイルをスキン全体に使います: 全ページのパーツ、数字と文字の色、プレイリストの色、ビジュアライザの色</source>
        <translation>Uses a style of the parts library for the whole skin: the parts of every page, the colours of the digits and letters, the playlist colours and the visualisation colours</translation>
    </message>
    <message>
        <source>スタイル</source>
        <translation>Style</translation>
    </message>
</context>
<context>
    <name>MixModeWindow</name>
    <message>
        <source>Pelterra標準</source>
        <translation>Pelterra standard</translation>
    </message>
    <message>
        <source>世間の標準</source>
        <translation>Common standard</translation>
    </message>
    <message>
        <source>Pelterra標準: Maskの白い所にData、黒い所に背景を置きます。
灰色の所は色の値をビットごとに (背景 AND NOT Mask) OR (Mask AND Data) で混ぜます。
白黒のMaskでは境目がくっきりし、灰色のMaskでは思わぬ色が出ることがあります。</source>
        <translation>Pelterra standard: puts the Data where the Mask is white and the background where it is black.
In grey areas the colour values are mixed bit by bit: (background AND NOT Mask) OR (Mask AND Data).
A black-and-white Mask gives crisp edges; a grey Mask can give unexpected colours.</translation>
    </message>
    <message>
        <source>世間の標準: Maskの白い所にData、黒い所に背景を置きます。
灰色の所は、Maskの明るさの分だけ暗くした背景と、Maskの暗さの分だけ暗くしたDataを足します。
灰色のMaskで縁がなめらかに背景へ溶けこみます。</source>
        <translation>Common standard: puts the Data where the Mask is white and the background where it is black.
In grey areas it adds the background darkened by the Mask&apos;s brightness and the Data darkened by the Mask&apos;s darkness.
A grey Mask blends the edges smoothly into the background.</translation>
    </message>
    <message>
        <source>合成方法</source>
        <translation>Mix mode</translation>
    </message>
    <message>
        <source>すべてPelterra標準</source>
        <translation>All Pelterra standard</translation>
    </message>
    <message>
        <source>どの部品もPelterra標準で合成します

</source>
        <translation>Blends every part with the Pelterra standard

</translation>
    </message>
    <message>
        <source>すべて世間の標準</source>
        <translation>All common standard</translation>
    </message>
    <message>
        <source>どの部品も世間の標準で合成します

</source>
        <translation>Blends every part with the common standard

</translation>
    </message>
</context>
<context>
    <name>PageHelpers</name>
    <message>
        <source>チェックすると、選んだパーツをスキンに使います</source>
        <translation>Tick to use the chosen part in the skin</translation>
    </message>
    <message>
        <source>絵を拡大して見せます (スキンの絵は変わりません)</source>
        <translation>Shows the pictures enlarged (the skin&apos;s pictures do not change)</translation>
    </message>
    <message>
        <source>貼りつけ</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>色補正</source>
        <translation>Colour correction</translation>
    </message>
    <message>
        <source>部品の色の%1成分を増減します (0で元の色)</source>
        <translation>Raises or lowers the %1 component of the part&apos;s colours (0: the original colour)</translation>
    </message>
    <message>
        <source>チェックすると、Maskを下のMaskListから別に選べます。
外すと、Dataと同じ名前のMaskが自動で読みこまれます。</source>
        <translation>Tick to choose the Mask separately from the MaskList below.
Unticked, the Mask with the same name as the Data is loaded automatically.</translation>
    </message>
</context>
<context>
    <name>PartThumbnails</name>
    <message>
        <source>名前で絞りこむ</source>
        <translation>Filter by name</translation>
    </message>
    <message>
        <source>入力した文字を名前に含むパーツだけを一覧に出します</source>
        <translation>Lists only the parts whose names contain the text you type</translation>
    </message>
</context>
<context>
    <name>PlayerPane</name>
    <message>
        <source>見つからない・読めないもの: </source>
        <translation>Missing or unreadable: </translation>
    </message>
    <message>
        <source>プレイヤーでの見え方 (Player view)</source>
        <translation>Player view</translation>
    </message>
    <message>
        <source>どのウィンドウもシェードモードのバーで表示します</source>
        <translation>Shows every window as its shade mode bar</translation>
    </message>
    <message>
        <source>非アクティブ</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>フォーカスのないウィンドウのタイトルバーで表示します</source>
        <translation>Shows the title bars of windows without focus</translation>
    </message>
    <message>
        <source>押したボタン</source>
        <translation>Pressed buttons</translation>
    </message>
    <message>
        <source>ボタンとつまみを押したときの絵で表示します</source>
        <translation>Shows the pictures of pressed buttons and sliders</translation>
    </message>
    <message>
        <source>編集中のスキン</source>
        <translation>Skin being edited</translation>
    </message>
    <message>
        <source>開いたスキンではなく、編集中のスキンを表示します</source>
        <translation>Shows the skin being edited instead of the opened skin</translation>
    </message>
    <message>
        <source>「PictureOpen」で画像を開くと、ここにプレイヤーでの見え方が出ます。</source>
        <translation>Open a picture with &quot;PictureOpen&quot; and the player view appears here.</translation>
    </message>
</context>
<context>
    <name>PlaylistPages</name>
    <message>
        <source>左上</source>
        <translation>Top left</translation>
    </message>
    <message>
        <source>上の枠</source>
        <translation>Top frame</translation>
    </message>
    <message>
        <source>タイトルバー</source>
        <translation>Title bar</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Top right</translation>
    </message>
    <message>
        <source>左の枠</source>
        <translation>Left frame</translation>
    </message>
    <message>
        <source>右の枠</source>
        <translation>Right frame</translation>
    </message>
    <message>
        <source>ボタン</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>下の枠</source>
        <translation>Bottom frame</translation>
    </message>
    <message>
        <source>スペアナ</source>
        <translation>Visualizer</translation>
    </message>
    <message>
        <source>コントロール部分</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>左上 NotActive</source>
        <translation>Top left NotActive</translation>
    </message>
    <message>
        <source>上の枠 NotActive</source>
        <translation>Top frame NotActive</translation>
    </message>
    <message>
        <source>タイトルバー NotActive</source>
        <translation>Title bar NotActive</translation>
    </message>
    <message>
        <source>右上 NotActive</source>
        <translation>Top right NotActive</translation>
    </message>
    <message>
        <source>Shade 左端</source>
        <translation>Shade left end</translation>
    </message>
    <message>
        <source>Shade 真中</source>
        <translation>Shade middle</translation>
    </message>
    <message>
        <source>Shade 右端</source>
        <translation>Shade right end</translation>
    </message>
    <message>
        <source>スクロールバー</source>
        <translation>Scroll bar</translation>
    </message>
    <message>
        <source>押したとき１</source>
        <translation>Pressed 1</translation>
    </message>
    <message>
        <source>押したとき２</source>
        <translation>Pressed 2</translation>
    </message>
    <message>
        <source>押したとき３</source>
        <translation>Pressed 3</translation>
    </message>
    <message>
        <source>ActivePartsと同じ画像を出力</source>
        <translation>Same pictures as ActiveParts</translation>
    </message>
    <message>
        <source>元画像を出力</source>
        <translation>Original picture</translation>
    </message>
    <message>
        <source>白を透過</source>
        <translation>White is transparent</translation>
    </message>
    <message>
        <source>黒を透過</source>
        <translation>Black is transparent</translation>
    </message>
    <message>
        <source>マスクを使用</source>
        <translation>Use the mask</translation>
    </message>
    <message>
        <source>背景を切り出す</source>
        <translation>Cut out background</translation>
    </message>
    <message>
        <source>文字を切り出す</source>
        <translation>Cut out text</translation>
    </message>
    <message>
        <source>マスクを切り出す</source>
        <translation>Cut out mask</translation>
    </message>
    <message>
        <source>%1  %2×%3
ダブルクリック: 画像を開く</source>
        <translation>%1  %2×%3
Double-click: open a picture</translation>
    </message>
    <message>
        <source>倍率</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>PLを出力する</source>
        <translation>Output PL</translation>
    </message>
    <message>
        <source>スタイル</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>パーツ集のプレイリスト: 枠、タイトル、ボタンをまとめて切り出します</source>
        <translation>Playlist from parts: cuts out the frame, title and buttons together</translation>
    </message>
    <message>
        <source>元画像</source>
        <translation>Source picture</translation>
    </message>
    <message>
        <source>こっちを使う</source>
        <translation>Use this</translation>
    </message>
    <message>
        <source>開いたスキン画像から取った絵 (下) をプレイリストの元にします</source>
        <translation>Uses the picture taken from the opened skin picture (below) as the playlist source</translation>
    </message>
    <message>
        <source>これを使う</source>
        <translation>Use this</translation>
    </message>
    <message>
        <source>PictureOpenで別に開いた画像 (下) をプレイリストの元にします</source>
        <translation>Uses a picture opened separately with PictureOpen (below) as the playlist source</translation>
    </message>
    <message>
        <source>プレイリストの元にする画像ファイルを開きます</source>
        <translation>Opens the picture file for the playlist source</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ShadeModeパーツを出力する</source>
        <translation>Output ShadeMode parts</translation>
    </message>
    <message>
        <source>プレイリストを細く畳んだときの姿 (ShadeMode) の部品も出力します</source>
        <translation>Also outputs the parts of the playlist folded thin (ShadeMode)</translation>
    </message>
    <message>
        <source>NotActiveパーツを出力する</source>
        <translation>Output NotActive parts</translation>
    </message>
    <message>
        <source>窓が選ばれていないときの姿 (NotActive) の部品も出力します</source>
        <translation>Also outputs the parts of the window when it is not selected (NotActive)</translation>
    </message>
    <message>
        <source>パーツ (チェックした部分をパーツで置きかえます)</source>
        <translation>Parts (ticked areas are replaced by parts)</translation>
    </message>
    <message>
        <source>絵をダブルクリックすると画像ファイルを開きます。「Sorabe互換」のページで他の形式のシートから切り出すこともできます。</source>
        <translation>Double-click a picture to open a picture file. You can also cut them out of sheets of other layouts on the &quot;Sorabe style&quot; pages.</translation>
    </message>
    <message>
        <source>プレイリストのシート (375×174)</source>
        <translation>Playlist sheet (375×174)</translation>
    </message>
    <message>
        <source>シートの絵をダブルクリックして開き、ボタンで各パーツに切り出します。</source>
        <translation>Double-click the sheet picture to open one, then cut it into parts with the buttons.</translation>
    </message>
    <message>
        <source>切り出す</source>
        <translation>Cut out</translation>
    </message>
    <message>
        <source>小ボタン (19×59)</source>
        <translation>Small buttons (19×59)</translation>
    </message>
    <message>
        <source>ボタンのシート (252×72)</source>
        <translation>Button sheet (252×72)</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>文字２</source>
        <translation>Text 2</translation>
    </message>
    <message>
        <source>pledit.bmp のボタン部分 (280×75) も開けます。</source>
        <translation>The button area of pledit.bmp (280×75) can be opened too.</translation>
    </message>
    <message>
        <source>合成</source>
        <translation>Compose</translation>
    </message>
    <message>
        <source>上の背景に文字を重ねて、このボタン群の絵を作ります</source>
        <translation>Lays the text over the background above to make this button group&apos;s picture</translation>
    </message>
    <message>
        <source>上: 背景と文字、下: 合成したボタン。絵をダブルクリックすると画像ファイルを開きます。</source>
        <translation>Top: background and text; bottom: composed buttons. Double-click a picture to open a picture file.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>このデータでSaveしてもいいですか？</source>
        <translation>Save with this data?</translation>
    </message>
    <message>
        <source>データを保存する場所は下の場所です</source>
        <translation>The data will be saved in this location</translation>
    </message>
    <message>
        <source>%1 はもうあります。置きかえますか？
（「環境設定」の「すでにあるスキンを置きかえる前に確認する」で、この確認をやめられます）</source>
        <translation>%1 already exists. Replace it?
(You can turn this question off with &quot;Ask before replacing an existing skin&quot; under &quot;Settings&quot;)</translation>
    </message>
    <message>
        <source>このまま保存しますか？</source>
        <translation>Save it anyway?</translation>
    </message>
</context>
<context>
    <name>ProjectPage</name>
    <message>
        <source>保存しました: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>このフォルダにはプロジェクトのファイルがありません</source>
        <translation>This folder holds no project files</translation>
    </message>
    <message>
        <source>読みこみました: 画像 %1 枚%2</source>
        <translation>Loaded: %1 picture(s)%2</translation>
    </message>
    <message>
        <source>（見つからないファイル %1 個）</source>
        <translation>(%1 file(s) not found)</translation>
    </message>
    <message>
        <source>プロジェクト保存</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>プロジェクトのフォルダ</source>
        <translation>Project folder</translation>
    </message>
    <message>
        <source>上のフォルダの中に、この名前のフォルダを作って保存します</source>
        <translation>Saves into a folder of this name inside the folder above</translation>
    </message>
    <message>
        <source>プロジェクト読みこみ</source>
        <translation>Load project</translation>
    </message>
    <message>
        <source>上のフォルダをプロジェクトとして読みこみます</source>
        <translation>Loads the folder above as a project</translation>
    </message>
    <message>
        <source>ドライブ</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>プロジェクト名</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>保存: 選んだフォルダの中に「プロジェクト名」のフォルダを作り、画像と設定を書きこみます。
読みこみ: 選んだフォルダそのものをプロジェクトとして読みこみます。</source>
        <translation>Save: makes a folder named &quot;Project name&quot; in the chosen folder and writes the pictures and settings there.
Load: loads the chosen folder itself as a project.</translation>
    </message>
</context>
<context>
    <name>RegionPage</name>
    <message>
        <source>
（%1 個の輪郭が長すぎたため途中で切りました）</source>
        <translation>
(%1 outline(s) were too long and were cut short)</translation>
    </message>
    <message>
        <source>透明化する領域の色</source>
        <translation>Transparent colour</translation>
    </message>
    <message>
        <source>画像読みこみ</source>
        <translation>Open picture</translation>
    </message>
    <message>
        <source>275×116 (メイン画面) か 275×232 (メイン＋イコライザ) の画像を開きます</source>
        <translation>Opens a 275×116 (main window) or 275×232 (main + equalizer) picture</translation>
    </message>
    <message>
        <source>画像切り取り</source>
        <translation>Cut out</translation>
    </message>
    <message>
        <source>透明化する色の部分を切り取り、窓の形を作ります</source>
        <translation>Cuts away the parts in the transparent colour to make the window shape</translation>
    </message>
    <message>
        <source>Region.txtを出力する</source>
        <translation>Output Region.txt</translation>
    </message>
    <message>
        <source>EQが下</source>
        <translation>EQ below</translation>
    </message>
    <message>
        <source>縦に重ねた画像で、下の段をイコライザとして使います</source>
        <translation>In a stacked picture, uses the lower part as the equalizer</translation>
    </message>
    <message>
        <source>切り取りが上手く行かないときは、その画像を添えて
Pelterraのバグ報告 (プロジェクトの課題管理ページ) に
送ってください</source>
        <translation>If cutting out does not work well, send that picture
with a bug report to Pelterra
(the project&apos;s issue page)</translation>
    </message>
    <message>
        <source>画像の上を左クリックすると、その点の色が透明化する色になります。右クリックで貼りつけ／コピー。</source>
        <translation>Left-click the picture: the colour at that point becomes the transparent colour. Right-click to paste / copy.</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>切り取り結果</source>
        <translation>Cut-out result</translation>
    </message>
    <message>
        <source>RegionArea(0): メイン画面</source>
        <translation>RegionArea(0): main window</translation>
    </message>
    <message>
        <source>RegionArea(1): イコライザ</source>
        <translation>RegionArea(1): equalizer</translation>
    </message>
    <message>
        <source>RegionSource(%1): 切り取った輪郭 (赤)</source>
        <translation>RegionSource(%1): traced outlines (red)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>その場所に%1があります</source>
        <translation>%1 is in its place</translation>
    </message>
    <message>
        <source>設定ファイル %1 を使えません: %2
今回は最初の設定で始めます。ファイルを書きかえないよう、設定は保存しません。</source>
        <translation>The settings file %1 cannot be used: %2
The program starts with the default settings this time, and saves none so that the file is not written over.</translation>
    </message>
    <message>
        <source>書きこみが拒まれました</source>
        <translation>writing was refused</translation>
    </message>
    <message>
        <source>設定として読める内容ではありません</source>
        <translation>it does not hold settings the program can read</translation>
    </message>
    <message>
        <source>設定を %1 に保存できませんでした: %2
今回変えた設定は、次に起動したときには戻りません。</source>
        <translation>The settings could not be saved to %1: %2
The settings changed in this run will not be there at the next start.</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>フォームの初期化中</source>
        <translation>Initialising the window</translation>
    </message>
</context>
<context>
    <name>TextPages</name>
    <message>
        <source>普通の文字の色</source>
        <translation>Normal text colour</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>選択中の背景色</source>
        <translation>Selected background colour</translation>
    </message>
    <message>
        <source>再生中の曲の文字の色</source>
        <translation>Playing track text colour</translation>
    </message>
    <message>
        <source>通常の表示</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>選択中の表示</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>再生中の表示</source>
        <translation>Playing</translation>
    </message>
    <message>
        <source>再生中＆選択中の表示</source>
        <translation>Playing and selected</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>スペクトラムアナライザー</source>
        <translation>Spectrum analyser</translation>
    </message>
    <message>
        <source>オシロスコープ</source>
        <translation>Oscilloscope</translation>
    </message>
    <message>
        <source>ピーク表示</source>
        <translation>Peaks</translation>
    </message>
    <message>
        <source>補完</source>
        <translation>Fill in</translation>
    </message>
    <message>
        <source>最初と最後の色のあいだを順に埋めます</source>
        <translation>Fills in the colours between the first and the last in steps</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Font選択</source>
        <translation>Choose font</translation>
    </message>
    <message>
        <source>Pledit.txtを出力する</source>
        <translation>Output Pledit.txt</translation>
    </message>
    <message>
        <source>Font設定を出力しない（推奨）</source>
        <translation>Do not output the font setting (recommended)</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Font設定あり</source>
        <translation>With font setting</translation>
    </message>
    <message>
        <source>Font設定なし</source>
        <translation>Without font setting</translation>
    </message>
    <message>
        <source>透過比率（％）</source>
        <translation>Transparency (%)</translation>
    </message>
    <message>
        <source>スペアナの表示を有効にする</source>
        <translation>Enable the visualizer display</translation>
    </message>
    <message>
        <source>ピーク表示を有効にする</source>
        <translation>Enable peaks</translation>
    </message>
    <message>
        <source>レイン表示</source>
        <translation>Rain display</translation>
    </message>
    <message>
        <source>Maron.txtを出力する</source>
        <translation>Output Maron.txt</translation>
    </message>
    <message>
        <source>Viscolor.txtを出力する</source>
        <translation>Output Viscolor.txt</translation>
    </message>
    <message>
        <source>行ごとの色</source>
        <translation>Colour per row</translation>
    </message>
    <message>
        <source>色をつける</source>
        <translation>Colour it</translation>
    </message>
    <message>
        <source>Maskの形に行ごとの色を塗り、Dataにします</source>
        <translation>Paints the row colours in the Mask&apos;s shape and makes it the Data</translation>
    </message>
</context>
</TS>
