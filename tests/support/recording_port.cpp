#include "support/recording_port.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace bexoru::test {

RecordingPort::~RecordingPort() {
    expectAllAnswered();
}

void RecordingPort::setBackColor(int colour) {
    calls.push_back({.kind = Call::BackColor, .colour = colour});
}

void RecordingPort::paintPicture(std::string_view name, double x, double y) {
    calls.push_back({.kind = Call::Picture, .name = std::string(name), .x = x, .y = y});
}

void RecordingPort::fillBox(double x, double y, double width, double height, int colour) {
    calls.push_back({.kind = Call::Fill, .x = x, .y = y, .w = width, .h = height, .colour = colour});
}

void RecordingPort::outlineBox(double x, double y, double width, double height, int colour) {
    calls.push_back({.kind = Call::Outline, .x = x, .y = y, .w = width, .h = height, .colour = colour});
}

std::set<std::string, std::less<>>& RecordingPort::shownTexts() {
    static std::set<std::string, std::less<>> texts;
    return texts;
}

void RecordingPort::showAids(const 補助表示& a) {
    aids = a;
    for (const std::string* text : {&a.状態行, &a.上の二手, &a.下の二手}) shownTexts().insert(*text);
}

void RecordingPort::printText(double x, double y, std::string_view text, int fontSize, int colour) {
    shownTexts().emplace(text);
    calls.push_back(
        {.kind = Call::Text, .name = std::string(text), .x = x, .y = y, .size = fontSize, .colour = colour});
}

void RecordingPort::refresh() {
    calls.push_back({.kind = Call::Refresh});
}

void RecordingPort::messageBox(std::string_view title, std::string_view text, bool exclamation) {
    shownTexts().emplace(title);
    shownTexts().emplace(text);
    calls.push_back(
        {.kind = Call::Message, .name = std::string(text), .title = std::string(title), .flag = exclamation});
    // A copy: the hook may let itself go.
    if (const auto hook = whileMessageShown) hook();
}

bool RecordingPort::askYesNo(std::string_view title, std::string_view text) {
    shownTexts().emplace(title);
    shownTexts().emplace(text);
    bool answer = false;
    if (const auto standing = standing_.find(text); script_.empty() && standing != standing_.end()) {
        answer = standing->second;
    } else if (script_.empty()) {
        ADD_FAILURE() << "unexpected question \"" << text << "\" (title \"" << title << "\")";
    } else {
        const Scripted next = script_.front();
        script_.pop_front();
        EXPECT_EQ(next.text, text) << "a different question came (title \"" << title << "\")";
        answer = next.yes;
    }
    calls.push_back({.kind = Call::Question, .name = std::string(text), .title = std::string(title), .flag = answer});
    return answer;
}

void RecordingPort::setMenuChecked(std::string_view control, bool checked) {
    menuChecks[std::string(control)] = checked;
    calls.push_back({.kind = Call::MenuCheck, .name = std::string(control), .flag = checked});
}

bool RecordingPort::isMenuChecked(std::string_view control) const {
    const auto it = menuChecks.find(control);
    return it != menuChecks.end() && it->second;
}

void RecordingPort::setPanelVisible(PanelControl control, bool visible) {
    panelVisible[control] = visible;
    calls.push_back({.kind = Call::Panel, .flag = visible, .panel = control});
}

void RecordingPort::clearNameText() {
    typedName.clear();
    calls.push_back({.kind = Call::ClearName});
}

void RecordingPort::refreshFileList() {
    calls.push_back({.kind = Call::RefreshFiles});
}

bool RecordingPort::shown(PanelControl control) const {
    const auto it = panelVisible.find(control);
    return it != panelVisible.end() && it->second;
}

void RecordingPort::openUrl(std::string_view url) {
    calls.push_back({.kind = Call::Url, .name = std::string(url)});
}

void RecordingPort::showAbout() {
    calls.push_back({.kind = Call::About});
}

void RecordingPort::quit() {
    calls.push_back({.kind = Call::Quit});
}

void RecordingPort::copyText(std::string_view text) {
    clipboard = std::string(text);
    calls.push_back({.kind = Call::Copy, .name = clipboard});
}

std::optional<std::string> RecordingPort::chooseFile(FileDialog mode, std::string_view title, std::string_view filter) {
    shownTexts().emplace(title);
    shownTexts().emplace(filter);
    calls.push_back({.kind = Call::FileChoice,
                     .name = std::string(filter),
                     .title = std::string(title),
                     .flag = mode == FileDialog::Save});
    if (files_.empty()) {
        ADD_FAILURE() << "unexpected file dialog \"" << title << "\"";
        return std::nullopt;
    }
    std::optional<std::string> path = std::move(files_.front());
    files_.pop_front();
    return path;
}

void RecordingPort::runInBackground(std::function<void()> work, std::function<void()> done) {
    calls.push_back({.kind = Call::Background});
    background_.push_back({std::move(work), std::move(done)});
}

int RecordingPort::runBackground() {
    int ran = 0;
    while (!background_.empty()) {
        const Work next = std::move(background_.front());
        background_.pop_front();
        next.work();
        next.done();
        ++ran;
    }
    return ran;
}

void RecordingPort::answerNext(std::string text, bool yes) {
    script_.push_back({std::move(text), yes});
}

void RecordingPort::expectAllAnswered() {
    for (const Scripted& s : script_) ADD_FAILURE() << "the question \"" << s.text << "\" was never asked";
    script_.clear();
    if (!files_.empty()) ADD_FAILURE() << files_.size() << " scripted file dialog(s) never opened";
    files_.clear();
}

std::vector<Call> RecordingPort::of(Call::Kind kind) const {
    std::vector<Call> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [kind](const Call& c) { return c.kind == kind; });
    return out;
}

std::vector<std::string> RecordingPort::messages() const {
    std::vector<std::string> out;
    for (const Call& c : calls)
        if (c.kind == Call::Message) out.push_back(c.title + "|" + c.name);
    return out;
}

bool RecordingPort::printedAt(std::string_view text, double x, double y) const {
    return std::any_of(calls.begin(), calls.end(), [&](const Call& c) {
        return c.kind == Call::Text && c.name == text && std::abs(c.x - x) < 1.0 && std::abs(c.y - y) < 1.0;
    });
}

std::vector<std::string> RecordingPort::texts() const {
    std::vector<std::string> out;
    for (const Call& c : calls)
        if (c.kind == Call::Text) out.push_back(c.name);
    return out;
}

bool RecordingPort::quitCalled() const {
    return std::any_of(calls.begin(), calls.end(), [](const Call& c) { return c.kind == Call::Quit; });
}

std::int32_t FakeSound::dsInitialize(std::intptr_t) {
    calls.push_back("dsInitialize");
    return device;
}

std::int32_t FakeSound::dsCreateDSB(std::int32_t dev, const std::uint8_t* data, std::size_t size, std::int32_t flags) {
    calls.push_back("dsCreateDSB(" + std::to_string(dev) + "," + std::to_string(flags) + ")");
    if (dev == 0 || data == nullptr || size == 0) return 0;
    const std::int32_t handle = next_++;
    created[handle] = {size, flags, std::string(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 4))};
    return handle;
}

std::int32_t FakeSound::dsPlay(std::int32_t s) {
    calls.push_back("dsPlay(" + std::to_string(s) + ")");
    return 0;
}
std::int32_t FakeSound::dsPlayLooping(std::int32_t s) {
    calls.push_back("dsPlayLooping(" + std::to_string(s) + ")");
    return 0;
}
std::int32_t FakeSound::dsStop(std::int32_t s) {
    calls.push_back("dsStop(" + std::to_string(s) + ")");
    return 0;
}
std::int32_t FakeSound::dsFree(std::int32_t s) {
    calls.push_back("dsFree(" + std::to_string(s) + ")");
    return 0;
}
std::int32_t FakeSound::dsTerminate(std::int32_t d) {
    calls.push_back("dsTerminate(" + std::to_string(d) + ")");
    return 0;
}

int FakeSound::plays(std::int32_t sound) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), "dsPlay(" + std::to_string(sound) + ")"));
}

}  // namespace bexoru::test
