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

// Where no settings name the user's pictures folder, it is Pictures in the home folder.
TEST(SaveDialog, OffersGraficoPngInThePicturesFolderOrAtHome)
{
    const QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(offered(), home.filePath("grafico.png"));
    ASSERT_TRUE(QDir(home.path()).mkdir("Pictures"));
    EXPECT_EQ(offered(), home.filePath("Pictures/grafico.png"));
    qputenv("HOME", oldHome);
}

} // namespace
