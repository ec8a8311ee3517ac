#pragma once

#include <QString>
#include <QStringView>

// A file name or list entry in a script line. A name that reads back as it stands (no spaces,
// no control characters, no opening quote) is written bare, as hand-written scripts write it;
// any other one in double quotes, with \" \\ \n \r \t and \uHHHH for what a line cannot hold.
class ScriptName
{
public:
    // The name as a script line writes it.
    static QString quoted(const QString &name);
    // Reads a quoted name from the start of text: returns how many characters it took, or -1
    // (name untouched) when text does not start with a whole quoted name.
    static qsizetype readQuoted(QStringView text, QString *name);
    // The name a script line gives at its end: the quoted form when the text is one whole, else
    // the text as it stands (a bare name, and what records made before quoting wrote).
    static QString fromLineEnd(const QString &text);
};
