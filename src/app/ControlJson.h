#pragma once

#include <QJsonObject>

class QObject;
class QWidget;

// What a control shows, for the script driver's read command: its text, whether it is
// visible and enabled, and its place in twips (the ends of a line, the fill of a shape).
QJsonObject controlToJson(QObject *control);

// A screen's caption, visibility, enabled state and client size in twips.
QJsonObject formToJson(QWidget *form);
