// Showing and hiding the record-file panel.

#include "drawing_fixture.h"

namespace bexoru::test {
namespace {

using PanelDrawing = DrawingTest;

TEST_F(PanelDrawing, ListsFollowTheirThreeFlagsInOrder) {
    struct Row {
        const char* name;
        bool drive, folder, file;
    };
    const Row rows[] = {
        {"reading a record shows all three", true, true, true},
        {"writing hides the file list", true, true, false},
        {"hiding everything", false, false, false},
        {"each flag on its own control", false, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        port.clear();
        描画.描画_可視(row.drive, row.folder, row.file);
        const auto panel = port.of(Call::Panel);
        ASSERT_EQ(panel.size(), 3u);
        EXPECT_EQ(panel[0].panel, PanelControl::Drive1);
        EXPECT_EQ(panel[1].panel, PanelControl::Dir1);
        EXPECT_EQ(panel[2].panel, PanelControl::File1);
        EXPECT_EQ(port.shown(PanelControl::Drive1), row.drive);
        EXPECT_EQ(port.shown(PanelControl::Dir1), row.folder);
        EXPECT_EQ(port.shown(PanelControl::File1), row.file);
        EXPECT_TRUE(port.of(Call::ClearName).empty()) << "the lists keep the typed name";
    }
}

TEST_F(PanelDrawing, NamePanelShowsForSavingAndEmptiesWhenHidden) {
    const PanelControl namePanel[] = {PanelControl::Text1, PanelControl::Label1, PanelControl::Command1};

    描画.描画_棋譜_IO(棋譜IO::書込);
    for (PanelControl c : namePanel) EXPECT_TRUE(port.shown(c));
    EXPECT_FALSE(port.shown(PanelControl::File1)) << "the lists are left alone";
    EXPECT_TRUE(port.of(Call::ClearName).empty());

    port.typedName = "対局1";
    描画.描画_棋譜_IO(棋譜IO::書込);
    EXPECT_EQ(port.nameText(), "対局1") << "showing again keeps what was typed";

    port.typedName = "対局1";
    描画.描画_棋譜_IO(棋譜IO::書込);
    port.clear();
    描画.描画_棋譜_IO(棋譜IO::非表示);
    for (PanelControl c : namePanel) EXPECT_FALSE(port.shown(c));
    EXPECT_EQ(port.nameText(), "");
    ASSERT_FALSE(port.calls.empty());
    EXPECT_EQ(port.calls.front().kind, Call::ClearName);
}

}  // namespace
}  // namespace bexoru::test
