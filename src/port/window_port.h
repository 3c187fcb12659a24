#pragma once
// The window port: the only way the core reaches the screen, the user and the
// platform. The core draws in twips (1/1440 inch, the window's coordinate
// unit) with 16-colour palette indices; the Qt window and the recording fake
// of the tests implement it. Nothing here knows about Qt.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "port/aids.h"

namespace bexoru {

// The character code the window passes to Form_KeyPress for the Escape key.
inline constexpr int キー_Escape = 27;

// The record-file panel's controls, shown and hidden one by one.
enum class PanelControl {
    Drive1,    // drive list
    Dir1,      // folder list
    File1,     // file list, filtered to "*.棋譜"
    Text1,     // the name box
    Label1,    // its caption "ﾌｧｲﾙ名 ："
    Command1,  // the "RETURN" button
};

// What a file dialog is asked for.
enum class FileDialog {
    Open,  // an existing file to read
    Save,  // a file to write; the caller asks before replacing one
};

class WindowPort {
public:
    virtual ~WindowPort() = default;

    // Drawing. Positions and sizes are in twips; colours are palette indices 0..15.
    virtual void setBackColor(int colour) = 0;
    // Paints the picture kept under a control name ("UE_HU", "KARA_MASU", "TITLE")
    // with its top-left corner at (x, y). An unknown name paints nothing.
    virtual void paintPicture(std::string_view name, double x, double y) = 0;
    virtual void fillBox(double x, double y, double width, double height, int colour) = 0;
    virtual void outlineBox(double x, double y, double width, double height, int colour) = 0;
    // Prints UTF-8 text with its top-left corner at (x, y), in the window's font.
    virtual void printText(double x, double y, std::string_view text, int fontSize, int colour) = 0;
    // Shows what has been drawn so far at once, even inside a long event.
    virtual void refresh() = 0;

    // Modal dialogs.
    virtual void messageBox(std::string_view title, std::string_view text, bool exclamation = false) = 0;
    virtual bool askYesNo(std::string_view title, std::string_view text) = 0;

    // Menu and panel.
    virtual void setMenuChecked(std::string_view control, bool checked) = 0;
    virtual bool isMenuChecked(std::string_view control) const = 0;
    virtual void setPanelVisible(PanelControl control, bool visible) = 0;
    virtual void clearNameText() = 0;
    // What the panel holds, for reading and writing records (UTF-8): the name
    // typed in Text1, the folder the file list shows (it follows the folder
    // list, also while hidden), and the name of the file last clicked in File1.
    virtual std::string nameText() const = 0;
    virtual std::string currentFolder() const = 0;
    virtual std::string clickedFile() const = 0;
    // Reads the file list's folder again, e.g. after a record was written.
    virtual void refreshFileList() = 0;

    // Platform.
    virtual void openUrl(std::string_view url) = 0;
    // Puts the text on the clipboard. A window without one drops it.
    virtual void copyText(std::string_view /*text*/) {}
    // A modal file dialog opened in the record panel's folder: the path chosen
    // (UTF-8), or nothing when cancelled. The filter is as the user sees it,
    // e.g. "PGN (*.pgn)". A window without one chooses nothing.
    virtual std::optional<std::string> chooseFile(FileDialog /*mode*/, std::string_view /*title*/,
                                                  std::string_view /*filter*/) {
        return std::nullopt;
    }
    // The about box "バージョン情報", modal: returns when it is closed. A window
    // without one shows nothing.
    virtual void showAbout() {}
    // The player's aids around the board (port/aids.h); a window without
    // them shows nothing.
    virtual void showAids(const 補助表示& /*aids*/) {}
    // The move list beside the board: line 0 is the starting position, line
    // n the position after the n-th move (a double move is one line), and
    // `current` the line of the position on the board. The window shows the
    // list whenever it is visible and passes clicks back as 棋譜一覧_選択.
    virtual void showMoveList(const std::vector<std::string>& /*lines*/, int /*current*/) {}
    // Shows or hides the move list; the board keeps its size either way.
    virtual void setMoveListVisible(bool /*visible*/) {}
    // Whether the window shows its texts in English. The controller always
    // hands over the Japanese texts; a window in English shows their English
    // from then on (menus at once, texts as they come). A window without a
    // translation stays Japanese.
    virtual void setEnglish(bool /*on*/) {}
    virtual void quit() = 0;

    // Work off the window thread: runs `work` on a thread of its own, then
    // `done` on the window thread from the window's event loop, after `work`
    // has returned. Meanwhile the window keeps painting and sends its events
    // as usual. `work` must read nothing the window thread may change (it is
    // given copies) and `done` must find out for itself whether its result is
    // still wanted. The Qt window never calls `done` inside this call; a
    // window without an event loop of its own (the default) runs both here
    // and now, so a caller must be ready for either.
    virtual void runInBackground(std::function<void()> work, std::function<void()> done) {
        work();
        done();
    }
};

}  // namespace bexoru
