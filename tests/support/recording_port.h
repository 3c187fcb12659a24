#pragma once
// Test doubles for the window port, the sound library and the clock. The
// recording port keeps every call in order so a test can assert what was
// drawn where and which message appeared; Yes/No questions are answered from
// a script, and a question the script did not expect fails the test. Work
// handed to a worker waits until the test runs it, as if the window's event
// loop had not come round to it yet.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "port/clock.h"
#include "port/sound_library.h"
#include "port/window_port.h"

namespace bexoru::test {

struct Call {
    enum Kind {
        BackColor,
        Picture,
        Fill,
        Outline,
        Text,
        Refresh,
        Message,
        Question,
        MenuCheck,
        Panel,
        ClearName,
        Url,
        Quit,
        RefreshFiles,
        About,
        Copy,        // name: the text put on the clipboard
        FileChoice,  // title, name: the filter, flag: a save dialog
        Background
    };
    Kind kind;
    std::string name{};   // picture, text, message text, menu control, url
    std::string title{};  // message and question titles
    double x = 0, y = 0, w = 0, h = 0;
    int size = 0;
    int colour = 0;
    bool flag = false;  // exclamation icon, check mark, visibility, answer
    PanelControl panel = PanelControl::Drive1;
};

class RecordingPort final : public WindowPort {
public:
    ~RecordingPort() override;

    void setBackColor(int colour) override;
    void paintPicture(std::string_view name, double x, double y) override;
    void fillBox(double x, double y, double width, double height, int colour) override;
    void outlineBox(double x, double y, double width, double height, int colour) override;
    void printText(double x, double y, std::string_view text, int fontSize, int colour) override;
    void refresh() override;
    void messageBox(std::string_view title, std::string_view text, bool exclamation) override;
    bool askYesNo(std::string_view title, std::string_view text) override;
    void setMenuChecked(std::string_view control, bool checked) override;
    bool isMenuChecked(std::string_view control) const override;
    void setPanelVisible(PanelControl control, bool visible) override;
    void clearNameText() override;
    std::string nameText() const override { return typedName; }
    std::string currentFolder() const override { return folder; }
    std::string clickedFile() const override { return clicked; }
    void refreshFileList() override;
    void openUrl(std::string_view url) override;
    void showAbout() override;
    void quit() override;
    // The aids are kept apart from the calls: the last state handed over.
    void showAids(const 補助表示& a) override;
    補助表示 aids;
    // The move list as last handed over, and whether it is shown (as the
    // window opens it, until the game says otherwise).
    void showMoveList(const std::vector<std::string>& lines, int current) override {
        moveList = lines;
        moveListCurrent = current;
    }
    void setMoveListVisible(bool visible) override { moveListVisible = visible; }
    std::vector<std::string> moveList;
    int moveListCurrent = -1;
    bool moveListVisible = true;
    // The language last asked for: kept apart from the calls, like the aids.
    void setEnglish(bool on) override { english = on; }
    bool english = false;
    void copyText(std::string_view text) override;
    std::optional<std::string> chooseFile(FileDialog mode, std::string_view title, std::string_view filter) override;

    // Scripts the path the next file dialog answers (nothing: cancelled); a
    // dialog the script did not expect fails the test.
    void chooseNext(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    // What was last put on the clipboard.
    std::string clipboard;
    void runInBackground(std::function<void()> work, std::function<void()> done) override;

    // Runs the work waiting for a worker, in the order it was handed over,
    // each piece's work and then its done (and any handed over meanwhile), as
    // the worker and the window's event loop would. Returns how many ran.
    int runBackground();
    std::size_t backgroundWaiting() const { return background_.size(); }
    // Called inside each OK box once it is recorded, as the event loop a
    // modal box runs: a test may deliver waiting work there.
    std::function<void()> whileMessageShown;

    // Scripts the answer to the next Yes/No question, which must have this text.
    void answerNext(std::string text, bool yes);
    // Answers this question whenever it comes while no scripted answer waits,
    // for a question whose moment a test cannot know (the end of a game).
    void answerWhenAsked(std::string text, bool yes) { standing_[std::move(text)] = yes; }
    // Fails the test if a scripted answer was never asked for; the destructor checks too.
    void expectAllAnswered();

    std::vector<Call> calls;
    std::vector<Call> of(Call::Kind kind) const;
    // Every text any recording port of this test program was handed to show:
    // printed texts, OK boxes' and questions' titles and texts, the aids'
    // texts and file dialogs' titles and filters.
    static std::set<std::string, std::less<>>& shownTexts();
    // The OK boxes shown so far, as "title|text".
    std::vector<std::string> messages() const;
    // Whether text was printed with its top-left corner at (x, y) twips (to within a twip).
    bool printedAt(std::string_view text, double x, double y) const;
    // Everything printed, in order.
    std::vector<std::string> texts() const;
    bool quitCalled() const;
    void clear() { calls.clear(); }

    std::map<std::string, bool, std::less<>> menuChecks;
    std::map<PanelControl, bool> panelVisible;
    // What the record panel answers; a test sets them as a user would.
    // clearNameText() empties typedName.
    std::string typedName;
    std::string folder;
    std::string clicked;
    // Whether the control is shown now (hidden until shown).
    bool shown(PanelControl control) const;

private:
    std::map<std::string, bool, std::less<>> standing_;
    struct Scripted {
        std::string text;
        bool yes;
    };
    std::deque<Scripted> script_;
    std::deque<std::optional<std::string>> files_;
    struct Work {
        std::function<void()> work, done;
    };
    std::deque<Work> background_;
};

class FakeSound final : public SoundLibrary {
public:
    std::int32_t device = 1;  // what dsInitialize answers; 0 plays a machine without audio

    std::int32_t dsInitialize(std::intptr_t window) override;
    std::int32_t dsCreateDSB(std::int32_t device, const std::uint8_t* data, std::size_t size,
                             std::int32_t flags) override;
    std::int32_t dsPlay(std::int32_t sound) override;
    std::int32_t dsPlayLooping(std::int32_t sound) override;
    std::int32_t dsStop(std::int32_t sound) override;
    std::int32_t dsFree(std::int32_t sound) override;
    std::int32_t dsTerminate(std::int32_t device) override;

    // Every call as "dsPlay(3)", in order.
    std::vector<std::string> calls;
    // How often a handle was played with dsPlay.
    int plays(std::int32_t sound) const;
    // The first bytes of each created sound (its size and flag), by handle.
    struct Created {
        std::size_t size;
        std::int32_t flags;
        std::string head;
    };
    std::map<std::int32_t, Created> created;

private:
    std::int32_t next_ = 100;
};

// A clock that moves on by a fixed step each time it is read, so waits end
// at once in real time while their length can still be checked.
class FakeClock final : public Clock {
public:
    double now = 1000.0;
    double step = 0.01;
    double seconds() override {
        now += step;
        return now;
    }
};

}  // namespace bexoru::test
