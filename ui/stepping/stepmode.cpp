#include "ui/stepping/stepmode.h"
#include "ui/support/contextmenu.h"
#include "ui/support/fontsizes.h"
#include "ui/support/keyregistry.h"
#include "ui/support/utf8.h"

#include "ui/drawing/drawingwidget.h"
#include "ui/drawing/lessonwindow.h"
#include "ui/support/palette.h"
#include "ui/support/seams.h"
#include "ui/support/twips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

namespace trayeko::ui {

QStringList drawingElementNames()
{
    return DrawingModel::elementNames();
}

QString marksDescription(const StepMarks& marks, const Network& network, int start)
{
    const auto label = [&network](int n) {
        return network.hasNode(n) ? toQString(network.nodeLabel(n)) : QString::number(n);
    };
    QStringList fixed, distances;
    for (int n = 1; n <= int(marks.nodeTexts.size()); ++n) {
        if (marks.fixed(n))
            fixed << label(n);
        if (!marks.nodeText(n).isEmpty())
            distances << QStringLiteral("simpul %1 = %2").arg(label(n), marks.nodeText(n));
    }
    QStringList parts;
    if (marks.pivotNode != 0)
        parts << QStringLiteral("Perantara: simpul %1.").arg(label(marks.pivotNode));
    if (!fixed.isEmpty())
        parts << QStringLiteral("Simpul tetap: %1.").arg(fixed.join(QStringLiteral(", ")));
    // Links by their ends, as the drawing shows them: it shows no link numbers.
    const auto linkList = [&](const std::vector<int>& links) {
        QStringList ends;
        for (int k : links)
            if (network.hasLink(k))
                ends << QStringLiteral("%1→%2").arg(label(network.link(k).from),
                                                    label(network.link(k).to));
        return ends.join(QStringLiteral(", "));
    };
    if (!marks.treeLinks.empty())
        parts << QStringLiteral("Jalur terbaik sejauh ini: %1.").arg(linkList(marks.treeLinks));
    if (!marks.improvedLinks.empty())
        parts << QStringLiteral("Jalur yang memperbaiki jarak: %1.")
                     .arg(linkList(marks.improvedLinks));
    if (!distances.isEmpty())
        parts << QStringLiteral("Jarak dari simpul %1: %2.")
                     .arg(label(start), distances.join(QStringLiteral(", ")));
    return parts.join(QLatin1Char(' '));
}

QString marksDescription(const StepMarks& marks)
{
    return marksDescription(marks, demoNetwork(), kStartNode);
}

namespace {

// Moves the focus from @p widget, which no longer takes it, to the next widget of its window that
// does, as hiding it would.
void giveFocusAway(QWidget* widget)
{
    for (QWidget* next = widget->nextInFocusChain(); next != widget;
         next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled() &&
            widget->window()->isAncestorOf(next)) {
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    widget->clearFocus();
}

} // namespace

StepMode::StepMode(LessonWindow* window, Source source)
    : QObject(window->drawing()), m_view(window->drawing()), m_window(window),
      m_source(std::move(source))
{
    DrawingWidget* view = m_view;
    m_action = new QAction(QStringLiteral("Langkah demi langkah"), this);
    m_action->setObjectName(QStringLiteral("stepAction"));
    m_action->setShortcut(QKeySequence(kStartKey));
    m_action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_action->setToolTip(QStringLiteral("Menjalankan metode langkah demi langkah (F10)"));
    connect(m_action, &QAction::triggered, this, &StepMode::enter);
    addMenuEntries(view, MenuSection::Steps, {m_action});
    window->addAction(m_action);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("stepTimer"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &StepMode::playTick);

    const auto key = [this](QKeySequence sequence, void (StepMode::*slot)()) {
        auto* shortcut = new QShortcut(
            sequence, m_window, m_window, [this, slot] { (this->*slot)(); },
            Qt::WidgetWithChildrenShortcut);
        shortcut->setEnabled(false);
        m_keys.push_back(shortcut);
    };
    for (const Key& k : keys())
        key(k.key, k.slot);

    // The weights the steps were worked out for are gone once one is edited, and a run paints
    // its own result: either ends step mode first, so leaving never paints stale colours back.
    connect(window, &LessonWindow::weightsEdited, this, &StepMode::leave);
    connect(window, &LessonWindow::runStarting, this, &StepMode::leave);
}

QString variablesText(const std::vector<StepVariable>& variables)
{
    QStringList parts;
    for (const StepVariable& v : variables)
        parts << toQString(v.name) + QStringLiteral(" = ") + toQString(v.value);
    return parts.join(QStringLiteral(", "));
}

QString stepKeysText()
{
    return QStringLiteral("Kanan atau Spasi: langkah berikutnya; Kiri: sebelumnya; Home: pertama; "
                          "End: terakhir; P: putar atau jeda; Esc: keluar");
}

QWidget* StepMode::focusHolder() const
{
    return m_view;
}

const StepFrame* StepMode::currentFrame() const
{
    if (!m_active || m_current < 0 || m_current >= stepCount())
        return nullptr;
    return &m_lesson.frames[size_t(m_current)];
}

void StepMode::enter()
{
    Lesson lesson = m_source ? m_source() : Lesson{};
    if (lesson.frames.empty())
        return;
    if (!m_active)
        m_savedFocus = QApplication::focusWidget();
    pause();
    m_lesson = std::move(lesson);
    m_active = true;
    for (QShortcut* key : m_keys)
        key->setEnabled(true);
    // The drawing holds the focus in step mode, so the step keys never reach a weight box.
    if (m_view->focusPolicy() != Qt::StrongFocus) {
        m_viewFocus = m_view->focusPolicy();
        m_view->setFocusPolicy(Qt::StrongFocus);
    }
    m_view->setFocus(Qt::OtherFocusReason);
    m_current = -1;
    emit entered();
    showStep(0);
}

void StepMode::leave()
{
    if (!m_active)
        return;
    pause();
    m_active = false;
    for (QShortcut* key : m_keys)
        key->setEnabled(false);
    const bool focusInside = QApplication::focusWidget() == m_view;
    m_view->setFocusPolicy(m_viewFocus);
    m_view->model().clearLayer(DrawingLayer::Steps);
    m_lesson = {};
    if (focusInside) {
        if (m_savedFocus)
            m_savedFocus->setFocus(Qt::OtherFocusReason);
        else
            giveFocusAway(m_view);
    }
    emit left();
}

std::span<const StepMode::Key> StepMode::keys()
{
    static constexpr Key table[] = {
        {Qt::Key_Right, &StepMode::next, "langkah berikutnya"},
        {Qt::Key_Space, &StepMode::nextOrPressFocusedButton, "langkah berikutnya"},
        {Qt::Key_Left, &StepMode::previous, "langkah sebelumnya"},
        {Qt::Key_Home, &StepMode::first, "langkah pertama"},
        {Qt::Key_End, &StepMode::last, "langkah terakhir"},
        {Qt::Key_P, &StepMode::togglePlay,
         "putar atau jeda: satu langkah setiap 0,5 sampai 3 detik (kotak kecepatan), berhenti di "
         "langkah terakhir"},
        {Qt::Key_Escape, &StepMode::leave,
         "keluar dari mode langkah; jendela kembali seperti semula"},
    };
    return table;
}

namespace {

KeyRows stepKeyRows()
{
    KeyRows rows;
    for (const StepMode::Key& k : StepMode::keys())
        rows.push_back({k.key, nullptr, k.what});
    return rows;
}

const KeyListing kStepKeysListed(keyplace::kSteps, kStepSection, stepKeyRows);

} // namespace

void StepMode::nextOrPressFocusedButton()
{
    // The keys answer only where the focus is inside their window or panel, so a focused button
    // is one of theirs.
    if (auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget())) {
        button->animateClick();
        return;
    }
    next();
}

void StepMode::showStep(int index)
{
    if (!m_active || m_lesson.frames.empty())
        return;
    index = std::clamp(index, 0, stepCount() - 1);
    if (index == m_current)
        return;
    m_current = index;
    const StepFrame& frame = m_lesson.frames[size_t(index)];
    // Only the start and end nodes keep their colour under the marks; the marks tell the rest.
    const QString marks =
        marksDescription(frame.marks, m_view->model().network(), m_view->model().startNode());
    RouteLook neutral;
    neutral.description = frame.explanation + QLatin1Char(' ') + marks;
    neutral.toolTip = frame.explanation + QLatin1Char('\n') + marks;
    m_view->model().setLayer(DrawingLayer::Steps, std::move(neutral), frame.marks);
    emit stepShown(index);
    if (index == stepCount() - 1)
        pause();
}

bool StepMode::isPlaying() const
{
    return m_timer->isActive();
}

void StepMode::play()
{
    if (!m_active || isPlaying())
        return;
    // Play from the start when the last step is shown, as a player does.
    if (m_current == stepCount() - 1)
        first();
    m_timer->start();
    emit playingChanged(true);
}

void StepMode::pause()
{
    if (!isPlaying())
        return;
    m_timer->stop();
    emit playingChanged(false);
}

void StepMode::setPlayInterval(int ms)
{
    m_timer->setInterval(std::clamp(ms, 500, 3000));
}

int StepMode::playInterval() const
{
    return m_timer->interval();
}

void StepMode::playTick()
{
    if (!m_active || m_current >= stepCount() - 1) {
        pause();
        return;
    }
    next();
}

void StepMode::saveTableCsv() const
{
    if (m_active && m_saveCsv && !m_lesson.tableCsv.empty())
        m_saveCsv(m_lesson.tableCsv);
}

void StepMode::copyTableText() const
{
    if (m_active && !m_lesson.tableText.isEmpty())
        QGuiApplication::clipboard()->setText(m_lesson.tableText);
}

} // namespace trayeko::ui
