#include "ui/help/helpwindow.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtGlobal>

// The guides are compiled into this static library; nothing else refers to them, so they are
// registered by hand before the first use.
static void loadGuides()
{
    Q_INIT_RESOURCE(help);
}

namespace trayeko::ui {

namespace {

const QString kGuideId = QStringLiteral(":/help/usage-id.md");
const QString kGuideEn = QStringLiteral(":/help/usage-en.md");

QString resourceText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Every key the windows answer, window by window.
const char* const kKeys = R"(
## Semua jendela

| Tombol | Fungsi |
|---|---|
| F1 | membuka jendela Bantuan ini |
| Alt+F | membuka menu File; lalu D, F, C atau K untuk Dijkstra, Floyd, Compare atau Keluar |
| Ctrl+Shift+C | Salin gambar: gambar jendela aktif ke papan klip |
| Ctrl+Shift+S | Simpan gambar...: gambar jendela aktif sebagai PNG, SVG atau PDF |
| Ctrl+P | Cetak...: pratinjau dan cetak gambar jendela aktif |
| Ctrl+F4, Ctrl+W | menutup jendela aktif di dalam jendela utama |
| Esc | menutup jendela Bantuan |

## Jendela Dijkstra ("Trayeko 2003")

| Tombol | Fungsi |
|---|---|
| Enter, Alt+P | Proses |
| Alt+K | Keluar: menutup jendela |
| Ctrl+D | membuka atau menutup panel detail |
| Tab / Shift+Tab | berpindah di antara tombol dan kotak bobot |
| F10 | Langkah demi langkah: metode Dijkstra satu langkah demi satu langkah |
| Panah atas / bawah di tabel detail | menggambar lintasan baris itu di jaringan |

## Jendela Floyd ("Metode Floid")

| Tombol | Fungsi |
|---|---|
| Enter, Alt+P | Proses |
| Alt+K | Keluar: menutup jendela |
| Shift+Tab, lalu panah kiri / kanan | ke baris tab, lalu berpindah antara tab Nilai dan Simpul |
| tombol Menu di daftar | menu konteks: Salin teks, Simpan CSV..., Langkah demi langkah |
| F10 | Langkah demi langkah: satu iterasi Floyd demi satu iterasi |

## Mode langkah demi langkah (Dijkstra dan Floyd)

| Tombol | Fungsi |
|---|---|
| Panah kanan, Spasi | langkah berikutnya |
| Panah kiri | langkah sebelumnya |
| Home / End | langkah pertama / terakhir |
| P | putar atau jeda: satu langkah setiap 0,5 sampai 3 detik (kotak kecepatan), berhenti di langkah terakhir |
| Esc | keluar dari mode langkah; jendela kembali seperti semula |
| tombol \|◀ ◀ ▶ ▶\| di panel Pelajaran | langkah pertama, sebelumnya, berikutnya, terakhir |
| tombol Putar / Jeda di panel Pelajaran | memutar langkah demi langkah atau menjedanya |
| tombol ✕ di panel Pelajaran, atau menutup panel | keluar dari mode langkah |
| Salin teks, Simpan CSV... di bawah tabel Dijkstra | tabel langkah ke papan klip atau ke berkas CSV |

## Jendela perbandingan ("Compare Multinode")

| Tombol | Fungsi |
|---|---|
| Panah atas / bawah | memilih banyaknya simpul |
| Alt+K | Keluar: menutup jendela |
| Ctrl+J | Lihat jaringan: jaringan hasil terakhir dengan lintasan yang dilaporkan |
| Ctrl+G | Grafik waktu...: waktu pencarian menurut banyaknya simpul |

## Jendela "Jaringan N simpul" dan "Grafik waktu"

| Tombol | Fungsi |
|---|---|
| Alt+B | Batal: menghentikan pengukuran grafik waktu |
| tombol Menu di gambar | menu konteks: Salin gambar, Simpan gambar..., Cetak... (di grafik juga Simpan CSV...) |
)";

QString aboutText()
{
    return QStringLiteral(
               "# Tentang Trayeko\n\n"
               "Trayeko %1 \u2014 belajar mencari jalur terpendek dengan metode Dijkstra dan "
               "Floyd.\n\n"
               "Lisensi: MIT. Hak cipta \u00a9 2026 Trayeko developers.\n\n"
               "Dibangun dengan Qt %2, berjalan dengan Qt %3.\n")
        .arg(QStringLiteral(TRAYEKO_VERSION), QStringLiteral(QT_VERSION_STR),
             QString::fromLatin1(qVersion()));
}

QTextBrowser* makeBrowser(const QString& objectName, const QString& accessibleName)
{
    auto* browser = new QTextBrowser;
    browser->setObjectName(objectName);
    browser->setAccessibleName(accessibleName);
    browser->setOpenExternalLinks(true);
    return browser;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent)
{
    loadGuides();
    setObjectName(QStringLiteral("frmBantuan"));
    setWindowTitle(QStringLiteral("Bantuan Trayeko"));
    setAttribute(Qt::WA_DeleteOnClose);
    // At a large scale factor 720 × 600 can be more than the screen holds.
    QSize size(720, 600);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);

    auto* client = new QWidget;
    m_tabs = new QTabWidget(client);
    m_tabs->setObjectName(QStringLiteral("tabBantuan"));

    auto* guidePage = new QWidget;
    m_languageLinks = new QLabel;
    m_languageLinks->setObjectName(QStringLiteral("lblBahasa"));
    m_languageLinks->setText(
        QStringLiteral("<a href=\"id\">Bahasa Indonesia</a> | <a href=\"en\">English guide</a>"));
    connect(m_languageLinks, &QLabel::linkActivated, this,
            [this](const QString& link) { showGuide(link == u"en"); });
    m_guide = makeBrowser(QStringLiteral("txtPanduan"), QStringLiteral("Panduan"));
    // The guides' pictures are built in beside them.
    m_guide->setSearchPaths({QStringLiteral(":/help")});
    auto* guideLayout = new QVBoxLayout(guidePage);
    guideLayout->addWidget(m_languageLinks);
    guideLayout->addWidget(m_guide);
    m_tabs->addTab(guidePage, QStringLiteral("&Panduan"));

    m_keys = makeBrowser(QStringLiteral("txtTombol"), QStringLiteral("Tombol setiap jendela"));
    m_keys->setMarkdown(QString::fromUtf8(kKeys));
    m_tabs->addTab(m_keys, QStringLiteral("&Tombol"));

    m_about = makeBrowser(QStringLiteral("txtTentang"), QStringLiteral("Tentang Trayeko"));
    m_about->setMarkdown(aboutText());
    m_tabs->addTab(m_about, QStringLiteral("T&entang Trayeko"));

    auto* layout = new QVBoxLayout(client);
    layout->addWidget(m_tabs);
    setCentralWidget(client);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    showGuide(false);
}

void HelpWindow::showGuide(bool english)
{
    m_guide->setMarkdown(resourceText(english ? kGuideEn : kGuideId));
    // The screenshots are as wide as a screen; in the help they take the window's width at most,
    // keeping their proportions, so the guide reads without scrolling sideways.
    constexpr int kPictureWidth = 560;
    for (QTextBlock block = m_guide->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            picture.setWidth(kPictureWidth);
            QTextCursor cursor(m_guide->document());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
    }
}

HelpWindow* showHelp(QWidget* from)
{
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow(from ? from->window() : nullptr);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QAction* installHelpAction(QWidget* window)
{
    auto* action = new QAction(QStringLiteral("Bantuan"), window);
    action->setObjectName(QStringLiteral("actBantuan"));
    action->setShortcut(QKeySequence(Qt::Key_F1));
    action->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(action, &QAction::triggered, window, [window] { showHelp(window); });
    window->addAction(action);
    return action;
}

} // namespace trayeko::ui
