#include "menu/core/EntryFind.h"
#include "menu/core/EntryModel.h"
#include "menu/core/ShownEntries.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace corvane::menu {
namespace {

std::vector<std::string> Names(const EntryModel& model) {
    std::vector<std::string> names;
    for (std::size_t index = 0; index < model.Size(); ++index) {
        names.emplace_back(model[index].Name());
    }
    return names;
}

// A model with one entry per name; targets are "<name>.exe", no switches.
EntryModel ModelOf(const std::vector<std::string>& names) {
    EntryModel model;
    for (const std::string& name : names) {
        model.Append(name, name + ".exe", "");
    }
    return model;
}

TEST(EntryModel, EntriesKeepTheirIdentityThroughReplaceAndRemove) {
    EntryModel model;
    const EntryId editor = model.Append("Editor", "Apps\\editor.exe", "/x");
    const EntryId player = model.Append("Player", "Apps\\player.exe", "");
    const EntryId notes = model.Append("Notes", "Apps\\notes.exe", "");
    EXPECT_NE(editor, 0u);
    EXPECT_NE(editor, player);
    EXPECT_NE(player, notes);

    EXPECT_TRUE(model.Replace(player, "Media Player", "Apps\\media.exe", "/fullscreen"));
    EXPECT_EQ(model.IndexOf(player), 1u);
    EXPECT_EQ(model[1].Id(), player);
    EXPECT_EQ(model[1].Target(), "Apps\\media.exe");
    EXPECT_EQ(model[1].Switches(), "/fullscreen");

    EXPECT_TRUE(model.Remove(editor));
    EXPECT_EQ(model.IndexOf(editor), std::nullopt);
    EXPECT_EQ(model.IndexOf(notes), 1u) << "later entries move up and are still found";
    EXPECT_FALSE(model.Remove(editor));
    EXPECT_FALSE(model.Replace(editor, "Back", "again.exe", ""));
    EXPECT_NE(model.Append("New", "new.exe", ""), editor) << "an identity is never given twice";
    EXPECT_EQ(Names(model), (std::vector<std::string>{"Media Player", "Notes", "New"}));
}

// Duplicating an entry hands the model views into its own storage, which growing may move.
TEST(EntryModel, AnEntryCanBeCopiedAndRewrittenFromItsOwnTexts) {
    EntryModel model;
    const EntryId original =
        model.Append("Редактор", "Apps\\a long enough target to be on the heap.exe", "/x");
    for (int copy = 0; copy < 20; ++copy) {
        model.Append(model[0].Name(), model[0].Target(), model[0].Switches());
    }
    EXPECT_TRUE(model.Replace(original, model[0].Target(), model[0].Name(), model[0].Switches()));
    EXPECT_EQ(model[20].Name(), "Редактор");
    EXPECT_EQ(model[20].Target(), "Apps\\a long enough target to be on the heap.exe");
    EXPECT_EQ(model[0].Name(), model[20].Target());
    EXPECT_EQ(model[0].Target(), "Редактор");
}

TEST(EntryModel, ReorderRefusesOrdersThatAreNotAPermutationAndLeavesEntriesAsTheyWere) {
    EntryModel model = ModelOf({"a", "b", "c"});
    const std::vector<std::string> before = Names(model);
    const std::vector<std::vector<std::size_t>> refused = {{},        {0, 1},    {0, 1, 2, 0},
                                                           {0, 0, 1}, {2, 1, 3}, {SIZE_MAX, 0, 1}};
    for (const auto& order : refused) {
        EXPECT_FALSE(model.Reorder(order)) << order.size() << " indexes";
        EXPECT_EQ(Names(model), before);
    }

    const EntryId firstId = model[0].Id();
    const std::array<std::size_t, 3> reversed = {2, 1, 0};
    EXPECT_TRUE(model.Reorder(reversed));
    EXPECT_EQ(Names(model), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_EQ(model.IndexOf(firstId), 2u) << "identities move with their entries";
    EXPECT_EQ(model[2].Target(), "a.exe");
}

TEST(EntryModel, FieldTextsGivesEachColumnWithEmptyFieldsKept) {
    EntryModel model;
    model.Append("Editor", "editor.exe", "/x");
    model.Append("", "", "");
    model.Append("Ж", "", "/y");
    EXPECT_EQ(model.FieldTexts(EntryField::Name), (std::vector<std::string_view>{"Editor", "", "Ж"}));
    EXPECT_EQ(model.FieldTexts(EntryField::Target), (std::vector<std::string_view>{"editor.exe", "", ""}));
    EXPECT_EQ(model.FieldTexts(EntryField::Switches), (std::vector<std::string_view>{"/x", "", "/y"}));
    EXPECT_TRUE(EntryModel().FieldTexts(EntryField::Name).empty());
}

TEST(ShownEntries, ShowAllShowsEveryIndexInItsOwnRow) {
    ShownEntries shown;
    shown.ShowAll(4);
    EXPECT_FALSE(shown.Narrowed());
    EXPECT_EQ(shown.Rows(), 4u);
    for (std::size_t row = 0; row < 4; ++row) {
        EXPECT_EQ(shown.IndexAt(row), row);
        EXPECT_EQ(shown.RowOf(row), row);
    }
    EXPECT_EQ(shown.RowOf(4), std::nullopt);
}

TEST(ShownEntries, ShowOnlyMapsRowsAndIndexesBothWaysAndShowAllUndoesIt) {
    ShownEntries shown;
    shown.ShowOnly({1, 4, 7});
    EXPECT_TRUE(shown.Narrowed());
    ASSERT_EQ(shown.Rows(), 3u);
    for (std::size_t row = 0; row < shown.Rows(); ++row) {
        EXPECT_EQ(shown.RowOf(shown.IndexAt(row)), row);
    }
    EXPECT_EQ(shown.IndexAt(1), 4u);
    for (const std::size_t hidden : {0u, 2u, 5u, 8u}) {
        EXPECT_EQ(shown.RowOf(hidden), std::nullopt) << hidden;
    }

    shown.ShowOnly({});
    EXPECT_EQ(shown.Rows(), 0u) << "a find that matches nothing shows no rows, not every row";
    EXPECT_EQ(shown.RowOf(0), std::nullopt);

    shown.ShowAll(9);
    EXPECT_FALSE(shown.Narrowed());
    EXPECT_EQ(shown.RowOf(5), 5u);
}

struct FindCase {
    const char* text;
    const char* part;
    bool found;
};

// Both find rules over the same kinds of text; `part` is what the user typed.
const FindCase kContains[] = {
    {"Notepad", "PAD", true},
    {"Notepad", "pads", false},
    {"", "", true},
    {"Notepad", "", true},
    {"", "a", false},
    {"CAFÉ CRÈME", "café crème", true},
    {"ŁÓDŹ Œuvre", "łódź œu", true},
    {"×", "÷", false},  // U+00D7 and U+00F7 are no letter pair, though they sit where one would be
    {"БЛОКНОТ", "блок", true},
    {"Ёлка", "ЁЛ", true},
    {"ΟΔΟΣ", "οδος", true},  // the final sigma folds like any other
    {"ΣΟΦΙΑ", "σοφ", true},
    {"Straße", "STRASSE", false},  // one character never folds to two
    {"ſtop", "STOP", true},        // the long s folds to an s of fewer bytes
    {"\xE2\x84\xAA"
     "elvin",
     "kelvin", true},  // and so does the Kelvin sign to k
    {"日本語メモ", "本語", true},
    {"😀 Smile", "😀", true},
    {"😀", "😁", false},
    {"caf\xE9", "CAF\xE9", true},       // a lone Latin-1 byte still matches itself
    {"\xC9t\xE9", "\xE9t\xE9", false},  // but lone bytes are no letters to fold
    {"ab\xC3", "B\xC3", true},          // a cut-off character at the end
    {"\xC3", "\xC3\xA9", false},
    {"\x80\x80\x80", "\x80\x80", true},
    {"\xC1\x81", "a", false},  // an overlong A is no A
    {"é", "\xC3", false},      // half a character matches no whole one
};

const FindCase kStartsWith[] = {
    {"Notepad", "NOTE", true},
    {"Notepad", "pad", false},
    {"", "", true},
    {"ab", "abc", false},
    {"Éditeur", "é", true},
    {"Яндекс", "ян", true},
    {"Ωmega", "ω", true},
    {"st", "ſt", true},  // the typed text may take more bytes than the name it matches
    {"\xE9t\xE9", "\xE9", true},
    {"\xE9t\xE9", "\xC9", false},
    {"\xF0\x9F\x98", "\xF0\x9F\x98\x80", false},  // a cut emoji is not the whole one
};

TEST(EntryFind, ContainsIgnoringCase) {
    for (const FindCase& c : kContains) {
        EXPECT_EQ(ContainsIgnoringCase(c.text, c.part), c.found)
            << '"' << c.text << "\" / \"" << c.part << '"';
    }
}

TEST(EntryFind, StartsWithIgnoringCase) {
    for (const FindCase& c : kStartsWith) {
        EXPECT_EQ(StartsWithIgnoringCase(c.text, c.part), c.found)
            << '"' << c.text << "\" / \"" << c.part << '"';
    }
}

TEST(EntryFind, EntriesContainingLooksInNamesAndTargetsButNotSwitches) {
    EntryModel model;
    model.Append("Notepad", "Apps\\edit.exe", "");
    model.Append("Player", "Apps\\NOTES\\play.exe", "");
    model.Append("Paint", "Apps\\paint.exe", "/note");
    model.Append("", "", "");
    model.Append("Блокнот", "Apps\\bloknot.exe", "");
    EXPECT_EQ(EntriesContaining(model, "note"), (std::vector<std::uint32_t>{0, 1}));
    EXPECT_EQ(EntriesContaining(model, "БЛОК"), (std::vector<std::uint32_t>{4}));
    EXPECT_EQ(EntriesContaining(model, "nothing like it"), std::vector<std::uint32_t>{});
    EXPECT_EQ(EntriesContaining(model, ""), (std::vector<std::uint32_t>{0, 1, 2, 3, 4}))
        << "an empty find shows every entry, the one without texts too";
    EXPECT_TRUE(EntriesContaining(EntryModel(), "a").empty());
}

}  // namespace
}  // namespace corvane::menu
