<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The English of the window's texts: one message a line, the Japanese as the game
     shows it and its English. Numbers in a text stand as %1, %2 ...; squares and the
     joints of two texts are handled by the window (src/qt/english.h); a line break is
     written &#10;. Built into the program as bexoru_en.qm (src/qt/CMakeLists.txt). -->
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
<name>Bexoru</name>
<!-- menu -->
<message><source>対局</source><translation>Game</translation></message>
<message><source>対局(人間)</source><translation>Game (person)</translation></message>
<message><source>スタート</source><translation>Start</translation></message>
<message><source>対局(COM)</source><translation>Game (computer)</translation></message>
<message><source>先手</source><translation>Black</translation></message>
<message><source>後手</source><translation>White</translation></message>
<message><source>COM対局ﾚﾍﾞﾙ</source><translation>Computer level</translation></message>
<message><source>終わり</source><translation>End</translation></message>
<message><source>局面</source><translation>Position</translation></message>
<message><source>最初</source><translation>Reset</translation></message>
<message><source>反転</source><translation>Flip</translation></message>
<message><source>戻</source><translation>Back</translation></message>
<message><source>進</source><translation>Forward</translation></message>
<message><source>棋譜</source><translation>Record</translation></message>
<message><source>読込</source><translation>Read</translation></message>
<message><source>書込</source><translation>Write</translation></message>
<message><source>SFENｺﾋﾟｰ</source><translation>Copy SFEN</translation></message>
<message><source>USI読込</source><translation>Read USI</translation></message>
<message><source>USI書出</source><translation>Write USI</translation></message>
<message><source>PGN読込</source><translation>Read PGN</translation></message>
<message><source>PGN書出</source><translation>Write PGN</translation></message>
<message><source>ｵﾌﾟｼｮﾝ</source><translation>Options</translation></message>
<message><source>移動指導</source><translation>Move guidance</translation></message>
<message><source>移動ﾍﾙﾌﾟ</source><translation>Move help</translation></message>
<message><source>その他</source><translation>More</translation></message>
<message><source>解説</source><translation>Help</translation></message>
<message><source>バージョン情報</source><translation>About</translation></message>
<!-- board and side panel -->
<message><source>１</source><translation>1</translation></message>
<message><source>２</source><translation>2</translation></message>
<message><source>３</source><translation>3</translation></message>
<message><source>４</source><translation>4</translation></message>
<message><source>５</source><translation>5</translation></message>
<message><source>６</source><translation>6</translation></message>
<message><source>７</source><translation>7</translation></message>
<message><source>８</source><translation>8</translation></message>
<message><source>９</source><translation>9</translation></message>
<message><source>一</source><translation>a</translation></message>
<message><source>二</source><translation>b</translation></message>
<message><source>三</source><translation>c</translation></message>
<message><source>四</source><translation>d</translation></message>
<message><source>五</source><translation>e</translation></message>
<message><source>六</source><translation>f</translation></message>
<message><source>七</source><translation>g</translation></message>
<message><source>八</source><translation>h</translation></message>
<message><source>九</source><translation>i</translation></message>
<message><source>十</source><translation>j</translation></message>
<message><source>十一</source><translation>k</translation></message>
<message><source>十二</source><translation>l</translation></message>
<message><source>手目</source><translation>moves</translation></message>
<message><source>先手:</source><translation>Black:</translation></message>
<message><source>後手:</source><translation>White:</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人</source><translation>Handicap: master</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段</source><translation>Handicap: 8 dan</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段</source><translation>Handicap: 7 dan</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段</source><translation>Handicap: 6 dan</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段</source><translation>Handicap: 5 dan</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段</source><translation>Handicap: 4 dan</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段</source><translation>Handicap: 3 dan</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段</source><translation>Handicap: 2 dan</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段</source><translation>Handicap: 1 dan</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級</source><translation>Handicap: 1 kyu</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級</source><translation>Handicap: 2 kyu</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級</source><translation>Handicap: 3 kyu</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級</source><translation>Handicap: 4 kyu</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級</source><translation>Handicap: 5 kyu</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級</source><translation>Handicap: 6 kyu</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級</source><translation>Handicap: 7 kyu</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級</source><translation>Handicap: 8 kyu</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級</source><translation>Handicap: 9 kyu</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:%1級</source><translation>Handicap: %1 kyu</translation></message>
<!-- pieces, by the label the side panel prints: the short Western names -->
<message><source>歩</source><translation>P</translation></message>
<message><source>と</source><translation>+P</translation></message>
<message><source>香</source><translation>L</translation></message>
<message><source>白</source><translation>WH</translation></message>
<message><source>銅</source><translation>C</translation></message>
<message><source>横</source><translation>SM</translation></message>
<message><source>猪</source><translation>FB</translation></message>
<message><source>銀</source><translation>S</translation></message>
<message><source>竪</source><translation>VM</translation></message>
<message><source>牛</source><translation>FO</translation></message>
<message><source>金</source><translation>G</translation></message>
<message><source>飛</source><translation>R</translation></message>
<message><source>龍</source><translation>DK</translation></message>
<message><source>鷲</source><translation>SE</translation></message>
<message><source>豹</source><translation>FL</translation></message>
<message><source>角</source><translation>B</translation></message>
<message><source>馬</source><translation>DH</translation></message>
<message><source>鷹</source><translation>HF</translation></message>
<message><source>鳳</source><translation>Ph</translation></message>
<message><source>奔</source><translation>FK</translation></message>
<message><source>反</source><translation>RC</translation></message>
<message><source>鯨</source><translation>W</translation></message>
<message><source>虎</source><translation>BT</translation></message>
<message><source>鹿</source><translation>FS</translation></message>
<message><source>麒</source><translation>Kr</translation></message>
<message><source>獅</source><translation>Ln</translation></message>
<message><source>仲</source><translation>GB</translation></message>
<message><source>象</source><translation>DE</translation></message>
<message><source>太</source><translation>CP</translation></message>
<message><source>王</source><translation>K</translation></message>
<!-- the status line -->
<message><source>先手の番です</source><translation>Black to move</translation></message>
<message><source>後手の番です</source><translation>White to move</translation></message>
<message><source>COMの番です</source><translation>Computer to move</translation></message>
<message><source>MANの番です</source><translation>Your move</translation></message>
<message><source>相手の駒です</source><translation>That is the opponent's piece</translation></message>
<message><source>そこへは動けません</source><translation>The piece cannot go there</translation></message>
<!-- messages and their titles -->
<message><source>終了</source><translation>Game over</translation></message>
<message><source>終局</source><translation>Game over</translation></message>
<message><source>再ゲーム</source><translation>New game</translation></message>
<message><source>続けますか？</source><translation>Play again?</translation></message>
<message><source>あなたの勝ちです</source><translation>You win</translation></message>
<message><source>ｺﾝﾋﾟｭｰﾀの勝ちです</source><translation>The computer wins</translation></message>
<message><source>先手の勝ちです</source><translation>Black wins</translation></message>
<message><source>後手の勝ちです</source><translation>White wins</translation></message>
<message><source>引き分けです</source><translation>Draw</translation></message>
<message><source>駒枯れになりました</source><translation>Both armies are down to their kings: the game is drawn</translation></message>
<message><source>思考中</source><translation>Thinking</translation></message>
<message><source>二手移動</source><translation>Double move</translation></message>
<message><source>二手目、移動します</source><translation>Second step: moving again</translation></message>
<message><source>詰め ?</source><translation>Mate?</translation></message>
<message><source>よし！!</source><translation>Got it!</translation></message>
<message><source>** 王手 **</source><translation>** Check **</translation></message>
<message><source>** 王手(太子) **</source><translation>** Check (Crown Prince) **</translation></message>
<message><source>ｺﾝﾋﾟｭｰﾀには指せる手がありません</source><translation>The computer has no move it can play</translation></message>
<message><source>ｺﾝﾋﾟｭｰﾀが考えています。Escで止められます</source><translation>The computer is thinking. Esc stops it</translation></message>
<message><source>中断</source><translation>Stopped</translation></message>
<message><source>ｺﾝﾋﾟｭｰﾀの思考を止めました。盤をクリックすると考え直します</source><translation>The computer stopped thinking. Click the board to let it think again</translation></message>
<message><source>保存されていない対局があります。破棄しますか？</source><translation>This game has not been saved. Discard it?</translation></message>
<message><source>前回の対局を続けますか？</source><translation>Continue the last game?</translation></message>
<message><source>終局した対局です。「棋譜」→「書込」で保存できます</source><translation>That game is over. Record → Write saves it</translation></message>
<message><source>対局を控えに書き込めません</source><translation>The game could not be kept for the next start</translation></message>
<message><source>２手移動</source><translation>Double move</translation></message>
<message><source>もう一手移動しますか？</source><translation>Move once more?</translation></message>
<message><source>開始</source><translation>Start</translation></message>
<message><source>「対局」で始めて下さい</source><translation>Start a game from the Game menu</translation></message>
<message><source>再開(COM)</source><translation>Resume (computer)</translation></message>
<message><source>OKですか？</source><translation>Ready?</translation></message>
<message><source>2手目移動中</source><translation>Second step</translation></message>
<message><source>そこへ移動できません！</source><translation>The piece cannot move there!</translation></message>
<message><source>成り</source><translation>Promotion</translation></message>
<message><source>マウスの右をクリックして下さい</source><translation>Right-click to promote</translation></message>
<message><source>棋譜を '進 'で進めて下さい</source><translation>Step through the record with 'Forward'</translation></message>
<message><source>駒をｸﾘｯｸして下さい</source><translation>Click a piece</translation></message>
<message><source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定</source><translation>Handicap</translation></message>
<message><source>棋譜ﾓｰﾄﾞではできません(局面→最初)</source><translation>Not while a record is shown (Position → Reset)</translation></message>
<message><source>対局途中ではできません</source><translation>Not during a game</translation></message>
<message><source>'局面 '→ '最初 'にして下さい</source><translation>Choose 'Position' → 'Reset' first</translation></message>
<message><source>戻る</source><translation>Back</translation></message>
<message><source>進む</source><translation>Forward</translation></message>
<message><source>できません</source><translation>Not possible</translation></message>
<message><source>2手目移動中はできません！</source><translation>Not during a second step!</translation></message>
<message><source>棋譜ﾓｰﾄﾞではできません</source><translation>Not while a record is shown</translation></message>
<message><source>棋譜書込</source><translation>Write record</translation></message>
<message><source>棋譜保存</source><translation>Save record</translation></message>
<message><source>反転後は書き込みできません</source><translation>A flipped game cannot be written</translation></message>
<message><source>ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません</source><translation>A handicap game cannot be written</translation></message>
<message><source>ﾌｧｲﾙ名が入力されていません</source><translation>No file name has been typed</translation></message>
<message><source>保存するデータがありません</source><translation>There is nothing to save</translation></message>
<message><source>同じ名前の棋譜は書き込み禁止のため上書きできません</source><translation>A record of that name is write-protected and cannot be replaced</translation></message>
<message><source>同じ名前の棋譜があります。上書きしますか？</source><translation>A record of that name exists. Replace it?</translation></message>
<message><source>棋譜を書き込めませんでした</source><translation>The record could not be written</translation></message>
<message><source>棋譜を書き込みました</source><translation>The record has been written</translation></message>
<message><source>読み込みました</source><translation>The record has been read</translation></message>
<message><source>棋譜ﾌｧｲﾙを開けません</source><translation>The record file cannot be opened</translation></message>
<message><source>棋譜ﾌｧｲﾙが大きすぎます</source><translation>The record file is too large</translation></message>
<message><source>棋譜ﾌｧｲﾙではありません</source><translation>This is not a record file</translation></message>
<message><source>棋譜ﾌｧｲﾙに見出しの3行がありません</source><translation>The record file lacks its three heading lines</translation></message>
<message><source>棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません</source><translation>The record file holds no moves</translation></message>
<message><source>棋譜ﾌｧｲﾙの記録が%1を超えています</source><translation>The record file holds more than %1 entries</translation></message>
<message><source>棋譜ﾌｧｲﾙの%1行目が読めません</source><translation>Line %1 of the record file cannot be read</translation></message>
<message><source>棋譜ﾌｧｲﾙの%1行目</source><translation>Record file, line %1</translation></message>
<message><source>移動元の駒が違います</source><translation>the piece on the origin square differs</translation></message>
<message><source>取った駒が違います</source><translation>the captured piece differs</translation></message>
<message><source>指せない手です</source><translation>the move is not legal</translation></message>
<message><source>成りが正しくありません</source><translation>the promotion is wrong</translation></message>
<message><source>ﾌｧｲﾙ名に '/' は使えません</source><translation>A file name may not contain '/'</translation></message>
<message><source>ﾌｧｲﾙ名に制御文字は使えません</source><translation>A file name may not contain control characters</translation></message>
<message><source>ﾌｧｲﾙ名が空白だけです</source><translation>The file name is only spaces</translation></message>
<message><source>ﾌｧｲﾙ名の先頭に '.' は使えません</source><translation>A file name may not begin with '.'</translation></message>
<message><source>局面をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました</source><translation>The position has been copied to the clipboard</translation></message>
<message><source>すべてのﾌｧｲﾙ (*)</source><translation>All files (*)</translation></message>
<message><source>ﾌｧｲﾙを開けません</source><translation>the file cannot be opened</translation></message>
<message><source>ﾌｧｲﾙが大きすぎます</source><translation>the file is too large</translation></message>
<message><source>書き出すデータがありません</source><translation>There is nothing to write</translation></message>
<message><source>反転後は書き出しできません</source><translation>A flipped game cannot be written out</translation></message>
<message><source>ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き出しできません</source><translation>A handicap game cannot be written out</translation></message>
<message><source>棋譜を書き出せません</source><translation>The game cannot be written out</translation></message>
<message><source>同じ名前のﾌｧｲﾙは書き込み禁止のため上書きできません</source><translation>A file of that name is write-protected and cannot be replaced</translation></message>
<message><source>同じ名前のﾌｧｲﾙがあります。上書きしますか？</source><translation>A file of that name exists. Replace it?</translation></message>
<message><source>書き出せませんでした</source><translation>Could not write</translation></message>
<message><source>棋譜を書き出しました</source><translation>The game has been written</translation></message>
<message><source>(二手目を止めた手 %1 手は一手として書きました)</source><translation>(%1 moves whose second step was declined were written as single moves)</translation></message>
<message><source>読み込めません</source><translation>Cannot read</translation></message>
<message><source>初形から始まらない対局は読み込めません</source><translation>A game that does not start from the opening position cannot be read</translation></message>
<message><source>ﾌｧｲﾙに指し手がありません</source><translation>The file holds no moves</translation></message>
<message><source>棋譜にできません</source><translation>Cannot make a record of it</translation></message>
<message><source>棋譜にできません (%1行目)</source><translation>Cannot make a record of it (line %1)</translation></message>
<!-- the Lion's forbidden captures, the full record -->
<message><source>禁手</source><translation>Forbidden move</translation></message>
<message><source>禁手：先獅子(せんしし)</source><translation>Forbidden: Lion for Lion at once</translation></message>
<message><source>すぐに獅子を取り返せません</source><translation>A Lion cannot be taken back at once</translation></message>
<message><source>相手の獅子に足があります</source><translation>The opposing Lion is defended</translation></message>
<message><source>獅子を獅子で取れません</source><translation>a Lion cannot take it</translation></message>
<message><source>付け食いが歩兵、仲人の為</source><translation>The first step took only a Pawn or a Go-Between</translation></message>
<message><source>獅子で獅子を取れません</source><translation>so the Lion cannot take the Lion</translation></message>
<message><source>禁手：取り返し禁止</source><translation>Forbidden: no recapture</translation></message>
<message><source>獅子以外の駒で獅子を取られた直後です</source><translation>A Lion was just taken by a piece other than a Lion</translation></message>
<message><source>獅子を取り返せません（取り返し禁止）</source><translation>the Lion cannot be taken back (no recapture)</translation></message>
<message><source>離れた獅子を獅子で取れません</source><translation>a Lion cannot take a Lion two squares away</translation></message>
<message><source>棋譜が一杯です。これ以上は指せません</source><translation>The record is full. No more moves can be played</translation></message>
<!-- sounds -->
<message><source>Direct Soundインターフェースが作成できません。</source><translation>The sound device cannot be opened.</translation></message>
<message><source>ファイルを読み込めません</source><translation>the file cannot be read</translation></message>
<message><source>効果音ファイルが見つかりません</source><translation>Sound files not found</translation></message>
<!-- the move list -->
<message><source>棋譜一覧</source><translation>Move list</translation></message>
<message><source>補助表示</source><translation>Player&apos;s aids</translation></message>
<message><source>開始局面</source><translation>Start position</translation></message>
<message><source>最初 (Home)</source><translation>First (Home)</translation></message>
<message><source>戻 (←)</source><translation>Back (←)</translation></message>
<message><source>進 (→)</source><translation>Forward (→)</translation></message>
<message><source>最後 (End)</source><translation>Last (End)</translation></message>
<!-- the window's own -->
<message><source>ﾌｧｲﾙ名 ：</source><translation>File name:</translation></message>
<message><source>取消</source><translation>Cancel</translation></message>
<message><source>ｴﾗｰ</source><translation>Error</translation></message>
<message><source>ﾃﾞﾊﾞｲｽが準備できていません</source><translation>The device is not ready</translation></message>
<message><source>作者のホームページを開く</source><translation>Open the author's home page</translation></message>
<message><source>閉じる</source><translation>Close</translation></message>
<message><source>中将棋</source><translation>Chu Shogi</translation></message>
<message><source>Bexoru 解説</source><translation>Bexoru help</translation></message>
<message><source>解説ページが見つかりません</source><translation>The help page cannot be found</translation></message>
<message><source>消費</source><translation>used</translation></message>
<message><source>秒読み</source><translation>byoyomi</translation></message>
<message><source>残り</source><translation>left</translation></message>
<message><source>時間切れになりました</source><translation>The time has run out</translation></message>
<message><source>持ち時間</source><translation>Time control</translation></message>
<message><source>なし</source><translation>None</translation></message>
<message><source>%1分 + 秒読み%2秒</source><translation>%1 min + byoyomi %2 s</translation></message>
<message><source>秒読み%1秒</source><translation>Byoyomi %1 s</translation></message>
<message><source>ルール</source><translation>Rules</translation></message>
<message><source>本来ルール</source><translation>Bexoru's own rules</translation></message>
<message><source>標準ルール</source><translation>Standard rules</translation></message>
<message><source>(標準ルール)</source><translation>(standard rules)</translation></message>
<message><source>対局中はルールを変えられません。次の対局から</source><translation>The rules cannot change during a game. The next game is played by </translation></message>
<message><source>で指します</source><translation> from the next game</translation></message>
<message><source>対局中はルールを変えられません。次の対局から本来ルールで指します</source><translation>The rules cannot change during a game. The next game is played by Bexoru's own rules</translation></message>
<message><source>対局中はルールを変えられません。次の対局から標準ルールで指します</source><translation>The rules cannot change during a game. The next game is played by the standard rules</translation></message>
<message><source>裸王になりました</source><translation>A bare King: only royal pieces are left</translation></message>
<message><source>千日手になりました</source><translation>The same position has occurred for the fourth time (sennichite)</translation></message>
</context>
<context>
<name>Piece</name>
<!-- the pieces' full names, for a square with its piece ("７六獅" is "Lion 7f") -->
<message><source>歩</source><translation>Pawn</translation></message>
<message><source>と</source><translation>Tokin</translation></message>
<message><source>香</source><translation>Lance</translation></message>
<message><source>白</source><translation>White Horse</translation></message>
<message><source>銅</source><translation>Copper General</translation></message>
<message><source>横</source><translation>Side Mover</translation></message>
<message><source>猪</source><translation>Free Boar</translation></message>
<message><source>銀</source><translation>Silver General</translation></message>
<message><source>竪</source><translation>Vertical Mover</translation></message>
<message><source>牛</source><translation>Flying Ox</translation></message>
<message><source>金</source><translation>Gold General</translation></message>
<message><source>飛</source><translation>Rook</translation></message>
<message><source>龍</source><translation>Dragon King</translation></message>
<message><source>鷲</source><translation>Soaring Eagle</translation></message>
<message><source>豹</source><translation>Ferocious Leopard</translation></message>
<message><source>角</source><translation>Bishop</translation></message>
<message><source>馬</source><translation>Dragon Horse</translation></message>
<message><source>鷹</source><translation>Horned Falcon</translation></message>
<message><source>鳳</source><translation>Phoenix</translation></message>
<message><source>奔</source><translation>Free King</translation></message>
<message><source>反</source><translation>Reverse Chariot</translation></message>
<message><source>鯨</source><translation>Whale</translation></message>
<message><source>虎</source><translation>Blind Tiger</translation></message>
<message><source>鹿</source><translation>Flying Stag</translation></message>
<message><source>麒</source><translation>Kirin</translation></message>
<message><source>獅</source><translation>Lion</translation></message>
<message><source>仲</source><translation>Go-Between</translation></message>
<message><source>象</source><translation>Drunk Elephant</translation></message>
<message><source>太</source><translation>Crown Prince</translation></message>
<message><source>王</source><translation>King</translation></message>
</context>
</TS>
