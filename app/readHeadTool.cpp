#include "app/readHeadTool.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/diskGeometry.h"
#include "app/platform/glyphs.h"
#include "app/platform/imageControl.h"
#include "app/platform/zoomArea.h"
#include "app/teachingTools.h"
#include "gray/GrayUnit.h"
#include "gray/grayCycle.h"

namespace {

// The panel beside the disk, at 100 %; the content grows by its width and margin.
constexpr QRect kPanel{1232, 80, 200, 700};
constexpr int kPanelGrowth = 200;
// The read word's letters, at 100 %.
constexpr int kWordPixels = 26;
// The slider counts hundredths of a degree.
constexpr double kOffsetUnitsPerDegree = 100;

const QColor kHeadColor(0, 90, 210);
const QColor kMisreadColor(200, 0, 0);
const QColor kMisreadTint(230, 0, 0, 110);
const QString kMisreadStyle = QStringLiteral("color: #c80000;");

QString degrees(double value) {
    return QLocale(QLocale::German).toString(value, 'f', 2) + QStringLiteral("°");
}

QString misreadCount(int count) {
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? QStringLiteral("Fehllesung")
                                                             : QStringLiteral("Fehllesungen"));
}

}  // namespace

TReadHeadTool::TReadHeadTool(TTeachingTools& tools, TZoomArea& zoom, TImageControl& disk)
    : QObject(&disk), m_disk(disk), m_zoom(zoom), m_designedWithoutPanel(zoom.designedSize()) {
    m_action = new QAction(readHeadGlyph(), QStringLiteral("Lesekopf"), this);
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_action->setCheckable(true);
    m_action->setEnabled(false);  // until there is a disk
    tools.addSeparator();
    tools.addToolButton(m_action)->setObjectName(QStringLiteral("readHeadButton"));
    connect(m_action, &QAction::toggled, this, &TReadHeadTool::setShown);

    buildPanel(zoom);
    m_turnTimer = new QTimer(this);
    m_turnTimer->setInterval(kFrameMilliseconds);
    connect(m_turnTimer, &QTimer::timeout, this, &TReadHeadTool::advanceTurn);

    connect(&m_disk, &TImageControl::handleDragged, this, [this](QPointF at) {
        const double centre = m_disk.width() / 2.0;
        setHeadAngle(std::atan2(centre - at.y(), at.x() - centre) * 180 / std::numbers::pi);
    });
    connect(&m_disk, &TImageControl::handleStepped, this,
            [this](int step) { setHeadAngle(m_angle + step * kFineStepDegrees); });
}

void TReadHeadTool::buildPanel(TZoomArea& zoom) {
    m_panel = new QWidget(zoom.content());
    m_panel->setObjectName(QStringLiteral("readHeadPanel"));
    zoom.place(m_panel, kPanel);
    m_panel->hide();
    const auto label = [&](const QString& text, const QRect& designed) {
        auto* made = new QLabel(text, m_panel);
        made->setWordWrap(true);
        made->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        zoom.place(made, designed);
        return made;
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

    m_countLine = label(QString(), {0, 322, 200, 48});
    m_countLine->setObjectName(QStringLiteral("countLine"));
    label(QStringLiteral(
              "Den Lesekopf mit der Maus ziehen; auf der Scheibe drehen ihn die Pfeiltasten "
              "← und → in feinen Schritten."),
          {0, 382, 200, 60});

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

void TReadHeadTool::setGray(TGray& gray) {
    m_grayWords = keptWords(gray);
    m_binaryWords = binaryWords(gray.codeCount());
    m_action->setEnabled(true);
    fitControls();
    settingsChanged();
}

void TReadHeadTool::fitControls() {
    const QSignalBlocker quietRing(m_ring);
    const QSignalBlocker quietOffset(m_offset);
    const int rings = static_cast<int>(m_grayWords.front().size());
    const int chosen =
        m_ring->count() == 0 ? rings - 1 : std::min(m_ring->currentIndex(), rings - 1);
    m_ring->clear();
    for (int ring = 1; ring <= rings; ++ring) {
        const QString where = ring == 1       ? QStringLiteral(" (außen, Bit 0)")
                              : ring == rings ? QStringLiteral(" (innen, Bit %1)").arg(ring - 1)
                                              : QStringLiteral(" (Bit %1)").arg(ring - 1);
        m_ring->addItem(QStringLiteral("Ring %1").arg(ring) + where);
    }
    m_ring->setCurrentIndex(chosen);
    // Up to half a sector: beyond it a ring would stand closer to the next sector.
    const double halfSector = 180.0 / static_cast<double>(m_grayWords.size());
    m_offset->setMaximum(static_cast<int>(std::floor(halfSector * kOffsetUnitsPerDegree)));
}

std::vector<double> TReadHeadTool::offsets() const {
    std::vector<double> turned(m_grayWords.front().size(), 0.0);
    turned[static_cast<std::size_t>(m_ring->currentIndex())] =
        m_offset->value() / kOffsetUnitsPerDegree;
    return turned;
}

const std::vector<std::string>& TReadHeadTool::shownWords() const {
    return m_binary->isChecked() ? m_binaryWords : m_grayWords;
}

bool TReadHeadTool::showsPlainDisk() const {
    return !m_action->isChecked() || (!m_binary->isChecked() && m_offset->value() == 0);
}

void TReadHeadTool::settingsChanged() {
    if (m_grayWords.empty()) return;
    const std::vector<double> turned = offsets();
    m_offsetValue->setText(degrees(m_offset->value() / kOffsetUnitsPerDegree));
    const int grayMisreads = sweep(m_grayWords, turned).misreads;
    const int binaryMisreads = sweep(m_binaryWords, turned).misreads;
    m_countLine->setText(QStringLiteral("Gray-Code: %1 · Dualcode: %2 je Umdrehung")
                             .arg(misreadCount(grayMisreads), misreadCount(binaryMisreads)));
    m_sweep = sweep(shownWords(), turned);
    if (m_action->isChecked()) paintDisk();
    showReading();
}

void TReadHeadTool::paintDisk() {
    if (m_grayWords.empty()) return;
    if (showsPlainDisk()) {
        ::paintDisk(m_disk.canvas(), m_grayWords);
    } else {
        ::paintDisk(m_disk.canvas(), shownWords(), offsets());
    }
}

void TReadHeadTool::setShown(bool shown) {
    if (!shown) m_turnTimer->stop();
    m_panel->setVisible(shown);
    m_zoom.setDesignedSize(m_designedWithoutPanel + QSize(shown ? kPanelGrowth : 0, 0));
    m_disk.setHandleMode(shown);
    if (shown) {
        m_disk.setOverlay(this, [this](QPainter& painter) { drawHead(painter); });
        m_disk.setFocus();  // Left and Right turn the head at once
    } else {
        m_disk.setOverlay(this, {});
    }
    paintDisk();
    showReading();
}

void TReadHeadTool::setHeadAngle(double degrees) {
    m_angle = std::fmod(degrees, 360.0);
    if (m_angle < 0) m_angle += 360.0;
    showReading();
}

void TReadHeadTool::startOrStopTurn() {
    if (turning()) {
        m_turnTimer->stop();
    } else {
        m_turnStart = m_angle;
        m_turnFrame = 0;
        m_turnTimer->start();
    }
    m_turnButton->setText(turning() ? QStringLiteral("Anhalten") : QStringLiteral("Drehen"));
}

bool TReadHeadTool::turning() const { return m_turnTimer->isActive(); }

void TReadHeadTool::advanceTurn() {
    constexpr int kFrames = kTurnMilliseconds / kFrameMilliseconds;
    ++m_turnFrame;
    // From the start angle, so that the last frame ends exactly where the turn began.
    setHeadAngle(m_turnStart + 360.0 * m_turnFrame / kFrames);
    if (m_turnFrame >= kFrames && turning()) startOrStopTurn();
}

void TReadHeadTool::showReading() {
    if (m_grayWords.empty() || !m_action->isChecked()) return;
    const std::vector<std::string>& words = shownWords();
    const TSweepReading& reading = readingUnderHead();
    const std::string sectorWord = readAt(words, m_angle, {});
    const auto sector = std::find(words.begin(), words.end(), sectorWord) - words.begin();

    m_angleLabel->setText(QStringLiteral("Winkel: ") + degrees(m_angle));
    m_readWord->setText(QString::fromStdString(reading.word));
    m_readWord->setStyleSheet(reading.misread ? kMisreadStyle : QString());
    m_sectorWord->setText(QStringLiteral("Wort des Sektors: %1 (Wort %2 von %3)")
                              .arg(QString::fromStdString(sectorWord))
                              .arg(sector + 1)
                              .arg(words.size()));
    m_verdict->setText(reading.word == sectorWord ? QStringLiteral("richtig gelesen")
                       : reading.misread          ? QStringLiteral("Fehllesung!")
                                         : QStringLiteral("Nachbarwort – keine Fehllesung"));
    m_verdict->setStyleSheet(reading.misread ? kMisreadStyle : QString());
    m_disk.update();
}

const TSweepReading& TReadHeadTool::readingUnderHead() const {
    // The last reading that starts at or before the head's angle; the first starts at 0.
    const auto after = std::upper_bound(
        m_sweep.readings.begin(), m_sweep.readings.end(), m_angle,
        [](double angle, const TSweepReading& reading) { return angle < reading.fromDegrees; });
    return *std::prev(after);
}

void TReadHeadTool::drawHead(QPainter& painter) const {
    if (m_grayWords.empty()) return;
    const int bits = static_cast<int>(m_grayWords.front().size());
    const TDiskGeometry geometry(m_disk.width(), bits, static_cast<int>(m_grayWords.size()));
    const double scale = m_disk.width() / 700.0;
    const double inner = geometry.outerRadiusOfBit(bits);
    painter.setRenderHint(QPainter::Antialiasing);

    // The stretches of a turn that read wrongly, tinted red across all rings.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMisreadTint);
    for (const TSweepReading& reading : m_sweep.readings) {
        if (reading.misread) {
            painter.drawPath(
                geometry.wedge(reading.fromDegrees, reading.toDegrees - reading.fromDegrees));
        }
    }

    const TSweepReading& reading = readingUnderHead();
    const QColor color = reading.misread ? kMisreadColor : kHeadColor;
    const QPointF from = geometry.pointAt(inner * 0.6, m_angle);
    const QPointF to = geometry.pointAt(geometry.outerRadiusOfBit(0), m_angle);
    // A light halo keeps the head visible on black and on the face.
    painter.setPen(QPen(Qt::white, 7 * scale, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    painter.setPen(QPen(color, 3 * scale, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    // One sensor per ring, filled with the bit it reads.
    const double ringWidth = geometry.outerRadiusOfBit(0) - geometry.outerRadiusOfBit(1);
    for (int bit = 0; bit < bits; ++bit) {
        const double middle = geometry.outerRadiusOfBit(bit) - ringWidth / 2;
        const char read = reading.word[static_cast<std::size_t>(bits - 1 - bit)];
        painter.setBrush(read == '1' ? Qt::black : Qt::white);
        painter.drawEllipse(geometry.pointAt(middle, m_angle), ringWidth * 0.16, ringWidth * 0.16);
    }
}
