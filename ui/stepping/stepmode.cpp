#include "ui/stepping/stepmode.h"
#include "ui/support/contextmenu.h"
#include "ui/support/fontsizes.h"
#include "ui/support/utf8.h"

#include "ui/drawing/networklayout.h"
#include "ui/drawing/networkview.h"
#include "ui/drawing/networkwindow.h"
#include "ui/support/palette.h"
#include "ui/support/seams.h"
#include "ui/support/twips.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace trayeko::ui {

QStringList drawingElementNames()
{
    return DrawingModel::elementNames();
}

QString marksDescription(const StepMarks& marks)
{
    QStringList fixed, distances;
    for (int n = 1; n <= kNodeCount; ++n) {
        if (marks.fixedNodes[size_t(n - 1)])
            fixed << QString::number(n);
        if (!marks.nodeTexts[size_t(n - 1)].isEmpty())
            distances
                << QStringLiteral("simpul %1 = %2").arg(n).arg(marks.nodeTexts[size_t(n - 1)]);
    }
    QStringList parts;
    if (marks.pivotNode != 0)
        parts << QStringLiteral("Perantara: simpul %1.").arg(marks.pivotNode);
    if (!fixed.isEmpty())
        parts << QStringLiteral("Simpul tetap: %1.").arg(fixed.join(QStringLiteral(", ")));
    const auto linkList = [](const std::vector<int>& links) {
        QStringList numbers;
        for (int k : links)
            numbers << QString::number(k);
        return numbers.join(QStringLiteral(", "));
    };
    if (!marks.treeLinks.empty())
        parts << QStringLiteral("Jalur terbaik sejauh ini: %1.").arg(linkList(marks.treeLinks));
    if (!marks.improvedLinks.empty())
        parts << QStringLiteral("Jalur yang memperbaiki jarak: %1.")
                     .arg(linkList(marks.improvedLinks));
    if (!distances.isEmpty())
        parts
            << QStringLiteral("Jarak dari simpul 1: %1.").arg(distances.join(QStringLiteral(", ")));
    return parts.join(QLatin1Char(' '));
}

StepMode::StepMode(NetworkWindow* window, QRect panelRect, Source source)
    : QObject(window->network()), m_view(window->network()), m_window(window),
      m_source(std::move(source))
{
    NetworkView* view = m_view;
    m_action = new QAction(QStringLiteral("Langkah demi langkah"), this);
    m_action->setObjectName(QStringLiteral("stepAction"));
    m_action->setShortcut(QKeySequence(Qt::Key_F10));
    m_action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_action->setToolTip(QStringLiteral("Menjalankan metode langkah demi langkah (F10)"));
    connect(m_action, &QAction::triggered, this, &StepMode::enter);
    addMenuEntries(view, MenuSection::Steps, {m_action});
    window->addAction(m_action);

    m_overlay = new StepOverlay(view);
    buildPanel(panelRect);

    const auto key = [this](QKeySequence sequence, void (StepMode::*slot)()) {
        auto* shortcut = new QShortcut(
            sequence, m_window, m_window, [this, slot] { (this->*slot)(); },
            Qt::WidgetWithChildrenShortcut);
        shortcut->setEnabled(false);
        m_keys.push_back(shortcut);
    };
    key(Qt::Key_Right, &StepMode::next);
    key(Qt::Key_Space, &StepMode::nextOrPressFocusedButton);
    key(Qt::Key_Left, &StepMode::previous);
    key(Qt::Key_Home, &StepMode::first);
    key(Qt::Key_End, &StepMode::last);
    key(Qt::Key_Escape, &StepMode::leave);

    // The weights the steps were worked out for are gone once one is edited, and a run paints
    // its own result: either ends step mode first, so leaving never paints stale colours back.
    connect(window, &NetworkWindow::weightsEdited, this, &StepMode::leave);
    connect(window, &NetworkWindow::runStarting, this, &StepMode::leave);
}

void StepMode::buildPanel(QRect panelRect)
{
    m_panel = new QFrame(m_view);
    m_panel->setObjectName(QStringLiteral("stepPanel"));
    m_panel->setFrameShape(QFrame::Box);
    m_panel->setGeometry(panelRect);
    m_panel->setAutoFillBackground(true);
    // The panel holds the focus in step mode, so the step keys never reach a weight box.
    m_panel->setFocusPolicy(Qt::StrongFocus);
    m_panel->setAccessibleName(QStringLiteral("Mode langkah demi langkah"));
    m_panel->setAccessibleDescription(
        QStringLiteral("Kanan atau Spasi: langkah berikutnya; Kiri: sebelumnya; Home: pertama; "
                       "End: terakhir; Esc: keluar"));
    setPaletteColour(m_panel, {QPalette::Window}, QColor(255, 255, 224));
    setPaletteColour(m_panel, {QPalette::WindowText}, Qt::black);

    auto* layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    const auto button = [&](const QString& name, const QString& text, const QString& accessible) {
        auto* b = new QToolButton(m_panel);
        b->setObjectName(name);
        b->setText(text);
        b->setAccessibleName(accessible);
        b->setToolTip(accessible);
        b->setAutoRaise(false);
        b->setFixedHeight(px(255));
        buttons->addWidget(b);
        return b;
    };
    m_back = button(QStringLiteral("stepBack"), QStringLiteral("◀"),
                    QStringLiteral("Langkah sebelumnya (Kiri)"));
    m_forward = button(QStringLiteral("stepForward"), QStringLiteral("▶"),
                       QStringLiteral("Langkah berikutnya (Kanan atau Spasi)"));
    buttons->addStretch();
    auto* close = button(QStringLiteral("stepClose"), QStringLiteral("✕"),
                         QStringLiteral("Keluar dari mode langkah (Esc)"));
    layout->addLayout(buttons);
    connect(m_back, &QToolButton::clicked, this, &StepMode::previous);
    connect(m_forward, &QToolButton::clicked, this, &StepMode::next);
    connect(close, &QToolButton::clicked, this, &StepMode::leave);

    m_explanation = new QLabel(m_panel);
    m_explanation->setObjectName(QStringLiteral("stepExplanation"));
    m_explanation->setAccessibleName(QStringLiteral("Penjelasan langkah"));
    m_explanation->setWordWrap(true);
    m_explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_explanation->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont f = m_explanation->font();
    f.setPixelSize(kPx825 - 1);
    m_explanation->setFont(f);
    auto* scroll = new QScrollArea(m_panel);
    scroll->setObjectName(QStringLiteral("stepScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setAccessibleName(QStringLiteral("Panel penjelasan"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(m_explanation);
    scroll->viewport()->setAutoFillBackground(false);
    m_explanation->setAutoFillBackground(false);
    layout->addWidget(scroll, 1);
    m_panel->hide();
}

void StepMode::enter()
{
    std::vector<StepFrame> frames = m_source ? m_source() : std::vector<StepFrame>{};
    if (frames.empty())
        return;
    if (!m_active)
        m_savedFocus = QApplication::focusWidget();
    m_panel->show();
    m_panel->setFocus(Qt::OtherFocusReason);
    m_frames = std::move(frames);
    m_active = true;
    for (QShortcut* key : m_keys)
        key->setEnabled(true);
    m_overlay->raise();
    m_overlay->show();
    m_panel->raise();
    emit entered();
    m_current = -1;
    showStep(0);
}

void StepMode::leave()
{
    if (!m_active)
        return;
    m_active = false;
    for (QShortcut* key : m_keys)
        key->setEnabled(false);
    QWidget* focus = QApplication::focusWidget();
    const bool focusInside = focus == m_panel || m_panel->isAncestorOf(focus);
    m_overlay->hide();
    m_panel->hide();
    m_view->clearLayer(DrawingLayer::Steps);
    m_frames.clear();
    m_explanation->clear();
    m_explanation->setAccessibleDescription({});
    if (focusInside && m_savedFocus)
        m_savedFocus->setFocus(Qt::OtherFocusReason);
    emit left();
}

void StepMode::nextOrPressFocusedButton()
{
    // Space on a focused button presses it, as everywhere else: ◀ goes back, ✕ leaves.
    if (auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        button && m_window->isAncestorOf(button)) {
        button->animateClick();
        return;
    }
    next();
}

void StepMode::showStep(int index)
{
    if (!m_active || m_frames.empty())
        return;
    index = std::clamp(index, 0, stepCount() - 1);
    if (index == m_current)
        return;
    m_current = index;
    const StepFrame& frame = m_frames[size_t(index)];
    m_overlay->setMarks(frame.marks);
    m_explanation->setText(frame.explanation);
    // Only the start and end nodes keep their colour under the marks; the marks tell the rest.
    const QString marks = marksDescription(frame.marks);
    RouteLook neutral;
    neutral.description = frame.explanation + QLatin1Char(' ') + marks;
    neutral.toolTip = frame.explanation + QLatin1Char('\n') + marks;
    m_view->setLayer(DrawingLayer::Steps, std::move(neutral));
    m_explanation->setAccessibleDescription(frame.explanation);
    // Screen readers speak the new step without the user moving there.
    QAccessibleEvent described(m_explanation, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    QAccessibleEvent changed(m_explanation, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    emit stepShown(index);
}

} // namespace trayeko::ui
