#include "app/pages/LottotippPage.h"

#include "app/pages/TipBoard.h"
#include "platform/UpDown.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The maker's web site, named in the hints of the update buttons.
const QString updateHint =
    QStringLiteral("Neue Ziehungen von der Numerant-Seite www.vellhorn.de laden");

QGroupBox* panel(const QString& name, QWidget* parent)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(name);
    return box;
}

} // namespace

LottotippPage::LottotippPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);

    outer->addWidget(buildDrawPanel());

    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    outer->addLayout(middle, 1);

    tipBoard_ = new TipBoard(this);
    middle->addWidget(tipBoard_, 0, Qt::AlignTop);

    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    middle->addLayout(side, 1);
    side->addWidget(buildGeneratePanel());

    auto* files = new QHBoxLayout;
    files->setSpacing(2);
    side->addLayout(files);
    QStyle* st = style();
    addToolButton(this, QStringLiteral("SpeedButton11"), QString(),
                  QStringLiteral("Löschen aller Tipps"), Command::ClearTips)
        ->setIcon(st->standardIcon(QStyle::SP_TrashIcon));
    addToolButton(this, QStringLiteral("SpeedButton15"), QString(),
                  QStringLiteral("Speichern des Tipps"), Command::SaveTips)
        ->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    addToolButton(this, QStringLiteral("SpeedButton16"), QString(),
                  QStringLiteral("Tipp laden aus Datei"), Command::LoadTips)
        ->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
    for (const char* name : {"SpeedButton11", "SpeedButton15", "SpeedButton16"})
        files->addWidget(findChild<QToolButton*>(QLatin1String(name)));
    files->addStretch(1);

    auto* search = addToolButton(this, QStringLiteral("SpeedButton4"),
                                 QStringLiteral("Tipps in DB suchen"),
                                 QStringLiteral("Hier können Sie suchen ob dieser Tipp schon "
                                                "einmal gezogen wurde"),
                                 Command::SearchTips);
    search->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    side->addWidget(search);
    side->addWidget(addButton(this, QStringLiteral("Button6"), QStringLiteral("Tippverteilung"),
                              QStringLiteral("Verteilung der Zahlen Ihrer Tipps im Diagramm "
                                             "zeigen"),
                              Command::TipDistribution));
    side->addWidget(addButton(this, QStringLiteral("BitBtn7"), QStringLiteral("Tipp"),
                              QStringLiteral("Tipps als Text zum Ausdrucken anzeigen"),
                              Command::PrintTips));
    side->addStretch(1);
    side->addWidget(buildBanner(QStringLiteral("Panel8"), QStringLiteral("Label43"),
                                QStringLiteral("Vellhorns Numerant"), 17));
    side->addWidget(buildBanner(QStringLiteral("Panel9"), QStringLiteral("Label44"),
                                QStringLiteral("Neuigkeiten und Hilfe auf www.vellhorn.de"),
                                11));

    // Never shown: the text table's lines and a scratch buffer for formatted text.
    memo2_ = new QPlainTextEdit(this);
    memo2_->setObjectName(QStringLiteral("Memo2"));
    memo2_->hide();
    richEdit1_ = new QTextEdit(this);
    richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
    richEdit1_->hide();
}

QWidget* LottotippPage::buildDrawPanel()
{
    QGroupBox* box = panel(QStringLiteral("Panel4"), this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(4, 2, 4, 2);
    QStyle* st = style();
    addToolButton(box, QStringLiteral("SpeedButton6"), QString(),
                  QStringLiteral("vorhergehende Ziehung anzeigen"), Command::PreviousDraw)
        ->setIcon(st->standardIcon(QStyle::SP_ArrowLeft));
    drawLine_ = new QLabel(box);
    drawLine_->setObjectName(QStringLiteral("Label35"));
    drawLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long draw line must not widen the window; it gets the room there is.
    drawLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont bold; // only the weight, so the size still follows the window scaling
    bold.setBold(true);
    drawLine_->setFont(bold);
    addToolButton(box, QStringLiteral("SpeedButton7"), QString(),
                  QStringLiteral("nächste Ziehung anzeigen"), Command::NextDraw)
        ->setIcon(st->standardIcon(QStyle::SP_ArrowRight));
    crossSum_ = new QLabel(QStringLiteral("QS: "), box);
    crossSum_->setObjectName(QStringLiteral("Label13"));
    updateButton_ = addToolButton(box, QStringLiteral("SpeedButton10"), QString(), updateHint,
                                  Command::UpdateDatabase);
    updateButton_->setIcon(st->standardIcon(QStyle::SP_BrowserReload));

    row->addWidget(box->findChild<QToolButton*>(QStringLiteral("SpeedButton6")));
    row->addWidget(drawLine_, 1);
    row->addWidget(box->findChild<QToolButton*>(QStringLiteral("SpeedButton7")));
    row->addSpacing(6);
    row->addWidget(crossSum_);
    row->addSpacing(6);
    row->addWidget(updateButton_);
    return box;
}

QWidget* LottotippPage::buildGeneratePanel()
{
    QGroupBox* box = panel(QStringLiteral("Panel3"), this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    auto* line = new QHBoxLayout;
    generate_ = addButton(box, QStringLiteral("BitBtn4"), QStringLiteral("Tipps &berechnen"),
                          QStringLiteral("Neue Tipps mit den eingestellten Parametern "
                                         "berechnen"),
                          Command::GenerateTips);
    rowCount_ = new UpDown(QStringLiteral("UpDown8"), QStringLiteral("Edit80"), 1, 12, 12, box);
    const QString rowsHint = QStringLiteral("Anzahl der Tipps, die berechnet werden");
    rowCount_->setToolTip(rowsHint);
    rowCount_->edit()->setToolTip(rowsHint);
    line->addWidget(generate_, 1);
    line->addWidget(rowCount_);
    column->addLayout(line);

    column->addWidget(addToolButton(box, QStringLiteral("SpeedButton13"),
                                    QStringLiteral("Glückszahl setzen"),
                                    QStringLiteral("Startwert des Zufallsgenerators setzen"),
                                    Command::LuckyNumber));
    box->findChild<QToolButton*>(QStringLiteral("SpeedButton13"))
        ->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return box;
}

QWidget* LottotippPage::buildBanner(const QString& panelName, const QString& labelName,
                                    const QString& text, int pixelSize)
{
    QGroupBox* box = panel(panelName, this);
    box->setCursor(Qt::PointingHandCursor);
    box->installEventFilter(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* label = new QLabel(text, box);
    label->setObjectName(labelName);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setToolTip(QStringLiteral("Zur Numerant-Seite im Internet"));
    label->installEventFilter(this);
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(pixelSize > 13);
    label->setFont(font);
    // The window scales fonts set here from this design size.
    label->setProperty("designPixelSize", pixelSize);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 160));
    label->setPalette(palette);
    layout->addWidget(label);
    return box;
}

QToolButton* LottotippPage::addToolButton(QWidget* parent, const QString& name,
                                          const QString& text, const QString& hint,
                                          Command command)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setToolButtonStyle(text.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
    connect(button, &QToolButton::clicked, this, [this, command] { emit commandRequested(command); });
    return button;
}

QPushButton* LottotippPage::addButton(QWidget* parent, const QString& name,
                                      const QString& caption, const QString& hint,
                                      Command command)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, command] { emit commandRequested(command); });
    return button;
}

QString LottotippPage::drawLine() const
{
    return drawLine_->text();
}

void LottotippPage::setDrawLine(const QString& text)
{
    drawLine_->setText(text);
}

QString LottotippPage::crossSum() const
{
    return crossSum_->text();
}

void LottotippPage::setCrossSum(const QString& text)
{
    crossSum_->setText(text);
}

void LottotippPage::setUpdateEnabled(bool enabled)
{
    updateButton_->setEnabled(enabled);
}

int LottotippPage::rowCount() const
{
    return rowCount_->position();
}

void LottotippPage::setRowCount(int rows)
{
    rowCount_->setPosition(rows);
}

QString LottotippPage::generateCaption() const
{
    return generate_->text();
}

void LottotippPage::setGenerateCaption(const QString& caption)
{
    generate_->setText(caption);
}

bool LottotippPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QString name = watched->objectName();
        if (name == QLatin1String("Label43") || name == QLatin1String("Label44")
            || name == QLatin1String("Panel8") || name == QLatin1String("Panel9")) {
            emit commandRequested(Command::OpenProductPage);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
