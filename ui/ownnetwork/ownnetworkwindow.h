#pragma once

#include "core/allpairs.h"
#include "core/exercise.h"
#include "core/networkfile.h"
#include "ui/drawing/lessonwindow.h"
#include "ui/ownnetwork/ownnetworkfiles.h"
#include "ui/widgets/resultveil.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QShortcut;
class QTableView;
class QTableWidget;

namespace trayeko::ui {

class ClassroomActions;
class FloydGridModel;
class NetworkEditor;

// The tool window "Jaringan Sendiri": a network the teacher draws, opens or pastes, with its
// title and note for the class, the editor, and what the program teaches run on it. "&Proses..."
// (Enter) runs Dijkstra's method from the start to the end node (the route in the run's colours,
// the total, every node's distance beside it) and Floyd–Warshall (both matrices after each
// iteration, the route they give). A weight may be negative: Dijkstra's method still runs as it
// is taught (a fixed node never changes), under a warning, and Bellman–Ford's result stands
// beside it; a negative cycle reachable from the start is named and drawn instead of distances.
// "Bandingkan dengan Bellman–Ford" (Ctrl+B) lists both methods' distances side by side. The
// window keeps the file it came from and its format, and
// its title marks unsaved changes; closing it with such changes asks whether to save them.
//
// Controls (objectNames): txtJudul (title), txtCatatan (note), networkEditor, cmdProses,
// lblTotal, lblRute, cboIterasi, tblNilai, tblSimpul, lblRuteFloyd, lblPeringatan,
// lblBellmanFord, tblBandingkan, lblKesalahanDijkstra.
class OwnNetworkWindow final : public LessonWindow
{
    Q_OBJECT

public:
    explicit OwnNetworkWindow(QWidget* parent = nullptr);
    ~OwnNetworkWindow() override;

    // Shows @p document, read from @p fileName in @p format (no file: a new network, "Tanpa
    // judul"); the undo history starts afresh and the window counts as saved.
    void setDocument(const NetworkDocument& document, const QString& fileName = {},
                     std::optional<NetworkFormat> format = std::nullopt);
    // What the window holds now, as it would be saved.
    NetworkDocument document() const;

    QString fileName() const { return m_fileName; }
    std::optional<NetworkFormat> fileFormat() const { return m_format; }
    // Unsaved changes: an edit since the last save, or a network that came from no file of its own
    // (pasted) and was never saved.
    bool isModified() const;
    void markUnsaved();

    // "&Simpan": to its file in the file's own format, or asks for one. False where nothing was
    // written.
    bool save();
    // "Simpan &sebagai...": asks for a name; the format follows the name's extension.
    bool saveAs();
    // "Ekspor DOT...": the network for Graphviz; the window keeps its own file.
    bool exportDot();
    // Asks what to do with unsaved changes; true where the window may close.
    bool confirmClose();

    // "&Proses...": Dijkstra and Floyd–Warshall on the network as it is now.
    void run();
    // "Bandingkan dengan Bellman–Ford": every node's distance by both methods, those that differ
    // marked, and the step where Dijkstra fixed a node too early. False where the network cannot
    // be run (nothing is shown then) or an exercise is on.
    bool compareWithBellmanFord();
    // "Latihan: buat jaringan": the student changes the network until Dijkstra's distances differ
    // from Bellman–Ford's without a negative cycle; every edit is checked and the verdict, with
    // its numbers, stands under the drawing. Triggered again, it ends.
    void setBuildExercise(bool on);
    bool isBuildExercise() const { return m_buildCheck != nullptr && m_buildOn; }
    // What the student hands in for the building exercise, as the network stands now: their name
    // (studentName()), the date, the network's title and links, the verdict with its numbers, and
    // where the network qualifies, the nodes Dijkstra gets wrong and the step it goes wrong.
    // Empty while the building exercise is off.
    QString buildSummary() const;
    // "Simpan ringkasan latihan..." (Ctrl+Shift+R): the summary as PDF, under the drawing, or as
    // text, through the window's classroom actions. False where nothing was written.
    bool saveBuildSummary();
    // "Cetak ringkasan latihan..." (Ctrl+Shift+P): the same pages in the print preview.
    void printBuildSummary();

    void setSeams(OwnNetworkSeams seams);
    // Whether a file is shown in another window: "Simpan sebagai..." does not write over it.
    void setOpenElsewhere(std::function<bool(const QString& path)> openElsewhere)
    {
        m_openElsewhere = std::move(openElsewhere);
    }
    const OwnNetworkSeams& seams() const { return m_seams; }

    NetworkEditor* editor() const { return m_editor; }
    DrawingWidget* drawing() const override;
    StepMode* stepMode() const override;
    Exercise* exercise() const override;
    LessonNetwork lessonNetwork() const override;
    // "Soal baru", "Buka soal..." and "Bobot awal": the network's weights replaced at once (the
    // undo history starts afresh; the network counts as changed).
    void setLessonWeights(const std::vector<double>& weights) override;
    // The weights the network had when it was opened or last saved (the current ones where links
    // were added or removed since).
    std::vector<double> defaultLessonWeights() const override;

    // Which method step mode (F10) and the exercise (F9) teach: Dijkstra's, Floyd–Warshall or
    // Bellman–Ford, in the order of "Metode pelajaran".
    ExerciseMethod lessonMethod() const { return m_lessonMethod; }
    void setLessonMethod(ExerciseMethod method);
    bool teachesFloyd() const { return m_lessonMethod == ExerciseMethod::Floyd; }
    void setTeachesFloyd(bool floyd)
    {
        setLessonMethod(floyd ? ExerciseMethod::Floyd : ExerciseMethod::Dijkstra);
    }

signals:
    // The window's file name changed (saved under another name).
    void fileNameChanged(const QString& fileName);
    // exercise() is another object now (the method taught changed); the old one is gone.
    void exerciseReplaced();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildClient();
    void buildLessons();
    void makeExercise();
    // Step mode and exercises leave the drawing and the results alone while they run.
    void lessonStarted();
    void lessonEnded();
    void updateTitle();
    void clearResult();
    void showFloydIteration(int k);
    bool writeTo(const QString& path, NetworkFormat format);
    QString askSaveName(const QString& caption, const QString& filters, const QString& proposed,
                        QString* selectedFilter);
    void refuse(const QString& text);
    // Refuses what no method can run (no nodes, a weight that is no finite number); true where
    // the network can be run.
    bool acceptRun(const Network& network);
    void pressDefault();
    // Makes the window fit the document area and stand inside it.
    void fitIntoArea();

    QWidget* m_client = nullptr;
    QLineEdit* m_title = nullptr;
    QPlainTextEdit* m_note = nullptr;
    NetworkEditor* m_editor = nullptr;
    QPushButton* m_runButton = nullptr;
    QList<QShortcut*> m_defaultKeys; // Enter and Return: the run button
    QLabel* m_total = nullptr;
    QLabel* m_route = nullptr;
    QComboBox* m_iteration = nullptr;
    QTableView* m_values = nullptr;
    QTableView* m_nodes = nullptr;
    QLabel* m_floydRoute = nullptr;
    QLabel* m_warning = nullptr;     // Dijkstra on negative weights
    QLabel* m_buildCheck = nullptr; // the building exercise's task and verdict
    QAction* m_buildAction = nullptr;
    QList<QAction*> m_buildSummaryActions; // save and print, while the building exercise is on
    bool m_buildOn = false;
    void checkBuiltNetwork();
    QLabel* m_bellmanFord = nullptr; // Bellman–Ford's distance and route, or the negative cycle
    QWidget* m_comparePanel = nullptr;
    QTableWidget* m_compareTable = nullptr;
    QLabel* m_mistake = nullptr;
    QAction* m_compareAction = nullptr;
    FloydGridModel* m_valueGrid = nullptr;
    FloydGridModel* m_nodeGrid = nullptr;
    ClassroomActions* m_classroom = nullptr;
    QList<QAction*> m_csvActions;   // the matrices as text and CSV, once a run has made them
    StepMode* m_stepMode = nullptr; // children of the window
    Exercise* m_exercise = nullptr;
    QComboBox* m_method = nullptr;
    QList<QAction*> m_methodActions;
    QWidget* m_floydPanel = nullptr;
    ResultVeil m_veil;
    ExerciseMethod m_lessonMethod = ExerciseMethod::Dijkstra;
    bool m_fitted = false; // placed inside the document area on its first showing
    std::vector<double> m_baseWeights;
    Network m_savedNetwork; // as opened or last saved

    OwnNetworkSeams m_seams;
    std::function<bool(const QString&)> m_openElsewhere;
    QString m_fileName;
    std::optional<NetworkFormat> m_format;
    bool m_textsEdited = false; // title or note typed since the last save
    bool m_neverSaved = false;  // pasted: nothing holds it but this window
    bool m_replaced = false;    // weights put in by an exercise, other than those saved
    std::vector<PathMatrix> m_floyd;
};

} // namespace trayeko::ui
