#include "SparklePreferences/SparklePreferences.h"

#include "SparklePreferences/Version.h"
#include "ui_UpdatePane.h"

#include <Preferences/ThemedIcon.h>

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>
#include <QTextDocumentFragment>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace SparklePreferences {
namespace {

// Feeds often carry their notes as HTML; show them as text, so nothing in them is fetched or run.
QString plainNotes(const QString &notes)
{
    return Qt::mightBeRichText(notes) ? QTextDocumentFragment::fromHtml(notes).toPlainText().trimmed() : notes;
}

bool reachedFeed(const UpdateResult &result)
{
    return result.outcome == UpdateResult::Outcome::UpdateAvailable
        || result.outcome == UpdateResult::Outcome::UpToDate;
}

} // namespace

SparklePreferences::SparklePreferences(QUrl feed, QString currentVersion, const AppUtils::Clock &clock, QObject *parent)
    : Platform::ViewController(parent)
    , m_clock(clock)
    , m_check(std::move(feed), std::move(currentVersion))
    , m_ui(std::make_unique<Ui::UpdatePane>())
{
    connect(&m_check, &UpdateCheck::finished, this, &SparklePreferences::checkDone);
    // Hourly is fine-grained enough for daily checks, and lets a sleeping laptop sleep.
    m_schedule.setTimerType(Qt::VeryCoarseTimer);
    m_schedule.setInterval(1h);
    connect(&m_schedule, &QTimer::timeout, this, &SparklePreferences::checkIfDue);
    m_schedule.start();
    QTimer::singleShot(0, this, &SparklePreferences::checkIfDue);
}

SparklePreferences::~SparklePreferences()
{
    delete m_messageWindow.data();
}

QString SparklePreferences::toolbarItemTitle() const
{
    return tr("Updates");
}

QIcon SparklePreferences::toolbarItemIcon() const
{
    return Preferences::themedIcon(u"system-software-update"_s);
}

QWidget *SparklePreferences::view()
{
    return Platform::ViewController::view();
}

void SparklePreferences::checkForUpdates()
{
    m_userAsked = true;
    startCheck();
}

void SparklePreferences::checkIfDue()
{
    if (m_settings.isDue(m_clock.now()))
        startCheck();
}

QMessageBox *SparklePreferences::messageWindow() const
{
    return m_messageWindow.data();
}

UpdateCheck &SparklePreferences::updateCheck()
{
    return m_check;
}

void SparklePreferences::loadView(QWidget &view)
{
    m_ui->setupUi(&view);
    // A version built by hand can be any length: show its start, and all of it on demand.
    const QString version = m_check.currentVersion();
    m_ui->version->setText(tr("%1 %2").arg(QGuiApplication::applicationDisplayName(), shortenedVersion(version)));
    m_ui->version->setToolTip(version);
    m_ui->version->setAccessibleDescription(version);
    m_ui->checkInterval->addItem(tr("Daily"), int(UpdateSettings::Interval::Daily));
    m_ui->checkInterval->addItem(tr("Weekly"), int(UpdateSettings::Interval::Weekly));
    m_ui->checkInterval->addItem(tr("Monthly"), int(UpdateSettings::Interval::Monthly));
}

void SparklePreferences::viewDidLoad()
{
    m_ui->automaticChecks->setChecked(m_settings.automatic());
    m_ui->checkInterval->setCurrentIndex(m_ui->checkInterval->findData(int(m_settings.interval())));
    m_ui->checkInterval->setEnabled(m_ui->automaticChecks->isChecked());
    connect(m_ui->automaticChecks, &QCheckBox::toggled, this, [this](bool on) {
        m_settings.setAutomatic(on);
        m_ui->checkInterval->setEnabled(on);
        checkIfDue();
    });
    connect(m_ui->checkInterval, &QComboBox::activated, this, [this](int index) {
        m_settings.setInterval(UpdateSettings::Interval(m_ui->checkInterval->itemData(index).toInt()));
        checkIfDue();
    });
    connect(m_ui->checkNow, &QPushButton::clicked, this, &SparklePreferences::checkForUpdates);
    connect(m_ui->download, &QPushButton::clicked, this, [this] {
        if (const Release *newer = newerRelease())
            QDesktopServices::openUrl(newer->download);
    });
    connect(m_ui->releaseNotes, &QPushButton::clicked, this, [this] {
        if (const Release *newer = newerRelease())
            QDesktopServices::openUrl(newer->notesLink);
    });
    showLastCheck();
    showResult();
}

void SparklePreferences::startCheck()
{
    m_check.start();
    if (isViewLoaded())
        showResult();
}

void SparklePreferences::checkDone(const UpdateResult &result)
{
    if (reachedFeed(result))
        m_settings.setLastCheck(m_clock.now());
    m_lastResult = result;
    if (isViewLoaded()) {
        showLastCheck();
        showResult();
    }
    if (std::exchange(m_userAsked, false) || result.outcome == UpdateResult::Outcome::UpdateAvailable)
        showMessageWindow(result);
    Q_EMIT checkFinished(result);
}

void SparklePreferences::showLastCheck()
{
    const std::optional<std::chrono::system_clock::time_point> last = m_settings.lastCheck();
    if (!last) {
        m_ui->lastChecked->setText(tr("Last checked: Never"));
        return;
    }
    const auto seconds = std::chrono::floor<std::chrono::seconds>(last->time_since_epoch()).count();
    const QString when = QLocale::system().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
    m_ui->lastChecked->setText(tr("Last checked: %1").arg(when));
}

void SparklePreferences::showResult()
{
    const bool running = m_check.isRunning();
    m_ui->checkNow->setEnabled(!running);
    if (running)
        m_ui->result->setText(tr("Checking for updates…"));
    else
        m_ui->result->setText(m_lastResult ? m_lastResult->message() : QString());
    const Release *newer = newerRelease();
    const QString notes = newer ? plainNotes(newer->notes) : QString();
    m_ui->notes->setPlainText(notes);
    m_ui->notes->setVisible(!notes.isEmpty());
    m_ui->download->setVisible(newer && newer->download.isValid());
    m_ui->releaseNotes->setVisible(newer && newer->notesLink.isValid());
}

const Release *SparklePreferences::newerRelease() const
{
    const bool newer
        = !m_check.isRunning() && m_lastResult && m_lastResult->outcome == UpdateResult::Outcome::UpdateAvailable;
    return newer ? &*m_lastResult->release : nullptr;
}

void SparklePreferences::showMessageWindow(const UpdateResult &result)
{
    if (!m_messageWindow) {
        m_messageWindow = new QMessageBox;
        m_messageWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_messageWindow->setWindowTitle(tr("Software Update"));
        m_messageWindow->setTextFormat(Qt::PlainText);
    }
    QMessageBox &box = *m_messageWindow;
    // One window, refreshed: a second check does not pile up windows.
    for (QAbstractButton *button : box.buttons()) {
        box.removeButton(button);
        delete button;
    }
    box.setIcon(reachedFeed(result) ? QMessageBox::Information : QMessageBox::Warning);
    box.setText(result.message());
    const bool newer = result.outcome == UpdateResult::Outcome::UpdateAvailable;
    box.setDetailedText(newer ? plainNotes(result.release->notes) : QString());
    if (newer && result.release->download.isValid()) {
        const QUrl download = result.release->download;
        QPushButton *get = box.addButton(tr("Download…"), QMessageBox::AcceptRole);
        connect(get, &QPushButton::clicked, get, [download] { QDesktopServices::openUrl(download); });
        box.addButton(QMessageBox::Close);
    } else {
        box.addButton(QMessageBox::Ok);
    }
    box.open();
    box.raise(); // when it was open already, behind other windows
    box.activateWindow();
}

} // namespace SparklePreferences
