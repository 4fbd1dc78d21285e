#pragma once

#include "core/clock.h"
#include "ui/drawing/lessonwindow.h"
#include "ui/drawing/networklayout.h"
#include "ui/support/keyregistry.h"

#include <QColor>
#include <QSize>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace trayeko::ui {

class Exercise;
class NetworkView;
class StepMode;

// The run button (the default button, made by makeRunButton) of both windows, at the head of
// each one's keys in the help.
inline constexpr KeyRow kRunButtonKeys{{}, "Enter, Alt+P", "Proses"};

// What the Dijkstra and the Floyd window share: an MDI child window whose client area (designed
// in twips) holds the white banner strip and the drawn network in the frame "Pencarian Jalur"
// (network(): weights in and out, route highlighting), a default button that answers Enter
// anywhere in the window, and an injectable clock for the elapsed-time text. Each window's run
// reads the weights, asks the core, and shows what came back (playProgress in progress.h plays
// the progress bar).
//
// Sizes set through setOuterSizeTwips include the subwindow frame, like a window's Width and
// Height; positions of controls are relative to the client area.
class NetworkWindow : public LessonWindow
{
    Q_OBJECT

public:
    ~NetworkWindow() override;

    // Back to the neutral colours of the drawing (nodes 1 and 7 stay blue).
    void reset();

    NetworkView* network() const { return m_network; }

    DrawingWidget* drawing() const override;

    // The demonstration network with the weights in the boxes, from node 1 to node 7.
    LessonNetwork lessonNetwork() const override;
    // Fills the boxes (fillWeights); a list of another length than fourteen changes nothing.
    void setLessonWeights(const std::vector<double>& weights) override;
    std::vector<double> defaultLessonWeights() const override;

    void setClock(Clock clock) { m_clock = std::move(clock); }

    int widthTwips() const;
    int heightTwips() const;

    // Places the window in the middle of the screen for its current size: the document area of
    // the main window when it lives in one, the primary screen otherwise. The top-left corner
    // never goes negative, so the title bar stays reachable on a small screen.
    void centreOnScreen();

    // Writes @p weights into the boxes as if the user had typed them: whatever followed the old
    // ones (step mode, an exercise) ends.
    void fillWeights(const LinkWeights& weights);

    // The outer width, frame included; a panel of the window widens it step by step.
    void setOuterWidthTwips(int width);

protected:
    // Builds the client area with its background, the banner strip Picture1 (white, holding the
    // banner Image1 with @p bannerWord) and Frame1 at 120, 480 with the drawing of @p variant,
    // readable by assistive technology.
    NetworkWindow(const DrawingVariant& variant, const QString& bannerWord, int pictureWidthTwips,
                  QSize bannerPixels, QWidget* parent);

    QWidget* client() const { return m_client; }
    QWidget* picture() const { return m_picture; }

    ClockReading now() const { return m_clock(); }

    // The same for a window of @p outerWidthTwips x @p outerHeightTwips.
    void centreOnScreen(int outerWidthTwips, int outerHeightTwips);

    // On its first showing the window stands where a window with a client area of
    // @p clientTwips would stand centred; only then is "the screen" (the main window's document
    // area) known. Without this the document area places the window as it places any other.
    void centreWhenFirstShown(QSize clientTwips) { m_firstShowClient = clientTwips; }
    void showEvent(QShowEvent* event) override;
    QSize screenSizeTwips() const;

    void setOuterSizeTwips(int width, int height);

    // Enter or Return anywhere in the window clicks @p button (Qt's default-button mechanism only
    // works in dialogs).
    void setDefaultButton(QPushButton* button);

    // A graphical-style button in the window's light blue, with an access key in its caption.
    QPushButton* makeButton(const QString& objectName, const QString& caption, QRect twipsRect);

    // The run button "&Proses..." (Command1); pressing it announces runStarting.
    QPushButton* makeRunButton(QRect twipsRect);

    // The opening state of the drawing: default weights, nodes 1 and 7 blue.
    void showDefaultNetwork();

    // A label with a solid background and bold text, for the total and elapsed-time fields.
    QLabel* makeResultLabel(const QString& objectName, QRect twipsRect, const QColor& background,
                            const QColor& text);

private:
    QWidget* m_client = nullptr;
    QWidget* m_picture = nullptr;
    NetworkView* m_network = nullptr;
    Clock m_clock = readClock;
    std::optional<QSize> m_firstShowClient;
};

} // namespace trayeko::ui
