#include "menu/core/ListHistory.h"

#include <gtest/gtest.h>

#include <array>

namespace corvane::menu {
namespace {

TEST(ListHistory, VersionNamesCarryTheSequenceAndTheDate) {
    const SavedTime saved{2026, 12, 7, 20, 22};
    EXPECT_EQ(VersionFileName(12, saved), "Data-000012-2026-12-07-2022.dat");
    EXPECT_EQ(VersionFileName(1234567, saved), "Data-1234567-2026-12-07-2022.dat")
        << "more digits when needed";
    EXPECT_EQ(SavedTimeText(saved), "2026-12-07 20:22");

    struct Case {
        const char* name;
        std::optional<std::uint64_t> sequence;  // nothing: not a version
    };
    const Case cases[] = {
        {"Data-000012-2026-12-07-2022.dat", 12},
        {"DATA-000012-2026-12-07-2022.DAT", 12},
        {"Data-7-1999-01-31-0000.dat", 7},
        {"Data-000012-2026-12-07-2022.dat.tmp", std::nullopt},
        {"Data-000012-2026-12-07-2022.dat.0a1b2c3d.tmp", std::nullopt},
        {"Data-000012-2026-13-07-2022.dat", std::nullopt},
        {"Data-000012-2026-12-07-2460.dat", std::nullopt},
        {"Data-000012-2026-12-07.dat", std::nullopt},
        {"Data--2026-12-07-2022.dat", std::nullopt},
        {"Data-12x-2026-12-07-2022.dat", std::nullopt},
        {"Data-9999999999999999999-2026-12-07-2022.dat", std::nullopt},
        {"Data.dat", std::nullopt},
        {"Notes-000012-2026-12-07-2022.dat", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto version = ParseVersionName(c.name);
        ASSERT_EQ(version.has_value(), c.sequence.has_value()) << c.name;
        if (version) {
            EXPECT_EQ(version->sequence, *c.sequence) << c.name;
            EXPECT_EQ(version->fileName, c.name);
        }
    }
    EXPECT_EQ(ParseVersionName(VersionFileName(42, saved))->saved, saved) << "a written name reads back";
}

// The history is ordered by sequence alone: a PC with a wrong clock writes dates out of order.
TEST(ListHistory, OrderNextNumberAndRemovalFollowTheSequence) {
    const std::vector<std::string> names = {
        "Data-000003-2030-01-01-0000.dat", "Data-000010-2001-01-01-0000.dat", "readme.txt",
        "Data-000001-2026-12-07-2022.dat", "Data-000002-1980-01-01-0000.dat"};
    const auto versions = VersionsAmong(names);
    ASSERT_EQ(versions.size(), 4u);
    EXPECT_EQ(versions[0].sequence, 10u);
    EXPECT_EQ(versions[3].sequence, 1u);
    EXPECT_EQ(NextSequence(names), 11u);
    EXPECT_EQ(NextSequence({}), 1u);

    const auto removed = VersionsToRemove(versions, 2);
    ASSERT_EQ(removed.size(), 2u);
    EXPECT_EQ(removed[0].sequence, 1u) << "the oldest goes first";
    EXPECT_EQ(removed[1].sequence, 2u);
    EXPECT_TRUE(VersionsToRemove(versions, 4).empty());

    std::vector<std::string> eleven;
    for (int sequence = 1; sequence <= 11; ++sequence) {
        eleven.push_back(VersionFileName(static_cast<std::uint64_t>(sequence), {2026, 1, 1, 0, 0}));
    }
    const auto overOne = VersionsToRemove(VersionsAmong(eleven));
    ASSERT_EQ(overOne.size(), 1u) << "ten are kept";
    EXPECT_EQ(overOne[0].fileName, eleven[0]);
}

TEST(ListHistory, OnlyAReorderOfTheSameEntriesCountsAsUnchanged) {
    const auto model = [](std::initializer_list<std::array<const char*, 3>> rows) {
        EntryModel entries;
        for (const auto& row : rows) {
            entries.Append(row[0], row[1], row[2]);
        }
        return entries;
    };
    const EntryModel list = model({{"A", "a.exe", ""}, {"B", "b.exe", "/s"}, {"A", "a.exe", ""}});
    struct Case {
        const char* what;
        EntryModel other;
        bool same;
    };
    const Case cases[] = {
        {"the same order", model({{"A", "a.exe", ""}, {"B", "b.exe", "/s"}, {"A", "a.exe", ""}}), true},
        {"reordered", model({{"B", "b.exe", "/s"}, {"A", "a.exe", ""}, {"A", "a.exe", ""}}), true},
        {"a duplicate removed", model({{"A", "a.exe", ""}, {"B", "b.exe", "/s"}}), false},
        {"a duplicate traded", model({{"A", "a.exe", ""}, {"B", "b.exe", "/s"}, {"B", "b.exe", "/s"}}),
         false},
        {"a switch changed", model({{"A", "a.exe", ""}, {"B", "b.exe", "/t"}, {"A", "a.exe", ""}}), false},
        {"fields swapped", model({{"a.exe", "A", ""}, {"B", "b.exe", "/s"}, {"A", "a.exe", ""}}), false},
        {"an entry added",
         model({{"A", "a.exe", ""}, {"B", "b.exe", "/s"}, {"A", "a.exe", ""}, {"", "", ""}}), false},
        {"emptied", EntryModel(), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SameEntriesInAnyOrder(list, c.other), c.same) << c.what;
        EXPECT_EQ(SameEntriesInAnyOrder(c.other, list), c.same) << c.what;
    }
    EXPECT_TRUE(SameEntriesInAnyOrder(EntryModel(), EntryModel()));
}

}  // namespace
}  // namespace corvane::menu
