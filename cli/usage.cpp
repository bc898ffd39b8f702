#include "cli/arguments.h"

const char* usage_text() {
    return R"(usage: soramito-cli [--data-dir DIR] COMMAND ARGUMENTS... [--json]

The random values of the 64 sequences, which sequence a run of ○/× marks comes from, and what
a battle, a level-up and a re-move use of them. Options may stand anywhere on the line.

  --data-dir DIR   where character.txt and grow.txt are read (Shift-JIS); default: the
                   current folder (in the zip, the program's own folder holds them)
  --json           one JSON object instead of the readable text
  -h, --help       this text;  --version  the version

commands:
  values --seed S --from P [--count N]
      the stored and shown values of sequence S (0..63) from position P (0..5004), with marks
      example: soramito-cli values --seed 0 --from 1
  identify PATTERN [--tolerance K] [--scenario FILE]
      the sequences that show the typed ○/× marks (○ ● ◎ o c for ○, × x for ×); with K (0..3)
      also those within K slips; with a scenario, what its events give on each of them
      example: soramito-cli identify ×××○○×××○×○×○○×○×○○× --tolerance 1
  units
      the unit and growth tables as read from character.txt and grow.txt
      example: soramito-cli units
  growth --ally NAME [--books B,B,...]
      an ally's growth rates with the books held (0 ヘズル ... 11 トード)
      example: soramito-cli growth --ally アルト --books 0,3
  run SCENARIO
      both lanes' events from their positions, entry by entry (a turn's steps one after another)
      example: soramito-cli run samples/worked-battle.json
  search SCENARIO [--marks PATTERN] [--details]
      the positions from lane 0's where the wanted outcome happens (with steps: the whole turn);
      with marks also those that hold on every sequence they match; with --details what to spend
      and what happens at each
      example: soramito-cli search samples/turn-plan.json --details
  estimate SCENARIO
      how many values a battle of the scenario's units is taken to use
      example: soramito-cli estimate samples/worked-battle.json
  advance SCENARIO
      after doing what lane 0 shows: lane 0 past the values it used, the new HP, Lv and grown
      figures; with --json the scenario after it, its record (history) one entry longer; the
      scenario's kept places narrowed to those that give what lane 0 gave, lane 0 on the last one
      example: soramito-cli advance samples/worked-battle.json
  locate SCENARIO [--ally-hp N] [--enemy-hp N] [--grown LIST] [--re-move 0|1]
         [--marks PATTERN | --all-sequences]
      where the game may stand after the scenario's action did what was seen: the HP each
      side kept (0..9999), which stats grew (nine 0/1, HP 力 魔 技 速 守 体 運 移), whether the
      unit moved again; on the marks' sequences, else lane 0's, or on all 64 sequences; only
      at the scenario's kept places when it has any; nearest to lane 0 first
      example: soramito-cli locate samples/worked-battle.json --ally-hp 40 --enemy-hp 10
)";
}
