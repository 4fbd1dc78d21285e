#include "ui/widgets/resultveil.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <utility>

namespace trayeko::ui {

namespace {

// A scroll area's position, put back after its contents are.
std::function<void()> keepScroll(QAbstractScrollArea* area)
{
    return [h = QPointer<QScrollBar>(area->horizontalScrollBar()),
            hv = area->horizontalScrollBar()->value(),
            v = QPointer<QScrollBar>(area->verticalScrollBar()),
            vv = area->verticalScrollBar()->value()] {
        if (h)
            h->setValue(hv);
        if (v)
            v->setValue(vv);
    };
}

std::function<void()> veilOne(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QPointer<QLabel> p(label);
        const QString text = label->text();
        label->clear();
        return [p, text] {
            if (p)
                p->setText(text);
        };
    }
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        QPointer<QLineEdit> p(box);
        const QString text = box->text();
        const int cursor = box->cursorPosition();
        box->clear();
        return [p, text, cursor] {
            if (!p)
                return;
            p->setText(text);
            p->setCursorPosition(cursor);
        };
    }
    if (auto* table = qobject_cast<QPlainTextEdit*>(widget)) {
        QPointer<QPlainTextEdit> p(table);
        const QString text = table->toPlainText();
        const int anchor = table->textCursor().anchor();
        const int position = table->textCursor().position();
        const auto scroll = keepScroll(table);
        table->clear();
        return [p, text, anchor, position, scroll] {
            if (!p)
                return;
            p->setPlainText(text);
            QTextCursor cursor = p->textCursor();
            cursor.setPosition(anchor);
            cursor.setPosition(position, QTextCursor::KeepAnchor);
            p->setTextCursor(cursor);
            scroll();
        };
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        // Hidden lines keep their items, and with them the selection and the current line.
        QPointer<QListWidget> p(list);
        std::vector<int> shown;
        const auto scroll = keepScroll(list);
        for (int row = 0; row < list->count(); ++row)
            if (!list->isRowHidden(row)) {
                shown.push_back(row);
                list->setRowHidden(row, true);
            }
        return [p, shown, scroll] {
            if (!p)
                return;
            for (int row : shown)
                if (row < p->count())
                    p->setRowHidden(row, false);
            scroll();
        };
    }
    return {};
}

} // namespace

void ResultVeil::veil(const QList<QWidget*>& widgets, bool conceal)
{
    for (QWidget* widget : widgets) {
        if (!widget || m_veiled.contains(widget))
            continue;
        std::function<void()> restore = veilOne(widget);
        if (!restore)
            continue;
        if (conceal) {
            const bool visible = widget->isVisibleTo(widget->parentWidget());
            widget->hide();
            restore = [p = QPointer<QWidget>(widget), visible, restore] {
                restore();
                if (p)
                    p->setVisible(visible);
            };
        }
        m_veiled.append(widget);
        m_restore.push_back(std::move(restore));
    }
}

void ResultVeil::lift()
{
    // Cleared first: what a restore sets off may ask whether the veil is still on.
    std::vector<std::function<void()>> restore = std::exchange(m_restore, {});
    m_veiled.clear();
    for (auto it = restore.rbegin(); it != restore.rend(); ++it)
        (*it)();
}

} // namespace trayeko::ui
