#pragma once

#include "SparklePreferences/UpdateCheck.h"
#include "SparklePreferences/UpdateResult.h"
#include "SparklePreferences/UpdateSettings.h"

#include <AppUtils/Clock.h>
#include <Platform/ViewController.h>
#include <Preferences/Preferenceable.h>

#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>

class QMessageBox;

namespace Ui {
class UpdatePane;
}

namespace SparklePreferences {

// The software-update pane of the preferences window, and the update checks behind it: one at
// the user's request (checkForUpdates), and automatic ones when the user turned them on and a
// check is due, looked at once the event loop runs and then every hour.
// The pane shows the running version, the automatic choice and its interval, the time of the
// last check that reached the feed, a "Check Now" button and the last result.
class SparklePreferences : public Platform::ViewController, public Preferences::Preferenceable
{
    Q_OBJECT

public:
    // feed: the appcast's address (see UpdateCheck::isAllowedFeed). currentVersion: the running
    // version. clock: gives the time of each check; it must outlive the pane.
    SparklePreferences(QUrl feed, QString currentVersion, const AppUtils::Clock &clock = AppUtils::systemClock(),
        QObject *parent = nullptr);
    ~SparklePreferences() override;

    QString toolbarItemTitle() const override;
    QIcon toolbarItemIcon() const override;
    QWidget *view() override;

    // A check at the user's request; works whether or not the pane was ever shown. Its result
    // shows in the pane and in a message window of its own. While a check runs, this starts
    // no second one, but its result is then shown as if asked for.
    void checkForUpdates();

    // Starts an automatic check when UpdateSettings::isDue says so at the clock's now. An
    // automatic check opens a message window only when it finds a newer version.
    void checkIfDue();

    // The window telling the last result, while it is open; null otherwise.
    QMessageBox *messageWindow() const;

    // The check itself, e.g. to change its time limit.
    UpdateCheck &updateCheck();

Q_SIGNALS:
    void checkFinished(const UpdateResult &result);

protected:
    void loadView(QWidget &view) override;
    void viewDidLoad() override;

private:
    void startCheck();
    void checkDone(const UpdateResult &result);
    void showLastCheck();
    void showResult();
    const Release *newerRelease() const; // the last result's release while it offers one
    void showMessageWindow(const UpdateResult &result);

    const AppUtils::Clock &m_clock;
    UpdateSettings m_settings;
    UpdateCheck m_check;
    QTimer m_schedule;
    std::optional<UpdateResult> m_lastResult;
    bool m_userAsked = false;
    QPointer<QMessageBox> m_messageWindow;

    // The controls of the view, owned by it; valid only while isViewLoaded().
    std::unique_ptr<Ui::UpdatePane> m_ui;
};

} // namespace SparklePreferences
