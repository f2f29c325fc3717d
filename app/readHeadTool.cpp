// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/readHeadTool.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "app/diskGeometry.h"
#include "app/platform/announcer.h"
#include "app/platform/glyphs.h"
#include "app/platform/imageControl.h"
#include "app/platform/zoomArea.h"
#include "app/sidePanels.h"
#include "app/toolBar.h"
#include "draw/lessonColors.h"
#include "lesson/shownDisk.h"

namespace {

// The panel's width beside the disk, at 100 %.
constexpr int kPanelWidth = 200;
// The read word's letters, at 100 %.
constexpr int kWordPixels = 26;

const QString kMisreadStyle = QStringLiteral("color: %1;").arg(rgbToQColor(kMisreadColor).name());

}  // namespace

TReadHeadTool::TReadHeadTool(const TToolPlace& place, TShownDisk& model, TImageControl& disk)
    : QObject(&disk), m_model(model), m_announcer(place.announcer), m_disk(disk) {
    TZoomArea& zoom = place.zoom;
    place.toolBar.addSeparator();
    m_action =
        place.toolBar.createAction(TActionId::ReadHead, readHeadGlyph(rgbToQColor(kHeadColor)));
    m_action->setCheckable(true);
    m_action->setEnabled(false);  // until there is a disk
    place.toolBar.button(TActionId::ReadHead)->setObjectName(QStringLiteral("readHeadButton"));

    buildPanel(zoom);
    // The session opens the panel first; the tool then shows what it decided.
    place.panels.add(TLessonPanel::ReadHead, m_action, m_panel, kPanelWidth);
    connect(m_action, &QAction::toggled, this, &TReadHeadTool::setShown);
    m_turnTimer = new QTimer(this);
    m_turnTimer->setInterval(kFrameMilliseconds);
    connect(m_turnTimer, &QTimer::timeout, this, &TReadHeadTool::advanceTurn);

    connect(&m_disk, &TImageControl::handleDragged, this,
            [this](QPointF at) { setHeadAngle(headAngleTowards(m_disk.width(), at.x(), at.y())); });
    connect(&m_disk, &TImageControl::handleStepped, this, [this](int step) {
        m_model.step(step);
        showReading();
    });
    connect(&m_disk, &TImageControl::handleSectorStepped, this, [this](int step) {
        m_model.stepSector(step);
        showReading();
    });
}

void TReadHeadTool::buildPanel(TZoomArea& zoom) {
    m_panel = new QWidget(zoom.content());
    m_panel->setObjectName(QStringLiteral("readHeadPanel"));
    const auto label = [&](const QString& text, const QRect& designed) {
        return zoom.placeLabel(m_panel, text, designed);
    };
    QFont bold;
    bold.setBold(true);
    label(QStringLiteral("Lesekopf"), {0, 0, 200, 16})->setFont(bold);
    m_angleLabel = label(QString(), {0, 20, 200, 16});
    label(QStringLiteral("Gelesen:"), {0, 44, 200, 16});
    m_readWord = label(QString(), {0, 60, 200, 34});
    m_readWord->setObjectName(QStringLiteral("readWord"));
    m_readWord->setAccessibleName(QStringLiteral("Gelesenes Wort"));
    m_sectorWord = label(QString(), {0, 98, 200, 30});
    m_sectorWord->setObjectName(QStringLiteral("sectorWord"));
    m_verdict = label(QString(), {0, 132, 200, 30});
    m_verdict->setObjectName(QStringLiteral("verdict"));
    m_verdict->setFont(bold);

    m_turnButton = new QPushButton(QStringLiteral("Drehen"), m_panel);
    m_turnButton->setObjectName(QStringLiteral("turnButton"));
    zoom.place(m_turnButton, {0, 170, 97, 25});
    connect(m_turnButton, &QPushButton::clicked, this, &TReadHeadTool::startOrStopTurn);

    label(QStringLiteral("Versatz"), {0, 212, 200, 16})->setFont(bold);
    QLabel* ringCaption = label(QStringLiteral("Ring:"), {0, 234, 40, 16});
    m_ring = new QComboBox(m_panel);
    m_ring->setAccessibleName(QStringLiteral("Ring mit Versatz"));
    zoom.place(m_ring, {44, 230, 156, 22});
    ringCaption->setBuddy(m_ring);
    m_offset = new QSlider(Qt::Horizontal, m_panel);
    m_offset->setObjectName(QStringLiteral("offsetSlider"));
    m_offset->setAccessibleName(QStringLiteral("Versatz"));
    m_offset->setSingleStep(10);
    m_offset->setPageStep(100);
    zoom.place(m_offset, {0, 258, 140, 22});
    m_offsetValue = label(QString(), {146, 261, 54, 16});

    m_binary = new QCheckBox(QStringLiteral("Dualcode"), m_panel);
    m_binary->setObjectName(QStringLiteral("binarySwitch"));
    zoom.place(m_binary, {0, 292, 200, 20});

    m_countLine = label(QString(), {0, 318, 200, 64});
    m_countLine->setObjectName(QStringLiteral("countLine"));
    label(QStringLiteral(
              "Den Lesekopf mit der Maus ziehen; auf der Scheibe drehen ihn die Pfeiltasten "
              "← und → in feinen Schritten."),
          {0, 382, 200, 60});
    m_decoding = label(QString(), {0, 448, 200, 90});
    m_decoding->setObjectName(QStringLiteral("readDecoding"));
    m_log = label(QString(), {0, 542, 200, 96});
    m_log->setObjectName(QStringLiteral("readingLog"));

    connect(m_ring, &QComboBox::currentIndexChanged, this, &TReadHeadTool::settingsChanged);
    connect(m_offset, &QSlider::valueChanged, this, &TReadHeadTool::settingsChanged);
    connect(m_binary, &QCheckBox::toggled, this, &TReadHeadTool::settingsChanged);
    connect(&zoom, &TZoomArea::zoomChanged, this, &TReadHeadTool::fitWordFont);
    fitWordFont(zoom.zoom());
}

void TReadHeadTool::fitWordFont(double zoom) {
    QFont large(QStringLiteral("DejaVu Sans Mono"));
    large.setBold(true);
    large.setPixelSize(static_cast<int>(std::lround(kWordPixels * zoom)));
    m_readWord->setFont(large);
}

void TReadHeadTool::tableShown() {
    m_action->setEnabled(true);
    fitControls();
    settingsChanged();
}

void TReadHeadTool::fitControls() {
    const QSignalBlocker quietRing(m_ring);
    const QSignalBlocker quietOffset(m_offset);
    m_ring->clear();
    for (const std::string& name : m_model.ringNames()) {
        m_ring->addItem(QString::fromStdString(name));
    }
    m_ring->setCurrentIndex(m_model.ring());
    m_offset->setMaximum(m_model.maxOffset());
    m_offset->setValue(m_model.offsetUnits());
}

void TReadHeadTool::settingsChanged() {
    if (!m_model.hasTable()) return;
    m_model.setRing(m_ring->currentIndex());
    m_model.setOffsetUnits(m_offset->value());
    m_model.setBinary(m_binary->isChecked());
    m_offsetValue->setText(QString::fromStdString(m_model.offsetText()));
    m_countLine->setText(QString::fromStdString(m_model.countLine()));
    if (m_model.shown()) {
        paintDisk();
        emit shownDiskChanged();
    }
    showReading();
}

void TReadHeadTool::paintDisk() { m_model.paintShownDisk(m_disk.canvas()); }

void TReadHeadTool::setShown() {
    const bool shown = m_model.shown();
    followTurn();
    m_disk.setHandleMode(shown);
    if (shown) {
        m_disk.setOverlay(this, [this](QPainter& painter) { drawHead(painter); });
        m_disk.setFocus();  // Left and Right turn the head at once
    } else {
        m_disk.setOverlay(this, {});
    }
    paintDisk();
    emit shownDiskChanged();
    showReading();
}

double TReadHeadTool::headAngle() const { return m_model.angle(); }

void TReadHeadTool::setHeadAngle(double degrees) {
    m_model.setAngle(degrees);
    showReading();
}

void TReadHeadTool::startOrStopTurn() {
    m_model.startOrStopTurn();
    followTurn();
}

void TReadHeadTool::followTurn() {
    if (!m_model.turning()) {
        m_turnTimer->stop();
    } else if (!m_turnTimer->isActive()) {
        m_turnTimer->start();
    }
    m_turnButton->setText(QString::fromStdString(m_model.turnButtonText()));
}

bool TReadHeadTool::turning() const { return m_model.turning(); }

void TReadHeadTool::advanceTurn() {
    m_model.advanceTurn();
    followTurn();
    showReading();
}

void TReadHeadTool::showReading() {
    if (!m_model.shown()) return;
    const TReadHeadPanel panel = m_model.panel();
    m_angleLabel->setText(QString::fromStdString(panel.angle));
    m_readWord->setText(QString::fromStdString(panel.word));
    m_readWord->setStyleSheet(panel.misread ? kMisreadStyle : QString());
    m_sectorWord->setText(QString::fromStdString(panel.sectorWord));
    // A new verdict is told to screen readers, as the cycle check is; an unchanged one is not,
    // so that a turn does not repeat it on every step.
    const QString verdict = QString::fromStdString(panel.verdict);
    if (m_verdict->text() != verdict) {
        m_verdict->setText(verdict);
        m_announcer.announce(verdict);
    }
    m_verdict->setStyleSheet(panel.misread ? kMisreadStyle : QString());
    const std::string decoding = m_model.readingDecoding();
    m_decoding->setText(decoding.empty()
                            ? QString()
                            : QStringLiteral("Dekodiert: ") + QString::fromStdString(decoding));
    m_log->setText(QString::fromStdString(m_model.readingLog()));
    m_disk.update();
}

void TReadHeadTool::drawHead(QPainter& painter) const {
    if (!m_model.shown()) return;
    const std::vector<std::string>& words = m_model.shownWords();
    const TDiskGeometry geometry(m_disk.width(), static_cast<int>(words.front().size()),
                                 static_cast<int>(words.size()));
    painter.setRenderHint(QPainter::Antialiasing);

    // The stretches of a turn that read wrongly, tinted red across all rings.
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgbToQColor(kMisreadTintColor, kMisreadTintAlpha));
    for (const auto& [from, to] : m_model.misreadStretches()) {
        painter.drawPath(geometry.wedge(from, to));
    }

    const QColor color = rgbToQColor(m_model.reading().misread ? kMisreadColor : kHeadColor);
    const THeadShape head = m_model.headShape(m_disk.width());
    const QPointF from(head.from.x, head.from.y);
    const QPointF to(head.to.x, head.to.y);
    // A light halo keeps the head visible on black and on the face.
    painter.setPen(QPen(Qt::white, head.haloWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    painter.setPen(QPen(color, head.lineWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    // One sensor per ring, filled with the bit it reads.
    for (const THeadShape::TSensor& sensor : head.sensors) {
        painter.setBrush(sensor.one ? Qt::black : Qt::white);
        painter.drawEllipse(QPointF(sensor.centre.x, sensor.centre.y), head.sensorRadius,
                            head.sensorRadius);
    }
}
