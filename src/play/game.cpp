#include "play/game.h"

#include "play/form1.h"

namespace bexoru {

std::unique_ptr<WindowEvents> 対局を用意する(WindowPort& port,
                                             SoundLibrary& sound,
                                             Clock& clock,
                                             std::intptr_t windowHandle,
                                             const std::filesystem::path& 回復フォルダ,
                                             const std::filesystem::path& 起動フォルダ,
                                             const 環境設定の置き場所& 環境設定ファイル) {
    auto form = std::make_unique<Form1>(port, sound, clock, windowHandle);
    form->保全.フォルダ = 回復フォルダ;
    form->起動フォルダ = 起動フォルダ;
    form->環境設定ファイル = 環境設定ファイル;
    return form;
}

}  // namespace bexoru
