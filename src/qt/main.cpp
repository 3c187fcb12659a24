// The game's entry point: the Qt application, the main window and the
// application object that drives it.

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "play/game.h"
#include "port/clock.h"
#include "qt/main_window.h"
#include "qt/notice.h"
#include "qt/places.h"
#include "qt/record_panel.h"
#include "qt/translations.h"
#include "records/recovery_file.h"
#include "sound/sound_loader.h"

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "bexoru: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop "
                     "session or under xvfb-run.\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Bexoru");
    QGuiApplication::setDesktopFileName("org.bexoru.Bexoru");
    bexoru::qt::loadQtJapanese(app);
    const bexoru::qt::ProgramPlaces places = bexoru::qt::findProgramPlaces();

    bexoru::qt::MainWindow window;
    bexoru::LoadedSoundLibrary sound;
    bexoru::SteadyClock clock;
    // The game in hand is kept in the user's data folder.
    // The help page and sounds in the program's data folder, not wherever it was started from.
    const auto form = bexoru::対局を用意する(window, sound, clock, static_cast<std::intptr_t>(window.winId()),
                                          bexoru::既定の回復フォルダ(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")),
                                          places.data.フォルダ, places.settings);
    window.recordPanel()->startIn(QString::fromStdString(places.records.string()));
    window.attach(form.get());
    window.show();
    if (!places.soundNotice.empty()) {
        std::fprintf(stderr, "bexoru: %s\n", places.soundNotice.c_str());
        bexoru::qt::showNotice(&window, QString::fromStdString(places.soundNotice));
    }
    form->Form_Load();
    window.updateAids();
    return app.exec();
}
