// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/plotoutput.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The file the save dialog offers when it opens; the dialog is then cancelled.
QString offered()
{
    QString file;
    QTimer::singleShot(0, [&file] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        file = dialog->selectedFiles().value(0);
        dialog->reject();
    });
    EXPECT_EQ(ui::askPlotPath(nullptr), QString());
    return file;
}

// The pictures folder the user's settings name, once it exists; the home folder before.
TEST(SaveDialog, OffersGraficoPngInThePicturesFolderOrAtHome)
{
    const QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    QDir(home.path()).mkpath(".config");
    QFile settings(home.filePath(".config/user-dirs.dirs"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly) &&
                settings.write("XDG_PICTURES_DIR=\"$HOME/media/Immagini\"\n") > 0);
    settings.close();
    // Left alone, the dialog would open in the missing folder's nearest parent: media, not home.
    QDir(home.path()).mkdir("media");
    EXPECT_EQ(offered(), home.filePath("grafico.png"));
    QDir(home.path()).mkpath("media/Immagini");
    EXPECT_EQ(offered(), home.filePath("media/Immagini/grafico.png"));
    qputenv("HOME", oldHome);
}

} // namespace
