// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/savedialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The file the save dialog offers when it opens, then the one it gives for "foto" typed once PDF is chosen.
QString offered()
{
    QString file;
    QTimer::singleShot(0, [&file] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        file = dialog->selectedFiles().value(0);
        QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        name->clear();
        QTest::keyClicks(name, "foto");
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    return QFileInfo(ui::askPlotPath(nullptr)).fileName().prepend(file + ' ');
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
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    ASSERT_GT(settings.write("XDG_PICTURES_DIR=\"$HOME/media/Immagini\"\n"), 0);
    settings.close();
    // Left alone, the dialog would open in the missing folder's nearest parent: media, not home.
    QDir(home.path()).mkdir("media");
    EXPECT_EQ(offered(), home.filePath("grafico.png foto.pdf"));
    QDir(home.path()).mkpath("media/Immagini");
    EXPECT_EQ(offered(), home.filePath("media/Immagini/grafico.png foto.pdf"));
    qputenv("HOME", oldHome);
}

} // namespace
