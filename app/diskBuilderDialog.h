// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "app/countDialogTool.h"
#include "maker/diskFileKinds.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Scheibe bauen": the settings of a real encoder disk, a live preview of it as it will be cut
// or printed (slits dark, loose pieces red, the sensors' marks blue), the checks beside it and
// one save button per kind of file. Every field has a German accessible name and a mnemonic;
// what the disk is and whether it can be built is the maker engine's (maker/).
class TDiskBuilderDialog : public TCountDialog {
    Q_OBJECT

public:
    explicit TDiskBuilderDialog(QWidget* parent = nullptr);

    // Shows count (as OK would build it) in the count field.
    void setCount(int count) override;
    // The disk that the fields describe.
    TDiskSettings settings() const;
    // Writes the file of kind to fileName through the library's safe save; "" on success,
    // else the German message that was shown.
    std::string saveAs(TDiskFile kind, const QString& fileName);

private:
    void settingsChanged();
    void save(TDiskFile kind);

    QSpinBox* m_count;
    QDoubleSpinBox* m_diameter;
    QDoubleSpinBox* m_shaft;
    QDoubleSpinBox* m_track;
    QDoubleSpinBox* m_gap;
    QDoubleSpinBox* m_rim;
    QDoubleSpinBox* m_thickness;
    QDoubleSpinBox* m_kerf;
    QComboBox* m_holes;
    QDoubleSpinBox* m_holeDiameter;
    QComboBox* m_style;
    QComboBox* m_slitBit;
    QComboBox* m_code;
    QLineEdit* m_sensorAngles;
    QCheckBox* m_mirror;
    QWidget* m_preview;
    QLabel* m_checks;
    std::array<QPushButton*, 8> m_saveButtons{};
};
