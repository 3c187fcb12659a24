// Showing and hiding the record-file panel.

#include "board/game_state.h"
#include "drawing_fixture.h"

namespace bexoru::test {
namespace {

using PanelDrawing = DrawingTest;

TEST_F(PanelDrawing, ListsFollowTheirThreeFlagsInOrder) {
    struct Row {
        const char* name;
        int drive, folder, file;
    };
    const Row rows[] = {
        {"reading a record shows all three", ON, ON, ON},
        {"writing hides the file list", ON, ON, OFF},
        {"hiding everything", OFF, OFF, OFF},
        {"each flag on its own control", OFF, ON, OFF},
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
        EXPECT_EQ(port.shown(PanelControl::Drive1), row.drive == ON);
        EXPECT_EQ(port.shown(PanelControl::Dir1), row.folder == ON);
        EXPECT_EQ(port.shown(PanelControl::File1), row.file == ON);
        EXPECT_TRUE(port.of(Call::ClearName).empty()) << "the lists keep the typed name";
    }
}

TEST_F(PanelDrawing, NamePanelShowsForModeZeroAndEmptiesWhenHidden) {
    const PanelControl namePanel[] = {PanelControl::Text1, PanelControl::Label1, PanelControl::Command1};

    描画.描画_棋譜_IO(0);
    for (PanelControl c : namePanel) EXPECT_TRUE(port.shown(c));
    EXPECT_FALSE(port.shown(PanelControl::File1)) << "the lists are left alone";
    EXPECT_TRUE(port.of(Call::ClearName).empty());

    port.typedName = "対局1";
    描画.描画_棋譜_IO(0);
    EXPECT_EQ(port.nameText(), "対局1") << "showing again keeps what was typed";

    for (int mode : {1, 2, -1}) {
        SCOPED_TRACE(mode);
        port.typedName = "対局1";
        描画.描画_棋譜_IO(0);
        port.clear();
        描画.描画_棋譜_IO(mode);
        for (PanelControl c : namePanel) EXPECT_FALSE(port.shown(c));
        EXPECT_EQ(port.nameText(), "");
        ASSERT_FALSE(port.calls.empty());
        EXPECT_EQ(port.calls.front().kind, Call::ClearName);
    }
}

}  // namespace
}  // namespace bexoru::test
