// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/saveDialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "app/diskBuilderDialog.h"
#include "app/toolBar.h"
#include "app/worksheetDialog.h"
#include "tests/app/shownForm.h"

namespace {

// A home folder of the test's own, with or without its documents folder, and a working folder
// elsewhere, as the menu entry starts the program in its system folder.
class SaveDialog : public ShownForm {
protected:
    SaveDialog() : m_home(qEnvironmentVariable("HOME")), m_workingFolder(QDir::currentPath()) {
        qputenv("HOME", home.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        QDir::setCurrent(elsewhere.path());
    }
    ~SaveDialog() override {
        qputenv("HOME", m_home.toUtf8());
        QDir::setCurrent(m_workingFolder);
    }

    // Clicks button, which opens a save dialog; returns the file the dialog offers, then
    // cancels it.
    QString offeredFile(const std::function<void()>& click) {
        QString offered;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* shown : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(shown);
                if (dialog == nullptr || !dialog->isVisible()) continue;
                offered = dialog->selectedFiles().value(0);
                dialog->reject();
            }
        });
        poll.start(20);
        click();
        return offered;
    }

    QTemporaryDir home;
    QTemporaryDir elsewhere;

private:
    QString m_home;
    QString m_workingFolder;
};

TEST_F(SaveDialog, EverySaveStartsInTheDocumentsFolderOrElseAtHome) {
    QTest::mouseClick(form.BitBtn, Qt::LeftButton);
    TWorksheetDialog worksheet(&form);
    worksheet.setCount(10);
    worksheet.show();
    TDiskBuilderDialog builder(&form);
    builder.show();
    const struct {
        const char* what;
        std::function<void()> click;
        QString name;
    } saves[] = {
        {"toolbar", [&] { form.toolBar().action(TActionId::SaveDisk)->trigger(); },
         "codescheibe-10.png"},
        {"worksheet", [&] { worksheet.findChild<QPushButton*>("sheetPdf")->click(); },
         "arbeitsblatt-scheibe-ausfuellen-10-v1.pdf"},
        {"disk builder", [&] { builder.findChild<QPushButton*>("savesvg")->click(); }, ".svg"},
    };
    for (const bool documents : {true, false}) {
        QDir homeFolder(home.path());
        ASSERT_TRUE(documents ? homeFolder.mkdir("Documents") : homeFolder.rmdir("Documents"));
        const QString folder = documents ? home.filePath("Documents") : home.path();
        EXPECT_EQ(documentsFolder(), folder);
        for (const auto& save : saves) {
            const QString offered = offeredFile(save.click);
            EXPECT_EQ(QFileInfo(offered).absolutePath(), folder) << save.what;
            EXPECT_TRUE(offered.endsWith(save.name)) << save.what;
        }
    }
}

}  // namespace
