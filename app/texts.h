// The system's own texts, as code page 932 bytes (the UTF-8 form stands in each comment).
#pragma once

namespace zunt {

// Messages, captions of boxes and first-run values.
namespace msg {
inline constexpr char kCaptionError[] = "\xb4\xd7\xb0";  // ｴﾗｰ
inline constexpr char kCaptionConfirm[] =
    "\x8am\x94"
    "F";                                                    // 確認
inline constexpr char kFilePrefix[] = "\xcc\xa7\xb2\xd9:";  // ﾌｧｲﾙ:
inline constexpr char kNotFoundSuffix[] =
    "\n\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1";  // \nはありません
inline constexpr char kCannotOpenSuffix[] =
    "\n\x82\xcd\x8aJ\x82\xaf\x82\xdc\x82\xb9\x82\xf1";  // \nは開けません
inline constexpr char kNotAnInteger[] =
    "'%s' \x82\xcd\x90\xae\x90\x94\x82\xc5\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1";  // '%s'
                                                                                              // は整数ではありません
inline constexpr char kFileCannotOpen[] =
    "\xcc\xa7\xb2\xd9 %s \x82\xcd\x8aJ\x82\xaf\x82\xdc\x82\xb9\x82\xf1";  // ﾌｧｲﾙ %s は開けません
inline constexpr char kFileCannotCreate[] =
    "\xcc\xa7\xb2\xd9 %s \x82\xf0\x8d\xec\x90\xac\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1";  // ﾌｧｲﾙ
                                                                                             // %s
                                                                                             // を作成できません
inline constexpr char kFolderInput[] = "\xcc\xab\xd9\xc0\xde\x93\xfc\x97\xcd";  // ﾌｫﾙﾀﾞ入力
inline constexpr char kMaskCaption[] = "\xcf\xbd\xb8";                          // ﾏｽｸ
inline constexpr char kAddGoQuestion[] =
    "\n\x82\xf0Go\x82\xc9\x92\xc7\x89\xc1\x82\xb5\x82\xdc\x82\xb7\x82\xa9?";  // \nをGoに追加しますか?
inline constexpr char kExttxtValue[] =
    "\x83\x81\x83\x82\x92\xa0|notepad.exe";                        // メモ帳|notepad.exe
inline constexpr char kPopMemoName[] = "Pop\xd2\xd3\x92\xa0(&N)";  // Popﾒﾓ帳(&N)
}  // namespace msg

// Menu item captions, named after their items.
namespace cap {
inline constexpr char mnFolderInput[] =
    "\xcc\xab\xd9\xc0\xde\x93\xfc\x97\xcd(&F)";                       // ﾌｫﾙﾀﾞ入力(&F)
inline constexpr char mnRename[] = "\x96\xbc\x91O\x95\xcf\x8dX(&R)";  // 名前変更(&R)
inline constexpr char mnCopy[] = "\xba\xcb\xdf\xb0";                  // ｺﾋﾟｰ
inline constexpr char mnMove[] = "\x88\xda\x93\xae";                  // 移動
inline constexpr char mnNewFolder[] =
    "\x90V\x82\xb5\x82\xa2\xcc\xab\xd9\xc0\xde(&I)";  // 新しいﾌｫﾙﾀﾞ(&I)
inline constexpr char mnDelete[] = "\x8d\xed\x8f\x9c(\x82\xb2\x82\xdd\x94\xa0)";  // 削除(ごみ箱)
inline constexpr char mnDelete2[] = "\x8d\xed\x8f\x9c";                           // 削除
inline constexpr char mnMkShortcut[] =
    "\xbc\xae\xb0\xc4\xb6\xaf\xc4\x8d\xec\x90\xac";                  // ｼｮｰﾄｶｯﾄ作成
inline constexpr char mnUpdate[] = "\x8dX\x90V(&K)";                 // 更新(&K)
inline constexpr char mnAddGo[] = "go\x82\xc9\x92\xc7\x89\xc1(&D)";  // goに追加(&D)
inline constexpr char mnApplication[] =
    "\xb1\xcc\xdf\xd8\xb9\xb0\xbc\xae\xdd(&A)";                // ｱﾌﾟﾘｹｰｼｮﾝ(&A)
inline constexpr char mnSort[] = "\xbf\xb0\xc4(&S)";           // ｿｰﾄ(&S)
inline constexpr char mnSortName[] = "\x96\xbc\x91O(&N)";      // 名前(&N)
inline constexpr char mnSortExt[] = "\x8ag\x92\xa3\x8eq(&E)";  // 拡張子(&E)
inline constexpr char mnSortUpdate[] = "\x8dX\x90V\x93\xfa\x8e\x9e(&T)";  // 更新日時(&T)
inline constexpr char mnSortSize[] = "\xbb\xb2\xbd\xde(&S)";              // ｻｲｽﾞ(&S)
inline constexpr char Show1[] = "\x95\\\x8e\xa6(&V)";                     // 表示(&V)
inline constexpr char mnViewFullpath[] = "\xcc\xd9\xca\xdf\xbd\x95\\\x8e\xa6(&P)";  // ﾌﾙﾊﾟｽ表示(&P)
inline constexpr char mnViewStaytop[] =
    "\x8f\xed\x82\xc9\x8e\xe8\x91O\x82\xc9\x95\\\x8e\xa6(&T)";  // 常に手前に表示(&T)
inline constexpr char mnSetting[] = "\x90\xdd\x92\xe8(&O)";     // 設定(&O)
inline constexpr char mnSetExtapps[] =
    "\x8ag\x92\xa3\x8eq\x82\xb2\x82\xc6\x82\xcc\xb1\xcc\xdf\xd8\xb9\xb0\xbc\xae\xdd(&E)";  // 拡張子ごとのｱﾌﾟﾘｹｰｼｮﾝ(&E)
inline constexpr char mnSetRpopup[] =
    "\x89"
    "E\xce\xdf\xaf\xcc\xdf\xb1\xaf\xcc\xdf\xd2\xc6\xad\xb0(&R)";  // 右ﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰ(&R)
inline constexpr char KSetGo[] = "go\x82\xcc\x95\xd2\x8fW(&G)";               // goの編集(&G)
inline constexpr char mnSetMask[] = "\xcf\xbd\xb8\x82\xcc\x95\xd2\x8fW(&M)";  // ﾏｽｸの編集(&M)
inline constexpr char mnSetFont[] = "\x95\xb6\x8e\x9a(&F)";                   // 文字(&F)
inline constexpr char mnSetBgcolor[] =
    "\x94w\x8ci\x90"
    "F(&B)";                                                               // 背景色(&B)
inline constexpr char mnQuit[] = "\x8fI\x97\xb9(&Q)";                      // 終了(&Q)
inline constexpr char mnGoDesktop[] = "\xc3\xde\xbd\xb8\xc4\xaf\xcc\xdf";  // ﾃﾞｽｸﾄｯﾌﾟ
inline constexpr char mnMask[] = "\xcf\xbd\xb8(&M)";                       // ﾏｽｸ(&M)
inline constexpr char popAppli[] = "\xb1\xcc\xdf\xd8\xb9\xb0\xbc\xae\xdd";  // ｱﾌﾟﾘｹｰｼｮﾝ
}  // namespace cap

}  // namespace zunt
