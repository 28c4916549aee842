<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CDataExchange</name>
    <message>
        <source>%1: enter a whole number from 0 to %2.</source>
        <translation>%1: 0から%2までの整数を入力してください。</translation>
    </message>
</context>
<context>
    <name>CEditMarks</name>
    <message>
        <source>edited</source>
        <translation>編集済み</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>Out of memory.</source>
        <translation>ﾒﾓﾘが不足しています。</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>ｱﾌﾟﾘｹｰｼｮﾝの内部ｴﾗｰです。</translation>
    </message>
    <message>
        <source>Your edits are not saved. Close the editor and discard them?</source>
        <translation>編集が保存されていません。エディターを閉じて編集を破棄しますか?</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>破棄(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Keep editing</source>
        <translation>編集を続ける(&amp;K)</translation>
    </message>
</context>
<context>
    <name>CFileNotices</name>
    <message>
        <source>1 field</source>
        <translation>1項目</translation>
    </message>
    <message>
        <source>%1 fields</source>
        <translation>%1項目</translation>
    </message>
    <message>
        <source>Saved %1 at %2: %3 written.</source>
        <translation>%2 に %1 を保存しました（%3を書き込み）。</translation>
    </message>
    <message>
        <source>%1 reloaded at %2.</source>
        <translation>%2 に %1 を読み込み直しました。</translation>
    </message>
    <message>
        <source>The game saved %1 at %2; values reloaded.</source>
        <translation>%2 にゲームが %1 にセーブしました。値を読み込み直しました。</translation>
    </message>
    <message>
        <source>An emulator is rewriting %1 again and again: it has the game running and will write over a Save. Close the game first, then Save.</source>
        <translation>エミュレーターが %1 を何度も書き直しています。ゲームが実行中なので、保存しても上書きされます。先にゲームを閉じてから Save してください。</translation>
    </message>
    <message>
        <source>1 edit</source>
        <translation>1 件の編集</translation>
    </message>
    <message>
        <source>%1 edits</source>
        <translation>%1 件の編集</translation>
    </message>
    <message>
        <source>%1 loaded at %2; it replaced %3 not saved. Undo puts them back.</source>
        <translation>%2 に %1 を読み込みました。保存していない %3 が置き換えられました。Undo で元に戻せます。</translation>
    </message>
    <message>
        <source>%1 put back, as edits; nothing was written.</source>
        <translation>%1 を編集として戻しました。ファイルには何も書き込んでいません。</translation>
    </message>
    <message>
        <source>The game saved %1 at %2. Fields you did not edit show its values; your edits are kept: Save applies them to the newer save, Reload drops them.</source>
        <translation>%2 にゲームが %1 にセーブしました。編集していない項目にはその値を表示しています。編集内容はそのままです。Save で新しいセーブに反映し、Reload で破棄します。</translation>
    </message>
    <message>
        <source>%1 no longer holds values you saved (seen at %2): the emulator wrote its own copy back, or the game moved on from them. Your values are still here, marked as edits; Save writes them again once the game is closed in the emulator.</source>
        <translation>%1 には、保存した値がもうありません（%2 に確認）。エミュレーターが自分の持つ内容を書き戻したか、ゲームがその値から進みました。あなたの値は編集として画面に残っています。エミュレーターでゲームを閉じてから Save すると、もう一度書き込みます。</translation>
    </message>
</context>
<context>
    <name>CLevelMapAccessible</name>
    <message>
        <source>Level map, no level shown</source>
        <translation>レベルマップ、表示中のレベルなし</translation>
    </message>
    <message>
        <source>Level map, level %1</source>
        <translation>レベルマップ、レベル %1</translation>
    </message>
    <message>
        <source>%1, party at column %2, row %3</source>
        <translation>%1、パーティーは %2 列 %3 行</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>%1 列</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>%1 列 %2 行</translation>
    </message>
    <message>
        <source>, open</source>
        <translation>、通路</translation>
    </message>
    <message>
        <source>, wall</source>
        <translation>、壁</translation>
    </message>
    <message>
        <source>, party</source>
        <translation>、パーティー</translation>
    </message>
</context>
<context>
    <name>CSaveFileDialog</name>
    <message>
        <source>SRM files (*.srm)</source>
        <translation>SRM ファイル (*.srm)</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
</context>
<context>
    <name>CSaveSession</name>
    <message>
        <source>&apos;%1&apos; changed on disk after it was loaded (a running game may have saved to it).

Apply my edits writes only the fields you changed into the file as it is now; everything else stays as the game saved it. Reload shows the newer file and drops your edits.</source>
        <translation>&apos;%1&apos; は読み込んだ後にディスク上で変更されました（実行中のゲームがセーブした可能性があります）。

「編集を反映」は、変更した項目だけを今のファイルに書き込みます。それ以外はゲームがセーブしたままです。「読み込み直す」は新しいファイルを表示し、編集内容を破棄します。</translation>
    </message>
    <message>
        <source>The game also changed fields that you edited; applying keeps yours:</source>
        <translation>編集した項目のうち、ゲームも変更したものがあります。反映するとあなたの値が残ります:</translation>
    </message>
    <message>
        <source>%1: game %2, yours %3</source>
        <translation>%1: ゲームの値 %2、あなたの値 %3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか%1項目</translation>
    </message>
    <message>
        <source>The values on screen were loaded from &apos;%1&apos;. Write them into &apos;%2&apos;?</source>
        <translation>画面の値は &apos;%1&apos; から読み込んだものです。&apos;%2&apos; に書き込みますか？</translation>
    </message>
    <message>
        <source>Load a save file before saving.</source>
        <translation>保存する前にセーブファイルを読み込んでください。</translation>
    </message>
    <message>
        <source>Cannot load &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; を読み込めません: %2</translation>
    </message>
    <message>
        <source>Cannot save &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; に保存できません: %2</translation>
    </message>
    <message>
        <source>Invalid &apos;DM SFX SAVE DATA&apos;</source>
        <translation>Invalid &apos;DM SFX SAVE DATA&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is compressed by the emulator&apos;s save file compression. Turn that setting off, let the game save again, and load the new file.</source>
        <translation>&apos;%1&apos; はエミュレーターのセーブファイル圧縮で圧縮されています。その設定をオフにしてゲームでもう一度セーブし、新しいファイルを読み込んでください。</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file did not read back what was written</source>
        <translation>書き込んだ内容がファイルから読み戻せませんでした</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>読み込み中にファイルが変更されました</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>&amp;Apply my edits</source>
        <translation>編集を反映(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>読み込み直す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>書き込む(&amp;W)</translation>
    </message>
    <message>
        <source>the file is in use by another program</source>
        <translation>ほかのプログラムがファイルを使用中です</translation>
    </message>
    <message>
        <source>the disk took only part of what was written</source>
        <translation>書き込んだ内容の一部しかディスクに書き込めませんでした</translation>
    </message>
    <message>
        <source>Choose a save file first: type its path or press Browse.</source>
        <translation>先にセーブファイルを選んでください。パスを入力するか、Browse を押してください。</translation>
    </message>
    <message>
        <source>The file no longer holds values you saved; applying writes them again:</source>
        <translation>ファイルには、保存した値がもうありません。反映するともう一度書き込みます：</translation>
    </message>
    <message>
        <source>%1: you saved %2, the file holds %3 now</source>
        <translation>%1：保存した値 %2、現在のファイルの値 %3</translation>
    </message>
    <message>
        <source>another program replaced the file while it was saved, so the new file does not hold the values; save again</source>
        <translation>保存中に別のプログラムがファイルを置き換えたため、新しいファイルには値が入っていません。もう一度保存してください</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Edits the party and the champions of a Super Famicom Dungeon Master save file (.srm).</source>
        <translation>スーパーファミコン版ダンジョンマスターのセーブファイル (.srm) のパーティーとチャンピオンを編集します。</translation>
    </message>
    <message>
        <source>The save file to load at start.</source>
        <translation>起動時に読み込むセーブファイル。</translation>
    </message>
    <message>
        <source>More than one save file given (%1); the editor opens one at a time. Start it once for each save.</source>
        <translation>複数のセーブファイルが指定されました（%1）。このエディターが一度に開くセーブは 1 つです。セーブごとに起動してください。</translation>
    </message>
</context>
<context>
    <name>DialogLayout</name>
    <message>
        <source>East</source>
        <translation>East</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>South</source>
        <translation>South</translation>
    </message>
    <message>
        <source>North</source>
        <translation>North</translation>
    </message>
    <message>
        <source>SRM &amp;file:</source>
        <translation>SRM &amp;file:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Browse</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source># &amp;Players:</source>
        <translation># &amp;Players:</translation>
    </message>
    <message>
        <source>&amp;x:</source>
        <translation>&amp;x:</translation>
    </message>
    <message>
        <source>&amp;y:</source>
        <translation>&amp;y:</translation>
    </message>
    <message>
        <source>&amp;Dir:</source>
        <translation>&amp;Dir:</translation>
    </message>
    <message>
        <source>Le&amp;vel:</source>
        <translation>Le&amp;vel:</translation>
    </message>
    <message>
        <source>&amp;HP: (Cur/Max)</source>
        <translation>&amp;HP: (Cur/Max)</translation>
    </message>
    <message>
        <source>St&amp;amina: (x10)</source>
        <translation>St&amp;amina: (x10)</translation>
    </message>
    <message>
        <source>Ma&amp;na:</source>
        <translation>Ma&amp;na:</translation>
    </message>
    <message>
        <source>Food Stat&amp;us:</source>
        <translation>Food Stat&amp;us:</translation>
    </message>
    <message>
        <source>&amp;Water Status:</source>
        <translation>&amp;Water Status:</translation>
    </message>
    <message>
        <source>Stren&amp;gth: (Cur/Max)</source>
        <translation>Stren&amp;gth: (Cur/Max)</translation>
    </message>
    <message>
        <source>D&amp;exterity:</source>
        <translation>D&amp;exterity:</translation>
    </message>
    <message>
        <source>W&amp;isdom:</source>
        <translation>W&amp;isdom:</translation>
    </message>
    <message>
        <source>Vi&amp;tality:</source>
        <translation>Vi&amp;tality:</translation>
    </message>
    <message>
        <source>Anti-magi&amp;c:</source>
        <translation>Anti-magi&amp;c:</translation>
    </message>
    <message>
        <source>Anti-fi&amp;re:</source>
        <translation>Anti-fi&amp;re:</translation>
    </message>
    <message>
        <source>FIGHTER:</source>
        <translation>FIGHTER:</translation>
    </message>
    <message>
        <source>NIN&amp;JA:</source>
        <translation>NIN&amp;JA:</translation>
    </message>
    <message>
        <source>PRIEST:</source>
        <translation>PRIEST:</translation>
    </message>
    <message>
        <source>WI&amp;ZARD:</source>
        <translation>WI&amp;ZARD:</translation>
    </message>
    <message>
        <source>&amp;Map:</source>
        <translation>&amp;Map:</translation>
    </message>
    <message>
        <source>Rel&amp;oad</source>
        <translation>Rel&amp;oad</translation>
    </message>
    <message>
        <source>Player &amp;1</source>
        <translation>Player &amp;1</translation>
    </message>
    <message>
        <source>Player &amp;2</source>
        <translation>Player &amp;2</translation>
    </message>
    <message>
        <source>Player &amp;3</source>
        <translation>Player &amp;3</translation>
    </message>
    <message>
        <source>Player &amp;4</source>
        <translation>Player &amp;4</translation>
    </message>
    <message>
        <source>EDITING DUNGEON MASTER&apos;s SRM DATA</source>
        <translation>EDITING DUNGEON MASTER&apos;s SRM DATA</translation>
    </message>
    <message>
        <source>Use the game&apos;s values</source>
        <translation>Use the game&apos;s values</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
</context>
<context>
    <name>FormField</name>
    <message>
        <source>Anti-fire current</source>
        <translation>Anti-fire current</translation>
    </message>
    <message>
        <source>Anti-fire maximum</source>
        <translation>Anti-fire maximum</translation>
    </message>
    <message>
        <source>Anti-magic current</source>
        <translation>Anti-magic current</translation>
    </message>
    <message>
        <source>Anti-magic maximum</source>
        <translation>Anti-magic maximum</translation>
    </message>
    <message>
        <source>Dexterity current</source>
        <translation>Dexterity current</translation>
    </message>
    <message>
        <source>Dexterity maximum</source>
        <translation>Dexterity maximum</translation>
    </message>
    <message>
        <source>HP current</source>
        <translation>HP current</translation>
    </message>
    <message>
        <source>HP maximum</source>
        <translation>HP maximum</translation>
    </message>
    <message>
        <source>Mana current</source>
        <translation>Mana current</translation>
    </message>
    <message>
        <source>Mana maximum</source>
        <translation>Mana maximum</translation>
    </message>
    <message>
        <source>SRM file</source>
        <translation>SRM file</translation>
    </message>
    <message>
        <source>Stamina current</source>
        <translation>Stamina current</translation>
    </message>
    <message>
        <source>Stamina maximum</source>
        <translation>Stamina maximum</translation>
    </message>
    <message>
        <source>Strength current</source>
        <translation>Strength current</translation>
    </message>
    <message>
        <source>Strength maximum</source>
        <translation>Strength maximum</translation>
    </message>
    <message>
        <source>Vitality current</source>
        <translation>Vitality current</translation>
    </message>
    <message>
        <source>Vitality maximum</source>
        <translation>Vitality maximum</translation>
    </message>
    <message>
        <source>Food Status</source>
        <translation>Food Status</translation>
    </message>
    <message>
        <source>Water Status</source>
        <translation>Water Status</translation>
    </message>
    <message>
        <source>Wisdom current</source>
        <translation>Wisdom current</translation>
    </message>
    <message>
        <source>Wisdom maximum</source>
        <translation>Wisdom maximum</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>FIGHTER experience</source>
        <translation>FIGHTER experience</translation>
    </message>
    <message>
        <source>NINJA experience</source>
        <translation>NINJA experience</translation>
    </message>
    <message>
        <source>PRIEST experience</source>
        <translation>PRIEST experience</translation>
    </message>
    <message>
        <source>WIZARD experience</source>
        <translation>WIZARD experience</translation>
    </message>
    <message>
        <source># Players</source>
        <translation># Players</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Dir</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>%1, Player %2</source>
        <translation>%1, Player %2</translation>
    </message>
</context>
<context>
    <name>RankTable</name>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Neophyte</source>
        <translation>Neophyte</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Apprentice</source>
        <translation>Apprentice</translation>
    </message>
    <message>
        <source>Journeyman</source>
        <translation>Journeyman</translation>
    </message>
    <message>
        <source>Craftsman</source>
        <translation>Craftsman</translation>
    </message>
    <message>
        <source>Artisan</source>
        <translation>Artisan</translation>
    </message>
    <message>
        <source>Adept</source>
        <translation>Adept</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>LO Master</source>
        <translation>LO Master</translation>
    </message>
    <message>
        <source>UM Master</source>
        <translation>UM Master</translation>
    </message>
    <message>
        <source>ON Master</source>
        <translation>ON Master</translation>
    </message>
    <message>
        <source>EE Master</source>
        <translation>EE Master</translation>
    </message>
    <message>
        <source>PAL Master</source>
        <translation>PAL Master</translation>
    </message>
    <message>
        <source>MON Master</source>
        <translation>MON Master</translation>
    </message>
    <message>
        <source>Archmaster</source>
        <translation>Archmaster</translation>
    </message>
</context>
</TS>
