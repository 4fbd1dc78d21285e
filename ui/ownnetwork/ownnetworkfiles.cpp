#include "ui/ownnetwork/ownnetworkfiles.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <cmath>

namespace trayeko::ui {

OpenFileNameFn standardOpenFileName()
{
    return
        [](QWidget* parent, const QString& caption, const QString& folder, const QString& filters) {
            return QFileDialog::getOpenFileName(parent, caption, folder, filters);
        };
}

AskSaveFn standardAskSave()
{
    return [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
        QPushButton* save = box.addButton(QStringLiteral("Simpan"), QMessageBox::AcceptRole);
        QPushButton* discard =
            box.addButton(QStringLiteral("Jangan simpan"), QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QStringLiteral("Batal"), QMessageBox::RejectRole);
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == save)
            return SaveAnswer::Save;
        if (box.clickedButton() == discard)
            return SaveAnswer::Discard;
        return SaveAnswer::Cancel;
    };
}

bool placeUnplacedNodes(Network& network)
{
    const int count = network.nodeCount();
    if (count < 2)
        return false;
    const NetworkNode& first = network.node(1);
    for (const NetworkNode& node : network.nodes())
        if (node.x != first.x || node.y != first.y)
            return false;
    // In the units the examples use (twips), a circle that leaves the nodes well apart.
    constexpr double kCentreX = 3000;
    constexpr double kCentreY = 1750;
    const double radius = 1500 + 60.0 * count;
    for (int n = 1; n <= count; ++n) {
        const double angle = M_PI + 2 * M_PI * (n - 1) / count;
        network.setNodePlace(n, kCentreX + radius * std::cos(angle),
                             kCentreY - radius * std::sin(angle));
    }
    return true;
}

char networkDecimalSeparator()
{
    const std::string separator = regionalDecimalSeparator();
    return separator.size() == 1 ? separator.front() : '.';
}

NetworkFileRead readNetworkFile(const QString& path)
{
    NetworkFileRead read;
    const QString name = QFileInfo(path).fileName();
    const auto refuse = [&](const QString& why) {
        read.error = QStringLiteral("Berkas \"%1\" tidak dapat dibuka: %2").arg(name, why);
        return read;
    };
    const std::optional<NetworkFormat> format = formatForFileName(path.toStdString());
    if (!format)
        return refuse(QStringLiteral("jenis berkas tidak dikenal (yang dapat dibuka: %1).")
                          .arg(QString::fromStdString(fileFilterText())));
    read.format = *format;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString() + u'.');
    // A file of this size is no network of at most kMaxNetworkNodes nodes; reading it whole would
    // only hold the program up.
    if (file.size() > kMaxNetworkFileBytes)
        return refuse(QStringLiteral("berkas terlalu besar untuk sebuah jaringan (%1 MB).")
                          .arg(file.size() / (1024 * 1024)));
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refuse(file.errorString() + u'.');
    NetworkReadResult result =
        readNetwork(std::string_view(content.constData(), size_t(content.size())), *format,
                    networkDecimalSeparator());
    if (!result.document)
        return refuse(QString::fromStdString(result.error));
    read.document = std::move(result.document);
    placeUnplacedNodes(read.document->network);
    return read;
}

QString writeNetworkFile(const QString& path, const NetworkDocument& document, NetworkFormat format)
{
    // A CSV matrix reads a cell of 0 as no link: such a link would be gone when the file is
    // opened again.
    if (format == NetworkFormat::Csv)
        for (const NetworkLink& link : document.network.links())
            if (link.weight == 0)
                return QStringLiteral("Berkas \"%1\" tidak dapat disimpan: jalur %2 ke %3 "
                                      "berbobot 0, dan matriks CSV membaca 0 sebagai tidak ada "
                                      "jalur. Simpan sebagai JSON atau GraphML.")
                    .arg(QFileInfo(path).fileName(),
                         QString::fromStdString(document.network.nodeLabel(link.from)),
                         QString::fromStdString(document.network.nodeLabel(link.to)));
    const std::string text = writeNetwork(document, format, networkDecimalSeparator());
    QSaveFile file(path);
    const auto refuse = [&] {
        return QStringLiteral("Berkas \"%1\" tidak dapat disimpan: %2.")
            .arg(QFileInfo(path).fileName(), file.errorString());
    };
    if (!file.open(QIODevice::WriteOnly))
        return refuse();
    if (file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        file.cancelWriting();
        return refuse();
    }
    if (!file.commit())
        return refuse();
    return {};
}

} // namespace trayeko::ui
