#!/bin/sh
# Plays a player's first session in the running window with the keyboard and the mouse, as on
# the sample files. The window sits at the top left of the screen; its client area starts 4
# pixels right of and 42 below the window's corner.
set -eu
window=$(xdotool search --name "ver 0.00a" | head -1)
key() { xdotool key --clearmodifiers "$@"; sleep 0.4; }
click() { xdotool mousemove --window "$window" $(($1 + 4)) $(($2 + 42)) click "${3:-1}"; sleep 0.4; }

# The ○/× run seen in the game; a left click on the second candidate puts lane 0 there.
click 600 461
xdotool type --delay 50 "xxxooxxxoxoxooxoxoox"
sleep 0.5
click 512 480
# 編集 > ステータス: the first ally against the first enemy.
key alt; key Right Down; key Return; sleep 0.5; key Return
# 条件 > 条件統合: 戦闘, with its 予測消費.
key alt; key Right Right Down; key Return; sleep 0.5; key Tab space; key Return
# 条件 > 戦闘結果: the enemy must fall (HP:残りn以下, n 0).
key alt; key Right Right Down; key Down Down; key Return; sleep 0.5
key Tab; key Down Down; key Tab Tab Tab Tab; key space; key Return
# 検索
click 480 302
sleep 1
