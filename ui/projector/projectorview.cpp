#include "ui/projector/projectorview.h"

#include "ui/drawing/drawingwidget.h"
#include "ui/drawing/networkview.h"
#include "ui/stepping/lessondock.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/contextmenu.h"
#include "ui/support/keyregistry.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QPainterPath>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSizePolicy>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTableWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace trayeko::ui {

namespace {

constexpr KeyRow kProjectorKey{
    Qt::Key_F11, nullptr,
    "Tampilan proyektor: gambar jendela aktif dan panel Pelajaran memenuhi layar, diperbesar "
    "untuk kelas; F11 lagi kembali"};
constexpr KeyRow kProjectorKeys[] = {
    kProjectorKey,
    {{}, "Esc", "keluar dari tampilan proyektor, bila mode langkah atau latihan tidak memakainya"},
};
constexpr char kProjectorSection[] = "Tampilan proyektor (Dijkstra dan Floyd)";
const KeyListing kProjectorKeysListed(keyplace::kExercise + 40, kProjectorSection, kProjectorKeys);

// Set on the windows' own entry, which never answers inside the view it opens.
constexpr char kOwnEntry[] = "projectorEntry";

// The result labels both network windows keep under the drawing.
constexpr const char* kResultLabels[] = {"lbljmljarak", "lblwaktu"};

// The panel never gets narrower than this, whatever the drawing would like.
constexpr int kLeastPanelWidth = 220;

// The drawing and the result labels under it, each with a small margin, in the client's
// coordinates.
QList<QRect> drawingParts(QWidget* client, QWidget* drawing)
{
    // The labels stand side by side as one strip.
    QRect strip;
    for (const char* name : kResultLabels)
        if (auto* label =
                client->findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            strip |= label->geometry();
    // The drawing may stand deeper in the client area than the network windows' does; the
    // whole client area where it is not in it at all.
    const QRect drawn = client->isAncestorOf(drawing)
                            ? QRect(drawing->mapTo(client, QPoint(0, 0)), drawing->size())
                            : client->rect();
    QList<QRect> parts{drawn};
    if (!strip.isEmpty())
        parts.append(strip);
    for (QRect& part : parts)
        part = part.adjusted(-2, -2, 2, 2) & client->rect();
    return parts;
}

QRect drawingRegion(const QList<QRect>& parts)
{
    QRect region;
    for (const QRect& part : parts)
        region |= part;
    return region;
}

QFont fontOfPixels(QFont font, const QWidget* widget, double pixels)
{
    // In points, so that whatever later asks the font for its point size gets one.
    font.setPointSizeF(pixels * 72.0 / std::max(1, widget->logicalDpiY()));
    return font;
}

// Whether the panel shows a lesson or an exercise rather than its hint.
bool panelInUse(const LessonDock* panel)
{
    if (panel->followed() && panel->followed()->isActive())
        return true;
    const auto* pages = qobject_cast<const QStackedWidget*>(panel->widget());
    return pages && pages->currentIndex() > 0;
}

// The view of the client area: only the drawing's region shows; what of the client area the
// screen's other shape would show beside it (half the buttons, a strip of the banner) is covered
// in the area's own colour.
class RegionView final : public QGraphicsView
{
public:
    using QGraphicsView::QGraphicsView;

    // The parts of the scene that show; the rest of the scene rectangle (the buttons beside the
    // result labels, say) is covered too. Empty: the whole scene rectangle shows.
    void setShownParts(QPainterPath parts) { m_parts = std::move(parts); }

protected:
    void drawForeground(QPainter* painter, const QRectF& exposed) override
    {
        QPainterPath outside;
        outside.addRect(exposed);
        QPainterPath region;
        region.addRect(sceneRect());
        if (!m_parts.isEmpty())
            region = region.intersected(m_parts);
        painter->fillPath(outside.subtracted(region), backgroundBrush());
    }

private:
    QPainterPath m_parts;
};

} // namespace

ProjectorLayout projectorLayout(QSize screen, QSize region, double smallestTextPx, int separator,
                                double pixelRatio)
{
    pixelRatio = std::max(1.0, pixelRatio);
    if (screen.isEmpty() || region.isEmpty())
        return {1.0, std::max(0, screen.width() / 3)};
    const int room = screen.width() - separator;
    // The sizes a class reads are the screen's own pixels, whatever the scale factor.
    const double readable =
        ProjectorView::kDrawingTextPx / pixelRatio / std::max(1.0, smallestTextPx);
    const double byHeight = double(screen.height()) / region.height();
    // The drawing takes what it needs to be read, and more where the screen is wide; the panel
    // keeps two fifths then.
    const int preferredPanel = screen.width() * 2 / 5;
    double scale = std::max(readable, double(room - preferredPanel) / region.width());
    scale = std::min(scale, byHeight);
    int panel = room - int(std::ceil(region.width() * scale));
    const int leastPanel = std::min(int(kLeastPanelWidth / pixelRatio), screen.width() / 3);
    if (panel < leastPanel) {
        panel = leastPanel;
        scale = std::min(byHeight, double(room - panel) / region.width());
    }
    return {scale, panel};
}

ProjectorView::ProjectorView(QMainWindow* frame, LessonDock* lessonPanel)
    : QMainWindow(frame, Qt::Window), m_frame(frame), m_panel(lessonPanel)
{
    setObjectName(QStringLiteral("projectorView"));
    setWindowTitle(QStringLiteral("Tampilan proyektor"));
    setAccessibleName(QStringLiteral("Tampilan proyektor"));
    setAccessibleDescription(QStringLiteral("Gambar jaringan dan panel Pelajaran diperbesar; F11 "
                                            "atau Esc untuk kembali"));
    if (frame)
        setWindowIcon(frame->windowIcon());

    m_scene = new QGraphicsScene(this);
    m_view = new RegionView(m_scene, this);
    m_view->setObjectName(QStringLiteral("projectorDrawing"));
    m_view->setAccessibleName(QStringLiteral("Gambar jaringan"));
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    m_view->setAlignment(Qt::AlignCenter);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->viewport()->installEventFilter(this);
    setCentralWidget(m_view);
    // The view fills the screen whatever the panel would like: a page taller than the screen
    // is cut at its foot rather than push the view off the screen and out of full screen.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);

    m_leaveKey = new QShortcut(QKeySequence(kProjectorKey.key), m_view, this, &ProjectorView::leave,
                               Qt::WidgetWithChildrenShortcut);
}

ProjectorView::~ProjectorView()
{
    // A frame taken down without closing: whatever is still borrowed goes with its window.
    leave();
}

QSize ProjectorView::screenSize() const
{
    if (m_seams.screenSize)
        return m_seams.screenSize();
    const QScreen* s = m_frame && m_frame->screen() ? m_frame->screen() : screen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

void ProjectorView::toggle(LessonWindow* activeWindow)
{
    if (isActive())
        leave();
    else
        enter(activeWindow);
}

void ProjectorView::enter(LessonWindow* window)
{
    if (!window || !m_panel || !m_frame || window == m_window)
        return;
    if (isActive())
        leave();
    QWidget* client = window->widget();
    if (!client)
        return;
    QWidget* focus = QApplication::focusWidget();
    QPointer<QWidget> innerFocus = client->isAncestorOf(focus) ? focus : nullptr;

    m_window = window;
    m_client = client;
    m_windowPos = window->pos();
    m_windowTitle = window->windowTitle();
    const QList<QRect> parts = drawingParts(client, window->drawing());
    m_region = drawingRegion(parts);

    // Where the panel stands in the frame, to put it back there.
    m_frameState = m_frame->saveState();
    m_panelArea = m_frame->dockWidgetArea(m_panel);
    m_panelWasVisible = m_panel->isVisible();
    m_panelMinWidth = m_panel->minimumWidth();
    m_panelMaxWidth = m_panel->maximumWidth();
    m_panelFeatures = int(m_panel->features());

    // The client area itself, not a picture of it: clicks and typing reach the real widgets, and
    // the drawing's marks, which are its children, come along.
    window->setWidget(nullptr);
    window->setWindowTitle(m_windowTitle);
    m_proxy = m_scene->addWidget(client);
    client->show();
    const QRectF shown = m_proxy->mapRectToScene(QRectF(m_region));
    m_scene->setSceneRect(shown);
    m_view->setSceneRect(shown);
    QPainterPath shownParts;
    for (const QRect& part : parts)
        shownParts.addRect(m_proxy->mapRectToScene(QRectF(part)));
    static_cast<RegionView*>(m_view)->setShownParts(shownParts.simplified());
    m_view->setBackgroundBrush(client->palette().color(QPalette::Window));

    {
        // The panel is only lent: the frame does not hear it hide and show while it moves.
        const QSignalBlocker quiet(m_panel);
        m_frame->removeDockWidget(m_panel);
        addDockWidget(Qt::RightDockWidgetArea, m_panel);
        m_panel->setFloating(false);
        m_panel->setFeatures(QDockWidget::DockWidgetClosable);
    }
    enlargePanelFonts();
    findSplit();
    m_panelOpened = connect(m_panel, &LessonDock::opened, this, &ProjectorView::showWholeGrid);
    m_panel->show();
    borrowKeys();
    window->installEventFilter(this);
    m_frame->installEventFilter(this);
    qApp->installEventFilter(this);
    m_windowGone = connect(window, &QObject::destroyed, this, [this] {
        m_window = nullptr; // being destroyed: nothing to give back to
        leave();
    });

    arrange();
    if (m_seams.fullScreen) {
        showFullScreen();
    } else {
        resize(screenSize());
        show();
    }
    raise();
    activateWindow();
    // The client area has a window of its own now, never shown; under the view's window it is
    // no anonymous top-level window to screen readers.
    if (QWindow* own = client->windowHandle())
        own->setParent(windowHandle());
    m_view->setFocus(Qt::OtherFocusReason);
    m_proxy->setFocus(Qt::OtherFocusReason);
    if (innerFocus)
        innerFocus->setFocus(Qt::OtherFocusReason);
    fitDrawing();
    emit entered();
}

void ProjectorView::leave()
{
    if (!m_client && !m_window)
        return;
    QPointer<LessonWindow> window = std::exchange(m_window, nullptr);
    // A frame being taken down has no layout left; its windows and panel go with it.
    const bool frameAlive = m_frame && m_frame->layout();
    QPointer<QWidget> client = std::exchange(m_client, nullptr);
    disconnect(m_windowGone);
    qApp->removeEventFilter(this);
    if (m_frame)
        m_frame->removeEventFilter(this);
    if (window)
        window->removeEventFilter(this);
    returnKeys();
    QWidget* innerFocus = client ? client->focusWidget() : nullptr;
    hide();

    if (m_proxy) {
        m_proxy->setWidget(nullptr);
        delete std::exchange(m_proxy, nullptr);
    }
    if (client) {
        client->setAttribute(Qt::WA_DontShowOnScreen, false);
        if (window && frameAlive) {
            window->setWidget(client);
            window->setWindowTitle(m_windowTitle);
            window->move(m_windowPos);
            client->show();
        } else if (window) {
            client->setParent(window); // goes with its window, as the frame is taken down
        } else {
            delete client.data(); // its window has gone: nothing is left to give it back to
        }
    }
    returnPanel();

    if (frameAlive) {
        m_frame->raise();
        m_frame->activateWindow();
    }
    if (window && frameAlive) {
        if (QMdiArea* area = window->mdiArea())
            area->setActiveSubWindow(window);
        if (innerFocus)
            innerFocus->setFocus(Qt::OtherFocusReason);
        // Last, where the frame may have scrolled its document area to the focus meanwhile.
        window->move(m_windowPos);
    }
    emit left();
}

void ProjectorView::returnPanel()
{
    // A frame being taken down has no layout left to take the panel; it goes with the frame.
    if (!m_panel || !m_frame || !m_frame->layout())
        return;
    const bool inUse = panelInUse(m_panel);
    disconnect(m_panelOpened);
    disconnect(m_gridChanged);
    if (m_split) {
        m_split->removeEventFilter(this);
        m_split->setSizePolicy(m_splitPolicy);
        m_split->restoreState(m_splitState);
        m_split = nullptr;
    }
    restorePanelFonts();
    {
        const QSignalBlocker quiet(m_panel.data());
        removeDockWidget(m_panel);
        m_panel->setFeatures(QDockWidget::DockWidgetFeatures(m_panelFeatures));
        m_panel->setMinimumWidth(m_panelMinWidth);
        m_panel->setMaximumWidth(m_panelMaxWidth);
        m_frame->addDockWidget(
            m_panelArea == Qt::NoDockWidgetArea ? Qt::RightDockWidgetArea : m_panelArea, m_panel);
    }
    m_frame->restoreState(m_frameState);
    // A lesson or exercise begun in the view goes on in the frame, with its panel.
    m_panel->setVisible(m_panelWasVisible || inUse);
}

void ProjectorView::arrange()
{
    const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    const ProjectorLayout layout =
        projectorLayout(screenSize(), m_region.size(), smallestTextPx(), separator, pixelRatio());
    // The panel's lines wrap and its lists scroll: a fixed width keeps it from pushing the
    // drawing smaller than a class can read.
    m_panel->setFixedWidth(layout.panelWidth);
}

void ProjectorView::findSplit()
{
    // The lesson's code and grid share a splitter, made when the panel is first needed, which
    // may be here.
    if (m_split || !m_panel)
        return;
    m_split = m_panel->findChild<QSplitter*>(QStringLiteral("lessonSplit"));
    if (!m_split)
        return;
    m_splitState = m_split->saveState();
    m_splitPolicy = m_split->sizePolicy();
    // Where the panel's body scrolls, the code and the grid take the height the texts leave
    // rather than push the grid below the panel's foot.
    QSizePolicy fill = m_splitPolicy;
    fill.setVerticalPolicy(QSizePolicy::Ignored);
    m_split->setSizePolicy(fill);
    m_split->installEventFilter(this);
    // Each step rewrites the grid; its rows may grow.
    if (auto* grid = m_panel->findChild<QTableWidget*>(QStringLiteral("lessonGrid")))
        m_gridChanged = connect(grid->model(), &QAbstractItemModel::dataChanged, this, [this] {
            QMetaObject::invokeMethod(this, &ProjectorView::showWholeGrid, Qt::QueuedConnection);
        });
}

void ProjectorView::showWholeGrid()
{
    findSplit();
    // The grid (Dijkstra's table, Floyd's matrix) whole where the panel's height allows; the
    // code above it scrolls instead, keeping a few lines.
    auto* grid =
        m_panel ? m_panel->findChild<QTableWidget*>(QStringLiteral("lessonGrid")) : nullptr;
    if (!m_split || !grid || m_split->count() != 2 || grid->rowCount() == 0 ||
        !m_split->isVisible())
        return;
    grid->resizeRowsToContents();
    int rows = 0;
    for (int r = 0; r < grid->rowCount(); ++r)
        rows += grid->rowHeight(r);
    const int gridHeight =
        rows + grid->horizontalHeader()->sizeHint().height() + 2 * grid->frameWidth() +
        (grid->horizontalScrollBar()->isVisible() ? grid->horizontalScrollBar()->height() : 0);
    const int wanted = m_split->widget(1)->height() - grid->height() + gridHeight;
    const int total = m_split->height() - m_split->handleWidth();
    const int codeLeast =
        std::min(total / 2, 5 * QFontMetrics(m_split->widget(0)->font()).height());
    const int gridShare = std::clamp(wanted, 0, std::max(0, total - codeLeast));
    m_split->setSizes({total - gridShare, gridShare});
}

void ProjectorView::fitDrawing()
{
    if (!m_proxy || m_region.isEmpty())
        return;
    const QSize room = m_view->viewport()->size();
    const double scale = std::min(double(room.width()) / m_region.width(),
                                  double(room.height()) / m_region.height());
    if (scale <= 0)
        return;
    m_view->setTransform(QTransform::fromScale(scale, scale));
    m_view->centerOn(m_view->sceneRect().center());
}

double ProjectorView::pixelRatio() const
{
    const QScreen* s = m_frame && m_frame->screen() ? m_frame->screen() : screen();
    return s ? std::max(1.0, s->devicePixelRatio()) : 1.0;
}

double ProjectorView::drawingScale() const
{
    return m_view->transform().m11();
}

double ProjectorView::smallestTextPx() const
{
    if (!m_window)
        return 0;
    QWidget* drawing = m_window->drawing();
    if (!drawing)
        return 0;
    int smallest = QFontInfo(drawing->font()).pixelSize();
    if (auto* network = qobject_cast<NetworkView*>(drawing)) {
        for (int k = 1; k <= kLinkCount; ++k)
            smallest = std::min(smallest, QFontInfo(network->weightBox(k)->font()).pixelSize());
    } else {
        // Another drawing paints its texts in its own font; what it holds as widgets (a weight
        // being typed, say) counts too.
        for (const QWidget* child : drawing->findChildren<QWidget*>())
            if (!child->isHidden())
                smallest = std::min(smallest, QFontInfo(child->font()).pixelSize());
    }
    if (m_client)
        for (const char* name : kResultLabels)
            if (auto* label = m_client->findChild<QWidget*>(QLatin1String(name)))
                smallest = std::min(smallest, QFontInfo(label->font()).pixelSize());
    return smallest;
}

void ProjectorView::enlargePanelFonts()
{
    m_fonts.clear();
    const int base = std::max(1, QFontInfo(m_panel->font()).pixelSize());
    // The panel's text at kPanelTextPx screen pixels: larger at scale 1, a little smaller where a
    // scale factor makes the usual text larger still, so that more of the panel fits.
    m_fontFactor = kPanelTextPx / pixelRatio() / base;
    adoptFont(m_panel, false);
    for (QWidget* w : m_panel->findChildren<QWidget*>())
        adoptFont(w, false);
}

void ProjectorView::adoptFont(QWidget* w, bool madeHere)
{
    if (std::any_of(m_fonts.begin(), m_fonts.end(),
                    [w](const SavedFont& f) { return f.widget == w; }))
        return;
    // Buttons and the speed box stay whole in the panel's width a little smaller; what the class
    // reads (explanations, code, tables, questions, answers) is at least kPanelTextPx.
    const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w);
    const bool own = w->testAttribute(Qt::WA_SetFont);
    if (w != m_panel && !own && !control)
        return; // follows the panel's font
    // A part first made here took its font from the large one: its usual size is smaller.
    const double shown = QFontInfo(w->font()).pixelSize();
    const double usual = madeHere ? shown / m_fontFactor : shown;
    m_fonts.push_back({w, madeHere ? fontOfPixels(w->font(), w, usual) : w->font(), own});
    const double target = control ? kPanelControlPx / pixelRatio()
                                  : std::max(kPanelTextPx / pixelRatio(), usual * m_fontFactor);
    w->setFont(fontOfPixels(w->font(), w, target));
}

void ProjectorView::restorePanelFonts()
{
    // The children before the panel, whose font they would otherwise inherit meanwhile.
    for (auto it = m_fonts.rbegin(); it != m_fonts.rend(); ++it)
        if (it->widget)
            it->widget->setFont(it->own ? it->font : QFont());
    m_fonts.clear();
}

void ProjectorView::borrowKeys()
{
    // The window's keys answer where the focus is inside the window; its client area is here
    // now, where the focus is on the view, so the view answers them on its behalf.
    for (QAction* action : m_window->actions()) {
        if (action->shortcuts().isEmpty() ||
            action->shortcutContext() != Qt::WidgetWithChildrenShortcut ||
            action->property(kOwnEntry).toBool() || m_view->actions().contains(action))
            continue;
        m_view->addAction(action);
        m_borrowedActions.emplace_back(action);
    }
    for (QWidget* owner : {static_cast<QWidget*>(m_window.data()), m_client.data()})
        for (QShortcut* original : owner->findChildren<QShortcut*>(Qt::FindDirectChildrenOnly)) {
            if (original->context() != Qt::WidgetWithChildrenShortcut)
                continue;
            auto* copy = new QShortcut(m_view);
            copy->setKeys(original->keys());
            copy->setContext(Qt::WidgetWithChildrenShortcut);
            copy->setAutoRepeat(original->autoRepeat());
            copy->setEnabled(original->isEnabled());
            connect(copy, &QShortcut::activated, original, &QShortcut::activated);
            m_mirrors.push_back({original, copy});
        }
}

void ProjectorView::returnKeys()
{
    for (const QPointer<QAction>& action : m_borrowedActions)
        if (action)
            m_view->removeAction(action);
    m_borrowedActions.clear();
    for (Mirror& mirror : m_mirrors)
        delete mirror.copy;
    m_mirrors.clear();
}

void ProjectorView::syncKeys()
{
    // Step mode and the exercise switch their keys on and off; a copy answers only while its
    // original would, so that Esc reaches the view when neither takes it.
    for (Mirror& mirror : m_mirrors)
        mirror.copy->setEnabled(mirror.original && mirror.original->isEnabled());
}

void ProjectorView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && isActive()) {
        leave();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void ProjectorView::closeEvent(QCloseEvent* event)
{
    leave();
    QMainWindow::closeEvent(event);
}

bool ProjectorView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (isActive())
            syncKeys();
        break;
    case QEvent::Polish:
        // Parts of the panel made while it is here (an exercise's page) get its sizes too.
        if (isActive() && m_panel && watched->isWidgetType() &&
            m_panel->isAncestorOf(static_cast<QWidget*>(watched))) {
            adoptFont(static_cast<QWidget*>(watched), true);
            findSplit();
        }
        break;
    case QEvent::Resize:
        if (watched == m_view->viewport())
            fitDrawing();
        else if (watched == m_split && isActive())
            // After the splitter has shared out its new height itself.
            QMetaObject::invokeMethod(this, &ProjectorView::showWholeGrid, Qt::QueuedConnection);
        break;
    case QEvent::WindowActivate:
        // A dialog of the window (Buka soal..., a file dialog) belongs to the frame, and the
        // desktop raises the frame with it; when it closes the view comes back to the front.
        if (watched == m_frame && isActive())
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (isActive()) {
                        raise();
                        activateWindow();
                    }
                },
                Qt::QueuedConnection);
        break;
    case QEvent::Close:
        // The window or the frame closing takes the client area back first.
        if (watched == m_window || watched == m_frame)
            leave();
        break;
    case QEvent::Hide:
        // The window hidden on its own; not with the frame, which closes first or is being
        // taken down.
        if (watched == m_window && !event->spontaneous() && m_frame && m_frame->isVisible())
            leave();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

ProjectorView* installProjectorView(QMainWindow* frame, QMdiArea* area, LessonDock* lessonPanel)
{
    auto* projector = new ProjectorView(frame, lessonPanel);
    const auto equip = [projector](QMdiSubWindow* subWindow) {
        auto* window = qobject_cast<LessonWindow*>(subWindow);
        if (!window || !window->drawing() ||
            window->findChild<QAction*>(QStringLiteral("projectorAction")))
            return;
        auto* action = new QAction(QStringLiteral("Tampilan proyektor"), window);
        action->setObjectName(QStringLiteral("projectorAction"));
        action->setShortcut(kProjectorKey.key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setToolTip(
            QStringLiteral("Gambar dan panel Pelajaran memenuhi layar, untuk proyektor (F11)"));
        action->setProperty(kOwnEntry, true);
        QObject::connect(action, &QAction::triggered, projector, [projector, w = QPointer(window)] {
            if (projector->shownWindow() == w)
                projector->leave();
            else
                projector->enter(w);
        });
        addMenuEntries(window->drawing(), MenuSection::View, {action});
        window->addAction(action);
    };
    for (QMdiSubWindow* subWindow : area->subWindowList())
        equip(subWindow);
    QObject::connect(area, &QMdiArea::subWindowActivated, projector, equip);
    // The panel answers F11 too, for a teacher who has just pressed one of its buttons.
    new QShortcut(
        QKeySequence(kProjectorKey.key), lessonPanel, projector,
        [projector, area] {
            projector->toggle(qobject_cast<LessonWindow*>(area->activeSubWindow()));
        },
        Qt::WidgetWithChildrenShortcut);
    return projector;
}

} // namespace trayeko::ui
