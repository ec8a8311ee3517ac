#include "platform/Help.h"

#include "platform/GameFiles.h"

#include <QDir>

QString Help::pageName(Topic topic)
{
    return topic == Topic::KeywordIndex ? QStringLiteral("keywords.html") : QStringLiteral("index.html");
}

QString Help::findPage(const QString &page)
{
    return findGameFile(QStringLiteral("help/") + page);
}

QString Help::missingPageMessage(const QString &page)
{
    return QStringLiteral("ヘルプファイル「help/%1」が見つかりません。").arg(page);
}

QString Help::folderMessage(const QString &path)
{
    // The place on a line of its own, so that a long path does not break the sentence around it.
    return QStringLiteral("次のフォルダを開けませんでした。\r\n%1\r\nファイルマネージャーなどで、この場所を開いて下さい。")
        .arg(QDir::toNativeSeparators(path));
}
