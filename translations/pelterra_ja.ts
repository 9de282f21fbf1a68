<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CoreMessage</name>
    <message>
        <source>%1 is not a control name (write NAME or NAME(INDEX))</source>
        <translation>%1 はコントロール名ではありません（NAME または NAME(INDEX) と書きます）</translation>
    </message>
    <message>
        <source>there is no control named %1</source>
        <translation>%1 という名前のコントロールはありません</translation>
    </message>
    <message>
        <source>%1 has no entry %2</source>
        <translation>%1 に %2 という項目はありません</translation>
    </message>
    <message>
        <source>%1 takes a whole number, not %2</source>
        <translation>%1 には整数を指定します（%2 は指定できません）</translation>
    </message>
    <message>
        <source>%1 cannot be %2: %3</source>
        <translation>%1 を %2 にはできません: %3</translation>
    </message>
    <message>
        <source>a check box is 0 (clear), 1 (checked) or 2 (greyed)</source>
        <translation>チェックボックスは 0（オフ）、1（オン）、2（灰色）のいずれかです</translation>
    </message>
    <message>
        <source>an option is set by selecting it (1); select another option to clear it</source>
        <translation>オプションは選ぶ（1）ことで設定します。解除するには別のオプションを選んでください</translation>
    </message>
    <message>
        <source>the range is %1 to %2</source>
        <translation>範囲は %1 ～ %2 です</translation>
    </message>
    <message>
        <source>the list has %1 entries (0 to %2)</source>
        <translation>リストの項目は %1 個です（0 ～ %2）</translation>
    </message>
    <message>
        <source>a colour is 0 to 16777215 (red + green*256 + blue*65536)</source>
        <translation>色は 0 ～ 16777215 です（赤 + 緑*256 + 青*65536）</translation>
    </message>
    <message>
        <source>there is no equalizer part position %1</source>
        <translation>イコライザーのパーツ位置 %1 はありません</translation>
    </message>
    <message>
        <source>the picture is empty: it has no pixels to import</source>
        <translation>画像が空です: 取り込む画素がありません</translation>
    </message>
    <message>
        <source>the picture is empty: it has nothing to put into %1</source>
        <translation>画像が空です: %1 に入れるものがありません</translation>
    </message>
    <message>
        <source>%1 is not a picture of the equalizer pages</source>
        <translation>%1 はイコライザーのページの画像ではありません</translation>
    </message>
    <message>
        <source>the clipboard holds no picture to paste</source>
        <translation>クリップボードに貼り付けられる画像がありません</translation>
    </message>
    <message>
        <source>the picture is not 275*116, 275*232 or 275*348 and there is no dialog to ask how to convert it</source>
        <translation>画像の大きさが 275*116、275*232、275*348 のどれでもなく、変換のしかたを尋ねるダイアログもありません</translation>
    </message>
    <message>
        <source>the picture-size dialog gave the answer %1, which is none of its four buttons (0 to 3)</source>
        <translation>画像サイズのダイアログが %1 と答えましたが、これは４つのボタン（0 ～ 3）のどれでもありません</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>同じ名前のフォルダーがあります</translation>
    </message>
    <message>
        <source>cannot look at the file: %1</source>
        <translation>ファイルを調べられません: %1</translation>
    </message>
    <message>
        <source>this is %1, not a regular file; it is left as it is: choose another name</source>
        <translation>これは%1で、通常のファイルではありません。そのままにしてあります: 別の名前を選んでください</translation>
    </message>
    <message>
        <source>cannot create a file in this folder: %1</source>
        <translation>このフォルダーにファイルを作れません: %1</translation>
    </message>
    <message>
        <source>writing the file failed: %1</source>
        <translation>ファイルの書き込みに失敗しました: %1</translation>
    </message>
    <message>
        <source>cannot put the file in place: %1</source>
        <translation>ファイルを置けません: %1</translation>
    </message>
    <message>
        <source>skin</source>
        <translation>スキン</translation>
    </message>
    <message>
        <source>project</source>
        <translation>プロジェクト</translation>
    </message>
    <message>
        <source>the %1 needs a folder name</source>
        <translation>%1にはフォルダー名が必要です</translation>
    </message>
    <message>
        <source>%1 is not a folder name</source>
        <translation>%1 はフォルダー名にできません</translation>
    </message>
    <message>
        <source>the %1 name %2 holds a path separator; give a plain folder name</source>
        <translation>%1の名前 %2 にパスの区切り文字が入っています。フォルダー名だけを指定してください</translation>
    </message>
    <message>
        <source>the %1 name holds a zero character</source>
        <translation>%1の名前にゼロ文字が入っています</translation>
    </message>
    <message>
        <source>the folder to save into does not exist</source>
        <translation>保存先のフォルダーがありません</translation>
    </message>
    <message>
        <source>cannot open the folder: %1</source>
        <translation>フォルダーを開けません: %1</translation>
    </message>
    <message>
        <source>this is %1, not a folder to save into</source>
        <translation>これは%1で、保存先のフォルダーではありません</translation>
    </message>
    <message>
        <source>this is %1, not a folder: it is left as it is; choose another name</source>
        <translation>これは%1で、フォルダーではありません。そのままにしてあります: 別の名前を選んでください</translation>
    </message>
    <message>
        <source>the path leaves the program&apos;s folder (&quot;..&quot; is not allowed)</source>
        <translation>パスがプログラムのフォルダーの外を指しています（&quot;..&quot; は使えません）</translation>
    </message>
    <message>
        <source>folder not found</source>
        <translation>フォルダーが見つかりません</translation>
    </message>
    <message>
        <source>file or folder not found</source>
        <translation>ファイルまたはフォルダーが見つかりません</translation>
    </message>
    <message>
        <source>folder &quot;%1&quot; not found</source>
        <translation>フォルダー &quot;%1&quot; が見つかりません</translation>
    </message>
    <message>
        <source>cannot read the folder: %1</source>
        <translation>フォルダーを読めません: %1</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>ファイル名が指定されていません</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセスが許可されていません</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名前が長すぎます</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>存在しません</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>パスの途中にフォルダーでないものがあります</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>ディスクが読み取り専用です</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the file is too large for this disk</source>
        <translation>このディスクには大きすぎるファイルです</translation>
    </message>
    <message>
        <source>the symbolic links lead round in a circle</source>
        <translation>シンボリックリンクが循環しています</translation>
    </message>
    <message>
        <source>something of that name is already there</source>
        <translation>同じ名前のものがすでにあります</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>フォルダーが空ではありません</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>開いているファイルが多すぎます</translation>
    </message>
    <message>
        <source>the disk could not be read or written (input/output error)</source>
        <translation>ディスクの読み書きができませんでした（入出力エラー）</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>シンボリックリンク</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>名前付きパイプ（FIFO）</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>something that is neither a file nor a folder</source>
        <translation>ファイルでもフォルダーでもないもの</translation>
    </message>
    <message>
        <source>cannot create the per-user folder of the work files: %1</source>
        <translation>作業ファイル用のユーザーごとのフォルダーを作れません: %1</translation>
    </message>
    <message>
        <source>not a picture this program can read (BMP, JPEG, GIF or PNG)</source>
        <translation>このプログラムで読める画像（BMP、JPEG、GIF、PNG）ではありません</translation>
    </message>
    <message>
        <source>the picture data is cut short or damaged</source>
        <translation>画像のデータが途中で切れているか、壊れています</translation>
    </message>
    <message>
        <source>%1 million</source>
        <translation>%1 百万</translation>
    </message>
    <message>
        <source>the picture is %1 × %2 pixels; at most %3 on a side and %4 pixels are accepted</source>
        <translation>画像が %1 × %2 ピクセルあります。読めるのは一辺 %3 まで、全体で %4 ピクセルまでです</translation>
    </message>
    <message>
        <source>the picture would be %1 × %2 pixels; at most %3 on a side and %4 pixels are made</source>
        <translation>画像は %1 × %2 ピクセルになります。作れるのは一辺 %3 まで、全体で %4 ピクセルまでです</translation>
    </message>
    <message>
        <source>the BMP has %1 bits per pixel; only 1, 4, 8, 16, 24 and 32 can be read</source>
        <translation>この BMP は 1 ピクセルあたり %1 ビットです。読めるのは 1、4、8、16、24、32 ビットだけです</translation>
    </message>
    <message>
        <source>the BMP is compressed in a way this program cannot read</source>
        <translation>この BMP はこのプログラムで読めない方式で圧縮されています</translation>
    </message>
    <message>
        <source>there is not enough memory to open the picture</source>
        <translation>画像を開くためのメモリーが足りません</translation>
    </message>
    <message>
        <source>the file is a symbolic link to something that does not exist</source>
        <translation>ファイルは存在しないものを指すシンボリックリンクです</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>the file does not exist (a part of its path is not a folder)</source>
        <translation>ファイルがありません（パスの途中にフォルダーでないものがあります）</translation>
    </message>
    <message>
        <source>the path runs round a loop of symbolic links</source>
        <translation>パスのシンボリックリンクが循環しています</translation>
    </message>
    <message>
        <source>there is no permission to open a folder on the way to the file</source>
        <translation>ファイルまでの途中のフォルダーを開く権限がありません</translation>
    </message>
    <message>
        <source>the path or one of its names is too long</source>
        <translation>パスかその中の名前が長すぎます</translation>
    </message>
    <message>
        <source>the file cannot be reached (%1)</source>
        <translation>ファイルにたどり着けません（%1）</translation>
    </message>
    <message>
        <source>there is no permission to read the file</source>
        <translation>ファイルを読む権限がありません</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1)</source>
        <translation>ファイルを開けません（%1）</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>this is a folder, not a picture file</source>
        <translation>これはフォルダーで、画像ファイルではありません</translation>
    </message>
    <message>
        <source>this is a special file (a pipe, device or socket), not a picture file</source>
        <translation>これは特殊なファイル（パイプ、デバイス、ソケット）で、画像ファイルではありません</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>ファイルを読めません（%1）</translation>
    </message>
    <message>
        <source>the file is %1 MB; picture files over %2 MB are not read</source>
        <translation>ファイルが %1 MB あります。%2 MB を超える画像ファイルは読みません</translation>
    </message>
    <message>
        <source>the file holds more than %1 MB; picture files over %1 MB are not read</source>
        <translation>ファイルが %1 MB を超えています。%1 MB を超える画像ファイルは読みません</translation>
    </message>
    <message>
        <source>there is no picture to save (it has no pixels)</source>
        <translation>保存する画像がありません（画素がありません）</translation>
    </message>
    <message>
        <source>the picture is too large for a BMP file</source>
        <translation>画像が大きすぎて BMP ファイルにできません</translation>
    </message>
    <message>
        <source>there is no folder to save into: open a picture or choose a save folder</source>
        <translation>保存先のフォルダーがありません: 画像を開くか、保存先のフォルダーを選んでください</translation>
    </message>
    <message>
        <source>the skin needs a folder or archive name</source>
        <translation>スキンにはフォルダー名かアーカイブ名が必要です</translation>
    </message>
    <message>
        <source>cannot tell where this is: %1</source>
        <translation>場所がわかりません: %1</translation>
    </message>
    <message>
        <source>this system cannot convert text to the Japanese code page CP932</source>
        <translation>このシステムでは文字を日本語のコードページ CP932 に変換できません</translation>
    </message>
    <message>
        <source>the text %1 holds a character the Japanese code page CP932 cannot write (at byte %2)</source>
        <translation>文字列 %1 に日本語のコードページ CP932 で書けない文字があります（%2 バイト目）</translation>
    </message>
    <message>
        <source>the text %1 could not be converted to CP932</source>
        <translation>文字列 %1 を CP932 に変換できませんでした</translation>
    </message>
    <message>
        <source>unknown archive error</source>
        <translation>不明なアーカイブのエラー</translation>
    </message>
    <message>
        <source>cannot add %1 (%2)</source>
        <translation>%1 を追加できません（%2）</translation>
    </message>
    <message>
        <source>cannot read the archive back from memory</source>
        <translation>メモリーからアーカイブを読み戻せません</translation>
    </message>
    <message>
        <source>there is no file to pack</source>
        <translation>圧縮するファイルがありません</translation>
    </message>
    <message>
        <source>cannot make the archive in memory (%1)</source>
        <translation>メモリー上にアーカイブを作れません（%1）</translation>
    </message>
    <message>
        <source>writing the archive failed (%1)</source>
        <translation>アーカイブの書き込みに失敗しました（%1）</translation>
    </message>
    <message>
        <source>there is no colour-shift group %1 (the groups are 0 to 9)</source>
        <translation>色変更のグループ %1 はありません（グループは 0 ～ 9 です）</translation>
    </message>
    <message>
        <source>entry %1 of %2 has no picture in the parts library</source>
        <translation>%2 の項目 %1 にはパーツライブラリーの画像がありません</translation>
    </message>
    <message>
        <source>the part file is missing (was it removed after start-up?)</source>
        <translation>パーツのファイルがありません（起動後に削除されましたか？）</translation>
    </message>
    <message>
        <source>there is no part list %1</source>
        <translation>パーツリスト %1 はありません</translation>
    </message>
    <message>
        <source>%1 is not a link box</source>
        <translation>%1 はリンクのチェックボックスではありません</translation>
    </message>
    <message>
        <source>the clipboard holds no picture to paste into %1</source>
        <translation>クリップボードに %1 へ貼り付けられる画像がありません</translation>
    </message>
    <message>
        <source>no part has been chosen from a list for %1 yet, so there is no picture to copy</source>
        <translation>%1 にはまだリストからパーツが選ばれていないので、コピーする画像がありません</translation>
    </message>
    <message>
        <source>line %1 holds no r,g,b colour: the default colour is drawn</source>
        <translation>%1 行目に r,g,b の色がありません: 既定の色で描きます</translation>
    </message>
    <message>
        <source>%1 is no #RRGGBB colour: the default is drawn</source>
        <translation>%1 は #RRGGBB の色ではありません: 既定の色で描きます</translation>
    </message>
    <message>
        <source>has no [Text] section: the default colours are drawn</source>
        <translation>[Text] セクションがありません: 既定の色で描きます</translation>
    </message>
    <message>
        <source>%1: the windows are drawn whole</source>
        <translation>%1: ウィンドウは切り抜かずに描きます</translation>
    </message>
    <message>
        <source>%1: drawn as a placeholder</source>
        <translation>%1: 仮の絵で描きます</translation>
    </message>
    <message>
        <source>missing: drawn as a placeholder</source>
        <translation>ありません: 仮の絵で描きます</translation>
    </message>
    <message>
        <source>missing: the default colours are drawn</source>
        <translation>ありません: 既定の色で描きます</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>the archive is %1; skin archives over %2 are not read</source>
        <translation>アーカイブが %1 あります。%2 を超えるスキンのアーカイブは読みません</translation>
    </message>
    <message>
        <source>this is not a ZIP archive (a skin archive is a .wsz or .zip file)</source>
        <translation>ZIP アーカイブではありません（スキンのアーカイブは .wsz か .zip のファイルです）</translation>
    </message>
    <message>
        <source>the archive is damaged or cut short (%1)</source>
        <translation>アーカイブが壊れているか、途中で切れています（%1）</translation>
    </message>
    <message>
        <source>the archive holds %1 entries; a skin has a few dozen, and more than %2 are not read</source>
        <translation>アーカイブに %1 個のエントリーがあります。スキンのエントリーは数十個で、%2 個を超えるものは読みません</translation>
    </message>
    <message>
        <source>entry %1 of the archive cannot be read</source>
        <translation>アーカイブの %1 番目のエントリーを読めません</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; points outside the archive (&quot;..&quot; or a leading slash): the archive is refused</source>
        <translation>エントリー &quot;%1&quot; がアーカイブの外を指しています（&quot;..&quot; または先頭のスラッシュ）: このアーカイブは読みません</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; unpacks to %2; skin files are far smaller, and none over %3 is read</source>
        <translation>エントリー &quot;%1&quot; は展開すると %2 になります。スキンのファイルはずっと小さく、%3 を超えるものは読みません</translation>
    </message>
    <message>
        <source>the archive unpacks to more than %1; a skin is far smaller, so it is not read</source>
        <translation>アーカイブは展開すると %1 を超えます。スキンはずっと小さいので、読みません</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; cannot be unpacked (%2)</source>
        <translation>エントリー &quot;%1&quot; を展開できません（%2）</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>途中で終わっています</translation>
    </message>
    <message>
        <source>the entry &quot;%1&quot; is damaged (%2)</source>
        <translation>エントリー &quot;%1&quot; が壊れています（%2）</translation>
    </message>
    <message>
        <source>there is no button group %1 (the groups are 0 to 4)</source>
        <translation>ボタンのグループ %1 はありません（グループは 0 ～ 4 です）</translation>
    </message>
    <message>
        <source>there is no cut-out command %1 (the commands are 0 to 37)</source>
        <translation>切り出しの命令 %1 はありません（命令は 0 ～ 37 です）</translation>
    </message>
    <message>
        <source>there is no playlist picture slot %1</source>
        <translation>プレイリストの画像の枠 %1 はありません</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>画像が空です</translation>
    </message>
    <message>
        <source>the file is neither UTF-8 nor Japanese CP932 (Shift-JIS) text (%1); none of it was applied</source>
        <translation>ファイルが UTF-8 でも日本語の CP932（Shift-JIS）のテキストでもありません（%1）。何も反映していません</translation>
    </message>
    <message>
        <source>the file is not UTF-8 (byte %1 is no UTF-8 character); it was read as Japanese CP932 (Shift-JIS) text</source>
        <translation>ファイルが UTF-8 ではありません（%1 バイト目が UTF-8 の文字ではありません）。日本語の CP932（Shift-JIS）のテキストとして読みました</translation>
    </message>
    <message>
        <source>the outline counts hold %1, and an outline cannot have fewer than 0 points</source>
        <translation>輪郭の点の数に %1 があります。輪郭の点の数は 0 より少なくできません</translation>
    </message>
    <message>
        <source>the outline points hold something that is not a whole number</source>
        <translation>輪郭の点に整数でないものがあります</translation>
    </message>
    <message>
        <source>the outline points end before the counts say they do (outline %1)</source>
        <translation>輪郭の点が、点の数より先に終わっています（%1 番目の輪郭）</translation>
    </message>
    <message>
        <source>the outline counts hold something that is not a whole number</source>
        <translation>輪郭の点の数に整数でないものがあります</translation>
    </message>
    <message>
        <source>the outline points go on after the last outline the counts describe</source>
        <translation>点の数が示す最後の輪郭のあとにも輪郭の点が続いています</translation>
    </message>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>the region picture is not 275*116 or 275*232 and there is no dialog to ask how to convert it</source>
        <translation>リージョン画像の大きさが 275*116 でも 275*232 でもなく、変換のしかたを尋ねるダイアログもありません</translation>
    </message>
    <message>
        <source>%1 3 keeps the picture areas as an earlier region picture left them, and there is none here: the trace would outline an empty window. Give %1 0 (stretch to one window) or %1 1 (two windows)</source>
        <translation>%1 3 は前のリージョン画像が残した画像の領域をそのまま使いますが、ここにはありません: 空のウィンドウの輪郭を取ることになります。%1 0（１つのウィンドウに引き伸ばす）か %1 1（２つのウィンドウ）を指定してください</translation>
    </message>
    <message>
        <source>%1 %2 is not a way to fit a region picture: give %1 0 (stretch to one window) or %1 1 (two windows)</source>
        <translation>%1 %2 はリージョン画像の合わせ方ではありません: %1 0（１つのウィンドウに引き伸ばす）か %1 1（２つのウィンドウ）を指定してください</translation>
    </message>
    <message>
        <source>the region picture is empty: it has no pixels to trace</source>
        <translation>リージョン画像が空です: 輪郭を取る画素がありません</translation>
    </message>
    <message>
        <source>%1: the key colour&apos;s %2 value %3 is not a whole number from 0 to 255</source>
        <translation>%1: 抜き色の%2の値 %3 が 0 ～ 255 の整数ではありません</translation>
    </message>
    <message>
        <source>no region picture was named</source>
        <translation>リージョン画像が指定されていません</translation>
    </message>
    <message>
        <source>the region picture is %1*%2, neither 275*116 nor 275*232: say how to fit it with %3 0 (stretch it to one window) or %3 1 (split it into two windows)</source>
        <translation>リージョン画像が %1*%2 で、275*116 でも 275*232 でもありません: 合わせ方を %3 0（１つのウィンドウに引き伸ばす）か %3 1（２つのウィンドウに分ける）で指定してください</translation>
    </message>
    <message>
        <source>no region picture has been traced, so there is no outline for region.txt: trace a region picture first, or uncheck &quot;Region.txtを出力する&quot; (RegionCheck)</source>
        <translation>リージョン画像の輪郭をまだ取っていないので、region.txt に書く輪郭がありません: 先にリージョン画像の輪郭を取るか、&quot;Region.txtを出力する&quot;（RegionCheck）のチェックを外してください</translation>
    </message>
    <message>
        <source>%1 is %2, but the last region trace found %3 outline(s) of the %4: trace the region picture again, or set the count to at most %3</source>
        <translation>%1 は %2 ですが、前回の輪郭取りで見つかった%4の輪郭は %3 個です: リージョン画像の輪郭を取り直すか、数を %3 以下にしてください</translation>
    </message>
    <message>
        <source>main window</source>
        <translation>メインウィンドウ</translation>
    </message>
    <message>
        <source>equalizer</source>
        <translation>イコライザー</translation>
    </message>
    <message>
        <source>cannot write region.txt: %1</source>
        <translation>region.txt を書き出せません: %1</translation>
    </message>
    <message>
        <source>region.txt line %1: %2</source>
        <translation>region.txt の %1 行目: %2</translation>
    </message>
    <message>
        <source>a value is not a whole number</source>
        <translation>整数でない値があります</translation>
    </message>
    <message>
        <source>section [%1] lacks its %2 line</source>
        <translation>セクション [%1] に %2 の行がありません</translation>
    </message>
    <message>
        <source>section [%1] has a negative point count</source>
        <translation>セクション [%1] の点の数が負の値です</translation>
    </message>
    <message>
        <source>section [%1] has an x without its y in PointList</source>
        <translation>セクション [%1] の PointList に、y のない x があります</translation>
    </message>
    <message>
        <source>section [%1] counts %2 points but lists %3</source>
        <translation>セクション [%1] の点の数は %2 ですが、並んでいる点は %3 個です</translation>
    </message>
    <message>
        <source>section [%1] appears twice</source>
        <translation>セクション [%1] が２回出てきます</translation>
    </message>
    <message>
        <source>a section name is written [Name]</source>
        <translation>セクション名は [Name] のように書きます</translation>
    </message>
    <message>
        <source>a line is a section name, NumPoints= or PointList=</source>
        <translation>行はセクション名、NumPoints=、PointList= のどれかです</translation>
    </message>
    <message>
        <source>values come before the first section name</source>
        <translation>最初のセクション名より前に値があります</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 が２回指定されています</translation>
    </message>
    <message>
        <source>region.txt holds no section</source>
        <translation>region.txt にセクションがありません</translation>
    </message>
    <message>
        <source>cannot write the region work file: %1</source>
        <translation>リージョンの作業ファイルを書き出せません: %1</translation>
    </message>
    <message>
        <source>the system file %1 cannot be read (%2); nothing was built</source>
        <translation>システムファイル %1 を読めません（%2）。何も作成していません</translation>
    </message>
    <message>
        <source>this system cannot read text in the Japanese code page CP932</source>
        <translation>このシステムでは日本語のコードページ CP932 の文字を読めません</translation>
    </message>
    <message>
        <source>the text ends inside a CP932 character</source>
        <translation>テキストが CP932 の文字の途中で終わっています</translation>
    </message>
    <message>
        <source>byte %1 is no CP932 character</source>
        <translation>%1 バイト目が CP932 の文字ではありません</translation>
    </message>
    <message>
        <source>cannot create the per-user folder for skins: %1</source>
        <translation>ユーザーごとのスキン用フォルダーを作れません: %1</translation>
    </message>
    <message>
        <source>it cannot be written to</source>
        <translation>書きこみできません</translation>
    </message>
    <message>
        <source>the skin lacks %1, which players need: Audacious refuses a skin without them and shows its own instead</source>
        <translation>このスキンには、プレーヤーに必要な %1 がありません。Audacious はこのスキンを読みこまず、自分のスキンを表示します</translation>
    </message>
    <message>
        <source>line %1 is not NAME=VALUE</source>
        <translation>%1 行目が「名前=値」の形ではありません</translation>
    </message>
    <message>
        <source>line %1: there is no style value %2</source>
        <translation>%1 行目: スタイルの値 %2 はありません</translation>
    </message>
    <message>
        <source>line %1: %2 is given twice</source>
        <translation>%1 行目: %2 が二度書かれています</translation>
    </message>
    <message>
        <source>line %1: %2 takes %3 colours, each written #RRGGBB</source>
        <translation>%1 行目: %2 には #RRGGBB の形の色を %3 個書きます</translation>
    </message>
    <message>
        <source>the style set gives no %1</source>
        <translation>スタイルの設定に %1 がありません</translation>
    </message>
    <message>
        <source>cannot keep this file in the new folder: %1</source>
        <translation>このファイルを新しいフォルダーに残せません: %1</translation>
    </message>
    <message>
        <source>this folder holds folders of its own, so it is not replaced: choose a folder for this alone</source>
        <translation>このフォルダーは中にフォルダーを持っているため置き換えません: これ専用のフォルダーを選んでください</translation>
    </message>
    <message>
        <source>Loading the %1 parts</source>
        <translation>現在%1パーツを読み込み中</translation>
    </message>
    <message>
        <source>cannot make the ZIP archive: %1</source>
        <translation>Zip圧縮失敗: %1</translation>
    </message>
    <message>
        <source>the archive is cut short or damaged: its table of contents is missing</source>
        <translation>アーカイブが途中で切れているか壊れています（末尾の目録がありません）</translation>
    </message>
    <message>
        <source>the archive is damaged: its table of contents does not match its entries</source>
        <translation>アーカイブが壊れています（目録と中のファイルが一致しません）</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>チェックサムが一致しません</translation>
    </message>
    <message>
        <source>its compressed data is broken</source>
        <translation>圧縮データが壊れています</translation>
    </message>
    <message>
        <source>its size does not match</source>
        <translation>大きさが一致しません</translation>
    </message>
    <message>
        <source>it holds more than the archive says</source>
        <translation>アーカイブに書かれた大きさより長く続いています</translation>
    </message>
    <message>
        <source>the folder holds %1 files of this name (%2); %3 is read</source>
        <translation>フォルダーにこの名前のファイルが %1 個あります（%2）。%3 を読み込みます</translation>
    </message>
    <message>
        <source>the archive holds %1 files of this name (%2); the last, %3, is read</source>
        <translation>アーカイブにこの名前のファイルが %1 個あります（%2）。最後の %3 を読み込みます</translation>
    </message>
    <message>
        <source>cannot be reached: %1</source>
        <translation>たどり着けません: %1</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>ファイルを開けません: %1</translation>
    </message>
    <message>
        <source>this is %1, not a file that can be read</source>
        <translation>これは%1で、読みこめるファイルではありません</translation>
    </message>
    <message>
        <source>reading the file failed: %1</source>
        <translation>ファイルの読み込みに失敗しました: %1</translation>
    </message>
    <message>
        <source>the project is incomplete, so nothing of it was loaded:</source>
        <translation>プロジェクトがそろっていないため、何も読みこんでいません:</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>the system file %1 is missing from the parts library; nothing was built</source>
        <translation>システムファイル %1 がパーツライブラリにありません。何も作成していません</translation>
    </message>
</context>
</TS>
