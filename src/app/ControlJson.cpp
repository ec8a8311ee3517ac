#include "app/ControlJson.h"

#include "platform/LineWidget.h"
#include "platform/ShapeWidget.h"
#include "platform/Twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

namespace {
QString vbColourText(const QColor &colour)
{
    return QStringLiteral("&H%1").arg(toVbColor(colour), 6, 16, QLatin1Char('0')).toUpper();
}

QJsonArray tableCells(const QTableWidget *table)
{
    QJsonArray rows;
    if (!table->horizontalHeader()->isHidden()) {
        QJsonArray header;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem *item = table->horizontalHeaderItem(column);
            header.append(item ? item->text() : QString());
        }
        rows.append(header);
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        QJsonArray cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem *item = table->item(row, column);
            cells.append(item ? item->text() : QString());
        }
        rows.append(cells);
    }
    return rows;
}

QJsonArray listItems(const QListWidget *list)
{
    QJsonArray items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

void addText(QJsonObject &json, QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        json["text"] = label->text();
        json["picture"] = !label->pixmap().isNull();
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        json["text"] = button->text();
        if (button->isCheckable())
            json["checked"] = button->isChecked();
    } else if (auto *line = qobject_cast<QLineEdit *>(widget)) {
        json["text"] = line->text();
    } else if (auto *text = qobject_cast<QTextEdit *>(widget)) {
        json["text"] = text->toPlainText();
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(widget)) {
        json["text"] = plain->toPlainText();
    } else if (auto *table = qobject_cast<QTableWidget *>(widget)) {
        json["cells"] = tableCells(table);
    } else if (widget->metaObject()->indexOfMethod("scriptCells()") >= 0) {
        // A drawn grid (a chart) reports the rows it draws.
        QJsonArray cells;
        QMetaObject::invokeMethod(widget, "scriptCells", Qt::DirectConnection, Q_RETURN_ARG(QJsonArray, cells));
        json["cells"] = cells;
    } else if (auto *list = qobject_cast<QListWidget *>(widget)) {
        json["text"] = list->currentItem() ? list->currentItem()->text() : QString();
        json["items"] = listItems(list);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        json["text"] = combo->currentText();
        QJsonArray items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        json["items"] = items;
    } else if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
        json["text"] = tabs->tabText(tabs->currentIndex());
    } else {
        json["text"] = QString();
    }
}
} // namespace

QJsonObject controlToJson(QObject *control)
{
    QJsonObject json;
    if (auto *action = qobject_cast<QAction *>(control)) {
        json["text"] = action->text();
        json["visible"] = action->isVisible();
        json["enabled"] = action->isEnabled();
        if (action->isCheckable())
            json["checked"] = action->isChecked();
        return json;
    }
    auto *widget = qobject_cast<QWidget *>(control);
    if (!widget)
        return json;
    addText(json, widget);
    // Visible and enabled are the control's own switches, whatever its window does.
    json["visible"] = !widget->isHidden();
    json["enabled"] = !widget->testAttribute(Qt::WA_ForceDisabled);
    if (auto *line = qobject_cast<LineWidget *>(widget)) {
        json["x1"] = line->ends().x1();
        json["y1"] = line->ends().y1();
        json["x2"] = line->ends().x2();
        json["y2"] = line->ends().y2();
        return json;
    }
    const QRect place = twipsGeometry(widget);
    json["left"] = place.left();
    json["top"] = place.top();
    json["width"] = place.width();
    json["height"] = place.height();
    if (auto *shape = qobject_cast<ShapeWidget *>(widget))
        json["fill"] = shape->isFilled() ? QJsonValue(vbColourText(shape->fill())) : QJsonValue();
    return json;
}

QJsonObject formToJson(QWidget *form)
{
    QJsonObject json;
    json["text"] = form->windowTitle();
    json["visible"] = form->isVisible();
    json["enabled"] = form->isEnabled();
    auto *window = qobject_cast<QMainWindow *>(form);
    const QWidget *client = window && window->centralWidget() ? window->centralWidget() : form;
    json["width"] = wholePixelsToTwips(client->width());
    json["height"] = wholePixelsToTwips(client->height());
    return json;
}
