// The windows in each language: the language is picked from the player's list, the toolkit's own
// texts follow it, every caption fits its control and no caption is left in English.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>

#include <algorithm>
#include <map>

#include "Bevels.h"
#include "DialogTestSupport.h"
#include "GameSettings.h"
#include "History.h"
#include "ImageControl.h"
#include "PreferencesDialog.h"
#include "ScaledArt.h"
#include "StatisticsDialog.h"
#include "Translations.h"
#include "TsFile.h"
#include "UiTestSupport.h"
#include "WindowZoom.h"

namespace {

void RemoveTranslations() {
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

QString Plain(QString text) { return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))); }

// The control's name within its window, to tell the controls of a window apart.
QString PathOf(const QWidget& control) {
  QString path = control.objectName();
  for (const QWidget* parent = control.parentWidget(); parent != nullptr && !parent->isWindow();
       parent = parent->parentWidget())
    path = parent->objectName() + QLatin1Char('/') + path;
  return path;
}

// Every caption of a window by the control's place, and the room each caption lacks (0 when it fits).
struct TCaption {
  QString Text;
  int Lacking = 0;
};

void Add(std::multimap<QString, TCaption>& captions, const QWidget& control, const QString& text, int needed) {
  if (!Plain(text).trimmed().isEmpty())
    captions.emplace(PathOf(control), TCaption{Plain(text), std::max(0, needed - control.width())});
}

// A check box's or radio button's room for its mark, the gap and its caption. The caption's advance
// ends in the last letter's bearing, a pixel that may fall outside without cutting a letter.
int MarkedWidth(const QAbstractButton& button, QStyle::PixelMetric mark, QStyle::PixelMetric gap) {
  const QStyle* style = button.style();
  return style->pixelMetric(mark, nullptr, &button) + style->pixelMetric(gap, nullptr, &button) +
         button.fontMetrics().horizontalAdvance(Plain(button.text())) - 1;
}

std::multimap<QString, TCaption> Captions(QWidget& window) {
  std::multimap<QString, TCaption> captions;
  Add(captions, window, window.windowTitle(), 0);
  for (QWidget* control : window.findChildren<QWidget*>()) {
    const QFontMetrics metrics = control->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(control)) {
      if (!label->wordWrap()) Add(captions, *label, label->text(), label->sizeHint().width());
    } else if (auto* push = qobject_cast<QPushButton*>(control)) {
      Add(captions, *push, push->text(), metrics.horizontalAdvance(Plain(push->text())) + 8);
    } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
      Add(captions, *box, box->text(), MarkedWidth(*box, QStyle::PM_IndicatorWidth, QStyle::PM_CheckBoxLabelSpacing));
    } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
      Add(captions, *radio, radio->text(),
          MarkedWidth(*radio, QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_RadioButtonLabelSpacing));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      Add(captions, *button, button->text(), metrics.horizontalAdvance(Plain(button->text())));
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
      // The caption stands 6 pixels in, on a patch 4 pixels wider than itself, inside the frame.
      Add(captions, *group, group->title(), metrics.horizontalAdvance(group->title()) + 12);
    } else if (auto* bar = qobject_cast<QTabBar*>(control)) {
      // Each tab as wide as its caption needs: the last one ends where all of them fit.
      const int needed = bar->count() == 0 ? 0 : bar->tabRect(bar->count() - 1).right() + 1;
      for (int tab = 0; tab < bar->count(); ++tab) {
        const int lacking = metrics.horizontalAdvance(bar->tabText(tab)) + 8 - bar->tabRect(tab).width();
        Add(captions, *bar, bar->tabText(tab), std::max(needed, bar->width() + lacking));
      }
    } else if (auto* header = qobject_cast<QHeaderView*>(control)) {
      const QAbstractItemModel* model = header->model();
      for (int section = 0; section < header->count(); ++section) {
        const QString text = model->headerData(section, header->orientation()).toString();
        const int lacking = metrics.horizontalAdvance(text) + 6 - header->sectionSize(section);
        if (header->isVisible()) captions.emplace(PathOf(*header), TCaption{text, std::max(0, lacking)});
      }
    } else if (auto* panel = dynamic_cast<TBevelPanel*>(control)) {
      Add(captions, *panel, panel->Caption(), metrics.horizontalAdvance(panel->Caption()) + 4);
    } else if (auto* edit = qobject_cast<QTextEdit*>(control)) {
      // The help text shows no scroll bar: all of it must stand within the box.
      const int lacking = static_cast<int>(edit->document()->size().height()) - edit->viewport()->height();
      captions.emplace(PathOf(*edit), TCaption{edit->toPlainText(), std::max(0, lacking)});
    }
  }
  return captions;
}

// Texts that read the same in every language: the game's name, addresses, numbers, key names and the
// units of a duration.
bool Universal(const QString& text) {
  static const QRegularExpression universal(QStringLiteral(
      "^(Brindlow v[0-9.]+|\\S+@\\S+|(Alt|Ctrl|Shift|Meta)\\+\\S+(, (Alt|Ctrl|Shift|Meta)\\+\\S+)*|[^A-Za-z]*|\\d+ (s|min|h)( \\d+ (s|min))?)$"));
  return universal.match(text).hasMatch();
}

// The captions a language writes as the English does on purpose ("OK", "Normal", "Jokers").
QStringList SameAsEnglish(const QString& language) {
  QString error;
  QStringList same;
  for (const TTsMessage& message : ReadTsFile(CommittedTsFile(language), error))
    if (message.Translation == message.Source) same << Plain(message.Source);
  return same;
}

// The windows whose captions are compared, built afresh in the language installed now.
std::map<QString, std::multimap<QString, TCaption>> AllCaptions() {
  std::map<QString, std::multimap<QString, TCaption>> windows;
  TTestProgram program;
  program.Start();
  TfrmLines& lines = program.Lines();
  windows[QStringLiteral("main window")] = Captions(lines);
  // The context menu widens itself to its longest item: only its language is checked.
  for (const QAction* action : lines.findChildren<QAction*>()) {
    const QString place = action->menu() != nullptr ? action->menu()->objectName() : action->objectName();
    if (!action->text().isEmpty()) windows[QStringLiteral("context menu")].emplace(place, TCaption{Plain(action->text())});
  }
  // The Preferences dialog's font is set in pixels that every zoom step rounds anew.
  for (double zoom : ZoomSteps) {
    TfrmPreferences preferences;
    ZoomWindow(preferences, zoom);
    preferences.show();
    windows[QStringLiteral("Preferences at %1").arg(zoom)] = Captions(preferences);
  }
  lines.findChild<QAction*>(QStringLiteral("actKeys"))->trigger();
  windows[QStringLiteral("Keys")] = Captions(*lines.findChild<QDialog*>(QStringLiteral("frmKeys")));
  TProgram& shell = program.Windows();
  const std::pair<const char*, QWidget*> dialogs[] = {
      {"Settings", &shell.Settings()}, {"Top ten", &shell.Top10()},           {"Help", &shell.Help()},
      {"About", &shell.About()},       {"Author card", &shell.AuthorCard()}, {"Name entry", &shell.NameEntry()}};
  for (const auto& [name, dialog] : dialogs) {
    dialog->show();
    windows[QLatin1String(name)] = Captions(*dialog);
    dialog->hide();
  }
  // The invitation painted on the start picture's pill, 220 pixels wide with round ends of 19.
  QFont pill(QStringLiteral("Liberation Sans"));
  pill.setBold(true);
  pill.setPixelSize(20);
  const QString invitation = TfrmLines::tr("Click to play!");
  windows[QStringLiteral("start picture")].emplace(
      QStringLiteral("invitation"), TCaption{invitation, std::max(0, QFontMetrics(pill).horizontalAdvance(invitation) - 182)});
  THistory history(program.Directory.path().toStdString());
  TGameRecord game;
  game.EndedAt = "2026-12-08T21:04:05Z";
  game.Score = 120;
  history.Record(game);
  GameSettings.Level = 0;
  TfrmStatistics statistics(history);
  statistics.show();
  windows[QStringLiteral("Statistics")] = Captions(statistics);
  return windows;
}

}  // namespace

class TranslatedWindowsTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void cleanup() { RemoveTranslations(); }

  void TheFirstLanguageTheGameSpeaksIsTaken_data() {
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("taken");
    QTest::addColumn<QString>("newGame");
    QTest::newRow("German") << QStringList{QStringLiteral("de-DE")} << QStringLiteral("de") << QStringLiteral("&Neu");
    QTest::newRow("region") << QStringList{QStringLiteral("hr-BA")} << QStringLiteral("hr") << QStringLiteral("&Nova");
    QTest::newRow("untranslated first") << QStringList{QStringLiteral("pt-BR"), QStringLiteral("fr-FR")}
                                        << QStringLiteral("fr") << QStringLiteral("&Nouveau");
    QTest::newRow("English first") << QStringList{QStringLiteral("en-GB"), QStringLiteral("de-DE")} << QString()
                                   << QStringLiteral("&New");
    QTest::newRow("C locale") << QStringList{QStringLiteral("C")} << QString() << QStringLiteral("&New");
  }

  void TheFirstLanguageTheGameSpeaksIsTaken() {
    QFETCH(QStringList, languages);
    QFETCH(QString, taken);
    QFETCH(QString, newGame);
    QCOMPARE(InstallTranslations(*qApp, languages), taken);
    QCOMPARE(TfrmLines::tr("&New"), newGame);
  }

  void TheToolkitsOwnTextsFollowTheLanguage() {
    QCOMPARE(InstallTranslations(*qApp, {QStringLiteral("es-ES")}), QStringLiteral("es"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
  }

  void TheStartPictureInvitesInTheLanguageAfterAZoomStep() {
    QCOMPARE(InstallTranslations(*qApp, {QStringLiteral("de")}), QStringLiteral("de"));
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    // Back at the step whose picture is built in, which invites in English.
    program.Rooms().Look().SetZoom(2);
    program.Rooms().Look().SetZoom(1);
    const QImage shown = lines.findChild<TImageControl*>(QStringLiteral("imgBackground"))->Picture().toImage();
    QVERIFY(shown != StartPictureAt({1, 1, false}).toImage());
  }

  void EveryCaptionFitsAndNoneIsLeftInEnglish() {
    // Every fault of every language is listed, so one run shows all a translator has to mend.
    QStringList faults;
    const auto english = AllCaptions();
    for (const auto& [window, captions] : english)
      for (const auto& [place, caption] : captions)
        if (caption.Lacking > 0)
          faults << QStringLiteral("en: %1 %2 \"%3\" lacks %4 pixels").arg(window, place, caption.Text).arg(caption.Lacking);
    for (const char* language : {"de", "es", "fr", "hr"}) {
      RemoveTranslations();
      QCOMPARE(InstallTranslations(*qApp, {QLatin1String(language)}), QLatin1String(language));
      const QStringList same = SameAsEnglish(QLatin1String(language));
      for (const auto& [window, captions] : AllCaptions()) {
        for (const auto& [place, caption] : captions) {
          const QString where = QStringLiteral("%1: %2 %3 \"%4\"").arg(QLatin1String(language), window, place, caption.Text);
          if (caption.Lacking > 0) faults << where + QStringLiteral(" lacks %1 pixels").arg(caption.Lacking);
          const auto [first, last] = english.at(window).equal_range(place);
          const bool unchanged = std::any_of(first, last, [&](const auto& before) { return before.second.Text == caption.Text; });
          if (unchanged && !Universal(caption.Text) && !same.contains(caption.Text)) faults << where + QStringLiteral(" is English");
        }
      }
    }
    for (const QString& fault : faults) qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), "the faults are listed above");
  }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "TranslatedWindowsTest.moc"
