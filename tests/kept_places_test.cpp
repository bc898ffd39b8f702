// Finding the place of the game with no marks: locate over every sequence, the places kept in
// the session, and 実行 narrowing them.

#include <algorithm>
#include <fstream>
#include <tuple>

#include "search/locate.h"
#include "state/advance.h"
#include "state/kept_positions.h"
#include "state/scenario_file.h"
#include "text/scenario_codec.h"
#include "worked_units.h"

namespace {

Session sample_battle() {
    std::ifstream file(std::string(SORAMITO_SAMPLES_DIR) + "/worked-battle.json");
    return read_scenario(std::string(std::istreambuf_iterator<char>(file), {}), kScenarioCodec)
        .session;
}

std::vector<LocatedPosition> located(const Session& session, const PositionSet& where,
                                     const Observations& seen) {
    std::vector<LocatedPosition> found(kSeedCount * kLastLanePosition);
    found.resize(locate_positions(session.action, generated_table(), where,
                                  session.lanes[0].position, seen, found));
    return found;
}

// The worked battle's two HPs (40 and 0) over every sequence from lane 0 at 2000: exactly the
// places where run gives them, each tried on its own and sorted by distance, then sequence.
TEST(Locate, OverEverySequenceFindsEveryPlaceRunFindsNearestFirst) {
    Session session = sample_battle();
    const Observations seen{40, 0, {}, {}};
    session.lanes[0].position = 2000;
    std::vector<LocatedPosition> expected;
    PositionSet all;
    for (int seed = 0; seed < kSeedCount; ++seed) {
        all.add_sequence(seed);
        for (int position = kFirstLanePosition; position <= kLastLanePosition; ++position) {
            const SequenceRun run =
                run_action_at(session.action, generated_table(), seed, position);
            if (run.allyHpAfterBattle == 40 && run.enemyHpAfterBattle == 0) {
                expected.push_back({seed, position, position - 2000, position + run.log.count});
            }
        }
    }
    std::sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
        return std::tuple(std::abs(a.offset), a.offset, a.seedIndex) <
               std::tuple(std::abs(b.offset), b.offset, b.seedIndex);
    });
    const std::vector<LocatedPosition> found = located(session, all, seen);
    EXPECT_EQ(found.size(), 50399u);
    EXPECT_EQ(found, expected);
    session.lanes[0].position = 1;
    // Kept places: those alone, each once, whatever their sequence; places that give it (1 and 19
    // of sequence 0, 1 of 4) and one that does not (2 of 0).
    PositionSet kept;
    for (const LaneCursor& place : {LaneCursor{4, 1}, {0, 19}, {0, 2}, {0, 1}, {4, 1}}) {
        kept.add(place);
    }
    EXPECT_EQ(located(session, kept, seen),
              (std::vector<LocatedPosition>{{0, 1, 0, 12}, {4, 1, 0, 15}, {0, 19, 18, 30}}));
}

// Lane 0 on a place of its own: the kept places that do what lane 0 did are kept where they
// lead, and the only one takes lane 0 there; none left empties the list and lane 0 goes on as
// without it; an outcome of no part seen keeps every place; a place led past 4973 goes; a
// refusal changes nothing.
TEST(KeptPlaces, OneLeftTakesLaneZeroNoneLeftEmptiesTheListARefusalKeepsIt) {
    const Session battle = sample_battle();
    const auto advance = [](Session session, const std::vector<LaneCursor>& kept) {
        session.kept = kept;
        advance_past_action(session, generated_table());
        return std::pair(session.lanes[0], session.kept);
    };
    using Result = std::pair<LaneCursor, std::vector<LaneCursor>>;
    EXPECT_EQ(advance(battle, {{0, 2}, {4, 1}, {0, 2}}), (Result{{4, 15}, {}}));
    EXPECT_EQ(advance(battle, {{0, 19}, {0, 2}, {4, 1}}), (Result{{0, 12}, {{0, 30}, {4, 15}}}));
    EXPECT_EQ(advance(battle, {{0, 2}}), (Result{{0, 12}, {}}));
    // A level-up at rates of 0 grows nothing anywhere and uses 9 values; a re-move at a rate of
    // 0 uses none and shows nothing.
    Session levelUp = battle;
    levelUp.action.eventSwitches = {0, 0, 1, 0};
    levelUp.action.growthRates = {};
    EXPECT_EQ(advance(levelUp, {{1, 4970}, {0, 2}, {1, 4960}}),
              (Result{{0, 10}, {{0, 11}, {1, 4969}}}));
    Session nothingSeen = levelUp;
    nothingSeen.action.eventSwitches = {0, 0, 0, 1};
    EXPECT_EQ(advance(nothingSeen, {{1, 4973}, {0, 2}, {1, 4973}}),
              (Result{{0, 1}, {{0, 2}, {1, 4973}}}));
    Session atTheEnd = battle;
    atTheEnd.lanes[0].position = 4970;
    EXPECT_EQ(advance(atTheEnd, {{0, 2}, {4, 1}}), (Result{{0, 4970}, {{0, 2}, {4, 1}}}));
}

// The list as a file holds it: read as written, duplicates and order kept; written last, a place
// a line, only when it holds any, so that every other file stays as it was; at most 65,536
// places in range.
TEST(KeptPlaces, AreReadAsWrittenWrittenOnlyWhenThereAreAnyAndRefusedOutOfRange) {
    const Session read =
        read_scenario(R"({"kept": [[63, 4973], [0, 1], [63, 4973]]})", kScenarioCodec).session;
    EXPECT_EQ(read.kept, (std::vector<LaneCursor>{{63, 4973}, {0, 1}, {63, 4973}}));
    const std::string written = write_scenario(read, kScenarioCodec);
    EXPECT_TRUE(
        written.ends_with("\"kept\": [\n    [63, 4973],\n    [0, 1],\n    [63, 4973]\n  ]\n}\n"));
    EXPECT_EQ(read_scenario(written, kScenarioCodec).session, read);
    const std::string full = "{\"kept\": [" + repeated(kKeptCapacity, "[0, 1]", ", ");
    EXPECT_EQ(read_scenario(full + "]}", kScenarioCodec).session.kept.size(), kKeptCapacity);
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> refused = {
        {full + ", [0, 1]]}", "scenario field kept must be an array of at most 65536 pairs [seedIndex, position]"},
        {R"({"kept": {}})", "scenario field kept must be an array of at most 65536 pairs [seedIndex, position]"},
        {R"({"kept": [[0, 1], [0]]})", "scenario field kept[1] must be a pair [seedIndex, position]"},
        {R"({"kept": [[0, 1, 2]]})", "scenario field kept[0] must be a pair [seedIndex, position]"},
        {R"({"kept": [[64, 1]]})", "scenario field kept[0][0] must be 0 to 63"},
        {R"({"kept": [[-1, 1]]})", "scenario field kept[0][0] must be 0 to 63"},
        {R"({"kept": [[0, 0]]})", "scenario field kept[0][1] must be 1 to 4973"},
        {R"({"kept": [[0, 4974]]})", "scenario field kept[0][1] must be 1 to 4973"},
        {R"({"kept": [[0, 18446744073709551615]]})", "scenario field kept[0][1] must be 1 to 4973"},
        {R"({"kept": [[0, "1"]]})", "scenario field kept[0][1] must be an integer"}};
    // clang-format on
    for (const auto& [text, message] : refused) {
        try {
            read_scenario(text, kScenarioCodec);
            ADD_FAILURE() << text.substr(0, 40);
        } catch (const ScenarioError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

}  // namespace
