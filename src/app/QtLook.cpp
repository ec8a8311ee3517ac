#include "app/QtLook.h"

#include "platform/ScaledStyle.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void applyQtLook(QApplication &app)
{
    QApplication::setStyle(new ScaledStyle);
    auto *qtTexts = new QTranslator(&app);
    if (qtTexts->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
}
