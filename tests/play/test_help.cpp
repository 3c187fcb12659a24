// The その他 menu: 解説 opens the help page of the start folder in the
// browser, バージョン情報 plays its sound and shows the about box.

#include "play/play_fixture.h"
#include "play/help_page.h"

namespace bexoru {
namespace {

using namespace test;

TEST(HelpPageUrl, EncodesEverythingButPlainCharactersAndSlashes) {
    struct Case {
        const char* path;
        const char* url;
    };
    const Case cases[] = {
        {"/opt/bexoru/Bexoru.htm", "file:///opt/bexoru/Bexoru.htm"},
        {"/home/a b/#1/100%/Bexoru.htm", "file:///home/a%20b/%231/100%25/Bexoru.htm"},
        {"/home/将棋/Bexoru.htm", "file:///home/%E5%B0%86%E6%A3%8B/Bexoru.htm"},
    };
    for (const Case& c : cases) EXPECT_EQ(ファイルURL(c.path), c.url);
}

class Help : public PlayTest {};

TEST_F(Help, ExplanationOpensThePageInTheStartFolder) {
    const 盤面型 before = form.盤面;
    form.KAISETU_Click();
    const auto urls = port.of(Call::Url);
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_EQ(urls[0].name, ファイルURL(form.起動フォルダ / "Bexoru.htm"));
    EXPECT_EQ(urls[0].name.rfind("file:///", 0), 0u);
    EXPECT_EQ(form.盤面, before);
    EXPECT_TRUE(sound.calls.empty());
}

TEST_F(Help, VersionPlaysItsSoundOnceAndShowsTheAboutBox) {
    port.panelVisible[PanelControl::Dir1] = true;
    form.VER_Click();
    EXPECT_EQ(sound.calls, std::vector<std::string>{"dsPlay(" + std::to_string(form.音.音_その他) + ")"});
    EXPECT_EQ(port.of(Call::About).size(), 1u);
    EXPECT_FALSE(port.shown(PanelControl::Dir1)) << "the record panel is hidden first";
    EXPECT_TRUE(port.messages().empty());
}

}  // namespace
}  // namespace bexoru
