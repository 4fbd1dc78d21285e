#pragma once

#include <QList>
#include <functional>
#include <vector>

class QWidget;

namespace trayeko::ui {

// Takes a run's results out of sight for a while and gives them back exactly as they were: the
// texts of labels and boxes, a table's text with its cursor, selection and scroll position, a
// list's lines with their selection, current line and scroll position. The controls themselves
// stay where they are, empty; nothing is deleted, so what a list's lines carry (marks, data)
// comes back with them. A window veils its results while an exercise on other weights runs.
class ResultVeil final
{
public:
    // Empties @p widgets (labels, line edits, plain text edits, list widgets; others and null
    // are passed by), remembering what they showed. @p conceal also hides them, for controls
    // that stand out even when empty. Each control is veiled once until lift().
    void veil(const QList<QWidget*>& widgets, bool conceal = false);

    // Gives every veiled control back what it showed, in the reverse order of veiling.
    void lift();

    // Forgets what was veiled without giving it back, for results a new run replaces.
    void forget()
    {
        m_restore.clear();
        m_veiled.clear();
    }

    bool isVeiled() const { return !m_restore.empty(); }

private:
    std::vector<std::function<void()>> m_restore;
    QList<QWidget*> m_veiled;
};

} // namespace trayeko::ui
