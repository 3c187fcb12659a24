#include "qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace bexoru::qt {

bool loadQtJapanese(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    translator->setObjectName(QStringLiteral("qtbase_ja"));
    return QCoreApplication::installTranslator(translator);
}

void useQtJapanese(bool on) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    auto* translator = app->findChild<QTranslator*>(QStringLiteral("qtbase_ja"), Qt::FindDirectChildrenOnly);
    if (!translator) return;
    if (on)
        QCoreApplication::installTranslator(translator);
    else
        QCoreApplication::removeTranslator(translator);
}

}  // namespace bexoru::qt
