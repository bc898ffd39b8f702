#!/usr/bin/env python3
"""Draws the scenarios and command lines that tools/diff-cli runs on two builds of soramito-cli.

usage: diff-cli-scenarios.py --cli PROGRAM --work DIR [--count N] [--seed S]

DIR must hold data/character.txt and data/grow.txt (Shift-JIS). The scenarios go to
DIR/scenarios/, one JSON file each, and the command lines to DIR/commands.json: a list of
{"scenario": NAME, "args": [...]}, each to be run with DIR as the current folder (the paths in
them are relative to it) and without the program's own name.

PROGRAM (the newer build) is asked for what makes the scenarios lifelike: the marks a sequence
shows (values), what lane 0 gives (run --json, from which locate is told what was seen) and the
scenario after 実行 (advance --json, for a record that advance itself wrote). The same seed and
the same answers give the same files, byte for byte.

Standard library only.
"""

import argparse
import json
import os
import random
import subprocess
import sys

SKILL_COUNT = 16
STAT_COUNT = 9
BOOK_COUNT = 12
FIGURES = ["level", "technique", "luck", "hitRate", "critRate", "attackSpeed", "attack",
           "defense", "hp", "maxHp"]
LAST_LANE_POSITION = 4973
LAST_SHOWN_POSITION = 5004
FIGURE_LOW, FIGURE_HIGH = -999, 9999
INT32_LOW, INT32_HIGH = -2**31, 2**31 - 1
EDGE_FIGURES = [FIGURE_LOW, FIGURE_HIGH, 0, -1, 1, 100, 101, 127, 128, 255, 256]
ODD_INTEGERS = [2, -1, 3, 255, 256, INT32_HIGH, INT32_LOW, 65536]
# Names no start-up file holds, each with a Shift-JIS form of at most 31 bytes: half-width
# katakana, an IBM extension, NEC specials, the wave dash, the yen/backslash byte, ASCII.
STRANGE_NAMES = ["名無し", "ｱﾙﾄ", "Alto", "髙橋", "①号", "〜波〜", "ー", "\\", "~", " ",
                 "ソ", "表示", "山賊ガロ ", "ＡＢＣ", "α", "あいうえおかきくけこさしすせそ",
                 "あいうえおかきくけこさしすせそx", "1234567890123456789012345678901"]
# Marks as the pattern box takes them, and a few characters it skips or reads byte by byte.
CIRCLES = ["○", "●", "◎", "o", "O", "c", "C"]
CROSSES = ["×", "x", "X"]
NOISE = [" ", "　", "、", "a", "1", "イ", "ベ", "\t", "-", "前", "森"]

# The most one question to the program may take, in seconds.
TIMEOUT = 60


class Program:
    def __init__(self, path, work):
        self.path = path
        self.work = work
        self.values = {}

    def call(self, args):
        """stdout, stderr and the exit status; a program that cannot run or hangs answers None."""
        try:
            done = subprocess.run([self.path, "--data-dir", "data"] + args, cwd=self.work,
                                  stdin=subprocess.DEVNULL, capture_output=True,
                                  timeout=TIMEOUT)
        except (OSError, subprocess.SubprocessError):
            return None
        return done.stdout, done.stderr, done.returncode

    def json_of(self, args):
        answer = self.call(args + ["--json"])
        if answer is None or answer[2] != 0:
            return None
        try:
            return json.loads(answer[0].decode("utf-8"))
        except (UnicodeDecodeError, ValueError):
            return None

    def marks(self, seed):
        """The marks of sequence seed at positions 1 to 5004 (1 for ○, 0 for ×), or []."""
        if seed not in self.values:
            shown = self.json_of(["values", "--seed", str(seed), "--from", "1", "--count",
                                  str(LAST_SHOWN_POSITION)])
            marks = []
            if isinstance(shown, dict) and isinstance(shown.get("values"), list):
                marks = [v.get("mark") for v in shown["values"] if isinstance(v, dict)]
                marks = [m for m in marks if m in (0, 1)]
            self.values[seed] = marks
        return self.values[seed]


def read_units(path):
    """The allies and enemies of character.txt as (name, factor, skills), names that fit."""
    try:
        with open(path, "rb") as f:
            lines = f.read().split(b"\n")
    except OSError:
        return [], []
    lines = [line.rstrip(b"\r") for line in lines]

    def number(text):
        try:
            return int(text.strip())
        except ValueError:
            return 0

    counts = lines[0].split(b",") if lines else []
    allies = max(0, min(64, number(counts[0]) if counts else 0))
    enemies = max(0, min(64, number(counts[1]) if len(counts) > 1 else 0))

    def entries(rows):
        units = []
        for row in rows:
            fields = row.split(b",")
            try:
                name = fields[0].decode("cp932")
            except UnicodeDecodeError:
                continue
            if not name or len(fields[0]) > 31 or "\0" in name:
                continue
            factor = number(fields[1]) if len(fields) > 1 else 0
            skills = [0] * SKILL_COUNT
            for field in fields[2:]:
                k = number(field) if field.strip() else -1
                if 0 <= k < SKILL_COUNT:
                    skills[k] = 1
            units.append((name, max(FIGURE_LOW, min(FIGURE_HIGH, factor)), skills))
        return units

    return entries(lines[1:1 + allies]), entries(lines[1 + allies:1 + allies + enemies])


def read_growth(path):
    """The rows of grow.txt with ten rates each."""
    rows = []
    try:
        with open(path, "rb") as f:
            text = f.read().decode("cp932", errors="replace")
    except OSError:
        return rows
    for line in text.splitlines():
        try:
            row = [int(v) for v in line.split(",")]
        except ValueError:
            continue
        if len(row) == 10 and all(FIGURE_LOW <= v <= FIGURE_HIGH for v in row):
            rows.append(row)
    return rows


class Generator:
    def __init__(self, rng, program, allies, enemies, growth):
        self.rng = rng
        self.program = program
        self.allies = allies or [("アルト", 2, [0] * 7 + [1] + [0] * 8)]
        self.enemies = enemies or [("山賊ガロ", 1, [0] * 15 + [1])]
        self.growth = growth or [[80, 50, 10, 40, 60, 30, 5, 45, 0, 30]]
        self.reports = {}

    # Small helpers -----------------------------------------------------------------------

    def chance(self, p):
        return self.rng.random() < p

    def weighted(self, choices):
        """choices: (weight, value or callable) pairs."""
        total = sum(w for w, _ in choices)
        r = self.rng.random() * total
        for w, value in choices:
            r -= w
            if r < 0:
                return value() if callable(value) else value
        value = choices[-1][1]
        return value() if callable(value) else value

    def flag(self, p_one=0.5):
        """0 or 1, now and then another integer (only 1 counts)."""
        if self.chance(0.03):
            return self.rng.choice(ODD_INTEGERS)
        return 1 if self.chance(p_one) else 0

    def figure(self, low, high):
        """A game-like figure, now and then one at or near the limits."""
        if self.chance(0.04):
            return self.rng.choice(EDGE_FIGURES)
        return self.rng.randint(low, high)

    def position(self):
        return self.weighted([
            (50, lambda: self.rng.randint(1, 300)),
            (20, lambda: self.rng.randint(300, 3990)),
            (10, lambda: self.rng.randint(3990, 4010)),
            (15, lambda: self.rng.randint(4900, LAST_LANE_POSITION)),
            (5, lambda: self.rng.choice([1, 2, 4004, 4005, 4972, LAST_LANE_POSITION])),
        ])

    # Members -----------------------------------------------------------------------------

    def unit(self, side, partial=False):
        own, other = (self.allies, self.enemies) if side == "ally" else (self.enemies, self.allies)
        name, factor, skills = self.rng.choice(own)
        unit = {}
        unit["name"] = self.weighted([
            (84, name),
            (5, lambda: self.rng.choice(other)[0]),
            (4, ""),
            (7, lambda: self.rng.choice(STRANGE_NAMES)),
        ])
        unit["followUpCritFactor"] = self.weighted([
            (85, factor),
            (15, lambda: self.rng.choice([0, 1, 2, 3, 4, 5, 10, 50, -1, FIGURE_LOW, FIGURE_HIGH])),
        ])
        unit["skills"] = self.weighted([
            (78, list(skills)),
            (14, lambda: [1 if self.chance(0.15) else 0 for _ in range(SKILL_COUNT)]),
            (4, lambda: [self.flag(0.2) for _ in range(SKILL_COUNT)]),
            (2, [1] * SKILL_COUNT),
            (2, [0] * SKILL_COUNT),
        ])
        max_hp = self.figure(12, 60)
        hp = self.weighted([(70, max_hp), (25, lambda: self.rng.randint(1, max(1, max_hp))),
                            (3, 0), (2, lambda: self.figure(-5, 80))])
        ranges = {"level": (1, 20), "technique": (0, 25), "luck": (0, 25),
                  "hitRate": (20, 140), "critRate": (0, 40), "attackSpeed": (0, 25),
                  "attack": (5, 40), "defense": (0, 25)}
        for key in FIGURES:
            if key == "hp":
                unit[key] = hp
            elif key == "maxHp":
                unit[key] = max_hp
            else:
                unit[key] = self.figure(*ranges[key])
        if self.chance(0.01):
            for key in FIGURES:
                unit[key] = self.rng.choice([FIGURE_LOW, FIGURE_HIGH])
        # Most units are whole; a step's unit names only what it changes.
        keep = 0.35 if partial else (0.96 if self.chance(0.9) else 0.6)
        return {k: v for k, v in unit.items() if self.chance(keep)}

    def event_switches(self, acting=False):
        if acting and self.chance(0.95):
            return list(self.rng.choice([[0, 1, 0, 0], [0, 1, 1, 0], [0, 0, 1, 0], [0, 0, 0, 1],
                                         [0, 1, 0, 1], [1, 1, 1, 1], [0, 1, 1, 1]]))
        switches = self.weighted([
            (30, [0, 1, 0, 0]), (18, [0, 1, 1, 0]), (12, [0, 0, 1, 0]), (6, [0, 0, 0, 1]),
            (7, [0, 1, 0, 1]), (5, [0, 1, 1, 1]), (4, [1, 1, 1, 1]), (4, [0, 0, 1, 1]),
            (3, [1, 0, 0, 0]), (2, [0, 0, 0, 0]), (4, [1, 1, 0, 0]),
            (5, lambda: [self.flag() for _ in range(4)]),
        ])
        return list(switches)

    def growth_rates(self):
        rates = list(self.rng.choice(self.growth)) if self.chance(0.6) else \
            [self.rng.randint(0, 100) for _ in range(10)]
        if self.chance(0.15):
            rates[self.rng.randrange(10)] = self.rng.choice(
                [FIGURE_LOW, FIGURE_HIGH, 0, 100, 101, 150, 200, 255, -1])
        if self.chance(0.3):
            rates[9] = self.rng.choice([0, 10, 30, 50, 100])
        return rates

    def condition(self):
        kind = self.weighted([(92, lambda: self.rng.randint(0, 6)),
                              (8, lambda: self.rng.choice([7, -1, 255, INT32_HIGH, INT32_LOW]))])
        # n as the type reads it: HP, a percentage or a number of hits.
        usual = {1: (0, 60), 2: (0, 60), 3: (0, 100), 4: (0, 100), 5: (0, 4), 6: (0, 4)}
        low, high = usual.get(kind, (0, 60))
        n = self.weighted([
            (85, lambda: self.rng.randint(low, high)),
            (15, lambda: self.rng.choice([FIGURE_LOW, FIGURE_HIGH, -1, 101, 0, 255])),
        ])
        unspecified = self.weighted([(40, 0), (52, 1), (8, lambda: self.rng.choice(ODD_INTEGERS))])
        condition = {"type": kind, "n": n, "unspecified": unspecified}
        if self.chance(0.15):
            condition = {k: v for k, v in condition.items() if self.chance(0.5)}
        return condition

    def level_up_wanted(self):
        return self.weighted([
            (60, lambda: [1 if self.chance(0.4) else 0 for _ in range(STAT_COUNT)]),
            (20, lambda: [self.rng.choice([0, 0, 1, 2]) for _ in range(STAT_COUNT)]),
            (8, [0] * STAT_COUNT),
            (7, [1] * STAT_COUNT),
            (5, [2] * STAT_COUNT),
        ])

    def books_held(self):
        return self.weighted([
            (60, [0] * BOOK_COUNT),
            (30, lambda: [1 if self.chance(0.2) else 0 for _ in range(BOOK_COUNT)]),
            (5, [1] * BOOK_COUNT),
            (5, lambda: [self.flag(0.3) for _ in range(BOOK_COUNT)]),
        ])

    def lanes(self):
        count = self.weighted([(80, 2), (15, 1), (5, 0)])
        lanes = []
        for _ in range(count):
            lane = {"seedIndex": self.rng.randint(0, 63), "position": self.position()}
            if self.chance(0.05):
                del lane[self.rng.choice(["seedIndex", "position"])]
            lanes.append(lane)
        if len(lanes) == 2 and self.chance(0.3):
            lanes[1]["seedIndex"] = lanes[0].get("seedIndex", 0)
        return lanes

    def marks(self, seed=None, near=None):
        """A pattern: mostly what a sequence shows from the start (maybe with one slip), now and
        then one written with other characters, noise, or one that matches nothing."""
        kind = self.weighted([(70, "shown"), (8, "empty"), (10, "random"), (7, "noise"),
                              (5, "long")])
        if kind == "empty":
            return ""
        if kind == "random":
            return "".join(self.rng.choice(["○", "×"]) for _ in range(self.rng.randint(1, 30)))
        if kind == "noise":
            return "".join(self.rng.choice(CIRCLES + CROSSES + NOISE)
                           for _ in range(self.rng.randint(1, 20)))
        if kind == "long":
            count = self.rng.choice([249, 250, 400])
            return "".join(self.rng.choice(["○", "×"]) for _ in range(count))
        if seed is None:
            seed = self.rng.randint(0, 63)
        shown = self.program.marks(seed)
        if not shown:
            return "○×○"
        length = self.weighted([(40, lambda: self.rng.randint(3, 12)),
                                (45, lambda: self.rng.randint(12, 30)),
                                (15, lambda: self.rng.randint(30, 200))])
        start = 0
        if near is not None and self.chance(0.5):
            # Marks that end right behind the lane, as the player typed up to it.
            start = max(0, min(near - 1 - length, len(shown) - length))
        elif self.chance(0.2):
            start = self.rng.randint(0, 300)
        marks = shown[start:start + length]
        if marks and self.chance(0.12):
            k = self.rng.randrange(len(marks))
            marks[k] = 1 - marks[k]
        style = self.weighted([(70, "plain"), (15, "ascii"), (15, "mixed")])
        if style == "plain":
            return "".join("○" if m else "×" for m in marks)
        if style == "ascii":
            return "".join("o" if m else "x" for m in marks)
        return "".join(self.rng.choice(CIRCLES) if m else self.rng.choice(CROSSES)
                       for m in marks)

    def history_entry(self):
        entry = {"seedIndex": self.rng.randint(0, 63), "position": self.position(),
                 "count": self.weighted([(80, lambda: self.rng.randint(1, 40)),
                                         (20, lambda: self.rng.choice([0, 255, 256]))])}
        if self.chance(0.6):
            entry["allyHp"] = [self.figure(0, 60), self.figure(0, 60)]
            entry["enemyHp"] = [self.figure(0, 60), self.figure(0, 60)]
        if self.chance(0.4):
            entry["grown"] = [1 if self.chance(0.4) else 0 for _ in range(STAT_COUNT)]
        if self.chance(0.2):
            entry["reMove"] = self.rng.randint(0, 1)
        return entry

    def step(self):
        members = {
            "ally": lambda: self.unit("ally", partial=True),
            "enemy": lambda: self.unit("enemy", partial=True),
            "eventSwitches": lambda: self.event_switches(acting=True),
            "predictSwitch": lambda: self.flag(0.2),
            "allyCondition": self.condition,
            "enemyCondition": self.condition,
            "levelUpWanted": self.level_up_wanted,
            "booksHeld": self.books_held,
            "growthRates": self.growth_rates,
        }
        step = {}
        for key, make in members.items():
            if self.chance(0.25):
                step[key] = make()
        return step

    # Scenarios ---------------------------------------------------------------------------

    def scenario(self):
        """A scenario that the reader takes (or, now and then, one whose plan it refuses)."""
        if self.chance(0.02):
            return {}
        members = {
            "ally": lambda: self.unit("ally"),
            "enemy": lambda: self.unit("enemy"),
            "lanes": self.lanes,
            "eventSwitches": self.event_switches,
            "predictSwitch": lambda: self.weighted([(80, 0), (17, 1),
                                                    (3, lambda: self.rng.choice(ODD_INTEGERS))]),
            "growthRates": self.growth_rates,
            "allyCondition": self.condition,
            "enemyCondition": self.condition,
            "levelUpWanted": self.level_up_wanted,
            "booksHeld": self.books_held,
        }
        scenario = {}
        for key, make in members.items():
            if self.chance(0.95 if key in ("ally", "enemy", "lanes", "eventSwitches") else 0.7):
                scenario[key] = make()
        if self.chance(0.05):
            self.marathon(scenario)
        lane0 = (scenario.get("lanes") or [{}])[0]
        if self.chance(0.4):
            scenario["marks"] = self.marks(lane0.get("seedIndex"), lane0.get("position"))
        if self.chance(0.33):
            count = self.weighted([(50, lambda: self.rng.randint(1, 3)),
                                   (40, lambda: self.rng.randint(4, 8)),
                                   (10, lambda: self.rng.randint(9, 16))])
            scenario["steps"] = [self.step() for _ in range(count)]
            # Each step must act; most plans start from a top level that does.
            if self.chance(0.95):
                scenario["eventSwitches"] = self.event_switches(acting=True)
        if self.chance(0.08):
            scenario["history"] = [self.history_entry()
                                   for _ in range(self.rng.randint(0, 12))]
        elif self.chance(0.005):
            scenario["history"] = [self.history_entry() for _ in range(1000)]
        # The order of the members plays no part; shuffle it now and then.
        if self.chance(0.2):
            keys = list(scenario)
            self.rng.shuffle(keys)
            scenario = {k: scenario[k] for k in keys}
        return scenario

    def marathon(self, scenario):
        """Units that fight on and on: 突撃, 流星 and 勇者 with a technique that makes 流星 pass,
        little or no damage and much HP, so that the battle fills the log's 256 entries or comes
        near it."""
        long_skills = [2, 4, 6, 8, 9, 12, 15]  # 大盾 月光 流星 勇者 突撃 呪い 反撃
        for side in ("ally", "enemy"):
            unit = scenario.setdefault(side, self.unit(side))
            skills = [0] * SKILL_COUNT
            for k in long_skills:
                skills[k] = 1 if k in (6, 8, 9) or self.chance(0.7) else 0
            unit["skills"] = skills
            unit["technique"] = self.rng.choice([60, 100, 200, FIGURE_HIGH])
            unit["attack"] = self.rng.randint(0, 3)
            unit["defense"] = self.rng.randint(5, 20)
            unit["hp"] = unit["maxHp"] = self.rng.choice([200, 999, FIGURE_HIGH])
        scenario["ally"]["attackSpeed"] = self.rng.randint(8, 14)
        scenario["enemy"]["attackSpeed"] = self.rng.randint(2, 8)

    def advanced(self):
        """A scenario that advance wrote, after one to three 実行 in a row, or None."""
        scenario = self.scenario()
        scenario.pop("steps", None)
        scenario["ally"] = self.unit("ally")
        scenario["ally"]["name"] = self.rng.choice(self.allies)[0]
        scenario["eventSwitches"] = self.rng.choice(
            [[0, 1, 0, 0], [0, 1, 1, 0], [0, 0, 1, 0], [0, 1, 1, 1], [0, 0, 0, 1]])
        text = json.dumps(scenario, ensure_ascii=False).encode("utf-8")
        written = None
        for _ in range(self.rng.randint(1, 3)):
            path = os.path.join(self.program.work, "scenarios", "advance-input.json")
            with open(path, "wb") as f:
                f.write(text)
            answer = self.program.call(["advance", "scenarios/advance-input.json", "--json"])
            if answer is None or answer[2] != 0:
                break
            text = written = answer[0]
        try:
            os.remove(os.path.join(self.program.work, "scenarios", "advance-input.json"))
        except OSError:
            pass
        return written

    def broken(self, scenario):
        """The scenario with one fault the reader must refuse, as the file's bytes."""
        s = json.loads(json.dumps(scenario))
        unit = lambda: s.setdefault(self.rng.choice(["ally", "enemy"]), {})

        def lane():
            lanes = s.get("lanes")
            if not isinstance(lanes, list) or not lanes:
                s["lanes"] = lanes = [{}]
            return lanes[0]

        def set_in(target, key, value):
            target[key] = value

        faults = [
            # Values out of range.
            lambda: set_in(unit(), self.rng.choice(FIGURES + ["followUpCritFactor"]),
                           self.rng.choice([-1000, 10000, 2**31, -2**31 - 1, 2**63, 2**64 + 1])),
            lambda: set_in(lane(), "position", self.rng.choice([0, -1, 4974, 5004, 99999])),
            lambda: set_in(lane(), "seedIndex", self.rng.choice([-1, 64, 100])),
            lambda: set_in(s, "levelUpWanted", [0] * 8 + [self.rng.choice([3, -1])]),
            lambda: set_in(s, "growthRates", [10] * 9 + [self.rng.choice([-1000, 10000])]),
            lambda: set_in(s, "allyCondition", {"n": self.rng.choice([-1000, 10000])}),
            lambda: set_in(s, "enemyCondition", {"type": 2**31}),
            lambda: set_in(s, "predictSwitch", self.rng.choice([2**31, -2**31 - 1])),
            lambda: set_in(s, "booksHeld", [0] * 11 + [2**32]),
            lambda: set_in(unit(), "skills", [0] * 15 + [-2**31 - 1]),
            lambda: set_in(s, "history", [dict(self.history_entry(), count=257)]),
            lambda: set_in(s, "history", [dict(self.history_entry(), grown=[0] * 8 + [2])]),
            lambda: set_in(s, "history", [dict(self.history_entry(), reMove=2)]),
            lambda: set_in(s, "history", [dict(self.history_entry(), allyHp=[0, 10000])]),
            lambda: set_in(s, "history", [dict(self.history_entry(), position=0)]),
            # Unknown members.
            lambda: set_in(s, self.rng.choice(["allies", "Lanes", "lane", "mark", "", "ally "]), 1),
            lambda: set_in(unit(), self.rng.choice(["nam", "hpMax", "skill", "listIndex"]), 1),
            lambda: set_in(lane(), "seed", 0),
            lambda: set_in(s, "steps", [{}, {"lanes": []}]),
            lambda: set_in(s, "steps", [{"marks": ""}]),
            lambda: set_in(s, "steps", [{"history": []}]),
            lambda: set_in(s, "steps", [{"steps": [{}]}]),
            lambda: set_in(s, "allyCondition", {"type": 1, "m": 0}),
            lambda: set_in(s, "history", [dict(self.history_entry(), hp=[0, 0])]),
            # Wrong types and shapes.
            lambda: set_in(unit(), self.rng.choice(FIGURES),
                           self.rng.choice(["10", 10.5, 1.0, True, None, [], {}, 1e3])),
            lambda: set_in(unit(), "name", self.rng.choice([5, None, ["アルト"], True])),
            lambda: set_in(unit(), "skills", self.rng.choice([[0] * 15, [0] * 17, 0, "0", {}])),
            lambda: set_in(s, "eventSwitches", self.rng.choice([[0, 1, 0], [0, 1, 0, 0, 0], 1,
                                                                [0, "1", 0, 0], [0, 1.0, 0, 0]])),
            lambda: set_in(s, "lanes", self.rng.choice([{}, [{}, {}, {}], [[]], [1], "0"])),
            lambda: set_in(s, "steps", self.rng.choice([[], [{}] * 17, {}, [[]], [1], None])),
            lambda: set_in(s, "steps", [{"eventSwitches": self.rng.choice(
                [[1, 0, 0, 0], [0, 0, 0, 0], [0, 2, 2, 2]])}]),
            lambda: set_in(s, "marks", self.rng.choice([5, None, ["○"], {}])),
            lambda: set_in(s, "history", self.rng.choice([{}, 0, [0], [[]]])),
            lambda: set_in(s, "history", [{k: v for k, v in self.history_entry().items()
                                           if k != self.rng.choice(["seedIndex", "position",
                                                                    "count"])}]),
            lambda: set_in(s, "history", [self.history_entry() for _ in range(1001)]),
            lambda: set_in(s, "allyCondition", self.rng.choice([[0, 0, 1], 0, None])),
            lambda: set_in(s, "levelUpWanted", [1] * 9 + [1]),
            lambda: set_in(s, "booksHeld", [0] * 12 + [0]),
            lambda: set_in(s, "growthRates", [10] * 9),
            # Texts the reader cannot take.
            lambda: set_in(unit(), "name", self.rng.choice(
                ["한글", "😀", "Ä", "€", "ア\u0000ル", "\u0000", "あいうえおかきくけこさしすせそた",
                 "12345678901234567890123456789012", "ｱ" * 32, "\ufeff"])),
            lambda: set_in(s, "marks", self.rng.choice(
                ["○×😀", "한", "○" * 250, "x" * 500, "○" * 249 + "xx", "\u20ac"])),
        ]
        self.rng.choice(faults)()
        return self.encode(s)

    def bad_json(self, scenario):
        """Bytes that are not one JSON object the reader takes."""
        text = self.encode(scenario)
        cut = self.rng.randint(0, max(0, len(text) - 1))
        choices = [
            text[:cut],
            b"",
            b"   \n",
            b"null",
            b"[]",
            b"\"scenario\"",
            b"42",
            text + b"}",
            text + b" {}",
            text.replace(b"}", b",}", 1),
            text.replace(b"\"", b"'", 2),
            b"// a scenario\n" + text,
            b"{\"predictSwitch\": NaN}",
            b"{\"predictSwitch\": 1e400}",
            b"{\"predictSwitch\": 99999999999999999999999}",
            b"{\"predictSwitch\": -9223372036854775809}",
            b"{\"predictSwitch\": 18446744073709551615}",
            b"{\"predictSwitch\": 01}",
            b"{\"predictSwitch\": 0x1}",
            b"{\"ally\": {\"name\": \"\xff\xfe\"}}",
            b"{\"ally\": {\"name\": \"\x83\x41\x83\x8b\x83\x67\"}}",
            b"{\"ally\": {\"name\": \"\\ud800\"}}",
            b"{\"marks\": \"\\udc00\\u25cb\"}",
            b"{\"ally\": {\"name\": \"a\nb\"}}",
            b"\xef\xbb\xbf" + text,
            b"\xff\xfe{\x00}\x00",
            b"[" * 600 + b"]" * 600,
            b"{\"lanes\": " + b"[" * 300 + b"]" * 300 + b"}",
            b"{\"predictSwitch\": 1, \"predictSwitch\": 2}",
            b"\x00",
            text[:cut] + b"\x00" + text[cut:],
        ]
        return self.rng.choice(choices)

    def encode(self, scenario):
        """The scenario's JSON as a file holds it, in one of a few layouts."""
        ascii_only = self.chance(0.1)
        layout = self.weighted([(45, None), (40, 2), (15, "compact")])
        if layout == "compact":
            text = json.dumps(scenario, ensure_ascii=ascii_only, separators=(",", ":"))
        else:
            text = json.dumps(scenario, ensure_ascii=ascii_only, indent=layout)
        newline = self.weighted([(80, "\n"), (10, "\r\n"), (10, "")])
        if newline == "\r\n":
            text = text.replace("\n", "\r\n")
        return (text + newline).encode("utf-8")

    # Command lines -----------------------------------------------------------------------

    def seen(self, name):
        """Options for locate: what run --json gives lane 0, now and then changed or senseless."""
        if name not in self.reports:
            self.reports[name] = self.program.json_of(["run", name])
        report = self.reports[name]
        lane = None
        if isinstance(report, dict) and isinstance(report.get("lanes"), list) and report["lanes"]:
            lane = report["lanes"][0]
            if isinstance(lane, dict) and isinstance(lane.get("steps"), list) and lane["steps"]:
                lane = lane["steps"][0]
        if not isinstance(lane, dict):
            lane = {}
        codes = lane.get("codes") if isinstance(lane.get("codes"), list) else []
        success = lane.get("success") if isinstance(lane.get("success"), list) else []
        outcome = dict(zip(codes, success))
        available = []
        if any(isinstance(c, int) and c <= 12 for c in codes):
            available += [["--ally-hp", str(lane.get("allyHpAfterBattle", 0))],
                          ["--enemy-hp", str(lane.get("enemyHpAfterBattle", 0))]]
        if any(isinstance(c, int) and 13 <= c <= 21 for c in codes):
            grown = [1 if outcome.get(13 + k) == 1 else 0 for k in range(STAT_COUNT)]
            available.append(["--grown", ",".join(map(str, grown))])
        if 22 in outcome:
            available.append(["--re-move", str(outcome[22])])
        if not available:
            available = [["--ally-hp", "0"], ["--enemy-hp", "0"], ["--grown", "0,0,0,0,0,0,0,0,0"],
                         ["--re-move", "0"]]
        chosen = [option for option in available if self.chance(0.6)] or \
            [self.rng.choice(available)]
        kind = self.weighted([(65, "seen"), (20, "changed"), (15, "senseless")])
        if kind == "changed":
            option = self.rng.choice(chosen)
            if option[0] == "--grown":
                flags = option[1].split(",")
                k = self.rng.randrange(len(flags))
                flags[k] = "1" if flags[k] == "0" else "0"
                option[1] = ",".join(flags)
            elif option[0] == "--re-move":
                option[1] = "1" if option[1] == "0" else "0"
            else:
                try:
                    option[1] = str(max(0, int(option[1]) + self.rng.choice([-3, -1, 1, 2, 10])))
                except ValueError:
                    pass
        elif kind == "senseless":
            chosen = self.weighted([
                (4, lambda: [["--ally-hp", self.rng.choice(
                    ["-1", "10000", "abc", "", "1.5", "+5", " 5", "0x10", "٣", "99999999999999999999"])]]),
                (3, lambda: [["--grown", self.rng.choice(
                    ["1,0", "2,0,0,0,0,0,0,0,0", "1,1,1,1,1,1,1,1,1,1", "", ",,,,,,,,",
                     "1 0 0 0 0 0 0 0 0", "-0,0,0,0,0,0,0,0,0"])]]),
                (2, lambda: [["--re-move", self.rng.choice(["2", "-1", "yes", ""])]]),
                (2, lambda: [["--enemy-hp", "5"], ["--enemy-hp", "6"]]),
                (2, []),
                (2, lambda: [["--ally-hp", "10"], ["--re-move", "1"], ["--grown",
                                                                      "1,1,1,1,1,1,1,1,1"]]),
                (1, lambda: [["--seed", "3"]]),
            ])
        args = [part for option in chosen for part in option]
        return args

    def commands(self, name, data_ok):
        """The command lines for one scenario file (scenarios/NAME)."""
        path = "scenarios/" + name
        lines = [
            ["run", path, "--json"],
            ["run", path],
            ["search", path, "--json"],
            ["search", path, "--json", "--details"],
            ["advance", path, "--json"],
            ["advance", path],
        ]
        if self.chance(0.5):
            lines.append(["search", path, "--marks", self.marks(), "--json"])
        if self.chance(0.6):
            lines.append(["search", path])
        if self.chance(0.25):
            lines.append(["search", path, "--details"])
        if self.chance(0.1):
            lines.append(["search", path, "--details", "--marks", self.marks()])
        if self.chance(0.15):
            lines.append(["estimate", path, "--json"])
        if self.chance(0.1):
            lines.append(["estimate", path])
        locates = 2 if self.chance(0.3) else 1
        for _ in range(locates):
            seen = self.seen(path) if data_ok else ["--ally-hp", "1"]
            line = ["locate", path] + seen
            if self.chance(0.3):
                line += ["--marks", self.marks()]
            if self.chance(0.5):
                line.append("--json")
            lines.append(line)
        out = []
        for line in lines:
            # Options may stand anywhere; now and then --data-dir or --json does not come first
            # or last.
            where = self.weighted([(90, "first"), (5, "last"), (5, "middle")])
            if where == "first":
                line = ["--data-dir", "data"] + line
            elif where == "last":
                line = line + ["--data-dir", "data"]
            else:
                line = [line[0], "--data-dir", "data"] + line[1:]
            out.append(line)
        return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cli", required=True, help="soramito-cli to ask (the newer build)")
    parser.add_argument("--work", required=True, help="folder that holds data/ and gets the rest")
    parser.add_argument("--count", type=int, default=300)
    parser.add_argument("--seed", type=int, default=1)
    options = parser.parse_args()
    if options.count < 1:
        parser.error("--count must be 1 or more")

    work = options.work
    rng = random.Random(options.seed)
    program = Program(os.path.abspath(options.cli), work)
    allies, enemies = read_units(os.path.join(work, "data", "character.txt"))
    growth = read_growth(os.path.join(work, "data", "grow.txt"))
    generator = Generator(rng, program, allies, enemies, growth)
    os.makedirs(os.path.join(work, "scenarios"), exist_ok=True)

    commands = []
    width = len(str(options.count))
    for i in range(1, options.count + 1):
        name = "s%0*d.json" % (width, i)
        kind = generator.weighted([(80, "good"), (6, "advanced"), (10, "broken"),
                                   (3, "bad json"), (1, "missing")])
        data = None
        if kind == "advanced":
            data = generator.advanced()
            if data is not None and generator.chance(0.3):
                # The record kept, the rest changed as a hand might change it.
                try:
                    scenario = json.loads(data.decode("utf-8"))
                    scenario["lanes"] = generator.lanes()
                    data = generator.encode(scenario)
                except (UnicodeDecodeError, ValueError):
                    pass
            if data is None:
                kind = "good"
        if kind == "good":
            data = generator.encode(generator.scenario())
        elif kind == "broken":
            data = generator.broken(generator.scenario())
        elif kind == "bad json":
            data = generator.bad_json(generator.scenario())
        if data is not None:
            with open(os.path.join(work, "scenarios", name), "wb") as f:
                f.write(data)
        for args in generator.commands(name, data is not None):
            commands.append({"scenario": name, "kind": kind, "args": args})

    with open(os.path.join(work, "commands.json"), "w", encoding="utf-8") as f:
        json.dump(commands, f, ensure_ascii=False, indent=0)
        f.write("\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
