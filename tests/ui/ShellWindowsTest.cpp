// The shell's windows: the help window's text and ways of closing, the credits and the author card
// with its mail link, the general error box at the event loop, and start-up's order and reports.
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <functional>

#include "Application.h"
#include "GameSettings.h"
#include "ImageControl.h"
#include "InOutError.h"
#include "UiTestSupport.h"

namespace {

// Answers the next modal window (an error box, the author card) once it is up: `look` sees it, then
// it is closed.
void WhenModalAppears(std::function<void(QWidget&)> look) {
  QTimer::singleShot(0, [look = std::move(look)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    look(*modal);
    modal->close();
  });
}

// Throws an I/O error from its event handler, as a failed file operation in a click would.
class TFailingHandler : public QObject {
public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw EInOutError("read", "/nowhere/Score.dat", "No such file or directory");
    return QObject::event(event);
  }
};

// Stands in for the desktop's mail program.
class TMailCatcher : public QObject {
  Q_OBJECT

public:
  QList<QUrl> Opened;

public slots:
  void Open(const QUrl& url) { Opened << url; }
};

}  // namespace

class ShellWindowsTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void TheHelpWindowHoldsItsNineteenLines() {
    TfrmHelp help;
    QCOMPARE(help.windowTitle(), QStringLiteral("Playing Help"));
    QCOMPARE(help.size(), QSize(345, 417));
    QVERIFY(!(help.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(help.RichEdit1->geometry(), QRect(8, 8, 329, 401));
    QVERIFY(!help.RichEdit1->isEnabled());
    QVERIFY(help.RichEdit1->isReadOnly());
    QCOMPARE(help.RichEdit1->palette().color(QPalette::Disabled, QPalette::Text), QColor(128, 128, 255));
    QCOMPARE(help.RichEdit1->palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::black));
    const QStringList lines = help.RichEdit1->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 19);
    QCOMPARE(lines[0], QString());
    QCOMPARE(lines[1], QStringLiteral("   Your aim is to put five balls in line, horizontal, "));
    QCOMPARE(lines[3], QStringLiteral("   Every move you make, you get  three new balls, "));
    QCOMPARE(lines[8], QStringLiteral("if you wish, such are joker ball or bomb."));
    QCOMPARE(lines[16], QStringLiteral("balls to be added on your every move. "));
    QCOMPARE(lines[17], QString());
    QCOMPARE(lines[18], QString());
    for (const int indented : {1, 3, 5, 7, 9, 12, 14}) QVERIFY(lines[indented].startsWith(QStringLiteral("   ")));
  }

  void AnyKeyClosesTheHelpWindow() {
    TfrmHelp help;
    for (const Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_F1, Qt::Key_A, Qt::Key_Tab, Qt::Key_Escape,
                              Qt::Key_Return}) {
      help.show();
      QVERIFY(QTest::qWaitForWindowExposed(&help));
      QTest::keyClick(&help, key);
      QVERIFY2(help.isHidden(), qPrintable(QString::number(key, 16)));
      QCOMPARE(help.result(), int(QDialog::Accepted));
    }
  }

  void ALeftOrRightClickClosesTheHelpWindowButAMiddleClickDoesNot() {
    TfrmHelp help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTest::mouseClick(&help, Qt::MiddleButton, {}, QPoint(3, 3));
    QTest::mouseClick(help.RichEdit1->viewport(), Qt::MiddleButton);
    QVERIFY(help.isVisible());
    // Over the text as well: the disabled text box passes the click to the window.
    QTest::mousePress(help.RichEdit1->viewport(), Qt::LeftButton);
    QVERIFY(help.isHidden());
    QTest::mouseRelease(help.RichEdit1->viewport(), Qt::LeftButton);
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTest::mousePress(&help, Qt::RightButton, {}, QPoint(340, 412));
    QVERIFY(help.isHidden());
  }

  void EachCreditButtonShowsItsMakerAndTheAddressOpensAMailLink() {
    TMailCatcher mail;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &mail, "Open");
    TfrmAbout about;
    TfrmMi card;
    about.UseAuthorCard(card);
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(card.windowTitle(), QStringLiteral("Mi !"));
    for (int i = 0; i < 3; ++i) {
      const TAuthor& author = TfrmAbout::Authors()[i];
      QString shownRole;
      WhenModalAppears([&](QWidget& modal) {
        QCOMPARE(&modal, static_cast<QWidget*>(&card));
        shownRole = card.labRole->text();
        QCOMPARE(card.labName->text(), QStringLiteral("The Brindlow team"));
        QCOMPARE(card.labEmail->text(), author.Email);
        QTest::mouseClick(card.labEmail, Qt::LeftButton);
      });
      about.AuthorButtons[i]->click();
      QCOMPARE(shownRole, author.Role);
      QCOMPARE(mail.Opened.size(), i + 1);
      QCOMPARE(mail.Opened.last(), QUrl(QStringLiteral("mailto:") + author.Email));
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
  }

  void AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn() {
    TFailingHandler handler;
    QString title;
    QString text;
    WhenModalAppears([&](QWidget& modal) {
      auto& box = dynamic_cast<QMessageBox&>(modal);
      title = box.windowTitle();
      text = box.text();
    });
    QEvent failing(QEvent::User);
    QCoreApplication::sendEvent(&handler, &failing);
    QCOMPARE(title, QStringLiteral("Brindlow v1.52"));
    QVERIFY2(text.contains(QStringLiteral("/nowhere/Score.dat")), qPrintable(text));
    // The loop goes on delivering events.
    bool later = false;
    QTimer::singleShot(0, [&] { later = true; });
    QTRY_VERIFY(later);
  }

  void AnUnreadableSettingsFileIsReportedAndStartUpGoesOn() {
    QTemporaryDir directory;
    QVERIFY(QDir(directory.path()).mkdir(QStringLiteral("Balls.cfg")));
    QFile(directory.filePath(QStringLiteral("Sound.dat"))).open(QIODevice::WriteOnly);
    QString text;
    WhenModalAppears([&](QWidget& modal) { text = dynamic_cast<QMessageBox&>(modal).text(); });
    const std::string folder = directory.path().toStdString();
    TSilentSound sound;
    TProgram program(TGameFolders{folder, folder}, sound);
    QVERIFY2(text.contains(QStringLiteral("Balls.cfg")), qPrintable(text));
    // The later steps of start-up ran: the cells know their numbers and the lists are loaded.
    QCOMPARE(program.Lines().CellImage(81)->Tag, 81);
    QVERIFY(QFile::exists(directory.filePath(QStringLiteral("Score.dat"))));
    QCOMPARE(GameSettings, DefaultSettings);
  }

  void TheMainWindowIsCreatedFirstAndTheSpriteFormLast() {
    QTemporaryDir directory;
    const std::string folder = directory.path().toStdString();
    TSilentSound sound;
    TProgram program(TGameFolders{folder, folder}, sound, [](QWidget*, const QString&, const QString&) {});
    QVERIFY(!program.Lines().Game());
    program.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.Lines()));
    QVERIFY(program.Lines().Game());
    // The sprite sets are filled right after the first frame, from the form created for them then.
    QTRY_VERIFY(program.Lines().StartFinished());
    QCOMPARE(program.Lines().Sprites(TSpriteSet::Destroy).GetSprite(2, 9).cacheKey(),
             program.SpriteForm().FindImage(QStringLiteral("destroy29"))->Picture().cacheKey());
    QVERIFY(!program.SpriteForm().isVisible());
    program.Lines().close();
  }

  void TheOtherWindowsAreCreatedWhenFirstNeededTheCreditsWithTheirCard() {
    QTemporaryDir directory;
    const std::string folder = directory.path().toStdString();
    TSilentSound sound;
    TProgram program(TGameFolders{folder, folder}, sound, [](QWidget*, const QString&, const QString&) {});
    // The main window and its own popups only.
    const qsizetype before = QApplication::topLevelWidgets().size();
    QVERIFY(before <= 3);
    TfrmAbout& about = program.About();
    QCOMPARE(QApplication::topLevelWidgets().size(), before + 2);
    // Each is created once: the card the credits open is the program's one.
    QCOMPARE(&program.About(), &about);
    QVERIFY(QApplication::topLevelWidgets().contains(&program.AuthorCard()));
    QCOMPARE(QApplication::topLevelWidgets().size(), before + 2);
  }
};

int main(int argc, char** argv) {
  TBrindlowApplication application(argc, argv);
  ShellWindowsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ShellWindowsTest.moc"
