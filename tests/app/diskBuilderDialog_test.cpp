// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/diskBuilderDialog.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "app/platform/spinEdit.h"
#include "tests/app/shownForm.h"

namespace {

class DiskBuilderDialog : public ShownForm {
protected:
    TDiskBuilderDialog& dialog() {
        auto* found = form.findChild<TDiskBuilderDialog*>("diskBuilderDialog");
        EXPECT_NE(found, nullptr);
        return *found;
    }
    template <typename T>
    T* field(const char* accessibleName) {
        for (T* candidate : dialog().findChildren<T*>()) {
            if (candidate->accessibleName() == QString::fromUtf8(accessibleName)) return candidate;
        }
        ADD_FAILURE() << accessibleName;
        return nullptr;
    }
};

// Strg+B opens the dialog for the table's count; a slit disk with touching rings of 30 words
// loses two cells of ring 2, which the checks name and which blocks the cut files; a gap
// between the rings frees them, and the SVG saved is the disk true to size.
TEST_F(DiskBuilderDialog, ChecksBlockWhatCannotBeBuiltAndTheFilesAreTrueToSize) {
    form.SpinEdit->setValue(30);
    QTest::mouseClick(form.BitBtn, Qt::LeftButton);
    QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier);
    ASSERT_TRUE(dialog().isVisible());
    EXPECT_EQ(dialog().settings().count.value(), 30);

    field<QComboBox>("Art")->setCurrentIndex(1);  // Schlitzscheibe
    field<QDoubleSpinBox>("Spurabstand")->setValue(0);
    const auto checks = [&] { return dialog().findChild<QLabel*>("diskChecks")->text(); };
    EXPECT_TRUE(checks().contains("Fehler: Lose Teile: Ring 2, Sektoren 23–24"))
        << checks().toStdString();
    const auto enabled = [&](const char* name) { return field<QPushButton>(name)->isEnabled(); };
    EXPECT_FALSE(enabled("SVG (Laser, Plotter)"));
    EXPECT_FALSE(enabled("STL (3D-Druck)"));
    EXPECT_FALSE(enabled("STL-Einlage"));  // a slit disk has no inlay
    EXPECT_TRUE(enabled("Arduino-Tabelle"));

    field<QDoubleSpinBox>("Spurabstand")->setValue(1.2);
    EXPECT_FALSE(checks().contains("Fehler")) << checks().toStdString();
    EXPECT_TRUE(enabled("SVG (Laser, Plotter)"));
    QTemporaryDir dir;
    const QString svg = dir.filePath("zyklora-30-scheibe.svg");
    EXPECT_EQ(dialog().saveAs(TDiskFile::Svg, svg), "");
    QFile saved(svg);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("width=\"100mm\" height=\"100mm\""));
}

}  // namespace
