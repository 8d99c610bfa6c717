<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Brivel</name>
    <message>
        <source>ゼロによる除算が発生しました。</source>
        <translation>Division by zero occurred.</translation>
    </message>
    <message>
        <source>オーバーフローが発生しました。</source>
        <translation>Overflow occurred.</translation>
    </message>
    <message>
        <source>Ω</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>ＫΩ</source>
        <translation>kΩ</translation>
    </message>
    <message>
        <source>ＭΩ</source>
        <translation>MΩ</translation>
    </message>
    <message>
        <source>ＧΩ</source>
        <translation>GΩ</translation>
    </message>
    <message>
        <source>μＡ</source>
        <translation>µA</translation>
    </message>
    <message>
        <source>ｍＡ</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Ａ</source>
        <translation>A</translation>
    </message>
    <message>
        <source>ＫＡ</source>
        <translation>kA</translation>
    </message>
    <message>
        <source>μＶ</source>
        <translation>µV</translation>
    </message>
    <message>
        <source>ｍＶ</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>Ｖ</source>
        <translation>V</translation>
    </message>
    <message>
        <source>ＫＶ</source>
        <translation>kV</translation>
    </message>
    <message>
        <source>Ｈｚ</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>ＫＨｚ</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>ＭＨｚ</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Ｈ</source>
        <translation>H</translation>
    </message>
    <message>
        <source>ｍＨ</source>
        <translation>mH</translation>
    </message>
    <message>
        <source>μＨ</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>Ｆ</source>
        <translation>F</translation>
    </message>
    <message>
        <source>μＦ</source>
        <translation>µF</translation>
    </message>
    <message>
        <source>ＰＦ</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>起電力Ｅを０以外の値にして下さい。</source>
        <translation>Set the EMF E to a value other than 0.</translation>
    </message>
    <message>
        <source>（掃引範囲の端）</source>
        <translation> (at the end of the sweep range)</translation>
    </message>
    <message>
        <source>：掃引範囲にありません</source>
        <translation>: not in the sweep range</translation>
    </message>
    <message>
        <source>最大値</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>最小値</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>－3ｄＢ点</source>
        <translation>-3 dB point</translation>
    </message>
    <message>
        <source>位相0度点</source>
        <translation>0° phase point</translation>
    </message>
    <message>
        <source>長さのない線があります</source>
        <translation>A line has no length</translation>
    </message>
    <message>
        <source>線は水平か垂直に引いて下さい</source>
        <translation>Draw lines horizontally or vertically</translation>
    </message>
    <message>
        <source>電源がありません</source>
        <translation>There is no source</translation>
    </message>
    <message>
        <source>電源は１つだけにして下さい</source>
        <translation>Use only one source</translation>
    </message>
    <message>
        <source>枝路数は２～１５にして下さい</source>
        <translation>Use 2 to 15 branches</translation>
    </message>
    <message>
        <source>枝路番号は１から順に重複なく付けて下さい</source>
        <translation>Number the branches from 1 in order, without repeats</translation>
    </message>
    <message>
        <source>線が交差するか重なっています</source>
        <translation>Lines cross or overlap</translation>
    </message>
    <message>
        <source>枝路または電源の途中に線の端があります</source>
        <translation>A line ends in the middle of a branch or source</translation>
    </message>
    <message>
        <source>つながっていない部分があります</source>
        <translation>Part of the circuit is not connected</translation>
    </message>
    <message>
        <source>配線の輪で短絡された部分があります</source>
        <translation>Part of the circuit is shorted by a ring of wires</translation>
    </message>
    <message>
        <source>電源は外周の枝路に置いて下さい</source>
        <translation>Place the source on an outer branch</translation>
    </message>
    <message>
        <source>インピーダンスのないループがあります</source>
        <translation>A loop has no impedance</translation>
    </message>
    <message>
        <source>ループ数は２～５にして下さい</source>
        <translation>Use 2 to 5 loops</translation>
    </message>
    <message>
        <source>どこにもつながっていない配線の端は無視します</source>
        <translation>Wire ends connected to nothing are ignored</translation>
    </message>
    <message>
        <source>枝路 %1 には電流が流れません</source>
        <translation>No current flows in branch %1</translation>
    </message>
    <message>
        <source>枝路 %1 は配線で短絡されています</source>
        <translation>Branch %1 is shorted by wires</translation>
    </message>
    <message>
        <source>&#x3000;位置：</source>
        <translation> at </translation>
    </message>
    <message>
        <source>＋</source>
        <translation>+</translation>
    </message>
    <message>
        <source>－</source>
        <translation>-</translation>
    </message>
    <message>
        <source>計算出来ません</source>
        <translation>Cannot calculate</translation>
    </message>
    <message>
        <source>枝路電流がセットされていません：</source>
        <translation>Branch currents not set: </translation>
    </message>
    <message>
        <source>%1 の素子値が入力されていません。０Ωとして計算しますか？</source>
        <translation>No element values entered for %1. Calculate with 0 Ω?</translation>
    </message>
    <message>
        <source>%1 の素子値が入力されていません。０Ωとして計算します。</source>
        <translation>No element values entered for %1. Calculating with 0 Ω.</translation>
    </message>
    <message>
        <source>周波数が０の場合、コンデンサも０にして下さい。</source>
        <translation>When the frequency is 0, set the capacitors to 0 as well.</translation>
    </message>
    <message>
        <source>数値ではありません</source>
        <translation>Not a number</translation>
    </message>
    <message>
        <source>マトリクスの定義が枝路電流の定義と一致しません。</source>
        <translation>The matrix definitions do not agree with the branch current definitions.</translation>
    </message>
    <message>
        <source>&#x3000;入力：</source>
        <translation>  entered: </translation>
    </message>
    <message>
        <source>&#x3000;枝路電流から：</source>
        <translation>  from branch currents: </translation>
    </message>
    <message>
        <source>＝</source>
        <translation>=</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>枝路電流が定義されていない枝路があります：</source>
        <translation>Branches without a branch current definition: </translation>
    </message>
    <message>
        <source>ループ電流 %1 を含む枝路電流がありません。</source>
        <translation>No branch current contains loop current %1.</translation>
    </message>
    <message>
        <source>定義が回路図から求めた定義と一致しません。</source>
        <translation>The definitions do not agree with those derived from the circuit diagram.</translation>
    </message>
    <message>
        <source>&#x3000;回路図から：</source>
        <translation>  from circuit diagram: </translation>
    </message>
    <message>
        <source>ループ数</source>
        <translation>Loops</translation>
    </message>
    <message>
        <source>枝路数</source>
        <translation>Branches</translation>
    </message>
    <message>
        <source>未定義</source>
        <translation>undefined</translation>
    </message>
    <message>
        <source>回路図から定義を求められません：</source>
        <translation>Cannot derive the definitions from the circuit diagram: </translation>
    </message>
    <message>
        <source>回路図がありません</source>
        <translation>No circuit diagram</translation>
    </message>
    <message>
        <source>ファイルを読み込めません：</source>
        <translation>Cannot read the file: </translation>
    </message>
    <message>
        <source>（</source>
        <translation> (</translation>
    </message>
    <message>
        <source>）</source>
        <translation>)</translation>
    </message>
    <message>
        <source>ファイルを開けません</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>JSON の文書ではありません</source>
        <translation>Not a JSON document</translation>
    </message>
    <message>
        <source>Brivel の回路ファイルではありません</source>
        <translation>Not a Brivel circuit file</translation>
    </message>
    <message>
        <source>このプログラムより新しい版のファイルです</source>
        <translation>The file is from a newer version of this program</translation>
    </message>
    <message>
        <source>項目がないか、形式が違います</source>
        <translation>Missing item or wrong type</translation>
    </message>
    <message>
        <source>知らない項目です</source>
        <translation>Unknown item</translation>
    </message>
    <message>
        <source>数が範囲外です</source>
        <translation>Number out of range</translation>
    </message>
    <message>
        <source>知らない単位です</source>
        <translation>Unknown unit</translation>
    </message>
    <message>
        <source>単位を掛けると桁あふれします</source>
        <translation>Overflows when multiplied by the unit</translation>
    </message>
    <message>
        <source>式の形が違います</source>
        <translation>Malformed expression</translation>
    </message>
    <message>
        <source>回路にない枝路またはループです</source>
        <translation>Branch or loop not in the circuit</translation>
    </message>
    <message>
        <source>同じ項が二度あります</source>
        <translation>The same term appears twice</translation>
    </message>
    <message>
        <source>同じ項目が二度あります</source>
        <translation>The same item appears twice</translation>
    </message>
    <message>
        <source>%1 は %2 として書いて下さい</source>
        <translation>Write %1 as %2</translation>
    </message>
    <message>
        <source>%1 行 %2 列</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>回路ファイルにしては大きすぎます（1 MB まで）</source>
        <translation>Too large for a circuit file (1 MB at most)</translation>
    </message>
    <message>
        <source>整数ではありません</source>
        <translation>Not an integer</translation>
    </message>
    <message>
        <source>回路図の線が多すぎます（1000 本まで）</source>
        <translation>Too many lines in the circuit diagram (1000 at most)</translation>
    </message>
    <message>
        <source>回路図の枝路数と一致しません</source>
        <translation>Does not match the branch count of the circuit diagram</translation>
    </message>
    <message>
        <source>%1 の素子値と、%1 を含む定義が消去されます。よろしいですか？</source>
        <translation>The element values of %1 and the definitions containing %1 will be erased. Continue?</translation>
    </message>
    <message>
        <source>%1 を含む定義と、%2 が消去されます。よろしいですか？</source>
        <translation>%2 and the definitions containing %1 will be erased. Continue?</translation>
    </message>
    <message>
        <source>～</source>
        <translation> to </translation>
    </message>
    <message>
        <source>ファイルを保存出来ません：</source>
        <translation>Cannot save the file: </translation>
    </message>
    <message>
        <source>絶対値</source>
        <translation>Mag.</translation>
    </message>
    <message>
        <source>位相角</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>ＲＡＮＧＥ</source>
        <translation>RANGE</translation>
    </message>
    <message>
        <source>ＰＯＳＩＴＩＯＮ</source>
        <translation>POSITION</translation>
    </message>
    <message>
        <source>縦軸 80ｄＢ</source>
        <translation>Vert. 80dB</translation>
    </message>
    <message>
        <source>縦軸120ｄＢ</source>
        <translation>Vert. 120dB</translation>
    </message>
    <message>
        <source>横軸 40ｄＢ</source>
        <translation>Horiz. 40dB</translation>
    </message>
    <message>
        <source>横軸 80ｄＢ</source>
        <translation>Horiz. 80dB</translation>
    </message>
    <message>
        <source>入力インピーダンス</source>
        <translation>Input impedance</translation>
    </message>
    <message>
        <source>枝路電流</source>
        <translation>Branch current</translation>
    </message>
    <message>
        <source>枝路電圧</source>
        <translation>Branch voltage</translation>
    </message>
    <message>
        <source>グラフ保存</source>
        <translation>Keep graph</translation>
    </message>
    <message>
        <source>グラフ保存消去</source>
        <translation>Clear kept graph</translation>
    </message>
    <message>
        <source>グラフ印刷</source>
        <translation>Print graph</translation>
    </message>
    <message>
        <source>「Brivel」&#x3000;画面に戻る</source>
        <translation>Back to &quot;Brivel&quot;</translation>
    </message>
    <message>
        <source>回路定数を入力して下さい</source>
        <translation>Enter the circuit values</translation>
    </message>
    <message>
        <source>回路が変更されています。周波数特性で再描画して下さい。</source>
        <translation>The circuit has changed. Redraw with &quot;Freq. resp.&quot;</translation>
    </message>
    <message>
        <source>枝路電流がセットされていないため、曲線はありません</source>
        <translation>No curve: the branch current is not set</translation>
    </message>
    <message>
        <source> 度</source>
        <translation> deg</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>  </translation>
    </message>
    <message>
        <source>大きさのグラフ</source>
        <translation>Magnitude graph</translation>
    </message>
    <message>
        <source>位相のグラフ</source>
        <translation>Phase graph</translation>
    </message>
    <message>
        <source>大きさの目盛</source>
        <translation>Magnitude scale</translation>
    </message>
    <message>
        <source>位相の目盛</source>
        <translation>Phase scale</translation>
    </message>
    <message>
        <source>周波数の目盛</source>
        <translation>Frequency scale</translation>
    </message>
    <message>
        <source>大きさの表示位置を上へ</source>
        <translation>Move magnitude view up</translation>
    </message>
    <message>
        <source>大きさの表示位置を下へ</source>
        <translation>Move magnitude view down</translation>
    </message>
    <message>
        <source>周波数の表示位置を左へ</source>
        <translation>Move frequency view left</translation>
    </message>
    <message>
        <source>周波数の表示位置を右へ</source>
        <translation>Move frequency view right</translation>
    </message>
    <message>
        <source>位相の表示位置を上へ</source>
        <translation>Move phase view up</translation>
    </message>
    <message>
        <source>位相の表示位置を下へ</source>
        <translation>Move phase view down</translation>
    </message>
    <message>
        <source>%1の大きさ、周波数 %2～%3 Hz、%4～%5 %6</source>
        <translation>%1 magnitude, frequency %2 to %3 Hz, %4 to %5 %6</translation>
    </message>
    <message>
        <source>%1の位相、周波数 %2～%3 Hz、%4～%5 度</source>
        <translation>%1 phase, frequency %2 to %3 Hz, %4 to %5 degrees</translation>
    </message>
    <message>
        <source>／</source>
        <translation>/</translation>
    </message>
    <message>
        <source>自動調整</source>
        <translation>Auto fit</translation>
    </message>
    <message>
        <source>ＣＳＶで保存…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>入力インピーダンスの周波数特性</source>
        <translation>Frequency response of the input impedance</translation>
    </message>
    <message>
        <source>枝路電流の周波数特性</source>
        <translation>Frequency response of the branch currents</translation>
    </message>
    <message>
        <source>枝路電圧の周波数特性</source>
        <translation>Frequency response of the branch voltages</translation>
    </message>
    <message>
        <source>&#x3000;度</source>
        <translation> deg</translation>
    </message>
    <message>
        <source>&#x3000;Ω</source>
        <translation> Ω</translation>
    </message>
    <message>
        <source>&#x3000;ＫΩ</source>
        <translation> kΩ</translation>
    </message>
    <message>
        <source>&#x3000;ＭΩ</source>
        <translation> MΩ</translation>
    </message>
    <message>
        <source>&#x3000;ＧΩ</source>
        <translation> GΩ</translation>
    </message>
    <message>
        <source> Ａ</source>
        <translation> A</translation>
    </message>
    <message>
        <source> Ｖ</source>
        <translation> V</translation>
    </message>
    <message>
        <source>プリンタへの出力に失敗しました。ページは印刷されていません。</source>
        <translation>Output to the printer failed. The page has not been printed.</translation>
    </message>
    <message>
        <source>回路の周波数特性の印刷プレビューと印刷</source>
        <translation>Print preview and printing of the circuit&apos;s frequency response</translation>
    </message>
    <message>
        <source>余白サイズ</source>
        <translation>Margins</translation>
    </message>
    <message>
        <source>印刷されるページ</source>
        <translation>Page to be printed</translation>
    </message>
    <message>
        <source>用紙一枚に印刷される題名と二つのグラフを縮小した図。点線は余白の内側を示し、印刷されません。</source>
        <translation>The title and the two graphs as printed on one sheet, reduced. The dotted line marks the inside of the margins and is not printed.</translation>
    </message>
    <message>
        <source>を増やす</source>
        <translation>, increase</translation>
    </message>
    <message>
        <source>を減らす</source>
        <translation>, decrease</translation>
    </message>
    <message>
        <source>左余白［ｍｍ］</source>
        <translation>Left [mm]</translation>
    </message>
    <message>
        <source>右余白［ｍｍ］</source>
        <translation>Right [mm]</translation>
    </message>
    <message>
        <source>上余白［ｍｍ］</source>
        <translation>Top [mm]</translation>
    </message>
    <message>
        <source>下余白［ｍｍ］</source>
        <translation>Bottom [mm]</translation>
    </message>
    <message>
        <source>印刷プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>印刷の設定</source>
        <translation>Print setup</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>クリップボードへコピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>PDFファイルに印刷</source>
        <translation>Print to PDF file</translation>
    </message>
    <message>
        <source>ＰＤＦ／ＳＶＧで保存…</source>
        <translation>Save as PDF/SVG…</translation>
    </message>
    <message>
        <source>回路図</source>
        <translation>Circuit diagram</translation>
    </message>
    <message>
        <source>導線</source>
        <translation>Wire</translation>
    </message>
    <message>
        <source>枝路</source>
        <translation>Branch</translation>
    </message>
    <message>
        <source>電源</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>選択</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>番号を付け直す</source>
        <translation>Renumber</translation>
    </message>
    <message>
        <source>計算ページへ反映</source>
        <translation>Apply to calculation page</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>向きを反転</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>素子値…</source>
        <translation>Element values…</translation>
    </message>
    <message>
        <source>ＳＰＩＣＥネットリストの書き出し…</source>
        <translation>Export SPICE netlist…</translation>
    </message>
    <message>
        <source>回路.cir</source>
        <translation>circuit.cir</translation>
    </message>
    <message>
        <source>導線を引きます（W）。</source>
        <translation>Draw a wire (W).</translation>
    </message>
    <message>
        <source>枝路 Z を引きます（B）。番号は引いた順に付きます。</source>
        <translation>Draw a branch Z (B). Branches are numbered in the order drawn.</translation>
    </message>
    <message>
        <source>電源 E を引きます（E）。矢印が起電力の向きです。</source>
        <translation>Draw the source E (E). Its arrow is the direction of the EMF.</translation>
    </message>
    <message>
        <source>点から点へ行か列に沿ってドラッグします。キーボードでは矢印キーでカーソルを動かし、Space か Enter で始点と終点を決めます。Esc で取り消します。</source>
        <translation> Drag from point to point along a row or column. With the keyboard, move the cursor with the arrow keys and set the start and end with Space or Enter. Esc cancels.</translation>
    </message>
    <message>
        <source>選びます（S）。クリック、Ctrl＋クリック、範囲のドラッグ、またはカーソルの位置で Space。選んだものはドラッグか Ctrl＋矢印キーで動きます。枝路をダブルクリックするか Enter で素子値を入力します。</source>
        <translation>Select (S): click, Ctrl+click, drag over an area, or Space at the cursor. Move the selection by dragging or with Ctrl+arrow keys. Double-click a branch or press Enter to enter its element values.</translation>
    </message>
    <message>
        <source>クリックしたものを削除します（D）。Delete キーは選んだもの、なければカーソルの位置のものを削除します。</source>
        <translation>Delete what you click (D). The Delete key deletes the selection, or else what is at the cursor.</translation>
    </message>
    <message>
        <source>元に戻します（Ctrl＋Z）。</source>
        <translation>Undo (Ctrl+Z).</translation>
    </message>
    <message>
        <source>やり直します（Ctrl＋Y）。</source>
        <translation>Redo (Ctrl+Y).</translation>
    </message>
    <message>
        <source>枝路番号を上から、同じ高さでは左から順に付け直します（N）。</source>
        <translation>Renumber the branches from the top, and from the left at the same height (N).</translation>
    </message>
    <message>
        <source>選んだ枝路か電源の向きを反転します（R）。</source>
        <translation>Reverse the selected branch or source (R).</translation>
    </message>
    <message>
        <source>ループ数、枝路数、枝路電流とマトリクスの定義、素子値を計算ページへ反映します（Ctrl＋Enter）。</source>
        <translation>Apply the loop count, branch count, branch current and matrix definitions and element values to the calculation page (Ctrl+Enter).</translation>
    </message>
    <message>
        <source>拡大します（Ctrl＋＋、Ctrl＋ホイール）。</source>
        <translation>Zoom in (Ctrl++, Ctrl+wheel).</translation>
    </message>
    <message>
        <source>縮小します（Ctrl＋－、Ctrl＋ホイール）。</source>
        <translation>Zoom out (Ctrl+-, Ctrl+wheel).</translation>
    </message>
    <message>
        <source>導線、点%1から点%2へ</source>
        <translation>Wire, from %1 to %2</translation>
    </message>
    <message>
        <source>枝路 Z%1、点%2から点%3へ</source>
        <translation>Branch Z%1, from %2 to %3</translation>
    </message>
    <message>
        <source>電源 E、点%1から点%2へ</source>
        <translation>Source E, from %1 to %2</translation>
    </message>
    <message>
        <source>ループ電流 I%1：%2</source>
        <translation>Loop current I%1: %2</translation>
    </message>
    <message>
        <source>カーソル 点%1&#x3000;%2</source>
        <translation>Cursor at %1  %2</translation>
    </message>
    <message>
        <source>図の要素</source>
        <translation>Diagram items</translation>
    </message>
    <message>
        <source>回路図は線 1000 本、座標 ±200 までです</source>
        <translation>A circuit diagram holds at most 1000 lines and coordinates up to ±200</translation>
    </message>
    <message>
        <source>入力済みの定義を回路図から求めた定義で置き換えます。よろしいですか？</source>
        <translation>The entered definitions will be replaced by those derived from the circuit diagram. Continue?</translation>
    </message>
    <message>
        <source>Wexlar&#x3000;Ｖｅｒ．１．０</source>
        <translation>Wexlar Ver.1.0</translation>
    </message>
    <message>
        <source>周波数特性</source>
        <translation>Freq. resp.</translation>
    </message>
    <message>
        <source>＜&#x3000;インピーダンスマトリクスと網電流の電圧式の数値解&#x3000;＞</source>
        <translation>&lt;  Mesh equations solved by impedance matrix  &gt;</translation>
    </message>
    <message>
        <source>回路の状態</source>
        <translation>Circuit state</translation>
    </message>
    <message>
        <source>サンプル回路</source>
        <translation>Sample circuit</translation>
    </message>
    <message>
        <source>コマンド</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>自己インピーダンス，相互インピーダンスマトリクス</source>
        <translation>Self- and mutual impedance matrix</translation>
    </message>
    <message>
        <source>電源より見た回路の入力インピーダンス</source>
        <translation>Input impedance seen from the source</translation>
    </message>
    <message>
        <source>各枝路電圧</source>
        <translation>Branch voltages</translation>
    </message>
    <message>
        <source>起電力Ｅ＝</source>
        <translation>EMF E=</translation>
    </message>
    <message>
        <source>周波数&#x3000;f=</source>
        <translation>Freq. f=</translation>
    </message>
    <message>
        <source>各枝路のインピーダンス</source>
        <translation>Branch impedances</translation>
    </message>
    <message>
        <source>＋ｊ</source>
        <translation>+j</translation>
    </message>
    <message>
        <source>各枝路電流</source>
        <translation>Branch currents</translation>
    </message>
    <message>
        <source>位相角＝</source>
        <translation>Phase=</translation>
    </message>
    <message>
        <source>度</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>Ｚｉ＝</source>
        <translation>Zi=</translation>
    </message>
    <message>
        <source>Ｚ１～Ｚ５</source>
        <translation>Z1 to Z5</translation>
    </message>
    <message>
        <source>Ｚ６～Ｚ１０</source>
        <translation>Z6 to Z10</translation>
    </message>
    <message>
        <source>Ｚ１１～Ｚ１５</source>
        <translation>Z11 to Z15</translation>
    </message>
    <message>
        <source>Ｉ０１～Ｉ０５</source>
        <translation>I01 to I05</translation>
    </message>
    <message>
        <source>Ｉ０６～Ｉ１０</source>
        <translation>I06 to I10</translation>
    </message>
    <message>
        <source>Ｉ１１～Ｉ１５</source>
        <translation>I11 to I15</translation>
    </message>
    <message>
        <source>２</source>
        <translation>2</translation>
    </message>
    <message>
        <source>３</source>
        <translation>3</translation>
    </message>
    <message>
        <source>４</source>
        <translation>4</translation>
    </message>
    <message>
        <source>５</source>
        <translation>5</translation>
    </message>
    <message>
        <source>６</source>
        <translation>6</translation>
    </message>
    <message>
        <source>７</source>
        <translation>7</translation>
    </message>
    <message>
        <source>８</source>
        <translation>8</translation>
    </message>
    <message>
        <source>９</source>
        <translation>9</translation>
    </message>
    <message>
        <source>１０</source>
        <translation>10</translation>
    </message>
    <message>
        <source>１１</source>
        <translation>11</translation>
    </message>
    <message>
        <source>１２</source>
        <translation>12</translation>
    </message>
    <message>
        <source>１３</source>
        <translation>13</translation>
    </message>
    <message>
        <source>１４</source>
        <translation>14</translation>
    </message>
    <message>
        <source>１５</source>
        <translation>15</translation>
    </message>
    <message>
        <source>計算実行</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>ＲＬＣ素子値の入力</source>
        <translation>RLC element values</translation>
    </message>
    <message>
        <source>Ｒ＝</source>
        <translation>R=</translation>
    </message>
    <message>
        <source>Ｌ＝</source>
        <translation>L=</translation>
    </message>
    <message>
        <source>Ｃ＝</source>
        <translation>C=</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>マトリクスの要素の入力</source>
        <translation>Matrix element</translation>
    </message>
    <message>
        <source>次の項：</source>
        <translation>Next term: </translation>
    </message>
    <message>
        <source>Ｚ１</source>
        <translation>Z1</translation>
    </message>
    <message>
        <source>Ｚ２</source>
        <translation>Z2</translation>
    </message>
    <message>
        <source>Ｚ３</source>
        <translation>Z3</translation>
    </message>
    <message>
        <source>Ｚ４</source>
        <translation>Z4</translation>
    </message>
    <message>
        <source>Ｚ５</source>
        <translation>Z5</translation>
    </message>
    <message>
        <source>Ｚ６</source>
        <translation>Z6</translation>
    </message>
    <message>
        <source>Ｚ７</source>
        <translation>Z7</translation>
    </message>
    <message>
        <source>Ｚ８</source>
        <translation>Z8</translation>
    </message>
    <message>
        <source>Ｚ９</source>
        <translation>Z9</translation>
    </message>
    <message>
        <source>Ｚ１０</source>
        <translation>Z10</translation>
    </message>
    <message>
        <source>Ｚ１１</source>
        <translation>Z11</translation>
    </message>
    <message>
        <source>Ｚ１２</source>
        <translation>Z12</translation>
    </message>
    <message>
        <source>Ｚ１３</source>
        <translation>Z13</translation>
    </message>
    <message>
        <source>Ｚ１４</source>
        <translation>Z14</translation>
    </message>
    <message>
        <source>Ｚ１５</source>
        <translation>Z15</translation>
    </message>
    <message>
        <source>０</source>
        <translation>0</translation>
    </message>
    <message>
        <source>ループ電流から枝路電流を求める</source>
        <translation>Branch current from loop currents</translation>
    </message>
    <message>
        <source>Ｉ１</source>
        <translation>I1</translation>
    </message>
    <message>
        <source>Ｉ２</source>
        <translation>I2</translation>
    </message>
    <message>
        <source>Ｉ３</source>
        <translation>I3</translation>
    </message>
    <message>
        <source>Ｉ４</source>
        <translation>I4</translation>
    </message>
    <message>
        <source>Ｉ５</source>
        <translation>I5</translation>
    </message>
    <message>
        <source>数値を入力して下さい。</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <source>回路(&amp;C)</source>
        <translation>&amp;Circuit</translation>
    </message>
    <message>
        <source>枝路電流からマトリクスを作成(&amp;M)</source>
        <translation>&amp;Matrix from branch currents</translation>
    </message>
    <message>
        <source>回路図(&amp;D)…</source>
        <translation>Circuit &amp;diagram…</translation>
    </message>
    <message>
        <source>枝路電流に合わせる</source>
        <translation>Match branch currents</translation>
    </message>
    <message>
        <source>入力どおり計算</source>
        <translation>Calculate as entered</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Brivel 回路ファイル (*.brivel)</source>
        <translation>Brivel circuit files (*.brivel)</translation>
    </message>
    <message>
        <source>回路.brivel</source>
        <translation>circuit.brivel</translation>
    </message>
    <message>
        <source>回路が変更されています。保存しますか？</source>
        <translation>The circuit has changed. Save it?</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存しない</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>前回正常に終了しなかった回路を復元しますか？</source>
        <translation>Restore the circuit of the last session, which did not end normally?</translation>
    </message>
    <message>
        <source>
復元出来なかった回路のファイルは次の名前で残してあります：
%1</source>
        <translation>
The file of the circuit that could not be restored has been kept as:
%1</translation>
    </message>
    <message>
        <source>ファイルが他で変更されています。上書きしますか？</source>
        <translation>The file has been changed elsewhere. Overwrite it?</translation>
    </message>
    <message>
        <source>例を開く</source>
        <translation>Open example</translation>
    </message>
    <message>
        <source>起電力 E</source>
        <translation>EMF E</translation>
    </message>
    <message>
        <source>起電力 E の単位</source>
        <translation>EMF E unit</translation>
    </message>
    <message>
        <source>周波数 f</source>
        <translation>Frequency f</translation>
    </message>
    <message>
        <source>周波数 f の単位</source>
        <translation>Frequency f unit</translation>
    </message>
    <message>
        <source>サンプル回路の図</source>
        <translation>Sample circuit picture</translation>
    </message>
    <message>
        <source>左の網に電源 E と Z1、両方の網に共通の Z2、右の網に Z3。ループ電流 I1 と I2 はどちらも時計回り。</source>
        <translation>Source E and Z1 in the left mesh, Z2 shared by both meshes, Z3 in the right mesh. Loop currents I1 and I2 both run clockwise.</translation>
    </message>
    <message>
        <source>ページの切り替え</source>
        <translation>Page selection</translation>
    </message>
    <message>
        <source>枝路インピーダンスの枝路の組</source>
        <translation>Branch groups of the branch impedances</translation>
    </message>
    <message>
        <source>枝路電流の枝路の組</source>
        <translation>Branch groups of the branch currents</translation>
    </message>
    <message>
        <source>Z%1 の素子値の入力</source>
        <translation>Enter element values of Z%1</translation>
    </message>
    <message>
        <source>Z%1 の実部</source>
        <translation>Z%1 real part</translation>
    </message>
    <message>
        <source>Z%1 の虚部</source>
        <translation>Z%1 imaginary part</translation>
    </message>
    <message>
        <source>Z%1 の単位</source>
        <translation>Z%1 unit</translation>
    </message>
    <message>
        <source>枝路 %1 の電流の定義の入力</source>
        <translation>Enter current definition of branch %1</translation>
    </message>
    <message>
        <source>枝路 %1 の電流の定義</source>
        <translation>Current definition of branch %1</translation>
    </message>
    <message>
        <source>枝路 %1 の電流の大きさ</source>
        <translation>Current magnitude of branch %1</translation>
    </message>
    <message>
        <source>枝路 %1 の電流の単位</source>
        <translation>Current unit of branch %1</translation>
    </message>
    <message>
        <source>枝路 %1 の電流の位相</source>
        <translation>Current phase of branch %1</translation>
    </message>
    <message>
        <source>入力インピーダンスの大きさ</source>
        <translation>Input impedance magnitude</translation>
    </message>
    <message>
        <source>入力インピーダンスの単位</source>
        <translation>Input impedance unit</translation>
    </message>
    <message>
        <source>入力インピーダンスの位相</source>
        <translation>Input impedance phase</translation>
    </message>
    <message>
        <source>電圧を表示する枝路</source>
        <translation>Branch whose voltage is shown</translation>
    </message>
    <message>
        <source>枝路電圧の大きさ</source>
        <translation>Branch voltage magnitude</translation>
    </message>
    <message>
        <source>枝路電圧の単位</source>
        <translation>Branch voltage unit</translation>
    </message>
    <message>
        <source>枝路電圧の位相</source>
        <translation>Branch voltage phase</translation>
    </message>
    <message>
        <source>の抵抗 R</source>
        <translation>resistance R</translation>
    </message>
    <message>
        <source>のインダクタンス L</source>
        <translation>inductance L</translation>
    </message>
    <message>
        <source>の容量 C</source>
        <translation>capacitance C</translation>
    </message>
    <message>
        <source>の単位</source>
        <translation> unit</translation>
    </message>
    <message>
        <source>定義</source>
        <translation>Definition</translation>
    </message>
    <message>
        <source>次の項の符号</source>
        <translation>Sign of the next term</translation>
    </message>
    <message>
        <source>%1の入力欄</source>
        <translation>%1 entry</translation>
    </message>
    <message>
        <source>使い方の本文</source>
        <translation>Guide text</translation>
    </message>
    <message>
        <source>Brivel の使い方を説明する文書。リンクは Tab キーで選べます。</source>
        <translation>Document explaining how to use Brivel. Links can be selected with the Tab key.</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>使い方(&amp;U)</source>
        <translation>&amp;How to use</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Brivel の使い方</source>
        <translation>How to use Brivel</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Brivel</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Brivel %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;線形交流回路のループ解析&lt;/p&gt;&lt;p&gt;ライセンス：MIT&lt;/p&gt;&lt;p&gt;Qt %2&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Brivel %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Loop analysis of linear AC circuits&lt;/p&gt;&lt;p&gt;License: MIT&lt;/p&gt;&lt;p&gt;Qt %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>使い方：</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>FILE だけのとき（何もないときも）はウィンドウを開いて FILE の回路を読み込みます。ほかの使い方ではウィンドウを開かず、画面がなくても動きます。</source>
        <translation>With FILE alone (or nothing), opens the window and loads the circuit of FILE. The other forms open no window and work without a display.</translation>
    </message>
    <message>
        <source>FILE の回路を計算し、計算結果を表示単位で一行ずつ出力します。</source>
        <translation>Calculates the circuit of FILE and prints the results in display units, one per line.</translation>
    </message>
    <message>
        <source>--results の値を基本単位（Ω、Ａ、Ｖ、度）で、読み戻すと同じ値になる最短の数字で出力します。位相は複素数値の atan2 を倍精度と全桁の π で度に直した値です（--full がなければ画面と同じ小数 4 桁の位相）。</source>
        <translation>Prints the values of --results in base units (Ω, A, V, degrees) with the shortest digits that read back to the same value. The phase is the atan2 of the complex value, converted to degrees in double precision with π to all digits (without --full, the phase to 4 decimals as on screen).</translation>
    </message>
    <message>
        <source>FILE の回路のマトリクスの定義を枝路電流の定義と照合し、一致しない要素を出力します。回路図があれば、ループ数、枝路数、枝路電流とマトリクスの定義を回路図から求めた定義とも照合します。</source>
        <translation>Checks the matrix definitions of the circuit of FILE against its branch current definitions and prints the elements that disagree. If there is a circuit diagram, also checks the loop count, branch count, branch current and matrix definitions against those derived from the diagram.</translation>
    </message>
    <message>
        <source>FILE の回路図のループ（L1=+Z1+Z2）、枝路電流（I01=I1）とマトリクスの上三角（Z11=Z1+Z2）を一行ずつ出力します。</source>
        <translation>Prints the loops (L1=+Z1+Z2), branch currents (I01=I1) and upper triangle of the matrix (Z11=Z1+Z2) of the circuit diagram of FILE, one per line.</translation>
    </message>
    <message>
        <source>FILE の回路図の回路を ngspice のネットリストで出力します：周波数特性の 4 ディケードの AC 解析で、各枝路電流の絶対値と位相を表示します。</source>
        <translation>Prints the circuit of the circuit diagram of FILE as an ngspice netlist: an AC analysis over the 4 decades of the frequency response that prints the magnitude and phase of each branch current.</translation>
    </message>
    <message>
        <source>FILE の回路の周波数特性を CSV で出力します。</source>
        <translation>Prints the frequency response of the circuit of FILE as CSV.</translation>
    </message>
    <message>
        <source>FILE の回路の周波数特性をグラフの探索と同じく探し、見つけた点ごとに「周波数&lt;TAB&gt;絶対値&lt;TAB&gt;位相」（Hz、基本単位、度）を一行ずつ出力します。SEARCH：max 最大値、min 最小値、-3db －3ｄＢ点、phase0 掃引範囲のすべての位相0度点。</source>
        <translation>Searches the frequency response of the circuit of FILE as the graph&apos;s searches do and prints each point found as &quot;frequency&lt;TAB&gt;magnitude&lt;TAB&gt;phase&quot; (Hz, base units, degrees), one per line. SEARCH: max maximum, min minimum, -3db -3 dB point, phase0 every 0° phase point in the sweep range.</translation>
    </message>
    <message>
        <source>--sweep と --find の量：impedance、current、voltage（既定 impedance）。</source>
        <translation>Quantity of --sweep and --find: impedance, current, voltage (default impedance).</translation>
    </message>
    <message>
        <source>--find で current、voltage を探す枝路の番号（既定 1）。</source>
        <translation>Number of the branch whose current or voltage --find searches (default 1).</translation>
    </message>
    <message>
        <source>周波数特性の左端の周波数 [Hz]：0.01 … 100000 の 10 の累乗（既定 100）。</source>
        <translation>Frequency at the left end of the frequency response [Hz]: a power of 10 in 0.01 … 100000 (default 100).</translation>
    </message>
    <message>
        <source>周波数特性の幅：2 または 4 ディケード（既定 4）。</source>
        <translation>Width of the frequency response: 2 or 4 decades (default 4).</translation>
    </message>
    <message>
        <source>この説明を出力します。</source>
        <translation>Prints this help.</translation>
    </message>
    <message>
        <source>版を出力します。</source>
        <translation>Prints the version.</translation>
    </message>
    <message>
        <source>ウィンドウを開くときは Qt の標準オプション（-platform、-style、-session など）も使えます。</source>
        <translation>When opening the window, Qt&apos;s standard options (-platform, -style, -session etc.) can be used too.</translation>
    </message>
    <message>
        <source>引数が正しくありません：</source>
        <translation>Invalid arguments: </translation>
    </message>
    <message>
        <source>%1 が二度指定されています</source>
        <translation>%1 is given twice</translation>
    </message>
    <message>
        <source>標準出力に書き込めません。</source>
        <translation>Cannot write to standard output.</translation>
    </message>
    <message>
        <source>qrc:/guide/guide.html</source>
        <translation>qrc:/guide/guide_en.html</translation>
    </message>
    <message>
        <source>ウィンドウと出力の言語：en 英語、ja 日本語。ないときのウィンドウは最後に選んだ言語、ほかは日本語。</source>
        <translation>Language of the window and the output: en English, ja Japanese. Without it, the window uses the language last chosen, everything else Japanese.</translation>
    </message>
    <message>
        <source>ステップの値を入力して下さい。</source>
        <translation>Enter the step values.</translation>
    </message>
    <message>
        <source>「%1」は値として読めません（%2 文字目）。</source>
        <translation>&quot;%1&quot; cannot be read as a value (character %2).</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>--sweep で枝路 n の素子 R、L、C を値ごとに計算します（例 --step &quot;Z3.C=1u,2.2u,4.7u&quot;）。値は SI 接頭語付きの数値（4.7k、4k7、10n、1μ）をコンマか空白で区切ります。周波数の列のあと、値ごとに、その値の回路の --sweep と同じ列を、列名の前に「Z3.C=1u 」を付けて出力します。計算出来ない値の欄は空になり、その理由を標準エラーに出力します。</source>
        <translation>With --sweep, calculates element R, L or C of branch n for each value (e.g. --step &quot;Z3.C=1u,2.2u,4.7u&quot;). The values are numbers with SI prefixes (4.7k, 4k7, 10n, 1µ) separated by commas or spaces. After the frequency column, prints for each value the same columns as --sweep for the circuit with that value, with &quot;Z3.C=1u &quot; before the column names. The cells of a value that cannot be calculated stay empty, and the reason goes to standard error.</translation>
    </message>
    <message>
        <source>終了状態：0 成功。1 回路を計算できない（--step ではどれかの値で）、探した点がない、出力を書き込めない。2 ファイルを読み込めない、引数が正しくない、--check で枝路電流の定義が足りないか回路図から定義を求められない、--loops と --spice で回路図がないか定義を求められない。3 --check でマトリクスの定義か回路図から求めた定義が一致しない。</source>
        <translation>Exit status: 0 success. 1 the circuit cannot be calculated (with --step, for any of the values), no point was found, or the output cannot be written. 2 a file cannot be read, the arguments are wrong, with --check the branch current definitions are incomplete or the definitions cannot be derived from the circuit diagram, with --loops and --spice there is no circuit diagram or the definitions cannot be derived. 3 with --check the matrix definitions or the definitions derived from the circuit diagram disagree.</translation>
    </message>
    <message>
        <source>「%1」は枝路と素子（Z3.C など）として読めません（%2 文字目）。</source>
        <translation>&quot;%1&quot; cannot be read as a branch and element such as Z3.C (character %2).</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>素子値の調整(&amp;T)…</source>
        <translation>&amp;Tune element…</translation>
    </message>
    <message>
        <source>素子値の調整</source>
        <translation>Tune element</translation>
    </message>
    <message>
        <source>素子</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>範囲</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>値が０のときは範囲を入力して下さい。</source>
        <translation>For a value of 0, enter the range first.</translation>
    </message>
    <message>
        <source>ステップ</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>終了</source>
        <comment>last step value</comment>
        <translation>End</translation>
    </message>
    <message>
        <source>個数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>対数</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>線形</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>生成</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>描画</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>確定</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <comment>tuning revert</comment>
        <translation>Revert</translation>
    </message>
    <message>
        <source>範囲の両端は、同じ符号の０でない異なる値にして下さい。</source>
        <translation>Make the ends of the range two different non-zero values of the same sign.</translation>
    </message>
    <message>
        <source>描画できる値は %1 個までです。</source>
        <translation>At most %1 values can be drawn.</translation>
    </message>
    <message>
        <source>開始と終了から値を作れません。対数では同じ符号の０でない値にして下さい。</source>
        <translation>Cannot make values from Start and End. For Log, use non-zero values of the same sign.</translation>
    </message>
    <message>
        <source>K</source>
        <translation>k</translation>
    </message>
    <message>
        <source>保存したZi</source>
        <translation>Kept Zi</translation>
    </message>
    <message>
        <source>回路データと計算結果</source>
        <translation>Circuit data and results</translation>
    </message>
    <message>
        <source>ファイル：</source>
        <translation>File: </translation>
    </message>
    <message>
        <source>（保存されていない回路）</source>
        <translation>(unsaved circuit)</translation>
    </message>
    <message>
        <source>yyyy年M月d日</source>
        <translation>MMMM d, yyyy</translation>
    </message>
    <message>
        <source>素子値と枝路電流</source>
        <translation>Element values and branch currents</translation>
    </message>
    <message>
        <source>マトリクス</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>計算結果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>インピーダンス</source>
        <translation>Impedance</translation>
    </message>
    <message>
        <source>位相角（度）</source>
        <translation>Phase (deg)</translation>
    </message>
    <message>
        <source>（未入力）</source>
        <translation>(not entered)</translation>
    </message>
    <message>
        <source>（未定義）</source>
        <translation>(undefined)</translation>
    </message>
    <message>
        <source>回路データを印刷</source>
        <translation>Print circuit data</translation>
    </message>
    <message>
        <source>２ページ目を表示</source>
        <translation>Show page 2</translation>
    </message>
</context>
</TS>
