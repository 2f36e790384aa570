// The main window's controls: positions, sizes, captions, fonts, colours and bevels.
#include <QFont>
#include <QLabel>

#include "Bevels.h"
#include "DialogForms.h"
#include "FlatButton.h"
#include "ImageControl.h"
#include "MainWindow.h"
#include "SoundLayer.h"

namespace {

const QColor LightBlue(128, 128, 255);

QLabel* CaptionLabel(QWidget* parent, const char* name, const QString& caption, int left, int top, int width) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(left, top, width, 16);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setFont(ArialFont(13, true));
  return label;
}

TBevelPanel* ScorePanel(QWidget* parent, const char* name, int left) {
  auto* panel = new TBevelPanel(parent, TBevelCut::Lowered, TBevelCut::Lowered, Qt::black);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setGeometry(left, 33, 60, 25);
  panel->setFont(ArialFont(15, true));
  panel->SetCaptionColor(LightBlue);
  panel->SetCaption(QStringLiteral("0"));
  return panel;
}

}  // namespace

void TfrmLines::CreateControls() {
  setFont(ArialFont(13, false));
  const QColor buttonFace = palette().color(QPalette::Button);

  bvlOkvir = new TBevel(this, TBevelCut::Lowered);
  bvlOkvir->setObjectName(QStringLiteral("bvlOkvir"));
  bvlOkvir->setGeometry(376, 312, 82, 81);
  labBest = CaptionLabel(this, "labBest", tr("Best"), 13, 14, 60);
  labScore = CaptionLabel(this, "labScore", tr("Score"), 307, 14, 60);
  labNext = CaptionLabel(this, "labNext", tr("Next"), 115, 10, 150);

  const struct {
    TFlatButton** Button;
    const char* Name;
    const char* Caption;
    int Top;
  } buttons[] = {{&btnNew, "btnNew", QT_TR_NOOP("&New"), 80},
                 {&btnTop10, "btnTop10", QT_TR_NOOP("&Top 10"), 128},
                 {&btnSettings, "btnSettings", QT_TR_NOOP("&Options"), 176},
                 {&btnAbout, "btnAbout", QT_TR_NOOP("&About"), 224},
                 {&btnHelp, "btnHelp", QT_TR_NOOP("&Help"), 272},
                 {&btnExit, "btnExit", QT_TR_NOOP("&Exit"), 399}};
  int tag = 1;
  for (const auto& button : buttons) {
    auto* control = new TFlatButton(this, tr(button.Caption), tag++);
    control->setObjectName(QString::fromLatin1(button.Name));
    control->setGeometry(384, button.Top, 65, 32);
    control->setFont(ArialFont(13, true));
    connect(control, &QAbstractButton::clicked, this, [this, control] { btnClick(control->Tag()); });
    *button.Button = control;
  }

  imgBackground = new TImageControl(this);
  imgBackground->setObjectName(QStringLiteral("imgBackground"));
  imgBackground->setGeometry(384, 320, 81, 81);
  ShowStartPicture();
  imgBackground->setToolTip(tr("Click here to play Brindlow!"));
  imgBackground->OnClick = [this](TImageControl&) { imgBackgroundClick(); };

  panTabla = new TBevelPanel(this, TBevelCut::None, TBevelCut::None, buttonFace);
  panTabla->setObjectName(QStringLiteral("panTabla"));
  panTabla->setGeometry(10, 75, 360, 360);
  for (int n = 1; n <= 81; ++n) {
    auto* panel = new TBevelPanel(panTabla, TBevelCut::None, TBevelCut::None, buttonFace);
    panel->setObjectName(QStringLiteral("Panel%1").arg(n));
    panel->setGeometry((n - 1) % 9 * 40, (n - 1) / 9 * 40, 40, 40);
    auto* image = new TImageControl(panel);
    image->setObjectName(QStringLiteral("Image%1").arg(n));
    CellPanels[n - 1] = panel;
    CellImages[n - 1] = image;
  }

  panNext = new TBevelPanel(this, TBevelCut::None, TBevelCut::None, buttonFace);
  panNext->setObjectName(QStringLiteral("panNext"));
  panNext->setGeometry(115, 30, 150, 30);
  panNext->hide();
  for (int i = 1; i <= 5; ++i) {
    auto* cell = new TBevelPanel(panNext, TBevelCut::Lowered, TBevelCut::Lowered, Qt::black);
    cell->setObjectName(QStringLiteral("panNext%1").arg(i));
    cell->setGeometry((i - 1) * 30, 0, 30, 30);
    cell->hide();
    auto* image = new TImageControl(cell);
    image->setObjectName(QStringLiteral("imgNext%1").arg(i));
    image->setGeometry(cell->ClientArea());
    image->SetStretch(true);
    image->SetTransparent(true);
    NextPanels[i - 1] = cell;
  }

  panBest = ScorePanel(this, "panBest", 13);
  panScore = ScorePanel(this, "panScore", 307);

  panExpertMode = new TBevelPanel(this, TBevelCut::Lowered, TBevelCut::Raised, buttonFace);
  panExpertMode->setObjectName(QStringLiteral("panExpertMode"));
  panExpertMode->setGeometry(115, 30, 150, 30);
  panExpertMode->setFont(ArialFont(15, true));
  panExpertMode->SetCaption(
      //: Stands where the coming balls are shown when the player has switched their preview off; a
      //: teasing question, as in "Which balls come next? You chose not to know." Keep it short.
      tr("Next what?"));
  panExpertMode->hide();

  const struct {
    QTimer* Timer;
    int Interval;
    Qt::TimerType Type;
  } timers[] = {{&MoveTimer, 55, Qt::PreciseTimer},
                {&JumpTimer, 60, Qt::PreciseTimer},
                {&MakeTimer, 50, Qt::PreciseTimer},
                {&DestroyTimer, 60, Qt::PreciseTimer},
                {&MusicTimer, 60000, Qt::CoarseTimer},
                {&IconTimer, 100, Qt::CoarseTimer}};
  for (const auto& timer : timers) {
    timer.Timer->setInterval(timer.Interval);
    timer.Timer->setTimerType(timer.Type);
  }
  connect(&MoveTimer, &QTimer::timeout, this, [this] { Tick(TAnimationTimer::Move); });
  connect(&JumpTimer, &QTimer::timeout, this, [this] { Tick(TAnimationTimer::Jump); });
  connect(&MakeTimer, &QTimer::timeout, this, [this] { Tick(TAnimationTimer::Make); });
  connect(&DestroyTimer, &QTimer::timeout, this, [this] { Tick(TAnimationTimer::Destroy); });
  connect(&MusicTimer, &QTimer::timeout, this, [this] { Services.Sound->MusicTimerTimer(); });
  connect(&IconTimer, &QTimer::timeout, this, [this] { IconTimerTimer(); });
  MusicTimer.start();
}
