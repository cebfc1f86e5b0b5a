// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/savedialog.h"

#include "graphs/imageformat.h"
#include "ui/messages.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <iterator>

namespace ui {

namespace {

// The save dialog's types, the first chosen at first.
struct SaveType {
    graphs::ImageFormat format;
    const char* filter;
};
constexpr SaveType SaveTypes[] = {{graphs::ImageFormat::Png, messages::PngFilter},
                                  {graphs::ImageFormat::Pdf, messages::PdfFilter}};

// The user's pictures folder, or the home folder where there is none.
QString startFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

} // namespace

QString askPlotPath(QWidget* parent)
{
    QStringList filters;
    for (const SaveType& type : SaveTypes) {
        filters << QString::fromUtf8(type.filter);
    }
    QFileDialog dialog(parent, QString::fromUtf8(messages::SaveDialogTitle), startFolder(),
                       filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog, whatever the desktop: a native one may not let the
    // name follow the chosen type, as filterSelected below makes it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QString suffix = QString::fromUtf8(graphs::extensionOf(SaveTypes[0].format));
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(QString::fromUtf8(messages::DefaultImageName) + QLatin1Char('.') + suffix);
    // Choosing another type renames the file to match.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const auto* type = std::find_if(std::begin(SaveTypes), std::end(SaveTypes),
                                        [&filter](const SaveType& t) { return filter == QString::fromUtf8(t.filter); });
        const QString chosen =
            QString::fromUtf8(graphs::extensionOf(type == std::end(SaveTypes) ? SaveTypes[0].format : type->format));
        dialog.setDefaultSuffix(chosen);
        const QString name = QFileInfo(dialog.selectedFiles().value(0)).completeBaseName();
        dialog.selectFile((name.isEmpty() ? QString::fromUtf8(messages::DefaultImageName) : name) + QLatin1Char('.') +
                          chosen);
    });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace ui
