#include "cli/arguments.h"

const char* usage_text() {
    return R"(使い方: soramito-cli [--data-dir フォルダ] コマンド 引数... [--json] [--out ファイル]

64 個の乱数列の値、○×の並びがどの乱数列のものか、戦闘・レベルアップ・再行動がそこから何を
使うかを出します。オプションは行のどこに書いてもかまいません。

  --data-dir フォルダ  character.txt と grow.txt（Shift-JIS）を読むフォルダ。書かないときは、
                       いまのフォルダ、なければ soramito-cli のあるフォルダから読みます
  --json               読みやすい文の代わりに JSON を一つ出します
  --out ファイル       出力を画面ではなくファイルに UTF-8 で書きます（途中で止まっても前の
                       ファイルは壊れません）。PowerShell の > の代わりに使ってください
  -h, --help           この説明;  --version  版

コマンド:
  values --seed S --from P [--count N]
      乱数列 S（0〜63）の位置 P（0〜5004）からの値（内部の値・表示の値・○×）
      例: soramito-cli values --seed 0 --from 1
  identify ○×の並び [--tolerance K] [--scenario ファイル]
      打った○×の並び（○ ● ◎ o c が ○、× x が ×）を出す乱数列。K（0〜3）を付けると K 個まで
      打ち間違えたものも。シナリオを付けると、それぞれの乱数列でその行動が何をするかも
      例: soramito-cli identify ×××○○×××○×○×○○×○×○○× --tolerance 1
  units
      character.txt と grow.txt を読んだとおりのユニットと成長率（読めなかった行は知らせます）
      例: soramito-cli units
  growth --ally 名前 [--books B,B,...]
      味方の成長率。持っている書（0 ヘズル … 11 トード）を含めて
      例: soramito-cli growth --ally アルト --books 0,3
  run シナリオ
      両方のレーンの出来事を、それぞれの位置から一つずつ（手順があれば順に）
      例: soramito-cli run samples/worked-battle.json
  search シナリオ [--marks ○×の並び] [--details]
      上のレーンの位置から、望みの結果になる位置（手順があれば手順全体で）。○×を付けると、
      合うどの乱数列でもそうなる位置も。--details で、何を使えばよいかとそのとき起きること
      例: soramito-cli search samples/turn-plan.json --details
  estimate シナリオ
      シナリオのユニットの戦闘が使うとみなす乱数の数
      例: soramito-cli estimate samples/worked-battle.json
  advance シナリオ
      上のレーンのとおりに行動したあと: 上のレーンは使った数だけ進み、HP・Lv・伸びた数値が
      変わります。--json でそのあとのシナリオ（記録 history が一つ増えます）。残した位置（kept）
      は上のレーンと同じ結果になるものだけに絞られ、一つ残れば上のレーンがそこに移ります
      例: soramito-cli advance samples/worked-battle.json
  locate シナリオ [--ally-hp N] [--enemy-hp N] [--grown 並び] [--re-move 0|1]
         [--marks ○×の並び | --all-sequences]
      シナリオの行動をして見たとおりになったとき、ゲームがいまいる位置: 戦闘のあとに残った
      HP（0〜9999）、伸びた能力（0 か 1 を 9 個、HP 力 魔 技 速 守 体 運 移）、再行動したか。
      ○×に合う乱数列、なければ上のレーンの乱数列、--all-sequences なら 64 個すべてを探し、
      残した位置があればそこだけを探します。上のレーンに近い順です
      例: soramito-cli locate samples/worked-battle.json --ally-hp 40 --enemy-hp 10
)";
}
