// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/diskBuilderDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/platform/saveDialog.h"
#include "io/textFile.h"
#include "lib/infoMessage.h"
#include "maker/diskFiles.h"

namespace {

// The disk as it will be cut or printed: the maker engine's preview, which the page shows too.
class TDiskPreview : public QWidget {
public:
    explicit TDiskPreview(QWidget* parent) : QWidget(parent) {
        setMinimumSize(320, 320);
        setAccessibleName(QStringLiteral("Vorschau der Scheibe"));
    }
    void setSettings(const TDiskSettings& settings) {
        m_drawing.load(QByteArray::fromStdString(diskPreviewSvg(settings)));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const int side = std::min(width(), height());
        m_drawing.render(&painter,
                         QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side));
    }

private:
    QSvgRenderer m_drawing;
};

}  // namespace

TDiskBuilderDialog::TDiskBuilderDialog(QWidget* parent) : TCountDialog(parent) {
    setObjectName(QStringLiteral("diskBuilderDialog"));
    setWindowTitle(QStringLiteral("Scheibe bauen"));
    // Millimetres with a decimal comma, whatever the desktop's language.
    setLocale(QLocale(QLocale::German, QLocale::Germany));
    auto* form = new QFormLayout;
    const auto length = [&](const QString& label, double least, double most, double value,
                            double step) {
        auto* field = new QDoubleSpinBox(this);
        field->setRange(least, most);
        field->setDecimals(2);
        field->setSingleStep(step);
        field->setValue(value);
        field->setSuffix(QStringLiteral(" mm"));
        addLabelledRow(*form, label, field);
        connect(field, &QDoubleSpinBox::valueChanged, this, &TDiskBuilderDialog::settingsChanged);
        return field;
    };
    const auto choice = [&](const QString& label, const QStringList& items) {
        auto* field = new QComboBox(this);
        field->addItems(items);
        addLabelledRow(*form, label, field);
        connect(field, &QComboBox::currentIndexChanged, this, &TDiskBuilderDialog::settingsChanged);
        return field;
    };
    const TDiskSettings defaults;
    m_count = new QSpinBox(this);
    m_count->setRange(TCodeCount::kMin, TCodeCount::kMax);
    m_count->setSingleStep(2);
    m_count->setValue(defaults.count.value());
    connect(m_count, &QSpinBox::editingFinished, this,
            [this] { m_count->setValue(shownCount(m_count->value())); });
    connect(m_count, &QSpinBox::valueChanged, this, &TDiskBuilderDialog::settingsChanged);
    addLabelledRow(*form, QStringLiteral("&Codeanzahl:"), m_count);
    m_code = choice(QStringLiteral("C&ode:"),
                    {QStringLiteral("Zyklora"), QStringLiteral("Gray-Exzess")});
    m_style = choice(QStringLiteral("&Art:"),
                     {QStringLiteral("Druck/Gravur"), QStringLiteral("Schlitzscheibe")});
    m_slitBit = choice(QStringLiteral("Sch&litz:"),
                       {QStringLiteral("Schlitz = 1"), QStringLiteral("Schlitz = 0")});
    m_diameter = length(QStringLiteral("A&ußendurchmesser:"), kMinDiameter, kMaxDiameter,
                        defaults.diameter, 1);
    // 0 means no shaft hole; below 2 mm there is none either.
    m_shaft = length(QStringLiteral("&Wellenbohrung:"), 0, kMaxShaft, defaults.shaft, 0.5);
    m_track = length(QStringLiteral("S&purbreite:"), kMinTrack, kMaxTrack, defaults.track, 0.1);
    m_gap = length(QStringLiteral("Spurabs&tand:"), kMinGap, kMaxGap, defaults.gap, 0.1);
    m_rim = length(QStringLiteral("&Rand:"), kMinRim, kMaxRim, defaults.rim, 0.1);
    m_thickness = length(QStringLiteral("&Materialdicke:"), kMinThickness, kMaxThickness,
                         defaults.thickness, 0.2);
    m_kerf = length(QStringLiteral("Schnitt&fuge:"), kMinKerf, kMaxKerf, defaults.kerf, 0.05);
    m_holes = choice(QStringLiteral("Befestigungs&löcher:"),
                     {QStringLiteral("keine"), QStringLiteral("3"), QStringLiteral("4")});
    m_holeDiameter = length(QStringLiteral("Loch&durchmesser:"), kMinHoleDiameter, kMaxHoleDiameter,
                            defaults.holeDiameter, 0.5);
    m_sensorAngles = new QLineEdit(this);
    m_sensorAngles->setPlaceholderText(QStringLiteral("z. B. 0; 15; 30 (Ring 1 zuerst)"));
    connect(m_sensorAngles, &QLineEdit::textChanged, this, &TDiskBuilderDialog::settingsChanged);
    addLabelledRow(*form, QStringLiteral("Sensor&winkel in Grad:"), m_sensorAngles);
    m_mirror = new QCheckBox(QStringLiteral("Sp&iegeln (von hinten gesehen)"), this);
    m_mirror->setAccessibleName(QStringLiteral("Spiegeln"));
    connect(m_mirror, &QCheckBox::toggled, this, &TDiskBuilderDialog::settingsChanged);
    form->addRow(QString(), m_mirror);

    m_preview = new TDiskPreview(this);
    m_checks = new QLabel(this);
    m_checks->setObjectName(QStringLiteral("diskChecks"));
    m_checks->setAccessibleName(QStringLiteral("Prüfungen"));
    m_checks->setWordWrap(true);
    m_checks->setTextFormat(Qt::RichText);
    m_checks->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_checks->setMinimumWidth(320);

    auto* buttons = new QGridLayout;
    for (const TDiskFileKind& kind : diskFileKinds()) {
        const QString label =
            QString::fromUtf8(kind.label.data(), static_cast<qsizetype>(kind.label.size()));
        auto* button = new QPushButton(label, this);
        button->setObjectName(
            QStringLiteral("save") +
            QString::fromLatin1(kind.format.data(), static_cast<qsizetype>(kind.format.size())));
        button->setAccessibleName(QString(label).remove('&').remove(QStringLiteral("…")));
        button->setAutoDefault(false);
        const auto index = static_cast<int>(kind.file);
        buttons->addWidget(button, index / 3, index % 3);
        m_saveButtons[static_cast<std::size_t>(index)] = button;
        connect(button, &QPushButton::clicked, this, [this, file = kind.file] { save(file); });
    }
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close, 3, 2);

    auto* columns = new QHBoxLayout;
    columns->addLayout(form);
    columns->addWidget(m_preview, 1);
    columns->addWidget(m_checks);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    settingsChanged();
}

void TDiskBuilderDialog::setCount(int count) { m_count->setValue(shownCount(count)); }

TDiskSettings TDiskBuilderDialog::settings() const {
    TDiskSettings settings;
    settings.count = TCodeCount::shown(m_count->value());
    settings.diameter = m_diameter->value();
    settings.shaft = m_shaft->value() < kMinShaft ? 0 : m_shaft->value();
    settings.track = m_track->value();
    settings.gap = m_gap->value();
    settings.rim = m_rim->value();
    settings.thickness = m_thickness->value();
    settings.kerf = m_kerf->value();
    settings.holes = m_holes->currentIndex() == 0 ? 0 : m_holes->currentIndex() + 2;
    settings.holeDiameter = m_holeDiameter->value();
    settings.style = m_style->currentIndex() == 0 ? TDiskStyle::Print : TDiskStyle::Slit;
    settings.slitBit = m_slitBit->currentIndex() == 0 ? 1 : 0;
    settings.code = m_code->currentIndex() == 0 ? TDiskCode::Zyklora : TDiskCode::Excess;
    settings.sensorAngles = sensorAnglesOf(m_sensorAngles->text().toStdString());
    settings.mirror = m_mirror->isChecked();
    return settings;
}

void TDiskBuilderDialog::settingsChanged() {
    const TDiskSettings current = settings();
    m_slitBit->setEnabled(current.style == TDiskStyle::Slit);
    static_cast<TDiskPreview*>(m_preview)->setSettings(current);
    // The checks of both processes: errors red, warnings amber.
    QString shown;
    for (const TCheckGroup& group : checkGroups(current)) {
        shown += QStringLiteral("<p><b>%1</b></p>")
                     .arg(QString::fromUtf8(group.heading.data(),
                                            static_cast<qsizetype>(group.heading.size())));
        for (const TDiskCheck& check : group.checks) {
            const QString colour = check.verdict == TDiskCheck::TVerdict::Error     ? "#c00000"
                                   : check.verdict == TDiskCheck::TVerdict::Warning ? "#8a5a00"
                                                                                    : "#000000";
            shown += QStringLiteral("<p style=\"color:%1\">%2</p>")
                         .arg(colour, QString::fromStdString(checkLine(check)).toHtmlEscaped());
        }
    }
    m_checks->setText(shown);
    for (const TDiskFileKind& kind : diskFileKinds()) {
        m_saveButtons[static_cast<std::size_t>(kind.file)]->setEnabled(
            diskFileRefusal(kind.file, current).empty());
    }
}

std::string TDiskBuilderDialog::saveAs(TDiskFile kind, const QString& fileName) {
    const TDiskFileMade made = diskFile(kind, settings());
    std::string failure = made.refusal;
    if (failure.empty()) failure = savedText(fileName.toStdString(), made.bytes);
    if (!failure.empty()) showInfoMessage(failure);
    return failure;
}

void TDiskBuilderDialog::save(TDiskFile kind) {
    const QString name = QString::fromStdString(diskFileName(kind, settings().count));
    const QString fileName =
        askSaveFileName(this, QStringLiteral("Scheibe speichern"), name, QString(), QString());
    if (!fileName.isEmpty()) saveAs(kind, fileName);
}
